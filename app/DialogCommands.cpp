// The main window's commands that fill and open the favourite-move and print dialogs.
#include "app/FavouriteMoveDialog.h"
#include "app/MainWindow.h"
#include "app/RadioGroup.h"
#include "platform/Modals.h"

#include <QLabel>

void TForm1::Verschieben1Click() {
    const int s = RadioGroup_fav->ItemIndex();
    if (s < 1 || s > 9)
        return; // "alle" is no group
    for (int g = 1; g <= 9; ++g)
        Form_favs->RadioGroup_fav_Verschieben_ziel->setItem(g - 1, RadioGroup_fav->item(g));
    setLabelCaption(Form_favs->Label_fav_verschieben_startfav,
                    QStringLiteral("Favorit ") + RadioGroup_fav->item(s) + QStringLiteral("  verschieben ?"));
    platform::modals().showModal(Form_favs);
}

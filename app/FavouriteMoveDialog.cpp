#include "app/FavouriteMoveDialog.h"

#include "app/MainWindow.h"
#include "app/RadioGroup.h"
#include "image/FavGroupMove.h"
#include "platform/Canvas.h"
#include "platform/Modals.h"

#include <QLabel>
#include <QPushButton>

LazyDialog<TForm_favs> Form_favs;

TForm_favs::TForm_favs(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Favoritengruppe verschieben"));
    setFont(platform::DefaultFont());
    setFixedSize(345, 305);

    Label_fav_verschieben_startfav = new QLabel(this);
    Label_fav_verschieben_startfav->move(16, 16);
    Label1 = new QLabel(this);
    Label1->move(16, 40);
    setLabelCaption(Label1, QStringLiteral("bitte Ziel-Favoritengruppe wählen !"));

    RadioGroup_fav_Verschieben_ziel = new TRadioGroup(this);
    RadioGroup_fav_Verschieben_ziel->setTitle(QStringLiteral("Ziel"));
    RadioGroup_fav_Verschieben_ziel->setGeometry(16, 64, 153, 225);
    QStringList places;
    for (int g = 1; g <= 9; ++g)
        places << QString::number(g);
    RadioGroup_fav_Verschieben_ziel->setItems(places);

    BitBtn_fav_verschieben = new QPushButton(QStringLiteral("Favoritengruppe verschieben"), this);
    BitBtn_fav_verschieben->setGeometry(184, 248, 153, 41);
    connect(BitBtn_fav_verschieben, &QPushButton::clicked, this, &TForm_favs::BitBtn_fav_verschiebenClick);
}

void TForm_favs::BitBtn_fav_verschiebenClick() {
    const int t = RadioGroup_fav_Verschieben_ziel->ItemIndex() + 1;
    if (t == 0) {
        platform::modals().messageDlg(QStringLiteral("Fehler! Zielfavgruppe auswählen."),
                                      platform::MsgDlgType::Warning, platform::mbOK);
        return;
    }
    TRadioGroup* favs = Form1->RadioGroup_fav;
    const int s = favs->ItemIndex();
    // "alle" (place 0) is the view of every channel, no group that could move.
    if (!image::MoveFavGroup(s, t)) {
        platform::modals().messageDlg(
            QStringLiteral("Fehler! Keine Favoritengruppe zum Verschieben gewählt."),
            platform::MsgDlgType::Warning, platform::mbOK);
        reject();
        return;
    }
    // The radio items hold the names as typed, which may be longer than the records': they move the same
    // way as the records, and the moved places' columns are named after them.
    QStringList names = favs->Items();
    names.move(s, t);
    for (int g = qMin(s, t); g <= qMax(s, t); ++g) {
        favs->setItem(g, names[g]);
        Form1->setFavColumnCaption(g, names[g].left(4));
    }
    Form1->radiogroup_favclick();
    accept();
}

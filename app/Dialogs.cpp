#include "app/Dialogs.h"

#include "app/FavouriteMoveDialog.h"
#include "app/PrintDialog.h"
#include "app/ProviderDialog.h"
#include "app/SatelliteSettingsDialog.h"
#include "app/TransponderDialog.h"

void CreateDialogs(QWidget* owner) {
    Form_satsettings = new TForm_satsettings(owner);
    Form_favs = new TForm_favs(owner);
    Form_transponder = new TForm_transponder(owner);
    Form_drucken = new TForm_drucken(owner);
    Form_provider = new TForm_provider(owner);
}

void ForgetDialogs() {
    Form_satsettings = nullptr;
    Form_favs = nullptr;
    Form_transponder = nullptr;
    Form_drucken = nullptr;
    Form_provider = nullptr;
}

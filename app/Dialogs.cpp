#include "app/Dialogs.h"

#include "app/FavouriteMoveDialog.h"
#include "app/PrintDialog.h"
#include "app/ProviderDialog.h"
#include "app/SatelliteSettingsDialog.h"
#include "app/TransponderDialog.h"

void CreateDialogs(QWidget* owner) {
    Form_satsettings.setOwner(owner);
    Form_favs.setOwner(owner);
    Form_transponder.setOwner(owner);
    Form_drucken.setOwner(owner);
    Form_provider.setOwner(owner);
}

void ForgetDialogs() {
    CreateDialogs(nullptr);
}

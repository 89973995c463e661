#include "app/SatelliteSettingsDialog.h"

TForm_satsettings* Form_satsettings = nullptr;

TForm_satsettings::TForm_satsettings(QWidget* parent) : QDialog(parent) {}

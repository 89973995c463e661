#include "app/Unit_drucken.h"

TForm_drucken* Form_drucken = nullptr;

TForm_drucken::TForm_drucken(QWidget* parent) : QDialog(parent) {}

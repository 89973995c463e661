#include "app/PrintDialog.h"

TForm_drucken* Form_drucken = nullptr;

TForm_drucken::TForm_drucken(QWidget* parent) : QDialog(parent) {}

#include "app/TransponderDialog.h"

TForm_transponder* Form_transponder = nullptr;

TForm_transponder::TForm_transponder(QWidget* parent) : QDialog(parent) {}

#include "app/ProviderDialog.h"

TForm_provider* Form_provider = nullptr;

TForm_provider::TForm_provider(QWidget* parent) : QDialog(parent) {}

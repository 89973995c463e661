#include "app/FavouriteMoveDialog.h"

TForm_favs* Form_favs = nullptr;

TForm_favs::TForm_favs(QWidget* parent) : QDialog(parent) {}

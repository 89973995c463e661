#pragma once

#include "app/LazyDialog.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TRadioGroup;

/// The dialog that moves the favourite group selected in the main window to another of the nine places.
/// Made on first use and reused for every opening; the opener fills the names and the label.
class TForm_favs : public QDialog {
    Q_OBJECT
public:
    explicit TForm_favs(QWidget* parent = nullptr);

    QLabel* Label_fav_verschieben_startfav = nullptr; // "Favorit <name>  verschieben ?"
    QLabel* Label1 = nullptr;
    TRadioGroup* RadioGroup_fav_Verschieben_ziel = nullptr; // "Ziel": the nine group names
    QPushButton* BitBtn_fav_verschieben = nullptr;

    /// Moves the group to the chosen place, renames the moved places, rebuilds the channel view, closes.
    void BitBtn_fav_verschiebenClick();
};

/// The one instance, made on first use once ProgramMain has set its owner.
extern LazyDialog<TForm_favs> Form_favs;

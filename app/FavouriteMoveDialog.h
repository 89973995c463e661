#pragma once

#include <QDialog>

/// The dialog that moves a favourite group to another of the nine places. Created once at start and reused
/// for every opening.
class TForm_favs : public QDialog {
    Q_OBJECT
public:
    explicit TForm_favs(QWidget* parent = nullptr);
};

/// The one instance, created by ProgramMain.
extern TForm_favs* Form_favs;

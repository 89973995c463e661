#pragma once

#include <QDialog>

/// The dialog for a satellite's reception settings. Created once at start and reused for every opening.
class TForm_satsettings : public QDialog {
    Q_OBJECT
public:
    explicit TForm_satsettings(QWidget* parent = nullptr);
};

/// The one instance, created by ProgramMain.
extern TForm_satsettings* Form_satsettings;

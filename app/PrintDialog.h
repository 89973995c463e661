#pragma once

#include <QDialog>

/// The dialog that prints the names of the channel view. Created once at start and reused for every opening.
class TForm_drucken : public QDialog {
    Q_OBJECT
public:
    explicit TForm_drucken(QWidget* parent = nullptr);
};

/// The one instance, created by ProgramMain.
extern TForm_drucken* Form_drucken;

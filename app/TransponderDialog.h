#pragma once

#include <QDialog>

/// The dialog that edits a transponder or creates a new one. Created once at start and reused for every
/// opening.
class TForm_transponder : public QDialog {
    Q_OBJECT
public:
    explicit TForm_transponder(QWidget* parent = nullptr);
};

/// The one instance, created by ProgramMain.
extern TForm_transponder* Form_transponder;

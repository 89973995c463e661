#pragma once

#include <QDialog>

/// The dialog that chooses the provider of imported channels. Created once at start and reused for every
/// opening.
class TForm_provider : public QDialog {
    Q_OBJECT
public:
    explicit TForm_provider(QWidget* parent = nullptr);
};

/// The one instance, created by ProgramMain.
extern TForm_provider* Form_provider;

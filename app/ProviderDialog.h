#pragma once

#include "app/LazyDialog.h"

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TRadioGroup;

/// The dialog that chooses the provider of imported channels. Made on first use and reused for every
/// opening; its caller fills the lists and the edit and reads the mode and the chosen entry afterwards.
class TForm_provider : public QDialog {
    Q_OBJECT
public:
    explicit TForm_provider(QWidget* parent = nullptr);

    /// The modes, in item order of RadioGroup_auswahl_Provider.
    enum Mode { ModeNew = 0, ModeRadioGroup = 1, ModeComboBox = 2 };

    TRadioGroup* RadioGroup_auswahl_Provider = nullptr; // "Auswahl": "Neu", "Aus Radiogroup", "Aus Combobox"
    QLabel* Label1 = nullptr;                           // "neuer Provider"
    QLineEdit* Edit_provider = nullptr;                 // the name of a new provider
    TRadioGroup* RadioGroup_provider = nullptr;         // providers whose names match the web page's
    QComboBox* ComboBox_provider_lyngsat = nullptr;     // every provider, in table order
    QLabel* Label2 = nullptr;
    QPushButton* BitBtn_provider_uebernehmen = nullptr;
    QPushButton* BitBtn_abbrechen = nullptr;

    void FormCreate();
    /// Checks the choice; an accepted one closes the dialog with the result OK.
    void BitBtn_provider_uebernehmenClick();
    void BitBtn_abbrechenClick();

    /// Every close sets ProviderDialogOk from the result: 1 only for an accepted choice, so closing
    /// by the window's button or Esc is a cancel.
    void done(int result) override;
};

/// 1 after the provider dialog closed with an accepted choice, else 0.
extern std::uint8_t ProviderDialogOk;

/// The one instance, made on first use once ProgramMain has set its owner.
extern LazyDialog<TForm_provider> Form_provider;

#pragma once

#include "app/LazyDialog.h"
#include "image/Records.h"

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TRadioGroup;

/// Set by the number check when an edit's text fails; the openers and the save clear it.
extern std::uint8_t TransponderDialogError;
/// 1 when the last use of the dialog wrote a transponder. Cleared before every opening and by the save
/// and cancel; the openers take success from the modal result, which is accepted only after a write.
extern std::uint8_t TransponderDialogSaved;
/// The 1-based satellite that receives a new transponder when the satellite box is hidden.
extern int NewTransponderSatellite;

/// The dialog that edits a transponder or creates a new one. Made on first use and reused for every
/// opening. It is in edit mode exactly when its save button reads "Speichern".
class TForm_transponder : public QDialog {
    Q_OBJECT
public:
    explicit TForm_transponder(QWidget* parent = nullptr);

    TRadioGroup* RadioGroup_FEC = nullptr;
    QPushButton* BitBtn_transponder_aendern = nullptr;
    QPushButton* BitBtn_transponderaendrn_abbrechen = nullptr;
    QLabel* Label_sat = nullptr;
    QLineEdit* Edit_frequenz = nullptr;
    QLabel* Label1 = nullptr;
    TRadioGroup* RadioGroup_Pol = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit_symbolrate = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit_onid = nullptr;
    QLineEdit* Edit_TID = nullptr;
    QLabel* Label5 = nullptr;
    TRadioGroup* RadioGroup_DVB = nullptr;
    QComboBox* ComboBox_satellit_fuer_neuen_transponder = nullptr;
    int EditedTransponder = 0; // 1-based, set by the opener of edit mode

    /// Edit mode for transponder t (1-based) of satellite satelliteName. A polarisation or DVB byte out of
    /// range is reported and leaves its group without a choice; a byte that is no FEC code is reported and
    /// answers false: the dialog must not be shown.
    bool prepareEdit(int t, const QString& satelliteName);
    /// New mode with the satellite box: one item per satellite, item selected chosen, empty edits.
    void prepareNew(const QStringList& satelliteItems, int selected);

    /// The number check of one edit, run when it is left and by the save.
    void Edit_frequenzExit(QLineEdit* edit);
    /// Validates and writes the transponder (edit mode) or inserts a new one.
    void BitBtn_transponder_aendernClick();
    void BitBtn_transponderaendrn_abbrechenClick();

    /// "Speichern": the caption of edit mode.
    static QString editCaption();
    /// The caption of new mode.
    static QString newCaption();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isEditMode() const;
    /// base with the values of the edits and groups.
    image::TTransponderRecord recordFromControls(image::TTransponderRecord base) const;
};

/// The one instance, made on first use once ProgramMain has set its owner.
extern LazyDialog<TForm_transponder> Form_transponder;

#pragma once

#include "app/LazyDialog.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TRadioGroup;

/// The 0-based satellite-grid row being edited; the record is Satellites[SatSettingsIndex + 1].
extern int SatSettingsIndex;

/// The dialog for a satellite's reception settings. Made on first use and reused for every opening.
class TForm_satsettings : public QDialog {
    Q_OBJECT
public:
    explicit TForm_satsettings(QWidget* parent = nullptr);

    QLabel* Label_satname = nullptr;
    QLineEdit* Edit_satname = nullptr;
    QLabel* Label_satposition = nullptr;
    QLineEdit* Edit_satposition = nullptr;
    TRadioGroup* RadioGroup_W_O = nullptr;
    QLabel* Label_LOF_low = nullptr;
    QLineEdit* Edit_LOF_low = nullptr;
    QLabel* Label_LOF_high = nullptr;
    QLineEdit* Edit_LOF_high = nullptr;
    QLabel* Label_diseq = nullptr;
    QComboBox* ComboBox_diseq = nullptr;
    QLabel* Label_diseq11 = nullptr;
    QComboBox* ComboBox_diseq11 = nullptr;
    TRadioGroup* RadioGroup_diseq12 = nullptr;
    QLabel* Label_positioner_no = nullptr;
    QLineEdit* Edit_positioner_no = nullptr;
    QLabel* Label_22khz = nullptr;
    QComboBox* ComboBox_22khz = nullptr;
    QPushButton* BitBtn_sateinstellungen_speichern = nullptr;
    QPushButton* BitBtn_sateinsellungen_abbrechen = nullptr;

    /// Fills the controls from the texts of a satellite-grid row (one per column) for row r.
    void fillFromRow(int r, const QStringList& rowTexts);

    /// The LOF check of one LOF edit, run when it is left.
    void Edit_LOF_highExit(QLineEdit* edit);
    /// Checks every field (one "Fehler !" box, nothing written), then writes the satellite record, rebuilds
    /// the views and closes.
    void BitBtn_sateinstellungen_speichernClick();
    void BitBtn_sateinsellungen_abbrechenClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// One paragraph per failed rule; empty when every field converts.
    QStringList fieldErrors() const;
};

/// The one instance, made on first use once ProgramMain has set its owner.
extern LazyDialog<TForm_satsettings> Form_satsettings;

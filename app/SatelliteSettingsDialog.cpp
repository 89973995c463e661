#include "app/SatelliteSettingsDialog.h"

#include "app/DialogControls.h"
#include "app/MainWindow.h"
#include "app/RadioGroup.h"
#include "app/SatelliteRows.h"
#include "image/Fields.h"
#include "image/Tables.h"
#include "platform/Canvas.h"
#include "platform/Conversions.h"
#include "platform/Modals.h"
#include "platform/Rounding.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int SatSettingsIndex = 0;
LazyDialog<TForm_satsettings> Form_satsettings;

using namespace dialogs;

namespace {

const QString kParagraph = QStringLiteral("\r\n\r\n");

QComboBox* makeCombo(QWidget* parent, const QStringList& items, int left, int top) {
    auto* combo = new QComboBox(parent);
    combo->setGeometry(left, top, 249, 21);
    combo->addItems(items);
    return combo;
}

bool digitsOnly(const QString& text) {
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

/// The paragraphs for a LOF edit: the record keeps 16 bits.
QStringList lofErrors(const QString& name, const QString& text) {
    QStringList errors;
    if (text.isEmpty())
        errors << name + QStringLiteral(": Bitte Wert eingeben");
    else if (!digitsOnly(text))
        errors << name + QStringLiteral(": Nur Ziffern erlaubt.");
    else if (text.size() > 5)
        errors << name + QStringLiteral(": Frequenz-Ziffernfolge zu lang.");
    else if (text.toInt() > 65535)
        errors << name + QStringLiteral(": Zahl zu groß: höchstens 65535.");
    return errors;
}

/// The chosen item, or the record's byte when the box has none (the record held an unknown value).
image::Byte chosenOr(const QComboBox* combo, image::Byte kept) {
    return combo->currentIndex() < 0 ? kept : static_cast<image::Byte>(combo->currentIndex());
}

} // namespace

TForm_satsettings::TForm_satsettings(QWidget* parent) : QDialog(parent) {
    setFont(platform::DefaultFont());
    setWindowTitle(QStringLiteral("Satellit"));
    setFixedSize(289, 534);

    Label_satname = makeLabel(this, QStringLiteral("Satellit"), 16, 8);
    Edit_satname = makeEdit(this, 16, 24, 249);
    Label_satposition = makeLabel(this, QStringLiteral("Satposition"), 16, 56);
    Edit_satposition = makeEdit(this, 16, 72, 105);
    RadioGroup_W_O =
        makeGroup(this, QString(), {QStringLiteral("W"), QStringLiteral("O")}, QRect(144, 60, 121, 37), 2);
    Label_LOF_low = makeLabel(this, QStringLiteral("LOF low"), 16, 112);
    Edit_LOF_low = makeEdit(this, 16, 128, 105);
    Label_LOF_high = makeLabel(this, QStringLiteral("LOF high"), 144, 112);
    Edit_LOF_high = makeEdit(this, 144, 128, 121);
    Label_diseq = makeLabel(this, QStringLiteral("Diseqc"), 16, 168);
    ComboBox_diseq = makeCombo(this, diseqcModeTexts(), 16, 184);
    QStringList ports{QStringLiteral("OFF")};
    for (int p = 1; p <= 16; ++p)
        ports << QString::number(p);
    Label_diseq11 = makeLabel(this, QStringLiteral("Diseq 1.1"), 16, 216);
    ComboBox_diseq11 = makeCombo(this, ports, 16, 232);
    RadioGroup_diseq12 =
        makeGroup(this, QStringLiteral("Diseqc 1.2"), {QStringLiteral("false"), QStringLiteral("true")},
                  QRect(16, 264, 249, 41), 2);
    Label_positioner_no = makeLabel(this, QStringLiteral("Positioner No."), 16, 320);
    Edit_positioner_no = makeEdit(this, 16, 336, 105);
    Label_22khz = makeLabel(this, QStringLiteral("0/ 22 kHz"), 16, 368);
    ComboBox_22khz = makeCombo(this, tone22kHzTexts(), 16, 384);

    BitBtn_sateinstellungen_speichern = new QPushButton(QStringLiteral("Speichern"), this);
    BitBtn_sateinstellungen_speichern->setGeometry(16, 432, 113, 49);
    BitBtn_sateinsellungen_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn_sateinsellungen_abbrechen->setGeometry(152, 432, 113, 49);
    keepFocusOnClick({BitBtn_sateinstellungen_speichern, BitBtn_sateinsellungen_abbrechen});
    connect(BitBtn_sateinstellungen_speichern, &QPushButton::clicked, this,
            &TForm_satsettings::BitBtn_sateinstellungen_speichernClick);
    connect(BitBtn_sateinsellungen_abbrechen, &QPushButton::clicked, this,
            &TForm_satsettings::BitBtn_sateinsellungen_abbrechenClick);
    Edit_LOF_low->installEventFilter(this);
    Edit_LOF_high->installEventFilter(this);
}

bool TForm_satsettings::eventFilter(QObject* watched, QEvent* event) {
    if (leavesEdit(event))
        Edit_LOF_highExit(static_cast<QLineEdit*>(watched));
    return QDialog::eventFilter(watched, event);
}

void TForm_satsettings::fillFromRow(int r, const QStringList& rowTexts) {
    SatSettingsIndex = r;
    Edit_satname->setText(rowTexts.value(scName));
    Edit_satposition->setText(rowTexts.value(scPosition));
    Edit_LOF_low->setText(rowTexts.value(scLofLow));
    Edit_LOF_high->setText(rowTexts.value(scLofHigh));
    RadioGroup_W_O->setItemIndex(rowTexts.value(scEastWest) == QLatin1String("W") ? 0 : 1);
    RadioGroup_diseq12->setItemIndex(rowTexts.value(scDiseqc12) == QLatin1String("False") ? 0 : 1);
    const auto choose = [](QComboBox* combo, const QString& text) {
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    };
    choose(ComboBox_diseq, rowTexts.value(scDiseqcMode));
    choose(ComboBox_diseq11, rowTexts.value(scDiseqc11));
    choose(ComboBox_22khz, rowTexts.value(scTone22kHz));
    Edit_positioner_no->setText(rowTexts.value(scPositioner));
}

void TForm_satsettings::Edit_LOF_highExit(QLineEdit* edit) {
    const QString text = edit->text();
    if (!digitsOnly(text))
        platform::modals().messageDlg(QStringLiteral("Fehler !") + kParagraph +
                                          QStringLiteral("Nur Ziffern erlaubt."),
                                      platform::MsgDlgType::Warning, platform::mbCancel);
    if (text.size() > 5)
        platform::modals().messageDlg(QStringLiteral("Fehler !") + kParagraph +
                                          QStringLiteral("Frequenz-Ziffernfolge zu lang."),
                                      platform::MsgDlgType::Warning, platform::mbCancel);
}

QStringList TForm_satsettings::fieldErrors() const {
    QStringList errors;
    double position = 0;
    // Any position whose tenths, rounded halves to even, fit the 16-bit field; stored positions reach 359,5.
    const bool number = platform::TryStrToFloat(Edit_satposition->text(), position);
    if (!number || !(position * 10.0 >= -0.5 && position * 10.0 < 65535.5))
        errors << QStringLiteral("Satposition: bitte eine Zahl von 0 bis 6553,5 eingeben.");
    errors << lofErrors(QStringLiteral("LOF low"), Edit_LOF_low->text());
    errors << lofErrors(QStringLiteral("LOF high"), Edit_LOF_high->text());
    const QString positioner = Edit_positioner_no->text();
    if (positioner.isEmpty() || positioner.size() > 3 || !digitsOnly(positioner) || positioner.toInt() > 255)
        errors << QStringLiteral("Positioner No.: bitte eine Zahl von 0 bis 255 eingeben.");
    return errors;
}

void TForm_satsettings::BitBtn_sateinstellungen_speichernClick() {
    image::SettingsImage& img = image::Image();
    const int s = SatSettingsIndex + 1;
    if (s < 1 || s > img.SatelliteCount) {
        platform::modals().messageDlg(QStringLiteral("Der Satellit existiert nicht mehr."),
                                      platform::MsgDlgType::Warning, platform::mbOK);
        return;
    }
    // Everything is checked before anything is written: a refused field leaves record and grid as they were.
    const QStringList errors = fieldErrors();
    if (!errors.isEmpty()) {
        platform::modals().messageDlg(QStringLiteral("Fehler !") + kParagraph + errors.join(kParagraph),
                                      platform::MsgDlgType::Warning, platform::mbCancel);
        return;
    }

    image::TSatelliteRecord record = img.Satellites[s];
    image::StoreName(record.SatelliteName, Edit_satname->text().left(16));
    // Tenths of a degree.
    record.OrbitalPosition =
        static_cast<std::uint16_t>(platform::Round(platform::StrToFloat(Edit_satposition->text()) * 10.0));
    record.Tone22kHz = chosenOr(ComboBox_22khz, record.Tone22kHz);
    record.LofLow = static_cast<std::uint16_t>(Edit_LOF_low->text().toInt());
    record.LofHigh = static_cast<std::uint16_t>(Edit_LOF_high->text().toInt());
    record.DiseqcMode = chosenOr(ComboBox_diseq, record.DiseqcMode);
    // Items "OFF", "1" .. "16": the item index is the port.
    record.Diseqc11Port = chosenOr(ComboBox_diseq11, record.Diseqc11Port);
    record.Diseqc12 = RadioGroup_diseq12->ItemIndex() == 1 ? 1 : 0;
    record.Positioner = static_cast<image::Byte>(Edit_positioner_no->text().toInt());
    record.EastWest = RadioGroup_W_O->ItemIndex() == 1 ? 0x45 : 0x57; // 'E' or 'W'
    img.Satellites[s] = record;

    if (Form1)
        Form1->rebuildSatelliteViews();
    accept();
}

void TForm_satsettings::BitBtn_sateinsellungen_abbrechenClick() {
    reject();
}

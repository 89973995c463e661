#include "app/TransponderDialog.h"

#include "app/DialogControls.h"
#include "app/MainWindow.h"
#include "app/RadioGroup.h"
#include "image/TransponderTable.h"
#include "platform/Canvas.h"
#include "platform/Modals.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

std::uint8_t TransponderDialogError = 0;
std::uint8_t TransponderDialogSaved = 0;
int NewTransponderSatellite = 0;
LazyDialog<TForm_transponder> Form_transponder;

using namespace dialogs;

namespace {

const QString kParagraph = QStringLiteral("\r\n\r\n");

// The record stores each number in 16 bits.
constexpr int kLargestNumber = 65535;

// FEC codes by item of the FEC group.
constexpr int kFecCodes[] = {0, 1, 2, 3, 5, 7};

int numberOf(const QLineEdit* edit) {
    return edit->text().toInt();
}

} // namespace

TForm_transponder::TForm_transponder(QWidget* parent) : QDialog(parent) {
    setFont(platform::DefaultFont());
    setWindowTitle(QStringLiteral("Transponder"));
    setFixedSize(329, 305);

    Label_sat = makeLabel(this, QString(), 16, 8);
    QFont bold = font();
    bold.setBold(true);
    Label_sat->setFont(bold);
    QPalette purple = Label_sat->palette();
    purple.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x80));
    Label_sat->setPalette(purple);
    Label_sat->resize(297, 16);
    ComboBox_satellit_fuer_neuen_transponder = new QComboBox(this);
    ComboBox_satellit_fuer_neuen_transponder->setGeometry(16, 8, 297, 21);
    ComboBox_satellit_fuer_neuen_transponder->setMaxVisibleItems(35);
    ComboBox_satellit_fuer_neuen_transponder->hide();

    Label1 = makeLabel(this, QStringLiteral("Frequenz"), 16, 40);
    Edit_frequenz = makeEdit(this, 16, 56, 73);
    Label2 = makeLabel(this, QStringLiteral("SR"), 104, 40);
    Edit_symbolrate = makeEdit(this, 104, 56, 73);
    Label3 = makeLabel(this, QStringLiteral("ON-ID"), 16, 88);
    Edit_onid = makeEdit(this, 16, 104, 73);
    Label4 = makeLabel(this, QStringLiteral("T-ID"), 104, 88);
    Edit_TID = makeEdit(this, 104, 104, 73);
    RadioGroup_Pol =
        makeGroup(this, QStringLiteral("Polarisation"),
                  {QStringLiteral("H"), QStringLiteral("V"), QStringLiteral("LZ"), QStringLiteral("RZ")},
                  QRect(200, 40, 113, 97), 1);
    Label5 = makeLabel(this, QStringLiteral("Typ"), 16, 136);
    RadioGroup_DVB = makeGroup(this, QString(), {QStringLiteral("DVB-S"), QStringLiteral("DVB-S2")},
                               QRect(16, 152, 161, 37), 2);
    RadioGroup_FEC = makeGroup(this, QStringLiteral("FEC"),
                               {QStringLiteral("AUTO"), QStringLiteral("1/2"), QStringLiteral("2/3"),
                                QStringLiteral("3/4"), QStringLiteral("5/6"), QStringLiteral("7/8")},
                               QRect(200, 144, 113, 81), 2);

    BitBtn_transponder_aendern = new QPushButton(editCaption(), this);
    BitBtn_transponder_aendern->setGeometry(16, 248, 145, 41);
    BitBtn_transponderaendrn_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn_transponderaendrn_abbrechen->setGeometry(176, 248, 137, 41);
    // The save checks every edit itself, and a cancel must not complain about what it throws away.
    keepFocusOnClick({BitBtn_transponder_aendern, BitBtn_transponderaendrn_abbrechen});
    connect(BitBtn_transponder_aendern, &QPushButton::clicked, this,
            &TForm_transponder::BitBtn_transponder_aendernClick);
    connect(BitBtn_transponderaendrn_abbrechen, &QPushButton::clicked, this,
            &TForm_transponder::BitBtn_transponderaendrn_abbrechenClick);
    for (QLineEdit* edit : {Edit_frequenz, Edit_symbolrate, Edit_onid, Edit_TID})
        edit->installEventFilter(this);
}

QString TForm_transponder::editCaption() {
    return QStringLiteral("Speichern");
}

QString TForm_transponder::newCaption() {
    return QStringLiteral("Neuen Transponder\r\n  anlegen");
}

bool TForm_transponder::isEditMode() const {
    return BitBtn_transponder_aendern->text() == editCaption();
}

bool TForm_transponder::eventFilter(QObject* watched, QEvent* event) {
    if (leavesEdit(event))
        Edit_frequenzExit(static_cast<QLineEdit*>(watched));
    return QDialog::eventFilter(watched, event);
}

bool TForm_transponder::prepareEdit(int t, const QString& satelliteName) {
    const image::TTransponderRecord& record = image::Image().Transponders[t];
    BitBtn_transponder_aendern->setText(editCaption());
    Label_sat->setText(satelliteName);
    Label_sat->show();
    ComboBox_satellit_fuer_neuen_transponder->hide();
    EditedTransponder = t;

    Edit_frequenz->setText(QString::number(record.Frequency));
    if (record.Polarisation < 4) {
        RadioGroup_Pol->setItemIndex(record.Polarisation);
    } else {
        platform::modals().showMessage(QStringLiteral("Error in Polarisation !"));
        RadioGroup_Pol->setItemIndex(-1); // the save then keeps the byte
    }
    Edit_symbolrate->setText(QString::number(record.SymbolRate));
    Edit_onid->setText(QString::number(record.Onid));
    Edit_TID->setText(QString::number(record.Tid));
    if (record.DvbType < 2) {
        RadioGroup_DVB->setItemIndex(record.DvbType);
    } else {
        platform::modals().showMessage(QStringLiteral("Error bei DVB-Typ !"));
        RadioGroup_DVB->setItemIndex(-1);
    }
    // The record has no FEC field: the group shows byte 3, the DVB type, read as a FEC code.
    const auto fec = std::find(std::begin(kFecCodes), std::end(kFecCodes), record.DvbType);
    if (fec == std::end(kFecCodes)) {
        platform::modals().showMessage(QStringLiteral("Error bei FEC"));
        return false;
    }
    RadioGroup_FEC->setItemIndex(static_cast<int>(fec - std::begin(kFecCodes)));
    return true;
}

void TForm_transponder::prepareNew(const QStringList& satelliteItems, int selected) {
    BitBtn_transponder_aendern->setText(newCaption());
    Label_sat->hide();
    ComboBox_satellit_fuer_neuen_transponder->show();
    for (QLineEdit* edit : {Edit_frequenz, Edit_symbolrate, Edit_onid, Edit_TID})
        edit->clear();
    RadioGroup_DVB->setItemIndex(0);
    RadioGroup_FEC->setItemIndex(0);
    RadioGroup_Pol->setItemIndex(0);
    ComboBox_satellit_fuer_neuen_transponder->clear();
    ComboBox_satellit_fuer_neuen_transponder->addItems(satelliteItems);
    ComboBox_satellit_fuer_neuen_transponder->setCurrentIndex(selected < satelliteItems.size() ? selected
                                                                                               : -1);
}

void TForm_transponder::Edit_frequenzExit(QLineEdit* edit) {
    const QString text = edit->text();
    QString message = QStringLiteral("Fehler !");
    bool error = false;
    if (text.isEmpty()) {
        message += kParagraph + QStringLiteral("Bitte Wert eingeben");
        error = true;
    }
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            message += kParagraph + QStringLiteral("Nur Ziffern erlaubt.");
            error = true;
        }
    }
    if (text.size() > 5) {
        message += kParagraph + QStringLiteral("Frequenz-Ziffernfolge zu lang. ");
        error = true;
    }
    // Five digits reach 99999, but the record keeps 16 bits: 70000 would be stored as 4464.
    if (!error && text.toInt() > kLargestNumber) {
        message += kParagraph + QStringLiteral("Zahl zu groß: höchstens 65535.");
        error = true;
    }
    if (error) {
        platform::modals().messageDlg(message, platform::MsgDlgType::Warning, platform::mbCancel);
        TransponderDialogError = 1;
    }
}

image::TTransponderRecord TForm_transponder::recordFromControls(image::TTransponderRecord record) const {
    // A group left without a choice (the record held an unknown value) keeps the byte.
    if (RadioGroup_Pol->ItemIndex() >= 0)
        record.Polarisation = static_cast<image::Byte>(RadioGroup_Pol->ItemIndex());
    if (RadioGroup_DVB->ItemIndex() >= 0)
        record.DvbType = static_cast<image::Byte>(RadioGroup_DVB->ItemIndex());
    record.Tid = static_cast<std::uint16_t>(numberOf(Edit_TID));
    record.Onid = static_cast<std::uint16_t>(numberOf(Edit_onid));
    record.Frequency = static_cast<std::uint16_t>(numberOf(Edit_frequenz));
    record.SymbolRate = static_cast<std::uint16_t>(numberOf(Edit_symbolrate));
    return record;
}

void TForm_transponder::BitBtn_transponder_aendernClick() {
    TransponderDialogError = 0;
    for (QLineEdit* edit : {Edit_frequenz, Edit_symbolrate, Edit_onid, Edit_TID})
        Edit_frequenzExit(edit);
    TransponderDialogSaved = 0;
    if (TransponderDialogError == 1) {
        platform::modals().messageDlg(
            QStringLiteral("Speichern nicht möglich wegen Fehler in den eingegebenen Daten."),
            platform::MsgDlgType::Warning, platform::mbOK);
        return;
    }

    image::SettingsImage& img = image::Image();
    const auto refuse = [](const QString& message) {
        platform::modals().messageDlg(message, platform::MsgDlgType::Warning, platform::mbOK);
    };
    if (isEditMode()) {
        if (EditedTransponder < 1 || EditedTransponder > img.TransponderCount) {
            refuse(QStringLiteral("Der Transponder existiert nicht mehr."));
            return;
        }
        const image::TTransponderRecord record = recordFromControls(img.Transponders[EditedTransponder]);
        if (record == image::TTransponderRecord{}) {
            refuse(image::allZeroTransponderMessage());
            return;
        }
        img.Transponders[EditedTransponder] = record;
    } else {
        if (!ComboBox_satellit_fuer_neuen_transponder->isHidden())
            NewTransponderSatellite = ComboBox_satellit_fuer_neuen_transponder->currentIndex() + 1;
        const int s = NewTransponderSatellite;
        if (s < 1 || s > img.SatelliteCount) {
            refuse(image::transponderInsertionMessage(image::TransponderInsertion::NoSatellite));
            return;
        }
        image::TTransponderRecord base;
        base.SatelliteIndex = static_cast<image::Byte>(s - 1);
        const image::TransponderInsertion result = image::InsertTransponder(recordFromControls(base), img);
        if (result != image::TransponderInsertion::Inserted) {
            refuse(image::transponderInsertionMessage(result));
            return;
        }
    }

    TransponderDialogSaved = 1;
    ComboBox_satellit_fuer_neuen_transponder->hide();
    if (Form1)
        Form1->rebuildSatelliteViews();
    accept();
}

void TForm_transponder::BitBtn_transponderaendrn_abbrechenClick() {
    TransponderDialogSaved = 0;
    reject();
}

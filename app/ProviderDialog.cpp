#include "app/ProviderDialog.h"

#include "app/MainWindow.h"
#include "app/RadioGroup.h"
#include "image/Fields.h"
#include "image/Layout.h"
#include "image/Tables.h"
#include "platform/Canvas.h"
#include "platform/Modals.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

LazyDialog<TForm_provider> Form_provider;
std::uint8_t ProviderDialogOk = 0;

namespace {

void refuse(const QString& text) {
    platform::modals().messageDlg(text, platform::MsgDlgType::Information, platform::mbOK);
}

const QString kChooseProvider = QStringLiteral("Bitte Provider auswählen !");

} // namespace

TForm_provider::TForm_provider(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Providerwahl"));
    setFont(platform::DefaultFont());
    setFixedSize(417, 433);

    RadioGroup_auswahl_Provider = new TRadioGroup(this);
    RadioGroup_auswahl_Provider->setTitle(QStringLiteral("Auswahl"));
    RadioGroup_auswahl_Provider->setGeometry(8, 8, 401, 41);
    RadioGroup_auswahl_Provider->setColumns(3);
    RadioGroup_auswahl_Provider->setItems(
        {QStringLiteral("Neu"), QStringLiteral("Aus Radiogroup"), QStringLiteral("Aus Combobox")});

    Label1 = new QLabel(this);
    Label1->move(8, 60);
    setLabelCaption(Label1, QStringLiteral("neuer Provider"));
    Edit_provider = new QLineEdit(this);
    Edit_provider->setGeometry(8, 76, 193, 21);

    RadioGroup_provider = new TRadioGroup(this);
    RadioGroup_provider->setTitle(QStringLiteral("Provider"));
    RadioGroup_provider->setGeometry(8, 108, 193, 50);

    ComboBox_provider_lyngsat = new QComboBox(this);
    ComboBox_provider_lyngsat->setGeometry(216, 76, 193, 21);
    ComboBox_provider_lyngsat->setMaxVisibleItems(30);

    Label2 = new QLabel(this);
    Label2->move(216, 108);
    setLabelCaption(Label2, QString());

    BitBtn_provider_uebernehmen = new QPushButton(QStringLiteral("Provider übernehmen"), this);
    BitBtn_provider_uebernehmen->setGeometry(216, 336, 193, 41);
    BitBtn_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn_abbrechen->setGeometry(216, 392, 193, 25);
    connect(BitBtn_provider_uebernehmen, &QPushButton::clicked, this,
            &TForm_provider::BitBtn_provider_uebernehmenClick);
    connect(BitBtn_abbrechen, &QPushButton::clicked, this, &TForm_provider::BitBtn_abbrechenClick);

    FormCreate();
}

void TForm_provider::FormCreate() {
    BitBtn_provider_uebernehmen->setText(QStringLiteral("Provider übernehmen\r\n(und Channels einfügen)"));
}

void TForm_provider::BitBtn_provider_uebernehmenClick() {
    const int m = RadioGroup_auswahl_Provider->ItemIndex();
    if (m < 0) {
        refuse(QStringLiteral("Bitte Auswahl treffen!"));
        return;
    }
    // A mode kept from an earlier use whose button the caller has disabled since offers nothing.
    if (!RadioGroup_auswahl_Provider->button(m)->isEnabled()) {
        refuse(kChooseProvider);
        return;
    }
    switch (m) {
    case ModeNew:
        // A name of NUL characters would store an all-zero block, which no load reads as a provider.
        if (image::StoresAsEmptyName(Edit_provider->text())) {
            refuse(QStringLiteral("Bitte Provider eingeben !"));
            return;
        }
        // The image holds no more providers than its region has blocks.
        if (image::Image().ProviderCount >= image::layout::kProviderSlotCount) {
            refuse(QStringLiteral("Zuviele Provider ! ") + kChooseProvider);
            return;
        }
        break;
    case ModeRadioGroup: {
        // The caller looks the name up in the provider list: it must be chosen and listed there.
        const QString name = RadioGroup_provider->item(RadioGroup_provider->ItemIndex());
        const bool listed = Form1 && !Form1->ListBox_provider->findItems(name, Qt::MatchExactly).isEmpty();
        if (RadioGroup_provider->ItemIndex() < 0 || !listed) {
            refuse(kChooseProvider);
            return;
        }
        break;
    }
    default:
        if (ComboBox_provider_lyngsat->currentIndex() < 0) {
            refuse(kChooseProvider);
            return;
        }
        break;
    }
    accept();
}

void TForm_provider::BitBtn_abbrechenClick() {
    reject();
}

void TForm_provider::done(int result) {
    ProviderDialogOk = result == QDialog::Accepted ? 1 : 0;
    QDialog::done(result);
}

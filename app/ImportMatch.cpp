// The selection of a web transponder: its channel list, its search in the image with the status labels,
// the offer to create it, and the insertion of the ticked web channels.
#include "app/MainWindow.h"

#include "app/ProviderDialog.h"
#include "app/RadioGroup.h"
#include "app/TransponderDialog.h"
#include "grid/DgGrid.h"
#include "image/ChannelFromWeb.h"
#include "image/Fields.h"
#include "image/Tables.h"
#include "image/TransponderMatch.h"
#include "import/ChannelRows.h"
#include "import/ListingSite.h"
#include "import/SatellitePage.h"
#include "platform/Application.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/Exceptions.h"
#include "platform/HttpGet.h"
#include "platform/Modals.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

namespace {

constexpr platform::TColor kGreen = 0x008000;
constexpr platform::TColor kRed = 0x0000FF;

void setLabelColor(QLabel* label, platform::TColor color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, platform::toQColor(color));
    label->setPalette(palette);
}

void showLabel(QLabel* label, const QString& caption, platform::TColor color) {
    setLabelCaption(label, caption);
    setLabelColor(label, color);
    label->show();
}

void inform(const QString& text) {
    platform::modals().messageDlg(text, platform::MsgDlgType::Information, platform::mbOK);
}

QString noMatchMessage() {
    return QStringLiteral("Der Transponder wurde im Image nicht gefunden.\r\nEs wurde nichts eingefügt.");
}

QString noSatelliteMessage(const QString& position) {
    return QStringLiteral("Transponder nicht gefunden !\r\n\r\nIm Image steht kein Satellit auf der Position "
                          "\"%1\": der Transponder kann hier nicht angelegt werden.")
        .arg(position);
}

} // namespace

bool TForm1::fetchPackagePage(const QString& address) {
    if (ImportUrl == address)
        return true; // Memo_paytv holds it
    for (QLabel* label :
         {Label_gefundene_Frequenz, Label_transponder_lyngsat_vorhanden, Label_gefundene_symbolrate})
        label->hide();
    Label_warten->show();
    platform::ProcessMessages();
    m_importBusy = true;
    try {
        Memo_paytv = webimport::ListingPage(platform::HttpGet(address));
    } catch (const platform::Exception& error) {
        m_importBusy = false;
        Label_warten->hide();
        platform::modals().showError(error.Message());
        return false;
    }
    m_importBusy = false;
    // Stored only now: after a failed fetch the next selection must fetch again, not parse another page.
    ImportUrl = address;
    return true;
}

void TForm1::DataGrid_lyngsatSelectCell(QObject*, int, int ARow) {
    if (m_importBusy || ARow < 0 || ARow >= DataGrid_lyngsat->RowCount())
        return;
    DataGrid_lyngsat_sender->ClearRows();
    const webimport::TransponderRow web = webTransponderRow(ARow);
    ImportProviderName = web.provider;

    const QString package = webimport::PackagePageName(ImportProviderName, RadioGroup_lyngsat->ItemIndex());
    const bool packageRow = !package.isEmpty();
    if (packageRow &&
        !fetchPackagePage(webimport::PackagePageAddress(webimport::SiteRoot(SatellitesIni.get()), package))) {
        updateSenderButton();
        return;
    }

    webimport::ChannelList list;
    try {
        list = webimport::ParseChannelRows(packageRow ? Memo_paytv : Memo1, web, packageRow);
    } catch (const platform::Exception& error) {
        Label_warten->hide();
        updateSenderButton();
        platform::modals().showError(error.Message());
        return;
    }
    for (const QString& message : list.messages)
        platform::modals().showMessage(message);
    DataGrid_lyngsat_sender->BeginUpdate();
    for (const webimport::ChannelRow& row : list.rows)
        addWebChannelRow(row);
    DataGrid_lyngsat_sender->EndUpdate();

    try {
        matchWebTransponder(ARow);
    } catch (const platform::Exception& error) {
        platform::modals().showError(error.Message());
    }
    Label_warten->hide();
    updateSenderButton();
}

void TForm1::fillComparisonGrid() {
    const image::SettingsImage& img = image::Image();
    DataGrid_lyngsat_vergleich->BeginUpdate();
    DataGrid_lyngsat_vergleich->ClearRows();
    for (int i = 1; i <= img.ChannelCount; ++i)
        AddComparisonRow(i, MatchedTransponder);
    DataGrid_lyngsat_vergleich->EndUpdate();
}

void TForm1::matchWebTransponder(int r) {
    const webimport::TransponderRow web = webTransponderRow(r);
    PagePositionText = image::CommaPositionText(PagePositionText);
    Label_transponder_lyngsat_vorhanden->show();
    DataGrid_lyngsat_vergleich->ClearRows();
    Label_gefundene_Frequenz->hide();

    const image::WebTransponderKey key{platform::StrToInt(web.frequency), web.polarisation, PagePositionText,
                                       RadioGroup_frequenztoleranz->ItemIndex()};
    const image::SettingsImage& img = image::Image();
    const image::TransponderSearchResult found = image::FindWebTransponder(img, key);
    if (found.found()) {
        MatchedTransponder = found.matchedTransponder;
        const image::TTransponderRecord& t = img.Transponders[MatchedTransponder];
        showLabel(Label_gefundene_Frequenz, image::FoundFrequencyCaption(t.Frequency),
                  found.distance == 0 ? kGreen : kRed);
        fillComparisonGrid();
        BitBtn_select_all_lyngsat_channels->setEnabled(true);
        showLabel(Label_transponder_lyngsat_vorhanden, image::TransponderFoundCaption(), kGreen);
        const QString rate = QString::number(t.SymbolRate);
        showLabel(Label_gefundene_symbolrate, image::FoundSymbolRateCaption(int(t.SymbolRate)),
                  web.symbolRate == rate ? kGreen : kRed);
        return;
    }
    BitBtn_select_all_lyngsat_channels->setEnabled(false);
    Label_gefundene_symbolrate->hide();
    showLabel(Label_transponder_lyngsat_vorhanden, image::TransponderNotFoundCaption(web.frequency), kRed);
    if (found.polarisationMismatch) {
        platform::modals().showMessage(image::PolarisationMismatchMessage(found.nearList));
        return;
    }
    if (found.satellite == 0) {
        // No satellite of the image stands at the page's position: a new transponder would have none.
        inform(noSatelliteMessage(PagePositionText));
        return;
    }
    updateSenderButton();
    const int answer = platform::modals().messageDlg(image::NewTransponderQuestion(found.nearList),
                                                     platform::MsgDlgType::Information,
                                                     platform::mbYes | platform::mbNo | platform::mbCancel);
    if (answer == platform::mrYes)
        offerNewTransponder(web, found.satellite);
}

void TForm1::offerNewTransponder(const webimport::TransponderRow& web, int satellite) {
    TForm_transponder* form = Form_transponder;
    setLabelCaption(form->Label_sat, image::SatelliteDisplayName(image::Image().Satellites[satellite]));
    form->Label_sat->show();
    form->ComboBox_satellit_fuer_neuen_transponder->hide();
    NewTransponderSatellite = satellite;
    form->Edit_frequenz->setText(web.frequency);
    form->Edit_symbolrate->setText(web.symbolRate);
    form->Edit_onid->setText(web.onid);
    form->Edit_TID->setText(web.tid);
    const int pol =
        QStringList{QStringLiteral("H"), QStringLiteral("V"), QStringLiteral("L"), QStringLiteral("R")}
            .indexOf(web.polarisation);
    if (pol >= 0)
        form->RadioGroup_Pol->setItemIndex(pol);
    const int fec = QStringList{QStringLiteral("1/2"), QStringLiteral("2/3"), QStringLiteral("3/4"),
                                QStringLiteral("5/6"), QStringLiteral("7/8")}
                        .indexOf(web.fec);
    if (fec >= 0)
        form->RadioGroup_FEC->setItemIndex(fec + 1);
    form->RadioGroup_DVB->setItemIndex(web.dvbS2.isEmpty() ? 0 : 1);
    form->BitBtn_transponder_aendern->setText(TForm_transponder::newCaption());
    TransponderDialogError = 0;
    TransponderDialogSaved = 0;
    platform::modals().showModal(form);
    if (TransponderDialogSaved == 1)
        inform(QStringLiteral("Transponder neu angelegt."));
}

void TForm1::updateSenderButton() {
    bool ticked = false;
    for (int r = 0; r < DataGrid_lyngsat_sender->RowCount() && !ticked; ++r)
        ticked = DataGrid_lyngsat_sender->Cell(0, r)->AsBoolean();
    // Without a comparison since the last fetch nothing was found either.
    const bool found =
        !Label_transponder_lyngsat_vorhanden->isHidden() &&
        !Label_transponder_lyngsat_vorhanden->text().contains(image::TransponderNotFoundMark());
    BitBtn_lyngsat_sender_hinzufuegen->setEnabled(ticked && found);
}

void TForm1::DataGrid_lyngsat_senderAfterEdit(QObject*, int, int, const QString&) {
    updateSenderButton();
}

void TForm1::BitBtn_select_all_lyngsat_channelsClick() {
    DataGrid_lyngsat_sender->BeginUpdate();
    for (int r = 0; r < DataGrid_lyngsat_sender->RowCount(); ++r)
        DataGrid_lyngsat_sender->Cell(0, r)->SetAsBoolean(true);
    DataGrid_lyngsat_sender->EndUpdate();
    updateSenderButton();
}

void TForm1::BitBtn_lyngsat_sender_hinzufuegenClick() {
    if (m_importBusy)
        return;
    image::SettingsImage& img = image::Image();
    std::vector<image::WebChannelRow> rows;
    for (int r = 0; r < DataGrid_lyngsat_sender->RowCount(); ++r) {
        const auto cell = [this, r](int c) { return DataGrid_lyngsat_sender->Cell(c, r)->AsString(); };
        rows.push_back(
            {DataGrid_lyngsat_sender->Cell(0, r)->AsBoolean(), cell(1), cell(2), cell(3), cell(4), cell(5)});
    }
    // Everything is checked before the provider is asked for, so a refusal changes nothing.
    const int selected = DataGrid_lyngsat->SelectedRow();
    if (selected < 0 || selected >= DataGrid_lyngsat->RowCount() ||
        Label_transponder_lyngsat_vorhanden->isHidden() ||
        Label_transponder_lyngsat_vorhanden->text().contains(image::TransponderNotFoundMark())) {
        inform(noMatchMessage());
        return;
    }
    const QString problem = image::CheckWebChannelRows(rows, img);
    if (!problem.isEmpty()) {
        inform(problem);
        return;
    }
    const webimport::TransponderRow web = webTransponderRow(selected);
    const image::WebTransponderKey key{platform::StrToIntDef(web.frequency, 0), web.polarisation,
                                       PagePositionText, RadioGroup_frequenztoleranz->ItemIndex()};
    if (!image::MatchedTransponderHolds(img, key, MatchedTransponder)) {
        inform(image::StaleMatchMessage());
        return;
    }
    const bool transponderHd = web.hd == QStringLiteral("ja");

    // The provider choice.
    TForm_provider* form = Form_provider;
    form->ComboBox_provider_lyngsat->clear();
    for (int i = 0; i < ListBox_provider->count(); ++i)
        form->ComboBox_provider_lyngsat->addItem(ListBox_provider->item(i)->text());
    form->ComboBox_provider_lyngsat->setCurrentIndex(-1);
    ProviderDialogOk = 0;
    QStringList names;
    bool exact = false;
    for (int p = 1; p <= img.ProviderCount && !ImportProviderName.isEmpty(); ++p) {
        const QString name = image::ProviderName(img.Providers[p].ProviderLabel);
        if (name.contains(ImportProviderName) || (!name.isEmpty() && ImportProviderName.contains(name))) {
            names << name;
            exact = exact || name == ImportProviderName;
        }
    }
    form->Edit_provider->setText(exact ? QString() : ImportProviderName);
    form->RadioGroup_provider->setItems(names);
    form->RadioGroup_auswahl_Provider->button(TForm_provider::ModeRadioGroup)->setEnabled(!names.isEmpty());
    if (names.isEmpty()) {
        form->RadioGroup_provider->hide();
    } else {
        form->RadioGroup_provider->setItemIndex(0);
        form->RadioGroup_provider->show();
        form->RadioGroup_provider->resize(form->RadioGroup_provider->width(), 20 * int(names.size()) + 30);
    }

    int count = 0;
    platform::modals().showModal(form);
    if (ProviderDialogOk != 0) {
        int p = -1;
        switch (form->RadioGroup_auswahl_Provider->ItemIndex()) {
        case TForm_provider::ModeNew:
            if (const std::optional<int> added = image::AddProvider(form->Edit_provider->text(), img)) {
                p = *added;
                ListBox_provider->addItem(image::ProviderName(img.Providers[p + 1].ProviderLabel));
            } else {
                inform(image::providerTableFullMessage());
            }
            break;
        case TForm_provider::ModeRadioGroup: {
            const QString name = form->RadioGroup_provider->item(form->RadioGroup_provider->ItemIndex());
            for (int i = 0; i < ListBox_provider->count() && p < 0; ++i)
                if (ListBox_provider->item(i)->text() == name)
                    p = i;
            break;
        }
        default:
            p = form->ComboBox_provider_lyngsat->currentIndex();
            break;
        }
        setLabelCaption(Label_providercount, QString::number(img.ProviderCount));
        if (p >= 0) {
            const image::WebChannelInsertion result =
                image::InsertWebChannels(rows, p, MatchedTransponder, transponderHd, img);
            count = result.inserted;
            if (!result.error.isEmpty())
                inform(result.error);
        }
    }
    MarkUsedSatellites();
    // The insertion renumbered channels and added some to the matched transponder: the comparison
    // list shows the image as it is now.
    if (count > 0)
        fillComparisonGrid();
    inform(image::ChannelsInsertedMessage(count));
}

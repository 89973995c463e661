// The import tab's fetch of a satellite page and its transponder rows, and the browser tab's page list.
#include "app/MainWindow.h"

#include "app/RadioGroup.h"
#include "grid/DgGrid.h"
#include "import/ListingSite.h"
#include "import/SatellitePage.h"
#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/HttpGet.h"
#include "platform/IniFile.h"
#include "platform/Modals.h"
#include "widgets/ProgressCyl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

void TForm1::connectImportHandlers() {
    RadioGroup_lyngsat->OnClick = [this] { RadioGroup_lyngsatClick(); };
    RadioGroup_lyngsat_neu->OnClick = [this] { RadioGroup_lyngsat_neuClick(); };
    connect(CheckBox_satellites_combo_lyngsat, &QCheckBox::clicked, this,
            &TForm1::CheckBox_satellites_combo_lyngsatClick);
    connect(BitBtn_lyngsat, &QPushButton::clicked, this, &TForm1::BitBtn_lyngsatClick);
    connect(BitBtn_select_all_lyngsat_channels, &QPushButton::clicked, this,
            &TForm1::BitBtn_select_all_lyngsat_channelsClick);
    connect(BitBtn_lyngsat_sender_hinzufuegen, &QPushButton::clicked, this,
            &TForm1::BitBtn_lyngsat_sender_hinzufuegenClick);

    DataGrid_lyngsat->OnSelectCell = [this](QObject* s, int c, int r) {
        DataGrid_lyngsatSelectCell(s, c, r);
    };
    DataGrid_lyngsat->OnCustomDrawCell = [this](QObject* s, int c, int r, const platform::TRect& rect,
                                                grid::TCellState state) {
        DataGrid_lyngsatCustomDrawCell(s, c, r, rect, state);
    };
    DataGrid_lyngsat_sender->OnCustomDrawCell = [this](QObject* s, int c, int r, const platform::TRect& rect,
                                                       grid::TCellState state) {
        DataGrid_lyngsat_senderCustomDrawCell(s, c, r, rect, state);
    };
    DataGrid_lyngsat_sender->OnCellFormating = [this](QObject* s, int c, int r, platform::TColor& color,
                                                      platform::TFontStyles& style, grid::TCellState state) {
        DataGrid_lyngsat_senderCellFormating(s, c, r, color, style, state);
    };
    DataGrid_lyngsat_sender->OnAfterEdit = [this](QObject* s, int c, int r, const QString& value) {
        DataGrid_lyngsat_senderAfterEdit(s, c, r, value);
    };
    DataGrid_lyngsat_vergleich->OnCustomDrawCell =
        [this](QObject* s, int c, int r, const platform::TRect& rect, grid::TCellState state) {
            DataGrid_lyngsat_vergleichCustomDrawCell(s, c, r, rect, state);
        };
}

void TForm1::RadioGroup_lyngsatClick() {
    ImportUrl = webimport::SatellitePageAddress(webimport::SiteRoot(SatellitesIni.get()),
                                                RadioGroup_lyngsat->ItemIndex());
}

void TForm1::CheckBox_satellites_combo_lyngsatClick() {
    RadioGroup_lyngsat->setEnabled(!CheckBox_satellites_combo_lyngsat->isChecked());
}

void TForm1::RadioGroup_lyngsat_neuClick() {
    const QString address = webimport::BrowserPageAddress(webimport::SiteRoot(SatellitesIni.get()),
                                                          RadioGroup_lyngsat_neu->ItemIndex());
    if (!address.isEmpty())
        WebBrowser1->Navigate(QUrl(address));
}

void TForm1::BitBtn_lyngsatClick() {
    ImportSatellitePage();
}

void TForm1::endImportWait() {
    Label_warten->hide();
    ProgressCyl1->hide();
    BitBtn_lyngsat->setEnabled(true);
    DataGrid_lyngsat->setEnabled(true);
    m_importBusy = false;
}

void TForm1::ImportSatellitePage() {
    if (m_importBusy)
        return; // the page in progress is still being fetched or scanned
    m_importBusy = true;
    BitBtn_lyngsat->setEnabled(false);
    DataGrid_lyngsat->setEnabled(false);
    Label_warten->show();
    ProgressCyl1->SetPosition(0);
    ProgressCyl1->show();
    platform::ProcessMessages();

    DataGrid_lyngsat->ClearRows();
    DataGrid_lyngsat_sender->ClearRows();
    for (QLabel* label :
         {Label_transponder_lyngsat_vorhanden, Label_gefundene_Frequenz, Label_gefundene_symbolrate})
        label->hide();
    BitBtn_select_all_lyngsat_channels->setEnabled(false);
    updateSenderButton();

    if (CheckBox_satellites_combo_lyngsat->isChecked() && SatellitesIni)
        ImportUrl = webimport::SatelliteBoxAddress(*SatellitesIni, ComboBox_lyngsat->currentIndex());
    else
        RadioGroup_lyngsatClick();

    QString body;
    try {
        body = platform::HttpGet(ImportUrl);
    } catch (const platform::Exception& error) {
        endImportWait();
        platform::modals().showError(error.Message());
        return;
    }
    Memo1 = webimport::ListingPage(std::move(body));
    platform::ProcessMessages();

    webimport::SatellitePageScan scan;
    try {
        scan = webimport::ScanSatellitePage(Memo1, CheckBox_cband->isChecked(), [this](int line, int lines) {
            ProgressCyl1->SetPosition(webimport::ScanProgressPercent(line, lines));
            platform::ProcessMessages();
        });
    } catch (const platform::Exception& error) {
        endImportWait();
        platform::modals().showError(error.Message());
        return;
    }
    // A page without a title has no position: the previous page's must not decide the satellite.
    PagePositionText = scan.PagePositionText;
    DataGrid_lyngsat->BeginUpdate();
    for (const webimport::TransponderRow& row : scan.rows)
        addWebTransponderRow(row);
    DataGrid_lyngsat->EndUpdate();
    endImportWait();
}

// Loading the image, the screen fitting, saving and the backup on close.
#include "app/MainWindow.h"
#include "app/RadioGroup.h"
#include "grid/DgGrid.h"
#include "image/Fields.h"
#include "image/ImageFile.h"
#include "image/Tables.h"
#include "platform/Application.h"
#include "platform/IniFile.h"
#include "platform/Modals.h"
#include "platform/Rounding.h"
#include "platform/Screen.h"
#include "widgets/ProgressCyl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

void addToTop(QWidget* w, int d) {
    w->move(w->x(), w->y() + d);
}
void addToHeight(QWidget* w, int d) {
    w->resize(w->width(), w->height() + d);
}

} // namespace

void TForm1::fitToScreen() {
    if (!CheckBox_aufloesung_anpassung->isChecked() || m_screenFitted)
        return;
    const int d = platform::monitorHeight(this) - 800;
    addToHeight(DataGrid_channels, d);
    addToTop(Label_sendercount, d);
    addToTop(ProgressBar1, d);
    addToTop(RadioGroup_tuner, d);
    addToTop(RadioGroup_filter, d);
    addToTop(Panel_suche, d);
    addToTop(Label_satellit, d);
    addToTop(Label_transp_count, d);
    addToHeight(TreeView_satellites, d);
    addToHeight(DataGrid_sats, d);
    addToHeight(WebBrowser1, d);
    addToTop(DataGrid_lyngsat_vergleich, d);
    addToTop(DataGrid_lyngsat_sender, d);
    addToHeight(DataGrid_lyngsat, d);
    addToTop(BitBtn_select_all_lyngsat_channels, d);
    m_screenFitted = true;
}

void TForm1::BitBtnLoadClick() {
    // Pending messages run while the grid fills; a second press must not start a second load.
    if (m_loading || FileLoaded)
        return;
    m_loading = true;
    const auto done = qScopeGuard([this] {
        m_loading = false;
        ListBuilding = false;
    });

    fitToScreen();
    ProgressCyl_start->SetPosition(0);
    ProgressCyl_start->show();
    ListBuilding = true;

    const QString fileName = platform::modals().openFileName(this);
    if (fileName.isEmpty())
        return;
    ImageFileName = fileName;

    // The file is parsed into a staging image and taken only when it is complete, so a refused or
    // failed file leaves the tables empty and the close writes no backup.
    auto staging = std::make_unique<image::SettingsImage>();
    const image::ImageError error = image::readImageFile(fileName, *staging);
    switch (error.code) {
    case image::ImageError::Code::None:
        break;
    case image::ImageError::Code::WrongSize:
    case image::ImageError::Code::BadCounts:
        platform::modals().messageDlg(error.message, platform::MsgDlgType::Warning, platform::mbCancel);
        return;
    default:
        platform::modals().showError(error.message);
        return;
    }
    image::Image() = *staging;
    staging.reset();
    FileLoaded = true;

    fillViewsFromImage();
    takeWorkingForm();
    readSatellitesIni();
}

void TForm1::fillViewsFromImage() {
    const image::SettingsImage& img = image::Image();
    setLabelCaption(Label_satcount, QString::number(img.ImageCounts.NumSatellites));
    setLabelCaption(Label_tvcount, QString::number(img.TvCount));
    setLabelCaption(Label_radiocount, QString::number(img.RadioCount));
    for (int s = 1; s <= img.SatelliteCount; ++s)
        AddSatelliteRow(s);
    setLabelCaption(Label_sendercount, QString::number(img.TvCount + img.RadioCount));

    for (int g = 1; g <= img.FavGroupCount; ++g) {
        const QString name = image::FavGroupDisplayName(img.FavGroups[g]);
        RadioGroup_fav->setItem(g, name);
        setFavColumnCaption(g, name.left(4));
    }
    BuildSatelliteTree();

    // The list box's item index is the 0-based provider index.
    for (int p = 1; p <= img.ProviderCount; ++p)
        ListBox_provider->addItem(image::ProviderName(img.Providers[p].ProviderLabel));
    setLabelCaption(Label_providercount, QString::number(img.ProviderCount));

    DataGrid_channels->BeginUpdate();
    beginChannelRows();
    for (int i = 1; i <= img.ChannelCount; ++i) {
        AddChannelRow(i);
        ProgressCyl_start->SetPosition(static_cast<int>(platform::Round(i * 100.0 / img.ChannelCount)));
        platform::ProcessMessages();
    }
    endChannelRows();
    ProgressCyl_start->hide();
    DataGrid_channels->EndUpdate();
    setLabelCaption(Label_sendercount, QString::number(DataGrid_channels->RowCount()));
    ListBuilding = false;
}

void TForm1::takeWorkingForm() {
    ListBox_provider->show();
    RadioGroup_fav->show();
    PageControl1->show();
    PageControl1->raise();
    showMaximized();
    BitBtnLoad->hide();
    CheckBox_aufloesung_anpassung->hide();
    menuBar()->setVisible(true);
    SortedByNumber = true;
    ChannelDragEnabled = true;
    ViewUnsorted = true;
    ChannelSortColumn = 11;
}

void TForm1::readSatellitesIni() {
    const QString path = QDir(image::GetWorkingDirectory()).filePath(QStringLiteral("satellites.ini"));
    if (!QFileInfo(path).isFile()) {
        ComboBox_lyngsat->hide();
        CheckBox_satellites_combo_lyngsat->hide();
        return;
    }
    SatellitesIni = std::make_unique<platform::TIniFile>(path);
    ComboBox_lyngsat->addItems(image::readIniList(*SatellitesIni, QStringLiteral("satellites")));
    ComboBox_lyngsat->setCurrentIndex(0);
}

void TForm1::Saveto1Click() {
    const QString fileName = platform::modals().saveFileName(this);
    if (fileName.isEmpty())
        return; // a cancelled dialog wrote nothing, so it does not hold the backup back
    if (const image::ImageError error = image::WriteImage(image::Image(), fileName)) {
        platform::modals().showError(error.message);
        return;
    }
    LastSaveTime = platform::Now();
    ImageSaved = true;
}

void TForm1::FormClose() {
    if (!image::backupDue(FileLoaded, ImageSaved, LastSaveTime, platform::Now()))
        return;
    const QString path = QDir(image::GetWorkingDirectory()).filePath(QLatin1String(image::kBackupFileName));
    if (const image::ImageError error = image::WriteImage(image::Image(), path))
        platform::modals().showError(error.message);
}

#include "app/MainWindow.h"

#include "app/PrintDialog.h"
#include "app/RadioGroup.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgGrid.h"
#include "image/Fields.h"
#include "image/Tables.h"
#include "platform/IniFile.h"
#include "platform/Modals.h"
#include "widgets/ProgressCyl.h"
#include "widgets/QvAbout.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>

TForm1* Form1 = nullptr;

namespace {

const QString kProgramTitle = QStringLiteral(
    "Quirnhagens Kanaleditor für Pelmora PSR-4120 und Korbix KX-9300 - Version 1.07 vom 14.03.2008");

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    buildControls();
    connectHandlers();
    FormCreate();
}

TForm1::~TForm1() {
    if (image::tableObserver() == this)
        image::setTableObserver(nullptr);
}

void TForm1::connectHandlers() {
    connect(BitBtnLoad, &QPushButton::clicked, this, &TForm1::BitBtnLoadClick);
    connect(Saveto1, &QAction::triggered, this, &TForm1::Saveto1Click);
    connect(Beenden1, &QAction::triggered, this, &TForm1::Beenden1Click);
    connect(ber1, &QAction::triggered, this, &TForm1::ber1Click);
    connect(Drucken1, &QAction::triggered, this, &TForm1::Drucken1Click);
    connect(Favumbenennen1, &QAction::triggered, this, &TForm1::Favumbenennen1Click);
    connect(Verschieben1, &QAction::triggered, this, &TForm1::Verschieben1Click);
    RadioGroup_fav->OnClick = [this] { radiogroup_favclick(); };
    RadioGroup_filter->OnClick = [this] { radiogroup_favclick(); };
    RadioGroup_tuner->OnClick = [this] { radiogroup_favclick(); };
    connect(TreeView_satellites, &QTreeWidget::itemClicked, this, &TForm1::ShowTreeNodeChannels);
    setUpSatelliteTree();
    connectChannelGrid();
    setUpSatelliteGrid();
    connectImportHandlers();
}

void TForm1::FormCreate() {
    setWindowTitle(kProgramTitle);
    QvAboutBoxDlg1 = new TQvAboutBoxDlg(this);
    widgets::setProgramAboutTexts(*QvAboutBoxDlg1, kProgramTitle);
    move(400, 300);
    resize(450, 300);
    menuBar()->setVisible(false); // the menu comes with the first load
    ImageSaved = false;
    FileLoaded = false;
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm1::Beenden1Click() {
    close();
}

void TForm1::ber1Click() {
    QvAboutBoxDlg1->Execute();
}

void TForm1::Drucken1Click() {
    platform::modals().showModal(Form_drucken);
}

void TForm1::Favumbenennen1Click() {
    const int g = RadioGroup_fav->ItemIndex();
    if (g < 1 || g > 9)
        return; // "alle" is no group
    const std::optional<QString> name = platform::modals().inputQuery(
        QStringLiteral(" Favorit umbenennen ?"),
        QStringLiteral("Bitte den neuen Namen für die Favoritengruppe eingeben: "), QString());
    if (!name)
        return;
    RadioGroup_fav->setItem(g, *name);
    setFavColumnCaption(g, name->left(4));
    image::StoreFavGroupName(image::Image().FavGroups[g].GroupName, *name);
}

void TForm1::setFavColumnCaption(int g, const QString& caption) {
    if (grid::TDgCustomColumn* column = DataGrid_channels->ColumnAt(12 + g))
        column->Header()->SetCaption(caption);
    if (grid::TDgCustomColumn* column = DataGrid_lyngsat_vergleich->ColumnAt(12 + g))
        column->Header()->SetCaption(caption);
}

void TForm1::ShowTreeNodeChannels() {
    updateTransponderPopup();
    listTreeNodeChannels();
}

// The controls and menus of the main window, each at its designed place.
#include "app/MainWindow.h"
#include "app/RadioGroup.h"
#include "app/WebBrowser.h"
#include "grid/DgEdit.h"
#include "grid/DgGrid.h"
#include "import/ListingSite.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/TColor.h"
#include "widgets/ProgressCyl.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

// The form's client area: its page control always fills it.
class ClientArea final : public QWidget {
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {}
    QWidget* fill = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (fill)
            fill->setGeometry(rect());
    }
};

QLabel* makeLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(parent);
    label->move(left, top);
    setLabelCaption(label, text);
    return label;
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& text, int left, int top, bool checked) {
    auto* box = new QCheckBox(text, parent);
    box->move(left, top);
    box->adjustSize();
    box->setChecked(checked);
    return box;
}

TRadioGroup* makeRadioGroup(QWidget* parent, const QString& caption, const QStringList& items,
                            const QRect& geometry) {
    auto* group = new TRadioGroup(parent);
    group->setTitle(caption);
    group->setGeometry(geometry);
    group->setItems(items);
    group->setItemIndex(0); // no handler is assigned yet
    return group;
}

template <typename Control> Control* place(Control* control, int left, int top, int width, int height) {
    control->setGeometry(left, top, width, height);
    return control;
}

// A pop-up menu that opens where the control is right-clicked.
QMenu* attachPopup(QWidget* control, QWidget* owner) {
    auto* menu = new QMenu(owner);
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    // A scroll area reports the position in its viewport.
    auto* area = qobject_cast<QAbstractScrollArea*>(control);
    QWidget* origin = area ? area->viewport() : control;
    QObject::connect(control, &QWidget::customContextMenuRequested, menu,
                     [origin, menu](const QPoint& pos) { menu->popup(origin->mapToGlobal(pos)); });
    return menu;
}

QAction* addItem(QMenu* menu, const QString& caption, bool enabled) {
    QAction* action = menu->addAction(caption);
    action->setEnabled(enabled);
    return action;
}

/// The Load button's open-folder glyph, drawn here: the style's own icon would load the image-format
/// plug-ins at start for one picture.
QIcon openFolderGlyph() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QColor outline(0x80, 0x50, 0x10);
    painter.setPen(outline);
    painter.setBrush(QColor(0xD8, 0x98, 0x30)); // the folder's back with its tab
    painter.drawPolygon(QPolygon(
        {QPoint(2, 8), QPoint(11, 8), QPoint(14, 11), QPoint(27, 11), QPoint(27, 27), QPoint(2, 27)}));
    painter.setBrush(QColor(0xF8, 0xC8, 0x58)); // the opened front flap
    painter.drawPolygon(QPolygon({QPoint(6, 15), QPoint(31, 15), QPoint(27, 27), QPoint(2, 27)}));
    return QIcon(pixmap);
}

} // namespace

void setLabelCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

void TForm1::buildControls() {
    QFont formFont = platform::DefaultFont();
    setFont(formFont);

    auto* client = new ClientArea(this);
    setCentralWidget(client);
    PageControl1 = new QTabWidget(client);
    client->fill = PageControl1;
    PageControl1->hide();

    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    TabSheet_lyngsat_parsing = new QWidget;
    TabSheet_lyngsat_seiten = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Main"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Sat"));
    PageControl1->addTab(TabSheet_lyngsat_parsing, QStringLiteral("Lyngsat-Parsing"));
    PageControl1->addTab(TabSheet_lyngsat_seiten, QStringLiteral("Lyngsat-Seiten"));
    buildMainTab();
    buildSatTab();
    buildImportTabs();

    // Outside the tabs, above the page control.
    BitBtnLoad = place(new QPushButton(QStringLiteral("Load"), client), 96, 80, 185, 105);
    QFont loadFont = formFont;
    loadFont.setPixelSize(19);
    BitBtnLoad->setFont(loadFont);
    BitBtnLoad->setIcon(openFolderGlyph());
    BitBtnLoad->setIconSize(QSize(32, 32));

    CheckBox_aufloesung_anpassung =
        place(new QCheckBox(QStringLiteral("anpassen an Bildschirmauflösung"), client), 88, 48, 201, 17);
    CheckBox_aufloesung_anpassung->setChecked(true);
    // The sans-serif font runs wider than the designed one: never cut the caption.
    CheckBox_aufloesung_anpassung->resize(qMax(201, CheckBox_aufloesung_anpassung->sizeHint().width()), 17);

    ProgressCyl_start = place(new TProgressCyl(client), 110, 240, 150, 22);
    ProgressCyl_start->SetMax(100);
    ProgressCyl_start->SetPosition(0);
    ProgressCyl_start->SetText(QStringLiteral("%"));
    ProgressCyl_start->SetTextDone(QString());
    ProgressCyl_start->hide();

    ProgressBar1 = place(new QProgressBar(client), 336, 708, 150, 8);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->hide();

    DgEdit_channel = place(new grid::TDgEdit(client), 664, 0, 121, 33);
    DgEdit_channel->SetBorderStyle(platform::TBorderStyle::bsNone);
    DgEdit_channel->SetMaxLength(20);
    DgEdit_channel->SetColor(platform::clYellow);
    DgEdit_channel->hide();

    buildMenus();
    buildPopupMenus();
}

void TForm1::buildMainTab() {
    QWidget* tab = TabSheet1;
    QStringList favItems{QStringLiteral("alle")};
    for (int g = 1; g <= 9; ++g)
        favItems << QStringLiteral("Fav%1").arg(g);
    RadioGroup_fav = makeRadioGroup(tab, QStringLiteral("FAV"), favItems, QRect(0, 0, 97, 185));
    RadioGroup_fav->hide();
    ListBox_provider = place(new QListWidget(tab), 0, 192, 89, 497);
    ListBox_provider->hide();

    TreeView_satellites = place(new QTreeWidget(tab), 104, 8, 177, 473);
    TreeView_satellites->setHeaderHidden(true);
    TreeView_satellites->setIndentation(19);
    Label_satellit = makeLabel(tab, QStringLiteral("------"), 120, 496);
    Label_transp_count = makeLabel(tab, QStringLiteral("-------"), 240, 496);

    DataGrid_channels = place(new grid::TDataGrid(tab), 280, 8, 945, 673);
    buildChannelGridColumns();
    Label_sendercount = makeLabel(tab, QStringLiteral("-----"), 712, 682);
    Label_providercount = makeLabel(tab, QStringLiteral("-------"), 24, 704);

    RadioGroup_filter =
        makeRadioGroup(tab, QStringLiteral("Filter"),
                       {QStringLiteral("alle"), QStringLiteral("TV free"), QStringLiteral("Paytv"),
                        QStringLiteral("HD"), QStringLiteral("Radio")},
                       QRect(88, 528, 65, 105));

    Panel_suche = place(new QFrame(TabSheet1), 152, 528, 129, 105);
    Panel_suche->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel_suche->setAutoFillBackground(true);
    QPalette sky = Panel_suche->palette();
    sky.setColor(QPalette::Window, platform::toQColor(platform::clSkyBlue));
    Panel_suche->setPalette(sky);
    Label_suchtext = makeLabel(Panel_suche, QStringLiteral("Suchtext"), 1, 12);
    Label_wortanfang = makeLabel(Panel_suche, QStringLiteral("Wortanfang"), 1, 52);
    Label_gross_klein = makeLabel(Panel_suche, QStringLiteral("(Groß/Kleinschr. egal)"), 1, 76);
    Edit_suche = place(new QLineEdit(Panel_suche), 56, 4, 65, 21);
    Edit_suchanfang = place(new QLineEdit(Panel_suche), 64, 44, 49, 21);

    RadioGroup_tuner =
        makeRadioGroup(tab, QStringLiteral("Tuner"),
                       {QStringLiteral("beide"), QStringLiteral("Tuner 1"), QStringLiteral("Tuner2")},
                       QRect(88, 635, 65, 57));
}

void TForm1::buildSatTab() {
    QWidget* tab = TabSheet2;
    Label_satelliten = makeLabel(tab, QStringLiteral("Satelliten"), 8, 40);
    Label_tv_programme = makeLabel(tab, QStringLiteral("TV-Programme"), 8, 72);
    Label_radios = makeLabel(tab, QStringLiteral("Radios:"), 8, 104);
    Label_satcount = makeLabel(tab, QStringLiteral("0"), 88, 40);
    Label_tvcount = makeLabel(tab, QStringLiteral("0"), 88, 72);
    Label_radiocount = makeLabel(tab, QStringLiteral("0"), 88, 104);
    DataGrid_sats = place(new grid::TDataGrid(tab), 176, 24, 905, 649);
    CheckBox_Loesche_sat_ohne_nachfragen =
        makeCheckBox(tab, QStringLiteral("ohne Bestätigung löschen"), 8, 192, false);
    CheckBox_info_nach_satloeschen = makeCheckBox(tab, QStringLiteral("Info nach Löschen"), 8, 224, true);
}

void TForm1::buildImportTabs() {
    QWidget* parsing = TabSheet_lyngsat_parsing;
    buildImportGrids();
    BitBtn_select_all_lyngsat_channels =
        place(new QPushButton(QStringLiteral("All"), parsing), 904, 400, 33, 25);
    ComboBox_lyngsat = place(new QComboBox(parsing), 8, 344, 145, 21);
    CheckBox_satellites_combo_lyngsat = place(new QCheckBox(parsing), 160, 346, 17, 17);

    // The fetch controls stand in the free area left of the transponder grid.
    QStringList satellitePages;
    for (const webimport::SitePage& page : webimport::SatellitePages)
        satellitePages << page.caption.toString();
    RadioGroup_lyngsat = new TRadioGroup(parsing);
    RadioGroup_lyngsat->setTitle(QStringLiteral("Satellit"));
    RadioGroup_lyngsat->setColumns(2);
    RadioGroup_lyngsat->setGeometry(8, 0, 337, 337);
    RadioGroup_lyngsat->setItems(satellitePages);
    RadioGroup_lyngsat->setItemIndex(0); // no handler is assigned yet
    CheckBox_cband = makeCheckBox(parsing, QStringLiteral("auch C-Band"), 360, 16, false);
    BitBtn_lyngsat = place(new QPushButton(QStringLiteral("Lyngsat"), parsing), 360, 48, 137, 41);
    Label_warten = makeLabel(parsing, QStringLiteral("bitte warten"), 360, 100);
    QFont bold = Label_warten->font();
    bold.setBold(true);
    Label_warten->setFont(bold);
    Label_warten->adjustSize();
    Label_warten->hide();
    ProgressCyl1 = place(new TProgressCyl(parsing), 360, 120, 150, 22);
    ProgressCyl1->SetMax(100);
    ProgressCyl1->SetPosition(0);
    ProgressCyl1->SetText(QStringLiteral("%"));
    ProgressCyl1->SetTextDone(QString());
    ProgressCyl1->hide();

    QStringList tolerances;
    for (int mhz = 0; mhz <= 5; ++mhz)
        tolerances << QStringLiteral("%1 Mhz").arg(mhz);
    RadioGroup_frequenztoleranz =
        makeRadioGroup(parsing, QStringLiteral("Frequenztoleranz"), tolerances, QRect(528, 0, 153, 89));
    RadioGroup_frequenztoleranz->setColumns(2);

    Label_transponder_lyngsat_vorhanden = makeLabel(parsing, QString(), 360, 168);
    Label_gefundene_Frequenz = makeLabel(parsing, QString(), 360, 192);
    Label_gefundene_symbolrate = makeLabel(parsing, QString(), 360, 216);
    for (QLabel* label :
         {Label_transponder_lyngsat_vorhanden, Label_gefundene_Frequenz, Label_gefundene_symbolrate}) {
        label->setFont(bold);
        label->hide();
    }
    BitBtn_lyngsat_sender_hinzufuegen =
        place(new QPushButton(QStringLiteral("Sender hinzufügen"), parsing), 528, 344, 153, 41);
    BitBtn_lyngsat_sender_hinzufuegen->setEnabled(false);
    BitBtn_select_all_lyngsat_channels->setEnabled(false);

    // The favourite columns of the channel and comparison grids, captioned until a load names them.
    for (int g = 1; g <= 9; ++g)
        setFavColumnCaption(g, QStringLiteral("Fav%1").arg(g));

    WebBrowser1 = createWebBrowser(TabSheet_lyngsat_seiten);
    WebBrowser1->setGeometry(0, 0, 1105, 697);
    QStringList browserPages;
    for (const webimport::SitePage& page : webimport::WebBrowserPages)
        browserPages << page.caption.toString();
    RadioGroup_lyngsat_neu = new TRadioGroup(TabSheet_lyngsat_seiten);
    RadioGroup_lyngsat_neu->setTitle(QStringLiteral("Lyngsat"));
    RadioGroup_lyngsat_neu->setGeometry(1112, 0, 145, 529);
    RadioGroup_lyngsat_neu->setItems(browserPages);
}

void TForm1::buildMenus() {
    File1 = menuBar()->addMenu(QStringLiteral("Datei"));
    Saveto1 = addItem(File1, QStringLiteral("Speichern unter ..."), true);
    Beenden1 = addItem(File1, QStringLiteral("Beenden"), true);
    Hilfe1 = menuBar()->addMenu(QStringLiteral("Hilfe"));
    ber1 = addItem(Hilfe1, QStringLiteral("Über..."), true);
}

void TForm1::buildPopupMenus() {
    PopupMenu_datagrid_channel = attachPopup(DataGrid_channels, this);
    menuitem_loeschen = addItem(PopupMenu_datagrid_channel, QStringLiteral("löschen"), true);
    Drucken1 = addItem(PopupMenu_datagrid_channel, QStringLiteral("Drucken..."), true);

    PopupMenu_favs = attachPopup(RadioGroup_fav, this);
    Verschieben1 = addItem(PopupMenu_favs, QStringLiteral("Verschieben..."), false);
    Favumbenennen1 = addItem(PopupMenu_favs, QStringLiteral("Fav umbenennen"), false);

    PopupMenu_transponder = attachPopup(TreeView_satellites, this);
    Transponderparameter_aendern =
        addItem(PopupMenu_transponder, QStringLiteral("Transponderparameter ändern"), false);
    neuerTransponder1 = addItem(PopupMenu_transponder, QStringLiteral("neuer Transponder"), false);
    loescheTransponder1 = addItem(PopupMenu_transponder, QStringLiteral("lösche Transponder"), true);
    loescheSatellit = addItem(PopupMenu_transponder, QStringLiteral("lösche Satellit"), true);

    PopupMenu_sat = attachPopup(DataGrid_sats, this);
    loescheSatellit1 = addItem(PopupMenu_sat, QStringLiteral("lösche Satellit"), true);
}

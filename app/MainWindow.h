#pragma once

#include "app/WebBrowser.h"
#include "grid/GridTypes.h"
#include "image/ChannelView.h"
#include "image/TableOps.h"
#include "import/ListingPage.h"
#include "platform/ControlTypes.h"
#include "platform/Environment.h"
#include "platform/FontStyles.h"
#include "platform/Rect.h"
#include "platform/TColor.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <optional>
#include <unordered_map>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

class TRadioGroup;

namespace widgets {
class TProgressCyl;
class TQvAboutBoxDlg;
} // namespace widgets
using widgets::TProgressCyl;
using widgets::TQvAboutBoxDlg;

namespace grid {
class TDataGrid;
class TDgEdit;
class TRow;
} // namespace grid

namespace webimport {
struct TransponderRow;
struct ChannelRow;
} // namespace webimport

namespace platform {
class TIniFile;
}

/// The program's main window: the start form with the "Load" button, and after a load the four tabs
/// with the channel, satellite and import views. Controls are public, as the dialogs and the import
/// reach into them by name.
class TForm1 : public QMainWindow, public image::TableObserver {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Window-level state.
    bool FileLoaded = false;              // an image was loaded in this run (the close writes the backup)
    bool ImageSaved = false;              // "Speichern unter ..." wrote the image in this run
    platform::TDateTime LastSaveTime = 0; // when it last wrote it
    bool ListBuilding = false;            // grid rows are being filled; the grid's change handlers stay inert
    bool ChannelDragEnabled = false;
    bool SortedByNumber = false;
    bool ViewUnsorted = false;
    int MouseDownX = 0;
    int MouseDownY = 0;
    int ChannelSortColumn = 0;
    QString ImageFileName;
    std::unique_ptr<platform::TIniFile> SatellitesIni; // satellites.ini, when it existed at load

    // Outside the tabs.
    QTabWidget* PageControl1 = nullptr;
    QPushButton* BitBtnLoad = nullptr;
    QCheckBox* CheckBox_aufloesung_anpassung = nullptr;
    TProgressCyl* ProgressCyl_start = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    grid::TDgEdit* DgEdit_channel = nullptr; // in-place editor of the channel-name column

    // Tab "Main".
    QWidget* TabSheet1 = nullptr;
    TRadioGroup* RadioGroup_fav = nullptr;
    QListWidget* ListBox_provider = nullptr;
    QTreeWidget* TreeView_satellites = nullptr;
    QLabel* Label_satellit = nullptr;
    QLabel* Label_transp_count = nullptr;
    grid::TDataGrid* DataGrid_channels = nullptr;
    QLabel* Label_sendercount = nullptr;
    QLabel* Label_providercount = nullptr;
    TRadioGroup* RadioGroup_filter = nullptr;
    QFrame* Panel_suche = nullptr;
    QLabel* Label_suchtext = nullptr;
    QLabel* Label_wortanfang = nullptr;
    QLabel* Label_gross_klein = nullptr;
    QLineEdit* Edit_suche = nullptr;
    QLineEdit* Edit_suchanfang = nullptr;
    TRadioGroup* RadioGroup_tuner = nullptr;

    // Tab "Sat".
    QWidget* TabSheet2 = nullptr;
    QLabel* Label_satelliten = nullptr;
    QLabel* Label_tv_programme = nullptr;
    QLabel* Label_radios = nullptr;
    QLabel* Label_satcount = nullptr;
    QLabel* Label_tvcount = nullptr;
    QLabel* Label_radiocount = nullptr;
    grid::TDataGrid* DataGrid_sats = nullptr;
    QCheckBox* CheckBox_Loesche_sat_ohne_nachfragen = nullptr;
    QCheckBox* CheckBox_info_nach_satloeschen = nullptr;

    // Tab "Lyngsat-Parsing".
    QWidget* TabSheet_lyngsat_parsing = nullptr;
    grid::TDataGrid* DataGrid_lyngsat = nullptr;           // web transponders of the fetched page
    grid::TDataGrid* DataGrid_lyngsat_sender = nullptr;    // channels of the selected web transponder
    grid::TDataGrid* DataGrid_lyngsat_vergleich = nullptr; // the image's channels on the found transponder
    QPushButton* BitBtn_select_all_lyngsat_channels = nullptr;
    QComboBox* ComboBox_lyngsat = nullptr;
    QCheckBox* CheckBox_satellites_combo_lyngsat = nullptr;
    TRadioGroup* RadioGroup_lyngsat = nullptr; // "Satellit": the satellite pages of the site
    QCheckBox* CheckBox_cband = nullptr;       // "auch C-Band"
    QPushButton* BitBtn_lyngsat = nullptr;     // "Lyngsat": fetch and scan
    QLabel* Label_warten = nullptr;            // "bitte warten"
    TProgressCyl* ProgressCyl1 = nullptr;
    TRadioGroup* RadioGroup_frequenztoleranz = nullptr; // "0 Mhz" to "5 Mhz"
    QLabel* Label_transponder_lyngsat_vorhanden = nullptr;
    QLabel* Label_gefundene_Frequenz = nullptr;
    QLabel* Label_gefundene_symbolrate = nullptr;
    QPushButton* BitBtn_lyngsat_sender_hinzufuegen = nullptr; // "Sender hinzufügen"

    // Tab "Lyngsat-Seiten".
    QWidget* TabSheet_lyngsat_seiten = nullptr;
    WebBrowserHost* WebBrowser1 = nullptr;
    TRadioGroup* RadioGroup_lyngsat_neu = nullptr; // "Lyngsat": the pages the browser shows

    // State of the listing import.
    QString ImportUrl;            // the page fetched or chosen last (a package page only once it was fetched)
    QString PagePositionText;     // orbital position from the title of the last fetched satellite page
    QString ImportProviderName;   // "Anbieter" of the selected web transponder
    int MatchedTransponder = 0;   // 1-based transponder found for the selected web transponder
    webimport::ListingPage Memo1; // the satellite page fetched last
    webimport::ListingPage Memo_paytv; // the package page fetched last (address in ImportUrl)

    // Main menu (the window's menu bar, hidden until a load completes).
    QMenu* File1 = nullptr;
    QAction* Saveto1 = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* ber1 = nullptr;

    // Pop-up menus.
    QMenu* PopupMenu_datagrid_channel = nullptr;
    QAction* menuitem_loeschen = nullptr;
    QAction* Drucken1 = nullptr;
    QMenu* PopupMenu_favs = nullptr;
    QAction* Verschieben1 = nullptr;
    QAction* Favumbenennen1 = nullptr;
    QMenu* PopupMenu_transponder = nullptr;
    QAction* Transponderparameter_aendern = nullptr;
    QAction* neuerTransponder1 = nullptr;
    QAction* loescheTransponder1 = nullptr;
    QAction* loescheSatellit = nullptr;
    QMenu* PopupMenu_sat = nullptr;
    QAction* loescheSatellit1 = nullptr;

    TQvAboutBoxDlg* QvAboutBoxDlg1 = nullptr;

    // Handlers.
    void FormCreate();
    /// The load: screen fitting, open dialog, reading the image, filling the views, working form.
    void BitBtnLoadClick();
    /// "Datei" / "Speichern unter ...".
    void Saveto1Click();
    /// "Datei" / "Beenden": closes the window (the close writes the backup).
    void Beenden1Click();
    /// "Hilfe" / "Über...".
    void ber1Click();
    /// Channel grid pop-up "Drucken...".
    void Drucken1Click();
    /// Favourite pop-up "Fav umbenennen".
    void Favumbenennen1Click();
    /// Favourite pop-up "Verschieben...": fills and opens the move dialog for the selected group.
    void Verschieben1Click();
    /// The close handler: writes the backup image when the rule asks for it.
    void FormClose();

    // View rebuilds that the channel, satellite and import views fill in.
    /// Appends the satellite-grid row of satellite s (1-based).
    void AddSatelliteRow(int s);
    /// Builds the satellite tree from the satellite and transponder tables.
    void BuildSatelliteTree();
    /// Appends the channel-grid row of channel i (1-based) when it passes the filters.
    void AddChannelRow(int i);
    /// Rebuilds the channel grid for the view chosen in RadioGroup_fav and the filters.
    void radiogroup_favclick();
    /// Shows the channels of the satellite or transponder selected in the tree.
    void ShowTreeNodeChannels();

    // Satellite tree and satellite grid (SatelliteTree.cpp).
    /// TransponderUsed: 1 for every transponder that a channel names.
    void MarkUsedTransponders();
    /// MarkUsedTransponders, then SatelliteUsed: 1 for every satellite with a used transponder.
    void MarkUsedSatellites();
    /// The 0-based transponder index a transponder node carries; -1 for a satellite node or none.
    static int TreeNodeTransponderIndex(const QTreeWidgetItem* node);
    /// The 0-based satellite index of a satellite node, or of a transponder node's satellite; -1 for none.
    static int TreeNodeSatelliteIndex(const QTreeWidgetItem* node);
    /// The selected tree node, nullptr when none is.
    QTreeWidgetItem* selectedTreeNode() const;
    /// The transponder index of the selected node (-1 for a satellite node or none); shows the name of its
    /// satellite in Label_satellit.
    int SelectedTransponderIndex();
    /// How a tree node is drawn: used satellites and transponders bold and blue on their own background.
    struct TreeNodeLook {
        bool used = false;
        platform::TColor background = 0;
    };
    TreeNodeLook TreeView_satellitesCustomDrawItem(const QTreeWidgetItem* node) const;
    /// Enables the tree pop-up's items for the selected node; runs on every selection change.
    void updateTransponderPopup();
    /// Tree pop-up "Transponderparameter ändern", "neuer Transponder", "lösche Transponder", "lösche
    /// Satellit".
    void Transponderparameter_aendernClick();
    void neuerTransponder1Click();
    void loescheTransponder1Click();
    void loescheSatellitClick();
    /// Deletes the satellite of grid row r with its transponders and channels. From the grid the check
    /// boxes decide about the question and the report, from the tree both are always shown.
    void deleteSatelliteRow(int r, bool fromGrid);
    /// Moves the satellite of grid row from to row to (the satellite grid's drop).
    void moveSatellite(int from, int to);
    /// Opens the satellite dialog for grid row r (the satellite grid's double click).
    void openSatelliteSettings(int r);
    /// Rebuilds what shows satellites, transponders and channels after the tables changed; the satellite
    /// grid keeps its selected row.
    void rebuildSatelliteViews();
    // The channel list (ChannelView.cpp).
    /// The view of the provider selected in the provider list.
    void ListBox_providerClick();
    /// Appends the rows of every channel on transponder t (0-based).
    void ShowTransponderChannels(int t);
    /// Leaving a search edit rebuilds the view when its text changed since the last rebuild.
    void Edit_sucheExit();
    void Edit_suchanfangExit();
    void DataGrid_channel_customdrawcell(int ACol, int ARow, const platform::TRect& CellRect,
                                         grid::TCellState CellState);
    void DataGrid_channelsCellFormating(int ACol, int ARow, platform::TColor& TextColor,
                                        platform::TFontStyles& FontStyle);
    /// The 1-based channel number in the "Nr" cell of a row; 0 for no row.
    int channelNumberOfRow(int row) const;

    // Channel editing (ChannelEditing.cpp).
    void DataGrid_channelsChange(int ACol, int ARow);
    void DataGrid_channelsHeaderClick(int ACol);
    void DataGrid_channelsKeyDown(int& Key, platform::TShiftState Shift);
    void menuitem_loeschenClick();
    void DataGrid_channelsMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    void DataGrid_channelsMouseMove(platform::TShiftState Shift, int X, int Y);
    bool DataGrid_channelsDragOver(QObject* Source);
    void DataGrid_channelsDragDrop(QObject* Source, int X, int Y);
    /// Deletes the channels of the selected rows.
    void DeleteSelectedChannels();

    // image::TableObserver
    void channelCountsChanged(int tv, int radio, int all) override;
    void rebuildChannelView() override;
    /// The same, selecting satellite-grid row selectRow afterwards (none for -1).
    void rebuildSatelliteViews(int selectRow);

    // Satellite grid on "Sat" (SatelliteGrid.cpp).
    void DataGrid_satsCustomDrawCell(int ACol, int ARow, const platform::TRect& CellRect,
                                     grid::TCellState CellState);
    void DataGrid_satsMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    void DataGrid_satsMouseMove(platform::TShiftState Shift, int X, int Y);
    /// Accepts only a drag that comes from the satellite grid itself.
    bool DataGrid_satsDragOver(QObject* Source) const;
    void DataGrid_satsDragDrop(QObject* Source, int X, int Y);
    void DataGrid_satsDblClick();
    void DataGrid_satsKeyDown(int& Key, platform::TShiftState Shift);
    /// Grid pop-up "lösche Satellit" and the Delete key: deletes the satellite of the selected row.
    void loescheSatellit1Click();
    /// The satellite-grid row under a client point of its cells; -1 elsewhere.
    int satelliteRowAt(int X, int Y) const;
    /// The selected satellite-grid row; -1 when none is selected.
    int selectedSatelliteRow() const;
    /// Fills the satellite grid from the satellite table again and selects row select (the last row when
    /// it lies past the end; none for -1).
    void rebuildSatelliteGrid(int select);

    // Listing import (ImportPage.cpp, ImportGrids.cpp, ImportMatch.cpp).
    /// ImportUrl := the page of the item chosen in RadioGroup_lyngsat.
    void RadioGroup_lyngsatClick();
    /// The satellite box replaces the radio group while its check box is ticked.
    void CheckBox_satellites_combo_lyngsatClick();
    void BitBtn_lyngsatClick();
    /// Fetches the chosen satellite page and lists its transponders.
    void ImportSatellitePage();
    /// Lists the channels of the selected web transponder and looks for it in the image.
    void DataGrid_lyngsatSelectCell(QObject* Sender, int ACol, int ARow);
    /// Appends the comparison row of channel i (1-based) when it lies on transponder t (1-based).
    void AddComparisonRow(int i, int t);
    void DataGrid_lyngsat_senderAfterEdit(QObject* Sender, int ACol, int ARow, const QString& Value);
    /// "All": ticks every web channel.
    void BitBtn_select_all_lyngsat_channelsClick();
    /// "Sender hinzufügen": provider choice, then the ticked web channels go into the image.
    void BitBtn_lyngsat_sender_hinzufuegenClick();
    /// Shows the chosen page of the site in the browser.
    void RadioGroup_lyngsat_neuClick();
    void DataGrid_lyngsatCustomDrawCell(QObject* Sender, int ACol, int ARow, const platform::TRect& CellRect,
                                        grid::TCellState CellState);
    void DataGrid_lyngsat_senderCustomDrawCell(QObject* Sender, int ACol, int ARow,
                                               const platform::TRect& CellRect, grid::TCellState CellState);
    void DataGrid_lyngsat_senderCellFormating(QObject* Sender, int ACol, int ARow,
                                              platform::TColor& TextColor, platform::TFontStyles& FontStyle,
                                              grid::TCellState CellState);
    void DataGrid_lyngsat_vergleichCustomDrawCell(QObject* Sender, int ACol, int ARow,
                                                  const platform::TRect& CellRect,
                                                  grid::TCellState CellState);
    /// "Sender hinzufügen" is enabled when a web channel is ticked and the transponder was found.
    void updateSenderButton();
    /// True while a page of the site is being fetched or scanned.
    bool importBusy() const { return m_importBusy; }

    /// Moves or resizes the controls by the monitor height minus 800, once per run, when the check
    /// box "anpassen an Bildschirmauflösung" is ticked.
    void fitToScreen();
    bool screenFitted() const { return m_screenFitted; }

    /// The names in the channel grid's "Channel" column, in row order (what "Drucken" prints).
    QStringList channelGridNames() const;

    /// Sets the caption of the favourite column of group g (1..9) in the channel and comparison grids.
    void setFavColumnCaption(int g, const QString& caption);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMainTab();
    void buildSatTab();
    void buildImportTabs();
    void buildImportGrids();
    void connectImportHandlers();
    /// The fill colour of a web grid cell by the stripes and the rules of its grid.
    platform::TColor webCellColor(grid::TDataGrid* grid, int ACol, int ARow) const;
    void addWebTransponderRow(const webimport::TransponderRow& row);
    void addWebChannelRow(const webimport::ChannelRow& row);
    webimport::TransponderRow webTransponderRow(int r) const;
    /// Hides the wait label and the bar and enables the fetch button and the transponder grid.
    void endImportWait();
    /// Fetches the package page into Memo_paytv unless it is held; false after an error box.
    bool fetchPackagePage(const QString& address);
    /// Looks for the web transponder of row r in the image and shows what was found.
    void matchWebTransponder(int r);
    /// Lists the image's channels on MatchedTransponder in the comparison grid.
    void fillComparisonGrid();
    void offerNewTransponder(const webimport::TransponderRow& web, int satellite);
    void buildMenus();
    void buildPopupMenus();
    void connectHandlers();
    void setUpSatelliteTree();
    void buildChannelGridColumns();
    void connectChannelGrid();
    /// Readies the filter and the membership for a run of AddChannelRow; endChannelRows forgets them.
    void beginChannelRows();
    void endChannelRows();
    /// Empties the channel grid and the rows' group entries.
    void clearChannelRows();
    /// The group entry a row was built from; -1 outside a group view.
    int entryOfRow(int row) const;
    /// Drops the row of group g's entry j after that entry left the group; later entries move up.
    void dropGroupEntryRow(int g, int j);
    /// Appends the row of channel i without asking the filter.
    void appendChannelRow(int i);
    void rebuildFavouriteView();
    /// Lists the channels of the selected tree node.
    void listTreeNodeChannels();
    /// The row under a client point of the cells; -1 elsewhere.
    int channelRowAt(int X, int Y);
    void setUpSatelliteGrid();
    void fillViewsFromImage();
    void takeWorkingForm();
    void readSatellitesIni();

    bool m_screenFitted = false;
    bool m_loading = false;

    // The channel list's view: which group the rows were built from (0 for none), the entry each row of
    // a group view stands for (by row record, so sorting and moving rows keep it), the search texts of
    // the last rebuild, and the row a running drag took along.
    std::optional<image::ChannelFilter> m_rowFilter;
    std::optional<image::FavMembership> m_rowMembership;
    int m_viewGroup = 0;
    int m_rowEntryToAdd = -1;
    std::unordered_map<const grid::TRow*, int> m_rowEntries;
    QString m_builtSearch;
    QString m_builtPrefix;
    const grid::TRow* m_dragRow = nullptr;
    int m_viewGeneration = 0;
    bool m_rebuilding = false;
    bool m_rebuildAgain = false;

    bool m_importBusy = false; // one fetch at a time, for the satellite page and the package pages
};

/// The main window, created first by ProgramMain.
extern TForm1* Form1;

/// Sets a label's text and sizes the label to it, as labels without a fixed width do.
void setLabelCaption(QLabel* label, const QString& text);

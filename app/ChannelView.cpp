// The channel list on "Main": its columns, the views (all channels, a group, a provider, a tree node)
// with their filters, and how its cells are drawn.
#include "app/ListCells.h"
#include "app/MainWindow.h"
#include "app/RadioGroup.h"
#include "grid/DgCells.h"
#include "grid/DgColumnClasses.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgEdit.h"
#include "grid/DgGrid.h"
#include "image/Fields.h"
#include "platform/Application.h"
#include "platform/Colors.h"
#include "platform/Rounding.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTreeWidget>

using namespace image;
using grid::TColumnOption;

namespace {

constexpr platform::TColor clMoneyGreen = 0xC0DCC0;
constexpr platform::TColor kMarkedRowColor = 0x808080;
constexpr platform::TColor kScrambledColor = 0xF0CAA6;

using Kind = ListColumnKind;

struct ColumnInfo {
    const char16_t* caption;
    Kind kind;
    int width;
    grid::TSortType sort;
    bool custom;   // drawn by the custom-draw handler
    bool editable; // typed into or ticked by the user
    bool green;    // money-green cells
};

using ST = grid::TSortType;
const ColumnInfo kColumns[ccColumnCount] = {
    {u"Channel", Kind::Text, 100, ST::stCaseInsensitive, true, true, true},
    {u"Sat", Kind::Text, 45, ST::stAlphabetic, false, false, false},
    {u"Frequenz", Kind::Number, 45, ST::stNumeric, true, false, false},
    {u"Pol", Kind::Text, 28, ST::stAlphabetic, true, false, false},
    {u"Typ", Kind::Text, 50, ST::stAlphabetic, true, true, true},
    {u"Tu", Kind::Text, 20, ST::stAlphabetic, false, true, false},
    {u"Service ID", Kind::Text, 55, ST::stNumeric, true, false, false},
    {u"VPID", Kind::Text, 35, ST::stAlphabetic, true, false, false},
    {u"APID", Kind::Text, 35, ST::stAlphabetic, true, false, false},
    {u"PID PCR", Kind::Text, 47, ST::stAlphabetic, true, false, false},
    {u"Transponder", Kind::Number, 40, ST::stNumeric, true, false, false},
    {u"Nr", Kind::Number, 30, ST::stNumeric, true, false, false},
    {u"Prov", Kind::Number, 30, ST::stNumeric, true, false, false},
    {u"Fav1", Kind::Check, 30, ST::stBoolean, false, true, false},
    {u"Fav2", Kind::Check, 30, ST::stBoolean, false, true, false},
    {u"Fav3", Kind::Check, 30, ST::stBoolean, false, true, false},
    {u"Fav4", Kind::Check, 30, ST::stBoolean, false, true, false},
    {u"Fav5", Kind::Check, 30, ST::stBoolean, false, true, false},
    {u"Fav6", Kind::Check, 30, ST::stBoolean, false, true, false},
    {u"Fav7", Kind::Check, 30, ST::stBoolean, false, true, false},
    {u"Fav8", Kind::Check, 30, ST::stBoolean, false, true, false},
    {u"Fav9", Kind::Check, 30, ST::stBoolean, false, true, false},
    {u"S", Kind::Check, 20, ST::stBoolean, false, true, false},
};

grid::TDgCustomColumn* makeColumn(const ColumnInfo& info, int index) {
    grid::TDgCustomColumn* column = newListColumn(info.kind, QString::fromUtf16(info.caption));
    column->SetWidth(info.width);
    column->SetSortType(info.sort);
    if (info.custom)
        column->SetDrawingOptions(grid::TDrawingOptions::doCustom);
    if (info.green)
        column->SetColor(clMoneyGreen);
    grid::TColumnOptions options = TColumnOption::coCanClick | TColumnOption::coCanInput |
                                   TColumnOption::coCanSort | TColumnOption::coPublicUsing;
    if (info.editable)
        options |= TColumnOption::coEditing;
    if (info.kind == Kind::Text && info.editable)
        options |= TColumnOption::coShowTextFitHint;
    if (index == ccTransponder || index == ccNumber) {
        options |= TColumnOption::coShowTextFitHint;
        column->SetAlignment(grid::TAlignment::taLeftJustify);
    }
    if (index == ccFrequency)
        column->SetDefaultValue(QStringLiteral("0"));
    column->SetOptions(options);
    return column;
}

ChannelFilter filterOf(const TRadioGroup* type, const TRadioGroup* tuner, const QLineEdit* contains,
                       const QLineEdit* startsWith) {
    return ChannelFilter(static_cast<TypeFilter>(qBound(0, type->ItemIndex(), 4)),
                         static_cast<TunerFilter>(qBound(0, tuner->ItemIndex(), 2)), contains->text(),
                         startsWith->text());
}

/// Runs the tree's view when Up or Down is released in it.
class TreeArrowKeys final : public QObject {
public:
    TreeArrowKeys(QObject* parent, std::function<void()> show) : QObject(parent), m_show(std::move(show)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down)
                m_show();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_show;
};

} // namespace

void TForm1::buildChannelGridColumns() {
    for (int c = 0; c < ccColumnCount; ++c)
        DataGrid_channels->Columns()->AddColumn(makeColumn(kColumns[c], c));
    DataGrid_channels->SetOptions(grid::TGridOption::goHeader | grid::TGridOption::goMultiSelect |
                                  grid::TGridOption::goSelectFullRow);
}

void TForm1::connectChannelGrid() {
    auto* nameColumn = static_cast<grid::TDgTextColumn*>(DataGrid_channels->Columns()->ColumnItem(ccChannel));
    nameColumn->SetMaxLength(20);
    nameColumn->SetInplaceEdit(DgEdit_channel);

    grid::TDataGrid* g = DataGrid_channels;
    g->OnChange = [this](QObject*, int ACol, int ARow) { DataGrid_channelsChange(ACol, ARow); };
    g->OnHeaderClick = [this](QObject*, int ACol) { DataGrid_channelsHeaderClick(ACol); };
    g->OnKeyDown = [this](QObject*, int& Key, platform::TShiftState Shift) {
        DataGrid_channelsKeyDown(Key, Shift);
    };
    g->OnMouseDown = [this](QObject*, platform::TMouseButton Button, platform::TShiftState Shift, int X,
                            int Y) { DataGrid_channelsMouseDown(Button, Shift, X, Y); };
    g->OnMouseMove = [this](QObject*, platform::TShiftState Shift, int X, int Y) {
        DataGrid_channelsMouseMove(Shift, X, Y);
    };
    g->OnDragOver = [this](QObject*, QObject* Source, int, int, platform::TDragState, bool& Accept) {
        Accept = DataGrid_channelsDragOver(Source);
    };
    g->OnDragDrop = [this](QObject*, QObject* Source, int X, int Y) {
        DataGrid_channelsDragDrop(Source, X, Y);
    };
    g->OnCustomDrawCell = [this](QObject*, int ACol, int ARow, const platform::TRect& CellRect,
                                 grid::TCellState CellState) {
        DataGrid_channel_customdrawcell(ACol, ARow, CellRect, CellState);
    };
    g->OnCellFormating = [this](QObject*, int ACol, int ARow, platform::TColor& TextColor,
                                platform::TFontStyles& FontStyle, grid::TCellState) {
        DataGrid_channelsCellFormating(ACol, ARow, TextColor, FontStyle);
    };

    connect(menuitem_loeschen, &QAction::triggered, this, &TForm1::menuitem_loeschenClick);
    connect(ListBox_provider, &QListWidget::itemClicked, this, &TForm1::ListBox_providerClick);
    connect(Edit_suche, &QLineEdit::editingFinished, this, &TForm1::Edit_sucheExit);
    connect(Edit_suchanfang, &QLineEdit::editingFinished, this, &TForm1::Edit_suchanfangExit);
    TreeView_satellites->installEventFilter(new TreeArrowKeys(this, [this] { ShowTreeNodeChannels(); }));
    image::setTableObserver(this);
}

// ---- building rows ----

void TForm1::clearChannelRows() {
    const bool building = ListBuilding;
    ListBuilding = true;
    DataGrid_channels->ClearRows();
    ListBuilding = building;
    m_rowEntries.clear();
    m_dragRow = nullptr;
    m_viewGroup = 0;
    ++m_viewGeneration;
}

void TForm1::beginChannelRows() {
    m_rowFilter.emplace(filterOf(RadioGroup_filter, RadioGroup_tuner, Edit_suche, Edit_suchanfang));
    m_rowMembership.emplace(Image());
    m_builtSearch = Edit_suche->text();
    m_builtPrefix = Edit_suchanfang->text();
}

void TForm1::endChannelRows() {
    m_rowFilter.reset();
    m_rowMembership.reset();
}

void TForm1::AddChannelRow(int i) {
    const SettingsImage& img = Image();
    if (i < 1 || i > img.ChannelCount)
        return;
    // A caller outside a batch gets the filter and membership read now.
    const bool batch = m_rowFilter.has_value();
    if (!batch)
        beginChannelRows();
    const bool building = ListBuilding;
    ListBuilding = true;
    if (m_rowFilter->passes(img, i))
        appendChannelRow(i);
    ListBuilding = building;
    if (!batch)
        endChannelRows();
}

void TForm1::appendChannelRow(int i) {
    const SettingsImage& img = Image();
    const ChannelRowCells cells = MakeChannelRow(img, i, *m_rowMembership);
    grid::TDataGrid* g = DataGrid_channels;
    const int row = g->AddRow(1);
    for (int c = 0; c < ccFav1; ++c) {
        const QString& text = cells.texts[static_cast<std::size_t>(c)];
        if (kColumns[c].kind == Kind::Number) {
            if (!text.isEmpty())
                g->Cell(c, row)->SetAsInteger(text.toInt());
        } else {
            g->Cell(c, row)->SetAsString(text);
        }
    }
    for (int f = 0; f < 9; ++f) {
        if (cells.fav[static_cast<std::size_t>(f)])
            g->Cell(ccFav1 + f, row)->SetAsBoolean(true);
    }
    if (cells.mark)
        g->Cell(ccMark, row)->SetAsBoolean(true);
    if (m_rowEntryToAdd >= 0)
        m_rowEntries[g->GetRowRecord(row)] = m_rowEntryToAdd;
}

void TForm1::radiogroup_favclick() {
    // Messages run during the rebuild; a second rebuild asked for meanwhile runs after this one.
    if (m_rebuilding) {
        m_rebuildAgain = true;
        return;
    }
    m_rebuilding = true;
    do {
        m_rebuildAgain = false;
        rebuildFavouriteView();
    } while (m_rebuildAgain);
    m_rebuilding = false;
}

void TForm1::rebuildFavouriteView() {
    const int g = RadioGroup_fav->ItemIndex();
    const bool group = g >= 1 && g <= 9;
    Verschieben1->setEnabled(group);
    Favumbenennen1->setEnabled(true);
    platform::ProcessMessages();

    const bool building = ListBuilding;
    ListBuilding = true;
    clearChannelRows();
    ProgressBar1->show();
    DataGrid_channels->BeginUpdate();
    beginChannelRows();
    const SettingsImage& img = Image();
    if (group) {
        m_viewGroup = g;
        for (const ChannelViewRow& row : FavGroupView(img, g, *m_rowFilter)) {
            m_rowEntryToAdd = row.entry;
            appendChannelRow(row.number);
        }
        m_rowEntryToAdd = -1;
    } else {
        const int count = img.ChannelCount;
        int shown = -1;
        for (int i = 1; i <= count; ++i) {
            const int percent = static_cast<int>(platform::Round(i * 100.0 / count));
            // Pumping costs more than a row: only when the bar moves.
            if (percent != shown) {
                shown = percent;
                ProgressBar1->setValue(percent);
                platform::ProcessMessages();
            }
            if (i > img.ChannelCount)
                break; // a handler that ran meanwhile deleted channels; the rebuild after it shows them
            if (m_rowFilter->passes(img, i))
                appendChannelRow(i);
        }
    }
    endChannelRows();
    DataGrid_channels->EndUpdate();
    ListBuilding = building;
    setLabelCaption(Label_sendercount, QString::number(DataGrid_channels->RowCount()));
    SortedByNumber = !group;
    ViewUnsorted = true;
    ProgressBar1->hide();
    platform::ProcessMessages();
}

void TForm1::ListBox_providerClick() {
    clearChannelRows();
    const int p = ListBox_provider->currentRow();
    const QListWidgetItem* item = ListBox_provider->currentItem();
    if (p >= 0 && item && !item->text().isEmpty()) {
        DataGrid_channels->BeginUpdate();
        beginChannelRows();
        for (const ChannelViewRow& row : ProviderView(Image(), p, *m_rowFilter))
            AddChannelRow(row.number);
        endChannelRows();
        DataGrid_channels->EndUpdate();
    }
    setLabelCaption(Label_sendercount, QString::number(DataGrid_channels->RowCount()));
}

void TForm1::ShowTransponderChannels(int t) {
    const SettingsImage& img = Image();
    for (int c = 1; c <= img.ChannelCount; ++c) {
        if (img.Channels[c].TransponderIndex == t)
            AddChannelRow(c);
    }
}

void TForm1::listTreeNodeChannels() {
    if (QTreeWidgetItem* node = selectedTreeNode()) {
        QTreeWidgetItem* satellite = node->parent() ? node->parent() : node;
        setLabelCaption(Label_satellit, satellite->text(0));
        clearChannelRows();
        DataGrid_channels->BeginUpdate();
        beginChannelRows();
        if (node->parent()) {
            ShowTransponderChannels(TreeNodeTransponderIndex(node));
        } else {
            // The children in tree order are the satellite's transponders in table order.
            setLabelCaption(Label_transp_count, QString::number(node->childCount()));
            for (int k = 0; k < node->childCount(); ++k)
                ShowTransponderChannels(TreeNodeTransponderIndex(node->child(k)));
        }
        endChannelRows();
        DataGrid_channels->EndUpdate();
    }
    setLabelCaption(Label_sendercount, QString::number(DataGrid_channels->RowCount()));
}

void TForm1::Edit_sucheExit() {
    if (Edit_suche->text() != m_builtSearch)
        radiogroup_favclick();
}

void TForm1::Edit_suchanfangExit() {
    if (Edit_suchanfang->text() != m_builtPrefix)
        radiogroup_favclick();
}

// ---- reading rows ----

int TForm1::channelNumberOfRow(int row) const {
    if (row < 0 || row >= DataGrid_channels->RowCount())
        return 0;
    return DataGrid_channels->Cell(ccNumber, row)->AsInteger();
}

int TForm1::entryOfRow(int row) const {
    if (row < 0 || row >= DataGrid_channels->RowCount())
        return -1;
    const auto it = m_rowEntries.find(DataGrid_channels->GetRowRecord(row));
    return it == m_rowEntries.end() ? -1 : it->second;
}

QStringList TForm1::channelGridNames() const {
    QStringList names;
    for (int r = 0; r < DataGrid_channels->RowCount(); ++r)
        names << DataGrid_channels->Cell(ccChannel, r)->AsString();
    return names;
}

// ---- drawing ----

void TForm1::DataGrid_channel_customdrawcell(int ACol, int ARow, const platform::TRect& CellRect,
                                             grid::TCellState CellState) {
    grid::TDataGrid* g = DataGrid_channels;
    if (ARow < 0 || ARow >= g->RowCount())
        return;
    platform::TColor background = listRowStripe(ARow);
    if (g->Cell(ccMark, ARow)->AsBoolean())
        background = kMarkedRowColor;
    if (ACol == ccChannel) {
        const int c = channelNumberOfRow(ARow);
        if (c >= 1 && c <= Image().ChannelCount && (Image().Channels[c].ServiceType & 0x01))
            background = kScrambledColor;
    }
    platform::TCanvas& canvas = g->Canvas;
    if (CellState.testFlag(grid::TCellStateItem::csSelected)) {
        background = 0;
        canvas.Font.Color = g->HighlightedTextColor();
    }
    paintListCell(canvas, CellRect, background, g->GetCellDisplayText(ACol, ARow));
}

void TForm1::DataGrid_channelsCellFormating(int ACol, int ARow, platform::TColor& TextColor,
                                            platform::TFontStyles& FontStyle) {
    grid::TDataGrid* g = DataGrid_channels;
    if (ARow < 0 || ARow >= g->RowCount())
        return;
    const QString text = g->Cell(ACol, ARow)->AsString();
    if (text.isEmpty())
        return;
    if (text == QLatin1String("TV S"))
        TextColor = platform::clRed;
    if (ACol == ccChannel && g->Cell(ccType, ARow)->AsString().startsWith(QLatin1Char('R')))
        TextColor = platform::clGreen;
    if (text == QLatin1String("TV HD")) {
        TextColor = platform::clBlue;
        FontStyle |= platform::TFontStyle::fsBold;
    }
    if (text == QLatin1String("TV HD S")) {
        TextColor = platform::clBlue;
        FontStyle |= platform::TFontStyle::fsItalic;
    }
}

// ---- what the tables tell ----

void TForm1::channelCountsChanged(int tv, int radio, int) {
    setLabelCaption(Label_tvcount, QString::number(tv));
    setLabelCaption(Label_radiocount, QString::number(radio));
}

void TForm1::rebuildChannelView() {
    radiogroup_favclick();
}

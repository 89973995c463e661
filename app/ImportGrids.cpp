// The three grids of the import tab: their columns, how their rows are written, and how their cells are
// drawn.
#include "app/ListCells.h"
#include "app/MainWindow.h"

#include "grid/DgColumnClasses.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgGrid.h"
#include "image/ComparisonRow.h"
#include "image/Tables.h"
#include "import/ChannelRows.h"
#include "import/SatellitePage.h"
#include "platform/Cp1252.h"

namespace {

using grid::TColumnOption;
using grid::TDrawingOptions;
using grid::TGridOption;

constexpr platform::TColor kScrambled = 0xF0CAA6;
constexpr platform::TColor kGreen = 0x008000;
constexpr platform::TColor kYellow = 0x00FFFF;
constexpr platform::TColor kMarked = 0x808080;

// Transponder grid columns.
constexpr int kCrypt = 0;
constexpr int kProvider = 1;
constexpr int kFrequency = 4;
constexpr int kTransponderHd = 9;
// Channel grid columns.
constexpr int kTick = 0;
constexpr int kChannelCr = 1;
constexpr int kServiceId = 2;
constexpr int kChannelKind = 4;
constexpr int kChannelHd = 5;
// Comparison grid columns.
constexpr int kNumber = 11;
constexpr int kFirstFav = 13;
constexpr int kSMark = 22;

struct ColumnInfo {
    enum Kind { Text, Number, Check };
    Kind kind;
    const char16_t* caption;
    int width;
    bool custom;
};

/// Appends the columns; the grid's handler draws the custom ones over what their display painted.
void addColumns(grid::TDataGrid* grid, std::initializer_list<ColumnInfo> columns) {
    for (const ColumnInfo& info : columns) {
        grid::TDgCustomColumn* column = nullptr;
        switch (info.kind) {
        case ColumnInfo::Text:
            column = new grid::TDgTextColumn();
            break;
        case ColumnInfo::Number:
            column = new grid::TDgNumberColumn();
            break;
        case ColumnInfo::Check:
            column = new grid::TDgCheckBoxColumn();
            break;
        }
        column->Header()->SetCaption(QString::fromUtf16(info.caption));
        column->SetWidth(info.width);
        if (info.custom)
            column->SetDrawingOptions(TDrawingOptions::doCustom);
        grid->Columns()->AddColumn(column);
    }
}

QString text(grid::TDataGrid* grid, int ACol, int ARow) {
    return grid->Cell(ACol, ARow)->AsString();
}

/// What a cell shows of its text: the 8-bit text the drawing routines of the program write.
QString eightBit(const QString& value) {
    return platform::fromCp1252(platform::toCp1252(value));
}

/// Frames the whole cell in color and writes the cell's text over it at the cell's top-left corner.
void drawFramedCell(platform::TCanvas& canvas, const platform::TRect& cell, platform::TColor color,
                    const QString& value) {
    canvas.Brush.Color = color;
    canvas.Brush.Style = platform::TBrushStyle::bsSolid;
    canvas.Pen.Color = color;
    canvas.Rectangle(cell);
    canvas.Brush.Style = platform::TBrushStyle::bsClear;
    canvas.TextRect(cell, cell.Left, cell.Top, eightBit(value));
    canvas.Brush.Style = platform::TBrushStyle::bsSolid;
}

} // namespace

void TForm1::buildImportGrids() {
    QWidget* parsing = TabSheet_lyngsat_parsing;
    DataGrid_lyngsat = new grid::TDataGrid(parsing);
    DataGrid_lyngsat->setGeometry(688, 0, 577, 393);
    DataGrid_lyngsat->SetOptions(TGridOption::goHeader | TGridOption::goSelectFullRow);
    addColumns(DataGrid_lyngsat, {{ColumnInfo::Text, u"crypt", 60, true},
                                  {ColumnInfo::Text, u"Anbieter", 130, true},
                                  {ColumnInfo::Text, u"ID", 50, true},
                                  {ColumnInfo::Text, u"ONID", 60, true},
                                  {ColumnInfo::Text, u"Frequenz", 60, true},
                                  {ColumnInfo::Text, u"SR", 60, true},
                                  {ColumnInfo::Text, u"FEC", 40, true},
                                  {ColumnInfo::Text, u"Pol", 30, true},
                                  {ColumnInfo::Text, u"DVB-S2", 50, false},
                                  {ColumnInfo::Text, u"HD", 8, false}});

    DataGrid_lyngsat_sender = new grid::TDataGrid(parsing);
    DataGrid_lyngsat_sender->setGeometry(944, 400, 313, 273);
    DataGrid_lyngsat_sender->SetOptions(TGridOption::goHeader | TGridOption::goSelectFullRow);
    addColumns(DataGrid_lyngsat_sender, {{ColumnInfo::Check, u"", 30, false},
                                         {ColumnInfo::Text, u"cr", 60, true},
                                         {ColumnInfo::Text, u"Service-ID", 60, true},
                                         {ColumnInfo::Text, u"Sendername", 120, true},
                                         {ColumnInfo::Text, u"TV/R", 35, true},
                                         {ColumnInfo::Text, u"HD", 8, false}});
    grid::TDgCustomColumn* tick = DataGrid_lyngsat_sender->Columns()->ColumnItem(kTick);
    tick->SetOptions(tick->Options() | TColumnOption::coCanClick | TColumnOption::coEditing |
                     TColumnOption::coCanSort);
    DataGrid_lyngsat_sender->Columns()->ColumnItem(kChannelHd)->SetVisible(false);

    DataGrid_lyngsat_vergleich = new grid::TDataGrid(parsing);
    DataGrid_lyngsat_vergleich->setGeometry(0, 400, 857, 273);
    DataGrid_lyngsat_vergleich->SetOptions(TGridOption::goHeader | TGridOption::goSelectFullRow |
                                           TGridOption::goMultiSelect);
    addColumns(DataGrid_lyngsat_vergleich, {{ColumnInfo::Text, u"Channel", 120, true},
                                            {ColumnInfo::Text, u"Sat", 45, true},
                                            {ColumnInfo::Number, u"Frequenz", 55, true},
                                            {ColumnInfo::Text, u"Pol", 25, true},
                                            {ColumnInfo::Text, u"Typ", 45, true},
                                            {ColumnInfo::Text, u"Tu", 22, true},
                                            {ColumnInfo::Text, u"Service ID", 60, true},
                                            {ColumnInfo::Text, u"VPID", 40, true},
                                            {ColumnInfo::Text, u"APID", 40, true},
                                            {ColumnInfo::Text, u"PID PCR", 50, true},
                                            {ColumnInfo::Number, u"Transponder", 70, true},
                                            {ColumnInfo::Number, u"Nr", 40, true},
                                            {ColumnInfo::Number, u"Prov", 35, true}});
    for (int g = 1; g <= 9; ++g)
        addColumns(DataGrid_lyngsat_vergleich, {{ColumnInfo::Check, u"", 30, false}});
    addColumns(DataGrid_lyngsat_vergleich, {{ColumnInfo::Check, u"S", 20, false}});
    DataGrid_lyngsat_vergleich->Columns()->ColumnItem(kSMark)->SetVisible(false);
}

void TForm1::addWebTransponderRow(const webimport::TransponderRow& row) {
    const int r = DataGrid_lyngsat->AddRow(1);
    const QString cells[] = {row.crypt,      row.provider, row.tid,          row.onid,  row.frequency,
                             row.symbolRate, row.fec,      row.polarisation, row.dvbS2, row.hd};
    for (int c = 0; c < 10; ++c)
        DataGrid_lyngsat->Cell(c, r)->SetAsString(cells[c]);
}

webimport::TransponderRow TForm1::webTransponderRow(int r) const {
    webimport::TransponderRow row;
    QString* cells[] = {&row.crypt,      &row.provider, &row.tid,          &row.onid,  &row.frequency,
                        &row.symbolRate, &row.fec,      &row.polarisation, &row.dvbS2, &row.hd};
    for (int c = 0; c < 10; ++c)
        *cells[c] = DataGrid_lyngsat->Cell(c, r)->AsString();
    return row;
}

void TForm1::addWebChannelRow(const webimport::ChannelRow& row) {
    const int r = DataGrid_lyngsat_sender->AddRow(1);
    DataGrid_lyngsat_sender->Cell(kChannelCr, r)->SetAsString(row.caText);
    DataGrid_lyngsat_sender->Cell(kServiceId, r)->SetAsString(row.serviceId);
    DataGrid_lyngsat_sender->Cell(3, r)->SetAsString(row.name);
    DataGrid_lyngsat_sender->Cell(kChannelKind, r)->SetAsString(row.kind);
    if (!row.hd.isEmpty())
        DataGrid_lyngsat_sender->Cell(kChannelHd, r)->SetAsString(row.hd);
}

void TForm1::AddComparisonRow(int i, int t) {
    ListBuilding = true;
    const image::SettingsImage& img = image::Image();
    // A channel number or transponder index out of the tables lists nothing.
    if (i >= 1 && i <= img.ChannelCount && img.Channels[i].TransponderIndex + 1 == t) {
        const image::ComparisonRow row = image::MakeComparisonRow(img, i);
        grid::TDataGrid* g = DataGrid_lyngsat_vergleich;
        const int r = g->AddRow(1);
        const QString texts[] = {row.channel, row.sat,       QString(),    row.pol,      row.type,
                                 row.tuner,   row.serviceId, row.videoPid, row.audioPid, row.pcrPid};
        for (int c = 0; c < 10; ++c)
            if (c != 2)
                g->Cell(c, r)->SetAsString(texts[c]);
        g->Cell(2, r)->SetAsInteger(row.frequency);
        g->Cell(10, r)->SetAsInteger(row.transponder);
        g->Cell(kNumber, r)->SetAsInteger(row.number);
        g->Cell(12, r)->SetAsInteger(row.provider);
        for (int f = 0; f < 9; ++f)
            if (row.fav[size_t(f)])
                g->Cell(kFirstFav + f, r)->SetAsBoolean(true);
        g->Cell(kSMark, r)->SetAsBoolean(row.sMark);
    }
    ListBuilding = false;
}

platform::TColor TForm1::webCellColor(grid::TDataGrid* grid, int ACol, int ARow) const {
    platform::TColor color = listRowStripe(ARow);
    if (grid == DataGrid_lyngsat) {
        if (ACol == kProvider && !text(grid, kCrypt, ARow).isEmpty())
            color = kScrambled;
        if (ACol >= 2 && text(grid, kTransponderHd, ARow) == QStringLiteral("ja"))
            color = kGreen;
        if (ACol == kFrequency && text(grid, kFrequency, ARow).size() == 4)
            color = kYellow; // a C-band frequency
    } else {
        if (ACol == kServiceId && !text(grid, kChannelCr, ARow).isEmpty())
            color = kScrambled;
        if (text(grid, kChannelHd, ARow) == QStringLiteral("ja"))
            color = kGreen;
    }
    return color;
}

void TForm1::DataGrid_lyngsatCustomDrawCell(QObject*, int ACol, int ARow, const platform::TRect& CellRect,
                                            grid::TCellState CellState) {
    grid::TDataGrid* g = DataGrid_lyngsat;
    const platform::TColor color =
        CellState.testFlag(grid::TCellStateItem::csSelected) ? 0x000000 : webCellColor(g, ACol, ARow);
    drawFramedCell(g->Canvas, CellRect, color, text(g, ACol, ARow));
}

void TForm1::DataGrid_lyngsat_senderCustomDrawCell(QObject*, int ACol, int ARow,
                                                   const platform::TRect& CellRect,
                                                   grid::TCellState CellState) {
    grid::TDataGrid* g = DataGrid_lyngsat_sender;
    const platform::TColor color =
        CellState.testFlag(grid::TCellStateItem::csSelected) ? 0x000000 : webCellColor(g, ACol, ARow);
    if (text(g, kChannelKind, ARow) == QStringLiteral("R"))
        g->Canvas.Font.Color = kGreen; // radio rows
    drawFramedCell(g->Canvas, CellRect, color, text(g, ACol, ARow));
}

void TForm1::DataGrid_lyngsat_senderCellFormating(QObject*, int ACol, int ARow, platform::TColor& TextColor,
                                                  platform::TFontStyles&, grid::TCellState) {
    if (ACol == kServiceId && text(DataGrid_lyngsat_sender, kChannelKind, ARow) == QStringLiteral("R"))
        TextColor = kGreen;
}

void TForm1::DataGrid_lyngsat_vergleichCustomDrawCell(QObject*, int ACol, int ARow,
                                                      const platform::TRect& CellRect,
                                                      grid::TCellState CellState) {
    grid::TDataGrid* g = DataGrid_lyngsat_vergleich;
    platform::TColor color = listRowStripe(ARow);
    if (g->Cell(kSMark, ARow)->AsBoolean())
        color = kMarked;
    if (ACol == 0) {
        const image::SettingsImage& img = image::Image();
        const int nr = g->Cell(kNumber, ARow)->AsInteger();
        if (nr >= 1 && nr <= img.ChannelCount && (img.Channels[nr].ServiceType & 0x01) != 0)
            color = kScrambled;
    }
    const bool selected = CellState.testFlag(grid::TCellStateItem::csSelected);
    if (selected)
        color = 0x000000;
    g->Canvas.Font.Color = selected ? platform::clHighlightText : platform::clWindowText;
    // The fill leaves a margin: the text the column's display wrote there goes first.
    g->Canvas.Brush.Color = platform::clWindow;
    g->Canvas.FillRect(CellRect);
    paintListCell(g->Canvas, CellRect, color, eightBit(g->GetCellDisplayText(ACol, ARow)), true);
}

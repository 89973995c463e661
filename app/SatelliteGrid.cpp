// The satellite grid on "Sat": its columns, rows built from the satellite table, drawing, reordering
// satellites by dragging a row, deleting with the Delete key or the pop-up, and the double click that
// opens the satellite dialog.
#include "app/ListCells.h"
#include "app/MainWindow.h"
#include "app/SatelliteRows.h"
#include "app/SatelliteSettingsDialog.h"
#include "grid/DgColumnClasses.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgGrid.h"
#include "image/Tables.h"
#include "platform/Keys.h"
#include "platform/Modals.h"

#include <QAction>

namespace {

using Kind = ListColumnKind;

enum class Align { Default, Left, Centre };

struct ColumnInfo {
    const char16_t* caption;
    Kind kind;
    int width; // 0: the column's default width
    Align align;
};

const ColumnInfo kColumns[scColumnCount] = {
    {u"Satellit", Kind::Text, 120, Align::Default}, {u"Position", Kind::Number, 60, Align::Left},
    {u"W/O", Kind::Text, 40, Align::Default},       {u"LNB low", Kind::Number, 60, Align::Centre},
    {u"LNB high", Kind::Number, 0, Align::Centre},  {u"Diseq Mode", Kind::Text, 65, Align::Default},
    {u"Diseq 1.1", Kind::Text, 50, Align::Default}, {u"Diseq 1.2", Kind::Check, 55, Align::Default},
    {u"Positioner", Kind::Text, 60, Align::Centre}, {u"Tone 22 Khz", Kind::Text, 0, Align::Centre},
    {u"Sat-Nr", Kind::Number, 50, Align::Centre},   {u"Transponderzahl", Kind::Number, 100, Align::Default},
};

grid::TDgCustomColumn* makeColumn(const ColumnInfo& info) {
    grid::TDgCustomColumn* column = newListColumn(info.kind, QString::fromUtf16(info.caption));
    if (info.width > 0)
        column->SetWidth(info.width);
    if (info.align != Align::Default)
        column->SetAlignment(info.align == Align::Left ? grid::TAlignment::taLeftJustify
                                                       : grid::TAlignment::taCenter);
    column->SetDrawingOptions(grid::TDrawingOptions::doCustom);
    // None of the columns sorts.
    column->SetOptions(column->Options() & ~grid::TColumnOptions(grid::TColumnOption::coCanSort));
    return column;
}

} // namespace

void TForm1::setUpSatelliteGrid() {
    grid::TDataGrid* g = DataGrid_sats;
    for (const ColumnInfo& info : kColumns)
        g->Columns()->AddColumn(makeColumn(info));
    g->SetOptions(grid::TGridOption::goHeader | grid::TGridOption::goSelectFullRow);

    g->OnCustomDrawCell = [this](QObject*, int ACol, int ARow, const platform::TRect& CellRect,
                                 grid::TCellState CellState) {
        DataGrid_satsCustomDrawCell(ACol, ARow, CellRect, CellState);
    };
    g->OnMouseDown = [this](QObject*, platform::TMouseButton Button, platform::TShiftState Shift, int X,
                            int Y) { DataGrid_satsMouseDown(Button, Shift, X, Y); };
    g->OnMouseMove = [this](QObject*, platform::TShiftState Shift, int X, int Y) {
        DataGrid_satsMouseMove(Shift, X, Y);
    };
    g->OnDragOver = [this](QObject*, QObject* Source, int, int, platform::TDragState, bool& Accept) {
        Accept = DataGrid_satsDragOver(Source);
    };
    g->OnDragDrop = [this](QObject*, QObject* Source, int X, int Y) { DataGrid_satsDragDrop(Source, X, Y); };
    g->OnDblClick = [this](QObject*) { DataGrid_satsDblClick(); };
    g->OnKeyDown = [this](QObject*, int& Key, platform::TShiftState Shift) {
        DataGrid_satsKeyDown(Key, Shift);
    };
    connect(loescheSatellit1, &QAction::triggered, this, &TForm1::loescheSatellit1Click);
}

void TForm1::AddSatelliteRow(int s) {
    const image::SettingsImage& img = image::Image();
    if (s < 1 || s > img.SatelliteCount)
        return;
    const image::TSatelliteRecord& satellite = img.Satellites[s];
    const QStringList texts = satelliteRowTexts(satellite);
    grid::TDataGrid* g = DataGrid_sats;
    const int row = g->AddRow(1);
    // Numbers go in as numbers, so the cells read them in the locale's notation.
    const auto number = [g, row](int column, double value) { g->Cell(column, row)->SetAsFloat(value); };
    const auto text = [g, row, &texts](int column) { g->Cell(column, row)->SetAsString(texts[column]); };
    text(scName);
    number(scNumber, satellite.SatelliteNumber);
    number(scPosition, satellite.OrbitalPosition / 10.0);
    number(scTransponders, satellite.NumTransponders);
    text(scTone22kHz);
    number(scLofLow, satellite.LofLow);
    number(scLofHigh, satellite.LofHigh);
    text(scDiseqcMode);
    text(scDiseqc11);
    g->Cell(scDiseqc12, row)->SetAsBoolean(satellite.Diseqc12 == 1);
    text(scPositioner);
    text(scEastWest);
}

void TForm1::rebuildSatelliteGrid(int select) {
    grid::TDataGrid* g = DataGrid_sats;
    const int top = g->TopRow();
    g->BeginUpdate();
    g->ClearRows();
    for (int s = 1; s <= image::Image().SatelliteCount; ++s)
        AddSatelliteRow(s);
    g->EndUpdate();
    if (g->RowCount() == 0)
        return;
    // The page starts where it started before (bringing its last row into view from the top puts its
    // first row back on top), then the selected row is brought into view.
    if (top > 0)
        g->ScrollToRow(qMin(top + g->GetPageRowCount(false) - 1, g->RowCount() - 1));
    if (select >= 0) {
        g->SetSelectedRow(qMin(select, g->RowCount() - 1));
        g->ScrollToRow(g->SelectedRow());
    }
}

int TForm1::selectedSatelliteRow() const {
    grid::TDataGrid* g = DataGrid_sats;
    const int r = g->SelectedRow();
    return r >= 0 && r < g->RowCount() && g->Selected(r) ? r : -1;
}

int TForm1::satelliteRowAt(int X, int Y) const {
    grid::TDataGrid* g = DataGrid_sats;
    if (g->HitTest(X, Y) != grid::TGridHitPart::Cells)
        return -1;
    const int r = g->GetRowAtPos(X, Y);
    return r < g->RowCount() ? r : -1;
}

void TForm1::DataGrid_satsCustomDrawCell(int ACol, int ARow, const platform::TRect& CellRect,
                                         grid::TCellState CellState) {
    grid::TDataGrid* g = DataGrid_sats;
    if (ARow < 0 || ARow >= g->RowCount())
        return;
    platform::TCanvas& canvas = g->Canvas;
    platform::TColor background = listRowStripe(ARow);
    if (CellState.testFlag(grid::TCellStateItem::csSelected)) {
        background = 0x000000;
        canvas.Font.Color = g->HighlightedTextColor();
    }
    if (ACol != scDiseqc12) {
        paintListCell(canvas, CellRect, background, g->GetCellDisplayText(ACol, ARow));
        return;
    }
    // The fill covers the box the column drew: draw it again on the row's colour, ticked for 1.
    paintListCell(canvas, CellRect, background, QString());
    grid::TColumnDisplay* display = g->Columns()->ColumnItem(ACol)->Display();
    if (display->Canvas)
        display->Paint();
}

void TForm1::DataGrid_satsMouseDown(platform::TMouseButton Button, platform::TShiftState, int X, int Y) {
    if (Button != platform::TMouseButton::mbLeft)
        return;
    MouseDownX = X;
    MouseDownY = Y;
}

void TForm1::DataGrid_satsMouseMove(platform::TShiftState Shift, int, int) {
    if (Shift != platform::TShiftState(platform::TShiftStateItem::ssLeft) || DataGrid_sats->Dragging())
        return;
    if (satelliteRowAt(MouseDownX, MouseDownY) >= 0)
        DataGrid_sats->BeginDrag(false, 5);
}

bool TForm1::DataGrid_satsDragOver(QObject* Source) const {
    return Source == DataGrid_sats;
}

void TForm1::DataGrid_satsDragDrop(QObject* Source, int X, int Y) {
    if (Source != DataGrid_sats)
        return;
    const int to = satelliteRowAt(X, Y);
    const int from = satelliteRowAt(MouseDownX, MouseDownY);
    if (from < 0 || to < 0 || from == to)
        return;
    moveSatellite(from, to);
    // The moved rows stand in their new places with no row selected.
    DataGrid_sats->ClearSelection();
}

void TForm1::DataGrid_satsDblClick() {
    // The position is that of the press that began the double click.
    openSatelliteSettings(satelliteRowAt(MouseDownX, MouseDownY));
}

void TForm1::DataGrid_satsKeyDown(int& Key, platform::TShiftState) {
    if (Key == platform::VK_DELETE)
        loescheSatellit1Click();
}

void TForm1::loescheSatellit1Click() {
    deleteSatelliteRow(selectedSatelliteRow(), true);
}

void TForm1::openSatelliteSettings(int r) {
    grid::TDataGrid* g = DataGrid_sats;
    if (r < 0 || r >= g->RowCount() || r >= image::Image().SatelliteCount)
        return;
    // The dialog starts from what the row shows.
    QStringList texts;
    for (int c = 0; c < scColumnCount; ++c)
        texts << g->GetCellText(c, r);
    Form_satsettings->fillFromRow(r, texts);
    platform::modals().showModal(Form_satsettings);
}

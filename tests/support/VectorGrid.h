#pragma once

#include "VectorRows.h"
#include "grid/DgColumnClasses.h"
#include "grid/DgColumnElements.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomGridControl.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

struct VectorGridRow {
    QStringList texts;
    int height = 0; // 0: the grid's RowSize
    bool visible = true;
    bool selected = false;
    int level = 0;
};

// A grid engine over a plain vector of rows, for the engine's tests and benchmarks: each row has its texts,
// a height, a shown flag, a selected flag and a level.
class VectorGrid : public VectorRows<grid::TDgCustomGridControl, VectorGridRow> {
public:
    using Row = VectorGridRow;

    /// Row height, shown and selected queries, of any row.
    mutable long rowQueries = 0;

    explicit VectorGrid(QWidget* parent = nullptr) : VectorRows(parent) {}
    ~VectorGrid() override {
        // The columns leave while the rows still exist; each departure drops its texts.
        DestroyColumns();
    }

    /// Adds a text column with a header caption and a width; returns it (owned by the collection).
    grid::TDgTextColumn* addTextColumn(const QString& caption, int width = 80) {
        auto* column = new grid::TDgTextColumn();
        column->Header()->SetCaption(caption);
        column->SetWidth(width);
        Columns()->AddColumn(column);
        return column;
    }

    /// Replaces the rows by Count rows whose text is text(col, row) ("c,r" by default).
    void setRows(int Count, const std::function<QString(int, int)>& text = {}) {
        ClearRows();
        fillRows(Count, text);
        recount();
        UpdateVertScrollBar();
        viewport()->update();
    }

    /// Drops the last Count rows, as deleting rows does.
    void removeLastRows(int Count) {
        rows.resize(rows.size() - static_cast<size_t>(Count));
        recount();
        UpdateVertScrollBar();
    }

    void setRowShown(int Index, bool Value) {
        rows[static_cast<size_t>(Index)].visible = Value;
        recount();
        SetRowVisible(Index, Value);
        UpdateVertScrollBar();
    }

    /// Opens Editor over (ACol, ARow) as the interaction layer does, without its events.
    void openEditor(grid::TDgCustomEdit* Editor, int ACol, int ARow) {
        Editor->setParent(viewport());
        SetInplaceEditor(Editor);
        m_cellEditing = true;
        m_editingColumn = ACol;
        m_editingRow = ARow;
        PlaceInplaceEdit();
    }
    void setInputSelected(bool Value) { m_inputSelected = Value; }
    void setTopRowDirect(int Row) { m_topRow = Row; }

    // ---- storage ----

    int GetVisibleRowCount() override { return m_shown; }
    int GetFirstVisibleRow() override {
        for (int i = 0; i < RowCount(); ++i)
            if (rows[static_cast<size_t>(i)].visible)
                return i;
        return -1;
    }
    int GetLastVisibleRow() override {
        for (int i = RowCount() - 1; i >= 0; --i)
            if (rows[static_cast<size_t>(i)].visible)
                return i;
        return -1;
    }
    int RowHeight(int Index) override {
        ++rowQueries;
        const Row* row = at(Index);
        return row && row->height > 0 ? row->height : RowSize();
    }
    int RowLevel(int Index) override {
        const Row* row = at(Index);
        return row ? row->level : 0;
    }
    bool RowVisible(int Index) override {
        ++rowQueries;
        const Row* row = at(Index);
        return row ? row->visible : true;
    }
    bool Selected(int Index) override {
        ++rowQueries;
        const Row* row = at(Index);
        return row && row->selected;
    }
    void SetSelected(int Index, bool Value) override {
        if (Index >= 0 && Index < RowCount())
            rows[static_cast<size_t>(Index)].selected = Value;
    }
    void SelectRange(int FromRow, int ToRow, bool Value) override {
        for (int i = std::max(FromRow, 0); i <= ToRow && i < RowCount(); ++i)
            rows[static_cast<size_t>(i)].selected = Value;
    }
    void GetCellValue(int ACol, int ARow, grid::TCellInfo& Value) override {
        Value.AsString = GetCellText(ACol, ARow);
    }
    int AddRow(int Count) override {
        appendRows(Count);
        recount();
        return RowCount() - 1;
    }
    void SetRowHeight(int Index, int Value) override {
        if (at(Index))
            rows[static_cast<size_t>(Index)].height = Value;
        grid::TDgCustomGridControl::SetRowHeight(Index, Value);
    }

    /// The storage's preparation: the engine's, then the cell's text handed to the display.
    bool PrepareCellCanvas(int ACol, int ARow, grid::TCellState CellState) override {
        grid::TDgCustomGridControl::PrepareCellCanvas(ACol, ARow, CellState);
        grid::TColumnDisplay* display = Columns()->ColumnItem(ACol)->Display();
        display->AsString = GetCellText(ACol, ARow);
        return true;
    }

    using grid::TDgCustomGridControl::UpdateLineSizes;

private:
    void recount() {
        m_shown =
            static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const Row& r) { return r.visible; }));
    }

    int m_shown = 0;
};

/// A 300 x 200 client without border, three 80-pixel text columns "C0".."C2", the options and rows rows.
inline std::unique_ptr<VectorGrid> makeVectorGrid(grid::TGridOptions options, int rows) {
    auto grid = std::make_unique<VectorGrid>();
    grid->SetBorderStyle(platform::TBorderStyle::bsNone);
    grid->resize(300, 200);
    // Shown, so that size changes reach the grid at once.
    grid->show();
    for (int i = 0; i < 3; ++i)
        grid->addTextColumn(QStringLiteral("C%1").arg(i));
    grid->SetOptions(options);
    grid->setRows(rows);
    return grid;
}

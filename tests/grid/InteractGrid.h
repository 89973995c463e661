#pragma once

#include "GridWindow.h"
#include "VectorRows.h"
#include "grid/DgColumnClasses.h"
#include "grid/DgColumnElements.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomGrid.h"
#include "grid/DgEdit.h"

#include <QStringList>
#include <algorithm>
#include <functional>
#include <vector>

struct InteractGridRow {
    QStringList texts;
    bool visible = true;
    bool selected = false;
    int height = 0;
};

// The interaction layer over a plain vector of rows (texts, a shown and a selected flag, a height), with a
// recorder for the grid's events. Storage reads outside the rows are counted, so a test can see that
// nothing read past the data.
class InteractGrid : public VectorRows<grid::TDgCustomGrid, InteractGridRow> {
public:
    using Row = InteractGridRow;
    /// One line per event fired, in order ("select 1 2", "accept 0 3 abc", ...).
    QStringList log;

    explicit InteractGrid(QWidget* parent = nullptr) : VectorRows(parent) {}
    ~InteractGrid() override { DestroyColumns(); }

    grid::TDgTextColumn* addText(const QString& caption, grid::TColumnOptions extra = {}, int width = 80) {
        auto* column = new grid::TDgTextColumn();
        column->Header()->SetCaption(caption);
        column->SetWidth(width);
        column->SetOptions(column->Options() | extra);
        Columns()->AddColumn(column);
        return column;
    }
    grid::TDgCheckBoxColumn* addCheck(const QString& caption, int width = 40) {
        auto* column = new grid::TDgCheckBoxColumn();
        column->Header()->SetCaption(caption);
        column->SetWidth(width);
        column->SetOptions(column->Options() | grid::TColumnOption::coEditing);
        Columns()->AddColumn(column);
        return column;
    }
    /// Count rows of texts "c,r" (or text(c, r)).
    void setRows(int Count, const std::function<QString(int, int)>& text = {}) {
        fillRows(Count, text);
        m_firstShownRow = 0;
        m_lastShownRow = Count > 0 ? Count - 1 : 0;
        UpdateVertScrollBar();
        viewport()->update();
    }
    void hideRow(int Index) {
        rows[size_t(Index)].visible = false;
        SetRowVisible(Index, false);
        UpdateVertScrollBar();
    }
    QString text(int ACol, int ARow) const { return rows[size_t(ARow)].texts[ACol]; }
    /// Rows whose selected flag is set, as "0 2 5".
    QString selectedRows() const {
        QStringList out;
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].selected)
                out << QString::number(i);
        return out.join(QLatin1Char(' '));
    }

    /// Every grid event appends its line to log.
    void recordEvents() {
        using namespace grid;
        auto n = [](int v) { return QString::number(v); };
        OnBeforeSelect = [this, n](QObject*, int c, int r, bool&) {
            log << QStringLiteral("beforeselect ") + n(c) + u' ' + n(r);
        };
        OnSelectCell = [this, n](QObject*, int c, int r) {
            log << QStringLiteral("select ") + n(c) + u' ' + n(r);
        };
        OnDeselectCell = [this, n](QObject*, int c, int r) {
            log << QStringLiteral("deselect ") + n(c) + u' ' + n(r);
        };
        OnBeforeEdit = [this, n](QObject*, int c, int r, bool&) {
            log << QStringLiteral("beforeedit ") + n(c) + u' ' + n(r);
        };
        OnApplyEditText = [this, n](QObject*, int c, int r, QString& v) {
            log << QStringLiteral("applytext ") + n(c) + u' ' + n(r) + u' ' + v;
        };
        OnEdit = [this, n](QObject*, int c, int r, const QString& v) {
            log << QStringLiteral("edit ") + n(c) + u' ' + n(r) + u' ' + v;
        };
        OnEditAccept = [this, n](QObject*, int c, int r, const QString& v, bool&) {
            log << QStringLiteral("accept ") + n(c) + u' ' + n(r) + u' ' + v;
        };
        OnEditText = [this, n](QObject*, int c, int r, QString& v) {
            log << QStringLiteral("edittext ") + n(c) + u' ' + n(r) + u' ' + v;
        };
        OnAfterEdit = [this, n](QObject*, int c, int r, const QString& v) {
            log << QStringLiteral("afteredit ") + n(c) + u' ' + n(r) + u' ' + v;
        };
        OnEditExit = [this](QObject*) { log << QStringLiteral("exit"); };
        OnInputSelectCell = [this, n](QObject*, int c) { log << QStringLiteral("inputselect ") + n(c); };
        OnInputAccept = [this](QObject*, bool&) { log << QStringLiteral("inputaccept"); };
        OnInputAdded = [this](QObject*) { log << QStringLiteral("inputadded"); };
        OnHeaderClick = [this, n](QObject*, int c) { log << QStringLiteral("headerclick ") + n(c); };
        OnHeaderDblClick = [this, n](QObject*, int c) { log << QStringLiteral("headerdblclick ") + n(c); };
        OnFooterClick = [this, n](QObject*, int c) { log << QStringLiteral("footerclick ") + n(c); };
        OnCellClick = [this, n](QObject*, int c, int r) {
            log << QStringLiteral("click ") + n(c) + u' ' + n(r);
        };
        OnCellDblClick = [this, n](QObject*, int c, int r) {
            log << QStringLiteral("dblclick ") + n(c) + u' ' + n(r);
        };
        OnSortColumn = [this, n](QObject*, int c, bool a) {
            log << QStringLiteral("sort ") + n(c) + (a ? QStringLiteral(" asc") : QStringLiteral(" desc"));
        };
    }
    QStringList take() {
        QStringList out = log;
        log.clear();
        return out;
    }

    // ---- storage ----

    int GetVisibleRowCount() override {
        return static_cast<int>(
            std::count_if(rows.begin(), rows.end(), [](const Row& r) { return r.visible; }));
    }
    int GetFirstVisibleRow() override { return m_firstShownRow; }
    int GetLastVisibleRow() override { return m_lastShownRow; }
    int RowHeight(int Index) override {
        const Row* row = at(Index);
        return row && row->height > 0 ? row->height : RowSize();
    }
    bool RowVisible(int Index) override {
        const Row* row = at(Index);
        return row ? row->visible : true;
    }
    bool Selected(int Index) override {
        const Row* row = at(Index);
        return row && row->selected;
    }
    void SetSelected(int Index, bool Value) override {
        if (Index >= 0 && Index < RowCount())
            rows[size_t(Index)].selected = Value;
    }
    void SelectRange(int FromRow, int ToRow, bool Value) override {
        if (FromRow < 0 || ToRow >= RowCount())
            return;
        for (int i = FromRow; i <= ToRow; ++i)
            rows[size_t(i)].selected = Value;
    }
    void GetCellValue(int ACol, int ARow, grid::TCellInfo& Value) override {
        Value.AsString = GetCellText(ACol, ARow);
        Value.AsBoolean = Value.AsString == QStringLiteral("True");
    }
    int AddRow(int Count) override {
        appendRows(Count);
        m_lastShownRow = RowCount() - 1;
        UpdateVertScrollBar();
        return RowCount() - 1;
    }
    void DeleteRow(int Index) override {
        grid::TDgCustomGridControl::DeleteRow(Index);
        rows.erase(rows.begin() + Index);
        m_lastShownRow = RowCount() - 1;
        if (SelectedRow() >= RowCount())
            AssignSelectedCell(SelectedColumn(), RowCount() - 1);
        UpdateVertScrollBar();
    }
    void ClearRows() override {
        rows.clear();
        grid::TDgCustomGridControl::ClearRows();
        m_firstShownRow = 0;
        m_lastShownRow = 0;
        UpdateVertScrollBar();
    }
    void GetCellInfo(grid::TColumnPlay* Play) override {
        Play->AsString = GetCellText(Play->Col, Play->Row);
        Play->AsBoolean = Play->AsString == QStringLiteral("True");
    }
    void CellPlayClick(grid::TColumnPlay* Play) override {
        SetCellText(Play->Col, Play->Row, Play->AsBoolean ? QStringLiteral("True") : QStringLiteral("False"));
        log << QStringLiteral("toggle %1 %2 %3").arg(Play->Col).arg(Play->Row).arg(Play->AsString);
    }
    bool PrepareCellCanvas(int ACol, int ARow, grid::TCellState CellState) override {
        grid::TDgCustomGridControl::PrepareCellCanvas(ACol, ARow, CellState);
        grid::TColumnDisplay* display = Columns()->ColumnItem(ACol)->Display();
        display->AsString = GetCellText(ACol, ARow);
        display->AsBoolean = display->AsString == QStringLiteral("True");
        return true;
    }
};

/// A shown, active window with the grid (text columns "C0".. of width pixels with the extra options, the rows
/// set) and a line edit after it in the focus chain. The grid has the focus and records its events.
struct InteractForm : GridWindow<InteractGrid> {
    InteractForm(grid::TGridOptions options, int rows, int width = 80, int columns = 3,
                 grid::TColumnOptions extra = {}) {
        for (int i = 0; i < columns; ++i)
            grid->addText(QStringLiteral("C%1").arg(i), extra, width);
        grid->SetOptions(options);
        grid->setRows(rows);
        open();
        grid->recordEvents();
    }
};

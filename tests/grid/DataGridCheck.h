#pragma once

#include "grid/DgColumnClasses.h"
#include "grid/DgColumnElements.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgGrid.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

// Helpers for the tests of TDataGrid: columns, rows with identities in column 0, and the checker of the
// row marks that every row operation must leave consistent.
namespace datagridcheck {

inline grid::TDgTextColumn* addText(grid::TDataGrid& Grid, const QString& Caption, int Width = 60) {
    auto* column = new grid::TDgTextColumn();
    column->Header()->SetCaption(Caption);
    column->SetWidth(Width);
    column->SetOptions(column->Options() | grid::TColumnOption::coEditing);
    Grid.Columns()->AddColumn(column);
    return column;
}

inline grid::TDgNumberColumn* addNumber(grid::TDataGrid& Grid, const QString& Caption, int Width = 50) {
    auto* column = new grid::TDgNumberColumn();
    column->Header()->SetCaption(Caption);
    column->SetWidth(Width);
    Grid.Columns()->AddColumn(column);
    return column;
}

inline grid::TDgCheckBoxColumn* addCheck(grid::TDataGrid& Grid, const QString& Caption, int Width = 30) {
    auto* column = new grid::TDgCheckBoxColumn();
    column->Header()->SetCaption(Caption);
    column->SetWidth(Width);
    column->SetOptions(column->Options() | grid::TColumnOption::coEditing);
    Grid.Columns()->AddColumn(column);
    return column;
}

/// Appends rows whose column 0 holds the identity Prefix + number.
inline void addRows(grid::TDataGrid& Grid, int Count, const QString& Prefix = QStringLiteral("r")) {
    for (int i = 0; i < Count; ++i) {
        const int row = Grid.AddRow(1);
        Grid.Cell(0, row)->SetAsString(Prefix + QString::number(row));
    }
}

/// Column 0 of every row, in store order.
inline QStringList ids(grid::TDataGrid& Grid) {
    QStringList out;
    for (int r = 0; r < Grid.RowCount(); ++r)
        out << Grid.Cell(0, r)->AsString();
    return out;
}

/// Column 0 of the row, or "-" for -1 and "?" outside.
inline QString idAt(grid::TDataGrid& Grid, int Row) {
    if (Row == -1)
        return QStringLiteral("-");
    if (Row < 0 || Row >= Grid.RowCount())
        return QStringLiteral("?");
    return Grid.Cell(0, Row)->AsString();
}

/// Rows whose Selected flag is set, as "0 2 5".
inline QString selectedRows(grid::TDataGrid& Grid) {
    QStringList out;
    for (int r = 0; r < Grid.RowCount(); ++r)
        if (Grid.Selected(r))
            out << QString::number(r);
    return out.join(QLatin1Char(' '));
}

/// What is wrong with the row marks; empty when they agree with the rows.
inline QString problems(grid::TDataGrid& Grid) {
    QStringList out;
    const int rows = Grid.RowCount();
    int first = -1;
    int last = -1;
    int shown = 0;
    for (int r = 0; r < rows; ++r) {
        if (!Grid.RowVisible(r))
            continue;
        if (first < 0)
            first = r;
        last = r;
        ++shown;
    }
    if (Grid.FirstShownRow() != first)
        out << QStringLiteral("FirstShownRow %1, expected %2").arg(Grid.FirstShownRow()).arg(first);
    if (Grid.LastShownRow() != last)
        out << QStringLiteral("LastShownRow %1, expected %2").arg(Grid.LastShownRow()).arg(last);
    if (Grid.GetVisibleRowCount() != shown)
        out << QStringLiteral("shown rows %1, counted %2").arg(Grid.GetVisibleRowCount()).arg(shown);
    const int top = Grid.TopRow();
    if (shown == 0 ? top != 0 : (top < 0 || top >= rows || !Grid.RowVisible(top)))
        out << QStringLiteral("TopRow %1 is not a shown row").arg(top);
    int above = 0;
    for (int r = 0; r < std::min(top, rows); ++r)
        if (Grid.RowVisible(r))
            ++above;
    if (Grid.VertScrollBar()->Position() != above)
        out << QStringLiteral("position %1, shown rows above TopRow %2")
                   .arg(Grid.VertScrollBar()->Position())
                   .arg(above);
    const int selected = Grid.SelectedRow();
    if (selected < -1 || selected >= rows)
        out << QStringLiteral("SelectedRow %1 outside the rows").arg(selected);
    const grid::TGridOptions options = Grid.Options();
    if (options.testFlag(grid::TGridOption::goSelectFullRow) &&
        !options.testFlag(grid::TGridOption::goMultiSelect)) {
        const QString expected = selected >= 0 && selected < rows ? QString::number(selected) : QString();
        if (selectedRows(Grid) != expected)
            out << QStringLiteral("Selected flags on [%1], SelectedRow %2")
                       .arg(selectedRows(Grid))
                       .arg(selected);
    }
    if (Grid.SelectionAnchor() < -1 || Grid.SelectionAnchor() >= rows)
        out << QStringLiteral("anchor %1 outside the rows").arg(Grid.SelectionAnchor());
    if (Grid.CellEditing() && (Grid.EditingRow() < 0 || Grid.EditingRow() >= rows))
        out << QStringLiteral("editing row %1 outside the rows").arg(Grid.EditingRow());
    // Child counts agree with the parent links.
    QHash<const grid::TRow*, int> children;
    for (int r = 0; r < rows; ++r)
        if (const grid::TRow* parent = Grid.GetRowRecord(r)->ParentRow())
            ++children[parent];
    for (int r = 0; r < rows; ++r) {
        const grid::TRow* row = Grid.GetRowRecord(r);
        if (children.value(row) != row->ChildCount())
            out << QStringLiteral("row %1 counts %2 children, has %3")
                       .arg(r)
                       .arg(row->ChildCount())
                       .arg(children.value(row));
    }
    return out.join(QStringLiteral("; "));
}

} // namespace datagridcheck

#define CHECK_ROW_MARKS(grid)                                                                                \
    do {                                                                                                     \
        const QString problem_ = datagridcheck::problems(grid);                                              \
        QVERIFY2(problem_.isEmpty(), qPrintable(problem_));                                                  \
    } while (false)

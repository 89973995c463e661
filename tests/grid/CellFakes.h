#pragma once

// A column collection and a grid that record what the cell store asks of them, and the store's
// invariants checked after a table operation.
#include "grid/DgCellClasses.h"
#include "grid/DgCells.h"
#include "grid/DgVirtualColumn.h"
#include "platform/Exceptions.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <memory>
#include <vector>

class FakeColumn final : public grid::CellColumn {
public:
    explicit FakeColumn(std::uint8_t kind, platform::TFontStyles style = {},
                        platform::TColor color = 0x123456)
        : kind(kind), style(style), color(color) {}
    std::uint8_t cellKind() const override { return kind; }
    platform::TFontStyles cellFontStyle() const override { return style; }
    platform::TColor cellColor() const override { return color; }
    QString virtualCellText(int ACol, int ARow) const override { return texts.value({ACol, ARow}); }
    void setVirtualCellText(int ACol, int ARow, const QString& Value) override {
        texts[{ACol, ARow}] = Value;
    }

    std::uint8_t kind;
    platform::TFontStyles style;
    platform::TColor color;
    QHash<QPair<int, int>, QString> texts;
};

class FakeColumns final : public grid::CellColumnList {
public:
    int cellColumnCount() const override { return static_cast<int>(items.size()); }
    grid::CellColumn* cellColumn(int Index) const override { return items.at(Index).get(); }
    std::vector<std::unique_ptr<FakeColumn>> items;
};

class FakeGrid final : public grid::CellGrid {
public:
    platform::TColor cellDrawColor(int ACol, int ARow) override {
        asked.append({ACol, ARow});
        return 0x0000FF;
    }
    platform::TColor cellTextColor(int ACol, int ARow) override {
        asked.append({ACol, ARow});
        return 0x00FF00;
    }
    QList<QPair<int, int>> asked;
};

/// A store over fake columns that records every cell change.
struct Store {
    Store() {
        cells.OnCellChange = [this](grid::TCells* sender, int c, int r) {
            senders.insert(sender);
            changes.append({c, r});
        };
    }
    FakeColumn* addColumn(std::uint8_t kind) {
        columns.items.push_back(std::make_unique<FakeColumn>(kind));
        cells.ColumnNotify(grid::TCells::coAdd, -1, -1);
        return columns.items.back().get();
    }
    FakeColumn* insertColumn(int index, std::uint8_t kind) {
        columns.items.insert(columns.items.begin() + index, std::make_unique<FakeColumn>(kind));
        cells.ColumnNotify(grid::TCells::coInsert, index, -1);
        return columns.items.at(index).get();
    }
    void deleteColumn(int index) {
        cells.ColumnNotify(grid::TCells::coDelete, index, -1);
        columns.items.erase(columns.items.begin() + index);
    }

    FakeColumns columns;
    FakeGrid grid;
    grid::TCells cells{&grid, &columns};
    QList<QPair<int, int>> changes;
    QSet<grid::TCells*> senders;
};

/// Empty when the store is consistent: every column list as long as the row list, every cell owned by
/// the store and held once, the count of shown rows right, parents inside the store.
inline QString storeFault(grid::TCells& cells) {
    QSet<const grid::TCell*> seen;
    for (int c = 0; c < cells.ColumnCount(); ++c) {
        for (int r = 0; r < cells.RowCount(); ++r) {
            const grid::TCell* cell = cells.GetCell(c, r);
            if (!cell || cell->Owner() != &cells)
                return QStringLiteral("cell %1,%2 missing or foreign").arg(c).arg(r);
            if (seen.contains(cell))
                return QStringLiteral("cell %1,%2 held twice").arg(c).arg(r);
            seen.insert(cell);
        }
        try {
            cells.GetCell(c, cells.RowCount());
            return QStringLiteral("column %1 longer than the row list").arg(c);
        } catch (const platform::EListError&) {
        }
    }
    int shown = 0;
    for (int r = 0; r < cells.RowCount(); ++r) {
        const grid::TRow* row = cells.GetRow(r);
        shown += row->Visible() && row->Shown();
        if (row->ParentRow() && cells.IndexOfRow(row->ParentRow()) < 0)
            return QStringLiteral("row %1 has a parent outside the store").arg(r);
    }
    if (shown != cells.VisibleRowCount())
        return QStringLiteral("VisibleRowCount %1, shown rows %2").arg(cells.VisibleRowCount()).arg(shown);
    return {};
}

#define CHECK_STORE(cells)                                                                                   \
    do {                                                                                                     \
        const QString fault = storeFault(cells);                                                             \
        QVERIFY2(fault.isEmpty(), qPrintable(fault));                                                        \
    } while (false)

/// The list index error's text for index.
inline QString listIndexMessage(long long index) {
    return QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(index);
}

/// The message of the list index error that f raises, or "no error".
template <class F> QString listErrorOf(F&& f) {
    try {
        f();
    } catch (const platform::EListError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

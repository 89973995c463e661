#pragma once

#include "grid/DgColumnClasses.h"
#include "grid/DgColumnElements.h"
#include "grid/DgColumns.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <vector>

// The storage the grid test doubles share: rows kept in a vector, each with its texts (one per column in
// index order), served to the engine layer Base. Every storage read outside the rows is counted in
// outsideReads instead of being served.
template <class Base, class Row> class VectorRows : public Base {
public:
    std::vector<Row> rows;
    /// Storage reads of rows at or beyond RowCount (or below 0).
    mutable int outsideReads = 0;

    using Base::Base;

    int RowCount() const override { return static_cast<int>(rows.size()); }
    QString GetCellText(int ACol, int ARow) override {
        const Row* row = at(ARow);
        return row && ACol >= 0 && ACol < row->texts.size() ? row->texts[ACol] : QString();
    }
    QString GetCellDisplayText(int ACol, int ARow) override { return GetCellText(ACol, ARow); }
    void SetCellText(int ACol, int ARow, const QString& Value) override {
        if (at(ARow) && ACol >= 0 && ACol < rows[static_cast<size_t>(ARow)].texts.size())
            rows[static_cast<size_t>(ARow)].texts[ACol] = Value;
    }
    void ExchangeRows(int Index1, int Index2) override {
        std::swap(rows[static_cast<size_t>(Index1)], rows[static_cast<size_t>(Index2)]);
    }
    void CalculateFooters() override {}

    /// The columns' texts follow the collection, as a cell store's column lists do.
    void ColumnsChanged(grid::ColumnsChange Kind, int Constant, int Index, int Param) override {
        for (Row& row : rows) {
            if (Kind == grid::ColumnsChange::Added)
                row.texts << QString();
            else if (Index >= 0 && Index < row.texts.size())
                row.texts.removeAt(Index);
        }
        Base::ColumnsChanged(Kind, Constant, Index, Param);
    }

protected:
    /// Count rows whose text is text(col, row) ("c,r" by default), one per column.
    void fillRows(int Count, const std::function<QString(int, int)>& text) {
        rows.assign(static_cast<size_t>(Count), Row());
        const int columns = this->Columns()->ColumnCount();
        for (int r = 0; r < Count; ++r)
            for (int c = 0; c < columns; ++c)
                rows[static_cast<size_t>(r)].texts
                    << (text ? text(c, r) : QStringLiteral("%1,%2").arg(c).arg(r));
    }
    /// Appends Count rows of empty texts.
    void appendRows(int Count) {
        for (int i = 0; i < Count; ++i) {
            Row row;
            for (int c = 0; c < this->Columns()->ColumnCount(); ++c)
                row.texts << QString();
            rows.push_back(row);
        }
    }
    const Row* at(int Index) const {
        if (Index < 0 || Index >= RowCount()) {
            ++outsideReads;
            return nullptr;
        }
        return &rows[static_cast<size_t>(Index)];
    }
};

#pragma once

#include "grid/ColumnLinks.h"
#include "grid/DgCustomColumn.h"
#include "platform/Canvas.h"

#include <QString>
#include <QStringList>
#include <functional>

// A grid stand-in for the column tests: it answers the geometry and state the collection asks for and
// records every notification as a line of text.
class ColumnsGridFake : public grid::ColumnsGrid {
public:
    // Answers.
    int areaWidth = 600;
    bool indicator = false;
    int horzScroll = 0;
    int selectedColumn = -1;
    const grid::TDgCustomColumn* downColumn = nullptr;
    const grid::TDgCustomColumn* hoverColumn = nullptr;
    platform::TFont font;
    platform::TColor color = platform::clWindow;
    bool loading = false;
    bool destroying = false;
    QWidget* widget = nullptr;
    platform::TRect header{0, 0, 300, 18};
    platform::TRect input{0, 18, 300, 40};
    platform::TRect footer{0, 180, 300, 202};

    /// What happened, one line per call: "change <index> <code> <param>", "columns <kind> <const> <index>",
    /// "relayout <kind> <index>", "refresh <index> <band>".
    QStringList log;
    /// Runs inside ColumnsChanged (for a cell store behind the fake).
    std::function<void(grid::ColumnsChange, int)> onColumnsChanged;

    QStringList take() {
        QStringList out = log;
        log.clear();
        return out;
    }

    void ColumnChanged(grid::TDgCustomColumn* Column, grid::ColumnChange Code, int Param) override {
        log << QStringLiteral("change %1 %2 %3").arg(Column->Index()).arg(static_cast<int>(Code)).arg(Param);
    }
    void ColumnsChanged(grid::ColumnsChange Kind, int Constant, int Index, int) override {
        log << QStringLiteral("columns %1 %2 %3").arg(static_cast<int>(Kind)).arg(Constant).arg(Index);
        if (onColumnsChanged)
            onColumnsChanged(Kind, Index);
    }
    void ColumnsRelayout(grid::ColumnsChange Kind, int, int Index, int) override {
        log << QStringLiteral("relayout %1 %2").arg(static_cast<int>(Kind)).arg(Index);
    }
    void RefreshColumnPart(grid::TDgCustomColumn* Column, grid::ColumnBand Part) override {
        log << QStringLiteral("refresh %1 %2").arg(Column->Index()).arg(static_cast<int>(Part));
    }
    int GetColumnsAreaWidth() const override { return areaWidth; }
    int CellsBandLeft() const override { return indicator ? 12 : 0; }
    int HorzScrollPosition() const override { return horzScroll; }
    platform::TRect GetHeaderRect() const override { return header; }
    platform::TRect GetFooterRect() const override { return footer; }
    platform::TRect GetInputRect() const override { return input; }
    int SelectedColumn() const override { return selectedColumn; }
    const grid::TDgCustomColumn* DownColumn() const override { return downColumn; }
    const grid::TDgCustomColumn* HoverColumn() const override { return hoverColumn; }
    const platform::TFont& GridFont() const override { return font; }
    platform::TColor GridColor() const override { return color; }
    QWidget* GridWidget() const override { return widget; }
    bool IsGridLoading() const override { return loading; }
    bool IsGridDestroying() const override { return destroying; }
};

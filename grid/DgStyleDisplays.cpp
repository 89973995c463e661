#include "grid/DgStyleDisplays.h"

#include "grid/ColumnLinks.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgSharedCommon.h"

namespace grid {

using namespace platform;

TStyleDisplay::TStyleDisplay(ColumnsGrid* AOwner) : m_grid(AOwner) {}

int TStyleDisplay::GetHeaderIndent(const TDgCustomColumn&) const {
    return 0;
}
unsigned TStyleDisplay::GetStyleFlags() const {
    return 0;
}
void TStyleDisplay::AdjustTextRect(TRect&) const {}
void TStyleDisplay::DrawSortArrow(int, int, bool) {}
void TStyleDisplay::DrawFooterContent(const TDgCustomColumn&, const TRect&) {}
void TStyleDisplay::DrawHeaderContent(const TDgCustomColumn&, const TRect&) {}
void TStyleDisplay::PaintBandFiller(const TRect&) {}
void TStyleDisplay::PaintIndicatorCorner(const TRect&, int) {}
void TStyleDisplay::PaintFooter(const TDgCustomColumn&, const TRect&, bool) {}
void TStyleDisplay::PaintColumnHeader(const TDgCustomColumn&, const TRect&) {}
void TStyleDisplay::PaintHeaderBackground(const TDgCustomColumn&, const TRect&) {}
void TStyleDisplay::PaintIndicatorCell(const TRect&, int) {}
void TStyleDisplay::DrawIndicatorMark(const TRect&, bool, bool) {}
void TStyleDisplay::PaintInputCell(const TDgCustomColumn&, const TRect&, bool, bool, bool) {}
void TStyleDisplay::PaintHeaderFiller(const TRect&) {}
int TStyleDisplay::GetHeaderContentWidth(const TDgCustomColumn&) {
    return 0;
}
TColor TStyleDisplay::GridColor() const {
    return clWindow;
}
QWidget* TStyleDisplay::ThemeWidget() const {
    return nullptr;
}
void TStyleDisplay::DrawThemedHeader(const TRect&, int, int) {}
void TStyleDisplay::DrawHeaderText(const QString&, const TRect&, bool) {}
void TStyleDisplay::Line(int, int, int, int, TColor) {}
TCanvas& TStyleDisplay::Surface() {
    return Canvas ? *Canvas : m_measureCanvas;
}

unsigned TDefaultStyleDisplay::GetStyleFlags() const {
    return 0;
}
void TDefaultStyleDisplay::PaintIndicatorCorner(const TRect&, int) {}
void TDefaultStyleDisplay::PaintHeaderBackground(const TDgCustomColumn&, const TRect&) {}
void TDefaultStyleDisplay::PaintHeaderFiller(const TRect&) {}
void TDefaultStyleDisplay::PaintClassicHeader(const TDgCustomColumn&, const TRect&) {}
void TDefaultStyleDisplay::PaintThemedHeader(const TDgCustomColumn&, const TRect&) {}

void TFlatStyleDisplay::PaintBandFiller(const TRect&) {}
void TFlatStyleDisplay::PaintIndicatorCorner(const TRect&, int) {}
void TFlatStyleDisplay::PaintHeaderBackground(const TDgCustomColumn&, const TRect&) {}
void TFlatStyleDisplay::PaintIndicatorCell(const TRect&, int) {}
void TFlatStyleDisplay::PaintClassicHeader(const TDgCustomColumn&, const TRect&) {}

unsigned TOldStyleDisplay::GetStyleFlags() const {
    return 0;
}
void TOldStyleDisplay::PaintIndicatorCorner(const TRect&, int) {}
void TOldStyleDisplay::PaintHeaderBackground(const TDgCustomColumn&, const TRect&) {}
void TOldStyleDisplay::PaintIndicatorCell(const TRect&, int) {}

unsigned TOutlookStyleDisplay::GetStyleFlags() const {
    return 0;
}
void TOutlookStyleDisplay::AdjustTextRect(TRect&) const {}
void TOutlookStyleDisplay::PaintBandFiller(const TRect&) {}
void TOutlookStyleDisplay::PaintIndicatorCorner(const TRect&, int) {}
void TOutlookStyleDisplay::PaintHeaderBackground(const TDgCustomColumn&, const TRect&) {}
void TOutlookStyleDisplay::PaintClassicHeader(const TDgCustomColumn&, const TRect&) {}

unsigned TVistaStyleDisplay::GetStyleFlags() const {
    return 0;
}
void TVistaStyleDisplay::AdjustTextRect(TRect&) const {}
void TVistaStyleDisplay::PaintHeaderBackground(const TDgCustomColumn&, const TRect&) {}
void TVistaStyleDisplay::PaintIndicatorCell(const TRect&, int) {}
void TVistaStyleDisplay::PaintClassicHeader(const TDgCustomColumn&, const TRect&) {}

} // namespace grid

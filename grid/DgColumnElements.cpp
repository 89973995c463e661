#include "grid/DgColumnElements.h"

#include "grid/DgCustomColumn.h"
#include "platform/Rounding.h"

#include <QWidget>

namespace grid {

using namespace platform;

// ---- TVirtualColElement ----

int TVirtualColElement::HorizontalCode() const {
    return static_cast<int>(Column->Alignment());
}

int TVirtualColElement::VerticalCode() const {
    return static_cast<int>(Column->VerticalAlignment());
}

// ---- TColumnDisplay ----

void TColumnDisplay::GetTextRect(TRect& Rect) const {
    Rect = ClientRect;
    Rect.Left += 2;
    Rect.Right -= 2;
}

TCanvas& TColumnDisplay::MeasureCanvas() {
    if (Canvas)
        return *Canvas;
    m_measureCanvas.Font = Column->Font();
    return m_measureCanvas;
}

unsigned TColumnDisplay::TextFlags(const QString& Text, TRect& Rect, bool AllowEllipsis) {
    unsigned flags = DT_NOPREFIX;
    if (Column->BiDiMode() != TBiDiMode::bdLeftToRight)
        flags |= DT_RTLREADING;
    if (Column->Alignment() == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    else if (Column->Alignment() == TAlignment::taCenter)
        flags |= DT_CENTER;
    const TVerticalAlignment vertical = Column->VerticalAlignment();
    if (vertical == TVerticalAlignment::taAlignBottom)
        flags |= DT_BOTTOM;
    else if (vertical == TVerticalAlignment::taVerticalCenter)
        flags |= DT_VCENTER;
    switch (Column->WrapKind()) {
    case TWrapKind::wkEllipsis:
        if (AllowEllipsis)
            flags |= DT_END_ELLIPSIS;
        break;
    case TWrapKind::wkPathEllipsis:
        if (AllowEllipsis)
            flags |= DT_PATH_ELLIPSIS;
        break;
    case TWrapKind::wkWordWrap:
        flags |= DT_WORDBREAK;
        break;
    case TWrapKind::wkNone:
        break;
    }
    if (Column->WrapKind() != TWrapKind::wkWordWrap && !Column->IsMultiLine())
        return flags | DT_SINGLELINE;
    // Several lines: the canvas aligns only single lines vertically, so the top moves here.
    if (vertical != TVerticalAlignment::taAlignTop) {
        TRect measured = Rect;
        MeasureCanvas().DrawText(Text, measured, flags | DT_CALCRECT);
        if (vertical == TVerticalAlignment::taAlignBottom)
            Rect.Top = Rect.Bottom - measured.Height();
        else
            Rect.Top += static_cast<int>(Round((Rect.Bottom - measured.Bottom) / 2.0));
    }
    return flags;
}

void TColumnDisplay::DrawText(const QString& Text, const TRect& Rect) {
    if (!Canvas)
        return;
    Canvas->Brush.Style = TBrushStyle::bsClear;
    TRect rect = Rect;
    const unsigned flags = TextFlags(Text, rect, true);
    Canvas->DrawText(Text, rect, flags);
    Canvas->Brush.Style = TBrushStyle::bsSolid;
}

void TColumnDisplay::DrawHintMark() {
    if (!Canvas)
        return;
    Canvas->Pen.Color = RGB(255, 0, 0);
    Canvas->Brush.Color = RGB(255, 0, 0);
    Canvas->Brush.Style = TBrushStyle::bsSolid;
    const TRect& r = ClientRect;
    Canvas->Polygon({TPoint(r.Right - 5, r.Top), TPoint(r.Right - 1, r.Top), TPoint(r.Right - 1, r.Top + 4)});
}

int TColumnDisplay::GetContentWidth() {
    QSize size;
    GetContentSize(size);
    return size.width();
}

void TColumnDisplay::GetContentSize(QSize& Size) {
    TRect rect;
    GetTextRect(rect);
    const unsigned flags = TextFlags(AsString, rect, false) | DT_CALCRECT | DT_NOCLIP;
    MeasureCanvas().DrawText(AsString, rect, flags);
    Size = QSize(rect.Width(), rect.Height());
}

void TColumnDisplay::FillCellBackground(TColor Color, bool Fill) {
    if (!Canvas)
        return;
    Canvas->Brush.Color = Color;
    Canvas->Brush.Style = TBrushStyle::bsSolid;
    if (Fill)
        Canvas->FillRect(ClientRect);
    else
        Canvas->FrameRect(ClientRect);
}

// ---- TColumnPlay ----

void TColumnPlay::KeyPress(QChar&) {}

void TColumnPlay::MouseDown(TMouseButton, TShiftState, int, int) {}

void TColumnPlay::MouseMove(TShiftState, int, int) {}

void TColumnPlay::MouseUp(TMouseButton, TShiftState, int, int) {}

void TColumnPlay::Refresh() {
    AsBoolean = Column->Display()->AsBoolean;
    // Painting happens in the grid's paint event; the cell is only marked for it.
    if (Widget)
        Widget->update(ClientRect.toQRect());
}

void TColumnPlay::DoChange() {
    if (OnChange)
        OnChange(this);
}

} // namespace grid

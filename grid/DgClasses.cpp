#include "grid/DgClasses.h"

#include "platform/ValueText.h"

#include <QWidget>
#include <utility>

namespace grid {

using platform::TRect;

void ActivateHintW(platform::THintWindow* HintWindow, const TRect& Rect, const QString& Text) {
    if (HintWindow)
        HintWindow->ActivateHint(Rect, platform::SystemText(Text));
}

TRect CalcHintRectW(const platform::THintWindow* HintWindow, int MaxWidth, const QString& Text) {
    if (!HintWindow)
        return TRect();
    return HintWindow->CalcHintRect(MaxWidth, platform::SystemText(Text));
}

void SwapInt(int& A, int& B) {
    std::swap(A, B);
}

int TextHeightW(const platform::TCanvas& Canvas, const QString& Text) {
    return Canvas.TextHeight(Text);
}

int TextWidthW(const platform::TCanvas& Canvas, const QString& Text) {
    return Canvas.TextWidth(Text);
}

int DrawTextWidthW(platform::TCanvas& Canvas, const QString& Text) {
    TRect r;
    Canvas.DrawText(Text, r, platform::DT_CALCRECT);
    return r.Width();
}

bool IsFormActive(const QWidget* Control) {
    if (!Control)
        return false;
    const QWidget* form = Control->window();
    return form && form->isActiveWindow();
}

} // namespace grid

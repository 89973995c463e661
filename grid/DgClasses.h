#pragma once

#include "platform/Canvas.h"
#include "platform/HintWindow.h"
#include "platform/Rect.h"

#include <QString>

class QWidget;

// Text measuring and hint helpers of the grid library.
namespace grid {

/// Shows the hint window (when there is one) at the rectangle, in screen co-ordinates, with the text as the
/// system code page carries it.
void ActivateHintW(platform::THintWindow* HintWindow, const platform::TRect& Rect, const QString& Text);

/// The hint window's size for the text wrapped at MaxWidth; an empty rectangle without a hint window.
platform::TRect CalcHintRectW(const platform::THintWindow* HintWindow, int MaxWidth, const QString& Text);

/// Deletes the object when there is one and clears the reference, so it cannot dangle.
template <typename T> void FreeIfAssigned(T*& Object) {
    delete Object;
    Object = nullptr;
}

/// Exchanges two integers.
void SwapInt(int& A, int& B);

/// Height of a line of the text in the canvas font.
int TextHeightW(const platform::TCanvas& Canvas, const QString& Text);

/// Width of the text in the canvas font.
int TextWidthW(const platform::TCanvas& Canvas, const QString& Text);

/// Width of the rectangle that the text formatter computes for the text (prefix characters removed).
int DrawTextWidthW(platform::TCanvas& Canvas, const QString& Text);

/// True when the control's window exists and is the active window.
bool IsFormActive(const QWidget* Control);

} // namespace grid

#include "grid/DgSharedDraw.h"

#include "grid/DgSharedCommon.h"
#include "platform/Colors.h"
#include "platform/Themes.h"
#include "platform/ValueText.h"

#include <QImage>

namespace grid {

using namespace platform;

void SetClipRect(TCanvas& Canvas, const TRect& R) {
    Canvas.SetClipRect(R);
}

void DrawButtonFace(TCanvas& Canvas, const TRect& R, bool Dark) {
    Canvas.Brush.Style = TBrushStyle::bsSolid;
    Canvas.Brush.Color = clBtnFace;
    Canvas.FillRect(InflateRect(R, -1, -1));
    Frame3D(Canvas, R, clBtnHighlight, Dark ? clWindowFrame : clBtnShadow);
}

void DrawFocusFrame(TCanvas& Canvas, const TRect& R, bool Solid) {
    if (Solid) {
        Canvas.Brush.Style = TBrushStyle::bsSolid;
        Canvas.Brush.Color = clHighlight;
        Canvas.FrameRect(R);
    } else {
        // Every second border pixel inverted: what a pattern of white on black XORs onto the surface.
        Canvas.DrawFocusRect(R);
    }
}

void DrawTextRect(TCanvas& Canvas, const TRect& R, const QString& Text, int Alignment, bool RightToLeft) {
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | DT_EXTERNALLEADING;
    switch (Alignment) {
    case 1:
        flags |= DT_RIGHT;
        break;
    case 2:
        flags |= DT_CENTER;
        break;
    default:
        flags |= DT_LEFT;
        break;
    }
    if (RightToLeft)
        flags |= DT_RTLREADING;
    Canvas.Brush.Style = TBrushStyle::bsClear;
    Canvas.DrawText(Text, R, flags);
    Canvas.Brush.Style = TBrushStyle::bsSolid;
}

void DrawVerticalText(TCanvas& Canvas, const TRect& R, const QString& Text) {
    const int saved = Canvas.Font.Orientation;
    Canvas.Font.Orientation = 900;
    Canvas.DrawText(SystemText(Text), R, DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX | DT_EXTERNALLEADING);
    Canvas.Font.Orientation = saved;
}

void DrawAlphaBitmap(TCanvas& Canvas, int X, int Y, const TBitmap& Bitmap) {
    if (Bitmap.Empty())
        return;
    if (!Bitmap.Is32Bit()) {
        Canvas.Draw(X, Y, Bitmap);
        return;
    }
    const QImage background = Canvas.CopyImage(Bounds(X, Y, Bitmap.Width(), Bitmap.Height()));
    if (background.isNull()) {
        // A surface that cannot be read back (a widget): the painter blends by the alpha byte itself.
        Canvas.DrawImage(X, Y, Bitmap.Image());
        return;
    }
    QImage blended = Bitmap.Image().copy();
    for (int row = 0; row < blended.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(blended.scanLine(row));
        const auto* back = reinterpret_cast<const QRgb*>(background.constScanLine(row));
        for (int col = 0; col < blended.width(); ++col) {
            const QRgb s = line[col];
            const TColor mixed =
                BlendColor(RGB(qRed(s), qGreen(s), qBlue(s)),
                           RGB(qRed(back[col]), qGreen(back[col]), qBlue(back[col])), qAlpha(s));
            line[col] = qRgba(GetRValue(mixed), GetGValue(mixed), GetBValue(mixed), qAlpha(s));
        }
    }
    // The copy is drawn as it is: its alpha byte plays no part any more.
    Canvas.DrawImage(X, Y, blended.convertToFormat(QImage::Format_RGB32));
}

void GradientFillVertical(TCanvas& Canvas, const TRect& R, TColor C1, TColor C2) {
    const int height = R.Bottom - R.Top;
    if (height <= 0)
        return;
    const TPen saved = Canvas.Pen;
    Canvas.Pen.Style = TPenStyle::psSolid;
    Canvas.Pen.Mode = TPenMode::pmCopy;
    Canvas.Pen.Width = 1;
    for (int y = R.Top; y < R.Bottom; ++y) {
        Canvas.Pen.Color = MixColor(C1, C2, static_cast<double>(y - R.Top) / height);
        Canvas.MoveTo(R.Left, y);
        Canvas.LineTo(R.Right, y);
    }
    Canvas.Pen = saved;
}

} // namespace grid

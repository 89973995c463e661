#pragma once

#include "platform/Canvas.h"
#include "platform/Rect.h"
#include "platform/TColor.h"

#include <QWidget>

namespace platform {

/// The application's hint colour (the background of hint windows); clInfoBk unless changed.
TColor HintColor();
void SetHintColor(TColor color);

/// Whether the application shows hints at all (on unless turned off).
bool ShowHints();
void SetShowHints(bool show);

/// A tool-tip styled window that its owner places and sizes itself (QToolTip places and hides itself).
/// It never takes the focus. Deleted with its owner widget.
class THintWindow : public QWidget {
    Q_OBJECT
public:
    explicit THintWindow(QWidget* owner = nullptr);

    /// The background colour; HintColor() at creation.
    TColor Color;
    /// The font of the text.
    TFont Font;

    /// Shows the window at the rectangle (screen co-ordinates) with the text.
    virtual void ActivateHint(const TRect& rect, const QString& text);
    /// The size of the window for the text wrapped at maxWidth, as (0, 0, width, height).
    virtual TRect CalcHintRect(int maxWidth, const QString& text) const;
    /// Hides the window.
    void ReleaseHandle();

    QString Caption() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

} // namespace platform

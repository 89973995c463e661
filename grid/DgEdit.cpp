#include "grid/DgEdit.h"

#include "grid/DgSharedCommon.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/DateTimeText.h"
#include "platform/Rounding.h"
#include "platform/Themes.h"
#include "platform/ValueText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <climits>
#include <cmath>

namespace grid {

using namespace platform;

namespace {
constexpr int kPreviewWidth = 20;
} // namespace

// ---------------------------------------------------------------------------------------------------------
// TDgEditMargins

void TDgEditMargins::SetLeft(int Value) {
    m_left = Value;
    m_owner->RecreateWnd();
}

void TDgEditMargins::SetRight(int Value) {
    m_right = Value;
    m_owner->RecreateWnd();
}

// ---------------------------------------------------------------------------------------------------------
// TDgEditInfo

TDgEditInfo::TDgEditInfo(TDgCustomEdit* Edit) : QWidget(Edit), m_edit(Edit) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    hide();
}

void TDgEditInfo::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    TCanvas canvas(&painter, event->region());
    canvas.Brush.Color = m_edit->Color();
    canvas.FillRect(TRect(0, 0, width(), height()));
    const TBitmap& glyph = m_edit->Glyph();
    int previewLeft = 0;
    if (!glyph.Empty()) {
        TBitmap transparent = glyph;
        transparent.Transparent = true;
        canvas.Draw(0, static_cast<int>(Round((height() - glyph.Height()) / 2.0)), transparent);
        previewLeft = glyph.Width() + 2;
    }
    if (m_edit->ShowPreview()) {
        TRect box(previewLeft, 0, previewLeft + kPreviewWidth, height());
        if (m_edit->PreviewBorder()) {
            canvas.Brush.Color = clGray;
            canvas.FrameRect(box);
            box = InflateRect(box, -1, -1);
        }
        m_edit->DrawPreview(canvas, box);
    }
}

void TDgEditInfo::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() + pos() - m_edit->ClientRect().TopLeft();
    m_edit->InfoMouseDown(p.x(), p.y());
}

void TDgEditInfo::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() + pos() - m_edit->ClientRect().TopLeft();
    m_edit->InfoMouseMove(p.x(), p.y());
}

// ---------------------------------------------------------------------------------------------------------
// TDgCustomEdit: construction and properties

TDgCustomEdit::TDgCustomEdit(QWidget* parent)
    : QLineEdit(parent), m_editMargins(std::make_unique<TDgEditMargins>(this)) {
    // The text may be longer than what the user may type: MaxLength is checked on typing only.
    QLineEdit::setMaxLength(INT_MAX);
    setAcceptDrops(false);
    resize(121, 20);
    LoadCursorResource(crReversedArrow, QStringLiteral("REVERSEDARROW"));
    m_info = new TDgEditInfo(this);
    SetColor(clWindow);
    SetFont(m_font);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            OnChange(this);
    });
    ApplyBorder();
}

TDgCustomEdit::~TDgCustomEdit() = default;

void TDgCustomEdit::SetText(const QString& Value) {
    setText(Value);
    setCursorPosition(0);
}

void TDgCustomEdit::ApplyBorder() {
    // Themed, the style draws the edit's frame; classic, a sunken 3-D edge of two pixels is drawn here.
    const bool single = m_borderStyle == TBorderStyle::bsSingle;
    m_classicBorder = single && !IsThemed();
    setFrame(single && !m_classicBorder);
    const int inset = (m_classicBorder ? 2 : 0) + m_borderWidth;
    setContentsMargins(inset, inset, inset, inset);
    UpdateMargins();
    update();
}

void TDgCustomEdit::SetBorderStyle(TBorderStyle Value) {
    m_borderStyle = Value;
    ApplyBorder();
}

void TDgCustomEdit::SetBorderWidth(int Value) {
    m_borderWidth = std::max(Value, 0);
    ApplyBorder();
}

void TDgCustomEdit::SetColor(TColor Value) {
    m_color = Value;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(Value));
    setPalette(pal);
    m_info->update();
}

void TDgCustomEdit::SetFont(const TFont& Value) {
    m_font = Value;
    setFont(Value.Font);
    QPalette pal = palette();
    pal.setColor(QPalette::Text, toQColor(Value.Color));
    setPalette(pal);
    UpdateMargins();
}

void TDgCustomEdit::SetPasswordChar(QChar Value) {
    m_passwordChar = Value;
    setEchoMode(Value.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

int TDgCustomEdit::SelStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TDgCustomEdit::SetSelStart(int Value) {
    setCursorPosition(std::clamp(Value, 0, static_cast<int>(text().size())));
}

int TDgCustomEdit::SelLength() const {
    return static_cast<int>(selectedText().size());
}

void TDgCustomEdit::SetSelLength(int Value) {
    const int start = SelStart();
    if (Value <= 0)
        setCursorPosition(start);
    else
        setSelection(start, Value);
}

void TDgCustomEdit::SetSelText(const QString& Value) {
    insert(Value);
}

int TDgCustomEdit::FrameWidth() const {
    if (m_borderStyle == TBorderStyle::bsNone)
        return m_borderWidth;
    if (m_classicBorder)
        return 2 + m_borderWidth;
    QStyleOptionFrame opt;
    opt.initFrom(this);
    return style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, this) + m_borderWidth;
}

TRect TDgCustomEdit::ClientRect() const {
    const int f = FrameWidth();
    return TRect(f, f, std::max(f, width() - f), std::max(f, height() - f));
}

void TDgCustomEdit::SetAlignment(TAlignment Value) {
    m_alignment = Value;
    Qt::Alignment a = Qt::AlignLeft;
    if (Value == TAlignment::taRightJustify)
        a = Qt::AlignRight;
    else if (Value == TAlignment::taCenter)
        a = Qt::AlignHCenter;
    setAlignment(a | Qt::AlignVCenter);
    RecreateWnd();
}

void TDgCustomEdit::SetGlyph(const TBitmap& Value) {
    m_glyph = Value;
    UpdateMargins();
    update();
}

void TDgCustomEdit::SetPreviewBorder(bool Value) {
    m_previewBorder = Value;
    m_info->update();
}

void TDgCustomEdit::SetShowPreview(bool Value) {
    m_showPreview = Value;
    UpdateMargins();
    update();
}

// ---------------------------------------------------------------------------------------------------------
// Typed accessors

bool TDgCustomEdit::GetAsBoolean() const {
    return StrToBool(SystemText(text()));
}
TDateTime TDgCustomEdit::GetAsDateTime() const {
    return StrToDateTime(SystemText(text()));
}
double TDgCustomEdit::GetAsFloat() const {
    return StrToFloat(SystemText(text()));
}
int TDgCustomEdit::GetAsInteger() const {
    return StrToInt(SystemText(text()));
}
QString TDgCustomEdit::GetAsString() const {
    return text();
}
void TDgCustomEdit::SetAsBoolean(bool Value) {
    SetText(BoolToStr(Value));
}
void TDgCustomEdit::SetAsDateTime(TDateTime Value) {
    SetText(DateTimeToStr(Value));
}
void TDgCustomEdit::SetAsFloat(double Value) {
    SetText(FloatToStr(Value));
}
void TDgCustomEdit::SetAsInteger(int Value) {
    SetText(IntToStr(Value));
}
void TDgCustomEdit::SetAsString(const QString& Value) {
    SetText(Value);
}

// ---------------------------------------------------------------------------------------------------------
// Virtual operations

bool TDgCustomEdit::UsesDefaultPaint() const {
    return true;
}

TRect TDgCustomEdit::GetPreviewRect() const {
    const TRect client(0, 0, ClientWidth(), ClientHeight());
    const int left = m_glyph.Empty() ? client.Left : client.Left + m_glyph.Width() + 4;
    return TRect(left, client.Top, left + kPreviewWidth, client.Bottom);
}

void TDgCustomEdit::GlyphMouseDown(int X, int Y) {
    if (!m_glyph.Empty() && TRect(0, 0, m_glyph.Width(), ClientHeight()).Contains(QPoint(X, Y)) &&
        OnGlyphClick)
        OnGlyphClick(this);
}

void TDgCustomEdit::PaintContent(TCanvas&) {}

void TDgCustomEdit::DrawPreview(TCanvas& Canvas, const TRect& Rect) {
    if (OnCustomPreviewDraw)
        OnCustomPreviewDraw(this, Canvas, Rect);
}

void TDgCustomEdit::UpdateEditMargins(int& Left, int&) {
    if (m_showPreview)
        Left = 25 + 2 * Left;
    if (!m_glyph.Empty())
        Left = Left + m_glyph.Width() + 4;
}

void TDgCustomEdit::RefreshValueText() {}
void TDgCustomEdit::CaretToEnd() {}
void TDgCustomEdit::EditHook() {}

void TDgCustomEdit::UpdateMargins() {
    int left = m_editMargins->Left();
    int right = m_editMargins->Right();
    UpdateEditMargins(left, right);
    setTextMargins(left, 0, right, 0);
    LayoutChildren();
}

void TDgCustomEdit::LayoutChildren() {
    const TRect client = ClientRect();
    const int infoWidth = (m_glyph.Empty() ? 0 : m_glyph.Width() + 4) + (m_showPreview ? kPreviewWidth : 0);
    if (infoWidth > 0) {
        m_info->setGeometry(client.Left, client.Top, infoWidth, client.Height());
        m_info->show();
        m_info->update();
    } else {
        m_info->hide();
    }
}

void TDgCustomEdit::CreateWnd() {
    m_created = true;
    UpdateMargins();
}

void TDgCustomEdit::RecreateWnd() {
    if (m_created)
        CreateWnd();
    else
        UpdateMargins();
}

void TDgCustomEdit::InfoMouseMove(int, int) {}

void TDgCustomEdit::InfoMouseDown(int X, int Y) {
    GlyphMouseDown(X, Y);
}

void TDgCustomEdit::KeyDown(int& Key, TShiftState Shift) {
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TDgCustomEdit::KeyPress(QChar& Key) {
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TDgCustomEdit::KeyUp(int& Key, TShiftState Shift) {
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

// ---------------------------------------------------------------------------------------------------------
// Typing, pasting

void TDgCustomEdit::InsertTyped(const QString& Text) {
    if (isReadOnly())
        return;
    QString room = Text;
    if (m_maxLength > 0) {
        const qsizetype free = m_maxLength - (text().size() - selectedText().size());
        room = free > 0 ? Text.left(free) : QString();
    }
    if (!room.isEmpty())
        insert(room);
}

void TDgCustomEdit::SendKeyChar(QChar Key) {
    KeyPress(Key);
    TypeChar(Key);
}

void TDgCustomEdit::TypeChar(QChar Key) {
    if (Key.isNull())
        return;
    if (Key.unicode() == 8) {
        if (!isReadOnly())
            backspace();
        return;
    }
    if (Key.unicode() >= 32)
        InsertTyped(QString(Key));
}

void TDgCustomEdit::Paste() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    InsertTyped(clipboard ? clipboard->text() : QString());
}

// ---------------------------------------------------------------------------------------------------------
// Qt events

bool TDgCustomEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && m_wantTabs) {
        auto* ke = static_cast<QKeyEvent*>(event);
        if ((ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) &&
            !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(ke);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TDgCustomEdit::keyPressEvent(QKeyEvent* event) {
    QChar typed;
    const bool keep = RunKeyHandlers(
        event, [this](int& key, TShiftState shift) { KeyDown(key, shift); },
        [this](QChar& key) { KeyPress(key); }, &typed);
    event->accept();
    if (!keep)
        return;
    const QChar original = KeyCharOf(event);
    if (!original.isNull() && typed != original) {
        // A handler replaced the character: the replacement is typed instead.
        TypeChar(typed);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly())
            Paste();
        return;
    }
    if (!original.isNull() && original.unicode() >= 32 && m_maxLength > 0 && !isReadOnly() &&
        text().size() - selectedText().size() >= m_maxLength)
        return;
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return;
    QLineEdit::keyPressEvent(event);
    // Enter and Esc that the edit does not use belong to the dialog (default and cancel buttons), not to
    // the parent control under the edit.
    if (!event->isAccepted()) {
        event->accept();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) && window() != this &&
            qobject_cast<QDialog*>(window())) {
            QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
            QCoreApplication::sendEvent(window(), &copy);
        }
    }
}

void TDgCustomEdit::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat())
        return;
    int key = VirtualKeyOf(event);
    KeyUp(key, ShiftStateOf(event));
    event->accept();
}

void TDgCustomEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint() - ClientRect().TopLeft();
        GlyphMouseDown(p.x(), p.y());
    }
}

bool TDgCustomEdit::IsRealFocusChange(const QFocusEvent* event) {
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

void TDgCustomEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    m_info->update();
    if (IsRealFocusChange(event) && OnEnter)
        OnEnter(this);
}

void TDgCustomEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    m_info->update();
    if (IsRealFocusChange(event) && OnExit)
        OnExit(this);
}

void TDgCustomEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    UpdateMargins();
}

void TDgCustomEdit::showEvent(QShowEvent* event) {
    QLineEdit::showEvent(event);
    if (!m_created)
        CreateWnd();
}

void TDgCustomEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        for (QObject* child : children())
            if (auto* w = qobject_cast<QWidget*>(child))
                w->update();
    } else if (event->type() == QEvent::FontChange) {
        UpdateMargins();
    } else if (event->type() == QEvent::StyleChange) {
        ApplyBorder();
    }
}

void TDgCustomEdit::paintEvent(QPaintEvent* event) {
    if (m_classicBorder != (m_borderStyle == TBorderStyle::bsSingle && !IsThemed()))
        ApplyBorder();
    {
        QPainter painter(this);
        TCanvas canvas(&painter, event->region());
        const TRect whole(0, 0, width(), height());
        TRect inner = whole;
        if (m_classicBorder)
            inner = DrawEdge(canvas, whole, EDGE_SUNKEN);
        else if (m_borderStyle == TBorderStyle::bsSingle)
            inner = InflateRect(whole, -(FrameWidth() - m_borderWidth), -(FrameWidth() - m_borderWidth));
        if (m_borderWidth > 0) {
            canvas.Brush.Color = m_color;
            for (int i = 0; i < m_borderWidth; ++i)
                canvas.FrameRect(InflateRect(inner, -i, -i));
        }
        if (!UsesDefaultPaint()) {
            canvas.SetClipRect(ClientRect());
            PaintContent(canvas);
            return;
        }
    }
    QLineEdit::paintEvent(event);
}

void TDgCustomEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The menu's paste goes the same way as Ctrl+V, so number edits filter it.
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { Paste(); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// ---------------------------------------------------------------------------------------------------------
// TDgEdit

TDgEdit::TDgEdit(QWidget* parent) : TDgCustomEdit(parent) {}

void TDgEdit::SetAsString(const QString& Value) {
    SetText(SystemText(Value));
}

void TDgEdit::CaretToEnd() {
    end(false);
}

void TDgEdit::InfoMouseMove(int X, int) {
    Info()->setCursor(!Glyph().Empty() && X < Glyph().Width() + 2 ? Cursor(crReversedArrow)
                                                                  : QCursor(Qt::ArrowCursor));
}

void TDgEdit::InfoMouseDown(int X, int Y) {
    TDgCustomEdit::InfoMouseDown(X, Y);
    if (!Glyph().Empty() && X < Glyph().Width() + 2)
        selectAll();
}

} // namespace grid

#pragma once

#include "grid/ColumnTypes.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/ControlTypes.h"
#include "platform/Cursors.h"
#include "platform/Environment.h"
#include "platform/Rect.h"

#include <QLineEdit>
#include <functional>

// The single-line edit controls of the grid library: the edit with glyph, preview box, inner margins and
// typed value accessors (TDgCustomEdit, TDgEdit); the number and spin edits are in DgNumberEdit.h and
// DgSpinEdit.h.
namespace grid {

class TDgCustomEdit;

/// The cursor shown over an edit's glyph.
constexpr platform::TCursor crReversedArrow = 1000;

/// (Sender, Rect): paint the preview box.
using TCustomPreviewDrawEvent =
    std::function<void(QObject* Sender, platform::TCanvas& Canvas, const platform::TRect& Rect)>;

/// The inner margins of an edit; each change re-lays the edit out.
class TDgEditMargins {
public:
    explicit TDgEditMargins(TDgCustomEdit* AOwner) : m_owner(AOwner) {}
    int Left() const { return m_left; }
    void SetLeft(int Value);
    int Right() const { return m_right; }
    void SetRight(int Value);

private:
    TDgCustomEdit* m_owner;
    int m_left = 0;
    int m_right = 0;
};

/// The child at the left edge of an edit that paints the glyph and the preview box and reports clicks.
class TDgEditInfo : public QWidget {
    Q_OBJECT
public:
    explicit TDgEditInfo(TDgCustomEdit* Edit);
    TDgCustomEdit* Edit() const { return m_edit; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TDgCustomEdit* m_edit;
};

/// A single-line edit with an optional glyph and preview box at its left, adjustable inner margins and
/// typed value accessors. Its text is never cut by code: MaxLength limits only what the user types or
/// pastes. Key input runs through KeyDown and KeyPress (and their events) before the edit acts on it.
class TDgCustomEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDgCustomEdit(QWidget* parent = nullptr);
    ~TDgCustomEdit() override;

    // The class library's edit properties.
    QString Text() const { return text(); }
    /// Sets the whole text (not cut by MaxLength); the caret goes to the start.
    void SetText(const QString& Value);
    /// The most characters the user may type (0: no limit).
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int Value) { m_maxLength = std::max(Value, 0); }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool Value) { setReadOnly(Value); }
    platform::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(platform::TBorderStyle Value);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value);
    platform::TColor Color() const { return m_color; }
    void SetColor(platform::TColor Value);
    const platform::TFont& Font() const { return m_font; }
    void SetFont(const platform::TFont& Value);
    /// Characters shown in place of the text (a null character shows the text).
    QChar PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(QChar Value);
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    QString SelText() const { return selectedText(); }
    void SetSelText(const QString& Value);
    /// The client area: the control less its border.
    platform::TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }

    // Own properties.
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);
    TDgEditMargins* EditMargins() const { return m_editMargins.get(); }
    /// Drawn left of the text; its bottom-left pixel is its transparent colour.
    const platform::TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const platform::TBitmap& Value);
    bool PreviewBorder() const { return m_previewBorder; }
    void SetPreviewBorder(bool Value);
    bool ShowPreview() const { return m_showPreview; }
    void SetShowPreview(bool Value);
    /// The edit keeps the Tab key for its key handlers instead of moving the focus on.
    bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool Value) { m_wantTabs = Value; }

    /// Set by a column when it prepares the edit as its in-place editor.
    bool InplaceFlag = false;
    /// Set by the grid while it loads a cell's text into the edit: writes of a number edit's Value then
    /// leave the text alone.
    bool FormatLock = false;

    // Typed accessors.
    bool AsBoolean() const { return GetAsBoolean(); }
    platform::TDateTime AsDateTime() const { return GetAsDateTime(); }
    double AsFloat() const { return GetAsFloat(); }
    int AsInteger() const { return GetAsInteger(); }
    QString AsString() const { return GetAsString(); }
    /// StrToBool / StrToDateTime / StrToFloat / StrToInt of the text, with the runtime's conversion errors.
    virtual bool GetAsBoolean() const;
    virtual platform::TDateTime GetAsDateTime() const;
    virtual double GetAsFloat() const;
    virtual int GetAsInteger() const;
    virtual QString GetAsString() const;
    /// Text := "True"/"False", DateTimeToStr, FloatToStr, IntToStr, the value.
    virtual void SetAsBoolean(bool Value);
    virtual void SetAsDateTime(platform::TDateTime Value);
    virtual void SetAsFloat(double Value);
    virtual void SetAsInteger(int Value);
    virtual void SetAsString(const QString& Value);

    /// True: the edit paints itself as an edit; False: PaintContent paints the client area.
    virtual bool UsesDefaultPaint() const;
    /// The preview box: 20 pixels wide at the client's left, right of the glyph (+ 4) when there is one.
    virtual platform::TRect GetPreviewRect() const;
    /// A press inside (0, 0, glyph width, client height) fires OnGlyphClick.
    virtual void GlyphMouseDown(int X, int Y);
    virtual void PaintContent(platform::TCanvas& Canvas);
    /// Fires OnCustomPreviewDraw.
    virtual void DrawPreview(platform::TCanvas& Canvas, const platform::TRect& Rect);
    /// The inner margins from EditMargins: with a preview Left := 25 + 2 x Left; with a glyph Left grows by
    /// its width + 4.
    virtual void UpdateEditMargins(int& Left, int& Right);
    /// Rewrites the text from the value it stands for (number edits); empty here.
    virtual void RefreshValueText();
    /// Puts the caret after the last character (TDgEdit); empty here.
    virtual void CaretToEnd();
    virtual void EditHook();

    /// Recomputes the margins and places the glyph/preview child (and the buttons of a spin edit).
    void UpdateMargins();
    /// Runs a typed character through KeyPress and, when it stays, into the text as if typed.
    void SendKeyChar(QChar Key);
    /// Inserts the clipboard's text at the selection, as far as MaxLength allows.
    virtual void Paste();

    TDgEditInfo* Info() const { return m_info; }

    // Events; each fires only when assigned.
    platform::TNotifyEvent OnChange;
    TCustomPreviewDrawEvent OnCustomPreviewDraw;
    platform::TNotifyEvent OnGlyphClick;
    platform::TKeyEvent OnKeyDown;
    platform::TKeyPressEvent OnKeyPress;
    platform::TKeyEvent OnKeyUp;
    platform::TNotifyEvent OnEnter;
    platform::TNotifyEvent OnExit;

protected:
    /// The window is created (first shown) or re-created: margins and layout are applied.
    virtual void CreateWnd();
    /// Re-creates the window when it exists (property changes that the window takes only at creation).
    void RecreateWnd();
    /// Where the child controls go; the spin edit places its buttons here.
    virtual void LayoutChildren();
    /// The cursor and click handling over the info child, in client co-ordinates.
    virtual void InfoMouseMove(int X, int Y);
    virtual void InfoMouseDown(int X, int Y);
    virtual void KeyDown(int& Key, platform::TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(int& Key, platform::TShiftState Shift);
    /// The width of the border on each side (frame and BorderWidth).
    int FrameWidth() const;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    /// A focus change that the design counts as entering or leaving (not a pop-up menu, not another window).
    static bool IsRealFocusChange(const QFocusEvent* event);

    friend class TDgEditInfo;
    friend class TDgEditMargins;

private:
    void InsertTyped(const QString& Text);
    /// Puts a character that passed KeyPress into the text as typing does (Backspace deletes).
    void TypeChar(QChar Key);
    void ApplyBorder();

    TAlignment m_alignment = TAlignment::taLeftJustify;
    std::unique_ptr<TDgEditMargins> m_editMargins;
    platform::TBitmap m_glyph;
    bool m_previewBorder = true;
    bool m_showPreview = false;
    bool m_wantTabs = false;
    int m_maxLength = 0;
    platform::TBorderStyle m_borderStyle = platform::TBorderStyle::bsSingle;
    int m_borderWidth = 0;
    platform::TColor m_color = platform::clWindow;
    platform::TFont m_font;
    QChar m_passwordChar;
    bool m_created = false;
    bool m_classicBorder = false;
    TDgEditInfo* m_info = nullptr;
};

/// The published edit: the in-place editor of text columns. Values written as text go through the system
/// code page; over its glyph the cursor is the reversed arrow, and a press there selects the whole text.
class TDgEdit : public TDgCustomEdit {
    Q_OBJECT
public:
    explicit TDgEdit(QWidget* parent = nullptr);

    void SetAsString(const QString& Value) override;
    void CaretToEnd() override;

protected:
    void InfoMouseMove(int X, int Y) override;
    void InfoMouseDown(int X, int Y) override;
};

} // namespace grid

#pragma once

#include "grid/CellStoreLinks.h"
#include "grid/ColumnTypes.h"
#include "grid/DgCells.h"
#include "grid/DgColumnElements.h"
#include "grid/DgColumnParts.h"
#include "platform/Canvas.h"
#include "platform/Cursors.h"
#include "platform/Rect.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>

// A grid column: its properties, parts, editor, display and play, and the change reports it sends to
// its collection.
namespace grid {

class ColumnsGrid;
class TDgColumns;
class TDgCustomEdit;

/// A change subscriber: (column, notice).
using TColumnSubscriber = std::function<void(class TDgCustomColumn* Column, ColumnNotice Notice)>;

class TDgCustomColumn : public CellColumn {
public:
    TDgCustomColumn();
    /// Leaves its collection first (RemoveColumn), then frees its parts, editor, display and play.
    virtual ~TDgCustomColumn();
    TDgCustomColumn(const TDgCustomColumn&) = delete;
    TDgCustomColumn& operator=(const TDgCustomColumn&) = delete;

    /// Copies the common properties of another column through the setters.
    virtual void Assign(const TDgCustomColumn& Source);

    // ---- the classes' answers ----

    /// The editing flags: none when not Enabled or when neither the class nor an InplaceEdit edits.
    TColumnFlags GetColumnFlags() const;
    /// The constant trait bits of the class (grid::trait).
    virtual unsigned GetColumnTraits() const { return 0; }
    virtual void SetColumnKind(std::uint8_t Kind) { m_columnKind = Kind; }
    /// The width a text needs on the display's canvas.
    virtual int GetTextWidth(const QString& Text);
    virtual bool IsMultiLine() const { return false; }
    /// The display text of a cell value.
    virtual void FormatValue(const TCellInfo& Info, QString& Text) const;
    virtual void GetInputValue(QString& Value) const { Value = m_inputValue; }
    /// Whether a typed character may start editing.
    virtual bool IsValidKey(QChar Key) const;
    /// Narrows a cell rectangle for a row's nesting level; no column class narrows it.
    virtual void AdjustLevelRect(int Level, platform::TRect& Rect) const;
    /// Sees the edited text before the grid offers it for acceptance; no column class changes it.
    virtual void FilterEditText(QString& Text) const;
    /// Sets up the built-in editor before it is shown.
    virtual void PrepareEditor();
    virtual void UpdateEditor() {}

    /// The built-in in-place editor (hidden until the grid shows it); nullptr for a class without one.
    TDgCustomEdit* Editor();
    /// The cell painter.
    TColumnDisplay* Display();
    /// The cell mouse handler; nullptr for a class without one.
    TColumnPlay* Play();
    /// True when the grid hands this column's cell clicks and keys to its play: the column has a play,
    /// coEditing or the trait that needs none, and the grid is not read-only.
    bool PlayTakesInput(bool GridReadOnly);

    // ---- place in the collection ----

    TDgColumns* Columns() const { return m_columns; }
    /// The grid of the collection, nullptr outside one.
    ColumnsGrid* GetParentComponent() const;
    bool HasParent() const { return true; }
    /// Joins the grid's collection in index order only, as a column loaded with its form does; it joins
    /// the position order in ReadState.
    void SetParentComponent(TDgColumns* Value);
    /// Reads the column's stored properties (ReadProperties sets them, Position among them) while the
    /// column counts as being loaded, then places it in the position order by its Position.
    void ReadState(const std::function<void(TDgCustomColumn&)>& ReadProperties);
    bool IsLoading() const { return m_loading; }

    /// Place in index order, -1 outside a collection.
    int Index() const;
    /// Left less the horizontal scroll position, unless the column is fixed.
    int ClientLeft() const;
    /// 0 the only visible column, 1 the first, 3 the last, 2 any other.
    int ColumnLocation() const;
    TDgCustomColumn* NextColumn();
    TDgCustomColumn* PreviousColumn();
    bool IsOnlyVisibleColumn() const;
    bool IsSelectedColumn() const;
    bool IsDownColumn() const;
    bool IsHoverColumn() const;
    /// The column's span over a band of the grid; other parts leave Rect as it is.
    void GetPartRect(ColumnPartRect Part, platform::TRect& Rect) const;
    platform::TRect SlideRect() const;
    /// Reports a change to the collection (and so to the grid); nothing outside a collection.
    void Changed(ColumnChange Code, int Param = -1);
    /// Asks the grid to repaint a band of the column; nothing outside a collection.
    void RefreshPart(ColumnBand Part);

    // ---- subscribers ----

    /// Registers a subscriber; the result identifies it for RemoveSubscriber.
    int AddSubscriber(TColumnSubscriber Subscriber);
    void RemoveSubscriber(int Id);
    void NotifySubscribers(ColumnNotice Notice);

    // ---- properties ----

    const QString& Name() const { return m_name; }
    void SetName(const QString& NewName);
    int Tag() const { return m_tag; }
    void SetTag(int Value) { m_tag = Value; }

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);
    TBiDiMode BiDiMode() const { return m_biDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    platform::TColor Color() const { return m_color; }
    void SetColor(platform::TColor Value);
    std::uint8_t ColumnKind() const { return m_columnKind; }
    platform::TCursor Cursor() const { return m_cursor; }
    void SetCursor(platform::TCursor Value);
    const QString& DefaultValue() const { return m_defaultValue; }
    void SetDefaultValue(const QString& Value) { m_defaultValue = Value; }
    int DefaultWidth() const { return m_defaultWidth; }
    void SetDefaultWidth(int Value) { m_defaultWidth = Value; }
    TDrawingOptions DrawingOptions() const { return m_drawingOptions; }
    void SetDrawingOptions(TDrawingOptions Value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value) { m_enabled = Value; }
    const platform::TFont& Font() const { return m_font; }
    /// Copies the font; the column no longer follows the grid font.
    void SetFont(const platform::TFont& Value);
    TColumnFooter* Footer() const { return m_footer.get(); }
    void SetFooter(const TColumnFooter& Value);
    TColumnHeader* Header() const { return m_header.get(); }
    void SetHeader(const TColumnHeader& Value);
    /// An editor control of the form used instead of the built-in one; it becomes nullptr when freed.
    TDgCustomEdit* InplaceEdit() const;
    void SetInplaceEdit(TDgCustomEdit* Value);
    bool Editing() const { return m_editing; }
    void SetEditing(bool Value) { m_editing = Value; }
    const QString& InputCaption() const { return m_inputCaption; }
    void SetInputCaption(const QString& Value);
    const QString& InputValue() const { return m_inputValue; }
    void SetInputValue(const QString& Value);
    int Left() const { return m_left; }
    TColumnOptions Options() const { return m_options; }
    void SetOptions(TColumnOptions Value);
    bool ParentCellColor() const { return m_parentCellColor; }
    void SetParentCellColor(bool Value);
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool Value);
    bool FontChanging() const { return m_fontChanging; }
    int Position() const { return m_position; }
    void SetPosition(int Value);
    int RequestedWidth() const { return m_requestedWidth; }
    TDgSlideBounds* SlideBounds() const { return m_slideBounds.get(); }
    void SetSlideBounds(const TDgSlideBounds& Value);
    const QString& SlideCaption() const { return m_slideCaption; }
    void SetSlideCaption(const QString& Value);
    TSlideCatpionLocation SlideCaptionLocation() const { return m_slideCaptionLocation; }
    void SetSlideCaptionLocation(TSlideCatpionLocation Value);
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool Value);
    TSortKind SortKind() const { return m_sortKind; }
    void SetSortKind(TSortKind Value);
    TSortType SortType() const { return m_sortType; }
    void SetSortType(TSortType Value);
    TVerticalAlignment VerticalAlignment() const { return m_verticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment Value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool Value);
    int VisibleIndex() const { return m_visibleIndex; }
    int Width() const { return m_width; }
    void SetWidth(int Value);
    TWrapKind WrapKind() const { return m_wrapKind; }
    void SetWrapKind(TWrapKind Value);
    const QString& StyleClass() const { return m_styleClass; }
    void SetStyleClass(const QString& Value) { m_styleClass = Value; }
    int MinWidth() const { return m_minWidth; }
    void SetMinWidth(int Value) { m_minWidth = Value; }

    // CellColumn
    std::uint8_t cellKind() const override { return m_columnKind; }
    platform::TFontStyles cellFontStyle() const override { return m_font.Style(); }
    platform::TColor cellColor() const override { return m_color; }

protected:
    /// The built-in editor of the class, nullptr when it has none.
    virtual TDgCustomEdit* CreateEditor() { return nullptr; }
    /// The cell painter of the class; every column class answers one.
    virtual std::unique_ptr<TColumnDisplay> CreateDisplay() = 0;
    /// The cell mouse handler of the class, nullptr when it has none.
    virtual std::unique_ptr<TColumnPlay> CreatePlay() { return nullptr; }

    /// Width without auto-sizing: clamps to MinWidth, re-places the columns, reports the difference.
    void SetWidthInternal(int Value);
    /// The grid or the column is being built: columns are not re-placed.
    bool LoadingState() const;

private:
    friend class TDgColumns;
    void FontChanged();
    /// Frees the built-in editor unless something else already did.
    void DestroyEditor();
    void PartChanged(TColumnPart*) { Changed(ColumnChange::Appearance); }

    TDgColumns* m_columns = nullptr;
    QString m_name;
    int m_tag = 0;
    bool m_loading = false;
    bool m_destroying = false;

    TAlignment m_alignment = TAlignment::taLeftJustify;
    TBiDiMode m_biDiMode = TBiDiMode::bdLeftToRight;
    platform::TColor m_color = platform::clWindow;
    std::uint8_t m_columnKind = 8;
    platform::TCursor m_cursor = platform::crDefault;
    QString m_defaultValue;
    int m_defaultWidth = 80;
    TDrawingOptions m_drawingOptions = TDrawingOptions::doNormal;
    bool m_enabled = true;
    platform::TFont m_font;
    std::unique_ptr<TColumnFooter> m_footer;
    std::unique_ptr<TColumnHeader> m_header;
    QPointer<TDgCustomEdit> m_inplaceEdit;
    QPointer<TDgCustomEdit> m_editor;
    bool m_editorMade = false;
    std::unique_ptr<TColumnDisplay> m_display;
    std::unique_ptr<TColumnPlay> m_play;
    bool m_playMade = false;
    bool m_editing = false;
    QString m_inputCaption;
    QString m_inputValue;
    int m_left = 0;
    TColumnOptions m_options = TColumnOption::coCanClick | TColumnOption::coCanInput |
                               TColumnOption::coCanSort | TColumnOption::coPublicUsing;
    bool m_parentCellColor = false;
    bool m_parentFont = true;
    bool m_fontChanging = false;
    int m_position = -1;
    int m_requestedWidth = 80;
    std::unique_ptr<TDgSlideBounds> m_slideBounds;
    QString m_slideCaption;
    TSlideCatpionLocation m_slideCaptionLocation = TSlideCatpionLocation::clTop;
    bool m_sorted = false;
    TSortKind m_sortKind = TSortKind::skAscending;
    TSortType m_sortType = TSortType::stAlphabetic;
    TVerticalAlignment m_verticalAlignment = TVerticalAlignment::taVerticalCenter;
    bool m_visible = true;
    int m_visibleIndex = -1;
    int m_width = 80;
    TWrapKind m_wrapKind = TWrapKind::wkEllipsis;
    QString m_styleClass;
    int m_minWidth = 8;
    std::map<int, TColumnSubscriber> m_subscribers;
    int m_nextSubscriberId = 1;
};

} // namespace grid

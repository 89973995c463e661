#include "grid/DgCustomColumn.h"

#include "grid/DgColumnElements.h"
#include "grid/DgColumns.h"
#include "grid/DgEdit.h"
#include "platform/ValueText.h"

#include <algorithm>

namespace grid {

using namespace platform;

TDgCustomColumn::TDgCustomColumn()
    : m_footer(std::make_unique<TColumnFooter>(this)), m_header(std::make_unique<TColumnHeader>(this)),
      m_slideBounds(std::make_unique<TDgSlideBounds>(this)) {
    m_footer->OnChange = [this](TColumnPart* part) { PartChanged(part); };
    m_header->OnChange = [this](TColumnPart* part) { PartChanged(part); };
    SetColumnKind(8);
}

TDgCustomColumn::~TDgCustomColumn() {
    m_destroying = true;
    if (m_columns) {
        // A destructor must not throw; a grid that fails to hear of the departure cannot be helped here.
        try {
            m_columns->RemoveColumn(this);
        } catch (...) {
        }
    }
    DestroyEditor();
}

void TDgCustomColumn::Assign(const TDgCustomColumn& Source) {
    SetAlignment(Source.Alignment());
    SetColor(Source.Color());
    SetCursor(Source.Cursor());
    SetDefaultValue(Source.DefaultValue());
    SetDrawingOptions(Source.DrawingOptions());
    SetFont(Source.Font());
    m_footer->Assign(*Source.Footer());
    m_header->Assign(*Source.Header());
    SetInputCaption(Source.InputCaption());
    SetInputValue(Source.InputValue());
    SetOptions(Source.Options());
    SetParentFont(Source.ParentFont());
    SetPosition(Source.Position());
    m_slideBounds->Assign(*Source.SlideBounds());
    SetSorted(Source.Sorted());
    SetSortKind(Source.SortKind());
    SetVerticalAlignment(Source.VerticalAlignment());
    SetVisible(Source.Visible());
    SetWidth(Source.Width());
    SetWrapKind(Source.WrapKind());
}

// ---- the classes' answers ----

TColumnFlags TDgCustomColumn::GetColumnFlags() const {
    if (!m_enabled)
        return {};
    if (!(GetColumnTraits() & trait::EditableWithoutInplace) && !m_inplaceEdit)
        return {};
    TColumnFlags flags;
    if (m_options.testFlag(TColumnOption::coEditing))
        flags |= TColumnFlag::cfEditing;
    if (m_options.testFlag(TColumnOption::coCanInput))
        flags |= TColumnFlag::cfInput;
    return flags;
}

int TDgCustomColumn::GetTextWidth(const QString& Text) {
    // The 8-bit text, as the system code page carries it.
    return std::max(Display()->MeasureCanvas().TextWidth(SystemText(Text)) + 6, 8);
}

void TDgCustomColumn::FormatValue(const TCellInfo& Info, QString& Text) const {
    Text = Info.AsString;
}

bool TDgCustomColumn::IsValidKey(QChar) const {
    return false;
}

void TDgCustomColumn::AdjustLevelRect(int, TRect&) const {}

void TDgCustomColumn::FilterEditText(QString&) const {}

// ---- editors ----

TDgCustomEdit* TDgCustomColumn::Editor() {
    if (!m_editorMade && !m_destroying) {
        m_editorMade = true;
        m_editor = CreateEditor();
        if (m_editor)
            m_editor->hide();
    }
    return m_editor;
}

void TDgCustomColumn::DestroyEditor() {
    // The editor may have been freed with a parent the grid gave it; the guarded pointer knows.
    delete m_editor.data();
}

TDgCustomEdit* TDgCustomColumn::InplaceEdit() const {
    return m_inplaceEdit;
}

void TDgCustomColumn::SetInplaceEdit(TDgCustomEdit* Value) {
    // The guarded pointer forgets an editor as soon as it is freed.
    m_inplaceEdit = Value;
}

void TDgCustomColumn::PrepareEditor() {
    TDgCustomEdit* editor = Editor();
    if (!editor)
        return;
    editor->InplaceFlag = true;
    editor->SetAlignment(m_alignment);
    editor->SetBorderStyle(TBorderStyle::bsNone);
    editor->SetBorderWidth(0);
    editor->EditMargins()->SetLeft(1);
}

TColumnDisplay* TDgCustomColumn::Display() {
    if (!m_display && !m_destroying)
        m_display = CreateDisplay();
    return m_display.get();
}

TColumnPlay* TDgCustomColumn::Play() {
    if (!m_playMade && !m_destroying) {
        m_play = CreatePlay();
        m_playMade = true;
    }
    return m_play.get();
}

bool TDgCustomColumn::PlayTakesInput(bool GridReadOnly) {
    return !GridReadOnly && Play() &&
           (m_options.testFlag(TColumnOption::coEditing) || (GetColumnTraits() & trait::PlayWithoutEditing));
}

// ---- place in the collection ----

ColumnsGrid* TDgCustomColumn::GetParentComponent() const {
    return m_columns ? m_columns->Grid() : nullptr;
}

void TDgCustomColumn::SetParentComponent(TDgColumns* Value) {
    if (Value)
        Value->AppendItem(this);
}

void TDgCustomColumn::ReadState(const std::function<void(TDgCustomColumn&)>& ReadProperties) {
    struct LoadingScope {
        bool& flag;
        explicit LoadingScope(bool& f) : flag(f) { flag = true; }
        ~LoadingScope() { flag = false; }
    };
    {
        LoadingScope loading(m_loading);
        if (ReadProperties)
            ReadProperties(*this);
    }
    if (m_columns) {
        m_columns->InsertByPosition(this);
        m_columns->UpdatePositions(false);
    }
}

bool TDgCustomColumn::LoadingState() const {
    return m_loading || (m_columns && m_columns->IsGridLoading());
}

int TDgCustomColumn::Index() const {
    return m_columns ? m_columns->IndexOf(this) : -1;
}

int TDgCustomColumn::ClientLeft() const {
    const ColumnsGrid* grid = GetParentComponent();
    if (grid && m_position >= m_columns->FixedCols())
        return m_left - grid->HorzScrollPosition();
    return m_left;
}

bool TDgCustomColumn::IsOnlyVisibleColumn() const {
    return m_visible && (!m_columns || m_columns->VisibleCount() == 1);
}

int TDgCustomColumn::ColumnLocation() const {
    if (IsOnlyVisibleColumn())
        return 0;
    if (m_visibleIndex == 0)
        return 1;
    if (m_columns && m_visibleIndex == m_columns->VisibleCount() - 1)
        return 3;
    return 2;
}

TDgCustomColumn* TDgCustomColumn::NextColumn() {
    return m_columns ? m_columns->NextColumn(this) : this;
}

TDgCustomColumn* TDgCustomColumn::PreviousColumn() {
    return m_columns ? m_columns->PreviousColumn(this) : this;
}

bool TDgCustomColumn::IsSelectedColumn() const {
    const ColumnsGrid* grid = GetParentComponent();
    return grid && Index() == grid->SelectedColumn();
}

bool TDgCustomColumn::IsDownColumn() const {
    const ColumnsGrid* grid = GetParentComponent();
    return grid && grid->DownColumn() == this;
}

bool TDgCustomColumn::IsHoverColumn() const {
    const ColumnsGrid* grid = GetParentComponent();
    return grid && grid->HoverColumn() == this;
}

void TDgCustomColumn::GetPartRect(ColumnPartRect Part, TRect& Rect) const {
    const ColumnsGrid* grid = GetParentComponent();
    if (!grid)
        return;
    const int left = ClientLeft();
    switch (Part) {
    case ColumnPartRect::Footer: {
        const TRect band = grid->GetFooterRect();
        Rect = TRect(left, band.Top + 4, left + m_width, band.Bottom);
        break;
    }
    case ColumnPartRect::Header: {
        const TRect band = grid->GetHeaderRect();
        Rect = TRect(left, band.Top, left + m_width, band.Bottom);
        break;
    }
    case ColumnPartRect::Input: {
        const TRect band = grid->GetInputRect();
        Rect = TRect(left, band.Top, left + m_width, band.Bottom - 6);
        break;
    }
    }
}

TRect TDgCustomColumn::SlideRect() const {
    return TRect(m_slideBounds->Left(), m_slideBounds->Top(), m_slideBounds->Right(),
                 m_slideBounds->Bottom());
}

void TDgCustomColumn::Changed(ColumnChange Code, int Param) {
    if (m_columns)
        m_columns->ColumnChanged(this, Code, Param);
}

void TDgCustomColumn::RefreshPart(ColumnBand Part) {
    if (m_columns)
        m_columns->RefreshColumnPart(this, Part);
}

// ---- subscribers ----

int TDgCustomColumn::AddSubscriber(TColumnSubscriber Subscriber) {
    const int id = m_nextSubscriberId++;
    m_subscribers.emplace(id, std::move(Subscriber));
    return id;
}

void TDgCustomColumn::RemoveSubscriber(int Id) {
    m_subscribers.erase(Id);
}

void TDgCustomColumn::NotifySubscribers(ColumnNotice Notice) {
    // A copy: a subscriber may remove itself while it is told.
    const auto subscribers = m_subscribers;
    for (const auto& [id, subscriber] : subscribers)
        if (subscriber)
            subscriber(this, Notice);
}

// ---- property setters ----

void TDgCustomColumn::SetName(const QString& NewName) {
    if (NewName == m_name)
        return;
    m_name = NewName;
    NotifySubscribers(ColumnNotice::Caption);
}

void TDgCustomColumn::SetAlignment(TAlignment Value) {
    m_alignment = Value;
    NotifySubscribers(ColumnNotice::Alignment);
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetBiDiMode(TBiDiMode Value) {
    m_biDiMode = Value;
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetColor(TColor Value) {
    m_color = Value;
    NotifySubscribers(ColumnNotice::Color);
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetCursor(TCursor Value) {
    m_cursor = Value;
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetDrawingOptions(TDrawingOptions Value) {
    m_drawingOptions = Value;
    NotifySubscribers(ColumnNotice::DrawingOptions);
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetFont(const TFont& Value) {
    m_font = Value;
    FontChanged();
}

void TDgCustomColumn::FontChanged() {
    // The grid's own font copy (ParentFont) keeps the column following the grid.
    if (m_fontChanging)
        return;
    m_parentFont = false;
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetFooter(const TColumnFooter& Value) {
    m_footer->Assign(Value);
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetHeader(const TColumnHeader& Value) {
    m_header->Assign(Value);
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetSlideBounds(const TDgSlideBounds& Value) {
    m_slideBounds->Assign(Value);
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetInputCaption(const QString& Value) {
    m_inputCaption = Value;
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetInputValue(const QString& Value) {
    m_inputValue = Value;
    Changed(ColumnChange::InputValue);
}

void TDgCustomColumn::SetOptions(TColumnOptions Value) {
    const TColumnOptions old = m_options;
    // At most one column of a collection is the search column.
    if (Value.testFlag(TColumnOption::coSearchColumn) && !old.testFlag(TColumnOption::coSearchColumn) &&
        m_columns) {
        for (int i = 0; i < m_columns->ColumnCount(); ++i) {
            TDgCustomColumn* other = m_columns->ColumnItem(i);
            if (other != this)
                other->m_options.setFlag(TColumnOption::coSearchColumn, false);
        }
    }
    m_options = Value;
    if (!m_columns || m_columns->IsGridLoading())
        return;
    if (!(old.testFlag(TColumnOption::coAutoSize) && Value.testFlag(TColumnOption::coAutoSize)))
        m_columns->AutoSizeColumns(this, true);
    Changed(ColumnChange::Appearance);
    NotifySubscribers(ColumnNotice::Color);
}

void TDgCustomColumn::SetParentCellColor(bool Value) {
    m_parentCellColor = Value;
    RefreshPart(ColumnBand::Cells);
}

void TDgCustomColumn::SetParentFont(bool Value) {
    m_parentFont = Value;
    const ColumnsGrid* grid = GetParentComponent();
    if (Value && grid) {
        m_fontChanging = true;
        m_font = grid->GridFont();
        m_fontChanging = false;
    }
}

void TDgCustomColumn::SetPosition(int Value) {
    if (m_columns && !LoadingState()) {
        // The column's actual place is where the move starts, whatever Position was stored.
        const int from = m_columns->PositionOf(this);
        if (from >= 0)
            m_columns->MoveColumn(from, Value);
    }
    m_position = Value;
}

void TDgCustomColumn::SetSlideCaption(const QString& Value) {
    m_slideCaption = Value;
    RefreshPart(ColumnBand::Whole);
}

void TDgCustomColumn::SetSlideCaptionLocation(TSlideCatpionLocation Value) {
    m_slideCaptionLocation = Value;
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetSorted(bool Value) {
    if (GetColumnTraits() & trait::NoSorting)
        return;
    if (Value) {
        if (m_columns) {
            // At most one sort column: every sorted one (this one too) reports that it stopped.
            for (int i = 0; i < m_columns->ColumnCount(); ++i) {
                TDgCustomColumn* c = m_columns->ColumnItem(i);
                if (c->m_sorted)
                    c->SetSorted(false);
            }
        }
        m_sorted = true;
        Changed(ColumnChange::SortedOn);
    } else {
        m_sorted = false;
        Changed(ColumnChange::SortedOff);
    }
}

void TDgCustomColumn::SetSortKind(TSortKind Value) {
    m_sortKind = Value;
    Changed(ColumnChange::SortOrder);
}

void TDgCustomColumn::SetSortType(TSortType Value) {
    m_sortType = Value;
    Changed(ColumnChange::SortOrder);
}

void TDgCustomColumn::SetVerticalAlignment(TVerticalAlignment Value) {
    m_verticalAlignment = Value;
    Changed(ColumnChange::Appearance);
}

void TDgCustomColumn::SetVisible(bool Value) {
    if (Value == m_visible)
        return;
    m_visible = Value;
    NotifySubscribers(ColumnNotice::Visibility);
    if (!m_columns || LoadingState())
        return;
    m_columns->UpdatePositions(false);
    m_columns->AutoSizeColumns(nullptr, false);
    Changed(ColumnChange::Visibility);
}

void TDgCustomColumn::SetWidth(int Value) {
    SetWidthInternal(Value);
    if (m_columns)
        m_columns->AutoSizeColumns(this, false);
    const ColumnsGrid* grid = GetParentComponent();
    if (grid && grid->IsGridDesigning())
        m_defaultWidth = m_width;
}

void TDgCustomColumn::SetWidthInternal(int Value) {
    m_requestedWidth = std::max(Value, m_minWidth);
    const int difference = m_requestedWidth - m_width;
    m_width = m_requestedWidth;
    if (m_columns && !LoadingState())
        m_columns->UpdatePositions(false);
    Changed(ColumnChange::Width, difference);
}

void TDgCustomColumn::SetWrapKind(TWrapKind Value) {
    m_wrapKind = Value;
    RefreshPart(ColumnBand::Cells);
}

} // namespace grid

// What the user changes in the channel list goes into the tables at once: names, tuner, favourite
// membership and the "S" mark as cells change; moves by dragging a row; deletion of the selected rows.
#include "app/MainWindow.h"
#include "app/RadioGroup.h"
#include "grid/DgCells.h"
#include "grid/DgGrid.h"
#include "image/ChannelEdits.h"
#include "image/Fields.h"
#include "platform/Modals.h"

#include <QTimer>

#include <cstdlib>

using namespace image;

namespace {

constexpr int kDragThreshold = 5;

/// The position of the first entry of group g that names channel c, or -1.
int firstEntryOf(int c, int g) {
    const TFavGroupRecord& group = Image().FavGroups[g];
    for (int j = 0; j < group.NumMembers; ++j) {
        if (group.Entries[static_cast<std::size_t>(j)] == c - 1)
            return j;
    }
    return -1;
}

} // namespace

void TForm1::DataGrid_channelsChange(int ACol, int ARow) {
    // The row builder's own writes, and the corrections below, are no user change.
    if (ListBuilding || ARow < 0 || ARow >= DataGrid_channels->RowCount())
        return;
    const int n = channelNumberOfRow(ARow);
    if (n < 1 || n > Image().ChannelCount)
        return;
    grid::TCell* cell = DataGrid_channels->Cell(ACol, ARow);
    const auto correct = [&](auto write) {
        ListBuilding = true;
        write();
        ListBuilding = false;
    };
    if (ACol == ccChannel) {
        RenameChannel(n, cell->AsString());
        // The cell shows what the receiver will show.
        correct([&] { cell->SetAsString(ChannelName(Image().Channels[n])); });
    } else if (ACol == ccTuner) {
        if (!SetChannelTuner(n, cell->AsString())) {
            platform::modals().messageDlg(QStringLiteral("Fehler bei Tuner !"), platform::MsgDlgType::Warning,
                                          platform::mbCancel);
            correct([&] { cell->SetAsString(ChannelTuner(Image().Channels[n])); });
        }
    } else if (ACol >= ccFav1 && ACol <= ccFav9) {
        const int g = ACol - ccFav1 + 1;
        const int entry = firstEntryOf(n, g);
        switch (SetFavMember(n, g, cell->AsBoolean())) {
        case MembershipChange::Refused:
            correct([&] { cell->SetAsBoolean(false); });
            break;
        case MembershipChange::Removed:
            if (m_viewGroup == g)
                dropGroupEntryRow(g, entry);
            break;
        default:
            break;
        }
    } else if (ACol == ccMark) {
        SetChannelMark(n, cell->AsBoolean());
        DataGrid_channels->viewport()->update(); // the row turns grey or back
    }
}

void TForm1::dropGroupEntryRow(int g, int j) {
    // The click that unticked the box is still running in the grid: the row goes after it.
    const int generation = m_viewGeneration;
    QTimer::singleShot(0, this, [this, g, j, generation] {
        if (generation != m_viewGeneration || m_viewGroup != g)
            return;
        for (int r = 0; r < DataGrid_channels->RowCount(); ++r) {
            if (entryOfRow(r) == j) {
                m_rowEntries.erase(DataGrid_channels->GetRowRecord(r));
                const bool building = ListBuilding;
                ListBuilding = true;
                DataGrid_channels->DeleteRow(r);
                ListBuilding = building;
                break;
            }
        }
        // The entries behind the removed one moved up one place.
        for (auto& [row, entry] : m_rowEntries) {
            if (entry > j)
                --entry;
        }
        setLabelCaption(Label_sendercount, QString::number(DataGrid_channels->RowCount()));
    });
}

void TForm1::DataGrid_channelsHeaderClick(int ACol) {
    SortedByNumber = false;
    ViewUnsorted = false;
    if (ACol == ccNumber && DataGrid_channels->RowCount() > 1 &&
        channelNumberOfRow(0) < channelNumberOfRow(1))
        SortedByNumber = true;
}

void TForm1::DataGrid_channelsKeyDown(int& Key, platform::TShiftState) {
    // The in-place editor hands its keys on to the grid: Delete there edits the name.
    if (Key == platform::VK_DELETE && !DataGrid_channels->CellEditing() && !ListBuilding)
        DeleteSelectedChannels();
}

void TForm1::menuitem_loeschenClick() {
    if (!ListBuilding)
        DeleteSelectedChannels();
}

void TForm1::DeleteSelectedChannels() {
    grid::TDataGrid* g = DataGrid_channels;
    std::vector<int> rows;
    for (int r = 0; r < g->RowCount(); ++r) {
        if (g->Selected(r))
            rows.push_back(r);
    }
    if (rows.size() < 2) {
        const int r = rows.empty() ? g->SelectedRow() : rows.front();
        const int n = channelNumberOfRow(r);
        if (n < 1)
            return;
        DeleteChannel(n);
        radiogroup_favclick();
        if (r < g->RowCount())
            g->SelectCell(g->SelectedColumn() < 0 ? 0 : g->SelectedColumn(), r, {}, true);
        return;
    }
    std::vector<int> numbers;
    for (int r : rows)
        numbers.push_back(channelNumberOfRow(r));
    DeleteChannels(numbers);
    radiogroup_favclick();
    g->ClearMultiSelection();
}

// ---- dragging rows ----

void TForm1::DataGrid_channelsMouseDown(platform::TMouseButton Button, platform::TShiftState, int X, int Y) {
    if (Button == platform::TMouseButton::mbLeft) {
        MouseDownX = X;
        MouseDownY = Y;
    }
}

int TForm1::channelRowAt(int X, int Y) {
    if (DataGrid_channels->HitTest(X, Y) != grid::TGridHitPart::Cells)
        return -1;
    return DataGrid_channels->GetRowAtPos(X, Y);
}

void TForm1::DataGrid_channelsMouseMove(platform::TShiftState Shift, int X, int Y) {
    if (Shift != platform::TShiftState(platform::TShiftStateItem::ssLeft) || DataGrid_channels->Dragging())
        return;
    const bool allowed =
        (RadioGroup_fav->ItemIndex() == 0 && SortedByNumber && ChannelDragEnabled) || ViewUnsorted;
    if (!allowed)
        return;
    // The threshold is counted here: a drag that is merely pending would swallow the release, and a
    // click that shook by a pixel would not tick its box.
    if (std::abs(X - MouseDownX) < kDragThreshold && std::abs(Y - MouseDownY) < kDragThreshold)
        return;
    const int row = channelRowAt(MouseDownX, MouseDownY);
    if (row < 0)
        return;
    // The row is kept by its record: the grid may scroll under the drag.
    m_dragRow = DataGrid_channels->GetRowRecord(row);
    DataGrid_channels->BeginDrag(true);
}

bool TForm1::DataGrid_channelsDragOver(QObject* Source) {
    return Source == DataGrid_channels;
}

void TForm1::DataGrid_channelsDragDrop(QObject* Source, int X, int Y) {
    grid::TDataGrid* g = DataGrid_channels;
    int s = -1;
    for (int r = 0; m_dragRow && r < g->RowCount(); ++r) {
        if (g->GetRowRecord(r) == m_dragRow)
            s = r;
    }
    m_dragRow = nullptr;
    const int t = channelRowAt(X, Y);
    if (Source == g && s >= 0 && t >= 0 && s != t) {
        // Rows name their channel or group entry: a filtered or sorted view moves the ones shown.
        if (m_viewGroup >= 1)
            MoveFavEntry(m_viewGroup, entryOfRow(s), entryOfRow(t));
        else
            MoveChannel(channelNumberOfRow(s), channelNumberOfRow(t));
    }
    radiogroup_favclick();
}

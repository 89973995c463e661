// The satellite tree on "Main": building and drawing it, its pop-up commands, and the satellite
// commands that the satellite grid shares with it.
#include "app/MainWindow.h"
#include "app/SatelliteRows.h"
#include "app/SatelliteSettingsDialog.h"
#include "app/TransponderDialog.h"
#include "grid/DgGrid.h"
#include "image/Fields.h"
#include "image/SatelliteOps.h"
#include "image/TableOps.h"
#include "platform/Colors.h"
#include "platform/Modals.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace {

// Each node carries its 0-based table index: a satellite's for a root, a transponder's for a child.
constexpr int kIndexRole = Qt::UserRole;

constexpr platform::TColor kUsedFont = platform::clBlue;
constexpr platform::TColor clMoneyGreen = 0xC0DCC0;
constexpr platform::TColor kUsedTransponderBackground = 0xDDECEE;

TForm1::TreeNodeLook lookOf(bool transponder, int index) {
    const image::SettingsImage& img = image::Image();
    TForm1::TreeNodeLook look;
    if (transponder) {
        // Counted at every drawing: a transponder turns blue as soon as a channel names it.
        look.used = index >= 0 && image::CountTransponderChannels(index, img) > 0;
        look.background = kUsedTransponderBackground;
    } else {
        look.used = img.SatelliteUsed.inRange(index + 1) && img.SatelliteUsed[index + 1] != 0;
        look.background = clMoneyGreen;
    }
    return look;
}

class SatelliteTreeDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const TForm1::TreeNodeLook look = lookOf(index.parent().isValid(), index.data(kIndexRole).toInt());
        if (!look.used)
            return;
        option->font.setBold(true);
        option->palette.setColor(QPalette::Text, platform::toQColor(kUsedFont));
        option->backgroundBrush = QBrush(platform::toQColor(look.background));
    }
};

QString satelliteLabel(int r, const QString& beforeLetter) {
    const QStringList texts = satelliteRowTexts(image::Image().Satellites[r + 1]);
    return texts[scName] + QLatin1Char(' ') + texts[scPosition] + beforeLetter + texts[scEastWest];
}

} // namespace

void TForm1::setUpSatelliteTree() {
    TreeView_satellites->setItemDelegate(new SatelliteTreeDelegate(TreeView_satellites));
    connect(TreeView_satellites, &QTreeWidget::itemSelectionChanged, this, &TForm1::updateTransponderPopup);
    connect(Transponderparameter_aendern, &QAction::triggered, this,
            &TForm1::Transponderparameter_aendernClick);
    connect(neuerTransponder1, &QAction::triggered, this, &TForm1::neuerTransponder1Click);
    connect(loescheTransponder1, &QAction::triggered, this, &TForm1::loescheTransponder1Click);
    connect(loescheSatellit, &QAction::triggered, this, &TForm1::loescheSatellitClick);
}

void TForm1::MarkUsedTransponders() {
    image::SettingsImage& img = image::Image();
    for (int t = 1; t <= img.TransponderCount; ++t)
        img.TransponderUsed[t] = 0;
    for (int c = 1; c <= img.ChannelCount; ++c) {
        const int t = img.Channels[c].TransponderIndex + 1;
        if (t <= img.TransponderCount)
            img.TransponderUsed[t] = 1;
    }
}

void TForm1::MarkUsedSatellites() {
    MarkUsedTransponders();
    image::SettingsImage& img = image::Image();
    for (int s = 1; s <= img.SatelliteCount; ++s)
        img.SatelliteUsed[s] = 0;
    for (int t = 1; t <= img.TransponderCount; ++t) {
        const int s = img.Transponders[t].SatelliteIndex + 1;
        if (img.TransponderUsed[t] && s <= img.SatelliteCount)
            img.SatelliteUsed[s] = 1;
    }
}

void TForm1::BuildSatelliteTree() {
    MarkUsedSatellites();
    const image::SettingsImage& img = image::Image();
    TreeView_satellites->clear();
    QList<QTreeWidgetItem*> roots;
    for (int s = 1; s <= img.SatelliteCount; ++s) {
        auto* root = new QTreeWidgetItem(QStringList{image::SatelliteDisplayName(img.Satellites[s])});
        root->setData(0, kIndexRole, s - 1);
        roots << root;
    }
    // Children in table order under their satellite, whatever order the table has; a transponder that
    // names no satellite gets no node.
    for (int t = 1; t <= img.TransponderCount; ++t) {
        const int s = img.Transponders[t].SatelliteIndex;
        if (s >= roots.size())
            continue;
        auto* child = new QTreeWidgetItem(QStringList{image::TransponderText(img.Transponders[t])});
        child->setData(0, kIndexRole, t - 1);
        roots[s]->addChild(child);
    }
    TreeView_satellites->addTopLevelItems(roots);
}

int TForm1::TreeNodeTransponderIndex(const QTreeWidgetItem* node) {
    return node && node->parent() ? node->data(0, kIndexRole).toInt() : -1;
}

int TForm1::TreeNodeSatelliteIndex(const QTreeWidgetItem* node) {
    if (!node)
        return -1;
    return (node->parent() ? node->parent() : node)->data(0, kIndexRole).toInt();
}

QTreeWidgetItem* TForm1::selectedTreeNode() const {
    const QList<QTreeWidgetItem*> selected = TreeView_satellites->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

int TForm1::SelectedTransponderIndex() {
    QTreeWidgetItem* node = selectedTreeNode();
    if (node && node->parent())
        setLabelCaption(Label_satellit, node->parent()->text(0));
    return TreeNodeTransponderIndex(node);
}

TForm1::TreeNodeLook TForm1::TreeView_satellitesCustomDrawItem(const QTreeWidgetItem* node) const {
    if (!node)
        return {};
    return lookOf(node->parent() != nullptr, node->data(0, kIndexRole).toInt());
}

void TForm1::updateTransponderPopup() {
    QTreeWidgetItem* node = selectedTreeNode();
    Transponderparameter_aendern->setEnabled(TreeNodeTransponderIndex(node) >= 0);
    neuerTransponder1->setEnabled(node != nullptr);
}

void TForm1::Transponderparameter_aendernClick() {
    const int t = SelectedTransponderIndex();
    if (t < 0 || t >= image::Image().TransponderCount)
        return; // the item is enabled only for a transponder node; a command arriving otherwise does nothing
    TransponderDialogError = 0;
    if (!Form_transponder->prepareEdit(t + 1, selectedTreeNode()->parent()->text(0)))
        return;
    TransponderDialogSaved = 0;
    platform::modals().showModal(Form_transponder);
}

void TForm1::neuerTransponder1Click() {
    TransponderDialogError = 0;
    const image::SettingsImage& img = image::Image();
    const int s = qMax(0, TreeNodeSatelliteIndex(selectedTreeNode()));
    QStringList items;
    for (int r = 0; r < img.SatelliteCount; ++r)
        items << satelliteLabel(r, QStringLiteral("° "));
    Form_transponder->prepareNew(items, s);
    TransponderDialogSaved = 0;
    // Success is what the dialog answers: it accepts only after it wrote the new transponder.
    if (platform::modals().showModal(Form_transponder) == platform::mrOk)
        platform::modals().messageDlg(QStringLiteral("Transponder neu angelegt."),
                                      platform::MsgDlgType::Information, platform::mbOK);
}

void TForm1::loescheTransponder1Click() {
    const int t = TreeNodeTransponderIndex(selectedTreeNode());
    if (t < 0 || t >= image::Image().TransponderCount)
        return;
    image::DeleteTransponder(t);
    rebuildSatelliteViews();
}

void TForm1::loescheSatellitClick() {
    deleteSatelliteRow(TreeNodeSatelliteIndex(selectedTreeNode()), false);
}

void TForm1::deleteSatelliteRow(int r, bool fromGrid) {
    if (r < 0 || r >= image::Image().SatelliteCount)
        return;
    // Without a satellite the image could not be saved, and nothing adds one back.
    if (image::Image().SatelliteCount == 1) {
        platform::modals().messageDlg(QStringLiteral("Der letzte Satellit kann nicht gelöscht werden: "
                                                     "die Datei braucht mindestens einen Satelliten."),
                                      platform::MsgDlgType::Warning, platform::mbOK);
        return;
    }
    // The grid's label has no blank between the degree sign and the letter, the tree's one on each side.
    const QString label = satelliteLabel(r, fromGrid ? QStringLiteral(" °") : QStringLiteral(" ° "));
    const bool ask = !fromGrid || !CheckBox_Loesche_sat_ohne_nachfragen->isChecked();
    if (ask && platform::modals().messageDlg(label + QStringLiteral(" löschen ?"),
                                             platform::MsgDlgType::Confirmation,
                                             platform::mbYes | platform::mbCancel) != platform::mrYes)
        return;
    // The tree leaves the grid's selection on its satellite; the grid selects the row that took the
    // deleted one's place.
    int select = selectedSatelliteRow();
    if (fromGrid)
        select = r;
    else if (select > r)
        --select;
    const int k = image::DeleteSatellite(r);
    rebuildSatelliteViews(select);
    if (const int shown = selectedSatelliteRow(); fromGrid && shown >= 0)
        DataGrid_sats->ScrollToRow(shown + qMin(7, DataGrid_sats->RowCount() - 1 - shown));
    setLabelCaption(Label_satcount, QString::number(image::Image().SatelliteCount));
    if (!fromGrid || CheckBox_info_nach_satloeschen->isChecked())
        platform::modals().messageDlg(label + QStringLiteral(" mit %1 Transponder(n) gelöscht").arg(k),
                                      platform::MsgDlgType::Information, platform::mbOK);
}

void TForm1::moveSatellite(int from, int to) {
    if (image::MoveSatellite(from, to))
        rebuildSatelliteViews();
}

void TForm1::rebuildSatelliteViews() {
    rebuildSatelliteViews(selectedSatelliteRow());
}

void TForm1::rebuildSatelliteViews(int selectRow) {
    BuildSatelliteTree();
    rebuildSatelliteGrid(selectRow);
    radiogroup_favclick();
}

// The channel list of the real main window: views and filters against expected "Nr" lists, editing by
// mouse and keys on the real grid, favourite ticks, deletion and row drags, the saved image byte for byte,
// and the row colours.
#include "FormDriver.h"
#include "ImageInvariants.h"
#include "PixelProbe.h"

#include "app/RadioGroup.h"
#include "grid/DgCells.h"
#include "grid/DgDisplays.h"
#include "grid/DgEdit.h"
#include "image/ChannelEdits.h"
#include "image/Fields.h"
#include "image/ImageFile.h"
#include "image/TableOps.h"
#include "platform/DragDrop.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace image;
using namespace Qt::StringLiterals;

namespace {

ImageFixture listFixture(const std::vector<std::vector<int>>& groups = {{11, 0, 3, 9}, {}, {4, 4, 6}}) {
    // A third satellite without transponders.
    ImageFixture f = ImageFixture::mixedChannels();
    f.satelliteSlots.push_back(ImageFixture::satellite(2, u"Leer"_s, 300));
    for (std::size_t g = 0; g < 9; ++g)
        f.favGroups.push_back(ImageFixture::favGroup(u"Gruppe%1"_s.arg(g + 1),
                                                     g < groups.size() ? groups[g] : std::vector<int>{}));
    return f;
}

/// Types text character by character, umlauts included.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

/// A loaded main window.
struct ListForm {
    FormDriver drv;
    TForm1& f;
    grid::TDataGrid* grid;

    explicit ListForm(const ImageFixture& fixture = listFixture())
        : f(*drv.form), grid(drv.form->DataGrid_channels) {
        drv.pressLoad(drv.writeFile(u"receiver.si"_s, fixture.build()));
        if (!drv.boxes().isEmpty())
            qWarning() << drv.boxes();
        drv.modals.clear();
        // The maximised window takes its geometry before the mouse finds widgets by position.
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCoreApplication::processEvents();
    }
    QWidget* view() const { return grid->viewport(); }
    QRect cellRect(int col, int row) const {
        platform::TRect r;
        grid->GetCellRect(col, row, r);
        return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    }
    QPoint cell(int col, int row) const { return cellRect(col, row).center(); }
    /// The middle of a check box.
    QPoint box(int col, int row) const {
        platform::TRect r;
        grid->GetCellRect(col, row, r);
        const platform::TRect hit = grid::CheckBoxHitRect(*grid->ColumnAt(col), r);
        return QPoint(r.Left + (hit.Left + hit.Right) / 2, r.Top + (hit.Top + hit.Bottom) / 2);
    }
    QPoint header(int col) const { return QPoint(cell(col, 0).x(), 5); }
    void click(QPoint at, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(view(), Qt::LeftButton, mods, at);
    }
    QList<int> numbers() const {
        QList<int> out;
        for (int r = 0; r < grid->RowCount(); ++r)
            out << grid->Cell(ccNumber, r)->AsInteger();
        return out;
    }
    int rowOf(int channel) const { return int(numbers().indexOf(channel)); }
    QList<int> entries(int g) const {
        QList<int> out;
        for (int i = 0; i < Image().FavGroups[g].NumMembers; ++i)
            out << Image().FavGroups[g].Entries[static_cast<std::size_t>(i)];
        return out;
    }
    QList<int> serviceIds() const {
        QList<int> out;
        for (int c = 1; c <= Image().ChannelCount; ++c)
            out << Image().Channels[c].ServiceId;
        return out;
    }
    /// Opens the editor on a cell with a click, replaces its text and presses Enter.
    void typeInto(int col, int row, const QString& text) {
        click(cell(col, row));
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(grid->CellEditing());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Backspace);
        else
            typeText(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    /// Presses on a row and drops it on another with the mouse, through the drag state machine.
    void drag(int from, int to) {
        const QPoint a = cell(ccServiceId, from);
        const QPoint b = to >= 0 ? cell(ccServiceId, to) : QPoint(a.x(), view()->height() - 2);
        QTest::mousePress(view(), Qt::LeftButton, {}, a);
        for (const QPoint p : {a + QPoint(0, 2), b}) {
            QMouseEvent move(QEvent::MouseMove, p, view()->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(view(), &move);
        }
        platform::TDragManager::instance().MouseUp(view()->mapToGlobal(b));
    }
    /// Saves through the scripted dialog and answers the written bytes.
    QByteArray save() {
        const QString path = drv.path(u"saved.si"_s);
        drv.modals.answerSave(path);
        f.Saveto1Click();
        return readAll(path);
    }
};

/// What the image must hold after the test's edits: the fixture's records with those edits made.
QByteArray expectedImage(ImageFixture fixture, const std::function<void(SettingsImage&)>& edit) {
    SettingsImage img;
    if (parseImage(fixture.build(), img))
        return {};
    edit(img);
    QByteArray bytes;
    const QString path = QDir::temp().filePath(u"kanaleditor_expected.si"_s);
    if (WriteImage(img, path))
        return {};
    return readAll(path);
}

} // namespace

class tst_ChannelList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void views_data();
    void views();
    void providerAndTreeViews();
    void cellsOfTheLoad();
    void damagedReferencesLoad();
    void rename_data();
    void rename();
    void deleteInsideTheEditorEditsTheName();
    void tuner_data();
    void tuner();
    void refusedTunerWarnsOnceWhenTheBoxTakesTheFocus();
    void favouriteTicks_data();
    void favouriteTicks();
    void untickInGroupViewDropsOnlyThatRow();
    void tickRefusedAt255Members();
    void markTurnsTheRowGrey();
    void deletion_data();
    void deletion();
    void drags_data();
    void drags();
    void headerClicksAndDragFlags();
    void dropsFromOtherControlsAreRefused();
    void everyEditReachesTheSavedImage();
    void rowColours();
};

// ---- views ----

void tst_ChannelList::views_data() {
    QTest::addColumn<int>("fav");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("tuner");
    QTest::addColumn<QString>("contains");
    QTest::addColumn<QString>("startsWith");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("alle") << 0 << 0 << 0 << QString() << QString()
                          << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    QTest::newRow("TV free") << 0 << 1 << 0 << QString() << QString() << QList<int>{1, 5, 8};
    QTest::newRow("Paytv") << 0 << 2 << 0 << QString() << QString() << QList<int>{3};
    QTest::newRow("HD") << 0 << 3 << 0 << QString() << QString() << QList<int>{2, 4, 10};
    QTest::newRow("Radio, Tuner2") << 0 << 4 << 2 << QString() << QString() << QList<int>{10};
    QTest::newRow("Suchtext any case") << 0 << 0 << 0 << u"EIN"_s << QString() << QList<int>{5, 7};
    QTest::newRow("Suchtext umlaut") << 0 << 0 << 0 << u"ö"_s << QString() << QList<int>{6};
    QTest::newRow("Wortanfang") << 0 << 0 << 1 << QString() << u"s"_s << QList<int>{3, 8, 11};
    QTest::newRow("group order") << 1 << 0 << 0 << QString() << QString() << QList<int>{12, 1, 4, 10};
    QTest::newRow("group, Radio") << 1 << 4 << 0 << QString() << QString() << QList<int>{12, 10};
    QTest::newRow("group, Wortanfang") << 1 << 0 << 0 << QString() << u"ra"_s << QList<int>{12, 10};
    QTest::newRow("empty group") << 2 << 0 << 0 << QString() << QString() << QList<int>{};
    QTest::newRow("group naming a channel twice")
        << 3 << 0 << 0 << QString() << QString() << QList<int>{5, 5, 7};
}

void tst_ChannelList::views() {
    QFETCH(int, fav);
    QFETCH(int, type);
    QFETCH(int, tuner);
    QFETCH(QString, contains);
    QFETCH(QString, startsWith);
    QFETCH(QList<int>, expected);
    ListForm w;
    // The search edits rebuild when they are left with a changed text.
    typeText(w.f.Edit_suche, contains);
    QTest::keyClick(w.f.Edit_suche, Qt::Key_Return);
    typeText(w.f.Edit_suchanfang, startsWith);
    QTest::keyClick(w.f.Edit_suchanfang, Qt::Key_Return);
    w.f.RadioGroup_filter->setItemIndex(type);
    w.f.RadioGroup_tuner->setItemIndex(tuner);
    w.f.RadioGroup_fav->setItemIndex(fav);
    QCOMPARE(w.numbers(), expected);
    QCOMPARE(w.f.Label_sendercount->text(), QString::number(expected.size()));
    QCOMPARE(w.f.SortedByNumber, fav == 0);
    QVERIFY(w.f.ViewUnsorted);
    QCOMPARE(w.f.Verschieben1->isEnabled(), fav != 0);

    // Emptying a search text and leaving the edit shows the view without it again.
    w.f.Edit_suche->clear();
    w.f.Edit_suchanfang->clear();
    emit w.f.Edit_suche->editingFinished();
    emit w.f.Edit_suchanfang->editingFinished();
    const QList<int> unsearched = w.numbers();
    w.f.RadioGroup_tuner->setItemIndex(tuner == 0 ? 1 : 0);
    w.f.RadioGroup_tuner->setItemIndex(tuner);
    QCOMPARE(w.numbers(), unsearched);
    QVERIFY(unsearched.size() >= expected.size());
}

void tst_ChannelList::providerAndTreeViews() {
    ListForm w;
    w.f.RadioGroup_filter->setItemIndex(1); // TV free narrows these views too
    w.f.ListBox_provider->setCurrentRow(1);
    w.f.ListBox_providerClick();
    QCOMPARE(w.numbers(), (QList<int>{5, 8}));
    QCOMPARE(w.f.Label_sendercount->text(), u"2"_s);

    w.f.RadioGroup_filter->setItemIndex(0);
    QTreeWidget* tree = w.f.TreeView_satellites;
    QCOMPARE(tree->topLevelItemCount(), 3);
    tree->setCurrentItem(tree->topLevelItem(1));
    w.f.ShowTreeNodeChannels();
    QCOMPARE(w.numbers(), (QList<int>{3, 7, 11, 5, 8, 12}));
    QCOMPARE(w.f.Label_satellit->text(), tree->topLevelItem(1)->text(0));
    QCOMPARE(w.f.Label_transp_count->text(), u"2"_s);
    tree->setCurrentItem(tree->topLevelItem(0)->child(1));
    w.f.ShowTreeNodeChannels();
    QCOMPARE(w.numbers(), (QList<int>{2, 6, 10}));
    QCOMPARE(w.f.Label_satellit->text(), tree->topLevelItem(0)->text(0));
    QVERIFY(w.f.Transponderparameter_aendern->isEnabled());
    tree->setCurrentItem(tree->topLevelItem(2));
    w.f.ShowTreeNodeChannels();
    QCOMPARE(w.numbers(), QList<int>{});
    QCOMPARE(w.f.Label_sendercount->text(), u"0"_s);
    QCOMPARE(w.f.Label_transp_count->text(), u"0"_s);
}

void tst_ChannelList::cellsOfTheLoad() {
    ListForm w;
    QCOMPARE(w.f.Label_sendercount->text(), u"12"_s);
    QCOMPARE(w.numbers().size(), 12);
    QStringList texts;
    for (int c = 0; c < ccColumnCount; ++c)
        texts << w.grid->Cell(c, 11)->AsString();
    QCOMPARE(texts.mid(0, 13),
             (QStringList{u"Radio Bremen"_s, u"5° W"_s, u"11034"_s, u"R"_s, u"R S"_s, u"1"_s, u"111"_s,
                          u"256"_s, u"257"_s, u"256"_s, u"4"_s, u"12"_s, u"0"_s}));
    QCOMPARE(w.grid->Cell(ccFav1, 11)->AsBoolean(), true);
    QCOMPARE(w.grid->Cell(ccFav1 + 1, 11)->AsBoolean(), false);
    QCOMPARE(w.grid->Cell(ccMark, 5)->AsBoolean(), true);
    QCOMPARE(w.grid->Cell(ccSat, 0)->AsString(), u"19,2° O"_s);
    QCOMPARE(columnCaption(w.grid, ccFav1), u"Grup"_s);
    QCOMPARE(w.f.channelGridNames().mid(0, 3), (QStringList{u"Das Erste"_s, u"ZDF HD"_s, u"Sky Cinema"_s}));
}

void tst_ChannelList::damagedReferencesLoad() {
    ImageFixture fixture = listFixture({{11, 0x3FF, 0}});
    fixture.channels[2].TransponderIndex = 40; // past the transponders
    ListForm w(fixture);
    QVERIFY(w.f.FileLoaded);
    QCOMPARE(w.numbers().size(), 12);
    QCOMPARE(w.grid->Cell(ccFrequency, 2)->AsInteger(), 0);
    QCOMPARE(w.grid->Cell(ccSat, 2)->AsString(), QString());
    QCOMPARE(w.grid->Cell(ccTransponder, 2)->AsInteger(), 41);
    w.f.RadioGroup_fav->setItemIndex(1);
    QCOMPARE(w.numbers(), (QList<int>{12, 1}));
}

// ---- editing ----

void tst_ChannelList::rename_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");
    // Channel 3 is "Sky Cinema".
    QTest::newRow("three letters") << u"Neu"_s << QByteArray("Neu\0Cinema\0\0\0\0\0\0", 16) << u"Neu"_s;
    QTest::newRow("sixteen") << u"ABCDEFGHIJKLMNOP"_s << QByteArray("ABCDEFGHIJKLMNOP")
                             << u"ABCDEFGHIJKLMNO"_s;
    QTest::newRow("twenty typed, sixteen stored")
        << u"ABCDEFGHIJKLMNOPQRST"_s << QByteArray("ABCDEFGHIJKLMNOP") << u"ABCDEFGHIJKLMNO"_s;
    QTest::newRow("more than the editor takes")
        << u"ABCDEFGHIJKLMNOPQRSTUVW"_s << QByteArray("ABCDEFGHIJKLMNOP") << u"ABCDEFGHIJKLMNO"_s;
    QTest::newRow("umlauts") << u"Ärger"_s << QByteArray("\xC4rger\0nema\0\0\0\0\0\0", 16) << u"Ärger"_s;
    QTest::newRow("empty zeroes every byte") << QString() << QByteArray(16, '\0') << QString();
}

void tst_ChannelList::rename() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    ListForm w;
    w.typeInto(ccChannel, 2, typed);
    const Name16& name = Image().Channels[3].ServiceName;
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(name.data()), 16), stored);
    QCOMPARE(w.grid->Cell(ccChannel, 2)->AsString(), shown);
    QCOMPARE(Image().ChannelCount, 12);
    QVERIFY_IMAGE_INVARIANTS(Image());
}

void tst_ChannelList::deleteInsideTheEditorEditsTheName() {
    ListForm w;
    w.click(w.cell(ccChannel, 1));
    QVERIFY(w.grid->CellEditing());
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(Image().ChannelCount, 12);
    QCOMPARE(ChannelName(Image().Channels[2]), u"DF HD"_s);
    // Outside the editor the key deletes the selected channel.
    w.click(w.cell(ccServiceId, 1));
    QTest::keyClick(w.grid, Qt::Key_Delete);
    QCOMPARE(Image().ChannelCount, 11);
    QCOMPARE(ChannelName(Image().Channels[2]), u"Sky Cinema"_s);
}

void tst_ChannelList::tuner_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("cell");
    // Channel 1 starts on tuner 1 (flags 0x01).
    QTest::newRow("2 sets bit 7") << u"2"_s << 0x81 << QStringList{} << u"2"_s;
    QTest::newRow("1 keeps it clear") << u"1"_s << 0x01 << QStringList{} << u"1"_s;
    QTest::newRow("3 refused, cell set back")
        << u"3"_s << 0x01 << QStringList{u"Fehler bei Tuner !"_s} << u"1"_s;
    QTest::newRow("empty refused") << QString() << 0x01 << QStringList{u"Fehler bei Tuner !"_s} << u"1"_s;
}

void tst_ChannelList::tuner() {
    QFETCH(QString, typed);
    QFETCH(int, flags);
    QFETCH(QStringList, boxes);
    QFETCH(QString, cell);
    ListForm w;
    w.typeInto(ccTuner, 0, typed);
    QCOMPARE(int(Image().Channels[1].TunerFlags), flags);
    QCOMPARE(w.drv.boxes(), boxes);
    QCOMPARE(w.grid->Cell(ccTuner, 0)->AsString(), cell);
    w.f.radiogroup_favclick();
    QCOMPARE(w.grid->Cell(ccTuner, 0)->AsString(), cell);
}

// A real message box takes the keyboard focus from the name editor while the change is being taken;
// that must not take the typed text a second time (and warn a second time).
void tst_ChannelList::refusedTunerWarnsOnceWhenTheBoxTakesTheFocus() {
    ListForm w;
    QLineEdit box; // stands in for the message box window
    int shown = 0;
    w.drv.modals.whileMessageShown = [&box, &shown] {
        ++shown;
        QWidget* before = QApplication::focusWidget();
        box.show();
        box.activateWindow();
        box.setFocus();
        QApplication::processEvents();
        box.hide();
        if (before) {
            before->activateWindow();
            before->setFocus();
        }
        QApplication::processEvents();
    };
    w.typeInto(ccTuner, 0, u"3"_s);
    QApplication::processEvents();
    QCOMPARE(shown, 1);
    QCOMPARE(w.drv.boxes(), QStringList{u"Fehler bei Tuner !"_s});
    QCOMPARE(int(Image().Channels[1].TunerFlags), 0x01);
    QCOMPARE(w.grid->Cell(ccTuner, 0)->AsString(), u"1"_s);
    QVERIFY(!w.grid->CellEditing());
}

void tst_ChannelList::favouriteTicks_data() {
    QTest::addColumn<int>("fav");     // view
    QTest::addColumn<int>("channel"); // whose row is clicked
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("how"); // "box", "beside", "space"
    QTest::addColumn<QList<int>>("entriesAfter");
    QTest::addColumn<QList<int>>("rowsAfter");
    // Group 1 holds entries 11, 0, 3, 9 (channels 12, 1, 4, 10).
    const QList<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    QTest::newRow("tick appends") << 0 << 2 << 1 << u"box"_s << QList<int>{11, 0, 3, 9, 1} << all;
    QTest::newRow("untick removes") << 0 << 4 << 1 << u"box"_s << QList<int>{11, 0, 9} << all;
    QTest::newRow("beside the box: nothing") << 0 << 2 << 1 << u"beside"_s << QList<int>{11, 0, 3, 9} << all;
    QTest::newRow("space ticks") << 0 << 2 << 1 << u"space"_s << QList<int>{11, 0, 3, 9, 1} << all;
    QTest::newRow("space unticks") << 0 << 12 << 1 << u"space"_s << QList<int>{0, 3, 9} << all;
    QTest::newRow("group view: untick drops the row")
        << 1 << 1 << 1 << u"box"_s << QList<int>{11, 3, 9} << QList<int>{12, 4, 10};
    QTest::newRow("group view: last row")
        << 1 << 10 << 1 << u"box"_s << QList<int>{11, 0, 3} << QList<int>{12, 1, 4};
    QTest::newRow("group view: another group's box")
        << 1 << 4 << 2 << u"box"_s << QList<int>{11, 0, 3, 9} << QList<int>{12, 1, 4, 10};
}

void tst_ChannelList::favouriteTicks() {
    QFETCH(int, fav);
    QFETCH(int, channel);
    QFETCH(int, group);
    QFETCH(QString, how);
    QFETCH(QList<int>, entriesAfter);
    QFETCH(QList<int>, rowsAfter);
    ListForm w;
    w.f.RadioGroup_fav->setItemIndex(fav);
    const int row = w.rowOf(channel);
    const int col = ccFav1 + group - 1;
    const bool before = w.grid->Cell(col, row)->AsBoolean();
    if (how == u"box"_s) {
        w.click(w.box(col, row));
    } else if (how == u"beside"_s) {
        w.click(w.cellRect(col, row).topRight() + QPoint(-2, 2));
    } else {
        w.click(w.cell(ccServiceId, row));
        w.grid->SetSelectedColumn(col);
        QTest::keyClick(w.grid, Qt::Key_Space);
    }
    QTest::qWait(0);
    QCOMPARE(w.entries(1), entriesAfter);
    QCOMPARE(w.numbers(), rowsAfter);
    QCOMPARE(w.f.Label_sendercount->text(), QString::number(rowsAfter.size()));
    QVERIFY(w.drv.boxes().isEmpty());
    if (w.rowOf(channel) >= 0)
        QCOMPARE(w.grid->Cell(col, w.rowOf(channel))->AsBoolean(), IsInFavGroup(channel, group, Image()));
    QCOMPARE(IsInFavGroup(channel, group, Image()), how == u"beside"_s ? before : !before);
    QVERIFY_IMAGE_INVARIANTS(Image());
}

void tst_ChannelList::untickInGroupViewDropsOnlyThatRow() {
    // Group 3 names channel 5 twice: the unticked row goes, and the entries behind it still match.
    ListForm w;
    w.f.RadioGroup_fav->setItemIndex(3);
    QCOMPARE(w.numbers(), (QList<int>{5, 5, 7}));
    const auto untick = [&w](int row) {
        w.click(w.box(ccFav1 + 2, row));
        QTest::qWait(0);
        return std::pair{w.entries(3), w.numbers()}; // the group's entries, the rows shown
    };
    QCOMPARE(untick(2), std::pair(QList<int>{4, 4}, QList<int>{5, 5}));
    QCOMPARE(untick(0), std::pair(QList<int>{4}, QList<int>{5}));
    // A drag of the remaining row onto itself keeps the group.
    w.f.radiogroup_favclick();
    QCOMPARE(w.numbers(), (QList<int>{5}));
}

void tst_ChannelList::tickRefusedAt255Members() {
    std::vector<int> full;
    for (int i = 0; i < 255; ++i)
        full.push_back(i % 11);
    ListForm w(listFixture({{}, full}));
    const int row = w.rowOf(12);
    w.click(w.box(ccFav1 + 1, row));
    QTest::qWait(0);
    QCOMPARE(w.drv.boxes(), QStringList{u"nicht möglich ! schon 256 Sender "_s});
    QCOMPARE(w.grid->Cell(ccFav1 + 1, row)->AsBoolean(), false);
    QCOMPARE(int(Image().FavGroups[2].NumMembers), 255);
    QVERIFY(!IsInFavGroup(12, 2, Image()));
}

void tst_ChannelList::markTurnsTheRowGrey() {
    ListForm w;
    w.click(w.box(ccMark, 5)); // channel 6 carries the mark
    QCOMPARE(int(Image().Channels[6].ServiceType), 0x11);
    w.click(w.box(ccMark, 0));
    QCOMPARE(int(Image().Channels[1].ServiceType), 0x05);
    w.f.radiogroup_favclick();
    QCOMPARE(w.grid->Cell(ccMark, 5)->AsBoolean(), false);
    QCOMPARE(w.grid->Cell(ccMark, 0)->AsBoolean(), true);
}

// ---- deletion ----

void tst_ChannelList::deletion_data() {
    QTest::addColumn<int>("fav");
    QTest::addColumn<QList<int>>("rows"); // clicked, the later ones with Ctrl
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<QList<int>>("idsAfter");
    QTest::addColumn<int>("selectedAfter");

    QTest::newRow("one by Delete, next row selected")
        << 0 << QList<int>{2} << false << QList<int>{100, 101, 103, 104, 105, 106, 107, 108, 109, 110, 111}
        << 2;
    QTest::newRow("last row, none selected after")
        << 0 << QList<int>{11} << true << QList<int>{100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110}
        << -1;
    QTest::newRow("rows 2, 5 and 9 with Ctrl")
        << 0 << QList<int>{2, 5, 9} << false << QList<int>{100, 101, 103, 104, 106, 107, 108, 110, 111} << -1;
    QTest::newRow("one channel on two rows of a group goes once")
        << 3 << QList<int>{0, 1, 2} << true << QList<int>{100, 101, 102, 103, 105, 107, 108, 109, 110, 111}
        << -1;
    QTest::newRow("group view deletes the channel itself")
        << 1 << QList<int>{1} << false << QList<int>{101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111}
        << 1;
}

void tst_ChannelList::deletion() {
    QFETCH(int, fav);
    QFETCH(QList<int>, rows);
    QFETCH(bool, byMenu);
    QFETCH(QList<int>, idsAfter);
    QFETCH(int, selectedAfter);
    ListForm w;
    w.f.RadioGroup_fav->setItemIndex(fav);
    for (qsizetype i = 0; i < rows.size(); ++i)
        w.click(w.cell(ccServiceId, rows[i]), i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    if (byMenu)
        w.f.menuitem_loeschen->trigger();
    else
        QTest::keyClick(w.grid, Qt::Key_Delete);
    QCOMPARE(w.serviceIds(), idsAfter);
    QCOMPARE(w.grid->SelectedRow(), selectedAfter);
    QVERIFY(w.drv.boxes().isEmpty());
    QVERIFY_IMAGE_INVARIANTS(Image());
}

// ---- drags ----

void tst_ChannelList::drags_data() {
    QTest::addColumn<int>("fav");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("sortClicks"); // clicks on the "Nr" header
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // -1: below the rows
    QTest::addColumn<QList<int>>("idsAfter");
    QTest::addColumn<QList<int>>("group1After");
    QTest::addColumn<int>("tvAfter");

    const QList<int> ids{100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111};
    const QList<int> group{11, 0, 3, 9};
    QTest::newRow("alle: row 0 onto row 2")
        << 0 << 0 << 0 << 0 << 2 << QList<int>{101, 102, 100, 103, 104, 105, 106, 107, 108, 109, 110, 111}
        << QList<int>{11, 2, 3, 9} << 8;
    QTest::newRow("alle: upwards") << 0 << 0 << 0 << 6 << 1
                                   << QList<int>{100, 106, 101, 102, 103, 104, 105, 107, 108, 109, 110, 111}
                                   << QList<int>{11, 0, 4, 9} << 8;
    QTest::newRow("alle: below the rows changes nothing") << 0 << 0 << 0 << 3 << -1 << ids << group << 8;
    QTest::newRow("TV into radio: only the dragged one turns radio")
        << 0 << 0 << 0 << 6 << 9 << QList<int>{100, 101, 102, 103, 104, 105, 107, 108, 109, 106, 110, 111}
        << QList<int>{11, 0, 3, 8} << 7;
    QTest::newRow("TV onto the last TV row stays TV")
        << 0 << 0 << 0 << 0 << 7 << QList<int>{101, 102, 103, 104, 105, 106, 107, 100, 108, 109, 110, 111}
        << QList<int>{11, 7, 2, 9} << 8;
    QTest::newRow("radio into TV") << 0 << 0 << 0 << 10 << 0
                                   << QList<int>{110, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 111}
                                   << QList<int>{11, 1, 4, 10} << 9;
    // Filter "HD" shows channels 2, 4 and 10: the rows name the channels moved.
    QTest::newRow("filtered: channel 2 to channel 10's place")
        << 0 << 3 << 0 << 0 << 2 << QList<int>{100, 102, 103, 104, 105, 106, 107, 108, 109, 101, 110, 111}
        << QList<int>{11, 0, 2, 8} << 7;
    // Two clicks on "Nr" sort it descending: row 0 is channel 12, row 3 channel 9.
    QTest::newRow("sorted descending")
        << 0 << 0 << 2 << 0 << 3 << QList<int>{100, 101, 102, 103, 104, 105, 106, 107, 111, 108, 109, 110}
        << QList<int>{8, 0, 3, 10} << 8;
    QTest::newRow("group: reorders the group only")
        << 1 << 0 << 0 << 0 << 2 << ids << QList<int>{0, 3, 11, 9} << 8;
    // Filter "Radio" in group 1 shows channels 12 and 10 (entries 0 and 3).
    QTest::newRow("filtered group: the entries shown")
        << 1 << 4 << 0 << 1 << 0 << ids << QList<int>{9, 11, 0, 3} << 8;
}

void tst_ChannelList::drags() {
    QFETCH(int, fav);
    QFETCH(int, filter);
    QFETCH(int, sortClicks);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, idsAfter);
    QFETCH(QList<int>, group1After);
    QFETCH(int, tvAfter);
    ListForm w;
    w.f.RadioGroup_filter->setItemIndex(filter);
    w.f.RadioGroup_fav->setItemIndex(fav);
    for (int i = 0; i < sortClicks; ++i)
        w.click(w.header(ccNumber));
    if (sortClicks == 2)
        QCOMPARE(w.numbers().first(), 12);
    w.drag(from, to);
    QVERIFY(!platform::TDragManager::instance().IsActive());
    QCOMPARE(w.serviceIds(), idsAfter);
    QCOMPARE(w.entries(1), group1After);
    QCOMPARE(Image().TvCount, tvAfter);
    QCOMPARE(w.f.Label_tvcount->text(), QString::number(tvAfter));
    QVERIFY_IMAGE_INVARIANTS(Image());
}

void tst_ChannelList::headerClicksAndDragFlags() {
    ListForm w;
    w.click(w.header(ccTuner));
    QVERIFY(!w.f.SortedByNumber && !w.f.ViewUnsorted);
    const QList<int> ids = w.serviceIds();
    w.drag(0, 2);
    QCOMPARE(w.serviceIds(), ids); // no drag after a sort by "Tu"

    w.f.radiogroup_favclick();
    w.click(w.header(ccNumber)); // ascending before the click
    QVERIFY(w.f.SortedByNumber);
    QVERIFY(!w.f.ViewUnsorted);
    w.click(w.header(ccNumber)); // now descending
    w.click(w.header(ccNumber));
    QVERIFY(!w.f.SortedByNumber);
}

void tst_ChannelList::dropsFromOtherControlsAreRefused() {
    ListForm w;
    const QList<int> ids = w.serviceIds();
    platform::TDragManager& drag = platform::TDragManager::instance();
    drag.BeginDrag(w.f.DataGrid_sats, true);
    drag.MouseMove(w.view()->mapToGlobal(w.cell(ccServiceId, 2)));
    QVERIFY(!drag.Accepted());
    drag.MouseUp(w.view()->mapToGlobal(w.cell(ccServiceId, 2)));
    // Even a drop handed over directly moves nothing.
    w.f.DataGrid_channelsDragDrop(w.f.DataGrid_sats, w.cell(ccServiceId, 2).x(), w.cell(ccServiceId, 2).y());
    QCOMPARE(w.serviceIds(), ids);
}

// ---- the saved image ----

void tst_ChannelList::everyEditReachesTheSavedImage() {
    const ImageFixture fixture = listFixture();
    ListForm w(fixture);
    w.typeInto(ccChannel, 0, u"Erstes"_s);
    w.typeInto(ccTuner, 1, u"1"_s);
    w.click(w.box(ccFav1 + 8, 2));
    w.click(w.box(ccMark, 3));
    w.drag(4, 7);
    w.f.RadioGroup_fav->setItemIndex(1);
    w.drag(3, 0);
    w.f.RadioGroup_fav->setItemIndex(0);
    w.click(w.cell(ccServiceId, 10));
    QTest::keyClick(w.grid, Qt::Key_Delete);
    QVERIFY_IMAGE_INVARIANTS(Image());

    const QByteArray expected = expectedImage(fixture, [](SettingsImage& img) {
        RenameChannel(1, u"Erstes"_s, img);
        SetChannelTuner(2, u"1"_s, img);
        SetFavMember(3, 9, true, img);
        SetChannelMark(4, true, img);
        MoveChannel(5, 8, img);
        MoveFavEntry(1, 3, 0, img);
        DeleteChannel(11, img);
    });
    QVERIFY(!expected.isEmpty());
    const QByteArray saved = w.save();
    QCOMPARE(saved.size(), expected.size());
    QVERIFY(saved == expected);
}

void tst_ChannelList::rowColours() {
    ListForm w;
    const QImage picture = w.view()->grab().toImage();
    const auto colourAt = [&](int col, int row) {
        const QRect r = w.cellRect(col, row);
        return pixelprobe::at(picture, r.right() - 5, r.top() + r.height() / 2);
    };
    QCOMPARE(colourAt(ccServiceId, 0), platform::TColor(0xDDECEE)); // even row
    QCOMPARE(colourAt(ccServiceId, 1), platform::TColor(0xFFFFFF)); // odd row
    QCOMPARE(colourAt(ccServiceId, 5), platform::TColor(0x808080)); // the "S" mark
    QCOMPARE(colourAt(ccChannel, 0), platform::TColor(0xF0CAA6));   // scrambled
    QCOMPARE(colourAt(ccChannel, 8), platform::TColor(0xDDECEE));   // clear
    // Radio names are written in green (smoothed glyphs: pixels where green clearly leads), TV names not.
    const auto greenText = [&](int row) {
        const QRect r = w.cellRect(ccChannel, row);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (const QColor c = picture.pixelColor(x, y);
                    c.green() > c.red() + 48 && c.green() > c.blue() + 48)
                    return true;
        return false;
    };
    QCOMPARE((QList<bool>{greenText(9), greenText(11), greenText(1)}), (QList<bool>{true, true, false}));
    w.click(w.cell(ccServiceId, 8));
    const QImage selected = w.view()->grab().toImage();
    const QRect r = w.cellRect(ccPol, 8);
    QCOMPARE(pixelprobe::at(selected, r.right() - 3, r.top() + r.height() / 2), platform::TColor(0));
}

QTEST_MAIN(tst_ChannelList)
#include "tst_channellist.moc"

// The satellite grid on "Sat" with the mouse and keys: its rows after a load, dragging a row to reorder
// satellites, deleting with Delete or the pop-up, the double click into the satellite dialog, and the
// rows following every change of the tables.
#include "SatelliteScenario.h"

#include "ImageInvariants.h"
#include "PixelProbe.h"
#include "app/RadioGroup.h"
#include "app/SatelliteRows.h"
#include "app/SatelliteSettingsDialog.h"
#include "app/TransponderDialog.h"
#include "grid/DgColumnParts.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomColumn.h"
#include "grid/DgGrid.h"
#include "image/ImageFile.h"
#include "image/LoadBackCheck.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QtTest>

namespace {

grid::TDataGrid& satGrid(TForm1& f) {
    return *f.DataGrid_sats;
}

/// Column `column` of every row.
QStringList columnTexts(TForm1& f, int column) {
    QStringList out;
    for (int r = 0; r < satGrid(f).RowCount(); ++r)
        out << satGrid(f).GetCellText(column, r);
    return out;
}

/// Every row's texts joined by '|'.
QStringList rowTexts(TForm1& f) {
    QStringList out = columnTexts(f, 0);
    for (int c = 1; c < scColumnCount; ++c)
        for (int r = 0; r < out.size(); ++r)
            out[r] += u'|' + satGrid(f).GetCellText(c, r);
    return out;
}

/// Loads the scenario and shows the tab "Sat".
void openSatTab(FormDriver& drv, const ImageFixture& fixture) {
    loadScenario(drv, fixture);
    drv.form->PageControl1->setCurrentWidget(drv.form->TabSheet2);
    QVERIFY(satGrid(*drv.form).isVisible());
}

/// Mouse events on the grid's client, with the buttons held as a user holds them.
struct GridMouse {
    grid::TDataGrid& grid;
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* view = grid.viewport();
        QMouseEvent event(type, QPointF(at), QPointF(view->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }
    void press(QPoint at) { send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void move(QPoint at) { send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void release(QPoint at) { send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void doubleClick(QPoint at) {
        press(at);
        release(at);
        send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        release(at);
    }
    void click(QPoint at) {
        press(at);
        release(at);
    }
    /// A point inside row r; r = -1 is the header, r = RowCount below the last row.
    QPoint row(int r) {
        if (r < 0)
            return QPoint(30, grid.HeaderSize() / 2);
        if (r >= grid.RowCount())
            return QPoint(30, grid.GetRowTop(grid.RowCount() - 1) + 3 * grid.RowSize());
        return QPoint(30, grid.GetRowTop(r) + grid.RowSize() / 2);
    }
};

const QString kRow0 = u"S0|19,2|O|9750|10600|A|OFF|False|0|AUTO|0|2"_qs;
const QString kRow1 = u"S1|13|O|9750|10600|A|OFF|False|0|AUTO|1|2"_qs;
const QString kRow2 = u"S2|5|W|9750|10600|A|OFF|False|0|AUTO|2|1"_qs;

} // namespace

class tst_SatelliteGrid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void columnsAndRowsAfterLoad();
    void rowsDrawnInBandsWithTheSelectionBlack();
    void diseqc12TickedOnlyForOne();
    void dragRowReordersSatellites_data();
    void dragRowReordersSatellites();
    void savedImageAfterDragKeepsChannelsOnTheirTransponders();
    void deleteSelectedRow_data();
    void deleteSelectedRow();
    void deleteOnlySatellite();
    void deletionShowsRowsBelowAndRebuildsKeepThePage();
    void doubleClickOpensSatelliteDialog();
    void rowsFollowTransponderChangesAndTreeDeletions();
};

void tst_SatelliteGrid::columnsAndRowsAfterLoad() {
    ImageFixture fixture = satelliteScenario();
    // Values the texts do not know stay empty; a port, a positioner and DiSEqC 1.2 show as they are.
    image::TSatelliteRecord& s1 = fixture.satelliteSlots[1];
    s1.DiseqcMode = 9;
    s1.Tone22kHz = 7;
    s1.Diseqc12 = 1;
    s1.Diseqc11Port = 12;
    s1.Positioner = 3;
    FormDriver drv;
    openSatTab(drv, fixture);
    grid::TDataGrid& g = satGrid(*drv.form);

    QStringList captions;
    QList<int> widths;
    for (int c = 0; c < g.Columns()->ColumnCount(); ++c) {
        grid::TDgCustomColumn* column = g.Columns()->ColumnItem(c);
        captions << column->Header()->Caption();
        widths << column->Width();
        QVERIFY(!column->Options().testFlag(grid::TColumnOption::coCanSort));
        QCOMPARE(column->DrawingOptions(), grid::TDrawingOptions::doCustom);
    }
    QCOMPARE(captions,
             strings({"Satellit", "Position", "W/O", "LNB low", "LNB high", "Diseq Mode", "Diseq 1.1",
                      "Diseq 1.2", "Positioner", "Tone 22 Khz", "Sat-Nr", "Transponderzahl"}));
    QCOMPARE(widths, (QList<int>{120, 60, 40, 60, 80, 65, 50, 55, 60, 80, 50, 100}));
    QCOMPARE(g.Options(),
             grid::TGridOptions(grid::TGridOption::goHeader | grid::TGridOption::goSelectFullRow));
    QCOMPARE(g.geometry(), QRect(176, 24, 905, 649));

    QCOMPARE(rowTexts(*drv.form), (QStringList{kRow0, u"S1|13|O|9750|10600||12|True|3||1|2"_qs, kRow2}));
    QCOMPARE(g.SelectedRow(), -1);

    // A header click sorts nothing.
    GridMouse mouse{g};
    mouse.click(mouse.row(-1));
    QCOMPARE(columnTexts(*drv.form, scName), strings({"S0", "S1", "S2"}));
}

void tst_SatelliteGrid::rowsDrawnInBandsWithTheSelectionBlack() {
    FormDriver drv;
    openSatTab(drv, satelliteScenario());
    grid::TDataGrid& g = satGrid(*drv.form);
    GridMouse mouse{g};
    mouse.click(mouse.row(1));
    QCOMPARE(g.SelectedRow(), 1);
    // Right in the name column, past the short names, inside the filled part of the cell.
    const auto backgrounds = [&g] {
        const QImage picture = g.viewport()->grab().toImage();
        QList<platform::TColor> out;
        for (int r = 0; r < 3; ++r)
            out << pixelprobe::at(picture, 100, g.GetRowTop(r) + 4);
        return out;
    };
    QCOMPARE(backgrounds(), (QList<platform::TColor>{0xDDECEE, 0x000000, 0xDDECEE}));
    mouse.click(mouse.row(0));
    QCOMPARE(backgrounds().mid(0, 2), (QList<platform::TColor>{0x000000, 0xFFFFFF}));
}

void tst_SatelliteGrid::diseqc12TickedOnlyForOne() {
    ImageFixture fixture = satelliteScenario();
    fixture.satelliteSlots.push_back(ImageFixture::satellite(3, u"S3"_qs, 70));
    fixture.satelliteSlots.push_back(ImageFixture::satellite(4, u"S4"_qs, 90));
    const int stored[] = {1, 1, 0, 0, 2}; // rows 0, 2 and 4 share their stripe
    for (int s = 0; s < 5; ++s)
        fixture.satelliteSlots[std::size_t(s)].Diseqc12 = static_cast<image::Byte>(stored[s]);
    FormDriver drv;
    openSatTab(drv, fixture);
    grid::TDataGrid& g = satGrid(*drv.form);
    GridMouse{g}.click(GridMouse{g}.row(1));
    platform::TRect cell;
    const QImage picture = g.viewport()->grab().toImage();
    const auto cellImage = [&](int r) {
        g.GetCellRect(scDiseqc12, r, cell);
        return picture.copy(cell.Left + 4, cell.Top + 2, cell.Right - cell.Left - 8,
                            cell.Bottom - cell.Top - 4);
    };
    const QImage ticked = cellImage(0), zero = cellImage(2), two = cellImage(4);
    // The even rows' stripe is not white: white pixels there are the box's inside.
    QVERIFY2(pixelprobe::inked(zero).size() < zero.width() * zero.height(), "every row shows its box");
    QVERIFY2(ticked != zero, "1 is ticked");
    QVERIFY2(two == zero, "2 is not ticked");
}

void tst_SatelliteGrid::dragRowReordersSatellites_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("frequencies");
    const QList<int> unchanged{10700, 10800, 11000, 11100, 12000};
    QTest::newRow("first onto last") << 0 << 2 << strings({"S1", "S2", "S0"})
                                     << QList<int>{11000, 11100, 12000, 10700, 10800};
    QTest::newRow("last onto first") << 2 << 0 << strings({"S2", "S0", "S1"})
                                     << QList<int>{12000, 10700, 10800, 11000, 11100};
    QTest::newRow("second onto first")
        << 1 << 0 << strings({"S1", "S0", "S2"}) << QList<int>{11000, 11100, 10700, 10800, 12000};
    QTest::newRow("onto itself") << 1 << 1 << strings({"S0", "S1", "S2"}) << unchanged;
    QTest::newRow("onto the header") << 0 << -1 << strings({"S0", "S1", "S2"}) << unchanged;
    QTest::newRow("below the rows") << 0 << 3 << strings({"S0", "S1", "S2"}) << unchanged;
}

void tst_SatelliteGrid::dragRowReordersSatellites() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, frequencies);
    FormDriver drv;
    openSatTab(drv, satelliteScenario());
    TForm1& f = *drv.form;
    grid::TDataGrid& g = satGrid(f);
    const QStringList targets = channelTargets();
    GridMouse mouse{g};
    const QPoint start = mouse.row(from);
    mouse.press(start);
    mouse.move(start + QPoint(2, 0)); // under the threshold: no drag yet
    QVERIFY(g.Dragging());
    QCOMPARE(platform::TDragManager::instance().state(), platform::TDragManager::State::Pending);
    mouse.move(mouse.row(to) + QPoint(4, 0));
    mouse.release(mouse.row(to) + QPoint(4, 0));
    QVERIFY(!g.Dragging());

    QCOMPARE(columnTexts(f, scName), names);
    QCOMPARE(columnTexts(f, scNumber), strings({"0", "1", "2"}));
    QCOMPARE(tableFrequencies(), frequencies);
    QCOMPARE(channelTargets(), targets);
    QCOMPARE(treeNode(f, 0)->text(0), names[0]);
    // Every row shows its record, and after a move no row is selected.
    QStringList records;
    for (int r = 0; r < 3; ++r)
        records << satelliteRowTexts(image::Image().Satellites[r + 1]).join(QLatin1Char('|'));
    QCOMPARE(rowTexts(f), records);
    if (names != strings({"S0", "S1", "S2"}))
        QCOMPARE(f.selectedSatelliteRow(), -1);
    QVERIFY_IMAGE_INVARIANTS(image::Image());
}

void tst_SatelliteGrid::savedImageAfterDragKeepsChannelsOnTheirTransponders() {
    FormDriver drv;
    openSatTab(drv, satelliteScenario());
    TForm1& f = *drv.form;
    GridMouse mouse{satGrid(f)};
    const QStringList targets = channelTargets();
    mouse.press(mouse.row(2));
    mouse.move(mouse.row(2) + QPoint(1, 1));
    mouse.move(mouse.row(1));
    mouse.release(mouse.row(1));
    QCOMPARE(columnTexts(f, scName), strings({"S0", "S2", "S1"}));

    const QString path = drv.path(u"moved.si"_qs);
    drv.modals.answerSave(path);
    f.Saveto1->trigger();
    QVERIFY2(drv.boxes().isEmpty(), qPrintable(drv.boxes().join(QLatin1Char('\n'))));
    image::SettingsImage back;
    QVERIFY(!image::parseImage(readAll(path), back));
    image::Image() = back;
    QCOMPARE(channelTargets(), targets);
    QCOMPARE(image::SatelliteDisplayName(back.Satellites[2]), u"S2"_qs);
    QCOMPARE(int(back.Satellites[2].SatelliteNumber), 1);
    QCOMPARE(image::TransponderFrequency(back, 3), 12000);
    QCOMPARE(int(back.Transponders[3].SatelliteIndex), 1);
}

void tst_SatelliteGrid::deleteSelectedRow_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("viaPopup");
    QTest::addColumn<bool>("withoutQuestion");
    QTest::addColumn<bool>("report");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("selected");
    const QString ask1 = u"S1 13 °O löschen ?"_qs;
    const QString info1 = u"S1 13 °O mit 2 Transponder(n) gelöscht"_qs;
    const QString s2After = u"S2|5|W|9750|10600|A|OFF|False|0|AUTO|1|1"_qs;
    const QStringList afterS1{kRow0, s2After};
    const QStringList all{kRow0, kRow1, kRow2};
    QTest::newRow("asked, yes, reported")
        << 1 << false << false << true << int(platform::mrYes) << QStringList{ask1, info1} << afterS1 << 1;
    QTest::newRow("asked, cancelled")
        << 1 << false << false << true << int(platform::mrCancel) << QStringList{ask1} << all << 1;
    QTest::newRow("asked, yes, no report")
        << 1 << false << false << false << int(platform::mrYes) << QStringList{ask1} << afterS1 << 1;
    QTest::newRow("no question, reported")
        << 1 << false << true << true << 0 << QStringList{info1} << afterS1 << 1;
    QTest::newRow("no box at all") << 1 << false << true << false << 0 << QStringList{} << afterS1 << 1;
    QTest::newRow("pop-up") << 1 << true << false << true << int(platform::mrYes) << QStringList{ask1, info1}
                            << afterS1 << 1;
    QTest::newRow("last row: the new last row is selected")
        << 2 << false << true << true << 0 << QStringList{u"S2 5 °W mit 1 Transponder(n) gelöscht"_qs}
        << QStringList{kRow0, kRow1} << 1;
    QTest::newRow("no row selected") << -1 << false << false << true << 0 << QStringList{} << all << -1;
}

void tst_SatelliteGrid::deleteSelectedRow() {
    QFETCH(int, row);
    QFETCH(bool, viaPopup);
    QFETCH(bool, withoutQuestion);
    QFETCH(bool, report);
    QFETCH(int, answer);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, rows);
    QFETCH(int, selected);
    FormDriver drv;
    openSatTab(drv, satelliteScenario());
    TForm1& f = *drv.form;
    GridMouse mouse{satGrid(f)};
    f.CheckBox_Loesche_sat_ohne_nachfragen->setChecked(withoutQuestion);
    f.CheckBox_info_nach_satloeschen->setChecked(report);
    if (row >= 0)
        mouse.click(mouse.row(row));
    if (answer)
        drv.modals.answerMessage(answer);
    if (viaPopup) {
        // A right click on the grid brings up its pop-up.
        QContextMenuEvent menu(QContextMenuEvent::Mouse, mouse.row(row),
                               satGrid(f).viewport()->mapToGlobal(mouse.row(row)));
        QApplication::sendEvent(satGrid(f).viewport(), &menu);
        QTRY_VERIFY(f.PopupMenu_sat->isVisible());
        f.PopupMenu_sat->hide();
        f.loescheSatellit1->trigger();
    } else
        QTest::keyClick(&satGrid(f), Qt::Key_Delete);

    QCOMPARE(drv.boxes(), boxes);
    QCOMPARE(rowTexts(f), rows);
    QCOMPARE(f.selectedSatelliteRow(), selected);
    QCOMPARE(f.Label_satcount->text(), QString::number(rows.size()));
    QCOMPARE(f.TreeView_satellites->topLevelItemCount(), rows.size());
    QVERIFY_IMAGE_INVARIANTS(image::Image());
}

void tst_SatelliteGrid::deleteOnlySatellite() {
    const ImageFixture fixture = oneSatelliteScenario();
    FormDriver drv;
    openSatTab(drv, fixture);
    TForm1& f = *drv.form;
    GridMouse mouse{satGrid(f)};
    mouse.click(mouse.row(0));
    f.CheckBox_Loesche_sat_ohne_nachfragen->setChecked(true);
    // The key, the grid's pop-up and the tree's: refused with a message, before any question.
    QTest::keyClick(&satGrid(f), Qt::Key_Delete);
    f.loescheSatellit1->trigger();
    f.TreeView_satellites->setCurrentItem(treeNode(f, 0));
    f.loescheSatellit->trigger();
    const QString refused = u"Der letzte Satellit kann nicht gelöscht werden: die Datei braucht mindestens "
                            u"einen Satelliten."_qs;
    QCOMPARE(drv.boxes(), (QStringList{refused, refused, refused}));
    QCOMPARE(satGrid(f).RowCount(), 1);
    QCOMPARE(image::Image().ChannelCount, 2);
    // The session can still be saved, byte for byte.
    QByteArray bytes;
    QVERIFY(!image::serializeImage(image::Image(), bytes));
    QVERIFY(image::LoadBackProblem(image::Image(), bytes).isEmpty());
    QCOMPARE(bytes, fixture.build());
}

void tst_SatelliteGrid::deletionShowsRowsBelowAndRebuildsKeepThePage() {
    ImageFixture fixture = satelliteScenario();
    for (int s = 3; s < 60; ++s)
        fixture.satelliteSlots.push_back(ImageFixture::satellite(s, u"X%1"_qs.arg(s), 100));
    FormDriver drv;
    openSatTab(drv, fixture);
    TForm1& f = *drv.form;
    grid::TDataGrid& g = satGrid(f);
    GridMouse mouse{g};
    f.CheckBox_Loesche_sat_ohne_nachfragen->setChecked(true);
    f.CheckBox_info_nach_satloeschen->setChecked(false);
    const int page = g.GetPageRowCount(false);
    QVERIFY(page > 8 && page < 50);

    // The last row of the first page: its successor takes its place with seven rows below it in view.
    mouse.click(mouse.row(page - 1));
    QTest::keyClick(&g, Qt::Key_Delete);
    QCOMPARE(f.selectedSatelliteRow(), page - 1);
    QCOMPARE(g.GetCellText(scName, page - 1), u"X%1"_qs.arg(page));
    QCOMPARE(g.TopRow(), 7);
    // A rebuild of the views keeps the page and the selected row.
    f.rebuildSatelliteViews();
    QCOMPARE(g.TopRow(), 7);
    QCOMPARE(f.selectedSatelliteRow(), page - 1);

    // The last row: the new last row is selected at the bottom of the page.
    g.ScrollToRow(g.RowCount() - 1);
    mouse.click(mouse.row(g.RowCount() - 1));
    QTest::keyClick(&g, Qt::Key_Delete);
    QCOMPARE(g.RowCount(), 58);
    QCOMPARE(f.selectedSatelliteRow(), 57);
    QCOMPARE(g.TopRow(), 58 - page);
    QVERIFY(drv.boxes().isEmpty());
    QVERIFY_IMAGE_INVARIANTS(image::Image());
}

void tst_SatelliteGrid::doubleClickOpensSatelliteDialog() {
    FormDriver drv;
    openSatTab(drv, satelliteScenario());
    TForm1& f = *drv.form;
    GridMouse mouse{satGrid(f)};
    // On the header and below the rows nothing opens.
    mouse.doubleClick(mouse.row(-1));
    mouse.doubleClick(mouse.row(3));
    QVERIFY(drv.modals.shown().isEmpty());

    QStringList opened;
    answerFormBy(drv, [&opened](QDialog* d) {
        auto& s = *static_cast<TForm_satsettings*>(d);
        opened << s.Edit_satname->text() << s.Edit_satposition->text() << s.ComboBox_diseq->currentText()
               << QString::number(s.RadioGroup_W_O->ItemIndex());
        s.Edit_satname->setText(u"Neu"_qs);
        s.Edit_satposition->setText(u"28,2"_qs);
        s.Edit_LOF_low->setText(u"9751"_qs);
        s.ComboBox_diseq->setCurrentText(u"Toneburst B"_qs);
        s.ComboBox_diseq11->setCurrentIndex(12);
        s.RadioGroup_diseq12->setItemIndex(1);
        s.RadioGroup_W_O->setItemIndex(0);
        QTest::mouseClick(s.BitBtn_sateinstellungen_speichern, Qt::LeftButton);
    });
    mouse.click(mouse.row(2)); // a selection elsewhere stays
    mouse.doubleClick(mouse.row(1));
    QCOMPARE(opened, strings({"S1", "13", "A", "1"}));
    QCOMPARE(SatSettingsIndex, 1);
    QCOMPARE(rowTexts(f),
             (QStringList{kRow0, u"Neu|28,2|W|9751|10600|Toneburst B|12|True|0|AUTO|1|2"_qs, kRow2}));
    QCOMPARE(f.selectedSatelliteRow(), 1);
    QCOMPARE(int(image::Image().Satellites[2].OrbitalPosition), 282);
    QCOMPARE(treeNode(f, 1)->text(0), u"Neu"_qs);
}

void tst_SatelliteGrid::rowsFollowTransponderChangesAndTreeDeletions() {
    FormDriver drv;
    openSatTab(drv, satelliteScenario());
    TForm1& f = *drv.form;
    GridMouse mouse{satGrid(f)};
    mouse.click(mouse.row(2));

    // "lösche Transponder" lowers the satellite's count; the grid keeps its selected row.
    f.TreeView_satellites->setCurrentItem(treeNode(f, 0, 1));
    f.loescheTransponder1->trigger();
    QCOMPARE(columnTexts(f, scTransponders), strings({"1", "2", "1"}));
    QCOMPARE(f.selectedSatelliteRow(), 2);

    // "neuer Transponder" under S2 raises it.
    answerFormBy(drv, [](QDialog* d) {
        auto& t = *static_cast<TForm_transponder*>(d);
        t.ComboBox_satellit_fuer_neuen_transponder->setCurrentIndex(2);
        t.Edit_frequenz->setText(u"12500"_qs);
        t.Edit_symbolrate->setText(u"27500"_qs);
        t.Edit_onid->setText(u"1"_qs);
        t.Edit_TID->setText(u"2"_qs);
        QTest::mouseClick(t.BitBtn_transponder_aendern, Qt::LeftButton);
    });
    f.TreeView_satellites->setCurrentItem(treeNode(f, 2));
    f.neuerTransponder1->trigger();
    QCOMPARE(drv.boxes().last(), u"Transponder neu angelegt."_qs);
    QCOMPARE(columnTexts(f, scTransponders), strings({"1", "2", "2"}));

    // The tree's deletion of a satellite above it leaves the selection on the same satellite.
    f.TreeView_satellites->setCurrentItem(treeNode(f, 0));
    drv.modals.answerMessage(platform::mrYes);
    f.loescheSatellit->trigger();
    QCOMPARE(columnTexts(f, scName), strings({"S1", "S2"}));
    QCOMPARE(columnTexts(f, scNumber), strings({"0", "1"}));
    QCOMPARE(f.selectedSatelliteRow(), 1);
    QVERIFY_IMAGE_INVARIANTS(image::Image());
}

QTEST_MAIN(tst_SatelliteGrid)
#include "tst_satellitegrid.moc"

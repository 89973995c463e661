// The transponder and satellite-settings dialogs, opened by the main window's commands and worked as a
// user would: what they show, what they refuse, and what they write into the tables.
#include "SatelliteScenario.h"

#include "ImageInvariants.h"
#include "app/RadioGroup.h"
#include "app/SatelliteSettingsDialog.h"
#include "app/TransponderDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kSummary = u"Speichern nicht möglich wegen Fehler in den eingegebenen Daten."_qs;

TForm_transponder& transponderForm(QDialog* d) {
    return *static_cast<TForm_transponder*>(d);
}

void fillTransponder(TForm_transponder& t, const QString& frequency, const QString& symbolRate = u"22000"_qs,
                     const QString& onid = u"1"_qs, const QString& tid = u"2"_qs) {
    t.Edit_frequenz->setText(frequency);
    t.Edit_symbolrate->setText(symbolRate);
    t.Edit_onid->setText(onid);
    t.Edit_TID->setText(tid);
}

} // namespace

class tst_SatelliteDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void editMode_data();
    void editMode();
    void numberChecks_data();
    void numberChecks();
    void leavingAnEditChecksIt();
    void newMode_data();
    void newMode();
    void closedByWindowButtonReportsNothing();
    void satelliteDialog_data();
    void satelliteDialog();
    void satelliteDialog_badFieldsWriteNothing();
    void satelliteDialog_unknownValuesKeepTheirBytes();
};

void tst_SatelliteDialogs::editMode_data() {
    QTest::addColumn<int>("pol");
    QTest::addColumn<int>("dvb");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QList<int>>("items"); // Pol, DVB, FEC; empty: the dialog is not shown
    QTest::newRow("H, DVB-S") << 0 << 0 << QStringList{} << QList<int>{0, 0, 0};
    QTest::newRow("RZ, DVB-S2") << 3 << 1 << QStringList{} << QList<int>{3, 1, 1};
    QTest::newRow("polarisation byte 5")
        << 5 << 0 << strings({"Error in Polarisation !"}) << QList<int>{-1, 0, 0};
    QTest::newRow("DVB byte 5") << 1 << 5 << strings({"Error bei DVB-Typ !"}) << QList<int>{1, -1, 4};
    QTest::newRow("DVB byte 4: no FEC code")
        << 1 << 4 << strings({"Error bei DVB-Typ !", "Error bei FEC"}) << QList<int>{};
}

void tst_SatelliteDialogs::editMode() {
    QFETCH(int, pol);
    QFETCH(int, dvb);
    QFETCH(QStringList, boxes);
    QFETCH(QList<int>, items);
    ImageFixture fixture = satelliteScenario();
    fixture.transponders[1].Polarisation = static_cast<image::Byte>(pol);
    fixture.transponders[1].DvbType = static_cast<image::Byte>(dvb);
    FormDriver drv;
    loadScenario(drv, fixture);
    TForm1& f = *drv.form;
    const image::TTransponderRecord before = image::Image().Transponders[2];

    QList<int> shownItems;
    answerFormBy(drv, [&](QDialog* d) {
        TForm_transponder& t = transponderForm(d);
        QVERIFY(t.Label_sat->isVisible() && !t.ComboBox_satellit_fuer_neuen_transponder->isVisible());
        QCOMPARE(t.EditedTransponder, 2);
        QCOMPARE(
            (QStringList{t.BitBtn_transponder_aendern->text(), t.Label_sat->text(), t.Edit_frequenz->text(),
                         t.Edit_symbolrate->text(), t.Edit_onid->text(), t.Edit_TID->text()}),
            strings({"Speichern", "S0", "10800", "27500", "1", "1000"}));
        shownItems = {t.RadioGroup_Pol->ItemIndex(), t.RadioGroup_DVB->ItemIndex(),
                      t.RadioGroup_FEC->ItemIndex()};
        fillTransponder(t, u"10850"_qs);
        QTest::mouseClick(t.BitBtn_transponder_aendern, Qt::LeftButton);
    });
    f.TreeView_satellites->setCurrentItem(treeNode(f, 0, 1));
    f.Transponderparameter_aendern->trigger();

    QCOMPARE(drv.boxes(), boxes);
    QCOMPARE(shownItems, items);
    image::TTransponderRecord expected = before;
    if (!items.isEmpty()) {
        expected.Frequency = 10850;
        expected.SymbolRate = 22000;
        expected.Onid = 1;
        expected.Tid = 2;
        QCOMPARE(TransponderDialogSaved, std::uint8_t(1));
        QCOMPARE(treeNode(f, 0, 1)->text(0).left(5), u"10850"_qs); // the tree was rebuilt
    }
    QVERIFY(image::Image().Transponders[2] == expected); // an unknown byte is kept, not overwritten
    QCOMPARE(image::Image().TransponderCount, 5);
}

void tst_SatelliteDialogs::numberChecks_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("symbolRate");
    QTest::addColumn<QStringList>("boxes");
    const auto row = [](const char* name, const char* frequency, const char* symbolRate, QStringList boxes) {
        QTest::newRow(name) << QString::fromUtf8(frequency) << QString::fromUtf8(symbolRate) << boxes;
    };
    const QString digits = u"Fehler !\r\n\r\nNur Ziffern erlaubt."_qs;
    row("letters twice", "108ab", "22000", {digits + u"\r\n\r\nNur Ziffern erlaubt."_qs, kSummary});
    row("six digits", "108000", "22000", {u"Fehler !\r\n\r\nFrequenz-Ziffernfolge zu lang. "_qs, kSummary});
    row("empty", "", "22000", {u"Fehler !\r\n\r\nBitte Wert eingeben"_qs, kSummary});
    row("70000 does not fit 16 bits", "70000", "22000",
        {u"Fehler !\r\n\r\nZahl zu groß: höchstens 65535."_qs, kSummary});
    row("two edits wrong, one box each", "1x", "-5", {digits, digits, kSummary});
    row("65535 is stored", "65535", "0", {});
}

void tst_SatelliteDialogs::numberChecks() {
    QFETCH(QString, frequency);
    QFETCH(QString, symbolRate);
    QFETCH(QStringList, boxes);
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    const image::TTransponderRecord before = image::Image().Transponders[3];
    bool accepted = false;
    answerFormBy(drv, [&](QDialog* d) {
        fillTransponder(transponderForm(d), frequency, symbolRate);
        QTest::mouseClick(transponderForm(d).BitBtn_transponder_aendern, Qt::LeftButton);
        accepted = d->result() == QDialog::Accepted;
        if (!accepted)
            QTest::mouseClick(transponderForm(d).BitBtn_transponderaendrn_abbrechen, Qt::LeftButton);
    });
    f.TreeView_satellites->setCurrentItem(treeNode(f, 1, 0));
    f.Transponderparameter_aendern->trigger();

    QCOMPARE(drv.boxes(), boxes);
    QCOMPARE(accepted, boxes.isEmpty());
    for (const ShownBox& box : drv.modals.shown()) {
        if (box.kind == ShownBox::Kind::MessageDlg)
            QCOMPARE(box.buttons, unsigned(box.text == kSummary ? platform::mbOK : platform::mbCancel));
    }
    if (boxes.isEmpty())
        QCOMPARE(int(image::Image().Transponders[3].Frequency), 65535);
    else
        QVERIFY(image::Image().Transponders[3] == before);
    QCOMPARE(TransponderDialogSaved, std::uint8_t(boxes.isEmpty() ? 1 : 0));
}

void tst_SatelliteDialogs::leavingAnEditChecksIt() {
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    answerFormBy(drv, [&](QDialog* d) {
        TForm_transponder& t = transponderForm(d);
        QApplication::setActiveWindow(d);
        t.Edit_onid->setFocus();
        t.Edit_onid->setText(u"9a"_qs);
        QTest::keyClick(t.Edit_onid, Qt::Key_Tab);
        QCOMPARE(TransponderDialogError, std::uint8_t(1));
        QTest::mouseClick(t.BitBtn_transponderaendrn_abbrechen, Qt::LeftButton); // no second box
    });
    f.TreeView_satellites->setCurrentItem(treeNode(f, 0, 0));
    f.Transponderparameter_aendern->trigger();
    QCOMPARE(drv.boxes(), QStringList{u"Fehler !\r\n\r\nNur Ziffern erlaubt."_qs});
    QCOMPARE(TransponderDialogSaved, std::uint8_t(0));
}

void tst_SatelliteDialogs::newMode_data() {
    QTest::addColumn<int>("node");      // satellite node selected, -1: none
    QTest::addColumn<int>("satellite"); // box item chosen by the user, -1: none
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("counted"); // NumTransponders of S1 before
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QList<int>>("frequencies");
    const QList<int> old{10700, 10800, 11000, 11100, 12000};
    QTest::newRow("S1: between its two")
        << 1 << 1 << "11050" << 2 << QString() << QList<int>{10700, 10800, 11000, 11050, 11100, 12000};
    QTest::newRow("no node: S0, highest of it")
        << -1 << 0 << "10900" << 2 << QString() << QList<int>{10700, 10800, 10900, 11000, 11100, 12000};
    QTest::newRow("S2 chosen in the box")
        << 0 << 2 << "11900" << 2 << QString() << QList<int>{10700, 10800, 11000, 11100, 11900, 12000};
    QTest::newRow("no satellite in the box")
        << 1 << -1 << "11050" << 2 << "Bitte einen Satelliten für den neuen Transponder wählen." << old;
    QTest::newRow("all zero bytes") << 0 << 0 << "0" << 2 << "Werte alle 0" << old;
    QTest::newRow("satellite counts 255") << 1 << 1 << "11050" << 255 << "schon 255 Transponder" << old;
}

void tst_SatelliteDialogs::newMode() {
    QFETCH(int, node);
    QFETCH(int, satellite);
    QFETCH(QString, frequency);
    QFETCH(int, counted);
    QFETCH(QString, refusal);
    QFETCH(QList<int>, frequencies);
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    image::Image().Satellites[2].NumTransponders = static_cast<image::Byte>(counted);
    const QStringList targets = channelTargets();
    answerFormBy(drv, [&](QDialog* d) {
        TForm_transponder& t = transponderForm(d);
        QCOMPARE(t.BitBtn_transponder_aendern->text(), u"Neuen Transponder\r\n  anlegen"_qs);
        QVERIFY(!t.Label_sat->isVisible() && t.ComboBox_satellit_fuer_neuen_transponder->isVisible());
        QStringList items;
        for (int i = 0; i < t.ComboBox_satellit_fuer_neuen_transponder->count(); ++i)
            items << t.ComboBox_satellit_fuer_neuen_transponder->itemText(i);
        QCOMPARE(items, strings({"S0 19,2° O", "S1 13° O", "S2 5° W"}));
        QCOMPARE(t.ComboBox_satellit_fuer_neuen_transponder->currentIndex(), qMax(node, 0));
        QCOMPARE(t.Edit_frequenz->text(), QString());
        QCOMPARE(
            t.RadioGroup_Pol->ItemIndex() + t.RadioGroup_DVB->ItemIndex() + t.RadioGroup_FEC->ItemIndex(), 0);
        t.ComboBox_satellit_fuer_neuen_transponder->setCurrentIndex(satellite);
        fillTransponder(t, frequency, u"0"_qs, u"0"_qs, u"0"_qs);
        QTest::mouseClick(t.BitBtn_transponder_aendern, Qt::LeftButton);
        if (d->result() != QDialog::Accepted)
            QTest::mouseClick(t.BitBtn_transponderaendrn_abbrechen, Qt::LeftButton);
    });
    if (node >= 0)
        f.TreeView_satellites->setCurrentItem(treeNode(f, node));
    f.neuerTransponder1Click();

    QCOMPARE(tableFrequencies(), frequencies);
    QCOMPARE(channelTargets(), targets);
    if (refusal.isEmpty()) {
        QCOMPARE(drv.boxes(), QStringList{u"Transponder neu angelegt."_qs});
        QCOMPARE(drv.modals.shown().last().type, platform::MsgDlgType::Information);
        QCOMPARE(treeNode(f, satellite)->childCount(),
                 int(image::Image().Satellites[satellite + 1].NumTransponders));
        QVERIFY(Form_transponder->ComboBox_satellit_fuer_neuen_transponder->isHidden());
    } else {
        QCOMPARE(drv.boxes().size(), 1);
        QVERIFY2(drv.boxes()[0].contains(refusal), qPrintable(drv.boxes()[0]));
        QCOMPARE(int(image::Image().Satellites[2].NumTransponders), counted);
    }
    QVERIFY_IMAGE_INVARIANTS(image::Image());
}

void tst_SatelliteDialogs::closedByWindowButtonReportsNothing() {
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    answerFormBy(drv, [](QDialog* d) {
        fillTransponder(transponderForm(d), u"10750"_qs);
        QTest::mouseClick(transponderForm(d).BitBtn_transponder_aendern, Qt::LeftButton);
    });
    f.neuerTransponder1Click();
    QCOMPARE(drv.boxes(), QStringList{u"Transponder neu angelegt."_qs});
    answerFormBy(drv, [](QDialog* d) { QVERIFY(d->close()); });
    f.neuerTransponder1Click();
    QCOMPARE(drv.boxes().size(), 1);
    QCOMPARE(TransponderDialogSaved, std::uint8_t(0));
    QCOMPARE(image::Image().TransponderCount, 6);
}

void tst_SatelliteDialogs::satelliteDialog_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("position");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("diseqc");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("tone");
    QTest::addColumn<QList<int>>("record"); // position, east/west, DiSEqC mode, port, 22 kHz
    QTest::newRow("19,2 O, Toneburst B, port 12")
        << u"Abc"_qs << u"19,2"_qs << 1 << u"Toneburst B"_qs << 12 << 1 << QList<int>{192, 0x45, 6, 12, 1};
    QTest::newRow("W, OFF, port OFF") << u"Westlicher Sat 1234"_qs << u"30"_qs << 0 << u"OFF"_qs << 0 << 2
                                      << QList<int>{300, 0x57, 0, 0, 2};
    QTest::newRow("halves round to even")
        << u"S"_qs << u"0,25"_qs << 0 << u"D"_qs << 16 << 0 << QList<int>{2, 0x57, 4, 16, 0};
    QTest::newRow("340 W") << u"S"_qs << u"340"_qs << 0 << u"A"_qs << 1 << 0
                           << QList<int>{3400, 0x57, 1, 1, 0};
    QTest::newRow("the largest tenths")
        << u"S"_qs << u"6553,5"_qs << 1 << u"A"_qs << 1 << 0 << QList<int>{65535, 0x45, 1, 1, 0};
}

void tst_SatelliteDialogs::satelliteDialog() {
    QFETCH(QString, name);
    QFETCH(QString, position);
    QFETCH(int, side);
    QFETCH(QString, diseqc);
    QFETCH(int, port);
    QFETCH(int, tone);
    QFETCH(QList<int>, record);
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    image::TSatelliteRecord expected = image::Image().Satellites[1];
    image::StoreName(expected.SatelliteName, u"12345678"_qs);
    image::Image().Satellites[1].SatelliteName = expected.SatelliteName;
    f.rebuildSatelliteViews(); // the dialog starts from the grid row
    answerFormBy(drv, [&](QDialog* d) {
        auto& s = *static_cast<TForm_satsettings*>(d);
        QCOMPARE(d->size(), QSize(289, 534));
        QCOMPARE((QStringList{s.Edit_satname->text(), s.Edit_satposition->text(),
                              QString::number(s.RadioGroup_W_O->ItemIndex()), s.Edit_LOF_low->text(),
                              s.Edit_LOF_high->text(), s.ComboBox_diseq->currentText(),
                              s.ComboBox_diseq11->currentText(),
                              QString::number(s.RadioGroup_diseq12->ItemIndex()),
                              s.Edit_positioner_no->text(), s.ComboBox_22khz->currentText()}),
                 strings({"12345678", "19,2", "1", "9750", "10600", "A", "OFF", "0", "0", "AUTO"}));
        s.Edit_satname->setText(name);
        s.Edit_satposition->setText(position);
        s.RadioGroup_W_O->setItemIndex(side);
        s.ComboBox_diseq->setCurrentText(diseqc);
        s.ComboBox_diseq11->setCurrentIndex(port);
        s.ComboBox_22khz->setCurrentIndex(tone);
        s.RadioGroup_diseq12->setItemIndex(1);
        s.Edit_positioner_no->setText(u"255"_qs);
        s.Edit_LOF_low->setText(u"65535"_qs);
        s.Edit_LOF_high->setText(u"10750"_qs);
        QTest::mouseClick(s.BitBtn_sateinstellungen_speichern, Qt::LeftButton);
        QCOMPARE(d->result(), int(QDialog::Accepted));
    });
    f.openSatelliteSettings(0);

    QVERIFY(drv.boxes().isEmpty());
    image::StoreName(expected.SatelliteName, name.left(16));
    expected.OrbitalPosition = static_cast<std::uint16_t>(record[0]);
    expected.EastWest = static_cast<image::Byte>(record[1]);
    expected.DiseqcMode = static_cast<image::Byte>(record[2]);
    expected.Diseqc11Port = static_cast<image::Byte>(record[3]);
    expected.Tone22kHz = static_cast<image::Byte>(record[4]);
    expected.Diseqc12 = 1;
    expected.Positioner = 255;
    expected.LofLow = 65535;
    expected.LofHigh = 10750;
    QVERIFY(image::Image().Satellites[1] == expected);
    QCOMPARE(treeNode(f, 0)->text(0), name.left(16)); // the views were rebuilt
}

void tst_SatelliteDialogs::satelliteDialog_badFieldsWriteNothing() {
    FormDriver drv;
    loadScenario(drv, satelliteScenario());
    TForm1& f = *drv.form;
    const image::TSatelliteRecord before = image::Image().Satellites[2];
    answerFormBy(drv, [](QDialog* d) {
        auto& s = *static_cast<TForm_satsettings*>(d);
        s.Edit_satname->setText(u"Neu"_qs);
        s.Edit_satposition->setText(u"6553,6"_qs);
        s.Edit_LOF_low->setText(u"97a0"_qs);
        s.Edit_LOF_high->setText(QString());
        s.Edit_positioner_no->setText(u"300"_qs);
        QTest::mouseClick(s.BitBtn_sateinstellungen_speichern, Qt::LeftButton);
        QVERIFY(d->isVisible()); // stays open
        QTest::mouseClick(s.BitBtn_sateinsellungen_abbrechen, Qt::LeftButton);
    });
    f.openSatelliteSettings(1);
    QCOMPARE(drv.boxes(),
             QStringList{QStringLiteral("Fehler !\r\n\r\nSatposition: bitte eine Zahl von 0 bis 6553,5 "
                                        "eingeben.\r\n\r\nLOF low: Nur Ziffern erlaubt.\r\n\r\nLOF high: "
                                        "Bitte Wert eingeben\r\n\r\nPositioner No.: bitte eine Zahl von 0 "
                                        "bis 255 eingeben.")});
    QCOMPARE(drv.modals.shown().last().buttons, unsigned(platform::mbCancel));
    QVERIFY(image::Image().Satellites[2] == before);
    QCOMPARE(treeNode(f, 1)->text(0), u"S1"_qs);
    f.openSatelliteSettings(3); // no such row: nothing opens
    QCOMPARE(drv.modals.shown().last().kind, ShownBox::Kind::MessageDlg);
}

void tst_SatelliteDialogs::satelliteDialog_unknownValuesKeepTheirBytes() {
    ImageFixture fixture = satelliteScenario();
    fixture.satelliteSlots[2].Tone22kHz = 7;
    fixture.satelliteSlots[2].Diseqc11Port = 40;
    fixture.satelliteSlots[2].DiseqcMode = 9;
    FormDriver drv;
    loadScenario(drv, fixture);
    answerFormBy(drv, [](QDialog* d) {
        auto& s = *static_cast<TForm_satsettings*>(d);
        QCOMPARE((QList<int>{s.ComboBox_22khz->currentIndex(), s.ComboBox_diseq11->currentIndex(),
                             s.ComboBox_diseq->currentIndex(), s.RadioGroup_W_O->ItemIndex()}),
                 (QList<int>{-1, -1, -1, 0}));
        QTest::mouseClick(s.BitBtn_sateinstellungen_speichern, Qt::LeftButton);
    });
    drv.form->openSatelliteSettings(2);
    QVERIFY(drv.boxes().isEmpty());
    const image::TSatelliteRecord& s = image::Image().Satellites[3];
    QCOMPARE((QList<int>{s.Tone22kHz, s.Diseqc11Port, s.DiseqcMode, s.OrbitalPosition, s.EastWest}),
             (QList<int>{7, 40, 9, 50, 0x57}));
}

QTEST_MAIN(tst_SatelliteDialogs)
#include "tst_satellitedialogs.moc"

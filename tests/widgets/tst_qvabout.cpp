#include "ScriptedModals.h"
#include "widgets/QvAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace widgets;

namespace {

// A version resource with fixed strings.
class FakeVersionInfo : public TQvVersionInfo {
public:
    using TQvVersionInfo::TQvVersionInfo;
    QString VersionString(const QString& key) const override { return QStringLiteral("vi:") + key; }
};

struct Shown {
    QString caption;
    QStringList lines;
    QRect button;
    QString buttonText;
    bool buttonHasIcon = false;
    QSize client;
    QPoint pos;
    int helpContext = -1;
    bool notesWrap = false;
    int result = -1;
};

// Runs Execute and records what the window showed; the scripted user presses the button.
Shown executeAndRecord(TQvAboutBoxDlg& dlg, QPointer<QDialog>* formOut = nullptr) {
    ScriptedModals modals;
    Shown s;
    modals.answerForm([&](QDialog* dialog) {
        auto* form = static_cast<TQvAboutBoxForm*>(dialog);
        if (formOut)
            *formOut = form;
        s.caption = form->windowTitle();
        s.lines = {form->ProgramLbl->text(), form->VersionLbl->text(), form->CopyrightLbl->text(),
                   form->NotesLbl->text()};
        s.button = form->DoneBtn->geometry();
        s.buttonText = form->DoneBtn->text();
        s.buttonHasIcon = !form->DoneBtn->icon().isNull();
        s.client = form->size();
        s.pos = form->pos();
        s.helpContext = form->HelpContext;
        s.notesWrap = form->NotesLbl->wordWrap();
        form->DoneBtn->click();
        s.result = form->result();
        return s.result;
    });
    dlg.Execute();
    return s;
}

QRect workArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class TstQvAbout : public QObject {
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void buttonLeft_data();
    void buttonLeft();

    void defaultWindow();
    void emptyProgramNameShowsApplicationTitle();
    void buttonHeightSetsClientHeight();
    void buttonKindsAndGlyphs_data();
    void buttonKindsAndGlyphs();
    void versionInfoSuppliesLinesAndIsClearedWhenDestroyed();
    void ownerAreaKeptInsideWorkArea();
    void programTexts();
    void formIsFreedAfterShowing();
};

void TstQvAbout::placement_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("work");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("centre");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QPoint>("expected");
    const QRect screen(0, 0, 1024, 768);
    const QRect work(0, 0, 1024, 738);
    const QSize win(335, 220);
    QTest::newRow("centred in work area") << work << work << win << true << QPoint() << QPoint(344, 259);
    QTest::newRow("centred on screen") << screen << work << win << true << QPoint() << QPoint(344, 274);
    QTest::newRow("offset from corner") << screen << work << win << false << QPoint(10, 20) << QPoint(10, 20);
    QTest::newRow("beyond right edge")
        << screen << work << win << false << QPoint(700, 20) << QPoint(689, 20);
    QTest::newRow("beyond bottom edge")
        << screen << work << win << false << QPoint(10, 600) << QPoint(10, 518);
    QTest::newRow("exactly at right edge")
        << screen << work << win << false << QPoint(689, 518) << QPoint(689, 518);
    QTest::newRow("left of work area")
        << screen << QRect(40, 0, 984, 768) << win << false << QPoint(0, 0) << QPoint(40, 0);
    QTest::newRow("above work area") << screen << QRect(0, 30, 1024, 738) << win << false << QPoint(5, 0)
                                     << QPoint(5, 30);
    QTest::newRow("owner right of screen")
        << QRect(900, 600, 400, 300) << work << win << true << QPoint() << QPoint(689, 518);
    QTest::newRow("wider than work area keeps left edge")
        << QRect(0, 0, 300, 200) << QRect(0, 0, 300, 200) << win << true << QPoint() << QPoint(0, 0);
    QTest::newRow("odd difference rounds toward zero")
        << QRect(0, 0, 100, 100) << QRect(-500, -500, 2000, 2000) << QSize(103, 103) << true << QPoint()
        << QPoint(-1, -1);
}

void TstQvAbout::placement() {
    QFETCH(QRect, area);
    QFETCH(QRect, work);
    QFETCH(QSize, window);
    QFETCH(bool, centre);
    QFETCH(QPoint, offset);
    QFETCH(QPoint, expected);
    QCOMPARE(aboutWindowPlacement(area, work, window, centre, offset), expected);
}

void TstQvAbout::buttonLeft_data() {
    QTest::addColumn<TQvAboutBtnPlacing>("placing");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("expected");
    QTest::newRow("left") << TQvAboutBtnPlacing::abpLeft << 75 << 8;
    QTest::newRow("centre") << TQvAboutBtnPlacing::abpCentre << 75 << 127;
    QTest::newRow("right") << TQvAboutBtnPlacing::abpRight << 75 << 246;
    QTest::newRow("right, wide") << TQvAboutBtnPlacing::abpRight << 120 << 201;
}

void TstQvAbout::buttonLeft() {
    QFETCH(TQvAboutBtnPlacing, placing);
    QFETCH(int, width);
    QFETCH(int, expected);
    QCOMPARE(aboutButtonLeft(placing, 329, 8, 313, width), expected);

    TQvAboutBoxDlg dlg;
    dlg.SetButtonPlacing(placing);
    dlg.SetButtonWidth(width);
    QCOMPARE(executeAndRecord(dlg).button, QRect(expected, 158, width, 25));
}

void TstQvAbout::defaultWindow() {
    TQvAboutBoxDlg dlg;
    QCOMPARE(dlg.Title(), QStringLiteral("About"));
    dlg.SetProgramName(QStringLiteral("Programm"));
    dlg.SetVersion(QStringLiteral("1.0"));
    dlg.SetCopyright(QStringLiteral("(c) niemand"));
    dlg.SetNotes(QStringLiteral("Hinweis"));
    dlg.SetHelpContext(17);
    const Shown s = executeAndRecord(dlg);
    QCOMPARE(s.caption, QStringLiteral("About"));
    QCOMPARE(s.lines, QStringList({QStringLiteral("Programm"), QStringLiteral("1.0"),
                                   QStringLiteral("(c) niemand"), QStringLiteral("Hinweis")}));
    QVERIFY(s.notesWrap);
    QCOMPARE(s.buttonText, QStringLiteral("OK"));
    QVERIFY(!s.buttonHasIcon);
    QCOMPARE(s.button, QRect(127, 158, 75, 25));
    QCOMPARE(s.client, QSize(329, 191));
    QCOMPARE(s.helpContext, 17);
    // centred on the desktop's work area
    const QRect work = workArea();
    QCOMPARE(s.pos, QPoint(work.x() + (work.width() - 329) / 2, work.y() + (work.height() - 191) / 2));
}

void TstQvAbout::emptyProgramNameShowsApplicationTitle() {
    const QString saved = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Testanwendung"));
    TQvAboutBoxDlg dlg;
    const Shown s = executeAndRecord(dlg);
    QGuiApplication::setApplicationDisplayName(saved);
    QCOMPARE(s.lines.value(0), QStringLiteral("Testanwendung"));
    QCOMPARE(s.lines.value(1), QString());
}

void TstQvAbout::buttonHeightSetsClientHeight() {
    TQvAboutBoxDlg dlg;
    dlg.SetButtonHeight(40);
    const Shown s = executeAndRecord(dlg);
    QCOMPARE(s.client, QSize(329, 206));
    QCOMPARE(s.button.height(), 40);
}

void TstQvAbout::buttonKindsAndGlyphs_data() {
    QTest::addColumn<TQvAboutBtnKinds>("kind");
    QTest::addColumn<TQvAboutBtnGlyphs>("glyph");
    QTest::addColumn<bool>("autoDetect");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("icon");
    QTest::newRow("OK, auto") << TQvAboutBtnKinds::abkOK << TQvAboutBtnGlyphs::abgOK << true << "OK" << false;
    QTest::newRow("Done, glyph") << TQvAboutBtnKinds::abkDone << TQvAboutBtnGlyphs::abgOK << false << "Done"
                                 << true;
    QTest::newRow("Cancel, no glyph")
        << TQvAboutBtnKinds::abkCancel << TQvAboutBtnGlyphs::abgNone << false << "Cancel" << false;
}

void TstQvAbout::buttonKindsAndGlyphs() {
    QFETCH(TQvAboutBtnKinds, kind);
    QFETCH(TQvAboutBtnGlyphs, glyph);
    QFETCH(bool, autoDetect);
    QFETCH(QString, caption);
    QFETCH(bool, icon);
    TQvAboutBoxDlg dlg;
    dlg.SetButtonKind(kind);
    dlg.SetButtonGlyph(glyph);
    dlg.SetAutoDetectGlyphs(autoDetect);
    const Shown s = executeAndRecord(dlg);
    QCOMPARE(s.buttonText, caption);
    QCOMPARE(s.buttonHasIcon, icon);
}

void TstQvAbout::versionInfoSuppliesLinesAndIsClearedWhenDestroyed() {
    TQvAboutBoxDlg dlg;
    dlg.SetProgramName(QStringLiteral("ignoriert"));
    auto* info = new FakeVersionInfo;
    dlg.SetVersionInfo(info);
    const Shown s = executeAndRecord(dlg);
    QCOMPARE(s.lines, QStringList({QStringLiteral("vi:ProductName"), QStringLiteral("vi:ProductVersion"),
                                   QStringLiteral("vi:LegalCopyright"), QStringLiteral("vi:Comments")}));
    delete info;
    QCOMPARE(dlg.VersionInfo(), nullptr);
    QCOMPARE(executeAndRecord(dlg).lines.value(0), QStringLiteral("ignoriert"));
}

void TstQvAbout::ownerAreaKeptInsideWorkArea() {
    QWidget owner;
    owner.setGeometry(QRect(workArea().topLeft() + QPoint(workArea().width() - 100, workArea().height() - 50),
                            QSize(400, 300)));
    TQvAboutBoxDlg dlg(&owner);
    dlg.SetPosition(TQvAboutPosition::abpOwner);
    const Shown s = executeAndRecord(dlg);
    const QRect work = workArea();
    QCOMPARE(s.pos, QPoint(work.x() + work.width() - 329, work.y() + work.height() - 191));

    // the same owner centred inside a large work area stays centred on it
    owner.setGeometry(work.x() + 100, work.y() + 100, 400, 300);
    QCOMPARE(executeAndRecord(dlg).pos,
             QPoint(work.x() + 100 + (400 - 329) / 2, work.y() + 100 + (300 - 191) / 2));
}

void TstQvAbout::programTexts() {
    TQvAboutBoxDlg dlg;
    setProgramAboutTexts(dlg, QStringLiteral("Fenstertitel"));
    const Shown s = executeAndRecord(dlg);
    QCOMPARE(s.caption, QStringLiteral("Fenstertitel"));
    QVERIFY(s.lines.value(0).contains(QStringLiteral("Pelmora")));
    QVERIFY(s.lines.value(0).contains(QStringLiteral("Korbix")));
    QVERIFY(s.lines.value(2).contains(QStringLiteral("Quirnhagen")));
    QVERIFY(s.lines.value(3).contains(QStringLiteral("@example.org")));
    QCOMPARE(s.buttonText, QStringLiteral("OK"));
}

void TstQvAbout::formIsFreedAfterShowing() {
    QWidget owner;
    TQvAboutBoxDlg dlg(&owner);
    QPointer<QDialog> form;
    const Shown s = executeAndRecord(dlg, &form);
    QCOMPARE(s.result, int(QDialog::Accepted));
    QVERIFY(form.isNull());
    QVERIFY(owner.findChildren<QDialog*>().isEmpty());
}

QTEST_MAIN(TstQvAbout)
#include "tst_qvabout.moc"

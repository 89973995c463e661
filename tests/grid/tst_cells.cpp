// The cell store: conversions of every cell kind, the position rule, the cell makers, and the row and
// column operations with the counts and notifications they keep.
#include "CellFakes.h"
#include "ScriptedModals.h"

#include <QLocale>
#include <QRegularExpression>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace grid;

namespace {

double number(const QString& v) {
    return v == QLatin1String("nan") ? std::numeric_limits<double>::quiet_NaN() : v.toDouble();
}

// "b:1", "d:45000.5", "f:2.5", "i:-1", "s:text" or "clear".
void apply(TCell* cell, const QString& command) {
    if (command == QLatin1String("clear")) {
        cell->Clear();
        return;
    }
    const QString v = command.mid(2);
    switch (command.at(0).unicode()) {
    case 'b':
        cell->SetAsBoolean(v == QLatin1String("1"));
        break;
    case 'd':
        cell->SetAsDateTime(number(v));
        break;
    case 'f':
        cell->SetAsFloat(number(v));
        break;
    case 'i':
        cell->SetAsInteger(v.toInt());
        break;
    default:
        cell->SetAsString(v);
        break;
    }
}

// The value of one accessor as text, or "!" and the error's message.
QString read(TCell* cell, const QString& accessor) {
    try {
        switch (accessor.at(0).unicode()) {
        case 'b':
            return cell->AsBoolean() ? QStringLiteral("true") : QStringLiteral("false");
        case 'd':
            return QString::number(cell->AsDateTime(), 'g', 15);
        case 'f':
            return QString::number(cell->AsFloat(), 'g', 15);
        case 'i':
            return QString::number(cell->AsInteger());
        default:
            return cell->AsString();
        }
    } catch (const platform::Exception& e) {
        return QLatin1Char('!') + e.Message();
    }
}

QString className(const TCell* cell) {
    if (dynamic_cast<const TBooleanCell*>(cell))
        return QStringLiteral("Boolean");
    if (dynamic_cast<const TDateTimeCell*>(cell))
        return QStringLiteral("DateTime");
    if (dynamic_cast<const TFloatCell*>(cell))
        return QStringLiteral("Float");
    if (dynamic_cast<const TIntegerCell*>(cell))
        return QStringLiteral("Integer");
    if (dynamic_cast<const TStringCell*>(cell))
        return QStringLiteral("String");
    if (dynamic_cast<const TIncrementCell*>(cell))
        return QStringLiteral("Increment");
    if (dynamic_cast<const TGuidCell*>(cell))
        return QStringLiteral("Guid");
    if (dynamic_cast<const TVirtualCell*>(cell))
        return QStringLiteral("Virtual");
    return QStringLiteral("?");
}

const QString kGuid = QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}");

} // namespace

class TestCells : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // ---- conversions ----

    void conversions_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("actionError");
        QTest::addColumn<QString>("accessor");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("changes");
        const auto row = [](const char* name, int kind, const QString& prepare, const QString& action,
                            const QString& actionError, const QString& accessor, const QString& expected,
                            int changes) {
            QTest::newRow(name) << kind << prepare << action << actionError << accessor << expected
                                << changes;
        };
        const QString none;
        const QString floatError = QStringLiteral("!'%1' ist kein gültiger Gleitkommawert");
        const QString intError = QStringLiteral("!'%1' ist kein gültiger Integerwert");
        const QString dateError = QStringLiteral("!'%1' ist keine gültige Datums- und Uhrzeitangabe");
        const QString boolError = QStringLiteral("!'%1' ist kein gültiger boolescher Wert");
        const QString guidError = QStringLiteral("'%1' kein gültiger Wert für GUID");
        const QString rangeError = QStringLiteral("Fehler bei Bereichsprüfung");
        const auto s = [](const char* text) { return QString::fromUtf8(text); };

        // Boolean cells (check-box columns).
        row("bool default", 1, none, none, none, s("b"), s("false"), 0);
        row("bool get date", 1, s("b:1"), none, none, s("d"), s("0"), 0);
        row("bool get float", 1, s("b:1"), none, none, s("f"), s("1"), 0);
        row("bool get int", 1, s("b:1"), none, none, s("i"), s("1"), 0);
        row("bool get text true", 1, s("b:1"), none, none, s("s"), s("True"), 0);
        row("bool get text false", 1, s("b:0"), none, none, s("s"), s("False"), 0);
        row("bool set date clears", 1, s("b:1"), s("d:45000"), none, s("b"), s("false"), 1);
        row("bool set float 0.5", 1, none, s("f:0.5"), none, s("b"), s("true"), 1);
        row("bool set float 0", 1, s("b:1"), s("f:0"), none, s("b"), s("false"), 1);
        row("bool set float NaN", 1, none, s("f:nan"), none, s("b"), s("true"), 1);
        row("bool set int -1", 1, none, s("i:-1"), none, s("b"), s("true"), 1);
        row("bool set int 0", 1, s("b:1"), s("i:0"), none, s("b"), s("false"), 1);
        row("bool set text 1", 1, none, s("s:1"), none, s("b"), s("true"), 1);
        row("bool set text true", 1, none, s("s:true"), none, s("b"), s("true"), 1);
        row("bool set text True", 1, none, s("s:True"), none, s("b"), s("true"), 1);
        row("bool set text TRUE", 1, none, s("s:TRUE"), none, s("b"), s("true"), 1);
        row("bool set text yes", 1, s("b:1"), s("s:yes"), none, s("b"), s("false"), 1);
        row("bool set text 2", 1, s("b:1"), s("s:2"), none, s("b"), s("false"), 1);
        row("bool set text blank 1", 1, s("b:1"), s("s: 1"), none, s("b"), s("false"), 1);
        row("bool set empty text", 1, s("b:1"), s("s:"), none, s("b"), s("false"), 1);
        row("bool clear", 1, s("b:1"), s("clear"), none, s("b"), s("false"), 1);

        // Date-time cells.
        row("date get bool", 3, s("d:45000.5"), none, none, s("b"), s("false"), 0);
        row("date get float", 3, s("d:45000.5"), none, none, s("f"), s("45000.5"), 0);
        row("date get int half to even down", 3, s("d:45000.5"), none, none, s("i"), s("45000"), 0);
        row("date get int half to even up", 3, s("d:45001.5"), none, none, s("i"), s("45002"), 0);
        row("date get int out of range", 3, s("d:1e10"), none, none, s("i"), QLatin1Char('!') + rangeError,
            0);
        row("date get text", 3, s("d:45000.5"), none, none, s("s"), s("15.03.2023 12:00:00"), 0);
        row("date get text midnight", 3, s("d:45000"), none, none, s("s"), s("15.03.2023"), 0);
        row("date get text out of range", 3, s("d:1e10"), none, none, s("s"), dateError.arg(s("10000000000")),
            0);
        row("date set bool is today", 3, none, s("b:0"), none, s("d"), s("46000"), 1);
        row("date set float", 3, none, s("f:2.25"), none, s("d"), s("2.25"), 1);
        row("date set int", 3, none, s("i:7"), none, s("d"), s("7"), 1);
        row("date set text", 3, none, s("s:15.03.2023 12:00"), none, s("d"), s("45000.5"), 1);
        row("date set empty text", 3, s("d:5"), s("s:"), none, s("d"), s("0"), 1);
        row("date set unreadable text", 3, s("d:5"), s("s:kein Datum"), none, s("d"), s("0"), 1);
        row("date clear", 3, s("d:5"), s("clear"), none, s("d"), s("0"), 1);

        // Float cells (number columns).
        row("float get bool", 4, s("f:2.5"), none, none, s("b"), s("false"), 0);
        row("float get date", 4, s("f:2.5"), none, none, s("d"), s("2.5"), 0);
        row("float get int 2.5", 4, s("f:2.5"), none, none, s("i"), s("2"), 0);
        row("float get int 3.5", 4, s("f:3.5"), none, none, s("i"), s("4"), 0);
        row("float get int -2.5", 4, s("f:-2.5"), none, none, s("i"), s("-2"), 0);
        row("float get int NaN", 4, s("f:nan"), none, none, s("i"), QLatin1Char('!') + rangeError, 0);
        row("float get text", 4, s("f:2.5"), none, none, s("s"), s("2,5"), 0);
        row("float get text exponent", 4, s("f:1e20"), none, none, s("s"), s("1E20"), 0);
        row("float set bool zeroes", 4, s("f:7"), s("b:1"), none, s("f"), s("0"), 1);
        row("float set date", 4, none, s("d:3.25"), none, s("f"), s("3.25"), 1);
        row("float set int", 4, none, s("i:-4"), none, s("f"), s("-4"), 1);
        row("float set text", 4, none, s("s:2,5"), none, s("f"), s("2.5"), 1);
        row("float set empty text", 4, s("f:7"), s("s:"), floatError.arg(QString()).mid(1), s("f"), s("7"),
            0);
        row("float set point text", 4, s("f:7"), s("s:2.5"), floatError.arg(s("2.5")).mid(1), s("f"), s("7"),
            0);
        row("float set text beyond the code page", 4, s("f:7"), s("s:1\u0662"),
            floatError.arg(s("1?")).mid(1), s("f"), s("7"), 0);
        row("float clear", 4, s("f:7"), s("clear"), none, s("f"), s("0"), 1);

        // Integer cells.
        row("int get bool -1", 7, s("i:-1"), none, none, s("b"), s("false"), 0);
        row("int get bool 1", 7, s("i:1"), none, none, s("b"), s("true"), 0);
        row("int get date", 7, s("i:5"), none, none, s("d"), s("0"), 0);
        row("int get float", 7, s("i:-1"), none, none, s("f"), s("-1"), 0);
        row("int get text", 7, s("i:-1"), none, none, s("s"), s("-1"), 0);
        row("int set bool", 7, none, s("b:1"), none, s("i"), s("1"), 1);
        row("int set bool false", 7, s("i:5"), s("b:0"), none, s("i"), s("0"), 1);
        row("int set date zeroes", 7, s("i:5"), s("d:45000"), none, s("i"), s("0"), 1);
        row("int set float 2.5", 7, none, s("f:2.5"), none, s("i"), s("2"), 1);
        row("int set float 3.5", 7, none, s("f:3.5"), none, s("i"), s("4"), 1);
        row("int set float NaN", 7, s("i:5"), s("f:nan"), rangeError, s("i"), s("5"), 0);
        row("int set float 1E10", 7, s("i:5"), s("f:1e10"), rangeError, s("i"), s("5"), 0);
        row("int set text", 7, none, s("s:42"), none, s("i"), s("42"), 1);
        row("int set hex text", 7, none, s("s:$1F"), none, s("i"), s("31"), 1);
        row("int set empty text", 7, s("i:5"), s("s:"), none, s("i"), s("0"), 1);
        row("int set comma text", 7, s("i:5"), s("s:4,2"), intError.arg(s("4,2")).mid(1), s("i"), s("5"), 0);
        row("int clear", 7, s("i:5"), s("clear"), none, s("i"), s("0"), 1);

        // String cells (text columns, and every kind without a class of its own).
        row("text get bool 1", 8, s("s:1"), none, none, s("b"), s("true"), 0);
        row("text get bool True", 8, s("s:True"), none, none, s("b"), s("true"), 0);
        row("text get bool 0", 8, s("s:0"), none, none, s("b"), s("false"), 0);
        row("text get bool ja", 8, s("s:ja"), none, none, s("b"), boolError.arg(s("ja")), 0);
        row("text get date empty", 8, none, none, none, s("d"), s("0"), 0);
        row("text get date", 8, s("s:15.03.2023"), none, none, s("d"), s("45000"), 0);
        row("text get date unreadable", 8, s("s:kein"), none, none, s("d"), dateError.arg(s("kein")), 0);
        row("text get float", 8, s("s:2,5"), none, none, s("f"), s("2.5"), 0);
        row("text get float empty", 8, none, none, none, s("f"), floatError.arg(QString()), 0);
        row("text get int", 8, s("s:42"), none, none, s("i"), s("42"), 0);
        row("text get int empty", 8, none, none, none, s("i"), intError.arg(QString()), 0);
        row("text get int comma", 8, s("s:4,2"), none, none, s("i"), intError.arg(s("4,2")), 0);
        row("text set bool", 8, none, s("b:1"), none, s("s"), s("True"), 1);
        row("text set date", 8, none, s("d:45000.5"), none, s("s"), s("15.03.2023 12:00:00"), 1);
        row("text set date out of range", 8, s("s:x"), s("d:1e10"), dateError.arg(s("10000000000")).mid(1),
            s("s"), s("x"), 0);
        row("text set float", 8, none, s("f:2.5"), none, s("s"), s("2,5"), 1);
        row("text set int", 8, none, s("i:-7"), none, s("s"), s("-7"), 1);
        row("text set text", 8, none, s("s:Das Erste"), none, s("s"), s("Das Erste"), 1);
        row("text clear", 8, s("s:x"), s("clear"), none, s("s"), QString(), 1);

        // Increment cells (row number of the third row); writes only report a change.
        row("increment get bool", 0, none, none, none, s("b"), s("false"), 0);
        row("increment get date", 0, none, none, none, s("d"), s("0"), 0);
        row("increment get float", 0, none, none, none, s("f"), s("3"), 0);
        row("increment get int", 0, none, none, none, s("i"), s("3"), 0);
        row("increment get text", 0, none, none, none, s("s"), s("3"), 0);
        row("increment set bool", 0, none, s("b:1"), none, s("s"), s("3"), 1);
        row("increment set date", 0, none, s("d:5"), none, s("s"), s("3"), 1);
        row("increment set float", 0, none, s("f:5"), none, s("s"), s("3"), 1);
        row("increment set int", 0, none, s("i:9"), none, s("s"), s("3"), 1);
        row("increment set text", 0, none, s("s:9"), none, s("s"), s("3"), 1);
        row("increment clear reports nothing", 0, none, s("clear"), none, s("s"), s("3"), 0);

        // GUID cells: every non-text value goes through the GUID text.
        const QString g = QStringLiteral("s:") + kGuid;
        row("guid get text", 6, g, none, none, s("s"), kGuid, 0);
        row("guid get text of lower case", 6, QStringLiteral("s:") + kGuid.toLower(), none, none, s("s"),
            kGuid, 0);
        row("guid get bool", 6, g, none, none, s("b"), boolError.arg(kGuid), 0);
        row("guid get date", 6, g, none, none, s("d"), dateError.arg(kGuid), 0);
        row("guid get float", 6, g, none, none, s("f"), floatError.arg(kGuid), 0);
        row("guid get int", 6, g, none, none, s("i"), intError.arg(kGuid), 0);
        row("guid set text", 6, none, g, none, s("s"), kGuid, 1);
        row("guid set bad text", 6, g, s("s:abc"), guidError.arg(s("abc")), s("s"), kGuid, 0);
        row("guid set text without braces", 6, g, s("s:") + kGuid.mid(1, 36), guidError.arg(kGuid.mid(1, 36)),
            s("s"), kGuid, 0);
        row("guid set bool", 6, g, s("b:1"), guidError.arg(s("True")), s("s"), kGuid, 0);
        row("guid set date", 6, g, s("d:45000"), guidError.arg(s("15.03.2023")), s("s"), kGuid, 0);
        row("guid set float", 6, g, s("f:2.5"), guidError.arg(s("2,5")), s("s"), kGuid, 0);
        row("guid set int", 6, g, s("i:5"), guidError.arg(s("5")), s("s"), kGuid, 0);
        row("guid clear only reports", 6, g, s("clear"), none, s("s"), kGuid, 1);

        // Virtual cells: the column keeps the text; a non-text write reports twice.
        row("virtual get text", 11, s("s:12"), none, none, s("s"), s("12"), 0);
        row("virtual get bool", 11, s("s:12"), none, none, s("b"), s("true"), 0);
        row("virtual get float", 11, s("s:2,5"), none, none, s("f"), s("2.5"), 0);
        row("virtual get int", 11, s("s:12"), none, none, s("i"), s("12"), 0);
        row("virtual get date of empty", 11, none, none, none, s("d"), dateError.arg(QString()), 0);
        row("virtual set text", 11, none, s("s:x"), none, s("s"), s("x"), 1);
        row("virtual set bool", 11, none, s("b:0"), none, s("s"), s("False"), 2);
        row("virtual set date", 11, none, s("d:45000"), none, s("s"), s("15.03.2023"), 2);
        row("virtual set float", 11, none, s("f:2.5"), none, s("s"), s("2,5"), 2);
        row("virtual set int", 11, none, s("i:5"), none, s("s"), s("5"), 2);
        row("virtual clear only reports", 11, s("s:x"), s("clear"), none, s("s"), s("x"), 1);
    }

    void conversions() {
        QFETCH(int, kind);
        QFETCH(QString, prepare);
        QFETCH(QString, action);
        QFETCH(QString, actionError);
        QFETCH(QString, accessor);
        QFETCH(QString, expected);
        QFETCH(int, changes);

        FakeEnvironment env;
        env.setNow(46000.75);
        Store st;
        st.addColumn(static_cast<std::uint8_t>(kind));
        st.cells.AddRows(3);
        const int r = kind == 0 ? 2 : 1;
        const auto cell = [&] { return st.cells.GetCell(0, r); };
        if (!prepare.isEmpty())
            apply(cell(), prepare);
        st.changes.clear();

        QString error;
        try {
            if (!action.isEmpty())
                apply(cell(), action);
        } catch (const platform::Exception& e) {
            error = e.Message();
        }
        QCOMPARE(error, actionError);
        QCOMPARE(read(cell(), accessor), expected);
        QCOMPARE(st.changes.size(), changes);
        for (const auto& change : st.changes)
            QCOMPARE(change, qMakePair(0, r));
    }

    void newGuidCellsDiffer() {
        Store st;
        st.addColumn(6);
        st.cells.AddRows(2);
        const QRegularExpression form(
            QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"));
        const QString a = st.cells.GetCell(0, 0)->AsString();
        const QString b = st.cells.GetCell(0, 1)->AsString();
        QVERIFY2(form.match(a).hasMatch(), qPrintable(a));
        QVERIFY(a != b);
    }

    void virtualCellAsksItsColumnAtTheCurrentPosition() {
        Store st;
        st.addColumn(8);
        FakeColumn* column = st.addColumn(11);
        st.cells.AddRows(3);
        st.cells.GetCell(1, 2)->SetAsString(QStringLiteral("zwei"));
        QCOMPARE(column->texts.value({1, 2}), QStringLiteral("zwei"));
        QCOMPARE(dynamic_cast<TVirtualCell*>(st.cells.GetCell(1, 0))->Column(), column);
        QCOMPARE(st.cells.GetCell(1, 2)->AsString(), QStringLiteral("zwei"));
        QCOMPARE(st.cells.GetCell(1, 1)->AsString(), QString());
    }

    // ---- the position rule ----

    void cellsReportTheLastFetchedPosition() {
        Store st;
        st.addColumn(8);
        st.addColumn(0);
        st.cells.AddRows(4);
        TCell* held = st.cells.GetCell(0, 3);
        TCell* number = st.cells.GetCell(1, 3);
        QCOMPARE(number->AsInteger(), 4);

        st.cells.GetCell(1, 1);
        QCOMPARE(st.cells.CurrentColumn(), 1);
        QCOMPARE(st.cells.CurrentRow(), 1);
        // Held across another fetch, both cells report the later position.
        QCOMPARE(number->AsInteger(), 2);
        held->SetAsString(QStringLiteral("x"));
        QCOMPARE(st.changes, (QList<QPair<int, int>>{{1, 1}}));
        QCOMPARE(st.senders, QSet<TCells*>{&st.cells});
        QCOMPARE(held->GetColor(), 0x0000FF);
        QCOMPARE(held->GetFontColor(), 0x00FF00);
        QCOMPARE(st.grid.asked, (QList<QPair<int, int>>{{1, 1}, {1, 1}}));

        // Fetched and used at once, a cell reports its own position.
        st.changes.clear();
        st.cells.GetCell(0, 2)->SetAsString(QStringLiteral("y"));
        QCOMPARE(st.changes, (QList<QPair<int, int>>{{0, 2}}));
    }

    void setColorReportsOnlyAfterBuilding() {
        Store st;
        st.addColumn(8);
        st.cells.AddRows(1);
        TCell* cell = st.cells.GetCell(0, 0);
        QVERIFY(!cell->Building());
        cell->SetColor(0xDDECEE);
        QCOMPARE(cell->Color(), 0xDDECEE);
        QCOMPARE(st.changes.size(), 1);

        TStringCell loose(&st.cells);
        QVERIFY(loose.Building());
        loose.SetColor(0x0000FF);
        QCOMPARE(loose.Color(), 0x0000FF);
        QCOMPARE(st.changes.size(), 1);
    }

    void changeUnsortsEvenWhenTheHandlerRaises() {
        Store st;
        st.addColumn(8);
        st.cells.AddRows(2);
        st.cells.Sort(0, TSortType::stAlphabetic, false, TSortKind::skAscending);
        QVERIFY(st.cells.Sorted());
        st.cells.OnCellChange = [](TCells*, int, int) { throw platform::EConvertError(QStringLiteral("x")); };
        QVERIFY_THROWS_EXCEPTION(platform::EConvertError,
                                 st.cells.GetCell(0, 0)->SetAsString(QStringLiteral("b")));
        QVERIFY(!st.cells.Sorted());
    }

    // ---- the cell makers ----

    void makers_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("maker");
        QTest::addColumn<QString>("cellClass");
        // kind: CreateCell (child rows), AddColumn, AddRows, InsertColumn, InsertRow.
        const auto list = [](std::initializer_list<const char*> names) {
            QStringList result;
            for (const char* name : names)
                result << QString::fromLatin1(name);
            return result;
        };
        const QList<QPair<int, QStringList>> table = {
            {0, list({"Increment", "Increment", "Increment", "Integer", "Integer"})},
            {1, list({"Boolean", "Boolean", "Boolean", "Boolean", "Boolean"})},
            {3, list({"DateTime", "DateTime", "DateTime", "DateTime", "DateTime"})},
            {4, list({"Float", "Float", "Float", "Float", "Float"})},
            {6, list({"String", "Guid", "Guid", "Guid", "String"})},
            {7, list({"Integer", "Integer", "Integer", "Integer", "Integer"})},
            {11, list({"Virtual", "Virtual", "Virtual", "Virtual", "Virtual"})},
            {8, list({"String", "String", "String", "String", "String"})},
            {2, list({"String", "String", "String", "String", "String"})},
            {5, list({"String", "String", "String", "String", "String"})},
            {255, list({"String", "String", "String", "String", "String"})},
        };
        const QStringList makers = list({"CreateCell", "AddColumn", "AddRows", "InsertColumn", "InsertRow"});
        for (const auto& [kind, classes] : table) {
            for (int m = 0; m < makers.size(); ++m) {
                const QString name = QStringLiteral("kind %1 %2").arg(kind).arg(makers[m]);
                QTest::newRow(qPrintable(name)) << kind << makers[m] << classes[m];
            }
        }
    }

    void makers() {
        QFETCH(int, kind);
        QFETCH(QString, maker);
        QFETCH(QString, cellClass);
        const auto k = static_cast<std::uint8_t>(kind);
        Store st;
        int col = 0;
        int row = 0;
        FakeColumn* column = nullptr;
        if (maker == QLatin1String("CreateCell")) {
            column = st.addColumn(k);
            st.cells.AddRows(1);
            st.cells.AddChildRow(0, 1);
            row = 1;
        } else if (maker == QLatin1String("AddColumn")) {
            st.cells.AddRows(1);
            column = st.addColumn(k);
        } else if (maker == QLatin1String("AddRows")) {
            column = st.addColumn(k);
            st.cells.AddRows(1);
        } else if (maker == QLatin1String("InsertColumn")) {
            st.addColumn(8);
            st.cells.AddRows(1);
            column = st.insertColumn(0, k);
        } else {
            column = st.addColumn(k);
            st.cells.InsertRow(0);
        }
        TCell* cell = st.cells.GetCell(col, row);
        QCOMPARE(className(cell), cellClass);
        QVERIFY(!cell->Building());
        QVERIFY(!cell->Empty());
        QCOMPARE(cell->ObjectReference(), nullptr);
        QCOMPARE(cell->Hint(), QString());
        QCOMPARE(cell->Color(), 0x123456);
        QCOMPARE(cell->FontStyle(), platform::TFontStyles());
        if (auto* v = dynamic_cast<TVirtualCell*>(cell))
            QCOMPARE(v->Column(), column);
        QVERIFY(st.changes.isEmpty());
        CHECK_STORE(st.cells);
    }

    void makersCopyTheColumnsFontAndColour() {
        Store st;
        st.columns.items.push_back(std::make_unique<FakeColumn>(8, platform::TFontStyle::fsBold, 0xDDECEE));
        st.cells.ColumnNotify(TCells::coAdd, -1, -1);
        st.cells.AddRows(1);
        st.cells.InsertRow(0);
        st.cells.AddChildRow(0, 1);
        st.columns.items.insert(st.columns.items.begin(),
                                std::make_unique<FakeColumn>(7, platform::TFontStyle::fsUnderline, 0xF0CAA6));
        st.cells.ColumnNotify(TCells::coInsert, 0, -1);
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(st.cells.GetCell(1, r)->FontStyle(),
                     platform::TFontStyles(platform::TFontStyle::fsBold));
            QCOMPARE(st.cells.GetCell(1, r)->Color(), 0xDDECEE);
            QCOMPARE(st.cells.GetCell(0, r)->FontStyle(),
                     platform::TFontStyles(platform::TFontStyle::fsUnderline));
            QCOMPARE(st.cells.GetCell(0, r)->Color(), 0xF0CAA6);
        }
        QVERIFY(st.changes.isEmpty());
    }

    void insertedRowInRowNumberColumnShowsZero() {
        Store st;
        st.addColumn(0);
        st.cells.AddRows(2);
        st.cells.InsertRow(1);
        QCOMPARE(st.cells.GetCell(0, 0)->AsString(), QStringLiteral("1"));
        QCOMPARE(st.cells.GetCell(0, 1)->AsString(), QStringLiteral("0"));
        QCOMPARE(st.cells.GetCell(0, 2)->AsString(), QStringLiteral("3"));
    }

    // ---- rows ----

    void addRows() {
        Store st;
        st.addColumn(8);
        st.addColumn(1);
        st.cells.SetDefaultRowHeight(18);
        st.cells.AddRows(3);
        QCOMPARE(st.cells.RowCount(), 3);
        QCOMPARE(st.cells.VisibleRowCount(), 3);
        const TRow* row = st.cells.GetRow(2);
        QCOMPARE(row->Height(), 18);
        QCOMPARE(row->Level(), 0);
        QCOMPARE(row->ParentRow(), nullptr);
        QVERIFY(row->Expanded() && row->Shown() && row->Visible() && !row->Selected());
        QCOMPARE(row->ChildCount(), 0);
        st.cells.AddRows(0);
        st.cells.AddRows(-2);
        QCOMPARE(st.cells.RowCount(), 3);
        QVERIFY(st.changes.isEmpty());
        CHECK_STORE(st.cells);
    }

    void insertRow_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("front") << 0;
        QTest::newRow("middle") << 2;
        QTest::newRow("end") << 4;
    }
    void insertRow() {
        QFETCH(int, index);
        Store st;
        st.addColumn(8);
        st.addColumn(4);
        st.cells.AddRows(4);
        for (int r = 0; r < 4; ++r)
            st.cells.GetCell(0, r)->SetAsString(QString::number(r));
        st.cells.Sort(0, TSortType::stAlphabetic, false, TSortKind::skAscending);
        st.cells.InsertRow(index);
        QVERIFY(!st.cells.Sorted());
        QCOMPARE(st.cells.RowCount(), 5);
        QCOMPARE(st.cells.VisibleRowCount(), 5);
        QStringList texts;
        for (int r = 0; r < 5; ++r)
            texts << st.cells.GetCell(0, r)->AsString();
        QStringList expected = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                QStringLiteral("3")};
        expected.insert(index, QString());
        QCOMPARE(texts, expected);
        CHECK_STORE(st.cells);
    }

    void childRows() {
        Store st;
        st.addColumn(8);
        st.cells.AddRows(2);
        st.cells.Sort(0, TSortType::stAlphabetic, false, TSortKind::skAscending);
        st.cells.GetRow(1)->SetExpanded(false);
        st.cells.AddChildRow(0, 1); // A's first child
        st.cells.AddChildRow(1, 2); // its grandchild
        st.cells.AddChildRow(0, 3); // A's second child
        st.cells.AddChildRow(4, 5); // child of the collapsed row B
        // rows: 0 A, 1 a1, 2 g, 3 a2, 4 B, 5 b1
        QVERIFY(st.cells.Sorted());
        QCOMPARE(st.cells.RowCount(), 6);
        const TRow* top = st.cells.GetRow(0);
        QCOMPARE(top->ChildCount(), 2);
        QCOMPARE(st.cells.GetRow(1)->ParentRow(), top);
        QCOMPARE(st.cells.GetRow(1)->Level(), 1);
        QCOMPARE(st.cells.GetRow(2)->Level(), 2);
        QCOMPARE(st.cells.GetRow(2)->ParentRow(), st.cells.GetRow(1));
        QCOMPARE(st.cells.GetRow(1)->ChildCount(), 1);
        QVERIFY(!st.cells.GetRow(5)->Shown());
        QVERIFY(st.cells.GetRow(5)->Visible());
        QCOMPARE(st.cells.VisibleRowCount(), 5);
        QCOMPARE(st.cells.GetDescendantCount(0), 3);
        QCOMPARE(st.cells.GetChildCount(0), 1); // the grandchild stops the count
        QCOMPARE(st.cells.GetChildCount(1), 1);
        QCOMPARE(st.cells.GetChildCount(2), 0);
        QCOMPARE(st.cells.GetDescendantCount(4), 1);
        QCOMPARE(st.cells.GetDescendantCount(5), 0);
        QCOMPARE(st.cells.IndexOfRow(st.cells.GetRow(3)), 3);
        QCOMPARE(st.cells.IndexOfRow(nullptr), -1);
        QVERIFY(st.changes.isEmpty());
        CHECK_STORE(st.cells);
    }

    void deleteRow() {
        Store st;
        st.addColumn(8);
        st.cells.AddRows(4);
        for (int r = 0; r < 4; ++r)
            st.cells.GetCell(0, r)->SetAsString(QString::number(r));
        st.cells.Sort(0, TSortType::stAlphabetic, false, TSortKind::skAscending);
        st.cells.SetRowVisible(3, false);
        st.cells.DeleteRow(1);
        QVERIFY(st.cells.Sorted());
        QCOMPARE(st.cells.RowCount(), 3);
        QCOMPARE(st.cells.VisibleRowCount(), 2);
        QCOMPARE(st.cells.GetCell(0, 1)->AsString(), QStringLiteral("2"));
        st.cells.DeleteRow(2); // the hidden row
        QCOMPARE(st.cells.VisibleRowCount(), 2);
        CHECK_STORE(st.cells);
    }

    void deletingAHiddenCollapsedRowKeepsTheCount() {
        Store st;
        st.addColumn(8);
        st.cells.AddRows(3);
        st.cells.SetRowShown(1, false);
        st.cells.SetRowVisible(1, false);
        QCOMPARE(st.cells.VisibleRowCount(), 2);
        st.cells.DeleteRow(1);
        QCOMPARE(st.cells.VisibleRowCount(), 2);
        CHECK_STORE(st.cells);
    }

    void deletingAParentLeavesNoDanglingParent() {
        Store st;
        st.addColumn(8);
        st.cells.AddRows(1);
        st.cells.AddChildRow(0, 1);
        st.cells.DeleteRow(0);
        QCOMPARE(st.cells.GetRow(0)->ParentRow(), nullptr);
        QCOMPARE(st.cells.GetRow(0)->Level(), 1);
        CHECK_STORE(st.cells);
    }

    void visibleRowCountCountsRowsBothVisibleAndShown() {
        Store st;
        st.addColumn(8);
        st.cells.AddRows(3);
        st.cells.SetRowVisible(0, false);
        st.cells.SetRowShown(0, false); // already not counted
        QCOMPARE(st.cells.VisibleRowCount(), 2);
        st.cells.SetRowShown(0, false); // unchanged value
        st.cells.SetRowVisible(0, false);
        QCOMPARE(st.cells.VisibleRowCount(), 2);
        st.cells.SetRowVisible(0, true); // still not shown
        QCOMPARE(st.cells.VisibleRowCount(), 2);
        st.cells.SetRowShown(0, true);
        QCOMPARE(st.cells.VisibleRowCount(), 3);
        st.cells.SetRowShown(1, false);
        st.cells.SetRowVisible(1, false);
        st.cells.SetRowShown(1, true);
        QCOMPARE(st.cells.VisibleRowCount(), 2);
        QVERIFY(!st.cells.GetRow(1)->Visible());
        QVERIFY(st.cells.GetRow(1)->Shown());
        CHECK_STORE(st.cells);
    }

    void moveRow_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("order");
        QTest::newRow("down") << 0 << 3 << QStringLiteral("12304");
        QTest::newRow("up") << 3 << 1 << QStringLiteral("03124");
        QTest::newRow("to the end") << 1 << 4 << QStringLiteral("02341");
        QTest::newRow("in place") << 2 << 2 << QStringLiteral("01234");
    }
    void moveRow() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, order);
        Store st;
        st.addColumn(8);
        st.addColumn(7);
        st.cells.AddRows(5);
        QList<const TRow*> rows;
        for (int r = 0; r < 5; ++r) {
            st.cells.GetCell(0, r)->SetAsString(QString::number(r));
            st.cells.GetCell(1, r)->SetAsInteger(r);
            rows << st.cells.GetRow(r);
        }
        st.cells.Sort(0, TSortType::stAlphabetic, false, TSortKind::skAscending);
        st.cells.MoveRow(from, to);
        QVERIFY(!st.cells.Sorted());
        QString got;
        for (int r = 0; r < 5; ++r) {
            const int was = st.cells.GetCell(1, r)->AsInteger();
            QCOMPARE(st.cells.GetCell(0, r)->AsString().toInt(), was);
            QCOMPARE(st.cells.GetRow(r), rows[was]);
            got += QString::number(was);
        }
        QCOMPARE(got, order);
        CHECK_STORE(st.cells);
    }

    void exchangeRowsKeepsTheSortedState() {
        Store st;
        st.addColumn(8);
        st.cells.AddRows(3);
        st.cells.GetCell(0, 0)->SetAsString(QStringLiteral("a"));
        st.cells.Sort(0, TSortType::stAlphabetic, false, TSortKind::skAscending);
        const TRow* first = st.cells.GetRow(0);
        const TCell* a = st.cells.GetCell(0, 0);
        st.cells.ExchangeRows(0, 2);
        QVERIFY(st.cells.Sorted());
        QCOMPARE(st.cells.GetCell(0, 2), a);
        QCOMPARE(st.cells.GetRow(2), first);
        CHECK_STORE(st.cells);
    }

    void clearRowsKeepsTheColumns() {
        Store st;
        st.addColumn(8);
        st.addColumn(1);
        st.cells.AddRows(3);
        st.cells.Sort(0, TSortType::stAlphabetic, false, TSortKind::skAscending);
        st.cells.ClearRows();
        QCOMPARE(st.cells.RowCount(), 0);
        QCOMPARE(st.cells.VisibleRowCount(), 0);
        QCOMPARE(st.cells.ColumnCount(), 2);
        QVERIFY(!st.cells.Sorted());
        st.cells.AddRows(1);
        QCOMPARE(className(st.cells.GetCell(1, 0)), QStringLiteral("Boolean"));
        CHECK_STORE(st.cells);
    }

    void badRowIndexesRaiseTheListIndexError() {
        Store st;
        st.addColumn(8);
        st.cells.AddRows(3);
        QCOMPARE(listErrorOf([&] { st.cells.GetCell(0, 3); }), listIndexMessage(3));
        QCOMPARE(listErrorOf([&] { st.cells.GetCell(0, -1); }), listIndexMessage(-1));
        QCOMPARE(listErrorOf([&] { st.cells.GetRow(7); }), listIndexMessage(7));
        QCOMPARE(listErrorOf([&] { st.cells.InsertRow(4); }), listIndexMessage(4));
        QCOMPARE(listErrorOf([&] { st.cells.InsertRow(-1); }), listIndexMessage(-1));
        QCOMPARE(listErrorOf([&] { st.cells.AddChildRow(3, 1); }), listIndexMessage(3));
        QCOMPARE(listErrorOf([&] { st.cells.AddChildRow(0, 5); }), listIndexMessage(5));
        QCOMPARE(listErrorOf([&] { st.cells.DeleteRow(3); }), listIndexMessage(3));
        QCOMPARE(listErrorOf([&] { st.cells.MoveRow(0, 3); }), listIndexMessage(3));
        QCOMPARE(listErrorOf([&] { st.cells.MoveRow(-2, 0); }), listIndexMessage(-2));
        QCOMPARE(listErrorOf([&] { st.cells.ExchangeRows(1, 9); }), listIndexMessage(9));
        QCOMPARE(listErrorOf([&] { st.cells.SetRowShown(3, false); }), listIndexMessage(3));
        QCOMPARE(listErrorOf([&] { st.cells.SetRowVisible(-1, false); }), listIndexMessage(-1));
        QCOMPARE(listErrorOf([&] { st.cells.GetDescendantCount(3); }), listIndexMessage(3));
        QCOMPARE(listErrorOf([&] { st.cells.GetChildCount(-1); }), listIndexMessage(-1));
        QCOMPARE(st.cells.RowCount(), 3);
        CHECK_STORE(st.cells);
    }

    // ---- columns ----

    void columnNotifications_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("index1");
        QTest::addColumn<int>("index2");
        QTest::addColumn<QString>("columns"); // the lists' first cell texts afterwards
        QTest::addColumn<int>("rows");
        // Lists start as "a", "b", "c", each with two rows.
        QTest::newRow("add") << 0 << -1 << -1 << QStringLiteral("abc_") << 2;
        QTest::newRow("add, high bit set") << 0x80 << -1 << -1 << QStringLiteral("abc_") << 2;
        QTest::newRow("delete first") << 1 << 0 << -1 << QStringLiteral("bc") << 2;
        QTest::newRow("delete middle") << 1 << 1 << -1 << QStringLiteral("ac") << 2;
        QTest::newRow("delete last") << 1 << 2 << -1 << QStringLiteral("ab") << 2;
        QTest::newRow("clear") << 2 << -1 << -1 << QStringLiteral("") << 0;
        QTest::newRow("insert front") << 3 << 0 << -1 << QStringLiteral("_abc") << 2;
        QTest::newRow("insert middle") << 3 << 1 << -1 << QStringLiteral("a_bc") << 2;
        QTest::newRow("insert end") << 3 << 3 << -1 << QStringLiteral("abc_") << 2;
        QTest::newRow("move right") << 4 << 0 << 2 << QStringLiteral("bca") << 2;
        QTest::newRow("move left") << 4 << 2 << 0 << QStringLiteral("cab") << 2;
        QTest::newRow("move in place") << 4 << 1 << 1 << QStringLiteral("abc") << 2;
        QTest::newRow("unknown code 5") << 5 << 0 << 1 << QStringLiteral("abc") << 2;
        QTest::newRow("unknown code 127") << 127 << 0 << 1 << QStringLiteral("abc") << 2;
        QTest::newRow("delete, high bit set") << 0x81 << 0 << -1 << QStringLiteral("bc") << 2;
    }
    void columnNotifications() {
        QFETCH(int, operation);
        QFETCH(int, index1);
        QFETCH(int, index2);
        QFETCH(QString, columns);
        QFETCH(int, rows);
        Store st;
        for (int c = 0; c < 3; ++c)
            st.addColumn(8);
        st.cells.AddRows(2);
        for (int c = 0; c < 3; ++c) {
            st.cells.GetCell(c, 0)->SetAsString(QString(QLatin1Char(char('a' + c))));
            st.cells.GetCell(c, 1)->SetAsString(QString(QLatin1Char(char('a' + c))));
        }
        // The collection changes first, then tells the store, as the grid does.
        const int code = operation & 0x7F;
        if (code == TCells::coAdd)
            st.columns.items.push_back(std::make_unique<FakeColumn>(8));
        if (code == TCells::coInsert)
            st.columns.items.insert(st.columns.items.begin() + index1, std::make_unique<FakeColumn>(8));
        st.changes.clear();
        st.cells.ColumnNotify(operation, index1, index2);
        QString got;
        for (int c = 0; c < st.cells.ColumnCount(); ++c) {
            const QString text = st.cells.GetCell(c, 0)->AsString();
            QCOMPARE(st.cells.GetCell(c, 1)->AsString(), text);
            got += text.isEmpty() ? QStringLiteral("_") : text;
        }
        QCOMPARE(got, columns);
        QCOMPARE(st.cells.RowCount(), rows);
        QCOMPARE(st.cells.VisibleRowCount(), rows);
        QVERIFY(st.changes.isEmpty());
        CHECK_STORE(st.cells);
    }

    void deletingTheLastColumnLeavesNoRows() {
        Store st;
        st.addColumn(8);
        st.cells.AddRows(3);
        st.cells.SetRowVisible(1, false);
        st.deleteColumn(0);
        QCOMPARE(st.cells.ColumnCount(), 0);
        QCOMPARE(st.cells.RowCount(), 0);
        QCOMPARE(st.cells.VisibleRowCount(), 0);
        st.addColumn(8);
        st.cells.AddRows(1);
        QCOMPARE(st.cells.VisibleRowCount(), 1);
        CHECK_STORE(st.cells);
    }

    void columnTableHoldsAtMost1025Lists() {
        Store st;
        st.cells.AddRows(1);
        for (int c = 0; c < TCells::MaxColumns; ++c)
            st.addColumn(8);
        QCOMPARE(st.cells.ColumnCount(), 1025);
        st.cells.GetCell(1024, 0)->SetAsString(QStringLiteral("last"));
        QCOMPARE(listErrorOf([&] { st.addColumn(8); }), listIndexMessage(1025));
        QCOMPARE(listErrorOf([&] { st.insertColumn(0, 8); }), listIndexMessage(1025));
        QCOMPARE(st.cells.ColumnCount(), 1025);
        QCOMPARE(st.cells.GetCell(1024, 0)->AsString(), QStringLiteral("last"));
        st.deleteColumn(0);
        st.deleteColumn(0);
        st.addColumn(8);
        QCOMPARE(st.cells.ColumnCount(), 1024);
        CHECK_STORE(st.cells);
    }

    void badColumnIndexesRaiseTheListIndexError() {
        Store st;
        QCOMPARE(listErrorOf([&] { st.cells.ColumnNotify(TCells::coAdd, -1, -1); }), listIndexMessage(-1));
        st.addColumn(8);
        st.addColumn(8);
        st.cells.AddRows(1);
        QCOMPARE(listErrorOf([&] { st.cells.GetCell(2, 0); }), listIndexMessage(2));
        QCOMPARE(listErrorOf([&] { st.cells.GetCell(-1, 0); }), listIndexMessage(-1));
        QCOMPARE(listErrorOf([&] { st.cells.DeleteColumn(2); }), listIndexMessage(2));
        QCOMPARE(listErrorOf([&] { st.cells.InsertColumn(3); }), listIndexMessage(3));
        // The collection has no column at the index either.
        QCOMPARE(listErrorOf([&] { st.cells.InsertColumn(2); }), listIndexMessage(2));
        QCOMPARE(listErrorOf([&] { st.cells.MoveColumn(0, 2); }), listIndexMessage(2));
        QCOMPARE(listErrorOf([&] { st.cells.MoveColumn(-1, 0); }), listIndexMessage(-1));
        QCOMPARE(
            listErrorOf([&] { st.cells.Sort(5, TSortType::stAlphabetic, false, TSortKind::skAscending); }),
            listIndexMessage(5));
        QCOMPARE(st.cells.ColumnCount(), 2);
        CHECK_STORE(st.cells);
    }

    void sortStateFollowsItsColumn() {
        Store st;
        for (int c = 0; c < 3; ++c)
            st.addColumn(8);
        st.cells.AddRows(2);
        st.cells.Sort(2, TSortType::stAlphabetic, false, TSortKind::skAscending);
        st.deleteColumn(0);
        QVERIFY(st.cells.Sorted());
        QCOMPARE(st.cells.SortedColumn(), 1);
        st.cells.MoveColumn(1, 0);
        QCOMPARE(st.cells.SortedColumn(), 0);
        st.cells.MoveColumn(1, 0);
        QCOMPARE(st.cells.SortedColumn(), 1);
        st.deleteColumn(1);
        QVERIFY(!st.cells.Sorted());
    }

    void insertColumnUnsorts() {
        Store st;
        st.addColumn(8);
        st.cells.AddRows(2);
        st.cells.Sort(0, TSortType::stAlphabetic, false, TSortKind::skAscending);
        st.addColumn(8);
        QVERIFY(st.cells.Sorted());
        st.insertColumn(0, 8);
        QVERIFY(!st.cells.Sorted());
    }
};

QTEST_GUILESS_MAIN(TestCells)
#include "tst_cells.moc"

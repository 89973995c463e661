// The cell store's sort: every comparer in both directions against a reference order, the reverse
// shortcut, equal keys, and comparers that are not consistent.
#include "CellFakes.h"
#include "grid/CellSort.h"
#include "platform/Cp1252.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace grid;

Q_DECLARE_METATYPE(grid::TSortType)
Q_DECLARE_METATYPE(grid::TSortKind)

namespace {

constexpr int kRows = 300;

// A key column (0) and a tag column (1) holding every row's first index, so that a sorted row can be
// traced back to the row it was.
struct SortStore : Store {
    SortStore(std::uint8_t kind, int rows) {
        addColumn(kind);
        addColumn(7);
        cells.AddRows(rows);
        for (int r = 0; r < rows; ++r) {
            cells.GetCell(1, r)->SetAsInteger(r);
            rowRecords << cells.GetRow(r);
        }
    }
    int tag(int r) { return cells.GetCell(1, r)->AsInteger(); }
    QList<int> tags() {
        QList<int> result;
        for (int r = 0; r < cells.RowCount(); ++r)
            result << tag(r);
        return result;
    }
    // Every row is still there, whole: its record and its cells moved together.
    QString moveFault() {
        QList<int> seen = tags();
        for (int r = 0; r < cells.RowCount(); ++r) {
            if (cells.GetRow(r) != rowRecords.at(seen[r]))
                return QStringLiteral("row %1 lost its record").arg(r);
        }
        std::sort(seen.begin(), seen.end());
        for (int i = 0; i < seen.size(); ++i) {
            if (seen[i] != i)
                return QStringLiteral("rows lost or doubled");
        }
        return storeFault(cells);
    }
    QList<const TRow*> rowRecords;
};

#define CHECK_MOVES(st)                                                                                      \
    do {                                                                                                     \
        const QString fault = (st).moveFault();                                                              \
        QVERIFY2(fault.isEmpty(), qPrintable(fault));                                                        \
    } while (false)

QString randomText(QRandomGenerator& random, const QString& alphabet, int maxLength) {
    QString text;
    const int length = static_cast<int>(random.bounded(maxLength + 1));
    for (int i = 0; i < length; ++i)
        text += alphabet.at(random.bounded(static_cast<int>(alphabet.size())));
    return text;
}

// Reference orders, written independently of the store: less(a, b).
bool ordinalLess(const QString& a, const QString& b) {
    return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(), b.utf16(), b.utf16() + b.size());
}

bool caseInsensitiveLess(const QString& a, const QString& b) {
    QByteArray x = platform::toCp1252(a);
    QByteArray y = platform::toCp1252(b);
    for (QByteArray* bytes : {&x, &y}) {
        for (char& c : *bytes) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + 32);
        }
    }
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
                                        [](char p, char q) { return uchar(p) < uchar(q); });
}

// An address's numbers from the fourth to the first.
std::array<int, 4> ipKey(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    return {parts[3].toInt(), parts[2].toInt(), parts[1].toInt(), parts[0].toInt()};
}

} // namespace

class TestCellSort : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void everyComparer_data() {
        QTest::addColumn<TSortType>("type");
        QTest::addColumn<TSortKind>("kind");
        QTest::addColumn<quint32>("seed");
        const QList<QPair<const char*, TSortType>> types = {
            {"alphabetic", TSortType::stAlphabetic},
            {"boolean", TSortType::stBoolean},
            {"case-insensitive", TSortType::stCaseInsensitive},
            {"custom", TSortType::stCustom},
            {"numeric", TSortType::stNumeric},
            {"date", TSortType::stDate},
            {"IP", TSortType::stIP}};
        for (const auto& [name, type] : types) {
            for (quint32 seed : {1u, 2u, 3u}) {
                QTest::addRow("%s ascending, seed %u", name, seed) << type << TSortKind::skAscending << seed;
                QTest::addRow("%s descending, seed %u", name, seed)
                    << type << TSortKind::skDescending << seed;
            }
        }
    }

    void everyComparer() {
        QFETCH(TSortType, type);
        QFETCH(TSortKind, kind);
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const QString letters = QStringLiteral("aAbB_Zz\u00e4\u00c4\u20ac\u03a9");

        std::uint8_t columnKind = 8;
        switch (type) {
        case TSortType::stBoolean:
            columnKind = 1;
            break;
        case TSortType::stNumeric:
            columnKind = 4;
            break;
        case TSortType::stDate:
            columnKind = 3;
            break;
        default:
            break;
        }
        SortStore st(columnKind, kRows);
        QList<QString> texts;
        QList<double> numbers;
        for (int r = 0; r < kRows; ++r) {
            TCell* cell = st.cells.GetCell(0, r);
            switch (type) {
            case TSortType::stBoolean:
                cell->SetAsBoolean(random.bounded(2) == 1);
                break;
            case TSortType::stNumeric:
            case TSortType::stDate:
                numbers << (static_cast<int>(random.bounded(41)) - 20) * 0.5;
                cell->SetAsFloat(numbers.last());
                break;
            case TSortType::stIP:
                texts << QStringLiteral("%1.%2.%3.%4")
                             .arg(random.bounded(3))
                             .arg(random.bounded(3))
                             .arg(random.bounded(3))
                             .arg(random.bounded(3));
                cell->SetAsString(texts.last());
                break;
            default:
                texts << randomText(random, letters, 3);
                cell->SetAsString(texts.last());
                break;
            }
        }
        int compared = 0;
        st.cells.OnCellCompare = [&](TCells* sender, TCell* p, TCell* x, int& result) {
            ++compared;
            QCOMPARE(sender, &st.cells);
            QCOMPARE(result, 0);
            result = static_cast<int>(p->AsString().size() - x->AsString().size());
        };
        // The key of a row by its first index; less is the reference order of the type.
        const auto less = [&](int a, int b) {
            switch (type) {
            case TSortType::stAlphabetic:
                return ordinalLess(texts[a], texts[b]);
            case TSortType::stCaseInsensitive:
                return caseInsensitiveLess(texts[a], texts[b]);
            case TSortType::stCustom:
                return texts[a].size() < texts[b].size();
            case TSortType::stNumeric:
            case TSortType::stDate:
                return numbers[a] < numbers[b];
            case TSortType::stIP:
                // Ascending puts the greatest address first.
                return ipKey(texts[b]) < ipKey(texts[a]);
            case TSortType::stBoolean:
                break;
            }
            return false;
        };
        QList<bool> flags;
        if (type == TSortType::stBoolean) {
            for (int r = 0; r < kRows; ++r)
                flags << st.cells.GetCell(0, r)->AsBoolean();
        }

        st.changes.clear();
        st.cells.SetRandomSeed(seed);
        st.cells.Sort(0, type, false, kind);
        QVERIFY(st.cells.Sorted());
        QCOMPARE(st.cells.SortedColumn(), 0);
        QCOMPARE(st.cells.SortDirection(), kind);
        QCOMPARE(st.cells.CurrentColumn(), 0);
        QVERIFY(st.changes.isEmpty());
        QCOMPARE(compared > 0, type == TSortType::stCustom);
        CHECK_MOVES(st);

        const QList<int> order = st.tags();
        for (int r = 1; r < kRows; ++r) {
            int before = order[r - 1];
            int after = order[r];
            if (kind == TSortKind::skDescending)
                std::swap(before, after);
            const bool wrong =
                type == TSortType::stBoolean ? flags[before] && !flags[after] : less(after, before);
            QVERIFY2(!wrong, qPrintable(QStringLiteral("rows %1 and %2 out of order").arg(r - 1).arg(r)));
        }
    }

    // The same data sorted with the same seed gives the same order, equal keys included.
    void sameSeedSameOrder() {
        const auto run = [](quint32 seed) {
            SortStore st(8, kRows);
            for (int r = 0; r < kRows; ++r)
                st.cells.GetCell(0, r)->SetAsString(QString::number(r % 7));
            st.cells.SetRandomSeed(seed);
            st.cells.Sort(0, TSortType::stAlphabetic, false, TSortKind::skAscending);
            return st.tags();
        };
        QCOMPARE(run(42), run(42));
    }

    void equalKeys() {
        SortStore st(8, kRows);
        for (int r = 0; r < kRows; ++r)
            st.cells.GetCell(0, r)->SetAsString(QStringLiteral("x"));
        st.cells.Sort(0, TSortType::stAlphabetic, false, TSortKind::skAscending);
        CHECK_MOVES(st);
        st.cells.Sort(0, TSortType::stCustom, true, TSortKind::skDescending); // no handler: all equal
        CHECK_MOVES(st);
    }

    void inconsistentComparers_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("always less") << 0;
        QTest::newRow("always greater") << 1;
        QTest::newRow("random answers") << 2;
        QTest::newRow("NaN among numbers") << 3;
        QTest::newRow("only NaN") << 4;
        QTest::newRow("two rows, always less") << 5;
    }
    void inconsistentComparers() {
        QFETCH(int, mode);
        const int rows = mode == 5 ? 2 : kRows;
        SortStore st(mode == 3 || mode == 4 ? 4 : 8, rows);
        QRandomGenerator random(7);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (int r = 0; r < rows; ++r) {
            if (mode == 3)
                st.cells.GetCell(0, r)->SetAsFloat(r % 3 == 0 ? nan : double(random.bounded(10)));
            if (mode == 4)
                st.cells.GetCell(0, r)->SetAsFloat(nan);
        }
        st.cells.OnCellCompare = [&](TCells*, TCell*, TCell*, int& result) {
            result = mode == 1 ? 1 : (mode == 2 ? (random.bounded(2) ? 1 : -1) : -1);
        };
        const TSortType type = mode == 3 || mode == 4 ? TSortType::stNumeric : TSortType::stCustom;
        for (TSortKind kind : {TSortKind::skAscending, TSortKind::skDescending}) {
            st.cells.SetRandomSeed(11);
            st.cells.Sort(0, type, true, kind);
            QVERIFY(st.cells.Sorted());
            CHECK_MOVES(st);
        }
    }

    void reverseShortcut() {
        SortStore st(8, kRows);
        QRandomGenerator random(5);
        for (int r = 0; r < kRows; ++r)
            st.cells.GetCell(0, r)->SetAsString(QString::number(random.bounded(10)));
        int compared = 0;
        st.cells.OnCellCompare = [&](TCells*, TCell* p, TCell* x, int& result) {
            ++compared;
            result = p->AsString().compare(x->AsString());
        };
        st.cells.Sort(0, TSortType::stCustom, false, TSortKind::skAscending);
        QVERIFY(compared > 0);
        QList<int> ascending = st.tags();

        // Only the direction changed: reversed without a comparison, equal keys too.
        compared = 0;
        st.cells.Sort(0, TSortType::stCustom, false, TSortKind::skDescending);
        QCOMPARE(compared, 0);
        QCOMPARE(st.cells.SortDirection(), TSortKind::skDescending);
        std::reverse(ascending.begin(), ascending.end());
        QCOMPARE(st.tags(), ascending);
        CHECK_MOVES(st);

        // Full resort, the same direction again, or after a change: always compared.
        st.cells.Sort(0, TSortType::stCustom, true, TSortKind::skAscending);
        QVERIFY(compared > 0);
        compared = 0;
        st.cells.Sort(0, TSortType::stCustom, false, TSortKind::skAscending);
        QVERIFY(compared > 0);
        compared = 0;
        st.cells.GetCell(0, 0)->SetAsString(QStringLiteral("5"));
        QVERIFY(!st.cells.Sorted());
        st.cells.Sort(0, TSortType::stCustom, false, TSortKind::skDescending);
        QVERIFY(compared > 0);
    }

    void reverseShortcutOnlyForTheSortedColumn() {
        SortStore st(8, 5);
        st.addColumn(8);
        int compared = 0;
        st.cells.OnCellCompare = [&](TCells*, TCell*, TCell*, int&) { ++compared; };
        st.cells.Sort(0, TSortType::stCustom, false, TSortKind::skAscending);
        compared = 0;
        st.cells.Sort(2, TSortType::stCustom, false, TSortKind::skDescending);
        QVERIFY(compared > 0);
        QCOMPARE(st.cells.SortedColumn(), 2);
    }

    void reverseOddAndEvenCounts_data() {
        QTest::addColumn<int>("rows");
        for (int n : {0, 1, 2, 3, 4, 7})
            QTest::addRow("%d rows", n) << n;
    }
    void reverseOddAndEvenCounts() {
        QFETCH(int, rows);
        SortStore st(8, rows);
        st.cells.Sort(0, TSortType::stCustom, false, TSortKind::skAscending);
        const QList<int> before = st.tags();
        st.cells.Sort(0, TSortType::stCustom, false, TSortKind::skDescending);
        QList<int> expected = before;
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(st.tags(), expected);
        CHECK_MOVES(st);
    }

    void emptyStoreRecordsTheSort() {
        Store st;
        st.addColumn(8);
        st.addColumn(8);
        int compared = 0;
        st.cells.OnCellCompare = [&](TCells*, TCell*, TCell*, int&) { ++compared; };
        st.cells.Sort(1, TSortType::stCustom, false, TSortKind::skDescending);
        QVERIFY(st.cells.Sorted());
        QCOMPARE(st.cells.SortedColumn(), 1);
        QCOMPARE(st.cells.SortDirection(), TSortKind::skDescending);
        QCOMPARE(compared, 0);
        st.cells.AddRows(1);
        st.cells.Sort(1, TSortType::stCustom, true, TSortKind::skAscending);
        QCOMPARE(compared, 0);
    }

    void failedComparisonLeavesTheStoreUnsorted() {
        SortStore st(8, 50);
        for (int r = 0; r < 50; ++r)
            st.cells.GetCell(0, r)->SetAsString(QStringLiteral("10.0.0.%1").arg(r));
        st.cells.Sort(0, TSortType::stIP, false, TSortKind::skAscending);
        QVERIFY(st.cells.Sorted());
        st.cells.GetCell(0, 20)->SetAsString(QStringLiteral("10..0.1"));
        st.cells.Sort(0, TSortType::stAlphabetic, false, TSortKind::skAscending);
        try {
            st.cells.Sort(0, TSortType::stIP, true, TSortKind::skDescending);
            QFAIL("no error");
        } catch (const platform::EConvertError& e) {
            QCOMPARE(e.Message(), QStringLiteral("'' ist kein gültiger Integerwert"));
        }
        QVERIFY(!st.cells.Sorted());
        CHECK_MOVES(st);
    }

    void ipOrderIsInverted() {
        SortStore st(8, 4);
        const QStringList texts = {QStringLiteral("10.0.0.1"), QStringLiteral("9.9.9.3"),
                                   QStringLiteral("10.0.0.2"), QStringLiteral("1.2.3.4")};
        for (int r = 0; r < 4; ++r)
            st.cells.GetCell(0, r)->SetAsString(texts[r]);
        st.cells.Sort(0, TSortType::stIP, false, TSortKind::skAscending);
        QCOMPARE(st.tags(), (QList<int>{3, 1, 2, 0}));
        st.cells.Sort(0, TSortType::stIP, true, TSortKind::skDescending);
        QCOMPARE(st.tags(), (QList<int>{0, 2, 1, 3}));
    }

    void rowNumberColumnSorts() {
        SortStore st(0, 40);
        st.cells.Sort(0, TSortType::stNumeric, false, TSortKind::skDescending);
        CHECK_MOVES(st);
        for (int r = 0; r < 40; ++r)
            QCOMPARE(st.cells.GetCell(0, r)->AsInteger(), r + 1);
    }

    void rowStateTravelsWithTheRow() {
        SortStore st(7, 3);
        for (int r = 0; r < 3; ++r)
            st.cells.GetCell(0, r)->SetAsInteger(3 - r);
        st.cells.GetRow(0)->SetSelected(true);
        st.cells.GetRow(0)->SetHeight(40);
        st.cells.SetRowVisible(0, false);
        st.cells.Sort(0, TSortType::stNumeric, false, TSortKind::skAscending);
        const TRow* moved = st.cells.GetRow(2);
        QVERIFY(moved->Selected() && !moved->Visible());
        QCOMPARE(moved->Height(), 40);
        QCOMPARE(st.cells.VisibleRowCount(), 2);
        CHECK_MOVES(st);
    }

    // ---- text orders ----

    void parseIPAddress_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("error");
        const QString none;
        QTest::newRow("four") << QStringLiteral("192.168.1.10") << QList<int>{192, 168, 1, 10} << none;
        QTest::newRow("two") << QStringLiteral("1.2") << QList<int>{1, 2, 0, 0} << none;
        QTest::newRow("empty") << QString() << QList<int>{0, 0, 0, 0} << none;
        QTest::newRow("letters skipped") << QStringLiteral("a1.b2x") << QList<int>{1, 2, 0, 0} << none;
        QTest::newRow("trailing dot") << QStringLiteral("1.2.3.4.") << QList<int>{1, 2, 3, 4} << none;
        QTest::newRow("trailing blank") << QStringLiteral("1.2.3.4 ") << QList<int>{1, 2, 3, 4} << none;
        QTest::newRow("two dots") << QStringLiteral("1..2") << QList<int>{}
                                  << QStringLiteral("'' ist kein gültiger Integerwert");
        QTest::newRow("leading dot") << QStringLiteral(".1") << QList<int>{}
                                     << QStringLiteral("'' ist kein gültiger Integerwert");
        QTest::newRow("no digits") << QStringLiteral("abc") << QList<int>{}
                                   << QStringLiteral("'' ist kein gültiger Integerwert");
        QTest::newRow("too large") << QStringLiteral("1.99999999999") << QList<int>{}
                                   << QStringLiteral("'99999999999' ist kein gültiger Integerwert");
        QTest::newRow("fifth number raised a list index error")
            << QStringLiteral("1.2.3.4.5") << QList<int>{1, 2, 3, 4} << none;
        QTest::newRow("empty fifth number") << QStringLiteral("1.2.3.4..x") << QList<int>{1, 2, 3, 4} << none;
    }
    void parseIPAddress() {
        QFETCH(QString, text);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, error);
        try {
            const std::array<int, 4> got = ParseIPAddress(text);
            QVERIFY(error.isEmpty());
            QCOMPARE(QList<int>(got.begin(), got.end()), numbers);
        } catch (const platform::Exception& e) {
            QCOMPARE(e.Message(), error);
        }
    }

    void compareIP_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("greaterOrEqual");
        QTest::newRow("fourth number decides")
            << QStringLiteral("1.2.3.4") << QStringLiteral("9.9.9.3") << true;
        QTest::newRow("then the third") << QStringLiteral("9.9.2.4") << QStringLiteral("1.1.3.4") << false;
        QTest::newRow("first number last") << QStringLiteral("2.0.0.1") << QStringLiteral("1.0.0.1") << true;
        QTest::newRow("equal") << QStringLiteral("10.0.0.1") << QStringLiteral("10.0.0.1") << true;
        QTest::newRow("smaller") << QStringLiteral("10.0.0.1") << QStringLiteral("10.0.0.2") << false;
    }
    void compareIP() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, greaterOrEqual);
        QCOMPARE(CompareIP(a, b), greaterOrEqual);
    }

    void caseInsensitiveOrder() {
        QVERIFY(CompareCaseInsensitive(QStringLiteral("ABC"), QStringLiteral("abc")) == 0);
        QVERIFY(CompareCaseInsensitive(QStringLiteral("ab"), QStringLiteral("abc")) < 0);
        QVERIFY(CompareCaseInsensitive(QStringLiteral("_"), QStringLiteral("a")) < 0); // 0x5F < 0x61
        QVERIFY(CompareCaseInsensitive(QStringLiteral("\u00c4"), QStringLiteral("\u00e4")) < 0); // keeps case
        QVERIFY(CompareCaseInsensitive(QStringLiteral("z"), QStringLiteral("\u20ac")) < 0); // euro is 0x80
        QVERIFY(CompareCaseInsensitive(QStringLiteral("\u03a9"), QStringLiteral("?")) == 0);
    }
};

QTEST_GUILESS_MAIN(TestCellSort)
#include "tst_cellsort.moc"

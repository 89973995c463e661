#include "grid/CellSort.h"

#include "grid/DgCells.h"
#include "platform/Conversions.h"
#include "platform/Cp1252.h"
#include "platform/Exceptions.h"

namespace grid {

// ---- text orders ----

std::array<int, 4> ParseIPAddress(const QString& Text) {
    std::array<int, 4> numbers{0, 0, 0, 0};
    std::size_t place = 0;
    QString digits;
    const qsizetype last = Text.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        const QChar c = Text.at(i);
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            digits.append(c);
        if (c == QLatin1Char('.') || i == last) {
            // An address has four places: whatever follows the fourth number is ignored.
            if (place < numbers.size())
                numbers[place++] = platform::StrToInt(digits);
            digits.clear();
        }
    }
    return numbers;
}

bool CompareIP(const QString& A, const QString& B) {
    const std::array<int, 4> a = ParseIPAddress(A);
    const std::array<int, 4> b = ParseIPAddress(B);
    for (int i = 3; i >= 0; --i) {
        if (a[i] != b[i])
            return a[i] > b[i];
    }
    return true;
}

namespace {

unsigned char lowerByte(QChar c) {
    unsigned char b = platform::charToCp1252(c);
    if (b >= 'A' && b <= 'Z')
        b = static_cast<unsigned char>(b + ('a' - 'A'));
    return b;
}

} // namespace

int CompareCaseInsensitive(const QString& A, const QString& B) {
    const qsizetype n = std::min(A.size(), B.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int d = static_cast<int>(lowerByte(A.at(i))) - static_cast<int>(lowerByte(B.at(i)));
        if (d != 0)
            return d;
    }
    return A.size() < B.size() ? -1 : (A.size() > B.size() ? 1 : 0);
}

// ---- comparers: ge(P, X) is P >= X, le(P, X) is P <= X ----

namespace {

struct AlphabeticOrder {
    bool ge(TCell* p, TCell* x) const { return p->AsString().compare(x->AsString()) >= 0; }
    bool le(TCell* p, TCell* x) const { return p->AsString().compare(x->AsString()) <= 0; }
};

struct BooleanOrder {
    bool ge(TCell* p, TCell* x) const { return int(p->AsBoolean()) >= int(x->AsBoolean()); }
    bool le(TCell* p, TCell* x) const { return int(p->AsBoolean()) <= int(x->AsBoolean()); }
};

struct CaseInsensitiveOrder {
    bool ge(TCell* p, TCell* x) const { return CompareCaseInsensitive(p->AsString(), x->AsString()) >= 0; }
    bool le(TCell* p, TCell* x) const { return CompareCaseInsensitive(p->AsString(), x->AsString()) <= 0; }
};

// The store's compare handler; without one every pair compares equal.
template <class Compare> struct CustomOrder {
    Compare compare;
    bool ge(TCell* p, TCell* x) const { return compare(p, x) >= 0; }
    bool le(TCell* p, TCell* x) const { return compare(p, x) <= 0; }
};

struct NumericOrder {
    bool ge(TCell* p, TCell* x) const { return p->AsFloat() >= x->AsFloat(); }
    bool le(TCell* p, TCell* x) const { return p->AsFloat() <= x->AsFloat(); }
};

struct DateOrder {
    bool ge(TCell* p, TCell* x) const { return p->AsDateTime() >= x->AsDateTime(); }
    bool le(TCell* p, TCell* x) const { return p->AsDateTime() <= x->AsDateTime(); }
};

struct IPOrder {
    bool ge(TCell* p, TCell* x) const { return CompareIP(p->AsString(), x->AsString()); }
    bool le(TCell* p, TCell* x) const { return CompareIP(x->AsString(), p->AsString()); }
};

// The pair with the roles of GE and LE exchanged.
template <class Order> struct Reversed {
    Order order;
    bool ge(TCell* p, TCell* x) const { return order.le(p, x); }
    bool le(TCell* p, TCell* x) const { return order.ge(p, x); }
};

} // namespace

// ---- the sort ----

template <class Order> int TCells::Partition(int ACol, int Lo, int Hi, const Order& order) {
    // The pivot is a cell object, not a copy of its value: it travels with its row.
    TCell* pivot = GetCell(ACol, Lo + 1 + static_cast<int>(m_random.bounded(static_cast<quint32>(Hi - Lo))));
    int i = Lo - 1;
    int j = Hi + 1;
    for (;;) {
        // Both scans stop at the range's ends: a comparer that is not consistent (or a NaN) would
        // otherwise run them off the list. For a consistent comparer the bounds are never reached.
        do
            ++i;
        while (!order.le(pivot, GetCell(ACol, i)) && i < Hi);
        do
            --j;
        while (!order.ge(pivot, GetCell(ACol, j)) && j > Lo);
        if (i != j)
            ExchangeRows(i, j);
        if (i >= j)
            break;
    }
    // The last exchange crossed over: undo it.
    if (i != j)
        ExchangeRows(i, j);
    // Only an inconsistent comparer ends on Lo; splitting after it keeps both parts smaller.
    return i > Lo ? i : Lo + 1;
}

template <class Order> void TCells::QuickSort(int ACol, int Lo, int Hi, const Order& order) {
    // Recursion takes the smaller part, so the depth stays logarithmic whatever the comparer does.
    while (Lo < Hi) {
        const int p = Partition(ACol, Lo, Hi, order);
        if (p - Lo < Hi - p + 1) {
            QuickSort(ACol, Lo, p - 1, order);
            Lo = p;
        } else {
            QuickSort(ACol, p, Hi, order);
            Hi = p - 1;
        }
    }
}

void TCells::ReverseRows() {
    const int count = RowCount();
    for (int i = 0; i < count / 2; ++i)
        ExchangeRows(i, count - 1 - i);
}

namespace {

template <class Order, class Run> void withDirection(TSortKind kind, const Order& order, const Run& run) {
    if (kind == TSortKind::skDescending)
        run(Reversed<Order>{order});
    else
        run(order);
}

} // namespace

void TCells::Sort(int ACol, TSortType ASortType, bool AFullResort, TSortKind ASortKind) {
    CheckColumn(ACol);
    if (ACol == m_sortedColumn && m_sorted && ASortKind != m_sortDirection && !AFullResort) {
        // Only the direction changed: the rows are already in order, reversed.
        m_sortDirection = ASortKind;
        ReverseRows();
    } else {
        m_sortDirection = ASortKind;
        const int hi = RowCount() - 1;
        const auto run = [&](const auto& order) { QuickSort(ACol, 0, hi, order); };
        try {
            switch (ASortType) {
            case TSortType::stAlphabetic:
                withDirection(ASortKind, AlphabeticOrder{}, run);
                break;
            case TSortType::stBoolean:
                withDirection(ASortKind, BooleanOrder{}, run);
                break;
            case TSortType::stCaseInsensitive:
                withDirection(ASortKind, CaseInsensitiveOrder{}, run);
                break;
            case TSortType::stCustom: {
                const auto compare = [this](TCell* p, TCell* x) {
                    int result = 0;
                    DoCellCompare(p, x, result);
                    return result;
                };
                withDirection(ASortKind, CustomOrder<decltype(compare)>{compare}, run);
                break;
            }
            case TSortType::stNumeric:
                withDirection(ASortKind, NumericOrder{}, run);
                break;
            case TSortType::stDate:
                withDirection(ASortKind, DateOrder{}, run);
                break;
            case TSortType::stIP:
                // Inverted on purpose: ascending puts the greatest address first.
                withDirection(ASortKind, Reversed<IPOrder>{}, run);
                break;
            }
        } catch (...) {
            // A comparison failed half-way: the rows are in no sorted order.
            m_sorted = false;
            throw;
        }
    }
    m_sortedColumn = ACol;
    m_sorted = true;
}

} // namespace grid

// Moving a favourite group to another place: whole 820-byte records rotate, nothing else in the file
// changes, and a source or target that names no group changes nothing.
#include "ImageFixture.h"
#include "ImageInvariants.h"

#include "image/FavGroupMove.h"
#include "image/ImageFile.h"
#include "image/Layout.h"

#include <QtTest>

#include <memory>

using namespace image;
using namespace image::layout;

namespace {

/// Serialised typical image whose nine groups differ in name, members and reserved bytes.
ImagePtr nineGroups() {
    ImageFixture f = ImageFixture::typical();
    f.favGroups.clear();
    for (int g = 1; g <= kFavGroupCount; ++g) {
        std::vector<int> members;
        for (int m = 0; m < g; ++m)
            members.push_back((g * 3 + m) % 10);
        f.favGroups.push_back(ImageFixture::favGroup(QStringLiteral("Gruppe %1").arg(g), members));
        f.favGroups.back().Reserved819 = static_cast<Byte>(0x20 + g);
        f.favGroups.back().Entries[399] = static_cast<std::uint16_t>(0xAB00 + g); // beyond the members
    }
    return loadFixture(f);
}

QByteArray groupBytes(const QByteArray& file, int g) {
    return file.mid(kFavGroupOffset + (g - 1) * kFavGroupRecordSize, kFavGroupRecordSize);
}

} // namespace

class tst_FavGroupMove : public QObject {
    Q_OBJECT
private slots:
    void move_data();
    void move();
};

void tst_FavGroupMove::move_data() {
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("t");
    QTest::addColumn<QList<int>>("order"); // the group formerly at each place 1..9 after it; empty: refused
    const QList<int> same{1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("2 to 5") << 2 << 5 << QList<int>{1, 3, 4, 5, 2, 6, 7, 8, 9};
    QTest::newRow("7 to 1") << 7 << 1 << QList<int>{7, 1, 2, 3, 4, 5, 6, 8, 9};
    QTest::newRow("1 to 9") << 1 << 9 << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 1};
    QTest::newRow("9 to 1") << 9 << 1 << QList<int>{9, 1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("same place") << 6 << 6 << same;
    QTest::newRow("source 0: the view of all channels") << 0 << 3 << QList<int>();
    QTest::newRow("target 0") << 3 << 0 << QList<int>();
    QTest::newRow("source 10") << 10 << 2 << QList<int>();
    QTest::newRow("target 10") << 2 << 10 << QList<int>();
}

void tst_FavGroupMove::move() {
    QFETCH(int, s);
    QFETCH(int, t);
    QFETCH(QList<int>, order);
    const auto img = nineGroups();
    const QByteArray before = imageBytes(*img);

    QCOMPARE(MoveFavGroup(s, t, *img), !order.isEmpty());

    const QByteArray after = imageBytes(*img);
    if (order.isEmpty()) {
        QCOMPARE(after, before);
        return;
    }
    for (int g = 1; g <= kFavGroupCount; ++g)
        QCOMPARE(groupBytes(after, g), groupBytes(before, order[g - 1]));
    const qint64 end = kFavGroupOffset + kFavGroupCount * kFavGroupRecordSize;
    QCOMPARE(after.left(kFavGroupOffset), before.left(kFavGroupOffset));
    QCOMPARE(after.mid(end), before.mid(end));
    QVERIFY_IMAGE_INVARIANTS(*img);
}

QTEST_GUILESS_MAIN(tst_FavGroupMove)
#include "tst_favgroupmove.moc"

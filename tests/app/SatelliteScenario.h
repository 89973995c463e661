#pragma once

#include "FormDriver.h"

#include "image/Fields.h"

#include <QDialog>
#include <QTreeWidget>
#include <functional>

/// Three satellites "S0" (19,2 O), "S1" (13 O), "S2" (5 W) with 2, 2 and 1 transponders:
/// 10700 H, 10800 V | 11000 H, 11100 V | 12000 H. Channels "K0".."K4" on transponders 0, 1, 2, 2, 4 (K4 is
/// radio); favourite group 1 holds K3 and K0.
inline ImageFixture satelliteScenario() {
    ImageFixture f;
    f.satelliteSlots = {ImageFixture::satellite(0, QStringLiteral("S0"), 192),
                        ImageFixture::satellite(1, QStringLiteral("S1"), 130),
                        ImageFixture::satellite(2, QStringLiteral("S2"), 50)};
    f.satelliteSlots[2].EastWest = 0x57;
    const int counts[] = {2, 2, 1};
    for (int s = 0; s < 3; ++s)
        f.satelliteSlots[std::size_t(s)].NumTransponders = static_cast<image::Byte>(counts[s]);
    f.transponders = {ImageFixture::transponder(0, 10700, 0), ImageFixture::transponder(0, 10800, 1),
                      ImageFixture::transponder(1, 11000, 0), ImageFixture::transponder(1, 11100, 1),
                      ImageFixture::transponder(2, 12000, 0)};
    const int on[] = {0, 1, 2, 2, 4};
    for (int c = 0; c < 5; ++c)
        f.channels.push_back(ImageFixture::channel(QStringLiteral("K%1").arg(c), on[c], 0, 200 + c));
    f.tvCount = 4;
    f.providerBlocks = {ImageFixture::provider(QStringLiteral("P"))};
    f.favGroups = {ImageFixture::favGroup(QStringLiteral("Eins"), {3, 0})};
    return f;
}

/// The scenario cut to its first satellite: S0 with its two transponders, K0 and K1 on them, group "Eins"
/// holding K1.
inline ImageFixture oneSatelliteScenario() {
    ImageFixture f = satelliteScenario();
    f.satelliteSlots.resize(1);
    f.transponders.resize(2);
    f.channels.resize(2);
    f.tvCount = 2;
    f.favGroups = {ImageFixture::favGroup(QStringLiteral("Eins"), {1})};
    return f;
}

/// Loads fixture through "Load"; fails the test when a box was shown. Forgets the open dialog.
inline void loadScenario(FormDriver& drv, const ImageFixture& fixture) {
    drv.pressLoad(drv.writeFile(QStringLiteral("receiver.si"), fixture.build()));
    QVERIFY2(drv.boxes().isEmpty(), qPrintable(drv.boxes().join(QLatin1Char('\n'))));
    QVERIFY(drv.form->FileLoaded);
    drv.modals.clear();
}

/// Answers the next modal form as a user would: it is shown, act works on it, and its modal result is
/// what a real modal run would return (accepted only when the form accepted itself).
inline void answerFormBy(FormDriver& drv, std::function<void(QDialog*)> act) {
    drv.modals.answerForm([act = std::move(act)](QDialog* form) {
        form->setResult(0); // as a modal run starts
        form->show();
        act(form);
        const int result = form->result() == QDialog::Accepted ? platform::mrOk : platform::mrCancel;
        form->hide();
        return result;
    });
}

/// UTF-8 literals as a list.
inline QStringList strings(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}

/// The tree node of satellite s, or of its transponder child k.
inline QTreeWidgetItem* treeNode(TForm1& f, int s, int k = -1) {
    QTreeWidgetItem* root = f.TreeView_satellites->topLevelItem(s);
    return k < 0 || !root ? root : root->child(k);
}

/// The frequencies of the transponder table in order.
inline QList<int> tableFrequencies() {
    QList<int> out;
    for (int t = 1; t <= image::Image().TransponderCount; ++t)
        out << image::Image().Transponders[t].Frequency;
    return out;
}

/// "name:frequency" of every channel in table order: where each channel points.
inline QStringList channelTargets() {
    const image::SettingsImage& img = image::Image();
    QStringList out;
    for (int c = 1; c <= img.ChannelCount; ++c)
        out << image::ChannelName(img.Channels[c]) + QLatin1Char(':') +
                   QString::number(image::TransponderFrequency(img, img.Channels[c].TransponderIndex + 1));
    return out;
}

#include "import/CaSystems.h"

namespace webimport {

namespace {

// The texts the import keeps are short strings of the receiver's era.
constexpr qsizetype kMaxCaText = 255;

bool hasVersionAfter(QStringView name, QStringView version, QStringView text) {
    const qsizetype at = text.indexOf(name);
    if (at < 0)
        return false;
    // The character right after the name (usually a blank) is skipped.
    const qsizetype from = at + name.size() + 1;
    if (from >= text.size())
        return false;
    return text.mid(from, 7).contains(version);
}

void append(QString& caText, QStringView code) {
    if (caText.isEmpty())
        caText = code.toString();
    else
        caText += QLatin1Char('/') + code.toString();
    caText.truncate(kMaxCaText);
}

} // namespace

const std::array<CaSystemCode, 11> CaSystemCodes = {{
    {u"Mediaguard", u"2", u"S2"},
    {u"Mediaguard", u"3", u"S3"},
    {u"Nagravision", u"2", u"N2"},
    {u"Nagravision", u"3", u"N3"},
    {u"Viaccess", u"1", u"V1"},
    {u"Viaccess", u"2", u"V2"},
    {u"Cryptoworks", {}, u"CW"},
    {u"Irdeto", u"1", u"I1"},
    {u"Irdeto", u"2", u"I2"},
    {u"Conax", {}, u"CX"},
    {u"Videoguard", {}, u"VG"},
}};

bool LineHasCaSystem(QStringView name, QStringView digit, QStringView line) {
    return hasVersionAfter(name, digit, line);
}

void AppendCaSystem(QString& caText, QStringView code) {
    append(caText, code);
}

bool PackageLineHasCaSystem(QStringView name, QStringView version, QStringView window) {
    return hasVersionAfter(name, version, window);
}

void AppendPackageCaSystem(QString& caText, QStringView code) {
    append(caText, code);
}

void AppendLineCaSystems(QString& caText, QStringView line) {
    for (const CaSystemCode& ca : CaSystemCodes) {
        const bool hit =
            ca.version.isEmpty() ? line.contains(ca.name) : LineHasCaSystem(ca.name, ca.version, line);
        if (hit)
            AppendCaSystem(caText, ca.code);
    }
}

QString PackageCaSystems(QStringView window) {
    QString caText;
    for (const CaSystemCode& ca : CaSystemCodes) {
        bool hit = false;
        if (ca.code == u"I1")
            hit = window.contains(u"Irdeto 1");
        else if (ca.version.isEmpty())
            hit = window.contains(ca.name);
        else
            hit = PackageLineHasCaSystem(ca.name, ca.version, window);
        if (hit)
            AppendPackageCaSystem(caText, ca.code);
    }
    return caText;
}

} // namespace webimport

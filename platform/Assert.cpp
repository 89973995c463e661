#include "platform/Assert.h"

#include <QFileInfo>

namespace platform {

void throwAssertionFailed(const std::source_location& where) {
    const QString file = QFileInfo(QString::fromUtf8(where.file_name())).fileName();
    throw EAssertionFailed(QStringLiteral("Assertion fehlgeschlagen (%1, Zeile %2)")
                               .arg(file)
                               .arg(static_cast<qulonglong>(where.line())));
}

} // namespace platform

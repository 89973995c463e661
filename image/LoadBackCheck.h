#pragma once

#include "image/Tables.h"

#include <QByteArray>
#include <QString>

namespace image {

/// Why bytes, the serialised img, would load back into other tables than img holds (German, naming the
/// cause for the user); empty when they load back the same. A save must not write such bytes: records
/// would be lost at the next load.
QString LoadBackProblem(const SettingsImage& img, const QByteArray& bytes);

} // namespace image

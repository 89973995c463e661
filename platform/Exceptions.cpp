#include "platform/Exceptions.h"

namespace platform {

void throwListIndexError(long long index) {
    throw EListError(QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(index));
}

} // namespace platform

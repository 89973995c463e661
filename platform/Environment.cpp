#include "platform/Environment.h"

#include <QDateTime>
#include <QDir>

namespace platform {

namespace {
Environment g_system;
Environment* g_current = &g_system;
} // namespace

TDateTime Environment::now() const {
    const QDateTime local = QDateTime::currentDateTime();
    const QDate epoch(1899, 12, 30);
    const qint64 days = epoch.daysTo(local.date());
    const double fraction = local.time().msecsSinceStartOfDay() / 86400000.0;
    return static_cast<double>(days) + fraction;
}

QString Environment::currentDirectory() const { return QDir::currentPath(); }

Environment& environment() { return *g_current; }

void setEnvironment(Environment* env) { g_current = env ? env : &g_system; }

} // namespace platform

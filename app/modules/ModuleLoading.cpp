#include "app/modules/ModuleLoading.h"

#include <QDir>
#include <QHash>
#include <QLibrary>

QFunctionPointer moduleEntry(const QString& directory, const char* name, const char* entry, QString& error) {
    static QHash<QString, QLibrary*> loaded;
    const QString path = QDir(directory).filePath(QLatin1String(name));
    QLibrary*& library = loaded[path];
    if (!library)
        library = new QLibrary(path);
    const QFunctionPointer function = library->resolve(entry);
    if (!function)
        error = library->errorString();
    return function;
}

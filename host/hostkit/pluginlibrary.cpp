#include "pluginlibrary.h"

#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QLoggingCategory>
#include <QMutex>

Q_LOGGING_CATEGORY(lcLoader, "hostkit.loader")

namespace hostkit {

PluginLibrary::Loaded PluginLibrary::load(const QString &path)
{
    static QMutex lock;
    static QHash<QString, CreatePluginFunction> loaded;
    // Never destroyed, nor are the libraries it holds (see the class
    // comment); kept reachable so that leak checks see them in use.
    static auto *libraries = new QList<QLibrary *>;

    Loaded out;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        out.result = Result::failure(QStringLiteral("Plug-in library not found: %1").arg(path));
        return out;
    }
    if (!info.isFile()) {
        out.result = Result::failure(QStringLiteral("Plug-in library %1 is not a file").arg(path));
        return out;
    }
    out.fileName = info.canonicalFilePath();

    QMutexLocker locker(&lock);
    if (const auto it = loaded.constFind(out.fileName); it != loaded.constEnd()) {
        out.createPlugin = it.value();
        out.result = Result::success();
        return out;
    }
    auto *library = new QLibrary(out.fileName);
    if (!library->load()) {
        out.result = Result::failure(QStringLiteral("Cannot load plug-in library %1: %2").arg(path, library->errorString()));
        delete library;
        return out;
    }
    libraries->append(library);
    auto create = reinterpret_cast<CreatePluginFunction>(library->resolve("createPlugin"));
    if (!create) {
        out.result = Result::failure(QStringLiteral("Plug-in library %1 does not export createPlugin").arg(path));
        // Keep it loaded all the same: its static initialisers have run.
        return out;
    }
    qCInfo(lcLoader) << "loaded" << out.fileName;
    loaded.insert(out.fileName, create);
    out.createPlugin = create;
    out.result = Result::success();
    return out;
}

} // namespace hostkit

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
    // Deliberately leaked: see the class comment.
    auto *library = new QLibrary(out.fileName);
    if (!library->load()) {
        out.result = Result::failure(QStringLiteral("Cannot load plug-in library %1: %2").arg(path, library->errorString()));
        delete library;
        return out;
    }
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

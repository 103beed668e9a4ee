#pragma once

#include "result.h"

#include <sdk/iplugin.h>

#include <QString>

namespace hostkit {

// A plug-in library loaded with QLibrary. Loaded once per process and never
// unloaded: Qt objects the library created (widgets, timers, meta objects)
// may outlive any one host, and unloading their code would leave them
// dangling. Loading the same file again hands out the same entry.
class PluginLibrary
{
public:
    struct Loaded
    {
        Result result;
        CreatePluginFunction createPlugin = nullptr;
        QString fileName; // the canonical path the library was loaded from
    };

    // Clear errors for a missing file, a file that is not a loadable
    // library and a library without createPlugin.
    static Loaded load(const QString &path);
};

} // namespace hostkit

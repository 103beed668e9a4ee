#include "splitterstate.h"

#include <QSplitter>

bool restoreSplitter(QSplitter *splitter, const SettingsManager &settings, SettingsManager::Splitter which)
{
    if (!splitter)
        return false;
    const QList<int> sizes = settings.splitterSizes(which);
    if (sizes.isEmpty())
        return false;
    splitter->setSizes(sizes);
    return true;
}

void storeSplitter(const QSplitter *splitter, SettingsManager &settings, SettingsManager::Splitter which)
{
    if (splitter)
        settings.setSplitterSizes(which, splitter->sizes());
}

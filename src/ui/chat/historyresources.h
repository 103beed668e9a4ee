#pragma once

#include "render/messageblocks.h"
#include "render/resourcekeytable.h"

#include <QImage>
#include <QVariant>

#include <functional>

class IHostServices;
class QUrl;

// The pictures a history document asks for by name: avatars ("avatar_<id>"),
// plug-in and nudge icons ("pi_…"), the message-menu button, the location
// pin, attachment icons under their resource keys, emoticons and the host's
// local picture files. Anything else resolves to nothing, so a name a peer
// wrote never makes the view read a file of its choosing.
class HistoryResources
{
public:
    using HostGetter = std::function<IHostServices *()>;

    // `names` and `keys` belong to the history that uses this resolver and
    // must outlive it.
    HistoryResources(HostGetter host, UserNameCache &names, ResourceKeyTable &keys);

    // An image (QImage) for the name, or an invalid QVariant.
    QVariant resolve(int type, const QUrl &name) const;

    QImage avatar(const QByteArray &userId) const;

private:
    HostGetter m_host;
    UserNameCache &m_names;
    ResourceKeyTable &m_keys;
};

#include "xmpparchive.h"

#include <QXmppClient.h>
#include <QXmppMamIq.h>
#include <QXmppMessage.h>
#include <QXmppResultSet.h>
#include <QXmppUtils.h>

#include <QDomElement>

namespace hostkit {

namespace {

const char kMamNs[] = "urn:xmpp:mam:2";
const char kForwardNs[] = "urn:xmpp:forward:0";
const char kDelayNs[] = "urn:xmpp:delay";

} // namespace

QStringList XmppArchive::discoveryFeatures() const
{
    return {QString::fromLatin1(kMamNs)};
}

void XmppArchive::read(const QString &afterArchiveId)
{
    m_queryId = QXmppUtils::generateStanzaHash(12);
    m_pages = 0;
    m_messages = 0;
    requestPage(afterArchiveId, afterArchiveId.isEmpty());
}

void XmppArchive::requestPage(const QString &after, bool newestPage)
{
    QXmppMamQueryIq iq;
    iq.setType(QXmppIq::Set);
    iq.setQueryId(m_queryId);
    QXmppResultSetQuery set;
    set.setMax(kPageSize);
    if (newestPage)
        set.setBefore(QStringLiteral("")); // the last page
    else
        set.setAfter(after);
    iq.setResultSetQuery(set);
    m_iqId = iq.id();
    m_newestOnly = newestPage;
    ++m_pages;
    if (!client()->sendPacket(iq))
        m_iqId.clear();
}

bool XmppArchive::handleStanza(const QDomElement &element)
{
    if (m_queryId.isEmpty())
        return false;
    if (element.tagName() == QLatin1String("message")) {
        const QDomElement result = element.firstChildElement(QStringLiteral("result"));
        if (result.namespaceURI() != QLatin1String(kMamNs) || result.attribute(QStringLiteral("queryid")) != m_queryId)
            return false;
        // Only the own server's archive answers; anyone else could send
        // results to make up history.
        const QString from = element.attribute(QStringLiteral("from"));
        if (!from.isEmpty() && from != QXmppUtils::jidToBareJid(client()->configuration().jid()))
            return true;
        const QDomElement forwarded = result.firstChildElement(QStringLiteral("forwarded"));
        const QDomElement inner = forwarded.firstChildElement(QStringLiteral("message"));
        if (forwarded.namespaceURI() != QLatin1String(kForwardNs) || inner.isNull())
            return true;
        QXmppMessage message;
        message.parse(inner);
        const QDomElement delay = forwarded.firstChildElement(QStringLiteral("delay"));
        if (delay.namespaceURI() == QLatin1String(kDelayNs))
            message.setStamp(QXmppUtils::datetimeFromString(delay.attribute(QStringLiteral("stamp"))));
        ++m_messages;
        Q_EMIT archived(message, result.attribute(QStringLiteral("id")));
        return true;
    }
    if (element.tagName() == QLatin1String("iq") && element.attribute(QStringLiteral("id")) == m_iqId) {
        const QDomElement fin = element.firstChildElement(QStringLiteral("fin"));
        const bool complete = fin.attribute(QStringLiteral("complete")) == QLatin1String("true");
        const QString last = fin.firstChildElement(QStringLiteral("set")).firstChildElement(QStringLiteral("last")).text();
        const bool failed = element.attribute(QStringLiteral("type")) != QLatin1String("result");
        // The newest page is all a first sign-in takes.
        if (!failed && !complete && !last.isEmpty() && m_pages < kMaxPages && !m_newestOnly) {
            requestPage(last, false);
            return true;
        }
        m_iqId.clear();
        m_queryId.clear();
        Q_EMIT finished(m_messages);
        return true;
    }
    return false;
}

} // namespace hostkit

#pragma once

#include <QXmppClientExtension.h>

class QXmppMessage;

namespace hostkit {

// Reads the own archive on the server (message archive management) page by
// page, from after a known archive id or, without one, its newest page.
// Each archived message comes with the id the archive gave it.
class XmppArchive : public QXmppClientExtension
{
    Q_OBJECT

public:
    // Pages of one read; what lies beyond waits for the next sign-in.
    static constexpr int kPageSize = 100;
    static constexpr int kMaxPages = 20;

    // Starts a read (a running one is dropped).
    void read(const QString &afterArchiveId);
    bool isReading() const { return !m_iqId.isEmpty(); }

    QStringList discoveryFeatures() const override;
    bool handleStanza(const QDomElement &element) override;

Q_SIGNALS:
    void archived(const QXmppMessage &message, const QString &archiveId);
    void finished(int messages);

private:
    void requestPage(const QString &after, bool newestPage);

    QString m_queryId;
    QString m_iqId;
    bool m_newestOnly = false;
    int m_pages = 0;
    int m_messages = 0;
};

} // namespace hostkit

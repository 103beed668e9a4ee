#include "desktoprecorder.h"

#include "journal.h"

#include <QDesktopServices>
#include <QUrl>

namespace hostkit {

const QStringList &DesktopRecorder::schemes()
{
    static const QStringList names = {
        QStringLiteral("http"),  QStringLiteral("https"), QStringLiteral("ftp"),    QStringLiteral("mailto"),
        QStringLiteral("file"),  QStringLiteral("smb"),   QStringLiteral("sftp"),   QStringLiteral("ssh"),
        QStringLiteral("tel"),   QStringLiteral("news"),  QStringLiteral("irc"),    QStringLiteral("javascript"),
        QStringLiteral("data"),  QStringLiteral("chat"),  QStringLiteral("location"),
    };
    return names;
}

DesktopRecorder::DesktopRecorder(Journal &journal, QObject *parent)
    : QObject(parent)
    , m_journal(journal)
{
    for (const QString &scheme : schemes())
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
}

DesktopRecorder::~DesktopRecorder()
{
    for (const QString &scheme : schemes())
        QDesktopServices::unsetUrlHandler(scheme);
}

void DesktopRecorder::openUrl(const QUrl &url)
{
    m_journal.record(Journal::Direction::Call, "desktop", 0, -1, "openUrl", {url.toString(QUrl::FullyEncoded)});
}

} // namespace hostkit

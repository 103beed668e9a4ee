#pragma once

#include "hostkit/result.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QVector>

namespace hostkit {

// A private prosody server on the loopback interface, with its
// configuration and data in a folder of its own: what the end-to-end tests
// and the XMPP demo chat through. Accounts (and who has whom in the roster)
// are written straight into the data folder before the server starts.
// When the caller is root the server runs as the "prosody" user, which
// refuses to run as root; the folders above the server's must let that
// user through.
class ProsodyServer : public QObject
{
    Q_OBJECT

public:
    struct Account
    {
        QString user;     // local part
        QString password;
        QString name;     // what the others' rosters call the account
    };

    explicit ProsodyServer(const QString &folder, const QString &domain = QStringLiteral("localhost"),
                           QObject *parent = nullptr);
    ~ProsodyServer() override;
    Q_DISABLE_COPY(ProsodyServer)

    // Empty when prosody can be started here, else why not.
    static QString unavailableReason();

    // Every account has every other in its roster, both subscribed.
    void addAccount(const Account &account) { m_accounts.append(account); }

    // Picks free loopback ports (on the first start), writes the
    // configuration and accounts, starts the server and waits (at most
    // `timeoutMs`) until it takes clients.
    Result start(int timeoutMs = 15000);
    // Stops the server and waits for it to end; the data stays.
    void stop();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    QString domain() const { return m_domain; }
    QString roomService() const { return QStringLiteral("conference.") + m_domain; }
    QString uploadService() const { return QStringLiteral("upload.") + m_domain; }
    quint16 port() const { return m_port; }
    quint16 httpPort() const { return m_httpPort; }
    QString jid(const QString &user) const { return user + QLatin1Char('@') + m_domain; }
    // What the server wrote (for a failing test's message).
    QString log() const { return QString::fromUtf8(m_log); }

    // A loopback port nobody listens on right now.
    static quint16 freePort();

Q_SIGNALS:
    void stopped();

private:
    Result writeFiles();

    QString m_folder;
    QString m_domain;
    QVector<Account> m_accounts;
    quint16 m_port = 0;
    quint16 m_httpPort = 0;
    QProcess m_process;
    QByteArray m_log;
};

} // namespace hostkit

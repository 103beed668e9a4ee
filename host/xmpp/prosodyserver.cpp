#include "prosodyserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTcpServer>

#include <pwd.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcProsody, "hostkit.prosody")

namespace hostkit {

namespace {

// What prosody prints once clients can connect.
const char kReadyLine[] = "Activated service 'c2s' on [127.0.0.1]";
// What the log keeps of a server's output; enough for a failure message.
constexpr int kLogLimit = 64 * 1024;

// Prosody's file names for hosts and users: every byte that is not a letter
// or digit as %xx.
QString storeName(const QString &name)
{
    QString out;
    for (const char c : name.toUtf8()) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            out += QLatin1Char(c);
        else
            out += QStringLiteral("%%1").arg(uint(uchar(c)), 2, 16, QLatin1Char('0'));
    }
    return out;
}

// A Lua string literal.
QString lua(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    out.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

bool writeFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

// Hands the folder to the prosody user (the server writes its data there).
bool giveToProsody(const QString &folder)
{
    const passwd *user = ::getpwnam("prosody");
    if (!user)
        return false;
    bool ok = ::chown(QFile::encodeName(folder).constData(), user->pw_uid, user->pw_gid) == 0;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        ok = ::chown(QFile::encodeName(it.next()).constData(), user->pw_uid, user->pw_gid) == 0 && ok;
    return ok;
}

} // namespace

ProsodyServer::ProsodyServer(const QString &folder, const QString &domain, QObject *parent)
    : QObject(parent)
    , m_folder(QDir(folder).absolutePath())
    , m_domain(domain)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, [this] {
        m_log += m_process.readAllStandardOutput();
        if (m_log.size() > kLogLimit)
            m_log = m_log.right(kLogLimit);
    });
    connect(&m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this, &ProsodyServer::stopped);
}

ProsodyServer::~ProsodyServer()
{
    stop();
}

QString ProsodyServer::unavailableReason()
{
    if (QStandardPaths::findExecutable(QStringLiteral("prosody")).isEmpty())
        return QStringLiteral("prosody is not installed (apt-get install prosody)");
    if (runningAsRoot()) {
        if (!::getpwnam("prosody"))
            return QStringLiteral("running as root, and there is no \"prosody\" user to run the server as");
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            return QStringLiteral("running as root, and setpriv (util-linux) is missing to drop to the \"prosody\" user");
    }
    return QString();
}

quint16 ProsodyServer::freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

Result ProsodyServer::writeFiles()
{
    const QDir dir(m_folder);
    const QString data = dir.filePath(QStringLiteral("data"));
    const QString certs = dir.filePath(QStringLiteral("certs"));
    QDir().mkpath(data);
    QDir().mkpath(certs);
    QString config;
    config += QStringLiteral("pidfile = %1\n").arg(lua(dir.filePath(QStringLiteral("prosody.pid"))));
    config += QStringLiteral("data_path = %1\n").arg(lua(data));
    config += QStringLiteral("certificates = %1\n").arg(lua(certs));
    config += QStringLiteral("interfaces = { \"127.0.0.1\" }\n"
                             "c2s_ports = { %1 }\n"
                             "s2s_ports = { }\n"
                             "http_ports = { %2 }\n"
                             "http_interfaces = { \"127.0.0.1\" }\n"
                             "https_ports = { }\n"
                             "http_external_url = \"http://127.0.0.1:%2/\"\n"
                             // Addresses name 127.0.0.1, which is no host of
                             // the server's: such requests go to the file share.
                             "http_default_host = %3\n")
                  .arg(m_port)
                  .arg(m_httpPort)
                  .arg(lua(uploadService()));
    // Loopback only, so no TLS; passwords stay plain in the data folder,
    // which lets them be written before the server starts.
    config += QStringLiteral(
        "log = { { levels = { min = \"info\" }, to = \"console\" } }\n"
        "authentication = \"internal_plain\"\n"
        "storage = \"internal\"\n"
        "c2s_require_encryption = false\n"
        "allow_unencrypted_plain_auth = true\n"
        "archive_expires_after = \"never\"\n"
        "default_archive_policy = true\n"
        "max_archive_query_results = 250\n"
        "smacks_hibernation_time = 120\n"
        "modules_enabled = { \"roster\", \"saslauth\", \"disco\", \"carbons\", \"mam\", \"smacks\", \"ping\",\n"
        "                    \"vcard_legacy\", \"offline\", \"time\", \"version\" }\n"
        "modules_disabled = { \"tls\", \"s2s\", \"posix\" }\n");
    config += QStringLiteral("VirtualHost %1\n").arg(lua(m_domain));
    config += QStringLiteral("Component %1 \"muc\"\n"
                             "  modules_enabled = { \"muc_mam\" }\n"
                             "  muc_room_locking = false\n"
                             "  muc_room_default_persistent = true\n"
                             "  muc_room_default_public = true\n")
                  .arg(lua(roomService()));
    config += QStringLiteral("Component %1 \"http_file_share\"\n"
                             "  http_file_share_size_limit = 16 * 1024 * 1024\n")
                  .arg(lua(uploadService()));
    if (!writeFile(dir.filePath(QStringLiteral("prosody.cfg.lua")), config))
        return Result::failure(QStringLiteral("cannot write the prosody configuration in %1").arg(m_folder));

    const QString host = QDir(data).filePath(storeName(m_domain));
    for (const Account &a : qAsConst(m_accounts)) {
        const QString account = QStringLiteral("return {\n\t[\"password\"] = %1;\n};\n").arg(lua(a.password));
        QString roster = QStringLiteral("return {\n\t[false] = { [\"version\"] = 1; [\"pending\"] = {}; };\n");
        for (const Account &other : qAsConst(m_accounts)) {
            if (other.user == a.user)
                continue;
            roster += QStringLiteral("\t[%1] = { [\"subscription\"] = \"both\"; [\"groups\"] = {}; [\"name\"] = %2; };\n")
                          .arg(lua(jid(other.user)), lua(other.name.isEmpty() ? other.user : other.name));
        }
        roster += QStringLiteral("};\n");
        const QString file = storeName(a.user) + QStringLiteral(".dat");
        if (!writeFile(QDir(host).filePath(QStringLiteral("accounts/") + file), account)
            || !writeFile(QDir(host).filePath(QStringLiteral("roster/") + file), roster))
            return Result::failure(QStringLiteral("cannot write the accounts in %1").arg(data));
    }
    if (runningAsRoot() && !giveToProsody(m_folder))
        return Result::failure(QStringLiteral("cannot hand %1 to the prosody user").arg(m_folder));
    return Result::success();
}

Result ProsodyServer::start(int timeoutMs)
{
    if (isRunning())
        return Result::success();
    const QString why = unavailableReason();
    if (!why.isEmpty())
        return Result::failure(why);
    if (m_port == 0) {
        m_port = freePort();
        m_httpPort = freePort();
        // Two probes in a row may well get the same port.
        while (m_httpPort == m_port && m_port != 0)
            m_httpPort = freePort();
        if (m_port == 0 || m_httpPort == 0)
            return Result::failure(QStringLiteral("no free loopback port"));
    }
    const Result written = writeFiles();
    if (!written)
        return written;

    const QString config = QDir(m_folder).filePath(QStringLiteral("prosody.cfg.lua"));
    QStringList arguments{QStringLiteral("-F"), QStringLiteral("--config"), config};
    m_log.clear();
    m_process.setWorkingDirectory(m_folder);
    if (runningAsRoot()) {
        // setpriv executes prosody in its own place, so signals reach it;
        // a test that crashes takes its server along.
        arguments = QStringList{QStringLiteral("--reuid=prosody"), QStringLiteral("--regid=prosody"),
                                QStringLiteral("--init-groups"), QStringLiteral("--pdeathsig=TERM"),
                                QStringLiteral("prosody")} + arguments;
        m_process.start(QStringLiteral("setpriv"), arguments);
    } else {
        m_process.start(QStringLiteral("prosody"), arguments);
    }
    if (!m_process.waitForStarted(timeoutMs))
        return Result::failure(QStringLiteral("prosody did not start: %1").arg(m_process.errorString()));
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_log.contains(kReadyLine)) {
        if (m_process.state() == QProcess::NotRunning || deadline.hasExpired()) {
            const QString output = log();
            stop();
            return Result::failure(QStringLiteral("prosody did not come up on port %1:\n%2").arg(m_port).arg(output));
        }
        m_process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    }
    qCInfo(lcProsody) << "prosody serves" << m_domain << "on port" << m_port;
    return Result::success();
}

void ProsodyServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

} // namespace hostkit

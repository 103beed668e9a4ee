#include "profile.h"

#include "messagestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QPainter>
#include <QSaveFile>
#include <QTemporaryDir>

Q_LOGGING_CATEGORY(lcProfile, "hostkit.profile")

static void initHostkitResources()
{
    Q_INIT_RESOURCE(hostkit);
}

namespace hostkit {

namespace {

const char kProfileFile[] = "profile.json";

Contact contactFromJson(const QJsonObject &o)
{
    Contact c;
    c.id = o.value(QStringLiteral("id")).toString().toUtf8();
    c.userName = o.value(QStringLiteral("userName")).toString().toUtf8();
    c.displayName = o.value(QStringLiteral("displayName")).toString();
    c.firstName = o.value(QStringLiteral("firstName")).toString();
    c.lastName = o.value(QStringLiteral("lastName")).toString();
    c.status = o.value(QStringLiteral("status")).toInt();
    c.statusMessage = o.value(QStringLiteral("statusMessage")).toString();
    c.type = o.value(QStringLiteral("type")).toInt();
    c.canChat = o.value(QStringLiteral("canChat")).toBool(true);
    c.avatarFile = o.value(QStringLiteral("avatar")).toString();
    c.jid = o.value(QStringLiteral("jid")).toString();
    for (const QJsonValue &m : o.value(QStringLiteral("members")).toArray())
        c.members.append(m.toString().toUtf8());
    return c;
}

QJsonObject contactToJson(const Contact &c)
{
    QJsonObject o;
    o.insert(QStringLiteral("id"), QString::fromUtf8(c.id));
    o.insert(QStringLiteral("userName"), QString::fromUtf8(c.userName));
    o.insert(QStringLiteral("displayName"), c.displayName);
    if (!c.firstName.isEmpty())
        o.insert(QStringLiteral("firstName"), c.firstName);
    if (!c.lastName.isEmpty())
        o.insert(QStringLiteral("lastName"), c.lastName);
    o.insert(QStringLiteral("status"), c.status);
    if (!c.statusMessage.isEmpty())
        o.insert(QStringLiteral("statusMessage"), c.statusMessage);
    if (c.type != 0)
        o.insert(QStringLiteral("type"), c.type);
    if (!c.canChat)
        o.insert(QStringLiteral("canChat"), false);
    if (!c.avatarFile.isEmpty())
        o.insert(QStringLiteral("avatar"), c.avatarFile);
    if (!c.jid.isEmpty())
        o.insert(QStringLiteral("jid"), c.jid);
    if (!c.members.isEmpty()) {
        QJsonArray members;
        for (const QByteArray &m : c.members)
            members.append(QString::fromUtf8(m));
        o.insert(QStringLiteral("members"), members);
    }
    return o;
}

PeerBehaviour peerFromJson(const QJsonObject &o)
{
    PeerBehaviour p;
    p.reply = o.value(QStringLiteral("reply")).toString();
    p.typingAfterMs = o.value(QStringLiteral("typingAfter")).toInt(int(p.typingAfterMs));
    p.replyAfterMs = o.value(QStringLiteral("replyAfter")).toInt(int(p.replyAfterMs));
    p.refusesNudges = o.value(QStringLiteral("refuseNudges")).toBool();
    p.nudgesBack = o.value(QStringLiteral("nudgeBack")).toBool();
    p.receivesBroadcasts = o.value(QStringLiteral("receivesBroadcasts")).toBool(true);
    p.seenAfterMs = o.value(QStringLiteral("seenAfter")).toInt(-1);
    return p;
}

QJsonObject peerToJson(const PeerBehaviour &p)
{
    QJsonObject o;
    if (!p.reply.isEmpty())
        o.insert(QStringLiteral("reply"), p.reply);
    o.insert(QStringLiteral("typingAfter"), p.typingAfterMs);
    o.insert(QStringLiteral("replyAfter"), p.replyAfterMs);
    if (p.refusesNudges)
        o.insert(QStringLiteral("refuseNudges"), true);
    if (p.nudgesBack)
        o.insert(QStringLiteral("nudgeBack"), true);
    if (!p.receivesBroadcasts)
        o.insert(QStringLiteral("receivesBroadcasts"), false);
    if (p.seenAfterMs >= 0)
        o.insert(QStringLiteral("seenAfter"), p.seenAfterMs);
    return o;
}

} // namespace

Profile::Profile() = default;

QJsonObject Profile::defaultDocument()
{
    initHostkitResources();
    QFile file(QStringLiteral(":/hostkit/defaultprofile.json"));
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

Result Profile::fromJson(const QJsonObject &d)
{
    m_identity = d.value(QStringLiteral("identity")).toString();
    m_own = contactFromJson(d.value(QStringLiteral("own")).toObject());
    if (m_own.id.isEmpty())
        return Result::failure(QStringLiteral("the profile has no own account (\"own\" with an \"id\")"));
    if (m_identity.isEmpty())
        m_identity = QString::fromUtf8(m_own.id);
    m_contacts.clear();
    for (const QJsonValue &v : d.value(QStringLiteral("contacts")).toArray()) {
        const Contact c = contactFromJson(v.toObject());
        if (c.id.isEmpty())
            return Result::failure(QStringLiteral("a contact of the profile has no \"id\""));
        m_contacts.append(c);
    }
    m_customStatuses.clear();
    for (const QJsonValue &v : d.value(QStringLiteral("customStatuses")).toArray()) {
        const QJsonObject o = v.toObject();
        m_customStatuses.append({o.value(QStringLiteral("code")).toInt(-1), o.value(QStringLiteral("text")).toString()});
    }
    m_xmpp = d.value(QStringLiteral("xmpp")).toObject();
    m_peers.clear();
    const QJsonObject peers = d.value(QStringLiteral("peers")).toObject();
    for (auto it = peers.begin(); it != peers.end(); ++it)
        m_peers.insert(it.key().toUtf8(), peerFromJson(it.value().toObject()));
    return Result::success();
}

QJsonObject Profile::toJson() const
{
    QJsonObject d;
    d.insert(QStringLiteral("identity"), m_identity);
    d.insert(QStringLiteral("own"), contactToJson(m_own));
    QJsonArray contacts;
    for (const Contact &c : m_contacts)
        contacts.append(contactToJson(c));
    d.insert(QStringLiteral("contacts"), contacts);
    QJsonArray statuses;
    for (const CustomStatusEntry &s : m_customStatuses)
        statuses.append(QJsonObject{{QStringLiteral("code"), s.code}, {QStringLiteral("text"), s.text}});
    d.insert(QStringLiteral("customStatuses"), statuses);
    QJsonObject peers;
    for (auto it = m_peers.begin(); it != m_peers.end(); ++it)
        peers.insert(QString::fromUtf8(it.key()), peerToJson(it.value()));
    d.insert(QStringLiteral("peers"), peers);
    if (!m_xmpp.isEmpty())
        d.insert(QStringLiteral("xmpp"), m_xmpp);
    return d;
}

Profile Profile::inMemory()
{
    Profile p;
    p.m_inMemory = true;
    p.m_temporary = std::make_shared<QTemporaryDir>();
    p.m_folder = p.m_temporary->path();
    p.m_valid = p.fromJson(defaultDocument()).ok;
    return p;
}

Profile Profile::load(const QString &folder, QString *error)
{
    Profile p;
    QFile file(QDir(folder).filePath(QLatin1String(kProfileFile)));
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read the profile %1: %2").arg(file.fileName(), file.errorString());
        return p;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        if (error)
            *error = QStringLiteral("The profile %1 is not valid JSON: %2").arg(file.fileName(), parseError.errorString());
        return p;
    }
    const Result read = p.fromJson(document.object());
    if (!read) {
        if (error)
            *error = QStringLiteral("The profile %1 is not usable: %2").arg(file.fileName(), read.error);
        return p;
    }
    p.m_folder = QFileInfo(folder).absoluteFilePath();
    p.m_valid = true;
    return p;
}

Result Profile::createDefault(const QString &folder, const QDateTime &now)
{
    QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(QLatin1String(kProfileFile))))
        return Result::failure(QStringLiteral("The folder %1 already holds a profile.").arg(folder));
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir())
        return Result::failure(QStringLiteral("Cannot create the profile folder %1: a file stands there.").arg(folder));
    if (!dir.mkpath(QStringLiteral("avatars")))
        return Result::failure(QStringLiteral("Cannot create the profile folder %1.").arg(folder));

    Profile p;
    const Result read = p.fromJson(defaultDocument());
    if (!read)
        return read;
    p.m_folder = dir.absolutePath();
    p.m_valid = true;

    // Avatars as real files, as a user's profile has them.
    auto drawAvatar = [&](Contact &c) {
        const QString name = QStringLiteral("avatars/%1.png").arg(QString::fromUtf8(c.id));
        if (drawnAvatar(c).save(dir.filePath(name), "PNG"))
            c.avatarFile = name;
    };
    drawAvatar(p.m_own);
    for (Contact &c : p.m_contacts)
        drawAvatar(c);

    QString error;
    {
        auto store = MessageStore::open(p.storePath(), &error);
        if (!store)
            return Result::failure(error);
        if (!writeDefaultHistory(*store, p, now))
            return Result::failure(QStringLiteral("Cannot write the default history: %1").arg(store->lastError()));
    }
    return p.save();
}

Profile Profile::openOrCreate(const QString &folder, const QDateTime &now, QString *error)
{
    if (!QFileInfo::exists(QDir(folder).filePath(QLatin1String(kProfileFile)))) {
        const Result created = createDefault(folder, now);
        if (!created) {
            if (error)
                *error = created.error;
            return Profile();
        }
    }
    return load(folder, error);
}

bool Profile::writeDefaultHistory(MessageStore &store, const Profile &profile, const QDateTime &now)
{
    const QJsonArray history = defaultDocument().value(QStringLiteral("history")).toArray();
    const QDate today = now.toLocalTime().date();
    return store.transaction([&] {
        for (const QJsonValue &v : history) {
            const QJsonObject o = v.toObject();
            StoredMessage m;
            m.conversation = o.value(QStringLiteral("peer")).toString().toUtf8();
            const QString from = o.value(QStringLiteral("from")).toString();
            m.received = from != QLatin1String("me");
            m.senderId = (m.received ? from.toUtf8() : profile.own().id).toLongLong();
            const QDateTime local(today.addDays(o.value(QStringLiteral("day")).toInt()),
                                  QTime::fromString(o.value(QStringLiteral("time")).toString(), QStringLiteral("HH:mm")),
                                  Qt::LocalTime);
            m.time = storeTimeFromDateTime(local);
            m.body = o.value(QStringLiteral("body")).toString().toUtf8();
            if (store.append(m) == 0)
                return false;
        }
        return true;
    });
}

QString Profile::folder() const
{
    return m_folder;
}

QString Profile::storePath() const
{
    return m_inMemory ? QStringLiteral(":memory:") : QDir(m_folder).filePath(QStringLiteral("history.sqlite"));
}

Result Profile::save() const
{
    if (m_inMemory)
        return Result::success();
    QSaveFile file(QDir(m_folder).filePath(QLatin1String(kProfileFile)));
    if (!file.open(QIODevice::WriteOnly))
        return Result::failure(QStringLiteral("Cannot write the profile %1: %2").arg(file.fileName(), file.errorString()));
    file.write(QJsonDocument(toJson()).toJson(QJsonDocument::Indented));
    if (!file.commit())
        return Result::failure(QStringLiteral("Cannot write the profile %1: %2").arg(file.fileName(), file.errorString()));
    return Result::success();
}

Contact *Profile::find(const QByteArray &id)
{
    if (id == m_own.id)
        return &m_own;
    for (Contact &c : m_contacts) {
        if (c.id == id)
            return &c;
    }
    return nullptr;
}

const Contact *Profile::find(const QByteArray &id) const
{
    return const_cast<Profile *>(this)->find(id);
}

void Profile::addContact(const Contact &contact)
{
    if (Contact *existing = find(contact.id))
        *existing = contact;
    else
        m_contacts.append(contact);
}

QImage Profile::avatar(const QByteArray &id) const
{
    const Contact *c = find(id);
    if (!c)
        return QImage();
    if (!c->avatarFile.isEmpty()) {
        QImage image(QDir(m_folder).filePath(c->avatarFile));
        if (!image.isNull())
            return image.convertToFormat(QImage::Format_ARGB32);
    }
    return drawnAvatar(*c);
}

QImage Profile::drawnAvatar(const Contact &contact, int size)
{
    static const QColor palette[] = {QColor(0x3465a4), QColor(0x73d216), QColor(0xf57900), QColor(0x75507b),
                                     QColor(0xcc0000), QColor(0xc17d11), QColor(0x4e9a06), QColor(0x204a87)};
    const QColor colour = palette[qHash(contact.id) % (sizeof palette / sizeof palette[0])];
    QString initials;
    const QString name = contact.displayName.isEmpty() ? QString::fromUtf8(contact.userName) : contact.displayName;
    for (const QString &word : name.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (initials.size() < 2)
            initials += word.at(0).toUpper();
    }
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    if (contact.isRoom())
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    else
        painter.drawEllipse(QRectF(0, 0, size, size));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size * 2 / 5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, initials);
    painter.end();
    return image;
}

} // namespace hostkit

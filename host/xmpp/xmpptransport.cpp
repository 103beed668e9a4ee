#include "xmpptransport.h"

#include "xmpparchive.h"
#include "xmppfileshare.h"

#include "hostkit/host.h"
#include "hostkit/messagecommand.h"
#include "hostkit/messagestore.h"
#include "hostkit/profile.h"
#include "hostkit/transfers.h"

#include "lib_kelvan/clock.h"
#include "lib_kelvan/elementtree.h"

#include <QXmppCarbonManager.h>
#include <QXmppClient.h>
#include <QXmppConfiguration.h>
#include <QXmppElement.h>
#include <QXmppMessage.h>
#include <QXmppMessageReceiptManager.h>
#include <QXmppPresence.h>
#include <QXmppRosterManager.h>
#include <QXmppUtils.h>
#include <QXmppVCardIq.h>
#include <QXmppVCardManager.h>

#include <QBuffer>
#include <QDir>
#include <QDomElement>
#include <QImageReader>
#include <QRegularExpression>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcXmpp, "hostkit.xmpp")

namespace hostkit {

namespace {

// Bounds on what a peer or server can make the host keep: a body beyond
// this is not stored (the library would cut it anyway), a control record
// beyond this is not passed on, and a reaction is one short text.
constexpr int kMaxBodyBytes = 64 * 1024;
constexpr int kMaxControlBytes = 4 * 1024;
constexpr int kMaxReactionBytes = 64;
// Ids the host itself never writes longer; longer ones are not looked up.
constexpr int kMaxIdBytes = 128;
// A peer's picture: at most this many bytes and pixels a side are read,
// and it is kept at the size contact lists show.
constexpr int kMaxPhotoBytes = 512 * 1024;
constexpr int kMaxPhotoSide = 2048;
constexpr int kAvatarSide = 64;
// Room members a room's presence may bring.
constexpr int kMaxRoomMembers = 500;
// Contacts a roster may bring; beyond it, entries are left out.
constexpr int kMaxRosterContacts = 5000;
// Ids new contacts from the network are numbered from.
constexpr qint64 kFirstNetworkContactId = 2000;
// Attempts to reach a server that went away: soon, then less and less often.
constexpr int kFirstReconnectDelayMs = 250;
constexpr int kMaxReconnectDelayMs = 30000;

const char kRetractNs[] = "urn:xmpp:message-retract:0";
const char kFastenNs[] = "urn:xmpp:fasten:0";
const char kReactionsNs[] = "urn:xmpp:reactions:0";
const char kReplyNs[] = "urn:xmpp:reply:0";
const char kFallbackNs[] = "urn:xmpp:fallback:0";
// Control records the protocol has no element for travel in one of ours.
const char kControlNs[] = "urn:x-chat-host:control:0";
// What a like is as a reaction.
const char kLikeReaction[] = "\xF0\x9F\x91\x8D"; // thumbs up

// The first attachment address of the host's cloud a body names (a picture
// or file message); empty when it names none.
QByteArray cloudAddress(const QByteArray &body)
{
    static const QRegularExpression address(QStringLiteral("%1://[^\\s\"\\]]{1,512}").arg(QLatin1String(Transfers::kScheme)));
    const QRegularExpressionMatch match = address.match(QString::fromUtf8(body));
    return match.hasMatch() ? match.captured(0).toUtf8() : QByteArray();
}

QString namespaceOf(const QDomElement &e)
{
    return e.namespaceURI().isEmpty() ? e.attribute(QStringLiteral("xmlns")) : e.namespaceURI();
}

QDomElement extension(const QXmppMessage &message, const char *tag, const char *ns)
{
    for (const QXmppElement &x : message.extensions()) {
        const QDomElement e = x.sourceDomElement();
        if (e.tagName() == QLatin1String(tag) && namespaceOf(e) == QLatin1String(ns))
            return e;
    }
    return QDomElement();
}

QXmppElement element(const QString &tag, const char *ns)
{
    QXmppElement e;
    e.setTagName(tag);
    e.setAttribute(QStringLiteral("xmlns"), QString::fromLatin1(ns));
    return e;
}

int statusOf(const QXmppPresence &p)
{
    if (p.type() != QXmppPresence::Available)
        return Contact::Offline;
    switch (p.availableStatusType()) {
    case QXmppPresence::Away:
    case QXmppPresence::XA:
        return Contact::Away;
    case QXmppPresence::DND:
        return Contact::Busy;
    default:
        return Contact::Online;
    }
}

QByteArray bounded(const QString &id)
{
    const QByteArray utf8 = id.toUtf8();
    return utf8.size() > kMaxIdBytes ? QByteArray() : utf8;
}

} // namespace

std::optional<XmppTransport::Account> XmppTransport::accountOf(const Profile &profile)
{
    const QJsonObject o = profile.xmppAccount();
    Account a;
    a.jid = QXmppUtils::jidToBareJid(o.value(QStringLiteral("jid")).toString());
    if (a.jid.isEmpty() || !a.jid.contains(QLatin1Char('@')))
        return std::nullopt;
    a.password = o.value(QStringLiteral("password")).toString();
    a.host = o.value(QStringLiteral("host")).toString();
    a.port = quint16(o.value(QStringLiteral("port")).toInt(5222));
    a.nick = o.value(QStringLiteral("nick")).toString();
    return a;
}

XmppTransport::XmppTransport(Host &host, const Account &account, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_account(account)
    , m_client(std::make_unique<QXmppClient>())
{
    if (m_account.nick.isEmpty())
        m_account.nick = QXmppUtils::jidToUser(m_account.jid);
    m_fileShare = new XmppFileShare(*m_client, this);
    m_fileShare->setFallbackService(QStringLiteral("upload.") + QXmppUtils::jidToDomain(m_account.jid));
    m_archive = new XmppArchive;
    // Before the client's own managers see anything: archived copies are
    // not live messages.
    m_client->insertExtension(0, m_archive);
    auto *carbons = new QXmppCarbonManager;
    m_client->addExtension(carbons);
    m_client->addExtension(new QXmppMessageReceiptManager);

    connect(m_client.get(), &QXmppClient::connected, this, &XmppTransport::onConnected);
    connect(m_client.get(), &QXmppClient::disconnected, this, &XmppTransport::onDisconnected);
    connect(m_client.get(), &QXmppClient::stateChanged, this, [this](QXmppClient::State state) {
        if (state == QXmppClient::DisconnectedState)
            scheduleReconnect();
    });
    connect(m_client.get(), &QXmppClient::messageReceived, this, [this](const QXmppMessage &m) { handleMessage(m); });
    connect(carbons, &QXmppCarbonManager::messageReceived, this, [this](const QXmppMessage &m) { handleMessage(m); });
    connect(carbons, &QXmppCarbonManager::messageSent, this, [this](const QXmppMessage &m) { handleMessage(m); });
    connect(m_archive, &XmppArchive::archived, this,
            [this](const QXmppMessage &m, const QString &archiveId) { handleMessage(m, archiveId); });
    connect(m_archive, &XmppArchive::finished, this, &XmppTransport::historyLoaded);
    auto *roster = m_client->findExtension<QXmppRosterManager>();
    connect(roster, &QXmppRosterManager::rosterReceived, this, &XmppTransport::onRosterReceived);
    connect(roster, &QXmppRosterManager::itemAdded, this, [this](const QString &jid) {
        const auto *r = m_client->findExtension<QXmppRosterManager>();
        contactFor(jid, r->getRosterEntry(jid).name());
    });
    auto *vcards = m_client->findExtension<QXmppVCardManager>();
    if (!vcards) {
        vcards = new QXmppVCardManager;
        m_client->addExtension(vcards);
    }
    connect(vcards, &QXmppVCardManager::vCardReceived, this, &XmppTransport::onVCard);
    connect(m_client.get(), &QXmppClient::presenceReceived, this, &XmppTransport::onRoomPresence);
    connect(roster, &QXmppRosterManager::presenceChanged, this,
            [this](const QString &bareJid, const QString &) { onPresenceChanged(bareJid); });
    // The server lives in real time, whatever clock the host runs on: the
    // next attempt is a real-time timer.
    m_reconnect.setSingleShot(true);
    connect(&m_reconnect, &QTimer::timeout, this, [this] {
        if (m_wanted && m_client->state() == QXmppClient::DisconnectedState)
            m_client->connectToServer(m_config);
    });
    m_host.network().setTransport(this);
}

XmppTransport::~XmppTransport()
{
    if (m_host.network().transport() == this)
        m_host.network().setTransport(nullptr);
    m_client->disconnect(this);
    m_client->disconnectFromServer();
}

void XmppTransport::scheduleReconnect()
{
    if (!m_wanted || m_reconnect.isActive())
        return;
    m_reconnect.start(m_reconnectDelayMs);
    m_reconnectDelayMs = std::min(m_reconnectDelayMs * 2, kMaxReconnectDelayMs);
}

void XmppTransport::connectToServer()
{
    m_wanted = true;
    QXmppConfiguration &config = m_config;
    config.setJid(m_account.jid);
    config.setPassword(m_account.password);
    if (!m_account.host.isEmpty())
        config.setHost(m_account.host);
    config.setPort(m_account.port);
    // One resource per running host, so a second device never takes the
    // first one's place.
    config.setResource(QStringLiteral("chat-host.") + QXmppUtils::generateStanzaHash(8));
    // A loopback server without certificates is what the tests and the
    // demo run; a real server gets TLS when it offers it.
    const bool loopback = m_account.host == QLatin1String("127.0.0.1") || m_account.host == QLatin1String("localhost");
    config.setStreamSecurityMode(loopback ? QXmppConfiguration::TLSDisabled : QXmppConfiguration::TLSEnabled);
    config.setAutoReconnectionEnabled(false);
    QXmppPresence presence;
    const Contact &own = m_host.profile().own();
    presence.setStatusText(own.statusMessage);
    if (own.status == Contact::Away)
        presence.setAvailableStatusType(QXmppPresence::Away);
    else if (own.status == Contact::Busy)
        presence.setAvailableStatusType(QXmppPresence::DND);
    m_client->setClientPresence(presence);
    m_client->connectToServer(config);
}

void XmppTransport::disconnectFromServer()
{
    m_wanted = false;
    m_reconnect.stop();
    m_client->disconnectFromServer();
}

bool XmppTransport::isConnected() const
{
    return m_client->isConnected();
}

void XmppTransport::onConnected()
{
    m_wasConnected = true;
    m_reconnectDelayMs = kFirstReconnectDelayMs;
    if (auto *carbons = m_client->findExtension<QXmppCarbonManager>())
        carbons->setCarbonsEnabled(true);
    // A resumed stream missed nothing; a fresh one reads what the archive
    // holds since the newest message this store knows from it.
    if (m_client->streamManagementState() != QXmppClient::ResumedStream)
        m_archive->read(QString::fromUtf8(m_host.store().newestArchiveId(QByteArray())));
    while (!m_queue.isEmpty() && m_client->isConnected())
        m_client->sendPacket(m_queue.dequeue());
    joinRooms();
    publishOwnCard();
    Q_EMIT connected();
}

void XmppTransport::onDisconnected()
{
    if (!m_wasConnected)
        return;
    m_wasConnected = false;
    m_host.connectionLost();
    for (const Contact &c : m_host.profile().contacts()) {
        if (!c.jid.isEmpty() && !c.isRoom() && c.status != Contact::Offline)
            m_host.setPresence(c.id, Contact::Offline, c.statusMessage);
    }
    Q_EMIT disconnected();
}

const Contact *XmppTransport::contactFor(const QString &bareJid, const QString &name)
{
    const QString jid = QXmppUtils::jidToBareJid(bareJid).toLower();
    if (jid.isEmpty() || jid.size() > 3071 || jid == m_account.jid.toLower())
        return nullptr;
    Profile &profile = m_host.profile();
    qint64 next = kFirstNetworkContactId;
    for (Contact &c : profile.contacts()) {
        if (c.jid.toLower() == jid) {
            if (!name.isEmpty() && name != c.displayName && !c.isRoom()) {
                c.displayName = name;
                m_host.contactChanged(c.id);
            }
            return &c;
        }
        next = std::max(next, c.id.toLongLong() + 1);
    }
    if (profile.contacts().size() >= kMaxRosterContacts)
        return nullptr;
    Contact c;
    c.id = QByteArray::number(next);
    c.jid = jid;
    c.userName = QXmppUtils::jidToUser(jid).toUtf8();
    c.displayName = name.isEmpty() ? QXmppUtils::jidToUser(jid) : name;
    profile.addContact(c);
    if (!profile.isInMemory())
        profile.save();
    m_host.contactChanged(c.id);
    return profile.find(c.id);
}

void XmppTransport::onRosterReceived()
{
    const auto *roster = m_client->findExtension<QXmppRosterManager>();
    for (const QString &jid : roster->getRosterBareJids())
        contactFor(jid, roster->getRosterEntry(jid).name());
    auto *vcards = m_client->findExtension<QXmppVCardManager>();
    for (const QString &jid : roster->getRosterBareJids()) {
        onPresenceChanged(jid);
        vcards->requestVCard(jid);
    }
    Q_EMIT rosterReceived();
}

void XmppTransport::onPresenceChanged(const QString &bareJid)
{
    const auto *roster = m_client->findExtension<QXmppRosterManager>();
    const Contact *c = contactFor(bareJid);
    if (!c)
        return;
    // The most present of the resources stands for the contact.
    int status = Contact::Offline;
    QString text;
    const auto presences = roster->getAllPresencesForBareJid(bareJid);
    for (const QXmppPresence &p : presences) {
        const int s = statusOf(p);
        if (s == Contact::Offline)
            continue;
        if (status == Contact::Offline || s == Contact::Online) {
            status = s;
            text = p.statusText();
        }
    }
    if (status != c->status || text != c->statusMessage)
        m_host.setPresence(c->id, status, text.left(1024));
}

void XmppTransport::publishOwnCard()
{
    const Profile &profile = m_host.profile();
    const Contact &own = profile.own();
    QImage picture;
    if (!own.avatarFile.isEmpty())
        picture = QImage(QDir(profile.folder()).filePath(own.avatarFile));
    if (picture.isNull())
        picture = Profile::drawnAvatar(own, kAvatarSide);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.scaled(kAvatarSide, kAvatarSide, Qt::KeepAspectRatio, Qt::SmoothTransformation).save(&buffer, "PNG");
    QXmppVCardIq card;
    card.setFullName(own.displayName);
    card.setFirstName(own.firstName);
    card.setLastName(own.lastName);
    card.setNickName(QString::fromUtf8(own.userName));
    card.setPhoto(png);
    card.setPhotoType(QStringLiteral("image/png"));
    m_client->findExtension<QXmppVCardManager>()->setClientVCard(card);
}

void XmppTransport::onVCard(const QXmppVCardIq &card)
{
    const QString jid = QXmppUtils::jidToBareJid(card.from()).toLower();
    Contact *contact = nullptr;
    for (Contact &c : m_host.profile().contacts()) {
        if (!c.isRoom() && c.jid.toLower() == jid)
            contact = &c;
    }
    if (!contact || card.photo().isEmpty() || card.photo().size() > kMaxPhotoBytes)
        return;
    QBuffer buffer;
    buffer.setData(card.photo());
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPhotoSide || size.height() > kMaxPhotoSide)
        return;
    const QImage picture = reader.read();
    if (picture.isNull())
        return;
    const QString name = QStringLiteral("avatars/%1.png").arg(QString::fromUtf8(contact->id));
    QDir(m_host.profile().folder()).mkpath(QStringLiteral("avatars"));
    if (!picture.scaled(kAvatarSide, kAvatarSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
             .save(QDir(m_host.profile().folder()).filePath(name), "PNG"))
        return;
    contact->avatarFile = name;
    const QByteArray id = contact->id;
    if (!m_host.profile().isInMemory())
        m_host.profile().save();
    m_host.contactChanged(id);
    Q_EMIT avatarChanged(id);
}

void XmppTransport::onRoomPresence(const QXmppPresence &presence)
{
    const QString roomJid = QXmppUtils::jidToBareJid(presence.from()).toLower();
    Contact *room = nullptr;
    for (Contact &c : m_host.profile().contacts()) {
        if (c.isRoom() && c.jid.toLower() == roomJid)
            room = &c;
    }
    if (!room)
        return;
    const QString nick = QXmppUtils::jidToResource(presence.from());
    const qint64 member = nick == m_account.nick ? m_host.profile().own().id.toLongLong() : senderInRoom(nick);
    if (member == 0)
        return;
    const QByteArray id = QByteArray::number(member);
    const bool present = presence.type() == QXmppPresence::Available;
    if (present == room->members.contains(id) || (present && room->members.size() >= kMaxRoomMembers))
        return;
    if (present)
        room->members.append(id);
    else
        room->members.removeAll(id);
    m_host.contactChanged(room->id);
}

QString XmppTransport::jidOf(const QByteArray &contactId) const
{
    const Contact *c = m_host.profile().find(contactId);
    return c ? c->jid : QString();
}

bool XmppTransport::isRoom(const QByteArray &contactId) const
{
    const Contact *c = m_host.profile().find(contactId);
    return c && c->isRoom();
}

void XmppTransport::joinRooms()
{
    for (const Contact &c : m_host.profile().contacts()) {
        if (!c.isRoom() || c.jid.isEmpty())
            continue;
        QXmppPresence join;
        join.setTo(c.jid + QLatin1Char('/') + m_account.nick);
        QXmppElement x = element(QStringLiteral("x"), "http://jabber.org/protocol/muc");
        // The room's history comes from the archive, not as a replay.
        QXmppElement history;
        history.setTagName(QStringLiteral("history"));
        history.setAttribute(QStringLiteral("maxstanzas"), QStringLiteral("0"));
        x.appendChild(history);
        join.setExtensions({x});
        m_client->sendPacket(join);
    }
}

void XmppTransport::send(QXmppMessage message)
{
    if (m_client->isConnected() && m_client->sendPacket(message)) {
        Q_EMIT messageSentOut(message.id());
        return;
    }
    // Bounded like everything else a user can pile up offline.
    if (m_queue.size() < 10000)
        m_queue.enqueue(message);
}

void XmppTransport::sendMessage(const QByteArray &recipient, const QByteArray &sessionKey, const QByteArray &body,
                                qint64 eventId)
{
    const QString to = jidOf(recipient);
    if (to.isEmpty()) {
        qCInfo(lcXmpp) << "no network address for" << recipient << "- message not sent";
        return;
    }
    QXmppMessage m;
    m.setTo(to);
    m.setType(isRoom(recipient) ? QXmppMessage::GroupChat : QXmppMessage::Chat);
    const QString id = QXmppUtils::generateStanzaHash(24);
    m.setId(id);
    m.setOriginId(id);
    if (!sessionKey.isEmpty())
        m.setThread(QString::fromUtf8(sessionKey));
    MessageStore &store = m_host.store();
    const MessageCommand command = MessageCommand::parse(body);
    const QString targetId = QString::fromUtf8(command.target ? store.originIdOf(command.target) : QByteArray());
    switch (command.kind) {
    case MessageCommand::Kind::None:
        if (body.trimmed() == "[nudge]") {
            m.setAttentionRequested(true);
            send(m);
            return;
        }
        m.setBody(QString::fromUtf8(body));
        break;
    case MessageCommand::Kind::Reply: {
        m.setBody(QString::fromUtf8(command.text));
        if (!targetId.isEmpty()) {
            QXmppElement reply = element(QStringLiteral("reply"), kReplyNs);
            reply.setAttribute(QStringLiteral("id"), targetId);
            m.setExtensions({reply});
        }
        break;
    }
    case MessageCommand::Kind::Edit:
        if (targetId.isEmpty())
            return;
        m.setReplaceId(targetId);
        m.setBody(QString::fromUtf8(command.text));
        break;
    case MessageCommand::Kind::Delete: {
        if (targetId.isEmpty())
            return;
        QXmppElement applyTo = element(QStringLiteral("apply-to"), kFastenNs);
        applyTo.setAttribute(QStringLiteral("id"), targetId);
        applyTo.appendChild(element(QStringLiteral("retract"), kRetractNs));
        m.setExtensions({applyTo, element(QStringLiteral("fallback"), kFallbackNs)});
        // What a client that knows no retraction shows.
        m.setBody(QStringLiteral("(the previous message was withdrawn)"));
        break;
    }
    case MessageCommand::Kind::Like: {
        if (targetId.isEmpty())
            return;
        QXmppElement reactions = element(QStringLiteral("reactions"), kReactionsNs);
        reactions.setAttribute(QStringLiteral("id"), targetId);
        if (command.flag) {
            QXmppElement reaction;
            reaction.setTagName(QStringLiteral("reaction"));
            reaction.setValue(QString::fromUtf8(kLikeReaction));
            reactions.appendChild(reaction);
        }
        m.setExtensions({reactions});
        m.addHint(QXmppMessage::Store);
        break;
    }
    case MessageCommand::Kind::Label:
        return; // labels are the user's own, not the peer's
    }
    if (command.kind == MessageCommand::Kind::None || command.kind == MessageCommand::Kind::Reply) {
        m.setReceiptRequested(true);
        m.setMarkable(true);
        if (eventId)
            store.setNetworkIds(eventId, id.toUtf8(), QByteArray());
        // An attachment of the host's cloud goes to the server's file share
        // first; the message names where the peer fetches it.
        const QByteArray address = cloudAddress(body);
        const Transfers &transfers = m_host.transfers();
        if (!address.isEmpty() && transfers.isPublished(address)) {
            m_fileShare->upload(transfers.publishedContent(address), transfers.publishedName(address),
                                [this, m](const QUrl &url) mutable {
                                    if (url.isValid())
                                        m.setOutOfBandUrl(url.toString());
                                    send(m);
                                });
            return;
        }
    }
    send(m);
}

void XmppTransport::sendControl(const QByteArray &recipient, const QByteArray &text)
{
    const QString to = jidOf(recipient);
    if (to.isEmpty() || text.size() > kMaxControlBytes)
        return;
    kelvan::Element record;
    kelvan::readElement(text, record);
    QXmppMessage m;
    m.setTo(to);
    m.setType(isRoom(recipient) ? QXmppMessage::GroupChat : QXmppMessage::Chat);
    m.addHint(QXmppMessage::NoStore);
    if (record.attribute("command") == "WRITING") {
        m.setState(QXmppMessage::Composing);
        const QByteArray session = record.attribute("session_id");
        if (!session.isEmpty())
            m.setThread(QString::fromUtf8(session));
    } else {
        QXmppElement control = element(QStringLiteral("record"), kControlNs);
        control.setValue(QString::fromUtf8(text));
        m.setExtensions({control});
    }
    send(m);
}

void XmppTransport::markedSeen(const QByteArray &conversation)
{
    const QString to = jidOf(conversation);
    if (to.isEmpty() || isRoom(conversation))
        return;
    // The newest message from the peer stands for all before it.
    const QVector<StoredMessage> newest = m_host.store().newest(conversation, 20);
    for (int i = newest.size() - 1; i >= 0; --i) {
        if (!newest.at(i).received)
            continue;
        const QByteArray id = m_host.store().originIdOf(newest.at(i).eventId);
        if (id.isEmpty())
            return;
        QXmppMessage m;
        m.setTo(to);
        m.setType(QXmppMessage::Chat);
        m.setMarker(QXmppMessage::Displayed);
        m.setMarkerId(QString::fromUtf8(id));
        m.addHint(QXmppMessage::Store);
        send(m);
        return;
    }
}

qint64 XmppTransport::senderInRoom(const QString &nick) const
{
    for (const Contact &c : m_host.profile().contacts()) {
        if (!c.isRoom() && !c.jid.isEmpty() && QXmppUtils::jidToUser(c.jid) == nick)
            return c.id.toLongLong();
    }
    return 0;
}

void XmppTransport::handleMessage(const QXmppMessage &message, const QString &archiveId)
{
    if (!m_host.isReady() || message.type() == QXmppMessage::Error)
        return;
    const QString ownJid = m_account.jid.toLower();
    const QString fromBare = QXmppUtils::jidToBareJid(message.from()).toLower();
    const bool live = archiveId.isEmpty();

    // Whose conversation, who wrote it, and was it the user.
    QByteArray conversation;
    qint64 sender = 0;
    bool outgoing = false;
    QByteArray room;
    const QByteArray ownId = m_host.profile().own().id;
    if (message.type() == QXmppMessage::GroupChat) {
        const Contact *r = nullptr;
        for (const Contact &c : m_host.profile().contacts()) {
            if (c.isRoom() && c.jid.toLower() == fromBare)
                r = &c;
        }
        if (!r) {
            qCDebug(lcXmpp) << "groupchat message from a room the user is not in:" << fromBare;
            return;
        }
        conversation = room = r->id;
        const QString nick = QXmppUtils::jidToResource(message.from());
        outgoing = nick == m_account.nick;
        sender = outgoing ? ownId.toLongLong() : senderInRoom(nick);
        if (sender == 0) {
            qCDebug(lcXmpp) << "room message from" << nick << "who is no contact";
            return;
        }
    } else {
        outgoing = fromBare == ownJid || (fromBare.isEmpty() && !live);
        const QString peer = outgoing ? QXmppUtils::jidToBareJid(message.to()).toLower() : fromBare;
        const Contact *c = nullptr;
        for (const Contact &k : m_host.profile().contacts()) {
            if (!k.isRoom() && k.jid.toLower() == peer)
                c = &k;
        }
        if (!c)
            return; // only the roster's people reach the user
        conversation = c->id;
        sender = outgoing ? ownId.toLongLong() : c->id.toLongLong();
    }
    const QByteArray senderId = QByteArray::number(sender);
    const QByteArray sessionKey = message.thread().toUtf8().left(kMaxIdBytes);
    const QByteArray originId = bounded(message.originId().isEmpty() ? message.id() : message.originId());
    MessageStore &store = m_host.store();

    // Signals without a body first; only live ones from others mean
    // anything now (reactions and retractions are handled below).
    if (message.body().isEmpty() && live && !outgoing) {
        bool signal = true;
        if (message.state() == QXmppMessage::Composing) {
            m_host.deliverControl(senderId, Network::controlRecord("WRITING", sessionKey, room));
        } else if (message.isAttentionRequested() && room.isEmpty()) {
            m_host.deliverEvent(32, senderId + ",0,0");
        } else if (const QDomElement control = extension(message, "record", kControlNs); !control.isNull()) {
            const QByteArray text = control.text().toUtf8();
            if (text.size() <= kMaxControlBytes)
                m_host.deliverControl(senderId, text);
        } else {
            signal = false;
        }
        if (signal) {
            Q_EMIT controlHandled(senderId);
            return;
        }
    }

    // A message-level change to an earlier message becomes the library's
    // own command with this store's event id.
    QByteArray body = message.body().toUtf8();
    auto targetOf = [&](const QString &id) { return store.eventByOriginId(conversation, bounded(id)); };
    if (const QDomElement reactions = extension(message, "reactions", kReactionsNs); !reactions.isNull()) {
        const qint64 target = targetOf(reactions.attribute(QStringLiteral("id")));
        if (target == 0)
            return;
        bool liked = false;
        for (QDomElement r = reactions.firstChildElement(QStringLiteral("reaction")); !r.isNull();
             r = r.nextSiblingElement(QStringLiteral("reaction"))) {
            if (r.text().toUtf8().size() <= kMaxReactionBytes && !r.text().trimmed().isEmpty())
                liked = true;
        }
        body = "[like " + QByteArray::number(target) + (liked ? " T]" : " F]");
    } else if (const QDomElement applyTo = extension(message, "apply-to", kFastenNs);
               !applyTo.isNull() && namespaceOf(applyTo.firstChildElement(QStringLiteral("retract"))) == QLatin1String(kRetractNs)) {
        const qint64 target = targetOf(applyTo.attribute(QStringLiteral("id")));
        if (target == 0)
            return;
        body = "[delete " + QByteArray::number(target) + ']';
    } else if (!message.replaceId().isEmpty()) {
        const qint64 target = targetOf(message.replaceId());
        if (target == 0 || body.size() > kMaxBodyBytes)
            return;
        body = "[edit " + QByteArray::number(target) + ']' + body;
    } else {
        if (body.isEmpty() || body.size() > kMaxBodyBytes)
            return;
        // An id seen before is the same message again (a resent stanza, the
        // archive's copy of a live one).
        if (const qint64 known = targetOf(QString::fromUtf8(originId)); known != 0 && !originId.isEmpty()) {
            if (!live)
                store.setNetworkIds(known, QByteArray(), bounded(archiveId));
            return;
        }
        // An attachment comes down from the file share before the message
        // is stored, under an address of this host's own cloud.
        const QByteArray address = cloudAddress(body);
        // (Addresses are each host's own: the same one may name another
        // file here, so it is always replaced.)
        if (live && !outgoing && !address.isEmpty() && !message.outOfBandUrl().isEmpty()) {
            m_fileShare->download(QUrl(message.outOfBandUrl()), [this, message, address](const QByteArray &data) {
                QXmppMessage local = message;
                local.setOutOfBandUrl(QString());
                if (!data.isEmpty()) {
                    const QString name = QUrl::fromPercentEncoding(address.mid(address.lastIndexOf('/') + 1));
                    const QByteArray mine = m_host.transfers().publish(data, name, address.contains("://pictures/"));
                    local.setBody(QString::fromUtf8(message.body().toUtf8().replace(address, mine)));
                }
                handleMessage(local);
            });
            return;
        }
        // A typed command text must not turn into one with this store's ids.
        if (MessageCommand::parse(body).kind != MessageCommand::Kind::None)
            body.prepend(' ');
        if (const QDomElement reply = extension(message, "reply", kReplyNs); !reply.isNull()) {
            if (const qint64 target = targetOf(reply.attribute(QStringLiteral("id"))))
                body = "[reply " + QByteArray::number(target) + ']' + body;
        }
    }

    qint64 eventId = 0;
    const MessageCommand::Kind kind = MessageCommand::parse(body).kind;
    const bool change = kind != MessageCommand::Kind::None && kind != MessageCommand::Kind::Reply;
    if (!live && change)
        return; // the archive's changes are applied live or never
    if (!live) {
        storeFromArchive(message, conversation, sender, !outgoing, body, originId, bounded(archiveId));
        return;
    }
    if (outgoing) {
        eventId = m_host.storeOutgoing("chat", conversation, sessionKey, body);
    } else {
        eventId = m_host.receiveMessage(senderId, body, sessionKey, room);
    }
    if (eventId == 0)
        return;
    if (!change)
        store.setNetworkIds(eventId, originId, bounded(message.stanzaId()));
    Q_EMIT messageHandled(eventId);
}

void XmppTransport::storeFromArchive(const QXmppMessage &message, const QByteArray &conversation, qint64 sender,
                                     bool received, const QByteArray &body, const QByteArray &originId,
                                     const QByteArray &archiveId)
{
    MessageStore &store = m_host.store();
    if (archiveId.isEmpty() || store.eventByArchiveId(archiveId) != 0)
        return;
    StoredMessage m;
    m.conversation = conversation;
    m.sessionKey = message.thread().toUtf8().left(kMaxIdBytes);
    m.senderId = sender;
    m.received = received;
    // The server's time, but never later than the host's own: with clocks
    // apart, history must not sort after what the user writes next.
    const QDateTime now = kelvan::Clock::instance().now();
    const QDateTime stamp = message.stamp().isValid() && message.stamp() < now ? message.stamp() : now;
    m.time = storeTimeFromDateTime(stamp);
    m.body = body;
    const MessageCommand reply = MessageCommand::parse(body);
    if (reply.kind == MessageCommand::Kind::Reply) {
        m.body = reply.text;
        m.replyTarget = reply.target;
    }
    const qint64 eventId = store.append(m);
    if (eventId == 0)
        return;
    store.setNetworkIds(eventId, originId, archiveId);
    Q_EMIT m_host.messageStored(eventId, conversation);
    Q_EMIT messageHandled(eventId);
}

} // namespace hostkit

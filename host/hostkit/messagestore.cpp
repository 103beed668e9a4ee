#include "messagestore.h"

#include "searchtext.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <atomic>
#include <functional>

Q_LOGGING_CATEGORY(lcStore, "hostkit.store")

namespace hostkit {

namespace {

std::atomic<int> g_connectionCounter{0};

// A null QString or QByteArray binds as SQL NULL; the columns want text.
QVariant textValue(const QByteArray &utf8)
{
    return utf8.isEmpty() ? QVariant(QStringLiteral("")) : QVariant(QString::fromUtf8(utf8));
}

// The tags a picture is written with; the same test as the SQL below.
bool holdsPicture(const QByteArray &body)
{
    return body.contains("[pic") || body.contains("[img]");
}

QVariant blobValue(const QByteArray &bytes)
{
    return bytes.isEmpty() ? QVariant(QByteArray("")) : QVariant(bytes);
}

const char kColumns[] =
    "event_id, message_id, conversation, session_key, sender, overriding_sender, time, received, "
    "second_flag, kind, plugin_id, body, edited, deleted, labels, reply_target, "
    "(SELECT group_concat(user_id, ' ') FROM likes WHERE likes.event_id = messages.event_id ORDER BY rowid)";

StoredMessage fromQuery(const QSqlQuery &q)
{
    StoredMessage m;
    m.eventId = q.value(0).toLongLong();
    m.messageId = q.value(1).toByteArray();
    m.conversation = q.value(2).toByteArray();
    m.sessionKey = q.value(3).toByteArray();
    m.senderId = q.value(4).toLongLong();
    m.overridingSenderId = q.value(5).toLongLong();
    m.time = q.value(6).toLongLong();
    m.received = q.value(7).toBool();
    m.secondFlag = q.value(8).toBool();
    m.kind = q.value(9).toInt();
    m.pluginId = q.value(10).toByteArray();
    m.body = q.value(11).toByteArray();
    m.edited = q.value(12).toBool();
    m.deleted = q.value(13).toBool();
    m.labels = q.value(14).toByteArray();
    m.replyTarget = q.value(15).toLongLong();
    const QByteArray likes = q.value(16).toByteArray();
    if (!likes.isEmpty())
        m.likedBy = likes.split(' ');
    return m;
}

// Checks what can be checked without letting SQLite write anything: the
// file header, then (read-only) the schema version and the integrity check.
Result inspectExisting(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(QStringLiteral("Cannot read the message store %1: %2").arg(path, file.errorString()));
    const QByteArray header = file.read(100);
    file.close();
    if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
        return Result::failure(QStringLiteral("The message store %1 is not a SQLite database; it was left untouched.").arg(path));

    const QString name = QStringLiteral("hostkit-inspect-%1").arg(++g_connectionCounter);
    Result result = Result::success();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            result = Result::failure(QStringLiteral("Cannot open the message store %1: %2").arg(path, db.lastError().text()));
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
                result = Result::failure(QStringLiteral("The message store %1 is damaged (%2); it was left untouched.")
                                             .arg(path, q.lastError().text()));
            } else if (const int version = q.value(0).toInt(); version > MessageStore::kSchemaVersion) {
                result = Result::failure(QStringLiteral("The message store %1 was written by a newer host (schema version %2, "
                                                        "this host knows up to %3); it was left untouched.")
                                             .arg(path).arg(version).arg(MessageStore::kSchemaVersion));
            } else {
                QSqlQuery check(db);
                if (!check.exec(QStringLiteral("PRAGMA integrity_check")) || !check.next()
                    || check.value(0).toString() != QLatin1String("ok")) {
                    const QString why = check.lastError().isValid() ? check.lastError().text() : check.value(0).toString();
                    result = Result::failure(QStringLiteral("The message store %1 is damaged (%2); it was left untouched.").arg(path, why));
                }
            }
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

MessageStore::~MessageStore()
{
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

std::unique_ptr<MessageStore> MessageStore::open(const QString &path, QString *error)
{
    const bool inMemory = path == QLatin1String(":memory:");
    if (!inMemory) {
        const QFileInfo info(path);
        if (info.exists() && !info.isFile()) {
            if (error)
                *error = QStringLiteral("The message store %1 is not a file.").arg(path);
            return nullptr;
        }
        if (info.exists() && info.size() > 0) {
            const Result inspected = inspectExisting(path);
            if (!inspected) {
                qCWarning(lcStore) << inspected.error;
                if (error)
                    *error = inspected.error;
                return nullptr;
            }
        }
    }

    std::unique_ptr<MessageStore> store(new MessageStore);
    store->m_path = path;
    store->m_connection = QStringLiteral("hostkit-store-%1").arg(++g_connectionCounter);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), store->m_connection);
    db.setDatabaseName(path);
    if (!db.open()) {
        if (error)
            *error = QStringLiteral("Cannot open the message store %1: %2").arg(path, db.lastError().text());
        return nullptr;
    }
    const Result prepared = store->prepare();
    if (!prepared) {
        if (error)
            *error = prepared.error;
        return nullptr;
    }
    return store;
}

Result MessageStore::prepare()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return Result::failure(QStringLiteral("Cannot read the message store %1: %2").arg(m_path, q.lastError().text()));
    const int version = q.value(0).toInt();
    q.finish();
    // Added beside the schema rather than in it: older hosts read a store
    // that has it, and stores that never met a network stay as they were
    // until one does.
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS network_ids ("
                               " event_id INTEGER PRIMARY KEY,"
                               " conversation TEXT NOT NULL,"
                               " origin_id TEXT NOT NULL DEFAULT '',"
                               " archive_id TEXT NOT NULL DEFAULT '')"))
        || !q.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS network_ids_by_origin ON network_ids (conversation, origin_id)"))
        || !q.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS network_ids_by_archive ON network_ids (archive_id)")))
        return Result::failure(QStringLiteral("Cannot write the message store %1: %2").arg(m_path, q.lastError().text()));
    if (version == kSchemaVersion) {
        if (!transaction([this] { return preparePictures() && prepareCounts(); }))
            return Result::failure(QStringLiteral("Cannot write the message store %1: %2").arg(m_path, m_lastError));
        return Result::success();
    }

    const char *const schema[] = {
        // AUTOINCREMENT: an event id is never handed out twice, not even
        // after the newest message was removed.
        "CREATE TABLE IF NOT EXISTS messages ("
        " event_id INTEGER PRIMARY KEY AUTOINCREMENT,"
        " message_id TEXT UNIQUE,"
        " conversation TEXT NOT NULL,"
        " session_key TEXT NOT NULL DEFAULT '',"
        " sender INTEGER NOT NULL DEFAULT 0,"
        " overriding_sender INTEGER NOT NULL DEFAULT 0,"
        " time INTEGER NOT NULL DEFAULT 0,"
        " received INTEGER NOT NULL DEFAULT 0,"
        " second_flag INTEGER NOT NULL DEFAULT 0,"
        " kind INTEGER NOT NULL DEFAULT 0,"
        " plugin_id TEXT NOT NULL DEFAULT 'chat',"
        " body BLOB NOT NULL DEFAULT '',"
        " edited INTEGER NOT NULL DEFAULT 0,"
        " deleted INTEGER NOT NULL DEFAULT 0,"
        " labels TEXT NOT NULL DEFAULT '',"
        " reply_target INTEGER NOT NULL DEFAULT 0)",
        "CREATE INDEX IF NOT EXISTS messages_by_conversation ON messages (conversation, event_id)",
        "CREATE TABLE IF NOT EXISTS likes ("
        " event_id INTEGER NOT NULL REFERENCES messages (event_id),"
        " user_id TEXT NOT NULL,"
        " PRIMARY KEY (event_id, user_id))",
    };
    if (!db.transaction())
        return Result::failure(QStringLiteral("Cannot write the message store %1: %2").arg(m_path, db.lastError().text()));
    for (const char *statement : schema) {
        if (!q.exec(QString::fromLatin1(statement))) {
            const QString why = q.lastError().text();
            db.rollback();
            return Result::failure(QStringLiteral("Cannot create the message store %1: %2").arg(m_path, why));
        }
    }
    // Before the text index: indexing keeps the picture list too.
    if (!preparePictures() || !prepareCounts()) {
        db.rollback();
        return Result::failure(QStringLiteral("Cannot create the message store %1: %2").arg(m_path, m_lastError));
    }
    const Result indexed = createSearchIndex();
    if (!indexed) {
        db.rollback();
        return Result::failure(QStringLiteral("Cannot create the message store %1: %2").arg(m_path, indexed.error));
    }
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) || !db.commit()) {
        const QString why = q.lastError().text();
        db.rollback();
        return Result::failure(QStringLiteral("Cannot create the message store %1: %2").arg(m_path, why));
    }
    return Result::success();
}

// The messages that hold pictures, beside the schema like network_ids, so
// that a picture list is one indexed range instead of a read of every body.
// A store that never had the table gets it filled once, inside SQLite, in
// the caller's transaction.
bool MessageStore::preparePictures()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'message_pictures'"))) {
        m_lastError = q.lastError().text();
        return false;
    }
    if (q.next())
        return true;
    q.finish();
    const bool ok = q.exec(QStringLiteral("CREATE TABLE message_pictures ("
                                     " event_id INTEGER PRIMARY KEY,"
                                     " conversation TEXT NOT NULL)"))
               && q.exec(QStringLiteral("CREATE INDEX message_pictures_by_conversation ON message_pictures "
                                        "(conversation, event_id)"))
               && q.exec(QStringLiteral("INSERT INTO message_pictures (event_id, conversation) SELECT event_id, "
                                        "conversation FROM messages WHERE deleted = 0 AND (instr(body, CAST('[pic' AS "
                                        "BLOB)) > 0 OR instr(body, CAST('[img]' AS BLOB)) > 0)"));
    if (!ok)
        m_lastError = q.lastError().text();
    return ok;
}

// How many messages each conversation holds per range of 1024 event ids,
// beside the schema like message_pictures: a message's place in a long
// conversation is the sum of a few hundred counts plus a count inside one
// range, where counting the index alone would walk every older message.
// Triggers keep it in step with every way messages come and go.
bool MessageStore::prepareCounts()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'message_counts'"))) {
        m_lastError = q.lastError().text();
        return false;
    }
    if (q.next())
        return true;
    q.finish();
    const char *const statements[] = {
        "CREATE TABLE message_counts (conversation TEXT NOT NULL, bucket INTEGER NOT NULL, count INTEGER NOT NULL,"
        " PRIMARY KEY (conversation, bucket)) WITHOUT ROWID",
        "INSERT INTO message_counts (conversation, bucket, count) SELECT conversation, event_id >> 10, count(*)"
        " FROM messages GROUP BY conversation, event_id >> 10",
        "CREATE TRIGGER message_counts_insert AFTER INSERT ON messages BEGIN"
        " INSERT INTO message_counts (conversation, bucket, count) VALUES (new.conversation, new.event_id >> 10, 1)"
        " ON CONFLICT (conversation, bucket) DO UPDATE SET count = count + 1; END",
        "CREATE TRIGGER message_counts_delete AFTER DELETE ON messages BEGIN"
        " UPDATE message_counts SET count = count - 1 WHERE conversation = old.conversation"
        " AND bucket = old.event_id >> 10; END",
    };
    for (const char *statement : statements) {
        if (!q.exec(QString::fromLatin1(statement))) {
            m_lastError = q.lastError().text();
            return false;
        }
    }
    return true;
}

// Schema version 2: the full-text index of what messages read. A store of
// version 1 gets it, its messages indexed once.
Result MessageStore::createSearchIndex()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    // Trigrams: any run of three or more characters is found inside words,
    // the way a find bar searches; case folded, the exact case checked
    // against the stored text when asked.
    const char *const statements[] = {
        "CREATE VIRTUAL TABLE IF NOT EXISTS message_text USING fts5(text, conversation UNINDEXED, tokenize = 'trigram')",
    };
    for (const char *statement : statements) {
        if (!q.exec(QString::fromLatin1(statement)))
            return Result::failure(q.lastError().text());
    }
    QSqlQuery existing(db);
    existing.setForwardOnly(true);
    if (!existing.exec(QStringLiteral("SELECT event_id, conversation, body FROM messages WHERE deleted = 0")))
        return Result::failure(existing.lastError().text());
    while (existing.next()) {
        if (!indexText(existing.value(0).toLongLong(), existing.value(1).toByteArray(), existing.value(2).toByteArray()))
            return Result::failure(m_lastError);
    }
    return Result::success();
}

bool MessageStore::unindex(qint64 eventId)
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("DELETE FROM message_text WHERE rowid = ?"));
    q.addBindValue(eventId);
    if (q.exec()) {
        q.prepare(QStringLiteral("DELETE FROM message_pictures WHERE event_id = ?"));
        q.addBindValue(eventId);
        if (q.exec())
            return true;
    }
    m_lastError = q.lastError().text();
    return false;
}

bool MessageStore::indexText(qint64 eventId, const QByteArray &conversation, const QByteArray &body)
{
    if (!unindex(eventId))
        return false;
    if (holdsPicture(body)) {
        QSqlQuery p(QSqlDatabase::database(m_connection, false));
        p.prepare(QStringLiteral("INSERT INTO message_pictures (event_id, conversation) VALUES (?, ?)"));
        p.addBindValue(eventId);
        p.addBindValue(textValue(conversation));
        if (!p.exec()) {
            m_lastError = p.lastError().text();
            return false;
        }
    }
    const QString text = searchableText(body);
    if (text.trimmed().isEmpty())
        return true;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("INSERT INTO message_text (rowid, text, conversation) VALUES (?, ?, ?)"));
    q.addBindValue(eventId);
    q.addBindValue(text);
    q.addBindValue(textValue(conversation));
    if (q.exec())
        return true;
    m_lastError = q.lastError().text();
    return false;
}

qint64 MessageStore::append(StoredMessage &m)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO messages (message_id, conversation, session_key, sender, overriding_sender, time, "
                             "received, second_flag, kind, plugin_id, body, edited, deleted, labels, reply_target) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(m.messageId.isEmpty() ? QVariant(QVariant::String) : QVariant(QString::fromUtf8(m.messageId)));
    q.addBindValue(textValue(m.conversation));
    q.addBindValue(textValue(m.sessionKey));
    q.addBindValue(m.senderId);
    q.addBindValue(m.overridingSenderId);
    q.addBindValue(m.time);
    q.addBindValue(int(m.received));
    q.addBindValue(int(m.secondFlag));
    q.addBindValue(m.kind);
    q.addBindValue(textValue(m.pluginId));
    q.addBindValue(blobValue(m.body));
    q.addBindValue(int(m.edited));
    q.addBindValue(int(m.deleted));
    q.addBindValue(textValue(m.labels));
    q.addBindValue(m.replyTarget);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        qCWarning(lcStore) << "append failed:" << m_lastError;
        return 0;
    }
    m.eventId = q.lastInsertId().toLongLong();
    if (m.messageId.isEmpty()) {
        m.messageId = "m" + QByteArray::number(m.eventId);
        QSqlQuery u(db);
        u.prepare(QStringLiteral("UPDATE messages SET message_id = ? WHERE event_id = ?"));
        u.addBindValue(QString::fromUtf8(m.messageId));
        u.addBindValue(m.eventId);
        if (!u.exec())
            m_lastError = u.lastError().text();
    }
    for (const QByteArray &user : qAsConst(m.likedBy))
        setLiked(m.eventId, user, true);
    if (!m.deleted && !indexText(m.eventId, m.conversation, m.body))
        qCWarning(lcStore) << "indexing failed:" << m_lastError;
    return m.eventId;
}

bool MessageStore::fill(int count, const std::function<void(int index, StoredMessage &message)> &make)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    qint64 next = 0;
    {
        // Past every id handed out, removed ones included.
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SELECT max(seq) FROM sqlite_sequence WHERE name = 'messages'")) && q.next())
            next = q.value(0).toLongLong();
        next = std::max(next, lastEventId());
    }
    return transaction([&] {
        // Two statements prepared once for the whole batch.
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO messages (event_id, message_id, conversation, session_key, sender, "
                                      "overriding_sender, time, received, second_flag, kind, plugin_id, body, edited, "
                                      "deleted, labels, reply_target) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery index(db);
        index.prepare(QStringLiteral("INSERT INTO message_text (rowid, text, conversation) VALUES (?, ?, ?)"));
        QSqlQuery picture(db);
        picture.prepare(QStringLiteral("INSERT INTO message_pictures (event_id, conversation) VALUES (?, ?)"));
        for (int i = 0; i < count; ++i) {
            StoredMessage m;
            make(i, m);
            m.eventId = ++next;
            if (m.messageId.isEmpty())
                m.messageId = "m" + QByteArray::number(m.eventId);
            const QVariantList values{m.eventId, QString::fromUtf8(m.messageId), textValue(m.conversation),
                                      textValue(m.sessionKey), m.senderId, m.overridingSenderId, m.time,
                                      int(m.received), int(m.secondFlag), m.kind, textValue(m.pluginId),
                                      blobValue(m.body), int(m.edited), int(m.deleted), textValue(m.labels),
                                      m.replyTarget};
            for (int v = 0; v < values.size(); ++v)
                insert.bindValue(v, values.at(v));
            if (!insert.exec()) {
                m_lastError = insert.lastError().text();
                return false;
            }
            if (!m.deleted && holdsPicture(m.body)) {
                picture.bindValue(0, m.eventId);
                picture.bindValue(1, textValue(m.conversation));
                if (!picture.exec()) {
                    m_lastError = picture.lastError().text();
                    return false;
                }
            }
            const QString text = m.deleted ? QString() : searchableText(m.body);
            if (text.trimmed().isEmpty())
                continue;
            index.bindValue(0, m.eventId);
            index.bindValue(1, text);
            index.bindValue(2, textValue(m.conversation));
            if (!index.exec()) {
                m_lastError = index.lastError().text();
                return false;
            }
        }
        return true;
    });
}

QVector<StoredMessage> MessageStore::select(const QString &where, const QVariantList &values, const QString &order, int limit,
                                            qint64 offset) const
{
    QVector<StoredMessage> out;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    QString sql = QStringLiteral("SELECT %1 FROM messages WHERE %2").arg(QLatin1String(kColumns), where);
    if (!order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + order;
    if (limit >= 0)
        sql += QStringLiteral(" LIMIT %1").arg(limit);
    if (offset > 0)
        sql += QStringLiteral(" OFFSET %1").arg(offset);
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        qCWarning(lcStore) << "query failed:" << m_lastError;
        return out;
    }
    while (q.next())
        out.append(fromQuery(q));
    return out;
}

std::optional<StoredMessage> MessageStore::byEvent(qint64 eventId) const
{
    const auto found = select(QStringLiteral("event_id = ?"), {eventId}, QString(), 1);
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<StoredMessage> MessageStore::byMessageId(const QByteArray &messageId) const
{
    const auto found = select(QStringLiteral("message_id = ?"), {QString::fromUtf8(messageId)}, QString(), 1);
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QVector<StoredMessage> MessageStore::newest(const QByteArray &conversation, int limit) const
{
    auto page = select(QStringLiteral("conversation = ?"), {QString::fromUtf8(conversation)},
                       QStringLiteral("event_id DESC"), std::max(0, limit));
    std::reverse(page.begin(), page.end());
    return page;
}

QVector<StoredMessage> MessageStore::after(const QByteArray &conversation, qint64 eventId, int limit) const
{
    return select(QStringLiteral("conversation = ? AND event_id > ?"), {QString::fromUtf8(conversation), eventId},
                  QStringLiteral("event_id ASC"), limit);
}

QVector<qint64> MessageStore::search(const QByteArray &conversation, const QString &text, bool matchCase, qint64 from,
                                     bool older, int limit) const
{
    QVector<qint64> ids;
    if (text.isEmpty() || limit <= 0)
        return ids;
    const bool bounded = from > 0 || !older;
    QString sql;
    QVariantList values;
    // Three characters make a trigram the index can look up; a shorter
    // text is compared with the stored texts of the conversation, from
    // where the search stands, until enough are found.
    if (text.toUcs4().size() >= 3) {
        sql = QStringLiteral("SELECT rowid FROM message_text WHERE message_text MATCH ? AND conversation = ?");
        values << QString(QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"'))
               << QString::fromUtf8(conversation);
        if (bounded) {
            sql += older ? QStringLiteral(" AND rowid < ?") : QStringLiteral(" AND rowid > ?");
            values << from;
        }
        if (matchCase) {
            sql += QStringLiteral(" AND instr(text, ?) > 0");
            values << text;
        }
        sql += older ? QStringLiteral(" ORDER BY rowid DESC") : QStringLiteral(" ORDER BY rowid ASC");
    } else {
        sql = QStringLiteral("SELECT m.event_id FROM messages m JOIN message_text t ON t.rowid = m.event_id"
                             " WHERE m.conversation = ?");
        values << QString::fromUtf8(conversation);
        if (bounded) {
            sql += older ? QStringLiteral(" AND m.event_id < ?") : QStringLiteral(" AND m.event_id > ?");
            values << from;
        }
        if (matchCase) {
            sql += QStringLiteral(" AND instr(t.text, ?) > 0");
            values << text;
        } else {
            QString pattern = text;
            pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
                .replace(QLatin1Char('%'), QLatin1String("\\%"))
                .replace(QLatin1Char('_'), QLatin1String("\\_"));
            sql += QStringLiteral(" AND t.text LIKE ? ESCAPE '\\'");
            values << QString(QLatin1Char('%') + pattern + QLatin1Char('%'));
        }
        sql += older ? QStringLiteral(" ORDER BY m.event_id DESC") : QStringLiteral(" ORDER BY m.event_id ASC");
    }
    sql += QStringLiteral(" LIMIT %1").arg(limit);
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant &v : qAsConst(values))
        q.addBindValue(v);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        qCWarning(lcStore) << "search failed:" << m_lastError;
        return ids;
    }
    while (q.next())
        ids.append(q.value(0).toLongLong());
    return ids;
}

QVector<StoredMessage> MessageStore::before(const QByteArray &conversation, qint64 eventId, int limit) const
{
    auto page = select(QStringLiteral("conversation = ? AND event_id < ?"), {QString::fromUtf8(conversation), eventId},
                       QStringLiteral("event_id DESC"), std::max(0, limit));
    std::reverse(page.begin(), page.end());
    return page;
}

QVector<StoredMessage> MessageStore::pictureMessages(const QByteArray &conversation, int limit) const
{
    return select(QStringLiteral("event_id IN (SELECT event_id FROM message_pictures WHERE conversation = ? "
                                 "ORDER BY event_id DESC LIMIT %1)").arg(std::max(0, limit)),
                  {textValue(conversation)}, QStringLiteral("event_id ASC"), -1);
}

QVector<StoredMessage> MessageStore::all() const
{
    return select(QStringLiteral("1"), {}, QStringLiteral("event_id ASC"), -1);
}

bool MessageStore::clear(const QByteArray &conversation)
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (conversation.isEmpty()) {
        return transaction([&] {
            if (q.exec(QStringLiteral("DELETE FROM likes")) && q.exec(QStringLiteral("DELETE FROM messages"))
                && q.exec(QStringLiteral("DELETE FROM message_text")) && q.exec(QStringLiteral("DELETE FROM message_pictures")))
                return true;
            m_lastError = q.lastError().text();
            return false;
        });
    }
    const QString id = QString::fromUtf8(conversation);
    return transaction([&] {
        q.prepare(QStringLiteral("DELETE FROM likes WHERE event_id IN (SELECT event_id FROM messages WHERE conversation = ?)"));
        q.addBindValue(id);
        if (q.exec()) {
            q.prepare(QStringLiteral("DELETE FROM messages WHERE conversation = ?"));
            q.addBindValue(id);
            if (q.exec()) {
                q.prepare(QStringLiteral("DELETE FROM message_text WHERE conversation = ?"));
                q.addBindValue(id);
                if (q.exec()) {
                    q.prepare(QStringLiteral("DELETE FROM message_pictures WHERE conversation = ?"));
                    q.addBindValue(id);
                    if (q.exec())
                        return true;
                }
            }
        }
        m_lastError = q.lastError().text();
        return false;
    });
}

bool MessageStore::setNetworkIds(qint64 eventId, const QByteArray &originId, const QByteArray &archiveId)
{
    const auto message = byEvent(eventId);
    if (!message)
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    // An id learnt later (the archive's, after the live copy) never wipes
    // one known already.
    q.prepare(QStringLiteral("INSERT INTO network_ids (event_id, conversation, origin_id, archive_id) VALUES (?, ?, ?, ?) "
                             "ON CONFLICT (event_id) DO UPDATE SET "
                             "origin_id = CASE WHEN excluded.origin_id = '' THEN origin_id ELSE excluded.origin_id END, "
                             "archive_id = CASE WHEN excluded.archive_id = '' THEN archive_id ELSE excluded.archive_id END"));
    q.addBindValue(eventId);
    q.addBindValue(textValue(message->conversation));
    q.addBindValue(textValue(originId));
    q.addBindValue(textValue(archiveId));
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        return false;
    }
    return true;
}

namespace {

qint64 firstEvent(QSqlQuery &q)
{
    return q.exec() && q.next() ? q.value(0).toLongLong() : 0;
}

QByteArray firstText(QSqlQuery &q)
{
    return q.exec() && q.next() ? q.value(0).toString().toUtf8() : QByteArray();
}

} // namespace

// Ids of removed messages may linger in network_ids; joining with messages
// keeps them from naming anything.
qint64 MessageStore::eventByOriginId(const QByteArray &conversation, const QByteArray &originId) const
{
    if (originId.isEmpty())
        return 0;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("SELECT n.event_id FROM network_ids n JOIN messages m ON m.event_id = n.event_id "
                             "WHERE n.conversation = ? AND n.origin_id = ? ORDER BY n.event_id LIMIT 1"));
    q.addBindValue(textValue(conversation));
    q.addBindValue(textValue(originId));
    return firstEvent(q);
}

qint64 MessageStore::eventByArchiveId(const QByteArray &archiveId) const
{
    if (archiveId.isEmpty())
        return 0;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("SELECT n.event_id FROM network_ids n JOIN messages m ON m.event_id = n.event_id "
                             "WHERE n.archive_id = ? LIMIT 1"));
    q.addBindValue(textValue(archiveId));
    return firstEvent(q);
}

QByteArray MessageStore::originIdOf(qint64 eventId) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("SELECT origin_id FROM network_ids WHERE event_id = ?"));
    q.addBindValue(eventId);
    return firstText(q);
}

QByteArray MessageStore::archiveIdOf(qint64 eventId) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("SELECT archive_id FROM network_ids WHERE event_id = ?"));
    q.addBindValue(eventId);
    return firstText(q);
}

QByteArray MessageStore::newestArchiveId(const QByteArray &conversation) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("SELECT n.archive_id FROM network_ids n JOIN messages m ON m.event_id = n.event_id "
                             "WHERE n.conversation = ? AND n.archive_id != '' ORDER BY n.event_id DESC LIMIT 1"));
    q.addBindValue(textValue(conversation));
    return firstText(q);
}

bool MessageStore::remove(qint64 eventId)
{
    if (!byEvent(eventId))
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    return transaction([&] {
        q.prepare(QStringLiteral("DELETE FROM likes WHERE event_id = ?"));
        q.addBindValue(eventId);
        if (q.exec()) {
            q.prepare(QStringLiteral("DELETE FROM messages WHERE event_id = ?"));
            q.addBindValue(eventId);
            if (q.exec())
                return unindex(eventId);
        }
        m_lastError = q.lastError().text();
        return false;
    });
}

namespace {

constexpr int CountBucketBits = 10; // as in the message_counts triggers

} // namespace

qint64 MessageStore::ordinal(const QByteArray &conversation, qint64 eventId, qint64 *total) const
{
    const qint64 bucket = std::max<qint64>(0, eventId) >> CountBucketBits;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT (SELECT coalesce(sum(count), 0) FROM message_counts WHERE conversation = ?"
                             " AND bucket < ?) + (SELECT count(*) FROM messages WHERE conversation = ?"
                             " AND event_id >= ? AND event_id < ?),"
                             " (SELECT coalesce(sum(count), 0) FROM message_counts WHERE conversation = ?)"));
    const QString id = QString::fromUtf8(conversation);
    for (const QVariant &value : {QVariant(id), QVariant(bucket), QVariant(id), QVariant(bucket << CountBucketBits),
                                  QVariant(eventId), QVariant(id)})
        q.addBindValue(value);
    if (!q.exec() || !q.next()) {
        m_lastError = q.lastError().text();
        qCWarning(lcStore) << "ordinal query failed:" << m_lastError;
        return -1;
    }
    if (total)
        *total = q.value(1).toLongLong();
    return q.value(0).toLongLong();
}

QVector<StoredMessage> MessageStore::pageAt(const QByteArray &conversation, qint64 ordinal, int limit) const
{
    const QString id = QString::fromUtf8(conversation);
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT bucket, count FROM message_counts WHERE conversation = ? AND count > 0"
                             " ORDER BY bucket"));
    q.addBindValue(id);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        return {};
    }
    qint64 before = 0;
    const qint64 wanted = std::max<qint64>(0, ordinal);
    while (q.next()) {
        const qint64 count = q.value(1).toLongLong();
        if (before + count > wanted) {
            return select(QStringLiteral("conversation = ? AND event_id >= ?"),
                          {id, q.value(0).toLongLong() << CountBucketBits}, QStringLiteral("event_id ASC"),
                          std::max(0, limit), wanted - before);
        }
        before += count;
    }
    return {};
}

int MessageStore::count(const QByteArray &conversation) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (conversation.isEmpty()) {
        q.exec(QStringLiteral("SELECT count(*) FROM messages"));
    } else {
        q.prepare(QStringLiteral("SELECT count(*) FROM messages WHERE conversation = ?"));
        q.addBindValue(QString::fromUtf8(conversation));
        q.exec();
    }
    return q.next() ? q.value(0).toInt() : 0;
}

qint64 MessageStore::lastEventId() const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.exec(QStringLiteral("SELECT max(event_id) FROM messages"));
    return q.next() ? q.value(0).toLongLong() : 0;
}

namespace {

bool updateOne(const QString &connection, const QString &sql, const QVariantList &values, QString *error)
{
    QSqlQuery q(QSqlDatabase::database(connection, false));
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        *error = q.lastError().text();
        return false;
    }
    return q.numRowsAffected() > 0;
}

} // namespace

bool MessageStore::setText(qint64 eventId, const QByteArray &body, bool edited)
{
    const auto message = byEvent(eventId);
    if (!message)
        return false;
    return updateOne(m_connection, QStringLiteral("UPDATE messages SET body = ?, edited = edited OR ? WHERE event_id = ?"),
                     {blobValue(body), int(edited), eventId}, &m_lastError)
           && (message->deleted || indexText(eventId, message->conversation, body));
}

bool MessageStore::markDeleted(qint64 eventId)
{
    // The text goes with the mark: a deleted message must not be readable
    // from the store, nor found by a search, any more.
    return updateOne(m_connection, QStringLiteral("UPDATE messages SET deleted = 1, body = X'' WHERE event_id = ?"),
                     {eventId}, &m_lastError)
           && unindex(eventId);
}

bool MessageStore::setLabels(qint64 eventId, const QByteArray &labels)
{
    return updateOne(m_connection, QStringLiteral("UPDATE messages SET labels = ? WHERE event_id = ?"),
                     {textValue(labels.simplified()), eventId}, &m_lastError);
}

bool MessageStore::setLiked(qint64 eventId, const QByteArray &userId, bool liked)
{
    if (!byEvent(eventId))
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(liked ? QStringLiteral("INSERT OR IGNORE INTO likes (event_id, user_id) VALUES (?, ?)")
                    : QStringLiteral("DELETE FROM likes WHERE event_id = ? AND user_id = ?"));
    q.addBindValue(eventId);
    q.addBindValue(QString::fromUtf8(userId));
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        return false;
    }
    return true;
}

bool MessageStore::transaction(const std::function<bool()> &work)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        m_lastError = db.lastError().text();
        return false;
    }
    if (!work()) {
        db.rollback();
        return false;
    }
    return db.commit();
}

} // namespace hostkit

// The scenario steps of broadcasts: the host's sending limits, peers that
// cannot receive or that read what they got, broadcasts arriving, the
// contacts the user picks or drops on the composer, and waiting for a
// sending thread. Documented in host/README.md.

#include "scenariorunner.h"

#include "host.h"
#include "network.h"
#include "widgetpath.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QWidget>

namespace hostkit {

namespace {

// A sending thread works between its pauses on real time.
constexpr qint64 kDefaultPatienceMs = 10000;
// After the last send: the thread's queued signals reach the windows.
constexpr qint64 kSettleMs = 100;

QByteArray findContact(Host &host, const QString &text, QString *error)
{
    const QByteArray id = text.toUtf8();
    if (host.profile().find(id))
        return id;
    for (const Contact &c : host.profile().contacts()) {
        if (c.displayName.compare(text, Qt::CaseInsensitive) == 0
            || QString::fromUtf8(c.userName).compare(text, Qt::CaseInsensitive) == 0)
            return c.id;
    }
    *error = QStringLiteral("no contact \"%1\"").arg(text);
    return QByteArray();
}

bool contactList(Host &host, const QStringList &names, QByteArrayList *ids, QString *error)
{
    for (const QString &name : names) {
        const QByteArray id = findContact(host, name, error);
        if (id.isEmpty())
            return false;
        ids->append(id);
    }
    return true;
}

// What a QListWidget of the contact list puts on a drag: per item its row,
// column and roles, the id in the user role.
QByteArray itemModelData(const QByteArrayList &ids)
{
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    for (int row = 0; row < ids.size(); ++row) {
        QMap<int, QVariant> roles;
        roles.insert(Qt::UserRole, ids.at(row));
        stream << row << 0 << roles;
    }
    return encoded;
}

void processFor(qint64 ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

void ScenarioRunner::registerBroadcastSteps()
{
    Host &host = m_host;
    auto yes = [](const QString &text) {
        return text == QLatin1String("yes") || text == QLatin1String("true") || text == QLatin1String("1");
    };

    addStep(QStringLiteral("broadcast-options"), 1, 1, {}, [&host](const Step &s, bool *) {
        host.setPluginOptions("broadcast", s.args.at(0).toUtf8());
        return QString();
    });
    addStep(QStringLiteral("broadcast-peer"), 1, 1, {QStringLiteral("receives"), QStringLiteral("seen")},
            [&host, yes](const Step &s, bool *) {
                QString error;
                const QByteArray id = findContact(host, s.args.at(0), &error);
                if (id.isEmpty())
                    return error;
                PeerBehaviour b = host.network().behaviour(id);
                if (s.options.contains(QStringLiteral("receives")))
                    b.receivesBroadcasts = yes(s.options.value(QStringLiteral("receives")));
                if (s.options.contains(QStringLiteral("seen"))) {
                    bool ok = false;
                    b.seenAfterMs = s.options.value(QStringLiteral("seen")).toLongLong(&ok);
                    if (!ok)
                        return QStringLiteral("seen is a number of milliseconds (negative: never)");
                }
                host.network().setBehaviour(id, b);
                return QString();
            });
    addStep(QStringLiteral("receive-broadcast"), 2, 2, {}, [&host](const Step &s, bool *) {
        QString error;
        const QByteArray from = findContact(host, s.args.at(0), &error);
        if (from.isEmpty())
            return error;
        if (!host.receiveBroadcast(from, s.args.at(1).toUtf8()))
            return QStringLiteral("the host stored nothing");
        QApplication::processEvents();
        return QString();
    });
    addStep(QStringLiteral("pick-contacts"), 0, -1, {}, [&host](const Step &s, bool *) {
        QString error;
        QByteArrayList ids;
        if (!contactList(host, s.args, &ids, &error))
            return error;
        host.setPickedContacts(ids);
        return QString();
    });
    addStep(QStringLiteral("drop-contacts"), 2, -1, {}, [&host](const Step &s, bool *) {
        QString error;
        QWidget *target = WidgetPath::find(s.args.at(0), &error);
        if (!target)
            return error;
        QByteArrayList ids;
        if (!contactList(host, s.args.mid(1), &ids, &error))
            return error;
        // An item view takes drops on its viewport.
        auto *area = qobject_cast<QAbstractScrollArea *>(target);
        QWidget *on = area ? area->viewport() : target;
        QMimeData data;
        data.setData(QStringLiteral("application/x-qabstractitemmodeldatalist"), itemModelData(ids));
        const QPoint pos = on->rect().center();
        QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &enter);
        if (!enter.isAccepted())
            return QStringLiteral("%1 does not take contacts").arg(s.args.at(0));
        QDragMoveEvent move(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &move);
        QDropEvent drop(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &drop);
        QApplication::processEvents();
        return QString();
    });
    addStep(QStringLiteral("wait-broadcasts"), 1, 1, {QStringLiteral("timeout")}, [&host](const Step &s, bool *failed) {
        bool ok = false;
        const int wanted = s.args.at(0).toInt(&ok);
        if (!ok || wanted < 0)
            return QStringLiteral("\"%1\" is not a count of broadcast messages").arg(s.args.at(0));
        const qint64 patience = s.options.value(QStringLiteral("timeout"), QString::number(kDefaultPatienceMs)).toLongLong();
        QElapsedTimer elapsed;
        elapsed.start();
        while (host.journal().count("sendBroadcast") < wanted) {
            if (elapsed.elapsed() > patience) {
                *failed = true;
                return QStringLiteral("%1 broadcast messages went out in %2 ms, not %3")
                    .arg(host.journal().count("sendBroadcast"))
                    .arg(patience)
                    .arg(wanted);
            }
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        processFor(kSettleMs);
        return QString();
    });
}

} // namespace hostkit

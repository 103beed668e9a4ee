#include "scenariorunner.h"

#include "desktoprecorder.h"
#include "host.h"
#include "messagestore.h"
#include "network.h"
#include "roomsservice.h"
#include "transfers.h"
#include "widgetpath.h"

#include "lib_kelvan/clock.h"

#include <sdk/iplugin.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDataStream>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cstdio>

// QtGui's own entry for delivering a key to shortcuts first, as a real key
// press from the window system would be (QTest uses the same).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString &text = QString(), bool autorep = false, ushort count = 1);

namespace hostkit {

namespace {

QString unescape(const QString &quoted, bool *ok)
{
    QString out;
    *ok = true;
    for (int i = 0; i < quoted.size(); ++i) {
        const QChar c = quoted.at(i);
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++i >= quoted.size()) {
            *ok = false;
            return out;
        }
        switch (quoted.at(i).unicode()) {
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        default: out += quoted.at(i); break;
        }
    }
    return out;
}

bool writeText(const QString &path, const QByteArray &text, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
        return false;
    }
    return true;
}

void sendKey(QWidget *target, int key, Qt::KeyboardModifiers mods, const QString &text)
{
    if (!qt_sendShortcutOverrideEvent(target, 0, key, mods, text)) {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(target, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &release);
}

int keyForChar(QChar c)
{
    const ushort u = c.toUpper().unicode();
    if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == ' ')
        return int(u);
    if (c == QLatin1Char('\n'))
        return Qt::Key_Return;
    return u < 0x80 ? int(u) : Qt::Key_unknown;
}

QString keyText(int key, Qt::KeyboardModifiers mods)
{
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QString();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    case Qt::Key_Space: return QStringLiteral(" ");
    default: break;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar c(key);
        return (mods & Qt::ShiftModifier) ? QString(c) : QString(c.toLower());
    }
    if (key >= 0x20 && key < 0x7f)
        return QString(QChar(key));
    return QString();
}

QWidget *focusTarget()
{
    if (QWidget *w = QApplication::focusWidget())
        return w;
    if (QWidget *w = QApplication::activeWindow())
        return w->focusWidget() ? w->focusWidget() : w;
    return nullptr;
}

QString buttonText(const QAbstractButton *b)
{
    QString t = b->text();
    t.remove(QLatin1Char('&'));
    return t.trimmed();
}

// A popup drawn where it stands over the window below it, on a canvas
// large enough for both.
QImage composeOver(QWidget *popup, QWidget *below)
{
    const QRect popupRect(popup->mapToGlobal(QPoint(0, 0)), popup->size());
    const QRect belowRect(below->mapToGlobal(QPoint(0, 0)), below->size());
    const QRect canvas = popupRect.united(belowRect);
    QImage image(canvas.size(), QImage::Format_ARGB32);
    image.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&image);
    painter.drawPixmap(belowRect.topLeft() - canvas.topLeft(), below->grab());
    painter.drawPixmap(popupRect.topLeft() - canvas.topLeft(), popup->grab());
    return image;
}

QString withoutMnemonics(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("&&"), QString(QChar(0xE000)));
    out.remove(QLatin1Char('&'));
    out.replace(QChar(0xE000), QLatin1Char('&'));
    return out;
}

int statusFromText(const QString &text, bool *ok)
{
    static const QHash<QString, int> names = {{QStringLiteral("offline"), 0}, {QStringLiteral("online"), 1},
                                              {QStringLiteral("away"), 2}, {QStringLiteral("busy"), 3}};
    *ok = true;
    if (names.contains(text.toLower()))
        return names.value(text.toLower());
    const int n = text.toInt(ok);
    *ok = *ok && n >= 0 && n <= 3;
    return n;
}

} // namespace

ScenarioRunner::ScenarioRunner(Host &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_modalWatch(new QTimer(this))
{
    m_base = QDir::currentPath();
    // What the plug-in would open on the desktop lands in the journal.
    m_desktop = new DesktopRecorder(host.journal(), this);
    m_modalWatch->setInterval(5);
    connect(m_modalWatch, &QTimer::timeout, this, &ScenarioRunner::checkModal);
    registerBuiltins();
    registerTransferSteps();
    registerPointerSteps();
    registerBroadcastSteps();
    registerRoomSteps();
    registerHistorySteps();
}

ScenarioRunner::~ScenarioRunner() = default;

void ScenarioRunner::addStep(const QString &name, int minArgs, int maxArgs, const QStringList &options, Handler handler)
{
    m_steps.insert(name, Definition{minArgs, maxArgs, options, std::move(handler)});
}

QString ScenarioRunner::resolve(const QString &file) const
{
    return QFileInfo(file).isAbsolute() ? file : QDir(m_base).filePath(file);
}

bool ScenarioRunner::tokenize(const QString &line, QStringList *args, QHash<QString, QString> *options, QString *error)
{
    int i = 0;
    const int n = line.size();
    while (i < n) {
        while (i < n && line.at(i).isSpace())
            ++i;
        if (i >= n)
            break;
        QString key;
        // name=value, where name is a plain word
        int j = i;
        while (j < n && (line.at(j).isLetterOrNumber() || line.at(j) == QLatin1Char('-') || line.at(j) == QLatin1Char('_')))
            ++j;
        if (j > i && j < n && line.at(j) == QLatin1Char('=')) {
            key = line.mid(i, j - i);
            i = j + 1;
        }
        QString value;
        if (i < n && line.at(i) == QLatin1Char('"')) {
            int k = i + 1;
            bool closed = false;
            while (k < n) {
                if (line.at(k) == QLatin1Char('\\')) {
                    k += 2;
                    continue;
                }
                if (line.at(k) == QLatin1Char('"')) {
                    closed = true;
                    break;
                }
                ++k;
            }
            if (!closed) {
                *error = QStringLiteral("unclosed quote");
                return false;
            }
            bool ok = false;
            value = unescape(line.mid(i + 1, k - i - 1), &ok);
            if (!ok) {
                *error = QStringLiteral("bad escape in quotes");
                return false;
            }
            i = k + 1;
        } else {
            const int start = i;
            while (i < n && !line.at(i).isSpace())
                ++i;
            value = line.mid(start, i - start);
        }
        if (key.isEmpty())
            args->append(value);
        else
            options->insert(key, value);
    }
    return true;
}

bool ScenarioRunner::load(const QString &text)
{
    m_script.clear();
    m_next = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Step step;
        step.line = i + 1;
        QStringList tokens;
        QString error;
        if (!tokenize(line, &tokens, &step.options, &error)) {
            m_exitCode = 2;
            m_message = QStringLiteral("line %1: %2").arg(step.line).arg(error);
            return false;
        }
        if (tokens.isEmpty()) {
            m_exitCode = 2;
            m_message = QStringLiteral("line %1: a step starts with its name").arg(step.line);
            return false;
        }
        step.name = tokens.takeFirst();
        step.args = tokens;
        const auto def = m_steps.constFind(step.name);
        if (def == m_steps.constEnd()) {
            m_exitCode = 2;
            m_message = QStringLiteral("line %1: unknown step \"%2\"").arg(step.line).arg(step.name);
            return false;
        }
        if (step.args.size() < def->minArgs || (def->maxArgs >= 0 && step.args.size() > def->maxArgs)) {
            m_exitCode = 2;
            const QString wanted = def->maxArgs < 0 ? QStringLiteral("at least %1").arg(def->minArgs)
                                   : def->minArgs == def->maxArgs ? QString::number(def->minArgs)
                                                                  : QStringLiteral("%1 to %2").arg(def->minArgs).arg(def->maxArgs);
            m_message = QStringLiteral("line %1: \"%2\" takes %3 arguments, not %4").arg(step.line).arg(step.name, wanted).arg(step.args.size());
            return false;
        }
        for (auto it = step.options.cbegin(); it != step.options.cend(); ++it) {
            if (!def->options.contains(it.key())) {
                m_exitCode = 2;
                m_message = QStringLiteral("line %1: \"%2\" has no option \"%3\"").arg(step.line).arg(step.name, it.key());
                return false;
            }
        }
        m_script.append(step);
    }
    return true;
}

bool ScenarioRunner::loadFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        m_exitCode = 2;
        m_message = QStringLiteral("cannot read the scenario %1: %2").arg(path, f.errorString());
        return false;
    }
    m_base = QFileInfo(path).absolutePath();
    return load(QString::fromUtf8(f.readAll()));
}

int ScenarioRunner::exec()
{
    m_exitCode = 0;
    m_message.clear();
    m_running = true;
    m_modalWatch->start();
    QEventLoop loop;
    connect(this, &ScenarioRunner::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(0, this, &ScenarioRunner::runNext);
    loop.exec();
    return m_exitCode;
}

void ScenarioRunner::finish(int code, const QString &message)
{
    if (!m_running)
        return;
    m_running = false;
    m_modalWatch->stop();
    m_exitCode = code;
    m_message = message;
    Q_EMIT finished(code, message);
}

void ScenarioRunner::runNext()
{
    if (!m_running)
        return;
    if (m_next >= m_script.size()) {
        finish(0, QStringLiteral("scenario done: %1 steps").arg(m_script.size()));
        return;
    }
    const Step step = m_script.at(m_next++);
    Q_EMIT stepStarted(step.line, step.name);
    QCoreApplication::sendPostedEvents();
    bool failed = false;
    const QString problem = m_steps.value(step.name).handler(step, &failed);
    if (!m_running)
        return; // a modal watch failure ended it meanwhile
    if (!problem.isEmpty()) {
        finish(failed ? 1 : 2, QStringLiteral("line %1: %2: %3").arg(step.line).arg(step.name, problem));
        return;
    }
    QTimer::singleShot(0, this, &ScenarioRunner::runNext);
}

void ScenarioRunner::checkModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    const QList<QAbstractButton *> buttons = modal->findChildren<QAbstractButton *>();
    QStringList names;
    for (QAbstractButton *b : buttons) {
        if (b->isVisible())
            names << buttonText(b);
    }
    if (m_answers.isEmpty()) {
        const QString what = modal->windowTitle();
        QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        modal->close();
        finish(2, QStringLiteral("line %1: a question box \"%2\" (buttons %3) appeared that no \"answer\" step expected")
                      .arg(m_next > 0 ? m_script.at(m_next - 1).line : 0)
                      .arg(what, names.join(QStringLiteral(", "))));
        return;
    }
    const QString wanted = m_answers.takeFirst();
    const QString shot = m_answerShots.isEmpty() ? QString() : m_answerShots.takeFirst();
    if (!shot.isEmpty()) {
        // The box drawn over the window it belongs to, as the user sees it.
        QWidget *owner = modal->parentWidget() ? modal->parentWidget()->window() : nullptr;
        QImage image = owner ? owner->grab().toImage().convertToFormat(QImage::Format_ARGB32) : modal->grab().toImage();
        if (owner) {
            QPainter painter(&image);
            const QPixmap box = modal->grab();
            painter.drawPixmap((image.width() - box.width()) / 2, (image.height() - box.height()) / 2, box);
        }
        QDir().mkpath(QFileInfo(shot).absolutePath());
        if (!image.save(shot, "PNG")) {
            modal->close();
            finish(2, QStringLiteral("cannot write %1").arg(shot));
            return;
        }
    }
    for (QAbstractButton *b : buttons) {
        if (b->isVisible() && buttonText(b).compare(wanted, Qt::CaseInsensitive) == 0) {
            b->click();
            return;
        }
    }
    modal->close();
    finish(2, QStringLiteral("the question box has no button \"%1\" (it has %2)").arg(wanted, names.join(QStringLiteral(", "))));
}

// A window path; "@1001" or "@Bea" also find a window by a contact's name.
QWidget *ScenarioRunner::contactWindow(const QString &path, QString *error) const
{
    QString p = path;
    if (p.startsWith(QLatin1Char('@'))) {
        const QString head = p.section(QLatin1Char('/'), 0, 0).mid(1);
        if (const Contact *c = m_host.profile().find(head.toUtf8()))
            p.replace(0, head.size() + 1, QLatin1Char('@') + c->displayName);
    }
    return WidgetPath::find(p, error);
}

// The window's history view, the visible one when it has several.
QTextBrowser *ScenarioRunner::historyViewIn(const QString &path, QString *error) const
{
    QWidget *w = contactWindow(path, error);
    if (!w)
        return nullptr;
    QTextBrowser *fallback = nullptr;
    for (QTextBrowser *b : w->findChildren<QTextBrowser *>()) {
        const QString name = b->objectName();
        if (name != QLatin1String("Receive") && name != QLatin1String("ReceiveConf") && name != QLatin1String("editReceive"))
            continue;
        if (b->isVisible())
            return b;
        if (!fallback)
            fallback = b;
    }
    if (!fallback)
        *error = QStringLiteral("%1 has no history view (Receive, ReceiveConf or editReceive)").arg(path);
    return fallback;
}

void ScenarioRunner::registerBuiltins()
{
    Host &host = m_host;
    auto contactId = [&host](const QString &text, QString *error) -> QByteArray {
        const QByteArray id = text.toUtf8();
        if (host.profile().find(id))
            return id;
        for (const Contact &c : host.profile().contacts()) {
            if (c.displayName.compare(text, Qt::CaseInsensitive) == 0 || QString::fromUtf8(c.userName).compare(text, Qt::CaseInsensitive) == 0)
                return c.id;
        }
        *error = QStringLiteral("no contact \"%1\"").arg(text);
        return QByteArray();
    };
    auto window = [this](const QString &path, QString *error) { return contactWindow(path, error); };
    auto historyView = [this](const QString &path, QString *error) { return historyViewIn(path, error); };
    auto target = [](const Step &s, QString *error) -> QWidget * {
        if (s.options.contains(QStringLiteral("target")))
            return WidgetPath::find(s.options.value(QStringLiteral("target")), error);
        QWidget *w = focusTarget();
        if (!w)
            *error = QStringLiteral("no widget has the keyboard focus; name one with target=PATH");
        return w;
    };
    auto number = [](const QString &text, qint64 *out, QString *error) {
        bool ok = false;
        *out = text.toLongLong(&ok);
        if (!ok)
            *error = QStringLiteral("\"%1\" is not a number").arg(text);
        return ok;
    };
    auto yes = [](const QString &text) {
        return text == QLatin1String("yes") || text == QLatin1String("true") || text == QLatin1String("1");
    };

    addStep(QStringLiteral("receive"), 2, 2, {QStringLiteral("session"), QStringLiteral("room"), QStringLiteral("repeat")},
            [=, &host](const Step &s, bool *) {
        QString error;
        const QByteArray from = contactId(s.args.at(0), &error);
        if (from.isEmpty())
            return error;
        QByteArray room;
        if (s.options.contains(QStringLiteral("room")) && (room = contactId(s.options.value(QStringLiteral("room")), &error)).isEmpty())
            return error;
        qint64 repeat = 1;
        if (s.options.contains(QStringLiteral("repeat"))
            && (!number(s.options.value(QStringLiteral("repeat")), &repeat, &error) || repeat < 1 || repeat > 10000000))
            return error.isEmpty() ? QStringLiteral("repeat must be 1 to 10000000") : error;
        const QByteArray body = s.args.at(1).toUtf8().repeated(int(repeat));
        if (!host.receiveMessage(from, body, s.options.value(QStringLiteral("session")).toUtf8(), room))
            return QStringLiteral("the host stored nothing (a command naming no message of this conversation?)");
        return QString();
    });
    addStep(QStringLiteral("control"), 2, 2, {QStringLiteral("session"), QStringLiteral("room"), QStringLiteral("plugin")},
            [=, &host](const Step &s, bool *) {
                QString error;
                const QByteArray from = contactId(s.args.at(0), &error);
                if (from.isEmpty())
                    return error;
                const QString what = s.args.at(1);
                static const QStringList commands = {QStringLiteral("WRITING"), QStringLiteral("NUDGE"),
                                                     QStringLiteral("NUDGE_DISABLED"), QStringLiteral("MESSAGE_SEEN")};
                const QByteArray text = commands.contains(what)
                    ? Network::controlRecord(what.toUtf8(), s.options.value(QStringLiteral("session")).toUtf8(),
                                             s.options.value(QStringLiteral("room")).toUtf8())
                    : what.toUtf8();
                host.deliverControl(from, text, s.options.value(QStringLiteral("plugin")).toUtf8());
                return QString();
            });
    addStep(QStringLiteral("event"), 1, 2, {QStringLiteral("plugin")}, [=, &host](const Step &s, bool *) {
        QString error;
        qint64 code = 0;
        if (!number(s.args.at(0), &code, &error))
            return error;
        const QByteArray plugin = s.options.value(QStringLiteral("plugin"), QStringLiteral("chat")).toUtf8();
        if (!host.findPlugin(plugin))
            return QStringLiteral("no plug-in \"%1\" is loaded").arg(QString::fromUtf8(plugin));
        host.deliverEvent(int(code), s.args.value(1).toUtf8(), plugin);
        return QString();
    });
    addStep(QStringLiteral("nudge"), 1, 1, {QStringLiteral("room")}, [=, &host](const Step &s, bool *) {
        QString error;
        const QByteArray from = contactId(s.args.at(0), &error);
        if (from.isEmpty())
            return error;
        const QByteArray room = s.options.value(QStringLiteral("room"), QStringLiteral("0")).toUtf8();
        host.deliverEvent(32, from + ',' + room + ",0");
        return QString();
    });
    addStep(QStringLiteral("open"), 1, 1, {}, [=, &host](const Step &s, bool *) {
        QString error;
        const QByteArray id = contactId(s.args.at(0), &error);
        if (id.isEmpty())
            return error;
        return host.openChat(id) ? QString() : QStringLiteral("no \"chat\" plug-in is loaded");
    });
    addStep(QStringLiteral("execute"), 2, -1, {QStringLiteral("action")}, [=, &host](const Step &s, bool *) {
        QString error;
        QByteArrayList ids;
        for (const QString &name : s.args.mid(1)) {
            const QByteArray id = contactId(name, &error);
            if (id.isEmpty())
                return error;
            ids << id;
        }
        qint64 action = 2;
        if (s.options.contains(QStringLiteral("action")) && !number(s.options.value(QStringLiteral("action")), &action, &error))
            return error;
        // Several contacts: the plug-in's action on the whole selection.
        const bool done = ids.size() == 1 ? host.execute(s.args.at(0).toUtf8(), ids.first(), int(action))
                                          : host.executeMulti(s.args.at(0).toUtf8(), ids, int(action));
        return done ? QString() : QStringLiteral("no plug-in \"%1\" is loaded that acts on several contacts").arg(s.args.at(0));
    });
    addStep(QStringLiteral("conversation"), 1, 1, {QStringLiteral("session")}, [=, &host](const Step &s, bool *) {
        QString error;
        const QByteArray id = contactId(s.args.at(0), &error);
        if (id.isEmpty())
            return error;
        return host.openConversation(id, s.options.value(QStringLiteral("session")).toUtf8()) ? QString()
                                                                                                : QStringLiteral("no \"chat\" plug-in is loaded");
    });
    addStep(QStringLiteral("settings"), 0, 0, {QStringLiteral("plugin")}, [&host](const Step &s, bool *) {
        const QString id = s.options.value(QStringLiteral("plugin"), QStringLiteral("chat"));
        IPlugin *plugin = host.findPlugin(id.toUtf8());
        if (!plugin)
            return QStringLiteral("no plug-in \"%1\" is loaded").arg(id);
        plugin->showSettings();
        return QString();
    });
    // What the user does to have new chats open in the tabbed window: tick
    // (or clear) the box in the chat plug-in's settings and press OK.
    addStep(QStringLiteral("tabbed"), 1, 1, {}, [&host](const Step &s, bool *) {
        const QString mode = s.args.at(0);
        if (mode != QLatin1String("on") && mode != QLatin1String("off"))
            return QStringLiteral("tabbed on or off, not %1").arg(mode);
        IPlugin *plugin = host.findPlugin("chat");
        if (!plugin)
            return QStringLiteral("no \"chat\" plug-in is loaded");
        plugin->showSettings();
        QApplication::processEvents();
        QString error;
        QWidget *dialog = WidgetPath::find(QStringLiteral("ChatSettings"), &error);
        auto *box = dialog ? dialog->findChild<QCheckBox *>(QStringLiteral("chbTabbedChat")) : nullptr;
        auto *ok = dialog ? dialog->findChild<QAbstractButton *>(QStringLiteral("btnOK")) : nullptr;
        if (!box || !ok)
            return dialog ? QStringLiteral("the chat settings have no chbTabbedChat or btnOK") : error;
        if (box->isChecked() != (mode == QLatin1String("on")))
            box->click();
        ok->click();
        QApplication::processEvents();
        return QString();
    });
    // The title bar's close button.
    addStep(QStringLiteral("close"), 1, 1, {}, [=](const Step &s, bool *) {
        QString error;
        QWidget *w = window(s.args.at(0), &error);
        if (!w)
            return error;
        w->window()->close();
        return QString();
    });
    addStep(QStringLiteral("type"), 1, 1, {QStringLiteral("target")}, [=](const Step &s, bool *) {
        QString error;
        QWidget *w = target(s, &error);
        if (!w)
            return error;
        for (const QChar c : s.args.at(0)) {
            const Qt::KeyboardModifiers mods = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
            sendKey(w, keyForChar(c), mods, c == QLatin1Char('\n') ? QStringLiteral("\r") : QString(c));
        }
        return QString();
    });
    addStep(QStringLiteral("key"), 1, -1, {QStringLiteral("target")}, [=](const Step &s, bool *) {
        QString error;
        QWidget *w = target(s, &error);
        if (!w)
            return error;
        for (const QString &text : s.args) {
            const QKeySequence seq(text, QKeySequence::PortableText);
            if (seq.isEmpty() || seq[0] == Qt::Key_unknown)
                return QStringLiteral("\"%1\" is not a key (write Return, Shift+Return, Escape, Ctrl+B, ...)").arg(text);
            const int key = seq[0] & ~int(Qt::KeyboardModifierMask);
            const auto mods = Qt::KeyboardModifiers(seq[0] & int(Qt::KeyboardModifierMask));
            QWidget *now = s.options.contains(QStringLiteral("target")) ? w : (focusTarget() ? focusTarget() : w);
            sendKey(now, key, mods, keyText(key, mods));
        }
        return QString();
    });
    addStep(QStringLiteral("click"), 1, 1, {}, [](const Step &s, bool *) {
        QString error;
        QWidget *w = WidgetPath::find(s.args.at(0), &error);
        if (!w)
            return error;
        if (!w->isEnabled())
            return QStringLiteral("%1 is disabled").arg(s.args.at(0));
        // A check box or radio button in a layout is wider than what takes
        // a click (its box and text): clicked as on its text.
        if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
            static_cast<QAbstractButton *>(w)->click();
            return QString();
        }
        const QPointF centre(w->width() / 2.0, w->height() / 2.0);
        QMouseEvent press(QEvent::MouseButtonPress, centre, w->mapToGlobal(centre.toPoint()), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, w->mapToGlobal(centre.toPoint()), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
        return QString();
    });
    addStep(QStringLiteral("answer"), 1, 1, {QStringLiteral("shot")}, [this](const Step &s, bool *) {
        m_answers.append(s.args.at(0));
        m_answerShots.append(s.options.contains(QStringLiteral("shot")) ? resolve(s.options.value(QStringLiteral("shot"))) : QString());
        return QString();
    });
    addStep(QStringLiteral("presence"), 2, 3, {}, [=, &host](const Step &s, bool *) {
        QString error;
        const QByteArray id = contactId(s.args.at(0), &error);
        if (id.isEmpty())
            return error;
        bool ok = false;
        const int status = statusFromText(s.args.at(1), &ok);
        if (!ok)
            return QStringLiteral("\"%1\" is not a status (offline, online, away, busy)").arg(s.args.at(1));
        host.setPresence(id, status, s.args.value(2));
        return QString();
    });
    addStep(QStringLiteral("peer"), 1, 1,
            {QStringLiteral("reply"), QStringLiteral("typing"), QStringLiteral("after"), QStringLiteral("refuse-nudges"), QStringLiteral("nudge-back")},
            [=, &host](const Step &s, bool *) {
                QString error;
                const QByteArray id = contactId(s.args.at(0), &error);
                if (id.isEmpty())
                    return error;
                PeerBehaviour b = host.network().behaviour(id);
                if (s.options.contains(QStringLiteral("reply")))
                    b.reply = s.options.value(QStringLiteral("reply"));
                if (s.options.contains(QStringLiteral("typing")) && !number(s.options.value(QStringLiteral("typing")), &b.typingAfterMs, &error))
                    return error;
                if (s.options.contains(QStringLiteral("after")) && !number(s.options.value(QStringLiteral("after")), &b.replyAfterMs, &error))
                    return error;
                if (s.options.contains(QStringLiteral("refuse-nudges")))
                    b.refusesNudges = yes(s.options.value(QStringLiteral("refuse-nudges")));
                if (s.options.contains(QStringLiteral("nudge-back")))
                    b.nudgesBack = yes(s.options.value(QStringLiteral("nudge-back")));
                host.network().setBehaviour(id, b);
                return QString();
            });
    auto offer = [=, &host](const Step &s, bool picture) {
        QString error;
        const QByteArray from = contactId(s.args.at(0), &error);
        if (from.isEmpty())
            return error;
        QFile f(resolve(s.args.at(1)));
        if (!f.open(QIODevice::ReadOnly))
            return QStringLiteral("cannot read %1: %2").arg(f.fileName(), f.errorString());
        const QString name = QFileInfo(f.fileName()).fileName();
        const QByteArray content = f.readAll();
        const QByteArray address = host.transfers().publish(content, name, picture);
        QByteArray body;
        if (picture) {
            body = "[pic src=\"" + address + "\"]";
        } else {
            QString escaped = name;
            escaped.replace(QLatin1String("%"), QLatin1String("%37")).replace(QLatin1String("["), QLatin1String("%91")).replace(QLatin1String("]"), QLatin1String("%93"));
            body = "[file url=\"" + address + "\" name=\"" + escaped.toUtf8() + "\" size=\"" + QByteArray::number(content.size())
                + "\" mime=\"" + QMimeDatabase().mimeTypeForFile(f.fileName()).name().toUtf8() + "\"]";
        }
        host.receiveMessage(from, body, s.options.value(QStringLiteral("session")).toUtf8());
        return QString();
    };
    addStep(QStringLiteral("offer-file"), 2, 2, {QStringLiteral("session")}, [offer](const Step &s, bool *) { return offer(s, false); });
    addStep(QStringLiteral("offer-picture"), 2, 2, {QStringLiteral("session")}, [offer](const Step &s, bool *) { return offer(s, true); });
    addStep(QStringLiteral("wait"), 1, 1, {}, [=, &host](const Step &s, bool *) {
        QString error;
        qint64 ms = 0;
        if (!number(s.args.at(0), &ms, &error) || ms < 0)
            return error.isEmpty() ? QStringLiteral("a wait cannot go back in time") : error;
        host.advance(ms);
        return QString();
    });
    // A jump of the simulated wall time, as when the machine's time is set:
    // the tick stays, so no interval passes and no timer falls due.
    addStep(QStringLiteral("clock"), 1, 1, {}, [](const Step &s, bool *) {
        auto *manual = dynamic_cast<kelvan::ManualClock *>(&kelvan::Clock::instance());
        if (!manual)
            return QStringLiteral("the host runs on the machine's clock");
        const QDateTime at = QDateTime::fromString(s.args.at(0), Qt::ISODate);
        if (!at.isValid())
            return QStringLiteral("\"%1\" is not an ISO 8601 time").arg(s.args.at(0));
        manual->setNow(at);
        QApplication::processEvents();
        return QString();
    });
    // The plug-in's timers that still run on the real clock (the spelling
    // check after typing) need real time: let that much pass.
    addStep(QStringLiteral("pause"), 1, 1, {}, [=](const Step &s, bool *) {
        QString error;
        qint64 ms = 0;
        if (!number(s.args.at(0), &ms, &error) || ms < 0 || ms > 60000)
            return error.isEmpty() ? QStringLiteral("a pause is 0 to 60000 ms") : error;
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        return QString();
    });
    // What comes over a real network arrives in real time: an expectation
    // is tried again, with events processed, until it holds or the time is up.
    // The host's clock moves along with the real time waited, so that what
    // arrives meanwhile is not older than what the server stamped.
    addStep(QStringLiteral("await"), 1, -1,
            {QStringLiteral("timeout"), QStringLiteral("count"), QStringLiteral("service"), QStringLiteral("contains")},
            [this, number, &host](const Step &s, bool *failed) {
        const auto def = m_steps.constFind(s.args.at(0));
        if (!s.args.at(0).startsWith(QLatin1String("expect-")) || def == m_steps.constEnd())
            return QStringLiteral("await takes an expect-... step");
        Step inner = s;
        inner.name = s.args.at(0);
        inner.args = s.args.mid(1);
        inner.options.remove(QStringLiteral("timeout"));
        if (inner.args.size() < def->minArgs || (def->maxArgs >= 0 && inner.args.size() > def->maxArgs))
            return QStringLiteral("wrong number of arguments for %1").arg(inner.name);
        for (auto it = inner.options.cbegin(); it != inner.options.cend(); ++it) {
            if (!def->options.contains(it.key()))
                return QStringLiteral("%1 has no option \"%2\"").arg(inner.name, it.key());
        }
        QString error;
        qint64 timeout = 20000;
        if (s.options.contains(QStringLiteral("timeout"))
            && (!number(s.options.value(QStringLiteral("timeout")), &timeout, &error) || timeout < 0 || timeout > 120000))
            return error.isEmpty() ? QStringLiteral("an await timeout is 0 to 120000 ms") : error;
        QElapsedTimer elapsed;
        elapsed.start();
        qint64 advanced = 0;
        for (;;) {
            host.advance(elapsed.elapsed() - advanced);
            advanced = elapsed.elapsed();
            bool notYet = false;
            const QString problem = def->handler(inner, &notYet);
            if (problem.isEmpty() || !notYet)
                return problem;
            if (elapsed.elapsed() > timeout) {
                *failed = true;
                return QStringLiteral("%1 (waited %2 ms)").arg(problem).arg(timeout);
            }
            QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
        }
    });
    addStep(QStringLiteral("language"), 1, 1, {}, [&host](const Step &s, bool *) {
        host.setInterfaceLanguage(s.args.at(0).toUtf8());
        return QString();
    });
    addStep(QStringLiteral("history"), 2, 2, {}, [=](const Step &s, bool *) {
        QString error;
        QTextBrowser *view = historyView(s.args.at(0), &error);
        if (!view)
            return error;
        writeText(resolve(s.args.at(1)), view->toHtml().toUtf8(), &error);
        return error;
    });
    addStep(QStringLiteral("journal"), 1, 1, {}, [=, &host](const Step &s, bool *) {
        QString error;
        writeText(resolve(s.args.at(0)), host.journal().toJsonLines(), &error);
        return error;
    });
    addStep(QStringLiteral("shot"), 2, 2, {QStringLiteral("over")}, [=](const Step &s, bool *) {
        QString error;
        QWidget *w = window(s.args.at(0), &error);
        if (!w)
            return error;
        const QString file = resolve(s.args.at(1));
        QDir().mkpath(QFileInfo(file).absolutePath());
        QImage image = w->grab().toImage();
        if (s.options.contains(QStringLiteral("over"))) {
            QWidget *below = window(s.options.value(QStringLiteral("over")), &error);
            if (!below)
                return error;
            image = composeOver(w, below);
        }
        return image.save(file, "PNG") ? QString() : QStringLiteral("cannot write %1").arg(file);
    });
    addStep(QStringLiteral("windows"), 0, 1, {}, [=](const Step &s, bool *) {
        const QString tree = WidgetPath::describeAll();
        if (s.args.isEmpty()) {
            std::fputs(tree.toLocal8Bit().constData(), stdout);
            std::fflush(stdout);
            return QString();
        }
        QString error;
        writeText(resolve(s.args.at(0)), tree.toUtf8(), &error);
        return error;
    });
    addStep(QStringLiteral("echo"), 0, -1, {}, [](const Step &s, bool *) {
        std::printf("%s\n", s.args.join(QLatin1Char(' ')).toLocal8Bit().constData());
        std::fflush(stdout);
        return QString();
    });
    addStep(QStringLiteral("expect-call"), 1, 1, {QStringLiteral("count"), QStringLiteral("service"), QStringLiteral("contains")},
            [=, &host](const Step &s, bool *failed) {
                QString error;
                const QByteArray op = s.args.at(0).toUtf8();
                const QByteArray service = s.options.value(QStringLiteral("service")).toUtf8();
                const QString contains = s.options.value(QStringLiteral("contains"));
                int n = 0;
                for (const auto &e : host.journal().calls(op)) {
                    if (!service.isEmpty() && e.service != service)
                        continue;
                    const QString args = QString::fromUtf8(QJsonDocument(e.arguments).toJson(QJsonDocument::Compact));
                    if (contains.isEmpty() || args.contains(contains))
                        ++n;
                }
                qint64 wanted = -1;
                if (s.options.contains(QStringLiteral("count")) && !number(s.options.value(QStringLiteral("count")), &wanted, &error))
                    return error;
                if ((wanted < 0 && n == 0) || (wanted >= 0 && n != wanted)) {
                    *failed = true;
                    return QStringLiteral("%1 matching calls of %2, expected %3")
                        .arg(n).arg(s.args.at(0), wanted < 0 ? QStringLiteral("at least one") : QString::number(wanted));
                }
                return QString();
            });
    addStep(QStringLiteral("expect-stored"), 2, 2, {}, [=, &host](const Step &s, bool *failed) {
        QString error;
        const QByteArray id = contactId(s.args.at(0), &error);
        if (id.isEmpty())
            return error;
        for (const StoredMessage &m : host.store().newest(id, 1000)) {
            if (QString::fromUtf8(m.body).contains(s.args.at(1)))
                return QString();
        }
        *failed = true;
        return QStringLiteral("no stored message of %1 contains \"%2\"").arg(s.args.at(0), s.args.at(1));
    });
    addStep(QStringLiteral("expect-window"), 1, 1, {}, [=](const Step &s, bool *failed) {
        QString error;
        if (window(s.args.at(0), &error))
            return QString();
        *failed = true;
        return error;
    });
    addStep(QStringLiteral("expect-no-window"), 1, 1, {}, [=](const Step &s, bool *failed) {
        QString error;
        if (!window(s.args.at(0), &error))
            return QString();
        *failed = true;
        return QStringLiteral("%1 is still open").arg(s.args.at(0));
    });
    addStep(QStringLiteral("expect-status"), 2, 2, {}, [=](const Step &s, bool *failed) {
        QString error;
        QWidget *w = window(s.args.at(0), &error);
        if (!w) {
            *failed = true;
            return error;
        }
        const QList<QStatusBar *> bars = w->findChildren<QStatusBar *>();
        if (bars.isEmpty()) {
            *failed = true;
            return QStringLiteral("%1 has no status bar").arg(s.args.at(0));
        }
        const QString wanted = s.args.at(1);
        const QString shown = bars.first()->currentMessage();
        // An empty text expects an empty status bar.
        if (wanted.isEmpty() ? shown.isEmpty() : shown.contains(wanted))
            return QString();
        *failed = true;
        return QStringLiteral("the status bar of %1 shows \"%2\", expected \"%3\"").arg(s.args.at(0), shown, wanted);
    });
    addStep(QStringLiteral("expect-history"), 2, 2, {}, [=](const Step &s, bool *failed) {
        QString error;
        QTextBrowser *view = historyView(s.args.at(0), &error);
        if (!view) {
            *failed = true;
            return error;
        }
        if (view->toHtml().contains(s.args.at(1)) || view->toPlainText().contains(s.args.at(1)))
            return QString();
        *failed = true;
        return QStringLiteral("the history of %1 does not contain \"%2\"").arg(s.args.at(0), s.args.at(1));
    });
    addStep(QStringLiteral("scroll"), 2, 2, {}, [=](const Step &s, bool *) {
        QString error;
        QTextBrowser *view = historyView(s.args.at(0), &error);
        if (!view)
            return error;
        QScrollBar *bar = view->verticalScrollBar();
        const QString where = s.args.at(1);
        if (where == QLatin1String("top"))
            bar->triggerAction(QAbstractSlider::SliderToMinimum);
        else if (where == QLatin1String("bottom"))
            bar->triggerAction(QAbstractSlider::SliderToMaximum);
        else if (where == QLatin1String("middle"))
            bar->setValue((bar->minimum() + bar->maximum()) / 2);
        else
            return QStringLiteral("scroll to top, middle or bottom, not %1").arg(where);
        QApplication::processEvents();
        return QString();
    });
    // A click on the history where TEXT shows (its last occurrence): on a
    // link it follows the link, with the right button it asks for the
    // menu there (the message menu of the message under it).
    addStep(QStringLiteral("click-text"), 2, 2, {QStringLiteral("button")}, [=](const Step &s, bool *) {
        QString error;
        QTextBrowser *view = historyView(s.args.at(0), &error);
        if (!view)
            return error;
        const QString button = s.options.value(QStringLiteral("button"), QStringLiteral("left"));
        if (button != QLatin1String("left") && button != QLatin1String("right"))
            return QStringLiteral("button=left or button=right, not %1").arg(button);
        const QTextCursor found = view->document()->find(s.args.at(1), view->document()->characterCount(),
                                                         QTextDocument::FindBackward);
        if (found.isNull())
            return QStringLiteral("the history of %1 does not show \"%2\"").arg(s.args.at(0), s.args.at(1));
        QTextCursor at(view->document());
        at.setPosition(found.selectionStart() + 1);
        view->setTextCursor(at);
        view->ensureCursorVisible();
        QApplication::processEvents();
        const QPoint point = view->cursorRect(at).center() - QPoint(2, 0);
        QWidget *viewport = view->viewport();
        const QPoint global = viewport->mapToGlobal(point);
        if (button == QLatin1String("right")) {
            QCursor::setPos(global);
            QContextMenuEvent menu(QContextMenuEvent::Mouse, point, global);
            QApplication::sendEvent(viewport, &menu);
            return QString();
        }
        QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &release);
        return QString();
    });
    for (const bool visible : {true, false}) {
        addStep(visible ? QStringLiteral("expect-visible") : QStringLiteral("expect-hidden"), 1, 1, {},
                [visible](const Step &s, bool *failed) {
                    QString error;
                    QWidget *w = WidgetPath::find(s.args.at(0), &error);
                    if (!w && visible) {
                        *failed = true;
                        return error;
                    }
                    if ((w && w->isVisible()) == visible)
                        return QString();
                    *failed = true;
                    return QStringLiteral("%1 is %2").arg(s.args.at(0), visible ? QStringLiteral("hidden")
                                                                                : QStringLiteral("visible"));
                });
    }
    addStep(QStringLiteral("expect-popup"), 1, 1, {}, [&host](const Step &s, bool *failed) {
        for (const Host::Popup &p : host.popups()) {
            if (p.text.contains(s.args.at(0)) || p.title.contains(s.args.at(0)))
                return QString();
        }
        *failed = true;
        return QStringLiteral("no popup shows \"%1\"").arg(s.args.at(0));
    });
    // Tool bar actions, popup menus, current items and enabled states: what
    // the settings, quick-text and emoticon steps of a scenario need.
    addStep(QStringLiteral("action"), 2, 2, {}, [=](const Step &s, bool *) {
        QString error;
        QWidget *w = window(s.args.at(0), &error);
        if (!w)
            return error;
        const QString wanted = s.args.at(1);
        // A window holding pages (the tabbed window) has one such action per
        // page: the one on a visible tool bar is meant.
        QList<QAction *> actions = w->findChildren<QAction *>();
        std::stable_sort(actions.begin(), actions.end(), [w](const QAction *a, const QAction *b) {
            const auto shown = [w](const QAction *action) {
                for (QWidget *button : action->associatedWidgets()) {
                    if (button != w && button->isVisible())
                        return true;
                }
                return false;
            };
            return shown(a) && !shown(b);
        });
        for (QAction *action : qAsConst(actions)) {
            if (withoutMnemonics(action->text()) != wanted && action->objectName() != wanted)
                continue;
            if (!action->isEnabled())
                return QStringLiteral("the action \"%1\" is disabled").arg(wanted);
            // Popups open at the mouse cursor: it stands on the action's
            // button, as after a real click.
            for (QWidget *button : action->associatedWidgets()) {
                if (button != w && button->isVisible() && !qobject_cast<QMenu *>(button)) {
                    QCursor::setPos(button->mapToGlobal(button->rect().center()));
                    break;
                }
            }
            action->trigger();
            return QString();
        }
        return QStringLiteral("%1 has no action \"%2\"").arg(s.args.at(0), wanted);
    });
    addStep(QStringLiteral("menu"), 1, 1, {}, [](const Step &s, bool *) {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return QStringLiteral("no menu is open");
        QStringList entries;
        for (QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QString text = withoutMnemonics(action->text());
            // A label shortened with an ellipsis matches the whole text.
            const bool elided = text.endsWith(QChar(0x2026)) && s.args.at(0).startsWith(text.chopped(1));
            if (text == s.args.at(0) || elided) {
                // A submenu opens beside its entry, as when pointed at.
                if (QMenu *sub = action->menu()) {
                    menu->setActiveAction(action);
                    sub->popup(menu->mapToGlobal(menu->actionGeometry(action).topRight()));
                    return QString();
                }
                // A chosen entry closes the whole chain of menus, and the
                // window below is active again.
                // The entry may close (and delete) that window.
                QPointer<QWidget> owner = menu->parentWidget() ? menu->parentWidget()->window() : nullptr;
                menu->hide();
                while (auto *open = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                    if (!owner && open->parentWidget())
                        owner = open->parentWidget()->window();
                    open->hide();
                }
                action->trigger();
                QApplication::processEvents();
                if (owner && owner->isVisible() && !QApplication::activeWindow())
                    QApplication::setActiveWindow(owner);
                return QString();
            }
            entries << text;
        }
        return QStringLiteral("the menu has no entry \"%1\" (it has %2)").arg(s.args.at(0), entries.join(QStringLiteral(", ")));
    });
    addStep(QStringLiteral("select"), 2, 2, {}, [](const Step &s, bool *) {
        QString error;
        QWidget *w = WidgetPath::find(s.args.at(0), &error);
        if (!w)
            return error;
        // Choosing with the mouse brings the window to the front first.
        if (!w->window()->isActiveWindow()) {
            w->window()->activateWindow();
            QApplication::processEvents();
        }
        const QString wanted = s.args.at(1);
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (withoutMnemonics(tabs->tabText(i)) == wanted) {
                    tabs->setCurrentIndex(i);
                    return QString();
                }
            }
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            const int i = combo->findText(wanted);
            if (i >= 0) {
                combo->setCurrentIndex(i);
                return QString();
            }
        } else if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
            const QModelIndexList found = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, wanted, 1,
                                                               Qt::MatchExactly);
            if (!found.isEmpty()) {
                view->setCurrentIndex(found.first());
                return QString();
            }
        } else {
            return QStringLiteral("%1 is no tab widget, combo box or list").arg(s.args.at(0));
        }
        return QStringLiteral("%1 has no entry \"%2\"").arg(s.args.at(0), wanted);
    });
    addStep(QStringLiteral("expect-enabled"), 2, 2, {}, [=](const Step &s, bool *failed) {
        QString error;
        QWidget *w = WidgetPath::find(s.args.at(0), &error);
        if (!w) {
            *failed = true;
            return error;
        }
        if (w->isEnabled() == yes(s.args.at(1)))
            return QString();
        *failed = true;
        return QStringLiteral("%1 is %2").arg(s.args.at(0), w->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
    });
    addStep(QStringLiteral("expect-sound"), 1, 1, {}, [&host](const Step &s, bool *failed) {
        for (const Host::Sound &sound : host.sounds()) {
            if (sound.path.contains(s.args.at(0)))
                return QString();
        }
        *failed = true;
        return QStringLiteral("no sound \"%1\" was played").arg(s.args.at(0));
    });
}

// ---- pictures and files: the clipboard, drags, the host's transfer options ----

namespace {

// The widget a drag at `pos` of `widget` is offered to, as the window
// system's drag handling picks it: the nearest that accepts drops.
QWidget *dropSite(QWidget *widget, QPoint *pos)
{
    while (widget && !widget->acceptDrops() && !widget->isWindow()) {
        *pos = widget->mapToParent(*pos);
        widget = widget->parentWidget();
    }
    return widget && widget->acceptDrops() ? widget : nullptr;
}

} // namespace

void ScenarioRunner::registerTransferSteps()
{
    Host &host = m_host;
    auto files = [this](const QStringList &names, QList<QUrl> *urls) {
        for (const QString &name : names) {
            const QString path = resolve(name);
            if (!QFileInfo::exists(path))
                return QStringLiteral("there is no file or folder %1").arg(path);
            *urls << QUrl::fromLocalFile(path);
        }
        return QString();
    };
    auto historyViewport = [](const QString &path, QString *error) -> QWidget * {
        QWidget *w = WidgetPath::find(path, error);
        if (!w)
            return nullptr;
        for (QTextBrowser *view : w->findChildren<QTextBrowser *>()) {
            if (view->isVisible() && view->objectName() != QLatin1String("FullText"))
                return view->viewport();
        }
        *error = QStringLiteral("%1 has no history view").arg(path);
        return nullptr;
    };

    addStep(QStringLiteral("paste"), 1, -1, {QStringLiteral("image"), QStringLiteral("target")}, [=](const Step &s, bool *) {
        QString error;
        QWidget *w = s.options.contains(QStringLiteral("target"))
                         ? WidgetPath::find(s.options.value(QStringLiteral("target")), &error)
                         : focusTarget();
        if (!w)
            return error.isEmpty() ? QStringLiteral("no widget has the keyboard focus; name one with target=PATH") : error;
        auto data = std::make_unique<QMimeData>();
        const QString image = s.options.value(QStringLiteral("image"));
        if (image == QLatin1String("yes")) {
            if (s.args.size() != 1)
                return QStringLiteral("image=yes pastes one picture");
            const QImage picture(resolve(s.args.at(0)));
            if (picture.isNull())
                return QStringLiteral("%1 is no picture").arg(resolve(s.args.at(0)));
            data->setImageData(picture);
        } else {
            QList<QUrl> urls;
            error = files(s.args, &urls);
            if (!error.isEmpty())
                return error;
            data->setUrls(urls);
        }
        QApplication::clipboard()->setMimeData(data.release());
        sendKey(w, Qt::Key_V, Qt::ControlModifier, QString());
        QApplication::processEvents();
        return QString();
    });
    addStep(QStringLiteral("drag"), 2, -1, {}, [=](const Step &s, bool *) {
        QString error;
        QWidget *viewport = historyViewport(s.args.at(0), &error);
        if (!viewport)
            return error;
        QList<QUrl> urls;
        error = files(s.args.mid(1), &urls);
        if (!error.isEmpty())
            return error;
        m_drag = std::make_unique<QMimeData>();
        m_drag->setUrls(urls);
        QDragEnterEvent enter(viewport->rect().center(), Qt::CopyAction, m_drag.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QApplication::processEvents();
        if (!enter.isAccepted()) {
            m_drag.reset();
            return QStringLiteral("%1 does not take the drag").arg(s.args.at(0));
        }
        return QString();
    });
    addStep(QStringLiteral("drop"), 2, 2, {}, [=](const Step &s, bool *) {
        if (!m_drag)
            return QStringLiteral("no drag is in progress (start one with drag)");
        QString error;
        QWidget *w = WidgetPath::find(s.args.at(0), &error);
        if (!w)
            return error;
        const QString where = s.args.at(1);
        QWidget *on = nullptr;
        QPoint pos;
        if (where == QLatin1String("leave")) {
            QWidget *viewport = historyViewport(s.args.at(0), &error);
            if (!viewport)
                return error;
            // Whatever covers the history takes the drag while it is there.
            QWidget *top = w->window()->childAt(viewport->mapTo(w->window(), viewport->rect().center()));
            pos = top ? top->mapFrom(w->window(), viewport->mapTo(w->window(), viewport->rect().center())) : QPoint();
            on = top ? dropSite(top, &pos) : viewport;
            QDragLeaveEvent leave;
            QApplication::sendEvent(on ? on : viewport, &leave);
        } else {
            for (QWidget *candidate : w->findChildren<QWidget *>(where)) {
                if (candidate->isVisible()) {
                    on = candidate;
                    break;
                }
            }
            if (!on)
                return QStringLiteral("%1 shows no drop target \"%2\"").arg(s.args.at(0), where);
            pos = on->rect().center();
            on = dropSite(on, &pos);
            if (!on)
                return QStringLiteral("nothing under \"%1\" takes drops").arg(where);
            QDragEnterEvent enter(pos, Qt::CopyAction, m_drag.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(on, &enter);
            QDragMoveEvent move(pos, Qt::CopyAction, m_drag.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(on, &move);
            QDropEvent drop(pos, Qt::CopyAction, m_drag.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(on, &drop);
        }
        m_drag.reset();
        QApplication::processEvents();
        return QString();
    });
    addStep(QStringLiteral("direct-transfer"), 1, 1, {}, [&host](const Step &s, bool *) {
        const QString state = s.args.at(0);
        if (state == QLatin1String("absent"))
            host.setDirectTransfer(Host::DirectTransfer::Absent);
        else if (state == QLatin1String("enabled"))
            host.setDirectTransfer(Host::DirectTransfer::Enabled);
        else if (state == QLatin1String("disabled"))
            host.setDirectTransfer(Host::DirectTransfer::Disabled);
        else
            return QStringLiteral("direct-transfer is absent, enabled or disabled, not %1").arg(state);
        return QString();
    });
    addStep(QStringLiteral("cloud-delivery"), 1, 1, {}, [&host](const Step &s, bool *) {
        const QString answer = s.args.at(0);
        if (answer != QLatin1String("yes") && answer != QLatin1String("no"))
            return QStringLiteral("cloud-delivery is yes or no, not %1").arg(answer);
        host.setCloudDelivery(answer == QLatin1String("yes"));
        return QString();
    });
}

void ScenarioRunner::registerRoomSteps()
{
    Host &host = m_host;
    auto contactIds = [&host](const QStringList &names, QByteArrayList *ids) {
        for (const QString &name : names) {
            QByteArray id = host.profile().find(name.toUtf8()) ? name.toUtf8() : QByteArray();
            for (const Contact &c : host.profile().contacts()) {
                if (id.isEmpty() && (c.displayName.compare(name, Qt::CaseInsensitive) == 0
                                     || QString::fromUtf8(c.userName).compare(name, Qt::CaseInsensitive) == 0))
                    id = c.id;
            }
            if (id.isEmpty())
                return QStringLiteral("no contact \"%1\"").arg(name);
            *ids << id;
        }
        return QString();
    };
    auto room = [&host, contactIds](const QString &name, QByteArray *id) {
        QByteArrayList ids;
        const QString error = contactIds({name}, &ids);
        if (!error.isEmpty())
            return error;
        const Contact *c = host.profile().find(ids.first());
        if (!c->isRoom())
            return QStringLiteral("\"%1\" is no room").arg(name);
        *id = ids.first();
        return QString();
    };
    addStep(QStringLiteral("room-join"), 2, 2, {}, [=, &host](const Step &s, bool *) {
        QByteArray roomId;
        QByteArrayList ids;
        QString error = room(s.args.at(0), &roomId);
        if (error.isEmpty())
            error = contactIds({s.args.at(1)}, &ids);
        if (!error.isEmpty())
            return error;
        return host.rooms().memberJoins(roomId, ids.first()) ? QString() : QStringLiteral("%1 is in the room already").arg(s.args.at(1));
    });
    addStep(QStringLiteral("room-leave"), 2, -1, {}, [=, &host](const Step &s, bool *) {
        QByteArray roomId;
        QByteArrayList ids;
        QString error = room(s.args.at(0), &roomId);
        if (error.isEmpty())
            error = contactIds(s.args.mid(1), &ids);
        if (!error.isEmpty())
            return error;
        return host.rooms().membersLeave(roomId, ids) ? QString() : QStringLiteral("none of them is in the room");
    });
    addStep(QStringLiteral("room-rename"), 2, 2, {}, [=, &host](const Step &s, bool *) {
        QByteArray roomId;
        const QString error = room(s.args.at(0), &roomId);
        if (error.isEmpty())
            host.rooms().rename(roomId, s.args.at(1));
        return error;
    });
    addStep(QStringLiteral("room-open"), 1, 1, {}, [=, &host](const Step &s, bool *) {
        QByteArray roomId;
        const QString error = room(s.args.at(0), &roomId);
        if (!error.isEmpty())
            return error;
        return host.rooms().openForUser(roomId) ? QString() : QStringLiteral("no rooms listener is registered");
    });
    addStep(QStringLiteral("history-plugin"), 1, 1, {}, [&host](const Step &s, bool *) {
        const QString answer = s.args.at(0);
        if (answer != QLatin1String("yes") && answer != QLatin1String("no"))
            return QStringLiteral("history-plugin is yes or no, not %1").arg(answer);
        host.setHistoryPlugin(answer == QLatin1String("yes"));
        return QString();
    });
}

} // namespace hostkit

namespace hostkit {

void ScenarioRunner::registerPointerSteps()
{
    // A click on a picture of the window's history: its link is followed.
    addStep(QStringLiteral("click-picture"), 1, 2, {}, [](const Step &s, bool *) {
        QString error;
        QWidget *w = WidgetPath::find(s.args.at(0), &error);
        if (!w)
            return error;
        QTextBrowser *view = nullptr;
        for (QTextBrowser *b : w->findChildren<QTextBrowser *>()) {
            if (b->isVisible() && b->objectName() != QLatin1String("FullText"))
                view = b;
        }
        if (!view)
            return QStringLiteral("%1 has no history view").arg(s.args.at(0));
        bool ok = true;
        const int wanted = s.args.size() > 1 ? s.args.at(1).toInt(&ok) : -1;
        if (!ok || wanted == 0)
            return QStringLiteral("the picture's number counts from 1 (or from -1 at the end), not %1").arg(s.args.at(1));
        QVector<int> positions;
        const QTextDocument *document = view->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.isImageFormat() && format.isAnchor())
                    positions.append(it.fragment().position());
            }
        }
        const int index = wanted > 0 ? wanted - 1 : positions.size() + wanted;
        if (index < 0 || index >= positions.size())
            return QStringLiteral("the history of %1 shows %2 linked pictures, not %3")
                .arg(s.args.at(0)).arg(positions.size()).arg(wanted);
        QTextCursor at(view->document());
        at.setPosition(positions.at(index));
        view->setTextCursor(at);
        view->ensureCursorVisible();
        QApplication::processEvents();
        // The middle of the picture: between the cursor before and after it.
        QTextCursor after(view->document());
        after.setPosition(positions.at(index) + 1);
        const QRect left = view->cursorRect(at);
        const QRect right = view->cursorRect(after);
        const QPoint point((left.left() + right.left()) / 2, right.top() + right.height() / 2);
        QWidget *viewport = view->viewport();
        const QPoint global = viewport->mapToGlobal(point);
        QCursor::setPos(global);
        QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &release);
        return QString();
    });
    // The mouse on a widget: a button pressed or released, a move (with the
    // buttons still held), or wheel notches of 120.
    addStep(QStringLiteral("mouse"), 2, 2, {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("button"), QStringLiteral("delta")},
            [this](const Step &s, bool *) {
                QString error;
                QWidget *w = WidgetPath::find(s.args.at(0), &error);
                if (!w)
                    return error;
                const QString what = s.args.at(1);
                bool okX = true;
                bool okY = true;
                const int x = s.options.contains(QStringLiteral("x")) ? s.options.value(QStringLiteral("x")).toInt(&okX) : w->width() / 2;
                const int y = s.options.contains(QStringLiteral("y")) ? s.options.value(QStringLiteral("y")).toInt(&okY) : w->height() / 2;
                if (!okX || !okY)
                    return QStringLiteral("x and y are pixels of the widget");
                const QString buttonName = s.options.value(QStringLiteral("button"), QStringLiteral("left"));
                if (buttonName != QLatin1String("left") && buttonName != QLatin1String("right"))
                    return QStringLiteral("button=left or button=right, not %1").arg(buttonName);
                const Qt::MouseButton button = buttonName == QLatin1String("left") ? Qt::LeftButton : Qt::RightButton;
                const QPoint point(x, y);
                const QPoint global = w->mapToGlobal(point);
                QCursor::setPos(global);
                if (what == QLatin1String("press")) {
                    m_heldButtons |= button;
                    QMouseEvent press(QEvent::MouseButtonPress, point, global, button, m_heldButtons, Qt::NoModifier);
                    QApplication::sendEvent(w, &press);
                } else if (what == QLatin1String("release")) {
                    m_heldButtons &= ~Qt::MouseButtons(button);
                    QMouseEvent release(QEvent::MouseButtonRelease, point, global, button, m_heldButtons, Qt::NoModifier);
                    QApplication::sendEvent(w, &release);
                } else if (what == QLatin1String("move")) {
                    QMouseEvent move(QEvent::MouseMove, point, global, Qt::NoButton, m_heldButtons, Qt::NoModifier);
                    QApplication::sendEvent(w, &move);
                } else if (what == QLatin1String("wheel")) {
                    bool ok = true;
                    const int delta = s.options.value(QStringLiteral("delta"), QStringLiteral("120")).toInt(&ok);
                    if (!ok)
                        return QStringLiteral("delta is a number (120 a notch)");
                    QWheelEvent wheel(point, global, QPoint(), QPoint(0, delta), m_heldButtons, Qt::NoModifier,
                                      Qt::NoScrollPhase, false);
                    QApplication::sendEvent(w, &wheel);
                } else {
                    return QStringLiteral("mouse press, release, move or wheel, not %1").arg(what);
                }
                QApplication::processEvents();
                return QString();
            });
}

} // namespace hostkit

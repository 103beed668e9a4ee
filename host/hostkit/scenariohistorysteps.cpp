// The scenario steps around long histories: filling a conversation with
// stored messages at once, finding in the chat window's history, and
// checking what the history shows.

#include "scenariorunner.h"

#include "host.h"
#include "messagestore.h"
#include "widgetpath.h"

#include "lib_kelvan/clock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

// QtGui's own entry for delivering a key to shortcuts first (QTest uses it).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString &text = QString(), bool autorep = false, ushort count = 1);

namespace hostkit {

namespace {

void pressKey(QWidget *target, int key, Qt::KeyboardModifiers mods, const QString &text = QString())
{
    if (!qt_sendShortcutOverrideEvent(target, 0, key, mods, text)) {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(target, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &release);
}

template <typename T>
T *visibleChild(QWidget *window, const QString &name)
{
    for (T *child : window->findChildren<T *>(name)) {
        if (child->isVisible())
            return child;
    }
    return nullptr;
}

} // namespace

void ScenarioRunner::registerHistorySteps()
{
    Host &host = m_host;
    auto window = [this](const QString &path, QString *error) { return contactWindow(path, error); };
    auto historyView = [this](const QString &path, QString *error) { return historyViewIn(path, error); };
    auto findText = [window](const QString &path, QString *error) -> QLineEdit * {
        QWidget *w = window(path, error);
        if (!w)
            return nullptr;
        if (auto *edit = visibleChild<QLineEdit>(w, QStringLiteral("FindText")))
            return edit;
        *error = QStringLiteral("%1 shows no find bar").arg(path);
        return nullptr;
    };

    addStep(QStringLiteral("fill"), 2, 2, {QStringLiteral("text"), QStringLiteral("days")}, [&host](const Step &s, bool *) {
        const QByteArray peer = s.args.at(0).toUtf8();
        const Contact *contact = host.profile().find(peer);
        if (!contact) {
            for (const Contact &c : host.profile().contacts()) {
                if (c.displayName.compare(s.args.at(0), Qt::CaseInsensitive) == 0
                    || QString::fromUtf8(c.userName).compare(s.args.at(0), Qt::CaseInsensitive) == 0)
                    contact = &c;
            }
        }
        bool ok = false;
        const int count = s.args.at(1).toInt(&ok);
        const int days = s.options.value(QStringLiteral("days"), QStringLiteral("30")).toInt();
        if (!contact || !ok || count < 1 || days < 1)
            return QStringLiteral("fill CONTACT COUNT [text=TEXT] [days=N]: a contact, a count and days above 0");
        const QByteArray id = contact->id;
        const QByteArray own = host.profile().own().id;
        const QByteArray text = s.options.value(QStringLiteral("text"), QStringLiteral("Message")).toUtf8();
        const QDateTime end = kelvan::Clock::instance().now().toUTC().addSecs(-60);
        const qint64 span = qint64(days) * 24 * 3600;
        const bool stored = host.store().fill(count, [&](int i, StoredMessage &m) {
            m.conversation = id;
            m.received = i % 2 == 0;
            m.senderId = (m.received ? id : own).toLongLong();
            m.time = storeTimeFromDateTime(end.addSecs(-span + span * i / count));
            m.body = text + ' ' + QByteArray::number(i);
        });
        return stored ? QString() : QStringLiteral("the store took no messages: %1").arg(host.store().lastError());
    });

    addStep(QStringLiteral("find"), 2, 2, {QStringLiteral("case")}, [=](const Step &s, bool *) {
        QString error;
        QTextBrowser *view = historyView(s.args.at(0), &error);
        if (!view)
            return error;
        // The shortcut belongs to the window the focus is in.
        QApplication::setActiveWindow(view->window());
        view->setFocus(Qt::ShortcutFocusReason);
        pressKey(view, Qt::Key_F, Qt::ControlModifier);
        QLineEdit *edit = findText(s.args.at(0), &error);
        if (!edit)
            return error;
        if (auto *matchCase = visibleChild<QCheckBox>(edit->window(), QStringLiteral("MatchCase"))) {
            const bool wanted = s.options.value(QStringLiteral("case")) == QLatin1String("yes");
            if (matchCase->isChecked() != wanted)
                matchCase->click();
        }
        edit->selectAll();
        edit->insert(s.args.at(1));
        pressKey(edit, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        return QString();
    });
    for (const bool next : {true, false}) {
        addStep(next ? QStringLiteral("find-next") : QStringLiteral("find-previous"), 1, 1, {},
                [=](const Step &s, bool *) {
                    QString error;
                    QLineEdit *edit = findText(s.args.at(0), &error);
                    if (!edit)
                        return error;
                    pressKey(edit, Qt::Key_Return, next ? Qt::NoModifier : Qt::ShiftModifier, QStringLiteral("\r"));
                    return QString();
                });
    }

    addStep(QStringLiteral("expect-text"), 2, 2, {}, [](const Step &s, bool *failed) {
        QString error;
        QWidget *w = WidgetPath::find(s.args.at(0), &error);
        if (!w)
            return error;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(w))
            text = label->text();
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            text = edit->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            text = button->text();
        else
            return QStringLiteral("%1 shows no text (a label, line edit or button)").arg(s.args.at(0));
        if (text.contains(s.args.at(1)))
            return QString();
        *failed = true;
        return QStringLiteral("%1 shows \"%2\", not \"%3\"").arg(s.args.at(0), text, s.args.at(1));
    });
    // The thumb of the history's scroll bar dragged with the mouse to a
    // place along its track; the bar the user sees, which may be one the
    // plug-in laid over the view's own.
    addStep(QStringLiteral("drag-thumb"), 2, 2, {}, [=](const Step &s, bool *) {
        QString error;
        QTextBrowser *view = historyView(s.args.at(0), &error);
        if (!view)
            return error;
        bool ok = false;
        const double percent = s.args.at(1).toDouble(&ok);
        if (!ok || percent < 0 || percent > 100)
            return QStringLiteral("drag-thumb wants a percentage from 0 to 100, not %1").arg(s.args.at(1));
        QScrollBar *bar = view->verticalScrollBar();
        for (QScrollBar *over : bar->findChildren<QScrollBar *>()) {
            if (over->isVisible())
                bar = over;
        }
        if (!bar->isVisible())
            return QStringLiteral("the history of %1 shows no scroll bar").arg(s.args.at(0));
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.subControls = QStyle::SC_All;
        const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
        const QRect groove = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, bar);
        const QPoint from = thumb.center();
        const int travel = groove.height() - thumb.height();
        const QPoint to(from.x(), groove.top() + thumb.height() / 2 + qRound(travel * percent / 100.0));
        const auto send = [bar](QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, bar->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(bar, &event);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
        QApplication::processEvents();
        return QString();
    });
    // Whether TEXT stands in the part of the history the view shows: the
    // view stays where the user put it.
    for (const bool shown : {true, false}) {
        addStep(shown ? QStringLiteral("expect-shown") : QStringLiteral("expect-not-shown"), 2, 2, {},
                [=](const Step &s, bool *failed) {
                    QString error;
                    QTextBrowser *view = historyView(s.args.at(0), &error);
                    if (!view)
                        return error;
                    const QRect visible = view->viewport()->rect();
                    bool seen = false;
                    for (QTextCursor at = view->document()->find(s.args.at(1)); !at.isNull() && !seen;
                         at = view->document()->find(s.args.at(1), at)) {
                        seen = view->cursorRect(at).intersects(visible);
                    }
                    if (seen == shown)
                        return QString();
                    *failed = true;
                    return QStringLiteral("the history of %1 %2 \"%3\"")
                        .arg(s.args.at(0), shown ? QStringLiteral("does not show") : QStringLiteral("shows"), s.args.at(1));
                });
    }
}

} // namespace hostkit

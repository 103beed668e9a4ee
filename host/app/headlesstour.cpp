#include "headlesstour.h"

#include "contactlistwindow.h"

#include "hostkit/host.h"
#include "hostkit/scenariorunner.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSet>
#include <QWidget>

#include <iterator>

namespace {

void settle(hostkit::Host &host)
{
    for (int i = 0; i < 5; ++i) {
        host.advance(100);
        QApplication::processEvents();
    }
}

// The conversation with Bea, held through the chat window the plug-in
// opened: the history of the last days with the peer's details shown, a
// message written with a bold word and a misspelt one (underlined once the
// spelling check has run), sent, the peer typing and answering, and the
// question that protects an unsent draft.
const char ConversationTour[] = R"(
peer Bea reply="Got it: %1" typing=600 after=1800
click "@Bea/frmPeerInfo/ToggleUserInfo"
shot @Bea 05-conversation-history.png
type "Hello "
key Ctrl+B
type Bea
key Ctrl+B
type ", the meetting is at noon"
pause 500
shot @Bea 06-conversation-composing.png
key Return
wait 800
shot @Bea 07-conversation-typing.png
wait 1200
shot @Bea 08-conversation-reply.png
type "A draft"
answer No shot=09-conversation-close-question.png
key Escape
)";

const char *const ConversationShots[] = {
    "05-conversation-history.png", "06-conversation-composing.png", "07-conversation-typing.png",
    "08-conversation-reply.png", "09-conversation-close-question.png",
};

// The composing aids and the preferences, from the same window: the
// emoticon picker, the quick-text menu and dialog, and every tab of the
// settings dialog (with an automatic reply added to show one).
const char ComposingTour[] = R"(
action @Bea Emoticons
shot Emoticons 10-emoticon-picker.png over=@Bea
click Emoticons/wink
action @Bea "Quick text"
shot QuickText 11-quick-text-menu.png over=@Bea
menu Edit
shot CannedMessages 12-quick-text-dialog.png
click CannedMessages/btnCancel
action @Bea Tools
shot ChatSettings 13-settings-general.png
select ChatSettings/tabSettings Font
shot ChatSettings 14-settings-font.png
select ChatSettings/tabSettings "Auto reply"
click ChatSettings/tabSettings/qt_tabwidget_stackedwidget/tabAutoReply/autoReplyFrame/AutoReplyDialog/btnAdd
shot ChatSettings 15-settings-auto-reply.png
select ChatSettings/tabSettings "Spell Check"
shot ChatSettings 16-settings-spell-check.png
select ChatSettings/tabSettings History
shot ChatSettings 17-settings-history.png
select ChatSettings/tabSettings Gallery
shot ChatSettings 18-settings-gallery.png
click ChatSettings/btnCancel
)";

const char *const ComposingShots[] = {
    "10-emoticon-picker.png", "11-quick-text-menu.png", "12-quick-text-dialog.png", "13-settings-general.png",
    "14-settings-font.png", "15-settings-auto-reply.png", "16-settings-spell-check.png", "17-settings-history.png",
    "18-settings-gallery.png",
};

// What a peer cannot do to the conversation: nudges in both directions and
// a refused one show as lines of the history, a flood of nudges shakes once,
// a message of megabytes shows cut with its whole text one click away, and
// a user reading older messages stays where they are while a marker says
// that new ones arrived.
const char RobustnessTour[] = R"(
nudge Bea
wait 1200
peer Bea refuse-nudges=yes
action @Bea Nudge
wait 1500
expect-history @Bea "Bea Hansen sent you a nudge."
expect-history @Bea "You sent a nudge to Bea Hansen."
expect-history @Bea "Bea Hansen has disabled nudges. Your nudge was not received."
shot @Bea 19-nudges-and-refusal.png
receive Bea "[b]" repeat=20000
receive Bea "so many words " repeat=80000
wait 100
expect-history @Bea "Show the whole message"
shot @Bea 20-hostile-messages-cut.png
scroll @Bea middle
receive Bea "Are you still there?"
wait 100
expect-visible @Bea/splitterVertical/splitterReceivedHorizontal/Receive/NewMessages
shot @Bea 21-new-messages-marker.png
click @Bea/splitterVertical/splitterReceivedHorizontal/Receive/NewMessages
expect-hidden @Bea/splitterVertical/splitterReceivedHorizontal/Receive/NewMessages
)";

const char *const RobustnessShots[] = {
    "19-nudges-and-refusal.png", "20-hostile-messages-cut.png", "21-new-messages-marker.png",
};

// The tabbed window: Bea's window attached as a page, Chris and Dana opened
// into it, three messages for Chris while Dana's page is in front, so that
// Chris's tab blinks its count until it is selected; then the one question
// that closing the window asks about a draft in a page behind.
const char TabbedTour[] = R"(
tabbed on
action @Bea "Attach to tab"
open Chris
open Dana
receive Chris "Did you see the new plans?"
receive Chris "The ones for the lighthouse"
receive Chris "Call me when you can"
wait 200
shot @Dana 40-tabbed-window-blinking.png
select @Dana/splitter/Tabs "Chris Ortega"
shot @Chris 41-tabbed-tab-read.png
key Ctrl+Tab
type "A draft for Dana"
key Shift+Tab
answer No shot=42-tabbed-close-question.png
close @Chris
expect-window @Chris
)";

const char *const TabbedShots[] = {
    "40-tabbed-window-blinking.png", "41-tabbed-tab-read.png", "42-tabbed-close-question.png",
};

} // namespace

bool HeadlessTour::runScenario(const char *text, const char *const *shots, int count, const QString &folder,
                               QString *error)
{
    hostkit::ScenarioRunner runner(m_host);
    runner.setBaseFolder(folder);
    if (!runner.load(QString::fromUtf8(text)) || runner.exec() != 0) {
        *error = QStringLiteral("the tour stopped: %1").arg(runner.lastMessage());
        return false;
    }
    for (int i = 0; i < count; ++i)
        m_files << QDir(folder).filePath(QString::fromLatin1(shots[i]));
    return true;
}

bool HeadlessTour::conversation(const QString &folder, QString *error)
{
    return runScenario(ConversationTour, ConversationShots, int(std::size(ConversationShots)), folder, error)
           && runScenario(ComposingTour, ComposingShots, int(std::size(ComposingShots)), folder, error)
           && runScenario(RobustnessTour, RobustnessShots, int(std::size(RobustnessShots)), folder, error)
           && runScenario(TabbedTour, TabbedShots, int(std::size(TabbedShots)), folder, error);
}

bool HeadlessTour::save(const QImage &image, const QString &folder, const QString &name, QString *error)
{
    const QString file = QDir(folder).filePath(name);
    if (image.isNull() || !image.save(file, "PNG")) {
        *error = QStringLiteral("cannot write the screenshot %1").arg(file);
        return false;
    }
    m_files << file;
    return true;
}

bool HeadlessTour::run(const QString &folder, QString *error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the screenshot folder %1").arg(folder);
        return false;
    }
    QSet<QWidget *> before;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            before.insert(w);
    }
    settle(m_host);
    if (!save(m_window.grab().toImage(), folder, QStringLiteral("01-contact-list.png"), error))
        return false;

    m_window.selectContact("1001");
    settle(m_host);
    if (!save(m_window.grab().toImage(), folder, QStringLiteral("02-contact-selected.png"), error))
        return false;

    // The menu is a window of its own: draw it where it drops down.
    QMenu *menu = m_window.pluginMenu();
    const QRect titleRect = m_window.menuBar()->actionGeometry(menu->menuAction());
    menu->popup(m_window.menuBar()->mapToGlobal(titleRect.bottomLeft()));
    settle(m_host);
    QImage composed = m_window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    {
        QPainter p(&composed);
        const QPoint at = m_window.mapFromGlobal(menu->mapToGlobal(QPoint(0, 0)));
        p.drawPixmap(at, menu->grab());
    }
    menu->hide();
    if (!save(composed, folder, QStringLiteral("03-plugin-menu.png"), error))
        return false;

    // The conversation tours start from a stand-alone chat window; the
    // tabbed tour switches tabbed chats on itself.
    if (m_host.findPlugin("chat") && !runScenario("tabbed off", nullptr, 0, folder, error))
        return false;
    if (m_host.openChat("1001")) {
        settle(m_host);
        int n = 4;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || before.contains(w) || w == &m_window || qobject_cast<QMenu *>(w))
                continue;
            const QString name = QStringLiteral("%1-window-%2.png").arg(n++, 2, 10, QLatin1Char('0'))
                                     .arg(w->objectName().isEmpty() ? QStringLiteral("unnamed") : w->objectName());
            if (!save(w->grab().toImage(), folder, name, error))
                return false;
        }
        if (!conversation(folder, error))
            return false;
    }
    return true;
}

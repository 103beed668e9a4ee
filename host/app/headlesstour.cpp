#include "headlesstour.h"

#include "contactlistwindow.h"

#include "hostkit/host.h"
#include "hostkit/scenariorunner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QTemporaryDir>
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
wait 500
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

// What the user does to single messages: the message menu of a peer's
// message, a label and a like shown at once, one of the user's own messages
// corrected through the edit overlay and shown edited in place, and an
// answer to the peer through the reply overlay.
const char MessageActionsTour[] = R"(
peer Bea reply=""
key Ctrl+A Backspace target=@Bea/splitterVertical/frameVSend/frameSend/Send[0]
scroll @Bea bottom
receive Bea "Could you read the release notes before Friday?"
wait 100
click-text @Bea "release notes" button=right
shot Message 22-message-menu.png over=@Bea
menu Labels
menu Warning
click-text @Bea "release notes" button=right
menu Like
wait 100
expect-call sendInstantMessage contains="[like "
shot @Bea 23-liked-and-labelled.png
type "I will read them tomorow"
key Return
wait 100
click-text @Bea "tomorow" button=right
menu Edit
key Ctrl+A
type "I will read them tomorrow morning"
shot @Bea 24-edit-overlay.png
key Return
wait 100
expect-history @Bea "tomorrow morning"
shot @Bea 25-edited-in-place.png
click-text @Bea "release notes" button=right
menu Reply
type "Done: two typos, otherwise fine"
shot @Bea 26-reply-overlay.png
key Return
wait 100
expect-stored Bea "two typos"
shot @Bea 27-reply-sent.png
)";

const char *const MessageActionsShots[] = {
    "22-message-menu.png", "23-liked-and-labelled.png", "24-edit-overlay.png", "25-edited-in-place.png",
    "26-reply-overlay.png", "27-reply-sent.png",
};

// Pictures and files both ways: a document pasted goes out at once, a
// picture pasted waits in the editor until Send, both show their progress in
// the uploads list; files dragged over the window bring up the drop overlay
// (direct transfer and cloud delivery); a picture and a file Bea sends show
// in the history, the picture once fetched. %1 is a picture, %2 a document.
const char PicturesTour[] = R"(
peer Bea reply=""
direct-transfer enabled
key Ctrl+A Backspace target=@Bea/splitterVertical/frameVSend/frameSend/Send[0]
paste "%1" target=@Bea/splitterVertical/frameVSend/frameSend/Send[0]
shot @Bea 30-picture-pasted.png
paste "%2" target=@Bea/splitterVertical/frameVSend/frameSend/Send[0]
wait 250
key Return target=@Bea/splitterVertical/frameVSend/frameSend/Send[0]
wait 250
expect-visible @Bea/splitterVertical/splitterReceivedHorizontal/Receive/UploadsOverlay
shot @Bea 31-uploads-in-progress.png
wait 3000
drag @Bea "%2"
expect-visible @Bea/splitterVertical/splitterReceivedHorizontal/Receive/DragOverlay/Background/Direct
shot @Bea 32-drop-overlay.png
drop @Bea leave
offer-picture Bea "%1"
offer-file Bea "%2"
wait 1500
shot @Bea 33-received-picture-and-file.png
)";

const char *const PicturesShots[] = {
    "30-picture-pasted.png", "31-uploads-in-progress.png", "32-drop-overlay.png", "33-received-picture-and-file.png",
};

// A harbour at sunset, the picture the tour pastes and Bea sends.
QImage harbourPicture()
{
    const int w = 480;
    const int h = 300;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(0x4a, 0x90, 0xd9));
    sky.setColorAt(0.6, QColor(0xf6, 0xc3, 0x8a));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x70));
    p.drawEllipse(QPointF(w * 0.72, h * 0.42), h * 0.12, h * 0.12);
    QLinearGradient sea(0, h * 0.6, 0, h);
    sea.setColorAt(0, QColor(0x1f, 0x5f, 0x8b));
    sea.setColorAt(1, QColor(0x0b, 0x2d, 0x4a));
    p.fillRect(QRectF(0, h * 0.6, w, h * 0.4), sea);
    QPainterPath hill;
    hill.moveTo(0, h * 0.6);
    hill.cubicTo(w * 0.2, h * 0.4, w * 0.35, h * 0.45, w * 0.5, h * 0.6);
    hill.closeSubpath();
    p.setBrush(QColor(0x2e, 0x4d, 0x2e));
    p.drawPath(hill);
    QPainterPath hull;
    hull.moveTo(w * 0.3, h * 0.72);
    hull.lineTo(w * 0.45, h * 0.72);
    hull.lineTo(w * 0.42, h * 0.78);
    hull.lineTo(w * 0.33, h * 0.78);
    hull.closeSubpath();
    p.setBrush(QColor(0xc0, 0x30, 0x30));
    p.drawPath(hull);
    QPainterPath sail;
    sail.moveTo(w * 0.38, h * 0.55);
    sail.lineTo(w * 0.38, h * 0.71);
    sail.lineTo(w * 0.44, h * 0.71);
    sail.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(sail);
    return image;
}

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

// A conversation of 100,000 stored messages: the view pages back at the
// top, finds a message far outside what it shows and brings its page in,
// stays there while a new message arrives (the marker says so), steps to
// the next match, and the marker leads back down.
const char LongHistoryTour[] = R"(
tabbed off
fill Farah 100000 text="Harbour log entry" days=400
open Farah
wait 100
expect-shown @Farah "Harbour log entry 99999"
scroll @Farah top
wait 100
expect-history @Farah "Harbour log entry 99850"
shot @Farah 80-long-history-paged.png
find @Farah "log entry 12345"
wait 100
expect-text @Farah/splitterVertical/splitterReceivedHorizontal/Receive/FindBar/FindCount "1 of 1"
expect-shown @Farah "Harbour log entry 12345"
shot @Farah 81-find-brought-in.png
receive Farah "Are you reading the old logs?"
wait 100
expect-shown @Farah "Harbour log entry 12345"
expect-visible @Farah/splitterVertical/splitterReceivedHorizontal/Receive/NewMessages
shot @Farah 82-find-and-new-message.png
find @Farah "entry 9999"
find-next @Farah
wait 100
expect-text @Farah/splitterVertical/splitterReceivedHorizontal/Receive/FindBar/FindCount "2 of 11"
expect-shown @Farah "Harbour log entry 99998"
shot @Farah 83-find-next.png
click @Farah/splitterVertical/splitterReceivedHorizontal/Receive/NewMessages
wait 100
expect-shown @Farah "Are you reading the old logs?"
)";

const char *const LongHistoryShots[] = {
    "80-long-history-paged.png", "81-find-brought-in.png", "82-find-and-new-message.png", "83-find-next.png",
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
           && runScenario(MessageActionsTour, MessageActionsShots, int(std::size(MessageActionsShots)), folder, error)
           && pictures(folder, error)
           && runScenario(TabbedTour, TabbedShots, int(std::size(TabbedShots)), folder, error)
           && runScenario(LongHistoryTour, LongHistoryShots, int(std::size(LongHistoryShots)), folder, error);
}

bool HeadlessTour::pictures(const QString &folder, QString *error)
{
    QTemporaryDir files;
    const QString picture = files.filePath(QStringLiteral("harbour.png"));
    const QString document = files.filePath(QStringLiteral("agenda.txt"));
    QFile text(document);
    if (!files.isValid() || !harbourPicture().save(picture, "PNG") || !text.open(QIODevice::WriteOnly)
        || text.write("Thursday: harbour walk at ten, lunch at the pier.\n") < 0) {
        *error = QStringLiteral("cannot write the files the tour sends");
        return false;
    }
    text.close();
    const QByteArray script = QString::fromUtf8(PicturesTour).arg(picture, document).toUtf8();
    return runScenario(script.constData(), PicturesShots, int(std::size(PicturesShots)), folder, error);
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

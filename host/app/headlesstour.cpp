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
#include <QRegularExpression>
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
action @Bea "{ChatWindow|Emoticons}"
shot Emoticons 10-emoticon-picker.png over=@Bea
click Emoticons/wink
action @Bea "{ChatWindow|Quick text}"
shot QuickText 11-quick-text-menu.png over=@Bea
menu "{QuickTextMenu|Edit}"
shot CannedMessages 12-quick-text-dialog.png
click CannedMessages/btnCancel
action @Bea "{ChatWindow|Tools}"
shot ChatSettings 13-settings-general.png
select ChatSettings/tabSettings "{SettingsDialog|Font}"
shot ChatSettings 14-settings-font.png
select ChatSettings/tabSettings "{SettingsDialog|Auto reply}"
click ChatSettings/tabSettings/qt_tabwidget_stackedwidget/tabAutoReply/autoReplyFrame/AutoReplyDialog/btnAdd
shot ChatSettings 15-settings-auto-reply.png
select ChatSettings/tabSettings "{SettingsDialog|Spell Check}"
shot ChatSettings 16-settings-spell-check.png
select ChatSettings/tabSettings "{SettingsDialog|History}"
shot ChatSettings 17-settings-history.png
select ChatSettings/tabSettings "{SettingsDialog|Gallery}"
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
action @Bea "{ChatWindow|Nudge}"
wait 1500
expect-history @Bea "{MessageBlocks|%1 sent you a nudge.|Bea Hansen}"
expect-history @Bea "{MessageBlocks|You sent a nudge to %1.|Bea Hansen}"
expect-history @Bea "{ChatSession|%1 has disabled nudges. Your nudge was not received.|Bea Hansen}"
shot @Bea 19-nudges-and-refusal.png
receive Bea "[b]" repeat=20000
receive Bea "so many words " repeat=80000
wait 100
expect-history @Bea "{MessageBlocks|Show the whole message}"
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
menu "{MessageActions|Labels}"
menu "{MessageActions|Warning}"
click-text @Bea "release notes" button=right
menu "{MessageActions|Like}"
wait 100
expect-call sendInstantMessage contains="[like "
shot @Bea 23-liked-and-labelled.png
type "I will read them tomorow"
key Return
wait 100
click-text @Bea "tomorow" button=right
menu "{MessageActions|Edit}"
key Ctrl+A
type "I will read them tomorrow morning"
shot @Bea 24-edit-overlay.png
key Return
wait 100
expect-history @Bea "tomorrow morning"
shot @Bea 25-edited-in-place.png
click-text @Bea "release notes" button=right
menu "{MessageActions|Reply}"
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

// The image viewer over Bea's window: a chart Bea sends (%1), shown
// fitted, looked at through the lens as a rectangle and, after the settings'
// Gallery tab made it a circle, as a circle two zoom levels up; the
// previous picture; full screen and back; Escape closes it.
const char ViewerTour[] = R"(
peer Bea reply=""
offer-picture Bea "%1"
wait 1500
click-picture @Bea
expect-visible @Bea/ImageViewer
wait 300
shot @Bea 70-viewer.png
mouse @Bea/ImageViewer/Background/frame press x=300 y=330
mouse @Bea/ImageViewer/Background/frame move x=330 y=360
wait 100
shot @Bea 71-viewer-lens-rectangle.png
mouse @Bea/ImageViewer/Background/frame release x=330 y=360
action @Bea "{ChatWindow|Tools}"
select ChatSettings/tabSettings "{SettingsDialog|Gallery}"
select ChatSettings/tabSettings/qt_tabwidget_stackedwidget/tabGallery/gbMagnifier/cmbShape "{SettingsDialog|Circle}"
click ChatSettings/btnOK
mouse @Bea/ImageViewer/Background/frame press x=330 y=175
mouse @Bea/ImageViewer/Background/frame wheel delta=240 x=330 y=175
mouse @Bea/ImageViewer/Background/frame move x=320 y=178
wait 100
shot @Bea 72-viewer-lens-circle.png
mouse @Bea/ImageViewer/Background/frame release x=320 y=178
click @Bea/ImageViewer/Background/frame/Prev
wait 300
shot @Bea 73-viewer-previous.png
click @Bea/ImageViewer/Background/frame/Next
click @Bea/ImageViewer/Background/frame/Header/Fullscreen
wait 300
shot ImageViewer 74-viewer-fullscreen.png
key F12 target=ImageViewer/Background/frame
expect-visible @Bea/ImageViewer
key Escape target=@Bea/ImageViewer/Background/frame
expect-hidden @Bea/ImageViewer
)";

const char *const ViewerShots[] = {
    "70-viewer.png", "71-viewer-lens-rectangle.png", "72-viewer-lens-circle.png", "73-viewer-previous.png",
    "74-viewer-fullscreen.png",
};

// A chart of the coast with the lighthouse: fine lines and small print, so
// that the lens has something to magnify.
QImage chartPicture()
{
    const int w = 2400;
    const int h = 1600;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sea(0, 0, w, h);
    sea.setColorAt(0, QColor(0xcf, 0xe6, 0xf2));
    sea.setColorAt(1, QColor(0x9c, 0xc8, 0xe0));
    p.fillRect(image.rect(), sea);
    p.setPen(QPen(QColor(0x5f, 0x8f, 0xb0), 1));
    for (int x = 0; x < w; x += 100)
        p.drawLine(x, 0, x, h);
    for (int y = 0; y < h; y += 100)
        p.drawLine(0, y, w, y);
    QPainterPath coast;
    coast.moveTo(0, h * 0.55);
    coast.cubicTo(w * 0.2, h * 0.45, w * 0.3, h * 0.75, w * 0.5, h * 0.62);
    coast.cubicTo(w * 0.7, h * 0.5, w * 0.8, h * 0.85, w, h * 0.7);
    coast.lineTo(w, h);
    coast.lineTo(0, h);
    coast.closeSubpath();
    p.setBrush(QColor(0xe9, 0xdc, 0xb5));
    p.setPen(QPen(QColor(0x8a, 0x6d, 0x3b), 4));
    p.drawPath(coast);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(22);
    p.setFont(font);
    p.setPen(QColor(0x20, 0x4a, 0x87));
    for (int i = 0; i < 40; ++i) {
        const int x = 60 + (i * 577) % (w - 200);
        const int y = 80 + (i * 331) % int(h * 0.4);
        p.drawText(x, y, QString::number(12 + (i * 7) % 40));
    }
    font.setPixelSize(64);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, int(h * 0.08), w, 90), Qt::AlignCenter, QStringLiteral("Lighthouse Bay"));
    // The lighthouse on the point, with its light.
    const QPointF foot(w * 0.5, h * 0.62);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 150, 120));
    p.drawEllipse(foot + QPointF(0, -150), 120, 120);
    QPainterPath tower;
    tower.moveTo(foot + QPointF(-30, 0));
    tower.lineTo(foot + QPointF(-18, -140));
    tower.lineTo(foot + QPointF(18, -140));
    tower.lineTo(foot + QPointF(30, 0));
    tower.closeSubpath();
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x55, 0x57, 0x53), 2));
    p.drawPath(tower);
    p.setBrush(QColor(0xcc, 0x00, 0x00));
    for (int band = 0; band < 3; ++band)
        p.drawRect(QRectF(foot.x() - 27 + band * 3, foot.y() - 35 - band * 40, 54 - band * 6, 16));
    p.setBrush(QColor(0xfc, 0xe9, 0x4f));
    p.drawRect(QRectF(foot.x() - 16, foot.y() - 165, 32, 25));
    return image;
}

// The tabbed window: Bea's window attached as a page, Chris and Dana opened
// into it, three messages for Chris while Dana's page is in front, so that
// Chris's tab blinks its count until it is selected; then the one question
// that closing the window asks about a draft in a page behind.
const char TabbedTour[] = R"(
tabbed on
action @Bea "{ChatWindow|Attach to tab}"
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

// A chat room: Bea and Chris chosen in the contact list and the room created
// with both; they join as system lines and answer (Bea typing first); Farah
// joins and Chris leaves; Dana, dropped on the member list, is invited and
// joins; the room is renamed in its settings dialog and left past its
// question.
const char RoomsTour[] = R"(
tabbed off
peer Bea reply="Bea: %1" typing=300 after=1400
peer Chris reply="Chris: Friday works for me" typing=900 after=2200
select ContactList/Contacts "Bea Hansen\nWorking from home"
key Shift+Down target=ContactList/Contacts
shot ContactList 50-room-contacts-chosen.png
action ContactList "{RoomsPluginImpl|Create Chat Room}"
shot "@{ChatWindow|%1 - Chat Room|}" 51-room-preparing.png
wait 400
type "Shall we meet at the harbour on Friday?"
key Return
wait 800
shot "@{ChatWindow|%1 - Chat Room|}" 52-room-member-typing.png
wait 2200
shot "@{ChatWindow|%1 - Chat Room|}" 53-room-members-answer.png
room-join "Alex, Bea, Chris" Farah
room-leave "Alex, Bea, Chris" Chris
drop-contacts "@{ChatWindow|%1 - Chat Room|}/splitterVertical/splitterReceivedHorizontal/conferenceUsersWidget" Dana
wait 2000
shot "@{ChatWindow|%1 - Chat Room|}" 54-room-join-and-leave.png
click "@{ChatWindow|%1 - Chat Room|}/frmPeerInfo/SettingsRoom"
key Ctrl+A target=UpdateRoomDialog/lnRoomDisplayName
type "Harbour team" target=UpdateRoomDialog/lnRoomDisplayName
shot UpdateRoomDialog 55-room-settings.png
click UpdateRoomDialog/btnOk
shot "@Harbour team" 56-room-renamed.png
answer Yes shot=57-room-leave-question.png
click "@Harbour team/frmPeerInfo/LeaveRoom"
expect-no-window "@Harbour team"
)";

const char *const RoomsShots[] = {
    "50-room-contacts-chosen.png", "51-room-preparing.png", "52-room-member-typing.png",
    "53-room-members-answer.png", "54-room-join-and-leave.png", "55-room-settings.png", "56-room-renamed.png",
    "57-room-leave-question.png",
};

// A broadcast to all five contacts, one at a time two seconds apart: Bea
// in the job from the contact list, Chris, Dana and Farah dropped on the
// recipients, Eli picked through "Add users". Midway Bea has read it, Chris
// and Dana have it; once the last one went out every recipient reads it in
// turn until it is seen by all. Then Farah's broadcast arrives in its
// viewer, and OK sends her the receipt.
const char BroadcastTour[] = R"tour(
broadcast-options "batch_size=1\nsend_interval=2000\nmax_recipients=200"
broadcast-peer Bea seen=1500
broadcast-peer Chris seen=3000
broadcast-peer Dana seen=2500
broadcast-peer Eli seen=1000
broadcast-peer Farah seen=500
execute broadcast Bea
drop-contacts BroadcastWindow/splitterVertical/BroadcastUsers/Recipients Chris Dana Farah
pick-contacts Eli
action BroadcastWindow "{BroadcastWindow|Add users}"
type "The harbour walk moves to " target=BroadcastWindow/splitterVertical/frameVSend/frameSend/Send[0]
key Ctrl+B target=BroadcastWindow/splitterVertical/frameVSend/frameSend/Send[0]
type "Thursday at ten" target=BroadcastWindow/splitterVertical/frameVSend/frameSend/Send[0]
key Ctrl+B target=BroadcastWindow/splitterVertical/frameVSend/frameSend/Send[0]
type " :)" target=BroadcastWindow/splitterVertical/frameVSend/frameSend/Send[0]
shot BroadcastWindow 60-broadcast-composing.png
key Return target=BroadcastWindow/splitterVertical/frameVSend/frameSend/Send[0]
wait-broadcasts 1
wait 2000
wait-broadcasts 2
wait 2000
wait-broadcasts 3
shot BroadcastWindow 61-broadcast-sending.png
wait 2000
wait-broadcasts 4
wait 2000
wait-broadcasts 5
expect-status BroadcastWindow "{BroadcastWindow|Sending completed}"
wait 1000
expect-status BroadcastWindow "{BroadcastWindow|Seen by all}"
shot BroadcastWindow 62-broadcast-sent-and-seen.png
receive-broadcast Farah "Lunch is on me today: [b]12:30[/b] at the pier (sun)"
wait 100
expect-history "@{BroadcastViewer|Broadcast Message} - Farah" "12:30"
shot "@{BroadcastViewer|Broadcast Message} - Farah" 63-broadcast-viewer.png
click BroadcastViewer/OK
expect-call sendControl count=1 contains=MESSAGE_SEEN
)tour";

const char *const BroadcastShots[] = {
    "60-broadcast-composing.png", "61-broadcast-sending.png", "62-broadcast-sent-and-seen.png",
    "63-broadcast-viewer.png",
};

} // namespace

namespace {

// The tour names the plug-in's texts as "{Context|English text}" or
// "{Context|English text|argument for %1|argument for %2...}", so that it finds its buttons,
// menus and tabs in whatever language the plug-in was told to speak.
QString inInterfaceLanguage(const QString &scenario)
{
    static const QRegularExpression named(QStringLiteral("\\{(\\w+)\\|([^|}]*)(?:\\|([^}]*))?\\}"));
    QString out;
    int last = 0;
    QRegularExpressionMatchIterator it = named.globalMatch(scenario);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += scenario.midRef(last, m.capturedStart() - last);
        const QByteArray context = m.captured(1).toUtf8();
        const QByteArray source = m.captured(2).toUtf8();
        QString text = QCoreApplication::translate(context.constData(), source.constData());
        if (m.lastCapturedIndex() >= 3) {
            for (const QString &argument : m.captured(3).split(QLatin1Char('|')))
                text = text.arg(argument);
        }
        out += text;
        last = m.capturedEnd();
    }
    out += scenario.midRef(last);
    return out;
}

// A conversation of 100,000 stored messages: the view pages back at the
// top, finds a message far outside what it shows and brings its page in,
// stays there while a new message arrives (the marker says so), steps to
// the next match, and the marker leads back down; the scroll bar's thumb,
// dragged to the middle of its track, shows the middle of the conversation.
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
expect-text @Farah/splitterVertical/splitterReceivedHorizontal/Receive/FindBar/FindCount "{FindBar|%1 of %2|1|1}"
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
expect-text @Farah/splitterVertical/splitterReceivedHorizontal/Receive/FindBar/FindCount "{FindBar|%1 of %2|2|11}"
expect-shown @Farah "Harbour log entry 99998"
shot @Farah 83-find-next.png
click @Farah/splitterVertical/splitterReceivedHorizontal/Receive/NewMessages
wait 100
expect-shown @Farah "Are you reading the old logs?"
drag-thumb @Farah 50
wait 100
expect-shown @Farah "Harbour log entry 50"
expect-not-shown @Farah "Are you reading the old logs?"
shot @Farah 84-long-history-middle.png
)";

const char *const LongHistoryShots[] = {
    "80-long-history-paged.png", "81-find-brought-in.png", "82-find-and-new-message.png", "83-find-next.png",
    "84-long-history-middle.png",
};

} // namespace

bool HeadlessTour::runScenario(const char *text, const char *const *shots, int count, const QString &folder,
                               QString *error)
{
    hostkit::ScenarioRunner runner(m_host);
    runner.setBaseFolder(folder);
    if (!runner.load(inInterfaceLanguage(QString::fromUtf8(text))) || runner.exec() != 0) {
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
           && viewer(folder, error)
           && runScenario(TabbedTour, TabbedShots, int(std::size(TabbedShots)), folder, error)
           && runScenario(RoomsTour, RoomsShots, int(std::size(RoomsShots)), folder, error)
           && runScenario(BroadcastTour, BroadcastShots, int(std::size(BroadcastShots)), folder, error)
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

bool HeadlessTour::viewer(const QString &folder, QString *error)
{
    QTemporaryDir files;
    const QString chart = files.filePath(QStringLiteral("lighthouse-bay.png"));
    if (!files.isValid() || !chartPicture().save(chart, "PNG")) {
        *error = QStringLiteral("cannot write the picture the viewer tour shows");
        return false;
    }
    const QByteArray script = QString::fromUtf8(ViewerTour).arg(chart).toUtf8();
    return runScenario(script.constData(), ViewerShots, int(std::size(ViewerShots)), folder, error);
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

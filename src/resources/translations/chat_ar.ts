<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <source>Broadcast Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Danger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Like</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Location information</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Add automatic reply</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Delete automatic reply</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Move automatic reply up</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Move automatic reply down</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Away</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Busy</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Type &quot;auto reply&quot; text here</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Broadcast Message</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Missed Broadcast Message</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Close this event</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Broadcast Message</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Broadcast Message Plugin</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Broadcast Message</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Open in Maps</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copy to Clipboard</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Forward via %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Forwarded location of %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Broadcast Message</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Quick text</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Add users</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>This chat is encrypted</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Seen</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>The connection to the server is lost. The broadcast can be sent once it is back.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Remove user</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Seen by all</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Sending completed</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>You have an unsent message.
Do you want to close the window?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>You have selected more than %n users. Please deselect some recipients.</numerusform>
            <numerusform>You have selected more than %n users. Please deselect some recipients.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>You have selected less than %n users. Please select some recipients.</numerusform>
            <numerusform>You have selected less than %n users. Please select some recipients.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>I will be right back.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>Will you please send me the report?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>You have a call on line #</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>Quick Text Dialog</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Add quick text</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Delete quick text</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Move quick text up</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Move quick text down</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Behaviour</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Place the quick text into the field for sending</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Send the quick text instantly</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>Type the message here</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>The quick texts could not be saved. Your changes are still in this dialog.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>New chat room</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>Direct file transfer is not possible with peer that is currently offline</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>Direct file transfer is not possible</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>Picture Files (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Fullscreen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 has disabled nudges. Your nudge was not received.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Nudge</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Send picture</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Quick text</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>This chat is encrypted</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Preparing chat room...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>Notifications from %1 are enabled</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>Notifications from %1 are disabled</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>Automatic scroll is On for %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>Automatic scroll is Off for %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Chat Room</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Chat Room</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 is typing...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>sends you a nudge</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Auto reply: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Detach from tab</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>Attach to tab</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>You have an unsent message.
Do you want to close the window?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>The quick brown fox jumped over the lazy dog.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>Find in the conversation</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>Older match (Enter, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>Newer match (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Close (Escape)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>No matches</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ of %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>Whole message</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>Open in Maps</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copy to Clipboard</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Forward via %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>The picture has not arrived yet.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>Forwarded location:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Forwarded location of %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>New messages</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>Go to the newest message</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>The address holds a user name in front of the host, where the host name seems to stand.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>The address holds invisible or direction-changing characters.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>The host name mixes letters of several alphabets.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>The link names a file on another computer; it was not opened.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>The link cannot be opened.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>Do you want to open this file?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Name: %1
Folder: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>Do you want to open this address?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>It leads to the host %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>Voice message</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Video message</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Danger</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Like</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Reply</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>A picture or an attachment</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 sent you a nudge.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>You sent a nudge to %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>This message was deleted.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>edited</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Show the whole message</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Reply to: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>Edit message:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Close and discard changes</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Images ( %1 );; All files (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Select pictures to send</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 sent you a nudge.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>You sent a nudge to %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Text Chat</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Text Chat Plugin</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>This plugin is disabled. Contact your administrator for more details.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Add people to this Chat Room (Persistent)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>The chat room could not be prepared.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>Do you want to close the window?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>Are you sure you want to leave the chat room &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>Chat Rooms</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>Create Chat Room</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Create a persistent chat room</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 joined the room.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 left the room.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Chat settings</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Open new chat sessions in tabbed window</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Allow receiving a nudge</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>Show single emoticons larger</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Popup notifications</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>Do not show popup on a new message</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>Show popup on a first new message</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Show popup on a new message if the chat window is not active</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Sound notifications</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>Do not play a sound on a new message</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Play sound on a new message if the chat window is not active</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Always play sound on new message</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Auto reply</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Spell Check</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Check spelling when typing</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Supported languages dictionaries</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchronize</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Synchronization is in progress...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Gallery</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Zoom level</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>Smooth zoom</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Draw border</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>The automatic replies could not be saved. Your changes are still in this dialog.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>No spell check</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>No dictionary for %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>The dictionary for %1 is missing; spelling is not checked.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>Spell check in %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Close tab</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Chat</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>You have an unsent message(s).
Do you want to close all tabs?</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n missed messages</numerusform>
            <numerusform>%n missed messages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Update room details</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Room display name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>You are about to stop uploads.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>Do you really want to stop all uploads?</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Uploading...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Close and stop all unfinished uploads</translation>
    </message>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>Failed to upload %n files %1</numerusform>
            <numerusform>Failed to upload %n files %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n files</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>More information</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Change room settings</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Leave room</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Close tab</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Chat Room</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Chat Room</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;Copy username</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>&amp;Copy description</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;View profile</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Away</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Busy</translation>
    </message>
</context>
</TS>

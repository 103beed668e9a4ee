<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <location filename="../../render/attachmentblocks.cpp" line="516"/>
        <source>Location information</source>
        <translation>Location information</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <location filename="../../settings/ui/autoreplydialog.ui" line="28"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../../settings/ui/autoreplydialog.ui" line="33"/>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <location filename="../../settings/ui/autoreplydialog.ui" line="43"/>
        <source>Add automatic reply</source>
        <translation>Add automatic reply</translation>
    </message>
    <message>
        <location filename="../../settings/ui/autoreplydialog.ui" line="50"/>
        <source>Delete automatic reply</source>
        <translation>Delete automatic reply</translation>
    </message>
    <message>
        <location filename="../../settings/ui/autoreplydialog.ui" line="57"/>
        <source>Move automatic reply up</source>
        <translation>Move automatic reply up</translation>
    </message>
    <message>
        <location filename="../../settings/ui/autoreplydialog.ui" line="64"/>
        <source>Move automatic reply down</source>
        <translation>Move automatic reply down</translation>
    </message>
    <message>
        <location filename="../../settings/ui/autoreplydialog.cpp" line="63"/>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <location filename="../../settings/ui/autoreplydialog.cpp" line="64"/>
        <source>Away</source>
        <translation>Away</translation>
    </message>
    <message>
        <location filename="../../settings/ui/autoreplydialog.cpp" line="65"/>
        <source>Busy</source>
        <translation>Busy</translation>
    </message>
    <message>
        <location filename="../../settings/ui/autoreplydialog.cpp" line="127"/>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Type &quot;auto reply&quot; text here</translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <location filename="../../plugin/broadcastpluginimpl.cpp" line="15"/>
        <location filename="../../plugin/broadcastpluginimpl.cpp" line="16"/>
        <source>Broadcast Message</source>
        <translation>Broadcast Message</translation>
    </message>
    <message>
        <location filename="../../plugin/broadcastpluginimpl.cpp" line="17"/>
        <source>Broadcast Message Plugin</source>
        <translation>Broadcast Message Plugin</translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <location filename="../../settings/settingsmanager.cpp" line="32"/>
        <source>I will be right back.</source>
        <translation>I will be right back.</translation>
    </message>
    <message>
        <location filename="../../settings/settingsmanager.cpp" line="33"/>
        <source>Will you please send me the report?</source>
        <translation>Will you please send me the report?</translation>
    </message>
    <message>
        <location filename="../../settings/settingsmanager.cpp" line="34"/>
        <source>You have a call on line #</source>
        <translation>You have a call on line #</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.ui" line="9"/>
        <source>Quick Text Dialog</source>
        <translation>Quick Text Dialog</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.ui" line="24"/>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.ui" line="34"/>
        <source>Add quick text</source>
        <translation>Add quick text</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.ui" line="41"/>
        <source>Delete quick text</source>
        <translation>Delete quick text</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.ui" line="48"/>
        <source>Move quick text up</source>
        <translation>Move quick text up</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.ui" line="55"/>
        <source>Move quick text down</source>
        <translation>Move quick text down</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.ui" line="87"/>
        <source>Behaviour</source>
        <translation>Behaviour</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.ui" line="93"/>
        <source>Place the quick text into the field for sending</source>
        <translation>Place the quick text into the field for sending</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.ui" line="100"/>
        <source>Send the quick text instantly</source>
        <translation>Send the quick text instantly</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.ui" line="119"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.ui" line="129"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.cpp" line="62"/>
        <source>Type the message here</source>
        <translation>Type the message here</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.cpp" line="73"/>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</translation>
    </message>
    <message>
        <location filename="../../settings/ui/cannedmessagesdialog.cpp" line="77"/>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>The quick texts could not be saved. Your changes are still in this dialog.</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <location filename="../../ui/chat/chatalerts.cpp" line="66"/>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <location filename="../../ui/chat/chatfiledragoverlay.cpp" line="161"/>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatfiledragoverlay.cpp" line="162"/>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatfiledragoverlay.cpp" line="163"/>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>Direct file transfer is not possible with peer that is currently offline</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatfiledragoverlay.cpp" line="164"/>
        <source>Direct file transfer is not possible</source>
        <translation>Direct file transfer is not possible</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <location filename="../../chat/chatsession.cpp" line="303"/>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 has disabled nudges. Your nudge was not received.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="323"/>
        <source>&amp;Bold</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="324"/>
        <source>&amp;Italic</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="325"/>
        <source>&amp;Underline</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="326"/>
        <source>Nudge</source>
        <translation>Nudge</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="327"/>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="328"/>
        <source>Send picture</source>
        <translation>Send picture</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="329"/>
        <source>Quick text</source>
        <translation>Quick text</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="330"/>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="331"/>
        <source>This chat is encrypted</source>
        <translation>This chat is encrypted</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="338"/>
        <location filename="../../ui/chat/chatwindow.cpp" line="616"/>
        <location filename="../../ui/chat/chatwindow.cpp" line="628"/>
        <location filename="../../ui/chat/chatwindow.cpp" line="978"/>
        <source>Preparing chat room...</source>
        <translation>Preparing chat room...</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="361"/>
        <source>Notifications from %1 are enabled</source>
        <translation>Notifications from %1 are enabled</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="362"/>
        <source>Notifications from %1 are disabled</source>
        <translation>Notifications from %1 are disabled</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="364"/>
        <source>Automatic scroll is On for %1</source>
        <translation>Automatic scroll is On for %1</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="364"/>
        <source>Automatic scroll is Off for %1</source>
        <translation>Automatic scroll is Off for %1</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="595"/>
        <location filename="../../ui/chat/chatwindow.cpp" line="604"/>
        <location filename="../../ui/chat/chatwindow.cpp" line="606"/>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="601"/>
        <source>%1 - Chat Room</source>
        <translation>%1 - Chat Room</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="602"/>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Chat Room</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="670"/>
        <source>%1 is typing...</source>
        <translation>%1 is typing...</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="860"/>
        <source>sends you a nudge</source>
        <translation>sends you a nudge</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="893"/>
        <source>Auto reply: %1</source>
        <translation>Auto reply: %1</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="1009"/>
        <source>Detach from tab</source>
        <translation>Detach from tab</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="1009"/>
        <source>Attach to tab</source>
        <translation>Attach to tab</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="1107"/>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>You have an unsent message.
Do you want to close the window?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <location filename="../../ui/chat/chatwindow.ui" line="17"/>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.ui" line="169"/>
        <source>Send</source>
        <translation>Send</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <location filename="../../settings/ui/defaultfontdialog.cpp" line="61"/>
        <source>&amp;Bold</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <location filename="../../settings/ui/defaultfontdialog.cpp" line="62"/>
        <source>&amp;Italic</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <location filename="../../settings/ui/defaultfontdialog.cpp" line="63"/>
        <source>&amp;Underline</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <location filename="../../settings/ui/defaultfontdialog.cpp" line="64"/>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <location filename="../../settings/ui/defaultfontdialog.cpp" line="65"/>
        <source>&amp;Font</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <location filename="../../settings/ui/defaultfontdialog.cpp" line="71"/>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>The quick brown fox jumped over the lazy dog.</translation>
    </message>
    <message>
        <location filename="../../settings/ui/defaultfontdialog.cpp" line="142"/>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <location filename="../../settings/ui/defaultfontdialog.cpp" line="150"/>
        <source>Font</source>
        <translation>Font</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <location filename="../../ui/chat/fulltextviewer.cpp" line="22"/>
        <source>Whole message</source>
        <translation>Whole message</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <location filename="../../ui/chat/historylinks.cpp" line="59"/>
        <source>Open in Maps</source>
        <translation>Open in Maps</translation>
    </message>
    <message>
        <location filename="../../ui/chat/historylinks.cpp" line="60"/>
        <source>Copy to Clipboard</source>
        <translation>Copy to Clipboard</translation>
    </message>
    <message>
        <location filename="../../ui/chat/historylinks.cpp" line="61"/>
        <source>Forward via %1</source>
        <translation>Forward via %1</translation>
    </message>
    <message>
        <location filename="../../ui/chat/historylinks.cpp" line="163"/>
        <source>The picture has not arrived yet.</source>
        <translation>The picture has not arrived yet.</translation>
    </message>
    <message>
        <location filename="../../ui/chat/historylinks.cpp" line="186"/>
        <source>Forwarded location:</source>
        <translation>Forwarded location:</translation>
    </message>
    <message>
        <location filename="../../ui/chat/historylinks.cpp" line="189"/>
        <source>Forwarded location of %1:</source>
        <translation>Forwarded location of %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <location filename="../../ui/chat/historypane.cpp" line="106"/>
        <source>New messages</source>
        <translation>New messages</translation>
    </message>
    <message>
        <location filename="../../ui/chat/historypane.cpp" line="107"/>
        <source>Go to the newest message</source>
        <translation>Go to the newest message</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <location filename="../../ui/chat/linkopener.cpp" line="14"/>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>The address holds a user name in front of the host, where the host name seems to stand.</translation>
    </message>
    <message>
        <location filename="../../ui/chat/linkopener.cpp" line="16"/>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>The address holds invisible or direction-changing characters.</translation>
    </message>
    <message>
        <location filename="../../ui/chat/linkopener.cpp" line="18"/>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>The host name mixes letters of several alphabets.</translation>
    </message>
    <message>
        <location filename="../../ui/chat/linkopener.cpp" line="27"/>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>The link names a file on another computer; it was not opened.</translation>
    </message>
    <message>
        <location filename="../../ui/chat/linkopener.cpp" line="28"/>
        <source>The link cannot be opened.</source>
        <translation>The link cannot be opened.</translation>
    </message>
    <message>
        <location filename="../../ui/chat/linkopener.cpp" line="67"/>
        <source>Do you want to open this file?</source>
        <translation>Do you want to open this file?</translation>
    </message>
    <message>
        <location filename="../../ui/chat/linkopener.cpp" line="69"/>
        <source>Name: %1
Folder: %2</source>
        <translation>Name: %1
Folder: %2</translation>
    </message>
    <message>
        <location filename="../../ui/chat/linkopener.cpp" line="73"/>
        <source>Do you want to open this address?</source>
        <translation>Do you want to open this address?</translation>
    </message>
    <message>
        <location filename="../../ui/chat/linkopener.cpp" line="78"/>
        <source>It leads to the host %1.</source>
        <translation>It leads to the host %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <location filename="../../settings/ui/listtexteditor.cpp" line="99"/>
        <source>&amp;Bold</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <location filename="../../settings/ui/listtexteditor.cpp" line="99"/>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <location filename="../../settings/ui/listtexteditor.cpp" line="100"/>
        <source>&amp;Italic</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <location filename="../../settings/ui/listtexteditor.cpp" line="100"/>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <location filename="../../settings/ui/listtexteditor.cpp" line="101"/>
        <source>&amp;Underline</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <location filename="../../settings/ui/listtexteditor.cpp" line="101"/>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <location filename="../../settings/ui/listtexteditor.cpp" line="102"/>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <location filename="../../render/markupconverter.cpp" line="434"/>
        <source>Voice message</source>
        <translation>Voice message</translation>
    </message>
    <message>
        <location filename="../../render/markupconverter.cpp" line="435"/>
        <source>Video message</source>
        <translation>Video message</translation>
    </message>
    <message>
        <location filename="../../render/markupconverter.cpp" line="862"/>
        <location filename="../../render/messageblocks.cpp" line="108"/>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <location filename="../../ui/chat/messageactions.cpp" line="106"/>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <location filename="../../ui/chat/messageactions.cpp" line="108"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../../ui/chat/messageactions.cpp" line="110"/>
        <source>Danger</source>
        <translation>Danger</translation>
    </message>
    <message>
        <location filename="../../ui/chat/messageactions.cpp" line="112"/>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <location filename="../../ui/chat/messageactions.cpp" line="141"/>
        <source>Labels</source>
        <translation>Labels</translation>
    </message>
    <message>
        <location filename="../../ui/chat/messageactions.cpp" line="154"/>
        <source>Like</source>
        <translation>Like</translation>
    </message>
    <message>
        <location filename="../../ui/chat/messageactions.cpp" line="157"/>
        <source>Edit</source>
        <translation type="unfinished">Edit</translation>
    </message>
    <message>
        <location filename="../../ui/chat/messageactions.cpp" line="159"/>
        <source>Reply</source>
        <translation>Reply</translation>
    </message>
    <message>
        <location filename="../../ui/chat/messageactions.cpp" line="163"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../../ui/chat/messageactions.cpp" line="282"/>
        <source>A picture or an attachment</source>
        <translation>A picture or an attachment</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <location filename="../../render/messageblocks.cpp" line="134"/>
        <source>%1 sent you a nudge.</source>
        <translation>%1 sent you a nudge.</translation>
    </message>
    <message>
        <location filename="../../render/messageblocks.cpp" line="136"/>
        <source>You sent a nudge to %1.</source>
        <translation>You sent a nudge to %1.</translation>
    </message>
    <message>
        <location filename="../../render/messageblocks.cpp" line="225"/>
        <location filename="../../ui/chat/messageactions.cpp" line="275"/>
        <source>This message was deleted.</source>
        <translation>This message was deleted.</translation>
    </message>
    <message>
        <location filename="../../render/messageblocks.cpp" line="229"/>
        <source>edited</source>
        <translation>edited</translation>
    </message>
    <message>
        <location filename="../../render/messageblocks.cpp" line="234"/>
        <source>Show the whole message</source>
        <translation>Show the whole message</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <location filename="../../ui/chat/messageoverlay.cpp" line="84"/>
        <source>Reply to: %1</source>
        <translation>Reply to: %1</translation>
    </message>
    <message>
        <location filename="../../ui/chat/messageoverlay.cpp" line="84"/>
        <source>Edit message:</source>
        <translation>Edit message:</translation>
    </message>
    <message>
        <location filename="../../ui/chat/messageoverlay.cpp" line="85"/>
        <source>Close and discard changes</source>
        <translation>Close and discard changes</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <location filename="../../ui/chat/outgoingfiles.cpp" line="79"/>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Images ( %1 );; All files (*.*)</translation>
    </message>
    <message>
        <location filename="../../ui/chat/outgoingfiles.cpp" line="98"/>
        <source>Select pictures to send</source>
        <translation>Select pictures to send</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <location filename="../../plugin/chat.cpp" line="415"/>
        <source>%1 sent you a nudge.</source>
        <translation>%1 sent you a nudge.</translation>
    </message>
    <message>
        <location filename="../../plugin/chat.cpp" line="416"/>
        <source>You sent a nudge to %1.</source>
        <translation>You sent a nudge to %1.</translation>
    </message>
    <message>
        <location filename="../../plugin/pluginimpl.cpp" line="27"/>
        <location filename="../../plugin/pluginimpl.cpp" line="28"/>
        <source>Text Chat</source>
        <translation>Text Chat</translation>
    </message>
    <message>
        <location filename="../../plugin/pluginimpl.cpp" line="29"/>
        <source>Text Chat Plugin</source>
        <translation>Text Chat Plugin</translation>
    </message>
    <message>
        <location filename="../../plugin/pluginsupport.cpp" line="42"/>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>This plugin is disabled. Contact your administrator for more details.</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <location filename="../../ui/chat/quicktextmenu.cpp" line="92"/>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <location filename="../../plugin/roomspluginimpl.cpp" line="16"/>
        <source>Chat Rooms</source>
        <translation>Chat Rooms</translation>
    </message>
    <message>
        <location filename="../../plugin/roomspluginimpl.cpp" line="17"/>
        <source>Create Chat Room</source>
        <translation>Create Chat Room</translation>
    </message>
    <message>
        <location filename="../../plugin/roomspluginimpl.cpp" line="18"/>
        <source>Create a persistent chat room</source>
        <translation>Create a persistent chat room</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="9"/>
        <source>Chat settings</source>
        <translation>Chat settings</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="19"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="25"/>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Open new chat sessions in tabbed window</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="31"/>
        <source>Allow receiving a nudge</source>
        <translation>Allow receiving a nudge</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="37"/>
        <source>Show single emoticons larger</source>
        <translation>Show single emoticons larger</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="43"/>
        <source>Popup notifications</source>
        <translation>Popup notifications</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="49"/>
        <source>Do not show popup on a new message</source>
        <translation>Do not show popup on a new message</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="55"/>
        <source>Show popup on a first new message</source>
        <translation>Show popup on a first new message</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="61"/>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Show popup on a new message if the chat window is not active</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="70"/>
        <source>Sound notifications</source>
        <translation>Sound notifications</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="76"/>
        <source>Do not play a sound on a new message</source>
        <translation>Do not play a sound on a new message</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="82"/>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Play sound on a new message if the chat window is not active</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="88"/>
        <source>Always play sound on new message</source>
        <translation>Always play sound on new message</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="105"/>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="122"/>
        <source>Auto reply</source>
        <translation>Auto reply</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="139"/>
        <source>Spell Check</source>
        <translation>Spell Check</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="145"/>
        <source>Check spelling when typing</source>
        <translation>Check spelling when typing</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="151"/>
        <source>Supported languages dictionaries</source>
        <translation>Supported languages dictionaries</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="161"/>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="167"/>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="181"/>
        <source>Synchronize</source>
        <translation>Synchronize</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="188"/>
        <source>Synchronization is in progress...</source>
        <translation>Synchronization is in progress...</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="211"/>
        <source>Gallery</source>
        <translation>Gallery</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="217"/>
        <source>Magnifier</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="222"/>
        <source>Zoom level</source>
        <translation>Zoom level</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="228"/>
        <source>Smooth zoom</source>
        <translation>Smooth zoom</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="233"/>
        <source>Shape</source>
        <translation>Shape</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="237"/>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="238"/>
        <source>Circle</source>
        <translation>Circle</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="242"/>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="248"/>
        <source>Draw border</source>
        <translation>Draw border</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="283"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.ui" line="293"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.cpp" line="115"/>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.cpp" line="119"/>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>The automatic replies could not be saved. Your changes are still in this dialog.</translation>
    </message>
    <message>
        <location filename="../../settings/ui/settingsdialog.cpp" line="160"/>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <location filename="../../ui/chat/spelllanguagecontrol.cpp" line="75"/>
        <location filename="../../ui/chat/spelllanguagecontrol.cpp" line="111"/>
        <source>No spell check</source>
        <translation>No spell check</translation>
    </message>
    <message>
        <location filename="../../ui/chat/spelllanguagecontrol.cpp" line="78"/>
        <source>No dictionary for %1</source>
        <translation>No dictionary for %1</translation>
    </message>
    <message>
        <location filename="../../ui/chat/spelllanguagecontrol.cpp" line="79"/>
        <location filename="../../ui/chat/spelllanguagecontrol.cpp" line="175"/>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>The dictionary for %1 is missing; spelling is not checked.</translation>
    </message>
    <message>
        <location filename="../../ui/chat/spelllanguagecontrol.cpp" line="81"/>
        <source>Spell check in %1</source>
        <translation>Spell check in %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <location filename="../../ui/chat/tabbedchatwindow.ui" line="55"/>
        <location filename="../../ui/chat/tabbedchatwindow.cpp" line="350"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../ui/chat/tabbedchatwindow.cpp" line="306"/>
        <source>%1 missed messages</source>
        <translation>%1 missed messages</translation>
    </message>
    <message>
        <location filename="../../ui/chat/tabbedchatwindow.cpp" line="306"/>
        <source>Close tab</source>
        <translation type="unfinished">Close tab</translation>
    </message>
    <message>
        <location filename="../../ui/chat/tabbedchatwindow.cpp" line="345"/>
        <source>%1 - Chat</source>
        <translation>%1 - Chat</translation>
    </message>
    <message>
        <location filename="../../ui/chat/tabbedchatwindow.cpp" line="433"/>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>You have an unsent message(s).
Do you want to close all tabs?</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message>
        <location filename="../../ui/chat/uploadslistframe.cpp" line="333"/>
        <source>Failed to upload %1 files %2</source>
        <translation>Failed to upload %1 files %2</translation>
    </message>
    <message>
        <location filename="../../ui/chat/uploadslistframe.cpp" line="351"/>
        <source>You are about to stop uploads.</source>
        <translation>You are about to stop uploads.</translation>
    </message>
    <message>
        <location filename="../../ui/chat/uploadslistframe.cpp" line="352"/>
        <source>Do you really want to stop all uploads?</source>
        <translation>Do you really want to stop all uploads?</translation>
    </message>
    <message>
        <location filename="../../ui/chat/uploadslistframe.cpp" line="392"/>
        <source>%1 files</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <location filename="../../ui/chat/uploadslistframe.cpp" line="392"/>
        <source>Uploading...</source>
        <translation>Uploading...</translation>
    </message>
    <message>
        <location filename="../../ui/chat/uploadslistframe.cpp" line="393"/>
        <source>Close and stop all unfinished uploads</source>
        <translation>Close and stop all unfinished uploads</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <location filename="../../ui/chat/userinfoframe.ui" line="147"/>
        <source>More information</source>
        <translation>More information</translation>
    </message>
    <message>
        <location filename="../../ui/chat/userinfoframe.ui" line="160"/>
        <source>Change room settings</source>
        <translation>Change room settings</translation>
    </message>
    <message>
        <location filename="../../ui/chat/userinfoframe.ui" line="167"/>
        <source>Leave room</source>
        <translation>Leave room</translation>
    </message>
    <message>
        <location filename="../../ui/chat/userinfoframe.ui" line="174"/>
        <source>Close tab</source>
        <translation>Close tab</translation>
    </message>
    <message>
        <location filename="../../ui/chat/userinfoframe.cpp" line="90"/>
        <source>%1 - Chat Room</source>
        <translation>%1 - Chat Room</translation>
    </message>
    <message>
        <location filename="../../ui/chat/userinfoframe.cpp" line="91"/>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Chat Room</translation>
    </message>
    <message>
        <location filename="../../ui/chat/userinfoframe.cpp" line="176"/>
        <source>&amp;Copy username</source>
        <translation>&amp;Copy username</translation>
    </message>
    <message>
        <location filename="../../ui/chat/userinfoframe.cpp" line="178"/>
        <source>&amp;Copy description</source>
        <translation>&amp;Copy description</translation>
    </message>
    <message>
        <location filename="../../ui/chat/userinfoframe.cpp" line="180"/>
        <source>&amp;View profile</source>
        <translation>&amp;View profile</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <location filename="../../plugin/records/userobj.cpp" line="80"/>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <location filename="../../plugin/records/userobj.cpp" line="81"/>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <location filename="../../plugin/records/userobj.cpp" line="82"/>
        <source>Away</source>
        <translation>Away</translation>
    </message>
    <message>
        <location filename="../../plugin/records/userobj.cpp" line="83"/>
        <source>Busy</source>
        <translation>Busy</translation>
    </message>
</context>
</TS>

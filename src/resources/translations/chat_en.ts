<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <location filename="../../render/attachmentblocks.cpp" line="103"/>
        <source>Location information</source>
        <translation>Location information</translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <location filename="../../plugin/broadcastpluginimpl.cpp" line="35"/>
        <location filename="../../plugin/broadcastpluginimpl.cpp" line="45"/>
        <source>Broadcast Message</source>
        <translation>Broadcast Message</translation>
    </message>
    <message>
        <location filename="../../plugin/broadcastpluginimpl.cpp" line="66"/>
        <source>Broadcast Message Plugin</source>
        <translation>Broadcast Message Plugin</translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <location filename="../../settings/settingsmanager.cpp" line="31"/>
        <source>I will be right back.</source>
        <translation>I will be right back.</translation>
    </message>
    <message>
        <location filename="../../settings/settingsmanager.cpp" line="32"/>
        <source>Will you please send me the report?</source>
        <translation>Will you please send me the report?</translation>
    </message>
    <message>
        <location filename="../../settings/settingsmanager.cpp" line="33"/>
        <source>You have a call on line #</source>
        <translation>You have a call on line #</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <location filename="../../chat/chatsession.cpp" line="276"/>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 has disabled nudges. Your nudge was not received.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="352"/>
        <source>&amp;Bold</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="353"/>
        <source>&amp;Italic</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="354"/>
        <source>&amp;Underline</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="355"/>
        <source>Nudge</source>
        <translation>Nudge</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="356"/>
        <source>This chat is encrypted</source>
        <translation>This chat is encrypted</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="360"/>
        <location filename="../../ui/chat/chatwindow.cpp" line="662"/>
        <location filename="../../ui/chat/chatwindow.cpp" line="674"/>
        <location filename="../../ui/chat/chatwindow.cpp" line="1279"/>
        <source>Preparing chat room...</source>
        <translation>Preparing chat room...</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="383"/>
        <source>Notifications from %1 are enabled</source>
        <translation>Notifications from %1 are enabled</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="384"/>
        <source>Notifications from %1 are disabled</source>
        <translation>Notifications from %1 are disabled</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="386"/>
        <source>Automatic scroll is On for %1</source>
        <translation>Automatic scroll is On for %1</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="386"/>
        <source>Automatic scroll is Off for %1</source>
        <translation>Automatic scroll is Off for %1</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="396"/>
        <location filename="../../ui/chat/chatwindow.cpp" line="478"/>
        <source>No spell check</source>
        <translation>No spell check</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="403"/>
        <source>Spell check in %1</source>
        <translation>Spell check in %1</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="641"/>
        <location filename="../../ui/chat/chatwindow.cpp" line="650"/>
        <location filename="../../ui/chat/chatwindow.cpp" line="652"/>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="647"/>
        <source>%1 - Chat Room</source>
        <translation>%1 - Chat Room</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="648"/>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Chat Room</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="716"/>
        <source>%1 is typing...</source>
        <translation>%1 is typing...</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="1095"/>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="1166"/>
        <source>sends you a nudge</source>
        <translation>sends you a nudge</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="1196"/>
        <source>Auto reply: %1</source>
        <translation>Auto reply: %1</translation>
    </message>
    <message>
        <location filename="../../ui/chat/chatwindow.cpp" line="1384"/>
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
    <name>MarkupConverter</name>
    <message>
        <location filename="../../render/markupconverter.cpp" line="331"/>
        <source>Voice message</source>
        <translation>Voice message</translation>
    </message>
    <message>
        <location filename="../../render/markupconverter.cpp" line="332"/>
        <source>Video message</source>
        <translation>Video message</translation>
    </message>
    <message>
        <location filename="../../render/markupconverter.cpp" line="690"/>
        <location filename="../../render/messageblocks.cpp" line="105"/>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <location filename="../../plugin/chat.cpp" line="382"/>
        <source>%1 sent you a nudge.</source>
        <translation>%1 sent you a nudge.</translation>
    </message>
    <message>
        <location filename="../../plugin/chat.cpp" line="383"/>
        <source>You sent a nudge to %1.</source>
        <translation>You sent a nudge to %1.</translation>
    </message>
    <message>
        <location filename="../../plugin/pluginimpl.cpp" line="105"/>
        <location filename="../../plugin/pluginimpl.cpp" line="115"/>
        <source>Text Chat</source>
        <translation>Text Chat</translation>
    </message>
    <message>
        <location filename="../../plugin/pluginimpl.cpp" line="135"/>
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
    <name>RoomsPluginImpl</name>
    <message>
        <location filename="../../plugin/roomspluginimpl.cpp" line="55"/>
        <source>Chat Rooms</source>
        <translation>Chat Rooms</translation>
    </message>
    <message>
        <location filename="../../plugin/roomspluginimpl.cpp" line="65"/>
        <source>Create Chat Room</source>
        <translation>Create Chat Room</translation>
    </message>
    <message>
        <location filename="../../plugin/roomspluginimpl.cpp" line="86"/>
        <source>Create a persistent chat room</source>
        <translation>Create a persistent chat room</translation>
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
        <location filename="../../ui/chat/userinfoframe.cpp" line="167"/>
        <source>&amp;Copy username</source>
        <translation>&amp;Copy username</translation>
    </message>
    <message>
        <location filename="../../ui/chat/userinfoframe.cpp" line="169"/>
        <source>&amp;Copy description</source>
        <translation>&amp;Copy description</translation>
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

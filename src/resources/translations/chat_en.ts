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
    <name>MarkupConverter</name>
    <message>
        <location filename="../../render/markupconverter.cpp" line="293"/>
        <source>Voice message</source>
        <translation>Voice message</translation>
    </message>
    <message>
        <location filename="../../render/markupconverter.cpp" line="294"/>
        <source>Video message</source>
        <translation>Video message</translation>
    </message>
    <message>
        <location filename="../../render/markupconverter.cpp" line="570"/>
        <location filename="../../render/messageblocks.cpp" line="105"/>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <location filename="../../plugin/chat.cpp" line="383"/>
        <source>%1 sent you a nudge.</source>
        <translation>%1 sent you a nudge.</translation>
    </message>
    <message>
        <location filename="../../plugin/chat.cpp" line="384"/>
        <source>You sent a nudge to %1.</source>
        <translation>You sent a nudge to %1.</translation>
    </message>
    <message>
        <location filename="../../plugin/pluginimpl.cpp" line="39"/>
        <location filename="../../plugin/pluginimpl.cpp" line="49"/>
        <source>Text Chat</source>
        <translation>Text Chat</translation>
    </message>
    <message>
        <location filename="../../plugin/pluginimpl.cpp" line="63"/>
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

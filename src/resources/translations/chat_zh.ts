<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>位置信息</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>添加自动回复</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>删除自动回复</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>上移自动回复</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>下移自动回复</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>在线</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>离开</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>忙碌</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>在此输入自动回复内容</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>群发消息</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>错过的群发消息</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>关闭此事件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <source>Broadcast Message</source>
        <translation>群发消息</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>群发消息插件</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>群发消息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>在地图中打开</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>通过 %1 转发</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>%1 转发的位置：</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>群发消息</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>粗体(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下划线(&amp;U)</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>快捷短语</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>表情</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>添加用户</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>此聊天已加密</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>已读</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>与服务器的连接已断开。连接恢复后即可发送群发消息。</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>移除用户</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>全部已读</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>发送完成</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>你有一条未发送的消息。
要关闭窗口吗？</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>你选择的用户超过 %n 个。请取消选择部分收件人。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>你选择的用户少于 %n 个。请选择收件人。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>我马上回来。</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>请把报告发给我好吗？</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>有你的电话，线路 #</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>快捷短语</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>添加快捷短语</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>删除快捷短语</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>上移快捷短语</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>下移快捷短语</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>行为</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>将快捷短语放入输入框</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>立即发送快捷短语</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>在此输入消息</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>此快捷短语太长，无法保存：快捷短语最多 %1 KB。请缩短后再次点击“确定”。</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>无法保存快捷短语。你的更改仍保留在此对话框中。</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>新聊天室</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%2 中的 %1</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>拖放到此处&lt;br&gt;
&lt;b&gt;直接传输&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>拖放到此处&lt;br&gt;
&lt;b&gt;立即送达&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>对方当前离线，无法直接传输文件</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>无法直接传输文件</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>图片文件 (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>转发</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 已关闭窗口抖动。对方未收到你的窗口抖动。</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>粗体(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下划线(&amp;U)</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>窗口抖动</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>发送图片</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>快捷短语</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>表情</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>此聊天已加密</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>正在准备聊天室...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>已开启来自 %1 的通知</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>已关闭来自 %1 的通知</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>%1 的自动滚动已开启</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>%1 的自动滚动已关闭</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>聊天</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - 聊天室</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - 聊天室</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 正在输入...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>向你发送了窗口抖动</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>自动回复：%1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>从标签页分离</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>附加到标签页</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>你有一条未发送的消息。
要关闭窗口吗？</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>聊天</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>粗体(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下划线(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>颜色(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>字体(&amp;F)</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>敏捷的棕色狐狸跳过了那只懒狗。</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>在聊天中查找</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>区分大小写</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>较早的匹配 (Enter, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>较新的匹配 (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>关闭 (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>无匹配项</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>第 %1+ 个，共 %2 个</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 个，共 %2 个</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>完整消息</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>在地图中打开</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>通过 %1 转发</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>图片尚未送达。</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>转发的位置：</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>%1 转发的位置：</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>新消息</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>转到最新消息</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>该地址在主机前含有用户名，而那里看起来像是主机名。</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>该地址含有不可见字符或改变书写方向的字符。</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>主机名混用了多种文字的字母。</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>该链接指向另一台计算机上的文件，未打开。</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>无法打开该链接。</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>要打开此文件吗？</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>名称：%1
文件夹：%2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>要打开此地址吗？</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>它指向主机 %1。</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>粗体(&amp;B)</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下划线(&amp;U)</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>表情</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>语音消息</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>视频消息</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>危险</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进行中</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>赞</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>回复</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>图片或附件</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 向你发送了窗口抖动。</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>你向 %1 发送了窗口抖动。</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>此消息已删除。</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>已编辑</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>显示完整消息</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>回复：%1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>编辑消息：</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>关闭并放弃更改</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>图片 ( %1 );; 所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>选择要发送的图片</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 向你发送了窗口抖动。</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>你向 %1 发送了窗口抖动。</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>文字聊天</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>文字聊天插件</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>此插件已停用。详情请联系管理员。</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>向此聊天室添加成员（永久）</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>无法准备聊天室。</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>要关闭窗口吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>确定要离开聊天室“%1”吗？</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>聊天室</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>创建聊天室</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>创建常设聊天室</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 加入了聊天室。</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 离开了聊天室。</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>聊天设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>在标签页窗口中打开新聊天</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>允许接收窗口抖动</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>单个表情放大显示</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>弹出通知</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>收到新消息时不弹出通知</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>收到第一条新消息时弹出通知</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>聊天窗口不活动时收到新消息弹出通知</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>声音通知</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>收到新消息时不播放声音</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>聊天窗口不活动时收到新消息播放声音</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>收到新消息时总是播放声音</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>自动回复</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>拼写检查</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>输入时检查拼写</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>支持语言的词典</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>如果本地历史记录因故损坏，可以点击下面的按钮重置并同步。

警告：此过程可能需要一段时间，且不显示进度。
仅在支持团队指示时才进行同步。</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>正在同步...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>图库</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>放大镜</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>缩放级别</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>平滑缩放</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>绘制边框</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>此自动回复太长，无法保存：自动回复最多 %1 KB。请缩短后再次点击“确定”。</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>无法保存自动回复。你的更改仍保留在此对话框中。</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>即将清除本地历史记录并开始同步。

要继续吗？</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>不检查拼写</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>没有 %1 词典</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>缺少 %1 词典，不检查拼写。</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>拼写检查：%1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n 条未读消息</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>关闭标签页</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - 聊天</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>你有未发送的消息。
要关闭所有标签页吗？</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>更新聊天室详情</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>聊天室显示名称</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>%n 个文件上传失败 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>即将停止上传。</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>确定要停止所有上传吗？</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>正在上传...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>关闭并停止所有未完成的上传</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>更多信息</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>更改聊天室设置</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>离开聊天室</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>关闭标签页</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - 聊天室</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - 聊天室</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>复制用户名(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>复制描述(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>查看资料(&amp;V)</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>在线</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>离开</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>忙碌</translation>
    </message>
</context>
</TS>

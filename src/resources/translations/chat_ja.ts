<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>位置情報</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>自動応答を追加</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>自動応答を削除</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>自動応答を上へ移動</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>自動応答を下へ移動</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>退席中</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>取り込み中</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>自動応答のテキストをここに入力</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>一斉送信</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>見逃した一斉送信</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>このイベントを閉じる</translation>
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
        <translation>一斉送信</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>一斉送信プラグイン</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>一斉送信</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>マップで開く</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>クリップボードにコピー</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>%1 で転送</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>%1 の転送された位置:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>一斉送信</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>太字(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下線(&amp;U)</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>クイックテキスト</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>絵文字</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>ユーザーを追加</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>このチャットは暗号化されています</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信済み</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>既読</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>サーバーとの接続が切れました。接続が回復すると一斉送信を送れます。</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>ユーザーを削除</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>全員が既読</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>送信が完了しました</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>未送信のメッセージがあります。
ウィンドウを閉じますか？</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>%n 人を超えるユーザーを選択しています。受信者の選択を一部解除してください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>選択したユーザーが %n 人未満です。受信者を選択してください。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>すぐに戻ります。</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>報告書を送っていただけますか？</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>外線にお電話です: #</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>クイックテキスト</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>クイックテキストを追加</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>クイックテキストを削除</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>クイックテキストを上へ移動</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>クイックテキストを下へ移動</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>クイックテキストを入力欄に挿入する</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>クイックテキストをすぐに送信する</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>ここにメッセージを入力</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>このクイックテキストは長すぎて保存できません。クイックテキストは最大 %1 KB です。短くしてからもう一度 OK を押してください。</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>クイックテキストを保存できませんでした。変更内容はこのダイアログに残っています。</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>新しいルーム</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>ここにドロップして&lt;br&gt;
&lt;b&gt;直接転送&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>ここにドロップして&lt;br&gt;
&lt;b&gt;即時配信&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>オフラインの相手とは直接ファイル転送できません</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>直接ファイル転送はできません</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>画像ファイル (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>転送</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 はノックを無効にしています。ノックは届きませんでした。</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>太字(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下線(&amp;U)</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>ノック</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>画像を送信</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>クイックテキスト</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>絵文字</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>このチャットは暗号化されています</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>ルームを準備しています...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>%1 からの通知は有効です</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>%1 からの通知は無効です</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>%1 の自動スクロールはオンです</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>%1 の自動スクロールはオフです</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>チャット</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - ルーム</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - ルーム</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 が入力中...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>あなたをノックしています</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>自動応答: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>タブから切り離す</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>タブに戻す</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>未送信のメッセージがあります。
ウィンドウを閉じますか？</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>チャット</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>太字(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下線(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>色(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>フォント(&amp;F)</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>いろはにほへと ちりぬるを わかよたれそ つねならむ</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>チャット内を検索</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>大文字と小文字を区別</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>前の一致 (Enter、F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>次の一致 (Shift+Enter、Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>閉じる (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>一致なし</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ / %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>メッセージ全文</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>マップで開く</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>クリップボードにコピー</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>%1 で転送</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>画像はまだ届いていません。</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>転送された位置:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>%1 の転送された位置:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>新着メッセージ</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>最新のメッセージへ</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>このアドレスには、ホスト名があるように見える位置のホストの前にユーザー名が含まれています。</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>このアドレスには不可視文字または文字方向を変える文字が含まれています。</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>ホスト名に複数の文字体系の文字が混在しています。</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>このリンクは別のコンピューター上のファイルを指しているため、開きませんでした。</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>リンクを開けません。</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>このファイルを開きますか？</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>名前: %1
フォルダー: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>このアドレスを開きますか？</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>接続先はホスト %1 です。</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>太字(&amp;B)</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
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
        <translation>下線(&amp;U)</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>絵文字</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>ボイスメッセージ</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>ビデオメッセージ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
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
        <translation>危険</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行中</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>いいね</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>返信</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>画像または添付ファイル</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 があなたをノックしました。</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>%1 をノックしました。</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>このメッセージは削除されました。</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>編集済み</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>メッセージ全文を表示</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>返信先: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>メッセージを編集:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>変更を破棄して閉じる</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>画像 ( %1 );; すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>送信する画像を選択</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 があなたをノックしました。</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>%1 をノックしました。</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>テキストチャット</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>テキストチャット プラグイン</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>このプラグインは無効です。詳しくは管理者にお問い合わせください。</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>このルームにメンバーを追加 (常設)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>ルームを準備できませんでした。</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>ウィンドウを閉じますか？</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>ルーム「%1」から退出しますか？</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>ルーム</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>ルームを作成</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>常設のルームを作成</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 がルームに参加しました。</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 がルームから退出しました。</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>チャットの設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>新しいチャットをタブ付きウィンドウで開く</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>ノックの受信を許可</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>単独の絵文字を大きく表示</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>ポップアップ通知</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>新着メッセージでポップアップを表示しない</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>最初の新着メッセージでポップアップを表示</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>チャットウィンドウが非アクティブのとき新着メッセージでポップアップを表示</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>サウンド通知</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>新着メッセージで音を鳴らさない</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>チャットウィンドウが非アクティブのとき新着メッセージで音を鳴らす</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>新着メッセージで常に音を鳴らす</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>自動応答</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>スペルチェック</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>入力中にスペルをチェック</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>対応言語の辞書</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>ローカルの履歴が何らかの理由で破損した場合は、下のボタンでリセットして同期できます。

警告: この処理には時間がかかることがあり、進行状況は表示されません。
サポートチームから指示があった場合にのみ同期してください。</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>同期しています...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>ギャラリー</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>拡大鏡</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>拡大率</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>なめらかに拡大</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>円</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>枠を描く</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>この自動応答は長すぎて保存できません。自動応答は最大 %1 KB です。短くしてからもう一度 OK を押してください。</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>自動応答を保存できませんでした。変更内容はこのダイアログに残っています。</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>ローカルの履歴を消去して同期を開始します。

続行しますか？</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>スペルチェックなし</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>%1 の辞書がありません</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>%1 の辞書がないため、スペルはチェックされません。</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>スペルチェック: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>未読メッセージ %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>タブを閉じる</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - チャット</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>未送信のメッセージがあります。
すべてのタブを閉じますか？</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>ルームの詳細を更新</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>ルームの表示名</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>%n 個のファイルをアップロードできませんでした %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>アップロードを中止しようとしています。</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>すべてのアップロードを中止しますか？</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>アップロード中...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>閉じて未完了のアップロードをすべて中止</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>詳細情報</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>ルームの設定を変更</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>ルームから退出</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>タブを閉じる</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - ルーム</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - ルーム</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>ユーザー名をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>説明をコピー(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>プロフィールを表示(&amp;V)</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>退席中</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>取り込み中</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Информация за местоположение</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>Състояние</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Съобщения</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Добавяне на автоматичен отговор</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Изтриване на автоматичен отговор</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Преместване на автоматичния отговор нагоре</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Преместване на автоматичния отговор надолу</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>На линия</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Отсъства</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Зает</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Въведете текста на автоматичния отговор тук</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Разпращане</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Пропуснато разпращане</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Затваряне на това събитие</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Разпращане</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Приставка за разпращане</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Разпращане</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Отваряне в Карти</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Копиране в буфера</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Препращане чрез %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Препратено местоположение на %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Разпращане</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Удебелен</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Подчертан</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Бърз текст</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Емотикони</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Добавяне на потребители</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Изпращане</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Този чат е шифрован</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Изпратено</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Видяно</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>Връзката със сървъра е прекъсната. Разпращането може да бъде изпратено, когато тя се възстанови.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Премахване на потребителя</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Видяно от всички</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Изпращането завърши</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Имате неизпратено съобщение.
Да се затвори ли прозорецът?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>Избрали сте повече от %n потребител. Махнете някои получатели.</numerusform>
            <numerusform>Избрали сте повече от %n потребители. Махнете някои получатели.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>Избрали сте по-малко от %n потребител. Изберете получатели.</numerusform>
            <numerusform>Избрали сте по-малко от %n потребители. Изберете получатели.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>Връщам се веднага.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>Ще ми изпратиш ли доклада, моля?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>Търсят те по линия №</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>Бързи текстове</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Съобщения</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Добавяне на бърз текст</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Изтриване на бърз текст</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Преместване на бързия текст нагоре</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Преместване на бързия текст надолу</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Поведение</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Поставяне на бързия текст в полето за писане</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Незабавно изпращане на бързия текст</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>Въведете съобщението тук</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Този бърз текст е твърде дълъг, за да бъде запазен: бърз текст побира най-много %1 KB. Съкратете го и натиснете ОК отново.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>Бързите текстове не можаха да бъдат запазени. Промените ви са все още в този прозорец.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>Нова стая</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 в %2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>Пуснете тук за&lt;br&gt;
&lt;b&gt;директен пренос&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Пуснете тук за&lt;br&gt;
&lt;b&gt;незабавна доставка&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>Директният пренос на файлове не е възможен с контакт, който не е на линия</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>Директният пренос на файлове не е възможен</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Запазване на изображението</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>Файлове с изображения (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печат</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>Отваряне</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Препращане</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копиране</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Запазване като</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печат</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Цял екран</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затваряне</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 е изключил побутванията. Вашето побутване не е получено.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Удебелен</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Подчертан</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Побутване</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменти</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Изпращане на изображение</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Бърз текст</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Емотикони</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Този чат е шифрован</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Подготвяне на стаята...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>Известията от %1 са включени</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>Известията от %1 са изключени</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>Автоматичното превъртане е включено за %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>Автоматичното превъртане е изключено за %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Чат</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Стая</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Стая</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 пише...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>ви побутва</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Автоматичен отговор: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Отделяне от раздела</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>Прикрепяне към раздел</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Имате неизпратено съобщение.
Да се затвори ли прозорецът?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>Чат</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Изпращане</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Удебелен</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Подчертан</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Цвят...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Шрифт</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>Ах, чудна българска земьо, полюшвай цъфтящи жита.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвят</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>Търсене в чата</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Различаване на главни и малки букви</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>По-старо съвпадение (Enter, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>По-ново съвпадение (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Затваряне (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Няма съвпадения</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ от %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 от %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>Цялото съобщение</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>Отваряне в Карти</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Копиране в буфера</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Препращане чрез %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>Изображението още не е пристигнало.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>Препратено местоположение:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Препратено местоположение на %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>Нови съобщения</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>Към най-новото съобщение</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Търсене</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>Адресът съдържа потребителско име пред хоста, там където изглежда, че стои името на хоста.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>Адресът съдържа невидими знаци или знаци, сменящи посоката на текста.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>Името на хоста смесва букви от няколко азбуки.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>Връзката сочи файл на друг компютър; тя не беше отворена.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>Връзката не може да бъде отворена.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>Да се отвори ли този файл?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Име: %1
Папка: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>Да се отвори ли този адрес?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>Той води към хоста %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Удебелен</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Удебелен</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Подчертан</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчертан</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Емотикони</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>Гласово съобщение</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Видеосъобщение</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>Успех</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Опасност</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>В ход</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Етикети</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Харесвам</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Редактиране</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Отговор</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Изтриване</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>Изображение или прикачен файл</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 ви побутна.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Побутнахте %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>Това съобщение е изтрито.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>редактирано</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Показване на цялото съобщение</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Отговор на: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>Редактиране на съобщение:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Затваряне без запазване на промените</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Изображения ( %1 );; Всички файлове (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Изберете изображения за изпращане</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 ви побутна.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Побутнахте %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Текстов чат</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Приставка за текстов чат</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>Тази приставка е изключена. За подробности се обърнете към администратора.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Добавяне на хора в тази стая (постоянна)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Редактиране</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>Стаята не можа да бъде подготвена.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>Искате ли да затворите прозореца?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>Наистина ли искате да напуснете стаята „%1“?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>Стаи</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>Създаване на стая</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Създаване на постоянна стая</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 влезе в стаята.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 напусна стаята.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Настройки на чата</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общи</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Отваряне на новите чатове в прозорец с раздели</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Разрешаване на побутвания</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>По-големи единични емотикони</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Изскачащи известия</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>Без известие при ново съобщение</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>Известие при първото ново съобщение</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Известие при ново съобщение, ако прозорецът не е активен</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Звукови известия</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>Без звук при ново съобщение</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Звук при ново съобщение, ако прозорецът не е активен</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Винаги звук при ново съобщение</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Автоотговор</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Правопис</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Проверка на правописа при писане</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Речници на поддържаните езици</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>Ако по някаква причина локалната ви история е повредена, можете да я нулирате и синхронизирате с бутона по-долу.

Внимание: процесът може да отнеме време и напредъкът не се показва.
Синхронизирайте само ако екипът по поддръжка ви е инструктирал.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Синхронизиране</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Синхронизиране...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Галерия</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Мащаб</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>Плавно мащабиране</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Правоъгълник</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Кръг</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Този автоматичен отговор е твърде дълъг, за да бъде запазен: отговорът побира най-много %1 KB. Съкратете го и натиснете ОК отново.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>Автоматичните отговори не можаха да бъдат запазени. Промените ви са все още в този прозорец.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>Локалната история ще бъде изчистена и ще започне синхронизиране.

Да продължа ли?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>Без проверка на правописа</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>Няма речник за %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>Речникът за %1 липсва; правописът не се проверява.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>Проверка на правописа: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>Име</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n пропуснато съобщение</numerusform>
            <numerusform>%n пропуснати съобщения</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Затваряне на раздела</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Чат</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>Имате неизпратени съобщения.
Да се затворят ли всички раздели?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Промяна на данните за стаята</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Показвано име на стаята</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>Неуспешно качване на %n файл %1</numerusform>
            <numerusform>Неуспешно качване на %n файла %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>Качванията ще бъдат спрени.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>Наистина ли да се спрат всички качвания?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Качване...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Затваряне и спиране на незавършените качвания</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>Повече информация</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Промяна на настройките на стаята</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Напускане на стаята</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Затваряне на раздела</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Стая</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Стая</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;Копиране на потребителското име</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>Копиране на &amp;описанието</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;Преглед на профила</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>Извън линия</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>На линия</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Отсъства</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Зает</translation>
    </message>
</context>
</TS>

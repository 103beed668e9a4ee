<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Сведения о местоположении</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Добавить автоответ</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Удалить автоответ</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Переместить автоответ вверх</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Переместить автоответ вниз</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>В сети</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Отошёл</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Занят</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Введите здесь текст автоответа</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Рассылка</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Пропущенная рассылка</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Закрыть это событие</translation>
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
        <translation>Рассылка</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Модуль рассылки</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Рассылка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Открыть в Картах</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Копировать в буфер обмена</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Переслать через %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Пересланное местоположение %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Рассылка</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Жирный</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Подчёркнутый</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Быстрый текст</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Смайлики</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Добавить пользователей</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Этот чат зашифрован</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Просмотрено</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>Соединение с сервером потеряно. Рассылку можно будет отправить, когда оно восстановится.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Удалить пользователя</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Просмотрено всеми</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Отправка завершена</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>У вас есть неотправленное сообщение.
Закрыть окно?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>Выбрано более %n пользователя. Снимите выбор с некоторых получателей.</numerusform>
            <numerusform>Выбрано более %n пользователей. Снимите выбор с некоторых получателей.</numerusform>
            <numerusform>Выбрано более %n пользователей. Снимите выбор с некоторых получателей.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>Выбрано менее %n пользователя. Выберите получателей.</numerusform>
            <numerusform>Выбрано менее %n пользователей. Выберите получателей.</numerusform>
            <numerusform>Выбрано менее %n пользователей. Выберите получателей.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>Сейчас вернусь.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>Пришли мне, пожалуйста, отчёт.</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>Тебе звонят по линии №</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>Быстрые тексты</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Добавить быстрый текст</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Удалить быстрый текст</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Переместить быстрый текст вверх</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Переместить быстрый текст вниз</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Поведение</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Вставлять быстрый текст в поле ввода</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Сразу отправлять быстрый текст</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>Введите сообщение здесь</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Этот быстрый текст слишком длинный для сохранения: быстрый текст вмещает не более %1 КБ. Сократите его и снова нажмите ОК.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>Не удалось сохранить быстрые тексты. Ваши изменения остались в этом окне.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>Новая комната</translation>
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
        <translation>Перетащите сюда для&lt;br&gt;
&lt;b&gt;прямой передачи&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Перетащите сюда для&lt;br&gt;
&lt;b&gt;мгновенной доставки&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>Прямая передача файлов невозможна: собеседник не в сети</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>Прямая передача файлов невозможна</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Сохранить изображение</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>Файлы изображений (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Переслать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 отключил толчки. Ваш толчок не доставлен.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Жирный</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Подчёркнутый</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Толчок</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Отправить изображение</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Быстрый текст</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Смайлики</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Этот чат зашифрован</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Подготовка комнаты...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>Уведомления от %1 включены</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>Уведомления от %1 выключены</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>Автопрокрутка включена для %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>Автопрокрутка выключена для %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Чат</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Комната</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Комната</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 печатает...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>толкает вас</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Автоответ: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Открепить от вкладки</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>Прикрепить к вкладке</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>У вас есть неотправленное сообщение.
Закрыть окно?</translation>
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
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Жирный</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Подчёркнутый</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Цвет...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Шрифт</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>Съешь же ещё этих мягких французских булок да выпей чаю.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
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
        <translation>Поиск в чате</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Учитывать регистр</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>Более раннее совпадение (Enter, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>Более позднее совпадение (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Закрыть (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Совпадений нет</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ из %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>Всё сообщение</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>Открыть в Картах</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Копировать в буфер обмена</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Переслать через %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>Изображение ещё не получено.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>Пересланное местоположение:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Пересланное местоположение %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>Новые сообщения</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>К последнему сообщению</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>Адрес содержит имя пользователя перед хостом — там, где, казалось бы, стоит имя хоста.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>Адрес содержит невидимые символы или символы смены направления текста.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>В имени хоста смешаны буквы разных алфавитов.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>Ссылка указывает на файл на другом компьютере; она не открыта.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>Не удаётся открыть ссылку.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>Открыть этот файл?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Имя: %1
Папка: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>Открыть этот адрес?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>Он ведёт на хост %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Жирный</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жирный</translation>
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
        <translation>&amp;Подчёркнутый</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Смайлики</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>Голосовое сообщение</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Видеосообщение</translation>
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
        <translation>Опасность</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>В работе</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Метки</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Нравится</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Ответить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>Изображение или вложение</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 толкнул вас.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Вы толкнули %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>Это сообщение удалено.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>изменено</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Показать всё сообщение</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Ответ на: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>Изменение сообщения:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Закрыть и отменить изменения</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Изображения ( %1 );; Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Выберите изображения для отправки</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 толкнул вас.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Вы толкнули %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Текстовый чат</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Модуль текстового чата</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>Этот модуль отключён. Подробности можно узнать у администратора.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Добавить людей в эту комнату (постоянную)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>Не удалось подготовить комнату.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>Закрыть окно?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>Вы действительно хотите покинуть комнату «%1»?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>Комнаты</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>Создать комнату</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Создать постоянную комнату</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 входит в комнату.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 покидает комнату.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Настройки чата</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Открывать новые чаты в окне с вкладками</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Разрешить толчки</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>Увеличивать одиночные смайлики</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Всплывающие уведомления</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>Не показывать уведомление о новом сообщении</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>Показывать уведомление о первом новом сообщении</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Показывать уведомление о новом сообщении, если окно чата неактивно</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Звуковые уведомления</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>Не воспроизводить звук при новом сообщении</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Звук при новом сообщении, если окно чата неактивно</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Всегда воспроизводить звук при новом сообщении</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Автоответ</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Орфография</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Проверять орфографию при вводе</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Словари поддерживаемых языков</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>Если локальная история по какой-либо причине повреждена, её можно сбросить и синхронизировать кнопкой ниже.

Внимание: это может занять время, индикатора хода нет.
Синхронизируйте только по указанию службы поддержки.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Синхронизировать</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Идёт синхронизация...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Галерея</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>Плавное масштабирование</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Круг</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Рисовать рамку</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Этот автоответ слишком длинный для сохранения: автоответ вмещает не более %1 КБ. Сократите его и снова нажмите ОК.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>Не удалось сохранить автоответы. Ваши изменения остались в этом окне.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>Локальная история будет очищена и начнётся синхронизация.

Продолжить?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>Без проверки орфографии</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>Нет словаря для %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>Словарь для %1 отсутствует; орфография не проверяется.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>Проверка орфографии: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n пропущенное сообщение</numerusform>
            <numerusform>%n пропущенных сообщения</numerusform>
            <numerusform>%n пропущенных сообщений</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Закрыть вкладку</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Чат</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>У вас есть неотправленные сообщения.
Закрыть все вкладки?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Изменить сведения о комнате</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Отображаемое имя комнаты</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>Не удалось загрузить %n файл %1</numerusform>
            <numerusform>Не удалось загрузить %n файла %1</numerusform>
            <numerusform>Не удалось загрузить %n файлов %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>Загрузки будут остановлены.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>Остановить все загрузки?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Закрыть и остановить все незавершённые загрузки</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Изменить настройки комнаты</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Покинуть комнату</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Закрыть вкладку</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Комната</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Комната</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;Копировать имя пользователя</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>Копировать &amp;описание</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;Просмотреть профиль</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>Не в сети</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>В сети</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Отошёл</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Занят</translation>
    </message>
</context>
</TS>

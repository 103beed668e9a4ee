<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Informace o poloze</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Zprávy</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Přidat automatickou odpověď</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Smazat automatickou odpověď</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Posunout automatickou odpověď nahoru</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Posunout automatickou odpověď dolů</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Pryč</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Zaneprázdněn</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Sem napište text automatické odpovědi</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Hromadná zpráva</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Zmeškaná hromadná zpráva</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Zavřít tuto událost</translation>
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
        <translation>Hromadná zpráva</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Zásuvný modul hromadných zpráv</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Hromadná zpráva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Otevřít v Mapách</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopírovat do schránky</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Přeposlat přes %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Přeposlaná poloha od %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Hromadná zpráva</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Tučné</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kurzíva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Podtržené</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Rychlý text</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emotikony</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Přidat uživatele</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Odeslat</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Tato konverzace je šifrovaná</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Odesláno</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Zobrazeno</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>Spojení se serverem bylo ztraceno. Hromadnou zprávu bude možné odeslat, až se obnoví.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Odebrat uživatele</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Zobrazeno všemi</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Odesílání dokončeno</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Máte neodeslanou zprávu.
Chcete okno zavřít?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>Vybrali jste více než %n uživatele. Zrušte výběr některých příjemců.</numerusform>
            <numerusform>Vybrali jste více než %n uživatele. Zrušte výběr některých příjemců.</numerusform>
            <numerusform>Vybrali jste více než %n uživatelů. Zrušte výběr některých příjemců.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>Vybrali jste méně než %n uživatele. Vyberte nějaké příjemce.</numerusform>
            <numerusform>Vybrali jste méně než %n uživatele. Vyberte nějaké příjemce.</numerusform>
            <numerusform>Vybrali jste méně než %n uživatelů. Vyberte nějaké příjemce.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>Hned jsem zpátky.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>Pošleš mi prosím tu zprávu?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>Máš hovor na lince č.</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>Rychlé texty</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Zprávy</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Přidat rychlý text</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Smazat rychlý text</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Posunout rychlý text nahoru</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Posunout rychlý text dolů</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Chování</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Vložit rychlý text do pole pro psaní</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Rychlý text ihned odeslat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>Sem napište zprávu</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Tento rychlý text je příliš dlouhý na uložení: rychlý text pojme nejvýše %1 KB. Zkraťte ho a znovu stiskněte OK.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>Rychlé texty se nepodařilo uložit. Vaše změny zůstávají v tomto okně.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>Nová místnost</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 v %2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>Pusťte sem pro&lt;br&gt;
&lt;b&gt;přímý přenos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Pusťte sem pro&lt;br&gt;
&lt;b&gt;okamžité doručení&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>Přímý přenos souborů není možný s kontaktem, který je offline</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>Přímý přenos souborů není možný</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Uložit obrázek</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>Soubory obrázků (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Přeposlat</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Uložit jako</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 má šťouchnutí vypnutá. Vaše šťouchnutí nebylo doručeno.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Tučné</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kurzíva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Podtržené</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Šťouchnout</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Nástroje</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Odeslat obrázek</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Rychlý text</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emotikony</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Tato konverzace je šifrovaná</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Připravuje se místnost...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>Oznámení od %1 jsou zapnutá</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>Oznámení od %1 jsou vypnutá</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>Automatické posouvání je zapnuté pro %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>Automatické posouvání je vypnuté pro %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Konverzace</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Místnost</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Místnost</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 píše...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>do vás šťouchá</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Automatická odpověď: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Oddělit z karty</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>Připojit ke kartě</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Máte neodeslanou zprávu.
Chcete okno zavřít?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>Konverzace</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Odeslat</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Tučné</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kurzíva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Podtržené</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Barva...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Pís&amp;mo</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>Příliš žluťoučký kůň úpěl ďábelské ódy.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Barva</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Písmo</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>Hledat v konverzaci</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Rozlišovat velikost písmen</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>Starší výsledek (Enter, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>Novější výsledek (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Zavřít (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Žádné výsledky</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ z %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>Celá zpráva</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>Otevřít v Mapách</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopírovat do schránky</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Přeposlat přes %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>Obrázek ještě nedorazil.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>Přeposlaná poloha:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Přeposlaná poloha od %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>Nové zprávy</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>Přejít na nejnovější zprávu</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>Adresa obsahuje před hostitelem uživatelské jméno, tam kde se zdá být jméno hostitele.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>Adresa obsahuje neviditelné znaky nebo znaky měnící směr textu.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>Jméno hostitele míchá písmena několika abeced.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>Odkaz ukazuje na soubor na jiném počítači; nebyl otevřen.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>Odkaz nelze otevřít.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>Chcete otevřít tento soubor?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Název: %1
Složka: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>Chcete otevřít tuto adresu?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>Vede na hostitele %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Tučné</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Tučné</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kurzíva</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kurzíva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Podtržené</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Podtržené</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emotikony</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>Hlasová zpráva</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Videozpráva</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámé</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>Úspěch</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Nebezpečí</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Probíhá</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Štítky</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Líbí se mi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Odpovědět</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>Obrázek nebo příloha</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 do vás šťouchl.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Šťouchli jste do %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>Tato zpráva byla smazána.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>upraveno</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Zobrazit celou zprávu</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Odpověď na: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>Upravit zprávu:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Zavřít a zahodit změny</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Obrázky ( %1 );; Všechny soubory (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Vyberte obrázky k odeslání</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 do vás šťouchl.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Šťouchli jste do %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Textová konverzace</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Zásuvný modul textové konverzace</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>Tento zásuvný modul je vypnutý. Podrobnosti vám sdělí správce.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Přidat lidi do této místnosti (trvalé)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>Místnost se nepodařilo připravit.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>Chcete zavřít okno?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>Opravdu chcete opustit místnost „%1“?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>Místnosti</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>Vytvořit místnost</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Vytvořit trvalou místnost</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 vstoupil(a) do místnosti.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 opustil(a) místnost.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Nastavení konverzace</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Otevírat nové konverzace v okně s kartami</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Přijímat šťouchnutí</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>Zobrazovat samostatné emotikony větší</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Vyskakovací oznámení</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>Nezobrazovat oznámení o nové zprávě</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>Oznámení o první nové zprávě</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Oznámení o nové zprávě, když okno konverzace není aktivní</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Zvuková oznámení</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>Nepřehrávat zvuk při nové zprávě</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Zvuk při nové zprávě, když okno konverzace není aktivní</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Vždy přehrát zvuk při nové zprávě</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Písmo</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Autoodpověď</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Pravopis</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Kontrolovat pravopis při psaní</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Slovníky podporovaných jazyků</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>Pokud je vaše místní historie z jakéhokoli důvodu poškozená, můžete ji tlačítkem níže obnovit a synchronizovat.

Upozornění: Může to chvíli trvat a průběh se nezobrazuje.
Synchronizujte jen tehdy, když vás o to požádá tým podpory.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchronizovat</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Probíhá synchronizace...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Míra zvětšení</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>Plynulé zvětšení</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Tvar</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Obdélník</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kruh</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Kreslit okraj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Tato automatická odpověď je příliš dlouhá na uložení: odpověď pojme nejvýše %1 KB. Zkraťte ji a znovu stiskněte OK.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>Automatické odpovědi se nepodařilo uložit. Vaše změny zůstávají v tomto okně.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>Chystáte se vymazat místní historii a spustit synchronizaci.

Chcete pokračovat?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>Bez kontroly pravopisu</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>Žádný slovník pro %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>Slovník pro %1 chybí; pravopis se nekontroluje.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>Kontrola pravopisu: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n zmeškaná zpráva</numerusform>
            <numerusform>%n zmeškané zprávy</numerusform>
            <numerusform>%n zmeškaných zpráv</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Zavřít kartu</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Konverzace</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>Máte neodeslané zprávy.
Chcete zavřít všechny karty?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Upravit údaje místnosti</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Zobrazovaný název místnosti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>Nepodařilo se nahrát %n soubor %1</numerusform>
            <numerusform>Nepodařilo se nahrát %n soubory %1</numerusform>
            <numerusform>Nepodařilo se nahrát %n souborů %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>Chystáte se zastavit nahrávání.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>Opravdu chcete zastavit všechna nahrávání?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n soubor</numerusform>
            <numerusform>%n soubory</numerusform>
            <numerusform>%n souborů</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Nahrávání...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Zavřít a zastavit všechna nedokončená nahrávání</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>Další informace</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Změnit nastavení místnosti</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Opustit místnost</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Zavřít kartu</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Místnost</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Místnost</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;Kopírovat uživatelské jméno</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>Kopírovat &amp;popis</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;Zobrazit profil</translation>
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
        <translation>Pryč</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Zaneprázdněn</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Informácie o polohe</translation>
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
        <translation>Správy</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Pridať automatickú odpoveď</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Odstrániť automatickú odpoveď</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Posunúť automatickú odpoveď nahor</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Posunúť automatickú odpoveď nadol</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Preč</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Zaneprázdnený</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Sem napíšte text automatickej odpovede</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Hromadná správa</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Zmeškaná hromadná správa</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Zavrieť túto udalosť</translation>
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
        <translation>Hromadná správa</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Doplnok hromadných správ</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Hromadná správa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Otvoriť v Mapách</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopírovať do schránky</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Preposlať cez %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Preposlaná poloha od %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Hromadná správa</translation>
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
        <translation>&amp;Podčiarknuté</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Rýchly text</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emotikony</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Pridať používateľov</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Odoslať</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Táto konverzácia je šifrovaná</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Odoslané</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Zobrazené</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>Spojenie so serverom sa stratilo. Hromadnú správu bude možné odoslať, keď sa obnoví.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Odstrániť používateľa</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Zobrazené všetkými</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Odosielanie dokončené</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Máte neodoslanú správu.
Chcete zavrieť okno?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>Vybrali ste viac ako %n používateľa. Zrušte výber niektorých príjemcov.</numerusform>
            <numerusform>Vybrali ste viac ako %n používateľov. Zrušte výber niektorých príjemcov.</numerusform>
            <numerusform>Vybrali ste viac ako %n používateľov. Zrušte výber niektorých príjemcov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>Vybrali ste menej ako %n používateľa. Vyberte nejakých príjemcov.</numerusform>
            <numerusform>Vybrali ste menej ako %n používateľov. Vyberte nejakých príjemcov.</numerusform>
            <numerusform>Vybrali ste menej ako %n používateľov. Vyberte nejakých príjemcov.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>Hneď som späť.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>Pošleš mi, prosím, tú správu?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>Máš hovor na linke č.</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>Rýchle texty</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Správy</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Pridať rýchly text</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Odstrániť rýchly text</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Posunúť rýchly text nahor</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Posunúť rýchly text nadol</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Správanie</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Vložiť rýchly text do poľa na písanie</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Rýchly text hneď odoslať</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>Sem napíšte správu</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Tento rýchly text je príliš dlhý na uloženie: rýchly text pojme najviac %1 KB. Skráťte ho a znova stlačte OK.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>Rýchle texty sa nepodarilo uložiť. Vaše zmeny zostávajú v tomto okne.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>Nová miestnosť</translation>
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
        <translation>Pustite sem na&lt;br&gt;
&lt;b&gt;priamy prenos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Pustite sem na&lt;br&gt;
&lt;b&gt;okamžité doručenie&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>Priamy prenos súborov nie je možný s kontaktom, ktorý je offline</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>Priamy prenos súborov nie je možný</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Uložiť obrázok</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>Súbory obrázkov (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tlačiť</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Preposlať</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovať</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Uložiť ako</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tlačiť</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 má štuchnutia vypnuté. Vaše štuchnutie nebolo doručené.</translation>
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
        <translation>&amp;Podčiarknuté</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Štuchnúť</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Nástroje</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Odoslať obrázok</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Rýchly text</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emotikony</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Táto konverzácia je šifrovaná</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Pripravuje sa miestnosť...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>Upozornenia od %1 sú zapnuté</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>Upozornenia od %1 sú vypnuté</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>Automatické posúvanie je zapnuté pre %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>Automatické posúvanie je vypnuté pre %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Konverzácia</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Miestnosť</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Miestnosť</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 píše...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>do vás štuchá</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Automatická odpoveď: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Oddeliť z karty</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>Pripojiť ku karte</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Máte neodoslanú správu.
Chcete zavrieť okno?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>Konverzácia</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Odoslať</translation>
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
        <translation>&amp;Podčiarknuté</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farba...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Pís&amp;mo</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>Kŕdeľ ďatľov učí koňa žrať kôru.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farba</translation>
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
        <translation>Hľadať v konverzácii</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Rozlišovať veľkosť písmen</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>Starší výsledok (Enter, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>Novší výsledok (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Zavrieť (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Žiadne výsledky</translation>
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
        <translation>Celá správa</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>Otvoriť v Mapách</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopírovať do schránky</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Preposlať cez %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>Obrázok ešte neprišiel.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>Preposlaná poloha:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Preposlaná poloha od %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>Nové správy</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>Prejsť na najnovšiu správu</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Nájsť</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>Adresa obsahuje pred hostiteľom používateľské meno, tam kde sa zdá byť meno hostiteľa.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>Adresa obsahuje neviditeľné znaky alebo znaky meniace smer textu.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>Meno hostiteľa mieša písmená viacerých abecied.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>Odkaz ukazuje na súbor na inom počítači; nebol otvorený.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>Odkaz nemožno otvoriť.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>Chcete otvoriť tento súbor?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Názov: %1
Priečinok: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>Chcete otvoriť túto adresu?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>Vedie na hostiteľa %1.</translation>
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
        <translation>&amp;Podčiarknuté</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Podčiarknuté</translation>
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
        <translation>Hlasová správa</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Videospráva</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznáme</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>Úspech</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornenie</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Nebezpečenstvo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Prebieha</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Štítky</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Páči sa mi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upraviť</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Odpovedať</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>Obrázok alebo príloha</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 do vás štuchol.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Štuchli ste do %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>Táto správa bola odstránená.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>upravené</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Zobraziť celú správu</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Odpoveď na: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>Upraviť správu:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Zavrieť a zahodiť zmeny</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Obrázky ( %1 );; Všetky súbory (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Vyberte obrázky na odoslanie</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 do vás štuchol.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Štuchli ste do %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Textová konverzácia</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Doplnok textovej konverzácie</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>Tento doplnok je vypnutý. Podrobnosti vám poskytne správca.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Pridať ľudí do tejto miestnosti (trvalej)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Upraviť</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>Miestnosť sa nepodarilo pripraviť.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>Chcete zavrieť okno?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>Naozaj chcete opustiť miestnosť „%1“?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>Miestnosti</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>Vytvoriť miestnosť</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Vytvoriť trvalú miestnosť</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 vstúpil(a) do miestnosti.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 opustil(a) miestnosť.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Nastavenia konverzácie</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Všeobecné</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Otvárať nové konverzácie v okne s kartami</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Prijímať štuchnutia</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>Zobrazovať samostatné emotikony väčšie</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Kontextové upozornenia</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>Nezobrazovať upozornenie na novú správu</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>Upozornenie na prvú novú správu</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Upozornenie na novú správu, keď okno konverzácie nie je aktívne</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Zvukové upozornenia</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>Neprehrávať zvuk pri novej správe</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Zvuk pri novej správe, keď okno konverzácie nie je aktívne</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Vždy prehrať zvuk pri novej správe</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Písmo</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Autoodpoveď</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Pravopis</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Kontrolovať pravopis pri písaní</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Slovníky podporovaných jazykov</translation>
    </message>
    <message>
        <source>History</source>
        <translation>História</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>Ak je vaša miestna história z akéhokoľvek dôvodu poškodená, môžete ju tlačidlom nižšie obnoviť a synchronizovať.

Upozornenie: Môže to chvíľu trvať a priebeh sa nezobrazuje.
Synchronizujte, len ak vás o to požiada tím podpory.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchronizovať</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Prebieha synchronizácia...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Galéria</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Miera priblíženia</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>Plynulé priblíženie</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Tvar</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Obdĺžnik</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kruh</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Veľkosť</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Kresliť okraj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Táto automatická odpoveď je príliš dlhá na uloženie: odpoveď pojme najviac %1 KB. Skráťte ju a znova stlačte OK.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>Automatické odpovede sa nepodarilo uložiť. Vaše zmeny zostávajú v tomto okne.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>Chystáte sa vymazať miestnu históriu a spustiť synchronizáciu.

Chcete pokračovať?</translation>
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
        <translation>Žiadny slovník pre %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>Slovník pre %1 chýba; pravopis sa nekontroluje.</translation>
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
        <translation>Meno</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n zmeškaná správa</numerusform>
            <numerusform>%n zmeškané správy</numerusform>
            <numerusform>%n zmeškaných správ</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Zavrieť kartu</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Konverzácia</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>Máte neodoslané správy.
Chcete zavrieť všetky karty?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Upraviť údaje miestnosti</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Zobrazovaný názov miestnosti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>Nepodarilo sa nahrať %n súbor %1</numerusform>
            <numerusform>Nepodarilo sa nahrať %n súbory %1</numerusform>
            <numerusform>Nepodarilo sa nahrať %n súborov %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>Chystáte sa zastaviť nahrávanie.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>Naozaj chcete zastaviť všetky nahrávania?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n súbor</numerusform>
            <numerusform>%n súbory</numerusform>
            <numerusform>%n súborov</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Nahráva sa...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Zavrieť a zastaviť všetky nedokončené nahrávania</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>Ďalšie informácie</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Zmeniť nastavenia miestnosti</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Opustiť miestnosť</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Zavrieť kartu</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Miestnosť</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Miestnosť</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;Kopírovať používateľské meno</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>Kopírovať &amp;popis</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;Zobraziť profil</translation>
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
        <translation>Preč</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Zaneprázdnený</translation>
    </message>
</context>
</TS>

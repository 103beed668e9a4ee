<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Informacje o lokalizacji</translation>
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
        <translation>Wiadomości</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Dodaj odpowiedź automatyczną</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Usuń odpowiedź automatyczną</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Przesuń odpowiedź automatyczną w górę</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Przesuń odpowiedź automatyczną w dół</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Dostępny</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Zaraz wracam</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Zajęty</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Wpisz tutaj tekst odpowiedzi automatycznej</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Wiadomość zbiorcza</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Nieodebrana wiadomość zbiorcza</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Zamknij to zdarzenie</translation>
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
        <translation>Wiadomość zbiorcza</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Wtyczka wiadomości zbiorczych</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Wiadomość zbiorcza</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Otwórz w Mapach</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopiuj do schowka</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Przekaż przez %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Przekazana lokalizacja od %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Wiadomość zbiorcza</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Pogrubienie</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>K&amp;ursywa</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>Po&amp;dkreślenie</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Szybki tekst</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emotikony</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Dodaj użytkowników</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Ta rozmowa jest szyfrowana</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Wysłano</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Wyświetlono</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>Utracono połączenie z serwerem. Wiadomość zbiorczą będzie można wysłać po jego przywróceniu.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Usuń użytkownika</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Wyświetlona przez wszystkich</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Wysyłanie zakończone</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Masz niewysłaną wiadomość.
Czy chcesz zamknąć okno?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>Wybrano więcej niż %n użytkownika. Odznacz niektórych odbiorców.</numerusform>
            <numerusform>Wybrano więcej niż %n użytkowników. Odznacz niektórych odbiorców.</numerusform>
            <numerusform>Wybrano więcej niż %n użytkowników. Odznacz niektórych odbiorców.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>Wybrano mniej niż %n użytkownika. Wybierz odbiorców.</numerusform>
            <numerusform>Wybrano mniej niż %n użytkowników. Wybierz odbiorców.</numerusform>
            <numerusform>Wybrano mniej niż %n użytkowników. Wybierz odbiorców.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>Zaraz wracam.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>Prześlesz mi proszę raport?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>Masz połączenie na linii nr</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>Szybkie teksty</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Wiadomości</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Dodaj szybki tekst</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Usuń szybki tekst</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Przesuń szybki tekst w górę</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Przesuń szybki tekst w dół</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Zachowanie</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Wstaw szybki tekst do pola wpisywania</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Wyślij szybki tekst od razu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>Wpisz tutaj wiadomość</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Ten szybki tekst jest za długi, by go zapisać: szybki tekst mieści najwyżej %1 KB. Skróć go i ponownie naciśnij OK.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>Nie udało się zapisać szybkich tekstów. Twoje zmiany nadal są w tym oknie.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>Nowy pokój</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 w %2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>Upuść tutaj, aby wysłać&lt;br&gt;
&lt;b&gt;bezpośrednio&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Upuść tutaj, aby&lt;br&gt;
&lt;b&gt;dostarczyć od razu&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>Bezpośredni transfer plików nie jest możliwy z rozmówcą, który jest niedostępny</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>Bezpośredni transfer plików nie jest możliwy</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>Pliki obrazów (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Przekaż</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 wyłączył szturchnięcia. Twoje szturchnięcie nie dotarło.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Pogrubienie</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>K&amp;ursywa</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>Po&amp;dkreślenie</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Szturchnij</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Wyślij obraz</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Szybki tekst</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emotikony</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Ta rozmowa jest szyfrowana</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Przygotowywanie pokoju...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>Powiadomienia od %1 są włączone</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>Powiadomienia od %1 są wyłączone</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>Automatyczne przewijanie jest włączone dla %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>Automatyczne przewijanie jest wyłączone dla %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Rozmowa</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Pokój</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Pokój</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 pisze...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>szturcha cię</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Odpowiedź automatyczna: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Odłącz od karty</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>Dołącz do karty</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Masz niewysłaną wiadomość.
Czy chcesz zamknąć okno?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>Rozmowa</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Pogrubienie</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>K&amp;ursywa</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>Po&amp;dkreślenie</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Kolor...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Czcionka</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>Pchnąć w tę łódź jeża lub ośm skrzyń fig.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>Szukaj w rozmowie</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Uwzględniaj wielkość liter</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>Starszy wynik (Enter, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>Nowszy wynik (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Zamknij (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Brak wyników</translation>
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
        <translation>Cała wiadomość</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>Otwórz w Mapach</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopiuj do schowka</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Przekaż przez %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>Obraz jeszcze nie dotarł.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>Przekazana lokalizacja:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Przekazana lokalizacja od %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>Nowe wiadomości</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>Przejdź do najnowszej wiadomości</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>Adres zawiera nazwę użytkownika przed hostem, tam gdzie zdaje się stać nazwa hosta.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>Adres zawiera znaki niewidoczne lub zmieniające kierunek tekstu.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>Nazwa hosta miesza litery z kilku alfabetów.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>Łącze wskazuje plik na innym komputerze; nie zostało otwarte.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>Nie można otworzyć łącza.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>Czy chcesz otworzyć ten plik?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Nazwa: %1
Folder: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>Czy chcesz otworzyć ten adres?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>Prowadzi do hosta %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Pogrubienie</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Pogrubienie</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>K&amp;ursywa</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursywa</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>Po&amp;dkreślenie</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Podkreślenie</translation>
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
        <translation>Wiadomość głosowa</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Wiadomość wideo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>Sukces</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Zagrożenie</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>W toku</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etykiety</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Lubię to</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Odpowiedz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>Obraz lub załącznik</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 szturchnął cię.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Szturchnąłeś %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>Ta wiadomość została usunięta.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>edytowano</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Pokaż całą wiadomość</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Odpowiedź na: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>Edytuj wiadomość:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Zamknij i odrzuć zmiany</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Obrazy ( %1 );; Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Wybierz obrazy do wysłania</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 szturchnął cię.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Szturchnąłeś %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Rozmowa tekstowa</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Wtyczka rozmowy tekstowej</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>Ta wtyczka jest wyłączona. Szczegóły poda administrator.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Dodaj osoby do tego pokoju (stałego)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>Nie udało się przygotować pokoju.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>Czy chcesz zamknąć okno?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>Czy na pewno chcesz opuścić pokój „%1”?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>Pokoje</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>Utwórz pokój</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Utwórz stały pokój</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 dołącza do pokoju.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 opuszcza pokój.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Ustawienia rozmowy</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Otwieraj nowe rozmowy w oknie z kartami</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Zezwalaj na szturchnięcia</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>Pokazuj pojedyncze emotikony większe</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Powiadomienia wyskakujące</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>Nie pokazuj powiadomienia o nowej wiadomości</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>Powiadomienie o pierwszej nowej wiadomości</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Powiadomienie o nowej wiadomości, gdy okno rozmowy nie jest aktywne</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Powiadomienia dźwiękowe</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>Bez dźwięku przy nowej wiadomości</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Dźwięk przy nowej wiadomości, gdy okno rozmowy nie jest aktywne</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Zawsze dźwięk przy nowej wiadomości</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Autoodpowiedź</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Pisownia</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Sprawdzaj pisownię podczas pisania</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Słowniki obsługiwanych języków</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>Jeśli z jakiegoś powodu lokalna historia jest uszkodzona, możesz ją zresetować i zsynchronizować przyciskiem poniżej.

Uwaga: może to chwilę potrwać, a postęp nie jest pokazywany.
Synchronizuj tylko na polecenie zespołu wsparcia.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchronizuj</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Trwa synchronizacja...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Galeria</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>Płynne powiększanie</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Kształt</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Prostokąt</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Koło</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Rysuj obramowanie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Ta odpowiedź automatyczna jest za długa, by ją zapisać: odpowiedź mieści najwyżej %1 KB. Skróć ją i ponownie naciśnij OK.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>Nie udało się zapisać odpowiedzi automatycznych. Twoje zmiany nadal są w tym oknie.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>Lokalna historia zostanie wyczyszczona i rozpocznie się synchronizacja.

Czy chcesz kontynuować?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>Bez sprawdzania pisowni</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>Brak słownika dla %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>Brakuje słownika dla %1; pisownia nie jest sprawdzana.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>Sprawdzanie pisowni: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n nieodczytana wiadomość</numerusform>
            <numerusform>%n nieodczytane wiadomości</numerusform>
            <numerusform>%n nieodczytanych wiadomości</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Zamknij kartę</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Rozmowa</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>Masz niewysłane wiadomości.
Czy chcesz zamknąć wszystkie karty?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Zmień dane pokoju</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Wyświetlana nazwa pokoju</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>Nie udało się przesłać %n pliku %1</numerusform>
            <numerusform>Nie udało się przesłać %n plików %1</numerusform>
            <numerusform>Nie udało się przesłać %n plików %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>Przesyłanie zostanie zatrzymane.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>Czy na pewno zatrzymać całe przesyłanie?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n plik</numerusform>
            <numerusform>%n pliki</numerusform>
            <numerusform>%n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Przesyłanie...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Zamknij i zatrzymaj niedokończone przesyłanie</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>Więcej informacji</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Zmień ustawienia pokoju</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Opuść pokój</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Zamknij kartę</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Pokój</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Pokój</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;Kopiuj nazwę użytkownika</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>Kopiuj &amp;opis</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;Wyświetl profil</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>Niedostępny</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Dostępny</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Zaraz wracam</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Zajęty</translation>
    </message>
</context>
</TS>

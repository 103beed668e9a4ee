<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Standortinformationen</translation>
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
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Automatische Antwort hinzufügen</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Automatische Antwort löschen</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Automatische Antwort nach oben</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Automatische Antwort nach unten</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Abwesend</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Text der automatischen Antwort hier eingeben</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Rundnachricht</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Verpasste Rundnachricht</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Dieses Ereignis schließen</translation>
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
        <translation>Rundnachricht</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Plug-in für Rundnachrichten</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Rundnachricht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>In Karten öffnen</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Weiterleiten über %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Weitergeleiteter Standort von %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Rundnachricht</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Schnelltext</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Benutzer hinzufügen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Dieser Chat ist verschlüsselt</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Gesehen</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>Die Verbindung zum Server ist unterbrochen. Die Rundnachricht kann gesendet werden, sobald sie wieder besteht.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Benutzer entfernen</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Von allen gesehen</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Senden abgeschlossen</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Du hast eine nicht gesendete Nachricht.
Möchtest du das Fenster schließen?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>Du hast mehr als %n Benutzer ausgewählt. Bitte entferne einige Empfänger.</numerusform>
            <numerusform>Du hast mehr als %n Benutzer ausgewählt. Bitte entferne einige Empfänger.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>Du hast weniger als %n Benutzer ausgewählt. Bitte wähle Empfänger aus.</numerusform>
            <numerusform>Du hast weniger als %n Benutzer ausgewählt. Bitte wähle Empfänger aus.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>Bin gleich zurück.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>Kannst du mir bitte den Bericht schicken?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>Ein Anruf für dich auf Leitung #</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>Schnelltexte</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Schnelltext hinzufügen</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Schnelltext löschen</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Schnelltext nach oben</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Schnelltext nach unten</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Verhalten</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Schnelltext in das Eingabefeld setzen</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Schnelltext sofort senden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>Nachricht hier eingeben</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Dieser Schnelltext ist zu lang zum Speichern: Ein Schnelltext fasst höchstens %1 KB. Kürze ihn und klicke erneut auf OK.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>Die Schnelltexte konnten nicht gespeichert werden. Deine Änderungen sind noch in diesem Dialog.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>Neuer Chatroom</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>Hier ablegen für&lt;br&gt;
&lt;b&gt;direkte Übertragung&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Hier ablegen für&lt;br&gt;
&lt;b&gt;sofortige Zustellung&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>Direkte Dateiübertragung ist nicht möglich, solange der Kontakt offline ist</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>Direkte Dateiübertragung ist nicht möglich</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>Bilddateien (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 hat Anstupser ausgeschaltet. Dein Anstupser kam nicht an.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Anstupsen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Bild senden</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Schnelltext</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Dieser Chat ist verschlüsselt</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Chatroom wird vorbereitet...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>Benachrichtigungen von %1 sind eingeschaltet</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>Benachrichtigungen von %1 sind ausgeschaltet</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>Automatisches Blättern ist an für %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>Automatisches Blättern ist aus für %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Chatroom</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Chatroom</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 schreibt...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>stupst dich an</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Automatische Antwort: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Aus dem Tab lösen</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>An Tab anhängen</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Du hast eine nicht gesendete Nachricht.
Möchtest du das Fenster schließen?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>F&amp;arbe...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>Zwölf Boxkämpfer jagen Viktor quer über den großen Sylter Deich.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>Im Chat suchen</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>Älterer Treffer (Eingabe, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>Neuerer Treffer (Umschalt+Eingabe, Umschalt+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ von %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>Ganze Nachricht</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>In Karten öffnen</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Weiterleiten über %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>Das Bild ist noch nicht angekommen.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>Weitergeleiteter Standort:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Weitergeleiteter Standort von %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>Neue Nachrichten</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>Zur neuesten Nachricht</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>Die Adresse enthält vor dem Host einen Benutzernamen, wo scheinbar der Hostname steht.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>Die Adresse enthält unsichtbare oder die Schreibrichtung ändernde Zeichen.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>Der Hostname mischt Buchstaben mehrerer Alphabete.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>Der Link verweist auf eine Datei auf einem anderen Computer; er wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>Der Link kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>Möchtest du diese Datei öffnen?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Name: %1
Ordner: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>Möchtest du diese Adresse öffnen?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>Sie führt zum Host %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>Sprachnachricht</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Videonachricht</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Gefahr</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>In Arbeit</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Gefällt mir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>Ein Bild oder ein Anhang</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 hat dich angestupst.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Du hast %1 angestupst.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>Diese Nachricht wurde gelöscht.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>bearbeitet</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Ganze Nachricht anzeigen</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Antwort auf: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>Nachricht bearbeiten:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Schließen und Änderungen verwerfen</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Bilder ( %1 );; Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Bilder zum Senden auswählen</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 hat dich angestupst.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Du hast %1 angestupst.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Text-Chat</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Plug-in für Text-Chats</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>Dieses Plug-in ist deaktiviert. Weitere Auskunft gibt dein Administrator.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Personen zu diesem Chatroom hinzufügen (dauerhaft)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>Der Chatroom konnte nicht vorbereitet werden.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>Möchtest du das Fenster schließen?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>Möchtest du den Chatroom „%1“ wirklich verlassen?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>Chatrooms</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>Chatroom erstellen</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Einen dauerhaften Chatroom erstellen</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 hat den Chatroom betreten.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 hat den Chatroom verlassen.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Chat-Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Neue Chats im Fenster mit Tabs öffnen</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Anstupser empfangen</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>Einzelne Emoticons größer zeigen</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Popup-Benachrichtigungen</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>Kein Popup bei einer neuen Nachricht</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>Popup bei der ersten neuen Nachricht</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Popup bei neuer Nachricht, wenn das Chatfenster nicht aktiv ist</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Tonbenachrichtigungen</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>Keinen Ton bei einer neuen Nachricht</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Ton bei neuer Nachricht, wenn das Chatfenster nicht aktiv ist</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Immer einen Ton bei neuer Nachricht</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Autoantwort</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Rechtschreibung</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Rechtschreibung beim Tippen prüfen</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Wörterbücher der unterstützten Sprachen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>Ist dein lokaler Verlauf aus irgendeinem Grund beschädigt, kannst du ihn mit der Schaltfläche unten zurücksetzen und synchronisieren.

Warnung: Das kann eine Weile dauern, und es gibt keine Fortschrittsanzeige.
Synchronisiere nur, wenn das Support-Team dich dazu auffordert.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Synchronisierung läuft...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Vergrößerung</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>Weiches Zoomen</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Rand zeichnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Diese automatische Antwort ist zu lang zum Speichern: Eine Antwort fasst höchstens %1 KB. Kürze sie und klicke erneut auf OK.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>Die automatischen Antworten konnten nicht gespeichert werden. Deine Änderungen sind noch in diesem Dialog.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>Der lokale Verlauf wird gelöscht und eine Synchronisierung gestartet.

Möchtest du fortfahren?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>Keine Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>Kein Wörterbuch für %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>Das Wörterbuch für %1 fehlt; die Rechtschreibung wird nicht geprüft.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>Rechtschreibprüfung: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n verpasste Nachricht</numerusform>
            <numerusform>%n verpasste Nachrichten</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Tab schließen</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Chat</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>Du hast nicht gesendete Nachrichten.
Möchtest du alle Tabs schließen?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Chatroom-Details ändern</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Anzeigename des Chatrooms</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>%n Datei konnte nicht hochgeladen werden %1</numerusform>
            <numerusform>%n Dateien konnten nicht hochgeladen werden %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>Die Uploads werden gleich abgebrochen.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>Möchtest du wirklich alle Uploads abbrechen?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Wird hochgeladen...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Schließen und alle laufenden Uploads abbrechen</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Chatroom-Einstellungen ändern</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Chatroom verlassen</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Tab schließen</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Chatroom</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Chatroom</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>Benutzernamen &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>Beschreibung k&amp;opieren</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;Profil anzeigen</translation>
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
        <translation>Abwesend</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
</context>
</TS>

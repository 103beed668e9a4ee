<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Informazioni sulla posizione</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Aggiungi risposta automatica</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Elimina risposta automatica</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Sposta in alto la risposta automatica</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Sposta in basso la risposta automatica</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>In linea</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Assente</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupato</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Scrivi qui il testo della risposta automatica</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Messaggio di diffusione</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Messaggio di diffusione perso</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Chiudi questo evento</translation>
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
        <translation>Messaggio di diffusione</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Plugin dei messaggi di diffusione</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Messaggio di diffusione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Apri in Mappe</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Inoltra tramite %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Posizione inoltrata di %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Messaggio di diffusione</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Corsivo</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sottolineato</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Testo rapido</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticon</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Aggiungi utenti</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Questa conversazione è cifrata</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Inviato</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Visto</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>La connessione al server si è interrotta. Il messaggio di diffusione potrà essere inviato quando tornerà.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Rimuovi utente</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Visto da tutti</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Invio completato</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Hai un messaggio non inviato.
Vuoi chiudere la finestra?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>Hai selezionato più di %n utente. Deseleziona alcuni destinatari.</numerusform>
            <numerusform>Hai selezionato più di %n utenti. Deseleziona alcuni destinatari.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>Hai selezionato meno di %n utente. Seleziona alcuni destinatari.</numerusform>
            <numerusform>Hai selezionato meno di %n utenti. Seleziona alcuni destinatari.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>Torno subito.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>Mi mandi il rapporto, per favore?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>C&apos;è una chiamata per te sulla linea n.</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>Testi rapidi</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Aggiungi testo rapido</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Elimina testo rapido</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Sposta in alto il testo rapido</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Sposta in basso il testo rapido</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Comportamento</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Inserisci il testo rapido nel campo di scrittura</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Invia subito il testo rapido</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>Scrivi qui il messaggio</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Questo testo rapido è troppo lungo per essere salvato: un testo rapido contiene al massimo %1 KB. Accorcialo e premi di nuovo OK.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>Impossibile salvare i testi rapidi. Le modifiche sono ancora in questa finestra.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>Nuova stanza</translation>
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
        <translation>Rilascia qui per il&lt;br&gt;
&lt;b&gt;trasferimento diretto&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Rilascia qui per la&lt;br&gt;
&lt;b&gt;consegna immediata&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>Il trasferimento diretto di file non è possibile con un contatto non in linea</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>Il trasferimento diretto di file non è possibile</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>File immagine (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Inoltra</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 ha disattivato i trilli. Il tuo trillo non è stato ricevuto.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Corsivo</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sottolineato</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Trillo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Invia immagine</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Testo rapido</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticon</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Questa conversazione è cifrata</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Preparazione della stanza...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>Le notifiche di %1 sono attive</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>Le notifiche di %1 sono disattivate</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>Scorrimento automatico attivo per %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>Scorrimento automatico disattivato per %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Conversazione</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Stanza</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Stanza</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 sta scrivendo...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>ti invia un trillo</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Risposta automatica: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Stacca dalla scheda</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>Aggancia alla scheda</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Hai un messaggio non inviato.
Vuoi chiudere la finestra?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>Conversazione</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Corsivo</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sottolineato</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>C&amp;olore...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Carattere</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>Quel vituperabile xenofobo zelante assaggia il whisky ed esclama: alleluja!</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>Cerca nella conversazione</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>Risultato precedente (Invio, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>Risultato successivo (Maiusc+Invio, Maiusc+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Chiudi (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nessun risultato</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ di %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>Messaggio completo</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>Apri in Mappe</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Inoltra tramite %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>L&apos;immagine non è ancora arrivata.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>Posizione inoltrata:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Posizione inoltrata di %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>Nuovi messaggi</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>Vai al messaggio più recente</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>L&apos;indirizzo contiene un nome utente davanti all&apos;host, dove sembra esserci il nome dell&apos;host.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>L&apos;indirizzo contiene caratteri invisibili o che cambiano la direzione del testo.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>Il nome dell&apos;host mescola lettere di più alfabeti.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>Il collegamento indica un file su un altro computer; non è stato aperto.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>Impossibile aprire il collegamento.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>Vuoi aprire questo file?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Nome: %1
Cartella: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>Vuoi aprire questo indirizzo?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>Porta all&apos;host %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Corsivo</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sottolineato</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticon</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>Messaggio vocale</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Videomessaggio</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>Riuscito</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Pericolo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etichette</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Mi piace</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Rispondi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>Un&apos;immagine o un allegato</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 ti ha inviato un trillo.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Hai inviato un trillo a %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>Questo messaggio è stato eliminato.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>modificato</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Mostra il messaggio completo</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Risposta a: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>Modifica messaggio:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Chiudi e scarta le modifiche</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Immagini ( %1 );; Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Seleziona le immagini da inviare</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 ti ha inviato un trillo.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Hai inviato un trillo a %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Conversazione di testo</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Plugin di conversazione di testo</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>Questo plugin è disattivato. Per maggiori dettagli contatta l&apos;amministratore.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Aggiungi persone a questa stanza (permanente)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>Non è stato possibile preparare la stanza.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>Vuoi chiudere la finestra?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>Vuoi davvero uscire dalla stanza «%1»?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>Stanze</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>Crea stanza</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Crea una stanza permanente</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 è entrato nella stanza.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 è uscito dalla stanza.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Impostazioni della conversazione</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Apri le nuove conversazioni in una finestra a schede</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Consenti di ricevere trilli</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>Mostra più grandi le emoticon singole</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Notifiche a comparsa</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>Nessuna notifica per un nuovo messaggio</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>Notifica al primo nuovo messaggio</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Notifica a ogni nuovo messaggio se la finestra non è attiva</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Notifiche sonore</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>Nessun suono per un nuovo messaggio</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Suono a ogni nuovo messaggio se la finestra non è attiva</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Suono sempre per un nuovo messaggio</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Risposta auto</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Ortografia</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Controlla l&apos;ortografia durante la scrittura</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Dizionari delle lingue supportate</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>Se per qualsiasi motivo la cronologia locale è danneggiata, puoi reimpostarla e sincronizzarla con il pulsante qui sotto.

Attenzione: l&apos;operazione può richiedere del tempo e non mostra l&apos;avanzamento.
Sincronizza solo se te lo ha chiesto il team di assistenza.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Sincronizza</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Sincronizzazione in corso...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Galleria</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Livello di zoom</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>Zoom morbido</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Disegna bordo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Questa risposta automatica è troppo lunga per essere salvata: una risposta contiene al massimo %1 KB. Accorciala e premi di nuovo OK.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>Impossibile salvare le risposte automatiche. Le modifiche sono ancora in questa finestra.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>Stai per cancellare la cronologia locale e avviare la sincronizzazione.

Vuoi procedere?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>Nessun controllo ortografico</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>Nessun dizionario per %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>Manca il dizionario per %1; l&apos;ortografia non viene controllata.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>Controllo ortografico: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n messaggio perso</numerusform>
            <numerusform>%n messaggi persi</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Chiudi scheda</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Conversazione</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>Hai messaggi non inviati.
Vuoi chiudere tutte le schede?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Aggiorna i dettagli della stanza</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Nome visualizzato della stanza</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>Impossibile caricare %n file %1</numerusform>
            <numerusform>Impossibile caricare %n file %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>Stai per interrompere i caricamenti.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>Vuoi davvero interrompere tutti i caricamenti?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Chiudi e interrompi i caricamenti non completati</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>Altre informazioni</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Modifica le impostazioni della stanza</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Esci dalla stanza</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Chiudi scheda</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Stanza</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Stanza</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;Copia nome utente</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>Copia &amp;descrizione</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;Visualizza profilo</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>Non in linea</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>In linea</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Assente</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupato</translation>
    </message>
</context>
</TS>

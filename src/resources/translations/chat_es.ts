<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Información de ubicación</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Añadir respuesta automática</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Eliminar respuesta automática</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Subir respuesta automática</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Bajar respuesta automática</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Escriba aquí el texto de la respuesta automática</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Mensaje de difusión</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Mensaje de difusión perdido</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Cerrar este evento</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Mensaje de difusión</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Complemento de mensajes de difusión</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Mensaje de difusión</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Abrir en Mapas</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Reenviar por %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Ubicación reenviada de %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Mensaje de difusión</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Texto rápido</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticonos</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Añadir usuarios</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Esta conversación está cifrada</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Visto</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>Se ha perdido la conexión con el servidor. El mensaje de difusión podrá enviarse cuando se restablezca.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Quitar usuario</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Visto por todos</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Envío completado</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Tiene un mensaje sin enviar.
¿Desea cerrar la ventana?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>Ha seleccionado más de %n usuario. Quite algunos destinatarios.</numerusform>
            <numerusform>Ha seleccionado más de %n usuarios. Quite algunos destinatarios.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>Ha seleccionado menos de %n usuario. Seleccione algunos destinatarios.</numerusform>
            <numerusform>Ha seleccionado menos de %n usuarios. Seleccione algunos destinatarios.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>Vuelvo enseguida.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>¿Me envías el informe, por favor?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>Tienes una llamada en la línea n.º</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>Textos rápidos</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Añadir texto rápido</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Eliminar texto rápido</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Subir texto rápido</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Bajar texto rápido</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Comportamiento</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Colocar el texto rápido en el campo de escritura</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Enviar el texto rápido al instante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>Escriba el mensaje aquí</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Este texto rápido es demasiado largo para guardarlo: un texto rápido admite como máximo %1 KB. Acórtelo y pulse Aceptar de nuevo.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>No se pudieron guardar los textos rápidos. Sus cambios siguen en este cuadro de diálogo.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>Nueva sala</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>Suelte aquí para&lt;br&gt;
&lt;b&gt;transferencia directa&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Suelte aquí para&lt;br&gt;
&lt;b&gt;entrega inmediata&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>La transferencia directa de archivos no es posible con un contacto desconectado</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>La transferencia directa de archivos no es posible</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>Archivos de imagen (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Reenviar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 ha desactivado los zumbidos. Su zumbido no se recibió.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Zumbido</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Enviar imagen</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Texto rápido</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticonos</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Esta conversación está cifrada</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Preparando la sala...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>Las notificaciones de %1 están activadas</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>Las notificaciones de %1 están desactivadas</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>Desplazamiento automático activado para %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>Desplazamiento automático desactivado para %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Conversación</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Sala</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Sala</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 está escribiendo...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>te envía un zumbido</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Respuesta automática: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Separar de la pestaña</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>Unir a una pestaña</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Tiene un mensaje sin enviar.
¿Desea cerrar la ventana?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>Conversación</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>El veloz murciélago hindú comía feliz cardillo y kiwi.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>Buscar en la conversación</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Coincidir mayúsculas</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>Resultado anterior (Intro, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>Resultado más reciente (Mayús+Intro, Mayús+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Sin resultados</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ de %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>Mensaje completo</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>Abrir en Mapas</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Reenviar por %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>La imagen aún no ha llegado.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>Ubicación reenviada:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Ubicación reenviada de %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>Mensajes nuevos</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>Ir al mensaje más reciente</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>La dirección contiene un nombre de usuario delante del servidor, donde parece estar el nombre del servidor.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>La dirección contiene caracteres invisibles o que cambian la dirección del texto.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>El nombre del servidor mezcla letras de varios alfabetos.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>El enlace señala un archivo de otro equipo; no se ha abierto.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>No se puede abrir el enlace.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>¿Desea abrir este archivo?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Nombre: %1
Carpeta: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>¿Desea abrir esta dirección?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>Lleva al servidor %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticonos</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>Mensaje de voz</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Mensaje de vídeo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Peligro</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Me gusta</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>Una imagen o un adjunto</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 te ha enviado un zumbido.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Has enviado un zumbido a %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>Este mensaje se eliminó.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>editado</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Mostrar el mensaje completo</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Respuesta a: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>Editar mensaje:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Cerrar y descartar los cambios</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Imágenes ( %1 );; Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Seleccionar imágenes para enviar</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 te ha enviado un zumbido.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Has enviado un zumbido a %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Conversación de texto</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Complemento de conversación de texto</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>Este complemento está desactivado. Consulte a su administrador para más detalles.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Añadir personas a esta sala (permanente)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>No se pudo preparar la sala.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>¿Desea cerrar la ventana?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>¿Seguro que desea salir de la sala «%1»?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>Salas</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>Crear sala</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Crear una sala permanente</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 se ha unido a la sala.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 ha salido de la sala.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Configuración de conversación</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Abrir las conversaciones nuevas en una ventana con pestañas</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Permitir recibir zumbidos</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>Mostrar más grandes los emoticonos sueltos</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Notificaciones emergentes</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>No mostrar aviso con un mensaje nuevo</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>Mostrar aviso con el primer mensaje nuevo</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Mostrar aviso con un mensaje nuevo si la ventana no está activa</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Notificaciones sonoras</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>No reproducir sonido con un mensaje nuevo</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Reproducir sonido con un mensaje nuevo si la ventana no está activa</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Reproducir siempre sonido con un mensaje nuevo</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Autorrespuesta</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Ortografía</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Revisar la ortografía al escribir</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Diccionarios de los idiomas admitidos</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>Si por algún motivo su historial local está dañado, puede restablecerlo y sincronizarlo con el botón de abajo.

Advertencia: el proceso puede tardar y no muestra ningún progreso.
Sincronice solo si el equipo de soporte se lo ha indicado.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Sincronización en curso...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Galería</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Nivel de zoom</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>Zoom suave</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Dibujar borde</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Esta respuesta automática es demasiado larga para guardarla: una respuesta admite como máximo %1 KB. Acórtela y pulse Aceptar de nuevo.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>No se pudieron guardar las respuestas automáticas. Sus cambios siguen en este cuadro de diálogo.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>Va a borrar el historial local e iniciar la sincronización.

¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>Sin revisión ortográfica</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>No hay diccionario para %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>Falta el diccionario para %1; no se revisa la ortografía.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>Revisión ortográfica: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n mensaje perdido</numerusform>
            <numerusform>%n mensajes perdidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Cerrar pestaña</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Conversación</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>Tiene mensajes sin enviar.
¿Desea cerrar todas las pestañas?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Actualizar los datos de la sala</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Nombre visible de la sala</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>No se pudo subir %n archivo %1</numerusform>
            <numerusform>No se pudieron subir %n archivos %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>Va a detener las subidas.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>¿Seguro que desea detener todas las subidas?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Subiendo...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Cerrar y detener todas las subidas pendientes</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Cambiar la configuración de la sala</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Salir de la sala</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Cerrar pestaña</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Sala</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Sala</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;Copiar nombre de usuario</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>Copiar &amp;descripción</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;Ver perfil</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Informações de localização</translation>
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
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Adicionar resposta automática</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Excluir resposta automática</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Mover resposta automática para cima</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Mover resposta automática para baixo</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
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
        <translation>Digite aqui o texto da resposta automática</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Mensagem de difusão</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Mensagem de difusão perdida</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Fechar este evento</translation>
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
        <translation>Mensagem de difusão</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Plugin de mensagens de difusão</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Mensagem de difusão</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Abrir no Mapas</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Encaminhar por %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Localização encaminhada de %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Mensagem de difusão</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sublinhado</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Texto rápido</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Adicionar usuários</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Esta conversa é criptografada</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviada</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>A conexão com o servidor foi perdida. A mensagem de difusão poderá ser enviada quando ela voltar.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Remover usuário</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Vista por todos</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Envio concluído</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Você tem uma mensagem não enviada.
Deseja fechar a janela?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>Você selecionou mais de %n usuário. Desmarque alguns destinatários.</numerusform>
            <numerusform>Você selecionou mais de %n usuários. Desmarque alguns destinatários.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>Você selecionou menos de %n usuário. Selecione alguns destinatários.</numerusform>
            <numerusform>Você selecionou menos de %n usuários. Selecione alguns destinatários.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>Volto já.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>Você pode me enviar o relatório, por favor?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>Há uma ligação para você na linha nº</translation>
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
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Adicionar texto rápido</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Excluir texto rápido</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Mover texto rápido para cima</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Mover texto rápido para baixo</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Comportamento</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Colocar o texto rápido no campo de digitação</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Enviar o texto rápido na hora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>Digite a mensagem aqui</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Este texto rápido é longo demais para ser salvo: um texto rápido comporta no máximo %1 KB. Encurte-o e clique em OK novamente.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>Não foi possível salvar os textos rápidos. Suas alterações continuam nesta janela.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>Nova sala</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 em %2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>Solte aqui para&lt;br&gt;
&lt;b&gt;transferência direta&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Solte aqui para&lt;br&gt;
&lt;b&gt;entrega imediata&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>A transferência direta de arquivos não é possível com um contato offline</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>A transferência direta de arquivos não é possível</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>Arquivos de imagem (*.%1)</translation>
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
        <translation>Encaminhar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 desativou as chamadas de atenção. Sua chamada de atenção não foi recebida.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sublinhado</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Chamar a atenção</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Enviar imagem</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Texto rápido</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Esta conversa é criptografada</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Preparando a sala...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>As notificações de %1 estão ativadas</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>As notificações de %1 estão desativadas</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>Rolagem automática ativada para %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>Rolagem automática desativada para %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Conversa</translation>
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
        <translation>%1 está digitando...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>chama a sua atenção</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Resposta automática: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Desanexar da aba</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>Anexar a uma aba</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Você tem uma mensagem não enviada.
Deseja fechar a janela?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>Conversa</translation>
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
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sublinhado</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Cor...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fonte</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>Um pequeno jabuti xereta viu dez cegonhas felizes.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>Procurar na conversa</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Diferenciar maiúsculas</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>Resultado mais antigo (Enter, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>Resultado mais recente (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Fechar (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nenhum resultado</translation>
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
        <translation>Mensagem completa</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>Abrir no Mapas</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Encaminhar por %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>A imagem ainda não chegou.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>Localização encaminhada:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Localização encaminhada de %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>Novas mensagens</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>Ir para a mensagem mais recente</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Procurar</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>O endereço contém um nome de usuário antes do host, onde parece estar o nome do host.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>O endereço contém caracteres invisíveis ou que mudam a direção do texto.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>O nome do host mistura letras de vários alfabetos.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>O link aponta para um arquivo em outro computador; ele não foi aberto.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>Não é possível abrir o link.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>Deseja abrir este arquivo?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Nome: %1
Pasta: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>Deseja abrir este endereço?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>Ele leva ao host %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sublinhado</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
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
        <translation>Mensagem de voz</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Mensagem de vídeo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Perigo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Em andamento</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Curtir</translation>
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
        <translation>Excluir</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>Uma imagem ou um anexo</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 chamou a sua atenção.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Você chamou a atenção de %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>Esta mensagem foi excluída.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>editada</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Mostrar a mensagem completa</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Resposta a: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>Editar mensagem:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Fechar e descartar as alterações</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Imagens ( %1 );; Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Selecionar imagens para enviar</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 chamou a sua atenção.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Você chamou a atenção de %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Conversa de texto</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Plugin de conversa de texto</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>Este plugin está desativado. Fale com o administrador para saber mais.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Adicionar pessoas a esta sala (permanente)</translation>
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
        <translation>Não foi possível preparar a sala.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>Deseja fechar a janela?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>Tem certeza de que deseja sair da sala &quot;%1&quot;?</translation>
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
        <translation>Criar sala</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Criar uma sala permanente</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 entrou na sala.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 saiu da sala.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Configurações de conversa</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Abrir novas conversas em uma janela com abas</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Permitir receber chamadas de atenção</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>Mostrar emoticons sozinhos maiores</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Notificações pop-up</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>Não mostrar pop-up para nova mensagem</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>Mostrar pop-up na primeira nova mensagem</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Mostrar pop-up para nova mensagem se a janela não estiver ativa</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Notificações sonoras</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>Não tocar som para nova mensagem</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Tocar som para nova mensagem se a janela não estiver ativa</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Sempre tocar som para nova mensagem</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Autorresposta</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Ortografia</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Verificar a ortografia ao digitar</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Dicionários dos idiomas compatíveis</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>Se por algum motivo o seu histórico local estiver danificado, você pode redefini-lo e sincronizá-lo com o botão abaixo.

Aviso: o processo pode demorar e não mostra o andamento.
Sincronize somente se a equipe de suporte tiver orientado você.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Sincronização em andamento...</translation>
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
        <translation>Nível de zoom</translation>
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
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Desenhar borda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Esta resposta automática é longa demais para ser salva: uma resposta comporta no máximo %1 KB. Encurte-a e clique em OK novamente.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>Não foi possível salvar as respostas automáticas. Suas alterações continuam nesta janela.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>Você vai limpar o histórico local e iniciar a sincronização.

Deseja continuar?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>Sem verificação ortográfica</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>Nenhum dicionário para %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>Falta o dicionário para %1; a ortografia não é verificada.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>Verificação ortográfica: %1</translation>
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
            <numerusform>%n mensagem perdida</numerusform>
            <numerusform>%n mensagens perdidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Fechar aba</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Conversa</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>Você tem mensagens não enviadas.
Deseja fechar todas as abas?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Atualizar detalhes da sala</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Nome de exibição da sala</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
            <numerusform>Falha ao enviar %n arquivo %1</numerusform>
            <numerusform>Falha ao enviar %n arquivos %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>Você vai interromper os envios.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>Deseja mesmo interromper todos os envios?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Enviando...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Fechar e interromper todos os envios pendentes</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>Mais informações</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Alterar configurações da sala</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Sair da sala</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Fechar aba</translation>
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
        <translation>&amp;Copiar nome de usuário</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>Copiar &amp;descrição</translation>
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
        <translation>Offline</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
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

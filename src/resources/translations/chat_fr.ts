<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Informations de localisation</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Ajouter une réponse automatique</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Supprimer la réponse automatique</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Monter la réponse automatique</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Descendre la réponse automatique</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Saisissez ici le texte de la réponse automatique</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Message de diffusion</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Message de diffusion manqué</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Fermer cet événement</translation>
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
        <translation>Message de diffusion</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Module de messages de diffusion</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Message de diffusion</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Ouvrir dans Plans</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Transférer via %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Position transférée de %1 :</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Message de diffusion</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Texte rapide</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Émoticônes</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Ajouter des utilisateurs</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Cette conversation est chiffrée</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Vu</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>La connexion au serveur est perdue. Le message de diffusion pourra être envoyé dès son rétablissement.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Retirer l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Vu par tous</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Envoi terminé</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Vous avez un message non envoyé.
Voulez-vous fermer la fenêtre ?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>Vous avez sélectionné plus de %n utilisateur. Veuillez désélectionner des destinataires.</numerusform>
            <numerusform>Vous avez sélectionné plus de %n utilisateurs. Veuillez désélectionner des destinataires.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>Vous avez sélectionné moins de %n utilisateur. Veuillez sélectionner des destinataires.</numerusform>
            <numerusform>Vous avez sélectionné moins de %n utilisateurs. Veuillez sélectionner des destinataires.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>Je reviens tout de suite.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>Peux-tu m&apos;envoyer le rapport, s&apos;il te plaît ?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>Un appel pour toi sur la ligne n°</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>Textes rapides</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Ajouter un texte rapide</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Supprimer le texte rapide</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Monter le texte rapide</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Descendre le texte rapide</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Comportement</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Placer le texte rapide dans le champ de saisie</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Envoyer le texte rapide immédiatement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>Saisissez le message ici</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Ce texte rapide est trop long pour être enregistré : un texte rapide contient au plus %1 Ko. Raccourcissez-le puis cliquez à nouveau sur OK.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>Les textes rapides n&apos;ont pas pu être enregistrés. Vos modifications sont toujours dans cette fenêtre.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>Nouveau salon</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 dans %2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>Déposez ici pour un&lt;br&gt;
&lt;b&gt;transfert direct&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Déposez ici pour une&lt;br&gt;
&lt;b&gt;remise immédiate&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>Le transfert direct de fichiers est impossible avec un contact hors ligne</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>Le transfert direct de fichiers est impossible</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>Fichiers image (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Transférer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 a désactivé les wizz. Votre wizz n&apos;a pas été reçu.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Wizz</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Envoyer une image</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Texte rapide</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Émoticônes</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Cette conversation est chiffrée</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Préparation du salon...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>Les notifications de %1 sont activées</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>Les notifications de %1 sont désactivées</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>Défilement automatique activé pour %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>Défilement automatique désactivé pour %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Conversation</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Salon</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Salon</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 écrit...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>vous envoie un wizz</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Réponse automatique : %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Détacher de l&apos;onglet</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>Attacher à un onglet</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Vous avez un message non envoyé.
Voulez-vous fermer la fenêtre ?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>Conversation</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>Portez ce vieux whisky au juge blond qui fume.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>Rechercher dans la conversation</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>Résultat plus ancien (Entrée, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>Résultat plus récent (Maj+Entrée, Maj+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ sur %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>Message complet</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>Ouvrir dans Plans</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>Transférer via %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>L&apos;image n&apos;est pas encore arrivée.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>Position transférée :</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>Position transférée de %1 :</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>Nouveaux messages</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>Aller au message le plus récent</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>L&apos;adresse contient un nom d&apos;utilisateur devant l&apos;hôte, là où semble figurer le nom d&apos;hôte.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>L&apos;adresse contient des caractères invisibles ou qui changent le sens d&apos;écriture.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>Le nom d&apos;hôte mélange des lettres de plusieurs alphabets.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>Le lien désigne un fichier sur un autre ordinateur ; il n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>Le lien ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>Voulez-vous ouvrir ce fichier ?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Nom : %1
Dossier : %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>Voulez-vous ouvrir cette adresse ?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>Elle mène à l&apos;hôte %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Émoticônes</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>Message vocal</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Message vidéo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Danger</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>J&apos;aime</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Répondre</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>Une image ou une pièce jointe</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 vous a envoyé un wizz.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Vous avez envoyé un wizz à %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>Ce message a été supprimé.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>Afficher le message complet</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Réponse à : %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>Modifier le message :</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Fermer et abandonner les modifications</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Images ( %1 );; Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Choisir les images à envoyer</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 vous a envoyé un wizz.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>Vous avez envoyé un wizz à %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Conversation texte</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Module de conversation texte</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>Ce module est désactivé. Contactez votre administrateur pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Ajouter des personnes à ce salon (permanent)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>Le salon n&apos;a pas pu être préparé.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>Voulez-vous fermer la fenêtre ?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment quitter le salon « %1 » ?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>Salons</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>Créer un salon</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Créer un salon permanent</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 a rejoint le salon.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 a quitté le salon.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Paramètres de conversation</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Ouvrir les nouvelles conversations dans une fenêtre à onglets</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Accepter les wizz</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>Agrandir les émoticônes seules</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Notifications contextuelles</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>Aucune notification pour un nouveau message</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>Notification au premier nouveau message</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Notification à chaque nouveau message si la fenêtre n&apos;est pas active</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Notifications sonores</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>Aucun son pour un nouveau message</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Son à chaque nouveau message si la fenêtre n&apos;est pas active</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Toujours un son pour un nouveau message</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Réponse auto</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Orthographe</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Vérifier l&apos;orthographe pendant la saisie</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Dictionnaires des langues prises en charge</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>Si votre historique local est endommagé, vous pouvez le réinitialiser et le synchroniser avec le bouton ci-dessous.

Attention : cela peut prendre un certain temps, sans indication de progression.
Ne lancez cette synchronisation que si l&apos;équipe d&apos;assistance vous l&apos;a demandé.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Synchronisation en cours...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Niveau de zoom</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>Zoom progressif</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Tracer une bordure</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Cette réponse automatique est trop longue pour être enregistrée : une réponse contient au plus %1 Ko. Raccourcissez-la puis cliquez à nouveau sur OK.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>Les réponses automatiques n&apos;ont pas pu être enregistrées. Vos modifications sont toujours dans cette fenêtre.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>Vous allez effacer l&apos;historique local et lancer une synchronisation.

Voulez-vous continuer ?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>Pas de vérification orthographique</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>Aucun dictionnaire pour %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>Le dictionnaire pour %1 est absent ; l&apos;orthographe n&apos;est pas vérifiée.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>Vérification orthographique : %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n message manqué</numerusform>
            <numerusform>%n messages manqués</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Fermer l&apos;onglet</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Conversation</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>Vous avez des messages non envoyés.
Voulez-vous fermer tous les onglets ?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Modifier les détails du salon</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Nom affiché du salon</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>Échec de l&apos;envoi de %n fichier %1</numerusform>
            <numerusform>Échec de l&apos;envoi de %n fichiers %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>Vous allez arrêter les envois.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>Voulez-vous vraiment arrêter tous les envois ?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Envoi en cours...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Fermer et arrêter tous les envois en cours</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>Plus d&apos;informations</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Modifier les paramètres du salon</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Quitter le salon</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Fermer l&apos;onglet</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Salon</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Salon</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;Copier le nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>Copier la &amp;description</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;Voir le profil</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
</context>
</TS>

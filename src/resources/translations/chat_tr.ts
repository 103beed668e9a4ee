<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>Konum bilgisi</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>İletiler</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>Otomatik yanıt ekle</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>Otomatik yanıtı sil</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>Otomatik yanıtı yukarı taşı</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>Otomatik yanıtı aşağı taşı</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Çevrimiçi</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Uzakta</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Meşgul</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>Otomatik yanıt metnini buraya yazın</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Toplu ileti</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>Kaçırılan toplu ileti</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>Bu olayı kapat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Toplu ileti</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>Toplu ileti eklentisi</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Toplu ileti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Haritalar&apos;da aç</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Panoya kopyala</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>%1 ile ilet</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>%1 kişisinin iletilen konumu:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>Toplu ileti</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Kalın</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;İtalik</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Altı çizili</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Hızlı metin</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>İfadeler</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Kullanıcı ekle</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Bu sohbet şifreli</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gönderildi</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Görüldü</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>Sunucuyla bağlantı koptu. Toplu ileti, bağlantı geri geldiğinde gönderilebilir.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>Kullanıcıyı kaldır</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>Herkes gördü</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>Gönderme tamamlandı</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Gönderilmemiş bir iletiniz var.
Pencereyi kapatmak istiyor musunuz?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>%n kullanıcıdan fazlasını seçtiniz. Lütfen bazı alıcıların seçimini kaldırın.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>%n kullanıcıdan azını seçtiniz. Lütfen alıcı seçin.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>Hemen dönüyorum.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>Raporu bana gönderir misin lütfen?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>Şu hatta bir araman var: #</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>Hızlı metinler</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>İletiler</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>Hızlı metin ekle</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>Hızlı metni sil</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>Hızlı metni yukarı taşı</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>Hızlı metni aşağı taşı</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Davranış</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>Hızlı metni yazma alanına yerleştir</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>Hızlı metni hemen gönder</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>İletiyi buraya yazın</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Bu hızlı metin kaydedilemeyecek kadar uzun: bir hızlı metin en fazla %1 KB alır. Kısaltıp yeniden Tamam&apos;a basın.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>Hızlı metinler kaydedilemedi. Değişiklikleriniz hâlâ bu pencerede.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>Yeni oda</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1, %2 içinde</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>Buraya bırakın:&lt;br&gt;
&lt;b&gt;doğrudan aktarım&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>Buraya bırakın:&lt;br&gt;
&lt;b&gt;anında teslim&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>Çevrimdışı bir kişiyle doğrudan dosya aktarımı yapılamaz</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>Doğrudan dosya aktarımı yapılamaz</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>Resmi kaydet</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>Resim dosyaları (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>İlet</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Farklı kaydet</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 dürtmeleri kapattı. Dürtmeniz iletilmedi.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Kalın</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;İtalik</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Altı çizili</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Dürt</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Araçlar</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>Resim gönder</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>Hızlı metin</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>İfadeler</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>Bu sohbet şifreli</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>Oda hazırlanıyor...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>%1 bildirimleri açık</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>%1 bildirimleri kapalı</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>%1 için otomatik kaydırma açık</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>%1 için otomatik kaydırma kapalı</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Sohbet</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Oda</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Oda</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 yazıyor...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>sizi dürtüyor</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>Otomatik yanıt: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>Sekmeden ayır</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>Sekmeye ekle</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>Gönderilmemiş bir iletiniz var.
Pencereyi kapatmak istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>Sohbet</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönder</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Kalın</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;İtalik</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Altı çizili</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Renk...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Yazı tipi</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>Pijamalı hasta yağız şoföre çabucak güvendi.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Yazı tipi</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>Sohbette ara</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Büyük/küçük harf duyarlı</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>Daha eski eşleşme (Enter, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>Daha yeni eşleşme (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Kapat (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Eşleşme yok</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ / %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>İletinin tamamı</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>Haritalar&apos;da aç</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Panoya kopyala</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>%1 ile ilet</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>Resim henüz gelmedi.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>İletilen konum:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>%1 kişisinin iletilen konumu:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>Yeni iletiler</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>En yeni iletiye git</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>Adres, ana makine adının durduğu sanılan yerde ana makineden önce bir kullanıcı adı içeriyor.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>Adres görünmez ya da yazı yönünü değiştiren karakterler içeriyor.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>Ana makine adı birden çok alfabenin harflerini karıştırıyor.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>Bağlantı başka bir bilgisayardaki bir dosyayı gösteriyor; açılmadı.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>Bağlantı açılamıyor.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>Bu dosyayı açmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>Ad: %1
Klasör: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>Bu adresi açmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>%1 ana makinesine gidiyor.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Kalın</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Kalın</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;İtalik</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>İtalik</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Altı çizili</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Altı çizili</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>İfadeler</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>Sesli ileti</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>Görüntülü ileti</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>Başarılı</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Tehlike</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Sürüyor</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketler</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Beğen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Yanıtla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>Bir resim ya da ek</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 sizi dürttü.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>%1 kişisini dürttünüz.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>Bu ileti silindi.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>düzenlendi</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>İletinin tamamını göster</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>Yanıtlanan: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>İletiyi düzenle:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>Kapat ve değişiklikleri at</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>Resimler ( %1 );; Tüm dosyalar (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>Gönderilecek resimleri seçin</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 sizi dürttü.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>%1 kişisini dürttünüz.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>Yazılı sohbet</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>Yazılı sohbet eklentisi</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>Bu eklenti devre dışı. Ayrıntılar için yöneticinize başvurun.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>Bu odaya kişi ekle (kalıcı)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>Oda hazırlanamadı.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>Pencereyi kapatmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>&quot;%1&quot; odasından ayrılmak istediğinizden emin misiniz?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>Odalar</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>Oda oluştur</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>Kalıcı bir oda oluştur</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 odaya katıldı.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 odadan ayrıldı.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>Sohbet ayarları</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>Yeni sohbetleri sekmeli pencerede aç</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>Dürtme almaya izin ver</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>Tek başına ifadeleri büyük göster</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>Açılır bildirimler</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>Yeni iletide bildirim gösterme</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>İlk yeni iletide bildirim göster</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>Sohbet penceresi etkin değilse yeni iletide bildirim göster</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>Sesli bildirimler</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>Yeni iletide ses çalma</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>Sohbet penceresi etkin değilse yeni iletide ses çal</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>Yeni iletide her zaman ses çal</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Yazı tipi</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>Otomatik yanıt</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Yazım</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>Yazarken yazımı denetle</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>Desteklenen dillerin sözlükleri</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>Yerel geçmişiniz herhangi bir nedenle bozulduysa aşağıdaki düğmeyle sıfırlayıp eşitleyebilirsiniz.

Uyarı: Bu işlem biraz sürebilir ve ilerleme gösterilmez.
Eşitlemeyi yalnızca destek ekibi isterse yapın.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Eşitle</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>Eşitleme sürüyor...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>Galeri</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Büyüteç</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Yakınlaştırma düzeyi</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>Yumuşak yakınlaştırma</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Şekil</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Dikdörtgen</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Daire</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>Kenarlık çiz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>Bu otomatik yanıt kaydedilemeyecek kadar uzun: bir yanıt en fazla %1 KB alır. Kısaltıp yeniden Tamam&apos;a basın.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>Otomatik yanıtlar kaydedilemedi. Değişiklikleriniz hâlâ bu pencerede.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>Yerel geçmişi temizleyip eşitlemeyi başlatmak üzeresiniz.

Devam etmek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>Yazım denetimi yok</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>%1 için sözlük yok</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>%1 sözlüğü eksik; yazım denetlenmiyor.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>Yazım denetimi: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n kaçırılan ileti</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Sekmeyi kapat</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - Sohbet</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>Gönderilmemiş iletileriniz var.
Tüm sekmeleri kapatmak istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>Oda bilgilerini güncelle</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>Odanın görünen adı</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>%n dosya yüklenemedi %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>Yüklemeleri durdurmak üzeresiniz.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>Tüm yüklemeleri gerçekten durdurmak istiyor musunuz?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n dosya</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Yükleniyor...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>Kapat ve bitmemiş tüm yüklemeleri durdur</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>Daha fazla bilgi</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>Oda ayarlarını değiştir</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>Odadan ayrıl</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Sekmeyi kapat</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - Oda</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - Oda</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>Kullanıcı adını &amp;kopyala</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>&amp;Açıklamayı kopyala</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;Profili görüntüle</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>Çevrimdışı</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Çevrimiçi</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Uzakta</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Meşgul</translation>
    </message>
</context>
</TS>

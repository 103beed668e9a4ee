<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>معلومات الموقع</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>الرسائل</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>إضافة رد تلقائي</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>حذف الرد التلقائي</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>نقل الرد التلقائي لأعلى</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>نقل الرد التلقائي لأسفل</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>متصل</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>بعيد</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>مشغول</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>اكتب نص الرد التلقائي هنا</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>رسالة جماعية</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>رسالة جماعية فائتة</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>إغلاق هذا الحدث</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <source>Broadcast Message</source>
        <translation>رسالة جماعية</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>إضافة الرسائل الجماعية</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>رسالة جماعية</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>فتح في الخرائط</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>نسخ إلى الحافظة</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>إعادة توجيه عبر %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>موقع %1 المعاد توجيهه:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>رسالة جماعية</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;عريض</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;مائل</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;تسطير</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>نص سريع</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>الوجوه التعبيرية</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>إضافة مستخدمين</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>هذه المحادثة مشفّرة</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>أُرسلت</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>شوهدت</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>انقطع الاتصال بالخادم. يمكن إرسال الرسالة الجماعية عند عودته.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>إزالة المستخدم</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>شاهدها الجميع</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>اكتمل الإرسال</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>لديك رسالة لم تُرسل.
هل تريد إغلاق النافذة؟</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>اخترت أكثر من %n مستخدم. يُرجى إلغاء اختيار بعض المستلمين.</numerusform>
            <numerusform>اخترت أكثر من مستخدم واحد. يُرجى إلغاء اختيار بعض المستلمين.</numerusform>
            <numerusform>اخترت أكثر من مستخدمَين. يُرجى إلغاء اختيار بعض المستلمين.</numerusform>
            <numerusform>اخترت أكثر من %n مستخدمين. يُرجى إلغاء اختيار بعض المستلمين.</numerusform>
            <numerusform>اخترت أكثر من %n مستخدمًا. يُرجى إلغاء اختيار بعض المستلمين.</numerusform>
            <numerusform>اخترت أكثر من %n مستخدم. يُرجى إلغاء اختيار بعض المستلمين.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>اخترت أقل من %n مستخدم. يُرجى اختيار بعض المستلمين.</numerusform>
            <numerusform>اخترت أقل من مستخدم واحد. يُرجى اختيار بعض المستلمين.</numerusform>
            <numerusform>اخترت أقل من مستخدمَين. يُرجى اختيار بعض المستلمين.</numerusform>
            <numerusform>اخترت أقل من %n مستخدمين. يُرجى اختيار بعض المستلمين.</numerusform>
            <numerusform>اخترت أقل من %n مستخدمًا. يُرجى اختيار بعض المستلمين.</numerusform>
            <numerusform>اخترت أقل من %n مستخدم. يُرجى اختيار بعض المستلمين.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>سأعود حالاً.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>هل يمكنك إرسال التقرير إليّ من فضلك؟</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>لديك مكالمة على الخط رقم</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>النصوص السريعة</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>الرسائل</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>إضافة نص سريع</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>حذف النص السريع</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>نقل النص السريع لأعلى</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>نقل النص السريع لأسفل</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>السلوك</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>وضع النص السريع في حقل الكتابة</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>إرسال النص السريع فوراً</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>اكتب الرسالة هنا</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>هذا النص السريع أطول من أن يُحفظ: يتسع النص السريع لـ %1 كيلوبايت على الأكثر. اختصره ثم اضغط موافق مرة أخرى.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>تعذّر حفظ النصوص السريعة. لا تزال تغييراتك في هذه النافذة.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>غرفة جديدة</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 في %2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>أفلِت هنا لـ&lt;br&gt;
&lt;b&gt;النقل المباشر&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>أفلِت هنا لـ&lt;br&gt;
&lt;b&gt;التسليم الفوري&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>لا يمكن نقل الملفات مباشرة إلى جهة اتصال غير متصلة حالياً</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>لا يمكن نقل الملفات مباشرة</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>حفظ الصورة</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>ملفات الصور (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>إعادة توجيه</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>عطّل %1 الوكزات. لم تصل وكزتك.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;عريض</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;مائل</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;تسطير</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>وكزة</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>أدوات</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>إرسال صورة</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>نص سريع</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>الوجوه التعبيرية</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>هذه المحادثة مشفّرة</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>جارٍ تجهيز الغرفة...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>الإشعارات من %1 مفعّلة</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>الإشعارات من %1 معطّلة</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>التمرير التلقائي مفعّل لـ %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>التمرير التلقائي معطّل لـ %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>محادثة</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - غرفة</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - غرفة</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 يكتب...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>يرسل إليك وكزة</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>رد تلقائي: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>فصل عن علامة التبويب</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>إرفاق بعلامة تبويب</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>لديك رسالة لم تُرسل.
هل تريد إغلاق النافذة؟</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>محادثة</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>إرسال</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;عريض</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;مائل</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;تسطير</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;لون...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;خط</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>نص حكيم له سر قاطع وذو شأن عظيم مكتوب على ثوب أخضر ومغلف بجلد أزرق.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>البحث في المحادثة</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>مطابقة حالة الأحرف</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>تطابق أقدم (Enter، F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>تطابق أحدث (Shift+Enter، Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>إغلاق (Escape)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>لا توجد نتائج</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ من %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>الرسالة كاملة</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>فتح في الخرائط</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>نسخ إلى الحافظة</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>إعادة توجيه عبر %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>لم تصل الصورة بعد.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>موقع معاد توجيهه:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>موقع %1 المعاد توجيهه:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>رسائل جديدة</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>الانتقال إلى أحدث رسالة</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>يحتوي العنوان على اسم مستخدم قبل المضيف، في الموضع الذي يبدو أن اسم المضيف فيه.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>يحتوي العنوان على محارف غير مرئية أو محارف تغيّر اتجاه الكتابة.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>يخلط اسم المضيف بين حروف عدة أبجديات.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>يشير الرابط إلى ملف على حاسوب آخر؛ لم يُفتح.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>لا يمكن فتح الرابط.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>هل تريد فتح هذا الملف؟</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>الاسم: %1
المجلد: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>هل تريد فتح هذا العنوان؟</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>يؤدي إلى المضيف %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;عريض</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>عريض</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;مائل</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>مائل</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;تسطير</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>تسطير</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>الوجوه التعبيرية</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>رسالة صوتية</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>رسالة فيديو</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>نجاح</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>خطر</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>قيد التنفيذ</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>التسميات</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>إعجاب</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>رد</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>صورة أو مرفق</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>أرسل إليك %1 وكزة.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>أرسلت وكزة إلى %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>حُذفت هذه الرسالة.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>معدّلة</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>عرض الرسالة كاملة</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>رد على: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>تحرير الرسالة:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>إغلاق وتجاهل التغييرات</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>الصور ( %1 );; كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>اختر الصور المراد إرسالها</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>أرسل إليك %1 وكزة.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>أرسلت وكزة إلى %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>محادثة نصية</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>إضافة المحادثة النصية</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>هذه الإضافة معطّلة. تواصل مع المسؤول لمزيد من التفاصيل.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>إضافة أشخاص إلى هذه الغرفة (دائمة)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>تعذّر تجهيز الغرفة.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>هل تريد إغلاق النافذة؟</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>هل تريد فعلاً مغادرة الغرفة «%1»؟</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>الغرف</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>إنشاء غرفة</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>إنشاء غرفة دائمة</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>انضم %1 إلى الغرفة.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>غادر %1 الغرفة.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>إعدادات المحادثة</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>فتح المحادثات الجديدة في نافذة بعلامات تبويب</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>السماح بتلقي الوكزات</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>تكبير الوجه التعبيري المنفرد</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>الإشعارات المنبثقة</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>عدم إظهار إشعار عند وصول رسالة جديدة</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>إظهار إشعار عند أول رسالة جديدة</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>إظهار إشعار عند رسالة جديدة إذا لم تكن نافذة المحادثة نشطة</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>الإشعارات الصوتية</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>عدم تشغيل صوت عند رسالة جديدة</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>تشغيل صوت عند رسالة جديدة إذا لم تكن نافذة المحادثة نشطة</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>تشغيل صوت دائماً عند رسالة جديدة</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>الرد التلقائي</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>التدقيق الإملائي</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>التدقيق الإملائي أثناء الكتابة</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>قواميس اللغات المدعومة</translation>
    </message>
    <message>
        <source>History</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>إذا تلف سجلك المحلي لأي سبب، يمكنك إعادة تعيينه ومزامنته بالضغط على الزر أدناه.

تحذير: قد تستغرق هذه العملية بعض الوقت ولا يظهر مؤشر للتقدم.
لا تُجرِ هذه المزامنة إلا إذا طلب منك فريق الدعم ذلك.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>مزامنة</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>المزامنة جارية...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>المعرض</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>المكبّر</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>مستوى التكبير</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>تكبير سلس</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>الشكل</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>دائرة</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>رسم إطار</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>هذا الرد التلقائي أطول من أن يُحفظ: يتسع الرد لـ %1 كيلوبايت على الأكثر. اختصره ثم اضغط موافق مرة أخرى.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>تعذّر حفظ الردود التلقائية. لا تزال تغييراتك في هذه النافذة.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>أنت على وشك مسح السجل المحلي وبدء المزامنة.

هل تريد المتابعة؟</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>بلا تدقيق إملائي</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>لا يوجد قاموس لـ %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>قاموس %1 مفقود؛ لا يجري التدقيق الإملائي.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>التدقيق الإملائي: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>لا رسائل فائتة</numerusform>
            <numerusform>رسالة فائتة واحدة</numerusform>
            <numerusform>رسالتان فائتتان</numerusform>
            <numerusform>%n رسائل فائتة</numerusform>
            <numerusform>%n رسالة فائتة</numerusform>
            <numerusform>%n رسالة فائتة</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>إغلاق علامة التبويب</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - محادثة</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>لديك رسائل لم تُرسل.
هل تريد إغلاق كل علامات التبويب؟</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>تحديث بيانات الغرفة</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>الاسم المعروض للغرفة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>لم يُرفع أي ملف %1</numerusform>
            <numerusform>تعذّر رفع ملف واحد %1</numerusform>
            <numerusform>تعذّر رفع ملفين %1</numerusform>
            <numerusform>تعذّر رفع %n ملفات %1</numerusform>
            <numerusform>تعذّر رفع %n ملفاً %1</numerusform>
            <numerusform>تعذّر رفع %n ملف %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>أنت على وشك إيقاف عمليات الرفع.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>هل تريد حقاً إيقاف كل عمليات الرفع؟</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>لا ملفات</numerusform>
            <numerusform>ملف واحد</numerusform>
            <numerusform>ملفان</numerusform>
            <numerusform>%n ملفات</numerusform>
            <numerusform>%n ملفاً</numerusform>
            <numerusform>%n ملف</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>جارٍ الرفع...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>إغلاق وإيقاف كل عمليات الرفع غير المكتملة</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>مزيد من المعلومات</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>تغيير إعدادات الغرفة</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>مغادرة الغرفة</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>إغلاق علامة التبويب</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - غرفة</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - غرفة</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;نسخ اسم المستخدم</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>نسخ ال&amp;وصف</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;عرض الملف الشخصي</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>غير متصل</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>متصل</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>بعيد</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>مشغول</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>اطلاعات مکان</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>وضعیت</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>پیام‌ها</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>افزودن پاسخ خودکار</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>حذف پاسخ خودکار</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>انتقال پاسخ خودکار به بالا</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>انتقال پاسخ خودکار به پایین</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>برخط</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>دور از رایانه</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>مشغول</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>متن پاسخ خودکار را اینجا بنویسید</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>پیام همگانی</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>پیام همگانی ازدست‌رفته</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>بستن این رویداد</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <source>Broadcast Message</source>
        <translation>پیام همگانی</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>افزونهٔ پیام همگانی</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>پیام همگانی</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>باز کردن در نقشه</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>رونوشت در تخته‌گیره</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>بازفرستادن با %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>مکان بازفرستادهٔ %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>پیام همگانی</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;پررنگ</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;کج</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;زیرخط</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>متن سریع</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>شکلک‌ها</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>افزودن کاربران</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>فرستادن</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>این گفتگو رمزگذاری شده است</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>فرستاده شد</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>دیده شد</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>پیوند با کارساز قطع شده است. پیام همگانی پس از برقراری دوباره فرستاده می‌شود.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>برداشتن کاربر</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>دیده‌شده به دست همه</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>فرستادن انجام شد</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>یک پیام فرستاده‌نشده دارید.
پنجره بسته شود؟</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>بیش از %n کاربر برگزیده‌اید. لطفاً برخی گیرندگان را از گزینش بیرون آورید.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>کمتر از %n کاربر برگزیده‌اید. لطفاً چند گیرنده برگزینید.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>الان برمی‌گردم.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>لطفاً گزارش را برایم می‌فرستی؟</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>تماسی برای شما روی خط شمارهٔ</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>متن‌های سریع</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>پیام‌ها</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>افزودن متن سریع</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>حذف متن سریع</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>انتقال متن سریع به بالا</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>انتقال متن سریع به پایین</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>رفتار</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>گذاشتن متن سریع در کادر نوشتن</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>فرستادن فوری متن سریع</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>پیام را اینجا بنویسید</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>این متن سریع برای ذخیره بیش از حد طولانی است: هر متن سریع حداکثر %1 کیلوبایت است. آن را کوتاه کنید و دوباره تأیید را بزنید.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>متن‌های سریع ذخیره نشدند. تغییرات شما هنوز در این پنجره است.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>اتاق تازه</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 در %2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>برای &lt;br&gt;
&lt;b&gt;انتقال مستقیم&lt;/b&gt; اینجا رها کنید</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>برای &lt;br&gt;
&lt;b&gt;تحویل فوری&lt;/b&gt; اینجا رها کنید</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>انتقال مستقیم پرونده با مخاطبی که برخط نیست ممکن نیست</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>انتقال مستقیم پرونده ممکن نیست</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>ذخیرهٔ تصویر</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>پرونده‌های تصویری (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>چاپ</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>گشودن</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>بازفرستادن</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>رونوشت</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>ذخیره با نام</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>چاپ</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>تمام‌صفحه</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 تلنگرها را خاموش کرده است. تلنگر شما دریافت نشد.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;پررنگ</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;کج</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;زیرخط</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>تلنگر</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ابزارها</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>فرستادن تصویر</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>متن سریع</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>شکلک‌ها</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>این گفتگو رمزگذاری شده است</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>در حال آماده‌سازی اتاق...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>اعلان‌های %1 روشن است</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>اعلان‌های %1 خاموش است</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>پیمایش خودکار برای %1 روشن است</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>پیمایش خودکار برای %1 خاموش است</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>گفتگو</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - اتاق</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - اتاق</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 در حال نوشتن است...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>به شما تلنگر می‌زند</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>پاسخ خودکار: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>جدا کردن از زبانه</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>پیوستن به زبانه</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>یک پیام فرستاده‌نشده دارید.
پنجره بسته شود؟</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>گفتگو</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>فرستادن</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;پررنگ</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;کج</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;زیرخط</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;رنگ...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;قلم</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>صبح زود، خواجه غلام با ظرافت ژاله‌ها را از پشت گلبرگ‌ها ثبت کرد.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>رنگ</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>قلم</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>جستجو در گفتگو</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>حساس به بزرگی و کوچکی حروف</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>مورد قدیمی‌تر (Enter، F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>مورد جدیدتر (Shift+Enter، Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>بستن (Escape)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>موردی یافت نشد</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ از %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 از %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>کل پیام</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>باز کردن در نقشه</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>رونوشت در تخته‌گیره</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>بازفرستادن با %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>تصویر هنوز نرسیده است.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>مکان بازفرستاده:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>مکان بازفرستادهٔ %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>پیام‌های تازه</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>رفتن به تازه‌ترین پیام</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>جستجو</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>نشانی پیش از میزبان یک نام کاربری دارد، جایی که به نظر می‌رسد نام میزبان باشد.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>نشانی نویسه‌های نامرئی یا تغییردهندهٔ جهت نوشتار دارد.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>نام میزبان حروف چند الفبا را با هم آمیخته است.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>پیوند به پرونده‌ای روی رایانهٔ دیگری اشاره می‌کند؛ باز نشد.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>پیوند باز نمی‌شود.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>این پرونده باز شود؟</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>نام: %1
پوشه: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>این نشانی باز شود؟</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>به میزبان %1 می‌رود.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;پررنگ</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>پررنگ</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;کج</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>کج</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;زیرخط</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>زیرخط</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>شکلک‌ها</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>پیام صوتی</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>پیام ویدئویی</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ناشناخته</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>موفقیت</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>هشدار</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>خطر</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>در جریان</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>برچسب‌ها</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>پسند</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>ویرایش</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>پاسخ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>یک تصویر یا پیوست</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 به شما تلنگر زد.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>به %1 تلنگر زدید.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>این پیام حذف شد.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>ویرایش‌شده</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>نمایش کل پیام</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>پاسخ به: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>ویرایش پیام:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>بستن و دور ریختن تغییرات</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>تصاویر ( %1 );; همهٔ پرونده‌ها (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>تصاویری را برای فرستادن برگزینید</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 به شما تلنگر زد.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>به %1 تلنگر زدید.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>گفتگوی متنی</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>افزونهٔ گفتگوی متنی</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>این افزونه غیرفعال است. برای جزئیات بیشتر با سرپرست تماس بگیرید.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>افزودن افراد به این اتاق (ماندگار)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>ویرایش</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>اتاق آماده نشد.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>پنجره بسته شود؟</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>آیا مطمئنید که می‌خواهید اتاق «%1» را ترک کنید؟</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>اتاق‌ها</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>ساختن اتاق</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>ساختن یک اتاق ماندگار</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 به اتاق پیوست.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 اتاق را ترک کرد.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>تنظیمات گفتگو</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عمومی</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>باز کردن گفتگوهای تازه در پنجرهٔ زبانه‌دار</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>اجازهٔ دریافت تلنگر</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>نمایش بزرگ‌تر شکلک تنها</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>اعلان‌های بالاپر</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>برای پیام تازه اعلان نشان داده نشود</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>اعلان برای نخستین پیام تازه</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>اعلان برای پیام تازه اگر پنجرهٔ گفتگو فعال نیست</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>اعلان‌های صوتی</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>برای پیام تازه صدا پخش نشود</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>پخش صدا برای پیام تازه اگر پنجرهٔ گفتگو فعال نیست</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>همیشه برای پیام تازه صدا پخش شود</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>قلم</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>پاسخ خودکار</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>غلط‌یابی</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>غلط‌یابی هنگام نوشتن</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>واژه‌نامه‌های زبان‌های پشتیبانی‌شده</translation>
    </message>
    <message>
        <source>History</source>
        <translation>تاریخچه</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>اگر تاریخچهٔ محلی شما به هر دلیلی آسیب دیده است، می‌توانید با دکمهٔ زیر آن را بازنشانی و همگام کنید.

هشدار: این کار ممکن است زمان ببرد و پیشرفت آن نشان داده نمی‌شود.
فقط اگر تیم پشتیبانی از شما خواسته است همگام‌سازی کنید.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>همگام‌سازی</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>همگام‌سازی در جریان است...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>نگارخانه</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>ذره‌بین</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>میزان بزرگ‌نمایی</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>بزرگ‌نمایی نرم</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>شکل</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>مستطیل</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>دایره</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>اندازه</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>کشیدن حاشیه</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>این پاسخ خودکار برای ذخیره بیش از حد طولانی است: هر پاسخ حداکثر %1 کیلوبایت است. آن را کوتاه کنید و دوباره تأیید را بزنید.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>پاسخ‌های خودکار ذخیره نشدند. تغییرات شما هنوز در این پنجره است.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>تاریخچهٔ محلی پاک و همگام‌سازی آغاز می‌شود.

ادامه می‌دهید؟</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>بدون غلط‌یابی</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>واژه‌نامه‌ای برای %1 نیست</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>واژه‌نامهٔ %1 موجود نیست؛ غلط‌یابی انجام نمی‌شود.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>غلط‌یابی: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>%n پیام خوانده‌نشده</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>بستن زبانه</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - گفتگو</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>پیام‌های فرستاده‌نشده دارید.
همهٔ زبانه‌ها بسته شوند؟</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>به‌روزرسانی جزئیات اتاق</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>نام نمایشی اتاق</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>بارگذاری %n پرونده ناموفق بود %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>بارگذاری‌ها متوقف می‌شوند.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>واقعاً همهٔ بارگذاری‌ها متوقف شوند؟</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n پرونده</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>در حال بارگذاری...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>بستن و توقف همهٔ بارگذاری‌های ناتمام</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>اطلاعات بیشتر</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>تغییر تنظیمات اتاق</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>ترک اتاق</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>بستن زبانه</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - اتاق</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - اتاق</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;رونوشت نام کاربری</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>رونوشت &amp;توضیح</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>&amp;دیدن نمایه</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>برون‌خط</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>برخط</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>دور از رایانه</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>مشغول</translation>
    </message>
</context>
</TS>

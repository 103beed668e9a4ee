<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>פרטי מיקום</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>מצב</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>הודעות</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>הוספת תשובה אוטומטית</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>מחיקת תשובה אוטומטית</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>העברת התשובה האוטומטית למעלה</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>העברת התשובה האוטומטית למטה</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>מחובר</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>לא ליד המחשב</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>עסוק</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>יש להקליד כאן את טקסט התשובה האוטומטית</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>הודעת תפוצה</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>הודעת תפוצה שהוחמצה</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>סגירת האירוע</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <source>Broadcast Message</source>
        <translation>הודעת תפוצה</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>תוסף הודעות תפוצה</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>הודעת תפוצה</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>פתיחה במפות</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>העתקה ללוח</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>העברה דרך %1</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>מיקום שהועבר של %1:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>הודעת תפוצה</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;מודגש</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;נטוי</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;קו תחתון</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>טקסט מהיר</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>רגשונים</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>הוספת משתמשים</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>שליחה</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>שיחה זו מוצפנת</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>נשלחה</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>נצפתה</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>החיבור לשרת אבד. ניתן יהיה לשלוח את הודעת התפוצה כשהוא יחזור.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>הסרת המשתמש</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>נצפתה על ידי כולם</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>השליחה הושלמה</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>יש לך הודעה שלא נשלחה.
לסגור את החלון?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>בחרת יותר ממשתמש אחד. נא לבטל את הבחירה בחלק מהנמענים.</numerusform>
            <numerusform>בחרת יותר מ־%n משתמשים. נא לבטל את הבחירה בחלק מהנמענים.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>בחרת פחות ממשתמש אחד. נא לבחור נמענים.</numerusform>
            <numerusform>בחרת פחות מ־%n משתמשים. נא לבחור נמענים.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>כבר חוזר.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>אפשר לשלוח לי את הדוח, בבקשה?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>יש לך שיחה בקו מס׳</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>טקסטים מהירים</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>הודעות</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>הוספת טקסט מהיר</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>מחיקת טקסט מהיר</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>העברת הטקסט המהיר למעלה</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>העברת הטקסט המהיר למטה</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>התנהגות</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>הכנסת הטקסט המהיר לשדה הכתיבה</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>שליחת הטקסט המהיר מיד</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>יש להקליד כאן את ההודעה</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>הטקסט המהיר ארוך מכדי לשמור אותו: טקסט מהיר מכיל לכל היותר %1 KB. יש לקצר אותו וללחוץ שוב על אישור.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>לא ניתן היה לשמור את הטקסטים המהירים. השינויים שלך עדיין בחלון זה.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>חדר חדש</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 ב%2</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>יש לשחרר כאן ל&lt;br&gt;
&lt;b&gt;העברה ישירה&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>יש לשחרר כאן ל&lt;br&gt;
&lt;b&gt;מסירה מיידית&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>לא ניתן להעביר קבצים ישירות לאיש קשר שאינו מחובר</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>לא ניתן להעביר קבצים ישירות</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>שמירת התמונה</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>קובצי תמונה (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>העברה</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>העתקה</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>שמירה בשם</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>מסך מלא</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 כיבה נדנודים. הנדנוד שלך לא התקבל.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;מודגש</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;נטוי</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;קו תחתון</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>נדנוד</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>כלים</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>שליחת תמונה</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>טקסט מהיר</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>רגשונים</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>שיחה זו מוצפנת</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>החדר בהכנה...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>ההתראות מ%1 מופעלות</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>ההתראות מ%1 כבויות</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>גלילה אוטומטית מופעלת עבור %1</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>גלילה אוטומטית כבויה עבור %1</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>שיחה</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - חדר</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - חדר</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 מקליד...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>שולח לך נדנוד</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>תשובה אוטומטית: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>ניתוק מהלשונית</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>צירוף ללשונית</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>יש לך הודעה שלא נשלחה.
לסגור את החלון?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>שיחה</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>שליחה</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;מודגש</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;נטוי</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;קו תחתון</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;צבע...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;גופן</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>דג סקרן שט בים מאוכזב ולפתע מצא חברה</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>גופן</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>חיפוש בשיחה</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>התאמת רישיות</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>התאמה ישנה יותר (Enter, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>התאמה חדשה יותר (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>סגירה (Escape)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>אין התאמות</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1+ of %2</source>
        <translation>%1+ מתוך %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 מתוך %2</translation>
    </message>
</context>
<context>
    <name>FullTextViewer</name>
    <message>
        <source>Whole message</source>
        <translation>ההודעה המלאה</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>פתיחה במפות</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>העתקה ללוח</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>העברה דרך %1</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>התמונה עדיין לא הגיעה.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>מיקום שהועבר:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>מיקום שהועבר של %1:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>הודעות חדשות</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>מעבר להודעה החדשה ביותר</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>חיפוש</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>הכתובת מכילה שם משתמש לפני המארח, במקום שבו נראה שעומד שם המארח.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>הכתובת מכילה תווים בלתי נראים או תווים המשנים את כיוון הכתיבה.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>שם המארח מערב אותיות מכמה אלפביתים.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>הקישור מפנה לקובץ במחשב אחר; הוא לא נפתח.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>לא ניתן לפתוח את הקישור.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>לפתוח את הקובץ הזה?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>שם: %1
תיקייה: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>לפתוח את הכתובת הזו?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>היא מובילה למארח %1.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;מודגש</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>מודגש</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;נטוי</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>נטוי</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;קו תחתון</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>קו תחתון</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>רגשונים</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>הודעה קולית</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>הודעת וידאו</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>לא ידוע</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>הצלחה</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>אזהרה</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>סכנה</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>בתהליך</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>תוויות</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>אהבתי</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>עריכה</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>תשובה</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>תמונה או קובץ מצורף</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 שלח לך נדנוד.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>שלחת נדנוד אל %1.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>הודעה זו נמחקה.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>נערכה</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>הצגת ההודעה המלאה</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>תשובה אל: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>עריכת הודעה:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>סגירה וביטול השינויים</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>תמונות ( %1 );; כל הקבצים (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>בחירת תמונות לשליחה</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 שלח לך נדנוד.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>שלחת נדנוד אל %1.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>שיחת טקסט</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>תוסף שיחת טקסט</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>תוסף זה מושבת. לפרטים נוספים יש לפנות למנהל המערכת.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>הוספת אנשים לחדר הזה (קבוע)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>עריכה</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>לא ניתן היה להכין את החדר.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>לסגור את החלון?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>לצאת מהחדר &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>חדרים</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>יצירת חדר</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>יצירת חדר קבוע</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 הצטרף/ה לחדר.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 יצא/ה מהחדר.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>הגדרות שיחה</translation>
    </message>
    <message>
        <source>General</source>
        <translation>כללי</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>פתיחת שיחות חדשות בחלון עם לשוניות</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>לאפשר קבלת נדנודים</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>הצגת רגשון בודד בגודל מוגדל</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>התראות קופצות</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>לא להציג התראה על הודעה חדשה</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>התראה על ההודעה החדשה הראשונה</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>התראה על הודעה חדשה כשחלון השיחה אינו פעיל</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>התראות קוליות</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>ללא צליל בהודעה חדשה</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>צליל בהודעה חדשה כשחלון השיחה אינו פעיל</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>תמיד צליל בהודעה חדשה</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>גופן</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>תשובה אוטומטית</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>בדיקת איות</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>בדיקת איות בזמן ההקלדה</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>מילונים של השפות הנתמכות</translation>
    </message>
    <message>
        <source>History</source>
        <translation>היסטוריה</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>אם ההיסטוריה המקומית שלך נפגמה מסיבה כלשהי, אפשר לאפס ולסנכרן אותה בלחיצה על הכפתור שלמטה.

אזהרה: התהליך עשוי להימשך זמן מה ואין חיווי התקדמות.
יש לסנכרן רק לפי הנחיה של צוות התמיכה.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>סנכרון</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>הסנכרון מתבצע...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>גלריה</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>זכוכית מגדלת</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>רמת הגדלה</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>הגדלה חלקה</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>צורה</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>מלבן</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>עיגול</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>גודל</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>ציור מסגרת</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>התשובה האוטומטית ארוכה מכדי לשמור אותה: תשובה מכילה לכל היותר %1 KB. יש לקצר אותה וללחוץ שוב על אישור.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>לא ניתן היה לשמור את התשובות האוטומטיות. השינויים שלך עדיין בחלון זה.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>ההיסטוריה המקומית תימחק ויתחיל סנכרון.

להמשיך?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>ללא בדיקת איות</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>אין מילון עבור %1</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>המילון עבור %1 חסר; האיות אינו נבדק.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>בדיקת איות: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>הודעה אחת שלא נקראה</numerusform>
            <numerusform>%n הודעות שלא נקראו</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>סגירת לשונית</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - שיחה</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>יש לך הודעות שלא נשלחו.
לסגור את כל הלשוניות?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>עדכון פרטי החדר</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>שם התצוגה של החדר</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>העלאת קובץ אחד נכשלה %1</numerusform>
            <numerusform>העלאת %n קבצים נכשלה %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>ההעלאות עומדות להיעצר.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>לעצור את כל ההעלאות?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>קובץ אחד</numerusform>
            <numerusform>%n קבצים</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>מעלה...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>סגירה ועצירת כל ההעלאות שלא הסתיימו</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>מידע נוסף</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>שינוי הגדרות החדר</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>יציאה מהחדר</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>סגירת לשונית</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - חדר</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - חדר</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>&amp;העתקת שם המשתמש</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>העתקת ה&amp;תיאור</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>הצגת ה&amp;פרופיל</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>לא מחובר</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>מחובר</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>לא ליד המחשב</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>עסוק</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AttachmentBlocks</name>
    <message>
        <source>Location information</source>
        <translation>위치 정보</translation>
    </message>
</context>
<context>
    <name>AutoReplyDialog</name>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Add automatic reply</source>
        <translation>자동 응답 추가</translation>
    </message>
    <message>
        <source>Delete automatic reply</source>
        <translation>자동 응답 삭제</translation>
    </message>
    <message>
        <source>Move automatic reply up</source>
        <translation>자동 응답을 위로 이동</translation>
    </message>
    <message>
        <source>Move automatic reply down</source>
        <translation>자동 응답을 아래로 이동</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>온라인</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>자리 비움</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>다른 용무 중</translation>
    </message>
    <message>
        <source>Type &quot;auto reply&quot; text here</source>
        <translation>자동 응답 내용을 여기에 입력하세요</translation>
    </message>
</context>
<context>
    <name>BroadcastMissedEvent</name>
    <message>
        <source>Broadcast Message</source>
        <translation>일괄 메시지</translation>
    </message>
    <message>
        <source>Missed Broadcast Message</source>
        <translation>놓친 일괄 메시지</translation>
    </message>
    <message>
        <source>Close this event</source>
        <translation>이 알림 닫기</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>BroadcastPluginImpl</name>
    <message>
        <source>Broadcast Message</source>
        <translation>일괄 메시지</translation>
    </message>
    <message>
        <source>Broadcast Message Plugin</source>
        <translation>일괄 메시지 플러그인</translation>
    </message>
</context>
<context>
    <name>BroadcastViewer</name>
    <message>
        <source>Broadcast Message</source>
        <translation>일괄 메시지</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>지도에서 열기</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>클립보드에 복사</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>%1(으)로 전달</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>%1 님이 전달한 위치:</translation>
    </message>
</context>
<context>
    <name>BroadcastWindow</name>
    <message>
        <source>Broadcast Message</source>
        <translation>일괄 메시지</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>굵게(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>기울임꼴(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>밑줄(&amp;U)</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>빠른 텍스트</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>이모티콘</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>사용자 추가</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>이 대화는 암호화되어 있습니다</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>보냄</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>읽음</translation>
    </message>
    <message>
        <source>The connection to the server is lost. The broadcast can be sent once it is back.</source>
        <translation>서버와의 연결이 끊어졌습니다. 연결이 복구되면 일괄 메시지를 보낼 수 있습니다.</translation>
    </message>
    <message>
        <source>Remove user</source>
        <translation>사용자 제거</translation>
    </message>
    <message>
        <source>Seen by all</source>
        <translation>모두 읽음</translation>
    </message>
    <message>
        <source>Sending completed</source>
        <translation>보내기 완료</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>보내지 않은 메시지가 있습니다.
창을 닫으시겠습니까?</translation>
    </message>
    <message numerus="yes">
        <source>You have selected more than %n users. Please deselect some recipients.</source>
        <translation>
            <numerusform>사용자를 %n명 넘게 선택했습니다. 받는 사람 일부를 선택 해제하세요.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have selected less than %n users. Please select some recipients.</source>
        <translation>
            <numerusform>선택한 사용자가 %n명 미만입니다. 받는 사람을 선택하세요.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CannedMessages</name>
    <message>
        <source>I will be right back.</source>
        <translation>금방 돌아올게요.</translation>
    </message>
    <message>
        <source>Will you please send me the report?</source>
        <translation>보고서를 보내 주시겠어요?</translation>
    </message>
    <message>
        <source>You have a call on line #</source>
        <translation>회선으로 전화가 왔습니다: #</translation>
    </message>
</context>
<context>
    <name>CannedMessagesDialog</name>
    <message>
        <source>Quick Text Dialog</source>
        <translation>빠른 텍스트</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Add quick text</source>
        <translation>빠른 텍스트 추가</translation>
    </message>
    <message>
        <source>Delete quick text</source>
        <translation>빠른 텍스트 삭제</translation>
    </message>
    <message>
        <source>Move quick text up</source>
        <translation>빠른 텍스트를 위로 이동</translation>
    </message>
    <message>
        <source>Move quick text down</source>
        <translation>빠른 텍스트를 아래로 이동</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Place the quick text into the field for sending</source>
        <translation>빠른 텍스트를 입력란에 넣기</translation>
    </message>
    <message>
        <source>Send the quick text instantly</source>
        <translation>빠른 텍스트를 바로 보내기</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Type the message here</source>
        <translation>여기에 메시지를 입력하세요</translation>
    </message>
    <message>
        <source>This quick text is too long to be stored: a quick text holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>이 빠른 텍스트는 너무 길어서 저장할 수 없습니다. 빠른 텍스트는 최대 %1 KB입니다. 줄인 다음 확인을 다시 누르세요.</translation>
    </message>
    <message>
        <source>The quick texts could not be saved. Your changes are still in this dialog.</source>
        <translation>빠른 텍스트를 저장하지 못했습니다. 변경 내용은 이 대화 상자에 남아 있습니다.</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>New chat room</source>
        <translation>새 대화방</translation>
    </message>
</context>
<context>
    <name>ChatAlerts</name>
    <message>
        <source>%1 in %2</source>
        <translation>%2의 %1</translation>
    </message>
</context>
<context>
    <name>ChatFileDragOverlay</name>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;direct transfer&lt;/b&gt;</source>
        <translation>여기에 놓으면&lt;br&gt;
&lt;b&gt;직접 전송&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Drop here for&lt;br&gt;
&lt;b&gt;instant delivery&lt;/b&gt;</source>
        <translation>여기에 놓으면&lt;br&gt;
&lt;b&gt;즉시 전달&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible with peer that is currently offline</source>
        <translation>오프라인 상대와는 파일을 직접 전송할 수 없습니다</translation>
    </message>
    <message>
        <source>Direct file transfer is not possible</source>
        <translation>파일을 직접 전송할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>ChatImageViewer</name>
    <message>
        <source>Save picture</source>
        <translation>사진 저장</translation>
    </message>
    <message>
        <source>Picture Files (*.%1)</source>
        <translation>사진 파일 (*.%1)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
</context>
<context>
    <name>ChatImageViewerClass</name>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>전달</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>ChatSession</name>
    <message>
        <source>%1 has disabled nudges. Your nudge was not received.</source>
        <translation>%1 님이 콕 찌르기를 껐습니다. 콕 찌르기가 전달되지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>&amp;Bold</source>
        <translation>굵게(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>기울임꼴(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>밑줄(&amp;U)</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>콕 찌르기</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>Send picture</source>
        <translation>사진 보내기</translation>
    </message>
    <message>
        <source>Quick text</source>
        <translation>빠른 텍스트</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>이모티콘</translation>
    </message>
    <message>
        <source>This chat is encrypted</source>
        <translation>이 대화는 암호화되어 있습니다</translation>
    </message>
    <message>
        <source>Preparing chat room...</source>
        <translation>대화방을 준비하는 중...</translation>
    </message>
    <message>
        <source>Notifications from %1 are enabled</source>
        <translation>%1 님의 알림이 켜져 있습니다</translation>
    </message>
    <message>
        <source>Notifications from %1 are disabled</source>
        <translation>%1 님의 알림이 꺼져 있습니다</translation>
    </message>
    <message>
        <source>Automatic scroll is On for %1</source>
        <translation>%1 자동 스크롤 켜짐</translation>
    </message>
    <message>
        <source>Automatic scroll is Off for %1</source>
        <translation>%1 자동 스크롤 꺼짐</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>대화</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - 대화방</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - 대화방</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 님이 입력 중...</translation>
    </message>
    <message>
        <source>sends you a nudge</source>
        <translation>회원님을 콕 찔렀습니다</translation>
    </message>
    <message>
        <source>Auto reply: %1</source>
        <translation>자동 응답: %1</translation>
    </message>
    <message>
        <source>Detach from tab</source>
        <translation>탭에서 분리</translation>
    </message>
    <message>
        <source>Attach to tab</source>
        <translation>탭에 붙이기</translation>
    </message>
    <message>
        <source>You have an unsent message.
Do you want to close the window?</source>
        <translation>보내지 않은 메시지가 있습니다.
창을 닫으시겠습니까?</translation>
    </message>
</context>
<context>
    <name>ChatWindowClass</name>
    <message>
        <source>Chat</source>
        <translation>대화</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
</context>
<context>
    <name>DefaultFontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>굵게(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>기울임꼴(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>밑줄(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>색(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>글꼴(&amp;F)</translation>
    </message>
    <message>
        <source>The quick brown fox jumped over the lazy dog.</source>
        <translation>다람쥐 헌 쳇바퀴에 타고파</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>대화에서 찾기</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>대소문자 구분</translation>
    </message>
    <message>
        <source>Older match (Enter, F3)</source>
        <translation>이전 결과 (Enter, F3)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter, Shift+F3)</source>
        <translation>다음 결과 (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>닫기 (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>결과 없음</translation>
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
        <translation>전체 메시지</translation>
    </message>
</context>
<context>
    <name>HistoryLinks</name>
    <message>
        <source>Open in Maps</source>
        <translation>지도에서 열기</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>클립보드에 복사</translation>
    </message>
    <message>
        <source>Forward via %1</source>
        <translation>%1(으)로 전달</translation>
    </message>
    <message>
        <source>The picture has not arrived yet.</source>
        <translation>사진이 아직 도착하지 않았습니다.</translation>
    </message>
    <message>
        <source>Forwarded location:</source>
        <translation>전달된 위치:</translation>
    </message>
    <message>
        <source>Forwarded location of %1:</source>
        <translation>%1 님이 전달한 위치:</translation>
    </message>
</context>
<context>
    <name>HistoryPane</name>
    <message>
        <source>New messages</source>
        <translation>새 메시지</translation>
    </message>
    <message>
        <source>Go to the newest message</source>
        <translation>최신 메시지로 이동</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>The address holds a user name in front of the host, where the host name seems to stand.</source>
        <translation>이 주소에는 호스트 이름이 있는 것처럼 보이는 자리의 호스트 앞에 사용자 이름이 들어 있습니다.</translation>
    </message>
    <message>
        <source>The address holds invisible or direction-changing characters.</source>
        <translation>이 주소에는 보이지 않는 문자나 쓰기 방향을 바꾸는 문자가 들어 있습니다.</translation>
    </message>
    <message>
        <source>The host name mixes letters of several alphabets.</source>
        <translation>호스트 이름에 여러 문자 체계의 글자가 섞여 있습니다.</translation>
    </message>
    <message>
        <source>The link names a file on another computer; it was not opened.</source>
        <translation>이 링크는 다른 컴퓨터의 파일을 가리키므로 열지 않았습니다.</translation>
    </message>
    <message>
        <source>The link cannot be opened.</source>
        <translation>링크를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Do you want to open this file?</source>
        <translation>이 파일을 여시겠습니까?</translation>
    </message>
    <message>
        <source>Name: %1
Folder: %2</source>
        <translation>이름: %1
폴더: %2</translation>
    </message>
    <message>
        <source>Do you want to open this address?</source>
        <translation>이 주소를 여시겠습니까?</translation>
    </message>
    <message>
        <source>It leads to the host %1.</source>
        <translation>호스트 %1(으)로 연결됩니다.</translation>
    </message>
</context>
<context>
    <name>ListTextEditor</name>
    <message>
        <source>&amp;Bold</source>
        <translation>굵게(&amp;B)</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>굵게</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>기울임꼴(&amp;I)</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>기울임꼴</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>밑줄(&amp;U)</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>밑줄</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>이모티콘</translation>
    </message>
</context>
<context>
    <name>MarkupConverter</name>
    <message>
        <source>Voice message</source>
        <translation>음성 메시지</translation>
    </message>
    <message>
        <source>Video message</source>
        <translation>영상 메시지</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>MessageActions</name>
    <message>
        <source>Success</source>
        <translation>성공</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>위험</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행 중</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>라벨</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>좋아요</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>답장</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>A picture or an attachment</source>
        <translation>사진 또는 첨부 파일</translation>
    </message>
</context>
<context>
    <name>MessageBlocks</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 님이 콕 찔렀습니다.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>%1 님을 콕 찔렀습니다.</translation>
    </message>
    <message>
        <source>This message was deleted.</source>
        <translation>삭제된 메시지입니다.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>편집됨</translation>
    </message>
    <message>
        <source>Show the whole message</source>
        <translation>전체 메시지 보기</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Reply to: %1</source>
        <translation>답장 대상: %1</translation>
    </message>
    <message>
        <source>Edit message:</source>
        <translation>메시지 편집:</translation>
    </message>
    <message>
        <source>Close and discard changes</source>
        <translation>변경 내용을 버리고 닫기</translation>
    </message>
</context>
<context>
    <name>OutgoingFiles</name>
    <message>
        <source>Images ( %1 );; All files (*.*)</source>
        <translation>이미지 ( %1 );; 모든 파일 (*.*)</translation>
    </message>
    <message>
        <source>Select pictures to send</source>
        <translation>보낼 사진 선택</translation>
    </message>
</context>
<context>
    <name>PluginImpl</name>
    <message>
        <source>%1 sent you a nudge.</source>
        <translation>%1 님이 콕 찔렀습니다.</translation>
    </message>
    <message>
        <source>You sent a nudge to %1.</source>
        <translation>%1 님을 콕 찔렀습니다.</translation>
    </message>
    <message>
        <source>Text Chat</source>
        <translation>텍스트 대화</translation>
    </message>
    <message>
        <source>Text Chat Plugin</source>
        <translation>텍스트 대화 플러그인</translation>
    </message>
    <message>
        <source>This plugin is disabled. Contact your administrator for more details.</source>
        <translation>이 플러그인은 꺼져 있습니다. 자세한 내용은 관리자에게 문의하세요.</translation>
    </message>
</context>
<context>
    <name>PluginsButtonsManager</name>
    <message>
        <source>Add people to this Chat Room (Persistent)</source>
        <translation>이 대화방에 사람 추가 (영구)</translation>
    </message>
</context>
<context>
    <name>QuickTextMenu</name>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
</context>
<context>
    <name>RoomControls</name>
    <message>
        <source>The chat room could not be prepared.</source>
        <translation>대화방을 준비하지 못했습니다.</translation>
    </message>
    <message>
        <source>Do you want to close the window?</source>
        <translation>창을 닫으시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure you want to leave the chat room &quot;%1&quot;?</source>
        <translation>&quot;%1&quot; 대화방에서 나가시겠습니까?</translation>
    </message>
</context>
<context>
    <name>RoomsPluginImpl</name>
    <message>
        <source>Chat Rooms</source>
        <translation>대화방</translation>
    </message>
    <message>
        <source>Create Chat Room</source>
        <translation>대화방 만들기</translation>
    </message>
    <message>
        <source>Create a persistent chat room</source>
        <translation>상설 대화방 만들기</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 님이 대화방에 들어왔습니다.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 님이 대화방에서 나갔습니다.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Chat settings</source>
        <translation>대화 설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Open new chat sessions in tabbed window</source>
        <translation>새 대화를 탭 창에서 열기</translation>
    </message>
    <message>
        <source>Allow receiving a nudge</source>
        <translation>콕 찌르기 받기 허용</translation>
    </message>
    <message>
        <source>Show single emoticons larger</source>
        <translation>이모티콘 하나만 보낼 때 크게 표시</translation>
    </message>
    <message>
        <source>Popup notifications</source>
        <translation>팝업 알림</translation>
    </message>
    <message>
        <source>Do not show popup on a new message</source>
        <translation>새 메시지에 팝업 표시 안 함</translation>
    </message>
    <message>
        <source>Show popup on a first new message</source>
        <translation>첫 새 메시지에 팝업 표시</translation>
    </message>
    <message>
        <source>Show popup on a new message if the chat window is not active</source>
        <translation>대화 창이 비활성일 때 새 메시지에 팝업 표시</translation>
    </message>
    <message>
        <source>Sound notifications</source>
        <translation>소리 알림</translation>
    </message>
    <message>
        <source>Do not play a sound on a new message</source>
        <translation>새 메시지에 소리 내지 않음</translation>
    </message>
    <message>
        <source>Play sound on a new message if the chat window is not active</source>
        <translation>대화 창이 비활성일 때 새 메시지에 소리 내기</translation>
    </message>
    <message>
        <source>Always play sound on new message</source>
        <translation>새 메시지에 항상 소리 내기</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Auto reply</source>
        <translation>자동 응답</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>맞춤법 검사</translation>
    </message>
    <message>
        <source>Check spelling when typing</source>
        <translation>입력할 때 맞춤법 검사</translation>
    </message>
    <message>
        <source>Supported languages dictionaries</source>
        <translation>지원 언어 사전</translation>
    </message>
    <message>
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>If for any reason your local history is damaged, you can reset and synchronize it by pressing the button below.

Warning: This process may take a while and there is no progress indication.
You should do this synchronization only in case you were instructed by the support team.</source>
        <translation>로컬 기록이 어떤 이유로든 손상되었다면 아래 단추를 눌러 초기화하고 동기화할 수 있습니다.

경고: 이 작업은 시간이 걸릴 수 있으며 진행 상황이 표시되지 않습니다.
지원팀의 안내가 있을 때만 동기화하세요.</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>동기화</translation>
    </message>
    <message>
        <source>Synchronization is in progress...</source>
        <translation>동기화하는 중...</translation>
    </message>
    <message>
        <source>Gallery</source>
        <translation>갤러리</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>확대 배율</translation>
    </message>
    <message>
        <source>Smooth zoom</source>
        <translation>부드럽게 확대</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>원</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Draw border</source>
        <translation>테두리 그리기</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>This automatic reply is too long to be stored: a reply holds at most %1 KB. Shorten it and press OK again.</source>
        <translation>이 자동 응답은 너무 길어서 저장할 수 없습니다. 자동 응답은 최대 %1 KB입니다. 줄인 다음 확인을 다시 누르세요.</translation>
    </message>
    <message>
        <source>The automatic replies could not be saved. Your changes are still in this dialog.</source>
        <translation>자동 응답을 저장하지 못했습니다. 변경 내용은 이 대화 상자에 남아 있습니다.</translation>
    </message>
    <message>
        <source>You are about to clean the local history and initiate synchronization.

Do you want to proceed?</source>
        <translation>로컬 기록을 지우고 동기화를 시작합니다.

계속하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>SpellLanguageControl</name>
    <message>
        <source>No spell check</source>
        <translation>맞춤법 검사 안 함</translation>
    </message>
    <message>
        <source>No dictionary for %1</source>
        <translation>%1 사전 없음</translation>
    </message>
    <message>
        <source>The dictionary for %1 is missing; spelling is not checked.</source>
        <translation>%1 사전이 없어서 맞춤법을 검사하지 않습니다.</translation>
    </message>
    <message>
        <source>Spell check in %1</source>
        <translation>맞춤법 검사: %1</translation>
    </message>
</context>
<context>
    <name>TabbedChatWindow</name>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message numerus="yes">
        <source>%n missed messages</source>
        <translation>
            <numerusform>놓친 메시지 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>탭 닫기</translation>
    </message>
    <message>
        <source>%1 - Chat</source>
        <translation>%1 - 대화</translation>
    </message>
    <message>
        <source>You have an unsent message(s).
Do you want to close all tabs?</source>
        <translation>보내지 않은 메시지가 있습니다.
모든 탭을 닫으시겠습니까?</translation>
    </message>
</context>
<context>
    <name>UpdateRoomDialog</name>
    <message>
        <source>Update room details</source>
        <translation>대화방 정보 수정</translation>
    </message>
    <message>
        <source>Room display name</source>
        <translation>대화방 표시 이름</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>UploadsListFrame</name>
    <message numerus="yes">
        <source>Failed to upload %n files %1</source>
        <translation>
            <numerusform>파일 %n개를 업로드하지 못했습니다 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>You are about to stop uploads.</source>
        <translation>업로드를 중지하려고 합니다.</translation>
    </message>
    <message>
        <source>Do you really want to stop all uploads?</source>
        <translation>모든 업로드를 중지하시겠습니까?</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>업로드하는 중...</translation>
    </message>
    <message>
        <source>Close and stop all unfinished uploads</source>
        <translation>닫고 끝나지 않은 업로드를 모두 중지</translation>
    </message>
</context>
<context>
    <name>UserInfoFrame</name>
    <message>
        <source>More information</source>
        <translation>자세한 정보</translation>
    </message>
    <message>
        <source>Change room settings</source>
        <translation>대화방 설정 변경</translation>
    </message>
    <message>
        <source>Leave room</source>
        <translation>대화방 나가기</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>탭 닫기</translation>
    </message>
    <message>
        <source>%1 - Chat Room</source>
        <translation>%1 - 대화방</translation>
    </message>
    <message>
        <source>%1 (%2) - Chat Room</source>
        <translation>%1 (%2) - 대화방</translation>
    </message>
    <message>
        <source>&amp;Copy username</source>
        <translation>사용자 이름 복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Copy description</source>
        <translation>설명 복사(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View profile</source>
        <translation>프로필 보기(&amp;V)</translation>
    </message>
</context>
<context>
    <name>UserObj</name>
    <message>
        <source>Offline</source>
        <translation>오프라인</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>온라인</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>자리 비움</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>다른 용무 중</translation>
    </message>
</context>
</TS>

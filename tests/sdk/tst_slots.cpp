// The host finds every operation by its position in the virtual table, so a
// moved, inserted or removed declaration breaks every host silently. This
// test pins each named operation of every interface to its slot.

#include <sdk/sdk.h>

#include <QtTest>

#include <cstddef>
#include <cstring>

namespace {

// Under the Itanium C++ ABI a pointer to a virtual member function holds
// 1 + the byte offset of its entry in the virtual table.
template <typename F>
qint64 vtableIndex(F function)
{
    struct Representation
    {
        quintptr pointer;
        qintptr adjustment;
    };
    static_assert(sizeof(F) == sizeof(Representation), "Itanium member function pointer expected");
    Representation representation;
    std::memcpy(&representation, &function, sizeof representation);
    if ((representation.pointer & 1) == 0)
        return -1; // not a virtual function
    return qint64((representation.pointer - 1) / sizeof(void *));
}

// A virtual destructor in slot 0 takes two table entries (complete and
// deleting destructor), so later slots sit one index further on.
template <typename T>
constexpr int destructorEntries()
{
    return std::has_virtual_destructor<T>::value ? 1 : 0;
}

} // namespace

class tst_Slots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slotPositions_data();
    void slotPositions();
    void interfacesWithoutDestructor();
    void rectangleLayout();
};

void tst_Slots::slotPositions_data()
{
    QTest::addColumn<qint64>("index");
    QTest::addColumn<qint64>("expected");

#define SLOT_ROW(Interface, operation, slot) \
    QTest::newRow(#Interface "::" #operation) \
        << vtableIndex(&Interface::operation) << qint64(slot + ((slot) >= 1 ? destructorEntries<Interface>() : 0))

    SLOT_ROW(IPlugin, interfaceVersion, 1);
    SLOT_ROW(IPlugin, initialize, 2);
    SLOT_ROW(IPlugin, shutdown, 3);
    SLOT_ROW(IPlugin, pluginId, 4);
    SLOT_ROW(IPlugin, displayName, 5);
    SLOT_ROW(IPlugin, pluginVersion, 6);
    SLOT_ROW(IPlugin, actionText, 7);
    SLOT_ROW(IPlugin, drawIcon, 8);
    SLOT_ROW(IPlugin, drawIconAlt, 9);
    SLOT_ROW(IPlugin, drawIconAlt2, 10);
    SLOT_ROW(IPlugin, description, 11);
    SLOT_ROW(IPlugin, pluginCode, 12);
    SLOT_ROW(IPlugin, setDisabled, 13);
    SLOT_ROW(IPlugin, isDisabled, 14);
    SLOT_ROW(IPlugin, setOptions, 15);
    SLOT_ROW(IPlugin, onOwnUserChanged, 16);
    SLOT_ROW(IPlugin, onConnectionLost, 17);
    SLOT_ROW(IPlugin, onUserPresence, 18);
    SLOT_ROW(IPlugin, onUserStatusText, 19);
    SLOT_ROW(IPlugin, onOwnProfileA, 20);
    SLOT_ROW(IPlugin, onUserChanged, 21);
    SLOT_ROW(IPlugin, onUserUpdated, 22);
    SLOT_ROW(IPlugin, onOwnProfileB, 23);
    SLOT_ROW(IPlugin, onOwnProfileC, 24);
    SLOT_ROW(IPlugin, setLanguage, 25);
    SLOT_ROW(IPlugin, canExecute, 26);
    SLOT_ROW(IPlugin, execute, 27);
    SLOT_ROW(IPlugin, supportsMultiSelect, 28);
    SLOT_ROW(IPlugin, flag29, 29);
    SLOT_ROW(IPlugin, flag30, 30);
    SLOT_ROW(IPlugin, flag31, 31);
    SLOT_ROW(IPlugin, canExecuteMulti, 32);
    SLOT_ROW(IPlugin, flag33, 33);
    SLOT_ROW(IPlugin, executeMulti, 34);
    SLOT_ROW(IPlugin, reserved35, 35);
    SLOT_ROW(IPlugin, reserved36, 36);
    SLOT_ROW(IPlugin, reserved37, 37);
    SLOT_ROW(IPlugin, openChat, 38);
    SLOT_ROW(IPlugin, onCommand, 39);
    SLOT_ROW(IPlugin, reserved40, 40);
    SLOT_ROW(IPlugin, notifyUserWindow, 41);
    SLOT_ROW(IPlugin, onUserDeleted, 42);
    SLOT_ROW(IPlugin, sendAttachment, 43);
    SLOT_ROW(IPlugin, reserved44, 44);
    SLOT_ROW(IPlugin, showSettings, 45);
    SLOT_ROW(IPlugin, reloadResources, 46);
    SLOT_ROW(IPlugin, refreshButtons, 47);
    SLOT_ROW(IPlugin, flag48, 48);
    SLOT_ROW(IPlugin, openConversation, 49);
    SLOT_ROW(IPlugin, reserved50, 50);
    SLOT_ROW(IPlugin, openConversationEx, 51);
    SLOT_ROW(IPlugin, reserved52, 52);
    SLOT_ROW(IPlugin, reserved53, 53);
    SLOT_ROW(IPlugin, reserved54, 54);
    SLOT_ROW(IPlugin, onEvent, 55);
    SLOT_ROW(IPlugin, onMessage, 56);
    SLOT_ROW(IPlugin, onHostNumberChanged, 57);
    SLOT_ROW(IPlugin, onOptionsChanged, 58);
    SLOT_ROW(IPlugin, refreshWindows, 59);
    SLOT_ROW(IPlugin, describeMessage, 60);
    SLOT_ROW(IPlugin, onUserList, 61);
    SLOT_ROW(IPlugin, isActionAllowed, 62);
    SLOT_ROW(IHostServices, reserved0, 0);
    SLOT_ROW(IHostServices, reserved1, 1);
    SLOT_ROW(IHostServices, appName, 2);
    SLOT_ROW(IHostServices, askYesNo, 3);
    SLOT_ROW(IHostServices, queryState, 4);
    SLOT_ROW(IHostServices, registerPlugin, 5);
    SLOT_ROW(IHostServices, reserved6, 6);
    SLOT_ROW(IHostServices, getOwnUser, 7);
    SLOT_ROW(IHostServices, reserved8, 8);
    SLOT_ROW(IHostServices, reserved9, 9);
    SLOT_ROW(IHostServices, reserved10, 10);
    SLOT_ROW(IHostServices, reserved11, 11);
    SLOT_ROW(IHostServices, reserved12, 12);
    SLOT_ROW(IHostServices, requestUser, 13);
    SLOT_ROW(IHostServices, reserved14, 14);
    SLOT_ROW(IHostServices, reserved15, 15);
    SLOT_ROW(IHostServices, reserved16, 16);
    SLOT_ROW(IHostServices, reserved17, 17);
    SLOT_ROW(IHostServices, reserved18, 18);
    SLOT_ROW(IHostServices, contactCount, 19);
    SLOT_ROW(IHostServices, contactAt, 20);
    SLOT_ROW(IHostServices, getUser, 21);
    SLOT_ROW(IHostServices, reserved22, 22);
    SLOT_ROW(IHostServices, reserved23, 23);
    SLOT_ROW(IHostServices, customStatusCount, 24);
    SLOT_ROW(IHostServices, customStatusAt, 25);
    SLOT_ROW(IHostServices, sendControl, 26);
    SLOT_ROW(IHostServices, sendInstantMessage, 27);
    SLOT_ROW(IHostServices, reserved28, 28);
    SLOT_ROW(IHostServices, reserved29, 29);
    SLOT_ROW(IHostServices, reserved30, 30);
    SLOT_ROW(IHostServices, reserved31, 31);
    SLOT_ROW(IHostServices, reserved32, 32);
    SLOT_ROW(IHostServices, playSound, 33);
    SLOT_ROW(IHostServices, reserved34, 34);
    SLOT_ROW(IHostServices, reserved35, 35);
    SLOT_ROW(IHostServices, reserved36, 36);
    SLOT_ROW(IHostServices, reserved37, 37);
    SLOT_ROW(IHostServices, reserved38, 38);
    SLOT_ROW(IHostServices, reserved39, 39);
    SLOT_ROW(IHostServices, reserved40, 40);
    SLOT_ROW(IHostServices, reserved41, 41);
    SLOT_ROW(IHostServices, reserved42, 42);
    SLOT_ROW(IHostServices, reserved43, 43);
    SLOT_ROW(IHostServices, reserved44, 44);
    SLOT_ROW(IHostServices, settingsFolder, 45);
    SLOT_ROW(IHostServices, reserved46, 46);
    SLOT_ROW(IHostServices, reserved47, 47);
    SLOT_ROW(IHostServices, reserved48, 48);
    SLOT_ROW(IHostServices, loadMessageByEvent, 49);
    SLOT_ROW(IHostServices, reserved50, 50);
    SLOT_ROW(IHostServices, reserved51, 51);
    SLOT_ROW(IHostServices, reserved52, 52);
    SLOT_ROW(IHostServices, reserved53, 53);
    SLOT_ROW(IHostServices, loadMessageById, 54);
    SLOT_ROW(IHostServices, reserved55, 55);
    SLOT_ROW(IHostServices, reserved56, 56);
    SLOT_ROW(IHostServices, reserved57, 57);
    SLOT_ROW(IHostServices, reserved58, 58);
    SLOT_ROW(IHostServices, canChatWith, 59);
    SLOT_ROW(IHostServices, reserved60, 60);
    SLOT_ROW(IHostServices, reserved61, 61);
    SLOT_ROW(IHostServices, reserved62, 62);
    SLOT_ROW(IHostServices, reserved63, 63);
    SLOT_ROW(IHostServices, reserved64, 64);
    SLOT_ROW(IHostServices, reserved65, 65);
    SLOT_ROW(IHostServices, reserved66, 66);
    SLOT_ROW(IHostServices, dataFolder, 67);
    SLOT_ROW(IHostServices, reserved68, 68);
    SLOT_ROW(IHostServices, reserved69, 69);
    SLOT_ROW(IHostServices, reserved70, 70);
    SLOT_ROW(IHostServices, reserved71, 71);
    SLOT_ROW(IHostServices, reserved72, 72);
    SLOT_ROW(IHostServices, reserved73, 73);
    SLOT_ROW(IHostServices, reserved74, 74);
    SLOT_ROW(IHostServices, reserved75, 75);
    SLOT_ROW(IHostServices, reserved76, 76);
    SLOT_ROW(IHostServices, reserved77, 77);
    SLOT_ROW(IHostServices, reserved78, 78);
    SLOT_ROW(IHostServices, reserved79, 79);
    SLOT_ROW(IHostServices, findPlugin, 80);
    SLOT_ROW(IHostServices, reserved81, 81);
    SLOT_ROW(IHostServices, reserved82, 82);
    SLOT_ROW(IHostServices, reserved83, 83);
    SLOT_ROW(IHostServices, reserved84, 84);
    SLOT_ROW(IHostServices, reserved85, 85);
    SLOT_ROW(IHostServices, reserved86, 86);
    SLOT_ROW(IHostServices, reserved87, 87);
    SLOT_ROW(IHostServices, leaveRoom, 88);
    SLOT_ROW(IHostServices, createRoom, 89);
    SLOT_ROW(IHostServices, renameRoom, 90);
    SLOT_ROW(IHostServices, inviteToRoom, 91);
    SLOT_ROW(IHostServices, roomOpened, 92);
    SLOT_ROW(IHostServices, reserved93, 93);
    SLOT_ROW(IHostServices, reserved94, 94);
    SLOT_ROW(IHostServices, markSeen, 95);
    SLOT_ROW(IHostServices, reserved96, 96);
    SLOT_ROW(IHostServices, postMessage, 97);
    SLOT_ROW(IHostServices, createMessage, 98);
    SLOT_ROW(IHostServices, createMessageRecord, 99);
    SLOT_ROW(IHostServices, reserved100, 100);
    SLOT_ROW(IHostServices, reserved101, 101);
    SLOT_ROW(IHostServices, reserved102, 102);
    SLOT_ROW(IHostServices, reserved103, 103);
    SLOT_ROW(IHostServices, reserved104, 104);
    SLOT_ROW(IHostServices, reserved105, 105);
    SLOT_ROW(IHostServices, releaseMessage, 106);
    SLOT_ROW(IHostServices, releaseMessageRecord, 107);
    SLOT_ROW(IHostServices, signedInIdentity, 108);
    SLOT_ROW(IHostServices, registerRoomsListener, 109);
    SLOT_ROW(IHostServices, interfaceLanguage, 110);
    SLOT_ROW(IHostServices, applicationFolder, 111);
    SLOT_ROW(IHostServices, hostNumber, 112);
    SLOT_ROW(IHostServices, skinPath, 113);
    SLOT_ROW(IHostServices, newestMessages, 114);
    SLOT_ROW(IHostServices, messagesAfter, 115);
    SLOT_ROW(IHostServices, messagesBefore, 116);
    SLOT_ROW(IHostServices, releaseMessageList, 117);
    SLOT_ROW(IHostServices, showPopup, 118);
    SLOT_ROW(IHostServices, missedMessageCount, 119);
    SLOT_ROW(IHostServices, localFileForAddress, 120);
    SLOT_ROW(IHostServices, registerTransfer, 121);
    SLOT_ROW(IHostServices, formatSize, 122);
    SLOT_ROW(IHostServices, formatDuration, 123);
    SLOT_ROW(IHostServices, mediaCaption, 124);
    SLOT_ROW(IHostServices, pictureLocalName, 125);
    SLOT_ROW(IHostServices, createPictureLocalName, 126);
    SLOT_ROW(IHostServices, fetchPicture, 127);
    SLOT_ROW(IHostServices, transferKind, 128);
    SLOT_ROW(IHostServices, isTransferRunning, 129);
    SLOT_ROW(IHostServices, savedPathForAddress, 130);
    SLOT_ROW(IHostServices, transferDetails, 131);
    SLOT_ROW(IHostServices, transferUrl, 132);
    SLOT_ROW(IHostServices, transferLocalPath, 133);
    SLOT_ROW(IHostServices, transferPictureSource, 134);
    SLOT_ROW(IHostServices, transferPeer, 135);
    SLOT_ROW(IHostServices, pluginButtonCount, 136);
    SLOT_ROW(IHostServices, pluginButtonAt, 137);
    SLOT_ROW(IHostServices, triggerPluginButton, 138);
    SLOT_ROW(IHostServices, sendFilesDirect, 139);
    SLOT_ROW(IHostServices, isCloudDeliveryAvailable, 140);
    SLOT_ROW(IHostServices, stopUploads, 141);
    SLOT_ROW(IHostServices, uploadErrorText, 142);
    SLOT_ROW(IHostServices, openUserProfile, 143);
    SLOT_ROW(IHostServices, forwardLocation, 144);
    SLOT_ROW(IHostServices, sendFiles, 145);
    SLOT_ROW(IHostServices, broadcastId, 146);
    SLOT_ROW(IHostServices, sendBroadcast, 147);
    SLOT_ROW(IHostServices, canReceiveBroadcast, 148);
    SLOT_ROW(IHostServices, pickContacts, 149);
    SLOT_ROW(IHostServices, getAvatar, 150);
    SLOT_ROW(IHostServices, createEvent, 151);
    SLOT_ROW(IHostServices, submitEvent, 152);
    SLOT_ROW(IHostServices, releaseEvent, 153);
    SLOT_ROW(IHostServices, runHistoryReset, 154);
    SLOT_ROW(IHostServices, forwardText, 155);
    SLOT_ROW(IHostServices, fetchFile, 156);
    SLOT_ROW(IHostServices, ownTransferSchemes, 157);
    SLOT_ROW(IHostServices, hostClock, 158);
    SLOT_ROW(IHostServices, hostScreens, 159);
    SLOT_ROW(IHostServices, searchMessages, 160);
    SLOT_ROW(IHostServices, messagesPageAfter, 161);
    SLOT_ROW(IHostClock, epochMs, 0);
    SLOT_ROW(IHostClock, utcOffsetSeconds, 1);
    SLOT_ROW(IHostClock, tickMs, 2);
    SLOT_ROW(IHostClock, registerListener, 3);
    SLOT_ROW(IHostClock, unregisterListener, 4);
    SLOT_ROW(IHostClockListener, onHostClockMoved, 0);
    SLOT_ROW(IHostClockListener, nextDueTickMs, 1);
    SLOT_ROW(IHostScreens, screenCount, 0);
    SLOT_ROW(IHostScreens, geometry, 1);
    SLOT_ROW(IHostScreens, availableGeometry, 2);
    SLOT_ROW(IHostMessage, isReceived, 0);
    SLOT_ROW(IHostMessage, reserved1, 1);
    SLOT_ROW(IHostMessage, secondFlag, 2);
    SLOT_ROW(IHostMessage, reserved3, 3);
    SLOT_ROW(IHostMessage, reserved4, 4);
    SLOT_ROW(IHostMessage, reserved5, 5);
    SLOT_ROW(IHostMessage, peerId, 6);
    SLOT_ROW(IHostMessage, senderId, 7);
    SLOT_ROW(IHostMessage, reserved8, 8);
    SLOT_ROW(IHostMessage, reserved9, 9);
    SLOT_ROW(IHostMessage, reserved10, 10);
    SLOT_ROW(IHostMessage, reserved11, 11);
    SLOT_ROW(IHostMessage, reserved12, 12);
    SLOT_ROW(IHostMessage, reserved13, 13);
    SLOT_ROW(IHostMessage, pluginId, 14);
    SLOT_ROW(IHostMessage, body, 15);
    SLOT_ROW(IHostMessage, sessionKey, 16);
    SLOT_ROW(IHostMessage, eventId, 17);
    SLOT_ROW(IHostMessage, messageId, 18);
    SLOT_ROW(IHostMessage, time, 19);
    SLOT_ROW(IHostMessage, kind, 20);
    SLOT_ROW(IHostMessage, overridingSenderId, 21);
    SLOT_ROW(IHostMessage, labels, 22);
    SLOT_ROW(IHostMessage, likeCount, 23);
    SLOT_ROW(IHostMessage, isLikedBy, 24);
    SLOT_ROW(IHostMessage, replyTarget, 25);
    SLOT_ROW(IHostMessage, isEdited, 26);
    SLOT_ROW(IHostMessage, isDeleted, 27);
    SLOT_ROW(IHostMessage, setLabels, 28);
    SLOT_ROW(IHostMessage, setLiked, 29);
    SLOT_ROW(IMessageObject, reserved0, 0);
    SLOT_ROW(IMessageObject, reserved1, 1);
    SLOT_ROW(IMessageObject, reserved2, 2);
    SLOT_ROW(IMessageObject, reserved3, 3);
    SLOT_ROW(IMessageObject, reserved4, 4);
    SLOT_ROW(IMessageObject, reserved5, 5);
    SLOT_ROW(IMessageObject, reserved6, 6);
    SLOT_ROW(IMessageObject, reserved7, 7);
    SLOT_ROW(IMessageObject, reserved8, 8);
    SLOT_ROW(IMessageObject, reserved9, 9);
    SLOT_ROW(IMessageObject, setKind, 10);
    SLOT_ROW(IMessageObject, setPeerId, 11);
    SLOT_ROW(IMessageObject, setSenderId, 12);
    SLOT_ROW(IMessageObject, setBody, 13);
    SLOT_ROW(IMessageObject, setTime, 14);
    SLOT_ROW(IMessageObject, reserved15, 15);
    SLOT_ROW(IMessageObject, setFlag, 16);
    SLOT_ROW(IMessageList, count, 0);
    SLOT_ROW(IMessageList, at, 1);
    SLOT_ROW(IConversationRecord, reserved0, 0);
    SLOT_ROW(IConversationRecord, reserved1, 1);
    SLOT_ROW(IConversationRecord, reserved2, 2);
    SLOT_ROW(IConversationRecord, reserved3, 3);
    SLOT_ROW(IConversationRecord, userId, 4);
    SLOT_ROW(IConversationRecord, sessionKey, 5);
    SLOT_ROW(IHostEvent, setPluginId, 0);
    SLOT_ROW(IHostEvent, setTitle, 1);
    SLOT_ROW(IHostEvent, setText, 2);
    SLOT_ROW(IHostEvent, addAction, 3);
    SLOT_ROW(IUser, assign, 1);
    SLOT_ROW(IUser, isEmpty, 2);
    SLOT_ROW(IUser, isOffline, 3);
    SLOT_ROW(IUser, isConnected, 4);
    SLOT_ROW(IUser, isOnline, 5);
    SLOT_ROW(IUser, isAway, 6);
    SLOT_ROW(IUser, isBusy, 7);
    SLOT_ROW(IUser, hasStatusMessage, 8);
    SLOT_ROW(IUser, status, 9);
    SLOT_ROW(IUser, statusText, 10);
    SLOT_ROW(IUser, id, 11);
    SLOT_ROW(IUser, displayName, 12);
    SLOT_ROW(IUser, userName, 13);
    SLOT_ROW(IUser, firstName, 14);
    SLOT_ROW(IUser, lastName, 15);
    SLOT_ROW(IUser, profileText16, 16);
    SLOT_ROW(IUser, profileText17, 17);
    SLOT_ROW(IUser, profileText18, 18);
    SLOT_ROW(IUser, profileText19, 19);
    SLOT_ROW(IUser, profileText20, 20);
    SLOT_ROW(IUser, item, 21);
    SLOT_ROW(IUser, itemCount, 22);
    SLOT_ROW(IUser, profileText23, 23);
    SLOT_ROW(IUser, type, 24);
    SLOT_ROW(IUser, extraId, 25);
    SLOT_ROW(IVariable, value, 0);
    SLOT_ROW(IVariable, set, 1);
    SLOT_ROW(IImage, constBits, 0);
    SLOT_ROW(IImage, bits, 1);
    SLOT_ROW(IImage, width, 2);
    SLOT_ROW(IImage, height, 3);
    SLOT_ROW(IImage, setData, 4);
    SLOT_ROW(ICustomStatus, statusCode, 0);
    SLOT_ROW(ICustomStatus, text, 1);
    SLOT_ROW(IRoomsListener, onRoomReady, 1);
    SLOT_ROW(IRoomsListener, onRoomJoined, 2);
    SLOT_ROW(IRoomsListener, onRoomMemberJoined, 3);
    SLOT_ROW(IRoomsListener, onRoomMembersLeft, 4);
    SLOT_ROW(IRoomsListener, onRoomUpdated, 5);
    SLOT_ROW(IRoomsListener, onRoomRemoved, 6);
    SLOT_ROW(IRoomsListener, onRoomNotice, 7);
    SLOT_ROW(IRoomsListener, onRoomMemberChanged, 8);
    SLOT_ROW(kelvan::IThreadManager, registerThread, 1);
    SLOT_ROW(kelvan::IThreadManager, unregisterThread, 2);
    SLOT_ROW(kelvan::IThreadManager, threadCount, 3);
    SLOT_ROW(kelvan::IThreadManager, threadIdAt, 4);
    SLOT_ROW(kelvan::IThreadManager, threadNameAt, 5);
    SLOT_ROW(kelvan::IThreadManager, setThreadData, 6);
    SLOT_ROW(kelvan::IThreadManager, threadData, 7);
#undef SLOT_ROW
}

void tst_Slots::slotPositions()
{
    QFETCH(qint64, index);
    QFETCH(qint64, expected);
    QCOMPARE(index, expected);
}

void tst_Slots::interfacesWithoutDestructor()
{
    // These tables belong to objects the other side destroys, so a destructor
    // among their slots would shift every later operation.
    QVERIFY(!std::has_virtual_destructor<IHostServices>::value);
    QVERIFY(!std::has_virtual_destructor<IHostMessage>::value);
    QVERIFY(!std::has_virtual_destructor<IMessageObject>::value);
    QVERIFY(!std::has_virtual_destructor<IMessageList>::value);
    QVERIFY(!std::has_virtual_destructor<IConversationRecord>::value);
    QVERIFY(!std::has_virtual_destructor<IHostEvent>::value);
    QVERIFY(!std::has_virtual_destructor<IVariable>::value);
    QVERIFY(!std::has_virtual_destructor<IImage>::value);
    QVERIFY(!std::has_virtual_destructor<ICustomStatus>::value);
    QVERIFY(!std::has_virtual_destructor<IHostClock>::value);
    QVERIFY(!std::has_virtual_destructor<IHostClockListener>::value);
    QVERIFY(!std::has_virtual_destructor<IHostScreens>::value);
    QVERIFY(std::has_virtual_destructor<IPlugin>::value);
    QVERIFY(std::has_virtual_destructor<IUser>::value);
    QVERIFY(std::has_virtual_destructor<IRoomsListener>::value);
}

void tst_Slots::rectangleLayout()
{
    // Screen geometry crosses as four 32-bit fields in this order.
    QCOMPARE(sizeof(HostRect), size_t(16));
    QCOMPARE(offsetof(HostRect, x), size_t(0));
    QCOMPARE(offsetof(HostRect, y), size_t(4));
    QCOMPARE(offsetof(HostRect, width), size_t(8));
    QCOMPARE(offsetof(HostRect, height), size_t(12));
}

QTEST_APPLESS_MAIN(tst_Slots)
#include "tst_slots.moc"

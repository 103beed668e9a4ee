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

template <typename... T>
constexpr bool anyVirtualDestructor()
{
    return (std::has_virtual_destructor<T>::value || ...);
}

template <typename... T>
constexpr bool allVirtualDestructor()
{
    return (std::has_virtual_destructor<T>::value && ...);
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

// One row per operation; PIN(Interface, slot, a, b, ...) pins a to slot and
// each following name to the next slot.
#define SLOT_ROW(Interface, operation, slot) \
    QTest::newRow(#Interface "::" #operation) \
        << vtableIndex(&Interface::operation) << qint64(slot + ((slot) >= 1 ? destructorEntries<Interface>() : 0));
#define PIN1(I, n, a) SLOT_ROW(I, a, n)
#define PIN2(I, n, a, ...) PIN1(I, n, a) PIN1(I, (n) + 1, __VA_ARGS__)
#define PIN3(I, n, a, ...) PIN1(I, n, a) PIN2(I, (n) + 1, __VA_ARGS__)
#define PIN4(I, n, a, ...) PIN1(I, n, a) PIN3(I, (n) + 1, __VA_ARGS__)
#define PIN5(I, n, a, ...) PIN1(I, n, a) PIN4(I, (n) + 1, __VA_ARGS__)
#define PIN6(I, n, a, ...) PIN1(I, n, a) PIN5(I, (n) + 1, __VA_ARGS__)
#define PIN7(I, n, a, ...) PIN1(I, n, a) PIN6(I, (n) + 1, __VA_ARGS__)
#define PIN8(I, n, a, ...) PIN1(I, n, a) PIN7(I, (n) + 1, __VA_ARGS__)
#define PIN9(I, n, a, ...) PIN1(I, n, a) PIN8(I, (n) + 1, __VA_ARGS__)
#define PIN_PICK(_1, _2, _3, _4, _5, _6, _7, _8, _9, NAME, ...) NAME
#define PIN(I, n, ...) PIN_PICK(__VA_ARGS__, PIN9, PIN8, PIN7, PIN6, PIN5, PIN4, PIN3, PIN2, PIN1)(I, n, __VA_ARGS__)

    PIN(IPlugin, 1, interfaceVersion, initialize, shutdown, pluginId, displayName, pluginVersion, actionText);
    PIN(IPlugin, 8, drawIcon, drawIconAlt, drawIconAlt2, description, pluginCode, setDisabled, isDisabled);
    PIN(IPlugin, 15, setOptions, onOwnUserChanged, onConnectionLost, onUserPresence, onUserStatusText, onOwnProfileA);
    PIN(IPlugin, 21, onUserChanged, onUserUpdated, onOwnProfileB, onOwnProfileC, setLanguage, canExecute, execute);
    PIN(IPlugin, 28, supportsMultiSelect, flag29, flag30, flag31, canExecuteMulti, flag33, executeMulti, reserved35);
    PIN(IPlugin, 36, reserved36, reserved37, openChat, onCommand, reserved40, notifyUserWindow, onUserDeleted);
    PIN(IPlugin, 43, sendAttachment, reserved44, showSettings, reloadResources, refreshButtons, flag48);
    PIN(IPlugin, 49, openConversation, reserved50, openConversationEx, reserved52, reserved53, reserved54, onEvent);
    PIN(IPlugin, 56, onMessage, onHostNumberChanged, onOptionsChanged, refreshWindows, describeMessage, onUserList);
    PIN(IPlugin, 62, isActionAllowed);
    PIN(IHostServices, 0, reserved0, reserved1, appName, askYesNo, queryState, registerPlugin, reserved6, getOwnUser);
    PIN(IHostServices, 8, reserved8, reserved9, reserved10, reserved11, reserved12, requestUser, reserved14);
    PIN(IHostServices, 15, reserved15, reserved16, reserved17, reserved18, contactCount, contactAt, getUser);
    PIN(IHostServices, 22, reserved22, reserved23, customStatusCount, customStatusAt, sendControl);
    PIN(IHostServices, 27, sendInstantMessage, reserved28, reserved29, reserved30, reserved31, reserved32, playSound);
    PIN(IHostServices, 34, reserved34, reserved35, reserved36, reserved37, reserved38, reserved39, reserved40);
    PIN(IHostServices, 41, reserved41, reserved42, reserved43, reserved44, settingsFolder, reserved46, reserved47);
    PIN(IHostServices, 48, reserved48, loadMessageByEvent, reserved50, reserved51, reserved52, reserved53);
    PIN(IHostServices, 54, loadMessageById, reserved55, reserved56, reserved57, reserved58, canChatWith, reserved60);
    PIN(IHostServices, 61, reserved61, reserved62, reserved63, reserved64, reserved65, reserved66, dataFolder);
    PIN(IHostServices, 68, reserved68, reserved69, reserved70, reserved71, reserved72, reserved73, reserved74);
    PIN(IHostServices, 75, reserved75, reserved76, reserved77, reserved78, reserved79, findPlugin, reserved81);
    PIN(IHostServices, 82, reserved82, reserved83, reserved84, reserved85, reserved86, reserved87, leaveRoom);
    PIN(IHostServices, 89, createRoom, renameRoom, inviteToRoom, roomOpened, reserved93, reserved94, markSeen);
    PIN(IHostServices, 96, reserved96, postMessage, createMessage, createMessageRecord, reserved100, reserved101);
    PIN(IHostServices, 102, reserved102, reserved103, reserved104, reserved105, releaseMessage, releaseMessageRecord);
    PIN(IHostServices, 108, signedInIdentity, registerRoomsListener, interfaceLanguage, applicationFolder);
    PIN(IHostServices, 112, hostNumber, skinPath, newestMessages, messagesAfter, messagesBefore, releaseMessageList);
    PIN(IHostServices, 118, showPopup, missedMessageCount, localFileForAddress, registerTransfer, formatSize);
    PIN(IHostServices, 123, formatDuration, mediaCaption, pictureLocalName, createPictureLocalName, fetchPicture);
    PIN(IHostServices, 128, transferKind, isTransferRunning, savedPathForAddress, transferDetails, transferUrl);
    PIN(IHostServices, 133, transferLocalPath, transferPictureSource, transferPeer, pluginButtonCount);
    PIN(IHostServices, 137, pluginButtonAt, triggerPluginButton, sendFilesDirect, isCloudDeliveryAvailable);
    PIN(IHostServices, 141, stopUploads, uploadErrorText, openUserProfile, forwardLocation, sendFiles, broadcastId);
    PIN(IHostServices, 147, sendBroadcast, canReceiveBroadcast, pickContacts, getAvatar, createEvent, submitEvent);
    PIN(IHostServices, 153, releaseEvent, runHistoryReset, forwardText, fetchFile, ownTransferSchemes, hostClock);
    PIN(IHostServices, 159, hostScreens, searchMessages, messagesPageAfter, pictureMessages, messageOrdinal);
    PIN(IHostServices, 164, messagesPageAt);
    PIN(IHostClock, 0, epochMs, utcOffsetSeconds, tickMs, registerListener, unregisterListener);
    PIN(IHostClockListener, 0, onHostClockMoved, nextDueTickMs);
    PIN(IHostScreens, 0, screenCount, geometry, availableGeometry);
    PIN(IHostMessage, 0, isReceived, reserved1, secondFlag, reserved3, reserved4, reserved5, peerId, senderId);
    PIN(IHostMessage, 8, reserved8, reserved9, reserved10, reserved11, reserved12, reserved13, pluginId, body);
    PIN(IHostMessage, 16, sessionKey, eventId, messageId, time, kind, overridingSenderId, labels, likeCount);
    PIN(IHostMessage, 24, isLikedBy, replyTarget, isEdited, isDeleted, setLabels, setLiked);
    PIN(IMessageObject, 0, reserved0, reserved1, reserved2, reserved3, reserved4, reserved5, reserved6, reserved7);
    PIN(IMessageObject, 8, reserved8, reserved9, setKind, setPeerId, setSenderId, setBody, setTime, reserved15);
    PIN(IMessageObject, 16, setFlag);
    PIN(IMessageList, 0, count, at);
    PIN(IConversationRecord, 0, reserved0, reserved1, reserved2, reserved3, userId, sessionKey);
    PIN(IHostEvent, 0, setPluginId, setTitle, setText, addAction);
    PIN(IUser, 1, assign, isEmpty, isOffline, isConnected, isOnline, isAway, isBusy, hasStatusMessage, status);
    PIN(IUser, 10, statusText, id, displayName, userName, firstName, lastName, profileText16, profileText17);
    PIN(IUser, 18, profileText18, profileText19, profileText20, item, itemCount, profileText23, type, extraId);
    PIN(IVariable, 0, value, set);
    PIN(IImage, 0, constBits, bits, width, height, setData);
    PIN(ICustomStatus, 0, statusCode, text);
    PIN(IRoomsListener, 1, onRoomReady, onRoomJoined, onRoomMemberJoined, onRoomMembersLeft, onRoomUpdated);
    PIN(IRoomsListener, 6, onRoomRemoved, onRoomNotice, onRoomMemberChanged);
    PIN(kelvan::IThreadManager, 1, registerThread, unregisterThread, threadCount, threadIdAt, threadNameAt);
    PIN(kelvan::IThreadManager, 6, setThreadData, threadData);
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
    QVERIFY((!anyVirtualDestructor<IHostServices, IHostMessage, IMessageObject, IMessageList, IConversationRecord,
                                   IHostEvent, IVariable, IImage, ICustomStatus, IHostClock, IHostClockListener,
                                   IHostScreens>()));
    QVERIFY((allVirtualDestructor<IPlugin, IUser, IRoomsListener>()));
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

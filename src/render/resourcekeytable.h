#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// A chat window's two-way table between attachment addresses and the keys
// that name their document resources ("R" + local time + "_" + counter).
// One per history view, living as long as the window, so a re-rendered
// history finds the same resources under the same names.
class ResourceKeyTable
{
public:
    // What the icon of a key shows; the chat window repaints and handles
    // clicks by these sets.
    enum class IconState {
        Placeholder = 1,      // picture not available yet
        Broken = 2,           // picture failed
        DownloadOffered = 3,  // file icon with the download overlay
        Transferring = 4,     // upload or download running (hourglass)
    };

    ResourceKeyTable() = default;

    // The key of an address, created on first use.
    QString resourceKeyFor(const QString &address);
    // The key, or empty when the address has none yet.
    QString keyOf(const QString &address) const;
    // The address of a key, or empty.
    QString addressForKey(const QString &key) const;
    bool containsKey(const QString &key) const;
    int size() const { return m_keyByAddress.size(); }

    void setIconState(const QString &key, IconState state);
    void clearIconState(const QString &key);
    bool hasIconState(const QString &key, IconState state) const;
    // Keys in that state, sorted.
    QStringList keysInState(IconState state) const;

    // What a file, voice or video block showed under a key, for the icon
    // the chat window draws for it (fileIcon needs the name). `upload`: the
    // tag's address carried the "upload:" mark, which the key's address has
    // lost; the latest rendering of the block decides.
    void noteAttachment(const QString &key, const QString &name, int transferKind, bool upload = false);
    QString attachmentName(const QString &key) const;
    // 0 file, 1 voice, 2 video; -1 for keys without a block.
    int attachmentKind(const QString &key) const;
    // The address as the block's tag wrote it, "upload:" mark included.
    QString attachmentAddress(const QString &key) const;

    // Pictures the history shows, by the host's local name: the redraws of
    // a picture transfer find the document resource of an address here.
    // `fetchStarted`: rendering it started the host's fetch, which the
    // window then watches (takeStartedFetches).
    void notePicture(const QString &localName, const QString &address, bool fetchStarted);
    // The local name shown for an address and back; empty when none.
    QString pictureName(const QString &address) const;
    QString pictureAddress(const QString &localName) const;
    // Addresses whose fetch rendering started since the last call.
    QStringList takeStartedFetches();

    // A new key: "R%1_%2", %1 the local time as yyyyMMddhhmmss, %2 a
    // process-wide 16-bit counter with at least four digits.
    static QString newKey();

private:
    QHash<QString, QString> m_keyByAddress;
    QHash<QString, QString> m_addressByKey;
    struct Attachment
    {
        QString name;
        int kind = -1;
        bool upload = false;
    };
    QHash<QString, Attachment> m_attachments;
    QHash<QString, QString> m_pictureNames;     // address -> local name
    QHash<QString, QString> m_pictureAddresses; // local name -> address
    QStringList m_startedFetches;
    QSet<QString> m_states[4];
};

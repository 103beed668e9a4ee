#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class ChatSession;
class PictureWriteJob;
class QImage;
class QMimeData;
class QWidget;
class TextEdit;

// Pictures and files on their way from a chat window to the conversation:
// picked in the file dialog ("Send picture"), pasted or dropped into the
// editor. Files other than pictures go to the host at once; pictures are
// copied into the paste folder (PasteFolder), shown in the editor as inline
// images named "chat_image:" + the copy's path, and wait in the pending
// attachments until the next Send.
//
// Every picture is measured before it is decoded and decoded once, at the
// size the editor shows it (PictureLoader); one that does not load is
// skipped. Raw picture data from the clipboard is shown at once and written
// as PNG by a PictureWriteJob; Send waits for that file only if it is still
// being written.
class OutgoingFiles : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(OutgoingFiles)

public:
    // Raw pictures are written under this base name, as PNG.
    static constexpr char RawPictureBase[] = "clipboard";

    // The conversation the files go to (not owned); null once the window closed.
    using SessionGetter = std::function<ChatSession *()>;

    // `editor` and `dialogParent` are not owned and must outlive this object.
    OutgoingFiles(TextEdit *editor, QWidget *dialogParent, SessionGetter session, QObject *parent = nullptr);
    ~OutgoingFiles() override;

    // "Images ( *.bmp *.gif ... );; All files (*.*)": every format the
    // image reader supports, each once.
    static QString pictureFilter();
    // The picture test: the name claims a format the image reader knows, or
    // the content is one.
    static bool isPicture(const QString &path);
    // The name a pasted picture has in the editor's document.
    static QString pictureName(const QString &copyPath);

    // The "Send picture" action: the file dialog in the last picture
    // folder; the picked files are sent and their folder remembered.
    void selectPicturesToSend();
    // Pasted or dropped data (the editor's onPaste).
    void paste(const QMimeData *data);
    // Hands local files to the host for the conversation's members.
    void sendFiles(const QStringList &paths);
    // Send's part: the pending pictures still in the editor (`shownPictures`
    // are the names the markup conversion found) go out first; the list is
    // emptied.
    void sendPending(const QStringList &shownPictures);

    QStringList pending() const { return m_pending; }

private:
    void addPictureFile(const QString &path);
    void addRawPicture(const QMimeData *data);

    TextEdit *m_editor;
    QWidget *m_dialogParent;
    SessionGetter m_session;
    QStringList m_pending;            // copies in the paste folder, native separators
    QHash<QString, std::shared_ptr<PictureWriteJob>> m_writes; // by path
};

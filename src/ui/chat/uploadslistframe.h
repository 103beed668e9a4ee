#pragma once

#include "lib_kelvan/clocktimer.h"

#include <QByteArray>
#include <QFrame>
#include <QList>
#include <QVector>

#include <functional>

class ChatSession;
class IHostServices;
class QLabel;
class QProgressBar;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

// The list of the conversation's uploads that floats over the top of the
// history while pictures and files go out: a title ("Uploading...", or
// "%1 files" for more than one), a close button and one row per upload
// (thumbnail, name, size, progress), in the order the uploads started.
//
// The host drives it: an upload is added with the details it reports,
// progress and results follow by transfer key. When every upload has ended,
// failures are counted in a line of their own and the list closes itself
// AutoCloseMs later (on the library's clock). Closing it while uploads run
// asks first and then stops them through the host.
//
// It floats as FloatingOverlay describes: its parent's size, drawn (and
// taking clicks) only where its panel is, so the history stays usable
// around it.
class UploadsListFrame : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY(UploadsListFrame)

public:
    enum class State {
        Running,
        Done,    // uploaded (its message goes out next)
        Failed,
        Stopped,
    };

    static constexpr int AutoCloseMs = 1000;
    static constexpr int ThumbnailSize = 32;
    // More rows than this scroll inside the panel.
    static constexpr int MaxVisibleRows = 4;
    // A host's details record is a few hundred bytes.
    static constexpr int MaxDetailsBytes = 64 * 1024;

    // The conversation whose uploads these are (not owned); null once the
    // window closed.
    using SessionGetter = std::function<ChatSession *()>;

    // `history`: the view the list floats over (its parent).
    UploadsListFrame(QWidget *history, SessionGetter session);
    ~UploadsListFrame() override;

    // An upload as the host's transferDetails describes it; a key already
    // listed is updated in place.
    void addUpload(const QByteArray &key, const QByteArray &details);
    void setProgress(const QByteArray &key, qint64 uploaded, qint64 total);
    // Host events 10 (uploaded), 11 (failed; the first field is the
    // reason) and 18 (stopped).
    void setResult(const QByteArray &key, int code, const QList<QByteArray> &fields);
    // The upload's message went out.
    void setFinished(const QByteArray &key);
    void removeUpload(const QByteArray &key);
    // The uploads the plug-in core kept while no window showed them: their
    // details are asked of the host again.
    void restore(const QList<QByteArray> &keys);

    int count() const { return m_rows.size(); }
    int unfinishedCount() const;
    int failedCount() const { return m_failed; }
    // Running for a key that is not listed.
    State state(const QByteArray &key) const;
    QToolButton *closeButton() const { return m_close; }

Q_SIGNALS:
    // The list closed (by itself, or the user closed it).
    void closeInfo();

public Q_SLOTS:
    // Asks before stopping running uploads; Cancel keeps everything.
    void onBtnClose();
    void onAutoClose();

protected:
    void changeEvent(QEvent *event) override;

private:
    struct Row
    {
        QByteArray key;
        QWidget *widget = nullptr; // owned by the rows area
        QProgressBar *progress = nullptr;
        State state = State::Running;
        QString reason;
    };

    IHostServices *host() const;
    QByteArray peerId() const;
    int indexOf(const QByteArray &key) const;
    QWidget *createRow(const QByteArray &details, Row *row);
    void retranslate();
    void relayout();
    void ended(int index, State state);
    void checkAllEnded();
    void closeList();

    SessionGetter m_session;
    QFrame *m_panel = nullptr;
    QLabel *m_title = nullptr;
    QToolButton *m_close = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_rowsWidget = nullptr;
    QVBoxLayout *m_rowsLayout = nullptr;
    QLabel *m_failures = nullptr;
    QVector<Row> m_rows;
    int m_failed = 0;
    bool m_asking = false;
    kelvan::ClockTimer m_autoClose;
};

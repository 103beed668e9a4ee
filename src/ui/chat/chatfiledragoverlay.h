#pragma once

#include <QWidget>

#include <functional>

class ChatSession;
class IHostServices;
class QLabel;

// What comes up over the history while files are dragged over the chat
// window: two drop targets, "Direct" (direct file transfer through the
// plug-in "file_transfer") and "Cloud" (the files go as file messages), or a
// line saying why direct transfer is not possible.
//
// Which labels show follows from three facts, read when the drag starts and
// again when a member's presence changes (visibleLabels()).
class ChatFileDragOverlay : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ChatFileDragOverlay)

public:
    // The direct transfer plug-in the host is asked for.
    static constexpr char DirectTransferPluginId[] = "file_transfer";

    struct Labels
    {
        bool direct = false;   // "lblDirect", drop target "Direct"
        bool cloud = false;    // "lblCloud", drop target "Cloud"
        bool offline = false;  // "lblOffline"
        bool disabled = false; // "lblDisabled"
    };
    // `directUnavailable`: the plug-in is missing or reports itself
    // disabled; `memberOnline`: some member of the conversation is online;
    // `cloud`: the host delivers through the cloud and every dragged item
    // is a file.
    static Labels visibleLabels(bool directUnavailable, bool memberOnline, bool cloud);

    // The conversation dragged onto (not owned); null once the window closed.
    using SessionGetter = std::function<ChatSession *()>;

    // `history`: the view the overlay floats over (its parent).
    ChatFileDragOverlay(QWidget *history, SessionGetter session);
    ~ChatFileDragOverlay() override;

    // Shows the overlay for a drag; `onlyFiles`: no folder among the items.
    void showForDrag(bool onlyFiles);
    // Presence changed: the labels follow while the overlay shows.
    void refresh();
    // "Direct", "Cloud" or empty: the visible drop target at `pos` (in the
    // overlay's coordinates).
    QString targetAt(const QPoint &pos) const;

protected:
    void changeEvent(QEvent *event) override;

private:
    IHostServices *host() const;
    bool anyMemberOnline() const;
    void retranslate();

    SessionGetter m_session;
    QWidget *m_background = nullptr;
    QLabel *m_direct = nullptr;
    QLabel *m_cloud = nullptr;
    QLabel *m_offline = nullptr;
    QLabel *m_disabled = nullptr;
    bool m_onlyFiles = false;
    bool m_memberOnline = false;
};

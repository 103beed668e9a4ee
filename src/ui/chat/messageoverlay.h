#pragma once

#include <QFrame>
#include <QScopedPointer>

class QIcon;

namespace Ui {
class frameMessageOverlay;
}

// The strip above the editor while the user edits one of their messages or
// answers one: what is being done ("Edit message:", "Reply to: %1"), the
// message's time, a short rendering of it and a close button. The next
// send goes out as an edit or a reply of that message (MessageActions).
// Exists only while editing or replying: closing it deletes it.
class MessageOverlay : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY(MessageOverlay)

public:
    enum class Mode {
        None = 0,  // closed
        Edit = 1,  // the next send replaces the message's text
        Reply = 2, // the next send answers the message
    };

    explicit MessageOverlay(QWidget *parent = nullptr);
    ~MessageOverlay() override;

    // `time` and `text` as shown; `senderName` names whom a reply answers.
    void showEdit(qint64 eventId, const QString &time, const QString &text, const QIcon &icon);
    void showReply(qint64 eventId, const QString &senderName, const QString &time, const QString &text,
                   const QIcon &icon);

    Mode mode() const { return m_mode; }
    qint64 messageId() const { return m_eventId; }
    QString title() const;
    QString messageText() const;

Q_SIGNALS:
    // The close button: the draft made for the overlay goes too.
    void sigResetModeEditReply();

public Q_SLOTS:
    // Ends the mode and closes the overlay (after a send, or Escape).
    void closeInfo();
    void onBtnClose();

protected:
    void changeEvent(QEvent *event) override;

private:
    void show(Mode mode, qint64 eventId, const QString &time, const QString &text, const QIcon &icon);
    void retranslate();

    QScopedPointer<Ui::frameMessageOverlay> m_ui;
    Mode m_mode = Mode::None;
    qint64 m_eventId = 0;
    QString m_senderName;
};

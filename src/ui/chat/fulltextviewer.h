#pragma once

#include <QByteArray>
#include <QDialog>

class IHostServices;
class QPlainTextEdit;
class QUrl;

// A small read-only window with the whole text of one message as plain text.
// The history shows a message past the render bounds cut short, ending in a
// "fulltext:" link (Links::FullTextScheme); the link leads here.
class FullTextViewer : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(FullTextViewer)

public:
    explicit FullTextViewer(const QString &text, QWidget *parent = nullptr);

    // The text as shown and copied: lines longer than a viewer paragraph
    // are broken after a space where there is one.
    QString text() const;

    // The text laid out for QPlainTextEdit: paragraphs ("\n") of at most
    // RenderBounds::MaxViewerParagraphChars characters, whose lines are
    // joined by line separators (U+2028).
    static QString paragraphs(const QString &text);

    // The plain text of the stored message `eventId`, or a null string when
    // the host has no such message or it belongs to a conversation other
    // than `conversationId` (a peer can write a "fulltext:" link too).
    static QString wholeText(IHostServices *host, qint64 eventId, const QByteArray &conversationId);

    // For a history link: when it asks for a message's whole text, opens a
    // viewer of it (deleted when closed; none when wholeText finds nothing)
    // and returns true. False for every other link.
    static bool handleLink(const QUrl &url, IHostServices *host, const QByteArray &conversationId, QWidget *parent);

private:
    QPlainTextEdit *m_text = nullptr; // owned by the dialog
};

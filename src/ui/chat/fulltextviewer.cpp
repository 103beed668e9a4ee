#include "ui/chat/fulltextviewer.h"

#include "render/links.h"
#include "render/markupconverter.h"
#include "render/messageblocks.h"
#include "render/renderbounds.h"

#include <sdk/ihostmessage.h>
#include <sdk/ihostservices.h>

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QUrl>
#include <QVBoxLayout>

FullTextViewer::FullTextViewer(const QString &text, QWidget *parent)
    : QDialog(parent)
    , m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("FullTextViewer"));
    setProperty("class", QStringLiteral("Frame Chat"));
    setWindowTitle(tr("Whole message"));
    m_text->setObjectName(QStringLiteral("Text"));
    m_text->setProperty("class", QStringLiteral("Edit Chat"));
    m_text->setReadOnly(true);
    m_text->setPlainText(paragraphs(text));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("Buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(560, 420);
}

QString FullTextViewer::text() const
{
    return m_text->toPlainText();
}

QString FullTextViewer::paragraphs(const QString &text)
{
    const int limit = RenderBounds::MaxViewerParagraphChars;
    QString out;
    out.reserve(text.size() + text.size() / limit + 1);
    int paragraph = -1; // characters in the open paragraph, -1 before the first
    const int n = text.size();
    for (int lineStart = 0; lineStart <= n;) {
        int lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0)
            lineEnd = n;
        int pos = lineStart;
        do {
            // A long line goes on in paragraphs of its own, broken after a
            // space in the last half of the limit when there is one.
            int end = lineEnd;
            if (end - pos > limit) {
                end = pos + limit;
                for (int i = pos + limit - 1; i > pos + limit / 2; --i) {
                    if (text.at(i) == QLatin1Char(' ')) {
                        end = i + 1;
                        break;
                    }
                }
                if (text.at(end - 1).isHighSurrogate())
                    --end;
            }
            if (paragraph >= 0 && pos == lineStart && paragraph + 1 + (end - pos) <= limit) {
                out += QChar(QChar::LineSeparator);
                ++paragraph;
            } else {
                if (paragraph >= 0)
                    out += QLatin1Char('\n');
                paragraph = 0;
            }
            out += text.midRef(pos, end - pos);
            paragraph += end - pos;
            pos = end;
        } while (pos < lineEnd);
        lineStart = lineEnd + 1;
    }
    return out;
}

QString FullTextViewer::wholeText(IHostServices *host, qint64 eventId, const QByteArray &conversationId)
{
    if (!host)
        return QString();
    IHostMessage *record = host->createMessageRecord();
    if (!record)
        return QString();
    QString text;
    if (host->loadMessageByEvent(eventId, record) && QByteArray::number(qint64(record->peerId())) == conversationId) {
        RenderContext context;
        context.host = host;
        text = MarkupConverter::markupToPlainText(MessageBlocks::messageMarkup(context, record), host);
        if (text.isNull())
            text = QLatin1String("");
    }
    host->releaseMessageRecord(record);
    return text;
}

bool FullTextViewer::handleLink(const QUrl &url, IHostServices *host, const QByteArray &conversationId,
                                QWidget *parent)
{
    const Links::ParsedLink link = Links::parseLinkTarget(url.toString());
    if (link.kind != Links::LinkTarget::FullText)
        return false;
    bool ok = false;
    const qint64 eventId = link.value.toLongLong(&ok);
    const QString text = ok ? wholeText(host, eventId, conversationId) : QString();
    if (text.isNull())
        return true;
    auto *viewer = new FullTextViewer(text, parent);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowFlag(Qt::Window);
    viewer->show();
    return true;
}

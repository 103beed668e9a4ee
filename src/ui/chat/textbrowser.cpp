#include "ui/chat/textbrowser.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimerEvent>
#include <QWheelEvent>

#include <memory>

TextBrowser::TextBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    QScrollBar *bar = verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, &TextBrowser::restoreScrollPosition);
    connect(bar, &QScrollBar::sliderMoved, this, &TextBrowser::onScroll);
    connect(bar, &QScrollBar::valueChanged, this, &TextBrowser::onValueChanged);
    // Keys, clicks on the arrows and page areas, wheels: each is a step the
    // user took, after which the value is checked against the top.
    connect(bar, &QScrollBar::actionTriggered, this, [this](int) {
        m_anchorPosition = -1;
        QMetaObject::invokeMethod(this, &TextBrowser::onScroll, Qt::QueuedConnection);
    });
}

TextBrowser::~TextBrowser()
{
    stopAnimateImages();
}

void TextBrowser::addAnimatedImage(const EmoticonEntry *entry)
{
    m_emoticons.add(document(), entry);
}

// --- Scrolling ----------------------------------------------------------------------

void TextBrowser::rememberScrollPosition()
{
    m_rememberedValue = verticalScrollBar()->value();
    m_rememberedMaximum = verticalScrollBar()->maximum();
}

void TextBrowser::onValueChanged(int value)
{
    if (m_restoring || m_changingContent)
        return;
    m_rememberedValue = value;
    m_rememberedMaximum = verticalScrollBar()->maximum();
}

void TextBrowser::onScroll()
{
    QScrollBar *bar = verticalScrollBar();
    m_anchorPosition = -1;
    rememberScrollPosition();
    if (bar->value() == bar->minimum() && bar->maximum() > bar->minimum())
        Q_EMIT reachedTop();
    else if (bar->value() == bar->maximum() && bar->maximum() > bar->minimum())
        Q_EMIT reachedBottom();
}

void TextBrowser::wheelEvent(QWheelEvent *event)
{
    const int before = verticalScrollBar()->value();
    QTextBrowser::wheelEvent(event);
    m_anchorPosition = -1;
    rememberScrollPosition();
    // A view too short to scroll still lets the user ask for older messages.
    if (event->angleDelta().y() > 0 && before == verticalScrollBar()->minimum())
        Q_EMIT reachedTop();
    else if (event->angleDelta().y() < 0 && before == verticalScrollBar()->maximum())
        Q_EMIT reachedBottom();
}

void TextBrowser::restoreScrollPosition()
{
    QScrollBar *bar = verticalScrollBar();
    m_restoring = true;
    if (m_anchorPosition >= 0)
        keepAnchor();
    else if (!m_followsBottom || m_rememberedValue != m_rememberedMaximum)
        bar->setValue(m_rememberedValue);
    else
        bar->setValue(bar->maximum());
    m_restoring = false;
    // A range that shrank for a moment while the document is laid out
    // clamps the value; the position to come back to stays the remembered one.
    const bool clamped = m_rememberedValue > bar->maximum();
    if (m_anchorPosition < 0 && !clamped)
        rememberScrollPosition();
}

void TextBrowser::scrollToBottom()
{
    m_anchorPosition = -1;
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    rememberScrollPosition();
}

void TextBrowser::scrollTo(int value)
{
    m_anchorPosition = -1;
    verticalScrollBar()->setValue(value);
    rememberScrollPosition();
}

void TextBrowser::scrollToTop()
{
    m_anchorPosition = -1;
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    rememberScrollPosition();
}

bool TextBrowser::isAtBottom() const
{
    const QScrollBar *bar = verticalScrollBar();
    return bar->value() >= bar->maximum();
}

void TextBrowser::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter on a link reached with Tab activates it.
        m_activatingTarget = textCursor().charFormat().anchorHref();
        QTextBrowser::keyPressEvent(event);
        m_activatingTarget.clear();
        return;
    }
    if (event->modifiers() == Qt::ControlModifier
        && (event->key() == Qt::Key_Home || event->key() == Qt::Key_End)) {
        event->accept();
        if (event->key() == Qt::Key_Home)
            Q_EMIT firstRequested();
        else
            Q_EMIT lastRequested();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void TextBrowser::mouseReleaseEvent(QMouseEvent *event)
{
    m_activatingTarget = anchorAt(event->pos());
    QTextBrowser::mouseReleaseEvent(event);
    m_activatingTarget.clear();
}

QString TextBrowser::clickedTarget(const QUrl &url) const
{
    if (!m_activatingTarget.isEmpty())
        return m_activatingTarget;
    return url.isValid() ? url.toString(QUrl::FullyEncoded) : url.path();
}

void TextBrowser::keepAnchor()
{
    if (m_anchorPosition < 0 || m_anchorPosition >= document()->characterCount())
        return;
    QTextCursor anchor(document());
    anchor.setPosition(m_anchorPosition);
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + cursorRect(anchor).top() - m_anchorOffset);
}

// --- Content ------------------------------------------------------------------------

void TextBrowser::appendFragment(const QString &html)
{
    if (m_anchorPosition < 0)
        rememberScrollPosition();
    // While the content changes the range may shrink for a moment and clamp
    // the value; that is not the user scrolling.
    m_changingContent = true;
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertHtml(html);
    m_changingContent = false;
    restoreScrollPosition();
}

void TextBrowser::prependFragment(const QString &html)
{
    const QTextCursor top = cursorForPosition(QPoint(0, 0));
    const int topPosition = top.position();
    const int topOffset = cursorRect(top).top();
    const int before = document()->characterCount();
    QTextCursor start(document());
    start.movePosition(QTextCursor::Start);
    start.insertHtml(html);
    m_anchorPosition = topPosition + document()->characterCount() - before;
    m_anchorOffset = topOffset;
    m_restoring = true;
    keepAnchor();
    m_restoring = false;
}

void TextBrowser::replaceRange(int from, int to, const QString &html)
{
    const bool following = m_anchorPosition < 0 && m_followsBottom && isAtBottom();
    // The reading point: what a prepend pinned, else what shows at the top.
    int anchor = m_anchorPosition;
    int offset = m_anchorOffset;
    if (anchor < 0) {
        const QTextCursor top = cursorForPosition(QPoint(0, 0));
        anchor = top.position();
        offset = cursorRect(top).top();
    }
    if (anchor >= from && anchor < to) {
        // Reading inside the range: its start stays where it is.
        QTextCursor start(document());
        start.setPosition(from);
        anchor = from;
        offset = cursorRect(start).top();
    }
    const int before = document()->characterCount();
    m_changingContent = true;
    QTextCursor range(document());
    range.setPosition(from);
    range.setPosition(to, QTextCursor::KeepAnchor);
    if (html.isEmpty())
        range.removeSelectedText();
    else
        range.insertHtml(html);
    m_changingContent = false;
    if (following) {
        scrollToBottom();
        return;
    }
    if (anchor >= to)
        anchor += document()->characterCount() - before;
    m_anchorPosition = anchor;
    m_anchorOffset = offset;
    m_restoring = true;
    keepAnchor();
    m_restoring = false;
}

// --- Emoticons and resources -----------------------------------------------------------

void TextBrowser::animate()
{
    if (m_emoticons.refresh(document()))
        viewport()->update();
}

void TextBrowser::startAnimateImages()
{
    if (m_animationTimerId == -1)
        m_animationTimerId = startTimer(AnimationIntervalMs, Qt::CoarseTimer);
}

void TextBrowser::stopAnimateImages()
{
    if (m_animationTimerId != -1)
        killTimer(m_animationTimerId);
    m_animationTimerId = -1;
}

void TextBrowser::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_animationTimerId && !m_emoticons.isEmpty() && !document()->isEmpty())
        animate();
    QTextBrowser::timerEvent(event);
}

QMimeData *TextBrowser::createMimeDataFromSelection() const
{
    const std::unique_ptr<QMimeData> copied(QTextBrowser::createMimeDataFromSelection());
    auto *data = new QMimeData;
    if (!copied)
        return data;
    const QChar breakOpportunity(0x200B);
    if (copied->hasHtml())
        data->setHtml(copied->html().remove(breakOpportunity));
    data->setText(copied->text().remove(breakOpportunity));
    return data;
}

QVariant TextBrowser::loadResource(int type, const QUrl &name)
{
    // Never the base class: it would read files named by a peer's markup
    // relative to the working folder.
    return m_resolver ? m_resolver(type, name) : QVariant();
}

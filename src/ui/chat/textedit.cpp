#include "ui/chat/textedit.h"

#include "pictures/pictureloader.h"
#include "shared/sharedresourcemanager.h"
#include "settings/settingsmanager.h"
#include "ui/chat/spellchecker.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QSignalMapper>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTimerEvent>
#include <QUrl>

namespace {

bool startsWithLetter(const QString &word)
{
    return !word.isEmpty() && word.at(0).isLetter();
}

bool allLetters(const QString &word)
{
    for (const QChar c : word) {
        if (!c.isLetter())
            return false;
    }
    return !word.isEmpty();
}

// A picture copied from a web page: the browser's clipboard HTML names the
// picture between the fragment markers.
const QRegularExpression &webPictureFragment()
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(
            QStringLiteral(".*<!--StartFragment--><img src=\"(.*)\" alt=\".*\"/><!--EndFragment-->.*")),
        QRegularExpression::DotMatchesEverythingOption);
    return pattern;
}

} // namespace

TextEdit::TextEdit(QWidget *parent)
    : QTextEdit(parent)
{
    m_spellingTimer.setSingleShot(true);
    m_spellingTimer.setInterval(SpellingDelayMs);
    connect(&m_spellingTimer, &kelvan::ClockTimer::timeout, this, &TextEdit::onCheckSpelling);
    connect(document(), &QTextDocument::contentsChange, this, &TextEdit::onContentsChange);
}

TextEdit::~TextEdit()
{
    stopAnimateImages();
}

// --- Emoticons ---------------------------------------------------------------------

void TextEdit::addAnimatedImage(const EmoticonEntry *entry)
{
    m_emoticons.add(document(), entry);
}

void TextEdit::animate()
{
    if (m_emoticons.refresh(document()))
        viewport()->update();
}

void TextEdit::startAnimateImages()
{
    if (m_animationTimerId == -1)
        m_animationTimerId = startTimer(AnimationIntervalMs, Qt::CoarseTimer);
}

void TextEdit::stopAnimateImages()
{
    if (m_animationTimerId != -1)
        killTimer(m_animationTimerId);
    m_animationTimerId = -1;
}

void TextEdit::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_animationTimerId && !m_emoticons.isEmpty() && !document()->isEmpty())
        animate();
    QTextEdit::timerEvent(event);
}

// --- Pictures ------------------------------------------------------------------------

QSize TextEdit::pictureBox() const
{
    const int height = int(this->height() * 0.8);
    const int width = viewport()->width() - 2 * int(document()->documentMargin());
    if (height <= 0)
        return QSize();
    return QSize(width > 0 ? width : QWIDGETSIZE_MAX, height);
}

bool TextEdit::insertPicture(const QString &name, const QString &filePath)
{
    // Decoded no larger than the editor shows it; the file itself is what
    // gets sent.
    return insertPicture(name, PictureLoader::load(filePath, pictureBox()).image);
}

bool TextEdit::insertPicture(const QString &name, const QImage &image)
{
    if (image.isNull() || name.isEmpty())
        return false;
    QImage picture = image;
    const QSize box = pictureBox();
    if (box.isValid() && (picture.height() > box.height() || picture.width() > box.width()))
        picture = picture.scaled(PictureLoader::shownSize(picture.size(), box), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    document()->addResource(QTextDocument::ImageResource, QUrl(name), picture);
    insertHtml(QStringLiteral("<img src=\"%1\"></img>").arg(name.toHtmlEscaped()));
    return true;
}

// --- Keys, focus, paste -----------------------------------------------------------------

void TextEdit::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    // The window's italic shortcut, not the editor's.
    if (event->key() == Qt::Key_I && (modifiers & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (modifiers & Qt::ControlModifier) {
            QKeyEvent lineBreak(QEvent::KeyPress, event->key(), Qt::ShiftModifier, event->text());
            keyPressEvent(&lineBreak);
            event->accept();
            return;
        }
        if (!(modifiers & Qt::ShiftModifier) && !m_newLineMode) {
            event->accept();
            Q_EMIT keyReturnPressed();
            return;
        }
    }
    if (!event->text().isEmpty())
        m_changed = true;
    QTextEdit::keyPressEvent(event);
}

void TextEdit::focusInEvent(QFocusEvent *event)
{
    QTextEdit::focusInEvent(event);
    Q_EMIT focusReceived();
}

bool TextEdit::canInsertFromMimeData(const QMimeData *source) const
{
    Q_UNUSED(source)
    return true;
}

void TextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source)
        return;
    if (source->hasImage()) {
        Q_EMIT onPaste(source);
        return;
    }
    if (!source->hasUrls()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    if (source->hasHtml()) {
        const QRegularExpressionMatch match = webPictureFragment().match(source->html());
        if (match.hasMatch()) {
            textCursor().insertText(match.captured(1));
            return;
        }
    }
    const QList<QUrl> urls = source->urls();
    for (const QUrl &url : urls) {
        // A remote address is neither a file to send nor text to paste.
        if (!url.isLocalFile())
            return;
    }
    Q_EMIT onPaste(source);
}

// --- Spelling ---------------------------------------------------------------------------

const SpellChecker *TextEdit::checker() const
{
    return m_checker ? m_checker : SpellChecker::managerChecker();
}

void TextEdit::setSpellChecker(const SpellChecker *checker)
{
    m_checker = checker;
}

void TextEdit::setSpellCheckEnabled(bool enabled)
{
    m_spellCheckEnabled = enabled;
    if (!enabled)
        removeUnderlines();
}

bool TextEdit::isSpellCheckOn() const
{
    const SharedResourceManager *resources = SharedResourceManager::existingInstance();
    const SettingsManager *settings = resources ? resources->settings() : nullptr;
    return m_spellCheckEnabled && (!settings || settings->checkSpelling());
}

void TextEdit::removeUnderlines()
{
    if (!extraSelections().isEmpty())
        setExtraSelections({});
}

void TextEdit::afterClear()
{
    m_spellingTimer.stop();
    m_changed = false;
    removeUnderlines();
}

void TextEdit::onContentsChange(int position, int charsRemoved, int charsAdded)
{
    Q_UNUSED(position)
    if (charsRemoved == 0 && charsAdded == 0)
        return;
    m_changed = true;
    if (!m_spellingTimer.isActive())
        m_spellingTimer.start();
}

void TextEdit::onCheckSpelling()
{
    if (!isSpellCheckOn()) {
        removeUnderlines();
        return;
    }
    if (!m_changed)
        return;
    if (!document()->isEmpty())
        checkSpelling(m_language);
    m_changed = false;
}

void TextEdit::checkSpelling(const QString &language)
{
    m_language = language;
    QList<QTextEdit::ExtraSelection> underlines;
    if (isSpellCheckOn()) {
        const SpellChecker *dictionary = checker();
        QTextCharFormat wavy;
        wavy.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        wavy.setUnderlineColor(Qt::red);
        int words = 0;
        for (QTextBlock block = document()->begin(); block.isValid() && words < MaxCheckedWords; block = block.next()) {
            const QString text = block.text();
            if (text.isEmpty())
                continue;
            QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text);
            int start = finder.position();
            while (words < MaxCheckedWords) {
                const int end = finder.toNextBoundary();
                if (end < 0)
                    break;
                if (finder.boundaryReasons() & QTextBoundaryFinder::EndOfItem) {
                    const QString word = text.mid(start, end - start);
                    ++words;
                    // Words that begin with a digit or punctuation are never marked.
                    if (startsWithLetter(word) && !dictionary->isCorrect(language, word)) {
                        QTextEdit::ExtraSelection underline;
                        underline.cursor = QTextCursor(document());
                        underline.cursor.setPosition(block.position() + start);
                        underline.cursor.setPosition(block.position() + end, QTextCursor::KeepAnchor);
                        underline.format = wavy;
                        underlines.append(underline);
                    }
                }
                start = end;
            }
        }
    }
    setExtraSelections(underlines);
}

QMenu *TextEdit::createSpellingMenu(const QPoint &pos)
{
    m_menuPos = pos;
    m_menuWordStart = m_menuWordEnd = -1;
    QMenu *menu = createStandardContextMenu();
    QTextCursor cursor = cursorForPosition(pos);
    cursor.select(QTextCursor::WordUnderCursor);
    const QString word = cursor.selectedText();
    if (word.isEmpty() || !isSpellCheckOn())
        return menu;
    const SpellChecker *dictionary = checker();
    if (!allLetters(word) || dictionary->isCorrect(m_language, word))
        return menu;
    const QStringList suggestions = dictionary->suggestions(m_language, word);
    if (suggestions.isEmpty())
        return menu;
    m_menuWordStart = cursor.selectionStart();
    m_menuWordEnd = cursor.selectionEnd();
    QAction *firstStandard = menu->actions().value(0);
    auto *mapper = new QSignalMapper(menu);
    // Each goes in front of the first standard entry, last suggestion
    // first: the menu lists them in reverse of the dictionary's order.
    for (int i = suggestions.size() - 1; i >= 0; --i) {
        auto *action = new QAction(suggestions.at(i), menu);
        connect(action, &QAction::triggered, mapper, qOverload<>(&QSignalMapper::map));
        mapper->setMapping(action, suggestions.at(i));
        menu->insertAction(firstStandard, action);
    }
    menu->insertSeparator(firstStandard);
    connect(mapper, &QSignalMapper::mappedString, this, &TextEdit::onCorrectWord);
    return menu;
}

void TextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createSpellingMenu(event->pos());
    menu->exec(event->globalPos());
    delete menu;
}

void TextEdit::onCorrectWord(const QString &correctWord)
{
    QTextCursor cursor(document());
    if (m_menuWordStart >= 0 && m_menuWordEnd <= document()->characterCount()) {
        // The word the menu offered suggestions for.
        cursor.setPosition(m_menuWordStart);
        cursor.setPosition(m_menuWordEnd, QTextCursor::KeepAnchor);
    } else {
        cursor = cursorForPosition(m_menuPos);
        if (cursor.isNull())
            return;
        cursor.select(QTextCursor::WordUnderCursor);
    }
    cursor.insertText(correctWord);
    m_menuWordStart = m_menuWordEnd = -1;
}

#pragma once

#include "lib_kelvan/clocktimer.h"
#include "ui/chat/documentemoticons.h"

#include <QPoint>
#include <QTextEdit>

class EmoticonEntry;
class QImage;
class QMenu;
class QMimeData;
class SpellChecker;

// The message input editor of chat windows (and of the broadcast composer
// and quick text editor): Return sends, pictures and files are handed to the
// window instead of being pasted as text, words the dictionary rejects get a
// red wavy underline a moment after typing stops, and emoticons animate
// while the window is active.
class TextEdit : public QTextEdit
{
    Q_OBJECT
    Q_DISABLE_COPY(TextEdit)

public:
    // The underlines are refreshed this long after the first change of a
    // burst of typing.
    static constexpr int SpellingDelayMs = 200;
    // Emoticon frames advance at this rate while animation runs.
    static constexpr int AnimationIntervalMs = 100;
    // A spelling pass looks at no more words than this, so pasting a book
    // into the editor does not freeze the window; later words stay
    // unmarked.
    static constexpr int MaxCheckedWords = 20000;

    explicit TextEdit(QWidget *parent = nullptr);
    ~TextEdit() override;

    // Registers an emoticon's two pictures in the document and animates them.
    void addAnimatedImage(const EmoticonEntry *entry);
    const DocumentEmoticons &animatedImages() const { return m_emoticons; }

    // Registers the picture as the document's image resource `name` and
    // inserts it at the cursor, scaled down to 80 % of the editor's height
    // when it is taller, and to the width of the view when it is wider.
    // False (nothing inserted) for a picture that cannot be read.
    bool insertPicture(const QString &name, const QString &filePath);
    bool insertPicture(const QString &name, const QImage &image);
    // The largest a picture is shown in the editor (an empty size while the
    // editor has none to give): files are read no larger than this.
    QSize pictureBox() const;

    // Underlines the words of the document that the dictionary of
    // `language` rejects; remembers the language for later passes.
    void checkSpelling(const QString &language);
    QString spellLanguage() const { return m_language; }
    // This editor's own switch; checking also needs the check_spelling setting.
    void setSpellCheckEnabled(bool enabled);
    bool isSpellCheckEnabled() const { return m_spellCheckEnabled; }
    // Both switches on.
    bool isSpellCheckOn() const;
    // Null restores the shared dictionaries (not owned).
    void setSpellChecker(const SpellChecker *checker);

    // false: Return sends; true: Return inserts a line break.
    void setNewLineMode(bool on) { m_newLineMode = on; }
    bool newLineMode() const { return m_newLineMode; }

    // The editor's part of emptying it after a send: no underlines are left
    // and no check is pending.
    void afterClear();

    // The context menu for a request at `pos` (viewport coordinates):
    // suggestions for a rejected word first, then the standard entries. The
    // caller owns the menu.
    QMenu *createSpellingMenu(const QPoint &pos);

    bool isAnimating() const { return m_animationTimerId != -1; }
    const kelvan::ClockTimer *spellingTimer() const { return &m_spellingTimer; }

Q_SIGNALS:
    // The user asked to send (Return).
    void keyReturnPressed();
    // Pasted or dropped pictures or local files for the window to handle.
    void onPaste(const QMimeData *source);
    void focusReceived();

public Q_SLOTS:
    void animate();
    void startAnimateImages();
    void stopAnimateImages();
    void onCheckSpelling();
    void onContentsChange(int position, int charsRemoved, int charsAdded);
    void onCorrectWord(const QString &correctWord);

protected:
    void timerEvent(QTimerEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    const SpellChecker *checker() const;
    void removeUnderlines();

    DocumentEmoticons m_emoticons;
    int m_animationTimerId = -1;
    bool m_newLineMode = false;
    bool m_changed = false;
    bool m_spellCheckEnabled = true;
    kelvan::ClockTimer m_spellingTimer;
    QPoint m_menuPos;
    // The word the last suggestion menu was built for.
    int m_menuWordStart = -1;
    int m_menuWordEnd = -1;
    QString m_language;
    const SpellChecker *m_checker = nullptr; // not owned; null: shared
};

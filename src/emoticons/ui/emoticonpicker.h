#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class EmotionBoxManager;
class QFrame;
class QSignalMapper;
class QTextDocument;
class QTextEdit;

// The emoticon picker of a catalogue: one popup frame ("Emoticons") with a
// grid of EmotionBoxLabel cells in picker order, shared by every window that
// offers emoticons. Its signal mapper emits mapped(int) with the picker index
// of the clicked cell; popupAboveCursor() hands that to the window that
// opened the picker, and only to it.
//
// Created on first use as a child of the catalogue, so it goes with it; the
// frame has no parent and is deleted with the picker. GUI thread only.
class EmoticonPicker : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(EmoticonPicker)

public:
    // The picker of `catalogue`, created when it has none.
    static EmoticonPicker *of(EmotionBoxManager *catalogue);
    ~EmoticonPicker() override;

    EmotionBoxManager *catalogue() const { return m_catalogue; }

    // Where the cells take the interface language of their tool tips from;
    // "en" until one is set.
    void setLanguageSource(std::function<QString()> source);
    QString language() const;

    // Builds the frame once from what the catalogue holds: 14 cells a row,
    // one per picker-order name that has an entry (a name listed twice gets
    // two cells; a name without entry leaves its cell empty).
    QFrame *buildPicker();
    // Null until built, and again once the frame was destroyed.
    QFrame *frame() const { return m_frame; }
    QSignalMapper *mapper() const { return m_mapper; }

    // Shows the picker at the mouse cursor, moved up by its height (hidden
    // first when it shows already). A chosen cell hides it and calls `chosen`
    // with the picker index while `receiver` lives; the window that opened
    // the picker before is no longer told.
    void popupAboveCursor(QObject *receiver, std::function<void(int)> chosen);

    // The emoticon name at a picker index; empty out of range.
    QString nameAt(int index) const;
    // Inserts the emoticon at a picker index at the editor's cursor, as an
    // image named with the emoticon's name; its picture is registered in the
    // document when the document has none of that name. False out of range.
    bool insertEmoticon(QTextEdit *editor, int index) const;
    // Registers the current frame of every emoticon's small picture in a
    // document that does not animate them (dialog editors), so that markup
    // converted to editor HTML shows its emoticons.
    static void registerImages(QTextDocument *document, const EmotionBoxManager *catalogue);

public Q_SLOTS:
    void onEmotionBoxDestroyed(QObject *obj);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit EmoticonPicker(EmotionBoxManager *catalogue);
    // Puts every cell where the frame's direction wants it.
    void placeCells();

    EmotionBoxManager *const m_catalogue; // the parent
    QFrame *m_frame = nullptr;           // owned; no parent
    QSignalMapper *m_mapper = nullptr;   // owned (child)
    QMetaObject::Connection m_receiver;
    std::function<QString()> m_languageSource;
};

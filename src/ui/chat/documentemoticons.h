#pragma once

#include <QPointer>
#include <QString>
#include <QVector>

class EmoticonEntry;
class QMovie;
class QTextDocument;

// The emoticons a rich-text document shows as animated pictures. Each entry
// is registered as two image resources: its name (the current frame of its
// 32 x 32 animation) and its name + "_big" (the 128 x 128 one). refresh()
// puts the animations' current frames in again.
//
// The entries belong to the emoticon catalogue; only their names and
// guarded pointers to the animations are kept, so a catalogue that goes
// first leaves nothing dangling here.
class DocumentEmoticons
{
public:
    // Registers both resources of `entry` in `document` and remembers it.
    void add(QTextDocument *document, const EmoticonEntry *entry);
    // Registers every remembered entry again whose animation moved on to
    // another frame. Returns whether any did (the view then repaints).
    bool refresh(QTextDocument *document);
    void clear() { m_images.clear(); }
    int count() const { return m_images.size(); }
    bool isEmpty() const { return m_images.isEmpty(); }

    static QString bigName(const QString &name) { return name + QStringLiteral("_big"); }

private:
    struct Image
    {
        QString name;
        QPointer<QMovie> small;
        QPointer<QMovie> big;
        int smallFrame = -1;
        int bigFrame = -1;
    };

    static bool put(QTextDocument *document, const QString &name, QMovie *movie, int *lastFrame);

    QVector<Image> m_images;
};

#include "ui/chat/documentemoticons.h"

#include "emoticons/emoticonentry.h"

#include <QImage>
#include <QMovie>
#include <QTextDocument>
#include <QUrl>

bool DocumentEmoticons::put(QTextDocument *document, const QString &name, QMovie *movie, int *lastFrame)
{
    if (!movie)
        return false;
    const int frame = movie->currentFrameNumber();
    if (frame == *lastFrame)
        return false;
    *lastFrame = frame;
    document->addResource(QTextDocument::ImageResource, QUrl(name), movie->currentImage());
    return true;
}

void DocumentEmoticons::add(QTextDocument *document, const EmoticonEntry *entry)
{
    if (!document || !entry)
        return;
    Image image;
    image.name = entry->name();
    image.small = entry->smallAnimation();
    image.big = entry->bigAnimation();
    put(document, image.name, image.small, &image.smallFrame);
    put(document, bigName(image.name), image.big, &image.bigFrame);
    m_images.append(image);
}

bool DocumentEmoticons::refresh(QTextDocument *document)
{
    if (!document)
        return false;
    bool changed = false;
    for (Image &image : m_images) {
        changed |= put(document, image.name, image.small, &image.smallFrame);
        changed |= put(document, bigName(image.name), image.big, &image.bigFrame);
    }
    return changed;
}

#include "emoticons/emoticonentry.h"

#include <QMovie>

namespace {

std::unique_ptr<QMovie> startedAnimation(const QString &path)
{
    // Empty format: QImageReader picks the format from the file's contents,
    // so a PNG that was saved with an ".mng" name still shows.
    auto movie = std::make_unique<QMovie>(path, QByteArray());
    movie->setCacheMode(QMovie::CacheAll);
    movie->jumpToFrame(0);
    movie->start();
    return movie;
}

} // namespace

EmoticonEntry::EmoticonEntry(const QString &name, const QString &smallPath, const QString &bigPath)
    : m_name(name)
    , m_smallPath(smallPath)
    , m_bigPath(bigPath)
    , m_smallAnimation(startedAnimation(smallPath))
    , m_bigAnimation(startedAnimation(bigPath))
{
}

EmoticonEntry::~EmoticonEntry() = default;

#include "emoticons/emoticonentry.h"

#include <QMovie>

namespace {

std::unique_ptr<QMovie> started(std::unique_ptr<QMovie> movie)
{
    movie->jumpToFrame(0);
    movie->start();
    return movie;
}

} // namespace

EmoticonEntry::EmoticonEntry(const QString &name, const QString &smallPath, std::unique_ptr<QMovie> smallAnimation,
                             const QString &bigPath, std::unique_ptr<QMovie> bigAnimation)
    : m_name(name)
    , m_smallPath(smallPath)
    , m_bigPath(bigPath)
    , m_smallAnimation(started(std::move(smallAnimation)))
    , m_bigAnimation(started(std::move(bigAnimation)))
{
}

EmoticonEntry::~EmoticonEntry() = default;

#pragma once

#include <QHash>
#include <QString>

#include <memory>

class QMovie;

// One emoticon of the catalogue: its name (also the resource name under which
// documents refer to its picture), the two picture files and their running
// animations, and its descriptions by language code. Owned by
// EmotionBoxManager; pointers handed out stay valid until the catalogue is
// cleared or destroyed.
class EmoticonEntry
{
public:
    // Takes both animations (loaded from the two files, never null),
    // positions them on the first frame and starts them, so every view that
    // shows the entry sees the same frame.
    EmoticonEntry(const QString &name, const QString &smallPath, std::unique_ptr<QMovie> smallAnimation,
                  const QString &bigPath, std::unique_ptr<QMovie> bigAnimation);
    ~EmoticonEntry();

    QString name() const { return m_name; }
    QString smallPath() const { return m_smallPath; }
    QString bigPath() const { return m_bigPath; }

    // Owned by the entry; never null.
    QMovie *smallAnimation() const { return m_smallAnimation.get(); }
    QMovie *bigAnimation() const { return m_bigAnimation.get(); }

    // The description for exactly this language code, or an empty string.
    // Fallbacks are EmotionBoxManager::emoticonDescription's business.
    QString description(const QString &language) const { return m_descriptions.value(language); }
    void setDescription(const QString &language, const QString &text) { m_descriptions.insert(language, text); }
    const QHash<QString, QString> &descriptions() const { return m_descriptions; }

private:
    Q_DISABLE_COPY(EmoticonEntry)

    QString m_name;
    QString m_smallPath;
    QString m_bigPath;
    std::unique_ptr<QMovie> m_smallAnimation;
    std::unique_ptr<QMovie> m_bigAnimation;
    QHash<QString, QString> m_descriptions;
};

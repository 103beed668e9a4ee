#include "emoticons/ui/emotionboxlabel.h"

#include "emoticons/emoticonentry.h"
#include "emoticons/emotionboxmanager.h"
#include "emoticons/ui/emoticonpicker.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTextDocument>

EmotionBoxLabel::EmotionBoxLabel(const EmoticonEntry *entry, const EmoticonPicker *picker, QWidget *frame)
    : QLabel(frame)
    , m_name(entry->name())
    , m_picker(picker)
{
    setObjectName(m_name);
    setProperty("class", QStringLiteral("Label Chat"));
    setAlignment(Qt::AlignCenter);
    setScaledContents(true);
    setMovie(entry->smallAnimation());
    refreshToolTip();
}

void EmotionBoxLabel::refreshToolTip()
{
    const EmotionBoxManager *catalogue = m_picker->catalogue();
    const QString text = catalogue->emoticonDescription(catalogue->findEntry(m_name), m_picker->language());
    // Descriptions come from files: shown as the characters they are, even
    // when they look like markup.
    setToolTip(Qt::mightBeRichText(text) ? QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped()) : text);
}

void EmotionBoxLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void EmotionBoxLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refreshToolTip();
    QLabel::changeEvent(event);
}

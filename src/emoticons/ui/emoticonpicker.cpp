#include "emoticons/ui/emoticonpicker.h"

#include "emoticons/emoticonentry.h"
#include "emoticons/emotionboxmanager.h"
#include "emoticons/ui/emotionboxlabel.h"
#include "platform/interfacedirection.h"

#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QMovie>
#include <QSignalMapper>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextImageFormat>

namespace {
const char CellProperty[] = "pickerCell";
} // namespace

EmoticonPicker *EmoticonPicker::of(EmotionBoxManager *catalogue)
{
    if (!catalogue)
        return nullptr;
    if (auto *picker = catalogue->findChild<EmoticonPicker *>(QString(), Qt::FindDirectChildrenOnly))
        return picker;
    return new EmoticonPicker(catalogue);
}

EmoticonPicker::EmoticonPicker(EmotionBoxManager *catalogue)
    : QObject(catalogue)
    , m_catalogue(catalogue)
{
}

EmoticonPicker::~EmoticonPicker()
{
    delete m_frame;
}

void EmoticonPicker::setLanguageSource(std::function<QString()> source)
{
    m_languageSource = std::move(source);
}

QString EmoticonPicker::language() const
{
    const QString code = m_languageSource ? m_languageSource() : QString();
    return code.isEmpty() ? QStringLiteral("en") : code;
}

QFrame *EmoticonPicker::buildPicker()
{
    if (m_frame)
        return m_frame;
    m_frame = new QFrame(nullptr, Qt::Popup);
    platform::InterfaceDirection::instance().adopt(m_frame);
    m_frame->setObjectName(QStringLiteral("Emoticons"));
    m_frame->setProperty("class", QStringLiteral("Frame Chat"));
    m_frame->setFrameShape(QFrame::StyledPanel);
    m_frame->hide();
    connect(m_frame, &QObject::destroyed, this, &EmoticonPicker::onEmotionBoxDestroyed);
    m_frame->installEventFilter(this);
    if (!m_mapper) {
        m_mapper = new QSignalMapper(this);
        connect(m_mapper, &QSignalMapper::mappedInt, this, [this] {
            if (m_frame)
                m_frame->hide();
        });
    }

    const QSize cell = m_catalogue->smallSize();
    const QStringList &order = m_catalogue->pickerOrder();
    for (int i = 0; i < order.size(); ++i) {
        const EmoticonEntry *entry = m_catalogue->findEntry(order.at(i));
        if (!entry)
            continue;
        auto *label = new EmotionBoxLabel(entry, this, m_frame);
        label->setProperty(CellProperty, i);
        connect(label, &EmotionBoxLabel::clicked, m_mapper, qOverload<>(&QSignalMapper::map));
        m_mapper->setMapping(label, i);
    }
    m_frame->setFixedSize(EmotionBoxManager::pickerFrameSize(order.size(), cell));
    placeCells();
    return m_frame;
}

void EmoticonPicker::popupAboveCursor(QObject *receiver, std::function<void(int)> chosen)
{
    QFrame *frame = buildPicker();
    disconnect(m_receiver);
    m_receiver = connect(m_mapper, &QSignalMapper::mappedInt, receiver, std::move(chosen));
    if (frame->isVisible())
        frame->hide();
    // Above the cursor, reaching towards where the interface's lines run.
    const int left = frame->isRightToLeft() ? frame->width() : 0;
    frame->move(QCursor::pos() - QPoint(left, frame->height()));
    frame->show();
}

void EmoticonPicker::placeCells()
{
    // The grid reads from the right in a right-to-left interface.
    const QSize cell = m_catalogue->smallSize();
    for (QWidget *label : m_frame->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QVariant index = label->property(CellProperty);
        if (index.isValid()) {
            const QRect at(EmotionBoxManager::pickerCellPosition(index.toInt(), cell), cell);
            label->setGeometry(QStyle::visualRect(m_frame->layoutDirection(), m_frame->rect(), at));
        }
    }
}

QString EmoticonPicker::nameAt(int index) const
{
    return m_catalogue->pickerOrder().value(index);
}

bool EmoticonPicker::insertEmoticon(QTextEdit *editor, int index) const
{
    const EmoticonEntry *entry = m_catalogue->findEntry(nameAt(index));
    if (!entry || !editor)
        return false;
    QTextDocument *document = editor->document();
    if (document->resource(QTextDocument::ImageResource, QUrl(entry->name())).isNull())
        document->addResource(QTextDocument::ImageResource, QUrl(entry->name()), entry->smallAnimation()->currentPixmap());
    QTextImageFormat image;
    image.setName(entry->name());
    editor->textCursor().insertImage(image);
    editor->setFocus();
    return true;
}

void EmoticonPicker::registerImages(QTextDocument *document, const EmotionBoxManager *catalogue)
{
    if (!document || !catalogue)
        return;
    for (const EmoticonEntry *entry : catalogue->entries())
        document->addResource(QTextDocument::ImageResource, QUrl(entry->name()), entry->smallAnimation()->currentPixmap());
}

void EmoticonPicker::onEmotionBoxDestroyed(QObject *obj)
{
    if (obj == m_frame)
        m_frame = nullptr;
}

bool EmoticonPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_frame) {
        if (event->type() == QEvent::LayoutDirectionChange)
            placeCells();
        const bool deactivated = event->type() == QEvent::ActivationChange && !m_frame->isActiveWindow();
        if (event->type() == QEvent::FocusOut || deactivated)
            m_frame->hide();
    }
    return QObject::eventFilter(watched, event);
}

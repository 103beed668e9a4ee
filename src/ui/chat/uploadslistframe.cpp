#include "ui/chat/uploadslistframe.h"

#include "chat/chatcoreinterface.h"
#include "chat/chatsession.h"
#include "lib_kelvan/elementtree.h"
#include "pictures/pictureloader.h"
#include "plugin/records/variableimpl.h"
#include "platform/prompt.h"
#include "ui/chat/chatuilog.h"
#include "ui/chat/floatingoverlay.h"
#include "ui/chat/render/fileicon.h"
#include "ui/chat/safetext.h"

#include <sdk/ihostservices.h>

#include <QAbstractScrollArea>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The progress bar counts in thousandths: byte counts do not fit its int.
constexpr int ProgressSteps = 1000;
constexpr int Margin = 6;

void styleWidget(QWidget *widget, const char *objectName, const char *styleClass = nullptr)
{
    widget->setObjectName(QLatin1String(objectName));
    if (styleClass)
        widget->setProperty("class", QLatin1String(styleClass));
}

int progressValue(qint64 uploaded, qint64 total)
{
    if (total <= 0)
        return 0;
    return int(qBound<qint64>(0, uploaded, total) * ProgressSteps / total);
}

} // namespace

UploadsListFrame::UploadsListFrame(QWidget *history, SessionGetter session)
    : QFrame(history)
    , m_session(std::move(session))
{
    styleWidget(this, "UploadsOverlay", "UploadsOverlay Chat");
    m_panel = new QFrame(this);
    styleWidget(m_panel, "Background");
    m_panel->setFrameShape(QFrame::StyledPanel);
    m_panel->setAutoFillBackground(true);

    m_title = new QLabel(m_panel);
    styleWidget(m_title, "Title", "Label Ormica");
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_close = new QToolButton(m_panel);
    styleWidget(m_close, "Close", "Button Chat");
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setAutoRaise(true);
    connect(m_close, &QToolButton::clicked, this, &UploadsListFrame::onBtnClose);

    m_rowsWidget = new QWidget;
    m_rowsLayout = new QVBoxLayout(m_rowsWidget);
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    m_rowsLayout->setSpacing(4);
    m_scroll = new QScrollArea(m_panel);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidget(m_rowsWidget);

    m_failures = new QLabel(m_panel);
    styleWidget(m_failures, "Failures", "Label Ormica");
    m_failures->setTextFormat(Qt::PlainText);
    m_failures->setWordWrap(true);
    QPalette red = m_failures->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_failures->setPalette(red);
    m_failures->hide();

    auto *header = new QHBoxLayout;
    header->addWidget(m_title, 1);
    header->addWidget(m_close);
    auto *layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->addLayout(header);
    layout->addWidget(m_scroll);
    layout->addWidget(m_failures);

    m_autoClose.setSingleShot(true);
    m_autoClose.setInterval(AutoCloseMs);
    connect(&m_autoClose, &kelvan::ClockTimer::timeout, this, &UploadsListFrame::onAutoClose);

    new FloatingOverlay(this, [this] { relayout(); });
    retranslate();
    hide();
}

UploadsListFrame::~UploadsListFrame() = default;

IHostServices *UploadsListFrame::host() const
{
    ChatSession *session = m_session();
    ChatCoreInterface *core = session ? session->core() : nullptr;
    return core ? core->hostServices() : nullptr;
}

QByteArray UploadsListFrame::peerId() const
{
    ChatSession *session = m_session();
    return session ? session->peerId() : QByteArray();
}

int UploadsListFrame::indexOf(const QByteArray &key) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).key == key)
            return i;
    }
    return -1;
}

int UploadsListFrame::unfinishedCount() const
{
    return int(std::count_if(m_rows.cbegin(), m_rows.cend(), [](const Row &row) { return row.state == State::Running; }));
}

UploadsListFrame::State UploadsListFrame::state(const QByteArray &key) const
{
    const int index = indexOf(key);
    return index < 0 ? State::Running : m_rows.at(index).state;
}

// --- Rows ----------------------------------------------------------------------------------

QWidget *UploadsListFrame::createRow(const QByteArray &details, Row *row)
{
    kelvan::ReadLimits limits;
    limits.maxInputBytes = MaxDetailsBytes;
    limits.maxDepth = 4;
    limits.maxNodes = 256;
    kelvan::Element record;
    kelvan::readElement(details, record, limits);
    const QString path = QString::fromUtf8(record.attribute("path"));
    QString name = QString::fromUtf8(record.attribute("name"));
    if (name.isEmpty())
        name = QString::fromUtf8(row->key);
    const qint64 size = record.attribute("size").toLongLong();

    auto *widget = new QWidget;
    auto *thumbnail = new QLabel(widget);
    styleWidget(thumbnail, "Thumbnail");
    thumbnail->setFixedSize(ThumbnailSize, ThumbnailSize);
    thumbnail->setAlignment(Qt::AlignCenter);
    const QSize box(ThumbnailSize, ThumbnailSize);
    QImage picture;
    if (record.attribute("picture") == "1" && !path.isEmpty())
        picture = PictureLoader::load(path, box).image;
    if (picture.isNull())
        picture = FileIcon::platformFileIcon(name);
    if (!picture.isNull())
        thumbnail->setPixmap(QPixmap::fromImage(picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));

    auto *fileName = new QLabel(widget);
    styleWidget(fileName, "FileName", "Label Ormica");
    fileName->setTextFormat(Qt::PlainText);
    fileName->setText(SafeText::fileName(name));
    fileName->setToolTip(SafeText::toolTip(SafeText::fileName(name, 1000)));
    // A long name is cut by the panel, never widens it.
    fileName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto *fileSize = new QLabel(widget);
    styleWidget(fileSize, "FileSize", "Label Ormica");
    fileSize->setTextFormat(Qt::PlainText);
    QString sizeText;
    if (IHostServices *services = host()) {
        VariableImpl text;
        services->formatSize(size, &text);
        sizeText = text.toString();
    }
    fileSize->setText(sizeText.isEmpty() ? QLocale().formattedDataSize(size) : sizeText);

    row->progress = new QProgressBar(widget);
    styleWidget(row->progress, "Progress");
    row->progress->setRange(0, ProgressSteps);
    row->progress->setValue(progressValue(record.attribute("uploaded").toLongLong(), size));
    row->progress->setTextVisible(false);
    row->progress->setMaximumHeight(fontMetrics().height() * 2 / 3);

    auto *details2 = new QHBoxLayout;
    details2->addWidget(row->progress, 1);
    details2->addWidget(fileSize);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(fileName);
    texts->addLayout(details2);
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(thumbnail);
    layout->addLayout(texts, 1);
    return widget;
}

void UploadsListFrame::addUpload(const QByteArray &key, const QByteArray &details)
{
    if (key.isEmpty())
        return;
    m_autoClose.stop();
    Row row;
    row.key = key;
    row.widget = createRow(details, &row);
    const int index = indexOf(key);
    if (index >= 0) {
        row.state = m_rows.at(index).state;
        m_rowsLayout->replaceWidget(m_rows.at(index).widget, row.widget);
        delete m_rows.at(index).widget;
        m_rows[index] = row;
    } else {
        m_rowsLayout->addWidget(row.widget);
        m_rows.append(row);
    }
    retranslate();
    show();
    raise();
    relayout();
}

void UploadsListFrame::restore(const QList<QByteArray> &keys)
{
    IHostServices *services = host();
    if (!services)
        return;
    for (const QByteArray &key : keys) {
        VariableImpl details;
        if (services->transferDetails(key.constData(), &details))
            addUpload(key, details.bytes());
    }
}

void UploadsListFrame::setProgress(const QByteArray &key, qint64 uploaded, qint64 total)
{
    const int index = indexOf(key);
    if (index >= 0 && m_rows.at(index).state == State::Running)
        m_rows.at(index).progress->setValue(progressValue(uploaded, total));
}

void UploadsListFrame::setResult(const QByteArray &key, int code, const QList<QByteArray> &fields)
{
    const int index = indexOf(key);
    if (index < 0)
        return;
    switch (code) {
    case 10:
        ended(index, State::Done);
        break;
    case 11:
        m_rows[index].reason = SafeText::fileName(QString::fromUtf8(fields.value(0)), 500);
        ended(index, State::Failed);
        break;
    case 18:
        ended(index, State::Stopped);
        break;
    default:
        break;
    }
}

void UploadsListFrame::setFinished(const QByteArray &key)
{
    const int index = indexOf(key);
    if (index >= 0)
        ended(index, State::Done);
}

void UploadsListFrame::removeUpload(const QByteArray &key)
{
    const int index = indexOf(key);
    if (index < 0)
        return;
    if (m_rows.at(index).state == State::Failed)
        --m_failed;
    delete m_rows.at(index).widget;
    m_rows.remove(index);
    if (m_rows.isEmpty()) {
        closeList();
        return;
    }
    retranslate();
    relayout();
    checkAllEnded();
}

void UploadsListFrame::ended(int index, State state)
{
    Row &row = m_rows[index];
    if (row.state != State::Running)
        return;
    row.state = state;
    if (state == State::Done)
        row.progress->setValue(ProgressSteps);
    if (state == State::Failed)
        ++m_failed;
    row.progress->setEnabled(state == State::Done);
    checkAllEnded();
}

void UploadsListFrame::checkAllEnded()
{
    if (m_rows.isEmpty() || unfinishedCount() > 0)
        return;
    if (m_failed > 0) {
        QString errors;
        if (IHostServices *services = host()) {
            VariableImpl text;
            if (services->uploadErrorText(peerId().constData(), &text))
                errors = SafeText::fileName(text.toString(), 500);
        }
        if (errors.isEmpty()) {
            QStringList reasons;
            for (const Row &row : qAsConst(m_rows)) {
                if (row.state == State::Failed && !row.reason.isEmpty())
                    reasons << row.reason;
            }
            errors = reasons.join(QLatin1Char(' '));
        }
        m_failures->setText(tr("Failed to upload %n files %1", nullptr, m_failed).arg(errors));
        m_failures->show();
        relayout();
    }
    // However the uploads ended, the list goes.
    m_autoClose.start();
}

// --- Closing ------------------------------------------------------------------------------

void UploadsListFrame::onBtnClose()
{
    if (unfinishedCount() > 0) {
        if (m_asking)
            return;
        platform::Prompt::Box box;
        ChatSession *session = m_session();
        box.title = session && session->core() ? session->core()->appName() : QString();
        box.text = tr("You are about to stop uploads.");
        box.informativeText = tr("Do you really want to stop all uploads?");
        box.icon = platform::Prompt::Icon::Warning;
        box.buttons = platform::Prompt::Yes | platform::Prompt::Cancel;
        box.defaultButton = platform::Prompt::Yes;
        box.parent = window();
        m_asking = true;
        const platform::Prompt::Button answer = platform::Prompt::instance().ask(box);
        m_asking = false;
        if (answer == platform::Prompt::Cancel)
            return;
        if (IHostServices *services = host())
            services->stopUploads(peerId().constData());
    }
    closeList();
}

void UploadsListFrame::onAutoClose()
{
    closeList();
}

void UploadsListFrame::closeList()
{
    m_autoClose.stop();
    for (const Row &row : qAsConst(m_rows))
        delete row.widget;
    m_rows.clear();
    m_failed = 0;
    m_failures->clear();
    m_failures->hide();
    const bool wasVisible = isVisible();
    hide();
    if (wasVisible)
        Q_EMIT closeInfo();
}

// --- Texts and layout ------------------------------------------------------------------------

void UploadsListFrame::retranslate()
{
    m_title->setText(m_rows.size() > 1 ? tr("%n files", nullptr, m_rows.size()) : tr("Uploading..."));
    m_close->setToolTip(tr("Close and stop all unfinished uploads"));
}

void UploadsListFrame::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void UploadsListFrame::relayout()
{
    // Over the text of the history, leaving its scroll bar free.
    QRect area = rect();
    if (auto *view = qobject_cast<QAbstractScrollArea *>(parentWidget()))
        area = view->viewport()->geometry();
    const int width = qMax(0, area.width() - 2 * Margin);
    const int rowHeight = m_rows.isEmpty() ? 0 : m_rows.first().widget->sizeHint().height();
    const int spacing = m_rowsLayout->spacing();
    const int shownRows = qMin(int(m_rows.size()), MaxVisibleRows);
    m_scroll->setFixedHeight(qMax(0, shownRows * rowHeight + (shownRows - 1) * spacing));
    m_scroll->setVerticalScrollBarPolicy(m_rows.size() > MaxVisibleRows ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_panel->setFixedWidth(width);
    const int height = qMin(m_panel->sizeHint().height(), qMax(0, area.height() - 2 * Margin));
    m_panel->setGeometry(area.left() + Margin, area.top() + Margin, width, height);
    // Only the panel is drawn and takes clicks; the history around it stays in use.
    setMask(QRegion(m_panel->geometry()));
}

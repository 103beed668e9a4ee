#include "ui/chat/conversationscrollbar.h"

#include "ui/chat/historypane.h"
#include "ui/chat/textbrowser.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

ConversationScrollBar::ConversationScrollBar(TextBrowser *view, HistoryPane *pane, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_pane(pane)
    , m_native(view->verticalScrollBar())
{
    m_bar = new QScrollBar(Qt::Vertical, m_native);
    m_bar->setObjectName(QStringLiteral("ConversationScrollBar"));
    m_bar->setGeometry(m_native->rect());
    m_bar->hide();
    m_bar->installEventFilter(this);
    m_native->installEventFilter(this);
    connect(m_native, &QScrollBar::valueChanged, this, &ConversationScrollBar::sync);
    connect(m_native, &QScrollBar::rangeChanged, this, &ConversationScrollBar::sync);
    connect(m_bar, &QScrollBar::actionTriggered, this, &ConversationScrollBar::onAction);
    connect(m_bar, &QScrollBar::sliderMoved, this, &ConversationScrollBar::onSliderMoved);
    connect(m_bar, &QScrollBar::sliderReleased, this, [this] { goTo(m_bar->value()); });
}

ConversationScrollBar::~ConversationScrollBar() = default;

void ConversationScrollBar::sync()
{
    // A drag in progress is the user's: the thumb stays under the pointer.
    if (m_syncing || m_bar->isSliderDown())
        return;
    const RenderedHistory &shown = m_pane->rendered();
    if (shown.oldestId() != m_oldestId || shown.newestId() != m_newestId || shown.size() != m_shown) {
        m_oldestId = shown.oldestId();
        m_newestId = shown.newestId();
        m_shown = shown.size();
        m_ordinal = shown.isEmpty() ? -1 : m_pane->windowOrdinal(&m_total);
    }
    m_bar->setVisible(isActive());
    if (!isActive())
        return;
    const double page = m_native->pageStep();
    const double height = m_native->maximum() + page;
    m_perMessage = std::max(1.0, height / std::max(1, m_shown));
    // A host whose count lags behind what the window shows still gets a
    // bar that holds the window.
    const double messages = std::max<double>(m_total, m_ordinal + m_shown);
    const double all = std::max(height, messages * m_perMessage);
    m_scale = std::max(1.0, all / MaxUnits);
    const auto units = [this](double pixels) { return int(std::lround(pixels / m_scale)); };
    m_syncing = true;
    {
        const QSignalBlocker quiet(m_bar);
        m_bar->setRange(0, units(all - page));
        m_bar->setPageStep(std::max(1, units(page)));
        m_bar->setSingleStep(std::max(1, units(m_native->singleStep())));
        m_bar->setValue(units(m_ordinal * m_perMessage + m_native->value()));
    }
    m_syncing = false;
}

bool ConversationScrollBar::inWindow(double pixels, int *value) const
{
    const double local = pixels - m_ordinal * m_perMessage;
    if (local < 0 || local > m_native->maximum())
        return false;
    *value = int(std::lround(local));
    return true;
}

void ConversationScrollBar::onSliderMoved(int value)
{
    if (!isActive())
        return;
    // Within the window the view follows the thumb; beyond it the view waits
    // at the window's end until the thumb is let go.
    int local = 0;
    if (!inWindow(value * m_scale, &local))
        local = value * m_scale < m_ordinal * m_perMessage ? 0 : m_native->maximum();
    m_view->scrollTo(local);
}

void ConversationScrollBar::goTo(int value)
{
    if (!isActive())
        return;
    const double pixels = value * m_scale;
    int local = 0;
    if (value <= m_bar->minimum()) {
        m_pane->goToFirst();
    } else if (value >= m_bar->maximum()) {
        m_pane->goToLast();
    } else if (inWindow(pixels, &local)) {
        m_view->scrollTo(local);
    } else {
        const double place = pixels / m_perMessage;
        const qint64 ordinal = std::min<qint64>(qint64(place), std::max<qint64>(0, m_total - 1));
        if (m_pane->showPageAt(ordinal)) {
            // Into the first message as far as the thumb was into its place.
            sync();
            m_view->scrollTo(int(std::lround((place - ordinal) * m_perMessage)));
        }
    }
    sync();
}

void ConversationScrollBar::onAction(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepAdd:
    case QAbstractSlider::SliderPageStepSub:
        // The view's own step: pages come in at the window's ends as always.
        m_native->triggerAction(QAbstractSlider::SliderAction(action));
        sync();
        break;
    case QAbstractSlider::SliderToMinimum:
        m_pane->goToFirst();
        sync();
        break;
    case QAbstractSlider::SliderToMaximum:
        m_pane->goToLast();
        sync();
        break;
    case QAbstractSlider::SliderMove:
        // Not a drag (that waits for the thumb to be let go) but a jump, as
        // the bar's own "Scroll here" does; once the bar has moved there.
        if (!m_bar->isSliderDown()) {
            const int position = m_bar->sliderPosition();
            // The bar is the context: it goes with the view, and this with the pane.
            const QPointer<ConversationScrollBar> self(this);
            const auto jump = [self, position] {
                if (self)
                    self->goTo(position);
            };
            QMetaObject::invokeMethod(m_bar, jump, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
}

bool ConversationScrollBar::eventFilter(QObject *watched, QEvent *event)
{
    // Events still come while the view is destroyed: compare pointers only.
    if (watched == m_native && event->type() == QEvent::Resize) {
        m_bar->setGeometry(m_native->rect());
        sync();
    } else if (watched == m_bar && event->type() == QEvent::Wheel) {
        // A wheel over the bar scrolls as over the view's own bar.
        QCoreApplication::sendEvent(m_native, event);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

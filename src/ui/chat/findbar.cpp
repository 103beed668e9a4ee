#include "ui/chat/findbar.h"

#include "ui/chat/historypane.h"

#include <sdk/ihostservices.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

FindBar::FindBar(HistoryPane *history, QWidget *view, QWidget *scope)
    : QFrame(view)
    , m_history(history)
    , m_view(view)
{
    setObjectName(QStringLiteral("FindBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 4, 4);
    layout->setSpacing(4);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("FindText"));
    m_text->setMinimumWidth(160);
    m_text->installEventFilter(this);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("FindCount"));
    m_count->setMinimumWidth(m_count->fontMetrics().horizontalAdvance(QStringLiteral("0000 of 1000+")));
    m_matchCase = new QCheckBox(this);
    m_matchCase->setObjectName(QStringLiteral("MatchCase"));
    const auto button = [this](const char *name, QStyle::StandardPixmap icon) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setIcon(style()->standardIcon(icon));
        b->setAutoRaise(true);
        return b;
    };
    m_older = button("FindOlder", QStyle::SP_ArrowUp);
    m_newer = button("FindNewer", QStyle::SP_ArrowDown);
    m_close = button("FindClose", QStyle::SP_TitleBarCloseButton);
    for (QWidget *w : {static_cast<QWidget *>(m_text), static_cast<QWidget *>(m_count), static_cast<QWidget *>(m_older),
                       static_cast<QWidget *>(m_newer), static_cast<QWidget *>(m_matchCase), static_cast<QWidget *>(m_close)})
        layout->addWidget(w);
    connect(m_older, &QToolButton::clicked, this, [this] { step(true); });
    connect(m_newer, &QToolButton::clicked, this, [this] { step(false); });
    connect(m_close, &QToolButton::clicked, this, &FindBar::close);
    // Another case is another search: the next step starts anew.
    connect(m_matchCase, &QCheckBox::toggled, this, [this] { m_searched.clear(); });

    const auto action = [scope](const QKeySequence &keys) {
        auto *a = new QAction(scope);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        scope->addAction(a);
        return a;
    };
    m_find = action(QKeySequence::Find);
    m_next = action(QKeySequence(Qt::Key_F3));
    m_previous = action(QKeySequence(Qt::SHIFT + Qt::Key_F3));
    connect(m_find, &QAction::triggered, this, [this] { open(); });
    connect(m_next, &QAction::triggered, this, [this] { isVisible() ? void(step(true)) : open(); });
    connect(m_previous, &QAction::triggered, this, [this] { isVisible() ? void(step(false)) : open(); });
    connect(m_history, &HistoryPane::findRequested, this, &FindBar::open);

    view->installEventFilter(this);
    hide();
    retranslate();
}

FindBar::~FindBar() = default;

void FindBar::retranslate()
{
    m_text->setPlaceholderText(tr("Find in the conversation"));
    m_matchCase->setText(tr("Match case"));
    m_older->setToolTip(tr("Older match (Enter, F3)"));
    m_newer->setToolTip(tr("Newer match (Shift+Enter, Shift+F3)"));
    m_close->setToolTip(tr("Close (Escape)"));
    if (isVisible())
        place();
}

void FindBar::open(const QString &text)
{
    if (!text.isEmpty())
        m_text->setText(text);
    show();
    raise();
    place();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
    if (!text.isEmpty())
        step(true);
}

void FindBar::close()
{
    hide();
    m_history->clearHighlight();
    m_current = 0;
    m_searched.clear();
    m_count->clear();
    m_view->setFocus(Qt::OtherFocusReason);
}

int FindBar::searchFlags() const
{
    return m_matchCase->isChecked() ? IHostServices::SearchMatchCase : 0;
}

bool FindBar::step(bool older)
{
    const QString text = m_text->text();
    if (text.isEmpty())
        return false;
    const bool matchCase = m_matchCase->isChecked();
    if (text != m_searched || matchCase != m_searchedCase)
        m_current = 0; // a new search: from the newest match (the oldest going newer)
    m_searched = text;
    m_searchedCase = matchCase;
    const int direction = older ? IHostServices::SearchOlder : 0;
    QVector<qint64> ids;
    int found = m_history->search(text, searchFlags() | direction, m_current, 1, &ids);
    if (found == 0 && m_current != 0) // past the last match: round to the first
        found = m_history->search(text, searchFlags() | direction, 0, 1, &ids);
    if (found <= 0) {
        m_current = 0;
        m_history->clearHighlight();
        showCount(0, qMax(0, found), false);
        return false;
    }
    m_current = ids.first();
    m_history->bringIn(m_current);
    m_history->highlight(m_current, text, matchCase);
    // Counted from the newest match, as the search starts there.
    QVector<qint64> all;
    const int count = m_history->search(text, searchFlags() | IHostServices::SearchOlder, 0, CountCap + 1, &all);
    QVector<qint64> newer;
    const int position = m_history->search(text, searchFlags(), m_current, CountCap + 1, &newer) + 1;
    showCount(position, count, count > CountCap);
    return true;
}

void FindBar::showCount(int position, int count, bool more)
{
    if (count <= 0) {
        m_count->setText(tr("No matches"));
        return;
    }
    const QString total = more ? tr("%1+").arg(CountCap) : QString::number(count);
    m_count->setText(position > CountCap ? tr("%1+ of %2").arg(CountCap).arg(total)
                                         : tr("%1 of %2").arg(position).arg(total));
}

void FindBar::place()
{
    const auto *area = qobject_cast<QAbstractScrollArea *>(m_view);
    const QRect inside = area ? area->viewport()->geometry() : m_view->rect();
    const QSize size = sizeHint().boundedTo(inside.size());
    setGeometry(inside.right() - size.width() - 6, inside.top() + 6, size.width(), size.height());
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::Resize && isVisible())
        place();
    if (watched == m_text && event->type() == QEvent::ShortcutOverride) {
        // Before the window's own shortcuts (Escape may close it).
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            key->accept();
            return true;
        }
    }
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            step(!(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void FindBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

#include "ui/chat/quicktextmenu.h"

#include "render/markupconverter.h"
#include "settings/settingsmanager.h"
#include "settings/ui/cannedmessagesdialog.h"
#include "shared/sharedresourcemanager.h"
#include "ui/chat/cannedaction.h"
#include "ui/chat/dialogcontext.h"
#include "ui/chat/menupopup.h"
#include "ui/chat/safetext.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// Far more than 250 pixels of any font: the rest of a long text is never
// measured.
constexpr int MaxLabelChars = 400;

QString oneLine(const QString &text)
{
    QString line = text.left(MaxLabelChars);
    for (QChar &c : line) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return line;
}

SettingsManager *settings()
{
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    return resources ? resources->settings() : nullptr;
}

} // namespace

QuickTextMenu::QuickTextMenu(QTextEdit *editor, QWidget *window, IHostServices *host, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_window(window)
    , m_host(host)
{
    if (SettingsManager *manager = settings())
        connect(manager, &SettingsManager::cannedMessagesChanged, this, &QuickTextMenu::onCannedMessagesChanged);
}

QuickTextMenu::~QuickTextMenu()
{
    // A menu being destroyed still sends events; this filter must not see them.
    if (m_menu)
        m_menu->removeEventFilter(this);
    delete m_menu;
    delete m_dialog;
}

QMenu *QuickTextMenu::menu()
{
    if (!m_menu) {
        m_menu = new QMenu(m_window);
        m_menu->setObjectName(QStringLiteral("QuickText"));
        m_menu->setProperty("class", QStringLiteral("Menu Ormica"));
        m_menu->installEventFilter(this);
        connect(m_menu, &QMenu::triggered, this, &QuickTextMenu::onCannedMessageTriggered);
        rebuild();
    }
    return m_menu;
}

void QuickTextMenu::popup()
{
    popupAboveCursor(menu());
}

void QuickTextMenu::rebuild()
{
    m_menu->clear();
    const QFontMetrics metrics(m_menu->font());
    if (const SettingsManager *manager = settings()) {
        for (const SettingsManager::QuickText &record : manager->quickTexts()) {
            const QString text = SettingsManager::quickTextDisplayText(record);
            const QString label = metrics.elidedText(oneLine(text), Qt::ElideRight, LabelWidth);
            m_menu->addAction(new CannedAction(text, SafeText::actionLabel(label), m_menu));
        }
    }
    m_menu->addSeparator();
    QAction *edit = m_menu->addAction(tr("Edit"));
    connect(edit, &QAction::triggered, this, &QuickTextMenu::onEditCannedMessages);
}

void QuickTextMenu::onCannedMessagesChanged()
{
    if (m_menu)
        rebuild();
}

void QuickTextMenu::onEditCannedMessages()
{
    if (!m_dialog) {
        if (!settings())
            return;
        m_dialog = new CannedMessagesDialog(dialogContext(m_host), m_window);
    } else {
        m_dialog->load();
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void QuickTextMenu::onCannedMessageTriggered(QAction *action)
{
    auto *canned = qobject_cast<CannedAction *>(action);
    if (!canned)
        return;
    const SettingsManager *manager = settings();
    if (m_instantSendAllowed && manager && manager->quickTextBehaviour() == 1)
        Q_EMIT sendRequested(canned->quickText());
    else
        insert(canned->quickText());
    m_editor->setFocus();
}

void QuickTextMenu::insert(const QString &markup)
{
    Q_EMIT aboutToInsert();
    SharedResourceManager *resources = SharedResourceManager::existingInstance();
    const RenderContext context = resources ? resources->renderContext() : RenderContext();
    static const QRegularExpression paragraphBreak(QStringLiteral("\\[br\\]"), QRegularExpression::CaseInsensitiveOption);
    QTextCursor cursor = m_editor->textCursor();
    cursor.beginEditBlock();
    const QStringList paragraphs = markup.split(paragraphBreak);
    for (int i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        if (!paragraphs.at(i).isEmpty())
            cursor.insertHtml(MarkupConverter::markupToEditorHtml(paragraphs.at(i), context));
    }
    cursor.endEditBlock();
    m_editor->setTextCursor(cursor);
}

bool QuickTextMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menu && event->type() == QEvent::LanguageChange)
        rebuild();
    return QObject::eventFilter(watched, event);
}

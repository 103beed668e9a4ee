#include "settings/ui/listtexteditor.h"

#include "emoticons/ui/emoticonpicker.h"
#include "settings/ui/formattoggles.h"
#include "render/markupconverter.h"

#include <QAction>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QString preview(const QString &markup)
{
    QString line = markup.left(ListTextEditor::PreviewChars);
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    if (markup.size() > ListTextEditor::PreviewChars)
        line += QChar(0x2026);
    return line;
}

} // namespace

ListTextEditor::ListTextEditor(QTreeWidget *list, int textColumn, QTextEdit *editor, const SettingsDialogContext &context,
                               QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_column(textColumn)
    , m_editor(editor)
    , m_context(context)
{
    m_formatBar = new QToolBar(editor->parentWidget());
    m_formatBar->setObjectName(QStringLiteral("Format"));
    m_formatBar->setProperty("class", QStringLiteral("ToolBar Chat"));
    m_formatBar->setIconSize(QSize(16, 16));
    const auto add = [this](int id, const char *icon, const QKeySequence &shortcut, bool checkable) {
        auto *action = new QAction(QIcon(m_context.skinFile(icon)), QString(), m_formatBar);
        action->setCheckable(checkable);
        if (!shortcut.isEmpty()) {
            action->setShortcut(shortcut);
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            m_editor->addAction(action);
        }
        connect(action, &QAction::triggered, this, [this, id] { onFormatAction(id); });
        m_formatBar->addAction(action);
        m_actions.insert(id, action);
    };
    add(ActionBold, "chat/textbold.png", QKeySequence(Qt::CTRL | Qt::Key_B), true);
    add(ActionItalic, "chat/textitalic.png", QKeySequence(Qt::CTRL | Qt::Key_I), true);
    add(ActionUnderline, "chat/textunder.png", QKeySequence(Qt::CTRL | Qt::Key_U), true);
    if (m_context.picker)
        add(ActionEmoticons, "chat/emotion.png", QKeySequence(), false);
    retranslate();

    m_editor->setAcceptRichText(false);
    m_editor->setProperty("class", QStringLiteral("Edit Chat"));
    m_editor->document()->setDefaultFont(m_context.defaultFormat().font());
    if (m_context.picker)
        EmoticonPicker::registerImages(m_editor->document(), m_context.picker->catalogue());
    connect(m_editor, &QTextEdit::textChanged, this, &ListTextEditor::onTextChanged);
    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &ListTextEditor::onCurrentCharFormatChanged);
    connect(m_editor, &QTextEdit::cursorPositionChanged, this, &ListTextEditor::onCurrentCharFormatChanged);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &ListTextEditor::onCurrentItemChanged);
    showRow(m_list->currentItem());
}

void ListTextEditor::bindButtons(QToolButton *add, QToolButton *remove, QToolButton *up, QToolButton *down)
{
    add->setText(QStringLiteral("+"));
    add->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    remove->setIcon(QIcon(m_context.skinFile("chat/delete.png")));
    if (remove->icon().isNull())
        remove->setText(QStringLiteral("-"));
    up->setArrowType(Qt::UpArrow);
    up->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    down->setArrowType(Qt::DownArrow);
    down->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    for (QToolButton *button : {add, remove, up, down}) {
        button->setProperty("class", QStringLiteral("QToolButton Chat"));
        button->setFixedSize(26, 26);
    }
    connect(remove, &QToolButton::clicked, this, &ListTextEditor::deleteCurrent);
    connect(up, &QToolButton::clicked, this, &ListTextEditor::moveCurrentUp);
    connect(down, &QToolButton::clicked, this, &ListTextEditor::moveCurrentDown);
}

void ListTextEditor::retranslate()
{
    const auto setText = [this](int id, const QString &text, const QString &tip) {
        if (QAction *action = m_actions.value(id)) {
            action->setText(text);
            action->setToolTip(tip);
        }
    };
    setText(ActionBold, tr("&Bold"), tr("Bold"));
    setText(ActionItalic, tr("&Italic"), tr("Italic"));
    setText(ActionUnderline, tr("&Underline"), tr("Underline"));
    setText(ActionEmoticons, tr("Emoticons"), tr("Emoticons"));
}

QString ListTextEditor::markup(const QTreeWidgetItem *item) const
{
    return item ? item->data(m_column, MarkupRole).toString() : QString();
}

void ListTextEditor::setMarkup(QTreeWidgetItem *item, const QString &markup) const
{
    item->setData(m_column, MarkupRole, markup);
    item->setText(m_column, preview(markup));
}

void ListTextEditor::addRow(QTreeWidgetItem *item)
{
    m_list->addTopLevelItem(item);
    m_list->setCurrentItem(item);
    m_editor->setFocus();
    m_editor->selectAll();
}

void ListTextEditor::refresh()
{
    showRow(m_list->currentItem());
}

void ListTextEditor::deleteCurrent()
{
    delete m_list->currentItem();
    showRow(m_list->currentItem());
}

void ListTextEditor::moveCurrentUp()
{
    moveCurrent(-1);
}

void ListTextEditor::moveCurrentDown()
{
    moveCurrent(1);
}

void ListTextEditor::moveCurrent(int delta)
{
    QTreeWidgetItem *item = m_list->currentItem();
    const int row = item ? m_list->indexOfTopLevelItem(item) : -1;
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= m_list->topLevelItemCount())
        return;
    m_moving = true;
    m_list->takeTopLevelItem(row);
    m_list->insertTopLevelItem(target, item);
    m_list->setCurrentItem(item);
    m_moving = false;
}

void ListTextEditor::onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous)
{
    if (m_moving)
        return;
    showRow(current);
    // After showing the new row: the editor no longer writes to the old one.
    if (previous && previous != current && markup(previous).trimmed().isEmpty()) {
        const int row = m_list->indexOfTopLevelItem(previous);
        if (row >= 0)
            delete m_list->takeTopLevelItem(row);
    }
}

void ListTextEditor::showRow(QTreeWidgetItem *item)
{
    m_loading = true;
    m_editor->setEnabled(item != nullptr);
    m_formatBar->setEnabled(item != nullptr);
    m_editor->clear();
    m_editor->setCurrentCharFormat(m_context.defaultFormat());
    if (item) {
        m_editor->setHtml(MarkupConverter::markupToEditorHtml(markup(item), m_context.renderContext()));
        m_editor->setFocus();
        m_editor->selectAll();
    }
    m_loading = false;
    onCurrentCharFormatChanged();
}

void ListTextEditor::onTextChanged()
{
    if (m_loading)
        return;
    QTreeWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    if (m_editor->toPlainText().trimmed().isEmpty()) {
        m_editor->setCurrentCharFormat(m_context.defaultFormat());
        setMarkup(item, QString());
    } else {
        setMarkup(item, MarkupConverter::editorToMarkup(m_editor->document(), m_context.renderContext().baseFont));
    }
    Q_EMIT rowEdited(item);
}

void ListTextEditor::onFormatAction(int id)
{
    if (id == ActionEmoticons) {
        EmoticonPicker *picker = m_context.picker;
        picker->popupAboveCursor(this, [this, picker](int index) { picker->insertEmoticon(m_editor, index); });
        return;
    }
    m_editor->mergeCurrentCharFormat(FormatToggles::change(id, m_actions.value(id)->isChecked()));
    m_editor->setFocus();
}

void ListTextEditor::onCurrentCharFormatChanged()
{
    FormatToggles::reflect(m_actions, m_editor->currentCharFormat());
}

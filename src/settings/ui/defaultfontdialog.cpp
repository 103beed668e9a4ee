#include "settings/ui/defaultfontdialog.h"

#include "ui_defaultfontdialog.h"

#include "platform/pickers.h"
#include "settings/settingsmanager.h"
#include "settings/ui/formattoggles.h"

#include <QAction>
#include <QEvent>
#include <QSignalMapper>
#include <QTextCursor>
#include <QToolBar>

DefaultFontDialog::DefaultFontDialog(const SettingsDialogContext &context, QWidget *parent)
    : QFrame(parent)
    , m_ui(new Ui::DefaultFontDialog)
    , m_context(context)
{
    m_ui->setupUi(this);
    setProperty("class", QStringLiteral("Frame Chat"));
    m_ui->editText->setProperty("class", QStringLiteral("Edit Chat"));
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("Font"));
    m_toolBar->setProperty("class", QStringLiteral("ToolBar Chat"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_ui->verticalLayout->insertWidget(0, m_toolBar);
    m_mapper = new QSignalMapper(this);
    connect(m_mapper, &QSignalMapper::mappedInt, this, &DefaultFontDialog::onSettingsActionTriggered);
    const auto add = [this](int id, const char *icon, bool checkable) {
        auto *action = new QAction(QIcon(m_context.skinFile(icon)), QString(), this);
        action->setCheckable(checkable);
        connect(action, &QAction::triggered, m_mapper, qOverload<>(&QSignalMapper::map));
        m_mapper->setMapping(action, id);
        m_toolBar->addAction(action);
        m_actions.insert(id, action);
    };
    add(ActionBold, "chat/textbold.png", true);
    add(ActionItalic, "chat/textitalic.png", true);
    add(ActionUnderline, "chat/textunder.png", true);
    add(ActionColor, "chat/textfore.png", false);
    add(ActionFont, "chat/font.png", false);
    retranslate();
    connect(m_ui->editText, &QTextEdit::currentCharFormatChanged, this, &DefaultFontDialog::onCurrentCharFormatChanged);
    load();
}

DefaultFontDialog::~DefaultFontDialog() = default;

QTextEdit *DefaultFontDialog::sample() const
{
    return m_ui->editText;
}

void DefaultFontDialog::retranslate()
{
    const auto setText = [this](int id, const QString &text) {
        QAction *action = m_actions.value(id);
        action->setText(text);
        action->setToolTip(QString(text).remove(QLatin1Char('&')));
    };
    setText(ActionBold, tr("&Bold"));
    setText(ActionItalic, tr("&Italic"));
    setText(ActionUnderline, tr("&Underline"));
    setText(ActionColor, tr("&Color..."));
    setText(ActionFont, tr("&Font"));
}

void DefaultFontDialog::load()
{
    QTextEdit *sample = m_ui->editText;
    sample->setPlainText(tr("The quick brown fox jumped over the lazy dog."));
    sample->selectAll();
    QTextCharFormat stored;
    stored.setFont(m_context.defaultFormat().font(), QTextCharFormat::FontPropertiesAll);
    if (m_context.defaultFormat().hasProperty(QTextFormat::ForegroundBrush))
        stored.setForeground(m_context.defaultFormat().foreground());
    mergeIntoSample(stored);
    // The sample shown in its format, not behind a selection.
    sample->moveCursor(QTextCursor::End);
}

void DefaultFontDialog::mergeIntoSample(const QTextCharFormat &format)
{
    QTextEdit *sample = m_ui->editText;
    // The whole sample shows the format, wherever the cursor stands.
    QTextCursor all(sample->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    sample->mergeCurrentCharFormat(format);
    onCurrentCharFormatChanged(sample->currentCharFormat());
}

QTextCharFormat DefaultFontDialog::sampleFormat() const
{
    const QTextCharFormat current = m_ui->editText->currentCharFormat();
    QTextCharFormat format;
    format.setFont(current.font());
    if (current.hasProperty(QTextFormat::ForegroundBrush))
        format.setForeground(current.foreground());
    return format;
}

void DefaultFontDialog::apply()
{
    SettingsManager *settings = m_context.settings;
    const QTextCharFormat format = sampleFormat();
    const QTextCharFormat stored = settings->textFormat();
    if (format.font() == stored.font() && format.foreground().color() == stored.foreground().color())
        return;
    settings->setTextFormat(format);
    settings->save(false);
}

void DefaultFontDialog::onCurrentCharFormatChanged(const QTextCharFormat &format)
{
    FormatToggles::reflect(m_actions, format);
}

void DefaultFontDialog::onSettingsActionTriggered(int id)
{
    const QTextCharFormat current = m_ui->editText->currentCharFormat();
    QTextCharFormat change;
    switch (id) {
    case ActionBold:
    case ActionItalic:
    case ActionUnderline:
        change = FormatToggles::change(id, m_actions.value(id)->isChecked());
        break;
    case ActionColor: {
        const QColor initial = current.hasProperty(QTextFormat::ForegroundBrush) ? current.foreground().color()
                                                                                 : palette().color(QPalette::Text);
        const QColor color = platform::Pickers::instance().getColor(initial, this, tr("Color"));
        if (!color.isValid())
            return;
        change.setForeground(color);
        break;
    }
    case ActionFont: {
        QFont font = current.font();
        if (!platform::Pickers::instance().getFont(&font, this, tr("Font")))
            return;
        change.setFont(font, QTextCharFormat::FontPropertiesAll);
        break;
    }
    default:
        return;
    }
    mergeIntoSample(change);
    m_ui->editText->setFocus();
}

void DefaultFontDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        retranslate();
    }
    QFrame::changeEvent(event);
}

#include "prompt.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

QMessageBox::Icon toolkitIcon(Prompt::Icon icon)
{
    switch (icon) {
    case Prompt::Icon::None: return QMessageBox::NoIcon;
    case Prompt::Icon::Information: return QMessageBox::Information;
    case Prompt::Icon::Question: return QMessageBox::Question;
    case Prompt::Icon::Warning: return QMessageBox::Warning;
    case Prompt::Icon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

const std::pair<Prompt::Button, QMessageBox::StandardButton> kButtons[] = {
    {Prompt::Ok, QMessageBox::Ok},
    {Prompt::Yes, QMessageBox::Yes},
    {Prompt::No, QMessageBox::No},
    {Prompt::Cancel, QMessageBox::Cancel},
    {Prompt::Open, QMessageBox::Open},
};

class MessageBoxPrompt final : public Prompt
{
public:
    Button ask(const Box &box) override
    {
        QMessageBox dialog(toolkitIcon(box.icon), box.title, box.text, QMessageBox::NoButton, box.parent);
        // Questions quote names peers chose (a room's name): never markup.
        dialog.setTextFormat(Qt::PlainText);
        // A box is a window, which Qt lays out in the application's
        // direction; it belongs with the window it asks over.
        if (box.parent)
            dialog.setLayoutDirection(box.parent->layoutDirection());
        if (!box.informativeText.isEmpty())
            dialog.setInformativeText(box.informativeText);
        for (const auto &[ours, theirs] : kButtons) {
            if (box.buttons & ours) {
                QPushButton *button = dialog.addButton(theirs);
                if (ours == box.defaultButton)
                    dialog.setDefaultButton(button);
            }
        }
        const int result = dialog.exec();
        for (const auto &[ours, theirs] : kButtons) {
            if (result == theirs)
                return ours;
        }
        // Closed by the window manager or Escape without a Cancel button.
        return (box.buttons & Cancel) ? Cancel : (box.buttons & No) ? No : Ok;
    }
};

Prompt *g_installed = nullptr;

} // namespace

Prompt &Prompt::instance()
{
    static MessageBoxPrompt messageBoxes;
    return g_installed ? *g_installed : messageBoxes;
}

void Prompt::warn(QWidget *parent, const QString &title, const QString &text)
{
    Box box;
    box.title = title;
    box.text = text;
    box.icon = Icon::Warning;
    box.parent = parent;
    instance().ask(box);
}

bool Prompt::confirm(QWidget *parent, const QString &title, const QString &text, Button defaultButton)
{
    Box box;
    box.title = title;
    box.text = text;
    box.icon = Icon::Question;
    box.buttons = Yes | No;
    box.defaultButton = defaultButton;
    box.parent = parent;
    return instance().ask(box) == Yes;
}

void Prompt::setInstance(Prompt *prompt)
{
    g_installed = prompt;
}

Prompt::Button ScriptedPrompt::ask(const Box &box)
{
    m_asked.push_back(box);
    if (!m_answers.empty()) {
        const Button answer = m_answers.front();
        m_answers.erase(m_answers.begin());
        return answer;
    }
    return box.defaultButton != NoButton ? box.defaultButton : Ok;
}

} // namespace platform

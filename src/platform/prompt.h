#pragma once

#include <QString>

#include <vector>

class QWidget;

namespace platform {

// Every question and information box of the library goes through here, so
// that tests answer them without a modal loop. The default shows a real
// message box; a host in the same process answers that one by finding the
// application's active modal widget.
class Prompt
{
public:
    enum class Icon { None, Information, Question, Warning, Critical };
    enum Button { NoButton = 0, Ok = 0x1, Yes = 0x2, No = 0x4, Cancel = 0x8, Open = 0x10 };
    Q_DECLARE_FLAGS(Buttons, Button)

    struct Box
    {
        QString title;
        QString text;
        QString informativeText;
        Icon icon = Icon::Information;
        Buttons buttons = Ok;
        Button defaultButton = NoButton;
        QWidget *parent = nullptr; // not owned; may be null
    };

    virtual ~Prompt() = default;

    // Shows the box and returns the button that closed it.
    virtual Button ask(const Box &box) = 0;

    // A warning with only Ok, through the installed prompt.
    static void warn(QWidget *parent, const QString &title, const QString &text);
    // A Yes/No question through the installed prompt; true when answered Yes.
    static bool confirm(QWidget *parent, const QString &title, const QString &text, Button defaultButton = No);

    static Prompt &instance();
    // Installs a prompt (not owned); null restores the message boxes.
    static void setInstance(Prompt *prompt);
};

// Answers from a queue, records every box it was shown; the answer for an
// empty queue is the box's default button (Ok for an information box).
class ScriptedPrompt final : public Prompt
{
public:
    Button ask(const Box &box) override;

    void enqueue(Button answer) { m_answers.push_back(answer); }
    const std::vector<Box> &asked() const { return m_asked; }
    void clear() { m_asked.clear(); m_answers.clear(); }

private:
    std::vector<Button> m_answers;
    std::vector<Box> m_asked;
};

} // namespace platform

Q_DECLARE_OPERATORS_FOR_FLAGS(platform::Prompt::Buttons)

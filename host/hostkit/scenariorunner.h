#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class QMimeData;
class QTextBrowser;
class QTimer;

namespace hostkit {

class DesktopRecorder;
class Host;

// Runs a scenario: one step per line, the user's and the peers' actions and
// checks, against a Host and the widgets of this process (the plug-in shares
// the host's QApplication). The language is documented in host/README.md.
//
// Steps run one at a time from the event loop, so a step that opens a modal
// box (answered by an earlier "answer" step) does not block the runner.
// Exit codes: 0 done, 1 an expect-step failed, 2 the scenario is wrong (an
// unknown step, bad arguments, a widget or file that is not there); the
// message names the line.
class ScenarioRunner : public QObject
{
    Q_OBJECT

public:
    struct Step
    {
        int line = 0;
        QString name;
        QStringList args;
        QHash<QString, QString> options;
    };

    // A step handler returns an empty string when it succeeded, else the
    // problem; `failed` marks an expectation that did not hold (exit 1)
    // rather than a wrong scenario (exit 2).
    using Handler = std::function<QString(const Step &step, bool *failed)>;

    explicit ScenarioRunner(Host &host, QObject *parent = nullptr);
    ~ScenarioRunner() override;

    // Adds or replaces a step; `minArgs`/`maxArgs` are checked before the
    // scenario starts (-1: no upper limit), `options` lists the allowed
    // option names.
    void addStep(const QString &name, int minArgs, int maxArgs, const QStringList &options, Handler handler);

    // Relative file names in steps are resolved against this folder.
    void setBaseFolder(const QString &folder) { m_base = folder; }
    QString resolve(const QString &file) const;

    // Splits and checks the whole text first: nothing runs when a line is
    // wrong. Returns false with lastMessage() set (exit code 2).
    bool load(const QString &text);
    bool loadFile(const QString &path);

    // Runs the loaded steps in the event loop and returns the exit code.
    int exec();

    QString lastMessage() const { return m_message; }
    int exitCode() const { return m_exitCode; }

    // Line tokenizer: blanks separate, "..." quotes (\" \\ \n \r \t inside),
    // name=value (value may be quoted) is an option. False on an unclosed
    // quote.
    static bool tokenize(const QString &line, QStringList *args, QHash<QString, QString> *options, QString *error);

Q_SIGNALS:
    void finished(int exitCode, const QString &message);
    void stepStarted(int line, const QString &text);

private:
    QWidget *contactWindow(const QString &path, QString *error) const;
    QTextBrowser *historyViewIn(const QString &path, QString *error) const;

    struct Definition
    {
        int minArgs = 0;
        int maxArgs = -1;
        QStringList options;
        Handler handler;
    };

    void registerBuiltins();
    // paste, drag, drop, direct-transfer, cloud-delivery.
    void registerTransferSteps();
    // click-picture, mouse.
    void registerPointerSteps();
    // broadcast-options, broadcast-peer, receive-broadcast, pick-contacts,
    // drop-contacts, wait-broadcasts (scenariobroadcaststeps.cpp).
    void registerBroadcastSteps();
    // room-join, room-leave, room-rename, room-open, history-plugin.
    void registerRoomSteps();
    // fill, find, find-next, find-previous, expect-text, expect-shown.
    void registerHistorySteps();
    void runNext();
    void finish(int code, const QString &message);
    void checkModal();

    Host &m_host;
    QHash<QString, Definition> m_steps;
    QVector<Step> m_script;
    int m_next = 0;
    int m_exitCode = 0;
    QString m_message;
    QString m_base;
    bool m_running = false;
    QStringList m_answers;  // buttons to click in the next modal boxes
    QStringList m_answerShots; // per answer: a PNG of the box before it is answered, or empty
    QTimer *m_modalWatch = nullptr;
    std::unique_ptr<QMimeData> m_drag; // the drag in progress (drag ... drop)
    DesktopRecorder *m_desktop = nullptr; // owned (child)
    Qt::MouseButtons m_heldButtons; // pressed by a "mouse" step and not released yet
};

} // namespace hostkit

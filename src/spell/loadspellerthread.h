#pragma once

#include <QThread>

class SpellCheckManager;

// The dictionary loader thread. run() registers the thread with the library's
// thread manager, creates a SpellCheckLoader, connects it to the manager
// (every connection queued), announces it with initialized() and serves
// loads on its own event loop until quit(); then the loader is deleted. The
// thread object deletes itself once the thread has finished, unless its
// owner deletes it first.
class LoadSpellerThread : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY(LoadSpellerThread)

public:
    // `manager` is not owned and must outlive the thread's run.
    explicit LoadSpellerThread(SpellCheckManager *manager, QObject *parent = nullptr);
    ~LoadSpellerThread() override;

    // The name the thread registers under.
    static const char *registrationName();

protected:
    void run() override;

private:
    SpellCheckManager *m_manager;
};

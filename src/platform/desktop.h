#pragma once

#include <QUrl>

#include <vector>

namespace platform {

// Hands addresses and files to the desktop's default handlers (browser, mail
// program, file viewer). Everything the library opens outside itself goes
// through here, so tests record what would have opened instead of starting
// programs.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // True when a handler took the address.
    virtual bool openUrl(const QUrl &url) = 0;

    static Desktop &instance();
    // Installs an implementation (not owned); null restores the toolkit's.
    static void setInstance(Desktop *desktop);
};

// Records every address instead of opening it; answers `accept`.
class RecordingDesktop final : public Desktop
{
public:
    bool openUrl(const QUrl &url) override
    {
        m_opened.push_back(url);
        return m_accept;
    }

    const std::vector<QUrl> &opened() const { return m_opened; }
    void setAccept(bool accept) { m_accept = accept; }
    void clear() { m_opened.clear(); }

private:
    std::vector<QUrl> m_opened;
    bool m_accept = true;
};

} // namespace platform

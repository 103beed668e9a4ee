#include "pickers.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

namespace platform {

namespace {

class DialogPickers final : public Pickers
{
public:
    QColor getColor(const QColor &initial, QWidget *parent, const QString &title) override
    {
        return QColorDialog::getColor(initial, parent, title);
    }

    bool getFont(QFont *font, QWidget *parent, const QString &title) override
    {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, *font, parent, title);
        if (ok)
            *font = chosen;
        return ok;
    }

    QStringList getOpenFileNames(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter) override
    {
        return QFileDialog::getOpenFileNames(parent, title, folder, filter);
    }

    QString getSaveFileName(QWidget *parent, const QString &title, const QString &path, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, title, path, filter);
    }
};

Pickers *g_installed = nullptr;

template<typename T>
bool takeFront(std::deque<T> &queue, T *out)
{
    if (queue.empty())
        return false;
    *out = queue.front();
    queue.pop_front();
    return true;
}

} // namespace

Pickers &Pickers::instance()
{
    static DialogPickers dialogs;
    return g_installed ? *g_installed : dialogs;
}

void Pickers::setInstance(Pickers *pickers)
{
    g_installed = pickers;
}

QColor ScriptedPickers::getColor(const QColor &initial, QWidget *parent, const QString &title)
{
    Request request;
    request.kind = Request::Kind::Color;
    request.title = title;
    request.color = initial;
    request.parent = parent;
    m_requests.push_back(request);
    QColor answer;
    takeFront(m_colors, &answer);
    return answer;
}

bool ScriptedPickers::getFont(QFont *font, QWidget *parent, const QString &title)
{
    Request request;
    request.kind = Request::Kind::Font;
    request.title = title;
    request.font = *font;
    request.parent = parent;
    m_requests.push_back(request);
    return takeFront(m_fonts, font);
}

QStringList ScriptedPickers::getOpenFileNames(QWidget *parent, const QString &title, const QString &folder,
                                              const QString &filter)
{
    m_requests.push_back({Request::Kind::OpenFiles, title, QColor(), QFont(), folder, filter, parent});
    QStringList answer;
    takeFront(m_openFiles, &answer);
    return answer;
}

QString ScriptedPickers::getSaveFileName(QWidget *parent, const QString &title, const QString &path,
                                         const QString &filter)
{
    m_requests.push_back({Request::Kind::SaveFile, title, QColor(), QFont(), path, filter, parent});
    QString answer;
    takeFront(m_saveFiles, &answer);
    return answer;
}

void ScriptedPickers::clear()
{
    m_requests.clear();
    m_colors.clear();
    m_fonts.clear();
    m_openFiles.clear();
    m_saveFiles.clear();
}

} // namespace platform

#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

class QWidget;

namespace platform {

// The toolkit's colour, font and file dialogs, behind one seam so that tests
// answer them without a modal loop. The default shows the real dialogs.
class Pickers
{
public:
    struct Request
    {
        enum class Kind { Color, Font, OpenFiles, SaveFile };
        Kind kind = Kind::Color;
        QString title;
        QColor color;     // Color: the initial colour
        QFont font;       // Font: the initial font
        QString path;     // OpenFiles: the folder; SaveFile: the proposed file
        QString filter;   // file dialogs: "Pictures (*.png *.jpg)" and the like
        QWidget *parent = nullptr; // not owned; may be null
    };

    virtual ~Pickers() = default;

    // An invalid colour when the user cancelled.
    virtual QColor getColor(const QColor &initial, QWidget *parent, const QString &title) = 0;
    // False when the user cancelled; *font is then unchanged.
    virtual bool getFont(QFont *font, QWidget *parent, const QString &title) = 0;
    // Existing files the user picked; empty when cancelled.
    virtual QStringList getOpenFileNames(QWidget *parent, const QString &title, const QString &folder,
                                         const QString &filter) = 0;
    // The file to write; empty when cancelled.
    virtual QString getSaveFileName(QWidget *parent, const QString &title, const QString &path,
                                    const QString &filter) = 0;

    static Pickers &instance();
    // Installs pickers (not owned); null restores the toolkit's dialogs.
    static void setInstance(Pickers *pickers);
};

// Answers from queues, one per kind, and records every request; an empty
// queue answers as if the user cancelled.
class ScriptedPickers final : public Pickers
{
public:
    QColor getColor(const QColor &initial, QWidget *parent, const QString &title) override;
    bool getFont(QFont *font, QWidget *parent, const QString &title) override;
    QStringList getOpenFileNames(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &title, const QString &path,
                            const QString &filter) override;

    void enqueueColor(const QColor &color) { m_colors.push_back(color); }
    void enqueueFont(const QFont &font) { m_fonts.push_back(font); }
    void enqueueOpenFiles(const QStringList &files) { m_openFiles.push_back(files); }
    void enqueueSaveFile(const QString &file) { m_saveFiles.push_back(file); }

    const std::vector<Request> &requests() const { return m_requests; }
    void clear();

private:
    std::vector<Request> m_requests;
    std::deque<QColor> m_colors;
    std::deque<QFont> m_fonts;
    std::deque<QStringList> m_openFiles;
    std::deque<QString> m_saveFiles;
};

} // namespace platform

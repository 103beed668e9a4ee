#pragma once

#include "settings/ui/settingsdialogcontext.h"

#include <QFrame>
#include <QHash>
#include <QScopedPointer>
#include <QTextCharFormat>

class QAction;
class QSignalMapper;
class QTextEdit;
class QToolBar;

namespace Ui {
class DefaultFontDialog;
}

// The default text format of outgoing messages, as the settings dialog's
// "Font" tab shows it: a sample text in that format and a tool bar that
// changes it (bold, italic, underline, a colour and a font dialog). Changes
// stay in the sample until apply().
class DefaultFontDialog : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY(DefaultFontDialog)

public:
    enum ActionId { ActionBold = 0, ActionItalic = 1, ActionUnderline = 2, ActionColor = 3, ActionFont = 4 };

    explicit DefaultFontDialog(const SettingsDialogContext &context, QWidget *parent = nullptr);
    ~DefaultFontDialog() override;

    // The sample in the stored format.
    void load();
    // The sample's format: its font and colour.
    QTextCharFormat sampleFormat() const;
    // Stores the sample's format as the default text format and writes
    // config.ini; open windows follow it (SettingsManager::textFormatChanged).
    // Nothing happens when it is the stored one already.
    void apply();

    QTextEdit *sample() const;
    QToolBar *toolBar() const { return m_toolBar; }
    QAction *action(int id) const { return m_actions.value(id); }

public Q_SLOTS:
    void onCurrentCharFormatChanged(const QTextCharFormat &format);
    void onSettingsActionTriggered(int id);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void mergeIntoSample(const QTextCharFormat &format);

    QScopedPointer<Ui::DefaultFontDialog> m_ui;
    const SettingsDialogContext m_context;
    QToolBar *m_toolBar = nullptr;      // owned (child)
    QSignalMapper *m_mapper = nullptr;  // owned (child)
    QHash<int, QAction *> m_actions;
};

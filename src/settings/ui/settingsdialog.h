#pragma once

#include "settings/settingsdialoginterface.h"
#include "settings/ui/settingsdialogcontext.h"

#include <QDialog>
#include <QScopedPointer>

class AutoReplyDialog;
class DefaultFontDialog;

namespace Ui {
class SettingsDialog;
}

// The chat preferences ("ChatSettings"): general options, the default font,
// automatic replies, spell checking, the history reset and the magnifier.
// Opens with the stored values; OK stores them all, writes config.ini and
// lets the open windows follow; Cancel changes nothing. Deletes itself when
// closed.
//
// The Synchronize button is enabled only while no synchronisation runs, the
// host can synchronise (a zero host number, IPlugin slot 57, means it cannot)
// and the host has not disabled the History tab (slot 58).
class SettingsDialog : public QDialog, public SettingsDialogInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(SettingsDialog)

public:
    enum Tab { TabGeneral = 0, TabFont, TabAutoReply, TabSpellCheck, TabHistory, TabGallery, TabCount };
    // The zoom combo offers 1 to this; a stored zoom above selects no entry.
    static constexpr int ZoomEntries = 29;
    // The host's history reset command: clean the local history and
    // synchronise it again.
    static constexpr int HistoryResetCommand = 0;

    explicit SettingsDialog(const SettingsDialogContext &context, QWidget *parent = nullptr);
    ~SettingsDialog() override;

    QObject *dialogObject() override { return this; }
    void showDialog() override;
    void setSynchronizing(bool running) override;
    void setSynchronizationAvailable(bool available) override;
    void setHostParts(int hidden, int disabled) override;

    bool isSynchronizing() const { return m_synchronizing; }
    DefaultFontDialog *fontDialog() const { return m_font; }
    AutoReplyDialog *autoReplyDialog() const { return m_autoReply; }

public Q_SLOTS:
    void onCurrentTabChanged(int index);
    void onSpellCheckStateChanged(int state);
    void onBtnOk();
    void onBtnSynchronize();
    void loadLanguages();

protected:
    void changeEvent(QEvent *event) override;

private:
    void load();
    void refreshSynchronize();
    void report(const QString &text);

    QScopedPointer<Ui::SettingsDialog> m_ui;
    const SettingsDialogContext m_context;
    DefaultFontDialog *m_font = nullptr;      // owned (child)
    AutoReplyDialog *m_autoReply = nullptr;   // owned (child)
    bool m_synchronizing = false;
    bool m_synchronizationAvailable = true;
    int m_disabledParts = 0;
};

#pragma once

#include "render/rendercontext.h"

#include <QString>
#include <QTextCharFormat>

#include <functional>

class EmoticonPicker;
class IHostServices;
class SettingsManager;
class SpellCheckManager;

// What the settings, quick-text, automatic-reply and default font dialogs
// need from outside, handed in by the layer that opens them. None of the
// pointers is owned; all outlive the dialogs.
struct SettingsDialogContext
{
    SettingsManager *settings = nullptr;      // required
    EmoticonPicker *picker = nullptr;         // null: no emoticons
    const SpellCheckManager *spell = nullptr; // null: no dictionaries listed
    IHostServices *host = nullptr;            // null: no skin images, custom statuses or history reset
    // Runs after OK stored the settings: the open windows follow them.
    std::function<void()> applyToWindows;

    // The host application's display name, the title of question boxes.
    QString appName() const;
    // The skin image of that relative name ("chat/textbold.png"); empty
    // without a host.
    QString skinFile(const char *relativeName) const;
    // The stored default text format: font and colour of outgoing messages.
    QTextCharFormat defaultFormat() const;
    // For converting markup to editor HTML and back.
    RenderContext renderContext() const;
};

#pragma once

#include <QString>

// Two people chatting through a private prosody server: the server is
// started with their accounts, each gets a profile and a chat-host of its
// own (headless: each runs its half of the tour and writes screenshots).
struct XmppDemoOptions
{
    QString program;     // this chat-host
    QString pluginPath;
    QString folder;      // server, profiles and scenarios (made afresh)
    QString shots;       // empty: windows for a person to use
};

// The exit code: 0 when both sides did their part.
int runXmppDemo(const XmppDemoOptions &options);

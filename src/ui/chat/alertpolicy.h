#pragma once

// What a chat window does when a message (or a nudge) arrives: which of
// sound, popup, flashing and the unread mark the user's settings ask for,
// given where the window stands. Pure, so every combination is tested
// without a window.
namespace AlertPolicy {

// Where the conversation's window is when the message arrives.
enum class Placement {
    StandaloneActive,    // its own window, the active one
    StandaloneMinimized, // its own window, minimized
    StandaloneInactive,  // its own window, shown but not active (or hidden)
    TabbedActive,        // a page of the tabbed window, which is active and not minimized
    TabbedInactive,      // a page of the tabbed window, which is not active or minimized
};

struct Decision
{
    bool sound = false;         // play the message sound through the host
    bool popup = false;         // the host's notification popup
    bool flash = false;         // flash the stand-alone window
    bool blinkTab = false;      // blink the conversation's tab instead
    bool unread = false;        // set the conversation's unread mark
    bool showMinimized = false; // bring a minimized window up minimized, focus untouched
};

// `playSound` is the play_sound setting (0 always, 1 when not active,
// 2 never) and `showNotification` the show_notification setting (0 never,
// 1 first message, 2 when not active). Values outside those ranges match no
// branch that tests for them.
Decision decide(int playSound, int showNotification, Placement placement);

} // namespace AlertPolicy

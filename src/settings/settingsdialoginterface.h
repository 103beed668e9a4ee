#pragma once

class QObject;

// What the chat core asks of the open settings dialog. The dialog lives in
// the widget layer; the core sees it only through this interface and
// creates it through SettingsDialogFactory.
class SettingsDialogInterface
{
public:
    // Tabs of the dialog as bits of the host's part masks (IPlugin slot 58).
    enum Part : int {
        PartGeneral = 0x01,
        PartFont = 0x02,
        PartAutoReply = 0x04,
        PartSpellCheck = 0x08,
        PartHistory = 0x10,   // disabled also means: the host cannot synchronise
        PartGallery = 0x20,
    };

    virtual ~SettingsDialogInterface() = default;

    // The dialog as an object, watched by the core for its destruction.
    virtual QObject *dialogObject() = 0;
    // Shows it normal, raised and activated.
    virtual void showDialog() = 0;
    // A history synchronisation runs: the Synchronize button is disabled and
    // "Synchronization is in progress..." shown until it ends.
    virtual void setSynchronizing(bool running) = 0;
    // Whether the host can synchronise the history now; the Synchronize
    // button is disabled while it cannot.
    virtual void setSynchronizationAvailable(bool available) = 0;
    // Parts (Part bits) the host hides and parts it disables.
    virtual void setHostParts(int hidden, int disabled) = 0;
};

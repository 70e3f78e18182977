// The interface through which the entry layer drives a panel.
#pragma once

class PanelNotifier;

// Event codes the entry layer relays from the host.
constexpr int kHostLeftClick = -2;
constexpr int kHostRightClick = -1;

class PanelListener {
public:
    // Creates the listener's window and places it; true on success.
    virtual bool OpenPanel() = 0;
    // Remembers the window's position, lets go of the host window and
    // destroys the window. Part of the interface that nothing in the module
    // calls: kept on purpose, for a host or a later entry layer.
    virtual void ClosePanel() = 0;
    virtual void OnHostEvent(PanelNotifier* notifier, int code) = 0;
    // Makes the window the active window and shows it.
    virtual void ShowPanel() = 0;

protected:
    // Listeners are never deleted through this interface.
    ~PanelListener() = default;
};

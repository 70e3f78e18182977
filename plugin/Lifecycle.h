// The module-wide state between host calls and the activation lifecycle the
// five entry points drive. Kept free of Win32 so its order of events can be
// tested natively; the Win32 side supplies the host directory and the panel.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "panel/Notifier.h"
#include "panel/PanelListener.h"

class ModuleHost {
public:
    // The host's installation directory text (tsxGetTSDir with 0); none
    // when the host answers a null text.
    virtual std::optional<std::string> InstallDirectory() = 0;
    // A new panel registered with nothing yet and without a window. The
    // lifecycle never deletes it.
    virtual PanelListener& CreatePanel(PanelNotifier& notifier) = 0;

protected:
    ~ModuleHost() = default;
};

class Lifecycle {
public:
    explicit Lifecycle(ModuleHost& host) : host(host) {}
    Lifecycle(const Lifecycle&) = delete;
    Lifecycle& operator=(const Lifecycle&) = delete;

    // The first click of an activation opens the log, creates the notifier
    // and the panel and opens the panel; later clicks bring the panel back.
    // An activation whose notifier or panel cannot be made (an exception)
    // leaves the module inactive, as it was.
    void OnLeftClick();
    void OnRightClick();
    void OnDeactivate();

    bool IsActive() const { return notifier != nullptr; }
    PanelNotifier* Notifier() const { return notifier.get(); }
    PanelListener* Panel() const { return panel; }

private:
    ModuleHost& host;
    std::unique_ptr<PanelNotifier> notifier;
    PanelListener* panel = nullptr;  // the latest one; never cleared
};

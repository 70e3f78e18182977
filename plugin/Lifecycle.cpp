#include "plugin/Lifecycle.h"

#include "log/Log.h"

void Lifecycle::OnLeftClick() {
    if (IsActive()) {
        panel->ShowPanel();
        panel->OnHostEvent(notifier.get(), kHostLeftClick);
        return;
    }
    OpenLogForActivation(host.InstallDirectory());
    // Taken on only once it is whole: a click that fails half-way must not
    // leave an active module without a panel for the next click to show.
    auto fresh = std::make_unique<PanelNotifier>();
    PanelListener& created = host.CreatePanel(*fresh);
    fresh->AddListener(created);
    notifier = std::move(fresh);
    panel = &created;
    panel->OpenPanel();  // a panel without a window stays registered
    notifier->Activate();
    panel->OnHostEvent(notifier.get(), kHostLeftClick);
}

void Lifecycle::OnRightClick() {
    if (IsActive()) panel->OnHostEvent(notifier.get(), kHostRightClick);
}

void Lifecycle::OnDeactivate() {
    if (!IsActive()) return;
    notifier->Deactivate();
    notifier.reset();
    LogWriter().Flush();
}

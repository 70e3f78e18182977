#include "plugin/Lifecycle.h"

#include "log/Log.h"

void Lifecycle::OnLeftClick() {
    if (IsActive()) {
        panel->ShowPanel();
        panel->OnHostEvent(notifier.get(), kHostLeftClick);
        return;
    }
    OpenLogForActivation(host.InstallDirectory());
    notifier = std::make_unique<PanelNotifier>();
    panel = &host.CreatePanel(*notifier);
    notifier->AddListener(*panel);
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

// The controller the entry layer owns for one activation. It keeps the
// registered listeners; the entry layer itself calls the listener
// operations and passes the notifier along as the events' source.
#pragma once

#include <cstdint>
#include <vector>

class PanelListener;

class NotifierBase {
public:
    NotifierBase() = default;
    NotifierBase(const NotifierBase&) = delete;
    NotifierBase& operator=(const NotifierBase&) = delete;
    // Drops the listener references; the listeners are neither told nor
    // deleted, so a panel outlives the notifier that registered it.
    virtual ~NotifierBase();

    virtual bool Activate() = 0;
    virtual void Deactivate() = 0;
    // Reserved for host messages; nothing in the module calls it.
    virtual void OnHostMessage(std::uint32_t, std::uint32_t, std::uint32_t) {}

    // Appends without checking: a listener added twice is listed twice.
    void AddListener(PanelListener& listener);
    const std::vector<PanelListener*>& Listeners() const { return listeners; }

private:
    std::vector<PanelListener*> listeners;
};

class PanelNotifier : public NotifierBase {
public:
    bool Activate() override { return true; }
    void Deactivate() override {}
};

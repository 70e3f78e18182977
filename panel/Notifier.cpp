#include "panel/Notifier.h"

NotifierBase::~NotifierBase() {
    listeners.clear();
    listeners.shrink_to_fit();
}

void NotifierBase::AddListener(PanelListener& listener) { listeners.push_back(&listener); }

// The module's application object: its name and its profile storage.
#pragma once

#include <windows.h>

#include <string>

class PanelApp {
public:
    // Takes the application name from the module's file and sets the
    // registry key under which the profile lives.
    void Initialise(HINSTANCE module);

    const std::string& ApplicationName() const { return applicationName; }
    int GetProfileInt(const char* section, const char* entry, int fallback) const;
    bool WriteProfileInt(const char* section, const char* entry, int value) const;

private:
    std::string applicationName;
    std::string registryKey;
};

PanelApp& ThePanelApp();

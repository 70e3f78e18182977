// Where the module keeps its profile values: the per-user registry under
// Software\<company>\<application>\<section>, one 32-bit value per entry.
#pragma once

#include <string>

constexpr const char* kProfileCompany = "Kestrelworks";

// The application name is the module's file name without folder or
// extension, as an application object constructed without a name takes it.
std::string ApplicationNameFromPath(const std::string& modulePath);

std::string ProfileKeyPath(const std::string& company, const std::string& application,
                           const std::string& section);

// What the module does when an exception escapes: it ends the process at
// once, as the host would see it end anyway.
//
// The C++ runtime's default terminate handler is its verbose one, which
// writes the exception's demangled type name to stderr before it aborts.
// Linked statically into a module whose host has no console, it prints
// nowhere, yet it brings the runtime's whole symbol demangler along: close to
// 50 KB, a twelfth of the module. The runtime installs the handler by this
// name; defining it here keeps the runtime's own, and with it the demangler,
// out of the link.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

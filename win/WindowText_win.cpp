#include "win/WindowText_win.h"

#include <vector>

// One message for the short texts of number fields; a text that fills the
// buffer may have been cut, and is measured and read again whole.
std::string WindowText(HWND window) {
    char buffer[128];
    const int copied = GetWindowTextA(window, buffer, sizeof buffer);
    if (copied <= 0) return std::string();
    if (copied < static_cast<int>(sizeof buffer) - 1)
        return std::string(buffer, static_cast<size_t>(copied));
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const int whole = GetWindowTextA(window, text.data(), length + 1);
    return std::string(text.data(), whole > 0 ? static_cast<size_t>(whole) : 0);
}

#include "drive.h"

namespace harness {

void Key(HWND window, int key) {
    SendMessageA(window, WM_KEYDOWN, key, 1);
    SendMessageA(window, WM_KEYUP, key, 0xC0000001);
}

void SelectAll(HWND edit) { SendMessageA(edit, EM_SETSEL, 0, -1); }

void Type(HWND edit, const std::string& keys) {
    for (char c : keys) {
        switch (c) {
        case kHome: Key(edit, VK_HOME); break;
        case kRight: Key(edit, VK_RIGHT); break;
        case kEnd: Key(edit, VK_END); break;
        default: SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
        }
    }
}

void Replace(HWND edit, const std::string& keys) {
    SelectAll(edit);
    Type(edit, keys);
}

namespace {
const hosting::MessageLoop plainLoop(hosting::LoopKind::Plain, nullptr, nullptr);
const hosting::MessageLoop* hostLoop = &plainLoop;
}  // namespace

void UseLoop(const hosting::MessageLoop* loop) { hostLoop = loop ? loop : &plainLoop; }

void Drain() { hostLoop->Drain(); }

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::string Text(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

}  // namespace harness

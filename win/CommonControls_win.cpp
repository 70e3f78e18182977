#include "win/CommonControls_win.h"

#include <commctrl.h>

bool RequireCommonControls(DWORD classes) {
    static DWORD registered = 0;
    if ((registered & classes) == classes) return true;
    const INITCOMMONCONTROLSEX request{sizeof request, classes};
    if (!InitCommonControlsEx(&request)) return false;
    registered |= classes;
    return true;
}

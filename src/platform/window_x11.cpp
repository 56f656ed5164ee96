#include "platform/window_x11.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/Xutil.h>

namespace cw {

namespace {

// Xlib keeps one error handler for the whole process, and a handler takes no
// context: the one it replaced can only be kept here.
XErrorHandler g_previous = nullptr;

int tolerate_late_send(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    return g_previous ? g_previous(display, error) : 0;
}

}  // namespace

void guard_late_window_requests() {
    XErrorHandler before = XSetErrorHandler(tolerate_late_send);
    if (before != tolerate_late_send) g_previous = before;
}

std::optional<ServerKey> server_key_of(const SDL_SysWMmsg& msg) {
    if (msg.subsystem != SDL_SYSWM_X11 || msg.msg.x11.event.type != KeyPress) return std::nullopt;
    XKeyEvent press = msg.msg.x11.event.xkey;  // XLookupString takes it as non-const
    char text[8] = {};
    KeySym keysym = NoSymbol;
    int bytes = XLookupString(&press, text, sizeof text, &keysym, nullptr);
    unsigned char first = static_cast<unsigned char>(text[0]);
    return ServerKey{keysym, bytes > 0 && first >= 0x20 && first != 0x7F};
}

}  // namespace cw

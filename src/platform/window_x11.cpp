#include "platform/window_x11.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

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

}  // namespace cw

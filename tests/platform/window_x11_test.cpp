// The X11 error guard of the window: a late event sent to a window that is
// gone is dropped, every other error still reaches the handler before it.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include "platform/window_x11.h"

namespace cw {
namespace {

int g_seen = 0;  // errors the handler before the guard was given (a handler takes no context)
int g_last_request = 0;

int record(Display*, XErrorEvent* e) {
    ++g_seen;
    g_last_request = e->request_code;
    return 0;
}

TEST(LateWindowRequests, OnlyASendToAWindowThatIsGoneIsDropped) {
    Display* d = XOpenDisplay(nullptr);
    ASSERT_NE(d, nullptr) << "the platform tests run under a display";
    XErrorHandler outer = XSetErrorHandler(record);
    guard_late_window_requests();

    Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(d, w);
    XSync(d, False);

    struct Case {
        const char* what;
        void (*request)(Display*, Window);
        int seen;  // errors passed on
    } cases[] = {
        {"an event sent to the window after it was destroyed",
         [](Display* dd, Window ww) {
             XEvent ev{};
             ev.xclient.type = ClientMessage;
             ev.xclient.window = ww;
             ev.xclient.format = 32;
             XSendEvent(dd, ww, False, NoEventMask, &ev);
         },
         0},
        {"mapping the window after it was destroyed", [](Display* dd, Window ww) { XMapWindow(dd, ww); }, 1},
    };
    for (auto& c : cases) {
        g_seen = 0;
        c.request(d, w);
        XSync(d, False);
        EXPECT_EQ(g_seen, c.seen) << c.what;
    }
    EXPECT_EQ(g_last_request, X_MapWindow);

    XSetErrorHandler(outer);
    XCloseDisplay(d);
}

}  // namespace
}  // namespace cw

// What the window takes from X11 itself: the error guard (a late event sent
// to a window that is gone is dropped, every other error still reaches the
// handler before it), and what the server made of a key press.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/keysym.h>

#include <string>

#include "platform/window_keys.h"
#include "platform/window_x11.h"
#include "platform/server_press.h"

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

// Each keypad press is one key, as the X server makes it: the server's event
// for the press, with the modifiers and locks of its moment, read as the
// window reads it (server_key_of) and turned into the programs' key.  Enter
// looks up as a carriage return, which types nothing.
TEST(ServerKeys, KeypadPressesAsTheServerMakesThem) {
    Display* d = XOpenDisplay(nullptr);
    ASSERT_NE(d, nullptr) << "the platform tests run under a display";
    const unsigned num_lock = XkbKeysymToModifiers(d, XK_Num_Lock);
    ASSERT_NE(num_lock, 0u) << "the server's map locks NumLock on a modifier";
    enum Held { Plain = 0, WithShift = 1, WithNumLock = 2 };
    struct Case {
        const char* what;
        KeySym bears;  // the key pressed, by the keysym it bears without NumLock
        SDL_Scancode scancode;
        SDL_Keycode sym;  // the key SDL names the press
        int held;
        KeySym keysym;  // what the server names the press
        bool types;
        std::string key;
    } cases[] = {
        // Enter looks up as a carriage return: no text, whatever is held.
        {"keypad Enter", XK_KP_Enter, SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, Plain, XK_KP_Enter, false, "\r"},
        {"keypad Enter under NumLock", XK_KP_Enter, SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, WithNumLock, XK_KP_Enter,
         false, "\r"},
        {"Shift+keypad Enter under NumLock", XK_KP_Enter, SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER,
         WithShift | WithNumLock, XK_KP_Enter, false, "\r"},
        {"Enter", XK_Return, SDL_SCANCODE_RETURN, SDLK_RETURN, Plain, XK_Return, false, "\r"},
        // A digit types under NumLock, and Shift undoes NumLock.
        {"keypad 1 under NumLock", XK_KP_End, SDL_SCANCODE_KP_1, SDLK_KP_1, WithNumLock, XK_KP_1, true, ""},
        {"keypad 1", XK_KP_End, SDL_SCANCODE_KP_1, SDLK_KP_1, Plain, XK_KP_End, false, "\x1a"},
        {"Shift+keypad 1 under NumLock", XK_KP_End, SDL_SCANCODE_KP_1, SDLK_KP_1, WithShift | WithNumLock, XK_KP_End,
         false, "\x1a"},
        {"keypad 2", XK_KP_Down, SDL_SCANCODE_KP_2, SDLK_KP_2, Plain, XK_KP_Down, false, "\x1f"},
        {"keypad point under NumLock", XK_KP_Delete, SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, WithNumLock,
         XK_KP_Decimal, true, ""},
        {"keypad point", XK_KP_Delete, SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, Plain, XK_KP_Delete, false, "\x0c"},
        // The signs type whatever is held.
        {"keypad plus", XK_KP_Add, SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, Plain, XK_KP_Add, true, ""},
        {"keypad minus under NumLock", XK_KP_Subtract, SDL_SCANCODE_KP_MINUS, SDLK_KP_MINUS, WithNumLock,
         XK_KP_Subtract, true, ""},
    };
    for (const Case& c : cases) {
        const unsigned keycode = XKeysymToKeycode(d, c.bears);
        ASSERT_NE(keycode, 0u) << c.what << ": the server's map has the key";
        const SDL_SysWMmsg press = server_event(
            d, keycode, (c.held & WithShift ? ShiftMask : 0u) | (c.held & WithNumLock ? num_lock : 0u));
        const std::optional<ServerKey> server = server_key_of(press);
        ASSERT_TRUE(server.has_value()) << c.what;
        const char* named = XKeysymToString(server->keysym);
        EXPECT_EQ(server->keysym, c.keysym) << c.what << ": named " << (named ? named : "nothing");
        EXPECT_EQ(server->types, c.types) << c.what;
        EXPECT_EQ(key_from_keydown(c.scancode, c.sym, (c.held & WithNumLock) != 0, &*server), c.key) << c.what;
    }
    // Any other event is no key press.
    EXPECT_FALSE(server_key_of(server_event(d, XKeysymToKeycode(d, XK_KP_Enter), 0, KeyRelease)).has_value());
    XCloseDisplay(d);
}

}  // namespace
}  // namespace cw

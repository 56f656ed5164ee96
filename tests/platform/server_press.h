// The X server's event for a key, as SDL passes it on (a window-manager
// message) before the key press it makes of it.
#pragma once
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace cw {

// The server's event of `type` (a press, by default) for `keycode` with the
// modifiers `state` held, on the display's root window.
inline SDL_SysWMmsg server_event(Display* display, unsigned keycode, unsigned state, int type = KeyPress) {
    SDL_SysWMmsg msg{};
    SDL_VERSION(&msg.version);
    msg.subsystem = SDL_SYSWM_X11;
    XKeyEvent& press = msg.msg.x11.event.xkey;
    press.type = type;
    press.display = display;
    press.window = press.root = DefaultRootWindow(display);
    press.same_screen = True;
    press.keycode = keycode;
    press.state = state;
    return msg;
}

}  // namespace cw

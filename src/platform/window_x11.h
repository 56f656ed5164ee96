// What the window needs of X11 beyond what SDL does for it.
#pragma once
#include <optional>

#include <SDL.h>

#include "platform/window_keys.h"

namespace cw {

// Keeps a late request to a window that is already gone from ending the
// program.  SDL wakes its event wait by sending an event to the window over
// a second connection; when the window closes, the server may see that
// request after the window was destroyed, and Xlib's default handler would
// then end the program with status 1 while SDL shuts down.  Such an error
// (BadWindow on SendEvent) is dropped; every other error goes to the handler
// there was before.  Call it before SDL starts its video, so that SDL keeps
// this handler as the one it restores at the end.
void guard_late_window_requests();

// What the X server made of a key press, from SDL's copy of the server's
// event: the keysym it names with the event's modifiers and locks, and
// whether it types a character as SDL takes text (a byte that is no
// control).  Nothing for any other event.  Reads the server's keyboard map
// through the event's connection.
std::optional<ServerKey> server_key_of(const SDL_SysWMmsg& msg);

}  // namespace cw

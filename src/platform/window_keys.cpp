#include "platform/window_keys.h"

#include <SDL.h>

namespace cw {

std::string keys_from_text(const char* utf8) {
    std::string out;
    if (!utf8) return out;
    for (const char* p = utf8; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c >= 0x20 && c < 0x7F) out += static_cast<char>(c);
    }
    return out;
}

std::string key_from_keydown(int sdl_keycode) {
    switch (sdl_keycode) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER: return "\r";
    case SDLK_BACKSPACE: return "\b";
    case SDLK_DELETE: return "\x0c";
    default: return "";
    }
}

}  // namespace cw

#include "platform/window_keys.h"

#include <SDL.h>

namespace cw {

namespace {

// The one-byte key a full-width character an input method commits stands
// for: the digits, "／", "－" and "．" (and "ー", which "-" gives in kana
// mode); 0 for any other character.
char one_byte_for(char32_t cp) {
    if (cp >= U'０' && cp <= U'９') return static_cast<char>('0' + (cp - U'０'));
    switch (cp) {
    case U'／': return '/';
    case U'－':
    case U'ー': return '-';
    case U'．': return '.';
    default: return 0;
    }
}

// Whether a keypad key types a character, and so comes as text too: SDL
// names each keypad key "Keypad " and what it bears, which is one printable
// character for the keys that type one ("Keypad 7", "Keypad =") and a word
// for those that do not ("Keypad Enter", "Keypad Clear").
bool keypad_types_text(int sdl_keycode) {
    if (!(sdl_keycode & SDLK_SCANCODE_MASK)) return false;
    const std::string name = SDL_GetKeyName(static_cast<SDL_Keycode>(sdl_keycode));
    const std::string keypad = "Keypad ";
    return name.size() == keypad.size() + 1 && name.compare(0, keypad.size(), keypad) == 0 &&
           name.back() > ' ' && name.back() < 0x7F;
}

}  // namespace

std::string keys_from_text(const char* utf8) {
    std::string out;
    if (!utf8) return out;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        unsigned char c = *p;
        if (c < 0x80) {
            if (c >= 0x20 && c < 0x7F) out += static_cast<char>(c);
            ++p;
            continue;
        }
        // A multi-byte character: decoded only to see whether it is one of
        // the full-width number keys.
        int len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        char32_t cp = len == 4 ? c & 0x07 : len == 3 ? c & 0x0F : len == 2 ? c & 0x1F : 0;
        int k = 1;
        for (; k < len && (p[k] & 0xC0) == 0x80; ++k) cp = (cp << 6) | (p[k] & 0x3F);
        if (k == len && len > 1)
            if (char one = one_byte_for(cp)) out += one;
        p += k;
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
    case SDLK_ESCAPE: return "\x1b";
    case SDLK_TAB: return "\t";
    case SDLK_RIGHT: return "\x1c";
    case SDLK_LEFT: return "\x1d";
    case SDLK_UP: return "\x1e";
    case SDLK_DOWN: return "\x1f";
    // Modifiers alone, and the lock keys, are no key press of their own.
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
    case SDLK_LCTRL:
    case SDLK_RCTRL:
    case SDLK_LALT:
    case SDLK_RALT:
    case SDLK_LGUI:
    case SDLK_RGUI:
    case SDLK_MODE:
    case SDLK_CAPSLOCK:
    case SDLK_NUMLOCKCLEAR:
    case SDLK_SCROLLLOCK:
    case SDLK_APPLICATION: return "";
    default:
        // A key that types text comes as text, and only so, or a page wait
        // would take it twice; every other key (Page Up and Down, Home, End,
        // Insert, the function keys, ...) is a key press that no number
        // holds.
        if (sdl_keycode >= 0x20 && sdl_keycode < 0x7F) return "";
        if (keypad_types_text(sdl_keycode)) return "";
        return "\x1a";
    }
}

}  // namespace cw

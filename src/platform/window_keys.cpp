#include "platform/window_keys.h"

#include <SDL.h>
#include <X11/keysym.h>

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

// The keypad's digits and point: with NumLock on each types its character
// (and comes as text), with it off each is the key it also bears.
struct NumLockKey {
    SDL_Scancode scancode;
    SDL_Keycode without_numlock;
};
constexpr NumLockKey kNumLockKeys[] = {
    {SDL_SCANCODE_KP_1, SDLK_END},      {SDL_SCANCODE_KP_2, SDLK_DOWN}, {SDL_SCANCODE_KP_3, SDLK_PAGEDOWN},
    {SDL_SCANCODE_KP_4, SDLK_LEFT},     {SDL_SCANCODE_KP_5, SDLK_UNKNOWN},  // Begin, which SDL has no key for
    {SDL_SCANCODE_KP_6, SDLK_RIGHT},    {SDL_SCANCODE_KP_7, SDLK_HOME}, {SDL_SCANCODE_KP_8, SDLK_UP},
    {SDL_SCANCODE_KP_9, SDLK_PAGEUP},   {SDL_SCANCODE_KP_0, SDLK_INSERT},
    {SDL_SCANCODE_KP_PERIOD, SDLK_DELETE},
};

// The keypad keys that type a character whatever NumLock says.
constexpr SDL_Scancode kKeypadCharacterKeys[] = {
    SDL_SCANCODE_KP_DIVIDE,    SDL_SCANCODE_KP_MULTIPLY,   SDL_SCANCODE_KP_MINUS,      SDL_SCANCODE_KP_PLUS,
    SDL_SCANCODE_KP_EQUALS,    SDL_SCANCODE_KP_COMMA,      SDL_SCANCODE_KP_LEFTPAREN,  SDL_SCANCODE_KP_RIGHTPAREN,
    SDL_SCANCODE_KP_LEFTBRACE, SDL_SCANCODE_KP_RIGHTBRACE, SDL_SCANCODE_KP_A,          SDL_SCANCODE_KP_B,
    SDL_SCANCODE_KP_C,         SDL_SCANCODE_KP_D,          SDL_SCANCODE_KP_E,          SDL_SCANCODE_KP_F,
    SDL_SCANCODE_KP_POWER,     SDL_SCANCODE_KP_PERCENT,    SDL_SCANCODE_KP_LESS,       SDL_SCANCODE_KP_GREATER,
    SDL_SCANCODE_KP_AMPERSAND, SDL_SCANCODE_KP_VERTICALBAR, SDL_SCANCODE_KP_COLON,      SDL_SCANCODE_KP_HASH,
    SDL_SCANCODE_KP_AT,        SDL_SCANCODE_KP_EXCLAM,
};

// The key a key press gives, from the key SDL says it is.
std::string key_of(int sdl_keycode) {
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
        // Insert, the function keys, the keypad's keys that type nothing,
        // ...) is a key press that no number holds.
        if (sdl_keycode >= 0x20 && sdl_keycode < 0x7F) return "";
        return "\x1a";
    }
}

// Whether a key press is the keypad's: by where SDL places the key, or by
// what the server names it.
bool on_keypad(int sdl_scancode, const ServerKey* server) {
    int sc = sdl_scancode;
    if ((sc >= SDL_SCANCODE_KP_DIVIDE && sc <= SDL_SCANCODE_KP_PERIOD) || sc == SDL_SCANCODE_KP_EQUALS ||
        sc == SDL_SCANCODE_KP_COMMA || sc == SDL_SCANCODE_KP_EQUALSAS400 ||
        (sc >= SDL_SCANCODE_KP_00 && sc <= SDL_SCANCODE_KP_HEXADECIMAL))
        return true;
    return server && server->keysym >= XK_KP_Space && server->keysym <= XK_KP_Equal;
}

// The key a key press that types nothing gives, from the keysym the server
// names it by.
std::string key_of_keysym(unsigned long keysym) {
    switch (keysym) {
    case XK_Return:
    case XK_KP_Enter:
    case XK_ISO_Enter: return "\r";
    case XK_BackSpace: return "\b";
    case XK_Delete:
    case XK_KP_Delete: return "\x0c";
    case XK_Escape: return "\x1b";
    case XK_Tab:
    case XK_KP_Tab:
    case XK_ISO_Left_Tab: return "\t";
    case XK_Right:
    case XK_KP_Right: return "\x1c";
    case XK_Left:
    case XK_KP_Left: return "\x1d";
    case XK_Up:
    case XK_KP_Up: return "\x1e";
    case XK_Down:
    case XK_KP_Down: return "\x1f";
    // Modifiers and locks, wherever a keyboard puts them.
    case XK_Num_Lock:
    case XK_Mode_switch: return "";
    default:
        if ((keysym >= XK_Shift_L && keysym <= XK_Hyper_R) || (keysym >= XK_ISO_Lock && keysym <= XK_ISO_Level5_Lock))
            return "";
        return "\x1a";
    }
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

std::string key_from_keydown(int sdl_scancode, int sdl_keycode, bool numlock, const ServerKey* server) {
    // A keypad key is what the server made of it: NumLock, Shift and the
    // keyboard's own map decide whether it types, and no table here can
    // know them all (a second point key types "." whatever NumLock says;
    // Shift undoes NumLock).
    if (server && on_keypad(sdl_scancode, server)) return server->types ? "" : key_of_keysym(server->keysym);
    // Without the server's word the keypad is told by where a key is, not by
    // what SDL calls it: the same key types a digit or moves, as NumLock says.
    for (const NumLockKey& k : kNumLockKeys)
        if (k.scancode == sdl_scancode) return numlock ? "" : key_of(k.without_numlock);
    for (SDL_Scancode k : kKeypadCharacterKeys)
        if (k == sdl_scancode) return "";
    return key_of(sdl_keycode);
}

}  // namespace cw

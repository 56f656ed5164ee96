// Keys as the programs see them, from the window's keyboard events.
#pragma once
#include <string>

namespace cw {

// The keys that a text-input event (UTF-8 text) stands for: each printable
// one-byte character is one key, and so is each full-width digit, "／", "－",
// "ー" and "．" an input method commits (as its one-byte key); other
// characters give nothing.
std::string keys_from_text(const char* utf8);

// What the window server made of a key press, where it says: the key the
// press names with the modifiers and locks of its moment (an X keysym, 0 for
// none), and whether it types a character (its text then comes as text).
struct ServerKey {
    unsigned long keysym = 0;
    bool types = false;
};

// The key that a key press gives when it types no text, from its SDL
// scancode and keycode and whether NumLock is on: Enter (also on the keypad)
// gives "\r", Backspace "\b", Delete "\x0c" (which clears an entry as
// Backspace does), Escape "\x1b", Tab "\t", the arrows "\x1c" to "\x1f",
// any other key "\x1a" (they end a page wait; the number entry ignores them).
// Keys that type text give "" (their text comes as text), and so do the
// modifier and lock keys alone.
// A keypad key goes by what the server made of the press, when `server` says:
// one that types gives "" and one that does not is the key the server names
// (End, Down, Delete, ...), whatever Shift and NumLock did to make it so.
// Without it, the keypad's digits and point type with NumLock on and are the
// keys they also bear (End, Down, Page Down, Left, Begin, Right, Home, Up,
// Page Up, Insert, Delete) with it off.
std::string key_from_keydown(int sdl_scancode, int sdl_keycode, bool numlock, const ServerKey* server = nullptr);

}  // namespace cw

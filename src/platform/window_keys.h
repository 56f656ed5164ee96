// Keys as the programs see them, from the window's keyboard events.
#pragma once
#include <string>

namespace cw {

// The keys that a text-input event (UTF-8 text) stands for: each printable
// one-byte character is one key, and so is each full-width digit, "／", "－",
// "ー" and "．" an input method commits (as its one-byte key); other
// characters give nothing.
std::string keys_from_text(const char* utf8);

// The key that a key press gives when it types no text, from its SDL
// scancode and keycode and whether NumLock is on: Enter (also on the keypad)
// gives "\r", Backspace "\b", Delete "\x0c" (which clears an entry as
// Backspace does), Escape "\x1b", Tab "\t", the arrows "\x1c" to "\x1f",
// any other key "\x1a" (they end a page wait; the number entry ignores them).
// With NumLock off the keypad's digits and point are the keys they also bear
// (End, Down, Page Down, Left, Begin, Right, Home, Up, Page Up, Insert,
// Delete); with it on they type. Keys that type text, the keypad's among
// them, give "" (their text comes as text), and so do the modifier and lock
// keys alone.
std::string key_from_keydown(int sdl_scancode, int sdl_keycode, bool numlock);

}  // namespace cw

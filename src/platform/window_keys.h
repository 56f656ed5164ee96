// Keys as the programs see them, from the window's keyboard events.
#pragma once
#include <string>

namespace cw {

// The keys that a text-input event (UTF-8 text) stands for: each printable
// one-byte character is one key; other characters give nothing.
std::string keys_from_text(const char* utf8);

// The key that a key press gives when it types no text: Enter (also on the
// keypad) gives "\r", Backspace "\b", Delete "\x0c" (which clears an entry
// as Backspace does); every other key gives "".
std::string key_from_keydown(int sdl_keycode);

}  // namespace cw

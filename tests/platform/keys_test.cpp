// The window's key presses and typed text turned into the programs' keys.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/window_keys.h"

namespace cw {
namespace {

TEST(WindowKeys, KeyPressesWithoutText) {
    struct Case {
        SDL_Scancode scancode;
        SDL_Keycode sym;
        std::string key;
    } cases[] = {
        {SDL_SCANCODE_RETURN, SDLK_RETURN, "\r"},
        {SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, "\b"},
        {SDL_SCANCODE_DELETE, SDLK_DELETE, "\x0c"},
        // Every other key is a key press that ends a page wait.
        {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, "\x1b"},
        {SDL_SCANCODE_TAB, SDLK_TAB, "\t"},
        {SDL_SCANCODE_RIGHT, SDLK_RIGHT, "\x1c"},
        {SDL_SCANCODE_LEFT, SDLK_LEFT, "\x1d"},
        {SDL_SCANCODE_UP, SDLK_UP, "\x1e"},
        {SDL_SCANCODE_DOWN, SDLK_DOWN, "\x1f"},
        {SDL_SCANCODE_PAGEDOWN, SDLK_PAGEDOWN, "\x1a"},
        {SDL_SCANCODE_PAGEUP, SDLK_PAGEUP, "\x1a"},
        {SDL_SCANCODE_HOME, SDLK_HOME, "\x1a"},
        {SDL_SCANCODE_END, SDLK_END, "\x1a"},
        {SDL_SCANCODE_F1, SDLK_F1, "\x1a"},
        {SDL_SCANCODE_F12, SDLK_F12, "\x1a"},
        {SDL_SCANCODE_INSERT, SDLK_INSERT, "\x1a"},
        // Modifiers and locks alone do nothing.
        {SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, ""},
        {SDL_SCANCODE_RCTRL, SDLK_RCTRL, ""},
        {SDL_SCANCODE_LALT, SDLK_LALT, ""},
        {SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, ""},
        {SDL_SCANCODE_NUMLOCKCLEAR, SDLK_NUMLOCKCLEAR, ""},
        // Keys that type arrive as text, not here, or a page wait would take
        // them twice.
        {SDL_SCANCODE_A, SDLK_a, ""},
        {SDL_SCANCODE_1, SDLK_1, ""},
        {SDL_SCANCODE_SPACE, SDLK_SPACE, ""},
    };
    // NumLock is the keypad's alone.
    for (bool numlock : {false, true})
        for (auto& c : cases)
            EXPECT_EQ(key_from_keydown(c.scancode, c.sym, numlock), c.key)
                << SDL_GetKeyName(c.sym) << (numlock ? " with NumLock" : "");

    // A keypad key is told by its place, whatever SDL calls it: with NumLock
    // on, the digits and the point type (their text comes, so the key press
    // is nothing); with it off, each is the key it also bears.
    struct KeypadCase {
        SDL_Scancode scancode;
        std::string numlock_on, numlock_off;
    } keypad[] = {
        {SDL_SCANCODE_KP_1, "", "\x1a"},       // End
        {SDL_SCANCODE_KP_2, "", "\x1f"},       // Down
        {SDL_SCANCODE_KP_3, "", "\x1a"},       // Page Down
        {SDL_SCANCODE_KP_4, "", "\x1d"},       // Left
        {SDL_SCANCODE_KP_5, "", "\x1a"},       // Begin
        {SDL_SCANCODE_KP_6, "", "\x1c"},       // Right
        {SDL_SCANCODE_KP_7, "", "\x1a"},       // Home
        {SDL_SCANCODE_KP_8, "", "\x1e"},       // Up
        {SDL_SCANCODE_KP_9, "", "\x1a"},       // Page Up
        {SDL_SCANCODE_KP_0, "", "\x1a"},       // Insert
        {SDL_SCANCODE_KP_PERIOD, "", "\x0c"},  // Delete, which clears an entry
        // Keys that type whatever NumLock says.
        {SDL_SCANCODE_KP_DIVIDE, "", ""},
        {SDL_SCANCODE_KP_MULTIPLY, "", ""},
        {SDL_SCANCODE_KP_MINUS, "", ""},
        {SDL_SCANCODE_KP_PLUS, "", ""},
        {SDL_SCANCODE_KP_EQUALS, "", ""},
        {SDL_SCANCODE_KP_COMMA, "", ""},
        {SDL_SCANCODE_KP_LEFTPAREN, "", ""},
        // Keys that type nothing whatever NumLock says.
        {SDL_SCANCODE_KP_ENTER, "\r", "\r"},
        {SDL_SCANCODE_KP_CLEAR, "\x1a", "\x1a"},
        {SDL_SCANCODE_KP_MEMSTORE, "\x1a", "\x1a"},
    };
    for (auto& c : keypad) {
        SDL_Keycode sym = SDL_SCANCODE_TO_KEYCODE(c.scancode);
        EXPECT_EQ(key_from_keydown(c.scancode, sym, true), c.numlock_on) << SDL_GetKeyName(sym) << " with NumLock";
        EXPECT_EQ(key_from_keydown(c.scancode, sym, false), c.numlock_off) << SDL_GetKeyName(sym) << " without NumLock";
    }
}

TEST(WindowKeys, TextGivesItsPrintableBytes) {
    struct Case {
        const char* text;
        std::string keys;
    } cases[] = {
        {"5", "5"},
        {"-./", "-./"},
        {"a", "a"},
        {" ", " "},
        {"~", "~"},
        {"\xEF\xBD\xB1", ""},       // half-width katakana from an input method
        {"\xE3\x81\x82", ""},       // hiragana
        {"1\xE3\x81\x82" "2", "12"},
        {"", ""},
        {nullptr, ""},
        // Full-width number keys, as an input method commits them.
        {"３", "3"},
        {"０１２３４５６７８９", "0123456789"},
        {"－１２／３", "-12/3"},
        {"０．５", "0.5"},
        {"ー５", "-5"},
        {"Ａ３", "3"},               // a full-width letter is no key
        {"\xEF\xBC", ""},           // a cut-off character
        {"\xEF\xBC\x93\xBC", "3"}, // a stray continuation byte
    };
    for (auto& c : cases) EXPECT_EQ(keys_from_text(c.text), c.keys) << (c.text ? c.text : "(null)");
}

// Keys other than the number keys leave the entry as it was, so no key that
// ends a page wait can put anything into a typed number.
TEST(WindowKeys, PageKeysAreNoNumberKeys) {
    struct Press {
        SDL_Scancode scancode;
        SDL_Keycode sym;
    } presses[] = {
        {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE}, {SDL_SCANCODE_TAB, SDLK_TAB},   {SDL_SCANCODE_RIGHT, SDLK_RIGHT},
        {SDL_SCANCODE_LEFT, SDLK_LEFT},     {SDL_SCANCODE_UP, SDLK_UP},     {SDL_SCANCODE_DOWN, SDLK_DOWN},
        {SDL_SCANCODE_PAGEDOWN, SDLK_PAGEDOWN}, {SDL_SCANCODE_F5, SDLK_F5},
    };
    for (auto [scancode, sym] : presses) {
        std::string k = key_from_keydown(scancode, sym, false);
        ASSERT_EQ(k.size(), 1u);
        EXPECT_TRUE(k[0] < '-' || k[0] > '9') << SDL_GetKeyName(sym);
        EXPECT_TRUE(k != "\r" && k != "\b" && k != "\x0c") << SDL_GetKeyName(sym);
    }
}

}  // namespace
}  // namespace cw

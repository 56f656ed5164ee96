// The window's key presses and typed text turned into the programs' keys.
#include <gtest/gtest.h>

#include <SDL.h>
#include <X11/keysym.h>

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
    // is nothing); with it off, each is the key it also bears.  The same
    // when the server says what it made of the press, as a common keypad's
    // map makes it (the keysym with NumLock on and off, and whether that
    // types).
    struct KeypadCase {
        SDL_Scancode scancode;
        std::string numlock_on, numlock_off;
        unsigned long keysym_on, keysym_off;
        bool types_on, types_off;
    } keypad[] = {
        {SDL_SCANCODE_KP_1, "", "\x1a", XK_KP_1, XK_KP_End, true, false},             // End
        {SDL_SCANCODE_KP_2, "", "\x1f", XK_KP_2, XK_KP_Down, true, false},            // Down
        {SDL_SCANCODE_KP_3, "", "\x1a", XK_KP_3, XK_KP_Next, true, false},            // Page Down
        {SDL_SCANCODE_KP_4, "", "\x1d", XK_KP_4, XK_KP_Left, true, false},            // Left
        {SDL_SCANCODE_KP_5, "", "\x1a", XK_KP_5, XK_KP_Begin, true, false},           // Begin
        {SDL_SCANCODE_KP_6, "", "\x1c", XK_KP_6, XK_KP_Right, true, false},           // Right
        {SDL_SCANCODE_KP_7, "", "\x1a", XK_KP_7, XK_KP_Home, true, false},            // Home
        {SDL_SCANCODE_KP_8, "", "\x1e", XK_KP_8, XK_KP_Up, true, false},              // Up
        {SDL_SCANCODE_KP_9, "", "\x1a", XK_KP_9, XK_KP_Prior, true, false},           // Page Up
        {SDL_SCANCODE_KP_0, "", "\x1a", XK_KP_0, XK_KP_Insert, true, false},          // Insert
        {SDL_SCANCODE_KP_PERIOD, "", "\x0c", XK_KP_Decimal, XK_KP_Delete, true, false},  // Delete, which clears an entry
        // Keys that type whatever NumLock says.
        {SDL_SCANCODE_KP_DIVIDE, "", "", XK_KP_Divide, XK_KP_Divide, true, true},
        {SDL_SCANCODE_KP_MULTIPLY, "", "", XK_KP_Multiply, XK_KP_Multiply, true, true},
        {SDL_SCANCODE_KP_MINUS, "", "", XK_KP_Subtract, XK_KP_Subtract, true, true},
        {SDL_SCANCODE_KP_PLUS, "", "", XK_KP_Add, XK_KP_Add, true, true},
        {SDL_SCANCODE_KP_EQUALS, "", "", XK_KP_Equal, XK_KP_Equal, true, true},
        {SDL_SCANCODE_KP_COMMA, "", "", XK_KP_Separator, XK_KP_Separator, true, true},
        {SDL_SCANCODE_KP_LEFTPAREN, "", "", XK_parenleft, XK_parenleft, true, true},
        // Keys that type nothing whatever NumLock says.
        {SDL_SCANCODE_KP_ENTER, "\r", "\r", XK_KP_Enter, XK_KP_Enter, false, false},
        {SDL_SCANCODE_KP_CLEAR, "\x1a", "\x1a", XK_Clear, XK_Clear, false, false},
        {SDL_SCANCODE_KP_MEMSTORE, "\x1a", "\x1a", 0, 0, false, false}  // no keysym,
    };
    for (auto& c : keypad) {
        SDL_Keycode sym = SDL_SCANCODE_TO_KEYCODE(c.scancode);
        EXPECT_EQ(key_from_keydown(c.scancode, sym, true), c.numlock_on) << SDL_GetKeyName(sym) << " with NumLock";
        EXPECT_EQ(key_from_keydown(c.scancode, sym, false), c.numlock_off) << SDL_GetKeyName(sym) << " without NumLock";
        ServerKey on{c.keysym_on, c.types_on}, off{c.keysym_off, c.types_off};
        EXPECT_EQ(key_from_keydown(c.scancode, sym, true, &on), c.numlock_on)
            << SDL_GetKeyName(sym) << " with NumLock, as the server made it";
        EXPECT_EQ(key_from_keydown(c.scancode, sym, false, &off), c.numlock_off)
            << SDL_GetKeyName(sym) << " without NumLock, as the server made it";
    }
}

// Where the keyboard's map or Shift makes of a keypad key what NumLock alone
// does not say, the key goes by what the server made of the press: a key
// that types gives its text alone, one that does not is the key the server
// names.
TEST(WindowKeys, KeypadKeysAsTheServerMadeThem) {
    struct Case {
        const char* what;
        SDL_Scancode scancode;
        bool numlock;
        ServerKey server;
        std::string key;
    } cases[] = {
        // A second point key that types "." whatever NumLock says.
        {"second point, NumLock off", SDL_SCANCODE_KP_PERIOD, false, {XK_KP_Decimal, true}, ""},
        {"second point, NumLock on", SDL_SCANCODE_KP_PERIOD, true, {XK_KP_Decimal, true}, ""},
        {"second point SDL does not place on the keypad", SDL_SCANCODE_UNKNOWN, false, {XK_KP_Decimal, true}, ""},
        // Shift undoes NumLock: the key borne, and no text.
        {"Shift+1 under NumLock", SDL_SCANCODE_KP_1, true, {XK_KP_End, false}, "\x1a"},
        {"Shift+2 under NumLock", SDL_SCANCODE_KP_2, true, {XK_KP_Down, false}, "\x1f"},
        {"Shift+4 under NumLock", SDL_SCANCODE_KP_4, true, {XK_KP_Left, false}, "\x1d"},
        {"Shift+point under NumLock", SDL_SCANCODE_KP_PERIOD, true, {XK_KP_Delete, false}, "\x0c"},
        // ... and Shift without NumLock types the digit.
        {"Shift+1 without NumLock", SDL_SCANCODE_KP_1, false, {XK_KP_1, true}, ""},
        {"Shift+point without NumLock", SDL_SCANCODE_KP_PERIOD, false, {XK_KP_Decimal, true}, ""},
        // A keypad key mapped to a modifier is none of its own.
        {"keypad key mapped to Shift", SDL_SCANCODE_KP_0, false, {XK_Shift_L, false}, ""},
        {"keypad key the server maps to nothing", SDL_SCANCODE_KP_5, false, {0, false}, "\x1a"},
    };
    for (auto& c : cases) {
        SDL_Keycode sym = SDL_SCANCODE_TO_KEYCODE(c.scancode);
        EXPECT_EQ(key_from_keydown(c.scancode, sym, c.numlock, &c.server), c.key) << c.what;
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

// The window's key presses and typed text turned into the programs' keys.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/window_keys.h"

namespace cw {
namespace {

TEST(WindowKeys, KeyPressesWithoutText) {
    struct Case {
        int sym;
        std::string key;
    } cases[] = {
        {SDLK_RETURN, "\r"},   {SDLK_KP_ENTER, "\r"}, {SDLK_BACKSPACE, "\b"}, {SDLK_DELETE, "\x0c"},
        // Every other key is a key press that ends a page wait.
        {SDLK_ESCAPE, "\x1b"}, {SDLK_TAB, "\t"},      {SDLK_RIGHT, "\x1c"},   {SDLK_LEFT, "\x1d"},
        {SDLK_UP, "\x1e"},     {SDLK_DOWN, "\x1f"},   {SDLK_PAGEDOWN, "\x1a"}, {SDLK_PAGEUP, "\x1a"},
        {SDLK_HOME, "\x1a"},   {SDLK_END, "\x1a"},    {SDLK_F1, "\x1a"},      {SDLK_F12, "\x1a"},
        {SDLK_INSERT, "\x1a"},
        // Modifiers and locks alone do nothing.
        {SDLK_LSHIFT, ""},     {SDLK_RCTRL, ""},      {SDLK_LALT, ""},        {SDLK_CAPSLOCK, ""},
        {SDLK_NUMLOCKCLEAR, ""},
        // Keys that type arrive as text, not here, or a page wait would take
        // them twice: the keypad's too, wherever SDL numbers them.
        {SDLK_a, ""},          {SDLK_1, ""},          {SDLK_SPACE, ""},       {SDLK_KP_1, ""},
        {SDLK_KP_0, ""},       {SDLK_KP_DIVIDE, ""},  {SDLK_KP_PERIOD, ""},   {SDLK_KP_EQUALS, ""},
        {SDLK_KP_COMMA, ""},   {SDLK_KP_LEFTPAREN, ""},
        // Keypad keys that type nothing are key presses.
        {SDLK_KP_CLEAR, "\x1a"}, {SDLK_KP_MEMSTORE, "\x1a"},
    };
    for (auto& c : cases) EXPECT_EQ(key_from_keydown(c.sym), c.key) << SDL_GetKeyName(c.sym);
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
    for (int sym : {SDLK_ESCAPE, SDLK_TAB, SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN, SDLK_PAGEDOWN, SDLK_F5}) {
        std::string k = key_from_keydown(sym);
        ASSERT_EQ(k.size(), 1u);
        EXPECT_TRUE(k[0] < '-' || k[0] > '9') << SDL_GetKeyName(sym);
        EXPECT_TRUE(k != "\r" && k != "\b" && k != "\x0c") << SDL_GetKeyName(sym);
    }
}

}  // namespace
}  // namespace cw

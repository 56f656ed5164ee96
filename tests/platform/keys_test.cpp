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
        {SDLK_ESCAPE, ""},     {SDLK_LEFT, ""},       {SDLK_F1, ""},          {SDLK_LSHIFT, ""},
        {SDLK_TAB, ""},        {SDLK_a, ""},  // letters arrive as text, not here
        {SDLK_1, ""},          {SDLK_KP_1, ""},
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
    };
    for (auto& c : cases) EXPECT_EQ(keys_from_text(c.text), c.keys) << (c.text ? c.text : "(null)");
}

}  // namespace
}  // namespace cw

// The window backend, driven by events put into its own queue.  These tests
// need a display: tests/scripts/window_xvfb.sh runs them under Xvfb, and
// elsewhere they are skipped.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "platform/window.h"
#include "platform/server_press.h"

namespace cw {
namespace {

bool have_display() {
    const char* d = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (d && *d) || (w && *w);
}

void push_text(const char* text) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, text, sizeof e.text.text - 1);
    SDL_PushEvent(&e);
}

void push_key(SDL_Keycode sym, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN, Uint16 mod = KMOD_NONE) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = scancode;
    e.key.keysym.mod = mod;
    SDL_PushEvent(&e);
    e.type = SDL_KEYUP;
    SDL_PushEvent(&e);
}

void push_quit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

// Runs body in a window; the body must end by closing it.
int in_window(const std::function<void(Platform&)>& body) {
    return run_in_window(
        [&](Platform& pf) {
            body(pf);
            ADD_FAILURE() << "the body returned without the window being closed";
            throw ProgramEnd{};
        },
        "Window backend test");
}

class WindowBackendTest : public testing::Test {
protected:
    void SetUp() override {
        if (!have_display()) GTEST_SKIP() << "no display";
        unsetenv("CW_EXIT_AFTER_FIRST_FRAME");
    }
};

TEST_F(WindowBackendTest, KeysArriveInOrderAndCloseEndsWithZero) {
    std::vector<std::string> got;
    int status = in_window([&](Platform& pf) {
        pf.CLS();
        push_text("12");
        push_key(SDLK_RETURN);
        push_key(SDLK_BACKSPACE);
        push_key(SDLK_LSHIFT);  // gives nothing
        push_key(SDLK_LEFT);
        push_key(SDLK_DELETE);
        push_text("\xE3\x81\x82");  // not a key
        push_text("３");            // the full-width 3 an input method commits
        push_key(SDLK_KP_ENTER);
        push_text("a");
        // Without the server's event before them: the keypad's 1 with
        // NumLock on types (its text comes alone); its point with NumLock
        // off is Delete.
        push_key(SDLK_KP_1, SDL_SCANCODE_KP_1, KMOD_NUM);
        push_text("1");
        push_key(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD);
        for (int polls = 0; polls < 200 && got.size() < 11; ++polls) {
            std::string k = pf.INKEY();
            if (!k.empty()) got.push_back(k);
        }
        EXPECT_EQ(pf.INKEY(), "");
        push_quit();
        for (;;) pf.INKEY();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(got, (std::vector<std::string>{"1", "2", "\r", "\b", "\x1d", "\x0c", "3", "\r", "a", "1", "\x0c"}));
}

// The server's event for a key press, as SDL passes it on before the key
// press it makes of it.
void push_server_press(Display* display, unsigned keycode, unsigned state) {
    SDL_SysWMmsg msg = server_event(display, keycode, state);
    SDL_Event e{};
    e.type = SDL_SYSWMEVENT;
    e.syswm.msg = &msg;  // copied into the queue
    SDL_PushEvent(&e);
}

// A keypad key goes by what the server made of its press, and the server's
// word holds for the key press that follows it alone.
TEST_F(WindowBackendTest, KeypadKeysGoByTheServersEvent) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) GTEST_SKIP() << "no X display";
    unsigned numlock = XkbKeysymToModifiers(display, XK_Num_Lock);
    unsigned kp1 = XKeysymToKeycode(display, XK_KP_End), kp2 = XKeysymToKeycode(display, XK_KP_Down);
    ASSERT_NE(numlock, 0u);
    ASSERT_TRUE(kp1 && kp2);
    std::vector<std::string> got;
    int status = in_window([&](Platform& pf) {
        pf.CLS();
        // Shift with the keypad's 1 under NumLock: the server makes End of
        // it, and no text comes.
        push_server_press(display, kp1, ShiftMask | numlock);
        push_key(SDLK_KP_1, SDL_SCANCODE_KP_1, KMOD_NUM | KMOD_SHIFT);
        // A press an input method took (no key press follows), then the
        // keypad's 1 typing under NumLock with no word from the server: the
        // End above must not stand for it.
        push_server_press(display, kp1, ShiftMask | numlock);
        push_text("\xE3\x81\x82");
        push_key(SDLK_KP_1, SDL_SCANCODE_KP_1, KMOD_NUM);
        push_text("1");
        // Shift with the keypad's 2 under NumLock: the Down the server makes.
        push_server_press(display, kp2, ShiftMask | numlock);
        push_key(SDLK_KP_2, SDL_SCANCODE_KP_2, KMOD_NUM | KMOD_SHIFT);
        for (int polls = 0; polls < 200 && got.size() < 3; ++polls) {
            std::string k = pf.INKEY();
            if (!k.empty()) got.push_back(k);
        }
        EXPECT_EQ(pf.INKEY(), "");
        push_quit();
        for (;;) pf.INKEY();
    });
    XCloseDisplay(display);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(got, (std::vector<std::string>{"\x1a", "1", "\x1f"}));
}

TEST_F(WindowBackendTest, PollingWithoutKeysGivesNothing) {
    int status = in_window([&](Platform& pf) {
        pf.CLS();
        for (int i = 0; i < 2; ++i) pf.INKEY();  // let the window settle (each empty poll sleeps until the blink)
        int empty = 0;
        for (int i = 0; i < 6; ++i) {
            pf.CIRCLE(1064, 656, 4, 5, 0, 0, true);
            empty += pf.INKEY().empty();
            pf.CIRCLE(1064, 656, 4, 15, 0, 0, true);
        }
        EXPECT_EQ(empty, 6);
        push_quit();
        for (;;) pf.INKEY();
    });
    EXPECT_EQ(status, 0);
}

TEST_F(WindowBackendTest, ClosingWhileDrawingEndsTheProgram) {
    int drawn_after_close = 0;
    int status = in_window([&](Platform& pf) {
        pf.CLS();
        for (int i = 0; i < 5; ++i) pf.LINE(0, 0, 100, 100, 0);
        push_quit();
        // Draws without ever polling for a key, as a long page does; the
        // close must end this long before the loop would.
        for (; drawn_after_close < 2000000; ++drawn_after_close) pf.LINE(0, 0, 100, 100, 0);
    });
    EXPECT_EQ(status, 0);
    EXPECT_LT(drawn_after_close, 2000000);
}

TEST_F(WindowBackendTest, ErrorScreenWaitsForTheClose) {
    using Clock = std::chrono::steady_clock;
    Clock::duration waited{};
    std::thread closer;
    int status = in_window([&](Platform& pf) {
        pf.CLS();
        pf.SYMBOL(288, 432, 1, 1, 13, "error");
        push_text("1");  // keys do not leave the error screen
        push_key(SDLK_RETURN);
        push_key(SDLK_ESCAPE);
        closer = std::thread([] {
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
            push_quit();
        });
        auto start = Clock::now();
        try {
            pf.IDLE_FOREVER(11, 100);
        } catch (...) {
            waited = Clock::now() - start;
            throw;
        }
    });
    closer.join();
    EXPECT_EQ(status, 0);
    // Only the close, pushed well after the keys, ended the wait.
    EXPECT_GE(waited, std::chrono::milliseconds(500));
}

TEST_F(WindowBackendTest, TimeOfDayIsHoursMinutesSeconds) {
    std::string time;
    int status = in_window([&](Platform& pf) {
        time = pf.TIME_s();
        push_quit();
        for (;;) pf.INKEY();
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(std::regex_match(time, std::regex("([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]"))) << time;
}

TEST_F(WindowBackendTest, ExitAfterFirstFrameEndsAtTheFirstWait) {
    setenv("CW_EXIT_AFTER_FIRST_FRAME", "1", 1);
    int polls = 0;
    int status = in_window([&](Platform& pf) {
        pf.CLS();
        ++polls;
        pf.INKEY();
        ++polls;
    });
    unsetenv("CW_EXIT_AFTER_FIRST_FRAME");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(polls, 1);
}

}  // namespace
}  // namespace cw

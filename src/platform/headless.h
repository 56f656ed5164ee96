// A backend with no window: keys come from a script, the clock is fixed, and
// what is drawn is kept so it can be written out as a picture.
#pragma once
#include <deque>
#include <functional>
#include <string>

#include "platform/platform.h"
#include "platform/retained.h"

namespace cw {

class HeadlessBackend : public Backend {
public:
    explicit HeadlessBackend(std::string keys = "", std::string time = "00:00:00")
        : keys_(keys.begin(), keys.end()), time_(std::move(time)) {}

    void draw(const DrawOp& op, const Paint& paint, const Beneath& under) override {
        if (keep_screen_) screen_.add(op, paint, under);
    }
    std::string poll_key() override {
        if (on_wait) on_wait();
        if (keys_.empty()) throw KeysExhausted{};
        std::string k(1, keys_.front());
        keys_.pop_front();
        ++used_;
        return k;
    }
    std::string time_of_day() override { return time_; }
    [[noreturn]] void idle_forever(int code, int site) override { throw ErrorScreenReached{code, site}; }

    void push_keys(const std::string& k) { keys_.insert(keys_.end(), k.begin(), k.end()); }
    size_t keys_left() const { return keys_.size(); }
    size_t keys_used() const { return used_; }
    const RetainedList& screen() const { return screen_; }
    // A run whose screen nobody looks at keeps none (the screen stays empty).
    void keep_screen(bool on) {
        keep_screen_ = on;
        if (!on) screen_.clear();
    }
    // Called each time the program polls for a key (before the key is taken).
    std::function<void()> on_wait;

private:
    std::deque<char> keys_;
    std::string time_;
    size_t used_ = 0;
    bool keep_screen_ = true;
    RetainedList screen_;
};

}  // namespace cw

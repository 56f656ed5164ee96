// Values remembered by key while they are asked for lately: at most `most`
// of the newest and as many of the generation before, which come back among
// the newest when asked for again.  So what a long session keeps is about
// what it has drawn lately; a value forgotten is made again, the same, when
// it is next asked for.
#pragma once
#include <algorithm>
#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>

namespace cw {

template <class Value>
class Recent {
public:
    explicit Recent(size_t most) : most_(std::max<size_t>(most, 1)) {}
    // The value of key: remembered, or made by make().
    template <class Make>
    Value get(const std::string& key, Make make) {
        if (auto it = now_.find(key); it != now_.end()) return it->second;
        Value v;
        if (auto it = before_.find(key); it != before_.end())
            v = std::move(it->second), before_.erase(it);
        else
            v = make();
        if (now_.size() >= most_) {
            before_ = std::move(now_);
            now_.clear();
        }
        now_.emplace(key, v);
        return v;
    }
    size_t size() const { return now_.size() + before_.size(); }

private:
    size_t most_;
    std::unordered_map<std::string, Value> now_, before_;
};

}  // namespace cw

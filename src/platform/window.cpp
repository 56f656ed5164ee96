#include "platform/window.h"

// The run-time headers come before glib's, whose ABS macro would clash.
#include "platform/basic.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "platform/render.h"
#include "platform/retained.h"
#include "platform/window_keys.h"
#include "platform/window_x11.h"
#include "platform/window_screen.h"

#include <SDL.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <exception>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace cw {

namespace {

constexpr Uint32 kFrameMs = 16;    // shortest time between two presents while drawing
constexpr Uint32 kBlinkMs = 500;   // longest sleep of a poll: the entry dot's blink
constexpr Uint32 kServiceMs = 4;   // window events are looked at this often while drawing
constexpr Uint32 kBusyMs = 100;    // drawing this long without a poll shows what is done so far
constexpr size_t kMaxDamage = 64;  // more damaged rectangles than this are shown as one around them

using Box = DeviceBox;

class WindowBackend : public Backend {
public:
    explicit WindowBackend(SDL_Window* window) : window_(window) {
        const char* e = std::getenv("CW_EXIT_AFTER_FIRST_FRAME");
        exit_after_first_frame_ = e && *e && std::string(e) != "0";
        // The benchmark's figure: how long each repaint of the whole
        // screen takes (said on stderr).
        const char* r = std::getenv("CW_REPORT_REPAINT");
        report_repaint_ = r && *r && std::string(r) != "0";
        // And how long each key takes to show what it drew.
        const char* f = std::getenv("CW_REPORT_FRAMES");
        report_frames_ = f && *f && std::string(f) != "0";
        rebuild();
    }
    ~WindowBackend() override {
        release();
        cairo_region_destroy(damaged_);
    }
    WindowBackend(const WindowBackend&) = delete;
    WindowBackend& operator=(const WindowBackend&) = delete;

    void draw(const DrawOp& op, const Paint& paint, const Beneath& under) override {
        if (!op.drawn()) return;
        Uint64 t0 = report_frames_ ? SDL_GetPerformanceCounter() : 0;
        if (report_frames_ && paint.erases_box()) note_erased(op, paint);
        // Drawn over what lies under it, as the list draws it again.
        draw_in_window(cr_, {scale_, clip_}, retained_, op, paint, under, [&](const Box& d) { damage_device(d); });
        if (report_frames_) frame_.drawing += SDL_GetPerformanceCounter() - t0;
    }

    std::string poll_key() override {
        last_poll_ = SDL_GetTicks64();
        // Events that came since the last look are also seen by the wait
        // below, which returns at once for them.
        if (last_poll_ - last_pump_ >= kServiceMs) pump();
        if (keys_.empty()) {
            // Nothing waiting: show what was drawn, then sleep until input
            // or a window event comes, or until the entry dot's blink is
            // due, so a program waiting for a key wakes only a few times a
            // second.
            present();
            if (frame_.open) report_frame();
            if (exit_after_first_frame_) throw ProgramEnd{};
            if (warm_up_a_face()) return "";  // and poll again at once
            // What the wait brings is shown by the next poll, which comes
            // at once.
            SDL_Event e;
            if (SDL_WaitEventTimeout(&e, static_cast<int>(kBlinkMs))) {
                handle(e);
                pump();
            }
            last_pump_ = SDL_GetTicks64();  // the wait looked at the events too
            // The drawing a key brings is timed from its arrival, so a page
            // drawn at once shows in one frame.
            last_poll_ = last_pump_;
        }
        if (keys_.empty()) return "";
        std::string k(1, keys_.front());
        keys_.pop_front();
        return k;
    }

    std::string time_of_day() override {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
        return buf;
    }

    [[noreturn]] void idle_forever(int, int) override {
        for (;;) {
            present();
            if (exit_after_first_frame_) throw ProgramEnd{};
            SDL_Event e;
            if (SDL_WaitEventTimeout(&e, 500)) handle(e);
            keys_.clear();  // nothing reads keys here
        }
    }

    void service() override {
        Uint64 now = SDL_GetTicks64();
        if (now - last_pump_ < kServiceMs) return;
        pump();
        // Long drawing sequences show up while they are made.  While the
        // program is polling for keys, only poll_key presents, so that what
        // is drawn and erased between two polls (the entry cursor) is shown
        // in its drawn state.
        if (now - last_poll_ >= kBusyMs && now - last_present_ >= kFrameMs) present();
    }

private:
    // The share of the layout an erase wipes, for the frame's report.
    void note_erased(const DrawOp& op, const Paint& paint) {
        const Bounds layout{0, 0, LAYOUT_W, LAYOUT_H};
        const Bounds area = retained_.ink(op, paint);
        double w = std::min(area.r, layout.r) - std::max(area.l, layout.l);
        double h = std::min(area.b, layout.b) - std::max(area.t, layout.t);
        frame_.erased = std::max(frame_.erased, w > 0 && h > 0 ? w * h / (LAYOUT_W * LAYOUT_H) : 0.0);
    }

    // A face takes milliseconds to load the first time it draws; the first
    // page drawn in it would show that much later.  So while the program
    // waits for its first keys, once its screen is shown, each face and
    // style the typesetter draws with draws a few characters where nobody
    // sees them, one a poll.  Returns whether it drew (false once all have).
    bool warm_up_a_face() {
        struct Style {
            const char* face;
            bool bold, italic;
        };
        static constexpr Style kStyles[] = {
            {"ゴシック", true, false},        {"ゴシック", false, false},       {"Times New Roman", true, true},
            {"Times New Roman", false, true}, {"Times New Roman", true, false}, {"Times New Roman", false, false},
            {"MT Extra", true, false},
        };
        if (warmed_ >= std::size(kStyles) || !keys_.empty()) return false;
        const Style& style = kStyles[warmed_++];
        DrawOp op;
        op.op = Op::Text;
        op.s = "漢あ3x";
        op.p = 3, op.q = 3;
        op.font.face = style.face;
        op.font.bold = style.bold, op.font.italic = style.italic;
        cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 8, 8);
        cairo_t* cr = cairo_create(scratch);
        cairo_scale(cr, scale_, scale_);
        const DrawOp laid = laid_out(op);
        Painter(cr).draw(laid, paint_of(laid), Beneath{});
        cairo_destroy(cr);
        cairo_surface_destroy(scratch);
        return true;
    }

    void pump() {
        last_pump_ = SDL_GetTicks64();
        SDL_Event e;
        while (SDL_PollEvent(&e)) handle(e);
    }

    // Reads an event; writes keys_, the frame's timing, the screen's size
    // and damage, and server_key_ (what the server made of the key press
    // the next event brings); throws ProgramEnd when the window closes.
    void handle(const SDL_Event& e) {
        // SDL passes the server's event on just before the key press it
        // makes of it, so the server's word holds for the next event alone:
        // a key press the input method took leaves none for a later one.
        std::optional<ServerKey> server = std::exchange(server_key_, std::nullopt);
        switch (e.type) {
        case SDL_QUIT: throw ProgramEnd{};
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
            case SDL_WINDOWEVENT_CLOSE: throw ProgramEnd{};
            case SDL_WINDOWEVENT_SIZE_CHANGED:
            case SDL_WINDOWEVENT_RESIZED: rebuild(); break;
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_SHOWN:
            case SDL_WINDOWEVENT_RESTORED:
            case SDL_WINDOWEVENT_MAXIMIZED: damage_all(); break;
            default: break;
            }
            break;
        case SDL_TEXTINPUT:
            for (char c : keys_from_text(e.text.text)) keys_.push_back(c);
            open_frame();
            break;
        case SDL_SYSWMEVENT:
            if (e.syswm.msg) server_key_ = server_key_of(*e.syswm.msg);
            break;
        case SDL_KEYDOWN:
            for (char c : key_from_keydown(e.key.keysym.scancode, e.key.keysym.sym, e.key.keysym.mod & KMOD_NUM,
                                           server ? &*server : nullptr))
                keys_.push_back(c);
            open_frame();
            break;
        default: break;
        }
    }

    void release() {
        painter_.reset();
        if (cr_) cairo_destroy(cr_);
        if (wrap_) SDL_FreeSurface(wrap_);
        if (surface_) cairo_surface_destroy(surface_);
        cr_ = nullptr, wrap_ = nullptr, surface_ = nullptr;
        target_ = nullptr;
    }

    // Whether Cairo can draw straight into the window's pixels: 32-bit
    // pixels with the colour in the low 24 bits, rows as Cairo lays them.
    static bool drawable(const SDL_Surface* t) {
        return t && t->pixels && !SDL_MUSTLOCK(t) && t->format->format == SDL_PIXELFORMAT_RGB888 &&
               t->pitch == cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, t->w);
    }

    // (Re)creates the drawing surface at the window's pixel size and draws
    // the retained screen onto it, scaled to fit with its aspect kept.
    // Cairo draws straight into the window's own pixels, so the picture is
    // held once; where their layout does not allow it, a surface of our own
    // is drawn and copied in.
    void rebuild() {
        int w = 0, h = 0;
        SDL_GetWindowSize(window_, &w, &h);
        w = std::max(w, 1), h = std::max(h, 1);
        if (surface_ && w == w_ && h == h_ && (!direct_ || SDL_GetWindowSurface(window_) == target_)) {
            damage_all();
            return;
        }
        // The window's old pixels go when it makes new ones: nothing may
        // point at them then.
        release();
        SDL_Surface* target = SDL_GetWindowSurface(window_);
        direct_ = drawable(target);
        if (direct_) {
            target_ = target;
            w_ = target->w, h_ = target->h;
            surface_ = cairo_image_surface_create_for_data(static_cast<unsigned char*>(target->pixels),
                                                           CAIRO_FORMAT_RGB24, w_, h_, target->pitch);
        } else {
            w_ = w, h_ = h;
            surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
            wrap_ = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(surface_), w, h, 32,
                                                       cairo_image_surface_get_stride(surface_),
                                                       SDL_PIXELFORMAT_RGB888);
        }
        w = w_, h = h_;
        cr_ = cairo_create(surface_);
        Rgb bg = fill_rgb(BACKGROUND);
        cairo_set_source_rgb(cr_, bg.r / 255.0, bg.g / 255.0, bg.b / 255.0);
        cairo_paint(cr_);  // the margins
        const WindowPlace at = place_in_window(w, h);
        scale_ = at.scale, clip_ = at.clip;
        cairo_rectangle(cr_, clip_.l, clip_.t, clip_.r - clip_.l, clip_.b - clip_.t);
        cairo_clip(cr_);
        cairo_translate(cr_, clip_.l, clip_.t);
        cairo_scale(cr_, scale_, scale_);
        Uint64 t0 = SDL_GetPerformanceCounter();
        const std::vector<KeptOp> kept = retained_.kept();
        painter_.emplace(cr_);
        for (const KeptOp& k : kept) painter_->draw(k);
        cairo_surface_flush(surface_);
        if (report_repaint_) {
            double ms = 1000.0 * static_cast<double>(SDL_GetPerformanceCounter() - t0) /
                        static_cast<double>(SDL_GetPerformanceFrequency());
            std::fprintf(stderr, "repaint %dx%d: %zu operations in %.1f ms\n", w_, h_, kept.size(), ms);
        }
        damage_all();
    }

    void damage_all() {
        cairo_region_destroy(damaged_);
        cairo_rectangle_int_t all{0, 0, w_, h_};
        damaged_ = cairo_region_create_rectangle(&all);
        whole_ = true;
    }

    void damage_device(const Box& b) {
        if (whole_) return;
        double l = std::max(clip_.l, b.l), t = std::max(clip_.t, b.t);
        double r = std::min(clip_.r, b.r), bt = std::min(clip_.b, b.b);
        if (r <= l || bt <= t) return;
        cairo_rectangle_int_t rect{static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l),
                                   static_cast<int>(bt - t)};
        cairo_region_union_rectangle(damaged_, &rect);
    }

    // The damaged area as rectangles apart from each other, and none left.
    std::vector<SDL_Rect> take_damage() {
        std::vector<SDL_Rect> out;
        int n = cairo_region_num_rectangles(damaged_);
        cairo_rectangle_int_t r;
        if (n > static_cast<int>(kMaxDamage)) {
            cairo_region_get_extents(damaged_, &r);
            out.push_back({r.x, r.y, r.width, r.height});
        } else {
            for (int i = 0; i < n; ++i) {
                cairo_region_get_rectangle(damaged_, i, &r);
                out.push_back({r.x, r.y, r.width, r.height});
            }
        }
        cairo_region_destroy(damaged_);
        damaged_ = cairo_region_create();
        return out;
    }

    // Shows the damaged rectangles in the window.
    void present() {
        last_present_ = SDL_GetTicks64();
        Uint64 t0 = report_frames_ ? SDL_GetPerformanceCounter() : 0;
        show();
        if (report_frames_) frame_.showing += SDL_GetPerformanceCounter() - t0;
    }

    void count_shown(const std::vector<SDL_Rect>& rects) {
        if (report_frames_)
            for (auto& d : rects) frame_.pixels += static_cast<Uint64>(d.w) * static_cast<Uint64>(d.h);
    }

    void show() {
        if (direct_) {
            if (cairo_region_is_empty(damaged_)) return;
            const bool whole = whole_;
            std::vector<SDL_Rect> rects = take_damage();
            count_shown(rects);
            cairo_surface_flush(surface_);
            int rc = whole ? SDL_UpdateWindowSurface(window_)
                           : SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
            whole_ = false;
            if (rc != 0) {
                // The window made new pixels (a resize not yet seen): draw
                // them and show them whole.
                rebuild();
                cairo_surface_flush(surface_);
                SDL_UpdateWindowSurface(window_);
                take_damage();
                whole_ = false;
            }
            return;
        }
        SDL_Surface* target = SDL_GetWindowSurface(window_);
        if (!target) return;
        if (target != target_) {
            target_ = target;
            damage_all();
        }
        if (cairo_region_is_empty(damaged_)) return;
        cairo_surface_flush(surface_);
        std::vector<SDL_Rect> changed;
        for (auto& d : take_damage()) {
            // A rectangle drawn and put back since the last present (the
            // blinking entry cursor) needs no trip to the display.
            if (!whole_ && same_pixels(target, d)) continue;
            SDL_Rect r = d;
            SDL_BlitSurface(wrap_, &d, target, &r);
            changed.push_back(d);
        }
        count_shown(changed);
        if (whole_)
            SDL_UpdateWindowSurface(window_);
        else if (!changed.empty())
            SDL_UpdateWindowSurfaceRects(window_, changed.data(), static_cast<int>(changed.size()));
        whole_ = false;
    }

    // The time from a key to the frame that shows what it drew: drawing,
    // showing, and what the program did besides.
    struct Frame {
        bool open = false;
        Uint64 start = 0, drawing = 0, showing = 0, pixels = 0;
        double erased = 0;  // the largest share of the layout one erase wiped
    };
    void open_frame() {
        if (!report_frames_ || frame_.open) return;
        frame_ = Frame{};
        frame_.open = true;
        frame_.start = SDL_GetPerformanceCounter();
    }
    void report_frame() {
        const double ms = 1000.0 / static_cast<double>(SDL_GetPerformanceFrequency());
        std::fprintf(stderr,
                     "frame %dx%d: key to shown %.2f ms, drawing %.2f ms, showing %.2f ms, %llu pixels shown, "
                     "%.0f%% of the layout erased\n",
                     w_, h_, static_cast<double>(SDL_GetPerformanceCounter() - frame_.start) * ms,
                     static_cast<double>(frame_.drawing) * ms, static_cast<double>(frame_.showing) * ms,
                     static_cast<unsigned long long>(frame_.pixels), 100 * frame_.erased);
        frame_.open = false;
    }

    // Whether the window already shows the backing surface's pixels in r.
    bool same_pixels(SDL_Surface* target, const SDL_Rect& r) const {
        if (target->format->format != SDL_PIXELFORMAT_RGB888 || SDL_MUSTLOCK(target)) return false;
        if (r.x < 0 || r.y < 0 || r.x + r.w > std::min(w_, target->w) || r.y + r.h > std::min(h_, target->h))
            return false;
        const auto* src = cairo_image_surface_get_data(surface_);
        int src_pitch = cairo_image_surface_get_stride(surface_);
        const auto* dst = static_cast<const unsigned char*>(target->pixels);
        for (int y = r.y; y < r.y + r.h; ++y) {
            const unsigned char* a = src + static_cast<size_t>(y) * src_pitch + static_cast<size_t>(r.x) * 4;
            const unsigned char* b = dst + static_cast<size_t>(y) * target->pitch + static_cast<size_t>(r.x) * 4;
            for (int x = 0; x < r.w; ++x)  // the pad byte may differ
                if (a[4 * x] != b[4 * x] || a[4 * x + 1] != b[4 * x + 1] || a[4 * x + 2] != b[4 * x + 2]) return false;
        }
        return true;
    }

    SDL_Window* window_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    std::optional<Painter> painter_;  // draws onto cr_
    SDL_Surface* wrap_ = nullptr;
    SDL_Surface* target_ = nullptr;
    bool direct_ = false;  // cairo draws into target_'s pixels
    int w_ = 0, h_ = 0;
    double scale_ = 1;
    Box clip_{0, 0, 0, 0};
    RetainedList retained_;
    cairo_region_t* damaged_ = cairo_region_create();
    bool whole_ = false;
    std::deque<char> keys_;
    std::optional<ServerKey> server_key_;  // for the key press the next event brings
    Uint64 last_pump_ = 0;
    Uint64 last_present_ = 0;
    Uint64 last_poll_ = 0;
    bool exit_after_first_frame_ = false;
    bool report_repaint_ = false;
    bool report_frames_ = false;
    Frame frame_;
    size_t warmed_ = 0;  // faces warmed up
};

bool has_env(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

struct SdlSession {
    ~SdlSession() {
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
    }
    SDL_Window* window = nullptr;
};

}  // namespace

int run_in_window(const WindowBody& body, const std::string& window_title) {
    const char* name = window_title.c_str();
    // Plain shared-memory images for the window: they let a present send
    // only the damaged rectangles, where a texture-backed window surface
    // would bring up OpenGL and redraw the whole window every frame.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    bool asked = chosen && *chosen;
    if (!asked && !has_env("DISPLAY") && !has_env("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "%s: cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
                     name);
        return 1;
    }
    // Only the kind of display that is there is tried, so a failure gives
    // one message.
    if (!asked && !has_env("WAYLAND_DISPLAY")) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    if (!asked && !has_env("DISPLAY")) SDL_SetHint(SDL_HINT_VIDEODRIVER, "wayland");
    guard_late_window_requests();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        const char* where = has_env("DISPLAY") ? std::getenv("DISPLAY") : std::getenv("WAYLAND_DISPLAY");
        std::fprintf(stderr, "%s: cannot open a window: display %s cannot be reached (%s)\n", name,
                     where ? where : "(none)", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if (!asked && (driver == "offscreen" || driver == "dummy" || driver.empty())) {
        std::fprintf(stderr, "%s: cannot open a window: no display available\n", name);
        SDL_Quit();
        return 1;
    }
    SdlSession sdl;
    auto missing = missing_fonts();
    if (!missing.empty()) {
        std::string list;
        for (auto& f : missing)
            list += (list.empty() ? "" : "; ") + f.family + " (install the Debian package " + f.package + ")";
        std::fprintf(stderr, "%s: missing font: %s\n", name, list.c_str());
        return 1;
    }
    SDL_Rect area{0, 0, static_cast<int>(LAYOUT_W), static_cast<int>(LAYOUT_H)};
    if (SDL_GetDisplayUsableBounds(0, &area) != 0 || area.w <= 0 || area.h <= 0)
        area = {0, 0, static_cast<int>(LAYOUT_W), static_cast<int>(LAYOUT_H)};
    sdl.window = SDL_CreateWindow(name, area.x, area.y, area.w, area.h,
                                  SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_SHOWN);
    if (!sdl.window) {
        std::fprintf(stderr, "%s: cannot open a window: %s\n", name, SDL_GetError());
        return 1;
    }
    SDL_StartTextInput();
    // The server's own key events, so that a keypad key goes by what the
    // server made of it.
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    try {
        WindowBackend backend(sdl.window);
        Platform pf(backend);
        body(pf);
    } catch (const ProgramEnd&) {
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", name, e.what());
        return 1;
    }
    return 0;
}

}  // namespace cw

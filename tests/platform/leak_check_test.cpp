// The leak check sees what the painter makes and forgets: under the
// sanitizers, each kind of object the drawing code makes of the font and
// drawing libraries is made and dropped, and the leak check must report it.
// It does not when a suppression names a library the object is made in, or
// when GLib hands out its small blocks from slabs of its own (G_SLICE unset:
// the leak check then sees only the slab, which GLib still holds).  Each
// check is held to exactly what it must find twice over, by the leak check's
// status and by the objects its report says are lost directly.
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)

#include <cairo.h>
#include <glib.h>
#include <pango/pangocairo.h>
#include <sanitizer/lsan_interface.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/fonts.h"
#include "platform/glyph_layout.h"

namespace cw {
namespace {

// A pointer kept where the leak check does not take it for one: every bit
// flipped, so the object it points to counts as forgotten until it is
// shown again.
using Hidden = std::uintptr_t;
Hidden hide(void* p) { return ~reinterpret_cast<Hidden>(p); }
void* shown(Hidden h) { return reinterpret_cast<void*>(~h); }

// Zeroes the stack below the caller, where the makers' frames were, so that
// no copy of a pointer they left there is found by the leak check's own
// frames.  Writes: the stack only.
__attribute__((noinline)) void scrub_stack() {
    volatile char area[64 * 1024];
    std::memset(const_cast<char*>(area), 0, sizeof area);
}

// A text of the gothic face at 16, bold, as the painter is asked to draw one.
DrawOp a_text() {
    DrawOp op;
    op.op = Op::Text;
    op.font.bold = true;
    return op;
}

// Each maker makes one object as the drawing code does and returns it
// hidden; each freer frees it again.  Not inlined, so no copy of the
// pointer stays in the test's own frame.
__attribute__((noinline)) Hidden make_description() {
    return hide(font_of(a_text(), map_face("ｺﾞｼｯｸ")));
}
void free_description(void* p) { pango_font_description_free(static_cast<PangoFontDescription*>(p)); }

__attribute__((noinline)) Hidden make_layout() {
    PangoLayout* layout = new_glyph_layout();
    PangoFontDescription* desc = font_of(a_text(), map_face("ｺﾞｼｯｸ"));
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout, "式", -1);
    int w = 0, h = 0;
    pango_layout_get_size(layout, &w, &h);  // laid out: it holds its lines and runs
    return hide(layout);
}
void free_layout(void* p) { g_object_unref(static_cast<PangoLayout*>(p)); }

__attribute__((noinline)) Hidden make_surface() {
    return hide(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 40, 30));
}
void free_surface(void* p) { cairo_surface_destroy(static_cast<cairo_surface_t*>(p)); }

__attribute__((noinline)) Hidden make_string() { return hide(g_strdup("ｺﾞｼｯｸ")); }
void free_string(void* p) { g_free(p); }

// What one leak check found: whether it reports leaks (its status), and how
// many it reports lost directly (an object nothing points to; what the
// object points to is reported lost indirectly), counted in the report it
// writes.  Writes: the report to the standard error (through a temporary
// file it reads it from), for the log.
struct LeaksFound {
    int status;
    int direct;
};
LeaksFound check_leaks() {
    std::fflush(stderr);
    std::FILE* report = std::tmpfile();
    if (!report) return {-1, -1};
    const int saved = dup(STDERR_FILENO);
    dup2(fileno(report), STDERR_FILENO);
    const int status = __lsan_do_recoverable_leak_check();
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::rewind(report);
    LeaksFound found{status, 0};
    char line[4096];
    while (std::fgets(line, sizeof line, report)) {
        found.direct += std::strncmp(line, "Direct leak of ", 15) == 0;
        std::fputs(line, stderr);
    }
    std::fclose(report);
    return found;
}

TEST(LeakCheck, SeesWhatTheDrawingCodeMakesAndForgets) {
    struct Case {
        const char* what;
        Hidden (*make)();
        void (*free)(void*);
        int direct;  // objects reported lost directly when it is forgotten
    } cases[] = {
        {"a font description (font_of)", make_description, free_description, 1},
        // A layout and its lines point to each other, so nothing of it is
        // an object nothing points to: all of it is reported lost
        // indirectly.
        {"a laid-out glyph layout (new_glyph_layout)", make_layout, free_layout, 0},
        {"an image surface", make_surface, free_surface, 1},
        {"a string of GLib's (g_strdup)", make_string, free_string, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Made and freed once first, so that what the libraries make on
        // first use (the font map, fontconfig's configuration) is there
        // before the check that nothing is lost yet.
        c.free(shown(c.make()));
        scrub_stack();
        const LeaksFound before = check_leaks();
        ASSERT_EQ(before.status, 0) << "the leak check reports a leak before any was made (its report is above)";
        ASSERT_EQ(before.direct, 0) << "the leak check's report before any leak was made";
        const Hidden h = c.make();
        scrub_stack();
        std::fprintf(stderr, "A leak is made on purpose here: %s.\n", c.what);
        const LeaksFound forgotten = check_leaks();
        EXPECT_EQ(forgotten.status, 1)
            << "the leak check does not see " << c.what << " forgotten: a suppression names a library it is "
            << "made in, the leak check is off (detect_leaks=0), or G_SLICE=always-malloc is not set";
        // The object made and forgotten, and nothing beside it.
        EXPECT_EQ(forgotten.direct, c.direct) << "objects the leak check reports lost directly, with " << c.what
                                              << " forgotten (its report is above)";
        c.free(shown(h));
        scrub_stack();
        const LeaksFound freed = check_leaks();
        EXPECT_EQ(freed.status, 0) << c.what << " freed again is still reported";
        EXPECT_EQ(freed.direct, 0) << "objects the leak check reports lost directly, " << c.what << " freed again";
    }
}

}  // namespace
}  // namespace cw

#endif

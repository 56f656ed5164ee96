// The pictures of every page of the tour and of the error screen, as
// hashes of their pixels at scale 1 and 2 and in windows of three sizes, for
// telling whether a change to the renderer or the layout moved a pixel
// anywhere (under another face too, with FONTCONFIG_FILE):
//
//   CW_PAGE_HASHES=before.txt build/test_lessons --gtest_filter='PagePictures.*'
//   ... change, build ...
//   CW_PAGE_HASHES=after.txt build/test_lessons --gtest_filter='PagePictures.*'
//   diff before.txt after.txt
//
// Without CW_PAGE_HASHES the test does nothing.  CW_ERROR_SCREEN_PNG=PREFIX
// also writes the error screens as PREFIX-PROGRAM.png at scale 2.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/render.h"
#include "platform/window_screen.h"
#include "shell/shell.h"
#include "support/picture.h"
#include "support/tour.h"

namespace cw::test {
namespace {

uint64_t fnv(const std::vector<uint8_t>& bytes) {
    uint64_t h = 1469598103934665603ULL;
    for (uint8_t b : bytes) h = (h ^ b) * 1099511628211ULL;
    return h;
}

void write_hashes(std::ostream& out, const std::string& name, const std::vector<KeptOp>& ops) {
    out << name;
    // The layout's own size, twice it, and as windows of 1366 x 768, 1024 x
    // 768 and 640 x 480 show it.
    for (double scale : {1.0, 2.0, place_in_window(1366, 768).scale, place_in_window(1024, 768).scale,
                         place_in_window(640, 480).scale})
        out << ' ' << std::hex << fnv(Picture(ops, scale).bytes()) << std::dec;
    out << '\n';
}

TEST(PagePictures, HashesOfEveryPage) {
    const char* path = std::getenv("CW_PAGE_HASHES");
    if (!path) GTEST_SKIP() << "set CW_PAGE_HASHES to a file to write the hashes to";
    std::ofstream out(path);
    for (const Step& step : all_steps()) {
        int page = 0;
        WalkOptions options;
        options.on_wait = [&](Harness& h) {
            write_hashes(out, step.name() + " " + std::to_string(++page), h.backend.screen().kept());
        };
        const WalkResult r = walk(step, options);
        EXPECT_TRUE(r.back_at_menu) << step.name() << ": " << r.stuck;
    }
    for (const char* program : {"kelvane", "dorrith", "sarnoth"}) {
        Harness h(program);
        try {
            REPORT_FATAL_ERROR(h.g, 11, 3);
        } catch (const ErrorScreenReached&) {
        }
        write_hashes(out, std::string(program) + " error-screen", h.backend.screen().kept());
        if (const char* png = std::getenv("CW_ERROR_SCREEN_PNG"))
            write_png(h.backend.screen().kept(), png + std::string("-") + program + ".png", 2);
    }
}

}  // namespace
}  // namespace cw::test

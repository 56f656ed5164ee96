// The main of every test program: GoogleTest, with the C library told to
// keep the memory a test frees for its next allocations, and a run that asks
// for a gothic face held to it.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdlib>
#include <string>

#include "platform/fonts.h"

namespace {

// A run under another gothic face (the ctest entries named "IPAGothic:...")
// names it in CW_EXPECT_GOTHIC: unless that face draws, installed in its own
// family, no test of the run runs and the run fails, so that no entry looks
// at the same face twice.  Reads CW_EXPECT_GOTHIC and the fonts fontconfig
// is configured with.
class GothicFaceAsked : public ::testing::Environment {
public:
    void SetUp() override {
        const char* asked = std::getenv("CW_EXPECT_GOTHIC");
        if (!asked || !*asked) return;
        const std::string drawn = cw::face_choice(cw::Face::Gothic).family;
        ASSERT_EQ(drawn, asked) << "the run asks (CW_EXPECT_GOTHIC) for a gothic face that does not draw";
        ASSERT_TRUE(cw::family_installed(drawn)) << drawn << " draws, but fontconfig finds only a substitute";
    }
};

}  // namespace

int main(int argc, char** argv) {
    // The picture tests take and free buffers of whole screens (5 MB at the
    // layout's size, 20 MB at twice it) thousands of times; handed back to
    // the system each time, every one is paged in anew, which costs the
    // tests several times their own work.  Kept in the heap, they are used
    // again.  (The sanitizers' allocator ignores this.)
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new GothicFaceAsked);
    return RUN_ALL_TESTS();
}

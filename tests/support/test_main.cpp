// The main of every test program: GoogleTest, with the C library told to
// keep the memory a test frees for its next allocations.
#include <gtest/gtest.h>
#include <malloc.h>

int main(int argc, char** argv) {
    // The picture tests take and free buffers of whole screens (5 MB at the
    // layout's size, 20 MB at twice it) thousands of times; handed back to
    // the system each time, every one is paged in anew, which costs the
    // tests several times their own work.  Kept in the heap, they are used
    // again.  (The sanitizers' allocator ignores this.)
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The cases the entries' runner (tests/support/run_entry.sh) is held to by
// its own ctest entries (tests/support/plumbing/runner_case.cmake): tests
// that pass, fail, skip, end the process and crash, and a main that, as
// CW_PLUMBING asks, runs other tests than those named, skips in its global
// set-up, returns a status of its own, or ends before or after its run.
// Built for those entries alone: it has no entries of its own.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// What CW_PLUMBING asks ("select:NAMES", "status:N", "exit:N",
// "skip-set-up", "exit-before-run", "exit-after-report"), or "".  Reads
// the environment.
std::string asked() {
    const char* mode = std::getenv("CW_PLUMBING");
    return mode ? mode : "";
}

// The value after "WHAT:" when CW_PLUMBING asks WHAT, or nullptr.  Reads
// the environment.
const char* asked_value(const char* what) {
    const char* mode = std::getenv("CW_PLUMBING");
    const std::size_t length = std::strlen(what);
    if (!mode || std::strncmp(mode, what, length) != 0 || mode[length] != ':') return nullptr;
    return mode + length + 1;
}

TEST(Cases, Passes) {}

TEST(Cases, AlsoPasses) {}

TEST(Cases, DISABLED_Passes) {}

TEST(Cases, Fails) { ADD_FAILURE() << "fails, as it is meant to"; }

TEST(Cases, Skips) { GTEST_SKIP() << "skips, as it is meant to"; }

// Ends the process in the middle of the run, with status 0 or as
// CW_PLUMBING's "exit:N" asks.
TEST(Cases, Exits) {
    const char* status = asked_value("exit");
    std::exit(status ? std::atoi(status) : 0);
}

// Killed by SIGABRT, leaving no core file.
TEST(Cases, Aborts) {
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
    std::abort();
}

// A global set-up that skips: GoogleTest then starts no test.
class SkippingSetUp : public ::testing::Environment {
public:
    void SetUp() override { GTEST_SKIP() << "the global set-up skips, as it is meant to"; }
};

// Ends the process with status 0 once GoogleTest has written its report,
// before GoogleTest's own end.
class ExitAfterReport : public ::testing::EmptyTestEventListener {
public:
    void OnTestProgramEnd(const ::testing::UnitTest&) override { std::exit(0); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const std::string mode = asked();
    if (const char* names = asked_value("select")) GTEST_FLAG_SET(filter, names);
    if (mode == "skip-set-up") ::testing::AddGlobalTestEnvironment(new SkippingSetUp);
    if (mode == "exit-after-report")
        ::testing::UnitTest::GetInstance()->listeners().Append(new ExitAfterReport);
    if (mode == "exit-before-run") return 0;
    const int status = RUN_ALL_TESTS();
    if (const char* own = asked_value("status")) return std::atoi(own);
    return status;
}

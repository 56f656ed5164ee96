// The name the first lesson tests used for the shared fixture: a Kelvane
// LessonFixture (support/lesson_fixture.h), kept so tests written against it
// still build.  New tests use LessonFixture itself.
#pragma once
#include <string>

#include "support/lesson_fixture.h"

namespace cw::test {

struct LessonRun : LessonFixture {
    explicit LessonRun(const std::string& keys) : LessonFixture("kelvane", keys) {}
};

}  // namespace cw::test

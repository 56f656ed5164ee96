// Run-time errors and the ways a program run ends.
#pragma once
#include <source_location>
#include <stdexcept>
#include <string>

namespace cw {

// Error numbers shown on the error screen.
enum ErrorCode : int {
    ERR_ILLEGAL_CALL = 5,   // bad argument to a run-time function
    ERR_OVERFLOW = 6,       // arithmetic result not finite
    ERR_SUBSCRIPT = 9,      // array index outside its bounds
    ERR_DIV_ZERO = 11,      // division by zero
};

// A run-time error: ends on the error screen with its site and number.
// The site is the source line that raised it, which stands in for the
// statement line of the failing script.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int code, std::source_location where = std::source_location::current())
        : std::runtime_error("run-time error " + std::to_string(code) + " at " + where.file_name() + ":" +
                             std::to_string(where.line())),
          code_(code), site_(static_cast<int>(where.line())) {}
    RuntimeError(int code, int site)
        : std::runtime_error("run-time error " + std::to_string(code)), code_(code), site_(site) {}
    int code() const { return code_; }
    int site() const { return site_; }

private:
    int code_;
    int site_;
};

// Thrown to unwind the whole program: the last menu item, or the window closed.
struct ProgramEnd {};

// Headless runs only: the program asked for a key and the script had none left.
struct KeysExhausted {};

// Headless runs only: the error screen was reached (a window would idle there).
struct ErrorScreenReached {
    int code;
    int site;
};

}  // namespace cw

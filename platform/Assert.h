#pragma once

#include "platform/Exceptions.h"

#include <source_location>

namespace platform {

/// A failed assertion: a condition the code relies on did not hold.
class EAssertionFailed : public Exception {
public:
    using Exception::Exception;
};

/// "Assertion fehlgeschlagen (<file>, Zeile <line>)", naming the source file and line of the check.
[[noreturn]] void throwAssertionFailed(const std::source_location& where);

/// Throws EAssertionFailed naming the caller's file and line unless the condition holds.
inline void Assert(bool condition, const std::source_location& where = std::source_location::current()) {
    if (!condition)
        throwAssertionFailed(where);
}

} // namespace platform

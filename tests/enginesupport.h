#pragma once
// Shared pieces of the engine tests: standard C++ only, so these tests link the engine
// library alone (the window tests add testsupport.h on top).

#include "core/u_public.h"
#include "core/usererror.h"

#include <functional>
#include <initializer_list>
#include <string>

namespace corvel::test {

// A draw history from rows {issue, d1, d2, d3}.
inline DrawTable history(std::initializer_list<DrawRow> rows) { return DrawTable(rows); }

// The message of the UserError that `f` throws, or an empty text when it throws none.
inline std::string userErrorOf(const std::function<void()> &f) {
    try {
        f();
    } catch (const UserError &e) {
        return e.what();
    }
    return {};
}

} // namespace corvel::test

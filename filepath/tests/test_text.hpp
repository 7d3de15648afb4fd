// Test helpers: expected texts are written in UTF-8 and compared in CP932.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/textconv.hpp"

namespace vesmark::test {

// The CP932 form of a UTF-8 text; a text that CP932 cannot hold fails the test.
inline std::string Sjis(std::string_view utf8) {
    cp932::FromUtf8Result r = cp932::Utf8ToCp932(utf8);
    if (!r.ok) ADD_FAILURE() << "not CP932: " << r.message;
    return r.text;
}

// The UTF-8 form of a CP932 result, so that a failure prints readable text.
inline std::string Utf8(std::string_view cp932Text) { return cp932::Cp932ToUtf8(cp932Text); }

}  // namespace vesmark::test

#pragma once

// Number tables written once: texts written with "." stand for the
// separator under test, and each table runs under both "." and ",".

#include <gtest/gtest.h>

#include <string>

namespace orvanta::testing {

inline std::string WithSeparator(std::string text, char separator) {
    for (char& c : text) {
        if (c == '.') {
            c = separator;
        }
    }
    return text;
}

class SeparatorTest : public ::testing::TestWithParam<char> {
protected:
    char Sep() const { return GetParam(); }
    std::string S(const std::string& text) const { return WithSeparator(text, Sep()); }
};

inline std::string SeparatorName(const ::testing::TestParamInfo<char>& info) {
    return info.param == '.' ? "Point" : "Comma";
}

}  // namespace orvanta::testing

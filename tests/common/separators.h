#pragma once

// Number tables written once: texts written with "." stand for the
// separator under test, and each table runs under both "." and ",".

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <tuple>

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

// A table whose every case runs under both separators, each pair a test of its
// own named after the case and the separator ("WorkedExample_Comma"), so that
// ctest names the case that fails. `Case` has a `name` fit for a test name.
template <typename Case>
class SeparatorTableTest : public ::testing::TestWithParam<std::tuple<Case, char>> {
protected:
    const Case& TableCase() const { return std::get<0>(this->GetParam()); }
    char Sep() const { return std::get<1>(this->GetParam()); }
    std::string S(const std::string& text) const { return WithSeparator(text, Sep()); }
};

// INSTANTIATE_TEST_SUITE_P(Table, SomeTableTest, BothSeparators(kCases),
//                          SeparatorTableName<SomeCase>);
template <typename Case, std::size_t N>
auto BothSeparators(const Case (&cases)[N]) {
    return ::testing::Combine(::testing::ValuesIn(cases), ::testing::Values('.', ','));
}

template <typename Case>
std::string SeparatorTableName(const ::testing::TestParamInfo<std::tuple<Case, char>>& info) {
    return std::string(std::get<0>(info.param).name) + "_" +
           (std::get<1>(info.param) == '.' ? "Point" : "Comma");
}

}  // namespace orvanta::testing

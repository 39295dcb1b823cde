#pragma once

// Shared by the orvanta-calc tests: runs under a chosen separator, and the JSON
// output read back (which also proves that it is JSON).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_process.h"
#include "common/separators.h"
#include "json_value.h"

namespace orvanta::testing {

// Each calculation runs under both "." and ","; expected texts are written
// with "." and turned into the separator under test by S().
class CalcTest : public SeparatorTest {
protected:
    CalcOutput Run(std::vector<std::string> args,
                   const std::vector<std::string>& environment = {}) const {
        args.insert(args.begin(), {"--separator", std::string(1, Sep())});
        return RunCalcProgram(args, environment);
    }

    // A run that must end well and say nothing on standard error.
    JsonValue Json(std::vector<std::string> args) const {
        args.push_back("--json");
        const CalcOutput output = Run(args);
        EXPECT_EQ(output.status, 0) << output.err;
        EXPECT_EQ(output.err, "");
        return ParseJson(output.out);
    }

    std::vector<std::string> S(std::vector<std::string> texts) const {
        for (std::string& text : texts) {
            text = SeparatorTest::S(text);
        }
        return texts;
    }
    using SeparatorTest::S;
};

// A grid's rows from the JSON output.
inline std::vector<std::vector<std::string>> GridRows(const JsonValue& json,
                                                      const std::string& grid) {
    return json["grids"][grid].Rows();
}

// The texts of some boxes, in the order asked.
inline std::vector<std::string> BoxTexts(const JsonValue& json,
                                         const std::vector<std::string>& names) {
    std::vector<std::string> texts;
    for (const std::string& name : names) {
        texts.push_back(json["boxes"][name].text);
    }
    return texts;
}

// Cells [first, last] of one row.
inline std::vector<std::string> Slice(const std::vector<std::string>& row, std::size_t first,
                                      std::size_t last) {
    return std::vector<std::string>(row.begin() + static_cast<std::ptrdiff_t>(first),
                                    row.begin() + static_cast<std::ptrdiff_t>(last) + 1);
}

}  // namespace orvanta::testing

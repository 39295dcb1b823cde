#include <gtest/gtest.h>

#include <string>

#include "cli/page_report.h"
#include "json_value.h"

namespace orvanta {
namespace {

using testing::ParseJson;

TEST(JsonString, EscapesWhatJsonForbidsAndKeepsUtf8) {
    struct Case {
        std::string text;
        const char* json;
    };
    const Case cases[] = {
        {"", "\"\""},
        {"2,5", "\"2,5\""},
        {"say \"hi\" \\ /", "\"say \\\"hi\\\" \\\\ /\""},
        {"a\nb\rc\td", "\"a\\nb\\rc\\td\""},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
        {std::string("nul\0in", 6), "\"nul\\u0000in\""},
        {"ΑΠΟΔΟΣΗ € 𝄞", "\"ΑΠΟΔΟΣΗ € 𝄞\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonString(c.text), c.json);
        EXPECT_EQ(ParseJson(JsonString(c.text)).text, c.text);
    }
}

TEST(JsonString, BytesThatAreNoUtf8BecomeReplacementCharacters) {
    struct Case {
        std::string bytes;
        const char* json;
    };
    const Case cases[] = {
        {"\xff", "\"\\ufffd\""},
        {"a\xe1z", "\"a\\ufffdz\""},                               // Windows-1253 alpha on its own
        {"\xc0\xaf", "\"\\ufffd\\ufffd\""},                        // an overlong "/"
        {"\xed\xa0\x80", "\"\\ufffd\\ufffd\\ufffd\""},             // a lone surrogate
        {"\xf4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""},  // past U+10FFFF
        {"\xe2\x82", "\"\\ufffd\\ufffd\""},                        // cut short at the end
        {"\xe2\x82\xac\xe2", "\"€\\ufffd\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonString(c.bytes), c.json);
        EXPECT_NO_THROW(ParseJson(JsonString(c.bytes)));
    }
}

}  // namespace
}  // namespace orvanta

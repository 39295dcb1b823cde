#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "common/temp_folder.h"
#include "common/time_limits.h"
#include "core/base/operation_error.h"
#include "core/live/game_record.h"
#include "core/live/record_folder.h"

namespace orvanta {
namespace {

using testing::TempFolder;

std::string Joined(const PositionFields& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out += (i ? "|" : "") + fields[i];
    }
    return out;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    const char* odds;               // "1|X|2"
    std::vector<const char*> rows;  // eight fields apart by "|"
};

TEST(GameRecord, ReadingRules) {
    // clang-format off
    const ReadCase cases[] = {
        {"empty file",                     "",                                                                   "||",             {}},
        {"new record's odds only",         "1.85;3.40;4.20;\r\n",                                                "1.85|3.40|4.20", {}},
        {"example",                        "1.85;3.40;4.20;\r\n2.00;;;10;;;;;\r\n;;;;;3.5;;20;\r\n;;;;;;;;\r\n", "1.85|3.40|4.20", {"2.00|||10||||", "|||||3.5||20"}},
        {"LF alone ends a line too",       "1;2;3;\n2;;;10;;;;;\n",                                              "1|2|3",          {"2|||10||||"}},
        {"no closing semicolon on line 1", "1.5;2;3\r\n",                                                        "1.5|2|",         {}},
        {"no line break at the end",       "1;2;3;\r\n2;;;10;;;;;",                                              "1|2|3",          {"2|||10||||"}},
        {"ten fields",                     "\r\n1;2;3;4;5;6;7;8;9;10;\r\n",                                      "||",             {"1|2|3|4|5|6|7|8"}},
        {"three fields",                   "\r\n;3.4;;\r\n",                                                     "||",             {"|3.4||||||"}},
        // A line without ";" is an empty row, which the sheet drops anyway.
        {"no semicolon at all",            "1;2;3;\r\nhello\r\n;;1.5;;\r\n",                                     "1|2|3",          {"||1.5|||||"}},
        {"text after the last semicolon",  "1;2;3;4;5\r\n",                                                      "1|2|3",          {}},
        {"values kept unchecked",          "a;;x y;\r\nq;;;w;;;;;\r\n",                                          "a||x y",         {"q|||w||||"}},
        {"blank lines between rows",       "1;2;3;\r\n\r\n\n2;;;1;\r\n\r\n",                                     "1|2|3",          {"2|||1||||"}},
        // Found by fuzzing: a CR inside a line would load but never save back.
        {"stray carriage returns",         ",;\r\x0f;\r\n2\r;;;1\r0;\n",                                         ",|\x0f|",        {"2|||10||||"}},
        // A text editor's byte-order mark is no part of the first price; one
        // further in stays where it is.
        {"UTF-8 byte-order mark",          "\xEF\xBB\xBF" "1.85;3.40;4.20;\r\n2;;;10;;;;;\r\n",                  "1.85|3.40|4.20", {"2|||10||||"}},
        {"byte-order mark alone",          "\xEF\xBB\xBF",                                                       "||",             {}},
        // Found by fuzzing: a second mark kept in the price was saved at the
        // file's start, and the record read back changed.
        {"byte-order mark twice",          "\xEF\xBB\xBF\xEF\xBB\xBF" "2;3;4;\r\n",                                  "2|3|4",          {}},
        {"byte-order mark after a stray CR", "\r\r\xEF\xBB\xBF\r;2;3;\r\n",                                         "|2|3",           {}},
        {"mark after the first line",      "1;2;3;\r\n\xEF\xBB\xBF" "2;;;10;\r\n",                                "1|2|3",          {"\xEF\xBB\xBF" "2|||10||||"}},
    };
    // clang-format on
    for (const ReadCase& c : cases) {
        const LiveGameRecord record = ParseGameRecord(c.bytes);
        EXPECT_EQ(
            record.current_odds[0] + "|" + record.current_odds[1] + "|" + record.current_odds[2],
            c.odds)
            << c.name;
        std::vector<std::string> rows;
        for (const PositionFields& row : record.rows) {
            rows.push_back(Joined(row));
        }
        EXPECT_EQ(rows, std::vector<std::string>(c.rows.begin(), c.rows.end())) << c.name;
    }
}

TEST(GameRecord, WritingGivesCrLfLinesAndReadsBack) {
    LiveGameRecord record;
    record.current_odds = {"1.85", "3.40", "4.20"};
    record.rows = {{"2.00", "", "", "10", "", "", "", ""},
                   {"", "", "", "", "", "3.5", "", "20"},
                   {"", "", "", "", "", "", "", ""}};
    const std::string bytes = FormatGameRecord(record);
    EXPECT_EQ(bytes, "1.85;3.40;4.20;\r\n2.00;;;10;;;;;\r\n;;;;;3.5;;20;\r\n;;;;;;;;\r\n");

    const LiveGameRecord back = ParseGameRecord(bytes);
    EXPECT_EQ(back.current_odds, record.current_odds);
    ASSERT_EQ(back.rows.size(), 2u);
    EXPECT_EQ(back.rows[0], record.rows[0]);
    EXPECT_EQ(back.rows[1], record.rows[1]);
}

// A value the layout cannot carry is never altered to fit: the whole record is
// refused, naming the value.
TEST(GameRecord, WritingRefusesWhatWouldBreakTheLayout) {
    struct Case {
        const char* name;
        std::array<std::string, 3> odds;
        PositionFields row;
        std::string value;
    };
    // clang-format off
    const Case cases[] = {
        {"semicolon in an odds",   {"1;5", "2", "3"},     {},                    "1;5"},
        {"line break in an odds",  {"1.5", "2\r\n", "3"}, {},                    "2\r\n"},
        {"carriage return alone",  {"1.5", "2", "3\r"},   {},                    "3\r"},
        {"line feed in a row",     {"1.5", "2", "3"},     {"2\n", "", "", "10"}, "2\n"},
        {"semicolon in an amount", {"1.5", "2", "3"},     {"2", "", "", "1;0"},  "1;0"},
    };
    // clang-format on
    for (const Case& c : cases) {
        LiveGameRecord record;
        record.current_odds = c.odds;
        record.rows = {c.row, PositionFields{}};
        try {
            const std::string bytes = FormatGameRecord(record);
            ADD_FAILURE() << c.name << ": written as " << bytes;
        } catch (const OperationError& e) {
            EXPECT_EQ(e.what(), UnwritableValueText(c.value)) << c.name;
        }
    }
    EXPECT_EQ(UnwritableValueText("1;5"),
              "The value \"1;5\" holds a \";\" or a line break, which a game record cannot "
              "keep; the record was not written");
}

TEST(GameRecord, TooManyPositionsAreRefused) {
    std::string bytes = "1;2;3;\r\n";
    for (std::size_t i = 0; i < kMaxRecordRows; ++i) {
        bytes += "2;;;1;\n";
    }
    EXPECT_EQ(ParseGameRecord(bytes).rows.size(), kMaxRecordRows);
    bytes += "2;;;1;\n";
    try {
        ParseGameRecord(bytes);
        ADD_FAILURE() << "no error";
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), kRecordTooManyRowsText);
    }
    // Empty lines cost nothing, however many.
    EXPECT_TRUE(ParseGameRecord(std::string(kMaxRecordBytes, '\n')).rows.empty());
}

TEST(StartTime, TextsThatAreTimes) {
    struct Case {
        const char* text;
        int hour;
        int minute;
    };
    // clang-format off
    const Case cases[] = {
        {"20:45", 20, 45},
        {"00:00", 0,  0},
        {"23:59", 23, 59},
        {"09:05", 9,  5},
        {" 9:05", 9,  5},
        {"_9:05", 9,  5},
        {"9:05",  9,  5},
    };
    // clang-format on
    for (const Case& c : cases) {
        const TimeOfDay t = ParseStartTime(c.text);
        EXPECT_EQ(t.hour, c.hour) << c.text;
        EXPECT_EQ(t.minute, c.minute) << c.text;
    }
}

TEST(StartTime, TextsThatAreNot) {
    struct Case {
        const char* text;
        const char* error;
    };
    // clang-format off
    const Case cases[] = {
        {"24:00", "'24:00' is not a valid time"},
        {"12:60", "'12:60' is not a valid time"},
        {"99:99", "'99:99' is not a valid time"},
        {"ab:cd", "'ab:cd' is not a valid time"},
        {"",      "'' is not a valid time"},
        {"12345", "'12345' is not a valid time"},
        {"12:3_", kTimeIncompleteText},
        {"1_:30", kTimeIncompleteText},
        {"  :  ", kTimeIncompleteText},
    };
    // clang-format on
    for (const Case& c : cases) {
        try {
            ParseStartTime(c.text);
            ADD_FAILURE() << "no error for '" << c.text << "'";
        } catch (const OperationError& e) {
            EXPECT_STREQ(e.what(), c.error) << "'" << c.text << "'";
        }
    }
}

TEST(RecordName, StampNameAndExtension) {
    EXPECT_EQ(RecordFileName({2008, 3, 15}, {20, 45}, "Home - Away"),
              "2008_03_15;20-45;Home - Away.lvo");
    EXPECT_EQ(RecordFileName({2008, 3, 15}, {20, 45}, ""), "2008_03_15;20-45;.lvo");
    EXPECT_EQ(RecordFileName({2009, 1, 2}, {3, 4}, "a;b c"), "2009_01_02;03-04;a;b c.lvo");

    EXPECT_TRUE(IsAcceptableGameName("Home - Away; 2nd half"));
    EXPECT_TRUE(IsAcceptableGameName(""));
    EXPECT_FALSE(IsAcceptableGameName("../x"));
    EXPECT_FALSE(IsAcceptableGameName("a\\b"));
    EXPECT_FALSE(IsAcceptableGameName(std::string("a\0b", 3)));
}

TEST(RecordFolder, ListsFilesOnlySortedWithoutRegardToCase) {
    TempFolder folder;
    for (const char* name :
         {"2008_03_15;20-45;b.lvo", "2008_03_15;20-45;A.lvo", "2008_03_14;23-00;z.lvo",
          "2008_03_15;20-45;\xCE\xB2.lvo",  // Greek small beta
          "2008_03_15;20-45;\xCE\x91.lvo",  // Greek capital alpha
          "notes.txt", ".hidden", "2008_03_15;20-45;a.lvo"}) {
        folder.Write(name, "");
    }
    std::filesystem::create_directory(folder / "2008_03_15;20-45;sub.lvo");
    const std::vector<std::string> expected = {
        "2008_03_14;23-00;z.lvo",
        "2008_03_15;20-45;A.lvo",
        "2008_03_15;20-45;a.lvo",
        "2008_03_15;20-45;b.lvo",
        "2008_03_15;20-45;\xCE\x91.lvo",
        "2008_03_15;20-45;\xCE\xB2.lvo",
        "notes.txt",
    };
    EXPECT_EQ(ListRecordFiles(folder.Path()), expected);
}

TEST(RecordFolder, ListingNeverReadsContents) {
    TempFolder folder;
    // A sparse file of 64 GB, a million lines, noise, a 255-byte name and a
    // pipe nobody writes to: listing reads none of them.
    {
        std::FILE* f = std::fopen((folder / "huge.lvo").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fclose(f);
        std::filesystem::resize_file(folder / "huge.lvo", std::uintmax_t{64} << 30);
    }
    folder.Write("lines.lvo", std::string(1000000, '\n'));
    std::string noise(4096, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 7919u) >> 3);
    }
    folder.Write("noise.lvo", noise);
    const std::string long_name = "2008_03_15;20-45;" + std::string(234, 'x') + ".lvo";
    ASSERT_EQ(long_name.size(), 255u);
    folder.Write(long_name, "1;2;3;\r\n");
    ASSERT_EQ(mkfifo((folder / "pipe.lvo").c_str(), 0600), 0);

    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::string> names = ListRecordFiles(folder.Path());
    const auto took = std::chrono::steady_clock::now() - start;

    EXPECT_EQ(names, (std::vector<std::string>{long_name, "huge.lvo", "lines.lvo", "noise.lvo"}));
    EXPECT_LT(took, testing::InTime(std::chrono::seconds(1)));
}

TEST(RecordFolder, CreatingNeverEmptiesAnExistingFile) {
    TempFolder folder;
    EXPECT_TRUE(CreateEmptyRecord(folder / "g.lvo"));
    EXPECT_EQ(folder.Read("g.lvo"), "");
    folder.Write("g.lvo", "1;2;3;\r\n");
    EXPECT_FALSE(CreateEmptyRecord(folder / "g.lvo"));
    EXPECT_EQ(folder.Read("g.lvo"), "1;2;3;\r\n");
    try {
        CreateEmptyRecord(folder / "missing/g.lvo");
        ADD_FAILURE();
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), "Invalid filename");
    }
}

}  // namespace
}  // namespace orvanta

#include "core/markets/odds_page.h"

#include <algorithm>
#include <cmath>

#include "core/base/operation_error.h"
#include "core/numeric/key_filter.h"
#include "core/numeric/number_text.h"
#include "core/numeric/page_numbers.h"

namespace orvanta {

namespace {

constexpr const char* kResultHeaders[OddsPage::kResultCols] = {"1", "X", "2", "1X", "12", "X2"};

// A header cell whose text comes from the catalogue.
struct CaptionCell {
    int col;
    int row;
    CatalogueText text;
};

constexpr CaptionCell kRecordHeaders[] = {
    {0, 0, {"FrmMain", "AdvOddsColumnHeaders_0", "RESULT"}},
    {1, 0, {"FrmMain", "AdvOddsColumnHeaders_1", "WINS"}},
    {2, 0, {"FrmMain", "AdvOddsColumnHeaders_2", "DRAWS"}},
    {3, 0, {"FrmMain", "AdvOddsColumnHeaders_3", "LOSSES"}},
    {0, 1, {"FrmMain", "AdvOddsRowHeaders_1", "HOME TEAM"}},
    {0, 2, {"FrmMain", "AdvOddsRowHeaders_2", "AWAY TEAM"}},
};

constexpr CaptionCell kPriceRowHeaders[] = {
    {0, 1, {"FrmMain", "AdvOdds1RowHeaders_1", "EU DECIMAL"}},
    {0, 2, {"FrmMain", "AdvOdds1RowHeaders_2", "UK FRACTIONAL"}},
    {0, 3, {"FrmMain", "AdvOdds1RowHeaders_3", "US WHOLE +,-"}},
    {0, 4, {"FrmMain", "AdvOdds1RowHeaders_4", "PROBABILITY(%)"}},
};

// Followed by the blank cell's row and column headers.
constexpr CatalogueText kMissingCount{"Message", "WriteValueFrom", "WriteValueFrom"};

constexpr GridColour kPriceRowColours[] = {kColourLightCyan, kColourLightGreen, kColourLightYellow,
                                           kColourLightCyan};

// i/j in whole hundredths, exact halves to the even neighbour (1/8 is 12).
int FractionHundredths(int i, int j) {
    const int quotient = 100 * i / j;
    const int twice_rest = 2 * (100 * i % j);
    if (twice_rest > j || (twice_rest == j && quotient % 2 != 0)) {
        return quotient + 1;
    }
    return quotient;
}

// The counts in favour of each of 1, X and 2: home wins with away losses, the
// draws of both, away wins with home losses.
struct Favourable {
    int col_a, row_a, col_b, row_b;
};
constexpr Favourable kFavourable[3] = {
    {OddsPage::kWinsCol, OddsPage::kHomeRow, OddsPage::kLossesCol, OddsPage::kAwayRow},
    {OddsPage::kDrawsCol, OddsPage::kHomeRow, OddsPage::kDrawsCol, OddsPage::kAwayRow},
    {OddsPage::kWinsCol, OddsPage::kAwayRow, OddsPage::kLossesCol, OddsPage::kHomeRow},
};

// The double chances 1X, 12 and X2 join the results (1, X), (1, 2), (X, 2).
constexpr std::pair<int, int> kDoubleChances[3] = {{1, 2}, {1, 3}, {2, 3}};
constexpr int kFirstDoubleChanceCol = 4;

// The six counts added up; nothing when one is blank, which a message names.
std::optional<double> TotalCount(const TextGrid& records, const PageNumbers& value,
                                 Services& services, const Catalogue& catalogue) {
    double total = 0.0;
    for (int c = OddsPage::kWinsCol; c <= OddsPage::kLossesCol; ++c) {
        for (int r = OddsPage::kHomeRow; r <= OddsPage::kAwayRow; ++r) {
            if (records.Cell(c, r).empty()) {
                services.prompter.ShowMessage(catalogue.Read(kMissingCount) + "  :" +
                                              records.Cell(0, r) + " " + records.Cell(c, 0));
                return std::nullopt;
            }
            total += value(records.Cell(c, r));
        }
    }
    return total;
}

// EU DECIMAL of 1, X and 2: all the counts over those in favour, shortened by
// the cut.
void WriteFairOdds(OddsPage& page, double total, const PageNumbers& value, char sep) {
    for (int k = 0; k < 3; ++k) {
        const Favourable& f = kFavourable[k];
        // Read at each use, like every figure on the page, so an unreadable
        // count is reported each time it is used.
        auto favourable_count = [&] {
            return value(page.records.Cell(f.col_a, f.row_a)) +
                   value(page.records.Cell(f.col_b, f.row_b));
        };
        std::string text = "0";
        if (favourable_count() != 0.0) {
            const double fair = total / favourable_count();
            text = NumberToText(Round2(fair / 100.0 * (100.0 - value(page.cut_percent.text))), sep);
        }
        page.prices.SetCell(k + 1, OddsPage::kDecimalRow, text);
    }
}

// EU DECIMAL of the double chances, from the two result odds as written.
void WriteDoubleChanceOdds(TextGrid& prices, const PageNumbers& value, char sep) {
    for (int k = 0; k < 3; ++k) {
        const double a = value(prices.Cell(kDoubleChances[k].first, OddsPage::kDecimalRow));
        const double b = value(prices.Cell(kDoubleChances[k].second, OddsPage::kDecimalRow));
        const std::string text = a + b != 0.0 ? NumberToText(Round2(a * b / (a + b)), sep) : "0";
        prices.SetCell(k + kFirstDoubleChanceCol, OddsPage::kDecimalRow, text);
    }
}

// UK FRACTIONAL: the fraction nearest below the decimal odds less the stake.
void WriteFractionalOdds(TextGrid& prices, const PageNumbers& value, char sep) {
    for (int c = 1; c <= OddsPage::kResultCols; ++c) {
        const double t = value(prices.Cell(c, OddsPage::kDecimalRow)) - 1.0;
        const auto [n, d] = FindFraction(t);
        prices.SetCell(c, OddsPage::kFractionRow,
                       NumberToText(n, sep) + "/" + NumberToText(d, sep));
    }
}

// US WHOLE +,- from the fractions. A 0/0 fraction has no US number; a figure
// left from an earlier calculation would belong to other odds.
void WriteUsOdds(TextGrid& prices, Services& services) {
    for (int c = 1; c <= OddsPage::kResultCols; ++c) {
        const std::optional<double> us =
            FractionToUs(prices.Cell(c, OddsPage::kFractionRow), services);
        prices.SetCell(c, OddsPage::kUsRow,
                       us ? NumberToText(*us, services.separator) : std::string());
    }
}

// PROBABILITY(%) of 1, X and 2: the payback of the book of the three over
// each one's odds.
void WriteProbabilities(TextGrid& prices, const PageNumbers& value, char sep) {
    const double o1 = value(prices.Cell(1, OddsPage::kDecimalRow));
    const double ox = value(prices.Cell(2, OddsPage::kDecimalRow));
    const double o2 = value(prices.Cell(3, OddsPage::kDecimalRow));
    const double odds[3] = {o1, ox, o2};
    for (int k = 0; k < 3; ++k) {
        std::string text = "0";
        if (o1 != 0.0 && ox != 0.0 && o2 != 0.0) {
            const double payback = 10000.0 / (100.0 / o1 + 100.0 / ox + 100.0 / o2);
            text = NumberToText(RoundWhole(payback / odds[k]), sep);
        }
        prices.SetCell(k + 1, OddsPage::kProbabilityRow, text);
    }
}

// PROBABILITY(%) of the double chances: their two results' as written.
void WriteDoubleChanceProbabilities(TextGrid& prices, const PageNumbers& value, char sep) {
    for (int k = 0; k < 3; ++k) {
        const double a = value(prices.Cell(kDoubleChances[k].first, OddsPage::kProbabilityRow));
        const double b = value(prices.Cell(kDoubleChances[k].second, OddsPage::kProbabilityRow));
        prices.SetCell(k + kFirstDoubleChanceCol, OddsPage::kProbabilityRow,
                       NumberToText(a + b, sep));
    }
}

// Where each format's text of a price goes: its member of PriceTexts and its
// box of the converter.
struct ConverterField {
    OddsFormat format;
    std::string PriceTexts::*text;
    TextBox OddsPage::*box;
};
constexpr ConverterField kConverterFields[] = {
    {OddsFormat::kDecimal, &PriceTexts::decimal, &OddsPage::price_decimal},
    {OddsFormat::kFractional, &PriceTexts::fractional, &OddsPage::price_fractional},
    {OddsFormat::kAmerican, &PriceTexts::american, &OddsPage::price_american},
    {OddsFormat::kHongKong, &PriceTexts::hong_kong, &OddsPage::price_hong_kong},
    {OddsFormat::kMalay, &PriceTexts::malay, &OddsPage::price_malay},
    {OddsFormat::kIndonesian, &PriceTexts::indonesian, &OddsPage::price_indonesian},
    {OddsFormat::kPercent, &PriceTexts::percent, &OddsPage::price_percent},
};

const ConverterField& FieldOf(OddsFormat format) {
    for (const ConverterField& field : kConverterFields) {
        if (field.format == format) {
            return field;
        }
    }
    return kConverterFields[0];
}

// Every box of the converter but the typed one.
void ShowEveryFormat(OddsPage& page, const PriceTexts& texts, std::optional<OddsFormat> typed) {
    for (const OddsFormat format : kConverterFormats) {
        if (format != typed) {
            (page.*ConverterBox(format)).text = texts.*FieldOf(format).text;
        }
    }
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// One price in every format, to show how a price is written in each: 3/2
// against 2.50, +150, -0.67.
std::string ExamplePrice(OddsFormat format, char separator) {
    Price example;
    example.decimal = 2.5;
    example.numerator = 3;
    example.denominator = 2;
    return PriceInEveryFormat(example, separator).*FieldOf(format).text;
}

}  // namespace

TextBox OddsPage::*ConverterBox(OddsFormat format) {
    return FieldOf(format).box;
}

void ConvertPrice(OddsPage& page, OddsFormat typed, char separator, const Catalogue& catalogue) {
    const std::string& text = (page.*ConverterBox(typed)).text;
    page.price_problem.clear();
    PriceTexts texts;
    if (!IsBlank(text)) {
        try {
            texts = PriceInEveryFormat(ReadPrice(text, typed), separator);
        } catch (const OperationError&) {
            // The reader's own words are English only; the page says it in
            // the user's language and shows how a price is written there.
            page.price_problem =
                catalogue.Read(odds_captions::kNotAPrice) + " " + ExamplePrice(typed, separator);
        }
    }
    ShowEveryFormat(page, texts, typed);
}

OddsPage::OddsPage() : records(4, 3), prices(kResultCols + 1, 5) {
    records.SetDefaultSizes(70, 21);
    records.SetFixedRows(1);
    records.SetFixedCols(1);
    const int record_widths[] = {120, 70, 100, 70};
    for (int c = 0; c < 4; ++c) {
        records.SetColWidth(c, record_widths[c]);
    }

    prices.SetDefaultSizes(50, 21);
    prices.SetFixedRows(1);
    prices.SetFixedCols(1);
    prices.SetColWidth(0, 120);
    for (int c = 1; c <= kResultCols; ++c) {
        prices.SetCell(c, 0, kResultHeaders[c - 1]);
    }
}

void CaptionOdds(OddsPage& page, const Catalogue& catalogue) {
    for (const CaptionCell& cell : kRecordHeaders) {
        page.records.SetCell(cell.col, cell.row, catalogue.Read(cell.text));
    }
    for (const CaptionCell& cell : kPriceRowHeaders) {
        page.prices.SetCell(cell.col, cell.row, catalogue.Read(cell.text));
    }
}

void ClearOdds(OddsPage& page, const Catalogue& catalogue) {
    CaptionOdds(page, catalogue);
    page.cut_percent.text = "0";
    ShowEveryFormat(page, PriceTexts{}, std::nullopt);
    page.price_problem.clear();
    for (int c = OddsPage::kWinsCol; c <= OddsPage::kLossesCol; ++c) {
        page.records.SetCell(c, OddsPage::kHomeRow, "");
        page.records.SetCell(c, OddsPage::kAwayRow, "");
    }
    for (int c = 1; c <= OddsPage::kResultCols; ++c) {
        for (int r = OddsPage::kDecimalRow; r <= OddsPage::kProbabilityRow; ++r) {
            page.prices.SetCell(c, r, "");
            page.prices.SetBackground(c, r, kPriceRowColours[r - 1]);
        }
    }
}

std::optional<char> FilterPriceKey(char typed, OddsFormat format, char separator) {
    if (const std::optional<char> number = FilterNumberKey(typed, separator)) {
        return number;
    }
    const bool is_signed = format == OddsFormat::kAmerican || format == OddsFormat::kMalay ||
                           format == OddsFormat::kIndonesian;
    const bool is_letter = (typed >= 'a' && typed <= 'z') || (typed >= 'A' && typed <= 'Z');
    if ((is_signed && (typed == '+' || typed == '-')) ||
        (format == OddsFormat::kFractional && (typed == '/' || is_letter)) ||
        (format == OddsFormat::kPercent && typed == '%')) {
        return typed;
    }
    return std::nullopt;
}

std::pair<int, int> FindFraction(double t) {
    if (std::isnan(t)) {
        return {0, 0};
    }
    // Every fraction lies between 0.05 and 20, so anything beyond compares alike.
    const int target = static_cast<int>(RoundWhole(std::clamp(t * 100.0, -1.0, 2001.0)));
    int best_n = 0;
    int best_d = 0;
    int best_value = 0;
    for (int i = 1; i <= 20; ++i) {
        for (int j = 1; j <= 20; ++j) {
            const int v = FractionHundredths(i, j);
            const bool simpler = i + j < best_n + best_d && v == best_value;
            const bool closer = best_value < target && v > best_value && v <= target;
            if (simpler || closer) {
                best_n = i;
                best_d = j;
                best_value = v;
            }
        }
    }
    return {best_n, best_d};
}

std::optional<double> FractionToUs(const std::string& fraction, Services& services) {
    const std::size_t slash = fraction.find('/');
    if (slash == std::string::npos) {
        return std::nullopt;
    }
    const PageNumbers value(services);
    const double n = value(fraction.substr(0, slash));
    const double d = value(fraction.substr(slash + 1));
    if (n == 0.0 || d == 0.0) {
        return std::nullopt;
    }
    return n >= d ? RoundWhole(n / d * 100.0) : RoundWhole(d / n * -100.0);
}

void CalculateOdds(OddsPage& page, Services& services, const Catalogue& catalogue) {
    const PageNumbers value(services);
    const std::optional<double> total = TotalCount(page.records, value, services, catalogue);
    if (!total) {
        return;
    }
    if (page.cut_percent.text.empty()) {
        page.cut_percent.text = "0";
    }
    const char sep = services.separator;
    WriteFairOdds(page, *total, value, sep);
    WriteDoubleChanceOdds(page.prices, value, sep);
    WriteFractionalOdds(page.prices, value, sep);
    WriteUsOdds(page.prices, services);
    WriteProbabilities(page.prices, value, sep);
    WriteDoubleChanceProbabilities(page.prices, value, sep);
}

}  // namespace orvanta

#include "core/slip/slip_input.h"

#include <cctype>

#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

constexpr int kMaxDigits = 15;
// Nine decimals at most: the denominator stays far below 2^32.
constexpr std::uint64_t kMaxDenominator = 1000000000u;

// Digits with at most one decimal mark, either one: a slip's odds are copied
// from pages written with either.
std::optional<SlipFraction> ParseDecimal(std::string_view text, char separator) {
    SlipFraction value{0, 1};
    int digits = 0;
    bool after_mark = false;
    for (char c : text) {
        if ((c == '.' || c == ',' || c == separator) && !after_mark) {
            after_mark = true;
            continue;
        }
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        if ((digits > 0 || c != '0') && ++digits > kMaxDigits) {
            return std::nullopt;
        }
        value.num = value.num * 10 + static_cast<std::uint64_t>(c - '0');
        if (after_mark) {
            if (value.den == kMaxDenominator) {
                return std::nullopt;
            }
            value.den *= 10;
        }
    }
    const bool has_digit = text.find_first_of("0123456789") != std::string_view::npos;
    return has_digit ? std::optional<SlipFraction>(value) : std::nullopt;
}

bool IsEvens(std::string_view text) {
    std::string lower;
    for (char c : text) {
        lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return lower == "evens" || lower == "evs" || lower == "even";
}

[[noreturn]] void Refuse(const Catalogue& catalogue, const CatalogueText& text) {
    throw OperationError(catalogue.Read(text));
}

// a/b below c/d, by cross products that fit: every part is below 2^50 or 2^32.
bool Below(SlipFraction a, SlipFraction b) {
    return static_cast<long double>(a.num) * b.den < static_cast<long double>(b.num) * a.den;
}

}  // namespace

std::optional<SlipFraction> ParseSlipFigure(std::string_view text, char separator, bool fraction,
                                            bool* zero_below) {
    text = TrimmedBlanks(text);
    const std::size_t slash = text.find('/');
    if (!fraction || slash == std::string_view::npos) {
        return ParseDecimal(text, separator);
    }
    const auto over = ParseDecimal(text.substr(0, slash), '\0');
    const auto under = ParseDecimal(text.substr(slash + 1), '\0');
    if (!over || !under || over->den != 1 || under->den != 1 || under->num > 1000000000u) {
        return std::nullopt;
    }
    if (under->num == 0) {
        if (zero_below) {
            *zero_below = true;
        }
        return std::nullopt;
    }
    return SlipFraction{over->num, static_cast<std::uint32_t>(under->num)};
}

SlipFraction ReadSlipOdds(std::string_view text, char separator, const Catalogue& catalogue) {
    if (IsEvens(TrimmedBlanks(text))) {
        return {2, 1};
    }
    bool zero_below = false;
    auto odds = ParseSlipFigure(text, separator, true, &zero_below);
    if (zero_below) {
        Refuse(catalogue, slip_captions::kZeroBelow);
    }
    if (odds && TrimmedBlanks(text).find('/') != std::string_view::npos) {
        odds->num += odds->den;  // 5/2 pays its stake back too: 7/2 as decimal odds
    }
    // Above 1, and at most a million as every price in the program.
    if (!odds || !Below({1, 1}, *odds) || Below({1000000, 1}, *odds)) {
        Refuse(catalogue, slip_captions::kBadOdds);
    }
    return *odds;
}

SlipFraction ReadSlipStake(std::string_view text, char separator, const Catalogue& catalogue) {
    const auto stake = ParseSlipFigure(text, separator, false);
    if (!stake || stake->num == 0 || stake->den > 100 || Below({1000000000, 1}, *stake)) {
        Refuse(catalogue, slip_captions::kBadStake);
    }
    return *stake;
}

SlipFraction ReadSlipRule4(std::string_view text, char separator, const Catalogue& catalogue) {
    if (TrimmedBlanks(text).empty()) {
        return {0, 1};
    }
    const auto pence = ParseSlipFigure(text, separator, false);
    if (!pence || Below({90, 1}, *pence)) {
        Refuse(catalogue, slip_captions::kBadRule4);
    }
    return *pence;
}

SlipFraction ReadSlipTerms(std::string_view text, char separator, const Catalogue& catalogue) {
    if (TrimmedBlanks(text).empty()) {
        return {1, 4};
    }
    bool zero_below = false;
    const auto terms = ParseSlipFigure(text, separator, true, &zero_below);
    if (zero_below) {
        Refuse(catalogue, slip_captions::kZeroBelow);
    }
    if (!terms || terms->num == 0 || Below({1, 1}, *terms)) {
        Refuse(catalogue, slip_captions::kBadTerms);
    }
    return *terms;
}

std::uint32_t ReadSlipCount(std::string_view text, const Catalogue& catalogue) {
    const auto count = ParseSlipFigure(text, '\0', false);
    if (!count || count->den != 1 || count->num == 0 || count->num > 1000) {
        Refuse(catalogue, slip_captions::kBadDeadHeat);
    }
    return static_cast<std::uint32_t>(count->num);
}

std::vector<int> SlipFolds(const SlipKind& kind, int legs, const Catalogue& catalogue) {
    if (legs == 0) {
        Refuse(catalogue, slip_captions::kNoLegs);
    }
    if (legs > kMaxSlipLegs) {
        Refuse(catalogue, slip_captions::kTooManyLegs);
    }
    std::vector<int> folds = FoldsOf(kind, legs);
    if (folds.empty()) {
        const int needed = kind.legs != 0 ? kind.legs : kind.min_legs;
        throw OperationError(catalogue.Read(slip_captions::kWrongLegs) + " (" + kind.name + ": " +
                             (kind.legs != 0 ? "" : ">= ") + std::to_string(needed) + ")");
    }
    return folds;
}

void ThrowLegError(int leg, const Catalogue& catalogue, const std::string& message) {
    throw OperationError(catalogue.Read(slip_captions::kLeg) + " " + std::to_string(leg) + ": " +
                         message);
}

}  // namespace orvanta

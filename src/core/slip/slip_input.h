#pragma once

// What a user types on a bet slip, read into exact figures: odds as decimals,
// fractions or "evens", the stake, a dead heat, a Rule 4 and place terms. Each
// reader refuses what cannot be settled with a message naming the problem.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/operation_error.h"
#include "core/i18n/catalogue.h"
#include "core/slip/bet_settlement.h"

namespace orvanta {

namespace slip_captions {
inline constexpr CatalogueText kLeg{"BetSlip", "Leg", "Leg"};
inline constexpr CatalogueText kBadOdds{
    "BetSlip", "BadOdds", "Odds are a number above 1, a fraction such as 5/2, or evens"};
inline constexpr CatalogueText kZeroBelow{"BetSlip", "ZeroBelow",
                                          "A fraction cannot have 0 below the line"};
inline constexpr CatalogueText kBadDeadHeat{
    "BetSlip", "BadDeadHeat", "A dead heat needs 1 or more runners tied and 1 or more places left"};
inline constexpr CatalogueText kBadRule4{"BetSlip", "BadRule4",
                                         "A Rule 4 deduction is 0 to 90 pence in the pound"};
inline constexpr CatalogueText kBadTerms{
    "BetSlip", "BadTerms", "Place terms are a fraction above 0 and at most 1, such as 1/4"};
inline constexpr CatalogueText kBadStake{"BetSlip", "BadStake",
                                         "The stake per bet is an amount above 0, to the cent"};
inline constexpr CatalogueText kNoLegs{"BetSlip", "NoLegs", "Enter the odds of at least one leg"};
inline constexpr CatalogueText kTooManyLegs{"BetSlip", "TooManyLegs",
                                            "A slip holds at most 15 legs"};
// Followed by the bet's name and the legs it needs ("Yankee: 4").
inline constexpr CatalogueText kWrongLegs{"BetSlip", "WrongLegs",
                                          "This bet does not fit the number of legs entered"};
}  // namespace slip_captions

// A plain figure ("2.5", "2,5", "12": either decimal mark) or, where
// `fraction` allows, "N/D". Nothing when unreadable or when it would not fit
// exactly (more than 15 digits, more than 9 after the mark); a fraction with 0
// below the line sets `zero_below`.
std::optional<SlipFraction> ParseSlipFigure(std::string_view text, char separator, bool fraction,
                                            bool* zero_below = nullptr);

// Each reader throws OperationError with the catalogue's text (and, for a
// leg, "Leg N: " before it) when the text cannot be settled.
SlipFraction ReadSlipOdds(std::string_view text, char separator, const Catalogue& catalogue);
SlipFraction ReadSlipStake(std::string_view text, char separator, const Catalogue& catalogue);
SlipFraction ReadSlipRule4(std::string_view text, char separator, const Catalogue& catalogue);
SlipFraction ReadSlipTerms(std::string_view text, char separator, const Catalogue& catalogue);
// A count of runners tied or places left: a whole number from 1.
std::uint32_t ReadSlipCount(std::string_view text, const Catalogue& catalogue);

// The folds of `kind` over `legs` legs, or the message that it does not fit.
std::vector<int> SlipFolds(const SlipKind& kind, int legs, const Catalogue& catalogue);

// Runs `read` for leg `leg` (counted from 1), putting "Leg N: " before the
// message of any error it throws.
template <typename Read>
auto ForLeg(int leg, const Catalogue& catalogue, Read&& read) -> decltype(read());

[[noreturn]] void ThrowLegError(int leg, const Catalogue& catalogue, const std::string& message);

template <typename Read>
auto ForLeg(int leg, const Catalogue& catalogue, Read&& read) -> decltype(read()) {
    try {
        return read();
    } catch (const OperationError& error) {
        ThrowLegError(leg, catalogue, error.what());
    }
}

}  // namespace orvanta

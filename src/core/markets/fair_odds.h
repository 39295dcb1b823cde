#pragma once

// Taking the bookmaker's margin out of a book of decimal odds. The implied
// probabilities r_i = 1 / o_i of a book add up to more than 1; a method turns
// them into probabilities that add up to 1. Books load more margin on long
// shots, so the methods differ most there.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

enum class MarginMethod {
    kProportional,  // r_i / sum r (the page's own arithmetic is kept where it is shown)
    kAdditive,      // r_i - (sum r - 1) / n: the same amount from every outcome
    kPower,         // r_i ^ k, k such that they add up to 1
    kShin,          // Shin's insider-trading model, z by its fixed-point iteration
    kOddsRatio,     // r_i / (c + r_i - c r_i), c such that they add up to 1
};

// Every method, in the order a choice lists them.
const std::vector<MarginMethod>& MarginMethods();

// The method's name on the command line and in settings: "proportional",
// "additive", "power", "shin", "odds-ratio".
std::string_view MethodKey(MarginMethod method);
std::optional<MarginMethod> MethodFromKey(std::string_view key);

// The name of the method's parameter as shown beside its value: "" for
// Proportional, "taken" for Additive (the amount taken from each outcome,
// as a probability), "k", "z", "c".
std::string_view ParameterName(MarginMethod method);

struct FairBook {
    MarginMethod method = MarginMethod::kProportional;
    double parameter = 0.0;  // k, z, c or the amount taken; 0 for Proportional
    double margin = 0.0;     // sum r - 1 (below 0 for a book that pays more than it takes)
    std::vector<double> probabilities;  // one per odds, as fractions; they add up to 1
    // Whether every probability lies strictly between 0 and 1. Additive on long
    // shots gives negative ones: they are returned, and this says they are unsound.
    bool in_range = true;
};

// Throws OperationError with a clear English message on fewer than two odds,
// an odds of 1 or less, a value that is not finite, or a method that has no
// answer for this book (the message says why). Never loops: every search is
// bracketed and ends within a fixed number of steps.
FairBook RemoveMargin(const std::vector<double>& odds, MarginMethod method);

}  // namespace orvanta

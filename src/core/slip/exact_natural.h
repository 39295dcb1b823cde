#pragma once

// A whole number of any size, for settling a slip exactly. A Goliath over
// eight legs at 1000/1 pays some 10^24 per unit, beyond every machine word and
// beyond the 19 digits a long double keeps, so a bet's return is summed as an
// exact fraction of these and turned into cents only once, at the end.

#include <cstdint>
#include <string>
#include <vector>

namespace orvanta {

class ExactNatural {
public:
    ExactNatural() = default;
    explicit ExactNatural(std::uint64_t value);

    bool IsZero() const { return m_limbs.empty(); }
    // -1, 0 or 1 as this is below, equal to or above `other`.
    int Compare(const ExactNatural& other) const;

    ExactNatural& operator+=(const ExactNatural& other);
    // Only for `other` not above this.
    ExactNatural& operator-=(const ExactNatural& other);
    ExactNatural operator*(const ExactNatural& other) const;
    ExactNatural& MultiplySmall(std::uint32_t factor);
    // Divides in place and answers the remainder; `divisor` is not 0.
    std::uint32_t DivideSmall(std::uint32_t divisor);

    // Whether the value fits in 64 bits, and the value when it does.
    bool FitsWord() const { return m_limbs.size() <= 2; }
    std::uint64_t Word() const;

    std::string ToDecimal() const;

private:
    void Trim();
    std::vector<std::uint32_t> m_limbs;  // least significant first, no leading zeros
};

}  // namespace orvanta

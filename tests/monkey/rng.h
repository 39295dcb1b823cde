#pragma once

// The monkey's one source of chance. mt19937_64 is defined to the bit by the
// standard, and every draw below is plain arithmetic on its output (the
// standard's distributions differ between libraries), so a seed gives the same
// run on every machine.

#include <cstdint>
#include <random>
#include <vector>

namespace orvanta::monkey {

class Rng {
public:
    explicit Rng(std::uint64_t seed = 0) : m_engine(seed) {}

    std::uint64_t Next() { return m_engine(); }

    // 0 to n - 1; 0 when n is not positive.
    int Below(int n) {
        return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(n));
    }
    // lo to hi, both included.
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Percent(int percent) { return Below(100) < percent; }

    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

    // An item of `items` chosen by its `weight` member.
    template <typename T>
    const T& Weighted(const std::vector<T>& items) {
        int total = 0;
        for (const T& item : items) {
            total += item.weight;
        }
        int draw = Below(total);
        for (const T& item : items) {
            if (draw < item.weight) {
                return item;
            }
            draw -= item.weight;
        }
        return items.back();
    }

private:
    std::mt19937_64 m_engine;
};

}  // namespace orvanta::monkey

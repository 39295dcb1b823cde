#include "core/slip/exact_natural.h"

#include <algorithm>

namespace orvanta {

ExactNatural::ExactNatural(std::uint64_t value) {
    while (value != 0) {
        m_limbs.push_back(static_cast<std::uint32_t>(value));
        value >>= 32;
    }
}

int ExactNatural::Compare(const ExactNatural& other) const {
    if (m_limbs.size() != other.m_limbs.size()) {
        return m_limbs.size() < other.m_limbs.size() ? -1 : 1;
    }
    for (std::size_t i = m_limbs.size(); i-- > 0;) {
        if (m_limbs[i] != other.m_limbs[i]) {
            return m_limbs[i] < other.m_limbs[i] ? -1 : 1;
        }
    }
    return 0;
}

ExactNatural& ExactNatural::operator+=(const ExactNatural& other) {
    m_limbs.resize(std::max(m_limbs.size(), other.m_limbs.size()) + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        carry += m_limbs[i];
        if (i < other.m_limbs.size()) {
            carry += other.m_limbs[i];
        }
        m_limbs[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    Trim();
    return *this;
}

ExactNatural& ExactNatural::operator-=(const ExactNatural& other) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        std::int64_t digit = static_cast<std::int64_t>(m_limbs[i]) - borrow;
        if (i < other.m_limbs.size()) {
            digit -= other.m_limbs[i];
        }
        borrow = digit < 0 ? 1 : 0;
        m_limbs[i] = static_cast<std::uint32_t>(digit + (borrow << 32));
    }
    Trim();
    return *this;
}

ExactNatural ExactNatural::operator*(const ExactNatural& other) const {
    ExactNatural product;
    if (IsZero() || other.IsZero()) {
        return product;
    }
    product.m_limbs.assign(m_limbs.size() + other.m_limbs.size(), 0);
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < other.m_limbs.size(); ++j) {
            const std::uint64_t cell = static_cast<std::uint64_t>(m_limbs[i]) * other.m_limbs[j] +
                                       product.m_limbs[i + j] + carry;
            product.m_limbs[i + j] = static_cast<std::uint32_t>(cell);
            carry = cell >> 32;
        }
        product.m_limbs[i + other.m_limbs.size()] = static_cast<std::uint32_t>(carry);
    }
    product.Trim();
    return product;
}

ExactNatural& ExactNatural::MultiplySmall(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : m_limbs) {
        const std::uint64_t cell = static_cast<std::uint64_t>(limb) * factor + carry;
        limb = static_cast<std::uint32_t>(cell);
        carry = cell >> 32;
    }
    if (carry != 0) {
        m_limbs.push_back(static_cast<std::uint32_t>(carry));
    }
    Trim();
    return *this;
}

std::uint32_t ExactNatural::DivideSmall(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t i = m_limbs.size(); i-- > 0;) {
        const std::uint64_t cell = (remainder << 32) | m_limbs[i];
        m_limbs[i] = static_cast<std::uint32_t>(cell / divisor);
        remainder = cell % divisor;
    }
    Trim();
    return static_cast<std::uint32_t>(remainder);
}

std::uint64_t ExactNatural::Word() const {
    std::uint64_t value = 0;
    for (std::size_t i = std::min<std::size_t>(m_limbs.size(), 2); i-- > 0;) {
        value = (value << 32) | m_limbs[i];
    }
    return value;
}

std::string ExactNatural::ToDecimal() const {
    if (IsZero()) {
        return "0";
    }
    ExactNatural rest = *this;
    std::string digits;
    while (!rest.IsZero()) {
        std::uint32_t chunk = rest.DivideSmall(1000000000u);
        for (int i = 0; i < 9 && (chunk != 0 || !rest.IsZero()); ++i) {
            digits.push_back(static_cast<char>('0' + chunk % 10));
            chunk /= 10;
        }
    }
    return std::string(digits.rbegin(), digits.rend());
}

void ExactNatural::Trim() {
    while (!m_limbs.empty() && m_limbs.back() == 0) {
        m_limbs.pop_back();
    }
}

}  // namespace orvanta

#pragma once

// How a page's operation reads its figures: every text through TextToNumber
// with the user's decimal separator, an unreadable one shown as "Error Value"
// through the prompter and read as 0. An operation makes one from its
// services and reads every figure through it.

#include <string>

#include "core/base/services.h"

namespace orvanta {

class PageNumbers {
public:
    explicit PageNumbers(Services& services)
        : m_separator(services.separator), m_prompter(services.prompter) {}

    double operator()(const std::string& text) const;

private:
    char m_separator;
    Prompter& m_prompter;
};

}  // namespace orvanta

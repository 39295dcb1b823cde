#include "core/numeric/page_numbers.h"

#include "core/numeric/number_text.h"

namespace orvanta {

double PageNumbers::operator()(const std::string& text) const {
    return TextToNumber(text, m_separator, m_prompter);
}

}  // namespace orvanta

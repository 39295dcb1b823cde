// orvanta-calc convert: one price in every odds format.

#include <string>
#include <vector>

#include "cli/calc_session.h"
#include "cli/subcommand.h"
#include "core/base/operation_error.h"
#include "core/markets/odds_formats.h"
#include "core/numeric/number_text.h"

namespace orvanta {

namespace {

Problem SetFrom(CalcRequest& request, const std::string& value) {
    if (!FormatFromKey(value)) {
        return "--from takes decimal, fractional, american, hong-kong, malay, indonesian or "
               "percent";
    }
    request.convert_from = value;
    return std::nullopt;
}

std::string WithSign(double value, char sep) {
    return (value >= 0.0 ? "+" : "") + NumberToText(value, sep);
}

// The figures unrounded, to the fifteen digits of every figure the program
// writes; the fraction exact where the price gives one. The signs are the
// bookmakers': American + from evens up, Malay - above evens, Indonesian -
// below them.
FigureBoxes PriceFigures(CalcSession& session, OddsFormat from) {
    const std::vector<std::string>& prices = session.Request().cells;
    if (prices.size() != 1) {
        throw OperationError("Convert one price at a time");
    }
    const Price price = ReadPrice(prices.front(), from);
    const char sep = session.Separator();
    const double d = price.decimal;
    const double winnings = d - 1.0;
    FigureBoxes figures;
    figures.Add("decimal", "Decimal", NumberToText(d, sep));
    figures.Add("fractional", "Fractional", PriceInEveryFormat(price, sep).fractional);
    figures.Add("american", "American",
                WithSign(d >= 2.0 ? 100.0 * winnings : -100.0 / winnings, sep));
    figures.Add("hong_kong", "Hong Kong", NumberToText(winnings, sep));
    figures.Add("malay", "Malay", NumberToText(d <= 2.0 ? winnings : -1.0 / winnings, sep));
    figures.Add("indonesian", "Indonesian",
                NumberToText(d >= 2.0 ? winnings : -1.0 / winnings, sep));
    figures.Add("percent", "Implied %", NumberToText(100.0 / d, sep));
    return figures;
}

int RunConvert(CalcSession& session) {
    const OddsFormat from =
        FormatFromKey(session.Request().convert_from.value_or("")).value_or(OddsFormat::kDecimal);
    return session.FinishFigures([&] { return PriceFigures(session, from); });
}

}  // namespace

Subcommand ConvertSubcommand() {
    return {"convert",
            "[--from decimal|fractional|american|hong-kong|malay|indonesian|percent] PRICE",
            {{"--from", SetFrom}},
            TakeTexts,
            RunConvert};
}

}  // namespace orvanta

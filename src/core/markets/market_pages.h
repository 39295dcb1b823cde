#pragma once

// The three market calculators: ARBITRAGE, PROBABILITY and ODDS.
//
// Each page is a plain struct of the grids and boxes the window shows, named by
// what they hold. The window copies what the user typed into the struct, runs
// the page's Clear... (Clear, start-up) or Calculate... (Calculate), and shows
// whatever the struct holds afterwards, also when a calculation stopped
// part-way on an OperationError. The captions of a page's labels sit beside
// it, read by the window from the catalogue and by orvanta-calc as they are.
// A calculation reads every figure from its text with TextToNumber, works in
// double, rounds where the page shows rounded figures, and writes the texts
// back with NumberToText; nothing is kept between calculations but the texts.
// The grid rules (which cell may become current, what Enter does) are separate
// so that the window can ask them while the user types.

#include "core/markets/arbitrage_page.h"
#include "core/markets/market_grid_rules.h"
#include "core/markets/odds_page.h"
#include "core/markets/probability_page.h"

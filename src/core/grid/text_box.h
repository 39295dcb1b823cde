#pragma once

// An edit box as the core sees it: its text and, where a page colours it, its
// background. The window copies what the user typed into it before an
// operation and shows what the operation left after it.

#include <optional>
#include <string>

#include "core/grid/text_grid.h"

namespace orvanta {

struct TextBox {
    std::string text;
    // Nothing: the box's normal background.
    std::optional<GridColour> colour;
};

inline constexpr GridColour kColourWhite = GridColour::Rgb(255, 255, 255);
inline constexpr GridColour kColourLime = GridColour::Rgb(0, 255, 0);
inline constexpr GridColour kColourRed = GridColour::Rgb(255, 0, 0);
inline constexpr GridColour kColourPaleYellow = GridColour::Rgb(255, 255, 196);
inline constexpr GridColour kColourLightGreen = GridColour::Rgb(74, 255, 74);
inline constexpr GridColour kColourLightYellow = GridColour::Rgb(255, 255, 98);
inline constexpr GridColour kColourLightCyan = GridColour::Rgb(111, 251, 251);

}  // namespace orvanta

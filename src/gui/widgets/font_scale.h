#pragma once

// The program's font and how the layout grows with the desktop's.
//
// The windows were drawn for an 8-point sans: their fixed sizes (a grid's
// column widths and row heights, a box's width, a button strip's height) are
// sizes at that font. A larger desktop font makes them larger by as much as
// the font needs: widths by how much wider its figures are, heights by how
// much taller its lines. At the program's own font nothing changes.

#include <QFont>

namespace orvanta {

// The program's own font, for a desktop that names none.
QFont ProgramFont();

// Whether a font is one the desktop named. Without a desktop theme (a bare X
// server, a session that sets no font) Qt offers its stand-in, "Sans Serif" at
// 9 points; that is no choice of the user's.
bool DesktopNamesFont(const QFont& font);

// How much room a font needs beyond the program's own, never less.
class FontScale {
public:
    FontScale() = default;
    explicit FontScale(const QFont& font);

    // A width drawn for the program's font, at this font.
    int Across(int width) const;
    // A width at this font back at the program's font (what a grid keeps).
    int AcrossBack(int width) const;
    // A height drawn for the program's font, at this font.
    int Down(int height) const;

    double AcrossFactor() const { return m_across; }

private:
    double m_across = 1.0;
    int m_extra_height = 0;
};

}  // namespace orvanta

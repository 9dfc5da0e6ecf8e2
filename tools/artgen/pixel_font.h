// Hand-drawn pixel fonts: capitals seven pixels high for the type icons and tab buttons,
// and small digits for the contact sheet labels.
#ifndef ZORAVEL_ARTGEN_PIXEL_FONT_H
#define ZORAVEL_ARTGEN_PIXEL_FONT_H

#include <string>
#include <vector>

enum class FontKind {
    kWide,   // capitals, mostly 5 pixels wide
    kNarrow, // capitals, mostly 4 pixels wide, for six-letter words
    kTiny,   // digits and a few small letters, 3 by 5
};

struct PixelPos {
    int x, y;
};

const int kCapitalHeight = 7;
const int kTinyHeight = 5;

// Width in pixels of text set with one blank column between letters.
int TextWidth(const std::string &text, FontKind font);
// The set pixels of text whose top-left corner is (x, y). Throws on a letter the font lacks.
std::vector<PixelPos> TextPixels(const std::string &text, FontKind font, int x, int y);

#endif

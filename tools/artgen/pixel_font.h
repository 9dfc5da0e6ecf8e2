/* Hand-drawn pixel fonts: capitals seven pixels high for the type icons and tab buttons,
   and small digits for the contact sheet labels. */
#ifndef ZORAVEL_ARTGEN_PIXEL_FONT_H
#define ZORAVEL_ARTGEN_PIXEL_FONT_H

#include <string>
#include <vector>

enum FontKind {
    FONT_WIDE,   /* capitals, mostly 5 pixels wide */
    FONT_NARROW, /* capitals, mostly 4 pixels wide, for six-letter words */
    FONT_TINY,   /* digits and a few small letters, 3 by 5 */
};

struct PixelPos {
    int x, y;
};

const int CAPITAL_HEIGHT = 7;
const int TINY_HEIGHT = 5;

/* Width in pixels of text set with one blank column between letters. */
int TextWidth(const std::string &text, FontKind font);
/* The set pixels of text whose top-left corner is (x, y). Throws on a letter the font lacks. */
std::vector<PixelPos> TextPixels(const std::string &text, FontKind font, int x, int y);

#endif

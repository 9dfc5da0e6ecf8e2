// The small fixed images of the viewer: type icons, tab buttons and gender symbols.
// Letters come from the pixel font; every colour here is part of the look of the window.
#include "ui_images.h"

#include "pixel_font.h"
#include "resource.h"

namespace {

const int kTypeLetterTop = 2;
const int kTypeUpperRows = 6;
const Rgb kTabRaisedFace = {72, 144, 176};
const Rgb kTabRaisedShadow = {8, 88, 128};
const Rgb kTabPressedFace = {0, 255, 255};
const Rgb kTabPressedShadow = {0, 128, 255};
const Rgb kTabPressedBorder = {128, 128, 128};
const Rgb kTabLight = {192, 192, 192};
const Rgb kTabLightDim = {128, 128, 128};
const int kTabRaisedTextTop = 3;

const Rgb kFemaleMain = {231, 8, 8};
const Rgb kFemaleLight = {255, 189, 115};
const Rgb kMaleMain = {49, 82, 206};
const Rgb kMaleLight = {165, 198, 247};

// Letter pixels first get their shadow one pixel right and below, then the letters on top.
void DrawShadowedText(Raster &r, const std::vector<PixelPos> &pixels, Rgb ink, Rgb shadow)
{
    for (PixelPos p : pixels)
        SetPixel(r, p.x + 1, p.y + 1, shadow);
    for (PixelPos p : pixels)
        SetPixel(r, p.x, p.y, ink);
}

// Squared distance from the centre of pixel (x, y) to the centre of pixel (cx, cy), doubled units.
int Dist2(int x, int y, int cx, int cy)
{
    const int dx = 2 * (x - cx), dy = 2 * (y - cy);
    return dx * dx + dy * dy;
}

// A ring in doubled units: the rim between radii 3.5 and 6.5 px, its light core between 4.5 and 5.5.
void DrawRing(Raster &r, int cx, int cy, Rgb main, Rgb light)
{
    const int kInner = 7 * 7, kOuter = 13 * 13, kCoreInner = 9 * 9, kCoreOuter = 11 * 11;
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const int d = Dist2(x, y, cx, cy);
            if (d < kInner || d > kOuter)
                continue;
            SetPixel(r, x, y, d >= kCoreInner && d <= kCoreOuter ? light : main);
        }
}

// A stroke three pixels wide with a light middle line, vertical or horizontal.
void DrawBar(Raster &r, int x0, int y0, int x1, int y1, Rgb main, Rgb light)
{
    const bool vertical = x0 == x1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            for (int side = -1; side <= 1; ++side) {
                const int px = vertical ? x + side : x;
                const int py = vertical ? y : y + side;
                if (GetPixel(r, px, py) == light)
                    continue;
                SetPixel(r, px, py, side == 0 ? light : main);
            }
}

} // namespace

// clang-format off
const TypeIconRow kTypeIcons[kTypeIconCount] = {
    // id                 word      accent  upper face        lower face
    {IDB_TYPE_INSECT,   "ROBAK",  -1, {222, 230,  49}, {222, 230,  49}},
    {IDB_TYPE_DARK,     "MROK",   -1, { 82, 123, 140}, { 82, 123, 140}},
    {IDB_TYPE_DRAGON,   "SMOK",   -1, {107, 148, 247}, {239,  49,   0}},
    {IDB_TYPE_ELECTRIC, "ELEKTR", -1, {255, 181,  16}, {255, 181,  16}},
    {IDB_TYPE_FIGHTING, "WALKA",  -1, {239,  49,   0}, {239,  49,   0}},
    {IDB_TYPE_FIRE,     "OGIEN",   4, {247, 132,  49}, {247, 132,  49}},
    {IDB_TYPE_FLYING,   "LOT",    -1, {156, 222, 222}, {173, 173, 123}},
    {IDB_TYPE_GHOST,    "DUCH",   -1, {165,  66, 165}, {165,  66, 165}},
    {IDB_TYPE_GRASS,    "TRAWA",  -1, {123, 206,  82}, {123, 206,  82}},
    {IDB_TYPE_GROUND,   "ZIEMIA", -1, {222, 230,  49}, {189, 165,  58}},
    {IDB_TYPE_ICE,      "LOD",     1, {156, 222, 222}, {156, 222, 222}},
    {IDB_TYPE_NORMAL,   "NORMAL", -1, {173, 173, 123}, {173, 173, 123}},
    {IDB_TYPE_PSYCHIC,  "PSYCHO", -1, {255,  90, 140}, {255,  90, 140}},
    {IDB_TYPE_ROCK,     "KAMIEN", -1, {189, 165,  58}, {189, 165,  58}},
    {IDB_TYPE_STEEL,    "STAL",   -1, {173, 173, 123}, { 82, 123, 140}},
    {IDB_TYPE_POISON,   "TRUCIZ", -1, {255,  90, 140}, {165,  66, 165}},
    {IDB_TYPE_WATER,    "WODA",   -1, {107, 148, 247}, {107, 148, 247}},
};

const TabRow kTabs[kTabCount] = {
    // id                     word     pressed  light edge (raised only)
    {IDB_TAB_INFO_OFF,      "OPIS",  false, {192, 192, 192}},
    {IDB_TAB_INFO_ON,       "OPIS",  true,  {192, 192, 192}},
    {IDB_TAB_MOVES_OFF,     "ATAKI", false, {192, 192, 192}},
    {IDB_TAB_MOVES_ON,      "ATAKI", true,  {192, 192, 192}},
    {IDB_TAB_MACHINES_OFF,  "TM&HM", false, {192, 192, 192}},
    {IDB_TAB_MACHINES_ON,   "TM&HM", true,  {192, 192, 192}},
    {IDB_TAB_EVOLUTION_ON,  "EWOL.", true,  {192, 192, 192}},
    {IDB_TAB_EVOLUTION_OFF, "EWOL.", false, {128, 128, 128}},
};
// clang-format on

Raster DrawTypeIcon(const TypeIconRow &row)
{
    Raster r = MakeRaster(kTypeIconWidth, kTypeIconHeight, row.lowerFace);
    FillRect(r, 0, 0, kTypeIconWidth, kTypeUpperRows, row.upperFace);
    const std::string word = row.word;
    // Six-letter words only fit the icon, shadow included, in the narrow letters.
    FontKind font = FontKind::kWide;
    if (TextWidth(word, font) + 1 > kTypeIconWidth - 2)
        font = FontKind::kNarrow;
    const int left = (kTypeIconWidth - (TextWidth(word, font) + 1)) / 2;
    std::vector<PixelPos> pixels = TextPixels(word, font, left, kTypeLetterTop);
    if (row.accentLetter >= 0) {
        const int letterLeft =
            left + TextWidth(word.substr(0, row.accentLetter), font) + (row.accentLetter > 0 ? 1 : 0);
        const int letterMid = letterLeft + TextWidth(word.substr(row.accentLetter, 1), font) / 2;
        pixels.push_back({letterMid + 1, 0});
        pixels.push_back({letterMid, 1});
    }
    DrawShadowedText(r, pixels, kWhite, kTypeShadow);
    SetPixel(r, 0, 0, kTypeCorner);
    SetPixel(r, kTypeIconWidth - 1, 0, kTypeCorner);
    SetPixel(r, 0, kTypeIconHeight - 1, kTypeCorner);
    SetPixel(r, kTypeIconWidth - 1, kTypeIconHeight - 1, kTypeCorner);
    return r;
}

Raster DrawTab(const TabRow &row)
{
    Raster r = MakeRaster(kTabWidth, kTabHeight, row.pressed ? kTabPressedFace : kTabRaisedFace);
    if (row.pressed) {
        FillRect(r, 0, 0, kTabWidth, 1, kTabPressedBorder);
        FillRect(r, 0, kTabHeight - 1, kTabWidth, 1, kTabPressedBorder);
        FillRect(r, 0, 0, 1, kTabHeight, kTabPressedBorder);
        FillRect(r, kTabWidth - 1, 0, 1, kTabHeight, kTabPressedBorder);
    } else {
        FillRect(r, 0, 0, kTabWidth, 1, row.lightEdge);
        FillRect(r, 0, 0, 1, kTabHeight, row.lightEdge);
        FillRect(r, 0, kTabHeight - 1, kTabWidth, 1, kBlack);
        FillRect(r, kTabWidth - 1, 0, 1, kTabHeight, kBlack);
    }
    const std::string word = row.word;
    const int shift = row.pressed ? 1 : 0;
    const int left = (kTabWidth - (TextWidth(word, FontKind::kWide) + 1)) / 2 + shift;
    DrawShadowedText(r, TextPixels(word, FontKind::kWide, left, kTabRaisedTextTop + shift), kBlack,
                     row.pressed ? kTabPressedShadow : kTabRaisedShadow);
    return r;
}

Raster DrawFemaleSymbol()
{
    const int kCentreX = 7, kRingY = 7, kCrossY = 17, kStemEnd = 21;
    Raster r = MakeRaster(kSymbolWidth, kSymbolHeight, kSymbolBackground);
    DrawRing(r, kCentreX, kRingY, kFemaleMain, kFemaleLight);
    DrawBar(r, kCentreX, 14, kCentreX, kStemEnd - 1, kFemaleMain, kFemaleLight);
    DrawBar(r, kCentreX - 3, kCrossY, kCentreX + 3, kCrossY, kFemaleMain, kFemaleLight);
    SetPixel(r, kCentreX - 1, kStemEnd, kFemaleMain);
    SetPixel(r, kCentreX, kStemEnd, kFemaleMain);
    SetPixel(r, kCentreX + 1, kStemEnd, kFemaleMain);
    return r;
}

Raster DrawMaleSymbol()
{
    const int kCentreX = 7, kRingY = 14, kHeadRows = 4;
    Raster r = MakeRaster(kSymbolWidth, kSymbolHeight, kSymbolBackground);
    DrawRing(r, kCentreX, kRingY, kMaleMain, kMaleLight);
    DrawBar(r, kCentreX, 2, kCentreX, 7, kMaleMain, kMaleLight);
    // Arrowhead: rows widening by one pixel each side, light along the middle.
    for (int row = 0; row < kHeadRows; ++row)
        for (int x = kCentreX - row - 1; x <= kCentreX + row + 1; ++x)
            SetPixel(r, x, row + 1, x == kCentreX && row > 0 ? kMaleLight : kMaleMain);
    SetPixel(r, kCentreX, 0, kMaleMain);
    return r;
}

/* The small fixed images of the viewer: type icons, tab buttons and gender symbols.
   Letters come from the pixel font; every colour here is part of the look of the window. */
#include "ui_images.h"

#include "pixel_font.h"
#include "resource.h"

static const int TYPE_LETTER_TOP = 2;
static const int TYPE_UPPER_ROWS = 6;
static const Rgb TAB_RAISED_FACE = {72, 144, 176};
static const Rgb TAB_RAISED_SHADOW = {8, 88, 128};
static const Rgb TAB_PRESSED_FACE = {0, 255, 255};
static const Rgb TAB_PRESSED_SHADOW = {0, 128, 255};
static const Rgb TAB_PRESSED_BORDER = {128, 128, 128};
static const Rgb TAB_LIGHT = {192, 192, 192};
static const Rgb TAB_LIGHT_DIM = {128, 128, 128};
static const int TAB_RAISED_TEXT_TOP = 3;

static const Rgb FEMALE_MAIN = {231, 8, 8};
static const Rgb FEMALE_LIGHT = {255, 189, 115};
static const Rgb MALE_MAIN = {49, 82, 206};
static const Rgb MALE_LIGHT = {165, 198, 247};

/* Letter pixels first get their shadow one pixel right and below, then the letters on top. */
static void DrawShadowedText(Raster &r, const std::vector<PixelPos> &pixels, Rgb ink, Rgb shadow)
{
    for (PixelPos p : pixels)
        SetPixel(r, p.x + 1, p.y + 1, shadow);
    for (PixelPos p : pixels)
        SetPixel(r, p.x, p.y, ink);
}

/* Squared distance from the centre of pixel (x, y) to the centre of pixel (cx, cy), doubled units. */
static int Dist2(int x, int y, int cx, int cy)
{
    const int dx = 2 * (x - cx), dy = 2 * (y - cy);
    return dx * dx + dy * dy;
}

/* A ring in doubled units: the rim between radii 3.5 and 6.5 px, its light core between 4.5 and 5.5. */
static void DrawRing(Raster &r, int cx, int cy, Rgb main, Rgb light)
{
    const int INNER = 7 * 7, OUTER = 13 * 13, CORE_INNER = 9 * 9, CORE_OUTER = 11 * 11;
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const int d = Dist2(x, y, cx, cy);
            if (d < INNER || d > OUTER)
                continue;
            SetPixel(r, x, y, d >= CORE_INNER && d <= CORE_OUTER ? light : main);
        }
}

/* A stroke three pixels wide with a light middle line, vertical or horizontal. */
static void DrawBar(Raster &r, int x0, int y0, int x1, int y1, Rgb main, Rgb light)
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

/* clang-format off */
const TypeIconRow TYPE_ICONS[TYPE_ICON_COUNT] = {
    /* id                 word      accent  upper face        lower face */
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

const TabRow TABS[TAB_COUNT] = {
    /* id                     word     pressed  light edge (raised only) */
    {IDB_TAB_INFO_OFF,      "OPIS",  false, {192, 192, 192}},
    {IDB_TAB_INFO_ON,       "OPIS",  true,  {192, 192, 192}},
    {IDB_TAB_MOVES_OFF,     "ATAKI", false, {192, 192, 192}},
    {IDB_TAB_MOVES_ON,      "ATAKI", true,  {192, 192, 192}},
    {IDB_TAB_MACHINES_OFF,  "TM&HM", false, {192, 192, 192}},
    {IDB_TAB_MACHINES_ON,   "TM&HM", true,  {192, 192, 192}},
    {IDB_TAB_EVOLUTION_ON,  "EWOL.", true,  {192, 192, 192}},
    {IDB_TAB_EVOLUTION_OFF, "EWOL.", false, {128, 128, 128}},
};
/* clang-format on */

Raster DrawTypeIcon(const TypeIconRow &row)
{
    Raster r = MakeRaster(TYPE_ICON_WIDTH, TYPE_ICON_HEIGHT, row.lowerFace);
    FillRect(r, 0, 0, TYPE_ICON_WIDTH, TYPE_UPPER_ROWS, row.upperFace);
    const std::string word = row.word;
    /* Six-letter words only fit the icon, shadow included, in the narrow letters. */
    FontKind font = FONT_WIDE;
    if (TextWidth(word, font) + 1 > TYPE_ICON_WIDTH - 2)
        font = FONT_NARROW;
    const int left = (TYPE_ICON_WIDTH - (TextWidth(word, font) + 1)) / 2;
    std::vector<PixelPos> pixels = TextPixels(word, font, left, TYPE_LETTER_TOP);
    if (row.accentLetter >= 0) {
        const int letterLeft =
            left + TextWidth(word.substr(0, row.accentLetter), font) + (row.accentLetter > 0 ? 1 : 0);
        const int letterMid = letterLeft + TextWidth(word.substr(row.accentLetter, 1), font) / 2;
        pixels.push_back({letterMid + 1, 0});
        pixels.push_back({letterMid, 1});
    }
    DrawShadowedText(r, pixels, WHITE, TYPE_SHADOW);
    SetPixel(r, 0, 0, TYPE_CORNER);
    SetPixel(r, TYPE_ICON_WIDTH - 1, 0, TYPE_CORNER);
    SetPixel(r, 0, TYPE_ICON_HEIGHT - 1, TYPE_CORNER);
    SetPixel(r, TYPE_ICON_WIDTH - 1, TYPE_ICON_HEIGHT - 1, TYPE_CORNER);
    return r;
}

Raster DrawTab(const TabRow &row)
{
    Raster r = MakeRaster(TAB_WIDTH, TAB_HEIGHT, row.pressed ? TAB_PRESSED_FACE : TAB_RAISED_FACE);
    if (row.pressed) {
        FillRect(r, 0, 0, TAB_WIDTH, 1, TAB_PRESSED_BORDER);
        FillRect(r, 0, TAB_HEIGHT - 1, TAB_WIDTH, 1, TAB_PRESSED_BORDER);
        FillRect(r, 0, 0, 1, TAB_HEIGHT, TAB_PRESSED_BORDER);
        FillRect(r, TAB_WIDTH - 1, 0, 1, TAB_HEIGHT, TAB_PRESSED_BORDER);
    } else {
        FillRect(r, 0, 0, TAB_WIDTH, 1, row.lightEdge);
        FillRect(r, 0, 0, 1, TAB_HEIGHT, row.lightEdge);
        FillRect(r, 0, TAB_HEIGHT - 1, TAB_WIDTH, 1, BLACK);
        FillRect(r, TAB_WIDTH - 1, 0, 1, TAB_HEIGHT, BLACK);
    }
    const std::string word = row.word;
    const int shift = row.pressed ? 1 : 0;
    const int left = (TAB_WIDTH - (TextWidth(word, FONT_WIDE) + 1)) / 2 + shift;
    DrawShadowedText(r, TextPixels(word, FONT_WIDE, left, TAB_RAISED_TEXT_TOP + shift), BLACK,
                     row.pressed ? TAB_PRESSED_SHADOW : TAB_RAISED_SHADOW);
    return r;
}

Raster DrawFemaleSymbol()
{
    const int CENTRE_X = 7, RING_Y = 7, CROSS_Y = 17, STEM_END = 21;
    Raster r = MakeRaster(SYMBOL_WIDTH, SYMBOL_HEIGHT, SYMBOL_BACKGROUND);
    DrawRing(r, CENTRE_X, RING_Y, FEMALE_MAIN, FEMALE_LIGHT);
    DrawBar(r, CENTRE_X, 14, CENTRE_X, STEM_END - 1, FEMALE_MAIN, FEMALE_LIGHT);
    DrawBar(r, CENTRE_X - 3, CROSS_Y, CENTRE_X + 3, CROSS_Y, FEMALE_MAIN, FEMALE_LIGHT);
    SetPixel(r, CENTRE_X - 1, STEM_END, FEMALE_MAIN);
    SetPixel(r, CENTRE_X, STEM_END, FEMALE_MAIN);
    SetPixel(r, CENTRE_X + 1, STEM_END, FEMALE_MAIN);
    return r;
}

Raster DrawMaleSymbol()
{
    const int CENTRE_X = 7, RING_Y = 14, HEAD_ROWS = 4;
    Raster r = MakeRaster(SYMBOL_WIDTH, SYMBOL_HEIGHT, SYMBOL_BACKGROUND);
    DrawRing(r, CENTRE_X, RING_Y, MALE_MAIN, MALE_LIGHT);
    DrawBar(r, CENTRE_X, 2, CENTRE_X, 7, MALE_MAIN, MALE_LIGHT);
    /* Arrowhead: rows widening by one pixel each side, light along the middle. */
    for (int row = 0; row < HEAD_ROWS; ++row)
        for (int x = CENTRE_X - row - 1; x <= CENTRE_X + row + 1; ++x)
            SetPixel(r, x, row + 1, x == CENTRE_X && row > 0 ? MALE_LIGHT : MALE_MAIN);
    SetPixel(r, CENTRE_X, 0, MALE_MAIN);
    return r;
}

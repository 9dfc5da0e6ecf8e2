/* Tests of the committed type icons, tab buttons, gender symbols, program icon and resource
   lines: sizes, formats and the colours each image's role requires. */
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "artgen.h"
#include "image_files.h"

static const std::string RES_DIR = std::string(ZORAVEL_SOURCE_DIR) + "/res/";
static const Rgb CORNER = {28, 28, 28};
static const Rgb LETTER_SHADOW = {66, 66, 66};
static const Rgb SYMBOL_GREY = {76, 76, 76};

static Bytes ReadRes(const std::string &path)
{
    Bytes bytes;
    EXPECT_TRUE(ReadFileBytes(RES_DIR + path, bytes)) << path;
    return bytes;
}

static DecodedBmp LoadBitmap(int id, const char *prefix)
{
    const std::string path = std::string("bitmaps/") + prefix + "_" + std::to_string(id) + ".bmp";
    DecodedBmp bmp = DecodeBmp(ReadRes(path));
    EXPECT_TRUE(bmp.valid) << path;
    return bmp;
}

struct TypeCase {
    int id;
    Rgb upper, lower;
    bool accented;
};

/* Face colours of the type icons, as the window's look requires them. */
static const TypeCase TYPE_CASES[] = {
    {210, {222, 230, 49},  {222, 230, 49},  false},
    {211, {82, 123, 140},  {82, 123, 140},  false},
    {212, {107, 148, 247}, {239, 49, 0},    false},
    {213, {255, 181, 16},  {255, 181, 16},  false},
    {214, {239, 49, 0},    {239, 49, 0},    false},
    {215, {247, 132, 49},  {247, 132, 49},  true },
    {216, {156, 222, 222}, {173, 173, 123}, false},
    {217, {165, 66, 165},  {165, 66, 165},  false},
    {218, {123, 206, 82},  {123, 206, 82},  false},
    {219, {222, 230, 49},  {189, 165, 58},  false},
    {220, {156, 222, 222}, {156, 222, 222}, true },
    {221, {173, 173, 123}, {173, 173, 123}, false},
    {222, {255, 90, 140},  {255, 90, 140},  false},
    {223, {189, 165, 58},  {189, 165, 58},  false},
    {224, {173, 173, 123}, {82, 123, 140},  false},
    {225, {255, 90, 140},  {165, 66, 165},  false},
    {226, {107, 148, 247}, {107, 148, 247}, false},
};

TEST(ArtTypeIcons, FormatFacesCornersLettersAndShadow)
{
    for (const TypeCase &t : TYPE_CASES) {
        SCOPED_TRACE(t.id);
        const DecodedBmp bmp = LoadBitmap(t.id, "type");
        ASSERT_TRUE(bmp.valid);
        EXPECT_EQ(bmp.bitsPerPixel, 4);
        EXPECT_EQ(bmp.paletteLength, 16);
        const Raster &r = bmp.raster;
        ASSERT_EQ(r.width, 32);
        ASSERT_EQ(r.height, 12);
        EXPECT_EQ(GetPixel(r, 0, 0), CORNER);
        EXPECT_EQ(GetPixel(r, 31, 0), CORNER);
        EXPECT_EQ(GetPixel(r, 0, 11), CORNER);
        EXPECT_EQ(GetPixel(r, 31, 11), CORNER);
        int upperFace = 0, lowerFace = 0, shadows = 0, lettersInBody = 0, lettersAbove = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 32; ++x) {
                const Rgb c = GetPixel(r, x, y);
                const bool corner = (x == 0 || x == 31) && (y == 0 || y == 11);
                if (corner)
                    continue;
                if (c == WHITE) {
                    /* Every letter pixel casts its shadow right and below (or touches more letter). */
                    const Rgb below = GetPixel(r, x + 1, y + 1);
                    EXPECT_TRUE(below == WHITE || below == LETTER_SHADOW) << x << "," << y;
                    EXPECT_LE(y, 8) << "letter pixel below the letter rows at " << x << "," << y;
                    (y >= 2 ? lettersInBody : lettersAbove)++;
                } else if (c == LETTER_SHADOW) {
                    ++shadows;
                } else if (y < 6) {
                    EXPECT_EQ(c, t.upper) << x << "," << y;
                    ++upperFace;
                } else {
                    EXPECT_EQ(c, t.lower) << x << "," << y;
                    ++lowerFace;
                }
            }
        EXPECT_GT(upperFace, 40);
        EXPECT_GT(lowerFace, 40);
        EXPECT_GT(shadows, 10);
        EXPECT_GT(lettersInBody, 20);
        if (t.accented) {
            EXPECT_GT(lettersAbove, 0) << "accent missing";
        } else {
            EXPECT_EQ(lettersAbove, 0) << "white above the letters";
        }
    }
}

struct TabCase {
    int id;
    bool pressed;
    Rgb lightEdge;
    int partner; /* the other state of the same tab */
};

static const TabCase TAB_CASES[] = {
    {227, false, {192, 192, 192}, 228},
    {228, true,  {},              227},
    {229, false, {192, 192, 192}, 230},
    {230, true,  {},              229},
    {231, false, {192, 192, 192}, 232},
    {232, true,  {},              231},
    {234, true,  {},              235},
    {235, false, {128, 128, 128}, 234},
};

static std::set<std::pair<int, int>> BlackInterior(const Raster &r)
{
    std::set<std::pair<int, int>> pixels;
    for (int y = 1; y < r.height - 1; ++y)
        for (int x = 1; x < r.width - 1; ++x)
            if (GetPixel(r, x, y) == BLACK)
                pixels.insert({x, y});
    return pixels;
}

TEST(ArtTabs, EdgesFacesAndPressedShift)
{
    const Rgb raisedFace = {72, 144, 176}, raisedShadow = {8, 88, 128};
    const Rgb pressedFace = {0, 255, 255}, pressedShadow = {0, 128, 255}, grey = {128, 128, 128};
    for (const TabCase &t : TAB_CASES) {
        SCOPED_TRACE(t.id);
        const DecodedBmp bmp = LoadBitmap(t.id, "tab");
        ASSERT_TRUE(bmp.valid);
        EXPECT_EQ(bmp.bitsPerPixel, 24);
        const Raster &r = bmp.raster;
        ASSERT_EQ(r.width, 35);
        ASSERT_EQ(r.height, 14);
        for (int x = 0; x < 35; ++x) {
            EXPECT_EQ(GetPixel(r, x, 0), t.pressed ? grey : (x < 34 ? t.lightEdge : BLACK)) << x;
            EXPECT_EQ(GetPixel(r, x, 13), t.pressed ? grey : BLACK) << x;
        }
        for (int y = 0; y < 14; ++y) {
            EXPECT_EQ(GetPixel(r, 0, y), t.pressed ? grey : (y < 13 ? t.lightEdge : BLACK)) << y;
            EXPECT_EQ(GetPixel(r, 34, y), t.pressed ? grey : BLACK) << y;
        }
        const Rgb face = t.pressed ? pressedFace : raisedFace;
        const Rgb shadow = t.pressed ? pressedShadow : raisedShadow;
        int faces = 0, shadows = 0;
        for (int y = 1; y < 13; ++y)
            for (int x = 1; x < 34; ++x) {
                const Rgb c = GetPixel(r, x, y);
                EXPECT_TRUE(c == face || c == shadow || c == BLACK) << x << "," << y;
                faces += c == face;
                shadows += c == shadow;
                if (c == BLACK) {
                    const Rgb below = GetPixel(r, x + 1, y + 1);
                    EXPECT_TRUE(below == BLACK || below == shadow) << x << "," << y;
                }
            }
        EXPECT_GT(faces, 250);
        EXPECT_GT(shadows, 15);
        if (t.pressed) {
            const std::set<std::pair<int, int>> pressed = BlackInterior(r);
            std::set<std::pair<int, int>> shifted;
            for (auto p : BlackInterior(LoadBitmap(t.partner, "tab").raster))
                shifted.insert({p.first + 1, p.second + 1});
            EXPECT_GT(pressed.size(), 30u);
            EXPECT_EQ(pressed, shifted) << "pressed word is not the raised word moved by (1, 1)";
        }
    }
}

TEST(ArtSymbols, SizeFormatAndColours)
{
    struct SymbolCase {
        int id;
        Rgb main, light;
    };
    const SymbolCase cases[] = {
        {237, {231, 8, 8},   {255, 189, 115}},
        {238, {49, 82, 206}, {165, 198, 247}}
    };
    for (const SymbolCase &s : cases) {
        SCOPED_TRACE(s.id);
        const DecodedBmp bmp = LoadBitmap(s.id, "symbol");
        ASSERT_TRUE(bmp.valid);
        EXPECT_EQ(bmp.bitsPerPixel, 8);
        EXPECT_EQ(bmp.paletteLength, 256);
        const Raster &r = bmp.raster;
        ASSERT_EQ(r.width, 16);
        ASSERT_EQ(r.height, 22);
        int grey = 0, main = 0, light = 0;
        for (Rgb c : r.pixels) {
            EXPECT_TRUE(c == SYMBOL_GREY || c == s.main || c == s.light);
            grey += c == SYMBOL_GREY;
            main += c == s.main;
            light += c == s.light;
        }
        EXPECT_GT(grey, 16 * 22 / 2);
        EXPECT_GT(main, 30);
        EXPECT_GT(light, 15);
        EXPECT_EQ(GetPixel(r, 0, 0), SYMBOL_GREY);
        EXPECT_EQ(GetPixel(r, 15, 21), SYMBOL_GREY);
    }
    /* The male ring sits low with the arrow above it, the female ring high with the cross below. */
    const Raster female = LoadBitmap(237, "symbol").raster, male = LoadBitmap(238, "symbol").raster;
    EXPECT_EQ(GetPixel(male, 7, 15), SYMBOL_GREY) << "male ring centre should be open";
    EXPECT_NE(GetPixel(male, 7, 2), SYMBOL_GREY) << "male arrow should rise above the ring";
    EXPECT_EQ(GetPixel(female, 7, 7), SYMBOL_GREY) << "female ring centre should be open";
    EXPECT_NE(GetPixel(female, 7, 18), SYMBOL_GREY) << "female cross should hang below the ring";
}

static uint32_t Le16(const Bytes &b, size_t at)
{
    return b[at] | b[at + 1] << 8;
}
static uint32_t Le32(const Bytes &b, size_t at)
{
    return Le16(b, at) | Le16(b, at + 2) << 16;
}

TEST(ArtIcon, TwoFourBitImagesWithMasks)
{
    const Bytes ico = ReadRes("zoravel.ico");
    ASSERT_GE(ico.size(), 6u + 2 * 16u);
    EXPECT_EQ(Le16(ico, 0), 0u);
    EXPECT_EQ(Le16(ico, 2), 1u);
    ASSERT_EQ(Le16(ico, 4), 2u);
    const int sizes[] = {32, 16};
    size_t expectedOffset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(sizes[i]);
        const size_t entry = 6 + 16 * i;
        const int size = sizes[i];
        EXPECT_EQ(ico[entry], size);
        EXPECT_EQ(ico[entry + 1], size);
        EXPECT_EQ(ico[entry + 2], 16);
        EXPECT_EQ(Le16(ico, entry + 4), 1u);
        EXPECT_EQ(Le16(ico, entry + 6), 4u);
        const uint32_t length = Le32(ico, entry + 8), offset = Le32(ico, entry + 12);
        EXPECT_EQ(offset, expectedOffset);
        const size_t colourRow = (size * 4 + 31) / 32 * 4, maskRow = (size + 31) / 32 * 4;
        ASSERT_EQ(length, 40 + 16 * 4 + (colourRow + maskRow) * size);
        ASSERT_LE(offset + length, ico.size());
        EXPECT_EQ(Le32(ico, offset), 40u);
        EXPECT_EQ(Le32(ico, offset + 4), (uint32_t)size);
        EXPECT_EQ(Le32(ico, offset + 8), (uint32_t)(2 * size));
        EXPECT_EQ(Le16(ico, offset + 14), 4u);
        /* The mask: transparent corners, an opaque middle, a real mix of both. */
        const size_t mask = offset + 40 + 64 + colourRow * size;
        auto transparent = [&](int x, int y) {
            return (ico[mask + (size - 1 - y) * maskRow + x / 8] >> (7 - x % 8) & 1) != 0;
        };
        int opaque = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                opaque += !transparent(x, y);
        EXPECT_TRUE(transparent(0, 0));
        EXPECT_TRUE(transparent(size - 1, 0));
        EXPECT_FALSE(transparent(size / 2, size / 2));
        EXPECT_GT(opaque, size * size / 3);
        EXPECT_LT(opaque, size * size * 9 / 10);
        expectedOffset += length;
    }
    EXPECT_EQ(expectedOffset, ico.size());
}

TEST(ArtResourceScript, ListsEveryCommittedBitmapOnce)
{
    const Bytes rcBytes = ReadRes("bitmaps.rc");
    const std::string rc(rcBytes.begin(), rcBytes.end());
    EXPECT_NE(rc.find("LANGUAGE 0x15, 0x01"), std::string::npos);
    EXPECT_NE(rc.find("IDI_MAIN              ICON \"zoravel.ico\""), std::string::npos);
    std::vector<int> ids;
    for (int id = 101; id <= 207; ++id)
        ids.push_back(id);
    for (int id = 210; id <= 240; ++id)
        if (id != 233 && id != 236)
            ids.push_back(id);
    for (int id = 208; id <= 209; ++id)
        EXPECT_EQ(rc.find("_" + std::to_string(id) + ".bmp"), std::string::npos);
    EXPECT_EQ(rc.find("_233.bmp"), std::string::npos);
    EXPECT_EQ(rc.find("_236.bmp"), std::string::npos);
    int bitmapLines = 0;
    for (size_t at = rc.find(" BITMAP \""); at != std::string::npos; at = rc.find(" BITMAP \"", at + 1))
        ++bitmapLines;
    EXPECT_EQ(bitmapLines, (int)(ids.size()));
    for (int id : ids) {
        const std::string suffix = "_" + std::to_string(id) + ".bmp\"";
        const size_t at = rc.find(suffix);
        ASSERT_NE(at, std::string::npos) << id;
        const size_t quote = rc.rfind('"', at);
        const std::string path = rc.substr(quote + 1, at + suffix.size() - 2 - quote);
        Bytes file;
        EXPECT_TRUE(ReadFileBytes(RES_DIR + path, file)) << path;
        if (id <= 207) {
            EXPECT_EQ(rc.substr(rc.rfind('\n', at) + 1, 3), std::to_string(id));
        }
    }
}

TEST(ArtEncoders, IndexedBmpRoundTripsAndRejectsTooManyColours)
{
    Raster r = MakeRaster(5, 3, WHITE);
    SetPixel(r, 0, 0, {1, 2, 3});
    SetPixel(r, 4, 2, {9, 8, 7});
    for (int bits : {4, 8}) {
        const DecodedBmp back = DecodeBmp(EncodeBmpIndexed(r, bits, bits == 4 ? 16 : 26));
        ASSERT_TRUE(back.valid);
        EXPECT_EQ(back.bitsPerPixel, bits);
        EXPECT_EQ(back.paletteLength, bits == 4 ? 16 : 26);
        EXPECT_EQ(back.raster.pixels, r.pixels);
    }
    EXPECT_ANY_THROW(EncodeBmpIndexed(r, 4, 2));
}

/* Tests of the 109 committed creature pictures: format, clean white background, growth
   within each family, no two alike, and the three guises of the form entry. */
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "artgen.h"
#include "creature_plan.h"
#include "image_files.h"

static const std::string PICTURE_DIR = std::string(ZORAVEL_SOURCE_DIR) + "/res/bitmaps/";

struct Picture {
    PictureRef ref;
    DecodedBmp bmp;
};

static const std::vector<Picture> &Pictures()
{
    static const std::vector<Picture> pictures = [] {
        std::vector<Picture> all;
        for (int n = 0; n < PICTURE_COUNT; ++n) {
            Bytes bytes;
            const PictureRef ref = PictureAt(n);
            ReadFileBytes(PICTURE_DIR + PictureFileName(ref.id), bytes);
            all.push_back({ref, DecodeBmp(bytes)});
        }
        return all;
    }();
    return pictures;
}

static int NonWhite(const Raster &r)
{
    return std::count_if(r.pixels.begin(), r.pixels.end(), [](Rgb c) { return c != WHITE; });
}

TEST(ArtPictures, FormatAndCleanWhiteBackground)
{
    std::vector<int> shortPalettes;
    for (const Picture &p : Pictures()) {
        SCOPED_TRACE(p.ref.id);
        ASSERT_TRUE(p.bmp.valid);
        EXPECT_EQ(p.bmp.bitsPerPixel, 8);
        const Raster &r = p.bmp.raster;
        ASSERT_EQ(r.width, 80);
        ASSERT_EQ(r.height, 80);
        if (p.bmp.paletteLength != 256)
            shortPalettes.push_back(p.bmp.paletteLength);
        for (int i = 0; i < 80; ++i) {
            EXPECT_EQ(GetPixel(r, i, 0), WHITE);
            EXPECT_EQ(GetPixel(r, i, 79), WHITE);
            EXPECT_EQ(GetPixel(r, 0, i), WHITE);
            EXPECT_EQ(GetPixel(r, 79, i), WHITE);
        }
        int nearWhite = 0;
        for (Rgb c : r.pixels)
            nearWhite += IsNearWhite(c);
        EXPECT_EQ(nearWhite, 0) << "pixels almost but not quite white";
        const int painted = NonWhite(r);
        EXPECT_LT(painted, 80 * 80 / 2) << "background should be the majority";
        EXPECT_GT(painted, 500) << "picture nearly empty";
    }
    std::sort(shortPalettes.begin(), shortPalettes.end());
    EXPECT_EQ(shortPalettes, (std::vector<int>{26, 236}));
}

TEST(ArtPictures, EveryPictureStandsOnTheGroundLine)
{
    /* Walking creatures stand on it and floating ones cast their shadow on it. */
    for (const Picture &p : Pictures()) {
        int lowest = 0;
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < 80; ++x) {
                if (GetPixel(p.bmp.raster, x, y) != WHITE)
                    lowest = y;
            }
        }
        EXPECT_GE(lowest, 72) << p.ref.id;
        EXPECT_LE(lowest, 77) << p.ref.id;
    }
}

TEST(ArtPictures, LaterStagesOfAFamilyAreBigger)
{
    std::map<std::string, std::vector<std::pair<int, int>>> families; /* stage, painted pixels */
    for (const Picture &p : Pictures()) {
        const CreaturePlan &plan = CREATURE_PLANS[p.ref.entry];
        if (p.ref.form != 0 || std::string(plan.family) == "-")
            continue;
        families[plan.family].push_back({plan.stage, NonWhite(p.bmp.raster)});
    }
    EXPECT_EQ(families.size(), 30u);
    for (auto &family : families) {
        std::sort(family.second.begin(), family.second.end());
        for (size_t i = 1; i < family.second.size(); ++i) {
            EXPECT_GT(family.second[i].second, family.second[i - 1].second * 23 / 20)
                << "family " << family.first << " stage " << family.second[i].first;
        }
    }
}

TEST(ArtPictures, NoTwoPicturesAlike)
{
    const int MIN_DIFFERENT_PIXELS = 400;
    const std::vector<Picture> &all = Pictures();
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t j = i + 1; j < all.size(); ++j) {
            int different = 0;
            for (size_t k = 0; k < all[i].bmp.raster.pixels.size(); ++k)
                different += all[i].bmp.raster.pixels[k] != all[j].bmp.raster.pixels[k];
            EXPECT_GE(different, MIN_DIFFERENT_PIXELS) << all[i].ref.id << " vs " << all[j].ref.id;
        }
    }
}

/* Share (percent) of painted pixels that lean to a colour family. */
struct ColourShares {
    int green, sandy, grey;
};

static ColourShares SharesOf(const Raster &r)
{
    int green = 0, sandy = 0, grey = 0, total = 0;
    for (Rgb c : r.pixels) {
        if (c == WHITE)
            continue;
        ++total;
        const int hi = std::max({c.r, c.g, c.b}), lo = std::min({c.r, c.g, c.b});
        if (c.g > c.r + 12 && c.g > c.b + 12)
            ++green;
        if (c.r > c.b + 40 && c.g > c.b + 20 && c.r >= c.g)
            ++sandy;
        if (hi - lo < 36)
            ++grey;
    }
    return {green * 100 / total, sandy * 100 / total, grey * 100 / total};
}

TEST(ArtPictures, FormEntryWearsLeafSandAndMetalCloaks)
{
    const std::vector<Picture> &all = Pictures();
    const ColourShares leaf = SharesOf(all[FORM_ENTRY].bmp.raster);
    const ColourShares sand = SharesOf(all[ENTRY_COUNT].bmp.raster);
    const ColourShares metal = SharesOf(all[ENTRY_COUNT + 1].bmp.raster);
    EXPECT_GT(leaf.green, 30);
    EXPECT_GT(leaf.green, 3 * sand.green);
    EXPECT_GT(leaf.green, 3 * metal.green);
    EXPECT_GT(sand.sandy, 30);
    EXPECT_GT(sand.sandy, 2 * metal.sandy);
    EXPECT_GT(metal.grey, 30);
    EXPECT_GT(metal.grey, 2 * sand.grey);
}

/* Tests of the 109 committed creature pictures: format, clean white background, how they fill their
   frame, growth within each family, a silhouette of its own for each family, and the form entry's tiles. */
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
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

static int Median(std::vector<int> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

TEST(ArtPictures, CreaturesFillTheirFrameCentredByTheirOwnShape)
{
    /* Shares of the 80x80 box in tenths of a percent: a first stage is still a good part of it, a last
       stage most of it. */
    const int SMALLEST = 120, MEDIAN = 270, FIRST_STAGE_MEDIAN = 180, LAST_STAGE_MEDIAN = 385;
    std::vector<int> all, first, last;
    std::vector<std::pair<int, std::string>> lastByShare;
    for (const Picture &p : Pictures()) {
        SCOPED_TRACE(p.ref.id);
        const Raster &r = p.bmp.raster;
        int left = 80, right = -1, top = 80, bottom = -1;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x)
                if (GetPixel(r, x, y) != WHITE) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        /* Centred, not standing on one ground line near the bottom. */
        EXPECT_LE(std::abs(left + right - 79), 4);
        EXPECT_LE(std::abs(top + bottom - 79), 4);
        const int share = NonWhite(r) * 1000 / (80 * 80);
        const CreaturePlan &plan = CREATURE_PLANS[p.ref.entry];
        all.push_back(share);
        /* A form is another picture of its entry, not a stage of its own. */
        if (plan.stages > 1 && plan.stage == 1 && p.ref.form == 0)
            first.push_back(share);
        if (plan.stages > 1 && plan.stage == plan.stages && p.ref.form == 0) {
            char label[16];
            last.push_back(share);
            lastByShare.push_back({share, PictureLabel(p.ref, label, sizeof label)});
        }
    }
    std::sort(lastByShare.begin(), lastByShare.end());
    const int smallest = *std::min_element(all.begin(), all.end());
    std::printf("Share of the box painted: smallest %d.%d%%, median %d.%d%%, first stages %d.%d%%, "
                "last stages %d.%d%% (lowest",
                smallest / 10, smallest % 10, Median(all) / 10, Median(all) % 10, Median(first) / 10,
                Median(first) % 10, Median(last) / 10, Median(last) % 10);
    for (size_t k = 0; k < 4 && k < lastByShare.size(); ++k)
        std::printf(" %s %d.%d%%", lastByShare[k].second.c_str(), lastByShare[k].first / 10,
                    lastByShare[k].first % 10);
    std::printf(")\n");
    EXPECT_GE(smallest, SMALLEST);
    EXPECT_GE(Median(all), MEDIAN);
    EXPECT_GE(Median(first), FIRST_STAGE_MEDIAN);
    EXPECT_GE(Median(last), LAST_STAGE_MEDIAN);
}

TEST(ArtPictures, LaterStagesOfAFamilyAreBigger)
{
    /* Each stage against every entry of the stage it grows from; branches of one stage are
       not compared with each other. */
    std::map<std::string, std::vector<std::pair<int, int>>> families; /* stage, painted pixels */
    for (const Picture &p : Pictures()) {
        const CreaturePlan &plan = CREATURE_PLANS[p.ref.entry];
        if (p.ref.form != 0 || std::string(plan.family) == "-")
            continue;
        families[plan.family].push_back({plan.stage, NonWhite(p.bmp.raster)});
    }
    EXPECT_EQ(families.size(), 30u);
    for (const auto &family : families)
        for (const std::pair<int, int> &later : family.second)
            for (const std::pair<int, int> &earlier : family.second)
                if (later.first == earlier.first + 1) {
                    EXPECT_GT(later.second, earlier.second * 23 / 20)
                        << "family " << family.first << " stage " << later.first;
                }
}

/* A picture's silhouette: its non-white pixels, placed so that the bottom centre of their bounding
   box is the origin. */
struct Silhouette {
    std::vector<std::pair<int, int>> pixels;
    std::vector<uint8_t> mask; /* 160 by 160, origin at (80, 159) */
};

static const int SILHOUETTE_SIZE = 160;

static Silhouette SilhouetteOf(const Raster &r)
{
    int left = r.width, right = -1, bottom = -1;
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            if (GetPixel(r, x, y) == WHITE)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    Silhouette s;
    s.mask.assign(SILHOUETTE_SIZE * SILHOUETTE_SIZE, 0);
    const int centre = (left + right) / 2;
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            if (GetPixel(r, x, y) == WHITE)
                continue;
            const int mx = x - centre + SILHOUETTE_SIZE / 2, my = y - bottom + SILHOUETTE_SIZE - 1;
            s.pixels.push_back({mx, my});
            s.mask[my * SILHOUETTE_SIZE + mx] = 1;
        }
    return s;
}

/* Intersection over union of two silhouettes, in thousandths. */
static int Overlap(const Silhouette &a, const Silhouette &b)
{
    int both = 0;
    for (const std::pair<int, int> &p : a.pixels)
        both += b.mask[p.second * SILHOUETTE_SIZE + p.first];
    const int either = a.pixels.size() + b.pixels.size() - both;
    return either == 0 ? 1000 : both * 1000 / either;
}

TEST(ArtPictures, CreaturesOfDifferentFamiliesHaveTheirOwnSilhouettes)
{
    /* Above this share two outlines read as one body in another colour. */
    const int MOST_OVERLAP = 900;
    const std::vector<Picture> &all = Pictures();
    std::vector<Silhouette> shapes;
    for (const Picture &p : all)
        shapes.push_back(SilhouetteOf(p.bmp.raster));
    /* Entries standing alone are each a family of their own. */
    auto familyOf = [&](const Picture &p) {
        const std::string family = CREATURE_PLANS[p.ref.entry].family;
        return family == "-" ? "entry " + std::to_string(p.ref.entry) : family;
    };
    std::vector<std::pair<int, std::string>> pairs;
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            if (familyOf(all[i]) == familyOf(all[j]))
                continue;
            char label[16];
            std::string name = PictureLabel(all[i].ref, label, sizeof label);
            name += std::string(" and ") + PictureLabel(all[j].ref, label, sizeof label);
            const int overlap = Overlap(shapes[i], shapes[j]);
            EXPECT_LE(overlap, MOST_OVERLAP) << name << " share one silhouette";
            pairs.push_back({overlap, name});
        }
    std::sort(pairs.rbegin(), pairs.rend());
    std::string closest = "Closest silhouettes of different families (intersection over union):\n";
    for (size_t k = 0; k < 10 && k < pairs.size(); ++k) {
        char line[64];
        std::snprintf(line, sizeof line, "  %s: %d.%03d\n", pairs[k].second.c_str(), pairs[k].first / 1000,
                      pairs[k].first % 1000);
        closest += line;
    }
    std::printf("%s", closest.c_str());
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

TEST(ArtPictures, FormEntryWearsMossTerracottaAndIronTiles)
{
    /* Form 1 grows moss tiles, form 2 terracotta, form 3 iron: each picture leans to its own colour. */
    const std::vector<Picture> &all = Pictures();
    const ColourShares moss = SharesOf(all[FORM_ENTRY].bmp.raster);
    const ColourShares terracotta = SharesOf(all[ENTRY_COUNT].bmp.raster);
    const ColourShares iron = SharesOf(all[ENTRY_COUNT + 1].bmp.raster);
    EXPECT_GT(moss.green, 30);
    EXPECT_GT(moss.green, 3 * terracotta.green);
    EXPECT_GT(moss.green, 3 * iron.green);
    EXPECT_GT(terracotta.sandy, 30);
    EXPECT_GT(terracotta.sandy, 2 * iron.sandy);
    EXPECT_GT(iron.grey, 30);
    EXPECT_GT(iron.grey, 2 * terracotta.grey);
}

/* The committed art must be exactly what the generator makes: regenerate into a temporary
   directory and compare every file with res/ and docs/, the contact sheet by its pixels. */
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <zlib.h>
#include <string>

#include "artgen.h"
#include "image_files.h"

static const std::filesystem::path SOURCE_DIR = ZORAVEL_SOURCE_DIR;

static Bytes Read(const std::filesystem::path &path)
{
    Bytes bytes;
    EXPECT_TRUE(ReadFileBytes(path.string(), bytes)) << path;
    return bytes;
}

static uint32_t Be32(const Bytes &b, size_t at)
{
    return b[at] << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

/* Width, height and RGB bytes of a PNG whose rows are all unfiltered, as the sheet is written;
   empty if it is anything else. zlib's bytes may change with its version, its output may not. */
struct SheetPixels {
    uint32_t width = 0, height = 0;
    Bytes rgb;
};

static SheetPixels DecodeSheet(const Bytes &png)
{
    SheetPixels sheet;
    Bytes packed;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = Be32(png, at);
        const std::string kind(png.begin() + at + 4, png.begin() + at + 8);
        if (at + 12 + length > png.size())
            return {};
        if (kind == "IHDR") {
            sheet.width = Be32(png, at + 8);
            sheet.height = Be32(png, at + 12);
        } else if (kind == "IDAT") {
            packed.insert(packed.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
        }
        at += 12 + length;
    }
    const size_t stride = sheet.width * 3 + 1;
    Bytes rows(stride * sheet.height + 1);
    uLongf rowsSize = rows.size();
    if (sheet.width == 0 || uncompress(rows.data(), &rowsSize, packed.data(), packed.size()) != Z_OK ||
        rowsSize != stride * sheet.height)
        return {};
    for (uint32_t y = 0; y < sheet.height; ++y) {
        if (rows[y * stride] != 0)
            return {};
        sheet.rgb.insert(sheet.rgb.end(), rows.begin() + y * stride + 1, rows.begin() + (y + 1) * stride);
    }
    return sheet;
}

TEST(ArtRegenerate, CommittedFilesEqualFreshOutput)
{
    const std::filesystem::path out =
        std::filesystem::temp_directory_path() /
        ("zoravel-art-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::remove_all(out);
    std::vector<GeneratedFile> files = GenerateArt();
    files.push_back(MakeContactSheet(files));
    WriteArt((out / "res").string(), (out / "docs").string(), files);

    std::set<std::string> bitmaps;
    for (const GeneratedFile &f : files) {
        SCOPED_TRACE(f.path);
        const std::filesystem::path committed =
            f.path == CONTACT_SHEET ? SOURCE_DIR / "docs" / f.path : SOURCE_DIR / "res" / f.path;
        const Bytes fresh = Read(out / (f.path == CONTACT_SHEET ? "docs" : "res") / f.path);
        EXPECT_EQ(fresh, f.bytes) << "written file differs from memory";
        if (f.path == CONTACT_SHEET) {
            const SheetPixels now = DecodeSheet(fresh), then = DecodeSheet(Read(committed));
            ASSERT_FALSE(now.rgb.empty()) << "fresh contact sheet does not decode";
            EXPECT_EQ(now.rgb.size(), now.width * now.height * 3);
            EXPECT_TRUE(now.width == then.width && now.height == then.height && now.rgb == then.rgb)
                << committed << " shows other pixels; run scripts/regenerate-art.sh";
        } else {
            EXPECT_TRUE(Read(committed) == fresh) << committed << " is stale; run scripts/regenerate-art.sh";
        }
        if (f.path.rfind(std::string(BITMAP_DIR) + "/", 0) == 0)
            bitmaps.insert(std::filesystem::path(f.path).filename().string());
    }
    EXPECT_EQ(bitmaps.size(), 109u + 17u + 8u + 2u);
    for (const std::filesystem::directory_entry &e :
         std::filesystem::directory_iterator(SOURCE_DIR / "res" / BITMAP_DIR))
        EXPECT_EQ(bitmaps.count(e.path().filename().string()), 1u) << "stray file " << e.path();
    /* The generator writes its files and nothing else: the sheet goes to docs/ only. */
    size_t written = 0;
    for (const std::filesystem::directory_entry &e : std::filesystem::recursive_directory_iterator(out))
        written += e.is_regular_file();
    EXPECT_EQ(written, files.size());
    EXPECT_FALSE(std::filesystem::exists(SOURCE_DIR / "res" / CONTACT_SHEET))
        << "stray contact sheet in res/";
    std::filesystem::remove_all(out);
}

TEST(ArtRegenerate, TwoRunsGiveTheSameBytes)
{
    const std::vector<GeneratedFile> a = GenerateArt(), b = GenerateArt();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_TRUE(a[i].path == b[i].path && a[i].bytes == b[i].bytes) << a[i].path;
}

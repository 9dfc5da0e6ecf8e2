// The committed art must be exactly what the generator makes: regenerate into a temporary
// directory and compare every file byte for byte with res/ and docs/.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "artgen.h"
#include "image_files.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = ZORAVEL_SOURCE_DIR;

Bytes Read(const fs::path &path)
{
    Bytes bytes;
    EXPECT_TRUE(ReadFileBytes(path.string(), bytes)) << path;
    return bytes;
}

TEST(ArtRegenerate, CommittedFilesEqualFreshOutput)
{
    const fs::path out = fs::temp_directory_path() /
                         ("zoravel-art-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(out);
    std::vector<GeneratedFile> files = GenerateArt();
    files.push_back(MakeContactSheet(files));
    WriteArt(out.string(), files);

    std::set<std::string> bitmaps;
    for (const GeneratedFile &f : files) {
        SCOPED_TRACE(f.path);
        const fs::path committed =
            f.path == kContactSheet ? kSourceDir / "docs" / f.path : kSourceDir / "res" / f.path;
        const Bytes fresh = Read(out / f.path);
        EXPECT_EQ(fresh, f.bytes) << "written file differs from memory";
        EXPECT_TRUE(Read(committed) == fresh) << committed << " is stale; rerun zoravel-artgen";
        if (f.path.rfind(std::string(kBitmapDir) + "/", 0) == 0)
            bitmaps.insert(fs::path(f.path).filename().string());
    }
    EXPECT_EQ(bitmaps.size(), 109u + 17u + 8u + 2u);
    for (const fs::directory_entry &e : fs::directory_iterator(kSourceDir / "res" / kBitmapDir))
        EXPECT_EQ(bitmaps.count(e.path().filename().string()), 1u) << "stray file " << e.path();
    fs::remove_all(out);
}

TEST(ArtRegenerate, TwoRunsGiveTheSameBytes)
{
    const std::vector<GeneratedFile> a = GenerateArt(), b = GenerateArt();
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_TRUE(a[i].path == b[i].path && a[i].bytes == b[i].bytes) << a[i].path;
}

} // namespace

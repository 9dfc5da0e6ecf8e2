// Tests of the generator's compressor and PNG writer against an independent decoder: Python's
// zlib inflates the streams and a short script undoes the PNG row filters.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "deflate.h"
#include "image_files.h"

namespace fs = std::filesystem;

namespace {

// Inflates every argument file (zlib) into <file>.out, or with --png decodes a PNG into raw RGB
// rows and writes the filter types it met into <file>.filters.
const char kDecoder[] = R"(import struct, sys, zlib
png = sys.argv[1] == '--png'
for path in sys.argv[2 if png else 1:]:
    data = open(path, 'rb').read()
    if not png:
        open(path + '.out', 'wb').write(zlib.decompress(data))
        continue
    assert data[:8] == b'\x89PNG\r\n\x1a\n'
    at, idat, chunks = 8, b'', []
    while at < len(data):
        n, kind = struct.unpack('>I4s', data[at:at + 8])
        body = data[at + 8:at + 8 + n]
        assert zlib.crc32(kind + body) == struct.unpack('>I', data[at + 8 + n:at + 12 + n])[0]
        chunks.append(kind)
        if kind == b'IHDR':
            width, height, depth, colour = struct.unpack('>IIBB', body[:10])
            assert (depth, colour) == (8, 2)
        if kind == b'IDAT':
            idat += body
        at += 12 + n
    assert chunks[0] == b'IHDR' and chunks[-1] == b'IEND'
    raw, stride, bpp = zlib.decompress(idat), width * 3, 3
    assert len(raw) == height * (stride + 1)
    out, above, filters = bytearray(), bytearray(stride), set()
    for y in range(height):
        kind, row = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        filters.add(kind)
        for i in range(stride):
            a = row[i - bpp] if i >= bpp else 0
            b = above[i]
            c = above[i - bpp] if i >= bpp else 0
            if kind == 1: p = a
            elif kind == 2: p = b
            elif kind == 3: p = (a + b) // 2
            elif kind == 4:
                q = a + b - c
                pa, pb, pc = abs(q - a), abs(q - b), abs(q - c)
                p = a if pa <= pb and pa <= pc else b if pb <= pc else c
            else:
                assert kind == 0
                p = 0
            row[i] = (row[i] + p) & 255
        out += row
        above = row
    open(path + '.out', 'wb').write(out)
    open(path + '.filters', 'w').write(' '.join(str(f) for f in sorted(filters)))
)";

struct Scratch {
    fs::path dir;
    Scratch()
    {
        dir = fs::temp_directory_path() /
              ("zoravel-png-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        WriteFileBytes((dir / "decode.py").string(), Bytes(kDecoder, kDecoder + sizeof kDecoder - 1));
    }
    ~Scratch()
    {
        fs::remove_all(dir);
    }
};

bool HavePython()
{
    return std::system("python3 -c \"import zlib\" > /dev/null 2>&1") == 0;
}

// Runs the decoder over the named files in the scratch directory.
bool Decode(const Scratch &s, const std::vector<std::string> &names, bool png)
{
    std::string command = "python3 \"" + (s.dir / "decode.py").string() + "\"" + (png ? " --png" : "");
    for (const std::string &name : names)
        command += " \"" + (s.dir / name).string() + "\"";
    return std::system(command.c_str()) == 0;
}

Bytes ReadBack(const Scratch &s, const std::string &name)
{
    Bytes bytes;
    EXPECT_TRUE(ReadFileBytes((s.dir / name).string(), bytes)) << name;
    return bytes;
}

// Small deterministic noise, so that the inputs are the same on every run.
uint32_t Noise(uint32_t &state)
{
    state = state * 1103515245u + 12345u;
    return state >> 16;
}

std::vector<std::pair<std::string, Bytes>> CompressorInputs()
{
    std::vector<std::pair<std::string, Bytes>> inputs;
    inputs.push_back({"empty", {}});
    inputs.push_back({"one", {42}});
    uint32_t state = 7;
    Bytes noise(100000);
    for (uint8_t &b : noise)
        b = static_cast<uint8_t>(Noise(state));
    inputs.push_back({"noise", noise});
    inputs.push_back({"run", Bytes(70000, 9)}); // far longer than the longest match
    // Noise repeated at exactly the window's reach, then other noise repeated just beyond it.
    Bytes far(noise.begin(), noise.begin() + 32768);
    far.insert(far.end(), noise.begin(), noise.begin() + 32768);
    far.insert(far.end(), noise.begin() + 40000, noise.begin() + 72769);
    far.insert(far.end(), noise.begin() + 40000, noise.begin() + 40600);
    inputs.push_back({"far", far});
    // Text-like: a few words in varying order, many blocks of tokens with skewed statistics.
    const char *words[] = {"skrzydło ", "ogień ", "kamień ", "woda ", "trawa ", "\n", "lód ", "cień "};
    Bytes text;
    while (text.size() < 400000) {
        const char *w = words[Noise(state) % 8];
        text.insert(text.end(), w, w + std::char_traits<char>::length(w));
        if (Noise(state) % 5 == 0)
            text.push_back(static_cast<uint8_t>(Noise(state)));
    }
    inputs.push_back({"text", text});
    return inputs;
}

TEST(ArtDeflate, StreamsInflateToTheirInputWithAnIndependentDecoder)
{
    if (!HavePython())
        GTEST_SKIP() << "python3 with zlib is not available";
    const Scratch s;
    std::vector<std::string> names;
    const auto inputs = CompressorInputs();
    for (const auto &input : inputs) {
        WriteFileBytes((s.dir / input.first).string(), ZlibCompress(input.second));
        names.push_back(input.first);
    }
    ASSERT_TRUE(Decode(s, names, false));
    for (const auto &input : inputs) {
        SCOPED_TRACE(input.first);
        EXPECT_TRUE(ReadBack(s, input.first + ".out") == input.second);
    }
}

TEST(ArtDeflate, ShrinksRepetitiveDataAndBarelyGrowsNoise)
{
    for (const auto &input : CompressorInputs()) {
        SCOPED_TRACE(input.first);
        const size_t packed = ZlibCompress(input.second).size();
        // Header and checksum, plus the stored-block framing noise falls back to.
        EXPECT_LE(packed, input.second.size() + input.second.size() / 1000 + 16);
        if (input.first == "run") {
            EXPECT_LT(packed, 400u);
        } else if (input.first == "far") {
            EXPECT_LT(packed, 32768u + 32769u + 600u + 2000u) << "repeats within the window should be found";
        } else if (input.first == "text") {
            EXPECT_LT(packed, input.second.size() / 3);
        }
    }
    EXPECT_EQ(Adler32(Bytes{'a', 'b', 'c'}), 0x024D0127u);
    EXPECT_EQ(Adler32(Bytes()), 1u);
}

// A picture that gives every row filter a reason to win somewhere: flat bands, gradients
// across and down, noise and a repeated sprite.
Raster TestPicture()
{
    const int kWidth = 97, kHeight = 120;
    Raster r = MakeRaster(kWidth, kHeight, {214, 218, 226});
    uint32_t state = 3;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            if (y >= 20 && y < 40)
                SetPixel(r, x, y, {static_cast<uint8_t>(x * 2), static_cast<uint8_t>(y), 90});
            else if (y >= 40 && y < 60)
                SetPixel(r, x, y, {static_cast<uint8_t>(x + y * 3), static_cast<uint8_t>(x * y), 30});
            else if (y >= 60 && y < 70)
                SetPixel(r, x, y,
                         {static_cast<uint8_t>(Noise(state)), static_cast<uint8_t>(Noise(state)),
                          static_cast<uint8_t>(Noise(state))});
            else if (y >= 70 && x % 16 < 10 && (y - 70) % 12 < 9)
                SetPixel(r, x, y, {static_cast<uint8_t>(200 - (x % 16) * 12), 80, static_cast<uint8_t>(y)});
        }
    return r;
}

TEST(ArtPng, DecodesBackToTheRasterWithAnIndependentDecoder)
{
    if (!HavePython())
        GTEST_SKIP() << "python3 with zlib is not available";
    const Scratch s;
    const Raster picture = TestPicture();
    const Raster tiny = MakeRaster(1, 1, {1, 2, 3});
    WriteFileBytes((s.dir / "picture.png").string(), EncodePng(picture));
    WriteFileBytes((s.dir / "tiny.png").string(), EncodePng(tiny));
    ASSERT_TRUE(Decode(s, {"picture.png", "tiny.png"}, true));
    for (const auto &check : {std::make_pair("picture.png", &picture), std::make_pair("tiny.png", &tiny)}) {
        SCOPED_TRACE(check.first);
        const Bytes rgb = ReadBack(s, std::string(check.first) + ".out");
        Bytes expected;
        for (Rgb c : check.second->pixels)
            expected.insert(expected.end(), {c.r, c.g, c.b});
        EXPECT_TRUE(rgb == expected);
    }
    // The rows were really filtered, with more than one kind of prediction.
    const Bytes used = ReadBack(s, "picture.png.filters");
    std::set<char> filters(used.begin(), used.end());
    filters.erase(' ');
    EXPECT_GE(filters.size(), 3u) << std::string(used.begin(), used.end());
}

TEST(ArtPng, FlatPicturesCompressFarBelowTheirRawSize)
{
    const Raster flat = MakeRaster(300, 200, {214, 218, 226});
    EXPECT_LT(EncodePng(flat).size(), 300u * 200 * 3 / 100);
    const Raster picture = TestPicture();
    EXPECT_LT(EncodePng(picture).size(), static_cast<size_t>(picture.width) * picture.height * 3 / 2);
}

} // namespace

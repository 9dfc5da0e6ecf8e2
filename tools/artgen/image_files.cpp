// Byte-exact encoders for the file formats the generator writes (BMP, ICO, PNG).
// Everything little-endian except PNG, which is big-endian by its own rules.
#include "image_files.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <zlib.h>

namespace {

const int kFileHeaderSize = 14;
const int kInfoHeaderSize = 40;
const int kPngCompression = 9;

void Put16(Bytes &out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(Bytes &out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutBe32(Bytes &out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

uint32_t Get16(const Bytes &in, size_t at)
{
    return in[at] | in[at + 1] << 8;
}
uint32_t Get32(const Bytes &in, size_t at)
{
    return Get16(in, at) | Get16(in, at + 2) << 16;
}

int RowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void PutInfoHeader(Bytes &out, int width, int height, int bitsPerPixel, uint32_t imageSize,
                   uint32_t coloursUsed)
{
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1); // planes
    Put16(out, static_cast<uint32_t>(bitsPerPixel));
    Put32(out, 0); // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835); // 72 dpi in pixels per metre
    Put32(out, 2835);
    Put32(out, coloursUsed);
    Put32(out, 0);
}

void PutFileHeader(Bytes &out, uint32_t fileSize, uint32_t pixelOffset)
{
    out.push_back('B');
    out.push_back('M');
    Put32(out, fileSize);
    Put32(out, 0);
    Put32(out, pixelOffset);
}

std::vector<Rgb> MakePalette(const Raster &raster, int paletteLength)
{
    std::vector<Rgb> palette = DistinctColours(raster);
    if (static_cast<int>(palette.size()) > paletteLength)
        throw std::runtime_error("image has more colours than its palette allows");
    palette.resize(static_cast<size_t>(paletteLength), kBlack);
    return palette;
}

int PaletteIndex(const std::vector<Rgb> &palette, Rgb colour)
{
    return static_cast<int>(std::find(palette.begin(), palette.end(), colour) - palette.begin());
}

void PutPalette(Bytes &out, const std::vector<Rgb> &palette)
{
    for (Rgb c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

// Index rows bottom-up, packed at 4 or 8 bits and padded to whole 32-bit words.
void PutIndexedRows(Bytes &out, const Raster &raster, const std::vector<Rgb> &palette, int bitsPerPixel)
{
    const int rowBytes = RowBytes(raster.width, bitsPerPixel);
    for (int y = raster.height - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(rowBytes), 0);
        for (int x = 0; x < raster.width; ++x) {
            const int index = PaletteIndex(palette, GetPixel(raster, x, y));
            if (bitsPerPixel == 8)
                row[static_cast<size_t>(x)] = static_cast<uint8_t>(index);
            else
                row[static_cast<size_t>(x / 2)] |= static_cast<uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

void PutPngChunk(Bytes &out, const char *type, const Bytes &data)
{
    PutBe32(out, static_cast<uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBe32(out, static_cast<uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

} // namespace

Bytes EncodeBmpIndexed(const Raster &raster, int bitsPerPixel, int paletteLength)
{
    const std::vector<Rgb> palette = MakePalette(raster, paletteLength);
    const uint32_t imageSize = static_cast<uint32_t>(RowBytes(raster.width, bitsPerPixel) * raster.height);
    const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4u * paletteLength;
    const bool fullPalette = paletteLength == 1 << bitsPerPixel;
    Bytes out;
    PutFileHeader(out, pixelOffset + imageSize, pixelOffset);
    PutInfoHeader(out, raster.width, raster.height, bitsPerPixel, imageSize,
                  fullPalette ? 0u : static_cast<uint32_t>(paletteLength));
    PutPalette(out, palette);
    PutIndexedRows(out, raster, palette, bitsPerPixel);
    return out;
}

Bytes EncodeBmp24(const Raster &raster)
{
    const int rowBytes = RowBytes(raster.width, 24);
    const uint32_t imageSize = static_cast<uint32_t>(rowBytes * raster.height);
    const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize;
    Bytes out;
    PutFileHeader(out, pixelOffset + imageSize, pixelOffset);
    PutInfoHeader(out, raster.width, raster.height, 24, imageSize, 0);
    for (int y = raster.height - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(rowBytes), 0);
        for (int x = 0; x < raster.width; ++x) {
            const Rgb c = GetPixel(raster, x, y);
            row[static_cast<size_t>(x) * 3] = c.b;
            row[static_cast<size_t>(x) * 3 + 1] = c.g;
            row[static_cast<size_t>(x) * 3 + 2] = c.r;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

DecodedBmp DecodeBmp(const Bytes &file)
{
    DecodedBmp bmp;
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M')
        return bmp;
    if (Get32(file, 14) != kInfoHeaderSize)
        return bmp;
    const int width = static_cast<int>(Get32(file, 18));
    const int height = static_cast<int>(Get32(file, 22));
    bmp.bitsPerPixel = static_cast<int>(Get16(file, 28));
    bmp.compression = Get32(file, 30);
    const uint32_t used = Get32(file, 46);
    if (width <= 0 || height <= 0 || bmp.compression != 0)
        return bmp;
    if (bmp.bitsPerPixel != 4 && bmp.bitsPerPixel != 8 && bmp.bitsPerPixel != 24)
        return bmp;
    bmp.paletteLength = bmp.bitsPerPixel == 24 ? 0
                        : used != 0            ? static_cast<int>(used)
                                               : 1 << bmp.bitsPerPixel;
    const size_t paletteAt = kFileHeaderSize + kInfoHeaderSize;
    const size_t pixelAt = Get32(file, 10);
    const int rowBytes = RowBytes(width, bmp.bitsPerPixel);
    if (pixelAt < paletteAt + 4u * bmp.paletteLength ||
        file.size() < pixelAt + static_cast<size_t>(rowBytes) * height)
        return bmp;
    for (int i = 0; i < bmp.paletteLength; ++i) {
        const size_t at = paletteAt + 4u * i;
        bmp.palette.push_back({file[at + 2], file[at + 1], file[at]});
    }
    bmp.raster = MakeRaster(width, height, kBlack);
    for (int y = 0; y < height; ++y) {
        const size_t row = pixelAt + static_cast<size_t>(height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            Rgb c;
            if (bmp.bitsPerPixel == 24) {
                const size_t at = row + static_cast<size_t>(x) * 3;
                c = {file[at + 2], file[at + 1], file[at]};
            } else {
                const int index = bmp.bitsPerPixel == 8
                                      ? file[row + x]
                                      : (x % 2 == 0 ? file[row + x / 2] >> 4 : file[row + x / 2] & 0x0F);
                if (index >= bmp.paletteLength)
                    return bmp;
                c = bmp.palette[static_cast<size_t>(index)];
            }
            SetPixel(bmp.raster, x, y, c);
        }
    }
    bmp.valid = true;
    return bmp;
}

Bytes EncodeIco(const std::vector<IconImage> &images)
{
    const int kIconBits = 4;
    const int kIconColours = 16;
    const uint32_t kDirHeaderSize = 6;
    const uint32_t kDirEntrySize = 16;
    std::vector<Bytes> bodies;
    for (const IconImage &image : images) {
        const Raster &r = image.raster;
        const std::vector<Rgb> palette = MakePalette(r, kIconColours);
        const int colourRow = RowBytes(r.width, kIconBits);
        const int maskRow = RowBytes(r.width, 1);
        Bytes body;
        // An icon's info header counts the colour rows and the mask rows together.
        PutInfoHeader(body, r.width, r.height * 2, kIconBits,
                      static_cast<uint32_t>((colourRow + maskRow) * r.height), 0);
        PutPalette(body, palette);
        PutIndexedRows(body, r, palette, kIconBits);
        for (int y = r.height - 1; y >= 0; --y) {
            Bytes row(static_cast<size_t>(maskRow), 0);
            for (int x = 0; x < r.width; ++x)
                if (!image.opaque[static_cast<size_t>(y) * r.width + x])
                    row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
            body.insert(body.end(), row.begin(), row.end());
        }
        bodies.push_back(body);
    }
    Bytes out;
    Put16(out, 0);
    Put16(out, 1); // icon, not cursor
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = kDirHeaderSize + kDirEntrySize * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<uint8_t>(images[i].raster.width));
        out.push_back(static_cast<uint8_t>(images[i].raster.height));
        out.push_back(kIconColours);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, kIconBits);
        Put32(out, static_cast<uint32_t>(bodies[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(bodies[i].size());
    }
    for (const Bytes &body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes EncodePng(const Raster &raster)
{
    // Every row unfiltered: the sheet is mostly flat colour, which zlib shrinks best as it is.
    Bytes scanlines;
    for (int y = 0; y < raster.height; ++y) {
        scanlines.push_back(0);
        for (int x = 0; x < raster.width; ++x) {
            const Rgb c = GetPixel(raster, x, y);
            scanlines.insert(scanlines.end(), {c.r, c.g, c.b});
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(scanlines.size()));
    Bytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, scanlines.data(), static_cast<uLong>(scanlines.size()),
                  kPngCompression) != Z_OK)
        throw std::runtime_error("cannot compress the PNG rows");
    packed.resize(packedSize);

    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutBe32(header, static_cast<uint32_t>(raster.width));
    PutBe32(header, static_cast<uint32_t>(raster.height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, no interlace
    PutPngChunk(out, "IHDR", header);
    PutPngChunk(out, "IDAT", packed);
    PutPngChunk(out, "IEND", Bytes());
    return out;
}

bool ReadFileBytes(const std::string &path, Bytes &out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

void WriteFileBytes(const std::string &path, const Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

/* Byte-exact encoders for the file formats the generator writes (BMP, ICO, PNG).
   Everything little-endian except PNG, which is big-endian by its own rules. */
#include "image_files.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <zlib.h>

static const int FILE_HEADER_SIZE = 14;
static const int INFO_HEADER_SIZE = 40;
static const int PNG_COMPRESSION = 9;

static void Put16(Bytes &out, uint32_t v)
{
    out.push_back(v);
    out.push_back(v >> 8);
}

static void Put32(Bytes &out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

static void PutBe32(Bytes &out, uint32_t v)
{
    out.push_back(v >> 24);
    out.push_back(v >> 16);
    out.push_back(v >> 8);
    out.push_back(v);
}

static uint32_t Get16(const Bytes &in, size_t at)
{
    return in[at] | in[at + 1] << 8;
}
static uint32_t Get32(const Bytes &in, size_t at)
{
    return Get16(in, at) | Get16(in, at + 2) << 16;
}

static int RowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

static void PutInfoHeader(Bytes &out, int width, int height, int bitsPerPixel, uint32_t imageSize,
                          uint32_t coloursUsed)
{
    Put32(out, INFO_HEADER_SIZE);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1); /* planes */
    Put16(out, bitsPerPixel);
    Put32(out, 0); /* BI_RGB */
    Put32(out, imageSize);
    Put32(out, 2835); /* 72 dpi in pixels per metre */
    Put32(out, 2835);
    Put32(out, coloursUsed);
    Put32(out, 0);
}

static void PutFileHeader(Bytes &out, uint32_t fileSize, uint32_t pixelOffset)
{
    out.push_back('B');
    out.push_back('M');
    Put32(out, fileSize);
    Put32(out, 0);
    Put32(out, pixelOffset);
}

static std::vector<Rgb> MakePalette(const Raster &raster, int paletteLength)
{
    std::vector<Rgb> palette = DistinctColours(raster);
    if ((int)(palette.size()) > paletteLength)
        throw std::runtime_error("image has more colours than its palette allows");
    palette.resize(paletteLength, BLACK);
    return palette;
}

static int PaletteIndex(const std::vector<Rgb> &palette, Rgb colour)
{
    return std::find(palette.begin(), palette.end(), colour) - palette.begin();
}

static void PutPalette(Bytes &out, const std::vector<Rgb> &palette)
{
    for (Rgb c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

/* Index rows bottom-up, packed at 4 or 8 bits and padded to whole 32-bit words. */
static void PutIndexedRows(Bytes &out, const Raster &raster, const std::vector<Rgb> &palette,
                           int bitsPerPixel)
{
    const int rowBytes = RowBytes(raster.width, bitsPerPixel);
    for (int y = raster.height - 1; y >= 0; --y) {
        Bytes row(rowBytes, 0);
        for (int x = 0; x < raster.width; ++x) {
            const int index = PaletteIndex(palette, GetPixel(raster, x, y));
            if (bitsPerPixel == 8)
                row[x] = index;
            else
                row[x / 2] |= x % 2 == 0 ? index << 4 : index;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

static void PutPngChunk(Bytes &out, const char *type, const Bytes &data)
{
    PutBe32(out, data.size());
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBe32(out, crc32(0, typed.data(), typed.size()));
}

Bytes EncodeBmpIndexed(const Raster &raster, int bitsPerPixel, int paletteLength)
{
    const std::vector<Rgb> palette = MakePalette(raster, paletteLength);
    const uint32_t imageSize = RowBytes(raster.width, bitsPerPixel) * raster.height;
    const uint32_t pixelOffset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + 4u * paletteLength;
    const bool fullPalette = paletteLength == 1 << bitsPerPixel;
    Bytes out;
    PutFileHeader(out, pixelOffset + imageSize, pixelOffset);
    PutInfoHeader(out, raster.width, raster.height, bitsPerPixel, imageSize,
                  fullPalette ? 0u : (uint32_t)paletteLength);
    PutPalette(out, palette);
    PutIndexedRows(out, raster, palette, bitsPerPixel);
    return out;
}

Bytes EncodeBmp24(const Raster &raster)
{
    const int rowBytes = RowBytes(raster.width, 24);
    const uint32_t imageSize = rowBytes * raster.height;
    const uint32_t pixelOffset = FILE_HEADER_SIZE + INFO_HEADER_SIZE;
    Bytes out;
    PutFileHeader(out, pixelOffset + imageSize, pixelOffset);
    PutInfoHeader(out, raster.width, raster.height, 24, imageSize, 0);
    for (int y = raster.height - 1; y >= 0; --y) {
        Bytes row(rowBytes, 0);
        for (int x = 0; x < raster.width; ++x) {
            const Rgb c = GetPixel(raster, x, y);
            row[x * 3] = c.b;
            row[x * 3 + 1] = c.g;
            row[x * 3 + 2] = c.r;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

DecodedBmp DecodeBmp(const Bytes &file)
{
    DecodedBmp bmp;
    if (file.size() < FILE_HEADER_SIZE + INFO_HEADER_SIZE || file[0] != 'B' || file[1] != 'M')
        return bmp;
    if (Get32(file, 14) != INFO_HEADER_SIZE)
        return bmp;
    const int width = Get32(file, 18);
    const int height = Get32(file, 22);
    bmp.bitsPerPixel = Get16(file, 28);
    bmp.compression = Get32(file, 30);
    const uint32_t used = Get32(file, 46);
    if (width <= 0 || height <= 0 || bmp.compression != 0)
        return bmp;
    if (bmp.bitsPerPixel != 4 && bmp.bitsPerPixel != 8 && bmp.bitsPerPixel != 24)
        return bmp;
    bmp.paletteLength = bmp.bitsPerPixel == 24 ? 0 : used != 0 ? (int)used : 1 << bmp.bitsPerPixel;
    const size_t paletteAt = FILE_HEADER_SIZE + INFO_HEADER_SIZE;
    const size_t pixelAt = Get32(file, 10);
    const int rowBytes = RowBytes(width, bmp.bitsPerPixel);
    if (pixelAt < paletteAt + 4u * bmp.paletteLength || file.size() < pixelAt + rowBytes * height)
        return bmp;
    for (int i = 0; i < bmp.paletteLength; ++i) {
        const size_t at = paletteAt + 4u * i;
        bmp.palette.push_back({file[at + 2], file[at + 1], file[at]});
    }
    bmp.raster = MakeRaster(width, height, BLACK);
    for (int y = 0; y < height; ++y) {
        const size_t row = pixelAt + (height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            Rgb c;
            if (bmp.bitsPerPixel == 24) {
                const size_t at = row + x * 3;
                c = {file[at + 2], file[at + 1], file[at]};
            } else {
                const int index = bmp.bitsPerPixel == 8
                                      ? file[row + x]
                                      : (x % 2 == 0 ? file[row + x / 2] >> 4 : file[row + x / 2] & 0x0F);
                if (index >= bmp.paletteLength)
                    return bmp;
                c = bmp.palette[index];
            }
            SetPixel(bmp.raster, x, y, c);
        }
    }
    bmp.valid = true;
    return bmp;
}

Bytes EncodeIco(const std::vector<IconImage> &images)
{
    const int ICON_BITS = 4;
    const int ICON_COLOURS = 16;
    const uint32_t DIR_HEADER_SIZE = 6;
    const uint32_t DIR_ENTRY_SIZE = 16;
    std::vector<Bytes> bodies;
    for (const IconImage &image : images) {
        const Raster &r = image.raster;
        const std::vector<Rgb> palette = MakePalette(r, ICON_COLOURS);
        const int colourRow = RowBytes(r.width, ICON_BITS);
        const int maskRow = RowBytes(r.width, 1);
        Bytes body;
        /* An icon's info header counts the colour rows and the mask rows together. */
        PutInfoHeader(body, r.width, r.height * 2, ICON_BITS, (colourRow + maskRow) * r.height, 0);
        PutPalette(body, palette);
        PutIndexedRows(body, r, palette, ICON_BITS);
        for (int y = r.height - 1; y >= 0; --y) {
            Bytes row(maskRow, 0);
            for (int x = 0; x < r.width; ++x)
                if (!image.opaque[y * r.width + x])
                    row[x / 8] |= 0x80 >> (x % 8);
            body.insert(body.end(), row.begin(), row.end());
        }
        bodies.push_back(body);
    }
    Bytes out;
    Put16(out, 0);
    Put16(out, 1); /* icon, not cursor */
    Put16(out, images.size());
    uint32_t offset = DIR_HEADER_SIZE + DIR_ENTRY_SIZE * images.size();
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(images[i].raster.width);
        out.push_back(images[i].raster.height);
        out.push_back(ICON_COLOURS);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, ICON_BITS);
        Put32(out, bodies[i].size());
        Put32(out, offset);
        offset += bodies[i].size();
    }
    for (const Bytes &body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes EncodePng(const Raster &raster)
{
    /* Every row unfiltered: the sheet is mostly flat colour, which zlib shrinks best as it is. */
    Bytes scanlines;
    for (int y = 0; y < raster.height; ++y) {
        scanlines.push_back(0);
        for (int x = 0; x < raster.width; ++x) {
            const Rgb c = GetPixel(raster, x, y);
            scanlines.insert(scanlines.end(), {c.r, c.g, c.b});
        }
    }
    uLongf packedSize = compressBound(scanlines.size());
    Bytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, scanlines.data(), scanlines.size(), PNG_COMPRESSION) != Z_OK)
        throw std::runtime_error("cannot compress the PNG rows");
    packed.resize(packedSize);

    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutBe32(header, raster.width);
    PutBe32(header, raster.height);
    header.insert(header.end(), {8, 2, 0, 0, 0}); /* 8-bit RGB, no interlace */
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
    out.write((const char *)bytes.data(), bytes.size());
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

/* Byte-exact encoders for the file formats the generator writes (BMP, ICO, PNG),
   and a BMP reader so that tests can look at what was written. */
#ifndef ZORAVEL_ARTGEN_IMAGE_FILES_H
#define ZORAVEL_ARTGEN_IMAGE_FILES_H

#include <cstdint>
#include <string>
#include <vector>

#include "raster.h"

using Bytes = std::vector<uint8_t>;

/* Palette-based BMP (4 or 8 bits per pixel). The palette holds the raster's distinct colours,
   sorted, padded with black to paletteLength entries; throws if the raster has more colours. */
Bytes EncodeBmpIndexed(const Raster &raster, int bitsPerPixel, int paletteLength);
Bytes EncodeBmp24(const Raster &raster);

struct DecodedBmp {
    bool valid = false;
    int bitsPerPixel = 0;
    int paletteLength = 0;
    uint32_t compression = 0;
    std::vector<Rgb> palette;
    Raster raster;
};
/* Reads an uncompressed bottom-up BMP with a 40-byte info header; valid is false otherwise. */
DecodedBmp DecodeBmp(const Bytes &file);

/* One image of an icon file: the colour pixels and which of them are opaque. */
struct IconImage {
    Raster raster;
    std::vector<uint8_t> opaque; /* one flag per pixel, row-major, top-down */
};
/* Icon file with 4-bit images (16-colour palette each) and AND masks, in the given order. */
Bytes EncodeIco(const std::vector<IconImage> &images);

/* Truecolour PNG, its rows unfiltered and compressed by zlib at a fixed level. */
Bytes EncodePng(const Raster &raster);

bool ReadFileBytes(const std::string &path, Bytes &out);
void WriteFileBytes(const std::string &path, const Bytes &bytes);

#endif

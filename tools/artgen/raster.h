/* Plain RGB pixel buffers shared by every image the art generator makes.
   Pixels are stored top-down, row after row; (0, 0) is the top-left corner. */
#ifndef ZORAVEL_ARTGEN_RASTER_H
#define ZORAVEL_ARTGEN_RASTER_H

#include <cstdint>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
};

inline bool operator==(Rgb a, Rgb b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
inline bool operator!=(Rgb a, Rgb b)
{
    return !(a == b);
}
inline bool operator<(Rgb a, Rgb b)
{
    return (a.r << 16 | a.g << 8 | a.b) < (b.r << 16 | b.g << 8 | b.b);
}

constexpr Rgb WHITE = {255, 255, 255};
constexpr Rgb BLACK = {0, 0, 0};

struct Raster {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
};

Raster MakeRaster(int width, int height, Rgb fill);
Rgb GetPixel(const Raster &raster, int x, int y);
/* Writes outside the raster are ignored so that shapes may be clipped freely. */
void SetPixel(Raster &raster, int x, int y, Rgb colour);
void FillRect(Raster &raster, int x, int y, int w, int h, Rgb colour);
/* Copies src into dst at (x, y), every source pixel enlarged to zoom x zoom. */
void Blit(Raster &dst, const Raster &src, int x, int y, int zoom);
/* The distinct colours of a raster, sorted. */
std::vector<Rgb> DistinctColours(const Raster &raster);
/* Near-white but not white: such pixels would show as a grey fringe in the white picture box. */
bool IsNearWhite(Rgb colour);

#endif

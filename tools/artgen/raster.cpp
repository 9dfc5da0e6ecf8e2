/* Plain RGB pixel buffers shared by every image the art generator makes.
   Only clipping and copying live here; the drawing kits build on top. */
#include "raster.h"

#include <algorithm>

Raster MakeRaster(int width, int height, Rgb fill)
{
    Raster raster;
    raster.width = width;
    raster.height = height;
    raster.pixels.assign(width * height, fill);
    return raster;
}

Rgb GetPixel(const Raster &raster, int x, int y)
{
    return raster.pixels[y * raster.width + x];
}

void SetPixel(Raster &raster, int x, int y, Rgb colour)
{
    if (x < 0 || y < 0 || x >= raster.width || y >= raster.height)
        return;
    raster.pixels[y * raster.width + x] = colour;
}

void FillRect(Raster &raster, int x, int y, int w, int h, Rgb colour)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            SetPixel(raster, i, j, colour);
}

void Blit(Raster &dst, const Raster &src, int x, int y, int zoom)
{
    for (int j = 0; j < src.height * zoom; ++j)
        for (int i = 0; i < src.width * zoom; ++i)
            SetPixel(dst, x + i, y + j, GetPixel(src, i / zoom, j / zoom));
}

std::vector<Rgb> DistinctColours(const Raster &raster)
{
    std::vector<Rgb> colours = raster.pixels;
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    return colours;
}

bool IsNearWhite(Rgb colour)
{
    const int NEAR_WHITE_FLOOR = 232;
    return colour != WHITE && colour.r >= NEAR_WHITE_FLOOR && colour.g >= NEAR_WHITE_FLOOR &&
           colour.b >= NEAR_WHITE_FLOOR;
}

/* The drawing kit of the creature pictures: shaded parametric parts (ellipses, tapered
   capsules, curves, polygons) on a material canvas, finished with one-pixel outlines. */
#ifndef ZORAVEL_ARTGEN_SPRITE_H
#define ZORAVEL_ARTGEN_SPRITE_H

#include <cstdint>
#include <vector>

#include "raster.h"

/* Design coordinates are integers in sixteenths of a pixel, relative to the sprite's origin. */
const int UNIT = 16;
constexpr int U(int pixels)
{
    return pixels * UNIT;
}
/* Zoom and other fractions are Q8: 256 means 1. */
const int Q8_ONE = 256;

enum Shade : uint8_t {
    SHADE_OUTLINE = 0,
    SHADE_SHADOW = 1,
    SHADE_BASE = 2,
    SHADE_LIGHT = 3,
    SHADE_HIGHLIGHT = 4
};
const int SHADE_COUNT = 5;

struct Ramp {
    Rgb shade[SHADE_COUNT];
};

/* A hue-shifted ramp around a base colour: cooler, darker shadows and warmer lights. */
Ramp MakeRamp(Rgb base);
/* Every shade the same colour (eyes, mouths, flat marks); the outline is given apart. */
Ramp FlatRamp(Rgb colour, Rgb outline);
Rgb Mix(Rgb a, Rgb b, int weightOfB); /* weight in Q8 */
Rgb Darker(Rgb c, int percent);

/* Flags of one painted part. */
enum PartFlag : unsigned {
    PART_LINE = 1,         /* outline where this part covers other parts */
    PART_NO_HIGHLIGHT = 2, /* no highlight spot (small parts) */
    PART_FLAT = 4,         /* every pixel in the part's given flat shade */
    PART_BEHIND = 8,       /* fill only pixels that are still empty */
};

struct Sprite {
    int width = 0;
    int height = 0;
    int originX = 0; /* canvas position of design (0, 0), in units */
    int originY = 0;
    int zoom = Q8_ONE;
    bool mirror = false; /* flip design x */
    int clipMin = 2;     /* parts stay inside [clipMin, clipMax] so the outline misses the border */
    int clipMax = 0;
    std::vector<Ramp> ramps;
    std::vector<uint8_t> material; /* 0: empty; otherwise ramp index + 1 */
    std::vector<uint8_t> shade;
    std::vector<uint16_t> part;
    std::vector<uint8_t> groundShadow;
    uint16_t partCount = 0;
};

Sprite MakeSprite(int width, int height, int originX, int originY, int zoom);
int AddMaterial(Sprite &s, const Ramp &ramp);

struct PartStyle {
    int material;
    unsigned flags;
    Shade flatShade;
};
inline PartStyle Style(int material, unsigned flags = 0, Shade flat = SHADE_BASE)
{
    return {material, flags, flat};
}

/* All coordinates and radii in design units; they pass through the sprite's zoom and mirror. */
void Ellipse(Sprite &s, int cx, int cy, int rx, int ry, PartStyle style, int angleDeg = 0);
void Capsule(Sprite &s, int x0, int y0, int r0, int x1, int y1, int r1, PartStyle style);
/* A tapered quadratic curve from (x0, y0) through control (xc, yc) to (x1, y1). */
void Curve(Sprite &s, int x0, int y0, int r0, int xc, int yc, int x1, int y1, int r1, PartStyle style);
/* A chain of tapered segments painted as one part, points as x, y, radius triples. */
void Tube(Sprite &s, const std::vector<int> &xyr, PartStyle style);
/* A convex polygon, points as x, y pairs. */
void Polygon(Sprite &s, const std::vector<int> &xy, PartStyle style);
/* One pixel at the design point, flat. */
void Dot(Sprite &s, int x, int y, int material, Shade shade);
/* A soft grey ground shadow; outlines later cover it where the creature touches it. */
void GroundShadow(Sprite &s, int cx, int cy, int rx, int ry);

/* Integer trigonometry in Q12 (4096 = 1) for whole degrees. */
int SinQ12(int degrees);
int CosQ12(int degrees);

/* Adds the silhouette outline and resolves materials into colours over white. */
Raster FinishSprite(const Sprite &s);
/* Number of painted (non-empty) pixels of the sprite so far. */
int PaintedCount(const Sprite &s);

#endif

/* The program icon: the face of a charcoal marmot kit, drawn at 32 and 16 pixels with its
   transparency mask, in colours of its own. */
#include "creatures.h"

#include "creature_kit.h"

#include <vector>

/* The icon shows the face of a charcoal marmot kit, in colours of its own so that it stays as it
   is whatever the entry it was first drawn from becomes. */
static const int ICON_ENTRY = 5;

static const Rgb ICON_FUR = {84, 74, 70};
static const Rgb ICON_COAL = {246, 124, 36};

Raster DrawIconHead(int size, std::vector<uint8_t> &opaque)
{
    const CreaturePlan &plan = CREATURE_PLANS[ICON_ENTRY];
    const int zoom = Q8_ONE * size / 32;
    Ctx c = MakeCtx(plan, 0, zoom, size, U(size / 2), U(size / 2));
    c.s.clipMin = 1;
    c.s.clipMax = size - 2;
    c.body = Material(c, ICON_FUR);
    c.belly = Material(c, Mix(ICON_FUR, {250, 236, 200}, 120));
    c.accent = Material(c, ICON_COAL);
    c.eye = AddMaterial(c.s, FlatRamp({34, 26, 44}, {20, 14, 28}));
    c.white = AddMaterial(c.s, FlatRamp(WHITE, {20, 14, 28}));
    /* The marmot kit's face: round ears, coal-bright cheek pouches, a dark nose. */
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(9), -U(8), U(4), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, U(1), U(14), U(12), Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(9), U(6), U(5), U(4), Style(c.accent, PART_LINE));
    Ellipse(c.s, 0, U(6), U(4), U(3), Style(c.belly, PART_NO_HIGHLIGHT));
    Ellipse(c.s, 0, U(4), U(2), U(1) + U(1) / 2, Style(c.eye, PART_FLAT));
    CuteEye(c, -U(5), -U(1), U(3));
    CuteEye(c, U(5), -U(1), U(3));
    Raster r = FinishSprite(c.s);
    opaque.assign(size * size, 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int i = y * size + x;
            /* Painted or outlined pixels are opaque; the rest shows the desktop. */
            opaque[i] = GetPixel(r, x, y) != WHITE || c.s.material[i] != 0;
            if (!opaque[i])
                SetPixel(r, x, y, BLACK);
        }
    return r;
}

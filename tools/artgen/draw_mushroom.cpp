/* Pictures of the plan rows whose body is BODY_MUSHROOM, the tinder brackets: one hoof-shaped bracket on a
   birch stick, glowing underneath, and a walking birch stump carrying three of them and a live coal. */
#include "creature_drawers.h"

#include <vector>

static const Rgb BIRCH_WHITE = {226, 222, 210};
static const Rgb BIRCH_SCAR = {60, 56, 52};
static const Rgb BAND_BROWN = {120, 100, 80};
static const Rgb RIM_PALE = {214, 204, 180};
static const Rgb EMBER_BRIGHT = {255, 200, 80};
static const Rgb SMOKE_GREY = {160, 160, 168};

/* Materials of the tinder brackets, made once per picture. */
struct Tinder {
    int band, rim, ember, bright, smoke;
};

static Tinder MakeTinder(Ctx &c)
{
    return {Material(c, BAND_BROWN), Material(c, RIM_PALE), c.accent, Material(c, EMBER_BRIGHT),
            Material(c, SMOKE_GREY)};
}

/* A hoof-shaped tinder bracket seen from the side, growing out of its host at (x, y) toward side
   (-1 left, 1 right): a grey top banded in grey and brown, a pale rounded rim, and an underside that
   smoulders like an ember, a row of bright pores along it. */
static void HoofBracket(Ctx &c, const Tinder &t, int x, int y, int reach, int height, int side)
{
    const int r = reach * side;
    Polygon(c.s,
            {x, y, x + r * 6 / 10, y + height / 12, x + r * 95 / 100, y + height / 3, x + r,
             y + height * 6 / 10, x + r * 8 / 10, y + height * 9 / 10, x + r * 4 / 10, y + height, x,
             y + height * 9 / 10},
            Style(c.body, PART_LINE));
    /* Growth bands across the face, following the hoof's curve. */
    for (int k = 1; k <= 3; ++k) {
        const int by = y + height * k / 5;
        Curve(c.s, x, by, Px(c, 1) / 2, x + r * 7 / 10, by - height / 10, x + r * (95 - k * 3) / 100,
              by + height / 10, Px(c, 1) / 2, Style(k % 2 ? t.band : c.body, PART_FLAT, SHADE_SHADOW));
    }
    /* The pale rim and the glowing underside. */
    Ellipse(c.s, x + r * 4 / 10, y + height * 95 / 100, reach * 5 / 10, height / 5,
            Style(t.ember, PART_LINE));
    Ellipse(c.s, x + r * 4 / 10, y + height * 100 / 100, reach * 3 / 10, height / 10,
            Style(t.bright, PART_FLAT, SHADE_BASE));
    Ellipse(c.s, x + r * 75 / 100, y + height * 75 / 100, reach * 3 / 10, height / 5,
            Style(t.rim, PART_LINE));
    for (int k = 0; k < 4; ++k)
        Ellipse(c.s, x + r * (16 + k * 16) / 100, y + height * 92 / 100, Px(c, 1), Px(c, 1),
                Style(t.bright, PART_FLAT, SHADE_LIGHT));
}

/* A thin curl of smoke rising from (x, y). */
static void SmokeCurl(Ctx &c, const Tinder &t, int x, int y, int h)
{
    Curve(c.s, x, y, Px(c, 1), x - h / 3, y - h / 3, x, y - h * 2 / 3, Px(c, 1), Style(t.smoke, PART_FLAT));
    Curve(c.s, x, y - h * 2 / 3, Px(c, 1), x + h / 3, y - h * 5 / 6, x + h / 8, y - h, Px(c, 1) / 2,
          Style(t.smoke, PART_FLAT, SHADE_LIGHT));
}

/* Black dashes of birch bark along an upright trunk from y0 up to y1. */
static void BirchDashes(Ctx &c, int x, int y0, int y1, int halfWidth, int scar)
{
    for (int k = 0; y0 - k * U(6) > y1; ++k) {
        const int y = y0 - k * U(6) - U(2), dx = (k % 2 ? -1 : 1) * halfWidth / 3;
        Capsule(c.s, x + dx - halfWidth / 3, y, Px(c, 1), x + dx + halfWidth / 3, y - U(1), Px(c, 1) / 2,
                Style(scar, PART_FLAT));
    }
}

/* The young one: one hoof bracket growing sideways out of a short birch stick, its underside
   smouldering, smoke curling up behind its top, two small eyes under the glowing rim. */
static void TinderBracket(Ctx &c)
{
    const Tinder t = MakeTinder(c);
    const int bark = Material(c, BIRCH_WHITE), scar = Material(c, BIRCH_SCAR);
    GroundShadow(c.s, -U(2), 0, U(14), U(3));
    SmokeCurl(c, t, U(6), -U(42), U(16));
    Capsule(c.s, -U(12), -U(1), U(5), -U(12), -U(54), U(4), Style(bark, PART_LINE));
    BirchDashes(c, -U(12), -U(2), -U(52), U(8), scar);
    Capsule(c.s, -U(12), -U(54), U(4), -U(12), -U(54), U(4),
            Style(bark, PART_LINE | PART_FLAT, SHADE_SHADOW));
    HoofBracket(c, t, -U(9), -U(42), U(32), U(28), 1);
    CuteEye(c, U(4), -U(17), U(2) + U(1) / 2);
    CuteEye(c, U(12), -U(18), U(2) + U(1) / 2);
}

/* The grown one: a broken birch stump walking on three splayed root feet, one lifted, three tinder
   brackets stacked up its front, the middle one broadest, eyes under its rim, and a live coal in
   the hollow broken top with smoke curling up from it. */
static void TinderStump(Ctx &c)
{
    const Tinder t = MakeTinder(c);
    const int bark = Material(c, BIRCH_WHITE), scar = Material(c, BIRCH_SCAR);
    const int root = Material(c, {150, 120, 96});
    GroundShadow(c.s, 0, 0, U(24), U(3));
    SmokeCurl(c, t, U(2), -U(64), U(16));
    /* Root feet: the left one lifted mid-step. */
    Tube(c.s, {-U(10), -U(12), U(6), -U(22), -U(12), U(4), -U(30), -U(8), U(3)}, Style(root, PART_LINE));
    Tube(c.s, {U(10), -U(12), U(6), U(21), -U(6), U(4), U(28), -U(1), U(3)}, Style(root, PART_LINE));
    Tube(c.s, {U(1), -U(10), U(6), U(2), -U(4), U(4), -U(3), -U(1), U(3)}, Style(root, PART_LINE));
    /* The stump: white bark, black scars, its top broken off at a slant round a hollow with a live coal. */
    Polygon(c.s, {-U(15), -U(64), U(15), -U(64), U(17), -U(16), U(12), -U(8), -U(12), -U(8), -U(17), -U(16)},
            Style(bark, PART_LINE));
    BirchDashes(c, -U(8), -U(10), -U(60), U(12), scar);
    BirchDashes(c, U(9), -U(13), -U(60), U(10), scar);
    static const int SHARDS[5][2] = {
        {-13, 12},
        {-7,  5 },
        {-1,  8 },
        {6,   3 },
        {12,  5 }
    }; /* x, height */
    for (const int *k : SHARDS)
        Spike(c, U(k[0]), -U(64), U(k[1]), k[0] / 2, U(3), Style(bark, PART_LINE));
    Ellipse(c.s, 0, -U(64), U(13), U(4), Style(scar, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, U(1), -U(65), U(7), U(3), Style(t.ember, PART_LINE));
    Ellipse(c.s, 0, -U(66), U(3), U(1) + U(1) / 2, Style(t.bright, PART_FLAT, SHADE_LIGHT));
    /* Peeling bark at the edges. */
    Spike(c, U(16), -U(34), U(6), 110, U(2), Style(bark, PART_LINE | PART_NO_HIGHLIGHT));
    Spike(c, -U(16), -U(24), U(6), -110, U(2), Style(bark, PART_LINE | PART_NO_HIGHLIGHT));
    /* Three hoof brackets up its front, the middle one broadest, the eyes under its rim. */
    HoofBracket(c, t, U(8), -U(60), U(22), U(14), 1);
    HoofBracket(c, t, -U(8), -U(30), U(24), U(14), -1);
    HoofBracket(c, t, -U(14), -U(48), U(38), U(22), 1);
    for (int side = -1; side <= 1; side += 2)
        FierceEye(c, U(4) + side * U(7), -U(21), U(3), side * 8, t.bright);
}

void DrawMushroom(Ctx &c)
{
    if (c.young)
        TinderBracket(c);
    else
        TinderStump(c);
}

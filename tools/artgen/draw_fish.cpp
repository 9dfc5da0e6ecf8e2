/* Pictures of the plan rows whose body is BODY_FISH, swimmers seen side on or from above: the anglerfish, the
   reef whale and the storm ray. */
#include "creature_drawers.h"

/* Entries drawn in a shape of their own rather than their body's round fish. */
static const int WHALE_ENTRY = 93;

static const int STORM_RAY_ENTRY = 99;

/* A zigzag spark of three strokes, two pixels wide, from (x, y) down and to the side. */
static void Bolt(Ctx &c, int x, int y, int size, int side, int material)
{
    Tube(c.s,
         {x, y, U(1), x + side * size / 2, y + size / 2, U(1), x, y + size / 2, U(1), x + side * size / 2,
          y + size, U(1) / 2},
         Style(material, PART_FLAT, SHADE_LIGHT));
}

static void FishBody(Ctx &c, int cx, int cy, int rx, int ry, int finMat)
{
    Spike(c, cx + rx - U(2), cy, rx * 2 / 3, 50, ry * 2 / 3, Style(finMat, PART_LINE));
    Spike(c, cx + rx - U(2), cy, rx * 2 / 3, 130, ry * 2 / 3, Style(finMat, PART_LINE));
    Spike(c, cx + U(2), cy - ry + U(2), ry, 30, rx / 3, Style(finMat, PART_LINE));
    Ellipse(c.s, cx, cy, rx, ry, Style(c.body));
    Ellipse(c.s, cx - rx / 6, cy + ry / 2, rx * 2 / 3, ry / 2, Style(c.belly, PART_NO_HIGHLIGHT));
    Spike(c, cx - rx / 6, cy + ry / 4, ry * 2 / 3, 150, U(3), Style(finMat, PART_LINE));
}

/* The storm ray of the deep seen from above, banking: a broad dark diamond with rounded wing
   tips, lightning marks across the wings, glowing cells along their rims and a whip tail
   ending in a spark. */
static void StormRay(Ctx &c)
{
    const int spark = Material(c, c.plan->accentColour);
    GroundShadow(c.s, 0, 0, U(24), U(3));
    const int cy = -U(32);
    Tube(c.s, {U(2), cy + U(10), U(3), U(6), cy + U(22), U(2), U(18), cy + U(28), U(1)},
         Style(c.body, PART_LINE));
    Bolt(c, U(18), cy + U(27), U(10), 1, spark);
    Polygon(c.s,
            {-U(36), cy - U(2), -U(8), cy - U(14), U(8), cy - U(14), U(34), cy - U(8), U(4), cy + U(14),
             -U(4), cy + U(14)},
            Style(c.body));
    Ellipse(c.s, -U(34), cy - U(4), U(4), U(3), Style(c.body, PART_LINE), -30);
    Ellipse(c.s, U(32), cy - U(10), U(4), U(3), Style(c.body, PART_LINE), 40);
    Ellipse(c.s, 0, cy - U(2), U(9), U(14), Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2) {
        Tube(c.s,
             {side * U(10), cy - U(6), U(1), side * U(16), cy - U(1), U(1), side * U(20), cy - U(7), U(1),
              side * U(27), cy - U(3) - (side > 0) * U(3), U(1) / 2},
             Style(spark, PART_FLAT, SHADE_LIGHT));
        for (int k = 0; k < 3; ++k)
            Ellipse(c.s, side * (U(12) + k * U(6)), cy + U(6) - k * U(4) - (side > 0) * k * U(1), U(1), U(1),
                    Style(spark, PART_FLAT, SHADE_LIGHT));
    }
    /* Horn-like head fins curl forward either side of the mouth. */
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(7), cy - U(15), U(2), U(4), Style(c.body, PART_LINE), side * 20);
    CuteEye(c, -U(5), cy - U(8), U(2) + U(1) / 2);
    CuteEye(c, U(5), cy - U(8), U(2) + U(1) / 2);
    Smile(c, 0, cy - U(3), U(3));
}

/* The ivory whale swims with a reef on its back: grey bands round its body, coral knobs and
   fronds of weed riding on top, a small spout. */
static void ReefWhale(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(30), U(3));
    const int cy = -U(20);
    const int water = Material(c, {130, 200, 250}), grey = Material(c, {150, 150, 156});
    const int weed = Material(c, {90, 160, 100});
    Capsule(c.s, -U(14), cy - U(14), U(1), -U(14), cy - U(22), U(1), Style(water, PART_FLAT, SHADE_LIGHT));
    for (int k = -1; k <= 1; ++k)
        Ellipse(c.s, -U(14) + k * U(4), cy - U(24) + (k != 0) * U(2), U(3), U(2), Style(water, PART_LINE));
    Spike(c, U(28), cy, U(10), 40, U(5), Style(c.body, PART_LINE));
    Spike(c, U(28), cy, U(10), 100, U(5), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, cy, U(30), U(14), Style(c.body));
    Ellipse(c.s, -U(4), cy + U(7), U(24), U(7), Style(c.belly, PART_NO_HIGHLIGHT));
    for (int k = 0; k < 2; ++k)
        Curve(c.s, -U(2) + k * U(12), cy - U(13) + k * U(1), U(1) + U(1) / 2, U(3) + k * U(12), cy,
              -U(1) + k * U(12), cy + U(13) - k * U(1), U(1) + U(1) / 2, Style(grey, PART_FLAT, SHADE_BASE));
    /* The reef on its back: weed fronds behind, coral knobs in front. */
    for (int k = 0; k < 3; ++k)
        Leaf(c, U(4) + k * U(7), cy - U(11), U(10), -25 + k * 25, weed);
    Tube(c.s, {U(16), cy - U(12), U(2), U(18), cy - U(20), U(1) + U(1) / 2, U(22), cy - U(24), U(1)},
         Style(c.accent, PART_LINE));
    Tube(c.s, {U(18), cy - U(19), U(1) + U(1) / 2, U(13), cy - U(23), U(1)}, Style(c.accent, PART_LINE));
    for (int k = 0; k < 4; ++k)
        Ellipse(c.s, -U(2) + k * U(6), cy - U(12) - (k % 2) * U(2), U(3), U(3), Style(c.accent, PART_LINE));
    Spike(c, -U(2), cy + U(6), U(10), 200, U(4), Style(c.body, PART_LINE));
    CuteEye(c, -U(18), cy - U(2), U(2) + U(1) / 2);
    Smile(c, -U(22), cy + U(5), U(4));
}

/* The anglerfish seen from outside: a round dark body nearly all head, a gaping jaw of teeth
   and a glowing lure held out on its rod. */
static void Anglerfish(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(22), U(3));
    const int cx = U(2), cy = -U(26), lure = Material(c, c.plan->accentColour);
    Curve(c.s, -U(4), cy - U(16), U(1) + U(1) / 4, -U(10), cy - U(34), -U(24), cy - U(22), U(1),
          Style(c.body, PART_LINE));
    Ellipse(c.s, -U(24), cy - U(18), U(6), U(6), Style(lure, PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, -U(24), cy - U(18), U(4), U(4), Style(lure, PART_LINE));
    FishBody(c, cx, cy, U(20), U(18), c.body);
    Ellipse(c.s, -U(10), cy + U(6), U(10), U(7), Style(c.mouth, PART_FLAT));
    for (int k = 0; k < 4; ++k) {
        Spike(c, -U(17) + k * U(4), cy, U(5), 180, U(1) + U(1) / 4, Style(c.bone, PART_NO_HIGHLIGHT));
        Spike(c, -U(16) + k * U(4), cy + U(13), U(4), 0, U(1) + U(1) / 4, Style(c.bone, PART_NO_HIGHLIGHT));
    }
    FierceEye(c, -U(3), cy - U(7), U(3), 15, lure);
}

void DrawFish(Ctx &c)
{
    if (c.plan->index == STORM_RAY_ENTRY)
        StormRay(c);
    else if (c.plan->index == WHALE_ENTRY)
        ReefWhale(c);
    else
        Anglerfish(c);
}

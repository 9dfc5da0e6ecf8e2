/* Pictures of the plan rows whose body is BODY_FISH, swimmers seen side on or from above: the burbot, the
   reef whale, the storm ray and the ice sturgeon. */
#include "creature_drawers.h"

/* Entries drawn in a shape of their own rather than their body's round fish. */
static const int WHALE_ENTRY = 93;

static const int STORM_RAY_ENTRY = 99;
static const int ICE_STURGEON_ENTRY = 95;

/* A zigzag spark of three strokes, two pixels wide, from (x, y) down and to the side. */
static void Bolt(Ctx &c, int x, int y, int size, int side, int material)
{
    Tube(c.s,
         {x, y, U(1), x + side * size / 2, y + size / 2, U(1), x, y + size / 2, U(1), x + side * size / 2,
          y + size, U(1) / 2},
         Style(material, PART_FLAT, SHADE_LIGHT));
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

/* The burbot prowls under the winter ice: a long fish curving gently from left to right under a flat
   band of ice, a broad flat head with a wide shut mouth, small eyes set high and one whisker hanging
   from the middle of its chin, a short first back fin, a long second one and a matching one
   underneath running back to a rounded tail, its skin marbled olive and yellow over a pale belly. */
static void Burbot(Ctx &c)
{
    const int ice = c.accent, fin = Material(c, Darker(c.plan->bodyColour, 22));
    const int marble = Material(c, {70, 64, 40}), yellow = Material(c, {190, 170, 80});
    const int pale = Material(c, {220, 214, 180});
    /* The ice roof over it. */
    Polygon(c.s, {-U(46), -U(52), U(46), -U(52), U(46), -U(44), -U(46), -U(44)}, Style(ice, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Capsule(c.s, -U(36) + k * U(28), -U(49), Px(c, 1) / 2, -U(24) + k * U(28), -U(48), Px(c, 1) / 2,
                Style(ice, PART_FLAT, SHADE_HIGHLIGHT));
    /* Long fins above and below, running back into the rounded tail. */
    Tube(c.s, {-U(2), -U(31), U(2), U(16), -U(31), U(4), U(34), -U(26), U(3)}, Style(fin, PART_LINE));
    Tube(c.s, {U(2), -U(15), U(2), U(18), -U(14), U(4), U(34), -U(16), U(3)}, Style(fin, PART_LINE));
    Ellipse(c.s, U(40), -U(21), U(7), U(8), Style(fin, PART_LINE));
    Polygon(c.s, {-U(14), -U(31), -U(10), -U(38), -U(4), -U(37), -U(2), -U(31)}, Style(fin, PART_LINE));
    /* The long body, then its pale belly and marbling. */
    Tube(c.s,
         {-U(26), -U(24), U(10), -U(6), -U(24), U(10), U(14), -U(22), U(8), U(30), -U(21), U(5), U(38),
          -U(21), U(3)},
         Style(c.body, PART_LINE));
    Tube(c.s, {-U(24), -U(17), U(3), -U(4), -U(16), U(4), U(18), -U(17), U(3)},
         Style(pale, PART_NO_HIGHLIGHT));
    for (int k = 0; k < 12; ++k) {
        const int x = RandomRange(c.rng, -U(18), U(30)), y = RandomRange(c.rng, -U(30), -U(20));
        Ellipse(c.s, x, y, U(2) + (k % 2) * U(1), U(1) + U(1) / 2, Style(k % 3 ? marble : yellow, PART_FLAT),
                k * 25);
    }
    /* The pectoral fin behind the head. */
    Ellipse(c.s, -U(14), -U(19), U(5), U(3), Style(fin, PART_LINE), 30);
    /* The broad flat head, wide shut mouth, eyes set high and the one chin whisker. */
    Ellipse(c.s, -U(30), -U(24), U(13), U(8), Style(c.body, PART_LINE));
    Ellipse(c.s, -U(32), -U(19), U(9), U(3), Style(pale, PART_NO_HIGHLIGHT));
    Curve(c.s, -U(43), -U(23), Px(c, 1) / 2, -U(38), -U(20), -U(28), -U(21), Px(c, 1) / 2,
          Style(c.mouth, PART_FLAT));
    Capsule(c.s, -U(37), -U(18), Px(c, 1) / 2, -U(38), -U(11), Px(c, 1) / 2, Style(fin, PART_FLAT));
    BrightEye(c, -U(34), -U(29), U(2));
    BrightEye(c, -U(27), -U(30), U(1) + U(1) / 2);
}

/* One diamond bony plate drawn as an ice crystal, its lit facet to the upper left. */
static void IcePlate(Ctx &c, int x, int y, int r, int plate)
{
    Polygon(c.s, {x, y - r, x + r * 3 / 4, y, x, y + r, x - r * 3 / 4, y}, Style(plate, PART_LINE));
    Polygon(c.s, {x, y - r, x, y, x - r * 3 / 4, y}, Style(plate, PART_FLAT, SHADE_HIGHLIGHT));
}

/* The ice sturgeon swims from left to right with a slight curve: a long pale body armoured with rows
   of diamond plates of ice, a long pointed snout with four whiskers hanging in front of a small
   down-turned mouth, a shark-like tail with the longer upper lobe, frost on its fins and shards of
   ice breaking off its back. */
static void IceSturgeon(Ctx &c)
{
    const int plate = c.accent, rime = Material(c, {214, 234, 246});
    const int fin = Material(c, Darker(c.plan->bodyColour, 18));
    const int cy = -U(30);
    /* Tail: the upper lobe long, the lower short. */
    Polygon(c.s, {-U(28), cy - U(2), -U(48), cy - U(20), -U(44), cy - U(14), -U(30), cy + U(2)},
            Style(fin, PART_LINE));
    Polygon(c.s, {-U(30), cy, -U(42), cy + U(10), -U(38), cy + U(11), -U(26), cy + U(3)},
            Style(fin, PART_LINE));
    /* Far fins. */
    Spike(c, U(12), cy + U(7), U(10), 200, U(4), Style(fin, PART_FLAT | PART_LINE, SHADE_SHADOW));
    /* The long body, thickest behind the head. */
    Tube(c.s,
         {-U(30), cy, U(4), -U(16), cy - U(3), U(9), U(2), cy - U(2), U(12), U(18), cy, U(12), U(30),
          cy + U(2), U(8)},
         Style(c.body, PART_LINE));
    Tube(c.s, {-U(20), cy + U(5), U(3), U(2), cy + U(8), U(5), U(22), cy + U(8), U(4)},
         Style(c.belly, PART_NO_HIGHLIGHT));
    /* Dorsal and anal fins near the tail, frosted at their edges. */
    Polygon(c.s, {-U(18), cy - U(7), -U(24), cy - U(14), -U(12), cy - U(8)}, Style(fin, PART_LINE));
    Polygon(c.s, {-U(16), cy + U(5), -U(22), cy + U(11), -U(10), cy + U(6)}, Style(fin, PART_LINE));
    for (int k = 0; k < 3; ++k) {
        Ellipse(c.s, -U(22) + k * U(3), cy - U(12) + k * U(2), Px(c, 1), Px(c, 1), Style(rime, PART_FLAT));
        Ellipse(c.s, -U(46) + k * U(4), cy - U(18) + k * U(4), Px(c, 1), Px(c, 1), Style(rime, PART_FLAT));
    }
    /* Rows of ice plates: along the back, the flank and low on the side. */
    for (int k = 0; k < 6; ++k)
        IcePlate(c, -U(18) + k * U(8), cy - U(12) + (k > 2 ? U(1) : 0) - (k == 2 || k == 3 ? U(1) : 0), U(5),
                 plate);
    for (int k = 0; k < 6; ++k)
        IcePlate(c, -U(20) + k * U(8), cy + k * U(1) / 3, U(4), plate);
    for (int k = 0; k < 4; ++k)
        IcePlate(c, -U(8) + k * U(8), cy + U(9), U(3), plate);
    /* Shards breaking off the back. */
    Polygon(c.s, {U(2), cy - U(22), U(8), cy - U(28), U(9), cy - U(21)}, Style(plate, PART_LINE));
    Polygon(c.s, {-U(8), cy - U(24), -U(5), cy - U(32), -U(2), cy - U(25)}, Style(plate, PART_LINE));
    Polygon(c.s, {U(14), cy - U(21), U(20), cy - U(25), U(18), cy - U(19)}, Style(plate, PART_LINE));
    /* The near pectoral fin, frosted. */
    Spike(c, U(16), cy + U(8), U(15), 215, U(5), Style(fin, PART_LINE));
    Ellipse(c.s, U(10), cy + U(14), Px(c, 1), Px(c, 1), Style(rime, PART_FLAT));
    /* The head: a long pointed snout, four whiskers, a small down-turned mouth and a clear eye. */
    Polygon(c.s, {U(26), cy - U(8), U(50), cy + U(1), U(28), cy + U(9)}, Style(c.body, PART_LINE));
    for (int k = 0; k < 4; ++k)
        Capsule(c.s, U(36) + k * U(3), cy + U(4), Px(c, 1) / 2, U(35) + k * U(3), cy + U(13), Px(c, 1) / 2,
                Style(fin, PART_FLAT));
    Curve(c.s, U(24), cy + U(8), Px(c, 1) / 2, U(27), cy + U(6), U(30), cy + U(8), Px(c, 1) / 2,
          Style(c.mouth, PART_FLAT));
    BrightEye(c, U(25), cy - U(2), U(2));
}

void DrawFish(Ctx &c)
{
    if (c.plan->index == ICE_STURGEON_ENTRY)
        IceSturgeon(c);
    else if (c.plan->index == STORM_RAY_ENTRY)
        StormRay(c);
    else if (c.plan->index == WHALE_ENTRY)
        ReefWhale(c);
    else
        Burbot(c);
}

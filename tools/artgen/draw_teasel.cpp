/* Pictures of the plan rows whose body is BODY_TEASEL, the teasels: a spiny rosette cupping dew and a tall
   teasel holding up two heads. */
#include "creature_drawers.h"

#include <algorithm>

static const int TEASEL_ROSETTE_ENTRY = 63;
static const Rgb DEW_BLUE = {120, 190, 232};
static const Rgb PRICKLE_PALE = {214, 220, 170};
static const Rgb FLOWER_LILAC = {176, 140, 214};

/* A long spiny teasel leaf from (x, y) toward angle, pale prickles along its midrib. */
static void SpinyLeaf(Ctx &c, int x, int y, int len, int angle, int width, int leaf, int prickle)
{
    const int mx = Toward(x, len / 2, angle), my = TowardY(y, len / 2, angle);
    Ellipse(c.s, mx, my, width, len / 2, Style(leaf, PART_LINE), angle);
    const int dot = std::max(U(1) / 2, Px(c, 1));
    for (int k = 1; k <= 3; ++k) {
        const int d = len * k / 4;
        Ellipse(c.s, Toward(x, d, angle), TowardY(y, d, angle), dot, dot, Style(prickle, PART_FLAT));
        for (int side = -1; side <= 1; side += 2)
            Spike(c, Toward(Toward(x, d, angle), width * 3 / 4, angle + side * 90),
                  TowardY(TowardY(y, d, angle), width * 3 / 4, angle + side * 90), std::max(U(2), Px(c, 2)),
                  angle + side * 60, std::max(U(1) / 2, Px(c, 1)),
                  Style(leaf, PART_FLAT | PART_NO_HIGHLIGHT));
    }
}

/* The rosette: spiny leaves spread flat round a pool of dew, a round face rising in its middle. */
static void TeaselRosette(Ctx &c)
{
    const int leaf = c.body, dew = c.accent, prickle = Material(c, PRICKLE_PALE);
    const int cy = -U(12);
    GroundShadow(c.s, 0, 0, U(30), U(3));
    static const int BACK_LEAVES[][3] = {
  /* angle, length, width */
        {-30, 20, 5},
        {30,  20, 5},
        {-80, 28, 5},
        {80,  28, 5},
    };
    for (const int *l : BACK_LEAVES)
        SpinyLeaf(c, l[0] < 0 ? -U(3) : U(3), cy - U(2), U(l[1]), l[0], U(l[2]), leaf, prickle);
    /* The cup of the leaf bases, brimming with dew. */
    Ellipse(c.s, 0, cy, U(15), U(7), Style(leaf, PART_LINE));
    Ellipse(c.s, 0, cy - U(1), U(12), U(4) + U(1) / 2, Style(dew, PART_LINE));
    Ellipse(c.s, -U(8), cy - U(2), U(2), Px(c, 1), Style(dew, PART_FLAT, SHADE_HIGHLIGHT));
    static const int FRONT_LEAVES[][3] = {
        {-125, 20, 5},
        {125,  20, 5},
        {180,  12, 5},
    };
    for (const int *l : FRONT_LEAVES)
        SpinyLeaf(c,
                  l[0] < 0      ? -U(4)
                  : l[0] == 180 ? 0
                                : U(4),
                  cy + U(3), U(l[1]), l[0], U(l[2]), leaf, prickle);
    /* The face rises out of the pool. */
    const int hy = cy - U(6);
    Ellipse(c.s, 0, hy, U(8), U(7), Style(leaf, PART_LINE));
    OvalEye(c, -U(3), hy - U(1), U(2) + U(1) / 2, 0);
    OvalEye(c, U(3), hy - U(1), U(2) + U(1) / 2, 0);
    Smile(c, 0, hy + U(3), U(2));
    Ellipse(c.s, U(18), cy - U(9), U(1) + U(1) / 2, U(2), Style(dew, PART_LINE));
}

/* A spiky egg-shaped teasel head held up at (x, y): rows of hooked bracts, a band of lilac flowers
   and long curved bracts sweeping up from its foot. */
static void TeaselHead(Ctx &c, int x, int y, int rx, int ry, int head, int lilac, int stem)
{
    for (int side = -1; side <= 1; side += 2)
        Curve(c.s, x, y + ry, Px(c, 1), x + side * rx * 2, y + ry / 2, x + side * rx * 3 / 2, y - ry / 2,
              Px(c, 1), Style(stem, PART_LINE));
    Ellipse(c.s, x, y, rx, ry, Style(head, PART_LINE));
    const int spike = std::max(U(2), Px(c, 2));
    for (int row = 0; row < 5; ++row) {
        const int v = -ry + (row + 1) * ry * 2 / 6;
        const int half = rx * (row == 0 || row == 4 ? 6 : 9) / 10;
        for (int side = -1; side <= 1; side += 2)
            Spike(c, x + side * half, y + v, spike + U(1), side * 80, std::max(U(1) / 2, Px(c, 1)),
                  Style(head, PART_FLAT | PART_NO_HIGHLIGHT, SHADE_SHADOW));
        for (int k = -1; k <= 1; ++k)
            Ellipse(c.s, x + k * rx / 2 + (row % 2) * rx / 4, y + v, Px(c, 1), Px(c, 1),
                    Style(head, PART_FLAT, SHADE_SHADOW));
    }
    Spike(c, x, y - ry, spike + U(1), 0, Px(c, 1), Style(head, PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, x, y + ry / 5, rx, std::max(U(1) + U(1) / 2, Px(c, 2)),
            Style(lilac, PART_FLAT, SHADE_LIGHT));
}

/* A pair of leaves joined round the stem into a cup that holds dew. */
static void LeafCup(Ctx &c, int y, int len, int leaf, int dew, int prickle)
{
    SpinyLeaf(c, -U(2), y, len, -62, U(5), leaf, prickle);
    SpinyLeaf(c, U(2), y, len, 62, U(5), leaf, prickle);
    Ellipse(c.s, 0, y - U(1), U(6), U(3), Style(leaf, PART_LINE));
    Ellipse(c.s, 0, y - U(2), U(4), U(1) + U(1) / 2, Style(dew, PART_FLAT, SHADE_LIGHT));
}

/* The tall teasel: a prickly stem with leaf cups at its joints, a face where it branches, and two
   spiky heads held up on its arms like combs. */
static void TallTeasel(Ctx &c)
{
    const int stem = c.body, head = c.accent, dew = Material(c, DEW_BLUE);
    const int prickle = Material(c, PRICKLE_PALE), lilac = Material(c, FLOWER_LILAC);
    GroundShadow(c.s, 0, 0, U(20), U(3));
    SpinyLeaf(c, -U(2), -U(2), U(22), -100, U(5), stem, prickle);
    SpinyLeaf(c, U(2), -U(2), U(22), 100, U(5), stem, prickle);
    Capsule(c.s, 0, -U(2), U(3) + U(1) / 2, 0, -U(50), U(3), Style(stem, PART_LINE));
    for (int k = 0; k < 4; ++k)
        for (int side = -1; side <= 1; side += 2)
            Spike(c, side * U(3), -U(8) - k * U(10) - (side > 0 ? U(5) : 0), U(3), side * 70, U(1),
                  Style(prickle, PART_FLAT | PART_NO_HIGHLIGHT));
    LeafCup(c, -U(14), U(26), stem, dew, prickle);
    LeafCup(c, -U(32), U(22), stem, dew, prickle);
    /* The arms curve up and out from the body, each holding a head aloft. */
    Curve(c.s, -U(4), -U(54), U(2) + U(1) / 2, -U(20), -U(54), -U(20), -U(66), U(2), Style(stem, PART_LINE));
    Curve(c.s, U(4), -U(54), U(2) + U(1) / 2, U(20), -U(54), U(20), -U(66), U(2), Style(stem, PART_LINE));
    TeaselHead(c, -U(21), -U(78), U(9), U(13), head, lilac, stem);
    TeaselHead(c, U(21), -U(78), U(9), U(13), head, lilac, stem);
    const int hy = -U(54);
    Ellipse(c.s, 0, hy, U(9), U(10), Style(stem, PART_LINE));
    OvalEye(c, -U(3), hy - U(2), U(2) + U(1) / 2, 0);
    OvalEye(c, U(3), hy - U(2), U(2) + U(1) / 2, 0);
    Smile(c, 0, hy + U(4), U(2));
}

void DrawTeasel(Ctx &c)
{
    if (c.plan->index == TEASEL_ROSETTE_ENTRY)
        TeaselRosette(c);
    else
        TallTeasel(c);
}

/* Pictures of the plan rows whose body is BODY_ROCKPOOL, the walking rock pool: a speckled granite boulder
   on three barnacled legs, its hollow top brimming with sea water and its own small life. */
#include "creature_drawers.h"

static const Rgb FELDSPAR_PINK = {220, 170, 160};
static const Rgb BARNACLE_WHITE = {236, 232, 220};
static const Rgb ANEMONE_RED = {220, 60, 70};
static const Rgb WEED_GREEN = {90, 160, 70};
static const Rgb WRACK_BROWN = {130, 100, 50};
static const Rgb FISH_SILVER = {190, 200, 210};

/* A short thick leg of stone from the boulder's underside at (x, y) to the ground, crusted with
   white barnacle cones. */
static void BarnacledLeg(Ctx &c, int x, int y, int footX, int barnacle, bool far)
{
    const PartStyle style =
        far ? Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW) : Style(c.body, PART_LINE);
    Tube(c.s, {x, y, U(6), (x + footX) / 2, y / 2, U(5), footX, -U(4), U(5)}, style);
    Ellipse(c.s, footX, -U(3), U(7), U(3), style);
    if (far)
        return;
    for (int k = 0; k < 3; ++k)
        Spike(c, x + (footX - x) * k / 3 - U(4) + k * U(3), y * (3 - k) / 4 - U(2), U(3), -20 + k * 20, U(2),
              Style(barnacle, PART_LINE | PART_NO_HIGHLIGHT));
}

/* The boulder walks on three short barnacled legs; its top is a brimming pool with a red anemone, a
   wisp of weed and a tiny silver fish, water spilling over one edge; brown wrack hangs from its
   sides, pink feldspar flecks its grey granite, and two eyes look out of a crack across its front. */
void DrawRockpool(Ctx &c)
{
    const int water = c.accent, fleck = Material(c, FELDSPAR_PINK), barnacle = Material(c, BARNACLE_WHITE);
    const int anemone = Material(c, ANEMONE_RED), weed = Material(c, WEED_GREEN);
    const int wrack = Material(c, WRACK_BROWN), fish = Material(c, FISH_SILVER);
    const int cy = -U(36), top = -U(48);
    GroundShadow(c.s, 0, 0, U(30), U(3));
    BarnacledLeg(c, U(4), -U(16), U(6), barnacle, true);
    BarnacledLeg(c, -U(14), -U(18), -U(18), barnacle, false);
    BarnacledLeg(c, U(18), -U(18), U(22), barnacle, false);
    /* The granite boulder, speckled. */
    Ellipse(c.s, U(2), cy - U(2), U(34), U(21), Style(c.body), -6);
    Ellipse(c.s, -U(22), cy + U(6), U(14), U(12), Style(c.body), 20);
    Ellipse(c.s, U(24), cy - U(8), U(14), U(13), Style(c.body), -15);
    for (int k = 0; k < 14; ++k) {
        const int x = RandomRange(c.rng, -U(24), U(24)), y = cy + RandomRange(c.rng, -U(12), U(18));
        Ellipse(c.s, x, y, Px(c, 1), Px(c, 1), Style(k % 3 ? fleck : c.body, PART_FLAT, SHADE_SHADOW));
    }
    /* Brown wrack hanging from its sides. */
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; ++k) {
            const int x = side * (U(26) - k * U(4)), y = cy - U(8) + k * U(5);
            Curve(c.s, x, y, U(1) + U(1) / 2, x + side * U(6), y + U(8), x + side * U(3), y + U(16), U(1),
                  Style(wrack, PART_LINE));
            Ellipse(c.s, x + side * U(4), y + U(9), U(1) + U(1) / 2, U(1) + U(1) / 2,
                    Style(wrack, PART_LINE));
        }
    /* The pool in its hollow top: the rim, the water, and what lives in it. */
    Ellipse(c.s, 0, top, U(25), U(8), Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, 0, top + U(1), U(22), U(6), Style(water, PART_LINE));
    Ellipse(c.s, -U(5), top, U(8), U(2), Style(water, PART_FLAT, SHADE_LIGHT));
    Curve(c.s, U(2), top + U(4), U(1), U(6), top - U(4), U(2), top - U(10), U(1) / 2 + U(1) / 4,
          Style(weed, PART_LINE));
    Curve(c.s, U(4), top + U(4), U(1), U(10), top - U(2), U(9), top - U(8), U(1) / 2 + U(1) / 4,
          Style(weed, PART_LINE));
    for (int k = 0; k < 5; ++k)
        Spike(c, -U(10), top - U(1), U(5), -60 + k * 30, U(1) + U(1) / 2,
              Style(anemone, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, -U(10), top + U(1), U(4), U(3), Style(anemone, PART_LINE));
    Ellipse(c.s, U(12), top + U(2), U(3), U(1) + U(1) / 2, Style(fish, PART_LINE));
    Spike(c, U(15), top + U(2), U(3), 90, U(1) + U(1) / 2, Style(fish, PART_LINE | PART_NO_HIGHLIGHT));
    /* Water spilling over the right edge in a thin run. */
    Tube(c.s,
         {U(18), top + U(3), U(1), U(30), top + U(6), U(1), U(37), cy, U(1), U(38), cy + U(16),
          U(1) / 2 + U(1) / 4},
         Style(water, PART_FLAT, SHADE_BASE));
    Ellipse(c.s, U(38), cy + U(20), U(1) + U(1) / 2, U(2), Style(water, PART_LINE));
    Ellipse(c.s, U(38), -U(2), U(5), U(1) + U(1) / 2, Style(water, PART_LINE | PART_NO_HIGHLIGHT));
    /* The crack across its front, two eyes deep in it. */
    Tube(c.s, {-U(24), cy - U(6), Px(c, 1) / 2, -U(16), cy - U(2), Px(c, 1) / 2, -U(10), cy - U(3), U(2),
               -U(4),  cy + U(1), U(3),         U(6),   cy - U(1), U(3),         U(12),  cy + U(2), U(2),
               U(18),  cy - U(2), Px(c, 1) / 2, U(26),  cy + U(3), Px(c, 1) / 2},
         Style(c.dark, PART_FLAT, SHADE_SHADOW));
    for (int side = -1; side <= 1; side += 2) {
        const int ex = side * U(5) + U(1), ey = cy;
        Ellipse(c.s, ex, ey, U(2) + U(1) / 2, U(2), Style(Material(c, {250, 220, 120}), PART_FLAT));
        Ellipse(c.s, ex - U(1), ey - U(1) / 2, Px(c, 1), Px(c, 1), Style(c.white, PART_FLAT));
    }
}

/* Pictures of the plan rows whose body is BODY_WHIRL, the dust whirls: a spinning puff, a funnel and a tall
   dust devil. */
#include "creature_drawers.h"

static const Rgb GRIT = {120, 96, 74};

static const Rgb PEBBLE = {150, 146, 150};
static const Rgb TUMBLEWEED = {168, 124, 74};
static const Rgb LEAF_GREEN = {120, 160, 60};

/* A whirl of dust from its foot at (0, footY) up to topY: stacked spinning bands, width growing
   from foot to top, each band's centre swayed by sway at the top. */
static void DustColumn(Ctx &c, int footY, int topY, int footHalf, int topHalf, int sway, int bands)
{
    const int dust = c.body, streak = Material(c, Darker(c.plan->bodyColour, 16));
    for (int k = 0; k < bands; ++k) {
        const int t = k * 256 / (bands - 1);
        const int y = footY + (topY - footY) * t / 256;
        const int half = footHalf + (topHalf - footHalf) * t * t / 65536;
        const int x = sway * t * t / 65536;
        const int thick = (footY - topY) / bands + U(2);
        Ellipse(c.s, x, y, half, thick, Style(k % 2 ? dust : streak, PART_LINE));
        /* A spin stroke across each band. */
        if (half > U(5))
            Curve(c.s, x - half * 3 / 4, y - thick / 3, U(1) / 2, x, y + thick / 2, x + half * 3 / 4,
                  y - thick / 3, U(1) / 2, Style(dust, PART_FLAT, SHADE_LIGHT));
    }
}

/* A little puff of dust at (x, y). */
static void Puff(Ctx &c, int x, int y, int r)
{
    Ellipse(c.s, x, y, r, r * 3 / 4, Style(c.body, PART_LINE));
}

/* The youngest whirl spins like a top: a round puff on a point, big eyes, a leaf caught in it. */
static void DustTop(Ctx &c)
{
    const int leaf = Material(c, LEAF_GREEN), swirl = Material(c, Darker(c.plan->bodyColour, 16));
    GroundShadow(c.s, 0, 0, U(8), U(2));
    /* Swirl strokes sweeping round the spinning puff. */
    Curve(c.s, -U(26), -U(22), U(1), -U(30), -U(40), -U(12), -U(48), U(1), Style(swirl, PART_LINE));
    Curve(c.s, U(26), -U(38), U(1), U(30), -U(20), U(12), -U(14), U(1), Style(swirl, PART_LINE));
    Polygon(c.s, {-U(12), -U(24), U(12), -U(24), U(2), -U(3), -U(2), -U(3)}, Style(c.body, PART_LINE));
    Capsule(c.s, -U(6), -U(14), U(1) / 2, U(6), -U(12), U(1) / 2, Style(c.body, PART_FLAT, SHADE_LIGHT));
    /* A puffy rim of little clouds of dust round the top. */
    for (int k = 0; k < 8; ++k) {
        const int a = k * 45;
        Ellipse(c.s, Toward(0, U(16), a), TowardY(-U(30), U(11), a), U(6), U(5), Style(c.body, PART_LINE));
    }
    Ellipse(c.s, 0, -U(30), U(18), U(13), Style(c.body));
    for (int k = 0; k < 2; ++k)
        Curve(c.s, -U(16), -U(35) + k * U(11), U(1) / 2, 0, -U(29) + k * U(11), U(16), -U(35) + k * U(11),
              U(1) / 2, Style(swirl, PART_FLAT, SHADE_BASE));
    Puff(c, -U(10), -U(4), U(3));
    Puff(c, U(10), -U(5), U(2) + U(1) / 2);
    Leaf(c, U(14), -U(42), U(12), 50, leaf);
    GlintEye(c, -U(7), -U(31), U(4));
    GlintEye(c, U(6), -U(31), U(4));
    Ellipse(c.s, 0, -U(23), U(2), U(1) + U(1) / 2, Style(c.mouth, PART_FLAT));
}

/* The funnel stands taller on its spinning point, grit and straw whirling round it. */
static void DustFunnel(Ctx &c)
{
    const int grit = Material(c, GRIT), straw = c.accent;
    GroundShadow(c.s, 0, 0, U(10), U(2));
    DustColumn(c, -U(6), -U(56), U(5), U(26), U(4), 8);
    Puff(c, -U(8), -U(4), U(4));
    Puff(c, U(7), -U(3), U(3));
    GlintEye(c, -U(5), -U(46), U(3) + U(1) / 2);
    GlintEye(c, U(9), -U(46), U(3) + U(1) / 2);
    Capsule(c.s, U(0), -U(38), U(1), U(5), -U(38), U(1), Style(c.mouth, PART_FLAT));
    Capsule(c.s, -U(24), -U(30), U(1), -U(14), -U(26), U(1), Style(straw, PART_LINE));
    Capsule(c.s, U(20), -U(22), U(1), U(28), -U(32), U(1), Style(straw, PART_LINE));
    Capsule(c.s, -U(22), -U(52), U(1), -U(28), -U(44), U(1), Style(straw, PART_LINE));
    for (int k = 0; k < 5; ++k)
        Ellipse(c.s, -U(18) + k * U(9), -U(14) - (k % 3) * U(12), U(1) + U(1) / 2, U(1) + U(1) / 2,
                Style(grit, PART_LINE));
}

/* A tumbleweed: a ball of tangled dry stems. */
static void Tumbleweed(Ctx &c, int x, int y, int r)
{
    const int weed = Material(c, TUMBLEWEED);
    Ellipse(c.s, x, y, r, r, Style(weed, PART_LINE));
    for (int a = 0; a < 180; a += 45)
        Curve(c.s, Toward(x, r, a), TowardY(y, r, a), U(1) / 2, Toward(x, r / 3, a + 60),
              TowardY(y, r / 3, a + 60), Toward(x, r, a + 180), TowardY(y, r, a + 180), U(1) / 2,
              Style(weed, PART_FLAT, SHADE_OUTLINE));
}

/* The dust devil towers over a ring of dust at its foot, a scowling face in its broad top,
   pebbles and a tumbleweed flying round it. */
static void DustDevil(Ctx &c)
{
    const int pebble = Material(c, PEBBLE), grit = Material(c, GRIT);
    /* The far half of the ring of dust, then the column, then the near half. */
    Ellipse(c.s, 0, -U(8), U(34), U(6), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, -U(9), U(26), U(3), Style(c.body, PART_FLAT, SHADE_SHADOW));
    DustColumn(c, -U(8), -U(72), U(6), U(30), -U(6), 10);
    for (int k = 0; k < 7; ++k)
        Ellipse(c.s, -U(30) + k * U(10), -U(4) + (k % 2) * U(1) - (k == 0 || k == 6 ? U(2) : 0), U(6), U(3),
                Style(c.body, PART_LINE));
    const int fy = -U(60), fx = -U(4);
    for (int side = -1; side <= 1; side += 2)
        Capsule(c.s, fx + side * U(12), fy - U(6), U(1), fx + side * U(3), fy - U(3), U(1),
                Style(grit, PART_FLAT));
    FierceEye(c, fx - U(7), fy, U(3) + U(1) / 2, 12, Material(c, {250, 224, 120}));
    FierceEye(c, fx + U(7), fy, U(3) + U(1) / 2, -12, Material(c, {250, 224, 120}));
    Ellipse(c.s, fx, fy + U(10), U(6), U(2), Style(grit, PART_FLAT, SHADE_OUTLINE));
    Tumbleweed(c, U(28), -U(40), U(8));
    Ellipse(c.s, -U(28), -U(48), U(4), U(3), Style(pebble, PART_LINE));
    Ellipse(c.s, -U(22), -U(26), U(3), U(3), Style(pebble, PART_LINE));
    Ellipse(c.s, U(24), -U(18), U(3), U(2) + U(1) / 2, Style(pebble, PART_LINE));
    Capsule(c.s, -U(30), -U(34), U(1), -U(24), -U(38), U(1), Style(c.accent, PART_LINE));
}

void DrawWhirl(Ctx &c)
{
    if (c.plan->stage == 1)
        DustTop(c);
    else if (c.plan->stage == 2)
        DustFunnel(c);
    else
        DustDevil(c);
}

/* Pictures of the plan rows whose body is BODY_AMBER, the amber family: a drop of resin on bark, a walking
   lump with a leaf inside, a great beast of golden stone with an old insect in its chest. */
#include "creature_drawers.h"

#include <algorithm>

static const int AMBER_DROP_ENTRY = 69;
static const int AMBER_LUMP_ENTRY = 70;
static const Rgb BARK_BROWN = {112, 80, 58};
static const Rgb TRAPPED_LEAF = {150, 150, 50};
static const Rgb TRAPPED_INSECT = {104, 58, 26};

/* A crackle of static: a bright zigzag bolt of three strokes toward angle. */
static void Crackle(Ctx &c, int x, int y, int size, int angle, int material)
{
    const int r = std::max(U(1) / 2, Px(c, 1));
    const int x1 = Toward(x, size / 2, angle + 35), y1 = TowardY(y, size / 2, angle + 35);
    const int x2 = Toward(x1, size / 3, angle - 70), y2 = TowardY(y1, size / 3, angle - 70);
    const int x3 = Toward(x2, size / 2, angle + 35), y3 = TowardY(y2, size / 2, angle + 35);
    Tube(c.s, {x, y, r, x1, y1, r, x2, y2, r, x3, y3, r},
         Style(material, PART_FLAT | PART_LINE, SHADE_LIGHT));
}

/* A resin gloss: a bright streak and a spot on the upper left of a glassy part. */
static void Gloss(Ctx &c, int x, int y, int r, int material)
{
    Ellipse(c.s, x - r / 2, y - r / 2, std::max(r / 5, Px(c, 1)), std::max(r / 3, Px(c, 2)),
            Style(material, PART_FLAT, SHADE_HIGHLIGHT), 30);
    Ellipse(c.s, x - r / 6, y - r * 3 / 4, Px(c, 1), Px(c, 1), Style(material, PART_FLAT, SHADE_HIGHLIGHT));
}

/* The drop: golden resin oozing down a chip of bark, gathering into a drop with a tiny face. */
static void AmberDrop(Ctx &c)
{
    const int resin = c.body, spark = c.accent, bark = Material(c, BARK_BROWN);
    Polygon(c.s, {-U(16), -U(50), U(10), -U(54), U(16), -U(12), U(8), -U(4), -U(14), -U(8)},
            Style(bark, PART_LINE));
    for (int k = 0; k < 4; ++k)
        Capsule(c.s, -U(10) + k * U(6), -U(48) + k * U(1), Px(c, 1), -U(9) + k * U(6), -U(10) + k * U(2),
                Px(c, 1), Style(bark, PART_FLAT, SHADE_SHADOW));
    /* The resin runs down the bark from a bead near the top and gathers into a heavy drop. */
    Ellipse(c.s, -U(3), -U(46), U(3), U(2) + U(1) / 2, Style(resin, PART_LINE));
    Ellipse(c.s, U(8), -U(34), U(2) + U(1) / 2, U(3), Style(resin, PART_LINE));
    Curve(c.s, -U(3), -U(46), U(1) + U(1) / 2, U(2), -U(36), U(0), -U(24), U(4), Style(resin));
    Ellipse(c.s, U(0), -U(14), U(12), U(11), Style(resin, PART_LINE));
    Spike(c, U(0), -U(22), U(8), 0, U(6), Style(resin, PART_NO_HIGHLIGHT));
    Gloss(c, U(0), -U(14), U(12), resin);
    OvalEye(c, -U(4), -U(13), U(2) + U(1) / 2, 0);
    OvalEye(c, U(4), -U(13), U(2) + U(1) / 2, 0);
    Smile(c, 0, -U(8), U(2));
    Crackle(c, -U(24), -U(38), U(10), -30, spark);
    Crackle(c, U(20), -U(50), U(9), 40, spark);
    Crackle(c, U(18), -U(10), U(8), 80, spark);
}

/* Stubby leg of an amber creature, from the hip to a round foot. */
static void StubbyLeg(Ctx &c, int x, int top, int footX, int r, int material, bool far)
{
    const PartStyle style =
        far ? Style(material, PART_FLAT | PART_LINE, SHADE_SHADOW) : Style(material, PART_LINE);
    Capsule(c.s, x, top, r, footX, -r, r, style);
    Ellipse(c.s, footX - r / 3, -r * 2 / 3, r * 4 / 3, r * 2 / 3, style);
}

/* A leaf trapped in the amber, its veins showing through. */
static void TrappedLeaf(Ctx &c, int x, int y, int len, int angle)
{
    const int leaf = Material(c, TRAPPED_LEAF);
    Ellipse(c.s, Toward(x, len / 2, angle), TowardY(y, len / 2, angle), len / 4, len / 2,
            Style(leaf, PART_FLAT | PART_LINE), angle);
    Capsule(c.s, x, y, Px(c, 1), Toward(x, len * 7 / 8, angle), TowardY(y, len * 7 / 8, angle), Px(c, 1) / 2,
            Style(leaf, PART_FLAT, SHADE_SHADOW));
}

/* The walking lump: a faceted nugget of amber on four stubby legs, a leaf caught inside. */
static void AmberLump(Ctx &c)
{
    const int resin = c.body, spark = c.accent;
    StubbyLeg(c, -U(8), -U(12), -U(10), U(4), resin, true);
    StubbyLeg(c, U(14), -U(12), U(15), U(4), resin, true);
    Polygon(c.s,
            {-U(22), -U(14), -U(20), -U(30), -U(6), -U(42), U(12), -U(42), U(24), -U(30), U(24), -U(12), U(4),
             -U(8)},
            Style(resin));
    /* Facets: a lit top plane and a shaded right flank. */
    Polygon(c.s, {-U(18), -U(30), -U(5), -U(39), U(11), -U(39), U(20), -U(30), U(2), -U(28)},
            Style(resin, PART_FLAT, SHADE_LIGHT));
    Polygon(c.s, {U(20), -U(30), U(24), -U(29), U(24), -U(12), U(16), -U(10)},
            Style(resin, PART_FLAT, SHADE_SHADOW));
    TrappedLeaf(c, U(4), -U(14), U(14), 40);
    Gloss(c, -U(8), -U(32), U(10), resin);
    StubbyLeg(c, -U(14), -U(12), -U(16), U(4) + U(1) / 2, resin, false);
    StubbyLeg(c, U(8), -U(10), U(8), U(4) + U(1) / 2, resin, false);
    OvalEye(c, -U(14), -U(22), U(3), 0);
    OvalEye(c, -U(5), -U(22), U(3), 0);
    Smile(c, -U(10), -U(16), U(2));
    Crackle(c, -U(28), -U(36), U(10), -40, spark);
    Crackle(c, U(26), -U(44), U(10), 30, spark);
    Crackle(c, U(30), -U(22), U(8), 100, spark);
}

/* An old insect in the amber: a long body, clear wings and thin legs in a darker tint. */
static void TrappedInsect(Ctx &c, int x, int y, int size)
{
    const int bug = Material(c, TRAPPED_INSECT);
    const int wing = Material(c, Mix(c.plan->bodyColour, {255, 250, 220}, 110));
    const int leg = std::max(U(1) / 2, Px(c, 1));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, x + side * size / 2, y - size / 4, size / 2, size / 4,
                Style(wing, PART_FLAT | PART_LINE), side * 30);
        for (int k = 0; k < 3; ++k)
            Capsule(c.s, x, y + k * size / 4, leg, x + side * size * 3 / 5, y + k * size / 3 + size / 5, leg,
                    Style(bug, PART_FLAT));
    }
    Ellipse(c.s, x, y - size / 2, size / 5, size / 5, Style(bug, PART_FLAT));
    Ellipse(c.s, x, y + size / 3, size / 5, size * 3 / 5, Style(bug, PART_FLAT));
}

/* The great beast: a heavy four-legged block of rough amber stone, an insect caught in its chest,
   resin threads standing up along its back, static crackling round it. */
static void AmberBeast(Ctx &c)
{
    const int resin = c.body, spark = c.accent;
    const int rough = Material(c, Darker(c.plan->bodyColour, 22));
    const int iris = Material(c, {255, 240, 150});
    GroundShadow(c.s, 0, 0, U(34), U(3));
    /* Resin threads stand up along the back like hair, fanning out, a small bead at each tip. */
    for (int k = 0; k < 5; ++k) {
        const int x = -U(12) + k * U(8), y = -U(52);
        const int lean = -30 + k * 15;
        const int tx = Toward(x, U(18) - (k % 2) * U(4), lean), ty = TowardY(y, U(18) - (k % 2) * U(4), lean);
        Curve(c.s, x, y, Px(c, 1), Toward(x, U(9), lean) - U(3), TowardY(y, U(9), lean), tx, ty, Px(c, 1),
              Style(resin, PART_FLAT, SHADE_LIGHT));
        Ellipse(c.s, tx, ty, U(1) + U(1) / 2, U(2), Style(resin, PART_LINE));
    }
    StubbyLeg(c, -U(14), -U(18), -U(16), U(7), rough, true);
    StubbyLeg(c, U(22), -U(18), U(23), U(7), rough, true);
    /* The body: a rough block of golden stone with facets and cracks. */
    Polygon(c.s,
            {-U(30), -U(20), -U(26), -U(44), -U(10), -U(56), U(20), -U(54), U(34), -U(40), U(34), -U(18),
             U(14), -U(12), -U(16), -U(12)},
            Style(resin));
    Polygon(c.s, {-U(22), -U(44), -U(8), -U(52), U(18), -U(50), U(28), -U(40), U(2), -U(38)},
            Style(resin, PART_FLAT, SHADE_LIGHT));
    Polygon(c.s, {U(28), -U(40), U(34), -U(38), U(34), -U(18), U(22), -U(14)},
            Style(resin, PART_FLAT, SHADE_SHADOW));
    Capsule(c.s, U(6), -U(38), Px(c, 1) / 2, U(12), -U(26), Px(c, 1) / 2,
            Style(rough, PART_FLAT, SHADE_SHADOW));
    Capsule(c.s, U(12), -U(26), Px(c, 1) / 2, U(22), -U(22), Px(c, 1) / 2,
            Style(rough, PART_FLAT, SHADE_SHADOW));
    TrappedInsect(c, -U(12), -U(30), U(12));
    StubbyLeg(c, -U(22), -U(20), -U(24), U(8) + U(1) / 2, rough, false);
    StubbyLeg(c, U(16), -U(16), U(15), U(8) + U(1) / 2, rough, false);
    /* Head low and forward, a heavy faceted brow over fierce eyes, a square jaw. */
    const int hx = -U(34), hy = -U(40);
    Polygon(c.s,
            {hx - U(12), hy - U(4), hx - U(6), hy - U(14), hx + U(8), hy - U(13), hx + U(12), hy + U(6),
             hx - U(2), hy + U(12), hx - U(13), hy + U(7)},
            Style(resin, PART_LINE));
    Polygon(c.s, {hx - U(11), hy - U(5), hx - U(6), hy - U(13), hx + U(7), hy - U(12), hx + U(4), hy - U(5)},
            Style(resin, PART_FLAT, SHADE_LIGHT));
    Gloss(c, -U(18), -U(46), U(10), resin);
    for (int side = -1; side <= 1; side += 2) {
        const int ex = hx - U(2) + side * U(5), ey = hy;
        Ellipse(c.s, ex, ey, U(3) + U(1) / 2, U(3), Style(iris, PART_FLAT | PART_LINE, SHADE_BASE));
        Ellipse(c.s, ex, ey, std::max(U(1), Px(c, 1)), U(3), Style(c.eye, PART_FLAT));
        Ellipse(c.s, ex - U(2), ey - U(1), Px(c, 1), Px(c, 1), Style(c.white, PART_FLAT));
    }
    Polygon(c.s, {hx - U(10), hy - U(5), hx - U(4), hy - U(8), hx - U(3), hy - U(5)},
            Style(rough, PART_FLAT));
    Polygon(c.s, {hx + U(1), hy - U(5), hx + U(2), hy - U(8), hx + U(8), hy - U(6)}, Style(rough, PART_FLAT));
    Capsule(c.s, hx - U(9), hy + U(7), Px(c, 1), hx + U(5), hy + U(7), Px(c, 1),
            Style(rough, PART_FLAT, SHADE_SHADOW));
    Spike(c, hx - U(6), hy + U(7), U(3), 0, U(1) + U(1) / 2, Style(c.bone, PART_LINE | PART_NO_HIGHLIGHT));
    Spike(c, hx + U(2), hy + U(7), U(3), 0, U(1) + U(1) / 2, Style(c.bone, PART_LINE | PART_NO_HIGHLIGHT));
    Crackle(c, -U(36), -U(62), U(12), -20, spark);
    Crackle(c, U(36), -U(60), U(12), 30, spark);
    Crackle(c, U(38), -U(30), U(10), 100, spark);
    Crackle(c, -U(42), -U(22), U(9), -100, spark);
}

void DrawAmber(Ctx &c)
{
    if (c.plan->index == AMBER_DROP_ENTRY)
        AmberDrop(c);
    else if (c.plan->index == AMBER_LUMP_ENTRY)
        AmberLump(c);
    else
        AmberBeast(c);
}

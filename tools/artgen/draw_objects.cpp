/* Creatures built like things: sponges, cairns, sand rays, the anvil, the well bucket, the
   anchor chain, the ice column, the marsh fog and the mangroves, each shaped per entry. */
#include "creature_drawers.h"

/* Sea sponges: a round one full of holes with its eyes peering from one of them, and a tall
   branching one on stalk feet, glassy spicules bristling from its tubes. */
void DrawSponge(Ctx &c)
{
    const int hole = Material(c, Darker(c.plan->bodyColour, 50));
    if (c.plan->stage == 1) {
        GroundShadow(c.s, 0, 0, U(16), U(3));
        Ellipse(c.s, 0, -U(3), U(8), U(3), Style(c.accent, PART_LINE));
        Ellipse(c.s, 0, -U(18), U(15), U(15), Style(c.body));
        static const int HOLES[][3] = {
            {-U(9),  -U(26), U(2)},
            {U(7),   -U(28), U(3)},
            {U(10),  -U(16), U(2)},
            {-U(10), -U(11), U(2)},
            {U(3),   -U(9),  U(2)},
            {-U(1),  -U(30), U(1)}
        };
        for (const int *h : HOLES)
            Ellipse(c.s, h[0], h[1], h[2], h[2], Style(hole, PART_FLAT));
        Ellipse(c.s, -U(1), -U(18), U(7), U(5), Style(hole, PART_FLAT));
        CuteEye(c, -U(4), -U(18), U(2) + U(1) / 2);
        CuteEye(c, U(3), -U(18), U(2) + U(1) / 2);
        return;
    }
    GroundShadow(c.s, 0, 0, U(20), U(3));
    for (int k = -1; k <= 1; ++k)
        Capsule(c.s, k * U(9), -U(8), U(2), k * U(12), -U(1), U(2), Style(c.body, PART_LINE));
    static const int TUBES[][5] = {
        {-U(10), -U(38), U(6), -20, 0},
        {U(11),  -U(44), U(6), 15,  1},
        {0,      -U(54), U(8), 0,   2}
    };
    for (const int *t : TUBES) {
        Capsule(c.s, t[0] / 3, -U(10), t[2], t[0], t[1], t[2] - U(1), Style(c.body, PART_LINE));
        for (int k = 0; k < 3; ++k)
            Spike(c, t[0] + (k % 2 ? t[2] : -t[2]) * 9 / 10, t[1] + U(6) + k * U(7), U(4),
                  (k % 2 ? 70 : -70) + t[3], U(1), Style(c.accent, PART_LINE | PART_NO_HIGHLIGHT));
        Ellipse(c.s, t[0], t[1], t[2] - U(2), U(2), Style(hole, PART_FLAT));
        Ellipse(c.s, t[0] + U(2), t[1] + U(12), U(1) + U(1) / 2, U(1) + U(1) / 2, Style(hole, PART_FLAT));
    }
    Ellipse(c.s, 0, -U(10), U(15), U(6), Style(c.body, PART_LINE));
    CuteEye(c, -U(3), -U(32), U(2));
    CuteEye(c, U(3), -U(32), U(2));
    Smile(c, 0, -U(27), U(2));
}

/* Haunted cairns: three pebbles with a violet eye glowing in the gap, and a tall leaning stack
   of slabs with glowing chalk signs and two floating stone hands. */
void DrawCairn(Ctx &c)
{
    const int glow = Material(c, {214, 190, 255});
    if (c.plan->stage == 1) {
        GroundShadow(c.s, 0, 0, U(15), U(3));
        Curve(c.s, -U(1), -U(34), U(2), U(6), -U(42), U(1), -U(50), U(1) / 2,
              Style(c.accent, PART_NO_HIGHLIGHT));
        Ellipse(c.s, 0, -U(7), U(13), U(7), Style(c.body, PART_LINE));
        Ellipse(c.s, U(2), -U(18), U(10), U(5), Style(c.body, PART_LINE));
        Ellipse(c.s, U(4), -U(24), U(5), U(2), Style(c.accent, PART_FLAT));
        Ellipse(c.s, U(4), -U(24), U(2), U(1) + U(1) / 2, Style(glow, PART_FLAT, SHADE_LIGHT));
        Ellipse(c.s, -U(1), -U(30), U(7), U(5), Style(c.body, PART_LINE));
        return;
    }
    GroundShadow(c.s, 0, 0, U(22), U(3));
    static const int SLABS[][4] = {
        {0,    -U(6),  U(17), U(6)},
        {U(3), -U(17), U(15), U(5)},
        {U(1), -U(27), U(13), U(5)},
        {U(6), -U(38), U(12), U(5)},
        {U(3), -U(48), U(9),  U(4)}
    };
    for (int k = 0; k < 5; ++k) {
        const int *s = SLABS[k];
        Ellipse(c.s, s[0], s[1], s[2], s[3], Style(c.body, PART_LINE), k % 2 ? 4 : -4);
        Capsule(c.s, s[0] - s[2] / 2, s[1], U(1) / 2, s[0] - s[2] / 4, s[1] - U(2), U(1) / 2,
                Style(glow, PART_FLAT, SHADE_LIGHT));
        Capsule(c.s, s[0] + s[2] / 4, s[1] - U(2), U(1) / 2, s[0] + s[2] / 2, s[1] + U(1), U(1) / 2,
                Style(glow, PART_FLAT, SHADE_LIGHT));
    }
    Ellipse(c.s, U(4), -U(33), U(5), U(2), Style(c.accent, PART_FLAT));
    Ellipse(c.s, U(4), -U(33), U(2), U(1) + U(1) / 2, Style(glow, PART_FLAT, SHADE_LIGHT));
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(26), -U(30), U(6), U(4), Style(c.body, PART_LINE), side * 30);
}

/* Sand swimmers: a small fringed diamond lying flat with stalked eyes, and a broad ray gliding
   over a dune crest, raised on its rippling fringe, a venom-barbed whip tail behind it. */
void DrawSandray(Ctx &c)
{
    const bool big = c.plan->stage == 2;
    const int w = big ? U(32) : U(20), h = big ? U(8) : U(6), top = big ? -U(10) : -U(6);
    GroundShadow(c.s, 0, 0, w + U(2), U(3));
    if (big) {
        Curve(c.s, U(16), top - h, U(2), U(34), -U(30), U(26), -U(46), U(1) / 2, Style(c.body, PART_LINE));
        Spike(c, U(26), -U(45), U(6), -20, U(2), Style(c.accent, PART_LINE));
        Spike(c, U(31), -U(33), U(4), 60, U(1) + U(1) / 2, Style(c.accent, PART_LINE));
        /* The fringe ripples down to the sand in waves, the body held up on it. */
        for (int k = 0; k < 9; ++k)
            Ellipse(c.s, -U(25) + k * U(6), top + U(4) + (k % 2) * U(1), U(4), U(3) + (k % 2) * U(1),
                    Style(c.body, PART_LINE | PART_NO_HIGHLIGHT));
    }
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 4; ++k)
            Spike(c, side * (w - U(4) - k * w / 5), top - h / 2 + k * h / 5, U(3), side * (60 + k * 12), U(2),
                  Style(c.accent, PART_LINE | PART_NO_HIGHLIGHT));
    Polygon(c.s, {-w, top - h, 0, top - 2 * h - U(2), w, top - h, 0, top}, Style(c.body, PART_LINE));
    if (big) {
        const int stripe = Material(c, Darker(c.plan->bodyColour, 30));
        for (int k = -1; k <= 1; ++k)
            Tube(c.s,
                 {k * U(10) - U(5), top - h - U(1), U(1), k * U(10), top - h - U(5), U(1), k * U(10) + U(5),
                  top - h - U(1), U(1)},
                 Style(stripe, PART_FLAT));
    }
    for (int side = -1; side <= 1; side += 2) {
        const int ex = side * U(5), ey = top - 2 * h - U(10);
        Capsule(c.s, side * U(3), top - 2 * h, U(1), ex, ey, U(1), Style(c.body, PART_LINE));
        WhiteEye(c, ex, ey - U(1), U(3), -U(1));
    }
}

/* A living anvil: horn forward, four stubby legs, and a tail ending in a hammer that strikes
   sparks. */
void DrawAnvil(Ctx &c)
{
    const int hammer = Material(c, Mix(c.plan->bodyColour, {210, 214, 224}, 90));
    GroundShadow(c.s, 0, 0, U(24), U(3));
    Curve(c.s, U(12), -U(20), U(3), U(28), -U(20), U(24), -U(40), U(2), Style(c.body, PART_LINE));
    Polygon(c.s, {U(17), -U(47), U(31), -U(47), U(31), -U(39), U(17), -U(39)}, Style(hammer, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Spike(c, U(14) - k * U(2), -U(44) + k * U(3), U(5), -80 + k * 30, U(1),
              Style(c.accent, PART_FLAT, SHADE_LIGHT));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(8) + k * U(18), -U(10), U(3), -U(7) + k * U(18), -U(3), U(3),
                Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Polygon(c.s, {-U(15), -U(9), U(15), -U(9), U(10), -U(18), -U(10), -U(18)}, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(8), -U(17), U(8), -U(17), U(11), -U(24), -U(11), -U(24)}, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(17), -U(24), U(17), -U(24), U(17), -U(32), -U(17), -U(32)}, Style(hammer, PART_LINE));
    Polygon(c.s, {-U(17), -U(32), -U(17), -U(25), -U(34), -U(30)}, Style(hammer, PART_LINE));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(12) + k * U(18), -U(9), U(3), -U(13) + k * U(18), -U(2), U(3),
                Style(c.body, PART_LINE));
    CuteEye(c, -U(6), -U(28), U(2));
    CuteEye(c, U(3), -U(28), U(2));
    Capsule(c.s, -U(4), -U(20), U(1) / 2, U(1), -U(20), U(1) / 2, Style(c.mouth, PART_FLAT));
}

/* The spirit of an old well bucket floats up at dusk: eyes shining in its water, a frayed rope
   for a tail, drops falling. */
void DrawPail(Ctx &c)
{
    const int rope = Material(c, {200, 170, 110}), iron = Material(c, {70, 66, 78});
    const int glow = Material(c, {210, 244, 255});
    GroundShadow(c.s, 0, 0, U(12), U(3));
    Curve(c.s, U(6), -U(22), U(2), U(18), -U(10), U(4), -U(4), U(1), Style(rope, PART_LINE));
    for (int k = -1; k <= 1; ++k)
        Spike(c, U(4), -U(4), U(4), 200 + k * 30, U(1) / 2 + U(1) / 4, Style(rope, PART_FLAT));
    Curve(c.s, -U(13), -U(46), U(1), 0, -U(64), U(13), -U(46), U(1), Style(iron, PART_LINE));
    Polygon(c.s, {-U(15), -U(46), U(15), -U(46), U(11), -U(20), -U(11), -U(20)}, Style(c.body));
    for (int k = -2; k <= 2; ++k)
        Capsule(c.s, k * U(6), -U(44), U(1) / 2, k * U(4) + k * U(1) / 2, -U(21), U(1) / 2,
                Style(c.body, PART_FLAT, SHADE_SHADOW));
    Capsule(c.s, -U(14), -U(40), U(1) + U(1) / 2, U(14), -U(40), U(1) + U(1) / 2, Style(iron, PART_LINE));
    Capsule(c.s, -U(12), -U(25), U(1) + U(1) / 2, U(12), -U(25), U(1) + U(1) / 2, Style(iron, PART_LINE));
    Ellipse(c.s, 0, -U(46), U(15), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, -U(46), U(12), U(3), Style(c.accent, PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(5), -U(46), U(3), U(2), Style(glow, PART_FLAT, SHADE_LIGHT));
        Dot(c.s, side * U(5) - U(1), -U(46), c.eye, SHADE_BASE);
    }
    Ellipse(c.s, -U(7), -U(14), U(1) + U(1) / 2, U(2), Style(c.accent, PART_LINE));
}

/* One link of the chain serpent: an oval ring seen face on, or edge on as a bar. */
static void ChainLink(Ctx &c, int x, int y, int angle, bool faceOn, int size)
{
    if (faceOn) {
        Ellipse(c.s, x, y, size, size * 3 / 5, Style(c.body, PART_LINE), angle);
        Ellipse(c.s, x, y, size / 2, size / 4, Style(c.accent, PART_FLAT, SHADE_SHADOW), angle);
    } else {
        Ellipse(c.s, x, y, size * 9 / 10, size / 4 + U(1), Style(c.body, PART_LINE), angle);
    }
}

/* The colossal chain serpent lies coiled in harbour mud, its head an anchor's crown with two
   flukes. */
void DrawChain(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(32), U(3));
    const int link = U(6);
    for (int pass = 0; pass < 2; ++pass) {
        const int cy = pass == 0 ? -U(10) : -U(22), rx = pass == 0 ? U(26) : U(19),
                  ry = pass == 0 ? U(7) : U(6);
        /* The far half of each loop first, then the near half over it. */
        for (int k = 0; k < 12; ++k) {
            const int a = (180 + k * 30) % 360;
            ChainLink(c, rx * CosQ12(a) / 4096, cy + ry * SinQ12(a) / 4096, 90 - a, k % 2 == 0, link);
        }
    }
    for (int k = 0; k < 4; ++k)
        ChainLink(c, -U(14) - k * U(2), -U(28) - k * U(5), 70, k % 2 == 1, link);
    /* The head is an anchor's fluke: a broad spade pointing forward, barbs curving back. */
    const int hx = -U(18), hy = -U(48);
    Spike(c, hx + U(5), hy - U(6), U(9), 30, U(3), Style(c.body, PART_LINE));
    Spike(c, hx + U(5), hy + U(6), U(9), 150, U(3), Style(c.body, PART_LINE));
    Polygon(c.s, {hx - U(15), hy + U(1), hx + U(2), hy - U(9), hx + U(9), hy, hx + U(2), hy + U(9)},
            Style(c.body, PART_LINE));
    Capsule(c.s, hx - U(11), hy + U(1), U(1) / 2, hx + U(6), hy, U(1) / 2,
            Style(c.body, PART_FLAT, SHADE_HIGHLIGHT));
    FierceEye(c, hx - U(2), hy - U(3), U(2), -10, c.accent);
    Capsule(c.s, hx - U(10), hy + U(4), U(1) / 2, hx - U(3), hy + U(5), U(1) / 2, Style(c.mouth, PART_FLAT));
}

/* A frozen sea-stack walking on three legs, one band of eye round its middle. */
void DrawColumn(Ctx &c)
{
    const int glow = Material(c, {220, 250, 255});
    GroundShadow(c.s, 0, 0, U(20), U(3));
    Capsule(c.s, 0, -U(22), U(3), U(2), -U(3), U(2), Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
    for (int side = -1; side <= 1; side += 2) {
        Capsule(c.s, side * U(6), -U(22), U(3), side * U(17), -U(2), U(2), Style(c.body, PART_LINE));
        Ellipse(c.s, side * U(18), -U(2), U(3), U(2), Style(c.body, PART_LINE));
    }
    Polygon(c.s, {-U(11), -U(20), U(11), -U(20), U(12), -U(58), -U(12), -U(58)}, Style(c.body, PART_LINE));
    Capsule(c.s, -U(7), -U(24), U(1) + U(1) / 2, -U(8), -U(55), U(1) + U(1) / 2,
            Style(c.body, PART_FLAT, SHADE_HIGHLIGHT));
    Capsule(c.s, U(8), -U(24), U(1) + U(1) / 2, U(9), -U(55), U(1) + U(1) / 2,
            Style(c.body, PART_FLAT, SHADE_SHADOW));
    for (int k = 0; k < 4; ++k)
        Spike(c, -U(9) + k * U(6), -U(57), U(6) + (k % 2) * U(4), -20 + k * 13, U(3),
              Style(c.accent, PART_LINE));
    Capsule(c.s, -U(12), -U(41), U(3), U(12), -U(41), U(3), Style(c.dark, PART_LINE));
    Ellipse(c.s, -U(2), -U(41), U(4), U(2), Style(glow, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, -U(2), -U(41), U(1) + U(1) / 2, U(1) + U(1) / 2, Style(c.eye, PART_FLAT));
}

/* A vast marsh fog hugging the ground, with many small lantern eyes and tendrils drifting up. */
void DrawFog(Ctx &c)
{
    const int eye = Material(c, c.plan->accentColour);
    GroundShadow(c.s, 0, 0, U(34), U(3));
    static const int TENDRILS[][3] = {
        {-U(24), -U(16), -10},
        {-U(4),  -U(20), 8  },
        {U(18),  -U(17), -6 }
    };
    for (const int *t : TENDRILS)
        Curve(c.s, t[0], t[1], U(4), t[0] + U(6), t[1] - U(12), t[0] + t[2] * U(1) / 2, t[1] - U(24), U(1),
              Style(c.body, PART_NO_HIGHLIGHT));
    static const int PUFFS[][4] = {
        {-U(26), -U(9),  U(10), U(8) },
        {-U(12), -U(13), U(11), U(10)},
        {U(3),   -U(14), U(12), U(11)},
        {U(18),  -U(11), U(11), U(9) },
        {U(29),  -U(7),  U(7),  U(6) },
        {0,      -U(6),  U(34), U(6) }
    };
    for (const int *p : PUFFS)
        Ellipse(c.s, p[0], p[1], p[2], p[3], Style(c.body, PART_NO_HIGHLIGHT));
    static const int EYES[][2] = {
        {-U(26), -U(10)},
        {-U(13), -U(16)},
        {U(2),   -U(18)},
        {U(17),  -U(13)},
        {U(28),  -U(7) },
        {-U(4),  -U(7) },
        {U(10),  -U(5) }
    };
    for (const int *e : EYES)
        for (int side = -1; side <= 1; side += 2) {
            Ellipse(c.s, e[0] + side * U(2), e[1], U(1) + U(1) / 2, U(1) + U(1) / 2,
                    Style(eye, PART_LINE | PART_NO_HIGHLIGHT));
            Dot(c.s, e[0] + side * U(2), e[1], c.dark, SHADE_BASE);
        }
}

/* Mangroves: a seed pod bobbing upright with two leaves, and the tree it becomes, walking on
   arched stilt roots with fish sheltering between them. */
void DrawMangrove(Ctx &c)
{
    const int water = Material(c, {150, 200, 240});
    if (c.plan->stage == 1) {
        const int leaf = Material(c, {90, 180, 80});
        GroundShadow(c.s, 0, 0, U(12), U(3));
        Ellipse(c.s, 0, -U(3), U(13), U(2), Style(water, PART_FLAT, SHADE_LIGHT));
        for (int k = -1; k <= 1; ++k)
            Capsule(c.s, k * U(3), -U(8), U(1), k * U(5), -U(2), U(1) / 2,
                    Style(c.accent == 0 ? c.body : c.dark, PART_FLAT));
        Leaf(c, 0, -U(42), U(14), -35, leaf);
        Leaf(c, 0, -U(42), U(14), 40, leaf);
        Ellipse(c.s, 0, -U(24), U(8), U(17), Style(c.body, PART_LINE));
        Ellipse(c.s, 0, -U(40), U(3), U(4), Style(c.body, PART_LINE));
        CuteEye(c, -U(3), -U(26), U(2) + U(1) / 2);
        CuteEye(c, U(3), -U(26), U(2) + U(1) / 2);
        Smile(c, 0, -U(21), U(2));
        return;
    }
    GroundShadow(c.s, 0, 0, U(32), U(3));
    Ellipse(c.s, 0, -U(3), U(32), U(2), Style(water, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, U(13), -U(8), U(3), U(2), Style(water, PART_LINE));
    Spike(c, U(16), -U(8), U(3), 90, U(2), Style(water, PART_LINE));
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; ++k)
            Curve(c.s, side * U(3), -U(30), U(2), side * (U(8) + k * U(9)), -U(36) + k * U(3),
                  side * (U(7) + k * U(10)), 0, U(1) + U(1) / 2, Style(c.body, PART_LINE));
    Capsule(c.s, 0, -U(28), U(8), 0, -U(46), U(6), Style(c.body, PART_LINE));
    static const int CROWN[][3] = {
        {-U(14), -U(52), U(9) },
        {U(14),  -U(52), U(9) },
        {-U(6),  -U(60), U(10)},
        {U(7),   -U(60), U(9) }
    };
    for (const int *k : CROWN)
        Ellipse(c.s, k[0], k[1], k[2], k[2] * 3 / 4, Style(c.accent, PART_LINE));
    CuteEye(c, -U(3), -U(38), U(2));
    CuteEye(c, U(3), -U(38), U(2));
    Smile(c, 0, -U(33), U(2));
}

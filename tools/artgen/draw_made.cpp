/* Things and plants come alive: the hand pump, the wicker creatures, the teasels and the amber,
   each built from its own material; the young small and round, the grown heavy and full. */
#include "creature_drawers.h"

#include <algorithm>

/* Entries drawn here, by their place in the catalogue. */
static const int WICKER_BALL_ENTRY = 59;
static const int WICKER_FOAL_ENTRY = 60;
static const int TEASEL_ROSETTE_ENTRY = 63;
static const int AMBER_DROP_ENTRY = 69;
static const int AMBER_LUMP_ENTRY = 70;

static const Rgb TROUGH_STONE = {170, 162, 150};
static const Rgb VALVE_BRASS = {206, 164, 72};
static const Rgb WICKER_DARK = {92, 64, 42};
static const Rgb DEW_BLUE = {120, 190, 232};
static const Rgb PRICKLE_PALE = {214, 220, 170};
static const Rgb FLOWER_LILAC = {176, 140, 214};
static const Rgb BARK_BROWN = {112, 80, 58};
static const Rgb TRAPPED_LEAF = {150, 150, 50};
static const Rgb TRAPPED_INSECT = {104, 58, 26};

/* A round dark eye with a light catch; a coloured ring round it when iris is given. */
static void RoundEye(Ctx &c, int x, int y, int r, int iris)
{
    if (iris != 0)
        Ellipse(c.s, x, y, r + Px(c, 1), r + Px(c, 1), Style(iris, PART_FLAT | PART_LINE, SHADE_LIGHT));
    Ellipse(c.s, x, y, r, r * 9 / 8, Style(c.eye, PART_FLAT));
    const int glint = std::max(r / 3, Px(c, 1));
    Ellipse(c.s, x - r / 3, y - r / 3, glint, glint, Style(c.white, PART_FLAT));
}

/* Point (u, v) of a shape's own frame turned by angle and placed at (cx, cy). */
static void Place(int cx, int cy, int angle, int u, int v, int &x, int &y)
{
    x = cx + (u * CosQ12(angle) - v * SinQ12(angle)) / 4096;
    y = cy + (u * SinQ12(angle) + v * CosQ12(angle)) / 4096;
}

/* ---- The hand pump ---- */

/* A cast-iron pump on its stone trough: the spout is its mouth, gushing, two brass valve caps
   are its eyes, and the long handle is raised like an arm. */
void DrawHandPump(Ctx &c)
{
    const int iron = c.body, water = c.accent;
    const int stone = Material(c, TROUGH_STONE), brass = Material(c, VALVE_BRASS);
    GroundShadow(c.s, -U(4), 0, U(36), U(3));
    /* The handle rises from its pivot at the top of the column and ends in a round grip. */
    Curve(c.s, U(18), -U(54), U(3), U(34), -U(58), U(34), -U(78), U(2) + U(1) / 2, Style(iron, PART_LINE));
    Ellipse(c.s, U(34), -U(80), U(4), U(4), Style(iron, PART_LINE));
    /* The plinth and the column with its rings, capped by a dome and a finial. */
    Polygon(c.s, {U(0), -U(12), U(24), -U(12), U(24), 0, U(0), 0}, Style(stone, PART_LINE));
    Polygon(c.s, {U(2), -U(52), U(22), -U(52), U(22), -U(10), U(2), -U(10)}, Style(iron));
    Ellipse(c.s, U(12), -U(13), U(12), U(3), Style(iron, PART_LINE));
    Ellipse(c.s, U(12), -U(50), U(12), U(3), Style(iron, PART_LINE));
    Ellipse(c.s, U(12), -U(54), U(10), U(6), Style(iron, PART_LINE));
    Ellipse(c.s, U(12), -U(61), U(3), U(3), Style(iron, PART_LINE));
    Ellipse(c.s, U(18), -U(54), U(3), U(3), Style(brass, PART_LINE));
    /* Two brass valve caps for eyes. */
    for (int side = -1; side <= 1; side += 2) {
        const int ex = U(12) + side * U(5), ey = -U(43);
        Ellipse(c.s, ex, ey, U(4) + U(1) / 2, U(4) + U(1) / 2, Style(brass, PART_LINE));
        RoundEye(c, ex, ey, U(2) + U(1) / 2, 0);
    }
    /* The trough in front: a block of stone, its water brimming. */
    Polygon(c.s, {-U(36), -U(24), U(8), -U(24), U(8), 0, -U(36), 0}, Style(stone, PART_LINE));
    Ellipse(c.s, -U(14), -U(24), U(21), U(3), Style(water, PART_LINE));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(22) + k * U(18), -U(12), Px(c, 1), -U(22) + k * U(18), -U(1), Px(c, 1),
                Style(stone, PART_FLAT, SHADE_SHADOW));
    Capsule(c.s, -U(36), -U(12), Px(c, 1), U(8), -U(12), Px(c, 1), Style(stone, PART_FLAT, SHADE_SHADOW));
    /* The spout reaches forward from the column and its open mouth pours into the trough. */
    Tube(c.s, {U(6), -U(34), U(4), -U(6), -U(35), U(3) + U(1) / 2, -U(12), -U(31), U(3) + U(1) / 2},
         Style(iron, PART_LINE));
    Ellipse(c.s, -U(13), -U(29), U(3) + U(1) / 2, U(2) + U(1) / 2, Style(c.eye, PART_FLAT), -30);
    Tube(c.s, {-U(13), -U(28), U(3), -U(15), -U(24), U(3) + U(1) / 2, -U(16), -U(23), U(4)},
         Style(water, PART_LINE));
    Ellipse(c.s, -U(14), -U(28), Px(c, 1), U(2), Style(water, PART_FLAT, SHADE_HIGHLIGHT));
    static const int SPLASH[][3] = {
        {-U(24), -U(25), U(2)           },
        {-U(7),  -U(24), U(2)           },
        {-U(28), -U(21), U(2)           },
        {-U(3),  -U(21), U(1) + U(1) / 2},
    };
    for (const int *d : SPLASH)
        Ellipse(c.s, d[0], d[1], d[2], d[2] + U(1) / 2, Style(water, PART_LINE));
}

/* ---- Wicker ---- */

static int IntSqrt(int64_t v)
{
    int64_t r = 0;
    while ((r + 1) * (r + 1) <= v)
        ++r;
    return (int)r;
}

/* Basket weave over a turned ellipse: rows of short lit withies, each row set half a withy along,
   a shaded groove between the rows. */
static void Weave(Ctx &c, int cx, int cy, int rx, int ry, int angle, int material)
{
    const int rowH = std::max(U(3), Px(c, 3)), dash = rowH * 2;
    const int r = std::max(U(1) / 2, Px(c, 1));
    for (int row = 0; - ry + row * rowH <= ry; ++row) {
        const int v = -ry + row * rowH + rowH / 2;
        /* Only withies well inside the outline, so the edge stays smooth. */
        const int64_t nv = (int64_t)v * 100 / ry;
        if (nv * nv >= 7200)
            continue;
        const int half = (int)((int64_t)rx * IntSqrt(7200 - nv * nv) / 100);
        int x0, y0, x1, y1;
        Place(cx, cy, angle, -half, v + rowH / 2, x0, y0);
        Place(cx, cy, angle, half, v + rowH / 2, x1, y1);
        if (v + rowH < ry)
            Capsule(c.s, x0, y0, r / 2, x1, y1, r / 2, Style(material, PART_FLAT, SHADE_SHADOW));
        for (int u = -rx - (row % 2) * dash / 2; u <= rx; u += dash) {
            const int mid = u + dash / 2;
            if (mid < -half || mid > half)
                continue;
            Place(cx, cy, angle, u + r + r / 2, v, x0, y0);
            Place(cx, cy, angle, u + dash - r - r / 2, v, x1, y1);
            Capsule(c.s, x0, y0, r, x1, y1, r, Style(material, PART_FLAT, SHADE_LIGHT));
        }
    }
}

/* A ring of withy round (cx, cy), turned by angle, as a closed tube of strand. */
static void WithyRing(Ctx &c, int cx, int cy, int rx, int ry, int angle, int r, int material)
{
    std::vector<int> xyr;
    for (int k = 0; k <= 24; ++k) {
        int x, y;
        Place(cx, cy, angle, rx * CosQ12(k * 15) / 4096, ry * SinQ12(k * 15) / 4096, x, y);
        xyr.insert(xyr.end(), {x, y, r});
    }
    Tube(c.s, xyr, Style(material));
}

/* A leafy green shoot curving up from (x, y). */
static void Shoot(Ctx &c, int x, int y, int len, int lean, int material)
{
    const int tx = Toward(x, len, lean), ty = TowardY(y, len, lean);
    Curve(c.s, x, y, std::max(U(1), Px(c, 1)), Toward(x, len / 2, lean - 20), TowardY(y, len / 2, lean - 20),
          tx, ty, std::max(U(1) / 2, Px(c, 1)), Style(material, PART_LINE));
    Leaf(c, tx, ty, len * 2 / 3, lean + 35, material);
    Leaf(c, Toward(x, len / 2, lean), TowardY(y, len / 2, lean), len / 2, lean - 60, material);
}

/* The young one: a loose ball of withies, a dark hollow inside where two eyes peer out. */
static void WickerBall(Ctx &c)
{
    const int withy = c.body, shoot = c.accent;
    const int hollow = Material(c, Mix(c.plan->bodyColour, WICKER_DARK, 160));
    const int r = std::max(U(1) + U(1) / 2, Px(c, 1) * 3 / 2);
    const int cy = -U(18), R = U(17);
    GroundShadow(c.s, 0, 0, U(16), U(3));
    Shoot(c, -U(4), cy - R + U(2), U(14), -20, shoot);
    Shoot(c, U(6), cy - R + U(3), U(10), 40, shoot);
    Ellipse(c.s, 0, cy, R, R, Style(hollow, PART_FLAT, SHADE_SHADOW));
    static const int RINGS[][3] = {
  /* ry in percent of the radius, the turn of the ring */
        {100, 0,   0},
        {40,  20,  0},
        {70,  70,  0},
        {55,  125, 0},
        {30,  160, 0},
        {85,  40,  0},
        {85,  100, 0},
        {60,  150, 0},
    };
    for (const int *ring : RINGS)
        WithyRing(c, 0, cy, R - r, (R - r) * ring[0] / 100, ring[1], r, withy);
    /* A gap in the weave at the front, and the eyes in it. */
    Ellipse(c.s, -U(2), cy + U(1), U(11), U(7), Style(hollow, PART_LINE | PART_FLAT, SHADE_SHADOW));
    RoundEye(c, -U(7), cy + U(1), U(4), 0);
    RoundEye(c, U(3), cy + U(1), U(4), 0);
    Shoot(c, U(14), cy + U(2), U(9), 80, shoot);
}

/* A woven leg of two twisted withies from the hip down to a round bound hoof. */
static void WovenLeg(Ctx &c, int x, int top, int footX, int groundY, int r, int hoof, int material, bool far)
{
    const PartStyle style =
        far ? Style(material, PART_FLAT | PART_LINE, SHADE_SHADOW) : Style(material, PART_LINE);
    const int kneeY = (top + groundY) / 2;
    Tube(c.s, {x, top, r * 3 / 2, (x + footX) / 2 - r, kneeY, r, footX, groundY - hoof, r}, style);
    Curve(c.s, x + r / 2, top, r / 2 + U(1) / 4, (x + footX) / 2 + r, kneeY, footX - r / 2, groundY - hoof,
          r / 2 + U(1) / 4, Style(material, PART_FLAT, far ? SHADE_BASE : SHADE_LIGHT));
    Ellipse(c.s, footX - r / 3, groundY - hoof / 2 - U(1), hoof + U(1), hoof / 2 + U(1),
            Style(material, PART_LINE, far ? SHADE_SHADOW : SHADE_BASE));
}

/* The foal: a woven barrel on four spindly legs, a long woven neck, big eyes, a tuft of shoots. */
static void WickerFoal(Ctx &c)
{
    const int withy = c.body, shoot = c.accent, dark = Material(c, WICKER_DARK);
    const int legR = U(2);
    GroundShadow(c.s, U(2), 0, U(22), U(3));
    WovenLeg(c, -U(6), -U(28), -U(10), -U(2), legR, U(3), withy, true);
    WovenLeg(c, U(14), -U(28), U(16), -U(2), legR, U(3), withy, true);
    for (int k = 0; k < 3; ++k)
        Curve(c.s, U(20), -U(36), Px(c, 1), U(28), -U(36) + k * U(3), U(26), -U(22) + k * U(4), Px(c, 1),
              Style(withy, PART_LINE));
    Ellipse(c.s, U(4), -U(34), U(18), U(10), Style(withy));
    Weave(c, U(4), -U(34), U(18), U(10), 0, withy);
    WovenLeg(c, -U(10), -U(28), -U(13), 0, legR, U(3), withy, false);
    WovenLeg(c, U(11), -U(28), U(10), 0, legR, U(3), withy, false);
    Capsule(c.s, -U(10), -U(38), U(6), -U(16), -U(52), U(4), Style(withy, PART_LINE));
    Weave(c, -U(13), -U(45), U(5), U(9), -22, withy);
    const int hx = -U(20), hy = -U(56);
    Spike(c, hx + U(3), hy - U(4), U(6), 10, U(2), Style(withy, PART_LINE));
    Ellipse(c.s, hx, hy, U(7), U(6), Style(withy, PART_LINE));
    Ellipse(c.s, hx - U(7), hy + U(3), U(4), U(3) + U(1) / 2, Style(withy, PART_LINE), -20);
    Ellipse(c.s, hx - U(9), hy + U(3), U(1) + U(1) / 2, U(1), Style(dark, PART_FLAT));
    RoundEye(c, hx - U(1), hy - U(1), U(3), 0);
    for (int k = 0; k < 3; ++k)
        Leaf(c, hx + U(5) + k * U(2), hy - U(4) + k * U(4), U(9) - k * U(1), 20 + k * 25, shoot);
}

/* The great horse rears on its hind legs: a woven body turned up, forelegs folded with heavy
   bound hooves, a plaited mane of leafy shoots along its neck, a tail of loose withies. */
static void WickerHorse(Ctx &c)
{
    const int withy = c.body, shoot = c.accent, dark = Material(c, WICKER_DARK);
    const int legR = U(4) + U(1) / 2, hoof = U(6);
    const int iris = Material(c, Mix(c.plan->accentColour, {250, 210, 60}, 140));
    GroundShadow(c.s, U(10), 0, U(22), U(3));
    /* A tail of loose withies streaming back to the ground. */
    for (int k = 0; k < 4; ++k)
        Curve(c.s, U(24), -U(30), Px(c, 2), U(36), -U(30) + k * U(3), U(32) + k * U(2), -U(8) + k * U(2),
              Px(c, 1), Style(withy, PART_LINE));
    WovenLeg(c, U(18), -U(28), U(22), -U(2), legR, hoof, withy, true);
    /* Far foreleg folded high. */
    Tube(c.s, {-U(6), -U(52), U(4), -U(20), -U(52), U(3), -U(22), -U(42), U(3)},
         Style(withy, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Ellipse(c.s, -U(23), -U(38), U(4) + U(1) / 2, U(4), Style(dark, PART_LINE));
    Ellipse(c.s, U(8), -U(40), U(25), U(15), Style(withy), -50);
    Weave(c, U(8), -U(40), U(25), U(15), -50, withy);
    WovenLeg(c, U(8), -U(26), U(4), 0, legR, hoof, withy, false);
    /* Near foreleg raised to strike, the bound hoof forward. */
    Tube(c.s, {-U(2), -U(54), U(5), -U(18), -U(62), U(4), -U(26), -U(52), U(3) + U(1) / 2},
         Style(withy, PART_LINE));
    Ellipse(c.s, -U(27), -U(48), hoof, hoof - U(1), Style(dark, PART_LINE), 30);
    Capsule(c.s, -U(31), -U(49), Px(c, 1), -U(23), -U(47), Px(c, 1), Style(withy, PART_FLAT, SHADE_LIGHT));
    /* Neck up and back, the head turned down toward us, a plait of leafy shoots on the crest. */
    Capsule(c.s, -U(2), -U(58), U(9), -U(8), -U(76), U(7), Style(withy, PART_LINE));
    Weave(c, -U(5), -U(66), U(6), U(11), -18, withy);
    for (int k = 0; k < 5; ++k) {
        Ellipse(c.s, U(1) + k * U(2), -U(78) + k * U(6), U(3), U(3) + U(1) / 2, Style(shoot, PART_LINE), 30);
        Leaf(c, U(2) + k * U(2), -U(78) + k * U(6), U(10), 70 + k * 12, shoot);
    }
    const int hx = -U(13), hy = -U(80);
    Spike(c, hx + U(4), hy - U(5), U(7), 15, U(2) + U(1) / 2, Style(withy, PART_LINE));
    Ellipse(c.s, hx, hy, U(8), U(7), Style(withy, PART_LINE));
    Ellipse(c.s, hx - U(8), hy + U(4), U(5), U(4), Style(withy, PART_LINE), -30);
    Ellipse(c.s, hx - U(11), hy + U(5), U(1) + U(1) / 2, U(1), Style(dark, PART_FLAT));
    RoundEye(c, hx - U(2), hy - U(1), U(2), iris);
}

void DrawWicker(Ctx &c)
{
    if (c.plan->index == WICKER_BALL_ENTRY)
        WickerBall(c);
    else if (c.plan->index == WICKER_FOAL_ENTRY)
        WickerFoal(c);
    else
        WickerHorse(c);
}

/* ---- Teasels ---- */

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
    RoundEye(c, -U(3), hy - U(1), U(2) + U(1) / 2, 0);
    RoundEye(c, U(3), hy - U(1), U(2) + U(1) / 2, 0);
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
    RoundEye(c, -U(3), hy - U(2), U(2) + U(1) / 2, 0);
    RoundEye(c, U(3), hy - U(2), U(2) + U(1) / 2, 0);
    Smile(c, 0, hy + U(4), U(2));
}

void DrawTeasel(Ctx &c)
{
    if (c.plan->index == TEASEL_ROSETTE_ENTRY)
        TeaselRosette(c);
    else
        TallTeasel(c);
}

/* ---- Amber ---- */

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
    RoundEye(c, -U(4), -U(13), U(2) + U(1) / 2, 0);
    RoundEye(c, U(4), -U(13), U(2) + U(1) / 2, 0);
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
    RoundEye(c, -U(14), -U(22), U(3), 0);
    RoundEye(c, -U(5), -U(22), U(3), 0);
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
    Crackle(c, -U(40), -U(62), U(12), -20, spark);
    Crackle(c, U(40), -U(58), U(12), 30, spark);
    Crackle(c, U(42), -U(28), U(10), 100, spark);
    Crackle(c, -U(46), -U(20), U(10), -100, spark);
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

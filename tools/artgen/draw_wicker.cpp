/* Pictures of the plan rows whose body is BODY_WICKER, the wicker horses: a ball of withies, a foal on
   twisted legs and a rearing horse. */
#include "creature_drawers.h"

#include <algorithm>
#include <vector>

/* Entries drawn here, by their place in the catalogue. */
static const int WICKER_BALL_ENTRY = 59;

static const int WICKER_FOAL_ENTRY = 60;
static const Rgb WICKER_DARK = {92, 64, 42};

/* Point (u, v) of a shape's own frame turned by angle and placed at (cx, cy). */
static void Place(int cx, int cy, int angle, int u, int v, int &x, int &y)
{
    x = cx + (u * CosQ12(angle) - v * SinQ12(angle)) / 4096;
    y = cy + (u * SinQ12(angle) + v * CosQ12(angle)) / 4096;
}

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
    OvalEye(c, -U(7), cy + U(1), U(4), 0);
    OvalEye(c, U(3), cy + U(1), U(4), 0);
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
    OvalEye(c, hx - U(1), hy - U(1), U(3), 0);
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
    OvalEye(c, hx - U(2), hy - U(1), U(2), iris);
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

/* Winged and many-legged creatures: birds (owls, herons, phoenix), bats and insects
   (moths, ants, spiders, beetles, mantis, firefly), each shaped per entry. */
#include "creature_drawers.h"

/* A spread wing as a fan of feathers from the shoulder, pointing out to one side. */
static void FeatherWing(Ctx &c, int sx, int sy, int side, int length, int feathers, int spread, int material,
                        int tipMaterial)
{
    for (int k = feathers - 1; k >= 0; --k) {
        const int angle = side * (30 + k * spread / feathers);
        const int len = length - k * length / (feathers * 3);
        const int mx = Toward(sx, len / 2, angle), my = TowardY(sy, len / 2, angle);
        Ellipse(c.s, mx, my, U(3), len / 2, Style(material, PART_LINE), angle);
        if (tipMaterial != 0)
            Ellipse(c.s, Toward(mx, len / 3, angle), TowardY(my, len / 3, angle), U(2), len / 6,
                    Style(tipMaterial, PART_LINE), angle);
    }
}

static void Owl(Ctx &c)
{
    const int idx = c.plan->index;
    const int stage = idx - 6; /* 0, 1, 2 */
    GroundShadow(c.s, 0, 0, U(16) + stage * U(3), U(3));
    const int brx = U(14) + stage * U(2), bry = U(15) + stage * U(2);
    const int by = -U(3) - bry;
    if (stage == 2) {
        FeatherWing(c, -brx / 2, by - U(4), -1, U(30), 6, 80, c.body, c.accent);
        FeatherWing(c, brx / 2, by - U(4), 1, U(30), 6, 80, c.body, c.accent);
    }
    for (int side = -1; side <= 1; side += 2) {
        Capsule(c.s, side * U(5), -U(3), U(1), side * U(5), -U(1), U(1),
                Style(Material(c, {240, 170, 60}), PART_FLAT));
        for (int k = -1; k <= 1; ++k)
            Capsule(c.s, side * U(5), -U(1), U(1) / 2, side * U(5) + k * U(2), U(1) / 2, U(1) / 2,
                    Style(Material(c, {240, 170, 60}), PART_FLAT));
    }
    Ellipse(c.s, 0, by, brx, bry, Style(c.body));
    Ellipse(c.s, 0, by + bry / 3, brx * 3 / 5, bry * 3 / 5, Style(c.belly, PART_NO_HIGHLIGHT));
    for (int k = 0; k < 5; ++k)
        Spike(c, -brx / 3 + (k % 3) * brx / 3, by + bry / 6 + (k / 3) * U(4) + U(2), U(2), 180, U(1),
              Style(c.body, PART_FLAT, SHADE_SHADOW));
    if (stage < 2)
        for (int side = -1; side <= 1; side += 2)
            Ellipse(c.s, side * (brx - U(2)), by + U(2), U(4), bry * 2 / 3, Style(c.body, PART_LINE),
                    side * 15);
    if (stage >= 1)
        for (int side = -1; side <= 1; side += 2)
            Spike(c, side * brx * 3 / 5, by - bry + U(3), U(7) + stage * U(2), side * 25, U(3),
                  Style(c.body, PART_LINE));
    if (stage == 0)
        for (int k = -1; k <= 1; ++k)
            Spike(c, k * U(3), by - bry + U(1), U(4), k * 30, U(2), Style(c.body, PART_LINE));
    const int ey = by - bry / 3, er = stage == 0 ? U(6) : U(5);
    Ellipse(c.s, -er, ey, er + U(2), er + U(1), Style(c.belly, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, er, ey, er + U(2), er + U(1), Style(c.belly, PART_LINE | PART_NO_HIGHLIGHT));
    WhiteEye(c, -er, ey, er * 3 / 4, U(1));
    WhiteEye(c, er, ey, er * 3 / 4, -U(1));
    Spike(c, 0, ey + U(2), U(4), 180, U(2), Style(Material(c, {240, 170, 60}), PART_LINE));
    if (stage == 2)
        Polygon(c.s, {0, by - bry + U(2), U(2), by - bry + U(5), 0, by - bry + U(8), -U(2), by - bry + U(5)},
                Style(Material(c, {120, 230, 250}), PART_LINE));
}

static void Heron(Ctx &c)
{
    const bool chick = c.plan->index == 60;
    GroundShadow(c.s, 0, 0, U(14), U(3));
    const int beak = Material(c, c.plan->accentColour);
    const int legMat = Material(c, {230, 150, 60});
    const int legLen = chick ? U(10) : U(22);
    const int by = -legLen - U(10);
    for (int side = 0; side < 2; ++side) {
        const int lx = side ? U(4) : -U(2);
        Capsule(c.s, lx, by + U(6), U(1), lx, -U(1), U(1),
                Style(legMat, PART_FLAT, side ? SHADE_SHADOW : SHADE_BASE));
        Capsule(c.s, lx, -U(1), U(1) / 2, lx - U(4), 0, U(1) / 2, Style(legMat, PART_FLAT));
    }
    Spike(c, U(14), by - U(2), U(10), 70, U(5), Style(c.body, PART_LINE));
    Ellipse(c.s, U(2), by, chick ? U(11) : U(14), chick ? U(9) : U(9), Style(c.body));
    Ellipse(c.s, U(6), by - U(1), U(9), U(5), Style(c.body, PART_LINE), 10);
    const int hx = chick ? -U(6) : -U(10), hy = chick ? by - U(14) : by - U(26);
    Curve(c.s, -U(4), by - U(2), U(4), hx + U(8), (hy + by) / 2, hx + U(1), hy + U(2), U(3),
          Style(c.body, PART_LINE));
    Ellipse(c.s, hx, hy, chick ? U(8) : U(6), chick ? U(7) : U(5), Style(c.body, PART_LINE));
    if (!chick)
        Curve(c.s, hx + U(3), hy - U(3), U(1), hx + U(10), hy - U(6), hx + U(14), hy - U(2), U(1) / 2,
              Style(c.dark));
    if (chick)
        for (int k = -1; k <= 1; ++k)
            Spike(c, hx + k * U(2), hy - U(6), U(4), k * 30, U(1), Style(c.body, PART_LINE));
    Spike(c, hx - U(4), hy + U(1), chick ? U(8) : U(14), -90, U(2), Style(beak, PART_LINE));
    if (chick)
        CuteEye(c, hx - U(1), hy - U(1), U(2) + U(1) / 2);
    else
        CuteEye(c, hx, hy - U(1), U(1) + U(1) / 2);
}

/* The tailor bird: a small olive songbird, tail cocked upright, its needle beak drawing a
   grass thread to the stitched leaf pouch it hangs from a twig. */
static void TailorBird(Ctx &c)
{
    const int leaf = Material(c, {100, 170, 80}), twig = Material(c, {120, 86, 60});
    const int thread = c.accent, legMat = Material(c, {200, 150, 100});
    GroundShadow(c.s, 0, 0, U(22), U(3));
    Capsule(c.s, U(6), -U(56), U(1) + U(1) / 2, U(34), -U(58), U(1), Style(twig, PART_LINE));
    Capsule(c.s, U(24), -U(57), U(1) / 2, U(24), -U(48), U(1) / 2, Style(thread, PART_FLAT));
    Ellipse(c.s, U(20), -U(32), U(7), U(16), Style(leaf, PART_LINE), 10);
    Ellipse(c.s, U(27), -U(34), U(7), U(15), Style(leaf, PART_LINE), -10);
    for (int k = 0; k < 5; ++k)
        Capsule(c.s, U(21), -U(44) + k * U(6), U(1) / 2, U(26), -U(42) + k * U(6), U(1) / 2,
                Style(thread, PART_FLAT, SHADE_LIGHT));
    for (int side = 0; side < 2; ++side) {
        Capsule(c.s, -U(2) + side * U(4), -U(12), U(1), -U(3) + side * U(4), -U(1), U(1) / 2,
                Style(legMat, PART_FLAT));
        Capsule(c.s, -U(3) + side * U(4), -U(1), U(1) / 2, -U(6) + side * U(4), 0, U(1) / 2,
                Style(legMat, PART_FLAT));
    }
    Ellipse(c.s, U(9), -U(30), U(3), U(11), Style(c.body, PART_LINE), 20);
    Ellipse(c.s, 0, -U(18), U(10), U(8), Style(c.body), -15);
    Ellipse(c.s, -U(2), -U(15), U(6), U(4), Style(c.belly, PART_NO_HIGHLIGHT), -15);
    Ellipse(c.s, U(3), -U(19), U(6), U(4), Style(c.body, PART_LINE), 25);
    const int hx = -U(7), hy = -U(28);
    Ellipse(c.s, hx, hy, U(6), U(5), Style(c.body, PART_LINE));
    Polygon(c.s, {hx - U(4), hy - U(1), hx - U(17), hy + U(1), hx - U(4), hy + U(2)},
            Style(c.dark, PART_LINE));
    Curve(c.s, hx - U(16), hy + U(1), U(1) / 2, hx - U(10), hy + U(14), U(16), -U(36), U(1) / 2,
          Style(thread, PART_FLAT));
    CuteEye(c, hx, hy - U(1), U(1) + U(1) / 2);
}

/* A giant dragonfly seen from above: four long smouldering wings, big compound eyes and a
   long segmented tail glowing at its tip. */
static void Dragonfly(Ctx &c)
{
    const int wing = Material(c, {246, 190, 150}), vein = Material(c, {200, 110, 70});
    const int glow = Material(c, {255, 232, 140});
    GroundShadow(c.s, 0, 0, U(12), U(3));
    const int ty = -U(44);
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 2; ++k) {
            const int angle = side * (k ? 100 : 66), len = k ? U(30) : U(32);
            const int mx = Toward(side * U(2), len / 2, angle), my = TowardY(ty + k * U(5), len / 2, angle);
            Ellipse(c.s, mx, my, U(4), len / 2, Style(wing, PART_LINE | PART_NO_HIGHLIGHT), angle);
            Capsule(c.s, side * U(2), ty + k * U(5), U(1) / 3, Toward(side * U(2), len - U(3), angle),
                    TowardY(ty + k * U(5), len - U(3), angle), U(1) / 3, Style(vein, PART_FLAT));
            Ellipse(c.s, Toward(side * U(2), len - U(4), angle), TowardY(ty + k * U(5), len - U(4), angle),
                    U(2), U(2), Style(c.accent, PART_FLAT, SHADE_LIGHT));
        }
    for (int k = 0; k < 7; ++k)
        Ellipse(c.s, 0, ty + U(10) + k * U(5), U(2) + (k < 2), U(3), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, ty + U(44), U(2), U(3), Style(glow, PART_LINE));
    Ellipse(c.s, 0, ty + U(3), U(5), U(7), Style(c.body));
    const int hy = ty - U(7);
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(4), hy, U(4), U(4), Style(c.accent, PART_LINE));
        Dot(c.s, side * U(4) - U(1), hy - U(1), c.white, SHADE_BASE);
    }
    Smile(c, 0, hy + U(4), U(2));
}

/* The storm petrel skims low over a breaking wave on long narrow wings, webbed feet pattering
   on the water, sleet streaking past. */
static void Petrel(Ctx &c)
{
    const int foam = c.accent, sea = Material(c, {96, 150, 200}), beak = Material(c, {50, 54, 64});
    GroundShadow(c.s, 0, 0, U(24), U(3));
    Polygon(c.s, {-U(26), -U(2), -U(10), -U(12), U(4), -U(8), U(24), -U(2)}, Style(sea, PART_LINE));
    Ellipse(c.s, -U(10), -U(11), U(7), U(3), Style(foam, PART_LINE | PART_NO_HIGHLIGHT), -10);
    for (int k = 0; k < 3; ++k)
        Capsule(c.s, U(14) + k * U(6), -U(56) + k * U(4), U(1) / 2, U(10) + k * U(6), -U(50) + k * U(4),
                U(1) / 2, Style(foam, PART_FLAT, SHADE_LIGHT));
    const int by = -U(30);
    Ellipse(c.s, U(8), by - U(14), U(26), U(3), Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW), -35);
    for (int side = 0; side < 2; ++side)
        Tube(c.s, {-U(2) + side * U(3), by + U(4), U(1), -U(4) + side * U(3), -U(12), U(1) / 2},
             Style(c.dark, PART_FLAT));
    for (int side = 0; side < 2; ++side)
        Spike(c, -U(5) + side * U(3), -U(12), U(3), 200, U(2), Style(c.dark, PART_FLAT));
    Polygon(c.s, {U(10), by - U(2), U(24), by - U(6), U(22), by + U(2), U(10), by + U(3)},
            Style(c.body, PART_LINE));
    Ellipse(c.s, 0, by, U(13), U(6), Style(c.body), -8);
    Ellipse(c.s, -U(2), by + U(3), U(9), U(3), Style(c.belly, PART_NO_HIGHLIGHT), -8);
    Ellipse(c.s, -U(4), by + U(12), U(28), U(3), Style(c.body, PART_LINE), 30);
    const int hx = -U(13), hy = by - U(3);
    Ellipse(c.s, hx, hy, U(6), U(5), Style(c.body, PART_LINE));
    Polygon(c.s, {hx - U(4), hy - U(1), hx - U(12), hy + U(1), hx - U(4), hy + U(2)}, Style(beak, PART_LINE));
    CuteEye(c, hx - U(1), hy - U(1), U(1) + U(1) / 2);
}

static void Raven(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(16), U(3));
    const int branch = Material(c, {120, 86, 60});
    Capsule(c.s, -U(24), -U(4), U(2), U(24), -U(4), U(2), Style(branch, PART_LINE));
    Leaf(c, U(18), -U(5), U(8), 60, Material(c, {90, 150, 80}));
    const int by = -U(22);
    Polygon(c.s, {U(10), by + U(2), U(28), by + U(16), U(22), by + U(18), U(8), by + U(8)},
            Style(c.body, PART_LINE));
    Ellipse(c.s, U(2), by, U(12), U(14), Style(c.body));
    Ellipse(c.s, U(6), by, U(9), U(11), Style(c.body, PART_LINE), 20);
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, U(8) + k * U(2), by + U(4) + k * U(2), U(3), U(6), Style(c.body, PART_LINE), 30);
    for (int side = 0; side < 2; ++side)
        Capsule(c.s, -U(2) + side * U(5), by + U(12), U(1), -U(3) + side * U(5), -U(5), U(1),
                Style(c.dark, PART_FLAT));
    const int hx = -U(6), hy = by - U(14);
    Ellipse(c.s, hx, hy, U(8), U(7), Style(c.body, PART_LINE));
    Spike(c, hx + U(4), hy - U(5), U(6), 40, U(2), Style(c.body, PART_LINE));
    /* A hoarded spoon held crosswise in the beak. */
    Capsule(c.s, hx - U(9), hy - U(6), U(1), hx - U(12), hy + U(9), U(1) / 2, Style(c.accent, PART_LINE));
    Ellipse(c.s, hx - U(9), hy - U(8), U(3), U(4), Style(c.accent, PART_LINE), -10);
    Polygon(c.s, {hx - U(5), hy - U(2), hx - U(17), hy + U(2), hx - U(5), hy + U(3)},
            Style(Material(c, {60, 60, 70}), PART_LINE));
    FierceEye(c, hx - U(1), hy - U(2), U(2), -10, Material(c, {230, 200, 90}));
}

static void Crane(Ctx &c)
{
    /* Folded paper: flat polygons only, with a red head fold. */
    GroundShadow(c.s, 0, 0, U(20), U(3));
    const int by = -U(14);
    Polygon(c.s, {-U(4), by, U(20), by - U(26), U(8), by}, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(4), by, -U(20), by - U(22), U(2), by - U(2)}, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(16), by + U(8), U(14), by + U(8), U(6), by - U(4), -U(6), by - U(4)},
            Style(c.body, PART_LINE));
    Polygon(c.s, {U(10), by + U(4), U(28), by - U(10), U(16), by + U(6)}, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(12), by + U(4), -U(24), by - U(24), -U(16), by + U(6)}, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(24), by - U(24), -U(30), by - U(20), -U(22), by - U(20)}, Style(c.accent, PART_LINE));
    Dot(c.s, -U(24), by - U(22), c.eye, SHADE_BASE);
    Capsule(c.s, -U(2), by + U(8), U(1) / 2, U(2), by - U(2), U(1) / 2,
            Style(c.body, PART_FLAT, SHADE_SHADOW));
    Capsule(c.s, U(0), by + U(8), U(1) / 2, U(0), -U(1), U(1) / 2, Style(c.body, PART_FLAT, SHADE_SHADOW));
    /* Pressed-leaf veins on the two wing folds. */
    const int vein = Material(c, Darker(c.plan->bodyColour, 30));
    Capsule(c.s, U(2), by - U(2), U(1) / 3, U(14), by - U(18), U(1) / 3, Style(vein, PART_FLAT));
    Capsule(c.s, -U(2), by - U(4), U(1) / 3, -U(14), by - U(18), U(1) / 3, Style(vein, PART_FLAT));
}

void DrawBird(Ctx &c)
{
    switch (c.plan->index) {
    case 6:
    case 7:
    case 8:
        Owl(c);
        break;
    case 60:
    case 61:
        Heron(c);
        break;
    case 91:
        TailorBird(c);
        break;
    case 74:
        Raven(c);
        break;
    case 87:
        Crane(c);
        break;
    default:
        Petrel(c);
        break;
    }
}

/* Moth seen from the front with its wings spread; pattern depends on the entry. */
static void Moth(Ctx &c)
{
    const int idx = c.plan->index;
    const bool night = idx == 98;
    GroundShadow(c.s, 0, 0, U(14), U(3));
    const int by = -U(30);
    const int wing = c.accent, spot = night ? c.accent : Material(c, {120, 70, 50});
    const int wingMat = night ? c.body : wing;
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(16), by - U(10), U(16), U(12), Style(wingMat, PART_LINE), side * 30);
        Ellipse(c.s, side * U(12), by + U(10), U(10), U(9), Style(wingMat, PART_LINE), side * -20);
        if (night)
            Spike(c, side * U(16), by + U(14), U(12), side * 150, U(3), Style(wingMat, PART_LINE));
        Ellipse(c.s, side * U(18), by - U(11), U(5), U(5), Style(spot, PART_LINE));
        Ellipse(c.s, side * U(18), by - U(11), U(2), U(2), Style(night ? c.dark : c.belly, PART_FLAT));
        Ellipse(c.s, side * U(12), by + U(10), U(3), U(3), Style(night ? c.accent : c.body, PART_LINE));
        for (int k = 0; k < 3; ++k)
            Capsule(c.s, side * U(4), by - U(2), U(1) / 2, side * (U(28) - k * U(5)), by - U(16) + k * U(9),
                    U(1) / 2, Style(wingMat, PART_FLAT, SHADE_SHADOW));
    }
    Ellipse(c.s, 0, by + U(4), U(5), U(12), Style(c.body));
    for (int k = 0; k < 3; ++k)
        Capsule(c.s, -U(4), by + U(3) + k * U(4), U(1) / 2, U(4), by + U(3) + k * U(4), U(1) / 2,
                Style(c.body, PART_FLAT, SHADE_SHADOW));
    const int hy = by - U(10);
    for (int side = -1; side <= 1; side += 2) {
        Curve(c.s, side * U(2), hy - U(4), U(1), side * U(6), hy - U(16), side * U(12), hy - U(16), U(1) / 2,
              Style(c.dark));
        for (int k = 1; k <= 3; ++k)
            Spike(c, side * (U(3) + k * U(2)), hy - U(10) - k * U(2), U(3), side * 60, U(1) / 2,
                  Style(c.dark, PART_FLAT));
    }
    Ellipse(c.s, 0, hy, U(7), U(6), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, hy + U(5), U(8), U(3), Style(c.belly, PART_LINE));
    CuteEye(c, -U(3), hy, U(2) + U(1) / 2);
    CuteEye(c, U(3), hy, U(2) + U(1) / 2);
    for (int side = -1; side <= 1; side += 2)
        Capsule(c.s, side * U(2), by + U(14), U(1), side * U(3), -U(1), U(1) / 2, Style(c.dark, PART_FLAT));
}

/* Ant seen from the side, facing left: head, thorax, abdomen and six legs. */
static void Ant(Ctx &c, bool queen)
{
    GroundShadow(c.s, 0, 0, U(24), U(3));
    const int ar = queen ? U(13) : U(8);
    const int by = -U(12) - (queen ? U(4) : 0);
    if (queen)
        for (int k = 0; k < 2; ++k)
            Ellipse(c.s, U(6) + k * U(4), by - U(14), U(5), U(13),
                    Style(Material(c, {200, 220, 240}), PART_LINE), 50 + k * 20);
    for (int k = 0; k < 3; ++k) {
        const int lx = -U(6) + k * U(6);
        Tube(c.s, {lx, by, U(1), lx + U(4) - k * U(4), by - U(6), U(1), lx + U(6) - k * U(6), 0, U(1) / 2},
             Style(c.dark, PART_FLAT));
    }
    Ellipse(c.s, U(8) + ar, by - U(2), ar + U(2), ar, Style(c.body), -10);
    for (int k = 1; k <= 2; ++k)
        Capsule(c.s, U(8) + ar + k * ar / 3, by - ar + U(2), U(1) / 2, U(8) + ar + k * ar / 3 - U(2),
                by + ar - U(3), U(1) / 2, Style(c.body, PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, 0, by, U(6), U(4), Style(c.body, PART_LINE));
    const int hx = -U(10), hy = by - U(8);
    Curve(c.s, hx + U(2), hy - U(5), U(1), hx - U(2), hy - U(16), hx - U(8), hy - U(14), U(1) / 2,
          Style(c.dark));
    Curve(c.s, hx - U(6), hy + U(4), U(1), hx - U(10), hy + U(6), hx - U(10), hy + U(2), U(1) / 2,
          Style(c.dark));
    Ellipse(c.s, hx, hy, U(7), U(6), Style(c.body, PART_LINE));
    CuteEye(c, hx - U(2), hy - U(1), queen ? U(2) : U(2) + U(1) / 2);
    if (queen) {
        const int gold = c.accent;
        Polygon(c.s,
                {hx - U(5), hy - U(5), hx - U(6), hy - U(11), hx - U(3), hy - U(8), hx, hy - U(12), hx + U(3),
                 hy - U(8), hx + U(6), hy - U(11), hx + U(5), hy - U(5)},
                Style(gold, PART_LINE));
        Dot(c.s, hx, hy - U(7), Material(c, {230, 60, 90}), SHADE_BASE);
    }
    for (int k = 0; k < 3; ++k) {
        const int lx = -U(6) + k * U(6);
        Tube(c.s,
             {lx, by + U(1), U(1), lx - U(4) + k * U(3), by - U(4), U(1), lx - U(7) + k * U(5), 0, U(1) / 2},
             Style(c.body, PART_FLAT, SHADE_SHADOW));
    }
}

static void Spider(Ctx &c, bool shadow)
{
    GroundShadow(c.s, 0, 0, U(26), U(3));
    const int by = -U(16);
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 4; ++k) {
            const int kx = side * (U(14) + k * U(3)), ky = by - U(12) + k * U(4);
            Tube(c.s,
                 {side * U(4), by - U(2) + k * U(2), U(1) + U(1) / 2, kx, ky, U(1), side * (U(18) + k * U(4)),
                  0, U(1) / 2},
                 Style(c.body, PART_LINE));
        }
    Ellipse(c.s, 0, by - U(6), U(12), U(10), Style(c.body));
    if (shadow) {
        Polygon(c.s, {0, by - U(14), U(4), by - U(6), 0, by + U(2), -U(4), by - U(6)},
                Style(c.accent, PART_LINE));
    } else {
        for (int k = -1; k <= 1; k += 2)
            Ellipse(c.s, k * U(5), by - U(10), U(2), U(2), Style(c.accent, PART_NO_HIGHLIGHT));
    }
    Ellipse(c.s, 0, by + U(4), U(7), U(6), Style(c.body, PART_LINE));
    if (shadow) {
        const int red = Material(c, {250, 70, 90});
        for (int k = -1; k <= 1; ++k)
            Ellipse(c.s, k * U(3), by + U(3) - (k == 0) * U(1), U(1) + U(1) / 2, U(1) + U(1) / 2,
                    Style(red, PART_FLAT, SHADE_LIGHT));
        Ellipse(c.s, -U(2), by + U(6), U(1), U(1), Style(red, PART_FLAT, SHADE_LIGHT));
        Ellipse(c.s, U(2), by + U(6), U(1), U(1), Style(red, PART_FLAT, SHADE_LIGHT));
    } else {
        CuteEye(c, -U(3), by + U(3), U(2) + U(1) / 2);
        CuteEye(c, U(3), by + U(3), U(2) + U(1) / 2);
        Dot(c.s, -U(1), by, c.eye, SHADE_BASE);
        Dot(c.s, U(1), by, c.eye, SHADE_BASE);
    }
    Spike(c, -U(2), by + U(8), U(3), 185, U(1), Style(c.bone, PART_NO_HIGHLIGHT));
    Spike(c, U(2), by + U(8), U(3), 175, U(1), Style(c.bone, PART_NO_HIGHLIGHT));
}

/* The small beetle on its six legs, seen from the side, facing left. */
static void Beetle(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(24), U(3));
    const int by = -U(14), bx = U(4), rx = U(14), ry = U(9);
    for (int k = 0; k < 3; ++k) {
        const int lx = bx - rx / 2 + k * rx / 2;
        Tube(c.s, {lx + U(3), by, U(1), lx + U(6), by + ry - U(2), U(1), lx + U(4), 0, U(1) / 2},
             Style(c.dark, PART_FLAT));
    }
    Ellipse(c.s, bx, by, rx, ry, Style(c.body));
    Capsule(c.s, bx, by - ry + U(1), U(1) / 2, bx + rx / 2 + U(2), by + ry / 2, U(1) / 2,
            Style(c.body, PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, bx - U(6), by - ry / 2, rx / 3, ry / 4, Style(c.body, PART_FLAT, SHADE_HIGHLIGHT), -20);
    for (int k = 0; k < 3; ++k) {
        const int lx = bx - U(4) - rx / 2 + k * rx / 2;
        Tube(c.s, {lx, by + ry / 2, U(1), lx - U(3), by + ry, U(1), lx - U(5), 0, U(1) / 2},
             Style(c.dark, PART_FLAT));
    }
    const int hx = bx - rx + U(1), hy = by + U(2);
    Curve(c.s, hx, hy - U(4), U(1) / 2, hx - U(4), hy - U(12), hx - U(8), hy - U(12), U(1) / 2,
          Style(c.dark));
    Ellipse(c.s, hx, hy, U(7), U(6), Style(c.belly, PART_LINE));
    CuteEye(c, hx - U(2), hy - U(1), U(2) + U(1) / 2);
}

/* The click beetle in mid-flip: thrown into the air, its body snapped into an arch at the hinge
   between thorax and abdomen, legs tucked, stone plates on its domed back. */
static void ClickBeetle(Ctx &c)
{
    const int stone = c.accent, snap = Material(c, {250, 236, 170});
    GroundShadow(c.s, 0, 0, U(18), U(3));
    const int cy = -U(34);
    Ellipse(c.s, U(10), cy + U(2), U(14), U(9), Style(c.body), 35);
    Ellipse(c.s, -U(12), cy + U(2), U(10), U(8), Style(c.body), -40);
    /* Legs folded tight under the arch while it is in the air. */
    for (int k = 0; k < 3; ++k)
        Tube(c.s,
             {-U(8) + k * U(8), cy + U(6) + k * U(2), U(1), -U(5) + k * U(8), cy + U(12) + k * U(2), U(1),
              -U(9) + k * U(8), cy + U(13) + k * U(2), U(1) / 2},
             Style(c.dark, PART_FLAT));
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, U(4) + k * U(6), cy - U(4) + k * U(4), U(5), U(3), Style(stone, PART_LINE), 35);
    Ellipse(c.s, -U(10), cy - U(3), U(5), U(3), Style(stone, PART_LINE), -40);
    Ellipse(c.s, -U(1), cy - U(5), U(3), U(3), Style(c.dark, PART_LINE));
    const int hx = -U(20), hy = cy + U(10);
    Curve(c.s, hx, hy - U(4), U(1) / 2, hx - U(6), hy - U(10), hx - U(10), hy - U(8), U(1) / 2,
          Style(c.dark));
    Ellipse(c.s, hx, hy, U(6), U(5), Style(c.belly, PART_LINE));
    CuteEye(c, hx - U(2), hy - U(1), U(2));
    for (int k = 0; k < 3; ++k)
        Spike(c, -U(1), cy - U(10), U(6), -40 + k * 40, U(1), Style(snap, PART_FLAT, SHADE_LIGHT));
}

static void Mantis(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(22), U(3));
    for (int k = 0; k < 2; ++k)
        Tube(c.s,
             {U(2) + k * U(8), -U(14), U(1), U(8) + k * U(8), -U(8), U(1), U(12) + k * U(8), 0, U(1) / 2},
             Style(c.body, PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, U(14), -U(16), U(12), U(5), Style(c.accent, PART_LINE), -15);
    Ellipse(c.s, U(16), -U(15), U(14), U(6), Style(c.body), -10);
    Capsule(c.s, U(2), -U(16), U(3), -U(6), -U(36), U(2), Style(c.body, PART_LINE));
    /* Raptorial arms folded in front. */
    Tube(c.s, {-U(3), -U(30), U(2), -U(14), -U(24), U(2), -U(10), -U(36), U(1) + U(1) / 2},
         Style(c.body, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Spike(c, -U(13) + k * U(1), -U(27) - k * U(3), U(2), -70, U(1) / 2,
              Style(c.belly, PART_NO_HIGHLIGHT));
    for (int k = 0; k < 2; ++k)
        Tube(c.s,
             {-U(1) + k * U(4), -U(18), U(1), -U(6) + k * U(4), -U(8), U(1), -U(4) + k * U(4), 0, U(1) / 2},
             Style(c.body, PART_FLAT));
    const int hx = -U(8), hy = -U(42);
    Curve(c.s, hx, hy - U(4), U(1) / 2, hx - U(4), hy - U(14), hx - U(12), hy - U(14), U(1) / 2,
          Style(c.body));
    Curve(c.s, hx + U(2), hy - U(4), U(1) / 2, hx + U(4), hy - U(14), hx + U(10), hy - U(16), U(1) / 2,
          Style(c.body));
    Polygon(c.s, {hx - U(8), hy - U(3), hx + U(8), hy - U(3), hx, hy + U(7)}, Style(c.body, PART_LINE));
    FierceEye(c, hx - U(5), hy - U(2), U(2), -30, Material(c, {250, 230, 110}));
    FierceEye(c, hx + U(5), hy - U(2), U(2), 30, Material(c, {250, 230, 110}));
}

static void Firefly(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(12), U(3));
    const int by = -U(30);
    const int wing = Material(c, {190, 220, 240});
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(12), by - U(12), U(6), U(13), Style(wing, PART_LINE), side * 40);
        Ellipse(c.s, side * U(10), by - U(2), U(4), U(9), Style(wing, PART_LINE), side * 70);
    }
    const int glow = Material(c, c.plan->accentColour);
    Ellipse(c.s, 0, by + U(12), U(11), U(10), Style(Material(c, {255, 244, 170}), PART_NO_HIGHLIGHT));
    Ellipse(c.s, 0, by + U(10), U(7), U(9), Style(glow));
    Ellipse(c.s, 0, by - U(2), U(6), U(6), Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2) {
        Curve(c.s, side * U(2), by - U(12), U(1) / 2, side * U(4), by - U(22), side * U(10), by - U(22),
              U(1) / 2, Style(c.dark));
        Ellipse(c.s, side * U(10), by - U(22), U(1) + U(1) / 2, U(1) + U(1) / 2,
                Style(glow, PART_NO_HIGHLIGHT));
    }
    Ellipse(c.s, 0, by - U(10), U(6), U(5), Style(c.body, PART_LINE));
    CuteEye(c, -U(3), by - U(10), U(2));
    CuteEye(c, U(3), by - U(10), U(2));
    for (int k = 0; k < 3; ++k)
        Polygon(c.s,
                {-U(20) + k * U(18), -U(12) - k * U(6), -U(18) + k * U(18), -U(14) - k * U(6),
                 -U(16) + k * U(18), -U(12) - k * U(6), -U(18) + k * U(18), -U(10) - k * U(6)},
                Style(glow, PART_FLAT, SHADE_LIGHT));
}

void DrawInsect(Ctx &c)
{
    switch (c.plan->index) {
    case 98:
        Moth(c);
        break;
    case 28:
        Ant(c, false);
        break;
    case 29:
        Ant(c, true);
        break;
    case 37:
        Firefly(c);
        break;
    case 47:
        Spider(c, false);
        break;
    case 48:
        Spider(c, true);
        break;
    case 62:
        Beetle(c);
        break;
    case 63:
        ClickBeetle(c);
        break;
    case 105:
        Dragonfly(c);
        break;
    default:
        Mantis(c);
        break;
    }
}

/* Pictures of the plan rows whose body is BODY_INSECT, insects and spiders: the spiders, the leaf-rolling
   weevil, the firefly, the beetles and the dusk moth. */
#include "creature_drawers.h"

#include <vector>

/* The entries drawn here, by EntryIndex. */
static const int SPIDERLING_ENTRY = 22;

static const int WEB_SPIDER_ENTRY = 23;
static const int SHADOW_SPIDER_ENTRY = 24;
static const int WEEVIL_ENTRY = 36;
static const int FIREFLY_ENTRY = 56;
static const int GRUB_ENTRY = 65;
static const int SHIELD_BEETLE_ENTRY = 66;
static const int CLICK_BEETLE_ENTRY = 67;
static const int DUSK_MOTH_ENTRY = 98;
static const Rgb LEAF_GREEN = {104, 168, 72};
static const Rgb TWIG_BROWN = {120, 88, 62};
static const Rgb SILK = {206, 212, 228};

/* Random flecks inside an ellipse: bark mottling, spots, speckles. Drawn from the entry's own
   random stream, so both the measuring and the final pass get the same flecks. */
static void Mottle(Ctx &c, int cx, int cy, int rx, int ry, int count, int material, Shade shade)
{
    for (int k = 0; k < count; ++k) {
        const int dx = RandomRange(c.rng, -rx, rx), dy = RandomRange(c.rng, -ry, ry);
        const int angle = RandomRange(c.rng, -40, 40);
        if ((int64_t)dx * dx * ry * ry + (int64_t)dy * dy * rx * rx > (int64_t)rx * rx * ry * ry)
            continue;
        Ellipse(c.s, cx + dx, cy + dy, U(1) + U(1) / 2, U(1), Style(material, PART_FLAT, shade), angle);
    }
}

/* A jointed leg as a tube, with rings of a second material along each segment. */
static void BandedLeg(Ctx &c, const std::vector<int> &xyr, int material, int band)
{
    Tube(c.s, xyr, Style(material, PART_LINE));
    for (size_t i = 3; i + 2 < xyr.size(); i += 3)
        for (int t = 1; t <= 2; ++t) {
            const int x = xyr[i - 3] + (xyr[i] - xyr[i - 3]) * t / 3;
            const int y = xyr[i - 2] + (xyr[i + 1] - xyr[i - 2]) * t / 3;
            const int r = xyr[i - 1] + (xyr[i + 2] - xyr[i - 1]) * t / 3;
            Ellipse(c.s, x, y, r, r, Style(band, PART_FLAT, SHADE_SHADOW));
        }
}

/* The spiderling hangs on its own silk line below a twig, legs tucked, face down. */
static void Spiderling(Ctx &c)
{
    const int twig = Material(c, TWIG_BROWN), leaf = Material(c, LEAF_GREEN), silk = Material(c, SILK);
    Capsule(c.s, -U(20), -U(48), U(2), U(18), -U(51), U(1) + U(1) / 2, Style(twig, PART_LINE));
    Leaf(c, -U(12), -U(48), U(14), -130, leaf);
    Leaf(c, U(12), -U(50), U(12), 55, leaf);
    Capsule(c.s, 0, -U(49), U(1) * 3 / 4, 0, -U(28), U(1) * 3 / 4, Style(silk, PART_FLAT));
    const int by = -U(20);
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 4; ++k) {
            const int sx = side * U(5), sy = by + U(4) + k * U(2);
            const int kx = side * (U(14) + (k == 1 || k == 2) * U(2)), ky = by - U(4) + k * U(6);
            BandedLeg(c, {sx, sy, U(2), kx, ky, U(1) + U(1) / 2, kx - side * U(3), ky + U(6), U(1)}, c.body,
                      c.accent);
        }
    Ellipse(c.s, 0, by - U(3), U(11), U(10), Style(c.body));
    for (int k = 0; k < 3; ++k)
        Spike(c, 0, by - U(11) + k * U(5), U(4), 180, U(5) - k * U(1), Style(c.accent, PART_LINE));
    Ellipse(c.s, 0, by + U(7), U(8), U(6), Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2) {
        BrightEye(c, side * U(3), by + U(7), U(2) + U(1) / 2);
        Ellipse(c.s, side * U(6), by + U(3), U(1), U(1), Style(c.eye, PART_FLAT));
    }
}

/* The spider sits head up in the middle of its orb web, striped legs spread on the spokes. */
static void WebSpider(Ctx &c)
{
    const int silk = Material(c, SILK), band = Material(c, Darker(c.plan->bodyColour, 50));
    const int cy = -U(34), reach = U(32);
    for (int k = 0; k < 8; ++k) {
        const int angle = k * 45 + 22;
        Capsule(c.s, 0, cy, U(1) * 3 / 4, Toward(0, reach, angle), TowardY(cy, reach, angle), U(1) / 2,
                Style(silk, PART_FLAT));
    }
    for (int ring = 0; ring < 3; ++ring) {
        const int r = U(11) + ring * U(10);
        for (int k = 0; k < 8; ++k) {
            const int a0 = k * 45 + 22, a1 = a0 + 45;
            Capsule(c.s, Toward(0, r, a0), TowardY(cy, r, a0), U(1) / 2, Toward(0, r, a1), TowardY(cy, r, a1),
                    U(1) / 2, Style(silk, PART_FLAT, SHADE_LIGHT));
        }
    }
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 4; ++k) {
            const int sx = side * U(4), sy = cy - U(6) + k * U(3);
            const int kx = side * (U(15) + (k == 1 || k == 2) * U(3)), ky = cy - U(14) + k * U(8);
            const int fx = side * (U(22) - (k == 0 || k == 3) * U(3)), fy = ky + (k < 2 ? -U(9) : U(9));
            BandedLeg(c, {sx, sy, U(2), kx, ky, U(1) + U(1) / 2, fx, fy, U(1)}, c.body, band);
        }
    Ellipse(c.s, 0, cy + U(7), U(10), U(12), Style(c.body));
    for (int k = 0; k < 3; ++k)
        Capsule(c.s, -U(7) + k * U(1), cy + U(3) + k * U(5), U(1), U(7) - k * U(1), cy + U(3) + k * U(5),
                U(1), Style(c.accent, PART_FLAT));
    Ellipse(c.s, 0, cy - U(7), U(7), U(6), Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2) {
        BrightEye(c, side * U(3), cy - U(8), U(2));
        Capsule(c.s, side * U(2), cy - U(12), U(1), side * U(4), cy - U(16), U(1), Style(band, PART_FLAT));
    }
}

/* The shadow spider crouches in the mouth of its silk funnel, legs braced wide, eight red eyes
   over a pair of pale fangs. */
static void ShadowSpider(Ctx &c)
{
    const int silk = Material(c, {190, 184, 208}), hollow = Material(c, {44, 38, 62});
    const int red = Material(c, {244, 60, 76}), hair = Material(c, Darker(c.plan->bodyColour, 40));
    GroundShadow(c.s, 0, 0, U(30), U(3));
    Polygon(c.s, {U(6), -U(50), U(30), -U(66), U(38), -U(58), U(22), -U(34)}, Style(silk, PART_LINE));
    Ellipse(c.s, U(2), -U(34), U(28), U(21), Style(silk, PART_LINE));
    Ellipse(c.s, U(4), -U(35), U(21), U(15), Style(hollow, PART_LINE));
    for (int k = 0; k < 5; ++k) {
        const int angle = -60 + k * 30;
        Capsule(c.s, Toward(U(4), U(22), angle), TowardY(-U(35), U(17), angle), U(1) / 2,
                Toward(U(2), U(29), angle), TowardY(-U(34), U(22), angle), U(1) / 2,
                Style(silk, PART_FLAT, SHADE_SHADOW));
    }
    Ellipse(c.s, U(2), -U(40), U(13), U(10), Style(c.body));
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 4; ++k) {
            const int sx = side * U(8), sy = -U(24) + k * U(2);
            const int kx = side * (U(18) + k * U(4)), ky = -U(42) + k * U(6);
            const int fx = side * (U(24) + k * U(4)), fy = -U(2);
            Tube(c.s, {sx, sy, U(3), kx, ky, U(2) + U(1) / 2, fx, fy, U(1) + U(1) / 2},
                 Style(c.body, PART_LINE));
            Spike(c, (kx + fx) / 2, (ky + fy) / 2, U(3), side * 60, U(1), Style(hair, PART_FLAT));
            Spike(c, (sx + kx) / 2, (sy + ky) / 2, U(3), -side * 20, U(1), Style(hair, PART_FLAT));
        }
    Ellipse(c.s, 0, -U(23), U(15), U(11), Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(5), -U(14), U(4), U(4), Style(c.body, PART_LINE));
        Spike(c, side * U(5), -U(12), U(7), side * -15 + 180, U(2), Style(c.bone, PART_LINE));
    }
    /* Two big eyes in front, two beside them, four small ones in a row above. */
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(4), -U(23), U(3), U(3), Style(red, PART_FLAT | PART_LINE, SHADE_LIGHT));
        Catchlight(c, side * U(4), -U(23), U(3));
        Ellipse(c.s, side * U(10), -U(25), U(2), U(2), Style(red, PART_FLAT | PART_LINE, SHADE_LIGHT));
        Catchlight(c, side * U(10), -U(25), U(2));
        for (int k = 0; k < 2; ++k)
            Ellipse(c.s, side * (U(3) + k * U(5)), -U(29) - k * U(1), U(1) + U(1) / 2, U(1) + U(1) / 2,
                    Style(red, PART_FLAT | PART_LINE, SHADE_BASE));
    }
}

/* The leaf-rolling weevil side on: a high round dome of metallic green with a gold sheen and rows of
   dimples, a small head drawn out into a long down-curved snout with elbowed antennae halfway along
   it, six thin jointed legs, the front pair hugging a tightly rolled leaf cigar. */
static void Weevil(Ctx &c)
{
    const int shell = c.body, leaf = c.accent, gold = Material(c, {220, 190, 70});
    const int limb = Material(c, Darker(c.plan->bodyColour, 40)), rib = Material(c, {80, 140, 56});
    GroundShadow(c.s, -U(4), 0, U(30), U(3));
    /* Far legs. */
    for (int k = 0; k < 2; ++k)
        Tube(c.s,
             {U(2) + k * U(12), -U(22), U(2), U(6) + k * U(14), -U(12), U(1) + U(1) / 2, U(2) + k * U(16),
              -U(2), U(1)},
             Style(limb, PART_FLAT | PART_LINE, SHADE_SHADOW));
    /* The dome, its gold sheen and rows of dimples. */
    Ellipse(c.s, U(8), -U(30), U(20), U(18), Style(shell), -8);
    Ellipse(c.s, U(2), -U(39), U(9), U(5), Style(gold, PART_FLAT, SHADE_LIGHT), -25);
    Ellipse(c.s, -U(1), -U(41), U(3), U(2), Style(gold, PART_FLAT, SHADE_HIGHLIGHT), -25);
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 5; ++k) {
            const int a = -50 + k * 25, rx = U(14) - row * U(4), ry = U(12) - row * U(4);
            Ellipse(c.s, U(8) + SinQ12(a + 90) * rx / 4096, -U(30) - CosQ12(a + 90) * ry / 4096 + U(2),
                    Px(c, 1), Px(c, 1), Style(shell, PART_FLAT, SHADE_SHADOW));
        }
    /* The thorax and the small head with its long curved snout. */
    Ellipse(c.s, -U(12), -U(26), U(8), U(9), Style(shell, PART_LINE));
    Ellipse(c.s, -U(20), -U(29), U(5), U(5), Style(shell, PART_LINE));
    Curve(c.s, -U(22), -U(29), U(3), -U(34), -U(30), -U(38), -U(17), U(1) + U(1) / 2,
          Style(shell, PART_LINE));
    /* Elbowed antennae from halfway along the snout, clubbed at the tips. */
    Capsule(c.s, -U(30), -U(30), U(1), -U(29), -U(40), U(1), Style(limb, PART_LINE));
    Capsule(c.s, -U(29), -U(40), U(1), -U(37), -U(45), U(1), Style(limb, PART_LINE));
    Ellipse(c.s, -U(38), -U(46), U(2), U(2) + U(1) / 2, Style(limb, PART_LINE), -40);
    BrightEye(c, -U(21), -U(30), U(2));
    /* The rolled leaf cigar on the ground before it, its cut edge curling at one end. */
    Capsule(c.s, -U(40), -U(7), U(5), -U(14), -U(8), U(5), Style(leaf, PART_LINE));
    for (int k = 0; k < 4; ++k)
        Capsule(c.s, -U(36) + k * U(6), -U(12), Px(c, 1) / 2, -U(33) + k * U(6), -U(3), Px(c, 1) / 2,
                Style(rib, PART_FLAT));
    Curve(c.s, -U(14), -U(12), U(1), -U(6), -U(16), -U(8), -U(8), U(1), Style(leaf, PART_LINE));
    Ellipse(c.s, -U(41), -U(7), U(2), U(4), Style(rib, PART_LINE));
    /* Near legs: the hind ones stand, the front pair hugs the leaf. */
    for (int k = 0; k < 2; ++k)
        Tube(c.s,
             {U(6) + k * U(12), -U(20), U(2) + U(1) / 2, U(12) + k * U(12), -U(11), U(2), U(8) + k * U(14), 0,
              U(1) + U(1) / 2},
             Style(limb, PART_LINE));
    Tube(c.s, {-U(12), -U(20), U(2) + U(1) / 2, -U(22), -U(16), U(2), -U(28), -U(10), U(1) + U(1) / 2},
         Style(limb, PART_LINE));
    Tube(c.s, {-U(8), -U(18), U(2) + U(1) / 2, -U(12), -U(10), U(2), -U(20), -U(6), U(1) + U(1) / 2},
         Style(limb, PART_LINE));
}

/* The firefly hovers with its wing cases lifted and its lantern tail glowing in a halo. */
static void Firefly(Ctx &c)
{
    const int wing = Material(c, {192, 216, 238}), halo = Material(c, {255, 240, 150});
    const int shield = Material(c, {236, 140, 80});
    GroundShadow(c.s, 0, 0, U(14), U(3));
    const int by = -U(34);
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(15), by - U(9), U(7), U(16), Style(wing, PART_LINE | PART_NO_HIGHLIGHT),
                side * 58);
        Capsule(c.s, side * U(4), by - U(4), U(1) / 2, side * U(26), by - U(16), U(1) / 2,
                Style(wing, PART_FLAT, SHADE_SHADOW));
    }
    Ellipse(c.s, 0, by + U(15), U(14), U(13), Style(halo, PART_NO_HIGHLIGHT));
    Ellipse(c.s, 0, by + U(13), U(8), U(10), Style(c.accent));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(7) + k * U(1), by + U(9) + k * U(5), U(1) / 2, U(7) - k * U(1), by + U(9) + k * U(5),
                U(1) / 2, Style(c.accent, PART_FLAT, SHADE_BASE));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(9), by - U(4), U(5), U(12), Style(c.body, PART_LINE), side * 32);
        Capsule(c.s, side * U(5), by - U(12), U(1), side * U(14), by + U(5), U(1),
                Style(c.body, PART_FLAT, SHADE_LIGHT));
        for (int k = 0; k < 3; ++k)
            Capsule(c.s, side * U(4), by + U(1) + k * U(2), U(1), side * (U(10) - k * U(1)),
                    by + U(7) + k * U(3), U(1) / 2, Style(c.dark, PART_FLAT));
    }
    Ellipse(c.s, 0, by, U(6), U(7), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, by - U(9), U(8), U(5), Style(shield, PART_LINE));
    Ellipse(c.s, 0, by - U(9), U(2), U(2), Style(c.dark, PART_FLAT));
    for (int side = -1; side <= 1; side += 2)
        Curve(c.s, side * U(2), by - U(15), U(1), side * U(4), by - U(24), side * U(10), by - U(26), U(1) / 2,
              Style(c.dark));
    Ellipse(c.s, 0, by - U(14), U(6), U(4), Style(c.dark, PART_LINE));
    for (int side = -1; side <= 1; side += 2)
        BrightEye(c, side * U(4), by - U(15), U(2) + U(1) / 2);
    for (int k = 0; k < 3; ++k) {
        const int sx = -U(22) + k * U(20), sy = by + U(20) - (k % 2) * U(8);
        Polygon(c.s, {sx, sy - U(3), sx + U(1), sy, sx, sy + U(3), sx - U(1), sy},
                Style(halo, PART_FLAT, SHADE_BASE));
        Polygon(c.s, {sx - U(3), sy, sx, sy - U(1), sx + U(3), sy, sx, sy + U(1)},
                Style(halo, PART_FLAT, SHADE_BASE));
    }
}

/* The beetle grub lies curled in a C on a crumb of soil: plump pale folds, a brown head and
   three pairs of tiny legs inside the curl. */
static void Grub(Ctx &c)
{
    const int soil = Material(c, {140, 104, 70}), jaw = Material(c, Darker(c.plan->accentColour, 40));
    GroundShadow(c.s, 0, 0, U(22), U(3));
    Ellipse(c.s, 0, -U(4), U(20), U(5), Style(soil, PART_LINE));
    const int cx = -U(1), cy = -U(20), r = U(11);
    for (int k = 8; k >= 0; --k) {
        const int angle = 60 - k * 30;
        const int rr = U(8) - (k > 4) * (k - 4) * U(1);
        Ellipse(c.s, Toward(cx, r, angle), TowardY(cy, r, angle), rr, rr, Style(c.body, PART_LINE), angle);
    }
    for (int k = 0; k < 3; ++k) {
        const int angle = 50 - k * 28;
        const int lx = Toward(cx, r - U(7), angle), ly = TowardY(cy, r - U(7), angle);
        Capsule(c.s, lx, ly, U(1), Toward(lx, U(3), angle + 160), TowardY(ly, U(3), angle + 160), U(1),
                Style(c.accent, PART_LINE));
    }
    const int hx = Toward(cx, r, 92), hy = TowardY(cy, r, 92);
    Ellipse(c.s, hx, hy, U(7), U(6), Style(c.accent, PART_LINE), 20);
    Spike(c, hx - U(3), hy + U(4), U(4), 200, U(2), Style(jaw, PART_LINE));
    BrightEye(c, hx + U(2), hy - U(1), U(2));
}

/* The shield beetle from above: a broad pronotum with pointed shoulders, a shield-shaped back
   with its big triangle plate, six legs and a pair of feelers. */
static void ShieldBeetle(Ctx &c)
{
    const int plate = Material(c, c.plan->accentColour), limb = Material(c, Darker(c.plan->bodyColour, 45));
    const int tip = Material(c, {110, 90, 60}), rim = Material(c, {226, 200, 90});
    GroundShadow(c.s, 0, 0, U(22), U(3));
    const int by = -U(26);
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; ++k) {
            const int sx = side * U(8), sy = by - U(4) + k * U(6);
            const int kx = side * U(20), ky = by - U(10) + k * U(9);
            Tube(c.s,
                 {sx, sy, U(2), kx, ky, U(1) + U(1) / 2, kx + side * U(4), ky + (k - 1) * U(5) + U(4), U(1)},
                 Style(limb, PART_LINE));
        }
    Polygon(c.s, {-U(18), by - U(6), U(18), by - U(6), U(15), by + U(12), 0, by + U(24), -U(15), by + U(12)},
            Style(c.body, PART_LINE));
    Polygon(c.s, {-U(5), by + U(18), U(5), by + U(18), 0, by + U(24)}, Style(tip, PART_LINE));
    Polygon(c.s, {-U(10), by - U(6), U(10), by - U(6), 0, by + U(15)}, Style(plate, PART_LINE));
    Polygon(c.s, {-U(22), by - U(6), -U(12), by - U(16), U(12), by - U(16), U(22), by - U(6)},
            Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2) {
        Spike(c, side * U(19), by - U(8), U(4), side * 100, U(2), Style(c.body, PART_LINE));
        Capsule(c.s, side * U(11), by - U(14), U(1), side * U(20), by - U(7), U(1), Style(rim, PART_FLAT));
        Ellipse(c.s, side * U(4), by - U(12), U(2), U(1) + U(1) / 2, Style(rim, PART_FLAT));
        Mottle(c, side * U(9), by + U(5), U(3), U(5), 3, limb, SHADE_BASE);
    }
    Polygon(c.s, {-U(7), by - U(16), U(7), by - U(16), U(4), by - U(23), -U(4), by - U(23)},
            Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2) {
        Tube(c.s,
             {side * U(3), by - U(22), U(1), side * U(8), by - U(30), U(1), side * U(9), by - U(36), U(1)},
             Style(limb, PART_LINE));
        BrightEye(c, side * U(5), by - U(19), U(2) + U(1) / 2);
    }
}

/* The click beetle in mid-flip: flung off a puff of dust, its long body snapped into an arch at
   the hinge behind the head shield, legs kicking, stone plates on its back, spin strokes round it. */
static void ClickBeetle(Ctx &c)
{
    const int stone = c.accent, snap = Material(c, {250, 236, 150});
    const int dust = Material(c, {200, 182, 150}), trail = Material(c, {160, 170, 190});
    const int seam = Material(c, Darker(c.plan->bodyColour, 40));
    GroundShadow(c.s, U(4), 0, U(14), U(3));
    Ellipse(c.s, -U(18), -U(3), U(5), U(3), Style(dust, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, -U(11), -U(4), U(4), U(3), Style(dust, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, -U(24), -U(2), U(3), U(2), Style(dust, PART_LINE | PART_NO_HIGHLIGHT));
    Curve(c.s, -U(14), -U(10), U(1), -U(32), -U(26), -U(22), -U(48), U(1), Style(trail, PART_FLAT));
    Curve(c.s, U(18), -U(56), U(1), U(38), -U(42), U(30), -U(20), U(1), Style(trail, PART_FLAT));
    Spike(c, U(30), -U(20), U(5), 200, U(3), Style(trail, PART_FLAT));
    Spike(c, -U(22), -U(48), U(5), 20, U(3), Style(trail, PART_FLAT));
    /* The beetle tilted nose up; the hinge bends the two halves into a tent. */
    const int cx = U(4), cy = -U(32), tilt = -24;
    auto px = [&](int x, int y) { return cx + (x * CosQ12(tilt) - y * SinQ12(tilt)) / 4096; };
    auto py = [&](int x, int y) { return cy + (x * SinQ12(tilt) + y * CosQ12(tilt)) / 4096; };
    for (int k = 0; k < 3; ++k) {
        const int lx = -U(8) + k * U(8), kick = (k - 1) * U(4);
        Tube(c.s,
             {px(lx, U(5)), py(lx, U(5)), U(1) + U(1) / 2, px(lx + kick, U(12)), py(lx + kick, U(12)), U(1),
              px(lx + kick - U(4), U(16)), py(lx + kick - U(4), U(16)), U(1)},
             Style(c.dark, PART_LINE));
    }
    Ellipse(c.s, px(U(9), U(1)), py(U(9), U(1)), U(17), U(7), Style(c.body), tilt + 12);
    for (int k = 0; k < 4; ++k) {
        const int x = -U(3) + k * U(7), a = tilt + 12;
        const int qx = px(x, -U(2) + (k == 0 || k == 3) * U(1)),
                  qy = py(x, -U(2) + (k == 0 || k == 3) * U(1));
        Polygon(c.s,
                {Toward(qx, U(3), a - 90), TowardY(qy, U(3), a - 90), Toward(qx, U(4), a - 20),
                 TowardY(qy, U(4), a - 20), Toward(qx, U(3), a + 90), TowardY(qy, U(3), a + 90),
                 Toward(qx, U(3), a + 180), TowardY(qy, U(3), a + 180)},
                Style(stone, PART_LINE));
    }
    Capsule(c.s, px(-U(5), U(2)), py(-U(5), U(2)), U(1) / 2, px(U(24), U(3)), py(U(24), U(3)), U(1) / 2,
            Style(seam, PART_FLAT));
    Ellipse(c.s, px(-U(12), U(2)), py(-U(12), U(2)), U(8), U(7), Style(c.body, PART_LINE), tilt - 14);
    Spike(c, px(-U(6), U(4)), py(-U(6), U(4)), U(4), 150, U(2), Style(c.body, PART_LINE));
    Ellipse(c.s, px(-U(13), -U(1)), py(-U(13), -U(1)), U(4), U(3), Style(stone, PART_LINE), tilt - 14);
    const int hx = px(-U(21), U(4)), hy = py(-U(21), U(4));
    Tube(c.s, {hx - U(2), hy - U(2), U(1), hx - U(8), hy - U(8), U(1), hx - U(14), hy - U(7), U(1)},
         Style(c.dark, PART_LINE));
    Ellipse(c.s, hx, hy, U(5), U(5), Style(c.body, PART_LINE));
    BrightEye(c, hx - U(1), hy - U(1), U(2));
    const int sx = px(-U(5), -U(7)), sy = py(-U(5), -U(7));
    for (int k = 0; k < 3; ++k)
        Spike(c, sx, sy, U(7), -40 + k * 40, U(2), Style(snap, PART_LINE));
}

/* The dusk moth faces us with its wings spread: a big eye spot on each forewing stares out. */
static void DuskMoth(Ctx &c)
{
    const int ring = c.accent, pupil = Material(c, {30, 24, 40});
    const int scale = Material(c, Darker(c.plan->bodyColour, 30)), fur = Material(c, {150, 140, 170});
    GroundShadow(c.s, 0, 0, U(14), U(3));
    const int by = -U(30);
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(16), by - U(9), U(16), U(12), Style(c.body, PART_LINE), side * 30);
        Ellipse(c.s, side * U(12), by + U(10), U(10), U(9), Style(c.body, PART_LINE), side * -20);
        Spike(c, side * U(16), by + U(14), U(10), side * 150, U(3), Style(c.body, PART_LINE));
        for (int k = 0; k < 3; ++k)
            Capsule(c.s, side * U(4), by - U(2), U(1) / 2, side * (U(28) - k * U(5)), by - U(16) + k * U(9),
                    U(1) / 2, Style(scale, PART_FLAT));
        Ellipse(c.s, side * U(18), by - U(11), U(6), U(6), Style(ring, PART_LINE));
        Ellipse(c.s, side * U(18), by - U(11), U(3), U(3), Style(pupil, PART_FLAT));
        Catchlight(c, side * U(18), by - U(11), U(3));
        Ellipse(c.s, side * U(12), by + U(10), U(3), U(3), Style(ring, PART_LINE));
    }
    Ellipse(c.s, 0, by + U(4), U(5), U(12), Style(fur));
    for (int k = 0; k < 3; ++k)
        Capsule(c.s, -U(4), by + U(3) + k * U(4), U(1) / 2, U(4), by + U(3) + k * U(4), U(1) / 2,
                Style(scale, PART_FLAT));
    const int hy = by - U(10);
    for (int side = -1; side <= 1; side += 2) {
        Curve(c.s, side * U(2), hy - U(4), U(1), side * U(6), hy - U(16), side * U(12), hy - U(16), U(1) / 2,
              Style(c.dark));
        for (int k = 1; k <= 3; ++k)
            Spike(c, side * (U(3) + k * U(2)), hy - U(10) - k * U(2), U(3), side * 60, U(1) / 2,
                  Style(c.dark, PART_FLAT));
    }
    Ellipse(c.s, 0, hy, U(7), U(6), Style(fur, PART_LINE));
    Ellipse(c.s, 0, hy + U(5), U(8), U(3), Style(c.belly, PART_LINE));
    for (int side = -1; side <= 1; side += 2)
        BrightEye(c, side * U(3), hy, U(2) + U(1) / 2);
    for (int side = -1; side <= 1; side += 2)
        Capsule(c.s, side * U(2), by + U(14), U(1), side * U(3), -U(1), U(1) / 2, Style(c.dark, PART_FLAT));
}

void DrawInsect(Ctx &c)
{
    switch (c.plan->index) {
    case SPIDERLING_ENTRY:
        Spiderling(c);
        break;
    case WEB_SPIDER_ENTRY:
        WebSpider(c);
        break;
    case SHADOW_SPIDER_ENTRY:
        ShadowSpider(c);
        break;
    case FIREFLY_ENTRY:
        Firefly(c);
        break;
    case GRUB_ENTRY:
        Grub(c);
        break;
    case SHIELD_BEETLE_ENTRY:
        ShieldBeetle(c);
        break;
    case CLICK_BEETLE_ENTRY:
        ClickBeetle(c);
        break;
    case DUSK_MOTH_ENTRY:
        DuskMoth(c);
        break;
    case WEEVIL_ENTRY:
    default:
        Weevil(c);
        break;
    }
}

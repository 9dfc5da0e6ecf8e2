/* Pictures of the plan rows whose body is BODY_PLANT, rooted plants: the barrel cacti and the water
   chestnut floating on its ring of water. */
#include "creature_drawers.h"

#include <vector>

static const int CACTUS_ROLLER_ENTRY = 53;
static const int WATER_CHESTNUT_ENTRY = 72;

/* A hooked spine from (x, y) outward toward angle, its tip curling round toward curl. */
static void HookedSpine(Ctx &c, int x, int y, int length, int angle, int curl)
{
    const int tx = Toward(Toward(x, length * 3 / 4, angle), length / 3, angle + curl);
    const int ty = TowardY(TowardY(y, length * 3 / 4, angle), length / 3, angle + curl);
    Curve(c.s, x, y, U(1) + U(1) / 4, Toward(x, length, angle), TowardY(y, length, angle), tx, ty,
          U(1) * 3 / 4, Style(c.bone, PART_LINE | PART_NO_HIGHLIGHT));
}

/* A ribbed barrel-cactus ball of radius r, its crown turned by turn degrees from the top: ribs run
   from the crown round to the far pole, with woolly spine cushions along them. */
static void BarrelBall(Ctx &c, int cx, int cy, int r, int turn)
{
    Ellipse(c.s, cx, cy, r, r, Style(c.body, PART_LINE));
    for (int k = -2; k <= 2; ++k) {
        int x0 = cx, y0 = cy - r * 9 / 10, xc = cx + k * r * 19 / 20, yc = cy, x1 = cx, y1 = cy + r * 9 / 10;
        Turn(cx, cy, turn, x0, y0);
        Turn(cx, cy, turn, xc, yc);
        Turn(cx, cy, turn, x1, y1);
        Curve(c.s, x0, y0, U(1) * 3 / 4, xc, yc, x1, y1, U(1) * 3 / 4,
              Style(c.body, PART_FLAT, SHADE_SHADOW));
        for (int t = 1; t <= 3; t += 2) {
            /* A point a quarter or three quarters along the rib's curve. */
            const int ax = (x0 * (4 - t) * (4 - t) + 2 * xc * t * (4 - t) + x1 * t * t) / 16;
            const int ay = (y0 * (4 - t) * (4 - t) + 2 * yc * t * (4 - t) + y1 * t * t) / 16;
            Ellipse(c.s, ax, ay, U(1) + U(1) / 2, U(1) + U(1) / 2, Style(c.bone, PART_NO_HIGHLIGHT));
        }
    }
}

/* Barrel cacti: the sprout is a round ball on two root nubs, a ring of hooked spines round its
   crown; the grown one rolls along on its side, crown and ring of seed pods turned forward, dust
   puffing up behind it. */
static void BarrelCactus(Ctx &c, bool rolling)
{
    if (!rolling) {
        const int cy = -U(17), r = U(15);
        GroundShadow(c.s, 0, 0, U(16), U(3));
        const int root = Material(c, {150, 104, 70});
        for (int side = -1; side <= 1; side += 2)
            Ellipse(c.s, side * U(7), -U(2), U(5), U(3), Style(root, PART_LINE));
        for (int k = 0; k < 9; ++k) {
            const int angle = -72 + k * 18;
            HookedSpine(c, Toward(0, r - U(2), angle), TowardY(cy, r - U(2), angle), U(9), angle,
                        angle < 0 ? -110 : 110);
        }
        BarrelBall(c, 0, cy, r, 0);
        Ellipse(c.s, 0, cy - r + U(2), U(4), U(2), Style(c.accent, PART_LINE));
        CuteEye(c, -U(5), cy + U(1), U(3));
        CuteEye(c, U(5), cy + U(1), U(3));
        Smile(c, 0, cy + U(7), U(2));
        return;
    }
    const int cy = -U(23), r = U(22), turn = -70;
    GroundShadow(c.s, U(6), 0, U(26), U(3));
    const int dust = Material(c, {228, 210, 176});
    static const int PUFF[4][3] = {
        {U(19), -U(6),  U(9)}, /* nearest, at the ball's heel */
        {U(28), -U(13), U(8)}, /* rising behind */
        {U(34), -U(5),  U(7)}, /* low behind */
        {U(40), -U(15), U(5)}, /* thinning out */
    };
    for (int k = 3; k >= 0; --k)
        Ellipse(c.s, PUFF[k][0], PUFF[k][1], PUFF[k][2], PUFF[k][2] * 4 / 5, Style(dust, PART_NO_HIGHLIGHT));
    /* Spines stand out all round the ball, hooked against the roll. */
    for (int k = 0; k < 10; ++k) {
        const int angle = k * 36 + 10;
        HookedSpine(c, Toward(0, r - U(2), angle), TowardY(cy, r - U(2), angle), U(9), angle, -110);
    }
    BarrelBall(c, 0, cy, r, turn);
    /* The crown and its ring of seed pods, seen at a slant on the ball's forward side. */
    int crownX = 0, crownY = cy - r * 7 / 10;
    Turn(0, cy, turn, crownX, crownY);
    for (int k = 0; k < 6; ++k) {
        int px = SinQ12(k * 60) * U(9) / 4096, py = cy - r * 7 / 10 + CosQ12(k * 60) * U(4) / 4096;
        Turn(0, cy, turn, px, py);
        /* Each pod a plump berry with a dried tip on its outer side. */
        Ellipse(c.s, px, py, U(3), U(3), Style(c.accent, PART_LINE));
        Ellipse(c.s, px + (px - crownX) / 4, py + (py - crownY) / 4, U(1), U(1), Style(c.dark, PART_FLAT));
    }
    Ellipse(c.s, crownX, crownY, U(2), U(2), Style(c.accent, PART_FLAT | PART_LINE, SHADE_SHADOW));
    /* An eager face, brows pressed low, mouth open with effort. */
    for (int side = -1; side <= 1; side += 2) {
        CuteEye(c, U(3) + side * U(6), cy + U(1), U(3));
        Capsule(c.s, U(3) + side * U(9), cy - U(6), U(1), U(3) + side * U(3), cy - U(4), U(1),
                Style(c.dark, PART_FLAT));
    }
    Ellipse(c.s, U(3), cy + U(9), U(4), U(3), Style(c.mouth, PART_FLAT | PART_LINE));
    Ellipse(c.s, U(3), cy + U(11), U(2), U(1), Style(Material(c, {240, 120, 120}), PART_FLAT));
}

/* A point at distance d from the middle of the rosette toward angle, round a vertical axis and seen
   a little from above, so the ring lies flat as an ellipse. */
static int FlatX(int d, int angle)
{
    return SinQ12(angle) * d / 4096;
}
static int FlatY(int cy, int d, int angle)
{
    return cy - CosQ12(angle) * d * 3 / 5 / 4096;
}

/* The water chestnut seen a little from above: a star of glossy diamond leaves with saw-toothed
   edges and red-brown veins on swollen reddish stalks, floating on a ring of water, a face in the
   middle and a small white flower beside it; under the water hangs its black nut with four horns. */
static void WaterChestnut(Ctx &c)
{
    const int water = Material(c, {110, 170, 230}), stalk = Material(c, {150, 70, 50});
    const int nut = c.accent, vein = Material(c, {120, 70, 50});
    const int petal = Material(c, {236, 236, 226}), heart = Material(c, {240, 200, 80});
    const int cy = -U(34);
    /* The nut below the water line on its short stalk, two horns up and two down. */
    Capsule(c.s, 0, cy, U(1) + U(1) / 2, 0, -U(12), U(1), Style(stalk, PART_LINE));
    for (int k = 0; k < 4; ++k) {
        static const int HORN[4] = {-70, 70, -120, 120};
        Spike(c, Toward(0, U(3), HORN[k]), TowardY(-U(9), U(2), HORN[k]), U(10), HORN[k] + (k < 2 ? 0 : 0),
              U(1) + U(1) / 2, Style(nut, PART_LINE));
    }
    Ellipse(c.s, 0, -U(9), U(5), U(4), Style(nut, PART_LINE));
    Ellipse(c.s, -U(2), -U(11), U(1) + U(1) / 2, U(1), Style(nut, PART_FLAT, SHADE_HIGHLIGHT));
    Ellipse(c.s, 0, cy + U(2), U(38), U(15), Style(water, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, -U(6), cy + U(10), U(22), U(3), Style(water, PART_FLAT, SHADE_LIGHT));
    /* The leaves, far ones first: a diamond each, toothed along its outer edges, on a swollen stalk. */
    static const int ORDER[8] = {0, 45, 315, 90, 270, 135, 225, 180};
    for (int angle : ORDER) {
        const int a = angle + 22;
        Ellipse(c.s, FlatX(U(9), a), FlatY(cy, U(9), a), U(3), U(2), Style(stalk, PART_LINE));
        const int tip = U(32), wide = U(21), half = 24;
        Polygon(c.s,
                {FlatX(U(10), a), FlatY(cy, U(10), a), FlatX(wide, a - half), FlatY(cy, wide, a - half),
                 FlatX(tip, a), FlatY(cy, tip, a), FlatX(wide, a + half), FlatY(cy, wide, a + half)},
                Style(c.body, PART_LINE));
        for (int side = -1; side <= 1; side += 2)
            for (int k = 0; k < 2; ++k) {
                const int d = wide + (tip - wide) * (k + 1) / 3, off = side * half * (2 - k) / 3;
                Spike(c, FlatX(d, a + off), FlatY(cy, d, a + off), U(3), a + side * 50, U(1) + U(1) / 2,
                      Style(c.body, PART_LINE | PART_NO_HIGHLIGHT));
            }
        Ellipse(c.s, FlatX(wide - U(3), a - half / 3), FlatY(cy, wide - U(3), a - half / 3), U(3), U(2),
                Style(c.body, PART_FLAT, SHADE_LIGHT));
        Capsule(c.s, FlatX(U(12), a), FlatY(cy, U(12), a), Px(c, 1) / 2, FlatX(tip - U(4), a),
                FlatY(cy, tip - U(4), a), Px(c, 1) / 2, Style(vein, PART_FLAT));
    }
    /* The face in the middle of the rosette. */
    Ellipse(c.s, 0, cy, U(11), U(8), Style(c.belly, PART_LINE));
    CuteEye(c, -U(4), cy - U(1), U(3));
    CuteEye(c, U(4), cy - U(1), U(3));
    Smile(c, 0, cy + U(4), U(2));
    /* A small four-petalled flower beside it. */
    const int fx = U(16), fy = cy - U(8);
    for (int k = 0; k < 4; ++k)
        Ellipse(c.s, Toward(fx, U(3), k * 90 + 45), TowardY(fy, U(2), k * 90 + 45), U(3), U(2) + U(1) / 2,
                Style(petal, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, fx, fy, U(1) + U(1) / 2, U(1) + U(1) / 2, Style(heart, PART_FLAT));
}

void DrawPlant(Ctx &c)
{
    const int idx = c.plan->index;
    if (idx == WATER_CHESTNUT_ENTRY)
        WaterChestnut(c);
    else
        BarrelCactus(c, idx == CACTUS_ROLLER_ENTRY);
}

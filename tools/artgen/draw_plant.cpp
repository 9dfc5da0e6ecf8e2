/* Pictures of the plan rows whose body is BODY_PLANT, rooted plants: the barrel cacti and the water lily on
   its pad. */
#include "creature_drawers.h"

#include <vector>

static const int CACTUS_ROLLER_ENTRY = 53;
static const int WATER_LILY_ENTRY = 72;

/* A pointed petal from (x, y) toward angle: widest a little past its middle, one outlined part. */
static void Petal(Ctx &c, int x, int y, int length, int angle, int halfWidth, PartStyle style)
{
    static const int ALONG[8] = {0, 25, 55, 85, 100, 85, 55, 25};     /* percent of the length */
    static const int ACROSS[8] = {0, 80, 100, 50, 0, -50, -100, -80}; /* percent of the half width */
    std::vector<int> xy;
    for (int k = 0; k < 8; ++k) {
        const int d = length * ALONG[k] / 100, w = halfWidth * ACROSS[k] / 100;
        xy.push_back(Toward(Toward(x, d, angle), w, angle + 90));
        xy.push_back(TowardY(TowardY(y, d, angle), w, angle + 90));
    }
    Polygon(c.s, xy, style);
}

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
    const int cy = -U(21), r = U(20), turn = -70;
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

/* The water lily rests in its notched pad on a ring of water: two rows of pointed petals round
   a golden heart with its face. */
static void WaterLily(Ctx &c)
{
    const int water = Material(c, {150, 196, 236});
    const int pad = Material(c, {70, 150, 84});
    const int heart = Material(c, {250, 214, 100});
    const int pale = Material(c, Mix(c.plan->accentColour, WHITE, 110));
    Ellipse(c.s, 0, -U(9), U(36), U(10), Style(water, PART_NO_HIGHLIGHT));
    Ellipse(c.s, 0, -U(10), U(29), U(8), Style(pad, PART_LINE));
    Polygon(c.s, {0, -U(10), U(18), -U(3), U(9), -U(2)}, Style(water, PART_FLAT | PART_LINE, SHADE_LIGHT));
    const int fy = -U(24);
    for (int k = 0; k < 7; ++k)
        Petal(c, 0, fy + U(4), U(24), -81 + k * 27, U(7), Style(c.accent, PART_LINE));
    for (int k = 0; k < 4; ++k)
        Petal(c, 0, fy + U(4), U(18), -54 + k * 36, U(6), Style(pale, PART_LINE));
    for (int k = 0; k < 2; ++k)
        Petal(c, 0, fy + U(2), U(18), 110 + k * 140, U(7), Style(c.accent, PART_LINE));
    Ellipse(c.s, 0, fy, U(10), U(8), Style(heart, PART_LINE));
    CuteEye(c, -U(4), fy - U(1), U(3));
    CuteEye(c, U(4), fy - U(1), U(3));
    Smile(c, 0, fy + U(4), U(2));
}

void DrawPlant(Ctx &c)
{
    const int idx = c.plan->index;
    if (idx == WATER_LILY_ENTRY)
        WaterLily(c);
    else
        BarrelCactus(c, idx == CACTUS_ROLLER_ENTRY);
}

/* Pictures of the plan rows whose body is BODY_HOP, the hop vines: a shoot twining up a stick and a tall bine
   round a pole with its cones. */
#include "creature_drawers.h"

#include <algorithm>
#include <vector>

/* A drowsy eye: a lid of the given material over its upper half, the light catch below it. */
static void DrowsyEye(Ctx &c, int x, int y, int r, int lid)
{
    Ellipse(c.s, x, y, r, r, Style(c.eye, PART_FLAT));
    const int h = std::max(r / 4, Px(c, 2) / 2);
    Ellipse(c.s, x - r / 3, y + r / 3, h, h, Style(c.white, PART_FLAT));
    Ellipse(c.s, x, y - r / 2, r + U(1) / 2, r * 3 / 4, Style(lid, PART_LINE | PART_NO_HIGHLIGHT));
}

static const Rgb POLE = {136, 100, 70};

static const Rgb HOP_LID = {160, 200, 110};

/* A heart-shaped leaf from its stalk at (x, y) toward angle: two rounded lobes round a notch at the
   stalk, tapering to a point, the shaded half outlined against the lit one along the midrib, and a
   pair of side veins. */
static void HeartLeaf(Ctx &c, int x, int y, int size, int angle, int material)
{
    /* Half the outline, from the notch round the lobe to the tip, in hundredths of the size: along the
       midrib, then across it. */
    static const int HALF[8][2] = {
        {10,  0 },
        {2,   20},
        {10,  38},
        {28,  46},
        {48,  43},
        {68,  32},
        {86,  16},
        {100, 0 }
    };
    for (int side = 1; side >= -1; side -= 2) {
        std::vector<int> xy;
        for (const int *p : HALF) {
            const int ax = Toward(x, size * p[0] / 100, angle), ay = TowardY(y, size * p[0] / 100, angle);
            xy.push_back(Toward(ax, size * p[1] / 100, angle + side * 90));
            xy.push_back(TowardY(ay, size * p[1] / 100, angle + side * 90));
        }
        Polygon(c.s, xy,
                side < 0 ? Style(material, PART_LINE) : Style(material, PART_LINE | PART_FLAT, SHADE_SHADOW));
    }
    for (int side = -1; side <= 1; side += 2)
        for (int k = 1; k <= 2; ++k) {
            const int vx = Toward(x, size * (20 + k * 22) / 100, angle),
                      vy = TowardY(y, size * (20 + k * 22) / 100, angle);
            Capsule(c.s, vx, vy, U(1) / 2, Toward(vx, size / 4, angle + side * 55),
                    TowardY(vy, size / 4, angle + side * 55), U(1) / 2,
                    Style(material, PART_FLAT, SHADE_OUTLINE));
        }
    Capsule(c.s, x, y, U(1) / 2, Toward(x, size * 9 / 10, angle), TowardY(y, size * 9 / 10, angle), U(1) / 2,
            Style(material, PART_FLAT, SHADE_OUTLINE));
}

/* A hand-like hop leaf: five pointed lobes fanned from the stalk. */
static void HandLeaf(Ctx &c, int x, int y, int size, int angle, int material)
{
    for (int k = -2; k <= 2; ++k)
        Leaf(c, x, y, size - std::abs(k) * size / 5, angle + k * 32, material);
}

/* A papery hop cone hanging from (x, y): overlapping pale bracts in rows. */
static void HopCone(Ctx &c, int x, int y, int size, int material)
{
    Capsule(c.s, x, y, U(1) / 2, x, y + size / 4, U(1) / 2, Style(c.body, PART_FLAT, SHADE_SHADOW));
    const int cy = y + size / 4 + size / 2;
    Ellipse(c.s, x, cy, size / 3, size / 2, Style(material, PART_LINE));
    /* Bracts overlap like roof shingles, their pointed tips down. */
    for (int row = 0; row < 3; ++row)
        for (int k = -1; k <= 1; k += 2) {
            const int bx = x + k * size / 7, by = cy - size / 3 + row * size / 4;
            Spike(c, bx, by, size / 4, 180 - k * 20, size / 7, Style(material, PART_LINE));
        }
    Spike(c, x, cy + size / 4, size / 4, 180, size / 7, Style(material, PART_LINE));
}

/* The shoot twines up a stick, two heart-shaped leaves out to the sides, a sleepy bud face on top. */
static void HopShoot(Ctx &c)
{
    const int pole = Material(c, POLE), lid = Material(c, HOP_LID);
    GroundShadow(c.s, 0, 0, U(12), U(3));
    Capsule(c.s, 0, -U(2), U(3), 0, -U(50), U(2) + U(1) / 2, Style(pole, PART_LINE));
    std::vector<int> twine;
    for (int k = 0; k <= 6; ++k) {
        twine.push_back((k % 2 ? U(5) : -U(5)));
        twine.push_back(-U(2) - k * U(7));
        twine.push_back(U(2) + U(1) / 2);
    }
    Tube(c.s, twine, Style(c.body, PART_LINE));
    const int leaf = Material(c, Mix(c.plan->bodyColour, {170, 214, 90}, Q8_ONE / 2));
    HeartLeaf(c, -U(4), -U(28), U(24), -70, leaf);
    HeartLeaf(c, U(4), -U(16), U(22), 105, leaf);
    Curve(c.s, -U(5), -U(44), U(2) + U(1) / 2, U(2), -U(56), U(8), -U(52), U(2), Style(c.body, PART_LINE));
    Ellipse(c.s, U(8), -U(54), U(12), U(10), Style(c.body, PART_LINE));
    Spike(c, U(14), -U(62), U(6), 40, U(3), Style(c.body, PART_LINE));
    DrowsyEye(c, U(3), -U(54), U(3), lid);
    DrowsyEye(c, U(13), -U(54), U(3), lid);
    Ellipse(c.s, U(8), -U(48), U(2), U(1) + U(1) / 2, Style(c.mouth, PART_FLAT));
}

/* The grown bine has climbed a tall pole: hand-like leaves spread from it, papery pale cones hang
   all over, and its drowsy face leans from the top. */
static void HopBine(Ctx &c)
{
    const int pole = Material(c, POLE), lid = Material(c, HOP_LID), cone = c.accent;
    GroundShadow(c.s, 0, 0, U(16), U(3));
    Capsule(c.s, 0, -U(2), U(3), 0, -U(70), U(3), Style(pole, PART_LINE));
    std::vector<int> twine;
    for (int k = 0; k <= 9; ++k) {
        twine.push_back((k % 2 ? U(6) : -U(6)));
        twine.push_back(-U(2) - k * U(7));
        twine.push_back(U(3) + U(1) / 2);
    }
    Tube(c.s, twine, Style(c.body, PART_LINE));
    HandLeaf(c, -U(5), -U(44), U(22), -60, c.body);
    HandLeaf(c, U(5), -U(30), U(22), 65, c.body);
    HandLeaf(c, -U(5), -U(16), U(18), -75, c.body);
    HandLeaf(c, U(5), -U(56), U(18), 55, c.body);
    HopCone(c, -U(24), -U(58), U(16), cone);
    HopCone(c, U(26), -U(50), U(16), cone);
    HopCone(c, -U(28), -U(34), U(14), cone);
    HopCone(c, U(24), -U(22), U(14), cone);
    HopCone(c, -U(14), -U(26), U(12), cone);
    HopCone(c, U(12), -U(40), U(12), cone);
    Curve(c.s, U(4), -U(64), U(4), U(2), -U(76), -U(8), -U(74), U(3), Style(c.body, PART_LINE));
    Ellipse(c.s, -U(8), -U(76), U(13), U(10), Style(c.body, PART_LINE));
    Curve(c.s, -U(4), -U(84), U(1), U(4), -U(92), U(8), -U(84), U(1), Style(c.body, PART_LINE));
    DrowsyEye(c, -U(13), -U(76), U(3), lid);
    DrowsyEye(c, -U(3), -U(76), U(3), lid);
    Smile(c, -U(8), -U(70), U(2));
}

void DrawHop(Ctx &c)
{
    if (c.young)
        HopShoot(c);
    else
        HopBine(c);
}

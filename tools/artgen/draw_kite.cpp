/* Pictures of the plan rows whose body is BODY_KITE, the living paper kite with a face, its tail of rag bows
   and its trailing string. */
#include "creature_drawers.h"

#include <vector>

static const Rgb KITE_STICK = {120, 84, 56};

static const Rgb KITE_PATCH_BLUE = {110, 150, 210};
static const Rgb KITE_STRING = {150, 130, 110};

/* A quadrilateral of the kite's paper, corners given before the kite's tilt. */
static void KitePatch(Ctx &c, const std::vector<int> &corners, int angle, int material)
{
    std::vector<int> xy = corners;
    for (size_t i = 0; i + 1 < xy.size(); i += 2)
        Turn(0, -U(40), angle, xy[i], xy[i + 1]);
    Polygon(c.s, xy, Style(material, PART_LINE));
}

/* A rag bow knotted on the tail: two flaps and a knot. */
static void RagBow(Ctx &c, int x, int y, int size, int material)
{
    Polygon(c.s, {x, y, x - size, y - size * 2 / 3, x - size, y + size * 2 / 3}, Style(material, PART_LINE));
    Polygon(c.s, {x, y, x + size, y - size * 2 / 3, x + size, y + size * 2 / 3}, Style(material, PART_LINE));
    Ellipse(c.s, x, y, size / 3, size / 3, Style(material, PART_LINE | PART_FLAT, SHADE_SHADOW));
}

/* A diamond kite of patched paper, tilted in the wind, a face between its bowed sticks, a long
   tail of rag bows curling under it and its string trailing off to the lower left. */
static void PaperKite(Ctx &c)
{
    const int TILT = -14;
    const int stick = Material(c, KITE_STICK), blue = Material(c, KITE_PATCH_BLUE);
    const int string = Material(c, KITE_STRING);
    /* Corners of the diamond before the tilt: top, right, bottom, left; the sticks cross at -50. */
    int tx = 0, ty = -U(76), rx = U(27), ry = -U(52), bx = 0, by = -U(6), lx = -U(27), ly = -U(52);
    Turn(0, -U(40), TILT, tx, ty);
    Turn(0, -U(40), TILT, rx, ry);
    Turn(0, -U(40), TILT, bx, by);
    Turn(0, -U(40), TILT, lx, ly);
    /* The string leaves the crossing for the lower left, the tail hangs from the bottom corner. */
    Curve(c.s, -U(2), -U(50), U(1), -U(26), -U(22), -U(34), -U(2), U(1), Style(string, PART_LINE));
    Curve(c.s, bx, by, U(1) + U(1) / 2, bx + U(22), by + U(4), bx + U(30), by - U(26), U(1),
          Style(string, PART_LINE));
    RagBow(c, bx + U(10), by + U(1), U(5), c.accent);
    RagBow(c, bx + U(23), by - U(6), U(5), blue);
    RagBow(c, bx + U(29), by - U(22), U(4), c.accent);
    Polygon(c.s, {tx, ty, rx, ry, bx, by, lx, ly}, Style(c.body, PART_LINE));
    /* Patches glued over tears. */
    KitePatch(c, {U(6), -U(66), U(18), -U(56), U(12), -U(50), U(2), -U(58)}, TILT, blue);
    KitePatch(c, {-U(20), -U(48), -U(10), -U(46), -U(8), -U(36), -U(14), -U(38)}, TILT, c.accent);
    KitePatch(c, {U(4), -U(22), U(10), -U(26), U(8), -U(16), U(3), -U(14)}, TILT, c.belly);
    /* The upright stick and the bowed cross stick. */
    Capsule(c.s, tx, ty + U(2), U(1), bx, by - U(2), U(1), Style(stick, PART_LINE));
    int mx = 0, my = -U(60);
    Turn(0, -U(40), TILT, mx, my);
    Curve(c.s, lx + U(2), ly, U(1), mx, my, rx - U(2), ry, U(1), Style(stick, PART_LINE));
    /* The face below the crossing. */
    int ex = 0, ey = -U(40);
    Turn(0, -U(40), TILT, ex, ey);
    GlintEye(c, ex - U(8), ey, U(4));
    GlintEye(c, ex + U(8), ey - U(2), U(4));
    Smile(c, ex, ey + U(8), U(4));
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, ex + side * U(13), ey + U(5) - side * U(1), U(3), U(2),
                Style(Material(c, {236, 150, 150}), PART_FLAT));
}

void DrawKite(Ctx &c)
{
    PaperKite(c);
}

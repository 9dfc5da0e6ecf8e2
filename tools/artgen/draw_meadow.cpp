/* Creatures of fields, ponds and hedges: the paper kite, the newts, the frost ermines, the dust
   whirls, the tile shrews and the hop vines, each family drawn young to old. */
#include "creature_drawers.h"

#include <algorithm>
#include <vector>

/* A round dark eye with a light catch at least two pixels wide. */
static void GlintEye(Ctx &c, int x, int y, int r)
{
    Ellipse(c.s, x, y, r, r * 5 / 4, Style(c.eye, PART_FLAT));
    const int h = std::max(r / 3, Px(c, 2) / 2);
    Ellipse(c.s, x - r / 3, y - r / 2, h, h, Style(c.white, PART_FLAT));
}

/* A drowsy eye: a lid of the given material over its upper half, the light catch below it. */
static void DrowsyEye(Ctx &c, int x, int y, int r, int lid)
{
    Ellipse(c.s, x, y, r, r, Style(c.eye, PART_FLAT));
    const int h = std::max(r / 4, Px(c, 2) / 2);
    Ellipse(c.s, x - r / 3, y + r / 3, h, h, Style(c.white, PART_FLAT));
    Ellipse(c.s, x, y - r / 2, r + U(1) / 2, r * 3 / 4, Style(lid, PART_LINE | PART_NO_HIGHLIGHT));
}

/* (x, y) turned about (cx, cy) by angle degrees, clockwise on the picture. */
static void Turn(int cx, int cy, int angle, int &x, int &y)
{
    const int dx = x - cx, dy = y - cy;
    const int cosA = CosQ12(angle), sinA = SinQ12(angle);
    x = cx + (dx * cosA - dy * sinA) / 4096;
    y = cy + (dx * sinA + dy * cosA) / 4096;
}

/* ---- The paper kite ---- */

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

/* ---- The newts ---- */

static const int NEWT_LARVA_ENTRY = 5;
static const int NEWT_EFT_ENTRY = 6;

/* A red spot ringed in black: the newts' warning mark. */
static void RingedSpot(Ctx &c, int x, int y, int r, int red)
{
    Ellipse(c.s, x, y, r, r, Style(c.dark, PART_FLAT));
    Ellipse(c.s, x, y, r - std::max(U(1), Px(c, 2) / 2), r - std::max(U(1), Px(c, 2) / 2),
            Style(red, PART_FLAT, SHADE_BASE));
}

/* A short newt leg from the body at (x, y), its splayed foot at (fx, fy). */
static void NewtLeg(Ctx &c, int x, int y, int kx, int ky, int fx, int fy, int r, int material)
{
    Tube(c.s, {x, y, r, kx, ky, r * 3 / 4, fx, fy, r * 2 / 3}, Style(material, PART_LINE));
    for (int k = -1; k <= 1; ++k)
        Capsule(c.s, fx, fy, r / 2, fx + k * r - r / 2, fy + r / 2 + (k == 0 ? r / 3 : 0), r / 2,
                Style(material, PART_LINE));
}

/* The larva swims with its head up: a big head and eyes, a slim body on four tiny legs and a long
   tail edged all round with a clear fin, curling up behind it. */
static void NewtLarva(Ctx &c)
{
    const int fin = Material(c, c.plan->accentColour);
    const int skin = c.body;
    /* The fin runs along the back and all round the tail. */
    Curve(c.s, U(2), -U(28), U(5), U(30), -U(26), U(36), -U(52), U(4), Style(fin, PART_LINE));
    Tube(c.s, {-U(2), -U(30), U(3), U(8), -U(33), U(4), U(18), -U(33), U(3)}, Style(fin, PART_LINE));
    NewtLeg(c, U(12), -U(22), U(15), -U(17), U(14), -U(13), U(2), skin);
    NewtLeg(c, -U(4), -U(20), -U(2), -U(15), -U(5), -U(12), U(2), skin);
    Curve(c.s, U(10), -U(24), U(4), U(28), -U(24), U(32), -U(48), U(1), Style(skin, PART_LINE));
    Tube(c.s, {-U(10), -U(24), U(7), U(2), -U(25), U(6), U(13), -U(24), U(4)}, Style(skin, PART_LINE));
    Ellipse(c.s, U(2), -U(21), U(9), U(2), Style(c.belly, PART_NO_HIGHLIGHT));
    NewtLeg(c, U(10), -U(20), U(13), -U(15), U(11), -U(11), U(2), skin);
    NewtLeg(c, -U(6), -U(19), -U(5), -U(14), -U(9), -U(11), U(2), skin);
    /* Faint dots along its flank, where the spots will come. */
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, -U(1) + k * U(6), -U(27), U(1), U(1), Style(skin, PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, -U(18), -U(28), U(11), U(9), Style(skin, PART_LINE), -10);
    Ellipse(c.s, -U(20), -U(23), U(7), U(3), Style(c.belly, PART_NO_HIGHLIGHT), -10);
    GlintEye(c, -U(21), -U(31), U(4) + U(1) / 2);
    GlintEye(c, -U(11), -U(33), U(3));
    Smile(c, -U(25), -U(23), U(2));
}

/* The eft walks on land, head raised: a bright orange body with warty skin, a row of red spots
   ringed in black along each side, a round tail curving behind. */
static void NewtEft(Ctx &c)
{
    const int red = Material(c, {214, 44, 40});
    GroundShadow(c.s, U(2), 0, U(34), U(3));
    NewtLeg(c, U(14), -U(10), U(20), -U(9), U(21), -U(2), U(3), c.body);
    NewtLeg(c, -U(10), -U(11), -U(6), -U(7), -U(8), -U(2), U(3), c.body);
    Curve(c.s, U(16), -U(13), U(6), U(38), -U(8), U(40), -U(28), U(2), Style(c.body, PART_LINE));
    Tube(c.s, {-U(16), -U(16), U(8), U(2), -U(15), U(8), U(18), -U(13), U(6)}, Style(c.body, PART_LINE));
    Ellipse(c.s, U(1), -U(9), U(14), U(2), Style(c.belly, PART_NO_HIGHLIGHT));
    /* Warts catch the light along the back. */
    for (int k = 0; k < 6; ++k)
        Ellipse(c.s, -U(12) + k * U(6), -U(20) + (k % 2) * U(1), U(1), U(1),
                Style(c.body, PART_FLAT, SHADE_LIGHT));
    for (int k = 0; k < 3; ++k)
        RingedSpot(c, -U(8) + k * U(9), -U(15) + (k % 2) * U(1), U(3), red);
    RingedSpot(c, U(27), -U(12), U(2) + U(1) / 2, red);
    NewtLeg(c, U(10), -U(9), U(16), -U(6), U(14), -U(2), U(3), c.body);
    NewtLeg(c, -U(14), -U(10), -U(19), -U(6), -U(18), -U(2), U(3), c.body);
    /* The head lifted, sniffing forward. */
    Ellipse(c.s, -U(26), -U(21), U(11), U(8), Style(c.body, PART_LINE), -14);
    Ellipse(c.s, -U(28), -U(16), U(7), U(2), Style(c.belly, PART_NO_HIGHLIGHT), -14);
    GlintEye(c, -U(28), -U(24), U(3));
    Capsule(c.s, -U(35), -U(16), U(1) / 2, -U(26), -U(15), U(1) / 2, Style(c.mouth, PART_FLAT));
}

/* The adult is back in the water: a heavy olive newt swimming, a tall wavy crest along its back
   and tail, an orange belly, red spots ringed in black, a keen golden eye. */
static void NewtAdult(Ctx &c)
{
    const int red = Material(c, {214, 44, 40}), crest = Material(c, Darker(c.plan->bodyColour, 18));
    const int belly = c.accent, gold = Material(c, {240, 200, 70});
    /* The crest: a wavy sail along the back, broken at the hips, running on down the tail. */
    for (int k = 0; k < 5; ++k)
        Ellipse(c.s, -U(14) + k * U(7), -U(40) - (k % 2) * U(3), U(5), U(8) + (k % 2) * U(2),
                Style(crest, PART_LINE), 10);
    /* The tail sweeps up behind, its crest a broad wavy fin. */
    for (int k = 0; k < 4; ++k) {
        static const int ALONG_X[4] = {26, 36, 44, 50}, ALONG_Y[4] = {-38, -38, -46, -56};
        Ellipse(c.s, U(ALONG_X[k]), U(ALONG_Y[k]), U(5), U(6), Style(crest, PART_LINE), 30 + k * 15);
    }
    Curve(c.s, U(18), -U(30), U(8), U(46), -U(28), U(48), -U(60), U(5), Style(crest, PART_LINE));
    NewtLeg(c, U(18), -U(20), U(26), -U(14), U(30), -U(10), U(3), c.body);
    NewtLeg(c, -U(10), -U(20), -U(8), -U(12), -U(14), -U(8), U(3), c.body);
    Curve(c.s, U(18), -U(28), U(7), U(42), -U(26), U(44), -U(58), U(2), Style(c.body, PART_LINE));
    Tube(c.s, {-U(22), -U(28), U(10), U(2), -U(28), U(11), U(20), -U(27), U(8)}, Style(c.body, PART_LINE));
    Tube(c.s, {-U(22), -U(21), U(4), U(2), -U(20), U(4), U(18), -U(22), U(3)}, Style(belly, PART_LINE));
    for (int k = 0; k < 4; ++k)
        RingedSpot(c, -U(14) + k * U(9), -U(30) + (k % 2) * U(2), U(3), red);
    RingedSpot(c, U(34), -U(30), U(3), red);
    NewtLeg(c, U(14), -U(21), U(22), -U(16), U(22), -U(10), U(3), c.body);
    NewtLeg(c, -U(16), -U(21), -U(22), -U(15), -U(22), -U(9), U(3), c.body);
    /* A broad flat head, the wide mouth line of a grown newt. */
    Ellipse(c.s, -U(34), -U(28), U(12), U(8), Style(c.body, PART_LINE), -6);
    Ellipse(c.s, -U(36), -U(23), U(9), U(3), Style(belly, PART_NO_HIGHLIGHT), -6);
    Curve(c.s, -U(45), -U(25), U(1) / 2, -U(38), -U(23), -U(28), -U(26), U(1) / 2, Style(c.mouth, PART_FLAT));
    FierceEye(c, -U(36), -U(32), U(3), -10, gold);
}

/* ---- The frost ermines ---- */

static const Rgb ERMINE_WHITE = {226, 232, 240};
static const Rgb ERMINE_TIP = {40, 34, 40};
static const Rgb ERMINE_NOSE = {226, 130, 150};
static const Rgb SNOW = {206, 222, 240};

/* A frost crystal: a six-pointed star of ice. */
static void FrostStar(Ctx &c, int x, int y, int r, int material)
{
    for (int a = 0; a < 180; a += 60)
        Capsule(c.s, Toward(x, r, a), TowardY(y, r, a), U(1) / 2, Toward(x, r, a + 180),
                TowardY(y, r, a + 180), U(1) / 2, Style(material, PART_FLAT, SHADE_LIGHT));
}

/* The kit sits up, round and soft: a big head with round ears and big eyes, its brown coat
   going white in patches, a frosted white belly, the black-tipped tail curled beside it. */
static void ErmineKit(Ctx &c)
{
    const int white = Material(c, ERMINE_WHITE), tip = Material(c, ERMINE_TIP);
    const int nose = Material(c, ERMINE_NOSE), frost = c.accent;
    GroundShadow(c.s, 0, 0, U(20), U(3));
    Curve(c.s, U(8), -U(4), U(4), U(26), -U(6), U(22), -U(22), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, U(22), -U(24), U(5), U(6), Style(tip, PART_LINE), 20);
    Ellipse(c.s, 0, -U(16), U(14), U(15), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, -U(13), U(9), U(12), Style(white, PART_NO_HIGHLIGHT));
    /* Patches where the winter coat comes through. */
    Ellipse(c.s, -U(12), -U(20), U(3), U(4), Style(white, PART_NO_HIGHLIGHT));
    Ellipse(c.s, U(11), -U(11), U(3), U(3), Style(white, PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(7), -U(2), U(5), U(3), Style(c.body, PART_LINE));
        Ellipse(c.s, side * U(5), -U(18), U(2) + U(1) / 2, U(2), Style(c.body, PART_LINE));
    }
    const int hy = -U(38);
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(11), hy - U(10), U(5), U(5), Style(c.body, PART_LINE));
        Ellipse(c.s, side * U(11), hy - U(10), U(2) + U(1) / 2, U(2) + U(1) / 2, Style(nose, PART_FLAT));
    }
    Ellipse(c.s, 0, hy, U(15), U(13), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, hy + U(6), U(9), U(6), Style(white, PART_NO_HIGHLIGHT));
    Ellipse(c.s, U(8), hy - U(7), U(3), U(2), Style(white, PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2) {
        GlintEye(c, side * U(6), hy - U(1), U(4));
        /* Whiskers with frost beads on their tips. */
        for (int k = 0; k < 2; ++k) {
            const int wx = side * U(19), wy = hy + U(3) + k * U(4);
            Capsule(c.s, side * U(5), hy + U(5) + k * U(1), U(1) / 2, wx, wy, U(1) / 2,
                    Style(c.dark, PART_FLAT));
            Ellipse(c.s, wx, wy, U(1) + U(1) / 2, U(1) + U(1) / 2, Style(frost, PART_LINE));
        }
    }
    Ellipse(c.s, 0, hy + U(4), U(2), U(1) + U(1) / 2, Style(nose, PART_FLAT));
    Smile(c, 0, hy + U(7), U(2));
}

/* The winter ermine bounds over a snow bank by night: a long slinky white body arched in mid
   leap, forepaws reaching down, the black tail tip streaming, frost crystals in its fur. */
static void ErmineLeaping(Ctx &c)
{
    const int snow = Material(c, SNOW), tip = Material(c, ERMINE_TIP), nose = Material(c, ERMINE_NOSE);
    const int frost = c.accent, white = c.body;
    Ellipse(c.s, U(2), -U(9), U(42), U(11), Style(snow, PART_LINE));
    Ellipse(c.s, -U(22), -U(14), U(14), U(6), Style(snow, PART_LINE));
    Ellipse(c.s, U(26), -U(12), U(12), U(5), Style(snow, PART_LINE));
    /* Far legs, then the tail streaming back and up. */
    Tube(c.s, {U(16), -U(34), U(4), U(28), -U(26), U(3), U(34), -U(20), U(2)}, Style(white, PART_LINE));
    Tube(c.s, {-U(20), -U(38), U(3), -U(28), -U(28), U(3), -U(30), -U(20), U(2)}, Style(white, PART_LINE));
    Curve(c.s, U(20), -U(40), U(4), U(34), -U(46), U(40), -U(60), U(4), Style(white, PART_LINE));
    Ellipse(c.s, U(41), -U(61), U(5), U(7), Style(tip, PART_LINE), 25);
    /* The body arched in a long bow. */
    Curve(c.s, U(20), -U(36), U(9), U(4), -U(62), -U(22), -U(40), U(8), Style(white, PART_LINE));
    Ellipse(c.s, -U(2), -U(42), U(10), U(3), Style(white, PART_FLAT, SHADE_SHADOW), -20);
    Tube(c.s, {U(14), -U(34), U(5), U(22), -U(24), U(4), U(26), -U(18), U(3)}, Style(white, PART_LINE));
    Ellipse(c.s, U(27), -U(17), U(4), U(2), Style(white, PART_LINE));
    Tube(c.s, {-U(24), -U(38), U(4), -U(34), -U(28), U(3), -U(38), -U(20), U(3)}, Style(white, PART_LINE));
    Ellipse(c.s, -U(39), -U(18), U(4), U(2), Style(white, PART_LINE));
    /* A narrow head reaching forward and down, small round ears, a keen eye. */
    const int hx = -U(32), hy = -U(44);
    Ellipse(c.s, hx + U(6), hy - U(6), U(3), U(3), Style(white, PART_LINE));
    Ellipse(c.s, hx, hy, U(10), U(7), Style(white, PART_LINE), 20);
    Ellipse(c.s, hx - U(8), hy + U(4), U(2), U(1) + U(1) / 2, Style(nose, PART_FLAT));
    FierceEye(c, hx - U(1), hy - U(1), U(2) + U(1) / 2, 15, Material(c, {60, 60, 90}));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, hx - U(6), hy + U(3), U(1) / 2, hx - U(4) + k * U(2), hy + U(10) + k * U(1), U(1) / 2,
                Style(c.dark, PART_FLAT));
    FrostStar(c, U(4), -U(54), U(3), frost);
    FrostStar(c, -U(12), -U(48), U(2) + U(1) / 2, frost);
    FrostStar(c, U(16), -U(44), U(2) + U(1) / 2, frost);
    FrostStar(c, -U(14), -U(66), U(3), frost);
    FrostStar(c, U(24), -U(62), U(3), frost);
}

/* ---- The dust whirls ---- */

static const Rgb GRIT = {120, 96, 74};
static const Rgb PEBBLE = {150, 146, 150};
static const Rgb TUMBLEWEED = {168, 124, 74};
static const Rgb LEAF_GREEN = {120, 160, 60};

/* A whirl of dust from its foot at (0, footY) up to topY: stacked spinning bands, width growing
   from foot to top, each band's centre swayed by sway at the top. */
static void DustColumn(Ctx &c, int footY, int topY, int footHalf, int topHalf, int sway, int bands)
{
    const int dust = c.body, streak = Material(c, Darker(c.plan->bodyColour, 16));
    for (int k = 0; k < bands; ++k) {
        const int t = k * 256 / (bands - 1);
        const int y = footY + (topY - footY) * t / 256;
        const int half = footHalf + (topHalf - footHalf) * t * t / 65536;
        const int x = sway * t * t / 65536;
        const int thick = (footY - topY) / bands + U(2);
        Ellipse(c.s, x, y, half, thick, Style(k % 2 ? dust : streak, PART_LINE));
        /* A spin stroke across each band. */
        if (half > U(5))
            Curve(c.s, x - half * 3 / 4, y - thick / 3, U(1) / 2, x, y + thick / 2, x + half * 3 / 4,
                  y - thick / 3, U(1) / 2, Style(dust, PART_FLAT, SHADE_LIGHT));
    }
}

/* A little puff of dust at (x, y). */
static void Puff(Ctx &c, int x, int y, int r)
{
    Ellipse(c.s, x, y, r, r * 3 / 4, Style(c.body, PART_LINE));
}

/* The youngest whirl spins like a top: a round puff on a point, big eyes, a leaf caught in it. */
static void DustTop(Ctx &c)
{
    const int leaf = Material(c, LEAF_GREEN), swirl = Material(c, Darker(c.plan->bodyColour, 16));
    GroundShadow(c.s, 0, 0, U(8), U(2));
    /* Swirl strokes sweeping round the spinning puff. */
    Curve(c.s, -U(26), -U(22), U(1), -U(30), -U(40), -U(12), -U(48), U(1), Style(swirl, PART_LINE));
    Curve(c.s, U(26), -U(38), U(1), U(30), -U(20), U(12), -U(14), U(1), Style(swirl, PART_LINE));
    Polygon(c.s, {-U(12), -U(24), U(12), -U(24), U(2), -U(3), -U(2), -U(3)}, Style(c.body, PART_LINE));
    Capsule(c.s, -U(6), -U(14), U(1) / 2, U(6), -U(12), U(1) / 2, Style(c.body, PART_FLAT, SHADE_LIGHT));
    /* A puffy rim of little clouds of dust round the top. */
    for (int k = 0; k < 8; ++k) {
        const int a = k * 45;
        Ellipse(c.s, Toward(0, U(16), a), TowardY(-U(30), U(11), a), U(6), U(5), Style(c.body, PART_LINE));
    }
    Ellipse(c.s, 0, -U(30), U(18), U(13), Style(c.body));
    for (int k = 0; k < 2; ++k)
        Curve(c.s, -U(16), -U(35) + k * U(11), U(1) / 2, 0, -U(29) + k * U(11), U(16), -U(35) + k * U(11),
              U(1) / 2, Style(swirl, PART_FLAT, SHADE_BASE));
    Puff(c, -U(10), -U(4), U(3));
    Puff(c, U(10), -U(5), U(2) + U(1) / 2);
    Leaf(c, U(14), -U(42), U(12), 50, leaf);
    GlintEye(c, -U(7), -U(31), U(4));
    GlintEye(c, U(6), -U(31), U(4));
    Ellipse(c.s, 0, -U(23), U(2), U(1) + U(1) / 2, Style(c.mouth, PART_FLAT));
}

/* The funnel stands taller on its spinning point, grit and straw whirling round it. */
static void DustFunnel(Ctx &c)
{
    const int grit = Material(c, GRIT), straw = c.accent;
    GroundShadow(c.s, 0, 0, U(10), U(2));
    DustColumn(c, -U(6), -U(56), U(5), U(26), U(4), 8);
    Puff(c, -U(8), -U(4), U(4));
    Puff(c, U(7), -U(3), U(3));
    GlintEye(c, -U(5), -U(46), U(3) + U(1) / 2);
    GlintEye(c, U(9), -U(46), U(3) + U(1) / 2);
    Capsule(c.s, U(0), -U(38), U(1), U(5), -U(38), U(1), Style(c.mouth, PART_FLAT));
    Capsule(c.s, -U(24), -U(30), U(1), -U(14), -U(26), U(1), Style(straw, PART_LINE));
    Capsule(c.s, U(20), -U(22), U(1), U(28), -U(32), U(1), Style(straw, PART_LINE));
    Capsule(c.s, -U(22), -U(52), U(1), -U(28), -U(44), U(1), Style(straw, PART_LINE));
    for (int k = 0; k < 5; ++k)
        Ellipse(c.s, -U(18) + k * U(9), -U(14) - (k % 3) * U(12), U(1) + U(1) / 2, U(1) + U(1) / 2,
                Style(grit, PART_LINE));
}

/* A tumbleweed: a ball of tangled dry stems. */
static void Tumbleweed(Ctx &c, int x, int y, int r)
{
    const int weed = Material(c, TUMBLEWEED);
    Ellipse(c.s, x, y, r, r, Style(weed, PART_LINE));
    for (int a = 0; a < 180; a += 45)
        Curve(c.s, Toward(x, r, a), TowardY(y, r, a), U(1) / 2, Toward(x, r / 3, a + 60),
              TowardY(y, r / 3, a + 60), Toward(x, r, a + 180), TowardY(y, r, a + 180), U(1) / 2,
              Style(weed, PART_FLAT, SHADE_OUTLINE));
}

/* The dust devil towers over a ring of dust at its foot, a scowling face in its broad top,
   pebbles and a tumbleweed flying round it. */
static void DustDevil(Ctx &c)
{
    const int pebble = Material(c, PEBBLE), grit = Material(c, GRIT);
    /* The far half of the ring of dust, then the column, then the near half. */
    Ellipse(c.s, 0, -U(8), U(34), U(6), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, -U(9), U(26), U(3), Style(c.body, PART_FLAT, SHADE_SHADOW));
    DustColumn(c, -U(8), -U(72), U(6), U(30), -U(6), 10);
    for (int k = 0; k < 7; ++k)
        Ellipse(c.s, -U(30) + k * U(10), -U(4) + (k % 2) * U(1) - (k == 0 || k == 6 ? U(2) : 0), U(6), U(3),
                Style(c.body, PART_LINE));
    const int fy = -U(60), fx = -U(4);
    for (int side = -1; side <= 1; side += 2)
        Capsule(c.s, fx + side * U(12), fy - U(6), U(1), fx + side * U(3), fy - U(3), U(1),
                Style(grit, PART_FLAT));
    FierceEye(c, fx - U(7), fy, U(3) + U(1) / 2, 12, Material(c, {250, 224, 120}));
    FierceEye(c, fx + U(7), fy, U(3) + U(1) / 2, -12, Material(c, {250, 224, 120}));
    Ellipse(c.s, fx, fy + U(10), U(6), U(2), Style(grit, PART_FLAT, SHADE_OUTLINE));
    Tumbleweed(c, U(28), -U(40), U(8));
    Ellipse(c.s, -U(28), -U(48), U(4), U(3), Style(pebble, PART_LINE));
    Ellipse(c.s, -U(22), -U(26), U(3), U(3), Style(pebble, PART_LINE));
    Ellipse(c.s, U(24), -U(18), U(3), U(2) + U(1) / 2, Style(pebble, PART_LINE));
    Capsule(c.s, -U(30), -U(34), U(1), -U(24), -U(38), U(1), Style(c.accent, PART_LINE));
}

/* ---- The tile shrews ---- */

static const Rgb SHREW_PINK = {236, 160, 168};
static const Rgb TILE_BUD = {246, 196, 196};
static const Rgb DEN_EARTH = {150, 116, 84};
/* The female's tiles by form: moss, fired terracotta, iron; each with its grout. */
static const Rgb TILE_COLOURS[3] = {
    {110, 170, 70 },
    {204, 112, 66 },
    {122, 128, 140}
};
static const Rgb GROUT_COLOURS[3] = {
    {58,  100, 40},
    {132, 76,  40},
    {70,  74,  86}
};

/* A shrew's head facing left: a long tapering snout with a dark nose, a round ear, whiskers. */
static void ShrewHead(Ctx &c, int hx, int hy, int r, int eyeR, int skin)
{
    Ellipse(c.s, hx + r * 2 / 3, hy - r * 3 / 4, r / 2, r / 2, Style(skin, PART_LINE));
    Ellipse(c.s, hx + r * 2 / 3, hy - r * 3 / 4, r / 4, r / 4, Style(Material(c, SHREW_PINK), PART_FLAT));
    Ellipse(c.s, hx, hy, r, r * 7 / 8, Style(skin, PART_LINE));
    Tube(c.s,
         {hx - r / 2, hy + r / 8, r / 2, hx - r * 3 / 2, hy + r / 3, r / 4, hx - r * 2, hy + r / 2, r / 6},
         Style(skin, PART_LINE));
    Ellipse(c.s, hx - r * 2, hy + r / 2, r / 4, r / 5, Style(c.dark, PART_FLAT));
    GlintEye(c, hx - r / 4, hy - r / 6, eyeR);
}

/* The young shrew trots on short legs, its bare pink back showing a grid of tile buds. */
static void TileShrewKit(Ctx &c)
{
    const int pink = Material(c, SHREW_PINK), bud = Material(c, TILE_BUD);
    GroundShadow(c.s, 0, 0, U(22), U(3));
    Curve(c.s, U(14), -U(10), U(2), U(26), -U(10), U(30), -U(2), U(1), Style(c.body, PART_LINE));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(8) + k * U(16), -U(8), U(3), -U(9) + k * U(16), -U(2), U(2) + U(1) / 2,
                Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, U(2), -U(14), U(16), U(12), Style(c.body, PART_LINE));
    Ellipse(c.s, U(4), -U(19), U(11), U(6), Style(pink, PART_LINE));
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 4 - row; ++k) {
            const int x = -U(4) + row * U(3) + k * U(5), y = -U(21) + row * U(4);
            Polygon(c.s, {x - U(2), y - U(1), x + U(2), y - U(1), x + U(2), y + U(2), x - U(2), y + U(2)},
                    Style(bud, PART_LINE));
        }
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(6) + k * U(16), -U(8), U(3), -U(7) + k * U(16), -U(2), U(2) + U(1) / 2,
                Style(c.body, PART_LINE));
    ShrewHead(c, -U(16), -U(20), U(10), U(3) + U(1) / 2, c.body);
}

static const Rgb IRON_RUST = {170, 92, 52};

static int ShrewSqrt(int64_t v)
{
    int64_t r = 0;
    while ((r + 1) * (r + 1) <= v)
        ++r;
    return (int)r;
}

/* The female's body seen from the side: an ellipse. */
struct ShrewBody {
    int x, y, rx, ry;
};

/* Whether (x, y) lies inside the body. */
static bool InsideBody(const ShrewBody &b, int x, int y)
{
    const int64_t dx = (int64_t)(x - b.x) * 1024 / b.rx, dy = (int64_t)(y - b.y) * 1024 / b.ry;
    return dx * dx + dy * dy <= 1024 * 1024;
}

/* The body's top outline above x. */
static int BodyTop(const ShrewBody &b, int x)
{
    const int64_t dx = std::min<int64_t>(std::abs(x - b.x), b.rx);
    return b.y - (int)((int64_t)b.ry * ShrewSqrt((int64_t)b.rx * b.rx - dx * dx) / b.rx);
}

/* Pixel-exact tiles: design coordinates to canvas units and back, and the pixel border nearest a
   design coordinate, so every tile covers the same pixels and the grout stays one pixel wide. */
static int64_t FloorDivide(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
static int CanvasOf(const Sprite &s, int v, int origin)
{
    return origin + (int)FloorDivide((int64_t)v * s.zoom + Q8_ONE / 2, Q8_ONE);
}
static int DesignOf(const Sprite &s, int canvas, int origin)
{
    return (int)((int64_t)(canvas - origin) * Q8_ONE / s.zoom);
}
static int PixelBorder(int canvas)
{
    return (int)FloorDivide(canvas + UNIT / 2, UNIT) * UNIT;
}

/* A square tile centred on (x, y), turned by angle degrees. */
static void SquareTile(Ctx &c, int x, int y, int half, int angle, PartStyle style)
{
    std::vector<int> xy = {x - half, y - half, x + half, y - half, x + half, y + half, x - half, y + half};
    for (size_t i = 0; i + 1 < xy.size(); i += 2)
        Turn(x, y, angle, xy[i], xy[i + 1]);
    Polygon(c.s, xy, style);
}

/* The mosaic saddle on the female's back: the body above the saddle's lower edge is grouted, and
   columns of square tiles are laid down it from the top outline, so the rows lie flat along her back
   from nape to tail root; new tiles bud loose below the lower edge. */
static void TileSaddle(Ctx &c, const ShrewBody &b, int edge)
{
    const int FORM_IRON = 2;
    const int tile = Material(c, TILE_COLOURS[c.form]), grout = Material(c, GROUT_COLOURS[c.form]);
    const int rust = Material(c, IRON_RUST);
    /* Tiles four pixels square, one pixel of grout between them, whatever the zoom. */
    const int TILE = U(4), STEP = U(5), HALF = Px(c, 2), GROUT = Px(c, 1);
    /* The grout: the body's outline above the edge, closed along it. */
    const int reach =
        (int)((int64_t)b.rx * ShrewSqrt((int64_t)b.ry * b.ry - (int64_t)(edge - b.y) * (edge - b.y)) / b.ry);
    std::vector<int> cap = {b.x - reach, edge};
    for (int a = -180; a <= 180; a += 6) {
        const int x = b.x + b.rx * SinQ12(a) / 4096, y = b.y - b.ry * CosQ12(a) / 4096;
        if (y < edge) {
            cap.push_back(x);
            cap.push_back(y);
        }
    }
    cap.push_back(b.x + reach);
    cap.push_back(edge);
    Polygon(c.s, cap, Style(grout, PART_FLAT, SHADE_BASE));
    /* Columns on the pixel grid, centred along the body; a tile's corner may reach into the outline. */
    const ShrewBody room = {b.x, b.y, b.rx + GROUT, b.ry + GROUT};
    const Sprite &sp = c.s;
    const int columns =
        (CanvasOf(sp, b.x + b.rx, sp.originX) - CanvasOf(sp, b.x - b.rx, sp.originX)) / STEP + 1;
    const int first = PixelBorder(CanvasOf(sp, b.x, sp.originX) - (columns - 1) * STEP / 2 - TILE / 2);
    for (int column = 0; column < columns; ++column) {
        const int left = DesignOf(sp, first + column * STEP, sp.originX);
        const int right = DesignOf(sp, first + column * STEP + TILE, sp.originX), x = (left + right) / 2;
        /* The column starts under the lower of the outline's heights at the tile's two sides. */
        const int top = PixelBorder(CanvasOf(sp, std::max(BodyTop(b, left), BodyTop(b, right)), sp.originY));
        int y = 0, laid = 0;
        for (int row = 0;; ++row) {
            const int upper = DesignOf(sp, top + row * STEP, sp.originY);
            const int lower = DesignOf(sp, top + row * STEP + TILE, sp.originY);
            y = (upper + lower) / 2;
            if (lower + GROUT > edge)
                break;
            if (!InsideBody(room, left, upper) || !InsideBody(room, right, upper) ||
                !InsideBody(room, left, lower) || !InsideBody(room, right, lower))
                continue;
            int material = tile;
            Shade shade = (row + column * 2) % 5 == 0 ? SHADE_SHADOW : SHADE_BASE;
            if ((row * 2 + column) % 7 == 2)
                shade = SHADE_LIGHT;
            if (c.form == FORM_IRON && (row * 3 + column) % 10 == 3)
                material = rust, shade = SHADE_BASE;
            Polygon(c.s, {left, upper, right, upper, right, lower, left, lower},
                    Style(material, PART_FLAT, shade));
            ++laid;
        }
        /* A few loose new tiles budding below the saddle's edge. */
        if (laid > 0 && column % 4 == 2 && InsideBody(b, x, y))
            SquareTile(c, x + GROUT, y + GROUT, HALF, column % 8 == 1 ? 20 : -20,
                       Style(tile, PART_LINE | PART_FLAT, SHADE_LIGHT));
    }
}

/* The grown female trots on four short legs with her head up and her long thin tail out behind;
   her back is a flat mosaic of small square tiles in the colour of what she was raised on. */
static void TiledShrew(Ctx &c)
{
    const ShrewBody BODY = {U(4), -U(30), U(30), U(23)};
    const int BX = BODY.x, BY = BODY.y, RX = BODY.rx, RY = BODY.ry;
    const int pink = Material(c, SHREW_PINK);
    GroundShadow(c.s, U(4), 0, U(34), U(5));
    /* The tail first: out behind from the rump, its thin tip lifting. */
    Curve(c.s, BX + RX - U(4), BY + U(6), U(4), BX + RX + U(12), BY + U(10), BX + RX + U(12), BY - U(14),
          U(1), Style(c.body, PART_LINE));
    /* Far legs, in shadow: the fore leg swung back, the hind leg forward. */
    Tube(c.s, {-U(8), BY + U(14), U(7), -U(6), -U(6), U(5), -U(8), -U(2), U(4)},
         Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Tube(c.s, {U(18), BY + U(14), U(8), U(16), -U(6), U(5), U(14), -U(2), U(4)},
         Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW));
    /* A thick neck up to the raised head. */
    Capsule(c.s, BX - RX + U(10), BY - U(4), U(13), -U(16), BY - U(18), U(10), Style(c.body, PART_LINE));
    Ellipse(c.s, BX, BY, RX, RY, Style(c.body, PART_LINE));
    /* Near legs: the fore leg reaching forward, the hind leg pushing back. */
    Tube(c.s, {-U(14), BY + U(14), U(7), -U(17), -U(6), U(5), -U(20), -U(2), U(4)}, Style(c.body, PART_LINE));
    Ellipse(c.s, -U(22), -U(2), U(6), U(3), Style(pink, PART_LINE));
    Tube(c.s, {U(24), BY + U(12), U(9), U(26), -U(6), U(5), U(28), -U(2), U(4)}, Style(c.body, PART_LINE));
    Ellipse(c.s, U(30), -U(2), U(6), U(3), Style(pink, PART_LINE));
    TileSaddle(c, BODY, BY + RY / 2);
    ShrewHead(c, -U(18), BY - U(20), U(12), U(3) + U(1) / 2, c.body);
}

/* The male has no tiles: a long-snouted night hunter glazed black like wet slate, nosing a grub
   out of the ground round the den. */
static void SlateShrew(Ctx &c)
{
    const int shine = Material(c, {150, 170, 200}), grub = c.accent;
    const int amber = Material(c, {250, 190, 70});
    const int earth = Material(c, DEN_EARTH);
    GroundShadow(c.s, 0, 0, U(34), U(3));
    /* The den he guards: a mound of earth behind him, its dark doorway. */
    Ellipse(c.s, U(30), -U(20), U(24), U(22), Style(earth, PART_LINE));
    Ellipse(c.s, U(38), -U(9), U(8), U(9), Style(c.dark, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, U(22), -U(38), U(5), U(4), Style(earth, PART_LINE));
    Ellipse(c.s, U(42), -U(34), U(4), U(3), Style(earth, PART_LINE));
    Curve(c.s, U(22), -U(18), U(3), U(38), -U(24), U(44), -U(8), U(1), Style(c.body, PART_LINE));
    Tube(c.s, {U(16), -U(16), U(4), U(22), -U(8), U(3), U(20), -U(2), U(3)},
         Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Tube(c.s, {-U(12), -U(16), U(4), -U(10), -U(8), U(3), -U(14), -U(2), U(3)},
         Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, U(2), -U(21), U(22), U(13), Style(c.body, PART_LINE), 6);
    /* Wet shine along the glazed back. */
    Curve(c.s, -U(12), -U(27), U(1), U(0), -U(31), U(14), -U(26), U(1), Style(shine, PART_FLAT, SHADE_BASE));
    Ellipse(c.s, U(16), -U(24), U(2), U(1), Style(shine, PART_FLAT, SHADE_BASE));
    Tube(c.s, {U(12), -U(16), U(5), U(16), -U(8), U(3), U(12), -U(2), U(3)}, Style(c.body, PART_LINE));
    Ellipse(c.s, U(10), -U(2), U(5), U(2), Style(c.body, PART_LINE));
    Tube(c.s, {-U(16), -U(16), U(4), -U(20), -U(8), U(3), -U(18), -U(2), U(3)}, Style(c.body, PART_LINE));
    Ellipse(c.s, -U(20), -U(2), U(5), U(2), Style(c.body, PART_LINE));
    /* The head low, the long snout nosing the grub. */
    const int hx = -U(26), hy = -U(20);
    Ellipse(c.s, hx + U(6), hy - U(7), U(4), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, hx, hy, U(10), U(8), Style(c.body, PART_LINE));
    Tube(c.s, {hx - U(6), hy + U(2), U(5), hx - U(14), hy + U(8), U(3), hx - U(20), hy + U(14), U(2)},
         Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(20), hy + U(15), U(2), U(2), Style(c.mouth, PART_FLAT));
    Ellipse(c.s, hx - U(2), hy - U(6), U(3), U(1), Style(shine, PART_FLAT, SHADE_BASE));
    FierceEye(c, hx - U(2), hy - U(1), U(3), 15, amber);
    Curve(c.s, hx - U(32), -U(2), U(3), hx - U(30), -U(10), hx - U(22), -U(4), U(2), Style(grub, PART_LINE));
}

/* ---- The hop vines ---- */

static const Rgb POLE = {136, 100, 70};
static const Rgb HOP_LID = {160, 200, 110};

/* A heart-shaped leaf from its stalk at (x, y) toward angle: two lobes and a point. */
static void HeartLeaf(Ctx &c, int x, int y, int size, int angle, int material)
{
    const int cx = Toward(x, size / 2, angle), cy = TowardY(y, size / 2, angle);
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, Toward(cx, size / 3, angle + side * 90), TowardY(cy, size / 3, angle + side * 90),
                size / 3, size * 2 / 5, Style(material, PART_LINE), angle + side * 25);
    Spike(c, cx, cy, size * 3 / 4, angle, size / 2, Style(material, PART_LINE));
    Capsule(c.s, x, y, U(1) / 2, Toward(x, size, angle), TowardY(y, size, angle), U(1) / 2,
            Style(material, PART_FLAT, SHADE_SHADOW));
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
    HeartLeaf(c, -U(4), -U(26), U(18), -70, c.body);
    HeartLeaf(c, U(4), -U(16), U(16), 110, c.body);
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

/* ---- Dispatch ---- */

void DrawKite(Ctx &c)
{
    PaperKite(c);
}

void DrawNewt(Ctx &c)
{
    if (c.plan->index == NEWT_LARVA_ENTRY)
        NewtLarva(c);
    else if (c.plan->index == NEWT_EFT_ENTRY)
        NewtEft(c);
    else
        NewtAdult(c);
}

void DrawErmine(Ctx &c)
{
    if (c.young)
        ErmineKit(c);
    else
        ErmineLeaping(c);
}

void DrawWhirl(Ctx &c)
{
    if (c.plan->stage == 1)
        DustTop(c);
    else if (c.plan->stage == 2)
        DustFunnel(c);
    else
        DustDevil(c);
}

static const int TILED_SHREW_ENTRY = 26;

void DrawTileShrew(Ctx &c)
{
    if (c.young)
        TileShrewKit(c);
    else if (c.plan->index == TILED_SHREW_ENTRY)
        TiledShrew(c);
    else
        SlateShrew(c);
}

void DrawHop(Ctx &c)
{
    if (c.young)
        HopShoot(c);
    else
        HopBine(c);
}

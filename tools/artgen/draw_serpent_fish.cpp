/* Long-bodied and swimming creatures: the eels and the fish (anglerfish, reef whale, storm ray),
   each shaped per entry. */
#include "creature_drawers.h"

#include <vector>

/* Entries drawn in a shape of their own rather than their family's eel or their body's fish. */
static const int WHALE_ENTRY = 93;
static const int STORM_RAY_ENTRY = 99;

struct SpinePoint {
    int x, y, r;
};

/* Smallest n with n * n >= v: lengths of design vectors without floating point. */
static int RootUp(int v)
{
    int n = 1;
    while (n * n < v)
        ++n;
    return n;
}

/* An S-curve from tail to head with a sideways wave; radius grows from tail to body size. */
static std::vector<SpinePoint> WaveSpine(int tx, int ty, int hx, int hy, int amplitude, int waveDeg,
                                         int rTail, int rBody, int count)
{
    std::vector<SpinePoint> spine;
    const int dx = hx - tx, dy = hy - ty;
    const int len = RootUp(dx * dx + dy * dy);
    for (int i = 0; i <= count; ++i) {
        const int t = i * Q8_ONE / count;
        const int off = amplitude * SinQ12(waveDeg * i / count) / 4096;
        const int x = tx + dx * t / Q8_ONE + (-dy) * off / len;
        const int y = ty + dy * t / Q8_ONE + dx * off / len;
        const int r = t < 180 ? rTail + (rBody - rTail) * t / 180 : rBody;
        spine.push_back({x, y, r});
    }
    return spine;
}

static void PaintSpine(Ctx &c, const std::vector<SpinePoint> &spine, int material, int bellyMaterial)
{
    std::vector<int> xyr, belly;
    for (const SpinePoint &p : spine) {
        xyr.insert(xyr.end(), {p.x, p.y, p.r});
        belly.insert(belly.end(), {p.x + p.r / 5, p.y + p.r / 2, p.r * 2 / 5});
    }
    Tube(c.s, xyr, Style(material));
    if (bellyMaterial != 0)
        Tube(c.s, belly, Style(bellyMaterial, PART_NO_HIGHLIGHT));
}

/* Serpent head facing left, with eyes; returns nothing, details by the caller. */
static void SerpentHead(Ctx &c, int x, int y, int r, bool fierce)
{
    Ellipse(c.s, x - r / 2, y + r / 4, r * 4 / 5, r / 2, Style(c.body, PART_LINE));
    Ellipse(c.s, x, y, r, r * 4 / 5, Style(c.body, PART_LINE));
    Ellipse(c.s, x - r * 3 / 5, y + r / 3, r * 3 / 5, r / 3, Style(c.belly, PART_NO_HIGHLIGHT));
    Dot(c.s, x - r * 5 / 4, y + r / 10, c.dark, SHADE_BASE);
    if (fierce) {
        FierceEye(c, x - r / 5, y - r / 4, r / 4, -20, Material(c, {250, 220, 80}));
    } else {
        CuteEye(c, x - r / 2, y - r / 5, c.young ? r / 4 : r / 5);
        CuteEye(c, x + r / 6, y - r / 5, c.young ? r / 4 + U(1) / 2 : r / 5 + U(1) / 2);
    }
}

/* Spine points on a circular arc from angle a0 to a1 (0 = up, 90 = right), thickening from the
   tail radius to the body radius over the first two thirds. */
static std::vector<SpinePoint> ArcSpine(int cx, int cy, int r, int a0, int a1, int rTail, int rBody,
                                        int count)
{
    std::vector<SpinePoint> spine;
    for (int i = 0; i <= count; ++i) {
        const int a = a0 + (a1 - a0) * i / count;
        const int rad = i * 3 < count * 2 ? rTail + (rBody - rTail) * i * 3 / (count * 2) : rBody;
        spine.push_back({Toward(cx, r, a), TowardY(cy, r, a), rad});
    }
    return spine;
}

/* Bands across the body at every step-th spine point, a little short of its edges. */
static void SpineBands(Ctx &c, const std::vector<SpinePoint> &spine, int first, int step, int material)
{
    for (size_t i = first; i + 1 < spine.size(); i += step) {
        const int dx = spine[i + 1].x - spine[i - 1].x, dy = spine[i + 1].y - spine[i - 1].y;
        const int len = RootUp(dx * dx + dy * dy), r = spine[i].r * 4 / 5;
        Capsule(c.s, spine[i].x - dy * r / len, spine[i].y + dx * r / len, U(1), spine[i].x + dy * r / len,
                spine[i].y - dx * r / len, U(1), Style(material, PART_FLAT, SHADE_LIGHT));
    }
}

/* A zigzag spark of three strokes, two pixels wide, from (x, y) down and to the side. */
static void Bolt(Ctx &c, int x, int y, int size, int side, int material)
{
    Tube(c.s,
         {x, y, U(1), x + side * size / 2, y + size / 2, U(1), x, y + size / 2, U(1), x + side * size / 2,
          y + size, U(1) / 2},
         Style(material, PART_FLAT, SHADE_LIGHT));
}

/* The elver: a tiny glassy eel curled like a hook, its pale spine showing through, one yellow
   spark stripe along its side and big eyes. */
static void Elver(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(14), U(3));
    const std::vector<SpinePoint> spine = ArcSpine(0, -U(20), U(12), 250, 20, U(2), U(6), 16);
    Spike(c, spine[3].x - U(2), spine[3].y, U(6), 230, U(3), Style(c.belly, PART_LINE | PART_NO_HIGHLIGHT));
    PaintSpine(c, spine, c.body, 0);
    std::vector<int> bone, stripe;
    for (size_t i = 2; i + 1 < spine.size(); ++i) {
        bone.insert(bone.end(), {spine[i].x, spine[i].y, U(1) / 2});
        const int cx = 0, cy = -U(20);
        stripe.insert(stripe.end(), {spine[i].x + (spine[i].x - cx) * spine[i].r / U(22),
                                     spine[i].y + (spine[i].y - cy) * spine[i].r / U(22), U(1)});
    }
    Tube(c.s, bone, Style(c.body, PART_FLAT, SHADE_SHADOW));
    Tube(c.s, stripe, Style(c.accent, PART_FLAT, SHADE_LIGHT));
    const SpinePoint head = spine.back();
    SerpentHead(c, head.x - U(3), head.y + U(1), U(8), false);
}

/* The eel swims level in an S-wave, a fin ribbon along its back, yellow spark bands round it. */
static void Eel(Ctx &c)
{
    const int spark = Material(c, c.plan->accentColour);
    GroundShadow(c.s, 0, 0, U(22), U(3));
    const std::vector<SpinePoint> spine = WaveSpine(U(28), -U(18), -U(20), -U(24), U(7), 540, U(2), U(8), 24);
    std::vector<int> fin;
    for (size_t i = 3; i + 2 < spine.size(); ++i)
        fin.insert(fin.end(), {spine[i].x, spine[i].y - spine[i].r * 3 / 4, spine[i].r * 3 / 4});
    Tube(c.s, fin, Style(c.belly, PART_LINE | PART_NO_HIGHLIGHT));
    PaintSpine(c, spine, c.body, c.belly);
    SpineBands(c, spine, 4, 3, spark);
    const SpinePoint head = spine.back();
    SerpentHead(c, head.x - U(2), head.y, U(8), false);
    Bolt(c, U(36), -U(34), U(8), -1, spark);
}

/* The great electric eel rears up out of its own coil, jaws open on a spark, the family's spark
   bands round its body, lightning crackling round it. */
static void BigEel(Ctx &c)
{
    const int spark = Material(c, c.plan->accentColour);
    GroundShadow(c.s, 0, 0, U(28), U(3));
    static const int COIL[][3] = {
        {U(30),  -U(10), U(2)}, /* tail tip */
        {U(22),  -U(4),  U(5)},
        {U(8),   -U(3),  U(8)},
        {-U(8),  -U(5),  U(9)},
        {-U(18), -U(12), U(9)},
        {-U(12), -U(20), U(9)},
    };
    static const int RISE[][3] = {
        {-U(12), -U(20), U(9)},
        {U(2),   -U(24), U(9)},
        {U(12),  -U(34), U(9)},
        {U(10),  -U(46), U(8)},
        {U(0),   -U(54), U(8)},
        {-U(8),  -U(56), U(8)}, /* neck */
    };
    std::vector<int> coil, rise;
    for (const int *p : COIL)
        coil.insert(coil.end(), {p[0], p[1], p[2]});
    for (const int *p : RISE)
        rise.insert(rise.end(), {p[0], p[1], p[2]});
    Tube(c.s, coil, Style(c.body, PART_LINE));
    std::vector<int> fin;
    for (size_t i = 3; i + 3 < rise.size(); i += 3)
        fin.insert(fin.end(), {rise[i] + U(6), rise[i + 1] - U(2), U(5)});
    Tube(c.s, fin, Style(c.belly, PART_LINE | PART_NO_HIGHLIGHT));
    Tube(c.s, rise, Style(c.body, PART_LINE));
    /* The family's spark bands, round the coil and up the rising body. */
    std::vector<SpinePoint> coilSpine, riseSpine;
    for (const int *p : COIL)
        coilSpine.push_back({p[0], p[1], p[2]});
    for (const int *p : RISE)
        riseSpine.push_back({p[0], p[1], p[2]});
    SpineBands(c, coilSpine, 2, 1, spark);
    SpineBands(c, riseSpine, 1, 1, spark);
    /* Head facing left with the lower jaw dropped. */
    const int hx = -U(14), hy = -U(56);
    Polygon(c.s, {hx - U(12), hy + U(6), hx + U(2), hy + U(2), hx + U(4), hy + U(9), hx - U(6), hy + U(11)},
            Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(4), hy + U(4), U(7), U(3), Style(c.mouth, PART_FLAT));
    Ellipse(c.s, hx, hy - U(2), U(10), U(7), Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(8), hy, U(6), U(4), Style(c.body, PART_LINE));
    FierceEye(c, hx, hy - U(4), U(3), -20, spark);
    Bolt(c, hx - U(9), hy + U(2), U(7), -1, spark);
    Bolt(c, U(24), -U(56), U(12), 1, spark);
    Bolt(c, -U(30), -U(34), U(12), -1, spark);
}

/* --- Fish ---------------------------------------------------------------------------- */

static void FishBody(Ctx &c, int cx, int cy, int rx, int ry, int finMat)
{
    Spike(c, cx + rx - U(2), cy, rx * 2 / 3, 50, ry * 2 / 3, Style(finMat, PART_LINE));
    Spike(c, cx + rx - U(2), cy, rx * 2 / 3, 130, ry * 2 / 3, Style(finMat, PART_LINE));
    Spike(c, cx + U(2), cy - ry + U(2), ry, 30, rx / 3, Style(finMat, PART_LINE));
    Ellipse(c.s, cx, cy, rx, ry, Style(c.body));
    Ellipse(c.s, cx - rx / 6, cy + ry / 2, rx * 2 / 3, ry / 2, Style(c.belly, PART_NO_HIGHLIGHT));
    Spike(c, cx - rx / 6, cy + ry / 4, ry * 2 / 3, 150, U(3), Style(finMat, PART_LINE));
}

void DrawSerpent(Ctx &c)
{
    if (c.plan->stage == 1)
        Elver(c);
    else if (c.plan->stage == 2)
        Eel(c);
    else
        BigEel(c);
}

/* The storm ray of the deep seen from above, banking: a broad dark diamond with rounded wing
   tips, lightning marks across the wings, glowing cells along their rims and a whip tail
   ending in a spark. */
static void StormRay(Ctx &c)
{
    const int spark = Material(c, c.plan->accentColour);
    GroundShadow(c.s, 0, 0, U(24), U(3));
    const int cy = -U(32);
    Tube(c.s, {U(2), cy + U(10), U(3), U(6), cy + U(22), U(2), U(18), cy + U(28), U(1)},
         Style(c.body, PART_LINE));
    Bolt(c, U(18), cy + U(27), U(10), 1, spark);
    Polygon(c.s,
            {-U(36), cy - U(2), -U(8), cy - U(14), U(8), cy - U(14), U(34), cy - U(8), U(4), cy + U(14),
             -U(4), cy + U(14)},
            Style(c.body));
    Ellipse(c.s, -U(34), cy - U(4), U(4), U(3), Style(c.body, PART_LINE), -30);
    Ellipse(c.s, U(32), cy - U(10), U(4), U(3), Style(c.body, PART_LINE), 40);
    Ellipse(c.s, 0, cy - U(2), U(9), U(14), Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2) {
        Tube(c.s,
             {side * U(10), cy - U(6), U(1), side * U(16), cy - U(1), U(1), side * U(20), cy - U(7), U(1),
              side * U(27), cy - U(3) - (side > 0) * U(3), U(1) / 2},
             Style(spark, PART_FLAT, SHADE_LIGHT));
        for (int k = 0; k < 3; ++k)
            Ellipse(c.s, side * (U(12) + k * U(6)), cy + U(6) - k * U(4) - (side > 0) * k * U(1), U(1), U(1),
                    Style(spark, PART_FLAT, SHADE_LIGHT));
    }
    /* Horn-like head fins curl forward either side of the mouth. */
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(7), cy - U(15), U(2), U(4), Style(c.body, PART_LINE), side * 20);
    CuteEye(c, -U(5), cy - U(8), U(2) + U(1) / 2);
    CuteEye(c, U(5), cy - U(8), U(2) + U(1) / 2);
    Smile(c, 0, cy - U(3), U(3));
}

/* The ivory whale swims with a reef on its back: grey bands round its body, coral knobs and
   fronds of weed riding on top, a small spout. */
static void ReefWhale(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(30), U(3));
    const int cy = -U(20);
    const int water = Material(c, {130, 200, 250}), grey = Material(c, {150, 150, 156});
    const int weed = Material(c, {90, 160, 100});
    Capsule(c.s, -U(14), cy - U(14), U(1), -U(14), cy - U(22), U(1), Style(water, PART_FLAT, SHADE_LIGHT));
    for (int k = -1; k <= 1; ++k)
        Ellipse(c.s, -U(14) + k * U(4), cy - U(24) + (k != 0) * U(2), U(3), U(2), Style(water, PART_LINE));
    Spike(c, U(28), cy, U(10), 40, U(5), Style(c.body, PART_LINE));
    Spike(c, U(28), cy, U(10), 100, U(5), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, cy, U(30), U(14), Style(c.body));
    Ellipse(c.s, -U(4), cy + U(7), U(24), U(7), Style(c.belly, PART_NO_HIGHLIGHT));
    for (int k = 0; k < 2; ++k)
        Curve(c.s, -U(2) + k * U(12), cy - U(13) + k * U(1), U(1) + U(1) / 2, U(3) + k * U(12), cy,
              -U(1) + k * U(12), cy + U(13) - k * U(1), U(1) + U(1) / 2, Style(grey, PART_FLAT, SHADE_BASE));
    /* The reef on its back: weed fronds behind, coral knobs in front. */
    for (int k = 0; k < 3; ++k)
        Leaf(c, U(4) + k * U(7), cy - U(11), U(10), -25 + k * 25, weed);
    Tube(c.s, {U(16), cy - U(12), U(2), U(18), cy - U(20), U(1) + U(1) / 2, U(22), cy - U(24), U(1)},
         Style(c.accent, PART_LINE));
    Tube(c.s, {U(18), cy - U(19), U(1) + U(1) / 2, U(13), cy - U(23), U(1)}, Style(c.accent, PART_LINE));
    for (int k = 0; k < 4; ++k)
        Ellipse(c.s, -U(2) + k * U(6), cy - U(12) - (k % 2) * U(2), U(3), U(3), Style(c.accent, PART_LINE));
    Spike(c, -U(2), cy + U(6), U(10), 200, U(4), Style(c.body, PART_LINE));
    CuteEye(c, -U(18), cy - U(2), U(2) + U(1) / 2);
    Smile(c, -U(22), cy + U(5), U(4));
}

/* The anglerfish seen from outside: a round dark body nearly all head, a gaping jaw of teeth
   and a glowing lure held out on its rod. */
static void Anglerfish(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(22), U(3));
    const int cx = U(2), cy = -U(26), lure = Material(c, c.plan->accentColour);
    Curve(c.s, -U(4), cy - U(16), U(1) + U(1) / 4, -U(10), cy - U(34), -U(24), cy - U(22), U(1),
          Style(c.body, PART_LINE));
    Ellipse(c.s, -U(24), cy - U(18), U(6), U(6), Style(lure, PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, -U(24), cy - U(18), U(4), U(4), Style(lure, PART_LINE));
    FishBody(c, cx, cy, U(20), U(18), c.body);
    Ellipse(c.s, -U(10), cy + U(6), U(10), U(7), Style(c.mouth, PART_FLAT));
    for (int k = 0; k < 4; ++k) {
        Spike(c, -U(17) + k * U(4), cy, U(5), 180, U(1) + U(1) / 4, Style(c.bone, PART_NO_HIGHLIGHT));
        Spike(c, -U(16) + k * U(4), cy + U(13), U(4), 0, U(1) + U(1) / 4, Style(c.bone, PART_NO_HIGHLIGHT));
    }
    FierceEye(c, -U(3), cy - U(7), U(3), 15, lure);
}

void DrawFish(Ctx &c)
{
    if (c.plan->index == STORM_RAY_ENTRY)
        StormRay(c);
    else if (c.plan->index == WHALE_ENTRY)
        ReefWhale(c);
    else
        Anglerfish(c);
}

/* Long-bodied and swimming creatures: serpents (crawling, coiled, floating S-curves)
   and fish (seahorses, whales, rays, sprites), each shaped per entry. */
#include "creature_drawers.h"

#include <vector>

struct SpinePoint {
    int x, y, r;
};

/* An S-curve from tail to head with a sideways wave; radius grows from tail to body size. */
static std::vector<SpinePoint> WaveSpine(int tx, int ty, int hx, int hy, int amplitude, int waveDeg,
                                         int rTail, int rBody, int count)
{
    std::vector<SpinePoint> spine;
    const int dx = hx - tx, dy = hy - ty;
    int len = 1;
    while (len * len < dx * dx + dy * dy)
        ++len;
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

static void Salamander(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(24), U(3));
    Curve(c.s, U(10), -U(8), U(5), U(26), -U(6), U(22), -U(20), U(2), Style(c.body, PART_LINE));
    Flame(c, U(22), -U(20), U(9), c.accent, 20);
    for (int x : {-U(10), U(8)}) {
        Capsule(c.s, x + U(3), -U(6), U(3), x + U(3), -U(2), U(2),
                Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
    }
    Ellipse(c.s, 0, -U(8), U(15), U(7), Style(c.body));
    Ellipse(c.s, -U(2), -U(5), U(11), U(3), Style(c.belly, PART_NO_HIGHLIGHT));
    for (int x : {-U(10), U(8)}) {
        Capsule(c.s, x, -U(6), U(3), x - U(1), -U(2), U(2), Style(c.body, PART_LINE));
        Ellipse(c.s, x - U(2), -U(2), U(3), U(2), Style(c.body, PART_LINE));
    }
    for (int k = 0; k < 3; ++k)
        Dot(c.s, -U(2) + k * U(5), -U(12), c.accent, SHADE_LIGHT);
    const int hx = -U(14), hy = -U(16);
    Ellipse(c.s, hx, hy, U(12), U(10), Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(1), hy + U(5), U(8), U(4), Style(c.belly, PART_NO_HIGHLIGHT));
    Flame(c, hx + U(3), hy - U(8), U(7), c.accent, 10);
    CuteEye(c, hx - U(6), hy - U(1), U(3));
    CuteEye(c, hx + U(3), hy - U(1), U(3) + U(1) / 2);
    Ellipse(c.s, hx - U(9), hy + U(4), U(2), U(1), Style(Material(c, {250, 150, 130}), PART_FLAT));
    Smile(c, hx - U(2), hy + U(4), U(3));
}

static void Caterpillar(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(26), U(3));
    const int n = 6;
    for (int i = n - 1; i >= 0; --i) {
        const int x = U(24) - i * U(7);
        const int lift = i >= n - 2 ? (i - (n - 3)) * U(5) : 0;
        const int r = U(7) + (i == n - 1 ? U(2) : 0);
        Capsule(c.s, x, -U(2), U(1), x, -U(1), U(1), Style(c.dark, PART_FLAT));
        Ellipse(c.s, x, -r - lift, r, r, Style(c.body, PART_LINE));
        if (i < n - 1)
            Ellipse(c.s, x - U(1), -r - lift - r / 2, U(2), U(2), Style(c.accent, PART_NO_HIGHLIGHT));
    }
    const int hx = U(24) - (n - 1) * U(7) - U(3), hy = -U(22);
    Curve(c.s, hx - U(2), hy - U(8), U(1), hx - U(6), hy - U(14), hx - U(10), hy - U(14), U(1) / 2,
          Style(c.dark));
    Curve(c.s, hx + U(3), hy - U(8), U(1), hx + U(4), hy - U(15), hx + U(8), hy - U(16), U(1) / 2,
          Style(c.dark));
    Ellipse(c.s, hx, hy, U(10), U(9), Style(c.body, PART_LINE));
    CuteEye(c, hx - U(4), hy, U(3));
    CuteEye(c, hx + U(4), hy, U(3));
    Smile(c, hx, hy + U(5), U(2));
}

static void Coiled(Ctx &c, bool cobra)
{
    GroundShadow(c.s, 0, 0, U(22), U(3));
    /* Coil: a rising spiral, back half first. */
    std::vector<int> coil;
    const int turns = cobra ? 540 : 400;
    for (int a = 0; a <= turns; a += 20) {
        const int R = U(18) - U(8) * a / turns;
        coil.insert(coil.end(),
                    {U(2) + R * CosQ12(a + 90) / 4096,
                     -U(10) - U(8) * a / turns + R / 3 * SinQ12(a + 90) / 4096, U(5) - U(1) * a / turns});
    }
    Tube(c.s, coil, Style(c.body, PART_LINE));
    const int neckX = coil[coil.size() - 3], neckY = coil[coil.size() - 2];
    const int hx = -U(6), hy = cobra ? -U(46) : -U(32);
    Curve(c.s, neckX, neckY, U(4), U(12), hy + U(10), hx + U(2), hy + U(4), U(4), Style(c.body, PART_LINE));
    Curve(c.s, neckX - U(1), neckY + U(2), U(2), U(10), hy + U(12), hx + U(1), hy + U(7), U(2),
          Style(c.belly, PART_NO_HIGHLIGHT));
    if (cobra) {
        Ellipse(c.s, hx + U(2), hy + U(4), U(12), U(14), Style(c.body, PART_LINE));
        Ellipse(c.s, hx + U(2), hy + U(6), U(8), U(10), Style(c.accent, PART_NO_HIGHLIGHT));
        for (int k = -1; k <= 1; k += 2)
            Ellipse(c.s, hx + U(2) + k * U(5), hy + U(3), U(2), U(3), Style(c.dark, PART_FLAT));
    }
    const int tongue = Material(c, {230, 60, 90});
    Capsule(c.s, hx - U(10), hy + U(3), U(1) / 2, hx - U(14), hy + U(4), U(1) / 2, Style(tongue, PART_FLAT));
    SerpentHead(c, hx, hy, cobra ? U(8) : U(9), cobra);
}

static void FloatingSerpent(Ctx &c)
{
    const int idx = c.plan->index;
    const bool wings = idx == 58, metal = idx == 92, mist = idx == 101, prism = idx == 106;
    const bool eel = idx == 69 || idx == 70;
    GroundShadow(c.s, 0, 0, U(18), U(3));
    std::vector<SpinePoint> spine;
    int headR;
    if (eel) {
        spine = WaveSpine(U(30), -U(18), -U(20), -U(30), U(7), 540, U(2), idx == 70 ? U(7) : U(6), 24);
        headR = idx == 70 ? U(9) : U(8);
    } else {
        const int rise = idx == 56 ? U(34) : U(50);
        spine = WaveSpine(U(22), -U(8), -U(6), -rise, U(12), 360, U(2), idx == 56 ? U(6) : U(7), 24);
        headR = idx == 56 ? U(9) : U(10);
    }
    const SpinePoint head = spine.back();
    if (wings) {
        for (int side = 0; side < 2; ++side) {
            const SpinePoint &at = spine[spine.size() * 3 / 5];
            const int dir = side ? 60 : -40;
            for (int k = 0; k < 4; ++k) {
                const int angle = dir + (side ? k * 18 : -k * 18);
                Ellipse(c.s, Toward(at.x, U(12), angle), TowardY(at.y, U(12), angle), U(4), U(13) - k * U(2),
                        Style(c.accent, PART_LINE), angle);
            }
        }
    }
    /* Fins or spikes along the back. */
    for (std::size_t i = 4; i + 3 < spine.size(); i += 3) {
        const SpinePoint &p = spine[i];
        const int mat = c.accent;
        Spike(c, p.x + p.r / 3, p.y - p.r / 2, p.r + U(2), eel ? 0 : 40, U(2),
              Style(mat, PART_LINE | PART_NO_HIGHLIGHT));
    }
    if (mist) {
        const int puff = Material(c, {196, 170, 214});
        for (int k = 0; k < 4; ++k) {
            Ellipse(c.s, spine[0].x + U(2) - k * U(3), spine[0].y - U(1) + k * U(2), U(5) - k * U(1),
                    U(4) - k * U(1) / 2, Style(puff, PART_LINE));
        }
    }
    PaintSpine(c, spine, c.body, metal ? 0 : c.belly);
    if (metal) {
        for (std::size_t i = 2; i < spine.size(); i += 3) {
            Ellipse(c.s, spine[i].x, spine[i].y, spine[i].r * 2 / 3, spine[i].r * 2 / 3,
                    Style(c.accent, PART_LINE));
        }
    }
    if (prism) {
        const Rgb hues[] = {
            {240, 110, 130},
            {250, 200, 90 },
            {120, 220, 140},
            {110, 170, 250},
            {190, 130, 240}
        };
        int k = 0;
        for (std::size_t i = 3; i + 2 < spine.size(); i += 4, ++k) {
            Spike(c, spine[i].x, spine[i].y + spine[i].r / 3, spine[i].r * 3 / 2, 30 + k * 10, U(2),
                  Style(Material(c, hues[k % 5]), PART_LINE));
        }
    }
    if (idx == 70 || idx == 69) {
        const int spark = Material(c, {255, 240, 90});
        for (std::size_t i = 5; i < spine.size(); i += 6) {
            Ellipse(c.s, spine[i].x, spine[i].y + U(1), U(2), U(1) + U(1) / 2,
                    Style(spark, PART_FLAT, SHADE_LIGHT));
        }
        if (idx == 70) {
            Polygon(c.s, {-U(28), -U(44), -U(22), -U(40), -U(25), -U(38)},
                    Style(spark, PART_FLAT, SHADE_LIGHT));
            Polygon(c.s, {U(26), -U(40), U(32), -U(34), U(28), -U(33)}, Style(spark, PART_FLAT, SHADE_LIGHT));
        }
    }
    const int hx = head.x - U(2), hy = head.y;
    if (!eel && !mist) {
        /* Horns and whiskers of the sky serpents and dragons. */
        const int hornMat = metal ? c.accent : c.bone;
        Spike(c, hx + headR / 3, hy - headR * 2 / 3, headR, 30, U(2), Style(hornMat, PART_LINE));
        if (idx != 56)
            Spike(c, hx + headR * 3 / 4, hy - headR / 3, headR * 4 / 5, 55, U(2), Style(hornMat, PART_LINE));
        Curve(c.s, hx - headR, hy + headR / 3, U(1) / 2, hx - headR * 2, hy + headR, hx - headR * 3 / 2,
              hy + headR * 2, U(1) / 2, Style(c.accent, PART_FLAT, SHADE_LIGHT));
    }
    if (mist) {
        for (int k = 0; k < 3; ++k) {
            Spike(c, hx + headR / 3, hy - headR / 2 + k * U(2), headR, 40 + k * 25, U(2),
                  Style(c.accent, PART_LINE));
        }
    }
    SerpentHead(c, hx, hy, headR, idx == 70 || idx == 92 || idx == 101);
    if (metal) {
        Ellipse(c.s, hx + U(1), hy - U(1), U(2), U(2),
                Style(Material(c, {250, 80, 60}), PART_FLAT, SHADE_LIGHT));
    }
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

static void Seahorse(Ctx &c, bool dragon)
{
    GroundShadow(c.s, 0, 0, U(12), U(2));
    const int fin = c.accent;
    if (dragon) {
        for (int k = 0; k < 4; ++k) {
            Leaf(c, U(4), -U(34) + k * U(6), U(16) - k * U(2), 60 + k * 20, fin);
            Leaf(c, -U(4), -U(40) + k * U(7), U(12) - k * U(2), -70 - k * 15, fin);
        }
    }
    Curve(c.s, U(4), -U(22), U(5), U(8), -U(2), -U(2), -U(6), U(2), Style(c.body, PART_LINE));
    Ellipse(c.s, -U(2), -U(7), U(3), U(3), Style(c.body, PART_LINE));
    Spike(c, U(7), -U(32), U(9), 80, U(5), Style(fin, PART_LINE));
    Ellipse(c.s, U(1), -U(30), U(8), U(11), Style(c.body), -10);
    Ellipse(c.s, -U(2), -U(28), U(4), U(8), Style(c.belly, PART_NO_HIGHLIGHT), -10);
    for (int k = 0; k < 4; ++k) {
        Capsule(c.s, -U(5), -U(34) + k * U(4), U(1) / 2, U(1), -U(34) + k * U(4), U(1) / 2,
                Style(c.body, PART_FLAT, SHADE_SHADOW));
    }
    const int hx = U(1), hy = -U(46);
    Capsule(c.s, hx - U(4), hy + U(2), U(3), hx - U(13), hy + U(4), U(2), Style(c.body, PART_LINE));
    Ellipse(c.s, hx, hy, U(7), U(6), Style(c.body, PART_LINE));
    Spike(c, hx + U(2), hy - U(5), U(6), 20, U(2), Style(fin, PART_LINE));
    if (dragon)
        Spike(c, hx + U(5), hy - U(3), U(8), 60, U(2), Style(fin, PART_LINE));
    CuteEye(c, hx - U(1), hy - U(1), c.young ? U(2) + U(1) / 2 : U(2));
}

/* The ancient dragon sleeps curled round a mountain peak, dreaming the weather: its coils pass
   behind the rock and in front of it, its head rests on the summit. */
static void DragonPeak(Ctx &c)
{
    const int rock = Material(c, {140, 132, 128}), snow = Material(c, {214, 226, 240});
    GroundShadow(c.s, 0, 0, U(28), U(3));
    std::vector<std::vector<int>> front, back;
    bool wasFront = false;
    for (int a = 0; a <= 630; a += 15) {
        const int r = U(26) - a * U(16) / 630, y = -U(8) - a * U(34) / 630, rad = U(5) - a * U(2) / 630;
        const bool isFront = SinQ12(a) > 0;
        std::vector<std::vector<int>> &runs = isFront ? front : back;
        if (runs.empty() || isFront != wasFront)
            runs.push_back({});
        runs.back().insert(runs.back().end(), {r * CosQ12(a) / 4096, y + r / 4 * SinQ12(a) / 4096, rad});
        wasFront = isFront;
    }
    for (const std::vector<int> &run : back)
        if (run.size() >= 6)
            Tube(c.s, run, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(24), 0, U(24), 0, U(2), -U(50)}, Style(rock, PART_LINE));
    Polygon(c.s, {-U(5), -U(36), U(8), -U(36), U(2), -U(50)}, Style(snow, PART_LINE));
    for (const std::vector<int> &run : front)
        if (run.size() >= 6) {
            Tube(c.s, run, Style(c.body, PART_LINE));
            for (size_t i = 3; i + 2 < run.size(); i += 6)
                Spike(c, run[i], run[i + 1] - run[i + 2] / 2, U(4), 0, U(1) + U(1) / 2,
                      Style(c.accent, PART_LINE));
        }
    const int hx = -U(6), hy = -U(48);
    Spike(c, hx + U(4), hy - U(4), U(7), 40, U(2), Style(c.bone, PART_LINE));
    Ellipse(c.s, hx, hy, U(8), U(5), Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(6), hy + U(2), U(5), U(3), Style(c.body, PART_LINE));
    Curve(c.s, hx - U(10), hy + U(3), U(1) / 2, hx - U(16), hy + U(6), hx - U(14), hy + U(12), U(1) / 2,
          Style(c.accent, PART_FLAT, SHADE_LIGHT));
    /* Asleep: the eye a closed curve. */
    Curve(c.s, hx - U(3), hy - U(1), U(1) / 2, hx - U(1), hy + U(1), hx + U(1), hy - U(1), U(1) / 2,
          Style(c.eye, PART_FLAT));
    const int cloud = Material(c, {200, 206, 226});
    Ellipse(c.s, U(22), -U(56), U(6), U(3), Style(cloud, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, U(27), -U(58), U(4), U(3), Style(cloud, PART_LINE | PART_NO_HIGHLIGHT));
}

void DrawSerpent(Ctx &c)
{
    if (c.plan->index == 106) {
        DragonPeak(c);
        return;
    }
    switch (c.plan->index) {
    case 0:
        Salamander(c);
        break;
    case 25:
        Caterpillar(c);
        break;
    case 64:
        Coiled(c, false);
        break;
    case 65:
        Coiled(c, true);
        break;
    default:
        FloatingSerpent(c);
        break;
    }
}

void DrawFish(Ctx &c)
{
    const int idx = c.plan->index;
    if (idx == 31 || idx == 32) {
        Seahorse(c, idx == 32);
        return;
    }
    if (idx == 99) { /* ray: a wide diamond seen from above, tail with a spark */
        GroundShadow(c.s, 0, 0, U(24), U(3));
        const int cy = -U(30);
        Curve(c.s, U(4), cy + U(8), U(2), U(16), cy + U(20), U(30), cy + U(10), U(1),
              Style(c.accent, PART_LINE));
        Polygon(c.s, {U(30), cy + U(9), U(34), cy + U(14), U(29), cy + U(14), U(32), cy + U(19)},
                Style(Material(c, {255, 240, 120}), PART_FLAT, SHADE_LIGHT));
        Polygon(c.s,
                {-U(30), cy + U(2), -U(4), cy - U(14), U(4), cy - U(14), U(30), cy + U(2), U(4), cy + U(12),
                 -U(4), cy + U(12)},
                Style(c.body));
        Polygon(c.s, {-U(24), cy + U(2), -U(6), cy + U(8), -U(10), cy + U(1)},
                Style(c.accent, PART_FLAT, SHADE_LIGHT));
        Polygon(c.s, {U(24), cy + U(2), U(6), cy + U(8), U(10), cy + U(1)},
                Style(c.accent, PART_FLAT, SHADE_LIGHT));
        Ellipse(c.s, 0, cy - U(4), U(8), U(6), Style(c.body, PART_LINE));
        CuteEye(c, -U(4), cy - U(5), U(2));
        CuteEye(c, U(4), cy - U(5), U(2));
        Smile(c, 0, cy + U(1), U(2));
        return;
    }
    if (idx == 102 || idx == 103) { /* sea sprite: a round face on a curling fish tail */
        const bool nymph = idx == 103;
        GroundShadow(c.s, 0, 0, U(14), U(2));
        const int hy = nymph ? -U(46) : -U(36);
        Curve(c.s, 0, hy + U(12), U(7), U(12), hy + U(30), -U(2), -U(8), U(2), Style(c.body, PART_LINE));
        Spike(c, -U(2), -U(8), U(9), 220, U(4), Style(c.accent, PART_LINE));
        Spike(c, -U(2), -U(8), U(9), 290, U(4), Style(c.accent, PART_LINE));
        if (nymph) {
            for (int k = 0; k < 5; ++k)
                Leaf(c, U(2), hy - U(2), U(16), 150 + k * 22, c.accent);
        }
        Ellipse(c.s, 0, hy + U(12), U(7), U(8), Style(c.body, PART_LINE));
        for (int side = -1; side <= 1; side += 2) {
            Capsule(c.s, side * U(5), hy + U(10), U(2), side * U(10), hy + U(16), U(2),
                    Style(c.body, PART_LINE));
            Spike(c, side * U(8), hy - U(2), U(8), side * 70, U(3), Style(c.accent, PART_LINE));
        }
        const int face = Material(c, {250, 214, 190});
        Ellipse(c.s, 0, hy, U(9), U(8), Style(face, PART_LINE));
        Ellipse(c.s, 0, hy - U(6), U(9), U(4), Style(c.accent, PART_LINE));
        CuteEye(c, -U(3), hy + U(1), U(2) + U(1) / 2);
        CuteEye(c, U(3), hy + U(1), U(2) + U(1) / 2);
        Smile(c, 0, hy + U(5), U(1) + U(1) / 2);
        if (nymph)
            Ellipse(c.s, 0, hy - U(6), U(2), U(2), Style(Material(c, {250, 120, 200}), PART_LINE));
        return;
    }
    if (idx == 93) { /* whale with a wave on its back and a spout */
        GroundShadow(c.s, 0, 0, U(30), U(3));
        const int cy = -U(20);
        const int water = Material(c, {130, 200, 250});
        Capsule(c.s, U(-6), cy - U(16), U(1), U(-6), cy - U(26), U(1), Style(water, PART_FLAT, SHADE_LIGHT));
        for (int k = -1; k <= 1; ++k)
            Ellipse(c.s, -U(6) + k * U(4), cy - U(28) + (k != 0) * U(2), U(3), U(2), Style(water, PART_LINE));
        Spike(c, U(28), cy, U(10), 40, U(5), Style(c.body, PART_LINE));
        Spike(c, U(28), cy, U(10), 100, U(5), Style(c.body, PART_LINE));
        Ellipse(c.s, 0, cy, U(30), U(14), Style(c.body));
        Ellipse(c.s, -U(4), cy + U(7), U(24), U(7), Style(c.belly, PART_NO_HIGHLIGHT));
        for (int k = 0; k < 4; ++k) {
            Capsule(c.s, -U(18) + k * U(8), cy + U(4), U(1) / 2, -U(14) + k * U(8), cy + U(12), U(1) / 2,
                    Style(c.body, PART_FLAT, SHADE_SHADOW));
        }
        /* A living reef rides on its back: coral knobs and fronds of weed. */
        const int weed = Material(c, {90, 160, 100});
        for (int k = 0; k < 3; ++k)
            Leaf(c, U(6) + k * U(8), cy - U(12), U(9), -20 + k * 20, weed);
        for (int k = 0; k < 5; ++k)
            Ellipse(c.s, U(2) + k * U(5), cy - U(12) - (k % 2) * U(3), U(3), U(3),
                    Style(c.accent, PART_LINE));
        Spike(c, -U(2), cy + U(6), U(10), 200, U(4), Style(c.body, PART_LINE));
        CuteEye(c, -U(18), cy - U(2), U(2) + U(1) / 2);
        Smile(c, -U(22), cy + U(5), U(4));
        return;
    }
    /* Side-view fish: narwhal and anglerfish. */
    const bool angler = idx == 71;
    GroundShadow(c.s, 0, 0, U(22), U(3));
    const int cx = U(2), cy = angler ? -U(24) : -U(26);
    if (angler) {
        const int lure = Material(c, c.plan->accentColour);
        Curve(c.s, -U(4), cy - U(14), U(1), -U(12), cy - U(30), -U(24), cy - U(18), U(1) / 2,
              Style(c.body, PART_LINE));
        Ellipse(c.s, -U(24), cy - U(15), U(4), U(4), Style(lure, PART_LINE));
        FishBody(c, cx, cy, U(20), U(18), c.body);
        Ellipse(c.s, -U(10), cy + U(6), U(10), U(6), Style(c.mouth, PART_FLAT));
        for (int k = 0; k < 4; ++k) {
            Spike(c, -U(17) + k * U(4), cy + U(1), U(4), 180, U(1), Style(c.bone, PART_NO_HIGHLIGHT));
            Spike(c, -U(16) + k * U(4), cy + U(12), U(3), 0, U(1), Style(c.bone, PART_NO_HIGHLIGHT));
        }
        WhiteEye(c, -U(4), cy - U(6), U(4), -U(1));
    } else {
        FishBody(c, cx, cy, U(24), U(12), c.body);
        for (int k = 0; k < 5; ++k)
            Dot(c.s, U(2) + k * U(4), cy - U(6) + (k % 2) * U(2), c.dark, SHADE_BASE);
        Spike(c, cx - U(22), cy - U(2), U(22), -80, U(2), Style(c.accent, PART_LINE));
        CuteEye(c, cx - U(14), cy - U(2), U(2) + U(1) / 2);
        Smile(c, cx - U(18), cy + U(4), U(3));
    }
}

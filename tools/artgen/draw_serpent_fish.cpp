/* Long-bodied and swimming creatures: the eels, the dragon asleep round its mountain, and
   fish (anglerfish, narwhal, whale, storm ray), each shaped per entry. */
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

/* Eels floating in an S-curve, fins along the back, sparks along the body. */
static void Eel(Ctx &c)
{
    const bool big = c.plan->index == 70;
    GroundShadow(c.s, 0, 0, U(18), U(3));
    const std::vector<SpinePoint> spine =
        WaveSpine(U(30), -U(18), -U(20), -U(30), U(7), 540, U(2), big ? U(7) : U(6), 24);
    const int headR = big ? U(9) : U(8);
    const SpinePoint head = spine.back();
    for (std::size_t i = 4; i + 3 < spine.size(); i += 3) {
        const SpinePoint &p = spine[i];
        Spike(c, p.x + p.r / 3, p.y - p.r / 2, p.r + U(2), 0, U(2),
              Style(c.accent, PART_LINE | PART_NO_HIGHLIGHT));
    }
    PaintSpine(c, spine, c.body, c.belly);
    const int spark = Material(c, {255, 240, 90});
    for (std::size_t i = 5; i < spine.size(); i += 6)
        Ellipse(c.s, spine[i].x, spine[i].y + U(1), U(2), U(1) + U(1) / 2,
                Style(spark, PART_FLAT, SHADE_LIGHT));
    if (big) {
        Polygon(c.s, {-U(28), -U(44), -U(22), -U(40), -U(25), -U(38)}, Style(spark, PART_FLAT, SHADE_LIGHT));
        Polygon(c.s, {U(26), -U(40), U(32), -U(34), U(28), -U(33)}, Style(spark, PART_FLAT, SHADE_LIGHT));
    }
    SerpentHead(c, head.x - U(2), head.y, headR, big);
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
    Eel(c);
}

void DrawFish(Ctx &c)
{
    const int idx = c.plan->index;
    if (idx == 99) {
        /* The storm ray seen from above: broad rounded wings curling at their tips, a raised head
           with two spiracles, lightning crackling along its whip tail. */
        GroundShadow(c.s, 0, 0, U(24), U(3));
        const int cy = -U(32), spark = Material(c, {255, 240, 120});
        Curve(c.s, U(2), cy + U(10), U(2), U(6), cy + U(24), U(22), cy + U(26), U(1),
              Style(c.accent, PART_LINE));
        Polygon(c.s, {U(22), cy + U(20), U(28), cy + U(24), U(23), cy + U(26), U(27), cy + U(31)},
                Style(spark, PART_FLAT, SHADE_LIGHT));
        for (int side = -1; side <= 1; side += 2) {
            Ellipse(c.s, side * U(14), cy + U(1), U(17), U(9), Style(c.body, PART_LINE), side * 18);
            Ellipse(c.s, side * U(28), cy - U(6), U(4), U(3), Style(c.body, PART_LINE), side * 50);
            Capsule(c.s, side * U(6), cy + U(2), U(1), side * U(24), cy - U(2), U(1) / 2,
                    Style(c.accent, PART_FLAT, SHADE_LIGHT));
        }
        Ellipse(c.s, 0, cy, U(10), U(12), Style(c.body));
        Ellipse(c.s, 0, cy - U(6), U(7), U(5), Style(c.body, PART_LINE));
        for (int side = -1; side <= 1; side += 2)
            Ellipse(c.s, side * U(3), cy - U(11), U(1) + U(1) / 2, U(1), Style(c.dark, PART_FLAT));
        CuteEye(c, -U(4), cy - U(6), U(2));
        CuteEye(c, U(4), cy - U(6), U(2));
        Smile(c, 0, cy - U(1), U(2));
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
        for (int k = 0; k < 4; ++k)
            Capsule(c.s, -U(18) + k * U(8), cy + U(4), U(1) / 2, -U(14) + k * U(8), cy + U(12), U(1) / 2,
                    Style(c.body, PART_FLAT, SHADE_SHADOW));
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

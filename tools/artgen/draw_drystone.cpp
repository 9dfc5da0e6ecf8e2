/* Pictures of the plan rows whose body is BODY_DRYSTONE, the dry-stone family: a fieldstone on stubby
   feet, a stack of stones with stick arms and a round sheepfold walking on four stone legs. */
#include "creature_drawers.h"

#include <algorithm>

/* Dry-stone walls of the fields come alive: flat fieldstones laid without mortar, moss and lichen
   on the weathered faces. Each slab is a chamfered block, lit from the upper left. */
static const Rgb GATE_GREY = {176, 170, 150};
static const Rgb FOLD_GRASS = {92, 120, 60};
static const Rgb FLEECE = {226, 222, 212};

static const Rgb LICHEN = {196, 204, 120};

static void Slab(Ctx &c, int cx, int cy, int halfW, int halfH, int material)
{
    const int k = halfH * 2 / 3;
    Polygon(c.s,
            {cx - halfW + k, cy - halfH, cx + halfW - k, cy - halfH, cx + halfW, cy - halfH + k, cx + halfW,
             cy + halfH - k, cx + halfW - k, cy + halfH, cx - halfW + k, cy + halfH, cx - halfW,
             cy + halfH - k, cx - halfW, cy - halfH + k},
            Style(material, PART_LINE));
}

/* A cushion of moss along a stone's top edge, tufts hanging over the front. */
static void MossCap(Ctx &c, int cx, int topY, int halfW, int material)
{
    Ellipse(c.s, cx, topY, halfW, halfW / 3, Style(material, PART_LINE));
    for (int k = -2; k <= 2; ++k)
        Ellipse(c.s, cx + k * halfW * 2 / 5, topY - halfW / 5 + (k * k) * U(1) / 2, halfW / 4, halfW / 5,
                Style(material, PART_LINE));
    for (int k = -1; k <= 1; k += 2)
        Spike(c, cx + k * halfW / 2, topY + halfW / 5, halfW / 4, 180, U(2), Style(material, PART_LINE));
}

static void LichenPatch(Ctx &c, int x, int y, int r, int material)
{
    Ellipse(c.s, x, y, r, r * 2 / 3, Style(material, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, x + r * 2 / 3, y + r / 3, r / 2, r / 2, Style(material, PART_FLAT, SHADE_BASE));
}

static void StoneEyes(Ctx &c, int x, int y, int r, bool fierce)
{
    for (int side = -1; side <= 1; side += 2) {
        if (fierce) {
            Spike(c, x + side * r * 5 / 2, y - r * 2, r * 2, -side * 100, r / 2 + U(1) / 2,
                  Style(c.dark, PART_FLAT));
            FierceEye(c, x + side * r * 2, y, r, side * 15, Material(c, {250, 214, 90}));
        } else {
            CuteEye(c, x + side * r * 2, y, r);
        }
    }
}

/* The last stage is no builder but a round sheepfold got up on four squat legs of stacked stones: a
   ring wall of fieldstones laid dry in courses, upright coping stones bristling along its rim, a
   hurdle gate of grey laths for a mouth, deep-set eyes in the stones over it and a lamb peeking
   over the back of the rim. */
static void Sheepfold(Ctx &c, int stone, int stone2, int lichen)
{
    const int gate = Material(c, GATE_GREY), grass = Material(c, FOLD_GRASS), fleece = Material(c, FLEECE);
    const int rx = U(40), top = -U(50), bottom = -U(24), sag = U(8);
    GroundShadow(c.s, 0, 0, U(38), U(3));
    /* Far legs. */
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; ++k)
            Slab(c, side * U(29), -U(6) - k * U(7), U(5), U(3) + U(1) / 2, k % 2 ? stone : stone2);
    /* The front of the wall: courses of flat stones curving round with the ring, dark gaps between. */
    Polygon(c.s, {-rx, top, rx, top, rx, bottom, -rx, bottom}, Style(c.dark, PART_LINE));
    Ellipse(c.s, 0, bottom, rx, sag, Style(c.dark, PART_LINE));
    for (int row = 0; row < 4; ++row) {
        const int y = top + U(6) + row * U(8);
        for (int k = 0; k < 9; ++k) {
            const int x = -rx + U(2) + k * U(11) - (row % 2) * U(5);
            const int curve = sag - (int)((int64_t)x * x / rx) * sag / rx;
            const int half = std::min(U(6), std::min(x + rx, rx - x) + U(1));
            if (half >= U(3))
                Slab(c, x, y + curve, half, U(4), (row + k) % 3 == 0 ? stone2 : stone);
        }
    }
    /* The top of the ring: its far rim, the grass inside and a lamb peeking over the back. */
    Ellipse(c.s, 0, top, rx, sag + U(2), Style(stone2, PART_LINE));
    Ellipse(c.s, 0, top + U(1), rx - U(5), sag - U(2), Style(grass, PART_LINE));
    Ellipse(c.s, U(12), top - U(4), U(5), U(4), Style(fleece, PART_LINE));
    Ellipse(c.s, U(6), top - U(5), U(3), U(1) + U(1) / 2, Style(fleece, PART_LINE), -20);
    Ellipse(c.s, U(18), top - U(5), U(3), U(1) + U(1) / 2, Style(fleece, PART_LINE), 20);
    CuteEye(c, U(10), top - U(4), U(1) + U(1) / 2);
    CuteEye(c, U(14), top - U(4), U(1) + U(1) / 2);
    for (int k = 0; k < 8; ++k) {
        const int x = -rx + U(6) + k * U(11);
        if (x > U(2) && x < U(22))
            continue;
        Slab(c, x, top - sag + (int)((int64_t)x * x / rx) * sag / rx - U(1), U(3), U(4), stone2);
    }
    /* Coping stones standing up along the near rim, a bristling crest. */
    for (int k = 0; k < 11; ++k) {
        const int x = -rx + U(3) + k * (rx * 2 - U(6)) / 10;
        const int curve = sag - (int)((int64_t)x * x / rx) * sag / rx;
        Slab(c, x, top + curve - U(2), U(3) + U(1) / 2, U(5), k % 2 ? stone : stone2);
    }
    /* The hurdle gate: grey laths across a dark way in. */
    const int gy = bottom + sag - U(10);
    Polygon(c.s, {-U(8), gy - U(10), U(8), gy - U(10), U(8), gy + U(10), -U(8), gy + U(10)},
            Style(c.dark, PART_LINE | PART_FLAT, SHADE_SHADOW));
    for (int k = 0; k < 4; ++k)
        Capsule(c.s, -U(6) + k * U(4), gy - U(10), U(1) + U(1) / 2, -U(6) + k * U(4), gy + U(9),
                U(1) + U(1) / 2, Style(gate, PART_LINE));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(8), gy - U(5) + k * U(9), U(1) + U(1) / 2, U(8), gy - U(5) + k * U(9),
                U(1) + U(1) / 2, Style(gate, PART_LINE));
    Capsule(c.s, -U(7), gy + U(7), U(1), U(7), gy - U(8), U(1), Style(gate, PART_LINE));
    LichenPatch(c, -U(26), top + U(16), U(3), lichen);
    LichenPatch(c, U(28), top + U(24), U(3), lichen);
    /* Near legs of stacked stones. */
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; ++k)
            Slab(c, side * U(19), -U(4) - k * U(7), U(6), U(3) + U(1) / 2, k % 2 ? stone2 : stone);
    /* Deep-set eyes in the stones over the gate. */
    const int ey = gy - U(15);
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(5), ey, U(4), U(3), Style(c.dark, PART_LINE | PART_FLAT, SHADE_SHADOW));
    StoneEyes(c, 0, ey, U(2) + U(1) / 2, true);
}

/* The fieldstone is one flat stone on two stubs; the stack is three stones with stick arms; the
   last is a round sheepfold walking on four stone legs. */
static void DryStoneWalker(Ctx &c)
{
    const int stone = c.body, stone2 = Material(c, Darker(c.plan->bodyColour, 14));
    const int moss = c.accent, lichen = Material(c, LICHEN);
    const int stage = c.plan->stage;
    if (stage == 1) {
        GroundShadow(c.s, 0, 0, U(20), U(3));
        for (int side = -1; side <= 1; side += 2)
            Ellipse(c.s, side * U(9), -U(3), U(5), U(3), Style(stone2, PART_LINE));
        Slab(c, 0, -U(13), U(21), U(9), stone);
        Capsule(c.s, -U(17), -U(8), U(1) / 2, U(17), -U(8), U(1) / 2, Style(stone, PART_FLAT, SHADE_SHADOW));
        MossCap(c, -U(1), -U(22), U(15), moss);
        LichenPatch(c, U(14), -U(11), U(3), lichen);
        StoneEyes(c, -U(2), -U(14), U(3), false);
        Smile(c, -U(2), -U(9), U(3));
        return;
    }
    if (stage == 2) {
        GroundShadow(c.s, 0, 0, U(20), U(3));
        for (int side = -1; side <= 1; side += 2)
            Slab(c, side * U(8), -U(3), U(6), U(3), stone2);
        /* Stick arms of long thin stones: one hangs, one waves. */
        Capsule(c.s, -U(13), -U(24), U(3), -U(22), -U(40), U(2), Style(stone2, PART_LINE));
        Ellipse(c.s, -U(23), -U(42), U(4), U(4), Style(stone, PART_LINE));
        Capsule(c.s, U(15), -U(24), U(3), U(22), -U(12), U(2), Style(stone2, PART_LINE));
        Ellipse(c.s, U(23), -U(10), U(4), U(4), Style(stone, PART_LINE));
        /* Three stones laid one on another, a dark joint between each, moss squeezed out of
           the joints: the stones stay the picture, the moss only lines their seams. */
        Slab(c, 0, -U(11), U(17), U(6), stone);
        Slab(c, U(2), -U(24), U(15), U(6), stone2);
        Slab(c, -U(1), -U(37), U(12), U(7), stone);
        for (int joint = 0; joint < 2; ++joint) {
            const int y = -U(17) - joint * U(13) - joint * U(1) / 2, half = U(14) - joint * U(3);
            for (int k = -2; k <= 2; ++k)
                Ellipse(c.s, k * half / 2 + (k % 2) * U(1), y + (k % 2) * U(1) / 2, U(3), U(2),
                        Style(moss, PART_LINE));
            Spike(c, -half / 2, y + U(1), U(4), 180, U(2), Style(moss, PART_LINE));
            Spike(c, half / 2 + U(2), y + U(1), U(3), 180, U(2), Style(moss, PART_LINE));
        }
        /* Chips and a crack in the weathered faces. */
        Capsule(c.s, U(6), -U(14), U(1) / 2, U(11), -U(8), U(1) / 2, Style(stone, PART_FLAT, SHADE_OUTLINE));
        Capsule(c.s, -U(10), -U(26), U(1) / 2, -U(6), -U(22), U(1) / 2,
                Style(stone2, PART_FLAT, SHADE_OUTLINE));
        Ellipse(c.s, -U(3), -U(44), U(4), U(2), Style(moss, PART_LINE));
        StoneEyes(c, -U(1), -U(37), U(2) + U(1) / 2, false);
        Smile(c, -U(1), -U(33), U(2));
        return;
    }
    Sheepfold(c, stone, stone2, lichen);
}

/* The scarecrow stands on two poles in dark boots, its arms along the crossbar with straw at the
   cuffs, straw at the hem of its patched coat, a brimmed hat over a stitched face. */

void DrawDrystone(Ctx &c)
{
    DryStoneWalker(c);
}

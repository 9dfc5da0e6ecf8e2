/* Pictures of the plan rows whose body is BODY_BIPED, two-legged creatures: the dry-stone golems and the
   scarecrow face the viewer, the dust kangaroo joey sits side on facing left. */
#include "creature_drawers.h"

#include <algorithm>

/* Dry-stone golems of the wall builders: flat fieldstones laid without mortar, moss and lichen
   on the weathered faces. Each slab is a chamfered block, lit from the upper left. */
static const Rgb MORTAR = {206, 196, 170};

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

/* The fieldstone is one flat stone on two stubs; the stack is three stones with stick arms; the
   wall builder is a whole wall on stone pillars, its fists bound in mortar, a lichen beard. */
static void DryStoneGolem(Ctx &c)
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
    const int mortar = Material(c, MORTAR);
    GroundShadow(c.s, 0, 0, U(30), U(3));
    /* Pillar legs of stacked blocks. */
    for (int side = -1; side <= 1; side += 2) {
        Slab(c, side * U(11), -U(4), U(8), U(4), stone2);
        Slab(c, side * U(11), -U(11), U(7), U(4), stone);
    }
    /* Arms of three stones each down to the mortar-bound fists. */
    for (int side = -1; side <= 1; side += 2) {
        Slab(c, side * U(24), -U(44), U(7), U(5), stone2);
        Slab(c, side * U(27), -U(35), U(6), U(5), stone);
        Slab(c, side * U(28), -U(18), U(8), U(7), stone);
        for (int k = 0; k < 2; ++k)
            Capsule(c.s, side * U(28) - U(7), -U(21) + k * U(6), U(1), side * U(28) + U(7), -U(21) + k * U(6),
                    U(1), Style(mortar, PART_FLAT, SHADE_LIGHT));
        Capsule(c.s, side * U(27), -U(30), U(2), side * U(28), -U(26), U(2), Style(mortar, PART_LINE));
    }
    /* The wall of the body: courses of slabs laid in a running bond. */
    Polygon(c.s, {-U(15), -U(15), U(15), -U(15), U(22), -U(47), -U(22), -U(47)}, Style(c.dark, PART_LINE));
    for (int row = 0; row < 4; ++row) {
        const int y = -U(19) - row * U(8), room = U(15) + row * U(2);
        for (int k = 0; k < 4; ++k) {
            const int from = std::max(-room, -room - (row % 2) * U(6) + k * U(12));
            const int to = std::min(room, -room - (row % 2) * U(6) + (k + 1) * U(12));
            if (to - from < U(4))
                continue;
            Slab(c, (from + to) / 2, y, (to - from) / 2 - U(1) / 2, U(3) + U(1) / 2,
                 (row + k) % 2 == 0 ? stone : stone2);
        }
    }
    Slab(c, 0, -U(49), U(26), U(4), stone2);
    LichenPatch(c, -U(13), -U(27), U(3), lichen);
    LichenPatch(c, U(12), -U(36), U(2), lichen);
    /* A squat head block with a beard of lichen over the top course. */
    Slab(c, 0, -U(61), U(12), U(9), stone);
    for (int k = -2; k <= 2; ++k)
        Spike(c, k * U(4), -U(55), U(13) - (k * k) * U(2), 180 + k * 8, U(3), Style(moss, PART_LINE));
    MossCap(c, 0, -U(70), U(9), moss);
    StoneEyes(c, 0, -U(62), U(2) + U(1) / 2, true);
}

/* The scarecrow stands on two poles in dark boots, its arms along the crossbar with straw at the
   cuffs, straw at the hem of its patched coat, a brimmed hat over a stitched face. */
static const int SCARECROW_ENTRY = 21;

static void Scarecrow(Ctx &c)
{
    const int legLen = U(14), legR = U(2), brx = U(8), bry = U(11);
    const int hr = U(9), armR = U(1), armLen = U(16);
    const int bodyY = -legLen - bry;
    GroundShadow(c.s, 0, 0, brx + U(5), U(3));
    const int limb = Material(c, {150, 110, 70});
    for (int side = -1; side <= 1; side += 2) {
        const int lx = side * (brx / 2);
        Capsule(c.s, lx, bodyY + bry / 2, legR, lx, -legR, legR, Style(limb, PART_LINE));
        const int footR = legR + U(1), footRy = footR * 2 / 3;
        Ellipse(c.s, lx + side * U(1), -footRy + U(1) / 2, footR + U(1), footRy, Style(c.dark, PART_LINE));
    }
    Ellipse(c.s, 0, bodyY, brx, bry, Style(c.accent, PART_LINE));
    for (int k = -1; k <= 1; ++k)
        Spike(c, k * U(4), bodyY + bry - U(1), U(5), 180 + k * 20, U(2), Style(c.body, PART_LINE));
    Ellipse(c.s, -brx / 3, bodyY + bry / 4, U(2), U(2), Style(Material(c, {200, 90, 70}), PART_LINE));
    for (int side = -1; side <= 1; side += 2) {
        const int sy = bodyY - bry / 2, hx = side * (brx + armLen / 3);
        Capsule(c.s, 0, sy, armR, hx, sy, armR, Style(limb, PART_LINE));
        for (int k = -1; k <= 1; ++k)
            Spike(c, hx, sy, U(4), side * 90 + k * 35, U(1), Style(c.body, PART_LINE));
    }
    const int headY = bodyY - bry - hr * 2 / 3;
    Ellipse(c.s, 0, headY, hr, hr * 9 / 10, Style(c.body, PART_LINE));
    Ellipse(c.s, 0, headY - hr * 2 / 3, hr * 3 / 2, hr / 4, Style(limb, PART_LINE));
    Polygon(c.s,
            {-hr * 2 / 3, headY - hr * 2 / 3, -hr / 3, headY - hr * 2, hr / 3, headY - hr * 2, hr * 2 / 3,
             headY - hr * 2 / 3},
            Style(limb, PART_LINE));
    Capsule(c.s, -hr / 2, headY, U(1), -hr / 4, headY, U(1), Style(c.eye, PART_FLAT));
    Capsule(c.s, hr / 4, headY, U(1), hr / 2, headY, U(1), Style(c.eye, PART_FLAT));
    Smile(c, 0, headY + hr / 2, hr / 2);
}

/* The dust kangaroo joey sits side on, facing left, on a tripod of its two long hind feet and a
   thick tail laid along the ground; small forepaws held in front of its chest, ears up but short. */
static const int JOEY_ENTRY = 62;

static void KangarooJoey(Ctx &c)
{
    const int fur = c.body, light = c.belly, ear = c.accent;
    const int dust = Material(c, {204, 188, 164});
    const int far = Material(c, Darker(c.plan->bodyColour, 16));
    GroundShadow(c.s, U(6), 0, U(30), U(3));
    /* It has just landed: dust puffs up in little clouds round its toes and the tail's tip. */
    static const int PUFFS[][3] = {
        {-U(28), -U(5),  U(5)},
        {-U(34), -U(10), U(4)},
        {-U(26), -U(12), U(4)},
        {-U(35), -U(3),  U(3)},
        {U(40),  -U(5),  U(4)},
        {U(37),  -U(10), U(3)},
    };
    for (const int *p : PUFFS)
        Ellipse(c.s, p[0], p[1], p[2], p[2] * 4 / 5, Style(dust, PART_LINE | PART_NO_HIGHLIGHT));
    /* The tail is the third leg: thick where it leaves the haunch, resting on the ground to its tip. */
    Tube(c.s, {U(8), -U(16), U(8), U(20), -U(7), U(6), U(30), -U(3), U(3) + U(1) / 2, U(37), -U(3), U(2)},
         Style(fur, PART_LINE));
    /* The far foot and forepaw show a little behind the near ones. */
    Ellipse(c.s, -U(13), -U(4), U(12), U(3) + U(1) / 2, Style(far, PART_LINE));
    Capsule(c.s, -U(6), -U(34), U(3), -U(15), -U(28), U(2) + U(1) / 2, Style(far, PART_LINE));
    /* A round body sitting upright, leaning a little forward, the pale belly in front. */
    Ellipse(c.s, -U(1), -U(25), U(12), U(15), Style(fur, PART_LINE), -12);
    Ellipse(c.s, -U(6), -U(25), U(6), U(11), Style(light, PART_NO_HIGHLIGHT), -12);
    /* The long near foot under a big haunch, the haunch's fold shaded. */
    Ellipse(c.s, -U(9), -U(4), U(14), U(4), Style(fur, PART_LINE));
    Ellipse(c.s, U(4), -U(13), U(11), U(10), Style(fur, PART_LINE), 20);
    Curve(c.s, -U(2), -U(19), U(1) / 2 + U(1) / 4, U(6), -U(24), U(12), -U(17), U(1) / 2 + U(1) / 4,
          Style(fur, PART_FLAT, SHADE_SHADOW));
    /* The toes stand proud of the foot, the joey's weight on them. */
    Ellipse(c.s, -U(22), -U(3), U(3), U(3), Style(fur, PART_LINE));
    /* The near forepaw, curled in front of the chest. */
    Capsule(c.s, -U(8), -U(33), U(3), -U(16), -U(27), U(2) + U(1) / 2, Style(fur, PART_LINE));
    Ellipse(c.s, -U(17), -U(26), U(3), U(2) + U(1) / 2, Style(fur, PART_LINE));
    /* Head: round at the back, a longer muzzle forward, ears upright but not long. */
    const int hx = -U(6), hy = -U(46);
    Ellipse(c.s, hx + U(7), hy - U(11), U(4), U(5), Style(far, PART_LINE), 20);
    Ellipse(c.s, hx, hy, U(12), U(11), Style(fur, PART_LINE));
    Ellipse(c.s, hx - U(11), hy + U(4), U(9), U(6), Style(fur, PART_LINE), -8);
    Ellipse(c.s, hx - U(10), hy + U(6), U(7), U(3) + U(1) / 2, Style(light, PART_NO_HIGHLIGHT), -8);
    Ellipse(c.s, hx - U(19), hy + U(2), U(2) + U(1) / 2, U(2), Style(c.eye, PART_FLAT));
    Ellipse(c.s, hx + U(2), hy - U(12), U(4) + U(1) / 2, U(6), Style(fur, PART_LINE), 8);
    Ellipse(c.s, hx + U(2), hy - U(12), U(2), U(4), Style(ear, PART_FLAT, SHADE_LIGHT), 8);
    CuteEye(c, hx - U(4), hy - U(1), U(4));
    Curve(c.s, hx - U(17), hy + U(7), U(1) / 2, hx - U(15), hy + U(8), hx - U(13), hy + U(7), U(1) / 2,
          Style(c.mouth, PART_FLAT));
}

void DrawBiped(Ctx &c)
{
    if (c.plan->index == SCARECROW_ENTRY)
        Scarecrow(c);
    else if (c.plan->index == JOEY_ENTRY)
        KangarooJoey(c);
    else
        DryStoneGolem(c);
}

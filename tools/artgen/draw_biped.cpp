/* Two-legged creatures seen from the front: legs, body, arms and head, with per-entry
   features (rock chunks, fur, tails, hats, armour, wings, crystals, moss). */
#include "creature_drawers.h"

#include <algorithm>

enum BipedExtra : unsigned {
    FUR = 1u << 2,
    MONKEY = 1u << 3,
    SCARECROW = 1u << 5,
    ROBOT = 1u << 6,
    HORNS = 1u << 10,
    MOSS = 1u << 12,
    BIG_FISTS = 1u << 13,
    TAIL = 1u << 14,
    SUNK_HEAD = 1u << 15,
    FIERCE = 1u << 16,
};

struct BipedLook {
    int entry;
    int legLen, legR, bodyRx, bodyRy, headR, armLen, armR, handR; /* pixels */
    unsigned extras;
};

/* clang-format off */
static const BipedLook LOOKS[] = {
    /* entry leg legR bodyRx bodyRy head arm armR hand extras */
    {  15,   4,  4,  11,  10,  12,   8,  3,  4, FUR},
    {  16,   9,  6,  17,  15,  12,  18,  5,  7, FUR | BIG_FISTS | FIERCE | HORNS},
    {  21,  14,  2,   8,  11,   9,  16,  1,  3, SCARECROW},
    {  31,   5,  2,   8,   8,  10,   9,  2,  3, MONKEY | TAIL},
    {  32,   7,  4,  13,  12,  10,  21,  4,  5, MONKEY},
    {  40,  11,  4,  12,  12,   9,  14,  3,  5, ROBOT},
    {  97,  11,  6,  17,  16,   9,  18,  5,  6, MOSS | SUNK_HEAD},
};
/* clang-format on */

static const BipedLook &LookOf(int entry)
{
    for (const BipedLook &look : LOOKS)
        if (look.entry == entry)
            return look;
    return LOOKS[0];
}

/* Pale blue of the bare yeti face, set off from the whitish fur around it. */
static const Rgb YETI_FACE = {160, 200, 242};
static const Rgb YETI_NOSE = {58, 64, 104};

/* A dark eye whose highlight sits well inside it, so rounding never drops it on the face. */
static void YetiEye(Ctx &c, int x, int y, int rx, int ry, int angle)
{
    Ellipse(c.s, x, y, rx, ry, Style(c.eye, PART_FLAT), angle);
    Dot(c.s, x - rx / 3, y - ry / 3, c.white, SHADE_BASE);
}

/* The yeti's bare face under a short fringe: small dark eyes, a nose and a mouth; the
   fierce one frowns under heavy brows and roars with fangs. */
static void YetiFace(Ctx &c, int headY, int hr, bool fierce)
{
    const int face = Material(c, YETI_FACE);
    Ellipse(c.s, 0, headY + hr / 6, hr * 3 / 4, hr * 2 / 3, Style(face, PART_LINE | PART_FLAT));
    Spike(c, 0, headY - hr * 3 / 5, hr / 4, 180, hr / 6, Style(c.body, PART_NO_HIGHLIGHT));
    const int nose = Material(c, YETI_NOSE);
    const int eyeX = hr * 3 / 10;
    if (fierce) {
        const int eyeY = headY + hr / 10;
        for (int side = -1; side <= 1; side += 2) {
            Capsule(c.s, side * hr / 2, eyeY - hr / 4, U(1), side * hr / 10, eyeY - hr / 10, U(1),
                    Style(c.accent, PART_FLAT, SHADE_SHADOW));
            YetiEye(c, side * eyeX, eyeY + hr / 20, hr / 6, hr / 9, side * 15);
        }
        Ellipse(c.s, 0, headY + hr * 3 / 8, hr / 6, hr / 12, Style(nose, PART_FLAT));
        /* A roaring mouth with two fangs. */
        const int my = headY + hr * 13 / 20;
        Ellipse(c.s, 0, my, hr * 3 / 10, hr / 7, Style(c.mouth, PART_FLAT));
        for (int side = -1; side <= 1; side += 2)
            Spike(c, side * hr / 6, my - hr / 7, hr / 5, 180 - side * 10, U(1),
                  Style(c.bone, PART_FLAT, SHADE_LIGHT));
    } else {
        const int eyeY = headY + hr / 12;
        for (int side = -1; side <= 1; side += 2)
            YetiEye(c, side * (eyeX + hr / 20), eyeY, hr / 5, hr / 4, 0);
        Ellipse(c.s, 0, headY + hr * 9 / 20, hr / 7, hr / 12, Style(nose, PART_FLAT));
        Smile(c, 0, headY + hr * 13 / 20, hr / 4);
    }
}

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

/* The big ape hangs by one arm from a vine, feet off the ground, the other arm swinging out;
   knotted vine bracelets on both wrists. */
static const int HANGING_APE_ENTRY = 33;

static void VineBracelet(Ctx &c, int x, int y, int r, int vine)
{
    Ellipse(c.s, x, y, r, r / 2, Style(vine, PART_LINE));
    Ellipse(c.s, x + r, y, U(2), U(2), Style(vine, PART_LINE));
}

static void HangingApe(Ctx &c)
{
    const int vine = Material(c, {90, 150, 60}), skin = c.accent;
    GroundShadow(c.s, U(2), 0, U(16), U(3));
    Curve(c.s, -U(30), -U(80), U(2), -U(16), -U(82), -U(8), -U(66), U(2), Style(vine, PART_LINE));
    Leaf(c, -U(22), -U(80), U(10), 200, vine);
    Leaf(c, -U(13), -U(78), U(9), 40, vine);
    for (int side = -1; side <= 1; side += 2) {
        const int hip = side * U(7) + U(2), footX = side * U(9) + U(3), footY = -U(6) + (side + 1) * U(2);
        Tube(c.s, {hip, -U(26), U(7), side * U(16) + U(3), -U(16), U(6), footX, footY, U(5)},
             Style(c.body, PART_LINE));
        Ellipse(c.s, footX + side * U(1), footY + U(2), U(5), U(3), Style(skin, PART_LINE));
    }
    Capsule(c.s, -U(11), -U(46), U(7), -U(9), -U(68), U(6), Style(c.body, PART_LINE));
    Capsule(c.s, U(15), -U(44), U(7), U(27), -U(30), U(6), Style(c.body, PART_LINE));
    Ellipse(c.s, U(2), -U(36), U(19), U(17), Style(c.body), 10);
    Ellipse(c.s, U(3), -U(32), U(10), U(11), Style(skin, PART_NO_HIGHLIGHT), 10);
    Ellipse(c.s, -U(9), -U(70), U(6), U(5), Style(skin, PART_LINE));
    VineBracelet(c, -U(10), -U(62), U(6), vine);
    Ellipse(c.s, U(28), -U(28), U(6), U(6), Style(skin, PART_LINE));
    VineBracelet(c, U(25), -U(34), U(6), vine);
    const int hx = U(6), hy = -U(58), hr = U(11);
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, hx + side * hr, hy - U(1), hr / 2, hr / 2, Style(c.body, PART_LINE));
        Ellipse(c.s, hx + side * hr, hy - U(1), hr / 4, hr / 4, Style(skin, PART_FLAT, SHADE_SHADOW));
    }
    Ellipse(c.s, hx, hy, hr, hr * 9 / 10, Style(c.body, PART_LINE));
    Ellipse(c.s, hx, hy + hr / 4, hr * 2 / 3, hr / 2, Style(skin, PART_NO_HIGHLIGHT));
    const int iris = Material(c, {250, 220, 80});
    FierceEye(c, hx - hr * 2 / 5, hy - U(1), hr / 5, -15, iris);
    FierceEye(c, hx + hr * 2 / 5, hy - U(1), hr / 5, 15, iris);
    Smile(c, hx, hy + hr / 2, hr / 4);
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
    if (c.plan->body == BODY_BIPED && c.plan->primary == KIND_ROCK) {
        DryStoneGolem(c);
        return;
    }
    if (c.plan->index == HANGING_APE_ENTRY) {
        HangingApe(c);
        return;
    }
    if (c.plan->index == JOEY_ENTRY) {
        KangarooJoey(c);
        return;
    }
    const BipedLook &b = LookOf(c.plan->index);
    const int legLen = U(b.legLen), legR = U(b.legR), brx = U(b.bodyRx), bry = U(b.bodyRy);
    const int hr = U(b.headR), armR = U(b.armR), handR = U(b.handR), armLen = U(b.armLen);
    const int bodyY = -legLen - bry;
    GroundShadow(c.s, 0, 0, brx + U(5), U(3));
    const int skin = (b.extras & MONKEY) ? c.accent : c.belly;
    const int limb = (b.extras & SCARECROW) ? Material(c, {150, 110, 70}) : c.body;

    if (b.extras & TAIL)
        Curve(c.s, brx / 2, bodyY + bry / 2, U(2), brx + U(14), bodyY + bry, brx + U(10), bodyY - bry - U(4),
              U(1) + U(1) / 2, Style(c.body, PART_LINE));

    /* Legs and feet. */
    for (int side = -1; side <= 1; side += 2) {
        const int lx = side * (brx / 2);
        Capsule(c.s, lx, bodyY + bry / 2, legR, lx, -legR, legR, Style(limb, PART_LINE));
        const int footR = legR + U(1), footRy = footR * 2 / 3;
        Ellipse(c.s, lx + side * U(1), -footRy + U(1) / 2, footR + U(1), footRy,
                Style((b.extras & SCARECROW) ? c.dark : limb, PART_LINE));
    }

    /* Body. */
    Ellipse(c.s, 0, bodyY, brx, bry, Style(b.extras & SCARECROW ? c.accent : c.body, PART_LINE));
    if (b.extras & (FUR | MONKEY))
        Ellipse(c.s, 0, bodyY + bry / 4, brx * 3 / 5, bry * 2 / 3, Style(skin, PART_NO_HIGHLIGHT));
    if (b.extras & MOSS) {
        for (int k = 0; k < 6; ++k) {
            const int angle = -80 + k * 32;
            Ellipse(c.s, Toward(0, brx * 4 / 5, angle), TowardY(bodyY, bry * 4 / 5, angle), U(5), U(3),
                    Style(Material(c, {120, 190, 80}), PART_LINE), angle + 90);
        }
        /* Saplings and ferns grow on the titan's shoulders; bare stone shows through the moss. */
        const int fern = Material(c, {70, 150, 70}), stone = c.accent;
        for (int side = -1; side <= 1; side += 2) {
            Leaf(c, side * brx * 3 / 4, bodyY - bry * 3 / 4, U(12), side * 30, fern);
            Leaf(c, side * brx * 3 / 4, bodyY - bry * 3 / 4, U(9), side * 70, fern);
            Ellipse(c.s, side * brx / 3, bodyY + bry / 3, U(4), U(3), Style(stone, PART_LINE));
        }
    }
    if (b.extras & ROBOT) {
        Polygon(c.s,
                {-brx / 2, bodyY - bry * 2 / 3, brx / 2, bodyY - bry * 2 / 3, U(1), bodyY + bry / 2, -U(1),
                 bodyY + bry / 2},
                Style(c.accent, PART_LINE));
        Ellipse(c.s, 0, bodyY, U(3), U(3), Style(Material(c, {90, 200, 240}), PART_LINE));
    }
    if (b.extras & SCARECROW) {
        for (int k = -1; k <= 1; ++k)
            Spike(c, k * U(4), bodyY + bry - U(1), U(5), 180 + k * 20, U(2), Style(c.body, PART_LINE));
        Ellipse(c.s, -brx / 3, bodyY + bry / 4, U(2), U(2), Style(Material(c, {200, 90, 70}), PART_LINE));
    }

    /* Arms. */
    for (int side = -1; side <= 1; side += 2) {
        const int sx = side * (brx * 4 / 5), sy = bodyY - bry / 2;
        const int hx = side * (brx + armLen / 3), hy = (b.extras & SCARECROW) ? sy : sy + armLen;
        if (b.extras & SCARECROW) {
            Capsule(c.s, 0, sy, armR, hx, hy, armR, Style(limb, PART_LINE));
            for (int k = -1; k <= 1; ++k)
                Spike(c, hx, hy, U(4), side * 90 + k * 35, U(1), Style(c.body, PART_LINE));
            continue;
        }
        Capsule(c.s, sx, sy, armR + U(1), hx, hy, armR, Style(c.body, PART_LINE));
        const int fistMat = (b.extras & MONKEY) ? skin : c.body;
        Ellipse(c.s, hx, hy, handR, handR, Style(fistMat, PART_LINE));
    }

    /* Head. */
    const int headY = (b.extras & SUNK_HEAD) ? bodyY - bry * 2 / 3 : bodyY - bry - hr * 2 / 3;
    if (hr > 0) {
        if (b.extras & MONKEY)
            for (int side = -1; side <= 1; side += 2) {
                Ellipse(c.s, side * hr, headY - hr / 5, hr / 2, hr / 2, Style(c.body, PART_LINE));
                Ellipse(c.s, side * hr, headY - hr / 5, hr / 4, hr / 4, Style(skin, PART_FLAT, SHADE_SHADOW));
            }
        if (b.extras & HORNS)
            for (int side = -1; side <= 1; side += 2)
                Spike(c, side * hr / 2, headY - hr * 3 / 4, hr * 3 / 4, side * 30, hr / 5,
                      Style(c.bone, PART_LINE));
        if (b.extras & FUR)
            for (int k = 0; k < 3; ++k)
                Spike(c, (k - 1) * hr / 3, headY - hr * 4 / 5, hr / 2, (k - 1) * 25, hr / 5,
                      Style(c.body, PART_LINE));
        Ellipse(c.s, 0, headY, hr, hr * 9 / 10, Style(c.body, PART_LINE));
        if (b.extras & MONKEY)
            Ellipse(c.s, 0, headY + hr / 4, hr * 2 / 3, hr / 2, Style(skin, PART_NO_HIGHLIGHT));
        if (b.extras & FUR) {
            YetiFace(c, headY, hr, (b.extras & FIERCE) != 0);
        } else if (b.extras & ROBOT) {
            Capsule(c.s, -hr * 2 / 3, headY, U(1), hr * 2 / 3, headY, U(1), Style(c.dark, PART_FLAT));
            Capsule(c.s, -hr / 3, headY, U(1) / 2, hr / 3, headY, U(1) / 2,
                    Style(Material(c, {255, 90, 80}), PART_FLAT, SHADE_LIGHT));
            Curve(c.s, 0, headY - hr, U(2), hr / 2, headY - hr * 2, hr * 3 / 2, headY - hr * 3 / 2, U(1),
                  Style(c.accent, PART_LINE));
        } else if (b.extras & SCARECROW) {
            Ellipse(c.s, 0, headY - hr * 2 / 3, hr * 3 / 2, hr / 4, Style(limb, PART_LINE));
            Polygon(c.s,
                    {-hr * 2 / 3, headY - hr * 2 / 3, -hr / 3, headY - hr * 2, hr / 3, headY - hr * 2,
                     hr * 2 / 3, headY - hr * 2 / 3},
                    Style(limb, PART_LINE));
            Capsule(c.s, -hr / 2, headY, U(1), -hr / 4, headY, U(1), Style(c.eye, PART_FLAT));
            Capsule(c.s, hr / 4, headY, U(1), hr / 2, headY, U(1), Style(c.eye, PART_FLAT));
            Smile(c, 0, headY + hr / 2, hr / 2);
        } else {
            const int eyeX = hr * 2 / 5;
            if (b.extras & FIERCE) {
                const int iris = Material(c, {250, 220, 80});
                FierceEye(c, -eyeX, headY, hr / 5, -15, iris);
                FierceEye(c, eyeX, headY, hr / 5, 15, iris);
            } else {
                const bool child = c.young;
                CuteEye(c, -eyeX, headY, child ? hr / 4 : hr / 5);
                CuteEye(c, eyeX, headY, child ? hr / 4 : hr / 5);
            }
            Smile(c, 0, headY + hr / 2, hr / 4);
        }
    } else {
        /* No head: the face sits on the body. */
        CuteEye(c, -brx / 3, bodyY - bry / 5, U(2) + U(1) / 2);
        CuteEye(c, brx / 3, bodyY - bry / 5, U(2) + U(1) / 2);
        Smile(c, 0, bodyY + bry / 4, U(2));
    }
}

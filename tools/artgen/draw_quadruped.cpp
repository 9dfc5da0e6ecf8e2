/* Four-legged creatures in a three-quarter side view facing left: body, legs, neck and head,
   with per-entry ears, tails and extras (horns, antlers, quills, shells, manes). */
#include "creature_drawers.h"

enum Ears { EAR_NONE, EAR_POINTED, EAR_ROUND, EAR_LONG, EAR_SMALL };
enum Tail { TAIL_NONE, TAIL_THIN, TAIL_BUSHY, TAIL_STUB, TAIL_FAN, TAIL_FLAME, TAIL_TUFT, TAIL_SMOKE };

enum Extra : unsigned long long {
    ICE_MANE = 1u << 3,
    QUILLS = 1u << 7,
    STEEL_QUILLS = 1u << 8,
    ANTLERS = 1u << 9,
    MANE = 1u << 10,
    PLATES = 1u << 11,
    CLAWS = 1u << 12,
    STRIPE = 1u << 13,
    WOOL = 1u << 14,
    GLOW_TIP = 1u << 15,
    HEADDRESS = 1u << 16,
    GOAT_HORNS = 1u << 17,
    OX_HORNS = 1u << 18,
    FLAME_ANTLERS = 1u << 19,
    FIERCE = 1u << 21,
    CRYSTALS = 1u << 22,
    SPOTS = 1u << 23,
    BEARD = 1u << 24,
    SPARKS = 1u << 26,
    HUMP = 1u << 27,
    TUSKS = 1u << 25,
    MOSS_RIDGE = 1u << 29,
    BELL = 1u << 30,
    NUBS = 1ull << 32,
};

/* How the creature holds itself, and what its legs are like. */
enum Pose { POSE_STAND, POSE_SIT, POSE_LIE, POSE_REAR };
enum LegKind { LEG_PEG, LEG_PAW, LEG_SLIM };

struct QuadLook {
    int entry;
    Pose pose;
    LegKind legs;
    int bodyRx, bodyRy, legLen, legR, headR, snout; /* pixels */
    Ears ears;
    int earLen;
    Tail tail;
    int tailLen;
    unsigned long long extras;
};

/* clang-format off */
static const QuadLook LOOKS[] = {
    /* entry pose        legs     rx   ry  leg  legR head snout ears       earLen tail    tailLen extras */
    {  16, POSE_STAND, LEG_PAW,   14,   8,   6,   3,  11,   5, EAR_POINTED,  8, TAIL_BUSHY, 11, 0},
    {  17, POSE_STAND, LEG_PAW,   21,  10,  12,   4,  10,   8, EAR_POINTED,  8, TAIL_BUSHY, 17, ICE_MANE | FIERCE},
    {  38, POSE_SIT,   LEG_PAW,   13,   8,   6,   3,  11,   5, EAR_POINTED,  9, TAIL_BUSHY, 13, GLOW_TIP},
    {  39, POSE_STAND, LEG_SLIM,  18,   8,  12,   3,  10,   7, EAR_POINTED, 10, TAIL_FAN,   18, GLOW_TIP},
    {  44, POSE_STAND, LEG_PEG,   15,  10,   3,   3,   9,   6, EAR_SMALL,    4, TAIL_STUB,   3, QUILLS | SPARKS},
    {  45, POSE_STAND, LEG_PEG,   20,  12,   6,   4,  10,   7, EAR_SMALL,    5, TAIL_STUB,   4, STEEL_QUILLS | SPARKS},
    {  49, POSE_STAND, LEG_SLIM,  13,   7,  12,   2,  10,   5, EAR_LONG,     8, TAIL_STUB,   4, SPOTS | NUBS},
    {  50, POSE_STAND, LEG_SLIM,  18,   9,  17,   3,   9,   7, EAR_POINTED,  6, TAIL_STUB,   5, ANTLERS | CRYSTALS},
    {  55, POSE_SIT,   LEG_PAW,   19,  11,  10,   4,  12,   5, EAR_SMALL,    5, TAIL_TUFT,  15, MANE | FIERCE},
    {  59, POSE_STAND, LEG_PEG,   17,  11,   4,   3,   8,   9, EAR_SMALL,    5, TAIL_THIN,  10, PLATES},
    {  81, POSE_STAND, LEG_SLIM,  14,  11,   7,   2,   9,   3, EAR_LONG,     7, TAIL_STUB,   4, WOOL},
    {  83, POSE_STAND, LEG_PEG,   16,   9,   5,   3,   9,   7, EAR_SMALL,    4, TAIL_STUB,   4, STRIPE},
    {  84, POSE_STAND, LEG_PAW,   22,  12,   7,   4,  11,   8, EAR_SMALL,    5, TAIL_STUB,   5, STRIPE | CLAWS | FIERCE},
    {  88, POSE_STAND, LEG_PEG,   22,  11,   6,   4,  10,  10, EAR_SMALL,    4, TAIL_THIN,   8, TUSKS | MOSS_RIDGE | FIERCE},
    {  89, POSE_STAND, LEG_SLIM,  18,  11,  13,   3,   9,   6, EAR_SMALL,    4, TAIL_STUB,   4, GOAT_HORNS | BEARD | BELL},
    {  90, POSE_STAND, LEG_PAW,   16,   8,  11,   3,  10,   3, EAR_POINTED,  8, TAIL_SMOKE, 20, FIERCE},
    {  94, POSE_LIE,   LEG_PAW,   21,  10,   8,   4,  11,   4, EAR_NONE,     0, TAIL_TUFT,  14, HEADDRESS},
    {  96, POSE_REAR,  LEG_SLIM,  19,  10,  16,   3,   9,   7, EAR_POINTED,  6, TAIL_FLAME, 10, FLAME_ANTLERS},
    { 104, POSE_STAND, LEG_PEG,   24,  14,  10,   5,  11,   7, EAR_SMALL,    4, TAIL_TUFT,  14, OX_HORNS | HUMP},
};
/* clang-format on */

static const QuadLook &LookOf(int entry)
{
    for (const QuadLook &look : LOOKS)
        if (look.entry == entry)
            return look;
    return LOOKS[0];
}

/* One leg from its top down to the ground: a straight peg, a leg with a thigh and a round paw,
   or a slim leg bending at the knee (backward on the hind legs) down to a dark hoof. */
static void DrawLeg(Ctx &c, LegKind kind, int x, int top, int r, bool far, bool hind, bool claws)
{
    const int footY = far ? -U(2) : 0;
    const PartStyle style =
        far ? Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW) : Style(c.body, PART_LINE);
    if (kind == LEG_SLIM) {
        const int kneeX = x + (hind ? U(3) : -U(1)), kneeY = (top + footY) / 2;
        if (hind)
            Ellipse(c.s, x + U(1), top + U(1), r * 2, r * 3, Style(c.body, style.flags, style.flatShade));
        Capsule(c.s, x, top, r + U(1), kneeX, kneeY, r, style);
        Capsule(c.s, kneeX, kneeY, r, x, footY - r, r * 2 / 3 + U(1) / 2, style);
        Ellipse(c.s, x - U(1) / 2, footY - r * 2 / 3, r, r * 2 / 3 + U(1) / 2, Style(c.dark, PART_LINE));
        return;
    }
    if (kind == LEG_PAW) {
        Ellipse(c.s, x + (hind ? U(1) : 0), top + r, r * 7 / 4, r * 9 / 4, style);
        Capsule(c.s, x, top + r, r + U(1) / 2, x - U(1), footY - r, r * 3 / 4, style);
        Ellipse(c.s, x - r / 2 - U(1), footY - r * 2 / 3, r * 3 / 2, r * 3 / 4 + U(1) / 2, style);
    } else {
        Capsule(c.s, x, top, r + U(1), x, footY - r, r, style);
        Ellipse(c.s, x - r / 3, footY - r * 3 / 4, r * 4 / 3, r * 3 / 4, style);
    }
    if (claws && !far)
        for (int k = -1; k <= 1; ++k)
            Spike(c, x - r + k * r * 2 / 3, footY - r / 2, r * 2 / 3 + U(1), -120, r / 4 + U(1) / 2,
                  Style(c.bone, PART_NO_HIGHLIGHT));
}

static void DrawTail(Ctx &c, const QuadLook &q, int bx, int by)
{
    const int len = U(q.tailLen);
    switch (q.tail) {
    case TAIL_NONE:
        break;
    case TAIL_STUB:
        Ellipse(c.s, bx, by - U(2), len / 2 + U(2), len / 2 + U(1), Style(c.body, PART_LINE));
        break;
    case TAIL_THIN:
        Curve(c.s, bx, by, U(2), bx + len * 3 / 4, by + U(2), bx + len, by - len * 2 / 3, U(1),
              Style(c.body));
        break;
    case TAIL_TUFT:
        Curve(c.s, bx, by, U(2), bx + len, by + U(2), bx + len, by - len * 2 / 3, U(1), Style(c.body));
        Ellipse(c.s, bx + len, by - len * 2 / 3 - U(2), U(3), U(4), Style(c.accent, PART_LINE), -20);
        break;
    case TAIL_BUSHY: {
        const int tx = bx + len * 2 / 5, ty = by - len * 2 / 5;
        Ellipse(c.s, tx, ty, len / 3, len * 3 / 5, Style(c.body, PART_LINE), 40);
        const int tipX = Toward(tx, len * 2 / 5, 40), tipY = TowardY(ty, len * 2 / 5, 40);
        const int tipMat = (q.extras & GLOW_TIP) ? c.accent : c.belly;
        Ellipse(c.s, tipX, tipY, len / 5, len / 4, Style(tipMat, PART_LINE), 40);
        break;
    }
    case TAIL_FAN:
        for (int k = 0; k < 5; ++k) {
            const int angle = 10 + k * 22;
            const int tx = Toward(bx, len / 2, angle), ty = TowardY(by, len / 2, angle);
            Ellipse(c.s, tx, ty, len / 5, len / 2, Style(c.body, PART_LINE), angle);
            Ellipse(c.s, Toward(tx, len * 2 / 5, angle), TowardY(ty, len * 2 / 5, angle), len / 8, len / 6,
                    Style(c.accent, PART_LINE), angle);
        }
        break;
    case TAIL_FLAME:
        Curve(c.s, bx, by, U(3), bx + len / 2, by + U(3), bx + len * 3 / 4, by - len / 2, U(2),
              Style(c.body));
        Flame(c, bx + len * 3 / 4, by - len / 2 + U(2), len * 3 / 4, c.accent, 15);
        break;
    case TAIL_SMOKE:
        /* The tail thins into a curl of smoke. */
        Curve(c.s, bx, by, U(2), bx + len / 2, by + U(2), bx + len * 2 / 3, by - len / 2, U(1),
              Style(c.body));
        for (int k = 0; k < 4; ++k)
            Ellipse(c.s, bx + len * 2 / 3 - k * U(3), by - len / 2 - U(3) - k * U(4), U(4) - k * U(1) / 2,
                    U(3) - k * U(1) / 2, Style(c.accent, PART_LINE | PART_NO_HIGHLIGHT));
        break;
    }
}

static void DrawEars(Ctx &c, const QuadLook &q, int hx, int hy, int hr)
{
    const int len = U(q.earLen);
    switch (q.ears) {
    case EAR_NONE:
        break;
    case EAR_POINTED:
        Spike(c, hx - hr / 3, hy - hr * 3 / 4, len, -15, len / 3 + U(1), Style(c.body, PART_LINE));
        Spike(c, hx + hr / 2, hy - hr * 3 / 5, len, 25, len / 3 + U(1), Style(c.body, PART_LINE));
        Spike(c, hx + hr / 2, hy - hr * 3 / 5 - U(1), len * 3 / 5, 25, len / 6 + U(1) / 2,
              Style(c.accent, PART_FLAT | PART_NO_HIGHLIGHT, SHADE_LIGHT));
        break;
    case EAR_ROUND:
        Ellipse(c.s, hx - hr / 2, hy - hr * 3 / 4, len / 2, len / 2, Style(c.body, PART_LINE));
        Ellipse(c.s, hx + hr / 2, hy - hr * 3 / 4, len / 2 + U(1), len / 2 + U(1), Style(c.body, PART_LINE));
        Ellipse(c.s, hx + hr / 2, hy - hr * 3 / 4, len / 3, len / 3, Style(c.belly, PART_FLAT, SHADE_SHADOW));
        break;
    case EAR_LONG:
        Ellipse(c.s, hx + hr * 3 / 4, hy - hr / 4, len / 4 + U(1), len / 2 + U(1), Style(c.body, PART_LINE),
                60);
        Ellipse(c.s, hx - hr * 3 / 4, hy - hr / 3, len / 4 + U(1), len / 2, Style(c.body, PART_LINE), -50);
        break;
    case EAR_SMALL:
        Ellipse(c.s, hx + hr / 3, hy - hr * 4 / 5, len / 2, len / 2, Style(c.body, PART_LINE));
        break;
    }
}

static void DrawHorns(Ctx &c, const QuadLook &q, int hx, int hy, int hr)
{
    if (q.extras & GOAT_HORNS)
        Curve(c.s, hx, hy - hr * 3 / 4, U(3), hx + hr * 2, hy - hr * 2, hx + hr * 3 / 2, hy, U(1),
              Style(c.accent, PART_LINE));
    if (q.extras & OX_HORNS) {
        const int horn = c.accent;
        Curve(c.s, hx - hr / 2, hy - hr / 2, U(2), hx - hr * 3 / 2, hy - hr / 2, hx - hr * 3 / 2,
              hy - hr * 3 / 2, U(1), Style(horn, PART_LINE));
        Curve(c.s, hx + hr / 2, hy - hr / 2, U(2), hx + hr * 3 / 2, hy - hr / 2, hx + hr * 3 / 2,
              hy - hr * 3 / 2, U(1), Style(horn, PART_LINE));
    }
    if (q.extras & (ANTLERS | FLAME_ANTLERS)) {
        const int mat = (q.extras & ANTLERS) ? c.accent : c.bone;
        for (int side = 0; side < 2; ++side) {
            const int bx = hx + (side ? hr / 2 : -hr / 3), by = hy - hr * 3 / 4;
            const int lean = side ? 20 : -20;
            const int tx = Toward(bx, hr * 2, lean), ty = TowardY(by, hr * 2, lean);
            Capsule(c.s, bx, by, U(1) + U(1) / 2, tx, ty, U(1), Style(mat, PART_LINE));
            for (int k = 1; k <= 2; ++k) {
                const int jx = Toward(bx, hr * 2 * k / 3, lean), jy = TowardY(by, hr * 2 * k / 3, lean);
                const int branch = lean + (side ? 45 : -45);
                Capsule(c.s, jx, jy, U(1), Toward(jx, hr * 3 / 4, branch), TowardY(jy, hr * 3 / 4, branch),
                        U(1) / 2, Style(mat, PART_LINE));
            }
            if (q.extras & FLAME_ANTLERS)
                Flame(c, tx, ty + U(2), U(9), c.accent, lean);
            if (q.extras & ANTLERS)
                Spike(c, tx, ty + U(1), U(4), lean, U(2), Style(c.accent, PART_LINE));
        }
    }
}

static const int MOLE_ENTRY = 66;
static const int SLOTH_ENTRY = 76;
static const int BIG_MOLE_ENTRY = 67;

/* One digging hand: a broad pink palm turned outward with a fan of long pale claws. */
static void MoleHand(Ctx &c, int claw, int x, int y, int towardAngle, int reach)
{
    const int CLAW_COUNT = 3, SPREAD = 34;
    for (int k = 0; k < CLAW_COUNT; ++k) {
        const int angle = towardAngle + (k - 1) * SPREAD;
        Spike(c, Toward(x, U(4), angle), TowardY(y, U(4), angle), reach, angle + (towardAngle > 0 ? 12 : -12),
              U(2), Style(claw, PART_LINE | PART_NO_HIGHLIGHT));
    }
    Ellipse(c.s, x, y, U(6), U(5), Style(c.accent, PART_LINE), towardAngle);
}

/* A mole, sitting up and turned a little to the left: velvety dark fur with a soft sheen, a
   long pointed pink snout, pinpoint eyes and broad digging hands. The young one pops out of
   its mound; the grown one stands beside it with both hands raised to dig. */
static void DrawMole(Ctx &c)
{
    const bool big = c.plan->index == BIG_MOLE_ENTRY;
    Ramp velvet = MakeRamp(c.plan->bodyColour);
    velvet.shade[SHADE_LIGHT] = Mix(c.plan->bodyColour, {196, 186, 214}, 64);
    velvet.shade[SHADE_HIGHLIGHT] = Mix(c.plan->bodyColour, {214, 206, 232}, 112);
    const int fur = AddMaterial(c.s, velvet);
    const int earth = Material(c, {156, 112, 70});
    const int nose = Material(c, Darker(c.plan->accentColour, 18));
    GroundShadow(c.s, 0, 0, U(24), U(3));

    const int bodyY = big ? -U(18) : -U(20), headY = big ? -U(38) : -U(35);
    const int claw = Material(c, {196, 170, 130});
    const int reach = big ? U(9) : U(7);
    if (big) {
        Polygon(c.s, {U(6), 0, U(11), -U(9), U(18), -U(13), U(26), -U(12), U(31), -U(6), U(33), 0},
                Style(earth, PART_LINE));
        for (int side = -1; side <= 1; side += 2)
            Ellipse(c.s, side * U(6) - U(1), -U(2), U(5), U(3), Style(c.accent, PART_LINE));
    }
    Ellipse(c.s, 0, bodyY, U(14), big ? U(17) : U(14), Style(fur));
    Ellipse(c.s, -U(2), headY, U(11), U(10), Style(fur));
    /* The snout tapers to a point, the nose pad at its tip; pale whiskers on its sides. */
    const int sy = headY + U(3);
    Tube(c.s, {-U(8), sy, U(5), -U(14), sy + U(2), U(3), -U(20), sy + U(4), U(1)},
         Style(c.accent, PART_LINE));
    Ellipse(c.s, -U(20), sy + U(4), U(2), U(2), Style(nose, PART_LINE | PART_NO_HIGHLIGHT));
    Dot(c.s, -U(21), sy + U(4), c.dark, SHADE_BASE);
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(13), sy + U(1) + k * U(2), U(1) / 3, -U(17) + k * U(1), sy - U(3) + k * U(6),
                U(1) / 3, Style(c.bone, PART_FLAT, SHADE_LIGHT));
    /* Pinpoint eyes in the fur, each with a glint. */
    for (int side = 0; side < 2; ++side) {
        const int ex = side ? U(2) : -U(6), ey = headY - U(3);
        Ellipse(c.s, ex, ey, U(1) + U(1) / 2, U(1), Style(c.eye, PART_FLAT));
        Dot(c.s, ex - U(1) / 2, ey - U(1) / 2, c.white, SHADE_BASE);
    }
    Smile(c, -U(10), sy + U(5), U(2));

    if (big) {
        MoleHand(c, claw, -U(16), bodyY - U(2), -105, reach);
        MoleHand(c, claw, U(16), bodyY - U(2), 105, reach);
        return;
    }
    /* The mound in front hides the lower body; the hands rest on its rim. */
    Polygon(c.s, {-U(24), 0, -U(18), -U(8), -U(8), -U(12), U(8), -U(12), U(18), -U(8), U(24), 0},
            Style(earth, PART_LINE));
    for (int k = 0; k < 4; ++k)
        Ellipse(c.s, -U(15) + k * U(10), -U(4) + (k % 2) * U(2), U(2), U(1) + U(1) / 2,
                Style(earth, PART_NO_HIGHLIGHT, SHADE_LIGHT));
    MoleHand(c, claw, -U(12), -U(13), -135, reach);
    MoleHand(c, claw, U(12), -U(13), 135, reach);
}

/* Patterns, shells, quills and crests on a standing body centred at (0, bodyY). */
static void DrawTorsoExtras(Ctx &c, const QuadLook &q, int brx, int bry, int bodyY)
{
    if (q.extras & HUMP)
        Ellipse(c.s, -brx / 3, bodyY - bry * 2 / 3, brx / 2, bry / 2, Style(c.body, PART_BEHIND));
    if (q.extras & WOOL) {
        for (int k = 0; k < 9; ++k) {
            const int angle = -100 + k * 25;
            Ellipse(c.s, Toward(0, brx * 5 / 6, angle), TowardY(bodyY + bry / 6, bry * 5 / 6, angle), U(5),
                    U(5), Style(c.belly, PART_LINE));
        }
        Ellipse(c.s, 0, bodyY, brx * 4 / 5, bry * 4 / 5, Style(c.belly, PART_NO_HIGHLIGHT));
        Dot(c.s, -U(3), bodyY - U(2), c.accent, SHADE_LIGHT);
        Dot(c.s, U(5), bodyY + U(1), c.accent, SHADE_LIGHT);
    } else if (!(q.extras & PLATES)) {
        Ellipse(c.s, -brx / 6, bodyY + bry / 2, brx * 2 / 3, bry / 2, Style(c.belly, PART_NO_HIGHLIGHT));
    }
    if (q.extras & PLATES)
        for (int k = -2; k <= 2; ++k)
            Ellipse(c.s, k * brx / 3, bodyY - bry / 8, brx / 5, bry, Style(c.accent, PART_LINE));
    if (q.extras & (QUILLS | STEEL_QUILLS)) {
        const PartStyle quill = Style(c.accent, PART_LINE | PART_NO_HIGHLIGHT);
        for (int k = 0; k < 9; ++k) {
            const int angle = -50 + k * 20;
            Spike(c, Toward(U(2), brx * 3 / 4, angle), TowardY(bodyY, bry * 3 / 4, angle),
                  U(8) + (k % 2) * U(3), angle + 15, U(3), quill);
        }
        Ellipse(c.s, U(3), bodyY, brx * 3 / 4, bry * 3 / 4, Style(c.accent));
        Ellipse(c.s, -brx / 3, bodyY + bry / 3, brx / 2, bry / 2, Style(c.body, PART_LINE));
    }
    if (q.extras & STRIPE)
        Capsule(c.s, -brx, bodyY - bry * 2 / 3, U(2), brx, bodyY - bry / 2, U(2),
                Style(c.accent, PART_NO_HIGHLIGHT));
    if (q.extras & SPOTS)
        for (int k = 0; k < 4; ++k)
            Ellipse(c.s, -brx / 2 + k * brx / 3, bodyY - bry / 3 + (k % 2) * U(2), U(1) + U(1) / 2, U(1),
                    Style(c.accent, PART_FLAT, SHADE_LIGHT));
    if (q.extras & CRYSTALS)
        for (int k = 0; k < 3; ++k)
            Spike(c, -brx / 3 + k * brx / 3, bodyY - bry + U(1), U(6), 10 + k * 10, U(2),
                  Style(c.accent, PART_LINE));
}

/* Neck, head and face, the head centred at (hx, hy), the neck rising from (neckX, neckY). */
static void DrawHeadAndFace(Ctx &c, const QuadLook &q, int hx, int hy, int neckX, int neckY, int neckR,
                            int tailX, int tailY)
{
    const int hr = U(q.headR);
    if (q.extras & MANE) {
        const int mane = c.accent;
        for (int k = 0; k < 10; ++k) {
            const int angle = k * 36;
            Ellipse(c.s, Toward(hx + U(2), hr, angle), TowardY(hy + U(1), hr, angle), hr / 2, hr / 2,
                    Style(mane, PART_LINE));
        }
    }
    if (q.extras & ICE_MANE) {
        const int ice = Material(c, c.plan->accentColour);
        for (int k = 0; k < 6; ++k)
            Spike(c, hx + hr / 2 + U(2), hy + hr / 3, hr + U(2) + (k % 2) * U(3), 10 + k * 28, U(3),
                  Style(ice, PART_LINE));
    }
    Capsule(c.s, neckX, neckY, neckR, hx, hy, hr * 2 / 3, Style(c.body, PART_BEHIND));
    DrawHorns(c, q, hx, hy, hr);
    DrawEars(c, q, hx, hy, hr);
    if (q.extras & HEADDRESS) {
        Polygon(c.s,
                {hx - hr, hy - hr / 3, hx - hr / 2, hy - hr * 6 / 5, hx + hr / 2, hy - hr * 6 / 5,
                 hx + hr * 3 / 2, hy + hr * 3 / 2, hx + hr / 2, hy + hr * 3 / 2},
                Style(c.accent, PART_LINE));
        for (int k = 0; k < 3; ++k)
            Capsule(c.s, hx + hr / 5 + k * U(3), hy - hr / 2 + k * U(3), U(1), hx + hr + k * U(1),
                    hy + hr + k * U(1), U(1), Style(Material(c, {250, 210, 90}), PART_FLAT, SHADE_LIGHT));
    }
    Ellipse(c.s, hx, hy, hr, hr * 9 / 10, Style(c.body, PART_LINE));
    if (q.extras & STRIPE)
        Capsule(c.s, hx - hr / 3, hy - hr * 4 / 5, U(2), hx + hr, hy - hr / 3, U(2),
                Style(c.accent, PART_NO_HIGHLIGHT));
    if (q.extras & NUBS)
        for (int side = 0; side < 2; ++side)
            Spike(c, hx - hr / 4 + side * hr * 2 / 3, hy - hr * 3 / 4, U(4), -15 + side * 30, U(1) + U(1) / 2,
                  Style(c.accent, PART_LINE));
    if (q.extras & BELL) {
        const int stone = Material(c, {150, 146, 150});
        Capsule(c.s, hx + U(2), hy + hr / 2, U(1) / 2, hx + U(3), hy + hr + U(3), U(1) / 2,
                Style(c.dark, PART_FLAT));
        Polygon(c.s,
                {hx + U(1), hy + hr + U(2), hx + U(5), hy + hr + U(2), hx + U(7), hy + hr + U(8), hx - U(1),
                 hy + hr + U(8)},
                Style(stone, PART_LINE));
    }
    if (q.extras & BEARD)
        Spike(c, hx - hr / 3, hy + hr * 3 / 4, U(6), 190, U(2), Style(c.belly, PART_LINE));
    /* Snout toward the front and a little down. */
    const int sx = hx - hr * 3 / 4, sy = hy + hr / 3;
    Ellipse(c.s, sx, sy, U(q.snout) + U(1), hr / 2, Style(c.belly, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, sx - U(q.snout), sy - hr / 5, U(1) + U(1) / 2, U(1) + U(1) / 2,
            Style(c.dark, PART_NO_HIGHLIGHT));
    Capsule(c.s, sx - U(q.snout) / 2, sy + hr / 4, U(1) / 2, sx + U(1), sy + hr / 4 + U(1), U(1) / 2,
            Style(c.mouth, PART_FLAT));

    if (q.extras & TUSKS) {
        /* Tusks grown like old roots, curling up from the snout. */
        const int root = Material(c, {222, 204, 160});
        for (int side = 0; side < 2; ++side)
            Curve(c.s, hx - hr * 3 / 4 - U(q.snout) / 2 + side * U(3), hy + hr / 2, U(2),
                  hx - hr - U(q.snout) - U(3) + side * U(2), hy + hr / 2,
                  hx - hr - U(q.snout) / 2 + side * U(4), hy - hr, U(1), Style(root, PART_LINE));
    }
    /* Eyes: the near one larger. */
    const int eyeR = c.young ? hr / 4 : hr / 5;
    const int ex = hx - hr / 6, ey = hy - hr / 5;
    if (q.extras & FIERCE) {
        const int iris = (q.entry == 90) ? c.accent : Material(c, {250, 210, 70});
        FierceEye(c, ex - hr / 2, ey, eyeR * 3 / 4, 15, iris);
        FierceEye(c, ex + hr / 3, ey, eyeR, 15, iris);
    } else {
        CuteEye(c, ex - hr / 2, ey, eyeR * 4 / 5);
        CuteEye(c, ex + hr / 3, ey, eyeR);
    }
    if (q.extras & SPARKS) {
        const int spark = Material(c, {255, 230, 60});
        Polygon(
            c.s,
            {hx + hr * 2, hy - hr, hx + hr * 2 + U(4), hy - hr + U(3), hx + hr * 2 + U(1), hy - hr + U(4)},
            Style(spark, PART_FLAT, SHADE_LIGHT));
        Polygon(c.s, {tailX + U(4), tailY - U(6), tailX + U(9), tailY - U(9), tailX + U(6), tailY - U(5)},
                Style(spark, PART_FLAT, SHADE_LIGHT));
    }
}

/* The night sloth hangs under a branch by all four hooked limbs, moss and ferns in its fur,
   its face with dark eye patches turned toward the viewer. */
static void DrawSloth(Ctx &c)
{
    const int bark = Material(c, {120, 86, 60}), fern = Material(c, {90, 170, 80});
    const int patch = Material(c, Darker(c.plan->bodyColour, 45));
    const int branchY = -U(54), bodyY = -U(34);
    GroundShadow(c.s, 0, 0, U(18), U(3));
    Capsule(c.s, -U(36), branchY, U(3), U(36), branchY - U(4), U(3), Style(bark, PART_LINE));
    Leaf(c, U(28), branchY - U(4), U(9), 40, fern);
    static const int LIMBS[][2] = {
        {-U(14), -U(12)},
        {-U(5),  -U(16)},
        {U(8),   -U(13)},
        {U(16),  -U(8) }
    };
    for (int k = 0; k < 4; ++k) {
        const int x = LIMBS[k][0], top = branchY - U(1) - k * U(1);
        Capsule(c.s, x / 2, bodyY - U(2), U(3), x, top + U(2), U(2),
                k % 2 ? Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW) : Style(c.body, PART_LINE));
        for (int t = 0; t < 2; ++t)
            Spike(c, x - U(1) + t * U(2), top + U(1), U(4), -30 + t * 30, U(1),
                  Style(c.bone, PART_NO_HIGHLIGHT));
    }
    Ellipse(c.s, U(2), bodyY, U(16), U(10), Style(c.body), -8);
    for (int k = 0; k < 4; ++k)
        Ellipse(c.s, -U(8) + k * U(6), bodyY + U(8) - (k % 2) * U(2), U(3), U(4),
                Style(c.body, PART_LINE | PART_NO_HIGHLIGHT));
    Leaf(c, U(6), bodyY - U(6), U(10), 20, fern);
    Leaf(c, U(12), bodyY - U(4), U(8), 70, fern);
    const int hx = -U(14), hy = bodyY + U(8);
    Ellipse(c.s, hx, hy, U(9), U(8), Style(c.body, PART_LINE));
    Ellipse(c.s, hx, hy + U(1), U(6), U(5), Style(c.belly, PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, hx + side * U(3), hy, U(3), U(2), Style(patch, PART_FLAT), side * 20);
        CuteEye(c, hx + side * U(3), hy, U(1) + U(1) / 2);
    }
    Ellipse(c.s, hx, hy + U(3), U(1) + U(1) / 2, U(1), Style(c.dark, PART_FLAT));
    Smile(c, hx, hy + U(5), U(2));
}

void DrawQuadruped(Ctx &c)
{
    if (c.plan->index == SLOTH_ENTRY) {
        DrawSloth(c);
        return;
    }
    if (c.plan->index == MOLE_ENTRY || c.plan->index == BIG_MOLE_ENTRY) {
        DrawMole(c);
        return;
    }
    const QuadLook &q = LookOf(c.plan->index);
    const int brx = U(q.bodyRx), bry = U(q.bodyRy), legR = U(q.legR), hr = U(q.headR), legLen = U(q.legLen);
    const bool claws = (q.extras & CLAWS) != 0;
    int hx, hy, neckX, neckY, neckR = bry * 2 / 3, tailX, tailY;
    if (q.pose == POSE_SIT) {
        /* Haunches on the ground, the chest upright over the front paws. */
        const int haunchX = brx / 3, chestX = -brx / 3, chestRy = brx * 2 / 3;
        const int chestY = -bry - legLen / 2 - chestRy / 2;
        GroundShadow(c.s, 0, 0, brx + U(4), U(3));
        tailX = haunchX + brx / 2;
        tailY = -U(4);
        DrawTail(c, q, tailX, tailY);
        DrawLeg(c, q.legs, chestX + U(4), chestY + chestRy / 3, legR, true, false, claws);
        Ellipse(c.s, haunchX, -bry, brx * 2 / 3, bry, Style(c.body));
        Ellipse(c.s, chestX, chestY, bry * 4 / 5 + U(1), chestRy, Style(c.body), 15);
        Ellipse(c.s, chestX - U(2), chestY + chestRy / 4, bry / 2, chestRy * 2 / 3,
                Style(c.belly, PART_NO_HIGHLIGHT), 15);
        Ellipse(c.s, haunchX + U(1), -bry * 3 / 4, brx / 2, bry * 3 / 4, Style(c.body, PART_LINE));
        Ellipse(c.s, haunchX - brx / 3, -legR * 2 / 3, legR * 2, legR * 3 / 4 + U(1) / 2,
                Style(c.body, PART_LINE));
        DrawLeg(c, q.legs, chestX - U(1), chestY + chestRy / 3, legR, false, false, claws);
        hx = chestX - hr / 4;
        hy = chestY - chestRy - hr / 3;
        neckX = chestX;
        neckY = chestY - chestRy / 2;
    } else if (q.pose == POSE_LIE) {
        /* Lying on its belly, forepaws stretched out in front, head held high. */
        const int bodyY = -bry;
        GroundShadow(c.s, 0, 0, brx + U(10), U(3));
        tailX = brx;
        tailY = bodyY + bry / 3;
        DrawTail(c, q, tailX, tailY);
        Capsule(c.s, -brx / 2, -legR - U(2), legR, -brx - U(6), -legR - U(2), legR,
                Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
        Ellipse(c.s, U(2), bodyY, brx, bry, Style(c.body));
        Ellipse(c.s, -brx / 4, bodyY + bry / 2, brx * 2 / 3, bry / 2, Style(c.belly, PART_NO_HIGHLIGHT));
        Ellipse(c.s, brx * 3 / 5, bodyY + bry / 5, brx / 2, bry * 4 / 5, Style(c.body, PART_LINE));
        Capsule(c.s, -brx / 2, -legR, legR + U(1), -brx - U(8), -legR, legR, Style(c.body, PART_LINE));
        Ellipse(c.s, -brx - U(9), -legR, legR * 3 / 2, legR, Style(c.body, PART_LINE));
        hx = -brx * 3 / 4;
        hy = bodyY - bry - hr / 2;
        neckX = -brx / 2;
        neckY = bodyY - bry / 3;
    } else if (q.pose == POSE_REAR) {
        /* Rearing: the body tilted up at the front, forelegs folded in the air. */
        const int tilt = 28, bodyX = U(4), bodyY = -(legLen + bry);
        const int frontX = bodyX - brx * CosQ12(tilt) / 4096, frontY = bodyY - brx * SinQ12(tilt) / 4096;
        const int backX = bodyX + brx * CosQ12(tilt) / 4096, backY = bodyY + brx * SinQ12(tilt) / 4096;
        GroundShadow(c.s, 0, 0, brx + U(4), U(3));
        tailX = backX - U(2);
        tailY = backY - bry / 2;
        DrawTail(c, q, tailX, tailY);
        DrawLeg(c, q.legs, backX - U(6), backY, legR, true, true, claws);
        Tube(c.s,
             {frontX + U(6), frontY + bry / 2, legR + U(1), frontX - U(2), frontY + bry + U(4), legR,
              frontX - U(8), frontY + bry / 2, legR * 2 / 3},
             Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
        Ellipse(c.s, bodyX, bodyY, brx, bry, Style(c.body), tilt);
        Ellipse(c.s, bodyX - U(2), bodyY + bry / 2, brx * 2 / 3, bry / 2, Style(c.belly, PART_NO_HIGHLIGHT),
                tilt);
        DrawLeg(c, q.legs, backX - U(1), backY, legR, false, true, claws);
        Tube(c.s,
             {frontX + U(3), frontY + bry / 2, legR + U(1), frontX - U(6), frontY + bry + U(2), legR,
              frontX - U(12), frontY + bry / 3, legR * 2 / 3},
             Style(c.body, PART_LINE));
        Ellipse(c.s, frontX - U(12), frontY + bry / 3, legR, legR * 2 / 3 + U(1) / 2,
                Style(c.dark, PART_LINE));
        hx = frontX - hr / 3;
        hy = frontY - bry / 2 - hr;
        neckX = frontX + U(2);
        neckY = frontY;
    } else {
        const int bodyY = -(legLen + bry * 3 / 4);
        const int legTop = bodyY + bry / 3;
        const int legX = brx * 3 / 5;
        GroundShadow(c.s, 0, 0, brx + U(6), U(3));
        tailX = brx * 4 / 5;
        tailY = bodyY - bry / 4;
        /* Tail and far legs lie behind the body. */
        DrawTail(c, q, tailX, tailY);
        DrawLeg(c, q.legs, -legX + U(4), legTop, legR, true, false, claws);
        DrawLeg(c, q.legs, legX + U(4), legTop, legR, true, true, claws);
        Ellipse(c.s, 0, bodyY, brx, bry, Style(c.body));
        if (q.legs != LEG_PEG)
            Ellipse(c.s, -brx / 2, bodyY - bry / 6, brx / 2, bry * 11 / 10, Style(c.body, PART_NO_HIGHLIGHT));
        DrawTorsoExtras(c, q, brx, bry, bodyY);
        if (q.extras & MOSS_RIDGE) {
            const int fern = Material(c, {90, 170, 80});
            for (int k = 0; k < 7; ++k)
                Ellipse(c.s, -brx * 3 / 4 + k * brx / 4, bodyY - bry + U(1) - (k % 2) * U(2), U(4), U(3),
                        Style(c.accent, PART_LINE));
            Leaf(c, -U(2), bodyY - bry - U(2), U(9), -20, fern);
            Leaf(c, brx / 2, bodyY - bry, U(8), 30, fern);
        }
        DrawLeg(c, q.legs, -legX, legTop, legR, false, false, claws);
        DrawLeg(c, q.legs, legX, legTop, legR, false, true, claws);
        hx = -brx * 4 / 5 - hr / 3;
        hy = bodyY - bry * 3 / 4 - hr / 3;
        neckX = -brx / 2;
        neckY = bodyY - bry / 4;
    }
    DrawHeadAndFace(c, q, hx, hy, neckX, neckY, neckR, tailX, tailY);
}

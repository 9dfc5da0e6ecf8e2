// Four-legged creatures in a three-quarter side view facing left: body, legs, neck and head,
// with per-entry ears, tails and extras (horns, antlers, quills, shells, manes).
#include "creature_drawers.h"

namespace {

enum Ears { kEarNone, kEarPointed, kEarRound, kEarLong, kEarSmall };
enum Tail { kTailNone, kTailThin, kTailBushy, kTailStub, kTailFan, kTailFlame, kTailTuft };

enum Extra : unsigned {
    kFrill = 1u << 0,
    kHorns = 1u << 1,
    kCrest = 1u << 2,
    kIceMane = 1u << 3,
    kKey = 1u << 4,
    kShell = 1u << 5,
    kShrub = 1u << 6,
    kQuills = 1u << 7,
    kSteelQuills = 1u << 8,
    kAntlers = 1u << 9,
    kMane = 1u << 10,
    kPlates = 1u << 11,
    kClaws = 1u << 12,
    kStripe = 1u << 13,
    kWool = 1u << 14,
    kGlowTip = 1u << 15,
    kHeaddress = 1u << 16,
    kGoatHorns = 1u << 17,
    kOxHorns = 1u << 18,
    kFlameAntlers = 1u << 19,
    kLeafAntlers = 1u << 20,
    kFierce = 1u << 21,
    kCrystals = 1u << 22,
    kSpots = 1u << 23,
    kBeard = 1u << 24,
    kSparks = 1u << 26,
    kHump = 1u << 27,
    kMask = 1u << 28,
};

struct QuadLook {
    int entry;
    int bodyRx, bodyRy, legLen, legR, headR, snout; // pixels
    Ears ears;
    int earLen;
    Tail tail;
    int tailLen;
    unsigned extras;
};

// clang-format off
const QuadLook kLooks[] = {
    // entry bodyRx bodyRy leg legR head snout ears        earLen tail        tailLen extras
    {   1,   19,  8,    6,  3,   10,  5,   kEarNone,    0,  kTailFlame, 16, kFrill},
    {   2,   23, 10,   10,  4,   10,  7,   kEarNone,    0,  kTailFlame, 20, kHorns | kCrest | kFierce},
    {  16,   14,  8,    6,  3,   11,  5,   kEarPointed, 8,  kTailBushy, 11, 0},
    {  17,   21, 10,   12,  4,   10,  8,   kEarPointed, 8,  kTailBushy, 17, kIceMane | kFierce},
    {  30,   16, 10,    3,  3,   10,  6,   kEarRound,   8,  kTailThin,  18, kKey | kSparks},
    {  38,   13,  8,    6,  3,   11,  5,   kEarPointed, 9,  kTailBushy, 13, kGlowTip},
    {  39,   18,  8,   12,  3,   10,  7,   kEarPointed, 10, kTailFan,   18, kGlowTip},
    {  40,   16, 11,    4,  4,    8,  3,   kEarNone,    0,  kTailStub,   4, kShell},
    {  41,   23, 15,    6,  5,   10,  4,   kEarNone,    0,  kTailStub,   5, kShell | kShrub},
    {  44,   15, 10,    3,  3,    9,  6,   kEarSmall,   4,  kTailStub,   3, kQuills | kSparks},
    {  45,   20, 12,    6,  4,   10,  7,   kEarSmall,   5,  kTailStub,   4, kSteelQuills | kSparks},
    {  49,   13,  7,   12,  2,   10,  5,   kEarLong,    8,  kTailStub,   4, kSpots},
    {  50,   18,  9,   17,  3,    9,  7,   kEarPointed, 6,  kTailStub,   5, kAntlers | kCrystals},
    {  55,   19, 11,   10,  4,   12,  5,   kEarSmall,   5,  kTailTuft,  15, kMane | kFierce},
    {  59,   17, 11,    4,  3,    8,  9,   kEarSmall,   5,  kTailThin,  10, kPlates},
    {  76,   16, 11,    8,  3,   10,  4,   kEarNone,    0,  kTailStub,   3, kClaws | kMask},
    {  81,   14, 11,    7,  2,    9,  3,   kEarLong,    7,  kTailStub,   4, kWool},
    {  83,   16,  9,    5,  3,    9,  7,   kEarSmall,   4,  kTailStub,   4, kStripe},
    {  84,   22, 12,    7,  4,   11,  8,   kEarSmall,   5,  kTailStub,   5, kStripe | kClaws | kFierce},
    {  88,   20, 10,   16,  3,   10,  7,   kEarPointed, 6,  kTailStub,   5, kLeafAntlers | kMane | kFierce},
    {  89,   18, 11,   13,  3,    9,  6,   kEarSmall,   4,  kTailStub,   4, kGoatHorns | kBeard},
    {  90,   16,  8,   11,  3,   10,  3,   kEarPointed, 8,  kTailFlame, 20, kFierce},
    {  94,   21, 10,    8,  4,   11,  4,   kEarNone,    0,  kTailTuft,  14, kHeaddress},
    {  96,   19, 10,   16,  3,    9,  7,   kEarPointed, 6,  kTailFlame, 10, kFlameAntlers},
    { 104,   24, 14,   10,  5,   11,  7,   kEarSmall,   4,  kTailTuft,  14, kOxHorns | kHump},
};
// clang-format on

const QuadLook &LookOf(int entry)
{
    for (const QuadLook &look : kLooks)
        if (look.entry == entry)
            return look;
    return kLooks[0];
}

void DrawLeg(Ctx &c, int x, int top, int r, bool far, bool claws)
{
    const int footY = far ? -U(2) : 0;
    const PartStyle style = far ? Style(c.body, kPartFlat | kPartLine, kShadow) : Style(c.body, kPartLine);
    Capsule(c.s, x, top, r + U(1), x, footY - r, r, style);
    Ellipse(c.s, x - r / 3, footY - r * 3 / 4, r * 4 / 3, r * 3 / 4, style);
    if (claws && !far)
        for (int k = -1; k <= 1; ++k)
            Spike(c, x - r + k * r * 2 / 3, footY - r / 2, r * 2 / 3 + U(1), -120, r / 4 + U(1) / 2,
                  Style(c.bone, kPartNoHighlight));
}

void DrawTail(Ctx &c, const QuadLook &q, int bx, int by)
{
    const int len = U(q.tailLen);
    switch (q.tail) {
    case kTailNone:
        break;
    case kTailStub:
        Ellipse(c.s, bx, by - U(2), len / 2 + U(2), len / 2 + U(1), Style(c.body, kPartLine));
        break;
    case kTailThin:
        Curve(c.s, bx, by, U(2), bx + len * 3 / 4, by + U(2), bx + len, by - len * 2 / 3, U(1),
              Style(c.body));
        if (q.extras & kKey) {
            Capsule(c.s, bx - U(8), by - U(9), U(1), bx - U(8), by - U(15), U(1), Style(c.accent));
            Ellipse(c.s, bx - U(11), by - U(17), U(3), U(2), Style(c.accent, kPartLine));
            Ellipse(c.s, bx - U(5), by - U(17), U(3), U(2), Style(c.accent, kPartLine));
        }
        break;
    case kTailTuft:
        Curve(c.s, bx, by, U(2), bx + len, by + U(2), bx + len, by - len * 2 / 3, U(1), Style(c.body));
        Ellipse(c.s, bx + len, by - len * 2 / 3 - U(2), U(3), U(4), Style(c.accent, kPartLine), -20);
        break;
    case kTailBushy: {
        const int tx = bx + len * 2 / 5, ty = by - len * 2 / 5;
        Ellipse(c.s, tx, ty, len / 3, len * 3 / 5, Style(c.body, kPartLine), 40);
        const int tipX = Toward(tx, len * 2 / 5, 40), tipY = TowardY(ty, len * 2 / 5, 40);
        const int tipMat = (q.extras & kGlowTip) ? c.accent : c.belly;
        Ellipse(c.s, tipX, tipY, len / 5, len / 4, Style(tipMat, kPartLine), 40);
        break;
    }
    case kTailFan:
        for (int k = 0; k < 5; ++k) {
            const int angle = 10 + k * 22;
            const int tx = Toward(bx, len / 2, angle), ty = TowardY(by, len / 2, angle);
            Ellipse(c.s, tx, ty, len / 5, len / 2, Style(c.body, kPartLine), angle);
            Ellipse(c.s, Toward(tx, len * 2 / 5, angle), TowardY(ty, len * 2 / 5, angle), len / 8, len / 6,
                    Style(c.accent, kPartLine), angle);
        }
        break;
    case kTailFlame:
        Curve(c.s, bx, by, U(3), bx + len / 2, by + U(3), bx + len * 3 / 4, by - len / 2, U(2),
              Style(c.body));
        Flame(c, bx + len * 3 / 4, by - len / 2 + U(2), len * 3 / 4, c.accent, 15);
        break;
    }
}

void DrawEars(Ctx &c, const QuadLook &q, int hx, int hy, int hr)
{
    const int len = U(q.earLen);
    switch (q.ears) {
    case kEarNone:
        break;
    case kEarPointed:
        Spike(c, hx - hr / 3, hy - hr * 3 / 4, len, -15, len / 3 + U(1), Style(c.body, kPartLine));
        Spike(c, hx + hr / 2, hy - hr * 3 / 5, len, 25, len / 3 + U(1), Style(c.body, kPartLine));
        Spike(c, hx + hr / 2, hy - hr * 3 / 5 - U(1), len * 3 / 5, 25, len / 6 + U(1) / 2,
              Style(c.accent, kPartFlat | kPartNoHighlight, kLight));
        break;
    case kEarRound:
        Ellipse(c.s, hx - hr / 2, hy - hr * 3 / 4, len / 2, len / 2, Style(c.body, kPartLine));
        Ellipse(c.s, hx + hr / 2, hy - hr * 3 / 4, len / 2 + U(1), len / 2 + U(1), Style(c.body, kPartLine));
        Ellipse(c.s, hx + hr / 2, hy - hr * 3 / 4, len / 3, len / 3, Style(c.belly, kPartFlat, kShadow));
        break;
    case kEarLong:
        Ellipse(c.s, hx + hr * 3 / 4, hy - hr / 4, len / 4 + U(1), len / 2 + U(1), Style(c.body, kPartLine),
                60);
        Ellipse(c.s, hx - hr * 3 / 4, hy - hr / 3, len / 4 + U(1), len / 2, Style(c.body, kPartLine), -50);
        break;
    case kEarSmall:
        Ellipse(c.s, hx + hr / 3, hy - hr * 4 / 5, len / 2, len / 2, Style(c.body, kPartLine));
        break;
    }
}

void DrawHorns(Ctx &c, const QuadLook &q, int hx, int hy, int hr)
{
    if (q.extras & kHorns) {
        Curve(c.s, hx, hy - hr * 3 / 4, U(2), hx + hr / 2, hy - hr * 3 / 2, hx + hr * 3 / 2, hy - hr * 3 / 2,
              U(1) / 2, Style(c.bone, kPartLine));
        Curve(c.s, hx + hr / 2, hy - hr / 2, U(2), hx + hr, hy - hr * 5 / 4, hx + hr * 2, hy - hr, U(1) / 2,
              Style(c.bone, kPartLine));
    }
    if (q.extras & kGoatHorns) {
        Curve(c.s, hx, hy - hr * 3 / 4, U(3), hx + hr * 2, hy - hr * 2, hx + hr * 3 / 2, hy, U(1),
              Style(c.accent, kPartLine));
    }
    if (q.extras & kOxHorns) {
        Curve(c.s, hx - hr / 2, hy - hr / 2, U(2), hx - hr * 3 / 2, hy - hr / 2, hx - hr * 3 / 2,
              hy - hr * 3 / 2, U(1), Style(c.accent, kPartLine));
        Curve(c.s, hx + hr / 2, hy - hr / 2, U(2), hx + hr * 3 / 2, hy - hr / 2, hx + hr * 3 / 2,
              hy - hr * 3 / 2, U(1), Style(c.accent, kPartLine));
    }
    if (q.extras & (kAntlers | kLeafAntlers | kFlameAntlers)) {
        const int mat = (q.extras & kAntlers) ? c.accent : c.bone;
        for (int side = 0; side < 2; ++side) {
            const int bx = hx + (side ? hr / 2 : -hr / 3), by = hy - hr * 3 / 4;
            const int lean = side ? 20 : -20;
            const int tx = Toward(bx, hr * 2, lean), ty = TowardY(by, hr * 2, lean);
            Capsule(c.s, bx, by, U(1) + U(1) / 2, tx, ty, U(1), Style(mat, kPartLine));
            for (int k = 1; k <= 2; ++k) {
                const int jx = Toward(bx, hr * 2 * k / 3, lean), jy = TowardY(by, hr * 2 * k / 3, lean);
                const int branch = lean + (side ? 45 : -45);
                Capsule(c.s, jx, jy, U(1), Toward(jx, hr * 3 / 4, branch), TowardY(jy, hr * 3 / 4, branch),
                        U(1) / 2, Style(mat, kPartLine));
                if (q.extras & kLeafAntlers)
                    Leaf(c, Toward(jx, hr * 3 / 4, branch), TowardY(jy, hr * 3 / 4, branch), U(6), branch,
                         c.accent);
            }
            if (q.extras & kFlameAntlers)
                Flame(c, tx, ty + U(2), U(9), c.accent, lean);
            if (q.extras & kAntlers)
                Spike(c, tx, ty + U(1), U(4), lean, U(2), Style(c.accent, kPartLine));
        }
    }
}

const int kMoleEntry = 66;
const int kBigMoleEntry = 67;

// One digging hand: a broad pink palm turned outward with a fan of long pale claws.
void MoleHand(Ctx &c, int claw, int x, int y, int towardAngle, int reach)
{
    const int kClaws = 3, kSpread = 34;
    for (int k = 0; k < kClaws; ++k) {
        const int angle = towardAngle + (k - 1) * kSpread;
        Spike(c, Toward(x, U(4), angle), TowardY(y, U(4), angle), reach, angle + (towardAngle > 0 ? 12 : -12),
              U(2), Style(claw, kPartLine | kPartNoHighlight));
    }
    Ellipse(c.s, x, y, U(6), U(5), Style(c.accent, kPartLine), towardAngle);
}

// A mole, sitting up and turned a little to the left: velvety dark fur with a soft sheen, a
// long pointed pink snout, pinpoint eyes and broad digging hands. The young one pops out of
// its mound; the grown one stands beside it with both hands raised to dig.
void DrawMole(Ctx &c)
{
    const bool big = c.plan->index == kBigMoleEntry;
    Ramp velvet = MakeRamp(c.plan->bodyColour);
    velvet.shade[kLight] = Mix(c.plan->bodyColour, {196, 186, 214}, 64);
    velvet.shade[kHighlight] = Mix(c.plan->bodyColour, {214, 206, 232}, 112);
    const int fur = AddMaterial(c.s, velvet);
    const int earth = Material(c, {156, 112, 70});
    const int nose = Material(c, Darker(c.plan->accentColour, 18));
    GroundShadow(c.s, 0, 0, U(24), U(3));

    const int bodyY = big ? -U(18) : -U(20), headY = big ? -U(38) : -U(35);
    const int claw = Material(c, {196, 170, 130});
    const int reach = big ? U(9) : U(7);
    if (big) {
        Polygon(c.s, {U(6), 0, U(11), -U(9), U(18), -U(13), U(26), -U(12), U(31), -U(6), U(33), 0},
                Style(earth, kPartLine));
        for (int side = -1; side <= 1; side += 2)
            Ellipse(c.s, side * U(6) - U(1), -U(2), U(5), U(3), Style(c.accent, kPartLine));
    }
    Ellipse(c.s, 0, bodyY, U(14), big ? U(17) : U(14), Style(fur));
    Ellipse(c.s, -U(2), headY, U(11), U(10), Style(fur));
    // The snout tapers to a point, the nose pad at its tip; pale whiskers on its sides.
    const int sy = headY + U(3);
    Tube(c.s, {-U(8), sy, U(5), -U(14), sy + U(2), U(3), -U(20), sy + U(4), U(1)},
         Style(c.accent, kPartLine));
    Ellipse(c.s, -U(20), sy + U(4), U(2), U(2), Style(nose, kPartLine | kPartNoHighlight));
    Dot(c.s, -U(21), sy + U(4), c.dark, kBase);
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(13), sy + U(1) + k * U(2), U(1) / 3, -U(17) + k * U(1), sy - U(3) + k * U(6),
                U(1) / 3, Style(c.bone, kPartFlat, kLight));
    // Pinpoint eyes in the fur, each with a glint.
    for (int side = 0; side < 2; ++side) {
        const int ex = side ? U(2) : -U(6), ey = headY - U(3);
        Ellipse(c.s, ex, ey, U(1) + U(1) / 2, U(1), Style(c.eye, kPartFlat));
        Dot(c.s, ex - U(1) / 2, ey - U(1) / 2, c.white, kBase);
    }
    Smile(c, -U(10), sy + U(5), U(2));

    if (big) {
        MoleHand(c, claw, -U(16), bodyY - U(2), -105, reach);
        MoleHand(c, claw, U(16), bodyY - U(2), 105, reach);
        return;
    }
    // The mound in front hides the lower body; the hands rest on its rim.
    Polygon(c.s, {-U(24), 0, -U(18), -U(8), -U(8), -U(12), U(8), -U(12), U(18), -U(8), U(24), 0},
            Style(earth, kPartLine));
    for (int k = 0; k < 4; ++k)
        Ellipse(c.s, -U(15) + k * U(10), -U(4) + (k % 2) * U(2), U(2), U(1) + U(1) / 2,
                Style(earth, kPartNoHighlight, kLight));
    MoleHand(c, claw, -U(12), -U(13), -135, reach);
    MoleHand(c, claw, U(12), -U(13), 135, reach);
}

} // namespace

void DrawQuadruped(Ctx &c)
{
    if (c.plan->index == kMoleEntry || c.plan->index == kBigMoleEntry) {
        DrawMole(c);
        return;
    }
    const QuadLook &q = LookOf(c.plan->index);
    const int brx = U(q.bodyRx), bry = U(q.bodyRy), legR = U(q.legR), hr = U(q.headR);
    const int bodyY = -(U(q.legLen) + bry * 3 / 4);
    const int legTop = bodyY + bry / 3;
    const int legX = brx * 3 / 5;
    const bool claws = (q.extras & kClaws) != 0;
    GroundShadow(c.s, 0, 0, brx + U(6), U(3));

    // Tail and far legs lie behind the body.
    DrawTail(c, q, brx * 4 / 5, bodyY - bry / 4);
    DrawLeg(c, -legX + U(4), legTop, legR, true, claws);
    DrawLeg(c, legX + U(4), legTop, legR, true, claws);

    Ellipse(c.s, 0, bodyY, brx, bry, Style(c.body));
    if (q.extras & kHump)
        Ellipse(c.s, -brx / 3, bodyY - bry * 2 / 3, brx / 2, bry / 2, Style(c.body, kPartBehind));
    if (q.extras & kWool) {
        for (int k = 0; k < 9; ++k) {
            const int angle = -100 + k * 25;
            Ellipse(c.s, Toward(0, brx * 5 / 6, angle), TowardY(bodyY + bry / 6, bry * 5 / 6, angle), U(5),
                    U(5), Style(c.belly, kPartLine));
        }
        Ellipse(c.s, 0, bodyY, brx * 4 / 5, bry * 4 / 5, Style(c.belly, kPartNoHighlight));
        Dot(c.s, -U(3), bodyY - U(2), c.accent, kLight);
        Dot(c.s, U(5), bodyY + U(1), c.accent, kLight);
    } else if (!(q.extras & (kShell | kPlates))) {
        Ellipse(c.s, -brx / 6, bodyY + bry / 2, brx * 2 / 3, bry / 2, Style(c.belly, kPartNoHighlight));
    }
    if (q.extras & kShell) {
        Ellipse(c.s, U(1), bodyY - bry / 5, brx + U(1), bry, Style(c.accent, kPartLine));
        for (int k = -1; k <= 1; ++k)
            Ellipse(c.s, k * brx * 3 / 5 + U(1), bodyY - bry / 4 - (k == 0 ? bry / 3 : 0), brx / 4, bry / 3,
                    Style(c.accent, kPartLine | kPartNoHighlight));
        Capsule(c.s, -brx, bodyY + bry * 2 / 3, U(1), brx, bodyY + bry * 2 / 3, U(1),
                Style(c.belly, kPartFlat, kBase));
        if (q.extras & kShrub) {
            const int shrub = Material(c, {90, 170, 70});
            for (int k = 0; k < 7; ++k)
                Ellipse(c.s, -U(10) + k * U(4), bodyY - bry - U(3) - (k % 2) * U(3) - (k == 3) * U(4), U(5),
                        U(5), Style(shrub, kPartLine));
            Ellipse(c.s, U(2), bodyY - bry - U(9), U(2), U(2),
                    Style(Material(c, {240, 120, 140}), kPartLine));
        }
    }
    if (q.extras & kPlates)
        for (int k = -2; k <= 2; ++k)
            Ellipse(c.s, k * brx / 3, bodyY - bry / 8, brx / 5, bry, Style(c.accent, kPartLine));
    if (q.extras & (kQuills | kSteelQuills)) {
        const PartStyle quill = Style(c.accent, kPartLine | kPartNoHighlight);
        for (int k = 0; k < 9; ++k) {
            const int angle = -50 + k * 20;
            Spike(c, Toward(U(2), brx * 3 / 4, angle), TowardY(bodyY, bry * 3 / 4, angle),
                  U(8) + (k % 2) * U(3), angle + 15, U(3), quill);
        }
        Ellipse(c.s, U(3), bodyY, brx * 3 / 4, bry * 3 / 4, Style(c.accent));
        Ellipse(c.s, -brx / 3, bodyY + bry / 3, brx / 2, bry / 2, Style(c.body, kPartLine));
    }
    if (q.extras & kStripe)
        Capsule(c.s, -brx, bodyY - bry * 2 / 3, U(2), brx, bodyY - bry / 2, U(2),
                Style(c.accent, kPartNoHighlight));
    if (q.extras & kCrest)
        for (int k = 0; k < 4; ++k)
            Flame(c, -brx / 2 + k * brx / 3, bodyY - bry + U(2), U(8) - k * U(1), c.accent, 20);
    if (q.extras & kSpots)
        for (int k = 0; k < 4; ++k)
            Ellipse(c.s, -brx / 2 + k * brx / 3, bodyY - bry / 3 + (k % 2) * U(2), U(1) + U(1) / 2, U(1),
                    Style(c.accent, kPartFlat, kLight));
    if (q.extras & kCrystals)
        for (int k = 0; k < 3; ++k)
            Spike(c, -brx / 3 + k * brx / 3, bodyY - bry + U(1), U(6), 10 + k * 10, U(2),
                  Style(c.accent, kPartLine));

    DrawLeg(c, -legX, legTop, legR, false, claws);
    DrawLeg(c, legX, legTop, legR, false, claws);

    // Neck and head at the front.
    const int hx = -brx * 4 / 5 - hr / 3, hy = bodyY - bry * 3 / 4 - hr / 3;
    if (q.extras & kMane) {
        const int mane = c.accent;
        for (int k = 0; k < 10; ++k) {
            const int angle = k * 36;
            Ellipse(c.s, Toward(hx + U(2), hr, angle), TowardY(hy + U(1), hr, angle), hr / 2, hr / 2,
                    Style(mane, kPartLine));
        }
    }
    if (q.extras & kIceMane) {
        const int ice = Material(c, c.plan->accentColour);
        for (int k = 0; k < 6; ++k)
            Spike(c, hx + hr / 2 + U(2), hy + hr / 3, hr + U(2) + (k % 2) * U(3), 10 + k * 28, U(3),
                  Style(ice, kPartLine));
    }
    Capsule(c.s, -brx / 2, bodyY - bry / 4, bry * 2 / 3, hx, hy, hr * 2 / 3, Style(c.body, kPartBehind));
    DrawHorns(c, q, hx, hy, hr);
    DrawEars(c, q, hx, hy, hr);
    if (q.extras & kHeaddress) {
        Polygon(c.s,
                {hx - hr, hy - hr / 3, hx - hr / 2, hy - hr * 6 / 5, hx + hr / 2, hy - hr * 6 / 5,
                 hx + hr * 3 / 2, hy + hr * 3 / 2, hx + hr / 2, hy + hr * 3 / 2},
                Style(c.accent, kPartLine));
        for (int k = 0; k < 3; ++k)
            Capsule(c.s, hx + hr / 5 + k * U(3), hy - hr / 2 + k * U(3), U(1), hx + hr + k * U(1),
                    hy + hr + k * U(1), U(1), Style(Material(c, {250, 210, 90}), kPartFlat, kLight));
    }
    Ellipse(c.s, hx, hy, hr, hr * 9 / 10, Style(c.body, kPartLine));
    if (q.extras & kMask)
        Ellipse(c.s, hx - hr / 4, hy, hr * 3 / 4, hr / 2, Style(c.belly, kPartNoHighlight));
    if (q.extras & kStripe)
        Capsule(c.s, hx - hr / 3, hy - hr * 4 / 5, U(2), hx + hr, hy - hr / 3, U(2),
                Style(c.accent, kPartNoHighlight));
    if (q.extras & kFrill) {
        for (int k = 0; k < 5; ++k)
            Flame(c, hx + hr / 2 + U(3), hy - hr / 3 + k * U(3), U(9), c.accent, 50 + k * 15);
    }
    if (q.extras & kBeard)
        Spike(c, hx - hr / 3, hy + hr * 3 / 4, U(6), 190, U(2), Style(c.belly, kPartLine));
    // Snout toward the front and a little down.
    const int sx = hx - hr * 3 / 4, sy = hy + hr / 3;
    Ellipse(c.s, sx, sy, U(q.snout) + U(1), hr / 2, Style(c.belly, kPartLine | kPartNoHighlight));
    Ellipse(c.s, sx - U(q.snout), sy - hr / 5, U(1) + U(1) / 2, U(1) + U(1) / 2,
            Style(c.dark, kPartNoHighlight));
    Capsule(c.s, sx - U(q.snout) / 2, sy + hr / 4, U(1) / 2, sx + U(1), sy + hr / 4 + U(1), U(1) / 2,
            Style(c.mouth, kPartFlat));

    // Eyes: the near one larger.
    const int eyeR = c.young ? hr / 4 : hr / 5;
    const int ex = hx - hr / 6, ey = hy - hr / 5;
    if (q.extras & kFierce) {
        const int iris = (q.entry == 90) ? c.accent : Material(c, {250, 210, 70});
        FierceEye(c, ex - hr / 2, ey, eyeR * 3 / 4, 15, iris);
        FierceEye(c, ex + hr / 3, ey, eyeR, 15, iris);
    } else {
        CuteEye(c, ex - hr / 2, ey, eyeR * 4 / 5);
        CuteEye(c, ex + hr / 3, ey, eyeR);
    }
    if (q.extras & kSparks) {
        const int spark = Material(c, {255, 230, 60});
        Polygon(
            c.s,
            {hx + hr * 2, hy - hr, hx + hr * 2 + U(4), hy - hr + U(3), hx + hr * 2 + U(1), hy - hr + U(4)},
            Style(spark, kPartFlat, kLight));
        Polygon(c.s,
                {brx + U(4), bodyY - bry, brx + U(9), bodyY - bry - U(3), brx + U(6), bodyY - bry + U(1)},
                Style(spark, kPartFlat, kLight));
    }
}

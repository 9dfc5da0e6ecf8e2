// Two-legged creatures seen from the front: legs, body, arms and head, with per-entry
// features (rock chunks, fur, tails, hats, armour, wings, crystals, moss).
#include "creature_drawers.h"

namespace {

enum BipedExtra : unsigned {
    kRocky = 1u << 0,
    kShoulderCrystals = 1u << 1,
    kFur = 1u << 2,
    kMonkey = 1u << 3,
    kBands = 1u << 4,
    kScarecrow = 1u << 5,
    kRobot = 1u << 6,
    kLava = 1u << 7,
    kKangaroo = 1u << 8,
    kWings = 1u << 9,
    kHorns = 1u << 10,
    kIceCrystals = 1u << 11,
    kMoss = 1u << 12,
    kBigFists = 1u << 13,
    kTail = 1u << 14,
    kSunkHead = 1u << 15,
    kFierce = 1u << 16,
};

struct BipedLook {
    int entry;
    int legLen, legR, bodyRx, bodyRy, headR, armLen, armR, handR; // pixels
    unsigned extras;
};

// clang-format off
const BipedLook kLooks[] = {
    // entry leg legR bodyRx bodyRy head arm armR hand extras
    {  11,   3,  3,  14,  12,   0,   8,  3,  4, kRocky | kSunkHead},
    {  12,   5,  4,  16,  13,   7,  13,  4,  5, kRocky | kSunkHead},
    {  13,   8,  5,  18,  14,   8,  17,  5,  8, kRocky | kSunkHead | kShoulderCrystals | kBigFists | kFierce},
    {  35,   4,  4,  11,  10,  12,   8,  3,  4, kFur},
    {  36,   9,  6,  17,  15,  12,  18,  5,  7, kFur | kBigFists | kFierce | kHorns},
    {  43,  14,  2,   8,  11,   9,  16,  1,  3, kScarecrow},
    {  51,   5,  2,   8,   8,  10,   9,  2,  3, kMonkey | kTail},
    {  52,   8,  3,  12,  11,  10,  15,  3,  4, kMonkey | kTail},
    {  53,  10,  5,  17,  15,  10,  20,  5,  7, kMonkey | kBands | kBigFists | kFierce},
    {  75,  11,  4,  12,  12,   9,  14,  3,  5, kRobot},
    {  77,   8,  5,  17,  15,   7,  16,  5,  7, kRocky | kLava | kSunkHead | kBigFists},
    {  80,  10,  4,  11,  12,  10,  11,  3,  6, kKangaroo | kTail | kBigFists},
    {  85,   7,  4,  12,  11,  10,  11,  3,  4, kWings | kHorns | kFierce | kTail},
    {  95,  10,  6,  18,  15,   8,  16,  6,  7, kRocky | kIceCrystals | kSunkHead | kBigFists},
    {  97,  11,  6,  17,  16,   9,  18,  5,  6, kMoss | kSunkHead},
};
// clang-format on

const BipedLook &LookOf(int entry)
{
    for (const BipedLook &look : kLooks)
        if (look.entry == entry)
            return look;
    return kLooks[0];
}

// Pale blue of the bare yeti face, set off from the whitish fur around it.
const Rgb kYetiFace = {160, 200, 242};
const Rgb kYetiNose = {58, 64, 104};

// A dark eye whose highlight sits well inside it, so rounding never drops it on the face.
void YetiEye(Ctx &c, int x, int y, int rx, int ry, int angle)
{
    Ellipse(c.s, x, y, rx, ry, Style(c.eye, kPartFlat), angle);
    Dot(c.s, x - rx / 3, y - ry / 3, c.white, kBase);
}

// The yeti's bare face under a short fringe: small dark eyes, a nose and a mouth; the
// fierce one frowns under heavy brows and roars with fangs.
void YetiFace(Ctx &c, int headY, int hr, bool fierce)
{
    const int face = Material(c, kYetiFace);
    Ellipse(c.s, 0, headY + hr / 6, hr * 3 / 4, hr * 2 / 3, Style(face, kPartLine | kPartFlat));
    Spike(c, 0, headY - hr * 3 / 5, hr / 4, 180, hr / 6, Style(c.body, kPartNoHighlight));
    const int nose = Material(c, kYetiNose);
    const int eyeX = hr * 3 / 10;
    if (fierce) {
        const int eyeY = headY + hr / 10;
        for (int side = -1; side <= 1; side += 2) {
            Capsule(c.s, side * hr / 2, eyeY - hr / 4, U(1), side * hr / 10, eyeY - hr / 10, U(1),
                    Style(c.accent, kPartFlat, kShadow));
            YetiEye(c, side * eyeX, eyeY + hr / 20, hr / 6, hr / 9, side * 15);
        }
        Ellipse(c.s, 0, headY + hr * 3 / 8, hr / 6, hr / 12, Style(nose, kPartFlat));
        // A roaring mouth with two fangs.
        const int my = headY + hr * 13 / 20;
        Ellipse(c.s, 0, my, hr * 3 / 10, hr / 7, Style(c.mouth, kPartFlat));
        for (int side = -1; side <= 1; side += 2)
            Spike(c, side * hr / 6, my - hr / 7, hr / 5, 180 - side * 10, U(1),
                  Style(c.bone, kPartFlat, kLight));
    } else {
        const int eyeY = headY + hr / 12;
        for (int side = -1; side <= 1; side += 2)
            YetiEye(c, side * (eyeX + hr / 20), eyeY, hr / 5, hr / 4, 0);
        Ellipse(c.s, 0, headY + hr * 9 / 20, hr / 7, hr / 12, Style(nose, kPartFlat));
        Smile(c, 0, headY + hr * 13 / 20, hr / 4);
    }
}

} // namespace

void DrawBiped(Ctx &c)
{
    const BipedLook &b = LookOf(c.plan->index);
    const int legLen = U(b.legLen), legR = U(b.legR), brx = U(b.bodyRx), bry = U(b.bodyRy);
    const int hr = U(b.headR), armR = U(b.armR), handR = U(b.handR), armLen = U(b.armLen);
    const int bodyY = -legLen - bry;
    GroundShadow(c.s, 0, 0, brx + U(5), U(3));
    const int skin = (b.extras & kMonkey) ? c.accent : c.belly;
    const int limb = (b.extras & kScarecrow) ? Material(c, {150, 110, 70}) : c.body;

    if (b.extras & kWings)
        for (int side = -1; side <= 1; side += 2) {
            const int wx = side * (brx + U(14)), wy = bodyY - bry - U(8);
            Polygon(c.s,
                    {side * brx / 2, bodyY - bry / 2, wx, wy, side * (brx + U(16)), bodyY + U(2), side * brx,
                     bodyY + bry / 2},
                    Style(c.accent, kPartLine));
            for (int k = 1; k <= 2; ++k)
                Capsule(c.s, side * brx / 2, bodyY - bry / 2, U(1) / 2, side * (brx + U(6) * k),
                        bodyY + U(2) - k * U(1), U(1) / 2, Style(c.accent, kPartFlat, kShadow));
        }
    if (b.extras & kTail) {
        const int tailMat = c.body;
        if (b.extras & kKangaroo)
            Curve(c.s, U(4), -legLen - U(2), U(5), brx + U(12), -U(2), brx + U(18), -U(3), U(2),
                  Style(tailMat, kPartLine));
        else
            Curve(c.s, brx / 2, bodyY + bry / 2, U(2), brx + U(14), bodyY + bry, brx + U(10),
                  bodyY - bry - U(4), U(1) + U(1) / 2, Style(tailMat, kPartLine));
        if (b.extras & kWings)
            Spike(c, brx + U(10), bodyY - bry - U(4), U(5), 20, U(3), Style(c.body, kPartLine));
    }

    // Legs and feet.
    for (int side = -1; side <= 1; side += 2) {
        const int lx = side * (brx / 2);
        Capsule(c.s, lx, bodyY + bry / 2, legR, lx, -legR, legR, Style(limb, kPartLine));
        const int footR = (b.extras & kKangaroo) ? legR * 2 : legR + U(1);
        Ellipse(c.s, lx + side * U(1), -footR * 2 / 3 + U(1) / 2, footR + U(1), footR * 2 / 3,
                Style((b.extras & kScarecrow) ? c.dark : limb, kPartLine));
    }

    // Body.
    Ellipse(c.s, 0, bodyY, brx, bry, Style(b.extras & kScarecrow ? c.accent : c.body, kPartLine));
    if (b.extras & (kFur | kMonkey | kKangaroo))
        Ellipse(c.s, 0, bodyY + bry / 4, brx * 3 / 5, bry * 2 / 3, Style(skin, kPartNoHighlight));
    if (b.extras & kKangaroo)
        Capsule(c.s, -brx / 2, bodyY + bry / 2, U(1) / 2, brx / 2, bodyY + bry / 2, U(1) / 2,
                Style(c.body, kPartFlat, kShadow));
    if (b.extras & kRocky) {
        for (int k = 0; k < 5; ++k) {
            const int angle = 100 + k * 40;
            Ellipse(c.s, Toward(0, brx * 3 / 5, angle), TowardY(bodyY, bry * 3 / 5, angle), brx / 4, bry / 5,
                    Style(c.accent, kPartLine | kPartNoHighlight), angle);
        }
    }
    if (b.extras & kLava) {
        const int lava = Material(c, c.plan->accentColour);
        Tube(c.s, {-brx / 2, bodyY - bry / 2, U(1), -brx / 6, bodyY, U(1), -brx / 3, bodyY + bry / 2, U(1)},
             Style(lava, kPartFlat, kLight));
        Tube(c.s,
             {brx / 2, bodyY - bry / 3, U(1), brx / 5, bodyY + bry / 4, U(1), brx / 2, bodyY + bry * 2 / 3,
              U(1)},
             Style(lava, kPartFlat, kLight));
        Flame(c, 0, bodyY - bry - U(2), U(12), lava);
    }
    if (b.extras & kMoss)
        for (int k = 0; k < 6; ++k) {
            const int angle = -80 + k * 32;
            Ellipse(c.s, Toward(0, brx * 4 / 5, angle), TowardY(bodyY, bry * 4 / 5, angle), U(5), U(3),
                    Style(Material(c, {120, 190, 80}), kPartLine), angle + 90);
        }
    if (b.extras & kRobot) {
        Polygon(c.s,
                {-brx / 2, bodyY - bry * 2 / 3, brx / 2, bodyY - bry * 2 / 3, U(1), bodyY + bry / 2, -U(1),
                 bodyY + bry / 2},
                Style(c.accent, kPartLine));
        Ellipse(c.s, 0, bodyY, U(3), U(3), Style(Material(c, {90, 200, 240}), kPartLine));
    }
    if (b.extras & kScarecrow) {
        for (int k = -1; k <= 1; ++k)
            Spike(c, k * U(4), bodyY + bry - U(1), U(5), 180 + k * 20, U(2), Style(c.body, kPartLine));
        Ellipse(c.s, -brx / 3, bodyY + bry / 4, U(2), U(2), Style(Material(c, {200, 90, 70}), kPartLine));
    }

    // Arms.
    for (int side = -1; side <= 1; side += 2) {
        const int sx = side * (brx * 4 / 5), sy = bodyY - bry / 2;
        const int hx = side * (brx + armLen / 3), hy = (b.extras & kScarecrow) ? sy : sy + armLen;
        if (b.extras & kScarecrow) {
            Capsule(c.s, 0, sy, armR, hx, hy, armR, Style(limb, kPartLine));
            for (int k = -1; k <= 1; ++k)
                Spike(c, hx, hy, U(4), side * 90 + k * 35, U(1), Style(c.body, kPartLine));
            continue;
        }
        Capsule(c.s, sx, sy, armR + U(1), hx, hy, armR, Style(c.body, kPartLine));
        if (b.extras & kBands)
            Ellipse(c.s, hx, hy - handR, armR + U(2), U(2), Style(c.accent, kPartLine));
        const int fistMat = (b.extras & kKangaroo) ? c.accent : (b.extras & kMonkey) ? skin : c.body;
        Ellipse(c.s, hx, hy, handR, handR, Style(fistMat, kPartLine));
        if (b.extras & kShoulderCrystals) {
            const int crystal = c.accent;
            Spike(c, sx, sy - U(2), U(9), side * 30, U(3), Style(crystal, kPartLine));
            Spike(c, sx + side * U(4), sy, U(6), side * 60, U(2), Style(crystal, kPartLine));
        }
        if (b.extras & kIceCrystals) {
            const int ice = Material(c, {190, 236, 250});
            Spike(c, sx, sy - U(2), U(11), side * 20, U(3), Style(ice, kPartLine));
            Spike(c, sx + side * U(5), sy + U(1), U(7), side * 55, U(2), Style(ice, kPartLine));
        }
    }

    // Head.
    const int headY = (b.extras & kSunkHead) ? bodyY - bry * 2 / 3 : bodyY - bry - hr * 2 / 3;
    if (hr > 0) {
        if (b.extras & kMonkey)
            for (int side = -1; side <= 1; side += 2) {
                Ellipse(c.s, side * hr, headY - hr / 5, hr / 2, hr / 2, Style(c.body, kPartLine));
                Ellipse(c.s, side * hr, headY - hr / 5, hr / 4, hr / 4, Style(skin, kPartFlat, kShadow));
            }
        if (b.extras & kKangaroo)
            for (int side = -1; side <= 1; side += 2)
                Ellipse(c.s, side * hr * 2 / 3, headY - hr * 5 / 4, hr / 4, hr * 2 / 3,
                        Style(c.body, kPartLine), side * 15);
        if (b.extras & kHorns)
            for (int side = -1; side <= 1; side += 2)
                Spike(c, side * hr / 2, headY - hr * 3 / 4, hr * 3 / 4, side * 30, hr / 5,
                      Style(c.bone, kPartLine));
        if (b.extras & kFur)
            for (int k = 0; k < 3; ++k)
                Spike(c, (k - 1) * hr / 3, headY - hr * 4 / 5, hr / 2, (k - 1) * 25, hr / 5,
                      Style(c.body, kPartLine));
        Ellipse(c.s, 0, headY, hr, hr * 9 / 10, Style(c.body, kPartLine));
        if (b.extras & (kMonkey | kKangaroo))
            Ellipse(c.s, 0, headY + hr / 4, hr * 2 / 3, hr / 2, Style(skin, kPartNoHighlight));
        if (b.extras & kFur) {
            YetiFace(c, headY, hr, (b.extras & kFierce) != 0);
        } else if (b.extras & kRobot) {
            Capsule(c.s, -hr * 2 / 3, headY, U(1), hr * 2 / 3, headY, U(1), Style(c.dark, kPartFlat));
            Capsule(c.s, -hr / 3, headY, U(1) / 2, hr / 3, headY, U(1) / 2,
                    Style(Material(c, {255, 90, 80}), kPartFlat, kLight));
            Curve(c.s, 0, headY - hr, U(2), hr / 2, headY - hr * 2, hr * 3 / 2, headY - hr * 3 / 2, U(1),
                  Style(c.accent, kPartLine));
        } else if (b.extras & kScarecrow) {
            Ellipse(c.s, 0, headY - hr * 2 / 3, hr * 3 / 2, hr / 4, Style(limb, kPartLine));
            Polygon(c.s,
                    {-hr * 2 / 3, headY - hr * 2 / 3, -hr / 3, headY - hr * 2, hr / 3, headY - hr * 2,
                     hr * 2 / 3, headY - hr * 2 / 3},
                    Style(limb, kPartLine));
            Capsule(c.s, -hr / 2, headY, U(1), -hr / 4, headY, U(1), Style(c.eye, kPartFlat));
            Capsule(c.s, hr / 4, headY, U(1), hr / 2, headY, U(1), Style(c.eye, kPartFlat));
            Smile(c, 0, headY + hr / 2, hr / 2);
        } else {
            const int eyeX = hr * 2 / 5;
            if (b.extras & kFierce) {
                const int iris = Material(c, {250, 220, 80});
                FierceEye(c, -eyeX, headY, hr / 5, -15, iris);
                FierceEye(c, eyeX, headY, hr / 5, 15, iris);
            } else {
                CuteEye(c, -eyeX, headY, c.young ? hr / 4 : hr / 5);
                CuteEye(c, eyeX, headY, c.young ? hr / 4 : hr / 5);
            }
            Smile(c, 0, headY + hr / 2, hr / 4);
        }
    } else {
        // No head: the face sits on the body.
        CuteEye(c, -brx / 3, bodyY - bry / 5, U(2) + U(1) / 2);
        CuteEye(c, brx / 3, bodyY - bry / 5, U(2) + U(1) / 2);
        Smile(c, 0, bodyY + bry / 4, U(2));
    }
}

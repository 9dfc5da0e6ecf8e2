/* Pictures of the plan rows whose body is BODY_SEAL, the seals: the pup on the sand, the grown seal
   propped on its flippers and the old bull lying as a windbreak for the colony. */
#include "creature_drawers.h"

/* Two rear flippers fanned out behind the tail end. */
static void RearFlippers(Ctx &c, int x, int y, int size, int material)
{
    Spike(c, x, y, size, 70, size / 3, Style(material, PART_LINE | PART_NO_HIGHLIGHT));
    Spike(c, x, y + size / 4, size, 110, size / 3, Style(material, PART_LINE | PART_NO_HIGHLIGHT));
}

/* Whiskers fanned from a snout at (x, y): long pale lines, two pixels wide so they survive the
   header's enlargement. */
static void Whiskers(Ctx &c, int x, int y, int len, int material)
{
    for (int k = 0; k < 3; ++k)
        Curve(c.s, x, y + k * U(1), Px(c, 1) / 2, x - len * 2 / 3, y + k * U(3), x - len, y + k * U(6) + U(2),
              Px(c, 1) / 2, Style(material, PART_FLAT, SHADE_SHADOW));
}

/* The pup lies round and silver on the sand, all eyes. */
static void SealPup(Ctx &c, int flipper)
{
    const int sand = Material(c, {226, 196, 140});
    GroundShadow(c.s, 0, 0, U(26), U(3));
    Ellipse(c.s, 0, -U(2), U(28), U(3), Style(sand, PART_LINE | PART_NO_HIGHLIGHT));
    RearFlippers(c, U(20), -U(8), U(9), flipper);
    Tube(c.s, {U(20), -U(8), U(5), U(8), -U(12), U(11), -U(6), -U(15), U(13)}, Style(c.body, PART_LINE));
    Ellipse(c.s, -U(2), -U(8), U(12), U(5), Style(c.belly, PART_NO_HIGHLIGHT));
    /* A big round head with a short snout and huge dark eyes. */
    const int hx = -U(14), hy = -U(20);
    Ellipse(c.s, hx, hy, U(12), U(11), Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(9), hy + U(5), U(5), U(4), Style(c.belly, PART_LINE));
    Ellipse(c.s, hx - U(12), hy + U(3), U(2), U(1) + U(1) / 2, Style(c.dark, PART_FLAT));
    BrightEye(c, hx - U(5), hy - U(3), U(4));
    BrightEye(c, hx + U(5), hy - U(3), U(3) + U(1) / 2);
    Capsule(c.s, hx - U(10), hy + U(7), U(1) / 2, hx - U(7), hy + U(8), U(1) / 2, Style(c.mouth, PART_FLAT));
    /* A fore flipper laid on the sand. */
    Ellipse(c.s, -U(4), -U(6), U(6), U(3), Style(flipper, PART_LINE), -15);
}

/* The grown seal lies propped on its fore flippers, sleek and long, its round head raised and
   turned a little to us: big dark eyes, long pale whiskers, a short plain snout, old scratches on
   the neck. */
static void SealAdult(Ctx &c, int flipper)
{
    const int sand = Material(c, {226, 196, 140}), whisker = c.accent;
    GroundShadow(c.s, 0, 0, U(32), U(3));
    Ellipse(c.s, 0, -U(2), U(34), U(3), Style(sand, PART_LINE | PART_NO_HIGHLIGHT));
    RearFlippers(c, U(32), -U(7), U(11), flipper);
    Tube(c.s, {U(32), -U(7), U(5), U(20), -U(11), U(11), U(4), -U(17), U(14), -U(10), -U(26), U(13)},
         Style(c.body, PART_LINE));
    Tube(c.s, {U(22), -U(5), U(3), U(6), -U(6), U(5), -U(10), -U(14), U(6)},
         Style(c.belly, PART_NO_HIGHLIGHT));
    /* The far fore flipper, then the near one propping the chest. */
    Capsule(c.s, -U(6), -U(18), U(4), -U(8), -U(4), U(3),
            Style(flipper, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Capsule(c.s, -U(12), -U(16), U(4), -U(18), -U(4), U(3), Style(flipper, PART_LINE));
    Ellipse(c.s, -U(21), -U(4), U(6), U(3), Style(flipper, PART_LINE));
    /* Neck and head raised. */
    const int hx = -U(20), hy = -U(40);
    Capsule(c.s, -U(10), -U(26), U(13), hx + U(2), hy + U(4), U(10), Style(c.body, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Capsule(c.s, -U(9) + k * U(3), -U(32) + k * U(1), Px(c, 1) / 2, -U(6) + k * U(3), -U(26) + k * U(1),
                Px(c, 1) / 2, Style(c.belly, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, hx, hy, U(12), U(11), Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(6), hy + U(5), U(6), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(10), hy + U(3), U(2) + U(1) / 2, U(2), Style(c.dark, PART_LINE));
    Capsule(c.s, hx - U(9), hy + U(8), U(1) / 2, hx - U(4), hy + U(9), U(1) / 2, Style(c.mouth, PART_FLAT));
    Whiskers(c, hx - U(8), hy + U(5), U(10), whisker);
    BrightEye(c, hx - U(5), hy - U(3), U(3) + U(1) / 2);
    BrightEye(c, hx + U(5), hy - U(3), U(3));
}

/* A half-shut sleepy eye: the lower half of a dark eye under a heavy lid line. */
static void SleepyEye(Ctx &c, int x, int y, int r, int lid)
{
    Ellipse(c.s, x, y + r / 3, r, r * 2 / 3, Style(c.eye, PART_FLAT));
    Ellipse(c.s, x - r / 3, y + r / 2, Px(c, 1), Px(c, 1), Style(c.white, PART_FLAT));
    Ellipse(c.s, x, y - r / 3, r + U(1), r * 2 / 3, Style(lid, PART_LINE | PART_NO_HIGHLIGHT));
}

/* The old bull lies heavy and still along the shore, a living windbreak: sand drifted up against his
   far side and crusted on his hide, barnacles and shells grown on him, a long trunk of a nose drooping
   over his shut mouth, sleepy eyes, and a silver pup curled up in the lee of his chest. */
static void SealOld(Ctx &c, int flipper)
{
    const int sand = c.accent, barnacle = Material(c, {236, 232, 220});
    const int shell = Material(c, {230, 170, 150}), pup = Material(c, {176, 180, 190});
    GroundShadow(c.s, 0, 0, U(38), U(3));
    /* The drift banked up behind him. */
    Polygon(c.s, {-U(4), -U(46), U(16), -U(56), U(38), -U(38), U(46), -U(12), U(46), -U(2), -U(4), -U(2)},
            Style(sand, PART_LINE));
    RearFlippers(c, U(36), -U(8), U(11), flipper);
    Tube(c.s, {U(38), -U(9), U(8), U(26), -U(20), U(19), U(6), -U(28), U(27), -U(14), -U(25), U(21)},
         Style(c.body, PART_LINE));
    Ellipse(c.s, U(4), -U(6), U(26), U(4), Style(c.belly, PART_NO_HIGHLIGHT));
    /* Sand crusted on the hide, barnacles and a few shells. */
    for (int k = 0; k < 6; ++k) {
        const int x = -U(8) + k * U(7), y = -U(30) + (k % 3) * U(5) + k * U(1);
        Ellipse(c.s, x, y, U(3) + (k % 2) * U(1), U(2), Style(sand, PART_FLAT, SHADE_SHADOW));
    }
    for (int k = 0; k < 7; ++k) {
        const int x = -U(4) + k * U(5), y = -U(34) + (k % 2) * U(4) + k * U(2) / 3;
        Spike(c, x, y + U(2), U(3), 0, U(2), Style(barnacle, PART_LINE | PART_NO_HIGHLIGHT));
    }
    for (int k = 0; k < 2; ++k) {
        const int x = U(6) + k * U(12), y = -U(22) + k * U(4);
        Spike(c, x, y + U(3), U(4), 0, U(3), Style(shell, PART_LINE | PART_NO_HIGHLIGHT));
        Capsule(c.s, x, y, Px(c, 1) / 2, x, y + U(3), Px(c, 1) / 2, Style(shell, PART_FLAT, SHADE_SHADOW));
    }
    /* The pup curled up against his chest, out of the wind. */
    Ellipse(c.s, -U(14), -U(7), U(11), U(6), Style(pup, PART_LINE));
    Spike(c, -U(5), -U(6), U(6), 80, U(3), Style(pup, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, -U(24), -U(10), U(7), U(6), Style(pup, PART_LINE));
    BrightEye(c, -U(26), -U(11), U(2) + U(1) / 2);
    /* The great head resting low, the trunk drooping over the shut mouth. */
    const int hx = -U(30), hy = -U(24);
    Ellipse(c.s, hx, hy, U(12), U(11), Style(c.body, PART_LINE));
    Capsule(c.s, hx - U(8), hy + U(8), U(1) / 2, hx, hy + U(9), U(1) / 2, Style(c.mouth, PART_FLAT));
    Tube(c.s,
         {hx - U(2), hy - U(6), U(6), hx - U(12), hy - U(4), U(6), hx - U(17), hy + U(4), U(5), hx - U(16),
          hy + U(13), U(4)},
         Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(16), hy + U(15), U(3), U(2), Style(c.dark, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Capsule(c.s, hx - U(6) - k * U(4), hy - U(9) + k * U(2), Px(c, 1) / 2, hx - U(5) - k * U(4),
                hy - U(3) + k * U(3), Px(c, 1) / 2, Style(flipper, PART_FLAT, SHADE_SHADOW));
    SleepyEye(c, hx + U(3), hy - U(3), U(3), c.body);
}

void DrawSeal(Ctx &c)
{
    const int flipper = Material(c, Darker(c.plan->bodyColour, 22));
    if (c.plan->stage == 1)
        SealPup(c, flipper);
    else if (c.plan->stage == 2)
        SealAdult(c, flipper);
    else
        SealOld(c, flipper);
}

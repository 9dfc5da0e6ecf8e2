/* Pictures of the plan rows whose body is BODY_BIPED, two-legged creatures: the scarecrow faces the
   viewer, the clod of ploughed loam hops on two stubby feet. */
#include "creature_drawers.h"

#include <algorithm>

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
/* A clod of freshly ploughed loam caught mid-hop: a crumbly dark lump with stubble sticking up, its
   front sliced smooth and glossy by the ploughshare with the eyes in it, an earthworm poking out of a
   hole in its side, two stubby lumpy feet tucked under and crumbs falling. */
static void LoamClod(Ctx &c)
{
    const int loam = c.body, face = Material(c, {150, 110, 75}), worm = c.accent;
    const int stubble = Material(c, {220, 190, 90});
    GroundShadow(c.s, 0, 0, U(16), U(3));
    /* Crumbs falling from the hop. */
    for (int k = 0; k < 4; ++k)
        Ellipse(c.s, -U(8) + k * U(6), -U(6) - (k % 2) * U(3), U(1) + U(1) / 2, U(1) + U(1) / 2,
                Style(loam, PART_LINE | PART_NO_HIGHLIGHT));
    /* Feet tucked under. */
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(8), -U(14), U(6), U(4), Style(loam, PART_LINE), side * 10);
        Ellipse(c.s, side * U(10) - U(2), -U(12), U(3), U(2), Style(loam, PART_LINE));
    }
    /* Stubble stalks in the crumbly top. */
    static const int STALKS[5][3] = {
        {-12, 8,  -25},
        {-5,  11, -8 },
        {1,   7,  12 },
        {6,   10, 30 },
        {11,  6,  50 }
    };
    for (const int *k : STALKS)
        Capsule(c.s, U(k[0]), -U(44), Px(c, 1) / 2 + U(1) / 4, Toward(U(k[0]), U(k[1]), k[2]),
                TowardY(-U(44), U(k[1]), k[2]), Px(c, 1) / 2, Style(stubble, PART_LINE));
    /* The lump: a round body and crumbs heaped on top. */
    Ellipse(c.s, U(1), -U(32), U(19), U(18), Style(loam));
    for (int k = 0; k < 5; ++k)
        Ellipse(c.s, -U(12) + k * U(6), -U(46) + (k % 2) * U(2), U(4) + (k % 2) * U(1), U(4),
                Style(loam, PART_LINE));
    /* The earthworm out of its hole on the right side. */
    Ellipse(c.s, U(16), -U(30), U(3), U(3), Style(c.dark, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Tube(c.s, {U(16), -U(30), U(2), U(22), -U(32), U(2), U(25), -U(38), U(1) + U(1) / 2},
         Style(worm, PART_LINE));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, U(19) + k * U(3), -U(30) - k * U(3), Px(c, 1) / 2, U(20) + k * U(3), -U(32) - k * U(3),
                Px(c, 1) / 2, Style(worm, PART_FLAT, SHADE_SHADOW));
    /* The face sliced smooth by the ploughshare, shining. */
    Polygon(c.s, {-U(16), -U(40), -U(2), -U(42), U(4), -U(30), -U(2), -U(18), -U(16), -U(20), -U(19), -U(30)},
            Style(face, PART_LINE));
    Capsule(c.s, -U(14), -U(38), U(1), -U(6), -U(39), U(1), Style(face, PART_FLAT, SHADE_HIGHLIGHT));
    CuteEye(c, -U(12), -U(30), U(3));
    CuteEye(c, -U(3), -U(30), U(3));
    Capsule(c.s, -U(9), -U(23), U(1) / 2, -U(6), -U(23), U(1) / 2, Style(c.mouth, PART_FLAT));
}

void DrawBiped(Ctx &c)
{
    if (c.plan->index == SCARECROW_ENTRY)
        Scarecrow(c);
    else
        LoamClod(c);
}

/* Pictures of the plan rows whose body is BODY_BIPED, two-legged creatures: the dry-stone golems and the
   scarecrow face the viewer, the dust kangaroo joey sits side on facing left. */
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
    else
        KangarooJoey(c);
}

/* Pictures of the plan rows whose body is BODY_MANGROVE, the walking mangroves: a floating seed pod, a
   sapling on stilt roots and a tree. */
#include "creature_drawers.h"

/* Mangroves: a seed pod bobbing upright in rings of ripples with two leaves, a sapling taking a
   step on three thin stilt roots, and the walking tree on many arched roots. */
void DrawMangrove(Ctx &c)
{
    const int water = Material(c, {150, 200, 240});
    const int leaf = Material(c, {90, 180, 80});
    if (c.plan->stage == 1) {
        GroundShadow(c.s, 0, 0, U(16), U(3));
        Ellipse(c.s, 0, -U(4), U(17), U(4), Style(water, PART_FLAT, SHADE_LIGHT));
        Leaf(c, U(4), -U(38), U(16), -40, leaf);
        Leaf(c, U(4), -U(38), U(14), 50, leaf);
        Ellipse(c.s, U(1), -U(20), U(10), U(18), Style(c.body, PART_LINE), 10);
        Ellipse(c.s, U(4), -U(37), U(3), U(3), Style(c.body, PART_LINE));
        /* The water line crosses the bottom of the pod, rings spreading from it. */
        Ellipse(c.s, -U(1), -U(5), U(11), U(3), Style(water, PART_LINE | PART_NO_HIGHLIGHT));
        Capsule(c.s, -U(16), -U(6), U(1) / 2 + U(1) / 4, -U(12), -U(8), U(1) / 2 + U(1) / 4,
                Style(water, PART_FLAT));
        Capsule(c.s, U(12), -U(8), U(1) / 2 + U(1) / 4, U(16), -U(6), U(1) / 2 + U(1) / 4,
                Style(water, PART_FLAT));
        Ellipse(c.s, -U(14), -U(14), U(1) + U(1) / 2, U(2), Style(water, PART_LINE));
        Ellipse(c.s, U(15), -U(16), U(1) + U(1) / 2, U(2), Style(water, PART_LINE));
        CuteEye(c, -U(3), -U(22), U(3));
        CuteEye(c, U(5), -U(21), U(3));
        Smile(c, U(1), -U(15), U(2));
        return;
    }
    if (c.plan->stage == 2) {
        GroundShadow(c.s, 0, 0, U(22), U(3));
        Ellipse(c.s, 0, -U(2), U(22), U(2), Style(water, PART_FLAT, SHADE_LIGHT));
        /* Two roots planted, the third lifted forward mid-step. */
        Curve(c.s, U(1), -U(20), U(2), U(10), -U(20), U(16), 0, U(1) + U(1) / 2, Style(c.body, PART_LINE));
        Curve(c.s, -U(1), -U(20), U(2), -U(4), -U(8), -U(4), 0, U(1) + U(1) / 2, Style(c.body, PART_LINE));
        Curve(c.s, -U(2), -U(22), U(2), -U(16), -U(24), -U(20), -U(10), U(1) + U(1) / 2,
              Style(c.body, PART_LINE));
        Capsule(c.s, 0, -U(20), U(7), -U(3), -U(46), U(5), Style(c.body, PART_LINE));
        static const int TUFTS[][3] = {
            {-U(11), -U(48), -60}, /* left */
            {U(6),   -U(50), 55 }, /* right */
            {-U(4),  -U(54), -10}, /* top */
        };
        for (const int *t : TUFTS) {
            Leaf(c, -U(3), -U(45), U(16), t[2], leaf);
            Ellipse(c.s, t[0], t[1], U(9), U(6), Style(c.accent, PART_LINE));
        }
        CuteEye(c, -U(4), -U(34), U(2) + U(1) / 2);
        CuteEye(c, U(2), -U(34), U(2) + U(1) / 2);
        Smile(c, -U(1), -U(29), U(2));
        return;
    }
    GroundShadow(c.s, 0, 0, U(32), U(3));
    Ellipse(c.s, 0, -U(3), U(32), U(2), Style(water, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, U(13), -U(8), U(3), U(2), Style(water, PART_LINE));
    Spike(c, U(16), -U(8), U(3), 90, U(2), Style(water, PART_LINE));
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; ++k)
            Curve(c.s, side * U(3), -U(30), U(2), side * (U(8) + k * U(9)), -U(36) + k * U(3),
                  side * (U(7) + k * U(10)), 0, U(1) + U(1) / 2, Style(c.body, PART_LINE));
    Capsule(c.s, 0, -U(28), U(8), 0, -U(46), U(6), Style(c.body, PART_LINE));
    static const int CROWN[][3] = {
        {-U(14), -U(52), U(9) }, /* left */
        {U(14),  -U(52), U(9) }, /* right */
        {-U(6),  -U(60), U(10)}, /* top left */
        {U(7),   -U(60), U(9) }, /* top right */
    };
    for (const int *k : CROWN)
        Ellipse(c.s, k[0], k[1], k[2], k[2] * 3 / 4, Style(c.accent, PART_LINE));
    CuteEye(c, -U(3), -U(38), U(2) + U(1) / 2);
    CuteEye(c, U(4), -U(38), U(2) + U(1) / 2);
    Smile(c, 0, -U(32), U(3));
}

/* Pictures of the plan rows whose body is BODY_SHELLBLOB, the pond snails, their shells growing from a tiny
   spiral to a crusted spire. */
#include "creature_drawers.h"

/* Pond snails face left: a soft foot and a round head in front, the shell on the back. The young
   snail is mostly body under a tiny shell, the grown one carries a round ridged shell, and the
   great one a tall spire of whorls crusted with mussels. */
void DrawShellblob(Ctx &c)
{
    const int stage = c.plan->stage - 1; /* 0, 1, 2 */
    GroundShadow(c.s, 0, 0, U(24), U(3));
    const int tail = U(20) + stage * U(3);
    Tube(c.s, {-U(14), -U(7), U(7), U(4), -U(6), U(5), tail, -U(3), U(2)}, Style(c.body, PART_LINE));
    /* Shell, drawn before the head so the neck overlaps its opening. */
    if (stage == 0) {
        Ellipse(c.s, U(6), -U(15), U(8), U(7), Style(c.accent, PART_LINE));
        Ellipse(c.s, U(8), -U(16), U(5), U(4), Style(c.accent, PART_LINE));
        Ellipse(c.s, U(9), -U(17), U(2), U(2), Style(c.accent, PART_LINE));
    } else if (stage == 1) {
        const int sx = U(6), sy = -U(21), sr = U(15);
        Ellipse(c.s, sx, sy, sr, sr, Style(c.accent, PART_LINE));
        /* Growth ridges run across the whorl, from the spiral out to the rim. */
        for (int k = 0; k < 9; ++k) {
            const int angle = -150 + k * 34;
            Capsule(c.s, Toward(sx, sr * 11 / 20, angle), TowardY(sy, sr * 11 / 20, angle), U(1) * 3 / 4,
                    Toward(sx, sr - U(1), angle), TowardY(sy, sr - U(1), angle), U(1) * 3 / 4,
                    Style(c.accent, PART_FLAT, SHADE_SHADOW));
        }
        Ellipse(c.s, sx + U(2), sy - U(1), sr / 2, sr / 2, Style(c.accent, PART_LINE));
        Ellipse(c.s, sx + U(3), sy - U(2), sr / 5, sr / 5, Style(c.accent, PART_LINE));
    } else {
        /* A tall spire leaning back: whorls from the apex down, each lower one over the last. */
        static const int WHORL[5][4] = {
            {U(17), -U(58), U(3),  U(3) }, /* apex */
            {U(15), -U(51), U(6),  U(5) }, /* fourth whorl */
            {U(12), -U(42), U(9),  U(7) }, /* third whorl */
            {U(9),  -U(31), U(12), U(9) }, /* second whorl */
            {U(6),  -U(17), U(16), U(12)}, /* body whorl */
        };
        Spike(c, U(18), -U(59), U(6), 20, U(2), Style(c.accent, PART_LINE));
        for (int k = 0; k < 5; ++k)
            Ellipse(c.s, WHORL[k][0], WHORL[k][1], WHORL[k][2], WHORL[k][3], Style(c.accent, PART_LINE), 15);
        /* Freshwater mussels crusted on the whorls, each a dark pair of valves with a pale edge. */
        const int mussel = Material(c, {58, 66, 104});
        static const int MUSSEL[5][3] = {
            {U(14), -U(22), 30 }, /* on the body whorl */
            {U(4),  -U(26), -40}, /* on the body whorl, higher */
            {U(18), -U(34), 70 }, /* on the second whorl */
            {U(8),  -U(40), -20}, /* on the third whorl */
            {U(16), -U(10), 100}, /* low on the body whorl */
        };
        for (int k = 0; k < 5; ++k) {
            Ellipse(c.s, MUSSEL[k][0], MUSSEL[k][1], U(3), U(5), Style(mussel, PART_LINE), MUSSEL[k][2]);
            Ellipse(c.s, Toward(MUSSEL[k][0], U(2), MUSSEL[k][2] - 90),
                    TowardY(MUSSEL[k][1], U(2), MUSSEL[k][2] - 90), U(1), U(3),
                    Style(mussel, PART_FLAT, SHADE_HIGHLIGHT), MUSSEL[k][2]);
        }
    }
    /* Head on a short neck: the young snail has flat feelers splayed to the sides, the grown
       ones lift thin antennae in a wide V. */
    const int hr = stage == 0 ? U(10) : U(9);
    const int hx = -U(16), hy = -U(13) - stage * U(2);
    for (int side = -1; side <= 1; side += 2) {
        const int bx = hx + side * U(4), by = hy - hr + U(3);
        if (stage == 0) {
            Spike(c, hx + side * U(7), hy - U(4), U(9), side * 80, U(2), Style(c.body, PART_LINE));
            continue;
        }
        const int angle = side * 38 - 10, tx = Toward(bx, U(15), angle), ty = TowardY(by, U(15), angle);
        Curve(c.s, bx, by, U(1) + U(1) / 2, Toward(bx, U(8), angle - side * 15),
              TowardY(by, U(8), angle - side * 15), tx, ty, U(1), Style(c.body, PART_LINE));
        Ellipse(c.s, tx, ty, U(2), U(2), Style(c.body, PART_LINE));
    }
    Capsule(c.s, hx + U(6), -U(6), U(7), hx, hy, hr, Style(c.body, PART_LINE));
    const int eyeR = stage == 0 ? U(3) : U(2) + U(1) / 2;
    CuteEye(c, hx - U(4), hy - U(1), eyeR);
    CuteEye(c, hx + U(4), hy - U(1), eyeR);
    Smile(c, hx, hy + U(4), U(2));
}

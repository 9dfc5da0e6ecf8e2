/* Pictures of the plan rows whose body is BODY_REEDS, the clump of giant reeds walking on its roots,
   whistling through stems cut like pipes. */
#include "creature_drawers.h"

/* A tall clump of giant reeds on a walking mat of roots: hollow stems cut to different lengths like
   panpipes, a face peering between them, seed plumes nodding on top, a tune whistling out. */
void DrawReeds(Ctx &c)
{
    const int stem = c.body, plume = c.accent, root = Material(c, {120, 90, 60});
    const int hollow = Material(c, {60, 70, 40}), note = Material(c, {80, 110, 170});
    GroundShadow(c.s, 0, 0, U(26), U(3));
    /* Roots walk: two thick mats of roots with trailing rootlets. */
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(10), -U(5), U(11), U(5), Style(root, PART_LINE));
        for (int k = 0; k < 3; ++k)
            Spike(c, side * (U(4) + k * U(6)), -U(2), U(5), 180 + side * (10 + k * 15), U(1) + U(1) / 2,
                  Style(root, PART_LINE));
    }
    /* Stems of different heights, the tallest in the middle, each open at its cut top. */
    static const int STEMS[][2] = {
        {-U(16), U(44)},
        {-U(10), U(56)},
        {-U(4),  U(66)},
        {U(3),   U(60)},
        {U(9),   U(50)},
        {U(15),  U(40)},
    };
    for (const int *s : STEMS) {
        const int x = s[0], top = -s[1];
        Capsule(c.s, x, -U(6), U(3), x, top, U(3), Style(stem, PART_LINE));
        for (int y = -U(14); y > top + U(4); y -= U(10))
            Capsule(c.s, x - U(3), y, Px(c, 1) / 2, x + U(3), y, Px(c, 1) / 2,
                    Style(stem, PART_FLAT, SHADE_SHADOW));
        Ellipse(c.s, x, top, U(2) + U(1) / 2, U(1) + U(1) / 2, Style(hollow, PART_FLAT | PART_LINE));
    }
    /* Two outer stems carry the seed plumes, leaning out. */
    static const int PLUMES[][4] = {
        {-U(10), -U(56), -U(22), -U(72)}, /* left */
        {U(9),   -U(50), U(22),  -U(64)}, /* right */
    };
    for (const int *p : PLUMES) {
        Capsule(c.s, p[0], p[1], U(1) + U(1) / 2, p[2], p[3], U(1), Style(stem, PART_LINE));
        Ellipse(c.s, p[2], p[3] - U(3), U(5), U(8), Style(plume, PART_LINE), p[2] < 0 ? -30 : 30);
    }
    /* Long leaves hang from the clump. */
    Curve(c.s, -U(14), -U(30), U(2), -U(26), -U(30), -U(28), -U(16), U(1), Style(stem, PART_LINE));
    Curve(c.s, U(13), -U(26), U(2), U(26), -U(28), U(28), -U(14), U(1), Style(stem, PART_LINE));
    /* The face between the stems: two eyes and a round whistling mouth. */
    const int fy = -U(30);
    Ellipse(c.s, 0, fy + U(2), U(11), U(9), Style(Material(c, Darker(c.plan->bodyColour, 30)), PART_LINE));
    BrightEye(c, -U(5), fy, U(2) + U(1) / 2);
    BrightEye(c, U(5), fy, U(2) + U(1) / 2);
    Ellipse(c.s, 0, fy + U(6), U(2), U(2), Style(c.mouth, PART_FLAT));
    /* Notes of its tune rise to the left. */
    for (int k = 0; k < 2; ++k) {
        const int x = -U(26) + k * U(6), y = -U(46) - k * U(8);
        Ellipse(c.s, x, y, U(2) + U(1) / 2, U(2), Style(note, PART_FLAT), -20);
        Capsule(c.s, x + U(2), y, Px(c, 1) / 2, x + U(2), y - U(8), Px(c, 1) / 2, Style(note, PART_FLAT));
    }
}

/* Pictures of the plan rows whose body is BODY_KEEPER, the hunched marsh keeper of reeds and peat with its
   green lantern on a crook. */
#include "creature_drawers.h"

/* The hunched keeper of the marsh: a heap of reeds over peat, a hood bowed forward with two pale
   eyes under it, a crook in its hand with a green lantern hanging from the hook, fog at its hem. */
void DrawKeeper(Ctx &c)
{
    const int reed = Material(c, {176, 160, 96}), peat = Material(c, {86, 66, 50});
    const int wood = Material(c, {104, 80, 58}), fog = Material(c, {196, 208, 200});
    const int cattail = Material(c, {120, 80, 50});
    GroundShadow(c.s, 0, 0, U(28), U(3));
    /* Reed tips and cattails stand up from the hump of its back. */
    for (int k = 0; k < 4; ++k) {
        const int x = U(6) + k * U(5), top = -U(58) + (k % 2) * U(6);
        Capsule(c.s, x, -U(40), U(1), x + U(2) + k * U(1), top, U(1) / 2 + U(1) / 4, Style(reed, PART_LINE));
        if (k % 2 == 0)
            Capsule(c.s, x + U(2) + k * U(1), top + U(3), U(2), x + U(2) + k * U(1), top + U(8), U(2),
                    Style(cattail, PART_LINE));
    }
    Ellipse(c.s, U(5), -U(22), U(19), U(20), Style(c.body));
    Ellipse(c.s, U(10), -U(36), U(13), U(10), Style(c.body, PART_LINE));
    Ellipse(c.s, U(6), -U(10), U(17), U(8), Style(peat, PART_LINE | PART_NO_HIGHLIGHT));
    /* Thatch: rows of reed strands hanging down over the body. */
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 5; ++k) {
            const int x = -U(8) + k * U(7) + (row % 2) * U(3), y = -U(40) + row * U(10);
            Spike(c, x, y, U(8), 180 + (k - 2) * 8, U(2), Style(reed, PART_LINE | PART_NO_HIGHLIGHT));
        }
    /* The crook: a staff held out in front, its hook curled over, the lantern hanging from it. */
    Capsule(c.s, -U(22), -U(2), U(1) + U(1) / 2, -U(20), -U(56), U(1) + U(1) / 2, Style(wood, PART_LINE));
    Curve(c.s, -U(20), -U(56), U(1) + U(1) / 2, -U(20), -U(68), -U(30), -U(62), U(1) + U(1) / 4,
          Style(wood, PART_LINE));
    Capsule(c.s, -U(30), -U(62), U(1) / 2, -U(30), -U(54), U(1) / 2, Style(c.dark, PART_FLAT));
    Ellipse(c.s, -U(30), -U(46), U(7), U(7), Style(c.accent, PART_FLAT, SHADE_SHADOW));
    Polygon(c.s, {-U(34), -U(53), -U(26), -U(53), -U(25), -U(41), -U(35), -U(41)}, Style(c.dark, PART_LINE));
    Ellipse(c.s, -U(30), -U(47), U(3), U(4), Style(c.accent, PART_FLAT, SHADE_LIGHT));
    Capsule(c.s, -U(34), -U(54), U(1), -U(26), -U(54), U(1), Style(c.dark, PART_FLAT));
    Capsule(c.s, -U(35), -U(40), U(1), -U(25), -U(40), U(1), Style(c.dark, PART_FLAT));
    /* Its arm reaches from under the thatch to the staff. */
    Capsule(c.s, -U(4), -U(30), U(4), -U(19), -U(32), U(3), Style(reed, PART_LINE));
    Ellipse(c.s, -U(20), -U(32), U(3), U(3), Style(peat, PART_LINE));
    /* The hood, bowed forward, and the eyes under it. */
    Ellipse(c.s, -U(6), -U(42), U(10), U(9), Style(reed, PART_LINE));
    Spike(c, -U(2), -U(49), U(8), 40, U(4), Style(reed, PART_LINE));
    Ellipse(c.s, -U(9), -U(40), U(7), U(5), Style(peat, PART_FLAT, SHADE_SHADOW));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, -U(9) + side * U(3), -U(40), U(2), U(1) + U(1) / 2,
                Style(c.accent, PART_FLAT, SHADE_LIGHT));
        Ellipse(c.s, -U(10) + side * U(3), -U(41), U(1), U(1) / 2, Style(c.white, PART_FLAT));
    }
    /* Fog gathers round the hem and hides its feet. */
    static const int PUFFS[][3] = {
        {-U(22), -U(4), U(7)}, /* by the staff */
        {-U(10), -U(3), U(8)}, /* front */
        {U(5),   -U(4), U(9)}, /* middle */
        {U(20),  -U(3), U(8)}, /* back */
        {U(30),  -U(4), U(5)}, /* trailing */
    };
    for (const int *p : PUFFS)
        Ellipse(c.s, p[0], p[1], p[2], p[2] * 3 / 4, Style(fog, PART_LINE | PART_NO_HIGHLIGHT));
}

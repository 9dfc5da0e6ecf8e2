/* Pictures of the plan rows whose body is BODY_SALT, the crouching beast carved from a block of rock salt,
   brine dripping from it. */
#include "creature_drawers.h"

/* A crouching beast carved from one block of rock salt: pale pink crystal in flat facets, the
   chisel marks of old miners on its flanks, brine dripping from its jaw and belly. */
void DrawSalt(Ctx &c)
{
    const int salt = c.body, deep = Material(c, Darker(c.plan->bodyColour, 18));
    const int chisel = Material(c, Darker(c.plan->bodyColour, 45)), brine = c.accent;
    GroundShadow(c.s, 0, 0, U(34), U(3));
    /* Hind haunch and body: a long low block. */
    Polygon(c.s, {-U(14), -U(34), U(20), -U(30), U(32), -U(20), U(32), -U(2), -U(14), -U(2)},
            Style(salt, PART_LINE));
    Polygon(c.s, {U(14), -U(26), U(30), -U(18), U(30), -U(2), U(12), -U(2)}, Style(deep, PART_LINE));
    /* Far foreleg behind, near foreleg a square pillar reaching forward. */
    Polygon(c.s, {-U(24), -U(14), -U(14), -U(14), -U(14), -U(2), -U(28), -U(2)}, Style(deep, PART_LINE));
    Polygon(c.s, {-U(16), -U(22), -U(4), -U(22), -U(6), -U(2), -U(22), -U(2)}, Style(salt, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Spike(c, -U(20) + k * U(5), -U(3), U(4), -90, U(1) + U(1) / 2, Style(chisel, PART_LINE));
    /* A short tail block curled over the haunch. */
    Polygon(c.s, {U(26), -U(28), U(34), -U(40), U(38), -U(36), U(32), -U(24)}, Style(salt, PART_LINE));
    /* Head: a faceted block with a heavy jaw, low and forward. */
    const int hx = -U(24), hy = -U(32);
    Polygon(c.s,
            {hx - U(10), hy - U(8), hx + U(6), hy - U(14), hx + U(12), hy - U(4), hx + U(8), hy + U(10),
             hx - U(10), hy + U(8)},
            Style(salt, PART_LINE));
    Polygon(c.s, {hx - U(10), hy + U(1), hx + U(4), hy + U(2), hx + U(6), hy + U(10), hx - U(10), hy + U(8)},
            Style(deep, PART_LINE));
    Polygon(c.s, {hx - U(2), hy - U(10), hx + U(4), hy - U(19), hx + U(8), hy - U(12)},
            Style(deep, PART_LINE));
    Capsule(c.s, hx - U(8), hy + U(3), Px(c, 1), hx + U(2), hy + U(4), Px(c, 1), Style(chisel, PART_FLAT));
    /* Light facets on the lit planes of the crystal. */
    Polygon(c.s, {-U(10), -U(31), U(6), -U(29), 0, -U(22), -U(10), -U(24)},
            Style(salt, PART_FLAT, SHADE_HIGHLIGHT));
    Polygon(c.s, {hx - U(7), hy - U(7), hx + U(3), hy - U(11), hx, hy - U(4)},
            Style(salt, PART_FLAT, SHADE_HIGHLIGHT));
    /* Chisel marks: short parallel cuts on the flank. */
    for (int k = 0; k < 4; ++k)
        Capsule(c.s, U(2) + k * U(5), -U(18), Px(c, 1) / 2, U(5) + k * U(5), -U(10), Px(c, 1) / 2,
                Style(chisel, PART_FLAT));
    Ellipse(c.s, hx - U(3), hy - U(3), U(3), U(2) + U(1) / 2,
            Style(brine, PART_FLAT | PART_LINE, SHADE_LIGHT));
    Ellipse(c.s, hx - U(3), hy - U(3), U(1) + U(1) / 2, U(2), Style(c.eye, PART_FLAT));
    Ellipse(c.s, hx - U(4), hy - U(4), Px(c, 1) / 2, Px(c, 1) / 2, Style(c.white, PART_FLAT));
    /* Salt crystals have grown back on its shoulders as cubes. */
    static const int CUBES[][3] = {
        {-U(6), -U(33), U(5)}, /* shoulder */
        {U(2),  -U(34), U(4)}, /* back */
        {U(10), -U(32), U(3)}, /* haunch */
    };
    for (const int *q : CUBES) {
        const int x = q[0], y = q[1], h = q[2];
        Polygon(c.s, {x - h, y, x, y + h / 2, x, y - h * 3 / 2, x - h, y - h * 2},
                Style(salt, PART_FLAT | PART_LINE, SHADE_LIGHT));
        Polygon(c.s, {x, y + h / 2, x + h, y, x + h, y - h * 2, x, y - h * 3 / 2},
                Style(deep, PART_FLAT | PART_LINE, SHADE_SHADOW));
        Polygon(c.s, {x - h, y - h * 2, x, y - h * 5 / 2, x + h, y - h * 2, x, y - h * 3 / 2},
                Style(salt, PART_FLAT | PART_LINE, SHADE_HIGHLIGHT));
    }
    /* Brine drips from the jaw and the belly. */
    static const int DROPS[][2] = {
        {-U(30), -U(18)}, /* jaw */
        {U(4),   -U(7) }, /* belly */
        {U(18),  -U(9) }, /* haunch */
    };
    for (const int *d : DROPS) {
        Ellipse(c.s, d[0], d[1], U(2), U(3), Style(brine, PART_LINE));
        Spike(c, d[0], d[1] - U(2), U(3), 0, U(1) + U(1) / 2, Style(brine, PART_LINE));
    }
}

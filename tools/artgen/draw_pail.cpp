/* Pictures of the plan rows whose body is BODY_PAIL, the spirit of an old well bucket with eyes in its water
   and a frayed rope tail. */
#include "creature_drawers.h"

/* The spirit of an old well bucket floats up at dusk: eyes shining in its water, a frayed rope
   for a tail, drops falling. */
void DrawPail(Ctx &c)
{
    const int rope = Material(c, {200, 170, 110}), iron = Material(c, {70, 66, 78});
    const int glow = Material(c, {210, 244, 255});
    GroundShadow(c.s, 0, 0, U(12), U(3));
    Curve(c.s, U(6), -U(22), U(2), U(18), -U(10), U(4), -U(4), U(1), Style(rope, PART_LINE));
    for (int k = -1; k <= 1; ++k)
        Spike(c, U(4), -U(4), U(4), 200 + k * 30, U(1) / 2 + U(1) / 4, Style(rope, PART_FLAT));
    Curve(c.s, -U(13), -U(46), U(1), 0, -U(64), U(13), -U(46), U(1), Style(iron, PART_LINE));
    Polygon(c.s, {-U(15), -U(46), U(15), -U(46), U(11), -U(20), -U(11), -U(20)}, Style(c.body));
    for (int k = -2; k <= 2; ++k)
        Capsule(c.s, k * U(6), -U(44), U(1) / 2, k * U(4) + k * U(1) / 2, -U(21), U(1) / 2,
                Style(c.body, PART_FLAT, SHADE_SHADOW));
    Capsule(c.s, -U(14), -U(40), U(1) + U(1) / 2, U(14), -U(40), U(1) + U(1) / 2, Style(iron, PART_LINE));
    Capsule(c.s, -U(12), -U(25), U(1) + U(1) / 2, U(12), -U(25), U(1) + U(1) / 2, Style(iron, PART_LINE));
    Ellipse(c.s, 0, -U(46), U(15), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, -U(46), U(12), U(3), Style(c.accent, PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(5), -U(47), U(4), U(3), Style(glow, PART_FLAT | PART_LINE, SHADE_LIGHT));
        Ellipse(c.s, side * U(5) - U(1), -U(47), U(2), U(2), Style(c.eye, PART_FLAT));
        Ellipse(c.s, side * U(5) - U(2), -U(48), U(1) / 2 + U(1) / 4, U(1) / 2 + U(1) / 4,
                Style(c.white, PART_FLAT));
    }
    Ellipse(c.s, -U(7), -U(14), U(1) + U(1) / 2, U(2), Style(c.accent, PART_LINE));
}

/* Pictures of the plan rows whose body is BODY_ANVIL, the living anvil on stubby legs, its hammer-headed tail
   striking sparks. */
#include "creature_drawers.h"

/* A living anvil: horn forward, four stubby legs, and a tail ending in a hammer that strikes
   sparks. */
void DrawAnvil(Ctx &c)
{
    const int hammer = Material(c, Mix(c.plan->bodyColour, {210, 214, 224}, 90));
    const int spark = Material(c, {255, 236, 120});
    GroundShadow(c.s, 0, 0, U(24), U(3));
    Curve(c.s, U(12), -U(20), U(3), U(28), -U(20), U(24), -U(40), U(2), Style(c.body, PART_LINE));
    Polygon(c.s, {U(17), -U(48), U(31), -U(48), U(31), -U(39), U(17), -U(39)}, Style(hammer, PART_LINE));
    /* A burst of sparks where the hammer's face rings on the anvil's back. */
    for (int k = 0; k < 5; ++k)
        Spike(c, U(14), -U(38), U(11) - (k % 2) * U(4), -100 + k * 40, U(1) + U(1) / 2,
              Style(spark, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, U(14), -U(38), U(2), U(2), Style(spark, PART_FLAT, SHADE_HIGHLIGHT));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(8) + k * U(18), -U(10), U(4), -U(7) + k * U(18), -U(3), U(4),
                Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Polygon(c.s, {-U(15), -U(9), U(15), -U(9), U(10), -U(18), -U(10), -U(18)}, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(8), -U(17), U(8), -U(17), U(11), -U(24), -U(11), -U(24)}, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(17), -U(24), U(17), -U(24), U(17), -U(33), -U(17), -U(33)}, Style(hammer, PART_LINE));
    Polygon(c.s, {-U(17), -U(33), -U(17), -U(25), -U(35), -U(31)}, Style(hammer, PART_LINE));
    for (int k = 0; k < 2; ++k) {
        Capsule(c.s, -U(12) + k * U(18), -U(9), U(4), -U(13) + k * U(18), -U(2), U(4),
                Style(c.body, PART_LINE));
        Ellipse(c.s, -U(14) + k * U(18), -U(1), U(5), U(2), Style(c.body, PART_LINE));
    }
    CuteEye(c, -U(7), -U(28), U(2) + U(1) / 2);
    CuteEye(c, U(3), -U(28), U(2) + U(1) / 2);
    Smile(c, -U(2), -U(21), U(3));
}

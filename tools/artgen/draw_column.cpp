/* Pictures of the plan rows whose body is BODY_COLUMN, the frozen sea-stack walking on three legs, icicles
   and a snowy crag on top. */
#include "creature_drawers.h"

/* A frozen sea-stack walking on three legs: layers of old blue ice, icicles under its ledges, a
   snowy crag on top, and a band of clear ice round its middle with one eye inside. */
void DrawColumn(Ctx &c)
{
    const int rock = Material(c, {92, 146, 196}), snow = Material(c, {226, 238, 250});
    const int band = Material(c, {196, 232, 248});
    GroundShadow(c.s, 0, 0, U(22), U(3));
    Capsule(c.s, U(2), -U(16), U(4), U(3), -U(4), U(4), Style(rock, PART_FLAT | PART_LINE, SHADE_SHADOW));
    for (int side = -1; side <= 1; side += 2) {
        Capsule(c.s, side * U(8), -U(18), U(5), side * U(16), -U(4), U(4), Style(rock, PART_LINE));
        Ellipse(c.s, side * U(17), -U(3), U(6), U(3), Style(rock, PART_LINE));
    }
    /* Strata from the bottom up, each a little off the one below: left, right, top and bottom
       edges, rock or ice. */
    static const int LAYERS[][5] = {
        {-U(15), U(14), -U(28), -U(14), 0}, /* foot block */
        {-U(13), U(15), -U(42), -U(28), 1}, /* ice band */
        {-U(14), U(10), -U(52), -U(42), 0}, /* upper block */
    };
    for (const int *l : LAYERS)
        Polygon(c.s,
                {l[0] + U(2), l[2], l[1] - U(2), l[2], l[1], l[2] + U(2), l[1], l[3] - U(2), l[1] - U(2),
                 l[3], l[0] + U(2), l[3], l[0], l[3] - U(2), l[0], l[2] + U(2)},
                Style(l[4] ? c.body : rock, PART_LINE));
    /* A broken crag on top, snow lying on its lit shoulder. */
    Polygon(c.s, {-U(12), -U(51), U(8), -U(51), U(5), -U(60), -U(2), -U(68), -U(10), -U(60)},
            Style(rock, PART_LINE));
    Polygon(c.s, {-U(12), -U(58), -U(2), -U(68), U(6), -U(60), U(2), -U(55), -U(8), -U(54)},
            Style(snow, PART_LINE));
    for (int k = 0; k < 3; ++k) {
        Spike(c, -U(11) + k * U(9), -U(41), U(5) - (k % 2) * U(1), 180, U(2), Style(c.accent, PART_LINE));
        Spike(c, -U(12) + k * U(11), -U(27), U(5) + (k % 2) * U(2), 180, U(2), Style(c.accent, PART_LINE));
    }
    Capsule(c.s, -U(12), -U(35), U(5), U(14), -U(35), U(5), Style(band, PART_LINE));
    PeerEye(c, U(1), -U(35), U(4), -U(1), Material(c, {40, 90, 150}));
}

/* Pictures of the plan rows whose body is BODY_LANTERN, the great lantern bug side on, its hollow snout
   glowing like a lantern of coals. */
#include "creature_drawers.h"

#include <algorithm>

/* A great lantern bug side on, facing left: a long hollow snout glowing like a lantern full of coals,
   mottled grey forewings lifted, red hind wings spread behind them, two short antennae, six thin legs. */
void DrawLantern(Ctx &c)
{
    const int grey = c.body, red = c.accent, ember = Material(c, {255, 150, 50});
    const int coal = Material(c, {255, 226, 120}), leg = Material(c, {70, 60, 60});
    const int mottle = Material(c, Darker(c.plan->bodyColour, 40)), spot = Material(c, {40, 30, 36});
    GroundShadow(c.s, 0, 0, U(26), U(3));
    const int by = -U(20), wx = -U(2), wy = by - U(4);
    /* Far legs first. */
    for (int k = 0; k < 3; ++k) {
        const int x = -U(8) + k * U(8);
        Tube(c.s, {x, by + U(4), U(1), x + U(4), by + U(12), U(1), x + U(6), -U(2), U(1)},
             Style(leg, PART_FLAT | PART_LINE, SHADE_SHADOW));
    }
    /* The red hind wing fanned up and back, an eye spot near its edge. */
    Ellipse(c.s, Toward(wx, U(19), 62), TowardY(wy, U(19), 62), U(10), U(20), Style(red, PART_LINE), 62);
    Ellipse(c.s, Toward(wx, U(33), 62), TowardY(wy, U(33), 62), U(6), U(6), Style(spot, PART_LINE), 62);
    Ellipse(c.s, Toward(wx, U(24), 56), TowardY(wy, U(24), 56), U(4), U(4), Style(spot, PART_LINE));
    Ellipse(c.s, Toward(wx, U(24), 56), TowardY(wy, U(24), 56), U(2), U(2), Style(coal, PART_FLAT));
    /* Abdomen under the wings. */
    Ellipse(c.s, U(10), by + U(2), U(13), U(6), Style(Material(c, {110, 100, 96}), PART_LINE));
    for (int k = 0; k < 3; ++k)
        Capsule(c.s, U(6) + k * U(5), by - U(2), Px(c, 1) / 2, U(5) + k * U(5), by + U(7), Px(c, 1) / 2,
                Style(leg, PART_FLAT));
    /* The mottled grey forewing lifted over the back. */
    const int fx = Toward(wx, U(17), 42), fy = TowardY(wy, U(17), 42);
    Ellipse(c.s, fx, fy, U(6), U(18), Style(grey, PART_LINE), 42);
    for (int k = 0; k < 5; ++k)
        Ellipse(c.s, Toward(wx, U(6) + k * U(6), 42 - (k % 2) * 8),
                TowardY(wy, U(6) + k * U(6), 42 - (k % 2) * 8), U(2), U(1) + U(1) / 2,
                Style(mottle, PART_FLAT));
    Ellipse(c.s, -U(8), by, U(7), U(6), Style(grey, PART_LINE));
    /* The snout: a long swollen lantern curving up and forward, coals glowing through its ribs. */
    Tube(c.s, {-U(12), by - U(2), U(4), -U(22), by - U(10), U(5), -U(29), by - U(22), U(6)},
         Style(ember, PART_LINE));
    Ellipse(c.s, -U(29), by - U(22), U(4), U(4), Style(coal, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, -U(23), by - U(12), U(3), U(3), Style(coal, PART_FLAT, SHADE_LIGHT));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(19) - k * U(7), by - U(5) - k * U(11), Px(c, 1) / 2, -U(26) - k * U(7),
                by - U(10) - k * U(11), Px(c, 1) / 2, Style(ember, PART_FLAT, SHADE_SHADOW));
    /* Near legs, thin and jointed. */
    for (int k = 0; k < 3; ++k) {
        const int x = -U(10) + k * U(9);
        Tube(c.s, {x, by + U(4), U(1), x - U(4), by + U(12), U(1), x - U(2), 0, U(1)}, Style(leg, PART_LINE));
    }
    /* Two short antennae under the eye, each a grey bulb and a dark bristle, two pixels thick. */
    const int stalk = std::max(U(1), Px(c, 1));
    static const int ANTENNAE[][4] = {
        {-U(13), by + U(2), -U(21), by + U(3)}, /* far, reaching forward under the snout */
        {-U(13), by + U(4), -U(19), by + U(9)}, /* near, angled down */
    };
    for (const int *a : ANTENNAE) {
        Capsule(c.s, a[0], a[1], stalk, a[2], a[3], stalk, Style(leg, PART_LINE));
        Ellipse(c.s, a[0] - U(1), a[1], stalk * 3 / 2, stalk * 3 / 2, Style(grey, PART_LINE));
    }
    BrightEye(c, -U(11), by - U(1), U(2) + U(1) / 2);
}

/* Pictures of the plan rows whose body is BODY_ORB, the tea kettle spirit, a copper pot on brass feet with a
   flame knob. */
#include "creature_drawers.h"

void DrawOrb(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(16), U(3));
    /* Kettle: a squat copper pot on brass feet, a curved spout puffing steam, an arched
       handle over the lid and a little flame for a knob. */
    const int cy = -U(17);
    const int brass = c.accent;
    const int wood = Material(c, {104, 66, 52});
    const int steam = Material(c, {196, 204, 222});
    Tube(c.s,
         {-U(12), cy - U(8),  U(2), -U(13), cy - U(20), U(2), -U(8), cy - U(28), U(2), 0, cy - U(30), U(2),
          U(8),   cy - U(28), U(2), U(13),  cy - U(20), U(2), U(12), cy - U(8),  U(2)},
         Style(wood, PART_LINE));
    Curve(c.s, -U(12), cy + U(2), U(4), -U(24), cy, -U(26), cy - U(13), U(2),
          Style(c.body, PART_FLAT | PART_LINE, SHADE_BASE));
    Ellipse(c.s, -U(26), cy - U(14), U(2) + U(1) / 2, U(1) + U(1) / 2, Style(c.body, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, -U(25) + k * U(3), cy - U(19) - k * U(6), U(2) + k * U(1), U(2) + k * U(1) / 2,
                Style(steam, PART_LINE | PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(10), -U(2), U(3), U(2), Style(brass, PART_LINE));
    Ellipse(c.s, 0, cy, U(17), U(14), Style(c.body, PART_LINE));
    Capsule(c.s, -U(15), cy + U(8), U(2), U(15), cy + U(8), U(2), Style(brass, PART_NO_HIGHLIGHT));
    /* A shine on the copper, from the light at the upper left. */
    Capsule(c.s, -U(11), cy - U(7), U(1), -U(13), cy + U(1), U(1), Style(c.body, PART_FLAT, SHADE_HIGHLIGHT));
    Ellipse(c.s, 0, cy - U(12), U(10), U(3), Style(brass, PART_LINE));
    Ellipse(c.s, 0, cy - U(14), U(7), U(2), Style(c.body, PART_LINE));
    Flame(c, 0, cy - U(14), U(8), Material(c, {255, 150, 50}));
    CuteEye(c, -U(6), cy - U(3), U(3));
    CuteEye(c, U(6), cy - U(3), U(3));
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(11), cy + U(1), U(2), U(1), Style(Material(c, {240, 120, 110}), PART_FLAT));
    Ellipse(c.s, 0, cy + U(2), U(2), U(1) + U(1) / 2, Style(c.mouth, PART_FLAT));
}

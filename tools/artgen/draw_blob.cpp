/* Pictures of the plan rows whose body is BODY_BLOB, the cloud puff baby, a heap of soft puffs over a drizzle
   of raindrops. */
#include "creature_drawers.h"

/* The cloud puff baby: a heap of soft puffs over a grey underside, a drizzle falling from it. */
void DrawBlob(Ctx &c)
{
    const int cy = -U(32);
    GroundShadow(c.s, 0, 0, U(14), U(2));
    const int rain = Material(c, {110, 164, 232});
    for (int k = 0; k < 6; ++k) {
        const int x = -U(13) + k * U(5) + (k % 2) * U(1), y = cy + U(14) + (k % 2) * U(7);
        Spike(c, x, y - U(1), U(4), 0, U(2), Style(rain, PART_NO_HIGHLIGHT));
        Ellipse(c.s, x, y, U(2) + U(1) / 2, U(3), Style(rain, PART_NO_HIGHLIGHT));
    }
    Ellipse(c.s, 0, cy + U(4), U(18), U(7), Style(c.body, PART_FLAT, SHADE_SHADOW));
    static const int PUFF[4][3] = {
        {-U(10), -U(1), U(9) }, /* left */
        {U(1),   -U(6), U(12)}, /* crown */
        {U(12),  0,     U(8) }, /* right */
        {-U(16), U(3),  U(5) }, /* small one on the left edge */
    };
    for (int k = 0; k < 4; ++k)
        Ellipse(c.s, PUFF[k][0], cy + PUFF[k][1], PUFF[k][2], PUFF[k][2], Style(c.body, PART_NO_HIGHLIGHT));
    Ellipse(c.s, 0, cy + U(2), U(17), U(7), Style(c.body, PART_NO_HIGHLIGHT));
    CuteEye(c, -U(5), cy, U(3));
    CuteEye(c, U(5), cy, U(3));
    Ellipse(c.s, -U(10), cy + U(4), U(2), U(1), Style(c.accent, PART_FLAT));
    Ellipse(c.s, U(10), cy + U(4), U(2), U(1), Style(c.accent, PART_FLAT));
    Smile(c, 0, cy + U(5), U(2));
}

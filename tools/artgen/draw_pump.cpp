/* Pictures of the plan rows whose body is BODY_PUMP, the cast-iron hand pump on its stone trough, handle
   raised, water gushing. */
#include "creature_drawers.h"

static const Rgb TROUGH_STONE = {170, 162, 150};
static const Rgb VALVE_BRASS = {206, 164, 72};

/* A cast-iron pump on its stone trough: the spout is its mouth, gushing, two brass valve caps
   are its eyes, and the long handle is raised like an arm. */
void DrawPump(Ctx &c)
{
    const int iron = c.body, water = c.accent;
    const int stone = Material(c, TROUGH_STONE), brass = Material(c, VALVE_BRASS);
    GroundShadow(c.s, -U(4), 0, U(36), U(3));
    /* The handle rises from its pivot at the top of the column and ends in a round grip. */
    Curve(c.s, U(18), -U(54), U(3), U(34), -U(58), U(34), -U(78), U(2) + U(1) / 2, Style(iron, PART_LINE));
    Ellipse(c.s, U(34), -U(80), U(4), U(4), Style(iron, PART_LINE));
    /* The plinth and the column with its rings, capped by a dome and a finial. */
    Polygon(c.s, {U(0), -U(12), U(24), -U(12), U(24), 0, U(0), 0}, Style(stone, PART_LINE));
    Polygon(c.s, {U(2), -U(52), U(22), -U(52), U(22), -U(10), U(2), -U(10)}, Style(iron));
    Ellipse(c.s, U(12), -U(13), U(12), U(3), Style(iron, PART_LINE));
    Ellipse(c.s, U(12), -U(50), U(12), U(3), Style(iron, PART_LINE));
    Ellipse(c.s, U(12), -U(54), U(10), U(6), Style(iron, PART_LINE));
    Ellipse(c.s, U(12), -U(61), U(3), U(3), Style(iron, PART_LINE));
    Ellipse(c.s, U(18), -U(54), U(3), U(3), Style(brass, PART_LINE));
    /* Two brass valve caps for eyes. */
    for (int side = -1; side <= 1; side += 2) {
        const int ex = U(12) + side * U(5), ey = -U(43);
        Ellipse(c.s, ex, ey, U(4) + U(1) / 2, U(4) + U(1) / 2, Style(brass, PART_LINE));
        OvalEye(c, ex, ey, U(2) + U(1) / 2, 0);
    }
    /* The trough in front: a block of stone, its water brimming. */
    Polygon(c.s, {-U(36), -U(24), U(8), -U(24), U(8), 0, -U(36), 0}, Style(stone, PART_LINE));
    Ellipse(c.s, -U(14), -U(24), U(21), U(3), Style(water, PART_LINE));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(22) + k * U(18), -U(12), Px(c, 1), -U(22) + k * U(18), -U(1), Px(c, 1),
                Style(stone, PART_FLAT, SHADE_SHADOW));
    Capsule(c.s, -U(36), -U(12), Px(c, 1), U(8), -U(12), Px(c, 1), Style(stone, PART_FLAT, SHADE_SHADOW));
    /* The spout reaches forward from the column and its open mouth pours into the trough. */
    Tube(c.s, {U(6), -U(34), U(4), -U(6), -U(35), U(3) + U(1) / 2, -U(12), -U(31), U(3) + U(1) / 2},
         Style(iron, PART_LINE));
    Ellipse(c.s, -U(13), -U(29), U(3) + U(1) / 2, U(2) + U(1) / 2, Style(c.eye, PART_FLAT), -30);
    Tube(c.s, {-U(13), -U(28), U(3), -U(15), -U(24), U(3) + U(1) / 2, -U(16), -U(23), U(4)},
         Style(water, PART_LINE));
    Ellipse(c.s, -U(14), -U(28), Px(c, 1), U(2), Style(water, PART_FLAT, SHADE_HIGHLIGHT));
    static const int SPLASH[][3] = {
        {-U(24), -U(25), U(2)           },
        {-U(7),  -U(24), U(2)           },
        {-U(28), -U(21), U(2)           },
        {-U(3),  -U(21), U(1) + U(1) / 2},
    };
    for (const int *d : SPLASH)
        Ellipse(c.s, d[0], d[1], d[2], d[2] + U(1) / 2, Style(water, PART_LINE));
}

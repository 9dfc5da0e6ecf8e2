/* Pictures of the plan rows whose body is BODY_CAIRN, the ghost cairns: pebbles and slabs stacked round a
   violet eye, floating stone hands. */
#include "creature_drawers.h"

/* The ghost in a cairn shows itself only as one eye in a gap between the stones. */
static void CairnEye(Ctx &c, int x, int y, int r, int glow)
{
    Ellipse(c.s, x, y, r * 2, r, Style(c.dark, PART_FLAT));
    Ellipse(c.s, x, y, r * 3 / 2, r * 3 / 4, Style(glow, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, x, y, r / 2, r * 3 / 4, Style(c.accent, PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, x - r / 2, y - r / 3, U(1), U(1), Style(c.white, PART_FLAT));
}

/* A stone hand floating free: a flat palm, three fingers and a thumb, a glow under it. */
static void StoneHand(Ctx &c, int x, int y, int side, int glow)
{
    Capsule(c.s, x - U(4), y + U(7), U(1), x + U(4), y + U(7), U(1), Style(glow, PART_FLAT, SHADE_LIGHT));
    for (int k = -1; k <= 1; ++k)
        Capsule(c.s, x + k * U(3), y - U(2), U(2), x + k * U(4), y - U(8), U(2), Style(c.body, PART_LINE));
    Capsule(c.s, x - side * U(5), y + U(1), U(2), x - side * U(9), y - U(3), U(2), Style(c.body, PART_LINE));
    Ellipse(c.s, x, y, U(6), U(5), Style(c.body, PART_LINE));
}

/* A chalk sign on a slab, its strokes two pixels wide: a zigzag, a ring or a cross. */
static void ChalkSign(Ctx &c, int x, int y, int kind, int glow)
{
    const PartStyle chalk = Style(glow, PART_FLAT, SHADE_LIGHT);
    if (kind == 0) {
        Tube(c.s,
             {x - U(4), y + U(2), U(1), x - U(1), y - U(2), U(1), x + U(1), y + U(2), U(1), x + U(4),
              y - U(2), U(1)},
             chalk);
    } else if (kind == 1) {
        Ellipse(c.s, x, y, U(3), U(3), chalk);
        Ellipse(c.s, x, y, U(1), U(1), Style(c.body, PART_FLAT, SHADE_SHADOW));
    } else {
        Capsule(c.s, x - U(3), y, U(1), x + U(3), y, U(1), chalk);
        Capsule(c.s, x, y - U(3), U(1), x, y + U(3), U(1), chalk);
    }
}

/* Haunted cairns: three pebbles with a violet eye glowing in the gap and the top one hovering,
   and a tall leaning stack of slabs with chalk signs and two floating stone hands. */
void DrawCairn(Ctx &c)
{
    const int glow = Material(c, {214, 190, 255});
    if (c.plan->stage == 1) {
        GroundShadow(c.s, 0, 0, U(17), U(3));
        Ellipse(c.s, 0, -U(8), U(16), U(9), Style(c.body, PART_LINE));
        Ellipse(c.s, -U(2), -U(25), U(12), U(7), Style(c.body, PART_LINE), -6);
        /* The top stone hovers free of the others, held up by the ghost. */
        for (int k = 0; k < 2; ++k)
            Curve(c.s, -U(5) + k * U(2), -U(35) + k * U(3), U(1), U(2), -U(33) + k * U(3), U(9) - k * U(2),
                  -U(35) + k * U(3), U(1), Style(glow, PART_FLAT, SHADE_LIGHT));
        Ellipse(c.s, U(2), -U(44), U(8), U(6), Style(c.body, PART_LINE), 8);
        CairnEye(c, U(1), -U(16), U(4), glow);
        return;
    }
    GroundShadow(c.s, 0, 0, U(22), U(3));
    /* Each slab sits further to the right than the one under it: the stack leans. */
    static const int SLABS[][5] = {
        {0,     -U(6),  U(17), U(6), 0}, /* base */
        {U(3),  -U(18), U(15), U(5), 1}, /* second */
        {U(6),  -U(30), U(13), U(5), 2}, /* third */
        {U(9),  -U(41), U(11), U(5), 0}, /* fourth */
        {U(12), -U(51), U(8),  U(4), 1}, /* cap */
    };
    for (int k = 0; k < 5; ++k) {
        const int *s = SLABS[k];
        Ellipse(c.s, s[0], s[1], s[2], s[3], Style(c.body, PART_LINE), k % 2 ? 5 : -5);
        if (k < 4 && k != 1)
            ChalkSign(c, s[0] - s[2] / 2 + U(1), s[1], s[4], glow);
    }
    CairnEye(c, U(5), -U(24), U(3), glow);
    StoneHand(c, -U(24), -U(30), -1, glow);
    StoneHand(c, U(30), -U(22), 1, glow);
}

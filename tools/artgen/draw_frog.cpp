/* Pictures of the plan rows whose body is BODY_FROG, the poison tree frogs: the squat frog and the two
   gliders with their skin sails spread. */
#include "creature_drawers.h"

/* The tree frog squats with its skin flaps folded along its sides. */
static void SquatFrog(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(17), U(3));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(12), -U(6), U(7), U(6), Style(c.body, PART_LINE));
        Ellipse(c.s, side * U(15), -U(1), U(5), U(2), Style(c.body, PART_LINE));
    }
    Ellipse(c.s, 0, -U(12), U(13), U(11), Style(c.body));
    Ellipse(c.s, 0, -U(7), U(8), U(5), Style(c.belly, PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(12), -U(12), U(2), U(6), Style(c.accent, PART_LINE), side * 15);
        Capsule(c.s, side * U(6), -U(9), U(2), side * U(7), -U(2), U(2), Style(c.body, PART_LINE));
        Ellipse(c.s, side * U(7), -U(1), U(2) + U(1) / 2, U(1) + U(1) / 2, Style(c.accent, PART_LINE));
        Ellipse(c.s, side * U(7), -U(22), U(5), U(5), Style(c.body, PART_LINE));
        WhiteEye(c, side * U(7), -U(22), U(3) + U(1) / 2, -side * U(1) / 2);
    }
    for (int k = -1; k <= 1; k += 2)
        Ellipse(c.s, k * U(4), -U(14) + U(1), U(2), U(1) + U(1) / 2, Style(c.accent, PART_FLAT, SHADE_LIGHT));
    Smile(c, 0, -U(16), U(6));
}

/* A point of a gliding frog's design turned by the frog's tilt about its centre (0, cy). */
struct Tilted {
    int cy, sinQ, cosQ;
    int X(int x, int y) const
    {
        return (x * cosQ - (y - cy) * sinQ) / 4096;
    }
    int Y(int x, int y) const
    {
        return cy + (x * sinQ + (y - cy) * cosQ) / 4096;
    }
};

/* Gliding frogs in flight, the skin sail taut between the limbs on each side. The glider leaps
   up and to the left, limbs spread wide, a small frill half open at its throat; the great one hangs
   level on a sail wider still, spotted, with the frill fanned all round its throat. */
static void GlidingFrog(Ctx &c, bool great)
{
    const int tilt = great ? 0 : -35;
    const int cy = great ? -U(30) : -U(34);
    const Tilted t = {cy, SinQ12(tilt), CosQ12(tilt)};
    const int span = great ? U(36) : U(26);
    const int stripe = Material(c, Darker(c.plan->bodyColour, 45));
    GroundShadow(c.s, 0, 0, great ? U(24) : U(14), U(3));
    for (int side = -1; side <= 1; side += 2) {
        const int hand = side * span, handY = cy - (great ? U(21) : U(16));
        const int foot = side * (great ? span - U(4) : U(19)), footY = cy + (great ? U(25) : U(26));
        const int sx = side * U(5);
        Polygon(c.s,
                {t.X(sx, cy - U(8)), t.Y(sx, cy - U(8)), t.X(hand, handY), t.Y(hand, handY), t.X(foot, footY),
                 t.Y(foot, footY), t.X(sx, cy + U(10)), t.Y(sx, cy + U(10))},
                Style(c.accent, PART_LINE | PART_NO_HIGHLIGHT));
        if (great) {
            for (int k = 0; k < 5; ++k) {
                const int x = side * (U(11) + (k % 3) * U(8)),
                          y = cy - U(6) + (k / 3) * U(11) + (k % 3) * U(1);
                Ellipse(c.s, x, y, U(2) + U(1) / 2, U(2) + U(1) / 2, Style(stripe, PART_FLAT));
            }
        } else {
            Ellipse(c.s, t.X(side * U(11), cy), t.Y(side * U(11), cy), U(2), U(2), Style(stripe, PART_FLAT));
        }
        Capsule(c.s, t.X(sx, cy - U(7)), t.Y(sx, cy - U(7)), U(2), t.X(hand, handY), t.Y(hand, handY),
                U(1) + U(1) / 2, Style(c.body, PART_LINE));
        Capsule(c.s, t.X(sx, cy + U(8)), t.Y(sx, cy + U(8)), U(3), t.X(foot, footY), t.Y(foot, footY), U(2),
                Style(c.body, PART_LINE));
        for (int k = -1; k <= 1; ++k) {
            const int ax = hand + side * U(2) + k * U(2), ay = handY - U(2) + (k * k) * U(1);
            const int bx = foot + k * U(2), by = footY + U(2) - (k * k) * U(1);
            Ellipse(c.s, t.X(ax, ay), t.Y(ax, ay), U(1) + U(1) / 2, U(1) + U(1) / 2,
                    Style(c.accent, PART_LINE));
            Ellipse(c.s, t.X(bx, by), t.Y(bx, by), U(1) + U(1) / 2, U(1) + U(1) / 2,
                    Style(c.accent, PART_LINE));
        }
    }
    Ellipse(c.s, t.X(0, cy + U(2)), t.Y(0, cy + U(2)), U(8), U(13), Style(c.body), tilt);
    for (int k = 0; k < 3; ++k) {
        const int x = (k - 1) * U(3), y = cy + U(4) + (k % 2) * U(4);
        Ellipse(c.s, t.X(x, y), t.Y(x, y), U(2), U(2), Style(c.accent, PART_FLAT, SHADE_LIGHT));
    }
    const int hy = cy - U(12);
    if (great)
        for (int k = 0; k < 7; ++k)
            Spike(c, 0, hy + U(4), U(11), 114 + k * 22, U(3), Style(c.accent, PART_LINE));
    else
        for (int k = 0; k < 3; ++k)
            Spike(c, t.X(0, hy + U(5)), t.Y(0, hy + U(5)), U(12), 140 + tilt + k * 35, U(3),
                  Style(c.accent, PART_LINE));
    Ellipse(c.s, t.X(0, hy), t.Y(0, hy), U(9), U(6), Style(c.body, PART_LINE), tilt);
    for (int side = -1; side <= 1; side += 2) {
        const int ex = side * U(6), ey = hy - U(4);
        Ellipse(c.s, t.X(ex, ey), t.Y(ex, ey), U(4), U(4), Style(c.body, PART_LINE));
        WhiteEye(c, t.X(ex, ey), t.Y(ex, ey), U(3), great ? 0 : -U(1));
    }
    Smile(c, t.X(0, hy + U(3)), t.Y(0, hy + U(3)), U(5));
}

void DrawFrog(Ctx &c)
{
    if (c.plan->stage == 1)
        SquatFrog(c);
    else
        GlidingFrog(c, c.plan->stage == 3);
}

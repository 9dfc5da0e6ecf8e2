/* Small beasts close to the ground: the tree frog and the gliding frogs, and the kiln gecko
   clinging to its hot brick. */
#include "creature_drawers.h"

static const Rgb EMBER_GLOW = {255, 222, 110};

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
   up and to the left, hind legs trailing; the great one hangs level on a sail twice as wide,
   spotted, with a frill fanned at its throat. */
static void GlidingFrog(Ctx &c, bool great)
{
    const int tilt = great ? 0 : -35;
    const int cy = great ? -U(30) : -U(34);
    const Tilted t = {cy, SinQ12(tilt), CosQ12(tilt)};
    const int span = great ? U(36) : U(18);
    const int stripe = Material(c, Darker(c.plan->bodyColour, 45));
    GroundShadow(c.s, 0, 0, great ? U(24) : U(14), U(3));
    for (int side = -1; side <= 1; side += 2) {
        const int hand = side * span, handY = cy - (great ? U(12) : U(16));
        const int foot = side * (great ? span - U(4) : U(12)), footY = cy + (great ? U(18) : U(28));
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

/* The kiln gecko clings flat to the face of a hot, soot-dark brick, head raised at the top edge,
   toe pads splayed wide, its throat glowing with the kiln's heat; embers glow in the brick's seams. */
static void KilnGecko(Ctx &c)
{
    const int brick = Material(c, {104, 76, 70}), glow = Material(c, EMBER_GLOW);
    const int stripe = Material(c, Darker(c.plan->bodyColour, 35));
    GroundShadow(c.s, U(2), 0, U(24), U(3));
    Polygon(c.s, {U(10), -U(4), U(17), -U(9), U(17), -U(55), U(10), -U(50)},
            Style(brick, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Polygon(c.s, {-U(14), -U(50), U(10), -U(50), U(17), -U(55), -U(7), -U(55)},
            Style(brick, PART_LINE | PART_FLAT, SHADE_LIGHT));
    Polygon(c.s, {-U(14), -U(4), U(10), -U(4), U(10), -U(50), -U(14), -U(50)}, Style(brick, PART_LINE));
    Tube(c.s, {-U(14), -U(12), U(1), -U(6), -U(10), U(1), U(2), -U(14), U(1), U(10), -U(11), U(1)},
         Style(c.accent, PART_FLAT, SHADE_LIGHT));
    Tube(c.s, {U(10), -U(36), U(1), U(14), -U(40), U(1), U(17), -U(38), U(1)},
         Style(c.accent, PART_FLAT, SHADE_BASE));
    Tube(c.s,
         {U(2), -U(18), U(4), U(6), -U(10), U(3), U(14), -U(6), U(2), U(24), -U(12), U(1) + U(1) / 2, U(26),
          -U(20), U(1)},
         Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2) {
        const int fx = side * U(13) - U(2), fy = -U(47), bx = side * U(13), by = -U(17);
        Tube(c.s, {side * U(4) - U(2), -U(36), U(3), side * U(11) - U(2), -U(38), U(2), fx, fy, U(2)},
             Style(c.body, PART_LINE));
        Tube(c.s, {side * U(4), -U(22), U(3), side * U(11), -U(24), U(2), bx, by, U(2)},
             Style(c.body, PART_LINE));
        for (int t = -1; t <= 1; ++t) {
            const int fa = side * 45 + t * 45, ba = side * 135 - t * 45;
            Capsule(c.s, fx, fy, U(1), Toward(fx, U(4), fa), TowardY(fy, U(4), fa), U(1),
                    Style(c.body, PART_FLAT));
            Capsule(c.s, bx, by, U(1), Toward(bx, U(4), ba), TowardY(by, U(4), ba), U(1),
                    Style(c.body, PART_FLAT));
            Ellipse(c.s, Toward(fx, U(5), fa), TowardY(fy, U(5), fa), U(2), U(2), Style(c.belly, PART_LINE));
            Ellipse(c.s, Toward(bx, U(5), ba), TowardY(by, U(5), ba), U(2), U(2), Style(c.belly, PART_LINE));
        }
    }
    Ellipse(c.s, -U(1), -U(29), U(7), U(13), Style(c.body), 5);
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, -U(1) - k * U(1) / 2, -U(22) - k * U(6), U(5) - k * U(1) / 2, U(1) + U(1) / 2,
                Style(stripe, PART_FLAT), 5);
    /* The head lifts off the brick, showing the glowing throat under the jaw. */
    const int hx = -U(3), hy = -U(48);
    Ellipse(c.s, hx, hy, U(8), U(6), Style(c.body, PART_LINE));
    Ellipse(c.s, hx + U(1), hy + U(7), U(4), U(3), Style(glow, PART_LINE));
    Ellipse(c.s, hx, hy + U(6), U(2), U(1) + U(1) / 2, Style(glow, PART_FLAT, SHADE_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, hx + side * U(6), hy - U(3), U(3) + U(1) / 2, U(3) + U(1) / 2, Style(c.body, PART_LINE));
        WhiteEye(c, hx + side * U(6), hy - U(3), U(2) + U(1) / 2, -side * U(1) / 2);
    }
    Capsule(c.s, hx - U(4), hy + U(2), U(1) / 2, hx + U(4), hy + U(2), U(1) / 2, Style(c.mouth, PART_FLAT));
}

void DrawCrawler(Ctx &c)
{
    KilnGecko(c);
}

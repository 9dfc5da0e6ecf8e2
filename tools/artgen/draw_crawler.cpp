/* Pictures of the plan rows whose body is BODY_CRAWLER, the kiln gecko clinging flat to a hot brick, splayed
   toe pads, a glowing throat. */
#include "creature_drawers.h"

static const Rgb EMBER_GLOW = {255, 222, 110};

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

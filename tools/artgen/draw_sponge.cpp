/* Pictures of the plan rows whose body is BODY_SPONGE, the sea sponges: a squat lumpy one and a tall
   branching one on three stalk feet. */
#include "creature_drawers.h"

/* A sponge opening: a dark mouth on a raised lip, seen a little from above. */
static void SpongeMouth(Ctx &c, int x, int y, int rx, int hole)
{
    Ellipse(c.s, x, y, rx + U(1), rx / 2 + U(1), Style(c.body, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, x, y, rx - U(1), rx / 2 - U(1) / 2, Style(hole, PART_FLAT));
}

/* Sea sponges: a squat lumpy one with three chimneys, pores all over and its eyes peering from
   the biggest hole, and a tall branching one on stalk feet, glassy spicules bristling from it. */
void DrawSponge(Ctx &c)
{
    const int hole = Material(c, Darker(c.plan->bodyColour, 62));
    const int rock = Material(c, {120, 130, 150});
    if (c.plan->stage == 1) {
        GroundShadow(c.s, 0, 0, U(18), U(3));
        Ellipse(c.s, 0, -U(3), U(15), U(4), Style(rock, PART_LINE));
        /* Lobes lower at the sides, each rising into a short chimney. */
        static const int LOBES[][6] = {
            {-U(12), -U(12), U(7),  -U(15), -U(22), U(4)}, /* left */
            {U(12),  -U(11), U(6),  U(15),  -U(19), U(3)}, /* right */
            {0,      -U(18), U(11), U(1),   -U(32), U(5)}, /* middle */
        };
        for (const int *l : LOBES) {
            Capsule(c.s, l[0], l[1], l[2], l[3], l[4], l[5] + U(2), Style(c.body, PART_LINE));
            SpongeMouth(c, l[3], l[4], l[5], hole);
        }
        static const int PORES[][3] = {
            {-U(14), -U(12), U(1) + U(1) / 2}, /* left lobe */
            {-U(10), -U(7),  U(1) + U(1) / 2}, /* left lobe, low */
            {U(13),  -U(10), U(1) + U(1) / 2}, /* right lobe */
            {U(7),   -U(24), U(2)           }, /* shoulder */
            {-U(6),  -U(25), U(1) + U(1) / 2}, /* shoulder */
            {U(4),   -U(8),  U(1) + U(1) / 2}, /* under the face */
            {-U(3),  -U(7),  U(1)           }, /* under the face */
        };
        for (const int *p : PORES)
            Ellipse(c.s, p[0], p[1], p[2], p[2], Style(hole, PART_FLAT));
        Ellipse(c.s, 0, -U(16), U(8), U(5), Style(hole, PART_FLAT));
        PeerEye(c, -U(3), -U(16), U(2) + U(1) / 2, -U(1) / 2, c.eye);
        PeerEye(c, U(3), -U(16), U(2) + U(1) / 2, -U(1) / 2, c.eye);
        return;
    }
    GroundShadow(c.s, 0, 0, U(22), U(3));
    for (int k = -1; k <= 1; ++k) {
        Capsule(c.s, k * U(8), -U(12), U(3), k * U(13), -U(3), U(3), Style(c.body, PART_LINE));
        Ellipse(c.s, k * U(14), -U(2), U(5), U(2) + U(1) / 2, Style(rock, PART_LINE));
    }
    /* Tubes from the common base: where each rises to, its radius, and whether a twig forks off. */
    static const int TUBES[][5] = {
        {-U(19), -U(46), U(6), -1, U(5)}, /* left, forking outward */
        {U(19),  -U(40), U(6), 1,  U(4)}, /* right, forking outward */
        {U(1),   -U(60), U(8), 0,  0   }, /* middle, the tallest */
    };
    for (const int *t : TUBES) {
        if (t[4] != 0) {
            const int fx = t[0] * 3 / 5, fy = t[1] * 3 / 5 - U(6);
            Capsule(c.s, fx, fy, U(4), fx + t[3] * U(12), fy - U(5), U(4), Style(c.body, PART_LINE));
            SpongeMouth(c, fx + t[3] * U(12), fy - U(6), U(4), hole);
        }
        Capsule(c.s, t[0] / 3, -U(16), t[2] + U(2), t[0], t[1] + U(4), t[2], Style(c.body, PART_LINE));
        SpongeMouth(c, t[0], t[1] + U(2), t[2], hole);
        /* Glassy spicules stand out from the tube in threes, pale and sharp. */
        for (int k = 0; k < 2; ++k) {
            const int sy = t[1] + U(14) + k * U(11),
                      sx = t[0] + (t[0] - t[0] / 3) * (U(14) + k * U(11)) / (t[1] + U(20));
            const int side = (k + (t[3] < 0)) % 2 ? 1 : -1;
            for (int a = -1; a <= 1; ++a)
                Spike(c, sx + side * t[2], sy, U(6), side * 80 + a * 40, U(1) + U(1) / 4,
                      Style(c.accent, PART_LINE | PART_NO_HIGHLIGHT));
        }
    }
    Ellipse(c.s, 0, -U(16), U(16), U(8), Style(c.body, PART_LINE));
    Ellipse(c.s, -U(11), -U(14), U(2), U(2), Style(hole, PART_FLAT));
    Ellipse(c.s, U(11), -U(17), U(2), U(2), Style(hole, PART_FLAT));
    Ellipse(c.s, 0, -U(17), U(8), U(5), Style(hole, PART_FLAT));
    PeerEye(c, -U(3), -U(17), U(2) + U(1) / 2, U(1) / 2, c.eye);
    PeerEye(c, U(3), -U(17), U(2) + U(1) / 2, U(1) / 2, c.eye);
}

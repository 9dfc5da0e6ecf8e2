/* Creatures built like things: sponges, cairns, sand rays, the anvil, the well bucket, the
   ice column, the marsh keeper and the mangroves, each shaped per entry. */
#include "creature_drawers.h"

/* An eye that peers out: a white with an outline, a round iris looking toward lookX and a light
   catch wide enough to stay whole when the picture is enlarged by one and a half. */
static void PeerEye(Ctx &c, int x, int y, int r, int lookX, int iris)
{
    Ellipse(c.s, x, y, r, r * 5 / 4, Style(c.white, PART_FLAT | PART_LINE));
    Ellipse(c.s, x + lookX, y + r / 5, r * 2 / 3, r * 5 / 6, Style(iris, PART_FLAT));
    Ellipse(c.s, x + lookX - r / 4, y - r / 5, U(1), U(1), Style(c.white, PART_FLAT));
}

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

/* Sand swimmers with rippled wing edges and eyes domed on top. The pup is a small round disc
   half sunk in its patch of sand, big eyes, a short stub of tail; the grown ray is a broad kite
   draped over a dune crest on its fringe, its long barbed tail trailing down the far slope. */
static void RayWingRipples(Ctx &c, const int kite[4][2], int w)
{
    /* Two waves cross each wing toward its tip, a lit crest ahead of a shaded trough. */
    for (int side = -1; side <= 1; side += 2) {
        const int *tip = kite[side < 0 ? 1 : 3];
        for (int k = 0; k < 2; ++k) {
            const int at = w * (k == 0 ? 5 : 3) / 10;
            const int x = tip[0] - side * at, y = tip[1];
            const int dFront = (kite[0][1] - tip[1]) * at / w, dRear = (tip[1] - kite[2][1]) * at / w;
            Curve(c.s, x - side * U(1), y + dFront - U(2), U(1), x + side * at / 3, y, x - side * U(1),
                  y - dRear + U(2), U(1), Style(c.body, PART_FLAT, k == 0 ? SHADE_LIGHT : SHADE_SHADOW));
        }
    }
}

static void RayEyes(Ctx &c, int cy, int dx, int r)
{
    for (int side = -1; side <= 1; side += 2) {
        const int ex = side * dx, ey = cy;
        Ellipse(c.s, ex, ey + U(1), r + U(1), r, Style(c.body, PART_LINE));
        PeerEye(c, ex, ey - r / 2, r, side * U(1) / 2 - U(1) / 2, c.eye);
    }
}

static void RayPup(Ctx &c)
{
    const int sand = Material(c, {232, 204, 150}), ripple = Material(c, {200, 170, 116});
    const int spot = Material(c, Darker(c.plan->bodyColour, 30));
    const int rx = U(23), ry = U(12), cy = -U(14);
    GroundShadow(c.s, 0, 0, U(26), U(3));
    Ellipse(c.s, 0, -U(5), U(28), U(5), Style(sand, PART_NO_HIGHLIGHT));
    for (int k = -1; k <= 1; k += 2)
        Capsule(c.s, k * U(25), -U(4), U(1) / 2 + U(1) / 4, k * U(18), -U(1), U(1) / 2 + U(1) / 4,
                Style(ripple, PART_FLAT));
    /* A short stub of tail behind the round disc. */
    Curve(c.s, U(1), cy - ry + U(3), U(2), U(3), cy - ry - U(2), U(7), cy - ry - U(3), U(1) + U(1) / 2,
          Style(c.body, PART_LINE));
    Ellipse(c.s, 0, cy, rx, ry, Style(c.body, PART_LINE | PART_FLAT));
    Ellipse(c.s, -U(3), cy - U(3), rx * 2 / 3, ry * 2 / 3, Style(c.body, PART_FLAT, SHADE_LIGHT));
    const int kite[4][2] = {
        {0,   cy + ry},
        {-rx, cy     },
        {0,   cy - ry},
        {rx,  cy     },
    };
    RayWingRipples(c, kite, rx);
    for (int k = -1; k <= 1; k += 2)
        Ellipse(c.s, k * rx * 3 / 5, cy - ry / 3, U(2), U(1) + U(1) / 2, Style(spot, PART_FLAT));
    /* Half sunk: sand drifted over the front rim. */
    Ellipse(c.s, 0, cy + ry - U(1), U(9), U(3), Style(sand, PART_LINE | PART_NO_HIGHLIGHT));
    for (int k = -1; k <= 1; k += 2)
        Ellipse(c.s, k * rx * 3 / 5, cy + ry * 3 / 5, U(6), U(2) + U(1) / 2,
                Style(sand, PART_LINE | PART_NO_HIGHLIGHT));
    RayEyes(c, cy - U(3), U(7), U(5));
    Smile(c, 0, cy + ry / 2, U(3));
}

static void BroadRay(Ctx &c)
{
    const int sand = Material(c, {232, 204, 150}), ripple = Material(c, {200, 170, 116});
    const int spot = Material(c, Darker(c.plan->bodyColour, 30));
    const int w = U(38), front = U(10), rear = U(16), cy = -U(27);
    /* The dune: a broad hump, lit on the left, its right slope in shade. */
    Polygon(c.s,
            {-U(44), 0, -U(28), -U(9), -U(10), -U(16), U(4), -U(18), U(18), -U(14), U(32), -U(6), U(44), 0},
            Style(sand, PART_NO_HIGHLIGHT));
    Polygon(c.s, {U(4), -U(18), U(18), -U(14), U(32), -U(6), U(44), 0, U(10), 0},
            Style(sand, PART_FLAT, SHADE_SHADOW));
    for (int k = 0; k < 3; ++k)
        Curve(c.s, -U(34) + k * U(10), -U(2) - k * U(3), U(1) / 2 + U(1) / 4, -U(26) + k * U(10),
              -U(6) - k * U(3), -U(18) + k * U(10), -U(2) - k * U(3), U(1) / 2 + U(1) / 4,
              Style(ripple, PART_FLAT));
    /* The long whip tail trails back over the crest and down the far slope, barbs at its end. */
    Tube(c.s,
         {U(0), cy - rear + U(2), U(3), U(14), cy - rear - U(3), U(2) + U(1) / 2, U(28), cy - rear + U(2),
          U(2), U(36), -U(18), U(1) + U(1) / 2, U(42), -U(6), U(1)},
         Style(c.body, PART_LINE));
    Spike(c, U(42), -U(6), U(6), 150, U(2), Style(c.accent, PART_LINE));
    Spike(c, U(39), -U(12), U(5), 80, U(2), Style(c.accent, PART_LINE));
    Spike(c, U(37), -U(17), U(5), -60, U(2), Style(c.accent, PART_LINE));
    /* Draped over the crest, the fringe of the front edges hangs down the slopes. */
    for (int k = 0; k <= 12; ++k) {
        const int x = -w + k * 2 * w / 12, dy = front - front * (x < 0 ? -x : x) / w;
        Ellipse(c.s, x, cy + dy + U(3), U(4) + (k % 2) * U(2), U(4) + (k % 2) * U(2),
                Style(c.belly, PART_LINE | PART_NO_HIGHLIGHT));
    }
    const int kite[4][2] = {
        {0,  cy + front},
        {-w, cy        },
        {0,  cy - rear },
        {w,  cy        },
    };
    Polygon(c.s,
            {kite[0][0], kite[0][1], kite[1][0], kite[1][1], kite[2][0], kite[2][1], kite[3][0], kite[3][1]},
            Style(c.body, PART_LINE | PART_FLAT));
    /* Flat wings round a low raised disc of body, the sheen on its crown. */
    Ellipse(c.s, -w / 8, cy - rear / 3, w / 3, (front + rear) / 4, Style(c.body, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, -w / 5, cy - rear / 2, w / 6, (front + rear) / 8, Style(c.body, PART_FLAT, SHADE_HIGHLIGHT));
    RayWingRipples(c, kite, w);
    for (int k = -1; k <= 1; k += 2) {
        Ellipse(c.s, k * w / 2, cy, U(2), U(1) + U(1) / 2, Style(spot, PART_FLAT));
        Ellipse(c.s, k * w / 4, cy - rear / 2, U(2), U(1) + U(1) / 2, Style(spot, PART_FLAT));
        Ellipse(c.s, k * w * 3 / 4, cy - U(1), U(2), U(1) + U(1) / 2, Style(spot, PART_FLAT));
    }
    RayEyes(c, cy - U(4), U(7), U(3) + U(1) / 2);
    Smile(c, 0, cy + front / 2 + U(1), U(3));
}

void DrawSandray(Ctx &c)
{
    if (c.plan->stage == 1)
        RayPup(c);
    else
        BroadRay(c);
}

/* A living anvil: horn forward, four stubby legs, and a tail ending in a hammer that strikes
   sparks. */
void DrawAnvil(Ctx &c)
{
    const int hammer = Material(c, Mix(c.plan->bodyColour, {210, 214, 224}, 90));
    const int spark = Material(c, {255, 236, 120});
    GroundShadow(c.s, 0, 0, U(24), U(3));
    Curve(c.s, U(12), -U(20), U(3), U(28), -U(20), U(24), -U(40), U(2), Style(c.body, PART_LINE));
    Polygon(c.s, {U(17), -U(48), U(31), -U(48), U(31), -U(39), U(17), -U(39)}, Style(hammer, PART_LINE));
    /* A burst of sparks where the hammer's face rings on the anvil's back. */
    for (int k = 0; k < 5; ++k)
        Spike(c, U(14), -U(38), U(11) - (k % 2) * U(4), -100 + k * 40, U(1) + U(1) / 2,
              Style(spark, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, U(14), -U(38), U(2), U(2), Style(spark, PART_FLAT, SHADE_HIGHLIGHT));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(8) + k * U(18), -U(10), U(4), -U(7) + k * U(18), -U(3), U(4),
                Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Polygon(c.s, {-U(15), -U(9), U(15), -U(9), U(10), -U(18), -U(10), -U(18)}, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(8), -U(17), U(8), -U(17), U(11), -U(24), -U(11), -U(24)}, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(17), -U(24), U(17), -U(24), U(17), -U(33), -U(17), -U(33)}, Style(hammer, PART_LINE));
    Polygon(c.s, {-U(17), -U(33), -U(17), -U(25), -U(35), -U(31)}, Style(hammer, PART_LINE));
    for (int k = 0; k < 2; ++k) {
        Capsule(c.s, -U(12) + k * U(18), -U(9), U(4), -U(13) + k * U(18), -U(2), U(4),
                Style(c.body, PART_LINE));
        Ellipse(c.s, -U(14) + k * U(18), -U(1), U(5), U(2), Style(c.body, PART_LINE));
    }
    CuteEye(c, -U(7), -U(28), U(2) + U(1) / 2);
    CuteEye(c, U(3), -U(28), U(2) + U(1) / 2);
    Smile(c, -U(2), -U(21), U(3));
}

/* The spirit of an old well bucket floats up at dusk: eyes shining in its water, a frayed rope
   for a tail, drops falling. */
void DrawPail(Ctx &c)
{
    const int rope = Material(c, {200, 170, 110}), iron = Material(c, {70, 66, 78});
    const int glow = Material(c, {210, 244, 255});
    GroundShadow(c.s, 0, 0, U(12), U(3));
    Curve(c.s, U(6), -U(22), U(2), U(18), -U(10), U(4), -U(4), U(1), Style(rope, PART_LINE));
    for (int k = -1; k <= 1; ++k)
        Spike(c, U(4), -U(4), U(4), 200 + k * 30, U(1) / 2 + U(1) / 4, Style(rope, PART_FLAT));
    Curve(c.s, -U(13), -U(46), U(1), 0, -U(64), U(13), -U(46), U(1), Style(iron, PART_LINE));
    Polygon(c.s, {-U(15), -U(46), U(15), -U(46), U(11), -U(20), -U(11), -U(20)}, Style(c.body));
    for (int k = -2; k <= 2; ++k)
        Capsule(c.s, k * U(6), -U(44), U(1) / 2, k * U(4) + k * U(1) / 2, -U(21), U(1) / 2,
                Style(c.body, PART_FLAT, SHADE_SHADOW));
    Capsule(c.s, -U(14), -U(40), U(1) + U(1) / 2, U(14), -U(40), U(1) + U(1) / 2, Style(iron, PART_LINE));
    Capsule(c.s, -U(12), -U(25), U(1) + U(1) / 2, U(12), -U(25), U(1) + U(1) / 2, Style(iron, PART_LINE));
    Ellipse(c.s, 0, -U(46), U(15), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, -U(46), U(12), U(3), Style(c.accent, PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(5), -U(47), U(4), U(3), Style(glow, PART_FLAT | PART_LINE, SHADE_LIGHT));
        Ellipse(c.s, side * U(5) - U(1), -U(47), U(2), U(2), Style(c.eye, PART_FLAT));
        Ellipse(c.s, side * U(5) - U(2), -U(48), U(1) / 2 + U(1) / 4, U(1) / 2 + U(1) / 4,
                Style(c.white, PART_FLAT));
    }
    Ellipse(c.s, -U(7), -U(14), U(1) + U(1) / 2, U(2), Style(c.accent, PART_LINE));
}

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

/* The hunched keeper of the marsh: a heap of reeds over peat, a hood bowed forward with two pale
   eyes under it, a crook in its hand with a green lantern hanging from the hook, fog at its hem. */
void DrawMarshKeeper(Ctx &c)
{
    const int reed = Material(c, {176, 160, 96}), peat = Material(c, {86, 66, 50});
    const int wood = Material(c, {104, 80, 58}), fog = Material(c, {196, 208, 200});
    const int cattail = Material(c, {120, 80, 50});
    GroundShadow(c.s, 0, 0, U(28), U(3));
    /* Reed tips and cattails stand up from the hump of its back. */
    for (int k = 0; k < 4; ++k) {
        const int x = U(6) + k * U(5), top = -U(58) + (k % 2) * U(6);
        Capsule(c.s, x, -U(40), U(1), x + U(2) + k * U(1), top, U(1) / 2 + U(1) / 4, Style(reed, PART_LINE));
        if (k % 2 == 0)
            Capsule(c.s, x + U(2) + k * U(1), top + U(3), U(2), x + U(2) + k * U(1), top + U(8), U(2),
                    Style(cattail, PART_LINE));
    }
    Ellipse(c.s, U(5), -U(22), U(19), U(20), Style(c.body));
    Ellipse(c.s, U(10), -U(36), U(13), U(10), Style(c.body, PART_LINE));
    Ellipse(c.s, U(6), -U(10), U(17), U(8), Style(peat, PART_LINE | PART_NO_HIGHLIGHT));
    /* Thatch: rows of reed strands hanging down over the body. */
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 5; ++k) {
            const int x = -U(8) + k * U(7) + (row % 2) * U(3), y = -U(40) + row * U(10);
            Spike(c, x, y, U(8), 180 + (k - 2) * 8, U(2), Style(reed, PART_LINE | PART_NO_HIGHLIGHT));
        }
    /* The crook: a staff held out in front, its hook curled over, the lantern hanging from it. */
    Capsule(c.s, -U(22), -U(2), U(1) + U(1) / 2, -U(20), -U(56), U(1) + U(1) / 2, Style(wood, PART_LINE));
    Curve(c.s, -U(20), -U(56), U(1) + U(1) / 2, -U(20), -U(68), -U(30), -U(62), U(1) + U(1) / 4,
          Style(wood, PART_LINE));
    Capsule(c.s, -U(30), -U(62), U(1) / 2, -U(30), -U(54), U(1) / 2, Style(c.dark, PART_FLAT));
    Ellipse(c.s, -U(30), -U(46), U(7), U(7), Style(c.accent, PART_FLAT, SHADE_SHADOW));
    Polygon(c.s, {-U(34), -U(53), -U(26), -U(53), -U(25), -U(41), -U(35), -U(41)}, Style(c.dark, PART_LINE));
    Ellipse(c.s, -U(30), -U(47), U(3), U(4), Style(c.accent, PART_FLAT, SHADE_LIGHT));
    Capsule(c.s, -U(34), -U(54), U(1), -U(26), -U(54), U(1), Style(c.dark, PART_FLAT));
    Capsule(c.s, -U(35), -U(40), U(1), -U(25), -U(40), U(1), Style(c.dark, PART_FLAT));
    /* Its arm reaches from under the thatch to the staff. */
    Capsule(c.s, -U(4), -U(30), U(4), -U(19), -U(32), U(3), Style(reed, PART_LINE));
    Ellipse(c.s, -U(20), -U(32), U(3), U(3), Style(peat, PART_LINE));
    /* The hood, bowed forward, and the eyes under it. */
    Ellipse(c.s, -U(6), -U(42), U(10), U(9), Style(reed, PART_LINE));
    Spike(c, -U(2), -U(49), U(8), 40, U(4), Style(reed, PART_LINE));
    Ellipse(c.s, -U(9), -U(40), U(7), U(5), Style(peat, PART_FLAT, SHADE_SHADOW));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, -U(9) + side * U(3), -U(40), U(2), U(1) + U(1) / 2,
                Style(c.accent, PART_FLAT, SHADE_LIGHT));
        Ellipse(c.s, -U(10) + side * U(3), -U(41), U(1), U(1) / 2, Style(c.white, PART_FLAT));
    }
    /* Fog gathers round the hem and hides its feet. */
    static const int PUFFS[][3] = {
        {-U(22), -U(4), U(7)}, /* by the staff */
        {-U(10), -U(3), U(8)}, /* front */
        {U(5),   -U(4), U(9)}, /* middle */
        {U(20),  -U(3), U(8)}, /* back */
        {U(30),  -U(4), U(5)}, /* trailing */
    };
    for (const int *p : PUFFS)
        Ellipse(c.s, p[0], p[1], p[2], p[2] * 3 / 4, Style(fog, PART_LINE | PART_NO_HIGHLIGHT));
}

/* Mangroves: a seed pod bobbing upright in rings of ripples with two leaves, a sapling taking a
   step on three thin stilt roots, and the walking tree on many arched roots. */
void DrawMangrove(Ctx &c)
{
    const int water = Material(c, {150, 200, 240});
    const int leaf = Material(c, {90, 180, 80});
    if (c.plan->stage == 1) {
        GroundShadow(c.s, 0, 0, U(16), U(3));
        Ellipse(c.s, 0, -U(4), U(17), U(4), Style(water, PART_FLAT, SHADE_LIGHT));
        Leaf(c, U(4), -U(38), U(16), -40, leaf);
        Leaf(c, U(4), -U(38), U(14), 50, leaf);
        Ellipse(c.s, U(1), -U(20), U(10), U(18), Style(c.body, PART_LINE), 10);
        Ellipse(c.s, U(4), -U(37), U(3), U(3), Style(c.body, PART_LINE));
        /* The water line crosses the bottom of the pod, rings spreading from it. */
        Ellipse(c.s, -U(1), -U(5), U(11), U(3), Style(water, PART_LINE | PART_NO_HIGHLIGHT));
        Capsule(c.s, -U(16), -U(6), U(1) / 2 + U(1) / 4, -U(12), -U(8), U(1) / 2 + U(1) / 4,
                Style(water, PART_FLAT));
        Capsule(c.s, U(12), -U(8), U(1) / 2 + U(1) / 4, U(16), -U(6), U(1) / 2 + U(1) / 4,
                Style(water, PART_FLAT));
        Ellipse(c.s, -U(14), -U(14), U(1) + U(1) / 2, U(2), Style(water, PART_LINE));
        Ellipse(c.s, U(15), -U(16), U(1) + U(1) / 2, U(2), Style(water, PART_LINE));
        CuteEye(c, -U(3), -U(22), U(3));
        CuteEye(c, U(5), -U(21), U(3));
        Smile(c, U(1), -U(15), U(2));
        return;
    }
    if (c.plan->stage == 2) {
        GroundShadow(c.s, 0, 0, U(22), U(3));
        Ellipse(c.s, 0, -U(2), U(22), U(2), Style(water, PART_FLAT, SHADE_LIGHT));
        /* Two roots planted, the third lifted forward mid-step. */
        Curve(c.s, U(1), -U(20), U(2), U(10), -U(20), U(16), 0, U(1) + U(1) / 2, Style(c.body, PART_LINE));
        Curve(c.s, -U(1), -U(20), U(2), -U(4), -U(8), -U(4), 0, U(1) + U(1) / 2, Style(c.body, PART_LINE));
        Curve(c.s, -U(2), -U(22), U(2), -U(16), -U(24), -U(20), -U(10), U(1) + U(1) / 2,
              Style(c.body, PART_LINE));
        Capsule(c.s, 0, -U(20), U(7), -U(3), -U(46), U(5), Style(c.body, PART_LINE));
        static const int TUFTS[][3] = {
            {-U(11), -U(48), -60}, /* left */
            {U(6),   -U(50), 55 }, /* right */
            {-U(4),  -U(54), -10}, /* top */
        };
        for (const int *t : TUFTS) {
            Leaf(c, -U(3), -U(45), U(16), t[2], leaf);
            Ellipse(c.s, t[0], t[1], U(9), U(6), Style(c.accent, PART_LINE));
        }
        CuteEye(c, -U(4), -U(34), U(2) + U(1) / 2);
        CuteEye(c, U(2), -U(34), U(2) + U(1) / 2);
        Smile(c, -U(1), -U(29), U(2));
        return;
    }
    GroundShadow(c.s, 0, 0, U(32), U(3));
    Ellipse(c.s, 0, -U(3), U(32), U(2), Style(water, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, U(13), -U(8), U(3), U(2), Style(water, PART_LINE));
    Spike(c, U(16), -U(8), U(3), 90, U(2), Style(water, PART_LINE));
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; ++k)
            Curve(c.s, side * U(3), -U(30), U(2), side * (U(8) + k * U(9)), -U(36) + k * U(3),
                  side * (U(7) + k * U(10)), 0, U(1) + U(1) / 2, Style(c.body, PART_LINE));
    Capsule(c.s, 0, -U(28), U(8), 0, -U(46), U(6), Style(c.body, PART_LINE));
    static const int CROWN[][3] = {
        {-U(14), -U(52), U(9) }, /* left */
        {U(14),  -U(52), U(9) }, /* right */
        {-U(6),  -U(60), U(10)}, /* top left */
        {U(7),   -U(60), U(9) }, /* top right */
    };
    for (const int *k : CROWN)
        Ellipse(c.s, k[0], k[1], k[2], k[2] * 3 / 4, Style(c.accent, PART_LINE));
    CuteEye(c, -U(3), -U(38), U(2) + U(1) / 2);
    CuteEye(c, U(4), -U(38), U(2) + U(1) / 2);
    Smile(c, 0, -U(32), U(3));
}

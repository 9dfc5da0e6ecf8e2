/* Small beasts close to the ground: gliding frogs, the kiln gecko, the six-legged bog drakes
   and the slugs, each shaped per entry. */
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

/* Six-legged bog drakes, facing left. The hatchling is round with a big head and a collar of
   reed blades; the drake is long and low with a peat-brown back and reeds along its neck; the
   great one is massive and tall, a shaggy mane of bog moss over its shoulders, a club tail. */
static void BogDrake(Ctx &c)
{
    static const Rgb PEAT = {96, 68, 50};
    const int stage = c.plan->stage;
    const int len = stage == 1 ? U(13) : stage == 2 ? U(22) : U(24);
    const int bry = stage == 1 ? U(10) : stage == 2 ? U(9) : U(16);
    const int legH = stage == 1 ? U(4) : stage == 2 ? U(6) : U(9), legR = U(2) + stage * U(1);
    const int bodyY = -legH - bry;
    const int peat = Material(c, PEAT), reed = c.accent;
    const int tailLen = stage == 1 ? U(12) : stage == 2 ? U(18) : U(12);
    GroundShadow(c.s, U(4), 0, len + tailLen / 2 + U(4), U(3));
    Curve(c.s, len - U(4), bodyY, bry * 2 / 3, len + tailLen, bodyY + bry / 2, len + tailLen, bodyY - bry,
          stage == 3 ? U(4) : U(1) + U(1) / 2, Style(c.body, PART_LINE));
    if (stage == 3) {
        /* A heavy club of peat-hard scales at the tail's end. */
        const int cx = len + tailLen, cy = bodyY - bry - U(2);
        for (int k = 0; k < 3; ++k)
            Spike(c, cx, cy, U(9), 20 + k * 50, U(3), Style(c.bone, PART_LINE));
        Ellipse(c.s, cx, cy, U(9), U(8), Style(peat, PART_LINE));
        Ellipse(c.s, cx - U(2), cy - U(2), U(3), U(2), Style(peat, PART_FLAT, SHADE_LIGHT));
    }
    for (int k = -1; k <= 1; ++k)
        Capsule(c.s, k * len * 2 / 3 + U(4), bodyY + bry / 2, legR, k * len * 2 / 3 + U(3) + k * U(4), -U(3),
                legR, Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Ellipse(c.s, 0, bodyY, len, bry, Style(c.body));
    if (stage > 1) {
        Ellipse(c.s, U(2), bodyY - bry / 4, len * 9 / 10, bry * 3 / 4, Style(peat, PART_LINE));
        for (int k = 0; k < 4; ++k)
            Ellipse(c.s, -len / 2 + k * len / 3, bodyY - bry / 2, U(2), U(1) + U(1) / 2,
                    Style(peat, PART_FLAT, SHADE_LIGHT));
    }
    Ellipse(c.s, -U(2), bodyY + bry * 2 / 3, len * 4 / 5, bry / 3, Style(c.belly, PART_NO_HIGHLIGHT));
    for (int k = -1; k <= 1; ++k) {
        const int x = k * len * 2 / 3;
        Capsule(c.s, x, bodyY + bry / 3, legR + U(1), x - U(1) + k * U(5), -U(2), legR,
                Style(c.body, PART_LINE));
        Ellipse(c.s, x - U(3) + k * U(5), -U(1) - U(1) / 2, legR + U(1), U(1) + U(1) / 2,
                Style(c.body, PART_LINE));
    }
    const int hr = stage == 1 ? U(10) : stage == 2 ? U(8) : U(10);
    const int hx = -len - hr / 3, hy = stage == 1 ? bodyY - U(6) : stage == 2 ? bodyY - U(10) : bodyY - U(6);
    if (stage == 2)
        Capsule(c.s, -len + U(4), bodyY, bry * 2 / 3, hx + U(2), hy + U(2), hr / 2, Style(c.body, PART_LINE));
    if (stage < 3) {
        /* Reed blades rise from the neck like a collar (more of them on the grown drake). */
        const int blades = stage == 1 ? 3 : 6;
        for (int k = 0; k < blades; ++k) {
            const int x = hx + hr / 2 + k * (stage == 1 ? U(4) : U(5)), y = hy - hr / 2 + k * U(1);
            Spike(c, x, y, (stage == 1 ? U(10) : U(12)) - (k % 2) * U(3), 20 + k * 8, U(2),
                  Style(reed, PART_LINE));
        }
    }
    Ellipse(c.s, hx, hy, hr, hr * 4 / 5, Style(c.body, PART_LINE));
    if (stage > 1)
        Ellipse(c.s, hx - hr, hy + hr / 4, hr * 3 / 4, hr / 2, Style(c.body, PART_LINE));
    Ellipse(c.s, hx - hr * 3 / 4, hy + hr / 2, hr / 2, hr / 4, Style(c.belly, PART_NO_HIGHLIGHT));
    if (stage == 3) {
        /* Bog moss hangs in a ragged mane from the crown over the shoulders. */
        for (int k = 0; k < 6; ++k) {
            const int x = hx + U(4) + k * U(5), y = hy - hr / 2 + k * U(2);
            Spike(c, x, y + U(4), U(10) - (k % 2) * U(3), 180 - k * 6, U(3), Style(reed, PART_LINE));
            Ellipse(c.s, x, y, U(5), U(4), Style(reed, PART_LINE));
        }
    }
    if (stage == 1) {
        CuteEye(c, hx - U(4), hy - U(1), U(3));
        CuteEye(c, hx + U(3), hy - U(1), U(3));
    } else {
        FierceEye(c, hx - U(1), hy - U(2), U(2) + (stage == 3 ? U(1) / 2 : 0), 15,
                  Material(c, {250, 196, 70}));
        Ellipse(c.s, hx - hr * 3 / 2, hy + U(1), U(1), U(1), Style(c.dark, PART_FLAT));
    }
    Capsule(c.s, hx - hr * (stage > 1 ? 3 : 2) / 2, hy + hr / 2, U(1) / 2, hx - hr / 4, hy + hr / 2, U(1) / 2,
            Style(c.mouth, PART_FLAT));
}

/* Land slugs: the small one trails a shimmering track under two glowing violet eye stalks; the
   large one rears up under a ruffled, ringed mantle with four stalks. */
static void Slug(Ctx &c, bool large)
{
    const int trail = Material(c, {214, 196, 232}), glow = Material(c, {206, 150, 250});
    GroundShadow(c.s, 0, 0, large ? U(28) : U(22), U(3));
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, U(22) + k * U(5), -U(1), U(3) - k * U(1) / 2, U(1),
                Style(trail, PART_FLAT, SHADE_LIGHT));
    std::vector<int> spine;
    if (large) {
        spine = {U(26), -U(3), U(3),   U(12), -U(6),  U(7),   U(0), -U(10),
                 U(9),  -U(8), -U(24), U(8),  -U(10), -U(38), U(7)};
    } else
        spine = {U(18), -U(3), U(3), U(6), -U(6), U(7), -U(6), -U(8), U(8), -U(12), -U(13), U(7)};
    const size_t last = spine.size() - 3;
    const int hx = spine[last], hy = spine[last + 1], hr = spine[last + 2];
    const int stalks = large ? 4 : 2;
    for (int k = 0; k < stalks; ++k) {
        const int angle = large ? -45 + k * 30 : -25 + k * 40;
        const int tx = Toward(hx, hr + U(12), angle), ty = TowardY(hy, hr + U(12), angle);
        Capsule(c.s, hx, hy - hr / 2, U(1), tx, ty, U(1), Style(c.body, PART_LINE));
        Ellipse(c.s, tx, ty, U(2) + U(1) / 2, U(2) + U(1) / 2, Style(glow, PART_LINE));
        Dot(c.s, tx - U(1) / 2, ty, c.eye, SHADE_BASE);
    }
    if (large)
        for (int k = 0; k < 6; ++k) {
            const int x = U(20) - k * U(5), y = -U(10) - k * U(5);
            Ellipse(c.s, x + U(4), y - U(1), U(6), U(5), Style(c.accent, PART_LINE), 20);
            Ellipse(c.s, x + U(4), y - U(1), U(3), U(2), Style(c.body, PART_FLAT, SHADE_LIGHT), 20);
            Dot(c.s, x + U(4), y - U(1), c.dark, SHADE_BASE);
        }
    Tube(c.s, spine, Style(c.body));
    std::vector<int> foot;
    for (size_t i = 0; i + 2 < spine.size(); i += 3)
        foot.insert(foot.end(), {spine[i] + U(1), spine[i + 1] + spine[i + 2] / 2, spine[i + 2] / 3});
    Tube(c.s, foot, Style(c.belly, PART_NO_HIGHLIGHT));
    Smile(c, hx - hr / 2, hy + hr / 3, U(2));
    if (!large)
        CuteEye(c, hx - hr / 3, hy - U(1), U(1) + U(1) / 2);
}

static const int KILN_GECKO_ENTRY = 30;
static const int SLUG_ENTRY = 57;
static const int REARING_SLUG_ENTRY = 58;

void DrawCrawler(Ctx &c)
{
    switch (c.plan->index) {
    case KILN_GECKO_ENTRY:
        KilnGecko(c);
        break;
    case SLUG_ENTRY:
        Slug(c, false);
        break;
    case REARING_SLUG_ENTRY:
        Slug(c, true);
        break;
    default:
        BogDrake(c);
        break;
    }
}

/* Pictures of the plan rows whose body is BODY_SANDRAY, the sand rays: a round pup half sunk in sand and a
   broad ray draped over a dune. */
#include "creature_drawers.h"

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

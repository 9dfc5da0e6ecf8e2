/* Pictures of the plan rows whose body is BODY_BIRD, birds: the herons from chick to flight, the tailor birds
   and the folded-paper crane. */
#include "creature_drawers.h"

static const int HERON_CHICK_ENTRY = 78;
static const int YOUNG_HERON_ENTRY = 79;
static const int HERON_ENTRY = 80;
static const int TAILOR_MALE_ENTRY = 90;
static const int TAILOR_BIRD_ENTRY = 91;
static const int PAPER_CRANE_ENTRY = 103;
static const Rgb LEAF_GREEN = {104, 168, 72};
static const Rgb TWIG_BROWN = {120, 88, 62};

/* The heron chick stands in its reed nest: a downy body, a thin neck already long, a crest of
   spiky down and a little dagger of a beak. */
static void HeronChick(Ctx &c)
{
    const int reed = Material(c, {188, 158, 96});
    const int beak = Material(c, c.plan->accentColour);
    GroundShadow(c.s, 0, 0, U(22), U(3));
    const int hx = -U(6), hy = -U(40);
    Ellipse(c.s, U(2), -U(20), U(12), U(11), Style(c.body));
    Ellipse(c.s, -U(2), -U(17), U(7), U(7), Style(c.belly, PART_NO_HIGHLIGHT));
    Ellipse(c.s, U(11), -U(20), U(4), U(7), Style(c.body, PART_LINE), 20);
    Capsule(c.s, -U(2), -U(26), U(5), hx + U(1), hy + U(4), U(3), Style(c.body, PART_LINE));
    for (int k = -2; k <= 2; ++k)
        Spike(c, hx + U(1) + k * U(3), hy - U(5), U(8) - (k < 0 ? -k : k) * U(1), 10 + k * 24, U(2),
              Style(c.body, PART_LINE));
    Ellipse(c.s, hx, hy, U(8), U(7), Style(c.body, PART_LINE));
    Polygon(c.s, {hx - U(6), hy - U(1), hx - U(24), hy + U(3), hx - U(6), hy + U(4)}, Style(beak, PART_LINE));
    BrightEye(c, hx - U(2), hy - U(1), U(3));
    /* The nest in front of the lower body. */
    Ellipse(c.s, 0, -U(7), U(21), U(8), Style(reed, PART_LINE));
    for (int k = 0; k < 6; ++k)
        Capsule(c.s, -U(18) + k * U(7), -U(10) + (k % 2) * U(4), U(1) / 2, -U(12) + k * U(7),
                -U(4) - (k % 2) * U(3), U(1) / 2, Style(reed, PART_FLAT, SHADE_SHADOW));
    Capsule(c.s, -U(20), -U(12), U(1), U(20), -U(13), U(1), Style(reed, PART_LINE));
}

/* The young heron wades: long legs in the shallows, an S-necked body, a short crest. */
static void YoungHeron(Ctx &c)
{
    const int water = Material(c, {110, 164, 222}), ripple = Material(c, {176, 210, 240});
    const int beak = Material(c, c.plan->accentColour), legMat = Material(c, {222, 156, 72});
    const int farLeg = Material(c, {190, 124, 56}), iris = Material(c, {250, 220, 90});
    GroundShadow(c.s, 0, 0, U(20), U(2));
    Ellipse(c.s, U(1), -U(3), U(20), U(4), Style(water, PART_LINE | PART_NO_HIGHLIGHT));
    const int by = -U(26);
    for (int side = 0; side < 2; ++side) {
        const int lx = -U(1) + side * U(6);
        Tube(c.s,
             {lx, by + U(6), U(1) + U(1) / 2, lx + U(2) - side * U(3), -U(14), U(1), lx - side * U(2), -U(4),
              U(1)},
             Style(side ? farLeg : legMat, PART_LINE));
    }
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(14) + k * U(18), -U(4) + k * U(1), U(1) / 2, -U(6) + k * U(18), -U(4) + k * U(1),
                U(1) / 2, Style(ripple, PART_FLAT));
    Polygon(c.s, {U(10), by - U(5), U(24), by + U(2), U(20), by + U(6), U(8), by + U(4)},
            Style(c.body, PART_LINE));
    Ellipse(c.s, U(3), by, U(15), U(10), Style(c.body), -12);
    Ellipse(c.s, U(7), by - U(1), U(11), U(7), Style(c.body, PART_LINE), -18);
    const int hx = -U(6), hy = by - U(20);
    Curve(c.s, -U(6), by - U(2), U(4), U(4), by - U(12), hx + U(1), hy + U(3), U(3),
          Style(c.body, PART_LINE));
    Ellipse(c.s, -U(7), by - U(4), U(4), U(5), Style(c.belly, PART_NO_HIGHLIGHT));
    /* Still a youngster: tufts of down left on its crown and a big head with a short beak. */
    for (int k = 0; k < 3; ++k)
        Spike(c, hx - U(3) + k * U(3), hy - U(6), U(5) - (k % 2) * U(1), -30 + k * 30, U(2),
              Style(c.belly, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, hx, hy, U(8), U(7), Style(c.body, PART_LINE));
    Polygon(c.s, {hx - U(6), hy - U(1), hx - U(17), hy + U(3), hx - U(6), hy + U(4)}, Style(beak, PART_LINE));
    RingEye(c, hx - U(2), hy - U(1), U(3), iris);
}

/* The grown heron in flight: neck drawn back into an S, dagger beak forward, legs trailing,
   one broad wing raised over its back and the other swept down. */
static void Heron(Ctx &c)
{
    const int beak = Material(c, c.plan->accentColour), legMat = Material(c, {222, 156, 72});
    const int quill = Material(c, Darker(c.plan->bodyColour, 34));
    const int iris = Material(c, {250, 220, 90});
    GroundShadow(c.s, U(4), 0, U(22), U(3));
    const int by = -U(28);
    Polygon(c.s, {U(2), by + U(2), -U(8), by + U(22), U(6), by + U(20), U(16), by + U(3)},
            Style(quill, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Spike(c, -U(6) + k * U(4), by + U(20), U(5), 200 - k * 10, U(2), Style(quill, PART_LINE));
    for (int side = 0; side < 2; ++side) {
        Capsule(c.s, U(14), by + U(2) + side * U(2), U(1) + U(1) / 2, U(38), by + U(5) + side * U(3), U(1),
                Style(legMat, PART_LINE));
        Spike(c, U(38), by + U(5) + side * U(3), U(4), 100, U(1) + U(1) / 2, Style(legMat, PART_LINE));
    }
    Polygon(c.s, {U(16), by - U(3), U(28), by - U(2), U(26), by + U(3), U(16), by + U(4)},
            Style(c.body, PART_LINE));
    Ellipse(c.s, U(6), by, U(16), U(8), Style(c.body), 4);
    Ellipse(c.s, -U(8), by + U(3), U(7), U(6), Style(c.belly, PART_LINE | PART_NO_HIGHLIGHT));
    const int hx = -U(16), hy = by - U(6);
    Curve(c.s, hx + U(8), hy - U(3), U(1), hx + U(18), hy - U(6), hx + U(24), hy - U(1), U(1),
          Style(c.dark, PART_LINE));
    Ellipse(c.s, hx, hy, U(7), U(6), Style(c.body, PART_LINE));
    Capsule(c.s, hx - U(3), hy - U(4), U(1), hx + U(6), hy - U(4), U(1), Style(c.dark, PART_FLAT));
    Polygon(c.s, {hx - U(5), hy - U(1), hx - U(24), hy + U(3), hx - U(5), hy + U(4)}, Style(beak, PART_LINE));
    RingEye(c, hx - U(1), hy - U(1), U(2) + U(1) / 2, iris);
    /* The near wing raised: arm, then a long hand with fingered primaries. */
    Polygon(c.s, {-U(2), by - U(3), U(2), by - U(22), U(20), by - U(26), U(18), by - U(2)},
            Style(c.body, PART_LINE));
    Polygon(c.s, {U(2), by - U(22), -U(10), by - U(40), U(10), by - U(46), U(20), by - U(26)},
            Style(c.body, PART_LINE));
    for (int k = 0; k < 4; ++k)
        Spike(c, -U(8) + k * U(5), by - U(40) - k * U(2), U(7), -30 + k * 5, U(2), Style(quill, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Capsule(c.s, U(4) + k * U(5), by - U(6), U(1) / 2, U(2) + k * U(5), by - U(22) - k * U(2), U(1) / 2,
                Style(quill, PART_FLAT));
}

/* The grown male tailor bird, who never sews: small and slim, perched on a twig with his long tail
   cocked straight up, needle beak a little open in song, a loop of spider silk with a tuft of plant
   down hanging from it for the female. */
static void TailorMale(Ctx &c)
{
    const int leaf = Material(c, LEAF_GREEN), twig = Material(c, TWIG_BROWN);
    const int breast = Material(c, {236, 226, 190}), legMat = Material(c, {206, 156, 104});
    const int cap = c.accent, beak = Material(c, {70, 66, 60}), silk = Material(c, {222, 224, 232});
    Capsule(c.s, -U(16), -U(12), U(2), U(22), -U(15), U(1) + U(1) / 2, Style(twig, PART_LINE));
    Leaf(c, U(18), -U(15), U(10), 130, leaf);
    Leaf(c, -U(14), -U(12), U(9), -135, leaf);
    for (int side = 0; side < 2; ++side) {
        const int lx = U(1) + side * U(5);
        Capsule(c.s, lx, -U(22), U(1) + U(1) / 2, lx - U(1), -U(15), U(1), Style(legMat, PART_FLAT));
        Capsule(c.s, lx - U(3), -U(14), U(1), lx + U(2), -U(14), U(1), Style(legMat, PART_FLAT));
    }
    /* The tail cocked straight up from the rump. */
    Capsule(c.s, U(10), -U(28), U(3) + U(1) / 2, U(13), -U(56), U(2) + U(1) / 2, Style(c.body, PART_LINE));
    Capsule(c.s, U(11), -U(34), U(1) / 2, U(13), -U(54), U(1) / 2, Style(c.body, PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, U(2), -U(27), U(11), U(8), Style(c.body), -25);
    Ellipse(c.s, -U(2), -U(24), U(7), U(5), Style(breast, PART_NO_HIGHLIGHT), -25);
    Ellipse(c.s, U(6), -U(29), U(7), U(4), Style(c.body, PART_LINE), -10);
    const int hx = -U(8), hy = -U(36);
    Ellipse(c.s, hx, hy, U(7), U(6), Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(2), hy + U(3), U(4), U(3), Style(breast, PART_NO_HIGHLIGHT));
    Ellipse(c.s, hx + U(1), hy - U(4), U(5), U(3), Style(cap, PART_LINE | PART_NO_HIGHLIGHT));
    /* The needle beak a little open in song. */
    Polygon(c.s, {hx - U(5), hy - U(2), hx - U(20), hy - U(3), hx - U(5), hy}, Style(beak, PART_LINE));
    Polygon(c.s, {hx - U(5), hy + U(1), hx - U(17), hy + U(3), hx - U(5), hy + U(2)}, Style(beak, PART_LINE));
    /* The silk loop hangs from the beak, a tuft of down caught at its foot. */
    Curve(c.s, hx - U(15), hy - U(1), Px(c, 1) / 2, hx - U(20), hy + U(8), hx - U(15), hy + U(12),
          Px(c, 1) / 2, Style(silk, PART_FLAT, SHADE_SHADOW));
    Curve(c.s, hx - U(12), hy + U(2), Px(c, 1) / 2, hx - U(10), hy + U(8), hx - U(15), hy + U(12),
          Px(c, 1) / 2, Style(silk, PART_FLAT, SHADE_SHADOW));
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, hx - U(17) + k * U(2), hy + U(14) + (k % 2) * U(2), U(2) + U(1) / 2, U(2),
                Style(silk, PART_LINE | PART_NO_HIGHLIGHT));
    BrightEye(c, hx, hy - U(1), U(2));
}

/* The tailor bird: a small olive songbird, tail cocked upright, its needle beak drawing a
   grass thread to the stitched leaf pouch it hangs from a twig. */
static void TailorBird(Ctx &c)
{
    const int leaf = Material(c, LEAF_GREEN), twig = Material(c, TWIG_BROWN);
    const int thread = Material(c, {236, 226, 190}), legMat = Material(c, {206, 156, 104});
    const int cap = Material(c, {196, 120, 70}), beak = Material(c, {70, 66, 60});
    GroundShadow(c.s, U(4), 0, U(24), U(3));
    Capsule(c.s, U(4), -U(56), U(2), U(36), -U(58), U(1) + U(1) / 2, Style(twig, PART_LINE));
    Capsule(c.s, U(24), -U(57), U(1), U(24), -U(46), U(1), Style(leaf, PART_LINE));
    Ellipse(c.s, U(20), -U(31), U(8), U(17), Style(leaf, PART_LINE), 10);
    Ellipse(c.s, U(28), -U(33), U(8), U(16), Style(leaf, PART_LINE), -10);
    for (int k = 0; k < 5; ++k) {
        const int sy = -U(44) + k * U(6);
        Capsule(c.s, U(21), sy, U(1) * 3 / 4, U(27), sy + U(3), U(1) * 3 / 4, Style(thread, PART_FLAT));
        Capsule(c.s, U(27), sy, U(1) * 3 / 4, U(21), sy + U(3), U(1) * 3 / 4, Style(thread, PART_FLAT));
    }
    for (int side = 0; side < 2; ++side) {
        const int lx = -U(2) + side * U(5);
        Capsule(c.s, lx, -U(12), U(1) + U(1) / 2, lx - U(1), -U(2), U(1), Style(legMat, PART_FLAT));
        Capsule(c.s, lx - U(1), -U(1), U(1), lx - U(5), 0, U(1), Style(legMat, PART_FLAT));
    }
    /* The cocked tail stands straight up behind. */
    Ellipse(c.s, U(9), -U(32), U(4), U(13), Style(c.body, PART_LINE), 15);
    Ellipse(c.s, 0, -U(18), U(11), U(9), Style(c.body), -15);
    Ellipse(c.s, -U(3), -U(15), U(7), U(5), Style(c.belly, PART_NO_HIGHLIGHT), -15);
    Ellipse(c.s, U(3), -U(20), U(7), U(5), Style(c.body, PART_LINE), 25);
    const int hx = -U(7), hy = -U(29);
    Ellipse(c.s, hx, hy, U(7), U(6), Style(c.body, PART_LINE));
    Ellipse(c.s, hx + U(1), hy - U(4), U(5), U(3), Style(cap, PART_LINE | PART_NO_HIGHLIGHT));
    Polygon(c.s, {hx - U(5), hy - U(1), hx - U(19), hy + U(1), hx - U(5), hy + U(2)}, Style(beak, PART_LINE));
    Curve(c.s, hx - U(18), hy + U(1), U(1) * 3 / 4, hx - U(10), hy + U(16), U(17), -U(40), U(1) * 3 / 4,
          Style(thread, PART_FLAT));
    BrightEye(c, hx, hy - U(1), U(2));
}

/* A crane folded from one pressed green leaf: flat facets only, veins running over the wing
   folds, a red-tipped head fold. */
static void PaperCrane(Ctx &c)
{
    const int vein = Material(c, Darker(c.plan->bodyColour, 32));
    const int fold = Material(c, Darker(c.plan->bodyColour, 14));
    GroundShadow(c.s, 0, 0, U(22), U(3));
    const int by = -U(14);
    Polygon(c.s, {-U(4), by, U(14), by - U(30), U(26), by - U(28), U(10), by}, Style(c.body, PART_LINE));
    Polygon(c.s, {-U(4), by, -U(24), by - U(22), -U(14), by - U(28), U(2), by - U(2)},
            Style(fold, PART_LINE));
    Polygon(c.s, {-U(18), by + U(9), U(16), by + U(9), U(7), by - U(5), -U(7), by - U(5)},
            Style(c.body, PART_LINE));
    Polygon(c.s, {U(10), by + U(4), U(30), by - U(12), U(16), by + U(7)}, Style(fold, PART_LINE));
    Polygon(c.s, {-U(12), by + U(4), -U(26), by - U(26), -U(16), by + U(7)}, Style(fold, PART_LINE));
    Polygon(c.s, {-U(26), by - U(26), -U(33), by - U(21), -U(23), by - U(21)}, Style(c.accent, PART_LINE));
    Ellipse(c.s, -U(24), by - U(23), Px(c, 1), Px(c, 1), Style(c.eye, PART_FLAT));
    Capsule(c.s, 0, by + U(9), U(1) / 2, 0, by - U(5), U(1) / 2, Style(vein, PART_FLAT));
    /* Pressed-leaf veins: a midrib along each wing with side veins. */
    Capsule(c.s, U(2), by - U(2), U(1) / 2, U(17), by - U(24), U(1) / 2, Style(vein, PART_FLAT));
    Capsule(c.s, -U(2), by - U(4), U(1) / 2, -U(16), by - U(21), U(1) / 2, Style(vein, PART_FLAT));
    for (int k = 1; k <= 3; ++k) {
        const int x = U(2) + k * U(4), y = by - U(2) - k * U(6);
        Capsule(c.s, x, y, U(1) / 2, x + U(5), y + U(3), U(1) / 3, Style(vein, PART_FLAT));
        Capsule(c.s, x, y, U(1) / 2, x - U(1), y + U(5), U(1) / 3, Style(vein, PART_FLAT));
        const int lx = -U(2) - k * U(4), ly = by - U(4) - k * U(5);
        Capsule(c.s, lx, ly, U(1) / 2, lx + U(3), ly + U(4), U(1) / 3, Style(vein, PART_FLAT));
    }
}

void DrawBird(Ctx &c)
{
    switch (c.plan->index) {
    case HERON_CHICK_ENTRY:
        HeronChick(c);
        break;
    case YOUNG_HERON_ENTRY:
        YoungHeron(c);
        break;
    case HERON_ENTRY:
        Heron(c);
        break;
    case TAILOR_MALE_ENTRY:
        TailorMale(c);
        break;
    case TAILOR_BIRD_ENTRY:
        TailorBird(c);
        break;
    case PAPER_CRANE_ENTRY:
    default:
        PaperCrane(c);
        break;
    }
}

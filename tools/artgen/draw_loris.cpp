/* Pictures of the plan rows whose body is BODY_LORIS, the slow lorises: the baby clinging round a twig and
   the adult creeping along a branch. */
#include "creature_drawers.h"

static const int LORIS_BABY_ENTRY = 57;
static const Rgb IRIS_AMBER = {236, 150, 40};
static const Rgb TWIG_BROWN = {118, 86, 60};
static const Rgb LEAF_GREEN = {104, 168, 72};
static const Rgb MASK_BROWN = {96, 64, 50};
static const Rgb TONGUE_PINK = {236, 120, 140};

/* A loris face: a pale round head, dark mask patches round huge eyes, a pale stripe down the nose.
   The adult's eyes have wide amber rings that stare. */
static void LorisFace(Ctx &c, int hx, int hy, int hr, int eyeR, int iris)
{
    const int mask = Material(c, MASK_BROWN);
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, hx + side * hr * 2 / 3, hy - hr * 7 / 10, hr / 4 + U(1), hr / 4 + U(1),
                Style(c.body, PART_LINE));
        Ellipse(c.s, hx + side * hr * 2 / 3, hy - hr * 7 / 10, hr / 8 + U(1) / 2, hr / 8 + U(1) / 2,
                Style(mask, PART_FLAT, SHADE_LIGHT));
    }
    Ellipse(c.s, hx, hy, hr, hr * 9 / 10, Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, hx + side * hr * 2 / 5, hy - U(1), eyeR + eyeR / 2, eyeR * 3 / 2 + U(2),
                Style(mask, PART_FLAT), side * 12);
    Capsule(c.s, hx, hy - hr * 3 / 4, U(1), hx, hy + hr / 3, U(1) + U(1) / 2,
            Style(c.belly, PART_FLAT, SHADE_LIGHT));
    for (int side = -1; side <= 1; side += 2)
        RoundEye(c, hx + side * hr * 2 / 5, hy - U(1), eyeR, iris);
    Ellipse(c.s, hx, hy + hr / 2, U(2), U(1) + U(1) / 2, Style(mask, PART_FLAT));
}

/* The baby clings round a slanting twig with all fours, its head turned to stare at us. */
static void LorisBaby(Ctx &c)
{
    const int twig = Material(c, TWIG_BROWN), leaf = Material(c, LEAF_GREEN);
    Capsule(c.s, -U(16), U(2), U(3), U(20), -U(60), U(2), Style(twig, PART_LINE));
    Leaf(c, U(17), -U(54), U(12), 50, leaf);
    Leaf(c, U(3), -U(29), U(10), 70, leaf);
    Ellipse(c.s, U(1), -U(18), U(11), U(12), Style(c.body), -25);
    Ellipse(c.s, -U(2), -U(16), U(6), U(8), Style(c.belly, PART_NO_HIGHLIGHT), -25);
    /* Short legs curled round the twig below, little arms hugging it above. */
    Capsule(c.s, U(8), -U(10), U(4), -U(5), -U(7), U(3), Style(c.body, PART_LINE));
    Ellipse(c.s, -U(6), -U(7), U(3) + U(1) / 2, U(3), Style(c.belly, PART_LINE));
    Capsule(c.s, -U(6), -U(18), U(4), U(4), -U(22), U(3), Style(c.body, PART_LINE));
    Ellipse(c.s, U(5), -U(22), U(3) + U(1) / 2, U(3), Style(c.belly, PART_LINE));
    LorisFace(c, -U(6), -U(37), U(13), U(5), 0);
}

/* The adult creeps along a branch on long slow limbs, a dark stripe down its back; one arm is
   bent up to its mouth, licking the violet venom gland at the elbow. */
static void LorisAdult(Ctx &c)
{
    const int twig = Material(c, TWIG_BROWN), gland = c.accent;
    const int stripe = Material(c, MASK_BROWN), tongue = Material(c, TONGUE_PINK);
    const int iris = Material(c, IRIS_AMBER);
    const int far = Material(c, Darker(c.plan->bodyColour, 18));
    /* Hind and front far limbs grip the branch behind the near ones. */
    Capsule(c.s, U(20), -U(18), U(4), U(24), -U(9), U(3), Style(far, PART_LINE));
    Capsule(c.s, -U(6), -U(18), U(3) + U(1) / 2, -U(2), -U(9), U(3), Style(far, PART_LINE));
    Capsule(c.s, -U(38), -U(4), U(4) + U(1) / 2, U(38), -U(8), U(5), Style(twig, PART_LINE));
    Curve(c.s, -U(34), -U(6), U(1), U(0), -U(8), U(34), -U(9), U(1), Style(twig, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, U(7), -U(23), U(21), U(12), Style(c.body), -4);
    Curve(c.s, -U(8), -U(33), U(1) + U(1) / 2, U(8), -U(37), U(27), -U(28), U(1) + U(1) / 4,
          Style(stripe, PART_FLAT));
    /* Near hind leg: long, the foot wrapped round the branch. */
    Tube(c.s, {U(18), -U(20), U(6), U(20), -U(14), U(4), U(16), -U(9), U(3) + U(1) / 2},
         Style(c.body, PART_LINE));
    Ellipse(c.s, U(15), -U(8), U(4), U(3), Style(c.belly, PART_LINE));
    /* Near front leg reaching forward to grip. */
    Tube(c.s, {-U(6), -U(20), U(5), -U(12), -U(14), U(3) + U(1) / 2, -U(14), -U(9), U(3)},
         Style(c.body, PART_LINE));
    Ellipse(c.s, -U(15), -U(8), U(4), U(3), Style(c.belly, PART_LINE));
    const int hx = -U(20), hy = -U(38), hr = U(14);
    /* The raised arm: upper arm to an elbow held at the mouth, forearm and hand up beside the face. */
    Capsule(c.s, -U(10), -U(26), U(4), -U(34), -U(25), U(3) + U(1) / 2, Style(c.body, PART_LINE));
    LorisFace(c, hx, hy, hr, U(5) + U(1) / 2, iris);
    Capsule(c.s, -U(34), -U(25), U(3) + U(1) / 2, -U(40), -U(46), U(3), Style(c.body, PART_LINE));
    Ellipse(c.s, -U(40), -U(48), U(3) + U(1) / 2, U(3), Style(c.belly, PART_LINE));
    Ellipse(c.s, -U(34), -U(25), U(3) + U(1) / 2, U(3) + U(1) / 2, Style(gland, PART_LINE));
    Ellipse(c.s, -U(35), -U(26), Px(c, 1), Px(c, 1), Style(gland, PART_FLAT, SHADE_HIGHLIGHT));
    Capsule(c.s, hx - U(5), hy + U(10), U(1) + U(1) / 2, -U(30), -U(26), U(1) + U(1) / 2,
            Style(tongue, PART_FLAT));
}

void DrawLoris(Ctx &c)
{
    if (c.plan->index == LORIS_BABY_ENTRY)
        LorisBaby(c);
    else
        LorisAdult(c);
}

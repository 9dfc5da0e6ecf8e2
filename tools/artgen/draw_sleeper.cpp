/* Pictures of the plan rows whose body is BODY_SLEEPER, the ancient dragon asleep at the foot of its mountain
   peak. */
#include "creature_drawers.h"

/* The head is drawn a quarter larger than the body's scale so that the sleeping face reads. */
static int H(int pixels)
{
    return U(pixels) * 5 / 4;
}

/* An ancient dragon asleep curled round a mountain peak: its great horned head rests on its crossed
   claws in front, a wing folded over its back, ridges down its spine, its tail wrapped round the
   rock; a curl of smoke rises from a nostril. */
void DrawSleeper(Ctx &c)
{
    const int rock = Material(c, {140, 132, 128}), snow = Material(c, {214, 226, 240});
    const int wing = Material(c, Darker(c.plan->bodyColour, 25)), horn = c.bone;
    const int smoke = Material(c, {190, 196, 214});
    GroundShadow(c.s, 0, 0, U(36), U(3));
    /* The peak rises behind it. */
    Polygon(c.s, {-U(4), -U(20), U(28), -U(20), U(14), -U(74)}, Style(rock, PART_LINE));
    Polygon(c.s, {U(7), -U(56), U(21), -U(56), U(14), -U(74)}, Style(snow, PART_LINE));
    /* Its tail wraps round the foot of the peak. */
    Tube(c.s, {U(14), -U(10), U(7), U(28), -U(14), U(6), U(29), -U(28), U(4), U(22), -U(36), U(2)},
         Style(c.body, PART_LINE));
    /* The coiled body lying low. */
    Ellipse(c.s, U(6), -U(14), U(20), U(13), Style(c.body, PART_LINE));
    Ellipse(c.s, U(2), -U(6), U(16), U(5), Style(c.belly, PART_NO_HIGHLIGHT));
    /* The folded wing: a membrane over the back, its finger bones showing. */
    Polygon(c.s, {U(2), -U(24), U(12), -U(46), U(28), -U(30), U(22), -U(18)}, Style(wing, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Capsule(c.s, U(12), -U(46), U(1), U(7) + k * U(8), -U(22) + k * U(1), U(1) / 2,
                Style(c.body, PART_FLAT, SHADE_SHADOW));
    Capsule(c.s, U(2), -U(24), U(2), U(12), -U(46), U(1) + U(1) / 2, Style(c.body, PART_LINE));
    /* Ridges along the spine, in front of the wing. */
    for (int k = 0; k < 3; ++k)
        Spike(c, -U(6) + k * U(6), -U(24) + k * U(1), U(6), 20 + k * 12, U(2), Style(c.accent, PART_LINE));
    /* The neck comes down to the head resting on the forefeet in front. */
    Capsule(c.s, -U(2), -U(18), U(10), -U(18), -U(18), U(9), Style(c.body, PART_LINE));
    const int hx = -U(20), hy = -U(18);
    /* Horns swept back over the neck, the far one in shade. */
    Curve(c.s, hx + H(2), hy - H(9), H(2) + H(1) / 2, hx + H(6), hy - H(18), hx + H(14), hy - H(20), H(1),
          Style(horn, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Curve(c.s, hx + H(6), hy - H(6), H(2) + H(1) / 2, hx + H(14), hy - H(14), hx + H(20), hy - H(12), H(1),
          Style(horn, PART_LINE));
    Ellipse(c.s, hx, hy, H(12), H(10), Style(c.body, PART_LINE));
    /* A long snout laid on the claws. */
    Polygon(c.s, {hx - H(6), hy - H(6), hx - H(26), hy - H(1), hx - H(27), hy + H(6), hx - H(4), hy + H(9)},
            Style(c.body, PART_LINE));
    Ellipse(c.s, hx - H(23), hy, H(2), H(1) + H(1) / 2, Style(c.dark, PART_FLAT));
    Capsule(c.s, hx - H(25), hy + H(6), Px(c, 1) / 2, hx - H(6), hy + H(6), Px(c, 1) / 2,
            Style(c.mouth, PART_FLAT));
    Spike(c, hx - H(18), hy + H(6), H(3), 180, H(1), Style(horn, PART_LINE | PART_NO_HIGHLIGHT));
    /* A jaw frill and a heavy brow ridge over the closed eye. */
    Spike(c, hx + H(6), hy + H(4), H(8), 120, H(3), Style(c.accent, PART_LINE));
    Capsule(c.s, hx - H(9), hy - H(7), H(2), hx + H(4), hy - H(8), H(2), Style(c.accent, PART_LINE));
    /* Asleep: the eye a closed curve. */
    Curve(c.s, hx - H(8), hy - H(2), Px(c, 1), hx - H(3), hy + H(3), hx + H(3), hy - H(2), Px(c, 1),
          Style(c.eye, PART_FLAT));
    /* The forefeet crossed under the chin, claws curled. */
    for (int k = 0; k < 2; ++k) {
        const int x = -U(26) + k * U(14);
        Ellipse(c.s, x, -U(3), U(7), U(3), Style(c.body, PART_LINE));
        for (int t = 0; t < 3; ++t)
            Spike(c, x - U(5) + t * U(3), -U(2), U(3), -120, U(1),
                  Style(horn, PART_LINE | PART_NO_HIGHLIGHT));
    }
    /* Smoke curls up from the nostril as it breathes. */
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, hx - H(28) - k * H(2), hy - H(6) - k * H(7), H(3) - k * H(1) / 2, H(2) + H(1) / 2,
                Style(smoke, PART_LINE | PART_NO_HIGHLIGHT));
}

/* Pictures of the plan rows whose body is BODY_SEAL, the elephant seals: the pup on the sand, the young bull
   and the roaring beachmaster. */
#include "creature_drawers.h"

/* Two rear flippers fanned out behind the tail end. */
static void RearFlippers(Ctx &c, int x, int y, int size, int material)
{
    Spike(c, x, y, size, 70, size / 3, Style(material, PART_LINE | PART_NO_HIGHLIGHT));
    Spike(c, x, y + size / 4, size, 110, size / 3, Style(material, PART_LINE | PART_NO_HIGHLIGHT));
}

/* The pup lies round and silver on the sand, all eyes; the young bull rears up with a short
   swelling nose; the beachmaster rears to roar, a long trunk of a nose drooping over his open mouth
   and a scarred pink shield on his chest. */
void DrawSeal(Ctx &c)
{
    const int sand = Material(c, {226, 196, 140});
    const int flipper = Material(c, Darker(c.plan->bodyColour, 22));
    const int stage = c.plan->stage;
    if (stage == 1) {
        GroundShadow(c.s, 0, 0, U(26), U(3));
        Ellipse(c.s, 0, -U(2), U(28), U(3), Style(sand, PART_LINE | PART_NO_HIGHLIGHT));
        RearFlippers(c, U(20), -U(8), U(9), flipper);
        Tube(c.s, {U(20), -U(8), U(5), U(8), -U(12), U(11), -U(6), -U(15), U(13)}, Style(c.body, PART_LINE));
        Ellipse(c.s, -U(2), -U(8), U(12), U(5), Style(c.belly, PART_NO_HIGHLIGHT));
        /* A big round head with a short snout and huge dark eyes. */
        const int hx = -U(14), hy = -U(20);
        Ellipse(c.s, hx, hy, U(12), U(11), Style(c.body, PART_LINE));
        Ellipse(c.s, hx - U(9), hy + U(5), U(5), U(4), Style(c.belly, PART_LINE));
        Ellipse(c.s, hx - U(12), hy + U(3), U(2), U(1) + U(1) / 2, Style(c.dark, PART_FLAT));
        BrightEye(c, hx - U(5), hy - U(3), U(4));
        BrightEye(c, hx + U(5), hy - U(3), U(3) + U(1) / 2);
        Capsule(c.s, hx - U(10), hy + U(7), U(1) / 2, hx - U(7), hy + U(8), U(1) / 2,
                Style(c.mouth, PART_FLAT));
        /* A fore flipper laid on the sand. */
        Ellipse(c.s, -U(4), -U(6), U(6), U(3), Style(flipper, PART_LINE), -15);
        return;
    }
    const bool bull = stage == 3;
    const int grow = bull ? 5 : 4; /* in quarters: the beachmaster is a quarter again as big */
    GroundShadow(c.s, 0, 0, U(30), U(3));
    Ellipse(c.s, 0, -U(2), U(32), U(3), Style(sand, PART_LINE | PART_NO_HIGHLIGHT));
    RearFlippers(c, U(28), -U(8), U(10), flipper);
    /* The body rises from the tail on the sand to a chest held high. */
    Tube(c.s,
         {U(28), -U(8), U(5), U(16), -U(12) * grow / 4, U(11) * grow / 4, U(2), -U(22) * grow / 4,
          U(13) * grow / 4, -U(6), -U(36) * grow / 4, U(11) * grow / 4},
         Style(c.body, PART_LINE));
    const int hx = -U(9), hy = -U(47) * grow / 4;
    if (bull) {
        /* The chest shield: pink, thick, criss-crossed with old scars. */
        const int shield = Material(c, {222, 150, 150}), scar = Material(c, {170, 90, 96});
        Ellipse(c.s, -U(8), -U(30), U(9), U(14), Style(shield, PART_LINE), 10);
        static const int SCARS[][4] = {
            {-U(14), -U(40), -U(6), -U(34)}, /* upper */
            {-U(12), -U(26), -U(2), -U(31)}, /* middle */
            {-U(14), -U(20), -U(6), -U(16)}, /* lower */
        };
        for (const int *s : SCARS)
            Capsule(c.s, s[0], s[1], Px(c, 1), s[2], s[3], Px(c, 1), Style(scar, PART_FLAT));
    } else {
        Ellipse(c.s, -U(6), -U(20), U(8), U(13), Style(c.belly, PART_NO_HIGHLIGHT), 10);
    }
    /* The fore flippers prop the chest up. */
    Capsule(c.s, -U(4), -U(18), U(4), -U(14), -U(4), U(3), Style(flipper, PART_LINE));
    Ellipse(c.s, -U(16), -U(4), U(6), U(3), Style(flipper, PART_LINE));
    /* Head thrown back, mouth open. */
    Ellipse(c.s, hx, hy, U(10), U(9), Style(c.body, PART_LINE));
    if (bull) {
        Polygon(c.s,
                {hx - U(4), hy + U(3), hx - U(16), hy + U(8), hx - U(12), hy + U(17), hx - U(2), hy + U(10)},
                Style(c.mouth, PART_LINE));
        Spike(c, hx - U(12), hy + U(7), U(4), 160, U(1) + U(1) / 2, Style(c.bone, PART_LINE));
        Spike(c, hx - U(10), hy + U(15), U(4), 10, U(1) + U(1) / 2, Style(c.bone, PART_LINE));
        /* The trunk: it swells from the brow and droops down in front of the roaring mouth. */
        Tube(c.s,
             {hx - U(3), hy - U(4), U(5), hx - U(14), hy - U(3), U(5), hx - U(21), hy + U(5), U(4),
              hx - U(21), hy + U(15), U(3) + U(1) / 2},
             Style(c.body, PART_LINE));
        Ellipse(c.s, hx - U(21), hy + U(17), U(3), U(2), Style(c.dark, PART_LINE));
        for (int k = 0; k < 3; ++k)
            Capsule(c.s, hx - U(8) - k * U(5), hy - U(8) + k * U(2), Px(c, 1) / 2, hx - U(7) - k * U(5),
                    hy - U(1) + k * U(3), Px(c, 1) / 2, Style(flipper, PART_FLAT, SHADE_SHADOW));
        BrightEye(c, hx + U(2), hy - U(3), U(2) + U(1) / 2);
        return;
    }
    Polygon(c.s, {hx - U(7), hy + U(3), hx - U(16), hy + U(2), hx - U(12), hy + U(8), hx - U(4), hy + U(7)},
            Style(c.mouth, PART_LINE));
    /* A short nose just beginning to swell over the lip. */
    Ellipse(c.s, hx - U(11), hy - U(1), U(7), U(5), Style(c.body, PART_LINE), -15);
    Ellipse(c.s, hx - U(17), hy + U(1), U(2), U(2), Style(c.dark, PART_FLAT));
    BrightEye(c, hx + U(1), hy - U(2), U(3));
}

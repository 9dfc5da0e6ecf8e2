/* Pictures of the plan rows whose body is BODY_CASSOWARY, the cassowaries: the striped chick, the gangly
   juvenile mid-stride and the tall black adult kicking with its dagger claw. */
#include "creature_drawers.h"

/* Entries drawn here, by their place in the catalogue. */
static const int CASSOWARY_CHICK_ENTRY = 31;

static const int CASSOWARY_YOUNG_ENTRY = 32;
static const Rgb CASSOWARY_BLUE = {64, 146, 222};
static const Rgb WATTLE_RED = {218, 50, 56};
static const Rgb SHIN_GREY = {120, 116, 112};
static const Rgb BEAK_HORN = {96, 88, 84};
static const Rgb IRIS_AMBER = {236, 150, 40};
static const Rgb FERN_GREEN = {96, 160, 70};

/* A three-toed foot on the ground under the ankle, toes spread forward; the adult's inner toe
   carries the long dagger claw. */
static void BirdFoot(Ctx &c, int x, int groundY, int toe, int r, int material, int claw)
{
    const PartStyle style = Style(material, PART_LINE);
    Capsule(c.s, x, groundY - r, r, x - toe, groundY - r / 2, r * 3 / 4, style);
    Capsule(c.s, x, groundY - r, r, x - toe * 3 / 4, groundY - r / 3 - r, r * 3 / 4, style);
    Capsule(c.s, x, groundY - r, r, x + toe / 2, groundY - r / 2, r * 2 / 3, style);
    for (int k = 0; k < 2; ++k)
        Spike(c, x - toe + (k == 0 ? 0 : toe / 4), groundY - r / 2 - k * r, r * 3 / 2, -100, r / 2 + U(1) / 4,
              Style(claw, PART_LINE | PART_NO_HIGHLIGHT));
}

/* The round chick: a ball of striped down on short thick legs with big feet, a big head, a short beak. */
static void CassowaryChick(Ctx &c)
{
    const int down = c.body, stripe = c.accent;
    const int shin = Material(c, SHIN_GREY), beak = Material(c, BEAK_HORN);
    GroundShadow(c.s, U(2), 0, U(18), U(3));
    Capsule(c.s, U(6), -U(12), U(3), U(7), -U(4), U(2) + U(1) / 2,
            Style(shin, PART_FLAT | PART_LINE, SHADE_SHADOW));
    BirdFoot(c, U(8), -U(1), U(8), U(2), shin, c.bone);
    /* A stubby tail of down and the round body. */
    Ellipse(c.s, U(15), -U(20), U(5), U(4), Style(down, PART_LINE), 30);
    Ellipse(c.s, U(3), -U(18), U(14), U(11), Style(down));
    /* Lengthwise cream stripes, the chick's pattern, following the curve of its back. */
    for (int k = 0; k < 3; ++k) {
        const int y = -U(24) + k * U(6);
        const int half = k == 1 ? U(12) : U(10);
        Curve(c.s, U(3) - half, y + U(2), U(1) + U(1) / 4, U(3), y - U(3), U(3) + half, y + U(1),
              U(1) + U(1) / 4, Style(stripe, PART_FLAT, SHADE_LIGHT));
    }
    Capsule(c.s, -U(3), -U(12), U(3) + U(1) / 2, -U(4), -U(4), U(3), Style(shin, PART_LINE));
    BirdFoot(c, -U(3), 0, U(9), U(2) + U(1) / 2, shin, c.bone);
    /* Short neck, big round head. */
    Capsule(c.s, -U(4), -U(22), U(6), -U(9), -U(29), U(5), Style(down, PART_LINE));
    const int hx = -U(10), hy = -U(35);
    Ellipse(c.s, hx, hy, U(10), U(9), Style(down, PART_LINE));
    Curve(c.s, hx - U(6), hy - U(5), U(1) + U(1) / 4, hx + U(1), hy - U(10), hx + U(8), hy - U(4), U(1),
          Style(stripe, PART_FLAT, SHADE_LIGHT));
    Curve(c.s, hx - U(3), hy + U(5), U(1) + U(1) / 4, hx + U(4), hy + U(3), hx + U(9), hy + U(5), U(1),
          Style(stripe, PART_FLAT, SHADE_LIGHT));
    Spike(c, hx - U(8), hy + U(1), U(6), -96, U(2) + U(1) / 2, Style(beak, PART_LINE));
    RoundEye(c, hx - U(3), hy - U(1), U(3) + U(1) / 2, 0);
}

/* The gangly juvenile: plain brown, long thin knobby legs mid-stride, a long bare neck and a
   small bump of casque starting on its crown. */
static void CassowaryYoung(Ctx &c)
{
    const int plumage = c.body, casque = c.accent;
    const int shin = Material(c, SHIN_GREY), beak = Material(c, BEAK_HORN);
    const int neck = Material(c, Mix(c.plan->bodyColour, CASSOWARY_BLUE, 50));
    GroundShadow(c.s, 0, 0, U(22), U(3));
    /* The far leg steps back, the near one forward; knobs at the joints. */
    Tube(c.s, {U(8), -U(28), U(3), U(14), -U(15), U(2), U(13), -U(3), U(2)},
         Style(shin, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Ellipse(c.s, U(14), -U(15), U(2) + U(1) / 2, U(2) + U(1) / 2,
            Style(shin, PART_FLAT | PART_LINE, SHADE_SHADOW));
    BirdFoot(c, U(14), -U(1), U(8), U(2), shin, c.bone);
    /* A drooping tail of loose hair-like feathers. */
    for (int k = 0; k < 3; ++k)
        Spike(c, U(18), -U(36) + k * U(3), U(11) - k * U(2), 130 + k * 12, U(3), Style(plumage, PART_LINE));
    Ellipse(c.s, U(4), -U(37), U(19), U(14), Style(plumage), -8);
    /* Loose feathers hang from its belly. */
    for (int k = 0; k < 5; ++k)
        Spike(c, -U(8) + k * U(6), -U(29) + (k % 2) * U(1), U(6), 175 + k * 4, U(3),
              Style(plumage, PART_LINE));
    Curve(c.s, -U(8), -U(42), U(1), U(4), -U(47), U(16), -U(40), U(1),
          Style(plumage, PART_FLAT, SHADE_LIGHT));
    Tube(c.s, {-U(1), -U(28), U(3) + U(1) / 2, -U(5), -U(16), U(2), -U(2), -U(3), U(2)},
         Style(shin, PART_LINE));
    Ellipse(c.s, -U(5), -U(16), U(2) + U(1) / 2, U(2) + U(1) / 2, Style(shin, PART_LINE));
    BirdFoot(c, -U(2), 0, U(9), U(2), shin, c.bone);
    /* The long neck leans forward; the head is small on it. */
    Capsule(c.s, -U(8), -U(40), U(6), -U(19), -U(56), U(3) + U(1) / 2, Style(neck, PART_LINE));
    const int hx = -U(21), hy = -U(60);
    Ellipse(c.s, hx + U(1), hy - U(6), U(3) + U(1) / 2, U(4), Style(casque, PART_LINE), 15);
    Ellipse(c.s, hx, hy, U(6), U(5), Style(neck, PART_LINE));
    Spike(c, hx - U(5), hy + U(1), U(8), -100, U(2) + U(1) / 2, Style(beak, PART_LINE));
    RoundEye(c, hx - U(1), hy - U(1), U(2) + U(1) / 2, 0);
}

/* The grown cassowary charges to the left like a plough: head lowered and neck stretched level, the
   tall casque pointing forward, both big feet on the ground mid-stride, the blue throat puffed out and
   broken fern fronds flying off the casque. */
static void CassowaryAdult(Ctx &c)
{
    const int plumage = c.body, casque = c.accent;
    const int shin = Material(c, SHIN_GREY), beak = Material(c, BEAK_HORN);
    const int blue = Material(c, CASSOWARY_BLUE), red = Material(c, WATTLE_RED);
    const int iris = Material(c, IRIS_AMBER), fern = Material(c, FERN_GREEN);
    GroundShadow(c.s, U(4), 0, U(28), U(3));
    /* The far leg pushing off behind. */
    Tube(c.s, {U(14), -U(26), U(6), U(22), -U(14), U(4), U(28), -U(3), U(3) + U(1) / 2},
         Style(shin, PART_FLAT | PART_LINE, SHADE_SHADOW));
    BirdFoot(c, U(28), 0, U(11), U(3) + U(1) / 2, shin, c.bone);
    /* A shaggy tail of coarse plumes streaming behind. */
    for (int k = 0; k < 4; ++k)
        Spike(c, U(26), -U(48) + k * U(5), U(12) - k * U(2), 105 + k * 14, U(5), Style(plumage, PART_LINE));
    Ellipse(c.s, U(6), -U(40), U(27), U(22), Style(plumage), 8);
    for (int k = 0; k < 7; ++k)
        Spike(c, -U(14) + k * U(6), -U(24) + (k % 2) * U(2), U(8) + (k % 3) * U(2), 165 + k * 3, U(4),
              Style(plumage, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Curve(c.s, -U(10) + k * U(6), -U(48) + k * U(5), U(1), U(6) + k * U(6), -U(54) + k * U(5), U(24),
              -U(44) + k * U(5), U(1), Style(plumage, PART_FLAT, SHADE_LIGHT));
    /* The near leg striding forward, its foot planted. */
    Tube(c.s, {-U(2), -U(30), U(7), -U(8), -U(16), U(4) + U(1) / 2, -U(14), -U(3), U(3) + U(1) / 2},
         Style(shin, PART_LINE));
    BirdFoot(c, -U(14), 0, U(12), U(3) + U(1) / 2, shin, c.bone);
    /* The neck stretched level, the throat puffed out, wattles swinging. */
    const int hx = -U(36), hy = -U(40);
    Capsule(c.s, -U(14), -U(44), U(9), hx + U(4), hy, U(6), Style(blue, PART_LINE));
    Ellipse(c.s, -U(25), -U(34), U(8), U(7), Style(blue, PART_LINE));
    Ellipse(c.s, -U(31), -U(29), U(2) + U(1) / 2, U(6), Style(red, PART_LINE), -20);
    Ellipse(c.s, -U(26), -U(28), U(2) + U(1) / 2, U(5), Style(red, PART_LINE), -30);
    /* The casque leading like a ploughshare, fern torn off it. */
    Polygon(c.s, {hx + U(4), hy - U(6), hx - U(15), hy - U(15), hx - U(18), hy - U(10), hx - U(3), hy + U(2)},
            Style(casque, PART_LINE));
    Leaf(c, hx - U(10), hy - U(14), U(9), -30, fern);
    Leaf(c, hx - U(4), hy - U(12), U(8), 20, fern);
    Leaf(c, hx - U(18), hy - U(4), U(7), -80, fern);
    Ellipse(c.s, hx, hy, U(6), U(5), Style(blue, PART_LINE));
    Spike(c, hx - U(3), hy + U(3), U(10), -160, U(3), Style(beak, PART_LINE));
    RoundEye(c, hx + U(1), hy - U(1), U(2), iris);
}

void DrawCassowary(Ctx &c)
{
    if (c.plan->index == CASSOWARY_CHICK_ENTRY)
        CassowaryChick(c);
    else if (c.plan->index == CASSOWARY_YOUNG_ENTRY)
        CassowaryYoung(c);
    else
        CassowaryAdult(c);
}

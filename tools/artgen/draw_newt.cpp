/* Pictures of the plan rows whose body is BODY_NEWT, the newts: the larva swimming, the land eft walking and
   the crested water newt. */
#include "creature_drawers.h"

#include <vector>

#include <algorithm>

static const int NEWT_LARVA_ENTRY = 5;

static const int NEWT_EFT_ENTRY = 6;

/* A red spot ringed in black: the newts' warning mark. */
static void RingedSpot(Ctx &c, int x, int y, int r, int red)
{
    Ellipse(c.s, x, y, r, r, Style(c.dark, PART_FLAT));
    Ellipse(c.s, x, y, r - std::max(U(1), Px(c, 2) / 2), r - std::max(U(1), Px(c, 2) / 2),
            Style(red, PART_FLAT, SHADE_BASE));
}

/* A short newt leg from the body at (x, y), its splayed foot at (fx, fy). */
static void NewtLeg(Ctx &c, int x, int y, int kx, int ky, int fx, int fy, int r, int material)
{
    Tube(c.s, {x, y, r, kx, ky, r * 3 / 4, fx, fy, r * 2 / 3}, Style(material, PART_LINE));
    for (int k = -1; k <= 1; ++k)
        Capsule(c.s, fx, fy, r / 2, fx + k * r - r / 2, fy + r / 2 + (k == 0 ? r / 3 : 0), r / 2,
                Style(material, PART_LINE));
}

/* The larva swims with its head up: a big head and eyes, a slim body on four tiny legs and a long
   tail edged all round with a clear fin, curling up behind it. */
static void NewtLarva(Ctx &c)
{
    const int fin = Material(c, c.plan->accentColour);
    const int skin = c.body;
    /* The fin runs along the back and all round the tail. */
    Curve(c.s, U(2), -U(28), U(5), U(30), -U(26), U(36), -U(52), U(4), Style(fin, PART_LINE));
    Tube(c.s, {-U(2), -U(30), U(3), U(8), -U(33), U(4), U(18), -U(33), U(3)}, Style(fin, PART_LINE));
    NewtLeg(c, U(12), -U(22), U(15), -U(17), U(14), -U(13), U(2), skin);
    NewtLeg(c, -U(4), -U(20), -U(2), -U(15), -U(5), -U(12), U(2), skin);
    Curve(c.s, U(10), -U(24), U(4), U(28), -U(24), U(32), -U(48), U(1), Style(skin, PART_LINE));
    Tube(c.s, {-U(10), -U(24), U(7), U(2), -U(25), U(6), U(13), -U(24), U(4)}, Style(skin, PART_LINE));
    Ellipse(c.s, U(2), -U(21), U(9), U(2), Style(c.belly, PART_NO_HIGHLIGHT));
    NewtLeg(c, U(10), -U(20), U(13), -U(15), U(11), -U(11), U(2), skin);
    NewtLeg(c, -U(6), -U(19), -U(5), -U(14), -U(9), -U(11), U(2), skin);
    /* Faint dots along its flank, where the spots will come. */
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, -U(1) + k * U(6), -U(27), U(1), U(1), Style(skin, PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, -U(18), -U(28), U(11), U(9), Style(skin, PART_LINE), -10);
    Ellipse(c.s, -U(20), -U(23), U(7), U(3), Style(c.belly, PART_NO_HIGHLIGHT), -10);
    GlintEye(c, -U(21), -U(31), U(4) + U(1) / 2);
    GlintEye(c, -U(11), -U(33), U(3));
    Smile(c, -U(25), -U(23), U(2));
}

/* The eft walks on land, head raised: a bright orange body with warty skin, a row of red spots
   ringed in black along each side, a round tail curving behind. */
static void NewtEft(Ctx &c)
{
    const int red = Material(c, {214, 44, 40});
    GroundShadow(c.s, U(2), 0, U(34), U(3));
    NewtLeg(c, U(14), -U(10), U(20), -U(9), U(21), -U(2), U(3), c.body);
    NewtLeg(c, -U(10), -U(11), -U(6), -U(7), -U(8), -U(2), U(3), c.body);
    Curve(c.s, U(16), -U(13), U(6), U(38), -U(8), U(40), -U(28), U(2), Style(c.body, PART_LINE));
    Tube(c.s, {-U(16), -U(16), U(8), U(2), -U(15), U(8), U(18), -U(13), U(6)}, Style(c.body, PART_LINE));
    Ellipse(c.s, U(1), -U(9), U(14), U(2), Style(c.belly, PART_NO_HIGHLIGHT));
    /* Warts catch the light along the back. */
    for (int k = 0; k < 6; ++k)
        Ellipse(c.s, -U(12) + k * U(6), -U(20) + (k % 2) * U(1), U(1), U(1),
                Style(c.body, PART_FLAT, SHADE_LIGHT));
    for (int k = 0; k < 3; ++k)
        RingedSpot(c, -U(8) + k * U(9), -U(15) + (k % 2) * U(1), U(3), red);
    RingedSpot(c, U(27), -U(12), U(2) + U(1) / 2, red);
    NewtLeg(c, U(10), -U(9), U(16), -U(6), U(14), -U(2), U(3), c.body);
    NewtLeg(c, -U(14), -U(10), -U(19), -U(6), -U(18), -U(2), U(3), c.body);
    /* The head lifted, sniffing forward. */
    Ellipse(c.s, -U(26), -U(21), U(11), U(8), Style(c.body, PART_LINE), -14);
    Ellipse(c.s, -U(28), -U(16), U(7), U(2), Style(c.belly, PART_NO_HIGHLIGHT), -14);
    GlintEye(c, -U(28), -U(24), U(3));
    Capsule(c.s, -U(35), -U(16), U(1) / 2, -U(26), -U(15), U(1) / 2, Style(c.mouth, PART_FLAT));
}

/* A design point of the swimming newt, laid out level and turned about the hips so that the head
   rises to the upper left. */
struct Swim {
    int angle;
    int X(int x, int y) const
    {
        Turn(0, -U(30), angle, x, y);
        return x;
    }
    int Y(int x, int y) const
    {
        Turn(0, -U(30), angle, x, y);
        return y;
    }
};

/* The adult is back in the water, swimming: a heavy olive newt rising to the left, paddling with its
   legs spread, a tall wavy crest along its back and a deep finned tail curling up behind, an orange
   belly, red spots ringed in black, a keen golden eye and bubbles at its mouth. */
static void NewtAdult(Ctx &c)
{
    const int red = Material(c, {214, 44, 40}), crest = Material(c, Darker(c.plan->bodyColour, 18));
    const int belly = c.accent, gold = Material(c, {240, 200, 70});
    const int bubble = Material(c, {150, 200, 236});
    const Swim w = {10};
    /* The tail curls up behind, a deep fin all round it. */
    static const int TAIL[6][3] = {
        {12, -30, 8},
        {30, -26, 6},
        {44, -34, 5},
        {50, -50, 4},
        {46, -64, 3},
        {36, -70, 1}
    };
    std::vector<int> fin, tail;
    for (int k = 0; k < 6; ++k) {
        const int x = U(TAIL[k][0]), y = U(TAIL[k][1]);
        fin.insert(fin.end(), {w.X(x, y), w.Y(x, y), U(TAIL[k][2]) + (k > 0 && k < 5 ? U(6) : U(2))});
        tail.insert(tail.end(), {w.X(x, y), w.Y(x, y), U(TAIL[k][2])});
    }
    Tube(c.s, fin, Style(crest, PART_LINE));
    for (int k = 1; k < 5; ++k) {
        const int x = U(TAIL[k][0] + (k < 3 ? 0 : 7)), y = U(TAIL[k][1] + (k < 3 ? 8 : 0));
        Ellipse(c.s, w.X(x, y), w.Y(x, y), U(4), U(4), Style(crest, PART_LINE));
    }
    Tube(c.s, tail, Style(c.body, PART_LINE));
    /* The crest: a wavy sail along the back, broken at the hips. */
    for (int k = 0; k < 6; ++k) {
        const int x = -U(24) + k * U(7), y = -U(44) - (k % 2) * U(3);
        Ellipse(c.s, w.X(x, y), w.Y(x, y), U(5), U(9) + (k % 2) * U(3), Style(crest, PART_LINE),
                w.angle + 15);
    }
    /* Far legs paddling. */
    NewtLeg(c, w.X(U(8), -U(26)), w.Y(U(8), -U(26)), w.X(U(16), -U(18)), w.Y(U(16), -U(18)),
            w.X(U(24), -U(12)), w.Y(U(24), -U(12)), U(3), c.body);
    NewtLeg(c, w.X(-U(16), -U(28)), w.Y(-U(16), -U(28)), w.X(-U(22), -U(20)), w.Y(-U(22), -U(20)),
            w.X(-U(30), -U(16)), w.Y(-U(30), -U(16)), U(3), c.body);
    Tube(c.s,
         {w.X(-U(26), -U(32)), w.Y(-U(26), -U(32)), U(10), w.X(-U(6), -U(31)), w.Y(-U(6), -U(31)), U(11),
          w.X(U(14), -U(30)), w.Y(U(14), -U(30)), U(9)},
         Style(c.body, PART_LINE));
    Tube(c.s,
         {w.X(-U(24), -U(24)), w.Y(-U(24), -U(24)), U(3), w.X(-U(6), -U(22)), w.Y(-U(6), -U(22)), U(4),
          w.X(U(12), -U(23)), w.Y(U(12), -U(23)), U(3)},
         Style(belly, PART_LINE));
    for (int k = 0; k < 4; ++k) {
        const int x = -U(18) + k * U(9), y = -U(34) + (k % 2) * U(2);
        RingedSpot(c, w.X(x, y), w.Y(x, y), U(3), red);
    }
    /* Near legs: the hind one kicks back, the fore one reaches down and forward. */
    NewtLeg(c, w.X(U(6), -U(25)), w.Y(U(6), -U(25)), w.X(U(14), -U(15)), w.Y(U(14), -U(15)),
            w.X(U(22), -U(8)), w.Y(U(22), -U(8)), U(3), c.body);
    NewtLeg(c, w.X(-U(18), -U(27)), w.Y(-U(18), -U(27)), w.X(-U(20), -U(17)), w.Y(-U(20), -U(17)),
            w.X(-U(27), -U(11)), w.Y(-U(27), -U(11)), U(3), c.body);
    /* A broad flat head, the wide mouth line of a grown newt. */
    const int hx = w.X(-U(38), -U(33)), hy = w.Y(-U(38), -U(33));
    Ellipse(c.s, hx, hy, U(13), U(9), Style(c.body, PART_LINE), w.angle);
    Ellipse(c.s, hx - U(1), hy + U(5), U(9), U(3), Style(belly, PART_NO_HIGHLIGHT), w.angle);
    Curve(c.s, hx - U(12), hy + U(1), U(1) / 2, hx - U(4), hy + U(4), hx + U(7), hy + U(3), U(1) / 2,
          Style(c.mouth, PART_FLAT));
    FierceEye(c, hx - U(2), hy - U(4), U(3), -10 + w.angle, gold);
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, hx - U(15) + k * U(1), hy - U(6) - k * U(7), U(2) + k * U(1) / 2, U(2) + k * U(1) / 2,
                Style(bubble, PART_LINE | PART_NO_HIGHLIGHT, SHADE_LIGHT));
}

void DrawNewt(Ctx &c)
{
    if (c.plan->index == NEWT_LARVA_ENTRY)
        NewtLarva(c);
    else if (c.plan->index == NEWT_EFT_ENTRY)
        NewtEft(c);
    else
        NewtAdult(c);
}

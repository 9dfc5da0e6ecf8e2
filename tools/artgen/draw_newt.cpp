/* Pictures of the plan rows whose body is BODY_NEWT, the newts: the larva swimming, the land eft walking and
   the crested water newt. */
#include "creature_drawers.h"

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

/* The adult is back in the water: a heavy olive newt swimming, a tall wavy crest along its back
   and tail, an orange belly, red spots ringed in black, a keen golden eye. */
static void NewtAdult(Ctx &c)
{
    const int red = Material(c, {214, 44, 40}), crest = Material(c, Darker(c.plan->bodyColour, 18));
    const int belly = c.accent, gold = Material(c, {240, 200, 70});
    /* The crest: a wavy sail along the back, broken at the hips, running on down the tail. */
    for (int k = 0; k < 5; ++k)
        Ellipse(c.s, -U(14) + k * U(7), -U(40) - (k % 2) * U(3), U(5), U(8) + (k % 2) * U(2),
                Style(crest, PART_LINE), 10);
    /* The tail sweeps up behind, its crest a broad wavy fin. */
    for (int k = 0; k < 4; ++k) {
        static const int ALONG_X[4] = {26, 36, 44, 50}, ALONG_Y[4] = {-38, -38, -46, -56};
        Ellipse(c.s, U(ALONG_X[k]), U(ALONG_Y[k]), U(5), U(6), Style(crest, PART_LINE), 30 + k * 15);
    }
    Curve(c.s, U(18), -U(30), U(8), U(46), -U(28), U(48), -U(60), U(5), Style(crest, PART_LINE));
    NewtLeg(c, U(18), -U(20), U(26), -U(14), U(30), -U(10), U(3), c.body);
    NewtLeg(c, -U(10), -U(20), -U(8), -U(12), -U(14), -U(8), U(3), c.body);
    Curve(c.s, U(18), -U(28), U(7), U(42), -U(26), U(44), -U(58), U(2), Style(c.body, PART_LINE));
    Tube(c.s, {-U(22), -U(28), U(10), U(2), -U(28), U(11), U(20), -U(27), U(8)}, Style(c.body, PART_LINE));
    Tube(c.s, {-U(22), -U(21), U(4), U(2), -U(20), U(4), U(18), -U(22), U(3)}, Style(belly, PART_LINE));
    for (int k = 0; k < 4; ++k)
        RingedSpot(c, -U(14) + k * U(9), -U(30) + (k % 2) * U(2), U(3), red);
    RingedSpot(c, U(34), -U(30), U(3), red);
    NewtLeg(c, U(14), -U(21), U(22), -U(16), U(22), -U(10), U(3), c.body);
    NewtLeg(c, -U(16), -U(21), -U(22), -U(15), -U(22), -U(9), U(3), c.body);
    /* A broad flat head, the wide mouth line of a grown newt. */
    Ellipse(c.s, -U(34), -U(28), U(12), U(8), Style(c.body, PART_LINE), -6);
    Ellipse(c.s, -U(36), -U(23), U(9), U(3), Style(belly, PART_NO_HIGHLIGHT), -6);
    Curve(c.s, -U(45), -U(25), U(1) / 2, -U(38), -U(23), -U(28), -U(26), U(1) / 2, Style(c.mouth, PART_FLAT));
    FierceEye(c, -U(36), -U(32), U(3), -10, gold);
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

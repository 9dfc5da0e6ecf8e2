/* Pictures of the plan rows whose body is BODY_ERMINE, the frost ermines: the round kit sitting up and the
   slinky white adult bounding over snow. */
#include "creature_drawers.h"

static const Rgb ERMINE_WHITE = {226, 232, 240};

static const Rgb ERMINE_TIP = {40, 34, 40};
static const Rgb ERMINE_NOSE = {226, 130, 150};
static const Rgb SNOW = {206, 222, 240};

/* A frost crystal: a six-pointed star of ice. */
static void FrostStar(Ctx &c, int x, int y, int r, int material)
{
    for (int a = 0; a < 180; a += 60)
        Capsule(c.s, Toward(x, r, a), TowardY(y, r, a), U(1) / 2, Toward(x, r, a + 180),
                TowardY(y, r, a + 180), U(1) / 2, Style(material, PART_FLAT, SHADE_LIGHT));
}

/* The kit sits up, round and soft: a big head with round ears and big eyes, its brown coat
   going white in patches, a frosted white belly, the black-tipped tail curled beside it. */
static void ErmineKit(Ctx &c)
{
    const int white = Material(c, ERMINE_WHITE), tip = Material(c, ERMINE_TIP);
    const int nose = Material(c, ERMINE_NOSE), frost = c.accent;
    GroundShadow(c.s, 0, 0, U(20), U(3));
    Curve(c.s, U(8), -U(4), U(4), U(26), -U(6), U(22), -U(22), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, U(22), -U(24), U(5), U(6), Style(tip, PART_LINE), 20);
    Ellipse(c.s, 0, -U(16), U(14), U(15), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, -U(13), U(9), U(12), Style(white, PART_NO_HIGHLIGHT));
    /* Patches where the winter coat comes through. */
    Ellipse(c.s, -U(12), -U(20), U(3), U(4), Style(white, PART_NO_HIGHLIGHT));
    Ellipse(c.s, U(11), -U(11), U(3), U(3), Style(white, PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(7), -U(2), U(5), U(3), Style(c.body, PART_LINE));
        Ellipse(c.s, side * U(5), -U(18), U(2) + U(1) / 2, U(2), Style(c.body, PART_LINE));
    }
    const int hy = -U(38);
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(11), hy - U(10), U(5), U(5), Style(c.body, PART_LINE));
        Ellipse(c.s, side * U(11), hy - U(10), U(2) + U(1) / 2, U(2) + U(1) / 2, Style(nose, PART_FLAT));
    }
    Ellipse(c.s, 0, hy, U(15), U(13), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, hy + U(6), U(9), U(6), Style(white, PART_NO_HIGHLIGHT));
    Ellipse(c.s, U(8), hy - U(7), U(3), U(2), Style(white, PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2) {
        GlintEye(c, side * U(6), hy - U(1), U(4));
        /* Whiskers with frost beads on their tips. */
        for (int k = 0; k < 2; ++k) {
            const int wx = side * U(19), wy = hy + U(3) + k * U(4);
            Capsule(c.s, side * U(5), hy + U(5) + k * U(1), U(1) / 2, wx, wy, U(1) / 2,
                    Style(c.dark, PART_FLAT));
            Ellipse(c.s, wx, wy, U(1) + U(1) / 2, U(1) + U(1) / 2, Style(frost, PART_LINE));
        }
    }
    Ellipse(c.s, 0, hy + U(4), U(2), U(1) + U(1) / 2, Style(nose, PART_FLAT));
    Smile(c, 0, hy + U(7), U(2));
}

/* The winter ermine bounds over a snow bank by night: a long slinky white body arched in mid
   leap, forepaws reaching down, the black tail tip streaming, frost crystals in its fur. */
static void ErmineLeaping(Ctx &c)
{
    const int snow = Material(c, SNOW), tip = Material(c, ERMINE_TIP), nose = Material(c, ERMINE_NOSE);
    const int frost = c.accent, white = c.body;
    Ellipse(c.s, U(2), -U(9), U(42), U(11), Style(snow, PART_LINE));
    Ellipse(c.s, -U(22), -U(14), U(14), U(6), Style(snow, PART_LINE));
    Ellipse(c.s, U(26), -U(12), U(12), U(5), Style(snow, PART_LINE));
    /* Far legs, then the tail streaming back and up. */
    Tube(c.s, {U(16), -U(34), U(4), U(28), -U(26), U(3), U(34), -U(20), U(2)}, Style(white, PART_LINE));
    Tube(c.s, {-U(20), -U(38), U(3), -U(28), -U(28), U(3), -U(30), -U(20), U(2)}, Style(white, PART_LINE));
    Curve(c.s, U(20), -U(40), U(4), U(34), -U(46), U(40), -U(60), U(4), Style(white, PART_LINE));
    Ellipse(c.s, U(41), -U(61), U(5), U(7), Style(tip, PART_LINE), 25);
    /* The body arched in a long bow. */
    Curve(c.s, U(20), -U(36), U(9), U(4), -U(62), -U(22), -U(40), U(8), Style(white, PART_LINE));
    Ellipse(c.s, -U(2), -U(42), U(10), U(3), Style(white, PART_FLAT, SHADE_SHADOW), -20);
    Tube(c.s, {U(14), -U(34), U(5), U(22), -U(24), U(4), U(26), -U(18), U(3)}, Style(white, PART_LINE));
    Ellipse(c.s, U(27), -U(17), U(4), U(2), Style(white, PART_LINE));
    Tube(c.s, {-U(24), -U(38), U(4), -U(34), -U(28), U(3), -U(38), -U(20), U(3)}, Style(white, PART_LINE));
    Ellipse(c.s, -U(39), -U(18), U(4), U(2), Style(white, PART_LINE));
    /* A narrow head reaching forward and down, small round ears, a keen eye. */
    const int hx = -U(32), hy = -U(44);
    Ellipse(c.s, hx + U(6), hy - U(6), U(3), U(3), Style(white, PART_LINE));
    Ellipse(c.s, hx, hy, U(10), U(7), Style(white, PART_LINE), 20);
    Ellipse(c.s, hx - U(8), hy + U(4), U(2), U(1) + U(1) / 2, Style(nose, PART_FLAT));
    FierceEye(c, hx - U(1), hy - U(1), U(2) + U(1) / 2, 15, Material(c, {60, 60, 90}));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, hx - U(6), hy + U(3), U(1) / 2, hx - U(4) + k * U(2), hy + U(10) + k * U(1), U(1) / 2,
                Style(c.dark, PART_FLAT));
    FrostStar(c, U(4), -U(54), U(3), frost);
    FrostStar(c, -U(12), -U(48), U(2) + U(1) / 2, frost);
    FrostStar(c, U(16), -U(44), U(2) + U(1) / 2, frost);
    FrostStar(c, -U(14), -U(66), U(3), frost);
    FrostStar(c, U(24), -U(62), U(3), frost);
}

void DrawErmine(Ctx &c)
{
    if (c.young)
        ErmineKit(c);
    else
        ErmineLeaping(c);
}

/* Creatures of the shore and of old stone: elephant seals, the walking lighthouse, the salt beast,
   the reed piper, the lantern bug and the sleeping dragon; each faces left or the viewer. */
#include "creature_drawers.h"

#include <algorithm>

/* A round dark eye with a light catch two pixels wide. */
static void ShineEye(Ctx &c, int x, int y, int r)
{
    Ellipse(c.s, x, y, r, r * 5 / 4, Style(c.eye, PART_FLAT));
    const int h = std::max(r / 3, Px(c, 1));
    Ellipse(c.s, x - r / 3, y - r / 2, h, h, Style(c.white, PART_FLAT));
}

/* ---- Elephant seals ---- */

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
        ShineEye(c, hx - U(5), hy - U(3), U(4));
        ShineEye(c, hx + U(5), hy - U(3), U(3) + U(1) / 2);
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
        ShineEye(c, hx + U(2), hy - U(3), U(2) + U(1) / 2);
        return;
    }
    Polygon(c.s, {hx - U(7), hy + U(3), hx - U(16), hy + U(2), hx - U(12), hy + U(8), hx - U(4), hy + U(7)},
            Style(c.mouth, PART_LINE));
    /* A short nose just beginning to swell over the lip. */
    Ellipse(c.s, hx - U(11), hy - U(1), U(7), U(5), Style(c.body, PART_LINE), -15);
    Ellipse(c.s, hx - U(17), hy + U(1), U(2), U(2), Style(c.dark, PART_FLAT));
    ShineEye(c, hx + U(1), hy - U(2), U(3));
}

/* ---- The walking lighthouse ---- */

/* A squat stone lighthouse on two rocky feet, banded red and white, waves breaking at its foot;
   its lamp room is one glowing eye that throws beams to both sides, and its door a foghorn mouth. */
void DrawLighthouse(Ctx &c)
{
    const int red = c.body, white = Material(c, {236, 226, 210}), stone = Material(c, {128, 120, 112});
    const int roof = Material(c, {150, 50, 44}), glass = Material(c, {60, 80, 110});
    const int beam = Material(c, {255, 236, 140}), wave = Material(c, {90, 160, 220});
    GroundShadow(c.s, 0, 0, U(26), U(3));
    /* Beams of light to both sides of the lamp. */
    const int ly = -U(52);
    for (int side = -1; side <= 1; side += 2)
        Polygon(c.s,
                {side * U(8), ly - U(2), side * U(30), ly - U(9), side * U(30), ly + U(7), side * U(8),
                 ly + U(2)},
                Style(beam, PART_LINE | PART_NO_HIGHLIGHT));
    /* Rocky feet, the near one a step ahead. */
    Ellipse(c.s, U(9), -U(5), U(8), U(6), Style(stone, PART_LINE));
    Ellipse(c.s, -U(9), -U(5), U(9), U(6), Style(stone, PART_LINE));
    /* The tower narrows upward in bands. */
    static const int BANDS[][3] = {
        {-U(8),  U(15), 0}, /* bottom, red */
        {-U(18), U(14), 1},
        {-U(28), U(13), 0},
        {-U(38), U(12), 1},
    };
    for (int k = 0; k < 4; ++k) {
        const int bottom = BANDS[k][0], half = BANDS[k][1];
        Polygon(c.s, {-half, bottom, half, bottom, half - U(1), bottom - U(10), -half + U(1), bottom - U(10)},
                Style(BANDS[k][2] ? white : red, PART_LINE));
    }
    /* The gallery, its rail, the lamp room and the roof. */
    Capsule(c.s, -U(15), -U(45), U(2), U(15), -U(45), U(2), Style(stone, PART_LINE));
    Polygon(c.s, {-U(9), -U(46), U(9), -U(46), U(9), -U(59), -U(9), -U(59)}, Style(glass, PART_LINE));
    Polygon(c.s, {-U(12), -U(59), U(12), -U(59), 0, -U(72)}, Style(roof, PART_LINE));
    Ellipse(c.s, 0, -U(73), U(2), U(2), Style(roof, PART_LINE));
    /* The lamp is the eye: a glowing ring round a dark pupil with a light catch. */
    Ellipse(c.s, 0, ly, U(7), U(6), Style(beam, PART_LINE));
    Ellipse(c.s, -U(1), ly, U(3), U(3) + U(1) / 2, Style(c.eye, PART_FLAT));
    Ellipse(c.s, -U(2), ly - U(2), Px(c, 1), Px(c, 1), Style(c.white, PART_FLAT));
    /* The door is a round foghorn mouth calling out. */
    Ellipse(c.s, 0, -U(22), U(5), U(4), Style(c.mouth, PART_LINE));
    /* Waves curl round its feet. */
    for (int k = 0; k < 4; ++k) {
        const int x = -U(24) + k * U(16);
        Curve(c.s, x - U(6), -U(2), U(2), x, -U(12), x + U(6), -U(4), U(1) + U(1) / 2,
              Style(wave, PART_LINE));
    }
}

/* ---- The salt beast ---- */

/* A crouching beast carved from one block of rock salt: pale pink crystal in flat facets, the
   chisel marks of old miners on its flanks, brine dripping from its jaw and belly. */
void DrawSaltBeast(Ctx &c)
{
    const int salt = c.body, deep = Material(c, Darker(c.plan->bodyColour, 18));
    const int chisel = Material(c, Darker(c.plan->bodyColour, 45)), brine = c.accent;
    GroundShadow(c.s, 0, 0, U(34), U(3));
    /* Hind haunch and body: a long low block. */
    Polygon(c.s, {-U(14), -U(34), U(20), -U(30), U(32), -U(20), U(32), -U(2), -U(14), -U(2)},
            Style(salt, PART_LINE));
    Polygon(c.s, {U(14), -U(26), U(30), -U(18), U(30), -U(2), U(12), -U(2)}, Style(deep, PART_LINE));
    /* Far foreleg behind, near foreleg a square pillar reaching forward. */
    Polygon(c.s, {-U(24), -U(14), -U(14), -U(14), -U(14), -U(2), -U(28), -U(2)}, Style(deep, PART_LINE));
    Polygon(c.s, {-U(16), -U(22), -U(4), -U(22), -U(6), -U(2), -U(22), -U(2)}, Style(salt, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Spike(c, -U(20) + k * U(5), -U(3), U(4), -90, U(1) + U(1) / 2, Style(chisel, PART_LINE));
    /* A short tail block curled over the haunch. */
    Polygon(c.s, {U(26), -U(28), U(34), -U(40), U(38), -U(36), U(32), -U(24)}, Style(salt, PART_LINE));
    /* Head: a faceted block with a heavy jaw, low and forward. */
    const int hx = -U(24), hy = -U(32);
    Polygon(c.s,
            {hx - U(10), hy - U(8), hx + U(6), hy - U(14), hx + U(12), hy - U(4), hx + U(8), hy + U(10),
             hx - U(10), hy + U(8)},
            Style(salt, PART_LINE));
    Polygon(c.s, {hx - U(10), hy + U(1), hx + U(4), hy + U(2), hx + U(6), hy + U(10), hx - U(10), hy + U(8)},
            Style(deep, PART_LINE));
    Polygon(c.s, {hx - U(2), hy - U(10), hx + U(4), hy - U(19), hx + U(8), hy - U(12)},
            Style(deep, PART_LINE));
    Capsule(c.s, hx - U(8), hy + U(3), Px(c, 1), hx + U(2), hy + U(4), Px(c, 1), Style(chisel, PART_FLAT));
    /* Light facets on the lit planes of the crystal. */
    Polygon(c.s, {-U(10), -U(31), U(6), -U(29), 0, -U(22), -U(10), -U(24)},
            Style(salt, PART_FLAT, SHADE_HIGHLIGHT));
    Polygon(c.s, {hx - U(7), hy - U(7), hx + U(3), hy - U(11), hx, hy - U(4)},
            Style(salt, PART_FLAT, SHADE_HIGHLIGHT));
    /* Chisel marks: short parallel cuts on the flank. */
    for (int k = 0; k < 4; ++k)
        Capsule(c.s, U(2) + k * U(5), -U(18), Px(c, 1) / 2, U(5) + k * U(5), -U(10), Px(c, 1) / 2,
                Style(chisel, PART_FLAT));
    Ellipse(c.s, hx - U(3), hy - U(3), U(3), U(2) + U(1) / 2,
            Style(brine, PART_FLAT | PART_LINE, SHADE_LIGHT));
    Ellipse(c.s, hx - U(3), hy - U(3), U(1) + U(1) / 2, U(2), Style(c.eye, PART_FLAT));
    Ellipse(c.s, hx - U(4), hy - U(4), Px(c, 1) / 2, Px(c, 1) / 2, Style(c.white, PART_FLAT));
    /* Salt crystals have grown back on its shoulders as cubes. */
    static const int CUBES[][3] = {
        {-U(6), -U(33), U(5)}, /* shoulder */
        {U(2),  -U(34), U(4)}, /* back */
        {U(10), -U(32), U(3)}, /* haunch */
    };
    for (const int *q : CUBES) {
        const int x = q[0], y = q[1], h = q[2];
        Polygon(c.s, {x - h, y, x, y + h / 2, x, y - h * 3 / 2, x - h, y - h * 2},
                Style(salt, PART_FLAT | PART_LINE, SHADE_LIGHT));
        Polygon(c.s, {x, y + h / 2, x + h, y, x + h, y - h * 2, x, y - h * 3 / 2},
                Style(deep, PART_FLAT | PART_LINE, SHADE_SHADOW));
        Polygon(c.s, {x - h, y - h * 2, x, y - h * 5 / 2, x + h, y - h * 2, x, y - h * 3 / 2},
                Style(salt, PART_FLAT | PART_LINE, SHADE_HIGHLIGHT));
    }
    /* Brine drips from the jaw and the belly. */
    static const int DROPS[][2] = {
        {-U(30), -U(18)}, /* jaw */
        {U(4),   -U(7) }, /* belly */
        {U(18),  -U(9) }, /* haunch */
    };
    for (const int *d : DROPS) {
        Ellipse(c.s, d[0], d[1], U(2), U(3), Style(brine, PART_LINE));
        Spike(c, d[0], d[1] - U(2), U(3), 0, U(1) + U(1) / 2, Style(brine, PART_LINE));
    }
}

/* ---- The reed piper ---- */

/* A tall clump of giant reeds on a walking mat of roots: hollow stems cut to different lengths like
   panpipes, a face peering between them, seed plumes nodding on top, a tune whistling out. */
void DrawReedPiper(Ctx &c)
{
    const int stem = c.body, plume = c.accent, root = Material(c, {120, 90, 60});
    const int hollow = Material(c, {60, 70, 40}), note = Material(c, {80, 110, 170});
    GroundShadow(c.s, 0, 0, U(26), U(3));
    /* Roots walk: two thick mats of roots with trailing rootlets. */
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(10), -U(5), U(11), U(5), Style(root, PART_LINE));
        for (int k = 0; k < 3; ++k)
            Spike(c, side * (U(4) + k * U(6)), -U(2), U(5), 180 + side * (10 + k * 15), U(1) + U(1) / 2,
                  Style(root, PART_LINE));
    }
    /* Stems of different heights, the tallest in the middle, each open at its cut top. */
    static const int STEMS[][2] = {
        {-U(16), U(44)},
        {-U(10), U(56)},
        {-U(4),  U(66)},
        {U(3),   U(60)},
        {U(9),   U(50)},
        {U(15),  U(40)},
    };
    for (const int *s : STEMS) {
        const int x = s[0], top = -s[1];
        Capsule(c.s, x, -U(6), U(3), x, top, U(3), Style(stem, PART_LINE));
        for (int y = -U(14); y > top + U(4); y -= U(10))
            Capsule(c.s, x - U(3), y, Px(c, 1) / 2, x + U(3), y, Px(c, 1) / 2,
                    Style(stem, PART_FLAT, SHADE_SHADOW));
        Ellipse(c.s, x, top, U(2) + U(1) / 2, U(1) + U(1) / 2, Style(hollow, PART_FLAT | PART_LINE));
    }
    /* Two outer stems carry the seed plumes, leaning out. */
    static const int PLUMES[][4] = {
        {-U(10), -U(56), -U(22), -U(72)}, /* left */
        {U(9),   -U(50), U(22),  -U(64)}, /* right */
    };
    for (const int *p : PLUMES) {
        Capsule(c.s, p[0], p[1], U(1) + U(1) / 2, p[2], p[3], U(1), Style(stem, PART_LINE));
        Ellipse(c.s, p[2], p[3] - U(3), U(5), U(8), Style(plume, PART_LINE), p[2] < 0 ? -30 : 30);
    }
    /* Long leaves hang from the clump. */
    Curve(c.s, -U(14), -U(30), U(2), -U(26), -U(30), -U(28), -U(16), U(1), Style(stem, PART_LINE));
    Curve(c.s, U(13), -U(26), U(2), U(26), -U(28), U(28), -U(14), U(1), Style(stem, PART_LINE));
    /* The face between the stems: two eyes and a round whistling mouth. */
    const int fy = -U(30);
    Ellipse(c.s, 0, fy + U(2), U(11), U(9), Style(Material(c, Darker(c.plan->bodyColour, 30)), PART_LINE));
    ShineEye(c, -U(5), fy, U(2) + U(1) / 2);
    ShineEye(c, U(5), fy, U(2) + U(1) / 2);
    Ellipse(c.s, 0, fy + U(6), U(2), U(2), Style(c.mouth, PART_FLAT));
    /* Notes of its tune rise to the left. */
    for (int k = 0; k < 2; ++k) {
        const int x = -U(26) + k * U(6), y = -U(46) - k * U(8);
        Ellipse(c.s, x, y, U(2) + U(1) / 2, U(2), Style(note, PART_FLAT), -20);
        Capsule(c.s, x + U(2), y, Px(c, 1) / 2, x + U(2), y - U(8), Px(c, 1) / 2, Style(note, PART_FLAT));
    }
}

/* ---- The lantern bug ---- */

/* A great lantern bug side on, facing left: a long hollow snout glowing like a lantern full of coals,
   mottled grey forewings lifted, red hind wings spread behind them, two short antennae, six thin legs. */
void DrawLanternBug(Ctx &c)
{
    const int grey = c.body, red = c.accent, ember = Material(c, {255, 150, 50});
    const int coal = Material(c, {255, 226, 120}), leg = Material(c, {70, 60, 60});
    const int mottle = Material(c, Darker(c.plan->bodyColour, 40)), spot = Material(c, {40, 30, 36});
    GroundShadow(c.s, 0, 0, U(26), U(3));
    const int by = -U(20), wx = -U(2), wy = by - U(4);
    /* Far legs first. */
    for (int k = 0; k < 3; ++k) {
        const int x = -U(8) + k * U(8);
        Tube(c.s, {x, by + U(4), U(1), x + U(4), by + U(12), U(1), x + U(6), -U(2), U(1)},
             Style(leg, PART_FLAT | PART_LINE, SHADE_SHADOW));
    }
    /* The red hind wing fanned up and back, an eye spot near its edge. */
    Ellipse(c.s, Toward(wx, U(19), 62), TowardY(wy, U(19), 62), U(10), U(20), Style(red, PART_LINE), 62);
    Ellipse(c.s, Toward(wx, U(33), 62), TowardY(wy, U(33), 62), U(6), U(6), Style(spot, PART_LINE), 62);
    Ellipse(c.s, Toward(wx, U(24), 56), TowardY(wy, U(24), 56), U(4), U(4), Style(spot, PART_LINE));
    Ellipse(c.s, Toward(wx, U(24), 56), TowardY(wy, U(24), 56), U(2), U(2), Style(coal, PART_FLAT));
    /* Abdomen under the wings. */
    Ellipse(c.s, U(10), by + U(2), U(13), U(6), Style(Material(c, {110, 100, 96}), PART_LINE));
    for (int k = 0; k < 3; ++k)
        Capsule(c.s, U(6) + k * U(5), by - U(2), Px(c, 1) / 2, U(5) + k * U(5), by + U(7), Px(c, 1) / 2,
                Style(leg, PART_FLAT));
    /* The mottled grey forewing lifted over the back. */
    const int fx = Toward(wx, U(17), 42), fy = TowardY(wy, U(17), 42);
    Ellipse(c.s, fx, fy, U(6), U(18), Style(grey, PART_LINE), 42);
    for (int k = 0; k < 5; ++k)
        Ellipse(c.s, Toward(wx, U(6) + k * U(6), 42 - (k % 2) * 8),
                TowardY(wy, U(6) + k * U(6), 42 - (k % 2) * 8), U(2), U(1) + U(1) / 2,
                Style(mottle, PART_FLAT));
    Ellipse(c.s, -U(8), by, U(7), U(6), Style(grey, PART_LINE));
    /* The snout: a long swollen lantern curving up and forward, coals glowing through its ribs. */
    Tube(c.s, {-U(12), by - U(2), U(4), -U(22), by - U(10), U(5), -U(29), by - U(22), U(6)},
         Style(ember, PART_LINE));
    Ellipse(c.s, -U(29), by - U(22), U(4), U(4), Style(coal, PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, -U(23), by - U(12), U(3), U(3), Style(coal, PART_FLAT, SHADE_LIGHT));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(19) - k * U(7), by - U(5) - k * U(11), Px(c, 1) / 2, -U(26) - k * U(7),
                by - U(10) - k * U(11), Px(c, 1) / 2, Style(ember, PART_FLAT, SHADE_SHADOW));
    /* Near legs, thin and jointed. */
    for (int k = 0; k < 3; ++k) {
        const int x = -U(10) + k * U(9);
        Tube(c.s, {x, by + U(4), U(1), x - U(4), by + U(12), U(1), x - U(2), 0, U(1)}, Style(leg, PART_LINE));
    }
    /* Two short antennae under the eye, each a grey bulb and a dark bristle, two pixels thick. */
    const int stalk = std::max(U(1), Px(c, 1));
    static const int ANTENNAE[][4] = {
        {-U(13), by + U(2), -U(21), by + U(3)}, /* far, reaching forward under the snout */
        {-U(13), by + U(4), -U(19), by + U(9)}, /* near, angled down */
    };
    for (const int *a : ANTENNAE) {
        Capsule(c.s, a[0], a[1], stalk, a[2], a[3], stalk, Style(leg, PART_LINE));
        Ellipse(c.s, a[0] - U(1), a[1], stalk * 3 / 2, stalk * 3 / 2, Style(grey, PART_LINE));
    }
    ShineEye(c, -U(11), by - U(1), U(2) + U(1) / 2);
}

/* ---- The sleeping dragon ---- */

/* The head is drawn a quarter larger than the body's scale so that the sleeping face reads. */
static int H(int pixels)
{
    return U(pixels) * 5 / 4;
}

/* An ancient dragon asleep curled round a mountain peak: its great horned head rests on its crossed
   claws in front, a wing folded over its back, ridges down its spine, its tail wrapped round the
   rock; a curl of smoke rises from a nostril. */
void DrawSleepingDragon(Ctx &c)
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

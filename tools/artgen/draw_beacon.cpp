/* Pictures of the plan rows whose body is BODY_BEACON, the walking stone lighthouse, its lamp room one
   glowing eye, waves at its feet. */
#include "creature_drawers.h"

/* A squat stone lighthouse on two rocky feet, banded red and white, waves breaking at its foot;
   its lamp room is one glowing eye that throws beams to both sides, and its door a foghorn mouth. */
void DrawBeacon(Ctx &c)
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

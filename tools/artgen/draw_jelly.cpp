/* Pictures of the plan rows whose body is BODY_JELLY, the spark jellyfish: a small dome with two spark
   tentacles and a broad glowing one. */
#include "creature_drawers.h"

/* A lightning bolt from (x, y) downward, h high: a slanted slab and a pointed tail. */
static void Bolt(Ctx &c, int x, int y, int h, int material)
{
    const int w = h / 4;
    const PartStyle style = Style(material, PART_LINE | PART_NO_HIGHLIGHT);
    Polygon(c.s, {x + w, y, x + w * 3, y, x + w, y + h / 2, x - w, y + h / 2}, style);
    Polygon(c.s, {x - w / 2, y + h / 2 - w, x + w * 2, y + h / 2 - w, x - w, y + h}, style);
}

/* Jellyfish seen a little from below: the dome, its flared open rim with a frill, what hangs from
   it, and sparks. The young one trails two thick tentacles; the grown one many, round two frilled
   mouth arms, with lights glowing along its rim. */
void DrawJelly(Ctx &c)
{
    const bool big = c.plan->stage == 2;
    GroundShadow(c.s, 0, 0, U(12), U(2));
    const int by = -U(44);
    const int brx = big ? U(22) : U(15), bry = big ? U(16) : U(12);
    const int rimY = by + bry * 2 / 3, rimRy = bry / 3 + U(1);
    const int glow = c.accent;
    Ellipse(c.s, 0, by, brx, bry, Style(c.body, PART_LINE));
    Ellipse(c.s, 0, rimY, brx, rimRy, Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
    if (big) {
        for (int k = 0; k < 7; ++k) {
            const int tx = -U(16) + k * U(16) / 3;
            const int len = U(26) + (k % 3) * U(4);
            const int wave = (k % 2 ? 1 : -1) * U(3);
            Tube(c.s,
                 {tx, rimY, U(2), tx + wave, rimY + len / 3, U(2), tx - wave, rimY + len * 2 / 3,
                  U(1) + U(1) / 2, tx + wave, rimY + len, U(1)},
                 Style(k % 2 ? glow : c.belly, PART_LINE));
        }
        for (int side = -1; side <= 1; side += 2)
            Tube(c.s,
                 {side * U(4), rimY, U(4), side * U(8), rimY + U(9), U(4), side * U(3), rimY + U(17), U(3),
                  side * U(6), rimY + U(24), U(2)},
                 Style(c.belly, PART_LINE));
    } else {
        for (int side = -1; side <= 1; side += 2)
            Tube(c.s,
                 {side * U(5), rimY, U(3), side * U(10), rimY + U(8), U(2) + U(1) / 2, side * U(5),
                  rimY + U(16), U(2), side * U(9), rimY + U(23), U(1) + U(1) / 2},
                 Style(glow, PART_LINE));
    }
    /* The frill along the front of the rim covers the roots of what hangs below. */
    const int scallops = big ? 9 : 6;
    for (int k = 0; k < scallops; ++k) {
        const int angle = -70 + k * 140 / (scallops - 1);
        Ellipse(c.s, brx * SinQ12(angle) / 4096, rimY + rimRy * CosQ12(angle) / 4096, U(3), U(2) + U(1) / 2,
                Style(c.belly, PART_LINE | PART_NO_HIGHLIGHT));
    }
    if (big)
        for (int k = 0; k < 5; ++k) {
            const int angle = -72 + k * 36;
            Ellipse(c.s, (brx - U(4)) * SinQ12(angle) / 4096, by - (bry - U(4)) * CosQ12(angle) / 4096, U(2),
                    U(2), Style(glow, PART_LINE | PART_NO_HIGHLIGHT));
        }
    const int eyeX = big ? U(7) : U(5);
    CuteEye(c, -eyeX, by + U(1), big ? U(3) : U(2) + U(1) / 2);
    CuteEye(c, eyeX, by + U(1), big ? U(3) : U(2) + U(1) / 2);
    Smile(c, 0, by + U(6), U(2));
    const int spark = Material(c, {255, 236, 90});
    Bolt(c, brx + U(2), by - U(10), U(12), spark);
    if (big)
        Bolt(c, -brx - U(6), by - U(2), U(10), spark);
}

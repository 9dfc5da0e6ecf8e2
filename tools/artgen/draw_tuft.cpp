/* Pictures of the plan rows whose body is BODY_TUFT, the tuft of goose down that came alive: curly
   fringed plumes round a soft middle, a quill poking out and loose down drifting off. */
#include "creature_drawers.h"

/* One feather of down from (x, y) toward angle, curling by curl: a soft vane in two bends round its
   shaft, the edge torn into fringes where the barbs part. */
static void Plume(Ctx &c, int x, int y, int len, int angle, int curl, int material, int fringe)
{
    const int mx = Toward(x, len / 2, angle), my = TowardY(y, len / 2, angle);
    const int ex = Toward(mx, len / 2, angle + curl), ey = TowardY(my, len / 2, angle + curl);
    Ellipse(c.s, (x + mx) / 2, (y + my) / 2, len / 6 + U(1), len / 4 + U(1), Style(material, PART_LINE),
            angle);
    Ellipse(c.s, (mx + ex) / 2, (my + ey) / 2, len / 7 + U(1), len / 4 + U(1), Style(material, PART_LINE),
            angle + curl);
    /* Fringes: short barbs sticking out of the vane's edge. */
    for (int side = -1; side <= 1; side += 2) {
        const int fx = Toward(mx, len / 6, angle + side * 90), fy = TowardY(my, len / 6, angle + side * 90);
        Capsule(c.s, fx, fy, Px(c, 1) / 2, Toward(fx, len / 5, angle + side * 45),
                TowardY(fy, len / 5, angle + side * 45), Px(c, 1) / 2, Style(fringe, PART_FLAT));
    }
    Curve(c.s, x, y, Px(c, 1) / 2, mx, my, ex, ey, Px(c, 1) / 2, Style(fringe, PART_FLAT));
}

/* A loose round tuft a little wider than tall: plumes curling out all round a soft middle, grey-lilac
   underneath; small round eyes, a tiny pink open mouth and faint pink cheeks; a stiff quill tip at the
   upper right and two single down feathers drifting off to the upper left. */
void DrawTuft(Ctx &c)
{
    const int down = c.body, shade = c.belly, pink = c.accent;
    const int cy = -U(26);
    /* Two loose feathers drifting away. */
    Plume(c, -U(32), cy - U(10), U(14), -40, -35, down, shade);
    Plume(c, -U(22), cy - U(24), U(12), -10, 40, down, shade);
    /* The quill tip. */
    Capsule(c.s, U(12), cy - U(8), U(1) + U(1) / 2, U(22), cy - U(26), U(1), Style(down, PART_LINE));
    /* Plumes all round the edge, the lower ones in shade. */
    for (int k = 0; k < 12; ++k) {
        const int angle = k * 30 + 15;
        const bool under = angle > 95 && angle < 265;
        const int rx = U(14), ry = U(8);
        Plume(c, SinQ12(angle) * rx / 4096, cy - CosQ12(angle) * ry / 4096, U(18) - (k % 3) * U(2), angle,
              k % 2 ? 45 : -45, under ? shade : down, shade);
    }
    Ellipse(c.s, 0, cy + U(2), U(17), U(10), Style(shade, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, -U(1), cy - U(1), U(15), U(9), Style(down, PART_NO_HIGHLIGHT));
    CuteEye(c, -U(5), cy + U(1), U(2) + U(1) / 2);
    CuteEye(c, U(5), cy + U(1), U(2) + U(1) / 2);
    Ellipse(c.s, -U(10), cy + U(5), U(2), U(1), Style(pink, PART_FLAT));
    Ellipse(c.s, U(10), cy + U(5), U(2), U(1), Style(pink, PART_FLAT));
    Ellipse(c.s, 0, cy + U(6), U(1) + U(1) / 2, U(1) + U(1) / 2, Style(pink, PART_FLAT, SHADE_SHADOW));
}

/* Round and simple body plans: snails, mushrooms, jellyfish, crabs, plants, blobs and
   the kettle, each shaped per entry. */
#include "creature_drawers.h"

#include <vector>

void DrawShellblob(Ctx &c)
{
    const int stage = c.plan->stage - 1; /* 0, 1, 2 */
    GroundShadow(c.s, 0, 0, U(22), U(3));
    /* Foot and head on the left, shell on the back. */
    const int footLen = U(20) + stage * U(2);
    Ellipse(c.s, 0, -U(4), footLen, U(4), Style(c.body));
    const int hx = -footLen + U(4), hy = -U(12) - stage * U(1);
    const int antenna = stage == 0 ? 1 : 2;
    for (int k = 0; k < antenna; ++k) {
        const int ax = hx - U(2) + k * U(5), ay = hy - U(16);
        Capsule(c.s, hx + k * U(3), hy - U(4), U(1), ax, ay, U(1), Style(c.body, PART_LINE));
        Ellipse(c.s, ax, ay, U(2), U(2), Style(c.body, PART_LINE));
    }
    Capsule(c.s, hx + U(4), -U(5), U(5), hx, hy, U(6), Style(c.body, PART_LINE));
    CuteEye(c, hx - U(3), hy - U(1), U(2) + U(1) / 2);
    CuteEye(c, hx + U(3), hy - U(1), U(2) + U(1) / 2);
    Smile(c, hx, hy + U(3), U(2));
    /* Shell: a spiral of shrinking rings. */
    const int sr = U(13) + stage * U(1);
    const int sx = U(6), sy = -U(8) - sr;
    Ellipse(c.s, sx, sy, sr, sr, Style(c.accent));
    if (stage == 2) {
        /* The great snail's shell carries lily pads and a flower. */
        const int pad = Material(c, {96, 176, 90}), bloom = Material(c, {240, 160, 200});
        for (int k = 0; k < 3; ++k) {
            const int angle = -50 + k * 50;
            Ellipse(c.s, Toward(sx, sr - U(1), angle), TowardY(sy, sr - U(1), angle), U(7), U(3),
                    Style(pad, PART_LINE), angle / 3);
        }
        Ellipse(c.s, sx - U(3), sy - sr - U(2), U(3), U(3), Style(bloom, PART_LINE));
    }
    int r = sr;
    int x = sx, y = sy;
    for (int k = 0; k < 3; ++k) {
        r = r * 2 / 3;
        x -= r / 4;
        y -= r / 5;
        Ellipse(c.s, x, y, r, r, Style(c.accent, PART_LINE));
    }
    if (stage >= 1)
        for (int k = 0; k < 5; ++k) {
            const int angle = 100 + k * 30;
            Capsule(c.s, Toward(sx, sr * 2 / 3, angle), TowardY(sy, sr * 2 / 3, angle), U(1) / 2,
                    Toward(sx, sr - U(1), angle), TowardY(sy, sr - U(1), angle), U(1) / 2,
                    Style(c.accent, PART_FLAT, SHADE_SHADOW));
        }
}

void DrawMushroom(Ctx &c)
{
    const bool big = c.plan->index == 10;
    GroundShadow(c.s, 0, 0, big ? U(24) : U(14), U(3));
    const int stem = Material(c, {232, 214, 176});
    const int stemH = big ? U(22) : U(14), stemR = big ? U(10) : U(8);
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * stemR / 2, -U(3), U(4), U(3), Style(stem, PART_LINE));
    if (big)
        for (int side = -1; side <= 1; side += 2) {
            Capsule(c.s, side * U(8), -stemH + U(8), U(3), side * U(18), -stemH + U(14), U(2),
                    Style(stem, PART_LINE));
            Ellipse(c.s, side * U(19), -stemH + U(15), U(3), U(3), Style(stem, PART_LINE));
        }
    Ellipse(c.s, 0, -stemH / 2 - U(2), stemR, stemH / 2 + U(1), Style(stem, PART_LINE));
    const int capY = -stemH - (big ? U(8) : U(6));
    const int capRx = big ? U(30) : U(17), capRy = big ? U(16) : U(12);
    Ellipse(c.s, 0, capY, capRx, capRy, Style(c.body, PART_LINE));
    Capsule(c.s, -capRx + U(3), capY + capRy / 2, U(2), capRx - U(3), capY + capRy / 2, U(2),
            Style(c.body, PART_FLAT, SHADE_SHADOW));
    const int spots = c.accent;
    const int n = big ? 6 : 4;
    for (int k = 0; k < n; ++k) {
        const int angle = -70 + k * 140 / (n - 1);
        Ellipse(c.s, Toward(0, capRx * 3 / 5, angle), TowardY(capY, capRy * 3 / 5, angle),
                U(3) + (k % 2) * U(1), U(2) + (k % 2) * U(1), Style(spots, PART_NO_HIGHLIGHT));
    }
    const int fy = -stemH / 2;
    if (big) {
        FierceEye(c, -U(4), fy - U(2), U(2), -10, Material(c, {200, 90, 220}));
        FierceEye(c, U(4), fy - U(2), U(2), 10, Material(c, {200, 90, 220}));
    } else {
        CuteEye(c, -U(3), fy - U(1), U(2) + U(1) / 2);
        CuteEye(c, U(3), fy - U(1), U(2) + U(1) / 2);
    }
    Smile(c, 0, fy + U(4), U(2));
}

/* The star jelly floats as a broad five-pointed star, short frilled ribbons under its points. */
static void StarJelly(Ctx &c)
{
    const int cy = -U(38);
    GroundShadow(c.s, 0, 0, U(14), U(3));
    for (int k = 0; k < 3; ++k) {
        const int angle = 144 + k * 36;
        const int tx = Toward(0, U(18), angle), ty = TowardY(cy, U(18), angle);
        Curve(c.s, tx, ty, U(2), tx + (k - 1) * U(3), ty + U(8), tx - (k - 1) * U(2), ty + U(14), U(1),
              Style(c.accent, PART_LINE));
    }
    for (int k = 0; k < 5; ++k)
        Spike(c, Toward(0, U(6), k * 72 + 18), TowardY(cy, U(6), k * 72 + 18), U(20), k * 72 + 18, U(7),
              Style(c.body, PART_LINE));
    Ellipse(c.s, 0, cy, U(11), U(10), Style(c.body));
    for (int k = 0; k < 5; ++k)
        Dot(c.s, Toward(0, U(15), k * 72 + 18), TowardY(cy, U(15), k * 72 + 18), c.accent, SHADE_LIGHT);
    CuteEye(c, -U(4), cy, U(2) + U(1) / 2);
    CuteEye(c, U(4), cy, U(2) + U(1) / 2);
    Smile(c, 0, cy + U(5), U(2));
}

void DrawJelly(Ctx &c)
{
    if (c.plan->index == 100) {
        StarJelly(c);
        return;
    }
    const bool big = c.plan->stage == 2;
    GroundShadow(c.s, 0, 0, U(14), U(3));
    const int by = big ? -U(44) : -U(32);
    const int brx = big ? U(20) : U(13), bry = big ? U(15) : U(11);
    const int tentacles = big ? 6 : 4;
    const int glow = c.accent;
    for (int k = 0; k < tentacles; ++k) {
        const int tx = -brx * 3 / 4 + k * (brx * 3 / 2) / (tentacles - 1);
        const int len = big ? U(34) + (k % 2) * U(4) : U(20) + (k % 2) * U(4);
        const int wave = (k % 2 ? 1 : -1) * U(5);
        Curve(c.s, tx, by + bry / 2, U(2), tx + wave, by + len / 2, tx - wave / 2, by + len, U(1),
              Style(k % 2 ? c.body : glow, PART_LINE));
    }
    Ellipse(c.s, 0, by, brx, bry, Style(c.body));
    Capsule(c.s, -brx + U(2), by + bry - U(3), U(2), brx - U(2), by + bry - U(3), U(2),
            Style(c.belly, PART_LINE | PART_NO_HIGHLIGHT));
    for (int k = -1; k <= 1; k += 2)
        Ellipse(c.s, k * brx / 2, by - bry / 3, U(2), U(2), Style(glow, PART_NO_HIGHLIGHT));
    if (big)
        Ellipse(c.s, 0, by - bry / 2, U(3), U(3), Style(glow, PART_LINE));
    CuteEye(c, -U(4), by + U(1), c.young ? U(2) + U(1) / 2 : U(2));
    CuteEye(c, U(4), by + U(1), c.young ? U(2) + U(1) / 2 : U(2));
    Smile(c, 0, by + U(6), U(2));
    const int spark = Material(c, {255, 240, 100});
    Polygon(c.s, {brx + U(2), by - U(4), brx + U(8), by - U(8), brx + U(5), by - U(2)},
            Style(spark, PART_FLAT, SHADE_LIGHT));
}

/* No entry of the catalogue is a crab now; the body plan stays drawable as one plain crab. */
void DrawCrab(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(26), U(3));
    const int by = -U(12), brx = U(14), bry = U(8);
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; ++k)
            Tube(c.s,
                 {side * (brx - U(4) - k * U(3)), by + U(2), U(1) + U(1) / 2, side * (brx + U(4) - k * U(2)),
                  by - U(2) + k * U(2), U(1) + U(1) / 2, side * (brx + U(6) - k * U(3)), 0, U(1)},
                 Style(c.body, PART_LINE));
    Ellipse(c.s, 0, by, brx, bry, Style(c.body));
    for (int side = -1; side <= 1; side += 2) {
        const int ex = side * U(5), ey = by - bry - U(5);
        Capsule(c.s, ex, by - bry + U(2), U(1), ex, ey, U(1), Style(c.body, PART_LINE));
        Ellipse(c.s, ex, ey, U(3), U(3), Style(c.white, PART_FLAT | PART_LINE));
        Ellipse(c.s, ex - side * U(1) / 2, ey, U(1) + U(1) / 2, U(2), Style(c.eye, PART_FLAT));
        const int cx = side * (brx + U(8)), cy = by - bry - U(6);
        Capsule(c.s, side * (brx - U(2)), by - U(2), U(2), cx, cy + U(4), U(2), Style(c.body, PART_LINE));
        Ellipse(c.s, cx, cy, U(5), U(6), Style(c.accent, PART_LINE), side * 20);
    }
    Smile(c, 0, by, U(3));
}

void DrawPlant(Ctx &c)
{
    const int idx = c.plan->index;
    if (idx == 52 || idx == 53) {
        const bool tall = idx == 53;
        GroundShadow(c.s, 0, 0, U(16), U(3));
        const int pot = Material(c, tall ? Rgb{196, 150, 90} : Rgb{200, 120, 72});
        Polygon(c.s, {-U(12), -U(14), U(12), -U(14), U(9), 0, -U(9), 0}, Style(pot, PART_LINE));
        Capsule(c.s, -U(13), -U(14), U(2), U(13), -U(14), U(2), Style(pot, PART_LINE));
        const int h = tall ? U(44) : U(18), w = tall ? U(9) : U(9);
        if (tall)
            for (int side = -1; side <= 1; side += 2)
                Tube(c.s,
                     {0, -U(32) + side * U(4), U(4), side * U(16), -U(30) + side * U(4), U(4), side * U(16),
                      -U(42) + side * U(4), U(4)},
                     Style(c.body, PART_LINE));
        Capsule(c.s, 0, -U(16), w, 0, -U(14) - h, w - U(1), Style(c.body, PART_LINE));
        for (int k = -1; k <= 1; ++k)
            Capsule(c.s, k * w / 2, -U(18), U(1) / 2, k * w / 2, -U(12) - h, U(1) / 2,
                    Style(c.body, PART_FLAT, SHADE_SHADOW));
        for (int k = 0; k < (tall ? 8 : 4); ++k)
            Spike(c, (k % 2 ? 1 : -1) * w, -U(20) - k * U(5), U(3), (k % 2 ? 80 : -80), U(1) / 2,
                  Style(c.bone, PART_NO_HIGHLIGHT));
        const int fy = -U(14) - h + U(8);
        CuteEye(c, -U(3), fy, tall ? U(2) : U(2) + U(1) / 2);
        CuteEye(c, U(3), fy, tall ? U(2) : U(2) + U(1) / 2);
        Smile(c, 0, fy + U(4), U(2));
        if (tall) {
            for (int k = 0; k < 5; ++k)
                Ellipse(c.s, Toward(0, U(4), k * 72), TowardY(-U(16) - h, U(4), k * 72), U(3), U(3),
                        Style(c.accent, PART_LINE));
            Ellipse(c.s, 0, -U(16) - h, U(2), U(2), Style(Material(c, {250, 220, 80}), PART_LINE));
        } else {
            Leaf(c, 0, -U(14) - h, U(8), -30, c.body);
        }
        return;
    }
    if (idx == 72) { /* water lily: a flower face on a floating pad */
        GroundShadow(c.s, 0, 0, U(26), U(3));
        const int pad = Material(c, {80, 160, 90});
        Ellipse(c.s, 0, -U(6), U(28), U(6), Style(pad, PART_LINE));
        Polygon(c.s, {0, -U(6), U(10), -U(12), U(14), -U(8)},
                Style(Material(c, {150, 200, 240}), PART_FLAT, SHADE_LIGHT));
        for (int k = 0; k < 8; ++k) {
            const int angle = -100 + k * 28;
            Ellipse(c.s, Toward(0, U(12), angle), TowardY(-U(22), U(12), angle), U(5), U(10),
                    Style(c.accent, PART_LINE), angle);
        }
        Ellipse(c.s, 0, -U(20), U(10), U(9), Style(Material(c, {250, 220, 120}), PART_LINE));
        CuteEye(c, -U(4), -U(21), U(2) + U(1) / 2);
        CuteEye(c, U(4), -U(21), U(2) + U(1) / 2);
        Smile(c, 0, -U(16), U(2));
        Ellipse(c.s, -U(22), -U(10), U(4), U(2), Style(Material(c, {120, 190, 240}), PART_FLAT, SHADE_LIGHT));
        return;
    }
    /* Flower fairies: a small body with leaf wings and a flower or bud for a head. */
    const bool bloom = idx == 64;
    GroundShadow(c.s, 0, 0, U(12), U(3));
    const int by = bloom ? -U(20) : -U(14);
    for (int side = -1; side <= 1; side += 2) {
        Leaf(c, side * U(3), by - U(4), bloom ? U(18) : U(12), side * 60, c.body);
        if (bloom)
            Leaf(c, side * U(3), by, U(12), side * 110, c.body);
        Capsule(c.s, side * U(2), by + U(4), U(1) + U(1) / 2, side * U(3), -U(1), U(1),
                Style(c.body, PART_LINE));
    }
    Ellipse(c.s, 0, by, U(5), U(7), Style(c.body, PART_LINE));
    const int hy = by - U(14);
    if (bloom) {
        for (int k = 0; k < 6; ++k) {
            const int angle = k * 60;
            Ellipse(c.s, Toward(0, U(10), angle), TowardY(hy, U(10), angle), U(6), U(8),
                    Style(c.accent, PART_LINE), angle);
        }
    } else {
        for (int k = -1; k <= 1; ++k)
            Spike(c, k * U(3), hy - U(4), U(10), k * 20, U(4), Style(c.accent, PART_LINE));
    }
    const int face = Material(c, {250, 226, 170});
    Ellipse(c.s, 0, hy, U(8), U(7), Style(face, PART_LINE));
    CuteEye(c, -U(3), hy, U(2) + U(1) / 2);
    CuteEye(c, U(3), hy, U(2) + U(1) / 2);
    Smile(c, 0, hy + U(4), U(1) + U(1) / 2);
}

void DrawBlob(Ctx &c)
{
    GroundShadow(c.s, 0, -U(2), U(12), U(2));
    const int cy = -U(22);
    for (int k = 0; k < 5; ++k)
        Ellipse(c.s, -U(12) + k * U(6), cy - (k % 2) * U(4), U(8), U(7), Style(c.body, PART_NO_HIGHLIGHT));
    Ellipse(c.s, 0, cy + U(2), U(16), U(8), Style(c.body, PART_NO_HIGHLIGHT));
    CuteEye(c, -U(4), cy, U(2) + U(1) / 2);
    CuteEye(c, U(4), cy, U(2) + U(1) / 2);
    Ellipse(c.s, -U(9), cy + U(3), U(2), U(1), Style(c.accent, PART_FLAT));
    Ellipse(c.s, U(9), cy + U(3), U(2), U(1), Style(c.accent, PART_FLAT));
    Smile(c, 0, cy + U(4), U(2));
}

void DrawOrb(Ctx &c)
{
    GroundShadow(c.s, 0, 0, U(16), U(3));
    /* Kettle: a squat copper pot on brass feet, a curved spout puffing steam, an arched
       handle over the lid and a little flame for a knob. */
    const int cy = -U(17);
    const int brass = c.accent;
    const int wood = Material(c, {104, 66, 52});
    const int steam = Material(c, {196, 204, 222});
    Tube(c.s,
         {-U(12), cy - U(8),  U(2), -U(13), cy - U(20), U(2), -U(8), cy - U(28), U(2), 0, cy - U(30), U(2),
          U(8),   cy - U(28), U(2), U(13),  cy - U(20), U(2), U(12), cy - U(8),  U(2)},
         Style(wood, PART_LINE));
    Curve(c.s, -U(12), cy + U(2), U(4), -U(24), cy, -U(26), cy - U(13), U(2),
          Style(c.body, PART_FLAT | PART_LINE, SHADE_BASE));
    Ellipse(c.s, -U(26), cy - U(14), U(2) + U(1) / 2, U(1) + U(1) / 2, Style(c.body, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, -U(25) + k * U(3), cy - U(19) - k * U(6), U(2) + k * U(1), U(2) + k * U(1) / 2,
                Style(steam, PART_LINE | PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(10), -U(2), U(3), U(2), Style(brass, PART_LINE));
    Ellipse(c.s, 0, cy, U(17), U(14), Style(c.body, PART_LINE));
    Capsule(c.s, -U(15), cy + U(8), U(2), U(15), cy + U(8), U(2), Style(brass, PART_NO_HIGHLIGHT));
    /* A shine on the copper, from the light at the upper left. */
    Capsule(c.s, -U(11), cy - U(7), U(1), -U(13), cy + U(1), U(1), Style(c.body, PART_FLAT, SHADE_HIGHLIGHT));
    Ellipse(c.s, 0, cy - U(12), U(10), U(3), Style(brass, PART_LINE));
    Ellipse(c.s, 0, cy - U(14), U(7), U(2), Style(c.body, PART_LINE));
    Flame(c, 0, cy - U(14), U(8), Material(c, {255, 150, 50}));
    CuteEye(c, -U(6), cy - U(3), U(3));
    CuteEye(c, U(6), cy - U(3), U(3));
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(11), cy + U(1), U(2), U(1), Style(Material(c, {240, 120, 110}), PART_FLAT));
    Ellipse(c.s, 0, cy + U(2), U(2), U(1) + U(1) / 2, Style(c.mouth, PART_FLAT));
}

/* The icon shows the face of the charcoal marmot kit. */
static const int ICON_ENTRY = 5;

Raster DrawIconHead(int size, std::vector<uint8_t> &opaque)
{
    const CreaturePlan &plan = CREATURE_PLANS[ICON_ENTRY];
    const int zoom = Q8_ONE * size / 32;
    Ctx c = MakeCtx(plan, 0, zoom, size, U(size / 2), U(size / 2));
    c.s.clipMin = 1;
    c.s.clipMax = size - 2;
    c.body = Material(c, plan.bodyColour);
    c.belly = Material(c, Mix(plan.bodyColour, {250, 236, 200}, 120));
    c.accent = Material(c, plan.accentColour);
    c.eye = AddMaterial(c.s, FlatRamp({34, 26, 44}, {20, 14, 28}));
    c.white = AddMaterial(c.s, FlatRamp(WHITE, {20, 14, 28}));
    /* The marmot kit's face: round ears, coal-bright cheek pouches, a dark nose. */
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(9), -U(8), U(4), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, 0, U(1), U(14), U(12), Style(c.body, PART_LINE));
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * U(9), U(6), U(5), U(4), Style(c.accent, PART_LINE));
    Ellipse(c.s, 0, U(6), U(4), U(3), Style(c.belly, PART_NO_HIGHLIGHT));
    Ellipse(c.s, 0, U(4), U(2), U(1) + U(1) / 2, Style(c.eye, PART_FLAT));
    CuteEye(c, -U(5), -U(1), U(3));
    CuteEye(c, U(5), -U(1), U(3));
    Raster r = FinishSprite(c.s);
    opaque.assign(size * size, 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int i = y * size + x;
            /* Painted or outlined pixels are opaque; the rest shows the desktop. */
            opaque[i] = GetPixel(r, x, y) != WHITE || c.s.material[i] != 0;
            if (!opaque[i])
                SetPixel(r, x, y, BLACK);
        }
    return r;
}

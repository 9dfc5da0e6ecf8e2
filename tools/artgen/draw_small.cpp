/* Round and simple body plans: pond snails, bracket fungi, jellyfish, barrel cacti, the water
   lily, the cloud puff, the star jelly and the kettle, each shaped per entry; and the program
   icon's head. */
#include "creature_drawers.h"

#include <vector>

/* Entries with looks of their own within their body plan. */
static const int BRACKET_STACK_ENTRY = 10;
static const int CACTUS_ROLLER_ENTRY = 53;
static const int WATER_LILY_ENTRY = 72;

/* (x, y) turned about (cx, cy) by angle degrees, clockwise on the picture. */
static void Turn(int cx, int cy, int angle, int &x, int &y)
{
    const int dx = x - cx, dy = y - cy;
    const int cosA = CosQ12(angle), sinA = SinQ12(angle);
    x = cx + (dx * cosA - dy * sinA) / 4096;
    y = cy + (dx * sinA + dy * cosA) / 4096;
}

/* A pointed petal from (x, y) toward angle: widest a little past its middle, one outlined part. */
static void Petal(Ctx &c, int x, int y, int length, int angle, int halfWidth, PartStyle style)
{
    static const int ALONG[8] = {0, 25, 55, 85, 100, 85, 55, 25};     /* percent of the length */
    static const int ACROSS[8] = {0, 80, 100, 50, 0, -50, -100, -80}; /* percent of the half width */
    std::vector<int> xy;
    for (int k = 0; k < 8; ++k) {
        const int d = length * ALONG[k] / 100, w = halfWidth * ACROSS[k] / 100;
        xy.push_back(Toward(Toward(x, d, angle), w, angle + 90));
        xy.push_back(TowardY(TowardY(y, d, angle), w, angle + 90));
    }
    Polygon(c.s, xy, style);
}

/* A lightning bolt from (x, y) downward, h high: a slanted slab and a pointed tail. */
static void Bolt(Ctx &c, int x, int y, int h, int material)
{
    const int w = h / 4;
    const PartStyle style = Style(material, PART_LINE | PART_NO_HIGHLIGHT);
    Polygon(c.s, {x + w, y, x + w * 3, y, x + w, y + h / 2, x - w, y + h / 2}, style);
    Polygon(c.s, {x - w / 2, y + h / 2 - w, x + w * 2, y + h / 2 - w, x - w, y + h}, style);
}

/* Pond snails face left: a soft foot and a round head in front, the shell on the back. The young
   snail is mostly body under a tiny shell, the grown one carries a round ridged shell, and the
   great one a tall spire of whorls crusted with mussels. */
void DrawShellblob(Ctx &c)
{
    const int stage = c.plan->stage - 1; /* 0, 1, 2 */
    GroundShadow(c.s, 0, 0, U(24), U(3));
    const int tail = U(20) + stage * U(3);
    Tube(c.s, {-U(14), -U(7), U(7), U(4), -U(6), U(5), tail, -U(3), U(2)}, Style(c.body, PART_LINE));
    /* Shell, drawn before the head so the neck overlaps its opening. */
    if (stage == 0) {
        Ellipse(c.s, U(6), -U(15), U(8), U(7), Style(c.accent, PART_LINE));
        Ellipse(c.s, U(8), -U(16), U(5), U(4), Style(c.accent, PART_LINE));
        Ellipse(c.s, U(9), -U(17), U(2), U(2), Style(c.accent, PART_LINE));
    } else if (stage == 1) {
        const int sx = U(6), sy = -U(21), sr = U(15);
        Ellipse(c.s, sx, sy, sr, sr, Style(c.accent, PART_LINE));
        /* Growth ridges run across the whorl, from the spiral out to the rim. */
        for (int k = 0; k < 9; ++k) {
            const int angle = -150 + k * 34;
            Capsule(c.s, Toward(sx, sr * 11 / 20, angle), TowardY(sy, sr * 11 / 20, angle), U(1) * 3 / 4,
                    Toward(sx, sr - U(1), angle), TowardY(sy, sr - U(1), angle), U(1) * 3 / 4,
                    Style(c.accent, PART_FLAT, SHADE_SHADOW));
        }
        Ellipse(c.s, sx + U(2), sy - U(1), sr / 2, sr / 2, Style(c.accent, PART_LINE));
        Ellipse(c.s, sx + U(3), sy - U(2), sr / 5, sr / 5, Style(c.accent, PART_LINE));
    } else {
        /* A tall spire leaning back: whorls from the apex down, each lower one over the last. */
        static const int WHORL[5][4] = {
            {U(17), -U(58), U(3),  U(3) }, /* apex */
            {U(15), -U(51), U(6),  U(5) }, /* fourth whorl */
            {U(12), -U(42), U(9),  U(7) }, /* third whorl */
            {U(9),  -U(31), U(12), U(9) }, /* second whorl */
            {U(6),  -U(17), U(16), U(12)}, /* body whorl */
        };
        Spike(c, U(18), -U(59), U(6), 20, U(2), Style(c.accent, PART_LINE));
        for (int k = 0; k < 5; ++k)
            Ellipse(c.s, WHORL[k][0], WHORL[k][1], WHORL[k][2], WHORL[k][3], Style(c.accent, PART_LINE), 15);
        /* Freshwater mussels crusted on the whorls, each a dark pair of valves with a pale edge. */
        const int mussel = Material(c, {58, 66, 104});
        static const int MUSSEL[5][3] = {
            {U(14), -U(22), 30 }, /* on the body whorl */
            {U(4),  -U(26), -40}, /* on the body whorl, higher */
            {U(18), -U(34), 70 }, /* on the second whorl */
            {U(8),  -U(40), -20}, /* on the third whorl */
            {U(16), -U(10), 100}, /* low on the body whorl */
        };
        for (int k = 0; k < 5; ++k) {
            Ellipse(c.s, MUSSEL[k][0], MUSSEL[k][1], U(3), U(5), Style(mussel, PART_LINE), MUSSEL[k][2]);
            Ellipse(c.s, Toward(MUSSEL[k][0], U(2), MUSSEL[k][2] - 90),
                    TowardY(MUSSEL[k][1], U(2), MUSSEL[k][2] - 90), U(1), U(3),
                    Style(mussel, PART_FLAT, SHADE_HIGHLIGHT), MUSSEL[k][2]);
        }
    }
    /* Head on a short neck: the young snail has flat feelers splayed to the sides, the grown
       ones lift thin antennae in a wide V. */
    const int hr = stage == 0 ? U(10) : U(9);
    const int hx = -U(16), hy = -U(13) - stage * U(2);
    for (int side = -1; side <= 1; side += 2) {
        const int bx = hx + side * U(4), by = hy - hr + U(3);
        if (stage == 0) {
            Spike(c, hx + side * U(7), hy - U(4), U(9), side * 80, U(2), Style(c.body, PART_LINE));
            continue;
        }
        const int angle = side * 38 - 10, tx = Toward(bx, U(15), angle), ty = TowardY(by, U(15), angle);
        Curve(c.s, bx, by, U(1) + U(1) / 2, Toward(bx, U(8), angle - side * 15),
              TowardY(by, U(8), angle - side * 15), tx, ty, U(1), Style(c.body, PART_LINE));
        Ellipse(c.s, tx, ty, U(2), U(2), Style(c.body, PART_LINE));
    }
    Capsule(c.s, hx + U(6), -U(6), U(7), hx, hy, hr, Style(c.body, PART_LINE));
    const int eyeR = stage == 0 ? U(3) : U(2) + U(1) / 2;
    CuteEye(c, hx - U(4), hy - U(1), eyeR);
    CuteEye(c, hx + U(4), hy - U(1), eyeR);
    Smile(c, hx, hy + U(4), U(2));
}

/* One bracket-fungus shelf seen a little from above, growing from its host at (x, y) toward
   angle: a half disc reach long and halfWidth to each side, growth bands round the host, and the
   pale pore side showing under the rim, under deep. */
static void BracketShelf(Ctx &c, int x, int y, int reach, int halfWidth, int angle, int under)
{
    const int inner = Material(c, Darker(c.plan->bodyColour, 25));
    /* The pore side first, then the bands from the growing edge in to the host. */
    const int bandMaterial[5] = {c.accent, c.accent, c.body, inner, c.body};
    for (int band = 0; band < 5; ++band) {
        static const int SCALE[5] = {8, 8, 7, 5, 3}; /* eighths of the full size */
        const int scale = SCALE[band];
        std::vector<int> xy;
        for (int k = 0; k <= 12; ++k) {
            const int a = -90 + k * 15;
            const int d = reach * scale / 8 * CosQ12(a) / 4096, w = halfWidth * scale / 8 * SinQ12(a) / 4096;
            xy.push_back(Toward(Toward(x, d, angle), w, angle + 90));
            xy.push_back(TowardY(TowardY(y, d, angle), w, angle + 90) + (band == 0 ? under : 0));
        }
        Polygon(c.s, xy, Style(bandMaterial[band], PART_LINE));
        if (band == 0)
            /* The growing edge is lobed, not a clean arc. */
            for (int k = 1; k < 6; ++k) {
                const int lobe = (reach < halfWidth ? reach : halfWidth) / 4;
                const int a = -90 + k * 30, d = reach * CosQ12(a) / 4096, w = halfWidth * SinQ12(a) / 4096;
                Ellipse(c.s, Toward(Toward(x, d, angle), w, angle + 90),
                        TowardY(TowardY(y, d, angle), w, angle + 90) + under / 2, lobe, lobe,
                        Style(c.accent, PART_LINE));
            }
    }
}

/* A broad bracket shelf round the front of its host, seen a little from above: the pale pore rim
   under it, then growth bands narrowing back to the host, and a lobed growing edge. */
static void FrontShelf(Ctx &c, int x, int y, int halfWidth, int depth)
{
    const int inner = Material(c, Darker(c.plan->bodyColour, 25));
    const int TILT = -7;
    Ellipse(c.s, x, y + depth / 3, halfWidth, depth * 2 / 3, Style(c.accent, PART_LINE), TILT);
    for (int k = -3; k <= 3; ++k)
        Ellipse(c.s, x + k * halfWidth * 2 / 7, y + depth / 2 - (k * k) * depth / 30 - k * halfWidth / 24,
                depth / 3, depth / 3, Style(c.accent, PART_LINE));
    Ellipse(c.s, x, y, halfWidth, depth * 2 / 3, Style(c.accent, PART_LINE), TILT);
    Ellipse(c.s, x, y - depth / 8, halfWidth * 7 / 8, depth / 2, Style(c.body, PART_LINE), TILT);
    Ellipse(c.s, x, y - depth / 5, halfWidth * 5 / 8, depth * 3 / 8, Style(inner, PART_LINE), TILT);
    Ellipse(c.s, x, y - depth / 4, halfWidth * 3 / 8, depth / 4, Style(c.body, PART_LINE), TILT);
}

/* Bracket fungi: the young one is a single shelf on a stick, hugging it and peering out from
   under its rim; the grown one is a walking stump on root feet carrying three shelves up its
   sides, its face under the rim of the broad middle one. */
void DrawMushroom(Ctx &c)
{
    const int wood = Material(c, {122, 92, 70});
    if (c.plan->index != BRACKET_STACK_ENTRY) {
        GroundShadow(c.s, -U(4), 0, U(12), U(3));
        Capsule(c.s, -U(10), -U(1), U(4), -U(13), -U(52), U(3), Style(wood, PART_LINE));
        Capsule(c.s, -U(12), -U(44), U(2), -U(2), -U(52), U(1) + U(1) / 2, Style(wood, PART_LINE));
        Leaf(c, -U(2), -U(52), U(12), 60, Material(c, {110, 170, 80}));
        BracketShelf(c, -U(11), -U(32), U(33), U(13), 90, U(8));
        /* Little pale hands hug the stick under the shelf. */
        for (int side = -1; side <= 1; side += 2)
            Ellipse(c.s, -U(11) + side * U(4), -U(16) + side * U(2), U(3), U(2) + U(1) / 2,
                    Style(c.accent, PART_LINE));
        CuteEye(c, U(1), -U(16), U(3));
        CuteEye(c, U(11), -U(19), U(3));
        return;
    }
    GroundShadow(c.s, 0, 0, U(24), U(3));
    /* Root feet splay out from the stump's foot. */
    for (int side = -1; side <= 1; side += 2) {
        Tube(c.s, {side * U(8), -U(10), U(4), side * U(17), -U(5), U(3), side * U(22), -U(1), U(2)},
             Style(wood, PART_LINE));
        Tube(c.s, {side * U(4), -U(8), U(4), side * U(7), -U(3), U(4)}, Style(wood, PART_LINE));
        Ellipse(c.s, side * U(8), -U(2), U(5), U(3), Style(wood, PART_LINE));
    }
    /* A sawn stump: its cut top shows the rings, a sprig grows from one side. */
    Capsule(c.s, -U(8), -U(44), U(1) + U(1) / 2, -U(18), -U(56), U(1), Style(wood, PART_LINE));
    Leaf(c, -U(18), -U(56), U(12), -40, Material(c, {110, 170, 80}));
    Capsule(c.s, 0, -U(12), U(14), 0, -U(46), U(13), Style(wood, PART_LINE));
    for (int k = -1; k <= 1; ++k)
        Capsule(c.s, k * U(6), -U(14), U(1) * 3 / 4, k * U(7), -U(46), U(1) * 3 / 4,
                Style(wood, PART_FLAT, SHADE_SHADOW));
    const int cut = Material(c, {206, 170, 120});
    Ellipse(c.s, 0, -U(50), U(13), U(5), Style(cut, PART_LINE));
    Ellipse(c.s, 0, -U(50), U(8), U(3), Style(cut, PART_LINE | PART_FLAT, SHADE_LIGHT));
    Ellipse(c.s, 0, -U(50), U(3), U(1), Style(wood, PART_FLAT, SHADE_SHADOW));
    /* Three shelves at three heights, each clear of the others: a small one high on the right, a
       small one low on the left, and the broad one round the front between them. */
    BracketShelf(c, U(11), -U(42), U(16), U(6), 90, U(4));
    BracketShelf(c, -U(11), -U(14), U(15), U(6), -90, U(4));
    FrontShelf(c, U(3), -U(30), U(24), U(8));
    const int spore = Material(c, {186, 96, 206});
    FierceEye(c, -U(5), -U(19), U(3) + U(1) / 2, 8, spore);
    FierceEye(c, U(7), -U(20), U(3) + U(1) / 2, -8, spore);
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

/* A hooked spine from (x, y) outward toward angle, its tip curling round toward curl. */
static void HookedSpine(Ctx &c, int x, int y, int length, int angle, int curl)
{
    const int tx = Toward(Toward(x, length * 3 / 4, angle), length / 3, angle + curl);
    const int ty = TowardY(TowardY(y, length * 3 / 4, angle), length / 3, angle + curl);
    Curve(c.s, x, y, U(1) + U(1) / 4, Toward(x, length, angle), TowardY(y, length, angle), tx, ty,
          U(1) * 3 / 4, Style(c.bone, PART_LINE | PART_NO_HIGHLIGHT));
}

/* A ribbed barrel-cactus ball of radius r, its crown turned by turn degrees from the top: ribs run
   from the crown round to the far pole, with woolly spine cushions along them. */
static void BarrelBall(Ctx &c, int cx, int cy, int r, int turn)
{
    Ellipse(c.s, cx, cy, r, r, Style(c.body, PART_LINE));
    for (int k = -2; k <= 2; ++k) {
        int x0 = cx, y0 = cy - r * 9 / 10, xc = cx + k * r * 19 / 20, yc = cy, x1 = cx, y1 = cy + r * 9 / 10;
        Turn(cx, cy, turn, x0, y0);
        Turn(cx, cy, turn, xc, yc);
        Turn(cx, cy, turn, x1, y1);
        Curve(c.s, x0, y0, U(1) * 3 / 4, xc, yc, x1, y1, U(1) * 3 / 4,
              Style(c.body, PART_FLAT, SHADE_SHADOW));
        for (int t = 1; t <= 3; t += 2) {
            /* A point a quarter or three quarters along the rib's curve. */
            const int ax = (x0 * (4 - t) * (4 - t) + 2 * xc * t * (4 - t) + x1 * t * t) / 16;
            const int ay = (y0 * (4 - t) * (4 - t) + 2 * yc * t * (4 - t) + y1 * t * t) / 16;
            Ellipse(c.s, ax, ay, U(1) + U(1) / 2, U(1) + U(1) / 2, Style(c.bone, PART_NO_HIGHLIGHT));
        }
    }
}

/* Barrel cacti: the sprout is a round ball on two root nubs, a ring of hooked spines round its
   crown; the grown one rolls along on its side, crown and ring of seed pods turned forward, dust
   puffing up behind it. */
static void BarrelCactus(Ctx &c, bool rolling)
{
    if (!rolling) {
        const int cy = -U(17), r = U(15);
        GroundShadow(c.s, 0, 0, U(16), U(3));
        const int root = Material(c, {150, 104, 70});
        for (int side = -1; side <= 1; side += 2)
            Ellipse(c.s, side * U(7), -U(2), U(5), U(3), Style(root, PART_LINE));
        for (int k = 0; k < 9; ++k) {
            const int angle = -72 + k * 18;
            HookedSpine(c, Toward(0, r - U(2), angle), TowardY(cy, r - U(2), angle), U(9), angle,
                        angle < 0 ? -110 : 110);
        }
        BarrelBall(c, 0, cy, r, 0);
        Ellipse(c.s, 0, cy - r + U(2), U(4), U(2), Style(c.accent, PART_LINE));
        CuteEye(c, -U(5), cy + U(1), U(3));
        CuteEye(c, U(5), cy + U(1), U(3));
        Smile(c, 0, cy + U(7), U(2));
        return;
    }
    const int cy = -U(21), r = U(20), turn = -70;
    GroundShadow(c.s, U(6), 0, U(26), U(3));
    const int dust = Material(c, {228, 210, 176});
    static const int PUFF[4][3] = {
        {U(20), -U(5),  U(7)}, /* nearest, at the ball's heel */
        {U(29), -U(10), U(6)}, /* rising behind */
        {U(35), -U(3),  U(5)}, /* low behind */
        {U(40), -U(12), U(3)}, /* thinning out */
    };
    for (int k = 3; k >= 0; --k)
        Ellipse(c.s, PUFF[k][0], PUFF[k][1], PUFF[k][2], PUFF[k][2] * 4 / 5, Style(dust, PART_NO_HIGHLIGHT));
    /* Spines stand out all round the ball, hooked against the roll. */
    for (int k = 0; k < 10; ++k) {
        const int angle = k * 36 + 10;
        HookedSpine(c, Toward(0, r - U(2), angle), TowardY(cy, r - U(2), angle), U(9), angle, -110);
    }
    BarrelBall(c, 0, cy, r, turn);
    /* The crown and its ring of seed pods, seen at a slant on the ball's forward side. */
    int crownX = 0, crownY = cy - r * 7 / 10;
    Turn(0, cy, turn, crownX, crownY);
    for (int k = 0; k < 6; ++k) {
        int px = SinQ12(k * 60) * U(9) / 4096, py = cy - r * 7 / 10 + CosQ12(k * 60) * U(4) / 4096;
        Turn(0, cy, turn, px, py);
        /* Each pod a plump berry with a dried tip on its outer side. */
        Ellipse(c.s, px, py, U(3), U(3), Style(c.accent, PART_LINE));
        Ellipse(c.s, px + (px - crownX) / 4, py + (py - crownY) / 4, U(1), U(1), Style(c.dark, PART_FLAT));
    }
    Ellipse(c.s, crownX, crownY, U(2), U(2), Style(c.accent, PART_FLAT | PART_LINE, SHADE_SHADOW));
    /* An eager face, brows pressed low, mouth open with effort. */
    for (int side = -1; side <= 1; side += 2) {
        CuteEye(c, U(3) + side * U(6), cy + U(1), U(3));
        Capsule(c.s, U(3) + side * U(9), cy - U(6), U(1), U(3) + side * U(3), cy - U(4), U(1),
                Style(c.dark, PART_FLAT));
    }
    Ellipse(c.s, U(3), cy + U(9), U(4), U(3), Style(c.mouth, PART_FLAT | PART_LINE));
    Ellipse(c.s, U(3), cy + U(11), U(2), U(1), Style(Material(c, {240, 120, 120}), PART_FLAT));
}

/* The water lily rests in its notched pad on a ring of water: two rows of pointed petals round
   a golden heart with its face. */
static void WaterLily(Ctx &c)
{
    const int water = Material(c, {150, 196, 236});
    const int pad = Material(c, {70, 150, 84});
    const int heart = Material(c, {250, 214, 100});
    const int pale = Material(c, Mix(c.plan->accentColour, WHITE, 110));
    Ellipse(c.s, 0, -U(9), U(36), U(10), Style(water, PART_NO_HIGHLIGHT));
    Ellipse(c.s, 0, -U(10), U(29), U(8), Style(pad, PART_LINE));
    Polygon(c.s, {0, -U(10), U(18), -U(3), U(9), -U(2)}, Style(water, PART_FLAT | PART_LINE, SHADE_LIGHT));
    const int fy = -U(24);
    for (int k = 0; k < 7; ++k)
        Petal(c, 0, fy + U(4), U(24), -81 + k * 27, U(7), Style(c.accent, PART_LINE));
    for (int k = 0; k < 4; ++k)
        Petal(c, 0, fy + U(4), U(18), -54 + k * 36, U(6), Style(pale, PART_LINE));
    for (int k = 0; k < 2; ++k)
        Petal(c, 0, fy + U(2), U(18), 110 + k * 140, U(7), Style(c.accent, PART_LINE));
    Ellipse(c.s, 0, fy, U(10), U(8), Style(heart, PART_LINE));
    CuteEye(c, -U(4), fy - U(1), U(3));
    CuteEye(c, U(4), fy - U(1), U(3));
    Smile(c, 0, fy + U(4), U(2));
}

void DrawPlant(Ctx &c)
{
    const int idx = c.plan->index;
    if (idx == WATER_LILY_ENTRY)
        WaterLily(c);
    else
        BarrelCactus(c, idx == CACTUS_ROLLER_ENTRY);
}

/* The cloud puff baby: a heap of soft puffs over a grey underside, a drizzle falling from it. */
void DrawBlob(Ctx &c)
{
    const int cy = -U(32);
    GroundShadow(c.s, 0, 0, U(14), U(2));
    const int rain = Material(c, {110, 164, 232});
    for (int k = 0; k < 6; ++k) {
        const int x = -U(13) + k * U(5) + (k % 2) * U(1), y = cy + U(14) + (k % 2) * U(7);
        Spike(c, x, y - U(1), U(4), 0, U(2), Style(rain, PART_NO_HIGHLIGHT));
        Ellipse(c.s, x, y, U(2) + U(1) / 2, U(3), Style(rain, PART_NO_HIGHLIGHT));
    }
    Ellipse(c.s, 0, cy + U(4), U(18), U(7), Style(c.body, PART_FLAT, SHADE_SHADOW));
    static const int PUFF[4][3] = {
        {-U(10), -U(1), U(9) }, /* left */
        {U(1),   -U(6), U(12)}, /* crown */
        {U(12),  0,     U(8) }, /* right */
        {-U(16), U(3),  U(5) }, /* small one on the left edge */
    };
    for (int k = 0; k < 4; ++k)
        Ellipse(c.s, PUFF[k][0], cy + PUFF[k][1], PUFF[k][2], PUFF[k][2], Style(c.body, PART_NO_HIGHLIGHT));
    Ellipse(c.s, 0, cy + U(2), U(17), U(7), Style(c.body, PART_NO_HIGHLIGHT));
    CuteEye(c, -U(5), cy, U(3));
    CuteEye(c, U(5), cy, U(3));
    Ellipse(c.s, -U(10), cy + U(4), U(2), U(1), Style(c.accent, PART_FLAT));
    Ellipse(c.s, U(10), cy + U(4), U(2), U(1), Style(c.accent, PART_FLAT));
    Smile(c, 0, cy + U(5), U(2));
}

/* ---- The star jelly ---- */

/* Cool milky jelly: a ramp of its own, since the shared one warms its lights toward cream. */
static const Rgb JELLY_OUTLINE = {92, 84, 150}; /* dark lilac-blue */
static Ramp JellyRamp()
{
    Ramp ramp;
    ramp.shade[SHADE_OUTLINE] = JELLY_OUTLINE;
    ramp.shade[SHADE_SHADOW] = {166, 164, 214};
    ramp.shade[SHADE_BASE] = {198, 202, 236}; /* milky pale lilac-blue */
    ramp.shade[SHADE_LIGHT] = {214, 220, 246};
    ramp.shade[SHADE_HIGHLIGHT] = {228, 234, 252}; /* kept off the near-white band */
    return ramp;
}
static const Rgb STAR_GLOW = {234, 220, 190};
static const Rgb FACE_MARK = {110, 104, 168};

/* A four-pointed twinkle of light: two crossed diamonds, each arm at least two pixels wide. Inside
   the jelly it has no outline, so it glows; outside, the silhouette outline rings it. */
static void Twinkle(Ctx &c, int x, int y, int size, int material)
{
    const int w = size / 4 > U(1) ? size / 4 : U(1);
    Polygon(c.s, {x, y - size, x + w, y, x, y + size, x - w, y}, Style(material, PART_FLAT));
    Polygon(c.s, {x - size, y, x, y - w, x + size, y, x, y + w}, Style(material, PART_FLAT));
}

/* A drop of jelly flung outward toward angle: round, with its tail pointing back to the heap. */
static void FlungDrop(Ctx &c, int x, int y, int r, int angle, int material)
{
    Spike(c, x, y, r * 2, angle + 180, r * 3 / 4, Style(material, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, x, y, r, r, Style(material, PART_LINE));
}

/* The star jelly: a tall quivering drop of milky jelly slumped on the grass, broad at its foot and
   leaning at its soft tip, a small star glowing deep in its belly, a faint calm face; drops of jelly
   flung off as it wobbles and a few sparkles round it. */
void DrawStarJelly(Ctx &c)
{
    const int jelly = AddMaterial(c.s, JellyRamp());
    const int glow = Material(c, STAR_GLOW), star = c.accent;
    const int face = AddMaterial(c.s, FlatRamp(FACE_MARK, JELLY_OUTLINE));
    const int grass = Material(c, {110, 170, 84});
    GroundShadow(c.s, 0, 0, U(28), U(3));
    /* Blades of grass it lies on, poking up at its foot. */
    static const int BLADES[][3] = {
        {-U(26), U(9), -20}, /* left, leaning out */
        {-U(21), U(7), 10 }, /* left, leaning in */
        {U(22),  U(8), 15 }, /* right, leaning out */
        {U(27),  U(6), -10}, /* right, leaning in */
    };
    for (const int *b : BLADES)
        Spike(c, b[0], -U(1), b[1], b[2], U(1) + U(1) / 2, Style(grass, PART_LINE | PART_NO_HIGHLIGHT));
    /* The heap: a slumped foot spreading on the grass, a plump belly and a soft tip leaning left. */
    Ellipse(c.s, 0, -U(9), U(28), U(9), Style(jelly, PART_LINE));
    Ellipse(c.s, U(22), -U(5), U(11), U(5), Style(jelly, PART_BEHIND));
    Ellipse(c.s, 0, -U(26), U(23), U(21), Style(jelly));
    Curve(c.s, U(1), -U(40), U(14), U(1), -U(52), -U(6), -U(58), U(6), Style(jelly));
    /* Light passing through: a clear inner heap and a shine down its left side. */
    Ellipse(c.s, U(2), -U(22), U(16), U(14), Style(jelly, PART_FLAT, SHADE_LIGHT));
    Curve(c.s, -U(15), -U(38), U(2), -U(19), -U(27), -U(16), -U(16), U(1) + U(1) / 2,
          Style(jelly, PART_FLAT, SHADE_HIGHLIGHT));
    Capsule(c.s, -U(8), -U(54), U(1) + U(1) / 2, -U(6), -U(47), U(1),
            Style(jelly, PART_FLAT, SHADE_HIGHLIGHT));
    /* The star deep inside, a warm ring of glow round it. */
    const int sx = U(2), sy = -U(17);
    Ellipse(c.s, sx, sy, U(10), U(9), Style(glow, PART_FLAT, SHADE_BASE));
    Ellipse(c.s, sx, sy, U(7), U(6), Style(glow, PART_FLAT, SHADE_LIGHT));
    Twinkle(c, sx, sy, U(9), star);
    Ellipse(c.s, sx, sy, U(3), U(3), Style(star, PART_FLAT, SHADE_HIGHLIGHT));
    /* A faint calm face above the star: soft eyes with a light catch and a small smile. */
    const int fy = -U(36);
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(6), fy, U(2) + U(1) / 2, U(3), Style(face, PART_FLAT));
        Ellipse(c.s, side * U(6) - U(1), fy - U(1), U(1), U(1), Style(c.white, PART_FLAT));
    }
    Curve(c.s, -U(3), fy + U(5), U(1) / 2 + U(1) / 4, 0, fy + U(8), U(3), fy + U(5), U(1) / 2 + U(1) / 4,
          Style(face, PART_FLAT));
    /* Drops flung off its wobbling sides. */
    FlungDrop(c, -U(30), -U(38), U(3), -60, jelly);
    FlungDrop(c, U(27), -U(46), U(3), 50, jelly);
    FlungDrop(c, U(32), -U(26), U(2), 80, jelly);
    /* Sparkles left by the falling star. */
    Twinkle(c, -U(20), -U(56), U(4), star);
    Twinkle(c, U(16), -U(62), U(3), star);
    Twinkle(c, -U(33), -U(20), U(3), star);
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

/* The icon shows the face of a charcoal marmot kit, in colours of its own so that it stays as it
   is whatever the entry it was first drawn from becomes. */
static const int ICON_ENTRY = 5;
static const Rgb ICON_FUR = {84, 74, 70};
static const Rgb ICON_COAL = {246, 124, 36};

Raster DrawIconHead(int size, std::vector<uint8_t> &opaque)
{
    const CreaturePlan &plan = CREATURE_PLANS[ICON_ENTRY];
    const int zoom = Q8_ONE * size / 32;
    Ctx c = MakeCtx(plan, 0, zoom, size, U(size / 2), U(size / 2));
    c.s.clipMin = 1;
    c.s.clipMax = size - 2;
    c.body = Material(c, ICON_FUR);
    c.belly = Material(c, Mix(ICON_FUR, {250, 236, 200}, 120));
    c.accent = Material(c, ICON_COAL);
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

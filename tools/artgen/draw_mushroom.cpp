/* Pictures of the plan rows whose body is BODY_MUSHROOM, the bracket fungi: one shelf hugging a stick and a
   walking stump of three shelves. */
#include "creature_drawers.h"

#include <vector>

/* Entries with looks of their own within their body plan. */
static const int BRACKET_STACK_ENTRY = 10;

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

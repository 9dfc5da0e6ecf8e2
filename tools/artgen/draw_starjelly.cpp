/* Pictures of the plan rows whose body is BODY_STARJELLY, the star jelly, a tall drop of milky jelly with a
   star glowing in its belly. */
#include "creature_drawers.h"

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

/* Pictures of the plan rows whose body is BODY_FULGURITE, tubes of sand fused by lightning that walk:
   a short knobbly tube on three branch legs and a great branching root of glass. */
#include "creature_drawers.h"

static const Rgb SPARK_YELLOW = {255, 224, 70};

/* A crooked branch of crusted glass from (x, y) toward angle, bending at its middle; forks adds
   two shorter twigs at its end. */
static void Branch(Ctx &c, int x, int y, int len, int angle, int bend, int r, int forks, int crust)
{
    const int mx = Toward(x, len / 2, angle), my = TowardY(y, len / 2, angle);
    const int ex = Toward(mx, len / 2, angle + bend), ey = TowardY(my, len / 2, angle + bend);
    Tube(c.s, {x, y, r, mx, my, r * 3 / 4, ex, ey, r / 2}, Style(crust, PART_LINE));
    Ellipse(c.s, mx, my, r * 3 / 4 + U(1) / 2, r * 3 / 4 + U(1) / 2, Style(crust, PART_LINE));
    for (int k = 0; k < forks; ++k) {
        const int side = k == 0 ? -1 : 1;
        Tube(c.s,
             {ex, ey, r / 2, Toward(ex, len / 3, angle + bend + side * 35),
              TowardY(ey, len / 3, angle + bend + side * 35), std::max(r / 4, U(1))},
             Style(crust, PART_LINE));
    }
}

/* A zigzag spark from (x0, y0) to (x1, y1) in three kinks. */
static void Arc(Ctx &c, int x0, int y0, int x1, int y1, int jag, int material)
{
    const int dx = (x1 - x0) / 4, dy = (y1 - y0) / 4;
    Tube(c.s,
         {x0, y0, Px(c, 1), x0 + dx - jag, y0 + dy - jag, Px(c, 1), x0 + dx * 2 + jag, y0 + dy * 2 + jag,
          Px(c, 1), x0 + dx * 3 - jag, y0 + dy * 3 - jag, Px(c, 1), x1, y1, Px(c, 1)},
         Style(material, PART_LINE | PART_NO_HIGHLIGHT));
}

/* The open mouth of a tube: dark glossy glass inside, two bright eyes looking out. */
static void TubeMouth(Ctx &c, int x, int y, int rx, int glass, int spark)
{
    Ellipse(c.s, x, y, rx + U(2), rx / 2 + U(3), Style(c.body, PART_LINE));
    Ellipse(c.s, x, y, rx, rx / 2 + U(1), Style(glass, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, x - rx / 3, y - rx / 8, rx / 2, rx / 5, Style(glass, PART_FLAT, SHADE_LIGHT));
    for (int side = -1; side <= 1; side += 2) {
        const int ex = x + side * rx * 2 / 5, ey = y + U(1);
        Ellipse(c.s, ex, ey, rx / 4 + U(1) / 2, rx / 4 + U(1),
                Style(spark, PART_FLAT | PART_LINE, SHADE_LIGHT));
        Ellipse(c.s, ex + U(1) / 2, ey + U(1) / 2, Px(c, 1), rx / 6 + U(1) / 2, Style(c.eye, PART_FLAT));
    }
}

/* Patches where the crust has broken off and the green glass shows, glossy. */
static void GlassPatch(Ctx &c, int x, int y, int r, int glass)
{
    Ellipse(c.s, x, y, r, r * 3 / 4, Style(glass, PART_LINE | PART_FLAT, SHADE_BASE), 20);
    Ellipse(c.s, x - r / 3, y - r / 4, std::max(r / 3, Px(c, 1)), Px(c, 1),
            Style(glass, PART_FLAT, SHADE_HIGHLIGHT));
}

/* The young one: a short, knobbly upright tube, open at the top where its eyes look out of the
   glass, standing on three crooked branch legs, a spark jumping between two of their tips. */
static void ShortTube(Ctx &c, int glass, int spark)
{
    const int crust = c.body;
    GroundShadow(c.s, 0, 0, U(18), U(3));
    Branch(c, -U(5), -U(6), U(18), -140, -30, U(4), 0, crust);
    Branch(c, U(7), -U(6), U(18), 140, 30, U(4), 0, crust);
    Branch(c, U(1), -U(4), U(12), 175, 20, U(4), 0, crust);
    Tube(c.s, {U(2), -U(14), U(10), -U(3), -U(22), U(11), U(1), -U(29), U(10), -U(1), -U(34), U(10)},
         Style(crust));
    /* clang-format off */
    static const int KNOBS[8][3] = {
        {-10, -14, 2}, {12, -16, 2}, {-12, -24, 2}, {11, -28, 2}, /* x, y, radius in pixels */
        {-4,  -18, 2}, {6,  -25, 2}, {-10, -32, 2}, {12, -21, 2},
    };
    /* clang-format on */
    for (const int *k : KNOBS)
        Ellipse(c.s, U(k[0]), U(k[1]), U(k[2]), U(k[2]), Style(crust, PART_LINE));
    GlassPatch(c, U(5), -U(16), U(3), glass);
    TubeMouth(c, -U(1), -U(35), U(10), glass, spark);
    Arc(c, -U(16), U(4), U(2), U(6), U(2), spark);
}

/* The grown one: a great branching root of glass, a thick crusted trunk splitting below into
   crooked forked legs and above into forked prongs, green glass showing where the crust broke,
   its eyes glowing in the mouth of the main tube and sparks arcing between the tips. */
static void GlassRoot(Ctx &c, int glass, int spark)
{
    const int crust = c.body;
    GroundShadow(c.s, 0, 0, U(30), U(3));
    /* Prongs above, behind the mouth. */
    Branch(c, -U(6), -U(44), U(20), -35, -20, U(5), 2, crust);
    Branch(c, U(8), -U(44), U(22), 30, 20, U(5), 2, crust);
    /* Legs below: far ones first. */
    Branch(c, -U(2), -U(18), U(22), -165, -30, U(5), 1, crust);
    Branch(c, U(6), -U(18), U(22), 165, 30, U(5), 1, crust);
    Tube(c.s, {U(1), -U(14), U(15), -U(1), -U(28), U(16), U(1), -U(44), U(13)}, Style(crust));
    Branch(c, -U(8), -U(18), U(30), -118, -40, U(7), 2, crust);
    Branch(c, U(10), -U(18), U(30), 118, 40, U(7), 2, crust);
    Branch(c, -U(3), -U(12), U(20), -160, -30, U(6), 1, crust);
    Branch(c, U(6), -U(12), U(20), 160, 30, U(6), 1, crust);
    static const int PATCHES[4][3] = {
        {-7, -22, 4},
        {7,  -33, 4},
        {-5, -37, 3},
        {8,  -19, 3}
    };
    for (const int *p : PATCHES)
        GlassPatch(c, U(p[0]), U(p[1]), U(p[2]), glass);
    TubeMouth(c, U(1), -U(47), U(11), glass, spark);
    Arc(c, -U(34), -U(22), -U(24), -U(2), U(2), spark);
    Arc(c, U(26), -U(62), U(36), -U(42), U(2), spark);
    Arc(c, -U(30), -U(58), -U(36), -U(40), U(2), spark);
}

void DrawFulgurite(Ctx &c)
{
    const int glass = c.accent, spark = Material(c, SPARK_YELLOW);
    if (c.young)
        ShortTube(c, glass, spark);
    else
        GlassRoot(c, glass, spark);
}

/* Pictures of the plan rows whose body is BODY_TILESHREW, the tile shrews: the kit with tile buds, the tiled
   female in her three forms and the slate-black male. */
#include "creature_drawers.h"

#include <algorithm>
#include <vector>

static const Rgb SHREW_PINK = {236, 160, 168};

static const Rgb TILE_BUD = {246, 196, 196};
static const Rgb NIGHT_EARTH = {70, 62, 74};
static const Rgb MOON_YELLOW = {246, 226, 140};

/* The female's tiles by form: moss, fired terracotta, iron; each with its grout. */
static const Rgb TILE_COLOURS[3] = {
    {110, 170, 70 },
    {204, 112, 66 },
    {122, 128, 140}
};

static const Rgb GROUT_COLOURS[3] = {
    {58,  100, 40},
    {132, 76,  40},
    {70,  74,  86}
};

/* A shrew's head facing left: a long tapering snout with a dark nose, a round ear, whiskers. */
static void ShrewHead(Ctx &c, int hx, int hy, int r, int eyeR, int skin)
{
    Ellipse(c.s, hx + r * 2 / 3, hy - r * 3 / 4, r / 2, r / 2, Style(skin, PART_LINE));
    Ellipse(c.s, hx + r * 2 / 3, hy - r * 3 / 4, r / 4, r / 4, Style(Material(c, SHREW_PINK), PART_FLAT));
    Ellipse(c.s, hx, hy, r, r * 7 / 8, Style(skin, PART_LINE));
    Tube(c.s,
         {hx - r / 2, hy + r / 8, r / 2, hx - r * 3 / 2, hy + r / 3, r / 4, hx - r * 2, hy + r / 2, r / 6},
         Style(skin, PART_LINE));
    Ellipse(c.s, hx - r * 2, hy + r / 2, r / 4, r / 5, Style(c.dark, PART_FLAT));
    GlintEye(c, hx - r / 4, hy - r / 6, eyeR);
}

/* The young shrew trots on short legs, its bare pink back showing a grid of tile buds. */
static void TileShrewKit(Ctx &c)
{
    const int pink = Material(c, SHREW_PINK), bud = Material(c, TILE_BUD);
    GroundShadow(c.s, 0, 0, U(22), U(3));
    Curve(c.s, U(14), -U(10), U(2), U(26), -U(10), U(30), -U(2), U(1), Style(c.body, PART_LINE));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(8) + k * U(16), -U(8), U(3), -U(9) + k * U(16), -U(2), U(2) + U(1) / 2,
                Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, U(2), -U(14), U(16), U(12), Style(c.body, PART_LINE));
    Ellipse(c.s, U(4), -U(19), U(11), U(6), Style(pink, PART_LINE));
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 4 - row; ++k) {
            const int x = -U(4) + row * U(3) + k * U(5), y = -U(21) + row * U(4);
            Polygon(c.s, {x - U(2), y - U(1), x + U(2), y - U(1), x + U(2), y + U(2), x - U(2), y + U(2)},
                    Style(bud, PART_LINE));
        }
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, -U(6) + k * U(16), -U(8), U(3), -U(7) + k * U(16), -U(2), U(2) + U(1) / 2,
                Style(c.body, PART_LINE));
    ShrewHead(c, -U(16), -U(20), U(10), U(3) + U(1) / 2, c.body);
}

static const Rgb IRON_RUST = {170, 92, 52};

static int ShrewSqrt(int64_t v)
{
    int64_t r = 0;
    while ((r + 1) * (r + 1) <= v)
        ++r;
    return (int)r;
}

/* The female's body seen from the side: an ellipse. */
struct ShrewBody {
    int x, y, rx, ry;
};

/* Whether (x, y) lies inside the body. */
static bool InsideBody(const ShrewBody &b, int x, int y)
{
    const int64_t dx = (int64_t)(x - b.x) * 1024 / b.rx, dy = (int64_t)(y - b.y) * 1024 / b.ry;
    return dx * dx + dy * dy <= 1024 * 1024;
}

/* The body's top outline above x. */
static int BodyTop(const ShrewBody &b, int x)
{
    const int64_t dx = std::min<int64_t>(std::abs(x - b.x), b.rx);
    return b.y - (int)((int64_t)b.ry * ShrewSqrt((int64_t)b.rx * b.rx - dx * dx) / b.rx);
}

/* Pixel-exact tiles: design coordinates to canvas units and back, and the pixel border nearest a
   design coordinate, so every tile covers the same pixels and the grout stays one pixel wide. */
static int64_t FloorDivide(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

static int CanvasOf(const Sprite &s, int v, int origin)
{
    return origin + (int)FloorDivide((int64_t)v * s.zoom + Q8_ONE / 2, Q8_ONE);
}

static int DesignOf(const Sprite &s, int canvas, int origin)
{
    return (int)((int64_t)(canvas - origin) * Q8_ONE / s.zoom);
}

static int PixelBorder(int canvas)
{
    return (int)FloorDivide(canvas + UNIT / 2, UNIT) * UNIT;
}

/* A square tile centred on (x, y), turned by angle degrees. */
static void SquareTile(Ctx &c, int x, int y, int half, int angle, PartStyle style)
{
    std::vector<int> xy = {x - half, y - half, x + half, y - half, x + half, y + half, x - half, y + half};
    for (size_t i = 0; i + 1 < xy.size(); i += 2)
        Turn(x, y, angle, xy[i], xy[i + 1]);
    Polygon(c.s, xy, style);
}

/* The mosaic saddle on the female's back: the body above the saddle's lower edge is grouted, and
   columns of square tiles are laid down it from the top outline, so the rows lie flat along her back
   from nape to tail root; new tiles bud loose below the lower edge. */
static void TileSaddle(Ctx &c, const ShrewBody &b, int edge)
{
    const int FORM_IRON = 2;
    const int tile = Material(c, TILE_COLOURS[c.form]), grout = Material(c, GROUT_COLOURS[c.form]);
    const int rust = Material(c, IRON_RUST);
    /* Tiles four pixels square, one pixel of grout between them, whatever the zoom. */
    const int TILE = U(4), STEP = U(5), HALF = Px(c, 2), GROUT = Px(c, 1);
    /* The grout: the body's outline above the edge, closed along it. */
    const int reach =
        (int)((int64_t)b.rx * ShrewSqrt((int64_t)b.ry * b.ry - (int64_t)(edge - b.y) * (edge - b.y)) / b.ry);
    std::vector<int> cap = {b.x - reach, edge};
    for (int a = -180; a <= 180; a += 6) {
        const int x = b.x + b.rx * SinQ12(a) / 4096, y = b.y - b.ry * CosQ12(a) / 4096;
        if (y < edge) {
            cap.push_back(x);
            cap.push_back(y);
        }
    }
    cap.push_back(b.x + reach);
    cap.push_back(edge);
    Polygon(c.s, cap, Style(grout, PART_FLAT, SHADE_BASE));
    /* Columns on the pixel grid, centred along the body; a tile's corner may reach into the outline. */
    const ShrewBody room = {b.x, b.y, b.rx + GROUT, b.ry + GROUT};
    const Sprite &sp = c.s;
    const int columns =
        (CanvasOf(sp, b.x + b.rx, sp.originX) - CanvasOf(sp, b.x - b.rx, sp.originX)) / STEP + 1;
    const int first = PixelBorder(CanvasOf(sp, b.x, sp.originX) - (columns - 1) * STEP / 2 - TILE / 2);
    for (int column = 0; column < columns; ++column) {
        const int left = DesignOf(sp, first + column * STEP, sp.originX);
        const int right = DesignOf(sp, first + column * STEP + TILE, sp.originX), x = (left + right) / 2;
        /* The column starts under the lower of the outline's heights at the tile's two sides. */
        const int top = PixelBorder(CanvasOf(sp, std::max(BodyTop(b, left), BodyTop(b, right)), sp.originY));
        int y = 0, laid = 0;
        for (int row = 0;; ++row) {
            const int upper = DesignOf(sp, top + row * STEP, sp.originY);
            const int lower = DesignOf(sp, top + row * STEP + TILE, sp.originY);
            y = (upper + lower) / 2;
            if (lower + GROUT > edge)
                break;
            if (!InsideBody(room, left, upper) || !InsideBody(room, right, upper) ||
                !InsideBody(room, left, lower) || !InsideBody(room, right, lower))
                continue;
            int material = tile;
            Shade shade = (row + column * 2) % 5 == 0 ? SHADE_SHADOW : SHADE_BASE;
            if ((row * 2 + column) % 7 == 2)
                shade = SHADE_LIGHT;
            if (c.form == FORM_IRON && (row * 3 + column) % 10 == 3)
                material = rust, shade = SHADE_BASE;
            Polygon(c.s, {left, upper, right, upper, right, lower, left, lower},
                    Style(material, PART_FLAT, shade));
            ++laid;
        }
        /* A few loose new tiles budding below the saddle's edge. */
        if (laid > 0 && column % 4 == 2 && InsideBody(b, x, y))
            SquareTile(c, x + GROUT, y + GROUT, HALF, column % 8 == 1 ? 20 : -20,
                       Style(tile, PART_LINE | PART_FLAT, SHADE_LIGHT));
    }
}

/* The grown female trots on four short legs with her head up and her long thin tail out behind;
   her back is a flat mosaic of small square tiles in the colour of what she was raised on. */
static void TiledShrew(Ctx &c)
{
    const ShrewBody BODY = {U(4), -U(30), U(30), U(23)};
    const int BX = BODY.x, BY = BODY.y, RX = BODY.rx, RY = BODY.ry;
    const int pink = Material(c, SHREW_PINK);
    GroundShadow(c.s, U(4), 0, U(34), U(5));
    /* The tail first: out behind from the rump, its thin tip lifting. */
    Curve(c.s, BX + RX - U(4), BY + U(6), U(4), BX + RX + U(12), BY + U(10), BX + RX + U(12), BY - U(14),
          U(1), Style(c.body, PART_LINE));
    /* Far legs, in shadow: the fore leg swung back, the hind leg forward. */
    Tube(c.s, {-U(8), BY + U(14), U(7), -U(6), -U(6), U(5), -U(8), -U(2), U(4)},
         Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Tube(c.s, {U(18), BY + U(14), U(8), U(16), -U(6), U(5), U(14), -U(2), U(4)},
         Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW));
    /* A thick neck up to the raised head. */
    Capsule(c.s, BX - RX + U(10), BY - U(4), U(13), -U(16), BY - U(18), U(10), Style(c.body, PART_LINE));
    Ellipse(c.s, BX, BY, RX, RY, Style(c.body, PART_LINE));
    /* Near legs: the fore leg reaching forward, the hind leg pushing back. */
    Tube(c.s, {-U(14), BY + U(14), U(7), -U(17), -U(6), U(5), -U(20), -U(2), U(4)}, Style(c.body, PART_LINE));
    Ellipse(c.s, -U(22), -U(2), U(6), U(3), Style(pink, PART_LINE));
    Tube(c.s, {U(24), BY + U(12), U(9), U(26), -U(6), U(5), U(28), -U(2), U(4)}, Style(c.body, PART_LINE));
    Ellipse(c.s, U(30), -U(2), U(6), U(3), Style(pink, PART_LINE));
    TileSaddle(c, BODY, BY + RY / 2);
    ShrewHead(c, -U(18), BY - U(20), U(12), U(3) + U(1) / 2, c.body);
}

/* The male, out at night: glazed black like wet slate, shining in the moonlight, nosing a grub out
   of the dark earth with his long snout under a crescent moon and two stars. */
static void SlateShrew(Ctx &c)
{
    const int shine = Material(c, {150, 170, 200}), grub = c.accent;
    const int amber = Material(c, {250, 190, 70});
    const int earth = Material(c, NIGHT_EARTH), moon = Material(c, MOON_YELLOW);
    GroundShadow(c.s, 0, 0, U(34), U(3));
    /* The night sky over him: a crescent moon and two stars. */
    Tube(c.s,
         {U(30), -U(64), U(1), U(21), -U(59), U(4), U(18), -U(50), U(5), U(21), -U(41), U(4), U(30), -U(36),
          U(1)},
         Style(moon, PART_LINE));
    for (int k = 0; k < 2; ++k) {
        const int x = -U(2) - k * U(18), y = -U(54) + k * U(10), r = U(6) - k * U(1);
        Polygon(c.s,
                {x, y - r, x + r / 3, y - r / 3, x + r, y, x + r / 3, y + r / 3, x, y + r, x - r / 3,
                 y + r / 3, x - r, y, x - r / 3, y - r / 3},
                Style(moon, PART_LINE | PART_NO_HIGHLIGHT));
    }
    /* The dark earth he digs in, turned up round the grub's hole. */
    Ellipse(c.s, -U(20), -U(3), U(22), U(5), Style(earth, PART_LINE));
    Curve(c.s, U(22), -U(18), U(3), U(38), -U(24), U(44), -U(8), U(1), Style(c.body, PART_LINE));
    Tube(c.s, {U(16), -U(16), U(4), U(22), -U(8), U(3), U(20), -U(2), U(3)},
         Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Tube(c.s, {-U(12), -U(16), U(4), -U(10), -U(8), U(3), -U(14), -U(2), U(3)},
         Style(c.body, PART_LINE | PART_FLAT, SHADE_SHADOW));
    Ellipse(c.s, U(2), -U(22), U(22), U(15), Style(c.body, PART_LINE), 6);
    /* Moonlight shining along the glazed back. */
    Curve(c.s, -U(12), -U(30), U(1), U(0), -U(35), U(14), -U(30), U(1), Style(shine, PART_FLAT, SHADE_BASE));
    Ellipse(c.s, U(16), -U(27), U(2), U(1), Style(shine, PART_FLAT, SHADE_BASE));
    Tube(c.s, {U(12), -U(16), U(5), U(16), -U(8), U(3), U(12), -U(2), U(3)}, Style(c.body, PART_LINE));
    Ellipse(c.s, U(10), -U(2), U(5), U(2), Style(c.body, PART_LINE));
    Tube(c.s, {-U(16), -U(16), U(4), -U(20), -U(8), U(3), -U(18), -U(2), U(3)}, Style(c.body, PART_LINE));
    Ellipse(c.s, -U(20), -U(2), U(5), U(2), Style(c.body, PART_LINE));
    /* The head low, the long snout nosing the grub. */
    const int hx = -U(26), hy = -U(21);
    Ellipse(c.s, hx + U(6), hy - U(7), U(4), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, hx, hy, U(10), U(8), Style(c.body, PART_LINE));
    Tube(c.s, {hx - U(6), hy + U(2), U(5), hx - U(14), hy + U(8), U(3), hx - U(20), hy + U(14), U(2)},
         Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(20), hy + U(15), U(2), U(2), Style(c.mouth, PART_FLAT));
    Ellipse(c.s, hx - U(2), hy - U(6), U(3), U(1), Style(shine, PART_FLAT, SHADE_BASE));
    FierceEye(c, hx - U(2), hy - U(1), U(3), 15, amber);
    Ellipse(c.s, hx - U(26), -U(3), U(6), U(3), Style(earth, PART_FLAT, SHADE_SHADOW));
    Curve(c.s, hx - U(32), -U(3), U(3), hx - U(30), -U(10), hx - U(22), -U(4), U(2), Style(grub, PART_LINE));
}

static const int TILED_SHREW_ENTRY = 26;

void DrawTileShrew(Ctx &c)
{
    if (c.young)
        TileShrewKit(c);
    else if (c.plan->index == TILED_SHREW_ENTRY)
        TiledShrew(c);
    else
        SlateShrew(c);
}

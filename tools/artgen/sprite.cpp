/* The drawing kit of the creature pictures: shaded parametric parts on a material canvas.
   Integer maths only, so that every machine produces the same bytes. */
#include "sprite.h"

#include <algorithm>
#include <cstdlib>

/* sin(0..90 degrees) in Q12. */
static const int SIN_TABLE[91] = {
    0,    71,   143,  214,  286,  357,  428,  499,  570,  641,  711,  782,  852,  921,  991,  1060,
    1129, 1198, 1266, 1334, 1401, 1468, 1534, 1600, 1666, 1731, 1796, 1860, 1923, 1986, 2048, 2110,
    2171, 2231, 2290, 2349, 2408, 2465, 2522, 2578, 2633, 2687, 2741, 2793, 2845, 2896, 2946, 2996,
    3044, 3091, 3138, 3183, 3228, 3271, 3314, 3355, 3396, 3435, 3474, 3511, 3547, 3582, 3617, 3650,
    3681, 3712, 3742, 3770, 3798, 3824, 3849, 3873, 3896, 3917, 3937, 3956, 3974, 3991, 4006, 4021,
    4034, 4046, 4056, 4065, 4074, 4080, 4086, 4090, 4094, 4095, 4096,
};

/* Light comes from the upper left: the lit point of a unit shape, Q8. */
static const int LIGHT_X = -97;
static const int LIGHT_Y = -115;
/* Squared distances (Q16) from the lit point that separate the shade bands. */
static const int64_t HIGHLIGHT_BAND = 2600;
static const int64_t LIGHT_BAND = 19660;
static const int64_t BASE_BAND = 88474;
static const Rgb GROUND_SHADOW_COLOUR = {206, 204, 214};
static const int NEAR_WHITE_FLOOR = 232;

static int FloorDiv(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

static int Clamp255(int v)
{
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

/* Keeps light shades off the almost-white band that would fringe in the white picture box. */
static Rgb SafeColour(Rgb c)
{
    if (c != WHITE && c.r >= NEAR_WHITE_FLOOR && c.g >= NEAR_WHITE_FLOOR && c.b >= NEAR_WHITE_FLOOR)
        return {(uint8_t)(c.r - 16), (uint8_t)(c.g - 16), (uint8_t)(c.b - 16)};
    return c;
}

static int ScaleCoord(const Sprite &s, int v)
{
    return FloorDiv((int64_t)v * s.zoom + 128, Q8_ONE);
}
static int ScaleLen(const Sprite &s, int v)
{
    return std::max(1, (int)(((int64_t)v * s.zoom + 128) / Q8_ONE));
}
static int CanvasX(const Sprite &s, int x)
{
    return s.originX + (s.mirror ? -ScaleCoord(s, x) : ScaleCoord(s, x));
}
static int CanvasY(const Sprite &s, int y)
{
    return s.originY + ScaleCoord(s, y);
}

static size_t At(const Sprite &s, int x, int y)
{
    return y * s.width + x;
}

static Shade BandOf(int64_t distance2)
{
    if (distance2 < HIGHLIGHT_BAND)
        return SHADE_HIGHLIGHT;
    if (distance2 < LIGHT_BAND)
        return SHADE_LIGHT;
    if (distance2 < BASE_BAND)
        return SHADE_BASE;
    return SHADE_SHADOW;
}

/* Shade of a point at normalised offset (nu, nv) from a round shape's centre, Q8. */
static Shade RoundShade(int64_t nu, int64_t nv, int64_t lx, int64_t ly)
{
    return BandOf((nu - lx) * (nu - lx) + (nv - ly) * (nv - ly));
}

static uint16_t BeginPart(Sprite &s)
{
    return ++s.partCount;
}

static void PutPixel(Sprite &s, int px, int py, uint16_t id, const PartStyle &style, Shade shade)
{
    if (px < s.clipMin || py < s.clipMin || px > s.clipMax || py > s.clipMax)
        return;
    const size_t i = At(s, px, py);
    if ((style.flags & PART_BEHIND) && s.material[i] != 0)
        return;
    if (style.flags & PART_FLAT)
        shade = style.flatShade;
    if ((style.flags & PART_NO_HIGHLIGHT) && shade == SHADE_HIGHLIGHT)
        shade = SHADE_LIGHT;
    s.material[i] = style.material;
    s.shade[i] = shade;
    s.part[i] = id;
}

/* Outlines the part's own edge pixels where they meet other painted parts. */
static void EndPart(Sprite &s, uint16_t id, const PartStyle &style)
{
    if (!(style.flags & PART_LINE))
        return;
    std::vector<size_t> edge;
    for (int y = 1; y < s.height - 1; ++y)
        for (int x = 1; x < s.width - 1; ++x) {
            const size_t i = At(s, x, y);
            if (s.part[i] != id)
                continue;
            const size_t n[4] = {i - 1, i + 1, i - s.width, i + s.width};
            for (size_t j : n)
                if (s.part[j] != id && s.material[j] != 0) {
                    edge.push_back(i);
                    break;
                }
        }
    for (size_t i : edge)
        s.shade[i] = SHADE_OUTLINE;
}

/* Canvas pixel range covering [lo, hi] units. */
static void PixelRange(int lo, int hi, int &first, int &last)
{
    first = FloorDiv(lo, UNIT);
    last = FloorDiv(hi, UNIT);
}

static void PaintEllipse(Sprite &s, uint16_t id, const PartStyle &style, int cx, int cy, int rx, int ry,
                         int angle)
{
    const int64_t c = CosQ12(angle), sn = SinQ12(angle);
    const int64_t lu = (LIGHT_X * c + LIGHT_Y * sn) / 4096;
    const int64_t lv = (-LIGHT_X * sn + LIGHT_Y * c) / 4096;
    const int reach = std::max(rx, ry);
    int x0, x1, y0, y1;
    PixelRange(cx - reach, cx + reach, x0, x1);
    PixelRange(cy - reach, cy + reach, y0, y1);
    const int64_t rx2 = (int64_t)rx * rx, ry2 = (int64_t)ry * ry;
    for (int py = y0; py <= y1; ++py)
        for (int px = x0; px <= x1; ++px) {
            const int64_t dx = px * UNIT + UNIT / 2 - cx, dy = py * UNIT + UNIT / 2 - cy;
            const int64_t u = (dx * c + dy * sn) / 4096, v = (-dx * sn + dy * c) / 4096;
            if (u * u * ry2 + v * v * rx2 > rx2 * ry2)
                continue;
            PutPixel(s, px, py, id, style, RoundShade(u * Q8_ONE / rx, v * Q8_ONE / ry, lu, lv));
        }
}

static void PaintCapsule(Sprite &s, uint16_t id, const PartStyle &style, int ax, int ay, int ar, int bx,
                         int by, int br)
{
    const int64_t ex = bx - ax, ey = by - ay, len2 = ex * ex + ey * ey;
    const int reach = std::max(ar, br);
    int x0, x1, y0, y1;
    PixelRange(std::min(ax, bx) - reach, std::max(ax, bx) + reach, x0, x1);
    PixelRange(std::min(ay, by) - reach, std::max(ay, by) + reach, y0, y1);
    for (int py = y0; py <= y1; ++py)
        for (int px = x0; px <= x1; ++px) {
            const int64_t qx = px * UNIT + UNIT / 2 - ax, qy = py * UNIT + UNIT / 2 - ay;
            int64_t t = len2 == 0 ? 0 : (qx * ex + qy * ey) * 4096 / len2; /* Q12 along the axis */
            t = std::max<int64_t>(0, std::min<int64_t>(4096, t));
            const int64_t r = ar + (br - ar) * t / 4096;
            const int64_t dx = qx - ex * t / 4096, dy = qy - ey * t / 4096;
            if (r <= 0 || dx * dx + dy * dy > r * r)
                continue;
            PutPixel(s, px, py, id, style, RoundShade(dx * Q8_ONE / r, dy * Q8_ONE / r, LIGHT_X, LIGHT_Y));
        }
}

int SinQ12(int degrees)
{
    int d = ((degrees % 360) + 360) % 360;
    if (d <= 90)
        return SIN_TABLE[d];
    if (d <= 180)
        return SIN_TABLE[180 - d];
    if (d <= 270)
        return -SIN_TABLE[d - 180];
    return -SIN_TABLE[360 - d];
}

int CosQ12(int degrees)
{
    return SinQ12(degrees + 90);
}

Rgb Mix(Rgb a, Rgb b, int w)
{
    return {(uint8_t)((a.r * (Q8_ONE - w) + b.r * w) / Q8_ONE),
            (uint8_t)((a.g * (Q8_ONE - w) + b.g * w) / Q8_ONE),
            (uint8_t)((a.b * (Q8_ONE - w) + b.b * w) / Q8_ONE)};
}

Rgb Darker(Rgb c, int percent)
{
    return {(uint8_t)(Clamp255(c.r * (100 - percent) / 100)),
            (uint8_t)(Clamp255(c.g * (100 - percent) / 100)),
            (uint8_t)(Clamp255(c.b * (100 - percent) / 100))};
}

Ramp MakeRamp(Rgb base)
{
    const Rgb COOL_SHADOW = {56, 40, 112};
    const Rgb DEEP_OUTLINE = {36, 18, 56};
    const Rgb WARM_LIGHT = {255, 240, 196};
    const Rgb WARM_HIGHLIGHT = {255, 250, 226};
    Ramp ramp;
    ramp.shade[SHADE_OUTLINE] = SafeColour(Mix(Darker(base, 60), DEEP_OUTLINE, 90));
    ramp.shade[SHADE_SHADOW] = SafeColour(Mix(Darker(base, 26), COOL_SHADOW, 46));
    ramp.shade[SHADE_BASE] = SafeColour(base);
    ramp.shade[SHADE_LIGHT] = SafeColour(Mix(base, WARM_LIGHT, 84));
    ramp.shade[SHADE_HIGHLIGHT] = SafeColour(Mix(base, WARM_HIGHLIGHT, 168));
    return ramp;
}

Ramp FlatRamp(Rgb colour, Rgb outline)
{
    Ramp ramp;
    for (Rgb &c : ramp.shade)
        c = colour;
    ramp.shade[SHADE_OUTLINE] = outline;
    return ramp;
}

Sprite MakeSprite(int width, int height, int originX, int originY, int zoom)
{
    Sprite s;
    s.width = width;
    s.height = height;
    s.originX = originX;
    s.originY = originY;
    s.zoom = zoom;
    s.clipMax = width - 3;
    const size_t n = width * height;
    s.material.assign(n, 0);
    s.shade.assign(n, SHADE_BASE);
    s.part.assign(n, 0);
    s.groundShadow.assign(n, 0);
    return s;
}

int AddMaterial(Sprite &s, const Ramp &ramp)
{
    s.ramps.push_back(ramp);
    return s.ramps.size();
}

void Ellipse(Sprite &s, int cx, int cy, int rx, int ry, PartStyle style, int angleDeg)
{
    const uint16_t id = BeginPart(s);
    PaintEllipse(s, id, style, CanvasX(s, cx), CanvasY(s, cy), ScaleLen(s, rx), ScaleLen(s, ry),
                 s.mirror ? -angleDeg : angleDeg);
    EndPart(s, id, style);
}

void Capsule(Sprite &s, int x0, int y0, int r0, int x1, int y1, int r1, PartStyle style)
{
    const uint16_t id = BeginPart(s);
    PaintCapsule(s, id, style, CanvasX(s, x0), CanvasY(s, y0), ScaleLen(s, r0), CanvasX(s, x1),
                 CanvasY(s, y1), ScaleLen(s, r1));
    EndPart(s, id, style);
}

void Curve(Sprite &s, int x0, int y0, int r0, int xc, int yc, int x1, int y1, int r1, PartStyle style)
{
    const int STEPS = 12;
    const uint16_t id = BeginPart(s);
    int px = x0, py = y0, pr = r0;
    for (int i = 1; i <= STEPS; ++i) {
        /* Quadratic Bezier in Q8 steps: (1-t)^2 p0 + 2t(1-t) c + t^2 p1. */
        const int64_t t = i * Q8_ONE / STEPS, mt = Q8_ONE - t;
        const int nx = (mt * mt * x0 + 2 * t * mt * xc + t * t * x1) / (Q8_ONE * Q8_ONE);
        const int ny = (mt * mt * y0 + 2 * t * mt * yc + t * t * y1) / (Q8_ONE * Q8_ONE);
        const int nr = r0 + (r1 - r0) * i / STEPS;
        PaintCapsule(s, id, style, CanvasX(s, px), CanvasY(s, py), ScaleLen(s, pr), CanvasX(s, nx),
                     CanvasY(s, ny), ScaleLen(s, nr));
        px = nx;
        py = ny;
        pr = nr;
    }
    EndPart(s, id, style);
}

void Tube(Sprite &s, const std::vector<int> &xyr, PartStyle style)
{
    const uint16_t id = BeginPart(s);
    for (size_t i = 3; i + 2 < xyr.size(); i += 3)
        PaintCapsule(s, id, style, CanvasX(s, xyr[i - 3]), CanvasY(s, xyr[i - 2]), ScaleLen(s, xyr[i - 1]),
                     CanvasX(s, xyr[i]), CanvasY(s, xyr[i + 1]), ScaleLen(s, xyr[i + 2]));
    EndPart(s, id, style);
}

void Polygon(Sprite &s, const std::vector<int> &xy, PartStyle style)
{
    const uint16_t id = BeginPart(s);
    const size_t n = xy.size() / 2;
    std::vector<int64_t> X(n), Y(n);
    int64_t sumX = 0, sumY = 0;
    for (size_t i = 0; i < n; ++i) {
        X[i] = CanvasX(s, xy[2 * i]);
        Y[i] = CanvasY(s, xy[2 * i + 1]);
        sumX += X[i];
        sumY += Y[i];
    }
    const int64_t cenX = sumX / (int64_t)n, cenY = sumY / (int64_t)n;
    int64_t radius = 1;
    for (size_t i = 0; i < n; ++i)
        radius = std::max<int64_t>(radius, std::abs(X[i] - cenX) + std::abs(Y[i] - cenY));
    const int64_t minX = *std::min_element(X.begin(), X.end()), maxX = *std::max_element(X.begin(), X.end());
    const int64_t minY = *std::min_element(Y.begin(), Y.end()), maxY = *std::max_element(Y.begin(), Y.end());
    int x0, x1, y0, y1;
    PixelRange(minX, maxX, x0, x1);
    PixelRange(minY, maxY, y0, y1);
    for (int py = y0; py <= y1; ++py)
        for (int px = x0; px <= x1; ++px) {
            const int64_t qx = px * UNIT + UNIT / 2, qy = py * UNIT + UNIT / 2;
            bool pos = false, neg = false;
            for (size_t i = 0; i < n; ++i) {
                const size_t j = (i + 1) % n;
                const int64_t cross = (X[j] - X[i]) * (qy - Y[i]) - (Y[j] - Y[i]) * (qx - X[i]);
                if (cross > 0)
                    pos = true;
                if (cross < 0)
                    neg = true;
            }
            if (pos && neg)
                continue;
            /* Facing the light: the offset from the centre along the light direction. */
            const int64_t toward = -((qx - cenX) * 164 + (qy - cenY) * 197) / radius; /* Q8 */
            const Shade shade = toward > 70 ? SHADE_LIGHT : toward < -60 ? SHADE_SHADOW : SHADE_BASE;
            PutPixel(s, px, py, id, style, shade);
        }
    EndPart(s, id, style);
}

void Dot(Sprite &s, int x, int y, int material, Shade shade)
{
    const uint16_t id = BeginPart(s);
    PutPixel(s, FloorDiv(CanvasX(s, x), UNIT), FloorDiv(CanvasY(s, y), UNIT), id,
             Style(material, PART_FLAT, shade), shade);
}

void GroundShadow(Sprite &s, int cx, int cy, int rx, int ry)
{
    const int ccx = CanvasX(s, cx), ccy = CanvasY(s, cy);
    const int64_t arx = ScaleLen(s, rx), ary = ScaleLen(s, ry);
    for (int py = s.clipMin; py <= s.clipMax; ++py)
        for (int px = s.clipMin; px <= s.clipMax; ++px) {
            const int64_t dx = px * UNIT + UNIT / 2 - ccx, dy = py * UNIT + UNIT / 2 - ccy;
            if (dx * dx * ary * ary + dy * dy * arx * arx <= arx * arx * ary * ary)
                s.groundShadow[At(s, px, py)] = 1;
        }
}

Raster FinishSprite(const Sprite &s)
{
    std::vector<uint8_t> material = s.material, shade = s.shade;
    for (int y = 1; y < s.height - 1; ++y)
        for (int x = 1; x < s.width - 1; ++x) {
            const size_t i = At(s, x, y);
            if (s.material[i] != 0)
                continue;
            const size_t n[4] = {i - s.width, i - 1, i + 1, i + s.width};
            for (size_t j : n)
                if (s.material[j] != 0) {
                    material[i] = s.material[j];
                    shade[i] = SHADE_OUTLINE;
                    break;
                }
        }
    Raster r = MakeRaster(s.width, s.height, WHITE);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            const size_t i = At(s, x, y);
            if (material[i] != 0)
                SetPixel(r, x, y, s.ramps[material[i] - 1u].shade[shade[i]]);
            else if (s.groundShadow[i])
                SetPixel(r, x, y, GROUND_SHADOW_COLOUR);
        }
    return r;
}

int PaintedCount(const Sprite &s)
{
    return std::count_if(s.material.begin(), s.material.end(), [](uint8_t m) { return m != 0; });
}

/* Shared pieces of the creature drawers: the drawing context and common features.
   Features are sized in design units so that they grow with the stage zoom. */
#include "creature_kit.h"

#include <algorithm>

static const Rgb EYE_DARK = {34, 26, 44};
static const Rgb EYE_OUTLINE = {20, 14, 28};
static const Rgb MOUTH_DARK = {110, 36, 48};
static const Rgb BONE = {236, 222, 186};
static const Rgb DARK_MARK = {52, 44, 64};
static const int BELLY_LIGHTEN = 120;

static uint32_t Seed(const CreaturePlan &plan, int form)
{
    uint32_t h = 2166136261u;
    for (const char *p = plan.family; *p; ++p)
        h = (h ^ (uint8_t)(*p)) * 16777619u;
    h ^= plan.index * 7919 + form * 131;
    return h == 0 ? 1u : h;
}

uint32_t NextRandom(Rng &rng)
{
    uint32_t x = rng.state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    rng.state = x;
    return x;
}

int RandomRange(Rng &rng, int lo, int hi)
{
    return lo + (int)(NextRandom(rng) % (uint32_t)(hi - lo + 1));
}

int Material(Ctx &c, Rgb base)
{
    return AddMaterial(c.s, MakeRamp(base));
}

Ctx MakeCtx(const CreaturePlan &plan, int form, int zoom, int size, int originX, int originY)
{
    Ctx c{MakeSprite(size, size, originX, originY, zoom),
          &plan,
          form,
          plan.stage == 1 && plan.stages > 1,
          {Seed(plan, form)},
          0,
          0,
          0,
          0,
          0,
          0,
          0,
          0};
    c.body = Material(c, plan.bodyColour);
    c.belly = Material(c, Mix(plan.bodyColour, {250, 236, 200}, BELLY_LIGHTEN));
    c.accent = Material(c, plan.accentColour);
    c.eye = AddMaterial(c.s, FlatRamp(EYE_DARK, EYE_OUTLINE));
    c.white = AddMaterial(c.s, FlatRamp(WHITE, EYE_OUTLINE));
    c.mouth = AddMaterial(c.s, FlatRamp(MOUTH_DARK, EYE_OUTLINE));
    c.bone = Material(c, BONE);
    c.dark = Material(c, DARK_MARK);
    return c;
}

int Px(const Ctx &c, int pixels)
{
    return pixels * UNIT * Q8_ONE / c.s.zoom;
}

void CuteEye(Ctx &c, int x, int y, int r)
{
    Ellipse(c.s, x, y, r, r * 5 / 4, Style(c.eye, PART_FLAT));
    if (r * c.s.zoom / Q8_ONE >= U(3))
        Ellipse(c.s, x - r / 3, y - r / 2, r / 3, r / 3, Style(c.white, PART_FLAT));
    Dot(c.s, x - r / 3, y - r / 2, c.white, SHADE_BASE);
}

void WhiteEye(Ctx &c, int x, int y, int r, int lookX)
{
    Ellipse(c.s, x, y, r, r * 5 / 4, Style(c.white, PART_FLAT | PART_LINE));
    Ellipse(c.s, x + lookX, y + r / 6, r * 3 / 5, r * 4 / 5, Style(c.eye, PART_FLAT));
    Dot(c.s, x + lookX - r / 4, y - r / 5, c.white, SHADE_BASE);
}

void FierceEye(Ctx &c, int x, int y, int r, int angle, int irisMaterial)
{
    Ellipse(c.s, x, y, r * 3 / 2, r * 3 / 4, Style(irisMaterial, PART_FLAT | PART_LINE, SHADE_LIGHT), angle);
    Ellipse(c.s, x, y, r / 2, r * 3 / 4, Style(c.eye, PART_FLAT), angle);
    Dot(c.s, x - r / 3, y - r / 3, c.white, SHADE_BASE);
}

void Smile(Ctx &c, int x, int y, int halfWidth)
{
    Curve(c.s, x - halfWidth, y - halfWidth / 3, U(1) / 2, x, y + halfWidth / 2, x + halfWidth,
          y - halfWidth / 3, U(1) / 2, Style(c.mouth, PART_FLAT));
}

int Toward(int x, int d, int angle)
{
    return x + d * SinQ12(angle) / 4096;
}
int TowardY(int y, int d, int angle)
{
    return y - d * CosQ12(angle) / 4096;
}

void Spike(Ctx &c, int x, int y, int length, int angle, int w, PartStyle style)
{
    const int tipX = Toward(x, length, angle), tipY = TowardY(y, length, angle);
    const int lx = Toward(x, w, angle - 90), ly = TowardY(y, w, angle - 90);
    const int rx = Toward(x, w, angle + 90), ry = TowardY(y, w, angle + 90);
    Polygon(c.s, {lx, ly, tipX, tipY, rx, ry}, style);
}

void Flame(Ctx &c, int x, int y, int h, int material, int lean)
{
    const int w = h * 2 / 5;
    Spike(c, x - w / 2, y - h / 6, h * 3 / 4, lean - 25, w / 2, Style(material, PART_NO_HIGHLIGHT));
    Spike(c, x + w / 2, y - h / 6, h * 3 / 4, lean + 25, w / 2, Style(material, PART_NO_HIGHLIGHT));
    Spike(c, x, y - h / 4, h, lean, w * 2 / 3, Style(material, PART_NO_HIGHLIGHT));
    Ellipse(c.s, x, y - h / 6, w, h / 3, Style(material));
    Ellipse(c.s, x, y - h / 5, w / 2, h / 5, Style(material, PART_FLAT, SHADE_HIGHLIGHT));
}

void Leaf(Ctx &c, int x, int y, int length, int angle, int material)
{
    const int mx = Toward(x, length / 2, angle), my = TowardY(y, length / 2, angle);
    Ellipse(c.s, mx, my, length / 4, length / 2, Style(material, PART_LINE), angle);
    Capsule(c.s, x, y, U(1) / 2, Toward(x, length * 3 / 4, angle), TowardY(y, length * 3 / 4, angle),
            U(1) / 3, Style(material, PART_FLAT, SHADE_SHADOW));
}

void Catchlight(Ctx &c, int x, int y, int r)
{
    const int h = std::max(r / 3, Px(c, 1));
    Ellipse(c.s, x - r / 3, y - r / 2, h, h, Style(c.white, PART_FLAT));
}

/* A round dark eye with a light catch. */
void BrightEye(Ctx &c, int x, int y, int r)
{
    Ellipse(c.s, x, y, r, r * 5 / 4, Style(c.eye, PART_FLAT));
    Catchlight(c, x, y, r);
}

/* A coloured iris round a dark pupil: birds' keen eyes. */
void RingEye(Ctx &c, int x, int y, int r, int iris)
{
    Ellipse(c.s, x, y, r, r, Style(iris, PART_FLAT | PART_LINE, SHADE_LIGHT));
    Ellipse(c.s, x, y, r * 3 / 5, r * 3 / 5, Style(c.eye, PART_FLAT));
    Catchlight(c, x, y, r);
}

/* A round dark eye with a light catch; a coloured ring round it when iris is given. */
void RoundEye(Ctx &c, int x, int y, int r, int iris)
{
    if (iris != 0)
        Ellipse(c.s, x, y, r + Px(c, 1), r + Px(c, 1), Style(iris, PART_FLAT | PART_LINE, SHADE_LIGHT));
    Ellipse(c.s, x, y, r, r, Style(c.eye, PART_FLAT));
    const int glint = std::max(r / 3, Px(c, 1));
    Ellipse(c.s, x - r / 3, y - r / 3, glint, glint, Style(c.white, PART_FLAT));
}

/* A round dark eye with a light catch; a coloured ring round it when iris is given. */
void OvalEye(Ctx &c, int x, int y, int r, int iris)
{
    if (iris != 0)
        Ellipse(c.s, x, y, r + Px(c, 1), r + Px(c, 1), Style(iris, PART_FLAT | PART_LINE, SHADE_LIGHT));
    Ellipse(c.s, x, y, r, r * 9 / 8, Style(c.eye, PART_FLAT));
    const int glint = std::max(r / 3, Px(c, 1));
    Ellipse(c.s, x - r / 3, y - r / 3, glint, glint, Style(c.white, PART_FLAT));
}

/* A round dark eye with a light catch at least two pixels wide. */
void GlintEye(Ctx &c, int x, int y, int r)
{
    Ellipse(c.s, x, y, r, r * 5 / 4, Style(c.eye, PART_FLAT));
    const int h = std::max(r / 3, Px(c, 2) / 2);
    Ellipse(c.s, x - r / 3, y - r / 2, h, h, Style(c.white, PART_FLAT));
}

/* (x, y) turned about (cx, cy) by angle degrees, clockwise on the picture. */
void Turn(int cx, int cy, int angle, int &x, int &y)
{
    const int dx = x - cx, dy = y - cy;
    const int cosA = CosQ12(angle), sinA = SinQ12(angle);
    x = cx + (dx * cosA - dy * sinA) / 4096;
    y = cy + (dx * sinA + dy * cosA) / 4096;
}

/* An eye that peers out: a white with an outline, a round iris looking toward lookX and a light
   catch wide enough to stay whole when the picture is enlarged by one and a half. */
void PeerEye(Ctx &c, int x, int y, int r, int lookX, int iris)
{
    Ellipse(c.s, x, y, r, r * 5 / 4, Style(c.white, PART_FLAT | PART_LINE));
    Ellipse(c.s, x + lookX, y + r / 5, r * 2 / 3, r * 5 / 6, Style(iris, PART_FLAT));
    Ellipse(c.s, x + lookX - r / 4, y - r / 5, U(1), U(1), Style(c.white, PART_FLAT));
}

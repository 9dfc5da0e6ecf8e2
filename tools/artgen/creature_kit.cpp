// Shared pieces of the creature drawers: the drawing context and common features.
// Features are sized in design units so that they grow with the stage zoom.
#include "creature_kit.h"

namespace {

const Rgb kEyeDark = {34, 26, 44};
const Rgb kEyeOutline = {20, 14, 28};
const Rgb kMouthDark = {110, 36, 48};
const Rgb kBone = {236, 222, 186};
const Rgb kDarkMark = {52, 44, 64};
const int kBellyLighten = 120;

uint32_t Seed(const CreaturePlan &plan, int form)
{
    uint32_t h = 2166136261u;
    for (const char *p = plan.family; *p; ++p)
        h = (h ^ static_cast<uint8_t>(*p)) * 16777619u;
    h ^= static_cast<uint32_t>(plan.index * 7919 + form * 131);
    return h == 0 ? 1u : h;
}

} // namespace

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
    return lo + static_cast<int>(NextRandom(rng) % static_cast<uint32_t>(hi - lo + 1));
}

int Material(Ctx &c, Rgb base)
{
    return AddMaterial(c.s, MakeRamp(base));
}

Ctx MakeCtx(const CreaturePlan &plan, int form, int zoom)
{
    Ctx c{MakeSprite(kPictureSize, kPictureSize, U(kPictureSize / 2), U(kGroundRow), zoom),
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
    c.belly = Material(c, Mix(plan.bodyColour, {250, 236, 200}, kBellyLighten));
    c.accent = Material(c, plan.accentColour);
    c.eye = AddMaterial(c.s, FlatRamp(kEyeDark, kEyeOutline));
    c.white = AddMaterial(c.s, FlatRamp(kWhite, kEyeOutline));
    c.mouth = AddMaterial(c.s, FlatRamp(kMouthDark, kEyeOutline));
    c.bone = Material(c, kBone);
    c.dark = Material(c, kDarkMark);
    return c;
}

void CuteEye(Ctx &c, int x, int y, int r)
{
    Ellipse(c.s, x, y, r, r * 5 / 4, Style(c.eye, kPartFlat));
    if (r * c.s.zoom / kOne >= U(3))
        Ellipse(c.s, x - r / 3, y - r / 2, r / 3, r / 3, Style(c.white, kPartFlat));
    Dot(c.s, x - r / 3, y - r / 2, c.white, kBase);
}

void WhiteEye(Ctx &c, int x, int y, int r, int lookX)
{
    Ellipse(c.s, x, y, r, r * 5 / 4, Style(c.white, kPartFlat | kPartLine));
    Ellipse(c.s, x + lookX, y + r / 6, r * 3 / 5, r * 4 / 5, Style(c.eye, kPartFlat));
    Dot(c.s, x + lookX - r / 4, y - r / 5, c.white, kBase);
}

void FierceEye(Ctx &c, int x, int y, int r, int angle, int irisMaterial)
{
    Ellipse(c.s, x, y, r * 3 / 2, r * 3 / 4, Style(irisMaterial, kPartFlat | kPartLine, kLight), angle);
    Ellipse(c.s, x, y, r / 2, r * 3 / 4, Style(c.eye, kPartFlat), angle);
    Dot(c.s, x - r / 3, y - r / 3, c.white, kBase);
}

void Smile(Ctx &c, int x, int y, int halfWidth)
{
    Curve(c.s, x - halfWidth, y - halfWidth / 3, U(1) / 2, x, y + halfWidth / 2, x + halfWidth,
          y - halfWidth / 3, U(1) / 2, Style(c.mouth, kPartFlat));
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
    Spike(c, x - w / 2, y - h / 6, h * 3 / 4, lean - 25, w / 2, Style(material, kPartNoHighlight));
    Spike(c, x + w / 2, y - h / 6, h * 3 / 4, lean + 25, w / 2, Style(material, kPartNoHighlight));
    Spike(c, x, y - h / 4, h, lean, w * 2 / 3, Style(material, kPartNoHighlight));
    Ellipse(c.s, x, y - h / 6, w, h / 3, Style(material));
    Ellipse(c.s, x, y - h / 5, w / 2, h / 5, Style(material, kPartFlat, kHighlight));
}

void Leaf(Ctx &c, int x, int y, int length, int angle, int material)
{
    const int mx = Toward(x, length / 2, angle), my = TowardY(y, length / 2, angle);
    Ellipse(c.s, mx, my, length / 4, length / 2, Style(material, kPartLine), angle);
    Capsule(c.s, x, y, U(1) / 2, Toward(x, length * 3 / 4, angle), TowardY(y, length * 3 / 4, angle),
            U(1) / 3, Style(material, kPartFlat, kShadow));
}

/* Shared pieces of the creature drawers: the drawing context with its materials, and
   common features (eyes, mouths, flames, spikes, leaves) built from sprite parts. */
#ifndef ZORAVEL_ARTGEN_CREATURE_KIT_H
#define ZORAVEL_ARTGEN_CREATURE_KIT_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "creature_plan.h"
#include "sprite.h"

/* Pictures are 80 by 80. */
const int PICTURE_SIZE = 80;

struct Rng {
    uint32_t state;
};
uint32_t NextRandom(Rng &rng);
int RandomRange(Rng &rng, int lo, int hi); /* inclusive */

struct Ctx {
    Sprite s;
    const CreaturePlan *plan;
    int form;
    bool young; /* first stage of a family that grows further */
    Rng rng;
    /* Materials every drawer may use. */
    int body, belly, accent, eye, white, mouth, bone, dark;
};

/* A square canvas of size pixels with the design origin at (originX, originY), in units. */
Ctx MakeCtx(const CreaturePlan &plan, int form, int zoom, int size, int originX, int originY);
int Material(Ctx &c, Rgb base);

/* Design units that land on the given number of canvas pixels at the picture's zoom. The viewer
   doubles every second pixel, so marks that must read (eye lights, strands) are kept two wide. */
int Px(const Ctx &c, int pixels);

/* Round black eye with a highlight, r the radius in design units. */
void CuteEye(Ctx &c, int x, int y, int r);
/* Eye with a white, a dark iris looking toward lookX and a highlight. */
void WhiteEye(Ctx &c, int x, int y, int r, int lookX);
/* Slanted fierce eye: dark almond shape tilted by angle. */
void FierceEye(Ctx &c, int x, int y, int r, int angle, int irisMaterial);
void Smile(Ctx &c, int x, int y, int halfWidth);
/* A flame of three tongues rising from (x, y), height h. */
void Flame(Ctx &c, int x, int y, int h, int material, int lean = 0);
/* Triangle from a base centre toward an angle (0 = up, 90 = right), half-width w. */
void Spike(Ctx &c, int x, int y, int length, int angle, int w, PartStyle style);
/* Pointed leaf from (x, y) toward angle, with a midrib. */
void Leaf(Ctx &c, int x, int y, int length, int angle, int material);
/* Design point at distance d from (x, y) toward angle (0 = up, 90 = right). */
int Toward(int x, int d, int angle);
int TowardY(int y, int d, int angle);

/* A one-pixel-wide-or-more light catch in the upper left of an eye of radius r. */
void Catchlight(Ctx &c, int x, int y, int r);
/* Round dark eye, a little taller than wide, with a light catch. */
void BrightEye(Ctx &c, int x, int y, int r);
/* The same with a light catch at least two pixels wide, so it stays whole when enlarged by 1.5. */
void GlintEye(Ctx &c, int x, int y, int r);
/* A coloured iris round a dark pupil: birds' keen eyes. */
void RingEye(Ctx &c, int x, int y, int r, int iris);
/* Round dark eye with a light catch; a coloured ring round it when iris is not 0. RoundEye is a
   circle, OvalEye an eighth taller. */
void RoundEye(Ctx &c, int x, int y, int r, int iris);
void OvalEye(Ctx &c, int x, int y, int r, int iris);
/* An outlined white with an iris looking toward lookX: an eye peering out of a hole. */
void PeerEye(Ctx &c, int x, int y, int r, int lookX, int iris);
/* (x, y) turned about (cx, cy) by angle degrees, clockwise on the picture. */
void Turn(int cx, int cy, int angle, int &x, int &y);

#endif

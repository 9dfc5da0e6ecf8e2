/* Pictures of the plan rows whose body is BODY_QUADRUPED, four-legged mammals shaped per entry: moles, lamb,
   wolves, stone lion, deer, badgers, sloth, ember stag, bog-iron beast, ox. */
#include "creature_drawers.h"

#include <algorithm>

/* Entries drawn here, by their place in the catalogue. */
static const int MOLE_PUP_ENTRY = 0;

static const int MOLE_MINER_ENTRY = 1;
static const int DREAM_LAMB_ENTRY = 48;
static const int WOLF_PUP_ENTRY = 49;
static const int HOWLING_WOLF_ENTRY = 50;
static const int FROST_WOLF_ENTRY = 51;
static const int STONE_LION_ENTRY = 55;
static const int CRYSTAL_FAWN_ENTRY = 75;
static const int YEARLING_ENTRY = 76;
static const int CRYSTAL_STAG_ENTRY = 77;
static const int BADGER_ENTRY = 84;
static const int BIG_BADGER_ENTRY = 85;
static const int MOSS_SLOTH_ENTRY = 89;
static const int EMBER_STAG_ENTRY = 96;
static const int BOG_BEAST_ENTRY = 102;
static const int EARTH_OX_ENTRY = 104;

enum EyeKind { EYE_ROUND, EYE_FIERCE, EYE_SLEEPY };

enum Foot { FOOT_PAW, FOOT_HOOF, FOOT_CLAW };

/* An eye with a light catch of at least two pixels: round and open for the young and gentle,
   an almond with a slit and a coloured iris for the fierce, a heavy lid for the sleepy. */
static void Eye(Ctx &c, int x, int y, int r, EyeKind kind, int iris, int lidMaterial)
{
    const int glint = std::max(r / 3, Px(c, 1));
    if (kind == EYE_FIERCE) {
        Ellipse(c.s, x, y, r * 3 / 2, r, Style(iris, PART_FLAT | PART_LINE, SHADE_LIGHT), 12);
        Ellipse(c.s, x, y, std::max(r / 3, Px(c, 1)), r, Style(c.eye, PART_FLAT));
        Ellipse(c.s, x - r / 2, y - r / 3, glint, glint, Style(c.white, PART_FLAT));
        return;
    }
    Ellipse(c.s, x, y, r, r * 5 / 4, Style(c.eye, PART_FLAT));
    if (kind == EYE_SLEEPY) {
        /* The lid covers the upper half; its edge is a dark line. */
        Ellipse(c.s, x, y - r * 3 / 4, r + Px(c, 1), r * 3 / 4, Style(lidMaterial, PART_FLAT, SHADE_LIGHT));
        Capsule(c.s, x - r, y, Px(c, 1) / 2, x + r, y, Px(c, 1) / 2, Style(c.eye, PART_FLAT));
        Ellipse(c.s, x - r / 3, y + r / 2, glint, glint, Style(c.white, PART_FLAT));
        return;
    }
    Ellipse(c.s, x - r / 3, y - r / 2, glint, glint, Style(c.white, PART_FLAT));
}

/* A leg from the hip (x, top) to the ground at footX, bending at a knee pushed kneeDx aside;
   far legs stand a little higher and in shadow. */
static void Leg(Ctx &c, int x, int top, int kneeDx, int footX, int rTop, int rFoot, bool far, Foot foot)
{
    const int groundY = far ? -U(2) : 0;
    const PartStyle style =
        far ? Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW) : Style(c.body, PART_LINE);
    const int kneeX = (x + footX) / 2 + kneeDx, kneeY = (top + groundY) / 2;
    Tube(c.s, {x, top, rTop, kneeX, kneeY, (rTop + rFoot) / 2, footX, groundY - rFoot, rFoot}, style);
    if (foot == FOOT_HOOF) {
        Ellipse(c.s, footX, groundY - rFoot, rFoot + U(1) / 2, rFoot, Style(c.dark, PART_LINE));
        return;
    }
    Ellipse(c.s, footX - rFoot / 3, groundY - rFoot * 3 / 4, rFoot * 3 / 2, rFoot * 3 / 4 + U(1) / 2, style);
    if (foot == FOOT_CLAW && !far)
        for (int k = 0; k < 3; ++k)
            Spike(c, footX - rFoot - U(1) + k * rFoot * 2 / 3, groundY - rFoot / 3, rFoot + U(1), -110,
                  std::max(rFoot / 4, U(1)), Style(c.bone, PART_LINE | PART_NO_HIGHLIGHT));
}

/* Two pointed ears on a head at (hx, hy): the far one shadowed behind, the near one with a pale inside. */
static void PointedEars(Ctx &c, int hx, int hy, int hr, int len, int lean, int inner)
{
    Spike(c, hx - hr / 3, hy - hr * 2 / 3, len * 9 / 10, lean - 18, len / 3,
          Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Spike(c, hx + hr / 3, hy - hr * 2 / 3, len, lean + 12, len * 2 / 5, Style(c.body, PART_LINE));
    Spike(c, hx + hr / 3, hy - hr * 2 / 3 + U(1), len * 3 / 5, lean + 12, len / 5,
          Style(inner, PART_FLAT | PART_NO_HIGHLIGHT, SHADE_LIGHT));
}

/* A muzzle from the head toward aim (0 = up, -90 = left), with a dark nose at its tip;
   returns the tip through tipX and tipY. */
static void Muzzle(Ctx &c, int hx, int hy, int aim, int len, int r0, int r1, int material, int noseR,
                   int &tipX, int &tipY)
{
    tipX = Toward(hx, len, aim);
    tipY = TowardY(hy, len, aim);
    Capsule(c.s, Toward(hx, len / 3, aim), TowardY(hy, len / 3, aim), r0, tipX, tipY, r1,
            Style(material, PART_LINE));
    Ellipse(c.s, Toward(tipX, r1 / 2, aim - 20), TowardY(tipY, r1 / 2, aim - 20), noseR, noseR * 3 / 4,
            Style(c.dark, PART_LINE), aim + 90);
}

/* A bushy tail from (x, y) swept up and back, with a pale tip. */
static void BushyTail(Ctx &c, int x, int y, int len, int angle, int tipMaterial)
{
    const int mx = Toward(x, len / 2, angle), my = TowardY(y, len / 2, angle);
    Ellipse(c.s, mx, my, len / 4 + U(1), len / 2 + U(1), Style(c.body, PART_LINE), angle);
    Ellipse(c.s, Toward(mx, len / 3, angle), TowardY(my, len / 3, angle), len / 6 + U(1), len / 5 + U(1),
            Style(tipMaterial, PART_LINE), angle);
}

/* One spade hand: a broad pink palm with a fan of three long pale claws toward angle. */
static void SpadeHand(Ctx &c, int claw, int x, int y, int angle, int size)
{
    for (int k = -1; k <= 1; ++k)
        Spike(c, Toward(x, size / 2, angle + k * 30), TowardY(y, size / 2, angle + k * 30), size,
              angle + k * 22, size / 4 + U(1) / 2, Style(claw, PART_LINE | PART_NO_HIGHLIGHT));
    Ellipse(c.s, x, y, size, size * 4 / 5, Style(c.accent, PART_LINE), angle);
}

/* A mole standing upright on its hind feet: velvet fur with a soft sheen, a long pink snout and
   pinpoint eyes. The pup holds both huge hands up; the old miner is broad and hunched, a ridged clay
   plate over its brow, one hand hanging and a lump of ore under the other arm. */
static void DrawMole(Ctx &c)
{
    const bool miner = c.plan->index == MOLE_MINER_ENTRY;
    Ramp velvet = MakeRamp(c.plan->bodyColour);
    velvet.shade[SHADE_LIGHT] = Mix(c.plan->bodyColour, {196, 186, 214}, 64);
    velvet.shade[SHADE_HIGHLIGHT] = Mix(c.plan->bodyColour, {214, 206, 232}, 112);
    const int fur = AddMaterial(c.s, velvet);
    const int claw = Material(c, {220, 200, 160});
    const int snoutMat = Material(c, c.plan->accentColour);
    GroundShadow(c.s, 0, 0, miner ? U(22) : U(15), U(3));

    const int bodyRx = miner ? U(16) : U(11), bodyRy = miner ? U(16) : U(13), bodyY = -bodyRy - U(2);
    const int hx = miner ? -U(9) : -U(1), hy = miner ? -U(33) : -U(31), hr = miner ? U(10) : U(9);
    for (int side = -1; side <= 1; side += 2)
        Ellipse(c.s, side * bodyRx / 2 - U(1), -U(2), U(6), U(3), Style(c.accent, PART_LINE));
    if (miner) {
        /* The far arm hugs a lump of ore against the body. */
        const int ore = Material(c, {120, 126, 140}), gold = Material(c, {250, 200, 70});
        Polygon(c.s, {U(8), -U(10), U(12), -U(24), U(22), -U(27), U(28), -U(18), U(25), -U(8), U(15), -U(5)},
                Style(ore, PART_LINE));
        Ellipse(c.s, U(19), -U(20), U(3), U(2), Style(gold, PART_LINE));
        Ellipse(c.s, U(14), -U(12), U(2), U(2), Style(gold, PART_LINE));
        Ellipse(c.s, U(24), -U(13), U(2), U(2), Style(gold, PART_LINE));
    }
    Ellipse(c.s, 0, bodyY, bodyRx, bodyRy, Style(fur));
    Ellipse(c.s, -bodyRx / 4, bodyY + bodyRy / 4, bodyRx * 3 / 5, bodyRy * 2 / 3,
            Style(fur, PART_FLAT | PART_NO_HIGHLIGHT, SHADE_LIGHT));
    if (!miner)
        /* Both hands up and wide, as if showing how big they are. */
        for (int side = -1; side <= 1; side += 2) {
            Capsule(c.s, side * U(9), bodyY - bodyRy / 3, U(4), side * U(17), bodyY - bodyRy - U(4), U(3),
                    Style(fur, PART_LINE));
            SpadeHand(c, claw, side * U(19), bodyY - bodyRy - U(9), side * 25, U(7));
        }
    Ellipse(c.s, hx, hy, hr, hr * 9 / 10, Style(fur, PART_LINE));
    int tipX, tipY;
    Muzzle(c, hx - hr / 2, hy + U(2), -100, hr + U(4), U(4), U(2), snoutMat, U(2), tipX, tipY);
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, tipX + U(5), tipY - U(1) + k * U(3), U(1) / 2, tipX + U(1), tipY - U(4) + k * U(8),
                U(1) / 2, Style(c.bone, PART_FLAT, SHADE_LIGHT));
    const int eyeR = U(2);
    Eye(c, hx - hr / 3, hy - hr / 5, eyeR, EYE_ROUND, c.eye, fur);
    Eye(c, hx + hr / 3, hy - hr / 5, eyeR, EYE_ROUND, c.eye, fur);
    if (!miner)
        return;
    /* A ridged clay plate over the brow, three ridges across it. */
    const int clay = Material(c, {196, 132, 92});
    Polygon(c.s,
            {hx - hr - U(2), hy - hr / 2, hx - hr / 2, hy - hr - U(3), hx + hr / 2, hy - hr - U(4),
             hx + hr + U(2), hy - hr / 2, hx + hr, hy - hr / 4, hx - hr, hy - hr / 5},
            Style(clay, PART_LINE));
    for (int k = 0; k < 2; ++k)
        Capsule(c.s, hx - hr + U(2), hy - hr * 2 / 5 - k * U(3), U(1) / 2, hx + hr - U(1),
                hy - hr * 2 / 5 - k * U(3) - U(1), U(1) / 2, Style(clay, PART_FLAT, SHADE_SHADOW));
    Capsule(c.s, -U(10), bodyY - U(4), U(5), -U(18), bodyY + U(10), U(4), Style(fur, PART_LINE));
    SpadeHand(c, claw, -U(19), bodyY + U(14), -150, U(7));
    Capsule(c.s, U(8), bodyY - U(8), U(4), U(10), bodyY + U(4), U(3), Style(fur, PART_LINE));
    SpadeHand(c, claw, U(9), bodyY + U(6), -60, U(5));
}

/* A baby lamb of cloud-soft wool on thin legs, drowsy eyes and floppy ears, a pale crescent
   moon woven into its fleece. */
static void DrawLamb(Ctx &c)
{
    const int face = Material(c, Mix(c.plan->accentColour, c.plan->bodyColour, 70));
    const int moon = Material(c, {250, 224, 120});
    const int bodyY = -U(18);
    GroundShadow(c.s, 0, 0, U(18), U(3));
    c.body = face;
    Leg(c, -U(8), bodyY, 0, -U(9), U(2) + U(1) / 2, U(2), true, FOOT_HOOF);
    Leg(c, U(9), bodyY, U(1), U(10), U(2) + U(1) / 2, U(2), true, FOOT_HOOF);
    Leg(c, -U(12), bodyY, 0, -U(13), U(2) + U(1) / 2, U(2), false, FOOT_HOOF);
    Leg(c, U(6), bodyY, U(1), U(7), U(2) + U(1) / 2, U(2), false, FOOT_HOOF);
    const int wool = Material(c, c.plan->bodyColour);
    for (int k = 0; k < 10; ++k) {
        const int angle = k * 36 + 10;
        Ellipse(c.s, Toward(U(2), U(13), angle), TowardY(bodyY, U(9), angle), U(6), U(5),
                Style(wool, PART_LINE));
    }
    Ellipse(c.s, U(18), bodyY - U(4), U(4), U(4), Style(wool, PART_LINE));
    Ellipse(c.s, U(2), bodyY, U(14), U(9), Style(wool, PART_NO_HIGHLIGHT));
    Ellipse(c.s, U(6), bodyY - U(1), U(4), U(5), Style(moon, PART_LINE));
    Ellipse(c.s, U(8), bodyY - U(3), U(4), U(5), Style(wool, PART_FLAT, SHADE_LIGHT));
    const int hx = -U(15), hy = bodyY - U(8), hr = U(8);
    Ellipse(c.s, hx + U(6), hy + U(1), U(3), U(6), Style(face, PART_FLAT | PART_LINE, SHADE_SHADOW), 70);
    Ellipse(c.s, hx, hy, hr - U(1), hr, Style(face, PART_LINE));
    Ellipse(c.s, hx - U(7), hy + U(2), U(3), U(6), Style(face, PART_LINE), -65);
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, hx - U(4) + k * U(4), hy - hr + U(1), U(4), U(3), Style(wool, PART_LINE));
    Smile(c, hx - U(3), hy + U(5), U(2));
    Eye(c, hx - U(3), hy + U(1), U(2), EYE_SLEEPY, c.eye, face);
    Eye(c, hx + U(3), hy + U(1), U(2), EYE_SLEEPY, c.eye, face);
}

/* The pup sits on its haunches, all head and paws; the lanky yearling stands on long legs with
   its muzzle raised to howl; the frost wolf stands low and heavy, a mane of ice spikes on its neck. */
static void DrawWolf(Ctx &c)
{
    const int stage = c.plan->stage;
    const int pale = c.belly;
    int tipX, tipY;
    if (stage == 1) {
        /* The pup: a round fluffy head bigger than its body, a short stubby muzzle, big soft paws. */
        GroundShadow(c.s, U(2), 0, U(18), U(3));
        BushyTail(c, U(12), -U(4), U(13), 110, pale);
        Ellipse(c.s, U(6), -U(9), U(11), U(9), Style(c.body));
        Ellipse(c.s, U(10), -U(3), U(6), U(3), Style(c.body, PART_LINE));
        Ellipse(c.s, -U(2), -U(14), U(9), U(11), Style(c.body, PART_LINE), 10);
        Ellipse(c.s, -U(4), -U(13), U(5), U(8), Style(pale, PART_NO_HIGHLIGHT), 10);
        for (int k = 0; k < 2; ++k) {
            const int px = -U(3) - k * U(8);
            Capsule(c.s, px + U(1), -U(14), U(3), px, -U(4), U(3), Style(c.body, PART_LINE));
            Ellipse(c.s, px - U(1), -U(3), U(5), U(3) + U(1) / 2, Style(c.body, PART_LINE));
            for (int t = 0; t < 2; ++t)
                Capsule(c.s, px - U(3) + t * U(3), -U(2), Px(c, 1) / 2, px - U(3) + t * U(3), -U(1),
                        Px(c, 1) / 2, Style(c.dark, PART_FLAT));
        }
        const int hx = -U(5), hy = -U(33), hr = U(13);
        PointedEars(c, hx + U(1), hy + U(1), hr, U(12), 0, pale);
        Ellipse(c.s, hx, hy, hr, hr * 19 / 20, Style(c.body, PART_LINE));
        for (int side = -1; side <= 1; side += 2)
            Spike(c, hx + side * hr * 9 / 10, hy + hr / 3, U(5), side * 115, U(3), Style(c.body, PART_LINE));
        /* Pale brows and a short round muzzle with a button nose. */
        Ellipse(c.s, hx - U(6), hy - U(7), U(2), U(1) + U(1) / 2, Style(pale, PART_FLAT, SHADE_LIGHT));
        Ellipse(c.s, hx + U(4), hy - U(7), U(2), U(1) + U(1) / 2, Style(pale, PART_FLAT, SHADE_LIGHT));
        Ellipse(c.s, hx - U(3), hy + U(6), U(6), U(4) + U(1) / 2, Style(pale, PART_LINE));
        Ellipse(c.s, hx - U(6), hy + U(4), U(2) + U(1) / 2, U(2), Style(c.dark, PART_LINE));
        Curve(c.s, hx - U(7), hy + U(8), U(1) / 2, hx - U(4), hy + U(10), hx - U(1), hy + U(8), U(1) / 2,
              Style(c.mouth, PART_FLAT));
        Eye(c, hx - U(7), hy - U(2), U(3) + U(1) / 2, EYE_ROUND, c.eye, c.body);
        Eye(c, hx + U(4), hy - U(2), U(3) + U(1) / 2, EYE_ROUND, c.eye, c.body);
        return;
    }
    const bool frost = stage == 3;
    const int brx = frost ? U(18) : U(15), bry = frost ? U(15) : U(7), legLen = frost ? U(10) : U(19);
    const int bodyY = -(legLen + bry * 2 / 3), legTop = bodyY + bry / 3;
    const int legR = frost ? U(5) : U(3);
    GroundShadow(c.s, 0, 0, brx + U(6), U(3));
    if (frost) {
        const int ice = Material(c, c.plan->accentColour);
        BushyTail(c, brx - U(3), bodyY - U(4), U(16), 35, ice);
    } else {
        BushyTail(c, brx - U(2), bodyY - U(1), U(15), 160, pale);
    }
    Leg(c, -brx * 3 / 5 + U(4), legTop, 0, -brx * 3 / 5 + U(2), legR, legR - U(1), true, FOOT_PAW);
    Leg(c, brx * 3 / 5 + U(4), legTop, U(3), brx * 3 / 5 + U(3), legR + U(1), legR - U(1), true, FOOT_PAW);
    Ellipse(c.s, 0, bodyY, brx, bry, Style(c.body), frost ? 0 : -6);
    Ellipse(c.s, -brx / 2, bodyY - bry / 6, brx / 2, bry * 11 / 10, Style(c.body, PART_NO_HIGHLIGHT));
    Ellipse(c.s, -brx / 6, bodyY + bry / 2, brx * 2 / 3, bry / 3, Style(pale, PART_NO_HIGHLIGHT));
    Leg(c, -brx * 3 / 5, legTop, 0, -brx * 3 / 5 - U(2), legR, legR - U(1), false,
        frost ? FOOT_CLAW : FOOT_PAW);
    Leg(c, brx * 3 / 5, legTop, U(3), brx * 3 / 5 - U(1), legR + U(1), legR - U(1), false,
        frost ? FOOT_CLAW : FOOT_PAW);
    if (!frost) {
        /* Neck stretched up, muzzle to the sky, mouth open in the howl. */
        const int hx = -brx - U(2), hy = bodyY - U(17), hr = U(8);
        Capsule(c.s, -brx / 2, bodyY - U(2), U(6), hx + U(2), hy + U(2), U(5), Style(c.body, PART_LINE));
        PointedEars(c, hx + U(3), hy + U(1), hr, U(9), 40, pale);
        Ellipse(c.s, hx, hy, hr, hr * 9 / 10, Style(c.body, PART_LINE));
        Muzzle(c, hx - U(2), hy - U(1), -35, U(10), U(4), U(3), pale, U(2), tipX, tipY);
        Spike(c, hx - U(5), hy + U(3), U(8), -55, U(2), Style(pale, PART_LINE));
        Ellipse(c.s, hx - U(7), hy - U(3), U(2), U(2), Style(c.mouth, PART_FLAT));
        Eye(c, hx + U(1), hy - U(2), U(2), EYE_SLEEPY, c.eye, c.body);
        return;
    }
    const int hx = -brx - U(4), hy = bodyY - U(7), hr = U(12);
    const int ice = Material(c, c.plan->accentColour);
    for (int k = 0; k < 5; ++k)
        Spike(c, -U(4) + k * U(5), bodyY - bry + U(2) + (k * k) * U(1) / 3, U(11) - k * U(1), 25 + k * 12,
              U(3), Style(ice, PART_LINE));
    Capsule(c.s, -brx / 2, bodyY, U(10), hx + U(2), hy + U(2), U(8), Style(c.body, PART_LINE));
    /* The ice mane bristles back from behind the ears over the neck and shoulders. */
    for (int k = 0; k < 7; ++k)
        Spike(c, hx + U(6) + k * U(3), hy - U(2) + k * U(2), U(12) + (k % 2) * U(4) - k * U(1) / 2,
              10 + k * 14, U(4), Style(ice, PART_LINE));
    for (int k = 0; k < 3; ++k)
        Spike(c, hx + U(4) + k * U(4), hy + U(9) + k * U(2), U(8), -140 + k * 20, U(3),
              Style(ice, PART_LINE));
    PointedEars(c, hx + U(2), hy, hr, U(9), 10, ice);
    Ellipse(c.s, hx, hy, hr, hr * 4 / 5, Style(c.body, PART_LINE));
    Muzzle(c, hx - U(3), hy + U(2), -95, U(12), U(6), U(4), pale, U(2), tipX, tipY);
    Spike(c, tipX + U(4), tipY + U(3), U(4), 180, U(1) + U(1) / 2,
          Style(c.bone, PART_LINE | PART_NO_HIGHLIGHT));
    Capsule(c.s, tipX + U(2), tipY + U(3), U(1) / 2, hx - U(2), hy + U(5), U(1) / 2,
            Style(c.mouth, PART_FLAT));
    Eye(c, hx - U(2), hy - U(2), U(2) + U(1) / 2, EYE_FIERCE, ice, c.body);
}

/* A carved lion sitting on its plinth, chest out, a mane of carved curls, moss in the cracks and
   amber eyes that are awake. */
static void DrawStoneLion(Ctx &c)
{
    const int plinth = Material(c, Darker(c.plan->bodyColour, 22));
    const int moss = Material(c, {110, 150, 80});
    const int amber = Material(c, {250, 200, 70});
    GroundShadow(c.s, 0, 0, U(26), U(3));
    Polygon(c.s, {-U(24), 0, -U(24), -U(8), U(24), -U(8), U(24), 0}, Style(plinth, PART_LINE));
    Polygon(c.s, {-U(26), -U(8), -U(26), -U(12), U(26), -U(12), U(26), -U(8)}, Style(plinth, PART_LINE));
    Ellipse(c.s, -U(14), -U(4), U(3), U(2), Style(moss, PART_NO_HIGHLIGHT));
    /* Tail curled along the plinth top with its tuft. */
    Curve(c.s, U(14), -U(16), U(3), U(26), -U(14), U(22), -U(24), U(2), Style(c.body, PART_LINE));
    Ellipse(c.s, U(22), -U(26), U(3), U(4), Style(c.accent, PART_LINE));
    Ellipse(c.s, U(8), -U(22), U(13), U(11), Style(c.body));
    Ellipse(c.s, U(6), -U(15), U(9), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, -U(5), -U(26), U(9), U(15), Style(c.body, PART_LINE), 8);
    Capsule(c.s, -U(2), -U(28), U(4), -U(3), -U(15), U(3),
            Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Ellipse(c.s, -U(5), -U(14), U(5), U(3), Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Capsule(c.s, -U(10), -U(28), U(5), -U(12), -U(16), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, -U(14), -U(15), U(6), U(3), Style(c.body, PART_LINE));
    const int hx = -U(8), hy = -U(42);
    for (int k = 0; k < 12; ++k) {
        const int angle = k * 30;
        Ellipse(c.s, Toward(hx + U(2), U(12), angle), TowardY(hy + U(1), U(12), angle), U(5), U(5),
                Style(c.accent, PART_LINE));
    }
    Ellipse(c.s, hx + U(2), hy + U(1), U(13), U(13), Style(c.accent, PART_NO_HIGHLIGHT));
    Ellipse(c.s, hx, hy, U(9), U(9), Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(3), hy + U(4), U(5), U(4), Style(c.body, PART_LINE));
    Ellipse(c.s, hx - U(4), hy + U(2), U(2) + U(1) / 2, U(2), Style(c.dark, PART_LINE));
    Capsule(c.s, hx - U(6), hy + U(6), U(1) / 2, hx - U(1), hy + U(6), U(1) / 2, Style(c.mouth, PART_FLAT));
    Eye(c, hx - U(5), hy - U(3), U(2), EYE_FIERCE, amber, c.body);
    Eye(c, hx + U(3), hy - U(3), U(2) + U(1) / 2, EYE_FIERCE, amber, c.body);
    Ellipse(c.s, U(4), -U(24), U(3), U(2), Style(moss, PART_NO_HIGHLIGHT));
}

/* A deer head: narrow skull, long muzzle toward the lower left, wide leaf ears. */
static void DeerHead(Ctx &c, int hx, int hy, int hr, int earLen, int eyeR, EyeKind eye, int iris)
{
    Ellipse(c.s, hx - hr / 4, hy - hr * 3 / 4, earLen / 5, earLen / 2,
            Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW), -25);
    const int earX = Toward(hx + hr / 2, earLen / 2, 55), earY = TowardY(hy - hr / 2, earLen / 2, 55);
    Ellipse(c.s, earX, earY, earLen / 4, earLen / 2 + U(1), Style(c.body, PART_LINE), 55);
    Ellipse(c.s, earX, earY + U(1), earLen / 8, earLen / 3, Style(c.belly, PART_FLAT, SHADE_SHADOW), 55);
    Ellipse(c.s, hx, hy, hr, hr * 4 / 5, Style(c.body, PART_LINE));
    int tipX, tipY;
    Muzzle(c, hx - hr / 4, hy + hr / 5, -112, hr * 5 / 4, hr * 3 / 5, hr * 2 / 5, c.body, hr / 4 + U(1), tipX,
           tipY);
    Eye(c, hx - hr / 4, hy - hr / 8, eyeR, eye, iris, c.body);
}

/* Crystal flecks on a deer's back: small pale diamonds in a row. */
static void Flecks(Ctx &c, int x, int y, int count, int step, int material)
{
    for (int k = 0; k < count; ++k)
        Polygon(c.s,
                {x + k * step, y - U(2) + (k % 2) * U(2), x + k * step + U(2), y + (k % 2) * U(2),
                 x + k * step, y + U(2) + (k % 2) * U(2), x + k * step - U(2), y + (k % 2) * U(2)},
                Style(material, PART_FLAT | PART_LINE, SHADE_HIGHLIGHT));
}

/* A grown stag's rack of ice: a thick beam sweeping out and up, tines forking off both sides of it
   and a crown of crystal points at its end. */
static void IceRack(Ctx &c, int x, int y, int len, int lean, int material, PartStyle style)
{
    const int bend = lean + (lean < 0 ? -25 : 25);
    const int mx = Toward(x, len / 2, lean), my = TowardY(y, len / 2, lean);
    const int tx = Toward(mx, len / 2, bend), ty = TowardY(my, len / 2, bend);
    Capsule(c.s, x, y, U(3), mx, my, U(2) + U(1) / 2, style);
    Capsule(c.s, mx, my, U(2) + U(1) / 2, tx, ty, U(2), style);
    static const int AT[4] = {1, 2, 3, 4}; /* quarters along the beam */
    for (int k = 0; k < 4; ++k) {
        const int from = AT[k] <= 2 ? lean : bend;
        const int bx = AT[k] <= 2 ? x : mx, by = AT[k] <= 2 ? y : my;
        const int along = len / 2 * (AT[k] <= 2 ? AT[k] : AT[k] - 2) / 2;
        const int jx = Toward(bx, along, from), jy = TowardY(by, along, from);
        const int branch = from + (k % 2 == 0 ? -50 : 50), tine = len * 2 / 5 - k * U(1);
        const int ex = Toward(jx, tine, branch), ey = TowardY(jy, tine, branch);
        Capsule(c.s, jx, jy, U(2), ex, ey, U(1) + U(1) / 2, style);
        Spike(c, ex, ey, U(5), branch, U(2) + U(1) / 2, Style(material, PART_LINE));
    }
    Spike(c, tx, ty, U(6), bend - 15, U(2) + U(1) / 2, Style(material, PART_LINE));
    Spike(c, tx, ty, U(5), bend + 30, U(2), Style(material, PART_LINE));
}

/* The fawn lies folded in the snow, all ears and eyes; the yearling stands on long legs with the
   first short spikes of ice on its head; the stag stands tall under wide antlers of ice. */
static void DrawDeer(Ctx &c)
{
    const int stage = c.plan->stage;
    const int crystal = Material(c, c.plan->accentColour);
    if (stage == 1) {
        const int bodyY = -U(9);
        GroundShadow(c.s, 0, 0, U(22), U(3));
        Ellipse(c.s, U(17), bodyY - U(4), U(3), U(4), Style(c.belly, PART_LINE), 30);
        Ellipse(c.s, U(4), bodyY, U(16), U(9), Style(c.body));
        Ellipse(c.s, U(12), bodyY + U(2), U(7), U(6), Style(c.body, PART_LINE));
        Capsule(c.s, U(4), -U(3), U(3), U(15), -U(3), U(2), Style(c.body, PART_LINE));
        Ellipse(c.s, U(17), -U(3), U(2) + U(1) / 2, U(2), Style(c.dark, PART_LINE));
        Capsule(c.s, -U(6), -U(3), U(3), -U(17), -U(3), U(2), Style(c.body, PART_LINE));
        Ellipse(c.s, -U(19), -U(3), U(2) + U(1) / 2, U(2), Style(c.dark, PART_LINE));
        Flecks(c, -U(2), bodyY - U(4), 4, U(5), crystal);
        Capsule(c.s, -U(6), bodyY - U(2), U(6), -U(10), bodyY - U(14), U(5), Style(c.body, PART_LINE));
        DeerHead(c, -U(12), bodyY - U(19), U(8), U(15), U(3), EYE_ROUND, c.eye);
        return;
    }
    const bool stag = stage == 3;
    const int brx = stag ? U(20) : U(14), bry = stag ? U(14) : U(7), legLen = stag ? U(15) : U(19);
    const int bodyY = -(legLen + bry * 2 / 3), legTop = bodyY + bry / 3, legR = stag ? U(4) : U(2) + U(1) / 2;
    GroundShadow(c.s, 0, 0, brx + U(4), U(3));
    Ellipse(c.s, brx + U(1), bodyY - bry / 2, U(3), U(4), Style(c.belly, PART_LINE), 40);
    Leg(c, -brx * 3 / 5 + U(4), legTop, -U(1), -brx * 3 / 5 + U(3), legR, legR * 2 / 3, true, FOOT_HOOF);
    Leg(c, brx * 3 / 5 + U(4), legTop, U(4), brx * 3 / 5 + U(2), legR + U(1), legR * 2 / 3, true, FOOT_HOOF);
    Ellipse(c.s, 0, bodyY, brx, bry, Style(c.body), -5);
    Ellipse(c.s, -brx / 6, bodyY + bry / 2, brx * 2 / 3, bry / 3, Style(c.belly, PART_NO_HIGHLIGHT));
    if (!stag)
        Flecks(c, -U(4), bodyY - U(3), 3, U(6), crystal);
    Leg(c, -brx * 3 / 5, legTop, -U(1), -brx * 3 / 5 - U(1), legR, legR * 2 / 3, false, FOOT_HOOF);
    Leg(c, brx * 3 / 5, legTop, U(4), brx * 3 / 5 - U(2), legR + U(1), legR * 2 / 3, false, FOOT_HOOF);
    const int hx = -brx - U(2), hy = bodyY - (stag ? U(18) : U(17)), hr = stag ? U(9) : U(7);
    Capsule(c.s, -brx / 2, bodyY - U(1), stag ? U(10) : U(6), hx + U(3), hy + U(3), stag ? U(6) : U(4),
            Style(c.body, PART_LINE));
    if (stag) {
        /* A pale ruff on the throat. */
        Ellipse(c.s, hx + U(6), hy + U(12), U(5), U(8), Style(c.belly, PART_NO_HIGHLIGHT), 30);

        IceRack(c, hx - U(2), hy - hr / 2, U(22), -30, crystal,
                Style(crystal, PART_FLAT | PART_LINE, SHADE_SHADOW));
        IceRack(c, hx + U(4), hy - hr / 2, U(24), 30, crystal, Style(crystal, PART_LINE));
    } else {
        for (int side = 0; side < 2; ++side)
            Spike(c, hx - U(2) + side * U(5), hy - hr / 2, U(9), -10 + side * 25, U(2) + U(1) / 2,
                  Style(crystal, PART_LINE));
    }
    DeerHead(c, hx, hy, hr, stag ? U(11) : U(13), U(2) + U(1) / 2, stag ? EYE_FIERCE : EYE_ROUND, crystal);
}

/* The ember stag rears on its hind legs, forelegs tucked, antlers of flame, embers glowing in its
   coat and a flame for a tail. */
static void DrawEmberStag(Ctx &c)
{
    const int tilt = 30, brx = U(18), bry = U(9), legR = U(3);
    const int bodyX = U(4), bodyY = -(U(17) + bry);
    const int frontX = bodyX - brx * CosQ12(tilt) / 4096, frontY = bodyY - brx * SinQ12(tilt) / 4096;
    const int backX = bodyX + brx * CosQ12(tilt) / 4096, backY = bodyY + brx * SinQ12(tilt) / 4096;
    const int ember = Material(c, {255, 226, 110});
    GroundShadow(c.s, 0, 0, brx + U(4), U(3));
    Flame(c, backX + U(2), backY - bry / 2, U(12), c.accent, 40);
    Leg(c, backX - U(7), backY, U(5), backX - U(9), legR + U(1), U(2), true, FOOT_HOOF);
    Tube(c.s,
         {frontX + U(6), frontY + bry / 2, legR + U(1), frontX - U(1), frontY + bry + U(5), legR,
          frontX - U(8), frontY + bry / 2, U(2)},
         Style(c.body, PART_FLAT | PART_LINE, SHADE_SHADOW));
    Ellipse(c.s, bodyX, bodyY, brx, bry, Style(c.body), tilt);
    Ellipse(c.s, bodyX - U(2), bodyY + bry / 2, brx * 2 / 3, bry / 2, Style(c.belly, PART_NO_HIGHLIGHT),
            tilt);
    for (int k = 0; k < 3; ++k)
        Ellipse(c.s, bodyX - U(6) + k * U(6), bodyY - U(2) + k * U(3), U(2), U(2), Style(ember, PART_LINE));
    Leg(c, backX - U(2), backY, U(5), backX - U(3), legR + U(1), U(2), false, FOOT_HOOF);
    Tube(c.s,
         {frontX + U(3), frontY + bry / 2, legR + U(1), frontX - U(5), frontY + bry + U(3), legR,
          frontX - U(12), frontY + bry / 3, U(2)},
         Style(c.body, PART_LINE));
    Ellipse(c.s, frontX - U(12), frontY + bry / 3, U(2) + U(1) / 2, U(2), Style(c.dark, PART_LINE));
    const int hx = frontX - U(3), hy = frontY - U(12), hr = U(8);
    Capsule(c.s, frontX + U(2), frontY, U(7), hx + U(2), hy + U(2), U(4), Style(c.body, PART_LINE));
    for (int side = 0; side < 2; ++side) {
        const int ax = hx + (side ? U(4) : -U(2)), ay = hy - hr / 2, lean = side ? 25 : -10;
        const PartStyle bone =
            side ? Style(c.bone, PART_LINE) : Style(c.bone, PART_FLAT | PART_LINE, SHADE_SHADOW);
        const int tx = Toward(ax, U(14), lean), ty = TowardY(ay, U(14), lean);
        Capsule(c.s, ax, ay, U(2), tx, ty, U(1) + U(1) / 2, bone);
        Capsule(c.s, Toward(ax, U(7), lean), TowardY(ay, U(7), lean), U(1) + U(1) / 2,
                Toward(ax, U(12), lean - 25), TowardY(ay, U(12), lean - 25), U(1), bone);
        Flame(c, tx, ty + U(2), U(9), c.accent, lean);
    }
    DeerHead(c, hx, hy, hr, U(11), U(2) + U(1) / 2, EYE_FIERCE, ember);
}

/* A badger's wedge head with the dark band through each eye and a pale stripe from nose to crown;
   the eye sits light-rimmed inside its band so that it reads as an eye. */
static void BadgerHead(Ctx &c, int hx, int hy, int hr, int snout, EyeKind eye, int iris)
{
    Ellipse(c.s, hx + hr / 3, hy - hr * 3 / 4, U(3), U(3), Style(c.body, PART_LINE));
    Ellipse(c.s, hx, hy, hr, hr * 4 / 5, Style(c.body, PART_LINE));
    int tipX, tipY;
    Muzzle(c, hx - hr / 3, hy + hr / 5, -105, snout, hr * 3 / 5, hr / 4 + U(1), c.accent, U(2), tipX, tipY);
    Capsule(c.s, hx + hr, hy - hr / 4, U(3), tipX + U(3), tipY - U(2), U(2),
            Style(c.dark, PART_FLAT | PART_NO_HIGHLIGHT, SHADE_BASE));
    Capsule(c.s, hx + hr, hy - hr * 3 / 4, U(2), tipX + U(4), tipY - U(4), U(1),
            Style(c.accent, PART_NO_HIGHLIGHT));
    const int ex = hx - hr / 6, ey = hy - hr / 6;
    Ellipse(c.s, ex, ey, U(3) + U(1) / 2, U(3), Style(c.accent, PART_FLAT, SHADE_LIGHT));
    Eye(c, ex, ey, U(2) + U(1) / 2, eye, iris, c.body);
}

/* The cub: a round ball of a body on four stubby legs, a big striped head held up in front of it
   with a short snout, a stub of tail. */
static void DrawBadgerCub(Ctx &c)
{
    const int r = U(12), bodyY = -U(15), legR = U(3) + U(1) / 2;
    GroundShadow(c.s, 0, 0, U(17), U(3));
    Spike(c, r - U(1), bodyY - U(3), U(5), 100, U(3), Style(c.body, PART_LINE));
    Leg(c, -U(4), bodyY + U(6), 0, -U(5), legR, legR - U(1), true, FOOT_PAW);
    Leg(c, U(9), bodyY + U(6), 0, U(10), legR, legR - U(1), true, FOOT_PAW);
    Ellipse(c.s, U(2), bodyY, r + U(1), r, Style(c.body));
    Ellipse(c.s, 0, bodyY + r * 2 / 3, r * 3 / 4, r / 3, Style(c.dark, PART_FLAT | PART_NO_HIGHLIGHT));
    Ellipse(c.s, U(4), bodyY - r * 2 / 3, r * 2 / 3, r / 3, Style(c.belly, PART_NO_HIGHLIGHT));
    Leg(c, -U(7), bodyY + U(6), 0, -U(8), legR, legR - U(1), false, FOOT_PAW);
    Leg(c, U(6), bodyY + U(6), 0, U(6), legR, legR - U(1), false, FOOT_PAW);
    BadgerHead(c, -U(10), bodyY - U(8), U(11), U(10), EYE_ROUND, c.eye);
}

/* The big badger stands square and humped on thick legs, its head raised high on a thick neck,
   heavy claws dug in; the cub is drawn apart. */
static void DrawBadger(Ctx &c)
{
    if (c.plan->index != BIG_BADGER_ENTRY) {
        DrawBadgerCub(c);
        return;
    }
    const int brx = U(20), bry = U(17), legLen = U(9);
    const int bodyY = -(legLen + bry * 3 / 4), legTop = bodyY + bry / 3, legR = U(7);
    GroundShadow(c.s, 0, 0, brx + U(6), U(3));

    Spike(c, brx - U(2), bodyY - U(1), U(8), 110, U(3), Style(c.body, PART_LINE));
    Leg(c, -brx / 2 + U(4), legTop, 0, -brx / 2 + U(2), legR, legR - U(1), true, FOOT_PAW);
    Leg(c, brx / 2 + U(4), legTop, 0, brx / 2 + U(4), legR, legR - U(1), true, FOOT_PAW);
    Ellipse(c.s, 0, bodyY, brx, bry, Style(c.body));
    Ellipse(c.s, -brx / 3, bodyY - bry / 2, brx / 2, bry * 3 / 4, Style(c.body, PART_NO_HIGHLIGHT));
    Ellipse(c.s, -brx / 6, bodyY + bry * 2 / 3, brx * 2 / 3, bry / 3,
            Style(c.dark, PART_FLAT | PART_NO_HIGHLIGHT));
    /* A grizzled pale saddle along the back. */
    Ellipse(c.s, U(2), bodyY - bry * 2 / 3, brx * 3 / 4, bry / 3, Style(c.belly, PART_NO_HIGHLIGHT));
    Leg(c, -brx / 2, legTop, 0, -brx / 2 - U(2), legR, legR - U(1), false, FOOT_CLAW);
    Leg(c, brx / 2, legTop, 0, brx / 2, legR, legR - U(1), false, FOOT_CLAW);
    /* The head held high on a thick neck, watching. */
    Capsule(c.s, -brx + U(6), bodyY - U(2), U(8), -brx - U(2), bodyY - U(14), U(7), Style(c.body, PART_LINE));
    BadgerHead(c, -brx - U(4), bodyY - U(17), U(11), U(16), EYE_FIERCE, Material(c, {240, 170, 60}));
}

/* The baby sloth hangs below a branch by its two long arms, legs curled up to its belly, a big
   round face with dark eye patches turned to the viewer and ferns sprouting in its fur. */
static void DrawSloth(Ctx &c)
{
    const int bark = Material(c, {120, 86, 60}), fern = Material(c, c.plan->bodyColour);
    const int patch = Material(c, Darker(c.plan->bodyColour, 45));
    const int fur = Material(c, {150, 130, 100});
    const int branchY = -U(50), bodyY = -U(24), hy = -U(36);
    GroundShadow(c.s, 0, 0, U(14), U(3));
    Capsule(c.s, -U(26), branchY + U(2), U(3), U(26), branchY - U(2), U(3), Style(bark, PART_LINE));
    Leaf(c, U(20), branchY - U(2), U(9), 30, fern);
    Leaf(c, -U(22), branchY + U(2), U(8), -40, fern);
    for (int side = -1; side <= 1; side += 2) {
        const int hand = side * U(16);
        Capsule(c.s, side * U(7), bodyY - U(6), U(4), hand, branchY + U(3), U(3), Style(fur, PART_LINE));
        for (int t = 0; t < 3; ++t)
            Spike(c, hand - U(2) + t * U(2), branchY + U(1), U(4), -20 + t * 20, U(1),
                  Style(c.bone, PART_LINE));
    }
    Ellipse(c.s, 0, bodyY, U(11), U(12), Style(fur));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(6), bodyY + U(9), U(5), U(4), Style(fur, PART_LINE), side * 30);
        for (int t = 0; t < 2; ++t)
            Spike(c, side * U(3) + t * side * U(2), bodyY + U(11), U(3), side * 60, U(1),
                  Style(c.bone, PART_LINE));
    }
    Leaf(c, U(6), bodyY - U(2), U(12), 50, fern);
    Leaf(c, -U(7), bodyY + U(3), U(10), -70, fern);
    Ellipse(c.s, 0, hy, U(10), U(9), Style(fur, PART_LINE));
    Ellipse(c.s, 0, hy + U(1), U(8), U(6), Style(c.accent, PART_NO_HIGHLIGHT));
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(c.s, side * U(4), hy, U(3) + U(1) / 2, U(2) + U(1) / 2, Style(patch, PART_FLAT), side * 25);
        Eye(c, side * U(4), hy, U(2), EYE_ROUND, c.eye, fur);
    }
    Ellipse(c.s, 0, hy + U(3), U(2), U(1) + U(1) / 2, Style(c.dark, PART_FLAT));
    Smile(c, 0, hy + U(5), U(2));
    Leaf(c, -U(3), hy - U(7), U(8), -20, fern);
    Leaf(c, U(2), hy - U(7), U(9), 25, fern);
}

/* The bog-iron beast: a low broad body under a humped back of meadow turf studded with rusty knobs of
   bog ore, reed stalks standing up out of it, rust-coloured water streaking its flanks, short thick
   legs on flat spade feet and a flat broad snout pushed forward with two small eyes. */
static void DrawBogBeast(Ctx &c)
{
    const int turf = Material(c, {110, 120, 70}), ore = c.accent, rust = Material(c, {176, 100, 50});
    const int reed = Material(c, {150, 150, 80}), head = Material(c, {110, 80, 50});
    const int bodyY = -U(22);
    GroundShadow(c.s, 0, 0, U(32), U(3));
    /* Reeds standing up out of the turf. */
    for (int k = 0; k < 3; ++k) {
        const int x = U(6) + k * U(7), lean = -8 + k * 10;
        Capsule(c.s, x, bodyY - U(16), U(1), Toward(x, U(20) - k * U(3), lean),
                TowardY(bodyY - U(16), U(20) - k * U(3), lean), U(1) / 2 + U(1) / 4, Style(reed, PART_LINE));
        if (k != 1)
            Ellipse(c.s, Toward(x, U(16) - k * U(3), lean), TowardY(bodyY - U(16), U(16) - k * U(3), lean),
                    U(1) + U(1) / 2, U(3), Style(head, PART_LINE), lean);
    }
    Leg(c, -U(14), bodyY + U(6), 0, -U(14), U(5), U(4), true, FOOT_PAW);
    Leg(c, U(20), bodyY + U(6), 0, U(21), U(5), U(4), true, FOOT_PAW);
    Ellipse(c.s, U(4), bodyY, U(30), U(14), Style(c.body));
    /* Rust water seeping down the flanks in streaks. */
    for (int k = 0; k < 5; ++k)
        Capsule(c.s, -U(16) + k * U(9), bodyY - U(4) + (k % 2) * U(2), Px(c, 1) / 2 + U(1) / 4,
                -U(15) + k * U(9), bodyY + U(8) - (k % 2) * U(3), Px(c, 1) / 2, Style(rust, PART_FLAT));
    /* The turf on its back, grass blades along its top edge, knobs of ore in it. */
    Ellipse(c.s, U(4), bodyY - U(8), U(28), U(10), Style(turf, PART_LINE));
    for (int k = 0; k < 9; ++k)
        Spike(c, -U(20) + k * U(6), bodyY - U(15) - (k % 2) * U(2) + (k - 4) * (k - 4) * U(1) / 3, U(4),
              -20 + (k % 3) * 20, U(1) + U(1) / 2, Style(turf, PART_LINE | PART_NO_HIGHLIGHT));
    static const int KNOBS[6][3] = {
        {-14, -8,  3},
        {-4,  -13, 4},
        {8,   -10, 3},
        {18,  -13, 4},
        {26,  -6,  3},
        {2,   -5,  2}
    };
    for (const int *k : KNOBS)
        Ellipse(c.s, U(4) + U(k[0]), bodyY + U(k[1]), U(k[2]), U(k[2]) * 4 / 5, Style(ore, PART_LINE));
    Leg(c, -U(18), bodyY + U(6), 0, -U(19), U(5), U(4), false, FOOT_PAW);
    Leg(c, U(16), bodyY + U(6), 0, U(16), U(5), U(4), false, FOOT_PAW);
    /* The flat broad snout pushed forward. */
    Ellipse(c.s, -U(26), bodyY + U(2), U(10), U(8), Style(head, PART_LINE));
    Ellipse(c.s, -U(38), bodyY + U(5), U(9), U(4), Style(head, PART_LINE), -6);
    Ellipse(c.s, -U(45), bodyY + U(5), U(2), U(3), Style(c.dark, PART_LINE));
    Capsule(c.s, -U(42), bodyY + U(8), U(1) / 2, -U(32), bodyY + U(8), U(1) / 2, Style(c.mouth, PART_FLAT));
    Eye(c, -U(30), bodyY - U(1), U(2), EYE_ROUND, c.eye, head);
    Eye(c, -U(23), bodyY - U(2), U(1) + U(1) / 2, EYE_ROUND, c.eye, head);
}

/* A heavy square ox with a shoulder hump, a broad low head, horns sweeping out and forward, clods of
   earth and a tuft of grass on its back, and a tufted tail. */
static void DrawOx(Ctx &c)
{
    const int horn = c.accent, earth = Material(c, {120, 90, 60}), grass = Material(c, {110, 170, 70});
    const int brx = U(23), bry = U(13), legLen = U(11), legR = U(5);
    const int bodyY = -(legLen + bry * 3 / 4), legTop = bodyY + bry / 3;
    GroundShadow(c.s, 0, 0, brx + U(6), U(3));
    Curve(c.s, brx - U(2), bodyY - U(4), U(2), brx + U(6), bodyY, brx + U(5), bodyY + U(12), U(1),
          Style(c.body, PART_LINE));
    Ellipse(c.s, brx + U(5), bodyY + U(14), U(3), U(4), Style(c.dark, PART_LINE));
    Leg(c, -brx / 2 + U(5), legTop, 0, -brx / 2 + U(4), legR, legR - U(1), true, FOOT_HOOF);
    Leg(c, brx / 2 + U(4), legTop, 0, brx / 2 + U(4), legR, legR - U(1), true, FOOT_HOOF);
    Ellipse(c.s, -brx / 3, bodyY - bry / 2, brx / 2, bry * 3 / 4, Style(c.body));
    Polygon(c.s,
            {-brx, bodyY - bry / 2, brx - U(2), bodyY - bry + U(2), brx, bodyY + bry / 2, -brx + U(2),
             bodyY + bry},
            Style(c.body));
    Ellipse(c.s, 0, bodyY, brx, bry, Style(c.body));
    Ellipse(c.s, -brx / 3, bodyY - bry / 2, brx / 2, bry * 3 / 4, Style(c.body, PART_NO_HIGHLIGHT));
    Ellipse(c.s, U(6), bodyY - bry + U(1), U(5), U(3), Style(earth, PART_LINE));
    Leaf(c, U(4), bodyY - bry - U(1), U(7), -15, grass);
    Leaf(c, U(7), bodyY - bry - U(1), U(8), 20, grass);
    Ellipse(c.s, brx / 2, bodyY + U(2), U(4), U(3), Style(earth, PART_LINE));
    Leg(c, -brx / 2, legTop, 0, -brx / 2 - U(1), legR, legR - U(1), false, FOOT_HOOF);
    Leg(c, brx / 2, legTop, 0, brx / 2, legR, legR - U(1), false, FOOT_HOOF);
    const int hx = -brx - U(3), hy = bodyY + U(1), hr = U(10);
    for (int dir = -1; dir <= 1; dir += 2)
        Ellipse(c.s, hx + dir * (hr + U(1)), hy - U(1), U(4), U(2), Style(c.body, PART_LINE), dir * 20);
    Ellipse(c.s, hx, hy, hr, hr, Style(c.body, PART_LINE));
    /* Horns sweep out wide from the crown and turn up at the tips. */
    for (int dir = -1; dir <= 1; dir += 2) {
        const int sx = hx + dir * U(5);
        Curve(c.s, sx, hy - hr * 2 / 3, U(3), sx + dir * U(15), hy - hr * 2 / 3, sx + dir * U(12),
              hy - hr * 3 / 2 - U(3), U(1), Style(horn, PART_LINE));
    }
    Ellipse(c.s, hx - U(3), hy + U(6), U(8), U(5), Style(c.belly, PART_LINE));
    Ellipse(c.s, hx - U(7), hy + U(5), U(1) + U(1) / 2, U(1) + U(1) / 2, Style(c.dark, PART_FLAT));
    Ellipse(c.s, hx + U(1), hy + U(5), U(1) + U(1) / 2, U(1) + U(1) / 2, Style(c.dark, PART_FLAT));
    Eye(c, hx - U(4), hy - U(2), U(2), EYE_ROUND, c.eye, c.body);
    Eye(c, hx + U(4), hy - U(2), U(2) + U(1) / 2, EYE_ROUND, c.eye, c.body);
}

struct QuadDrawer {
    int entry;
    void (*draw)(Ctx &c);
};

/* clang-format off */
static const QuadDrawer DRAWERS[] = {
    {MOLE_PUP_ENTRY,         DrawMole     }, /* 387 */
    {MOLE_MINER_ENTRY,       DrawMole     }, /* 388 */
    {DREAM_LAMB_ENTRY,       DrawLamb     }, /* 435 */
    {WOLF_PUP_ENTRY,         DrawWolf     }, /* 436 */
    {HOWLING_WOLF_ENTRY,     DrawWolf     }, /* 437 */
    {FROST_WOLF_ENTRY,       DrawWolf     }, /* 438 */
    {STONE_LION_ENTRY,       DrawStoneLion}, /* 442 */
    {CRYSTAL_FAWN_ENTRY,     DrawDeer     }, /* 462 */
    {YEARLING_ENTRY,         DrawDeer     }, /* 463 */
    {CRYSTAL_STAG_ENTRY,     DrawDeer     }, /* 464 */
    {BADGER_ENTRY,           DrawBadger   }, /* 471 */
    {BIG_BADGER_ENTRY,       DrawBadger   }, /* 472 */
    {MOSS_SLOTH_ENTRY,       DrawSloth    }, /* 476 */
    {EMBER_STAG_ENTRY,       DrawEmberStag}, /* 483 */
    {BOG_BEAST_ENTRY,        DrawBogBeast }, /* 489 */
    {EARTH_OX_ENTRY,         DrawOx       }, /* 491 */
};

/* clang-format on */

void DrawQuadruped(Ctx &c)
{
    for (const QuadDrawer &d : DRAWERS)
        if (d.entry == c.plan->index) {
            d.draw(c);
            return;
        }
    DrawOx(c);
}

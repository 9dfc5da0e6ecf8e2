/* Creature pictures: picks the drawer of the entry's body plan and fits the creature to its frame.
   Every creature is centred by its own shape; later stages of a family fill more of the frame. */
#include "creatures.h"

#include "creature_drawers.h"

/* Pictures are drawn twice: once at a known zoom on a canvas large enough that nothing is
   clipped, to measure the creature, then at the zoom that makes it fill its frame, centred. */
static const int MEASURE_ZOOM = 128;
static const int MEASURE_SIZE = 200;
/* A fitted picture keeps this margin free, so its outline never reaches the border. */
static const int FIT_MARGIN = 3;

/* Longest side of the creature in pixels: first stages are still a good part of the frame, later
   stages and single creatures fill most of it. */
static int FitSide(const CreaturePlan &plan)
{
    if (plan.fit != 0)
        return plan.fit;
    if (plan.stages == 1)
        return 72;
    if (plan.stage == 1)
        return plan.stages == 3 ? 58 : 62;
    if (plan.stage < plan.stages)
        return 66;
    return 74;
}

struct PaintedBox {
    int left, top, right, bottom; /* pixels, inclusive; left > right when nothing is painted */
};

static PaintedBox BoxOf(const Sprite &s)
{
    PaintedBox b = {s.width, s.height, -1, -1};
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            const size_t i = (size_t)y * s.width + x;
            if (s.material[i] == 0 && !s.groundShadow[i])
                continue;
            b.left = x < b.left ? x : b.left;
            b.right = x > b.right ? x : b.right;
            b.top = y < b.top ? y : b.top;
            b.bottom = y > b.bottom ? y : b.bottom;
        }
    return b;
}

static void Paint(Ctx &c)
{
    switch (c.plan->body) {
    case BODY_QUADRUPED:
        DrawQuadruped(c);
        break;
    case BODY_SHELLBLOB:
        DrawShellblob(c);
        break;
    case BODY_BIRD:
        DrawBird(c);
        break;
    case BODY_MUSHROOM:
        DrawMushroom(c);
        break;
    case BODY_BIPED:
        DrawBiped(c);
        break;
    case BODY_JELLY:
        DrawJelly(c);
        break;
    case BODY_PLANT:
        DrawPlant(c);
        break;
    case BODY_INSECT:
        DrawInsect(c);
        break;
    case BODY_TUFT:
        DrawTuft(c);
        break;
    case BODY_FISH:
        DrawFish(c);
        break;
    case BODY_ORB:
        DrawOrb(c);
        break;
    case BODY_FROG:
        DrawFrog(c);
        break;
    case BODY_CRAWLER:
        DrawCrawler(c);
        break;
    case BODY_SPONGE:
        DrawSponge(c);
        break;
    case BODY_CAIRN:
        DrawCairn(c);
        break;
    case BODY_SANDRAY:
        DrawSandray(c);
        break;
    case BODY_ANVIL:
        DrawAnvil(c);
        break;
    case BODY_PAIL:
        DrawPail(c);
        break;
    case BODY_KEEPER:
        DrawKeeper(c);
        break;
    case BODY_MANGROVE:
        DrawMangrove(c);
        break;
    case BODY_SEAL:
        DrawSeal(c);
        break;
    case BODY_BEACON:
        DrawBeacon(c);
        break;
    case BODY_ROCKPOOL:
        DrawRockpool(c);
        break;
    case BODY_REEDS:
        DrawReeds(c);
        break;
    case BODY_LANTERN:
        DrawLantern(c);
        break;
    case BODY_SLEEPER:
        DrawSleeper(c);
        break;
    case BODY_KITE:
        DrawKite(c);
        break;
    case BODY_NEWT:
        DrawNewt(c);
        break;
    case BODY_ERMINE:
        DrawErmine(c);
        break;
    case BODY_WHIRL:
        DrawWhirl(c);
        break;
    case BODY_TILESHREW:
        DrawTileShrew(c);
        break;
    case BODY_HOP:
        DrawHop(c);
        break;
    case BODY_CASSOWARY:
        DrawCassowary(c);
        break;
    case BODY_PUMP:
        DrawPump(c);
        break;
    case BODY_LORIS:
        DrawLoris(c);
        break;
    case BODY_WICKER:
        DrawWicker(c);
        break;
    case BODY_TEASEL:
        DrawTeasel(c);
        break;
    case BODY_AMBER:
        DrawAmber(c);
        break;
    case BODY_STARJELLY:
        DrawStarJelly(c);
        break;
    case BODY_FULGURITE:
        DrawFulgurite(c);
        break;
    case BODY_DRYSTONE:
        DrawDrystone(c);
        break;
    }
}

Raster DrawCreature(int entry, int form)
{
    const CreaturePlan &plan = CREATURE_PLANS[entry];
    Ctx probe = MakeCtx(plan, form, MEASURE_ZOOM, MEASURE_SIZE, U(MEASURE_SIZE / 2), U(MEASURE_SIZE * 3 / 4));
    Paint(probe);
    const PaintedBox m = BoxOf(probe.s);
    const int width = m.right - m.left + 1, height = m.bottom - m.top + 1;
    const int side = width > height ? width : height;
    /* Centre of the measured box, relative to the origin, in sixteenths of a measured pixel. */
    const int centreX = (m.left + m.right + 1) * UNIT / 2 - probe.s.originX;
    const int centreY = (m.top + m.bottom + 1) * UNIT / 2 - probe.s.originY;
    int zoom = MEASURE_ZOOM * FitSide(plan) / side;
    for (;;) {
        const int originX = U(PICTURE_SIZE / 2) - centreX * zoom / MEASURE_ZOOM;
        const int originY = U(PICTURE_SIZE / 2) - centreY * zoom / MEASURE_ZOOM;
        Ctx c = MakeCtx(plan, form, zoom, PICTURE_SIZE, originX, originY);
        Paint(c);
        PaintedBox b = BoxOf(c.s);
        /* Parts of a fixed pixel size do not scale with the zoom: centre the box as drawn. */
        const int shiftX = (PICTURE_SIZE - 1 - b.left - b.right) / 2;
        const int shiftY = (PICTURE_SIZE - 1 - b.top - b.bottom) / 2;
        if (shiftX != 0 || shiftY != 0) {
            c = MakeCtx(plan, form, zoom, PICTURE_SIZE, originX + U(shiftX), originY + U(shiftY));
            Paint(c);
            b = BoxOf(c.s);
        }
        const int last = PICTURE_SIZE - 1 - FIT_MARGIN;
        /* Rounding can make the fitted creature a pixel larger than measured: shrink until it fits. */
        if ((b.left >= FIT_MARGIN && b.top >= FIT_MARGIN && b.right <= last && b.bottom <= last) ||
            zoom <= 32)
            return FinishSprite(c.s);
        zoom = zoom * 31 / 32;
    }
}

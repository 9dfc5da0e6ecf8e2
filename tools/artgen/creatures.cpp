/* Creature pictures: picks the drawer of the entry's body plan and the zoom of its stage.
   Later stages of a family are drawn larger; the feet stay on the common ground line. */
#include "creatures.h"

#include "creature_drawers.h"

/* Zoom (Q8) of stage s of a family of n stages; single entries are nearly full size. */
static int StageZoom(const CreaturePlan &plan)
{
    if (plan.stages == 1)
        return 240;
    if (plan.stages == 2)
        return plan.stage == 1 ? 196 : 252;
    return plan.stage == 1 ? 180 : plan.stage == 2 ? 218 : 256;
}

/* Designs drawn small for their plan get a larger zoom so that first stages stay readable. */
struct SizeTweak {
    int entry;
    int factor; /* Q8 */
};
static const SizeTweak SIZE_TWEAKS[] = {
    {0,   270},
    {1,   280},
    {3,   270},
    {6,   280},
    {11,  300},
    {14,  290},
    {20,  280},
    {22,  340},
    {25,  290},
    {31,  330},
    {33,  300},
    {40,  360},
    {46,  280},
    {51,  290},
    {54,  268},
    {56,  300},
    {60,  280},
    {62,  290},
    {64,  280},
    {66,  280},
    {67,  262},
    {72,  300},
    {83,  284},
    {102, 280},
};

static int SizeFactor(int entry)
{
    for (const SizeTweak &t : SIZE_TWEAKS)
        if (t.entry == entry)
            return t.factor;
    return Q8_ONE;
}

Raster DrawCreature(int entry, int form)
{
    const CreaturePlan &plan = CREATURE_PLANS[entry];
    Ctx c = MakeCtx(plan, form, StageZoom(plan) * SizeFactor(entry) / Q8_ONE);
    switch (plan.body) {
    case BODY_SERPENT:
        DrawSerpent(c);
        break;
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
    case BODY_CRAB:
        DrawCrab(c);
        break;
    case BODY_PLANT:
        DrawPlant(c);
        break;
    case BODY_INSECT:
        DrawInsect(c);
        break;
    case BODY_BLOB:
        DrawBlob(c);
        break;
    case BODY_FISH:
        DrawFish(c);
        break;
    case BODY_ORB:
        DrawOrb(c);
        break;
    case BODY_RODENT:
        DrawRodent(c);
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
    case BODY_CHAIN:
        DrawChain(c);
        break;
    case BODY_COLUMN:
        DrawColumn(c);
        break;
    case BODY_FOG:
        DrawFog(c);
        break;
    case BODY_MANGROVE:
        DrawMangrove(c);
        break;
    }
    return FinishSprite(c.s);
}

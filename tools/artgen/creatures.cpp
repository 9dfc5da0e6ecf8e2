// Creature pictures: picks the drawer of the entry's body plan and the zoom of its stage.
// Later stages of a family are drawn larger; the feet stay on the common ground line.
#include "creatures.h"

#include "creature_drawers.h"

namespace {

// Zoom (Q8) of stage s of a family of n stages; single entries are nearly full size.
int StageZoom(const CreaturePlan &plan)
{
    if (plan.stages == 1)
        return 240;
    if (plan.stages == 2)
        return plan.stage == 1 ? 196 : 252;
    return plan.stage == 1 ? 180 : plan.stage == 2 ? 218 : 256;
}

// Designs drawn small for their plan get a larger zoom so that first stages stay readable.
struct SizeTweak {
    int entry;
    int factor; // Q8
};
const SizeTweak kSizeTweaks[] = {
    {0,   270},
    {3,   270},
    {6,   280},
    {11,  300},
    {14,  290},
    {20,  280},
    {22,  290},
    {25,  270},
    {31,  270},
    {46,  280},
    {51,  290},
    {54,  268},
    {56,  260},
    {60,  280},
    {62,  290},
    {66,  280},
    {67,  262},
    {72,  300},
    {83,  284},
    {102, 290},
};

int SizeFactor(int entry)
{
    for (const SizeTweak &t : kSizeTweaks)
        if (t.entry == entry)
            return t.factor;
    return kOne;
}

} // namespace

Raster DrawCreature(int entry, int form)
{
    const CreaturePlan &plan = kCreaturePlans[entry];
    Ctx c = MakeCtx(plan, form, StageZoom(plan) * SizeFactor(entry) / kOne);
    switch (plan.body) {
    case Body::kSerpent:
        DrawSerpent(c);
        break;
    case Body::kQuadruped:
        DrawQuadruped(c);
        break;
    case Body::kShellblob:
        DrawShellblob(c);
        break;
    case Body::kBird:
        DrawBird(c);
        break;
    case Body::kMushroom:
        DrawMushroom(c);
        break;
    case Body::kBiped:
        DrawBiped(c);
        break;
    case Body::kJelly:
        DrawJelly(c);
        break;
    case Body::kCrab:
        DrawCrab(c);
        break;
    case Body::kPlant:
        DrawPlant(c);
        break;
    case Body::kBat:
        DrawBat(c);
        break;
    case Body::kInsect:
        DrawInsect(c);
        break;
    case Body::kBlob:
        DrawBlob(c);
        break;
    case Body::kFish:
        DrawFish(c);
        break;
    case Body::kOrb:
        DrawOrb(c);
        break;
    }
    return FinishSprite(c.s);
}

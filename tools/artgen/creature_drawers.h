/* The body-plan drawers of the creature pictures; each reads its entry from the context
   and paints it around the ground point, facing the viewer or to the left. */
#ifndef ZORAVEL_ARTGEN_CREATURE_DRAWERS_H
#define ZORAVEL_ARTGEN_CREATURE_DRAWERS_H

#include "creature_kit.h"

void DrawQuadruped(Ctx &c);
void DrawShellblob(Ctx &c);
void DrawBird(Ctx &c);
void DrawMushroom(Ctx &c);
void DrawBiped(Ctx &c);
void DrawJelly(Ctx &c);
void DrawPlant(Ctx &c);
void DrawInsect(Ctx &c);
void DrawBlob(Ctx &c);
void DrawFish(Ctx &c);
void DrawOrb(Ctx &c);
void DrawFrog(Ctx &c);
void DrawCrawler(Ctx &c);
void DrawSponge(Ctx &c);
void DrawCairn(Ctx &c);
void DrawSandray(Ctx &c);
void DrawAnvil(Ctx &c);
void DrawPail(Ctx &c);
void DrawColumn(Ctx &c);
void DrawMarshKeeper(Ctx &c);
void DrawMangrove(Ctx &c);
void DrawSeal(Ctx &c);
void DrawLighthouse(Ctx &c);
void DrawSaltBeast(Ctx &c);
void DrawReedPiper(Ctx &c);
void DrawLanternBug(Ctx &c);
void DrawSleepingDragon(Ctx &c);
void DrawKite(Ctx &c);
void DrawNewt(Ctx &c);
void DrawErmine(Ctx &c);
void DrawWhirl(Ctx &c);
void DrawTileShrew(Ctx &c);
void DrawHop(Ctx &c);
void DrawCassowary(Ctx &c);
void DrawHandPump(Ctx &c);
void DrawLoris(Ctx &c);
void DrawWicker(Ctx &c);
void DrawTeasel(Ctx &c);
void DrawAmber(Ctx &c);
void DrawStarJelly(Ctx &c);

#endif

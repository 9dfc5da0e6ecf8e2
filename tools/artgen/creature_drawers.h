/* The drawers of the creature pictures, one per body of the plan: BODY_NEWT is DrawNewt in
   draw_newt.cpp. Each reads its entry from the context and paints it around the ground point. */
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
void DrawTuft(Ctx &c);
void DrawFish(Ctx &c);
void DrawOrb(Ctx &c);
void DrawFrog(Ctx &c);
void DrawCrawler(Ctx &c);
void DrawSponge(Ctx &c);
void DrawCairn(Ctx &c);
void DrawSandray(Ctx &c);
void DrawAnvil(Ctx &c);
void DrawPail(Ctx &c);
void DrawKeeper(Ctx &c);
void DrawMangrove(Ctx &c);
void DrawSeal(Ctx &c);
void DrawBeacon(Ctx &c);
void DrawRockpool(Ctx &c);
void DrawReeds(Ctx &c);
void DrawLantern(Ctx &c);
void DrawSleeper(Ctx &c);
void DrawKite(Ctx &c);
void DrawNewt(Ctx &c);
void DrawErmine(Ctx &c);
void DrawWhirl(Ctx &c);
void DrawTileShrew(Ctx &c);
void DrawHop(Ctx &c);
void DrawCassowary(Ctx &c);
void DrawPump(Ctx &c);
void DrawLoris(Ctx &c);
void DrawWicker(Ctx &c);
void DrawTeasel(Ctx &c);
void DrawAmber(Ctx &c);
void DrawStarJelly(Ctx &c);
void DrawFulgurite(Ctx &c);
void DrawDrystone(Ctx &c);

#endif

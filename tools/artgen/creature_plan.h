// The picture plan of the catalogue: for each entry its family, stage, body plan, types and
// the two colours its picture is painted in, one row per entry.
#ifndef ZORAVEL_ARTGEN_CREATURE_PLAN_H
#define ZORAVEL_ARTGEN_CREATURE_PLAN_H

#include "raster.h"

enum class Body {
    kSerpent,
    kQuadruped,
    kShellblob,
    kBird,
    kMushroom,
    kBiped,
    kJelly,
    kCrab,
    kPlant,
    kBat,
    kInsect,
    kBlob,
    kFish,
    kOrb,
};

enum class Kind {
    kNone,
    kNormal,
    kFire,
    kWater,
    kGrass,
    kElectric,
    kIce,
    kFighting,
    kPoison,
    kGround,
    kFlying,
    kPsychic,
    kInsect,
    kRock,
    kGhost,
    kDragon,
    kDark,
    kSteel,
};

struct CreaturePlan {
    int index;          // EntryIndex
    const char *family; // entries of one family evolve into one another; "-" stands alone
    int stage;
    int stages;
    Body body;
    Kind primary;
    Kind secondary;
    Rgb bodyColour;
    Rgb accentColour;
    const char *idea;
};

const int kEntryCount = 107;
const int kFormEntry = 26;
const int kPictureCount = 109;

extern const CreaturePlan kCreaturePlans[kEntryCount];

// One picture of the set: which entry in which form, and its resource id.
struct PictureRef {
    int id;
    int entry;
    int form;
};
PictureRef PictureAt(int n); // n in 0..kPictureCount-1, in resource-id order
// The number shown for a picture on the contact sheet: "387", or "413b" for a form.
const char *PictureLabel(const PictureRef &ref, char *buffer, int size);

#endif

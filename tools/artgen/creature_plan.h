/* The picture plan of the catalogue: for each entry its family, stage, body plan, types and
   the two colours its picture is painted in, one row per entry. */
#ifndef ZORAVEL_ARTGEN_CREATURE_PLAN_H
#define ZORAVEL_ARTGEN_CREATURE_PLAN_H

#include "raster.h"

enum Body {
    BODY_QUADRUPED,
    BODY_SHELLBLOB,
    BODY_BIRD,
    BODY_MUSHROOM,
    BODY_BIPED,
    BODY_JELLY,
    BODY_PLANT,
    BODY_INSECT,
    BODY_TUFT,
    BODY_FISH,
    BODY_ORB,
    BODY_FROG,
    BODY_CRAWLER,
    BODY_SPONGE,
    BODY_CAIRN,
    BODY_SANDRAY,
    BODY_ANVIL,
    BODY_PAIL,
    BODY_KEEPER,
    BODY_MANGROVE,
    BODY_SEAL,
    BODY_BEACON,
    BODY_ROCKPOOL,
    BODY_REEDS,
    BODY_LANTERN,
    BODY_SLEEPER,
    BODY_KITE,
    BODY_NEWT,
    BODY_ERMINE,
    BODY_WHIRL,
    BODY_TILESHREW,
    BODY_HOP,
    BODY_CASSOWARY,
    BODY_PUMP,
    BODY_LORIS,
    BODY_WICKER,
    BODY_TEASEL,
    BODY_AMBER,
    BODY_STARJELLY,
    BODY_FULGURITE,
    BODY_DRYSTONE,
};

enum Kind {
    KIND_NONE,
    KIND_NORMAL,
    KIND_FIRE,
    KIND_WATER,
    KIND_GRASS,
    KIND_ELECTRIC,
    KIND_ICE,
    KIND_FIGHTING,
    KIND_POISON,
    KIND_GROUND,
    KIND_FLYING,
    KIND_PSYCHIC,
    KIND_INSECT,
    KIND_ROCK,
    KIND_GHOST,
    KIND_DRAGON,
    KIND_DARK,
    KIND_STEEL,
};

struct CreaturePlan {
    int index;          /* EntryIndex */
    const char *family; /* entries of one family evolve into one another; "-" stands alone */
    int stage;
    int stages;
    Body body;
    Kind primary;
    Kind secondary;
    Rgb bodyColour;
    Rgb accentColour;
    int fit; /* longest side of the picture in pixels; 0 takes its stage's default */
    const char *idea;
};

const int ENTRY_COUNT = 107;
const int FORM_ENTRY = 26;
const int PICTURE_COUNT = 109;

extern const CreaturePlan CREATURE_PLANS[ENTRY_COUNT];

/* One picture of the set: which entry in which form, and its resource id. */
struct PictureRef {
    int id;
    int entry;
    int form;
};
PictureRef PictureAt(int n); /* n in 0..PICTURE_COUNT-1, in resource-id order */
/* The number shown for a picture on the contact sheet: "387", or "413b" for a form. */
const char *PictureLabel(const PictureRef &ref, char *buffer, int size);

#endif

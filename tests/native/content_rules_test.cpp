/* The catalogue as a player reads it: level-up lists with a believable rhythm, machines cut to each
   creature's body and spread across the catalogue, families that keep their types, grow and keep what they
   learned. */
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/evolution_notes.h"
#include "expected_lists.h"
#include "resource.h"

/* What a creature's body has, as the family plan describes it. */
enum BodyPart : unsigned long long {
    HANDS = 1ull << 0,     /* arms that grip, throw or punch */
    LEGS = 1ull << 1,      /* walks, kicks or stamps */
    FLIES = 1ull << 2,     /* wings, sails or the wind itself */
    FINS = 1ull << 3,      /* swims */
    WADES = 1ull << 4,     /* long legs or roots in shallow water */
    VOICE = 1ull << 5,     /* calls, sings, pipes or hums */
    JAWS = 1ull << 6,      /* teeth, beak or mandibles */
    CLAWS = 1ull << 7,     /* scratches and grips with claws */
    DIGS = 1ull << 8,      /* burrows */
    HORNS = 1ull << 9,     /* horns, antlers, tusks or a casque */
    TAIL = 1ull << 10,     /* a tail or a long body to swing */
    SHELL = 1ull << 11,    /* shell, plates or tiles */
    FUR = 1ull << 12,      /* fur or wool */
    FEATHERS = 1ull << 13, /* feathers */
    SPINES = 1ull << 14,   /* quills, spines, prickles */
    ROOTS = 1ull << 15,    /* roots */
    LEAVES = 1ull << 16,   /* leaves, stems, moss */
    SEEDS = 1ull << 17,    /* seeds, pods, cones or chaff */
    SPORES = 1ull << 18,   /* spores */
    SILK = 1ull << 19,     /* spins silk or thread */
    SLIME = 1ull << 20,    /* slime or sticky skin */
    VENOM = 1ull << 21,    /* venom or poisonous skin */
    GLOW = 1ull << 22,     /* gives light */
    HEAT = 1ull << 23,     /* hot body, coals or flame */
    COLD = 1ull << 24,     /* icy body */
    CHARGE = 1ull << 25,   /* carries an electric charge */
    STONE = 1ull << 26,    /* made of stone, clay, salt or amber */
    METAL = 1ull << 27,    /* made of metal */
    WET = 1ull << 28,      /* holds or lives in water */
    SPIRIT = 1ull << 29,   /* a ghost */
    MIND = 1ull << 30,     /* works on minds */
    NIGHT = 1ull << 31,    /* out at night */
    HUNTER = 1ull << 32,   /* stalks prey */
    ANTENNAE = 1ull << 33, /* feelers */
    LARVA = 1ull << 34,    /* a larva */
    ROLLS = 1ull << 35,    /* rolls or tumbles */
    LOW = 1ull << 36,      /* lies flat */
    HEAVY = 1ull << 37,    /* stone, metal or water-filled: heavy for its size */
};

struct Body {
    int number;
    unsigned long long parts;
};

/* The form entry's tiles differ from form to form, so its body holds only what every form has: the one
   machine list it keeps for all forms must suit each of them. */
/* clang-format off */
static const Body BODIES[] = {
    {387, LEGS | HANDS | CLAWS | DIGS | FUR | JAWS},                          /* mole pup */
    {388, LEGS | HANDS | CLAWS | DIGS | FUR | JAWS},                          /* mole miner */
    {389, FLIES | TAIL | VOICE},                                              /* kite */
    {390, FINS | CHARGE | VENOM | WET},                                       /* jellyfish */
    {391, FINS | GLOW | CHARGE | VENOM | WET},                                /* glowing jellyfish */
    {392, FINS | TAIL | WET | JAWS | LARVA},                                  /* newt larva */
    {393, LEGS | TAIL | JAWS | VENOM | WET},                                  /* eft, its skin kept damp */
    {394, LEGS | TAIL | FINS | JAWS | VENOM | WET},                           /* crested newt */
    {395, FLIES | FEATHERS | ROLLS | MIND},                                   /* drifting goose down, drowsy */
    {396, SPORES | ROOTS | HEAT},                                             /* tinder fungus with a live coal */
    {397, SPORES | ROOTS | HEAT | LEGS},                                      /* smouldering walking stump */
    {398, STONE | LEGS | HEAVY},                                              /* fieldstone */
    {399, STONE | LEGS | HANDS | HEAVY},                                      /* stone stack */
    {400, STONE | LEGS | HEAVY | VOICE},                                      /* walking sheepfold */
    {401, FINS | JAWS | HUNTER | WET | NIGHT},                                /* cod under the ice at night */
    {402, LEGS | FUR | JAWS | TAIL | COLD | CLAWS},                           /* ermine kit */
    {403, LEGS | FUR | JAWS | TAIL | COLD | CLAWS | HUNTER | NIGHT},          /* winter ermine */
    {404, FLIES | ROLLS},                                                     /* dust wisp */
    {405, FLIES | ROLLS | VOICE},                                             /* dust whirl */
    {406, FLIES | ROLLS | VOICE},                                             /* dust devil */
    {407, METAL | LEGS | TAIL | HEAT | HEAVY},                                /* living anvil */
    {408, HANDS | LEGS | SEEDS | NIGHT},                                      /* scarecrow */
    {409, LEGS | SILK | JAWS | VENOM},                                        /* spiderling */
    {410, LEGS | SILK | JAWS | VENOM | HUNTER},                               /* orb spider */
    {411, LEGS | SILK | JAWS | VENOM | HUNTER | NIGHT},                       /* funnel spider */
    {412, LEGS | FUR | JAWS | TAIL | CLAWS | VOICE},                          /* shrew with tile buds, twitters */
    {413, LEGS | FUR | JAWS | TAIL | CLAWS | VOICE},                          /* tiled shrew: what all forms share */
    {414, LEGS | JAWS | TAIL | CLAWS | VOICE | NIGHT | HUNTER},               /* slate shrew */
    {415, ROOTS | LEAVES | MIND},                                             /* hop shoot */
    {416, ROOTS | LEAVES | SEEDS | MIND},                                     /* hop bine */
    {417, LEGS | TAIL | HEAT | JAWS},                                         /* kiln gecko */
    {418, LEGS | FEATHERS | VOICE | JAWS},                                    /* cassowary chick */
    {419, LEGS | FEATHERS | VOICE | JAWS | CLAWS},                            /* young cassowary */
    {420, LEGS | FEATHERS | VOICE | JAWS | CLAWS | HORNS},                    /* cassowary */
    {421, WET | HEAVY},                                                       /* sponge */
    {422, WET | HEAVY | SPINES | STONE},                                      /* glass sponge */
    {423, LEGS | FLIES | SHELL | LEAVES | ANTENNAE | JAWS},                   /* leaf-rolling weevil */
    {424, LEGS | VENOM | WET | VOICE | JAWS | FLIES},                         /* tree frog, glides on webbed feet */
    {425, LEGS | VENOM | WET | VOICE | JAWS | FLIES},                         /* gliding frog */
    {426, LEGS | VENOM | WET | VOICE | JAWS | FLIES},                         /* great glider */
    {427, METAL | WET | HANDS | HEAVY | VOICE},                               /* hand pump */
    {428, STONE | SPIRIT | HEAVY | NIGHT},                                    /* cairn */
    {429, STONE | SPIRIT | HEAVY | HANDS | NIGHT},                            /* tall cairn */
    {430, SHELL | SLIME | WET | ANTENNAE},                                    /* pond snail */
    {431, SHELL | SLIME | WET | ANTENNAE},                                    /* pond snail */
    {432, SHELL | SLIME | WET | ANTENNAE},                                    /* great pond snail */
    {433, LOW | DIGS | TAIL},                                                 /* sand ray */
    {434, LOW | DIGS | TAIL | VENOM},                                         /* broad sand ray */
    {435, LEGS | FUR | VOICE | MIND},                                         /* dream lamb */
    {436, LEGS | FUR | JAWS | VOICE | TAIL | CLAWS | NIGHT},                  /* wolf pup */
    {437, LEGS | FUR | JAWS | VOICE | TAIL | CLAWS | NIGHT | HUNTER},         /* young wolf */
    {438, LEGS | FUR | JAWS | VOICE | TAIL | CLAWS | NIGHT | HUNTER | COLD},  /* frost wolf */
    {439, ROOTS | SPINES | SEEDS | WET | HEAVY | ROLLS},                      /* barrel cactus */
    {440, ROOTS | SPINES | SEEDS | WET | HEAVY | ROLLS | DIGS},               /* rolling cactus, beds into sand */
    {441, METAL | HEAT | WET | VOICE | LEGS | GLOW},                          /* kettle */
    {442, STONE | LEGS | JAWS | HEAVY | TAIL},                                /* stone lion */
    {443, FLIES | GLOW | CHARGE | ANTENNAE | LEGS | NIGHT},                   /* firefly */
    {444, HANDS | LEGS | FUR | VENOM | NIGHT | MIND | JAWS},                  /* loris baby */
    {445, HANDS | LEGS | FUR | VENOM | NIGHT | MIND | JAWS},                  /* loris */
    {446, ROLLS | ROOTS | LEAVES},                                            /* wicker ball */
    {447, LEGS | LEAVES | TAIL},                                              /* wicker foal */
    {448, LEGS | LEAVES | TAIL | VOICE},                                      /* wicker horse */
    {449, LEGS | DIGS | ROLLS | HEAVY},                                       /* hopping clod of loam */
    {450, ROOTS | LEAVES | SPINES | WET},                                     /* teasel rosette */
    {451, ROOTS | LEAVES | SPINES | SEEDS | WET},                             /* teasel with leaf cups */
    {452, LARVA | JAWS},                                                      /* grub */
    {453, LEGS | SHELL | JAWS | ANTENNAE},                                    /* shield beetle */
    {454, LEGS | SHELL | JAWS | ANTENNAE | STONE | FLIES},                    /* click beetle */
    {455, WET | SPIRIT | HEAVY | TAIL | VOICE},                               /* well bucket */
    {456, CHARGE | SLIME},                                                    /* resin drop */
    {457, CHARGE | STONE | LEGS},                                             /* amber lump */
    {458, CHARGE | STONE | LEGS | HEAVY | GLOW},                              /* amber beast */
    {459, ROOTS | LEAVES | WET | SEEDS | SPINES},                             /* water chestnut, horned nut */
    {460, LEGS | STONE | CHARGE},                                             /* glass tube on branch legs */
    {461, LEGS | STONE | CHARGE | HEAVY},                                     /* branching glass root */
    {462, LEGS | COLD | FUR},                                                 /* crystal fawn */
    {463, LEGS | COLD | FUR | HORNS},                                         /* yearling */
    {464, LEGS | COLD | FUR | HORNS | VOICE},                                 /* crystal stag */
    {465, LEGS | FEATHERS | JAWS | WADES | VOICE | WET},                      /* heron chick */
    {466, LEGS | FEATHERS | JAWS | WADES | VOICE | HUNTER | WET},             /* young heron */
    {467, LEGS | FEATHERS | JAWS | WADES | VOICE | HUNTER | FLIES | WET},     /* heron */
    {468, ROOTS | WET | SEEDS},                                               /* seed pod */
    {469, ROOTS | LEAVES | LEGS | WET | WADES},                               /* sapling */
    {470, ROOTS | LEAVES | LEGS | WET | WADES | SEEDS},                       /* walking mangrove */
    {471, LEGS | FUR | JAWS | CLAWS | DIGS | NIGHT},                          /* young badger */
    {472, LEGS | FUR | JAWS | CLAWS | DIGS | NIGHT},                          /* badger */
    {473, FINS | VOICE | JAWS | WET},                                         /* seal pup */
    {474, FINS | VOICE | JAWS | WET},                                         /* young seal bull */
    {475, FINS | VOICE | JAWS | WET | DIGS},                                  /* old bull bedded in the sand */
    {476, HANDS | CLAWS | FUR | LEAVES | LEGS},                               /* moss sloth baby */
    {477, FEATHERS | FLIES | LEGS | JAWS | VOICE | SILK},                     /* tailor chick */
    {478, FEATHERS | FLIES | LEGS | JAWS | VOICE | SILK},                     /* tailor bird */
    {479, STONE | GLOW | HEAT | HEAVY | LEGS | VOICE},                        /* lighthouse */
    {480, FINS | VOICE | WET | TAIL},                                         /* reef whale */
    {481, STONE | WET | HEAVY | LEGS},                                        /* boulder with a rock pool */
    {482, FINS | TAIL | COLD | WET},                                          /* ice sturgeon */
    {483, LEGS | HEAT | GLOW | HORNS | FUR | VOICE},                          /* ember stag */
    {484, ROOTS | LEAVES | VOICE | SEEDS | WADES},                            /* reed piper */
    {485, FLIES | ANTENNAE | NIGHT | MIND},                                   /* dusk moth */
    {486, FINS | CHARGE | TAIL | LOW | WET},                                  /* storm ray */
    {487, GLOW | MIND | SLIME},                                               /* star jelly */
    {488, HANDS | SPIRIT | VENOM | GLOW | WADES | NIGHT | LEGS},              /* marsh keeper */
    {489, LEGS | METAL | DIGS | WET | HEAVY},                                 /* turf beast growing bog iron */
    {490, FLIES | LEAVES},                                                    /* paper crane */
    {491, LEGS | HORNS | VOICE | TAIL | STONE},                               /* clay ox */
    {492, FLIES | LEGS | HEAT | GLOW | ANTENNAE},                             /* lantern bug */
    {493, MIND | VOICE | TAIL | CLAWS | HORNS | JAWS | FLIES},                /* sleeping dragon */
};
/* clang-format on */

/* The bodies that can use each machine: a creature needs one of them. */
/* clang-format off */
static const unsigned long long TM_BODY[TM_COUNT + 1] = {
    0,
    HUNTER,                   /* TM01 Ambush Crouch */
    ANTENNAE,                 /* TM02 Antennae Sense */
    METAL,                    /* TM03 Anvil Drop */
    HEAT,                     /* TM04 Bellows Draught */
    VENOM,                    /* TM05 Blister Spit */
    VENOM | SPORES | SLIME,   /* TM06 Bog Reek */
    HANDS | STONE,            /* TM07 Boulder Shrug */
    ROOTS,                    /* TM08 Bramble Hedge */
    HANDS | VOICE,            /* TM09 Brawler Oath */
    DIGS,                     /* TM10 Burrow Ambush */
    HANDS,                    /* TM11 Cairn Stack */
    HANDS,                    /* TM12 Cartwheel Heel, on legs too */
    METAL,                    /* TM13 Chain Lash */
    HEAT,                     /* TM14 Chimney Soot */
    ANTENNAE,                 /* TM15 Chitter Drone */
    HEAT,                     /* TM16 Cinder Rain */
    SHELL | METAL | STONE,    /* TM17 Clatter Din */
    HANDS | DIGS,             /* TM18 Clay Cast */
    TAIL,                     /* TM19 Coiled Menace */
    SPIRIT | COLD,            /* TM20 Cold Shiver */
    CHARGE,                   /* TM21 Crackle Net */
    SPIRIT,                   /* TM22 Creaking Floor */
    FLIES,                    /* TM23 Crosswind Veer */
    MIND,                     /* TM24 Daydream Lull */
    MIND,                     /* TM25 Dream of Ages */
    WET,                      /* TM26 Drizzle Curtain */
    DIGS,                     /* TM27 Dune Shift */
    LEGS | FLIES,             /* TM28 Dust Devil */
    FINS,                     /* TM29 Eddy Swirl */
    HANDS,                    /* TM30 Elbow Lever */
    VOICE,                    /* TM31 Elder Bellow */
    HANDS | JAWS,             /* TM32 Flint Chip */
    MIND,                     /* TM33 Fog Gazing */
    HEAT | METAL,             /* TM34 Forge Glow */
    DIGS | HORNS,             /* TM35 Furrow Plough */
    HANDS | JAWS | STONE,     /* TM36 Geode Crack */
    COLD,                     /* TM37 Glacier Groan */
    HANDS,                    /* TM38 Grab and Pin */
    SPIRIT | NIGHT,           /* TM39 Grave Hush */
    FLIES | DIGS,             /* TM40 Grit Squall */
    VOICE,                    /* TM41 Hearth Lullaby */
    HANDS | JAWS,             /* TM42 Hoard Gleam */
    COLD,                     /* TM43 Hoarfrost Rind */
    SPIRIT | VOICE,           /* TM44 Hollow Echo */
    HEAT,                     /* TM45 Hot Ash Cloud */
    HEAT,                     /* TM46 Kindling Toss */
    HANDS,                    /* TM47 Knuckle Rap */
    GLOW | CHARGE,            /* TM48 Lantern Jolt */
    LARVA,                    /* TM49 Larva Wriggle */
    MIND,                     /* TM50 Lucid Hush */
    GLOW | SPIRIT,            /* TM51 Marsh Glimmer */
    MIND,                     /* TM52 Memory Fog */
    MIND | SPIRIT | NIGHT,    /* TM53 Midnight Omen */
    NIGHT,                    /* TM54 Moonless Lurk */
    LEAVES,                   /* TM55 Moss Blanket */
    VENOM | SPINES,           /* TM56 Nettle Rash */
    WET,                      /* TM57 Overflow Douse */
    HUNTER | MIND,            /* TM58 Patient Stare */
    HANDS,                    /* TM59 Pebble Sling */
    HANDS | JAWS,             /* TM60 Pilfer Dart */
    FEATHERS,                 /* TM61 Pinion Buffet, on wings that fly */
    SHELL | METAL | STONE,    /* TM62 Plated Brace */
    FLIES,                    /* TM63 Plummet Swoop */
    SEEDS,                    /* TM64 Pod Burst */
    METAL | HEAT,             /* TM65 Quench Hiss */
    SPINES | FEATHERS,        /* TM66 Quill Shower */
    COLD,                     /* TM67 Rime Crown */
    METAL,                    /* TM68 Rivet Rain */
    ROOTS,                    /* TM69 Rootbind */
    METAL,                    /* TM70 Rust Flake */
    LEAVES | ROOTS,           /* TM71 Sap Mend */
    JAWS | CLAWS | HORNS,     /* TM72 Score Settling */
    STONE,                    /* TM73 Shale Shedding */
    LEGS,                     /* TM74 Shoulder Barge, with weight behind it */
    SILK,                     /* TM75 Silk Tether */
    COLD,                     /* TM76 Sleet Lash */
    NIGHT | MIND,             /* TM77 Sly Wink */
    COLD,                     /* TM78 Snow Squall */
    WET,                      /* TM79 Spring Gush */
    CHARGE | FUR,             /* TM80 Static Comb */
    CHARGE,                   /* TM81 Storm Battery */
    LEGS,                     /* TM82 Stubborn Stance */
    ANTENNAE,                 /* TM83 Swarm Hum */
    SPINES | SEEDS,           /* TM84 Thistle Volley */
    WET,                      /* TM85 Tidepool Glint */
    METAL | SHELL,            /* TM86 Tinplate Guard */
    SPORES,                   /* TM87 Toadstool Dust */
    ROLLS,                    /* TM88 Tumbleweed Roll */
    FINS,                     /* TM89 Undertow Grab */
    FLIES,                    /* TM90 Updraft Ride */
    VENOM,                    /* TM91 Venom Lacquer */
    CHARGE,                   /* TM92 Wire Hum */
};
static const unsigned long long HM_BODY[HM_COUNT + 1] = {
    0,
    SILK,                     /* HM01 Bridge Weave */
    COLD,                     /* HM02 Cellar Cooling */
    LEGS,                     /* HM03 Grain Threshing, treading sheaves with weight behind it */
    LEGS | FLIES,             /* HM04 Message Running */
    FINS,                     /* HM05 Shoal Herding, into the fishers' nets */
    FLIES | SEEDS,            /* HM06 Sky Sowing */
    HEAT,                     /* HM07 Stove Stoking, for kilns, forges and ovens */
    DIGS,                     /* HM08 Truffle Hunting */
};
/* clang-format on */
/* Families in order of evolution; 412 becomes 413 (females) or 414 (males). */
static const std::vector<std::vector<int>> FAMILIES = {
    {387,  388  },
    {390,  391  },
    {392,  393,   394},
    {396,    397      },
    {398,    399, 400},
    {402, 403     },
    {404, 405, 406},
    {409, 410,   411},
    {412,  413   },
    {412,    414      },
    {415,    416   },
    {418,    419, 420},
    {421,    422   },
    {424, 425,      426},
    {428,429},
    {430, 431,432},
    {433,  434      },
    {436,  437,    438},
    {439,    440      },
    {444,    445},
    {446, 447,   448},
    {450,451},
    {452,453,   454},
    {456, 457, 458},
    {460,  461      },
    {462,  463,       464},
    {465,    466,       467},
    {468, 469,      470},
    {471,472},
    {473,474,475},
    {477,  478},
};
/* The type of each TM, in its number's order, read from its name. */
static const unsigned short TM_TYPE[TM_COUNT + 1] = {
    0,
    IDB_TYPE_DARK,
    IDB_TYPE_INSECT,
    IDB_TYPE_STEEL,
    IDB_TYPE_FIRE,
    IDB_TYPE_POISON, /* 1..5 */
    IDB_TYPE_POISON,
    IDB_TYPE_ROCK,
    IDB_TYPE_GRASS,
    IDB_TYPE_FIGHTING,
    IDB_TYPE_GROUND, /* 6..10 */
    IDB_TYPE_ROCK,
    IDB_TYPE_FIGHTING,
    IDB_TYPE_STEEL,
    IDB_TYPE_FIRE,
    IDB_TYPE_INSECT, /* 11..15 */
    IDB_TYPE_FIRE,
    IDB_TYPE_NORMAL,
    IDB_TYPE_GROUND,
    IDB_TYPE_DRAGON,
    IDB_TYPE_GHOST, /* 16..20 */
    IDB_TYPE_ELECTRIC,
    IDB_TYPE_GHOST,
    IDB_TYPE_FLYING,
    IDB_TYPE_PSYCHIC,
    IDB_TYPE_DRAGON, /* 21..25 */
    IDB_TYPE_WATER,
    IDB_TYPE_GROUND,
    IDB_TYPE_GROUND,
    IDB_TYPE_WATER,
    IDB_TYPE_FIGHTING, /* 26..30 */
    IDB_TYPE_DRAGON,
    IDB_TYPE_ROCK,
    IDB_TYPE_PSYCHIC,
    IDB_TYPE_FIRE,
    IDB_TYPE_GROUND, /* 31..35 */
    IDB_TYPE_ROCK,
    IDB_TYPE_ICE,
    IDB_TYPE_FIGHTING,
    IDB_TYPE_GHOST,
    IDB_TYPE_GROUND, /* 36..40 */
    IDB_TYPE_NORMAL,
    IDB_TYPE_NORMAL,
    IDB_TYPE_ICE,
    IDB_TYPE_GHOST,
    IDB_TYPE_FIRE, /* 41..45 */
    IDB_TYPE_FIRE,
    IDB_TYPE_FIGHTING,
    IDB_TYPE_ELECTRIC,
    IDB_TYPE_INSECT,
    IDB_TYPE_PSYCHIC, /* 46..50 */
    IDB_TYPE_GHOST,
    IDB_TYPE_PSYCHIC,
    IDB_TYPE_PSYCHIC,
    IDB_TYPE_DARK,
    IDB_TYPE_GRASS, /* 51..55 */
    IDB_TYPE_POISON,
    IDB_TYPE_WATER,
    IDB_TYPE_NORMAL,
    IDB_TYPE_ROCK,
    IDB_TYPE_DARK, /* 56..60 */
    IDB_TYPE_FLYING,
    IDB_TYPE_STEEL,
    IDB_TYPE_FLYING,
    IDB_TYPE_GRASS,
    IDB_TYPE_STEEL, /* 61..65 */
    IDB_TYPE_FLYING,
    IDB_TYPE_ICE,
    IDB_TYPE_STEEL,
    IDB_TYPE_GRASS,
    IDB_TYPE_STEEL, /* 66..70 */
    IDB_TYPE_GRASS,
    IDB_TYPE_DARK,
    IDB_TYPE_ROCK,
    IDB_TYPE_FIGHTING,
    IDB_TYPE_INSECT, /* 71..75 */
    IDB_TYPE_ICE,
    IDB_TYPE_DARK,
    IDB_TYPE_ICE,
    IDB_TYPE_WATER,
    IDB_TYPE_ELECTRIC, /* 76..80 */
    IDB_TYPE_ELECTRIC,
    IDB_TYPE_NORMAL,
    IDB_TYPE_INSECT,
    IDB_TYPE_GRASS,
    IDB_TYPE_WATER, /* 81..85 */
    IDB_TYPE_STEEL,
    IDB_TYPE_POISON,
    IDB_TYPE_NORMAL,
    IDB_TYPE_WATER,
    IDB_TYPE_FLYING, /* 86..90 */
    IDB_TYPE_POISON,
    IDB_TYPE_ELECTRIC, /* 91..92 */
};

/* Field machines, read by what their labels name. */
static const int BRIDGE_HM = 1, COOLING_HM = 2, THRESHING_HM = 3, HERDING_HM = 5, STOKING_HM = 7,
                 DIGGING_HM = 8;
static const int DIGGING_TMS[] = {10, 27, 35};
static const int CARTWHEEL_TM = 12, PINION_TM = 61, SHOULDER_TM = 74;
static const int LIGHTEST_BARGER_TENTH_KG = 200;   /* a shoulder barge needs 20 kg behind it */
static const int LIGHTEST_THRESHER_TENTH_KG = 400; /* treading sheaves needs 40 kg */
static const int HEAVIEST_TUMBLER_TENTH_KG = 1000; /* nobody over 100 kg turns cartwheels */

/* How widely a machine may be learned, and the numbers that must not carry the widest ones. */
static const int MOST_LISTS_PER_MACHINE = 16;
static const int WIDEST_MACHINES = 10;
static const std::set<int> NOT_AMONG_THE_WIDEST = {6,  10, 17, 21, 27, 32, 42, 43,
                                                   44, 45, 58, 78, 82, 83, 87, 90};
static const size_t LONGEST_SHARED_LIST = 4;   /* unrelated creatures never share a longer machine list */
static const size_t LONGEST_SHARED_BUNDLE = 2; /* nor this many more machines of one type */

/* The rhythm of a level-up list. */
static const int MOST_MOVES_AT_ONE_LEVEL = 2;
static const int WIDEST_LEVEL_GAP = 20;
static const int MOST_OPENING_MOVES_OF_ITS_OWN = 2;
static const int LEVELLED_MOVES_PER_STAGE = 2;
static const int LAST_MOVE_BEFORE_EVOLVING = 14; /* levels */
static const int LEVELLED_MOVES_FOR_LIFE = 5;
static const int LAST_MOVE_FOR_LIFE = 40;
static const int EARLIEST_REQUIRED_MOVE = 15;

/* Sizes: a young body is rounder than its adult, never much more solid; stages grow in steps. */
static const double MOST_SOLID_YOUNG = 3.5;
static const double WIDEST_WEIGHT_STEP = 25.0;
static const int LOW_HEIGHT_CM = 150;
static const int WALL_GECKO = 417, GECKO_MOST_TENTH_KG = 30;
static const int GRANITE_LION = 442, LION_LEAST_TENTH_KG = 6000;

/* Entries that stay as they are for one sex while the other evolves. */
static const std::set<int> ONE_SEX_STAYS = {415, 477};

/* A designer's lists, not a generator's: how many steps, lists and kits may still look stamped. */
static const int MOST_COPIED_STEPS = 5;       /* steps whose shared moves all move by one offset */
static const size_t SHARED_MOVES_TO_COPY = 3; /* that many shared levelled moves make a copy */
static const int ARRIVALS_PER_FIRST_MOVE = 3; /* at most one evolved stage in three learns its first own
                                                move on the very level it arrives */
static const int MOST_CONSTANT_STRIDES = 5;   /* lists whose every step is within a level of the others */
static const size_t STRIDE_MOVES = 4;         /* a list needs that many levelled moves to show a stride */
static const size_t EQUAL_STEP_RUN = 5;       /* moves in a row at one exact stride */
static const int MOST_KITS = 5;               /* sets of four machines carried by three families or more */
static const int KIT_SIZE = 4, KIT_FAMILIES = 3;

/* Words that name a young body, and habits only the young have: a stage that grows no further drops them. */
static const std::set<std::string> YOUNG_WORDS = {
    "Baby",      "Bud",   "Calf",    "Chick",  "Cub",      "Fawn",     "Foal",
    "Hatchling", "Joey",  "Kit",     "Larva",  "Milk",     "Nestling", "Nub",
    "Pup",       "Pupal", "Rosette", "Sprout", "Suckling", "Tadpole",  "Yearling",
};
static const std::set<std::string> YOUNG_HABITS = {
    "Balloon Drift", "Bark Weep",   "Bob",          "Father Follow", "Loose Roll", "Mudflat Lodge",
    "Squirm",        "Stripe Hide", "Surface Hang", "Tail Tug Play", "Tide Drift",
};

/* What solid bodies are made of, in kilograms per cubic metre. Of two bodies, the taller one of a material
   no lighter than the other's weighs no less; a lump without limbs fills at least a tenth of the cube of its
   height. */
struct Material {
    int number;
    int density;
    bool lump;
};
/* clang-format off */
static const Material MATERIALS[] = {
    {398, 2700, true},  /* fieldstone */
    {399, 2700, false}, /* stacked stones */
    {400, 2700, false}, /* dry-stone wall */
    {407, 7800, false}, /* iron anvil */
    {421, 1000, true},  /* sponge full of sea water */
    {422, 1000, false}, /* sponge full of sea water */
    {427, 7800, false}, /* cast-iron pump */
    {428, 2700, true},  /* cairn */
    {429, 2700, false}, /* tall cairn */
    {442, 2700, false}, /* granite lion */
    {449, 1500, true},  /* clod of loam */
    {456, 1100, true},  /* drop of resin */
    {457, 1100, false}, /* amber */
    {458, 1100, false}, /* amber */
    {479, 2700, false}, /* stone lighthouse */
    {481, 2700, false}, /* granite boulder */
    {487, 1000, true},  /* drop of jelly */
    {491, 1900, false}, /* fired clay */
};
/* clang-format on */
static const double LUMP_FILL = 0.1;
/* Swimmers of flesh and bone (fins with jaws or a tail, not flat): one over twice as long as another weighs
   at least three times as much. */
static const double SWIMMER_LENGTH_STEP = 2.0, SWIMMER_WEIGHT_STEP = 3.0;
/* And what a player compares at a glance: the reef whale and the old seal bull who lies on the beach. */
static const int WHALE = 480, SEAL_BULL = 475;
static const double WHALE_OVER_SEAL = 2.0;

struct Machines {
    std::set<int> tms, hms;
};

static int SlotOf(int number)
{
    return number - FIRST_NUMBER + 1;
}

static Machines MachinesOf(int number)
{
    Machines m;
    bool hmPart = false;
    for (const std::string &element : ListElements(machineListText[SlotOf(number)])) {
        if (element == "-")
            hmPart = true;
        else
            (hmPart ? m.hms : m.tms).insert(std::stoi(element));
    }
    return m;
}

struct Move {
    int level; /* 0 for an opening move */
    std::string name;
};

static std::vector<Move> MovesOf(const char *list)
{
    std::vector<Move> moves;
    for (const std::string &element : ListElements(list)) {
        size_t dash = element.find(" - ");
        if (element.compare(0, 4, "Lv. ") == 0 && dash != std::string::npos)
            moves.push_back({std::stoi(element.substr(4)), element.substr(dash + 3)});
        else
            moves.push_back({0, element});
    }
    return moves;
}

static std::vector<std::string> WordsOf(const std::string &name)
{
    std::vector<std::string> words;
    size_t start = 0;
    while (start < name.size()) {
        size_t end = name.find(' ', start);
        end = end == std::string::npos ? name.size() : end;
        if (end > start)
            words.push_back(name.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

static bool HasType(int number, unsigned short type)
{
    return primaryTypeIcon[SlotOf(number)] == type || secondaryTypeIcon[SlotOf(number)] == type;
}

static unsigned long long BodyOf(int number)
{
    for (const Body &body : BODIES)
        if (body.number == number)
            return body.parts;
    return 0;
}

/* Every move list of an entry: the form entry has three. */
static std::vector<const char *> MoveListsOf(int number)
{
    if (number - FIRST_NUMBER == FORM_ENTRY)
        return std::vector<const char *>(formMoveListText, formMoveListText + FORM_COUNT);
    return {moveListText[SlotOf(number)]};
}

static std::set<std::string> NamesOf(const char *list)
{
    std::set<std::string> names;
    for (const Move &move : MovesOf(list))
        names.insert(move.name);
    return names;
}

/* Whether a body can use a machine, and why not. */
static const char *MachineMisfit(int number, bool hm, int machine)
{
    unsigned long long body = BodyOf(number);
    int weight = weightTenthKg[SlotOf(number)];
    if (!(body & (hm ? HM_BODY[machine] : TM_BODY[machine])))
        return "its body cannot use it";
    if (!hm && machine == CARTWHEEL_TM && (!(body & LEGS) || weight > HEAVIEST_TUMBLER_TENTH_KG))
        return "a cartwheel needs legs and a light body";
    if (!hm && machine == PINION_TM && !(body & FLIES))
        return "a wing buffet needs wings that fly";
    if (!hm && machine == SHOULDER_TM && weight < LIGHTEST_BARGER_TENTH_KG)
        return "too light to barge";
    if (hm && machine == THRESHING_HM && weight < LIGHTEST_THRESHER_TENTH_KG)
        return "too light to tread sheaves";
    return NULL;
}

/* Families, each with its stages' entries; and the step into each stage, read from the notes. */
struct Step {
    std::string condition;
    int level; /* 0 when the step is not a level */
};

static std::map<std::string, Step> StepsInto()
{
    std::map<std::string, Step> steps;
    for (unsigned entry = 0; entry < LOOKED_UP_ENTRIES; ++entry) {
        const EvolutionNote &note = FindEvolutionNote(entry);
        for (std::string line : {note.line1, note.line2}) {
            size_t arrow = line.find("--> ");
            if (arrow == std::string::npos)
                continue;
            std::string target = WordsOf(line.substr(arrow + 4)).at(0);
            size_t end = arrow;
            while (end > 0 && line[end - 1] == '-')
                --end;
            size_t start = end < 2 ? std::string::npos : line.rfind("--", end - 2);
            while (start != std::string::npos && start > 0 && line[start - 1] == '-')
                --start;
            start = start == std::string::npos ? 0 : start;
            while (start < end && line[start] == '-')
                ++start;
            std::string condition = line.substr(start, end - start);
            int level = 0;
            if (condition.compare(0, 4, "Lv. ") == 0 && condition != "Lv. Up")
                level = std::stoi(condition.substr(4));
            steps[target] = {condition, level};
        }
    }
    return steps;
}

static std::string NameOf(int number)
{
    return entryName[number - FIRST_NUMBER];
}

class ContentRules : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
    }

    /* The family of each entry; an entry outside every family is a family of its own. */
    static int FamilyOf(int number)
    {
        for (size_t f = 0; f < FAMILIES.size(); ++f)
            for (int member : FAMILIES[f])
                if (member == number)
                    return f == 9 ? 8 : (int)f; /* the split family is one */
        return 1000 + number;
    }

    static bool EvolvesFurther(int number)
    {
        for (const std::vector<int> &family : FAMILIES)
            for (size_t i = 0; i + 1 < family.size(); ++i)
                if (family[i] == number)
                    return true;
        return false;
    }

    static int PreEvolution(int number)
    {
        for (const std::vector<int> &family : FAMILIES)
            for (size_t i = 1; i < family.size(); ++i)
                if (family[i] == number)
                    return family[i - 1];
        return 0;
    }
};

TEST_F(ContentRules, TheRulesReadTheMachinesTheirLabelsName)
{
    EXPECT_STREQ(hmLabel[BRIDGE_HM], "HM01 - Bridge Weave");
    EXPECT_STREQ(hmLabel[COOLING_HM], "HM02 - Cellar Cooling");
    EXPECT_STREQ(hmLabel[THRESHING_HM], "HM03 - Grain Threshing");
    EXPECT_STREQ(hmLabel[HERDING_HM], "HM05 - Shoal Herding");
    EXPECT_STREQ(hmLabel[STOKING_HM], "HM07 - Stove Stoking");
    EXPECT_STREQ(hmLabel[DIGGING_HM], "HM08 - Truffle Hunting");
    EXPECT_STREQ(tmLabel[DIGGING_TMS[0]], "TM10 - Burrow Ambush");
    EXPECT_STREQ(tmLabel[DIGGING_TMS[1]], "TM27 - Dune Shift");
    EXPECT_STREQ(tmLabel[DIGGING_TMS[2]], "TM35 - Furrow Plough");
    EXPECT_STREQ(tmLabel[CARTWHEEL_TM], "TM12 - Cartwheel Heel");
    EXPECT_STREQ(tmLabel[PINION_TM], "TM61 - Pinion Buffet");
    EXPECT_STREQ(tmLabel[SHOULDER_TM], "TM74 - Shoulder Barge");
    EXPECT_STREQ(tmLabel[49], "TM49 - Larva Wriggle");
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number)
        EXPECT_NE(BodyOf(number), 0u) << number << " has no body in the plan";
}

TEST_F(ContentRules, LevelUpListsHaveARhythmAPlayerBelieves)
{
    std::map<std::string, Step> steps = StepsInto();
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        const std::string name = NameOf(number);
        int arrival = steps.count(name) ? steps[name].level : 0;
        int pre = PreEvolution(number);
        for (const char *list : MoveListsOf(number)) {
            std::vector<Move> moves = MovesOf(list);
            std::map<int, int> atLevel;
            int previous = 0, levelled = 0, lastLevel = 0;
            for (const Move &move : moves) {
                if (move.level == 0)
                    continue;
                if (++atLevel[move.level] == MOST_MOVES_AT_ONE_LEVEL + 1)
                    ADD_FAILURE() << number << " crowd: three moves at level " << move.level;
                if (previous > 0 && move.level - previous > WIDEST_LEVEL_GAP)
                    ADD_FAILURE() << number << " gap: nothing between levels " << previous << " and "
                                  << move.level;
                previous = move.level;
                if (move.level >= arrival) {
                    ++levelled;
                    lastLevel = move.level;
                }
            }
            if (pre != 0) {
                std::set<std::string> before = NamesOf(moveListText[SlotOf(pre)]);
                int ownOpening = 0;
                for (const Move &move : moves) {
                    if (before.count(move.name))
                        continue;
                    if (move.level == 0)
                        ++ownOpening;
                    else if (move.level < arrival)
                        ADD_FAILURE() << number << " reach: learns its own " << move.name << " at "
                                      << move.level << ", before it arrives at " << arrival;
                }
                if (ownOpening > MOST_OPENING_MOVES_OF_ITS_OWN)
                    ADD_FAILURE() << number << " reach: " << ownOpening
                                  << " of its own moves are opening moves";
            }
            bool stays = !EvolvesFurther(number) || ONE_SEX_STAYS.count(number);
            if (stays && (levelled < LEVELLED_MOVES_FOR_LIFE || lastLevel < LAST_MOVE_FOR_LIFE))
                ADD_FAILURE() << number << " life: " << levelled << " levelled moves from level " << arrival
                              << ", the last at " << lastLevel;
        }
    }
    for (const std::vector<int> &family : FAMILIES) {
        for (size_t i = 0; i + 1 < family.size(); ++i) {
            int number = family[i];
            const Step &next = steps[NameOf(family[i + 1])];
            if (next.level == 0)
                continue;
            int arrival = i == 0 ? 1 : std::max(1, steps[NameOf(number)].level);
            int between = 0, late = 0;
            for (const Move &move : MovesOf(moveListText[SlotOf(number)])) {
                between += move.level >= arrival && move.level > 0 && move.level <= next.level;
                late += move.level > 0 && move.level <= next.level &&
                        move.level >= next.level - LAST_MOVE_BEFORE_EVOLVING;
            }
            if (between < LEVELLED_MOVES_PER_STAGE || late == 0)
                ADD_FAILURE() << number << " stage: " << between << " levelled moves before evolving at "
                              << next.level << ", " << late << " in the last " << LAST_MOVE_BEFORE_EVOLVING
                              << " levels";
        }
    }
    const std::string mustKnow = "Musi zna\xE6 ";
    for (unsigned entry = 0; entry < LOOKED_UP_ENTRIES; ++entry) {
        const EvolutionNote &note = FindEvolutionNote(entry);
        std::string line2 = note.line2;
        if (line2.compare(0, mustKnow.size(), mustKnow) != 0 ||
            FindEvolutionNote(entry - 1).line2 == note.line2)
            continue;
        std::string required = line2.substr(mustKnow.size());
        int learnedAt = 0;
        for (const Move &move : MovesOf(moveListText[EntrySlot(entry)]))
            if (move.name == required)
                learnedAt = move.level;
        if (learnedAt < EARLIEST_REQUIRED_MOVE)
            ADD_FAILURE() << FIRST_NUMBER + (int)entry << " know: " << required << " is learned at level "
                          << learnedAt;
    }
}

TEST_F(ContentRules, LaterStagesKeepTheirTypesGrowAndLearnSharedMovesNoEarlier)
{
    for (const std::vector<int> &family : FAMILIES) {
        for (size_t i = 1; i < family.size(); ++i) {
            int earlier = family[i - 1], later = family[i];
            SCOPED_TRACE(std::to_string(earlier) + " -> " + std::to_string(later));
            int a = SlotOf(earlier), b = SlotOf(later);
            EXPECT_TRUE(HasType(later, primaryTypeIcon[a]));
            if (secondaryTypeIcon[a] != 0) {
                EXPECT_TRUE(HasType(later, secondaryTypeIcon[a]));
            }
            EXPECT_GT(heightCm[b], heightCm[a]);
            EXPECT_GT(weightTenthKg[b], weightTenthKg[a]);
            std::map<std::string, int> learned;
            for (const Move &move : MovesOf(moveListText[a]))
                learned[move.name] = move.level;
            for (const char *list : MoveListsOf(later))
                for (const Move &move : MovesOf(list)) {
                    auto before = learned.find(move.name);
                    if (before != learned.end()) {
                        EXPECT_GE(move.level, before->second) << move.name;
                    }
                }
        }
    }
}

TEST_F(ContentRules, EachMoveListHasWordsAndALevelSequenceOfItsOwn)
{
    std::map<std::vector<int>, int> sequences;
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        for (const char *list : MoveListsOf(number)) {
            SCOPED_TRACE(number);
            std::vector<int> levels;
            std::map<std::string, int> words;
            for (const Move &move : MovesOf(list)) {
                if (move.level > 0)
                    levels.push_back(move.level);
                for (const std::string &word : WordsOf(move.name))
                    EXPECT_EQ(++words[word], 1) << "repeats " << word;
            }
            auto seen = sequences.find(levels);
            if (seen != sequences.end()) {
                EXPECT_EQ(seen->second, FamilyOf(number)) << "levels like an unrelated creature's";
            } else {
                sequences[levels] = FamilyOf(number);
            }
        }
    }
}

TEST_F(ContentRules, MachinesFitTheBodyAndTheTypes)
{
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        Machines m = MachinesOf(number);
        for (int tm : m.tms)
            if (const char *misfit = MachineMisfit(number, false, tm))
                ADD_FAILURE() << number << " " << tmLabel[tm] << ": " << misfit;
        for (int hm : m.hms)
            if (const char *misfit = MachineMisfit(number, true, hm))
                ADD_FAILURE() << number << " " << hmLabel[hm] << ": " << misfit;
        if (m.tms.empty() && m.hms.empty())
            continue; /* what learns no machine at all */
        int slot = SlotOf(number);
        /* the form entry's one list serves every form, so it cannot follow the second type of one */
        unsigned short second = number - FIRST_NUMBER == FORM_ENTRY ? 0 : secondaryTypeIcon[slot];
        for (unsigned short type : {primaryTypeIcon[slot], second}) {
            bool has = type == 0;
            for (int tm : m.tms)
                has |= TM_TYPE[tm] == type;
            if (!has)
                ADD_FAILURE() << number << " has no machine of its type " << type;
        }
    }
}

TEST_F(ContentRules, FieldMachinesFollowHowTheCreatureMoves)
{
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        SCOPED_TRACE(number);
        Machines m = MachinesOf(number);
        unsigned long long body = BodyOf(number);
        if ((body & FINS) && (body & (JAWS | TAIL)) && !(body & (LEGS | LARVA))) {
            EXPECT_TRUE(m.hms.count(HERDING_HM)) << "a grown swimmer can herd a shoal";
        }
        if (body & COLD) {
            EXPECT_TRUE(m.hms.count(COOLING_HM)) << "what is icy can keep a cellar cold";
        }
        if (body & HEAT) {
            EXPECT_TRUE(m.hms.count(STOKING_HM)) << "what is hot can stoke a stove";
        }
        if (body & SILK) {
            EXPECT_TRUE(m.hms.count(BRIDGE_HM)) << "a spinner can weave a bridge";
        }
        bool digsByMove = false;
        for (const Move &move : MovesOf(moveListText[SlotOf(number)]))
            for (const std::string &word : WordsOf(move.name))
                digsByMove |= word == "Dig" || word == "Burrow" || word == "Tunnel" || word == "Delve" ||
                              word == "Delving";
        if (digsByMove || (body & DIGS)) {
            bool canDig = m.hms.count(DIGGING_HM) > 0;
            for (int tm : DIGGING_TMS)
                canDig |= m.tms.count(tm) > 0;
            EXPECT_TRUE(canDig) << "a digger has a digging machine";
        }
        if (!(body & LEGS)) {
            for (const char *list : MoveListsOf(number))
                for (const Move &move : MovesOf(list))
                    for (const std::string &word : WordsOf(move.name))
                        EXPECT_TRUE(word != "Hop" && word != "Kick" && word != "Cartwheel" &&
                                    word != "Leap" && word != "Stomp" && word != "Stride")
                            << "no legs for " << move.name;
        }
    }
}

TEST_F(ContentRules, MachinesAreSpreadOverBodiesNotHandedOutInBundles)
{
    std::map<int, int> tmLists, hmLists;
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        Machines m = MachinesOf(number);
        for (int tm : m.tms)
            ++tmLists[tm];
        for (int hm : m.hms)
            ++hmLists[hm];
    }
    std::vector<std::pair<int, int>> widest;
    for (const auto &use : tmLists) {
        widest.push_back({use.second, use.first});
        if (use.second > MOST_LISTS_PER_MACHINE)
            ADD_FAILURE() << tmLabel[use.first] << " is in " << use.second << " lists";
    }
    for (const auto &use : hmLists)
        if (use.second > MOST_LISTS_PER_MACHINE)
            ADD_FAILURE() << hmLabel[use.first] << " is in " << use.second << " lists";
    std::sort(widest.rbegin(), widest.rend());
    /* Machines tied with the tenth count as among the widest too. */
    for (size_t i = 0; i < widest.size() &&
                       (i < (size_t)WIDEST_MACHINES || widest[i].first == widest[WIDEST_MACHINES - 1].first);
         ++i)
        if (NOT_AMONG_THE_WIDEST.count(widest[i].second))
            ADD_FAILURE() << tmLabel[widest[i].second] << " is among the widest, in " << widest[i].first
                          << " lists";

    for (int a = FIRST_NUMBER; a < FIRST_NUMBER + ENTRY_COUNT; ++a) {
        for (int b = a + 1; b < FIRST_NUMBER + ENTRY_COUNT; ++b) {
            if (FamilyOf(a) == FamilyOf(b))
                continue;
            Machines ma = MachinesOf(a), mb = MachinesOf(b);
            if (ma.tms == mb.tms && ma.hms == mb.hms && ma.tms.size() + ma.hms.size() > LONGEST_SHARED_LIST)
                ADD_FAILURE() << a << " and " << b << " share one machine list";
            std::map<unsigned short, std::set<int>> bundleA, bundleB;
            for (int tm : ma.tms)
                bundleA[TM_TYPE[tm]].insert(tm);
            for (int tm : mb.tms)
                bundleB[TM_TYPE[tm]].insert(tm);
            for (const auto &bundle : bundleA)
                if (bundle.second.size() > LONGEST_SHARED_BUNDLE && bundleB[bundle.first] == bundle.second)
                    ADD_FAILURE() << a << " and " << b << " carry the same " << bundle.second.size()
                                  << " machines of type " << bundle.first;
        }
    }
}

TEST_F(ContentRules, EvolvingStagesKeepTheMachinesTheirBodiesStillUse)
{
    for (const std::vector<int> &family : FAMILIES) {
        for (size_t i = 1; i < family.size(); ++i) {
            int earlier = family[i - 1], later = family[i];
            Machines before = MachinesOf(earlier), after = MachinesOf(later);
            int dropped = 0;
            for (int tm : before.tms)
                if (!after.tms.count(tm)) {
                    ++dropped;
                    if (!MachineMisfit(later, false, tm))
                        ADD_FAILURE() << later << " drops " << tmLabel[tm] << " that its body still uses";
                }
            for (int hm : before.hms)
                if (!after.hms.count(hm)) {
                    ++dropped;
                    if (!MachineMisfit(later, true, hm))
                        ADD_FAILURE() << later << " drops " << hmLabel[hm] << " that its body still uses";
                }
            if (dropped > 1)
                ADD_FAILURE() << later << " drops " << dropped << " machines of " << earlier;
        }
    }
}

TEST_F(ContentRules, SizesFitTheMaterialTheShapeAndTheAge)
{
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        int slot = SlotOf(number);
        double metres = heightCm[slot] / 100.0, kilograms = weightTenthKg[slot] / 10.0;
        /* a person is about 25 kg per square metre of height; stone, metal and water weigh four times that */
        if (BodyOf(number) & HEAVY) {
            EXPECT_GE(kilograms, 100.0 * metres * metres) << number;
        }
        if (BodyOf(number) & LOW) {
            EXPECT_LE(heightCm[slot], LOW_HEIGHT_CM) << number;
        }
    }
    for (const std::vector<int> &family : FAMILIES) {
        for (size_t i = 1; i < family.size(); ++i) {
            int a = SlotOf(family[i - 1]), b = SlotOf(family[i]);
            double solidA = weightTenthKg[a] / ((double)heightCm[a] * heightCm[a] * heightCm[a]);
            double solidB = weightTenthKg[b] / ((double)heightCm[b] * heightCm[b] * heightCm[b]);
            EXPECT_LE(solidA, MOST_SOLID_YOUNG * solidB)
                << family[i - 1] << " is far more solid than " << family[i];
            EXPECT_LE(weightTenthKg[b], WIDEST_WEIGHT_STEP * weightTenthKg[a])
                << family[i - 1] << " -> " << family[i];
        }
    }
    EXPECT_LE(weightTenthKg[SlotOf(WALL_GECKO)], GECKO_MOST_TENTH_KG) << "a gecko clinging to a wall";
    EXPECT_GE(weightTenthKg[SlotOf(GRANITE_LION)], LION_LEAST_TENTH_KG) << "a lion of solid granite";
}

TEST_F(ContentRules, EvolvedStagesKeepMovesAtARhythmOfTheirOwn)
{
    std::map<std::string, Step> steps = StepsInto();
    std::string copies, arrivals;
    int copied = 0, reached = 0, onArrival = 0;
    for (const std::vector<int> &family : FAMILIES) {
        for (size_t i = 1; i < family.size(); ++i) {
            int earlier = family[i - 1], later = family[i];
            std::map<std::string, int> before;
            for (const Move &move : MovesOf(moveListText[SlotOf(earlier)]))
                before[move.name] = move.level;
            int arrival = steps[NameOf(later)].level;
            for (const char *list : MoveListsOf(later)) {
                std::set<int> offsets;
                size_t shared = 0;
                int firstOwn = 0;
                for (const Move &move : MovesOf(list)) {
                    auto seen = before.find(move.name);
                    if (seen == before.end()) {
                        if (move.level > 0 && firstOwn == 0)
                            firstOwn = move.level;
                    } else if (move.level > 0 && seen->second > 0) {
                        ++shared;
                        offsets.insert(move.level - seen->second);
                    }
                }
                if (shared >= SHARED_MOVES_TO_COPY && offsets.size() == 1) {
                    ++copied;
                    copies += " " + std::to_string(earlier) + "->" + std::to_string(later);
                }
                if (arrival > 0) {
                    ++reached;
                    if (firstOwn == arrival) {
                        ++onArrival;
                        arrivals += " " + std::to_string(later);
                    }
                }
            }
        }
    }
    EXPECT_LE(copied, MOST_COPIED_STEPS)
        << "copied forward: every shared move moves by one offset at" << copies;
    EXPECT_LE(ARRIVALS_PER_FIRST_MOVE * onArrival, reached)
        << "arrival: the first move of its own comes at the evolution level at" << arrivals;
}

TEST_F(ContentRules, StagesThatGrowNoFurtherKeepNoMovesOfTheYoung)
{
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        if (EvolvesFurther(number) && !ONE_SEX_STAYS.count(number))
            continue;
        for (const char *list : MoveListsOf(number))
            for (const Move &move : MovesOf(list)) {
                bool young = YOUNG_HABITS.count(move.name) > 0;
                for (const std::string &word : WordsOf(move.name))
                    young |= YOUNG_WORDS.count(word) > 0;
                if (young)
                    ADD_FAILURE() << number << " baby move: " << move.name
                                  << " on a stage that grows no further";
            }
    }
}

TEST_F(ContentRules, LevelUpListsDoNotMarchAtAConstantStride)
{
    std::string marching;
    int constant = 0;
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        for (const char *list : MoveListsOf(number)) {
            std::vector<int> levels;
            for (const Move &move : MovesOf(list))
                if (move.level > 0)
                    levels.push_back(move.level);
            if (levels.size() < STRIDE_MOVES)
                continue;
            int narrowest = 1000, widest = 0;
            size_t run = 1;
            for (size_t i = 1; i < levels.size(); ++i) {
                int step = levels[i] - levels[i - 1];
                narrowest = std::min(narrowest, step);
                widest = std::max(widest, step);
                run = i > 1 && step > 0 && step == levels[i - 1] - levels[i - 2] ? run + 1 : 1;
                if (run + 1 == EQUAL_STEP_RUN)
                    ADD_FAILURE() << number << " stride: " << EQUAL_STEP_RUN << " moves in a row every "
                                  << step << " levels, up to " << levels[i];
            }
            if (widest - narrowest <= 1) {
                ++constant;
                marching += " " + std::to_string(number);
            }
        }
    }
    EXPECT_LE(constant, MOST_CONSTANT_STRIDES)
        << "stride: every step within a level of the others at" << marching;
}

TEST_F(ContentRules, MachineListsFollowTheBodyNotATypeKit)
{
    std::map<std::vector<int>, std::set<int>> carriers;
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        Machines m = MachinesOf(number);
        std::vector<int> machines(m.tms.begin(), m.tms.end());
        for (int hm : m.hms)
            machines.push_back(TM_COUNT + hm);
        std::vector<bool> chosen(machines.size(), false);
        if (machines.size() < (size_t)KIT_SIZE)
            continue;
        std::fill(chosen.end() - KIT_SIZE, chosen.end(), true);
        do {
            std::vector<int> kit;
            for (size_t i = 0; i < machines.size(); ++i)
                if (chosen[i])
                    kit.push_back(machines[i]);
            carriers[kit].insert(FamilyOf(number));
        } while (std::next_permutation(chosen.begin(), chosen.end()));
    }
    std::string kits;
    int count = 0;
    for (const auto &carried : carriers) {
        if ((int)carried.second.size() < KIT_FAMILIES)
            continue;
        ++count;
        kits += "\n ";
        for (int machine : carried.first)
            kits += std::string(" ") + (machine > TM_COUNT ? hmLabel[machine - TM_COUNT] : tmLabel[machine]);
        kits += " in " + std::to_string(carried.second.size()) + " families";
    }
    EXPECT_LE(count, MOST_KITS) << "kits: sets of " << KIT_SIZE
                                << " machines stamped across families:" << kits;
}

TEST_F(ContentRules, EachEvolutionStepChangesTheMachineList)
{
    for (const std::vector<int> &family : FAMILIES)
        for (size_t i = 1; i < family.size(); ++i) {
            Machines before = MachinesOf(family[i - 1]), after = MachinesOf(family[i]);
            if (before.tms == after.tms && before.hms == after.hms)
                ADD_FAILURE() << family[i - 1] << " -> " << family[i] << " twin: the same machine list";
        }
}

TEST_F(ContentRules, EveryMachineIsLearnedBySomeoneItFits)
{
    for (int hm = 0; hm < 2; ++hm)
        for (int machine = 1; machine <= (hm ? HM_COUNT : TM_COUNT); ++machine) {
            bool learned = false;
            for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
                Machines m = MachinesOf(number);
                learned |= (hm ? m.hms : m.tms).count(machine) && !MachineMisfit(number, hm, machine);
            }
            EXPECT_TRUE(learned) << (hm ? hmLabel[machine] : tmLabel[machine])
                                 << " unlearned: nobody it fits learns it";
        }
}

TEST_F(ContentRules, WeightsFollowTheMaterialAndTheBuild)
{
    for (const Material &a : MATERIALS) {
        int slot = SlotOf(a.number);
        double metres = heightCm[slot] / 100.0, kilograms = weightTenthKg[slot] / 10.0;
        if (a.lump) {
            EXPECT_GE(kilograms, a.density * LUMP_FILL * metres * metres * metres)
                << a.number << " material: a lump lighter than its stuff allows";
        }
        for (const Material &b : MATERIALS) {
            int other = SlotOf(b.number);
            if (heightCm[slot] > heightCm[other] && a.density >= b.density &&
                weightTenthKg[slot] < weightTenthKg[other])
                ADD_FAILURE() << a.number << " material: lighter than the smaller " << b.number
                              << " of stuff no denser";
        }
    }
    std::vector<int> swimmers;
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        unsigned long long body = BodyOf(number);
        if ((body & FINS) && (body & (JAWS | TAIL)) && !(body & LOW))
            swimmers.push_back(number);
    }
    for (int a : swimmers)
        for (int b : swimmers) {
            int longer = SlotOf(a), shorter = SlotOf(b);
            if (heightCm[longer] > SWIMMER_LENGTH_STEP * heightCm[shorter] &&
                weightTenthKg[longer] < SWIMMER_WEIGHT_STEP * weightTenthKg[shorter])
                ADD_FAILURE() << a << " build: not far heavier than the swimmer " << b
                              << ", under half its length";
        }
    EXPECT_GE(weightTenthKg[SlotOf(WHALE)], WHALE_OVER_SEAL * weightTenthKg[SlotOf(SEAL_BULL)])
        << "build: the whale is not far heavier than the seal bull";
}

/* SHA-256 of a text as lowercase hex: the rule below keeps only hashes of the words it forbids. */
static std::string Sha256Hex(const std::string &text)
{
    static const uint32_t ROUND[64] = {
        0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
        0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
        0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
        0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
        0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
        0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
        0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
        0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
    };
    uint32_t state[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                         0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    auto rotate = [](uint32_t x, int n) { return (x >> n) | (x << (32 - n)); };
    std::vector<unsigned char> data(text.begin(), text.end());
    uint64_t bits = (uint64_t)data.size() * 8;
    data.push_back(0x80);
    while (data.size() % 64 != 56)
        data.push_back(0);
    for (int i = 7; i >= 0; --i)
        data.push_back((unsigned char)(bits >> (8 * i)));
    for (size_t block = 0; block < data.size(); block += 64) {
        uint32_t w[64];
        for (int i = 0; i < 16; ++i)
            w[i] = (uint32_t)data[block + 4 * i] << 24 | (uint32_t)data[block + 4 * i + 1] << 16 |
                   (uint32_t)data[block + 4 * i + 2] << 8 | data[block + 4 * i + 3];
        for (int i = 16; i < 64; ++i)
            w[i] = w[i - 16] + (rotate(w[i - 15], 7) ^ rotate(w[i - 15], 18) ^ (w[i - 15] >> 3)) + w[i - 7] +
                   (rotate(w[i - 2], 17) ^ rotate(w[i - 2], 19) ^ (w[i - 2] >> 10));
        uint32_t v[8];
        std::copy(state, state + 8, v);
        for (int i = 0; i < 64; ++i) {
            uint32_t t1 = v[7] + (rotate(v[4], 6) ^ rotate(v[4], 11) ^ rotate(v[4], 25)) +
                          ((v[4] & v[5]) ^ (~v[4] & v[6])) + ROUND[i] + w[i];
            uint32_t t2 = (rotate(v[0], 2) ^ rotate(v[0], 13) ^ rotate(v[0], 22)) +
                          ((v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]));
            std::copy_backward(v, v + 7, v + 8);
            v[4] += t1;
            v[0] = t1 + t2;
        }
        for (int i = 0; i < 8; ++i)
            state[i] += v[i];
    }
    std::string hex;
    for (uint32_t word : state)
        for (int shift = 28; shift >= 0; shift -= 4)
            hex += "0123456789abcdef"[(word >> shift) & 15];
    return hex;
}

/* Words that are whole moves in other games, as the first 16 hex digits of the SHA-256 of each word in lower
   case: a name made of one of them and one more word reads as theirs. */
static const std::set<std::string> OTHER_GAMES_MOVES = {
    "00154761637ca746", "01979b66ee1794c4", "0199311728be8299", "0447c783c9e903a0", "04695fa805d662a7",
    "04726352b7def4cc", "07199820d0d6e8a9", "072a626ed2d6cc7d", "091e606752615c91", "094745320718ac48",
    "0e795c5cb0ed5fc2", "0f8897661f150233", "128df13c1e54ffaa", "1542ab0048c80ebc", "19c64195eb8f22c3",
    "1c48f6310f1c849b", "1f6639a8a51c6f74", "1fe75231d376f8ef", "2081cc0de301a35d", "22b090dd46c756d3",
    "2345b0d2fd69db3b", "25c4df8e80af42b6", "2752a2b5446f68dd", "28574c1e4364eea8", "2da977e917bcbc5e",
    "2e09d5210db84177", "2f9bd590d4cbdb08", "31a89e3644524440", "31d58043e5d08e03", "32c870923fced538",
    "367a1c592458c1b0", "378bfce5cda2599a", "3958765b23d8a51d", "39d77c4bd9a79b5d", "3afe33347d9931bb",
    "3c13f6fd6f97586c", "3cb562c897155ca6", "3d73a4af0ea962d4", "3ef81cb18bdaac2f", "40a13b748ecc27b3",
    "41dda3b2113b5898", "44c8cf4ce0611762", "49eff747f7b66f70", "4d6723e5e454779e", "4d803cfdbe2887f7",
    "4f11f4c28e2100ec", "53422065450f7549", "56f8eb1dea71ac99", "5a9cb6b54ea56d52", "6247a5ccc27edc51",
    "6342d0648a746457", "64073b5037a3fd66", "680dce633db1189e", "692e51978c0e4aa1", "69abaec3d4243aa3",
    "6aafbd2b3f430155", "6bd9c9813654d6ba", "6cd512a819ae26ee", "6dff991df5642a7a", "6fffebff6f41ffc5",
    "713d66baefcd7ea2", "74cac794aefecdbb", "75519932722f6e16", "7761e07e4391268c", "793da17aec26d53f",
    "7cadc15d609c4ae9", "7d61e39e75b05dab", "7d9ba835e72cc401", "8218f3d6780abf45", "827e33568641c65a",
    "8404591f75ba3383", "840ee9db4c08b920", "8420c85c2aadaeba", "851e43bd44a2c3d3", "869a80f625c090fe",
    "8babd4397cfcc488", "8dd29add9992f700", "8e6a0ab293702714", "9054966f3df0a88c", "929df7fc8cdf4485",
    "92f473809e5979a7", "939d59d1285efa52", "93a80394715c57d8", "964a9431ff491fd7", "9f7f561ef6ac74ed",
    "a23f3e1e3ab47f3a", "a33603bf79f74b05", "a4fa034cc780dbd7", "a5a2729ffa0eeacc", "a631f4488a457da2",
    "a64f46febefb8eca", "a9c9cca61f97e3d9", "adcc8f7e67f15e94", "ae4754b6cd0217cc", "ae5eebff12dd75af",
    "b12a020b7fdd5754", "b14d9a6a5a3d346a", "b22bacd700565d39", "b334cddd1e794947", "b3a927cf63131517",
    "b451d79c0bd82fb5", "beb016e6965c6b4b", "bee7e5bffd4343b4", "c06f543b3ea6c597", "c144cc4bfee64393",
    "c26f22db83dc51ce", "c2b644a1f2f11fd8", "c3282cafeab243dc", "ceab38a5bea502d0", "cfacfd3ec33b9608",
    "d51bb67453164fe7", "d5fde054c7708969", "d69d13c094290ea8", "d810e25239205253", "db05d4fb5befe4b0",
    "e59389d9c8173527", "e6b88623f7209b6c", "e9d8992f348162fd", "eac874462490e943", "ec3915f542e0f8cb",
    "ec580d1e235cba20", "eee8515ce50821b9", "efe899c74558f20b", "f08dd851c430f52f", "f0a289923ed634ac",
    "f0dc3075f012ecff", "f13f8e16a9f744f0", "f20155bb3d8b224c", "f39d5149a46edeaf", "f54d2de0a404d4af",
    "f7b4ccaa2c70afd3", "fa7835fc1c74a9e0", "fa82948800a46459", "fb725b859f6e28ee", "fc1915852de9d6b6",
};

static bool IsOtherGamesMove(const std::string &word)
{
    std::string lower = word;
    for (char &c : lower)
        c = (char)std::tolower((unsigned char)c);
    return OTHER_GAMES_MOVES.count(Sha256Hex(lower).substr(0, 16)) > 0;
}

TEST_F(ContentRules, MoveNamesAreOurOwn)
{
    /* the hash itself, against the standard's own examples */
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex(std::string(56, 'a')).substr(0, 16), "b35439a4ac6f0948");
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number)
        for (const char *list : MoveListsOf(number))
            for (const Move &move : MovesOf(list))
                for (const std::string &word : WordsOf(move.name))
                    if (IsOtherGamesMove(word))
                        ADD_FAILURE() << number << " " << move.name << ": one word is another game's move";
    for (int tm = 1; tm <= TM_COUNT; ++tm)
        for (const std::string &word : WordsOf(tmLabel[tm] + 7))
            EXPECT_FALSE(IsOtherGamesMove(word)) << tmLabel[tm];
    for (int hm = 1; hm <= HM_COUNT; ++hm)
        for (const std::string &word : WordsOf(hmLabel[hm] + 7))
            EXPECT_FALSE(IsOtherGamesMove(word)) << hmLabel[hm];
}

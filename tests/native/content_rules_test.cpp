/* The catalogue as a player reads it: level-up lists with a believable rhythm, machines cut to each
   creature's body and spread across the catalogue, families that keep their types, grow and keep what they
   learned. */
#include <gtest/gtest.h>

#include <algorithm>
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
    {395, WET | ROLLS},                                                       /* cloud puff, rolls on the wind */
    {396, SPORES | ROOTS},                                                    /* fungus shelf */
    {397, SPORES | ROOTS | LEGS},                                             /* shelved stump */
    {398, STONE | LEGS | HEAVY},                                              /* fieldstone */
    {399, STONE | LEGS | HANDS | HEAVY},                                      /* stone stack */
    {400, STONE | LEGS | HANDS | HEAVY | VOICE},                              /* wall builder */
    {401, FINS | JAWS | GLOW | HUNTER | WET | NIGHT},                         /* anglerfish */
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
    {413, LEGS | FUR | JAWS | TAIL | CLAWS | VOICE | SHELL | LEAVES},         /* tiled shrew, moss on one form */
    {414, LEGS | JAWS | TAIL | CLAWS | VOICE | NIGHT | HUNTER},               /* slate shrew */
    {415, ROOTS | LEAVES | MIND},                                             /* hop shoot */
    {416, ROOTS | LEAVES | SEEDS | MIND},                                     /* hop bine */
    {417, LEGS | TAIL | HEAT | JAWS},                                         /* kiln gecko */
    {418, LEGS | FEATHERS | VOICE | JAWS},                                    /* cassowary chick */
    {419, LEGS | FEATHERS | VOICE | JAWS | CLAWS},                            /* young cassowary */
    {420, LEGS | FEATHERS | VOICE | JAWS | CLAWS | HORNS},                    /* cassowary */
    {421, WET | HEAVY},                                                       /* sponge */
    {422, WET | HEAVY | SPINES | STONE},                                      /* glass sponge */
    {423, LEGS | FLIES | CLAWS | HUNTER | LEAVES | ANTENNAE | JAWS},          /* mantis */
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
    {449, LEGS | FUR | TAIL | HANDS},                                         /* kangaroo joey */
    {450, ROOTS | LEAVES | SPINES | WET},                                     /* teasel rosette */
    {451, ROOTS | LEAVES | SPINES | SEEDS | WET},                             /* teasel with leaf cups */
    {452, LARVA | JAWS},                                                      /* grub */
    {453, LEGS | SHELL | JAWS | ANTENNAE},                                    /* shield beetle */
    {454, LEGS | SHELL | JAWS | ANTENNAE | STONE | FLIES},                    /* click beetle */
    {455, WET | SPIRIT | HEAVY | TAIL | VOICE},                               /* well bucket */
    {456, CHARGE | SLIME},                                                    /* resin drop */
    {457, CHARGE | STONE | LEGS},                                             /* amber lump */
    {458, CHARGE | STONE | LEGS | HEAVY | GLOW},                              /* amber beast */
    {459, ROOTS | LEAVES | WET | SEEDS},                                      /* water lily */
    {460, LEGS | SPINES | CHARGE | JAWS | ROLLS | FUR},                       /* hedgehog */
    {461, LEGS | SPINES | CHARGE | JAWS | ROLLS | FUR | CLAWS},               /* big hedgehog */
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
    {475, FINS | VOICE | JAWS | WET},                                         /* beachmaster */
    {476, HANDS | CLAWS | FUR | LEAVES | LEGS},                               /* moss sloth baby */
    {477, FEATHERS | FLIES | LEGS | JAWS | VOICE | SILK},                     /* tailor chick */
    {478, FEATHERS | FLIES | LEGS | JAWS | VOICE | SILK},                     /* tailor bird */
    {479, STONE | GLOW | HEAT | HEAVY | LEGS | VOICE},                        /* lighthouse */
    {480, FINS | VOICE | WET | TAIL},                                         /* reef whale */
    {481, STONE | WET | HEAVY | LEGS},                                        /* salt block */
    {482, COLD | STONE | LEGS | HEAVY},                                       /* ice stack */
    {483, LEGS | HEAT | GLOW | HORNS | FUR | VOICE},                          /* ember stag */
    {484, ROOTS | LEAVES | VOICE | SEEDS | WADES},                            /* reed piper */
    {485, FLIES | ANTENNAE | NIGHT | MIND},                                   /* dusk moth */
    {486, FINS | CHARGE | TAIL | LOW | WET},                                  /* storm ray */
    {487, GLOW | MIND | SLIME},                                               /* star jelly */
    {488, HANDS | SPIRIT | VENOM | GLOW | WADES | NIGHT | LEGS},              /* marsh keeper */
    {489, LEGS | SHELL | CLAWS | DIGS | ROLLS | TAIL},                        /* armadillo */
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
    HEAT,                     /* TM25 Drakefire Sigh */
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
    STONE,                    /* TM73 Scree Slide */
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
    LEGS | WADES,             /* HM02 Ford Wading */
    HANDS | LEGS,             /* HM03 Load Hauling, with weight behind it */
    LEGS | FLIES,             /* HM04 Message Running */
    FINS,                     /* HM05 Raft Towing */
    FLIES,                    /* HM06 Ridge Gliding */
    GLOW | HEAT,              /* HM07 Torchbearing */
    DIGS,                     /* HM08 Tunnel Boring */
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
static const int BRIDGE_HM = 1, WADING_HM = 2, LOAD_HM = 3, SWIMMING_HM = 5, FLYING_HM = 6, LIGHTING_HM = 7,
                 DIGGING_HM = 8;
static const int DIGGING_TMS[] = {10, 35};
static const int CARTWHEEL_TM = 12, PINION_TM = 61, SHOULDER_TM = 74;
static const int LIGHTEST_BARGER_TENTH_KG = 200;   /* a shoulder barge needs 20 kg behind it */
static const int LIGHTEST_HAULER_TENTH_KG = 400;   /* hauling loads needs 40 kg */
static const int HEAVIEST_TUMBLER_TENTH_KG = 1000; /* nobody over 100 kg turns cartwheels */

/* How widely a machine may be learned, and the numbers that must not carry the widest ones. */
static const int MOST_LISTS_PER_MACHINE = 30;
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
    if (hm && machine == LOAD_HM && weight < LIGHTEST_HAULER_TENTH_KG)
        return "too light to haul loads";
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
    EXPECT_STREQ(hmLabel[WADING_HM], "HM02 - Ford Wading");
    EXPECT_STREQ(hmLabel[LOAD_HM], "HM03 - Load Hauling");
    EXPECT_STREQ(hmLabel[SWIMMING_HM], "HM05 - Raft Towing");
    EXPECT_STREQ(hmLabel[FLYING_HM], "HM06 - Ridge Gliding");
    EXPECT_STREQ(hmLabel[LIGHTING_HM], "HM07 - Torchbearing");
    EXPECT_STREQ(hmLabel[DIGGING_HM], "HM08 - Tunnel Boring");
    EXPECT_STREQ(tmLabel[DIGGING_TMS[0]], "TM10 - Burrow Ambush");
    EXPECT_STREQ(tmLabel[DIGGING_TMS[1]], "TM35 - Furrow Plough");
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
        for (unsigned short type : {primaryTypeIcon[slot], secondaryTypeIcon[slot]}) {
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
        if ((body & FLIES) || HasType(number, IDB_TYPE_FLYING)) {
            EXPECT_TRUE(m.hms.count(FLYING_HM)) << "a flyer can glide";
        }
        if (body & FINS) {
            EXPECT_TRUE(m.hms.count(SWIMMING_HM) && !m.hms.count(WADING_HM))
                << "a swimmer swims, it does not wade";
        }
        if (body & WADES) {
            EXPECT_TRUE(m.hms.count(WADING_HM));
        }
        if (body & GLOW) {
            EXPECT_TRUE(m.hms.count(LIGHTING_HM)) << "what glows can light the way";
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
            bool canDig =
                m.hms.count(DIGGING_HM) || m.tms.count(DIGGING_TMS[0]) || m.tms.count(DIGGING_TMS[1]);
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

/* Words that are whole moves in other games: a name made of one of them and one more word reads as theirs. */
static const std::set<std::string> OTHER_GAMES_MOVES = {
    "Absorb",    "Acid",      "Agility",    "Amnesia",    "Ancient",   "Astonish", "Barrier",    "Bide",
    "Bind",      "Bite",      "Blizzard",   "Bounce",     "Breath",    "Brine",    "Camouflage", "Charm",
    "Clamp",     "Coat",      "Coil",       "Confusion",  "Constrict", "Counter",  "Crunch",     "Curse",
    "Cut",       "Detect",    "Disable",    "Dive",       "Dizzy",     "Drum",     "Earthquake", "Ember",
    "Encore",    "Endure",    "Eruption",   "Exhale",     "Fissure",   "Flail",    "Flash",      "Fling",
    "Glare",     "Growl",     "Growth",     "Grudge",     "Gust",      "Hail",     "Hammer",     "Harden",
    "Haze",      "Headbutt",  "Hex",        "Howl",       "Hypnosis",  "Jet",      "Judgement",  "Knot",
    "Lance",     "Leer",      "Lick",       "Lunge",      "Mimic",     "Mind",     "Mirror",     "Mist",
    "Nuzzle",    "Outrage",   "Overheat",   "Peck",       "Petal",     "Pluck",    "Pounce",     "Pound",
    "Protect",   "Rage",      "Ram",        "Recover",    "Rest",      "Reversal", "Roar",       "Rollout",
    "Roost",     "Safeguard", "Sandstorm",  "Scald",      "Scratch",   "Screech",  "Shield",     "Shock",
    "Sing",      "Slam",      "Slash",      "Sludge",     "Smog",      "Snatch",   "Soak",       "Spark",
    "Spikes",    "Spin",      "Spite",      "Splash",     "Spore",     "Spout",    "Sticky",     "Sting",
    "Stomp",     "Strength",  "Substitute", "Supersonic", "Surf",      "Swagger",  "Swift",      "Swing",
    "Synthesis", "Tackle",    "Tailwind",   "Taunt",      "Thief",     "Thrash",   "Thrust",     "Thunder",
    "Torment",   "Trick",     "Twister",    "Uproar",     "Veil",      "Vine",     "Volt",       "Waterfall",
    "Whirl",     "Whirlpool", "Whistle",    "Wish",       "Withdraw",  "Wrap",     "Yawn",
};

TEST_F(ContentRules, MoveNamesAreOurOwn)
{
    std::vector<std::pair<int, const char *>> lists;
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number)
        for (const char *list : MoveListsOf(number))
            lists.push_back({number, list});
    for (const auto &list : lists)
        for (const Move &move : MovesOf(list.second))
            for (const std::string &word : WordsOf(move.name))
                if (OTHER_GAMES_MOVES.count(word))
                    ADD_FAILURE() << list.first << " " << move.name << ": " << word
                                  << " is another game's move";
    for (int tm = 1; tm <= TM_COUNT; ++tm)
        for (const std::string &word : WordsOf(tmLabel[tm] + 7))
            EXPECT_FALSE(OTHER_GAMES_MOVES.count(word)) << tmLabel[tm];
    for (int hm = 1; hm <= HM_COUNT; ++hm)
        for (const std::string &word : WordsOf(hmLabel[hm] + 7))
            EXPECT_FALSE(OTHER_GAMES_MOVES.count(word)) << hmLabel[hm];
}

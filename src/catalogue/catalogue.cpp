/* The catalogue content: names, move and machine lists, sizes, types and machine labels.
   InitCatalogue stores it into the tables once, while the main window is created. */
#include "catalogue/catalogue.h"

#include "resource.h"

/* Family plan. Members of one family stand next to each other and share one evolution note;
   a family's names share their first letters and its sizes grow stage by stage. "outside" marks
   an entry that evolves from a creature not in the catalogue, "-" one with no evolution at all.

   family  entries   types                   evolves          members and concept
   A        0..  2   fire; +ground           Lv. 13, Lv. 34   Brazzik, Brazzomot, Brazzagrun: charcoal marmots that
                                                              bank coals in cheeks, then on the back, then in a mound
   B        3..  5   water                   Lv. 18, item     Coilet, Coilumar, Coilossus: pond snails
   C        6..  8   normal/psychic, flying  Lv. 17, item     Puszel, Puszkrad, Puszmagos: owls, the last a seer
   D        9.. 10   grass, poison           Lv. 24           Mycelet, Mycelorn: toadstools
   E       11.. 13   rock; +fighting         Lv. 25, Lv. 45   Rubblit, Rubblor, Rubbrawn: stone golems
   F       14.. 15   water, electric         Lv. 28           Medulo, Medulume: jellyfish
   G       16.. 17   dark; +ice              knows a move     Wulfin, Wulfrost: wolves
   H       18.. 19   water; +fighting        Lv. 30           Klakkit, Klakkuro: crabs
   I       20.. 21   grass; +ground          Lv. 33           Spindu, Spindurra: cacti
   J       22.. 24   poison, flying          Lv. 19, Lv. 41   Skimpa, Skimpador, Skimparex: gliding tree frogs
   K       25.. 27   normal; +form/dark      Lv. 23           Tessik; Tessamira (females, carries a house she built:
                                                              reed basket, clay urn or tin dome), Tessarok (males,
                                                              a night runner that carries nothing)
   L       28.. 29   insect, ground          Lv. 30           Formikit, Formiregia: ants; only females evolve
   -       30        electric                                 Tikkerel: spark gecko
   M       31.. 32   water; +rock            Lv. 31           Porrib, Porrifex: sea sponges, the last stone-boned
   N       33.. 34   ghost, rock             item             Stakki, Stakkorum: haunted cairns
   O       35.. 36   ice                     Lv. 34           Yetilo, Yetimaruk: yetis
   outside 37        insect, electric                         Lampyrix (from Lampilo): firefly
   P       38.. 39   psychic                 happiness        Renlumi, Renmystel: foxes
   Q       40.. 41   ground; +dark           Lv. 29           Rhombi, Rhombadune: sand rays that swim under dunes
   outside 42..43                                             Kowadrak (from Kowadlet): living anvil, steel;
                                                              Haybogle (from Haylet): scarecrow, grass
   R       44.. 45   electric                knows a move     Urchet, Urchaton: hedgehogs
   child   46        normal                                   Nimbubb (hatches from Nimbarra eggs, never evolves into it)
   S       47.. 48   insect; +dark           Lv. 29           Skitrel, Skitnoctis: spiders
   T       49.. 50   ice                     Lv. 37           Rimelin, Rimehart: crystal deer
   U       51.. 53   fighting                Lv. 20, happy    Gibbit, Gibbrawl, Gibbrutus: apes
   -       54..55                                             Samovik (kettle spirit, fire), Gardolith (stone lion, rock)
   V       56.. 58   dragon; +rock           Lv. 27, Lv. 52   Druzik, Druzavor, Druzaroth: six-legged crystal-eating
                                                              cave drakes, wingless, the last with a geode back
   outside 59        ground, steel                            Scutarro (from Scutelet): armadillo
   W       60.. 61   water; +flying          Lv. 26           Ardipip, Ardeagris: herons
   X       62.. 63   insect; +rock           Lv. 24           Scarbit, Scarabrax: beetles, the last rolls a stone ball
   Y       64.. 65   poison; +psychic        Lv. 33           Limaxel, Limaxora: land slugs, the last with a frilled,
                                                              dizzying mantle
   Z       66.. 67   ground                  Lv. 31           Talpik, Talpagrond: moles
   -       68        ghost, water                             Studnik: spirit of an old well bucket
   AA      69.. 70   electric; +water        with Medulo      Anguiz, Anguvolt: eels
   outside 71        water, dark                              Lophira (from Lophet): anglerfish
   AB      72.. 73   grass                   item             Anthelle, Anthoria: flower fairies
   outside 74..80                                             Krukal (Krukit): spoon-hoarding crow, normal/flying;
                                                              Cogvalier (Cogsquire): knight of cogs, steel;
                                                              Bradypo (Bradylet): moss sloth, grass, only at night;
                                                              Scoriak (Scorilet): lava golem, rock/fire, on a mountain;
                                                              Nymphella (Nymbud): water lily, grass/water;
                                                              Krupavel (Krupik): sleet petrel, ice/flying;
                                                              Skokarun (Skokik): dust kangaroo, ground
   child   81        normal                                   Lullamb (hatches from Lullaram eggs)
   outside 82        insect, grass                            Mantiverd (from Mantilet): mantis
   AC      83.. 84   normal                  Lv. 29           Melesko, Melesgrund: badgers
   outside 85..91                                             Gargrim (Gargit): gargoyle, rock/flying;
                                                              Narwhelm (Narwee): narwhal, ice;
                                                              Orikran (Orilet): paper crane, grass/flying;
                                                              Turowald (Turzyk, males only): forest bull, grass/normal;
                                                              Caprigrat (Caprilet): glacier goat, rock/ice;
                                                              Nyxalis (Nyxit): smoke-tailed cat, ghost/dark;
                                                              Cygnivere (Cygnilo, females only): lake swan, water/flying
   -       92..101                                            Catenor (chain serpent), Balaenor (reef whale),
                                                              Sphyrex (sphinx), Glaciath (three-legged ice stack),
                                                              Pyrelk (ember stag), Bryotitan (moss titan),
                                                              Noctuel (night moth), Torpedra (storm ray),
                                                              Astrogel (star jelly), Miasmorr (marsh fog with eyes)
   AD     102..103   water; +grass           Lv. 38           Rizolet, Rizomarra: mangroves, seedling then walking tree
   -      104..106                                            Terrox (earth ox), Solvarin (winged sun-lion),
                                                              Orrimbar (dragon asleep round a mountain) */

const char *moveListText[ENTRY_SLOTS];
const char *machineListText[ENTRY_SLOTS];
int heightCm[ENTRY_SLOTS];
int weightTenthKg[ENTRY_SLOTS];
unsigned short primaryTypeIcon[ENTRY_SLOTS];
unsigned short secondaryTypeIcon[ENTRY_SLOTS];

const char *tmLabel[TM_COUNT + 1];
const char *hmLabel[HM_COUNT + 1];

static const unsigned short NO_SECOND_TYPE = 0;

const char *const entryName[ENTRY_COUNT] = {
    /* 387 */ "Cindrel",    "Cindravel",  "Cindragor",  "Coilet",    "Coilumar",   "Coilossus",
    /* 393 */ "Hooblet",    "Hoobrow",    "Hoobrahan",  "Mycelet",   "Mycelorn",   "Rubblit",
    /* 399 */ "Rubblor",    "Rubbrawn",   "Medulo",     "Medulume",  "Wulfin",     "Wulfrost",
    /* 405 */ "Klakkit",    "Klakkuro",   "Spindu",     "Spindurra", "Chirrit",    "Chirrofang",
    /* 411 */ "Chirrdusk",  "Silkgrubbo", "Silkmantle", "Silkwyng",  "Formikit",   "Formiregia",
    /* 417 */ "Tikkerel",   "Kelpini",    "Kelpidrak",  "Calabrin",  "Calabroul",  "Yetilo",
    /* 423 */ "Yetimaruk",  "Lampyrix",   "Renlumi",    "Renmystel", "Tortelo",    "Tortaverd",
    /* 429 */ "Klingdol",   "Haybogle",   "Urchet",     "Urchaton",  "Nimbubb",    "Skitrel",
    /* 435 */ "Skitnoctis", "Rimelin",    "Rimehart",   "Gibbit",    "Gibbrawl",   "Gibbrutus",
    /* 441 */ "Samovik",    "Gardolith",  "Zephlet",    "Zephyrra",  "Zephyraxis", "Scutarro",
    /* 447 */ "Ardipip",    "Ardeagris",  "Scarbit",    "Scarabrax", "Sissnik",    "Sissmora",
    /* 453 */ "Talpik",     "Talpagrond", "Gloamwick",  "Anguiz",    "Anguvolt",   "Lophira",
    /* 459 */ "Anthelle",   "Anthoria",   "Krukal",     "Cogvalier", "Bradypo",    "Scoriak",
    /* 465 */ "Nymphella",  "Fulgurak",   "Pugilroo",   "Lullamb",   "Mantiverd",  "Melesko",
    /* 471 */ "Melesgrund", "Gargrim",    "Narwhelm",   "Orikran",   "Cervaldor",  "Caprigrat",
    /* 477 */ "Nyxalis",    "Cygnivere",  "Horodrak",   "Balaenor",  "Sphyrex",    "Glaciath",
    /* 483 */ "Pyrelk",     "Bryotitan",  "Noctuel",    "Torpedra",  "Astrogel",   "Miasmorr",
    /* 489 */ "Nerilla",    "Nerisyne",   "Terrox",     "Solvarin",  "Prismadrak",
};

/* A machine list for creatures that can use no machine at all. */
static const char machinesNone[] = "-;";

/* Machine lists that two members of one family have in common. */
/* 390 Coilet, 391 Coilumar */
static const char machinesPondSnails[] = "13;18;21;42;44;55;82;87;90;";
/* 398 Rubblit, 399 Rubblor */
static const char machinesRubbleGolems[] = "8;21;26;31;39;44;46;64;90;-;4;";
/* 409 Chirrit, 410 Chirrofang */
static const char machinesYoungBats[] = "6;32;36;47;49;51;78;84;-;";

/* Per entry: the level-up moves, then the TM/HM numbers. */
/* 387 Cindrel */
static const char movesCindrel[] =
    "Slither Lash;Cinder Nip;Lv. 4 - Smoke Puff;Lv. 9 - Coil Squeeze;Lv. 14 - Ember Flick;"
    "Lv. 14 - Heat Shimmer;Lv. 24 - Flame Lick;Lv. 29 - Tail Flame;Lv. 34 - Blaze Tail;";
static const char machinesCindrel[] = "10;20;23;35;38;61;-;";
/* 388 Cindravel */
static const char movesCindravel[] =
    "Paw Swipe;Cinder Nip;Smoke Puff;Lv. 5 - Ember Flick;Lv. 9 - Heat Shimmer;Lv. 13 - Flame Lick;"
    "Lv. 18 - Headlong Dash;Lv. 22 - Kiln Breath;Lv. 26 - Blaze Tail;Lv. 30 - Scorch Roll;"
    "Lv. 34 - Pyre Crest;Lv. 39 - Furnace Roar;Lv. 43 - Frill Flare;Lv. 47 - Inferno Crown;";
static const char machinesCindravel[] = "1;10;11;20;21;23;35;38;42;44;50;61;70;75;";
/* 389 Cindragor */
static const char movesCindragor[] =
    "Paw Swipe;Cinder Nip;Scale Rub;Lv. 6 - Smoke Puff;Lv. 10 - Drake Nip;Lv. 14 - Heat Shimmer;"
    "Lv. 18 - Flame Lick;Lv. 23 - Headlong Dash;Lv. 27 - Drake Tail Whip;Lv. 31 - Kiln Breath;"
    "Lv. 35 - Blaze Tail;Lv. 39 - Wyrm Coil;Lv. 43 - Pyre Crest;Lv. 48 - Furnace Roar;"
    "Lv. 52 - Drake Fury Dive;Lv. 56 - Horned Blaze;Lv. 60 - Inferno Crown;";
static const char machinesCindragor[] =
    "1;2;5;10;11;15;17;20;21;23;35;38;42;43;44;50;58;59;61;68;70;75;-;1;4;";
/* 390 Coilet */
static const char movesCoilet[] =
    "Shell Tuck;Drizzle Spit;Lv. 4 - Bubble Veil;Lv. 11 - Shell Spin;Lv. 17 - Splash Jab;Lv. 24 - Tide Tug;"
    "Lv. 30 - Ripple Shot;Lv. 37 - Brine Spray;";
/* 391 Coilumar */
static const char movesCoilumar[] =
    "Shell Tuck;Drizzle Spit;Bubble Veil;Lv. 5 - Splash Jab;Lv. 10 - Tide Tug;Lv. 15 - Ripple Shot;"
    "Lv. 20 - Shell Spin;Lv. 25 - Current Coil;Lv. 25 - Brine Spray;Lv. 35 - Undertow Pull;"
    "Lv. 40 - Wave Crash;Lv. 45 - Riptide Surge;Lv. 50 - Tsunami Wall;";
/* 392 Coilossus */
static const char movesCoilossus[] =
    "Shell Tuck;Drizzle Spit;Pebble Toss;Lv. 6 - Bubble Veil;Lv. 10 - Grit Spray;Lv. 14 - Tide Tug;"
    "Lv. 18 - Ripple Shot;Lv. 22 - Shell Spin;Lv. 26 - Crag Slam;Lv. 30 - Current Coil;Lv. 34 - Brine Spray;"
    "Lv. 38 - Boulder Drop;Lv. 42 - Wave Crash;Lv. 46 - Riptide Surge;Lv. 50 - Monolith Crush;"
    "Lv. 54 - Spiral Spikes;Lv. 58 - Tsunami Wall;";
static const char machinesCoilossus[] = "8;10;13;15;18;20;21;26;39;42;43;44;55;64;68;69;80;82;87;90;-;4;8;";
/* 393 Hooblet */
static const char movesHooblet[] =
    "Preen;Nudge;Lv. 4 - Quiet Drift;Lv. 10 - Hop Peck;Lv. 16 - Gust Nudge;Lv. 23 - Ruffle Up;"
    "Lv. 29 - Wide Gaze;Lv. 35 - Dive Peck;";
static const char machinesHooblet[] = "20;40;43;54;67;83;88;89;-;";
/* 394 Hoobrow */
static const char movesHoobrow[] =
    "Preen;Mind Nudge;Feather Flick;Lv. 5 - Foresense;Lv. 10 - Gust Nudge;Lv. 15 - Psi Ping;"
    "Lv. 19 - Hop Peck;Lv. 24 - Thought Jab;Lv. 29 - Dive Peck;Lv. 34 - Dream Ripple;Lv. 38 - Astral Gaze;"
    "Lv. 43 - Sky Carve;Lv. 48 - Psi Tempest;";
static const char machinesHoobrow[] = "3;16;20;21;29;40;43;44;54;75;77;82;85;88;89;90;92;-;2;";
/* 395 Hoobrahan */
static const char movesHoobrahan[] =
    "Preen;Mind Nudge;Feather Flick;Lv. 6 - Foresense;Lv. 10 - Wing Slap;Lv. 14 - Psi Ping;"
    "Lv. 19 - Thought Jab;Lv. 23 - Hop Peck;Lv. 27 - Dive Peck;Lv. 31 - Dream Ripple;Lv. 31 - Astral Gaze;"
    "Lv. 40 - Sky Carve;Lv. 44 - Mind Crush;Lv. 48 - Psi Tempest;Lv. 53 - Cyclone Dive;"
    "Lv. 57 - Third Eye Glare;Lv. 61 - Oracle Beam;";
static const char machinesHoobrahan[] =
    "3;4;16;17;20;21;29;40;43;44;48;54;58;63;68;75;77;82;85;88;89;90;92;-;2;5;";
/* 396 Mycelet */
static const char movesMycelet[] =
    "Spore Puff;Leaf Flick;Lv. 4 - Seed Spit;Lv. 11 - Cap Bounce;Lv. 18 - Venom Spit;Lv. 24 - Thorn Prick;"
    "Lv. 31 - Sprout Heal;Lv. 38 - Noxious Bite;";
static const char machinesMycelet[] = "11;21;36;44;53;84;86;";
/* 397 Mycelorn */
static const char movesMycelorn[] =
    "Spore Puff;Leaf Flick;Acid Drip;Lv. 6 - Seed Spit;Lv. 10 - Toxin Prick;Lv. 15 - Thorn Prick;"
    "Lv. 19 - Cap Bounce;Lv. 23 - Sprout Heal;Lv. 28 - Foul Mist;Lv. 32 - Vine Snare;Lv. 36 - Bramble Whip;"
    "Lv. 41 - Blight Coil;Lv. 45 - Petal Storm;Lv. 49 - Verdant Crush;Lv. 54 - Toadstool Dance;"
    "Lv. 58 - Virulent Lunge;";
static const char machinesMycelorn[] = "6;9;11;15;17;19;21;22;27;32;36;44;45;53;58;68;83;84;86;-;";
/* 398 Rubblit */
static const char movesRubblit[] =
    "Bump;Pebble Toss;Lv. 4 - Grit Spray;Lv. 8 - Stone Bump;Lv. 13 - Brace;Lv. 17 - Crag Slam;"
    "Lv. 22 - Shale Shards;Lv. 26 - Boulder Drop;Lv. 31 - Quarry Quake;Lv. 35 - Monolith Crush;";
/* 399 Rubblor */
static const char movesRubblor[] =
    "Bump;Pebble Toss;Grit Spray;Lv. 5 - Stone Bump;Lv. 11 - Crag Slam;Lv. 17 - Brace;Lv. 23 - Shale Shards;"
    "Lv. 23 - Boulder Drop;Lv. 36 - Quarry Quake;Lv. 42 - Monolith Crush;Lv. 48 - Cliff Collapse;";
/* 400 Rubbrawn */
static const char movesRubbrawn[] =
    "Bump;Pebble Toss;Jab Step;Lv. 6 - Grit Spray;Lv. 11 - Ankle Sweep;Lv. 15 - Stone Bump;Lv. 20 - Brace;"
    "Lv. 24 - Crag Slam;Lv. 29 - Knee Launch;Lv. 34 - Shale Shards;Lv. 38 - Boulder Drop;"
    "Lv. 43 - Grapple Throw;Lv. 47 - Quarry Quake;Lv. 52 - Monolith Crush;Lv. 56 - Crystal Shoulder;"
    "Lv. 61 - Titan Suplex;";
static const char machinesRubbrawn[] = "8;15;17;21;26;31;37;39;44;45;46;56;58;64;69;71;76;80;82;90;-;1;4;6;";
/* 401 Medulo */
static const char movesMedulo[] =
    "Tentacle Sting;Drizzle Spit;Lv. 4 - Bubble Veil;Lv. 9 - Spark Nip;Lv. 14 - Drift Pulse;"
    "Lv. 19 - Splash Jab;Lv. 23 - Tide Tug;Lv. 28 - Arc Jolt;Lv. 33 - Current Coil;Lv. 38 - Brine Spray;";
static const char machinesMedulo[] = "17;24;34;55;57;58;70;73;-;";
/* 402 Medulume */
static const char movesMedulume[] =
    "Tentacle Sting;Drizzle Spit;Static Tap;Lv. 6 - Bubble Veil;Lv. 11 - Buzz Up;Lv. 15 - Tide Tug;"
    "Lv. 20 - Drift Pulse;Lv. 25 - Ripple Shot;Lv. 30 - Zap Net;Lv. 34 - Brine Spray;Lv. 39 - Undertow Pull;"
    "Lv. 44 - Bolt Lance;Lv. 49 - Riptide Surge;Lv. 53 - Lumen Shock;Lv. 58 - Tsunami Wall;";
static const char machinesMedulume[] = "10;13;15;17;18;20;24;25;34;43;55;57;58;68;70;73;82;87;-;3;8;";
/* 403 Wulfin */
static const char movesWulfin[] =
    "Paw Swipe;Snicker;Lv. 4 - Sly Nip;Lv. 9 - Shadow Pounce;Lv. 14 - Headlong Dash;Lv. 14 - Grim Stare;"
    "Lv. 21 - Rime Fang;Lv. 25 - Night Prowl;Lv. 30 - Dusk Fang;Lv. 35 - Murk Slash;";
static const char machinesWulfin[] = "1;17;41;45;63;65;-;";
/* 404 Wulfrost */
static const char movesWulfrost[] =
    "Paw Swipe;Snicker;Frost Nip;Lv. 6 - Sly Nip;Lv. 10 - Chill Breath;Lv. 14 - Shadow Pounce;"
    "Lv. 18 - Grim Stare;Lv. 23 - Headlong Dash;Lv. 27 - Ice Glaze;Lv. 31 - Night Prowl;Lv. 35 - Dusk Fang;"
    "Lv. 39 - Glacier Slam;Lv. 43 - Murk Slash;Lv. 48 - Ambush Rush;Lv. 52 - Blizzard Crown;"
    "Lv. 56 - Icicle Mane;Lv. 60 - Eclipse Maw;";
static const char machinesWulfrost[] = "1;5;7;10;12;13;17;20;23;30;41;45;54;63;65;66;79;82;87;-;1;6;";
/* 405 Klakkit */
static const char movesKlakkit[] =
    "Pincer Snip;Drizzle Spit;Lv. 4 - Bubble Veil;Lv. 11 - Claw Clamp;Lv. 17 - Splash Jab;Lv. 24 - Tide Tug;"
    "Lv. 30 - Ripple Shot;Lv. 37 - Brine Spray;";
static const char machinesKlakkit[] = "1;13;18;27;45;54;55;75;-;";
/* 406 Klakkuro */
static const char movesKlakkuro[] =
    "Pincer Snip;Drizzle Spit;Jab Step;Lv. 6 - Bubble Veil;Lv. 11 - Ankle Sweep;Lv. 15 - Tide Tug;"
    "Lv. 20 - Claw Clamp;Lv. 25 - Ripple Shot;Lv. 29 - Knee Launch;Lv. 34 - Brine Spray;"
    "Lv. 39 - Undertow Pull;Lv. 43 - Grapple Throw;Lv. 48 - Riptide Surge;Lv. 53 - Tsunami Wall;"
    "Lv. 57 - Boxing Claw;Lv. 62 - Titan Suplex;";
static const char machinesKlakkuro[] = "1;8;10;13;15;18;20;27;31;43;45;52;54;55;60;68;75;82;87;-;1;3;4;7;";
/* 407 Spindu */
static const char movesSpindu[] =
    "Root Anchor;Leaf Flick;Lv. 4 - Seed Spit;Lv. 8 - Reed Lash;Lv. 13 - Sun Bask;Lv. 17 - Thorn Prick;"
    "Lv. 17 - Sprout Heal;Lv. 25 - Pollen Haze;Lv. 30 - Vine Snare;Lv. 34 - Bramble Whip;";
static const char machinesSpindu[] = "9;11;19;27;32;83;-;";
/* 408 Spindurra */
static const char movesSpindurra[] =
    "Root Anchor;Leaf Flick;Mud Fling;Lv. 6 - Seed Spit;Lv. 11 - Dust Toss;Lv. 16 - Thorn Prick;"
    "Lv. 20 - Sun Bask;Lv. 25 - Sprout Heal;Lv. 30 - Quake Pulse;Lv. 35 - Vine Snare;Lv. 40 - Bramble Whip;"
    "Lv. 45 - Dune Hush;Lv. 49 - Petal Storm;Lv. 54 - Cactus Bloom;Lv. 59 - Verdant Crush;";
static const char machinesSpindurra[] = "9;10;11;15;19;20;22;27;32;37;43;53;68;83;86;87;";
/* 409 Chirrit */
static const char movesChirrit[] =
    "Echo Screech;Acid Drip;Lv. 4 - Toxin Prick;Lv. 9 - Gust Nudge;Lv. 15 - Night Flit;Lv. 20 - Venom Spit;"
    "Lv. 25 - Foul Mist;Lv. 31 - Air Slice;Lv. 36 - Noxious Bite;";
/* 410 Chirrofang */
static const char movesChirrofang[] =
    "Echo Screech;Acid Drip;Wing Slap;Lv. 5 - Toxin Prick;Lv. 9 - Gust Nudge;Lv. 14 - Venom Spit;"
    "Lv. 18 - Night Flit;Lv. 23 - Foul Mist;Lv. 27 - Air Slice;Lv. 31 - Noxious Bite;Lv. 36 - Sludge Hurl;"
    "Lv. 40 - Sky Carve;Lv. 45 - Blight Coil;Lv. 49 - Plague Cloud;";
/* 411 Chirrdusk */
static const char movesChirrdusk[] =
    "Echo Screech;Snicker;Wing Slap;Lv. 6 - Sly Nip;Lv. 11 - Gust Nudge;Lv. 16 - Grim Stare;"
    "Lv. 21 - Night Flit;Lv. 26 - Night Prowl;Lv. 31 - Air Slice;Lv. 31 - Dusk Fang;Lv. 42 - Murk Slash;"
    "Lv. 47 - Swoop Strike;Lv. 52 - Abyss Howl;Lv. 57 - Dusk Cape;Lv. 62 - Eclipse Maw;";
static const char machinesChirrdusk[] =
    "10;12;15;20;21;30;32;40;41;42;43;44;47;49;51;58;65;66;78;79;89;90;-;2;5;";
/* 412 Silkgrubbo */
static const char movesSilkgrubbo[] =
    "Nibble;Silk Spin;Lv. 5 - Wriggle;Lv. 9 - Sting Jab;Lv. 15 - Cocoon Wrap;Lv. 20 - Chitin Guard;";
/* 413 Silkmantle */
/* leaf cloak */
static const char movesSilkmantleLeaf[] =
    "Skitter;Nibble;Leaf Flick;Lv. 5 - Silk Spin;Lv. 10 - Seed Spit;Lv. 15 - Sting Jab;Lv. 20 - Reed Lash;"
    "Lv. 20 - Swarm Buzz;Lv. 26 - Cocoon Wrap;Lv. 32 - Vine Snare;Lv. 38 - Cloak Weave;Lv. 44 - Petal Storm;";
/* sand cloak */
static const char movesSilkmantleSand[] =
    "Skitter;Nibble;Mud Fling;Lv. 5 - Silk Spin;Lv. 10 - Sand Kick;Lv. 15 - Sting Jab;Lv. 20 - Dust Toss;"
    "Lv. 20 - Swarm Buzz;Lv. 26 - Cocoon Wrap;Lv. 32 - Quake Pulse;Lv. 38 - Cloak Weave;Lv. 44 - Dune Hush;";
/* metal cloak */
static const char movesSilkmantleMetal[] =
    "Skitter;Nibble;Clank;Lv. 5 - Silk Spin;Lv. 10 - Tin Tap;Lv. 15 - Sting Jab;Lv. 20 - Gear Grind;"
    "Lv. 20 - Swarm Buzz;Lv. 26 - Cocoon Wrap;Lv. 32 - Iron Quill;Lv. 38 - Cloak Weave;Lv. 44 - Chrome Ram;";
static const char machinesSilkmantle[] = "11;19;21;39;42;44;53;62;75;80;89;90;-;";
/* 414 Silkwyng */
static const char movesSilkwyng[] =
    "Skitter;Nibble;Wing Slap;Lv. 6 - Silk Spin;Lv. 11 - Gust Nudge;Lv. 16 - Sting Jab;"
    "Lv. 21 - Chitin Guard;Lv. 26 - Swarm Buzz;Lv. 31 - Air Slice;Lv. 35 - Cocoon Wrap;"
    "Lv. 40 - Mandible Crunch;Lv. 45 - Swoop Strike;Lv. 50 - Carapace Ram;Lv. 55 - Pattern Dazzle;"
    "Lv. 60 - Swarm Tempest;";
static const char machinesSilkwyng[] = "10;15;17;19;20;21;40;42;43;44;47;51;58;62;68;75;81;89;90;-;2;5;";
/* 415 Formikit */
static const char movesFormikit[] =
    "Skitter;Nibble;Lv. 4 - Antenna Tap;Lv. 11 - Dust Toss;Lv. 17 - Sting Jab;Lv. 17 - Swarm Buzz;"
    "Lv. 30 - Quake Pulse;Lv. 37 - Chitin Guard;";
static const char machinesFormikit[] = "21;28;39;44;75;80;-;";
/* 416 Formiregia */
static const char movesFormiregia[] =
    "Skitter;Nibble;Mud Fling;Lv. 6 - Antenna Tap;Lv. 11 - Sand Kick;Lv. 15 - Sting Jab;Lv. 20 - Swarm Buzz;"
    "Lv. 25 - Quake Pulse;Lv. 29 - Chitin Guard;Lv. 34 - Hive Call;Lv. 39 - Tunnel Strike;"
    "Lv. 43 - Mandible Crunch;Lv. 48 - Hive Frenzy;Lv. 53 - Rift Split;Lv. 57 - Royal Command;"
    "Lv. 62 - Swarm Tempest;";
static const char machinesFormiregia[] = "15;17;19;20;21;28;37;39;43;44;58;62;68;75;80;81;89;-;1;";
/* 417 Tikkerel */
static const char movesTikkerel[] =
    "Paw Swipe;Clank;Static Tap;Lv. 6 - Tin Tap;Lv. 11 - Buzz Up;Lv. 15 - Rivet Shot;Lv. 20 - Headlong Dash;"
    "Lv. 25 - Iron Quill;Lv. 30 - Zap Net;Lv. 34 - Alloy Guard;Lv. 39 - Steel Spin;Lv. 44 - Bolt Lance;"
    "Lv. 49 - Forge Hammer;Lv. 53 - Key Rewind;Lv. 58 - Titan Alloy Crash;";
static const char machinesTikkerel[] = "16;21;25;34;44;49;54;57;64;69;74;75;82;87;90;91;-;";
/* 418 Kelpini */
static const char movesKelpini[] =
    "Fin Slap;Drizzle Spit;Lv. 4 - Bubble Veil;Lv. 9 - Splash Jab;Lv. 14 - Tail Swish;Lv. 20 - Tide Tug;"
    "Lv. 22 - Drake Nip;Lv. 25 - Ripple Shot;Lv. 30 - Current Coil;Lv. 35 - Brine Spray;";
static const char machinesKelpini[] = "13;17;18;20;23;43;49;55;58;-;3;";
/* 419 Kelpidrak */
static const char movesKelpidrak[] =
    "Fin Slap;Drizzle Spit;Scale Rub;Lv. 6 - Bubble Veil;Lv. 10 - Drake Nip;Lv. 14 - Tide Tug;"
    "Lv. 18 - Ripple Shot;Lv. 23 - Tail Swish;Lv. 27 - Drake Tail Whip;Lv. 31 - Current Coil;"
    "Lv. 31 - Brine Spray;Lv. 39 - Wyrm Coil;Lv. 43 - Wave Crash;Lv. 48 - Riptide Surge;"
    "Lv. 52 - Drake Fury Dive;Lv. 56 - Sea Dragon Gale;Lv. 60 - Tsunami Wall;";
static const char machinesKelpidrak[] = "2;13;15;17;18;20;21;23;43;44;49;55;58;59;82;90;-;3;7;8;";
/* 420 Calabrin */
static const char movesCalabrin[] =
    "Squish;Spook Tap;Lv. 4 - Eerie Wail;Lv. 11 - Bounce Pop;Lv. 17 - Reed Lash;Lv. 24 - Haunt Grip;"
    "Lv. 30 - Soul Sip;Lv. 37 - Vine Snare;";
static const char machinesCalabrin[] = "9;17;22;30;53;58;86;";
/* 421 Calabroul */
static const char movesCalabroul[] =
    "Squish;Spook Tap;Leaf Flick;Lv. 6 - Eerie Wail;Lv. 11 - Reed Lash;Lv. 15 - Phantom Lick;"
    "Lv. 20 - Bounce Pop;Lv. 25 - Haunt Grip;Lv. 29 - Pollen Haze;Lv. 34 - Gloom Veil;Lv. 39 - Wraith Claw;"
    "Lv. 43 - Root Drain;Lv. 48 - Spectral Howl;Lv. 53 - Grave Whisper;Lv. 57 - Vine Grasp;"
    "Lv. 62 - Verdant Crush;";
static const char machinesCalabroul[] = "9;15;17;21;22;30;44;53;58;61;68;82;83;85;86;87;90;-;";
/* 422 Yetilo */
static const char movesYetilo[] =
    "Bump;Frost Nip;Lv. 4 - Chill Breath;Lv. 8 - Hail Pelt;Lv. 13 - Brace;Lv. 17 - Rime Fang;"
    "Lv. 21 - Ice Glaze;Lv. 25 - Frost Spike;Lv. 30 - Glacier Slam;Lv. 34 - Sudden Freeze;";
static const char machinesYetilo[] = "1;7;13;14;17;45;58;72;75;";
/* 423 Yetimaruk */
static const char movesYetimaruk[] =
    "Bump;Frost Nip;Jab Step;Lv. 6 - Chill Breath;Lv. 11 - Ankle Sweep;Lv. 16 - Rime Fang;Lv. 20 - Brace;"
    "Lv. 25 - Ice Glaze;Lv. 30 - Counter Stance;Lv. 30 - Frost Spike;Lv. 40 - Glacier Slam;"
    "Lv. 45 - Iron Fist Rush;Lv. 49 - Blizzard Crown;Lv. 54 - Yeti Avalanche;Lv. 59 - Permafrost Roar;";
static const char machinesYetimaruk[] = "1;7;8;13;14;17;21;31;44;45;46;54;56;58;60;72;75;82;90;-;1;4;";
/* 424 Lampyrix */
static const char movesLampyrix[] =
    "Skitter;Nibble;Static Tap;Lv. 6 - Antenna Tap;Lv. 10 - Buzz Up;Lv. 15 - Sting Jab;"
    "Lv. 20 - Chitin Guard;Lv. 24 - Swarm Buzz;Lv. 28 - Arc Jolt;Lv. 33 - Hive Call;"
    "Lv. 38 - Mandible Crunch;Lv. 42 - Surge Coil;Lv. 46 - Hive Frenzy;Lv. 51 - Carapace Ram;"
    "Lv. 56 - Firefly Flash;Lv. 60 - Megavolt Rain;";
static const char machinesLampyrix[] = "15;17;19;24;27;34;45;47;57;58;68;70;73;75;81;";
/* 425 Renlumi */
static const char movesRenlumi[] =
    "Paw Swipe;Mind Nudge;Lv. 4 - Foresense;Lv. 9 - Psi Ping;Lv. 13 - Headlong Dash;Lv. 18 - Thought Jab;"
    "Lv. 23 - Dream Ripple;Lv. 28 - Astral Gaze;Lv. 32 - Mind Crush;Lv. 37 - Psi Tempest;";
static const char machinesRenlumi[] = "3;33;49;54;77;82;87;92;-;";
/* 426 Renmystel */
static const char movesRenmystel[] =
    "Paw Swipe;Mind Nudge;Foresense;Lv. 6 - Psi Ping;Lv. 12 - Thought Jab;Lv. 18 - Headlong Dash;"
    "Lv. 25 - Dream Ripple;Lv. 31 - Astral Gaze;Lv. 37 - Mind Crush;Lv. 43 - Psi Tempest;"
    "Lv. 50 - Cosmic Reverie;Lv. 56 - Manytail Mirage;Lv. 62 - Oracle Beam;";
static const char machinesRenmystel[] = "1;3;4;16;17;27;29;32;33;45;49;54;63;68;75;77;78;82;85;87;92;";
/* 427 Tortelo */
static const char movesTortelo[] =
    "Paw Swipe;Mud Fling;Lv. 4 - Sand Kick;Lv. 9 - Dust Toss;Lv. 14 - Shell Bash;Lv. 14 - Clay Slap;"
    "Lv. 24 - Quake Pulse;Lv. 29 - Earth Heave;Lv. 34 - Tunnel Strike;";
static const char machinesTortelo[] = "37;39;54;80;82;87;-;";
/* 428 Tortaverd */
static const char movesTortaverd[] =
    "Paw Swipe;Mud Fling;Leaf Flick;Lv. 6 - Sand Kick;Lv. 10 - Reed Lash;Lv. 14 - Dust Toss;"
    "Lv. 18 - Clay Slap;Lv. 22 - Shell Bash;Lv. 26 - Sprout Heal;Lv. 30 - Quake Pulse;Lv. 35 - Earth Heave;"
    "Lv. 39 - Bramble Whip;Lv. 43 - Tunnel Strike;Lv. 47 - Dune Hush;Lv. 51 - Verdant Crush;"
    "Lv. 55 - Shrub Shield;Lv. 59 - Landslide Crash;";
static const char machinesTortaverd[] = "1;9;11;19;22;27;32;37;39;45;54;68;75;78;80;82;83;87;-;1;4;";
/* 429 Klingdol */
static const char movesKlingdol[] =
    "Hover Hum;Clank;Tin Tap;Lv. 6 - Gear Grind;Lv. 12 - Rivet Shot;Lv. 18 - Glow Pulse;Lv. 24 - Iron Quill;"
    "Lv. 30 - Alloy Guard;Lv. 36 - Steel Spin;Lv. 42 - Chrome Ram;Lv. 48 - Forge Hammer;"
    "Lv. 54 - Bronze Toll;Lv. 60 - Titan Alloy Crash;";
static const char machinesKlingdol[] = "10;15;17;20;27;32;43;45;58;64;68;69;74;82;87;91;-;";
/* 430 Haybogle */
static const char movesHaybogle[] =
    "Bump;Leaf Flick;Seed Spit;Lv. 6 - Reed Lash;Lv. 11 - Thorn Prick;Lv. 16 - Sprout Heal;Lv. 21 - Brace;"
    "Lv. 26 - Pollen Haze;Lv. 31 - Vine Snare;Lv. 36 - Bramble Whip;Lv. 41 - Root Drain;"
    "Lv. 46 - Petal Storm;Lv. 51 - Verdant Crush;Lv. 56 - Straw Flurry;Lv. 61 - Grove Wrath;";
static const char machinesHaybogle[] = "1;9;11;19;21;22;27;31;32;42;46;53;54;75;78;83;86;-;1;";
/* 431 Urchet */
static const char movesUrchet[] =
    "Paw Swipe;Static Tap;Lv. 4 - Spark Nip;Lv. 9 - Buzz Up;Lv. 14 - Headlong Dash;Lv. 16 - Iron Quill;"
    "Lv. 19 - Volt Prick;Lv. 19 - Arc Jolt;Lv. 28 - Zap Net;Lv. 33 - Ion Rush;Lv. 38 - Surge Coil;";
static const char machinesUrchet[] = "10;23;24;25;73;87;-;";
/* 432 Urchaton */
static const char movesUrchaton[] =
    "Paw Swipe;Static Tap;Spark Nip;Lv. 6 - Buzz Up;Lv. 11 - Volt Prick;Lv. 16 - Arc Jolt;"
    "Lv. 22 - Headlong Dash;Lv. 27 - Zap Net;Lv. 32 - Ion Rush;Lv. 37 - Surge Coil;Lv. 42 - Bolt Lance;"
    "Lv. 48 - Storm Crash;Lv. 53 - Steel Quill Burst;Lv. 58 - Megavolt Rain;";
static const char machinesUrchaton[] = "1;10;16;21;23;24;25;32;34;42;49;57;70;73;75;78;87;-;1;";
/* 433 Nimbubb */
static const char movesNimbubb[] =
    "Squish;Nudge;Lv. 4 - Quiet Drift;Lv. 8 - Puff Up;Lv. 13 - Bounce Pop;Lv. 19 - Drizzle Spit;"
    "Lv. 25 - Wide Gaze;Lv. 31 - Puff Cushion;";
/* 434 Skitrel */
static const char movesSkitrel[] =
    "Skitter;Nibble;Lv. 4 - Silk Spin;Lv. 9 - Wriggle;Lv. 15 - Sting Jab;Lv. 20 - Swarm Buzz;"
    "Lv. 25 - Chitin Guard;Lv. 31 - Cocoon Wrap;Lv. 36 - Mandible Crunch;";
static const char machinesSkitrel[] = "19;21;42;44;62;75;81;89;90;";
/* 435 Skitnoctis */
static const char movesSkitnoctis[] =
    "Skitter;Nibble;Snicker;Lv. 6 - Silk Spin;Lv. 11 - Shadow Pounce;Lv. 16 - Sting Jab;"
    "Lv. 21 - Chitin Guard;Lv. 26 - Swarm Buzz;Lv. 31 - Night Prowl;Lv. 31 - Cocoon Wrap;"
    "Lv. 41 - Mandible Crunch;Lv. 46 - Ambush Rush;Lv. 51 - Carapace Ram;Lv. 56 - Shadow Web;"
    "Lv. 61 - Swarm Tempest;";
static const char machinesSkitnoctis[] = "10;12;15;19;20;21;30;42;43;44;58;62;63;66;68;75;79;81;89;90;-;";
/* 436 Rimelin */
static const char movesRimelin[] =
    "Hoof Tap;Frost Nip;Lv. 4 - Chill Breath;Lv. 10 - Hail Pelt;Lv. 15 - Headlong Dash;Lv. 21 - Rime Fang;"
    "Lv. 27 - Ice Glaze;Lv. 32 - Frost Spike;Lv. 38 - Glacier Slam;";
static const char machinesRimelin[] = "7;13;14;21;42;49;72;";
/* 437 Rimehart */
static const char movesRimehart[] =
    "Hoof Tap;Frost Nip;Chill Breath;Lv. 6 - Hail Pelt;Lv. 12 - Rime Fang;Lv. 18 - Headlong Dash;"
    "Lv. 23 - Ice Glaze;Lv. 29 - Frost Spike;Lv. 35 - Glacier Slam;Lv. 41 - Sudden Freeze;"
    "Lv. 46 - Blizzard Crown;Lv. 52 - Antler Glacier;Lv. 58 - Permafrost Roar;";
static const char machinesRimehart[] = "5;7;10;13;14;15;17;20;21;23;42;43;49;58;68;72;-;1;6;";
/* 438 Gibbit */
static const char movesGibbit[] =
    "Bump;Jab Step;Lv. 4 - Shove;Lv. 10 - Brace;Lv. 16 - Ankle Sweep;Lv. 23 - Palm Thrust;"
    "Lv. 29 - Knee Launch;Lv. 35 - Counter Stance;";
static const char machinesGibbit[] = "1;8;21;31;44;52;60;75;90;";
/* 439 Gibbrawl */
static const char movesGibbrawl[] =
    "Bump;Jab Step;Shove;Lv. 5 - Ankle Sweep;Lv. 10 - Palm Thrust;Lv. 15 - Knee Launch;Lv. 19 - Brace;"
    "Lv. 24 - Counter Stance;Lv. 24 - Haymaker Swing;Lv. 34 - Grapple Throw;Lv. 38 - Iron Fist Rush;"
    "Lv. 43 - Crushing Uppercut;Lv. 48 - Titan Suplex;";
static const char machinesGibbrawl[] = "1;8;20;21;31;43;44;52;58;60;75;90;-;4;";
/* 440 Gibbrutus */
static const char movesGibbrutus[] =
    "Bump;Jab Step;Shove;Lv. 6 - Ankle Sweep;Lv. 12 - Palm Thrust;Lv. 17 - Knee Launch;Lv. 22 - Brace;"
    "Lv. 28 - Counter Stance;Lv. 34 - Haymaker Swing;Lv. 39 - Grapple Throw;Lv. 44 - Iron Fist Rush;"
    "Lv. 50 - Crushing Uppercut;Lv. 56 - Wristband Pound;Lv. 61 - Titan Suplex;";
static const char machinesGibbrutus[] = "1;8;20;21;31;43;44;46;52;54;58;60;75;82;90;-;1;4;";
/* 441 Samovik */
static const char movesSamovik[] =
    "Hover Hum;Cinder Nip;Smoke Puff;Lv. 6 - Ember Flick;Lv. 11 - Heat Shimmer;Lv. 16 - Flame Lick;"
    "Lv. 21 - Glow Pulse;Lv. 26 - Kiln Breath;Lv. 31 - Blaze Tail;Lv. 37 - Scorch Roll;Lv. 42 - Pyre Crest;"
    "Lv. 47 - Furnace Roar;Lv. 52 - Inferno Crown;Lv. 57 - Boiling Steam;Lv. 62 - Magma Torrent;";
static const char machinesSamovik[] = "11;15;17;20;27;32;35;38;43;45;50;58;61;68;70;78;-;";
/* 442 Gardolith */
static const char movesGardolith[] =
    "Paw Swipe;Pebble Toss;Grit Spray;Lv. 6 - Stone Bump;Lv. 12 - Crag Slam;Lv. 19 - Headlong Dash;"
    "Lv. 26 - Shale Shards;Lv. 32 - Boulder Drop;Lv. 38 - Quarry Quake;Lv. 45 - Monolith Crush;"
    "Lv. 52 - Guardian Vigil;Lv. 58 - Cliff Collapse;";
static const char machinesGardolith[] = "8;21;23;26;37;39;44;49;54;64;69;71;76;80;82;87;90;-;1;4;6;";
/* 443 Zephlet */
static const char movesZephlet[] =
    "Slither Lash;Scale Rub;Lv. 4 - Drake Nip;Lv. 8 - Wyrm Breath;Lv. 13 - Coil Squeeze;"
    "Lv. 17 - Scale Rattle;Lv. 17 - Drake Tail Whip;Lv. 26 - Ancient Snarl;Lv. 31 - Wyrm Coil;"
    "Lv. 35 - Scalestorm;";
static const char machinesZephlet[] = "2;17;23;49;58;59;-;";
/* 444 Zephyrra */
static const char movesZephyrra[] =
    "Slither Lash;Scale Rub;Drake Nip;Lv. 5 - Wyrm Breath;Lv. 10 - Scale Rattle;Lv. 16 - Coil Squeeze;"
    "Lv. 21 - Drake Tail Whip;Lv. 26 - Ancient Snarl;Lv. 32 - Wyrm Coil;Lv. 37 - Scalestorm;"
    "Lv. 43 - Drake Fury Dive;Lv. 48 - Elder Wyrm Roar;";
static const char machinesZephyrra[] = "2;17;21;23;44;49;58;59;82;87;90;-;2;";
/* 445 Zephyraxis */
static const char movesZephyraxis[] =
    "Slither Lash;Scale Rub;Wing Slap;Lv. 6 - Drake Nip;Lv. 11 - Gust Nudge;Lv. 15 - Wyrm Breath;"
    "Lv. 20 - Coil Squeeze;Lv. 24 - Scale Rattle;Lv. 29 - Air Slice;Lv. 34 - Ancient Snarl;"
    "Lv. 38 - Wyrm Coil;Lv. 43 - Swoop Strike;Lv. 47 - Scalestorm;Lv. 52 - Drake Fury Dive;"
    "Lv. 56 - Skyborne Coil;Lv. 61 - Tempest Wing;";
static const char machinesZephyraxis[] = "2;17;21;23;27;32;40;44;45;47;49;51;58;59;68;82;87;90;-;2;5;";
/* 446 Scutarro */
static const char movesScutarro[] =
    "Paw Swipe;Mud Fling;Clank;Lv. 6 - Sand Kick;Lv. 10 - Tin Tap;Lv. 15 - Dust Toss;Lv. 19 - Clay Slap;"
    "Lv. 23 - Headlong Dash;Lv. 28 - Iron Quill;Lv. 32 - Quake Pulse;Lv. 36 - Earth Heave;"
    "Lv. 40 - Steel Spin;Lv. 45 - Tunnel Strike;Lv. 49 - Dune Hush;Lv. 53 - Forge Hammer;"
    "Lv. 58 - Armour Roll;Lv. 62 - Landslide Crash;";
static const char machinesScutarro[] = "5;21;23;26;37;39;44;49;54;64;69;74;80;82;87;90;91;-;4;6;";
/* 447 Ardipip */
static const char movesArdipip[] =
    "Preen;Drizzle Spit;Lv. 4 - Bubble Veil;Lv. 10 - Hop Peck;Lv. 16 - Splash Jab;Lv. 16 - Tide Tug;"
    "Lv. 28 - Ripple Shot;Lv. 34 - Brine Spray;";
static const char machinesArdipip[] = "13;17;18;55;58;88;-;";
/* 448 Ardeagris */
static const char movesArdeagris[] =
    "Preen;Drizzle Spit;Feather Flick;Lv. 6 - Bubble Veil;Lv. 10 - Gust Nudge;Lv. 15 - Tide Tug;"
    "Lv. 19 - Hop Peck;Lv. 24 - Ripple Shot;Lv. 28 - Dive Peck;Lv. 32 - Brine Spray;Lv. 37 - Undertow Pull;"
    "Lv. 41 - Sky Carve;Lv. 46 - Riptide Surge;Lv. 50 - Tsunami Wall;Lv. 55 - Heron Spear;"
    "Lv. 59 - Tempest Wing;";
static const char machinesArdeagris[] = "10;13;15;17;18;20;40;51;54;55;58;82;87;88;89;-;2;3;5;";
/* 449 Scarbit */
static const char movesScarbit[] =
    "Nibble;Skitter;Lv. 4 - Wriggle;Lv. 9 - Chitin Guard;Lv. 14 - Shove;Lv. 20 - Swarm Buzz;"
    "Lv. 26 - Mandible Crunch;Lv. 32 - Carapace Ram;";
/* 450 Scarabrax */
static const char movesScarabrax[] =
    "Skitter;Nibble;Shove;Lv. 6 - Antenna Tap;Lv. 12 - Ankle Sweep;Lv. 17 - Swarm Buzz;"
    "Lv. 22 - Chitin Guard;Lv. 28 - Counter Stance;Lv. 34 - Hive Call;Lv. 39 - Mandible Crunch;"
    "Lv. 44 - Battering Charge;Lv. 50 - Carapace Ram;Lv. 56 - Horn Heave;Lv. 61 - Swarm Tempest;";
static const char machinesScarabrax[] = "8;10;15;19;20;31;43;52;58;60;62;68;75;81;82;87;89;-;1;4;";
/* 451 Sissnik */
static const char movesSissnik[] =
    "Slither Lash;Acid Drip;Lv. 4 - Toxin Prick;Lv. 10 - Venom Spit;Lv. 15 - Coil Squeeze;"
    "Lv. 15 - Foul Mist;Lv. 27 - Noxious Bite;Lv. 32 - Sludge Hurl;Lv. 38 - Blight Coil;";
static const char machinesSissnik[] = "6;27;36;45;49;84;-;";
/* 452 Sissmora */
static const char movesSissmora[] =
    "Slither Lash;Acid Drip;Snicker;Lv. 6 - Toxin Prick;Lv. 10 - Sly Nip;Lv. 14 - Venom Spit;"
    "Lv. 18 - Foul Mist;Lv. 22 - Coil Squeeze;Lv. 26 - Night Prowl;Lv. 30 - Noxious Bite;"
    "Lv. 34 - Sludge Hurl;Lv. 38 - Murk Slash;Lv. 42 - Blight Coil;Lv. 46 - Plague Cloud;"
    "Lv. 50 - Abyss Howl;Lv. 54 - Hood Flare;Lv. 58 - Virulent Lunge;";
static const char machinesSissmora[] = "6;10;12;15;20;23;27;30;36;41;45;49;63;66;68;79;82;84;87;";
/* 453 Talpik */
static const char movesTalpik[] =
    "Paw Swipe;Mud Fling;Lv. 4 - Sand Kick;Lv. 10 - Headlong Dash;Lv. 16 - Dust Toss;Lv. 23 - Clay Slap;"
    "Lv. 29 - Quake Pulse;Lv. 35 - Earth Heave;";
static const char machinesTalpik[] = "1;26;27;32;37;39;75;80;-;";
/* 454 Talpagrond */
static const char movesTalpagrond[] =
    "Paw Swipe;Mud Fling;Sand Kick;Lv. 6 - Dust Toss;Lv. 12 - Clay Slap;Lv. 18 - Headlong Dash;"
    "Lv. 24 - Quake Pulse;Lv. 30 - Earth Heave;Lv. 36 - Tunnel Strike;Lv. 42 - Dune Hush;"
    "Lv. 48 - Rift Split;Lv. 54 - Claw Excavate;Lv. 60 - Landslide Crash;";
static const char machinesTalpagrond[] = "1;5;10;15;20;23;26;27;28;32;37;39;43;58;75;80;87;-;1;4;6;";
/* 455 Gloamwick */
static const char movesGloamwick[] =
    "Hover Hum;Spook Tap;Cinder Nip;Lv. 6 - Eerie Wail;Lv. 10 - Ember Flick;Lv. 14 - Phantom Lick;"
    "Lv. 19 - Haunt Grip;Lv. 23 - Glow Pulse;Lv. 27 - Flame Lick;Lv. 31 - Soul Sip;Lv. 31 - Gloom Veil;"
    "Lv. 40 - Scorch Roll;Lv. 44 - Wraith Claw;Lv. 48 - Spectral Howl;Lv. 53 - Inferno Crown;"
    "Lv. 57 - Lantern Lure;Lv. 61 - Phantom Tide;";
static const char machinesGloamwick[] = "11;15;21;30;32;35;38;42;61;65;68;70;78;85;-;";
/* 456 Anguiz */
static const char movesAnguiz[] =
    "Slither Lash;Static Tap;Lv. 4 - Spark Nip;Lv. 11 - Coil Squeeze;Lv. 18 - Buzz Up;Lv. 24 - Volt Prick;"
    "Lv. 31 - Arc Jolt;Lv. 38 - Zap Net;";
static const char machinesAnguiz[] = "10;20;23;24;25;70;73;";
/* 457 Anguvolt */
static const char movesAnguvolt[] =
    "Slither Lash;Static Tap;Drizzle Spit;Lv. 6 - Spark Nip;Lv. 10 - Splash Jab;Lv. 15 - Volt Prick;"
    "Lv. 19 - Coil Squeeze;Lv. 23 - Arc Jolt;Lv. 28 - Current Coil;Lv. 32 - Zap Net;Lv. 36 - Ion Rush;"
    "Lv. 41 - Wave Crash;Lv. 45 - Bolt Lance;Lv. 49 - Storm Crash;Lv. 54 - Eel Overload;"
    "Lv. 58 - Tsunami Wall;";
static const char machinesAnguvolt[] = "10;13;15;16;18;20;21;23;24;25;34;42;44;49;57;70;73;82;90;-;3;7;8;";
/* 458 Lophira */
static const char movesLophira[] =
    "Fin Slap;Drizzle Spit;Snicker;Lv. 6 - Bubble Veil;Lv. 10 - Sly Nip;Lv. 14 - Tide Tug;"
    "Lv. 18 - Ripple Shot;Lv. 22 - Tail Swish;Lv. 26 - Night Prowl;Lv. 30 - Current Coil;"
    "Lv. 35 - Brine Spray;Lv. 39 - Murk Slash;Lv. 43 - Wave Crash;Lv. 47 - Riptide Surge;"
    "Lv. 51 - Abyss Howl;Lv. 55 - Lure Light;Lv. 59 - Tsunami Wall;";
static const char machinesLophira[] = "10;12;13;15;17;18;20;30;43;49;55;58;63;65;66;68;79;-;3;7;8;";
/* 459 Anthelle */
static const char movesAnthelle[] =
    "Root Anchor;Leaf Flick;Lv. 4 - Seed Spit;Lv. 10 - Sun Bask;Lv. 17 - Reed Lash;Lv. 17 - Thorn Prick;"
    "Lv. 30 - Sprout Heal;Lv. 36 - Vine Snare;";
static const char machinesAnthelle[] = "11;19;21;42;53;86;-;";
/* 460 Anthoria */
static const char movesAnthoria[] =
    "Root Anchor;Leaf Flick;Seed Spit;Lv. 6 - Reed Lash;Lv. 11 - Thorn Prick;Lv. 16 - Sprout Heal;"
    "Lv. 21 - Sun Bask;Lv. 26 - Pollen Haze;Lv. 31 - Vine Snare;Lv. 36 - Bramble Whip;Lv. 41 - Root Drain;"
    "Lv. 46 - Petal Storm;Lv. 51 - Verdant Crush;Lv. 56 - Blossom Waltz;Lv. 61 - Grove Wrath;";
static const char machinesAnthoria[] = "9;10;11;15;19;20;21;22;42;43;53;58;68;83;86;";
/* 461 Krukal */
static const char movesKrukal[] =
    "Preen;Snicker;Feather Flick;Lv. 6 - Sly Nip;Lv. 10 - Wing Slap;Lv. 15 - Shadow Pounce;"
    "Lv. 19 - Grim Stare;Lv. 23 - Hop Peck;Lv. 28 - Dive Peck;Lv. 32 - Night Prowl;Lv. 36 - Dusk Fang;"
    "Lv. 40 - Sky Carve;Lv. 45 - Murk Slash;Lv. 49 - Ambush Rush;Lv. 53 - Cyclone Dive;Lv. 58 - Raven Omen;"
    "Lv. 62 - Eclipse Maw;";
static const char machinesKrukal[] = "1;12;21;30;40;41;44;47;51;63;66;75;79;82;87;90;-;2;5;";
/* 462 Cogvalier */
static const char movesCogvalier[] =
    "Bump;Clank;Tin Tap;Lv. 6 - Gear Grind;Lv. 12 - Rivet Shot;Lv. 18 - Brace;Lv. 23 - Iron Quill;"
    "Lv. 29 - Alloy Guard;Lv. 35 - Steel Spin;Lv. 41 - Chrome Ram;Lv. 46 - Forge Hammer;"
    "Lv. 52 - Knight Lance;Lv. 58 - Titan Alloy Crash;";
static const char machinesCogvalier[] = "15;17;20;27;31;32;43;45;46;56;58;64;68;69;74;78;91;-;1;4;";
/* 463 Bradypo */
static const char movesBradypo[] =
    "Paw Swipe;Nudge;Quiet Drift;Lv. 6 - Bump;Lv. 12 - Slow Yawn;Lv. 18 - Tail Flick;Lv. 24 - Long Stretch;"
    "Lv. 30 - Paw Pummel;Lv. 30 - Bellow;Lv. 41 - Heavy Tumble;Lv. 47 - Hanging Swing;Lv. 53 - Lazy Hug;"
    "Lv. 59 - Mighty Slam;";
static const char machinesBradypo[] = "5;15;21;23;44;49;54;67;68;75;77;82;83;90;-;";
/* 464 Scoriak */
static const char movesScoriak[] =
    "Bump;Pebble Toss;Cinder Nip;Lv. 6 - Grit Spray;Lv. 10 - Ember Flick;Lv. 14 - Stone Bump;"
    "Lv. 18 - Crag Slam;Lv. 23 - Brace;Lv. 27 - Flame Lick;Lv. 31 - Shale Shards;Lv. 35 - Boulder Drop;"
    "Lv. 39 - Scorch Roll;Lv. 43 - Quarry Quake;Lv. 48 - Monolith Crush;Lv. 52 - Inferno Crown;"
    "Lv. 56 - Lava Fist;Lv. 60 - Cliff Collapse;";
static const char machinesScoriak[] = "11;17;20;31;35;37;43;46;50;58;68;70;71;76;80;-;4;";
/* 465 Nymphella */
static const char movesNymphella[] =
    "Root Anchor;Leaf Flick;Drizzle Spit;Lv. 6 - Seed Spit;Lv. 11 - Splash Jab;Lv. 16 - Thorn Prick;"
    "Lv. 21 - Sun Bask;Lv. 26 - Sprout Heal;Lv. 31 - Current Coil;Lv. 36 - Vine Snare;Lv. 41 - Bramble Whip;"
    "Lv. 46 - Wave Crash;Lv. 51 - Petal Storm;Lv. 56 - Lily Pad Float;Lv. 61 - Verdant Crush;";
static const char machinesNymphella[] = "9;11;13;15;18;21;22;44;53;55;68;82;83;86;87;90;-;3;";
/* 466 Fulgurak */
static const char movesFulgurak[] =
    "Preen;Static Tap;Feather Flick;Lv. 6 - Spark Nip;Lv. 11 - Gust Nudge;Lv. 15 - Volt Prick;"
    "Lv. 20 - Hop Peck;Lv. 25 - Arc Jolt;Lv. 29 - Dive Peck;Lv. 34 - Zap Net;Lv. 39 - Ion Rush;"
    "Lv. 43 - Sky Carve;Lv. 48 - Bolt Lance;Lv. 53 - Storm Crash;Lv. 57 - Stormwing Call;"
    "Lv. 62 - Tempest Wing;";
static const char machinesFulgurak[] = "1;16;17;24;25;27;32;34;40;45;51;57;58;68;70;73;88;-;2;5;";
/* 467 Pugilroo */
static const char movesPugilroo[] =
    "Bump;Cinder Nip;Smoke Puff;Lv. 6 - Ember Flick;Lv. 11 - Heat Shimmer;Lv. 15 - Flame Lick;"
    "Lv. 20 - Brace;Lv. 25 - Kiln Breath;Lv. 30 - Blaze Tail;Lv. 30 - Scorch Roll;Lv. 39 - Pyre Crest;"
    "Lv. 44 - Furnace Roar;Lv. 49 - Inferno Crown;Lv. 53 - Flame Jab;Lv. 58 - Magma Torrent;";
static const char machinesPugilroo[] = "11;21;31;35;38;44;46;50;54;56;61;70;82;90;-;";
/* 468 Lullamb */
static const char movesLullamb[] =
    "Hoof Tap;Nudge;Lv. 4 - Quiet Drift;Lv. 10 - Bump;Lv. 16 - Scamper;Lv. 23 - Tail Flick;"
    "Lv. 29 - Lullaby Fleece;Lv. 35 - Headlong Dash;";
static const char machinesLullamb[] = "17;49;54;58;67;77;83;";
/* 469 Mantiverd */
static const char movesMantiverd[] =
    "Skitter;Nibble;Leaf Flick;Lv. 6 - Antenna Tap;Lv. 10 - Reed Lash;Lv. 15 - Sting Jab;"
    "Lv. 20 - Chitin Guard;Lv. 24 - Swarm Buzz;Lv. 28 - Pollen Haze;Lv. 33 - Hive Call;"
    "Lv. 38 - Mandible Crunch;Lv. 42 - Root Drain;Lv. 46 - Hive Frenzy;Lv. 51 - Carapace Ram;"
    "Lv. 56 - Mantis Scythe;Lv. 60 - Verdant Crush;";
static const char machinesMantiverd[] = "9;15;19;21;22;44;53;68;75;81;82;83;86;87;89;90;-;1;";
/* 470 Melesko */
static const char movesMelesko[] =
    "Paw Swipe;Nudge;Lv. 4 - Quiet Drift;Lv. 10 - Bump;Lv. 15 - Scamper;Lv. 20 - Tail Flick;"
    "Lv. 26 - Headlong Dash;Lv. 32 - Paw Pummel;Lv. 37 - Bellow;";
static const char machinesMelesko[] = "1;17;45;54;58;67;75;77;83;";
/* 471 Melesgrund */
static const char movesMelesgrund[] =
    "Paw Swipe;Nudge;Quiet Drift;Lv. 6 - Bump;Lv. 12 - Scamper;Lv. 18 - Tail Flick;Lv. 25 - Headlong Dash;"
    "Lv. 31 - Paw Pummel;Lv. 31 - Bellow;Lv. 43 - Heavy Tumble;Lv. 50 - Reckless Ram;Lv. 56 - Badger Burrow;"
    "Lv. 62 - Mighty Slam;";
static const char machinesMelesgrund[] = "1;5;10;17;20;23;45;49;54;58;67;75;77;82;83;87;-;1;4;";
/* 472 Gargrim */
static const char movesGargrim[] =
    "Bump;Pebble Toss;Wing Slap;Lv. 6 - Grit Spray;Lv. 10 - Gust Nudge;Lv. 15 - Stone Bump;Lv. 19 - Brace;"
    "Lv. 23 - Crag Slam;Lv. 28 - Air Slice;Lv. 32 - Shale Shards;Lv. 36 - Boulder Drop;"
    "Lv. 41 - Swoop Strike;Lv. 45 - Quarry Quake;Lv. 49 - Monolith Crush;Lv. 54 - Gargoyle Perch;"
    "Lv. 58 - Tempest Wing;";
static const char machinesGargrim[] = "1;8;17;26;27;32;37;39;40;45;47;64;68;69;80;-;2;5;";
/* 473 Narwhelm */
static const char movesNarwhelm[] =
    "Fin Slap;Frost Nip;Chill Breath;Lv. 6 - Hail Pelt;Lv. 12 - Rime Fang;Lv. 18 - Tail Swish;"
    "Lv. 24 - Ice Glaze;Lv. 30 - Frost Spike;Lv. 35 - Glacier Slam;Lv. 41 - Sudden Freeze;"
    "Lv. 47 - Blizzard Crown;Lv. 53 - Tusk Lance;Lv. 59 - Permafrost Roar;";
static const char machinesNarwhelm[] = "7;10;13;14;15;17;20;23;43;45;49;58;68;72;82;87;-;3;7;8;";
/* 474 Orikran */
static const char movesOrikran[] =
    "Preen;Nudge;Quiet Drift;Lv. 6 - Ruffle Up;Lv. 12 - Feather Flick;Lv. 18 - Wide Gaze;Lv. 24 - Hop Peck;"
    "Lv. 30 - Gust Nudge;Lv. 36 - Puff Up;Lv. 43 - Swoop Rush;Lv. 50 - Paper Fold;Lv. 57 - Updraft;";
static const char machinesOrikran[] = "15;21;27;32;42;44;45;47;54;67;68;77;78;83;88;89;90;";
/* 475 Cervaldor */
static const char movesCervaldor[] =
    "Hoof Tap;Leaf Flick;Shove;Lv. 6 - Seed Spit;Lv. 11 - Hoof Jab;Lv. 15 - Thorn Prick;"
    "Lv. 20 - Headlong Dash;Lv. 24 - Sprout Heal;Lv. 29 - Rear Kick;Lv. 29 - Vine Snare;"
    "Lv. 38 - Bramble Whip;Lv. 43 - Battering Charge;Lv. 47 - Petal Storm;Lv. 52 - Verdant Crush;"
    "Lv. 56 - Antler Crown;Lv. 61 - Titan Toss;";
static const char machinesCervaldor[] = "5;9;10;15;19;20;22;23;53;60;82;83;86;87;-;1;4;6;";
/* 476 Caprigrat */
static const char movesCaprigrat[] =
    "Hoof Tap;Pebble Toss;Grit Spray;Lv. 6 - Stone Bump;Lv. 13 - Crag Slam;Lv. 20 - Headlong Dash;"
    "Lv. 27 - Shale Shards;Lv. 34 - Boulder Drop;Lv. 41 - Quarry Quake;Lv. 48 - Monolith Crush;"
    "Lv. 55 - Summit Charge;Lv. 62 - Cliff Collapse;";
static const char machinesCaprigrat[] = "5;8;23;26;27;32;37;39;42;49;64;69;71;78;80;-;1;4;6;";
/* 477 Nyxalis */
static const char movesNyxalis[] =
    "Paw Swipe;Spook Tap;Snicker;Lv. 6 - Eerie Wail;Lv. 11 - Shadow Pounce;Lv. 15 - Haunt Grip;"
    "Lv. 20 - Headlong Dash;Lv. 25 - Soul Sip;Lv. 30 - Night Prowl;Lv. 34 - Gloom Veil;Lv. 39 - Wraith Claw;"
    "Lv. 44 - Ambush Rush;Lv. 49 - Grave Whisper;Lv. 53 - Shade Step;Lv. 58 - Phantom Tide;";
static const char machinesNyxalis[] = "5;10;12;15;20;23;30;41;43;58;61;63;65;66;79;87;-;1;";
/* 478 Cygnivere */
static const char movesCygnivere[] =
    "Preen;Frost Nip;Chill Breath;Lv. 6 - Hail Pelt;Lv. 12 - Rime Fang;Lv. 18 - Hop Peck;Lv. 24 - Ice Glaze;"
    "Lv. 30 - Frost Spike;Lv. 35 - Glacier Slam;Lv. 41 - Sudden Freeze;Lv. 47 - Blizzard Crown;"
    "Lv. 53 - Swan Song Frost;Lv. 59 - Permafrost Roar;";
static const char machinesCygnivere[] = "1;7;13;14;15;21;32;42;44;47;54;68;72;75;78;88;89;";
/* 479 Horodrak */
static const char movesHorodrak[] =
    "Slither Lash;Clank;Scale Rub;Quiet Drift;Lv. 8 - Tin Tap;Lv. 14 - Drake Nip;Lv. 19 - Gear Grind;"
    "Lv. 25 - Scale Rattle;Lv. 31 - Coil Squeeze;Lv. 37 - Rivet Shot;Lv. 42 - Drake Tail Whip;"
    "Lv. 42 - Alloy Guard;Lv. 54 - Wyrm Coil;Lv. 59 - Steel Spin;Lv. 65 - Scalestorm;Lv. 71 - Forge Hammer;"
    "Lv. 77 - Drake Fury Dive;Lv. 82 - Titan Alloy Crash;Lv. 88 - Clockwork Roar;";
static const char machinesHorodrak[] = "2;10;15;17;20;23;27;32;43;45;49;58;59;64;68;69;74;91;-;4;";
/* 480 Balaenor */
static const char movesBalaenor[] =
    "Fin Slap;Drizzle Spit;Bubble Veil;Quiet Drift;Lv. 8 - Splash Jab;Lv. 15 - Tide Tug;"
    "Lv. 23 - Ripple Shot;Lv. 30 - Tail Swish;Lv. 37 - Current Coil;Lv. 45 - Brine Spray;"
    "Lv. 52 - Undertow Pull;Lv. 60 - Wave Crash;Lv. 67 - Riptide Surge;Lv. 74 - Tsunami Wall;"
    "Lv. 82 - Abyss Torrent;Lv. 89 - Whale Tide;";
static const char machinesBalaenor[] = "10;13;15;17;18;20;21;23;42;43;44;45;49;55;58;68;82;87;90;-;3;7;8;";
/* 481 Sphyrex */
static const char movesSphyrex[] =
    "Paw Swipe;Mind Nudge;Foresense;Quiet Drift;Lv. 8 - Psi Ping;Lv. 17 - Thought Jab;"
    "Lv. 26 - Headlong Dash;Lv. 35 - Dream Ripple;Lv. 44 - Astral Gaze;Lv. 54 - Mind Crush;"
    "Lv. 63 - Psi Tempest;Lv. 72 - Cosmic Reverie;Lv. 81 - Oracle Beam;Lv. 90 - Riddle Gaze;";
static const char machinesSphyrex[] = "1;3;4;5;10;15;16;17;20;29;33;43;45;48;58;63;68;77;85;92;-;";
/* 482 Glaciath */
static const char movesGlaciath[] =
    "Bump;Frost Nip;Pebble Toss;Quiet Drift;Lv. 8 - Chill Breath;Lv. 14 - Grit Spray;Lv. 19 - Hail Pelt;"
    "Lv. 25 - Stone Bump;Lv. 30 - Brace;Lv. 36 - Rime Fang;Lv. 41 - Shale Shards;Lv. 47 - Frost Spike;"
    "Lv. 53 - Boulder Drop;Lv. 58 - Glacier Slam;Lv. 64 - Quarry Quake;Lv. 69 - Blizzard Crown;"
    "Lv. 75 - Monolith Crush;Lv. 80 - Permafrost Roar;Lv. 86 - Glacier Fist;";
static const char machinesGlaciath[] = "7;8;13;15;21;26;31;39;42;44;46;56;64;69;71;72;76;80;82;87;90;-;4;";
/* 483 Pyrelk */
static const char movesPyrelk[] =
    "Hoof Tap;Cinder Nip;Smoke Puff;Quiet Drift;Lv. 8 - Ember Flick;Lv. 15 - Heat Shimmer;"
    "Lv. 22 - Flame Lick;Lv. 30 - Headlong Dash;Lv. 37 - Kiln Breath;Lv. 44 - Blaze Tail;"
    "Lv. 44 - Scorch Roll;Lv. 58 - Pyre Crest;Lv. 65 - Furnace Roar;Lv. 73 - Inferno Crown;"
    "Lv. 80 - Magma Torrent;Lv. 87 - Ember Antler;";
static const char machinesPyrelk[] = "5;10;11;15;17;20;23;27;35;38;43;45;49;50;58;61;68;70;-;1;6;";
/* 484 Bryotitan */
static const char movesBryotitan[] =
    "Bump;Leaf Flick;Seed Spit;Quiet Drift;Lv. 8 - Reed Lash;Lv. 15 - Thorn Prick;Lv. 23 - Sprout Heal;"
    "Lv. 30 - Brace;Lv. 37 - Pollen Haze;Lv. 44 - Vine Snare;Lv. 52 - Bramble Whip;Lv. 59 - Root Drain;"
    "Lv. 66 - Petal Storm;Lv. 73 - Verdant Crush;Lv. 81 - Grove Wrath;Lv. 88 - Moss Giant Stomp;";
static const char machinesBryotitan[] = "9;10;11;15;19;20;21;22;31;44;46;53;56;68;82;83;86;87;90;-;1;4;";
/* 485 Noctuel */
static const char movesNoctuel[] =
    "Skitter;Snicker;Sly Nip;Quiet Drift;Lv. 8 - Shadow Pounce;Lv. 17 - Grim Stare;Lv. 26 - Chitin Guard;"
    "Lv. 35 - Night Prowl;Lv. 44 - Dusk Fang;Lv. 53 - Murk Slash;Lv. 62 - Ambush Rush;Lv. 71 - Abyss Howl;"
    "Lv. 80 - Eclipse Maw;Lv. 89 - Night Wingdust;";
static const char machinesNoctuel[] = "12;15;17;19;20;27;30;41;43;45;47;58;63;65;66;68;75;79;81;89;-;";
/* 486 Torpedra */
static const char movesTorpedra[] =
    "Fin Slap;Static Tap;Scale Rub;Quiet Drift;Lv. 8 - Spark Nip;Lv. 15 - Wyrm Breath;Lv. 22 - Volt Prick;"
    "Lv. 28 - Tail Swish;Lv. 35 - Scale Rattle;Lv. 42 - Zap Net;Lv. 49 - Ancient Snarl;Lv. 56 - Ion Rush;"
    "Lv. 63 - Scalestorm;Lv. 70 - Bolt Lance;Lv. 76 - Drake Fury Dive;Lv. 83 - Megavolt Rain;"
    "Lv. 90 - Thunder Glide;";
static const char machinesTorpedra[] = "2;10;15;16;20;21;23;24;25;34;43;44;49;57;59;68;70;73;82;87;90;-;2;8;";
/* 487 Astrogel */
static const char movesAstrogel[] =
    "Tentacle Sting;Mind Nudge;Foresense;Quiet Drift;Lv. 8 - Psi Ping;Lv. 17 - Thought Jab;"
    "Lv. 25 - Drift Pulse;Lv. 34 - Dream Ripple;Lv. 43 - Astral Gaze;Lv. 43 - Mind Crush;"
    "Lv. 60 - Psi Tempest;Lv. 69 - Cosmic Reverie;Lv. 77 - Oracle Beam;Lv. 86 - Starlight Pulse;";
static const char machinesAstrogel[] = "3;4;15;16;17;20;27;29;33;43;45;48;58;63;68;77;85;92;-;";
/* 488 Miasmorr */
static const char movesMiasmorr[] =
    "Slither Lash;Spook Tap;Acid Drip;Quiet Drift;Lv. 8 - Eerie Wail;Lv. 14 - Toxin Prick;"
    "Lv. 19 - Phantom Lick;Lv. 25 - Venom Spit;Lv. 31 - Coil Squeeze;Lv. 36 - Haunt Grip;"
    "Lv. 42 - Noxious Bite;Lv. 48 - Gloom Veil;Lv. 53 - Sludge Hurl;Lv. 59 - Wraith Claw;"
    "Lv. 64 - Blight Coil;Lv. 70 - Grave Whisper;Lv. 76 - Plague Cloud;Lv. 81 - Phantom Tide;"
    "Lv. 87 - Miasma Coil;";
static const char machinesMiasmorr[] = "6;10;15;20;21;23;30;36;43;44;49;61;65;68;82;84;85;87;90;";
/* 489 Nerilla */
static const char movesNerilla[] =
    "Fin Slap;Drizzle Spit;Lv. 4 - Bubble Veil;Lv. 10 - Tail Swish;Lv. 17 - Splash Jab;Lv. 23 - Tide Tug;"
    "Lv. 30 - Ripple Shot;Lv. 36 - Brine Spray;";
static const char machinesNerilla[] = "13;17;18;23;45;49;55;58;-;3;";
/* 490 Nerisyne */
static const char movesNerisyne[] =
    "Fin Slap;Drizzle Spit;Mind Nudge;Lv. 6 - Bubble Veil;Lv. 11 - Psi Ping;Lv. 15 - Tide Tug;"
    "Lv. 20 - Tail Swish;Lv. 24 - Ripple Shot;Lv. 29 - Dream Ripple;Lv. 34 - Brine Spray;"
    "Lv. 38 - Undertow Pull;Lv. 43 - Mind Crush;Lv. 47 - Riptide Surge;Lv. 52 - Tsunami Wall;"
    "Lv. 56 - Nymph Chorus;Lv. 61 - Oracle Beam;";
static const char machinesNerisyne[] = "3;13;15;16;17;18;21;23;33;44;45;49;55;58;77;82;85;87;90;92;-;3;7;8;";
/* 491 Terrox */
static const char movesTerrox[] =
    "Hoof Tap;Mud Fling;Sand Kick;Quiet Drift;Lv. 8 - Dust Toss;Lv. 17 - Clay Slap;Lv. 26 - Headlong Dash;"
    "Lv. 35 - Quake Pulse;Lv. 44 - Earth Heave;Lv. 44 - Tunnel Strike;Lv. 63 - Dune Hush;"
    "Lv. 72 - Rift Split;Lv. 81 - Landslide Crash;Lv. 90 - Earthbound Horn;";
static const char machinesTerrox[] = "5;15;17;21;23;26;27;28;32;37;39;42;45;49;58;68;78;80;-;1;4;6;";
/* 492 Solvarin */
static const char movesSolvarin[] =
    "Preen;Cinder Nip;Feather Flick;Quiet Drift;Lv. 8 - Smoke Puff;Lv. 14 - Gust Nudge;"
    "Lv. 21 - Heat Shimmer;Lv. 28 - Hop Peck;Lv. 34 - Updraft;Lv. 40 - Kiln Breath;Lv. 47 - Air Slice;"
    "Lv. 54 - Scorch Roll;Lv. 60 - Talon Swoop;Lv. 66 - Furnace Roar;Lv. 73 - Cyclone Dive;"
    "Lv. 80 - Magma Torrent;Lv. 86 - Sunrise Rebirth;";
static const char machinesSolvarin[] = "10;11;15;21;35;38;40;44;50;51;54;61;68;70;82;87;88;89;90;-;2;5;";
/* 493 Prismadrak */
static const char movesPrismadrak[] =
    "Slither Lash;Scale Rub;Mind Nudge;Quiet Drift;Lv. 8 - Drake Nip;Lv. 15 - Psi Ping;Lv. 22 - Wyrm Breath;"
    "Lv. 29 - Thought Jab;Lv. 36 - Coil Squeeze;Lv. 43 - Drake Tail Whip;Lv. 50 - Dream Ripple;"
    "Lv. 58 - Ancient Snarl;Lv. 65 - Mind Crush;Lv. 72 - Scalestorm;Lv. 79 - Cosmic Reverie;"
    "Lv. 86 - Drake Fury Dive;Lv. 93 - Oracle Beam;Lv. 100 - Prismatic Cataclysm;";
static const char machinesPrismadrak[] = "3;4;15;16;17;23;27;29;32;33;45;49;58;59;63;68;77;78;85;92;-;2;5;";

const unsigned short formPicture[FORM_COUNT] = {IDB_PICTURE_BASE + FORM_ENTRY, IDB_FORM1_PICTURE,
                                                IDB_FORM2_PICTURE};
const unsigned short formSecondaryTypeIcon[FORM_COUNT] = {IDB_TYPE_GRASS, IDB_TYPE_GROUND, IDB_TYPE_STEEL};
const char *const formMoveListText[FORM_COUNT] = {movesSilkmantleLeaf, movesSilkmantleSand,
                                                  movesSilkmantleMetal};

void InitCatalogue()
{
    /* clang-format off */
    /* 387 Cindrel */    moveListText[1] = movesCindrel;         machineListText[1] = machinesCindrel;       heightCm[1] = 30;    weightTenthKg[1] = 42;     primaryTypeIcon[1] = IDB_TYPE_FIRE;       secondaryTypeIcon[1] = NO_SECOND_TYPE;
    /* 388 Cindravel */  moveListText[2] = movesCindravel;       machineListText[2] = machinesCindravel;     heightCm[2] = 95;    weightTenthKg[2] = 210;    primaryTypeIcon[2] = IDB_TYPE_FIRE;       secondaryTypeIcon[2] = NO_SECOND_TYPE;
    /* 389 Cindragor */  moveListText[3] = movesCindragor;       machineListText[3] = machinesCindragor;     heightCm[3] = 190;   weightTenthKg[3] = 1150;   primaryTypeIcon[3] = IDB_TYPE_FIRE;       secondaryTypeIcon[3] = IDB_TYPE_DRAGON;
    /* 390 Coilet */     moveListText[4] = movesCoilet;          machineListText[4] = machinesPondSnails;    heightCm[4] = 20;    weightTenthKg[4] = 9;      primaryTypeIcon[4] = IDB_TYPE_WATER;      secondaryTypeIcon[4] = NO_SECOND_TYPE;
    /* 391 Coilumar */   moveListText[5] = movesCoilumar;        machineListText[5] = machinesPondSnails;    heightCm[5] = 45;    weightTenthKg[5] = 85;     primaryTypeIcon[5] = IDB_TYPE_WATER;      secondaryTypeIcon[5] = NO_SECOND_TYPE;
    /* 392 Coilossus */  moveListText[6] = movesCoilossus;       machineListText[6] = machinesCoilossus;     heightCm[6] = 120;   weightTenthKg[6] = 1450;   primaryTypeIcon[6] = IDB_TYPE_WATER;      secondaryTypeIcon[6] = IDB_TYPE_ROCK;
    /* 393 Hooblet */    moveListText[7] = movesHooblet;         machineListText[7] = machinesHooblet;       heightCm[7] = 28;    weightTenthKg[7] = 22;     primaryTypeIcon[7] = IDB_TYPE_NORMAL;     secondaryTypeIcon[7] = IDB_TYPE_FLYING;
    /* 394 Hoobrow */    moveListText[8] = movesHoobrow;         machineListText[8] = machinesHoobrow;       heightCm[8] = 70;    weightTenthKg[8] = 118;    primaryTypeIcon[8] = IDB_TYPE_PSYCHIC;    secondaryTypeIcon[8] = IDB_TYPE_FLYING;
    /* 395 Hoobrahan */  moveListText[9] = movesHoobrahan;       machineListText[9] = machinesHoobrahan;     heightCm[9] = 160;   weightTenthKg[9] = 395;    primaryTypeIcon[9] = IDB_TYPE_PSYCHIC;    secondaryTypeIcon[9] = IDB_TYPE_FLYING;
    /* 396 Mycelet */    moveListText[10] = movesMycelet;        machineListText[10] = machinesMycelet;      heightCm[10] = 35;   weightTenthKg[10] = 40;    primaryTypeIcon[10] = IDB_TYPE_GRASS;     secondaryTypeIcon[10] = IDB_TYPE_POISON;
    /* 397 Mycelorn */   moveListText[11] = movesMycelorn;       machineListText[11] = machinesMycelorn;     heightCm[11] = 110;  weightTenthKg[11] = 305;   primaryTypeIcon[11] = IDB_TYPE_GRASS;     secondaryTypeIcon[11] = IDB_TYPE_POISON;
    /* 398 Rubblit */    moveListText[12] = movesRubblit;        machineListText[12] = machinesRubbleGolems; heightCm[12] = 40;   weightTenthKg[12] = 180;   primaryTypeIcon[12] = IDB_TYPE_ROCK;      secondaryTypeIcon[12] = NO_SECOND_TYPE;
    /* 399 Rubblor */    moveListText[13] = movesRubblor;        machineListText[13] = machinesRubbleGolems; heightCm[13] = 110;  weightTenthKg[13] = 1050;  primaryTypeIcon[13] = IDB_TYPE_ROCK;      secondaryTypeIcon[13] = NO_SECOND_TYPE;
    /* 400 Rubbrawn */   moveListText[14] = movesRubbrawn;       machineListText[14] = machinesRubbrawn;     heightCm[14] = 205;  weightTenthKg[14] = 3300;  primaryTypeIcon[14] = IDB_TYPE_ROCK;      secondaryTypeIcon[14] = IDB_TYPE_FIGHTING;
    /* 401 Medulo */     moveListText[15] = movesMedulo;         machineListText[15] = machinesMedulo;       heightCm[15] = 30;   weightTenthKg[15] = 8;     primaryTypeIcon[15] = IDB_TYPE_WATER;     secondaryTypeIcon[15] = IDB_TYPE_ELECTRIC;
    /* 402 Medulume */   moveListText[16] = movesMedulume;       machineListText[16] = machinesMedulume;     heightCm[16] = 150;  weightTenthKg[16] = 420;   primaryTypeIcon[16] = IDB_TYPE_WATER;     secondaryTypeIcon[16] = IDB_TYPE_ELECTRIC;
    /* 403 Wulfin */     moveListText[17] = movesWulfin;         machineListText[17] = machinesWulfin;       heightCm[17] = 55;   weightTenthKg[17] = 95;    primaryTypeIcon[17] = IDB_TYPE_DARK;      secondaryTypeIcon[17] = NO_SECOND_TYPE;
    /* 404 Wulfrost */   moveListText[18] = movesWulfrost;       machineListText[18] = machinesWulfrost;     heightCm[18] = 140;  weightTenthKg[18] = 620;   primaryTypeIcon[18] = IDB_TYPE_DARK;      secondaryTypeIcon[18] = IDB_TYPE_ICE;
    /* 405 Klakkit */    moveListText[19] = movesKlakkit;        machineListText[19] = machinesKlakkit;      heightCm[19] = 30;   weightTenthKg[19] = 62;    primaryTypeIcon[19] = IDB_TYPE_WATER;     secondaryTypeIcon[19] = NO_SECOND_TYPE;
    /* 406 Klakkuro */   moveListText[20] = movesKlakkuro;       machineListText[20] = machinesKlakkuro;     heightCm[20] = 115;  weightTenthKg[20] = 680;   primaryTypeIcon[20] = IDB_TYPE_WATER;     secondaryTypeIcon[20] = IDB_TYPE_FIGHTING;
    /* 407 Spindu */     moveListText[21] = movesSpindu;         machineListText[21] = machinesSpindu;       heightCm[21] = 25;   weightTenthKg[21] = 30;    primaryTypeIcon[21] = IDB_TYPE_GRASS;     secondaryTypeIcon[21] = NO_SECOND_TYPE;
    /* 408 Spindurra */  moveListText[22] = movesSpindurra;      machineListText[22] = machinesSpindurra;    heightCm[22] = 170;  weightTenthKg[22] = 540;   primaryTypeIcon[22] = IDB_TYPE_GRASS;     secondaryTypeIcon[22] = IDB_TYPE_GROUND;
    /* 409 Chirrit */    moveListText[23] = movesChirrit;        machineListText[23] = machinesYoungBats;    heightCm[23] = 30;   weightTenthKg[23] = 35;    primaryTypeIcon[23] = IDB_TYPE_POISON;    secondaryTypeIcon[23] = IDB_TYPE_FLYING;
    /* 410 Chirrofang */ moveListText[24] = movesChirrofang;     machineListText[24] = machinesYoungBats;    heightCm[24] = 80;   weightTenthKg[24] = 190;   primaryTypeIcon[24] = IDB_TYPE_POISON;    secondaryTypeIcon[24] = IDB_TYPE_FLYING;
    /* 411 Chirrdusk */  moveListText[25] = movesChirrdusk;      machineListText[25] = machinesChirrdusk;    heightCm[25] = 170;  weightTenthKg[25] = 610;   primaryTypeIcon[25] = IDB_TYPE_DARK;      secondaryTypeIcon[25] = IDB_TYPE_FLYING;
    /* 412 Silkgrubbo */ moveListText[26] = movesSilkgrubbo;     machineListText[26] = machinesNone;         heightCm[26] = 22;   weightTenthKg[26] = 5;     primaryTypeIcon[26] = IDB_TYPE_INSECT;    secondaryTypeIcon[26] = NO_SECOND_TYPE;
    /* 413 Silkmantle */ moveListText[27] = movesSilkmantleLeaf; machineListText[27] = machinesSilkmantle;   heightCm[27] = 50;   weightTenthKg[27] = 65;    primaryTypeIcon[27] = IDB_TYPE_INSECT;    secondaryTypeIcon[27] = IDB_TYPE_GRASS;
    /* 414 Silkwyng */   moveListText[28] = movesSilkwyng;       machineListText[28] = machinesSilkwyng;     heightCm[28] = 90;   weightTenthKg[28] = 233;   primaryTypeIcon[28] = IDB_TYPE_INSECT;    secondaryTypeIcon[28] = IDB_TYPE_FLYING;
    /* 415 Formikit */   moveListText[29] = movesFormikit;       machineListText[29] = machinesFormikit;     heightCm[29] = 40;   weightTenthKg[29] = 70;    primaryTypeIcon[29] = IDB_TYPE_INSECT;    secondaryTypeIcon[29] = IDB_TYPE_GROUND;
    /* 416 Formiregia */ moveListText[30] = movesFormiregia;     machineListText[30] = machinesFormiregia;   heightCm[30] = 150;  weightTenthKg[30] = 890;   primaryTypeIcon[30] = IDB_TYPE_INSECT;    secondaryTypeIcon[30] = IDB_TYPE_GROUND;
    /* 417 Tikkerel */   moveListText[31] = movesTikkerel;       machineListText[31] = machinesTikkerel;     heightCm[31] = 35;   weightTenthKg[31] = 25;    primaryTypeIcon[31] = IDB_TYPE_STEEL;     secondaryTypeIcon[31] = IDB_TYPE_ELECTRIC;
    /* 418 Kelpini */    moveListText[32] = movesKelpini;        machineListText[32] = machinesKelpini;      heightCm[32] = 40;   weightTenthKg[32] = 55;    primaryTypeIcon[32] = IDB_TYPE_WATER;     secondaryTypeIcon[32] = NO_SECOND_TYPE;
    /* 419 Kelpidrak */  moveListText[33] = movesKelpidrak;      machineListText[33] = machinesKelpidrak;    heightCm[33] = 180;  weightTenthKg[33] = 420;   primaryTypeIcon[33] = IDB_TYPE_WATER;     secondaryTypeIcon[33] = IDB_TYPE_DRAGON;
    /* 420 Calabrin */   moveListText[34] = movesCalabrin;       machineListText[34] = machinesCalabrin;     heightCm[34] = 40;   weightTenthKg[34] = 50;    primaryTypeIcon[34] = IDB_TYPE_GHOST;     secondaryTypeIcon[34] = IDB_TYPE_GRASS;
    /* 421 Calabroul */  moveListText[35] = movesCalabroul;      machineListText[35] = machinesCalabroul;    heightCm[35] = 130;  weightTenthKg[35] = 395;   primaryTypeIcon[35] = IDB_TYPE_GHOST;     secondaryTypeIcon[35] = IDB_TYPE_GRASS;
    /* 422 Yetilo */     moveListText[36] = movesYetilo;         machineListText[36] = machinesYetilo;       heightCm[36] = 70;   weightTenthKg[36] = 280;   primaryTypeIcon[36] = IDB_TYPE_ICE;       secondaryTypeIcon[36] = NO_SECOND_TYPE;
    /* 423 Yetimaruk */  moveListText[37] = movesYetimaruk;      machineListText[37] = machinesYetimaruk;    heightCm[37] = 230;  weightTenthKg[37] = 2750;  primaryTypeIcon[37] = IDB_TYPE_ICE;       secondaryTypeIcon[37] = IDB_TYPE_FIGHTING;
    /* 424 Lampyrix */   moveListText[38] = movesLampyrix;       machineListText[38] = machinesLampyrix;     heightCm[38] = 35;   weightTenthKg[38] = 6;     primaryTypeIcon[38] = IDB_TYPE_INSECT;    secondaryTypeIcon[38] = IDB_TYPE_ELECTRIC;
    /* 425 Renlumi */    moveListText[39] = movesRenlumi;        machineListText[39] = machinesRenlumi;      heightCm[39] = 45;   weightTenthKg[39] = 88;    primaryTypeIcon[39] = IDB_TYPE_PSYCHIC;   secondaryTypeIcon[39] = NO_SECOND_TYPE;
    /* 426 Renmystel */  moveListText[40] = movesRenmystel;      machineListText[40] = machinesRenmystel;    heightCm[40] = 120;  weightTenthKg[40] = 270;   primaryTypeIcon[40] = IDB_TYPE_PSYCHIC;   secondaryTypeIcon[40] = NO_SECOND_TYPE;
    /* 427 Tortelo */    moveListText[41] = movesTortelo;        machineListText[41] = machinesTortelo;      heightCm[41] = 45;   weightTenthKg[41] = 160;   primaryTypeIcon[41] = IDB_TYPE_GROUND;    secondaryTypeIcon[41] = NO_SECOND_TYPE;
    /* 428 Tortaverd */  moveListText[42] = movesTortaverd;      machineListText[42] = machinesTortaverd;    heightCm[42] = 110;  weightTenthKg[42] = 1120;  primaryTypeIcon[42] = IDB_TYPE_GROUND;    secondaryTypeIcon[42] = IDB_TYPE_GRASS;
    /* 429 Klingdol */   moveListText[43] = movesKlingdol;       machineListText[43] = machinesKlingdol;     heightCm[43] = 60;   weightTenthKg[43] = 410;   primaryTypeIcon[43] = IDB_TYPE_STEEL;     secondaryTypeIcon[43] = NO_SECOND_TYPE;
    /* 430 Haybogle */   moveListText[44] = movesHaybogle;       machineListText[44] = machinesHaybogle;     heightCm[44] = 170;  weightTenthKg[44] = 220;   primaryTypeIcon[44] = IDB_TYPE_GRASS;     secondaryTypeIcon[44] = NO_SECOND_TYPE;
    /* 431 Urchet */     moveListText[45] = movesUrchet;         machineListText[45] = machinesUrchet;       heightCm[45] = 25;   weightTenthKg[45] = 28;    primaryTypeIcon[45] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[45] = NO_SECOND_TYPE;
    /* 432 Urchaton */   moveListText[46] = movesUrchaton;       machineListText[46] = machinesUrchaton;     heightCm[46] = 60;   weightTenthKg[46] = 190;   primaryTypeIcon[46] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[46] = NO_SECOND_TYPE;
    /* 433 Nimbubb */    moveListText[47] = movesNimbubb;        machineListText[47] = machinesNone;         heightCm[47] = 20;   weightTenthKg[47] = 3;     primaryTypeIcon[47] = IDB_TYPE_NORMAL;    secondaryTypeIcon[47] = NO_SECOND_TYPE;
    /* 434 Skitrel */    moveListText[48] = movesSkitrel;        machineListText[48] = machinesSkitrel;      heightCm[48] = 30;   weightTenthKg[48] = 20;    primaryTypeIcon[48] = IDB_TYPE_INSECT;    secondaryTypeIcon[48] = NO_SECOND_TYPE;
    /* 435 Skitnoctis */ moveListText[49] = movesSkitnoctis;     machineListText[49] = machinesSkitnoctis;   heightCm[49] = 100;  weightTenthKg[49] = 330;   primaryTypeIcon[49] = IDB_TYPE_INSECT;    secondaryTypeIcon[49] = IDB_TYPE_DARK;
    /* 436 Rimelin */    moveListText[50] = movesRimelin;        machineListText[50] = machinesRimelin;      heightCm[50] = 70;   weightTenthKg[50] = 180;   primaryTypeIcon[50] = IDB_TYPE_ICE;       secondaryTypeIcon[50] = NO_SECOND_TYPE;
    /* 437 Rimehart */   moveListText[51] = movesRimehart;       machineListText[51] = machinesRimehart;     heightCm[51] = 180;  weightTenthKg[51] = 1400;  primaryTypeIcon[51] = IDB_TYPE_ICE;       secondaryTypeIcon[51] = NO_SECOND_TYPE;
    /* 438 Gibbit */     moveListText[52] = movesGibbit;         machineListText[52] = machinesGibbit;       heightCm[52] = 50;   weightTenthKg[52] = 115;   primaryTypeIcon[52] = IDB_TYPE_FIGHTING;  secondaryTypeIcon[52] = NO_SECOND_TYPE;
    /* 439 Gibbrawl */   moveListText[53] = movesGibbrawl;       machineListText[53] = machinesGibbrawl;     heightCm[53] = 110;  weightTenthKg[53] = 420;   primaryTypeIcon[53] = IDB_TYPE_FIGHTING;  secondaryTypeIcon[53] = NO_SECOND_TYPE;
    /* 440 Gibbrutus */  moveListText[54] = movesGibbrutus;      machineListText[54] = machinesGibbrutus;    heightCm[54] = 210;  weightTenthKg[54] = 1750;  primaryTypeIcon[54] = IDB_TYPE_FIGHTING;  secondaryTypeIcon[54] = NO_SECOND_TYPE;
    /* 441 Samovik */    moveListText[55] = movesSamovik;        machineListText[55] = machinesSamovik;      heightCm[55] = 50;   weightTenthKg[55] = 160;   primaryTypeIcon[55] = IDB_TYPE_FIRE;      secondaryTypeIcon[55] = NO_SECOND_TYPE;
    /* 442 Gardolith */  moveListText[56] = movesGardolith;      machineListText[56] = machinesGardolith;    heightCm[56] = 160;  weightTenthKg[56] = 2900;  primaryTypeIcon[56] = IDB_TYPE_ROCK;      secondaryTypeIcon[56] = NO_SECOND_TYPE;
    /* 443 Zephlet */    moveListText[57] = movesZephlet;        machineListText[57] = machinesZephlet;      heightCm[57] = 100;  weightTenthKg[57] = 70;    primaryTypeIcon[57] = IDB_TYPE_DRAGON;    secondaryTypeIcon[57] = NO_SECOND_TYPE;
    /* 444 Zephyrra */   moveListText[58] = movesZephyrra;       machineListText[58] = machinesZephyrra;     heightCm[58] = 320;  weightTenthKg[58] = 410;   primaryTypeIcon[58] = IDB_TYPE_DRAGON;    secondaryTypeIcon[58] = NO_SECOND_TYPE;
    /* 445 Zephyraxis */ moveListText[59] = movesZephyraxis;     machineListText[59] = machinesZephyraxis;   heightCm[59] = 541;  weightTenthKg[59] = 2850;  primaryTypeIcon[59] = IDB_TYPE_DRAGON;    secondaryTypeIcon[59] = IDB_TYPE_FLYING;
    /* 446 Scutarro */   moveListText[60] = movesScutarro;       machineListText[60] = machinesScutarro;     heightCm[60] = 90;   weightTenthKg[60] = 520;   primaryTypeIcon[60] = IDB_TYPE_GROUND;    secondaryTypeIcon[60] = IDB_TYPE_STEEL;
    /* 447 Ardipip */    moveListText[61] = movesArdipip;        machineListText[61] = machinesArdipip;      heightCm[61] = 45;   weightTenthKg[61] = 42;    primaryTypeIcon[61] = IDB_TYPE_WATER;     secondaryTypeIcon[61] = NO_SECOND_TYPE;
    /* 448 Ardeagris */  moveListText[62] = movesArdeagris;      machineListText[62] = machinesArdeagris;    heightCm[62] = 150;  weightTenthKg[62] = 210;   primaryTypeIcon[62] = IDB_TYPE_WATER;     secondaryTypeIcon[62] = IDB_TYPE_FLYING;
    /* 449 Scarbit */    moveListText[63] = movesScarbit;        machineListText[63] = machinesNone;         heightCm[63] = 25;   weightTenthKg[63] = 30;    primaryTypeIcon[63] = IDB_TYPE_INSECT;    secondaryTypeIcon[63] = NO_SECOND_TYPE;
    /* 450 Scarabrax */  moveListText[64] = movesScarabrax;      machineListText[64] = machinesScarabrax;    heightCm[64] = 140;  weightTenthKg[64] = 540;   primaryTypeIcon[64] = IDB_TYPE_INSECT;    secondaryTypeIcon[64] = IDB_TYPE_FIGHTING;
    /* 451 Sissnik */    moveListText[65] = movesSissnik;        machineListText[65] = machinesSissnik;      heightCm[65] = 80;   weightTenthKg[65] = 45;    primaryTypeIcon[65] = IDB_TYPE_POISON;    secondaryTypeIcon[65] = NO_SECOND_TYPE;
    /* 452 Sissmora */   moveListText[66] = movesSissmora;       machineListText[66] = machinesSissmora;     heightCm[66] = 240;  weightTenthKg[66] = 300;   primaryTypeIcon[66] = IDB_TYPE_POISON;    secondaryTypeIcon[66] = IDB_TYPE_DARK;
    /* 453 Talpik */     moveListText[67] = movesTalpik;         machineListText[67] = machinesTalpik;       heightCm[67] = 30;   weightTenthKg[67] = 80;    primaryTypeIcon[67] = IDB_TYPE_GROUND;    secondaryTypeIcon[67] = NO_SECOND_TYPE;
    /* 454 Talpagrond */ moveListText[68] = movesTalpagrond;     machineListText[68] = machinesTalpagrond;   heightCm[68] = 110;  weightTenthKg[68] = 720;   primaryTypeIcon[68] = IDB_TYPE_GROUND;    secondaryTypeIcon[68] = NO_SECOND_TYPE;
    /* 455 Gloamwick */  moveListText[69] = movesGloamwick;      machineListText[69] = machinesGloamwick;    heightCm[69] = 60;   weightTenthKg[69] = 12;    primaryTypeIcon[69] = IDB_TYPE_GHOST;     secondaryTypeIcon[69] = IDB_TYPE_FIRE;
    /* 456 Anguiz */     moveListText[70] = movesAnguiz;         machineListText[70] = machinesAnguiz;       heightCm[70] = 90;   weightTenthKg[70] = 110;   primaryTypeIcon[70] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[70] = NO_SECOND_TYPE;
    /* 457 Anguvolt */   moveListText[71] = movesAnguvolt;       machineListText[71] = machinesAnguvolt;     heightCm[71] = 280;  weightTenthKg[71] = 960;   primaryTypeIcon[71] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[71] = IDB_TYPE_WATER;
    /* 458 Lophira */    moveListText[72] = movesLophira;        machineListText[72] = machinesLophira;      heightCm[72] = 120;  weightTenthKg[72] = 880;   primaryTypeIcon[72] = IDB_TYPE_WATER;     secondaryTypeIcon[72] = IDB_TYPE_DARK;
    /* 459 Anthelle */   moveListText[73] = movesAnthelle;       machineListText[73] = machinesAnthelle;     heightCm[73] = 30;   weightTenthKg[73] = 18;    primaryTypeIcon[73] = IDB_TYPE_GRASS;     secondaryTypeIcon[73] = NO_SECOND_TYPE;
    /* 460 Anthoria */   moveListText[74] = movesAnthoria;       machineListText[74] = machinesAnthoria;     heightCm[74] = 90;   weightTenthKg[74] = 120;   primaryTypeIcon[74] = IDB_TYPE_GRASS;     secondaryTypeIcon[74] = NO_SECOND_TYPE;
    /* 461 Krukal */     moveListText[75] = movesKrukal;         machineListText[75] = machinesKrukal;       heightCm[75] = 90;   weightTenthKg[75] = 145;   primaryTypeIcon[75] = IDB_TYPE_DARK;      secondaryTypeIcon[75] = IDB_TYPE_FLYING;
    /* 462 Cogvalier */  moveListText[76] = movesCogvalier;      machineListText[76] = machinesCogvalier;    heightCm[76] = 190;  weightTenthKg[76] = 1900;  primaryTypeIcon[76] = IDB_TYPE_STEEL;     secondaryTypeIcon[76] = NO_SECOND_TYPE;
    /* 463 Bradypo */    moveListText[77] = movesBradypo;        machineListText[77] = machinesBradypo;      heightCm[77] = 140;  weightTenthKg[77] = 560;   primaryTypeIcon[77] = IDB_TYPE_NORMAL;    secondaryTypeIcon[77] = NO_SECOND_TYPE;
    /* 464 Scoriak */    moveListText[78] = movesScoriak;        machineListText[78] = machinesScoriak;      heightCm[78] = 200;  weightTenthKg[78] = 3800;  primaryTypeIcon[78] = IDB_TYPE_ROCK;      secondaryTypeIcon[78] = IDB_TYPE_FIRE;
    /* 465 Nymphella */  moveListText[79] = movesNymphella;      machineListText[79] = machinesNymphella;    heightCm[79] = 100;  weightTenthKg[79] = 260;   primaryTypeIcon[79] = IDB_TYPE_GRASS;     secondaryTypeIcon[79] = IDB_TYPE_WATER;
    /* 466 Fulgurak */   moveListText[80] = movesFulgurak;       machineListText[80] = machinesFulgurak;     heightCm[80] = 170;  weightTenthKg[80] = 420;   primaryTypeIcon[80] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[80] = IDB_TYPE_FLYING;
    /* 467 Pugilroo */   moveListText[81] = movesPugilroo;       machineListText[81] = machinesPugilroo;     heightCm[81] = 180;  weightTenthKg[81] = 850;   primaryTypeIcon[81] = IDB_TYPE_FIRE;      secondaryTypeIcon[81] = NO_SECOND_TYPE;
    /* 468 Lullamb */    moveListText[82] = movesLullamb;        machineListText[82] = machinesLullamb;      heightCm[82] = 40;   weightTenthKg[82] = 60;    primaryTypeIcon[82] = IDB_TYPE_NORMAL;    secondaryTypeIcon[82] = NO_SECOND_TYPE;
    /* 469 Mantiverd */  moveListText[83] = movesMantiverd;      machineListText[83] = machinesMantiverd;    heightCm[83] = 150;  weightTenthKg[83] = 320;   primaryTypeIcon[83] = IDB_TYPE_INSECT;    secondaryTypeIcon[83] = IDB_TYPE_GRASS;
    /* 470 Melesko */    moveListText[84] = movesMelesko;        machineListText[84] = machinesMelesko;      heightCm[84] = 50;   weightTenthKg[84] = 95;    primaryTypeIcon[84] = IDB_TYPE_NORMAL;    secondaryTypeIcon[84] = NO_SECOND_TYPE;
    /* 471 Melesgrund */ moveListText[85] = movesMelesgrund;     machineListText[85] = machinesMelesgrund;   heightCm[85] = 110;  weightTenthKg[85] = 560;   primaryTypeIcon[85] = IDB_TYPE_NORMAL;    secondaryTypeIcon[85] = NO_SECOND_TYPE;
    /* 472 Gargrim */    moveListText[86] = movesGargrim;        machineListText[86] = machinesGargrim;      heightCm[86] = 160;  weightTenthKg[86] = 2050;  primaryTypeIcon[86] = IDB_TYPE_ROCK;      secondaryTypeIcon[86] = IDB_TYPE_FLYING;
    /* 473 Narwhelm */   moveListText[87] = movesNarwhelm;       machineListText[87] = machinesNarwhelm;     heightCm[87] = 380;  weightTenthKg[87] = 2900;  primaryTypeIcon[87] = IDB_TYPE_ICE;       secondaryTypeIcon[87] = NO_SECOND_TYPE;
    /* 474 Orikran */    moveListText[88] = movesOrikran;        machineListText[88] = machinesOrikran;      heightCm[88] = 130;  weightTenthKg[88] = 35;    primaryTypeIcon[88] = IDB_TYPE_NORMAL;    secondaryTypeIcon[88] = NO_SECOND_TYPE;
    /* 475 Cervaldor */  moveListText[89] = movesCervaldor;      machineListText[89] = machinesCervaldor;    heightCm[89] = 210;  weightTenthKg[89] = 1650;  primaryTypeIcon[89] = IDB_TYPE_GRASS;     secondaryTypeIcon[89] = IDB_TYPE_FIGHTING;
    /* 476 Caprigrat */  moveListText[90] = movesCaprigrat;      machineListText[90] = machinesCaprigrat;    heightCm[90] = 150;  weightTenthKg[90] = 950;   primaryTypeIcon[90] = IDB_TYPE_ROCK;      secondaryTypeIcon[90] = NO_SECOND_TYPE;
    /* 477 Nyxalis */    moveListText[91] = movesNyxalis;        machineListText[91] = machinesNyxalis;      heightCm[91] = 100;  weightTenthKg[91] = 240;   primaryTypeIcon[91] = IDB_TYPE_GHOST;     secondaryTypeIcon[91] = IDB_TYPE_DARK;
    /* 478 Cygnivere */  moveListText[92] = movesCygnivere;      machineListText[92] = machinesCygnivere;    heightCm[92] = 170;  weightTenthKg[92] = 295;   primaryTypeIcon[92] = IDB_TYPE_ICE;       secondaryTypeIcon[92] = NO_SECOND_TYPE;
    /* 479 Horodrak */   moveListText[93] = movesHorodrak;       machineListText[93] = machinesHorodrak;     heightCm[93] = 420;  weightTenthKg[93] = 4300;  primaryTypeIcon[93] = IDB_TYPE_STEEL;     secondaryTypeIcon[93] = IDB_TYPE_DRAGON;
    /* 480 Balaenor */   moveListText[94] = movesBalaenor;       machineListText[94] = machinesBalaenor;     heightCm[94] = 530;  weightTenthKg[94] = 7500;  primaryTypeIcon[94] = IDB_TYPE_WATER;     secondaryTypeIcon[94] = NO_SECOND_TYPE;
    /* 481 Sphyrex */    moveListText[95] = movesSphyrex;        machineListText[95] = machinesSphyrex;      heightCm[95] = 250;  weightTenthKg[95] = 3250;  primaryTypeIcon[95] = IDB_TYPE_PSYCHIC;   secondaryTypeIcon[95] = NO_SECOND_TYPE;
    /* 482 Glaciath */   moveListText[96] = movesGlaciath;       machineListText[96] = machinesGlaciath;     heightCm[96] = 310;  weightTenthKg[96] = 6800;  primaryTypeIcon[96] = IDB_TYPE_ICE;       secondaryTypeIcon[96] = IDB_TYPE_ROCK;
    /* 483 Pyrelk */     moveListText[97] = movesPyrelk;         machineListText[97] = machinesPyrelk;       heightCm[97] = 220;  weightTenthKg[97] = 1880;  primaryTypeIcon[97] = IDB_TYPE_FIRE;      secondaryTypeIcon[97] = NO_SECOND_TYPE;
    /* 484 Bryotitan */  moveListText[98] = movesBryotitan;      machineListText[98] = machinesBryotitan;    heightCm[98] = 400;  weightTenthKg[98] = 5200;  primaryTypeIcon[98] = IDB_TYPE_GRASS;     secondaryTypeIcon[98] = NO_SECOND_TYPE;
    /* 485 Noctuel */    moveListText[99] = movesNoctuel;        machineListText[99] = machinesNoctuel;      heightCm[99] = 130;  weightTenthKg[99] = 310;   primaryTypeIcon[99] = IDB_TYPE_DARK;      secondaryTypeIcon[99] = NO_SECOND_TYPE;
    /* 486 Torpedra */   moveListText[100] = movesTorpedra;      machineListText[100] = machinesTorpedra;    heightCm[100] = 300; weightTenthKg[100] = 1560; primaryTypeIcon[100] = IDB_TYPE_ELECTRIC; secondaryTypeIcon[100] = IDB_TYPE_DRAGON;
    /* 487 Astrogel */   moveListText[101] = movesAstrogel;      machineListText[101] = machinesAstrogel;    heightCm[101] = 110; weightTenthKg[101] = 45;   primaryTypeIcon[101] = IDB_TYPE_PSYCHIC;  secondaryTypeIcon[101] = NO_SECOND_TYPE;
    /* 488 Miasmorr */   moveListText[102] = movesMiasmorr;      machineListText[102] = machinesMiasmorr;    heightCm[102] = 470; weightTenthKg[102] = 1330; primaryTypeIcon[102] = IDB_TYPE_GHOST;    secondaryTypeIcon[102] = IDB_TYPE_POISON;
    /* 489 Nerilla */    moveListText[103] = movesNerilla;       machineListText[103] = machinesNerilla;     heightCm[103] = 40;  weightTenthKg[103] = 36;   primaryTypeIcon[103] = IDB_TYPE_WATER;    secondaryTypeIcon[103] = NO_SECOND_TYPE;
    /* 490 Nerisyne */   moveListText[104] = movesNerisyne;      machineListText[104] = machinesNerisyne;    heightCm[104] = 150; weightTenthKg[104] = 440;  primaryTypeIcon[104] = IDB_TYPE_WATER;    secondaryTypeIcon[104] = IDB_TYPE_PSYCHIC;
    /* 491 Terrox */     moveListText[105] = movesTerrox;        machineListText[105] = machinesTerrox;      heightCm[105] = 260; weightTenthKg[105] = 5600; primaryTypeIcon[105] = IDB_TYPE_GROUND;   secondaryTypeIcon[105] = NO_SECOND_TYPE;
    /* 492 Solvarin */   moveListText[106] = movesSolvarin;      machineListText[106] = machinesSolvarin;    heightCm[106] = 310; weightTenthKg[106] = 720;  primaryTypeIcon[106] = IDB_TYPE_FIRE;     secondaryTypeIcon[106] = IDB_TYPE_FLYING;
    /* 493 Prismadrak */ moveListText[107] = movesPrismadrak;    machineListText[107] = machinesPrismadrak;  heightCm[107] = 390; weightTenthKg[107] = 3400; primaryTypeIcon[107] = IDB_TYPE_DRAGON;   secondaryTypeIcon[107] = IDB_TYPE_PSYCHIC;

    tmLabel[1] =  "TM01 - Claw Rake";
    tmLabel[2] =  "TM02 - Wyrm Fury";
    tmLabel[3] =  "TM03 - Mind Lance";
    tmLabel[4] =  "TM04 - Stillmind";
    tmLabel[5] =  "TM05 - Gale Howl";
    tmLabel[6] =  "TM06 - Venom Draft";
    tmLabel[7] =  "TM07 - Frost Veil";
    tmLabel[8] =  "TM08 - Stone Bulk";
    tmLabel[9] =  "TM09 - Seed Volley";
    tmLabel[10] = "TM10 - Inner Spark";
    tmLabel[11] = "TM11 - Sun Call";
    tmLabel[12] = "TM12 - Sneer";
    tmLabel[13] = "TM13 - Rime Beam";
    tmLabel[14] = "TM14 - Rime Tempest";
    tmLabel[15] = "TM15 - Overdrive Ray";
    tmLabel[16] = "TM16 - Glass Screen";
    tmLabel[17] = "TM17 - Hunker";
    tmLabel[18] = "TM18 - Rain Summon";
    tmLabel[19] = "TM19 - Sap Siphon";
    tmLabel[20] = "TM20 - Veil Ward";
    tmLabel[21] = "TM21 - Sulk Strike";
    tmLabel[22] = "TM22 - Sunlance";
    tmLabel[23] = "TM23 - Steel Lash";
    tmLabel[24] = "TM24 - Arc Lance";
    tmLabel[25] = "TM25 - Skyfall Bolt";
    tmLabel[26] = "TM26 - Quake Stomp";
    tmLabel[27] = "TM27 - Heartfelt Blow";
    tmLabel[28] = "TM28 - Tunnel Dive";
    tmLabel[29] = "TM29 - Psi Orb";
    tmLabel[30] = "TM30 - Umbra Orb";
    tmLabel[31] = "TM31 - Fist Crush";
    tmLabel[32] = "TM32 - Blur Step";
    tmLabel[33] = "TM33 - Mirror Ward";
    tmLabel[34] = "TM34 - Shock Ripple";
    tmLabel[35] = "TM35 - Firestream";
    tmLabel[36] = "TM36 - Sludge Burst";
    tmLabel[37] = "TM37 - Dust Gale";
    tmLabel[38] = "TM38 - Blaze Storm";
    tmLabel[39] = "TM39 - Rock Coffin";
    tmLabel[40] = "TM40 - Gust Blade";
    tmLabel[41] = "TM41 - Spite Mock";
    tmLabel[42] = "TM42 - Wounded Fury";
    tmLabel[43] = "TM43 - Mystic Cover";
    tmLabel[44] = "TM44 - Deep Slumber";
    tmLabel[45] = "TM45 - Charm Gaze";
    tmLabel[46] = "TM46 - Light Fingers";
    tmLabel[47] = "TM47 - Steel Pinion";
    tmLabel[48] = "TM48 - Echo Steal";
    tmLabel[49] = "TM49 - Swipe Meal";
    tmLabel[50] = "TM50 - Scorch Burst";
    tmLabel[51] = "TM51 - Wing Rest";
    tmLabel[52] = "TM52 - Core Blast";
    tmLabel[53] = "TM53 - Bloom Orb";
    tmLabel[54] = "TM54 - Gentle Knock";
    tmLabel[55] = "TM55 - Brine Lash";
    tmLabel[56] = "TM56 - Toss Away";
    tmLabel[57] = "TM57 - Static Lance";
    tmLabel[58] = "TM58 - Grit Teeth";
    tmLabel[59] = "TM59 - Wyrm Pulse";
    tmLabel[60] = "TM60 - Drain Fist";
    tmLabel[61] = "TM61 - Ghostfire";
    tmLabel[62] = "TM62 - Dust Wing";
    tmLabel[63] = "TM63 - Lock Out";
    tmLabel[64] = "TM64 - Burst Away";
    tmLabel[65] = "TM65 - Shade Claw";
    tmLabel[66] = "TM66 - Get Even";
    tmLabel[67] = "TM67 - Scrap Find";
    tmLabel[68] = "TM68 - Colossal Charge";
    tmLabel[69] = "TM69 - Grindstone";
    tmLabel[70] = "TM70 - Glint Flare";
    tmLabel[71] = "TM71 - Crag Cutter";
    tmLabel[72] = "TM72 - Snowslide";
    tmLabel[73] = "TM73 - Numbing Hum";
    tmLabel[74] = "TM74 - Gear Spin";
    tmLabel[75] = "TM75 - Blade Ritual";
    tmLabel[76] = "TM76 - Shard Trap";
    tmLabel[77] = "TM77 - Mind Mirror";
    tmLabel[78] = "TM78 - Lure Glance";
    tmLabel[79] = "TM79 - Dusk Pulse";
    tmLabel[80] = "TM80 - Boulder Rain";
    tmLabel[81] = "TM81 - Mandible Snap";
    tmLabel[82] = "TM82 - Sleep Murmur";
    tmLabel[83] = "TM83 - Berry Toss";
    tmLabel[84] = "TM84 - Venom Prong";
    tmLabel[85] = "TM85 - Dream Sip";
    tmLabel[86] = "TM86 - Root Snare";
    tmLabel[87] = "TM87 - Strut";
    tmLabel[88] = "TM88 - Berry Peck";
    tmLabel[89] = "TM89 - Dart Back";
    tmLabel[90] = "TM90 - Decoy Doll";
    tmLabel[91] = "TM91 - Chrome Beam";
    tmLabel[92] = "TM92 - Topsy Field";

    hmLabel[1] = "HM01 - Bough Cleave";
    hmLabel[2] = "HM02 - Skyward Glide";
    hmLabel[3] = "HM03 - Rapid Swim";
    hmLabel[4] = "HM04 - Haul Might";
    hmLabel[5] = "HM05 - Mist Sweep";
    hmLabel[6] = "HM06 - Ledge Scramble";
    hmLabel[7] = "HM07 - Cascade Leap";
    hmLabel[8] = "HM08 - Deep Plunge";
    /* clang-format on */
}

/* The catalogue content: names, move and machine lists, sizes, types and machine labels.
   InitCatalogue stores it into the tables once, while the main window is created. */
#include "catalogue/catalogue.h"

#include "resource.h"

/* Family plan. Members of one family stand next to each other and share one evolution note;
   a family's names share their first letters and its sizes grow stage by stage. "outside" marks
   an entry that evolves from a creature not in the catalogue, "-" one with no evolution at all.

   family  entries   types               evolves        members and concept
   A         0..  2  fire; +ground       Lv. 13, 34     Brazzik, Brazzomot, Brazzagrun: charcoal marmots
                                                        that bank coals in cheeks, then on the back, then in
                                                        a mound
   B         3..  5  water               Lv. 18, item   Coilet, Coilumar, Coilossus: pond snails
   C         6..  8  normal/psychic, fly Lv. 17, item   Puszel, Puszkrad, Puszmagos: owls, the last a seer
   D         9.. 10  grass, poison       Lv. 24         Mycelet, Mycelorn: toadstools
   E        11.. 13  rock; +fighting     Lv. 25, 45     Rubblit, Rubblor, Rubbrawn: stone golems
   F        14.. 15  water, electric     Lv. 28         Medulo, Medulume: jellyfish
   G        16.. 17  dark; +ice          knows a move   Wulfin, Wulfrost: wolves
   H        18.. 19  water; +fighting    Lv. 30         Klakkit, Klakkuro: crabs
   I        20.. 21  grass; +ground      Lv. 33         Spindu, Spindurra: cacti
   J        22.. 24  poison, flying      Lv. 19, 41     Skimpa, Skimpador, Skimparex: gliding tree frogs
   K        25.. 27  normal; +form/dark  Lv. 23         Tessinek; Tessamira (females; carries a house she
                                                        built: reed basket, clay urn or tin dome); Tessarok
                                                        (males; a night runner that carries nothing)
   L        28.. 29  insect, ground      Lv. 30         Formikit, Formiregia: ants; only females evolve
   -       30        electric                           Tikkerel: spark gecko
   M        31.. 32  water; +rock        Lv. 31         Porrib, Porrifex: sea sponges, the last stone-boned
   N        33.. 34  ghost, rock         item           Stakki, Stakkorum: haunted cairns
   O        35.. 36  ice                 Lv. 34         Yetilo, Yetimaruk: yetis
   outside 37        insect, electric                   Lampyrix (from Lampilo): firefly
   P        38.. 39  psychic             Lv. 32         Renlumi, Renmystel: foxes
   Q        40.. 41  ground; +poison     Lv. 29         Rhombi, Rhombadune: sand rays that swim under dunes,
                                                        the last gliding over the crests with a venomous
                                                        barbed tail
   outside   42..43                                     Kowadrak (from Kowadlet): living anvil, steel;
                                                        Haybogle (from Haylet): scarecrow, grass
   R        44.. 45  electric            knows a move   Urchet, Urchaton: hedgehogs
   child   46        normal                             Nimbubb (hatches from Nimbarra eggs, never evolves
                                                        into it)
   S        47.. 48  insect; +dark       Lv. 29         Skitrel, Skitnoctis: spiders
   T        49.. 50  ice                 Lv. 37         Rimelin, Rimehart: crystal deer
   U        51.. 53  fighting            Lv. 20, happy  Gibbit, Gibbrawl, Gibbrutus: apes
   -         54..55                                     Samovik (kettle spirit, fire), Gardolith (stone
                                                        lion, rock)
   V        56.. 58  dragon; +rock       Lv. 27, 52     Druzik, Druzavor, Druzaroth: six-legged, wingless
                                                        cave drakes that eat crystals, the last with a geode
                                                        back
   outside 59        ground, steel                      Scutarro (from Scutelet): armadillo
   W        60.. 61  water; +flying      Lv. 26         Ardipip, Ardeagris: herons
   X        62.. 63  insect; +rock       Lv. 24         Scarbit, Scarabrax: beetles, the last a stone-plated
                                                        click beetle that flips itself up with a snap
   Y        64.. 65  poison; +psychic    Lv. 33         Limaxel, Limaxora: land slugs, the last with a
                                                        dizzying frilled mantle
   Z        66.. 67  ground              Lv. 31         Talpik, Talpagrond: moles
   -       68        ghost, water                       Studnik: spirit of an old well bucket
   AA       69.. 70  electric; +water    with Medulo    Anguiz, Anguvolt: eels
   outside 71        water, dark                        Lophira (from Lophet): anglerfish
   AB       72.. 73  grass               item           Anthelle, Anthoria: flower fairies
   outside   74..80                                     Krukal (Krukit): spoon-hoarding crow, normal/flying;
                                                        Cogvalier (Cogsquire): knight of cogs, steel;
                                                        Bradypo (Bradylet): moss sloth, grass, only at
                                                        night; Scoriak (Scorilet): lava golem, rock/fire, on
                                                        a mountain; Nymphella (Nymbud): water lily,
                                                        grass/water; Krupavel (Krupik): sleet petrel,
                                                        ice/flying; Skokarun (Skokik): dust kangaroo, ground
   child   81        normal                             Lullamb (hatches from Lullaram eggs)
   outside 82        insect, grass                      Mantiverd (from Mantik): mantis
   AC       83.. 84  normal              Lv. 29         Melesko, Melesgrund: badgers
   outside   85..91                                     Gargrim (Gargit): gargoyle, rock/flying; Narwhelm
                                                        (Narwee): narwhal, ice; Orikran (Orilet): paper
                                                        crane, grass/flying; Knurwald (Knuri, males only):
                                                        old forest boar, grass/normal; Caprigrat (Caprik):
                                                        glacier goat, rock/ice; Nyxalis (Nyxit): smoke-
                                                        tailed cat, ghost/dark; Sutorella (Sutorek, females
                                                        only): tailor bird, normal/flying
   -        92..101                                     Catenor (chain serpent), Balaenor (reef whale),
                                                        Sphyrex (sphinx), Glaciath (three-legged ice stack),
                                                        Pyrelk (ember stag), Bryotitan (moss titan), Noctuel
                                                        (night moth), Torpedra (storm ray), Astrogel (star
                                                        jelly), Miasmorr (marsh fog with eyes)
   AD      102..103  water; +grass       Lv. 38         Rizolet, Rizomarra: mangrove seedling, then walking
                                                        tree
   -       104..106                                     Terrox (earth ox), Zarlibela (lava-lake dragonfly),
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
    /* 387 */ "Brazzik",    "Brazzomot",  "Brazzagrun", "Coilet",    "Coilumar",  "Coilossus",
    /* 393 */ "Puszel",     "Puszkrad",   "Puszmagos",  "Mycelet",   "Mycelorn",  "Rubblit",
    /* 399 */ "Rubblor",    "Rubbrawn",   "Medulo",     "Medulume",  "Wulfin",    "Wulfrost",
    /* 405 */ "Klakkit",    "Klakkuro",   "Spindu",     "Spindurra", "Skimpa",    "Skimpador",
    /* 411 */ "Skimparex",  "Tessinek",   "Tessamira",  "Tessarok",  "Formikit",  "Formiregia",
    /* 417 */ "Tikkerel",   "Porrib",     "Porrifex",   "Stakki",    "Stakkorum", "Yetilo",
    /* 423 */ "Yetimaruk",  "Lampyrix",   "Renlumi",    "Renmystel", "Rhombi",    "Rhombadune",
    /* 429 */ "Kowadrak",   "Haybogle",   "Urchet",     "Urchaton",  "Nimbubb",   "Skitrel",
    /* 435 */ "Skitnoctis", "Rimelin",    "Rimehart",   "Gibbit",    "Gibbrawl",  "Gibbrutus",
    /* 441 */ "Samovik",    "Gardolith",  "Druzik",     "Druzavor",  "Druzaroth", "Scutarro",
    /* 447 */ "Ardipip",    "Ardeagris",  "Scarbit",    "Scarabrax", "Limaxel",   "Limaxora",
    /* 453 */ "Talpik",     "Talpagrond", "Studnik",    "Anguiz",    "Anguvolt",  "Lophira",
    /* 459 */ "Anthelle",   "Anthoria",   "Krukal",     "Cogvalier", "Bradypo",   "Scoriak",
    /* 465 */ "Nymphella",  "Krupavel",   "Skokarun",   "Lullamb",   "Mantiverd", "Melesko",
    /* 471 */ "Melesgrund", "Gargrim",    "Narwhelm",   "Orikran",   "Knurwald",  "Caprigrat",
    /* 477 */ "Nyxalis",    "Sutorella",  "Catenor",    "Balaenor",  "Sphyrex",   "Glaciath",
    /* 483 */ "Pyrelk",     "Bryotitan",  "Noctuel",    "Torpedra",  "Astrogel",  "Miasmorr",
    /* 489 */ "Rizolet",    "Rizomarra",  "Terrox",     "Zarlibela", "Orrimbar",
};

/* A machine list for creatures that can use no machine at all. */
static const char machinesNone[] = "-;";

/* Machine lists that two members of one family have in common. */
/* 390 Coilet, 391 Coilumar */
static const char machinesPondSnails[] = "26;29;41;79;85;89;-;5;";
/* 398 Rubblit, 399 Rubblor */
static const char machinesRubbleGolems[] = "7;11;17;59;74;82;-;4;";
/* 409 Skimpa, 410 Skimpador */
static const char machinesYoungFrogs[] = "12;17;23;56;63;66;90;-;3;6;";

/* Per entry: the level-up moves, then the TM/HM numbers. */
/* 387 Brazzik */
static const char movesBrazzik[] =
    "Cheek Puff;Soot Sneeze;Lv. 3 - Coal Pouch Spit;Lv. 8 - Whistle Alarm;Lv. 14 - Charcoal Nibble;"
    "Lv. 21 - Banked Glow;Lv. 26 - Smoke Signal;Lv. 32 - Hot Pebble Roll;";
static const char machinesBrazzik[] = "16;34;35;46;88;-;8;";
/* 388 Brazzomot */
static const char movesBrazzomot[] =
    "Cheek Puff;Soot Sneeze;Warm Snuffle;Lv. 3 - Coal Pouch Spit;Lv. 7 - Whistle Alarm;"
    "Lv. 12 - Charcoal Nibble;Lv. 16 - Banked Glow;Lv. 20 - Smoke Signal;Lv. 25 - Hot Pebble Roll;"
    "Lv. 29 - Kiln Hollow;Lv. 33 - Ember Heap Shake;Lv. 38 - Sentry Whistle;Lv. 42 - Burrow Bake;";
static const char machinesBrazzomot[] = "4;10;16;34;35;46;58;-;8;";
/* 389 Brazzagrun */
static const char movesBrazzagrun[] =
    "Cheek Puff;Soot Sneeze;Warm Snuffle;Lv. 3 - Coal Pouch Spit;Lv. 7 - Whistle Alarm;"
    "Lv. 11 - Charcoal Nibble;Lv. 16 - Banked Glow;Lv. 16 - Smoke Signal;Lv. 19 - Hot Pebble Roll;"
    "Lv. 23 - Kiln Hollow;Lv. 27 - Tunnel Furnace;Lv. 32 - Ember Heap Shake;Lv. 32 - Sentry Whistle;"
    "Lv. 35 - Burrow Bake;Lv. 39 - Earthen Smother;Lv. 43 - Flue Draught;Lv. 48 - Smouldering Backheap;"
    "Lv. 48 - Clinker Crunch;";
static const char machinesBrazzagrun[] = "4;7;10;14;16;17;18;27;28;34;35;40;45;46;58;74;82;88;-;2;4;8;";
/* 390 Coilet */
static const char movesCoilet[] =
    "Tuck Inside;Lv. 5 - Algae Graze;Lv. 11 - Froth Trail;Lv. 18 - Eye Stalk Peek;"
    "Lv. 24 - Pondweed Snare;Lv. 31 - Mucus Coat;Lv. 37 - Whorl Roll;";
/* 391 Coilumar */
static const char movesCoilumar[] =
    "Tuck Inside;Slime Glide;Lv. 4 - Algae Graze;Lv. 9 - Froth Trail;Lv. 13 - Eye Stalk Peek;"
    "Lv. 19 - Pondweed Snare;Lv. 24 - Mucus Coat;Lv. 28 - Whorl Roll;Lv. 34 - Still Water Hum;"
    "Lv. 39 - Lily Pad Hop;Lv. 43 - Ripple Ring Toss;";
/* 392 Coilossus */
static const char movesCoilossus[] =
    "Tuck Inside;Slime Glide;Lv. 4 - Algae Graze;Lv. 8 - Froth Trail;Lv. 13 - Eye Stalk Peek;"
    "Lv. 17 - Pondweed Snare;Lv. 23 - Mucus Coat;Lv. 27 - Whorl Roll;Lv. 32 - Still Water Hum;"
    "Lv. 36 - Lily Pad Hop;Lv. 42 - Ripple Ring Toss;Lv. 46 - Spiral Ram;Lv. 51 - Sunken Nap;"
    "Lv. 55 - Whorl Tower Crash;Lv. 61 - Floodgate Tide;";
static const char machinesCoilossus[] = "17;26;29;57;58;79;82;85;89;-;2;5;";
/* 393 Puszel */
static const char movesPuszel[] =
    "Soft Hoot;Head Swivel;Lv. 4 - Silent Glide;Lv. 9 - Pellet Cough;Lv. 15 - Moonlit Blink;"
    "Lv. 21 - Talon Hook;Lv. 26 - Owl Stare;Lv. 32 - Omen Call;";
static const char machinesPuszel[] = "23;39;41;54;58;63;66;82;88;90;-;6;";
/* 394 Puszkrad */
static const char movesPuszkrad[] =
    "Soft Hoot;Head Swivel;Lv. 5 - Silent Glide;Lv. 9 - Pellet Cough;Lv. 14 - Moonlit Blink;"
    "Lv. 19 - Talon Hook;Lv. 23 - Inner Peering;Lv. 28 - Owl Stare;Lv. 33 - Omen Call;"
    "Lv. 37 - Feather Hush;Lv. 42 - Far Hearing;Lv. 47 - Dusk Augury;";
static const char machinesPuszkrad[] = "23;33;39;41;50;53;54;63;66;90;-;6;";
/* 395 Puszmagos */
static const char movesPuszmagos[] =
    "Soft Hoot;Head Swivel;Lv. 5 - Silent Glide;Lv. 9 - Pellet Cough;Lv. 13 - Moonlit Blink;"
    "Lv. 18 - Talon Hook;Lv. 22 - Inner Peering;Lv. 26 - Owl Stare;Lv. 31 - Omen Call;"
    "Lv. 35 - Feather Hush;Lv. 39 - Far Hearing;Lv. 44 - Dusk Augury;Lv. 48 - Vole Snatch;"
    "Lv. 52 - Star Reading;Lv. 57 - Third Lid Opening;Lv. 61 - Veiled Prophecy;";
static const char machinesPuszmagos[] = "17;23;24;33;39;50;52;53;54;58;61;63;66;82;90;-;2;6;";
/* 396 Mycelet */
static const char movesMycelet[] =
    "Puffball Burst;Cap Wobble;Lv. 5 - Damp Root Sip;Lv. 11 - Gill Dust;Lv. 18 - Fairy Ring;"
    "Lv. 23 - Mould Creep;Lv. 29 - Rot Nibble;Lv. 36 - Sleepy Spores;";
static const char machinesMycelet[] = "5;6;8;41;69;71;91;-;";
/* 397 Mycelorn */
static const char movesMycelorn[] =
    "Puffball Burst;Cap Wobble;Lv. 4 - Damp Root Sip;Lv. 8 - Gill Dust;Lv. 13 - Fairy Ring;"
    "Lv. 17 - Mould Creep;Lv. 23 - Rot Nibble;Lv. 27 - Sleepy Spores;Lv. 32 - Stalk Sway;"
    "Lv. 36 - Mycelium Web;Lv. 42 - Toxic Cap Slap;Lv. 46 - Night Bloom Glow;Lv. 51 - Forest Floor Feast;"
    "Lv. 55 - Rot Tide;";
static const char machinesMycelorn[] = "5;6;8;17;38;41;46;55;56;64;69;71;84;87;91;-;1;4;";
/* 398 Rubblit */
static const char movesRubblit[] =
    "Pebble Toss;Bump;Lv. 4 - Grit Spray;Lv. 8 - Pebble Bump;Lv. 13 - Brace;Lv. 17 - Crag Thud;"
    "Lv. 21 - Rubble Roll;Lv. 26 - Shale Shards;";
/* 399 Rubblor */
static const char movesRubblor[] =
    "Pebble Toss;Bump;Lv. 5 - Grit Spray;Lv. 11 - Pebble Bump;Lv. 17 - Brace;Lv. 24 - Crag Thud;"
    "Lv. 30 - Rubble Roll;Lv. 36 - Shale Shards;Lv. 43 - Boulder Drop;Lv. 49 - Quarry Quake;";
/* 400 Rubbrawn */
static const char movesRubbrawn[] =
    "Pebble Toss;Bump;Lv. 5 - Grit Spray;Lv. 10 - Pebble Bump;Lv. 14 - Jab Step;Lv. 19 - Brace;"
    "Lv. 24 - Crag Thud;Lv. 28 - Shin Hook;Lv. 33 - Rubble Roll;Lv. 38 - Shale Shards;"
    "Lv. 42 - Knee Launch;Lv. 47 - Boulder Drop;Lv. 52 - Quarry Quake;Lv. 56 - Monolith Crush;"
    "Lv. 61 - Crystal Shoulder;Lv. 66 - Cliff Collapse;";
static const char machinesRubbrawn[] = "7;9;11;12;17;30;32;36;38;41;46;47;59;73;74;82;-;1;2;3;4;";
/* 401 Medulo */
static const char movesMedulo[] =
    "Tentacle Brush;Float;Lv. 4 - Drift Throb;Lv. 9 - Crackle Nip;Lv. 14 - Bell Contraction;"
    "Lv. 18 - Glow Lure;Lv. 23 - Arc Jolt;Lv. 28 - Current Coil;";
static const char machinesMedulo[] = "17;29;48;79;81;89;-;5;";
/* 402 Medulume */
static const char movesMedulume[] =
    "Tentacle Brush;Float;Lv. 4 - Drift Throb;Lv. 8 - Crackle Nip;Lv. 8 - Bell Contraction;"
    "Lv. 13 - Static Tap;Lv. 17 - Glow Lure;Lv. 21 - Arc Jolt;Lv. 25 - Current Coil;Lv. 25 - Salt Spray;"
    "Lv. 30 - Tangle Drape;Lv. 34 - Lumen Shock;Lv. 38 - Bloom Swarm;Lv. 42 - Storm Bell;";
static const char machinesMedulume[] = "21;26;29;34;41;48;57;79;80;81;82;85;89;92;-;5;7;";
/* 403 Wulfin */
static const char movesWulfin[] =
    "Paw Swipe;Snicker;Lv. 4 - Sly Nip;Lv. 9 - Pack Howl;Lv. 13 - Scent Track;Lv. 18 - Winter Snap;"
    "Lv. 23 - Moonrise Prowl;Lv. 27 - Dusk Hackles;Lv. 32 - Murk Rake;";
static const char machinesWulfin[] = "39;54;58;77;88;-;";
/* 404 Wulfrost */
static const char movesWulfrost[] =
    "Paw Swipe;Snicker;Lv. 5 - Sly Nip;Lv. 9 - Pack Howl;Lv. 14 - Rime Nip;Lv. 18 - Scent Track;"
    "Lv. 22 - Winter Snap;Lv. 27 - Chill Breath;Lv. 31 - Moonrise Prowl;Lv. 35 - Dusk Hackles;"
    "Lv. 40 - Murk Rake;Lv. 44 - Ambush Rush;Lv. 48 - Hoarfrost Mane;Lv. 53 - Snowdrift Crown;";
static const char machinesWulfrost[] = "1;17;37;39;41;43;54;58;60;67;72;76;77;78;82;88;-;2;";
/* 405 Klakkit */
static const char movesKlakkit[] =
    "Pincer Snip;Sidestep;Lv. 5 - Foam Spit;Lv. 12 - Pincer Lock;Lv. 18 - Beach Burrow;Lv. 25 - Tide Tug;"
    "Lv. 31 - Carapace Brace;Lv. 38 - Ripple Flick;";
static const char machinesKlakkit[] = "26;29;41;47;79;89;-;5;";
/* 406 Klakkuro */
static const char movesKlakkuro[] =
    "Pincer Snip;Sidestep;Lv. 6 - Foam Spit;Lv. 11 - Pincer Lock;Lv. 16 - Beach Burrow;Lv. 20 - Jab Step;"
    "Lv. 26 - Tide Tug;Lv. 31 - Carapace Brace;Lv. 36 - Ripple Flick;Lv. 40 - Undertow Pull;"
    "Lv. 46 - Grapple Throw;Lv. 51 - Riptide Surge;Lv. 56 - Clawfist Flurry;Lv. 60 - Crab Suplex;";
static const char machinesKlakkuro[] = "7;9;12;17;26;29;30;38;47;57;74;79;82;85;89;-;4;5;";
/* 407 Spindu */
static const char movesSpindu[] =
    "Root Anchor;Spine Prick;Lv. 6 - Pip Spit;Lv. 13 - Sun Bask;Lv. 19 - Stored Rain;"
    "Lv. 26 - Spine Volley;Lv. 33 - Sprout Heal;";
static const char machinesSpindu[] = "69;71;82;84;";
/* 408 Spindurra */
static const char movesSpindurra[] =
    "Root Anchor;Spine Prick;Lv. 5 - Pip Spit;Lv. 10 - Sun Bask;Lv. 15 - Clod Fling;Lv. 21 - Stored Rain;"
    "Lv. 26 - Spine Volley;Lv. 31 - Sprout Heal;Lv. 37 - Desert Bloom;Lv. 42 - Dune Hush;"
    "Lv. 47 - Quake Throb;Lv. 53 - Cactus Bloom;";
static const char machinesSpindurra[] = "8;10;18;27;28;35;38;40;41;46;55;58;64;69;71;84;-;1;4;";
/* 409 Skimpa */
static const char movesSkimpa[] =
    "Sticky Pad;Croak;Lv. 4 - Bright Skin Flash;Lv. 7 - Twig Leap;Lv. 11 - Bitter Slime;"
    "Lv. 16 - Flap Glide;";
/* 410 Skimpador */
static const char movesSkimpador[] =
    "Sticky Pad;Croak;Lv. 4 - Bright Skin Flash;Lv. 8 - Twig Leap;Lv. 12 - Bitter Slime;"
    "Lv. 16 - Flap Glide;Lv. 20 - Toe Pad Slap;Lv. 24 - Canopy Drop;Lv. 28 - Venom Sheen;"
    "Lv. 32 - Sail Spread;Lv. 36 - Treetop Volley;";
/* 411 Skimparex */
static const char movesSkimparex[] =
    "Sticky Pad;Croak;Lv. 3 - Bright Skin Flash;Lv. 7 - Twig Leap;Lv. 12 - Bitter Slime;"
    "Lv. 16 - Flap Glide;Lv. 20 - Toe Pad Slap;Lv. 24 - Canopy Drop;Lv. 29 - Venom Sheen;"
    "Lv. 33 - Sail Spread;Lv. 37 - Treetop Volley;Lv. 41 - Frill Throat Boom;Lv. 46 - Toxic Dewfall;"
    "Lv. 50 - Great Glide Descent;Lv. 54 - Warning Stripes;";
static const char machinesSkimparex[] = "5;6;12;17;23;56;58;61;63;66;82;87;90;91;-;2;3;6;";
/* 412 Tessinek */
static const char movesTessinek[] =
    "Snout Twitch;Scrap Grab;Lv. 6 - Twig Gather;Lv. 12 - Scurry;Lv. 19 - Nibble;"
    "Lv. 25 - Hide Under Leaf;";
/* 413 Tessamira */
/* woven reed house */
static const char movesTessamiraReed[] =
    "Snout Twitch;Scrap Grab;Twig Gather;Lv. 5 - Reed Weave;Lv. 10 - Basket Shelter;Lv. 14 - Leaf Thatch;"
    "Lv. 19 - Hideaway;Lv. 23 - Grass Rope Snare;Lv. 28 - Green Roof;Lv. 33 - Woven Wall;"
    "Lv. 37 - Homebuilder Pride;Lv. 42 - Meadow Nest;";
/* fired clay house */
static const char movesTessamiraClay[] =
    "Snout Twitch;Scrap Grab;Twig Gather;Lv. 5 - Clay Knead;Lv. 10 - Urn Shelter;Lv. 14 - Potters Wheel;"
    "Lv. 19 - Hideaway;Lv. 23 - Kiln Bake;Lv. 28 - Clay Plaster;Lv. 33 - Fired Shell;"
    "Lv. 37 - Homebuilder Pride;Lv. 42 - Terracotta Bash;";
/* tin dome house */
static const char movesTessamiraTin[] =
    "Snout Twitch;Scrap Grab;Twig Gather;Lv. 5 - Tin Hammer;Lv. 10 - Dome Shelter;Lv. 14 - Rivet Tap;"
    "Lv. 19 - Hideaway;Lv. 23 - Sheet Metal Fold;Lv. 28 - Clanging Roof;Lv. 33 - Solder Seal;"
    "Lv. 37 - Homebuilder Pride;Lv. 42 - Tinsmith Bash;";
static const char machinesTessamira[] = "8;11;17;38;41;46;55;58;64;69;71;74;75;82;84;88;-;1;4;";
/* 414 Tessarok */
static const char movesTessarok[] =
    "Snout Twitch;Scrap Grab;Scurry;Lv. 5 - Midnight Errand;Lv. 9 - Shortcut;Lv. 14 - Whipcrack;"
    "Lv. 19 - Stripe Blur;Lv. 24 - Dusk Courier;Lv. 30 - Back Alley Dash;Lv. 34 - Moonless Relay;"
    "Lv. 39 - Whip Tail Flurry;Lv. 44 - Vanishing Run;";
static const char machinesTessarok[] = "1;17;39;41;54;58;60;72;74;77;82;88;-;";
/* 415 Formikit */
static const char movesFormikit[] =
    "Mandible Snip;Lv. 6 - Crumb Carry;Lv. 11 - Tunnel Scurry;Lv. 17 - Formic Spray;Lv. 24 - Colony Call;"
    "Lv. 29 - Nest Guard;Lv. 35 - Soil Heave;";
static const char machinesFormikit[] = "10;28;35;40;41;49;75;83;-;8;";
/* 416 Formiregia */
static const char movesFormiregia[] =
    "Mandible Snip;Soil Scoop;Lv. 4 - Crumb Carry;Lv. 9 - Tunnel Scurry;Lv. 15 - Formic Spray;"
    "Lv. 20 - Colony Call;Lv. 25 - Nest Guard;Lv. 31 - Soil Heave;Lv. 36 - Larder Raid;"
    "Lv. 41 - Royal Decree;Lv. 47 - Queens Brood;Lv. 52 - Hill Collapse;";
static const char machinesFormiregia[] = "2;10;15;17;18;27;28;35;40;41;49;58;75;82;83;-;2;8;";
/* 417 Tikkerel */
static const char movesTikkerel[] =
    "Wall Cling;Tongue Crackle;Lv. 5 - Zigzag Wag;Lv. 10 - Wire Bask;Lv. 16 - Tail Charging;"
    "Lv. 22 - Crackle Dash;Lv. 29 - Skin Moult;Lv. 34 - Live Wire Leap;Lv. 40 - Arc Tail Whip;";
static const char machinesTikkerel[] = "12;21;41;48;58;80;81;92;-;3;";
/* 418 Porrib */
static const char movesPorrib[] =
    "Seabed Roll;Pore Squirt;Lv. 4 - Filter Feed;Lv. 9 - Seabed Tumble;Lv. 15 - Sponge Soak;"
    "Lv. 20 - Grit Spicule;Lv. 25 - Spout Jet;Lv. 31 - Silt Cloud;";
static const char machinesPorrib[] = "29;89;-;5;";
/* 419 Porrifex */
static const char movesPorrifex[] =
    "Seabed Roll;Pore Squirt;Lv. 3 - Filter Feed;Lv. 7 - Seabed Tumble;Lv. 12 - Sponge Soak;"
    "Lv. 16 - Grit Spicule;Lv. 22 - Spout Jet;Lv. 26 - Silica Lattice;Lv. 31 - Silt Cloud;"
    "Lv. 35 - Reef Chimney;Lv. 41 - Glass Spine Volley;Lv. 45 - Wring Out;";
static const char machinesPorrifex[] = "7;11;17;26;29;32;36;57;59;73;79;82;85;89;-;2;5;";
/* 420 Stakki */
static const char movesStakki[] =
    "Wobble;Glimmer Eye;Lv. 6 - Pebble Clack;Lv. 12 - Wayside Moan;Lv. 19 - Toppling Scare;"
    "Lv. 25 - Cold Stone Touch;Lv. 31 - Chalk Sign;Lv. 38 - Rocking Walk;";
static const char machinesStakki[] = "7;20;39;51;58;59;73;";
/* 421 Stakkorum */
static const char movesStakkorum[] =
    "Wobble;Glimmer Eye;Lv. 4 - Pebble Clack;Lv. 9 - Wayside Moan;Lv. 14 - Toppling Scare;"
    "Lv. 18 - Cold Stone Touch;Lv. 23 - Chalk Sign;Lv. 28 - Rocking Walk;Lv. 33 - Lost Path Lure;"
    "Lv. 37 - Slab Shove;Lv. 42 - Barrow Chill;Lv. 47 - Cairn Collapse;Lv. 52 - Milestone Curse;";
static const char machinesStakkorum[] = "7;11;17;20;22;32;36;39;44;51;58;59;73;74;82;-;2;4;";
/* 422 Yetilo */
static const char movesYetilo[] =
    "Snow Pat;Grumble;Lv. 5 - Snowball Lob;Lv. 11 - Chilly Hug;Lv. 17 - Snowdrift Burrow;"
    "Lv. 24 - Frostbound Trample;Lv. 30 - Snowslide Call;";
static const char machinesYetilo[] = "12;-;1;3;4;";
/* 423 Yetimaruk */
static const char movesYetimaruk[] =
    "Snow Pat;Grumble;Lv. 5 - Snowball Lob;Lv. 10 - Chilly Hug;Lv. 15 - Snowdrift Burrow;"
    "Lv. 20 - Frostbound Trample;Lv. 26 - Snowslide Call;Lv. 31 - Long Winter Sleep;Lv. 36 - Hailfist;"
    "Lv. 41 - Glacier Carry;Lv. 47 - Peak Bellow;Lv. 52 - Whiteout;";
static const char machinesYetimaruk[] = "7;12;17;37;38;43;46;58;67;74;76;78;82;-;1;2;3;4;";
/* 424 Lampyrix */
static const char movesLampyrix[] =
    "Lid Flicker;Glow;Lv. 7 - Blink Signal;Lv. 14 - Blink Dazzle;Lv. 20 - Meadow Flit;Lv. 28 - Firefly Dance;"
    "Lv. 35 - Lantern Glow Wave;Lv. 41 - Lightning Bug Swarm;";
static const char machinesLampyrix[] = "2;15;21;34;41;48;49;58;75;80;81;83;92;";
/* 425 Renlumi */
static const char movesRenlumi[] =
    "Brush Flick;Curious Sniff;Lv. 4 - Glow Tip Lure;Lv. 9 - Fox Fire Illusion;Lv. 15 - Kit Leap;"
    "Lv. 21 - Thought Nudge;Lv. 26 - Mirage Tails;";
static const char machinesRenlumi[] = "33;41;50;58;88;";
/* 426 Renmystel */
static const char movesRenmystel[] =
    "Brush Flick;Curious Sniff;Lv. 5 - Glow Tip Lure;Lv. 10 - Fox Fire Illusion;Lv. 15 - Kit Leap;"
    "Lv. 20 - Thought Nudge;Lv. 25 - Mirage Tails;Lv. 30 - Moon Trance;Lv. 35 - Spirit Dance;"
    "Lv. 40 - Nine Paths Riddle;Lv. 45 - Astral Howl;";
static const char machinesRenmystel[] = "17;24;33;34;48;50;52;53;58;82;88;-;7;";
/* 427 Rhombi */
static const char movesRhombi[] =
    "Grain Flutter;Bury;Lv. 4 - Dune Swim;Lv. 9 - Eye Stalk Scan;Lv. 15 - Grain Jet;"
    "Lv. 20 - Shifting Sands;Lv. 25 - Buried Lunge;";
static const char machinesRhombi[] = "10;18;27;28;35;82;-;8;";
/* 428 Rhombadune */
static const char movesRhombadune[] =
    "Grain Flutter;Bury;Lv. 5 - Dune Swim;Lv. 9 - Eye Stalk Scan;Lv. 14 - Grain Jet;"
    "Lv. 19 - Shifting Sands;Lv. 25 - Buried Lunge;Lv. 29 - Quicksand Pull;Lv. 34 - Venom Barb;"
    "Lv. 39 - Dune Swell;Lv. 45 - Fringe Ripple;Lv. 49 - Whip Tail Sting;";
static const char machinesRhombadune[] = "5;6;10;17;18;27;28;35;40;56;58;82;87;91;-;2;8;";
/* 429 Kowadrak */
static const char movesKowadrak[] =
    "Clang;Anvil Sparks;Lv. 4 - Hammer Tail Strike;Lv. 10 - Anvil Brace;Lv. 15 - Forge Ring;"
    "Lv. 22 - Red Hot Iron;Lv. 28 - Temper;Lv. 33 - Smithy Din;Lv. 40 - Hammerfall;"
    "Lv. 46 - Cold Quenching;";
static const char machinesKowadrak[] = "3;7;13;41;65;68;70;74;82;86;-;4;";
/* 430 Haybogle */
static const char movesHaybogle[] =
    "Straw Flap;Stand Still;Lv. 5 - Crow Scare;Lv. 11 - Chaff Spray;Lv. 17 - Harvest Dance;"
    "Lv. 24 - Field Watch;Lv. 30 - Scythe Sweep;Lv. 36 - Stubble Fire Dare;Lv. 43 - Haystack Hide;";
static const char machinesHaybogle[] = "8;38;39;41;46;54;55;64;69;71;82;84;-;1;4;";
/* 431 Urchet */
static const char movesUrchet[] =
    "Ball Up;Quill Bristle;Lv. 5 - Static Roll;Lv. 11 - Charged Quills;Lv. 18 - Sniff Out;"
    "Lv. 24 - Quill Rivet;";
static const char machinesUrchet[] = "21;58;81;92;-;";
/* 432 Urchaton */
static const char movesUrchaton[] =
    "Ball Up;Quill Bristle;Lv. 5 - Static Roll;Lv. 10 - Charged Quills;Lv. 15 - Sniff Out;"
    "Lv. 21 - Quill Rivet;Lv. 26 - Charged Curl;Lv. 31 - Leaf Litter Dash;Lv. 37 - Volt Bristle;"
    "Lv. 42 - Bristle Tempest;";
static const char machinesUrchaton[] = "21;48;58;80;81;82;92;";
/* 433 Nimbubb */
static const char movesNimbubb[] = "Puff;Float;Lv. 8 - Drizzle Sneeze;Lv. 17 - Cloud Nap;";
/* 434 Skitrel */
static const char movesSkitrel[] =
    "Web Spin;Skitter;Lv. 5 - Glue Thread;Lv. 11 - Leg Tap;Lv. 18 - Silk Shroud;Lv. 24 - Venom Nip;"
    "Lv. 30 - Trapline;";
static const char machinesSkitrel[] = "2;11;12;41;49;75;-;3;";
/* 435 Skitnoctis */
static const char movesSkitnoctis[] =
    "Web Spin;Skitter;Lv. 4 - Glue Thread;Lv. 9 - Leg Tap;Lv. 14 - Silk Shroud;Lv. 19 - Venom Nip;"
    "Lv. 23 - Trapline;Lv. 28 - Moonlit Weaving;Lv. 33 - Eight Eyes Glare;Lv. 38 - Cocooning;"
    "Lv. 42 - Funnel Ambush;Lv. 47 - Umbral Web;";
static const char machinesSkitnoctis[] = "1;2;11;12;15;17;39;49;54;58;60;72;75;77;83;-;1;3;";
/* 436 Rimelin */
static const char movesRimelin[] =
    "Cold Nuzzle;Hoof Tap;Lv. 6 - Crystal Breath;Lv. 12 - Glassy Leap;Lv. 19 - Antler Sparkle;"
    "Lv. 25 - Frozen Stream Run;Lv. 32 - Prism Glint;";
static const char machinesRimelin[] = "37;58;67;-;";
/* 437 Rimehart */
static const char movesRimehart[] =
    "Cold Nuzzle;Hoof Tap;Lv. 5 - Crystal Breath;Lv. 10 - Glassy Leap;Lv. 16 - Antler Sparkle;"
    "Lv. 21 - Frozen Stream Run;Lv. 26 - Prism Glint;Lv. 32 - Ice Antler Ram;Lv. 37 - Winter Vigil;"
    "Lv. 42 - Hoarfrost Aura;Lv. 48 - Frost Glitter Field;";
static const char machinesRimehart[] = "17;37;41;43;67;76;78;82;-;2;";
/* 438 Gibbit */
static const char movesGibbit[] =
    "Chest Pat;Swing;Lv. 5 - Fist Bump;Lv. 11 - Liana Swing;Lv. 16 - Knuckle Walk;Lv. 22 - Branch Snap;";
static const char machinesGibbit[] = "12;38;47;-;1;3;4;";
/* 439 Gibbrawl */
static const char movesGibbrawl[] =
    "Chest Pat;Swing;Lv. 5 - Fist Bump;Lv. 10 - Liana Swing;Lv. 15 - Knuckle Walk;Lv. 21 - Branch Snap;"
    "Lv. 26 - Chest Thump;Lv. 31 - Fruit Hurl;Lv. 37 - Troop Call;Lv. 42 - Wrist Band Slam;";
static const char machinesGibbrawl[] = "7;9;12;38;46;47;58;82;-;1;3;4;";
/* 440 Gibbrutus */
static const char movesGibbrutus[] =
    "Chest Pat;Swing;Lv. 5 - Fist Bump;Lv. 10 - Liana Swing;Lv. 15 - Knuckle Walk;Lv. 20 - Branch Snap;"
    "Lv. 26 - Chest Thump;Lv. 31 - Fruit Hurl;Lv. 36 - Troop Call;Lv. 41 - Wrist Band Slam;"
    "Lv. 47 - Canopy Crash;Lv. 52 - Silverback Stand;Lv. 57 - Jungle Quake;";
static const char machinesGibbrutus[] = "7;9;12;17;30;38;41;46;47;74;82;-;1;2;3;4;";
/* 441 Samovik */
static const char movesSamovik[] =
    "Steam Whistle;Lid Rattle;Lv. 6 - Boil Over;Lv. 11 - Tea Pour;Lv. 19 - Hot Tea Spill;"
    "Lv. 25 - Warm Brew;Lv. 30 - Samovar Song;Lv. 38 - Kettle Rumble;Lv. 44 - Warm Welcome;";
static const char machinesSamovik[] = "4;14;16;17;34;45;46;48;58;-;7;";
/* 442 Gardolith */
static const char movesGardolith[] =
    "Statue Stare;Crouch;Lv. 8 - Gate Guard;Lv. 15 - Granite Paw;Lv. 23 - Temple Rumble;"
    "Lv. 30 - Pedestal Pose;Lv. 37 - Lion Leap;Lv. 45 - Carved Mane Shake;Lv. 52 - Ancient Vigil;";
static const char machinesGardolith[] = "7;11;17;32;36;58;59;73;74;82;-;2;4;";
/* 443 Druzik */
static const char movesDruzik[] =
    "Crystal Nibble;Scrabble;Lv. 5 - Six Leg Scuttle;Lv. 11 - Geode Chew;Lv. 17 - Grit Breath;"
    "Lv. 24 - Cave Echo Roar;";
static const char machinesDruzik[] = "19;35;42;58;-;8;";
/* 444 Druzavor */
static const char movesDruzavor[] =
    "Crystal Nibble;Scrabble;Lv. 5 - Six Leg Scuttle;Lv. 10 - Geode Chew;Lv. 16 - Grit Breath;"
    "Lv. 21 - Cave Echo Roar;Lv. 26 - Glitter Spit;Lv. 32 - Stalactite Drop;Lv. 37 - Drake Hide Plates;"
    "Lv. 42 - Crystal Hoard;Lv. 48 - Deep Vein Tunnel;";
static const char machinesDruzavor[] = "10;19;31;42;58;62;-;8;";
/* 445 Druzaroth */
static const char movesDruzaroth[] =
    "Crystal Nibble;Scrabble;Lv. 5 - Six Leg Scuttle;Lv. 10 - Geode Chew;Lv. 15 - Grit Breath;"
    "Lv. 15 - Cave Echo Roar;Lv. 20 - Glitter Spit;Lv. 24 - Stalactite Drop;Lv. 29 - Drake Hide Plates;"
    "Lv. 34 - Crystal Hoard;Lv. 34 - Deep Vein Tunnel;Lv. 39 - Amethyst Gleam;"
    "Lv. 43 - Crystal Back Shatter;Lv. 48 - Cavern Rush;Lv. 53 - Geode Split;Lv. 53 - Mountain Heart;";
static const char machinesDruzaroth[] = "7;10;11;17;19;25;31;32;35;36;42;58;59;62;73;74;82;-;2;4;8;";
/* 446 Scutarro */
static const char movesScutarro[] =
    "Roll Up;Snout Rooting;Lv. 6 - Plate Armour;Lv. 13 - Ant Slurp;Lv. 19 - Rolling Ram;"
    "Lv. 27 - Metal Band Brace;Lv. 34 - Tunnel Roll;Lv. 40 - Burrow Fortress;";
static const char machinesScutarro[] = "3;10;13;18;27;28;35;40;58;65;68;70;82;86;-;8;";
/* 447 Ardipip */
static const char movesArdipip[] =
    "Reed Stalk;Wade;Lv. 5 - Bill Jab;Lv. 11 - Still Water Wait;Lv. 17 - Frog Snatch;Lv. 24 - Stilt Step;"
    "Lv. 30 - Mist Preen;";
static const char machinesArdipip[] = "26;57;89;-;5;";
/* 448 Ardeagris */
static const char movesArdeagris[] =
    "Reed Stalk;Wade;Lv. 5 - Bill Jab;Lv. 10 - Still Water Wait;Lv. 15 - Frog Snatch;Lv. 20 - Stilt Step;"
    "Lv. 25 - Mist Preen;Lv. 30 - Marsh Takeoff;Lv. 35 - Spear Plunge;Lv. 40 - Grey Wing Sweep;"
    "Lv. 45 - Lakeshore Dance;";
static const char machinesArdeagris[] = "23;26;29;57;58;61;63;66;79;82;85;89;90;-;2;5;6;";
/* 449 Scarbit */
static const char movesScarbit[] =
    "Crawl;Greens Munch;Lv. 6 - Hinge Snap;Lv. 13 - Righting Flip;Lv. 21 - Stone Plating;";
/* 450 Scarabrax */
static const char movesScarabrax[] =
    "Crawl;Greens Munch;Lv. 6 - Hinge Snap;Lv. 11 - Righting Flip;Lv. 17 - Stone Plating;"
    "Lv. 22 - Click Leap;Lv. 27 - Carapace Block;Lv. 33 - Snapback Toss;Lv. 38 - Thunderclap Flip;";
static const char machinesScarabrax[] = "2;7;11;15;32;36;41;49;59;73;74;75;82;83;-;4;";
/* 451 Limaxel */
static const char movesLimaxel[] =
    "Slime Trail;Eye Stalk Sway;Lv. 5 - Bitter Mucus;Lv. 11 - Glow Stalks;Lv. 16 - Dizzy Shimmer;"
    "Lv. 22 - Corrosive Smear;Lv. 28 - Mantle Ripple;";
static const char machinesLimaxel[] = "12;56;58;87;91;-;3;";
/* 452 Limaxora */
static const char movesLimaxora[] =
    "Slime Trail;Eye Stalk Sway;Lv. 4 - Bitter Mucus;Lv. 9 - Glow Stalks;Lv. 14 - Dizzy Shimmer;"
    "Lv. 18 - Corrosive Smear;Lv. 23 - Mantle Ripple;Lv. 28 - Trance Pattern;Lv. 33 - Frill Unfurl;"
    "Lv. 37 - Caustic Slime;Lv. 42 - Mesmer Mantle;Lv. 47 - Slow Dissolve;";
static const char machinesLimaxora[] = "5;6;12;24;33;41;50;52;53;56;82;87;91;-;3;";
/* 453 Talpik */
static const char movesTalpik[] =
    "Snout Poke;Soil Push;Lv. 6 - Dirt Flinging;Lv. 13 - Worm Sniff;Lv. 19 - Molehill Pop;"
    "Lv. 26 - Claw Rake Dig;";
static const char machinesTalpik[] = "10;18;27;35;40;-;8;";
/* 454 Talpagrond */
static const char movesTalpagrond[] =
    "Snout Poke;Soil Push;Lv. 6 - Dirt Flinging;Lv. 12 - Worm Sniff;Lv. 17 - Molehill Pop;"
    "Lv. 23 - Claw Rake Dig;Lv. 29 - Tunnel Rush;Lv. 34 - Burrow Tremor;Lv. 40 - Burrow Bastion;"
    "Lv. 46 - Deep Delve;";
static const char machinesTalpagrond[] = "7;10;18;27;28;35;40;41;58;74;82;-;4;8;";
/* 455 Studnik */
static const char movesStudnik[] =
    "Rope Swing;Slosh;Lv. 5 - Well Echo;Lv. 11 - Cold Dip;Lv. 16 - Bucket Drop;Lv. 23 - Dusk Rise;"
    "Lv. 29 - Frayed Rope Lash;Lv. 35 - Drowned Wish;Lv. 40 - Dark Well Pull;Lv. 47 - Rusty Handle Creak;";
static const char machinesStudnik[] = "17;20;22;26;29;39;44;51;57;58;79;85;89;-;5;";
/* 456 Anguiz */
static const char movesAnguiz[] =
    "Wriggle;Static Flick;Lv. 6 - Eel Coil;Lv. 13 - Static Skin;Lv. 21 - Silt Hide;Lv. 28 - Jolting Nip;";
static const char machinesAnguiz[] = "21;29;34;48;58;80;81;-;5;7;";
/* 457 Anguvolt */
static const char movesAnguvolt[] =
    "Wriggle;Static Flick;Lv. 5 - Eel Coil;Lv. 10 - Static Skin;Lv. 16 - Silt Hide;Lv. 22 - Jolting Nip;"
    "Lv. 27 - River Lash;Lv. 33 - Charged Whirl;Lv. 39 - Voltage Surge;Lv. 44 - Floodplain Squall;";
static const char machinesAnguvolt[] = "17;21;26;29;34;48;57;58;79;80;81;82;85;89;92;-;2;5;7;";
/* 458 Lophira */
static const char movesLophira[] =
    "Lure Sway;Gape;Lv. 7 - Deep Glow;Lv. 15 - Snap Jaw;Lv. 22 - Dark Water Wait;Lv. 31 - Abyss Gulp;"
    "Lv. 39 - Pressure Crush;Lv. 46 - Lantern Mirage;";
static const char machinesLophira[] = "1;17;26;29;34;48;54;57;58;60;72;77;79;85;89;-;5;7;";
/* 459 Anthelle */
static const char movesAnthelle[] =
    "Bud Sway;Bud Peek;Lv. 5 - Nectar Sip;Lv. 11 - Dew Drop;Lv. 18 - Pollen Twirl;Lv. 24 - Blossom Veil;";
static const char machinesAnthelle[] = "8;58;69;71;84;-;";
/* 460 Anthoria */
static const char movesAnthoria[] =
    "Bud Sway;Bud Peek;Lv. 5 - Nectar Sip;Lv. 10 - Dew Drop;Lv. 16 - Pollen Twirl;Lv. 22 - Blossom Veil;"
    "Lv. 27 - Honeyed Air;Lv. 33 - Meadow Song Hum;Lv. 39 - Garland Loop;Lv. 44 - Full Bloom;";
static const char machinesAnthoria[] = "8;38;41;46;55;64;69;71;82;84;-;1;4;";
/* 461 Krukal */
static const char movesKrukal[] =
    "Caw;Hop;Lv. 4 - Shiny Snatch;Lv. 9 - Spoon Tap;Lv. 15 - Hoard Hide;Lv. 21 - Borrowed Call;"
    "Lv. 26 - Glint Stoop;Lv. 32 - Ash Wing Buffet;Lv. 38 - Flock Gathering;Lv. 43 - Trinket Barrage;";
static const char machinesKrukal[] = "17;23;41;58;61;63;66;74;82;88;90;-;6;";
/* 462 Cogvalier */
static const char movesCogvalier[] =
    "Cog Turn;Salute;Lv. 5 - Lance Thrust;Lv. 10 - Tower Shield;Lv. 15 - Piston Lunge;"
    "Lv. 25 - Knights Vow;Lv. 30 - Cog Bulwark;Lv. 35 - Clockwork Joust;Lv. 45 - Steel Vow Oath;";
static const char machinesCogvalier[] = "3;7;13;38;41;46;65;68;70;74;82;86;-;1;4;";
/* 463 Bradypo */
static const char movesBradypo[] =
    "Hang;Slow Blink;Lv. 3 - Moss Graze;Lv. 10 - Fern Shade;Lv. 18 - Lazy Swipe;Lv. 27 - Canopy Drowse;"
    "Lv. 34 - Drip Feed;Lv. 42 - Fur Garden;Lv. 51 - Gentle Hug;Lv. 58 - Forest Patience;";
static const char machinesBradypo[] = "8;12;39;41;54;55;58;64;69;71;84;-;3;";
/* 464 Scoriak */
static const char movesScoriak[] =
    "Lava Drip;Scorch Grip;Lv. 10 - Molten Knuckle;Lv. 14 - Basalt Skin;Lv. 23 - Vent Blast;"
    "Lv. 27 - Crater Trample;Lv. 36 - Obsidian Shear;Lv. 40 - Slag Flood;Lv. 49 - Pyroclast Hurl;";
static const char machinesScoriak[] = "4;7;10;11;14;16;17;32;34;35;36;41;45;46;48;59;73;74;82;-;4;7;8;";
/* 465 Nymphella */
static const char movesNymphella[] =
    "Float Leaf;Pond Bloom;Lv. 5 - Lily Sway;Lv. 13 - Frog Perch;Lv. 20 - Still Pond Calm;"
    "Lv. 28 - Nectar Drip;Lv. 36 - Water Lily Whirl;Lv. 43 - Lotus Light;";
static const char machinesNymphella[] = "8;26;29;41;55;57;58;64;69;71;79;84;85;89;-;5;";
/* 466 Krupavel */
static const char movesKrupavel[] =
    "Wave Skim;Cold Cry;Lv. 5 - Sleet Skim;Lv. 10 - Storm Riding;Lv. 17 - Icy Spray Dive;"
    "Lv. 23 - Petrel Patter;Lv. 28 - Gale Shelter;Lv. 35 - Frozen Crest Dive;Lv. 41 - Whitecap Sweep;";
static const char machinesKrupavel[] = "17;23;29;37;43;61;63;66;67;76;78;82;89;90;-;5;6;";
/* 467 Skokarun */
static const char movesSkokarun[] =
    "Stamp;Hop;Lv. 4 - Dust Scuff;Lv. 8 - Long Bound;Lv. 14 - Haunch Rest;Lv. 19 - Dust Cloud Veil;"
    "Lv. 26 - Big Foot Thump;Lv. 30 - Outback Sprint;Lv. 36 - Quaking Landing;Lv. 41 - Drought Dance;";
static const char machinesSkokarun[] = "7;10;17;18;27;28;35;40;58;74;82;-;4;";
/* 468 Lullamb */
static const char movesLullamb[] =
    "Woolly Nuzzle;Baa;Lv. 6 - Slumber Bleat;Lv. 14 - Fleece Pillow;Lv. 23 - Counting Hop;";
static const char machinesLullamb[] = "17;41;58;74;82;88;";
/* 469 Mantiverd */
static const char movesMantiverd[] =
    "Prayer Pose;Foliage Mimicry;Lv. 6 - Moss Sickle;Lv. 14 - Twig Stillness;Lv. 15 - Scything Arms;"
    "Lv. 23 - Green Ambush;Lv. 24 - Lichen Cloak;Lv. 32 - Reaping Strike;Lv. 33 - Forest Judgement;";
static const char machinesMantiverd[] = "2;8;15;17;30;47;49;55;58;64;69;71;75;83;84;-;4;";
/* 470 Melesko */
static const char movesMelesko[] =
    "Snuffle;Scrape;Lv. 6 - Sett Delving;Lv. 12 - Stripe Warning;Lv. 19 - Root Grub;Lv. 25 - Den Defence;";
static const char machinesMelesko[] = "10;17;35;41;58;88;-;8;";
/* 471 Melesgrund */
static const char movesMelesgrund[] =
    "Snuffle;Scrape;Lv. 5 - Sett Delving;Lv. 10 - Stripe Warning;Lv. 16 - Root Grub;Lv. 21 - Den Defence;"
    "Lv. 26 - Bristle Rush;Lv. 32 - Tunnel Network;Lv. 37 - Badger Barrel;Lv. 42 - Elder Sett Guard;";
static const char machinesMelesgrund[] = "7;10;17;35;41;58;74;82;88;-;4;8;";
/* 472 Gargrim */
static const char movesGargrim[] =
    "Perch;Gargoyle Glower;Lv. 8 - Cornice Drop;Lv. 18 - Spout Spit;Lv. 20 - Nightfall Waking;"
    "Lv. 30 - Granite Pinions;Lv. 32 - Roof Watch;Lv. 42 - Crumbling Plunge;Lv. 44 - Belfry Terror;";
static const char machinesGargrim[] = "7;11;17;23;32;36;39;54;58;59;61;63;66;73;74;82;90;-;4;6;";
/* 473 Narwhelm */
static const char movesNarwhelm[] =
    "Tusk Poke;Chill Spout;Lv. 6 - Floe Ram;Lv. 13 - Polar Plunge;Lv. 19 - Ice Lance Tusk;"
    "Lv. 27 - Pod Song;Lv. 34 - Arctic Current;Lv. 40 - Frozen Sea Charge;Lv. 48 - Aurora Tusk;";
static const char machinesNarwhelm[] = "17;29;37;43;67;76;78;82;89;-;2;5;";
/* 474 Orikran */
static const char movesOrikran[] =
    "Paper Fold;Flutter;Lv. 4 - Crease Cut;Lv. 10 - Leaf Paper Glide;Lv. 17 - Origami Shift;"
    "Lv. 25 - Folded Wings;Lv. 31 - Folded Crane Flock;Lv. 38 - Paper Flurry;";
static const char machinesOrikran[] = "8;23;41;55;61;63;64;66;69;71;82;84;90;-;6;";
/* 475 Knurwald */
static const char movesKnurwald[] =
    "Tusk Toss;Snort;Lv. 9 - Root Grubbing;Lv. 12 - Wallow;Lv. 15 - Moss Ridge Bristle;"
    "Lv. 27 - Tusk Rake;Lv. 39 - Acorn Feast;Lv. 47 - Lone Charge;Lv. 55 - Old Growth Rampage;";
static const char machinesKnurwald[] = "7;8;10;17;35;41;55;58;64;69;71;74;82;84;88;-;2;4;8;";
/* 476 Caprigrat */
static const char movesCaprigrat[] =
    "Bell Clink;Sure Foot;Lv. 4 - Cliff Hop;Lv. 7 - Frosted Horn;Lv. 12 - Ice Ledge Leap;"
    "Lv. 19 - Crag Butt;Lv. 28 - Glacier Climb;Lv. 39 - Snowslide Horn;Lv. 45 - Summit Bell Toll;";
static const char machinesCaprigrat[] = "7;11;12;17;32;36;37;43;58;59;67;73;76;78;-;3;";
/* 477 Nyxalis */
static const char movesNyxalis[] =
    "Silent Step;Smoke Curl;Lv. 4 - Gloom Hiss;Lv. 6 - Nine Lives Trick;Lv. 15 - Lamp Eyes;"
    "Lv. 17 - Moonless Leap;Lv. 26 - Smoke Tail Veil;Lv. 28 - Haunt Purr;Lv. 37 - Dusk Vanishing;";
static const char machinesNyxalis[] = "1;20;22;39;44;51;54;58;60;72;77;82;88;-;";
/* 478 Sutorella */
static const char movesSutorella[] =
    "Needle Beak;Tail Cock;Lv. 6 - Thread Pull;Lv. 13 - Leaf Stitch;Lv. 19 - Grass Thread Snare;"
    "Lv. 27 - Hanging Nest;Lv. 34 - Darning Dart;Lv. 40 - Pouch Swing;Lv. 48 - Seamstress Flurry;";
static const char machinesSutorella[] = "11;17;23;41;58;61;63;66;74;75;82;88;90;-;1;6;";
/* 479 Catenor */
static const char movesCatenor[] =
    "Link Rattle;Loop Up;Lv. 5 - Anchor Snag;Lv. 9 - Chain Lash;Lv. 15 - Harbour Drag;"
    "Lv. 24 - Rust Bloom;Lv. 36 - Tidal Drag;Lv. 42 - Mooring Grip;Lv. 50 - Keel Crusher;"
    "Lv. 60 - Deep Chain Vortex;Lv. 69 - Leviathan Links;";
static const char machinesCatenor[] = "3;7;13;17;26;29;57;58;65;68;70;74;79;82;85;86;89;-;2;4;5;";
/* 480 Balaenor */
static const char movesBalaenor[] =
    "Blowhole Puff;Deep Call;Lv. 3 - Reef Shelter;Lv. 6 - Krill Sweep;Lv. 11 - Flipper Smack;"
    "Lv. 19 - Coral Hump Ram;Lv. 32 - Whale Song;Lv. 38 - Ocean Breach;Lv. 48 - Abyssal Descent;"
    "Lv. 57 - Living Reef;";
static const char machinesBalaenor[] = "17;26;29;41;57;79;82;85;89;-;2;5;";
/* 481 Sphyrex */
static const char movesSphyrex[] =
    "Riddle;Desert Gaze;Lv. 12 - Paw of Judgement;Lv. 24 - Desert Mirage;Lv. 27 - Stone Wings Spread;"
    "Lv. 39 - Ancient Puzzle;Lv. 42 - Pyramid Focus;Lv. 54 - Sun Disc Glare;Lv. 60 - Answer or Fall;";
static const char machinesSphyrex[] = "17;24;33;50;52;53;58;82;88;-;2;";
/* 482 Glaciath */
static const char movesGlaciath[] =
    "Creak;Cold Stand;Lv. 15 - Tripod Stride;Lv. 30 - Sea Stack Stand;Lv. 32 - Hanging Icicles;"
    "Lv. 47 - Frozen Column;Lv. 49 - Brine Freeze;Lv. 61 - Glacier Calving;Lv. 65 - Polar Night Stand;";
static const char machinesGlaciath[] = "7;17;37;41;43;58;67;74;76;78;82;-;2;4;";
/* 483 Pyrelk */
static const char movesPyrelk[] =
    "Cinder Snort;Antler Glow;Lv. 4 - Burning Antlers;Lv. 8 - Ash Trail;Lv. 12 - Forest Fire Run;"
    "Lv. 18 - Coal Hoof;Lv. 24 - Blazing Rut;Lv. 33 - Wildfire Crown;Lv. 42 - Rekindled Antlers;";
static const char machinesPyrelk[] = "4;14;16;17;34;45;46;48;58;-;2;7;";
/* 484 Bryotitan */
static const char movesBryotitan[] =
    "Lumber;Moss Coat;Lv. 20 - Boulder Moss;Lv. 30 - Root Trample;Lv. 40 - Ancient Grove;"
    "Lv. 45 - Fern Fist;Lv. 50 - Peat Bog Sink;Lv. 60 - Old Forest Wrath;Lv. 67 - Titan Overgrowth;";
static const char machinesBryotitan[] = "7;8;17;38;46;55;58;64;69;71;74;82;84;-;1;2;4;";
/* 485 Noctuel */
static const char movesNoctuel[] =
    "Dust Scales;Dusk Flit;Lv. 6 - Moon Circling;Lv. 12 - Scale Shower;Lv. 15 - Dark Lamp Lure;"
    "Lv. 24 - Owlet Mimic Eyes;Lv. 27 - Midnight Flutter;Lv. 36 - Drowsy Dust;Lv. 39 - Eclipse Wings;";
static const char machinesNoctuel[] = "1;2;15;39;41;49;54;60;72;75;77;82;83;";
/* 486 Torpedra */
static const char movesTorpedra[] =
    "Ray Glide;Static Hum;Lv. 7 - Sand Bed Hide;Lv. 9 - Numbing Touch;Lv. 20 - Wing Fin Beat;"
    "Lv. 22 - Deep Sea Jolt;Lv. 33 - Storm Front Glide;Lv. 35 - Thunderhead Plunge;"
    "Lv. 46 - Ocean Lightning;";
static const char machinesTorpedra[] = "17;21;26;29;34;41;48;57;79;80;81;82;85;89;92;-;2;5;7;";
/* 487 Astrogel */
static const char movesAstrogel[] =
    "Star Flicker;Drift;Lv. 3 - Star Throb;Lv. 8 - Gel Wobble;Lv. 16 - Nebula Glow;Lv. 29 - Trailing Glow;"
    "Lv. 33 - Pull of Stars;Lv. 40 - Constellation;Lv. 51 - Supernova Shiver;";
static const char machinesAstrogel[] = "24;33;34;48;50;52;53;58;82;-;7;";
/* 488 Miasmorr */
static const char movesMiasmorr[] =
    "Creep;Lantern Eyes;Lv. 13 - Bog Mist;Lv. 26 - Will of the Marsh;Lv. 32 - Fever Fog;"
    "Lv. 32 - Hundred Eyes Stare;Lv. 43 - Rot Cloud;Lv. 49 - Swallowing Fog;"
    "Lv. 57 - Drowned Lantern Host;Lv. 64 - Endless Mire;";
static const char machinesMiasmorr[] = "5;6;17;20;22;39;41;44;51;54;56;58;82;87;91;-;2;";
/* 489 Rizolet */
static const char movesRizolet[] =
    "Bob;Sprout;Lv. 6 - Tide Drift;Lv. 13 - Salt Sip;Lv. 20 - Root Dangle;Lv. 26 - Brackish Spray;";
static const char machinesRizolet[] = "26;29;58;79;85;89;-;5;";
/* 490 Rizomarra */
static const char movesRizomarra[] =
    "Bob;Sprout;Lv. 5 - Tide Drift;Lv. 10 - Salt Sip;Lv. 15 - Root Dangle;Lv. 21 - Brackish Spray;"
    "Lv. 26 - Stilt Root Stride;Lv. 31 - Fish Shelter;Lv. 37 - Mangrove Tangle;Lv. 42 - High Tide Surge;"
    "Lv. 47 - Canopy Rain;";
static const char machinesRizomarra[] = "8;26;29;41;55;57;58;64;69;71;79;84;85;89;-;2;5;";
/* 491 Terrox */
static const char movesTerrox[] =
    "Plough;Lowing;Lv. 12 - Deep Furrow;Lv. 24 - Horn Heave;Lv. 36 - Field Shake;Lv. 48 - Yoke Strength;"
    "Lv. 54 - Clod Hurl;Lv. 60 - Landslide Lunge;Lv. 70 - Continental Heave;";
static const char machinesTerrox[] = "7;10;17;18;27;28;35;40;58;74;82;-;2;4;8;";
/* 492 Zarlibela */
static const char movesZarlibela[] =
    "Wing Whirr;Compound Gaze;Lv. 5 - Lava Skim;Lv. 12 - Glow Tail Flick;Lv. 21 - Four Wing Hover;"
    "Lv. 24 - Heat Shimmer Dart;Lv. 35 - Molten Dew Sip;Lv. 41 - Caldera Swoop;Lv. 54 - Cinder Swarm;"
    "Lv. 59 - Lava Lake Mirage;";
static const char machinesZarlibela[] = "4;14;16;17;23;34;45;46;48;61;63;66;82;90;-;6;7;";
/* 493 Orrimbar */
static const char movesOrrimbar[] =
    "Slumber;Weather Dream;Lv. 9 - Mountain Coil;Lv. 21 - Drizzle Dreaming;Lv. 27 - Ancient Sigh;"
    "Lv. 39 - Cloud Shaping;Lv. 45 - Coil Tremor;Lv. 57 - Stormcloud Dream;Lv. 63 - Season Turning;"
    "Lv. 75 - World Memory;Lv. 81 - Waking Squall;";
static const char machinesOrrimbar[] = "17;19;24;25;31;33;41;42;50;52;53;62;82;-;2;";

const unsigned short formPicture[FORM_COUNT] = {IDB_PICTURE_BASE + FORM_ENTRY, IDB_FORM1_PICTURE,
                                                IDB_FORM2_PICTURE};
const unsigned short formSecondaryTypeIcon[FORM_COUNT] = {IDB_TYPE_GRASS, IDB_TYPE_GROUND, IDB_TYPE_STEEL};
const char *const formMoveListText[FORM_COUNT] = {movesTessamiraReed, movesTessamiraClay, movesTessamiraTin};

void InitCatalogue()
{
    /* clang-format off */
    /* 387 Brazzik */  moveListText[1] = movesBrazzik;         machineListText[1] = machinesBrazzik;       heightCm[1] = 30;    weightTenthKg[1] = 42;     primaryTypeIcon[1] = IDB_TYPE_FIRE;       secondaryTypeIcon[1] = NO_SECOND_TYPE;
    /* 388 Brazzomot */ moveListText[2] = movesBrazzomot;       machineListText[2] = machinesBrazzomot;     heightCm[2] = 80;    weightTenthKg[2] = 230;    primaryTypeIcon[2] = IDB_TYPE_FIRE;       secondaryTypeIcon[2] = NO_SECOND_TYPE;
    /* 389 Brazzagrun */ moveListText[3] = movesBrazzagrun;      machineListText[3] = machinesBrazzagrun;    heightCm[3] = 170;   weightTenthKg[3] = 1250;   primaryTypeIcon[3] = IDB_TYPE_FIRE;       secondaryTypeIcon[3] = IDB_TYPE_GROUND;
    /* 390 Coilet */   moveListText[4] = movesCoilet;          machineListText[4] = machinesPondSnails;    heightCm[4] = 20;    weightTenthKg[4] = 9;      primaryTypeIcon[4] = IDB_TYPE_WATER;      secondaryTypeIcon[4] = NO_SECOND_TYPE;
    /* 391 Coilumar */ moveListText[5] = movesCoilumar;        machineListText[5] = machinesPondSnails;    heightCm[5] = 45;    weightTenthKg[5] = 85;     primaryTypeIcon[5] = IDB_TYPE_WATER;      secondaryTypeIcon[5] = NO_SECOND_TYPE;
    /* 392 Coilossus */ moveListText[6] = movesCoilossus;       machineListText[6] = machinesCoilossus;     heightCm[6] = 120;   weightTenthKg[6] = 1450;   primaryTypeIcon[6] = IDB_TYPE_WATER;      secondaryTypeIcon[6] = NO_SECOND_TYPE;
    /* 393 Puszel */   moveListText[7] = movesPuszel;          machineListText[7] = machinesPuszel;        heightCm[7] = 28;    weightTenthKg[7] = 22;     primaryTypeIcon[7] = IDB_TYPE_NORMAL;     secondaryTypeIcon[7] = IDB_TYPE_FLYING;
    /* 394 Puszkrad */ moveListText[8] = movesPuszkrad;        machineListText[8] = machinesPuszkrad;      heightCm[8] = 70;    weightTenthKg[8] = 118;    primaryTypeIcon[8] = IDB_TYPE_PSYCHIC;    secondaryTypeIcon[8] = IDB_TYPE_FLYING;
    /* 395 Puszmagos */ moveListText[9] = movesPuszmagos;       machineListText[9] = machinesPuszmagos;     heightCm[9] = 160;   weightTenthKg[9] = 395;    primaryTypeIcon[9] = IDB_TYPE_PSYCHIC;    secondaryTypeIcon[9] = IDB_TYPE_FLYING;
    /* 396 Mycelet */  moveListText[10] = movesMycelet;        machineListText[10] = machinesMycelet;      heightCm[10] = 35;   weightTenthKg[10] = 40;    primaryTypeIcon[10] = IDB_TYPE_GRASS;     secondaryTypeIcon[10] = IDB_TYPE_POISON;
    /* 397 Mycelorn */ moveListText[11] = movesMycelorn;       machineListText[11] = machinesMycelorn;     heightCm[11] = 110;  weightTenthKg[11] = 305;   primaryTypeIcon[11] = IDB_TYPE_GRASS;     secondaryTypeIcon[11] = IDB_TYPE_POISON;
    /* 398 Rubblit */  moveListText[12] = movesRubblit;        machineListText[12] = machinesRubbleGolems; heightCm[12] = 40;   weightTenthKg[12] = 180;   primaryTypeIcon[12] = IDB_TYPE_ROCK;      secondaryTypeIcon[12] = NO_SECOND_TYPE;
    /* 399 Rubblor */  moveListText[13] = movesRubblor;        machineListText[13] = machinesRubbleGolems; heightCm[13] = 110;  weightTenthKg[13] = 1050;  primaryTypeIcon[13] = IDB_TYPE_ROCK;      secondaryTypeIcon[13] = NO_SECOND_TYPE;
    /* 400 Rubbrawn */ moveListText[14] = movesRubbrawn;       machineListText[14] = machinesRubbrawn;     heightCm[14] = 205;  weightTenthKg[14] = 3300;  primaryTypeIcon[14] = IDB_TYPE_ROCK;      secondaryTypeIcon[14] = IDB_TYPE_FIGHTING;
    /* 401 Medulo */   moveListText[15] = movesMedulo;         machineListText[15] = machinesMedulo;       heightCm[15] = 30;   weightTenthKg[15] = 8;     primaryTypeIcon[15] = IDB_TYPE_WATER;     secondaryTypeIcon[15] = IDB_TYPE_ELECTRIC;
    /* 402 Medulume */ moveListText[16] = movesMedulume;       machineListText[16] = machinesMedulume;     heightCm[16] = 150;  weightTenthKg[16] = 420;   primaryTypeIcon[16] = IDB_TYPE_WATER;     secondaryTypeIcon[16] = IDB_TYPE_ELECTRIC;
    /* 403 Wulfin */   moveListText[17] = movesWulfin;         machineListText[17] = machinesWulfin;       heightCm[17] = 55;   weightTenthKg[17] = 95;    primaryTypeIcon[17] = IDB_TYPE_DARK;      secondaryTypeIcon[17] = NO_SECOND_TYPE;
    /* 404 Wulfrost */ moveListText[18] = movesWulfrost;       machineListText[18] = machinesWulfrost;     heightCm[18] = 140;  weightTenthKg[18] = 620;   primaryTypeIcon[18] = IDB_TYPE_DARK;      secondaryTypeIcon[18] = IDB_TYPE_ICE;
    /* 405 Klakkit */  moveListText[19] = movesKlakkit;        machineListText[19] = machinesKlakkit;      heightCm[19] = 30;   weightTenthKg[19] = 62;    primaryTypeIcon[19] = IDB_TYPE_WATER;     secondaryTypeIcon[19] = NO_SECOND_TYPE;
    /* 406 Klakkuro */ moveListText[20] = movesKlakkuro;       machineListText[20] = machinesKlakkuro;     heightCm[20] = 115;  weightTenthKg[20] = 680;   primaryTypeIcon[20] = IDB_TYPE_WATER;     secondaryTypeIcon[20] = IDB_TYPE_FIGHTING;
    /* 407 Spindu */   moveListText[21] = movesSpindu;         machineListText[21] = machinesSpindu;       heightCm[21] = 25;   weightTenthKg[21] = 30;    primaryTypeIcon[21] = IDB_TYPE_GRASS;     secondaryTypeIcon[21] = NO_SECOND_TYPE;
    /* 408 Spindurra */ moveListText[22] = movesSpindurra;      machineListText[22] = machinesSpindurra;    heightCm[22] = 170;  weightTenthKg[22] = 540;   primaryTypeIcon[22] = IDB_TYPE_GRASS;     secondaryTypeIcon[22] = IDB_TYPE_GROUND;
    /* 409 Skimpa */   moveListText[23] = movesSkimpa;         machineListText[23] = machinesYoungFrogs;   heightCm[23] = 21;   weightTenthKg[23] = 12;    primaryTypeIcon[23] = IDB_TYPE_POISON;    secondaryTypeIcon[23] = IDB_TYPE_FLYING;
    /* 410 Skimpador */ moveListText[24] = movesSkimpador;      machineListText[24] = machinesYoungFrogs;   heightCm[24] = 55;   weightTenthKg[24] = 64;    primaryTypeIcon[24] = IDB_TYPE_POISON;    secondaryTypeIcon[24] = IDB_TYPE_FLYING;
    /* 411 Skimparex */ moveListText[25] = movesSkimparex;      machineListText[25] = machinesSkimparex;    heightCm[25] = 130;  weightTenthKg[25] = 290;   primaryTypeIcon[25] = IDB_TYPE_POISON;    secondaryTypeIcon[25] = IDB_TYPE_FLYING;
    /* 412 Tessinek */ moveListText[26] = movesTessinek;       machineListText[26] = machinesNone;         heightCm[26] = 22;   weightTenthKg[26] = 5;     primaryTypeIcon[26] = IDB_TYPE_NORMAL;    secondaryTypeIcon[26] = NO_SECOND_TYPE;
    /* 413 Tessamira */ moveListText[27] = movesTessamiraReed;  machineListText[27] = machinesTessamira;    heightCm[27] = 48;   weightTenthKg[27] = 70;    primaryTypeIcon[27] = IDB_TYPE_NORMAL;    secondaryTypeIcon[27] = IDB_TYPE_GRASS;
    /* 414 Tessarok */ moveListText[28] = movesTessarok;       machineListText[28] = machinesTessarok;     heightCm[28] = 60;   weightTenthKg[28] = 95;    primaryTypeIcon[28] = IDB_TYPE_NORMAL;    secondaryTypeIcon[28] = IDB_TYPE_DARK;
    /* 415 Formikit */ moveListText[29] = movesFormikit;       machineListText[29] = machinesFormikit;     heightCm[29] = 40;   weightTenthKg[29] = 70;    primaryTypeIcon[29] = IDB_TYPE_INSECT;    secondaryTypeIcon[29] = IDB_TYPE_GROUND;
    /* 416 Formiregia */ moveListText[30] = movesFormiregia;     machineListText[30] = machinesFormiregia;   heightCm[30] = 150;  weightTenthKg[30] = 890;   primaryTypeIcon[30] = IDB_TYPE_INSECT;    secondaryTypeIcon[30] = IDB_TYPE_GROUND;
    /* 417 Tikkerel */ moveListText[31] = movesTikkerel;       machineListText[31] = machinesTikkerel;     heightCm[31] = 35;   weightTenthKg[31] = 25;    primaryTypeIcon[31] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[31] = NO_SECOND_TYPE;
    /* 418 Porrib */   moveListText[32] = movesPorrib;         machineListText[32] = machinesPorrib;       heightCm[32] = 35;   weightTenthKg[32] = 120;   primaryTypeIcon[32] = IDB_TYPE_WATER;     secondaryTypeIcon[32] = NO_SECOND_TYPE;
    /* 419 Porrifex */ moveListText[33] = movesPorrifex;       machineListText[33] = machinesPorrifex;     heightCm[33] = 170;  weightTenthKg[33] = 980;   primaryTypeIcon[33] = IDB_TYPE_WATER;     secondaryTypeIcon[33] = IDB_TYPE_ROCK;
    /* 420 Stakki */   moveListText[34] = movesStakki;         machineListText[34] = machinesStakki;       heightCm[34] = 45;   weightTenthKg[34] = 260;   primaryTypeIcon[34] = IDB_TYPE_GHOST;     secondaryTypeIcon[34] = IDB_TYPE_ROCK;
    /* 421 Stakkorum */ moveListText[35] = movesStakkorum;      machineListText[35] = machinesStakkorum;    heightCm[35] = 190;  weightTenthKg[35] = 2400;  primaryTypeIcon[35] = IDB_TYPE_GHOST;     secondaryTypeIcon[35] = IDB_TYPE_ROCK;
    /* 422 Yetilo */   moveListText[36] = movesYetilo;         machineListText[36] = machinesYetilo;       heightCm[36] = 70;   weightTenthKg[36] = 280;   primaryTypeIcon[36] = IDB_TYPE_ICE;       secondaryTypeIcon[36] = NO_SECOND_TYPE;
    /* 423 Yetimaruk */ moveListText[37] = movesYetimaruk;      machineListText[37] = machinesYetimaruk;    heightCm[37] = 230;  weightTenthKg[37] = 2750;  primaryTypeIcon[37] = IDB_TYPE_ICE;       secondaryTypeIcon[37] = NO_SECOND_TYPE;
    /* 424 Lampyrix */ moveListText[38] = movesLampyrix;       machineListText[38] = machinesLampyrix;     heightCm[38] = 35;   weightTenthKg[38] = 6;     primaryTypeIcon[38] = IDB_TYPE_INSECT;    secondaryTypeIcon[38] = IDB_TYPE_ELECTRIC;
    /* 425 Renlumi */  moveListText[39] = movesRenlumi;        machineListText[39] = machinesRenlumi;      heightCm[39] = 45;   weightTenthKg[39] = 88;    primaryTypeIcon[39] = IDB_TYPE_PSYCHIC;   secondaryTypeIcon[39] = NO_SECOND_TYPE;
    /* 426 Renmystel */ moveListText[40] = movesRenmystel;      machineListText[40] = machinesRenmystel;    heightCm[40] = 120;  weightTenthKg[40] = 270;   primaryTypeIcon[40] = IDB_TYPE_PSYCHIC;   secondaryTypeIcon[40] = NO_SECOND_TYPE;
    /* 427 Rhombi */   moveListText[41] = movesRhombi;         machineListText[41] = machinesRhombi;       heightCm[41] = 30;   weightTenthKg[41] = 110;   primaryTypeIcon[41] = IDB_TYPE_GROUND;    secondaryTypeIcon[41] = NO_SECOND_TYPE;
    /* 428 Rhombadune */ moveListText[42] = movesRhombadune;     machineListText[42] = machinesRhombadune;   heightCm[42] = 120;  weightTenthKg[42] = 1080;  primaryTypeIcon[42] = IDB_TYPE_GROUND;    secondaryTypeIcon[42] = IDB_TYPE_POISON;
    /* 429 Kowadrak */ moveListText[43] = movesKowadrak;       machineListText[43] = machinesKowadrak;     heightCm[43] = 70;   weightTenthKg[43] = 1650;  primaryTypeIcon[43] = IDB_TYPE_STEEL;     secondaryTypeIcon[43] = NO_SECOND_TYPE;
    /* 430 Haybogle */ moveListText[44] = movesHaybogle;       machineListText[44] = machinesHaybogle;     heightCm[44] = 170;  weightTenthKg[44] = 220;   primaryTypeIcon[44] = IDB_TYPE_GRASS;     secondaryTypeIcon[44] = NO_SECOND_TYPE;
    /* 431 Urchet */   moveListText[45] = movesUrchet;         machineListText[45] = machinesUrchet;       heightCm[45] = 25;   weightTenthKg[45] = 28;    primaryTypeIcon[45] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[45] = NO_SECOND_TYPE;
    /* 432 Urchaton */ moveListText[46] = movesUrchaton;       machineListText[46] = machinesUrchaton;     heightCm[46] = 60;   weightTenthKg[46] = 190;   primaryTypeIcon[46] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[46] = NO_SECOND_TYPE;
    /* 433 Nimbubb */  moveListText[47] = movesNimbubb;        machineListText[47] = machinesNone;         heightCm[47] = 20;   weightTenthKg[47] = 3;     primaryTypeIcon[47] = IDB_TYPE_NORMAL;    secondaryTypeIcon[47] = NO_SECOND_TYPE;
    /* 434 Skitrel */  moveListText[48] = movesSkitrel;        machineListText[48] = machinesSkitrel;      heightCm[48] = 30;   weightTenthKg[48] = 20;    primaryTypeIcon[48] = IDB_TYPE_INSECT;    secondaryTypeIcon[48] = NO_SECOND_TYPE;
    /* 435 Skitnoctis */ moveListText[49] = movesSkitnoctis;     machineListText[49] = machinesSkitnoctis;   heightCm[49] = 100;  weightTenthKg[49] = 330;   primaryTypeIcon[49] = IDB_TYPE_INSECT;    secondaryTypeIcon[49] = IDB_TYPE_DARK;
    /* 436 Rimelin */  moveListText[50] = movesRimelin;        machineListText[50] = machinesRimelin;      heightCm[50] = 70;   weightTenthKg[50] = 180;   primaryTypeIcon[50] = IDB_TYPE_ICE;       secondaryTypeIcon[50] = NO_SECOND_TYPE;
    /* 437 Rimehart */ moveListText[51] = movesRimehart;       machineListText[51] = machinesRimehart;     heightCm[51] = 180;  weightTenthKg[51] = 1400;  primaryTypeIcon[51] = IDB_TYPE_ICE;       secondaryTypeIcon[51] = NO_SECOND_TYPE;
    /* 438 Gibbit */   moveListText[52] = movesGibbit;         machineListText[52] = machinesGibbit;       heightCm[52] = 50;   weightTenthKg[52] = 115;   primaryTypeIcon[52] = IDB_TYPE_FIGHTING;  secondaryTypeIcon[52] = NO_SECOND_TYPE;
    /* 439 Gibbrawl */ moveListText[53] = movesGibbrawl;       machineListText[53] = machinesGibbrawl;     heightCm[53] = 110;  weightTenthKg[53] = 420;   primaryTypeIcon[53] = IDB_TYPE_FIGHTING;  secondaryTypeIcon[53] = NO_SECOND_TYPE;
    /* 440 Gibbrutus */ moveListText[54] = movesGibbrutus;      machineListText[54] = machinesGibbrutus;    heightCm[54] = 210;  weightTenthKg[54] = 1750;  primaryTypeIcon[54] = IDB_TYPE_FIGHTING;  secondaryTypeIcon[54] = NO_SECOND_TYPE;
    /* 441 Samovik */  moveListText[55] = movesSamovik;        machineListText[55] = machinesSamovik;      heightCm[55] = 50;   weightTenthKg[55] = 160;   primaryTypeIcon[55] = IDB_TYPE_FIRE;      secondaryTypeIcon[55] = NO_SECOND_TYPE;
    /* 442 Gardolith */ moveListText[56] = movesGardolith;      machineListText[56] = machinesGardolith;    heightCm[56] = 160;  weightTenthKg[56] = 2900;  primaryTypeIcon[56] = IDB_TYPE_ROCK;      secondaryTypeIcon[56] = NO_SECOND_TYPE;
    /* 443 Druzik */   moveListText[57] = movesDruzik;         machineListText[57] = machinesDruzik;       heightCm[57] = 60;   weightTenthKg[57] = 95;    primaryTypeIcon[57] = IDB_TYPE_DRAGON;    secondaryTypeIcon[57] = NO_SECOND_TYPE;
    /* 444 Druzavor */ moveListText[58] = movesDruzavor;       machineListText[58] = machinesDruzavor;     heightCm[58] = 240;  weightTenthKg[58] = 880;   primaryTypeIcon[58] = IDB_TYPE_DRAGON;    secondaryTypeIcon[58] = NO_SECOND_TYPE;
    /* 445 Druzaroth */ moveListText[59] = movesDruzaroth;      machineListText[59] = machinesDruzaroth;    heightCm[59] = 541;  weightTenthKg[59] = 4100;  primaryTypeIcon[59] = IDB_TYPE_DRAGON;    secondaryTypeIcon[59] = IDB_TYPE_ROCK;
    /* 446 Scutarro */ moveListText[60] = movesScutarro;       machineListText[60] = machinesScutarro;     heightCm[60] = 90;   weightTenthKg[60] = 520;   primaryTypeIcon[60] = IDB_TYPE_GROUND;    secondaryTypeIcon[60] = IDB_TYPE_STEEL;
    /* 447 Ardipip */  moveListText[61] = movesArdipip;        machineListText[61] = machinesArdipip;      heightCm[61] = 45;   weightTenthKg[61] = 42;    primaryTypeIcon[61] = IDB_TYPE_WATER;     secondaryTypeIcon[61] = NO_SECOND_TYPE;
    /* 448 Ardeagris */ moveListText[62] = movesArdeagris;      machineListText[62] = machinesArdeagris;    heightCm[62] = 150;  weightTenthKg[62] = 210;   primaryTypeIcon[62] = IDB_TYPE_WATER;     secondaryTypeIcon[62] = IDB_TYPE_FLYING;
    /* 449 Scarbit */  moveListText[63] = movesScarbit;        machineListText[63] = machinesNone;         heightCm[63] = 25;   weightTenthKg[63] = 30;    primaryTypeIcon[63] = IDB_TYPE_INSECT;    secondaryTypeIcon[63] = NO_SECOND_TYPE;
    /* 450 Scarabrax */ moveListText[64] = movesScarabrax;      machineListText[64] = machinesScarabrax;    heightCm[64] = 90;   weightTenthKg[64] = 380;   primaryTypeIcon[64] = IDB_TYPE_INSECT;    secondaryTypeIcon[64] = IDB_TYPE_ROCK;
    /* 451 Limaxel */  moveListText[65] = movesLimaxel;        machineListText[65] = machinesLimaxel;      heightCm[65] = 40;   weightTenthKg[65] = 35;    primaryTypeIcon[65] = IDB_TYPE_POISON;    secondaryTypeIcon[65] = NO_SECOND_TYPE;
    /* 452 Limaxora */ moveListText[66] = movesLimaxora;       machineListText[66] = machinesLimaxora;     heightCm[66] = 160;  weightTenthKg[66] = 420;   primaryTypeIcon[66] = IDB_TYPE_POISON;    secondaryTypeIcon[66] = IDB_TYPE_PSYCHIC;
    /* 453 Talpik */   moveListText[67] = movesTalpik;         machineListText[67] = machinesTalpik;       heightCm[67] = 30;   weightTenthKg[67] = 80;    primaryTypeIcon[67] = IDB_TYPE_GROUND;    secondaryTypeIcon[67] = NO_SECOND_TYPE;
    /* 454 Talpagrond */ moveListText[68] = movesTalpagrond;     machineListText[68] = machinesTalpagrond;   heightCm[68] = 110;  weightTenthKg[68] = 720;   primaryTypeIcon[68] = IDB_TYPE_GROUND;    secondaryTypeIcon[68] = NO_SECOND_TYPE;
    /* 455 Studnik */  moveListText[69] = movesStudnik;        machineListText[69] = machinesStudnik;      heightCm[69] = 50;   weightTenthKg[69] = 40;    primaryTypeIcon[69] = IDB_TYPE_GHOST;     secondaryTypeIcon[69] = IDB_TYPE_WATER;
    /* 456 Anguiz */   moveListText[70] = movesAnguiz;         machineListText[70] = machinesAnguiz;       heightCm[70] = 90;   weightTenthKg[70] = 110;   primaryTypeIcon[70] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[70] = NO_SECOND_TYPE;
    /* 457 Anguvolt */ moveListText[71] = movesAnguvolt;       machineListText[71] = machinesAnguvolt;     heightCm[71] = 280;  weightTenthKg[71] = 960;   primaryTypeIcon[71] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[71] = IDB_TYPE_WATER;
    /* 458 Lophira */  moveListText[72] = movesLophira;        machineListText[72] = machinesLophira;      heightCm[72] = 120;  weightTenthKg[72] = 880;   primaryTypeIcon[72] = IDB_TYPE_WATER;     secondaryTypeIcon[72] = IDB_TYPE_DARK;
    /* 459 Anthelle */ moveListText[73] = movesAnthelle;       machineListText[73] = machinesAnthelle;     heightCm[73] = 30;   weightTenthKg[73] = 18;    primaryTypeIcon[73] = IDB_TYPE_GRASS;     secondaryTypeIcon[73] = NO_SECOND_TYPE;
    /* 460 Anthoria */ moveListText[74] = movesAnthoria;       machineListText[74] = machinesAnthoria;     heightCm[74] = 90;   weightTenthKg[74] = 120;   primaryTypeIcon[74] = IDB_TYPE_GRASS;     secondaryTypeIcon[74] = NO_SECOND_TYPE;
    /* 461 Krukal */   moveListText[75] = movesKrukal;         machineListText[75] = machinesKrukal;       heightCm[75] = 90;   weightTenthKg[75] = 145;   primaryTypeIcon[75] = IDB_TYPE_NORMAL;    secondaryTypeIcon[75] = IDB_TYPE_FLYING;
    /* 462 Cogvalier */ moveListText[76] = movesCogvalier;      machineListText[76] = machinesCogvalier;    heightCm[76] = 190;  weightTenthKg[76] = 1900;  primaryTypeIcon[76] = IDB_TYPE_STEEL;     secondaryTypeIcon[76] = NO_SECOND_TYPE;
    /* 463 Bradypo */  moveListText[77] = movesBradypo;        machineListText[77] = machinesBradypo;      heightCm[77] = 140;  weightTenthKg[77] = 560;   primaryTypeIcon[77] = IDB_TYPE_GRASS;     secondaryTypeIcon[77] = NO_SECOND_TYPE;
    /* 464 Scoriak */  moveListText[78] = movesScoriak;        machineListText[78] = machinesScoriak;      heightCm[78] = 200;  weightTenthKg[78] = 3800;  primaryTypeIcon[78] = IDB_TYPE_ROCK;      secondaryTypeIcon[78] = IDB_TYPE_FIRE;
    /* 465 Nymphella */ moveListText[79] = movesNymphella;      machineListText[79] = machinesNymphella;    heightCm[79] = 100;  weightTenthKg[79] = 260;   primaryTypeIcon[79] = IDB_TYPE_GRASS;     secondaryTypeIcon[79] = IDB_TYPE_WATER;
    /* 466 Krupavel */ moveListText[80] = movesKrupavel;       machineListText[80] = machinesKrupavel;     heightCm[80] = 80;   weightTenthKg[80] = 75;    primaryTypeIcon[80] = IDB_TYPE_ICE;       secondaryTypeIcon[80] = IDB_TYPE_FLYING;
    /* 467 Skokarun */ moveListText[81] = movesSkokarun;       machineListText[81] = machinesSkokarun;     heightCm[81] = 180;  weightTenthKg[81] = 850;   primaryTypeIcon[81] = IDB_TYPE_GROUND;    secondaryTypeIcon[81] = NO_SECOND_TYPE;
    /* 468 Lullamb */  moveListText[82] = movesLullamb;        machineListText[82] = machinesLullamb;      heightCm[82] = 40;   weightTenthKg[82] = 60;    primaryTypeIcon[82] = IDB_TYPE_NORMAL;    secondaryTypeIcon[82] = NO_SECOND_TYPE;
    /* 469 Mantiverd */ moveListText[83] = movesMantiverd;      machineListText[83] = machinesMantiverd;    heightCm[83] = 150;  weightTenthKg[83] = 320;   primaryTypeIcon[83] = IDB_TYPE_INSECT;    secondaryTypeIcon[83] = IDB_TYPE_GRASS;
    /* 470 Melesko */  moveListText[84] = movesMelesko;        machineListText[84] = machinesMelesko;      heightCm[84] = 50;   weightTenthKg[84] = 95;    primaryTypeIcon[84] = IDB_TYPE_NORMAL;    secondaryTypeIcon[84] = NO_SECOND_TYPE;
    /* 471 Melesgrund */ moveListText[85] = movesMelesgrund;     machineListText[85] = machinesMelesgrund;   heightCm[85] = 110;  weightTenthKg[85] = 560;   primaryTypeIcon[85] = IDB_TYPE_NORMAL;    secondaryTypeIcon[85] = NO_SECOND_TYPE;
    /* 472 Gargrim */  moveListText[86] = movesGargrim;        machineListText[86] = machinesGargrim;      heightCm[86] = 160;  weightTenthKg[86] = 2050;  primaryTypeIcon[86] = IDB_TYPE_ROCK;      secondaryTypeIcon[86] = IDB_TYPE_FLYING;
    /* 473 Narwhelm */ moveListText[87] = movesNarwhelm;       machineListText[87] = machinesNarwhelm;     heightCm[87] = 380;  weightTenthKg[87] = 2900;  primaryTypeIcon[87] = IDB_TYPE_ICE;       secondaryTypeIcon[87] = NO_SECOND_TYPE;
    /* 474 Orikran */  moveListText[88] = movesOrikran;        machineListText[88] = machinesOrikran;      heightCm[88] = 130;  weightTenthKg[88] = 35;    primaryTypeIcon[88] = IDB_TYPE_GRASS;     secondaryTypeIcon[88] = IDB_TYPE_FLYING;
    /* 475 Knurwald */ moveListText[89] = movesKnurwald;       machineListText[89] = machinesKnurwald;     heightCm[89] = 120;  weightTenthKg[89] = 1650;  primaryTypeIcon[89] = IDB_TYPE_GRASS;     secondaryTypeIcon[89] = IDB_TYPE_NORMAL;
    /* 476 Caprigrat */ moveListText[90] = movesCaprigrat;      machineListText[90] = machinesCaprigrat;    heightCm[90] = 150;  weightTenthKg[90] = 950;   primaryTypeIcon[90] = IDB_TYPE_ROCK;      secondaryTypeIcon[90] = IDB_TYPE_ICE;
    /* 477 Nyxalis */  moveListText[91] = movesNyxalis;        machineListText[91] = machinesNyxalis;      heightCm[91] = 100;  weightTenthKg[91] = 240;   primaryTypeIcon[91] = IDB_TYPE_GHOST;     secondaryTypeIcon[91] = IDB_TYPE_DARK;
    /* 478 Sutorella */ moveListText[92] = movesSutorella;      machineListText[92] = machinesSutorella;    heightCm[92] = 22;   weightTenthKg[92] = 11;    primaryTypeIcon[92] = IDB_TYPE_NORMAL;    secondaryTypeIcon[92] = IDB_TYPE_FLYING;
    /* 479 Catenor */  moveListText[93] = movesCatenor;        machineListText[93] = machinesCatenor;      heightCm[93] = 420;  weightTenthKg[93] = 4300;  primaryTypeIcon[93] = IDB_TYPE_STEEL;     secondaryTypeIcon[93] = IDB_TYPE_WATER;
    /* 480 Balaenor */ moveListText[94] = movesBalaenor;       machineListText[94] = machinesBalaenor;     heightCm[94] = 530;  weightTenthKg[94] = 7500;  primaryTypeIcon[94] = IDB_TYPE_WATER;     secondaryTypeIcon[94] = NO_SECOND_TYPE;
    /* 481 Sphyrex */  moveListText[95] = movesSphyrex;        machineListText[95] = machinesSphyrex;      heightCm[95] = 250;  weightTenthKg[95] = 3250;  primaryTypeIcon[95] = IDB_TYPE_PSYCHIC;   secondaryTypeIcon[95] = NO_SECOND_TYPE;
    /* 482 Glaciath */ moveListText[96] = movesGlaciath;       machineListText[96] = machinesGlaciath;     heightCm[96] = 310;  weightTenthKg[96] = 6800;  primaryTypeIcon[96] = IDB_TYPE_ICE;       secondaryTypeIcon[96] = NO_SECOND_TYPE;
    /* 483 Pyrelk */   moveListText[97] = movesPyrelk;         machineListText[97] = machinesPyrelk;       heightCm[97] = 220;  weightTenthKg[97] = 1880;  primaryTypeIcon[97] = IDB_TYPE_FIRE;      secondaryTypeIcon[97] = NO_SECOND_TYPE;
    /* 484 Bryotitan */ moveListText[98] = movesBryotitan;      machineListText[98] = machinesBryotitan;    heightCm[98] = 400;  weightTenthKg[98] = 5200;  primaryTypeIcon[98] = IDB_TYPE_GRASS;     secondaryTypeIcon[98] = NO_SECOND_TYPE;
    /* 485 Noctuel */  moveListText[99] = movesNoctuel;        machineListText[99] = machinesNoctuel;      heightCm[99] = 130;  weightTenthKg[99] = 310;   primaryTypeIcon[99] = IDB_TYPE_INSECT;    secondaryTypeIcon[99] = IDB_TYPE_DARK;
    /* 486 Torpedra */ moveListText[100] = movesTorpedra;      machineListText[100] = machinesTorpedra;    heightCm[100] = 300; weightTenthKg[100] = 1560; primaryTypeIcon[100] = IDB_TYPE_ELECTRIC; secondaryTypeIcon[100] = IDB_TYPE_WATER;
    /* 487 Astrogel */ moveListText[101] = movesAstrogel;      machineListText[101] = machinesAstrogel;    heightCm[101] = 110; weightTenthKg[101] = 45;   primaryTypeIcon[101] = IDB_TYPE_PSYCHIC;  secondaryTypeIcon[101] = NO_SECOND_TYPE;
    /* 488 Miasmorr */ moveListText[102] = movesMiasmorr;      machineListText[102] = machinesMiasmorr;    heightCm[102] = 470; weightTenthKg[102] = 1330; primaryTypeIcon[102] = IDB_TYPE_GHOST;    secondaryTypeIcon[102] = IDB_TYPE_POISON;
    /* 489 Rizolet */  moveListText[103] = movesRizolet;       machineListText[103] = machinesRizolet;     heightCm[103] = 40;  weightTenthKg[103] = 36;   primaryTypeIcon[103] = IDB_TYPE_WATER;    secondaryTypeIcon[103] = NO_SECOND_TYPE;
    /* 490 Rizomarra */ moveListText[104] = movesRizomarra;     machineListText[104] = machinesRizomarra;   heightCm[104] = 150; weightTenthKg[104] = 440;  primaryTypeIcon[104] = IDB_TYPE_WATER;    secondaryTypeIcon[104] = IDB_TYPE_GRASS;
    /* 491 Terrox */   moveListText[105] = movesTerrox;        machineListText[105] = machinesTerrox;      heightCm[105] = 260; weightTenthKg[105] = 5600; primaryTypeIcon[105] = IDB_TYPE_GROUND;   secondaryTypeIcon[105] = NO_SECOND_TYPE;
    /* 492 Zarlibela */ moveListText[106] = movesZarlibela;     machineListText[106] = machinesZarlibela;   heightCm[106] = 150; weightTenthKg[106] = 260;  primaryTypeIcon[106] = IDB_TYPE_FIRE;     secondaryTypeIcon[106] = IDB_TYPE_FLYING;
    /* 493 Orrimbar */ moveListText[107] = movesOrrimbar;      machineListText[107] = machinesOrrimbar;    heightCm[107] = 390; weightTenthKg[107] = 3400; primaryTypeIcon[107] = IDB_TYPE_DRAGON;   secondaryTypeIcon[107] = IDB_TYPE_PSYCHIC;

    tmLabel[1] =  "TM01 - Alley Trick";
    tmLabel[2] =  "TM02 - Antennae Sense";
    tmLabel[3] =  "TM03 - Anvil Drop";
    tmLabel[4] =  "TM04 - Bellows Breath";
    tmLabel[5] =  "TM05 - Blister Spit";
    tmLabel[6] =  "TM06 - Bog Reek";
    tmLabel[7] =  "TM07 - Boulder Shrug";
    tmLabel[8] =  "TM08 - Bramble Hedge";
    tmLabel[9] =  "TM09 - Brawler Oath";
    tmLabel[10] = "TM10 - Burrow Ambush";
    tmLabel[11] = "TM11 - Cairn Stack";
    tmLabel[12] = "TM12 - Cartwheel Heel";
    tmLabel[13] = "TM13 - Chain Swing";
    tmLabel[14] = "TM14 - Chimney Plume";
    tmLabel[15] = "TM15 - Chitin Plate";
    tmLabel[16] = "TM16 - Cinder Rain";
    tmLabel[17] = "TM17 - Clatter Din";
    tmLabel[18] = "TM18 - Clay Cast";
    tmLabel[19] = "TM19 - Coiled Menace";
    tmLabel[20] = "TM20 - Cold Shiver";
    tmLabel[21] = "TM21 - Crackle Net";
    tmLabel[22] = "TM22 - Creaking Floor";
    tmLabel[23] = "TM23 - Crosswind Veer";
    tmLabel[24] = "TM24 - Dizzy Pattern";
    tmLabel[25] = "TM25 - Drakefire Sigh";
    tmLabel[26] = "TM26 - Drizzle Veil";
    tmLabel[27] = "TM27 - Dune Shift";
    tmLabel[28] = "TM28 - Dust Devil";
    tmLabel[29] = "TM29 - Eddy Whirl";
    tmLabel[30] = "TM30 - Elbow Lever";
    tmLabel[31] = "TM31 - Elder Bellow";
    tmLabel[32] = "TM32 - Flint Chip";
    tmLabel[33] = "TM33 - Foretold Step";
    tmLabel[34] = "TM34 - Forge Glow";
    tmLabel[35] = "TM35 - Furrow Plough";
    tmLabel[36] = "TM36 - Geode Crack";
    tmLabel[37] = "TM37 - Glacier Groan";
    tmLabel[38] = "TM38 - Grapple Knot";
    tmLabel[39] = "TM39 - Grave Hush";
    tmLabel[40] = "TM40 - Gravel Slide";
    tmLabel[41] = "TM41 - Hearth Lullaby";
    tmLabel[42] = "TM42 - Hoard Gleam";
    tmLabel[43] = "TM43 - Hoarfrost Coat";
    tmLabel[44] = "TM44 - Hollow Echo";
    tmLabel[45] = "TM45 - Hot Ash Cloud";
    tmLabel[46] = "TM46 - Kindling Toss";
    tmLabel[47] = "TM47 - Knuckle Rap";
    tmLabel[48] = "TM48 - Lantern Jolt";
    tmLabel[49] = "TM49 - Larva Wriggle";
    tmLabel[50] = "TM50 - Lucid Hush";
    tmLabel[51] = "TM51 - Marsh Glimmer";
    tmLabel[52] = "TM52 - Mind Knot";
    tmLabel[53] = "TM53 - Mirror Thought";
    tmLabel[54] = "TM54 - Moonless Lurk";
    tmLabel[55] = "TM55 - Moss Blanket";
    tmLabel[56] = "TM56 - Nettle Rash";
    tmLabel[57] = "TM57 - Pail Douse";
    tmLabel[58] = "TM58 - Patient Stare";
    tmLabel[59] = "TM59 - Pebble Sling";
    tmLabel[60] = "TM60 - Pilfer Dart";
    tmLabel[61] = "TM61 - Pinion Buffet";
    tmLabel[62] = "TM62 - Plated Brace";
    tmLabel[63] = "TM63 - Plummet Swoop";
    tmLabel[64] = "TM64 - Pollen Cloud";
    tmLabel[65] = "TM65 - Quench Hiss";
    tmLabel[66] = "TM66 - Quill Shower";
    tmLabel[67] = "TM67 - Rime Crown";
    tmLabel[68] = "TM68 - Rivet Rain";
    tmLabel[69] = "TM69 - Rootbind";
    tmLabel[70] = "TM70 - Rust Flake";
    tmLabel[71] = "TM71 - Sap Mend";
    tmLabel[72] = "TM72 - Score Settling";
    tmLabel[73] = "TM73 - Scree Hail";
    tmLabel[74] = "TM74 - Shoulder Barge";
    tmLabel[75] = "TM75 - Silk Tether";
    tmLabel[76] = "TM76 - Sleet Lash";
    tmLabel[77] = "TM77 - Sly Wink";
    tmLabel[78] = "TM78 - Snowblind Gust";
    tmLabel[79] = "TM79 - Spring Gush";
    tmLabel[80] = "TM80 - Static Comb";
    tmLabel[81] = "TM81 - Storm Battery";
    tmLabel[82] = "TM82 - Stubborn Stance";
    tmLabel[83] = "TM83 - Swarm Hum";
    tmLabel[84] = "TM84 - Thistle Volley";
    tmLabel[85] = "TM85 - Tidepool Mirror";
    tmLabel[86] = "TM86 - Tin Shield";
    tmLabel[87] = "TM87 - Toadstool Dust";
    tmLabel[88] = "TM88 - Tumbleweed Roll";
    tmLabel[89] = "TM89 - Undertow Grab";
    tmLabel[90] = "TM90 - Updraft Ride";
    tmLabel[91] = "TM91 - Venom Lacquer";
    tmLabel[92] = "TM92 - Wire Hum";

    hmLabel[1] = "HM01 - Bridge Weave";
    hmLabel[2] = "HM02 - Ford Wading";
    hmLabel[3] = "HM03 - Ledge Clamber";
    hmLabel[4] = "HM04 - Path Clearing";
    hmLabel[5] = "HM05 - Raft Towing";
    hmLabel[6] = "HM06 - Ridge Gliding";
    hmLabel[7] = "HM07 - Torchbearing";
    hmLabel[8] = "HM08 - Tunnel Boring";
    /* clang-format on */
}

/* The catalogue content: names, move and machine lists, sizes, types and machine labels.
   InitCatalogue stores it into the tables once, while the main window is created. */
#include "catalogue/catalogue.h"

#include "resource.h"

/* Family plan. Members of one family stand next to each other and share one evolution note;
   a family's names share their first letters and its sizes grow stage by stage. "outside" marks
   an entry that evolves from a creature not in the catalogue, "child" one that hatches from an
   outside parent and never becomes it, "-" one with no evolution at all.

   entries   kind      types               members and concept
   387..388  family 2  ground              Talpik, Talpagrond: velvet mole pup with spade hands, then an
                                           old mole miner with a clay brow plate who carries ore
   389       outside   normal, flying      Krukal (from Krukit): ash-grey crow that hoards spoons
   390..391  family 2  water, electric     Medulo, Medulume: jellyfish, the second glowing
   392..394  family 3  fire; +ground       Sadzik, Sadzarek, Sadzowar: charcoal marmots that carry live
                                           coals in cheek pouches, then in a clay scoop on the tail; the
                                           last a kiln-keeper whose back fur is fired into clay plates
   395       child     normal              Chmurek (hatches from Chmurzak eggs): cloud puff
   396..397  family 2  grass, poison       Hubik, Hubostol: bracket fungi, one shelf, then a tiered stump
   398..400  family 3  rock; +fighting     Murek, Murowal, Murogrom: dry-stone wall golems, the last a
                                           wall builder with mortared fists and a lichen beard
   401       outside   water, dark         Lophira (from Lophet): anglerfish with a lamp lure
   402..403  family 2  ice                 Yetilo, Yetimaruk: yetis
   404..406  family 3  normal, flying      Lelik, Lelarek, Lelomrok: bark-mottled nightjars that catch
                                           moths at dusk with a wide bristled gape
   407       outside   steel               Kowadrak (from Kowadlet): living anvil with a hammer tail
   408       outside   grass               Haybogle (from Haylet): scarecrow
   409..411  family 3  insect; +dark       Skitka, Skitrel, Skitnoctis: spiderling, web spider, funnel spider
   412..414  split     normal; +form/dark  Tessinek: tile shrew, tile buds on its bare back; Tessamira
                                           (females): her back grows hard tiles from what she eats where
                                           she was raised (moss, terracotta or iron) and she curls into a
                                           tiled ball; Tessarok (males): no tiles, skin glazed black like
                                           wet slate, hunts grubs round the den at night and guards it
   415..416  family 2  grass, psychic      Humulik, Humulara: hop vines; only females bear the papery
                                           cones whose scent makes one drowsy, so only they evolve
   417       -         fire, rock          Tikkerel: kiln gecko that clings to hot bricks
   418..420  family 3  fighting            Kazurek, Kazuarin, Kazuarok: cassowaries of the forest floor,
                                           a striped chick raised by its father, then a kicking bird
                                           with a horn casque and a dagger claw
   421..422  family 2  water; +rock        Porrib, Porrifex: sea sponges, the last with glassy stone spicules
   423       outside   insect, grass       Modlik (from Listnik): mantis
   424..426  family 3  poison, flying      Skimpa, Skimpador, Skimparex: gliding tree frogs
   427       outside   steel               Pompak (from Rurek): cast-iron village hand pump on a stone
                                           trough; its handle is an arm, its spout a mouth
   428..429  family 2  ghost, rock         Stakki, Stakkorum: haunted cairns
   430..432  family 3  water               Coilet, Coilumar, Coilidor: pond snails, the last crusted with
                                           mussels
   433..434  family 2  ground; +poison     Rhombi, Rhombadune: sand rays that swim under dunes
   435       child     normal              Lullamb (hatches from Lullaram eggs): dream lamb
   436..438  family 3  dark; +ice          Wulfin, Wulfar, Wulfrost: wolves, the last with an ice mane
   439..440  family 2  grass; +ground      Beczik, Beczkowal: barrel cacti full of water that roll with
                                           the wind and bed into the sand
   441, 442  -         fire; rock          Samovik (kettle spirit), Gardolith (stone lion)
   443       outside   insect, electric    Lampyrix (from Lampilo): firefly, only at night
   444..445  family 2  poison; +psychic    Limaxel, Limaxora: land slugs, the last with a dizzying mantle
   446..448  family 3  dragon; +grass      Torfik, Torfigon, Torfadrak: six-legged bog drakes that lie in
                                           peat, the last with a moss mane and a club tail
   449       child     ground              Skokik (from Skokarun eggs): dust kangaroo joey
   450..451  family 2  grass               Anthelle, Anthoria: flower fairies
   452..454  family 3  insect; +rock       Scarmik, Scarbit, Scarabrax: grub, shield beetle, stone-plated
                                           click beetle
   455       -         ghost, water        Studnik: spirit of an old well bucket
   456..458  family 3  water, electric     Angulek, Anguiz, Anguvolt: glass elver, eel, great storm eel
   459       outside   grass, water        Nymphella (from Nymbud): water lily
   460..461  family 2  electric            Urchet, Urchaton: hedgehogs with charged quills
   462..464  family 3  ice                 Rimelin, Rimerog, Rimehart: crystal deer
   465..467  family 3  water; +flying      Ardipip, Ardebrod, Ardeagris: herons that wade, the last flies
   468..470  family 3  water, grass        Rizolet, Rizopal, Rizomarra: mangrove seed pod, sapling, tree
   471..472  family 2  normal              Melesko, Melesgrund: badgers
   473..475  family 3  grass               Knuri, Knurek, Knurwald: forest boars; only males evolve into
                                           the old boar with a moss ridge
   476       child     grass               Bradypo (from Bradygor eggs): baby moss sloth
   477..478  family 2  normal, flying      Sutorek, Sutorella: tailor birds; only females evolve
   479..488  -                             Dzwonurek (walking iron diving bell, steel/water), Balaenor
                                           (reef whale), Gnomonar (sandstone tortoise with a bronze
                                           sundial, rock/steel), Glaciath (three-legged ice stack),
                                           Pyrelk (ember stag), Bryotitan (moss titan), Zmierzchun (dusk
                                           moth), Torpedra (storm ray), Astrogel (star jelly), Bagiennik
                                           (marsh keeper with a lantern, ghost/poison)
   489, 490  outside                       Scutarro (from Scutelet): armadillo, ground/steel; Orikran
                                           (from Orilet): paper crane, grass/flying, happy at night
   491..493  -                             Glinotur (clay ox, ground), Zarlibela (lava dragonfly,
                                           insect/fire), Orrimbar (dragon asleep round a mountain) */

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
    /* 387 */ "Talpik",     "Talpagrond", "Krukal",     "Medulo",    "Medulume",  "Sadzik",
    /* 393 */ "Sadzarek",   "Sadzowar",   "Chmurek",    "Hubik",     "Hubostol",  "Murek",
    /* 399 */ "Murowal",    "Murogrom",   "Lophira",    "Yetilo",    "Yetimaruk", "Lelik",
    /* 405 */ "Lelarek",    "Lelomrok",   "Kowadrak",   "Haybogle",  "Skitka",    "Skitrel",
    /* 411 */ "Skitnoctis", "Tessinek",   "Tessamira",  "Tessarok",  "Humulik",   "Humulara",
    /* 417 */ "Tikkerel",   "Kazurek",    "Kazuarin",   "Kazuarok",  "Porrib",    "Porrifex",
    /* 423 */ "Modlik",     "Skimpa",     "Skimpador",  "Skimparex", "Pompak",    "Stakki",
    /* 429 */ "Stakkorum",  "Coilet",     "Coilumar",   "Coilidor",  "Rhombi",    "Rhombadune",
    /* 435 */ "Lullamb",    "Wulfin",     "Wulfar",     "Wulfrost",  "Beczik",    "Beczkowal",
    /* 441 */ "Samovik",    "Gardolith",  "Lampyrix",   "Limaxel",   "Limaxora",  "Torfik",
    /* 447 */ "Torfigon",   "Torfadrak",  "Skokik",     "Anthelle",  "Anthoria",  "Scarmik",
    /* 453 */ "Scarbit",    "Scarabrax",  "Studnik",    "Angulek",   "Anguiz",    "Anguvolt",
    /* 459 */ "Nymphella",  "Urchet",     "Urchaton",   "Rimelin",   "Rimerog",   "Rimehart",
    /* 465 */ "Ardipip",    "Ardebrod",   "Ardeagris",  "Rizolet",   "Rizopal",   "Rizomarra",
    /* 471 */ "Melesko",    "Melesgrund", "Knuri",      "Knurek",    "Knurwald",  "Bradypo",
    /* 477 */ "Sutorek",    "Sutorella",  "Dzwonurek",  "Balaenor",  "Gnomonar",  "Glaciath",
    /* 483 */ "Pyrelk",     "Bryotitan",  "Zmierzchun", "Torpedra",  "Astrogel",  "Bagiennik",
    /* 489 */ "Scutarro",   "Orikran",    "Glinotur",   "Zarlibela", "Orrimbar",
};

/* A machine list for creatures that can use no machine at all: a cloud of vapour, a seed pod, a grub. */
static const char machinesNone[] = "-;";

/* Machine lists that two members of one family have in common. */
/* 398 Murek, 399 Murowal */
static const char machinesWallGolems[] = "7;11;59;74;82;-;3;";
/* 424 Skimpa, 425 Skimpador */
static const char machinesYoungFrogs[] = "5;23;63;91;-;6;";
/* 430 Coilet, 431 Coilumar */
static const char machinesPondSnails[] = "26;62;79;85;";

/* Per entry: the level-up moves, then the TM/HM numbers. */
/* 387 Talpik */
static const char movesTalpik[] =
    "Snout Poke;Soil Push;Dirt Flinging;Worm Sniff;Lv. 6 - Spade Clap;Lv. 17 - Claw Rake Dig;"
    "Lv. 18 - Velvet Burrow;";
static const char machinesTalpik[] = "10;18;35;-;8;";
/* 388 Talpagrond */
static const char movesTalpagrond[] =
    "Snout Poke;Soil Push;Ore Knock;Dirt Flinging;Worm Sniff;Lv. 7 - Spade Clap;Lv. 21 - Claw Rake Dig;"
    "Lv. 23 - Velvet Burrow;Lv. 37 - Tunnel Rush;Lv. 39 - Clay Brow Butt;Lv. 53 - Vein Sense;"
    "Lv. 53 - Deep Delve;Lv. 55 - Mine Shaft Cave-in;";
static const char machinesTalpagrond[] = "7;10;18;27;35;40;47;58;74;82;-;3;8;";
/* 389 Krukal */
static const char movesKrukal[] =
    "Caw;Sidelong Hop;Lv. 5 - Shiny Snatch;Lv. 9 - Spoon Tap;Lv. 13 - Hoard Hide;Lv. 19 - Borrowed Call;"
    "Lv. 25 - Glint Stoop;Lv. 28 - Ash Wing Buffet;Lv. 40 - Flock Gathering;Lv. 43 - Trinket Barrage;";
static const char machinesKrukal[] = "17;23;41;42;58;60;61;63;82;90;-;4;6;";
/* 390 Medulo */
static const char movesMedulo[] =
    "Tentacle Brush;Float;Drift Throb;Crackle Nip;Bell Pulse;Lv. 3 - Glow Lure;Lv. 13 - Arc Jolt;"
    "Lv. 18 - Current Coil;";
static const char machinesMedulo[] = "21;29;48;79;89;-;5;7;";
/* 391 Medulume */
static const char movesMedulume[] =
    "Tentacle Brush;Float;Salt Spray;Drift Throb;Crackle Nip;Bell Pulse;Lv. 2 - Static Tap;"
    "Lv. 4 - Glow Lure;Lv. 19 - Arc Jolt;Lv. 26 - Current Coil;Lv. 29 - Tangle Drape;Lv. 43 - Lumen Shock;"
    "Lv. 46 - Bloom Swarm;Lv. 53 - Storm Chime;";
static const char machinesMedulume[] = "17;21;26;29;48;57;79;80;81;85;89;92;-;5;7;";
/* 392 Sadzik */
static const char movesSadzik[] =
    "Soot Sneeze;Pouch Glow;Coal Spit;Lv. 4 - Whistle Alarm;Lv. 9 - Charcoal Nibble;Lv. 9 - Banked Embers;"
    "Lv. 9 - Smoke Signal;Lv. 14 - Hot Pebble Roll;";
static const char machinesSadzik[] = "16;34;35;46;88;-;7;8;";
/* 393 Sadzarek */
static const char movesSadzarek[] =
    "Soot Sneeze;Pouch Glow;Warm Snuffle;Coal Spit;Lv. 5 - Whistle Alarm;Lv. 11 - Charcoal Nibble;"
    "Lv. 11 - Banked Embers;Lv. 11 - Smoke Signal;Lv. 12 - Tail Scoop Toss;Lv. 18 - Hot Pebble Roll;"
    "Lv. 18 - Kiln Hollow;Lv. 19 - Cinder Heap Shake;Lv. 25 - Burrow Bake;";
static const char machinesSadzarek[] = "4;10;14;16;34;35;46;-;7;8;";
/* 394 Sadzowar */
static const char movesSadzowar[] =
    "Soot Sneeze;Pouch Glow;Warm Snuffle;Coal Spit;Lv. 7 - Whistle Alarm;Lv. 14 - Charcoal Nibble;"
    "Lv. 14 - Banked Embers;Lv. 14 - Smoke Signal;Lv. 16 - Tail Scoop Toss;Lv. 23 - Hot Pebble Roll;"
    "Lv. 23 - Kiln Hollow;Lv. 25 - Cinder Heap Shake;Lv. 32 - Burrow Bake;Lv. 39 - Clay Plate Guard;"
    "Lv. 41 - Flue Draught;Lv. 43 - Firing Stand;Lv. 57 - Clinker Crunch;Lv. 61 - Earthen Smother;";
static const char machinesSadzowar[] = "4;10;14;16;17;18;27;34;35;45;46;58;74;82;-;3;7;8;";
/* 395 Chmurek */
static const char movesChmurek[] = "Puff;Float;Lv. 2 - Drizzle Sneeze;Lv. 15 - Cloud Nap;";
/* 396 Hubik */
static const char movesHubik[] =
    "Shelf Cling;Spore Puff;Damp Bark Sip;Lv. 7 - Gill Dust;Lv. 8 - Rot Nibble;Lv. 11 - Mould Creep;"
    "Lv. 13 - Bitter Flesh;";
static const char machinesHubik[] = "6;55;69;71;87;";
/* 397 Hubostol */
static const char movesHubostol[] =
    "Shelf Cling;Spore Puff;Damp Bark Sip;Lv. 11 - Gill Dust;Lv. 12 - Rot Nibble;Lv. 16 - Mould Creep;"
    "Lv. 19 - Bitter Flesh;Lv. 22 - Tier Stack;Lv. 25 - Stump Stomp;Lv. 28 - Hyphae Web;"
    "Lv. 31 - Toxic Rim Slap;Lv. 32 - Forest Floor Feast;Lv. 35 - Deadwood Tide;";
static const char machinesHubostol[] = "5;6;8;41;55;56;64;69;71;84;87;91;";
/* 398 Murek */
static const char movesMurek[] =
    "Pebble Toss;Grit Spray;Lv. 5 - Flat Slap;Lv. 11 - Brace;Lv. 11 - Crag Thud;Lv. 14 - Moss Cap Shade;"
    "Lv. 14 - Shale Shards;";
/* 399 Murowal */
static const char movesMurowal[] =
    "Pebble Toss;Stack Up;Grit Spray;Lv. 8 - Flat Slap;Lv. 16 - Brace;Lv. 16 - Crag Thud;"
    "Lv. 20 - Moss Cap Shade;Lv. 20 - Shale Shards;Lv. 24 - Wall Block;Lv. 26 - Boulder Drop;"
    "Lv. 36 - Quarry Quake;";
/* 400 Murogrom */
static const char movesMurogrom[] =
    "Pebble Toss;Stack Up;Grit Spray;Lv. 9 - Flat Slap;Lv. 11 - Jab Step;Lv. 18 - Brace;Lv. 18 - Crag Thud;"
    "Lv. 20 - Shin Hook;Lv. 20 - Shale Shards;Lv. 27 - Wall Block;Lv. 27 - Knee Launch;"
    "Lv. 30 - Boulder Drop;Lv. 37 - Mortar Fist;Lv. 41 - Quarry Quake;Lv. 45 - Lichen Beard Shake;"
    "Lv. 59 - Monolith Crush;Lv. 73 - Cliff Collapse;";
static const char machinesMurogrom[] = "7;9;11;17;30;32;36;38;47;59;73;74;82;-;3;";
/* 401 Lophira */
static const char movesLophira[] =
    "Lure Sway;Gape;Deep Glow;Snap Jaw;Dark Water Wait;Lv. 8 - Abyss Gulp;Lv. 8 - Pressure Crush;"
    "Lv. 28 - Lantern Mirage;";
static const char machinesLophira[] = "1;26;29;48;54;57;60;72;77;79;85;89;-;5;7;";
/* 402 Yetilo */
static const char movesYetilo[] =
    "Snow Pat;Grumble;Snowball Lob;Lv. 5 - Frost Cuddle;Lv. 5 - Drift Huddle;Lv. 9 - Frostbound Trample;"
    "Lv. 16 - Snowslide Call;";
static const char machinesYetilo[] = "12;37;43;78;-;3;";
/* 403 Yetimaruk */
static const char movesYetimaruk[] =
    "Snow Pat;Grumble;Snowball Lob;Lv. 7 - Frost Cuddle;Lv. 7 - Drift Huddle;Lv. 11 - Frostbound Trample;"
    "Lv. 20 - Snowslide Call;Lv. 24 - Long Winter Sleep;Lv. 24 - Hailfist;Lv. 28 - Glacier Carry;"
    "Lv. 45 - Peak Bellow;Lv. 62 - Whiteout;";
static const char machinesYetimaruk[] = "7;12;17;37;38;43;47;67;74;76;78;82;-;3;";
/* 404 Lelik */
static const char movesLelik[] = "Churr;Gape Yawn;Bark Mimic;Moth Snap;Still Hush;Lv. 4 - Dusk Flutter;";
static const char machinesLelik[] = "23;41;58;63;-;6;";
/* 405 Lelarek */
static const char movesLelarek[] =
    "Churr;Gape Yawn;Bark Mimic;Moth Snap;Still Hush;Lv. 5 - Dusk Flutter;Lv. 5 - Branch Lie;"
    "Lv. 10 - Bristle Scoop;Lv. 12 - Night Reel;Lv. 14 - Silent Veer;";
static const char machinesLelarek[] = "23;41;54;58;61;63;90;-;6;";
/* 406 Lelomrok */
static const char movesLelomrok[] =
    "Churr;Gape Yawn;Wing Clap;Bark Mimic;Moth Snap;Still Hush;Lv. 8 - Dusk Flutter;Lv. 8 - Branch Lie;"
    "Lv. 15 - Bristle Scoop;Lv. 18 - Night Reel;Lv. 21 - Silent Veer;Lv. 25 - Moonless Sweep;"
    "Lv. 25 - White Bar Flash;Lv. 45 - Swarm Swallow;Lv. 48 - Twilight Hawking;";
static const char machinesLelomrok[] = "17;23;41;54;58;61;63;66;77;82;90;-;4;6;";
/* 407 Kowadrak */
static const char movesKowadrak[] =
    "Clang;Anvil Sparks;Hammer Tail Strike;Iron Brace;Forge Ring;Red Hot Bar;Lv. 7 - Temper;"
    "Lv. 7 - Smithy Din;Lv. 30 - Hammerfall;Lv. 41 - Cold Quenching;";
static const char machinesKowadrak[] = "3;7;13;17;34;65;68;70;74;82;86;-;3;";
/* 408 Haybogle */
static const char movesHaybogle[] =
    "Straw Flap;Stand Still;Lv. 11 - Crow Scare;Lv. 18 - Chaff Spray;Lv. 26 - Harvest Dance;"
    "Lv. 48 - Field Watch;Lv. 48 - Scythe Sweep;Lv. 56 - Stubble Fire Dare;Lv. 63 - Haystack Hide;";
static const char machinesHaybogle[] = "8;38;39;41;46;54;55;64;69;71;82;84;-;3;";
/* 409 Skitka */
static const char movesSkitka[] = "Thread Drop;Web Spin;Lv. 4 - Skitter;Lv. 8 - Glue Strand;";
static const char machinesSkitka[] = "49;75;-;1;";
/* 410 Skitrel */
static const char movesSkitrel[] =
    "Thread Drop;Web Spin;Lv. 4 - Skitter;Lv. 9 - Glue Strand;Lv. 11 - Leg Tap;Lv. 16 - Silk Shroud;"
    "Lv. 16 - Venom Nip;Lv. 21 - Trapline;";
static const char machinesSkitrel[] = "2;11;41;49;75;-;1;";
/* 411 Skitnoctis */
static const char movesSkitnoctis[] =
    "Thread Drop;Web Spin;Lv. 5 - Skitter;Lv. 12 - Glue Strand;Lv. 14 - Leg Tap;Lv. 21 - Silk Shroud;"
    "Lv. 21 - Venom Nip;Lv. 28 - Trapline;Lv. 35 - Moonlit Weaving;Lv. 37 - Eight Eyes Glare;"
    "Lv. 44 - Cocooning;Lv. 57 - Funnel Ambush;Lv. 62 - Umbral Snare;";
static const char machinesSkitnoctis[] = "1;2;15;39;49;54;60;72;75;77;83;-;1;";
/* 412 Tessinek */
static const char movesTessinek[] =
    "Snout Twitch;Tile Bud Itch;Lv. 4 - Leaf Litter Dart;Lv. 9 - Beetle Munch;Lv. 15 - Ultrasonic Click;"
    "Lv. 20 - Bare Back Bask;";
static const char machinesTessinek[] = "41;60;";
/* 413 Tessamira */
/* moss tiles */
static const char movesTessamiraMoss[] =
    "Snout Twitch;Tile Bud Itch;Lv. 4 - Leaf Litter Dart;Lv. 9 - Beetle Munch;Lv. 15 - Ultrasonic Click;"
    "Lv. 20 - Bare Back Bask;Lv. 23 - Moss Mosaic;Lv. 28 - Dewy Plates;Lv. 33 - Balled Up;"
    "Lv. 39 - Green Armour Roll;Lv. 45 - Lichen Grip;Lv. 54 - Fern Floor Ambush;";
/* terracotta tiles */
static const char movesTessamiraClay[] =
    "Snout Twitch;Tile Bud Itch;Lv. 4 - Leaf Litter Dart;Lv. 9 - Beetle Munch;Lv. 15 - Ultrasonic Click;"
    "Lv. 20 - Bare Back Bask;Lv. 23 - Terracotta Plates;Lv. 27 - Kiln Red Curl;Lv. 31 - Shard Scatter;"
    "Lv. 36 - Hard Fired Hunch;Lv. 46 - Baked Earth Roll;Lv. 58 - Potsherd Volley;";
/* iron tiles */
static const char movesTessamiraIron[] =
    "Snout Twitch;Tile Bud Itch;Lv. 4 - Leaf Litter Dart;Lv. 9 - Beetle Munch;Lv. 15 - Ultrasonic Click;"
    "Lv. 20 - Bare Back Bask;Lv. 23 - Iron Plating;Lv. 26 - Bog Ore Sip;Lv. 32 - Clanking Curl;"
    "Lv. 37 - Scale Overlap;Lv. 48 - Rusty Ball Roll;Lv. 60 - Ironclad Tumble;";
static const char machinesTessamira[] = "17;28;41;55;60;86;88;";
/* 414 Tessarok */
static const char movesTessarok[] =
    "Snout Twitch;Musk Scent;Lv. 4 - Leaf Litter Dart;Lv. 9 - Beetle Munch;Lv. 15 - Ultrasonic Click;"
    "Lv. 20 - Bare Back Bask;Lv. 23 - Glazed Sheen;Lv. 26 - Grub Probe;Lv. 31 - Moonless Patrol;"
    "Lv. 35 - Wet Slate Slip;Lv. 42 - Den Mouth Guard;Lv. 50 - Earthworm Haul;Lv. 57 - Night Shift Strike;";
static const char machinesTessarok[] = "1;41;54;60;72;";
/* 415 Humulik */
static const char movesHumulik[] =
    "Twining Shoot;Sleepy Nod;Lv. 5 - Clockwise Climb;Lv. 11 - Bristly Stem;Lv. 17 - Heart Leaf Fan;"
    "Lv. 24 - Drowsy Sap;Lv. 29 - Bine Lash;Lv. 36 - Hedge Creep;Lv. 44 - Summer Tangle;";
static const char machinesHumulik[] = "24;55;71;";
/* 416 Humulara */
static const char movesHumulara[] =
    "Twining Shoot;Sleepy Nod;Lv. 5 - Clockwise Climb;Lv. 12 - Bristly Stem;Lv. 18 - Heart Leaf Fan;"
    "Lv. 25 - Drowsy Sap;Lv. 30 - Papery Cones;Lv. 30 - Bine Lash;Lv. 34 - Lupulin Dust;Lv. 38 - Hedge Creep;"
    "Lv. 42 - Brewers Slumber;Lv. 48 - Summer Tangle;Lv. 56 - Dream Pillow;";
static const char machinesHumulara[] = "24;50;55;64;71;";
/* 417 Tikkerel */
static const char movesTikkerel[] =
    "Wall Cling;Tongue Flick;Lv. 5 - Zigzag Wag;Lv. 10 - Kiln Bask;Lv. 17 - Brick Dust Scurry;"
    "Lv. 24 - Hot Foot Dart;Lv. 31 - Skin Moult;Lv. 38 - Fired Clay Scales;Lv. 45 - Flue Crawl;"
    "Lv. 57 - Soot Lash;";
static const char machinesTikkerel[] = "14;16;32;46;";
/* 418 Kazurek */
static const char movesKazurek[] =
    "Chirrup;Stripe Hide;Lv. 4 - Fig Gulp;Lv. 8 - Big Foot Trot;Lv. 13 - Father Follow;Lv. 18 - Toe Jab;";
static const char machinesKazurek[] = "9;61;";
/* 419 Kazuarin */
static const char movesKazuarin[] =
    "Chirrup;Stripe Hide;Lv. 4 - Fig Gulp;Lv. 9 - Big Foot Trot;Lv. 14 - Father Follow;Lv. 18 - Toe Jab;"
    "Lv. 20 - Casque Bump;Lv. 24 - Rainforest Sprint;Lv. 29 - Low Boom;Lv. 35 - Side Kick Feint;";
static const char machinesKazuarin[] = "9;61;72;74;-;4;";
/* 420 Kazuarok */
static const char movesKazuarok[] =
    "Chirrup;Stripe Hide;Lv. 4 - Fig Gulp;Lv. 10 - Big Foot Trot;Lv. 15 - Father Follow;Lv. 19 - Toe Jab;"
    "Lv. 22 - Casque Bump;Lv. 26 - Rainforest Sprint;Lv. 31 - Low Boom;Lv. 37 - Side Kick Feint;"
    "Lv. 44 - Wattle Shake;Lv. 50 - Spur Strike;Lv. 58 - Thicket Breaker;";
static const char machinesKazuarok[] = "9;31;35;61;72;74;-;4;";
/* 421 Porrib */
static const char movesPorrib[] =
    "Pore Squirt;Filter Feed;Lv. 6 - Osculum Puff;Lv. 11 - Silt Cloud;Lv. 16 - Seabed Cling;"
    "Lv. 20 - Current Draw;";
static const char machinesPorrib[] = "57;79;";
/* 422 Porrifex */
static const char movesPorrifex[] =
    "Pore Squirt;Filter Feed;Lv. 7 - Osculum Puff;Lv. 12 - Silt Cloud;Lv. 17 - Seabed Cling;"
    "Lv. 21 - Current Draw;Lv. 21 - Silica Lattice;Lv. 28 - Glass Spicule Volley;Lv. 36 - Reef Chimney;"
    "Lv. 45 - Squeeze Burst;Lv. 58 - Deepwater Basket;";
static const char machinesPorrifex[] = "36;57;73;79;85;";
/* 423 Modlik */
static const char movesModlik[] =
    "Prayer Pose;Foliage Guise;Lv. 6 - Moss Sickle;Lv. 12 - Twig Stillness;Lv. 19 - Scything Forelegs;"
    "Lv. 25 - Green Ambush;Lv. 31 - Lichen Cloak;Lv. 38 - Reaping Strike;Lv. 46 - Swaying Leaf Gait;"
    "Lv. 55 - Thornbush Vigil;";
static const char machinesModlik[] = "1;2;15;55;71;72;-;6;";
/* 424 Skimpa */
static const char movesSkimpa[] =
    "Toe Disc Grip;Croak;Lv. 4 - Warning Colours;Lv. 8 - Twig Leap;Lv. 12 - Bitter Slime;"
    "Lv. 16 - Leaf Parachute;";
/* 425 Skimpador */
static const char movesSkimpador[] =
    "Toe Disc Grip;Croak;Lv. 5 - Warning Colours;Lv. 9 - Twig Leap;Lv. 13 - Bitter Slime;"
    "Lv. 17 - Leaf Parachute;Lv. 17 - Suction Slap;Lv. 21 - Canopy Drop;Lv. 26 - Venom Sheen;"
    "Lv. 31 - Sail Spread;";
/* 426 Skimparex */
static const char movesSkimparex[] =
    "Toe Disc Grip;Croak;Lv. 6 - Warning Colours;Lv. 10 - Twig Leap;Lv. 14 - Bitter Slime;"
    "Lv. 18 - Leaf Parachute;Lv. 19 - Suction Slap;Lv. 23 - Canopy Drop;Lv. 28 - Venom Sheen;"
    "Lv. 33 - Sail Spread;Lv. 36 - Treetop Volley;Lv. 40 - Throat Sac Boom;Lv. 47 - Tainted Dewfall;"
    "Lv. 55 - Long Descent;Lv. 64 - Foam Nest Guard;";
static const char machinesSkimparex[] = "5;23;26;63;91;-;6;";
/* 427 Pompak */
static const char movesPompak[] =
    "Handle Creak;Trickle;Lv. 7 - Priming Gurgle;Lv. 14 - Trough Fill;Lv. 21 - Cold Well Draught;"
    "Lv. 28 - Cast Iron Clank;Lv. 35 - Valve Cap Stare;Lv. 43 - Lever Arm Heave;Lv. 52 - Deep Water Draw;"
    "Lv. 63 - Market Day Gush;";
static const char machinesPompak[] = "26;30;57;70;79;";
/* 428 Stakki */
static const char movesStakki[] =
    "Wobble;Glimmer Eye;Pebble Clack;Lv. 4 - Wayside Moan;Lv. 9 - Toppling Scare;Lv. 15 - Cold Stone Touch;"
    "Lv. 22 - Chalk Sign;Lv. 30 - Rocking Shuffle;";
static const char machinesStakki[] = "20;39;73;";
/* 429 Stakkorum */
static const char movesStakkorum[] =
    "Wobble;Glimmer Eye;Pebble Clack;Lv. 4 - Wayside Moan;Lv. 10 - Toppling Scare;Lv. 16 - Cold Stone Touch;"
    "Lv. 23 - Chalk Sign;Lv. 31 - Rocking Shuffle;Lv. 34 - Lost Path Lure;Lv. 39 - Slab Shove;"
    "Lv. 47 - Barrow Chill;Lv. 56 - Cairn Collapse;Lv. 68 - Waymark Doom;";
static const char machinesStakkorum[] = "7;11;20;22;39;53;73;";
/* 430 Coilet */
static const char movesCoilet[] =
    "Tuck Inside;Algae Graze;Eye Stalk Peek;Lv. 5 - Pondweed Snare;Lv. 10 - Slime Film;Lv. 14 - Whorl Roll;"
    "Lv. 18 - Surface Hang;";
/* 431 Coilumar */
static const char movesCoilumar[] =
    "Tuck Inside;Algae Graze;Eye Stalk Peek;Lv. 6 - Pondweed Snare;Lv. 11 - Slime Film;Lv. 15 - Whorl Roll;"
    "Lv. 18 - Surface Hang;Lv. 19 - Air Bubble Gulp;Lv. 25 - Still Water Hum;Lv. 31 - Ripple Ring Toss;";
/* 432 Coilidor */
static const char movesCoilidor[] =
    "Tuck Inside;Algae Graze;Eye Stalk Peek;Lv. 7 - Pondweed Snare;Lv. 12 - Slime Film;Lv. 16 - Whorl Roll;"
    "Lv. 20 - Surface Hang;Lv. 22 - Air Bubble Gulp;Lv. 27 - Still Water Hum;Lv. 33 - Ripple Ring Toss;"
    "Lv. 40 - Spiral Shove;Lv. 48 - Sunken Nap;Lv. 56 - Mussel Crust;Lv. 68 - Floodgate Tide;";
static const char machinesCoilidor[] = "2;26;57;62;79;85;";
/* 433 Rhombi */
static const char movesRhombi[] =
    "Grain Flutter;Bury;Dune Swim;Lv. 4 - Eye Bump Scan;Lv. 8 - Sand Puff;Lv. 11 - Shifting Bed;"
    "Lv. 14 - Buried Ambush;";
static const char machinesRhombi[] = "35;40;-;8;";
/* 434 Rhombadune */
static const char movesRhombadune[] =
    "Grain Flutter;Bury;Dune Swim;Lv. 5 - Eye Bump Scan;Lv. 9 - Sand Puff;Lv. 12 - Shifting Bed;"
    "Lv. 15 - Buried Ambush;Lv. 15 - Quicksand Pull;Lv. 22 - Barbed Tail Jab;Lv. 29 - Ridge Swell;"
    "Lv. 37 - Fringe Ripple;Lv. 46 - Undersand Hunt;Lv. 55 - Spine Venom Rake;";
static const char machinesRhombadune[] = "5;19;35;40;56;91;-;8;";
/* 435 Lullamb */
static const char movesLullamb[] =
    "Soft Bleat;Wool Rub;Lv. 6 - Slumber Call;Lv. 13 - Fleece Pillow;Lv. 20 - Fence Skip;"
    "Lv. 28 - Drowsy Amble;Lv. 36 - Night Meadow Doze;Lv. 45 - Dream Shepherd;";
static const char machinesLullamb[] = "24;41;52;80;-;";
/* 436 Wulfin */
static const char movesWulfin[] =
    "Paw Swipe;Sly Nip;Scent Track;Lv. 5 - Yip Call;Lv. 10 - Moonrise Prowl;Lv. 15 - Tail Tug Play;"
    "Lv. 20 - Den Circle;";
static const char machinesWulfin[] = "39;54;72;-;4;";
/* 437 Wulfar */
static const char movesWulfar[] =
    "Paw Swipe;Sly Nip;Scent Track;Lv. 6 - Yip Call;Lv. 11 - Moonrise Prowl;Lv. 16 - Tail Tug Play;"
    "Lv. 21 - Den Circle;Lv. 22 - Dusk Hackles;Lv. 26 - Long Lope;Lv. 30 - Murk Rake;";
static const char machinesWulfar[] = "1;39;54;72;74;-;4;";
/* 438 Wulfrost */
static const char movesWulfrost[] =
    "Paw Swipe;Sly Nip;Scent Track;Lv. 7 - Yip Call;Lv. 12 - Moonrise Prowl;Lv. 17 - Tail Tug Play;"
    "Lv. 22 - Den Circle;Lv. 24 - Dusk Hackles;Lv. 28 - Long Lope;Lv. 32 - Murk Rake;Lv. 33 - Frosted Muzzle;"
    "Lv. 38 - Hoarfrost Mane;Lv. 44 - Pack Chorus;Lv. 52 - Ice Crust Run;Lv. 61 - Snowdrift Ambush;";
static const char machinesWulfrost[] = "1;37;39;54;72;74;76;-;4;";
/* 439 Beczik */
static const char movesBeczik[] =
    "Root Anchor;Spine Prick;Lv. 5 - Pip Spit;Lv. 9 - Sun Bask;Lv. 14 - Deep Sip;Lv. 19 - Hooked Volley;";
static const char machinesBeczik[] = "64;84;88;";
/* 440 Beczkowal */
static const char movesBeczkowal[] =
    "Root Anchor;Spine Prick;Lv. 6 - Pip Spit;Lv. 10 - Sun Bask;Lv. 15 - Deep Sip;Lv. 19 - Hooked Volley;"
    "Lv. 20 - Tumble Start;Lv. 23 - Clod Toss;Lv. 29 - Downhill Trundle;Lv. 36 - Dune Hush;"
    "Lv. 44 - Seed Ring Burst;Lv. 53 - Dust Trail Wheel;";
static const char machinesBeczkowal[] = "8;35;56;64;69;84;88;";
/* 441 Samovik */
static const char movesSamovik[] =
    "Steam Whistle;Lid Rattle;Lv. 6 - Boil Over;Lv. 12 - Tea Pour;Lv. 18 - Scald Spill;Lv. 26 - Steeping;"
    "Lv. 32 - Samovar Song;Lv. 36 - Kettle Rumble;Lv. 42 - Warm Welcome;";
static const char machinesSamovik[] = "4;14;16;17;34;45;46;48;58;-;7;";
/* 442 Gardolith */
static const char movesGardolith[] =
    "Statue Stare;Crouch;Lv. 2 - Gate Guard;Lv. 7 - Granite Paw;Lv. 12 - Temple Rumble;"
    "Lv. 16 - Pedestal Pose;Lv. 20 - Lion Leap;Lv. 30 - Carved Mane Shake;Lv. 40 - Ancient Vigil;";
static const char machinesGardolith[] = "7;11;17;32;36;58;59;73;74;82;-;3;";
/* 443 Lampyrix */
static const char movesLampyrix[] =
    "Lid Flicker;Glow;Blink Signal;Dazzle Burst;Lv. 11 - Meadow Flit;Lv. 19 - Summer Night Reel;"
    "Lv. 26 - Lantern Wave;Lv. 56 - Spark Swarm;";
static const char machinesLampyrix[] = "2;15;21;48;49;75;80;81;83;92;-;6;7;";
/* 444 Limaxel */
static const char movesLimaxel[] =
    "Slime Trail;Eye Stalk Sway;Bitter Mucus;Glow Tips;Dizzy Shimmer;Corrosive Smear;Lv. 8 - Mantle Ripple;";
static const char machinesLimaxel[] = "5;56;58;87;91;-;7;";
/* 445 Limaxora */
static const char movesLimaxora[] =
    "Slime Trail;Eye Stalk Sway;Bitter Mucus;Glow Tips;Dizzy Shimmer;Corrosive Smear;Lv. 10 - Mantle Ripple;"
    "Lv. 14 - Trance Pattern;Lv. 26 - Frill Unfurl;Lv. 37 - Caustic Film;Lv. 53 - Mesmer Coil;"
    "Lv. 57 - Slow Dissolve;";
static const char machinesLimaxora[] = "5;6;24;33;50;52;53;56;87;91;-;7;";
/* 446 Torfik */
static const char movesTorfik[] =
    "Reed Nibble;Scrabble;Six Leg Scuttle;Peat Chew;Lv. 3 - Bog Breath;Lv. 3 - Marsh Roar;";
static const char machinesTorfik[] = "19;25;-;2;";
/* 447 Torfigon */
static const char movesTorfigon[] =
    "Reed Nibble;Scrabble;Six Leg Scuttle;Peat Chew;Lv. 4 - Bog Breath;Lv. 4 - Marsh Roar;"
    "Lv. 8 - Frill Rattle;Lv. 10 - Mire Wallow;Lv. 12 - Drake Hide Plates;Lv. 15 - Sedge Lash;"
    "Lv. 15 - Deep Mud Slide;";
static const char machinesTorfigon[] = "19;25;31;62;-;2;";
/* 448 Torfadrak */
static const char movesTorfadrak[] =
    "Reed Nibble;Scrabble;Moss Shrug;Six Leg Scuttle;Peat Chew;Lv. 5 - Bog Breath;Lv. 5 - Marsh Roar;"
    "Lv. 11 - Frill Rattle;Lv. 13 - Mire Wallow;Lv. 16 - Drake Hide Plates;Lv. 19 - Sedge Lash;"
    "Lv. 19 - Deep Mud Slide;Lv. 21 - Club Tail Swing;Lv. 24 - Mane Bristle;Lv. 27 - Fen Rush;"
    "Lv. 38 - Sinking Ground;Lv. 49 - Swamp Heart;";
static const char machinesTorfadrak[] = "7;8;17;19;25;31;55;62;69;74;82;-;2;3;";
/* 449 Skokik */
static const char movesSkokik[] =
    "Tail Prop;Hop;Lv. 5 - Dust Scuff;Lv. 15 - Little Bound;Lv. 25 - Big Foot Thump;";
static const char machinesSkokik[] = "18;27;28;";
/* 450 Anthelle */
static const char movesAnthelle[] =
    "Bud Sway;Leaf Peek;Nectar Sip;Lv. 3 - Dew Drop;Lv. 9 - Petal Spin;Lv. 17 - Sepal Shield;";
static const char machinesAnthelle[] = "8;58;69;71;84;";
/* 451 Anthoria */
static const char movesAnthoria[] =
    "Bud Sway;Leaf Peek;Nectar Sip;Lv. 4 - Dew Drop;Lv. 11 - Petal Spin;Lv. 21 - Sepal Shield;"
    "Lv. 24 - Honeyed Air;Lv. 34 - Meadow Song Hum;Lv. 34 - Garland Loop;Lv. 54 - Full Bloom;";
static const char machinesAnthoria[] = "8;41;55;64;69;71;84;";
/* 452 Scarmik */
static const char movesScarmik[] = "Curl Up;Greens Munch;Squirm;Lv. 6 - Hard Head Bump;";
/* 453 Scarbit */
static const char movesScarbit[] =
    "Curl Up;Greens Munch;Crawl;Squirm;Lv. 8 - Hard Head Bump;Lv. 13 - Hinge Snap;Lv. 17 - Righting Flip;"
    "Lv. 19 - Stone Plating;";
static const char machinesScarbit[] = "2;49;75;83;";
/* 454 Scarabrax */
static const char movesScarabrax[] =
    "Curl Up;Greens Munch;Crawl;Squirm;Lv. 10 - Hard Head Bump;Lv. 15 - Hinge Snap;Lv. 20 - Righting Flip;"
    "Lv. 23 - Stone Plating;Lv. 26 - Click Leap;Lv. 29 - Carapace Block;Lv. 39 - Snapback Toss;"
    "Lv. 49 - Skyward Spring;";
static const char machinesScarabrax[] = "2;7;11;15;32;36;49;59;73;75;83;";
/* 455 Studnik */
static const char movesStudnik[] =
    "Rope Swing;Slosh;Well Echo;Lv. 2 - Cold Dip;Lv. 7 - Bucket Drop;Lv. 18 - Dusk Rise;"
    "Lv. 23 - Frayed Lash;Lv. 28 - Drowned Wish;Lv. 28 - Dark Shaft Pull;Lv. 59 - Rusty Handle Creak;";
static const char machinesStudnik[] = "20;22;26;29;39;44;51;57;79;85;89;";
/* 456 Angulek */
static const char movesAngulek[] = "Wriggle;Static Flick;Lv. 2 - Glass Glint;Lv. 5 - Eel Coil;";
static const char machinesAngulek[] = "21;29;80;-;5;";
/* 457 Anguiz */
static const char movesAnguiz[] =
    "Wriggle;Static Flick;Lv. 2 - Glass Glint;Lv. 7 - Eel Coil;Lv. 8 - Charged Skin;Lv. 13 - Silt Hide;"
    "Lv. 13 - Jolting Nip;";
static const char machinesAnguiz[] = "21;29;48;80;81;89;-;5;";
/* 458 Anguvolt */
static const char movesAnguvolt[] =
    "Wriggle;River Lash;Static Flick;Lv. 10 - Eel Coil;Lv. 12 - Charged Skin;Lv. 19 - Silt Hide;"
    "Lv. 19 - Jolting Nip;Lv. 25 - Spark Whirl;Lv. 32 - Voltage Surge;Lv. 45 - Floodplain Squall;";
static const char machinesAnguvolt[] = "21;26;29;48;57;79;80;81;85;89;92;-;5;";
/* 459 Nymphella */
static const char movesNymphella[] =
    "Float Leaf;Pond Bloom;Lv. 8 - Lily Sway;Lv. 20 - Frog Perch;Lv. 29 - Mirror Calm;Lv. 37 - Nectar Drip;"
    "Lv. 62 - Petal Whirl;Lv. 70 - Lotus Dawn;";
static const char machinesNymphella[] = "8;26;29;55;57;64;69;71;79;84;85;89;";
/* 460 Urchet */
static const char movesUrchet[] =
    "Ball Up;Quill Bristle;Static Roll;Charged Spines;Sniff Out;Lv. 3 - Needle Rivet;";
static const char machinesUrchet[] = "21;58;81;92;";
/* 461 Urchaton */
static const char movesUrchaton[] =
    "Ball Up;Quill Bristle;Static Roll;Charged Spines;Sniff Out;Lv. 5 - Needle Rivet;Lv. 11 - Spark Curl;"
    "Lv. 20 - Leaf Litter Dash;Lv. 26 - Volt Crest;Lv. 35 - Steel Tempest;";
static const char machinesUrchaton[] = "21;48;66;80;81;82;92;";
/* 462 Rimelin */
static const char movesRimelin[] =
    "Snow Nuzzle;Hoof Tap;Crystal Breath;Glassy Leap;Lv. 4 - Nub Sparkle;Lv. 7 - Frozen Stream Run;";
static const char machinesRimelin[] = "37;58;67;";
/* 463 Rimerog */
static const char movesRimerog[] =
    "Snow Nuzzle;Hoof Tap;Crystal Breath;Glassy Leap;Lv. 6 - Nub Sparkle;Lv. 10 - Frozen Stream Run;"
    "Lv. 14 - Prism Glint;Lv. 24 - Spike Butt;";
static const char machinesRimerog[] = "37;43;58;67;78;";
/* 464 Rimehart */
static const char movesRimehart[] =
    "Snow Nuzzle;Hoof Tap;Winter Vigil;Crystal Breath;Glassy Leap;Lv. 7 - Nub Sparkle;"
    "Lv. 12 - Frozen Stream Run;Lv. 17 - Prism Glint;Lv. 28 - Spike Butt;Lv. 34 - Ice Antler Ram;"
    "Lv. 39 - Hoarfrost Aura;Lv. 60 - Glitter Field;";
static const char machinesRimehart[] = "17;37;41;43;67;76;78;82;-;4;";
/* 465 Ardipip */
static const char movesArdipip[] = "Reed Stalk;Wade;Bill Jab;Lv. 4 - Still Water Wait;Lv. 9 - Frog Snatch;";
static const char machinesArdipip[] = "26;57;89;-;2;";
/* 466 Ardebrod */
static const char movesArdebrod[] =
    "Reed Stalk;Wade;Bill Jab;Lv. 7 - Still Water Wait;Lv. 14 - Frog Snatch;Lv. 16 - Stilt Step;"
    "Lv. 26 - Mist Preen;";
static const char machinesArdebrod[] = "26;29;57;89;-;2;";
/* 467 Ardeagris */
static const char movesArdeagris[] =
    "Reed Stalk;Wade;Bill Jab;Lv. 10 - Still Water Wait;Lv. 21 - Frog Snatch;Lv. 24 - Stilt Step;"
    "Lv. 39 - Mist Preen;Lv. 42 - Marsh Takeoff;Lv. 53 - Spear Plunge;Lv. 53 - Grey Wing Sweep;"
    "Lv. 64 - Lakeshore Dance;";
static const char machinesArdeagris[] = "23;26;29;57;58;61;63;79;82;85;89;90;-;2;6;";
/* 468 Rizolet */
static const char movesRizolet[] = "Bob;Sprout;Tide Drift;Lv. 5 - Salt Sip;";
/* 469 Rizopal */
static const char movesRizopal[] =
    "Bob;Sprout;Tide Drift;Lv. 9 - Salt Sip;Lv. 16 - Root Dangle;Lv. 16 - Brackish Spray;"
    "Lv. 24 - Three Leg Walk;";
static const char machinesRizopal[] = "26;29;69;71;79;-;2;";
/* 470 Rizomarra */
static const char movesRizomarra[] =
    "Bob;Sprout;Tide Drift;Lv. 11 - Salt Sip;Lv. 19 - Root Dangle;Lv. 19 - Brackish Spray;"
    "Lv. 28 - Three Leg Walk;Lv. 36 - Fish Shelter;Lv. 44 - Mangrove Tangle;Lv. 61 - Flood Surge;"
    "Lv. 69 - Canopy Rain;";
static const char machinesRizomarra[] = "8;26;29;41;55;57;64;69;71;79;84;85;89;-;2;";
/* 471 Melesko */
static const char movesMelesko[] =
    "Snuffle;Scrape;Sett Delving;Lv. 7 - Stripe Warning;Lv. 14 - Root Grub;Lv. 25 - Den Defence;";
static const char machinesMelesko[] = "10;17;35;41;58;88;-;8;";
/* 472 Melesgrund */
static const char movesMelesgrund[] =
    "Snuffle;Scrape;Sett Delving;Lv. 8 - Stripe Warning;Lv. 16 - Root Grub;Lv. 28 - Den Defence;"
    "Lv. 34 - Bristle Rush;Lv. 41 - Tunnel Network;Lv. 41 - Badger Barrel;Lv. 65 - Elder Guard;";
static const char machinesMelesgrund[] = "7;10;17;35;41;58;74;82;88;-;8;";
/* 473 Knuri */
static const char movesKnuri[] =
    "Snort;Leaf Shake;Lv. 4 - Root Grubbing;Lv. 7 - Wallow;Lv. 10 - Acorn Feast;";
static const char machinesKnuri[] = "35;55;58;69;88;";
/* 474 Knurek */
static const char movesKnurek[] =
    "Snort;Leaf Shake;Lv. 6 - Root Grubbing;Lv. 11 - Wallow;Lv. 15 - Acorn Feast;"
    "Lv. 17 - Moss Ridge Bristle;Lv. 19 - Tusk Rake;";
static const char machinesKnurek[] = "10;35;55;64;69;74;82;88;-;8;";
/* 475 Knurwald */
static const char movesKnurwald[] =
    "Snort;Leaf Shake;Head Toss;Lv. 8 - Root Grubbing;Lv. 15 - Wallow;Lv. 21 - Acorn Feast;"
    "Lv. 23 - Moss Ridge Bristle;Lv. 26 - Tusk Rake;Lv. 28 - Lone Charge;Lv. 45 - Fern Back Shield;"
    "Lv. 63 - Old Woodland Rampage;";
static const char machinesKnurwald[] = "7;8;10;17;35;41;55;58;64;69;71;74;82;84;88;-;3;8;";
/* 476 Bradypo */
static const char movesBradypo[] = "Hang;Slow Blink;Moss Graze;Lv. 11 - Fern Shade;Lv. 18 - Canopy Drowse;";
static const char machinesBradypo[] = "8;55;58;69;71;";
/* 477 Sutorek */
static const char movesSutorek[] = "Needle Beak;Cheep;Lv. 5 - Thread Pull;Lv. 9 - Leaf Stitch;";
static const char machinesSutorek[] = "23;41;63;88;-;6;";
/* 478 Sutorella */
static const char movesSutorella[] =
    "Needle Beak;Tail Cock;Lv. 7 - Thread Pull;Lv. 13 - Leaf Stitch;Lv. 16 - Grass Snare;"
    "Lv. 19 - Hanging Nest;Lv. 31 - Darning Dart;Lv. 42 - Pouch Swing;Lv. 66 - Seamstress Flurry;";
static const char machinesSutorella[] = "17;23;41;58;61;63;75;82;88;90;-;1;6;";
/* 479 Dzwonurek */
static const char movesDzwonurek[] =
    "Chain Clank;Porthole Stare;Lamp Beam;Lv. 5 - Seabed Stride;Lv. 9 - Pressure Hold;Lv. 13 - Anchor Snag;"
    "Lv. 20 - Rust Bloom;Lv. 24 - Air Bubble Burst;Lv. 28 - Bell Toll Boom;Lv. 34 - Sunken Salvage;"
    "Lv. 59 - Abyss Lantern;";
static const char machinesDzwonurek[] = "3;13;17;26;29;57;65;68;70;79;82;85;86;89;-;3;7;";
/* 480 Balaenor */
static const char movesBalaenor[] =
    "Blowhole Puff;Deep Call;Reef Shelter;Lv. 6 - Krill Sweep;Lv. 11 - Flipper Smack;"
    "Lv. 15 - Coral Hump Ram;Lv. 17 - Whale Song;Lv. 21 - Ocean Breach;Lv. 31 - Abyssal Descent;"
    "Lv. 40 - Living Island;";
static const char machinesBalaenor[] = "17;26;29;41;57;79;82;85;89;-;3;5;";
/* 481 Gnomonar */
static const char movesGnomonar[] =
    "Shell Tuck;Noon Gaze;Lv. 11 - Shadow Hour;Lv. 15 - Sandstone Stomp;Lv. 20 - Gnomon Glint;"
    "Lv. 26 - Slow Century;Lv. 33 - Sundial Turn;Lv. 39 - Dune Plod;Lv. 57 - Eclipse Stillness;"
    "Lv. 57 - Long Evening;";
static const char machinesGnomonar[] = "3;7;11;13;17;32;36;59;70;73;82;86;-;3;";
/* 482 Glaciath */
static const char movesGlaciath[] =
    "Creak;Cold Lean;Lv. 3 - Tripod Stride;Lv. 8 - Sea Stack Sway;Lv. 13 - Hanging Icicles;"
    "Lv. 21 - Frozen Column;Lv. 28 - Spray Freeze;Lv. 43 - Glacier Calving;Lv. 58 - Polar Night Vigil;";
static const char machinesGlaciath[] = "7;17;37;43;67;74;76;78;82;-;3;";
/* 483 Pyrelk */
static const char movesPyrelk[] =
    "Cinder Snort;Antler Glow;Lv. 11 - Burning Tines;Lv. 15 - Ash Trail;Lv. 20 - Forest Blaze Run;"
    "Lv. 26 - Coal Hoof;Lv. 30 - Blazing Rut;Lv. 43 - Wildfire Crown;Lv. 56 - Rekindling;";
static const char machinesPyrelk[] = "4;14;16;17;34;45;46;58;-;4;7;";
/* 484 Bryotitan */
static const char movesBryotitan[] =
    "Lumber;Moss Coat;Boulder Lichen;Root Trample;Lv. 8 - Ancient Grove;Lv. 29 - Fern Fist;"
    "Lv. 29 - Peat Bog Sink;Lv. 51 - Old Forest Wrath;Lv. 72 - Titan Overgrowth;";
static const char machinesBryotitan[] = "7;8;17;38;55;58;64;69;71;74;82;84;-;3;";
/* 485 Zmierzchun */
static const char movesZmierzchun[] =
    "Dust Scales;Dusk Flit;Lv. 5 - Moon Circling;Lv. 13 - Powder Shower;Lv. 21 - Dark Lamp Lure;"
    "Lv. 28 - Eyespot Stare;Lv. 28 - Midnight Flutter;Lv. 44 - Lulling Haze;Lv. 48 - Eclipse Wings;";
static const char machinesZmierzchun[] = "1;2;15;39;49;54;60;72;75;77;83;-;6;";
/* 486 Torpedra */
static const char movesTorpedra[] =
    "Ray Glide;Static Hum;Sand Bed Hide;Numbing Touch;Lv. 4 - Wing Fin Beat;Lv. 4 - Trench Jolt;"
    "Lv. 4 - Storm Front Sweep;Lv. 34 - Thunderhead Plunge;Lv. 49 - Ocean Lightning;";
static const char machinesTorpedra[] = "17;21;26;29;48;79;80;81;85;89;92;-;5;";
/* 487 Astrogel */
static const char movesAstrogel[] =
    "Star Flicker;Drift;Pulse Throb;Gel Wobble;Lv. 3 - Nebula Glow;Lv. 3 - Trailing Shine;"
    "Lv. 16 - Pull of Heavens;Lv. 55 - Constellation;Lv. 62 - Supernova Shiver;";
static const char machinesAstrogel[] = "24;33;34;48;50;52;53;58;82;-;7;";
/* 488 Bagiennik */
static const char movesBagiennik[] =
    "Creep;Lantern Sway;Lv. 2 - Bog Mist;Lv. 12 - Crook Hook;Lv. 12 - Fever Fog;Lv. 16 - Peat Smoulder;"
    "Lv. 26 - Rot Cloud;Lv. 30 - Pale Beacon;Lv. 50 - Drowned Host;Lv. 71 - Endless Mire;";
static const char machinesBagiennik[] = "5;6;20;22;39;44;51;56;87;91;-;2;7;";
/* 489 Scutarro */
static const char movesScutarro[] =
    "Roll Up;Snout Rooting;Lv. 2 - Plate Armour;Lv. 8 - Ant Slurp;Lv. 10 - Rolling Ram;Lv. 13 - Band Brace;"
    "Lv. 25 - Tunnel Spin;Lv. 36 - Burrow Fortress;";
static const char machinesScutarro[] = "3;10;13;18;27;28;35;40;65;68;70;86;-;8;";
/* 490 Orikran */
static const char movesOrikran[] =
    "Paper Fold;Flutter;Lv. 9 - Crease Cut;Lv. 12 - Leaf Glide;Lv. 13 - Origami Shift;Lv. 20 - Folded Wings;"
    "Lv. 36 - Crane Flock;Lv. 37 - Confetti Flurry;";
static const char machinesOrikran[] = "8;23;41;55;61;63;64;69;71;84;90;-;6;";
/* 491 Glinotur */
static const char movesGlinotur[] =
    "Plough;Lowing;Deep Furrow;Horn Heave;Lv. 3 - Field Shake;Lv. 29 - Yoke Strength;Lv. 45 - Clod Hurl;"
    "Lv. 63 - Landslide Lunge;Lv. 71 - Continental Shrug;";
static const char machinesGlinotur[] = "7;10;17;18;27;28;35;40;58;74;82;-;3;8;";
/* 492 Zarlibela */
static const char movesZarlibela[] =
    "Wing Whirr;Compound Gaze;Lv. 3 - Lava Skim;Lv. 11 - Glow Tail Flick;Lv. 19 - Fourfold Hover;"
    "Lv. 22 - Heat Shimmer Dart;Lv. 24 - Molten Dew Sip;Lv. 32 - Caldera Swoop;Lv. 35 - Cinder Swarm;"
    "Lv. 67 - Crater Mirage;";
static const char machinesZarlibela[] = "2;4;14;15;16;34;45;46;49;83;-;6;7;";
/* 493 Orrimbar */
static const char movesOrrimbar[] =
    "Slumber;Weather Sense;Peak Embrace;Drizzle Dreaming;Ancient Sigh;Lv. 6 - Cloud Shaping;"
    "Lv. 12 - Coil Tremor;Lv. 20 - Stormcloud Vision;Lv. 28 - Season Turning;Lv. 34 - World Memory;"
    "Lv. 39 - Waking Squall;";
static const char machinesOrrimbar[] = "17;19;24;25;31;33;41;50;52;53;82;";

const unsigned short formPicture[FORM_COUNT] = {IDB_PICTURE_BASE + FORM_ENTRY, IDB_FORM1_PICTURE,
                                                IDB_FORM2_PICTURE};
const unsigned short formSecondaryTypeIcon[FORM_COUNT] = {IDB_TYPE_GRASS, IDB_TYPE_GROUND, IDB_TYPE_STEEL};
const char *const formMoveListText[FORM_COUNT] = {movesTessamiraMoss, movesTessamiraClay, movesTessamiraIron};

void InitCatalogue()
{
    /* clang-format off */
    /* 387 Talpik */    moveListText[1] = movesTalpik;             machineListText[1] = machinesTalpik;             heightCm[1] = 25;    weightTenthKg[1] = 60;     primaryTypeIcon[1] = IDB_TYPE_GROUND;        secondaryTypeIcon[1] = NO_SECOND_TYPE;
    /* 388 Talpagrond */ moveListText[2] = movesTalpagrond;         machineListText[2] = machinesTalpagrond;         heightCm[2] = 95;    weightTenthKg[2] = 640;    primaryTypeIcon[2] = IDB_TYPE_GROUND;        secondaryTypeIcon[2] = NO_SECOND_TYPE;
    /* 389 Krukal */    moveListText[3] = movesKrukal;             machineListText[3] = machinesKrukal;             heightCm[3] = 70;    weightTenthKg[3] = 31;     primaryTypeIcon[3] = IDB_TYPE_NORMAL;        secondaryTypeIcon[3] = IDB_TYPE_FLYING;
    /* 390 Medulo */    moveListText[4] = movesMedulo;             machineListText[4] = machinesMedulo;             heightCm[4] = 30;    weightTenthKg[4] = 12;     primaryTypeIcon[4] = IDB_TYPE_WATER;         secondaryTypeIcon[4] = IDB_TYPE_ELECTRIC;
    /* 391 Medulume */  moveListText[5] = movesMedulume;           machineListText[5] = machinesMedulume;           heightCm[5] = 150;   weightTenthKg[5] = 420;    primaryTypeIcon[5] = IDB_TYPE_WATER;         secondaryTypeIcon[5] = IDB_TYPE_ELECTRIC;
    /* 392 Sadzik */    moveListText[6] = movesSadzik;             machineListText[6] = machinesSadzik;             heightCm[6] = 30;    weightTenthKg[6] = 42;     primaryTypeIcon[6] = IDB_TYPE_FIRE;          secondaryTypeIcon[6] = NO_SECOND_TYPE;
    /* 393 Sadzarek */  moveListText[7] = movesSadzarek;           machineListText[7] = machinesSadzarek;           heightCm[7] = 75;    weightTenthKg[7] = 210;    primaryTypeIcon[7] = IDB_TYPE_FIRE;          secondaryTypeIcon[7] = NO_SECOND_TYPE;
    /* 394 Sadzowar */  moveListText[8] = movesSadzowar;           machineListText[8] = machinesSadzowar;           heightCm[8] = 160;   weightTenthKg[8] = 1100;   primaryTypeIcon[8] = IDB_TYPE_FIRE;          secondaryTypeIcon[8] = IDB_TYPE_GROUND;
    /* 395 Chmurek */   moveListText[9] = movesChmurek;            machineListText[9] = machinesNone;               heightCm[9] = 20;    weightTenthKg[9] = 3;      primaryTypeIcon[9] = IDB_TYPE_NORMAL;        secondaryTypeIcon[9] = NO_SECOND_TYPE;
    /* 396 Hubik */     moveListText[10] = movesHubik;             machineListText[10] = machinesHubik;             heightCm[10] = 25;   weightTenthKg[10] = 15;    primaryTypeIcon[10] = IDB_TYPE_GRASS;        secondaryTypeIcon[10] = IDB_TYPE_POISON;
    /* 397 Hubostol */  moveListText[11] = movesHubostol;          machineListText[11] = machinesHubostol;          heightCm[11] = 90;   weightTenthKg[11] = 160;   primaryTypeIcon[11] = IDB_TYPE_GRASS;        secondaryTypeIcon[11] = IDB_TYPE_POISON;
    /* 398 Murek */     moveListText[12] = movesMurek;             machineListText[12] = machinesWallGolems;        heightCm[12] = 35;   weightTenthKg[12] = 160;   primaryTypeIcon[12] = IDB_TYPE_ROCK;         secondaryTypeIcon[12] = NO_SECOND_TYPE;
    /* 399 Murowal */   moveListText[13] = movesMurowal;           machineListText[13] = machinesWallGolems;        heightCm[13] = 110;  weightTenthKg[13] = 1300;  primaryTypeIcon[13] = IDB_TYPE_ROCK;         secondaryTypeIcon[13] = NO_SECOND_TYPE;
    /* 400 Murogrom */  moveListText[14] = movesMurogrom;          machineListText[14] = machinesMurogrom;          heightCm[14] = 210;  weightTenthKg[14] = 5200;  primaryTypeIcon[14] = IDB_TYPE_ROCK;         secondaryTypeIcon[14] = IDB_TYPE_FIGHTING;
    /* 401 Lophira */   moveListText[15] = movesLophira;           machineListText[15] = machinesLophira;           heightCm[15] = 120;  weightTenthKg[15] = 880;   primaryTypeIcon[15] = IDB_TYPE_WATER;        secondaryTypeIcon[15] = IDB_TYPE_DARK;
    /* 402 Yetilo */    moveListText[16] = movesYetilo;            machineListText[16] = machinesYetilo;            heightCm[16] = 70;   weightTenthKg[16] = 280;   primaryTypeIcon[16] = IDB_TYPE_ICE;          secondaryTypeIcon[16] = NO_SECOND_TYPE;
    /* 403 Yetimaruk */ moveListText[17] = movesYetimaruk;         machineListText[17] = machinesYetimaruk;         heightCm[17] = 230;  weightTenthKg[17] = 2750;  primaryTypeIcon[17] = IDB_TYPE_ICE;          secondaryTypeIcon[17] = NO_SECOND_TYPE;
    /* 404 Lelik */     moveListText[18] = movesLelik;             machineListText[18] = machinesLelik;             heightCm[18] = 20;   weightTenthKg[18] = 11;    primaryTypeIcon[18] = IDB_TYPE_NORMAL;       secondaryTypeIcon[18] = IDB_TYPE_FLYING;
    /* 405 Lelarek */   moveListText[19] = movesLelarek;           machineListText[19] = machinesLelarek;           heightCm[19] = 30;   weightTenthKg[19] = 14;    primaryTypeIcon[19] = IDB_TYPE_NORMAL;       secondaryTypeIcon[19] = IDB_TYPE_FLYING;
    /* 406 Lelomrok */  moveListText[20] = movesLelomrok;          machineListText[20] = machinesLelomrok;          heightCm[20] = 60;   weightTenthKg[20] = 45;    primaryTypeIcon[20] = IDB_TYPE_NORMAL;       secondaryTypeIcon[20] = IDB_TYPE_FLYING;
    /* 407 Kowadrak */  moveListText[21] = movesKowadrak;          machineListText[21] = machinesKowadrak;          heightCm[21] = 70;   weightTenthKg[21] = 1650;  primaryTypeIcon[21] = IDB_TYPE_STEEL;        secondaryTypeIcon[21] = NO_SECOND_TYPE;
    /* 408 Haybogle */  moveListText[22] = movesHaybogle;          machineListText[22] = machinesHaybogle;          heightCm[22] = 170;  weightTenthKg[22] = 220;   primaryTypeIcon[22] = IDB_TYPE_GRASS;        secondaryTypeIcon[22] = NO_SECOND_TYPE;
    /* 409 Skitka */    moveListText[23] = movesSkitka;            machineListText[23] = machinesSkitka;            heightCm[23] = 20;   weightTenthKg[23] = 4;     primaryTypeIcon[23] = IDB_TYPE_INSECT;       secondaryTypeIcon[23] = NO_SECOND_TYPE;
    /* 410 Skitrel */   moveListText[24] = movesSkitrel;           machineListText[24] = machinesSkitrel;           heightCm[24] = 30;   weightTenthKg[24] = 20;    primaryTypeIcon[24] = IDB_TYPE_INSECT;       secondaryTypeIcon[24] = NO_SECOND_TYPE;
    /* 411 Skitnoctis */ moveListText[25] = movesSkitnoctis;        machineListText[25] = machinesSkitnoctis;        heightCm[25] = 100;  weightTenthKg[25] = 330;   primaryTypeIcon[25] = IDB_TYPE_INSECT;       secondaryTypeIcon[25] = IDB_TYPE_DARK;
    /* 412 Tessinek */  moveListText[26] = movesTessinek;          machineListText[26] = machinesTessinek;          heightCm[26] = 22;   weightTenthKg[26] = 5;     primaryTypeIcon[26] = IDB_TYPE_NORMAL;       secondaryTypeIcon[26] = NO_SECOND_TYPE;
    /* 413 Tessamira */ moveListText[27] = movesTessamiraMoss;     machineListText[27] = machinesTessamira;         heightCm[27] = 48;   weightTenthKg[27] = 70;    primaryTypeIcon[27] = IDB_TYPE_NORMAL;       secondaryTypeIcon[27] = IDB_TYPE_GRASS;
    /* 414 Tessarok */  moveListText[28] = movesTessarok;          machineListText[28] = machinesTessarok;          heightCm[28] = 60;   weightTenthKg[28] = 95;    primaryTypeIcon[28] = IDB_TYPE_NORMAL;       secondaryTypeIcon[28] = IDB_TYPE_DARK;
    /* 415 Humulik */   moveListText[29] = movesHumulik;           machineListText[29] = machinesHumulik;           heightCm[29] = 60;   weightTenthKg[29] = 12;    primaryTypeIcon[29] = IDB_TYPE_GRASS;        secondaryTypeIcon[29] = IDB_TYPE_PSYCHIC;
    /* 416 Humulara */  moveListText[30] = movesHumulara;          machineListText[30] = machinesHumulara;          heightCm[30] = 210;  weightTenthKg[30] = 180;   primaryTypeIcon[30] = IDB_TYPE_GRASS;        secondaryTypeIcon[30] = IDB_TYPE_PSYCHIC;
    /* 417 Tikkerel */  moveListText[31] = movesTikkerel;          machineListText[31] = machinesTikkerel;          heightCm[31] = 35;   weightTenthKg[31] = 12;    primaryTypeIcon[31] = IDB_TYPE_FIRE;         secondaryTypeIcon[31] = IDB_TYPE_ROCK;
    /* 418 Kazurek */   moveListText[32] = movesKazurek;           machineListText[32] = machinesKazurek;           heightCm[32] = 40;   weightTenthKg[32] = 30;    primaryTypeIcon[32] = IDB_TYPE_FIGHTING;     secondaryTypeIcon[32] = NO_SECOND_TYPE;
    /* 419 Kazuarin */  moveListText[33] = movesKazuarin;          machineListText[33] = machinesKazuarin;          heightCm[33] = 110;  weightTenthKg[33] = 250;   primaryTypeIcon[33] = IDB_TYPE_FIGHTING;     secondaryTypeIcon[33] = NO_SECOND_TYPE;
    /* 420 Kazuarok */  moveListText[34] = movesKazuarok;          machineListText[34] = machinesKazuarok;          heightCm[34] = 170;  weightTenthKg[34] = 580;   primaryTypeIcon[34] = IDB_TYPE_FIGHTING;     secondaryTypeIcon[34] = NO_SECOND_TYPE;
    /* 421 Porrib */    moveListText[35] = movesPorrib;            machineListText[35] = machinesPorrib;            heightCm[35] = 40;   weightTenthKg[35] = 170;   primaryTypeIcon[35] = IDB_TYPE_WATER;        secondaryTypeIcon[35] = NO_SECOND_TYPE;
    /* 422 Porrifex */  moveListText[36] = movesPorrifex;          machineListText[36] = machinesPorrifex;          heightCm[36] = 130;  weightTenthKg[36] = 2000;  primaryTypeIcon[36] = IDB_TYPE_WATER;        secondaryTypeIcon[36] = IDB_TYPE_ROCK;
    /* 423 Modlik */    moveListText[37] = movesModlik;            machineListText[37] = machinesModlik;            heightCm[37] = 150;  weightTenthKg[37] = 320;   primaryTypeIcon[37] = IDB_TYPE_INSECT;       secondaryTypeIcon[37] = IDB_TYPE_GRASS;
    /* 424 Skimpa */    moveListText[38] = movesSkimpa;            machineListText[38] = machinesYoungFrogs;        heightCm[38] = 21;   weightTenthKg[38] = 12;    primaryTypeIcon[38] = IDB_TYPE_POISON;       secondaryTypeIcon[38] = IDB_TYPE_FLYING;
    /* 425 Skimpador */ moveListText[39] = movesSkimpador;         machineListText[39] = machinesYoungFrogs;        heightCm[39] = 55;   weightTenthKg[39] = 64;    primaryTypeIcon[39] = IDB_TYPE_POISON;       secondaryTypeIcon[39] = IDB_TYPE_FLYING;
    /* 426 Skimparex */ moveListText[40] = movesSkimparex;         machineListText[40] = machinesSkimparex;         heightCm[40] = 130;  weightTenthKg[40] = 290;   primaryTypeIcon[40] = IDB_TYPE_POISON;       secondaryTypeIcon[40] = IDB_TYPE_FLYING;
    /* 427 Pompak */    moveListText[41] = movesPompak;            machineListText[41] = machinesPompak;            heightCm[41] = 150;  weightTenthKg[41] = 3000;  primaryTypeIcon[41] = IDB_TYPE_STEEL;        secondaryTypeIcon[41] = NO_SECOND_TYPE;
    /* 428 Stakki */    moveListText[42] = movesStakki;            machineListText[42] = machinesStakki;            heightCm[42] = 55;   weightTenthKg[42] = 350;   primaryTypeIcon[42] = IDB_TYPE_GHOST;        secondaryTypeIcon[42] = IDB_TYPE_ROCK;
    /* 429 Stakkorum */ moveListText[43] = movesStakkorum;         machineListText[43] = machinesStakkorum;         heightCm[43] = 160;  weightTenthKg[43] = 2600;  primaryTypeIcon[43] = IDB_TYPE_GHOST;        secondaryTypeIcon[43] = IDB_TYPE_ROCK;
    /* 430 Coilet */    moveListText[44] = movesCoilet;            machineListText[44] = machinesPondSnails;        heightCm[44] = 20;   weightTenthKg[44] = 12;    primaryTypeIcon[44] = IDB_TYPE_WATER;        secondaryTypeIcon[44] = NO_SECOND_TYPE;
    /* 431 Coilumar */  moveListText[45] = movesCoilumar;          machineListText[45] = machinesPondSnails;        heightCm[45] = 45;   weightTenthKg[45] = 85;    primaryTypeIcon[45] = IDB_TYPE_WATER;        secondaryTypeIcon[45] = NO_SECOND_TYPE;
    /* 432 Coilidor */  moveListText[46] = movesCoilidor;          machineListText[46] = machinesCoilidor;          heightCm[46] = 120;  weightTenthKg[46] = 1450;  primaryTypeIcon[46] = IDB_TYPE_WATER;        secondaryTypeIcon[46] = NO_SECOND_TYPE;
    /* 433 Rhombi */    moveListText[47] = movesRhombi;            machineListText[47] = machinesRhombi;            heightCm[47] = 25;   weightTenthKg[47] = 60;    primaryTypeIcon[47] = IDB_TYPE_GROUND;       secondaryTypeIcon[47] = NO_SECOND_TYPE;
    /* 434 Rhombadune */ moveListText[48] = movesRhombadune;        machineListText[48] = machinesRhombadune;        heightCm[48] = 60;   weightTenthKg[48] = 380;   primaryTypeIcon[48] = IDB_TYPE_GROUND;       secondaryTypeIcon[48] = IDB_TYPE_POISON;
    /* 435 Lullamb */   moveListText[49] = movesLullamb;           machineListText[49] = machinesLullamb;           heightCm[49] = 40;   weightTenthKg[49] = 60;    primaryTypeIcon[49] = IDB_TYPE_NORMAL;       secondaryTypeIcon[49] = NO_SECOND_TYPE;
    /* 436 Wulfin */    moveListText[50] = movesWulfin;            machineListText[50] = machinesWulfin;            heightCm[50] = 45;   weightTenthKg[50] = 95;    primaryTypeIcon[50] = IDB_TYPE_DARK;         secondaryTypeIcon[50] = NO_SECOND_TYPE;
    /* 437 Wulfar */    moveListText[51] = movesWulfar;            machineListText[51] = machinesWulfar;            heightCm[51] = 90;   weightTenthKg[51] = 300;   primaryTypeIcon[51] = IDB_TYPE_DARK;         secondaryTypeIcon[51] = NO_SECOND_TYPE;
    /* 438 Wulfrost */  moveListText[52] = movesWulfrost;          machineListText[52] = machinesWulfrost;          heightCm[52] = 140;  weightTenthKg[52] = 620;   primaryTypeIcon[52] = IDB_TYPE_DARK;         secondaryTypeIcon[52] = IDB_TYPE_ICE;
    /* 439 Beczik */    moveListText[53] = movesBeczik;            machineListText[53] = machinesBeczik;            heightCm[53] = 28;   weightTenthKg[53] = 80;    primaryTypeIcon[53] = IDB_TYPE_GRASS;        secondaryTypeIcon[53] = NO_SECOND_TYPE;
    /* 440 Beczkowal */ moveListText[54] = movesBeczkowal;         machineListText[54] = machinesBeczkowal;         heightCm[54] = 110;  weightTenthKg[54] = 1500;  primaryTypeIcon[54] = IDB_TYPE_GRASS;        secondaryTypeIcon[54] = IDB_TYPE_GROUND;
    /* 441 Samovik */   moveListText[55] = movesSamovik;           machineListText[55] = machinesSamovik;           heightCm[55] = 50;   weightTenthKg[55] = 160;   primaryTypeIcon[55] = IDB_TYPE_FIRE;         secondaryTypeIcon[55] = NO_SECOND_TYPE;
    /* 442 Gardolith */ moveListText[56] = movesGardolith;         machineListText[56] = machinesGardolith;         heightCm[56] = 160;  weightTenthKg[56] = 2900;  primaryTypeIcon[56] = IDB_TYPE_ROCK;         secondaryTypeIcon[56] = NO_SECOND_TYPE;
    /* 443 Lampyrix */  moveListText[57] = movesLampyrix;          machineListText[57] = machinesLampyrix;          heightCm[57] = 35;   weightTenthKg[57] = 11;    primaryTypeIcon[57] = IDB_TYPE_INSECT;       secondaryTypeIcon[57] = IDB_TYPE_ELECTRIC;
    /* 444 Limaxel */   moveListText[58] = movesLimaxel;           machineListText[58] = machinesLimaxel;           heightCm[58] = 20;   weightTenthKg[58] = 35;    primaryTypeIcon[58] = IDB_TYPE_POISON;       secondaryTypeIcon[58] = NO_SECOND_TYPE;
    /* 445 Limaxora */  moveListText[59] = movesLimaxora;          machineListText[59] = machinesLimaxora;          heightCm[59] = 90;   weightTenthKg[59] = 300;   primaryTypeIcon[59] = IDB_TYPE_POISON;       secondaryTypeIcon[59] = IDB_TYPE_PSYCHIC;
    /* 446 Torfik */    moveListText[60] = movesTorfik;            machineListText[60] = machinesTorfik;            heightCm[60] = 50;   weightTenthKg[60] = 95;    primaryTypeIcon[60] = IDB_TYPE_DRAGON;       secondaryTypeIcon[60] = NO_SECOND_TYPE;
    /* 447 Torfigon */  moveListText[61] = movesTorfigon;          machineListText[61] = machinesTorfigon;          heightCm[61] = 110;  weightTenthKg[61] = 900;   primaryTypeIcon[61] = IDB_TYPE_DRAGON;       secondaryTypeIcon[61] = NO_SECOND_TYPE;
    /* 448 Torfadrak */ moveListText[62] = movesTorfadrak;         machineListText[62] = machinesTorfadrak;         heightCm[62] = 190;  weightTenthKg[62] = 2600;  primaryTypeIcon[62] = IDB_TYPE_DRAGON;       secondaryTypeIcon[62] = IDB_TYPE_GRASS;
    /* 449 Skokik */    moveListText[63] = movesSkokik;            machineListText[63] = machinesSkokik;            heightCm[63] = 40;   weightTenthKg[63] = 50;    primaryTypeIcon[63] = IDB_TYPE_GROUND;       secondaryTypeIcon[63] = NO_SECOND_TYPE;
    /* 450 Anthelle */  moveListText[64] = movesAnthelle;          machineListText[64] = machinesAnthelle;          heightCm[64] = 30;   weightTenthKg[64] = 18;    primaryTypeIcon[64] = IDB_TYPE_GRASS;        secondaryTypeIcon[64] = NO_SECOND_TYPE;
    /* 451 Anthoria */  moveListText[65] = movesAnthoria;          machineListText[65] = machinesAnthoria;          heightCm[65] = 90;   weightTenthKg[65] = 120;   primaryTypeIcon[65] = IDB_TYPE_GRASS;        secondaryTypeIcon[65] = NO_SECOND_TYPE;
    /* 452 Scarmik */   moveListText[66] = movesScarmik;           machineListText[66] = machinesNone;              heightCm[66] = 20;   weightTenthKg[66] = 8;     primaryTypeIcon[66] = IDB_TYPE_INSECT;       secondaryTypeIcon[66] = NO_SECOND_TYPE;
    /* 453 Scarbit */   moveListText[67] = movesScarbit;           machineListText[67] = machinesScarbit;           heightCm[67] = 30;   weightTenthKg[67] = 30;    primaryTypeIcon[67] = IDB_TYPE_INSECT;       secondaryTypeIcon[67] = NO_SECOND_TYPE;
    /* 454 Scarabrax */ moveListText[68] = movesScarabrax;         machineListText[68] = machinesScarabrax;         heightCm[68] = 70;   weightTenthKg[68] = 520;   primaryTypeIcon[68] = IDB_TYPE_INSECT;       secondaryTypeIcon[68] = IDB_TYPE_ROCK;
    /* 455 Studnik */   moveListText[69] = movesStudnik;           machineListText[69] = machinesStudnik;           heightCm[69] = 45;   weightTenthKg[69] = 380;   primaryTypeIcon[69] = IDB_TYPE_GHOST;        secondaryTypeIcon[69] = IDB_TYPE_WATER;
    /* 456 Angulek */   moveListText[70] = movesAngulek;           machineListText[70] = machinesAngulek;           heightCm[70] = 20;   weightTenthKg[70] = 14;    primaryTypeIcon[70] = IDB_TYPE_WATER;        secondaryTypeIcon[70] = IDB_TYPE_ELECTRIC;
    /* 457 Anguiz */    moveListText[71] = movesAnguiz;            machineListText[71] = machinesAnguiz;            heightCm[71] = 90;   weightTenthKg[71] = 110;   primaryTypeIcon[71] = IDB_TYPE_WATER;        secondaryTypeIcon[71] = IDB_TYPE_ELECTRIC;
    /* 458 Anguvolt */  moveListText[72] = movesAnguvolt;          machineListText[72] = machinesAnguvolt;          heightCm[72] = 280;  weightTenthKg[72] = 960;   primaryTypeIcon[72] = IDB_TYPE_WATER;        secondaryTypeIcon[72] = IDB_TYPE_ELECTRIC;
    /* 459 Nymphella */ moveListText[73] = movesNymphella;         machineListText[73] = machinesNymphella;         heightCm[73] = 100;  weightTenthKg[73] = 260;   primaryTypeIcon[73] = IDB_TYPE_GRASS;        secondaryTypeIcon[73] = IDB_TYPE_WATER;
    /* 460 Urchet */    moveListText[74] = movesUrchet;            machineListText[74] = machinesUrchet;            heightCm[74] = 25;   weightTenthKg[74] = 28;    primaryTypeIcon[74] = IDB_TYPE_ELECTRIC;     secondaryTypeIcon[74] = NO_SECOND_TYPE;
    /* 461 Urchaton */  moveListText[75] = movesUrchaton;          machineListText[75] = machinesUrchaton;          heightCm[75] = 60;   weightTenthKg[75] = 190;   primaryTypeIcon[75] = IDB_TYPE_ELECTRIC;     secondaryTypeIcon[75] = NO_SECOND_TYPE;
    /* 462 Rimelin */   moveListText[76] = movesRimelin;           machineListText[76] = machinesRimelin;           heightCm[76] = 70;   weightTenthKg[76] = 180;   primaryTypeIcon[76] = IDB_TYPE_ICE;          secondaryTypeIcon[76] = NO_SECOND_TYPE;
    /* 463 Rimerog */   moveListText[77] = movesRimerog;           machineListText[77] = machinesRimerog;           heightCm[77] = 120;  weightTenthKg[77] = 520;   primaryTypeIcon[77] = IDB_TYPE_ICE;          secondaryTypeIcon[77] = NO_SECOND_TYPE;
    /* 464 Rimehart */  moveListText[78] = movesRimehart;          machineListText[78] = machinesRimehart;          heightCm[78] = 180;  weightTenthKg[78] = 1400;  primaryTypeIcon[78] = IDB_TYPE_ICE;          secondaryTypeIcon[78] = NO_SECOND_TYPE;
    /* 465 Ardipip */   moveListText[79] = movesArdipip;           machineListText[79] = machinesArdipip;           heightCm[79] = 45;   weightTenthKg[79] = 42;    primaryTypeIcon[79] = IDB_TYPE_WATER;        secondaryTypeIcon[79] = NO_SECOND_TYPE;
    /* 466 Ardebrod */  moveListText[80] = movesArdebrod;          machineListText[80] = machinesArdebrod;          heightCm[80] = 95;   weightTenthKg[80] = 120;   primaryTypeIcon[80] = IDB_TYPE_WATER;        secondaryTypeIcon[80] = NO_SECOND_TYPE;
    /* 467 Ardeagris */ moveListText[81] = movesArdeagris;         machineListText[81] = machinesArdeagris;         heightCm[81] = 150;  weightTenthKg[81] = 210;   primaryTypeIcon[81] = IDB_TYPE_WATER;        secondaryTypeIcon[81] = IDB_TYPE_FLYING;
    /* 468 Rizolet */   moveListText[82] = movesRizolet;           machineListText[82] = machinesNone;              heightCm[82] = 40;   weightTenthKg[82] = 36;    primaryTypeIcon[82] = IDB_TYPE_WATER;        secondaryTypeIcon[82] = IDB_TYPE_GRASS;
    /* 469 Rizopal */   moveListText[83] = movesRizopal;           machineListText[83] = machinesRizopal;           heightCm[83] = 90;   weightTenthKg[83] = 150;   primaryTypeIcon[83] = IDB_TYPE_WATER;        secondaryTypeIcon[83] = IDB_TYPE_GRASS;
    /* 470 Rizomarra */ moveListText[84] = movesRizomarra;         machineListText[84] = machinesRizomarra;         heightCm[84] = 150;  weightTenthKg[84] = 440;   primaryTypeIcon[84] = IDB_TYPE_WATER;        secondaryTypeIcon[84] = IDB_TYPE_GRASS;
    /* 471 Melesko */   moveListText[85] = movesMelesko;           machineListText[85] = machinesMelesko;           heightCm[85] = 50;   weightTenthKg[85] = 95;    primaryTypeIcon[85] = IDB_TYPE_NORMAL;       secondaryTypeIcon[85] = NO_SECOND_TYPE;
    /* 472 Melesgrund */ moveListText[86] = movesMelesgrund;        machineListText[86] = machinesMelesgrund;        heightCm[86] = 110;  weightTenthKg[86] = 560;   primaryTypeIcon[86] = IDB_TYPE_NORMAL;       secondaryTypeIcon[86] = NO_SECOND_TYPE;
    /* 473 Knuri */     moveListText[87] = movesKnuri;             machineListText[87] = machinesKnuri;             heightCm[87] = 30;   weightTenthKg[87] = 60;    primaryTypeIcon[87] = IDB_TYPE_GRASS;        secondaryTypeIcon[87] = NO_SECOND_TYPE;
    /* 474 Knurek */    moveListText[88] = movesKnurek;            machineListText[88] = machinesKnurek;            heightCm[88] = 70;   weightTenthKg[88] = 450;   primaryTypeIcon[88] = IDB_TYPE_GRASS;        secondaryTypeIcon[88] = NO_SECOND_TYPE;
    /* 475 Knurwald */  moveListText[89] = movesKnurwald;          machineListText[89] = machinesKnurwald;          heightCm[89] = 120;  weightTenthKg[89] = 1650;  primaryTypeIcon[89] = IDB_TYPE_GRASS;        secondaryTypeIcon[89] = NO_SECOND_TYPE;
    /* 476 Bradypo */   moveListText[90] = movesBradypo;           machineListText[90] = machinesBradypo;           heightCm[90] = 40;   weightTenthKg[90] = 60;    primaryTypeIcon[90] = IDB_TYPE_GRASS;        secondaryTypeIcon[90] = NO_SECOND_TYPE;
    /* 477 Sutorek */   moveListText[91] = movesSutorek;           machineListText[91] = machinesSutorek;           heightCm[91] = 20;   weightTenthKg[91] = 6;     primaryTypeIcon[91] = IDB_TYPE_NORMAL;       secondaryTypeIcon[91] = IDB_TYPE_FLYING;
    /* 478 Sutorella */ moveListText[92] = movesSutorella;         machineListText[92] = machinesSutorella;         heightCm[92] = 25;   weightTenthKg[92] = 11;    primaryTypeIcon[92] = IDB_TYPE_NORMAL;       secondaryTypeIcon[92] = IDB_TYPE_FLYING;
    /* 479 Dzwonurek */ moveListText[93] = movesDzwonurek;         machineListText[93] = machinesDzwonurek;         heightCm[93] = 260;  weightTenthKg[93] = 7000;  primaryTypeIcon[93] = IDB_TYPE_STEEL;        secondaryTypeIcon[93] = IDB_TYPE_WATER;
    /* 480 Balaenor */  moveListText[94] = movesBalaenor;          machineListText[94] = machinesBalaenor;          heightCm[94] = 541;  weightTenthKg[94] = 7500;  primaryTypeIcon[94] = IDB_TYPE_WATER;        secondaryTypeIcon[94] = NO_SECOND_TYPE;
    /* 481 Gnomonar */  moveListText[95] = movesGnomonar;          machineListText[95] = machinesGnomonar;          heightCm[95] = 200;  weightTenthKg[95] = 4800;  primaryTypeIcon[95] = IDB_TYPE_ROCK;         secondaryTypeIcon[95] = IDB_TYPE_STEEL;
    /* 482 Glaciath */  moveListText[96] = movesGlaciath;          machineListText[96] = machinesGlaciath;          heightCm[96] = 310;  weightTenthKg[96] = 6800;  primaryTypeIcon[96] = IDB_TYPE_ICE;          secondaryTypeIcon[96] = NO_SECOND_TYPE;
    /* 483 Pyrelk */    moveListText[97] = movesPyrelk;            machineListText[97] = machinesPyrelk;            heightCm[97] = 220;  weightTenthKg[97] = 1880;  primaryTypeIcon[97] = IDB_TYPE_FIRE;         secondaryTypeIcon[97] = NO_SECOND_TYPE;
    /* 484 Bryotitan */ moveListText[98] = movesBryotitan;         machineListText[98] = machinesBryotitan;         heightCm[98] = 400;  weightTenthKg[98] = 5200;  primaryTypeIcon[98] = IDB_TYPE_GRASS;        secondaryTypeIcon[98] = NO_SECOND_TYPE;
    /* 485 Zmierzchun */ moveListText[99] = movesZmierzchun;        machineListText[99] = machinesZmierzchun;        heightCm[99] = 130;  weightTenthKg[99] = 310;   primaryTypeIcon[99] = IDB_TYPE_INSECT;       secondaryTypeIcon[99] = IDB_TYPE_DARK;
    /* 486 Torpedra */  moveListText[100] = movesTorpedra;         machineListText[100] = machinesTorpedra;         heightCm[100] = 120; weightTenthKg[100] = 1560; primaryTypeIcon[100] = IDB_TYPE_ELECTRIC;    secondaryTypeIcon[100] = IDB_TYPE_WATER;
    /* 487 Astrogel */  moveListText[101] = movesAstrogel;         machineListText[101] = machinesAstrogel;         heightCm[101] = 110; weightTenthKg[101] = 45;   primaryTypeIcon[101] = IDB_TYPE_PSYCHIC;     secondaryTypeIcon[101] = NO_SECOND_TYPE;
    /* 488 Bagiennik */ moveListText[102] = movesBagiennik;        machineListText[102] = machinesBagiennik;        heightCm[102] = 190; weightTenthKg[102] = 850;  primaryTypeIcon[102] = IDB_TYPE_GHOST;       secondaryTypeIcon[102] = IDB_TYPE_POISON;
    /* 489 Scutarro */  moveListText[103] = movesScutarro;         machineListText[103] = machinesScutarro;         heightCm[103] = 90;  weightTenthKg[103] = 900;  primaryTypeIcon[103] = IDB_TYPE_GROUND;      secondaryTypeIcon[103] = IDB_TYPE_STEEL;
    /* 490 Orikran */   moveListText[104] = movesOrikran;          machineListText[104] = machinesOrikran;          heightCm[104] = 130; weightTenthKg[104] = 35;   primaryTypeIcon[104] = IDB_TYPE_GRASS;       secondaryTypeIcon[104] = IDB_TYPE_FLYING;
    /* 491 Glinotur */  moveListText[105] = movesGlinotur;         machineListText[105] = machinesGlinotur;         heightCm[105] = 260; weightTenthKg[105] = 5600; primaryTypeIcon[105] = IDB_TYPE_GROUND;      secondaryTypeIcon[105] = NO_SECOND_TYPE;
    /* 492 Zarlibela */ moveListText[106] = movesZarlibela;        machineListText[106] = machinesZarlibela;        heightCm[106] = 150; weightTenthKg[106] = 260;  primaryTypeIcon[106] = IDB_TYPE_INSECT;      secondaryTypeIcon[106] = IDB_TYPE_FIRE;
    /* 493 Orrimbar */  moveListText[107] = movesOrrimbar;         machineListText[107] = machinesOrrimbar;         heightCm[107] = 520; weightTenthKg[107] = 7400; primaryTypeIcon[107] = IDB_TYPE_DRAGON;      secondaryTypeIcon[107] = IDB_TYPE_PSYCHIC;

    tmLabel[1] =   "TM01 - Ambush Crouch";
    tmLabel[2] =   "TM02 - Antennae Sense";
    tmLabel[3] =   "TM03 - Anvil Drop";
    tmLabel[4] =   "TM04 - Bellows Draught";
    tmLabel[5] =   "TM05 - Blister Spit";
    tmLabel[6] =   "TM06 - Bog Reek";
    tmLabel[7] =   "TM07 - Boulder Shrug";
    tmLabel[8] =   "TM08 - Bramble Hedge";
    tmLabel[9] =   "TM09 - Brawler Oath";
    tmLabel[10] =  "TM10 - Burrow Ambush";
    tmLabel[11] =  "TM11 - Cairn Stack";
    tmLabel[12] =  "TM12 - Cartwheel Heel";
    tmLabel[13] =  "TM13 - Chain Lash";
    tmLabel[14] =  "TM14 - Chimney Soot";
    tmLabel[15] =  "TM15 - Chitter Drone";
    tmLabel[16] =  "TM16 - Cinder Rain";
    tmLabel[17] =  "TM17 - Clatter Din";
    tmLabel[18] =  "TM18 - Clay Cast";
    tmLabel[19] =  "TM19 - Coiled Menace";
    tmLabel[20] =  "TM20 - Cold Shiver";
    tmLabel[21] =  "TM21 - Crackle Net";
    tmLabel[22] =  "TM22 - Creaking Floor";
    tmLabel[23] =  "TM23 - Crosswind Veer";
    tmLabel[24] =  "TM24 - Daydream Lull";
    tmLabel[25] =  "TM25 - Drakefire Sigh";
    tmLabel[26] =  "TM26 - Drizzle Curtain";
    tmLabel[27] =  "TM27 - Dune Shift";
    tmLabel[28] =  "TM28 - Dust Devil";
    tmLabel[29] =  "TM29 - Eddy Swirl";
    tmLabel[30] =  "TM30 - Elbow Lever";
    tmLabel[31] =  "TM31 - Elder Bellow";
    tmLabel[32] =  "TM32 - Flint Chip";
    tmLabel[33] =  "TM33 - Fog Gazing";
    tmLabel[34] =  "TM34 - Forge Glow";
    tmLabel[35] =  "TM35 - Furrow Plough";
    tmLabel[36] =  "TM36 - Geode Crack";
    tmLabel[37] =  "TM37 - Glacier Groan";
    tmLabel[38] =  "TM38 - Grab and Pin";
    tmLabel[39] =  "TM39 - Grave Hush";
    tmLabel[40] =  "TM40 - Grit Squall";
    tmLabel[41] =  "TM41 - Hearth Lullaby";
    tmLabel[42] =  "TM42 - Hoard Gleam";
    tmLabel[43] =  "TM43 - Hoarfrost Rind";
    tmLabel[44] =  "TM44 - Hollow Echo";
    tmLabel[45] =  "TM45 - Hot Ash Cloud";
    tmLabel[46] =  "TM46 - Kindling Toss";
    tmLabel[47] =  "TM47 - Knuckle Rap";
    tmLabel[48] =  "TM48 - Lantern Jolt";
    tmLabel[49] =  "TM49 - Larva Wriggle";
    tmLabel[50] =  "TM50 - Lucid Hush";
    tmLabel[51] =  "TM51 - Marsh Glimmer";
    tmLabel[52] =  "TM52 - Memory Fog";
    tmLabel[53] =  "TM53 - Midnight Omen";
    tmLabel[54] =  "TM54 - Moonless Lurk";
    tmLabel[55] =  "TM55 - Moss Blanket";
    tmLabel[56] =  "TM56 - Nettle Rash";
    tmLabel[57] =  "TM57 - Pail Douse";
    tmLabel[58] =  "TM58 - Patient Stare";
    tmLabel[59] =  "TM59 - Pebble Sling";
    tmLabel[60] =  "TM60 - Pilfer Dart";
    tmLabel[61] =  "TM61 - Pinion Buffet";
    tmLabel[62] =  "TM62 - Plated Brace";
    tmLabel[63] =  "TM63 - Plummet Swoop";
    tmLabel[64] =  "TM64 - Pod Burst";
    tmLabel[65] =  "TM65 - Quench Hiss";
    tmLabel[66] =  "TM66 - Quill Shower";
    tmLabel[67] =  "TM67 - Rime Crown";
    tmLabel[68] =  "TM68 - Rivet Rain";
    tmLabel[69] =  "TM69 - Rootbind";
    tmLabel[70] =  "TM70 - Rust Flake";
    tmLabel[71] =  "TM71 - Sap Mend";
    tmLabel[72] =  "TM72 - Score Settling";
    tmLabel[73] =  "TM73 - Scree Slide";
    tmLabel[74] =  "TM74 - Shoulder Barge";
    tmLabel[75] =  "TM75 - Silk Tether";
    tmLabel[76] =  "TM76 - Sleet Lash";
    tmLabel[77] =  "TM77 - Sly Wink";
    tmLabel[78] =  "TM78 - Snow Squall";
    tmLabel[79] =  "TM79 - Spring Gush";
    tmLabel[80] =  "TM80 - Static Comb";
    tmLabel[81] =  "TM81 - Storm Battery";
    tmLabel[82] =  "TM82 - Stubborn Stance";
    tmLabel[83] =  "TM83 - Swarm Hum";
    tmLabel[84] =  "TM84 - Thistle Volley";
    tmLabel[85] =  "TM85 - Tidepool Glint";
    tmLabel[86] =  "TM86 - Tinplate Guard";
    tmLabel[87] =  "TM87 - Toadstool Dust";
    tmLabel[88] =  "TM88 - Tumbleweed Roll";
    tmLabel[89] =  "TM89 - Undertow Grab";
    tmLabel[90] =  "TM90 - Updraft Ride";
    tmLabel[91] =  "TM91 - Venom Lacquer";
    tmLabel[92] =  "TM92 - Wire Hum";

    hmLabel[1] = "HM01 - Bridge Weave";
    hmLabel[2] = "HM02 - Ford Wading";
    hmLabel[3] = "HM03 - Load Hauling";
    hmLabel[4] = "HM04 - Message Running";
    hmLabel[5] = "HM05 - Raft Towing";
    hmLabel[6] = "HM06 - Ridge Gliding";
    hmLabel[7] = "HM07 - Torchbearing";
    hmLabel[8] = "HM08 - Tunnel Boring";
    /* clang-format on */
}

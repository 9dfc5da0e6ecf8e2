/* The catalogue content: names, move and machine lists, sizes, types and machine labels.
   InitCatalogue stores it into the tables once, while the main window is created. */
#include "catalogue/catalogue.h"

#include "resource.h"

/* Family plan. Members of one family stand next to each other and share one evolution note;
   a family's later names start with its first name less that name's ending, and its sizes grow stage
   by stage. Names are Polish coinages. "outside" marks an entry that evolves from a creature not in the
   catalogue, "grows out" one that grows into a creature not in the catalogue, "-" one with no evolution.

   entries   kind      types               members and concept
   387..388  family 2  ground              Kopik, Kopalnik: velvet mole pup with spade hands, then an old
                                           mole miner with a clay brow plate who carries ore
   389       outside   normal, flying      Wietrzyk (from Motek): a living paper kite grown from a skein of
                                           string, with a tail of knotted rag bows; it hums in the wind
   390..391  family 2  water, electric     Parzyk, Parzyblask: jellyfish, the second glowing
   392..394  family 3  water; +poison      Trasik, Traszyn, Trasomor: newts through their life: a finned
                                           water larva, a bright orange land eft with poisonous skin, an
                                           olive water newt with a tall wavy crest
   395       grows out normal              Pierzynek (into Pierzyniak, put in a pillowcase): a tuft of
                                           goose down escaped from a featherbed, drifting on draughts
   396..397  family 2  grass, fire         Hubik, Hubostol: tinder fungus that keeps a live coal in its
                                           pores; one hoof-shaped bracket on a birch stick, then an old
                                           birch stump walking on its roots with three smouldering brackets
   398..400  family 3  rock; +fighting     Murek, Murowal, Murogrom: dry-stone field walls; an armless
                                           fieldstone, a stack with two through-stone arms, then a round
                                           sheepfold walking on stone legs that guards its flock by shoving
   401       outside   water, dark         Podlodek (from Podkamyk, a fry that hides under stones): the
                                           one cod of fresh water, hunting under the ice on winter nights
   402..403  family 2  ice                 Szronik, Szronostaj: ermines of the frost, a round kit turning
                                           white, then a long winter ermine that hunts over snow at night
   404..406  family 3  ground, flying      Pylik, Pylowir, Pylozawier: dust whirls of dry fields, a spinning
                                           puff, a funnel of grit and straw, a tall dust devil
   407       outside   steel               Kowadrak (from Kowadlik, with mill scale): living anvil with a
                                           sledge tail
   408       outside   grass               Strachun (from Snopek): scarecrow
   409..411  family 3  insect; +dark       Snujek, Snujarz, Snujmrok: spiderling, web spider, funnel spider
   412..414  split     normal; +form/dark  Kafelek: tile shrew, tile buds on its bare back; Kafelica
                                           (females): she lays her back in hard tiles in rows like a mosaic
                                           floor, grouted with living moss, in the craft she learns from the
                                           elder female she follows in her first autumn: moss setting,
                                           firing clay on sun-hot stones or beating chips of bog iron;
                                           Kafelun (males): no tiles, skin glazed black like wet slate,
                                           hunts grubs round the den at night and guards it
   415..416  family 2  grass, psychic      Chmielik, Chmielina: hop vines; only females bear the papery
                                           cones whose scent makes one drowsy, so only they evolve
   417       -         fire, rock          Ceglik: kiln gecko that clings to hot bricks
   418..420  family 3  fighting            Kazuarek, Kazuaryn, Kazuarog: cassowaries of the forest floor,
                                           a striped chick raised by its father, then a bird that drives
                                           through the thicket head down behind its horn casque, booming
   421..422  family 2  water; +rock        Gabczyk, Gabczar: sea sponges, the last with glassy stone spicules
   423       outside   insect, grass       Zwijak (from Listnik): leaf-rolling weevil that rolls leaves into
                                           tight cigars for its eggs
   424..426  family 3  poison, flying      Rzekotek, Rzekotniak, Rzekotolot: gliding tree frogs
   427       outside   steel               Pompak (from Rurek): cast-iron village hand pump on a stone
                                           trough; its handle is an arm, its spout a mouth
   428..429  family 2  ghost, rock         Stosik, Stosowid: haunted cairns
   430..432  family 3  water               Blotek, Blotniak, Blotomusz: pond snails, the last crusted with
                                           mussels
   433..434  family 2  ground; +poison     Plaszek, Plaszczur: sand rays that swim under dunes
   435       grows out normal              Senowca (into Senobaran, with Pierzynek in the party): dream lamb
   436..438  family 3  dark; +ice          Wilczek, Wilczar, Wilczomroz: wolves, the last with an ice mane
   439..440  family 2  grass; +ground      Beczik, Beczkowal: barrel cacti full of water that roll with
                                           the wind and bed into the sand
   441, 442  -         fire; rock          Samowik (kettle spirit), Strazlew (stone lion)
   443       outside   insect, electric    Swietlak (from Robaczek): firefly, only at night
   444..445  family 2  poison; +psychic    Lorik, Lorizar: slow lorises with venom glands at the elbows
                                           and huge staring eyes; the adult licks its gland and hypnotises
   446..448  family 3  grass; +fighting    Wiklik, Wiklogon, Wiklomar: willow wicker that took root; a
                                           woven ball, a wicker foal, a rearing wicker horse
   449       grows out ground              Skibek (into Skibor): a clod of ploughed loam that hops along the
                                           fresh furrows with an earthworm lodger in its side
   450..451  family 2  grass               Szczecik, Szczeciarz: fuller's teasels; a spiny rosette cupping
                                           dew, then a tall stem whose spiky heads comb wool
   452..454  family 3  insect; +rock       Chrobik, Chrobak, Chroboskal: grub, shield beetle, stone-plated
                                           click beetle
   455       -         ghost, water        Studnik: spirit of an old well bucket
   456..458  family 3  electric; +rock     Jantik, Jantarel, Jantarok: amber that crackles when rubbed; a
                                           drop of pine resin, a walking lump, a stone beast with an old
                                           insect trapped in its chest
   459       outside   grass, water        Kotewnik (from Kotewek): water chestnut, a floating rosette of
                                           toothed leaves anchored by its black four-horned nut
   460..461  family 2  electric            Szklik, Szkliwiec: fulgurites, sand fused to glass where lightning
                                           struck; a short tube on three branch legs, then a great branching
                                           one like a glass tree root, sparks between its tips
   462..464  family 3  ice                 Szadzik, Szadzirog, Szadzielen: crystal deer
   465..467  family 3  water; +flying      Czaplik, Czaplobrod, Czaplosiwa: herons that wade, the last flies
   468..470  family 3  water, grass        Namorek, Namorzec, Namorzyn: mangrove seed pod, sapling on
                                           stilt roots, walking tree that shelters fish and oysters
   471..472  family 2  normal              Borsik, Borsugor: badgers
   473..475  family 3  water; +ground      Foczek, Foczan, Foczysko: elephant seals; a silver pup, a sleek
                                           grown seal of either sex (females stay so for life), and, for a
                                           male only, the old bull who hauls out for good and lies as the
                                           colony's windbreak, crusted with sand and barnacles
   476       grows out grass               Leniwczyk (into Leniwor, by happiness): young moss sloth
   477..478  family 2  normal, flying      Nitek, Nitkarka: tailor birds; Nitek is the young and the grown
                                           male, who gathers spider silk and down and sings; a female who
                                           holds spider silk starts to sew and becomes Nitkarka
   479..488  -                             Latarnik (squat stone lighthouse with a foghorn voice,
                                           rock/fire), Rafowal (reef whale), Sadzawnik (granite boulder whose
                                           top is a rock pool, walking down to the sea at low tide,
                                           rock/water), Jesiolod (ice sturgeon that winters frozen in the
                                           river ice), Zarorog (ember stag), Fujarnik (walking clump of giant
                                           reeds that pipe tunes), Zmierzchun (dusk moth), Dretwal (storm
                                           ray), Gwiezdnik (star jelly), Bagiennik (marsh keeper with a
                                           lantern, ghost/poison)
   489, 490  outside                       Rudawiec (from Rudziak): bog iron, a low beast of wet meadow turf
                                           growing rusty lumps of ore in its back, ground/steel; Zurawik
                                           (from Skladek): paper crane, grass/flying, happy at night
   491..493  -                             Glinotur (clay ox, ground), Lampiarz (lantern bug with a glowing
                                           snout, insect/fire), Smokodrzem (ancient dragon asleep at the foot
                                           of a mountain, wings folded, long and light for its length) */

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
    /* 387 */ "Kopik",    "Kopalnik",   "Wietrzyk",   "Parzyk",     "Parzyblask", "Trasik",
    /* 393 */ "Traszyn",  "Trasomor",   "Pierzynek",  "Hubik",      "Hubostol",   "Murek",
    /* 399 */ "Murowal",  "Murogrom",   "Podlodek",   "Szronik",    "Szronostaj", "Pylik",
    /* 405 */ "Pylowir",  "Pylozawier", "Kowadrak",   "Strachun",   "Snujek",     "Snujarz",
    /* 411 */ "Snujmrok", "Kafelek",    "Kafelica",   "Kafelun",    "Chmielik",   "Chmielina",
    /* 417 */ "Ceglik",   "Kazuarek",   "Kazuaryn",   "Kazuarog",   "Gabczyk",    "Gabczar",
    /* 423 */ "Zwijak",   "Rzekotek",   "Rzekotniak", "Rzekotolot", "Pompak",     "Stosik",
    /* 429 */ "Stosowid", "Blotek",     "Blotniak",   "Blotomusz",  "Plaszek",    "Plaszczur",
    /* 435 */ "Senowca",  "Wilczek",    "Wilczar",    "Wilczomroz", "Beczik",     "Beczkowal",
    /* 441 */ "Samowik",  "Strazlew",   "Swietlak",   "Lorik",      "Lorizar",    "Wiklik",
    /* 447 */ "Wiklogon", "Wiklomar",   "Skibek",     "Szczecik",   "Szczeciarz", "Chrobik",
    /* 453 */ "Chrobak",  "Chroboskal", "Studnik",    "Jantik",     "Jantarel",   "Jantarok",
    /* 459 */ "Kotewnik", "Szklik",     "Szkliwiec",  "Szadzik",    "Szadzirog",  "Szadzielen",
    /* 465 */ "Czaplik",  "Czaplobrod", "Czaplosiwa", "Namorek",    "Namorzec",   "Namorzyn",
    /* 471 */ "Borsik",   "Borsugor",   "Foczek",     "Foczan",     "Foczysko",   "Leniwczyk",
    /* 477 */ "Nitek",    "Nitkarka",   "Latarnik",   "Rafowal",    "Sadzawnik",  "Jesiolod",
    /* 483 */ "Zarorog",  "Fujarnik",   "Zmierzchun", "Dretwal",    "Gwiezdnik",  "Bagiennik",
    /* 489 */ "Rudawiec", "Zurawik",    "Glinotur",   "Lampiarz",   "Smokodrzem",
};

/* A machine list for creatures that can use no machine at all: a grub, a seed pod, a drop of resin. */
static const char machinesNone[] = "-;";

/* Machine lists two young creatures of different families have in common: what a small body of that kind
   can already learn. */
/* 387 Kopik, 471 Borsik: young diggers */
static const char machinesYoungDiggers[] = "10;18;82;-;8;";
/* 402 Szronik, 462 Szadzik: young ones of the frost */
static const char machinesFrostYoung[] = "43;76;-;2;";
/* 421 Gabczyk, 465 Czaplik: young ones of the shallows */
static const char machinesShallowsYoung[] = "57;79;";

/* Per entry: the level-up moves, then the TM/HM numbers. */
/* 387 Kopik */
static const char movesKopik[] =
    "Snout Poke;Soil Push;Worm Sniff;Lv. 4 - Spade Clap;Lv. 9 - Loam Scatter;Lv. 15 - Claw Rake Dig;"
    "Lv. 19 - Velvet Burrow;";
/* 388 Kopalnik */
static const char movesKopalnik[] =
    "Snout Poke;Soil Push;Worm Sniff;Ore Knock;Lv. 4 - Spade Clap;Lv. 11 - Loam Scatter;"
    "Lv. 17 - Claw Rake Dig;Lv. 25 - Clay Brow Butt;Lv. 31 - Tunnel Rush;Lv. 37 - Vein Sense;"
    "Lv. 44 - Deep Delve;Lv. 53 - Mine Shaft Cave-in;";
static const char machinesKopalnik[] = "10;18;36;42;47;82;-;8;";
/* 389 Wietrzyk */
static const char movesWietrzyk[] =
    "Paper Rustle;String Tug;Lv. 7 - Rag Bow Flick;Lv. 12 - Sky Loop;Lv. 18 - Windward Tack;"
    "Lv. 24 - Humming Spar;Lv. 31 - Knotted Tail Swat;Lv. 39 - Glassed Line Saw;"
    "Lv. 47 - Storm Front Soar;";
static const char machinesWietrzyk[] = "23;41;90;-;4;";
/* 390 Parzyk */
static const char movesParzyk[] =
    "Tentacle Brush;Float;Bell Pulse;Lv. 3 - Dangle Lure;Lv. 8 - Drift Throb;Lv. 14 - Arc Jolt;"
    "Lv. 18 - Current Ride;";
static const char machinesParzyk[] = "29;48;91;";
/* 391 Parzyblask */
static const char movesParzyblask[] =
    "Tentacle Brush;Float;Bell Pulse;Lv. 3 - Dangle Lure;Lv. 10 - Drift Throb;Lv. 14 - Arc Jolt;"
    "Lv. 18 - Current Ride;Lv. 23 - Static Tap;Lv. 27 - Tangle Drape;Lv. 33 - Bioglow Surge;"
    "Lv. 42 - Bloom Swarm;Lv. 51 - Storm Chime;";
static const char machinesParzyblask[] = "21;29;48;81;91;";
/* 392 Trasik */
static const char movesTrasik[] =
    "Fin Ripple;Mud Nibble;Lv. 3 - Weed Hide;Lv. 7 - Gnat Larva Gulp;Lv. 12 - Pond Dart;"
    "Lv. 15 - Big Eye Watch;";
static const char machinesTrasik[] = "49;79;";
/* 393 Traszyn */
static const char movesTraszyn[] =
    "Mud Nibble;Leaf Litter Creep;Lv. 15 - Warning Arch;Lv. 17 - Big Eye Watch;Lv. 21 - Toxin Sweat;"
    "Lv. 26 - Red Spot Flare;Lv. 33 - Rainy Night Walk;";
static const char machinesTraszyn[] = "26;79;91;";
/* 394 Trasomor */
static const char movesTrasomor[] =
    "Mud Nibble;Leaf Litter Creep;Fin Ripple;Weed Hide;Lv. 15 - Warning Arch;Lv. 20 - Big Eye Watch;"
    "Lv. 24 - Toxin Sweat;Lv. 31 - Crest Sway;Lv. 33 - Rainy Night Walk;Lv. 37 - Scent Fanning;"
    "Lv. 44 - Egg Wrapping;Lv. 50 - Skin Venom Wave;Lv. 57 - Deep Pond Lurk;";
static const char machinesTrasomor[] = "26;29;79;91;";
/* 395 Pierzynek */
static const char movesPierzynek[] =
    "Drift;Nose Tease;Lv. 4 - Draught Ride;Lv. 9 - Fluff Sneeze;Lv. 13 - Pillow Settle;"
    "Lv. 19 - Under Door Slip;Lv. 26 - Feather Flurry;Lv. 34 - Sleepy Weight;Lv. 43 - Goose Down Squall;";
static const char machinesPierzynek[] = "23;24;88;";
/* 396 Hubik */
static const char movesHubik[] =
    "Birch Cling;Smoulder;Lv. 4 - Pore Glow;Lv. 7 - Powder Plume;Lv. 12 - Tinder Catch;"
    "Lv. 15 - Smoke Thread;";
static const char machinesHubik[] = "14;69;87;-;7;";
/* 397 Hubostol */
static const char movesHubostol[] =
    "Smoulder;Birch Cling;Stump Creak;Lv. 5 - Pore Glow;Lv. 7 - Powder Plume;Lv. 14 - Tinder Catch;"
    "Lv. 18 - Root Shuffle;Lv. 19 - Smoke Thread;Lv. 23 - Coal Heart;Lv. 29 - Hyphae Web;"
    "Lv. 36 - Ash Crust;Lv. 42 - Fire Carrier;Lv. 51 - Deadwood Blaze;";
static const char machinesHubostol[] = "14;45;69;71;87;-;7;";
/* 398 Murek */
static const char movesMurek[] =
    "Grit Spray;Moss Cap Shade;Lv. 5 - Frost Heave;Lv. 9 - Brace;Lv. 14 - Crag Thud;"
    "Lv. 17 - Lichen Creep;";
static const char machinesMurek[] = "17;73;74;";
/* 399 Murowal */
static const char movesMurowal[] =
    "Grit Spray;Moss Cap Shade;Stack Up;Lv. 6 - Frost Heave;Lv. 9 - Brace;Lv. 16 - Crag Thud;"
    "Lv. 19 - Lichen Creep;Lv. 21 - Pebble Toss;Lv. 24 - Through Stone Reach;Lv. 30 - Flat Slab Swat;"
    "Lv. 35 - Wall Block;Lv. 40 - Boulder Drop;";
static const char machinesMurowal[] = "7;17;59;73;74;-;3;";
/* 400 Murogrom */
static const char movesMurogrom[] =
    "Grit Spray;Moss Cap Shade;Stack Up;Lv. 8 - Frost Heave;Lv. 12 - Brace;Lv. 18 - Crag Thud;"
    "Lv. 22 - Lichen Creep;Lv. 37 - Wall Block;Lv. 40 - Boulder Drop;Lv. 44 - Coping Crest;"
    "Lv. 47 - Hurdle Gate Clap;Lv. 52 - Fold Guard;Lv. 59 - Dry Stone Shove;Lv. 67 - Flock Shelter;"
    "Lv. 76 - Hillside Hold;";
static const char machinesMurogrom[] = "7;17;31;73;74;-;3;";
/* 401 Podlodek */
static const char movesPodlodek[] =
    "Chin Barbel Feel;Marbled Hide;Under Stone Wait;Lv. 7 - Gravel Wriggle;Lv. 13 - Wide Gape Gulp;"
    "Lv. 22 - Long Fin Ripple;Lv. 30 - Murky Bed Prowl;Lv. 34 - Ice Roof Lurk;Lv. 37 - Moonless Ford;"
    "Lv. 43 - Frozen Night Feast;Lv. 50 - January Writhe;Lv. 58 - Deep Hole Sulk;";
static const char machinesPodlodek[] = "1;29;54;58;89;-;5;";
/* 402 Szronik */
static const char movesSzronik[] =
    "Whisker Twitch;Milk Tooth Nip;Lv. 4 - Belly Slide;Lv. 10 - Frosted Muzzle;Lv. 14 - Snowbank Peek;"
    "Lv. 20 - Tail Tip Dart;";
/* 403 Szronostaj */
static const char movesSzronostaj[] =
    "Whisker Twitch;Lv. 4 - Belly Slide;Lv. 12 - Frosted Muzzle;Lv. 14 - Snowbank Peek;"
    "Lv. 20 - Tail Tip Dart;Lv. 26 - White Pelt Turn;Lv. 29 - Weasel War Dance;Lv. 35 - Nape Grip;"
    "Lv. 41 - Drift Run;Lv. 49 - Polar Night Hunt;";
static const char machinesSzronostaj[] = "1;43;54;76;78;-;2;";
/* 404 Pylik */
static const char movesPylik[] =
    "Twirl;Grit Toss;Lv. 4 - Leaf Catch;Lv. 7 - Furrow Skip;Lv. 12 - Grain Eddy;Lv. 17 - Dry Field Race;";
static const char machinesPylik[] = "23;28;88;-;6;";
/* 405 Pylowir */
static const char movesPylowir[] =
    "Twirl;Grit Toss;Straw Sweep;Lv. 4 - Leaf Catch;Lv. 9 - Furrow Skip;Lv. 12 - Grain Eddy;"
    "Lv. 16 - Funnel Rise;Lv. 19 - Dry Field Race;Lv. 23 - Sandpaper Rasp;Lv. 28 - Haystack Strip;"
    "Lv. 34 - Howling Draw;";
static const char machinesPylowir[] = "23;28;40;88;90;-;6;";
/* 406 Pylozawier */
static const char movesPylozawier[] =
    "Twirl;Grit Toss;Straw Sweep;Lv. 4 - Leaf Catch;Lv. 14 - Grain Eddy;Lv. 16 - Funnel Rise;"
    "Lv. 19 - Dry Field Race;Lv. 25 - Sandpaper Rasp;Lv. 28 - Haystack Strip;Lv. 33 - Pebble Orbit;"
    "Lv. 36 - Howling Draw;Lv. 40 - Tumbleweed Herd;Lv. 46 - Ground Ring Wall;Lv. 53 - Scouring Column;"
    "Lv. 61 - Dust Bowl Storm;";
static const char machinesPylozawier[] = "23;28;31;40;88;90;-;6;";
/* 407 Kowadrak */
static const char movesKowadrak[] =
    "Clang;Anvil Sparks;Tail Sledge Strike;Flat Face Set;Lv. 7 - Temper;Lv. 12 - Cherry Red Flush;"
    "Lv. 19 - Smithy Din;Lv. 27 - Forge Ring;Lv. 35 - Horn Tip Bend;Lv. 44 - Cold Quenching;"
    "Lv. 53 - Heavy Base Drop;";
static const char machinesKowadrak[] = "3;13;16;34;65;68;74;-;7;";
/* 408 Strachun */
static const char movesStrachun[] =
    "Straw Flap;Stand Still;Lv. 6 - Crow Scare;Lv. 13 - Chaff Spray;Lv. 19 - Harvest Dance;"
    "Lv. 28 - Rag Sleeve Billow;Lv. 33 - Field Watch;Lv. 42 - Broad Arm Sweep;Lv. 47 - Stubble Fire Dare;"
    "Lv. 58 - Haystack Hide;";
static const char machinesStrachun[] = "12;54;59;64;-;6;";
/* 409 Snujek */
static const char movesSnujek[] =
    "Thread Drop;Web Casting;Lv. 4 - Skitter;Lv. 8 - Glue Strand;Lv. 12 - Balloon Drift;";
static const char machinesSnujek[] = "5;75;-;1;";
/* 410 Snujarz */
static const char movesSnujarz[] =
    "Thread Drop;Web Casting;Lv. 4 - Skitter;Lv. 10 - Glue Strand;Lv. 17 - Leg Tap;Lv. 20 - Silk Shroud;"
    "Lv. 25 - Venom Nip;Lv. 30 - Trapline;";
static const char machinesSnujarz[] = "1;5;75;91;-;1;";
/* 411 Snujmrok */
static const char movesSnujmrok[] =
    "Thread Drop;Web Casting;Lv. 4 - Skitter;Lv. 10 - Glue Strand;Lv. 18 - Leg Tap;Lv. 22 - Silk Shroud;"
    "Lv. 25 - Venom Nip;Lv. 30 - Trapline;Lv. 35 - Moonlit Weaving;Lv. 38 - Eight-Eyed Watch;"
    "Lv. 44 - Cocooning;Lv. 51 - Funnel Ambush;Lv. 59 - Umbral Snare;";
static const char machinesSnujmrok[] = "1;5;54;75;91;-;1;";
/* 412 Kafelek */
static const char movesKafelek[] =
    "Snout Twitch;Tile Bud Itch;Lv. 4 - Leaf Litter Dart;Lv. 9 - Beetle Munch;Lv. 13 - Ultrasonic Click;"
    "Lv. 20 - Bare Back Bask;";
static const char machinesKafelek[] = "41;60;";
/* 413 Kafelica */
/* moss tiles */
static const char movesKafelicaMoss[] =
    "Snout Twitch;Tile Row Laying;Lv. 5 - Leaf Litter Dart;Lv. 11 - Beetle Munch;"
    "Lv. 16 - Ultrasonic Click;Lv. 25 - Moss Setting;Lv. 27 - Dewy Plates;Lv. 32 - Green Grout Seal;"
    "Lv. 38 - Damp Hollow Hide;Lv. 45 - Lichen Grip;Lv. 54 - Fern Floor Ambush;Lv. 63 - Living Carpet;";
/* terracotta tiles */
static const char movesKafelicaClay[] =
    "Snout Twitch;Tile Row Laying;Lv. 5 - Leaf Litter Dart;Lv. 11 - Beetle Munch;"
    "Lv. 16 - Ultrasonic Click;Lv. 24 - Terracotta Plates;Lv. 26 - Hot Slab Firing;"
    "Lv. 31 - Shard Scatter;Lv. 37 - Hard Fired Hunch;Lv. 46 - Baked Earth Stamp;"
    "Lv. 55 - Potsherd Volley;Lv. 62 - Kiln Red Glow;";
/* iron tiles */
static const char movesKafelicaIron[] =
    "Snout Twitch;Tile Row Laying;Lv. 5 - Leaf Litter Dart;Lv. 11 - Beetle Munch;"
    "Lv. 16 - Ultrasonic Click;Lv. 26 - Bog Iron Beating;Lv. 28 - Red Mud Rub;Lv. 33 - Clanking Trot;"
    "Lv. 39 - Scale Overlap;Lv. 48 - Rust Bloom Shrug;Lv. 57 - Ironclad Charge;"
    "Lv. 64 - Forged Saddle Guard;";
static const char machinesKafelica[] = "28;41;42;60;72;";
/* 414 Kafelun */
static const char movesKafelun[] =
    "Snout Twitch;Musk Scent;Lv. 6 - Leaf Litter Dart;Lv. 9 - Beetle Munch;Lv. 17 - Ultrasonic Click;"
    "Lv. 24 - Glazed Sheen;Lv. 26 - Grub Probe;Lv. 31 - Moonless Patrol;Lv. 35 - Wet Slate Slip;"
    "Lv. 42 - Den Mouth Guard;Lv. 50 - Earthworm Haul;Lv. 64 - Night Shift Strike;";
static const char machinesKafelun[] = "1;41;54;60;72;";
/* 415 Chmielik */
static const char movesChmielik[] =
    "Twining Shoot;Sleepy Nod;Lv. 5 - Clockwise Climb;Lv. 11 - Bristly Stem;Lv. 17 - Heart Leaf Fan;"
    "Lv. 24 - Drowsy Sap;Lv. 29 - Bine Lash;Lv. 36 - Hedge Creep;Lv. 44 - Summer Tangle;";
static const char machinesChmielik[] = "8;24;71;";
/* 416 Chmielina */
static const char movesChmielina[] =
    "Twining Shoot;Sleepy Nod;Lv. 5 - Clockwise Climb;Lv. 11 - Bristly Stem;Lv. 19 - Heart Leaf Fan;"
    "Lv. 24 - Drowsy Sap;Lv. 29 - Bine Lash;Lv. 32 - Papery Cones;Lv. 35 - Lupulin Dust;"
    "Lv. 39 - Hedge Creep;Lv. 43 - Brewers Slumber;Lv. 47 - Summer Tangle;Lv. 55 - Dream Pillow;";
static const char machinesChmielina[] = "8;24;50;64;71;";
/* 417 Ceglik */
static const char movesCeglik[] =
    "Wall Cling;Tongue Flick;Lv. 5 - Zigzag Wag;Lv. 9 - Kiln Bask;Lv. 16 - Brick Dust Scurry;"
    "Lv. 22 - Hot Foot Dart;Lv. 30 - Skin Moult;Lv. 35 - Fired Clay Scales;Lv. 44 - Flue Crawl;"
    "Lv. 53 - Soot Lash;";
static const char machinesCeglik[] = "14;32;45;46;-;7;";
/* 418 Kazuarek */
static const char movesKazuarek[] =
    "Chirrup;Stripe Hide;Lv. 4 - Fig Gulp;Lv. 7 - Big Foot Trot;Lv. 13 - Father Follow;Lv. 18 - Toe Jab;";
static const char machinesKazuarek[] = "9;";
/* 419 Kazuaryn */
static const char movesKazuaryn[] =
    "Chirrup;Stripe Hide;Lv. 5 - Fig Gulp;Lv. 7 - Big Foot Trot;Lv. 15 - Father Follow;Lv. 19 - Toe Jab;"
    "Lv. 21 - Casque Bump;Lv. 25 - Rainforest Sprint;Lv. 29 - Low Boom;Lv. 36 - Side Kick Feint;";
static const char machinesKazuaryn[] = "9;72;74;-;4;";
/* 420 Kazuarog */
static const char movesKazuarog[] =
    "Head Down Charge;Thicket Listen;Lv. 6 - Fig Gulp;Lv. 9 - Big Foot Trot;Lv. 19 - Toe Jab;"
    "Lv. 22 - Casque Bump;Lv. 25 - Rainforest Sprint;Lv. 31 - Low Boom;Lv. 37 - Side Kick Feint;"
    "Lv. 40 - Fern Wall Burst;Lv. 42 - Wattle Shake;Lv. 48 - Dagger Claw Rake;Lv. 56 - Blue Neck Display;"
    "Lv. 63 - Forest Floor Keeper;";
static const char machinesKazuarog[] = "9;31;35;72;74;-;4;";
/* 421 Gabczyk */
static const char movesGabczyk[] =
    "Pore Squirt;Filter Feed;Lv. 5 - Osculum Puff;Lv. 11 - Silt Cloud;Lv. 15 - Seabed Cling;"
    "Lv. 20 - Current Draw;";
/* 422 Gabczar */
static const char movesGabczar[] =
    "Pore Squirt;Filter Feed;Lv. 5 - Osculum Puff;Lv. 13 - Silt Cloud;Lv. 15 - Seabed Cling;"
    "Lv. 20 - Current Draw;Lv. 24 - Silica Lattice;Lv. 29 - Glass Spicule Volley;Lv. 36 - Reef Chimney;"
    "Lv. 44 - Squeeze Burst;Lv. 55 - Deepwater Basket;";
static const char machinesGabczar[] = "57;73;79;85;";
/* 423 Zwijak */
static const char movesZwijak[] =
    "Snout Bore;Midrib Notch;Lv. 6 - Edge Nibble;Lv. 12 - Tight Roll;Lv. 19 - Play Dead Drop;"
    "Lv. 26 - Cigar Cradle;Lv. 30 - Leaf Tube Toss;Lv. 35 - Gold Sheen;Lv. 43 - Oak Crown Climb;"
    "Lv. 51 - Green Parcel Volley;Lv. 60 - Orchard Stripping;";
static const char machinesZwijak[] = "2;55;62;71;83;";
/* 424 Rzekotek */
static const char movesRzekotek[] =
    "Toe Disc Grip;Croak;Lv. 3 - Warning Colours;Lv. 8 - Twig Leap;Lv. 11 - Bitter Slime;"
    "Lv. 16 - Leaf Parachute;";
static const char machinesRzekotek[] = "23;91;";
/* 425 Rzekotniak */
static const char movesRzekotniak[] =
    "Toe Disc Grip;Croak;Lv. 3 - Warning Colours;Lv. 9 - Twig Leap;Lv. 13 - Bitter Slime;"
    "Lv. 16 - Leaf Parachute;Lv. 19 - Suction Slap;Lv. 23 - Canopy Drop;Lv. 29 - Venom Sheen;"
    "Lv. 33 - Sail Spread;";
static const char machinesRzekotniak[] = "23;26;63;91;";
/* 426 Rzekotolot */
static const char movesRzekotolot[] =
    "Toe Disc Grip;Croak;Lv. 3 - Warning Colours;Lv. 9 - Twig Leap;Lv. 15 - Bitter Slime;"
    "Lv. 19 - Suction Slap;Lv. 26 - Canopy Drop;Lv. 29 - Venom Sheen;Lv. 33 - Sail Spread;"
    "Lv. 39 - Treetop Volley;Lv. 42 - Throat Sac Boom;Lv. 48 - Tainted Dewfall;Lv. 55 - Long Descent;"
    "Lv. 63 - Foam Nest Guard;";
static const char machinesRzekotolot[] = "5;23;26;63;91;";
/* 427 Pompak */
static const char movesPompak[] =
    "Handle Creak;Trickle;Lv. 6 - Priming Gurgle;Lv. 11 - Trough Fill;Lv. 19 - Cold Well Draught;"
    "Lv. 25 - Cast Iron Clank;Lv. 34 - Valve Cap Stare;Lv. 41 - Lever Arm Heave;Lv. 50 - Deep Water Draw;"
    "Lv. 61 - Market Day Gush;";
static const char machinesPompak[] = "13;30;57;70;79;";
/* 428 Stosik */
static const char movesStosik[] =
    "Wobble;Glimmer Eye;Pebble Clack;Lv. 4 - Wayside Moan;Lv. 9 - Toppling Scare;Lv. 15 - Cold Stone Touch;"
    "Lv. 22 - Chalk Sign;Lv. 30 - Rocking Shuffle;";
static const char machinesStosik[] = "20;39;73;";
/* 429 Stosowid */
static const char movesStosowid[] =
    "Wobble;Glimmer Eye;Pebble Clack;Lv. 4 - Wayside Moan;Lv. 9 - Toppling Scare;"
    "Lv. 18 - Cold Stone Touch;Lv. 22 - Chalk Sign;Lv. 28 - Lost Path Lure;Lv. 33 - Rocking Shuffle;"
    "Lv. 39 - Slab Shove;Lv. 47 - Barrow Chill;Lv. 56 - Cairn Collapse;Lv. 68 - Waymark Doom;";
static const char machinesStosowid[] = "7;11;20;39;53;73;";
/* 430 Blotek */
static const char movesBlotek[] =
    "Tuck Inside;Algae Graze;Feeler Peek;Lv. 4 - Pondweed Snare;Lv. 10 - Slime Film;Lv. 13 - Whorl Roll;"
    "Lv. 18 - Surface Hang;";
static const char machinesBlotek[] = "26;62;";
/* 431 Blotniak */
static const char movesBlotniak[] =
    "Tuck Inside;Algae Graze;Feeler Peek;Lv. 4 - Pondweed Snare;Lv. 12 - Slime Film;Lv. 13 - Whorl Roll;"
    "Lv. 18 - Surface Hang;Lv. 21 - Air Bubble Gulp;Lv. 26 - Still Water Hum;Lv. 32 - Ripple Ring Toss;";
static const char machinesBlotniak[] = "6;26;62;";
/* 432 Blotomusz */
static const char movesBlotomusz[] =
    "Tuck Inside;Algae Graze;Feeler Peek;Lv. 4 - Pondweed Snare;Lv. 12 - Slime Film;"
    "Lv. 21 - Air Bubble Gulp;Lv. 29 - Still Water Hum;Lv. 32 - Ripple Ring Toss;Lv. 38 - Spiral Shove;"
    "Lv. 45 - Sunken Nap;Lv. 52 - Mussel Crust;Lv. 64 - Floodgate Tide;";
static const char machinesBlotomusz[] = "2;6;26;57;62;79;";
/* 433 Plaszek */
static const char movesPlaszek[] =
    "Grain Flutter;Bury;Dune Swim;Lv. 3 - Eye Bump Scan;Lv. 8 - Sand Puff;Lv. 11 - Shifting Bed;"
    "Lv. 14 - Buried Ambush;";
static const char machinesPlaszek[] = "10;27;";
/* 434 Plaszczur */
static const char movesPlaszczur[] =
    "Grain Flutter;Bury;Dune Swim;Lv. 3 - Eye Bump Scan;Lv. 10 - Sand Puff;Lv. 11 - Shifting Bed;"
    "Lv. 14 - Buried Ambush;Lv. 18 - Quicksand Pull;Lv. 23 - Barbed Tail Jab;Lv. 30 - Ridge Swell;"
    "Lv. 37 - Fringe Ripple;Lv. 45 - Undersand Hunt;Lv. 54 - Spine Venom Rake;";
static const char machinesPlaszczur[] = "10;27;40;56;";
/* 435 Senowca */
static const char movesSenowca[] =
    "Soft Bleat;Wool Rub;Lv. 6 - Slumber Call;Lv. 13 - Fleece Pillow;Lv. 20 - Fence Skip;"
    "Lv. 28 - Drowsy Amble;Lv. 36 - Night Meadow Doze;Lv. 45 - Dream Shepherd;";
static const char machinesSenowca[] = "24;41;52;80;-;";
/* 436 Wilczek */
static const char movesWilczek[] =
    "Paw Swipe;Sly Nip;Scent Track;Lv. 5 - Yip Call;Lv. 10 - Moonrise Prowl;Lv. 14 - Tail Tug Play;"
    "Lv. 20 - Den Circle;";
static const char machinesWilczek[] = "54;72;-;4;";
/* 437 Wilczar */
static const char movesWilczar[] =
    "Paw Swipe;Sly Nip;Scent Track;Lv. 5 - Yip Call;Lv. 12 - Moonrise Prowl;Lv. 14 - Tail Tug Play;"
    "Lv. 20 - Den Circle;Lv. 24 - Dusk Hackles;Lv. 27 - Long Lope;Lv. 31 - Murk Rake;";
static const char machinesWilczar[] = "1;54;72;74;-;4;";
/* 438 Wilczomroz */
static const char movesWilczomroz[] =
    "Paw Swipe;Sly Nip;Scent Track;Lv. 5 - Yip Call;Lv. 12 - Moonrise Prowl;Lv. 20 - Den Circle;"
    "Lv. 26 - Dusk Hackles;Lv. 27 - Long Lope;Lv. 31 - Murk Rake;Lv. 36 - Frosted Muzzle;"
    "Lv. 38 - Hoarfrost Mane;Lv. 44 - Pack Chorus;Lv. 51 - Ice Crust Run;Lv. 60 - Snowdrift Ambush;";
static const char machinesWilczomroz[] = "1;37;54;72;74;78;-;2;4;";
/* 439 Beczik */
static const char movesBeczik[] =
    "Root Anchor;Spine Prick;Lv. 5 - Pip Spit;Lv. 9 - Sun Bask;Lv. 13 - Deep Sip;Lv. 19 - Hooked Volley;";
static const char machinesBeczik[] = "64;84;88;";
/* 440 Beczkowal */
static const char movesBeczkowal[] =
    "Root Anchor;Spine Prick;Lv. 5 - Pip Spit;Lv. 11 - Sun Bask;Lv. 13 - Deep Sip;Lv. 19 - Hooked Volley;"
    "Lv. 22 - Tumble Start;Lv. 25 - Clod Toss;Lv. 31 - Downhill Trundle;Lv. 37 - Dune Hush;"
    "Lv. 45 - Seed Ring Burst;Lv. 54 - Dust Trail Wheel;";
static const char machinesBeczkowal[] = "27;56;64;84;88;";
/* 441 Samowik */
static const char movesSamowik[] =
    "Kettle Shrill;Lid Rattle;Lv. 6 - Boil Over;Lv. 12 - Tea Pour;Lv. 18 - Brimming Slop;Lv. 26 - Steeping;"
    "Lv. 32 - Samovar Song;Lv. 36 - Simmer Rumble;Lv. 42 - Warm Welcome;";
static const char machinesSamowik[] = "4;34;41;57;65;-;7;";
/* 442 Strazlew */
static const char movesStrazlew[] =
    "Statue Stare;Crouch;Lv. 2 - Gate Guard;Lv. 7 - Granite Paw;Lv. 12 - Temple Rumble;"
    "Lv. 16 - Pedestal Pose;Lv. 20 - Lion Leap;Lv. 30 - Carved Mane Shake;Lv. 40 - Weathered Watch;";
static const char machinesStrazlew[] = "32;62;73;82;";
/* 443 Swietlak */
static const char movesSwietlak[] =
    "Wing Case Lift;Glow;Blink Signal;Lv. 8 - Meadow Flit;Lv. 15 - Decoy Pulse;"
    "Lv. 21 - Summer Night Reel;Lv. 28 - Lantern Wave;Lv. 35 - Courtship Code;Lv. 44 - Cold Light Flood;"
    "Lv. 53 - Hedgerow Beacon;";
static const char machinesSwietlak[] = "2;23;48;83;";
/* 444 Lorik */
static const char movesLorik[] =
    "Twig Grip;Stare Wide;Lv. 4 - Toothcomb Groom;Lv. 10 - Still Freeze;Lv. 14 - Gum Gnaw;"
    "Lv. 19 - Bitter Fur;Lv. 23 - Night Creep;";
static const char machinesLorik[] = "38;54;91;";
/* 445 Lorizar */
static const char movesLorizar[] =
    "Twig Grip;Stare Wide;Lv. 4 - Toothcomb Groom;Lv. 12 - Still Freeze;Lv. 14 - Gum Gnaw;"
    "Lv. 21 - Bitter Fur;Lv. 23 - Night Creep;Lv. 28 - Arms Overhead;Lv. 32 - Saucer Eye Trance;"
    "Lv. 37 - Elbow Gland Smear;Lv. 43 - Hold Till Dawn;Lv. 50 - Slow Motion Stalk;";
static const char machinesLorizar[] = "24;38;54;58;77;91;";
/* 446 Wiklik */
static const char movesWiklik[] =
    "Withy Creak;Loose Roll;Lv. 3 - Osier Sprout;Lv. 8 - Pairing Twist;Lv. 11 - Dew Steep;"
    "Lv. 15 - Weave Peek;";
static const char machinesWiklik[] = "55;71;88;";
/* 447 Wiklogon */
static const char movesWiklogon[] =
    "Withy Creak;Lv. 3 - Osier Sprout;Lv. 9 - Pairing Twist;Lv. 11 - Dew Steep;Lv. 15 - Weave Peek;"
    "Lv. 18 - Stake Up;Lv. 22 - Randing Lash;Lv. 27 - Spindly Trot;Lv. 31 - Three Rod Wale;";
static const char machinesWiklogon[] = "55;71;82;-;4;";
/* 448 Wiklomar */
static const char movesWiklomar[] =
    "Withy Creak;Lv. 9 - Pairing Twist;Lv. 14 - Dew Steep;Lv. 15 - Weave Peek;Lv. 18 - Stake Up;"
    "Lv. 24 - Randing Lash;Lv. 31 - Three Rod Wale;Lv. 36 - Rearing Rush;Lv. 39 - Plaited Mane Toss;"
    "Lv. 45 - Heavy Hoof Fall;Lv. 50 - Wicker Whinny;Lv. 58 - Hedge Leap Charge;";
static const char machinesWiklomar[] = "9;55;71;74;82;-;3;4;";
/* 449 Skibek */
static const char movesSkibek[] =
    "Clod Hop;Crumble;Lv. 5 - Stubble Prickle;Lv. 11 - Worm Lodger;Lv. 16 - Furrow Skid;"
    "Lv. 24 - Loam Plaster;Lv. 31 - Ploughshare Shine;Lv. 39 - Frost Crack;Lv. 47 - Spring Thaw Slump;";
static const char machinesSkibek[] = "10;18;27;88;-;8;";
/* 450 Szczecik */
static const char movesSzczecik[] =
    "Dew Gather;Prickle Rib;Lv. 5 - Rosette Spread;Lv. 9 - Leaf Cup Drown;Lv. 15 - Taproot Sip;"
    "Lv. 19 - Winter Hunker;";
static const char machinesSzczecik[] = "56;69;";
/* 451 Szczeciarz */
static const char movesSzczeciarz[] =
    "Dew Gather;Prickle Rib;Lv. 9 - Leaf Cup Drown;Lv. 17 - Taproot Sip;Lv. 24 - Bolting Stem;"
    "Lv. 27 - Spiky Head Comb;Lv. 33 - Hooked Bract Rake;Lv. 38 - Bloom Ring Climb;"
    "Lv. 45 - Goldfinch Seed Drop;Lv. 53 - Woollen Nap Raise;";
static const char machinesSzczeciarz[] = "56;64;69;84;-;6;";
/* 452 Chrobik */
static const char movesChrobik[] =
    "Curl Up;Greens Munch;Squirm;Lv. 6 - Hard Head Bump;Lv. 11 - Root Gnaw;Lv. 15 - Pupal Cell;";
/* 453 Chrobak */
static const char movesChrobak[] =
    "Greens Munch;Crawl;Lv. 6 - Hard Head Bump;Lv. 13 - Root Gnaw;Lv. 19 - Plate Hunch;"
    "Lv. 22 - Righting Flip;Lv. 26 - Antenna Sweep;Lv. 30 - Elytra Lock;";
static const char machinesChrobak[] = "2;17;62;";
/* 454 Chroboskal */
static const char movesChroboskal[] =
    "Greens Munch;Crawl;Lv. 6 - Hard Head Bump;Lv. 19 - Plate Hunch;Lv. 24 - Righting Flip;"
    "Lv. 26 - Antenna Sweep;Lv. 30 - Elytra Lock;Lv. 34 - Pebbledash Shell;Lv. 37 - Click Leap;"
    "Lv. 42 - Hinge Snap Toss;Lv. 48 - Carapace Block;Lv. 55 - Skyward Spring;";
static const char machinesChroboskal[] = "2;17;23;36;62;";
/* 455 Studnik */
static const char movesStudnik[] =
    "Rope Sway;Slosh;Well Echo;Lv. 2 - Cold Dip;Lv. 7 - Bucket Drop;Lv. 14 - Wellhead Hoist;"
    "Lv. 18 - Dusk Rise;Lv. 23 - Frayed Lash;Lv. 29 - Sunken Coin Plea;Lv. 33 - Dark Shaft Pull;"
    "Lv. 40 - Stone Lining Chill;Lv. 48 - Brimming Haul;Lv. 56 - Rusty Handle Creak;";
static const char machinesStudnik[] = "22;44;57;79;";
/* 456 Jantik */
static const char movesJantik[] =
    "Resin Ooze;Static Tick;Lv. 4 - Bark Weep;Lv. 8 - Straw Lift;Lv. 14 - Gnat Snare;"
    "Lv. 18 - Sap Setting;";
/* 457 Jantarel */
static const char movesJantarel[] =
    "Static Tick;Lv. 10 - Straw Lift;Lv. 14 - Gnat Snare;Lv. 22 - Wool Rub Charge;"
    "Lv. 26 - Stubby Trundle;Lv. 31 - Feather Pull;Lv. 35 - Honey Glint;";
static const char machinesJantarel[] = "21;80;81;";
/* 458 Jantarok */
static const char movesJantarok[] =
    "Static Tick;Lv. 10 - Straw Lift;Lv. 15 - Gnat Snare;Lv. 22 - Wool Rub Charge;"
    "Lv. 28 - Stubby Trundle;Lv. 31 - Feather Pull;Lv. 35 - Honey Glint;Lv. 40 - Fossil Heart Pulse;"
    "Lv. 44 - Bristling Threads;Lv. 50 - Storm Shore Cast;Lv. 57 - Golden Rockfall;"
    "Lv. 64 - Entombing Flow;";
static const char machinesJantarok[] = "21;48;62;73;80;81;";
/* 459 Kotewnik */
static const char movesKotewnik[] =
    "Open Water Float;Air Stalk Lift;Lv. 8 - Leaf Star Spread;Lv. 17 - Backwater Drift;"
    "Lv. 24 - Horned Nut Jab;Lv. 27 - Anchor Drop;Lv. 32 - Sawtooth Edge;Lv. 38 - Silt Grip;"
    "Lv. 45 - Fourfold Bloom;Lv. 52 - Mat Over Pond;Lv. 61 - Autumn Seed Fall;";
static const char machinesKotewnik[] = "8;57;64;69;79;";
/* 460 Szklik */
static const char movesSzklik[] =
    "Crackle;Sand Crust Shed;Lv. 4 - Static Hum;Lv. 9 - Glass Glint;Lv. 14 - Branch Arc;"
    "Lv. 18 - Bolt Beckon;Lv. 24 - Fused Grain Jab;";
static const char machinesSzklik[] = "21;73;92;";
/* 461 Szkliwiec */
static const char movesSzkliwiec[] =
    "Crackle;Sand Crust Shed;Root Fork Walk;Lv. 5 - Static Hum;Lv. 10 - Glass Glint;Lv. 16 - Branch Arc;"
    "Lv. 19 - Bolt Beckon;Lv. 26 - Fused Grain Jab;Lv. 30 - Strike Scar Path;"
    "Lv. 36 - Bottle Green Shards;Lv. 43 - Forked Discharge;Lv. 51 - Storm Summons;"
    "Lv. 60 - Struck Dune Crown;";
static const char machinesSzkliwiec[] = "21;36;62;73;92;";
/* 462 Szadzik */
static const char movesSzadzik[] =
    "Muzzle Rime;Hoof Tap;Icy Snort;Glassy Leap;Lv. 5 - Nub Sparkle;Lv. 9 - Frozen Stream Run;"
    "Lv. 16 - Fawn Lie Low;Lv. 19 - Hoarfrost Dapple;";
/* 463 Szadzirog */
static const char movesSzadzirog[] =
    "Muzzle Rime;Hoof Tap;Icy Snort;Glassy Leap;Lv. 9 - Frozen Stream Run;Lv. 21 - Hoarfrost Dapple;"
    "Lv. 24 - Prism Glint;Lv. 27 - Spike Butt;Lv. 31 - Velvet Shed;";
static const char machinesSzadzirog[] = "35;43;67;76;-;2;4;";
/* 464 Szadzielen */
static const char movesSzadzielen[] =
    "Muzzle Rime;Hoof Tap;Winter Vigil;Icy Snort;Glassy Leap;Lv. 9 - Frozen Stream Run;"
    "Lv. 26 - Prism Glint;Lv. 30 - Spike Butt;Lv. 31 - Velvet Shed;Lv. 36 - Ice Antler Clash;"
    "Lv. 40 - Rut Bellow;Lv. 46 - Glitter Field;Lv. 53 - Frostlight Fade;Lv. 60 - Silent Snowfield;";
static const char machinesSzadzielen[] = "31;35;43;67;76;78;-;2;3;4;";
/* 465 Czaplik */
static const char movesCzaplik[] =
    "Reed Stalk;Wade;Bill Jab;Lv. 4 - Still Water Wait;Lv. 9 - Frog Gulp;Lv. 13 - Beak Clack;";
/* 466 Czaplobrod */
static const char movesCzaplobrod[] =
    "Reed Stalk;Wade;Bill Jab;Lv. 4 - Still Water Wait;Lv. 11 - Frog Gulp;Lv. 13 - Beak Clack;"
    "Lv. 19 - Stilt Step;Lv. 23 - Neck Kink Strike;Lv. 27 - Powder Down Preen;";
static const char machinesCzaplobrod[] = "1;57;58;79;";
/* 467 Czaplosiwa */
static const char movesCzaplosiwa[] =
    "Reed Stalk;Wade;Bill Jab;Lv. 4 - Still Water Wait;Lv. 11 - Frog Gulp;Lv. 16 - Beak Clack;"
    "Lv. 19 - Stilt Step;Lv. 25 - Neck Kink Strike;Lv. 27 - Powder Down Preen;Lv. 31 - Marsh Takeoff;"
    "Lv. 36 - Spear Plunge;Lv. 44 - Broad Wing Sweep;Lv. 50 - Heronry Clamour;Lv. 59 - Lakeshore Dance;";
static const char machinesCzaplosiwa[] = "1;23;57;58;61;63;79;";
/* 468 Namorek */
static const char movesNamorek[] = "Bob;Sprout;Tide Drift;Lv. 5 - Salt Sip;Lv. 10 - Mudflat Lodge;";
/* 469 Namorzec */
static const char movesNamorzec[] =
    "Sprout;Leaf Unfurl;Lv. 5 - Salt Sip;Lv. 14 - Root Dangle;Lv. 20 - Brackish Spray;"
    "Lv. 26 - Three Leg Walk;";
static const char machinesNamorzec[] = "26;69;71;79;";
/* 470 Namorzyn */
static const char movesNamorzyn[] =
    "Leaf Unfurl;Tideline Stand;Lv. 5 - Salt Sip;Lv. 14 - Root Dangle;Lv. 23 - Brackish Spray;"
    "Lv. 26 - Three Leg Walk;Lv. 34 - Fish Nursery;Lv. 40 - Oyster Harbour;Lv. 47 - Mangrove Tangle;"
    "Lv. 57 - Canopy Rain;Lv. 66 - Flood Surge;";
static const char machinesNamorzyn[] = "8;26;64;69;71;79;";
/* 471 Borsik */
static const char movesBorsik[] =
    "Snuffle;Scrape;Sett Delving;Lv. 7 - Stripe Warning;Lv. 14 - Root Grub;Lv. 24 - Den Defence;";
/* 472 Borsugor */
static const char movesBorsugor[] =
    "Snuffle;Scrape;Sett Delving;Lv. 8 - Stripe Warning;Lv. 16 - Root Grub;Lv. 26 - Den Defence;"
    "Lv. 30 - Bristle Rush;Lv. 37 - Tunnel Network;Lv. 44 - Badger Barrel;Lv. 52 - Bedding Haul;"
    "Lv. 63 - Elder Guard;";
static const char machinesBorsugor[] = "10;18;54;74;82;-;8;";
/* 473 Foczek */
static const char movesFoczek[] =
    "Pup Yelp;Sand Flop;Lv. 6 - Blubber Nap;Lv. 11 - Whisker Search;Lv. 17 - Shallows Paddle;";
static const char machinesFoczek[] = "29;89;-;5;";
/* 474 Foczan */
static const char movesFoczan[] =
    "Sand Flop;Sleek Turn;Lv. 7 - Blubber Nap;Lv. 13 - Whisker Search;Lv. 17 - Shallows Paddle;"
    "Lv. 23 - Squid Chase;Lv. 27 - Deep Lung Hold;Lv. 32 - Breaker Line Rush;Lv. 35 - Nursery Watch;"
    "Lv. 40 - Kelp Forest Hunt;Lv. 46 - Abyss Plunge;Lv. 53 - Colony Chorus;";
static const char machinesFoczan[] = "29;31;72;79;85;89;-;5;";
/* 475 Foczysko */
static const char movesFoczysko[] =
    "Sand Flop;Trunk Snort;Lv. 9 - Blubber Nap;Lv. 14 - Whisker Search;Lv. 24 - Squid Chase;"
    "Lv. 33 - Breaker Line Rush;Lv. 39 - Shingle Bed;Lv. 42 - Windbreak Bulk;Lv. 47 - Barnacle Hide;"
    "Lv. 53 - Long Sleep Wallow;Lv. 60 - Nose Bellow;Lv. 68 - Tide Wrack Shelter;";
static const char machinesFoczysko[] = "27;29;31;72;79;85;89;-;5;";
/* 476 Leniwczyk */
static const char movesLeniwczyk[] =
    "Hang;Slow Blink;Moss Graze;Lv. 8 - Fern Shade;Lv. 15 - Canopy Drowse;Lv. 23 - Algae Fur Tint;"
    "Lv. 32 - Hook Claw Grip;Lv. 42 - Rainforest Patience;";
static const char machinesLeniwczyk[] = "38;55;71;";
/* 477 Nitek */
static const char movesNitek[] =
    "Needle Beak;Hedge Trill;Lv. 5 - Thread Pull;Lv. 10 - Silk Gather;Lv. 16 - Down Tuft Carry;"
    "Lv. 23 - Tail Flick Alarm;Lv. 29 - Bamboo Flit;Lv. 36 - Hedgerow Scold;Lv. 44 - Courtship Gift;"
    "Lv. 51 - Dawn Song Duel;";
static const char machinesNitek[] = "23;41;61;75;-;1;6;";
/* 478 Nitkarka */
static const char movesNitkarka[] =
    "Needle Beak;Hedge Trill;Lv. 6 - Thread Pull;Lv. 11 - Silk Gather;Lv. 18 - Leaf Stitch;"
    "Lv. 24 - Tail Flick Alarm;Lv. 27 - Pouch Seam;Lv. 31 - Hanging Nest;Lv. 36 - Bamboo Flit;"
    "Lv. 41 - Darning Dart;Lv. 47 - Hedgerow Scold;Lv. 54 - Cradle Sewing;Lv. 63 - Seamstress Flurry;";
static const char machinesNitkarka[] = "23;41;61;63;66;75;-;1;6;";
/* 479 Latarnik */
static const char movesLatarnik[] =
    "Foghorn Moan;Lamp Sweep;Lv. 6 - Lens Focus;Lv. 13 - Wave Break;Lv. 22 - Whale Oil Flare;"
    "Lv. 29 - Granite Footing;Lv. 37 - Storm Signal;Lv. 46 - Rotating Beam;Lv. 57 - Shipwreck Warning;";
static const char machinesLatarnik[] = "4;31;46;73;-;7;";
/* 480 Rafowal */
static const char movesRafowal[] =
    "Blowhole Puff;Deep Call;Reef Shelter;Lv. 6 - Krill Sweep;Lv. 11 - Flipper Smack;"
    "Lv. 15 - Coral Hump Heave;Lv. 17 - Slow Hymn;Lv. 21 - Ocean Breach;Lv. 31 - Abyssal Descent;"
    "Lv. 40 - Living Island;";
static const char machinesRafowal[] = "29;41;85;89;-;5;";
/* 481 Sadzawnik */
static const char movesSadzawnik[] =
    "Brim Slosh;Barnacle Crust;Lv. 6 - Wrack Fringe;Lv. 14 - Anemone Tickle;Lv. 20 - Ebb Trudge;"
    "Lv. 28 - Granite Lean;Lv. 37 - Pool Fish Shelter;Lv. 46 - Spring Tide Swell;"
    "Lv. 57 - Shore Boulder Roll;";
static const char machinesSadzawnik[] = "57;62;73;85;";
/* 482 Jesiolod */
static const char movesJesiolod[] =
    "Scute Rattle;Barbel Sweep;Lv. 5 - Riverbed Cruise;Lv. 12 - Cold Current Ride;"
    "Lv. 19 - Winter Freeze Sleep;Lv. 27 - Ice Plate Armour;Lv. 35 - Snout Probe;Lv. 44 - Frozen Breach;"
    "Lv. 53 - Thaw Breakout;Lv. 64 - Old River Memory;";
static const char machinesJesiolod[] = "29;37;43;78;89;-;2;5;";
/* 483 Zarorog */
static const char movesZarorog[] =
    "Cinder Snort;Antler Glow;Lv. 11 - Burning Tines;Lv. 15 - Ash Trail;Lv. 20 - Forest Blaze Run;"
    "Lv. 26 - Coal Hoof;Lv. 30 - Blazing Rut;Lv. 43 - Wildfire Crown;Lv. 56 - Rekindling;";
static const char machinesZarorog[] = "16;31;35;45;46;74;-;7;";
/* 484 Fujarnik */
static const char movesFujarnik[] =
    "Reed Rustle;Hollow Hum;Lv. 7 - Panpipe Trill;Lv. 14 - Root Mat Creep;Lv. 22 - Seed Plume Drift;"
    "Lv. 30 - Marsh Melody;Lv. 39 - Thatch Bundle;Lv. 48 - Wind Choir;Lv. 60 - Dawn Chorus Tune;";
static const char machinesFujarnik[] = "41;64;69;-;6;";
/* 485 Zmierzchun */
static const char movesZmierzchun[] =
    "Dust Scales;Dusk Flit;Lv. 5 - Moon Circling;Lv. 13 - Powder Shower;Lv. 21 - Dark Lamp Lure;"
    "Lv. 28 - Eyespot Stare;Lv. 28 - Midnight Flutter;Lv. 44 - Drowsing Wingbeat;Lv. 48 - Eclipse Wings;";
static const char machinesZmierzchun[] = "2;15;24;54;77;";
/* 486 Dretwal */
static const char movesDretwal[] =
    "Ray Glide;Static Hum;Sand Bed Hide;Lv. 6 - Numbing Touch;Lv. 12 - Wing Fin Beat;Lv. 19 - Trench Jolt;"
    "Lv. 27 - Storm Front Sweep;Lv. 36 - Squall Line Plunge;Lv. 45 - Electric Organ Pulse;"
    "Lv. 57 - Sea Lightning;";
static const char machinesDretwal[] = "21;29;81;85;92;-;5;";
/* 487 Gwiezdnik */
static const char movesGwiezdnik[] =
    "Star Flicker;Drift;Gel Wobble;Lv. 4 - Pulse Throb;Lv. 11 - Nebula Glow;Lv. 19 - Trailing Shine;"
    "Lv. 28 - Pull of Heavens;Lv. 38 - Meteor Dew;Lv. 47 - Constellation;Lv. 62 - Supernova Shiver;";
static const char machinesGwiezdnik[] = "24;33;50;53;";
/* 488 Bagiennik */
static const char movesBagiennik[] =
    "Creep;Lantern Sway;Lv. 5 - Marsh Murk;Lv. 12 - Crook Hook;Lv. 12 - Fever Fog;Lv. 18 - Peat Smoulder;"
    "Lv. 26 - Rot Cloud;Lv. 34 - Pale Beacon;Lv. 47 - Drowned Host;Lv. 63 - Endless Mire;";
static const char machinesBagiennik[] = "6;20;39;51;91;";
/* 489 Rudawiec */
static const char movesRudawiec[] =
    "Turf Nose;Rust Seep;Lv. 5 - Reed Root Grub;Lv. 11 - Flat Foot Squelch;Lv. 18 - Ore Knob Brace;"
    "Lv. 28 - Marsh Iron Gather;Lv. 33 - Red Water Spray;Lv. 39 - Meadow Sod Lift;Lv. 45 - Bloomery Glow;"
    "Lv. 52 - Nodule Volley;Lv. 60 - Fen Floor Quake;";
static const char machinesRudawiec[] = "18;35;62;70;86;-;8;";
/* 490 Zurawik */
static const char movesZurawik[] =
    "Paper Fold;Flutter;Lv. 8 - Crease Edge;Lv. 14 - Leaf Glide;Lv. 21 - Origami Shift;"
    "Lv. 29 - Folded Wings;Lv. 36 - Crane Flock;Lv. 45 - Confetti Flurry;Lv. 53 - Mulberry Fibre Storm;";
static const char machinesZurawik[] = "23;55;90;-;4;";
/* 491 Glinotur */
static const char movesGlinotur[] =
    "Plough;Lowing;Horn Heave;Lv. 6 - Deep Furrow;Lv. 15 - Field Shake;Lv. 23 - Hump Shove;"
    "Lv. 33 - Clod Hurl;Lv. 41 - Kiln Hardened Hide;Lv. 54 - Landslide Rush;Lv. 66 - Hillside Shrug;";
static const char machinesGlinotur[] = "17;31;35;73;74;-;3;";
/* 492 Lampiarz */
static const char movesLampiarz[] =
    "Drone Flight;Snout Glow;Lv. 6 - Sap Tap;Lv. 13 - Red Wing Startle;Lv. 21 - Bark Crawl;"
    "Lv. 29 - Coal Lantern Beam;Lv. 38 - Honeydew Rain;Lv. 47 - Lichen Mottle Hide;Lv. 58 - Kiln Heat Leap;";
static const char machinesLampiarz[] = "2;14;23;46;83;-;7;";
/* 493 Smokodrzem */
static const char movesSmokodrzem[] =
    "Slumber;Weather Sense;Peak Embrace;Drizzle Dreaming;Lv. 8 - Cloud Shaping;Lv. 16 - Scale Tremor;"
    "Lv. 25 - Sleeper Murmur;Lv. 33 - Stormcloud Vision;Lv. 42 - Season Turning;Lv. 51 - World Memory;"
    "Lv. 62 - Waking Squall;Lv. 75 - Mountain Unwound;";
static const char machinesSmokodrzem[] = "19;25;31;33;52;58;";

const unsigned short formPicture[FORM_COUNT] = {IDB_PICTURE_BASE + FORM_ENTRY, IDB_FORM1_PICTURE,
                                                IDB_FORM2_PICTURE};
const unsigned short formSecondaryTypeIcon[FORM_COUNT] = {IDB_TYPE_GRASS, IDB_TYPE_GROUND, IDB_TYPE_STEEL};
const char *const formMoveListText[FORM_COUNT] = {movesKafelicaMoss, movesKafelicaClay, movesKafelicaIron};

void InitCatalogue()
{
    /* clang-format off */
    /* 387 Kopik */      moveListText[1] = movesKopik;         machineListText[1] = machinesYoungDiggers;   heightCm[1] = 22;    weightTenthKg[1] = 28;     primaryTypeIcon[1] = IDB_TYPE_GROUND;     secondaryTypeIcon[1] = NO_SECOND_TYPE;
    /* 388 Kopalnik */   moveListText[2] = movesKopalnik;      machineListText[2] = machinesKopalnik;       heightCm[2] = 90;    weightTenthKg[2] = 600;    primaryTypeIcon[2] = IDB_TYPE_GROUND;     secondaryTypeIcon[2] = NO_SECOND_TYPE;
    /* 389 Wietrzyk */   moveListText[3] = movesWietrzyk;      machineListText[3] = machinesWietrzyk;       heightCm[3] = 90;    weightTenthKg[3] = 15;     primaryTypeIcon[3] = IDB_TYPE_NORMAL;     secondaryTypeIcon[3] = IDB_TYPE_FLYING;
    /* 390 Parzyk */     moveListText[4] = movesParzyk;        machineListText[4] = machinesParzyk;         heightCm[4] = 40;    weightTenthKg[4] = 20;     primaryTypeIcon[4] = IDB_TYPE_WATER;      secondaryTypeIcon[4] = IDB_TYPE_ELECTRIC;
    /* 391 Parzyblask */ moveListText[5] = movesParzyblask;    machineListText[5] = machinesParzyblask;     heightCm[5] = 130;   weightTenthKg[5] = 300;    primaryTypeIcon[5] = IDB_TYPE_WATER;      secondaryTypeIcon[5] = IDB_TYPE_ELECTRIC;
    /* 392 Trasik */     moveListText[6] = movesTrasik;        machineListText[6] = machinesTrasik;         heightCm[6] = 25;    weightTenthKg[6] = 12;     primaryTypeIcon[6] = IDB_TYPE_WATER;      secondaryTypeIcon[6] = NO_SECOND_TYPE;
    /* 393 Traszyn */    moveListText[7] = movesTraszyn;       machineListText[7] = machinesTraszyn;        heightCm[7] = 40;    weightTenthKg[7] = 40;     primaryTypeIcon[7] = IDB_TYPE_WATER;      secondaryTypeIcon[7] = IDB_TYPE_POISON;
    /* 394 Trasomor */   moveListText[8] = movesTrasomor;      machineListText[8] = machinesTrasomor;       heightCm[8] = 80;    weightTenthKg[8] = 140;    primaryTypeIcon[8] = IDB_TYPE_WATER;      secondaryTypeIcon[8] = IDB_TYPE_POISON;
    /* 395 Pierzynek */  moveListText[9] = movesPierzynek;     machineListText[9] = machinesPierzynek;      heightCm[9] = 20;    weightTenthKg[9] = 3;      primaryTypeIcon[9] = IDB_TYPE_NORMAL;     secondaryTypeIcon[9] = NO_SECOND_TYPE;
    /* 396 Hubik */      moveListText[10] = movesHubik;        machineListText[10] = machinesHubik;         heightCm[10] = 30;   weightTenthKg[10] = 15;    primaryTypeIcon[10] = IDB_TYPE_GRASS;     secondaryTypeIcon[10] = IDB_TYPE_FIRE;
    /* 397 Hubostol */   moveListText[11] = movesHubostol;     machineListText[11] = machinesHubostol;      heightCm[11] = 90;   weightTenthKg[11] = 250;   primaryTypeIcon[11] = IDB_TYPE_GRASS;     secondaryTypeIcon[11] = IDB_TYPE_FIRE;
    /* 398 Murek */      moveListText[12] = movesMurek;        machineListText[12] = machinesMurek;         heightCm[12] = 50;   weightTenthKg[12] = 450;   primaryTypeIcon[12] = IDB_TYPE_ROCK;      secondaryTypeIcon[12] = NO_SECOND_TYPE;
    /* 399 Murowal */    moveListText[13] = movesMurowal;      machineListText[13] = machinesMurowal;       heightCm[13] = 110;  weightTenthKg[13] = 1800;  primaryTypeIcon[13] = IDB_TYPE_ROCK;      secondaryTypeIcon[13] = NO_SECOND_TYPE;
    /* 400 Murogrom */   moveListText[14] = movesMurogrom;     machineListText[14] = machinesMurogrom;      heightCm[14] = 210;  weightTenthKg[14] = 7000;  primaryTypeIcon[14] = IDB_TYPE_ROCK;      secondaryTypeIcon[14] = IDB_TYPE_FIGHTING;
    /* 401 Podlodek */   moveListText[15] = movesPodlodek;     machineListText[15] = machinesPodlodek;      heightCm[15] = 120;  weightTenthKg[15] = 180;   primaryTypeIcon[15] = IDB_TYPE_WATER;     secondaryTypeIcon[15] = IDB_TYPE_DARK;
    /* 402 Szronik */    moveListText[16] = movesSzronik;      machineListText[16] = machinesFrostYoung;    heightCm[16] = 28;   weightTenthKg[16] = 15;    primaryTypeIcon[16] = IDB_TYPE_ICE;       secondaryTypeIcon[16] = NO_SECOND_TYPE;
    /* 403 Szronostaj */ moveListText[17] = movesSzronostaj;   machineListText[17] = machinesSzronostaj;    heightCm[17] = 60;   weightTenthKg[17] = 60;    primaryTypeIcon[17] = IDB_TYPE_ICE;       secondaryTypeIcon[17] = NO_SECOND_TYPE;
    /* 404 Pylik */      moveListText[18] = movesPylik;        machineListText[18] = machinesPylik;         heightCm[18] = 40;   weightTenthKg[18] = 12;    primaryTypeIcon[18] = IDB_TYPE_GROUND;    secondaryTypeIcon[18] = IDB_TYPE_FLYING;
    /* 405 Pylowir */    moveListText[19] = movesPylowir;      machineListText[19] = machinesPylowir;       heightCm[19] = 90;   weightTenthKg[19] = 60;    primaryTypeIcon[19] = IDB_TYPE_GROUND;    secondaryTypeIcon[19] = IDB_TYPE_FLYING;
    /* 406 Pylozawier */ moveListText[20] = movesPylozawier;   machineListText[20] = machinesPylozawier;    heightCm[20] = 200;  weightTenthKg[20] = 400;   primaryTypeIcon[20] = IDB_TYPE_GROUND;    secondaryTypeIcon[20] = IDB_TYPE_FLYING;
    /* 407 Kowadrak */   moveListText[21] = movesKowadrak;     machineListText[21] = machinesKowadrak;      heightCm[21] = 70;   weightTenthKg[21] = 1650;  primaryTypeIcon[21] = IDB_TYPE_STEEL;     secondaryTypeIcon[21] = NO_SECOND_TYPE;
    /* 408 Strachun */   moveListText[22] = movesStrachun;     machineListText[22] = machinesStrachun;      heightCm[22] = 170;  weightTenthKg[22] = 220;   primaryTypeIcon[22] = IDB_TYPE_GRASS;     secondaryTypeIcon[22] = NO_SECOND_TYPE;
    /* 409 Snujek */     moveListText[23] = movesSnujek;       machineListText[23] = machinesSnujek;        heightCm[23] = 20;   weightTenthKg[23] = 4;     primaryTypeIcon[23] = IDB_TYPE_INSECT;    secondaryTypeIcon[23] = NO_SECOND_TYPE;
    /* 410 Snujarz */    moveListText[24] = movesSnujarz;      machineListText[24] = machinesSnujarz;       heightCm[24] = 30;   weightTenthKg[24] = 20;    primaryTypeIcon[24] = IDB_TYPE_INSECT;    secondaryTypeIcon[24] = NO_SECOND_TYPE;
    /* 411 Snujmrok */   moveListText[25] = movesSnujmrok;     machineListText[25] = machinesSnujmrok;      heightCm[25] = 100;  weightTenthKg[25] = 330;   primaryTypeIcon[25] = IDB_TYPE_INSECT;    secondaryTypeIcon[25] = IDB_TYPE_DARK;
    /* 412 Kafelek */    moveListText[26] = movesKafelek;      machineListText[26] = machinesKafelek;       heightCm[26] = 22;   weightTenthKg[26] = 5;     primaryTypeIcon[26] = IDB_TYPE_NORMAL;    secondaryTypeIcon[26] = NO_SECOND_TYPE;
    /* 413 Kafelica */   moveListText[27] = movesKafelicaMoss; machineListText[27] = machinesKafelica;      heightCm[27] = 48;   weightTenthKg[27] = 70;    primaryTypeIcon[27] = IDB_TYPE_NORMAL;    secondaryTypeIcon[27] = IDB_TYPE_GRASS;
    /* 414 Kafelun */    moveListText[28] = movesKafelun;      machineListText[28] = machinesKafelun;       heightCm[28] = 60;   weightTenthKg[28] = 95;    primaryTypeIcon[28] = IDB_TYPE_NORMAL;    secondaryTypeIcon[28] = IDB_TYPE_DARK;
    /* 415 Chmielik */   moveListText[29] = movesChmielik;     machineListText[29] = machinesChmielik;      heightCm[29] = 60;   weightTenthKg[29] = 12;    primaryTypeIcon[29] = IDB_TYPE_GRASS;     secondaryTypeIcon[29] = IDB_TYPE_PSYCHIC;
    /* 416 Chmielina */  moveListText[30] = movesChmielina;    machineListText[30] = machinesChmielina;     heightCm[30] = 210;  weightTenthKg[30] = 180;   primaryTypeIcon[30] = IDB_TYPE_GRASS;     secondaryTypeIcon[30] = IDB_TYPE_PSYCHIC;
    /* 417 Ceglik */     moveListText[31] = movesCeglik;       machineListText[31] = machinesCeglik;        heightCm[31] = 35;   weightTenthKg[31] = 12;    primaryTypeIcon[31] = IDB_TYPE_FIRE;      secondaryTypeIcon[31] = IDB_TYPE_ROCK;
    /* 418 Kazuarek */   moveListText[32] = movesKazuarek;     machineListText[32] = machinesKazuarek;      heightCm[32] = 40;   weightTenthKg[32] = 30;    primaryTypeIcon[32] = IDB_TYPE_FIGHTING;  secondaryTypeIcon[32] = NO_SECOND_TYPE;
    /* 419 Kazuaryn */   moveListText[33] = movesKazuaryn;     machineListText[33] = machinesKazuaryn;      heightCm[33] = 110;  weightTenthKg[33] = 250;   primaryTypeIcon[33] = IDB_TYPE_FIGHTING;  secondaryTypeIcon[33] = NO_SECOND_TYPE;
    /* 420 Kazuarog */   moveListText[34] = movesKazuarog;     machineListText[34] = machinesKazuarog;      heightCm[34] = 170;  weightTenthKg[34] = 580;   primaryTypeIcon[34] = IDB_TYPE_FIGHTING;  secondaryTypeIcon[34] = NO_SECOND_TYPE;
    /* 421 Gabczyk */    moveListText[35] = movesGabczyk;      machineListText[35] = machinesShallowsYoung; heightCm[35] = 40;   weightTenthKg[35] = 170;   primaryTypeIcon[35] = IDB_TYPE_WATER;     secondaryTypeIcon[35] = NO_SECOND_TYPE;
    /* 422 Gabczar */    moveListText[36] = movesGabczar;      machineListText[36] = machinesGabczar;       heightCm[36] = 130;  weightTenthKg[36] = 2000;  primaryTypeIcon[36] = IDB_TYPE_WATER;     secondaryTypeIcon[36] = IDB_TYPE_ROCK;
    /* 423 Zwijak */     moveListText[37] = movesZwijak;       machineListText[37] = machinesZwijak;        heightCm[37] = 45;   weightTenthKg[37] = 35;    primaryTypeIcon[37] = IDB_TYPE_INSECT;    secondaryTypeIcon[37] = IDB_TYPE_GRASS;
    /* 424 Rzekotek */   moveListText[38] = movesRzekotek;     machineListText[38] = machinesRzekotek;      heightCm[38] = 21;   weightTenthKg[38] = 12;    primaryTypeIcon[38] = IDB_TYPE_POISON;    secondaryTypeIcon[38] = IDB_TYPE_FLYING;
    /* 425 Rzekotniak */ moveListText[39] = movesRzekotniak;   machineListText[39] = machinesRzekotniak;    heightCm[39] = 55;   weightTenthKg[39] = 64;    primaryTypeIcon[39] = IDB_TYPE_POISON;    secondaryTypeIcon[39] = IDB_TYPE_FLYING;
    /* 426 Rzekotolot */ moveListText[40] = movesRzekotolot;   machineListText[40] = machinesRzekotolot;    heightCm[40] = 130;  weightTenthKg[40] = 290;   primaryTypeIcon[40] = IDB_TYPE_POISON;    secondaryTypeIcon[40] = IDB_TYPE_FLYING;
    /* 427 Pompak */     moveListText[41] = movesPompak;       machineListText[41] = machinesPompak;        heightCm[41] = 150;  weightTenthKg[41] = 3000;  primaryTypeIcon[41] = IDB_TYPE_STEEL;     secondaryTypeIcon[41] = NO_SECOND_TYPE;
    /* 428 Stosik */     moveListText[42] = movesStosik;       machineListText[42] = machinesStosik;        heightCm[42] = 55;   weightTenthKg[42] = 600;   primaryTypeIcon[42] = IDB_TYPE_GHOST;     secondaryTypeIcon[42] = IDB_TYPE_ROCK;
    /* 429 Stosowid */   moveListText[43] = movesStosowid;     machineListText[43] = machinesStosowid;      heightCm[43] = 160;  weightTenthKg[43] = 6600;  primaryTypeIcon[43] = IDB_TYPE_GHOST;     secondaryTypeIcon[43] = IDB_TYPE_ROCK;
    /* 430 Blotek */     moveListText[44] = movesBlotek;       machineListText[44] = machinesBlotek;        heightCm[44] = 20;   weightTenthKg[44] = 12;    primaryTypeIcon[44] = IDB_TYPE_WATER;     secondaryTypeIcon[44] = NO_SECOND_TYPE;
    /* 431 Blotniak */   moveListText[45] = movesBlotniak;     machineListText[45] = machinesBlotniak;      heightCm[45] = 45;   weightTenthKg[45] = 85;    primaryTypeIcon[45] = IDB_TYPE_WATER;     secondaryTypeIcon[45] = NO_SECOND_TYPE;
    /* 432 Blotomusz */  moveListText[46] = movesBlotomusz;    machineListText[46] = machinesBlotomusz;     heightCm[46] = 120;  weightTenthKg[46] = 1450;  primaryTypeIcon[46] = IDB_TYPE_WATER;     secondaryTypeIcon[46] = NO_SECOND_TYPE;
    /* 433 Plaszek */    moveListText[47] = movesPlaszek;      machineListText[47] = machinesPlaszek;       heightCm[47] = 25;   weightTenthKg[47] = 60;    primaryTypeIcon[47] = IDB_TYPE_GROUND;    secondaryTypeIcon[47] = NO_SECOND_TYPE;
    /* 434 Plaszczur */  moveListText[48] = movesPlaszczur;    machineListText[48] = machinesPlaszczur;     heightCm[48] = 60;   weightTenthKg[48] = 380;   primaryTypeIcon[48] = IDB_TYPE_GROUND;    secondaryTypeIcon[48] = IDB_TYPE_POISON;
    /* 435 Senowca */    moveListText[49] = movesSenowca;      machineListText[49] = machinesSenowca;       heightCm[49] = 40;   weightTenthKg[49] = 60;    primaryTypeIcon[49] = IDB_TYPE_NORMAL;    secondaryTypeIcon[49] = NO_SECOND_TYPE;
    /* 436 Wilczek */    moveListText[50] = movesWilczek;      machineListText[50] = machinesWilczek;       heightCm[50] = 45;   weightTenthKg[50] = 95;    primaryTypeIcon[50] = IDB_TYPE_DARK;      secondaryTypeIcon[50] = NO_SECOND_TYPE;
    /* 437 Wilczar */    moveListText[51] = movesWilczar;      machineListText[51] = machinesWilczar;       heightCm[51] = 90;   weightTenthKg[51] = 300;   primaryTypeIcon[51] = IDB_TYPE_DARK;      secondaryTypeIcon[51] = NO_SECOND_TYPE;
    /* 438 Wilczomroz */ moveListText[52] = movesWilczomroz;   machineListText[52] = machinesWilczomroz;    heightCm[52] = 140;  weightTenthKg[52] = 620;   primaryTypeIcon[52] = IDB_TYPE_DARK;      secondaryTypeIcon[52] = IDB_TYPE_ICE;
    /* 439 Beczik */     moveListText[53] = movesBeczik;       machineListText[53] = machinesBeczik;        heightCm[53] = 28;   weightTenthKg[53] = 80;    primaryTypeIcon[53] = IDB_TYPE_GRASS;     secondaryTypeIcon[53] = NO_SECOND_TYPE;
    /* 440 Beczkowal */  moveListText[54] = movesBeczkowal;    machineListText[54] = machinesBeczkowal;     heightCm[54] = 110;  weightTenthKg[54] = 1500;  primaryTypeIcon[54] = IDB_TYPE_GRASS;     secondaryTypeIcon[54] = IDB_TYPE_GROUND;
    /* 441 Samowik */    moveListText[55] = movesSamowik;      machineListText[55] = machinesSamowik;       heightCm[55] = 50;   weightTenthKg[55] = 160;   primaryTypeIcon[55] = IDB_TYPE_FIRE;      secondaryTypeIcon[55] = NO_SECOND_TYPE;
    /* 442 Strazlew */   moveListText[56] = movesStrazlew;     machineListText[56] = machinesStrazlew;      heightCm[56] = 150;  weightTenthKg[56] = 6400;  primaryTypeIcon[56] = IDB_TYPE_ROCK;      secondaryTypeIcon[56] = NO_SECOND_TYPE;
    /* 443 Swietlak */   moveListText[57] = movesSwietlak;     machineListText[57] = machinesSwietlak;      heightCm[57] = 35;   weightTenthKg[57] = 11;    primaryTypeIcon[57] = IDB_TYPE_INSECT;    secondaryTypeIcon[57] = IDB_TYPE_ELECTRIC;
    /* 444 Lorik */      moveListText[58] = movesLorik;        machineListText[58] = machinesLorik;         heightCm[58] = 22;   weightTenthKg[58] = 11;    primaryTypeIcon[58] = IDB_TYPE_POISON;    secondaryTypeIcon[58] = NO_SECOND_TYPE;
    /* 445 Lorizar */    moveListText[59] = movesLorizar;      machineListText[59] = machinesLorizar;       heightCm[59] = 38;   weightTenthKg[59] = 24;    primaryTypeIcon[59] = IDB_TYPE_POISON;    secondaryTypeIcon[59] = IDB_TYPE_PSYCHIC;
    /* 446 Wiklik */     moveListText[60] = movesWiklik;       machineListText[60] = machinesWiklik;        heightCm[60] = 35;   weightTenthKg[60] = 15;    primaryTypeIcon[60] = IDB_TYPE_GRASS;     secondaryTypeIcon[60] = NO_SECOND_TYPE;
    /* 447 Wiklogon */   moveListText[61] = movesWiklogon;     machineListText[61] = machinesWiklogon;      heightCm[61] = 100;  weightTenthKg[61] = 140;   primaryTypeIcon[61] = IDB_TYPE_GRASS;     secondaryTypeIcon[61] = NO_SECOND_TYPE;
    /* 448 Wiklomar */   moveListText[62] = movesWiklomar;     machineListText[62] = machinesWiklomar;      heightCm[62] = 165;  weightTenthKg[62] = 600;   primaryTypeIcon[62] = IDB_TYPE_GRASS;     secondaryTypeIcon[62] = IDB_TYPE_FIGHTING;
    /* 449 Skibek */     moveListText[63] = movesSkibek;       machineListText[63] = machinesSkibek;        heightCm[63] = 35;   weightTenthKg[63] = 140;   primaryTypeIcon[63] = IDB_TYPE_GROUND;    secondaryTypeIcon[63] = NO_SECOND_TYPE;
    /* 450 Szczecik */   moveListText[64] = movesSzczecik;     machineListText[64] = machinesSzczecik;      heightCm[64] = 40;   weightTenthKg[64] = 12;    primaryTypeIcon[64] = IDB_TYPE_GRASS;     secondaryTypeIcon[64] = NO_SECOND_TYPE;
    /* 451 Szczeciarz */ moveListText[65] = movesSzczeciarz;   machineListText[65] = machinesSzczeciarz;    heightCm[65] = 150;  weightTenthKg[65] = 200;   primaryTypeIcon[65] = IDB_TYPE_GRASS;     secondaryTypeIcon[65] = NO_SECOND_TYPE;
    /* 452 Chrobik */    moveListText[66] = movesChrobik;      machineListText[66] = machinesNone;          heightCm[66] = 20;   weightTenthKg[66] = 8;     primaryTypeIcon[66] = IDB_TYPE_INSECT;    secondaryTypeIcon[66] = NO_SECOND_TYPE;
    /* 453 Chrobak */    moveListText[67] = movesChrobak;      machineListText[67] = machinesChrobak;       heightCm[67] = 30;   weightTenthKg[67] = 30;    primaryTypeIcon[67] = IDB_TYPE_INSECT;    secondaryTypeIcon[67] = NO_SECOND_TYPE;
    /* 454 Chroboskal */ moveListText[68] = movesChroboskal;   machineListText[68] = machinesChroboskal;    heightCm[68] = 70;   weightTenthKg[68] = 520;   primaryTypeIcon[68] = IDB_TYPE_INSECT;    secondaryTypeIcon[68] = IDB_TYPE_ROCK;
    /* 455 Studnik */    moveListText[69] = movesStudnik;      machineListText[69] = machinesStudnik;       heightCm[69] = 45;   weightTenthKg[69] = 380;   primaryTypeIcon[69] = IDB_TYPE_GHOST;     secondaryTypeIcon[69] = IDB_TYPE_WATER;
    /* 456 Jantik */     moveListText[70] = movesJantik;       machineListText[70] = machinesNone;          heightCm[70] = 20;   weightTenthKg[70] = 14;    primaryTypeIcon[70] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[70] = NO_SECOND_TYPE;
    /* 457 Jantarel */   moveListText[71] = movesJantarel;     machineListText[71] = machinesJantarel;      heightCm[71] = 50;   weightTenthKg[71] = 250;   primaryTypeIcon[71] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[71] = NO_SECOND_TYPE;
    /* 458 Jantarok */   moveListText[72] = movesJantarok;     machineListText[72] = machinesJantarok;      heightCm[72] = 150;  weightTenthKg[72] = 4000;  primaryTypeIcon[72] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[72] = IDB_TYPE_ROCK;
    /* 459 Kotewnik */   moveListText[73] = movesKotewnik;     machineListText[73] = machinesKotewnik;      heightCm[73] = 80;   weightTenthKg[73] = 90;    primaryTypeIcon[73] = IDB_TYPE_GRASS;     secondaryTypeIcon[73] = IDB_TYPE_WATER;
    /* 460 Szklik */     moveListText[74] = movesSzklik;       machineListText[74] = machinesSzklik;        heightCm[74] = 25;   weightTenthKg[74] = 36;    primaryTypeIcon[74] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[74] = NO_SECOND_TYPE;
    /* 461 Szkliwiec */  moveListText[75] = movesSzkliwiec;    machineListText[75] = machinesSzkliwiec;     heightCm[75] = 90;   weightTenthKg[75] = 850;   primaryTypeIcon[75] = IDB_TYPE_ELECTRIC;  secondaryTypeIcon[75] = NO_SECOND_TYPE;
    /* 462 Szadzik */    moveListText[76] = movesSzadzik;      machineListText[76] = machinesFrostYoung;    heightCm[76] = 70;   weightTenthKg[76] = 180;   primaryTypeIcon[76] = IDB_TYPE_ICE;       secondaryTypeIcon[76] = NO_SECOND_TYPE;
    /* 463 Szadzirog */  moveListText[77] = movesSzadzirog;    machineListText[77] = machinesSzadzirog;     heightCm[77] = 120;  weightTenthKg[77] = 520;   primaryTypeIcon[77] = IDB_TYPE_ICE;       secondaryTypeIcon[77] = NO_SECOND_TYPE;
    /* 464 Szadzielen */ moveListText[78] = movesSzadzielen;   machineListText[78] = machinesSzadzielen;    heightCm[78] = 180;  weightTenthKg[78] = 1400;  primaryTypeIcon[78] = IDB_TYPE_ICE;       secondaryTypeIcon[78] = NO_SECOND_TYPE;
    /* 465 Czaplik */    moveListText[79] = movesCzaplik;      machineListText[79] = machinesShallowsYoung; heightCm[79] = 45;   weightTenthKg[79] = 42;    primaryTypeIcon[79] = IDB_TYPE_WATER;     secondaryTypeIcon[79] = NO_SECOND_TYPE;
    /* 466 Czaplobrod */ moveListText[80] = movesCzaplobrod;   machineListText[80] = machinesCzaplobrod;    heightCm[80] = 95;   weightTenthKg[80] = 120;   primaryTypeIcon[80] = IDB_TYPE_WATER;     secondaryTypeIcon[80] = NO_SECOND_TYPE;
    /* 467 Czaplosiwa */ moveListText[81] = movesCzaplosiwa;   machineListText[81] = machinesCzaplosiwa;    heightCm[81] = 150;  weightTenthKg[81] = 210;   primaryTypeIcon[81] = IDB_TYPE_WATER;     secondaryTypeIcon[81] = IDB_TYPE_FLYING;
    /* 468 Namorek */    moveListText[82] = movesNamorek;      machineListText[82] = machinesNone;          heightCm[82] = 40;   weightTenthKg[82] = 36;    primaryTypeIcon[82] = IDB_TYPE_WATER;     secondaryTypeIcon[82] = IDB_TYPE_GRASS;
    /* 469 Namorzec */   moveListText[83] = movesNamorzec;     machineListText[83] = machinesNamorzec;      heightCm[83] = 90;   weightTenthKg[83] = 150;   primaryTypeIcon[83] = IDB_TYPE_WATER;     secondaryTypeIcon[83] = IDB_TYPE_GRASS;
    /* 470 Namorzyn */   moveListText[84] = movesNamorzyn;     machineListText[84] = machinesNamorzyn;      heightCm[84] = 150;  weightTenthKg[84] = 440;   primaryTypeIcon[84] = IDB_TYPE_WATER;     secondaryTypeIcon[84] = IDB_TYPE_GRASS;
    /* 471 Borsik */     moveListText[85] = movesBorsik;       machineListText[85] = machinesYoungDiggers;  heightCm[85] = 50;   weightTenthKg[85] = 95;    primaryTypeIcon[85] = IDB_TYPE_NORMAL;    secondaryTypeIcon[85] = NO_SECOND_TYPE;
    /* 472 Borsugor */   moveListText[86] = movesBorsugor;     machineListText[86] = machinesBorsugor;      heightCm[86] = 110;  weightTenthKg[86] = 560;   primaryTypeIcon[86] = IDB_TYPE_NORMAL;    secondaryTypeIcon[86] = NO_SECOND_TYPE;
    /* 473 Foczek */     moveListText[87] = movesFoczek;       machineListText[87] = machinesFoczek;        heightCm[87] = 70;   weightTenthKg[87] = 350;   primaryTypeIcon[87] = IDB_TYPE_WATER;     secondaryTypeIcon[87] = NO_SECOND_TYPE;
    /* 474 Foczan */     moveListText[88] = movesFoczan;       machineListText[88] = machinesFoczan;        heightCm[88] = 150;  weightTenthKg[88] = 1500;  primaryTypeIcon[88] = IDB_TYPE_WATER;     secondaryTypeIcon[88] = NO_SECOND_TYPE;
    /* 475 Foczysko */   moveListText[89] = movesFoczysko;     machineListText[89] = machinesFoczysko;      heightCm[89] = 275;  weightTenthKg[89] = 3600;  primaryTypeIcon[89] = IDB_TYPE_WATER;     secondaryTypeIcon[89] = IDB_TYPE_GROUND;
    /* 476 Leniwczyk */  moveListText[90] = movesLeniwczyk;    machineListText[90] = machinesLeniwczyk;     heightCm[90] = 40;   weightTenthKg[90] = 60;    primaryTypeIcon[90] = IDB_TYPE_GRASS;     secondaryTypeIcon[90] = NO_SECOND_TYPE;
    /* 477 Nitek */      moveListText[91] = movesNitek;        machineListText[91] = machinesNitek;         heightCm[91] = 20;   weightTenthKg[91] = 6;     primaryTypeIcon[91] = IDB_TYPE_NORMAL;    secondaryTypeIcon[91] = IDB_TYPE_FLYING;
    /* 478 Nitkarka */   moveListText[92] = movesNitkarka;     machineListText[92] = machinesNitkarka;      heightCm[92] = 25;   weightTenthKg[92] = 11;    primaryTypeIcon[92] = IDB_TYPE_NORMAL;    secondaryTypeIcon[92] = IDB_TYPE_FLYING;
    /* 479 Latarnik */   moveListText[93] = movesLatarnik;     machineListText[93] = machinesLatarnik;      heightCm[93] = 230;  weightTenthKg[93] = 7100;  primaryTypeIcon[93] = IDB_TYPE_ROCK;      secondaryTypeIcon[93] = IDB_TYPE_FIRE;
    /* 480 Rafowal */    moveListText[94] = movesRafowal;      machineListText[94] = machinesRafowal;       heightCm[94] = 541;  weightTenthKg[94] = 7500;  primaryTypeIcon[94] = IDB_TYPE_WATER;     secondaryTypeIcon[94] = NO_SECOND_TYPE;
    /* 481 Sadzawnik */  moveListText[95] = movesSadzawnik;    machineListText[95] = machinesSadzawnik;     heightCm[95] = 160;  weightTenthKg[95] = 6500;  primaryTypeIcon[95] = IDB_TYPE_ROCK;      secondaryTypeIcon[95] = IDB_TYPE_WATER;
    /* 482 Jesiolod */   moveListText[96] = movesJesiolod;     machineListText[96] = machinesJesiolod;      heightCm[96] = 280;  weightTenthKg[96] = 6900;  primaryTypeIcon[96] = IDB_TYPE_ICE;       secondaryTypeIcon[96] = NO_SECOND_TYPE;
    /* 483 Zarorog */    moveListText[97] = movesZarorog;      machineListText[97] = machinesZarorog;       heightCm[97] = 220;  weightTenthKg[97] = 1880;  primaryTypeIcon[97] = IDB_TYPE_FIRE;      secondaryTypeIcon[97] = NO_SECOND_TYPE;
    /* 484 Fujarnik */   moveListText[98] = movesFujarnik;     machineListText[98] = machinesFujarnik;      heightCm[98] = 380;  weightTenthKg[98] = 950;   primaryTypeIcon[98] = IDB_TYPE_GRASS;     secondaryTypeIcon[98] = NO_SECOND_TYPE;
    /* 485 Zmierzchun */ moveListText[99] = movesZmierzchun;   machineListText[99] = machinesZmierzchun;    heightCm[99] = 130;  weightTenthKg[99] = 310;   primaryTypeIcon[99] = IDB_TYPE_INSECT;    secondaryTypeIcon[99] = IDB_TYPE_DARK;
    /* 486 Dretwal */    moveListText[100] = movesDretwal;     machineListText[100] = machinesDretwal;      heightCm[100] = 120; weightTenthKg[100] = 1560; primaryTypeIcon[100] = IDB_TYPE_ELECTRIC; secondaryTypeIcon[100] = IDB_TYPE_WATER;
    /* 487 Gwiezdnik */  moveListText[101] = movesGwiezdnik;   machineListText[101] = machinesGwiezdnik;    heightCm[101] = 60;  weightTenthKg[101] = 550;  primaryTypeIcon[101] = IDB_TYPE_PSYCHIC;  secondaryTypeIcon[101] = NO_SECOND_TYPE;
    /* 488 Bagiennik */  moveListText[102] = movesBagiennik;   machineListText[102] = machinesBagiennik;    heightCm[102] = 190; weightTenthKg[102] = 850;  primaryTypeIcon[102] = IDB_TYPE_GHOST;    secondaryTypeIcon[102] = IDB_TYPE_POISON;
    /* 489 Rudawiec */   moveListText[103] = movesRudawiec;    machineListText[103] = machinesRudawiec;     heightCm[103] = 80;  weightTenthKg[103] = 1200; primaryTypeIcon[103] = IDB_TYPE_GROUND;   secondaryTypeIcon[103] = IDB_TYPE_STEEL;
    /* 490 Zurawik */    moveListText[104] = movesZurawik;     machineListText[104] = machinesZurawik;      heightCm[104] = 130; weightTenthKg[104] = 35;   primaryTypeIcon[104] = IDB_TYPE_GRASS;    secondaryTypeIcon[104] = IDB_TYPE_FLYING;
    /* 491 Glinotur */   moveListText[105] = movesGlinotur;    machineListText[105] = machinesGlinotur;     heightCm[105] = 260; weightTenthKg[105] = 7200; primaryTypeIcon[105] = IDB_TYPE_GROUND;   secondaryTypeIcon[105] = NO_SECOND_TYPE;
    /* 492 Lampiarz */   moveListText[106] = movesLampiarz;    machineListText[106] = machinesLampiarz;     heightCm[106] = 140; weightTenthKg[106] = 240;  primaryTypeIcon[106] = IDB_TYPE_INSECT;   secondaryTypeIcon[106] = IDB_TYPE_FIRE;
    /* 493 Smokodrzem */ moveListText[107] = movesSmokodrzem;  machineListText[107] = machinesSmokodrzem;   heightCm[107] = 530; weightTenthKg[107] = 4200; primaryTypeIcon[107] = IDB_TYPE_DRAGON;   secondaryTypeIcon[107] = IDB_TYPE_PSYCHIC;

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
    tmLabel[25] =  "TM25 - Dream of Ages";
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
    tmLabel[57] =  "TM57 - Overflow Douse";
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
    tmLabel[73] =  "TM73 - Shale Shedding";
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
    hmLabel[2] = "HM02 - Cellar Cooling";
    hmLabel[3] = "HM03 - Grain Threshing";
    hmLabel[4] = "HM04 - Message Running";
    hmLabel[5] = "HM05 - Shoal Herding";
    hmLabel[6] = "HM06 - Sky Sowing";
    hmLabel[7] = "HM07 - Stove Stoking";
    hmLabel[8] = "HM08 - Truffle Hunting";
    /* clang-format on */
}

/* The picture plan of the catalogue, one row per entry: family, stage, body plan, types,
   body and accent colours, and the idea the picture follows. */
#include "creature_plan.h"

#include <cstdio>

#include "resource.h"

static const int FIRST_NUMBER = 387;

/* clang-format off */
#define N KIND_NONE
#define NOR KIND_NORMAL
#define FIR KIND_FIRE
#define WAT KIND_WATER
#define GRA KIND_GRASS
#define ELE KIND_ELECTRIC
#define ICE KIND_ICE
#define FIG KIND_FIGHTING
#define POI KIND_POISON
#define GRO KIND_GROUND
#define FLY KIND_FLYING
#define PSY KIND_PSYCHIC
#define INS KIND_INSECT
#define ROC KIND_ROCK
#define GHO KIND_GHOST
#define DRA KIND_DRAGON
#define DAR KIND_DARK
#define STE KIND_STEEL
const CreaturePlan CREATURE_PLANS[ENTRY_COUNT] = {
    /*  #   family st of body            primary sec  body colour      accent colour   fit idea, then the entry's number and name */
    {   0, "A",  1, 2, BODY_QUADRUPED, GRO, N,   { 92,  80,  96}, {242, 150, 160},  0, "velvet mole pup standing up on its hind feet, huge pink spade hands raised, tiny eyes"}, /* 387 Kopik */
    {   1, "A",  2, 2, BODY_QUADRUPED, GRO, N,   { 80,  68,  86}, {236, 144, 156},  0, "burly old mole miner standing hunched, broad spade hands, a ridged clay plate over its brow, a lump of gold-flecked ore under one arm"}, /* 388 Kopalnik */
    {   2, "-",  1, 1, BODY_KITE,      NOR, FLY, {228, 204, 156}, {212,  84,  72},  0, "living diamond kite of patched paper with a face, bowed cross-sticks, a long tail of knotted rag bows, its string trailing"}, /* 389 Wietrzyk */
    {   3, "B",  1, 2, BODY_JELLY,     WAT, ELE, {120, 170, 250}, {255, 224,  64},  0, "small jellyfish, a blue dome with a frilled rim, two thick yellow spark tentacles, a spark beside it"}, /* 390 Parzyk */
    {   4, "B",  2, 2, BODY_JELLY,     WAT, ELE, { 96, 140, 240}, {255, 230,  80},  0, "large glowing jellyfish, a broad dome with lights round its rim, many spark tentacles round two frilled mouth arms, sparks on both sides"}, /* 391 Parzyblask */
    {   5, "C",  1, 3, BODY_NEWT,      WAT, N,   {150, 160, 104}, {190, 214, 200},  0, "slim newt larva swimming, big eyes, four tiny legs, a long tail edged with a clear fin curling up behind"}, /* 392 Trasik */
    {   6, "C",  2, 3, BODY_NEWT,      WAT, POI, {238, 124,  40}, {214,  44,  40}, 70, "bright orange land eft walking with its head raised, warty skin, red spots ringed in black along its side"}, /* 393 Traszyn */
    {   7, "C",  3, 3, BODY_NEWT,      WAT, POI, {112, 120,  58}, {244, 140,  40}, 74, "olive water newt swimming up to the left, legs paddling, a tall wavy crest along its back, a deep finned tail curling up behind, orange belly, red spots ringed in black, bubbles"}, /* 394 Trasomor */
    {   8, "-",  1, 1, BODY_TUFT,      NOR, N,   {246, 244, 236}, {240, 160, 170},  0, "loose round tuft of white goose down come alive, curly fringed plumes round a soft middle, grey-lilac underneath, small round eyes, a tiny pink open mouth and faint pink cheeks, a stiff quill tip poking out at the upper right, two single down feathers drifting off"}, /* 395 Pierzynek */
    {   9, "D",  1, 2, BODY_MUSHROOM,  GRA, FIR, {150, 140, 130}, {240, 120,  40},  0, "one hoof-shaped tinder bracket growing sideways out of a short birch stick, grey top banded grey and brown, pale rounded rim, its underside smouldering ember orange with bright pores, smoke curling up behind, two small eyes under the glowing rim, no mouth"}, /* 396 Hubik */
    {  10, "D",  2, 2, BODY_MUSHROOM,  GRA, FIR, {150, 140, 130}, {240, 120,  40},  0, "broken birch stump walking on three splayed root feet, one lifted, white bark with black scars peeling at the edges, three hoof-shaped tinder brackets up its front glowing ember orange underneath, eyes under the middle one, a live coal smoking in its hollow top, no mouth, no arms"}, /* 397 Hubostol */
    {  11, "E",  1, 3, BODY_DRYSTONE,  ROC, N,   {150, 140, 120}, {110, 160,  80},  0, "one flat fieldstone with a moss cap and stubby feet"}, /* 398 Murek */
    {  12, "E",  2, 3, BODY_DRYSTONE,  ROC, N,   {140, 130, 110}, {120, 170,  80}, 64, "stack of flat fieldstones with stick-like stone arms, lichen patches"}, /* 399 Murowal */
    {  13, "E",  3, 3, BODY_DRYSTONE,  ROC, FIG, {128, 118, 100}, {130, 176,  84}, 70, "round dry-stone sheepfold walking on four squat legs of stacked stones: a ring wall of fieldstones in courses with dark gaps, upright coping stones bristling along its rim, a hurdle gate of grey laths for a mouth, deep-set eyes above it, lichen, a lamb peeking over the back of the rim"}, /* 400 Murogrom */
    {  14, "-",  1, 1, BODY_FISH,      WAT, DAR, {120, 110,  60}, {190, 220, 240},  0, "burbot prowling under the winter ice, side on: a long fish curving gently from left to right under a flat band of ice, a broad flat head with a wide shut mouth, small eyes set high, one whisker from the middle of its chin, a short first back fin and long second one with a matching one underneath reaching a rounded tail, marbled olive and yellow over a pale belly"}, /* 401 Podlodek */
    {  15, "F",  1, 2, BODY_ERMINE,    ICE, N,   {150, 106,  70}, {170, 216, 246}, 58, "round ermine kit sitting up, brown back turning white in patches, white belly, black tail tip, frost beads on its whiskers"}, /* 402 Szronik */
    {  16, "F",  2, 2, BODY_ERMINE,    ICE, N,   {226, 232, 240}, {120, 180, 236},  0, "long slinky white winter ermine bounding over a snow bank, black tail tip streaming, frost crystals in its fur"}, /* 403 Szronostaj */
    {  17, "G",  1, 3, BODY_WHIRL,     GRO, FLY, {204, 174, 126}, {120, 160,  60}, 52, "small puff of dust spinning like a top on its point, two big eyes, a leaf caught in it"}, /* 404 Pylik */
    {  18, "G",  2, 3, BODY_WHIRL,     GRO, FLY, {196, 164, 118}, {232, 200, 100},  0, "funnel of dust spinning on its point, eyes in its broad top, grit and straw whirling round it"}, /* 405 Pylowir */
    {  19, "G",  3, 3, BODY_WHIRL,     GRO, FLY, {186, 152, 108}, {232, 200, 100},  0, "tall dust devil with a scowling face in its broad top, pebbles and a tumbleweed orbiting it, a ring of dust at its foot"}, /* 406 Pylozawier */
    {  20, "-",  1, 1, BODY_ANVIL,     STE, N,   {110, 116, 128}, {255, 170,  60},  0, "living anvil on four stubby legs, horn forward, its hammer-headed tail striking a burst of sparks"}, /* 407 Kowadrak */
    {  21, "-",  1, 1, BODY_BIPED,     GRA, N,   {230, 190,  90}, {110, 170,  80},  0, "scarecrow in a brimmed hat and a patched green coat"}, /* 408 Strachun */
    {  22, "H",  1, 3, BODY_INSECT,    INS, N,   {170, 190,  80}, {230, 200,  60},  0, "tiny round spiderling dangling face down from a silk thread under a twig"}, /* 409 Snujek */
    {  23, "H",  2, 3, BODY_INSECT,    INS, N,   {150, 180,  60}, {230, 200,  60}, 62, "spider head up in its orb web, striped legs"}, /* 410 Snujarz */
    {  24, "H",  3, 3, BODY_INSECT,    INS, DAR, { 70,  64,  96}, {200,  60,  80}, 70, "big shadow spider in the mouth of its silk funnel, eight red eyes, pale fangs"}, /* 411 Snujmrok */
    {  25, "K",  1, 2, BODY_TILESHREW, NOR, N,   {146, 108, 112}, {240, 225, 190},  0, "tiny shrew trotting on short legs, big head and eye, a bare pink back showing a grid of tile buds"}, /* 412 Kafelek */
    {  26, "K",  2, 2, BODY_TILESHREW, NOR, GRA, {146, 108, 112}, {110, 170,  70},  0, "heavy long-snouted female shrew trotting head up, long thin tail out behind, a flat saddle of small square tiles in grouted rows from nape to tail root, loose new tiles budding at its edge; forms: moss tiles (grass), terracotta tiles (ground, pic 239), iron tiles with rust (steel, pic 240)"}, /* 413 Kafelica */
    {  27, "K",  2, 2, BODY_TILESHREW, NOR, DAR, { 58,  60,  76}, {236, 220, 170},  0, "male shrew without tiles, glazed black like wet slate and shining in the moonlight, a long snout nosing a grub out of the dark earth at night under a crescent moon and two stars"}, /* 414 Kafelun */
    {  28, "L",  1, 2, BODY_HOP,       GRA, PSY, {110, 170,  70}, {206, 226, 150},  0, "hop shoot twining up a stick, two heart-shaped leaves, a sleepy bud face on top"}, /* 415 Chmielik */
    {  29, "L",  2, 2, BODY_HOP,       GRA, PSY, {100, 160,  64}, {206, 226, 150},  0, "tall hop bine twined round a pole, hand-like leaves, papery pale-green cones hanging, a drowsy face leaning from the top"}, /* 416 Chmielina */
    {  30, "-",  1, 1, BODY_CRAWLER,   FIR, ROC, {200,  90,  60}, {255, 190,  80}, 66, "brick-red kiln gecko clinging flat to the face of a soot-dark hot brick, splayed toe pads, glowing throat"}, /* 417 Ceglik */
    {  31, "I",  1, 3, BODY_CASSOWARY, FIG, N,   {150, 108,  70}, {236, 214, 160}, 50, "round cassowary chick striped cream and brown lengthwise, short thick legs on big three-toed feet, big head and eyes, short beak"}, /* 418 Kazuarek */
    {  32, "I",  2, 3, BODY_CASSOWARY, FIG, N,   {122,  88,  60}, {184, 156, 104}, 70, "gangly brown juvenile cassowary mid-stride on long knobby legs, loose hanging feathers, a long neck, a small casque bump on its crown"}, /* 419 Kazuaryn */
    {  33, "I",  3, 3, BODY_CASSOWARY, FIG, N,   { 46,  42,  52}, {184, 156, 104},  0, "tall black cassowary of coarse hanging plumage charging to the left, head lowered and bare blue neck stretched level, throat puffed, two red wattles, the tall horn casque pointing forward, both big three-toed feet on the ground mid-stride, broken fern fronds flying off the casque"}, /* 420 Kazuarog */
    {  34, "J",  1, 2, BODY_SPONGE,    WAT, N,   {236, 180,  80}, {240, 120,  90}, 54, "squat lumpy sea sponge with three chimneys and pores all over, eyes peering from its biggest hole"}, /* 421 Gabczyk */
    {  35, "J",  2, 2, BODY_SPONGE,    WAT, ROC, {224, 160,  70}, {190, 200, 210},  0, "tall branching sponge of open tubes on three stalk feet, glassy spicules bristling, eyes in its base hole"}, /* 422 Gabczar */
    {  36, "-",  1, 1, BODY_INSECT,    INS, GRA, { 60, 140,  90}, {130, 200,  80},  0, "leaf-rolling weevil side on: a high round dome of metallic green with a gold sheen and rows of dimples, a small head drawn out into a long down-curved snout with elbowed antennae halfway along it, six thin jointed legs, the front pair hugging a tightly rolled leaf cigar"}, /* 423 Zwijak */
    {  37, "M",  1, 3, BODY_FROG,      POI, FLY, { 40, 150, 120}, {222, 222,  40}, 50, "squat tree frog, poison-bright, skin flaps folded along its sides"}, /* 424 Rzekotek */
    {  38, "M",  2, 3, BODY_FROG,      POI, FLY, { 36, 132, 110}, {230, 210,  40},  0, "gliding frog leaping up and to the left, limbs flung wide with the skin sail spread between them, a small frill half open at its throat"}, /* 425 Rzekotniak */
    {  39, "M",  3, 3, BODY_FROG,      POI, FLY, { 30, 110, 100}, {240, 200,  30},  0, "great glider frog, very wide spotted sail, throat frill"}, /* 426 Rzekotolot */
    {  40, "-",  1, 1, BODY_PUMP,      STE, N,   { 72,  82,  96}, { 96, 176, 232},  0, "cast-iron village hand pump on a stone trough, its long curved handle raised like an arm, water gushing from its spout mouth, two round valve-cap eyes"}, /* 427 Pompak */
    {  41, "N",  1, 2, BODY_CAIRN,     GHO, ROC, {120, 120, 130}, {150, 110, 220},  0, "cairn of three pebbles, the top one hovering, a ghostly violet eye in the gap"}, /* 428 Stosik */
    {  42, "N",  2, 2, BODY_CAIRN,     GHO, ROC, {110, 110, 120}, {170, 130, 240},  0, "tall leaning cairn of slabs, two floating stone hands, glowing chalk signs, a violet eye in a gap"}, /* 429 Stosowid */
    {  43, "O",  1, 3, BODY_SHELLBLOB, WAT, N,   {120, 176, 236}, {176, 136,  84},  0, "pond snail, a plump blue body with flat splayed feelers and a tiny spiral shell"}, /* 430 Blotek */
    {  44, "O",  2, 3, BODY_SHELLBLOB, WAT, N,   {100, 156, 232}, {160, 118,  70},  0, "bigger pond snail, long antennae in a V, a round horn-brown shell with growth ridges"}, /* 431 Blotniak */
    {  45, "O",  3, 3, BODY_SHELLBLOB, WAT, N,   { 88, 140, 216}, {146, 110,  66},  0, "great pond snail, a tall whorled spire shell crusted with dark freshwater mussels"}, /* 432 Blotomusz */
    {  46, "P",  1, 2, BODY_SANDRAY,   GRO, N,   {184, 108,  74}, {150, 110,  70},  0, "small round rust-brown sand ray pup half sunk in its patch of sand, big eyes on low domes on top, waves rippling across its wings, a short stub of tail"}, /* 433 Plaszek */
    {  47, "P",  2, 2, BODY_SANDRAY,   GRO, POI, {164,  94,  70}, {150,  70, 170},  0, "broad diamond sand ray draped over a dune crest on its rippling fringe, eyes on low domes on top, its long barbed venom tail trailing down the dune"}, /* 434 Plaszczur */
    {  48, "-",  1, 1, BODY_QUADRUPED, NOR, N,   {226, 212, 236}, {150, 120, 170},  0, "drowsy young dream lamb of cloud wool on thin legs, floppy ears, a pale crescent moon in its fleece"}, /* 435 Senowca */
    {  49, "Q",  1, 3, BODY_QUADRUPED, DAR, N,   { 92,  88, 118}, {200, 190, 172}, 52, "wolf pup sitting on its haunches, big round fluffy head, short stubby muzzle, big front paws, bushy tail curled beside it"}, /* 436 Wilczek */
    {  50, "Q",  2, 3, BODY_QUADRUPED, DAR, N,   { 84,  84, 120}, {200, 196, 180}, 64, "lanky young wolf, long legs, head raised mid-howl"}, /* 437 Wilczar */
    {  51, "Q",  3, 3, BODY_QUADRUPED, DAR, ICE, { 76,  84, 124}, {150, 220, 240},  0, "heavy frost wolf standing low, a mane of ice spikes over its neck and a row of them down its back, ice-tipped tail raised, a fang showing"}, /* 438 Wilczomroz */
    {  52, "R",  1, 2, BODY_PLANT,     GRA, N,   {100, 180,  80}, {230, 200,  90}, 48, "round ribbed barrel cactus sprout on two root nubs, a ring of hooked spines round its crown"}, /* 439 Beczik */
    {  53, "R",  2, 2, BODY_PLANT,     GRA, GRO, { 80, 160,  72}, {240, 210, 100},  0, "big barrel cactus rolling on its side, crown and ring of seed pods turned forward, hooked spines all round, a cloud of dust behind"}, /* 440 Beczkowal */
    {  54, "-",  1, 1, BODY_ORB,       FIR, N,   {210, 120,  70}, {255, 190,  60},  0, "tea kettle spirit, a copper pot on brass feet with a flame knob, steam from its spout, no evolution"}, /* 441 Samowik */
    {  55, "-",  1, 1, BODY_QUADRUPED, ROC, N,   {170, 160, 140}, {140, 120,  96}, 68, "carved stone guardian lion sitting on its plinth, a mane of carved curls, moss in the cracks, amber eyes"}, /* 442 Strazlew */
    {  56, "-",  1, 1, BODY_INSECT,    INS, ELE, {150, 130,  80}, {255, 230,  70},  0, "firefly hovering, wing cases lifted, lantern tail glowing (evolves from an outside larva)"}, /* 443 Swietlak */
    {  57, "S",  1, 2, BODY_LORIS,     POI, N,   {214, 196, 168}, {150,  84, 186},  0, "baby slow loris clinging round a slanting twig, enormous round eyes in a dark mask, pale fur, a pale stripe down its nose"}, /* 444 Lorik */
    {  58, "S",  2, 2, BODY_LORIS,     POI, PSY, {196, 172, 140}, {150,  84, 186},  0, "slow loris creeping along a branch, dark back stripe, one arm bent up to its mouth licking the violet venom gland at its elbow, huge amber-ringed staring eyes"}, /* 445 Lorizar */
    {  59, "T",  1, 3, BODY_WICKER,    GRA, N,   {196, 156,  96}, {110, 176,  70}, 56, "loose ball of woven willow withies, green shoots sprouting from it, two eyes peering out of the dark inside"}, /* 446 Wiklik */
    {  60, "T",  2, 3, BODY_WICKER,    GRA, N,   {190, 148,  90}, {110, 176,  70}, 70, "wicker foal standing on spindly legs of twisted withies, a woven barrel body, big eyes, a tuft of green shoots for a mane"}, /* 447 Wiklogon */
    {  61, "T",  3, 3, BODY_WICKER,    GRA, FIG, {178, 136,  82}, { 96, 164,  62},  0, "great wicker horse rearing, a plaited mane of leafy shoots, heavy woven hooves bound round, a tail of loose withies"}, /* 448 Wiklomar */
    {  62, "-",  1, 1, BODY_BIPED,     GRO, N,   {110,  80,  55}, {230, 140, 140},  0, "clod of freshly ploughed loam caught mid-hop: a crumbly dark-brown lump with yellow stubble stalks sticking up, its front sliced smooth and glossy by the ploughshare with the eyes in it, a pink earthworm poking out of a hole in its side, two stubby lumpy feet, crumbs falling"}, /* 449 Skibek */
    {  63, "U",  1, 2, BODY_TEASEL,    GRA, N,   {112, 164,  76}, {120, 190, 232}, 54, "rosette of spiny teasel leaves cupping a pool of dew, a round face in its middle"}, /* 450 Szczecik */
    {  64, "U",  2, 2, BODY_TEASEL,    GRA, N,   {116, 148,  70}, {176, 150,  96},  0, "tall teasel on a prickly stem with a face, two spiky egg-shaped heads held up on its arms like combs, leaf cups of dew at its joints"}, /* 451 Szczeciarz */
    {  65, "V",  1, 3, BODY_INSECT,    INS, N,   {236, 224, 190}, {180, 140,  90}, 44, "pale beetle grub curled in a C on a crumb of soil, brown head"}, /* 452 Chrobik */
    {  66, "V",  2, 3, BODY_INSECT,    INS, N,   {120, 180,  60}, {200, 230,  90}, 64, "green shield beetle seen from above, pointed shoulders, big triangle plate"}, /* 453 Chrobak */
    {  67, "V",  3, 3, BODY_INSECT,    INS, ROC, { 90, 110,  70}, {150, 130, 110},  0, "hornless click beetle in mid-flip off a puff of dust, arched at its hinge, stone-plated back, spin strokes"}, /* 454 Chroboskal */
    {  68, "-",  1, 1, BODY_PAIL,      GHO, WAT, {130, 100,  70}, {110, 190, 220},  0, "spirit of an old well bucket, eyes shining in its water, frayed rope tail, a drop falling"}, /* 455 Studnik */
    {  69, "W",  1, 3, BODY_AMBER,     ELE, N,   {236, 156,  40}, {255, 206,  40}, 52, "golden drop of pine resin run down a chip of bark and gathered heavy at its foot, a tiny face in the drop, sparks"}, /* 456 Jantik */
    {  70, "W",  2, 3, BODY_AMBER,     ELE, N,   {228, 146,  36}, {255, 206,  40}, 70, "walking lump of amber on stubby legs, a leaf trapped inside it, sparks crackling"}, /* 457 Jantarel */
    {  71, "W",  3, 3, BODY_AMBER,     ELE, ROC, {216, 136,  34}, {255, 206,  40},  0, "great amber beast of rough golden stone, an old insect trapped in its chest, static sparks crackling, resin threads standing up like hair"}, /* 458 Jantarok */
    {  72, "-",  1, 1, BODY_PLANT,     GRA, WAT, { 76, 150,  80}, { 44,  38,  36},  0, "water chestnut seen a little from above: a star of glossy saw-toothed diamond leaves with red-brown veins on swollen reddish stalks, floating on a ring of water, a face in the middle, a small white four-petalled flower beside it, its black four-horned nut hanging under the water on a short stalk"}, /* 459 Kotewnik */
    {  73, "X",  1, 2, BODY_FULGURITE, ELE, N,   {200, 170, 120}, { 60, 110,  90}, 64, "short knobbly upright tube of sand fused by lightning, crusty tan outside, open at the top where two bright eyes look out of dark green glass, three short crooked branch legs, a spark jumping between two of their tips"}, /* 460 Szklik */
    {  74, "X",  2, 2, BODY_FULGURITE, ELE, N,   {190, 160, 112}, { 40,  80,  64},  0, "great branching tube of lightning-fused sand like an upturned root of glass: a thick crusted trunk splitting into crooked forked legs below and forked prongs above, green glass where the crust broke off, yellow eyes glowing in the mouth of the main tube, sparks arcing between the tips"}, /* 461 Szkliwiec */
    {  75, "Y",  1, 3, BODY_QUADRUPED, ICE, N,   {150, 200, 236}, {190, 232, 250}, 50, "crystal fawn lying folded, big leaf ears and eyes, a row of crystal flecks on its back"}, /* 462 Szadzik */
    {  76, "Y",  2, 3, BODY_QUADRUPED, ICE, N,   {136, 190, 232}, {180, 228, 250},  0, "yearling deer on long legs, first short ice spikes on its head, fading crystal flecks"}, /* 463 Szadzirog */
    {  77, "Y",  3, 3, BODY_QUADRUPED, ICE, N,   {120, 180, 230}, {170, 230, 250},  0, "big heavy crystal stag standing tall under a broad rack of branching ice antlers, crystal points on every tine, a pale throat ruff"}, /* 464 Szadzielen */
    {  78, "Z",  1, 3, BODY_BIRD,      WAT, N,   {150, 190, 240}, {250, 180,  60}, 48, "heron chick with spiky down sitting in a reed nest"}, /* 465 Czaplik */
    {  79, "Z",  2, 3, BODY_BIRD,      WAT, N,   {136, 180, 240}, {250, 176,  56}, 60, "half-grown heron wading on shortish legs, big head with a short beak, tufts of down on its crown"}, /* 466 Czaplobrod */
    {  80, "Z",  3, 3, BODY_BIRD,      WAT, FLY, {120, 170, 240}, {250, 170,  50},  0, "heron in flight, neck drawn back, one wing raised, legs trailing"}, /* 467 Czaplosiwa */
    {  81, "AA", 1, 3, BODY_MANGROVE,  WAT, GRA, {120, 150,  80}, { 90, 170, 220}, 52, "floating mangrove seed pod bobbing upright in rings of ripples, two leaves"}, /* 468 Namorek */
    {  82, "AA", 2, 3, BODY_MANGROVE,  WAT, GRA, {116, 120,  70}, { 86, 170, 150},  0, "mangrove sapling stepping on three thin stilt roots, one lifted, a small crown of leaf tufts"}, /* 469 Namorzec */
    {  83, "AA", 3, 3, BODY_MANGROVE,  WAT, GRA, {110,  90,  60}, { 80, 170,  90},  0, "walking mangrove tree on arching stilt roots, face in the trunk"}, /* 470 Namorzyn */
    {  84, "AB", 1, 2, BODY_QUADRUPED, NOR, N,   {120, 120, 132}, {226, 222, 210}, 50, "young badger cub trotting, a round ball of a body on stubby legs, a big striped head held up with a short snout"}, /* 471 Borsik */
    {  85, "AB", 2, 2, BODY_QUADRUPED, NOR, N,   {100, 100, 114}, {226, 222, 210},  0, "big badger, heavy and humped on thick legs, head raised high on a thick neck with fierce eyes, digging claws"}, /* 472 Borsugor */
    {  86, "AC", 1, 3, BODY_SEAL,      WAT, N,   {176, 180, 190}, {226, 196, 140},  0, "round silver elephant seal pup lying on the sand, big black eyes, a short snout, a flipper on the sand"}, /* 473 Foczek */
    {  87, "AC", 2, 3, BODY_SEAL,      WAT, N,   {128, 130, 142}, {226, 220, 200}, 70, "sleek grey adult seal lying propped on its fore flippers, round head raised and turned a little to us, big dark eyes, long pale whiskers, a short plain snout, pale scratches on its neck, rear flippers fanned"}, /* 474 Foczan */
    {  88, "AC", 3, 3, BODY_SEAL,      WAT, GRO, {120, 112, 110}, {222, 196, 140},  0, "huge old bull seal lying heavy and still as the colony's windbreak, a long trunk of a nose drooping over his shut mouth, sleepy eyes, hide crusted with sand, barnacles and shells, sand drifted against his far side, a silver pup curled in the lee of his chest"}, /* 475 Foczysko */
    {  89, "-",  1, 1, BODY_QUADRUPED, GRA, N,   {120, 140,  90}, {220, 200, 160},  0, "young moss sloth hanging from a branch by its two long arms, legs curled up, ferns in its fur"}, /* 476 Leniwczyk */
    {  90, "AD", 1, 2, BODY_BIRD,      NOR, FLY, {150, 165,  90}, {210, 110,  60}, 70, "small slim grown male tailor bird perched on a twig, olive back, cream breast, rusty cap, long thin tail cocked straight up, needle beak a little open in song holding a loop of spider silk with a tuft of plant down"}, /* 477 Nitek */
    {  91, "AD", 2, 2, BODY_BIRD,      NOR, FLY, {150, 160,  90}, {230, 200, 120},  0, "small olive tailor bird, cocked tail, needle beak drawing a grass thread to a stitched leaf pouch"}, /* 478 Nitkarka */
    {  92, "-",  1, 1, BODY_BEACON,    ROC, FIR, {200,  62,  52}, {255, 220, 110},  0, "squat stone lighthouse walking on two rocky feet, red and white bands, its lamp room one glowing eye throwing beams, a round foghorn mouth, waves at its feet"}, /* 479 Latarnik */
    {  93, "-",  1, 1, BODY_FISH,      WAT, N,   {220, 214, 196}, {240, 120, 110},  0, "huge ivory whale with grey bands carrying a living reef of coral and weed, a small spout"}, /* 480 Rafowal */
    {  94, "-",  1, 1, BODY_ROCKPOOL,  ROC, WAT, {150, 146, 140}, {110, 180, 230}, 68, "walking rock pool: a rounded grey granite boulder flecked pink on three short legs crusted with barnacles, its hollow top brimming with sea water holding a red anemone, a wisp of weed and a tiny silver fish, water spilling over one edge, brown wrack hanging from its sides, two eyes deep in a crack across its front"}, /* 481 Sadzawnik */
    {  95, "-",  1, 1, BODY_FISH,      ICE, N,   {140, 186, 222}, {235, 248, 255},  0, "huge ice sturgeon swimming left to right with a slight curve, pale blue-white, rows of diamond bony plates of ice along its back and sides, a long pointed snout with four whiskers before a small down-turned mouth, a shark-like tail with the longer upper lobe, frost on its fins, shards of ice breaking off its back"}, /* 482 Jesiolod */
    {  96, "-",  1, 1, BODY_QUADRUPED, FIR, N,   {200,  90,  50}, {255, 190,  60},  0, "ember stag rearing on its hind legs, antlers tipped with flame, embers in its coat, a flame for a tail"}, /* 483 Zarorog */
    {  97, "-",  1, 1, BODY_REEDS,     GRA, N,   {150, 172,  84}, {206, 176, 140},  0, "tall clump of giant reeds walking on a mat of roots, hollow stems cut to different lengths like panpipes, a face among them whistling notes, seed plumes on top"}, /* 484 Fujarnik */
    {  98, "-",  1, 1, BODY_INSECT,    INS, DAR, { 70,  60, 100}, {240, 200,  80},  0, "dusk moth with eye-spotted wings"}, /* 485 Zmierzchun */
    {  99, "-",  1, 1, BODY_FISH,      ELE, WAT, { 52,  74, 128}, {255, 216,  70},  0, "storm ray of the deep seen from above, dark wings with lightning marks and glowing cells, spark on its whip tail"}, /* 486 Dretwal */
    { 100, "-",  1, 1, BODY_STARJELLY, PSY, N,   {198, 202, 236}, {255, 214, 110}, 64, "star jelly, a tall quivering drop of milky pale jelly slumped on the grass, a small star glowing deep in its belly, a faint calm face, drops of jelly flung off and sparkles round it, no evolution"}, /* 487 Gwiezdnik */
    { 101, "-",  1, 1, BODY_KEEPER,    GHO, POI, {102,  90,  64}, {200, 240, 120}, 66, "hunched marsh keeper of reeds and peat, hood bowed over pale eyes, a green lantern on a crook, fog at its hem"}, /* 488 Bagiennik */
    { 102, "-",  1, 1, BODY_QUADRUPED, GRO, STE, {120,  90,  60}, {170,  80,  40},  0, "low broad beast of wet meadow turf side on: a humped back of green turf studded with rusty knobs of bog ore, a few reed stalks standing up from it, rust-coloured water streaking its flanks, short thick legs on flat spade feet, a flat broad snout pushed forward with two small eyes"}, /* 489 Rudawiec */
    { 103, "-",  1, 1, BODY_BIRD,      GRA, FLY, {150, 200, 110}, {220,  80,  80},  0, "leaf-green folded-paper crane with pressed-leaf veins"}, /* 490 Zurawik */
    { 104, "-",  1, 1, BODY_QUADRUPED, GRO, N,   {170, 120,  70}, {230, 210, 170},  0, "heavy square earth ox with a shoulder hump, wide upswept horns, a clod of earth and grass on its back"}, /* 491 Glinotur */
    { 105, "-",  1, 1, BODY_LANTERN,   INS, FIR, {150, 146, 140}, {210,  54,  50},  0, "great lantern bug side on, a long hollow snout glowing like a lantern of coals, mottled grey forewing lifted, red hind wing spread, six thin legs"}, /* 492 Lampiarz */
    { 106, "-",  1, 1, BODY_SLEEPER,   DRA, PSY, {150, 120, 230}, {120, 220, 220},  0, "ancient dragon asleep at the foot of a mountain peak, horned head resting on its clawed forefeet, eye closed, a wing folded over its ridged back, tail round the rock, smoke from a nostril"}, /* 493 Smokodrzem */
};
#undef N
#undef NOR
#undef FIR
#undef WAT
#undef GRA
#undef ELE
#undef ICE
#undef FIG
#undef POI
#undef GRO
#undef FLY
#undef PSY
#undef INS
#undef ROC
#undef GHO
#undef DRA
#undef DAR
#undef STE
/* clang-format on */

PictureRef PictureAt(int n)
{
    if (n < ENTRY_COUNT)
        return {IDB_PICTURE_BASE + n, n, 0};
    if (n == ENTRY_COUNT)
        return {IDB_FORM1_PICTURE, FORM_ENTRY, 1};
    return {IDB_FORM2_PICTURE, FORM_ENTRY, 2};
}

const char *PictureLabel(const PictureRef &ref, char *buffer, int size)
{
    static const char FORM_SUFFIX[] = {'\0', 'b', 'c'};
    std::snprintf(buffer, size, "%d%c", FIRST_NUMBER + ref.entry, FORM_SUFFIX[ref.form]);
    /* snprintf with %c of '\0' ends the string early, which is what form 0 needs. */
    return buffer;
}

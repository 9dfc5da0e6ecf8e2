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
    /*  #   family st of body            primary sec  body colour      accent colour    idea */
    {   0, "A",  1, 3, BODY_RODENT,    FIR, N,   { 84,  74,  70}, {246, 124,  36}, "charcoal marmot kit sitting up, glowing coals in its cheek pouches"},
    {   1, "A",  2, 3, BODY_RODENT,    FIR, N,   { 76,  66,  62}, {250, 140,  40}, "stocky marmot sitting up, a smouldering heap of coals on its back"},
    {   2, "A",  3, 3, BODY_RODENT,    FIR, GRO, {110,  84,  60}, {255, 150,  40}, "burrow marmot on all fours, back a domed earth mound with ember cracks, big claws"},
    {   3, "B",  1, 3, BODY_SHELLBLOB, WAT, N,   {120, 176, 236}, { 72, 148, 180}, "pond snail, tiny spiral shell"},
    {   4, "B",  2, 3, BODY_SHELLBLOB, WAT, N,   {100, 156, 232}, { 64, 120, 196}, "bigger snail, two antennae, ridged shell"},
    {   5, "B",  3, 3, BODY_SHELLBLOB, WAT, N,   { 88, 140, 216}, { 90, 170, 120}, "great pond snail, tall whorled shell with lily pads"},
    {   6, "C",  1, 3, BODY_BIRD,      NOR, FLY, {186, 150, 160}, {236, 210, 200}, "round owlet, fluffy, big eyes"},
    {   7, "C",  2, 3, BODY_BIRD,      PSY, FLY, {196, 112, 172}, {240, 190, 220}, "owl with ear tufts"},
    {   8, "C",  3, 3, BODY_BIRD,      PSY, FLY, {164,  82, 160}, {250, 150, 200}, "great owl, wide wings spread, third-eye mark"},
    {   9, "D",  1, 2, BODY_MUSHROOM,  GRA, POI, {176,  84, 196}, {130, 200,  80}, "small spotted mushroom with feet"},
    {  10, "D",  2, 2, BODY_MUSHROOM,  GRA, POI, {200,  60, 140}, {120, 200,  72}, "big toadstool, wide cap, arms"},
    {  11, "E",  1, 3, BODY_BIPED,     ROC, N,   {160, 150, 136}, {120, 110, 100}, "pebble golem, round"},
    {  12, "E",  2, 3, BODY_BIPED,     ROC, N,   {146, 132, 114}, {110, 100,  90}, "boulder golem, arms"},
    {  13, "E",  3, 3, BODY_BIPED,     ROC, FIG, {130, 114,  98}, {232,  96,  64}, "big stone brawler, fists, crystal on shoulders"},
    {  14, "F",  1, 2, BODY_JELLY,     WAT, ELE, {120, 170, 250}, {255, 224,  64}, "small jellyfish, two tentacles"},
    {  15, "F",  2, 2, BODY_JELLY,     WAT, ELE, { 96, 140, 240}, {255, 230,  80}, "large jellyfish, many tentacles, glowing"},
    {  16, "G",  1, 2, BODY_QUADRUPED, DAR, N,   { 92,  88, 118}, {200, 190, 172}, "wolf pup"},
    {  17, "G",  2, 2, BODY_QUADRUPED, DAR, ICE, { 76,  84, 124}, {150, 220, 240}, "frost wolf, mane of ice spikes"},
    {  18, "H",  1, 2, BODY_CRAB,      WAT, N,   { 72, 160, 200}, {250, 200, 120}, "small crab"},
    {  19, "H",  2, 2, BODY_CRAB,      WAT, FIG, { 60, 120, 210}, {224,  60,  50}, "big crab, huge boxing claws"},
    {  20, "I",  1, 2, BODY_PLANT,     GRA, N,   {100, 180,  80}, {200, 120,  72}, "cactus sprout in a pot-like base"},
    {  21, "I",  2, 2, BODY_PLANT,     GRA, GRO, { 80, 160,  72}, {240, 100, 150}, "tall cactus with arms and flower"},
    {  22, "J",  1, 3, BODY_FROG,      POI, FLY, { 40, 150, 120}, {222, 222,  40}, "squat tree frog, poison-bright, skin flaps folded"},
    {  23, "J",  2, 3, BODY_FROG,      POI, FLY, { 36, 132, 110}, {230, 210,  40}, "gliding frog mid-leap, skin sail spread between its limbs"},
    {  24, "J",  3, 3, BODY_FROG,      POI, FLY, { 30, 110, 100}, {240, 200,  30}, "great glider frog, very wide spotted sail, throat frill"},
    {  25, "K",  1, 2, BODY_RODENT,    NOR, N,   {170, 130,  90}, {240, 225, 190}, "tiny upright shrew with a long snout and a little satchel"},
    {  26, "K",  2, 2, BODY_RODENT,    NOR, GRA, {176, 136,  96}, {110, 170,  70}, "artisan shrew carrying a house she made; forms: reed basket (grass), clay urn (ground, pic 239), tin dome (steel, pic 240)"},
    {  27, "K",  2, 2, BODY_RODENT,    NOR, DAR, { 90,  80,  90}, {240, 225, 190}, "male shrew, also from the first stage: lean, dark striped, sprinting on all fours, long whip tail"},
    {  28, "L",  1, 2, BODY_INSECT,    INS, GRO, {176, 104,  60}, {206, 164,  92}, "worker ant"},
    {  29, "L",  2, 2, BODY_INSECT,    INS, GRO, {150,  80,  50}, {250, 200,  60}, "queen ant, crown, large abdomen"},
    {  30, "-",  1, 1, BODY_CRAWLER,   ELE, N,   {230, 200,  60}, { 70,  90, 160}, "spark gecko clinging flat, splayed toe pads, zigzag tail"},
    {  31, "M",  1, 2, BODY_SPONGE,    WAT, N,   {236, 180,  80}, {240, 120,  90}, "round sea sponge full of holes, eyes in one hole"},
    {  32, "M",  2, 2, BODY_SPONGE,    WAT, ROC, {224, 160,  70}, {190, 200, 210}, "tall branching sponge on stalk feet, glassy stone spicules"},
    {  33, "N",  1, 2, BODY_CAIRN,     GHO, ROC, {120, 120, 130}, {150, 110, 220}, "cairn of three pebbles, a ghostly eye in the gap"},
    {  34, "N",  2, 2, BODY_CAIRN,     GHO, ROC, {110, 110, 120}, {170, 130, 240}, "tall leaning cairn of slabs, floating stone hands, glowing chalk signs"},
    {  35, "O",  1, 2, BODY_BIPED,     ICE, N,   {196, 220, 236}, {120, 150, 200}, "yeti cub"},
    {  36, "O",  2, 2, BODY_BIPED,     ICE, N,   {180, 208, 232}, {100, 130, 190}, "great yeti"},
    {  37, "-",  1, 1, BODY_INSECT,    INS, ELE, {150, 130,  80}, {255, 230,  70}, "firefly (evolves from an outside larva)"},
    {  38, "P",  1, 2, BODY_QUADRUPED, PSY, N,   {230, 140, 180}, {250, 210, 120}, "fox kit with glowing tail tip"},
    {  39, "P",  2, 2, BODY_QUADRUPED, PSY, N,   {210, 110, 180}, {255, 196, 236}, "mystic fox, several tails"},
    {  40, "Q",  1, 2, BODY_SANDRAY,   GRO, N,   {214, 186, 130}, {150, 110,  70}, "flat diamond sand-swimmer, eyes on stalks, fringed edges"},
    {  41, "Q",  2, 2, BODY_SANDRAY,   GRO, POI, {196, 164, 110}, {150,  70, 170}, "broad sand ray gliding over a dune crest on its rippling fringe, barbed venom whip tail"},
    {  42, "-",  1, 1, BODY_ANVIL,     STE, N,   {110, 116, 128}, {255, 170,  60}, "living anvil on four stubby legs, hammer-headed tail striking sparks"},
    {  43, "-",  1, 1, BODY_BIPED,     GRA, N,   {230, 190,  90}, {110, 170,  80}, "scarecrow (from outside)"},
    {  44, "R",  1, 2, BODY_QUADRUPED, ELE, N,   {200, 160, 110}, {250, 200,  60}, "hedgehog with spark quills"},
    {  45, "R",  2, 2, BODY_QUADRUPED, ELE, N,   {240, 190,  60}, {176, 184, 200}, "hedgehog with steel quills"},
    {  46, "-",  1, 1, BODY_BLOB,      NOR, N,   {200, 208, 228}, {240, 160, 170}, "cloud puff baby (breeding note)"},
    {  47, "S",  1, 2, BODY_INSECT,    INS, N,   {150, 180,  60}, {230, 200,  60}, "small spider"},
    {  48, "S",  2, 2, BODY_INSECT,    INS, DAR, { 70,  64,  96}, {200,  60,  80}, "big shadow spider"},
    {  49, "T",  1, 2, BODY_QUADRUPED, ICE, N,   {150, 200, 236}, {190, 232, 250}, "crystal fawn"},
    {  50, "T",  2, 2, BODY_QUADRUPED, ICE, N,   {120, 180, 230}, {170, 230, 250}, "crystal stag with antlers of ice"},
    {  51, "U",  1, 3, BODY_BIPED,     FIG, N,   {190, 110,  70}, {240, 200, 160}, "monkey"},
    {  52, "U",  2, 3, BODY_BIPED,     FIG, N,   {170,  90,  60}, {230, 190, 150}, "ape"},
    {  53, "U",  3, 3, BODY_BIPED,     FIG, N,   {150,  76,  56}, {226, 180, 140}, "big ape with wrist bands"},
    {  54, "-",  1, 1, BODY_ORB,       FIR, N,   {210, 120,  70}, {255, 190,  60}, "tea kettle spirit, no evolution"},
    {  55, "-",  1, 1, BODY_QUADRUPED, ROC, N,   {170, 160, 140}, {140, 120,  96}, "stone guardian lion, no evolution"},
    {  56, "V",  1, 3, BODY_CRAWLER,   DRA, N,   {120, 100, 150}, {150, 230, 220}, "six-legged cave-drake hatchling with a cracked geode cap"},
    {  57, "V",  2, 3, BODY_CRAWLER,   DRA, N,   {110,  90, 140}, {140, 220, 210}, "long low six-legged drake, crystals along its spine"},
    {  58, "V",  3, 3, BODY_CRAWLER,   DRA, ROC, {100,  84, 120}, {160, 240, 230}, "massive six-legged drake, open geode ridge on its back, blunt horns"},
    {  59, "-",  1, 1, BODY_QUADRUPED, GRO, STE, {190, 150, 100}, {150, 160, 176}, "armadillo (from outside)"},
    {  60, "W",  1, 2, BODY_BIRD,      WAT, N,   {150, 190, 240}, {250, 180,  60}, "heron chick"},
    {  61, "W",  2, 2, BODY_BIRD,      WAT, FLY, {120, 170, 240}, {250, 170,  50}, "heron"},
    {  62, "X",  1, 2, BODY_INSECT,    INS, N,   {120, 180,  60}, {200, 230,  90}, "beetle larva-ish small beetle"},
    {  63, "X",  2, 2, BODY_INSECT,    INS, ROC, { 90, 110,  70}, {150, 130, 110}, "hornless click beetle in mid-flip, hinged arched body, stone-plated back"},
    {  64, "Y",  1, 2, BODY_CRAWLER,   POI, N,   {230, 120,  40}, {140,  60, 170}, "small orange slug, glowing violet eye stalks, shining trail"},
    {  65, "Y",  2, 2, BODY_CRAWLER,   POI, PSY, {220, 110,  40}, {150,  60, 190}, "large slug reared up, ruffled patterned mantle, four eye stalks"},
    {  66, "Z",  1, 2, BODY_QUADRUPED, GRO, N,   { 92,  80,  96}, {242, 150, 160}, "mole"},
    {  67, "Z",  2, 2, BODY_QUADRUPED, GRO, N,   { 80,  68,  86}, {236, 144, 156}, "big digging mole with claws"},
    {  68, "-",  1, 1, BODY_PAIL,      GHO, WAT, {130, 100,  70}, {110, 190, 220}, "spirit of an old well bucket, eyes in its water, rope tail"},
    {  69, "AA", 1, 2, BODY_SERPENT,   ELE, N,   {240, 200,  60}, { 80, 100, 160}, "eel"},
    {  70, "AA", 2, 2, BODY_SERPENT,   ELE, WAT, {230, 180,  40}, { 60, 120, 200}, "big electric eel"},
    {  71, "-",  1, 1, BODY_FISH,      WAT, DAR, { 60,  80, 130}, {255, 230, 100}, "anglerfish (from outside)"},
    {  72, "AB", 1, 2, BODY_PLANT,     GRA, N,   {120, 200,  90}, {240, 140, 180}, "flower bud fairy"},
    {  73, "AB", 2, 2, BODY_PLANT,     GRA, N,   {100, 190,  80}, {250, 120, 170}, "flower fairy"},
    {  74, "-",  1, 1, BODY_BIRD,      NOR, FLY, {150, 150, 160}, {220, 220, 230}, "ash-grey hoarding crow with a spoon in its beak"},
    {  75, "-",  1, 1, BODY_BIPED,     STE, N,   {160, 170, 190}, {220,  60,  60}, "robot knight (from outside)"},
    {  76, "-",  1, 1, BODY_QUADRUPED, GRA, N,   {120, 140,  90}, {220, 200, 160}, "moss-covered night sloth hanging from a branch, ferns in its fur"},
    {  77, "-",  1, 1, BODY_BIPED,     ROC, FIR, { 96,  76,  76}, {255, 120,  40}, "lava golem (from outside)"},
    {  78, "-",  1, 1, BODY_PLANT,     GRA, WAT, { 90, 170, 110}, {240, 160, 200}, "water lily (from outside)"},
    {  79, "-",  1, 1, BODY_BIRD,      ICE, FLY, { 90, 110, 140}, {210, 230, 245}, "slate-blue storm petrel skimming a wave, long narrow wings"},
    {  80, "-",  1, 1, BODY_BIPED,     GRO, N,   {196, 160, 110}, {140, 100,  70}, "long-footed dust kangaroo stamping up dust clouds"},
    {  81, "-",  1, 1, BODY_QUADRUPED, NOR, N,   {226, 212, 236}, {150, 120, 170}, "dream lamb baby (breeding note)"},
    {  82, "-",  1, 1, BODY_INSECT,    INS, GRA, {130, 200,  80}, {200, 240, 120}, "mantis (from outside)"},
    {  83, "AC", 1, 2, BODY_QUADRUPED, NOR, N,   {120, 120, 132}, {226, 222, 210}, "badger"},
    {  84, "AC", 2, 2, BODY_QUADRUPED, NOR, N,   {100, 100, 114}, {226, 222, 210}, "big badger"},
    {  85, "-",  1, 1, BODY_BIPED,     ROC, FLY, {130, 130, 142}, {100, 100, 122}, "gargoyle (from outside)"},
    {  86, "-",  1, 1, BODY_FISH,      ICE, N,   {130, 180, 220}, {240, 230, 190}, "narwhal (from outside)"},
    {  87, "-",  1, 1, BODY_BIRD,      GRA, FLY, {150, 200, 110}, {220,  80,  80}, "leaf-green folded-paper crane with pressed-leaf veins"},
    {  88, "-",  1, 1, BODY_QUADRUPED, GRA, NOR, {100,  80,  60}, {110, 170,  70}, "old forest boar, long snout, curling root tusks, moss-and-fern ridge on its back"},
    {  89, "-",  1, 1, BODY_QUADRUPED, ROC, ICE, {200, 190, 170}, {170, 220, 240}, "glacier goat with frosted horns and a stone bell"},
    {  90, "-",  1, 1, BODY_QUADRUPED, GHO, DAR, { 82,  62, 112}, {200, 200, 210}, "shadow cat whose tail ends in a curl of smoke"},
    {  91, "-",  1, 1, BODY_BIRD,      NOR, FLY, {150, 160,  90}, {230, 200, 120}, "small olive tailor bird, cocked tail, needle beak with a grass thread, stitched leaf pouch"},
    {  92, "-",  1, 1, BODY_CHAIN,     STE, WAT, { 90, 100, 110}, { 60, 140, 170}, "colossal coiled serpent of anchor-chain links, anchor-fluke head"},
    {  93, "-",  1, 1, BODY_FISH,      WAT, N,   {220, 214, 196}, {240, 120, 110}, "huge ivory whale with grey bands carrying a living reef"},
    {  94, "-",  1, 1, BODY_QUADRUPED, PSY, N,   {220, 170, 100}, {230, 100, 150}, "sphinx, no evolution"},
    {  95, "-",  1, 1, BODY_COLUMN,    ICE, N,   {150, 200, 230}, {230, 245, 255}, "frozen sea-stack column walking on three legs, one eye band"},
    {  96, "-",  1, 1, BODY_QUADRUPED, FIR, N,   {200,  90,  50}, {255, 190,  60}, "ember stag, no evolution"},
    {  97, "-",  1, 1, BODY_BIPED,     GRA, N,   { 90, 140,  70}, {140, 130, 110}, "moss titan, no evolution"},
    {  98, "-",  1, 1, BODY_INSECT,    INS, DAR, { 70,  60, 100}, {240, 200,  80}, "night moth, no evolution"},
    {  99, "-",  1, 1, BODY_FISH,      ELE, WAT, {240, 200,  50}, { 60, 110, 190}, "storm ray of the deep"},
    { 100, "-",  1, 1, BODY_JELLY,     PSY, N,   {240, 130, 190}, {255, 220, 100}, "star jelly, no evolution"},
    { 101, "-",  1, 1, BODY_FOG,       GHO, POI, {120,  90, 150}, {200, 230, 120}, "vast low marsh fog with many lantern eyes and drifting tendrils"},
    { 102, "AD", 1, 2, BODY_MANGROVE,  WAT, N,   {120, 150,  80}, { 90, 170, 220}, "floating mangrove seed pod bobbing upright, two leaves"},
    { 103, "AD", 2, 2, BODY_MANGROVE,  WAT, GRA, {110,  90,  60}, { 80, 170,  90}, "walking mangrove tree on arching stilt roots, face in the trunk"},
    { 104, "-",  1, 1, BODY_QUADRUPED, GRO, N,   {170, 120,  70}, {230, 210, 170}, "earth ox, no evolution"},
    { 105, "-",  1, 1, BODY_INSECT,    FIR, FLY, {200,  80,  40}, {255, 200,  70}, "giant lava dragonfly, four smouldering wings, segmented tail glowing at its tip"},
    { 106, "-",  1, 1, BODY_SERPENT,   DRA, PSY, {150, 120, 230}, {120, 220, 220}, "ancient dragon asleep curled round a mountain peak"},
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

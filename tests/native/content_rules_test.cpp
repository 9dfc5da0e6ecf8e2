/* The catalogue as a player reads it: each creature's machines fit its types and body, a family's
   later stages keep its types, grow and learn shared moves no earlier, and each move list has its own rhythm.
 */
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "expected_lists.h"
#include "resource.h"

/* What the creatures are, in catalogue numbers, as the plan describes them. */
static const std::set<int> SWIMMERS = {390, 391, 401, 456,
                                       457, 458, 480, 486}; /* jellies, angler, eels, whale, ray */
static const std::set<int> WADERS = {465, 466, 467,
                                     469, 470, 488}; /* herons, walking mangroves, marsh keeper */
static const std::set<int> GLOWING = {
    390, 391, 392, 393, 394, 401, 441, 443,                     /* jellies, coal marmots, lure, kettle, */
    444, 445, 479, 483, 487, 488, 492};                         /* firefly, slugs, lamps, embers, tail */
static const std::set<int> WEB_SPINNERS = {409, 410, 411, 478}; /* spiders and the stitching tailor bird */
static const std::set<int> DIGGERS = {387, 388, 392, 393, 394, 415, 416,
                                      433, 434,                           /* moles, marmots, ants, rays, */
                                      471, 472, 473, 474, 475, 489, 491}; /* badgers, boars, armadillo, ox */
static const std::set<int> WINGED_INSECTS = {443, 485, 492}; /* firefly, dusk moth, lava dragonfly */
static const std::set<int> FEATHERED_OR_QUILLED = {389, 404, 405, 406, 460, 461, 465, 466, 467, 477, 478};
/* No legs to hop, kick or cartwheel with: jellies, cloud, fungus shelf, sponge, snails, rays, slugs, grub,
   bucket, eels, lily, seed pod, whale, storm ray, star jelly, coiled dragon. */
static const std::set<int> LEGLESS = {390, 391, 395, 396, 421, 430, 431, 432, 433, 434, 444, 445,
                                      452, 455, 456, 457, 458, 459, 468, 480, 486, 487, 493};
/* Stone, metal, or filled with water: golems, anvil, kiln gecko, sponges, knight, cairns, cacti, lion,
   click beetle, bucket, diving bell, sundial tortoise, armadillo. */
static const std::set<int> HEAVY_MATERIAL = {398, 399, 400, 407, 417, 421, 422, 427, 428,
                                             429, 439, 440, 442, 454, 455, 479, 481, 489};
static const std::set<int> DRAWN_LOW = {433, 434, 444, 446, 447, 486}; /* rays, a slug, drakes lying flat */
static const int HOARDER = 389;                                        /* the crow that hoards spoons */
static const int LOW_HEIGHT_CM = 150;
static const int LIGHT_BIRD_TENTH_KG = 20; /* too light to barge with a shoulder */

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

/* The machines whose meaning the rules use, by label. */
static const int BRIDGE_HM = 1, WADING_HM = 2, SWIMMING_HM = 5, FLYING_HM = 6, LIGHTING_HM = 7,
                 DIGGING_HM = 8;
static const int DIGGING_TMS[] = {10, 35};
static const int CARTWHEEL_TM = 12, HOARD_TM = 42, QUILL_TM = 66, SHOULDER_TM = 74;
static const int MOST_LISTS_PER_MACHINE = 40;

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

struct Machines {
    std::set<int> tms, hms;
};

static Machines MachinesOf(int number)
{
    Machines m;
    bool hmPart = false;
    for (const std::string &element : ListElements(machineListText[number - FIRST_NUMBER + 1])) {
        if (element == "-")
            hmPart = true;
        else
            (hmPart ? m.hms : m.tms).insert(std::stoi(element));
    }
    return m;
}

/* A move list as (level, name) pairs; moves without a level count as level 1. */
static std::vector<std::pair<int, std::string>> MovesOf(const char *list)
{
    std::vector<std::pair<int, std::string>> moves;
    for (const std::string &element : ListElements(list)) {
        size_t dash = element.find(" - ");
        if (element.compare(0, 4, "Lv. ") == 0 && dash != std::string::npos)
            moves.push_back({std::stoi(element.substr(4)), element.substr(dash + 3)});
        else
            moves.push_back({1, element});
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
    int slot = number - FIRST_NUMBER + 1;
    return primaryTypeIcon[slot] == type || secondaryTypeIcon[slot] == type;
}

/* Every move list of the catalogue, with the entry it belongs to: the form entry has three. */
static std::vector<std::pair<int, const char *>> AllMoveLists()
{
    std::vector<std::pair<int, const char *>> lists;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry)
        lists.push_back({FIRST_NUMBER + entry, moveListText[entry + 1]});
    for (int form = 1; form < FORM_COUNT; ++form)
        lists.push_back({FIRST_NUMBER + FORM_ENTRY, formMoveListText[form]});
    return lists;
}

class ContentRules : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
    }
};

TEST_F(ContentRules, TheRulesReadTheMachinesTheirLabelsName)
{
    EXPECT_STREQ(hmLabel[BRIDGE_HM], "HM01 - Bridge Weave");
    EXPECT_STREQ(hmLabel[WADING_HM], "HM02 - Ford Wading");
    EXPECT_STREQ(hmLabel[SWIMMING_HM], "HM05 - Raft Towing");
    EXPECT_STREQ(hmLabel[FLYING_HM], "HM06 - Ridge Gliding");
    EXPECT_STREQ(hmLabel[LIGHTING_HM], "HM07 - Torchbearing");
    EXPECT_STREQ(hmLabel[DIGGING_HM], "HM08 - Tunnel Boring");
    EXPECT_STREQ(tmLabel[DIGGING_TMS[0]], "TM10 - Burrow Ambush");
    EXPECT_STREQ(tmLabel[DIGGING_TMS[1]], "TM35 - Furrow Plough");
    EXPECT_STREQ(tmLabel[CARTWHEEL_TM], "TM12 - Cartwheel Heel");
    EXPECT_STREQ(tmLabel[HOARD_TM], "TM42 - Hoard Gleam");
    EXPECT_STREQ(tmLabel[QUILL_TM], "TM66 - Quill Shower");
    EXPECT_STREQ(tmLabel[SHOULDER_TM], "TM74 - Shoulder Barge");
}

TEST_F(ContentRules, FieldMachinesFollowHowTheCreatureMoves)
{
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        SCOPED_TRACE(number);
        Machines m = MachinesOf(number);
        bool flies = HasType(number, IDB_TYPE_FLYING) || WINGED_INSECTS.count(number);
        if (flies) {
            EXPECT_TRUE(m.hms.count(FLYING_HM)) << "a flyer can glide";
        }
        if (SWIMMERS.count(number)) {
            EXPECT_TRUE(m.hms.count(SWIMMING_HM) && !m.hms.count(WADING_HM))
                << "a swimmer swims, it does not wade";
        }
        if (WADERS.count(number)) {
            EXPECT_TRUE(m.hms.count(WADING_HM));
        }
        if (GLOWING.count(number)) {
            EXPECT_TRUE(m.hms.count(LIGHTING_HM)) << "what glows can light the way";
        }
        if (WEB_SPINNERS.count(number)) {
            EXPECT_TRUE(m.hms.count(BRIDGE_HM)) << "a spinner can weave a bridge";
        }
        bool digsByMove = false;
        for (const auto &move : MovesOf(moveListText[number - FIRST_NUMBER + 1]))
            for (const std::string &word : WordsOf(move.second))
                digsByMove |= word == "Dig" || word == "Burrow" || word == "Tunnel" || word == "Delve" ||
                              word == "Delving";
        if (digsByMove || DIGGERS.count(number)) {
            bool canDig =
                m.hms.count(DIGGING_HM) || m.tms.count(DIGGING_TMS[0]) || m.tms.count(DIGGING_TMS[1]);
            EXPECT_TRUE(canDig) << "a digger has a digging machine";
        }
    }
    EXPECT_TRUE(MachinesOf(HOARDER).tms.count(HOARD_TM));
}

TEST_F(ContentRules, MachinesOfTheCreaturesTypesAndNoneItsBodyCannotDo)
{
    std::map<int, int> lists;
    for (int number = FIRST_NUMBER; number < FIRST_NUMBER + ENTRY_COUNT; ++number) {
        SCOPED_TRACE(number);
        Machines m = MachinesOf(number);
        for (int tm : m.tms)
            ++lists[tm];
        for (int hm : m.hms)
            ++lists[100 + hm];
        if (m.tms.empty() && m.hms.empty())
            continue; /* a cloud, a seed pod and a grub learn nothing at all */
        int slot = number - FIRST_NUMBER + 1;
        for (unsigned short type : {primaryTypeIcon[slot], secondaryTypeIcon[slot]}) {
            if (type == 0)
                continue;
            bool has = false;
            for (int tm : m.tms)
                has |= TM_TYPE[tm] == type;
            EXPECT_TRUE(has) << "no machine of type " << type;
        }
        if (LEGLESS.count(number)) {
            EXPECT_FALSE(m.tms.count(CARTWHEEL_TM));
        }
        if (!FEATHERED_OR_QUILLED.count(number)) {
            EXPECT_FALSE(m.tms.count(QUILL_TM)) << "quills need feathers or spines";
        }
        if (weightTenthKg[slot] < LIGHT_BIRD_TENTH_KG) {
            EXPECT_FALSE(m.tms.count(SHOULDER_TM));
        }
    }
    for (const auto &use : lists)
        EXPECT_LE(use.second, MOST_LISTS_PER_MACHINE) << "machine " << use.first;
}

TEST_F(ContentRules, LeglessCreaturesLearnNoHoppingOrKicking)
{
    for (const auto &list : AllMoveLists()) {
        if (!LEGLESS.count(list.first))
            continue;
        for (const auto &move : MovesOf(list.second))
            for (const std::string &word : WordsOf(move.second))
                EXPECT_TRUE(word != "Hop" && word != "Kick" && word != "Cartwheel" && word != "Leap")
                    << list.first << " " << move.second;
    }
}

TEST_F(ContentRules, LaterStagesKeepTheirTypesGrowAndLearnSharedMovesNoEarlier)
{
    for (const std::vector<int> &family : FAMILIES) {
        for (size_t i = 1; i < family.size(); ++i) {
            int earlier = family[i - 1], later = family[i];
            SCOPED_TRACE(std::to_string(earlier) + " -> " + std::to_string(later));
            int a = earlier - FIRST_NUMBER + 1, b = later - FIRST_NUMBER + 1;
            EXPECT_TRUE(HasType(later, primaryTypeIcon[a]));
            if (secondaryTypeIcon[a] != 0) {
                EXPECT_TRUE(HasType(later, secondaryTypeIcon[a]));
            }
            EXPECT_GT(heightCm[b], heightCm[a]);
            EXPECT_GT(weightTenthKg[b], weightTenthKg[a]);
            std::map<std::string, int> learned;
            for (const auto &move : MovesOf(moveListText[a]))
                learned[move.second] = move.first;
            std::vector<const char *> laterLists = {moveListText[b]};
            if (later - FIRST_NUMBER == FORM_ENTRY)
                laterLists.assign(formMoveListText, formMoveListText + FORM_COUNT);
            for (const char *list : laterLists)
                for (const auto &move : MovesOf(list)) {
                    auto before = learned.find(move.second);
                    if (before != learned.end()) {
                        EXPECT_GE(move.first, before->second) << move.second;
                    }
                }
        }
    }
}

TEST_F(ContentRules, SizesFitTheMaterialAndTheShape)
{
    for (int number : HEAVY_MATERIAL) {
        int slot = number - FIRST_NUMBER + 1;
        double metres = heightCm[slot] / 100.0, kilograms = weightTenthKg[slot] / 10.0;
        /* a person is about 25 kg per square metre of height; stone, metal and water weigh four times that */
        EXPECT_GE(kilograms, 100.0 * metres * metres) << number;
    }
    for (int number : DRAWN_LOW)
        EXPECT_LE(heightCm[number - FIRST_NUMBER + 1], LOW_HEIGHT_CM) << number;
}

TEST_F(ContentRules, EachMoveListHasARhythmAndWordsOfItsOwn)
{
    std::map<int, int> familyOf;
    for (size_t f = 0; f < FAMILIES.size(); ++f)
        for (int number : FAMILIES[f])
            familyOf[number] = (int)f;
    familyOf[414] = familyOf[412]; /* the split family is one */
    std::map<std::vector<int>, int> sequences;
    for (const auto &list : AllMoveLists()) {
        SCOPED_TRACE(list.first);
        std::vector<int> levels;
        std::map<std::string, int> words;
        for (const auto &move : MovesOf(list.second)) {
            if (move.first > 1)
                levels.push_back(move.first);
            for (const std::string &word : WordsOf(move.second))
                EXPECT_EQ(++words[word], 1) << "repeats " << word;
        }
        int family = familyOf.count(list.first) ? familyOf[list.first] : 1000 + list.first;
        auto seen = sequences.find(levels);
        if (seen != sequences.end()) {
            EXPECT_EQ(seen->second, family) << "levels like an unrelated creature's";
        } else {
            sequences[levels] = family;
        }
    }
}

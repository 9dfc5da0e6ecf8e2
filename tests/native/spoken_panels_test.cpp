/* How the drawn panels are read aloud: type words, the info panel's lines as drawn, and every pattern of
   an evolution note turned into sentences, on lines written here so the rule is tested apart from the
   catalogue's content. */
#include "access/spoken_panels.h"
#include "catalogue/catalogue.h"
#include "resource.h"

#include "cp1250_polish.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

static std::u16string Spoken(const char16_t *line1, const char16_t *line2, LineMarks first = {false, false},
                             LineMarks second = {false, false})
{
    std::string encoded1 = EncodeCp1250(line1), encoded2 = EncodeCp1250(line2);
    EvolutionNote note = {encoded1.c_str(), encoded2.c_str()};
    const LineMarks marks[2] = {first, second};
    char text[SPOKEN_TEXT_SIZE];
    int length = SpokenEvolutionNote(note, marks, text);
    EXPECT_EQ(length, (int)std::string(text).size());
    return DecodeCp1250(text);
}

TEST(SpokenPanels, EveryTypeIconHasItsOwnWholeWordAndNothingElseHasOne)
{
    std::set<std::string> words;
    for (unsigned short id = IDB_TYPE_INSECT; id <= IDB_TYPE_WATER; ++id) {
        ASSERT_NE(TypeWord(id), (const char *)NULL) << id;
        EXPECT_GE(std::string(TypeWord(id)).size(), 3u) << id;
        words.insert(TypeWord(id));
    }
    EXPECT_EQ(words.size(), 17u);
    EXPECT_EQ(DecodeCp1250(TypeWord(IDB_TYPE_ELECTRIC)), u"elektryczność");
    EXPECT_EQ(DecodeCp1250(TypeWord(IDB_TYPE_FIRE)), u"ogień");
    EXPECT_EQ(TypeWord(0), (const char *)NULL);
    EXPECT_EQ(TypeWord(IDB_TYPE_INSECT - 1), (const char *)NULL);
    EXPECT_EQ(TypeWord(IDB_TYPE_WATER + 1), (const char *)NULL);
}

TEST(SpokenPanels, StepsAreSaidAsEvolvingWithTheConditionInWords)
{
    EXPECT_EQ(Spoken(u"Abra --Lv. 12--> Bebra", u" "), u"Abra ewoluuje w Bebra na poziomie 12");
    /* The second line goes on from the last name of the first. */
    EXPECT_EQ(Spoken(u"Abra --Lv. 12--> Bebra", u"--Lv. 40--> Cedra"),
              u"Abra ewoluuje w Bebra na poziomie 12. Bebra ewoluuje w Cedra na poziomie 40");
    EXPECT_EQ(Spoken(u"Abra ----Lv. Up---> Bebra", u"Musi znać Wielki Skok"),
              u"Abra ewoluuje w Bebra po awansie na kolejny poziom. Musi znać Wielki Skok");
    EXPECT_EQ(Spoken(u"Abra --Kamień Księżyca--> Bebra", u" "),
              u"Abra ewoluuje w Bebra z przedmiotem Kamień Księżyca");
    EXPECT_EQ(Spoken(u"Abra --Szczęście--> Bebra", u"--Szczęście nocą--> Cedra"),
              u"Abra ewoluuje w Bebra dzięki szczęściu. Bebra ewoluuje w Cedra dzięki szczęściu nocą");
    /* Two steps on one line. */
    EXPECT_EQ(Spoken(u"Ab --Lv. 5--> Be --Lv. 9--> Ce", u" "),
              u"Ab ewoluuje w Be na poziomie 5. Be ewoluuje w Ce na poziomie 9");
}

TEST(SpokenPanels, GenderMarksAreSaidBesideTheNameWhoseBlanksTheyCover)
{
    const LineMarks female = {true, false}, male = {false, true}, none = {false, false};
    EXPECT_EQ(
        Spoken(u"Abra      ---Lv. 23--> Bebra", u"Abra      ---Lv. 23--> Cedra", female, male),
        u"Abra, samica, ewoluuje w Bebra na poziomie 23. Abra, samiec, ewoluuje w Cedra na poziomie 23");
    EXPECT_EQ(Spoken(u"Abra --Lv. 22--> Bebra     ", u"--Lv. 38--> Cedra", male, none),
              u"Abra ewoluuje w Bebra, samiec, na poziomie 22. Bebra ewoluuje w Cedra na poziomie 38");
    EXPECT_EQ(Spoken(u"Abra    --Lv. 23--> Bebra", u"Tylko forma żeńska.", female, none),
              u"Abra, samica, ewoluuje w Bebra na poziomie 23. Tylko forma żeńska.");
    EXPECT_EQ(Spoken(u"Brak", u" ", {true, true}, none), u"Brak, samica i samiec");
}

TEST(SpokenPanels, NotesAndTheDefaultAreSaidAsDrawnAndTheBreedingNoteInWords)
{
    EXPECT_EQ(Spoken(u"Brak", u" "), u"Brak");
    EXPECT_EQ(Spoken(u"Abra <---dziecko--- Bebra", u"Abra nie ewoluuje w Bebrę"),
              u"Abra to dziecko, rodzic: Bebra. Abra nie ewoluuje w Bebrę");
    EXPECT_EQ(Spoken(u"Abra --Lv. Up--> Bebra", u"Na   Górze Mglistej"),
              u"Abra ewoluuje w Bebra po awansie na kolejny poziom. Na Górze Mglistej");
    EXPECT_EQ(Spoken(u" ", u" "), u"");
}

TEST(SpokenPanels, LongTextIsCutWithinItsBuffer)
{
    std::u16string longName(600, u'A');
    std::u16string spoken = Spoken((longName + u" --Lv. 5--> " + longName).c_str(), longName.c_str());
    EXPECT_EQ(spoken.size(), (size_t)SPOKEN_TEXT_SIZE - 1);
}

TEST(SpokenPanels, EntryIsItsNumberAndNameAndTheFormEntrySaysItsForm)
{
    InitCatalogue();
    char text[SPOKEN_TEXT_SIZE];
    SpokenEntry(0, 0, text);
    EXPECT_EQ(std::string(text), "387. " + std::string(entryName[0]));
    SpokenEntry(FORM_ENTRY, 2, text);
    EXPECT_EQ(std::string(text), "413. " + std::string(entryName[FORM_ENTRY]) + ", forma 3");
    SpokenEntry(ENTRY_COUNT - 1, 1, text);
    EXPECT_EQ(std::string(text), "493. " + std::string(entryName[ENTRY_COUNT - 1]));
    EXPECT_EQ(SpokenEntry(ENTRY_COUNT, 0, text), 0);
    EXPECT_EQ(SpokenInfoPanel((unsigned)-1, 0, text), 0);
    EXPECT_EQ(std::string(text), "");
}

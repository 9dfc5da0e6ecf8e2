/* Tests of finding the entry a text typed into the combo box names: every name, case and
   surrounding blanks ignored, and the texts that name nothing. */
#include "catalogue/catalogue.h"
#include "catalogue/typed_name.h"

#include <gtest/gtest.h>

#include <ctype.h>

#include <string>

TEST(TypedName, EveryNameFindsItsOwnEntryAsTypedInAnyCaseWithBlanksAround)
{
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        std::string name = entryName[entry], lower = name, upper = name;
        for (size_t i = 0; i < name.size(); ++i) {
            lower[i] = (char)tolower((unsigned char)name[i]);
            upper[i] = (char)toupper((unsigned char)name[i]);
        }
        EXPECT_EQ(EntryNamed(name.c_str()), entry) << name;
        EXPECT_EQ(EntryNamed(("   " + lower).c_str()), entry) << name;
        EXPECT_EQ(EntryNamed((upper + "  ").c_str()), entry) << name;
        EXPECT_EQ(EntryNamed((" " + lower + " ").c_str()), entry) << name;
    }
    EXPECT_EQ(EntryNamed("kopik"), 0);
    EXPECT_EQ(EntryNamed(" KafeLica "), 26);
    EXPECT_EQ(EntryNamed("Smokodrzem"), 106);
}

TEST(TypedName, TextsThatAreNoWholeNameFindNoEntry)
{
    /* The last has a Polish letter (Windows-1250) in place of an ASCII one. */
    const char *const texts[] = {"",          "   ",       "Kopi",         "Kopikk",  "Ko pik",
                                 "Kopik.",    "xKopik",    "Kopik\t",      "\tKopik", "Qwerty",
                                 "Kafelica;", "Kafeli ca", "Smokodrz\352m"};
    for (const char *text : texts)
        EXPECT_EQ(EntryNamed(text), NO_ENTRY) << "'" << text << "'";
}

TEST(TypedName, NumbersWithOrWithoutTheHeadersFullStopFindTheirEntry)
{
    EXPECT_EQ(EntryNamed("387"), 0);
    EXPECT_EQ(EntryNamed("458"), 71);
    EXPECT_EQ(EntryNamed(" 458. "), 71);
    EXPECT_EQ(EntryNamed("493."), 106);
    const char *const texts[] = {"386",  "494",  "0",    "45",   "4580", "458..",
                                 ".458", "45 8", "-458", "0458", "999"};
    for (const char *text : texts)
        EXPECT_EQ(EntryNamed(text), NO_ENTRY) << "'" << text << "'";
}

/* Windows-1250 capitals and small letters of Polish, in pairs. */
static const char polishCapitals[] = "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
static const char polishSmall[] = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF";

TEST(TypedName, TypedLettersBeginTheFirstNameInCatalogueOrderAndAWholeNameItself)
{
    /* Stated apart from the code: the first name, in catalogue order, that starts with the letters. */
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        std::string name = entryName[entry];
        for (size_t length = 1; length <= name.size(); ++length) {
            std::string typed = name.substr(0, length);
            int expected = NO_ENTRY;
            for (int other = 0; other < ENTRY_COUNT && expected == NO_ENTRY; ++other) {
                std::string candidate = entryName[other];
                bool begins = candidate.size() >= length;
                for (size_t i = 0; i < length && begins; ++i)
                    begins = tolower((unsigned char)candidate[i]) == tolower((unsigned char)typed[i]);
                if (begins)
                    expected = other;
            }
            if (typed.size() == name.size())
                expected = entry;
            std::string shouted = typed;
            for (char &c : shouted)
                c = (char)toupper((unsigned char)c);
            EXPECT_EQ(EntryBegun(typed.c_str()), expected) << typed;
            EXPECT_EQ(EntryBegun(("  " + shouted).c_str()), expected) << shouted;
        }
    }
    EXPECT_EQ(EntryBegun(""), NO_ENTRY);
    EXPECT_EQ(EntryBegun("   "), NO_ENTRY);
    EXPECT_EQ(EntryBegun("458"), NO_ENTRY);
    EXPECT_EQ(EntryBegun("Qwe"), NO_ENTRY);
    EXPECT_EQ(EntryBegun("Kopik "), NO_ENTRY);
}

TEST(TypedName, PolishCapitalsAndSmallLettersAreTheSameLetterAndNotTheirPlainOnes)
{
    for (int k = 0; polishSmall[k]; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(SameLetters(polishSmall + k, polishCapitals + k, 1));
        EXPECT_TRUE(SameLetters(polishCapitals + k, polishSmall + k, 1));
        EXPECT_TRUE(SameLetters(polishSmall + k, polishSmall + k, 1));
        /* Not the plain letter, nor the neighbouring Polish letter. */
        EXPECT_FALSE(SameLetters(polishSmall + k, "acelnoszz" + k, 1));
        EXPECT_FALSE(SameLetters(polishCapitals + k, "ACELNOSZZ" + k, 1));
        EXPECT_FALSE(SameLetters(polishSmall + k, polishSmall + (k + 1) % 9, 1));
    }
    EXPECT_TRUE(SameLetters("Kopik", "kOPIK", 5));
    EXPECT_FALSE(SameLetters("Kopik", "Kopil", 5));
    /* Blanks, digits and signs are themselves only. */
    EXPECT_FALSE(SameLetters("@", "`", 1));
    EXPECT_FALSE(SameLetters("[", "{", 1));
}

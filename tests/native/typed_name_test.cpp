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

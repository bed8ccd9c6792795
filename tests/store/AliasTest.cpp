#include "store/Alias.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/TempAlias.h"

#include <gtest/gtest.h>

TEST(GetAliasDirectory, TakesTheTextAfterPathOfTheLastLineThatHasIt)
{
    TempAlias alias(TempAlias::Content::Empty);
    const struct {
        const char* section;
        const char* expected;
    } cases[] = {
        {"[OMNIV]\nPATH=/data/omni\n", "/data/omni"},
        {"[OMNIV]\nPATH=/data/omni/\n", "/data/omni/"},
        {"[OMNIV]\nTYPE=STANDARD\n", ""},
        {"[OMNIV]\nPATH=/first\nPATH=/second\n", "/second"},
        {"[omniv]\nDEFAULT DRIVER=PARADOX\nPATH=/x\n", "/x"},
    };
    for (const auto& c : cases) {
        alias.writeConfig(QString::fromLatin1(c.section));
        EXPECT_EQ(store::GetAliasDirectory(QStringLiteral("OMNIV")), QString::fromLatin1(c.expected)) << c.section;
    }
}

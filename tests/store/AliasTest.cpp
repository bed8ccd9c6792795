#include "store/Alias.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/TempAlias.h"

#include <QDir>
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
        {"[OMNIV]\nTYPE=STANDARD\n", ""}, // none: the start directory
        {"[OMNIV]\nPATH=/first\nPATH=/second\n", "/second"},
        {"[omniv]\nDEFAULT DRIVER=PARADOX\nPATH=/x\n", "/x"},
    };
    for (const auto& c : cases) {
        alias.writeConfig(QString::fromLatin1(c.section));
        const QString expected = c.expected[0] == '/' ? QString::fromLatin1(c.expected) : QDir::currentPath();
        EXPECT_EQ(store::GetAliasDirectory(QStringLiteral("OMNIV")), expected) << c.section;
    }
}

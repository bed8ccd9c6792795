#include "shell/CommandLine.h"
#include "shell/ProgramIdentity.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <gtest/gtest.h>

namespace {

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    CommandLineRequest request;
};

void PrintTo(const CommandLineCase& c, std::ostream* out)
{
    *out << c.name;
}

const CommandLineCase commandLineCases[] = {
    {"Nothing", {}, CommandLineRequest::RunWizard},
    {"QtOptionsWithTheirValues", {"-platform", "offscreen", "--style=Fusion", "-reverse"}, CommandLineRequest::RunWizard},
    {"Help", {"--help"}, CommandLineRequest::Help},
    {"ShortHelpAsTabrepReportTakesIt", {"-h"}, CommandLineRequest::Help},
    {"HelpWinsOverVersion", {"--version", "--help"}, CommandLineRequest::Help},
    {"VersionAfterAQtOption", {"-style", "Fusion", "--version"}, CommandLineRequest::Version},
    {"UnknownOption", {"--verbose"}, CommandLineRequest::Usage},
    {"UnknownOptionBesideHelp", {"--help", "-x"}, CommandLineRequest::Usage},
    {"PlainArgument", {"report.rpt"}, CommandLineRequest::Usage},
    {"QtOptionWithoutItsValue", {"-platform"}, CommandLineRequest::Usage},
    {"QtFlagGivenAValue", {"-reverse=yes"}, CommandLineRequest::Usage},
    {"SingleDashHelpIsNotOurs", {"-help"}, CommandLineRequest::Usage},
};

class CommandLine : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, AsksForWhatItSays)
{
    EXPECT_EQ(ReadCommandLine(GetParam().arguments), GetParam().request);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLine, testing::ValuesIn(commandLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, HelpNamesTheAliasFileItsFormAndWhereReportsGo)
{
    const QString help = HelpText(QStringLiteral("/home/me/.config/tabulon/aliases.ini"));
    for (const char* part : {"/home/me/.config/tabulon/aliases.ini", "[OMNIV]", "PATH=", ".rpt", "tabrep-demo"})
        EXPECT_TRUE(help.contains(QLatin1String(part))) << part;
    EXPECT_TRUE(help.startsWith(UsageText()));
}

TEST(ProgramIdentity, WindowsShowTheInstalledIconAndMatchTheDesktopEntry)
{
    SetProgramIdentity();
    const QIcon icon = QGuiApplication::windowIcon();
    for (int size : {16, 48, 256})
        EXPECT_FALSE(icon.pixmap(size).isNull()) << size;
    EXPECT_TRUE(QFile::exists(QStringLiteral(TEST_DATA_DIR "/../../packaging/") + QGuiApplication::desktopFileName()
                              + QStringLiteral(".desktop")));
}

} // namespace

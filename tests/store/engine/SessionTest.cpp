#include "base/EngineError.h"
#include "store/engine/Session.h"
#include "tests/support/QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using store::Session;

namespace {

class SessionTest : public ::testing::Test {
protected:
    // A session over a configuration file holding text.
    std::unique_ptr<Session> sessionOver(const char* text)
    {
        QFile file(dir.filePath(QStringLiteral("aliases.ini")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        return std::make_unique<Session>(file.fileName());
    }

    QTemporaryDir dir;
};

TEST_F(SessionTest, AliasParametersComeInFileOrderUnderAnyCaseOfTheName)
{
    auto session = sessionOver("; the contact manager's data\n"
                               "[OTHER]\nPATH=/elsewhere\n\n"
                               "[OMNIV]\n"
                               "PATH=/data/omni\n"
                               "  default driver = PARADOX  \n"
                               "ENABLE BCD=FALSE\n"
                               "no equals sign here\n");
    const QStringList expected = {"PATH=/data/omni", "DEFAULT DRIVER=PARADOX", "ENABLE BCD=FALSE"};
    EXPECT_EQ(session->GetAliasParams(QStringLiteral("OMNIV")), expected);
    EXPECT_EQ(session->GetAliasParams(QStringLiteral("omniv")), expected);
    EXPECT_EQ(session->aliasDirectory(QStringLiteral("Other")), QStringLiteral("/elsewhere"));
}

TEST_F(SessionTest, AliasDirectoryIsTheLastLineContainingPath)
{
    struct Case {
        const char* config;
        const char* directory;
    } cases[] = {
        {"[OMNIV]\nPATH=/one\n", "/one"},
        {"[OMNIV]\nPATH=/one\nPATH=/two/\n", "/two/"},
        {"[OMNIV]\nPATH=/one\nSHAREDPATH=/x\n", "DPATH=/x"}, // the line from its sixth character
        {"[OMNIV]\nDRIVER=PARADOX\n", "."}, // no directory named: the start directory
        {"[OMNIV]\nPATH=\n", "."},
        {"[OMNIV]\npath=/lower\n", "/lower"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.config);
        QString expected = QString::fromLatin1(c.directory);
        if (!expected.startsWith(u'/'))
            expected = QDir::cleanPath(QDir::currentPath() + u'/' + expected); // a relative directory is made absolute
        EXPECT_EQ(sessionOver(c.config)->aliasDirectory(QStringLiteral("OMNIV")), expected);
    }
}

TEST_F(SessionTest, UnknownAliasNamesTheConfigurationToEdit)
{
    std::vector<std::unique_ptr<Session>> sessions;
    sessions.push_back(sessionOver("[OTHER]\nPATH=/x\n"));
    sessions.push_back(std::make_unique<Session>(dir.filePath(QStringLiteral("missing.ini"))));
    for (const auto& session : sessions) {
        SCOPED_TRACE(session->configPath().toStdString());
        try {
            session->aliasDirectory(QStringLiteral("OMNIV"));
            ADD_FAILURE() << "no error";
        } catch (const base::EngineError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("Unknown database alias: OMNIV\nDefine it in %1 as:\n"
                                               "[OMNIV]\nPATH=<directory>")
                                    .arg(session->configPath()));
        }
    }
}

// A pipe at the alias file is not waited on, and of a huge one only the lines
// within the first mebibyte are read; the unknown alias's message says why.
TEST_F(SessionTest, OnlyTheStartOfARegularAliasFileIsReadWithoutWaiting)
{
    const QString path = dir.filePath(QStringLiteral("aliases.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    const auto unknownAlias = [](const Session& session) {
        try {
            session.GetAliasParams(QStringLiteral("LATE"));
        } catch (const base::EngineError& e) {
            return e.text();
        }
        return QStringLiteral("<no error>");
    };
    EXPECT_TRUE(unknownAlias(Session(path)).contains(
        QStringLiteral("The alias file %1 is not a regular file, so it was not read.\nDefine it in").arg(path)));

    QFile::remove(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[OMNIV]\nPATH=/data/omni\n");
    ASSERT_TRUE(file.resize(Session::MaxAliasFileBytes - 3)); // zeros: no line end, so only the alias is read
    file.seek(file.size());
    file.write("\nPATH=/elsewhere\n[LATE]\nPATH=/late\n");
    file.close();
    const Session huge(path);
    EXPECT_EQ(huge.aliasDirectory(QStringLiteral("OMNIV")), QStringLiteral("/data/omni"));
    EXPECT_TRUE(unknownAlias(huge).contains(QStringLiteral("larger than 1048576 bytes")));
}

TEST_F(SessionTest, PasswordsAreKeptAsRegistered)
{
    Session session(dir.filePath(QStringLiteral("none.ini")));
    session.AddPassword(QStringLiteral("first1"));
    session.AddPassword(QStringLiteral("second2"));
    EXPECT_EQ(session.passwords(), QStringList({"first1", "second2"}));
}

TEST_F(SessionTest, ConfigurationLivesUnderTheUserConfigDirectory)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/srv/conf");
    EXPECT_EQ(Session::defaultConfigPath(), QStringLiteral("/srv/conf/tabulon/aliases.ini"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(Session::defaultConfigPath().endsWith(QStringLiteral("/.config/tabulon/aliases.ini")));
    // An alias file named on its own leaves the rest of the configuration where it was.
    qputenv("XDG_CONFIG_HOME", "/srv/conf");
    qputenv("TABREP_ALIASES", "/srv/demo/aliases.ini");
    EXPECT_EQ(Session::defaultConfigPath(), QStringLiteral("/srv/demo/aliases.ini"));
    qputenv("TABREP_ALIASES", "demo.ini");
    EXPECT_EQ(Session::defaultConfigPath(), QDir::current().absoluteFilePath(QStringLiteral("demo.ini")));
    qunsetenv("TABREP_ALIASES");
    qunsetenv("XDG_CONFIG_HOME");
    if (!saved.isEmpty())
        qputenv("XDG_CONFIG_HOME", saved);

    Session mine(dir.filePath(QStringLiteral("none.ini")));
    Session::setDefaultSession(&mine);
    EXPECT_EQ(&Session::defaultSession(), &mine);
    Session::setDefaultSession(nullptr);
    EXPECT_NE(&Session::defaultSession(), &mine);
}

} // namespace

// The listing makes the alias directory current; a relative alias must still
// name the directory it named at start-up, not one below it.
TEST(Paths, ARelativeAliasDirectoryIsTakenAgainstTheStartDirectory)
{
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("aliases.ini")));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("[OMNIV]\nPATH=data/./omni\n");
    config.close();
    const QString start = QDir::currentPath();
    Session session(config.fileName());
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QString directory = session.aliasDirectory(QStringLiteral("OMNIV"));
    QDir::setCurrent(start);
    EXPECT_EQ(directory, start + QStringLiteral("/data/omni"));
}

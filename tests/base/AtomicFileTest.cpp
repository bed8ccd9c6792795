#include "base/AtomicFile.h"

#include "base/EngineError.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/QtPrinting.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using base::WriteFileAtomically;

namespace {

class AtomicFile : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // Runs the write expecting it to fail; returns the error's text.
    QString failingWrite(const QString& target, const QByteArray& bytes)
    {
        try {
            WriteFileAtomically(target, bytes, QStringLiteral("report"));
        } catch (const base::EngineError& e) {
            return e.text();
        }
        ADD_FAILURE() << "no error for " << target.toStdString();
        return QString();
    }

    QTemporaryDir dir;
};

mode_t ModeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

} // namespace

// Also under the longest name a file may have: the temporary's name is short.
TEST_F(AtomicFile, CreatesTheFileAndLeavesNoTemporaryBehind)
{
    for (const QString& name : {QStringLiteral("a.rpt"), QString(251, u'n') + QStringLiteral(".rpt")}) {
        const mode_t oldMask = ::umask(022);
        WriteFileAtomically(path(name), "one\r\ntwo\r\n", QStringLiteral("report"));
        ::umask(oldMask);
        EXPECT_EQ(ReadBytes(path(name)), QByteArray("one\r\ntwo\r\n"));
        EXPECT_EQ(ModeOf(path(name)), mode_t(0644));
        EXPECT_EQ(entries(), QStringList{name});
        QFile::remove(path(name));
    }
}

TEST_F(AtomicFile, ReplacingKeepsTheOldPermissions)
{
    WriteBytes(path("a.rpt"), "a much longer old content\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path("a.rpt")).constData(), 0604), 0);
    WriteFileAtomically(path("a.rpt"), "new", QStringLiteral("report"));
    EXPECT_EQ(ReadBytes(path("a.rpt")), QByteArray("new"));
    EXPECT_EQ(ModeOf(path("a.rpt")), mode_t(0604));
    EXPECT_EQ(entries(), QStringList{"a.rpt"});
}

TEST_F(AtomicFile, BareNameIsTakenInTheCurrentDirectory)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    WriteFileAtomically(QStringLiteral("bare.rpt"), "x", QStringLiteral("report"));
    QDir::setCurrent(before);
    EXPECT_EQ(ReadBytes(path("bare.rpt")), QByteArray("x"));
}

// A planted link (evil.rpt pointing at a user's file) is never written through.
TEST_F(AtomicFile, SymbolicLinkIsRefusedAndItsTargetLeftUntouched)
{
    WriteBytes(path("profile"), "old");
    ASSERT_TRUE(QFile::link(path("profile"), path("evil.rpt")));
    EXPECT_EQ(failingWrite(path("evil.rpt"), "new"),
              QStringLiteral("Cannot write report %1: it is a symbolic link, and the file it points to is left "
                             "untouched. Nothing was written. To change it here, replace the link by a copy of %2.")
                  .arg(path("evil.rpt"), path("profile")));
    EXPECT_TRUE(QFileInfo(path("evil.rpt")).isSymLink());
    EXPECT_EQ(ReadBytes(path("profile")), QByteArray("old"));
    EXPECT_EQ(entries(), (QStringList{"evil.rpt", "profile"}));
}

TEST_F(AtomicFile, TargetThatIsADirectoryIsRefused)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("d.rpt"));
    EXPECT_EQ(failingWrite(path("d.rpt"), "x"), QStringLiteral("Cannot write report %1: Is a directory").arg(path("d.rpt")));
    EXPECT_TRUE(QFileInfo(path("d.rpt")).isDir());
    EXPECT_EQ(entries(), QStringList{"d.rpt"});
}

TEST_F(AtomicFile, MissingDirectoryIsRefused)
{
    EXPECT_EQ(failingWrite(path("none/a.rpt"), "x"),
              QStringLiteral("Cannot write report %1: No such file or directory").arg(path("none/a.rpt")));
}

TEST_F(AtomicFile, ReadOnlyDirectoryLeavesTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "directory permissions do not bind the superuser";
    WriteBytes(path("a.rpt"), "old\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    const QString text = failingWrite(path("a.rpt"), "new");
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(text, QStringLiteral("Cannot write report %1: Permission denied").arg(path("a.rpt")));
    EXPECT_EQ(ReadBytes(path("a.rpt")), QByteArray("old\r\n"));
    EXPECT_EQ(entries(), QStringList{"a.rpt"});
}

// A file-size limit makes the write itself fail part-way, even for the superuser.
TEST_F(AtomicFile, FailedWriteLeavesTheOldFileAndNoTemporary)
{
    WriteBytes(path("a.rpt"), "old report\r\n");
    QString text;
    {
        const FileSizeLimit limit(8);
        text = failingWrite(path("a.rpt"), QByteArray(100, 'n'));
    }
    EXPECT_EQ(text, QStringLiteral("Cannot write report %1: File too large").arg(path("a.rpt")));
    EXPECT_EQ(ReadBytes(path("a.rpt")), QByteArray("old report\r\n"));
    EXPECT_EQ(entries(), QStringList{"a.rpt"});
}

#include "base/AtomicFile.h"

#include "base/EngineError.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/ReplaceSteps.h"

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
        } catch (const base::FileError& e) {
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

// The new file is on disk before it takes the name, and the name after.
TEST_F(AtomicFile, AReplacementIsSyncedBeforeItTakesItsNameAndTheDirectoryAfter)
{
    using enum base::ReplaceStep;
    const ReplaceSteps watched;
    WriteFileAtomically(path("a.rpt"), "x", QStringLiteral("report"));
    EXPECT_EQ(watched.steps(), (std::vector<ReplaceSteps::Step>{{SyncFile, "a.rpt"}, {Rename, "a.rpt"},
                                                                 {SyncDirectory, "a.rpt"}}));
}

// A file put only where nothing is never replaces one that took the name after
// the last look, however the file system puts it there: a rename that does
// not replace, or where it cannot, a hard link, or where there are none, a
// look and a rename. The one there is looked at again.
TEST_F(AtomicFile, AFileThatMustBeNewNeverReplacesOneThatAppearedAfterTheLastLook)
{
    using enum base::ReplaceStep;
    const struct {
        const char* name;
        int renameError; // what the rename without replacing fails with
        int linkError;
        std::vector<base::ReplaceStep> steps; // of a write where nothing is
    } cases[] = {
        {"rename without replacing", 0, 0, {SyncFile, Rename, SyncDirectory}},
        {"no such rename: a link", EINVAL, 0, {SyncFile, Rename, Link, SyncDirectory}},
        {"neither: a look and a rename", ENOSYS, EPERM, {SyncFile, Rename, Link, Rename, SyncDirectory}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool planted : {false, true}) {
            QFile::remove(path("new.rpt"));
            int looks = 0;
            int renames = 0;
            std::vector<base::ReplaceStep> steps;
            const ReplaceSteps watched([&](base::ReplaceStep step, const QString&) {
                steps.push_back(step);
                if (step == Rename && renames++ == 0)
                    return c.renameError;
                return step == Link ? c.linkError : 0;
            });
            const bool written = WriteFileAtomically(path("new.rpt"), "mine", QStringLiteral("report"), [&] {
                if (looks++ > 0)
                    return base::Placing::Abandon; // the second look sees theirs: keep it
                if (planted)
                    WriteBytes(path("new.rpt"), "theirs");
                return base::Placing::OnlyNew;
            });
            EXPECT_EQ(written, !planted);
            EXPECT_EQ(looks, planted ? 2 : 1);
            EXPECT_EQ(ReadBytes(path("new.rpt")), planted ? QByteArray("theirs") : QByteArray("mine"));
            EXPECT_EQ(entries(), QStringList{"new.rpt"});
            if (!planted) {
                EXPECT_EQ(steps, c.steps);
            }
        }
    }
}

// The new file is written to disk before it takes its name, and the directory
// after: each sync is made on the right file, not only asked for.
TEST_F(AtomicFile, TheFileIsSyncedBeforeItTakesItsNameAndTheDirectoryAfter)
{
    struct Synced {
        QString file;
        bool targetThere;
    };
    std::vector<Synced> synced;
    const QString target = path("a.rpt");
    base::SetSyncCall([&](int fd) {
        synced.push_back({QFileInfo(QStringLiteral("/proc/self/fd/%1").arg(fd)).symLinkTarget(), QFile::exists(target)});
        return ::fsync(fd);
    });
    WriteFileAtomically(target, "one\r\n", QStringLiteral("report"));
    base::SetSyncCall({});
    ASSERT_EQ(synced.size(), 2u);
    EXPECT_TRUE(base::IsTemporaryName(QFileInfo(synced[0].file).fileName().toUtf8(), QStringLiteral("rpt")))
        << synced[0].file.toStdString();
    EXPECT_FALSE(synced[0].targetThere);
    EXPECT_EQ(synced[1].file, QFileInfo(dir.path()).canonicalFilePath());
    EXPECT_TRUE(synced[1].targetThere);
}

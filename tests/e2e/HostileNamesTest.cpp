// A report whose file name is not valid text, as another system may leave in a
// shared folder: it is listed, loaded, written back and deleted under its own bytes.
#include "tests/support/WizardDriver.h"

#include "base/Paths.h"

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Paths = ShownWizardDriver;

QByteArray ReadRaw(const QByteArray& path)
{
    std::ifstream file(path.constData(), std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(file), {}));
}

} // namespace

TEST_F(Paths, AReportNamedInBytesThatAreNotTextLoadsSavesBackAndDeletes)
{
    const QByteArray name = "caf\xe9.rpt"; // Latin-1, not UTF-8
    const QByteArray onDisk = base::FileNameBytes(alias.dataDir()) + '/' + name;
    const QByteArray content = bytes(QStringLiteral("callrpt.rpt"));
    const int fd = ::open(onDisk.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, content.constData(), size_t(content.size())), ssize_t(content.size()));
    ::close(fd);
    const QStringList files = reportFiles(); // the others, which stay as they are
    const QString listed = base::FileNameText(name);

    openExisting("RbModify", listed);
    EXPECT_TRUE(modal.texts().isEmpty()) << messages();
    expectSettledOn(1);
    nextTo(10);
    modal.answer(true);
    click("btMakeReport");
    EXPECT_EQ(modal.texts().value(modal.texts().size() - 1), QStringLiteral("Report successfully created."));
    EXPECT_EQ(ReadRaw(onDisk), content);
    EXPECT_EQ(reportFiles(), files);

    backToStart();
    modal.answer(true);
    click("RbDelete");
    pickReport(listed);
    next();
    struct stat info {};
    EXPECT_NE(::lstat(onDisk.constData(), &info), 0);
    EXPECT_EQ(reportFiles(), files);
}

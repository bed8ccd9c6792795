#include "base/DirectoryNames.h"

#include "base/Paths.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace base {

namespace {

thread_local OnePass* currentPass = nullptr;

unsigned char FoldAZ(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b;
}

int OpenDirectory(const QString& directory)
{
    const QByteArray path = directory.isEmpty() ? QByteArray(".") : FileNameBytes(directory);
    return ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

bool EqualFoldingAZ(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && FoldAZ(a[i]) != FoldAZ(b[i]))
            return false;
    return true;
}

DirectoryNames::DirectoryNames(const QString& directory) : DirectoryNames(OpenDirectory(directory)) {}

DirectoryNames::DirectoryNames(int fd) : fd_(fd)
{
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0)
        return;
    device_ = info.st_dev;
    inode_ = info.st_ino;
    read();
}

DirectoryNames::~DirectoryNames()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void DirectoryNames::read()
{
    // The directory's own descriptor stays for opening entries; the walk reads through a second one.
    const int walkFd = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    DIR* dir = walkFd >= 0 ? ::fdopendir(walkFd) : nullptr;
    if (!dir) {
        if (walkFd >= 0)
            ::close(walkFd);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        const QByteArrayView bytes(name);
        entries_.push_back({names_.size(), bytes.size(), entry->d_type});
        names_.append(bytes.data(), bytes.size());
        names_.append('\0');
    }
    ::closedir(dir);
}

std::vector<qsizetype> DirectoryNames::namedFolding(QByteArrayView wanted) const
{
    std::vector<qsizetype> found;
    for (qsizetype i = 0; i < size(); ++i)
        if (EqualFoldingAZ(name(i), wanted))
            found.push_back(i);
    return found;
}

OnePass::OnePass() : outer_(currentPass)
{
    currentPass = this;
}

OnePass::~OnePass()
{
    currentPass = outer_;
}

std::shared_ptr<const DirectoryNames> ReadDirectory(const QString& directory)
{
    const int fd = OpenDirectory(directory);
    if (!currentPass || fd < 0)
        return std::shared_ptr<const DirectoryNames>(new DirectoryNames(fd));
    struct stat info {};
    if (::fstat(fd, &info) == 0) {
        for (const std::shared_ptr<const DirectoryNames>& read : currentPass->read_)
            if (read->device_ == std::uint64_t(info.st_dev) && read->inode_ == std::uint64_t(info.st_ino)) {
                ::close(fd);
                return read;
            }
    }
    std::shared_ptr<const DirectoryNames> names(new DirectoryNames(fd));
    currentPass->read_.push_back(names);
    return names;
}

} // namespace base

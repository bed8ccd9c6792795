#include "base/DirectoryNames.h"

#include "base/Paths.h"

#include <algorithm>
#include <cstring>
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

bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Spellings are looked up only while they are at most this many, and one
// directory entry costs about an eighth of one lookup; directories hold an
// entry in about 32 bytes of their size or less.
constexpr int kMostLetters = 12;
constexpr qint64 kLookupsPerEntry = 8;
constexpr qint64 kBytesPerEntry = 32;

// Each spelling of wanted looked up in the directory open as fd.
std::vector<QByteArray> LookUpSpellings(int fd, QByteArrayView wanted, const std::vector<qsizetype>& letters)
{
    std::vector<QByteArray> found;
    std::vector<std::pair<dev_t, ino_t>> seen;
    QByteArray spelling = wanted.toByteArray();
    for (unsigned mask = 0; mask < (1u << letters.size()); ++mask) {
        for (std::size_t bit = 0; bit < letters.size(); ++bit) {
            const char c = wanted[letters[bit]];
            spelling[letters[bit]] = (mask >> bit) & 1u ? char(c ^ 0x20) : c; // the other case
        }
        struct stat info {};
        if (::fstatat(fd, spelling.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const std::pair<dev_t, ino_t> file{info.st_dev, info.st_ino};
        if (std::find(seen.begin(), seen.end(), file) != seen.end())
            continue;
        seen.push_back(file);
        found.push_back(spelling);
    }
    return found;
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
    // A directory's size is about what its names take; the names are copied into one block that grows by half.
    struct stat info {};
    const qsizetype expected =
        ::fstat(fd_, &info) == 0 && info.st_size > 0 && info.st_size < (qint64(1) << 30) ? qsizetype(info.st_size) : 4096;
    names_.resize(expected);
    entries_.reserve(std::size_t(expected / 16));
    char* out = names_.data();
    qsizetype used = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        const qsizetype length = qsizetype(std::strlen(name));
        if (used + length + 1 > names_.size()) {
            names_.resize(std::max(used + length + 1, names_.size() + names_.size() / 2));
            out = names_.data();
        }
        std::memcpy(out + used, name, std::size_t(length) + 1); // with its NUL
        entries_.push_back({used, length, entry->d_type});
        used += length + 1;
    }
    names_.truncate(used);
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

std::vector<QByteArray> NamesFoldingAZ(const QString& directory, QByteArrayView wanted)
{
    std::vector<qsizetype> letters;
    for (qsizetype i = 0; i < wanted.size(); ++i)
        if (IsAsciiLetter(wanted[i]))
            letters.push_back(i);
    const bool plain = !wanted.isEmpty() && !wanted.contains('\0') && !wanted.contains('/') && wanted != "."
                       && wanted != "..";
    if (plain && !currentPass && letters.size() <= std::size_t(kMostLetters)) {
        const int fd = OpenDirectory(directory);
        struct stat info {};
        if (fd >= 0 && ::fstat(fd, &info) == 0
            && qint64(info.st_size) / kBytesPerEntry > (qint64(1) << letters.size()) * kLookupsPerEntry) {
            std::vector<QByteArray> found = LookUpSpellings(fd, wanted, letters);
            ::close(fd);
            return found;
        }
        if (fd >= 0)
            ::close(fd);
    }
    const std::shared_ptr<const DirectoryNames> names = ReadDirectory(directory);
    std::vector<QByteArray> found;
    for (const qsizetype i : names->namedFolding(wanted))
        found.push_back(names->name(i).toByteArray());
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

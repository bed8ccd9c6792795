#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace base {

// True when a and b are the same bytes once the capitals A to Z are taken as
// small letters, the only letters the host folds in file names. A UTF-8 name
// holds those bytes only as those letters, so this matches what folding the
// decoded names would.
bool EqualFoldingAZ(QByteArrayView a, QByteArrayView b);

// The entries of a directory read in one pass by their bytes: nothing sorted,
// decoded or looked up per entry ("." and ".." left out). The directory stays
// open, so an entry found is opened or removed by its name within it (fd()).
class DirectoryNames {
public:
    // The directory is "" for the current one; one that cannot be read has no entries and fd() -1.
    explicit DirectoryNames(const QString& directory);
    ~DirectoryNames();
    DirectoryNames(const DirectoryNames&) = delete;
    DirectoryNames& operator=(const DirectoryNames&) = delete;

    int fd() const { return fd_; }
    qsizetype size() const { return qsizetype(entries_.size()); }
    // The name's bytes; a NUL follows them, so name(i).data() is a C string.
    QByteArrayView name(qsizetype i) const
    {
        return QByteArrayView(names_.constData() + entries_[std::size_t(i)].offset, entries_[std::size_t(i)].length);
    }
    // The entry's kind as the directory gave it (DT_REG, DT_DIR, DT_UNKNOWN...).
    unsigned char type(qsizetype i) const { return entries_[std::size_t(i)].type; }

    // The entries named wanted with A to Z folded, in the order read.
    std::vector<qsizetype> namedFolding(QByteArrayView wanted) const;

private:
    friend std::shared_ptr<const DirectoryNames> ReadDirectory(const QString& directory);
    explicit DirectoryNames(int fd); // takes fd over, -1 for none
    void read();

    struct Entry {
        qsizetype offset;
        qsizetype length;
        unsigned char type;
    };
    int fd_ = -1;
    std::uint64_t device_ = 0;
    std::uint64_t inode_ = 0;
    QByteArray names_; // every name followed by a NUL
    std::vector<Entry> entries_;
};

// While a OnePass lives on this thread, the directory is read once for every
// ReadDirectory of it (the same directory by any path), as start-up's steps
// want it: each of them looks for names of its own (companion files of the
// working table, stale temporaries), and what one removes or adds is of no
// concern to the next, which takes a name no longer there as gone.
class OnePass {
public:
    OnePass();
    ~OnePass();
    OnePass(const OnePass&) = delete;
    OnePass& operator=(const OnePass&) = delete;

private:
    friend std::shared_ptr<const DirectoryNames> ReadDirectory(const QString& directory);
    OnePass* outer_;
    std::vector<std::shared_ptr<const DirectoryNames>> read_;
};

// The entries of directory: read now, or the reading of it that the OnePass in force holds.
std::shared_ptr<const DirectoryNames> ReadDirectory(const QString& directory);

// The names of directory's entries that equal wanted with A to Z folded, in the
// order found. In a directory far larger (by its size) than the spellings of
// wanted in small and capital letters are many, each spelling is looked up
// instead of reading the directory, so the cost does not grow with the
// directory; spellings that turn out to be one file (a file system that
// ignores letter case, or links) count once, under the first spelling found,
// wanted's own being tried first.
std::vector<QByteArray> NamesFoldingAZ(const QString& directory, QByteArrayView wanted);

} // namespace base

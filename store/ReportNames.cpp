#include "store/ReportNames.h"

#include "base/DirectoryNames.h"
#include "base/EngineError.h"
#include "base/Paths.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <sys/stat.h>

namespace store {

namespace {

enum class Entries { NotDirectories, All };

// The entries of directory whose names equal fileName with A to Z folded, hidden
// ones included; the names keep their bytes (base::FileNameText). The names are
// compared as bytes; only those that match are decoded and looked at.
QStringList EntriesNamed(const QString& directory, const QString& fileName, Entries kind)
{
    const QString wanted = LowerAZ(fileName);
    QStringList found;
    for (const QByteArray& bytes : base::NamesFoldingAZ(directory, base::FileNameBytes(fileName))) {
        const QString name = base::FileNameText(bytes);
        if (LowerAZ(name) != wanted)
            continue;
        struct stat info {};
        const bool isDirectory =
            ::stat(base::FileNameBytes(base::JoinPath(directory, name)).constData(), &info) == 0 && S_ISDIR(info.st_mode);
        if (kind == Entries::All || !isDirectory)
            found << name;
    }
    found.sort();
    return found;
}

} // namespace

QString LowerAZ(const QString& text)
{
    auto isCapital = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    // Names already in small letters, the usual case, are shared rather than copied.
    if (std::none_of(text.begin(), text.end(), isCapital))
        return text;
    QString lower = text;
    for (QChar& c : lower)
        if (isCapital(c))
            c = QChar(c.unicode() + (u'a' - u'A'));
    return lower;
}

bool IsPlainReportName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        const bool digit = c >= u'0' && c <= u'9';
        if (!letter && !digit)
            return false;
    }
    return true;
}

QString ResolveReportName(const QString& directory, const QString& bareName)
{
    const QStringList found = EntriesNamed(directory, bareName, Entries::NotDirectories);
    if (found.isEmpty())
        return bareName;
    if (found.size() > 1)
        throw base::FileError(QCoreApplication::translate(
                                  "ReportFile",
                                  "The report name %1 fits more than one file in %2 (%3); names that differ only in "
                                  "letter case cannot be told apart. Rename or remove all but one of them.")
                                  .arg(bareName, directory, found.join(QStringLiteral(", "))));
    return found.front();
}

bool ReportNameTaken(const QString& directory, const QString& fileName)
{
    struct stat info {};
    return ::lstat(base::FileNameBytes(base::JoinPath(directory, fileName)).constData(), &info) == 0
           || !EntriesNamed(directory, fileName, Entries::All).isEmpty();
}

} // namespace store

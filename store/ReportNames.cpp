#include "ReportNames.h"

#include "EngineError.h"
#include "Paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace store {

namespace {

// The entries of directory whose names equal fileName with A to Z folded.
QStringList EntriesNamed(const QString& directory, const QString& fileName, QDir::Filters filters)
{
    const QString wanted = LowerAZ(fileName);
    QStringList found;
    QDirIterator it(directory.isEmpty() ? QStringLiteral(".") : directory, filters | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        if (LowerAZ(it.fileName()) == wanted)
            found << it.fileName();
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
    const QStringList found = EntriesNamed(directory, bareName, QDir::Files | QDir::System);
    if (found.isEmpty())
        return bareName;
    if (found.size() > 1)
        throw base::EngineError(
            QStringLiteral("The report name %1 fits more than one file in %2 (%3); names that differ only in "
                           "letter case cannot be told apart. Rename or remove all but one of them.")
                .arg(bareName, directory, found.join(QStringLiteral(", "))));
    return found.front();
}

bool ReportNameTaken(const QString& directory, const QString& fileName)
{
    return QFileInfo::exists(base::JoinPath(directory, fileName))
           || !EntriesNamed(directory, fileName, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).isEmpty();
}

} // namespace store

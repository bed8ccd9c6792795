#include "store/report/ReportWords.h"

#include <array>

namespace store {

namespace {

// Each word as written, and in capitals.
template <typename Kind>
struct Word {
    Kind kind;
    const char* written;
    const char* upper;
};

constexpr std::array<Word<ReportType>, 2> kTypeWords = {{
    {ReportType::Contact, "Contact", "CONTACT"},
    {ReportType::Calendar, "Calendar", "CALENDAR"},
}};

constexpr std::array<Word<Category>, 7> kCategoryWords = {{
    {Category::Contact, "Contact", "CONTACT"},
    {Category::Event, "Event", "EVENT"},
    {Category::Note, "Note", "NOTE"},
    {Category::Call, "Call", "CALL"},
    {Category::Letter, "Letter", "LETTER"},
    {Category::Meeting, "Meeting", "MEETING"},
    {Category::Todo, "TO-DO", "TO-DO"},
}};

template <typename Kind, std::size_t N>
QLatin1StringView WordIn(const std::array<Word<Kind>, N>& words, Kind kind)
{
    for (const Word<Kind>& word : words)
        if (word.kind == kind)
            return QLatin1StringView(word.written);
    return {};
}

// A word matches in any letter case: the line in capitals is the word in capitals.
template <typename Kind, std::size_t N>
std::optional<Kind> Named(const std::array<Word<Kind>, N>& words, const QString& line)
{
    const QString upper = line.toUpper();
    for (const Word<Kind>& word : words)
        if (upper == QLatin1StringView(word.upper))
            return word.kind;
    return std::nullopt;
}

} // namespace

QLatin1StringView WordOf(ReportType type)
{
    return WordIn(kTypeWords, type);
}

QLatin1StringView WordOf(Category category)
{
    return WordIn(kCategoryWords, category);
}

std::optional<ReportType> ReportTypeNamed(const QString& line)
{
    return Named(kTypeWords, line);
}

std::optional<Category> CategoryNamed(const QString& line)
{
    return Named(kCategoryWords, line);
}

} // namespace store

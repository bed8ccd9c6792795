#include "store/report/ReportWords.h"

#include <array>
#include <utility>

namespace store {

namespace {

constexpr std::array<std::pair<ReportType, const char*>, 2> kTypeWords = {{
    {ReportType::Contact, "Contact"},
    {ReportType::Calendar, "Calendar"},
}};

constexpr std::array<std::pair<Category, const char*>, 7> kCategoryWords = {{
    {Category::Contact, "Contact"},
    {Category::Event, "Event"},
    {Category::Note, "Note"},
    {Category::Call, "Call"},
    {Category::Letter, "Letter"},
    {Category::Meeting, "Meeting"},
    {Category::Todo, "TO-DO"},
}};

template <typename Kind, std::size_t N>
QLatin1StringView WordIn(const std::array<std::pair<Kind, const char*>, N>& words, Kind kind)
{
    for (const auto& [each, word] : words)
        if (each == kind)
            return QLatin1StringView(word);
    return {};
}

// A word matches in any letter case: the line in capitals is the word in capitals.
template <typename Kind, std::size_t N>
std::optional<Kind> Named(const std::array<std::pair<Kind, const char*>, N>& words, const QString& line)
{
    const QString upper = line.toUpper();
    for (const auto& [kind, word] : words)
        if (upper == QLatin1StringView(word).toString().toUpper())
            return kind;
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

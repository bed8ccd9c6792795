// The preview of the phone list on a CONTACT.DB of a million contacts: the
// full pass (summaries and page count) against a plain scan that decodes every
// field of every record, and against one that decodes only the report's four
// fields (the least any pass can read); the first page's time and the
// process's peak memory.
#include "base/EngineError.h"
#include "bench/BenchData.h"
#include "bench/Benchmarks.h"
#include "bench/Measure.h"
#include "preview/Preview.h"
#include "tools/demodata/DemoData.h"

#include <cstdio>
#include <sys/resource.h>

namespace bench {

namespace {

preview::PreviewField Field(const char* name, int left, int right)
{
    preview::PreviewField field;
    field.name = QString::fromLatin1(name);
    field.header = field.name;
    field.line = 1;
    field.left = left;
    field.right = right;
    return field;
}

// The demo's phone list: CustomID counted, the work phone with dot leaders.
preview::PreviewReport PhoneList()
{
    preview::PreviewReport report;
    report.fields = {Field("CustomID", 1, 25), Field("LastName", 26, 41), Field("FirstName", 42, 57),
                     Field("WorkPhone", 58, 75)};
    report.fields[0].summaries[int(preview::Summary::Count)] = true;
    report.fields[3].leaders = true;
    return report;
}

double PeakMegabytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace

void benchPreview(const Settings& settings)
{
    const DataSet million = cachedDataSet(settings.cache, QStringLiteral("million"), [](const QString& dir) {
        demo::Options options;
        options.contacts = 1000000;
        options.sampleReports = false;
        demo::makeDemoData(dir, options);
    });
    const preview::PreviewReport report = PhoneList();
    const int runs = std::min(settings.runs, 5);

    // The first page alone, before anything else has run in this benchmark.
    int pages = 0;
    preview::PreviewOptions first;
    first.page = [&](const preview::Page&) { return ++pages < 1; };
    const double firstPage = secondsOf([&] { preview::MakePreview(report, million.dataDir(), first); });
    std::printf("preview first page of 1,000,000 contacts: %.1f ms (target < 1000 ms) %s\n", firstPage * 1000,
                firstPage < 1.0 ? "OK" : "SLOW");

    const auto scan = [&](bool reportFields) {
        const px::TableFile table = px::TableFile::open(million.file(QStringLiteral("CONTACT.DB")));
        std::vector<bool> columns;
        if (reportFields) {
            columns.assign(table.header().fields.size(), false);
            for (const preview::PreviewField& field : report.fields)
                for (std::size_t i = 0; i < columns.size(); ++i)
                    columns[i] = columns[i] || table.header().fields[i].name == field.name;
        }
        px::RecordStream stream(table, columns);
        std::vector<px::Value> row;
        std::int64_t rows = 0;
        while (stream.next(row))
            ++rows;
        if (rows != 1000000)
            throw base::EngineError(QStringLiteral("the plain scan read %1 contacts").arg(rows));
    };
    const auto pass = [&] {
        const preview::PreviewResult result = preview::MakePreview(report, million.dataDir(), {});
        if (!result.complete || result.blocks != 1000000)
            throw base::EngineError(QStringLiteral("the preview laid out %1 contacts").arg(result.blocks));
    };
    print(compareTimes(QStringLiteral("preview full pass"), runs, [&] { scan(false); }, pass, 1.3));
    print(compareTimes(QStringLiteral("preview full pass, against a scan of its fields"), runs, [&] { scan(true); },
                       pass, std::nullopt));
    const double peak = PeakMegabytes();
    std::printf("preview peak memory of the process: %.0f MB (target < 200 MB) %s\n", peak,
                peak < 200 ? "OK" : "HIGH");
}

} // namespace bench

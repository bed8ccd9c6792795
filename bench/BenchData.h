#pragma once

#include <QString>
#include <functional>

namespace bench {

// A data set of the benchmarks: an alias directory and the configuration that
// points the alias "OMNIV" at it.
struct DataSet {
    QString root;

    QString dataDir() const { return root + QStringLiteral("/data"); }
    QString configHome() const { return root + QStringLiteral("/config"); } // for XDG_CONFIG_HOME
    QString configPath() const { return configHome() + QStringLiteral("/tabulon/aliases.ini"); }
    QString file(const QString& name) const { return dataDir() + QLatin1Char('/') + name; }
};

// The data set name in the cache folder, made by fill (given the empty data
// directory) when it is not there yet. It is made under a scratch name and
// renamed when complete, so an interrupted run leaves no half data set.
// Throws base::EngineError when it cannot be made.
DataSet cachedDataSet(const QString& cache, const QString& name, const std::function<void(const QString&)>& fill);

// The data set "reports": ReportCount report files of 5 to 30 fields, some
// named in capitals, as files copied from elsewhere have them.
inline constexpr int ReportCount = 10000;
DataSet reportsDataSet(const QString& cache);

// The data set of the office folder: the demo data (about ten files), the
// report LoadSaveReport of 200 fields, and reports more reports as
// reportsDataSet names them, for start-up and load and save in a folder of that size.
inline const QString LoadSaveReport = QStringLiteral("fields200.rpt");
DataSet folderDataSet(const QString& cache, int reports);

// The text of a report definition file with fieldCount field records; number
// varies the description, the type and the fields.
QByteArray reportText(int number, int fieldCount);

} // namespace bench

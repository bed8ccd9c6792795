#pragma once

#include "ui/Modal.h"

#include <QString>
#include <QStringList>

// The benchmarks of tabrep-bench. Each makes its data sets in the cache folder
// when they are missing, prints its figures, and throws base::EngineError when
// it cannot run.
namespace bench {

struct Settings {
    QString cache;        // folder of the data sets
    QString childProgram; // tabrep-bench-child
    int runs = 15;        // timed runs of subject and floor each
};

void benchStartup(const Settings& settings);
void benchListing(const Settings& settings);
void benchCatalogue(const Settings& settings);
void benchLoadSave(const Settings& settings);
void benchLoadGrowth(const Settings& settings);
void benchLayoutView(const Settings& settings);
void benchReportCheck(const Settings& settings);
void benchPreview(const Settings& settings);

// Message boxes and modal dialogs would wait for an answer; during the
// benchmarks each is recorded instead, and a benchmark that showed one fails.
class NoDialogs : public ui::Modal {
public:
    void message(QWidget*, ui::MessageKind, const QString& caption, const QString& text) override;
    bool question(QWidget*, const QString& caption, const QString& text) override;
    int exec(QDialog& dialog) override;

    // Throws base::EngineError naming what was shown since the last check.
    void check(const QString& benchmark);

private:
    QStringList shown_;
};

} // namespace bench

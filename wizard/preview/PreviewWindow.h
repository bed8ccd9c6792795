#pragma once

#include "design/Report.h"
#include "preview/Preview.h"

#include <QDialog>
#include <QList>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QKeyEvent;
class QTimer;

namespace wizard {

class PageView;
class PreviewPass;

// The report laid out on the live contacts, in a window of its own beside the
// page that opened it: a page at a time drawn to scale, the legend of what the
// preview assumes, and what the data says about the columns, with the span
// suggested for a column that cuts values, applied only when asked. It follows
// the design: designChanged() runs the pass again on the report as it then
// stands, stopping the one under way. Escape stops a pass under way, and
// otherwise closes the window.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    struct Source {
        // The report as it stands.
        std::function<design::Report()> report;
        // Gives a field (by its stored name) the span asked for; none when the opener offers no Apply.
        std::function<void(const QString& field, int left, int right)> apply;
    };

    PreviewWindow(QString directory, Source source, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // The design changed: the pass runs again soon on the report as it then stands.
    void designChanged();
    // The pass at once, also on a design that has not changed (the tables may have).
    void runAgain();

    // Pages after these are counted, not kept.
    static constexpr int KeptPages = 200;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void run();
    void addPage(const preview::Page& page);
    void showProgress(const preview::Progress& progress);
    void showResult(const preview::PreviewResult& result);
    void showFailure(const QString& message);
    // Asks for a page (from 0), within those kept.
    void turn(int page);
    void showWanted();
    void zoom(double factor);
    void showFindings(const std::vector<preview::FieldFit>& fits, bool complete);
    void applyPicked();
    void showLegend(const QStringList& notices);

    QString directory_;
    Source source_;
    std::optional<design::Report> shownDesign_;  // the design the pass shown was run on
    preview::PreviewReport report_;  // of the pass shown
    std::vector<preview::FieldFit> fits_;
    QList<preview::Page> pages_;
    int wanted_ = 0;  // the page asked for, from 0
    int pageCount_ = 0;

    PreviewPass* pass_ = nullptr;
    QTimer* soon_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* stop_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    PageView* page_ = nullptr;
    QLabel* legend_ = nullptr;
    QListWidget* findings_ = nullptr;
    QPushButton* apply_ = nullptr;
};

} // namespace wizard

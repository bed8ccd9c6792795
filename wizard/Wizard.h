#pragma once

#include "rules/FieldOrderRules.h"
#include "store/report/ReportVersion.h"
#include "wizard/WizardState.h"
#include "design/HostTables.h"
#include "design/ReportSession.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;
class QWidget;

namespace store {
class Session;
} // namespace store

class QAbstractButton;

namespace wizard {

class PageHooks;
class CategoryPage;
class ColumnsPage;
class ColumnWidthsPage;
class DescriptionPage;
class DetailPage;
class FieldDefinitionsPage;
class FieldOrderPage;
class FieldSelectionPage;
class OperationPage;
class PaperPage;
class PreviewWindow;
class TFrmColumn;
class ReportTypePage;

// The main window's wizard: the eleven pages of the notebook, the bottom bar,
// the Wizard state and the three tables, built into the window that holds it
// (TFrmTabrep, which adds start-up and the shell commands).
class Wizard : public QObject {
    Q_OBJECT
public:
    // Lays the notebook and the bottom bar out in window, which takes them.
    Wizard(store::Session& session, QWidget* window);
    ~Wizard() override;

    // The bottom bar's buttons that run the window's commands, and the page shown.
    QPushButton* slideShowButton() const { return BtnSlideShow; }
    QPushButton* aboutButton() const { return BtnAbout; }
    QPushButton* helpButton() const { return BtnHelp; }
    QPushButton* nextButton() const { return BtnNext; }
    QPushButton* exitButton() const { return btExit; }
    int shownPage() const;

    // The pages by name, the wizard's mode and the page turn (wizard/WizardState.h).
    using enum wizard::Page;
    using Mode = wizard::Mode;
    using PageTurn = wizard::PageTurn;

    // The first page and the bottom bar are built with the window, the other pages
    // when first needed: ensurePage builds one, ensurePages every one not built yet.
    void ensurePage(int index);
    void ensurePages();

    WizardState& state() { return state_; }
    // The tables are those of the alias's directory.
    void setAlias(const QString& alias);
    // The report being designed, from load to save, and its rows in the working table.
    design::ReportSession& report() { return *report_; }
    design::ReportDesign& design() { return report_->rows(); }

    // Page machine.
    void BtnNextClick();
    void BtnPriorClick();
    void SetBook(PageTurn turn);

    // Working table: made anew at start-up, without reading the folder; what an old
    // one left goes with the design's removeLeftovers().
    void CreateDataTable();
    void ClearCustomTable();

    // The file a save writes (ReportFileName, found on disk ignoring letter
    // case) and what this window knows of it: the version it loaded or wrote
    // at that very path, or none, when nothing should be there.
    struct SaveTarget {
        QString path;
        std::optional<store::ReportVersion> known;
    };
    SaveTarget saveTarget() const;
    // Report definition file: written from the pages and the working table to
    // the target; the one way every report is saved. When the file there is
    // not as known (someone else changed, deleted or made it), asks parent's
    // user whether to write over it, at the last look right before the new
    // file takes its place. False when the answer was No: nothing was written.
    bool WriteTheReportFile(QWidget* parent, SaveTarget target);
    bool WriteTheReportFile();
    // The first four lines of a report as the pages hold them.
    design::ReportHead headOfPages();
    // The session takes the head as the pages hold it now: the pages after the
    // head's own, and the column check of the preview's Apply, read it there.
    void shareHead();
    // The same look and question, before anything is written: true when the
    // file is as known or the user chose to write over it (which is then known).
    bool confirmReplacing(QWidget* parent, SaveTarget& target);

    // The preview window of the column-widths and field-definitions pages, on
    // the report as designed (positions typed on the column-widths page
    // included); Apply puts a suggested span into the positions grid and checks
    // the columns.
    void showPreview();
    design::Report reportAsDesigned();
    // The same over the column-width editor's rows, beside it; Apply puts the span into its grid.
    void showEditorPreview(TFrmColumn& editor);

    // Loading an existing report into the pages.
    void LoadConfig();

    // Saving: "Make Report".
    void btMakeReportClick();

    // Start-up's settings of the pages: the product's name as the first page's
    // title, the sales and quote options out of sight, the detail level.
    void setProductName(const QString& name);
    void hideSalesAndQuotes();
    void chooseDetailLevel(bool customerId);
    // The field-selection page, built when first asked for.
    FieldSelectionPage& fieldSelectionPage();

signals:
    // The field-selection page's buttons for the window's dialogs.
    void userFieldsAsked();
    void specialFieldsAsked();

private:
    // A handler run inside the window's error guard, and a button's click that runs one.
    std::function<void()> guarded(void (Wizard::*handler)());
    void onClick(QAbstractButton* button, void (Wizard::*handler)());

    // The pages by kind, built when first asked for.
    OperationPage& operationPage();
    ReportTypePage& reportTypePage();
    CategoryPage& categoryPage();
    DescriptionPage& descriptionPage();
    PaperPage& paperPage();
    DetailPage& detailPage();
    // A field of the field-selection page ticked or unticked: the field order and the columns follow.
    void fieldsPicked();

    // The hooks of a page, built when first asked for.
    wizard::PageHooks& hooksOf(int index);
    void showPage(int index);
    void setNavigationButtons();
    // Steps of the page machine.
    // A new operation of page 0 begins in mode (none: a deletion, which keeps the last).
    void beginOperation(std::optional<Mode> mode);
    // The report chosen on page 0 loaded into the pages; the wizard back on page 0.
    void loadChosenReport();
    void backToOperation();
    bool selectReport(bool deleting);
    void runColumnWidthEditor();
    QStringList orderedFields() const;
    // The path of the report named by ReportFileName.
    QString reportPath() const;
    // Whether to write over what someone else left at path (ChangeSince).
    static bool askToReplace(QWidget* parent, const QString& path, const store::ReportChange& change);

    store::Session& session_;
    QWidget* window_;
    WizardState state_;
    std::array<bool, PageCount> built_{};
    std::array<wizard::PageHooks*, PageCount> hooks_{};
    bool salesAndQuotesHidden_ = false; // for the category page when it is built
    std::optional<bool> startingDetailLevel_; // the detail page's choice when it is built
    std::unique_ptr<design::HostTables> hostTables_;
    std::unique_ptr<design::ReportSession> report_;
    QPointer<PreviewWindow> previewWindow_;

    // Notebook and bottom bar.
    QStackedWidget* Notebook1 = nullptr;
    QLabel* LblDesc = nullptr;
    QPushButton* BtnSlideShow = nullptr;
    QPushButton* BtnAbout = nullptr;
    QPushButton* BtnHelp = nullptr;
    QPushButton* BtnPrior = nullptr;
    QPushButton* BtnNext = nullptr;
    QPushButton* btExit = nullptr;

    // The pages, each owning its controls.
    OperationPage* operation_ = nullptr;
    ReportTypePage* reportType_ = nullptr;
    CategoryPage* category_ = nullptr;
    DescriptionPage* description_ = nullptr;
    PaperPage* paper_ = nullptr;
    DetailPage* detail_ = nullptr;
    FieldSelectionPage* fields_ = nullptr;
    FieldOrderPage* order_ = nullptr;
    ColumnsPage* columns_ = nullptr;
    ColumnWidthsPage* widths_ = nullptr;
    FieldDefinitionsPage* definitions_ = nullptr;

    QWidget* buildPage(int index);
    void buildBottomBar(QVBoxLayout* frame);
};

} // namespace wizard

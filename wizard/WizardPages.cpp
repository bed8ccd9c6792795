// The pages: each built when first needed, reached through the wizard, and
// wired to what follows a change on it (the columns preview, the field count,
// the detail level's CustomID, the layout view under the positions grid).
#include "wizard/Wizard.h"

#include "design/ReportDesign.h"
#include "rules/ColumnLayout.h"
#include "ui/ErrorGuard.h"
#include "wizard/pages/CategoryPage.h"
#include "wizard/pages/ColumnWidthsPage.h"
#include "wizard/pages/ColumnsPage.h"
#include "wizard/pages/DescriptionPage.h"
#include "wizard/pages/DetailPage.h"
#include "wizard/pages/FieldDefinitionsPage.h"
#include "wizard/pages/FieldOrderPage.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "wizard/pages/OperationPage.h"
#include "wizard/pages/PaperPage.h"
#include "wizard/pages/ReportTypePage.h"
#include "wizard/preview/PreviewWindow.h"
#include "wizard/view/ColumnLayoutView.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

void Wizard::ensurePage(int index)
{
    if (built_[index])
        return;
    built_[index] = true;
    QWidget* standIn = Notebook1->widget(index);
    QWidget* page = buildPage(index);
    hooks_[index] = dynamic_cast<wizard::PageHooks*>(page);
    Notebook1->insertWidget(index, page);
    Notebook1->removeWidget(standIn);
    delete standIn;
    // The layout view takes its place in the window's tab order, so its page must be in the window first.
    if (index == Widths)
        addColumnLayoutView();
}

void Wizard::ensurePages()
{
    for (int index = Operation; index < PageCount; ++index)
        ensurePage(index);
}

QWidget* Wizard::buildPage(int index)
{
    switch (index) {
    case Operation: {
        OperationPage::Steps steps;
        steps.begin = std::bind_front(&Wizard::beginOperation, this);
        steps.chooseReport = std::bind_front(&Wizard::selectReport, this);
        steps.load = std::bind_front(&Wizard::loadChosenReport, this);
        steps.stay = std::bind_front(&Wizard::backToOperation, this);
        operation_ = new OperationPage(std::move(steps));
        operation_->setChoiceHandler([this] { fieldSelectionPage().markCatalogueDirty(); });
        return operation_;
    }
    case ReportType:
        reportType_ = new ReportTypePage;
        reportType_->setChoiceHandler([this] { fieldSelectionPage().markCatalogueDirty(); });
        return reportType_;
    case Category:
        category_ = new CategoryPage(*report_, state_.Mode);
        category_->setChoiceHandler([this] { fieldSelectionPage().markCatalogueDirty(); });
        return category_;
    case Description:
        description_ = new DescriptionPage;
        description_->setChangeHandler([this](const QString& text) { LblDesc->setText(text); });
        return description_;
    case Paper:
        return paper_ = new PaperPage;
    case Detail:
        detail_ = new DetailPage;
        detail_->setChoiceHandler([this](bool detailLevel) {
            if (fields_) // the field lists are filled only once built: there is nothing to tick before
                fields_->tickCustomId(detailLevel);
        });
        return detail_;
    case Fields:
        fields_ = new FieldSelectionPage(*report_, *hostTables_, state_.Mode);
        fields_->setPickHandler([this] { fieldsPicked(); });
        fields_->setDialogHandlers([this] { emit specialFieldsAsked(); }, [this] { emit userFieldsAsked(); });
        return fields_;
    case Order:
        order_ = new FieldOrderPage(*report_, state_);
        order_->setDetailLevelHandler([this](bool detailLevel) { columns_->showDetailLevel(detailLevel); });
        return order_;
    case Columns:
        columns_ = new ColumnsPage(state_);
        columns_->setChangeHandler([this] { SetGrid(); });
        return columns_;
    case Widths:
        widths_ = new ColumnWidthsPage;
        widths_->setCheckHandler(guarded(&Wizard::BtnCheckClick));
        widths_->setPreviewHandler(guarded(&Wizard::showPreview));
        widths_->setEditHandler([this] {
            if (previewWindow_)
                previewWindow_->designChanged();
        });
        return widths_;
    default:
        definitions_ = new FieldDefinitionsPage;
        definitions_->setMakeReportHandler(guarded(&Wizard::btMakeReportClick));
        definitions_->setPreviewHandler(guarded(&Wizard::showPreview));
        definitions_->setPickHandler([this] { ui::Guarded(window_, [this] { LBFieldDefsClick(definitions_); }); });
        bindFieldDefinitions();
        return definitions_;
    }
}

std::function<void()> Wizard::guarded(void (Wizard::*handler)())
{
    return [this, handler] { ui::Guarded(window_, [&] { (this->*handler)(); }); };
}

wizard::PageHooks& Wizard::hooksOf(int index)
{
    ensurePage(index);
    return *hooks_[index];
}

OperationPage& Wizard::operationPage()
{
    return *operation_; // built with the window
}

ReportTypePage& Wizard::reportTypePage()
{
    ensurePage(ReportType);
    return *reportType_;
}

CategoryPage& Wizard::categoryPage()
{
    ensurePage(Category);
    return *category_;
}

DescriptionPage& Wizard::descriptionPage()
{
    ensurePage(Description);
    return *description_;
}

PaperPage& Wizard::paperPage()
{
    ensurePage(Paper);
    return *paper_;
}

DetailPage& Wizard::detailPage()
{
    ensurePage(Detail);
    return *detail_;
}

FieldSelectionPage& Wizard::fieldSelectionPage()
{
    ensurePage(Fields);
    return *fields_;
}

QStringList Wizard::orderedFields() const
{
    return order_->orderedFields();
}

void Wizard::SetGrid()
{
    state_.ColumnsGridReady = false;
    const rules::ColumnLayout layout = rules::LayOutColumns(orderedFields(), detailPage().detailLevel(),
                                                              columns_->columnCount(), columns_->previousRows());
    preview_ = layout.cells;
    columns_->showLayout(layout);
    // The message belongs to the pass: the Columns box, losing the focus to the
    // message box, brings its text into range, and that change must not start
    // a second pass (and a second message) inside this one.
    if (layout.limitReached)
        ui::ShowError(window_, rules::RowLimitMessage());
    state_.ColumnsGridReady = true;
}

void Wizard::fieldsPicked()
{
    state_.LayoutDirty = true;
    state_.SelectedCount = order_->fieldCount();
    if (columns_->columnCount() == 1)
        columns_->setColumnCount(state_.SelectedCount);
    SetGrid();
}

// The view draws to the printable width and labels each box as the working
// table's row of its field says; it comes last in the window's tab order,
// after the bottom bar.
void Wizard::addColumnLayoutView()
{
    ColumnLayoutView::Source source;
    source.printableWidth = [this] { return paperPage().printableWidth(); };
    source.labels = [this] {
        QHash<QString, QString> labels;
        ui::Guarded(window_, [&] { labels = design().fieldLabels(report_->eventCategory()); });
        return labels;
    };
    widths_->addLayoutView(std::move(source), btExit);
}

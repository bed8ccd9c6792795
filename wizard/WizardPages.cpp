// The pages: each built when first needed, reached through the wizard, and
// wired to what follows a change on it (the columns preview, the field count,
// the detail level's CustomID, the layout view under the positions grid).
#include "wizard/Wizard.h"

#include "design/ReportDesign.h"
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

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

namespace wizard {

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
        widths_->addLayoutView(btExit);
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
        if (salesAndQuotesHidden_)
            category_->hideSalesAndQuotes();
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
        if (startingDetailLevel_) // before its handler: there is nothing to tick yet
            detail_->chooseDetailLevel(*startingDetailLevel_);
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
        return columns_ = new ColumnsPage(state_, *report_, [this] { return orderedFields(); }, window_);
    case Widths:
        widths_ = new ColumnWidthsPage(state_, *report_, [this] { return orderedFields(); }, window_);
        widths_->setPreviewHandler(guarded(&Wizard::showPreview));
        widths_->setEditHandler([this] {
            if (previewWindow_)
                previewWindow_->designChanged();
        });
        return widths_;
    default:
        definitions_ = new FieldDefinitionsPage(state_, *report_, *hostTables_, [this] { return orderedFields(); },
                                                window_);
        definitions_->setMakeReportHandler(guarded(&Wizard::btMakeReportClick));
        definitions_->setPreviewHandler(guarded(&Wizard::showPreview));
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

void Wizard::fieldsPicked()
{
    state_.LayoutDirty = true;
    state_.SelectedCount = order_->fieldCount();
    columns_->fieldsChanged();
}

} // namespace wizard

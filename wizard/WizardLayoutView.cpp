// The column-widths page's layout view: the positions grid drawn to scale.
#include "wizard/Wizard.h"

#include "design/ReportDesign.h"

#include "wizard/pages/ColumnWidthsPage.h"
#include "wizard/pages/PaperPage.h"
#include "ui/ErrorGuard.h"
#include "rules/FieldLabels.h"

#include <QPushButton>

// The view draws to the printable width and labels each box as the working
// table's row of its field says; it comes last in the window's tab order,
// after the bottom bar.
void Wizard::addColumnLayoutView()
{
    ColumnLayoutView::Source source;
    source.printableWidth = [this] { return paperPage().printableWidth(); };
    source.labels = [this] {
        QHash<QString, QString> labels;
        ui::Guarded(window_, [&] { labels = design().fieldLabels(state_.EventCategory); });
        return labels;
    };
    widths_->addLayoutView(std::move(source), btExit);
}

// The column-widths page's layout view: the positions grid drawn to scale.
#include "wizard/Wizard.h"

#include "wizard/pages/PaperPage.h"
#include "ui/ErrorGuard.h"
#include "ui/SpinEdit.h"
#include "wizard/view/ColumnLayoutView.h"
#include "rules/FieldLabels.h"
#include "ui/DialogKit.h"

#include <QGridLayout>
#include <QPushButton>
#include <QTableWidget>

// The view goes under the positions grid, which gives up the room, across the
// page; it comes last in the window's tab order, after the bottom bar.
void Wizard::addColumnLayoutView()
{
    constexpr int ViewHeight = 104;
    ColumnLayoutView::Source source;
    source.printableWidth = [this] { return paperPage().printableWidth(); };
    source.labels = [this] {
        QHash<QString, QString> labels;
        ui::Guarded(window_, [&] { labels = rules::FieldLabels(TblTRData(), state_.EventCategory); });
        return labels;
    };
    auto* view = new ColumnLayoutView(*sgCol, {}, std::move(source), sgCol->parentWidget());
    view->setFixedHeight(ui::Scaled(ViewHeight));
    sgCol->setFixedHeight(sgCol->height() - ui::Scaled(ViewHeight + 6));
    if (auto* page = qobject_cast<QGridLayout*>(sgCol->parentWidget()->layout()))
        page->addWidget(view, 5, 0, 1, 2);
    QWidget::setTabOrder(btExit, view);
}

#include "wizard/Wizard.h"

#include "ui/ErrorGuard.h"
#include "store/engine/Session.h"
#include "design/ReportSession.h"
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
#include "wizard/pages/PageKit.h"
#include "wizard/preview/PreviewWindow.h"
#include "ui/DialogKit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace wizard {

namespace {

// The notebook has one fixed size: asked for its size, it does not ask every page.
class FixedNotebook : public QStackedWidget {
public:
    using QStackedWidget::QStackedWidget;
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSizeHint() const override { return minimumSize(); }
};

// The bar's description of the report, empty until a report is described or chosen. Empty, it asks its font
// for no size: that would load the font before the first paint, which draws nothing of it. The bar has the
// window's fixed height and gives this label its stretch, so its hint moves nothing then.
class DescriptionLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return text().isEmpty() ? QSize(0, 0) : QLabel::sizeHint(); }
    QSize minimumSizeHint() const override { return text().isEmpty() ? QSize(0, 0) : QLabel::minimumSizeHint(); }
};

} // namespace

Wizard::Wizard(store::Session& session, QWidget* window)
    : QObject(window),
      session_(session),
      window_(window),
      hostTables_(std::make_unique<design::HostTables>(session)),
      report_(std::make_unique<design::ReportSession>(session))
{

    auto* frame = new QVBoxLayout(window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    Notebook1 = new FixedNotebook(window);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->setFixedSize(ui::Scaled(624), ui::Scaled(377));
    // Until a page is needed an empty stand-in holds its place.
    Notebook1->addWidget(buildPage(Operation));
    hooks_[Operation] = operation_;
    for (int index = Operation + 1; index < PageCount; ++index)
        Notebook1->addWidget(new QWidget);
    built_[Operation] = true;
    frame->addWidget(Notebook1);
    buildBottomBar(frame);
}

void Wizard::setAlias(const QString& alias)
{
    hostTables_->setAlias(alias);
    report_->setAlias(alias);
}

Wizard::~Wizard()
{
    delete previewWindow_.data();  // it asks this wizard for the report
}

void Wizard::buildBottomBar(QVBoxLayout* frame)
{
    auto* bar = new QFrame(window_);
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Raised);
    auto* row = new QHBoxLayout(bar);
    LblDesc = new DescriptionLabel(bar);
    LblDesc->setObjectName(QStringLiteral("LblDesc"));
    row->addWidget(LblDesc, 1);
    auto button = [&](QPushButton*& slot, const char* name, const QString& caption) {
        slot = new QPushButton(caption, bar);
        slot->setObjectName(QString::fromLatin1(name));
        slot->setFont(pagekit::Sans(11));
        row->addWidget(slot);
    };
    button(BtnSlideShow, "BtnSlideShow", tr("Slideshow"));
    button(BtnAbout, "BtnAbout", tr("&About"));
    button(BtnHelp, "BtnHelp", tr("&Help"));
    button(BtnPrior, "BtnPrior", tr("&Previous"));
    button(BtnNext, "BtnNext", tr("&Next"));
    button(btExit, "btExit", tr("E&xit"));
    BtnNext->setDefault(true);
    onClick(BtnNext, &Wizard::BtnNextClick);
    onClick(BtnPrior, &Wizard::BtnPriorClick);
    // F1 is the desktop's key for help: it opens the help of the page in view, as Help does.
    connect(new QShortcut(QKeySequence::HelpContents, window_), &QShortcut::activated, BtnHelp, &QPushButton::click);
    frame->addWidget(bar);
}

void Wizard::onClick(QAbstractButton* button, void (Wizard::*handler)())
{
    connect(button, &QAbstractButton::clicked, this, guarded(handler));
}

int Wizard::shownPage() const
{
    return Notebook1->currentIndex();
}

void Wizard::showPage(int index)
{
    ensurePage(index);
    // Where the keyboard was before the turn: on the bar's Next or Previous, or
    // on the page left (Enter in an option or an edit presses Next). The window's
    // own, as a dialog that chose the report may still hold the keyboard.
    const QWidget* focus = Notebook1->window()->focusWidget();
    const bool byKeyboard = focus == BtnNext || focus == BtnPrior
                            || (focus && Notebook1->currentWidget()->isAncestorOf(focus));
    Notebook1->setCurrentIndex(index);
    QWidget* page = Notebook1->currentWidget();
    Notebook1->setAccessibleName(page->accessibleName());
    Notebook1->setAccessibleDescription(page->accessibleDescription());
    // A page turned by the keyboard takes it, on its checked option or its first
    // control, so a screen reader tells the page's name and explanation and where
    // the keyboard is; Enter still presses Next.
    if (byKeyboard)
        ui::FocusInto(page);
}

void Wizard::setNavigationButtons()
{
    const int shown = Notebook1->currentIndex();
    BtnPrior->setEnabled(shown != 0);
    BtnNext->setEnabled(shown != Notebook1->count() - 1);
}

void Wizard::setProductName(const QString& name)
{
    operationPage().setTitle(name);
}

// Start-up's settings of pages not built yet are kept for their building, so the start builds no page it
// does not show.
void Wizard::hideSalesAndQuotes()
{
    salesAndQuotesHidden_ = true;
    if (built_[Category])
        category_->hideSalesAndQuotes();
}

void Wizard::chooseDetailLevel(bool customerId)
{
    if (built_[Detail])
        detail_->chooseDetailLevel(customerId);
    else
        startingDetailLevel_ = customerId;
}

} // namespace wizard

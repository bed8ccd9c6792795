#include "wizard/preview/PreviewWindow.h"

#include "preview/ReportAdapter.h"
#include "ui/Announce.h"
#include "ui/DialogKit.h"
#include "ui/ErrorGuard.h"
#include "wizard/preview/PageView.h"
#include "wizard/preview/PreviewPass.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

namespace wizard {

namespace {

// The suggestion Apply takes: a span holding every value, else one holding most.
const preview::SuggestedSpan* SuggestionOf(const preview::FieldFit& fit)
{
    if (fit.all)
        return &*fit.all;
    return fit.most ? &*fit.most : nullptr;
}

} // namespace

PreviewWindow::PreviewWindow(QString directory, Source source, QWidget* parent)
    : QDialog(parent), directory_(std::move(directory)), source_(std::move(source))
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(tr("Preview"));
    setFont(ui::Sans(11));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    pass_ = new PreviewPass(this);
    soon_ = new QTimer(this);
    soon_->setSingleShot(true);
    soon_->setInterval(250);
    connect(soon_, &QTimer::timeout, this, &PreviewWindow::run);
    connect(pass_, &PreviewPass::pageMade, this, &PreviewWindow::addPage);
    connect(pass_, &PreviewPass::progressed, this, &PreviewWindow::showProgress);
    connect(pass_, &PreviewPass::finished, this, &PreviewWindow::showResult);
    connect(pass_, &PreviewPass::failed, this, &PreviewWindow::showFailure);

    auto* frame = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("PreviewPageNumber"));
    top->addWidget(pageLabel_, 1);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("PreviewProgress"));
    progress_->setAccessibleName(tr("Progress of the preview"));
    top->addWidget(progress_);
    stop_ = new QPushButton(tr("&Stop"), this);
    stop_->setObjectName(QStringLiteral("PreviewStop"));
    connect(stop_, &QPushButton::clicked, pass_, &PreviewPass::stop);
    top->addWidget(stop_);
    struct Step {
        const char* name;
        const char* caption;
        int page; // -2 first, -1 previous, +1 next, +2 last
    };
    const Step steps[] = {{"PreviewFirst", QT_TR_NOOP("&First Page"), -2},
                          {"PreviewPrevious", QT_TR_NOOP("&Previous Page"), -1},
                          {"PreviewNext", QT_TR_NOOP("&Next Page"), 1},
                          {"PreviewLast", QT_TR_NOOP("&Last Page"), 2}};
    for (const Step& step : steps) {
        auto* button = new QPushButton(tr(step.caption), this);
        button->setObjectName(QString::fromLatin1(step.name));
        connect(button, &QPushButton::clicked, this, [this, page = step.page] {
            turn(page == -2 ? 0 : page == 2 ? int(pages_.size()) - 1 : wanted_ + page);
        });
        top->addWidget(button);
    }
    frame->addLayout(top);

    page_ = new PageView(this);
    connect(page_, &PageView::turnAsked, this, [this](PageView::Turn turnTo) {
        switch (turnTo) {
        case PageView::Turn::Previous: turn(wanted_ - 1); break;
        case PageView::Turn::Next: turn(wanted_ + 1); break;
        case PageView::Turn::First: turn(0); break;
        case PageView::Turn::Last: turn(int(pages_.size()) - 1); break;
        }
    });
    page_->setScale(48 * ui::TextScale());
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(page_);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setFocusPolicy(Qt::NoFocus);
    frame->addWidget(scroll_, 3);
    const auto zoomKeys = [this](const QList<QKeySequence>& keys, double factor) {
        for (const QKeySequence& key : keys)
            connect(new QShortcut(key, this), &QShortcut::activated, this, [this, factor] { zoom(factor); });
    };
    zoomKeys({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, 1.25);
    zoomKeys({QKeySequence::ZoomOut}, 0.8);

    legend_ = new QLabel(this);
    legend_->setObjectName(QStringLiteral("PreviewLegend"));
    legend_->setWordWrap(true);
    legend_->setTextFormat(Qt::PlainText);
    legend_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    legend_->setFocusPolicy(Qt::StrongFocus);
    frame->addWidget(legend_);
    auto* findingsLabel = new QLabel(tr("&What the data says about the columns:"), this);
    frame->addWidget(findingsLabel);
    findings_ = new ui::SaysCurrentEntry<QListWidget>(this);
    findings_->setObjectName(QStringLiteral("PreviewFindings"));
    findings_->setAccessibleName(tr("What the data says about the columns"));
    findings_->setWordWrap(true);
    findingsLabel->setBuddy(findings_);
    frame->addWidget(findings_, 1);
    auto* bottom = new QHBoxLayout;
    apply_ = new QPushButton(tr("&Apply Suggested Span"), this);
    apply_->setObjectName(QStringLiteral("PreviewApply"));
    apply_->setEnabled(false);
    apply_->setVisible(bool(source_.apply));
    ui::OnClick(apply_, this, &PreviewWindow::applyPicked);
    connect(findings_, &QListWidget::currentRowChanged, this, [this](int row) {
        apply_->setEnabled(row >= 0 && std::size_t(row) < fits_.size() && SuggestionOf(fits_[std::size_t(row)]));
    });
    bottom->addWidget(apply_);
    bottom->addStretch();
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("PreviewClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    bottom->addWidget(close);
    frame->addLayout(bottom);
    QWidget::setTabOrder(page_, legend_);
    resize(ui::Scaled(640), ui::Scaled(720));
    page_->setFocus();  // the page keys at once
    run();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::designChanged()
{
    soon_->start();
}

void PreviewWindow::runAgain()
{
    shownDesign_.reset();
    run();
}

void PreviewWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && pass_->running())
        pass_->stop();
    else
        QDialog::keyPressEvent(event);
}

void PreviewWindow::run()
{
    soon_->stop();
    std::optional<design::Report> design;
    try {
        design = source_.report();
    } catch (const std::exception& failure) {
        pass_->stop();
        showFailure(QString::fromUtf8(failure.what()));
        return;
    }
    // Reading the design moves the working table's cursor, which is told as a change too.
    if (design == shownDesign_)
        return;
    shownDesign_ = design;
    pass_->stop();
    pages_.clear();
    pageCount_ = 0;
    report_ = preview::PreviewReportOf(*design);
    showFindings({}, false);  // a finding names its field by its place in the report it was made on
    setWindowTitle(tr("Preview: %1").arg(report_.description));
    showLegend({});
    progress_->setRange(0, 0);
    progress_->show();
    stop_->setEnabled(true);
    pass_->start(report_, directory_, KeptPages);
}

void PreviewWindow::addPage(const preview::Page& page)
{
    pages_.append(page);
    pageCount_ = page.number;
    showWanted();
}

void PreviewWindow::showProgress(const preview::Progress& progress)
{
    pageCount_ = std::max(pageCount_, progress.pages);
    if (progress.rowsClaimed > 0) {
        progress_->setRange(0, 1000);
        progress_->setValue(int(std::min<std::int64_t>(1000, progress.rowsRead * 1000 / progress.rowsClaimed)));
    }
    showWanted();
}

void PreviewWindow::showResult(const preview::PreviewResult& result)
{
    pageCount_ = result.pages;
    progress_->hide();
    stop_->setEnabled(false);
    QStringList notices = result.notices;
    if (!result.complete)
        notices << tr("The preview was stopped: the page count and the findings are over the blocks read so far.");
    if (result.pages > KeptPages)
        notices << tr("Only the first %1 pages are kept for viewing.").arg(KeptPages);
    showLegend(notices);
    showFindings(result.fits, result.complete);
    showWanted();
}

void PreviewWindow::showFailure(const QString& message)
{
    progress_->hide();
    stop_->setEnabled(false);
    pages_.clear();
    showLegend({tr("The preview cannot be made: %1").arg(message)});
    showFindings({}, false);
    showWanted();
}

void PreviewWindow::turn(int page)
{
    wanted_ = std::clamp(page, 0, std::max(0, int(pages_.size()) - 1));
    showWanted();
}

void PreviewWindow::showWanted()
{
    if (pages_.isEmpty()) {
        pageLabel_->setText(pass_->running() ? tr("Reading the contacts…") : tr("No page"));
        page_->showPage(report_, {}, pageLabel_->text());
        return;
    }
    // The page asked for stays in view while a new pass brings it again.
    const int shown = std::min(wanted_, int(pages_.size()) - 1);
    const QString count = pass_->running() ? tr("at least %1").arg(pageCount_) : QString::number(pageCount_);
    pageLabel_->setText(tr("Page %1 of %2").arg(shown + 1).arg(count));
    page_->showPage(report_, pages_[shown], pageLabel_->text());
}

void PreviewWindow::zoom(double factor)
{
    page_->setScale(std::clamp(page_->scale() * factor, 24.0, 400.0));
}

void PreviewWindow::showLegend(const QStringList& notices)
{
    legend_->setText((preview::Legend(report_) + notices).join(u'\n'));
    legend_->setAccessibleName(legend_->text());
}

void PreviewWindow::showFindings(const std::vector<preview::FieldFit>& fits, bool complete)
{
    fits_ = fits;
    findings_->clear();
    for (const preview::FieldFit& fit : fits_)
        findings_->addItem(preview::FitSentence(report_, fit));
    if (fits_.empty() && complete)
        findings_->addItem(tr("Every value fits its column."));
    apply_->setEnabled(false);
}

void PreviewWindow::applyPicked()
{
    const int row = findings_->currentRow();
    if (row < 0 || std::size_t(row) >= fits_.size() || !source_.apply)
        return;
    const preview::FieldFit& fit = fits_[std::size_t(row)];
    if (const preview::SuggestedSpan* span = SuggestionOf(fit))
        source_.apply(report_.fields[std::size_t(fit.field)].name, span->left, span->right);
}

} // namespace wizard

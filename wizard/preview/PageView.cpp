#include "wizard/preview/PageView.h"

#include "preview/Paper.h"
#include "wizard/view/ColumnLayoutView.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>

namespace wizard {

PageView::PageView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PreviewPage"));
    setFocusPolicy(Qt::StrongFocus);
    fitSize();
}

void PageView::showPage(const preview::PreviewReport& report, const preview::Page& page, const QString& name)
{
    report_ = report;
    page_ = page;
    setAccessibleName(name);
    setAccessibleDescription(page.lines.join(u'\n'));
    fitSize();
    update();
}

void PageView::setScale(double dotsPerInch)
{
    dpi_ = dotsPerInch;
    fitSize();
    update();
}

void PageView::fitSize()
{
    const preview::Paper paper = preview::PaperOf(report_.width);
    setFixedSize(int(paper.width * dpi_) + 1, int(paper.height * dpi_) + 1);
}

void PageView::paintEvent(QPaintEvent*)
{
    const preview::Paper paper = preview::PaperOf(report_.width);
    QPainter painter(this);
    const QRectF sheet(0, 0, paper.width * dpi_, paper.height * dpi_);
    painter.fillRect(sheet, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(sheet);
    const double left = paper.left * dpi_;
    const double top = paper.top * dpi_;
    const double tenth = dpi_ / 10;
    const double line = dpi_ / 6;
    const double bottom = top + preview::PageLines(report_.width) * line;
    // The printable width, and each placed column's span across the lines.
    painter.fillRect(QRectF(left, top, report_.width * tenth, bottom - top), palette().color(QPalette::AlternateBase));
    // Each span outlined as well, so that columns side by side stay apart.
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.setBrush(BoxFill(palette()));
    for (const preview::PreviewField& field : report_.fields)
        if (field.line > 0 && field.left > 0 && field.right >= field.left && field.right <= report_.width)
            painter.drawRect(QRectF(left + (field.left - 1) * tenth, top, (field.right - field.left + 1) * tenth,
                                    bottom - top));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawLine(QPointF(left, 0), QPointF(left, sheet.height()));
    painter.drawLine(QPointF(left + report_.width * tenth, 0), QPointF(left + report_.width * tenth, sheet.height()));
    // The text, a character every tenth of an inch.
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(std::max(1, int(line * 0.8)));
    const double advance = QFontMetricsF(font).horizontalAdvance(u'M');
    font.setLetterSpacing(QFont::AbsoluteSpacing, tenth - advance);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Text));
    const double ascent = QFontMetricsF(font).ascent();
    for (int i = 0; i < page_.lines.size(); ++i)
        painter.drawText(QPointF(left, top + i * line + (line + ascent) / 2 - 1), page_.lines[i]);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(sheet.adjusted(1, 1, -1, -1));
    }
}

void PageView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageUp: emit turnAsked(Turn::Previous); return;
    case Qt::Key_PageDown: emit turnAsked(Turn::Next); return;
    case Qt::Key_Home: emit turnAsked(Turn::First); return;
    case Qt::Key_End: emit turnAsked(Turn::Last); return;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace wizard

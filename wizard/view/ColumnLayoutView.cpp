#include "wizard/view/ColumnLayoutView.h"

#include "ui/Announce.h"
#include "ui/DialogKit.h"
#include "base/TextNumbers.h"
#include "rules/ColumnCheck.h"
#include "rules/FieldFault.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <utility>

namespace wizard {

using rules::Span;

namespace {

constexpr double Gutter = 20;       // left of the strip, at least: the bands' labels
constexpr double RightPad = 6;
constexpr double RulerHeight = 20;
constexpr double BottomPad = 2;

// The view draws in the palette's colours, so it reads on a light and a dark
// desktop alike; only a fault is the same clear red on both, hatched, so that
// it is not told by its colour alone.
const QColor FaultFill(0xE5, 0x1C, 0x1C);
const QColor FaultEdge(0x80, 0x00, 0x00);
const QColor FaultText(0xFF, 0xFF, 0xFF);

double TickLength(rules::Mark mark)
{
    switch (mark) {
    case rules::Mark::Inch:
        return 10;
    case rules::Mark::HalfInch:
        return 6;
    case rules::Mark::Tenth:
        break;
    }
    return 3;
}

} // namespace

QColor BoxFill(const QPalette& palette)
{
    const QColor paper = palette.color(QPalette::Base);
    const QColor tint = palette.color(QPalette::Highlight);
    return QColor::fromRgbF(paper.redF() + (tint.redF() - paper.redF()) / 3,
                            paper.greenF() + (tint.greenF() - paper.greenF()) / 3,
                            paper.blueF() + (tint.blueF() - paper.blueF()) / 3);
}

ColumnLayoutView::ColumnLayoutView(QAbstractItemView& grid, GridColumns columns, Source source, QWidget* parent)
    : QWidget(parent), grid_(grid), model_(*grid.model()), columns_(columns), source_(std::move(source))
{
    setObjectName(QStringLiteral("LayoutView"));
    setAccessibleName(tr("Column layout"));
    setFocusPolicy(Qt::StrongFocus);
    setFont(ui::Sans(10));
    setMouseTracking(true);
    connect(&model_, &QAbstractItemModel::modelReset, this, &ColumnLayoutView::markStale);
    connect(&model_, &QAbstractItemModel::layoutChanged, this, &ColumnLayoutView::markStale);
    connect(&model_, &QAbstractItemModel::dataChanged, this, &ColumnLayoutView::markStale);
    connect(&model_, &QAbstractItemModel::rowsInserted, this, &ColumnLayoutView::markStale);
    connect(&model_, &QAbstractItemModel::rowsRemoved, this, &ColumnLayoutView::markStale);
    connect(grid_.selectionModel(), &QItemSelectionModel::currentChanged, this, &ColumnLayoutView::selectionMoved);
}

void ColumnLayoutView::markStale()
{
    layout_.reset();
    update();
    describeSoon();
}

void ColumnLayoutView::selectionMoved()
{
    update();
    describeSoon();
}

// Once the grid has finished changing (a grid being filled changes cell by cell),
// the description is made once from the rows read once.
void ColumnLayoutView::describeSoon()
{
    if (describing_)
        return;
    describing_ = true;
    QTimer::singleShot(0, this, &ColumnLayoutView::describe);
}

// What the column check would report for the selected field, in words.
void ColumnLayoutView::describe()
{
    describing_ = false;
    const Layout& current = layout();
    const int row = selectedRow();
    if (row < 0 || row >= current.boxes.size()) {
        setAccessibleDescription(tr("No field is selected."));
        return;
    }
    QList<rules::ColumnRecord> records;
    QStringList names;
    for (const Box& box : current.boxes) {
        records.append({box.line, int(records.size()) + 1, box.span.start, box.span.end});
        names.append(box.field);
    }
    setAccessibleDescription(rules::LayoutFaults(current.scale.width(), records, names, row));
    if (std::exchange(moved_, false) && hasFocus())
        ui::Say(*this, accessibleDescription());
}

const ColumnLayoutView::Layout& ColumnLayoutView::layout() const
{
    if (!layout_)
        layout_ = readRows();
    return *layout_;
}

ColumnLayoutView::Layout ColumnLayoutView::readRows() const
{
    auto number = [this](int row, int column) {
        return base::StrToIntOrZero(model_.data(model_.index(row, column)).toString());
    };
    const int width = source_.printableWidth ? source_.printableWidth() : 1;
    QList<Box> boxes;
    QList<rules::ColumnRecord> records;
    QList<int> lines;
    for (int row = 0; row < model_.rowCount(); ++row) {
        const QString field = model_.data(model_.index(row, columns_.field)).toString();
        Box box{labels_.value(field, field), field, number(row, columns_.line),
                Span{number(row, columns_.start), number(row, columns_.end)}};
        records.append({box.line, row + 1, box.span.start, box.span.end});
        lines.append(box.line);
        boxes.append(box);
    }
    const QList<bool> atFault = rules::FieldsAtFault(width, records);
    for (qsizetype i = 0; i < boxes.size(); ++i)
        boxes[i].atFault = atFault[i];
    rules::Bands bands(std::move(lines), RulerHeight, height() - BottomPad);
    double gutter = Gutter;
    for (qsizetype band = 0; band < bands.count(); ++band)
        gutter = std::max(gutter, fontMetrics().horizontalAdvance(bands.label(band)) + 6.0);
    return Layout{std::move(boxes), rules::TenthsScale(width, gutter, this->width() - RightPad), std::move(bands),
                  gutter};
}

QRectF ColumnLayoutView::boxRect(int row) const
{
    const Layout& current = layout();
    if (row < 0 || row >= current.boxes.size())
        return {};
    const Box& box = current.boxes[row];
    const qsizetype band = current.bands.bandOf(box.line);
    if (band < 0)
        return {};
    const double left = current.scale.boxLeft(box.span);
    const double top = current.bands.top(band) + 2;
    return QRectF(left, top, current.scale.boxRight(box.span) - left, std::max(current.bands.height() - 4, 2.0));
}

int ColumnLayoutView::selectedRow() const
{
    return grid_.currentIndex().isValid() ? grid_.currentIndex().row() : -1;
}

// The box under the point; the selected box lies over the others.
int ColumnLayoutView::boxAt(const QPointF& point) const
{
    if (boxRect(selectedRow()).contains(point))
        return selectedRow();
    for (int row = int(layout().boxes.size()) - 1; row >= 0; --row) {
        if (boxRect(row).contains(point))
            return row;
    }
    return -1;
}

void ColumnLayoutView::select(int row)
{
    const QModelIndex current = grid_.currentIndex();
    const QModelIndex cell = model_.index(row, current.isValid() ? current.column() : columns_.start);
    grid_.setCurrentIndex(cell);
    grid_.scrollTo(cell);
}

// Gives the changed positions to the grid's model as typed text; false when it refused one.
bool ColumnLayoutView::setSpan(int row, const Span& span)
{
    const Span shown = layout().boxes.value(row).span;
    if (span.start != shown.start
        && !model_.setData(model_.index(row, columns_.start), QString::number(span.start)))
        return false;
    return span.end == shown.end || model_.setData(model_.index(row, columns_.end), QString::number(span.end));
}

void ColumnLayoutView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    labels_ = source_.labels ? source_.labels() : QHash<QString, QString>();
    markStale();
}

void ColumnLayoutView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    markStale();
}

void ColumnLayoutView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int row = boxAt(event->position());
    if (row < 0)
        return;
    const QRectF box = boxRect(row);
    drag_ = Drag{row, rules::GripAt(event->position().x(), box.left(), box.right()), layout().boxes[row].span,
                 event->position().x()};
    if (row != selectedRow())
        select(row);
    if (selectedRow() != row)
        drag_.reset();
}

void ColumnLayoutView::mouseMoveEvent(QMouseEvent* event)
{
    const double x = event->position().x();
    if (!drag_) {
        const int row = boxAt(event->position());
        const QRectF box = boxRect(row);
        const bool edge = row >= 0 && rules::GripAt(x, box.left(), box.right()) != rules::Grip::Middle;
        setCursor(edge ? Qt::SizeHorCursor : Qt::ArrowCursor);
        return;
    }
    const rules::TenthsScale& scale = layout().scale;
    const int delta = scale.tenthsBetween(drag_->pressX, x);
    Span span = drag_->pressed;
    switch (drag_->grip) {
    case rules::Grip::Start:
        span = rules::MovedStart(span, delta, scale.width());
        break;
    case rules::Grip::End:
        span = rules::MovedEnd(span, delta, scale.width());
        break;
    case rules::Grip::Middle:
        span = rules::Moved(span, delta, scale.width());
        break;
    }
    if (!setSpan(drag_->row, span))
        drag_.reset();
}

void ColumnLayoutView::mouseReleaseEvent(QMouseEvent* event)
{
    if (drag_)
        speakMove();
    drag_.reset();
    QWidget::mouseReleaseEvent(event);
}

void ColumnLayoutView::keyPressEvent(QKeyEvent* event)
{
    const int row = selectedRow();
    const bool left = event->key() == Qt::Key_Left;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    // Without a selected row there is no box to move.
    if (boxRect(row).isEmpty() || (!left && event->key() != Qt::Key_Right)
        || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier))
        return QWidget::keyPressEvent(event);
    const Span span = layout().boxes[row].span;
    const int step = left ? -1 : 1;
    const int width = layout().scale.width();
    setSpan(row, modifiers == Qt::ShiftModifier ? rules::MovedEnd(span, step, width)
                                                : rules::Moved(span, step, width));
    speakMove();
}

// The words made after a move (or a key that found the box at the edge) are
// spoken, once the grid has taken the move.
void ColumnLayoutView::speakMove()
{
    moved_ = true;
    describeSoon();
}

void ColumnLayoutView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const Layout& current = layout();
    painter.fillRect(rect(), palette().color(QPalette::Base));
    paintBands(painter, current);
    paintRuler(painter, current);
    painter.setFont(font());
    const int selected = selectedRow();
    for (int row = 0; row < current.boxes.size(); ++row) {
        if (row != selected)
            paintBox(painter, current, row);
    }
    paintBox(painter, current, selected);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ColumnLayoutView::paintRuler(QPainter& painter, const Layout& current) const
{
    const rules::TenthsScale& scale = current.scale;
    painter.setFont(ui::Sans(9));
    painter.setPen(palette().color(QPalette::Text));
    const double base = RulerHeight - 1;
    painter.drawLine(QPointF(scale.x(0), base), QPointF(scale.x(scale.width()), base));
    QList<QLineF> ticks;
    for (int boundary = 0; boundary <= scale.width(); ++boundary) {
        const rules::Mark mark = rules::MarkAt(boundary);
        const double x = scale.x(boundary);
        ticks.append(QLineF(x, base - TickLength(mark), x, base));
        if (mark == rules::Mark::Inch && boundary > 0)
            painter.drawText(QPointF(x + 2, base - 6), QString::number(boundary / 10));
    }
    painter.drawLines(ticks);
    painter.setPen(palette().color(QPalette::Mid));
    const double right = scale.x(scale.width());
    painter.drawLine(QPointF(right, RulerHeight), QPointF(right, height()));
}

void ColumnLayoutView::paintBands(QPainter& painter, const Layout& current) const
{
    const rules::Bands& bands = current.bands;
    for (qsizetype band = 0; band < bands.count(); ++band) {
        const QRectF area(0, bands.top(band), width(), bands.height());
        if (band % 2 == 1)
            painter.fillRect(area, palette().color(QPalette::AlternateBase));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(0, area.top(), current.gutter - 4, area.height()), Qt::AlignRight | Qt::AlignVCenter,
                         bands.label(band));
    }
}

void ColumnLayoutView::paintBox(QPainter& painter, const Layout& current, int row) const
{
    const QRectF area = boxRect(row);
    if (area.isEmpty())
        return;
    const Box& box = current.boxes[row];
    const bool selected = row == selectedRow();
    const QRectF frame = area.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(box.atFault ? FaultEdge : palette().color(QPalette::Highlight), selected ? 2.5 : 1));
    painter.setBrush(box.atFault ? FaultFill : BoxFill(palette()));
    painter.drawRect(frame);
    if (box.atFault) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QBrush(FaultEdge, Qt::BDiagPattern));
        painter.drawRect(frame);
    }
    const QRectF text = area.adjusted(3, 0, -3, 0);
    if (text.width() < 6 || text.height() < 8)
        return;
    painter.setPen(box.atFault ? FaultText : palette().color(QPalette::Text));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(box.label, Qt::ElideRight, int(text.width())));
}

} // namespace wizard

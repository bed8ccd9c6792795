#pragma once

#include "rules/LayoutGeometry.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class QAbstractItemModel;
class QPalette;
class QAbstractItemView;
class QPainter;

namespace wizard {

// A column's box: the highlight colour, a third of the way from the paper.
QColor BoxFill(const QPalette& palette);

// The columns of a report drawn to scale across its printable width, from a
// positions grid: a ruler in tenths of an inch, a band per report line in use,
// a box per field from its starting to its ending position (fields without a
// line in a band of their own), red and hatched where the column check finds it
// at fault. Its accessible description says in words what the check finds with
// the selected field, and is spoken again after each move of a box.
// The view follows the grid's model at once.
// Dragging a box's edge or middle, or the arrow keys on the selected box, give
// its positions to the grid's model as typed text, so the grid's own limits,
// messages and writes apply. The grid's current row is the selected box.
class ColumnLayoutView : public QWidget {
    Q_OBJECT
public:
    // Where the grid's model holds each field's name, line and two positions.
    struct GridColumns {
        int field = 0;
        int line = 1;
        int start = 2;
        int end = 3;
    };
    struct Source {
        // The printable width in tenths of an inch, asked each time the rows are read.
        std::function<int()> printableWidth;
        // The box label of each field by the grid's field text, asked each time the
        // view is shown; a field without one is labelled with its field text. The
        // view's words name each field as the grid does.
        std::function<QHash<QString, QString>()> labels;
    };

    ColumnLayoutView(QAbstractItemView& grid, GridColumns columns, Source source, QWidget* parent = nullptr);

    // Where the box of the grid's row is drawn; empty when there is no such row.
    QRectF boxRect(int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Box {
        QString label;
        QString field; // as the grid names it, and so the view's words too
        int line = 0;
        rules::Span span;
        bool atFault = false;
    };
    struct Drag {
        int row = -1;
        rules::Grip grip = rules::Grip::Middle;
        rules::Span pressed;
        double pressX = 0;
    };
    // What the rows give once read: the boxes, the scale, the bands and the
    // room left of the strip for the bands' labels.
    struct Layout {
        QList<Box> boxes;
        rules::TenthsScale scale{1, 0, 1};
        rules::Bands bands{{}, 0, 0};
        double gutter = 0;
    };

    void markStale();
    void selectionMoved();
    void describeSoon();
    void describe();
    void speakMove();
    const Layout& layout() const;
    Layout readRows() const;
    int selectedRow() const;
    int boxAt(const QPointF& point) const;
    void select(int row);
    bool setSpan(int row, const rules::Span& span);
    void paintRuler(QPainter& painter, const Layout& layout) const;
    void paintBands(QPainter& painter, const Layout& layout) const;
    void paintBox(QPainter& painter, const Layout& layout, int row) const;

    QAbstractItemView& grid_;
    QAbstractItemModel& model_;
    GridColumns columns_;
    Source source_;
    QHash<QString, QString> labels_;
    mutable std::optional<Layout> layout_;
    std::optional<Drag> drag_;
    bool describing_ = false;
    bool moved_ = false;  // a box moved since the words were last made
};

} // namespace wizard

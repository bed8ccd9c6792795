#pragma once

#include "preview/PageLayout.h"
#include "preview/PreviewReport.h"

#include <QWidget>

namespace wizard {

// One page of the preview drawn to scale: the paper's edge, the printable
// width, the spans of the report's columns shaded as the layout view shades
// them, and the page's lines in a fixed-pitch font, ten characters and six
// lines an inch. Its accessible description is the page's lines as text, for a
// screen reader. Page Up, Page Down, Home and End ask for another page.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    void showPage(const preview::PreviewReport& report, const preview::Page& page, const QString& name);
    // Dots on the screen per inch of paper.
    void setScale(double dotsPerInch);
    double scale() const { return dpi_; }

    enum class Turn { Previous, Next, First, Last };

signals:
    void turnAsked(PageView::Turn turn);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitSize();

    preview::PreviewReport report_;
    preview::Page page_;
    double dpi_ = 48;
};

} // namespace wizard

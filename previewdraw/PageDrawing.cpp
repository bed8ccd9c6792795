#include "previewdraw/PageDrawing.h"

#include "preview/PageLayout.h"
#include "preview/Paper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace previewdraw {

using preview::Paper;
using preview::PaperOf;

namespace {

// The page's lines at their places: a character every tenth of an inch, a line every sixth.
void DrawPage(QPainter& painter, const preview::Page& page, const Paper& paper, int printableWidth, double dpi)
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // 12 points: a fixed-pitch font of 0.6 em advance then sets 10 characters an inch.
    font.setPixelSize(std::max(1, int(dpi / 6.0)));
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double left = paper.left * dpi;
    const double top = paper.top * dpi;
    // The printable width's edges, faintly.
    painter.setPen(QColor(210, 210, 210));
    const double right = left + printableWidth / 10.0 * dpi;
    painter.drawLine(QPointF(left, top), QPointF(left, top + page.lines.size() * dpi / 6));
    painter.drawLine(QPointF(right, top), QPointF(right, top + page.lines.size() * dpi / 6));
    painter.setPen(Qt::black);
    for (qsizetype l = 0; l < page.lines.size(); ++l) {
        const QString& line = page.lines[l];
        const double baseline = top + (l + 1) * dpi / 6.0 - metrics.descent();
        // Character by character, so the font's own advance cannot move a column.
        for (qsizetype c = 0; c < line.size(); ++c) {
            const QChar ch = line[c];
            if (ch == u' ')
                continue;
            painter.drawText(QPointF(left + c * dpi / 10.0, baseline), ch.isPrint() ? QString(ch) : QStringLiteral("\uFFFD"));
        }
    }
}

class PdfDrawing : public cli::PageDrawing {
public:
    PdfDrawing(const QString& path, int width) : path_(path), width_(width), paper_(PaperOf(width)), writer_(path)
    {
        writer_.setResolution(Dpi);
        writer_.setPageSize(QPageSize(QSizeF(paper_.width, paper_.height), QPageSize::Inch));
        writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer_.setCreator(QStringLiteral("tabrep-report"));
    }

    bool page(const preview::Page& page) override
    {
        if (painter_.isActive() && !writer_.newPage())
            return fail();
        if (!painter_.isActive() && !painter_.begin(&writer_))
            return fail();
        DrawPage(painter_, page, paper_, width_, Dpi);
        return true;
    }

    bool finish() override
    {
        if (failed_)
            return false;
        if (!painter_.isActive() && !painter_.begin(&writer_)) // a report without pages still makes a file
            return fail();
        return painter_.end() || fail();
    }

    QString failure() const override
    {
        return QCoreApplication::translate("ReportTool", "cannot write the PDF file %1").arg(path_);
    }

private:
    static constexpr int Dpi = 720;
    bool fail()
    {
        failed_ = true;
        return false;
    }

    QString path_;
    int width_;
    Paper paper_;
    QPdfWriter writer_;
    QPainter painter_;
    bool failed_ = false;
};

class PngDrawing : public cli::PageDrawing {
public:
    PngDrawing(const QString& directory, int width) : directory_(directory), width_(width), paper_(PaperOf(width)) {}

    bool page(const preview::Page& page) override
    {
        QImage image(int(paper_.width * Dpi), int(paper_.height * Dpi), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::TextAntialiasing);
            DrawPage(painter, page, paper_, width_, Dpi);
        }
        last_ = QDir(directory_).filePath(QStringLiteral("page-%1.png").arg(page.number, 3, 10, QLatin1Char('0')));
        failed_ = !QDir(directory_).exists() || !image.save(last_, "PNG");
        return !failed_;
    }

    bool finish() override { return !failed_; }

    QString failure() const override
    {
        return QCoreApplication::translate("ReportTool", "cannot write the picture %1").arg(last_);
    }

private:
    static constexpr int Dpi = 100;
    QString directory_;
    int width_;
    Paper paper_;
    QString last_;
    bool failed_ = false;
};

} // namespace

std::unique_ptr<cli::PageDrawing> MakeDrawing(const QString& pdf, const QString& pngDirectory, int printableWidth)
{
    if (!pdf.isEmpty())
        return std::make_unique<PdfDrawing>(pdf, printableWidth);
    return std::make_unique<PngDrawing>(pngDirectory, printableWidth);
}

} // namespace previewdraw

#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>

namespace base {
class Error;
}
namespace preview {
struct Page;
}

namespace cli {

// Where the program writes: its output, and its messages about trouble.
struct Streams {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

// The exit status: all is well (every report checked passes), a report fails
// the column check, or a file or directory cannot be read or the command line
// is wrong.
enum ExitStatus { Passed = 0, Failed = 1, Trouble = 2 };

// Draws preview pages into a PDF file or pictures: the drawing program, on Qt
// Gui, makes one; tabrep-report itself, on Qt Core only, hands such a request
// to that program.
class PageDrawing {
public:
    virtual ~PageDrawing() = default;
    virtual bool page(const preview::Page& page) = 0; // false: it failed
    virtual bool finish() = 0;                         // false: it failed
    virtual QString failure() const = 0;               // why, naming the file
};

// Makes the drawing for --pdf FILE or --png DIR (exactly one of them set) of
// pages of a report of that printable width.
using DrawingMaker = std::unique_ptr<PageDrawing> (*)(const QString& pdf, const QString& pngDirectory, int width);

// What the preview command is asked for.
struct PreviewRequest {
    QString file;
    int pages = std::numeric_limits<int>::max();           // printed or drawn
    std::int64_t blocks = std::numeric_limits<std::int64_t>::max(); // laid out
    bool json = false;
    QString pdf;
    QString png;
    DrawingMaker drawing = nullptr; // set when pdf or png is
};

// tabrep-report with its arguments (the program's name left out). Without a
// drawing maker, --pdf and --png are refused: the drawing program has one.
int RunReportTool(const QStringList& arguments, const Streams& streams, DrawingMaker drawing = nullptr);

// Whether the arguments ask for a drawing (preview with --pdf or --png).
bool WantsDrawing(const QStringList& arguments);

// Writes a message about trouble on one line, its texts from files shown visibly;
// a refused field record's sentence and place joined.
void Complain(const Streams& streams, const QString& text);
void Complain(const Streams& streams, const base::Error& error);

// The commands. directory empty: the alias directory.
int ListCommand(const QString& directory, bool json, const Streams& streams);
int ShowCommand(const QString& file, const Streams& streams);
// files empty: every report of the alias directory, in the order of their names.
int CheckCommand(const QStringList& files, const Streams& streams);
int PreviewCommand(const PreviewRequest& request, const Streams& streams);

} // namespace cli

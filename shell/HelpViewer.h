#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

// The program's help: a plain-text help file of topics, each found by its
// context number, and the window that shows one topic.
//
// Help file format (UTF-8 text, "tabrep.hlp" beside the program):
//   - A line "#<number> <title>" ("#" in the first column, the context number
//     in decimal, one or more blanks, the title) starts a topic.
//   - The lines up to the next such line are the topic's text. Consecutive
//     lines join into one paragraph; a blank line ends a paragraph; a line
//     beginning with "- " starts a new line of its own (a list item).
//     Leading and trailing blank lines of a topic are dropped.
//   - Lines before the first topic are comments and are ignored.
//   - When a context number occurs twice, the first topic counts.
namespace help {

struct HelpTopic {
    int context = 0;
    QString title;
    QString text; // paragraphs separated by an empty line, list items by a line break
};

// Every topic of a help file's text, in file order.
std::vector<HelpTopic> ParseHelpText(const QString& content);

// The topic with the context number from the help file at path. Throws
// base::FileError naming the file (and the number) when the file cannot be
// read or has no such topic.
HelpTopic LoadHelpTopic(const QString& path, int context);

// The help context of a wizard page (100 for page 0 up to 800 for page 10);
// none for an index outside 0 to 10.
std::optional<int> HelpContextForPage(int pageIndex);

// Shows a help topic. The program's viewer opens the help window modally;
// tests install one of their own.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showTopic(QWidget* parent, const QString& helpFile, int context) = 0;

    static HelpViewer& current();
    // Installs a replacement (tests); nullptr restores the help window.
    static void install(HelpViewer* viewer);
};

// The help window: the topic's title above its text, and a "Close" button.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(const HelpTopic& topic, QWidget* parent = nullptr);
};

} // namespace help

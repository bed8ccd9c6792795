#include "shell/HelpViewer.h"

#include "base/Error.h"
#include "shell/ProgramFiles.h"
#include "ui/DialogKit.h"
#include "ui/Modal.h"
#include "wizard/pages/PageKit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <iterator>

namespace help {
namespace {

// Joins a topic's lines into paragraphs and list items (see the format in the header).
QString JoinLines(const QStringList& lines)
{
    QString text;
    bool blankSeen = false;
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            blankSeen = !text.isEmpty();
            continue;
        }
        if (!text.isEmpty())
            text += blankSeen ? QStringLiteral("\n\n")
                    : trimmed.startsWith(QLatin1String("- ")) ? QStringLiteral("\n")
                                                               : QStringLiteral(" ");
        text += trimmed;
        blankSeen = false;
    }
    return text;
}

class WindowViewer final : public HelpViewer {
public:
    void showTopic(QWidget* parent, const QString& helpFile, int context) override
    {
        HelpWindow window(LoadHelpTopic(helpFile, context), parent);
        ui::ExecModal(window);
    }
};

WindowViewer windowViewer;
HelpViewer* installed = nullptr;

// Dialogs below the shell (such as Select A Report) ask for help through ui::RequestHelp.
const bool helpRequestsReachTheViewer = (ui::SetHelpHandler([](QWidget* parent, int context) {
                                             HelpViewer::current().showTopic(parent, programfiles::HelpFile(), context);
                                         }),
                                         true);

} // namespace

std::vector<HelpTopic> ParseHelpText(const QString& content)
{
    static const QRegularExpression header(QStringLiteral("^#(\\d{1,9})(?:[ \\t]+(.*))?$"));
    std::vector<HelpTopic> topics;
    QStringList lines;
    auto finish = [&] {
        if (!topics.empty())
            topics.back().text = JoinLines(lines);
        lines.clear();
    };
    for (QString line : content.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const auto match = header.match(line);
        if (match.hasMatch()) {
            finish();
            topics.push_back({match.captured(1).toInt(), match.captured(2).trimmed(), QString()});
        } else {
            lines << line;
        }
    }
    finish();
    return topics;
}

HelpTopic LoadHelpTopic(const QString& path, int context)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw base::FileError(QCoreApplication::translate("HelpViewer", "Help topic %1 cannot be shown: the help file \"%2\" cannot be "
                                               "opened (%3).")
                                    .arg(QString::number(context), shownPath, file.errorString()));
    for (const HelpTopic& topic : ParseHelpText(QString::fromUtf8(file.readAll())))
        if (topic.context == context)
            return topic;
    throw base::FileError(
        QCoreApplication::translate("HelpViewer", "The help file \"%1\" has no topic with the context number %2.").arg(shownPath, QString::number(context)));
}

std::optional<int> HelpContextForPage(int pageIndex)
{
    static constexpr int contexts[] = {100, 200, 300, 400, 500, 550, 600, 650, 700, 750, 800};
    if (pageIndex < 0 || pageIndex >= static_cast<int>(std::size(contexts)))
        return std::nullopt;
    return contexts[pageIndex];
}

HelpViewer& HelpViewer::current()
{
    return installed ? *installed : windowViewer;
}

void HelpViewer::install(HelpViewer* viewer)
{
    installed = viewer;
}

HelpWindow::HelpWindow(const HelpTopic& topic, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Help"));
    setFont(pagekit::Serif(16));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(topic.title, this);
    title->setObjectName(QStringLiteral("LblTopicTitle"));
    title->setFont(pagekit::Serif(22, true));
    title->setWordWrap(true);
    layout->addWidget(title);
    auto* text = new QPlainTextEdit(topic.text, this);
    text->setObjectName(QStringLiteral("TopicText"));
    text->setReadOnly(true);
    // A caret that the arrows move, so a screen reader reads the text line by line.
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text->setAccessibleName(topic.title);
    title->setBuddy(text);
    layout->addWidget(text, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("BtnClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(close);
    layout->addLayout(row);
    text->setFocus();
    resize(ui::Scaled(520), ui::Scaled(420));
}

} // namespace help

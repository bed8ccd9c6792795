// The command line of tabrep-report: which command, its options and files.
#include "cli/ReportTool.h"

#include "base/EngineError.h"
#include "cli/Visible.h"

#include <QCoreApplication>

namespace cli {

namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP("ReportTool", "Usage: tabrep-report list [--json] [DIRECTORY]\n"
                          "       tabrep-report show FILE\n"
                          "       tabrep-report check [FILE...]\n"
                          "       tabrep-report preview FILE [--pages N] [--contacts N]\n"
                          "                             [--json | --pdf PDF | --png DIRECTORY]\n"
                          "       tabrep-report --help | --version\n");

constexpr char kHelp[] = QT_TRANSLATE_NOOP("ReportTool",
    "\n"
    "Lists, shows and checks report definition files (*.rpt) from a terminal, by\n"
    "the report wizard's own rules. It only reads: it never writes a file but the\n"
    "PDF or pictures that preview is asked for.\n"
    "Without a DIRECTORY or FILE it works on the reports in the directory of the\n"
    "database alias OMNIV ($XDG_CONFIG_HOME/tabulon/aliases.ini, or the file\n"
    "that TABREP_ALIASES names).\n"
    "\n"
    "Commands:\n"
    "  list     the reports in the order of the wizard's selection dialog: their\n"
    "           description, type, file name and number of fields, in a table as\n"
    "           wide as the terminal; with --json one JSON object per line and report\n"
    "  show     a report's settings and a table of its fields\n"
    "  check    the wizard's column check on each report, against the report's\n"
    "           own printable width: \"NAME: OK\" or \"NAME: \" and the wizard's message\n"
    "  preview  the report laid out on the alias's CONTACT.DB and EVENT.DB as\n"
    "           the contact manager is expected to print it: text pages, 10\n"
    "           characters and 6 lines an inch; --pages N prints the first N,\n"
    "           --contacts N lays out the first N contacts (or events) only;\n"
    "           --json the fields whose values do not fit, one JSON object a\n"
    "           field; --pdf writes the pages as a PDF, --png one picture a page\n"
    "\n"
    "A FILE not found in the current directory is looked up in the alias directory.\n"
    "Characters of files and names that would act on the terminal are printed as\n"
    "escapes (\\x1b, \\u0085, a backslash doubled); names are taken back as printed.\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "  -V, --version  print the version and exit\n"
    "\n"
    "Exit status: 0 when all is well (every report checked passes, the preview is\n"
    "made), 1 when a report fails the check, 2 when a file or directory cannot be\n"
    "read, a file is no report definition, the output cannot be written or the\n"
    "command line is wrong.\n");

// A text of the program in the desktop's language.
QString Translated(const char* text)
{
    return QCoreApplication::translate("ReportTool", text);
}

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

int Misuse(const Streams& streams, const QString& problem)
{
    Print(streams.err, QStringLiteral("tabrep-report: %1\n").arg(Visible(problem)) + Translated(kUsage)
                           + QCoreApplication::translate("ReportTool", "Try 'tabrep-report --help' for more.\n"));
    return Trouble;
}

} // namespace

namespace {

// A whole number of 0 or more for option, or none.
std::optional<qint64> Count(const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && value >= 0 ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

bool WantsDrawing(const QStringList& arguments)
{
    return arguments.value(0) == QLatin1String("preview")
           && (arguments.contains(QLatin1String("--pdf")) || arguments.contains(QLatin1String("--png")));
}

int RunReportTool(const QStringList& arguments, const Streams& streams, DrawingMaker drawing)
{
    if (arguments.isEmpty())
        return Misuse(streams, QCoreApplication::translate("ReportTool", "a command is needed"));
    const QString command = arguments.front();
    if (command == QLatin1String("-h") || command == QLatin1String("--help")) {
        Print(streams.out, Translated(kUsage) + Translated(kHelp));
        return Passed;
    }
    if (command == QLatin1String("-V") || command == QLatin1String("--version")) {
        Print(streams.out, QStringLiteral("tabrep-report " TABREP_VERSION "\n"));
        return Passed;
    }
    // After the command: its one option, and operands ("--" ends the options).
    bool json = false;
    PreviewRequest request;
    QStringList operands;
    bool options = true;
    const bool preview = command == QLatin1String("preview");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool valued = preview && (argument == QLatin1String("--pages") || argument == QLatin1String("--contacts")
                                        || argument == QLatin1String("--pdf") || argument == QLatin1String("--png"));
        if (options && argument == QLatin1String("--"))
            options = false;
        else if (options && (command == QLatin1String("list") || preview) && argument == QLatin1String("--json"))
            json = true;
        else if (options && valued) {
            if (++i >= arguments.size())
                return Misuse(streams, QCoreApplication::translate("ReportTool", "%1 needs a value").arg(argument));
            const QString& value = arguments[i];
            const std::optional<qint64> count = Count(value);
            if (argument == QLatin1String("--pdf"))
                request.pdf = value;
            else if (argument == QLatin1String("--png"))
                request.png = value;
            else if (!count)
                return Misuse(streams, QCoreApplication::translate("ReportTool", "%1 needs a whole number, not %2")
                                           .arg(argument, value));
            else if (argument == QLatin1String("--pages"))
                request.pages = int(std::min<qint64>(*count, std::numeric_limits<int>::max()));
            else
                request.blocks = *count;
        }
        else if (options && argument.startsWith(u'-') && argument.size() > 1)
            return Misuse(streams, QCoreApplication::translate("ReportTool", "unknown option %1 for %2")
                                           .arg(argument, command));
        else
            operands << argument;
    }
    try {
        if (command == QLatin1String("list") && operands.size() <= 1)
            return ListCommand(operands.value(0), json, streams);
        if (command == QLatin1String("show") && operands.size() == 1)
            return ShowCommand(operands.front(), streams);
        if (command == QLatin1String("check"))
            return CheckCommand(operands, streams);
        if (preview && operands.size() == 1) {
            request.file = operands.front();
            request.json = json;
            const int asked = int(!request.pdf.isEmpty()) + int(!request.png.isEmpty()) + int(json);
            if (asked > 1)
                return Misuse(streams, QCoreApplication::translate("ReportTool", "choose one of --json, --pdf and --png"));
            if (!request.pdf.isEmpty() || !request.png.isEmpty()) {
                if (!drawing) {
                    Complain(streams, QCoreApplication::translate("ReportTool", "the drawing program tabrep-report-draw "
                                                                                "is missing"));
                    return Trouble;
                }
                request.drawing = drawing;
            }
            return PreviewCommand(request, streams);
        }
    } catch (const base::Error& e) {
        Complain(streams, e);
        return Trouble;
    }
    if (command == QLatin1String("list") || command == QLatin1String("show") || preview)
        return Misuse(streams, QCoreApplication::translate("ReportTool", "wrong number of operands for %1").arg(command));
    return Misuse(streams, QCoreApplication::translate("ReportTool", "unknown command %1").arg(command));
}

} // namespace cli

// tabrep-report-draw: tabrep-report's preview drawn as a PDF or as pictures, on
// Qt Gui; tabrep-report hands it the command lines that ask for one.
#include "base/Paths.h"
#include "cli/ReportTool.h"
#include "previewdraw/PageDrawing.h"
#include "translations/Translations.h"

#include <QGuiApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << base::FileNameText(argv[i]);
    // Pages are drawn without a window: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    translations::Install(app);
    const int status = cli::RunReportTool(arguments, cli::Streams{}, &previewdraw::MakeDrawing);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return cli::Trouble;
    return status;
}

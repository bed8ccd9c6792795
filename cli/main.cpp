#include "base/Paths.h"
#include "cli/ReportTool.h"
#include "translations/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <unistd.h>

int main(int argc, char** argv)
{
    // File names keep their bytes, whatever they are.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << base::FileNameText(argv[i]);
    QCoreApplication app(argc, argv);
    translations::Install(app);
    // A PDF or pictures are drawn on Qt Gui, by a program of its own beside this one, so
    // that list, show and check load no more than Qt Core.
    // It stands beside this program in the build tree and in libexec/tabrep when installed.
    if (cli::WantsDrawing(arguments)) {
        const QString here = QCoreApplication::applicationDirPath();
        for (const QString& drawer : {here + QStringLiteral("/tabrep-report-draw"),
                                      here + QStringLiteral("/../libexec/tabrep/tabrep-report-draw")}) {
            const QByteArray path = QFile::encodeName(drawer);
            argv[0] = const_cast<char*>(path.constData());
            ::execv(path.constData(), argv);
        }
        return cli::RunReportTool(arguments, cli::Streams{});
    }
    const int status = cli::RunReportTool(arguments, cli::Streams{});
    // Output that could not be written (a full disk, a closed pipe) is trouble, not success.
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno;
        const QString problem = QCoreApplication::translate("ReportTool", "cannot write the output");
        std::fprintf(stderr, "tabrep-report: %s%s%s\n", problem.toUtf8().constData(), error != 0 ? ": " : "",
                     error != 0 ? std::strerror(error) : "");
        return cli::Trouble;
    }
    return status;
}

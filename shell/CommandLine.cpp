#include "shell/CommandLine.h"

#include <QCoreApplication>

#include <array>

namespace {

// Qt's options, as QGuiApplication, QApplication and the X11 platform take them,
// with one dash or two, those with a value as "-option value" or "-option=value".
constexpr std::array kQtOptionsWithValue{
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowtitle", "title", "qwindowicon", "icon", "session", "display", "name", "style", "stylesheet",
    "qmljsdebugger"};
constexpr std::array kQtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

template <typename Names>
bool IsOneOf(const Names& names, const QString& option)
{
    for (const char* name : names)
        if (option == QLatin1String(name))
            return true;
    return false;
}

} // namespace

CommandLineRequest ReadCommandLine(const QStringList& arguments)
{
    bool help = false;
    bool version = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            help = true;
            continue;
        }
        if (argument == QLatin1String("--version")) {
            version = true;
            continue;
        }
        if (!argument.startsWith(u'-'))
            return CommandLineRequest::Usage;
        const QString option = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = option.indexOf(u'=');
        if (equals >= 0) {
            if (!IsOneOf(kQtOptionsWithValue, option.left(equals)))
                return CommandLineRequest::Usage;
        } else if (IsOneOf(kQtOptionsWithValue, option)) {
            if (++i == arguments.size())
                return CommandLineRequest::Usage;
        } else if (!IsOneOf(kQtFlags, option)) {
            return CommandLineRequest::Usage;
        }
    }
    if (help)
        return CommandLineRequest::Help;
    return version ? CommandLineRequest::Version : CommandLineRequest::RunWizard;
}

QString UsageText()
{
    return QCoreApplication::translate(
        "CommandLine", "Usage: tabrep [-h | --help | --version] [Qt options such as -platform NAME or -style NAME]\n");
}

QString VersionText()
{
    return QStringLiteral("tabrep " TABREP_VERSION "\n");
}

QString HelpText(const QString& aliasFile)
{
    //: %1 is the alias file read, as a path.
    return UsageText() + QCoreApplication::translate("CommandLine", R"(
tabrep is the report wizard of the Omnivale contact manager; its window is
titled "Tabulon Personal". Eleven pages lead to "Make Report", which writes a
report definition file that the contact manager's Reports screen runs; existing
reports can be modified, copied, given new column widths or deleted.

The contact manager's Paradox tables (CONTACT.DB, EVENT.DB, DATABASE.DB) are
found through the database alias OMNIV, defined in the alias file
  $XDG_CONFIG_HOME/tabulon/aliases.ini (by default ~/.config/tabulon/aliases.ini;
  here %1)
one INI section per alias, with the directory on its PATH= line:
  [OMNIV]
  PATH=/home/me/omnivale/data
A relative PATH= is taken against the directory tabrep was started in (from the
desktop's menu, usually the home folder).

Reports are written to that same directory, one NAME.rpt file each (plain text,
names of up to eight characters), beside the working table TRDATA.DB that the
wizard keeps there.

To try the wizard on demo data, make it with tabrep-demo and name an alias
file of its own in TABREP_ALIASES, so a real alias file is left alone:
  tabrep-demo ~/tabrep-demo/data
  printf '[OMNIV]\nPATH=%s\n' ~/tabrep-demo/data > ~/tabrep-demo/aliases.ini
  TABREP_ALIASES=~/tabrep-demo/aliases.ini tabrep

tabrep is a graphical program: without a display it says so and ends with
status 1.

Options:
  -h, --help   print this text and end
  --version    print the version and end
Qt's own options (-platform NAME, -style NAME, -reverse, ...) are passed to Qt.
)").arg(aliasFile);
}

#pragma once

#include <QString>
#include <QStringList>

// What tabrep's command line asks for. It is read before any window exists, so
// --help and --version answer in a terminal without a display. Qt's own options
// (-platform NAME, -style NAME, -reverse, ...) are left for the application.
enum class CommandLineRequest { RunWizard, Help, Version, Usage };

// arguments: the command line without the program's name.
CommandLineRequest ReadCommandLine(const QStringList& arguments);

// The texts written for each request: help and version to standard output, the
// usage (on a refused argument) to standard error. aliasFile is the alias
// configuration file the program reads.
QString HelpText(const QString& aliasFile);
QString VersionText();
QString UsageText();

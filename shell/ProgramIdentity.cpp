#include "shell/ProgramIdentity.h"

#include <QGuiApplication>
#include <QIcon>

void SetProgramIdentity()
{
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tabrep.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("tabrep"));
}

#include "tests/support/TempAlias.h"

#include "store/engine/Session.h"
#include "tools/demodata/DemoData.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TempAlias::TempAlias(Content content, int contacts)
{
    QDir(root_.path()).mkpath(QStringLiteral("data"));
    QDir(root_.path()).mkpath(QStringLiteral("config"));
    writeConfig(QStringLiteral("[OMNIV]\nPATH=%1\n").arg(dataDir()));
    if (content == Content::DemoData) {
        demo::Options options;
        options.contacts = contacts;
        demo::makeDemoData(dataDir(), options);
    }
}

TempAlias::~TempAlias()
{
    store::Session::setDefaultSession(nullptr);
}

QString TempAlias::dataDir() const
{
    return root_.filePath(QStringLiteral("data"));
}

QString TempAlias::configPath() const
{
    return root_.filePath(QStringLiteral("config/aliases.ini"));
}

QString TempAlias::path(const QString& fileName) const
{
    return QDir(dataDir()).filePath(fileName);
}

void TempAlias::writeConfig(const QString& text)
{
    QFile file(configPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ADD_FAILURE() << "cannot write " << configPath().toStdString();
    file.write(text.toUtf8());
    file.close();
    store::Session::setDefaultSession(nullptr);
    session_ = std::make_unique<store::Session>(configPath());
    store::Session::setDefaultSession(session_.get());
}

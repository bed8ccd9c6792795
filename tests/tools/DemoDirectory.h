#pragma once

#include "store/paradox/PxTable.h"
#include "tools/demodata/DemoData.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// One demo directory shared by the tests of a suite: made once, read many times.
class DemoDirectory {
public:
    explicit DemoDirectory(const demo::Options& options) : dir_(std::make_unique<QTemporaryDir>())
    {
        demo::makeDemoData(dir_->path(), options);
    }

    QString path(const QString& name) const { return QDir(dir_->path()).filePath(name); }
    QString directory() const { return dir_->path(); }

    QStringList fieldNames(const QString& table) const
    {
        QStringList names;
        const px::TableFile file = px::TableFile::open(path(table));
        for (const px::FieldDesc& field : file.header().fields)
            names << field.name;
        return names;
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

#pragma once

#include "base/EngineError.h"
#include "store/WorkingTable.h"
#include "store/engine/Session.h"
#include "store/engine/Table.h"
#include "store/engine/TableLock.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/TempAlias.h"

#include <QFileInfo>
#include <QVariant>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// Every operating-system lock granted for its lifetime, as on a mount whose locks stay on one machine.
struct LocksStayOnOneMachine {
    LocksStayOnOneMachine() { store::detail::TableLock::setLocksStayOnOneMachine(true); }
    ~LocksStayOnOneMachine() { store::detail::TableLock::setLocksStayOnOneMachine(false); }
    LocksStayOnOneMachine(const LocksStayOnOneMachine&) = delete;
    LocksStayOnOneMachine& operator=(const LocksStayOnOneMachine&) = delete;
};

// An empty alias directory with a fresh working table in it.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store::Table maker(session());
        store::RecreateWorkingTable(maker, QStringLiteral("OMNIV"));
    }

    store::Session& session() { return alias_.session(); }
    QString path(const QString& fileName) const { return alias_.path(fileName); }
    QString configPath() const { return alias_.configPath(); }
    // The path by which the engine names a table in its messages.
    QString tablePath(const QString& fileName) const
    {
        return QFileInfo(alias_.dataDir()).canonicalFilePath() + u'/' + fileName;
    }

    // A cursor on the working table, open.
    std::unique_ptr<store::Table> openWorkingTable(bool exclusive = false, store::Session* in = nullptr)
    {
        auto table = std::make_unique<store::Table>(in ? *in : session());
        table->SetDatabaseName(QStringLiteral("OMNIV"));
        table->SetTableName(store::WorkingTableName);
        table->SetExclusive(exclusive);
        table->Open();
        return table;
    }

    // Inserts and posts a row with Field, Order and, when given, Line.
    static void addRow(store::Table& table, const QString& field, int order,
                       std::optional<int> line = std::nullopt)
    {
        table.Insert();
        table.FieldByName(QStringLiteral("Field")).SetAsString(field);
        table.FieldByName(QStringLiteral("Order")).SetAsInteger(order);
        if (line)
            table.FieldByName(QStringLiteral("Line")).SetAsInteger(*line);
        table.Post();
    }

    // The Field column of every row, walked from the first under the active index.
    static QStringList fieldsInOrder(store::Table& table)
    {
        QStringList fields;
        for (table.First(); !table.Eof(); table.Next())
            fields << table.FieldByName(QStringLiteral("Field")).AsString();
        return fields;
    }

    // The text of the engine error that f throws, or "(no error)".
    template <typename F>
    static QString errorOf(F&& f)
    {
        try {
            f();
        } catch (const base::EngineError& e) {
            return e.text();
        }
        return QStringLiteral("(no error)");
    }

private:
    TempAlias alias_{TempAlias::Content::Empty};
};

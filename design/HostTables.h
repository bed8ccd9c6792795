#pragma once

#include "rules/SummaryRules.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace store {
class Session;
class Table;
} // namespace store

namespace design {

// The contact manager's own tables of the alias directory, which the wizard
// only reads: the fields a report may hold come from CONTACT.DB, and EVENT.DB
// must be there too.
class HostTables {
public:
    explicit HostTables(store::Session& session);
    ~HostTables();

    void setAlias(const QString& alias);
    // The names of CONTACT.DB's fields in its order, once both tables opened;
    // both are closed again.
    QStringList contactFieldNames();
    // What a field of CONTACT.DB (any letter case) holds, none when it has no
    // such field. The table stays open.
    std::optional<rules::ValueKind> contactFieldKind(const QString& name);

private:
    std::unique_ptr<store::Table> contact_;
    std::unique_ptr<store::Table> events_;
};

// The user fields of the contact manager's databases in DATABASE.DB of the
// alias directory, one record a database: its name in column "DB", the label
// of each user field in the column of that field's name. Opening reads at most
// `most` records (and whether there are more); engine errors pass to the caller.
class UserFieldLabels {
public:
    UserFieldLabels(store::Session& session, const QString& alias, int most);
    ~UserFieldLabels();

    QString path() const { return path_; }
    int count() const;             // records read, at most `most`
    bool more() const { return more_; } // the table holds more
    // The text of a column (any letter case) of the record; a missing column
    // is the engine's error.
    QString value(int record, const QString& column);

private:
    std::unique_ptr<store::Table> table_;
    QString path_;
    std::vector<QStringList> records_; // the columns' texts
    bool more_ = false;
};

} // namespace design

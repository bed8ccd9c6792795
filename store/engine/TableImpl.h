#pragma once

#include "store/engine/SharedTable.h"
#include "store/engine/Table.h"
#include "store/engine/ValueConversion.h"

#include <map>
#include <memory>

namespace store {

// A cursor's own state: where its table is, its position in the active index's
// order, the row being edited or inserted, and its column constraints.
struct Table::Impl {
    struct Constraint {
        bool required = false;
        std::optional<std::pair<double, double>> range;
        QString label;
    };

    Impl(Table* owner, Session& s) : q(owner), session(s) {}

    Table* q;
    Session& session;
    QString alias;
    QString tableName;
    bool exclusive = false;
    std::vector<FieldDef> fieldDefs;
    std::vector<IndexDef> indexDefs;
    QString indexName;
    std::map<QString, Constraint> constraints; // by upper-case column name
    // The open table's constraint of each column, found by name once.
    mutable std::vector<const Constraint*> columnConstraints;
    mutable bool constraintsResolved = false;
    int disableCount = 0;

    std::shared_ptr<SharedTable> shared; // while open
    bool openedExclusive = false;
    TableState state = TableState::Inactive;

    // The active index and the rows' positions in its order.
    std::vector<int> indexColumns; // empty: stored order (a table without a key)
    bool indexCaseInsensitive = false;
    std::vector<int> tieColumns; // a secondary index's equal rows go in primary-key order
    std::vector<int> order;
    quint64 orderVersion = 0;
    bool orderBuilt = false;

    // The current row: its place in order and its id. Until a cursor needs rows it
    // is not positioned; it then stands on the first row.
    bool positioned = false;
    int pos = 0;
    quint64 currentId = 0;
    bool eof = true;

    // The pending edit or insert.
    std::vector<px::Value> buffer;
    bool modified = false;
    quint64 editId = 0;
    struct Place {
        int pos = 0;
        quint64 id = 0;
        bool eof = true;
    } beforeInsert;

    void announce();
    // Holds announcements back while an operation runs its steps, so that bound
    // controls hear of it once, when it is complete.
    struct Quiet {
        explicit Quiet(Impl& impl) : d(impl) { ++d.disableCount; }
        ~Quiet() { --d.disableCount; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;
        Impl& d;
    };
    void requireActive() const;
    void requireInactive() const;
    void requireColumn(int column) const;
    QString path() const;

    // Rows read, order current, position resolved (keeping the current row when the rows changed).
    // Rebuilding the order costs a sort, so changes leave it to the next move or question of position.
    void sync();
    void moveTo(int position);
    const detail::Row* currentRow();
    void selectIndex(const QString& name);
    // As the host engine does before a move: a changed pending row is posted, an
    // unchanged one dropped. Announces nothing; true when there was a pending row.
    bool checkBrowseMode();

    detail::Column columnOf(int column) const;
    QString displayName(int column) const;
    const Constraint* constraintOf(int column) const;
    px::Value read(int column);
    void write(int column, const px::Value& value);
};

} // namespace store

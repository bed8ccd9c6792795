#pragma once

#include "store/engine/FieldType.h"
#include "store/paradox/PxValue.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>
#include <optional>
#include <vector>

namespace store {

class Session;
class SharedTable;
class Table;

struct FieldDef {
    QString name;
    FieldType type = FieldType::ftUnknown;
    int size = 0;          // characters for ftString, bytes for ftBytes, the leading part kept in the
                           // record for memo and blob kinds (1 to 240), decimals for ftBCD; 0 for the others
    bool required = false;
};

struct IndexDef {
    QString name;          // the primary index may be named; it is chosen with an empty index name
    QString fields;        // column names joined by ";"
    bool primary = false;
    bool unique = false;
    bool caseInsensitive = false;
};

enum class TableState { Inactive, Browse, Edit, Insert };

// What creating a table does with the files a former table of that name and killed
// writers left: remove them, or leave them to RemoveLeftovers (both read the whole
// directory; the new table reads none of those files).
enum class Leftovers { Remove, Later };

// A column of the table's current row, found by name in any letter case.
// Reading: no value reads as "", 0 and false. Writing puts the table into edit
// state when it is browsing, and is refused with the engine's messages.
class Field {
public:
    Field(Table* table, int column) : table_(table), column_(column) {}

    QString FieldName() const;
    FieldType DataType() const;
    int Size() const;              // characters of a text column, bytes of a bytes column; else 0

    bool IsNull() const;
    QString AsString() const;
    int AsInteger() const;
    bool AsBoolean() const;

    // Text is converted by the column's type: decimal (or "$" hexadecimal) integer
    // syntax; for a logical, compared without regard to case with as many leading
    // characters of "False", then "True"; empty text stores no value. Text columns
    // keep at most their size in characters.
    void SetAsString(const QString& text);
    void SetAsInteger(int value);
    void SetAsBoolean(bool value);
    void Clear();

private:
    Table* table_;
    int column_;
};

// A cursor on one Paradox table, reached through a database alias: the table
// component of the host's database engine. Cursors of one session on the same
// table share its rows. Only tables this session created may be changed; the
// host's tables are read. Changes are kept in memory, where every cursor of the
// session sees them at once; the table on disk is written whole by FlushBuffers
// and when its last cursor closes.
// Errors throw base::EngineError with the engine's texts:
//   "'%s' is not a valid integer value for field '%s'"
//   "'%s' is not a valid boolean value for field '%s'"
//   "Field '%s' must have a value"
//   "%g is not a valid value for field '%s'. The allowed range is %g to %g"
//   "Key violation." for a second row with the same primary key.
class Table : public QObject {
    Q_OBJECT
public:
    explicit Table(Session& session, QObject* parent = nullptr);
    ~Table() override;

    // Where the table is: the alias's directory and the file name in it.
    void SetDatabaseName(const QString& alias);
    QString DatabaseName() const;
    void SetTableName(const QString& name);
    QString TableName() const;
    // Only while closed. An exclusive open keeps other programs and sessions out;
    // cursors of this session share the hold.
    void SetExclusive(bool exclusive);
    bool Exclusive() const;
    QString filePath() const;            // alias directory joined with the table name
    Session& session() const;            // for another cursor on the same rows

    // Definitions used by CreateTable; filled from the file when the table opens.
    std::vector<FieldDef>& FieldDefs();
    std::vector<IndexDef>& IndexDefs();
    void CreateTable(Leftovers leftovers = Leftovers::Remove); // replaces a table of that name; leaves it closed
    // Removes what CreateTable(Leftovers::Later) left, holding the table exclusively for that while;
    // throws base::EngineError, removing nothing, when another program holds it.
    void RemoveLeftovers();
    void DeleteTable();                  // the table and its companion files; a missing table is an error

    void Open();                         // reads the header only (rows when first needed); no effect when open
    void Close();                        // a pending edit is cancelled
    bool Active() const;

    // Field list of the open table, in the table's order.
    int FieldCount() const;
    Field Fields(int index);
    Field FieldByName(const QString& name);             // any letter case; error when missing
    std::optional<FieldType> FieldTypeOf(const QString& name) const; // any letter case

    // Per-cursor constraints on a column by name (used by the bound grid of the width
    // editor), kept while the cursor closes and opens. A range of 0 to 0 is none.
    void SetRequired(const QString& name, bool required);
    void SetRange(const QString& name, double minValue, double maxValue);
    void SetDisplayLabel(const QString& name, const QString& label);

    // Navigation, in the order of the active index. Changing the index or moving posts a
    // pending edit (an untouched one is dropped).
    // "" chooses the primary index; a name set while closed is checked at Open.
    void SetIndexName(const QString& name);
    QString IndexName() const;
    void First();
    void Next();
    bool Eof() const;
    int RecordCount() const;
    int RecNo() const;                                  // 1-based position, 0 when empty
    void SetRecNo(int recNo);
    // Exact match (letter case included) on the primary key, whatever index is
    // active; the cursor goes to the row, or stays put when there is none.
    bool FindKey(const QVariantList& key);
    void Refresh();                                     // re-reads the shared rows, staying on the current one

    // Editing. Insert starts a new, empty row that is stored only by Post; Post
    // checks the required columns and the key. Delete drops a pending change and
    // removes the current row; the next row becomes current (at the end: Eof).
    void Edit();
    void Insert();
    void Post();
    void Cancel();
    void Delete();
    void EmptyTable();                   // deletes every row; a pending change is dropped
    // Writes the table to disk when its rows changed since it was last written.
    void FlushBuffers();
    TableState State() const;
    bool Modified() const;

    // Bound controls: while disabled, changes are not announced.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const;

signals:
    // The current row moved, or its values or the table's rows changed.
    void changed();

private:
    friend class Field;
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Keeps a table's bound controls quiet for its lifetime; they hear of the changes once, at its end.
class ControlsDisabled {
public:
    explicit ControlsDisabled(Table& table) : table_(table) { table_.DisableControls(); }
    ~ControlsDisabled() { table_.EnableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    Table& table_;
};

} // namespace store

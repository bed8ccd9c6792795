#pragma once

#include "design/FieldGridModel.h"
#include "store/WorkingColumns.h"
#include "store/engine/Table.h"
#include "store/report/FieldRow.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace store {
class FieldRecords;
class Session;
} // namespace store

namespace design {

// The report being designed, one typed row per field, kept in the working
// table (TRDATA.DB in the alias directory), which stays on disk in step with
// the pages. This and the engine are the only code that moves the table's
// cursor or names its columns. Engine errors pass to the caller with the
// engine's texts.
class ReportDesign : public QObject {
    Q_OBJECT
public:
    // A design over a cursor on the working table, which the caller keeps.
    explicit ReportDesign(store::Table& table, QObject* parent = nullptr);
    // A design over a cursor of its own on the working table of alias. The
    // session's cursors share its rows (what one stores, the other sees); an
    // exclusive one keeps other programs out while it is open.
    enum class Hold { Shared, Exclusive };
    ReportDesign(store::Session& session, const QString& alias, Hold hold = Hold::Shared, QObject* parent = nullptr);
    // The working table is that of the alias's directory.
    void setAlias(const QString& alias);
    ~ReportDesign() override;

    // The column-width editor's view: the rows in the report's order; a row
    // stored must have its Field, Line and positions, Line 1 to 9, positions 1
    // to 300; the engine's messages name each column by its title. Opened, and
    // written whole to disk so that both views start from it.
    void openForColumnWidths(const QList<std::pair<store::WorkingColumn, QString>>& titles);
    bool isOpen() const;
    void open();
    // Stores the current row's pending edit, if any.
    void storeEdit();
    // The place of the current row, from 1; 0 when there is none.
    int currentRow() const;
    // Throws away any old working table and creates it anew in the alias
    // directory, empty and closed; with Later, what an old table and killed
    // writers left stays until removeLeftovers().
    void recreate(const QString& alias, store::Leftovers leftovers = store::Leftovers::Remove);
    // Throws base::EngineError, removing nothing, when another program holds the table.
    void removeLeftovers();
    // Opens the table when closed, drops a pending edit and every row.
    void clear();
    // Writes the rows to disk when they changed since last written; throws,
    // writing nothing, when another copy of the program replaced the table on
    // disk or took its lock over (a closed table passes that look).
    void flush();
    // At the end of the program: closes the table (what it holds is written
    // first) and removes its lock file when nobody else holds it. Never throws.
    void close();
    // Reads the rows anew, as another cursor on the table left them.
    void refresh();
    int rowCount() const;
    // Whether the current row has an edit not yet stored.
    bool editing() const;
    // Another copy of the program replaced the table or took its lock over:
    // nothing is written to it any more, and the rows stay only in memory.
    bool lost();

    // The rows in the report's order (by line, then order); a pending edit is
    // stored first. The cursor is left after the last row, on that order.
    std::vector<store::FieldRow> rowsInReportOrder();

    // Fields chosen on the field-selection page: the row of field gets the data
    // side (0 contact, 1 event); a field without a row gets one, its name as
    // header, placed after the rows there are.
    void recordDataSide(const QString& field, int side);
    // The field-order page: each entry of the order list, as the list shows
    // it, gets its place from 1. An entry is the name of its row, or an event
    // field's display name in eventCategory; an entry that is both (a contact
    // field named like an event field's display name) takes the first of the
    // two rows not numbered yet. Entries without a row are passed over.
    void numberFields(const QStringList& entries, const QString& eventCategory);
    // The column-widths page: the row of key (made with header and order when
    // it has none) gets its line and positions, as typed; a text the engine
    // refuses leaves no row half-edited.
    struct Placement {
        QString key;
        QString header;
        int order = 0;
        QString line;
        QString start;
        QString end;
    };
    void place(const Placement& placement);

    // Loading a report: each record read becomes a row, seen is told of it
    // first; a record the table refuses ends the load with
    // FieldRecordFailure's message naming path, the rows before it kept; bound
    // controls hear of it once. The rows reach the disk at the next moment
    // that needs them there (flush, the column-width editor's view, close),
    // not at the end of every load. Returns the rows stored, in file order.
    std::vector<store::FieldRow> load(store::FieldRecords& records, const QString& path,
                                      const std::function<void(const store::FieldRow&)>& seen);

    // The field-definitions page's current field, edited in place.
    bool goTo(const QString& field);               // by its name; stays put when it has no row
    std::optional<store::FieldRow> current() const; // none when the table has no row to show
    void setCurrentHeader(const QString& header);  // nothing when there is no row
    void setCurrentFlag(store::FieldFlag flag, bool on);

    // The column check on the rows: the margin rules over them as the cursor
    // walks, then the overlap rule in the report's order, in which the cursor
    // is left. Bound controls stay quiet while it runs.
    QString columnCheckFailure(int maximum);
    // Each field's label as the column layout shows it (see rules' FieldLabels),
    // a row being edited with what is typed. The cursor stays on its row.
    QHash<QString, QString> fieldLabels(const QString& eventCategory);

    // The column-width editor's grid over the rows, owned by parent.
    FieldGridModel* gridModel(QList<GridColumn> columns, QObject* parent);

signals:
    // The current row moved, or its values or the rows changed.
    void changed();

private:
    std::unique_ptr<store::Table> own_;
    store::Table& table_;
};

} // namespace design

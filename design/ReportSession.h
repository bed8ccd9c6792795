#pragma once

#include "design/Report.h"
#include "design/ReportDesign.h"
#include "rules/ColumnLayout.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace store {
class Session;
class ReportReader;
} // namespace store

namespace design {

// The fields ticked on the field-selection page, as its two lists hold them:
// the contact fields, and the event fields by the names shown for them.
struct FieldPick {
    QStringList contacts;
    QStringList events;

    bool empty() const { return contacts.isEmpty() && events.isEmpty(); }
};

// The report being designed, from load to save: its rows mirrored in the
// working table TRDATA.DB of the alias (rows(), the table that the pages and
// the column-width editor edit, written to disk when the editor's second view
// opens, before a report is written and at the end; a load only stores rows),
// the file it was loaded from or saved to last with that file's version, which
// the guarded save compares, and the report as one value whenever asked.
class ReportSession : public QObject {
    Q_OBJECT
public:
    // Over a working table held exclusively, once the alias is set.
    explicit ReportSession(store::Session& session, QObject* parent = nullptr);
    ~ReportSession() override;

    void setAlias(const QString& alias);
    // The rows, in the working table.
    ReportDesign& rows() { return rows_; }

    // The report as it stands now: head as the pages hold it, the rows in the
    // report's order (a pending edit stored first).
    Report report(const ReportHead& head);
    // The head as the pages held it at the last page turn or load: what the
    // pages after the head's own read of it (printable width, detail level,
    // type, category).
    const ReportHead& head() const { return head_; }
    void setHead(const ReportHead& head);
    // The fields as laid out last over the columns (the columns page's
    // preview): what default positions are given from.
    const rules::ColumnLayout& columnLayout() const { return columnLayout_; }
    void setColumnLayout(rules::ColumnLayout layout) { columnLayout_ = std::move(layout); }
    // The event category whose fields the field lists offer ("GENERIC", "CALL",
    // "LETTER", "MEETING", "TO-DO", "NOTE", or empty before any): the report's
    // event fields are named in its tables by it.
    const QString& eventCategory() const { return eventCategory_; }
    void setEventCategory(const QString& category) { eventCategory_ = category; }
    // The fields ticked when the field-selection page was left last: the field
    // order is built of them.
    const FieldPick& pick() const { return pick_; }
    void setPick(FieldPick pick) { pick_ = std::move(pick); }

    // Reads the field records that follow line 5 of the reader's file at path
    // into the working table (see ReportDesign::load), count as
    // store::FieldCountOf gives it; once all are stored, the file at path is
    // the one known, in the version the reader read; the file known before is
    // forgotten first, so a load that fails knows none. Returns the rows
    // stored, in file order.
    std::vector<store::FieldRow> load(store::ReportReader& reader, const QString& path, int count,
                                      const std::function<void(const store::FieldRow&)>& seen);
    // No file is known (a load begins).
    void forgetFile();

    // The version of the file at path as this session loaded or saved it last;
    // none when it knows of no file there (nothing should be there).
    std::optional<store::ReportVersion> knownAt(const QString& path) const;
    // The path of the file known, empty when none is.
    QString knownPath() const { return file_ ? file_->first : QString(); }

    // Writes the report of head and the rows to path through the one save
    // function, the working table first written to disk; guard says what may
    // be written over. After a write the file is the one known. False when the
    // guard's question was answered No: nothing was written.
    bool save(const QString& path, const ReportHead& head, const store::SaveGuard& guard);

signals:
    // The rows changed, or the row the pages edit moved.
    void rowsChanged();
    // Another file, or another version of it, is now the one known.
    void fileChanged();
    // The head differs from what it was.
    void headChanged();

private:
    void know(std::optional<std::pair<QString, store::ReportVersion>> file);

    ReportDesign rows_;
    ReportHead head_;
    rules::ColumnLayout columnLayout_;
    QString eventCategory_;
    FieldPick pick_;
    std::optional<std::pair<QString, store::ReportVersion>> file_;
};

} // namespace design

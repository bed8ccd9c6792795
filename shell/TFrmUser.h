#pragma once

#include <QDialog>
#include <QStringList>

class QTableWidget;

namespace shell {

// "User Field Definitions": a read-only grid of the user's labels for the host's
// thirty user fields, one column per record of DATABASE.DB, headed by its "DB"
// value. The table is opened through the default session and stays open while
// the dialog lives; at most 500 records are read, and the dialog says when the
// table holds more. An engine error while filling is shown; the dialog still
// opens with what was filled.
class TFrmUser : public QDialog {
    Q_OBJECT
public:
    explicit TFrmUser(QWidget* parent = nullptr);
    ~TFrmUser() override;

    // The thirty user fields in the order of the grid's rows 1 to 30; each is
    // also the name of the DATABASE.DB column holding that field's label.
    static const QStringList& UserFieldNames();

private:
    void FormCreate();
    void setCell(int row, int column, const QString& text);

    QTableWidget* StringGrid1 = nullptr;
};

} // namespace shell

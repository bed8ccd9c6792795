// The preview window of the column-widths page on the demo contacts: it shows
// their values at the report's positions, follows a position typed, names a
// column too narrow for its values and applies the span it suggests.
#include "tests/support/WizardDriver.h"

#include "store/paradox/PxTable.h"
#include "wizard/preview/PreviewPass.h"
#include "wizard/preview/PreviewWindow.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTableView>

namespace {

using PreviewWindowTest = ShownWizardDriver;

// The demo contacts' last names, in the table's order.
QStringList LastNames(const QString& directory)
{
    const px::TableFile table = px::TableFile::open(QDir(directory).filePath(QStringLiteral("CONTACT.DB")));
    std::size_t column = 0;
    while (column < table.header().fields.size() && table.header().fields[column].name != QLatin1String("LastName"))
        ++column;
    QStringList names;
    for (const std::vector<px::Value>& row : table.readRecords())
        names << row.at(column).text;
    return names;
}

// The lines of the page in view, as a screen reader is given them.
QStringList PageLines(QWidget& window)
{
    QWidget* page = window.findChild<QWidget*>(QStringLiteral("PreviewPage"));
    return page ? page->accessibleDescription().split(u'\n') : QStringList();
}

// The row of the finding that starts with sentence; -1 when there is none.
int FindingRow(const QListWidget& findings, const QString& sentence)
{
    for (int row = 0; row < findings.count(); ++row)
        if (findings.item(row)->text().startsWith(sentence))
            return row;
    return -1;
}

} // namespace

TEST_F(PreviewWindowTest, ShowsTheContactsFollowsATypedPositionAndAppliesTheSuggestedSpan)
{
    openExisting("RbModify", QStringLiteral("phonelst.rpt"));
    nextTo(9);
    const QList<QStringList> rows = gridRows("sgCol");
    int lastName = 0;
    while (lastName < rows.size() && rows[lastName].value(0) != QLatin1String("LastName"))
        ++lastName;
    ASSERT_LT(lastName, rows.size());
    ASSERT_EQ(rows[lastName].value(2), QStringLiteral("26"));
    const QStringList names = LastNames(alias.dataDir());
    ASSERT_FALSE(names.isEmpty());

    click("BtnPreview");
    auto* preview = window.findChild<wizard::PreviewWindow*>();
    ASSERT_NE(preview, nullptr);
    // The header, a blank line, then the first contact: its last name at 26.
    const QString first = names[0].size() > 16 ? names[0].left(15) + u'\u2026' : names[0];
    QTRY_COMPARE_WITH_TIMEOUT(PageLines(*preview).value(2).mid(25, 16).trimmed(), first, 10000);

    setCell("sgCol", lastName, 2, QStringLiteral("30"));
    setCell("sgCol", lastName, 3, QStringLiteral("34"));
    QTRY_COMPARE_WITH_TIMEOUT(PageLines(*preview).value(0).mid(29, 5), QStringLiteral("Last\u2026"), 10000);

    int cut = 0;
    qsizetype longest = 0;
    for (const QString& name : names) {
        cut += name.size() > 5;
        longest = std::max(longest, name.size());
    }
    ASSERT_GT(cut, 0);
    auto* findings = preview->findChild<QListWidget*>(QStringLiteral("PreviewFindings"));
    ASSERT_NE(findings, nullptr);
    const QString named = QStringLiteral("LastName is cut in %1 of %2 contacts (longest %3 characters; the column holds 5)")
                              .arg(cut)
                              .arg(names.size())
                              .arg(longest);
    QTRY_VERIFY_WITH_TIMEOUT(FindingRow(*findings, named) >= 0, 10000);
    const int row = FindingRow(*findings, named);
    // The span that holds them all stops before FirstName at 42.
    const int right = std::min<int>(41, 30 + int(longest) - 1);
    EXPECT_TRUE(findings->item(row)->text().contains(QStringLiteral("; 30 to %1 holds").arg(right)))
        << findings->item(row)->text().toStdString();

    findings->setCurrentRow(row);
    preview->findChild<QPushButton*>(QStringLiteral("PreviewApply"))->click();
    EXPECT_EQ(gridRows("sgCol")[lastName].value(3), QString::number(right));
    EXPECT_EQ(modal.texts().value(modal.texts().size() - 1), QStringLiteral("Columns appear OK."));
    // The findings go when the pass on the new span starts; it ends without the finding.
    QTRY_VERIFY_WITH_TIMEOUT(FindingRow(*findings, named) < 0, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(preview->findChild<QWidget*>(QStringLiteral("PreviewProgress"))->isHidden(), 10000);
    EXPECT_LT(FindingRow(*findings, named), 0);

    // Reading the design moves the working table's cursor, which is told as a change: that alone runs no new pass.
    QSignalSpy passes(preview->findChild<wizard::PreviewPass*>(), &wizard::PreviewPass::finished);
    QTest::qWait(1000);
    EXPECT_EQ(passes.count(), 0);
}

TEST_F(PreviewWindowTest, OnTheFieldDefinitionsPageAHeaderTypedShowsAndTheFieldBeingEditedStays)
{
    openExisting("RbModify", QStringLiteral("phonelst.rpt"));
    nextTo(10);
    pickDefinition(QStringLiteral("LastName"));
    click("btPreview");
    auto* preview = window.findChild<wizard::PreviewWindow*>();
    ASSERT_NE(preview, nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(PageLines(*preview).value(0).mid(25, 16).trimmed(), QStringLiteral("Last Name"), 10000);
    // Each letter runs a pass, which reads the rows; the letters after it still go to LastName.
    type("DBEdit1", QStringLiteral("Surname"));
    QTRY_COMPARE_WITH_TIMEOUT(PageLines(*preview).value(0).mid(25, 16).trimmed(), QStringLiteral("Surname"), 10000);
    type("DBEdit1", QStringLiteral("Family"));
    QTRY_COMPARE_WITH_TIMEOUT(PageLines(*preview).value(0).mid(25, 16).trimmed(), QStringLiteral("Family"), 10000);
    ASSERT_TRUE(window.wizard().design().current());
    EXPECT_EQ(window.wizard().design().current()->field, QStringLiteral("LastName"));
    EXPECT_EQ(window.wizard().design().current()->header, QStringLiteral("Family"));
}

TEST_F(PreviewWindowTest, TheColumnWidthEditorsPreviewAppliesTheSuggestedSpanToItsGrid)
{
    click("RBColumn");
    pickReport(QStringLiteral("phonelst.rpt"));
    QString finding;
    QString applied;
    modal.onDialog([&](QDialog& dialog) {
        QAbstractItemModel* grid = dialog.findChild<QTableView*>(QStringLiteral("DBGrid1"))->model();
        // LastName, the second row, narrowed to 30 to 34; the row is stored when the grid moves on.
        grid->setData(grid->index(1, 2), QStringLiteral("30"));
        grid->setData(grid->index(1, 3), QStringLiteral("34"));
        dialog.findChild<QTableView*>(QStringLiteral("DBGrid1"))->setCurrentIndex(grid->index(2, 3));
        dialogChild<QPushButton>(dialog, "BtnPreview")->click();
        auto* preview = dialog.findChild<wizard::PreviewWindow*>();
        auto* findings = preview ? preview->findChild<QListWidget*>(QStringLiteral("PreviewFindings")) : nullptr;
        const QString named = QStringLiteral("LastName is cut in ");
        if (findings && QTest::qWaitFor([&] { return FindingRow(*findings, named) >= 0; }, 10000)) {
            finding = findings->item(FindingRow(*findings, named))->text();
            findings->setCurrentRow(FindingRow(*findings, named));
            preview->findChild<QPushButton*>(QStringLiteral("PreviewApply"))->click();
            applied = grid->index(1, 3).data().toString();
        }
        dialogChild<QPushButton>(dialog, "BitBtn1")->click();
        return dialog.result();
    });
    next();
    ASSERT_FALSE(finding.isEmpty()) << messages();
    EXPECT_TRUE(finding.contains(QStringLiteral("; 30 to %1 holds").arg(applied))) << finding.toStdString();
    EXPECT_GT(applied.toInt(), 34);
    EXPECT_TRUE(modal.texts().contains(QStringLiteral("Columns check out OK"))) << messages();
}

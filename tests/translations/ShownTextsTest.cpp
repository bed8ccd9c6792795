// Every text a person reads goes through translation: under a translation that
// brackets every text it is asked for, no window, page or dialog shows a text
// outside brackets, and Qt's own texts come in German too.
#include "shell/HelpViewer.h"
#include "shell/TFrmSpecial.h"
#include "shell/TFrmTabrep.h"
#include "shell/TFrmUser.h"
#include "shell/TfrmAbout.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"
#include "ui/ErrorGuard.h"
#include "ui/PickList.h"
#include "rules/DefaultPositions.h"
#include "wizard/pages/ColumnWidthsPage.h"
#include "wizard/dialogs/TFrmFilename.h"
#include "wizard/dialogs/TFrmSelect.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTranslator>
#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <stdexcept>
#include <set>

namespace {

constexpr char16_t Open = u'\u27e6';
constexpr char16_t Close = u'\u27e7';

// Answers every text it is asked for, in brackets.
class Brackets final : public QTranslator {
public:
    Brackets() { QCoreApplication::installTranslator(this); }
    ~Brackets() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return Open + QString::fromUtf8(source) + Close;
    }
};

// Texts that are data, not words of the program: they are shown as the tables
// and files hold them (field names, a help file's own text).
const std::set<QString> DataControls{"CheckBox1", "CheckBox2", "CheckBox3", "LblTopicTitle", "TopicText"};

bool HasWords(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Each text of the window and its controls that has words and no translation: "where: text".
// dataControls: more controls that show data only.
QStringList Untranslated(QWidget& window, const std::set<QString>& dataControls = {})
{
    QStringList found;
    const auto check = [&](const QWidget* widget, const QString& text) {
        if (HasWords(text) && !text.contains(Open))
            found << widget->objectName() + u'(' + QString::fromLatin1(widget->metaObject()->className())
                         + QStringLiteral("): ") + text;
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (const QWidget* widget : widgets) {
        if (DataControls.count(widget->objectName()) || dataControls.count(widget->objectName()))
            continue;
        check(widget, widget->isWindow() ? widget->windowTitle() : QString());
        check(widget, widget->accessibleName());
        check(widget, widget->accessibleDescription());
        check(widget, widget->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            check(widget, label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            check(widget, button->text());
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            check(widget, group->title());
        else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            check(widget, edit->placeholderText());
        else if (const auto* table = qobject_cast<const QTableWidget*>(widget))
            for (int column = 0; column < table->columnCount(); ++column)
                if (const QTableWidgetItem* header = table->horizontalHeaderItem(column))
                    check(widget, header->text());
        else if (const auto* view = qobject_cast<const QTableView*>(widget))
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                // A model's header without a text of its own numbers the column.
                const QVariant header = view->model()->headerData(column, Qt::Horizontal);
                if (header.typeId() == QMetaType::QString)
                    check(widget, header.toString());
            }
    }
    return found;
}

} // namespace

TEST(ShownTexts, EveryPageAndDialogShowsOnlyTranslatedTexts)
{
    Brackets brackets;
    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    // One walk covers the eleven pages, the bar and the column layout view.
    window.wizard().ensurePages();
    EXPECT_EQ(Untranslated(window), QStringList{});

    // The positions grid is headed once it is filled; the layout view speaks once shown.
    wizard::ColumnWidthsPage widths(window.wizard().state(), window.wizard().report(), {}, &window);
    widths.showPositions({});
    widths.addLayoutView(widths.findChild<QAbstractButton*>());
    widths.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(Untranslated(widths), QStringList{});

    shell::TFrmSpecial special({});
    shell::TFrmUser user;
    shell::TfrmAbout about;
    wizard::TFrmSelect select(alias.session());
    wizard::TFrmFilename save(alias.session(), QStringLiteral("Phone List"));
    help::HelpWindow help(help::HelpTopic{100, QStringLiteral("Topic"), QStringLiteral("Text of the topic")});
    for (QWidget* dialog : std::initializer_list<QWidget*>{&special, &about, &select, &save, &help})
        EXPECT_EQ(Untranslated(*dialog), QStringList{}) << dialog->objectName().toStdString();
    // The user fields' grid is headed by the names of the databases.
    EXPECT_EQ(Untranslated(user, {QStringLiteral("StringGrid1")}), QStringList{});
    EXPECT_TRUE(modal.shown().empty());
}

// The sentences for failures that carry no text of their own are translated too.
TEST(ShownTexts, FailuresWithoutTextsOfTheirOwnAreTranslated)
{
    Brackets brackets;
    EXPECT_TRUE(ui::FailureText(std::bad_alloc()).contains(Open));
    EXPECT_TRUE(ui::FailureText(std::runtime_error("library words")).contains(Open));
}

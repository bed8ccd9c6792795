// tabrep-pictures [--overlap] [--dark] OUTDIR: renders every wizard page, every dialog and the preview window
// of the program to PNG files, for the documentation. The real main window is
// walked from page 0 to page 10 over a temporary alias directory with the demo
// data, creating a call report with a few fields ticked, so the later pages show
// content. With --overlap, the column-widths page is rendered a second time with
// a starting position typed that makes two fields overlap. With --dark, every
// window is drawn under a dark palette, as on a dark desktop. With --language de,
// the windows are drawn in that language, as on a desktop that speaks it.
#include "base/EngineError.h"
#include "ui/Modal.h"
#include "ui/Option.h"
#include "ui/PickList.h"
#include "ui/SpinEdit.h"
#include "shell/HelpViewer.h"
#include "shell/ProgramFiles.h"
#include "shell/TFrmSpecial.h"
#include "shell/TFrmTabrep.h"
#include "shell/TFrmUser.h"
#include "shell/TfrmAbout.h"
#include "store/engine/Session.h"
#include "tools/demodata/DemoData.h"
#include "translations/Translations.h"
#include "wizard/dialogs/TFrmColumn.h"
#include "wizard/dialogs/TFrmFilename.h"
#include "wizard/dialogs/TFrmSelect.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "wizard/preview/PreviewWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdlib>

namespace {

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

[[noreturn]] void fail(const QString& why)
{
    err() << "tabrep-pictures: " << why << Qt::endl;
    std::exit(1);
}

// The walk expects no message box and no modal dialog: any of them means the
// walk went wrong, so it ends the program with the message's text.
class RefusingModal : public ui::Modal {
public:
    void message(QWidget*, ui::MessageKind, const QString& caption, const QString& text) override
    {
        fail(QStringLiteral("unexpected message \"%1\": %2").arg(caption, text));
    }
    bool question(QWidget*, const QString&, const QString& text) override
    {
        fail(QStringLiteral("unexpected question: %1").arg(text));
    }
    int exec(QDialog& dialog) override
    {
        fail(QStringLiteral("unexpected dialog: %1").arg(dialog.windowTitle()));
    }
};

// The main window with its controls found by name for the walk.
class PictureWindow : public shell::TFrmTabrep {
public:
    using shell::TFrmTabrep::TFrmTabrep;

    template <typename T = QWidget>
    T* control(const char* name)
    {
        T* found = findChild<T*>(QString::fromLatin1(name));
        if (!found)
            fail(QStringLiteral("no control %1").arg(QString::fromLatin1(name)));
        return found;
    }
    int page() { return control<QStackedWidget>("Notebook1")->currentIndex(); }
    void next()
    {
        const int before = page();
        control<QPushButton>("BtnNext")->click();
        if (page() != before + 1)
            fail(QStringLiteral("Next on page %1 went to page %2").arg(before).arg(page()));
    }
    void chooseCallCategory() { control<QAbstractButton>("RbCall")->click(); }
    void typeDescription(const QString& text) { control<QLineEdit>("EdDescription")->setText(text); }
    // Ticks entries the way the user does: the entry current, then the space bar.
    static void tick(ui::PickList* list, const QStringList& entries)
    {
        for (const QString& entry : entries) {
            const int row = list->findEntry(entry);
            if (row < 0)
                fail(QStringLiteral("no entry \"%1\" in %2").arg(entry, list->objectName()));
            list->setCurrentRow(row);
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QApplication::sendEvent(list, &space);
        }
    }
    void tickFields()
    {
        tick(contactFields(), {QStringLiteral("Company"), QStringLiteral("LastName"), QStringLiteral("WorkPhone")});
        // The event list shows its entries in the user's language.
        tick(control<ui::PickList>("PickEventField"),
             {QCoreApplication::translate("EventFields", "Phone call date"),
              QCoreApplication::translate("EventFields", "Phone call subject")});
    }
    void showSecondFieldDefinition() { control<QListWidget>("LBFieldDefs")->setCurrentRow(1); }
    // Types a starting position into the third field's row of the positions grid,
    // as the user does; answers what the cell held.
    QString typeStart(const QString& start)
    {
        auto* grid = control<QTableWidget>("sgCol");
        QTableWidgetItem* cell = grid->item(2, 2);
        if (!cell)
            fail(QStringLiteral("the positions grid has no third row"));
        const QString before = cell->text();
        grid->setCurrentItem(cell);
        cell->setText(start);
        return before;
    }
    ui::PickList* contactFields() { return control<ui::PickList>("PickContactField"); }
    QString description() { return control<QLineEdit>("EdDescription")->text(); }
    int margin() { return control<ui::SpinEdit>("SpinMargin")->value(); }
};

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void save(QWidget& widget, const QString& outDir, const QString& name)
{
    settle();
    const QString path = QDir(outDir).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path))
        fail(QStringLiteral("cannot write %1").arg(path));
    err() << path << Qt::endl;
}

// Shows a dialog without its own event loop, renders it and closes it.
void saveDialog(QDialog& dialog, const QString& outDir, const QString& name)
{
    dialog.show();
    save(dialog, outDir, name);
    dialog.close();
}

// The preview window that Preview on page 9 opens, once its pass over the demo contacts has ended.
void savePreview(QWidget& window, const QString& outDir)
{
    auto* button = window.findChild<QPushButton*>(QStringLiteral("BtnPreview"));
    if (!button)
        fail(QStringLiteral("page 9 has no Preview button"));
    button->click();
    auto* preview = window.findChild<wizard::PreviewWindow*>();
    if (!preview)
        fail(QStringLiteral("Preview opened no window"));
    auto* progress = preview->findChild<QWidget*>(QStringLiteral("PreviewProgress"));
    QElapsedTimer waited;
    waited.start();
    while (progress->isVisible() && waited.elapsed() < 30000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    save(*preview, outDir, QStringLiteral("preview-window"));
    preview->close();
}

const char* const PageNames[] = {"operation", "report-type", "category",  "description",
                                 "paper-size", "detail-level", "field-selection", "field-order",
                                 "columns", "column-widths", "field-definitions"};

void walkPages(PictureWindow& window, const QString& outDir, bool overlap)
{
    window.show();
    for (int page = 0; page <= 10; ++page) {
        if (window.page() != page)
            fail(QStringLiteral("expected page %1, the window shows page %2").arg(page).arg(window.page()));
        if (page == 2)
            window.chooseCallCategory();
        if (page == 3)
            window.typeDescription(QStringLiteral("Calls by Company"));
        if (page == 6)
            window.tickFields();
        if (page == 10)
            window.showSecondFieldDefinition();
        const QString name =
            QStringLiteral("page-%1-%2").arg(page, 2, 10, QLatin1Char('0')).arg(QLatin1String(PageNames[page]));
        save(window, outDir, name);
        if (page == 9)
            savePreview(window, outDir);
        if (page == 9 && overlap) {
            // The third field starts inside the second: both boxes turn red.
            const QString typed = window.typeStart(QStringLiteral("30"));
            save(window, outDir, name + QStringLiteral("-overlap"));
            window.typeStart(typed);
        }
        if (page < 10)
            window.next();
    }
}

void drawDialogs(PictureWindow& window, store::Session& session, const QString& outDir)
{
    {
        wizard::TFrmSelect dialog(session, &window);
        dialog.setTitle(QStringLiteral("Modify an Existing Report"));
        dialog.setSelectMode(wizard::SelectAction::Modify);
        saveDialog(dialog, outDir, QStringLiteral("dialog-select"));
    }
    {
        wizard::TFrmFilename dialog(session, window.description(), &window);
        saveDialog(dialog, outDir, QStringLiteral("dialog-filename"));
    }
    {
        wizard::TFrmColumn dialog(session, window.description(), window.margin(), &window);
        saveDialog(dialog, outDir, QStringLiteral("dialog-column-widths"));
    }
    {
        shell::TfrmAbout dialog(&window);
        saveDialog(dialog, outDir, QStringLiteral("dialog-about"));
    }
    {
        shell::TFrmUser dialog(&window);
        saveDialog(dialog, outDir, QStringLiteral("dialog-user-fields"));
    }
    {
        shell::TFrmSpecial dialog(window.wizard().fieldSelectionPage().combinations(), &window);
        saveDialog(dialog, outDir, QStringLiteral("dialog-special-fields"));
    }
    {
        help::HelpWindow dialog(help::LoadHelpTopic(programfiles::HelpFile(), 100), &window);
        saveDialog(dialog, outDir, QStringLiteral("dialog-help"));
    }
}

// A dark desktop's palette: light text on dark ground.
QPalette DarkPalette()
{
    const QColor window(0x2D, 0x2D, 0x30), base(0x1E, 0x1E, 0x1E), text(0xE6, 0xE6, 0xE6);
    QPalette palette(window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x3C, 0x3C, 0x40));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, QColor(0x3A, 0x6E, 0xA5));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Mid, QColor(0x78, 0x78, 0x7E));
    palette.setColor(QPalette::PlaceholderText, QColor(0x9A, 0x9A, 0x9A));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return palette;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulon Lan"));
    QStringList args = app.arguments().mid(1);
    const bool overlap = args.removeAll(QStringLiteral("--overlap")) > 0;
    if (args.removeAll(QStringLiteral("--dark")) > 0)
        QApplication::setPalette(DarkPalette());
    if (const qsizetype at = args.indexOf(QStringLiteral("--language")); at >= 0 && at + 1 < args.size()) {
        QLocale::setDefault(QLocale(args[at + 1]));
        args.remove(at, 2);
        translations::Install(app);
        if (translations::Language().isEmpty() && QLocale().language() != QLocale::English) {
            err() << "tabrep-pictures: no translation for " << QLocale().name() << Qt::endl;
            return 2;
        }
    }
    if (args.size() != 1) {
        err() << "usage: tabrep-pictures [--overlap] [--dark] [--language LANGUAGE] OUTDIR" << Qt::endl;
        return 2;
    }
    // Absolute: the program may change the current directory to the alias directory.
    const QString outDir = QDir(args[0]).absolutePath();
    if (!QDir().mkpath(outDir))
        fail(QStringLiteral("cannot make %1").arg(outDir));

    QTemporaryDir root;
    if (!root.isValid() || !QDir(root.path()).mkpath(QStringLiteral("data")))
        fail(QStringLiteral("cannot make a temporary directory"));
    const QString dataDir = root.filePath(QStringLiteral("data"));
    const QString config = root.filePath(QStringLiteral("aliases.ini"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(QStringLiteral("[OMNIV]\nPATH=%1\n").arg(dataDir).toUtf8()) < 0)
        fail(QStringLiteral("cannot write %1").arg(config));
    file.close();

    RefusingModal modal;
    ui::Modal::install(&modal);
    try {
        demo::Options options;
        options.contacts = 60;
        demo::makeDemoData(dataDir, options);
        store::Session session(config);
        store::Session::setDefaultSession(&session);
        PictureWindow window(session);
        if (!window.created())
            fail(QStringLiteral("the main window did not start"));
        walkPages(window, outDir, overlap);
        drawDialogs(window, session, outDir);
        store::Session::setDefaultSession(nullptr);
    } catch (const base::Error& e) {
        fail(e.text());
    }
    ui::Modal::install(nullptr);
    return 0;
}

// Field catalogue: the pick lists of the field-selection page filled from a
// CONTACT.DB of a million contacts, against one with no contacts.
#include "base/EngineError.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "ui/PickList.h"
#include "bench/BenchData.h"
#include "bench/Benchmarks.h"
#include "bench/Measure.h"
#include "shell/TFrmTabrep.h"
#include "store/Alias.h"
#include "store/engine/Session.h"
#include "tools/demodata/DemoData.h"

namespace bench {

namespace {

constexpr int MillionContacts = 1000000;

DataSet contactsDataSet(const Settings& settings, const QString& name, int contacts)
{
    return cachedDataSet(settings.cache, name, [contacts](const QString& dir) {
        demo::Options options;
        options.contacts = contacts;
        options.sampleReports = false;
        demo::makeDemoData(dir, options);
    });
}

// The main window on its own session, built as the program builds it.
struct Window {
    explicit Window(const DataSet& data) : session(data.configPath())
    {
        store::Session::setDefaultSession(&session);
        form = std::make_unique<shell::TFrmTabrep>(session);
        store::Session::setDefaultSession(nullptr);
        if (!form->created())
            throw base::EngineError(QStringLiteral("the main window cannot start on %1").arg(data.dataDir()));
    }

    int contactEntries()
    {
        form->wizard().fieldSelectionPage().FillPickFields(wizard::PageTurn::None);
        return form->findChild<ui::PickList*>(QStringLiteral("PickContactField"))->entryCount();
    }

    store::Session session;
    std::unique_ptr<shell::TFrmTabrep> form;
};

} // namespace

void benchCatalogue(const Settings& settings)
{
    const DataSet million = contactsDataSet(settings, QStringLiteral("million"), MillionContacts);
    const DataSet empty = contactsDataSet(settings, QStringLiteral("empty"), 0);
    Window big(million);
    Window none(empty);
    const int bigEntries = big.contactEntries();
    if (bigEntries != none.contactEntries() || bigEntries < 4)
        throw base::EngineError(QStringLiteral("the two catalogues differ"));
    // A fill takes a fraction of a millisecond: each run times several, so the clock's grain does not count.
    constexpr int Fills = 20;
    auto fill = [](Window& window) {
        for (int i = 0; i < Fills; ++i)
            window.form->wizard().fieldSelectionPage().FillPickFields(wizard::PageTurn::None);
    };
    Figure figure = compareTimes(QStringLiteral("field catalogue"), settings.runs, [&] { fill(none); }, [&] { fill(big); }, 1.05);
    figure.subject /= Fills;
    figure.floor /= Fills;
    print(figure);
}

} // namespace bench

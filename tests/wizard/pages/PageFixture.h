#pragma once

#include "design/ReportSession.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"
#include "wizard/WizardState.h"

#include <QStringList>
#include <QWidget>
#include <functional>

// What a page after the head's own is built with: the wizard's state, a
// session over the working table of an alias (empty, or with the demo's host
// tables), the order list's fields (fields), and a window for its messages,
// which modal records.
struct PageFixture {
    explicit PageFixture(TempAlias::Content content = TempAlias::Content::Empty) : alias(content)
    {
        session.setAlias(QStringLiteral("OMNIV"));
        session.rows().recreate(QStringLiteral("OMNIV"));
        session.rows().clear();
    }
    ~PageFixture() { session.rows().close(); }

    RecordingModal modal;
    TempAlias alias;
    design::ReportSession session{alias.session()};
    wizard::WizardState state;
    QStringList fields;
    QWidget window;
    std::function<QStringList()> orderedFields = [this] { return fields; };
};

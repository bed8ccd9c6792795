#pragma once

#include <QChar>
#include <QString>

// The main window's non-visual state, shared by every wizard page.
struct WizardState {
    int PageIndex = 0;              // page being entered or shown, 0 to 10
    QChar InfoKind;                 // category that last filled the event list: E C L M T N
    bool ColumnsGridReady = false;  // false only while the columns grid is being rebuilt
    bool ContactMemoChosen = false;
    bool EventMemoChosen = false;
    QString Mode;                   // "", "CREATE", "MODIFY" or "COLUMN"
    bool LayoutDirty = false;       // field selection or column count changed since the order was built
    int SelectedCount = 0;
    bool CatalogueDirty = false;    // an option of pages 0 to 2 turned on since the last pick-list click
    QString ReportFileName;
    QString EventCategory;          // "GENERIC", "CALL", "LETTER", "MEETING", "TO-DO", "NOTE" or empty
};

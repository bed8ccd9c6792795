#pragma once

#include <QString>

namespace wizard {

// The notebook's pages, in order; a page's number is its index in the notebook.
enum Page { Operation, ReportType, Category, Description, Paper, Detail, Fields, Order, Columns, Widths,
            Definitions, PageCount };

// What the wizard is doing, set when the first page is left: nothing yet,
// designing a new report, changing (or copying) a chosen one, or editing a
// chosen one's column widths.
enum class Mode { None, Create, Modify, Column };

// What the report selection dialog does with the chosen report: hand it back
// to be loaded, or delete it.
enum class SelectAction { Modify, Delete };

// How a page change came about: by Next, by Previous, or neither (start-up and
// loading a report).
enum class PageTurn { None, Forward, Backward };

// The page machine's state: the page, the mode, the report file, and whether the
// field selection or the columns changed since the field order was built.
struct WizardState {
    int PageIndex = wizard::Operation; // page being entered or shown, a wizard::Page
    bool ColumnsGridReady = false;     // false only while the columns grid is being rebuilt
    wizard::Mode Mode = wizard::Mode::None;
    bool LayoutDirty = false;          // field selection or column count changed since the order was built
    int SelectedCount = 0;
    QString ReportFileName;
};

} // namespace wizard

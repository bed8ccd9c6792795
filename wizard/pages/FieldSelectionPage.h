#pragma once

#include "wizard/pages/PageHooks.h"
#include <QStringList>
#include <QCoreApplication>
#include <QWidget>
#include <functional>

struct WizardState;

namespace ui {
class PickList;
}

class QLabel;
class QPushButton;

// Page 6: the contact fields and the event fields ticked for the report, with
// the rule of one memo field at most, and the buttons of the window's
// special-fields and user-fields dialogs.
class FieldSelectionPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(FieldSelectionPage)

public:
    explicit FieldSelectionPage(WizardState& state);

    int tickedCount() const;
    QStringList tickedContacts() const;
    QStringList tickedEvents() const;
    // The catalogue: emptied, then filled with the fields of the chosen category,
    // the event list shown only when there is one.
    void setEventHeading(const QString& heading);
    void clearCatalogue();
    void fillCatalogue(const QStringList& contacts, const QStringList& events, bool withEvents);
    // A loaded report's fields ticked, and nothing else.
    void tickLoaded(const QStringList& contacts, const QStringList& events);
    // One contact field ticked or not, the list back at its top.
    void tickContact(const QString& name, bool ticked);
    void showTickedCount();
    // The list the special-fields dialog ticks in.
    ui::PickList& contactFields() { return *PickContactField; }

    // Told after every tick or untick, once the rules have run.
    void setPickHandler(std::function<void()> handler) { onPick_ = std::move(handler); }
    // Told when Special Fields or User Fields is clicked.
    void setDialogHandlers(std::function<void()> special, std::function<void()> user);

private:
    // "(N fields selected)", or "(1 field selected)".
    void showCount(int count);
    void PickContactFieldClick(QObject* Sender);

    WizardState& state_;
    ui::PickList* PickContactField = nullptr;
    ui::PickList* PickEventField = nullptr;
    QLabel* LblEvent = nullptr;
    QLabel* LblSelected = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BtnUser = nullptr;
    std::function<void()> onPick_;
};

#pragma once

#include "wizard/pages/PageHooks.h"
#include <QStringList>
#include <QCoreApplication>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

namespace store {
struct FieldRow;
}

namespace design {
class HostTables;
class ReportSession;
} // namespace design

namespace ui {
class PickList;
}

class QLabel;
class QPushButton;

namespace wizard {

// Page 6: the contact fields and the event fields ticked for the report, with
// the rule of one memo field at most, and the buttons of the window's
// special-fields and user-fields dialogs.
class FieldSelectionPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(FieldSelectionPage)

public:
    // What the catalogue holds besides its lists: the kind of the category that
    // last filled the event list (E C L M T N), which memo field is ticked, and
    // whether an option of pages 0 to 2 was turned on since the last tick.
    struct Catalogue {
        QChar InfoKind;
        bool ContactMemoChosen = false;
        bool EventMemoChosen = false;
        bool CatalogueDirty = false;
    };

    // The session's head and event category, the contact table's fields of
    // hostTables, and the wizard's mode, which says whether a new report is designed.
    FieldSelectionPage(design::ReportSession& session, design::HostTables& hostTables, const wizard::Mode& mode);

    // Entered while a new report is designed: the catalogue is filled.
    bool enter(wizard::PageTurn turn) override;
    // The count of the ticked fields shown.
    void shown() override;
    // Left, the fields ticked are the session's pick.
    bool leave(wizard::PageTurn turn) override;
    // The two lists filled anew with the contact fields and the fields of the
    // head's category, which becomes the session's event category; not after
    // Previous, nor while fields are ticked and no option of pages 0 to 2 was
    // turned on since.
    void FillPickFields(wizard::PageTurn turn);
    const Catalogue& catalogue() const { return catalogue_; }
    // An option of pages 0 to 2 turned on: the catalogue is to be filled again.
    void markCatalogueDirty() { catalogue_.CatalogueDirty = true; }
    // The detail level chosen: the CustomID entry ticked or not, without the
    // rules, the list back at its top.
    void tickCustomId(bool ticked);

    int tickedCount() const;
    QStringList tickedContacts() const;
    QStringList tickedEvents() const;
    // A loaded report's fields ticked, and nothing else: its contact fields,
    // and its event fields by the names shown for them in the session's category.
    void tickLoaded(const std::vector<store::FieldRow>& rows);
    // The combination fields of the contact list (salutfirstlast, firstlast,
    // citystatezip, in any letter case), ticked or not; one not in the list is not.
    using Combinations = std::array<bool, 3>;
    Combinations combinations() const;
    // Each combination field in the list ticked as given (the special-fields
    // dialog's choices), without the selection rules and the count.
    void tickCombinations(const Combinations& ticked);

    // Told after every tick or untick, once the rules have run.
    void setPickHandler(std::function<void()> handler) { onPick_ = std::move(handler); }
    // Told when Special Fields or User Fields is clicked.
    void setDialogHandlers(std::function<void()> special, std::function<void()> user);

private:
    // "(N fields selected)", or "(1 field selected)".
    void showCount(int count);
    void PickContactFieldClick(QObject* Sender);
    // The catalogue: emptied, then filled with the fields of the chosen category,
    // the event list shown only when there is one.
    void clearCatalogue();
    void fillCatalogue(const QStringList& contacts, const QStringList& events, bool withEvents);

    design::ReportSession& session_;
    design::HostTables& hostTables_;
    const wizard::Mode& mode_;
    Catalogue catalogue_;
    ui::PickList* PickContactField = nullptr;
    ui::PickList* PickEventField = nullptr;
    QLabel* LblEvent = nullptr;
    QLabel* LblSelected = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BtnUser = nullptr;
    std::function<void()> onPick_;
};

} // namespace wizard

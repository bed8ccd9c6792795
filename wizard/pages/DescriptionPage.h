#pragma once

#include "wizard/pages/PageHooks.h"
#include <QCoreApplication>
#include <QWidget>
#include <functional>

class QLineEdit;

namespace wizard {

// Page 3: the report's short description.
class DescriptionPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(DescriptionPage)

public:
    static constexpr int DescriptionLength = 30;  // characters the edit takes by typing

    DescriptionPage();

    QString description() const;
    // Its part of the report's head.
    void contribute(design::Report& report) const override;
    // Left forward only with a description; the keyboard goes into the edit when shown.
    bool leave(wizard::PageTurn turn) override;
    void shown() override;
    void setDescription(const QString& text);
    // A loaded report's description, kept whole when longer than the edit takes
    // by typing (the edit would cut it, and the report be written back shortened).
    void loadDescription(const QString& text);
    // The edit takes the typed limit, or a longer loaded description whole.
    void allowLength(int characters);
    void focusEdit();
    // Told every change of the description.
    void setChangeHandler(std::function<void(const QString&)> handler) { onChange_ = std::move(handler); }

private:
    void EdDescriptionChange();

    QLineEdit* EdDescription = nullptr;
    std::function<void(const QString&)> onChange_;
};

} // namespace wizard

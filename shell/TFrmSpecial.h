#pragma once

#include <QDialog>
#include <array>

class QCheckBox;

namespace shell {

// "Special Fields": a check box for each of the three combination fields
// (SalutFirstLast, FirstLast, CityStateZip). The boxes show the choices given
// and return the choices as the user left them, however the dialog is closed;
// the caller applies them.
class TFrmSpecial : public QDialog {
    Q_OBJECT
public:
    using Choices = std::array<bool, 3>;

    explicit TFrmSpecial(const Choices& ticked, QWidget* parent = nullptr);

    const Choices& choices() const { return choices_; }

    void CheckBox1Click(QCheckBox* box);

private:
    // Sets each box from its choice.
    void ShowSelections();

    Choices choices_;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
};

} // namespace shell

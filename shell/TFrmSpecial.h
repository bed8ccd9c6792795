#pragma once

#include <QDialog>

class QCheckBox;

namespace ui {
class PickList;
}

// "Special Fields": a check box for each of the three combination fields. The
// boxes show, and each click sets, the selection of the entry of the same name
// (ignoring letter case) in the contact field list it is given. The list's own
// selection rules and its count label are left alone.
class TFrmSpecial : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSpecial(ui::PickList* contactFields, QWidget* parent = nullptr);

    void CheckBox1Click(QCheckBox* box);

private:
    // Sets each box from its entry's selection; a box without an entry stays cleared.
    void ShowSelections();

    ui::PickList* contactFields_;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
};

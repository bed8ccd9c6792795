#pragma once

#include <QDialog>

class QLabel;

namespace shell {

// The about box: the program's name and version and the maker's lines in a
// sunken panel, and an "OK" button.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

private:
    void FormCreate();

    QLabel* ProductName = nullptr;
};

} // namespace shell

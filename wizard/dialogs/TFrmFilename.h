#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace store {
class Session;
}

namespace wizard {

// The save dialog: asks for an eight-character name for a new report and lets
// the user revise its description. After OK it holds the new report's path in
// the alias directory and the description; the caller stores them.
class TFrmFilename : public QDialog {
    Q_OBJECT
public:
    TFrmFilename(store::Session& session, const QString& description, QWidget* parent = nullptr);

    // After OK: the alias directory joined with the name as typed and ".rpt".
    const QString& reportFileName() const { return reportFileName_; }
    // After OK: the description as the dialog's edit holds it.
    const QString& description() const { return description_; }

    void FormActivate();
    void BitBtn2Click();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    store::Session& session_;
    QString reportFileName_;
    QString description_;

    QLineEdit* EdDescription = nullptr;
    QLineEdit* EdFileName = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};

} // namespace wizard

#include "shell/TFrmSpecial.h"

#include "ui/DialogKit.h"
#include "ui/ErrorGuard.h"
#include "wizard/pages/PageKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

TFrmSpecial::TFrmSpecial(const Choices& ticked, QWidget* parent) : QDialog(parent), choices_(ticked)
{
    setObjectName(QStringLiteral("FrmSpecial"));
    setWindowTitle(tr("Special Fields"));
    // A title bar without a close box: the dialog ends with its OK button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(pagekit::Serif(16));

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Special Fields"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(pagekit::Serif(29, true));
    layout->addWidget(heading);

    auto* group = new QGroupBox(tr("Combination Fields"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(group);
    const struct {
        QCheckBox*& box;
        const char* name;
        const char* caption;
        const char* label;
        const char* description;
    } boxes[] = {
        {CheckBox1, "CheckBox1", "SalutFirstLast", "Label2",
         QT_TR_NOOP("This field combines the Salutation, First Name and Last Name fields to one column. "
                    "(Mr. John Smith)")},
        {CheckBox2, "CheckBox2", "FirstLast", "Label3",
         QT_TR_NOOP("This field combines the First Name and Last Name fields to one column. (John Smith)")},
        {CheckBox3, "CheckBox3", "CityStateZip", "Label4",
         QT_TR_NOOP("This field combines the City, State and ZipCode fields to one column. "
                    "(Springfield, IL 62704)")},
    };
    int row = 0;
    for (const auto& b : boxes) {
        b.box = new QCheckBox(QString::fromLatin1(b.caption), group);
        b.box->setObjectName(QString::fromLatin1(b.name));
        QCheckBox* box = b.box;
        // Toggled, not clicked: a toggle through the accessibility interface counts too.
        connect(box, &QCheckBox::toggled, this, [this, box] { ui::Guarded(this, [&] { CheckBox1Click(box); }); });
        auto* description = new QLabel(tr(b.description), group);
        description->setObjectName(QString::fromLatin1(b.label));
        description->setFont(pagekit::Serif(13));
        description->setWordWrap(true);
        // The box is spoken with what it combines, not by its field's name alone.
        box->setAccessibleDescription(description->text());
        grid->addWidget(box, row, 0, Qt::AlignTop);
        grid->addWidget(description, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    setFixedSize(ui::Scaled(460), ui::Scaled(270));

    ShowSelections();
}

void TFrmSpecial::ShowSelections()
{
    QCheckBox* const boxes[] = {CheckBox1, CheckBox2, CheckBox3};
    const Choices shown = choices_;
    for (std::size_t i = 0; i < shown.size(); ++i)
        boxes[i]->setChecked(shown[i]);
}

void TFrmSpecial::CheckBox1Click(QCheckBox* box)
{
    const QCheckBox* const boxes[] = {CheckBox1, CheckBox2, CheckBox3};
    for (std::size_t i = 0; i < choices_.size(); ++i)
        if (boxes[i] == box)
            choices_[i] = box->isChecked();
}

} // namespace shell

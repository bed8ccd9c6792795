#include "wizard/dialogs/TFrmFilename.h"

#include "ui/DialogKit.h"
#include "ui/ErrorGuard.h"
#include "ui/Modal.h"
#include "base/Paths.h"
#include "store/Alias.h"
#include "store/ReportNames.h"
#include "wizard/pages/Cp1252Validator.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace wizard {

namespace {

QLineEdit* NamedEdit(QWidget* parent, const char* name, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    edit->setValidator(new wizard::Cp1252Validator(edit));
    return edit;
}

QLabel* EditLabel(QWidget* parent, const char* name, const QString& text, QLineEdit* edit)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(edit);
    return label;
}

} // namespace

TFrmFilename::TFrmFilename(store::Session& session, const QString& description, QWidget* parent)
    : QDialog(parent), session_(session)
{
    setObjectName(QStringLiteral("FrmFilename"));
    setWindowTitle(tr("Save Report File"));
    setFont(ui::Serif(16));

    EdDescription = NamedEdit(this, "EdDescription", 30);
    EdFileName = NamedEdit(this, "EdFileName", 8);
    BitBtn2 = ui::NamedButton(this, "BitBtn2", tr("OK"));
    BitBtn1 = ui::NamedButton(this, "BitBtn1", tr("Cancel"));
    BitBtn2->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    auto* frame = new QVBoxLayout(this);
    frame->addWidget(EditLabel(this, "Label1", tr("Report description:"), EdDescription));
    frame->addWidget(EdDescription);
    frame->addWidget(EditLabel(this, "Label2", tr("Specify an eight character name for this report:"),
                               EdFileName));
    frame->addWidget(EdFileName);
    frame->addLayout(buttons);
    // Its size as always, or larger where the texts in the user's language need it.
    const QSize needed = sizeHint();
    setFixedSize(std::max(ui::Scaled(400), needed.width()), std::max(ui::Scaled(190), needed.height()));

    ui::OnClick(BitBtn2, this, &TFrmFilename::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    // FormCreate: the description the report has so far, kept whole when a
    // loaded report brought one longer than can be typed.
    EdDescription->setMaxLength(std::max<int>(EdDescription->maxLength(), description.size()));
    EdDescription->setText(description);
}

bool TFrmFilename::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TFrmFilename::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::CentreOnScreen(*this);
}

void TFrmFilename::FormActivate()
{
    EdFileName->setFocus();
}

void TFrmFilename::BitBtn2Click()
{
    const QString name = EdFileName->text();
    if (name.isEmpty()) {
        ui::ShowError(this, tr("Type a name for the report file: up to eight letters and digits."));
        EdFileName->setFocus();
        return;
    }
    if (!store::IsPlainReportName(name)) {
        ui::ShowError(this, tr("Filename contains illegal characters.\rYou must use letters and "
                                             "digits only.\rPlease re-try."));
        EdFileName->clear();
        EdFileName->setFocus();
        return;
    }
    const QString directory = store::GetAliasDirectory(session_, store::DatabaseAlias);
    const QString fileName = name + QStringLiteral(".rpt");
    if (store::ReportNameTaken(directory, fileName)) {
        ui::ShowError(this, tr("Filename already exists. Choose another."));
        return;
    }
    reportFileName_ = base::JoinPath(directory, fileName);
    description_ = EdDescription->text();
    accept();
}

} // namespace wizard

#include "wizard/pages/DescriptionPage.h"

#include "design/Report.h"
#include "ui/Modal.h"
#include "wizard/pages/Cp1252Validator.h"
#include "wizard/pages/PageKit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace wizard {

using namespace pagekit;

DescriptionPage::DescriptionPage()
{
    QVBoxLayout* layout = ColumnLayout(this, QStringLiteral("Page4"), tr("Report Description"));
    QLabel* prompt = Text(this, tr("Type a short description for the report:"));
    layout->addWidget(prompt);
    EdDescription = new QLineEdit(this);
    prompt->setBuddy(EdDescription);
    EdDescription->setObjectName(QStringLiteral("EdDescription"));
    EdDescription->setMaxLength(DescriptionLength);
    connect(EdDescription, &QLineEdit::textChanged, this, &DescriptionPage::EdDescriptionChange);
    layout->addWidget(EdDescription);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* panelLayout = new QVBoxLayout(panel);
    const QStringList examples{tr("Birthday Report"), tr("Zip Code Report"), tr("Contact listing Report"),
                               tr("City report")};
    for (const QString& line : QStringList{tr("The description is used to help you remember the contents of the "
                                              "report."),
                                           tr("Examples:")} + examples)
        panelLayout->addWidget(Text(panel, line));
    // A screen reader reads the examples with the edit: it passes over short texts standing alone.
    EdDescription->setAccessibleDescription(tr("Examples:") + u' ' + examples.join(QStringLiteral(", ")));
    layout->addWidget(panel);
    layout->addStretch();
    EdDescription->setValidator(new wizard::Cp1252Validator(EdDescription));
}

QString DescriptionPage::description() const
{
    return EdDescription->text();
}

void DescriptionPage::setDescription(const QString& text)
{
    EdDescription->setText(text);
}

void DescriptionPage::loadDescription(const QString& text)
{
    allowLength(text.size());
    setDescription(text);
}

void DescriptionPage::allowLength(int characters)
{
    EdDescription->setMaxLength(std::max(DescriptionLength, characters));
}

void DescriptionPage::focusEdit()
{
    EdDescription->setFocus();
}

void DescriptionPage::EdDescriptionChange()
{
    if (onChange_)
        onChange_(EdDescription->text());
}

void DescriptionPage::contribute(design::Report& report) const
{
    report.head.description = description();
}

bool DescriptionPage::leave(wizard::PageTurn turn)
{
    if (turn != wizard::PageTurn::Forward || !description().isEmpty())
        return true;
    ui::ShowError(window(), tr("You must enter a description."));
    focusEdit();
    return false;
}

void DescriptionPage::shown()
{
    if (isVisible())
        focusEdit();
}

} // namespace wizard

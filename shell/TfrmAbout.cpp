#include "shell/TfrmAbout.h"

#include "wizard/pages/PageKit.h"
#include "ui/DialogKit.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

namespace {

QLabel* Line(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFont(pagekit::Serif(16));

    auto* layout = new QVBoxLayout(this);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* lines = new QVBoxLayout(panel);
    ProductName = Line(panel, QStringLiteral("ProductName"), tr("Tabulon"));
    lines->addWidget(ProductName);
    lines->addWidget(Line(panel, QStringLiteral("Version"), tr("Version 2.0")));
    lines->addSpacing(12);
    lines->addWidget(Line(panel, QStringLiteral("Comments"),
                          tr("Report Wizard for the Omnivale contact manager\n"
                                         "Designs the custom reports listed on the Reports screen")));
    lines->addWidget(Line(panel, QStringLiteral("Copyright"),
                          tr("Copyright (C) 2026 The tabrep maintainers\n"
                                         "Free software under the MIT licence")));
    layout->addWidget(panel);

    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    row->addStretch();
    row->addWidget(ok);
    row->addStretch();
    layout->addLayout(row);

    FormCreate();
    // A screen reader reads a dialog's description when it opens; without one it
    // reads only its longer texts, and the name and version would go unsaid.
    QStringList said;
    for (const QLabel* line : panel->findChildren<QLabel*>())
        said << line->text().replace(u'\n', u' ');
    setAccessibleDescription(said.join(QStringLiteral(". ")));
    panel->setMinimumWidth(ui::Scaled(320));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmAbout::FormCreate()
{
    ProductName->setText(tr("Tabulon Personal"));
    ProductName->setFont(pagekit::Serif(20, true));
    ProductName->setAlignment(Qt::AlignCenter);
}

} // namespace shell

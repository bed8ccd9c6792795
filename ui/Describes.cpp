#include "ui/Describes.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace ui {

namespace {

constexpr char DescribedProperty[] = "tabrepDescribes";

// The text as assistive technology sees it: its words, and the control it
// belongs to. The relation is given from the text's side only, so the control
// is not named by the text (a reader names a control by a text labelling it).
class DescribingText : public QAccessibleWidget {
public:
    DescribingText(QLabel* label, QWidget* control)
        : QAccessibleWidget(label, QAccessible::StaticText), control_(control)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const QLabel*>(object())->text();
        return QAccessibleWidget::text(kind);
    }

    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> found;
        if ((match & QAccessible::Label) && control_)
            if (QAccessibleInterface* control = QAccessible::queryAccessibleInterface(control_))
                found.append({control, QAccessible::Label});
        return found;
    }

private:
    QPointer<QWidget> control_;
};

QAccessibleInterface* DescribingTextFor(const QString&, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    if (!label)
        return nullptr;
    auto* control = qvariant_cast<QWidget*>(label->property(DescribedProperty));
    return control ? new DescribingText(label, control) : nullptr;
}

} // namespace

void Describes(QLabel& text, QWidget& control)
{
    static const bool installed = [] {
        QAccessible::installFactory(DescribingTextFor);
        return true;
    }();
    Q_UNUSED(installed);
    text.setProperty(DescribedProperty, QVariant::fromValue(&control));
    // A text given its words while a screen reader listens has its plain
    // interface already; it is made anew, as the page is built, before anyone holds it.
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(&text);
    if (current && !dynamic_cast<DescribingText*>(current))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
    QObject::connect(&control, &QObject::destroyed, &text, [&text] { text.setProperty(DescribedProperty, {}); });
    control.setAccessibleDescription(text.text());
}

} // namespace ui

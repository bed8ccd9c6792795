// An option's accelerator turns it on before the focus reaches it, so that a
// screen reader, which speaks as the focus arrives, announces it selected.
#include "tests/support/WizardDriver.h"

#include <QAccessible>
#include <QRadioButton>

namespace {

// Whether each option was on at the moment it received the focus.
class FocusWitness : public QObject {
public:
    std::map<QString, bool> onAtFocus;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            if (auto* option = qobject_cast<QRadioButton*>(watched))
                onAtFocus[option->objectName()] =
                    QAccessible::queryAccessibleInterface(option)->state().checked;
        return false;
    }
};

class OptionKeys : public ShownWizardDriver {};

} // namespace

TEST_F(OptionKeys, AnAcceleratorTurnsTheOptionOnBeforeItTakesTheFocus)
{
    FocusWitness witness;
    const struct {
        Qt::Key key;
        const char* option;
    } cases[] = {{Qt::Key_W, "RBColumn"}, {Qt::Key_D, "RbDelete"}, {Qt::Key_P, "RbCopy"},
                 {Qt::Key_M, "RbModify"}, {Qt::Key_C, "RBCreate"}};
    for (const auto& c : cases)
        child(c.option)->installEventFilter(&witness);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        QTest::keyClick(window.windowHandle(), c.key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return child(c.option)->hasFocus(); }));
        ASSERT_TRUE(witness.onAtFocus.count(QString::fromLatin1(c.option)));
        EXPECT_TRUE(witness.onAtFocus[QString::fromLatin1(c.option)]);
        EXPECT_TRUE(checked(c.option));
    }
    EXPECT_EQ(page(), 0);
    EXPECT_TRUE(modal.shown().empty()) << messages();
}

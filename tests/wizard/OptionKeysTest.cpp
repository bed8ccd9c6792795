// An option's accelerator turns it on before the focus reaches it, so that a
// screen reader, which speaks as the focus arrives, announces it selected.
#include "tests/support/WizardDriver.h"

#include <QAccessible>
#include <QApplication>
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
    } cases[] = {{Qt::Key_W, "RBColumn"}, {Qt::Key_D, "RbDelete"}, {Qt::Key_O, "RbCopy"},
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

// Page 2 stands in two columns; Down and Up still reach every category in turn,
// each turned on as the focus reaches it and spoken with its description.
TEST_F(OptionKeys, UpAndDownGoThroughEveryCategoryInOrder)
{
    nextTo(2);
    const char* order[] = {"RBContact", "RBEvent", "RBNote", "RbCall", "RBLetter", "RbMeeting", "RbTodo"};
    child(order[0])->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
        const bool down = key == Qt::Key_Down;
        for (int step = 1; step <= 7; ++step) {
            const char* expected = order[down ? step % 7 : (7 - step) % 7];
            SCOPED_TRACE(expected);
            QTest::keyClick(QApplication::focusWidget(), key);
            EXPECT_TRUE(child(expected)->hasFocus());
            EXPECT_TRUE(checked(expected));
            EXPECT_FALSE(QAccessible::queryAccessibleInterface(child(expected))->text(QAccessible::Description).isEmpty());
        }
    }
    EXPECT_TRUE(modal.shown().empty()) << messages();
}

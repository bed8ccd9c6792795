#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// After each test no top-level window may be left open.
class NoWindowLeft : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo& info) override
    {
        QApplication::processEvents();
        int open = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                ++open;
        if (open != 0)
            ADD_FAILURE() << info.name() << " left " << open << " window(s) open";
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new NoWindowLeft);
    return RUN_ALL_TESTS();
}

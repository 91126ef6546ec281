#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>
#include <QAccessible>
#include <QCloseEvent>
#include <QTest>

#include "runtime/errors.h"
#include "runtime/runtime.h"
#include "support.h"
#include "test_form.h"

using namespace test;

namespace {

struct Dispatch : ::testing::Test {
    rt::Runtime runtime{sessionOptions()};
    rt::FormInstance<TestForm> instance{runtime};
    ErrorLog errors{runtime};
    void SetUp() override { runtime.start(instance); }
    TestForm& form() { return *instance.window(); }
};

}  // namespace

TEST_F(Dispatch, ARunTimeErrorIsReportedInCatalanAndEndsTheProgram)
{
    // A run-time error of the program's, and one of the library's, whose
    // English never reaches the pupil.
    const struct {
        std::function<void()> fault;
        const char* message;
    } cases[] = {
        {[] { throw rt::Overflow(); }, "Error d'execució 6:\n\nDesbordament\n\nEl programa es tancarà."},
        {[] { throw std::invalid_argument("lblNoSuchLabel"); },
         "Error d'execució:\n\nS'ha produït un error intern i el programa es tancarà."},
    };
    for (const auto& c : cases) {
        errors.messages.clear();
        runtime.start(instance);
        form().cmdA.onClick(c.fault);
        click(form(), "cmdA");
        ASSERT_EQ(errors.messages.size(), 1u);
        EXPECT_EQ(errors.messages[0], QString::fromUtf8(c.message));
        EXPECT_TRUE(runtime.ended());
        EXPECT_EQ(runtime.exitCode(), 1);
        EXPECT_FALSE(instance.loaded());
    }
}

TEST_F(Dispatch, EndSkipsTheRestOfTheHandlerAndEveryLaterEvent)
{
    int after = 0, later = 0;
    form().cmdA.onClick([&] {
        form().End();
        ++after;
    });
    TestForm& window = form();
    window.txtA.onClick([&] { ++later; });
    click(window, "cmdA");
    EXPECT_TRUE(runtime.ended());
    EXPECT_EQ(runtime.exitCode(), 0);
    EXPECT_EQ(after, 0);
    EXPECT_FALSE(instance.loaded());
    runtime.dispatch(&window, [&] { ++later; });
    EXPECT_EQ(later, 0);
}

TEST_F(Dispatch, AssistiveActionsDuringAHandlerWaitAndKeepTheirOrder)
{
    // While cmdA's handler runs, a screen reader presses cmdB (which empties
    // the text box), then types into the text box and moves the bar: each
    // waits for the handler, then they are done in the order they came.
    TestForm& f = form();
    std::vector<QString> seen;
    f.cmdB.setEnabled(true);
    f.cmdB.onClick([&] {
        f.txtA.setText("");
        seen.push_back("B");
    });
    f.hsbA.onChange([&] { seen.push_back("change " + QString::number(f.hsbA.Value())); });
    const auto accessible = [&](const char* name) { return QAccessible::queryAccessibleInterface(find(f, name)); };
    f.cmdA.onClick([&] {
        seen.push_back("A");
        accessible("cmdB")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        accessible("txtA")->editableTextInterface()->insertText(0, "3,5");
        accessible("hsbA")->valueInterface()->setCurrentValue(18);  // in the units shown
        seen.push_back("A sees '" + f.txtA.Text() + "' " + QString::number(f.hsbA.Value()));
    });
    click(f, "cmdA");
    EXPECT_EQ(seen, (std::vector<QString>{"A", "A sees '' 2", "B", "change 9"}));
    EXPECT_EQ(f.txtA.Text(), "3,5");
    EXPECT_EQ(f.hsbA.Value(), 9);
    // With no handler running, the tool has its answer first (it waits for
    // it: a handler run inside the call would hold it for the whole
    // animation); the handler runs once the event loop is back, the bar's
    // Change handler too, in the order they came.
    seen.clear();
    accessible("cmdB")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    accessible("hsbA")->valueInterface()->setCurrentValue(10);
    accessible("txtA")->editableTextInterface()->insertText(0, "7");
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(f.hsbA.Value(), 9);
    EXPECT_EQ(f.txtA.Text(), "3,5");
    settle();
    EXPECT_EQ(seen, (std::vector<QString>{"B", "change 5"}));
    EXPECT_EQ(f.txtA.Text(), "73,5");  // the tool's edit, after B's
}

// An assistive action answered just before its runtime goes (a test's,
// a program's at its end): the call it queued goes with it.
TEST(DispatchLater, ARuntimeGoneTakesItsQueuedCallWithIt)
{
    bool ran = false;
    {
        rt::Runtime gone{sessionOptions()};
        QWidget origin;
        origin.show();
        gone.dispatchLater(&origin, [&] { ran = true; });
    }
    settle();
    EXPECT_FALSE(ran);
}

TEST_F(Dispatch, TheCloseBoxWinsOverClicksQueuedBeforeIt)
{
    // While cmdA's handler runs, the pupil clicks cmdA three times more and
    // then the close box: the window system queues them all, in that order.
    int runs = 0;
    TestForm& f = form();
    f.cmdA.onClick([&] {
        if (++runs > 1) return;
        QWindow* window = f.windowHandle();
        const QPointF at = find(f, "cmdA")->mapTo(&f, QPointF(10, 10));
        for (int i = 0; i < 3; ++i) {
            QWindowSystemInterface::handleMouseEvent(window, at, window->mapToGlobal(at), Qt::LeftButton,
                                                     Qt::LeftButton, QEvent::MouseButtonPress);
            QWindowSystemInterface::handleMouseEvent(window, at, window->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                                                     QEvent::MouseButtonRelease);
        }
        QWindowSystemInterface::handleCloseEvent(window);
    });
    click(f, "cmdA");
    EXPECT_FALSE(instance.loaded());  // as soon as the handler ended
    settle();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(runtime.ended());
}

TEST_F(Dispatch, ACloseRequestDuringAHandlerIsCarriedOutWhenItEnds)
{
    bool loadedAtEndOfHandler = false;
    form().cmdA.onClick([&] {
        QCloseEvent close;
        QCoreApplication::sendEvent(&form(), &close);
        loadedAtEndOfHandler = instance.loaded();
    });
    click(form(), "cmdA");
    EXPECT_TRUE(loadedAtEndOfHandler);
    EXPECT_FALSE(instance.loaded());
    EXPECT_TRUE(runtime.ended());  // no form left
}

TEST_F(Dispatch, UnloadFromTheFormsOwnHandlerLetsItRunOn)
{
    QPointer<TestForm> window = &form();
    int after = 0;
    window->cmdA.onClick([&] {
        window->Unload();
        ++after;
        window->lblA.setCaption("encara");
    });
    click(*window, "cmdA");
    EXPECT_EQ(after, 1);
    EXPECT_FALSE(instance.loaded());
    settle();
    EXPECT_TRUE(window.isNull());  // destroyed once back in the event loop
}

TEST_F(Dispatch, ShowStartsFromTheDesignTimeState)
{
    form().lblA.setCaption("canviat");
    form().shpA.setTop(4000);
    instance.Unload();
    settle();
    instance.Show();
    EXPECT_EQ(form().lblA.Caption(), " 12");
    EXPECT_EQ(form().shpA.Top(), 1500);
    EXPECT_EQ(runtime.loadedForms(), 1);
}

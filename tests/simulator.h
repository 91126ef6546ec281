#pragma once
// A simulator opened from the menu as the pupil opens it, with what its
// tests need: its controls by name, typing and scroll bars as the pupil
// uses them, and every drawing call the form makes.

#include <gtest/gtest.h>
#include <QAccessible>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <type_traits>
#include <vector>

#include "runtime/twips.h"
#include "shell/program.h"
#include "shell/simulators.h"
#include "support.h"

namespace test {

template <class Instance>
struct SimulatorTest : ::testing::Test {
    using Window = std::remove_pointer_t<decltype(std::declval<Instance&>().window())>;

    shell::Program program{sessionOptions()};
    Window* form = nullptr;
    std::vector<rt::DrawCall> calls;

    void SetUp() override
    {
        program.start();
        open();
    }
    rt::Runtime& session() { return program.session(); }
    // Its button on the menu, found through the simulators' table.
    const char* menuButton()
    {
        for (size_t row = 0; row < program.simulatorCount(); ++row)
            if (&program.simulator(row) == &instance()) return shell::simulators()[row].button.name;
        return "";
    }
    Instance& instance() { return program.template instance<Instance>(); }
    void open()
    {
        click(*program.menu.window(), menuButton());
        form = instance().window();
        ASSERT_NE(form, nullptr);
        // On Wayland the compositor's word on the window's size comes once
        // it has given it the keyboard, and would undo a resize before it.
        activate(*form);
        // The pacing tests run again with every form zoomed.
        if (const double zoom = qEnvironmentVariableIntValue("ONDARELL_TEST_ZOOM"); zoom > 1) {
            form->resize(rt::clientSize(zoom));
            QCoreApplication::processEvents();
            ASSERT_EQ(form->zoom(), zoom);
        }
        form->setDrawingRecorder([this](const rt::DrawCall& c) { calls.push_back(c); });
    }
    auto& values() { return instance().values(); }

    template <class T>
    T& control(const char* name)
    {
        return form->template control<T>(name);
    }
    QString caption(const char* label) { return control<rt::Label>(label).Caption(); }
    // What a screen reader reads for a control.
    QString spoken(const char* name)
    {
        return QAccessible::queryAccessibleInterface(find(*form, name))->text(QAccessible::Name);
    }
    QString text(const char* box) { return find<QLineEdit>(*form, box)->text(); }
    void set(const char* bar, int value) { pupil::set(*form, bar, value); }
    void type(const char* box, const char* text) { pupil::type(*form, box, text); }
    std::vector<rt::DrawCall> callsOf(rt::Color color) const
    {
        std::vector<rt::DrawCall> out;
        for (const auto& c : calls)
            if (c.color == color) out.push_back(c);
        return out;
    }
};

}  // namespace test

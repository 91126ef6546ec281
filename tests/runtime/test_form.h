#pragma once
// A small form with one control of each kind, for the runtime's tests.

#include <gtest/gtest.h>

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"
#include "runtime/windowless.h"
#include "support.h"

namespace test {

inline constexpr rt::Color kYellow = rt::RGB(255, 255, 0);
inline constexpr rt::Color kBlue = rt::RGB(0, 0, 255);
inline constexpr rt::Color kGreen = rt::RGB(0, 128, 0);
inline constexpr rt::Color kPaper = rt::RGB(255, 255, 255);

class TestForm : public rt::Form {
public:
    explicit TestForm(rt::Session& session)
        : rt::Form(
              session,
              {.name = "frmProva", .caption = "Prova", .description = "Un formulari de prova.", .backColor = kPaper})
    {
    }

    // clang-format off
    rt::Label lblDalt{*this, {.name = "lblDalt", .caption = "dalt", .left = 150, .top = 150, .width = 600, .height = 300, .tabIndex = 5, .backColor = kGreen}};
    rt::Label lblA{*this, {.name = "lblA", .caption = " 12", .left = 150, .top = 150, .width = 1500, .height = 300, .tabIndex = 6, .backColor = kYellow}};
    rt::Button cmdA{*this, {.name = "cmdA", .caption = "&Prova", .left = 3000, .top = 150, .width = 1200, .height = 450, .tabIndex = 1}};
    rt::Button cmdB{*this, {.name = "cmdB", .caption = "&Desactivat", .left = 4500, .top = 150, .width = 1200, .height = 450, .tabIndex = 3, .enabled = false}};
    rt::Shape shpA{*this, {.name = "shpA", .left = 150, .top = 1500, .width = 1500, .height = 750, .fillStyle = rt::FillStyle::Solid, .fillColor = kBlue}};
    rt::LineControl linA{*this, {.name = "linA", .x1 = 150, .y1 = 3000, .x2 = 3000, .y2 = 3000, .borderWidth = 3}};
    rt::HScrollBar hsbA{*this, {.name = "hsbA", .left = 3000, .top = 1500, .width = 2000, .height = 255, .tabIndex = 0, .min = 0, .max = 10, .value = 2, .accessibleName = "Mida", .valueLabel = &lblMida, .shownStep = 2}};
    rt::Label lblMida{*this, {.name = "lblMida", .caption = "4 mm", .left = 5100, .top = 1500, .width = 600, .height = 255}};
    rt::Label lblTítol{*this, {.name = "lblTítol", .caption = "Velocitat:", .left = 150, .top = 6600, .width = 1200, .height = 255}};
    rt::Label lblResultat{*this, {.name = "lblResultat", .caption = "", .left = 1350, .top = 6600, .width = 900, .height = 255, .captionLabel = &lblTítol, .unitLabel = &lblUnitat}};
    rt::Label lblUnitat{*this, {.name = "lblUnitat", .caption = "m/s", .left = 2250, .top = 6600, .width = 600, .height = 255}};
    rt::TextBox txtA{*this, {.name = "txtA", .left = 3000, .top = 2250, .width = 1500, .height = 375, .tabIndex = 2}};
    rt::Image imgA{*this, {.name = "imgA", .left = 6000, .top = 3000, .width = 3615, .height = 1350, .picture = ":/archimedes/nota.svg", .description = "una nota"}};
    rt::PictureBox picA{*this, {.name = "picA", .left = 6000, .top = 4500, .width = 3000, .height = 2000, .tabIndex = 4, .backColor = rt::RGB(128, 255, 255), .accessibleName = "l'aigua"}};
    rt::Label lblDins{picA, {.name = "lblDins", .caption = "dins", .left = 150, .top = 150, .width = 900, .height = 300, .backColor = kYellow}};
    // clang-format on
};

// A test form, loaded as the runtime loads it.
struct TestFormFixture : ::testing::Test {
    rt::Runtime runtime{sessionOptions()};
    rt::FormInstance<TestForm> instance{runtime};
    TestForm* form = nullptr;
    void SetUp() override
    {
        instance.Show();
        form = instance.window();
    }
};

}  // namespace test

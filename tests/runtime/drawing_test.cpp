#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontInfo>
#include <cmath>

#include "runtime/errors.h"
#include "runtime/fonts.h"
#include "runtime/pictures.h"
#include "runtime/runtime.h"
#include "runtime/twips.h"
#include "support.h"
#include "test_form.h"

using namespace test;

namespace {

struct Drawing : TestFormFixture {
    QColor at(float x, float y) { return pixel(*form, x, y); }
};

const QColor kRed(255, 0, 0);

}  // namespace

TEST_F(Drawing, LinePaintsOverWindowlessControlsNeverOverWindowedOnes)
{
    form->setDrawWidth(3);
    form->Line(0, 225, 6000, 225, rt::RGB(255, 0, 0));  // across lblA and cmdA
    EXPECT_EQ(at(1200, 225), kRed);
    EXPECT_NE(at(3600, 225), kRed);
    form->Line(900, 1200, 900, 2400, rt::RGB(255, 0, 0));  // down through shpA
    EXPECT_EQ(at(900, 1800), kRed);
    form->Line(6200, 4000, 9000, 6000, rt::RGB(255, 0, 0));  // into the picture box
    EXPECT_EQ(at(6340, 4100), kRed);
    EXPECT_EQ(at(8000, 5286), QColor(128, 255, 255));
}

TEST_F(Drawing, ClsErasesEverythingAndResetsTheCurrentPoint)
{
    form->Line(0, 2250, 9000, 2250, rt::RGB(255, 0, 0));
    EXPECT_EQ(form->CurrentX(), 9000);
    EXPECT_EQ(form->CurrentY(), 2250);
    form->Cls();
    EXPECT_EQ(at(1000, 2250), Qt::white);
    EXPECT_EQ(form->CurrentX(), 0);
    EXPECT_EQ(form->CurrentY(), 0);
}

TEST_F(Drawing, AControlShownOrMovedAfterADrawingShowsOverIt)
{
    form->FilledBox(0, 1200, 2400, 2700, rt::RGB(255, 0, 0));
    EXPECT_EQ(at(900, 1800), kRed);
    form->shpA.setTop(1530);  // moved by two twips: paints itself over the drawing
    EXPECT_EQ(at(900, 1800), QColor(0, 0, 255));
    form->lblA.setVisible(false);
    form->Line(0, 225, 1800, 225, rt::RGB(255, 0, 0));
    form->lblA.setVisible(true);
    EXPECT_EQ(at(1200, 225), QColor(255, 255, 0));
    form->lblA.setVisible(false);  // hidden: what was drawn there stays cleared, the form shows
    EXPECT_EQ(at(1200, 225), Qt::white);
}

TEST_F(Drawing, CurrentPointSegmentsAndWidths)
{
    form->setCurrentX(1500);
    form->setCurrentY(5250);
    form->setDrawWidth(3);
    form->LineTo(4500, 5250, rt::RGB(255, 0, 0));
    // Three pixels thick: 5235, 5250, 5265 twips are red, not two pixels off.
    for (float y : {5235.0f, 5250.0f, 5265.0f}) EXPECT_EQ(at(3000, y), kRed) << y;
    EXPECT_EQ(at(3000, 5220), Qt::white);
    EXPECT_EQ(at(3000, 5280), Qt::white);
    form->setDrawWidth(1);
    form->LineTo(4500, 6750);  // the foreground colour: black
    EXPECT_EQ(at(4500, 6000), Qt::black);
    form->Box(300, 6300, 1500, 7500, rt::RGB(0, 0, 255));
    EXPECT_EQ(at(300, 6900), QColor(0, 0, 255));
    EXPECT_EQ(at(900, 6900), Qt::white);
}

TEST_F(Drawing, ScaleTopAndHorizontalScale)
{
    form->setScaleTop(-8000);
    form->Line(300, -150, 3000, -150, rt::RGB(255, 0, 0));  // 150 above the ground at 8000
    EXPECT_EQ(at(1500, 7850), kRed);
    form->setScaleTop(0);
    form->setScaleWidth(3046.154f);  // 3.9 twips a unit
    EXPECT_NEAR(form->twipsPerUnitX(), 3.8999996f, 1e-6f);
    form->Line(370, 7200, 2550, 7200, rt::RGB(255, 0, 0));
    EXPECT_EQ(at(1443 + 30, 7200), kRed);
    EXPECT_EQ(at(1443 - 30, 7200), Qt::white);
    EXPECT_EQ(at(9945 - 30, 7200), kRed);
    EXPECT_EQ(at(9945 + 30, 7200), Qt::white);
}

TEST_F(Drawing, TheDrawingIsKeptWhenTheWindowIsHiddenAndShownAgain)
{
    form->FilledBox(7000, 7000, 9000, 8000, rt::RGB(255, 0, 0));
    form->hide();
    form->show();
    EXPECT_EQ(at(8000, 7500), kRed);
}

TEST_F(Drawing, CoordinatesBeyondAnyScreenAreARunTimeError)
{
    EXPECT_THROW(form->Line(0, 0, 1e9f, 0), rt::RuntimeError);
    EXPECT_THROW(form->Line(0, std::nanf(""), 10, 10), rt::RuntimeError);
    form->Line(-20000, -20000, 30000, 30000);  // off the form, but drawn without harm
}

TEST_F(Drawing, DrawingCostsVirtualTime)
{
    auto& pacer = runtime.pacer();
    runtime.dispatch(form, [&] {
        for (int i = 0; i < 100; ++i) form->Line(0, 7000, 3000, 7000);
    });
    EXPECT_GE(pacer.elapsed(), 100 * rt::Pacer::kDefaultPace.drawCall);
}

// The window is presented frame by frame while a handler draws, through the
// runtime's own presenting, and shows something new at each frame.
TEST_F(Drawing, AnAnimationIsPresentedFrameByFrame)
{
    // A Wayland compositor asks for a frame when it can show one, some 16 ms
    // apart, and a clock that never waits runs ahead of it.
    if (onWayland())
        GTEST_SKIP() << "frames are the compositor's to ask for on Wayland; the paced tests check the pace there";
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    QWidget* surface = find(*form, "dibuix");
    surface->installEventFilter(&counter);
    std::vector<int> paintsAtFrame;
    {
        PacedWithoutWaiting paced(runtime, [&] { paintsAtFrame.push_back(counter.paints); });
        runtime.dispatch(form, [&] {
            for (int row = 0; row < 2000; ++row) form->Line(0, 3.0f * float(row), 3000, 3.0f * float(row));
        });
    }
    surface->removeEventFilter(&counter);
    ASSERT_GE(paintsAtFrame.size(), 15u);  // 2000 lines of 200 pixels: about 0.35 s
    int fresh = 0;
    for (size_t i = 1; i < paintsAtFrame.size(); ++i) fresh += paintsAtFrame[i] > paintsAtFrame[i - 1];
    EXPECT_GE(fresh, int(paintsAtFrame.size()) - 2) << "frames that painted nothing new";
    EXPECT_EQ(at(1500, 3000), QColor(Qt::black));
}

// The pacing tests run again on screens of pixel ratio 1.5 and 2: the
// drawing must then really be at that density.
TEST_F(Drawing, KeepsItsPicturesAtTheScreensPixelRatio)
{
    const double asked = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
    form->Line(0, 0, 150, 0);
    const QImage& image = form->drawing()->image();
    EXPECT_EQ(form->drawing()->scale(), asked);
    EXPECT_EQ(image.width(), std::lround(792 * asked));
    EXPECT_EQ(image.height(), std::lround(573 * asked));
}

// Past two million calls since Cls the form stops keeping them: a new zoom
// then stretches the picture, which must still be there.
TEST_F(Drawing, AVeryLongDrawingSurvivesAZoom)
{
    form->setDrawWidth(3);
    for (int i = 0; i <= 2'000'000; ++i) form->Line(1500, 4500, 1500, 4500, rt::RGB(255, 0, 0));
    form->resize(rt::clientSize(2));
    QCoreApplication::processEvents();
    ASSERT_EQ(form->zoom(), 2);
    EXPECT_EQ(at(1500, 4500), kRed);
}

// A picture's text is in the upright regular faces, whatever faces the
// forms have needed so far: with only the menu title's bold italic serif
// registered, the formulas of Torricelli came out in it.
TEST(Pictures, TheirTextIsUprightWhateverFacesTheFormsUse)
{
    rt::toQFont({"Dutch801 XBd BT", 36, true, true});
    ASSERT_FALSE(rt::renderPicture(":/torricelli/equacions.svg", 1, 1).isNull());
    for (const char* family : {"Liberation Serif", "Liberation Sans"}) {
        const QFontInfo face{QFont(QString::fromLatin1(family))};
        EXPECT_EQ(face.family(), family);
        EXPECT_FALSE(face.italic() || face.bold()) << family;
    }
}

// Every text and every control of every form, against what it is painted on,
// in the documents' colours and in the high-contrast profile (F7): the
// ratios of the Web Content Accessibility Guidelines, from the pixels the
// runtime paints.

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <functional>
#include <string>
#include <vector>

#include "runtime/drawing_surface.h"
#include "runtime/qt_colors.h"
#include "runtime/windowed.h"
#include "runtime/windowless.h"
#include "shell/program.h"
#include "shell/simulators.h"
#include "support.h"

using namespace test;

namespace {

rt::Color colorOf(QColor c)
{
    return rt::RGB(c.red(), c.green(), c.blue());
}

// The pixel of `image` (of the whole window) at a widget's point.
rt::Color at(const QImage& image, const QWidget& window, const QWidget& widget, QPoint point)
{
    const QPoint p = widget.mapTo(&window, point) * image.devicePixelRatio();
    return colorOf(image.pixelColor(p.x(), p.y()));
}

// The darkest or the lightest pixel of a widget's row between two columns,
// whichever differs more from `against`: a thin line's own colour.
rt::Color lineOn(const QImage& image, const QWidget& window, const QWidget& widget, int y, int from, int to,
                 rt::Color against)
{
    rt::Color best = against;
    for (int x = from; x <= to; ++x) {
        const rt::Color c = at(image, window, widget, QPoint(x, y));
        if (rt::contrastRatio(c, against) > rt::contrastRatio(best, against)) best = c;
    }
    return best;
}

// Whether the form's drawing covers a windowless control, which then shows
// only as much as the drawing leaves.
bool underTheDrawing(rt::Form& form, const QWidget& view)
{
    const auto* surface = find<rt::DrawingSurface>(form, "dibuix");
    const QImage& drawn = surface->image();
    if (drawn.isNull()) return false;
    const QPointF p =
        QPointF(surface->mapFrom(&form, view.mapTo(&form, view.rect().center()))) * surface->devicePixelRatioF();
    return drawn.valid(p.toPoint()) && drawn.pixelColor(p.toPoint()).alpha() > 0;
}

// Two points of a drawing that touch, in twips of the client area, and
// what they show.
struct Touching {
    const char* what;
    float x1, y1, x2, y2;
};

// Each simulator with its inputs set and its animation run, so that every
// result and every part of its drawing shows; then the parts that touch.
struct Shown {
    const char* menuButton;
    std::function<void(QWidget&)> run;
    std::vector<Touching> drawing;
};

const Shown kShown[] = {
    {"cmdArquímedes",
     [](QWidget& f) {
         pupil::set(f, "HSBDensitat", 200);
         pupil::set(f, "HSBAlturaLíquid", 10);
         click(f, "cmdOmplir");
         click(f, "OptTriar(2)");
         click(f, "cmdIniciarMoviment");
     },
     {{"the water against the form", 4500, 2700, 4500, 2400},
      {"the container against the water", 6120, 7410, 5100, 7410}}},
    {"cmdTorricelli",
     [](QWidget& f) {
         pupil::type(f, "txtAlturaLíquid", "10");
         click(f, "cmdOmplir");
         pupil::type(f, "txtAlturaForat", "5");
         click(f, "cmdBuidar");
     },
     {{"the liquid against the form", 1620, 6000, 1620, 4800}, {"the jet against the form", 3000, 5520, 3000, 5350}}},
    {"cmdContinuïtat",
     [](QWidget& f) {
         pupil::set(f, "hsbCabal", 100);
         pupil::set(f, "HSBDiàmetre1", 200);
         pupil::set(f, "HSBDiàmetre2", 100);
         pupil::set(f, "HSBDiàmetre3", 150);
         click(f, "cmdCalcular");
         click(f, "cmdSimular");
     },
     {{"the fluid against the form", 2250, 6450, 2250, 4350}}},
    {"cmdPascal",
     [](QWidget& f) {
         click(f, "cmdCalcular");
         click(f, "cmdSimular");
     },
     {{"the pipe's liquid against the form", 4000, 7790, 4000, 8100},
      {"the large piston against its liquid", 9000, 2850, 9000, 3300},
      {"the small piston against its liquid", 1620, 4815, 1620, 5175}}},
    {"cmdVenturi",
     [](QWidget& f) {
         pupil::set(f, "hsbCabal", 500);
         click(f, "cmdCalcular");
         click(f, "cmdSimular");
     },
     {{"the pipe's water against the form", 1500, 3480, 1500, 2800},
      {"the tube against the form", 2400, 5585, 2400, 5450},
      {"the left tap against the form", 3665, 7535, 3540, 7535},
      {"the left tap against the water above it", 3665, 7535, 3665, 7380},
      {"the left tap against the column below it", 3665, 7535, 3665, 7690},
      {"the right tap against the form", 4505, 5705, 4620, 5705},
      {"the right tap against the water above it", 4505, 5705, 4505, 5560},
      {"the right tap against the column below it", 4505, 5705, 4505, 5850}}},
};

// What falls short on a window, one line each.
std::vector<std::string> shortfalls(rt::Form& form, bool highContrast)
{
    std::vector<std::string> found;
    const QImage image = form.grab().toImage();
    const auto check = [&](const std::string& what, rt::Color a, rt::Color b, double needed) {
        const double ratio = rt::contrastRatio(a, b);
        if (ratio < needed)
            found.push_back(form.objectName().toStdString() + " " + what + ": " + std::to_string(ratio).substr(0, 4) +
                            ":1");
    };
    for (QWidget* view : form.findChildren<QWidget*>()) {
        rt::Control* control = rt::Control::of(view);
        if (control == nullptr || !view->isVisible() || !view->isEnabled()) continue;
        const std::string name = control->name().toStdString();
        const QRect r = view->rect();
        // Texts: the label's ink, as painted, against the label's own corner.
        if (auto* label = dynamic_cast<rt::Label*>(control); label != nullptr && highContrast) {
            if (label->shownText().trimmed().isEmpty() || underTheDrawing(form, *view)) continue;
            // (Over a picture, in the ring the runtime draws around it.)
            const rt::Color ink = form.session().ink(label->ForeColor());
            const QPoint corner = label->textRect().topLeft() + QPoint(1, 1);
            check(name + " text", ink, label->transparent() ? rt::haloOf(ink) : at(image, form, *view, corner), 4.5);
        }
        // A scroll bar's thumb against its track, and its edge against the form.
        if (auto* bar = qobject_cast<QScrollBar*>(view)) {
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.orientation = Qt::Horizontal;
            option.minimum = bar->minimum(), option.maximum = bar->maximum();
            option.sliderPosition = option.sliderValue = bar->value();
            option.pageStep = bar->pageStep(), option.singleStep = bar->singleStep();
            option.subControls = QStyle::SC_All;
            const QRect thumb =
                bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
            const QRect groove =
                bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, bar);
            const QPoint track = thumb.right() + 4 < groove.right() ? QPoint(groove.right() - 2, r.center().y())
                                                                    : QPoint(groove.left() + 2, r.center().y());
            check(name + " thumb", at(image, form, *view, thumb.center()), at(image, form, *view, track), 3);
        }
        if (qobject_cast<QScrollBar*>(view) != nullptr || dynamic_cast<rt::TextBox*>(control) != nullptr ||
            dynamic_cast<rt::Frame*>(control) != nullptr) {
            const rt::Color outside = at(image, form, *view, QPoint(-2, r.center().y()));
            check(name + " edge", at(image, form, *view, QPoint(0, r.center().y())), outside, 3);
        }
        // An option button's circle against what it stands on.
        if (auto* option = qobject_cast<QRadioButton*>(view)) {
            QStyleOptionButton style;
            style.initFrom(option);
            const QRect circle = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
            const rt::Color under = at(image, form, *view, QPoint(r.right() - 1, 1));
            check(name + " circle",
                  lineOn(image, form, *view, circle.center().y(), circle.left(), circle.center().x(), under), under, 3);
        }
    }
    return found;
}

}  // namespace

// Every form, its results shown and its animation run, in both profiles:
// the runtime's own controls at 3:1 in the documents' colours too, and in
// the high-contrast profile every text at 4.5:1 and every part of a
// drawing at 3:1 against what it touches.
TEST(Contrast, EveryTextAndControlOfEveryFormInBothProfiles)
{
    shell::Program program(sessionOptions());
    program.start();
    for (bool highContrast : {false, true}) {
        if (highContrast) {
            // F7, as the window system delivers it, on the menu: said, shown,
            // and holding for every window opened afterwards.
            rt::Form& menu = *program.menu.window();
            activate(menu);
            sendKey(QEvent::KeyPress, Qt::Key_F7, Qt::NoModifier, 7'000'000);
            sendKey(QEvent::KeyRelease, Qt::Key_F7, Qt::NoModifier, 7'000'050);
            EXPECT_EQ(menu.lastAnnouncement(), "Contrast alt activat.");
            EXPECT_EQ(menu.notice().label().text(), "Contrast alt activat");
            ASSERT_EQ(program.session().display().profile, rt::Profile::HighContrast);
        }
        std::vector<std::string> found = shortfalls(*program.menu.window(), highContrast);
        for (const Shown& s : kShown) {
            click(*program.menu.window(), s.menuButton);
            rt::Form& form = *program.session().loadedWindows().at(0);
            activate(form);
            s.run(form);
            for (const std::string& f : shortfalls(form, highContrast)) found.push_back(f);
            if (highContrast) {
                for (const Touching& t : s.drawing)
                    if (const double ratio =
                            rt::contrastRatio(colorOf(pixel(form, t.x1, t.y1)), colorOf(pixel(form, t.x2, t.y2)));
                        ratio < 3)
                        found.push_back(form.objectName().toStdString() + " " + t.what + ": " +
                                        std::to_string(ratio).substr(0, 4) + ":1");
            }
            // Its measurements' window, through F9, in the same colours.
            if (highContrast) {
                sendKey(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier, 8'000'000);
                sendKey(QEvent::KeyRelease, Qt::Key_F9, Qt::NoModifier, 8'000'050);
                QWidget* table = nullptr;
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (w->objectName() == "mesures" && w->isVisible()) table = w;
                if (table == nullptr) {
                    found.push_back(form.objectName().toStdString() + " measurements: not shown");
                } else {
                    const QPalette& p = table->palette();
                    const auto pair = [&](const char* what, QPalette::ColorRole a, QPalette::ColorRole b,
                                          double needed) {
                        if (rt::contrastRatio(colorOf(p.color(a)), colorOf(p.color(b))) < needed)
                            found.push_back(form.objectName().toStdString() + " measurements' " + what);
                    };
                    pair("text", QPalette::Text, QPalette::Base, 4.5);
                    pair("labels", QPalette::WindowText, QPalette::Window, 4.5);
                    pair("buttons", QPalette::ButtonText, QPalette::Button, 4.5);
                    pair("lines", QPalette::Mid, QPalette::Base, 3);
                    table->close();
                }
                activate(form);
            }
            click(form, "cmdSortir");
        }
        std::string all;
        for (const std::string& f : found) all += "\n  " + f;
        EXPECT_TRUE(found.empty()) << (highContrast ? "high contrast:" : "documents' colours:") << all;
    }
    // F7 again: the documents' colours.
    rt::Form& menu = *program.menu.window();
    activate(menu);
    sendKey(QEvent::KeyPress, Qt::Key_F7, Qt::NoModifier, 7'100'000);
    sendKey(QEvent::KeyRelease, Qt::Key_F7, Qt::NoModifier, 7'100'050);
    EXPECT_EQ(menu.lastAnnouncement(), "Contrast alt desactivat.");
    EXPECT_EQ(program.session().display().profile, rt::Profile::Documents);
}

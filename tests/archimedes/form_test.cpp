#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "archimedes/form.h"
#include "simulator.h"

using namespace test;
using archimedes::frmArquímedes;

namespace {

struct Archimedes : SimulatorTest<archimedes::Instance> {
    void fill(int density, int height)
    {
        set("HSBDensitat", density);
        set("HSBAlturaLíquid", height);
        click(*form, "cmdOmplir");
    }
    void choose(int option) { click(*form, ("OptTriar(" + std::to_string(option) + ")").c_str()); }
    rt::Shape& shape(const char* name) { return form->control<rt::Shape>(name); }
    rt::Button& button(const char* name) { return form->control<rt::Button>(name); }
};

}  // namespace

TEST_F(Archimedes, DesignTimeLayout)
{
    EXPECT_EQ(form->windowTitle(), "Principi d'Arquímedes");
    expectPlacements(*form, {
                                {"cmdSortir", 10200, 1440, 975, 615, "&Sortir"},
                                {"cmdEsborrar", 9120, 1440, 975, 615, "&Esborrar Dades"},
                                {"cmdIniciarMoviment", 7920, 1440, 1095, 615, "&Iniciar Moviment"},
                                {"cmdOmplir", 6720, 1440, 1095, 615, "&Omplir"},
                                {"HSBDensitat", 360, 1920, 3975, 255, nullptr},
                                {"HSBAlturaLíquid", 360, 1200, 3975, 255, nullptr},
                                {"picAigua", 0, 2520, 13365, 5535, nullptr},
                                {"lblDensitatValor", 4440, 1920, 1095, 255, "0 kg/dm3"},
                                {"lblAlturaL", 4440, 1200, 735, 255, "0 m"},
                                {"lblPròleg", 4440, 120, 7215, 1095,
                                 "Per simular el principi d'Arquímedes en aquest programa, s´ha de donar l'altura de "
                                 "producte, en metres, amb que omplim el "
                                 "recipient i la seva densitat en kg/dm3. L'altura  màxima de càlcul és de 10 metres. "
                                 "Es considera un recipient de "
                                 "dimensions constants i l'empenta de l'aigua sempre serà la mateixa."},
                                {"lblDensitat", 360, 1560, 855, 255, "Densitat:"},
                                {"lblAlturaLíquid", 360, 840, 2055, 255, "Altura producte afegit:"},
                                {"lblTítol", 480, 360, 3855, 495, "PRINCIPI D'ARQUÍMEDES"},
                                {"frmTriarResposta", 9360, 960, 2295, 1935, nullptr},
                                {"Shape1", 3480, 3840, 165, 1350, nullptr},
                                {"lblNomRecipient", 5520, 2520, 1215, 495, "Recipient submergit "},
                                {"lblSolucio", 9000, 3840, 2295, 255, "SOLUCIÓ"},
                                {"imgNotaArq", 0, 3840, 3615, 1350, nullptr},
                                {"lblEquacionsEmprades", 0, 0, 3630, 375, "EQUACIONS EMPRADES"},
                                {"imgEquaciosnArq", 0, 360, 3630, 3495, nullptr},
                                {"lblPesProducte", 8760, 4200, 2895, 1095, ""},
                                {"shpAlturaLíquid", 5400, 2200, 1455, 15, nullptr},
                                {"shpVaixell", 5400, 2200, 1455, 1000, nullptr},
                                {"OptTriar(0)", 240, 360, 1815, 375, nullptr},
                                {"OptTriar(1)", 240, 840, 1575, 375, nullptr},
                                {"OptTriar(2)", 240, 1320, 1575, 375, nullptr},
                            });
    EXPECT_EQ(find<QRadioButton>(*form, "OptTriar(1)")->text(), "E > F, puja");
    EXPECT_EQ(find(*form, "OptTriar(2)")->parentWidget(), find(*form, "frmTriarResposta"));
    EXPECT_FALSE(button("cmdIniciarMoviment").Enabled());
    EXPECT_EQ(find<QScrollBar>(*form, "HSBDensitat")->maximum(), 200);
    EXPECT_EQ(find<QScrollBar>(*form, "HSBAlturaLíquid")->maximum(), 10);
}

TEST_F(Archimedes, DesignTimeLook)
{
    const QColor water(128, 255, 255), cover(255, 255, 128);
    EXPECT_EQ(pixel(*form, 5000, 2520 + 5000), water);
    EXPECT_EQ(pixel(*form, 8000, 2520 + 300), water);
    EXPECT_EQ(pixel(*form, 6100, 2520 + 2800), cover);      // the empty container, under its label
    EXPECT_EQ(pixel(*form, 3560, 2520 + 4500), Qt::white);  // Shape1 over the note's edge
    EXPECT_EQ(pixel(*form, 11000, 8300), Qt::white);        // the form below the water
    expectLooks(*form, {
                           {"lblDensitatValor", rt::RGB(0, 0, 255), rt::sys::TitleBarText, 8.25f, false},
                           {"lblAlturaL", rt::RGB(0, 0, 192), rt::sys::TitleBarText, 8.25f, false},
                           {"lblPròleg", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 9.75f, false},
                           {"lblDensitat", rt::RGB(0, 0, 0), rt::sys::HighlightText, 8.25f, true},
                           {"lblAlturaLíquid", rt::RGB(0, 0, 0), rt::sys::HighlightText, 8.25f, true},
                           {"lblTítol", rt::RGB(255, 0, 0), rt::sys::TitleBarText, 13.5f, false},
                           {"lblNomRecipient", rt::RGB(0, 0, 0), rt::RGB(255, 255, 128), 9.75f, true},
                           {"lblSolucio", rt::RGB(0, 0, 0), archimedes::kWater, 9.75f, true},
                           {"lblEquacionsEmprades", rt::RGB(255, 0, 0), rt::sys::TitleBarText, 12, true},
                           {"lblPesProducte", rt::RGB(0, 0, 0), rt::sys::ButtonFace, 9.75f, true},
                       });
    EXPECT_TRUE(form->control<rt::Label>("lblPesProducte").transparent());
}

TEST_F(Archimedes, ValueLabelsFollowTheBars)
{
    set("HSBAlturaLíquid", 7);
    EXPECT_EQ(caption("lblAlturaL"), "7 m");
    // The density is written with the desktop's decimal separator.
    const struct {
        QLocale locale;
        int value;
        const char* text;
    } densities[] = {
        {QLocale::c(), 1, "0.1 kg/dm3"},
        {QLocale::c(), 15, "1.5 kg/dm3"},
        {QLocale::c(), 200, "20 kg/dm3"},
        {QLocale::c(), 0, "0 kg/dm3"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), 15, "1.5 kg/dm3"},
        {QLocale(QLocale::Catalan, QLocale::Spain), 15, "1,5 kg/dm3"},
        {QLocale(QLocale::Catalan, QLocale::Spain), 7, "0,7 kg/dm3"},
        {QLocale(QLocale::Catalan, QLocale::Spain), 200, "20 kg/dm3"},
    };
    const QLocale desktop;
    for (const auto& d : densities) {
        QLocale::setDefault(d.locale);
        set("HSBDensitat", d.value == 0 ? 1 : 0);
        set("HSBDensitat", d.value);
        EXPECT_EQ(caption("lblDensitatValor"), d.text) << d.locale.name().toStdString();
    }
    QLocale::setDefault(desktop);
    EXPECT_EQ(values().F, 0);  // the bars compute nothing
}

TEST_F(Archimedes, FillingShowsTheProductColumn)
{
    fill(9, 9);
    EXPECT_FLOAT_EQ(values().F, 79379.99f);
    EXPECT_FALSE(form->control<rt::Label>("lblNomRecipient").Visible());
    EXPECT_EQ(shape("shpAlturaLíquid").Height(), 100);
    EXPECT_EQ(shape("shpAlturaLíquid").fillStyle(), rt::FillStyle::Solid);
    EXPECT_EQ(shape("shpVaixell").FillColor(), rt::RGB(255, 0, 0));
    EXPECT_EQ(pixel(*form, 6100, 2520 + 2200 + 50), QColor(255, 255, 128));  // the cover
    EXPECT_EQ(pixel(*form, 6100, 2520 + 2200 + 600), QColor(255, 0, 0));     // the product
    EXPECT_FALSE(button("cmdIniciarMoviment").Enabled());                    // only an answer enables it

    fill(10, 0);
    EXPECT_EQ(shape("shpAlturaLíquid").Height(), 1000);
    EXPECT_EQ(pixel(*form, 6100, 2520 + 2200 + 600), QColor(255, 255, 128));  // looks empty
    fill(10, 10);
    EXPECT_EQ(shape("shpAlturaLíquid").Height(), 0);
    EXPECT_EQ(pixel(*form, 6100, 2520 + 2200 + 100), QColor(255, 0, 0));
}

TEST_F(Archimedes, AnswersAreJudgedAgainstTheLastFilling)
{
    choose(1);  // before any filling F is 0: it rises
    EXPECT_EQ(caption("lblPesProducte"), "MOLT BÉ.  Simula el Moviment per comprovar-ho");
    EXPECT_TRUE(button("cmdIniciarMoviment").Enabled());
    fill(10, 10);
    set("HSBDensitat", 3);  // moving a bar afterwards changes nothing judged
    choose(0);
    EXPECT_EQ(caption("lblPesProducte"), "MOLT BÉ. El recipient es manté, E=F. Simula el Moviment per comprovar-ho");
    choose(0);  // the same answer again is judged again
    EXPECT_EQ(caption("lblPesProducte"), "MOLT BÉ. El recipient es manté, E=F. Simula el Moviment per comprovar-ho");
    choose(2);
    EXPECT_EQ(caption("lblPesProducte"), "T'HAS EQUIVOCAT. Simula el Moviment per comprovar-ho");
}

TEST_F(Archimedes, AScreenReaderChoosesAnAnswerAsAClickDoes)
{
    fill(10, 10);
    const struct {
        int option;
        const char* judgement;
    } answers[] = {{0, "MOLT BÉ. El recipient es manté, E=F. Simula el Moviment per comprovar-ho"},
                   {2, "T'HAS EQUIVOCAT. Simula el Moviment per comprovar-ho"}};
    for (const auto& a : answers) {
        const std::string name = "OptTriar(" + std::to_string(a.option) + ")";
        QAccessibleInterface* option = QAccessible::queryAccessibleInterface(find(*form, name.c_str()));
        ASSERT_EQ(option->role(), QAccessible::RadioButton);
        // The first action is the one a screen reader or a switch uses.
        const QStringList actions = option->actionInterface()->actionNames();
        ASSERT_FALSE(actions.isEmpty());
        EXPECT_EQ(actions.first(), QAccessibleActionInterface::toggleAction());
        option->actionInterface()->doAction(actions.first());
        settle();  // chosen once the tool has its answer
        EXPECT_TRUE(option->state().checked) << name;
        EXPECT_EQ(caption("lblPesProducte"), QString::fromUtf8(a.judgement));
        EXPECT_TRUE(button("cmdIniciarMoviment").Enabled());
    }
}

TEST_F(Archimedes, EsborrarDadesResetsAllButTheWeight)
{
    fill(50, 2);
    choose(0);
    click(*form, "cmdIniciarMoviment");
    click(*form, "cmdEsborrar");
    EXPECT_EQ(shape("shpVaixell").Top(), 2200);
    EXPECT_EQ(shape("shpVaixell").Height(), 1000);
    EXPECT_EQ(shape("shpVaixell").FillColor(), rt::RGB(255, 255, 128));
    EXPECT_EQ(shape("shpAlturaLíquid").Height(), 0);
    EXPECT_EQ(shape("shpAlturaLíquid").Top(), 2200);
    EXPECT_EQ(shape("shpAlturaLíquid").fillStyle(), rt::FillStyle::Solid);  // left as it was
    EXPECT_EQ(caption("lblPesProducte"), "");
    EXPECT_EQ(caption("lblAlturaL"), "0 m");
    EXPECT_EQ(caption("lblDensitatValor"), "0 kg/dm3");
    EXPECT_FALSE(button("cmdIniciarMoviment").Enabled());
    EXPECT_FALSE(form->control<rt::Label>("lblNomRecipient").Visible());
    EXPECT_TRUE(find<QRadioButton>(*form, "OptTriar(0)")->isChecked());
    EXPECT_EQ(values().F, 98000);
}

TEST_F(Archimedes, TheMotionEndsAtTheSurfaceInPlaceOrAtTheBottom)
{
    const struct {
        int density, height;
        float top;
        const char *text, *ended;
    } cases[] = {
        {0, 0, 0, "El pes del recipient és de  0 Newtons i l'empenta de l'aigua de 98.000 N; E > F, flota",
         "El recipient ha pujat fins a la superfície."},
        {9, 9, 0, "El pes del recipient és de  79379.99 Newtons i l'empenta de l'aigua de 98.000 N; E > F, flota",
         "El recipient ha pujat fins a la superfície."},
        {10, 10, 2200, "El pes del recipient és de  98000 Newtons i l'empenta de l'aigua de 98.000 N;  E= F, es manté",
         "El recipient es manté a la mateixa altura."},
        {200, 10, 4400,
         "El pes del recipient és de  1960000 Newtons i l'empenta de l'aigua de 98.000 N; E < F, s'enfonsa",
         "El recipient ha baixat fins al fons."},
    };
    for (const auto& c : cases) {
        click(*form, "cmdEsborrar");
        fill(c.density, c.height);
        choose(1);
        click(*form, "cmdIniciarMoviment");
        EXPECT_EQ(shape("shpVaixell").Top(), c.top) << c.density;
        EXPECT_EQ(shape("shpAlturaLíquid").Top(), c.top) << c.density;
        EXPECT_EQ(caption("lblPesProducte"), QString::fromUtf8(c.text));
        EXPECT_EQ(form->lastAnnouncement(), QString::fromUtf8(c.text) + ". " + QString::fromUtf8(c.ended));
        EXPECT_EQ(form->control<rt::Label>("lblNomRecipient").Top(), 2520);  // it never moves
    }
    // Again after a sink: back to 2200 in one jump, then down again.
    click(*form, "cmdIniciarMoviment");
    EXPECT_EQ(shape("shpVaixell").Top(), 4400);
    EXPECT_TRUE(button("cmdIniciarMoviment").Enabled());
    expectLabelsReadable(*form);
}

TEST_F(Archimedes, EscapePressesIniciarMovimentWhileEnabled)
{
    activate(*form);
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_EQ(caption("lblPesProducte"), "");
    choose(2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(shape("shpVaixell").Top(), 0);
}

TEST_F(Archimedes, TheMotionIsPacedToAboutTwoSecondsAndMovesLittleEachFrame)
{
    // A fake clock: the pacer presents every frame of virtual time, and we
    // note where the container is then.
    auto& pacer = session().pacer();
    std::vector<int> tops;
    {
        PacedWithoutWaiting paced(session(), [&] { tops.push_back(find(*form, "shpVaixell")->y()); });
        fill(200, 10);
        choose(2);
        click(*form, "cmdIniciarMoviment");
    }

    expectPace("motion_s", pacer.elapsed(), 2.011, pacer.slowdown());
    ASSERT_GT(tops.size(), 90u);
    for (size_t i = 1; i < tops.size(); ++i) {
        EXPECT_GE(tops[i], tops[i - 1]);
        EXPECT_LE(tops[i] - tops[i - 1], 2 * form->zoom());  // never more than two pixels a frame
    }
}

TEST_F(Archimedes, WeightOutlivesTheWindowButControlsStartAgain)
{
    fill(25, 4);
    choose(0);
    click(*form, "cmdSortir");
    EXPECT_FALSE(instance().loaded());
    EXPECT_TRUE(program.menu.loaded());
    settle();
    open();
    EXPECT_EQ(find<QScrollBar>(*form, "HSBDensitat")->value(), 0);
    EXPECT_EQ(caption("lblPesProducte"), "");
    EXPECT_TRUE(form->control<rt::Label>("lblNomRecipient").Visible());
    EXPECT_EQ(shape("shpAlturaLíquid").Height(), 15);
    EXPECT_FALSE(button("cmdIniciarMoviment").Enabled());
    choose(0);
    EXPECT_EQ(caption("lblPesProducte"), "MOLT BÉ. El recipient es manté, E=F. Simula el Moviment per comprovar-ho");
}

TEST_F(Archimedes, UsableFromTheKeyboardAndReadAloud)
{
    activate(*form);
    EXPECT_EQ(QApplication::focusWidget(), find(*form, "HSBAlturaLíquid"));
    for (int i = 0; i < 9; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(caption("lblAlturaL"), "9 m");
    // The disabled "&Iniciar Moviment" is skipped.
    for (const char* next : {"HSBDensitat", "cmdOmplir", "cmdEsborrar", "cmdSortir"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), find(*form, next)) << next;
    }
    QTest::keyClick(form, Qt::Key_O, Qt::AltModifier);
    settleClicks();
    EXPECT_EQ(shape("shpAlturaLíquid").Height(), 100);

    const struct {
        const char* name;
        const char* text;
    } spoken[] = {
        {"HSBDensitat", "Densitat: 0 quilograms per decímetre cúbic"},
        {"HSBAlturaLíquid", "Altura producte afegit: 9 metres"},
        {"shpVaixell",
         "Recipient omplert fins a 9 metres amb un producte de densitat 0 quilograms per decímetre cúbic"},
        {"lblAlturaL", "9 metres"},
        {"cmdIniciarMoviment", "Iniciar Moviment"},
    };
    for (const auto& s : spoken)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(find(*form, s.name))->text(QAccessible::Name),
                  QString::fromUtf8(s.text))
            << s.name;
}

TEST_F(Archimedes, EnterOrSpaceHeldOnIniciarMovimentGivesOneMotion)
{
    for (int key : {Qt::Key_Return, Qt::Key_Space}) {
        fill(200, 10);
        choose(2);
        activate(*form);
        button("cmdIniciarMoviment").SetFocus();
        // A second motion would start again from the rest place, above.
        std::vector<int> tops;
        {
            PacedWithoutWaiting paced(session(), [&] { tops.push_back(find(*form, "shpVaixell")->y()); });
            holdKey(key);
        }
        ASSERT_GT(tops.size(), 90u) << key;
        EXPECT_TRUE(std::is_sorted(tops.begin(), tops.end())) << key;
        click(*form, "cmdEsborrar");
    }
}

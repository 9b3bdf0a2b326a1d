#include "runs/clsRun.h"
#include "wizard/clsWAFWizard.h"

#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

using Page = clsWizardWindow::Page;

// The wizard window as the user sees it: the pages shown, the option checked, the three buttons.
// While the window is up (ShowModal) it runs the user's actions; closing it returns.
class FakeWizardWindow : public clsWizardWindow {
public:
    void Init_Client(CallBack okCallBk, CallBack cancelCallBk, CallBack backCallBk) override
    {
        ok = std::move(okCallBk);
        cancel = std::move(cancelCallBk);
        back = std::move(backCallBk);
    }
    void SetCaption(const std::string& text) override { caption = text; }
    void SetFrameCaption(const std::string& text) override { frameCaption = text; }
    void SetPicture(const std::string& path) override { picture = path; }
    void ShowPage(const Page& page) override
    {
        pages.push_back(page);
        checked = page.checked;
    }
    void FitPages(const std::vector<Page>& all) override { fitted = all; }
    int CheckedOption() const override { return checked; }
    void ShowModal() override
    {
        visible = true;
        if (user)
            user(*this);
        visible = false;
    }
    void HideWindow() override { visible = false; }

    // The user's actions; each needs the window up.
    void Choose(int option) { checked = option; }
    void PressOK() { Press(ok); }
    void PressCancel() { Press(cancel); }
    void PressBack() { Press(back); }
    // Chooses an option and presses OK, for each option in turn.
    void Answer(const std::vector<int>& options)
    {
        for (int option : options) {
            Choose(option);
            PressOK();
        }
    }
    const Page& Shown() const { return pages.back(); }

    std::function<void(FakeWizardWindow&)> user;
    std::string caption, frameCaption, picture;
    std::vector<Page> pages;
    std::vector<Page> fitted;
    int checked = -1;
    bool visible = false;
    bool pressedWhileHidden = false;

private:
    void Press(const CallBack& button)
    {
        pressedWhileHidden |= !visible;
        if (visible && button)
            button();
    }

    CallBack ok, cancel, back;
};

// A scenario's input panel: its fuel models, its chooser (which answers with a set number, or
// cancels), and the factors written into its boxes.
struct FakePanel : clsWAFPanel {
    int GetFuelMdlLow() const override { return low; }
    int GetFuelMdlHi() const override { return high; }
    bool FuelMdlLowIsValid() const override { return lowValid; }
    bool FuelMdlHiIsValid() const override { return highValid; }
    void Select_Low_FM() override { Choose(low, lowValid, "low"); }
    void Select_High_FM() override { Choose(high, highValid, "high"); }
    void SetWindRFLow(double factor) override { windRFLow = factor; }
    void SetWindRFHi(double factor) override { windRFHi = factor; }

    void Choose(int& number, bool& valid, const std::string& which)
    {
        choosers.push_back(which);
        if (chooserAnswer > 0) {
            number = chooserAnswer;
            valid = true;
        }
    }

    int low = 0, high = 0;
    bool lowValid = false, highValid = false;
    int chooserAnswer = 0;
    std::vector<std::string> choosers;
    std::optional<double> windRFLow, windRFHi;
};

const std::string ExposedText =
    "Exposed (canopy cover less than 5 percent on level ground, or on the windward side of a ridgetop)";
const std::string PartialText = "Partially sheltered (midslope position)";
const std::string ShelteredText = "Fully sheltered (canopy cover greater than 5 percent on flat ground, or ...)";
const std::string CanopyCoverText = "Estimate wind adjustment factor from canopy cover.";
// Answers that lead to each page before the finishing step: 0, 1, 2, 3 and 4.
const std::vector<std::vector<int>> Ways{{}, {0}, {1}, {2}, {2, 2}};

const std::string PleaseSelect = "Please make a selection before proceeding.";
const std::string CannotProceed = "The Wind Adjustment Wizard cannot proceed until you select a Fuel Model.";

std::string ExposedCaption(const std::string& code, const std::string& factor)
{
    return "For exposed fuels, wind adjustment factor is a function of surface fuel model. The fuel model currently "
           "selected for this scenario is " +
           code + ", with a corresponding wind adjustment factor of " + factor + ". Click <OK> to accept this value.";
}

class WAFWizard : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(run.defFM.LoadFuelModel(ORVANE_BIN_DIR "/ModelParameters.f")) << run.defFM.errStr;
        // FM1 has a fuel bed depth of 1.0 ft, FM5 of 2.0 ft, FM8 of 0.2 ft.
        for (FakePanel& panel : panels) {
            panel.low = 1;
            panel.high = 5;
            panel.lowValid = panel.highValid = true;
        }
    }

    // True when the wizard wrote a factor.
    bool Display(int16_t field, int16_t scenario, std::function<void(FakeWizardWindow&)> user)
    {
        window.user = std::move(user);
        clsWAFWizard wizard(window, [this](int16_t shown) -> clsWAFPanel& { return panels.at(shown); }, run, ui,
                            "/opt/orvane");
        const bool written = wizard.DisplayWizard(field, scenario);
        EXPECT_FALSE(window.pressedWhileHidden) << "a button was pressed after the window closed";
        return written;
    }

    // Nothing was written into any box of any scenario.
    void ExpectNothingWritten() const
    {
        for (const FakePanel& panel : panels) {
            EXPECT_FALSE(panel.windRFLow);
            EXPECT_FALSE(panel.windRFHi);
        }
    }

    RecordingInteraction ui;
    clsRun run{ui};
    std::array<FakePanel, 5> panels;  // scenarios 1..4
    FakeWizardWindow window;
};

}  // namespace

// Expected factors worked with python from 1.36 (ln(1.36 / 0.13) - 1) / ln((20 + 0.36 H) / (0.13 H)).
TEST(clsWAFWizardFactor, ExposedFactorOfTheFuelBedDepth)
{
    const std::pair<double, double> cases[] = {{0.2, 0.275663074}, {1.0, 0.362674037}, {2.0, 0.418640262},
                                               {6.0, 0.547659490}};
    for (const auto& [depth, factor] : cases) {
        const std::optional<double> computed = clsWAFWizard::ExposedFactor(depth);
        ASSERT_TRUE(computed) << depth;
        EXPECT_NEAR(*computed, factor, 1e-9) << depth;
    }
    for (double depth : {0.0, -1.0})
        EXPECT_FALSE(clsWAFWizard::ExposedFactor(depth)) << depth;
}

TEST_F(WAFWizard, OpensOnTheExposurePageForTheLowOrTheHighFactor)
{
    for (const auto& [field, frame] : {std::pair<int16_t, std::string>{2, "Wind Reduction Factor (Low)"},
                                       {7, "Wind Reduction Factor (High)"}}) {
        window.pages.clear();
        Display(field, 1, [](FakeWizardWindow&) {});
        EXPECT_EQ(window.caption, "Wind Adjustment Wizard");
        EXPECT_EQ(window.frameCaption, frame);
        EXPECT_EQ(window.picture, (std::filesystem::path("/opt/orvane") / "images" / "Sheltering.gif").string());
        ASSERT_EQ(window.pages.size(), 1u);
        const Page& first = window.pages.front();
        EXPECT_EQ(first.text, "What is the fuelbed exposure to the wind?");
        EXPECT_EQ(first.options, (std::vector<std::string>{ExposedText, PartialText, ShelteredText}));
        EXPECT_EQ(first.checked, -1);
        EXPECT_FALSE(first.backVisible);
    }
    // Closing the window writes nothing.
    ExpectNothingWritten();
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WAFWizard, ShowsTheShelteredPagesAsWritten)
{
    Display(2, 1, [](FakeWizardWindow& w) {
        w.Answer({1});
        EXPECT_EQ(w.Shown().text, PartialText);
        EXPECT_EQ(w.Shown().options, (std::vector<std::string>{"For partially sheltered fuels, guidelines suggest "
                                                                "using a value of 0.30. Click <OK> to accept this "
                                                                "value."}));
        EXPECT_TRUE(w.Shown().backVisible);
        w.PressBack();
        w.Answer({2});
        EXPECT_EQ(w.Shown().text,
                  ShelteredText +
                      "\r\nFor fully sheltered fuel, wind adjustment factor is a function of stand characteristics. "
                      "You can use stylized wind adjustment factors representing open stands and closed stands, or "
                      "you can calculate it from stand characteristics.");
        EXPECT_EQ(w.Shown().options,
                  (std::vector<std::string>{"For open, fully sheltered stands, guidelines suggest using a wind "
                                            "adjustment factor value of 0.20. Click <OK> to accept this value.",
                                            "For dense, fully sheltered stands, guidelines suggest using a wind "
                                            "adjustment factor value of 0.10. Click <OK> to accept this value.",
                                            CanopyCoverText}));
        w.Answer({2});
        EXPECT_EQ(w.Shown().text, CanopyCoverText);
        EXPECT_EQ(w.Shown().options, (std::vector<std::string>{"5-10 percent", "10-15 percent", "15-30 percent",
                                                               "30-50 percent", "50-100 percent"}));
        EXPECT_EQ(w.Shown().checked, -1);
        EXPECT_TRUE(w.Shown().backVisible);
        w.PressCancel();
    });
    ExpectNothingWritten();
}

// The exposed factor comes from the panel's fuel model, rounded to two decimals.
TEST_F(WAFWizard, ExposedFuelTakesTheFactorOfItsFuelModel)
{
    struct Case {
        int16_t field, scenario;
        int model;
        std::string code, shown;
        double written;
    } const cases[] = {{2, 1, 1, "FM1", "0.36", 0.36}, {7, 3, 5, "FM5", "0.42", 0.42}, {2, 4, 8, "FM8", "0.28", 0.28}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        SetUp();
        (c.field == 2 ? panels[c.scenario].low : panels[c.scenario].high) = c.model;
        Display(c.field, c.scenario, [&](FakeWizardWindow& w) {
            w.Answer({0});
            EXPECT_EQ(w.Shown().text, ExposedText);
            EXPECT_EQ(w.Shown().options, std::vector<std::string>{ExposedCaption(c.code, c.shown)});
            EXPECT_TRUE(w.Shown().backVisible);
            w.Answer({0});
            EXPECT_FALSE(w.visible);
        });
        const FakePanel& panel = panels[c.scenario];
        EXPECT_EQ(c.field == 2 ? panel.windRFLow : panel.windRFHi, std::optional<double>(c.written));
        EXPECT_FALSE(c.field == 2 ? panel.windRFHi : panel.windRFLow);
        EXPECT_TRUE(ui.messages.empty());
        panels[c.scenario] = FakePanel();
        ExpectNothingWritten();
    }
}

// Each way through the finishing table writes its factor into the box of the field and scenario
// that opened the wizard, and nowhere else.
TEST_F(WAFWizard, TheFinishingTableWritesTheChosenFactor)
{
    struct Path {
        std::vector<int> options;
        double factor;
    } const paths[] = {{{1, 0}, 0.3},    {{2, 0}, 0.2},     {{2, 1}, 0.1},     {{2, 2, 0}, 0.3},
                       {{2, 2, 1}, 0.25}, {{2, 2, 2}, 0.2}, {{2, 2, 3}, 0.15}, {{2, 2, 4}, 0.1}};
    int16_t scenario = 1;
    for (const Path& path : paths) {
        for (int16_t field : {int16_t{2}, int16_t{7}}) {
            SCOPED_TRACE(::testing::Message() << "field " << field << ", scenario " << scenario << ", factor "
                                              << path.factor);
            panels = {};
            Display(field, scenario, [&](FakeWizardWindow& w) {
                w.Answer(path.options);
                EXPECT_FALSE(w.visible);
            });
            const FakePanel& panel = panels[scenario];
            EXPECT_EQ(field == 2 ? panel.windRFLow : panel.windRFHi, std::optional<double>(path.factor));
            panels[scenario] = FakePanel();
            ExpectNothingWritten();
            scenario = static_cast<int16_t>(scenario % 4 + 1);
        }
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WAFWizard, OkWithNothingCheckedKeepsThePage)
{
    Display(2, 2, [this](FakeWizardWindow& w) {
        for (const std::vector<int>& way : Ways) {
            w.Answer(way);
            const std::size_t shown = w.pages.size();
            const Page page = w.Shown();
            ui.messages.clear();
            w.Choose(-1);
            w.PressOK();
            EXPECT_EQ(ui.messages, std::vector<std::string>{PleaseSelect});
            EXPECT_EQ(w.pages.size(), shown) << page.text;
            EXPECT_TRUE(w.visible);
            // Back to the first page for the next way.
            while (w.Shown().backVisible)
                w.PressBack();
        }
        w.PressCancel();
    });
    ExpectNothingWritten();
}

TEST_F(WAFWizard, BackShowsTheEarlierPageWithItsChoiceChecked)
{
    Display(7, 4, [](FakeWizardWindow& w) {
        w.Answer({2, 2});
        w.PressBack();
        EXPECT_EQ(w.Shown().text.substr(0, ShelteredText.size()), ShelteredText);
        EXPECT_EQ(w.Shown().checked, 2);
        EXPECT_EQ(w.CheckedOption(), 2);
        w.PressBack();
        EXPECT_EQ(w.Shown().text, "What is the fuelbed exposure to the wind?");
        EXPECT_EQ(w.Shown().checked, 2);
        w.Answer({1});
        w.PressBack();
        EXPECT_EQ(w.Shown().checked, 1);
        // A changed mind: the stand chosen first no longer counts.
        w.Answer({2, 1});
    });
    EXPECT_EQ(panels[4].windRFHi, std::optional<double>(0.1));
}

TEST_F(WAFWizard, ExposedFuelWithoutAFuelModelAsksForOne)
{
    panels[2].high = 0;
    panels[2].highValid = false;
    panels[2].chooserAnswer = 0;  // the chooser is cancelled
    Display(7, 2, [this](FakeWizardWindow& w) {
        w.Answer({0});
        EXPECT_EQ(ui.messages, (std::vector<std::string>{"A Fuel Model is required for the selected exposure. Please "
                                                         "select a Fuel Model code for the high fuel model.",
                                                         CannotProceed}));
        EXPECT_EQ(panels[2].choosers, std::vector<std::string>{"high"});
        EXPECT_EQ(w.Shown().text, "What is the fuelbed exposure to the wind?");
        EXPECT_EQ(w.Shown().checked, 0);
        EXPECT_TRUE(w.visible);
        // The next try chooses FM5 (2.0 ft).
        ui.messages.clear();
        panels[2].chooserAnswer = 5;
        w.Answer({0});
        EXPECT_EQ(w.Shown().options, std::vector<std::string>{ExposedCaption("FM5", "0.42")});
        w.Answer({0});
    });
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"A Fuel Model is required for the selected exposure. Please "
                                                     "select a Fuel Model code for the high fuel model."}));
    EXPECT_EQ(panels[2].windRFHi, std::optional<double>(0.42));
    EXPECT_FALSE(panels[2].windRFLow);
}

TEST_F(WAFWizard, TheLowFactorAsksForTheLowFuelModel)
{
    // A number the panel has not validated, or one that is not loaded, counts as no fuel model.
    for (const auto& [number, valid] : {std::pair{1, false}, std::pair{77, true}}) {
        SetUp();
        ui.messages.clear();
        panels[1].low = number;
        panels[1].lowValid = valid;
        panels[1].chooserAnswer = 0;
        Display(2, 1, [](FakeWizardWindow& w) {
            w.Answer({0});
            w.PressCancel();
        });
        EXPECT_EQ(ui.messages, (std::vector<std::string>{"A Fuel Model is required for the selected exposure. Please "
                                                         "select a Fuel Model code for the low fuel model.",
                                                         CannotProceed}));
        EXPECT_EQ(panels[1].choosers, std::vector<std::string>{"low"});
        panels[1].choosers.clear();
        ExpectNothingWritten();
    }
}

TEST_F(WAFWizard, CancelOnAnyPageWritesNothing)
{
    for (const std::vector<int>& way : Ways) {
        Display(2, 3, [&](FakeWizardWindow& w) {
            w.Answer(way);
            w.Choose(0);
            w.PressCancel();
            EXPECT_FALSE(w.visible);
        });
    }
    ExpectNothingWritten();
}

TEST_F(WAFWizard, APageWithOneOptionHasItChosenAlready)
{
    const std::pair<std::vector<int>, int> checkedOnArrival[] = {{{}, -1}, {{0}, 0}, {{1}, 0}, {{2}, -1}, {{2, 2}, -1}};
    for (const auto& [way, checked] : checkedOnArrival)
        Display(2, 1, [&](FakeWizardWindow& w) {
            w.Answer(way);
            EXPECT_EQ(w.Shown().checked, checked) << w.Shown().text;
            w.PressCancel();
        });
    // "Click <OK> to accept this value." is all it takes.
    EXPECT_TRUE(Display(2, 1, [](FakeWizardWindow& w) {
        w.Answer({1});
        w.PressOK();
    }));
    EXPECT_EQ(panels[1].windRFLow, 0.3);
}

TEST_F(WAFWizard, TheWindowIsFittedToEveryPageBeforeTheFirstShowsAndCancelSaysNothingWasWritten)
{
    EXPECT_FALSE(Display(7, 2, [](FakeWizardWindow& w) {
        EXPECT_EQ(w.pages.size(), 1u);
        w.PressCancel();
    }));
    ASSERT_EQ(window.fitted.size(), 5u);
    const std::vector<std::string> texts{"What is the fuelbed exposure to the wind?", ExposedText, PartialText,
                                         ShelteredText, CanopyCoverText};
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(window.fitted[i].text.substr(0, texts[i].size()), texts[i]);
    EXPECT_EQ(window.fitted[4].options.size(), 5u);
}

// A custom fuel model without depth has no exposed factor: the wizard says so and goes back.
TEST_F(WAFWizard, AFuelModelWithoutDepthHasNoExposedFactor)
{
    auto flat = std::make_shared<clsFuelModel>(run.defFM.fmColl->Item("1"));
    flat->fuelModelID = 50;
    flat->fuelModelCode = "FLAT";
    flat->fuelBedDepth = 0;
    run.defFM.fmColl->AddSorted(flat, "50");
    panels[1].low = 50;
    Display(2, 1, [this](FakeWizardWindow& w) {
        w.Answer({0});
        EXPECT_EQ(ui.messages, std::vector<std::string>{"The wind adjustment factor for exposed fuels cannot be "
                                                        "calculated for fuel model FLAT: its fuel bed depth is not "
                                                        "greater than 0."});
        EXPECT_EQ(w.Shown().text, "What is the fuelbed exposure to the wind?");
        w.Answer({1, 0});
    });
    EXPECT_EQ(panels[1].windRFLow, std::optional<double>(0.3));
}

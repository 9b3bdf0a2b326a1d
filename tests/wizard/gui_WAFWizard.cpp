#include "base/FileDlg.h"
#include "window/TorviForm.h"
#include "window/ctlIn.h"
#include "runs/clsRun.h"
#include "window/WizardForm.h"

#include "support/BoxColour.h"
#include "support/MainWindowTestSupport.h"
#include "support/RecordingInteraction.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace MainWindowTestSupport;

namespace {

using MainWindowTestSupport::Scenario;

const QString ExposureQuestion = "What is the fuelbed exposure to the wind?";

// The options the window shows, by their captions.
QStringList VisibleOptions(const WizardForm& window)
{
    QStringList captions;
    for (int i = 0; i < WizardForm::NumOptions; ++i) {
        if (window.WizOptions[i]->isVisibleTo(&window) != window.WizOptionCaptions[i]->isVisibleTo(&window))
            return {"option and caption differ in visibility"};
        if (window.WizOptions[i]->isVisibleTo(&window))
            captions << window.WizOptionCaptions[i]->text();
    }
    return captions;
}

}  // namespace

class TestWAFWizard : public MainWindowTestSupport::MainWindowTest {
    Q_OBJECT

    ctlIn& In(int scenario) { return *Scenario<ctlIn>(*form, "inPanel", scenario); }

    // Runs the user's steps on the wizard once it is up, after a right click on the box.
    void RightClickWizard(QLineEdit* box, std::function<void(WizardForm&)> steps)
    {
        OpenWizard(box, [box] { QTest::mouseClick(box, Qt::RightButton); }, std::move(steps));
    }

    // Runs the user's steps on the wizard once it is up, after the user opened it.
    void OpenWizard(QLineEdit* box, std::function<void()> open, std::function<void(WizardForm&)> steps)
    {
        auto ran = std::make_shared<bool>(false);
        QTimer::singleShot(0, [ran, box, steps] {
            auto* window = qobject_cast<WizardForm*>(QApplication::activeModalWidget());
            QVERIFY(window);
            QVERIFY(!box->isEnabled());
            *ran = true;
            steps(*window);
        });
        open();
        QVERIFY(*ran);
        QVERIFY(!QApplication::activeModalWidget());
    }

    static void Choose(WizardForm& window, int option) { QTest::mouseClick(window.WizOptions[option], Qt::LeftButton); }
    static void PressOK(WizardForm& window) { QTest::mouseClick(window.WizOK, Qt::LeftButton); }

    // The box holds the factor and the focus; leaving it stores the factor.
    void ExpectWrittenAndStoredOnLeaving(int scenario, int box, const QString& text, double stored)
    {
        QLineEdit* edit = In(scenario).txtInp[box];
        QCOMPARE(edit->text(), text);
        QVERIFY(edit->isEnabled());
        QCOMPARE(Background(edit), form->palette().color(QPalette::Active, QPalette::Base));
        QCOMPARE(form->focusWidget(), edit);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_Tab);
        const clsTorviInputs& record = run->io(scenario).IData;
        QCOMPARE(box == 1 ? record.LowInputs.WindReductionFactor : record.HighInputs.WindReductionFactor, stored);
    }

private slots:
    void init() { StartMainWindow(); }

    void cleanup() { form.reset(); }

    // The generic window: the buttons call the client only once it is given; a page shows its
    // options, the chosen one and Back as asked, and texts as plain text.
    void theWindowShowsPagesAndCallsItsClient()
    {
        WizardForm window;
        window.show();
        QTest::mouseClick(window.WizOK, Qt::LeftButton);  // no client yet: nothing happens
        QStringList calls;
        window.Init_Client([&] { calls << "OK"; }, [&] { calls << "Cancel"; }, [&] { calls << "Back"; });
        window.ShowPage({"First line\r\nsecond line", {"Click <OK> to go on.", "two", "three"}, 1, true});
        QCOMPARE(window.WizText->text(), QString("First line\nsecond line"));
        QCOMPARE(VisibleOptions(window), (QStringList{"Click <OK> to go on.", "two", "three"}));
        QCOMPARE(window.CheckedOption(), 1);
        QVERIFY(window.WizBack->isVisible());
        // Clicking a caption chooses its option.
        QTest::mouseClick(window.WizOptionCaptions[2], Qt::LeftButton);
        QCOMPARE(window.CheckedOption(), 2);
        for (QPushButton* button : {window.WizOK, window.WizCancel, window.WizBack})
            QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(calls, (QStringList{"OK", "Cancel", "Back"}));
        QCOMPARE(window.WizCancel->text(), QString("Cancel"));
        QCOMPARE(window.WizBack->text(), QString("Back"));

        // The next page starts with no choice, whatever the previous page had.
        window.ShowPage({"Next", {"a", "b", "c", "d", "e"}, -1, false});
        QCOMPARE(window.CheckedOption(), -1);
        QCOMPARE(VisibleOptions(window).size(), 5);
        QVERIFY(!window.WizBack->isVisible());
    }

    void theLowFactorOfExposedFuelComesFromTheFuelModel()
    {
        ChooseModel(In(3).cmdLowFM, "FM1");  // fuel bed depth 1.0 ft
        RightClickWizard(In(3).txtInp[1], [](WizardForm& window) {
            QCOMPARE(window.windowTitle(), QString("Wind Adjustment Wizard"));
            QCOMPARE(window.WizFrame->title(), QString("Wind Reduction Factor (Low)"));
            QCOMPARE(window.WizText->text(), ExposureQuestion);
            QCOMPARE(VisibleOptions(window).size(), 3);
            QVERIFY(!window.WizBack->isVisible());
            QCOMPARE(window.WizImage->pixmap().size(), QSize(450, 200));
            Choose(window, 0);
            PressOK(window);
            QCOMPARE(VisibleOptions(window),
                     QStringList{"For exposed fuels, wind adjustment factor is a function of surface fuel model. The "
                                 "fuel model currently selected for this scenario is FM1, with a corresponding wind "
                                 "adjustment factor of 0.36. Click <OK> to accept this value."});
            QVERIFY(window.WizBack->isVisible());
            QTest::mouseClick(window.WizOptionCaptions[0], Qt::LeftButton);
            PressOK(window);
        });
        ExpectWrittenAndStoredOnLeaving(3, 1, "0.36", 0.36);
        for (int other : {1, 2, 4})
            QCOMPARE(In(other).txtInp[1]->text(), QString("0.1"));
        QVERIFY(ui.messages.empty());
    }

    void theHighFactorAsksForAHighFuelModel()
    {
        In(2).cmboVegType->setCurrentIndex(In(2).cmboVegType->findText("shrub"));
        QVERIFY(In(2).txtInp[5]->isEnabled());
        RightClickWizard(In(2).txtInp[5], [this](WizardForm& window) {
            QCOMPARE(window.WizFrame->title(), QString("Wind Reduction Factor (High)"));
            Choose(window, 0);
            WhenTheChooserOpens("", true);
            PressOK(window);
            QCOMPARE(ui.messages, (std::vector<std::string>{
                                      "A Fuel Model is required for the selected exposure. Please select a Fuel "
                                      "Model code for the high fuel model.",
                                      "The Wind Adjustment Wizard cannot proceed until you select a Fuel Model."}));
            QCOMPARE(window.WizText->text(), ExposureQuestion);
            QCOMPARE(window.CheckedOption(), 0);
            // Choosing FM5 (2.0 ft) the second time.
            WhenTheChooserOpens("FM5");
            PressOK(window);
            QCOMPARE(In(2).cmdHiFM->text(), QString("FM5"));
            QVERIFY(window.WizOptionCaptions[0]->text().contains("is FM5, with a corresponding wind adjustment "
                                                                   "factor of 0.42."));
            Choose(window, 0);
            PressOK(window);
        });
        ExpectWrittenAndStoredOnLeaving(2, 5, "0.42", 0.42);
        QCOMPARE(In(2).txtInp[1]->text(), QString("0.1"));
    }

    void canopyCoverAndBackThenCancelLeaveTheBox()
    {
        QLineEdit* box = In(1).txtInp[1];
        RightClickWizard(box, [this](WizardForm& window) {
            PressOK(window);
            QCOMPARE(ui.messages, std::vector<std::string>{"Please make a selection before proceeding."});
            QCOMPARE(window.WizText->text(), ExposureQuestion);
            Choose(window, 2);
            PressOK(window);
            Choose(window, 2);
            PressOK(window);
            QCOMPARE(VisibleOptions(window), (QStringList{"5-10 percent", "10-15 percent", "15-30 percent",
                                                          "30-50 percent", "50-100 percent"}));
            QTest::mouseClick(window.WizBack, Qt::LeftButton);
            QCOMPARE(window.CheckedOption(), 2);
            QCOMPARE(window.WizOptionCaptions[2]->text(), QString("Estimate wind adjustment factor from canopy cover."));
            QTest::mouseClick(window.WizCancel, Qt::LeftButton);
        });
        QCOMPARE(box->text(), QString("0.1"));
        QVERIFY(box->isEnabled());

        // The canopy cover page's choice is written; Escape closes without writing.
        RightClickWizard(box, [](WizardForm& window) {
            for (int option : {2, 2, 3}) {
                Choose(window, option);
                PressOK(window);
            }
        });
        QCOMPARE(box->text(), QString("0.15"));
        RightClickWizard(box, [](WizardForm& window) { QTest::keyClick(&window, Qt::Key_Escape); });
        QCOMPARE(box->text(), QString("0.15"));
    }

    // Shift+F10, the Menu key and the button at the end of the box open it from the keyboard.
    void theKeysAndTheBoxsButtonOpenTheWizard()
    {
        QLineEdit* box = In(2).txtInp[1];
        auto* button = box->findChild<QToolButton*>();
        QVERIFY(button && button->isVisible());
        const std::function<void()> ways[] = {[box] { QTest::keyClick(box, Qt::Key_F10, Qt::ShiftModifier); },
                                              [box] { QTest::keyClick(box, Qt::Key_Menu); },
                                              [button] { QTest::mouseClick(button, Qt::LeftButton); }};
        for (const auto& open : ways)
            OpenWizard(box, open, [](WizardForm& window) { QTest::keyClick(&window, Qt::Key_Escape); });
        // A disabled factor (the high one of a surface scenario) does not open it.
        QVERIFY(!In(2).txtInp[5]->isEnabled());
        QVERIFY(!In(2).txtInp[5]->findChild<QToolButton*>()->isEnabled());
    }

    // Enter is OK and Escape is Cancel on every page; a single option is chosen already; OK and
    // Back stay where they are from page to page.
    void theKeyboardAnswersEveryPageAndTheButtonsStayPut()
    {
        QLineEdit* box = In(1).txtInp[1];
        OpenWizard(box, [box] { QTest::keyClick(box, Qt::Key_Menu); }, [](WizardForm& window) {
            const QSize size = window.size();
            const QPoint ok = window.WizOK->mapTo(&window, QPoint(0, 0));
            // One size holds every page whole, the picture included.
            auto samePlaces = [&] {
                QCOMPARE(window.size(), size);
                QCOMPARE(window.WizOK->mapTo(&window, QPoint(0, 0)), ok);
                QVERIFY(window.WizImage->height() >= window.WizImage->pixmap().height());
            };
            Choose(window, 1);
            QTest::keyClick(window.WizOptions[1], Qt::Key_Return);
            QCOMPARE(window.WizText->text(), QString("Partially sheltered (midslope position)"));
            QCOMPARE(window.CheckedOption(), 0);
            const QPoint backOnPage = window.WizBack->mapTo(&window, QPoint(0, 0));
            samePlaces();
            QTest::mouseClick(window.WizBack, Qt::LeftButton);
            samePlaces();
            Choose(window, 2);
            QTest::keyClick(&window, Qt::Key_Enter);
            samePlaces();
            QCOMPARE(window.WizBack->mapTo(&window, QPoint(0, 0)), backOnPage);
            Choose(window, 2);
            QTest::keyClick(&window, Qt::Key_Return);
            QCOMPARE(window.WizText->text(), QString("Estimate wind adjustment factor from canopy cover."));
            samePlaces();
            QTest::keyClick(&window, Qt::Key_Escape);
        });
        QCOMPARE(box->text(), QString("0.1"));
        // Enter twice: partially sheltered, and its one guideline value.
        OpenWizard(box, [box] { QTest::keyClick(box, Qt::Key_Menu); }, [](WizardForm& window) {
            Choose(window, 1);
            QTest::keyClick(&window, Qt::Key_Return);
            QTest::keyClick(&window, Qt::Key_Return);
        });
        QCOMPARE(box->text(), QString("0.3"));
    }

    // A fuel model chosen because the wizard asked for one is taken back when the wizard is
    // cancelled, with the Cancel button or with Escape.
    void cancelLeavesTheScenarioAsItWas()
    {
        for (const bool escape : {false, true}) {
            QVERIFY(!In(4).FuelMdlLowIsValid());
            QVERIFY(!In(4).Events().IsDirty());
            RightClickWizard(In(4).txtInp[1], [this, escape](WizardForm& window) {
                Choose(window, 0);
                WhenTheChooserOpens("FM1");
                PressOK(window);
                QCOMPARE(In(4).cmdLowFM->text(), QString("FM1"));
                if (escape)
                    QTest::keyClick(&window, Qt::Key_Escape);
                else
                    QTest::mouseClick(window.WizCancel, Qt::LeftButton);
            });
            QCOMPARE(In(4).cmdLowFM->text(), QString("Low FM"));
            QCOMPARE(In(4).GetFuelMdlLow(), 0);
            QVERIFY(!In(4).FuelMdlLowIsValid());
            QVERIFY(!In(4).Events().IsDirty());
            QCOMPARE(run->io(4).IData.LowInputs.fuelModelID, 0);
            QCOMPARE(In(4).txtInp[1]->text(), QString("0.1"));
            ui.messages.clear();
        }
        // A model the scenario had stays when the wizard is cancelled on its first page.
        ChooseModel(In(4).cmdLowFM, "FM8");
        RightClickWizard(In(4).txtInp[1], [](WizardForm& window) { QTest::keyClick(&window, Qt::Key_Escape); });
        QCOMPARE(In(4).cmdLowFM->text(), QString("FM8"));
        QVERIFY(In(4).FuelMdlLowIsValid());
    }

    // Only the two wind reduction factor boxes open the wizard, and only when enabled.
    void otherBoxesDoNotOpenTheWizard()
    {
        bool opened = false;
        // Box 2 keeps its own context menu, which is closed here too.
        auto closeAnyWizard = [&opened] {
            if (auto* window = qobject_cast<WizardForm*>(QApplication::activeModalWidget())) {
                opened = true;
                window->reject();
            }
            if (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
        };
        for (QLineEdit* box : {In(1).txtInp[2], In(1).txtInp[5]}) {
            QTimer::singleShot(0, closeAnyWizard);
            QTest::mouseClick(box, Qt::RightButton);
            QApplication::processEvents();
        }
        QVERIFY(!In(1).txtInp[5]->isEnabled());  // surface fire has no high factor
        QVERIFY(!opened);
    }
};

QTEST_MAIN(TestWAFWizard)
#include "gui_WAFWizard.moc"

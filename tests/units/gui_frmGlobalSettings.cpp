#include "window/ctlIn.h"
#include "runs/clsRun.h"
#include "window/frmGlobalSettings.h"

#include "support/BoxColour.h"
#include "support/RecordingInteraction.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class TestGlobalSettings : public QObject {
    Q_OBJECT

    RecordingInteraction ui;
    std::unique_ptr<clsRun> run;
    std::unique_ptr<frmGlobalSettings> dialog;

    void Open()
    {
        dialog = std::make_unique<frmGlobalSettings>(*run);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }

    // Replaces a box's text as a user does.
    void Type(QLineEdit* box, const QString& text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    // Picks a unit with the keyboard, as the list's user does.
    void PickUnit(Qt::Key key)
    {
        dialog->cmboHCrown->setFocus();
        QTest::keyClick(dialog->cmboHCrown, key);
    }

private slots:
    void init() { run = std::make_unique<clsRun>(ui); }
    void cleanup() { dialog.reset(); }

    void showsItsCaptionControlsAndConstants()
    {
        Open();
        QCOMPARE(dialog->windowTitle(), QString("Global Settings"));
        QStringList labels;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            labels << label->text();
        for (const char* text : {"Hcrown", "Spread Direction", "Degrees", "St", "0.0555 mineral fraction", "Se",
                                 "0.01 effective  mineral fraction", "Pp", "32 lbs/ft3"})
            QVERIFY2(labels.contains(text), text);
        QCOMPARE(dialog->cmboHCrown->count(), 2);
        QCOMPARE(dialog->cmboHCrown->itemText(0), QString("kJ/kg"));
        QCOMPARE(dialog->cmboHCrown->itemData(1).toInt(), 2);
        QCOMPARE(dialog->cmboHCrown->currentText(), QString("kJ/kg"));
        QCOMPARE(dialog->txtHCrown->text(), QString("18000"));
        QCOMPARE(dialog->txtSpreadDir->text(), QString("0"));
        QCOMPARE(dialog->txtSpreadDir->toolTip(), QString("[0-180]"));
        QCOMPARE(dialog->OKButton->text(), QString("OK"));
        QCOMPARE(dialog->CancelButton->text(), QString("Cancel"));
    }

    // 18000 kJ/kg is 7744.776 btu/lb.
    void convertsTheUnroundedValueBetweenUnits()
    {
        run->units.globalHCrownUnits.SetCurrUnit(2);
        Open();
        QCOMPARE(dialog->cmboHCrown->currentText(), QString("btu/lb"));
        QCOMPARE(dialog->txtHCrown->text(), QString("7745"));
        PickUnit(Qt::Key_Up);
        QCOMPARE(dialog->cmboHCrown->currentText(), QString("kJ/kg"));
        QCOMPARE(dialog->txtHCrown->text(), QString("18000"));
        PickUnit(Qt::Key_Down);
        QCOMPARE(dialog->txtHCrown->text(), QString("7745"));
        QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(run->globalHCrown, 18000.0);
        QCOMPARE(run->units.globalHCrownUnits.GetCurrUnit(), int16_t(2));
    }

    void theSpreadDirectionRunsFromMinus180To180()
    {
        for (const char* text : {"-180", "180"}) {
            Open();
            Type(dialog->txtSpreadDir, text);
            QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            QVERIFY(!dialog->isVisible());
            QCOMPARE(Background(dialog->txtSpreadDir), ctlIn::Grey);
            QCOMPARE(run->globalSpreadDirection, int16_t(QString(text).toInt()));
        }

        Open();
        Type(dialog->txtHCrown, "20000");
        Type(dialog->txtSpreadDir, "181");
        QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        QCOMPARE(Background(dialog->txtSpreadDir), ctlIn::Red);
        QCOMPARE(QApplication::focusWidget(), dialog->txtSpreadDir);
        QTRY_COMPARE(dialog->txtSpreadDir->selectedText(), QString("181"));  // ready to be typed over
        QCOMPARE(run->globalSpreadDirection, int16_t(180));
        QCOMPARE(run->globalHCrown, 18000.0);  // nothing stored while the dialog stays open

        Type(dialog->txtSpreadDir, "45");
        QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(run->globalSpreadDirection, int16_t(45));
        QCOMPARE(run->globalHCrown, 20000.0);
    }

    void aHeatContentThatIsNoNumberTurnsRed()
    {
        Open();
        Type(dialog->txtHCrown, "hot");
        QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        QCOMPARE(Background(dialog->txtHCrown), ctlIn::Red);
        QCOMPARE(QApplication::focusWidget(), dialog->txtHCrown);
        QCOMPARE(run->globalHCrown, 18000.0);
    }

    // A heat content outside 5000 to 40000 kJ/kg is refused like a value that is no number; the
    // tooltip gives the range in the unit shown.
    void aHeatContentOutsideItsRangeTurnsRed()
    {
        Open();
        QCOMPARE(dialog->txtHCrown->toolTip(), QString("[5000-40000]"));
        for (const char* refused : {"-5", "4999", "40001", "1e308"}) {
            Type(dialog->txtHCrown, refused);
            QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
            QVERIFY2(dialog->isVisible(), refused);
            QCOMPARE(Background(dialog->txtHCrown), ctlIn::Red);
            QCOMPARE(run->globalHCrown, 18000.0);
        }
        PickUnit(Qt::Key_Down);
        QCOMPARE(dialog->txtHCrown->toolTip(), QString("[2152-17210]"));
        Type(dialog->txtHCrown, "2152");
        QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(run->globalHCrown >= 5000 && run->globalHCrown < 5002);
    }

    void cancelStoresNothing()
    {
        Open();
        PickUnit(Qt::Key_Down);
        Type(dialog->txtHCrown, "9000");
        Type(dialog->txtSpreadDir, "90");
        QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(run->globalHCrown, 18000.0);
        QCOMPARE(run->globalSpreadDirection, int16_t(0));
        QCOMPARE(run->units.globalHCrownUnits.GetCurrUnit(), int16_t(1));
    }
};

QTEST_MAIN(TestGlobalSettings)
#include "gui_frmGlobalSettings.moc"

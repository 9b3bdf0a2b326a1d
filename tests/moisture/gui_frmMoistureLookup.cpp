#include "moisture/frmMoistureHelp.h"
#include "moisture/frmMoistureLookup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

class gui_frmMoistureLookup : public QObject {
    Q_OBJECT

private:
    template <typename T>
    static T* Child(const QWidget& window, const char* name)
    {
        T* child = window.findChild<T*>(name);
        if (!child)
            qFatal("no control %s", name);
        return child;
    }

    static QStringList Outputs(const QWidget& window)
    {
        return {Child<QLineEdit>(window, "txtReferenceFM")->text(), Child<QLineEdit>(window, "txtCorrectionFM")->text(),
                Child<QLineEdit>(window, "txtFineDeadFM")->text()};
    }

private slots:
    void OpeningShowsTheDefaults()
    {
        frmMoistureLookup window(MOISTURE_HELP_DIR);
        QCOMPARE(window.windowTitle(), QString("Moisture Table Lookup"));
        QCOMPARE(Child<QLineEdit>(window, "txtTemperature")->text(), QString("80"));
        QCOMPARE(Child<QLineEdit>(window, "txtHumidity")->text(), QString("50"));
        QCOMPARE(Child<QLabel>(window, "lblTemperatureUnits")->text(), QString("farenheit"));
        QCOMPARE(Outputs(window), (QStringList{"7", "2", "9"}));

        QStringList captions;
        for (const QLabel* label : window.findChildren<QLabel*>())
            captions << label->text();
        for (const char* caption : {"Day or Night?", "Temperature:", "Humidity:", "Season:", "Shading:", "Time of day:",
                                    "Elevation:", "Aspect:", "Slope:", "Reference FM:", "FM correction:", "Fine Dead FM:"})
            QVERIFY2(captions.contains(caption), caption);
        QCOMPARE(Child<QPushButton>(window, "btnExit")->text(), QString("Exit"));
        QCOMPARE(Child<QPushButton>(window, "btnHelp")->text(), QString("Help"));
    }

    void ListsCarryTheirCodes_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("day") << "cboDayOrNight" << QStringList{"Day time"};
        QTest::newRow("season") << "cboSeason" << QStringList{"Summer", "Spring/Fall", "Winter"};
        QTest::newRow("shading") << "cboShading" << QStringList{"Exposed", "Shaded"};
        QTest::newRow("time") << "cboTime"
                              << QStringList{"8am - 10am", "10am - 12pm", "12pm - 2pm", "2pm - 4pm", "4pm - 6pm", "6pm - 8pm"};
        QTest::newRow("elevation") << "cboElevation" << QStringList{"Below", "Level", "Above"};
        QTest::newRow("aspect") << "cboAspect" << QStringList{"North", "East", "South", "West"};
        QTest::newRow("slope") << "cboSlope" << QStringList{"Flat/Steep", "Very Steep"};
    }

    void ListsCarryTheirCodes()
    {
        QFETCH(QString, list);
        QFETCH(QStringList, items);
        frmMoistureLookup window(MOISTURE_HELP_DIR);
        const QComboBox* combo = Child<QComboBox>(window, list.toLatin1().constData());
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(combo->count(), items.size());
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(combo->itemText(i), items[i]);
            QCOMPARE(combo->itemData(i).toInt(), i + 1);
        }
    }

    // Expected values read from the tables for the default lists (a correction of 2).
    void TextsAreReadAndLookedUp_data()
    {
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("humidity");
        QTest::addColumn<QStringList>("outputs");
        const QStringList error{"error", "error", "error"};
        QTest::newRow("below 10 degrees") << "9" << "50" << error;
        QTest::newRow("10 degrees") << "10" << "50" << QStringList{"8", "2", "10"};
        QTest::newRow("150 degrees, top band") << "150" << "100" << QStringList{"12", "2", "14"};
        QTest::newRow("109 degrees") << "109" << "100" << QStringList{"13", "2", "15"};
        QTest::newRow("humidity 100, coldest band") << "10" << "100" << QStringList{"14", "2", "16"};
        QTest::newRow("humidity 101") << "80" << "101" << error;
        QTest::newRow("69.6 rounds into 70 to 89") << "69.6" << "35" << QStringList{"5", "2", "7"};
        QTest::newRow("69.4 stays in 50 to 69") << "69.4" << "35" << QStringList{"6", "2", "8"};
        QTest::newRow("half to even: 100.5 is 100") << "80" << "100.5" << QStringList{"13", "2", "15"};
        QTest::newRow("100.6 is 101") << "80" << "100.6" << error;
        QTest::newRow("temperature not a number") << "warm" << "50" << error;
        // A humidity that cannot be read is no bone-dry air.
        QTest::newRow("humidity not a number") << "80" << "dry" << error;
        QTest::newRow("humidity abc") << "80" << "abc" << error;
        QTest::newRow("humidity with a percent sign") << "80" << "20%" << error;
        QTest::newRow("humidity empty") << "80" << "" << error;
        QTest::newRow("humidity 0") << "80" << "0" << QStringList{"1", "2", "3"};
        QTest::newRow("group separator is no number") << "1,000" << "50" << error;
        QTest::newRow("largest 16-bit temperature") << "32767" << "50" << QStringList{"7", "2", "9"};
        QTest::newRow("temperature beyond 16 bits") << "32767.5" << "50" << error;
        QTest::newRow("humidity beyond 16 bits") << "80" << "-40000" << error;
        QTest::newRow("humidity beyond a double") << "80" << "1e400" << error;
        QTest::newRow("blanks around numbers") << " 80 " << " 50" << QStringList{"7", "2", "9"};
    }

    void TextsAreReadAndLookedUp()
    {
        QFETCH(QString, temperature);
        QFETCH(QString, humidity);
        QFETCH(QStringList, outputs);
        frmMoistureLookup window(MOISTURE_HELP_DIR);
        Child<QLineEdit>(window, "txtTemperature")->setText(temperature);
        Child<QLineEdit>(window, "txtHumidity")->setText(humidity);
        QCOMPARE(Outputs(window), outputs);
    }

    void TypingRecomputesOnEveryChange()
    {
        frmMoistureLookup window(MOISTURE_HELP_DIR);
        QLineEdit* temperature = Child<QLineEdit>(window, "txtTemperature");
        temperature->clear();
        QCOMPARE(Outputs(window), (QStringList{"error", "error", "error"}));
        QTest::keyClicks(temperature, "1");
        QCOMPARE(Outputs(window), (QStringList{"error", "error", "error"}));
        QTest::keyClicks(temperature, "5");
        QCOMPARE(Outputs(window), (QStringList{"8", "2", "10"}));
    }

    void ListChangesRecompute()
    {
        frmMoistureLookup window(MOISTURE_HELP_DIR);
        // Winter, exposed, 2pm - 4pm, level: 3 5 3 4 2 1 3 2 across N, E, S, W by slope class.
        Child<QComboBox>(window, "cboSeason")->setCurrentIndex(2);
        Child<QComboBox>(window, "cboTime")->setCurrentIndex(3);
        Child<QComboBox>(window, "cboElevation")->setCurrentIndex(1);
        QCOMPARE(Outputs(window), (QStringList{"7", "3", "10"}));
        Child<QComboBox>(window, "cboAspect")->setCurrentIndex(2);
        Child<QComboBox>(window, "cboSlope")->setCurrentIndex(1);
        QCOMPARE(Outputs(window), (QStringList{"7", "1", "8"}));
        // Shaded in winter: 5 on every level row.
        Child<QComboBox>(window, "cboShading")->setCurrentIndex(1);
        QCOMPARE(Outputs(window), (QStringList{"7", "5", "12"}));
    }

    void HelpOpensTopicSix()
    {
        frmMoistureLookup window(MOISTURE_HELP_DIR);
        window.show();
        QCOMPARE(window.HelpWindow(), nullptr);
        QTest::mouseClick(Child<QPushButton>(window, "btnHelp"), Qt::LeftButton);
        const frmMoistureHelp* help = window.HelpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->Page(), QUrl::fromLocalFile(QDir(MOISTURE_HELP_DIR).filePath("topic-6.html")));
        QCOMPARE(help->Browser()->source(), help->Page());
        QVERIFY(help->Browser()->toPlainText().contains("Fine Dead FM"));

        QTest::mouseClick(Child<QPushButton>(window, "btnExit"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(!help->isVisible());
    }

    void MissingHelpPageIsSaid()
    {
        QTemporaryDir empty;
        frmMoistureLookup window(empty.path());
        QTest::mouseClick(Child<QPushButton>(window, "btnHelp"), Qt::LeftButton);
        QVERIFY(window.HelpWindow()->Browser()->toPlainText().contains("could not be found"));
    }
};

QTEST_MAIN(gui_frmMoistureLookup)
#include "gui_frmMoistureLookup.moc"

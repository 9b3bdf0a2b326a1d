#include "app/TorviForm.h"
#include "app/clsSingleInstance.h"

#include <QTabWidget>
#include <QtTest>

class TestTorviForm : public QObject {
    Q_OBJECT
private slots:
    void showsItsCaptionAndFiveTabs()
    {
        TorviForm window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString("Torvi v2.1"));
        const QStringList expected = {"Input/Output", "Output Table", "Output Chart", "Hazard Chart",
                                      "Fire Characteristics Chart"};
        QCOMPARE(window.Tabs()->count(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(window.Tabs()->tabText(i), expected[i]);
        QCOMPARE(window.Tabs()->tabToolTip(3), QString("Torvi Hazard Chart"));
    }

    void aSecondInstanceIsRecognised()
    {
        const QString name = "OrvaneTest-" + QString::number(QCoreApplication::applicationPid());
        clsSingleInstance first(name);
        QVERIFY(!first.AnotherIsRunning());
        clsSingleInstance second(name);
        QVERIFY(second.AnotherIsRunning());
        QVERIFY(!first.AnotherIsRunning());
    }
};

QTEST_MAIN(TestTorviForm)
#include "gui_TorviForm.moc"

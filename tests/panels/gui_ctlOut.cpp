#include "window/ctlOut.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestOutputPanel : public QObject {
    Q_OBJECT
private slots:
    void showsNumbersInTheirPlainForm()
    {
        ctlOut panel;
        panel.SetROS(3.10);
        QCOMPARE(panel.txtROS->text(), QString("3.1"));
        QCOMPARE(panel.GetROS(), 3.1);
        panel.SetHeatPUA(1234);
        QCOMPARE(panel.txtHeatPUA->text(), QString("1234"));
        panel.SetFireType("passive");
        QCOMPARE(panel.GetFireType(), QString("passive"));
        QVERIFY(panel.txtROS->isReadOnly());
    }

    void announcesEachChangeByItsPropertyName()
    {
        ctlOut panel;
        QSignalSpy spy(&panel, &ctlOut::PropertyChanged);
        panel.SetIdxTorch(12.5);
        panel.SetIdxTorchNA();
        panel.SetOCess(3);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0).at(0).toString(), QString("IdxTorch"));
        QCOMPARE(spy.at(1).at(0).toString(), QString("IdxTorch"));
        QCOMPARE(spy.at(2).at(0).toString(), QString("OCess"));
        QVERIFY(panel.txtIdxTorch->text().isEmpty());
    }

    void initEmptiesEverything()
    {
        ctlOut panel;
        panel.SetFireType("active");
        panel.SetCrownFB(1);
        panel.SetIdxCrown(20);
        panel.Events().SetIsCalculated(true);
        panel.Init();
        QVERIFY(!panel.Events().IsCalculated());
        QCOMPARE(int(panel.Boxes().size()), 17);
        for (const QLineEdit* box : panel.Boxes())
            QVERIFY(box->text().isEmpty());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, panel.GetCrownFB());
    }
};

QTEST_MAIN(TestOutputPanel)
#include "gui_ctlOut.moc"

#include "window/clsHelpViewer.h"
#include "engine/FuelModel_IO.h"
#include "window/frmFuelModel.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>

class TestFuelModelChooser : public QObject {
    Q_OBJECT

    FuelModel_IO reader;
    QTemporaryDir programDir;

    // Runs the user's actions once the modal dialog is up, then returns what SelectFM returned.
    int Choose(frmFuelModel& dialog, int current, std::function<void()> actions)
    {
        QTimer::singleShot(0, &dialog, [&dialog, actions] {
            actions();
            if (dialog.isVisible())  // a failed check left it open
                dialog.reject();
        });
        return dialog.SelectFM(current);
    }

    QListWidgetItem* Entry(frmFuelModel& dialog, const QString& code)
    {
        const auto found = dialog.listFM->findItems(code, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }

    void Click(frmFuelModel& dialog, const QString& code)
    {
        QListWidgetItem* entry = Entry(dialog, code);
        QVERIFY(entry);
        const QRect box = dialog.listFM->visualItemRect(entry);
        QTest::mouseClick(dialog.listFM->viewport(), Qt::LeftButton, {}, box.center());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(reader.LoadFuelModel(ORVANE_BIN_DIR "/ModelParameters.f"));
        const QString custom = programDir.filePath("custom.fmd");
        std::ofstream(custom.toStdString(), std::ios::binary)
            << "ENGLISH\r\n50 MID 1 0 0 0 0 static 2000 0 0 1 25 8000 8000 Between the sets\r\n";
        QVERIFY(reader.LoadFuelModel(custom.toStdString()));
        QDir(programDir.path()).mkpath("images");
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(programDir.filePath("images/FM1.jpg"), "JPG"));
    }

    void listsEveryModelInNumberOrder()
    {
        frmFuelModel dialog(*reader.fmColl, programDir.path(), nullptr);
        QCOMPARE(dialog.windowTitle(), QString("Fuel Model Selection"));
        QCOMPARE(dialog.listFM->count(), 54);
        QCOMPARE(dialog.listFM->item(0)->text(), QString("FM1"));
        QCOMPARE(dialog.listFM->item(12)->text(), QString("FM13"));
        QCOMPARE(dialog.listFM->item(13)->text(), QString("MID"));
        QCOMPARE(dialog.listFM->item(13)->data(Qt::UserRole).toInt(), 50);
        QCOMPARE(dialog.listFM->item(14)->text(), QString("GR1"));
    }

    void okWithoutASelectionReturnsZero()
    {
        frmFuelModel dialog(*reader.fmColl, programDir.path(), nullptr);
        QCOMPARE(Choose(dialog, 0, [&] {
                     QVERIFY(dialog.listFM->selectedItems().isEmpty());
                     QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
                 }),
                 0);
    }

    // The list taking the focus chooses nothing; the first Down chooses the first model.
    void whatIsShownAsChosenIsWhatOkReturns()
    {
        frmFuelModel dialog(*reader.fmColl, programDir.path(), nullptr);
        QCOMPARE(Choose(dialog, 0, [&] {
                     dialog.activateWindow();
                     QVERIFY(QTest::qWaitForWindowActive(&dialog));
                     dialog.btnOK->setFocus(Qt::OtherFocusReason);
                     dialog.listFM->setFocus(Qt::TabFocusReason);
                     QVERIFY(dialog.listFM->hasFocus());
                     QVERIFY(dialog.txtFMNum->text().isEmpty());
                     QVERIFY(dialog.txtFMName->text().isEmpty());
                     QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
                 }),
                 0);
        QCOMPARE(Choose(dialog, 0, [&] {
                     dialog.activateWindow();
                     QVERIFY(QTest::qWaitForWindowActive(&dialog));
                     dialog.btnOK->setFocus(Qt::OtherFocusReason);
                     dialog.listFM->setFocus(Qt::TabFocusReason);
                     QTest::keyClick(dialog.listFM, Qt::Key_Down);
                     QCOMPARE(dialog.txtFMNum->text(), QString("1"));
                     QTest::keyClick(dialog.listFM, Qt::Key_Down);
                     QCOMPARE(dialog.txtFMName->text(), QString("Timber (grass and understory)"));
                     QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
                 }),
                 2);
        // Deselecting the chosen entry leaves nothing shown and nothing to return.
        QCOMPARE(Choose(dialog, 10, [&] {
                     QCOMPARE(dialog.txtFMNum->text(), QString("10"));
                     QListWidgetItem* entry = Entry(dialog, "FM10");
                     QTest::mouseClick(dialog.listFM->viewport(), Qt::LeftButton, Qt::ControlModifier,
                                       dialog.listFM->visualItemRect(entry).center());
                     QVERIFY(dialog.txtFMNum->text().isEmpty());
                     QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
                 }),
                 0);
    }

    void cancelReturnsZeroWhateverIsSelected()
    {
        frmFuelModel dialog(*reader.fmColl, programDir.path(), nullptr);
        QCOMPARE(Choose(dialog, 10, [&] {
                     QCOMPARE(dialog.listFM->currentItem()->text(), QString("FM10"));
                     Click(dialog, "GR4");
                     QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
                 }),
                 0);
        QCOMPARE(Choose(dialog, 10, [&] { dialog.close(); }), 0);
    }

    void clickingShowsTheModelAndOkChoosesIt()
    {
        frmFuelModel dialog(*reader.fmColl, programDir.path(), nullptr);
        QCOMPARE(Choose(dialog, 0, [&] {
                     Click(dialog, "FM1");
                     QVERIFY(!dialog.imgFM->pixmap().isNull());
                     Click(dialog, "GR4");
                     QCOMPARE(dialog.txtFMNum->text(), QString("104"));
                     QCOMPARE(dialog.txtFMName->text(), QString("Moderate load, dry climate grass"));
                     QCOMPARE(dialog.txtImageFile->text(), QDir::toNativeSeparators("images/GR4.jpg"));
                     QVERIFY(dialog.imgFM->pixmap().isNull());  // no photograph: the placeholder
                     QCOMPARE(dialog.imgFM->text(), QString("No picture"));
                     QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
                 }),
                 104);
    }

    void doubleClickChooses()
    {
        frmFuelModel dialog(*reader.fmColl, programDir.path(), nullptr);
        QCOMPARE(Choose(dialog, 1, [&] {
                     QListWidgetItem* entry = Entry(dialog, "MID");
                     const QPoint at = dialog.listFM->visualItemRect(entry).center();
                     QTest::mouseClick(dialog.listFM->viewport(), Qt::LeftButton, {}, at);
                     QTest::mouseDClick(dialog.listFM->viewport(), Qt::LeftButton, {}, at);
                 }),
                 50);
    }

    void helpOpensTopicSeven()
    {
        clsHelpViewer help(programDir.path());
        frmFuelModel dialog(*reader.fmColl, programDir.path(), &help);
        Choose(dialog, 0, [&] {
            QTest::mouseClick(dialog.btnFMHelp, Qt::LeftButton);
            dialog.reject();
        });
        QCOMPARE(QFileInfo(help.LastPage()).fileName(), QString("topic-7.html"));
        QVERIFY(help.Window()->isVisible());
    }
};

QTEST_MAIN(TestFuelModelChooser)
#include "gui_frmFuelModel.moc"

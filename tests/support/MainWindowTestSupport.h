#pragma once

#include "app/FileDlg.h"
#include "app/TorviForm.h"
#include "runs/clsRun.h"

#include "support/RecordingInteraction.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

// Helpers of the window tests that drive the main window.
namespace MainWindowTestSupport {

// The main window shown and started as the program starts it, over a new run with the standard
// fuel models; messages and questions go to ui.
inline void StartMainWindow(RecordingInteraction& ui, std::unique_ptr<clsRun>& run, std::unique_ptr<FileDlg>& fileDlg,
                            std::unique_ptr<TorviForm>& form)
{
    ui = RecordingInteraction();
    run = std::make_unique<clsRun>(ui);
    QVERIFY(run->defFM.LoadFuelModel(ORVANE_BIN_DIR "/ModelParameters.f"));
    run->torvi.FuelModels = run->defFM.fmColl;
    fileDlg = std::make_unique<FileDlg>(ORVANE_BIN_DIR);
    form = std::make_unique<TorviForm>(*run, *fileDlg, ui, ORVANE_BIN_DIR);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->Start("");
}

// When the fuel model chooser next opens: click the code (none when empty), then press OK, or
// Cancel when cancel is true.
inline void WhenTheChooserOpens(const QString& code, bool cancel = false)
{
    QTimer::singleShot(0, [code, cancel] {
        auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QString("Fuel Model Selection"));
        auto* list = chooser->findChild<QListWidget*>();
        if (!code.isEmpty()) {
            const auto entry = list->findItems(code, Qt::MatchExactly).first();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(entry).center());
        }
        const QString press = cancel ? "Cancel" : "OK";
        for (auto* button : chooser->findChildren<QPushButton*>())
            if (button->text() == press)
                QTest::mouseClick(button, Qt::LeftButton);
    });
}

// Picks a fuel model with the chooser: click the button, click the code, press OK (or Cancel).
inline void ChooseModel(QPushButton* button, const QString& code, bool cancel = false)
{
    WhenTheChooserOpens(code, cancel);
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace MainWindowTestSupport

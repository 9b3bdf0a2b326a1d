#pragma once

#include "app/FileDlg.h"
#include "app/TorviForm.h"
#include "runs/clsRun.h"

#include "support/RecordingInteraction.h"

#include <QtTest>

#include <memory>

// A main window over a fresh run with the standard fuel models, shown and started as the program
// starts it, answering through the recording interaction.
inline void OpenMainWindow(RecordingInteraction& ui, std::unique_ptr<clsRun>& run, std::unique_ptr<FileDlg>& fileDlg,
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

#include "base/FileDlg.h"
#include "window/QtUserInteraction.h"

#include <QApplication>
#include <QDir>
#include <QComboBox>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

class TestQtUserInteraction : public QObject {
    Q_OBJECT

    static clsUserInteraction::FileRequest Request(bool save, int32_t flags, const std::string& filter)
    {
        clsUserInteraction::FileRequest request;
        request.save = save;
        request.flags = flags | FileDlg::cdlOFNHideReadOnly;
        request.filter = filter;
        request.title = "Load scenario input data";
        return request;
    }

    // Opens the file dialog of the request, looks at it as the user sees it and cancels it.
    static void Inspect(const clsUserInteraction::FileRequest& request, std::function<void(QFileDialog&)> look)
    {
        bool looked = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            look(*dialog);
            looked = true;
            dialog->reject();
        });
        QtUserInteraction ui;
        QCOMPARE(ui.ChooseFile(request), std::string());
        QVERIFY(looked);
    }

private slots:
    void initTestCase()
    {
        // The folders remembered here live in a folder of their own, never in the developer's settings.
        QVERIFY(settingsDir.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    }

    void filtersShowEachPatternOnce_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("description with its pattern")
            << "Scenario Files (*.scn)|*.scn" << QStringList{"Scenario Files (*.scn)"};
        QTest::newRow("description alone") << "Fuel Model Files|*.fmd" << QStringList{"Fuel Model Files (*.fmd)"};
        QTest::newRow("two pairs") << "Scenario Output Files (*.out)|*.out|All Files (*.*)|*.*"
                                   << QStringList{"Scenario Output Files (*.out)", "All Files (*.*)"};
        QTest::newRow("several patterns") << "Images (*.png)|*.png;*.jpg" << QStringList{"Images (*.png *.jpg)"};
        QTest::newRow("brackets that are no pattern") << "Chart (JPEG)|*.jpg" << QStringList{"Chart (JPEG) (*.jpg)"};
    }

    void filtersShowEachPatternOnce()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, shown);
        Inspect(Request(false, 0, filter.toStdString()), [&](QFileDialog& dialog) {
            QCOMPARE(dialog.nameFilters(), shown);
            QCOMPARE(dialog.selectedNameFilter(), shown.first());
        });
    }

    void theOptionFlagsAreHonoured_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<bool>("asksBeforeReplacing");
        QTest::newRow("open an existing file") << false << int(FileDlg::cdlOFNFileMustExist)
                                               << int(QFileDialog::ExistingFile) << false;
        QTest::newRow("open any name") << false << 0 << int(QFileDialog::AnyFile) << false;
        QTest::newRow("open several") << false << int(FileDlg::cdlOFNAllowMultiSelect | FileDlg::cdlOFNFileMustExist)
                                      << int(QFileDialog::ExistingFiles) << false;
        QTest::newRow("save, asking before replacing")
            << true << int(FileDlg::cdlOFNOverwritePrompt) << int(QFileDialog::AnyFile) << true;
        QTest::newRow("save without asking") << true << 0 << int(QFileDialog::AnyFile) << false;
    }

    void theOptionFlagsAreHonoured()
    {
        QFETCH(bool, save);
        QFETCH(int, flags);
        QFETCH(int, fileMode);
        QFETCH(bool, asksBeforeReplacing);
        Inspect(Request(save, flags, "Scenario Files (*.scn)|*.scn"), [&](QFileDialog& dialog) {
            QCOMPARE(int(dialog.fileMode()), fileMode);
            QCOMPARE(dialog.acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            QCOMPARE(!dialog.testOption(QFileDialog::DontConfirmOverwrite), asksBeforeReplacing);
        });
    }

    void theRestOfTheRequestReachesTheDialog()
    {
        QTemporaryDir folder;
        clsUserInteraction::FileRequest request =
            Request(true, FileDlg::cdlOFNOverwritePrompt, "Scenario Files (*.scn)|*.scn|All Files (*.*)|*.*");
        request.title = "Save scenario input data";
        request.initDir = folder.path().toStdString();
        request.filterIndex = 2;
        request.defExt = "scn";
        Inspect(request, [&](QFileDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Save scenario input data"));
            QCOMPARE(dialog.directory().absolutePath(), QDir(folder.path()).absolutePath());
            QCOMPARE(dialog.selectedNameFilter(), QString("All Files (*.*)"));
            QCOMPARE(dialog.defaultSuffix(), QString("scn"));
        });
    }

    // Each kind of file opens where the last one of its kind was chosen, after a restart too; a
    // folder that has gone since gives way to the program's folder.
    void eachKindOfFileOpensInItsLastFolder()
    {
        QTemporaryDir start, scenarios;
        auto request = [&](const std::string& kind) {
            clsUserInteraction::FileRequest asked = Request(true, 0, "Files (*." + kind + ")|*." + kind);
            asked.defExt = kind;
            asked.initDir = start.path().toStdString();
            return asked;
        };
        const QString chosen = QDir(scenarios.path()).filePath("north.scn");
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->directory().absolutePath(), QDir(start.path()).absolutePath());
            dialog->selectFile(chosen);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QCOMPARE(QtUserInteraction().ChooseFile(request("scn")), chosen.toStdString());

        // A new interaction, as after a restart.
        Inspect(request("scn"), [&](QFileDialog& dialog) {
            QCOMPARE(dialog.directory().absolutePath(), QDir(scenarios.path()).absolutePath());
        });
        Inspect(request("run"), [&](QFileDialog& dialog) {
            QCOMPARE(dialog.directory().absolutePath(), QDir(start.path()).absolutePath());
        });
        QVERIFY(scenarios.remove());
        Inspect(request("scn"), [&](QFileDialog& dialog) {
            QCOMPARE(dialog.directory().absolutePath(), QDir(start.path()).absolutePath());
        });
    }

    // A saved name keeps an extension of one of the filters; without one it gets the extension of
    // the filter the user chose, not the request's default.
    void aSavedNameTakesTheChosenFiltersExtension()
    {
        QTemporaryDir folder;
        const struct {
            QString typed;
            QString saved;
        } cases[] = {{"figure", "figure.svg"}, {"figure.png", "figure.png"}, {"figure.v2", "figure.v2.svg"}};
        for (const auto& c : cases) {
            clsUserInteraction::FileRequest request =
                Request(true, 0, "JPEG Files (*.jpg)|*.jpg|PNG Files (*.png)|*.png|SVG Files (*.svg)|*.svg");
            request.defExt = "jpg";
            request.initDir = folder.path().toStdString();
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
                QVERIFY(types);
                types->setCurrentIndex(2);
                emit types->activated(2);
                emit types->textActivated(types->currentText());
                dialog->selectFile(QDir(folder.path()).filePath(c.typed));
                QMetaObject::invokeMethod(dialog, "accept");
            });
            QCOMPARE(QString::fromStdString(QtUserInteraction().ChooseFile(request)),
                     QDir(folder.path()).filePath(c.saved));
        }
    }

private:
    QTemporaryDir settingsDir;
};

QTEST_MAIN(TestQtUserInteraction)
#include "gui_QtUserInteraction.moc"

// The main window as an analyst uses it on a laptop: its size, the keyboard, the clipboard, the
// memory of files and the progress of long work.

#include "base/FileDlg.h"
#include "window/QtUserInteraction.h"
#include "window/TorviForm.h"
#include "window/FireTab.h"
#include "window/HazChartTab.h"
#include "window/ctlIn.h"
#include "runs/clsRun.h"
#include "window/TablesTab.h"
#include "window/ctlOutputTable.h"
#include "window/ctlPageInput.h"
#include "window/ctlRowInput.h"

#include "support/MainWindowTestSupport.h"
#include "support/RecordingInteraction.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <memory>

namespace {

using MainWindowTestSupport::Child;
using MainWindowTestSupport::Command;
using MainWindowTestSupport::Scenario;

// The widgets a user works with: those that take the focus.
bool IsControl(const QWidget* widget)
{
    return widget->focusPolicy() != Qt::NoFocus && !qobject_cast<const QAbstractScrollArea*>(widget->parentWidget()) &&
           !qobject_cast<const QMenu*>(widget) && !qobject_cast<const QMenuBar*>(widget);
}

// Scrolls every scroll area around the widget so that it shows, as a user would.
void ScrollTo(QWidget* widget)
{
    for (QWidget* outer = widget->parentWidget(); outer; outer = outer->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(outer))
            if (area->widget()->isAncestorOf(widget)) {
                // The whole widget, not only a text box's cursor, as ensureWidgetVisible would.
                const QPoint centre = widget->mapTo(area->widget(), widget->rect().center());
                area->ensureVisible(centre.x(), centre.y(), widget->width() / 2 + 1, widget->height() / 2 + 1);
            }
    QApplication::processEvents();
}

// No widget around it cuts the widget off (a control taller than the window needs to show only
// its top).
bool WhollyInside(const QWidget* widget)
{
    for (const QWidget* outer = widget->parentWidget(); outer; outer = outer->parentWidget()) {
        const QRect place(widget->mapTo(outer, QPoint(0, 0)), widget->size());
        const QRect room = outer->rect();
        if (place.left() < room.left() || place.right() > room.right() || place.top() < room.top() ||
            (place.bottom() > room.bottom() && place.height() <= room.height())) {
            return false;
        }
        if (outer->isWindow())
            break;
    }
    return true;
}

// Records like the other tests' interaction, and shows progress as the program does, at once.
class ProgressInteraction : public RecordingInteraction {
public:
    ProgressInteraction() { shown.progressDelay = 0; }
    void BeginProgress(const std::string& title) override { shown.BeginProgress(title); }
    bool ShowProgress(int64_t recordsDone, double fractionRead) override
    {
        return shown.ShowProgress(recordsDone, fractionRead);
    }
    void EndProgress() override { shown.EndProgress(); }

    QtUserInteraction shown;
};

// A scenario input file of that many grass records, named after their number.
std::string WriteRecords(const QTemporaryDir& dir, const QString& name, int count)
{
    const std::string path = dir.filePath(name).toStdString();
    std::ofstream file(path, std::ios::binary);
    for (int i = 1; i <= count; ++i)
        file << MainWindowTestSupport::Grass << " Stand" << i << "\r\n";
    return path;
}

}  // namespace

class TestWindowUse : public MainWindowTestSupport::MainWindowTest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The settings of these tests live in a folder of their own, never in the developer's.
        QVERIFY(settingsDir.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    }

    void init() { StartWithGrassAndTimber(); }

    // A 1366×768 laptop screen with a panel leaves about 1366×700 for the window.
    void theWindowFitsALaptopScreenWithEveryControlReachable()
    {
        form->resize(1366, 700);
        QTest::qWait(0);
        for (int tab = 0; tab < Child<QTabBar>(*form, "TabStrip1")->count(); ++tab) {
            ClickTab(tab);
            QApplication::processEvents();
            QCOMPARE(form->size(), QSize(1366, 700));
            QVERIFY2(form->minimumSizeHint().width() <= 1024 && form->minimumSizeHint().height() <= 640,
                     qPrintable(QString("tab %1 wants at least %2×%3")
                                    .arg(tab)
                                    .arg(form->minimumSizeHint().width())
                                    .arg(form->minimumSizeHint().height())));
            for (QWidget* control : form->findChildren<QWidget*>()) {
                if (!control->isVisible() || !IsControl(control))
                    continue;
                ScrollTo(control);
                QVERIFY2(WhollyInside(control),
                         qPrintable(QString("tab %1: %2 \"%3\" cannot be scrolled into view")
                                        .arg(tab)
                                        .arg(control->metaObject()->className())
                                        .arg(control->objectName() + control->property("text").toString() +
                                             control->property("title").toString())));
            }
        }
        // The smallest window still shows every tab whole.
        form->resize(1024, 640);
        for (int tab = 0; tab < Child<QTabBar>(*form, "TabStrip1")->count(); ++tab) {
            ClickTab(tab);
            QApplication::processEvents();
            QCOMPARE(form->size(), QSize(1024, 640));
        }
    }

    void theStandardShortcutsWorkAndShowInTheMenus()
    {
        QCOMPARE(Command(*form, "mnuOpenRun")->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(Command(*form, "mnuSaveMain")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(Command(*form, "mnuExit")->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(Command(*form, "mnuHelpTab")->shortcut(), QKeySequence("F1"));
        QCOMPARE(Command(*form, "mnuNextTab")->shortcut(), QKeySequence("Ctrl+Tab"));
        QCOMPARE(Command(*form, "mnuPreviousTab")->shortcut(), QKeySequence("Ctrl+Shift+Tab"));
        for (const char* name : {"mnuOpenRun", "mnuSaveMain", "mnuExit", "mnuHelpTab", "mnuNextTab", "mnuPreviousTab"}) {
            const QAction* entry = Command(*form, name);
            QVERIFY2(!entry->associatedObjects().isEmpty(), qPrintable(entry->text()));
        }

        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QLineEdit* box = Scenario<ctlIn>(*form, "inPanel", 1)->txtInp[1];
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(run->visTab, int16_t(1));
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(run->visTab, int16_t(2));
        QTest::keyClick(form->focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(run->visTab, int16_t(1));
        QTest::keyClick(form.get(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(form.get(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(run->visTab, int16_t(4));  // round the strip

        // F1: the page of the tab on screen.
        const std::pair<int, QString> pages[] = {{4, "topic-5.html"}, {3, "topic-4.html"}, {2, "topic-3.html"},
                                                 {1, "topic-2.html"}, {0, "topic-8.html"}};
        for (const auto& [tab, page] : pages) {
            ClickTab(tab);
            QTest::keyClick(form.get(), Qt::Key_F1);
            QVERIFY2(form->Help().LastPage().endsWith(page), qPrintable(form->Help().LastPage()));
        }
        form->Help().Close();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));

        QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(ui.fileRequests.back().title, std::string("Load Torvi run data"));
        QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ui.messages.back(), std::string("Please name your run before saving it."));
        QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!form->isVisible());
    }

    // Tab and Shift+Tab leave the grid; arrows move in it; Ctrl+A, Ctrl+C copy the table as shown.
    void theOutputTableGridLetsTheFocusGoAndCopiesWhatItShows()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ClickTab(1);
        QTableWidget* grid = Child<TablesTab>(*form, "tablesTab")->tableView->vsgridTable;
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 1)).center());
        QVERIFY(grid->hasFocus());
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(grid->currentRow(), 1);
        QCOMPARE(grid->currentColumn(), 2);

        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        const ctlOutputTable& table = *Child<TablesTab>(*form, "tablesTab")->tableView;
        QCOMPARE(lines.first(), QString("Input\tA\tB\tC\tD"));
        QCOMPARE(lines.size(), 22);  // the header and the 21 rows of 0 to 40 mi/hr by 2
        for (int row = 0; row < lines.size(); ++row) {
            const QStringList cells = lines[row].split('\t');
            QCOMPARE(cells.size(), 5);
            for (int column = 0; column < 5; ++column)
                QCOMPARE(cells[column], table.Cell(row, column));
        }
        QVERIFY(table.Cell(2, 1).contains(','));  // the decimal comma, as shown
        QVERIFY(table.Cell(2, 2).isEmpty());      // scenario B is empty

        // The grid's context menu copies one cell as it is.
        grid->clearSelection();
        grid->setCurrentCell(3, 3);
        QCOMPARE(grid->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(grid->actions().size(), 1);
        QCOMPARE(grid->actions().first()->text(), QString("&Copy"));
        grid->actions().first()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), table.Cell(4, 3) + "\n");
        QLocale::setDefault(QLocale::c());

        QTest::keyClick(grid, Qt::Key_Tab);
        QVERIFY(!grid->hasFocus());
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(!grid->hasFocus());
    }

    void theRangeAndPageBoxesTellTheirValidRangeAndUnit()
    {
        ClickTab(1);
        ctlRowInput& row = *Child<TablesTab>(*form, "tablesTab")->tblRowInput;
        ctlPageInput& page = *Child<TablesTab>(*form, "tablesTab")->tblPageInput;
        QCOMPARE(row.cmboRowVar->currentText(), QString("Open windspeed"));
        QCOMPARE(row.txtRowMin->toolTip(), QString("[0 - 60 mi/hr]"));
        QCOMPARE(row.txtRowMax->toolTip(), QString("[0 - 60 mi/hr]"));
        QCOMPARE(row.txtRowStep->toolTip(), QString("[0.1 - 60 mi/hr]"));
        MainWindowTestSupport::Choose(row.cmboRowUnits, "km/hr");
        QCOMPARE(row.txtRowMax->toolTip(), QString("[0 - 100 km/hr]"));
        QCOMPARE(page.txtPageVal->toolTip(), QString());  // "-- None --"
        MainWindowTestSupport::Choose(page.cmboPageVar, "Slope");
        QCOMPARE(page.txtPageVal->toolTip(), QString("[0 - 100 percent]"));
        // The hazard chart's wind range too.
        ClickTab(3);
        const ctlRowInput* windRange = Child<HazChartTab>(*form, "hazChartTab")->findChild<ctlRowInput*>();
        QCOMPARE(windRange->txtRowMin->toolTip(), QString("[0 - 60 mi/hr]"));
    }

    // The last eight runs opened or saved, across restarts; a run whose file has gone is dropped.
    void recentRunsAreRememberedAndOffered()
    {
        AppSettingsClear();
        QLineEdit* runName = Child<QLineEdit>(*form, "txtRun");
        runName->setText("Ridge top");
        emit runName->textEdited("Ridge top");
        std::vector<std::string> saved;
        for (int i = 1; i <= 9; ++i) {
            saved.push_back(dir.filePath(QString("run%1.run").arg(i)).toStdString());
            ui.chosenFiles.push_back(saved.back());
            QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
            QVERIFY(QFileInfo::exists(QString::fromStdString(saved.back())));
        }
        StartMainWindow();  // as after a restart
        QMenu* recent = Child<QMenu>(*form, "mnuRecentRuns");
        emit recent->aboutToShow();
        const QList<QAction*> entries = recent->actions();
        QCOMPARE(entries.size(), 8);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(entries[i]->text(), QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(saved[8 - i])));

        entries[2]->trigger();
        QCOMPARE(Child<QLineEdit>(*form, "txtRunFile")->text(), QString::fromStdString(saved[6]));
        QCOMPARE(Child<QLineEdit>(*form, "txtRun")->text(), QString("Ridge top"));
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().first()->text(), "&1 " + QString::fromStdString(saved[6]));

        QFile::remove(QString::fromStdString(saved[8]));
        ui.messages.clear();
        recent->actions()[1]->trigger();
        QCOMPARE(ui.messages, std::vector<std::string>{"The run file " + saved[8] +
                                                       " no longer exists; it is removed from the recent runs."});
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 7);
        for (QAction* entry : recent->actions())
            QVERIFY(!entry->text().endsWith(QString::fromStdString(saved[8])));
    }

    // Batch and split show their progress and stop on Cancel: the batch writes nothing, the split
    // keeps what it wrote and lists it.
    void batchAndSplitShowProgressAndCancel()
    {
        ProgressInteraction shown;
        RecordingInteraction& recording = shown;
        std::unique_ptr<clsRun> ownRun;
        std::unique_ptr<FileDlg> ownDialog;
        std::unique_ptr<TorviForm> window;
        MainWindowTestSupport::StartMainWindow(recording, ownRun, ownDialog, window);
        const std::string input = WriteRecords(dir, "many.scn", 2000);
        // Cancels the showing-th progress dialog of that title as soon as it shows: the command may
        // read its file first, and the split shows one while it looks for files it would replace.
        auto cancelWhenShown = [this](const QString& title, int showing) {
            auto* poll = new QTimer(this);
            poll->setInterval(0);  // at every turn of the event loop
            auto seen = std::make_shared<QList<QPointer<QProgressDialog>>>();
            connect(poll, &QTimer::timeout, poll, [poll, title, showing, seen] {
                QProgressDialog* progress = nullptr;
                for (QWidget* top : QApplication::topLevelWidgets())
                    if (auto* dialog = qobject_cast<QProgressDialog*>(top);
                        dialog && dialog->isVisible() && dialog->windowTitle() == title)
                        progress = dialog;
                if (!progress)
                    return;
                if (!seen->contains(progress))
                    seen->append(progress);
                if (seen->size() < showing)
                    return;
                poll->stop();
                poll->deleteLater();
                QCOMPARE(progress->windowTitle(), title);
                QVERIFY2(progress->labelText().endsWith(" records done"), qPrintable(progress->labelText()));
                auto* cancel = progress->findChild<QPushButton*>();
                QCOMPARE(cancel->text(), QString("Cancel"));
                QTest::mouseClick(cancel, Qt::LeftButton);
            });
            poll->start();
        };
        recording.chosenFiles.push_back(input);
        cancelWhenShown("Batch", 1);
        Command(*window, "mnuBatch")->trigger();
        const std::string output = dir.filePath("many.out").toStdString();
        QVERIFY(!QFileInfo::exists(QString::fromStdString(output)));
        QVERIFY2(recording.messages.back().rfind("The batch was cancelled after ", 0) == 0,
                 recording.messages.back().c_str());

        recording.chosenFiles.push_back(input);
        cancelWhenShown("Split scenario batch file", 2);
        Command(*window, "mnuSplitScn")->trigger();
        const std::string& said = recording.messages.back();
        QVERIFY2(said.rfind("The split of " + input + " was cancelled after ", 0) == 0, said.c_str());
        QVERIFY2(said.find("are kept:\r\n" + dir.filePath("Stand1.scn").toStdString()) != std::string::npos, said.c_str());
        QVERIFY(QFileInfo::exists(dir.filePath("Stand1.scn")));
        QVERIFY(!QFileInfo::exists(dir.filePath("Stand2000.scn")));
        QVERIFY(!shown.shown.ProgressDialog());
    }

private:
    static void AppSettingsClear() { QSettings().clear(); }

    QTemporaryDir settingsDir;
};

QTEST_MAIN(TestWindowUse)
#include "gui_WindowUse.moc"

#include "window/TorviForm.h"

#include "window/AppSettings.h"
#include "base/FileDlg.h"
#include "base/RecentFiles.h"
#include "window/RunCommands.h"
#include "base/NumberText.h"
#include "window/ToolCommands.h"
#include "window/UnitsCommands.h"
#include "window/FireTab.h"
#include "window/HazChartTab.h"
#include "engine/clsTorvi.h"
#include "window/PanelMetrics.h"
#include "window/ctlIn.h"
#include "panels/clsInputStatus.h"
#include "window/ctlOut.h"
#include "runs/clsRun.h"
#include "engine/ScenarioCalculation.h"
#include "engine/ScenarioInputFields.h"
#include "engine/ScenarioOutputFields.h"
#include "window/TablesTab.h"
#include "units/clsUnits.h"
#include "window/WizardForm.h"
#include "wizard/clsWAFWizard.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

using Caption = clsInputStatus::Caption;

// The five moisture fields that the scenario link copies.
constexpr std::array<int, 5> allMoistures = {11, 12, 13, 14, 15};

// The input fields whose unit the page lets the user choose.
constexpr int convertedFields[] = {16, 17, 20, 21};

QLabel* RowLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFixedHeight(PanelMetrics::RowHeight);
    return label;
}

QVBoxLayout* Column()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(PanelMetrics::RowSpacing);
    column->setContentsMargins(0, 0, 0, 0);
    return column;
}

}  // namespace

QString TorviForm::ScenarioCaption(int scenario)
{
    return QString("Scenario ") + QChar('A' + scenario - 1);
}

TorviForm::TorviForm(clsRun& run, FileDlg& fileDlg, clsUserInteraction& ui, QString programDir, QWidget* parent)
    : QMainWindow(parent),
      TabStrip1(new QTabBar(this)),
      frames(new QStackedWidget(this)),
      run(run),
      fileDlg(fileDlg),
      ui(ui),
      programDir(programDir),
      help(programDir),
      tableViews(run, ui),
      dialogs(ui, fileDlg),
      unitsCommands(std::make_unique<UnitsCommands>(*this, run, dialogs)),
      runCommands(std::make_unique<RunCommands>(*this, run, dialogs, *unitsCommands)),
      toolCommands(std::make_unique<ToolCommands>(*this, run, dialogs, programDir))
{
    setWindowTitle("Torvi v2.1");
    BuildMenus();

    struct Tab {
        const char* caption;
        const char* key;
        const char* toolTip;
    };
    const Tab tabs[] = {{"Input/Output", "IO", "Torvi Inputs and Outputs"},
                        {"Output Table", "Tables", "Torvi Tables"},
                        {"Output Chart", "Charts", "Torvi Charts"},
                        {"Hazard Chart", "HazChart", "Torvi Hazard Chart"},
                        {"Fire Characteristics Chart", "CharChart", "Torvi Fire Characteristics Chart"}};
    // The output chart shares the output table's frame; its own stays empty.
    QWidget* const pages[] = {BuildInputOutputPage(), BuildTablesPage(), new QFrame(frames),
                              hazChartTab = new HazChartTab(tableViews, fileDlg, ui, &help, programDir, frames),
                              fireTab = new FireTab(tableViews, fileDlg, ui, &help, programDir, frames)};
    for (std::size_t i = 0; i < std::size(tabs); ++i) {
        const int index = TabStrip1->addTab(tabs[i].caption);
        TabStrip1->setTabData(index, tabs[i].key);
        TabStrip1->setTabToolTip(index, tabs[i].toolTip);
        frameIO[i] = pages[i];
        frames->addWidget(frameIO[i]);
    }
    connect(TabStrip1, &QTabBar::currentChanged, this, &TorviForm::SelectTab);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    layout->addWidget(TabStrip1);
    layout->addWidget(frames, 1);
    setCentralWidget(central);
    lblInputStatus = new QLabel(this);
    statusBar()->addWidget(lblInputStatus, 1);
    NameControls();
    FitToScreen();
}

TorviForm::~TorviForm() = default;

void TorviForm::NameControls()
{
    const std::pair<QObject*, const char*> controls[] = {
        {TabStrip1, "TabStrip1"},
        {frames, "frames"},
        {txtRun, "txtRun"},
        {txtRDate, "txtRDate"},
        {txtAnalyst, "txtAnalyst"},
        {txtProject, "txtProject"},
        {txtRunFile, "txtRunFile"},
        {btnFBA, "btnFBA"},
        {lblInputStatus, "lblInputStatus"},
        {tablesTab, "tablesTab"},
        {hazChartTab, "hazChartTab"},
        {fireTab, "fireTab"},
        {mnuOpenRun, "mnuOpenRun"},
        {mnuCloseRun, "mnuCloseRun"},
        {mnuSaveMain, "mnuSaveMain"},
        {mnuOpenUnits, "mnuOpenUnits"},
        {mnuCloseUnits, "mnuCloseUnits"},
        {mnuSaveUnits, "mnuSaveUnits"},
        {mnuPrint, "mnuPrint"},
        {mnuCapture, "mnuCapture"},
        {mnuBatch, "mnuBatch"},
        {mnuRecentRuns, "mnuRecentRuns"},
        {mnuExit, "mnuExit"},
        {mnuGlobalSettings, "mnuGlobalSettings"},
        {mnuCustomFM, "mnuCustomFM"},
        {mnuFBATables, "mnuFBATables"},
        {mnuFuelSzCls, "mnuFuelSzCls"},
        {mnuScenarioFuel, "mnuScenarioFuel"},
        {mnuSplitScn, "mnuSplitScn"},
        {mnuNextTab, "mnuNextTab"},
        {mnuPreviousTab, "mnuPreviousTab"},
        {mnuHelpTab, "mnuHelpTab"},
        {mnuHelpTOC, "mnuHelpTOC"},
        {mnuHelpAbout, "mnuHelpAbout"},
        {mnuScenario, "mnuScenario"},
        {mnuLoad, "mnuLoad"},
        {mnuSave, "mnuSave"},
        {mnuName, "mnuName"},
        {mnuClear, "mnuClear"},
        {mnuScenHelp, "mnuScenHelp"},
    };
    for (const auto& [control, name] : controls)
        control->setObjectName(name);
    for (int i = 1; i <= NumScenarios; ++i) {
        const QString number = QString::number(i);
        inPanel[i]->setObjectName("inPanel" + number);
        outPanel[i]->setObjectName("outPanel" + number);
        scenarioButton[i]->setObjectName("scenarioButton" + number);
        outputLabel[i]->setObjectName("outputLabel" + number);
    }
}

// As large as the page needs, within the screen; on a small screen the page scrolls.
void TorviForm::FitToScreen()
{
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize wanted(1340, 1000);
    if (!display) {
        resize(wanted);
        return;
    }
    const QRect room = display->availableGeometry();
    resize(std::min(wanted.width(), room.width() - 20), std::min(wanted.height(), room.height() - 40));
}

void TorviForm::BuildMenus()
{
    QMenu* file = menuBar()->addMenu("&File");
    mnuOpenRun = file->addAction("&Open Run");
    mnuCloseRun = file->addAction("&Close Run");
    mnuSaveMain = file->addAction("&Save Run");
    mnuRecentRuns = file->addMenu("&Recent runs");
    connect(mnuRecentRuns, &QMenu::aboutToShow, this, &TorviForm::FillRecentRuns);
    file->addSeparator();
    mnuOpenUnits = file->addAction("&Open Units Set");
    mnuCloseUnits = file->addAction("&Close Units Set");
    mnuSaveUnits = file->addAction("&Save Units Set");
    file->addSeparator();
    mnuPrint = file->addAction("&Print");
    mnuCapture = file->addAction("&Capture");
    mnuBatch = file->addAction("&Batch");
    file->addSeparator();
    mnuExit = file->addAction("&Exit");
    connect(mnuOpenRun, &QAction::triggered, this, [this] { runCommands->OpenRun(); });
    connect(mnuCloseRun, &QAction::triggered, this, [this] { runCommands->CloseRun(); });
    connect(mnuSaveMain, &QAction::triggered, this, [this] { runCommands->SaveRun(); });
    connect(mnuOpenUnits, &QAction::triggered, this, [this] { unitsCommands->OpenUnits(); });
    connect(mnuCloseUnits, &QAction::triggered, this, [this] { unitsCommands->CloseUnits(); });
    connect(mnuSaveUnits, &QAction::triggered, this, [this] { unitsCommands->SaveUnits(); });
    connect(mnuBatch, &QAction::triggered, this, [this] { toolCommands->RunBatch(); });
    // Print and Capture act on the chart on screen, as its own buttons do.
    for (QAction* action : {mnuPrint, mnuCapture}) {
        connect(action, &QAction::triggered, this, [this, print = action == mnuPrint] {
            if (QPushButton* button = ChartButton(print))
                button->click();
        });
        action->setEnabled(false);
    }
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);  // the close asks the save prompts
    mnuOpenRun->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuSaveMain->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* tools = menuBar()->addMenu("&Tools");
    mnuGlobalSettings = tools->addAction("&Global settings");
    mnuCustomFM = tools->addAction("&Custom fuel models");
    mnuFBATables = tools->addAction("&FBA Tables");
    mnuFuelSzCls = tools->addAction("&Link size class moistures");
    mnuScenarioFuel = tools->addAction("&Link scenario moistures");
    mnuSplitScn = tools->addAction("&Split scenario batch file");
    connect(mnuGlobalSettings, &QAction::triggered, this, [this] { toolCommands->GlobalSettings(); });
    connect(mnuCustomFM, &QAction::triggered, this, [this] { toolCommands->CustomFuelModels(); });
    connect(mnuFBATables, &QAction::triggered, this, [this] { toolCommands->StartMoisture(); });
    connect(mnuSplitScn, &QAction::triggered, this, [this] { toolCommands->SplitBatch(); });
    mnuFuelSzCls->setCheckable(true);
    mnuScenarioFuel->setCheckable(true);
    connect(mnuFuelSzCls, &QAction::triggered, this, &TorviForm::MoistureOptionChanged);
    connect(mnuScenarioFuel, &QAction::triggered, this, &TorviForm::MoistureOptionChanged);

    // Ctrl+Tab moves between the tabs wherever the focus is, as in other tabbed programs.
    QMenu* view = menuBar()->addMenu("&View");
    mnuNextTab = view->addAction("&Next Tab");
    mnuPreviousTab = view->addAction("&Previous Tab");
    mnuNextTab->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    // Shift+Tab arrives as Backtab on some platforms, as Tab with Shift on others.
    mnuPreviousTab->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    connect(mnuNextTab, &QAction::triggered, this, [this] { StepTab(1); });
    connect(mnuPreviousTab, &QAction::triggered, this, [this] { StepTab(-1); });

    QMenu* helpMenu = menuBar()->addMenu("&Help");
    mnuHelpTab = helpMenu->addAction("&Help on This Tab");
    mnuHelpTab->setShortcut(QKeySequence(Qt::Key_F1));
    connect(mnuHelpTab, &QAction::triggered, this, [this] { help.ShowTopic(HelpTopicOfTab(run.visTab)); });
    mnuHelpTOC = helpMenu->addAction("Contents and Index");
    mnuHelpAbout = helpMenu->addAction("About Torvi");
    connect(mnuHelpTOC, &QAction::triggered, this, [this] { help.ShowContents(); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { help.ShowTopic(9); });

    mnuScenario = new QMenu(this);
    mnuLoad = mnuScenario->addAction("&Load");
    mnuSave = mnuScenario->addAction("&Save");
    mnuName = mnuScenario->addAction("&Name");
    mnuClear = mnuScenario->addAction("&Clear");
    mnuScenHelp = mnuScenario->addAction("&Help");
    // The scenario number travels in the entries' data, set by the button that shows the menu.
    connect(mnuLoad, &QAction::triggered, this, [this] { LoadScenario(mnuLoad->data().toInt()); });
    connect(mnuSave, &QAction::triggered, this, [this] { SaveScenario(mnuSave->data().toInt()); });
    connect(mnuName, &QAction::triggered, this, [this] { NameScenario(mnuName->data().toInt()); });
    connect(mnuClear, &QAction::triggered, this, [this] { runCommands->ClearScenario(mnuClear->data().toInt()); });
    connect(mnuScenHelp, &QAction::triggered, this, [this] { help.ShowTopic(8); });
}

QWidget* TorviForm::BuildRunFields()
{
    auto* fields = new QWidget;
    auto* layout = new QHBoxLayout(fields);
    layout->setContentsMargins(0, 0, 0, 4);
    auto addField = [&](const char* caption, std::string clsRun::*field) {
        auto* box = new QLineEdit(fields);
        layout->addWidget(new QLabel(caption, fields));
        layout->addWidget(box, 1);
        if (field)
            connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) {
                run.*field = text.toStdString();
                run.IsDirty = true;
            });
        return box;
    };
    txtRun = addField("Run", &clsRun::Name);
    txtRDate = addField("Date", &clsRun::RDate);
    txtAnalyst = addField("Analyst", &clsRun::Analyst);
    txtProject = addField("Project", &clsRun::Project);
    txtRunFile = addField("Run file", nullptr);
    txtRunFile->setReadOnly(true);
    return fields;
}

void TorviForm::FillUnitList(QComboBox* list, const clsTorviUnit& member)
{
    list->clear();
    for (int16_t unit = 1; unit <= member.UnitSize(); ++unit)
        list->addItem(QString::fromStdString(member.UnitLbl(unit)), unit);
}

QWidget* TorviForm::BuildInputOutputPage()
{
    clsUnits& units = run.units;
    auto* page = new QWidget(frames);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(4, 4, 4, 4);
    pageLayout->addWidget(BuildRunFields());

    auto* grid = new QWidget;
    auto* columns = new QHBoxLayout(grid);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(6);
    QVBoxLayout* captions = Column();
    QVBoxLayout* unitColumn = Column();

    // A unit cell: a list where the quantity has several units, its one label otherwise.
    auto unitCell = [&](clsTorviUnit* member) {
        if (member && member->UnitSize() > 1) {
            auto* list = new QComboBox(grid);
            list->setFixedHeight(PanelMetrics::RowHeight);
            FillUnitList(list, *member);
            unitLists.push_back({list, member});
            connect(list, &QComboBox::activated, this, [this, member, list] { UnitListChosen(*member, list); });
            unitColumn->addWidget(list);
        } else {
            unitColumn->addWidget(RowLabel(member ? QString::fromStdString(member->UnitLbl(1)) : "", grid));
        }
    };
    auto captionCell = [&](const Caption& caption) {
        QLabel* label = RowLabel(caption.code, grid);
        label->setToolTip(caption.description);
        captions->addWidget(label);
    };

    btnFBA = new QPushButton("FBA", grid);
    btnFBA->setFixedHeight(PanelMetrics::RowHeight);
    btnFBA->setToolTip("Fine dead fuel moisture from the FBA tables (the Moisture program)");
    connect(btnFBA, &QPushButton::clicked, this, [this] { toolCommands->StartMoisture(); });
    captions->addWidget(btnFBA);
    unitColumn->addWidget(RowLabel("Units", grid));
    for (int row = 0; row <= clsInCtl::LastField; ++row) {
        captionCell(clsInputStatus::InputCaption(row));
        // Rows 0, 1 and 6 are the simulation type and the two fuel models; the others are fields.
        const bool numeric = row != 0 && row != 1 && row != 6;
        unitCell(numeric ? &ctlIn::UnitOf(run, row) : nullptr);
    }
    captions->addWidget(RowLabel("<b>Outputs</b>", grid));
    unitColumn->addWidget(RowLabel("", grid));
    captionCell({"FTYP", "Type of Fire"});
    unitCell(nullptr);
    for (std::size_t i = 0; i < ScenarioOutputFields::Count; ++i) {
        const ScenarioOutputFields::Field& output = ScenarioOutputFields::All()[i];
        captionCell(ctlOut::OutputCaption(i));
        unitCell(output.converted ? &(units.*output.unit) : nullptr);
    }
    captions->addStretch();
    unitColumn->addStretch();
    columns->addLayout(captions);
    columns->addLayout(unitColumn);

    for (int i = 1; i <= NumScenarios; ++i) {
        QVBoxLayout* column = Column();
        scenarioButton[i] = new QPushButton(ScenarioCaption(i), grid);
        scenarioButton[i]->setFixedHeight(PanelMetrics::RowHeight);
        connect(scenarioButton[i], &QPushButton::clicked, this, [this, i] { ShowScenarioMenu(i); });
        inPanel[i] = new ctlIn(run, programDir, &help, grid);
        inPanel[i]->Events().parentId = static_cast<int16_t>(i);
        connect(inPanel[i], &ctlIn::inputRefused, this, [this, i] { ScenarioChanged(i); });
        connect(inPanel[i], &ctlIn::WAFWizardRequested, this, [this, i](int field) { ShowWAFWizard(i, field); });
        outputLabel[i] = RowLabel(ScenarioCaption(i), grid);
        outputLabel[i]->setAlignment(Qt::AlignCenter);
        outPanel[i] = new ctlOut(grid);
        column->addWidget(scenarioButton[i]);
        column->addWidget(inPanel[i]);
        column->addWidget(outputLabel[i]);
        column->addWidget(outPanel[i]);
        column->addStretch();
        columns->addLayout(column, 1);
    }

    auto* scroll = new QScrollArea(page);
    scroll->setWidget(grid);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    pageLayout->addWidget(scroll, 1);
    return page;
}

QWidget* TorviForm::BuildTablesPage()
{
    tablesTab = new TablesTab(run, tableViews, fileDlg, ui, &help, programDir, frames);
    tableViews.ScenarioValidated = [this](int scenario) { return inPanel[scenario]->Events().AllValidated(); };
    return tablesTab;
}

QComboBox* TorviForm::UnitList(const clsTorviUnit& member) const
{
    for (const UnitListEntry& entry : unitLists)
        if (entry.member == &member)
            return entry.list;
    return nullptr;
}

// ---- the start sequence ----------------------------------------------------------------------

void TorviForm::Start(const QString& commandLine)
{
    run.InitUnits();
    ClearAllScenarios();
    SelectTab(run.visTab);
    BindHolders();
    if (!commandLine.isEmpty())
        LoadCommandLineScenario(commandLine);
}

void TorviForm::LoadCommandLineScenario(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        ui.ShowMessage(("Error locating scenario file " + path + "\r\nUsage: " + program + " [ScenarioFileName] ")
                           .toStdString());
        return;
    }
    ClearScenario(1);
    LoadScenarioFile(1, path.toStdString());
}

void TorviForm::ShowWAFWizard(int scenario, int field)
{
    WizardForm window(this);
    clsWAFWizard wizard(window, [this](int16_t shown) -> clsWAFPanel& { return *inPanel[shown]; }, run, ui,
                        programDir.toStdString());
    // A fuel model chosen on the way belongs to the factor: a cancelled wizard takes it back.
    const ctlIn::HeldFuelModels before = inPanel[scenario]->FuelModelsHeld();
    if (!wizard.DisplayWizard(static_cast<int16_t>(field), static_cast<int16_t>(scenario)))
        inPanel[scenario]->RestoreFuelModels(before);
}

void TorviForm::BindHolders()
{
    for (int i = 1; i <= NumScenarios; ++i) {
        clsIO& holder = run.io(i);
        clsInCtl& events = inPanel[i]->Events();
        events.InpTxtLostFocus = [&holder](int16_t, int box) { holder.InputFieldChanged(box); };
        events.VegTypeClick = [&holder](int16_t) { holder.SimulationTypeClicked(); };
        holder.OnInputFieldChanged = [this, i](int) { ScenarioChanged(i); };
        holder.OnSimulationTypeClicked = [this, i] { ScenarioChanged(i); };
    }
}

QPushButton* TorviForm::ChartButton(bool print) const
{
    switch (TabStrip1->currentIndex()) {
    case 2: return print ? tablesTab->btnPrintChart : tablesTab->btnCaptureChart;
    case 3: return print ? hazChartTab->btnPrintHazChart : hazChartTab->btnCaptureHazChart;
    case 4: return print ? fireTab->btnPrintFireChart : fireTab->btnCaptureFireChart;
    default: return nullptr;
    }
}

void TorviForm::SelectTab(int tab)
{
    if (tab < 0 || tab >= static_cast<int>(frameIO.size()))
        return;
    if (TabStrip1->currentIndex() != tab) {
        TabStrip1->setCurrentIndex(tab);  // comes back here through the tab strip's signal
        return;
    }
    // The output chart shares the output table's frame.
    frames->setCurrentWidget(frameIO[tab == 2 ? 1 : tab]);
    run.visTab = static_cast<int16_t>(tab);
    if (tab == 1)
        tablesTab->PrepareTableView();
    else if (tab == 2)
        tablesTab->PrepareChartView();
    else if (tab == 3)
        hazChartTab->PrepareHazardView();
    else if (tab == 4)
        fireTab->PrepareFireView();
    mnuPrint->setEnabled(ChartButton(true) != nullptr);
    mnuCapture->setEnabled(ChartButton(false) != nullptr);
}

void TorviForm::NoteRecentRun(const std::string& path)
{
    std::vector<std::string> list;
    for (const QString& entry : AppSettings::RecentRuns())
        list.push_back(entry.toStdString());
    QStringList kept;
    for (const std::string& entry : RecentFiles::Added(list, path))
        kept << QString::fromStdString(entry);
    AppSettings::SetRecentRuns(kept);
}

void TorviForm::FillRecentRuns()
{
    mnuRecentRuns->clear();
    const QStringList paths = AppSettings::RecentRuns();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QAction* entry = mnuRecentRuns->addAction(QString("&%1 %2").arg(i + 1).arg(path));
        connect(entry, &QAction::triggered, this, [this, path] { OpenRecentRun(path); });
    }
    if (paths.isEmpty())
        mnuRecentRuns->addAction("(none)")->setEnabled(false);
}

void TorviForm::OpenRecentRun(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        QStringList paths = AppSettings::RecentRuns();
        paths.removeAll(path);
        AppSettings::SetRecentRuns(paths);
        ui.ShowMessage(("The run file " + path + " no longer exists; it is removed from the recent runs.").toStdString());
        return;
    }
    runCommands->OpenRunFile(path.toStdString());
}

void TorviForm::StepTab(int step)
{
    const int count = TabStrip1->count();
    SelectTab((TabStrip1->currentIndex() + step + count) % count);
}

// The pages the help buttons of the tabs open; the input/output page has the scenario help.
int TorviForm::HelpTopicOfTab(int tab)
{
    constexpr int topics[] = {8, 2, 3, 4, 5};
    return tab >= 0 && tab < static_cast<int>(std::size(topics)) ? topics[tab] : 8;
}

void TorviForm::RefreshVisibleTab()
{
    ApplyUnitLists();
    run.units.SetUnitsHaveChanged(false);
    SelectTab(run.visTab);
}

void TorviForm::RestoreTabSettings()
{
    tableViews.RestoreControls();
}

// What a failed load read stays in the run, so it is shown too: the screen never hides part of the
// run that a later save would write.
void TorviForm::ShowLoadedRun()
{
    ShowRunFields();
    for (int i = 1; i <= NumScenarios; ++i)
        if (!run.io(i).IsEmpty && CopyRecordToPanel(i))
            CalculateOutput(i);
    RefreshVisibleTab();
    RestoreTabSettings();
}

void TorviForm::ShowRunFields()
{
    ShowRunFile();
    txtRun->setText(QString::fromStdString(run.Name));
    txtRDate->setText(QString::fromStdString(run.RDate));
    txtAnalyst->setText(QString::fromStdString(run.Analyst));
    txtProject->setText(QString::fromStdString(run.Project));
}

void TorviForm::ShowRunFile()
{
    txtRunFile->setText(QString::fromStdString(run.run_IO.fileName));
}

void TorviForm::ClearRunFields()
{
    for (QLineEdit* box : {txtRun, txtRDate, txtAnalyst, txtProject, txtRunFile})
        box->clear();
}

// ---- calculation -----------------------------------------------------------------------------

void TorviForm::CopyPanelToRecord(int scenario)
{
    ctlIn& panel = *inPanel[scenario];
    clsTorviInputs& record = run.io(scenario).IData;
    record.VegType = panel.GetVegType();
    record.LowInputs.fuelModelID = panel.GetFuelMdlLow();
    record.HighInputs.fuelModelID = panel.GetFuelMdlHi();
    for (int field = 2; field <= clsInCtl::LastField; ++field)
        if (field != 6)
            panel.StoreField(field);
}

void TorviForm::CalculateOutput(int scenario)
{
    if (!inPanel[scenario]->Events().AllValidated()) {
        // Nothing is calculated, and what was shown belonged to other inputs.
        run.io(scenario).OData = clsTorviOutputs();
        outPanel[scenario]->Init();
        ShowInputProblems();
        return;
    }
    CopyPanelToRecord(scenario);
    clsIO& holder = run.io(scenario);
    ScenarioCalculation::ApplySettings(holder.IData, run.EngineSettings());
    const bool success = ScenarioCalculation::Calculate(run.torvi, holder.IData, holder.OData);
    if (!success)
        ui.ShowMessage(holder.OData.FailureText());
    // A failed calculation has no outputs to show: the panel stays empty, the status bar says why.
    if (success)
        ShowOutputs(scenario);
    else
        outPanel[scenario]->Init();
    outputLabel[scenario]->setText(ScenarioCaption(scenario));
    outputLabel[scenario]->setToolTip("Scenario " + QString::number(scenario));
    ShowInputProblems();
}

void TorviForm::CalculateAll()
{
    for (int i = 1; i <= NumScenarios; ++i)
        CalculateOutput(i);
    SelectTab(run.visTab);
}

// Says for each scenario that cannot calculate what keeps it from calculating; scenarios the
// analyst has not begun are left out.
void TorviForm::ShowInputProblems()
{
    QStringList problems;
    for (int i = 1; i <= NumScenarios; ++i) {
        ctlIn& panel = *inPanel[i];
        if (panel.Events().AllValidated() || panel.IsBlank())
            continue;
        const auto [field, problem] = panel.FirstProblem();
        if (problem != clsInputStatus::Problem::None)
            problems << QString::fromStdString(clsInputStatus::Message(i, field, problem));
    }
    problems << CalculationFailures();
    lblInputStatus->setText(problems.join("; "));
}

// The scenarios whose inputs are complete but whose calculation failed, each with the failure.
QStringList TorviForm::CalculationFailures() const
{
    QStringList failures;
    for (int i = 1; i <= NumScenarios; ++i) {
        const clsTorviOutputs& outputs = run.io(i).OData;
        if (inPanel[i]->Events().AllValidated() && outputs.ErrorNumber != 0)
            failures << QString::fromStdString(clsInputStatus::FailureMessage(i, outputs.FailureText()));
    }
    return failures;
}

void TorviForm::ShowOutputs(int scenario)
{
    ctlOut& panel = *outPanel[scenario];
    const clsTorviOutputs& outputs = run.io(scenario).OData;
    // A result without a fire type (no spread, or a failed calculation) must not keep showing
    // the fire type of the scenario's previous result.
    panel.Init();
    const std::string_view fireType = clsTorviOutputs::FireTypeName(outputs.FireType);
    if (!fireType.empty())
        panel.SetFireType(QString::fromUtf8(fireType.data(), static_cast<qsizetype>(fireType.size())));
    for (std::size_t i = 0; i < ScenarioOutputFields::Count; ++i) {
        const ScenarioOutputFields::Field& output = ScenarioOutputFields::All()[i];
        double value = outputs.*output.value;
        if (clsTorviOutputs::IsNotReachable(value)) {
            panel.SetOutput(i, value);
            continue;
        }
        int decimals = output.panelDecimals;
        if (output.converted) {
            clsTorviUnit& member = run.units.*output.unit;
            value = ScenarioOutputFields::Shown(output, run.units, member.GetCurrUnit(), outputs);
            if (decimals < 0)
                decimals = member.GetPrecision();
        }
        panel.SetOutput(i, NumberText::RoundToDecimals(value, decimals));
    }
    if (run.io(scenario).IData.VegType == clsTorviInputs::Surface) {
        panel.SetIdxTorchNA();
        panel.SetIdxCrownNA();
    }
    panel.Events().SetIsCalculated(true);
}

// ---- display units ---------------------------------------------------------------------------

void TorviForm::UnitListChosen(clsTorviUnit& member, QComboBox* list)
{
    const int16_t unit = static_cast<int16_t>(list->currentData().toInt());
    member.Cvt(unit, 0.0);  // selects the unit for display
    run.units.SetUnitsHaveChanged(true);
    for (int i = 1; i <= NumScenarios; ++i) {
        for (int field : convertedFields)
            if (&ctlIn::UnitOf(run, field) == &member)
                ShowInputInUnit(i, field);
        if (outPanel[i]->Events().IsCalculated() && IsOutputUnit(member))
            ShowOutputs(i);
    }
}

// Shows a stored native input in the unit now displayed for it; the record stays as it is.
void TorviForm::ShowInputInUnit(int scenario, int field)
{
    ctlIn& panel = *inPanel[scenario];
    panel.RedisplayNative(field, ScenarioInputFields::Value(run.io(scenario).IData, field));
}

bool TorviForm::IsOutputUnit(const clsTorviUnit& member) const
{
    for (const ScenarioOutputFields::Field& output : ScenarioOutputFields::All())
        if (output.converted && &(run.units.*output.unit) == &member)
            return true;
    return false;
}

void TorviForm::ApplyUnitLists()
{
    const bool changedBefore = run.units.UnitsChanged();
    for (const UnitListEntry& entry : unitLists) {
        entry.list->setCurrentIndex(entry.member->GetCurrUnit() - 1);
        UnitListChosen(*entry.member, entry.list);
    }
    if (!changedBefore)
        run.units.SetUnitsHaveChanged(false);
}

void TorviForm::SetInputUnitListsToFirst()
{
    for (int field : convertedFields) {
        clsTorviUnit& member = ctlIn::UnitOf(run, field);
        member.SetCurrUnit(1);
        if (QComboBox* list = UnitList(member))
            list->setCurrentIndex(0);
    }
}

// ---- clearing and copying scenarios ----------------------------------------------------------

void TorviForm::ClearScenario(int scenario)
{
    ctlIn& panel = *inPanel[scenario];
    panel.Events().InitInCtl();
    run.io(scenario).InitIO();
    outPanel[scenario]->Init();
    panel.txtInp_Init();
    panel.VegType_Init();
    // The moisture options still hold for the cleared scenario; what they fill is no edit of it.
    ApplyMoistureOptions(scenario);
    panel.Events().SetIsDirty(false);
    scenarioButton[scenario]->setText(ScenarioCaption(scenario));
    scenarioButton[scenario]->setToolTip("Scenario " + QString::number(scenario));
    ShowInputProblems();
}

void TorviForm::ClearAllScenarios()
{
    for (int i = 1; i <= NumScenarios; ++i)
        ClearScenario(i);
    SetInputUnitListsToFirst();
}

bool TorviForm::CopyRecordToPanel(int scenario)
{
    // The panel passes through states that mix old and new inputs: none of them is calculated.
    const QScopedValueRollback<bool> filling(fillingPanel, true);
    clsIO& holder = run.io(scenario);
    const clsTorviInputs record = holder.IData;  // the panel writes into the record as it fills
    scenarioButton[scenario]->setToolTip(QString::fromStdString(holder.Name));
    for (const clsTorviInputSet* set : {&record.LowInputs, &record.HighInputs}) {
        if (set == &record.HighInputs && record.VegType == clsTorviInputs::Surface)
            break;
        if (!run.getSelectedFM(set->fuelModelID)) {
            ClearScenario(scenario);
            ui.ShowMessage("Fuel Model " + std::to_string(set->fuelModelID) +
                           " not loaded. Load the custom fuel model before loading this scenario.");
            return false;
        }
    }
    ctlIn& panel = *inPanel[scenario];
    panel.SetVegType(record.VegType);
    auto setModel = [&](const clsTorviInputSet& set, bool high) {
        const clsFuelModel* model = run.getSelectedFM(set.fuelModelID);
        if (!model)
            return;
        const QString code = QString::fromStdString(model->fuelModelCode);
        const QString modelName = QString::fromStdString(model->fuelModelName);
        if (high)
            panel.SetFuelMdlHi(set.fuelModelID, code, modelName);
        else
            panel.SetFuelMdlLow(set.fuelModelID, code, modelName);
    };
    setModel(record.LowInputs, false);
    if (record.VegType == clsTorviInputs::Shrub)
        setModel(record.HighInputs, true);

    for (int field = 2; field <= clsInCtl::LastField; ++field) {
        if (field == ScenarioInputFields::HighFuelModel)
            continue;
        panel.ShowNative(field, ScenarioInputFields::Value(record, field));
        panel.ValidateShownField(field);
    }
    return true;
}

// ---- scenario commands -----------------------------------------------------------------------

void TorviForm::ShowScenarioMenu(int scenario)
{
    for (QAction* entry : {mnuLoad, mnuSave, mnuName, mnuClear, mnuScenHelp})
        entry->setData(scenario);
    mnuScenario->popup(scenarioButton[scenario]->mapToGlobal(QPoint(0, scenarioButton[scenario]->height())));
}

void TorviForm::LoadScenario(int scenario)
{
    fileDlg.Filter = "Scenario Files (*.scn)|*.scn";
    fileDlg.FilterIndex = 1;
    fileDlg.DialogTitle = "Load scenario input data";
    fileDlg.flags = FileDlg::cdlOFNFileMustExist;
    fileDlg.fileName.clear();
    const std::string chosen = fileDlg.ShowOpen(ui);
    if (!chosen.empty())
        LoadScenarioFile(scenario, chosen);
}

// A scenario file that cannot be read leaves the scenario as it was, its file name included.
void TorviForm::LoadScenarioFile(int scenario, const std::string& path)
{
    clsIO& holder = run.io(scenario);
    const std::string previous = holder.fileName;
    holder.fileName = path;
    if (!holder.LoadInput(true)) {
        holder.fileName = previous;
        return;
    }
    if (!CopyRecordToPanel(scenario))
        return;
    // Just read: nothing to save, unless the moisture options change what the file holds (the
    // options hold for a loaded scenario as for a typed one, and the file keeps its values until
    // the scenario is saved again).
    MarkScenarioClean(scenario);
    ApplyMoistureOptions(scenario);
    ScenarioChanged(scenario);
    ApplyUnitLists();
    holder.IsDirty = false;
}

void TorviForm::SaveScenario(int scenario)
{
    clsIO& holder = run.io(scenario);
    if (holder.Name.empty()) {
        ui.ShowMessage("Please name your scenario before saving it.");
        return;
    }
    fileDlg.Filter = "Scenario Files (*.scn)|*.scn";
    fileDlg.FilterIndex = 1;
    fileDlg.DialogTitle = "Save scenario input data";
    fileDlg.flags = FileDlg::cdlOFNOverwritePrompt;
    fileDlg.fileName = holder.fileName;
    const std::string chosen = fileDlg.ShowSave(ui);
    if (chosen.empty())
        return;
    holder.fileName = chosen;
    CopyPanelToRecord(scenario);
    if (!holder.SaveInput()) {
        ui.ShowMessage(run.scenIn_IO.errStr);
        return;
    }
    MarkScenarioClean(scenario);
}

bool TorviForm::ScenarioIsDirty(int scenario) const
{
    return inPanel[scenario]->Events().IsDirty();
}

void TorviForm::MarkScenarioClean(int scenario)
{
    inPanel[scenario]->Events().SetIsDirty(false);
}

std::string TorviForm::ScenarioTitle(int scenario) const
{
    return scenarioButton[scenario]->text().toStdString();
}

void TorviForm::NameScenario(int scenario)
{
    clsIO& holder = run.io(scenario);
    std::string answer = holder.Name;
    if (!ui.AskText("Please enter a name for this scenario", "Scenario name", answer) || answer.empty())
        return;
    holder.Name = answer;
    scenarioButton[scenario]->setToolTip(QString::fromStdString(answer));
    outputLabel[scenario]->setToolTip(QString::fromStdString(answer));
}

// ---- the moisture options --------------------------------------------------------------------

// A scenario's inputs changed: it is calculated again, and the scenarios that follow Scenario A's
// moistures follow it.
void TorviForm::ScenarioChanged(int scenario)
{
    if (fillingPanel)
        return;
    // A linked scenario whose type or fuel models changed takes A's moistures for the size
    // classes it now uses, as it does when A changes.
    if (scenario != 1 && mnuScenarioFuel->isChecked())
        ApplyMoistureOptions(scenario);
    CalculateOutput(scenario);
    if (scenario != 1 || !mnuScenarioFuel->isChecked())
        return;
    for (int i = 2; i <= NumScenarios; ++i) {
        ApplyMoistureOptions(i);
        CalculateOutput(i);
    }
}

// The options as they apply to one scenario: the scenario link fills the moistures for which
// Scenario A holds a value; where A's box is empty the scenario's own box is entered and used.
clsFieldUse::Links TorviForm::MoistureLinks(int scenario) const
{
    clsFieldUse::Links links;
    links.sizeClasses = mnuFuelSzCls->isChecked();
    if (scenario > 1 && mnuScenarioFuel->isChecked())
        for (int field : allMoistures)
            links.fromScenarioA.set(static_cast<std::size_t>(field), inPanel[1]->HoldsValue(field));
    return links;
}

// The panel's boxes follow the options, and the boxes the scenario link fills take what
// Scenario A holds; a box of A that holds no value gives nothing. While the link is on, a box that
// stops following A (A's box emptied, or the class no longer burns) is emptied: the value it
// showed was A's, not one given for this scenario. Switching the link off leaves the values.
void TorviForm::ApplyMoistureOptions(int scenario)
{
    ctlIn& panel = *inPanel[scenario];
    const clsFieldUse before = panel.FieldUse();
    panel.SetMoistureLinks(MoistureLinks(scenario));
    if (scenario == 1)
        return;
    const ctlIn& source = *inPanel[1];
    const clsFieldUse use = panel.FieldUse();
    for (int field : allMoistures) {
        const bool followed = before.Of(field) == clsFieldUse::Use::FromScenarioA;
        if (use.Of(field) == clsFieldUse::Use::FromScenarioA)
            panel.FillField(field, source.GetField(field));
        else if (followed && mnuScenarioFuel->isChecked())
            panel.EmptyFilledField(field);
    }
    panel.LinkSizeClassMoistures();
}

void TorviForm::MoistureOptionChanged()
{
    for (int i = 1; i <= NumScenarios; ++i) {
        ApplyMoistureOptions(i);
        CalculateOutput(i);
    }
}

void TorviForm::closeEvent(QCloseEvent* event)
{
    // The close box guards unsaved work as Exit does; Cancel keeps the window open.
    if (!runCommands->SavePrompts(false)) {
        event->ignore();
        return;
    }
    help.Close();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this)
            window->close();
    QMainWindow::closeEvent(event);
}

#include "window/QtUserInteraction.h"

#include "window/AppSettings.h"
#include "base/FileDlg.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <limits>

QtUserInteraction::QtUserInteraction(QWidget* parent) : parent(parent) {}

QtUserInteraction::~QtUserInteraction() = default;

void QtUserInteraction::ShowMessage(const std::string& text)
{
    PauseProgress();
    QMessageBox::information(parent, QCoreApplication::applicationName(), QString::fromStdString(text),
                             QMessageBox::Ok);
}

bool QtUserInteraction::AskYesNo(const std::string& text, const std::string& title)
{
    PauseProgress();
    const QString caption = title.empty() ? QCoreApplication::applicationName() : QString::fromStdString(title);
    return QMessageBox::question(parent, caption, QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// Escape and the close box call the command off, as Cancel does.
clsUserInteraction::Answer QtUserInteraction::AskYesNoCancel(const std::string& text, const std::string& title)
{
    const QString caption = title.empty() ? QCoreApplication::applicationName() : QString::fromStdString(title);
    const auto button = QMessageBox::question(parent, caption, QString::fromStdString(text),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return button == QMessageBox::Yes ? Answer::Yes : button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

bool QtUserInteraction::AskText(const std::string& prompt, const std::string& title, std::string& answer)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(parent, QString::fromStdString(title), QString::fromStdString(prompt),
                                               QLineEdit::Normal, QString::fromStdString(answer), &accepted);
    if (!accepted)
        return false;
    answer = text.toStdString();
    return true;
}

// "Scenario Files (*.scn)|*.scn|All Files|*.*" becomes the name filters Qt shows: each description
// with its patterns in brackets, where Qt reads them. A description that already ends in bracketed
// patterns ("Scenario Files (*.scn)") gets the pair's own patterns in their place rather than a
// second pair of brackets; other brackets ("Pictures (JPEG)") are part of the description.
static QStringList NameFilters(const std::string& filter)
{
    static const QRegularExpression trailingPatterns(R"(\s*\([^()]*\*[^()]*\)\s*$)");
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = QString(parts[i]).remove(trailingPatterns);
        filters << description + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    return filters;
}

// The dialog as the request describes it: title, folder, filters, proposed name and the file
// dialog object's option flags.
static void PrepareFileDialog(QFileDialog& dialog, const clsUserInteraction::FileRequest& request)
{
    dialog.setWindowTitle(QString::fromStdString(request.title));
    // Each kind of file opens where the last one of its kind was chosen, in this session or an
    // earlier one; a proposed file with a folder opens in its folder (selectFile below).
    const QString lastFolder = AppSettings::LastFolder(QString::fromStdString(request.defExt));
    dialog.setDirectory(!lastFolder.isEmpty() ? lastFolder : QString::fromStdString(request.initDir));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The option flags: an open dialog takes only existing files when told so (several at once
    // when allowed); a save dialog asks before replacing a file only when told so. Qt's dialogs
    // always want an existing folder and show no read-only box.
    if (request.save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (request.flags & FileDlg::cdlOFNAllowMultiSelect)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else if (request.flags & FileDlg::cdlOFNFileMustExist)
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & FileDlg::cdlOFNOverwritePrompt));
    const QStringList filters = NameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setDefaultSuffix(QString::fromStdString(request.defExt));
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
}

// The one extension of a filter such as "PNG Files (*.png)"; "" for a filter of several patterns or
// of any file.
static QString FilterExtension(const QString& filter)
{
    static const QRegularExpression single(R"(\(\*\.(\w+)\)$)");
    const QRegularExpressionMatch match = single.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

// A saved name keeps an extension of one of the dialog's filters; one typed without such an
// extension gets the chosen filter's (the filter chosen decides what the file is).
static QString WithFilterExtension(const QString& chosen, const QFileDialog& dialog)
{
    const QString suffix = QFileInfo(chosen).suffix();
    const QString extension = FilterExtension(dialog.selectedNameFilter());
    if (extension.isEmpty())
        return chosen;
    for (const QString& filter : dialog.nameFilters())
        if (suffix.compare(FilterExtension(filter), Qt::CaseInsensitive) == 0)
            return chosen;
    return chosen + "." + extension;
}

std::string QtUserInteraction::ChooseFile(const FileRequest& request)
{
    QFileDialog dialog(parent);
    PrepareFileDialog(dialog, request);
    if (request.save)
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            const QString extension = FilterExtension(filter);
            if (!extension.isEmpty())
                dialog.setDefaultSuffix(extension);
        });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return "";
    const QString chosen = request.save ? WithFilterExtension(dialog.selectedFiles().first(), dialog)
                                        : dialog.selectedFiles().first();
    AppSettings::SetLastFolder(QString::fromStdString(request.defExt), QFileInfo(chosen).absolutePath());
    return chosen.toStdString();
}

void QtUserInteraction::SetBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUserInteraction::BeginProgress(const std::string& title)
{
    progress = std::make_unique<QProgressDialog>(parent);
    progress->setWindowTitle(QString::fromStdString(title));
    progress->setCancelButtonText("Cancel");
    progress->setWindowModality(Qt::ApplicationModal);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    progress->setRange(0, 0);
    // Shown by ShowProgress once the work has run long enough, not by the dialog's own timer.
    progress->setMinimumDuration(std::numeric_limits<int>::max());
    progress->hide();
    progressClock.start();
}

bool QtUserInteraction::ShowProgress(int64_t recordsDone, double fractionRead)
{
    if (!progress)
        return true;
    if (progress->wasCanceled())
        return false;
    if (progress->isHidden() && progressClock.elapsed() >= progressDelay)
        progress->show();
    if (progress->isVisible()) {
        progress->setLabelText(QLocale().toString(static_cast<qlonglong>(recordsDone)) + " records done");
        if (fractionRead >= 0) {
            progress->setRange(0, 100);
            progress->setValue(static_cast<int>(std::min(fractionRead, 1.0) * 100));
        }
        // The dialog draws itself and takes the click on Cancel while the work goes on.
        QCoreApplication::processEvents();
    }
    return !progress->wasCanceled();
}

void QtUserInteraction::EndProgress()
{
    progress.reset();
}

void QtUserInteraction::PauseProgress()
{
    if (!progress)
        return;
    progress->hide();
    progressClock.restart();
}

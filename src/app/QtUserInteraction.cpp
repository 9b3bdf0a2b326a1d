#include "app/QtUserInteraction.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>

void QtUserInteraction::ShowMessage(const std::string& text)
{
    QMessageBox::information(parent, QCoreApplication::applicationName(), QString::fromStdString(text),
                             QMessageBox::Ok);
}

bool QtUserInteraction::AskYesNo(const std::string& text, const std::string& title)
{
    const QString caption = title.empty() ? QCoreApplication::applicationName() : QString::fromStdString(title);
    return QMessageBox::question(parent, caption, QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
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

// "Scenario Files (*.scn)|*.scn|All (*.*)|*.*" becomes the name filters Qt shows.
static QStringList NameFilters(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return filters;
}

std::string QtUserInteraction::ChooseFile(const FileRequest& request)
{
    QFileDialog dialog(parent, QString::fromStdString(request.title), QString::fromStdString(request.initDir));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = NameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setDefaultSuffix(QString::fromStdString(request.defExt));
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return "";
    return dialog.selectedFiles().first().toStdString();
}

void QtUserInteraction::SetBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

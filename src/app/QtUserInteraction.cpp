#include "app/QtUserInteraction.h"

#include <QCoreApplication>
#include <QMessageBox>

void QtUserInteraction::ShowMessage(const std::string& text)
{
    QMessageBox::information(parent, QCoreApplication::applicationName(), QString::fromStdString(text),
                             QMessageBox::Ok);
}

bool QtUserInteraction::AskYesNo(const std::string& text)
{
    return QMessageBox::question(parent, QCoreApplication::applicationName(), QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

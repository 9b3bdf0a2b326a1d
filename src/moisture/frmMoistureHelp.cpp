#include "moisture/frmMoistureHelp.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

frmMoistureHelp::frmMoistureHelp(const QString& helpFolder, QWidget* parent)
    : QDialog(parent), folder(helpFolder), browser(new QTextBrowser(this))
{
    setWindowTitle("Moisture Table Lookup Help");
    browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    resize(640, 520);
}

void frmMoistureHelp::ShowTopic(int topic)
{
    const QString path = QDir(folder).filePath(QString("topic-%1.html").arg(topic));
    page = QUrl::fromLocalFile(path);
    if (QFileInfo::exists(path))
        browser->setSource(page);
    else
        browser->setPlainText("The help page " + QDir::toNativeSeparators(path) + " could not be found.");
    show();
    raise();
    activateWindow();
}

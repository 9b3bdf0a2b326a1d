#include "window/clsHelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

clsHelpViewer::clsHelpViewer(QString programDir) : helpDir(QDir(programDir).filePath("help")) {}

clsHelpViewer::~clsHelpViewer()
{
    Close();
}

void clsHelpViewer::ShowContents()
{
    Show("index.html");
}

void clsHelpViewer::ShowTopic(int topic)
{
    Show(QString("topic-%1.html").arg(topic));
}

void clsHelpViewer::Close()
{
    delete window;
}

void clsHelpViewer::Show(const QString& page)
{
    lastPage = QDir(helpDir).filePath(page);
    if (!window) {
        window = new QTextBrowser();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle("Orvane Help");
        window->setOpenLinks(true);
        window->resize(720, 640);
    }
    window->setSearchPaths({helpDir});
    if (QFileInfo::exists(lastPage))
        window->setSource(QUrl::fromLocalFile(lastPage));
    else
        window->setHtml("<p>The help page " + lastPage.toHtmlEscaped() + " is not installed.</p>");
    window->show();
    window->raise();
    window->activateWindow();
}

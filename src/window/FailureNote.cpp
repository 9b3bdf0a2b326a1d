#include "window/FailureNote.h"

#include <QVBoxLayout>

FailureNote::FailureNote(QWidget* parent) : QLabel(parent)
{
    setObjectName("lblFailureNote");
    setStyleSheet("color: #b00000;");
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    hide();
}

QWidget* FailureNote::Above(FailureNote* note, QWidget* view)
{
    auto* both = new QWidget(view->parentWidget());
    auto* layout = new QVBoxLayout(both);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(note);
    layout->addWidget(view, 1);
    return both;
}

void FailureNote::Say(const std::string& text)
{
    setText(QString::fromStdString(text));
    setToolTip(text.empty() ? QString() : QString::fromStdString(text));
    setVisible(!text.empty());
}

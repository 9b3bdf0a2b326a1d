#include "window/TableWidgets.h"

#include "tables/clsListState.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace TableWidgets {

namespace {

class LeaveWatcher : public QObject {
public:
    LeaveWatcher(QLineEdit* box, std::function<void()> left) : QObject(box), box(box), left(std::move(left)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool enter = event->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (watched == box && (event->type() == QEvent::FocusOut || enter) && box->isModified()) {
            box->setModified(false);
            left();
        }
        return false;
    }

private:
    QLineEdit* box;
    std::function<void()> left;
};

}  // namespace

void ShowList(QComboBox* list, const clsListState& state)
{
    const QSignalBlocker quiet(list);
    bool same = list->count() == state.Count();
    for (int i = 0; same && i < state.Count(); ++i) {
        const auto& entry = state.entries[static_cast<std::size_t>(i)];
        same = list->itemText(i).toStdString() == entry.text && list->itemData(i).toInt() == entry.itemData;
    }
    if (!same) {
        list->clear();
        for (const auto& entry : state.entries)
            list->addItem(QString::fromStdString(entry.text), entry.itemData);
    }
    list->setCurrentIndex(state.index);
}

void PaintBox(QLineEdit* box, bool red)
{
    QPalette colours = box->palette();
    const QColor window = QApplication::palette(box).color(QPalette::Active, QPalette::Base);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        colours.setColor(group, QPalette::Base, red ? QColor(0xFF, 0x00, 0x00) : window);
    box->setPalette(colours);
}

void ShowText(QLineEdit* box, const std::string& text)
{
    const QString shown = QString::fromStdString(text);
    if (box->text() != shown)
        box->setText(shown);
}

void WhenLeft(QLineEdit* box, std::function<void()> left)
{
    box->installEventFilter(new LeaveWatcher(box, std::move(left)));
}

QFormLayout* Frame(QGroupBox* frame, const QString& title)
{
    frame->setTitle(title);
    auto* form = new QFormLayout(frame);
    form->setContentsMargins(6, 6, 6, 6);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

}  // namespace TableWidgets

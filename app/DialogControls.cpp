#include "app/DialogControls.h"

#include "app/RadioGroup.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dialogs {

QLabel* makeLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* makeEdit(QWidget* parent, int left, int top, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(left, top, width, 21);
    return edit;
}

TRadioGroup* makeGroup(QWidget* parent, const QString& caption, const QStringList& items,
                       const QRect& geometry, int columns) {
    auto* group = new TRadioGroup(parent);
    group->setTitle(caption);
    group->setGeometry(geometry);
    group->setColumns(columns);
    group->setItems(items);
    return group;
}

void keepFocusOnClick(std::initializer_list<QPushButton*> buttons) {
    for (QPushButton* button : buttons) {
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoDefault(false);
    }
}

bool leavesEdit(const QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace dialogs

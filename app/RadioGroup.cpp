#include "app/RadioGroup.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QRadioButton>

namespace {

// A button caption shows '&' as itself, not as a mnemonic marker.
QString buttonText(const QString& item) {
    QString text = item;
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// Like a Windows radio button, the whole button area takes the click, not only the mark and text.
class GroupButton final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent), m_group(new QButtonGroup(this)) {
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idToggled, this,
            [this](int id, bool checked) { buttonToggled(id, checked); });
}

void TRadioGroup::setItems(const QStringList& items) {
    m_items = items;
    m_itemIndex = -1;
    rebuildButtons();
}

QString TRadioGroup::item(int index) const {
    return index >= 0 && index < count() ? m_items[index] : QString();
}

void TRadioGroup::setItem(int index, const QString& text) {
    if (index < 0 || index >= count())
        return;
    m_items[index] = text;
    m_buttons[index]->setText(buttonText(text));
}

void TRadioGroup::setItemIndex(int index) {
    if (index < -1 || index >= count() || index == m_itemIndex)
        return;
    if (index == -1) {
        // An exclusive group cannot uncheck its last button.
        m_updating = true;
        m_group->setExclusive(false);
        m_buttons[m_itemIndex]->setChecked(false);
        m_group->setExclusive(true);
        m_updating = false;
        m_itemIndex = -1;
        return;
    }
    m_buttons[index]->setChecked(true); // buttonToggled records the index and runs the handler
}

void TRadioGroup::setColumns(int columns) {
    m_columns = qMax(1, columns);
    arrangeButtons();
}

QRadioButton* TRadioGroup::button(int index) const {
    return index >= 0 && index < count() ? m_buttons[index] : nullptr;
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    arrangeButtons();
}

void TRadioGroup::rebuildButtons() {
    m_updating = true;
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (int i = 0; i < count(); ++i) {
        auto* b = new GroupButton(buttonText(m_items[i]), this);
        m_group->addButton(b, i);
        // Buttons made before the group is first shown appear with it; showing each now costs the start.
        if (isVisible())
            b->show();
        m_buttons.append(b);
    }
    m_updating = false;
    arrangeButtons();
}

// The buttons share the box below the caption evenly, column by column.
void TRadioGroup::arrangeButtons() {
    if (m_buttons.isEmpty())
        return;
    const int fontHeight = QFontMetrics(font()).height();
    const int perColumn = (count() + m_columns - 1) / m_columns;
    const int available = qMax(0, height() - fontHeight - 5);
    const int buttonHeight = available / perColumn;
    const int topMargin = fontHeight + 1 + (available % perColumn) / 2;
    const int buttonWidth = qMax(0, (width() - 10) / m_columns);
    for (int i = 0; i < count(); ++i) {
        const int column = i / perColumn;
        const int row = i % perColumn;
        m_buttons[i]->setGeometry(column * buttonWidth + 8, row * buttonHeight + topMargin, buttonWidth,
                                  buttonHeight);
    }
}

void TRadioGroup::buttonToggled(int index, bool checked) {
    if (!checked || m_updating)
        return;
    m_itemIndex = index;
    if (OnClick)
        OnClick();
}

#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>

class QButtonGroup;
class QRadioButton;

/// A captioned box of radio buttons, one per item, laid out in columns over the whole box.
/// Items can be replaced one by one. Choosing an item with the mouse, or setting ItemIndex by code
/// to another item, runs the click handler (QButtonGroup alone does not do the latter).
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    /// Replaces every item; the selection is cleared (ItemIndex -1) without running the handler.
    void setItems(const QStringList& items);
    const QStringList& Items() const { return m_items; }
    int count() const { return static_cast<int>(m_items.size()); }
    QString item(int index) const;
    /// Replaces the text of one existing item; the selection stays.
    void setItem(int index, const QString& text);

    int ItemIndex() const { return m_itemIndex; }
    /// Selects an item (-1: none). When the index changes to an item, the click handler runs.
    void setItemIndex(int index);

    int Columns() const { return m_columns; }
    void setColumns(int columns);

    /// The button of an item (for tests that click it as a user would).
    QRadioButton* button(int index) const;

    /// Runs after the selection changed by the user or by setItemIndex.
    std::function<void()> OnClick;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuildButtons();
    void arrangeButtons();
    void buttonToggled(int index, bool checked);

    QStringList m_items;
    QList<QRadioButton*> m_buttons;
    QButtonGroup* m_group;
    int m_itemIndex = -1;
    int m_columns = 1;
    bool m_updating = false;
};

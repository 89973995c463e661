// The controls of the fixed-size dialogs, placed by pixel as their forms lay them out.
#pragma once

#include <QRect>
#include <QStringList>
#include <initializer_list>

class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TRadioGroup;

namespace dialogs {

/// A label sized to its text.
QLabel* makeLabel(QWidget* parent, const QString& text, int left, int top);
/// A one-line edit of the dialogs' height.
QLineEdit* makeEdit(QWidget* parent, int left, int top, int width);
TRadioGroup* makeGroup(QWidget* parent, const QString& caption, const QStringList& items,
                       const QRect& geometry, int columns);
/// A click on these buttons does not take the focus: the edit is not left first, so its check does not run
/// before the button's own.
void keepFocusOnClick(std::initializer_list<QPushButton*> buttons);
/// Whether the event is the user leaving an edit. Another window taking the focus (a message box, a menu) is
/// no leaving of the edit.
bool leavesEdit(const QEvent* event);

} // namespace dialogs

#pragma once

#include <QCursor>
#include <QString>

class QWidget;

namespace platform {

/// Cursor numbers: 0 and below are the system's shapes, positive numbers are the program's own.
using TCursor = int;

constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

/// The screen's cursor list: the cursor of a number. Numbers without an entry give the default arrow.
QCursor Cursor(TCursor number);

/// Puts a cursor into the list under a positive number (replacing an earlier one).
void SetCursor(TCursor number, const QCursor& cursor);

/// True when the number has an entry of the program's own.
bool HasCursor(TCursor number);

/// The program's own cursor images by resource name: "ROLL", "ROLLUP", "ROLLDOWN", "REVERSEDARROW",
/// "HORZSPLIT", "VERTSPLIT", "COLUMNNODRAG", "INDICATORSELECT". An unknown name gives the default arrow.
QCursor CursorResource(const QString& name);

/// Loads a named cursor image into the list under the number (the design's loading of its cursor
/// resources at construction).
void LoadCursorResource(TCursor number, const QString& name);

/// Shows the cursor of the number over the widget (crDefault: the widget's default).
void SetWidgetCursor(QWidget* widget, TCursor number);

/// The application-wide cursor that overrides every widget's own while it is not crDefault.
TCursor ScreenCursor();
void SetScreenCursor(TCursor number);

} // namespace platform

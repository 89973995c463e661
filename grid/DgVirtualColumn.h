#pragma once

#include "grid/DgCells.h"

#include <QUuid>

// Cells whose value is a text of their own making: GUID cells and virtual cells.
namespace grid {

/// A cell whose every non-text value is read from and written through its text.
class TextValueCell : public TCell {
public:
    using TCell::TCell;
    /// Each non-text write stores the value's text and then reports one more change.
    void SetAsBoolean(bool Value) override;
    void SetAsDateTime(TDateTime Value) override;
    void SetAsFloat(double Value) override;
    void SetAsInteger(int Value) override;

protected:
    bool GetAsBoolean() const override;
    TDateTime GetAsDateTime() const override;
    double GetAsFloat() const override;
    int GetAsInteger() const override;
};

/// A GUID, new for every cell; its text is "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
class TGuidCell : public TextValueCell {
public:
    explicit TGuidCell(TCells* AOwner);
    /// Takes a GUID text; anything else raises "'%s' kein gültiger Wert für GUID".
    void SetAsString(const QString& Value) override;

protected:
    QString GetAsString() const override;

private:
    QUuid m_value;
};

/// A cell whose text its column keeps, asked for at the store's current position.
class TVirtualCell : public TextValueCell {
public:
    TVirtualCell(TCells* AOwner, CellColumn* AColumn);
    CellColumn* Column() const { return m_column; }
    void SetAsString(const QString& Value) override;

protected:
    QString GetAsString() const override;

private:
    CellColumn* m_column;
};

/// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in capitals.
QString GUIDToString(const QUuid& Guid);

/// Reads exactly that form (hex digits in either case); throws EConvertError
/// "'%s' kein gültiger Wert für GUID" for any other text.
QUuid StringToGUID(const QString& Text);

} // namespace grid

#pragma once

#include "grid/DgCells.h"

// The plain cell kinds: each holds one value of its type and converts it for the other accessors.
namespace grid {

/// A check-box value; default False.
class TBooleanCell : public TCell {
public:
    using TCell::TCell;
    void SetAsBoolean(bool Value) override;
    void SetAsDateTime(TDateTime Value) override;
    void SetAsFloat(double Value) override;
    void SetAsInteger(int Value) override;
    void SetAsString(const QString& Value) override;
    void Clear() override;

protected:
    bool GetAsBoolean() const override;
    TDateTime GetAsDateTime() const override;
    double GetAsFloat() const override;
    int GetAsInteger() const override;
    QString GetAsString() const override;

private:
    bool m_value = false;
};

/// A date and time in days; default 0.
class TDateTimeCell : public TCell {
public:
    using TCell::TCell;
    void SetAsBoolean(bool Value) override;
    void SetAsDateTime(TDateTime Value) override;
    void SetAsFloat(double Value) override;
    void SetAsInteger(int Value) override;
    void SetAsString(const QString& Value) override;
    void Clear() override;

protected:
    bool GetAsBoolean() const override;
    TDateTime GetAsDateTime() const override;
    double GetAsFloat() const override;
    int GetAsInteger() const override;
    QString GetAsString() const override;

private:
    TDateTime m_value = 0;
};

/// A real number; default 0.
class TFloatCell : public TCell {
public:
    using TCell::TCell;
    void SetAsBoolean(bool Value) override;
    void SetAsDateTime(TDateTime Value) override;
    void SetAsFloat(double Value) override;
    void SetAsInteger(int Value) override;
    void SetAsString(const QString& Value) override;
    void Clear() override;

protected:
    bool GetAsBoolean() const override;
    TDateTime GetAsDateTime() const override;
    double GetAsFloat() const override;
    int GetAsInteger() const override;
    QString GetAsString() const override;

private:
    double m_value = 0;
};

/// A signed 32-bit integer; default 0.
class TIntegerCell : public TCell {
public:
    using TCell::TCell;
    void SetAsBoolean(bool Value) override;
    void SetAsDateTime(TDateTime Value) override;
    void SetAsFloat(double Value) override;
    void SetAsInteger(int Value) override;
    void SetAsString(const QString& Value) override;
    void Clear() override;

protected:
    bool GetAsBoolean() const override;
    TDateTime GetAsDateTime() const override;
    double GetAsFloat() const override;
    int GetAsInteger() const override;
    QString GetAsString() const override;

private:
    int m_value = 0;
};

/// A text; default empty. The other accessors parse and write it.
class TStringCell : public TCell {
public:
    using TCell::TCell;
    void SetAsBoolean(bool Value) override;
    void SetAsDateTime(TDateTime Value) override;
    void SetAsFloat(double Value) override;
    void SetAsInteger(int Value) override;
    void SetAsString(const QString& Value) override;
    void Clear() override;

protected:
    bool GetAsBoolean() const override;
    TDateTime GetAsDateTime() const override;
    double GetAsFloat() const override;
    int GetAsInteger() const override;
    QString GetAsString() const override;

private:
    QString m_value;
};

/// The row number: the store's current row + 1. Writes only report a change.
class TIncrementCell : public TCell {
public:
    using TCell::TCell;
    /// Nothing to clear, and no change reported.
    void Clear() override;

protected:
    bool GetAsBoolean() const override;
    TDateTime GetAsDateTime() const override;
    double GetAsFloat() const override;
    int GetAsInteger() const override;
    QString GetAsString() const override;
};

} // namespace grid

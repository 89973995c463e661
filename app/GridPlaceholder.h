#pragma once

#include <QFrame>
#include <QMap>
#include <QString>

/// Stands where a data grid goes until the grid library exists: a framed, empty area that keeps
/// the header captions written into it by column index, so callers already write them in place.
class GridPlaceholder : public QFrame {
    Q_OBJECT
public:
    explicit GridPlaceholder(QWidget* parent = nullptr);

    void setColumnCaption(int column, const QString& caption) { m_captions[column] = caption; }
    /// The caption of a column, empty when none was set.
    QString columnCaption(int column) const { return m_captions.value(column); }

private:
    QMap<int, QString> m_captions;
};

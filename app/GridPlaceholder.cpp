#include "app/GridPlaceholder.h"

GridPlaceholder::GridPlaceholder(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

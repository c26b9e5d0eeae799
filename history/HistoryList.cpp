#include "history/HistoryList.h"

#include <QMouseEvent>

namespace quendry {

HistoryList::HistoryList(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void HistoryList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QListWidget::mousePressEvent(event);
        return;
    }
    if (QListWidgetItem* line = itemAt(event->position().toPoint()))
        setCurrentItem(line);
    event->accept();
}

} // namespace quendry

#pragma once

#include <QListWidget>

namespace quendry {

// The History window's list. A right-button press on a line selects it, so that the context menu
// acts on the line under the pointer; a press below the last line changes nothing.
class HistoryList : public QListWidget {
    Q_OBJECT

public:
    explicit HistoryList(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace quendry

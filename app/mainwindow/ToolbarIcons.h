#pragma once

#include <QIcon>

namespace quendry {

// The pane toolbars' images: the desktop theme's icon where it has one, otherwise a small
// drawing of our own, so the buttons never come out blank.
class ToolbarIcons {
public:
    static QIcon clear();
    static QIcon copy();
    static QIcon paste();
    static QIcon undo();
    static QIcon saveSample();
    static QIcon open();
    static QIcon saveAs();
};

} // namespace quendry

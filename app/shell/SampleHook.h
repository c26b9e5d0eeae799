#pragma once

#include "app/mainwindow/Pane.h"

class QWidget;

namespace quendry {

// Where the sample library plugs into the main window: its "Samples" button and the panes'
// "Save sample as..." buttons stay disabled until an implementation says it is available.
class SampleHook {
public:
    virtual ~SampleHook() = default;

    virtual bool isAvailable() const { return false; }
    // The "Samples" button.
    virtual void openSamples(QWidget* parent) { (void)parent; }
    // A pane's "Save sample as..." button: store that pane's whole content as a sample.
    virtual void saveSampleAs(Pane pane, QWidget* parent)
    {
        (void)pane;
        (void)parent;
    }
};

} // namespace quendry

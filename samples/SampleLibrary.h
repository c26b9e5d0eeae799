#pragma once

#include "app/shell/SampleHook.h"
#include "samples/RememberedSamples.h"
#include "samples/SampleStore.h"

namespace quendry {

class MainWindow;

// The sample library as the main window sees it: the "Samples" button opens the Samples window,
// a pane's "Save sample as..." button opens Save sample as, and a sample put into a pane is
// remembered for the history.
class SampleLibrary : public SampleHook {
public:
    explicit SampleLibrary(MainWindow& window);

    bool isAvailable() const override { return true; }
    void openSamples(QWidget* parent) override;
    void saveSampleAs(Pane pane, QWidget* parent) override;

    // Puts the sample into the pane, replacing the pane's whole content, and remembers its name
    // for that pane. False when there is no such sample (nothing happens) or when it cannot be
    // read or the sample folder cannot be created (the user is told, the pane is unchanged).
    bool putIntoPane(const QString& name, Pane pane, QWidget* parent);

    const SampleStore& store() const { return m_store; }
    RememberedSamples& remembered() { return m_remembered; }
    MainWindow& window() const { return m_window; }

private:
    MainWindow& m_window;
    SampleStore m_store;
    RememberedSamples m_remembered;
};

} // namespace quendry

#pragma once

#include "app/mainwindow/Pane.h"

#include <QString>

namespace quendry {

// The names of the samples last put into the upper and the lower pane from the sample library,
// for the history to name a pane's text by its sample. They last for one program run. Only
// putting a sample into a pane sets a name; only the history forgets one, when the pane no
// longer holds that sample.
class RememberedSamples {
public:
    QString name(Pane pane) const { return m_names[index(pane)]; }
    void remember(Pane pane, const QString& name) { m_names[index(pane)] = name; }
    void forget(Pane pane) { m_names[index(pane)].clear(); }

private:
    static int index(Pane pane) { return pane == Pane::Upper ? 0 : 1; }

    QString m_names[2];
};

} // namespace quendry

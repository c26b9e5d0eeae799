#pragma once

#include "app/shell/ProgramFolder.h"

#include <QString>

#include <optional>

class QWidget;

namespace quendry {

// Where the comparison history plugs into the application. The main window calls
// recordComparison() after each completed comparison when "Hist" is "1"; the Settings window
// offers viewer and clearing. This base keeps no log: a history implementation derives from it.
class HistoryHook {
public:
    static QString fileName() { return QStringLiteral("history.qdm"); }

    explicit HistoryHook(ProgramFolder folder);
    virtual ~HistoryHook();
    HistoryHook(const HistoryHook&) = delete;
    HistoryHook& operator=(const HistoryHook&) = delete;

    // One completed comparison whose gauge shows percent.
    virtual void recordComparison(int percent, QWidget* parent);
    // Whether the Settings window's "History" button opens a viewer.
    virtual bool hasViewer() const;
    virtual void showViewer(QWidget* parent);
    // Empties the history file, creating it when missing; the error text on failure.
    virtual std::optional<QString> clear();

    const ProgramFolder& folder() const { return m_folder; }

private:
    ProgramFolder m_folder;
};

} // namespace quendry

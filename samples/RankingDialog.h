#pragma once

#include "samples/RankingTask.h"
#include "samples/SampleLibrary.h"

#include <QDialog>
#include <QTimer>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace quendry {

// "Rank against samples": compares the upper pane's text with every sample of the library on a
// worker thread, showing progress in the main window's progress strip, and lists the samples in a
// sortable table (sample, percentage, refusal), highest percentage first. The ranking can be
// cancelled, copied and saved as CSV, and run again with the texts compared in pieces.
// Double-clicking a row chooses that sample and closes the window; the caller puts it into the
// lower pane and compares. A ranking writes no history.
class RankingDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int defaultPieceWords = 500;
    static constexpr int progressPollMs = 40;

    using Progress = RankingProgress;

    RankingDialog(const Analyzer& analyzer, std::string questionedText, std::vector<RankingTask::Sample> samples,
        std::filesystem::path dictionaryPath, Progress progress, QWidget* parent = nullptr);
    ~RankingDialog() override;

    bool isRanking() const { return m_task.isRunning(); }
    // The sample double-clicked last; empty when none.
    QString chosenSample() const { return m_chosen; }
    // The table as CSV, in the order it shows: a header, then one line per sample.
    QString csvText() const;
    // Writes csvText() to the file; the error text on failure.
    std::optional<QString> saveCsv(const QString& path) const;

    void rank();
    void cancelRanking();
    void copyTable() const;
    void saveTable();

    void done(int result) override;

private:
    void poll();
    void rankingFinished();
    void showRows(const std::vector<RankingTask::Row>& rows);
    void chooseRow(int row);

    const Analyzer& m_analyzer;
    std::string m_questioned;
    std::vector<RankingTask::Sample> m_samples;
    std::filesystem::path m_dictionaryPath;
    Progress m_progress;
    RankingTask m_task;
    QTimer m_pollTimer;
    int m_pieceWordsOfRun = 0;
    QString m_chosen;

    QCheckBox* m_inPieces = nullptr;
    QSpinBox* m_pieceWords = nullptr;
    QPushButton* m_rankButton = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_saveButton = nullptr;
};

} // namespace quendry

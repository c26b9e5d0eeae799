#pragma once

#include "app/mainwindow/Pane.h"
#include "app/shell/FileLocations.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QComboBox;
class QProgressBar;
class QPushButton;
class QTimer;
class QTextDocument;

namespace quendry {

class AnalysisRun;
class Analyzer;
class ResultGauge;
class SettingsStore;
class StatusPicture;
class StoredPane;
class TextPane;
class ThemeManager;

// The application's window: the two text panes, the command buttons, the theme selector, the
// status picture, the result strip and the progress strip. It restores its placement, theme and
// pane contents when it is created and stores them when it closes.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int minimumWidth = 400;
    static constexpr int minimumHeight = 420;
    static QString caption() { return QStringLiteral(" Quendry"); }
    static QString dictionaryFileName() { return QStringLiteral("Dct.txt"); }
    static QString upperPaneFileName() { return QStringLiteral("Top.txt"); }
    static QString lowerPaneFileName() { return QStringLiteral("Bottom.txt"); }
    static QString helpFileName() { return QStringLiteral("help.htm"); }
    static QString missingDictionaryMessage()
    {
        return QStringLiteral("Corrupted file Dct.txt. Reinstall the program.");
    }

    // Reads the settings (writing the defaults of empty values) and the panes' saved contents.
    // The analyzer is the program's one engine, which must outlive the window.
    MainWindow(SettingsStore& settings, FileLocations files, const Analyzer& analyzer, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Unsaved pane text is saved this often, so that a crash loses at most this much typing.
    static constexpr int autosaveIntervalMs = 60 * 1000;

    // False, after telling the user, when the dictionary is missing: the program must then end
    // without showing the window, and nothing is saved.
    bool checkDictionary();

    SettingsStore& settings() const { return m_settings; }
    const FileLocations& files() const { return m_files; }
    TextPane& pane(Pane which) const;

    // Applies the stored pane colours when "strColor" is "1"; a colour that cannot be read
    // leaves its pane as it is.
    void applyStoredColors();
    // Puts a file (rich or plain text) into a pane the way a sample is put there (below). The
    // error text on failure, with the pane unchanged; a file read only in part is put in as far
    // as it could be read, and the user is told.
    std::optional<QString> loadPaneFromFile(Pane which, const QString& path);

    // What closing stores (placement, theme, both panes), done without a question, for a session
    // that ends without the window being closed (logout, SIGTERM). The errors, each naming its
    // file; empty when everything was saved.
    QStringList saveSession();
    // Tests shorten the interval of the periodic saving.
    void setAutosaveInterval(int milliseconds);

    AnalysisRun& analysisRun() const { return *m_run; }
    // The dictionary every comparison reads.
    std::filesystem::path dictionaryPath() const;
    // The progress strip, for other long work that the window waits for (a ranking).
    QWidget* progressStrip() const { return m_progressStrip; }
    QProgressBar* progressBar() const { return m_progressBar; }
    // The active theme, "" for "Classic".
    QString activeTheme() const;

public slots:
    // "Analyze": ignored while a comparison runs.
    void analyze();
    // "Save" under the theme selector.
    void applySelectedTheme();
    void openSettings();
    void showHelp();
    // The program's version and the folder that holds the user's files.
    void showAbout();
    // Puts a text into a pane as a sample is put there: the pane's colour goes to black, the text
    // replaces the whole content with its formatting, and the stored colours apply again.
    void putTextInPane(quendry::Pane which, const QTextDocument* text);

signals:
    // "Samples" was pressed.
    void samplesRequested();
    // "Rank against samples", pressed while no comparison runs.
    void rankRequested();
    // A pane's "Save sample as..." button: store that pane's whole content as a sample.
    void saveSampleRequested(quendry::Pane which);
    // A comparison ended with this percentage in the gauge.
    void comparisonFinished(int percent);
    // "Save report..." was pressed; the gauge shows the result of the last comparison.
    void saveReportRequested();
    // The Settings window's "History" and "Clear History"; parent is the Settings window, which
    // the History window opens above and any message belongs to.
    void historyViewerRequested(QWidget* parent);
    void historyClearRequested(QWidget* parent);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWidgets();
    QWidget* buildLeftColumn();
    QWidget* buildRightColumn();
    QWidget* buildCentre();
    QWidget* buildResultStrip();
    QWidget* buildProgressStrip();
    void restorePlacement();
    void fillThemeSelector(const QString& storedSkin);
    void loadPanes();
    void storeState();
    // False when the user chose to keep the window open after a pane could not be saved.
    bool savePanes();
    // Saves one pane to its file, replacing it only once the whole text is written. A pane whose
    // file could not be read and which is still empty is left alone, so the file is not lost.
    std::optional<QString> savePane(Pane which);
    // Saves the panes that changed since they were last loaded or saved.
    void autosave();
    void comparisonCompleted(int percent);
    void runFinished();

    SettingsStore& m_settings;
    FileLocations m_files;
    std::unique_ptr<ThemeManager> m_themes;

    TextPane* m_upperPane = nullptr;
    TextPane* m_lowerPane = nullptr;
    QPushButton* m_samplesButton = nullptr;
    QPushButton* m_rankButton = nullptr;
    QComboBox* m_themeSelector = nullptr;
    QPushButton* m_analyzeButton = nullptr;
    QPushButton* m_saveReportButton = nullptr;
    StatusPicture* m_picture = nullptr;
    QWidget* m_resultStrip = nullptr;
    ResultGauge* m_gauge = nullptr;
    QWidget* m_progressStrip = nullptr;
    QProgressBar* m_progressBar = nullptr;
    AnalysisRun* m_run = nullptr;

    QTimer* m_autosaveTimer = nullptr;
    // The last failure of the periodic saving, shown once rather than every minute.
    QString m_lastAutosaveError;

    int m_upperAreaHeight = 0;
    // The files "Top.txt" and "Bottom.txt", for the upper and the lower pane.
    std::array<std::unique_ptr<StoredPane>, 2> m_storedPanes;
    bool m_closeWhenIdle = false;
};

} // namespace quendry

#include "app/mainwindow/MainWindow.h"

#include "app/mainwindow/AnalysisRun.h"
#include "app/mainwindow/PaneFile.h"
#include "app/mainwindow/PaneText.h"
#include "app/mainwindow/ResultExplanation.h"
#include "app/mainwindow/ResultGauge.h"
#include "app/mainwindow/StatusPicture.h"
#include "app/mainwindow/StoredPane.h"
#include "app/mainwindow/TextPane.h"
#include "app/mainwindow/ThemeManager.h"
#include "app/settings/ColorValue.h"
#include "app/settings/SettingsDialog.h"
#include "app/settings/SettingsStore.h"
#include "app/shell/DesktopOpener.h"
#include "app/shell/MessageBox.h"
#include "app/shell/WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace quendry {
namespace {

QPushButton* makeButton(const QString& caption, const QString& objectName, QSize size)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(objectName);
    button->setFixedSize(size);
    return button;
}

int paneIndex(Pane which)
{
    return which == Pane::Upper ? 0 : 1;
}

} // namespace

MainWindow::MainWindow(SettingsStore& settings, FileLocations files, const Analyzer& analyzer, QWidget* parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_files(std::move(files))
    , m_themes(std::make_unique<ThemeManager>())
    , m_storedPanes{std::make_unique<StoredPane>(m_files.userFolder().filePath(upperPaneFileName())),
          std::make_unique<StoredPane>(m_files.userFolder().filePath(lowerPaneFileName()))}
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(caption());
    QFont windowFont(QStringLiteral("Verdana"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setMinimumSize(minimumWidth, minimumHeight);

    buildWidgets();
    m_run = new AnalysisRun(analyzer, {m_progressStrip, m_progressBar, m_resultStrip, m_gauge, m_picture, this}, this);
    connect(m_run, &AnalysisRun::completed, this, &MainWindow::comparisonCompleted);
    connect(m_run, &AnalysisRun::finished, this, &MainWindow::runFinished);

    restorePlacement();
    m_resultStrip->hide();
    m_progressBar->setMinimum(0);
    m_progressBar->setValue(0);
    m_progressStrip->hide();

    fillThemeSelector(m_settings.text(Setting::Skin));
    m_upperPane->editor()->setFocus();
    for (const Setting setting : {Setting::Hist, Setting::StrColor, Setting::Color1, Setting::Color2})
        m_settings.textOrDefault(setting);
    applyStoredColors();
    loadPanes();

    m_autosaveTimer = new QTimer(this);
    m_autosaveTimer->setInterval(autosaveIntervalMs);
    connect(m_autosaveTimer, &QTimer::timeout, this, &MainWindow::autosave);
    m_autosaveTimer->start();
}

MainWindow::~MainWindow() = default;

bool MainWindow::checkDictionary()
{
    if (QFileInfo(m_files.shippedFile(dictionaryFileName())).isFile())
        return true;
    MessageBox::error(nullptr, missingDictionaryMessage());
    return false;
}

TextPane& MainWindow::pane(Pane which) const
{
    return which == Pane::Upper ? *m_upperPane : *m_lowerPane;
}

void MainWindow::applyStoredColors()
{
    if (m_settings.text(Setting::StrColor) != QLatin1String("1"))
        return;
    if (const auto color = ColorValue::fromText(m_settings.text(Setting::Color1)))
        m_upperPane->setTextColor(*color);
    if (const auto color = ColorValue::fromText(m_settings.text(Setting::Color2)))
        m_lowerPane->setTextColor(*color);
}

std::optional<QString> MainWindow::loadPaneFromFile(Pane which, const QString& path)
{
    // The file is read whole before the pane is touched, so a failure leaves the pane as it was.
    QTextDocument text;
    const TextFileReader::Result result = PaneFile::read(path, text);
    if (result.error)
        return result.error;
    putTextInPane(which, &text);
    if (result.incomplete)
        MessageBox::warning(this, *result.incomplete + QStringLiteral("\n\nThe pane shows the text that could be read."));
    return std::nullopt;
}

void MainWindow::putTextInPane(Pane which, const QTextDocument* text)
{
    TextPane& target = pane(which);
    target.setTextColor(ColorValue::fromRgb(0, 0, 0));
    // One edit, so that Undo brings back what the pane held before.
    target.replaceContent(*text);
    applyStoredColors();
}

QStringList MainWindow::saveSession()
{
    storeState();
    QStringList errors;
    for (const Pane which : {Pane::Upper, Pane::Lower}) {
        if (const auto error = savePane(which))
            errors.append(*error);
    }
    return errors;
}

void MainWindow::setAutosaveInterval(int milliseconds)
{
    m_autosaveTimer->start(milliseconds);
}

QString MainWindow::activeTheme() const
{
    return m_themes->activeTheme();
}

std::filesystem::path MainWindow::dictionaryPath() const
{
    return std::filesystem::path(m_files.shippedFile(dictionaryFileName()).toStdU16String());
}

void MainWindow::analyze()
{
    if (m_run->isRunning())
        return;
    std::string first = paneEngineText(*m_upperPane->document());
    std::string second = paneEngineText(*m_lowerPane->document());
    if (m_run->start(std::move(first), std::move(second), dictionaryPath())) {
        m_analyzeButton->setEnabled(false);
        m_saveReportButton->setEnabled(false);
    }
}

void MainWindow::applySelectedTheme()
{
    QString name = m_themeSelector->currentText();
    if (name.isEmpty())
        name = ThemeManager::classicName();
    m_themes->apply(name == ThemeManager::classicName() ? QString() : name);
    m_upperPane->refreshTextColor();
    m_lowerPane->refreshTextColor();
    applyStoredColors();
}

void MainWindow::openSettings()
{
    SettingsDialog dialog(m_settings, *m_upperPane, *m_lowerPane, this);
    connect(&dialog, &SettingsDialog::historyViewerRequested, this, [this, &dialog] { emit historyViewerRequested(&dialog); });
    connect(&dialog, &SettingsDialog::historyClearRequested, this, [this, &dialog] { emit historyClearRequested(&dialog); });
    dialog.exec();
}

void MainWindow::showHelp()
{
    // Without a desktop program for pages, the page shows in a viewer of our own.
    DesktopOpener::open(m_files.shippedFile(helpFileName()), this);
}

void MainWindow::showAbout()
{
    const QString text = QStringLiteral("Quendry %1\n\n%2").arg(QCoreApplication::applicationVersion(), m_files.description());
    MessageBox::information(this, text, QStringLiteral("About Quendry"));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A running comparison finishes first; the window closes when it is over.
    if (m_run->isRunning()) {
        m_closeWhenIdle = true;
        event->ignore();
        return;
    }
    storeState();
    if (!savePanes()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::buildWidgets()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(buildLeftColumn());
    middle->addWidget(buildCentre(), 1);
    middle->addWidget(buildRightColumn());
    layout->addLayout(middle, 1);
    layout->addWidget(buildResultStrip());
    layout->addWidget(buildProgressStrip());
    setCentralWidget(central);

    // F1 opens the help wherever the focus is in the window.
    auto* help = new QAction(QStringLiteral("help"), this);
    help->setObjectName(QStringLiteral("helpAction"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    connect(help, &QAction::triggered, this, &MainWindow::showHelp);
    addAction(help);
}

QWidget* MainWindow::buildLeftColumn()
{
    auto* column = new QWidget;
    column->setObjectName(QStringLiteral("leftColumn"));
    column->setFixedWidth(130);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_samplesButton = makeButton(QStringLiteral("Samples"), QStringLiteral("samplesButton"), QSize(130, 40));
    m_rankButton = makeButton(QStringLiteral("Rank against samples"), QStringLiteral("rankButton"), QSize(130, 40));
    QPushButton* settingsButton = makeButton(QStringLiteral("Settings"), QStringLiteral("settingsButton"), QSize(130, 40));
    QPushButton* helpButton = makeButton(QStringLiteral("Help"), QStringLiteral("helpButton"), QSize(130, 40));
    m_themeSelector = new QComboBox(column);
    m_themeSelector->setObjectName(QStringLiteral("themeSelector"));
    m_themeSelector->setFixedWidth(120);
    QPushButton* themeButton = makeButton(QStringLiteral("Save"), QStringLiteral("themeSaveButton"), QSize(129, 39));

    layout->addWidget(m_samplesButton);
    layout->addWidget(m_rankButton);
    layout->addWidget(settingsButton);
    layout->addWidget(helpButton);
    layout->addStretch(1);
    layout->addWidget(m_themeSelector, 0, Qt::AlignHCenter);
    layout->addWidget(themeButton);

    connect(m_samplesButton, &QPushButton::clicked, this, &MainWindow::samplesRequested);
    connect(m_rankButton, &QPushButton::clicked, this, [this] {
        if (!m_run->isRunning())
            emit rankRequested();
    });
    connect(settingsButton, &QPushButton::clicked, this, &MainWindow::openSettings);
    connect(helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    // The button's own menu (right button) tells where the user's files are.
    helpButton->setToolTip(m_files.description());
    helpButton->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* about = new QAction(QStringLiteral("About Quendry..."), helpButton);
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
    helpButton->addAction(about);
    connect(themeButton, &QPushButton::clicked, this, &MainWindow::applySelectedTheme);
    return column;
}

QWidget* MainWindow::buildRightColumn()
{
    auto* column = new QWidget;
    column->setObjectName(QStringLiteral("rightColumn"));
    column->setFixedWidth(130);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_picture = new StatusPicture(column);
    m_analyzeButton = makeButton(QStringLiteral("Analyze"), QStringLiteral("analyzeButton"), QSize(130, 40));
    // A report can be saved of the result the gauge shows, and only then.
    m_saveReportButton
        = makeButton(QStringLiteral("Save report..."), QStringLiteral("saveReportButton"), QSize(130, 40));
    m_saveReportButton->setEnabled(false);
    QPushButton* exitButton = makeButton(QStringLiteral("Exit"), QStringLiteral("exitButton"), QSize(129, 40));

    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addWidget(m_analyzeButton);
    layout->addWidget(m_saveReportButton);
    layout->addStretch(1);
    layout->addWidget(exitButton);

    connect(m_analyzeButton, &QPushButton::clicked, this, &MainWindow::analyze);
    connect(m_saveReportButton, &QPushButton::clicked, this, &MainWindow::saveReportRequested);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    return column;
}

QWidget* MainWindow::buildCentre()
{
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName(QStringLiteral("paneSplitter"));
    splitter->setHandleWidth(2);
    splitter->setChildrenCollapsible(false);
    m_upperPane = new TextPane(Pane::Upper, splitter);
    m_lowerPane = new TextPane(Pane::Lower, splitter);
    splitter->addWidget(m_upperPane);
    splitter->addWidget(m_lowerPane);
    // The upper pane keeps its height when the window is resized; the lower one takes the rest.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    for (TextPane* textPane : {m_upperPane, m_lowerPane})
        connect(textPane, &TextPane::saveSampleRequested, this, &MainWindow::saveSampleRequested);
    return splitter;
}

QWidget* MainWindow::buildResultStrip()
{
    m_resultStrip = new QWidget;
    m_resultStrip->setObjectName(QStringLiteral("resultStrip"));
    m_resultStrip->setFixedHeight(37);
    auto* layout = new QVBoxLayout(m_resultStrip);
    layout->setContentsMargins(1, 0, 0, 1);
    layout->setSpacing(0);
    auto* header = new QLabel(QStringLiteral("Analysis Results:"), m_resultStrip);
    header->setObjectName(QStringLiteral("resultHeader"));
    header->setFixedHeight(17);
    m_gauge = new ResultGauge(m_resultStrip);
    layout->addWidget(header);
    layout->addWidget(m_gauge);
    return m_resultStrip;
}

QWidget* MainWindow::buildProgressStrip()
{
    m_progressStrip = new QWidget;
    m_progressStrip->setObjectName(QStringLiteral("progressStrip"));
    m_progressStrip->setFixedHeight(17);
    auto* layout = new QVBoxLayout(m_progressStrip);
    layout->setContentsMargins(0, 0, 0, 0);
    m_progressBar = new QProgressBar(m_progressStrip);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setTextVisible(false);
    layout->addWidget(m_progressBar);
    return m_progressStrip;
}

void MainWindow::restorePlacement()
{
    const int width = m_settings.numberOrDefault(Setting::WindowWidth);
    const int height = m_settings.numberOrDefault(Setting::WindowHeight);
    m_upperAreaHeight = std::max(0, m_settings.numberOrDefault(Setting::UpperAreaHeight));
    resize(std::max(width, minimumWidth), std::max(height, minimumHeight));

    // The splitter gives its upper part the stored text height plus the toolbar; as that part
    // does not stretch, it keeps the height when the window is laid out and resized.
    auto* splitter = findChild<QSplitter*>(QStringLiteral("paneSplitter"));
    splitter->setSizes({m_upperAreaHeight + TextPane::toolbarHeight, QWIDGETSIZE_MAX / 4});

    const auto left = m_settings.number(Setting::WindowLeft);
    const auto top = m_settings.number(Setting::WindowTop);
    if (left || top)
        WindowPlacement::moveOnScreen(*this, QPoint(left.value_or(x()), top.value_or(y())));
}

void MainWindow::fillThemeSelector(const QString& storedSkin)
{
    m_themeSelector->clear();
    m_themeSelector->addItem(ThemeManager::classicName());
    m_themeSelector->addItems(m_themes->themeNames());
    // A theme name that is no longer offered falls back to the plain look.
    const QString skin = m_themes->hasTheme(storedSkin) ? storedSkin : ThemeManager::classicName();
    m_themeSelector->setCurrentText(skin);
    m_themes->apply(skin == ThemeManager::classicName() ? QString() : skin);
    m_upperPane->refreshTextColor();
    m_lowerPane->refreshTextColor();
}

void MainWindow::loadPanes()
{
    for (const Pane which : {Pane::Upper, Pane::Lower}) {
        QTextDocument* document = pane(which).document();
        // A file not read faithfully is kept before it is next replaced (StoredPane).
        if (const auto problem = m_storedPanes[paneIndex(which)]->load(*document))
            MessageBox::warning(this, *problem);
        document->clearUndoRedoStacks();
        document->setModified(false);
    }
}

void MainWindow::storeState()
{
    // A maximised or minimised window stores the place it returns to, not the whole screen or
    // the parking place of minimised windows.
    QRect placement(pos(), size());
    if (isMaximized() || isMinimized() || isFullScreen()) {
        const QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
        placement = QRect(normalGeometry().topLeft() - frameOffset, normalGeometry().size());
    }
    m_settings.setNumber(Setting::WindowWidth, placement.width());
    m_settings.setNumber(Setting::WindowHeight, placement.height());
    m_settings.setNumber(Setting::UpperAreaHeight, m_upperPane->editor()->height());
    m_settings.setNumber(Setting::WindowLeft, placement.x());
    m_settings.setNumber(Setting::WindowTop, placement.y());
    m_settings.setText(Setting::Skin, m_themes->activeTheme());
    m_settings.sync();
}

bool MainWindow::savePanes()
{
    for (const Pane which : {Pane::Upper, Pane::Lower}) {
        if (const auto error = savePane(which)) {
            const QString question = *error + QStringLiteral("\n\nClose anyway? The text of this pane will be lost.");
            if (MessageBox::askYesNo(this, question) != MessageBox::Button::Yes)
                return false;
        }
    }
    return true;
}

std::optional<QString> MainWindow::savePane(Pane which)
{
    QTextDocument& document = *pane(which).document();
    if (auto error = m_storedPanes[paneIndex(which)]->save(document))
        return error;
    document.setModified(false);
    return std::nullopt;
}

void MainWindow::autosave()
{
    QString failure;
    for (const Pane which : {Pane::Upper, Pane::Lower}) {
        if (!pane(which).document()->isModified())
            continue;
        if (const auto error = savePane(which))
            failure = *error;
    }
    if (!failure.isEmpty() && failure != m_lastAutosaveError)
        MessageBox::error(this, failure);
    m_lastAutosaveError = failure;
}

void MainWindow::comparisonCompleted(int percent)
{
    if (const auto& comparison = m_run->lastComparison())
        m_gauge->setToolTip(resultExplanation(comparison->terms));
    m_saveReportButton->setEnabled(true);
    emit comparisonFinished(percent);
}

void MainWindow::runFinished()
{
    m_analyzeButton->setEnabled(true);
    if (m_closeWhenIdle) {
        m_closeWhenIdle = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

} // namespace quendry

#include "samples/RankingDialog.h"

#include "app/shell/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace quendry {
namespace {

enum Column { SampleColumn, PercentColumn, RefusalColumn };

// Sorts by a number kept beside the shown text (a refused or unreadable sample sorts below 0%);
// equal numbers go by the sample list's order when sorted from the highest, as the ranking is.
class RankItem : public QTableWidgetItem {
public:
    RankItem(const QString& text, double key, int listIndex)
        : QTableWidgetItem(text)
        , m_key(key)
        , m_listIndex(listIndex)
    {
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        const auto* rank = dynamic_cast<const RankItem*>(&other);
        if (!rank)
            return QTableWidgetItem::operator<(other);
        if (m_key != rank->m_key)
            return m_key < rank->m_key;
        return m_listIndex > rank->m_listIndex;
    }

private:
    double m_key;
    int m_listIndex;
};

QString percentText(double percent)
{
    return (percent == std::floor(percent) ? QString::number(percent, 'f', 0) : QString::number(percent, 'f', 1))
        + QLatin1Char('%');
}

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

RankingDialog::RankingDialog(const Analyzer& analyzer, std::string questionedText,
    std::vector<RankingTask::Sample> samples, std::filesystem::path dictionaryPath, Progress progress, QWidget* parent)
    : QDialog(parent)
    , m_analyzer(analyzer)
    , m_questioned(std::move(questionedText))
    , m_samples(std::move(samples))
    , m_dictionaryPath(std::move(dictionaryPath))
    , m_progress(progress)
{
    setObjectName(QStringLiteral("rankingDialog"));
    setWindowTitle(QStringLiteral("Rank against samples"));
    setModal(true);
    resize(560, 420);

    auto* layout = new QVBoxLayout(this);
    auto* choice = new QHBoxLayout;
    m_inPieces = new QCheckBox(QStringLiteral("Compare in pieces of"), this);
    m_inPieces->setObjectName(QStringLiteral("piecesCheck"));
    m_inPieces->setToolTip(QStringLiteral(
        "Long texts are cut into pieces of about this many words, at sentence ends; every piece of one text is "
        "compared with every piece of the other (at most 100 pairs) and the median percentage is shown."));
    m_pieceWords = new QSpinBox(this);
    m_pieceWords->setObjectName(QStringLiteral("pieceWordsBox"));
    m_pieceWords->setRange(20, 100000);
    m_pieceWords->setValue(defaultPieceWords);
    m_pieceWords->setSuffix(QStringLiteral(" words"));
    m_rankButton = new QPushButton(QStringLiteral("Rank again"), this);
    m_rankButton->setObjectName(QStringLiteral("rankAgainButton"));
    choice->addWidget(m_inPieces);
    choice->addWidget(m_pieceWords);
    choice->addStretch(1);
    choice->addWidget(m_rankButton);
    layout->addLayout(choice);

    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(QStringLiteral("rankingTable"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Sample"), QStringLiteral("Percentage"), QStringLiteral("Refusal")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setToolTip(QStringLiteral("Double-click a sample to put it into the lower pane and compare."));
    layout->addWidget(m_table, 1);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("rankingStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    auto* buttons = new QHBoxLayout;
    m_copyButton = new QPushButton(QStringLiteral("Copy"), this);
    m_copyButton->setObjectName(QStringLiteral("copyButton"));
    m_saveButton = new QPushButton(QStringLiteral("Save as CSV..."), this);
    m_saveButton->setObjectName(QStringLiteral("saveCsvButton"));
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_saveButton);
    buttons->addStretch(1);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    m_pollTimer.setInterval(progressPollMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &RankingDialog::poll);
    connect(&m_task, &RankingTask::finished, this, &RankingDialog::rankingFinished);
    connect(m_rankButton, &QPushButton::clicked, this, &RankingDialog::rank);
    connect(m_cancelButton, &QPushButton::clicked, this, &RankingDialog::cancelRanking);
    connect(m_copyButton, &QPushButton::clicked, this, &RankingDialog::copyTable);
    connect(m_saveButton, &QPushButton::clicked, this, &RankingDialog::saveTable);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { chooseRow(row); });

    rank();
}

RankingDialog::~RankingDialog()
{
    m_task.cancel();
}

void RankingDialog::rank()
{
    if (m_task.isRunning())
        return;
    m_pieceWordsOfRun = m_inPieces->isChecked() ? m_pieceWords->value() : 0;
    m_table->setRowCount(0);
    m_status->setText(QStringLiteral("Comparing with %1 samples...").arg(m_samples.size()));
    m_rankButton->setEnabled(false);
    m_cancelButton->setEnabled(true);
    m_copyButton->setEnabled(false);
    m_saveButton->setEnabled(false);
    if (m_progress.bar) {
        m_progress.bar->setMinimum(0);
        m_progress.bar->setMaximum(std::max(1, static_cast<int>(m_samples.size())));
        m_progress.bar->setValue(0);
    }
    if (m_progress.strip)
        m_progress.strip->show();
    m_task.start(m_analyzer, m_questioned, m_samples, m_dictionaryPath, m_pieceWordsOfRun);
    m_pollTimer.start();
}

void RankingDialog::cancelRanking()
{
    m_task.cancel();
}

void RankingDialog::poll()
{
    if (m_progress.bar)
        m_progress.bar->setValue(std::min(m_task.done(), m_progress.bar->maximum()));
}

void RankingDialog::rankingFinished()
{
    m_pollTimer.stop();
    if (m_progress.strip)
        m_progress.strip->hide();
    m_rankButton->setEnabled(true);
    m_cancelButton->setEnabled(false);
    const RankingTask::Result result = m_task.takeResult();
    if (!result.failure.isEmpty()) {
        m_status->setText(QStringLiteral("The ranking failed: ") + result.failure);
        MessageBox::error(this, m_status->text());
        return;
    }
    if (result.questionedRefusal != TextRefusal::None) {
        // Worded as "Analyze" words it: the upper pane holds the first text.
        const Refusal refusal{result.questionedRefusal == TextRefusal::TooSmall ? RefusalReason::FirstTextTooSmall
                                                                                 : RefusalReason::FirstTextNotEnglish};
        const QString message = QString::fromUtf8(refusal.message().data(), static_cast<qsizetype>(refusal.message().size()));
        m_status->setText(message);
        MessageBox::warning(this, message);
        return;
    }
    showRows(result.rows);
    const int total = static_cast<int>(m_samples.size());
    const int ranked = static_cast<int>(result.rows.size());
    m_status->setText(result.cancelled
            ? QStringLiteral("Cancelled: %1 of %2 samples compared; the list is incomplete.").arg(ranked).arg(total)
            : QStringLiteral("Compared with %1 samples. Double-click a sample to put it into the lower pane and "
                             "compare.").arg(ranked));
    m_copyButton->setEnabled(ranked > 0);
    m_saveButton->setEnabled(ranked > 0);
}

void RankingDialog::showRows(const std::vector<RankingTask::Row>& rows)
{
    m_table->setSortingEnabled(false);
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const RankingTask::Row& row = rows[static_cast<std::size_t>(i)];
        QString percent;
        QString refusal;
        double key = -1.0;
        if (row.unreadable) {
            refusal = QStringLiteral("Cannot read the sample: ") + *row.unreadable;
        } else if (row.score.refusal) {
            const std::string_view message = row.score.refusal->message();
            refusal = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
        } else {
            key = row.score.percent;
            percent = percentText(row.score.percent);
            if (m_pieceWordsOfRun > 0) {
                percent += QStringLiteral(" (%1 to %2)").arg(percentText(row.score.lowest), percentText(row.score.highest));
            }
        }
        // The rows come in the sample list's order, so equal percentages stay in name order.
        m_table->setItem(i, SampleColumn, new RankItem(row.name, i, i));
        m_table->setItem(i, PercentColumn, new RankItem(percent, key, i));
        m_table->setItem(i, RefusalColumn, new QTableWidgetItem(refusal));
    }
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(PercentColumn, Qt::DescendingOrder);
    m_table->resizeColumnToContents(SampleColumn);
    m_table->resizeColumnToContents(PercentColumn);
}

QString RankingDialog::csvText() const
{
    QString csv = QStringLiteral("sample,percent,refusal\n");
    for (int row = 0; row < m_table->rowCount(); ++row) {
        QString percent = m_table->item(row, PercentColumn)->text();
        percent = percent.left(percent.indexOf(QLatin1Char('%')));
        csv += csvField(m_table->item(row, SampleColumn)->text()) + QLatin1Char(',') + percent + QLatin1Char(',')
            + csvField(m_table->item(row, RefusalColumn)->text()) + QLatin1Char('\n');
    }
    return csv;
}

std::optional<QString> RankingDialog::saveCsv(const QString& path) const
{
    QSaveFile file(path);
    const QByteArray bytes = csvText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return std::nullopt;
}

void RankingDialog::copyTable() const
{
    QApplication::clipboard()->setText(csvText());
}

void RankingDialog::saveTable()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save the ranking"), QString(),
        QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (const auto error = saveCsv(path))
        MessageBox::error(this, *error);
}

void RankingDialog::chooseRow(int row)
{
    if (m_task.isRunning() || row < 0 || row >= m_table->rowCount())
        return;
    m_chosen = m_table->item(row, SampleColumn)->text();
    accept();
}

void RankingDialog::done(int result)
{
    // The worker stops before the window goes; what it was doing is dropped.
    m_task.cancel();
    m_pollTimer.stop();
    if (m_progress.strip && m_task.isRunning())
        m_progress.strip->hide();
    QDialog::done(result);
}

} // namespace quendry

#include "history/HistoryDialog.h"

#include "app/shell/MessageBox.h"
#include "history/HistoryList.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace quendry {
namespace {

// Each list item keeps the line's bytes as they are in the file.
constexpr int lineBytesRole = Qt::UserRole;

} // namespace

HistoryDialog::HistoryDialog(HistoryFile file, SettingsStore& settings, QWidget* parent)
    : QDialog(parent)
    , m_file(std::move(file))
    , m_placement(settings, Setting::HistoryLeft, Setting::HistoryTop, Setting::HistoryWidth, Setting::HistoryHeight)
    , m_list(new HistoryList(this))
    , m_deleteAction(new QAction(QStringLiteral("Delete"), this))
{
    setObjectName(QStringLiteral("historyDialog"));
    setWindowTitle(QStringLiteral("History"));
    setMinimumSize(minimumWidth, minimumHeight);

    m_list->setObjectName(QStringLiteral("historyList"));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_deleteAction->setObjectName(QStringLiteral("deleteAction"));

    auto* bottom = new QWidget(this);
    auto* bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(8, 6, 8, 6);
    auto* exitButton = new QPushButton(QStringLiteral("Exit"), bottom);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    exitButton->setFixedSize(75, 22);
    exitButton->setAutoDefault(false);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(exitButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_list, 1);
    layout->addWidget(bottom);

    connect(m_list, &QWidget::customContextMenuRequested, this, &HistoryDialog::showContextMenu);
    connect(m_deleteAction, &QAction::triggered, this, &HistoryDialog::deleteSelectedLine);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);

    const HistoryFile::Contents contents = m_file.read();
    if (contents.error)
        MessageBox::error(this, *contents.error);
    for (const QByteArray& line : contents.lines) {
        auto* item = new QListWidgetItem(HistoryFile::decode(line), m_list);
        item->setData(lineBytesRole, line);
    }
    m_list->setCurrentRow(-1);

    m_placement.restore(*this, std::nullopt);
}

void HistoryDialog::deleteSelectedLine()
{
    if (m_list->count() == 0)
        return;
    QListWidgetItem* selected = m_list->selectedItems().value(0);
    const int row = selected ? m_list->row(selected) : -1;
    QListWidgetItem* removed = selected ? m_list->takeItem(row) : nullptr;

    QList<QByteArray> lines;
    for (int i = 0; i < m_list->count(); ++i)
        lines.append(m_list->item(i)->data(lineBytesRole).toByteArray());
    if (const auto error = m_file.replace(lines)) {
        // The list goes on showing what the file holds.
        if (removed)
            m_list->insertItem(row, removed);
        MessageBox::error(this, *error);
    } else {
        delete removed;
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void HistoryDialog::done(int result)
{
    m_placement.store(*this);
    QDialog::done(result);
}

void HistoryDialog::showContextMenu(const QPoint& position)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(m_deleteAction);
    menu->popup(m_list->viewport()->mapToGlobal(position));
}

} // namespace quendry

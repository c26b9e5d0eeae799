#include "samples/SamplesDialog.h"

#include "app/shell/MessageBox.h"
#include "samples/CreateSampleDialog.h"
#include "samples/EditSampleDialog.h"
#include "samples/RenameSampleDialog.h"
#include "samples/SampleLibrary.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace quendry {
namespace {

QAction* addTool(QToolBar* toolbar, const char* themeIcon, QStyle::StandardPixmap fallback, const QString& hint,
    const QString& objectName)
{
    const QIcon icon = QIcon::fromTheme(QString::fromLatin1(themeIcon), toolbar->style()->standardIcon(fallback));
    QAction* action = toolbar->addAction(icon, hint);
    action->setToolTip(hint);
    action->setObjectName(objectName);
    return action;
}

} // namespace

SamplesDialog::SamplesDialog(SampleLibrary& library, QWidget* parent)
    : QDialog(parent)
    , m_library(library)
    , m_placement(library.settings(), Setting::SamplesLeft, Setting::SamplesTop, Setting::SamplesWidth,
          Setting::SamplesHeight)
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("samplesDialog"));
    setWindowTitle(QStringLiteral("Samples"));
    setMinimumSize(minimumWidth, minimumHeight);

    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("samplesToolbar"));
    toolbar->setIconSize(QSize(16, 16));
    QAction* add = addTool(toolbar, "document-new", QStyle::SP_FileIcon, QStringLiteral("Add"), QStringLiteral("addAction"));
    QAction* edit = addTool(toolbar, "document-edit", QStyle::SP_FileDialogDetailedView, QStringLiteral("Edit"),
        QStringLiteral("editAction"));
    QAction* remove = addTool(toolbar, "edit-delete", QStyle::SP_TrashIcon, QStringLiteral("Delete"),
        QStringLiteral("deleteAction"));
    QAction* rename = addTool(toolbar, "edit-rename", QStyle::SP_FileDialogContentsView, QStringLiteral("Rename"),
        QStringLiteral("renameAction"));
    rename->setShortcut(QKeySequence(Qt::Key_F2));
    auto* gap = new QWidget(toolbar);
    gap->setFixedWidth(48);
    toolbar->addWidget(gap);
    QAction* upper = addTool(toolbar, "go-up", QStyle::SP_ArrowUp, QStringLiteral("Paste it into the upper window"),
        QStringLiteral("pasteUpperAction"));
    QAction* lower = addTool(toolbar, "go-down", QStyle::SP_ArrowDown, QStringLiteral("Paste it into the lower window"),
        QStringLiteral("pasteLowerAction"));

    m_list->setObjectName(QStringLiteral("sampleList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* bottom = new QWidget(this);
    bottom->setFixedHeight(41);
    auto* bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(8, 8, 8, 8);
    auto* close = new QPushButton(QStringLiteral("Close"), bottom);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setFixedSize(82, 25);
    close->setAutoDefault(false);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(m_list, 1);
    layout->addWidget(bottom);

    connect(add, &QAction::triggered, this, &SamplesDialog::addSample);
    connect(edit, &QAction::triggered, this, &SamplesDialog::editSample);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &SamplesDialog::editSample);
    connect(remove, &QAction::triggered, this, &SamplesDialog::deleteSample);
    connect(rename, &QAction::triggered, this, &SamplesDialog::renameSample);
    connect(upper, &QAction::triggered, this, &SamplesDialog::pasteIntoUpperPane);
    connect(lower, &QAction::triggered, this, &SamplesDialog::pasteIntoLowerPane);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    m_placement.restore(*this, designPosition);
    refreshList();
}

QString SamplesDialog::selectedName() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void SamplesDialog::addSample()
{
    CreateSampleDialog dialog(m_library.store(), m_library.settings(), this);
    if (dialog.exec() == QDialog::Accepted)
        refreshList(dialog.savedName());
}

void SamplesDialog::editSample()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    const SampleStore& store = m_library.store();
    if (const auto error = store.ensureFolder()) {
        MessageBox::error(this, *error);
        return;
    }
    if (!store.exists(name)) {
        MessageBox::error(this, QStringLiteral("The sample file %1 does not exist.")
                                    .arg(QDir::toNativeSeparators(store.filePath(name))));
        return;
    }
    EditSampleDialog dialog(store, m_library.settings(), name, this);
    if (const auto error = dialog.load()) {
        MessageBox::error(this, *error);
        return;
    }
    dialog.exec();
}

void SamplesDialog::deleteSample()
{
    QListWidgetItem* item = m_list->selectedItems().value(0);
    if (!item) {
        MessageBox::information(this, QStringLiteral("Please select a sample."));
        return;
    }
    const QString name = item->text();
    const QString question = QStringLiteral("Are you sure you wont to delete sample - ") + name + QStringLiteral("?");
    if (MessageBox::askYesNo(this, question, QStringLiteral("Delete")) != MessageBox::Button::Yes)
        return;
    if (const auto error = m_library.store().remove(name)) {
        // The name stays listed: the file is still there.
        MessageBox::error(this, *error);
        return;
    }
    delete m_list->takeItem(m_list->row(item));
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void SamplesDialog::renameSample()
{
    const QString name = selectedName();
    if (name.isEmpty()) {
        MessageBox::information(this, QStringLiteral("Please select a sample."));
        return;
    }
    RenameSampleDialog dialog(m_library, name, this);
    if (dialog.exec() == QDialog::Accepted)
        refreshList(dialog.currentName());
}

void SamplesDialog::pasteIntoUpperPane()
{
    pasteInto(Pane::Upper);
}

void SamplesDialog::pasteIntoLowerPane()
{
    pasteInto(Pane::Lower);
}

void SamplesDialog::done(int result)
{
    m_placement.store(*this);
    QDialog::done(result);
}

void SamplesDialog::refreshList(const QString& name)
{
    m_list->clear();
    const SampleStore::Listing listing = m_library.store().list();
    if (listing.error)
        MessageBox::error(this, *listing.error);
    m_list->addItems(listing.names);
    if (m_list->count() == 0)
        return;
    const QList<QListWidgetItem*> matches =
        name.isEmpty() ? QList<QListWidgetItem*>() : m_list->findItems(name, Qt::MatchExactly);
    if (matches.isEmpty())
        m_list->setCurrentRow(0);
    else
        m_list->setCurrentItem(matches.first());
}

void SamplesDialog::pasteInto(Pane pane)
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    if (m_library.putIntoPane(name, pane, this))
        accept();
}

} // namespace quendry

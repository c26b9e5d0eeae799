#include "app/report/ReportWriter.h"

#include "app/report/ComparisonReport.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace quendry {
namespace {

QString cannotSave(const QString& path, const QString& reason)
{
    return QStringLiteral("The report could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

std::optional<QString> commit(QSaveFile& file, const QString& path)
{
    if (!file.commit())
        return cannotSave(path, file.errorString());
    return std::nullopt;
}

} // namespace

ReportWriter::Format ReportWriter::formatOf(const QString& path)
{
    return QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0 ? Format::Pdf
                                                                                              : Format::Html;
}

std::optional<QString> ReportWriter::write(const ComparisonReport& report, const QString& path, Format format)
{
    return format == Format::Pdf ? writePdf(report, path) : writeHtml(report, path);
}

std::optional<QString> ReportWriter::writeHtml(const ComparisonReport& report, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotSave(path, file.errorString());
    const QByteArray bytes = report.html().toUtf8();
    if (file.write(bytes) != bytes.size())
        return cannotSave(path, file.errorString());
    return commit(file, path);
}

std::optional<QString> ReportWriter::writePdf(const ComparisonReport& report, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotSave(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Quendry comparison report"));
        writer.setCreator(QStringLiteral("Quendry"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
            QPageLayout::Millimeter));
        writer.setResolution(300);

        QTextDocument document;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(10);
        document.setDefaultFont(font);
        document.setHtml(report.html());
        document.print(&writer);
    }
    if (file.error() != QFileDevice::NoError)
        return cannotSave(path, file.errorString());
    return commit(file, path);
}

} // namespace quendry

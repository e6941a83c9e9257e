#include "printing/docprint/PdfFolder.h"

#include "printing/report/PagePainter.h"
#include "printing/report/ReportError.h"

#include <QDir>
#include <QFileInfo>

namespace kvr::printing {

namespace {

// Letters, digits, '-' and '.' stay; anything else (blanks, slashes) becomes '_'.
QString fileNamePart(const QString& text)
{
    QString out;
    for (const QChar c : text.trimmed())
        out += c.isLetterOrNumber() || c == u'-' || c == u'.' ? c : u'_';
    return out.isEmpty() ? QStringLiteral("_") : out;
}

} // namespace

PdfFolder::PdfFolder(const QString& folder)
    : m_folder(folder)
{ }

QString PdfFolder::nextPath(const PrintJob& job, const QString& suffix) const
{
    const QString base = QStringLiteral("%1_%2_%3%4")
                             .arg(fileNamePart(job.documentNo))
                             .arg(job.documentYear)
                             .arg(fileNamePart(QFileInfo(job.layoutFile).completeBaseName()), suffix);
    const QDir dir(m_folder);
    QString path = dir.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1-%2.pdf").arg(base).arg(n));
    return path;
}

QString PdfFolder::write(const report::PreparedReport& report, const PrintJob& job, const QString& suffix) const
{
    if (!QDir().mkpath(m_folder))
        throw report::ReportError(
            QStringLiteral("The folder for printed documents %1 cannot be created").arg(m_folder));
    const QString path = nextPath(job, suffix);
    report::PagePainter::writePdf(report, path);
    return path;
}

PdfFolderDevices::PdfFolderDevices(const QString& folder)
    : m_folder(folder)
{ }

void PdfFolderDevices::print(const report::PreparedReport& report, const PrintJob& job)
{
    m_lastFile = m_folder.write(report, job);
}

bool PdfFolderDevices::preview(const report::PreparedReport& report, const PrintJob& job, bool mayPrint)
{
    Q_UNUSED(mayPrint);
    m_lastFile = m_folder.write(report, job, QStringLiteral("-preview"));
    return false;
}

} // namespace kvr::printing

#include "cFileDialog.h"

#include "RuntimeError.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
const QChar Nul(0);
const QChar Separator('/');

// Text followed by fill characters up to size; a text that does not fit cannot be padded.
QString padded(const QString& text, qint32 size, QChar fill)
{
    if (text.size() > size)
        throw RuntimeError::standard(ErrorNumber::InvalidProcedureCall);
    return text + QString(size - text.size(), fill);
}
} // namespace

QString FileDialogErrorSource()
{
    QString path;
    if (QCoreApplication::instance())
        path = QCoreApplication::applicationFilePath();
    else
        path = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return QFileInfo(path).fileName() + QStringLiteral(".cFileDialog");
}

cFileDialog::cFileDialog()
{
    m_record.lStructSize = 76;
    m_record.nFilterIndex = 1;
}

QString cFileDialog::ConvertFilter(const QString& filter)
{
    QString converted = filter;
    for (QChar& c : converted) {
        if (c == QLatin1Char('|') || c == QLatin1Char(':'))
            c = Nul;
    }
    return converted + Nul + Nul;
}

void cFileDialog::setFileName(const QString& value)
{
    // Every Show rebuilds the buffer; this provisional form only rejects a name that cannot fit.
    QString provisional = padded(value, BufferSize, QLatin1Char(' ')) + Nul + Nul;
    m_FileName = value;
    m_record.lpstrFile = std::move(provisional);
}

void cFileDialog::setFilter(const QString& value)
{
    m_Filter = value;
    m_record.lpstrFilter = ConvertFilter(value);
}

void cFileDialog::setDefaultExt(const QString& value)
{
    m_DefaultExt = value;
    m_record.lpstrDefExt = value + Nul + Nul;
}

void cFileDialog::setInitDir(const QString& value)
{
    m_InitDir = value;
    m_record.lpstrInitialDir = value + Nul + Nul;
}

void cFileDialog::prepare(qint32 flags, qint32 bufferSize)
{
    m_record.Flags = flags;
    m_record.lpstrFile = padded(m_FileName, bufferSize, Nul);
    m_record.nMaxFile = bufferSize;
    m_record.lpstrFileTitle = padded(m_FileTitle, bufferSize, Nul);
    m_record.nMaxFileTitle = bufferSize;
}

int cFileDialog::callBackend(FileDialogKind kind)
{
    FileDialogBackend* backend = CurrentFileDialogBackend();
    return backend ? backend->show(kind, m_record) : 0;
}

void cFileDialog::ShowOpen()
{
    const bool multiSelect = (m_Flags & FileDialogFlag::AllowMultiSelect) != 0;
    if (multiSelect)
        prepare(m_Flags | FileDialogFlag::Explorer, MultiSelectBufferSize);
    else
        prepare(m_Flags, BufferSize);

    if (callBackend(FileDialogKind::Open) != 0) {
        // A multi-select answer keeps its NULs: ParseMultiFileName splits it.
        m_FileName = multiSelect ? m_record.lpstrFile : TextBeforeFirstNul(m_record.lpstrFile);
    } else if (m_CancelError) {
        throw RuntimeError(ErrorNumber::UserSelectedCancel, QStringLiteral("User selected cancel."),
                           FileDialogErrorSource());
    }
}

void cFileDialog::ShowSave()
{
    prepare(m_Flags, BufferSize);

    if (callBackend(FileDialogKind::Save) != 0)
        m_FileName = TextBeforeFirstNul(m_record.lpstrFile);
    else if (m_CancelError)
        m_FileName.clear();
}

void cFileDialog::ParseMultiFileName(QString& sDir, QStringList& sFiles, qint32& lFileCount) const
{
    const qsizetype end = m_FileName.indexOf(QString(2, Nul));
    const QString list = end < 0 ? m_FileName : m_FileName.left(end);

    if (!list.contains(Nul)) {
        lFileCount = 1;
        sFiles = QStringList(1);
        const qsizetype slash = m_FileName.lastIndexOf(Separator);
        if (slash < 0) {
            sDir.clear();
            sFiles[0] = TextBeforeFirstNul(m_FileName);
        } else {
            sDir = m_FileName.left(slash + 1);
            sFiles[0] = TextBeforeFirstNul(m_FileName.mid(slash + 1));
        }
        return;
    }

    const QStringList fields = list.split(Nul);
    sDir = fields.first();
    for (qsizetype i = 1; i < fields.size(); ++i) {
        ++lFileCount;
        sFiles.resize(lFileCount);
        sFiles[lFileCount - 1] = fields[i];
    }
}

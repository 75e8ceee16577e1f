#include "platform/filedialogfilters.h"

QStringList FilePatterns(const TFileFilterRow& row) {
    QStringList patterns;
    for (const QString& ext : row.Extensions)
        patterns << "*" + ext << "*" + ext.toUpper();
    return patterns;
}

QString FileFilter(const TFileFilterRow& row) {
    QStringList shown;
    for (const QString& ext : row.Extensions)
        shown << "*" + ext;
    return QStringLiteral("%1 (%2) (%3)")
        .arg(row.Description, shown.join(QStringLiteral(", ")),
             FilePatterns(row).join(QLatin1Char(' ')));
}

QString CombinedFileFilter(const QString& caption, const std::vector<TFileFilterRow>& rows) {
    QStringList patterns;
    for (const TFileFilterRow& row : rows)
        patterns << FilePatterns(row);
    return QStringLiteral("%1 (%2)").arg(caption, patterns.join(QLatin1Char(' ')));
}

std::vector<TFileFilterRow> FormatFilterRows(bool writing, unsigned groups) {
    std::vector<TFileFilterRow> rows;
    for (const TFontFormat& format : FontFormats()) {
        if (!(format.Group & groups) || !(writing ? format.CanWrite() : format.CanRead())) continue;
        TFileFilterRow row{QString::fromStdString(format.Description), {}};
        for (const std::string& ext : format.Extensions)
            row.Extensions << QString::fromStdString(ext);
        rows.push_back(row);
    }
    return rows;
}

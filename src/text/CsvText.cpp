#include "text/CsvText.h"

namespace qv {
namespace {

QString Field(const QString& cell, QChar separator) {
    const bool quoted = cell.contains(separator) || cell.contains(QLatin1Char('"')) ||
                        cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'));
    if (!quoted) {
        return cell;
    }
    QString text = cell;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString Joined(const QList<QStringList>& rows, QChar separator, const QString& lineEnd) {
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0) {
                text += separator;
            }
            text += Field(row[c], separator);
        }
        text += lineEnd;
    }
    return text;
}

} // namespace

QByteArray CsvBytes(const QList<QStringList>& rows) {
    return QByteArrayLiteral("\xEF\xBB\xBF") + Joined(rows, QLatin1Char(';'), QStringLiteral("\r\n")).toUtf8();
}

QString TabSeparatedText(const QList<QStringList>& rows) {
    return Joined(rows, QLatin1Char('\t'), QStringLiteral("\n"));
}

} // namespace qv

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace qv::test {

// Reads what a spreadsheet program reads from a file of ours: a UTF-8 byte-order mark, then rows
// ended by "\r\n", cells separated by ";", quoted cells with doubled quotation marks inside. Nothing
// for a file that breaks these rules (no mark, a bare "\n" outside quotes, an open quote, a missing
// last line end).
inline std::optional<QList<QStringList>> ReadCsv(const QByteArray& bytes) {
    if (!bytes.startsWith("\xEF\xBB\xBF")) {
        return std::nullopt;
    }
    const QString text = QString::fromUtf8(bytes.mid(3));
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    bool rowOpen = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        rowOpen = true;
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
        } else if (c == QLatin1Char('"') && cell.isEmpty()) {
            quoted = true;
        } else if (c == QLatin1Char(';')) {
            row << cell;
            cell.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
            rowOpen = false;
            ++i;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            return std::nullopt;
        } else {
            cell += c;
        }
    }
    if (quoted || rowOpen) {
        return std::nullopt;
    }
    return rows;
}

} // namespace qv::test

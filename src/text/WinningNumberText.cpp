#include "text/WinningNumberText.h"

namespace qv {

QStringList FilterWinningNumbers(const QString& text) {
    QStringList tokens;
    for (const std::u16string& token : FilterWinningNumbers(text.toStdU16String())) {
        tokens << QString::fromStdU16String(token);
    }
    return tokens;
}

NumberFields ToNumberFields(const QStringList& texts) {
    NumberFields fields;
    for (qsizetype k = 0; k < texts.size() && k < kNumberFields; ++k) {
        fields[static_cast<std::size_t>(k)] = texts[k].toStdU16String();
    }
    return fields;
}

QString SkippedFieldsText(const std::vector<std::u16string>& skipped) {
    if (skipped.empty()) {
        return {};
    }
    QStringList texts;
    for (const std::u16string& text : skipped) {
        texts << QString::fromStdU16String(text);
    }
    return QStringLiteral("Diese Einträge sind keine Zahlen von 1 bis 70 und wurden nicht übertragen: ") +
           texts.join(QStringLiteral(", ")) +
           QStringLiteral("\r\rBitte korrigieren Sie sie und markieren Sie die Zahlen selbst.");
}

} // namespace qv

#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace qv {

// The program's message boxes. Texts are the program's own; a "\r" in them is a line break.
class Messages {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Messages() = default;

    virtual void Error(const QString& text) = 0;
    virtual void Information(const QString& text) = 0;
    virtual void Warning(const QString& text) = 0;
    // A question with the buttons Yes and No.
    virtual Answer YesNo(const QString& text) = 0;
    // A question with the buttons Yes, No and Cancel.
    virtual Answer YesNoCancel(const QString& text) = 0;
    // A question answered by a day, preset to preset; nothing when the user cancels.
    virtual std::optional<QDate> ChooseDate(const QString& text, const QDate& preset) = 0;
};

// The text as a box shows it: every "\r" (alone or before "\n") becomes one line break.
QString DisplayText(const QString& text);

} // namespace qv

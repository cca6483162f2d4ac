#pragma once

#include "platform/Messages.h"

#include <QList>

#include <deque>

namespace qv {

// Records every box; questions take their answers from a queue (then defaultAnswer).
class FakeMessages final : public Messages {
public:
    enum class Kind { Error, Information, Warning, YesNo, YesNoCancel, ChooseDate };
    struct Box {
        Kind kind;
        QString text;
    };

    void Error(const QString& text) override { boxes.append({Kind::Error, text}); }
    void Information(const QString& text) override { boxes.append({Kind::Information, text}); }
    void Warning(const QString& text) override { boxes.append({Kind::Warning, text}); }
    Answer YesNo(const QString& text) override { return Ask(Kind::YesNo, text); }
    Answer YesNoCancel(const QString& text) override { return Ask(Kind::YesNoCancel, text); }
    // Records the question and answers with the next scripted day (nothing: cancelled).
    std::optional<QDate> ChooseDate(const QString& text, const QDate& preset) override {
        boxes.append({Kind::ChooseDate, text});
        datePresets.append(preset);
        if (dates.empty()) {
            return std::nullopt;
        }
        const std::optional<QDate> next = dates.front();
        dates.pop_front();
        return next;
    }

    void SetNextAnswer(Answer answer) { answers.push_back(answer); }
    // The texts of all boxes of one kind, in order.
    QStringList Texts(Kind kind) const;

    QList<Box> boxes;
    std::deque<Answer> answers;
    std::deque<std::optional<QDate>> dates;
    QList<QDate> datePresets;
    Answer defaultAnswer = Answer::No;

private:
    Answer Ask(Kind kind, const QString& text);
};

} // namespace qv

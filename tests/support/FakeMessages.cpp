#include "support/FakeMessages.h"

namespace qv {

QStringList FakeMessages::Texts(Kind kind) const {
    QStringList texts;
    for (const Box& box : boxes) {
        if (box.kind == kind) {
            texts << box.text;
        }
    }
    return texts;
}

Messages::Answer FakeMessages::Ask(Kind kind, const QString& text) {
    boxes.append({kind, text});
    if (answers.empty()) {
        return defaultAnswer;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace qv

#pragma once

#include "platform/PrintTarget.h"

#include <QList>

namespace qv {

// Records the documents and the texts printed into them.
class FakePrintTarget final : public PrintTarget {
public:
    struct Text {
        QPoint position;
        QString text;
    };
    struct Document {
        QString title;
        QList<Text> texts;
        bool ended = false;
    };

    bool Setup(QWidget*) override {
        ++setups;
        return setupAccepted;
    }
    bool BeginDocument(const QString& title) override {
        if (!beginAccepted) {
            return false;
        }
        documents.append({title, {}, false});
        return true;
    }
    void TextAt(QPoint position, const QString& text, const QFont&, const QColor&) override {
        if (!documents.isEmpty()) {
            documents.last().texts.append({position, text});
        }
    }
    void EndDocument() override {
        if (!documents.isEmpty()) {
            documents.last().ended = true;
        }
    }
    QPoint PhysicalOffset() const override { return offset; }

    QList<Document> documents;
    int setups = 0;
    bool setupAccepted = true;
    bool beginAccepted = true; // false: the printer refuses every document
    QPoint offset;
};

} // namespace qv

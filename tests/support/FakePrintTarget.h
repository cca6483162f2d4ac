#pragma once

#include "platform/PrintTarget.h"

#include <QList>

namespace qv {

// Records the documents and the texts and lines printed into them.
class FakePrintTarget final : public PrintTarget {
public:
    struct Text {
        QPoint position;
        QString text;
    };
    struct Line {
        QPoint from;
        QPoint to;
    };
    struct Document {
        QString title;
        QList<Text> texts;
        QList<Line> lines;
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
        documents.append({title, {}, {}, false});
        return true;
    }
    void TextAt(QPoint position, const QString& text, const QFont&, const QColor&) override {
        if (!documents.isEmpty()) {
            documents.last().texts.append({position, text});
        }
    }
    void LineAt(QPoint from, QPoint to, const QColor&) override {
        if (!documents.isEmpty()) {
            documents.last().lines.append({from, to});
        }
    }
    void EndDocument() override {
        if (!documents.isEmpty()) {
            documents.last().ended = true;
        }
    }
    QPoint PhysicalOffset() const override { return offset; }
    QRect PrintableArea() const override { return printable; }

    QList<Document> documents;
    int setups = 0;
    bool setupAccepted = true;
    bool beginAccepted = true; // false: the printer refuses every document
    QPoint offset;
    QRect printable{0, 0, 2100, 2970}; // a DIN A4 sheet, all of it printable
};

} // namespace qv

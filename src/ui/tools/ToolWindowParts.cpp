#include "ui/tools/ToolWindowParts.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>

namespace qv {

QPushButton* CloseButton(QWidget* window) {
    auto* button = new QPushButton(QStringLiteral("Sch&ließen"), window);
    button->setObjectName(QStringLiteral("BitBtn8"));
    button->setToolTip(QStringLiteral("Programm beenden"));
    QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
    return button;
}

QToolButton* PictureButton(const QString& name, const QIcon& icon, const QString& hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void SetPanelValue(QLabel* panel, const QString& caption, const QString& text) {
    panel->setText(text);
    panel->setAccessibleName(text.isEmpty() ? caption : caption + QStringLiteral(": ") + text);
}

void NameWithoutLineBreaks(QLabel* label) {
    QString text = label->text();
    // Before a small letter the hyphen only split the word; before a capital it belongs to it.
    static const QRegularExpression split(QStringLiteral("-\\n(?=\\p{Ll})"));
    text.replace(split, QString()).replace(QStringLiteral("-\n"), QStringLiteral("-"));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    label->setAccessibleName(text);
}

QLabel* BuddyLabel(const QString& name, const QString& caption, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(field);
    return label;
}

} // namespace qv

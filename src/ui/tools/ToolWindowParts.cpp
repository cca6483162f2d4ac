#include "ui/tools/ToolWindowParts.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace qv {

QPushButton* CloseButton(QWidget* window) {
    auto* button = new QPushButton(QStringLiteral("Sch&ließen"), window);
    button->setObjectName(QStringLiteral("BitBtn8"));
    button->setToolTip(QStringLiteral("Fenster schließen"));
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

QLabel* BuddyLabel(const QString& name, const QString& caption, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(field);
    return label;
}

} // namespace qv

#include "ui/widgets/Controls.h"

#include "ui/frame/WindowAccessibility.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace qv {

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumHeight(kButtonHeight);
    SetSpokenName(button, caption);
    return button;
}

QPushButton* TwoLineButton(const QString& name, const QString& caption, QWidget* parent, const QString& spoken) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumHeight(kTwoLineButtonHeight);
    if (spoken.isEmpty()) {
        SetSpokenName(button, caption);
    } else {
        button->setAccessibleName(spoken);
    }
    return button;
}

QToolButton* PictureButton(const QString& name, const QIcon& icon, const QString& hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(kPictureSize, kPictureSize));
    button->setToolTip(hint);
    SetSpokenName(button, hint);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLabel* BuddyLabel(const QString& caption, QWidget* field, QWidget* parent, const QString& name) {
    auto* label = new QLabel(caption, parent);
    if (!name.isEmpty()) {
        label->setObjectName(name);
    }
    label->setBuddy(field);
    if (field->accessibleName().isEmpty()) {
        field->setAccessibleName(SpokenCaption(caption).remove(QLatin1Char(':')).trimmed());
    }
    return label;
}

QPushButton* CloseButton(QWidget* window, const QString& name) {
    auto* button = Button(name, QStringLiteral("&Schließen"), window);
    button->setToolTip(QStringLiteral("Fenster schließen"));
    QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
    return button;
}

QHBoxLayout* CloseRow(QWidget* close, QWidget* help) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    if (help != nullptr) {
        row->addWidget(help);
    }
    row->addWidget(close);
    return row;
}

void SetPanelValue(QLabel* panel, const QString& caption, const QString& text) {
    panel->setText(text);
    panel->setAccessibleName(text.isEmpty() ? caption : caption + QStringLiteral(": ") + text);
}

} // namespace qv

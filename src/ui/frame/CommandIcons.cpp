#include "ui/frame/CommandIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qv {

namespace {

struct Glyph {
    QColor colour;
    QString text;
};

Glyph GlyphOf(Command command) {
    switch (command) {
    case Command::Statistik:
        return {QColor(0x2e, 0x7d, 0x32), QString()};
    case Command::Eingabe:
        return {QColor(0x15, 0x65, 0xc0), QStringLiteral("E")};
    case Command::Eingabe2:
        return {QColor(0x00, 0x83, 0x8f), QStringLiteral("T")};
    case Command::Tippcenter:
        return {QColor(0x6a, 0x1b, 0x9a), QStringLiteral("TC")};
    case Command::Systeme:
        return {QColor(0x28, 0x35, 0x93), QStringLiteral("S")};
    case Command::Analyse:
        return {QColor(0xad, 0x14, 0x57), QStringLiteral("A")};
    case Command::Kalender:
        return {QColor(0xc6, 0x28, 0x28), QStringLiteral("31")};
    case Command::NueberK:
        return {QColor(0x45, 0x5a, 0x64), QStringLiteral("nk")};
    case Command::Taschenrechner:
        return {QColor(0x5d, 0x40, 0x37), QStringLiteral("±")};
    case Command::Update:
        return {QColor(0x00, 0x69, 0x5c), QStringLiteral("↻")};
    case Command::OnlineSpielen:
        return {QColor(0xef, 0x6c, 0x00), QStringLiteral("@")};
    case Command::Druck:
        return {QColor(0x37, 0x47, 0x4f), QStringLiteral("D")};
    case Command::Optionen:
        return {QColor(0x61, 0x61, 0x61), QStringLiteral("⚙")};
    case Command::Oeffnen:
        return {QColor(0xf9, 0xa8, 0x25), QStringLiteral("…")};
    case Command::HilfeBenutzen:
    case Command::Inhalt:
        return {QColor(0x0d, 0x47, 0xa1), QStringLiteral("?")};
    case Command::Beenden:
        return {QColor(0xb7, 0x1c, 0x1c), QStringLiteral("✕")};
    case Command::Gewinnzahlen:
    case Command::Gewinnauswertung:
    case Command::Info:
    case Command::Gewinnchancen:
    case Command::Rueckblick:
        break;
    }
    return {QColor(0x54, 0x6e, 0x7a), QStringLiteral("·")};
}

} // namespace

QIcon CommandIcon(Command command) {
    return TileIcon(GlyphOf(command).colour, command == Command::Statistik ? QString() : GlyphOf(command).text);
}

QIcon TileIcon(const QColor& colour, const QString& text) {
    const Glyph glyph{colour, text};
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glyph.colour);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::white);
    if (text.isEmpty()) {
        painter.drawRect(7, 18, 5, 8);
        painter.drawRect(14, 10, 5, 16);
        painter.drawRect(21, 14, 5, 12);
    } else {
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(glyph.text.size() > 1 ? 13 : 18);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, glyph.text);
    }
    return QIcon(pixmap);
}

QPixmap StartPicture(QSize size) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    PaintStartPicture(painter, size);
    return pixmap;
}

void PaintStartPicture(QPainter& painter, QSize size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(0x0d, 0x2b, 0x5e));
    sky.setColorAt(1.0, QColor(0x1f, 0x6f, 0xb2));
    painter.fillRect(QRect(QPoint(0, 0), size), sky);

    // A few drawn balls of the game.
    const int numbers[] = {7, 19, 23, 42, 56, 70};
    const QColor colours[] = {QColor(0xff, 0xc1, 0x07), QColor(0xe5, 0x39, 0x35), QColor(0x43, 0xa0, 0x47),
                              QColor(0xff, 0xc1, 0x07), QColor(0x8e, 0x24, 0xaa), QColor(0xfb, 0x8c, 0x00)};
    QFont ballFont = painter.font();
    ballFont.setBold(true);
    ballFont.setPixelSize(15);
    for (int i = 0; i < 6; ++i) {
        const QRectF ball(30 + i * 58, 150, 44, 44);
        QRadialGradient shine(ball.center() - QPointF(8, 8), 30);
        shine.setColorAt(0, colours[i].lighter(150));
        shine.setColorAt(1, colours[i]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shine);
        painter.drawEllipse(ball);
        painter.setBrush(Qt::white);
        painter.drawEllipse(ball.adjusted(11, 11, -11, -11));
        painter.setPen(Qt::black);
        painter.setFont(ballFont);
        painter.drawText(ball, Qt::AlignCenter, QString::number(numbers[i]));
    }

    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setBold(true);
    title.setPixelSize(44);
    painter.setFont(title);
    painter.drawText(QRect(0, 40, size.width(), 60), Qt::AlignCenter, QStringLiteral("Quovadra"));
    QFont subtitle = painter.font();
    subtitle.setBold(false);
    subtitle.setPixelSize(17);
    painter.setFont(subtitle);
    painter.drawText(QRect(0, 100, size.width(), 30), Qt::AlignCenter,
                     QStringLiteral("Auswertung und Tipps für „20 aus 70“"));
    painter.restore();
}

} // namespace qv

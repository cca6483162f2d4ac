#include "ui/frame/CommandIcons.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qv {

namespace {

struct Glyph {
    QColor colour;
    QString text;
    const char* themeName; // the picture of the icon theme that shows the command
};

Glyph GlyphOf(Command command) {
    switch (command) {
    case Command::Statistik:
        return {QColor(0x2e, 0x7d, 0x32), QString(), "x-office-spreadsheet"};
    case Command::Eingabe:
        return {QColor(0x15, 0x65, 0xc0), QStringLiteral("E"), "x-office-document"};
    case Command::Eingabe2:
        return {QColor(0x00, 0x83, 0x8f), QStringLiteral("T"), "accessories-text-editor"};
    case Command::Tippcenter:
        return {QColor(0x6a, 0x1b, 0x9a), QStringLiteral("TC"), "applications-games"};
    case Command::Systeme:
        return {QColor(0x28, 0x35, 0x93), QStringLiteral("S"), "emblem-default"};
    case Command::Analyse:
        return {QColor(0xad, 0x14, 0x57), QStringLiteral("A"), "system-search"};
    case Command::Kalender:
        return {QColor(0xc6, 0x28, 0x28), QStringLiteral("31"), "x-office-calendar"};
    case Command::NueberK:
        return {QColor(0x45, 0x5a, 0x64), QStringLiteral("nk"), "applications-science"};
    case Command::Taschenrechner:
        return {QColor(0x5d, 0x40, 0x37), QStringLiteral("±"), "accessories-calculator"};
    case Command::Update:
        return {QColor(0x00, 0x69, 0x5c), QStringLiteral("↻"), "system-software-update"};
    case Command::OnlineSpielen:
        return {QColor(0xef, 0x6c, 0x00), QStringLiteral("@"), "web-browser"};
    case Command::Druck:
        return {QColor(0x37, 0x47, 0x4f), QStringLiteral("D"), "document-print"};
    case Command::Optionen:
        return {QColor(0x61, 0x61, 0x61), QStringLiteral("⚙"), "preferences-system"};
    case Command::Oeffnen:
        return {QColor(0xf9, 0xa8, 0x25), QStringLiteral("…"), "document-open"};
    case Command::HilfeBenutzen:
    case Command::Inhalt:
        return {QColor(0x0d, 0x47, 0xa1), QStringLiteral("?"), "help-browser"};
    case Command::Beenden:
        return {QColor(0xb7, 0x1c, 0x1c), QStringLiteral("✕"), "application-exit"};
    case Command::Info:
        return {QColor(0x54, 0x6e, 0x7a), QStringLiteral("i"), "help-about"};
    case Command::Gewinnzahlen:
        return {QColor(0x54, 0x6e, 0x7a), QStringLiteral("·"), "edit-paste"};
    case Command::Wiederholer:
        return {QColor(0x82, 0x77, 0x17), QStringLiteral("W"), "media-playlist-repeat"};
    case Command::Muster:
        return {QColor(0x9e, 0x9d, 0x24), QStringLiteral("M"), "x-office-drawing"};
    case Command::Gewinnauswertung:
    case Command::Gewinnchancen:
    case Command::Rueckblick:
        break;
    }
    return {QColor(0x54, 0x6e, 0x7a), QStringLiteral("·"), ""};
}

Glyph GlyphOf(Picture picture) {
    switch (picture) {
    case Picture::CloseWindow:
        return {QColor(0xb7, 0x1c, 0x1c), QStringLiteral("✕"), "window-close"};
    case Picture::CloseAll:
        return {QColor(0x7a, 0x22, 0x18), QStringLiteral("××"), "edit-clear-all"};
    case Picture::Clear:
        return {QColor(0xb0, 0x3a, 0x2e), QStringLiteral("×"), "edit-clear"};
    case Picture::Start:
        return {QColor(0x2e, 0x7d, 0x32), QStringLiteral("▶"), "media-playback-start"};
    case Picture::Stop:
        return {QColor(0xc6, 0x28, 0x28), QStringLiteral("■"), "media-playback-stop"};
    case Picture::Save:
        return {QColor(0x15, 0x65, 0xc0), QStringLiteral("S"), "document-save"};
    case Picture::Copy:
        return {QColor(0x3a, 0x6e, 0xa5), QStringLiteral("▣"), "edit-copy"};
    case Picture::Compute:
        return {QColor(0x2e, 0x7d, 0x32), QStringLiteral("="), "system-run"};
    }
    return {QColor(0x54, 0x6e, 0x7a), QStringLiteral("·"), ""};
}

// The theme's picture in every size the build copied in, or the painted tile where it found none.
QIcon IconOf(const Glyph& glyph, bool bars) {
    QIcon icon;
    const QString name = QString::fromUtf8(glyph.themeName);
    if (!name.isEmpty()) {
        for (const int size : {24, 48}) {
            const QString path = QStringLiteral(":/icons/%1/%2.png").arg(size).arg(name);
            if (QFile::exists(path)) {
                icon.addFile(path, QSize(size, size));
            }
        }
    }
    return icon.isNull() ? TileIcon(glyph.colour, bars ? QString() : glyph.text) : icon;
}

} // namespace

QIcon CommandIcon(Command command) {
    return IconOf(GlyphOf(command), command == Command::Statistik);
}

QIcon PictureIcon(Picture picture) {
    return IconOf(GlyphOf(picture), false);
}

QIcon TileIcon(const QColor& colour, const QString& text) {
    const Glyph glyph{colour, text, ""};
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

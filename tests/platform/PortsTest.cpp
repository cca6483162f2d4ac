#include "engine/core/FileError.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/QtPrintTarget.h"
#include "support/FakeMessages.h"
#include "ui/frame/AppSetup.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/GuardedApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace qv {
namespace {

TEST(Messages, CarriageReturnsBecomeLineBreaks) {
    EXPECT_EQ(DisplayText("Bitte korrigieren.\r\rIch breche erst einmal ab."),
              "Bitte korrigieren.\n\nIch breche erst einmal ab.");
    EXPECT_EQ(DisplayText("eins\r\nzwei\ndrei"), "eins\nzwei\ndrei");
}

TEST(Messages, BoxesSpeakGerman) {
    PrepareApplication(*qApp);
    QMessageBox box(QMessageBox::Question, "Bestätigung", "Soll fortgefahren werden?",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text(), "&Nein");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Abbrechen");
}

TEST(Application, WindowsCarryTheProgramsIconAndDesktopEntry) {
    PrepareApplication(*qApp);
    EXPECT_EQ(QGuiApplication::desktopFileName(), "de.quovadra.Quovadra");
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
    EXPECT_FALSE(QApplication::windowIcon().pixmap(QSize(32, 32)).isNull());
}

TEST(FileDialogs, ProgramFiltersBecomeQtNameFilters) {
    EXPECT_EQ(QtNameFilters("KENO-Schein-Datei|*.kts"), "KENO-Schein-Datei (*.kts)");
    EXPECT_EQ(QtNameFilters("Text-Dateien|*.txt;*.csv|Alle|*.*"), "Text-Dateien (*.txt *.csv);;Alle (*.*)");
}

TEST(ErrorReport, AnErrorAtTheTopOfAnActionIsShownWithTheSystemsTextAndTheProgramGoesOn) {
    FakeMessages messages;
    bool after = false;
    Guarded(messages, [] { throw FileError("/daten/BelgienKenoZahlen.tpp", "Kein Speicherplatz auf dem Gerät"); });
    Guarded(messages, [&after] { after = true; });
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(messages.boxes.first().kind, FakeMessages::Kind::Error);
    EXPECT_TRUE(messages.boxes.first().text.contains("Kein Speicherplatz auf dem Gerät"));
    EXPECT_TRUE(after);
}

// The system's texts are English; every box starts with a German sentence of the program's own.
TEST(ErrorReport, EveryErrorGetsAGermanSentenceBeforeTheSystemsText) {
    FakeMessages messages;
    Guarded(messages, [] { throw std::bad_alloc(); });
    Guarded(messages, [] { throw std::runtime_error("Is a directory"); });
    EXPECT_EQ(messages.Texts(FakeMessages::Kind::Error),
              (QStringList{QStringLiteral("Für diese Aktion reicht der Arbeitsspeicher nicht; sie wurde abgebrochen."),
                           QStringLiteral("Die Aktion wurde wegen eines Fehlers abgebrochen. (Systemmeldung: Is a "
                                          "directory)")}));
}

TEST(PrintTarget, PrintsIntoAPdfDocument) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("Schein.pdf");
    QtPrintTarget target(pdf);
    ASSERT_TRUE(target.BeginDocument("Schein 1"));
    target.TextAt(QPoint(200, 250), "x", QFont("DejaVu Sans", 10), Qt::darkBlue);
    target.EndDocument();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_GE(target.PhysicalOffset().x(), 0);
}

// An object whose event handling fails, as a window's handler may when a file cannot be written.
class FailingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw FileError("/daten/Einstellungen.qvo", "Keine Berechtigung");
        }
        return QObject::event(event);
    }
};

TEST(ErrorReport, AnErrorEscapingAnEventHandlerReachesTheGeneralReport) {
    auto* application = qobject_cast<GuardedApplication*>(qApp);
    ASSERT_NE(application, nullptr);
    FakeMessages messages;
    application->SetErrorReport(&messages);
    FailingObject failing;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&failing, &event);
    application->SetErrorReport(nullptr);
    EXPECT_EQ(messages.Texts(FakeMessages::Kind::Error).size(), 1);
}

} // namespace
} // namespace qv

#include "core/AppSetup.h"
#include "core/ErrorReport.h"
#include "core/FileError.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/fakes/FakeMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

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

} // namespace
} // namespace qv

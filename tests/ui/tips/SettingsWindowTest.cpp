#include "support/MainWindowFixture.h"

#include "engine/core/IniFile.h"
#include "engine/core/ProgramState.h"
#include "engine/evaluation/MainWindowSettings.h"
#include "engine/tips/SettingsRecord.h"
#include "ui/tips/TFOptionen.h"
#include "ui/tips/TFTippcenter.h"

#include <QLabel>
#include <QListWidget>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

class SettingsWindowTest : public MainWindowFixture {
protected:
    void StartWithDraws() {
        SaveDraws(DrawFile(), MadeUpHistory(5));
        Start();
        m_settings = qobject_cast<TFOptionen*>(m_app->Windows().Find(QStringLiteral("FOptionen")));
        ASSERT_NE(m_settings, nullptr);
    }
    template <typename T = QWidget>
    T* Settings(const QString& name) const {
        return Find<T>(m_settings, name);
    }
    void Press(const char* name) const {
        QTest::mouseClick(Settings<QPushButton>(QString::fromUtf8(name)), Qt::LeftButton);
    }
    // Adds the slip file name (written into the data folder) through the open dialog.
    QString AddFile(const QString& name) {
        const QString path = WriteSlip(name, Slip({{1, {1, 2, 3}}}));
        m_fakes.fileDialogs.SetNextChoice({path});
        Press("BHinzu");
        return path;
    }
    QStringList ListTexts() const {
        QStringList texts;
        auto* list = Settings<QListWidget>(QStringLiteral("l1"));
        for (int i = 0; i < list->count(); ++i) {
            texts << list->item(i)->text();
        }
        return texts;
    }
    int SlipTabs() const { return Main<QTabWidget>(QStringLiteral("PC1"))->count(); }
    TFTippcenter* Centre() const {
        return qobject_cast<TFTippcenter*>(m_app->Windows().Find(QStringLiteral("FTippcenter")));
    }
    SettingsRecord StoredRecord() const {
        return LoadSettingsRecord(Data() / kSettingsRecordFileName).value_or(SettingsRecord{});
    }

    TFOptionen* m_settings = nullptr;
};

TEST_F(SettingsWindowTest, ShowsItsCaptionsAndStartsEmpty) {
    StartWithDraws();
    EXPECT_EQ(m_settings->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Programmeinstellungen"));
    EXPECT_EQ(Settings<QPushButton>("BHinzu")->text(), QStringLiteral("Spielschein-\nDatei hinzufügen"));
    EXPECT_EQ(Settings<QPushButton>("BDel")->text(), QStringLiteral("Markierten\nEintrag löschen"));
    EXPECT_EQ(Settings<QPushButton>("BTransfer")->text(), QStringLiteral("In Tipp-Center-\nübertragen"));
    EXPECT_EQ(Settings<QLabel>("Label9")->text(), QStringLiteral("Speichern nicht vergessen!"));
    EXPECT_TRUE(Settings<QCheckBox>("CBOpen")->isChecked());
    EXPECT_TRUE(ListTexts().isEmpty());
    EXPECT_FALSE(State().SettingsLoaded);
    EXPECT_EQ(Settings<QComboBox>("ComboTyp6")->currentText(), QStringLiteral("--"));
    EXPECT_EQ(Settings<QComboBox>("ComboWie6")->currentText(), QStringLiteral("nur aus Restanten"));
}

TEST_F(SettingsWindowTest, TheListTakesTenFilesAndDeletingMovesTheRestUp) {
    StartWithDraws();
    Settings<QCheckBox>("CBOpen")->setChecked(false);
    for (int i = 0; i < 10; ++i) {
        AddFile(QStringLiteral("Schein%1.kts").arg(i));
    }
    EXPECT_EQ(m_fakes.fileDialogs.requests.first().title, QStringLiteral("Datei wählen"));
    EXPECT_EQ(m_fakes.fileDialogs.requests.first().filter, QStringLiteral("KENO-Schein-Datei|*.kts"));
    EXPECT_EQ(m_fakes.fileDialogs.requests.first().startFolder, FromPath(Data()));
    AddFile(QStringLiteral("Elf.kts"));
    EXPECT_EQ(Boxes(Kind::Error),
              QStringList{"Die Datei-Liste kann maximal 10 Einträge umfassen.\r\rBitte löschen Sie einen bestehenden "
                          "Eintrag über die rechte Maustaste.\r\rIch breche erst einmal ab."});
    EXPECT_EQ(ListTexts().size(), 10);
    EXPECT_EQ(SlipTabs(), 0); // only listed

    auto* list = Settings<QListWidget>(QStringLiteral("l1"));
    list->setCurrentRow(3);
    Press("BDel");
    EXPECT_EQ(ListTexts().size(), 9);
    EXPECT_EQ(ListTexts()[3], QStringLiteral("Schein4"));
    const SettingsRecord& record = State().Settings;
    EXPECT_EQ(QString::fromStdString(record.StartSlipList[3]), FromPath(Data() / "Schein4.kts"));
    EXPECT_EQ(QString::fromStdString(record.StartSlipList[8]), FromPath(Data() / "Schein9.kts"));
    EXPECT_TRUE(record.StartSlipList[9].empty());

    Settings<QCheckBox>("CBOpen")->setChecked(true);
    const QString added = AddFile(QStringLiteral("Neu.kts"));
    EXPECT_EQ(QString::fromStdString(record.StartSlipList[9]), added);
    EXPECT_EQ(ListTexts().last(), QStringLiteral("Neu"));
    EXPECT_EQ(SlipTabs(), 1); // opened in the main window as well
    EXPECT_EQ(Main<QTabWidget>(QStringLiteral("PC1"))->tabText(0), QStringLiteral("Neu"));
}

TEST_F(SettingsWindowTest, DeletingWithoutASelectionIsRefused) {
    StartWithDraws();
    Press("BDel");
    AddFile(QStringLiteral("Woche.kts"));
    Settings<QListWidget>(QStringLiteral("l1"))->clearSelection();
    Press("BDel");
    EXPECT_EQ(Boxes(Kind::Error), (QStringList{"Es gibt nichts zu löschen.",
                                               "Es wurde kein Listeneintrag markiert.\r\rIch breche erst einmal ab."}));
    EXPECT_EQ(ListTexts(), QStringList{"Woche"});
}

TEST_F(SettingsWindowTest, APathTooLongForTheListIsRefusedRatherThanCut) {
    StartWithDraws();
    m_fakes.fileDialogs.SetNextChoice({QStringLiteral("/") + QString(300, QLatin1Char('a')) + QStringLiteral(".kts")});
    Press("BHinzu");
    EXPECT_EQ(Boxes(Kind::Error), QStringList{"Der Pfad dieser Datei ist länger als 255 Zeichen; so lange Pfade kann "
                                              "die Liste nicht aufnehmen.\r\rIch breche erst einmal ab."});
    EXPECT_TRUE(ListTexts().isEmpty());
    EXPECT_EQ(SlipTabs(), 0);
}

TEST_F(SettingsWindowTest, PresetsReachTheTipCentreAsLastSaved) {
    StartWithDraws();
    EXPECT_EQ(Centre(), nullptr);
    Press("BTransfer");
    TFTippcenter* centre = Centre();
    ASSERT_NE(centre, nullptr);
    EXPECT_FALSE(centre->isVisible());
    for (int g = 1; g <= 6; ++g) {
        EXPECT_EQ(Find<QComboBox>(centre, QStringLiteral("ComboTyp%1").arg(g))->currentText(), QStringLiteral("--"));
    }

    Settings<QComboBox>("ComboTyp2")->setCurrentIndex(5);
    Settings<QComboBox>("ComboWie2")->setCurrentIndex(3);
    Press("BTransfer"); // not saved yet: still the zeros
    EXPECT_EQ(Find<QComboBox>(centre, "ComboTyp2")->currentText(), QStringLiteral("--"));

    Press("BSave");
    EXPECT_EQ(test::ReadFileBytes(Data() / kSettingsRecordFileName).size(), SettingsRecord::kSize);
    EXPECT_EQ(StoredRecord().presets.kenoTypes[1], 5);
    EXPECT_EQ(StoredRecord().presets.methods[1], 3);
    Press("BTransfer");
    EXPECT_EQ(Find<QComboBox>(centre, "ComboTyp2")->currentText(), QStringLiteral("6"));
    EXPECT_EQ(Find<QComboBox>(centre, "ComboWie2")->currentText(), QStringLiteral("per Zufall"));
    int shown = 0;
    for (int k = 1; k <= 10; ++k) {
        shown += Find<QWidget>(centre, QStringLiteral("Platz%1").arg(200 + k))->isVisibleTo(centre) ? 1 : 0;
    }
    EXPECT_EQ(shown, 6);
    EXPECT_FALSE(centre->isVisible());
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
}

TEST_F(SettingsWindowTest, ClosingAsksOnlyAfterWorkInTheWindow) {
    StartWithDraws();
    const QString question = QStringLiteral("Haben Sie alles gespeichert, was zu speichern ist?");
    m_settings->show();
    m_settings->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_settings));
    EXPECT_FALSE(m_settings->IsDirty());
    m_settings->close();
    EXPECT_FALSE(m_settings->isVisible());
    EXPECT_TRUE(Boxes(Kind::YesNo).isEmpty());

    m_settings->show();
    m_settings->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_settings));
    auto* list = Settings<QListWidget>(QStringLiteral("l1"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton);
    EXPECT_TRUE(m_settings->IsDirty());
    m_fakes.messages.SetNextAnswer(Messages::Answer::No);
    m_settings->close();
    EXPECT_TRUE(m_settings->isVisible());
    m_fakes.messages.SetNextAnswer(Messages::Answer::Yes);
    QTest::mouseClick(Settings<QPushButton>("BitBtn5"), Qt::LeftButton);
    EXPECT_FALSE(m_settings->isVisible());
    EXPECT_EQ(Boxes(Kind::YesNo), QStringList(2, question));
}

TEST_F(SettingsWindowTest, SavingClearsTheQuestion) {
    StartWithDraws();
    AddFile(QStringLiteral("Woche.kts"));
    EXPECT_TRUE(m_settings->IsDirty());
    Press("BSave");
    EXPECT_FALSE(m_settings->IsDirty());
    m_settings->close();
    EXPECT_TRUE(Boxes(Kind::YesNo).isEmpty());
}

TEST_F(SettingsWindowTest, TheSavedListAndPresetsComeBackAtTheNextStart) {
    SaveDraws(DrawFile(), MadeUpHistory(5));
    const QString own = WriteSlip(QStringLiteral("Eigen.kts"), Slip({{1, {1, 2}}}));
    const QString listed = WriteSlip(QStringLiteral("Liste.kts"), Slip({{1, {3, 4}}}));
    const QString later = WriteSlip(QStringLiteral("Spaeter.kts"), Slip({{1, {5, 6}}}));
    // The main window reopens its own file; the settings list holds it too, a vanished file in between,
    // and two more files.
    RecordChosenSlipFiles(IniFile(Data() / kSettingsFileName), {own.toStdString()});
    SettingsRecord record;
    record.StartSlipList[0] = own.toStdString();
    record.StartSlipList[1] = FromPath(Data() / "Weg.kts").toStdString();
    record.StartSlipList[2] = listed.toStdString();
    record.StartSlipList[3] = later.toStdString();
    record.presets.kenoTypes[0] = 3;
    record.presets.methods[0] = 1;
    SaveSettingsRecord(Data() / kSettingsRecordFileName, record);

    Start();
    m_settings = qobject_cast<TFOptionen*>(m_app->Windows().Find(QStringLiteral("FOptionen")));
    ASSERT_NE(m_settings, nullptr);
    EXPECT_TRUE(State().SettingsLoaded);
    EXPECT_EQ(ListTexts(), (QStringList{"Eigen", "Liste", "Spaeter"}));
    auto* tabs = Main<QTabWidget>(QStringLiteral("PC1"));
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Eigen"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Liste"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Spaeter"));
    EXPECT_EQ(Settings<QComboBox>("ComboTyp1")->currentText(), QStringLiteral("4"));
    EXPECT_EQ(Settings<QComboBox>("ComboWie1")->currentText(), QStringLiteral("nur aus Favoriten"));

    // Deleting the second entry removes "Liste", the entry it shows.
    Settings<QListWidget>(QStringLiteral("l1"))->setCurrentRow(1);
    Press("BDel");
    EXPECT_EQ(QString::fromStdString(State().Settings.StartSlipList[1]), later);

    // The tip centre, created later, starts with the presets.
    m_main->findChild<QAction*>(QStringLiteral("BTippcenter"))->trigger();
    TFTippcenter* centre = Centre();
    ASSERT_NE(centre, nullptr);
    EXPECT_EQ(Find<QComboBox>(centre, "ComboTyp1")->currentText(), QStringLiteral("4"));
    EXPECT_EQ(Find<QComboBox>(centre, "ComboWie1")->currentText(), QStringLiteral("nur aus Favoriten"));
}

TEST_F(SettingsWindowTest, ABrokenSettingsFileIsReportedAndLeftUnused) {
    {
        QFile file(FromPath(Data() / kSettingsRecordFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100, 'x'));
    }
    StartWithDraws();
    EXPECT_FALSE(State().SettingsLoaded);
    ASSERT_EQ(Boxes(Kind::Error).size(), 1);
    EXPECT_TRUE(Boxes(Kind::Error).first().contains(QStringLiteral("Programmeinstellungen")));
}

} // namespace
} // namespace qv::test

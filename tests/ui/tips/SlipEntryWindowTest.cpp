#include "support/MainWindowFixture.h"

#include "ui/frame/WindowRegistry.h"
#include "ui/tips/TFEingabe.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QShortcut>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

const QString kNothingComplete =
    QStringLiteral("Es wurde kein Tippfeld vollständig ausgefüllt.\r\rIch breche erst einmal ab.");

class SlipEntryWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        Start();
        m_entry =
            qobject_cast<TFEingabe*>(m_app->Windows().OpenOrRestore(m_app->Context(), QStringLiteral("FEingabe")));
        ASSERT_NE(m_entry, nullptr);
    }
    template <typename T = QWidget>
    T* Entry(const QString& name) const {
        return Find<T>(m_entry, name);
    }
    QLabel* Cell(int slip, int field, int number) const {
        return Entry<QLabel>(QStringLiteral("LZahl%1").arg(slip * 1000 + field * 100 + number));
    }
    void ClickCell(int slip, int field, int number) const {
        QTest::mouseClick(Cell(slip, field, number), Qt::LeftButton);
    }
    QRgb ColourOf(int slip, int field, int number) const {
        return Cell(slip, field, number)->palette().color(QPalette::Window).rgb();
    }
    void ClickNew() const { QTest::mouseClick(Entry<QPushButton>(QStringLiteral("BNeu")), Qt::LeftButton); }
    QPushButton* SaveButton(int slip) const {
        return Find<QPushButton>(Entry(QStringLiteral("frE%1").arg(slip)), QStringLiteral("BSave"));
    }
    void Save(int slip, const QString& as) {
        m_fakes.fileDialogs.SetNextChoice({as});
        QTest::mouseClick(SaveButton(slip), Qt::LeftButton);
    }
    void Choose(int slip, const char* group, int index) const {
        auto* item = Find<QRadioButton>(Entry(QStringLiteral("frE%1").arg(slip)),
                                        QStringLiteral("%1_%2").arg(QString::fromUtf8(group)).arg(index));
        QTest::mouseClick(item, Qt::LeftButton);
    }
    int Checked(int slip, const char* group) const {
        const auto* box = Find<QGroupBox>(Entry(QStringLiteral("frE%1").arg(slip)), QString::fromUtf8(group));
        const auto items = box->findChildren<QRadioButton*>();
        for (int i = 0; i < items.size(); ++i) {
            if (items[i]->isChecked()) {
                return i;
            }
        }
        return -1;
    }
    QString Path(const char* name) const { return FromPath(Data() / name); }

    TFEingabe* m_entry = nullptr;
};

TEST_F(SlipEntryWindowTest, ANewSlipShowsEightFieldsOfSeventyNumbers) {
    EXPECT_EQ(m_entry->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Spielschein-Eingabe"));
    EXPECT_EQ(Entry<QTabWidget>(QStringLiteral("PC1"))->count(), 0);
    EXPECT_EQ(Entry<QPushButton>(QStringLiteral("BNeu"))->text(), QStringLiteral("Neuer\nSchein"));
    EXPECT_EQ(Entry<QPushButton>(QStringLiteral("BOpen2"))->text(), QStringLiteral("Schein\neinlesen"));
    ClickNew();
    ClickNew();
    auto* tabs = Entry<QTabWidget>(QStringLiteral("PC1"));
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Schein2"));
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("TabE2"));
    const auto fields = tabs->currentWidget()->findChildren<QGroupBox*>(QString(), Qt::FindChildrenRecursively);
    QStringList captions;
    for (const QGroupBox* box : fields) {
        if (box->size() == QSize(152, 210)) {
            captions << box->title();
        }
    }
    EXPECT_EQ(captions,
              (QStringList{"Spiel 1", "Spiel 2", "Spiel 3", "Spiel 4", "Spiel 5", "Spiel 6", "Spiel 7", "Spiel 8"}));
    EXPECT_EQ(Cell(2, 8, 70)->text(), QStringLiteral("70"));
    EXPECT_EQ(Cell(2, 3, 45)->size(), QSize(20, 18));
    EXPECT_EQ(Cell(2, 3, 45)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(ColourOf(2, 3, 45), TFEingabe::kPlainColour);
    EXPECT_EQ(SaveButton(2)->text(), QStringLiteral("Spielschein\nspeichern"));
    EXPECT_EQ(Checked(2, "RGEinsatz"), 0);
    EXPECT_EQ(Checked(2, "RGZiehungen"), 0);
    EXPECT_EQ(m_entry->EntrySlipCount(), 2);
    ASSERT_EQ(m_entry->EntryStakeGroups().size(), 2u);
    EXPECT_EQ(m_entry->EntryDrawGroups()[1]->checkedId(), 0);
}

TEST_F(SlipEntryWindowTest, AnEleventhNumberIsIgnored) {
    ClickNew();
    for (int n = 1; n <= 10; ++n) {
        ClickCell(1, 4, n);
    }
    ClickCell(1, 4, 11);
    EXPECT_EQ(ColourOf(1, 4, 11), TFEingabe::kPlainColour);
    EXPECT_EQ(m_entry->EntrySlips()[0].Anz[3], 10);
    ClickCell(1, 4, 3);
    EXPECT_EQ(ColourOf(1, 4, 3), TFEingabe::kPlainColour);
    ClickCell(1, 4, 11);
    EXPECT_EQ(ColourOf(1, 4, 11), TFEingabe::kClickedColour);
    EXPECT_TRUE(m_entry->IsMarked(1, 4, 11));
}

TEST_F(SlipEntryWindowTest, ASlipWithoutACompleteFieldIsRefused) {
    ClickNew();
    ClickCell(1, 1, 7);
    Save(1, Path("Eins.kts"));
    EXPECT_EQ(Boxes(Kind::Error), QStringList{kNothingComplete});
    EXPECT_TRUE(m_fakes.fileDialogs.requests.isEmpty());
    EXPECT_FALSE(QFile::exists(Path("Eins.kts")));

    for (int n : {3, 2, 1}) {
        ClickCell(1, 2, n);
    }
    Save(1, Path("Eins.kts"));
    ASSERT_EQ(m_fakes.fileDialogs.requests.size(), 1);
    EXPECT_EQ(m_fakes.fileDialogs.requests[0].title, QStringLiteral("Datei speichern"));
    EXPECT_EQ(m_fakes.fileDialogs.requests[0].filter, QStringLiteral("KENO-Schein-Datei|*.kts"));
    EXPECT_EQ(ReadSlipFile(Data() / "Eins.kts"), Slip({{1, {7}}, {2, {1, 2, 3}}}));
}

TEST_F(SlipEntryWindowTest, FieldsTwoAndSevenWithStakeTenAndFourteenDraws) {
    // Slip 1 is opened from a full slip first; slip 2 must not inherit anything from it.
    WriteSlip(QStringLiteral("Voll.kts"), Slip({{1, {1, 2}},
                                                {2, {3, 4}},
                                                {3, {5, 6}},
                                                {4, {7, 8}},
                                                {5, {9, 10}},
                                                {6, {11, 12}},
                                                {7, {13, 14}},
                                                {8, {15, 16}}},
                                               2, 3));
    m_fakes.fileDialogs.SetNextChoice({Path("Voll.kts")});
    QTest::mouseClick(Entry<QPushButton>(QStringLiteral("BOpen2")), Qt::LeftButton);
    ClickNew();
    for (int n : {44, 2}) {
        ClickCell(2, 2, n);
    }
    for (int n : {70, 69, 1}) {
        ClickCell(2, 7, n);
    }
    Choose(2, "RGEinsatz", 5);
    Choose(2, "RGZiehungen", 4);
    Save(2, Path("Zwei.kts"));
    EXPECT_TRUE(Boxes(Kind::Error).isEmpty());
    EXPECT_EQ(ReadSlipFile(Data() / "Zwei.kts"), Slip({{2, {2, 44}}, {7, {1, 69, 70}}}, 5, 4));

    m_fakes.fileDialogs.SetNextChoice({Path("Zwei.kts")});
    m_entry->OpenSlipIntoEntry();
    EXPECT_EQ(Checked(3, "RGEinsatz"), 5);
    EXPECT_EQ(Checked(3, "RGZiehungen"), 4);
}

TEST_F(SlipEntryWindowTest, OpenedNumbersAreSortedAndOrange) {
    WriteSlip(QStringLiteral("Tipps.kts"), Slip({{1, {30, 5, 17}}}, 1, 2));
    m_fakes.fileDialogs.SetNextChoice({Path("Tipps.kts")});
    m_fakes.fileDialogs.SetNextChoice({Path("Tipps.kts")});
    m_entry->OpenSlipIntoEntry();
    m_entry->OpenSlipIntoEntry();
    auto* tabs = Entry<QTabWidget>(QStringLiteral("PC1"));
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Tipps.kts"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Tipps.kts"));
    EXPECT_EQ(m_fakes.fileDialogs.requests[0].title, QStringLiteral("Datei wählen"));
    for (int n : {5, 17, 30}) {
        EXPECT_EQ(ColourOf(1, 1, n), TFEingabe::kOpenedColour) << n;
    }
    EXPECT_EQ(SaveButton(1)->text(), QStringLiteral("Schein\nspeichern..."));
    EXPECT_EQ(Checked(1, "RGEinsatz"), 1);
    EXPECT_EQ(Checked(1, "RGZiehungen"), 2);

    // An orange number is unmarked by a click and marked again in the click colour.
    ClickCell(1, 1, 17);
    EXPECT_EQ(ColourOf(1, 1, 17), TFEingabe::kPlainColour);
    ClickCell(1, 1, 17);
    EXPECT_EQ(ColourOf(1, 1, 17), TFEingabe::kClickedColour);

    Save(1, Path("Sortiert.kts"));
    EXPECT_EQ(ReadSlipFile(Data() / "Sortiert.kts"), Slip({{1, {5, 17, 30}}}, 1, 2));
}

TEST_F(SlipEntryWindowTest, AnOldSlipFileIsConvertedWhenOpened) {
    std::vector<std::uint8_t> old(96, 0);
    old[0] = 12;
    old[1] = 3;
    old[80] = 2;
    old[88] = 4;
    QFile file(Path("Alt.kts"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(old.data()), static_cast<qint64>(old.size()));
    file.close();
    m_fakes.fileDialogs.SetNextChoice({Path("Alt.kts")});
    m_entry->OpenSlipIntoEntry();
    EXPECT_TRUE(m_entry->IsMarked(1, 1, 3));
    EXPECT_TRUE(m_entry->IsMarked(1, 1, 12));
    EXPECT_EQ(Checked(1, "RGEinsatz"), 4);
    EXPECT_EQ(ReadFileBytes(Data() / "Alt.kts").size(), 90u);
    EXPECT_TRUE(QFile::exists(FromPath(Data() / "AlteDateien" / "Alt.kts")));

    // An old file that holds no slip is refused before it is converted.
    old[1] = 12; // a number twice in field 1
    QFile bad(Path("Kaputt.kts"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(reinterpret_cast<const char*>(old.data()), static_cast<qint64>(old.size()));
    bad.close();
    const int slips = m_entry->EntrySlipCount();
    m_fakes.fileDialogs.SetNextChoice({Path("Kaputt.kts")});
    m_entry->OpenSlipIntoEntry();
    EXPECT_EQ(m_fakes.messages.Texts(FakeMessages::Kind::Error),
              QStringList{QStringLiteral("Die Datei „%1“ ist kein gültiger Spielschein (Feld 1: die Zahl 12 steht "
                                         "mehrmals darin); sie wird nicht verwendet.")
                              .arg(Path("Kaputt.kts"))});
    EXPECT_EQ(m_entry->EntrySlipCount(), slips);
    EXPECT_EQ(ReadFileBytes(Data() / "Kaputt.kts").size(), 96u);
}

TEST_F(SlipEntryWindowTest, CancelledDialogsChangeNothing) {
    m_entry->OpenSlipIntoEntry();
    EXPECT_EQ(m_entry->EntrySlipCount(), 0);
    ClickNew();
    ClickCell(1, 1, 1);
    ClickCell(1, 1, 2);
    QTest::mouseClick(SaveButton(1), Qt::LeftButton);
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
    EXPECT_EQ(m_entry->EntrySlips()[0].typ[0], 0);
}

TEST_F(SlipEntryWindowTest, ClosedTabsKeepTheirNumbers) {
    ClickNew();
    ClickNew();
    auto* tabs = Entry<QTabWidget>(QStringLiteral("PC1"));
    tabs->setCurrentIndex(0);
    Entry<QShortcut>(QStringLiteral("CloseTabKey"))->activated();
    EXPECT_EQ(m_entry->NumberCell(1101), nullptr);
    m_entry->ToggleNumber(1101); // the cell is gone: nothing happens
    EXPECT_FALSE(m_entry->IsMarked(1, 1, 1));
    ClickNew();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Schein3"));
    EXPECT_NE(m_entry->NumberCell(3101), nullptr);
    EXPECT_EQ(m_entry->EntrySlipCount(), 3);
}

TEST_F(SlipEntryWindowTest, TipRowsGoIntoTheEmptyFieldsOfTheNewestSlip) {
    // No slip yet: one is begun.
    EXPECT_EQ(m_entry->EnterTipRows({{1, 2, 3}, {}, {4, 5}}), 1);
    EXPECT_TRUE(m_entry->IsMarked(1, 1, 3));
    EXPECT_TRUE(m_entry->IsMarked(1, 2, 5));
    EXPECT_EQ(ColourOf(1, 2, 5), TFEingabe::kClickedColour);
    // Field 4 is taken by hand; the next rows skip it.
    ClickCell(1, 4, 70);
    EXPECT_EQ(m_entry->EnterTipRows({{10, 11}, {12, 13}}), 1);
    EXPECT_TRUE(m_entry->IsMarked(1, 3, 10));
    EXPECT_TRUE(m_entry->IsMarked(1, 5, 12));
    // Four rows do not fit the three free fields left.
    EXPECT_EQ(m_entry->EnterTipRows({{1, 2}, {3, 4}, {5, 6}, {7, 8}}), 2);
    EXPECT_TRUE(m_entry->IsMarked(2, 4, 8));
    EXPECT_EQ(m_entry->EntrySlipCount(), 2);
}

TEST_F(SlipEntryWindowTest, MenuAndKeyboard) {
    auto* neu = m_entry->findChild<QAction*>(QStringLiteral("MNeuerSpielschein"));
    ASSERT_NE(neu, nullptr);
    neu->trigger();
    EXPECT_EQ(m_entry->EntrySlipCount(), 1);
    EXPECT_FALSE(m_entry->findChild<QAction*>(QStringLiteral("MEingabe"))->isEnabled());
    // Main window's slip-entry command is available now that the window exists.
    EXPECT_TRUE(m_app->Context().commands.IsAvailable(Command::Eingabe));
    EXPECT_TRUE(m_app->Context().commands.IsAvailable(Command::Eingabe2));

    auto* field = Cell(1, 2, 1)->parentWidget();
    m_entry->activateWindow();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Right);
    QTest::keyClick(field, Qt::Key_Space);
    EXPECT_TRUE(m_entry->IsMarked(1, 2, 12));
    // The screen reader hears the field, the number and its state.
    EXPECT_EQ(field->accessibleName(), QStringLiteral("Spiel 2, Zahl 12 angekreuzt"));
    EXPECT_EQ(Find<QPushButton>(m_entry, QStringLiteral("BitBtn8"))->text(), QStringLiteral("&Schließen"));
}

} // namespace
} // namespace qv::test

#include "ui/widgets/GridExport.h"

#include "support/CsvReader.h"
#include "support/FakePorts.h"
#include "support/TempDir.h"
#include "text/DataFolder.h"
#include "ui/widgets/StringGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

QByteArray FileBytes(const std::filesystem::path& path) {
    QFile file(FromPath(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The open export menu, if any.
QMenu* OpenMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void CloseMenu() {
    if (QMenu* menu = OpenMenu()) {
        menu->close();
    }
}

QAction* MenuItem(const char* name) {
    QMenu* menu = OpenMenu();
    return menu ? menu->findChild<QAction*>(QString::fromUtf8(name)) : nullptr;
}

class GridExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Headings in row 0, centred by leading blanks as the program's grids centre them; cells that
        // need quoting in a CSV file; two empty rows kept ready below.
        m_grid.setObjectName(QStringLiteral("G1"));
        m_grid.SetCell(0, 0, QStringLiteral("   Datum"));
        m_grid.SetCell(1, 0, QStringLiteral("  Gewinn"));
        m_grid.SetCell(2, 0, QStringLiteral("Bemerkung"));
        m_grid.SetCell(0, 1, QStringLiteral("01.08.2024"));
        m_grid.SetCell(1, 1, QStringLiteral("1.234,50 €"));
        m_grid.SetCell(2, 1, QStringLiteral("Typ \"10\"; zwei\nZeilen"));
        m_grid.SetCell(0, 2, QStringLiteral("02.08.2024"));
        m_grid.SetCell(1, 2, QStringLiteral("-0,50"));
        m_grid.setRowCount(5);
        InstallGridExport(m_grid, m_fakes.ports, QStringLiteral("Auswertung.csv"));
        m_grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_grid));
        m_grid.setFocus();
    }
    void TearDown() override { CloseMenu(); }

    const QList<QStringList> m_shown = {
        {"Datum", "Gewinn", "Bemerkung"},
        {"01.08.2024", "1.234,50 €", "Typ \"10\"; zwei\nZeilen"},
        {"02.08.2024", "-0,50", ""},
    };
    FakePorts m_fakes;
    StringGrid m_grid;
    TempDir m_dir;
};

TEST_F(GridExportTest, SavedFileReadsBackAsTheGrid) {
    EXPECT_EQ(GridTexts(m_grid), m_shown) << "headings of row 0 first, blanks trimmed, empty rows left out";

    const std::filesystem::path path = m_dir / "Auswertung.csv";
    m_fakes.fileDialogs.SetNextChoice({FromPath(path)});
    QTest::keyClick(&m_grid, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(OpenMenu(), nullptr) << "Shift+F10 opens the menu";
    ASSERT_NE(MenuItem("ExportSpeichern"), nullptr);
    EXPECT_EQ(MenuItem("ExportKopieren")->text(), QStringLiteral("&Kopieren"));
    EXPECT_EQ(MenuItem("ExportKopieren")->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(MenuItem("ExportSpeichern")->text(), QStringLiteral("Als CSV &speichern..."));
    MenuItem("ExportSpeichern")->trigger();

    ASSERT_EQ(m_fakes.fileDialogs.requests.size(), 1);
    const FileDialogRequest& request = m_fakes.fileDialogs.requests[0];
    EXPECT_EQ(request.title, QStringLiteral("Als CSV speichern"));
    EXPECT_EQ(request.filter, QStringLiteral("CSV-Datei (Semikolon)|*.csv"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("csv"));
    EXPECT_EQ(request.proposedName, QStringLiteral("Auswertung.csv"));
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());

    const QByteArray bytes = FileBytes(path);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"
                                 "Datum;Gewinn;Bemerkung\r\n"
                                 "01.08.2024;1.234,50 \xE2\x82\xAC;\"Typ \"\"10\"\"; zwei\nZeilen\"\r\n"));
    EXPECT_EQ(ReadCsv(bytes), m_shown);
}

TEST_F(GridExportTest, CopyByKeyAndByMenuAndTheMenuKey) {
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&m_grid, Qt::Key_C, Qt::ControlModifier);
    const QString tabs = QStringLiteral("Datum\tGewinn\tBemerkung\n"
                                        "01.08.2024\t1.234,50 €\t\"Typ \"\"10\"\"; zwei\nZeilen\"\n"
                                        "02.08.2024\t-0,50\t\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), tabs);
    ASSERT_NE(QGuiApplication::clipboard()->mimeData(), nullptr);
    EXPECT_EQ(ReadCsv(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/csv"))), m_shown);

    // The menu key and the right mouse button arrive as context-menu events.
    QGuiApplication::clipboard()->clear();
    QContextMenuEvent byKey(QContextMenuEvent::Keyboard, QPoint(0, 0), m_grid.mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(&m_grid, &byKey);
    ASSERT_NE(MenuItem("ExportKopieren"), nullptr);
    MenuItem("ExportKopieren")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), tabs);
    CloseMenu();

    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, QPoint(10, 10), m_grid.viewport()->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(m_grid.viewport(), &byMouse);
    EXPECT_NE(MenuItem("ExportKopieren"), nullptr) << "a right click in the cells";
    EXPECT_TRUE(m_fakes.fileDialogs.requests.isEmpty());
}

TEST_F(GridExportTest, FailedSaveIsReportedAndCancelWritesNothing) {
    m_fakes.fileDialogs.SetNextChoice({});
    QTest::keyClick(&m_grid, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(MenuItem("ExportSpeichern"), nullptr);
    MenuItem("ExportSpeichern")->trigger();
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty()) << "cancelled";
    CloseMenu();

    const std::filesystem::path path = m_dir / "fehlt" / "Auswertung.csv";
    m_fakes.fileDialogs.SetNextChoice({FromPath(path)});
    QTest::keyClick(&m_grid, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(MenuItem("ExportSpeichern"), nullptr);
    MenuItem("ExportSpeichern")->trigger();
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Error),
              QStringList{QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden; die alte Datei bleibt "
                                         "unverändert. (Systemmeldung: No such file or directory)")
                              .arg(FromPath(path))});
    EXPECT_FALSE(std::filesystem::exists(path.parent_path()));
}

TEST(GridTexts, TableViewGivesItsHeadingsAndLeavesHiddenColumnsOut) {
    QStandardItemModel model(2, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("Position"), QStringLiteral("intern"), QStringLiteral("Anzahl")});
    model.setItem(0, 0, new QStandardItem(QStringLiteral("1")));
    model.setItem(0, 1, new QStandardItem(QStringLiteral("x")));
    model.setItem(0, 2, new QStandardItem(QStringLiteral("12")));
    // A cell that shows only a colour gives what a screen reader hears.
    auto* coloured = new QStandardItem;
    coloured->setData(QStringLiteral("7 neu"), Qt::AccessibleTextRole);
    model.setItem(1, 0, coloured);
    QTableView view;
    view.setModel(&model);
    view.setColumnHidden(1, true);
    EXPECT_EQ(GridTexts(view), (QList<QStringList>{{"Position", "Anzahl"}, {"1", "12"}, {"7 neu", ""}}));

    FakePorts fakes;
    InstallGridExport(view, fakes.ports, QStringLiteral("x.csv"));
    model.clear();
    QTest::keyClick(&view, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(MenuItem("ExportKopieren"), nullptr);
    EXPECT_FALSE(MenuItem("ExportKopieren")->isEnabled()) << "nothing to copy";
    EXPECT_FALSE(MenuItem("ExportSpeichern")->isEnabled());
    CloseMenu();
}

} // namespace
} // namespace qv::test

#include "support/CliRunner.h"
#include "support/MainWindowFixture.h"

#include "engine/systems/WheelProof.h"
#include "engine/tips/TipRowText.h"
#include "ui/tips/TFEingabe.h"
#include "ui/tips/TFSysteme.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

class SystemsWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        SaveDraws(DrawFile(), MadeUpHistory(3));
        Start();
        m_window = qobject_cast<TFSysteme*>(
            m_app->Windows().OpenOrRestore(m_app->Context(), QString::fromUtf8(TFSysteme::kFormName)));
        ASSERT_NE(m_window, nullptr);
    }

    template <typename T = QWidget>
    T* In(const QString& name) const {
        return Find<T>(m_window, name);
    }

    // Marks the pool on the window's board, as the player clicks it, and sets type, p and t.
    void Choose(const std::vector<int>& pool, int type, int ifDrawn, int hits) const {
        for (int n : pool) {
            QTest::mouseClick(In<QPushButton>(QStringLiteral("lot%1").arg(n)), Qt::LeftButton);
        }
        auto* typeBox = In<QComboBox>(QStringLiteral("CBTyp"));
        typeBox->setCurrentIndex(typeBox->findData(type));
        In<QSpinBox>(QStringLiteral("SEWenn"))->setValue(ifDrawn);
        In<QSpinBox>(QStringLiteral("SETreffer"))->setValue(hits);
    }

    void CalculateAndWait() const {
        QSignalSpy finished(m_window, &TFSysteme::CalculationFinished);
        QTest::mouseClick(In<QPushButton>(QStringLiteral("BBerechnen")), Qt::LeftButton);
        ASSERT_TRUE(finished.wait(60000));
    }

    // The row grid's numbers, one text line a row as the command line prints them.
    QStringList GridRows() const {
        auto* grid = In<QTableView>(QStringLiteral("GReihen"));
        const QAbstractItemModel* model = grid->model();
        QStringList rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList numbers;
            for (int c = 1; c < model->columnCount(); ++c) {
                numbers << model->index(r, c).data().toString();
            }
            rows << numbers.join(QLatin1Char(' '));
        }
        return rows;
    }

    TFSysteme* m_window = nullptr;
};

TEST_F(SystemsWindowTest, TheGridHoldsTheCommandLinesRowsForTheSameSeedAndSteps) {
    const std::vector<int> pool = {3, 8, 15, 22, 29, 34, 41, 47, 52, 58, 63, 69};
    Choose(pool, 5, 4, 3);
    m_window->SetSearchSteps(3000, 9);
    CalculateAndWait();
    const QStringList rows = GridRows();
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_TRUE(In<QLabel>(QStringLiteral("LBeweis"))->text().startsWith(QStringLiteral("Bewiesen: ")));

    const CliRun cli = Cli(m_folder, {QStringLiteral("wheel"), QStringLiteral("--pool"),
                                      QStringLiteral("3,8,15,22,29,34,41,47,52,58,63,69"), QStringLiteral("--type"),
                                      QStringLiteral("5"), QStringLiteral("--if"), QStringLiteral("4"),
                                      QStringLiteral("--hits"), QStringLiteral("3"), QStringLiteral("--steps"),
                                      QStringLiteral("3000"), QStringLiteral("--seed"), QStringLiteral("9")});
    ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();
    const QStringList printed = cli.out.split(QLatin1Char('\n')).mid(0, static_cast<int>(rows.size()));
    EXPECT_EQ(printed, rows);
    EXPECT_EQ(cli.out.split(QLatin1Char('\n')).at(rows.size()), QString());
}

TEST_F(SystemsWindowTest, AnImpossibleRequestIsRefusedWithAMessage) {
    Choose({5, 9, 12}, 6, 4, 3);
    QTest::mouseClick(In<QPushButton>(QStringLiteral("BBerechnen")), Qt::LeftButton);
    EXPECT_EQ(Boxes(Kind::Error),
              QStringList{QStringLiteral(
                  "Der Pool muss mehr Zahlen haben als eine Reihe (mindestens 7) und höchstens 32; er hat 3.")});
    EXPECT_FALSE(m_window->Calculating());
    EXPECT_FALSE(In<QPushButton>(QStringLiteral("BUebertragen"))->isEnabled());
}

TEST_F(SystemsWindowTest, TheRowsGoIntoSlipsEightToASlipAndIntoATextFile) {
    Choose({1, 2, 3, 4, 5, 6, 7, 8, 9}, 3, 2, 2);
    m_window->SetSearchSteps(20000, 3);
    CalculateAndWait();
    ASSERT_EQ(m_window->Rows().size(), 12u); // the affine plane of order 3

    QTest::mouseClick(In<QPushButton>(QStringLiteral("BUebertragen")), Qt::LeftButton);
    auto* entry = qobject_cast<TFEingabe*>(m_app->Windows().Find(QStringLiteral("FEingabe")));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->EntrySlipCount(), 2); // 8 + 4 rows

    const QString path = m_folder.filePath(QStringLiteral("System.txt"));
    m_fakes.fileDialogs.SetNextChoice({path});
    QTest::mouseClick(In<QPushButton>(QStringLiteral("BSpeichern")), Qt::LeftButton);
    const QByteArray bytes = ReadFile(path);
    ASSERT_FALSE(bytes.isEmpty());
    const std::vector<TipRowCells> read =
        ParseTipRows(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    ASSERT_EQ(read.size(), 12u);
    for (std::size_t r = 0; r < read.size(); ++r) {
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(read[r][kFirstNumberColumn + i], std::to_string(m_window->Rows()[r][i]));
        }
    }
    EXPECT_TRUE(Boxes(Kind::Error).isEmpty());
}

TEST_F(SystemsWindowTest, CancelKeepsTheBestSystemFoundSoFarProven) {
    std::vector<int> pool;
    for (int n = 1; n <= 20; ++n) {
        pool.push_back(n * 3);
    }
    Choose(pool, 7, 5, 4);
    In<QSpinBox>(QStringLiteral("SESuchzeit"))->setValue(600);
    QSignalSpy finished(m_window, &TFSysteme::CalculationFinished);
    QTest::mouseClick(In<QPushButton>(QStringLiteral("BBerechnen")), Qt::LeftButton);
    EXPECT_TRUE(m_window->Calculating());
    EXPECT_FALSE(In<QPushButton>(QStringLiteral("BBerechnen"))->isEnabled());
    QTest::qWait(300);
    QTest::mouseClick(In<QPushButton>(QStringLiteral("BAbbruch")), Qt::LeftButton);
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_FALSE(m_window->Rows().empty());
    EXPECT_TRUE(In<QLabel>(QStringLiteral("LStatus"))->text().startsWith(QStringLiteral("Abgebrochen")));
    EXPECT_TRUE(In<QLabel>(QStringLiteral("LBeweis"))->text().startsWith(QStringLiteral("Bewiesen: ")));
    std::vector<RowMask> rows;
    for (const std::vector<int>& row : m_window->Rows()) {
        rows.push_back(*MaskOf(row, pool));
    }
    EXPECT_TRUE(ProveWheel(rows, 20, 5, 4).holds);
}

} // namespace
} // namespace qv::test

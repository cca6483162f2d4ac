#pragma once

#include "engine/core/DrawStore.h"
#include "engine/core/SlipFile.h"
#include "support/FakePorts.h"
#include "support/StartWindowSteps.h"
#include "support/TestSlips.h"
#include "text/DataFolder.h"
#include "ui/app/Application.h"
#include "ui/app/WindowTable.h"
#include "ui/draws/TFGewinnzahlen.h"
#include "ui/evaluation/TFAuswertung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <numeric>

namespace qv::test {

// Draw i of a made-up history: dated day first+i, numbers 1+(i mod 50) to 20+(i mod 50) ascending.
inline TGewZahlen MadeUpDraw(TDate date, int i) {
    TGewZahlen draw;
    draw.datum = date;
    std::iota(draw.GZ.begin(), draw.GZ.begin() + 20, static_cast<std::uint8_t>(1 + i % 50));
    return draw;
}

inline std::vector<TGewZahlen> MadeUpHistory(int count, TDate first = 45505) { // 01.08.2024
    std::vector<TGewZahlen> draws;
    for (int i = 0; i < count; ++i) {
        draws.push_back(MadeUpDraw(first + i, i));
    }
    return draws;
}

inline std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    QFile file(FromPath(path));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

// The real program with its real windows over a data folder of the test's own, driven through fakes.
class MainWindowFixture : public ::testing::Test {
protected:
    std::filesystem::path Data() const { return ToPath(m_folder.path()); }
    std::filesystem::path DrawFile() const { return Data() / kDrawFileName; }

    QString WriteSlip(const QString& name, const TSchein& slip) const {
        const auto path = Data() / name.toStdString();
        WriteSlipFile(path, slip);
        return FromPath(path);
    }

    void Start() {
        Application::Options options;
        options.dataFolder = Data();
        options.installFolders = {ToPath(QStringLiteral(QV_SOURCE_DATA_DIR))};
        options.fadeMilliseconds = 1;
        m_numbers = nullptr;
        m_app = std::make_unique<Application>(m_fakes.ports, options);
        m_app->Start();
        m_main = qobject_cast<TFAuswertung*>(m_app->MainWindow());
        ASSERT_NE(m_main, nullptr);
    }

    // "Weiter" in the start window: the main window shows.
    void Continue() { ASSERT_TRUE(PressWeiter(*m_app)); }

    template <typename T = QWidget>
    T* Find(QWidget* window, const QString& name) const {
        auto* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    template <typename T = QWidget>
    T* Main(const QString& name) const {
        return Find<T>(m_main, name);
    }
    void Click(const QString& name) const { QTest::mouseClick(Main<QAbstractButton>(name), Qt::LeftButton); }
    void ClickNumber(int n) const { Click(QStringLiteral("lot%1").arg(n)); }
    bool Marked(int n) const { return Main<QPushButton>(QStringLiteral("lot%1").arg(n))->font().bold(); }
    int MarkedCount() const {
        int count = 0;
        for (int n = 1; n <= 70; ++n) {
            count += Marked(n) ? 1 : 0;
        }
        return count;
    }
    // The winning-number window, made (unseen) when a test first asks for it, as the program makes it
    // when it is first shown.
    TFGewinnzahlen* Numbers() const {
        if (m_numbers == nullptr) {
            m_numbers = qobject_cast<TFGewinnzahlen*>(
                m_app->Windows().Create(m_app->Context(), QStringLiteral("FGewinnzahlen")));
            EXPECT_NE(m_numbers, nullptr);
        }
        return m_numbers;
    }
    ProgramState& State() const { return m_app->State(); }
    QStringList Boxes(FakeMessages::Kind kind) const { return m_fakes.messages.Texts(kind); }

    QTemporaryDir m_folder;
    FakePorts m_fakes;
    std::unique_ptr<Application> m_app;
    TFAuswertung* m_main = nullptr;
    mutable TFGewinnzahlen* m_numbers = nullptr;
};

} // namespace qv::test

// Shows every window of the program as the user sees it and saves one picture per window, so that
// anyone can look at the program without clicking through it. Usage: qv_screenshots DIR
#include "engine/core/DrawStore.h"
#include "engine/draws/DrawImport.h"
#include "platform/Messages.h"
#include "support/FakePorts.h"
#include "text/DataFolder.h"
#include "ui/analysis/PatternModels.h"
#include "ui/analysis/TFAnalyse.h"
#include "ui/analysis/TFChart1.h"
#include "ui/analysis/TFDetail1.h"
#include "ui/analysis/TFDetail2.h"
#include "ui/analysis/TFStatistik1.h"
#include "ui/draws/TFGewinnzahlen.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/frame/AppSetup.h"
#include "ui/frame/Application.h"
#include "ui/frame/TFHilfe.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/printing/TFAbbild.h"
#include "ui/tips/TFEingabe.h"
#include "ui/tips/TFEingabe2.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

bool Save(QWidget* window, const QDir& folder, const QString& name) {
    QTest::qWait(150);
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    qv::PrepareBeforeApplication();
    QApplication application(argc, argv);
    qv::PrepareApplication(application);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qv_screenshots DIR\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    // A fresh data folder, so the pictures show a first start and the user's files stay untouched.
    QTemporaryDir data;
    qv::FakePorts fakes;
    qv::Application::Options options;
    options.dataFolder = qv::ToPath(data.path());
    // The real history beside the repository, when it is there, fills the date lists.
    QFile csv(QStringLiteral(QV_REAL_DRAWS_CSV));
    if (csv.open(QIODevice::ReadOnly)) {
        const QByteArray text = csv.readAll();
        const qv::DrawImport history = qv::ParseDrawHistory(std::string_view(text.constData(), text.size()));
        qv::SaveDraws(options.dataFolder / qv::kDrawFileName, history.draws);
    }
    qv::Application quovadra(fakes.ports, options);
    quovadra.Start();

    bool ok = Save(quovadra.StartWindow(), folder, QStringLiteral("FStart"));

    QWidget* main = quovadra.MainWindow();
    main->setWindowOpacity(1.0);
    quovadra.StartWindow()->hide();
    main->show();
    ok = Save(main, folder, QStringLiteral("FAuswertung")) && ok;

    // The demo slip evaluated against the newest draw: slip tab, hit marks and result tab.
    if (auto* centre = qobject_cast<qv::TFAuswertung*>(main)) {
        centre->OpenDemoSlip();
        centre->EvaluateSlips();
        ok = Save(main, folder, QStringLiteral("FAuswertung-Auswertung")) && ok;
        // The news view, created on first use; without a network it shows the browser's own page.
        centre->ShowNews();
        QTest::qWait(1500);
        ok = Save(main, folder, QStringLiteral("FAuswertung-Neues")) && ok;
    }

    if (auto* numbers = qobject_cast<qv::TFGewinnzahlen*>(quovadra.Windows().Find(QStringLiteral("FGewinnzahlen")))) {
        numbers->SetHint(QStringLiteral("Gewinnzahlen gelten für 09.11.2023"));
        numbers->findChild<QPlainTextEdit*>(QStringLiteral("M1"))
            ->setPlainText(QStringLiteral("Gewinnzahlen der Ziehung:\n3 - 7 - 11 - 18 - 22 - 25 - 29 - 33 - 36 - 40\n"
                                          "44 - 47 - 51 - 53 - 58 - 61 - 64 - 66 - 69 - 70\n"));
        numbers->show();
        ok = Save(numbers, folder, QStringLiteral("FGewinnzahlen")) && ok;
        numbers->hide();
    }

    // The slip entry window empty, then with a slip opened from a file and numbers clicked.
    if (auto* entry = qobject_cast<qv::TFEingabe*>(
            quovadra.Windows().OpenOrRestore(quovadra.Context(), QStringLiteral("FEingabe")))) {
        ok = Save(entry, folder, QStringLiteral("FEingabe")) && ok;
        entry->OpenSlipFileIntoEntry(qv::FromPath(options.dataFolder / "Demo.kts"));
        entry->NewEntrySlip();
        for (const int number : {4, 18, 27, 33, 52, 61}) {
            entry->ToggleNumber(2, 1, number);
        }
        entry->EnterTipRows({{1, 12, 23, 34, 45}, {7, 70}});
        ok = Save(entry, folder, QStringLiteral("FEingabe-Schein")) && ok;
        entry->findChild<QTabWidget*>(QStringLiteral("PC1"))->setCurrentIndex(0);
        ok = Save(entry, folder, QStringLiteral("FEingabe-Datei")) && ok;
        entry->hide();
    }

    // The tip-row entry window empty, then with rows loaded and the draw count and stake filled in.
    if (auto* rows = qobject_cast<qv::TFEingabe2*>(
            quovadra.Windows().OpenOrRestore(quovadra.Context(), QStringLiteral("FEingabe2")))) {
        ok = Save(rows, folder, QStringLiteral("FEingabe2")) && ok;
        rows->LoadText("3 15 27 44\n1 2 3 4 5 6 7 8 9 10\n12 24 36\n5 9 13 17 21 25\n"
                       "7 14\n22 33 44 55 66\n1 70\n8 16 24 32\n40 50 60");
        rows->FillForAllSlips(7, 1);
        rows->FillForAllSlips(10, 2);
        ok = Save(rows, folder, QStringLiteral("FEingabe2-Reihen")) && ok;
        rows->StartManualEntry();
        ok = Save(rows, folder, QStringLiteral("FEingabe2-Manuell")) && ok;
        rows->hide();
    }

    // The analysis window: as it opens, after a search for the pairs of a pool, during a run of five
    // numbers and after a run of three.
    if (auto* analysis = qobject_cast<qv::TFAnalyse*>(
            quovadra.Windows().OpenOrRestore(quovadra.Context(), QStringLiteral("FAnalyse")))) {
        ok = Save(analysis, folder, QStringLiteral("FAnalyse")) && ok;
        for (int n : {3, 7, 11, 18, 22, 25, 29}) {
            analysis->ClickNumber(n);
        }
        analysis->findChild<QAbstractButton*>(QStringLiteral("RG2"))->setChecked(true);
        analysis->findChild<QComboBox*>(QStringLiteral("ComboAuswahl"))->setCurrentIndex(1);
        analysis->Search();
        ok = Save(analysis, folder, QStringLiteral("FAnalyse-Suche")) && ok;
        auto* size = analysis->findChild<QComboBox*>(QStringLiteral("ComboKombi"));
        size->setCurrentIndex(3);
        analysis->StartOrCancelRun();
        ok = Save(analysis, folder, QStringLiteral("FAnalyse-Lauf")) && ok;
        analysis->StartOrCancelRun(); // cancels
        ok = QTest::qWaitFor([analysis] { return !analysis->RunInProgress(); }, 60000) && ok;
        size->setCurrentIndex(1);
        analysis->StartOrCancelRun();
        ok = QTest::qWaitFor([analysis] { return !analysis->RunInProgress(); }, 60000) && ok;
        ok = Save(analysis, folder, QStringLiteral("FAnalyse-Tops")) && ok;
        analysis->hide();
    }
    // The statistics in their three orders, the chart they fill, the two pattern views and a picture.
    if (QWidget* window = quovadra.Windows().OpenOrRestore(quovadra.Context(), QStringLiteral("FStatistik1"))) {
        auto* statistics = qobject_cast<qv::TFStatistik1*>(window);
        ok = Save(statistics, folder, QStringLiteral("FStatistik1")) && ok;
        const auto evaluate = [statistics](int order) {
            statistics->findChild<QRadioButton*>(QStringLiteral("RG1_%1").arg(order))->setChecked(true);
            statistics->Evaluate();
        };
        evaluate(1);
        ok = Save(statistics, folder, QStringLiteral("FStatistik1-Haeufigkeit")) && ok;
        evaluate(2);
        ok = Save(statistics, folder, QStringLiteral("FStatistik1-Ausgeblieben")) && ok;
        evaluate(0);
        statistics->findChild<QPushButton*>(QStringLiteral("BCharts"))->click();
        statistics->hide();
        if (QWidget* chart = quovadra.Windows().Find(QStringLiteral("FChart1"))) {
            ok = Save(chart, folder, QStringLiteral("FChart1")) && ok;
            chart->hide();
        }
    }
    if (auto* repeaters = qobject_cast<qv::TFDetail2*>(quovadra.Windows().Find(QStringLiteral("FDetail2")))) {
        repeaters->show();
        repeaters->Grid()->scrollToBottom();
        ok = Save(repeaters, folder, QStringLiteral("FDetail2")) && ok;
        repeaters->findChild<QCheckBox*>(QStringLiteral("cbEnd"))->setChecked(true);
        ok = Save(repeaters, folder, QStringLiteral("FDetail2-Endzahl")) && ok;
        repeaters->hide();
    }
    if (auto* patterns = qobject_cast<qv::TFDetail1*>(quovadra.Windows().Find(QStringLiteral("FDetail1")))) {
        patterns->show();
        patterns->Grid()->scrollToBottom();
        ok = Save(patterns, folder, QStringLiteral("FDetail1")) && ok;
        patterns->findChild<QPushButton*>(QStringLiteral("bsSkinSpeedButton1"))->click();
        if (auto* picture = patterns->findChild<qv::TFAbbild*>(QStringLiteral("FAbbild1"))) {
            ok = Save(picture, folder, QStringLiteral("FAbbild")) && ok;
            picture->close();
        }
        patterns->hide();
    }

    // The odds window with the demo slip open in the main window.
    if (QWidget* odds = quovadra.Windows().OpenOrRestore(quovadra.Context(), QStringLiteral("FGewinnchancen"))) {
        ok = Save(odds, folder, QStringLiteral("FGewinnchancen")) && ok;
        odds->hide();
    }

    qv::TFHilfe help;
    help.ShowTopic(1010);
    help.show();
    ok = Save(&help, folder, QStringLiteral("FHilfe")) && ok;

    // A question box, to show its German buttons.
    QMessageBox question(
        QMessageBox::Question, QStringLiteral("Bestätigung"),
        qv::DisplayText(QStringLiteral("Soll fortgefahren werden?\r\rÄnderungen gehen sonst verloren.")),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    question.show();
    ok = Save(&question, folder, QStringLiteral("MessageBox")) && ok;
    return ok ? 0 : 1;
}

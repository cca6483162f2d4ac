// Shows every window of the program as the user sees it and saves one picture per window, so that
// anyone can look at the program without clicking through it. Usage: qv_screenshots DIR
#include "engine/core/DrawStore.h"
#include "engine/draws/DrawImport.h"
#include "engine/tips/TipRowText.h"
#include "engine/tools/VersionInfo.h"
#include "platform/Messages.h"
#include "support/FakePorts.h"
#include "text/DataFolder.h"
#include "text/DateText.h"
#include "ui/analysis/PatternModels.h"
#include "ui/analysis/TFAnalyse.h"
#include "ui/analysis/TFChart1.h"
#include "ui/analysis/TFDetail1.h"
#include "ui/analysis/TFDetail2.h"
#include "ui/analysis/TFStatistik1.h"
#include "ui/app/Application.h"
#include "ui/draws/TFGewinnzahlen.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/frame/AppSetup.h"
#include "ui/frame/TFHilfe.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/printing/TFAbbild.h"
#include "ui/printing/TFDetail.h"
#include "ui/printing/TFDruck.h"
#include "ui/tips/TFEingabe.h"
#include "ui/tips/TFEingabe2.h"
#include "ui/tips/TFOptionen.h"
#include "ui/tips/TFRueckblick.h"
#include "ui/tips/TFSysteme.h"
#include "ui/tips/TFTippcenter.h"
#include "ui/tools/TFBrowser.h"
#include "ui/tools/TFNueberK.h"
#include "ui/tools/TFUpdate.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

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

// The window as it stands this moment: the layout brought up to date, but nothing else of what waits
// in the event queue (a worker's reports among it) handled first.
bool SaveNow(QWidget* window, const QDir& folder, const QString& name) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
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

    // The import preview of a small file: the newest day again, two new days with a gap, a bad line.
    if (auto* centre = qobject_cast<qv::TFAuswertung*>(main)) {
        const auto& draws = quovadra.State().DrawList;
        const qv::TDate newest = draws.empty() ? 45505 : draws.back().datum;
        QByteArray text = "Datum;Z1;Z2;Z3;Z4;Z5;Z6;Z7;Z8;Z9;Z10;Z11;Z12;Z13;Z14;Z15;Z16;Z17;Z18;Z19;Z20\n";
        for (const qv::TDate day : {newest, newest + 1, newest + 4}) {
            text += qv::FormatDate(day, QLocale(QLocale::German, QLocale::Germany)).toUtf8();
            for (int n = 1; n <= 20; ++n) {
                text += ';' + QByteArray::number(n * 3 + static_cast<int>(day) % 7);
            }
            text += '\n';
        }
        text += "31.02.2099;1;2;3\n";
        QFile file(data.filePath(QStringLiteral("Ziehungen.csv")));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(text);
            file.close();
        }
        fakes.fileDialogs.SetNextChoice({file.fileName()});
        centre->ImportDraws();
        if (auto* preview = main->findChild<QDialog*>(QStringLiteral("FImport"))) {
            ok = Save(preview, folder, QStringLiteral("FImport")) && ok;
            preview->close();
        }
    }

    if (auto* numbers = qobject_cast<qv::TFGewinnzahlen*>(
            quovadra.Windows().Create(quovadra.Context(), QStringLiteral("FGewinnzahlen")))) {
        numbers->SetHint(QStringLiteral("Gewinnzahlen gelten für 09.11.2023"));
        numbers->findChild<QPlainTextEdit*>(QStringLiteral("M1"))
            ->setPlainText(QStringLiteral("Gewinnzahlen der Ziehung:\n3 - 7 - 11 - 18 - 22 - 25 - 29 - 33 - 36 - 40\n"
                                          "44 - 47 - 51 - 53 - 58 - 61 - 64 - 66 - 69 - 70\n"));
        numbers->show();
        ok = Save(numbers, folder, QStringLiteral("FGewinnzahlen")) && ok;
        numbers->hide();
    }

    // The small tools.
    qv::WindowRegistry& windows = quovadra.Windows();
    if (auto* nOverK = qobject_cast<qv::TFNueberK*>(windows.Create(quovadra.Context(), QStringLiteral("FNueberK")))) {
        nOverK->findChild<QLineEdit*>(QStringLiteral("E1"))->setText(QStringLiteral("70"));
        nOverK->findChild<QLineEdit*>(QStringLiteral("E2"))->setText(QStringLiteral("20"));
        nOverK->Compute();
        nOverK->show();
        ok = Save(nOverK, folder, QStringLiteral("FNueberK")) && ok;
        nOverK->hide();
    }
    for (const char* name : {"FKal", "FQlinks"}) {
        QWidget* window = windows.OpenOrRestore(quovadra.Context(), QString::fromUtf8(name));
        ok = window && Save(window, folder, QString::fromUtf8(name)) && ok;
        if (window) {
            window->hide();
        }
    }
    if (auto* update = qobject_cast<qv::TFUpdate*>(windows.Create(quovadra.Context(), QStringLiteral("FUpdate")))) {
        update->show();
        ok = Save(update, folder, QStringLiteral("FUpdate")) && ok;
        // A newer version online, then its installer downloaded.
        const auto record = qv::VersionRecord("1.4.4.0");
        const QString site = quovadra.Context().webSite;
        fakes.internet.pages[site + QString::fromUtf8(qv::kVerInfoPath)] = {
            200, QByteArray(reinterpret_cast<const char*>(record.data()), static_cast<qsizetype>(record.size()))};
        fakes.internet.pages[site + QString::fromUtf8(qv::kInstallerPath)] = {200, QByteArray(180000, 'u')};
        update->Check();
        ok = Save(update, folder, QStringLiteral("FUpdate-Neu")) && ok;
        update->DownloadInstaller();
        ok = Save(update, folder, QStringLiteral("FUpdate-Geladen")) && ok;
        update->hide();
    }
    if (QWidget* info = windows.OpenOrRestore(quovadra.Context(), QStringLiteral("FInfo"))) {
        ok = Save(info, folder, QStringLiteral("FInfo")) && ok;
        info->close();
    }
    // The online-play page is not reachable from here; a page of its own shows the layout.
    fakes.internet.connected = false;
    if (auto* browser =
            qobject_cast<qv::TFBrowser*>(windows.OpenOrRestore(quovadra.Context(), QStringLiteral("FBrowser")))) {
        if (auto* view = qobject_cast<QWebEngineView*>(browser->View())) {
            view->setHtml(QStringLiteral("<html><body style='font-family:sans-serif'><h2>Online-Spiel</h2>"
                                         "<p>Hier erscheint die Seite zum Online-Spiel.</p></body></html>"));
        }
        QTest::qWait(1500);
        ok = Save(browser, folder, QStringLiteral("FBrowser")) && ok;
        browser->hide();
    }

    // The print window with the demo slip and a text file, its editor with the installed set, and
    // the preview of the sheets.
    if (auto* printing = main->findChild<QAction*>(QStringLiteral("BDruck"))) {
        printing->trigger();
        auto* print = qobject_cast<qv::TFDruck*>(quovadra.Windows().Find(QStringLiteral("FDruck")));
        if (print != nullptr) {
            fakes.fileDialogs.SetNextChoice({data.filePath(QStringLiteral("Demo.kts"))});
            print->OpenSlipFiles();
            ok = Save(print, folder, QStringLiteral("FDruck")) && ok;

            QFile rows(data.filePath(QStringLiteral("Reihen.txt")));
            rows.open(QIODevice::WriteOnly);
            rows.write("3 17 25 38 41 56 62\n5;9;14;22;30;47;51;60;66;70\n1,2,3\n");
            rows.close();
            fakes.fileDialogs.SetNextChoice({rows.fileName()});
            print->OpenTextFile();
            ok = Save(print, folder, QStringLiteral("FDruck-Textdatei")) && ok;

            fakes.fileDialogs.SetNextChoice({data.filePath(QStringLiteral("Demo.kts"))});
            print->OpenSlipFiles();
            print->ShowPreview();
            if (auto* preview = print->findChild<QPrintPreviewDialog*>()) {
                QTest::qWait(500);
                ok = Save(preview, folder, QStringLiteral("FDruck-Vorschau")) && ok;
                preview->close();
            }
            print->hide();
        }
        // The editor shows the set the print window loaded.
        if (auto* editor = qobject_cast<qv::TFDetail*>(quovadra.Windows().ShowNewest(QStringLiteral("FDetail")))) {
            ok = Save(editor, folder, QStringLiteral("FDetail")) && ok;
            editor->hide();
        }
    }

    // The tip centre as it opens, then with four games generated from the last hundred draws.
    if (auto* tips = qobject_cast<qv::TFTippcenter*>(
            quovadra.Windows().OpenOrRestore(quovadra.Context(), QStringLiteral("FTippcenter")))) {
        ok = Save(tips, folder, QStringLiteral("FTippcenter")) && ok;
        const int games[][3] = {{1, 9, 1}, {2, 5, 0}, {3, 3, 2}, {4, 1, 3}};
        for (const auto& [game, typeEntry, method] : games) {
            tips->findChild<QComboBox*>(QStringLiteral("ComboTyp%1").arg(game))->setCurrentIndex(typeEntry);
            tips->findChild<QComboBox*>(QStringLiteral("ComboWie%1").arg(game))->setCurrentIndex(method);
        }
        auto* from = tips->findChild<QComboBox*>(QStringLiteral("Combo1"));
        from->setCurrentIndex(std::max(0, from->count() - 100));
        tips->GenerateTips();
        ok = Save(tips, folder, QStringLiteral("FTippcenter-Tipps")) && ok;
        tips->hide();
    }

    // The settings with two files listed and presets for two games.
    if (auto* settings = qobject_cast<qv::TFOptionen*>(quovadra.Windows().Find(QStringLiteral("FOptionen")))) {
        auto* list = settings->findChild<QListWidget*>(QStringLiteral("l1"));
        list->addItems({QStringLiteral("Wochenschein"), QStringLiteral("Glückszahlen")});
        settings->findChild<QComboBox*>(QStringLiteral("ComboTyp1"))->setCurrentIndex(5);
        settings->findChild<QComboBox*>(QStringLiteral("ComboWie1"))->setCurrentIndex(3);
        settings->findChild<QComboBox*>(QStringLiteral("ComboTyp2"))->setCurrentIndex(9);
        settings->findChild<QComboBox*>(QStringLiteral("ComboWie2"))->setCurrentIndex(2);
        settings->show();
        ok = Save(settings, folder, QStringLiteral("FOptionen")) && ok;
        settings->hide();
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
        rows->LoadRows(qv::ParseTipRows("3 15 27 44\n1 2 3 4 5 6 7 8 9 10\n12 24 36\n5 9 13 17 21 25\n"
                                        "7 14\n22 33 44 55 66\n1 70\n8 16 24 32\n40 50 60"));
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
        // Taken before the run's reports are handled, so it shows the run going whatever the machine's speed.
        ok = SaveNow(analysis, folder, QStringLiteral("FAnalyse-Lauf")) && ok;
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
        auto* views = statistics->findChild<QTabWidget*>(QStringLiteral("TabAnsicht"));
        views->setCurrentIndex(1);
        ok = Save(statistics, folder, QStringLiteral("FStatistik1-Signifikanz")) && ok;
        views->setCurrentIndex(0);
        statistics->findChild<QPushButton*>(QStringLiteral("BCharts"))->click();
        statistics->hide();
        if (QWidget* chart = quovadra.Windows().Find(QStringLiteral("FChart1"))) {
            ok = Save(chart, folder, QStringLiteral("FChart1")) && ok;
            chart->hide();
        }
    }
    if (auto* repeaters =
            qobject_cast<qv::TFDetail2*>(quovadra.Windows().Create(quovadra.Context(), QStringLiteral("FDetail2")))) {
        repeaters->show();
        repeaters->Grid()->scrollToBottom();
        ok = Save(repeaters, folder, QStringLiteral("FDetail2")) && ok;
        repeaters->findChild<QCheckBox*>(QStringLiteral("cbEnd"))->setChecked(true);
        ok = Save(repeaters, folder, QStringLiteral("FDetail2-Endzahl")) && ok;
        repeaters->hide();
    }
    if (auto* patterns =
            qobject_cast<qv::TFDetail1*>(quovadra.Windows().Create(quovadra.Context(), QStringLiteral("FDetail1")))) {
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

    // The methods looked back on, as the window opens and over the demo history with its first settings.
    if (auto* lookBack = qobject_cast<qv::TFRueckblick*>(
            quovadra.Windows().OpenOrRestore(quovadra.Context(), QStringLiteral("FRueckblick")))) {
        ok = Save(lookBack, folder, QStringLiteral("FRueckblick-leer")) && ok;
        lookBack->Calculate();
        ok = Save(lookBack, folder, QStringLiteral("FRueckblick")) && ok;
        lookBack->hide();
    }

    // Systems: empty, then a system of sixes over 16 numbers with four hits if five are drawn.
    if (auto* systems = qobject_cast<qv::TFSysteme*>(
            quovadra.Windows().OpenOrRestore(quovadra.Context(), QString::fromUtf8(qv::TFSysteme::kFormName)))) {
        ok = Save(systems, folder, QStringLiteral("FSysteme-leer")) && ok;
        for (int n : {3, 8, 11, 15, 19, 22, 27, 31, 36, 40, 44, 49, 53, 58, 62, 67}) {
            systems->ToggleNumber(n);
        }
        systems->findChild<QSpinBox*>(QStringLiteral("SEWenn"))->setValue(5);
        systems->findChild<QSpinBox*>(QStringLiteral("SETreffer"))->setValue(4);
        systems->SetSearchSteps(20000, 1);
        QEventLoop wait;
        QObject::connect(systems, &qv::TFSysteme::CalculationFinished, &wait, &QEventLoop::quit);
        systems->Calculate();
        if (systems->Calculating()) {
            wait.exec();
        }
        ok = Save(systems, folder, QStringLiteral("FSysteme")) && ok;
        systems->hide();
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

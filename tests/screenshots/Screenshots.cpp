// Shows every window of the program as the user sees it and saves one picture per window, so that
// anyone can look at the program without clicking through it. Usage: qv_screenshots DIR
#include "core/AppSetup.h"
#include "core/Application.h"
#include "core/TFHilfe.h"
#include "platform/Messages.h"
#include "platform/fakes/FakePorts.h"
#include "text/DataFolder.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
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
    qv::Application quovadra(fakes.ports, options);
    quovadra.Start();

    bool ok = Save(quovadra.StartWindow(), folder, QStringLiteral("FStart"));

    QWidget* main = quovadra.MainWindow();
    main->setWindowOpacity(1.0);
    quovadra.StartWindow()->hide();
    main->show();
    ok = Save(main, folder, QStringLiteral("FAuswertung")) && ok;

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

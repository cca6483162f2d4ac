#include "support/MainWindowFixture.h"

#include "engine/core/IniFile.h"
#include "engine/printing/DruckParameter.h"
#include "engine/printing/PrintSettings.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/printing/TFDetail.h"
#include "ui/printing/TFDruck.h"
#include "ui/widgets/StringGrid.h"

#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QRadioButton>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;
using Answer = Messages::Answer;

// The print window opened by the main window's printing command, over the installed "BEL.qvpd".
class PrintWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        m_fakes.messages.defaultAnswer = Answer::Yes;
        m_fakes.printTarget.offset = QPoint(42, 17); // the printer's unprintable margins
    }
    void OpenPrintWindow() {
        Start();
        m_main->findChild<QAction*>(QStringLiteral("BDruck"))->trigger();
        m_print = qobject_cast<TFDruck*>(m_app->Windows().Find(QStringLiteral("FDruck")));
        ASSERT_NE(m_print, nullptr);
        m_set = *ReadPrintParameterFile(Data() / "BEL.qvpd");
    }
    template <typename T = QWidget>
    T* Print(const char* name) const {
        return Find<T>(m_print, QString::fromUtf8(name));
    }
    QString Cell(int column, int row) const { return Print<StringGrid>("GReihen")->Cell(column, row); }
    void SetText(const char* name, const QString& text) const { Print<QLineEdit>(name)->setText(text); }
    void ClickPrint(const char* name) const { QTest::mouseClick(Print<QAbstractButton>(name), Qt::LeftButton); }

    void LoadSlips(const std::vector<TSchein>& slips) {
        QStringList paths;
        for (std::size_t i = 0; i < slips.size(); ++i) {
            paths << WriteSlip(QStringLiteral("slip%1.kts").arg(i + 1), slips[i]);
        }
        m_fakes.fileDialogs.SetNextChoice(paths);
        ClickPrint("BOpen2");
    }
    void LoadText(const QByteArray& text) {
        const QString path = FromPath(Data() / "rows.txt");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
        file.close();
        m_fakes.fileDialogs.SetNextChoice({path});
        ClickPrint("bsSkinSpeedButton1");
    }
    // Where the printer is told to draw a mark that belongs at paper point at with the correction.
    QPoint Printed(PaperPoint at, int hori = 230, int vert = 0) const {
        return QPoint(at.x + hori, at.y + vert) - m_fakes.printTarget.offset;
    }
    const QList<FakePrintTarget::Document>& Documents() const { return m_fakes.printTarget.documents; }
    QStringList Texts(int document) const {
        QStringList texts;
        for (const auto& text : Documents().at(document).texts) {
            texts << text.text;
        }
        return texts;
    }

    TFDruck* m_print = nullptr;
    TDruckParameter m_set;
};

// A slip with fields 1..count, field f holding f and f + 10.
TSchein SlipOf(int count, int stake, int draws) {
    std::vector<std::pair<int, std::vector<int>>> fields;
    for (int f = 1; f <= count; ++f) {
        fields.push_back({f, {f, f + 10}});
    }
    return Slip(fields, stake, draws);
}

TEST_F(PrintWindowTest, OpensWithItsSettingsAndTheInstalledSet) {
    OpenPrintWindow();
    EXPECT_TRUE(m_print->isVisible());
    EXPECT_EQ(m_print->windowTitle(), QStringLiteral("Quovadra 1.4.3.0"));
    EXPECT_EQ(State().PrintParameters, m_set);
    EXPECT_TRUE(Print<QPushButton>("BAusdruck")->isEnabled());
    EXPECT_FALSE(Print<QPushButton>("BStop")->isEnabled());
    EXPECT_EQ(Print<QLineEdit>("Ehori")->text(), QStringLiteral("230"));
    EXPECT_EQ(Print<QLineEdit>("Evert")->text(), QStringLiteral("0"));
    EXPECT_EQ(Print<QLineEdit>("EStart")->text(), QStringLiteral("1"));
    EXPECT_EQ(Print<QLineEdit>("EEnde")->text(), QString());
    EXPECT_EQ(Print<QLineEdit>("ENr")->text(), QStringLiteral("1"));
    EXPECT_TRUE(Print<QCheckBox>("cbNr")->isChecked());
    EXPECT_TRUE(Print<QCheckBox>("cbFragen")->isChecked());
    EXPECT_FALSE(Print<QGroupBox>("GRText")->isChecked());
    EXPECT_FALSE(Print<QRadioButton>("RGEinsatz_0")->isEnabled());
    EXPECT_TRUE(Print<QRadioButton>("RGEinsatz_0")->isChecked());
    EXPECT_EQ(Cell(2, 0), QStringLiteral("  €"));
    EXPECT_EQ(Cell(12, 0), QStringLiteral("10"));
    // The editor came with the command and waits hidden until the correction panel asks for it.
    QWidget* editor = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        editor = window->objectName() == QLatin1String("FDetail") ? window : editor;
    }
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->isVisible());
    QTest::mouseClick(Print<QLabel>("Label6"), Qt::LeftButton);
    EXPECT_TRUE(editor->isVisible());
    editor->hide();
    QTest::mouseClick(Print<QPushButton>("BParameter"), Qt::LeftButton);
    EXPECT_TRUE(editor->isVisible());
}

TEST_F(PrintWindowTest, WithoutTheInstalledSetPrintingStaysOff) {
    Start();
    std::filesystem::remove(Data() / "BEL.qvpd");
    m_main->findChild<QAction*>(QStringLiteral("BDruck"))->trigger();
    m_print = qobject_cast<TFDruck*>(m_app->Windows().Find(QStringLiteral("FDruck")));
    ASSERT_NE(m_print, nullptr);
    EXPECT_FALSE(Print<QPushButton>("BAusdruck")->isEnabled());
}

TEST_F(PrintWindowTest, TwoSlipFilesMakeOneSlipWithTheBoxesOfTheSecond) {
    OpenPrintWindow();
    Print<QCheckBox>("cbFragen")->setChecked(false);
    LoadSlips({SlipOf(3, 0, 0), SlipOf(5, 5, 4)}); // 1 € and 1 draw; 10 € and 14 draws
    EXPECT_EQ(Print<StringGrid>("GReihen")->rowCount(), 9);
    EXPECT_EQ(Cell(0, 8).trimmed(), QStringLiteral("8"));
    EXPECT_EQ(Cell(3, 4), QStringLiteral("1")); // the second file's field 1
    EXPECT_EQ(Print<QLineEdit>("EEnde")->text(), QStringLiteral("8"));
    EXPECT_EQ(Print<QLabel>("LAnzTs")->text(), QStringLiteral("1"));
    EXPECT_EQ(Print<QLabel>("LDatei2")->text(), QStringLiteral("slip1.kts"));

    ClickPrint("BAusdruck");
    EXPECT_EQ(m_fakes.printTarget.setups, 1);
    ASSERT_EQ(Documents().size(), 1);
    const auto& document = Documents().at(0);
    EXPECT_EQ(document.title, QStringLiteral("Tippschein-Druck"));
    EXPECT_TRUE(document.ended);
    ASSERT_EQ(document.texts.size(), 8 * 2 + 3);
    EXPECT_EQ(document.texts.at(0).position, Printed(m_set.Number(1, 1)));
    EXPECT_EQ(document.texts.at(7).position, Printed(m_set.Number(4, 11))); // row 4, the second file's field 1
    EXPECT_EQ(document.texts.at(15).position, Printed(m_set.Number(8, 15)));
    EXPECT_EQ(document.texts.at(16).position, Printed(m_set.einsatzPos[5]));
    EXPECT_EQ(document.texts.at(17).position, Printed(m_set.ziehungenPos[4]));
    EXPECT_EQ(document.texts.at(18).text, QStringLiteral("1"));
    EXPECT_EQ(document.texts.at(18).position, Printed({m_set.scheinNrX, m_set.scheinNrY}));
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
    EXPECT_FALSE(Print<QPushButton>("BStop")->isEnabled());
}

TEST_F(PrintWindowTest, NoReprintsTheSlipWithItsNumberAndCancelEndsTheJob) {
    OpenPrintWindow();
    LoadSlips({SlipOf(8, 0, 0), SlipOf(4, 1, 1)});
    EXPECT_EQ(Print<QLabel>("LAnzTs")->text(), QStringLiteral("2"));
    SetText("ENr", QStringLiteral("5"));
    SetText("Ehori", QStringLiteral("-12"));
    SetText("Evert", QStringLiteral("7"));
    m_fakes.messages.SetNextAnswer(Answer::Yes);
    m_fakes.messages.SetNextAnswer(Answer::No);
    m_fakes.messages.SetNextAnswer(Answer::Yes);
    ClickPrint("BAusdruck");
    ASSERT_EQ(Documents().size(), 3);
    EXPECT_EQ(Texts(0).last(), QStringLiteral("5"));
    EXPECT_EQ(Texts(1).last(), QStringLiteral("6"));
    EXPECT_EQ(Texts(2), Texts(1));
    EXPECT_EQ(Documents().at(2).texts.at(0).position, Printed(m_set.Number(1, 1), -12, 7)); // row 9 in field 1
    EXPECT_EQ(Documents().at(2).texts.size(), 4 * 2 + 3);
    const QString question = QStringLiteral(
        "War der Ausdruck in Ordnung?\r- \"Ja\" macht mit dem nächsten Schein weiter,\r- \"Nein\" wiederholt den "
        "Ausdruck des letzten Scheins,\r- \"Abbrechen\" bricht den Ausdruck ab.");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::YesNoCancel), QStringList({question, question, question}));

    m_fakes.messages.SetNextAnswer(Answer::Cancel);
    ClickPrint("BAusdruck");
    EXPECT_EQ(Documents().size(), 4);
    EXPECT_FALSE(Print<QPushButton>("BStop")->isEnabled());
}

TEST_F(PrintWindowTest, ARangeInsideTheListAndEmptyRangeTexts) {
    OpenPrintWindow();
    Print<QCheckBox>("cbFragen")->setChecked(false);
    LoadSlips({SlipOf(8, 0, 0), SlipOf(4, 1, 1)});
    SetText("EStart", QStringLiteral("3"));
    SetText("EEnde", QStringLiteral("10"));
    EXPECT_EQ(Print<QLabel>("LAnzTs")->text(), QStringLiteral("1"));
    ClickPrint("BAusdruck");
    ASSERT_EQ(Documents().size(), 1);
    EXPECT_EQ(Documents().at(0).texts.at(0).position, Printed(m_set.Number(1, 3))); // row 3 in field 1

    SetText("EStart", QStringLiteral("0"));
    SetText("EEnde", QString());
    ClickPrint("BAusdruck");
    EXPECT_EQ(Print<QLineEdit>("EStart")->text(), QStringLiteral("1"));
    EXPECT_EQ(Print<QLineEdit>("EEnde")->text(), QStringLiteral("12"));
    EXPECT_EQ(Documents().size(), 3);
}

TEST_F(PrintWindowTest, RefusedJobsPrintNothing) {
    OpenPrintWindow();
    ClickPrint("BAusdruck");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Information),
              QStringList{QStringLiteral("Es gibt nichts zu drucken, ich breche ab.")});
    EXPECT_EQ(m_fakes.printTarget.setups, 0);

    LoadSlips({SlipOf(8, 0, 0), SlipOf(4, 1, 1)});
    struct Case {
        const char* field;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {"EStart", QStringLiteral("9"),
         QStringLiteral("Bitte prüfen Sie Start und Ende des Tippreihen-Ausdrucks.\r\rIch breche ab.")},
        {"EEnde", QStringLiteral("13"),
         QStringLiteral("Die Liste endet mit Tippreihe 12. Bitte prüfen Sie Start und Ende des Tippreihen-Ausdrucks."
                        "\r\rIch breche ab.")},
        {"Ehori", QStringLiteral("-"),
         QStringLiteral("Die Ausdruck-Korrektur \"-\" ist keine ganze Zahl.\r\rIch breche ab.")},
    };
    for (const Case& c : cases) {
        SetText("EStart", QStringLiteral("1"));
        SetText("EEnde", QStringLiteral("4"));
        SetText("Ehori", QStringLiteral("230"));
        SetText(c.field, c.text);
        m_fakes.messages.boxes.clear();
        ClickPrint("BAusdruck");
        EXPECT_EQ(m_fakes.messages.Texts(Kind::Information), QStringList{c.message}) << c.field;
    }
    EXPECT_TRUE(Documents().isEmpty());

    // A cancelled printer setup changes nothing.
    m_fakes.printTarget.setupAccepted = false;
    SetText("Ehori", QStringLiteral("230"));
    ClickPrint("BAusdruck");
    EXPECT_TRUE(Documents().isEmpty());
}

TEST_F(PrintWindowTest, AFileThatHoldsNoSlipAndARefusingPrinterAreTold) {
    OpenPrintWindow();
    Print<QCheckBox>("cbFragen")->setChecked(false);
    LoadSlips({SlipOf(3, 0, 0)});
    LoadSlips({SlipOf(2, 0, 0), SlipOf(1, 9, 0)}); // stake index 9 names no stake
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Error),
              QStringList{QStringLiteral("Die Datei „%1“ ist kein gültiger Spielschein (Einsatz: der Wert 9 steht für "
                                         "keinen Einsatz des Spiels); sie wird nicht verwendet.")
                              .arg(FromPath(Data() / "slip2.kts"))});
    EXPECT_EQ(Print<QLineEdit>("EEnde")->text(), QStringLiteral("3")) << "the list stays as it was";
    EXPECT_EQ(Cell(3, 3), QStringLiteral("3"));
    m_fakes.messages.boxes.clear();

    LoadSlips({SlipOf(2, 0, 0)});
    m_fakes.printTarget.beginAccepted = false;
    ClickPrint("BAusdruck");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Error),
              QStringList{QStringLiteral("Der Drucker nimmt den Ausdruck nicht an.")});
    EXPECT_FALSE(Print<QPushButton>("BStop")->isEnabled());
}

TEST_F(PrintWindowTest, TextRowsNeedTheTextFileChoice) {
    OpenPrintWindow();
    Print<QCheckBox>("cbFragen")->setChecked(false);
    LoadText("5 12 33\n\n7;8\r\n");
    EXPECT_EQ(Print<QLabel>("LDatei1")->text(), QStringLiteral("rows.txt"));
    EXPECT_TRUE(Print<QGroupBox>("GRText")->isChecked());
    EXPECT_EQ(Print<StringGrid>("GReihen")->rowCount(), 3);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("1")); // the field each row fills
    EXPECT_EQ(Cell(0, 2), QStringLiteral("2"));
    EXPECT_EQ(Cell(5, 1), QStringLiteral("33"));
    EXPECT_EQ(Cell(4, 2), QStringLiteral("8"));
    EXPECT_EQ(Print<QLineEdit>("EEnde")->text(), QStringLiteral("2"));

    Print<QRadioButton>("RGEinsatz_3")->setChecked(true);   // 4 €
    Print<QRadioButton>("RGZiehungen_2")->setChecked(true); // 4 draws
    SetText("EEnde", QString());                            // the number of rows, not the blank of column 0
    ClickPrint("BAusdruck");
    EXPECT_EQ(Print<QLineEdit>("EEnde")->text(), QStringLiteral("2"));
    ASSERT_EQ(Documents().size(), 1);
    EXPECT_EQ(Documents().at(0).texts.at(4).position, Printed(m_set.Number(2, 8)));
    EXPECT_EQ(Documents().at(0).texts.at(5).position, Printed(m_set.einsatzPos[3]));
    EXPECT_EQ(Documents().at(0).texts.at(6).position, Printed(m_set.ziehungenPos[2]));

    Print<QGroupBox>("GRText")->setChecked(false);
    ClickPrint("BAusdruck");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Information),
              QStringList{QStringLiteral(
                  "Tippreihe 2 stammt aus einer Textdatei und hat keinen Einsatz pro Tipp und keine Anzahl der "
                  "Ziehungen. Bitte wählen Sie beides unter \"Angaben für Textdatei-Druck\".\r\rIch breche ab.")});

    // The captions name only the file the list holds now.
    LoadSlips({SlipOf(1, 0, 0)});
    EXPECT_EQ(Print<QLabel>("LDatei2")->text(), QStringLiteral("slip1.kts"));
    EXPECT_EQ(Print<QLabel>("LDatei1")->text(), QString());
    LoadText("5, 12\n");
    EXPECT_EQ(Print<QLabel>("LDatei2")->text(), QString());
    EXPECT_EQ(Print<QLabel>("LDatei1")->text(), QStringLiteral("rows.txt"));
    ClickPrint("BAusdruck");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Information).last(),
              QStringLiteral("Tippreihe 1 enthält \" \", das ist keine Zahl von 1 bis 70.\r\rIch breche ab."));
    EXPECT_EQ(Documents().size(), 1);
}

// The installed set with the default correction fits a DIN A4 sheet; a mark beyond the printable area
// of the chosen paper is told before the printer gets a single document, and the PDF is not written.
TEST_F(PrintWindowTest, AMarkOffThePrintableAreaIsRefusedBeforeAnythingPrints) {
    OpenPrintWindow();
    Print<QCheckBox>("cbFragen")->setChecked(false);
    LoadSlips({SlipOf(8, 5, 4)}); // 10 € and 14 draws: the boxes furthest right and down
    m_fakes.printTarget.offset = QPoint(50, 50);
    m_fakes.printTarget.printable = QRect(50, 50, 2000, 2870); // 5 mm margins all round
    ClickPrint("BAusdruck");
    ASSERT_EQ(Documents().size(), 1);
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());

    m_fakes.printTarget.documents.clear();
    SetText("Ehori", QStringLiteral("800")); // the 10 € box at 210 mm
    ClickPrint("BAusdruck");
    EXPECT_TRUE(Documents().isEmpty());
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Error),
              QStringList{QStringLiteral(
                  "Die Markierung \"x\" auf Schein 1 läge 210,0 mm rechts und 60,0 mm unter der linken oberen Ecke "
                  "des Papiers, außerhalb des Bereichs, den der Drucker bedrucken kann. Bitte prüfen Sie die "
                  "Ausdruck-Korrektur und die Druck-Parameter.\r\rIch breche ab, es wird nichts gedruckt.")});
    EXPECT_FALSE(Print<QPushButton>("BStop")->isEnabled());

    m_fakes.messages.boxes.clear();
    m_fakes.fileDialogs.SetNextChoice({FromPath(Data() / "bogen.pdf")});
    ClickPrint("BPdf");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Error).size(), 1);
    EXPECT_FALSE(std::filesystem::exists(Data() / "bogen.pdf"));
}

TEST_F(PrintWindowTest, StopEndsTheJobAfterTheNextMark) {
    OpenPrintWindow();
    LoadSlips({SlipOf(8, 0, 0), SlipOf(4, 1, 1)});
    // The question after slip 1 is where the job hands control out: the user asks to stop there.
    m_fakes.messages.SetNextAnswer(Answer::Yes); // slip 1 came out right
    m_fakes.messages.SetNextAnswer(Answer::Yes); // stop? yes
    QMetaObject::invokeMethod(
        m_print, [this] { ClickPrint("BStop"); }, Qt::QueuedConnection);
    ClickPrint("BAusdruck");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::YesNoCancel).at(0), QStringLiteral("Soll der Ausdruck gestoppt werden?."));
    EXPECT_EQ(Documents().size(), 1);
    EXPECT_FALSE(Print<QPushButton>("BStop")->isEnabled());
}

TEST_F(PrintWindowTest, ClosingKeepsTheCorrectionAndTheBoxesInTheSettings) {
    OpenPrintWindow();
    SetText("Ehori", QStringLiteral("-25"));
    Print<QCheckBox>("cbNr")->setChecked(false);
    m_print->close();
    const PrintSettings kept = ReadPrintSettings(IniFile(Data() / kSettingsFileName));
    EXPECT_EQ(kept, (PrintSettings{"-25", "0", false, true}));
}

TEST_F(PrintWindowTest, HelpButtonsOpenTheirTopics) {
    OpenPrintWindow();
    ClickPrint("bsSkinSpeedButton6");
    ClickPrint("bsSkinSpeedButton2");
    QWidget* editor = m_app->Windows().ShowNewest(QStringLiteral("FDetail"));
    QTest::mouseClick(Find<QAbstractButton>(editor, QStringLiteral("bsSkinSpeedButton6")), Qt::LeftButton);
    EXPECT_EQ(m_fakes.help.topics, (QList<int>{1150, 1180, 1160}));
}

TEST_F(PrintWindowTest, InputFiltersSwallowOtherKeys) {
    OpenPrintWindow();
    auto* start = Print<QLineEdit>("EStart");
    start->clear();
    QTest::keyClicks(start, QStringLiteral("1a-23456"));
    EXPECT_EQ(start->text(), QStringLiteral("1234"));
    auto* hori = Print<QLineEdit>("Ehori");
    hori->clear();
    QTest::keyClicks(hori, QStringLiteral("-x12"));
    EXPECT_EQ(hori->text(), QStringLiteral("-12"));
    auto* number = Print<QLineEdit>("ENr");
    number->clear();
    QTest::keyClicks(number, QStringLiteral("1234567"));
    EXPECT_EQ(number->text(), QStringLiteral("12345"));
}

TEST_F(PrintWindowTest, ThePreviewShowsTheSheetsWithoutPrinting) {
    OpenPrintWindow();
    ClickPrint("BVorschau");
    EXPECT_EQ(m_fakes.messages.Texts(Kind::Information),
              QStringList{QStringLiteral("Es gibt nichts zu drucken, ich breche ab.")});
    EXPECT_EQ(m_print->findChild<QPrintPreviewDialog*>(), nullptr);

    LoadSlips({SlipOf(8, 0, 0), SlipOf(4, 1, 1)});
    ClickPrint("BVorschau");
    auto* preview = m_print->findChild<QPrintPreviewDialog*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    preview->close();
    EXPECT_TRUE(Documents().isEmpty());
    EXPECT_EQ(m_fakes.printTarget.setups, 0);
}

// Every control a keyboard user reaches has a name a screen reader can say, and Tab reaches them all,
// in the order of the window's layout, and leaves the list.
TEST_F(PrintWindowTest, TheKeyboardReachesEveryNamedControl) {
    OpenPrintWindow();
    QWidget* editor = m_app->Windows().ShowNewest(QStringLiteral("FDetail"));
    for (QWidget* window : {static_cast<QWidget*>(m_print), editor}) {
        QStringList unnamed;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(window)) {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
                if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
                    unnamed << widget->objectName() + QLatin1Char(':') + widget->metaObject()->className();
                }
            }
        }
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char(' ')).toStdString();
    }

    QStringList order;
    QWidget* widget = Print("BOpen2");
    for (int step = 0; step < 40 && widget != nullptr; ++step) {
        if (!widget->objectName().isEmpty()) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
        while (widget != nullptr && !(widget->focusPolicy() & Qt::TabFocus)) {
            widget = widget->nextInFocusChain();
        }
        if (widget == Print("BOpen2")) {
            break;
        }
    }
    const QStringList expected = {"BOpen2", "bsSkinSpeedButton1", "GReihen",  "EStart", "EEnde", "ENr",
                                  "cbNr",   "bsSkinSpeedButton2", "cbFragen", "GRText"};
    EXPECT_EQ(order.mid(0, expected.size()), expected);
    const QStringList tail = {"Ehori",     "Evert", "BParameter",         "BAusdruck",         "BStop",
                              "BVorschau", "BPdf",  "bsSkinSpeedButton6", "bsSkinSpeedButton5"};
    const qsizetype at = order.indexOf(QStringLiteral("Ehori"));
    ASSERT_GE(at, 0) << order.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(order.mid(at, tail.size()), tail);
}

TEST_F(PrintWindowTest, ThePdfHoldsOneSheetPerSlip) {
    OpenPrintWindow();
    LoadSlips({SlipOf(8, 0, 0), SlipOf(4, 1, 1)});
    const QString pdf = FromPath(Data() / "Tippscheine.pdf");
    m_fakes.fileDialogs.SetNextChoice({pdf});
    ClickPrint("BPdf");
    const auto raw = ReadFileBytes(Data() / "Tippscheine.pdf");
    const QByteArray bytes(reinterpret_cast<const char*>(raw.data()), static_cast<qsizetype>(raw.size()));
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 2);
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
}

} // namespace
} // namespace qv::test

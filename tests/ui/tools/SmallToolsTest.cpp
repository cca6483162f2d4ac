#include "support/MainWindowFixture.h"

#include "engine/core/IniFile.h"
#include "engine/tools/QuickLinks.h"
#include "ui/tools/TFInfo.h"
#include "ui/tools/TFNueberK.h"
#include "ui/tools/TFQlinks.h"
#include "ui/tools/TFUpdate.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

class SmallToolsTest : public MainWindowFixture {
protected:
    // The window, made now (unseen) when it is not made yet.
    QWidget* Window(const char* formName) const {
        return m_app->Windows().Create(m_app->Context(), QString::fromUtf8(formName));
    }
    template <typename T = QWidget>
    T* In(const char* formName, const char* name) const {
        return Find<T>(Window(formName), QString::fromUtf8(name));
    }
    void ClickIn(const char* formName, const char* name) const {
        QTest::mouseClick(In<QAbstractButton>(formName, name), Qt::LeftButton);
    }
    QString Text(const char* formName, const char* name) const { return In<QLineEdit>(formName, name)->text(); }

    // The background and caption style of a link panel of the winning-number window.
    struct PanelLook {
        QRgb colour;
        bool bold;
        bool underlined;
        bool operator==(const PanelLook&) const = default;
    };
    PanelLook Panel(int link) const {
        const auto* panel = Find<QLabel>(Numbers(), QStringLiteral("PLink%1").arg(link));
        return {panel->palette().color(QPalette::Window).rgba(), panel->font().bold(), panel->font().underline()};
    }
    static constexpr PanelLook kValid{0xFF80FF80, true, true};
    static constexpr PanelLook kInvalid{0xFFFF8080, false, false};

    std::string QuickLinksFile() const { return ReadText(Data() / kQuickLinksFileName); }
    static std::string ReadText(const std::filesystem::path& path) {
        const auto bytes = ReadFileBytes(path);
        return {bytes.begin(), bytes.end()};
    }
    void WriteQuickLinksFile(const QByteArray& bytes) const {
        QFile file(FromPath(Data() / kQuickLinksFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(SmallToolsTest, NOverKShowsExactResultsAndRefusesWithoutTouchingTheResult) {
    Start();
    EXPECT_EQ(Window("FNueberK")->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - n über k"));
    auto* n = In<QLineEdit>("FNueberK", "E1");
    auto* k = In<QLineEdit>("FNueberK", "E2");
    auto* result = In<QLabel>("FNueberK", "P1");

    QTest::keyClicks(n, QStringLiteral("4x9 -"));
    EXPECT_EQ(n->text(), QStringLiteral("49")) << "n takes digits only";
    QTest::keyClicks(k, QStringLiteral("6"));
    ClickIn("FNueberK", "BitBtn1");
    EXPECT_EQ(result->text(), QStringLiteral("13.983.816"));

    n->setText(QStringLiteral("70"));
    k->setText(QStringLiteral("20"));
    QTest::keyClick(k, Qt::Key_Return);
    EXPECT_EQ(result->text(), QStringLiteral("161.884.603.662.657.876"));

    const struct {
        const char* n;
        const char* k;
        const char* message;
    } refusals[] = {
        {"5", "5", "Die Zahl für \"n\" muss größer als die für \"k\" sein.\r\rIch breche erst einmal ab."},
        {"5", "7", "Die Zahl für \"n\" muss größer als die für \"k\" sein.\r\rIch breche erst einmal ab."},
        {"", "6", "Sie müssen für \"n\" eine Zahl größer Null eingeben.\r\rIch breche erst einmal ab."},
        {"0", "6", "Sie müssen für \"n\" eine Zahl größer Null eingeben.\r\rIch breche erst einmal ab."},
    };
    for (const auto& r : refusals) {
        m_fakes.messages.boxes.clear();
        n->setText(QString::fromUtf8(r.n));
        k->setText(QString::fromUtf8(r.k));
        ClickIn("FNueberK", "BitBtn1");
        EXPECT_EQ(Boxes(Kind::Information), QStringList{QString::fromUtf8(r.message)}) << r.n << " " << r.k;
        EXPECT_EQ(result->text(), QStringLiteral("161.884.603.662.657.876")) << "the panel keeps its text";
    }

    n->setText(QStringLiteral("70"));
    k->setText(QStringLiteral("35"));
    ClickIn("FNueberK", "BitBtn1");
    EXPECT_EQ(result->text(), QStringLiteral("zu groß für die Anzeige (über 18 Trillionen)"));

    ClickIn("FNueberK", "BitBtn2");
    EXPECT_EQ(m_fakes.help.topics, QList<int>{1011});
    EXPECT_EQ(result->accessibleName(), QStringLiteral("Ergebnis: zu groß für die Anzeige (über 18 Trillionen)"));
    EXPECT_TRUE(In<QLabel>("FNueberK", "Label4")->accessibleName().contains(QStringLiteral("ist beispielsweise für")));
    EXPECT_EQ(In<QLabel>("FNueberK", "Label1")->buddy(), n);
    EXPECT_EQ(In<QLabel>("FNueberK", "Label2")->buddy(), k);
}

// The calendar opens on the clock's day; its columns are named by the weekdays and its rows by the
// calendar weeks, and the month buttons page by keyboard as by mouse.
TEST_F(SmallToolsTest, CalendarNamesItsColumnsByWeekdayAndPagesByMonth) {
    m_fakes.clock.today = QDate(2024, 3, 31);
    Start();
    auto* days = In<QTableWidget>("FKal", "MC1");
    const QStringList weekdays = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(days->model()->headerData(column, Qt::Horizontal).toString(), weekdays[column]);
    }
    EXPECT_EQ(In<QLabel>("FKal", "LMonat")->text(), QStringLiteral("März 2024"));
    EXPECT_EQ(days->accessibleName(), QStringLiteral("Kalender März 2024"));
    // March 2024 starts on a Friday: the first row is week 9 from Monday 26 February.
    EXPECT_EQ(days->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("KW 9"));
    EXPECT_EQ(days->item(0, 0)->text(), QStringLiteral("26"));
    EXPECT_EQ(days->currentItem()->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Sonntag, 31. März 2024"));
    EXPECT_EQ(days->currentColumn(), 6);
    EXPECT_FALSE(days->tabKeyNavigation());

    // Paged by the keyboard: the month buttons are Tab stops with names and react to Space.
    for (const char* button : {"BVorMonat", "BNachMonat"}) {
        EXPECT_FALSE(In("FKal", button)->accessibleName().isEmpty()) << button;
        EXPECT_NE(In("FKal", button)->focusPolicy() & Qt::TabFocus, 0) << button;
    }
    QTest::keyClick(In("FKal", "BNachMonat"), Qt::Key_Space);
    EXPECT_EQ(In<QLabel>("FKal", "LMonat")->text(), QStringLiteral("April 2024"));
    EXPECT_EQ(days->currentItem()->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Montag, 1. April 2024"));
    for (int presses = 0; presses < 4; ++presses) {
        ClickIn("FKal", "BVorMonat");
    }
    EXPECT_EQ(In<QLabel>("FKal", "LMonat")->text(), QStringLiteral("Dezember 2023"));
    EXPECT_EQ(days->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("KW 48"));
}

TEST_F(SmallToolsTest, TheToolsOpenFromTheSharedCommandsAndCloseByHiding) {
    Start();
    m_main->findChild<QAction*>(QStringLiteral("MNueberK"))->trigger();
    EXPECT_TRUE(Window("FNueberK")->isVisible());
    m_main->findChild<QAction*>(QStringLiteral("MKalender"))->trigger();
    ASSERT_TRUE(Window("FKal")->isVisible());
    EXPECT_EQ(Window("FKal")->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Kalender"));
    ClickIn("FKal", "BitBtn8");
    ClickIn("FKal", "BitBtn8");
    EXPECT_FALSE(Window("FKal")->isVisible());
    EXPECT_NE(Window("FKal"), nullptr) << "closing only hides it";
    EXPECT_EQ(In<QPushButton>("FKal", "BitBtn8")->toolTip(), QStringLiteral("Fenster schließen"));

    m_main->findChild<QAction*>(QStringLiteral("MUpdate"))->trigger();
    EXPECT_TRUE(Window("FUpdate")->isVisible());
    EXPECT_EQ(Window("FUpdate")->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Updates"));
}

// A fresh program offers no link: both panels are red and ask for one, none opens an invented page.
TEST_F(SmallToolsTest, WithoutAQuickLinksFileThereIsNoLink) {
    Start();
    EXPECT_EQ(Window("FQlinks")->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Gewinnzahlen-Favoriten"));
    EXPECT_EQ(State().ResultLink1, "");
    EXPECT_EQ(State().ResultLink2, "");
    EXPECT_EQ(Text("FQlinks", "Edit1"), QString());
    EXPECT_EQ(Panel(1), kInvalid);
    EXPECT_EQ(Panel(2), kInvalid);
    EXPECT_FALSE(std::filesystem::exists(Data() / kQuickLinksFileName)) << "reading writes nothing";
    EXPECT_EQ(In<QPushButton>("FQlinks", "BGoogle")->text(), QStringLiteral("Google-\nSuche"));

    Numbers()->OpenLink(1);
    EXPECT_TRUE(m_fakes.shell.openedUrls.isEmpty());
    EXPECT_TRUE(Window("FQlinks")->isVisible()) << "a panel without a link asks for one";
}

TEST_F(SmallToolsTest, SavingKeepsValidLinksAndEmptiesTheRest) {
    WriteQuickLinksFile("https://zahlen.de/keno1\r\n\r\n");
    Start();
    In<QLineEdit>("FQlinks", "Edit2")->setText(QStringLiteral("keine Adresse"));
    ClickIn("FQlinks", "BDel");
    EXPECT_EQ(Text("FQlinks", "Edit1"), QString());
    EXPECT_EQ(State().ResultLink1, "https://zahlen.de/keno1") << "emptying changes nothing before the save";
    EXPECT_EQ(Panel(1), kValid);

    ClickIn("FQlinks", "BitBtn3");
    EXPECT_EQ(QuickLinksFile(), "\r\n\r\n") << "text that is no address is saved as an empty line";
    EXPECT_EQ(State().ResultLink1, "");
    EXPECT_EQ(State().ResultLink2, "");
    EXPECT_EQ(Panel(1), kInvalid);
    EXPECT_EQ(Panel(2), kInvalid);

    // A panel without a link brings the quick-links window, modally.
    Numbers()->OpenLink(1);
    EXPECT_TRUE(m_fakes.shell.openedUrls.isEmpty());
    EXPECT_TRUE(Window("FQlinks")->isVisible());
    EXPECT_TRUE(Window("FQlinks")->isModal());
    ClickIn("FQlinks", "BitBtn8");
    EXPECT_FALSE(Window("FQlinks")->isModal()) << "opened from \"Links bearbeiten\" it is modeless";

    In<QLineEdit>("FQlinks", "Edit2")->setText(QStringLiteral("https://zahlen.de/keno"));
    ClickIn("FQlinks", "BitBtn3");
    EXPECT_EQ(QuickLinksFile(), "\r\nhttps://zahlen.de/keno\r\n");
    EXPECT_EQ(Panel(2), kValid);
    Numbers()->OpenLink(2);
    EXPECT_EQ(m_fakes.shell.openedUrls, QStringList{"https://zahlen.de/keno"});
    EXPECT_TRUE(Boxes(Kind::Error).isEmpty());
}

TEST_F(SmallToolsTest, SavingAnAddressThatIsNoWebPageIsRefused) {
    Start();
    for (const char* address :
         {"file:///etc/passwd", "javascript:alert(1)", "smb://server/share", "mailto:a@b.example"}) {
        m_fakes.messages.boxes.clear();
        In<QLineEdit>("FQlinks", "Edit2")->setText(QString::fromUtf8(address));
        ClickIn("FQlinks", "BitBtn3");
        EXPECT_EQ(Boxes(Kind::Error),
                  QStringList{QStringLiteral("Link 2 ist keine Adresse einer Internetseite. Aufgerufen werden nur "
                                             "Adressen, die mit http:// oder https:// beginnen.\r\rIch breche erst "
                                             "einmal ab.")})
            << address;
        EXPECT_FALSE(std::filesystem::exists(Data() / kQuickLinksFileName)) << address;
        EXPECT_EQ(State().ResultLink2, "") << address;
        EXPECT_EQ(Panel(2), kInvalid) << address;
    }
    EXPECT_TRUE(m_fakes.shell.openedUrls.isEmpty());
}

TEST_F(SmallToolsTest, TheFileIsReadAtStartWhateverItHolds) {
    const struct {
        QByteArray file;
        std::string link1;
        std::string link2;
        QString edit1;
    } cases[] = {
        {"https://a.de/1\r\nhttps://b.de/2\r\n", "https://a.de/1", "https://b.de/2", "https://a.de/1"},
        // An invalid first line leaves the field empty, and no link.
        {"kein Link\r\nhttps://b.de/2\r\n", "", "https://b.de/2", QString()},
        {"https://a.de/1", "https://a.de/1", "", "https://a.de/1"}, // one line, no ending
        {"", "", "", QString()},
        // A placeholder address is no link either.
        {"https://www.keno-zahlenarchiv.example/20-aus-70\r\n", "", "", QString()},
        // Addresses that are no web pages are never handed to the desktop's opener.
        {"file:///etc/passwd\r\nsmb://server/share\r\n", "", "", QString()},
    };
    for (const auto& c : cases) {
        WriteQuickLinksFile(c.file);
        m_app.reset();
        m_fakes.messages.boxes.clear();
        Start();
        EXPECT_EQ(State().ResultLink1, c.link1) << c.file.constData();
        EXPECT_EQ(State().ResultLink2, c.link2) << c.file.constData();
        EXPECT_EQ(Text("FQlinks", "Edit1"), c.edit1) << c.file.constData();
        EXPECT_EQ(Panel(1), c.link1.empty() ? kInvalid : kValid) << c.file.constData();
        EXPECT_EQ(Panel(2), c.link2.empty() ? kInvalid : kValid) << c.file.constData();
        EXPECT_TRUE(m_fakes.messages.boxes.isEmpty()) << c.file.constData();
    }
}

TEST_F(SmallToolsTest, AnUnreadableFileIsReportedAndTheProgramStartsWithoutLinks) {
    std::filesystem::create_directory(Data() / kQuickLinksFileName);
    Start();
    ASSERT_EQ(Boxes(Kind::Error).size(), 1);
    EXPECT_TRUE(Boxes(Kind::Error).first().contains(QStringLiteral("QLinks.qvql")))
        << Boxes(Kind::Error).first().toStdString();
    EXPECT_EQ(State().ResultLink1, "");
    EXPECT_EQ(Panel(1), kInvalid);
    EXPECT_NE(Window("FQlinks"), nullptr);
}

TEST_F(SmallToolsTest, AFailedSaveChangesNoLink) {
    WriteQuickLinksFile("https://zahlen.de/keno1\r\n\r\n");
    Start();
    std::filesystem::remove(Data() / kQuickLinksFileName);
    std::filesystem::create_directory(Data() / kQuickLinksFileName); // the file cannot be replaced
    In<QLineEdit>("FQlinks", "Edit1")->clear();
    ClickIn("FQlinks", "BitBtn3");
    EXPECT_EQ(Boxes(Kind::Error).size(), 1);
    EXPECT_EQ(State().ResultLink1, "https://zahlen.de/keno1");
    EXPECT_EQ(Panel(1), kValid);
}

TEST_F(SmallToolsTest, WebSearchNeedsAConnectionAndSaysWhenTheBrowserFails) {
    Start();
    m_fakes.internet.connected = false;
    ClickIn("FQlinks", "BGoogle");
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{"Für den Aufruf der Suche muss eine Verbindung zum Internet bestehen."});
    EXPECT_TRUE(m_fakes.shell.openedUrls.isEmpty());

    m_fakes.internet.connected = true;
    ClickIn("FQlinks", "BGoogle");
    EXPECT_EQ(m_fakes.shell.openedUrls,
              QStringList{"http://www.google.de/search?q=aktuelle+gewinnzahlen+belgisches+keno"});
    m_fakes.shell.succeed = false;
    ClickIn("FQlinks", "BGoogle");
    EXPECT_EQ(Boxes(Kind::Error), QStringList{"Es gab ein Problem mit dem Seitenaufruf."});
}

TEST_F(SmallToolsTest, TheAboutWindowIsCreatedOnEachUseAndGoneWhenClosed) {
    Start();
    EXPECT_EQ(m_app->Windows().Find("FInfo"), nullptr);
    m_main->findChild<QAction*>(QStringLiteral("MInfo"))->trigger();
    QWidget* info = m_app->Windows().Find("FInfo");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->windowTitle(), QStringLiteral("- Programm-Info"));
    EXPECT_EQ(info->size(), QSize(TFInfo::kClientWidth, TFInfo::kClientHeight));
    EXPECT_EQ(In<QLabel>("FInfo", "LVersion")->text(), QStringLiteral("Version 1.4.3.0"));
    // Only what the build knows: no invented address, telephone number or person.
    EXPECT_EQ(In<QLabel>("FInfo", "LName")->text(), QStringLiteral("Quovadra"));
    EXPECT_TRUE(In<QLabel>("FInfo", "LLizenz")->text().startsWith(QStringLiteral("Lizenz: ")));
    for (const char* gone : {"LStrasse", "LPLZOrt", "LTelefon", "LFax", "LMail"}) {
        EXPECT_EQ(info->findChild<QWidget*>(QString::fromLatin1(gone)), nullptr) << gone;
    }
    auto* web = In<QLabel>("FInfo", "LWeb");
    EXPECT_EQ(web->text(), QStringLiteral("Web-Seite: ") + m_app->Context().webSite);
    EXPECT_EQ(web->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(web, Qt::LeftButton);
    EXPECT_EQ(m_fakes.shell.openedUrls, QStringList{m_app->Context().webSite});

    QPointer<QWidget> first = info;
    ClickIn("FInfo", "BitBtn8");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(m_app->Windows().Find("FInfo"), nullptr);
    const std::vector<QWidget*> windows = m_app->Windows().Windows();
    EXPECT_EQ(std::find(windows.begin(), windows.end(), info), windows.end()) << "the list forgets it too";

    m_main->findChild<QAction*>(QStringLiteral("MInfo"))->trigger();
    ASSERT_NE(m_app->Windows().Find("FInfo"), nullptr);
    ClickIn("FInfo", "BitBtn8");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_app->Windows().Find("FInfo"), nullptr);
}

// Tab walks each window in the order of its layout, from the first field to the close button.
TEST_F(SmallToolsTest, TabFollowsTheLayout) {
    Start();
    const struct {
        const char* formName;
        QStringList chain;
    } windows[] = {
        {"FNueberK", {"E1", "E2", "BitBtn1", "P1", "BitBtn2", "BitBtn8"}},
        {"FQlinks", {"Edit1", "BDel", "Edit2", "BitBtn2", "BGoogle", "BitBtn3", "BitBtn8"}},
        {"FUpdate", {"BAbfrage", "PAkt", "POnl", "BitBtn8"}},
    };
    for (const auto& w : windows) {
        QWidget* window = m_app->Windows().OpenOrRestore(m_app->Context(), QString::fromUtf8(w.formName));
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << w.formName;
        In(w.formName, qPrintable(w.chain.first()))->setFocus();
        QStringList walked{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < w.chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(walked, w.chain) << w.formName;
        window->hide();
    }
}

TEST_F(SmallToolsTest, AStartedInstallerEndsTheProgramTheOrdinaryWay) {
    Start();
    m_fakes.messages.SetNextAnswer(Messages::Answer::Yes);
    qobject_cast<TFUpdate*>(Window("FUpdate"))->Install();
    EXPECT_EQ(m_fakes.shell.openedFiles, QStringList{FromPath(Data() / "Update.exe")});
    EXPECT_FALSE(m_main->isVisible());
    // The main window's close handling ran: the program's settings are kept.
    EXPECT_TRUE(IniFile(Data() / kSettingsFileName).ReadBool("NeueGZ", "AutoFiltern", false));
}

} // namespace
} // namespace qv::test

#include "support/LocalHttpServer.h"
#include "support/MainWindowFixture.h"

#include "ui/tools/TFBrowser.h"

#include <QAccessible>
#include <QLabel>
#include <QWebEngineView>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

class BrowserWindowTest : public MainWindowFixture {
protected:
    TFBrowser* Open() {
        auto* browser =
            qobject_cast<TFBrowser*>(m_app->Windows().OpenOrRestore(m_app->Context(), QStringLiteral("FBrowser")));
        EXPECT_NE(browser, nullptr);
        return browser;
    }
    QPushButton* Button(TFBrowser* browser, const char* name) const {
        return Find<QPushButton>(browser, QString::fromUtf8(name));
    }
};

TEST_F(BrowserWindowTest, WithoutAConnectionNothingLoadsUntilTheUserAsks) {
    Start();
    EXPECT_EQ(m_app->Windows().Find(QStringLiteral("FBrowser")), nullptr) << "never created at start";
    m_fakes.internet.connected = false;
    TFBrowser* browser = Open();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Online-Spiel"));
    auto* view = qobject_cast<QWebEngineView*>(browser->View());
    ASSERT_NE(view, nullptr) << WebViewLoadError().toStdString();
    EXPECT_TRUE(view->url().isEmpty());
    EXPECT_FALSE(Button(browser, "BBack")->isEnabled());
    EXPECT_FALSE(Button(browser, "BForward")->isEnabled());
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());

    QTest::mouseClick(Button(browser, "BRefresh"), Qt::LeftButton);
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{"Für das Online-Spiel muss eine Verbindung zum Internet bestehen."});

    // The warning line opens the page on gambling addiction in the user's browser.
    auto* warning = Find<QLabel>(browser, "Label1");
    EXPECT_EQ(warning->text(), QStringLiteral("KENO ist nur ein Spiel - Lassen Sie es nicht zur Sucht werden!"));
    QTest::mouseClick(warning, Qt::LeftButton);
    EXPECT_EQ(m_fakes.shell.openedUrls, QStringList{m_app->Context().webSite + QStringLiteral("/spielsucht.html")});

    browser->close();
    EXPECT_EQ(Open(), browser) << "closing only hides it";
}

TEST_F(BrowserWindowTest, BackAndForwardFollowTheHistory) {
    LocalHttpServer server;
    ASSERT_TRUE(server.IsListening());
    server.Set("/KENO/Tipora.html", 200, "<html><head><title>Spielen</title></head><body>Spielen</body></html>",
               "text/html");
    server.Set("/zwei.html", 200, "<html><head><title>Zwei</title></head><body>Zwei</body></html>", "text/html");
    Start();
    m_app->Context().webSite = server.Url(QString());
    TFBrowser* browser = Open();
    ASSERT_NE(browser, nullptr);
    auto* view = qobject_cast<QWebEngineView*>(browser->View());
    ASSERT_NE(view, nullptr) << WebViewLoadError().toStdString();
    EXPECT_EQ(view->url(), QUrl(server.Url(QStringLiteral("/KENO/Tipora.html"))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->page()->isLoading() && view->title() == "Spielen"; }, 20000));
    // The browser's hidden drawing window is not among the windows a screen reader lists.
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    ASSERT_NE(application, nullptr);
    for (int i = 0; i < application->childCount(); ++i) {
        const QAccessibleInterface* window = application->child(i);
        ASSERT_NE(window, nullptr);
        EXPECT_NE(window->text(QAccessible::Name), QStringLiteral("Offscreen"));
        EXPECT_TRUE(window->object() == nullptr || window->object()->isWidgetType())
            << window->object()->metaObject()->className();
    }

    view->setUrl(QUrl(server.Url(QStringLiteral("/zwei.html"))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Button(browser, "BBack")->isEnabled(); }, 20000));
    EXPECT_FALSE(Button(browser, "BForward")->isEnabled());

    QTest::mouseClick(Button(browser, "BBack"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Button(browser, "BForward")->isEnabled(); }, 20000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Button(browser, "BBack")->isEnabled(); }, 20000));
}

} // namespace
} // namespace qv::test

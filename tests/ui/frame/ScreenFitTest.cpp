#include "support/MainWindowFixture.h"

#include "ui/frame/WindowRegistry.h"
#include "ui/widgets/ScreenFit.h"

#include <QLayout>

namespace qv::test {
namespace {

class ScreenFitTest : public MainWindowFixture {};

// Every window opens within a 1366 × 768 screen less a panel and can be made that small: what does not
// fit scrolls. The offscreen screen is larger here, so the windows' own sizes are what is measured.
TEST_F(ScreenFitTest, EveryWindowFitsASmallLaptopScreen) {
    SaveDraws(DrawFile(), MadeUpHistory(40));
    Start();
    ASSERT_TRUE(test::PressWeiter(*m_app));
    WindowRegistry& windows = m_app->Windows();
    for (const QString& formName : windows.FormNames()) {
        QWidget* window = formName == QLatin1String("FDetail") ? windows.CreateAnew(m_app->Context(), formName)
                                                               : windows.Create(m_app->Context(), formName);
        ASSERT_NE(window, nullptr) << formName.toStdString();
        window->show();
        const QSize needed = window->layout() ? window->layout()->totalMinimumSize() : window->minimumSizeHint();
        const QSize least = needed.expandedTo(window->minimumSize());
        EXPECT_LE(window->width(), kSmallScreen.width()) << formName.toStdString();
        EXPECT_LE(window->height(), kSmallScreen.height()) << formName.toStdString();
        EXPECT_LE(least.width(), kSmallScreen.width()) << formName.toStdString();
        EXPECT_LE(least.height(), kSmallScreen.height()) << formName.toStdString();
        window->hide();
    }
}

} // namespace
} // namespace qv::test

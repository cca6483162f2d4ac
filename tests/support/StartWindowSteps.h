#pragma once

#include "ui/app/Application.h"
#include "ui/frame/TFStart.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace qv::test {

// "Weiter" in the start window, as the player presses it, and the fade into the main window, which
// shows only then.
inline ::testing::AssertionResult PressWeiter(Application& app) {
    TFStart* start = app.StartWindow();
    auto* weiter = start ? start->findChild<QPushButton*>(QStringLiteral("BWeiter")) : nullptr;
    if (weiter == nullptr) {
        return ::testing::AssertionFailure() << "no start window with \"Weiter\"";
    }
    QSignalSpy faded(&app, &Application::FadeFinished);
    QTest::mouseClick(weiter, Qt::LeftButton);
    if (!QTest::qWaitFor([&faded] { return !faded.isEmpty(); }, 5000)) {
        return ::testing::AssertionFailure() << "the fade into the main window did not end";
    }
    return ::testing::AssertionSuccess();
}

} // namespace qv::test

#include "ui/frame/GuardedApplication.h"

#include "ui/frame/ErrorReport.h"

#include <cstdio>

namespace qv {

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (m_messages) {
            ReportError(*m_messages, error);
        } else {
            std::fprintf(stderr, "%s\n", error.what());
        }
    }
    return false;
}

} // namespace qv

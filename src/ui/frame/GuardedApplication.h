#pragma once

#include <QApplication>

namespace qv {

class Messages;

// The application object. An error that escapes an event handler ends up here and is shown by the
// general error report instead of ending the program.
class GuardedApplication : public QApplication {
    Q_OBJECT

public:
    GuardedApplication(int& argc, char** argv);

    void SetErrorReport(Messages* messages) { m_messages = messages; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Messages* m_messages = nullptr;
};

} // namespace qv

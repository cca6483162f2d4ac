#pragma once

#include <QWidget>

namespace qv {

struct AppContext;

// The about window: the program's version and how to reach its maker. Created on each use and
// destroyed when closed.
class TFInfo : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormName = "FInfo";
    static constexpr const char* kServiceMail = "service@quovadra.de";

    explicit TFInfo(AppContext& context);

    // The handler of the mail address: a new mail to the service with the program's name as subject.
    void WriteMail();

    static constexpr int kClientWidth = 400;
    static constexpr int kClientHeight = 300;

private:
    AppContext& m_context;
};

} // namespace qv

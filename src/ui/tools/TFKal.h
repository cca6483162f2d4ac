#pragma once

#include <QWidget>

namespace qv {

struct AppContext;

// The calendar: a month calendar on the day the program started.
class TFKal : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormName = "FKal";

    explicit TFKal(AppContext& context);
};

} // namespace qv

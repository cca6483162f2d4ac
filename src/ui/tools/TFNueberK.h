#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace qv {

struct AppContext;

// The n-over-k calculator: how many ways there are to choose k of n elements.
class TFNueberK : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormName = "FNueberK";

    explicit TFNueberK(AppContext& context);

    // The compute button's handler.
    void Compute();

private:
    AppContext& m_context;
    QLineEdit* m_n;
    QLineEdit* m_k;
    QLabel* m_result;
};

} // namespace qv

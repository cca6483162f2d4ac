#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qv {

struct AppContext;

// The winning-number window: the user pastes the text of a results page, the filter pulls the runs of
// digits into twenty fields, and "Übertragen" clicks the main window's number buttons named after them.
class TFGewinnzahlen : public QWidget {
    Q_OBJECT

public:
    explicit TFGewinnzahlen(AppContext& context);

    // The red hint along the bottom: "Gewinnzahlen gelten für " and the date of the main window's draw.
    void SetHint(const QString& text);

    // The handlers, as the user's clicks run them.
    void Filter();
    void Transfer();
    void OpenLink(int link);

    // Background of a link panel without a valid link, #FF8080 (stored 8421631).
    static constexpr QRgb kNoLinkColour = 0xFFFF8080;

protected:
    // Closing only hides the window and writes its settings; the main window closes it at every
    // program end, also when it was never shown.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* CreateLinkPanel(const QString& name, const QString& caption, int link);
    void TextChanged();

    AppContext& m_context;
    QPlainTextEdit* m_m1;
    std::array<QLineEdit*, 20> m_fields{};
    QLabel* m_hint;
    QCheckBox* m_cbFiltern;
    QCheckBox* m_cbDel;
};

} // namespace qv

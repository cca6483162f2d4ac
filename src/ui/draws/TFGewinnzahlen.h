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

    // Colours the link panels after ResultLink1 and ResultLink2: light green with a bold underlined
    // caption for a link, light red with a plain caption without one.
    void UpdateLinkPanels();

    // Background of a link panel without a valid link, #FF8080 (stored 8421631).
    static constexpr QRgb kNoLinkColour = 0xFFFF8080;
    // Background of a link panel with a valid link, #80FF80 (stored 8454016).
    static constexpr QRgb kLinkColour = 0xFF80FF80;

signals:
    // A link panel without a link was clicked: the user should enter the links now.
    void QuickLinksRequested();

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

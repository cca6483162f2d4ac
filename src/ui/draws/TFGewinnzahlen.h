#pragma once

#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace qv {

struct AppContext;

// The winning-number window: the user pastes the text of a results page, the filter pulls the runs of
// digits into twenty fields, and "Übertragen" hands the numbers named there on to be clicked on the
// main window's board.
class TFGewinnzahlen : public QWidget {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FGewinnzahlen";

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
    // "Links bearbeiten" is offered once the program has the quick-links window.
    void EnableLinkEditing();

    // Writes at program end what the window would write had it been made: the stored settings, or the
    // designed state when none are stored.
    static void StoreSettingsUnmade(AppContext& context);

    // Background of a link panel without a valid link, #FF8080 (stored 8421631).
    static constexpr QRgb kNoLinkColour = 0xFFFF8080;
    // Background of a link panel with a valid link, #80FF80 (stored 8454016).
    static constexpr QRgb kLinkColour = 0xFF80FF80;

signals:
    // A link panel without a link was clicked: the user should enter the links now.
    void QuickLinksRequested();
    // "Links bearbeiten": the quick-links window should show.
    void LinkEditingRequested();

signals:
    // "Übertragen": the numbers to click on the board, in the order of the fields.
    void NumbersTransferred(const std::vector<int>& numbers);

protected:
    // Closing only hides the window and writes its settings; the main window closes it at every
    // program end, also when it was never shown.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void LayOutControls();
    void ConnectControls();
    void RestoreSettings();
    QWidget* CreateLinkPanel(const QString& name, const QString& caption, int link);
    void TextChanged();

    AppContext& m_context;
    QLabel* m_instruction = nullptr;
    QPlainTextEdit* m_text = nullptr;
    std::array<QLineEdit*, 20> m_fields{};
    QLabel* m_hint = nullptr;
    QPushButton* m_filterButton = nullptr;
    QPushButton* m_transferButton = nullptr;
    QPushButton* m_clearButton = nullptr;
    QWidget* m_link1 = nullptr;
    QWidget* m_link2 = nullptr;
    QPushButton* m_linksButton = nullptr;
    QCheckBox* m_autoFilter = nullptr;
    QCheckBox* m_autoClear = nullptr;
    QToolButton* m_helpButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};

} // namespace qv

#pragma once

#include <QWidget>

class QPushButton;

namespace qv {

class SharedCommands;

// The start window: shown first, above everything, while the program loads. "Weiter" stays disabled
// with the busy cursor until the windows are created.
class TFStart : public QWidget {
    Q_OBJECT

public:
    explicit TFStart(QWidget* parent = nullptr);

    static constexpr int kClientWidth = 400;
    static constexpr int kClientHeight = 300;

    void SetInitialisationDone(bool done);
    bool InitialisationDone() const { return m_done; }
    // Lets the window close; until then the user cannot close it but by "Weiter".
    void AllowClosing() { m_mayClose = true; }
    void CentreOnScreen();

signals:
    void ContinuePressed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* m_weiter;
    bool m_done = false;
    bool m_mayClose = false;
};

} // namespace qv

#pragma once

#include <QFrame>

namespace qv {

// The welcome panel of the main window: stands where the slip tabs will be until the first slip is
// opened, and offers to enter one's own rows or to open the demo slip.
class WelcomePanel : public QFrame {
    Q_OBJECT

public:
    // ownRowsAvailable: whether the entry of one's own rows is at hand (its button is disabled otherwise).
    explicit WelcomePanel(bool ownRowsAvailable, QWidget* parent = nullptr);

signals:
    void OwnRowsClicked();
    void DemoClicked();
};

} // namespace qv

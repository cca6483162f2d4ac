#pragma once

#include <QFrame>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace qv {

// The frame at the bottom of a slip tab: the stake per tip, the number of draws and the save button.
// The radio groups' ids are the stake and draw-count indices of the game tables.
class TFrameSchein : public QFrame {
    Q_OBJECT

public:
    explicit TFrameSchein(QWidget* parent = nullptr);

    static constexpr int kHeight = 80;

    QButtonGroup* StakeGroup() const { return m_stakes; }
    QButtonGroup* DrawGroup() const { return m_draws; }
    QPushButton* SaveButton() const { return m_save; }

    int StakeIndex() const;
    int DrawCountIndex() const;
    // Selects an index; an index outside the table selects the first item.
    void SelectStake(int index);
    void SelectDrawCount(int index);

private:
    QGroupBox* m_rgEinsatz;
    QGroupBox* m_rgZiehungen;
    QButtonGroup* m_stakes;
    QButtonGroup* m_draws;
    QPushButton* m_save;
};

} // namespace qv

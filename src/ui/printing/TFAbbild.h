#pragma once

#include <QImage>
#include <QWidget>

class QLabel;
class QScrollArea;
class QSlider;

namespace qv {

struct AppContext;

// The picture window: a picture of a grid, stamped with the program's name, to be saved as a JPEG file
// or copied to the clipboard. Every picture opens a window of its own.
class TFAbbild : public QWidget {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FAbbild";

    explicit TFAbbild(AppContext& context, QWidget* parent = nullptr);

    // Height of the two tool rows above the picture.
    static constexpr int kToolRowsHeight = 80;

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }

    // The handlers, as the user's clicks run them.
    void Save();
    void CopyToClipboard();

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    QImage m_picture;
    QLabel* m_image; // Image1
    QScrollArea* m_area;
    QSlider* m_quality; // Slider1
};

// Takes a picture of what grid shows on the screen now (less cut pixels at the bottom), stamps
// "© Quovadra" on it and opens it in a new picture window titled title, as wide as the grid. The window
// belongs to grid's window and is freed when the user closes it.
TFAbbild* SnapshotGrid(AppContext& context, QWidget* grid, const QString& title, int cut);

} // namespace qv

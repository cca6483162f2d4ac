#include "support/MainWindowFixture.h"

#include "engine/core/SafeFile.h"
#include "ui/analysis/PatternModels.h"
#include "ui/analysis/TFDetail1.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/printing/JpegEncoder.h"
#include "ui/printing/TFAbbild.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSlider>
#include <QToolButton>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

// The first value of the first quantisation table of a JPEG file (the DC step of the luminance).
int FirstQuantisationStep(const std::vector<std::uint8_t>& jpeg) {
    for (std::size_t i = 0; i + 5 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDB) {
            return jpeg[i + 5];
        }
    }
    return -1;
}

bool HasMarker(const std::vector<std::uint8_t>& jpeg, std::uint8_t marker) {
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) {
            return true;
        }
    }
    return false;
}

class PictureWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        SaveDraws(DrawFile(), MadeUpHistory(30));
        Start();
        m_patterns = qobject_cast<TFDetail1*>(m_app->Windows().Create(m_app->Context(), QStringLiteral("FDetail1")));
        ASSERT_NE(m_patterns, nullptr);
        m_patterns->show();
    }
    void TearDown() override {
        for (TFAbbild* window : Pictures()) {
            window->close();
        }
    }
    std::vector<TFAbbild*> Pictures() const {
        std::vector<TFAbbild*> windows;
        for (TFAbbild* window : m_patterns->findChildren<TFAbbild*>()) {
            if (window->isVisible()) {
                windows.push_back(window);
            }
        }
        return windows;
    }
    TFAbbild* TakePicture() const {
        const auto before = Pictures().size();
        QTest::mouseClick(Find<QPushButton>(m_patterns, QStringLiteral("bsSkinSpeedButton1")), Qt::LeftButton);
        const auto after = Pictures();
        EXPECT_EQ(after.size(), before + 1);
        return after.empty() ? nullptr : after.back();
    }

    TFDetail1* m_patterns = nullptr;
};

TEST_F(PictureWindowTest, TheHiddenWindowOfTheStartMakesTheShotsFolder) {
    EXPECT_TRUE(std::filesystem::is_directory(Data() / "shots"));
    QWidget* first = m_app->Windows().Find(QStringLiteral("FAbbild"));
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Quovadra 1.4.3.0"));
    // It holds no picture: saving says so.
    QTest::mouseClick(Find<QPushButton>(first, QStringLiteral("BSave")), Qt::LeftButton);
    EXPECT_EQ(Boxes(Kind::Warning), QStringList{"Kein Bild im Speicher"});
    EXPECT_TRUE(m_fakes.fileDialogs.requests.isEmpty());
}

TEST_F(PictureWindowTest, TwoPicturesGiveTwoWindowsWithTheStampedGrid) {
    TFAbbild* first = TakePicture();
    TFAbbild* second = TakePicture();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->objectName(), QStringLiteral("FAbbild1"));
    EXPECT_EQ(second->objectName(), QStringLiteral("FAbbild2"));
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QString());
    QWidget* grid = m_patterns->Grid();
    EXPECT_EQ(first->Picture().size(), grid->size());
    EXPECT_EQ(first->size(), QSize(grid->width(), grid->height() + 80));
    // The stamp: dark pixels where the grid shows none, right of (300, 60).
    const QImage plain = grid->grab().toImage();
    bool stamped = false;
    for (int x = 300; x < 360 && !stamped; ++x) {
        for (int y = 60; y < 75 && !stamped; ++y) {
            stamped = first->Picture().pixelColor(x, y) != plain.pixelColor(x, y);
        }
    }
    EXPECT_TRUE(stamped);

    QTest::mouseClick(Find<QToolButton>(first, QStringLiteral("bsSkinSpeedButton1")), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), first->Picture().size());
    QTest::mouseClick(Find<QToolButton>(first, QStringLiteral("bsSkinSpeedButton5")), Qt::LeftButton);
    EXPECT_EQ(m_fakes.help.topics, QList<int>{1100});

    // A window whose left edge lies off the only screen comes back to the edge.
    second->hide();
    second->move(-400, 30);
    second->show();
    EXPECT_EQ(second->frameGeometry().left(), 0);

    QPointer<TFAbbild> closed = first;
    QTest::mouseClick(Find<QPushButton>(first, QStringLiteral("BClose")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull()) << "closing a picture window frees it";
    EXPECT_EQ(TakePicture()->objectName(), QStringLiteral("FAbbild3"));
}

TEST_F(PictureWindowTest, SavesAProgressiveJpegOfTheSlidersQualityUnderAJpgName) {
    TFAbbild* window = TakePicture();
    ASSERT_NE(window, nullptr);
    auto* slider = Find<QSlider>(window, QStringLiteral("Slider1"));
    EXPECT_EQ(slider->minimum(), 36);
    EXPECT_EQ(slider->maximum(), 100);
    EXPECT_EQ(slider->value(), 100);
    slider->setValue(slider->minimum());

    const QString chosen = FromPath(Data() / "shots" / "Muster.png");
    m_fakes.fileDialogs.SetNextChoice({chosen});
    QTest::mouseClick(Find<QPushButton>(window, QStringLiteral("BSave")), Qt::LeftButton);
    ASSERT_EQ(m_fakes.fileDialogs.requests.size(), 1);
    const FileDialogRequest& request = m_fakes.fileDialogs.requests.first();
    EXPECT_EQ(request.title, QStringLiteral("Abbildung speichern"));
    EXPECT_EQ(request.filter, QStringLiteral("Abbildungen|*.jpg"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("jpg"));
    EXPECT_EQ(request.startFolder, FromPath(Data() / "shots"));
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());

    EXPECT_FALSE(std::filesystem::exists(Data() / "shots" / "Muster.png"));
    const auto jpeg = ReadFileBytes(Data() / "shots" / "Muster.jpg");
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_TRUE(HasMarker(jpeg, 0xC2)) << "progressive";
    EXPECT_FALSE(HasMarker(jpeg, 0xC0));
    // Quality 36 scales the standard DC step 16 by 5000/36 percent: 22. Quality 100 gives 1.
    EXPECT_EQ(FirstQuantisationStep(jpeg), 22);
    EXPECT_EQ(FirstQuantisationStep(EncodeProgressiveJpeg(window->Picture(), 100)), 1);
    const QImage back =
        QImage::fromData(QByteArray(reinterpret_cast<const char*>(jpeg.data()), static_cast<qsizetype>(jpeg.size())));
    EXPECT_EQ(back.size(), window->Picture().size());
}

TEST_F(PictureWindowTest, ReplacingAnotherFileUnderTheJpgNameIsAskedFirst) {
    TFAbbild* window = TakePicture();
    ASSERT_NE(window, nullptr);
    const auto existing = Data() / "shots" / "Alt.jpg";
    WriteFileSafely(existing, std::vector<std::uint8_t>{1, 2, 3});
    m_fakes.fileDialogs.SetNextChoice({FromPath(Data() / "shots" / "Alt.png")});
    m_fakes.messages.SetNextAnswer(Messages::Answer::No);
    QTest::mouseClick(Find<QPushButton>(window, QStringLiteral("BSave")), Qt::LeftButton);
    EXPECT_EQ(Boxes(Kind::YesNo),
              QStringList{QStringLiteral("Die Datei \"%1\" ist bereits vorhanden.\rSoll sie ersetzt werden?")
                              .arg(FromPath(existing))});
    EXPECT_EQ(ReadFileBytes(existing), (std::vector<std::uint8_t>{1, 2, 3}));

    m_fakes.fileDialogs.SetNextChoice({FromPath(Data() / "shots" / "Alt.png")});
    m_fakes.messages.SetNextAnswer(Messages::Answer::Yes);
    QTest::mouseClick(Find<QPushButton>(window, QStringLiteral("BSave")), Qt::LeftButton);
    EXPECT_GT(ReadFileBytes(existing).size(), 100u);

    // Cancelling the dialog writes nothing.
    QTest::mouseClick(Find<QPushButton>(window, QStringLiteral("BSave")), Qt::LeftButton);
    EXPECT_EQ(Boxes(Kind::YesNo).size(), 2);
}

} // namespace
} // namespace qv::test

#include "ui/printing/TFAbbild.h"

#include "engine/core/SafeFile.h"
#include "engine/printing/PictureFiles.h"
#include "text/DataFolder.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/printing/JpegEncoder.h"
#include "ui/widgets/Controls.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include <system_error>

namespace qv {
namespace {

std::filesystem::path ShotsFolder(const AppContext& context) {
    return context.state.DataFolder / kShotsFolderName;
}

} // namespace

TFAbbild::TFAbbild(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_image(new QLabel(this))
    , m_area(new QScrollArea(this))
    , m_quality(new QSlider(Qt::Horizontal, this)) {
    setObjectName(QLatin1String(kFormName));
    setWindowFlag(Qt::Window);
    setWindowTitle(ProductTitle());

    // Saving starts in "shots"; the first window, made at start, makes sure it exists.
    std::error_code ignored;
    std::filesystem::create_directories(ShotsFolder(m_context), ignored);

    auto* save = Button(QStringLiteral("BSave"), QStringLiteral("Abbild speichern..."), this);
    auto* copy = PictureButton(QStringLiteral("bsSkinSpeedButton1"), PictureIcon(Picture::Copy),
                               QStringLiteral("In Zwischenablage kopieren"), this);
    auto* screenshot = new QLabel(QStringLiteral("Screenshot"), this);
    screenshot->setObjectName(QStringLiteral("LScreenshot"));
    QFont bold = screenshot->font();
    bold.setBold(true);
    screenshot->setFont(bold);
    auto* close = CloseButton(this, QStringLiteral("BClose"));
    auto* help = PictureButton(QStringLiteral("bsSkinSpeedButton5"), CommandIcon(Command::HilfeBenutzen),
                               QStringLiteral("Hilfe"), this);

    auto* qualityLabel = new QLabel(QStringLiteral("Bild-&Qualität"), this);
    qualityLabel->setObjectName(QStringLiteral("LQualitaet"));
    qualityLabel->setBuddy(m_quality);
    m_quality->setObjectName(QStringLiteral("Slider1"));
    m_quality->setRange(kMinJpegQuality, kMaxJpegQuality);
    m_quality->setSingleStep(1);
    m_quality->setPageStep(8);
    m_quality->setValue(kMaxJpegQuality);
    m_quality->setMinimumWidth(160);

    auto* firstRow = new QWidget(this);
    firstRow->setFixedHeight(kToolRowsHeight / 2);
    auto* first = new QHBoxLayout(firstRow);
    first->setContentsMargins(4, 2, 4, 2);
    first->addWidget(save);
    first->addWidget(copy);
    first->addSpacing(12);
    first->addWidget(screenshot);
    first->addStretch(1);

    auto* secondRow = new QWidget(this);
    secondRow->setFixedHeight(kToolRowsHeight / 2);
    auto* second = new QHBoxLayout(secondRow);
    second->setContentsMargins(4, 2, 4, 2);
    second->addWidget(qualityLabel);
    second->addWidget(new QLabel(QStringLiteral("-"), this));
    second->addWidget(m_quality);
    second->addWidget(new QLabel(QStringLiteral("+"), this));
    second->addStretch(1);

    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_image->setAccessibleName(QStringLiteral("Abbild"));
    m_area->setObjectName(QStringLiteral("ImageArea"));
    m_area->setWidget(m_image);
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setWidgetResizable(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(firstRow);
    layout->addWidget(secondRow);
    layout->addWidget(m_area, 1);
    // Help and close at the foot, right, as in the other windows.
    QHBoxLayout* bottom = CloseRow(close, help);
    bottom->setContentsMargins(4, 2, 4, 4);
    layout->addLayout(bottom);

    connect(save, &QPushButton::clicked, this, [this] { Guarded(m_context.ports.messages, [this] { Save(); }); });
    connect(copy, &QToolButton::clicked, this, &TFAbbild::CopyToClipboard);
    connect(help, &QToolButton::clicked, this, [this] { m_context.ports.help.ShowTopic(1100); });
    setTabOrder(save, copy);
    setTabOrder(copy, m_quality);
    setTabOrder(m_quality, help);
    setTabOrder(help, close);

    m_context.commands.InstallHelpKey(this);
}

void TFAbbild::SetPicture(const QImage& picture) {
    m_picture = picture;
    m_image->setPixmap(QPixmap::fromImage(picture));
    m_image->resize(picture.size());
}

void TFAbbild::Save() {
    if (m_picture.isNull() || m_picture.width() == 0 || m_picture.height() == 0) {
        m_context.ports.messages.Warning(QStringLiteral("Kein Bild im Speicher"));
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Abbildung speichern");
    request.filter = QStringLiteral("Abbildungen|*.jpg");
    request.defaultExtension = QStringLiteral("jpg");
    request.startFolder = FromPath(ShotsFolder(m_context));
    request.proposedName = windowTitle();
    const std::optional<QString> chosen = m_context.ports.fileDialogs.Save(request);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    const std::filesystem::path path = JpegPathFor(ToPath(*chosen));
    // The dialog asked about the name as typed; a different name that already exists is asked about here.
    std::error_code ec;
    if (path != ToPath(*chosen) && std::filesystem::exists(path, ec)) {
        const QString question =
            QStringLiteral("Die Datei \"%1\" ist bereits vorhanden.\rSoll sie ersetzt werden?").arg(FromPath(path));
        if (m_context.ports.messages.YesNo(question) != Messages::Answer::Yes) {
            return;
        }
    }
    WriteFileSafely(path, EncodeProgressiveJpeg(m_picture, m_quality->value()));
}

void TFAbbild::CopyToClipboard() {
    if (!m_picture.isNull()) {
        QGuiApplication::clipboard()->setImage(m_picture);
    }
}

void TFAbbild::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QGuiApplication::screens().size() == 1 && frameGeometry().left() < 0) {
        move(0, y());
    }
}

TFAbbild* SnapshotGrid(AppContext& context, QWidget* grid, const QString& title, int cut) {
    QImage picture = grid->grab().toImage();
    const int height = std::max(0, grid->height() - cut);
    picture = picture.copy(0, 0, grid->width(), height);
    if (!picture.isNull()) {
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        const QString stamp = QStringLiteral("© ") + QString::fromUtf8(ProductName);
        painter.drawText(QRect(300, 60, picture.width(), picture.height()), Qt::AlignLeft | Qt::AlignTop, stamp);
    }

    auto* window = new TFAbbild(context, grid->window());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("FAbbild%1").arg(++context.state.PictureCount));
    window->setWindowTitle(title);
    window->SetPicture(picture);
    window->resize(grid->width(), height + TFAbbild::kToolRowsHeight);
    window->show();
    window->raise();
    return window;
}

} // namespace qv

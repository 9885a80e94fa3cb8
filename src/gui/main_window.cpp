#include "gui/main_window.h"

#include "gui/guarded_slot.h"
#include "gui/key_preview.h"
#include "gui/report_view.h"
#include "gui/spin_edit.h"
#include "main/engine_list.h"
#include "main/record_list.h"
#include "platform/jpeg_decoder.h"
#include "platform/window_bridge.h"
#include "ui_TFm_Main.h"

#include <QCloseEvent>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTabBar>

// The pictures are compiled into this static library; a static library's
// resources must be registered by hand.
static void RegisterResources() {
    Q_INIT_RESOURCE(quillmark);
}

namespace {

constexpr int WindowWidth = 615;
constexpr int WindowHeight = 394;
constexpr int PictureSize = 16;

// Title bar: system menu, minimise and close; no maximise, and no resizing.
constexpr Qt::WindowFlags WindowFlags = Qt::Window | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                        Qt::WindowCloseButtonHint;

// The files of the image list's used slots; the others stay blank.
QString ImageFile(int index) {
    switch (index) {
    case 0:
        return QStringLiteral(":/pictures/state_idle.png");
    case 1:
        return QStringLiteral(":/pictures/state_searching.png");
    case 3:
        return QStringLiteral(":/pictures/state_failed.png");
    case 12:
        return QStringLiteral(":/pictures/records.png");
    default:
        return {};
    }
}

QIcon BlankPicture() {
    QPixmap blank(PictureSize, PictureSize);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

QPixmap DecodeBanner(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    try {
        const DecodedJpeg banner =
            DecodeJpeg(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        const QImage image(banner.Rgb.data(), banner.Width, banner.Height,
                           static_cast<qsizetype>(banner.RowBytes()), QImage::Format_RGB888);
        return QPixmap::fromImage(image.copy());
    } catch (const JpegError&) {
        return {}; // decoration only: the strip stays plain
    }
}

} // namespace

TFm_Main::TFm_Main(std::string programDirectory, QWidget* parent)
    : QWidget(parent, WindowFlags)
    , bridge_(WindowBridge::Open())
    , ui_(std::make_unique<Ui::TFm_Main>())
    , engines_(new EngineList(this))
    , records_(new RecordList(this))
    , programDirectory_(std::move(programDirectory)) {
    static const bool registered = (RegisterResources(), true);
    (void)registered;
    ui_->setupUi(this);
    setFixedSize(WindowWidth, WindowHeight);
    for (QLabel* label : {ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label4}) {
        label->adjustSize();
    }
    LoadPictures();
    LoadBanner();
    SetUpLists();
    BindHandlers();
    Guarded([this] { FormCreate(); })();
    CreateEngineDialog();
}

// Workers that still run must not reach the window once it is gone: their
// later calls are dropped from here on.
TFm_Main::~TFm_Main() {
    bridge_->Close();
}

void TFm_Main::LoadPictures() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/pictures/quillmark_%1.png").arg(size), QSize(size, size));
    }
    setWindowIcon(icon);

    for (int index = 0; index < ImageCount; ++index) {
        const QString file = ImageFile(index);
        imageList2_[static_cast<std::size_t>(index)] =
            file.isEmpty() ? BlankPicture() : QIcon(file);
    }
    ui_->Tab_htm->setTabIcon(0, ImageList2(RunSearchTabImage));
    ui_->Tab_htm->setTabIcon(1, ImageList2(RecordsTabImage));
    ui_->Tab_htm->tabBar()->setFocusPolicy(Qt::NoFocus);
    SetGoGlyph(ui_->Pic_Run);
}

void TFm_Main::LoadBanner() {
    ui_->Image1->setPixmap(DecodeBanner(QStringLiteral(":/banner.jpg")));
}

void TFm_Main::SetUpLists() {
    engines_->SetIconProvider([this](int index) { return QVariant(ImageList2(index)); });
    ui_->LstV_eng->setModel(engines_);
    SetUpReportView(ui_->LstV_eng);
    SetColumnWidths(ui_->LstV_eng, {240, 80, 70, 175});
    ui_->LstV_records->setModel(records_);
    SetUpReportView(ui_->LstV_records);
    SetColumnWidths(ui_->LstV_records, {90, 90, 160, 80, 100});
}

void TFm_Main::BindHandlers() {
    const std::pair<QAbstractButton*, void (TFm_Main::*)()> clicks[] = {
        {ui_->Sbt_Go, &TFm_Main::Sbt_GoClick},
        {ui_->Sbt_sall, &TFm_Main::Sbt_sallClick},
        {ui_->Sbt_snone, &TFm_Main::Sbt_snoneClick},
        {ui_->Sbt_add, &TFm_Main::Sbt_addClick},
        {ui_->Sbt_del, &TFm_Main::Sbt_delClick},
        {ui_->Sbt_edt, &TFm_Main::Sbt_edtClick},
        {ui_->Sbt_save, &TFm_Main::Sbt_saveClick},
        {ui_->Sbt_downdata, &TFm_Main::Sbt_downdataClick},
        {ui_->RdB_line, &TFm_Main::RdB_lineClick},
        {ui_->RdB_page, &TFm_Main::RdB_pageClick},
        {ui_->SpeedButton15, &TFm_Main::SpeedButton15Click},
        {ui_->SpeedButton14, &TFm_Main::SpeedButton14Click},
        {ui_->SpeedButton12, &TFm_Main::SpeedButton12Click},
        {ui_->SpeedButton17, &TFm_Main::SpeedButton17Click},
        {ui_->SpeedButton2, &TFm_Main::SpeedButton2Click},
        {ui_->SpeedButton13, &TFm_Main::SpeedButton13Click},
    };
    for (const auto& [button, handler] : clicks) {
        connect(button, &QAbstractButton::clicked, this,
                Guarded([this, handler = handler] { (this->*handler)(); }));
    }
    connect(ui_->Edt_area, &TSpinEdit::Exit, this, Guarded([this] { Edt_areaExit(); }));
    new KeyPreview(this, [this](int key, Qt::KeyboardModifiers shift) {
        Guarded([this, key, shift] { FormKeyDown(VirtualKeyCode(key), shift); })();
    });
}

QIcon TFm_Main::ImageList2(int index) const {
    if (index < 0 || index >= ImageCount) {
        return {};
    }
    return imageList2_[static_cast<std::size_t>(index)];
}

void TFm_Main::SetGoGlyph(const QLabel* picture) {
    ui_->Sbt_Go->setIcon(QIcon(picture->pixmap()));
}

void TFm_Main::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    Guarded([this, &canClose] { FormCloseQuery(canClose); })();
    if (canClose) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TFm_Main::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) {
        return;
    }
    placed_ = true;
    if (const QScreen* desktop = screen()) {
        const QPoint centre = desktop->availableGeometry().center();
        move(centre.x() - width() / 2, centre.y() - height() / 2);
    }
}

#include "hhctrl/help_window.h"

#include "hhctrl/help_browser.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 560;

QToolButton* HistoryButton(QWidget* parent, const QString& name, const QString& text,
                           QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setEnabled(false);
    return button;
}

} // namespace

HelpWindow::HelpWindow()
    : QWidget(nullptr, Qt::Window)
    , browser_(new HelpBrowser(this))
    , back_(HistoryButton(this, QStringLiteral("Back"), tr("Back"), QStyle::SP_ArrowBack))
    , forward_(
          HistoryButton(this, QStringLiteral("Forward"), tr("Forward"), QStyle::SP_ArrowForward)) {
    setObjectName(QStringLiteral("HelpWindow"));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    resize(kWidth, kHeight);

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::ShowTitle);
}

bool HelpWindow::ShowTopic(const std::string& file, const std::string& topic) {
    const QUrl url = browser_->TopicUrl(file, topic);
    if (!url.isValid()) {
        return false;
    }
    browser_->setSource(url);
    ShowTitle();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    return true;
}

// The topic's title, or the page's file name when it has none.
void HelpWindow::ShowTitle() {
    const QString title = browser_->documentTitle().trimmed();
    setWindowTitle(title.isEmpty() ? browser_->source().fileName() : title);
}

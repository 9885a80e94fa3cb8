#include "hhctrl/help_browser.h"

#include "hhctrl/chm_file.h"

namespace {

const QString kScheme = QStringLiteral("chm");

QString HostOf(std::size_t number) {
    return QStringLiteral("f%1").arg(number);
}

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent)
    : QTextBrowser(parent) {
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

HelpBrowser::~HelpBrowser() = default;

QUrl HelpBrowser::TopicUrl(const std::string& file, const std::string& topic) {
    auto known = fileNumbers_.find(file);
    if (known == fileNumbers_.end()) {
        std::unique_ptr<ChmFile> opened = ChmFile::Open(file);
        if (!opened) {
            return {};
        }
        files_.push_back(std::move(opened));
        known = fileNumbers_.emplace(file, files_.size() - 1).first;
    }
    QUrl url;
    url.setScheme(kScheme);
    url.setHost(HostOf(known->second));
    const QString local = QString::fromLocal8Bit(topic.c_str());
    const qsizetype hash = local.indexOf(QLatin1Char('#'));
    url.setPath(hash < 0 ? local : local.left(hash));
    if (hash >= 0) {
        url.setFragment(local.mid(hash + 1));
    }
    if (!files_[known->second]->Holds(url.path().toLocal8Bit().toStdString())) {
        return {};
    }
    return url;
}

const ChmFile* HelpBrowser::FileOf(const QUrl& url) const {
    if (url.scheme() != kScheme) {
        return nullptr;
    }
    for (std::size_t number = 0; number < files_.size(); ++number) {
        if (url.host() == HostOf(number)) {
            return files_[number].get();
        }
    }
    return nullptr;
}

// Pages, pictures and style sheets of the help file; nothing from elsewhere.
QVariant HelpBrowser::loadResource(int, const QUrl& name) {
    const ChmFile* file = FileOf(name);
    if (file == nullptr) {
        return {};
    }
    const std::optional<QByteArray> bytes =
        file->Read(name.path(QUrl::FullyDecoded).toLocal8Bit().toStdString());
    if (!bytes) {
        return {};
    }
    return *bytes;
}

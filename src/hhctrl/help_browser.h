#pragma once

#include <QTextBrowser>
#include <map>
#include <memory>
#include <string>
#include <vector>

class ChmFile;

// A text browser whose pages, pictures and style sheets come from compiled
// help files. A topic's address is "chm://f<n>/<path in the file>", where n
// numbers the files opened so far, so that relative links stay in their
// file and the history can go back across files.
class HelpBrowser final : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent);
    ~HelpBrowser() override;

    // The address of the topic in the help file, opening the file on its
    // first use; an invalid address when the file or the topic is missing.
    QUrl TopicUrl(const std::string& file, const std::string& topic);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    const ChmFile* FileOf(const QUrl& url) const;

    std::vector<std::unique_ptr<ChmFile>> files_;
    std::map<std::string, std::size_t> fileNumbers_;
};

#include "platform/shell_execute.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Stands in for the desktop's browser and mail program.
class UrlCatcher final : public QObject {
    Q_OBJECT

public:
    std::vector<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

class ShellExecuteTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* scheme : {"http", "mailto"}) {
            QDesktopServices::setUrlHandler(scheme, &catcher, "Open");
        }
    }
    void TearDown() override {
        for (const char* scheme : {"http", "mailto"}) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }

    UrlCatcher catcher;
};

TEST_F(ShellExecuteTest, OpenHandsTheTargetToTheProgramRegisteredForIt) {
    for (const char* target :
         {"http://www.tavrello.example/download.htm", "mailto:support@tavrello.example"}) {
        catcher.opened.clear();
        EXPECT_GT(ShellExecuteA(7, "open", target, "", "", SW_SHOWNORMAL), HINSTANCE{32});
        ASSERT_EQ(catcher.opened.size(), 1u) << target;
        EXPECT_EQ(catcher.opened.front(), QUrl(QString::fromLatin1(target)));
    }
}

TEST_F(ShellExecuteTest, OtherVerbsAndParametersOpenNothing) {
    EXPECT_EQ(ShellExecuteA(7, "print", "http://www.tavrello.example", "", "", SW_SHOWNORMAL),
              SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecuteA(7, "open", "http://www.tavrello.example", "-new", "", SW_SHOWNORMAL),
              SE_ERR_NOASSOC);
    EXPECT_TRUE(catcher.opened.empty());
}

} // namespace

#include "shell_execute_test.moc"

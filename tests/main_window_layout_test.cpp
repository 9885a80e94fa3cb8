#include "gui/main_window.h"
#include "gui/spin_edit.h"
#include "main/engine_list.h"
#include "main/record_list.h"
#include "support/find_control.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>

namespace {

class MainWindowLayoutTest : public testing::Test {
protected:
    void SetUp() override { window_ = std::make_unique<TFm_Main>(std::string(QM_DATA_DIR) + "/"); }

    template <typename T = QWidget> T* Control(const char* name) const {
        return FindControl<T>(*window_, name);
    }
    EngineList& Engines() const { return ViewModel<EngineList>(*window_, "LstV_eng"); }
    RecordList& Records() const { return ViewModel<RecordList>(*window_, "LstV_records"); }

    static QImage Picture(const QIcon& icon) {
        return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    }

    std::unique_ptr<TFm_Main> window_;
};

TEST_F(MainWindowLayoutTest, WindowIsFixedAtItsClientSizeWithoutMaximise) {
    EXPECT_EQ(window_->windowTitle(), "Quillmark V1.26 ");
    EXPECT_EQ(window_->minimumSize(), QSize(615, 394));
    EXPECT_EQ(window_->maximumSize(), QSize(615, 394));
    const Qt::WindowFlags flags = window_->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window_->windowIcon().isNull());
}

TEST_F(MainWindowLayoutTest, ControlsStandWhereTheLayoutPutsThem) {
    const struct {
        const char* name;
        int x, y, width, height;
    } controls[] = {
        {"Panel2", 0, 0, 615, 49},         {"Image1", 2, 2, 611, 45},
        {"Pic_Run", 568, 9, 16, 16},       {"Pic_stop", 584, 9, 16, 16},
        {"Tab_htm", -3, 49, 621, 345},     {"Edt_URL", 37, 4, 188, 24},
        {"Edt_KW", 306, 4, 127, 24},       {"Edt_area", 482, 3, 45, 26},
        {"Sbt_Go", 534, 4, 68, 24},        {"Sbt_sall", 2, 33, 23, 22},
        {"Sbt_snone", 26, 33, 23, 22},     {"Sbt_add", 50, 33, 23, 22},
        {"Sbt_del", 74, 33, 23, 22},       {"Sbt_edt", 98, 33, 23, 22},
        {"Sbt_save", 122, 33, 23, 22},     {"Sbt_downdata", 146, 33, 23, 22},
        {"RdB_line", 211, 41, 105, 17},    {"RdB_page", 315, 42, 108, 17},
        {"LstV_eng", 1, 58, 611, 246},     {"SpeedButton15", 538, 2, 23, 22},
        {"SpeedButton14", 562, 2, 23, 22}, {"SpeedButton12", 586, 2, 23, 22},
        {"LstV_records", 0, 26, 611, 279}, {"Panel1", 460, 371, 149, 22},
        {"SpeedButton17", 60, 0, 23, 22},  {"SpeedButton2", 84, 0, 23, 22},
        {"SpeedButton13", 108, 0, 23, 22},
    };
    for (const auto& c : controls) {
        QWidget* control = Control(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->geometry(), QRect(c.x, c.y, c.width, c.height)) << c.name;
    }
    // Labels keep their place and take the size of their text.
    const struct {
        const char* name;
        int x, y;
        const char* text;
    } labels[] = {
        {"Label1", 2, 8, "URL:"},
        {"Label2", 241, 8, "Keywords:"},
        {"Label3", 441, 8, "Area:"},
        {"Label4", 3, 4, "Search Result Records:"},
    };
    for (const auto& l : labels) {
        auto* label = qobject_cast<QLabel*>(Control(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->pos(), QPoint(l.x, l.y)) << l.name;
        EXPECT_EQ(label->text(), l.text);
        EXPECT_EQ(label->size(), label->sizeHint()) << l.name;
    }
    // Controls stand on the page, strip or panel their table names.
    EXPECT_EQ(Control<QLineEdit>("Edt_URL")->parentWidget(), Control("TabSheet1"));
    EXPECT_EQ(Control<QTreeView>("LstV_records")->parentWidget(), Control("TabSheet3"));
    EXPECT_EQ(Control<QLabel>("Pic_Run")->parentWidget(), Control("Panel2"));
    EXPECT_EQ(Control<QToolButton>("SpeedButton13")->parentWidget(), Control("Panel1"));
}

TEST_F(MainWindowLayoutTest, SpeedButtonsShowTheirHintsAndTakeNoFocus) {
    const struct {
        const char* name;
        const char* hint;
    } buttons[] = {
        {"Sbt_Go", ""},
        {"Sbt_sall", "Select All"},
        {"Sbt_snone", "Select None"},
        {"Sbt_add", "Add New Engine"},
        {"Sbt_del", "Deleted Selected Engine"},
        {"Sbt_edt", "Edit Engine's Options"},
        {"Sbt_save", "Save This Result"},
        {"Sbt_downdata", "Get the new engines data form Ombrel"},
        {"SpeedButton15", "Select All"},
        {"SpeedButton14", "Select None"},
        {"SpeedButton12", ""},
        {"SpeedButton17", "Mail to us"},
        {"SpeedButton2", "Visit Tavrello website"},
        {"SpeedButton13", "Help"},
    };
    for (const auto& b : buttons) {
        auto* button = qobject_cast<QToolButton*>(Control(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->toolTip(), b.hint) << b.name;
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << b.name;
        EXPECT_TRUE(button->autoRaise()) << b.name;
        EXPECT_EQ(button->iconSize(), QSize(16, 16)) << b.name;
        EXPECT_FALSE(button->icon().isNull()) << b.name;
        if (button != Control<QToolButton>("Sbt_Go")) {
            EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly) << b.name;
        }
    }
}

TEST_F(MainWindowLayoutTest, SearchButtonStartsAsGoWithTheRunPicture) {
    QToolButton* go = Control<QToolButton>("Sbt_Go");
    QLabel* runPicture = Control<QLabel>("Pic_Run");
    QLabel* stopPicture = Control<QLabel>("Pic_stop");
    EXPECT_EQ(go->text(), "Go!");
    EXPECT_EQ(go->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    const QImage run = runPicture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage stop = stopPicture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(run.size(), QSize(16, 16));
    EXPECT_NE(run, stop);
    EXPECT_EQ(Picture(go->icon()), run);

    window_->SetGoGlyph(stopPicture);
    EXPECT_EQ(Picture(go->icon()), stop);
    window_->SetGoGlyph(runPicture);
    EXPECT_EQ(Picture(go->icon()), run);
}

TEST_F(MainWindowLayoutTest, HiddenControlsStayHiddenWhenTheWindowShows) {
    window_->show();
    for (const char* name : {"RdB_line", "RdB_page", "Pic_Run", "Pic_stop"}) {
        EXPECT_FALSE(Control(name)->isVisible()) << name;
    }
    EXPECT_TRUE(Control("LstV_eng")->isVisible());
    auto* line = Control<QRadioButton>("RdB_line");
    auto* page = Control<QRadioButton>("RdB_page");
    EXPECT_EQ(line->text(), "Result line upto");
    EXPECT_TRUE(line->isChecked());
    EXPECT_EQ(page->text(), "Result page upto");
    EXPECT_FALSE(page->isChecked());
}

TEST_F(MainWindowLayoutTest, PagesHaveTheirTabsAtTheBottomWithPictures) {
    QTabWidget* pages = Control<QTabWidget>("Tab_htm");
    EXPECT_EQ(pages->tabPosition(), QTabWidget::South);
    ASSERT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->currentWidget(), Control("TabSheet1"));
    EXPECT_EQ(pages->tabText(0), "Run Search");
    EXPECT_EQ(pages->tabText(1), "Records");
    EXPECT_EQ(Picture(pages->tabIcon(0)), Picture(window_->ImageList2(1)));
    EXPECT_EQ(Picture(pages->tabIcon(1)), Picture(window_->ImageList2(12)));
    window_->show();
    EXPECT_EQ(pages->tabBar()->height(), 25);
}

TEST_F(MainWindowLayoutTest, ImageListHasThirteenPicturesWithTheStatePicturesDrawn) {
    for (int index = 0; index < TFm_Main::ImageCount; ++index) {
        EXPECT_EQ(window_->ImageList2(index).actualSize(QSize(16, 16)), QSize(16, 16)) << index;
    }
    EXPECT_TRUE(window_->ImageList2(TFm_Main::ImageCount).isNull());
    const QImage idle = Picture(window_->ImageList2(0));
    const QImage searching = Picture(window_->ImageList2(1));
    const QImage failed = Picture(window_->ImageList2(3));
    EXPECT_NE(idle, searching);
    EXPECT_NE(idle, failed);
    EXPECT_NE(searching, failed);
}

TEST_F(MainWindowLayoutTest, BannerIsDecodedAtItsOwnSize) {
    const QPixmap banner = Control<QLabel>("Image1")->pixmap();
    EXPECT_EQ(banner.size(), QSize(617, 45));
    EXPECT_FALSE(Control<QLabel>("Image1")->hasScaledContents());
    EXPECT_EQ(Control<QLabel>("Image1")->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

TEST_F(MainWindowLayoutTest, AreaBoxStartsAtTwentyWithinOneToTwoHundred) {
    auto* area = Control<TSpinEdit>("Edt_area");
    EXPECT_EQ(area->MinValue(), 1);
    EXPECT_EQ(area->MaxValue(), 200);
    EXPECT_EQ(area->Value(), 20);
    EXPECT_EQ(area->text(), "20");
    EXPECT_TRUE(Control<QLineEdit>("Edt_URL")->text().isEmpty());
    EXPECT_TRUE(Control<QLineEdit>("Edt_KW")->text().isEmpty());
}

TEST_F(MainWindowLayoutTest, EngineListShowsTheRowsInFixedColumns) {
    QTreeView* list = Control<QTreeView>("LstV_eng");
    EXPECT_EQ(list->model(), &Engines());
    EXPECT_FALSE(list->rootIsDecorated());
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    const int widths[] = {240, 80, 70, 175};
    const char* headers[] = {"Search Engines", "Ordination", "Pages", "Status"};
    // The widths hold across the list's rebuilds.
    Engines().Add("Example");
    Engines().SetRows({});
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(list->header()->sectionSize(column), widths[column]) << column;
        EXPECT_EQ(list->model()->headerData(column, Qt::Horizontal).toString(), headers[column]);
    }

    // A row shows the state picture of its icon index.
    const int row = Engines().Add("Example");
    Engines().SetImageIndex(row, 3);
    const QVariant picture = list->model()->index(row, 0).data(Qt::DecorationRole);
    EXPECT_EQ(Picture(picture.value<QIcon>()), Picture(window_->ImageList2(3)));
}

TEST_F(MainWindowLayoutTest, RecordsListEditsOnlyTheDateInPlace) {
    QTreeView* list = Control<QTreeView>("LstV_records");
    const char* headers[] = {"Date", "KeyWords", "URL", "Engines", "Position"};
    const int widths[] = {90, 90, 160, 80, 100};
    ASSERT_EQ(list->model()->columnCount(), 5);
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(list->model()->headerData(column, Qt::Horizontal).toString(), headers[column]);
        EXPECT_EQ(list->header()->sectionSize(column), widths[column]) << column;
    }
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_TRUE(list->editTriggers().testFlag(QAbstractItemView::DoubleClicked));
    EXPECT_TRUE(list->editTriggers().testFlag(QAbstractItemView::EditKeyPressed));

    window_->show();
    TRecordRow record;
    record.Caption = "1/2/2024 9:05:01 AM";
    record.SubItems = {"kw", "url", "Engine", "No. 1"};
    Records().SetRows({record});
    list->edit(list->model()->index(0, 1));
    EXPECT_EQ(list->viewport()->findChild<QLineEdit*>(), nullptr);
    list->edit(list->model()->index(0, 0));
    EXPECT_NE(list->viewport()->findChild<QLineEdit*>(), nullptr);
}

// A screen reader names each box after the label beside it, in the main
// window and in the engine settings dialog, whose boxes would otherwise take
// their group's title.
TEST_F(MainWindowLayoutTest, ScreenReadersNameEachBoxByItsLabel) {
    const QWidget& page = *Control("TabSheet1");
    const QWidget& dialog = *Control("Fm_engdata");
    const struct {
        const QWidget& window; // the page or dialog that holds the box
        const char* box;
        const char* label;
        const char* name;
    } boxes[] = {
        {page, "Edt_URL", "Label1", "URL:"},
        {page, "Edt_KW", "Label2", "Keywords:"},
        {page, "Edt_area", "Label3", "Area:"},
        {dialog, "Edt_EngName", "Label2", "Engine name:"},
        {dialog, "Edt_URL", "Label1", "Search URL:"},
        {dialog, "Edt_RB", "Label4", "Result start:"},
        {dialog, "Edt_LB", "Label3", "Item Start:"},
        {dialog, "Edt_NB", "Label6", "Next Start:"},
        {dialog, "Edt_NE", "Label7", "Next end:"},
        {dialog, "Edt_NKey", "Label8", "Next page keyword:"},
    };
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.window.objectName().toStdString() + " " + b.box);
        QAccessibleInterface* box =
            QAccessible::queryAccessibleInterface(FindControl(b.window, b.box));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(QAccessible::Name).toStdString(), b.name);
        // The label is the box's first label, ahead of its group.
        const auto labels = box->relations(QAccessible::Label);
        ASSERT_FALSE(labels.isEmpty());
        EXPECT_EQ(labels.first().first->object(), FindControl(b.window, b.label));
    }
}

TEST_F(MainWindowLayoutTest, TabMovesThroughTheSearchInputsAndTheList) {
    window_->show();
    Control<QLineEdit>("Edt_URL")->setFocus();
    const QWidget* expected[] = {Control<QLineEdit>("Edt_KW"), Control<TSpinEdit>("Edt_area"),
                                 Control<QTreeView>("LstV_eng"), Control<QLineEdit>("Edt_URL")};
    for (const QWidget* next : expected) {
        QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(window_->focusWidget(), next)
            << window_->focusWidget()->objectName().toStdString();
    }
}

} // namespace

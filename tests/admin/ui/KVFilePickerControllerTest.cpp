#include "admin/ui/KVFilePickerController.h"
#include "platform/NotificationCenter.h"
#include "platform/Translations.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "tests/support/WindowTest.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace korvel {
namespace {

class FilePickerTest : public test::WindowTest, public KVFilePickerDelegate {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(Translations::install());
        QDir(documents()).mkpath(QStringLiteral("pages"));
        for (const char* name : {"photo.png", "pages/a.html"})
            QFile(documents() + QLatin1Char('/') + QLatin1String(name)).open(QIODevice::WriteOnly);
        makeStack(new Screen);
    }

    void filePicker(KVFilePickerController* picker, int action) override
    {
        actions << action;
        chosen = picker->fileSelected();
        group = picker->selectedFileType();
    }

    KVFilePickerController* open()
    {
        auto* picker = new KVFilePickerController;
        picker->setDelegate(this);
        stack->present(KVFilePickerController::inOwnStack(picker), Animation::None);
        return picker;
    }

    static void tap(KVFilePickerController* picker, int section, int item)
    {
        TableCell* cell = picker->tableView()->cell(section, item);
        ASSERT_TRUE(cell);
        QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center());
    }

    QList<int> actions;
    QString chosen;
    QString group;
};

TEST_F(FilePickerTest, DoneNeedsAMarkedFileAndHandsOverItsNameAndGroup)
{
    KVFilePickerController* picker = open();
    ASSERT_EQ(picker->filesArray().size(), 2);
    picker->navigationStack()->rightBarButton()->click();
    ASSERT_EQ(Toast::visibleToasts(picker).size(), 1);
    EXPECT_EQ(Toast::visibleToasts(picker).first()->text(), QStringLiteral("No File Selected"));
    EXPECT_TRUE(actions.isEmpty());
    EXPECT_TRUE(stack->presentedScreen());

    // One mark at a time: the second tap moves it.
    tap(picker, 1, 0);
    tap(picker, 0, 0);
    EXPECT_FALSE(picker->tableView()->cell(1, 0)->row().checked);
    EXPECT_TRUE(picker->tableView()->cell(0, 0)->row().checked);
    picker->navigationStack()->rightBarButton()->click();
    EXPECT_EQ(actions, QList<int>{1});
    EXPECT_EQ(chosen, QStringLiteral("photo.png"));
    EXPECT_EQ(group, QStringLiteral("Image Files"));
    EXPECT_FALSE(stack->presentedScreen());
}

// Cancel and leaving the foreground choose nothing, even with a marked file, and close the picker.
TEST_F(FilePickerTest, CancelAndLeavingTheForegroundChooseNothing)
{
    const struct {
        const char* name;
        std::function<void(KVFilePickerController*)> end;
    } cases[] = {
        {"cancel", [](KVFilePickerController* p) { p->navigationStack()->leftBarButton()->click(); }},
        {"background", [](KVFilePickerController*) { NotificationCenter::defaultCenter().post(kApplicationDidEnterBackgroundNotification); }},
    };
    for (const auto& c : cases) {
        actions.clear();
        KVFilePickerController* picker = open();
        tap(picker, 1, 0);
        c.end(picker);
        EXPECT_EQ(actions, QList<int>{0}) << c.name;
        EXPECT_TRUE(chosen.isEmpty()) << c.name;
        EXPECT_FALSE(stack->presentedScreen()) << c.name;
        flushDeletes();
    }
}

}  // namespace
}  // namespace korvel

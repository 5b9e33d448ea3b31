#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ToggleSwitch.h"
#include "tests/support/WindowTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvel {
namespace {

class TableViewTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        table = new TableView(window.get());
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(table);
    }

    void settle() { QCoreApplication::processEvents(); }

    static TableRow row(int id, const QString& title, const QString& detail = QString(), Accessory accessory = Accessory::None)
    {
        TableRow r;
        r.id = id;
        r.title = title;
        r.detail = detail;
        r.accessory = accessory;
        return r;
    }

    QStringList shownTitles() const
    {
        QStringList titles;
        for (TableCell* c : table->visibleCells())
            titles << c->row().title;
        return titles;
    }

    TableView* table = nullptr;
};

TEST_F(TableViewTest, RowsAreFingerSizedAndTheDetailSitsUnderTheTitle)
{
    const QString longDetail = QStringLiteral("A detail long enough to wrap onto a second and a third line on a narrow screen, "
                                              "which must grow the row rather than run into the next one");
    table->setSections({{QStringLiteral("General"), QStringLiteral("Footer"),
                         {row(1, QStringLiteral("Short")), row(2, QStringLiteral("Wrapped"), longDetail)}}});
    window->resize(360, 600);
    settle();
    TableCell* plain = table->cell(0, 0);
    TableCell* wrapped = table->cell(0, 1);
    EXPECT_GE(plain->height(), 50);
    EXPECT_GT(wrapped->height(), plain->height()) << "a wrapped detail makes its row taller";
    EXPECT_GE(wrapped->detailLabel()->y(), wrapped->titleLabel()->geometry().bottom()) << "title and detail never overlap";
    EXPECT_LE(wrapped->detailLabel()->geometry().bottom(), wrapped->height());
}

TEST_F(TableViewTest, TappingReportsTheRowsIdentityNotItsPlace)
{
    TableRow disabled = row(9, QStringLiteral("Off"));
    disabled.enabled = false;
    table->setSections({{{}, {}, {row(7, QStringLiteral("A"))}}, {{}, {}, {row(3, QStringLiteral("B")), disabled}}});
    settle();
    QSignalSpy selected(table, &TableView::rowSelected);
    QTest::mouseClick(table->cell(1, 0), Qt::LeftButton, {}, table->cell(1, 0)->rect().center());
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.at(0), (QVariantList{1, 0, 3}));
    QTest::mouseClick(table->cell(1, 1), Qt::LeftButton, {}, table->cell(1, 1)->rect().center());
    EXPECT_EQ(selected.size(), 1) << "a disabled row takes no tap";
}

TEST_F(TableViewTest, AFingerThatScrollsDoesNotSelect)
{
    table->setSections({{{}, {}, {row(1, QStringLiteral("A"))}}});
    settle();
    TableCell* c = table->cell(0, 0);
    QSignalSpy selected(table, &TableView::rowSelected);
    QTest::mousePress(c, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(c->isHighlighted());
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 40), c->mapToGlobal(QPointF(20, 40)), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(c, &move);
    EXPECT_FALSE(c->isHighlighted());
    QTest::mouseRelease(c, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(selected.size(), 0);
}

TEST_F(TableViewTest, SearchFiltersByTitleAndDetailAndSaysWhenNothingMatches)
{
    table->setSearchPlaceholder(QStringLiteral("Search"));
    table->setEmptyText(QStringLiteral("No Results"));
    table->setSections({{QStringLiteral("One"), {}, {row(1, QStringLiteral("Allowed Websites")), row(2, QStringLiteral("Log"), QStringLiteral("Events"))}},
                        {QStringLiteral("Two"), {}, {row(3, QStringLiteral("About")), row(4, QStringLiteral("Café Menu"))}}});
    settle();
    ASSERT_TRUE(table->searchField()->isVisible());
    struct Case {
        const char* search;
        QStringList shown;
    };
    const Case cases[] = {
        {"", {QStringLiteral("Allowed Websites"), QStringLiteral("Log"), QStringLiteral("About"), QStringLiteral("Café Menu")}},
        {"websites", {QStringLiteral("Allowed Websites")}},
        {"CAFE", {QStringLiteral("Café Menu")}},
        {"caf\xc3\xa9", {QStringLiteral("Café Menu")}},
        {"EVENT", {QStringLiteral("Log")}},
        {"zzz", {}},
    };
    for (const Case& c : cases) {
        table->setSearchText(QString::fromUtf8(c.search));
        settle();
        EXPECT_EQ(shownTitles(), c.shown) << c.search;
        EXPECT_EQ(table->emptyLabel()->isVisible(), c.shown.isEmpty()) << c.search;
    }
    // Its clear button is a finger's size and empties the search.
    auto* clear = table->searchField()->findChild<QToolButton*>(QStringLiteral("clearButton"));
    ASSERT_NE(clear, nullptr);
    EXPECT_TRUE(clear->isVisible());
    EXPECT_GE(std::min(clear->width(), clear->height()), Theme::touchTarget);
    QTest::mouseClick(clear, Qt::LeftButton);
    settle();
    EXPECT_EQ(shownTitles().size(), 4);
    EXPECT_FALSE(clear->isVisible());
}

TEST_F(TableViewTest, AccessoriesReportTheirChangesWithTheRowsId)
{
    TableRow toggle = row(1, QStringLiteral("Allow pop-ups"), {}, Accessory::Switch);
    TableRow segments = row(2, QStringLiteral("Style"), {}, Accessory::Segmented);
    segments.segments = {QStringLiteral("Centre"), QStringLiteral("Stretch"), QStringLiteral("Fit")};
    segments.selectedSegment = 0;
    TableRow field = row(3, QStringLiteral("Port"), {}, Accessory::TextField);
    field.text = QStringLiteral("8080");
    table->setSections({{{}, {}, {toggle, segments, field}}});
    window->resize(700, 600);
    settle();
    QSignalSpy switched(table, &TableView::switchToggled);
    QSignalSpy segmented(table, &TableView::segmentChanged);
    QSignalSpy typed(table, &TableView::textChanged);

    // The whole row is the switch's target, not only the small track.
    TableCell* switchRow = table->cell(0, 0);
    QTest::mouseClick(switchRow, Qt::LeftButton, {}, QPoint(30, switchRow->height() / 2));
    ASSERT_EQ(switched.size(), 1);
    EXPECT_EQ(switched.at(0), (QVariantList{1, true}));
    EXPECT_TRUE(switchRow->toggle()->isChecked());

    SegmentedControl* control = table->cell(0, 1)->segmentedControl();
    EXPECT_GE(control->height(), 50);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() * 5 / 6, control->height() / 2));
    ASSERT_EQ(segmented.size(), 1);
    EXPECT_EQ(segmented.at(0), (QVariantList{2, 2}));
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() * 5 / 6, control->height() / 2));
    EXPECT_EQ(segmented.size(), 1) << "choosing the chosen segment changes nothing";

    table->cell(0, 2)->textField()->setText(QStringLiteral("9090"));
    ASSERT_FALSE(typed.isEmpty());
    EXPECT_EQ(typed.last(), (QVariantList{3, QStringLiteral("9090")}));
}

// A row that cannot be changed shows its field as greyed text, not as black text in a white box.
TEST_F(TableViewTest, ADisabledFieldLooksDisabled)
{
    TableRow on = row(1, QStringLiteral("Port"), {}, Accessory::TextField);
    on.text = QStringLiteral("8080");
    TableRow off = on;
    off.id = 2;
    off.enabled = false;
    table->setSections({{{}, {}, {on, off}}});
    window->resize(700, 400);
    settle();
    // The darkest opaque pixel of the field is its text (a disabled field has no background).
    const auto darkest = [](QWidget* field) {
        const QImage image = field->grab().toImage();
        int lightness = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).alpha() == 255)
                    lightness = std::min(lightness, image.pixelColor(x, y).lightness());
        return lightness;
    };
    EXPECT_LT(darkest(table->cell(0, 0)->textField()), 60);
    EXPECT_GT(darkest(table->cell(0, 1)->textField()), 100);
}

}  // namespace
}  // namespace korvel

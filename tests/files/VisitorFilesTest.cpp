#include "files/VisitorFiles.h"
#include "tests/support/TestHome.h"

#include <QDir>

using namespace korvel;

namespace {

class VisitorFilesTest : public test::TestHome {};

}  // namespace

// A visitor's downloads and printouts are theirs to send while their visit lasts, and no later
// visitor's, across a restart too; a record that cannot be read withholds everything.
TEST_F(VisitorFilesTest, APreviousVisitorsFilesAreWithheld)
{
    const QString record = home() + QStringLiteral("/visitorFiles.txt");
    const QString download = documents() + QStringLiteral("/ticket.pdf");
    const QString printout = documents() + QStringLiteral("/Print 1.pdf");
    const QString administrators = documents() + QStringLiteral("/menu.pdf");
    for (const QString& path : {download, printout, administrators})
        ASSERT_TRUE(test::writeFile(path, "x"));
    {
        VisitorFiles files(record);
        ASSERT_TRUE(files.record(download));
        EXPECT_FALSE(files.withheld(download)) << "the visit's own download";
        files.endVisit();
        EXPECT_TRUE(files.withheld(download)) << "the next visitor";
        ASSERT_TRUE(files.record(printout));
        EXPECT_FALSE(files.withheld(printout));
        EXPECT_FALSE(files.withheld(administrators));
    }
    VisitorFiles restarted(record);
    EXPECT_TRUE(restarted.withheld(download));
    EXPECT_TRUE(restarted.withheld(printout)) << "a restart ends the visit";
    EXPECT_FALSE(restarted.withheld(administrators));

    const QString unreadable = home() + QStringLiteral("/unreadable");
    ASSERT_TRUE(QDir().mkpath(unreadable));
    EXPECT_TRUE(VisitorFiles(unreadable).withheld(administrators)) << "fails closed";
}

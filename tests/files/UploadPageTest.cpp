#include "files/KVServerStarter.h"
#include "platform/Paths.h"
#include "tests/browser/ui/WebWindowTest.h"

#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineView>

using namespace korvel;

namespace {

// A phone's browser: its file chooser answers with the files the test hands it.
class PhonePage final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    QStringList chosen;

protected:
    QStringList chooseFiles(FileSelectionMode, const QStringList&, const QStringList&) override { return chosen; }
};

QPoint centreOf(QWebEngineView* view, const QString& selector)
{
    const QVariantList box = test::evaluate(view, QStringLiteral("(function(){var r=document.querySelector('%1').getBoundingClientRect();"
                                                                 "return [r.left + r.width / 2, r.top + r.height / 2];})()")
                                                      .arg(selector))
                                 .toList();
    return QPoint(box.value(0).toInt(), box.value(1).toInt());
}

class UploadPageTest : public test::TestHome {};

}  // namespace

// The upload page as a visitor's browser uses it: two files chosen and sent, listed, one deleted.
TEST_F(UploadPageTest, TheUploadPageSendsListsAndDeletesFiles)
{
    KVLogger::createDatabase_Tables();
    KVServerStarter server(Paths::documentsDirectory(), Paths::resourceFile(QStringLiteral("upload")),
                           Paths::resourceFile(QStringLiteral("korvel_error.html")));
    ASSERT_TRUE(server.startServerConnectionWith(0));
    QStringList files;
    for (const char* name : {"menu.pdf", "map.png"}) {
        files << home() + QLatin1Char('/') + QLatin1String(name);
        ASSERT_TRUE(test::writeFile(files.last(), name));
    }

    // A visitor's own browser: a profile of its own, kept in memory only.
    QWebEngineProfile phone;
    QWebEngineView view;
    auto* page = new PhonePage(&phone, &view);
    page->chosen = files;
    view.setPage(page);
    view.resize(390, 844);
    view.show();
    QSignalSpy loaded(page, &QWebEnginePage::loadFinished);
    view.load(QUrl(QStringLiteral("http://upload.test:%1/").arg(server.getPortNumber())));
    ASSERT_TRUE(test::processEventsUntil([&] { return loaded.count() > 0; }, 20000));
    ASSERT_TRUE(loaded.first().first().toBool()) << "the upload page did not load";
    const QString listed = QStringLiteral("Array.from(document.querySelectorAll('#list li span')).map(function(s){return s.textContent;}).join(',')");

    // A chooser opens only on a person's tap, so the tap is a real click on the page's button.
    const QPoint choose = centreOf(&view, QStringLiteral("label[for=files]"));
    ASSERT_TRUE(test::processEventsUntil([&] {
        // Once a file has arrived the chooser was answered: a second tap would upload them again.
        const QDir documents(Paths::documentsDirectory());
        if (view.focusProxy() && !documents.exists(QStringLiteral("map.png")) && !documents.exists(QStringLiteral("menu.pdf")))
            QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, choose);
        return test::processEventsUntil([&] { return test::evaluate(&view, listed).toString() == QLatin1String("map.png,menu.pdf"); }, 3000);
    }, 15000)) << qPrintable(test::evaluate(&view, listed).toString());
    EXPECT_TRUE(QFile::exists(Paths::documentsDirectory() + QStringLiteral("/menu.pdf")));

    // The list is drawn again after each upload: the button is looked up right before the tap.
    EXPECT_TRUE(test::processEventsUntil([&] {
        QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, centreOf(&view, QStringLiteral("#list li:last-child button.delete")));
        return test::processEventsUntil([&] { return test::evaluate(&view, listed).toString() == QLatin1String("map.png"); }, 2000);
    }, 10000)) << qPrintable(test::evaluate(&view, listed).toString());
    EXPECT_FALSE(QFile::exists(Paths::documentsDirectory() + QStringLiteral("/menu.pdf")));
    server.stopServerConnection();
}

#include "files/KVServerStarter.h"
#include "platform/DocumentOrigins.h"
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

// The upload page as a visitor's browser uses it: two files chosen and sent, listed, one deleted;
// with an access code set, the page asks for it first and every request of the page carries it.
class UploadPageWithCode : public UploadPageTest, public testing::WithParamInterface<const char*> {};

TEST_P(UploadPageWithCode, TheUploadPageSendsListsAndDeletesFiles)
{
    const QString code = QString::fromUtf8(GetParam());
    KVLogger::createDatabase_Tables();
    KVServerStarter server(Paths::documentsDirectory(), Paths::resourceFile(QStringLiteral("upload")),
                           Paths::resourceFile(QStringLiteral("korvel_error.html")));
    server.setAccessCode(code);
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
    view.load(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server.getPortNumber())));
    ASSERT_TRUE(test::processEventsUntil([&] { return loaded.count() > 0; }, 20000));
    ASSERT_TRUE(loaded.first().first().toBool()) << "the upload page did not load";
    const QString listed = QStringLiteral("Array.from(document.querySelectorAll('#list li span')).map(function(s){return s.textContent;}).join(',')");
    if (!code.isEmpty()) {
        const QString asking = QStringLiteral("!document.getElementById('access').hidden && document.getElementById('list-section').hidden");
        ASSERT_TRUE(test::processEventsUntil([&] { return test::evaluate(&view, asking).toBool(); }, 10000)) << "the page asks for the code";
        test::evaluate(&view, QStringLiteral("document.getElementById('code').value = %1; document.getElementById('code-form').requestSubmit(); true")
                                  .arg(QLatin1Char('\'') + code + QLatin1Char('\'')));
        ASSERT_TRUE(test::processEventsUntil([&] { return !test::evaluate(&view, QStringLiteral("document.getElementById('list-section').hidden")).toBool(); },
                                             10000)) << "the page opens with the code";
    }

    // A chooser opens only on a person's tap, so the tap is a real click on the page's button. The
    // loop asks its condition once more after it holds: a tap that worked is not repeated.
    const QPoint choose = centreOf(&view, QStringLiteral("label[for=files]"));
    bool sent = false;
    ASSERT_TRUE(test::processEventsUntil([&] {
        // Once a file has arrived the chooser was answered, even if the list is slow to show it.
        const QDir documents(Paths::documentsDirectory());
        if (!sent && view.focusProxy() && !documents.exists(QStringLiteral("map.png")) && !documents.exists(QStringLiteral("menu.pdf")))
            QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, choose);
        sent = sent || test::processEventsUntil([&] { return test::evaluate(&view, listed).toString() == QLatin1String("map.png,menu.pdf"); }, 3000);
        return sent;
    }, 15000)) << qPrintable(test::evaluate(&view, listed).toString());
    EXPECT_TRUE(QFile::exists(Paths::documentsDirectory() + QStringLiteral("/menu.pdf")));
    // Only what came with the code may later be imported as settings.
    EXPECT_EQ(DocumentOrigins::forHome().originOf(Paths::documentsDirectory() + QStringLiteral("/menu.pdf")),
              code.isEmpty() ? DocumentOrigin::UploadWithoutCode : DocumentOrigin::UploadWithCode);

    // The list is drawn again after each upload: the button is looked up right before the tap.
    bool deleted = false;
    EXPECT_TRUE(test::processEventsUntil([&] {
        if (!deleted)
            QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, centreOf(&view, QStringLiteral("#list li:last-child button.delete")));
        deleted = deleted || test::processEventsUntil([&] { return test::evaluate(&view, listed).toString() == QLatin1String("map.png"); }, 2000);
        return deleted;
    }, 10000)) << qPrintable(test::evaluate(&view, listed).toString());
    EXPECT_TRUE(QFile::exists(Paths::documentsDirectory() + QStringLiteral("/map.png")));
    EXPECT_FALSE(QFile::exists(Paths::documentsDirectory() + QStringLiteral("/menu.pdf")));
    server.stopServerConnection();
}

INSTANTIATE_TEST_SUITE_P(, UploadPageWithCode, testing::Values("", "2468 \xc3\xbc"),
                         [](const testing::TestParamInfo<const char*>& info) { return info.index == 0 ? "NoAccessCode" : "AccessCode"; });

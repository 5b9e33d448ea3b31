#include "tests/app/ui/KioskOnAPage.h"

#include <QBuffer>
#include <QDrag>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>

using namespace korvel;
using korvel::test::WebTestServer;

namespace {

// What the engine handed to the window system as a drag, seen as Qt lets go of it.
class DragWatch final : public QObject {
public:
    bool started = false;
    QList<QUrl> urls;
    QString text;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::DeferredDelete) {
            if (auto* drag = qobject_cast<QDrag*>(watched)) {
                started = true;
                if (const QMimeData* data = drag->mimeData()) {
                    urls = data->urls();
                    text = data->text();
                }
            }
        }
        return false;
    }
};

QByteArray picture()
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer out(&png);
    out.open(QIODevice::WriteOnly);
    image.save(&out, "PNG");
    return png;
}

class LinkDragTest : public test::KioskOnAPage {};

}  // namespace

// A press on a page's link, image or text, moves out of the view and a release there, sent through
// the window system as a visitor's mouse makes them. Without copy and paste the engine starts no
// drag (nothing to carry to another program or into a field) from a link, an image or a selection,
// while an element the page made draggable itself keeps its drag; with copying allowed the same
// gestures do start drags, which shows the gestures reach the engine.
TEST_F(LinkDragTest, WithoutCopyAndPasteNoLinkImageOrTextIsDraggedOutOfTheKiosk)
{
    WebTestServer& server = WebTestServer::shared();
    server.setPage(QStringLiteral("/drag"), QByteArrayLiteral(
        "<html><head><title>Drag</title></head><body style='margin:0;font-size:30px'>"
        "<a id='link' href='/second' style='display:block;height:100px;background:#ccc'>a link</a>"
        "<img id='picture' src='/picture.png' style='display:block;width:200px;height:100px'>"
        "<p id='words' style='margin:0;height:100px;user-select:text'>words to carry away</p>"
        "<div id='own' draggable='true' style='height:100px;background:#9c9'>the page's own</div>"
        "<script>document.getElementById('own').addEventListener('dragstart', e => e.dataTransfer.setData('text/plain', 'card'));</script>"
        "</body></html>"));
    WebTestServer::Page image;
    image.body = picture();
    image.mimeType = "image/png";
    server.setPage(QStringLiteral("/picture.png"), image);
    KVSettings& s = settings();
    s.kvBrowPref.enableCopyPaste = false;
    const QString page = server.url(QStringLiteral("drag.test"), QStringLiteral("/drag"));
    KVWKViewController* window = openOnly(page, QStringLiteral("Drag"));
    ASSERT_NE(window, nullptr);
    QWebEngineView* view = window->webView();
    QWindow* handle = shell->window().windowHandle();
    ASSERT_NE(handle, nullptr);
    DragWatch watch;
    qApp->installEventFilter(&watch);

    const struct {
        const char* name;
        bool copyPaste;
        const char* element;
        bool dragStarts;
    } cases[] = {
        {"a link, copying off", false, "link", false},
        {"an image, copying off", false, "picture", false},
        {"selected text, copying off", false, "words", false},
        {"the page's own draggable element, copying off", false, "own", true},
        {"a link, copying on", true, "link", true},
        {"an image, copying on", true, "picture", true},
        {"selected text, copying on", true, "words", true},
    };
    bool copyPaste = false;
    for (const auto& c : cases) {
        if (c.copyPaste != copyPaste) {
            copyPaste = c.copyPaste;
            s.kvBrowPref.enableCopyPaste = copyPaste;
            s.save();
            QSignalSpy loaded(view, &QWebEngineView::loadFinished);
            view->reload();
            ASSERT_TRUE(test::processEventsUntil([&] { return !loaded.isEmpty(); }, 20000)) << c.name;
        }
        const QString element = QString::fromLatin1(c.element);
        // The page lets its paragraph be selected whatever the kiosk's style says; the text is
        // selected as a visitor's double tap would select it.
        test::evaluate(view, QStringLiteral("getSelection().removeAllRanges();"
                                            "if ('%1' === 'words') getSelection().selectAllChildren(document.getElementById('words')); 0")
                                 .arg(element));
        const QJsonObject box = QJsonDocument::fromJson(
                                    test::evaluate(view, QStringLiteral("JSON.stringify(document.getElementById('%1').getBoundingClientRect())").arg(element))
                                        .toString()
                                        .toUtf8())
                                    .object();
        const QPoint from = view->mapTo(&shell->window(), QPoint(box.value(QLatin1String("left")).toInt() + 40, box.value(QLatin1String("top")).toInt() + 40));
        watch.started = false;
        QTest::mousePress(handle, Qt::LeftButton, {}, from);
        test::processEventsUntil([] { return false; }, 100);
        // A few short steps inside the view, then out of it above the window.
        for (const QPoint to : {from + QPoint(5, 5), from + QPoint(15, 10), from + QPoint(30, 20), QPoint(from.x(), 10), QPoint(from.x(), -40)}) {
            QTest::mouseMove(handle, to);
            test::processEventsUntil([] { return false; }, 60);
        }
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(from.x(), -40));
        test::processEventsUntil([] { return false; }, 400);
        EXPECT_EQ(watch.started, c.dragStarts) << c.name;
        if (c.dragStarts && element == QLatin1String("link"))
            EXPECT_EQ(watch.urls, QList<QUrl>{QUrl(server.url(QStringLiteral("drag.test"), QStringLiteral("/second")))}) << c.name;
        EXPECT_EQ(shell->window().navigationStack()->topScreen(), window) << c.name;
        EXPECT_EQ(view->url(), QUrl(page)) << c.name;
    }
    qApp->removeEventFilter(&watch);
}

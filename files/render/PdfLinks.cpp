#include "files/render/PdfLinks.h"

#include <QAbstractListModel>
#include <QPdfDocument>
#include <QtGlobal>

#include <memory>

// Qt 6.4 reads a page's links only in a class it does not publish a header for (QPdfLinkModel,
// exported by libQt6Pdf). This declaration mirrors its 6.4 layout (the list model and one hash of
// role names, 24 bytes) so that it can be made here. Every virtual function the class overrides is
// declared, so that calls the compiler resolves statically still reach the library's own; the
// rest goes through the meta-object system, and the class's name and roles are checked first.
#if QT_VERSION >= QT_VERSION_CHECK(6, 4, 0) && QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#define KORVEL_PDF_LINK_MODEL 1
QT_BEGIN_NAMESPACE
class Q_DECL_IMPORT QPdfLinkModel : public QAbstractListModel {
public:
    explicit QPdfLinkModel(QObject* parent = nullptr);
    ~QPdfLinkModel() override;
    const QMetaObject* metaObject() const override;
    void* qt_metacast(const char* name) override;
    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    QHash<int, QByteArray> m_roleNames;
};
QT_END_NAMESPACE
static_assert(sizeof(QPdfLinkModel) == 24, "QPdfLinkModel of Qt 6.4 is 24 bytes");
#endif

namespace korvel {

QList<ReaderLink> PdfLinks::onPage(QPdfDocument* document, int page)
{
    QList<ReaderLink> links;
#ifdef KORVEL_PDF_LINK_MODEL
    if (!document || page < 0 || page >= document->pageCount())
        return links;
    std::unique_ptr<QAbstractListModel> model(new QPdfLinkModel);
    if (qstrcmp(model->metaObject()->className(), "QPdfLinkModel") != 0)
        return links;
    const QHash<int, QByteArray> names = model->roleNames();
    const int rectangle = names.key("rectangle", -1);
    const int url = names.key("url", -1);
    const int target = names.key("page", -1);
    if (rectangle < 0 || url < 0 || target < 0)
        return links;
    if (!model->setProperty("document", QVariant::fromValue(document)) || !model->setProperty("page", page))
        return links;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row);
        ReaderLink link;
        link.rect = index.data(rectangle).toRectF();
        link.url = index.data(url).toUrl();
        link.page = link.url.isEmpty() ? index.data(target).toInt() : -1;
        links.append(link);
    }
#else
    Q_UNUSED(document);
    Q_UNUSED(page);
#endif
    return links;
}

}  // namespace korvel

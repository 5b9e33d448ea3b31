#pragma once

#include <QString>

namespace korvel {

// One cloud ID used for export or import, with its latest action.
struct CloudIDHistoryRow {
    enum Action : qint64 { Exported = 0, Imported = 1, AutoImported = 2 };

    QString cloudID;
    qint64 action = Exported;  // readers show values other than 0 and 1 as auto-imported
    QString date;              // local "yyyy-MM-dd HH:mm:ss"

    bool operator==(const CloudIDHistoryRow&) const = default;
};

}  // namespace korvel

#pragma once

#include "platform/ui/Screen.h"
#include "policy/BlockedWebsiteEditing.h"

#include <optional>

namespace korvel {

class Alert;
class TableView;

// The blocked-website editor: an address and its protocol. Saves through the editing operations;
// a refusal is a toast and the editor stays.
class KVAddBlockedWebsiteViewController final : public Screen {
    Q_OBJECT
public:
    enum Row { UrlRow, ProtocolRow, DeleteRow };

    explicit KVAddBlockedWebsiteViewController(std::optional<qsizetype> index = std::nullopt, QWidget* parent = nullptr);

    TableView* tableView() const { return m_table; }
    const BlockedWebsiteInput& input() const { return m_input; }

    bool save();
    Alert* deleteWebsite();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    void leave();

    std::optional<qsizetype> m_index;
    BlockedWebsiteInput m_input;
    TableView* m_table = nullptr;
};

}  // namespace korvel

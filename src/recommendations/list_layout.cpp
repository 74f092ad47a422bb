#include "recommendations/list_layout.h"

#include <set>

#include "base/failure.h"
#include "base/numbers.h"
#include "recommendations/preparations.h"

namespace recommendations {

std::vector<LayoutEntry> ListLayout::Buttons() const {
    std::vector<LayoutEntry> buttons;
    for (const LayoutEntry& entry : entries) {
        if (entry.kind == LayoutEntry::Kind::Button) buttons.push_back(entry);
    }
    return buttons;
}

std::vector<int> ListLayout::Headings() const {
    std::vector<int> headings;
    for (const LayoutEntry& entry : entries) {
        if (entry.kind == LayoutEntry::Kind::Heading) headings.push_back(entry.index);
    }
    return headings;
}

int16_t ListLayout::GrowthRows() const { return base::Sub16(row, designRows); }

ListLayout LayOutByCategory(const std::vector<int>& preparations,
                            const std::vector<int16_t>& categories, int maxButtons) {
    ListLayout layout;
    std::set<int> headingsShown;
    for (size_t i = 0; i < preparations.size(); ++i) {
        const int p = preparations[i];
        const int c = Category(categories, p);
        if (c < kFirstHeading || c > kLastHeading) continue;
        if (headingsShown.insert(c).second) {
            layout.entries.push_back({LayoutEntry::Kind::Heading, c, layout.row, 0, 0, "", ""});
            layout.row = base::Add16(layout.row, 1);
        }
        if (maxButtons > 0 && layout.button > maxButtons) throw base::SubscriptOutOfRange();
        layout.entries.push_back({LayoutEntry::Kind::Button, layout.button, layout.row, p,
                                  static_cast<int>(i) + 1, PreparationName(p), ""});
        layout.row = base::Add16(layout.row, 1);
        layout.button = base::Add16(layout.button, 1);
    }
    return layout;
}

ListLayout LayOutByCategory(const Selection& ordered, const std::vector<int16_t>& categories,
                            int maxButtons) {
    std::vector<int> preparations;
    for (const SelectionRecord& record : ordered.Listed()) preparations.push_back(record.product);
    return LayOutByCategory(preparations, categories, maxButtons);
}

}  // namespace recommendations

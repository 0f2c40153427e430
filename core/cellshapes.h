// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace kellvar {

// The shapes of each column's texts: a text with every digit as '0'. A long
// table has a few dozen shapes in all, and a shape drawn with the font's
// widest digit in every digit's place is at least as wide as any text of that
// shape, so the shapes alone tell how wide a column must be. They are taken
// as the cells are made, while the texts are still in the cache; the order of
// the rows does not change them.
class TCellShapes {
public:
    TCellShapes() = default;
    // A copy's pointers would lead into the original's shapes; moving keeps them.
    TCellShapes(const TCellShapes&) = delete;
    TCellShapes& operator=(const TCellShapes&) = delete;
    TCellShapes(TCellShapes&&) = default;
    TCellShapes& operator=(TCellShapes&&) = default;

    void Clear();
    void Add(size_t column, const std::string& text);
    // Each shape once, in no particular order; none for a column without texts.
    std::vector<std::string> Of(size_t column) const;

private:
    struct TColumn {
        std::unordered_set<std::string> Shapes;
        // The shape of the last text added: neighbouring rows mostly share
        // their shape, so a text is compared with it before it is hashed.
        const std::string* Above = nullptr;
    };
    std::vector<TColumn> columns_;
    // Reused for each shape looked up, so that a known shape allocates nothing.
    std::string shape_;
};

}  // namespace kellvar

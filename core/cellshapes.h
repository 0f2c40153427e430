// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
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
    void Clear();
    // A row's cells joined by TAB (no cell holds one), the first column first.
    void AddRow(std::string_view cells);
    void Add(size_t column, std::string_view text);
    // Forgets a column's shapes, for texts that are made anew.
    void ClearColumn(size_t column);
    // Each shape once, in no particular order; none for a column without texts.
    std::vector<std::string> Of(size_t column) const;

private:
    void AddShape(size_t column, std::string_view shape);

    struct TColumn {
        std::unordered_set<std::string> Shapes;
        // The shape of the last text added: neighbouring rows mostly share
        // their shape, so a shape is compared with it before it is hashed.
        std::string Above;
    };
    std::vector<TColumn> columns_;
    // Reused for each text's shape, so that a known shape allocates nothing.
    std::string shape_;
};

}  // namespace kellvar

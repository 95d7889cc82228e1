#include "bench/TextTable.h"

#include <algorithm>

void TextTable::AddRow(std::vector<std::string> cells) { m_rows.push_back(std::move(cells)); }

std::string TextTable::Render() const {
    std::vector<size_t> widths;
    for (const auto& row : m_rows) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    std::string out;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        std::string line;
        for (size_t c = 0; c < widths.size(); ++c) {
            const std::string cell = c < m_rows[r].size() ? m_rows[r][c] : std::string();
            std::string pad(widths[c] - cell.size(), ' ');
            if (c != 0) line += "  ";
            line += c == 0 ? cell + pad : pad + cell;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
        if (r == 0) {
            size_t total = 0;
            for (size_t w : widths) total += w;
            out += std::string(total + 2 * (widths.empty() ? 0 : widths.size() - 1), '-') + "\n";
        }
    }
    return out;
}

// A plain-text table with columns padded to their widest cell; the first row
// is the heading and is underlined. Cells are UTF-8 but ASCII in practice.
#pragma once
#include <string>
#include <vector>

class TextTable {
public:
    void AddRow(std::vector<std::string> cells);
    // Left-aligns the first column and right-aligns the others.
    std::string Render() const;

private:
    std::vector<std::vector<std::string>> m_rows;
};

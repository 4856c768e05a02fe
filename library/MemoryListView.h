#pragma once
// A list view that only keeps its rows: for tools and tests, and for running
// the list without a window.

#include "RecordingListView.h"

#include <array>
#include <string>
#include <vector>

class CMemoryListView : public IRecordingListView {
public:
    using Row = std::array<std::string, 3>;

    int RowCount() const override { return static_cast<int>(rows_.size()); }
    void InsertRow(int row, const std::string& text) override
    {
        rows_.insert(rows_.begin() + row, Row{text, {}, {}});
        damage_.insert(damage_.begin() + row, std::string());
    }
    void SetRowText(int row, int column, const std::string& text) override { rows_.at(row).at(column) = text; }
    void DeleteAllRows() override
    {
        rows_.clear();
        damage_.clear();
    }
    void MarkDamaged(int row, const std::string& note) override { damage_.at(row) = note; }

    const std::vector<Row>& Rows() const { return rows_; }
    // Each row's damage note; empty: unmarked.
    const std::vector<std::string>& Damage() const { return damage_; }

private:
    std::vector<Row> rows_;
    std::vector<std::string> damage_;
};

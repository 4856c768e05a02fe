#pragma once
// What the recording list needs of the view that mirrors it.

#include <string>

class IRecordingListView {
public:
    virtual ~IRecordingListView() = default;
    virtual int RowCount() const = 0;
    // Inserts a row at `row` with `text` in column 0.
    virtual void InsertRow(int row, const std::string& text) = 0;
    virtual void SetRowText(int row, int column, const std::string& text) = 0;
    virtual void DeleteAllRows() = 0;
    // Marks the row's recording as damaged, `note` saying how; a view
    // without marks ignores it.
    virtual void MarkDamaged(int /*row*/, const std::string& /*note*/) {}
};

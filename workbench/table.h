// A workbench table: a list of rows of fixed-capacity text fields, optionally
// kept in ascending order of one field at all times.
//
// Texts are bytes of the Latin-1 code page, one byte per character; the Qt
// form converts at its edge. A value longer than its field's capacity is cut
// when stored. Rows with equal sort keys keep the order they were posted in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct FieldSpec {
    std::string_view name;   // the header name in the table text format
    size_t capacity;         // characters
    std::string_view title;  // grid column title
    int width;               // grid column width, in characters
};

struct TableSpec {
    std::string_view name;  // Mnemo, ROM, ADDR, SBR
    std::span<const FieldSpec> fields;
    int sortField;  // index into fields, or -1 for file order
};

class Table {
public:
    using Row = std::vector<std::string>;
    static constexpr size_t npos = static_cast<size_t>(-1);

    explicit Table(const TableSpec& layout);

    const TableSpec& layout() const { return *layout_; }
    int fieldCount() const { return static_cast<int>(layout_->fields.size()); }
    // The field of that header name, or -1.
    int FieldIndex(std::string_view name) const;

    size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    const Row& row(size_t index) const { return rows_[index]; }
    const std::string& at(size_t index, int field) const { return rows_[index][field]; }
    Row NewRow() const { return Row(layout_->fields.size()); }

    // Posting stores a row (cut to capacity) at its sorted place, sets the
    // modified flag and runs the after-post hook. Each returns the row's index.
    size_t Append(Row row);
    size_t Post(size_t index, Row row);
    size_t PostField(size_t index, int field, std::string_view value);
    void Remove(size_t index);
    // Removes every row for which `doomed` is true; returns how many.
    size_t RemoveIf(const std::function<bool(const Row&)>& doomed);
    void Clear();

    // Replaces every row without posting: no hook, no modified flag (a table
    // being loaded from its file).
    void Replace(std::vector<Row> rows);

    // While suspended, appended rows go to the end; resuming sorts the table
    // again, stably. Suspensions nest.
    void SuspendOrder();
    void ResumeOrder();

    // The first row whose field holds exactly `value`, or npos. A binary
    // search on the sort field while the table is ordered.
    size_t Find(int field, std::string_view value) const;

    bool modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    // Runs after every post, with the row's index.
    std::function<void(size_t)> afterPost;

    // Counters for callers that hold row indexes or lookups across calls:
    // `revision` moves on every change, `layoutRevision` only when rows are
    // added, removed or moved.
    uint64_t revision() const { return revision_; }
    uint64_t layoutRevision() const { return layoutRevision_; }

private:
    void CutToCapacity(Row& row) const;
    bool Ordered() const { return layout_->sortField >= 0 && suspended_ == 0; }
    size_t SortedPlace(std::string_view key) const;  // after rows with an equal key
    size_t Posted(size_t index);
    void SortRows();

    const TableSpec* layout_;
    std::vector<Row> rows_;
    int suspended_ = 0;
    bool modified_ = false;
    uint64_t revision_ = 0;
    uint64_t layoutRevision_ = 0;
};

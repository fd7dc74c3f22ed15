#include "workbench/table.h"

#include <algorithm>
#include <utility>

Table::Table(const TableSpec& layout) : layout_(&layout) {}

int Table::FieldIndex(std::string_view name) const {
    for (size_t i = 0; i < layout_->fields.size(); ++i)
        if (layout_->fields[i].name == name) return static_cast<int>(i);
    return -1;
}

void Table::CutToCapacity(Row& row) const {
    row.resize(layout_->fields.size());
    for (size_t i = 0; i < row.size(); ++i)
        if (row[i].size() > layout_->fields[i].capacity) row[i].resize(layout_->fields[i].capacity);
}

size_t Table::SortedPlace(std::string_view key) const {
    const int f = layout_->sortField;
    const auto place = std::upper_bound(rows_.begin(), rows_.end(), key,
                                        [f](std::string_view k, const Row& r) { return k < r[f]; });
    return static_cast<size_t>(place - rows_.begin());
}

size_t Table::Posted(size_t index) {
    modified_ = true;
    ++revision_;
    if (afterPost) afterPost(index);
    return index;
}

size_t Table::Append(Row row) {
    CutToCapacity(row);
    const size_t index = Ordered() ? SortedPlace(row[layout_->sortField]) : rows_.size();
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(index), std::move(row));
    ++layoutRevision_;
    return Posted(index);
}

size_t Table::Post(size_t index, Row row) {
    CutToCapacity(row);
    const int f = layout_->sortField;
    if (!Ordered() || row[f] == rows_[index][f]) {
        rows_[index] = std::move(row);
        return Posted(index);
    }
    // The key changed: the row moves to its new place, after its equals.
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
    const size_t place = SortedPlace(row[f]);
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(place), std::move(row));
    ++layoutRevision_;
    return Posted(place);
}

size_t Table::PostField(size_t index, int field, std::string_view value) {
    Row row = rows_[index];
    row[field] = value;
    return Post(index, std::move(row));
}

void Table::Remove(size_t index) {
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
    modified_ = true;
    ++revision_;
    ++layoutRevision_;
}

size_t Table::RemoveIf(const std::function<bool(const Row&)>& doomed) {
    const auto kept = std::stable_partition(rows_.begin(), rows_.end(), [&](const Row& r) { return !doomed(r); });
    const size_t removed = static_cast<size_t>(rows_.end() - kept);
    rows_.erase(kept, rows_.end());
    if (removed > 0) {
        modified_ = true;
        ++revision_;
        ++layoutRevision_;
    }
    return removed;
}

void Table::Clear() {
    rows_.clear();
    ++revision_;
    ++layoutRevision_;
}

void Table::Replace(std::vector<Row> rows) {
    for (Row& row : rows) CutToCapacity(row);
    rows_ = std::move(rows);
    if (Ordered()) SortRows();
    ++revision_;
    ++layoutRevision_;
}

void Table::SortRows() {
    const int f = layout_->sortField;
    std::stable_sort(rows_.begin(), rows_.end(), [f](const Row& a, const Row& b) { return a[f] < b[f]; });
}

void Table::SuspendOrder() { ++suspended_; }

void Table::ResumeOrder() {
    if (suspended_ == 0 || --suspended_ > 0 || layout_->sortField < 0) return;
    SortRows();
    ++revision_;
    ++layoutRevision_;
}

size_t Table::Find(int field, std::string_view value) const {
    if (Ordered() && field == layout_->sortField) {
        const auto first = std::lower_bound(rows_.begin(), rows_.end(), value,
                                            [field](const Row& r, std::string_view v) { return r[field] < v; });
        return first != rows_.end() && (*first)[field] == value ? static_cast<size_t>(first - rows_.begin()) : npos;
    }
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i][field] == value) return i;
    return npos;
}

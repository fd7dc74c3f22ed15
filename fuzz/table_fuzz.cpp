// The table text reader against any text, for each of the four tables (the
// first byte chooses). Reading must keep every value within its field, and
// what is written back must read back to the same text.
#include <cstdlib>
#include <string_view>

#include "workbench/table_file.h"
#include "workbench/workbench.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const TableSpec* const specs[] = {&kMnemoSpec, &kRomSpec, &kAddrSpec, &kSbrSpec};
    const TableSpec& layout = *specs[data[0] % 4];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    Table table(layout);
    (void)ReadTable(text, table, "fuzz");
    for (size_t i = 0; i < table.size(); ++i) {
        Check(table.row(i).size() == layout.fields.size());
        for (size_t f = 0; f < layout.fields.size(); ++f) Check(table.at(i, int(f)).size() <= layout.fields[f].capacity);
        if (layout.sortField >= 0) {
            Check(i == 0 || table.at(i - 1, layout.sortField) <= table.at(i, layout.sortField));
            Check(table.Find(layout.sortField, table.at(i, layout.sortField)) <= i);
        }
    }

    const std::string written = WriteTable(table);
    Table again(layout);
    Check(ReadTable(written, again, "fuzz").empty());
    Check(again.size() == table.size());
    Check(WriteTable(again) == written);
    return 0;
}

#include "workbench/disassembler.h"

#include <cstdint>
#include <optional>

#include "workbench/hex.h"

namespace {

std::string InvalidAddress(std::string_view text) { return "Invalid address \"" + std::string(text) + "\" !"; }

// Whether a comment already carries the text a pass would append, so that a
// second pass over the same range adds nothing.
bool Holds(std::string_view comment, std::string_view text) {
    if (text.empty() || comment == text) return true;
    const std::string appended = std::string(text) + ' ';
    return comment.find(appended) != std::string_view::npos || comment.ends_with(text);
}

// A target computed without wrapping at 64 K: at least four digits, and a
// minus sign below 0000.
std::string TargetText(int64_t target) {
    if (target >= 0) return HexText(static_cast<uint32_t>(target), 4);
    std::string text = "-";
    text += HexText(static_cast<uint32_t>(-target), 4);
    return text;
}

}  // namespace

DisassemblyPass::DisassemblyPass(Workbench& wb, Dialect dialect, std::string from, std::string to)
    : wb_(wb), busy_(wb), field_(dialect == Dialect::PseudoZ80 ? MnemoField::MNEMO1 : MnemoField::MNEMO2),
      end_(std::move(to)) {
    if (!busy_.acquired()) Stop(kBusyMessage);
    else if (!ParseHex(from)) Stop(InvalidAddress(from));
    else if (!ParseHex(end_)) Stop(InvalidAddress(end_));
    else if ((row_ = wb_.rom.Find(RomField::ADDRESS, from)) == Table::npos) Stop();
    layout_ = wb_.rom.layoutRevision();
}

void DisassemblyPass::Stop(std::string error) {
    done_ = true;
    if (error_.empty()) error_ = std::move(error);
}

bool DisassemblyPass::Step(size_t count) {
    for (; count > 0 && !done_; --count) {
        if (wb_.rom.layoutRevision() != layout_) {
            Stop("The listing changed during the pass; it stopped after " + std::to_string(instructions_) +
                 " instructions");
            break;
        }
        if (!StillInRange()) break;
        DecodeOne();
    }
    return !done_;
}

bool DisassemblyPass::StillInRange() {
    const std::optional<uint32_t> end = ParseHex(end_);
    if (!end) {
        Stop(InvalidAddress(end_));
        return false;
    }
    const std::string& text = wb_.rom.at(row_, RomField::ADDRESS);
    const std::optional<uint32_t> current = ParseHex(text);
    if (!current) {
        Stop("The row after the last instruction has no address (\"" + text + "\"); the pass stopped there");
        return false;
    }
    if (*end < *current) Stop();
    return !done_;
}

const std::string& DisassemblyPass::Code() const { return wb_.rom.at(row_, RomField::CODE); }

// Moves to the next row and appends its byte; past the last row the last
// row's byte stands in and the pass will end with this instruction.
const std::string& DisassemblyPass::TakeByte(std::string& bytes) {
    if (row_ + 1 < wb_.rom.size()) ++row_;
    else ranOut_ = true;
    bytes += Code();
    return Code();
}

void DisassemblyPass::IndexMnemo() {
    firstPage_.clear();
    fdPage_.clear();
    const Table& mnemo = wb_.mnemo;
    for (size_t i = 0; i < mnemo.size(); ++i) {
        const std::string& code = mnemo.at(i, MnemoField::CODE);
        firstPage_.try_emplace(code, i);  // the first row in table order, whatever its page
        if (mnemo.at(i, MnemoField::PAGE) == "FD") fdPage_.try_emplace(code, i);
    }
    mnemoRevision_ = mnemo.revision();
    mnemoIndexed_ = true;
}

// The pattern of a code in the pass's dialect; "?" without one (an empty
// pattern counts as none, so that the purge keeps the instruction's row).
std::string DisassemblyPass::Lookup(const std::string& code, bool fdPage) {
    if (!mnemoIndexed_ || wb_.mnemo.revision() != mnemoRevision_) IndexMnemo();
    const auto& index = fdPage ? fdPage_ : firstPage_;
    const auto found = index.find(code);
    if (found == index.end()) return "?";
    const std::string& pattern = wb_.mnemo.at(found->second, field_);
    return pattern.empty() ? "?" : pattern;
}

void DisassemblyPass::DecodeOne() {
    const size_t startRow = row_;
    comment_.clear();
    std::string bytes = Code();
    std::string pattern;
    if (bytes == "FD") pattern = Lookup(TakeByte(bytes), true);
    else pattern = Lookup(bytes, false);

    // A special subroutine call: the byte after the call names an SBR row
    // whose parameter pattern replaces the rest of the call's pattern.
    const size_t n = pattern.find('n');
    if (pattern.starts_with("SBR") && n != std::string::npos && row_ + 1 < wb_.rom.size()) {
        const size_t sbr = wb_.sbr.Find(SbrField::CODE, wb_.rom.at(row_ + 1, RomField::CODE));
        if (sbr != Table::npos) pattern = pattern.substr(0, n + 1) + wb_.sbr.at(sbr, SbrField::MNEMO);
    }

    const size_t firstN = pattern.find('n'), firstPp = pattern.find("pp");
    if (firstN != std::string::npos && firstPp != std::string::npos && firstPp < firstN)
        SubstituteAddresses(pattern, bytes);
    SubstituteBytes(pattern, bytes);
    SubstituteAddresses(pattern, bytes);
    SubstituteJumps(pattern, bytes, true);
    SubstituteJumps(pattern, bytes, false);

    const bool lastRow = ranOut_ || row_ + 1 >= wb_.rom.size();
    if (!lastRow) ++row_;
    Store(startRow, pattern, bytes);
    if (lastRow) Stop();
}

void DisassemblyPass::SubstituteBytes(std::string& pattern, std::string& bytes) {
    for (size_t at; (at = pattern.find('n')) != std::string::npos;) pattern.replace(at, 1, "&" + TakeByte(bytes));
}

void DisassemblyPass::SubstituteAddresses(std::string& pattern, std::string& bytes) {
    for (size_t at; (at = pattern.find("pp")) != std::string::npos;) {
        std::string address = TakeByte(bytes);
        address += TakeByte(bytes);
        pattern.replace(at, 2, "&" + address);
        const size_t named = wb_.addr.Find(AddrField::ADDRESS, address);
        if (named != Table::npos) comment_ = wb_.addr.at(named, AddrField::COMMENT);
    }
}

void DisassemblyPass::SubstituteJumps(std::string& pattern, std::string& bytes, bool forward) {
    const char* placeholder = forward ? "+e" : "-e";
    for (size_t at; (at = pattern.find(placeholder)) != std::string::npos;) {
        const std::string d = TakeByte(bytes);
        pattern.replace(at, 2, std::string(forward ? "+&" : "-&") + d);
        const int64_t a = ParseHex(wb_.rom.at(row_, RomField::ADDRESS)).value_or(0);
        const int64_t displacement = ParseHex(d).value_or(0);
        const std::string target = TargetText(forward ? a + displacement + 1 : a + 1 - displacement);
        comment_ = forward ? "Jump to " : "Jump back to ";
        const size_t named = wb_.addr.Find(AddrField::ADDRESS, target);
        if (named != Table::npos && !wb_.addr.at(named, AddrField::LABEL).empty())
            comment_ += wb_.addr.at(named, AddrField::LABEL) + " (" + target + ")";
        else
            comment_ += target;
    }
}

void DisassemblyPass::Store(size_t startRow, const std::string& pattern, const std::string& bytes) {
    Table::Row row = wb_.rom.row(startRow);
    row[RomField::MNEMO] = pattern;
    row[RomField::HEXA] = bytes;
    std::string& comment = row[RomField::COMMENT];
    if (!Holds(comment, comment_)) {
        // One space keeps a comment from the ADDR table apart from the new text.
        if (!comment.empty() && comment.back() != ' ') comment += ' ';
        comment += comment_ + ' ';
    }
    wb_.rom.Post(startRow, std::move(row));  // the address is unchanged: the row stays where it is
    ++instructions_;
}

PassResult RunDisassemblyPass(Workbench& wb, Dialect dialect, std::string_view from, std::string_view to,
                              const Progress& progress) {
    DisassemblyPass pass(wb, dialect, std::string(from), std::string(to));
    while (pass.Step(256))
        if (progress && !progress(pass.row(), wb.rom.size())) break;
    return {pass.error(), pass.instructions()};
}

PurgeResult Purge(Workbench& wb) {
    Workbench::BusyGuard busy(wb);
    if (!busy.acquired()) return {kBusyMessage, 0};
    const size_t removed = wb.rom.RemoveIf([](const Table::Row& row) {
        return row[RomField::MNEMO].find_first_not_of(' ') == std::string::npos;
    });
    return {"", removed};
}

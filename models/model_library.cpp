// The four exports of a model library. The same source builds all three
// libraries; ZELKOR_MODEL_LIBRARY names the one being built, and the skin
// images and bundled ROM image are embedded by model_data.cpp.
#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

#include "host/image.h"
#include "models/model_api.h"
#include "models/rom_slots.h"
#include "models/skin_blob.h"
#include "models/tables.h"

extern "C" {
extern const uint8_t zelkor_skin_blob[] __attribute__((visibility("hidden")));
extern const uint8_t zelkor_skin_blob_end[] __attribute__((visibility("hidden")));
extern const uint8_t zelkor_bundled_rom[] __attribute__((visibility("hidden")));
extern const uint8_t zelkor_bundled_rom_end[] __attribute__((visibility("hidden")));
}

namespace {

const ModelTables& Tables() {
    static const ModelTables& tables = *ModelTablesByLibrary(ZELKOR_MODEL_LIBRARY);
    return tables;
}

// The handles this library created and has not released yet, so that
// Libere_Ressource never deletes an image it does not own (a handle left in the
// record by another library, or read back from a state file).
std::mutex createdLock;
std::vector<uint32_t> created;

uint32_t CreateImage(uint16_t id) {
    if (id == 0) return 0;
    const size_t size = static_cast<size_t>(zelkor_skin_blob_end - zelkor_skin_blob);
    const SkinBlobImage* image = SkinBlobFind(zelkor_skin_blob, size, id);
    if (!image) return 0;
    const uint32_t handle = ImageCreate(image->width, image->height, zelkor_skin_blob + image->offset,
                                        image->width * 3);
    if (handle != 0) {
        std::lock_guard<std::mutex> guard(createdLock);
        created.push_back(handle);
    }
    return handle;
}

// Deletes `handle` if this library created it; true when it did.
bool ReleaseOwned(uint32_t handle) {
    if (handle == 0) return false;
    {
        std::lock_guard<std::mutex> guard(createdLock);
        const auto found = std::find(created.begin(), created.end(), handle);
        if (found == created.end()) return false;
        created.erase(found);
    }
    ImageDelete(handle);
    return true;
}

void FillEntry(SkinEntry& entry, int index, const EntryTable& table) {
    entry.x = table.x;
    entry.y = table.y;
    entry.width = table.width;
    entry.height = table.height;
    entry.dirty = 1;
    entry.imageA = CreateImage(table.imageA);
    // The case has one image, stored in both slots.
    entry.imageB = index == kSkinCase ? entry.imageA : CreateImage(table.imageB);
    const bool showB = index >= kSkinFirstAnnunciator && index <= kSkinPowerDot;  // unlit
    entry.currentImage = showB ? entry.imageB : entry.imageA;
    entry.scanAll = table.scanAll;
    std::memcpy(entry.scanLines, table.scanLines.data(), sizeof entry.scanLines);
}

// Any function of this library: its address finds the library's own file.
void AnchorOfThisLibrary() {}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void Get_Rom(LH5801* record, uint32_t romId) {
    const ModelTables& tables = Tables();
    LoadRomSlot(DirectoryOfAddress(reinterpret_cast<const void*>(&AnchorOfThisLibrary)), tables.library,
                RomSlotFor(tables, romId), zelkor_bundled_rom,
                static_cast<size_t>(zelkor_bundled_rom_end - zelkor_bundled_rom), record->ME0 + kRomBase);
}

__attribute__((visibility("default"))) void Initialise_EcranClavier(LH5801* record) {
    const ModelTables& tables = Tables();
    record->LcdOriginX = tables.lcdOriginX;
    record->LcdOriginY = tables.lcdOriginY;
    for (int i = 0; i < kModelEntries; ++i) FillEntry(record->Skin[i], i, tables.entries[i]);
}

__attribute__((visibility("default"))) uint32_t UneTouche(uint32_t position) {
    return static_cast<uint32_t>(KeyAt(Tables(), position));
}

__attribute__((visibility("default"))) void Libere_Ressource(LH5801* record) {
    for (int i = 0; i < kModelEntries; ++i) {
        SkinEntry& entry = record->Skin[i];
        const uint32_t a = entry.imageA, b = entry.imageB;
        const bool releasedA = ReleaseOwned(a);
        const bool releasedB = b != a && ReleaseOwned(b);
        if (releasedA) entry.imageA = 0;
        if (releasedB || (releasedA && b == a)) entry.imageB = 0;
        const uint32_t current = entry.currentImage;
        if ((releasedA && current == a) || (releasedB && current == b)) entry.currentImage = 0;
    }
}

}  // extern "C"

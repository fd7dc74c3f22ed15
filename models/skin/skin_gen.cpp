// The skin generator. Draws every image of the three model libraries and
// writes, per model, the blob that the library embeds:
//
//   zelkor-skin-gen --out DIR       DIR/skin-ZelkorA.bin, skin-Zelkor.bin, skin-Kavro.bin
//   zelkor-skin-gen --preview DIR   DIR/<model>.png (case, released keys, lit
//                                   annunciators, sample dots) and
//                                   DIR/<model>-pressed.png (every key pressed)
//   zelkor-skin-gen --dialogs DIR   DIR/about.png and DIR/keyboard.png, the
//                                   pictures of the emulator's two dialogs
#include <png.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "machine/keyboard.h"
#include "models/skin/art.h"
#include "models/skin_blob.h"
#include "models/tables.h"

namespace {

struct Image {
    uint16_t id;
    Canvas canvas;
};

// Every image of the model, each id once, in id order of their entries.
std::vector<Image> DrawImages(const ModelTables& model) {
    std::vector<Image> images;
    images.push_back({model.entries[0].imageA, DrawCase(model)});
    for (int k = 1; k <= kModelKeys; ++k) {
        const EntryTable& e = model.entries[k];
        if (e.imageA == 0) continue;
        images.push_back({e.imageA, DrawKey(model, k, false)});
        images.push_back({e.imageB, DrawKey(model, k, true)});
    }
    for (int entry = kSkinFirstAnnunciator; entry <= kSkinPowerDot; ++entry) {
        const EntryTable& e = model.entries[entry];
        images.push_back({e.imageA, DrawAnnunciator(model, entry, true)});
        images.push_back({e.imageB, DrawAnnunciator(model, entry, false)});
    }
    for (uint16_t id : {82, 182, 183}) images.push_back({id, DrawDot(id)});
    return images;
}

std::vector<uint8_t> Blob(const std::vector<Image>& images) {
    SkinBlobHeader header;
    std::memcpy(header.magic, kSkinBlobMagic, 4);
    header.count = static_cast<uint32_t>(images.size());
    std::vector<SkinBlobImage> directory;
    uint32_t offset = static_cast<uint32_t>(sizeof header + images.size() * sizeof(SkinBlobImage));
    std::vector<uint8_t> pixels;
    for (const Image& image : images) {
        const std::vector<uint8_t> bgr = image.canvas.Bgr();
        directory.push_back({image.id, static_cast<uint16_t>(image.canvas.width()),
                             static_cast<uint16_t>(image.canvas.height()), 0, offset});
        pixels.insert(pixels.end(), bgr.begin(), bgr.end());
        offset += static_cast<uint32_t>(bgr.size());
    }
    std::vector<uint8_t> blob(sizeof header + directory.size() * sizeof(SkinBlobImage));
    std::memcpy(blob.data(), &header, sizeof header);
    std::memcpy(blob.data() + sizeof header, directory.data(), directory.size() * sizeof(SkinBlobImage));
    blob.insert(blob.end(), pixels.begin(), pixels.end());
    return blob;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool WritePng(const std::string& path, const Canvas& canvas) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(canvas.width());
    png.height = static_cast<png_uint_32>(canvas.height());
    png.format = PNG_FORMAT_BGR;
    const std::vector<uint8_t> bgr = canvas.Bgr();
    return png_image_write_to_file(&png, path.c_str(), 0, bgr.data(), 0, nullptr) != 0;
}

const Canvas* Find(const std::vector<Image>& images, uint16_t id) {
    for (const Image& image : images)
        if (image.id == id) return &image.canvas;
    return nullptr;
}

// A line of sample text in the dot grid, so the preview shows what lit dots
// look like.
void DrawSampleDots(Canvas& skin, const ModelTables& model, const Canvas& lit) {
    Canvas text(156, 7, 0);
    const std::string sample = std::string(model.caption) + " READY";
    text.TextCentred({0, 0, 156, 7}, sample, 1);
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 156; ++col)
            if (text.At(col, row)) skin.Paste(lit, model.lcdOriginX + 3 * col, model.lcdOriginY + 3 * (row + 1));
}

Canvas Compose(const ModelTables& model, const std::vector<Image>& images, bool pressed) {
    Canvas skin = *Find(images, model.entries[0].imageA);
    for (int index = 1; index <= kSkinPowerDot; ++index) {
        const EntryTable& e = model.entries[index];
        if (e.imageA == 0 || (index == 66 && model.lastKey < 66)) continue;  // 66 under ENTER
        const bool useB = index <= kModelKeys && pressed;
        skin.Paste(*Find(images, useB ? e.imageB : e.imageA), e.x, e.y);
    }
    DrawSampleDots(skin, model, *Find(images, pressed ? 182 : 183));
    return skin;
}

int Usage() {
    std::fprintf(stderr, "usage: zelkor-skin-gen --out DIR | --preview DIR | --dialogs DIR\n");
    return 2;
}

int WriteDialogPictures(const std::string& dir) {
    if (WritePng(dir + "/about.png", DrawAboutPicture()) &&
        WritePng(dir + "/keyboard.png", DrawKeyboardPicture(ZelkorATables(), PcKeyIndex)))
        return 0;
    std::fprintf(stderr, "zelkor-skin-gen: cannot write the dialog pictures to %s\n", dir.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Usage();
    const std::string mode = argv[1], dir = argv[2];
    if (mode == "--dialogs") return WriteDialogPictures(dir);
    if (mode != "--out" && mode != "--preview") return Usage();
    for (const ModelTables* model : {&ZelkorATables(), &ZelkorTables(), &KavroTables()}) {
        const std::vector<Image> images = DrawImages(*model);
        const std::string name(model->library);
        bool ok;
        if (mode == "--out") {
            ok = WriteFile(dir + "/skin-" + name + ".bin", Blob(images));
        } else {
            ok = WritePng(dir + "/" + name + ".png", Compose(*model, images, false)) &&
                 WritePng(dir + "/" + name + "-pressed.png", Compose(*model, images, true));
        }
        if (!ok) {
            std::fprintf(stderr, "zelkor-skin-gen: cannot write the %s images to %s\n", name.c_str(), dir.c_str());
            return 1;
        }
    }
    return 0;
}

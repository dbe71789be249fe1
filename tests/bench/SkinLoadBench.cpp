// Loading and applying the internal skin from its embedded package through
// the skin manager, as the program does at start-up (inflating the members,
// reading the options, decoding and converting the pictures, filling the
// tables, telling a form and its controls), against zlib inflating the same
// package's members alone, in the same run. The loader's share alone is
// printed too. Prints the best time of each over many rounds and
// `RATIO skinload_vs_inflate X` (target: at most 10).
#include <malloc.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "resources/InternalSkin.h"
#include "skin/sSkinLoader.h"
#include "skin/sSkinManager.h"
#include "ui/Headless.h"
#include "vcl/TApplication.h"
#include "vcl/TButton.h"

namespace {

using Clock = std::chrono::steady_clock;

uint32_t Integer(const std::string_view bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Every member inflated by zlib straight from the package bytes into a
// buffer of its own, as anyone who keeps the members needs them; returns the
// number of bytes produced so that nothing is optimised away.
size_t InflateAll(std::string_view package, std::vector<std::unique_ptr<unsigned char[]>>& members) {
    size_t at = 8, produced = 0;
    for (uint32_t i = 0, count = Integer(package, 4); i < count; ++i) {
        at += 4 + Integer(package, at);
        const uint32_t size = Integer(package, at);
        at += 4;
        members.emplace_back(new unsigned char[size]);
        z_stream zs{};
        inflateInit(&zs);
        zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(package.data() + at));
        zs.avail_in = static_cast<uInt>(package.size() - at);
        zs.next_out = members.back().get();
        zs.avail_out = size;
        if (inflate(&zs, Z_FINISH) != Z_STREAM_END) std::fprintf(stderr, "the package does not inflate\n");
        at += zs.total_in;
        produced += zs.total_out;
        inflateEnd(&zs);
    }
    return produced;
}

// The best of many rounds. Every round starts with the heap handed back to
// the system, as in a program that has just started, so that both sides pay
// for the fresh memory they touch (page faults are dear on virtual machines).
// `prepare` runs before each round, untimed.
template <typename Work, typename Prepare = void (*)()>
double Best(int rounds, Work&& work, Prepare&& prepare = [] {}) {
    double best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        prepare();
        malloc_trim(0);
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main() {
    const std::string_view package = resources::InternalSkinPackage();
    skin::TsStoredSkins skins;
    skins.Add().SetData(package);
    skin::TsSkinSource source;
    source.Kind = skin::sskInternal;
    source.InternalIndex = 0;

    constexpr int Rounds = 60;
    size_t produced = 0;
    const double inflateTime = Best(Rounds, [&] {
        std::vector<std::unique_ptr<unsigned char[]>> members;
        produced = InflateAll(package, members);
    });
    size_t entries = 0;
    const double tablesTime = Best(Rounds, [&] {
        skin::TsSkinTables tables;
        skin::LoadSkin(tables, source, skins, {});
        entries = tables.Masks.size();
    });

    // A form of about the main window's size in controls hears the apply.
    // Each round has a new manager that has loaded nothing yet, as at start-up.
    ui::headless::Reset();
    auto* form = new vcl::TForm(vcl::Application);
    for (int i = 0; i < 12; ++i) (new vcl::TButton(form))->SetParent(form);
    skin::TsSkinManager* manager = nullptr;
    std::string info;
    const double loadTime = Best(
        Rounds, [&] { manager->SetSkinName(std::string(resources::InternalSkinName)); },
        [&] {
            if (manager) {
                info = manager->SkinInfo();
                manager->Free();
            }
            manager = new skin::TsSkinManager(vcl::Application);
            manager->InternalSkins().Assign(skins);
            manager->InternalSkins().Items(0).SetName(std::string(resources::InternalSkinName));
        });
    manager->Free();
    form->Free();

    std::printf("package: %zu bytes, %zu bytes inflated, %zu image entries, skin %s\n", package.size(), produced,
                entries, info.c_str());
    std::printf("inflate only:          %.3f ms\n", inflateTime * 1e3);
    std::printf("skin tables only:      %.3f ms\n", tablesTime * 1e3);
    std::printf("load and apply:        %.3f ms\n", loadTime * 1e3);
    std::printf("RATIO skinload_vs_inflate %.2f\n", loadTime / inflateTime);
    return 0;
}

// Helpers shared by the unit tests: a new configuration, random configurations, temp folders.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "image/codec.h"
#include "model/configuration.h"

namespace rse::test {

struct NewDocument {
    Configuration config;
    MemoryImage image{};
    NewDocument() { InitialiseConfiguration(config, image); }
};

inline std::string RandomText(std::mt19937& rng, std::size_t maxLen, const std::string& alphabet) {
    std::uniform_int_distribution<std::size_t> len(0, maxLen);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string s(len(rng), ' ');
    for (char& c : s)
        c = alphabet[pick(rng)];
    return s;
}

inline std::string RandomDigits(std::mt19937& rng, std::size_t count) {
    std::string s;
    if (std::uniform_int_distribution<int>(0, 3)(rng) == 0) return s;
    for (std::size_t i = 0; i < count; ++i)
        s += static_cast<char>('0' + rng() % 10);
    return s;
}

// A configuration with every editable field set at random within the ranges the editor
// allows (tags of storable characters, MMSIs of nine digits, an unbroken directory list).
inline Configuration RandomConfiguration(std::mt19937& rng) {
    static const std::string kTagChars = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-+().*/";
    NewDocument doc;
    Configuration c = doc.config;
    auto flag = [&] { return (rng() & 1) != 0; };
    auto num = [&](int lo, int hi) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(lo, hi)(rng));
    };
    auto tag = [&](std::size_t n) {
        std::string t = RandomText(rng, n, kTagChars);
        while (!t.empty() && (t.back() == ' '))
            t.pop_back();
        return t;
    };
    CommonSettings& s = c.SETCOM;
    s.Contrast = num(0, 7);
    s.Dimmer = num(0, 3);
    s.KeyBeep = flag();
    s.AtisOnOff = flag();
    s.AtisNo = RandomDigits(rng, 10);
    s.ScanType = num(0, 1);
    s.Ind = num(0, 3);
    s.IndReply = flag();
    s.IndACK = flag();
    s.POSRR = flag();
    s.DscScan = flag();
    s.WxAlert = flag();
    s.OffsetTime = num(0, 24);
    s.UserMmsid = RandomDigits(rng, 9);
    for (auto* bank : {&c.CHUSA, &c.CHINT, &c.CHCAN, &c.CHWX}) {
        for (ChannelRecord& r : *bank) {
            r.Enable = flag();
            r.ScanMemory = flag();
            r.ChTag = tag(12);
        }
    }
    for (ChannelRecord& r : c.CHEXP) {
        r.Enable = flag();
        r.ScanMemory = flag();
        r.TxEnable = flag();
        r.Duplex = flag();
        r.DispayA = flag();
        r.PowUp = flag();
        r.LowPower = flag();
        if (r.Enable) r.Position = num(0, 281);
        r.ChTag = tag(12);
    }
    const int used = num(0, 20);
    for (int i = 1; i <= used; ++i) {
        DirectoryEntry& e = c.Dir(i);
        e.Enable = true;
        e.Mmsid.clear();
        for (int k = 0; k < 9; ++k)
            e.Mmsid += static_cast<char>('0' + rng() % 10);
        e.TagName = tag(10);
    }
    return c;
}

// A fresh empty folder, removed when the object goes.
class TempDir {
  public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "rse-test-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace rse::test

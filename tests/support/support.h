// What tests of every folder share: temporary folders, files, documents, pattern images and
// guards that put back what a test changed.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "image/codec.h"
#include "model/configuration.h"

namespace rse::test {

namespace fs = std::filesystem;

inline std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A fresh empty folder of its own, removed (whatever its permissions) when the object goes.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "rse-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

// Puts a variable back as it was when the guard goes.
template <typename T>
class Restore {
  public:
    explicit Restore(T& variable) : variable_(variable), saved_(variable) {}
    Restore(T& variable, T value) : Restore(variable) { variable_ = std::move(value); }
    ~Restore() { variable_ = saved_; }
    Restore(const Restore&) = delete;
    Restore& operator=(const Restore&) = delete;

  private:
    T& variable_;
    T saved_;
};

// Sets (or, with nullopt, removes) an environment variable and puts it back when it goes.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) saved_ = old;
        Set(value);
    }
    ~ScopedEnv() { Set(saved_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name_.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name_.c_str());
        }
    }
    std::string name_;
    std::optional<std::string> saved_;
};

// The configuration and image of File New.
struct NewDocument {
    Configuration config;
    MemoryImage image{};
    NewDocument() { InitialiseConfiguration(config, image); }
};

// The image of New with the radio's own numbers (empty: none) and an MMSI entry count of 3.
inline MemoryImage ImageWithNumbers(const std::string& mmsi, const std::string& atis) {
    MemoryImage image = NewDocument().image;
    PutDigits(image, mem::kUserMmsid.address, mmsi, DigitForm::Mmsi);
    PutDigits(image, mem::kAtisNo.address, atis, DigitForm::TenDigit);
    image[mem::kMmsiEntryCount.address] = 3;
    return image;
}

// The image of New with every byte after the model code a different pattern per seed.
inline MemoryImage PatternImage(int seed = 7) {
    MemoryImage image = DefaultImage();
    for (std::size_t i = 2; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * static_cast<std::size_t>(seed) + 3);
    return image;
}

// A configuration with every editable field set at random within the ranges the editor
// allows (tags of storable characters, MMSIs of nine digits, an unbroken directory list).
inline Configuration RandomConfiguration(std::mt19937& rng) {
    static const std::string kTagChars = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-+().*/";
    Configuration c = NewDocument().config;
    auto flag = [&] { return (rng() & 1) != 0; };
    auto num = [&](int lo, int hi) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(lo, hi)(rng));
    };
    auto text = [&](std::size_t maxLen, const std::string& alphabet) {
        std::string s(std::uniform_int_distribution<std::size_t>(0, maxLen)(rng), ' ');
        for (char& ch : s)
            ch = alphabet[rng() % alphabet.size()];
        return s;
    };
    auto tag = [&](std::size_t n) {
        std::string t = text(n, kTagChars);
        while (!t.empty() && t.back() == ' ')
            t.pop_back();
        return t;
    };
    auto digits = [&](std::size_t n) {
        std::string s(rng() % 4 == 0 ? 0 : n, '0');
        for (char& ch : s)
            ch = static_cast<char>('0' + rng() % 10);
        return s;
    };
    CommonSettings& s = c.SETCOM;
    for (bool* f :
         {&s.KeyBeep, &s.AtisOnOff, &s.IndReply, &s.IndACK, &s.POSRR, &s.DscScan, &s.WxAlert})
        *f = flag();
    s.Contrast = num(0, 7);
    s.Dimmer = num(0, 3);
    s.ScanType = num(0, 1);
    s.Ind = num(0, 3);
    s.OffsetTime = num(0, 24);
    s.AtisNo = digits(10);
    s.UserMmsid = digits(9);
    const auto channel = [&](ChannelRecord& r) {
        r.Enable = flag();
        r.ScanMemory = flag();
        r.ChTag = tag(12);
    };
    for (auto* bank : {&c.CHUSA, &c.CHINT, &c.CHCAN, &c.CHWX})
        std::for_each(bank->begin(), bank->end(), channel);
    // Only the EXP memories hold these flags and a position of their own.
    for (ChannelRecord& r : c.CHEXP) {
        channel(r);
        for (bool* f : {&r.TxEnable, &r.Duplex, &r.DispayA, &r.PowUp, &r.LowPower})
            *f = flag();
        if (r.Enable) r.Position = num(0, 281);
    }
    const int used = num(0, 20);
    for (int i = 1; i <= used; ++i) {
        std::string mmsi;
        for (int k = 0; k < 9; ++k)
            mmsi += static_cast<char>('0' + rng() % 10);
        c.Dir(i) = {true, tag(10), mmsi};
    }
    return c;
}

}  // namespace rse::test

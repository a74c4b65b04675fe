// Conversion between the configuration and the memory image. The encoder writes only the
// fields the editor owns and leaves every other byte of the image as it was.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "image/memory_image.h"
#include "model/channel_plans.h"
#include "model/configuration.h"

namespace rse {

enum class DigitForm { TenDigit, Mmsi };

void EncodeImage(const Configuration& config, MemoryImage& image);
void DecodeImage(const MemoryImage& image, Configuration& config);

// The image of a new configuration.
MemoryImage DefaultImage();
// Writes the default image and decodes the common settings from it.
void LoadDefaultImage(MemoryImage& image, CommonSettings& settings);

// New: banks from the plans, empty directory, default image and settings, EXP defaults
// decoded from the image, then the whole model encoded into the image.
void InitialiseConfiguration(Configuration& config, MemoryImage& image);

void EncodeSettings(const CommonSettings& s, MemoryImage& image);
void DecodeSettings(const MemoryImage& image, CommonSettings& s);
void EncodePlanBank(const std::vector<ChannelRecord>& bank, BankId id, MemoryImage& image);
void DecodePlanBank(const MemoryImage& image, BankId id, std::vector<ChannelRecord>& bank);
void EncodeWxBank(const std::vector<ChannelRecord>& bank, MemoryImage& image);
void DecodeWxBank(const MemoryImage& image, std::vector<ChannelRecord>& bank);
void EncodeExpBank(const Configuration& config, MemoryImage& image);
void DecodeExpBank(const MemoryImage& image, Configuration& config);
void EncodeDirectory(const Configuration& config, MemoryImage& image);
void DecodeDirectory(const MemoryImage& image, Configuration& config);

void PutDigits(MemoryImage& image, int offset, std::string_view text, DigitForm form);
std::string GetDigits(const MemoryImage& image, int offset);
void PutText(MemoryImage& image, int offset, std::string_view text, int length);
std::string GetText(const MemoryImage& image, int offset, int length);
std::uint8_t CharToCode(std::string_view ch);
std::string CodeToChar(std::uint8_t code);
std::uint8_t ChannelFlagsByte(const ChannelRecord& r);
void SetChannelFlags(ChannelRecord& r, std::uint8_t flags);
std::uint8_t OffsetTimeCode(int offsetTime);
int OffsetTimeValue(std::uint8_t code);

}  // namespace rse

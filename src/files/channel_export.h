// The channel list as CSV for spreadsheets.
#pragma once

#include <string>

#include "model/configuration.h"

namespace rse {

// "Bank,CH,ENABLE,RX(MHz),TX(MHz),TX,LOW,DUP,MEM,TAG", then one row per channel of the USA,
// International, Canada, WX and EXP banks as the text report lists them: the flags as Yes or
// No, no frequency as an empty cell, and for WX (which has no transmit settings) the RX
// frequency, ENABLE, MEM and TAG only. UTF-8 with CR LF line ends.
std::string ChannelListCsv(const Configuration& config);

}  // namespace rse

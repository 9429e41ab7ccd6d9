#pragma once

#include <array>

// One item of the channel list: its caption and the channel id that choosing it sets, or null for the
// separators, which set nothing and request nothing.
struct ChannelItem {
    const char *caption;
    const char *id;
};

inline constexpr int channelCount = 32;

// The channel list's items in their order.
const std::array<ChannelItem, channelCount> &channelTable();

#pragma once
// The edge acceleration of a controller: the switch mask, and a margin and a compensation
// for each edge, with the commands that read and set them.
#include <array>
#include <cstdint>

#include "common/exchange.h"

// Switch bits of the mask; edgeAny goes with every edge that is switched on.
enum : std::int32_t {
    edgeAny = 0x01,
    edgeTopOn = 0x02,
    edgeBottomOn = 0x04,
    edgeLeftOn = 0x08,
    edgeRightOn = 0x10,
};

// Order of the margins and compensations in the commands' bytes.
enum Edge { edgeTop, edgeBottom, edgeLeft, edgeRight, edgeCount };

using EdgeValues = std::array<std::int32_t, edgeCount>;

// The factory margin and compensation of every edge.
constexpr std::int32_t edgeDefault = 50;
constexpr EdgeValues edgeDefaults{{edgeDefault, edgeDefault, edgeDefault, edgeDefault}};

// The mask with one edge's bit switched on (with edgeAny) or off.
std::int32_t switchEdge(std::int32_t mask, std::int32_t bit, bool on);

// The mask as it is sent: one with no edge bit left (below 2) becomes 0.
std::int32_t sentMask(std::int32_t mask);

struct EdgeReading {
    std::int32_t mask = 0;
    EdgeValues margins{};
};

// "D1_readedge": the mask from reply byte 9, the margins from bytes 10 to 13.
EdgeReading readEdge(Padlink& pl);
// "D1_readcav": the compensations from reply bytes 9 to 12.
EdgeValues readComp(Padlink& pl);

// "D1_setedge" with the mask and the margins, and "D1_setca" with the compensations; the
// caller keeps the pace.
void sendEdge(Padlink& pl, std::int32_t mask, const EdgeValues& margins);
void sendComp(Padlink& pl, const EdgeValues& comps);

#include "common/edge_values.h"

#include "common/cmdbuf.h"

std::int32_t switchEdge(std::int32_t mask, std::int32_t bit, bool on) {
    return on ? mask | bit | edgeAny : mask & ~bit;
}

std::int32_t sentMask(std::int32_t mask) { return mask < 2 ? 0 : mask; }

EdgeReading readEdge(Padlink& pl) {
    wrtp(pl, "D1_readedge");
    return {cmdBuf[9], {{cmdBuf[10], cmdBuf[11], cmdBuf[12], cmdBuf[13]}}};
}

EdgeValues readComp(Padlink& pl) {
    wrtp(pl, "D1_readcav");
    return {{cmdBuf[9], cmdBuf[10], cmdBuf[11], cmdBuf[12]}};
}

void sendEdge(Padlink& pl, std::int32_t mask, const EdgeValues& margins) {
    composeCommand("D1_setedge", {mask, margins[edgeTop], margins[edgeBottom], margins[edgeLeft],
                                  margins[edgeRight]});
    sendComposed(pl);
}

void sendComp(Padlink& pl, const EdgeValues& comps) {
    composeCommand("D1_setca",
                   {comps[edgeTop], comps[edgeBottom], comps[edgeLeft], comps[edgeRight]});
    sendComposed(pl);
}

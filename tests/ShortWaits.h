#ifndef SHORTWAITS_H
#define SHORTWAITS_H

#include "FrameCodec.h"

// Shortens the codec's waits while it lives. Meant for the one command that
// is to meet a silent or vanished device: the healthy exchanges around it
// keep the normal limits, so a machine slow to answer them stays green.
class ShortWaits
{
public:
    explicit ShortWaits(int ms = 300) { FrameCodec::setWaitLimits(ms, ms); }
    ~ShortWaits()
    {
        FrameCodec::setWaitLimits(FrameCodec::defaultFirstWaitMs, FrameCodec::defaultFurtherWaitMs);
    }
    ShortWaits(const ShortWaits &) = delete;
    ShortWaits &operator=(const ShortWaits &) = delete;
};

#endif // SHORTWAITS_H
